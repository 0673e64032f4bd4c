// Cell text, sort indicator, filter button and rich-text cells.
#include "grid/core/ExtGrid.h"
#include "grid/view/CellPaint.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/ExtUtil.h"
#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ExtRichEdit.h"
#include "grid/core/GridItems.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SortSettings.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Colors.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Region.h"
#include "rtl/NumConv.h"
#include "windows/RichEdit.h"

#include <cmath>
#include <optional>

namespace {

uint32_t HorzFlag(TAlignment HA)
{
    switch (HA) {
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
    default: return DT_LEFT;
    }
}

uint32_t VertFlag(TVAlignment VA)
{
    switch (VA) {
    case vtaCenter: return DT_VCENTER;
    case vtaBottom: return DT_BOTTOM;
    default: return DT_TOP;
    }
}

bool Empty(const TBitmap* Glyph)
{
    return !Glyph || Glyph->Empty();
}

// Draws Glyph with its transparency switched on, leaving the property's bitmap as it was.
void DrawTransparent(TCanvas* Canvas, int32_t X, int32_t Y, TBitmap* Glyph)
{
    const bool Was = Glyph->Transparent();
    Glyph->SetTransparent(true);
    Canvas->Draw(X, Y, Glyph);
    Glyph->SetTransparent(Was);
}

// The canvas clip of the moment, put back when the scope ends.
class TClipKeeper {
public:
    explicit TClipKeeper(TCanvas* Canvas) : FCanvas(Canvas)
    {
        TRegion Previous;
        if (GetClipRgn(Canvas->Handle(), Previous) == 1) FSaved = Previous;
    }
    ~TClipKeeper() { SelectClipRgn(FCanvas->Handle(), FSaved ? &*FSaved : nullptr); }
    TClipKeeper(const TClipKeeper&) = delete;
    TClipKeeper& operator=(const TClipKeeper&) = delete;

private:
    TCanvas* FCanvas;
    std::optional<TRegion> FSaved;
};

}  // namespace

void TExtStringGrid::DrawCellText(TCellPaint& P)
{
    TCanvas* C = P.Canvas;
    TBrush* Brush = C->Brush();
    TFont* Font = C->Font();
    const int32_t ACol = P.ACol;
    const int32_t RCol = P.RCol;
    const int32_t ARow = P.ARow;
    const bool Fixed = IsFixed(ACol, ARow);
    const bool Selected = P.State.Contains(gdSelected);
    const bool FocusedCell = P.State.Contains(gdFocused);
    const TGridOptions Opts = Options();
    const int32_t GLW = GridLineWidth();
    const TCellGraphic* Graphic = P.Graphic.Graphic;
    const TCellType GraphicType = Graphic ? Graphic->CellType() : ctNone;
    P.TextWidth = 0;

    // 1., 2. Selection colours.
    TColor U = FURLColor;
    const bool RowSelected = Opts.Contains(goRowSelect) && RowSelectedSafe(P.DataRow) && ACol >= FixedCols() &&
                             ACol < ColCount() - FFixedRightCols;
    if ((Selected || RowSelected) && !Fixed) {
        if (FShowSelection) {
            if (FSelectionColor != clNone) Brush->SetColor(FSelectionColor);
            if (FSelectionTextColor != clNone && Enabled()) Font->SetColor(FSelectionTextColor);
            U = FSelectionTextColor;
        }
        const bool CheckBox = GraphicType == ctCheckBox || GraphicType == ctDataCheckBox;
        if ((!Focused() || CheckBox) && !FShowSelection) {
            Brush->SetColor(FUnselectedBrushColor);
            Font->SetColor(FUnselectedFontColor);
            U = FURLColor;
        }
    }

    // 3. The text.
    QString Text = GetFormattedCell(RCol, ARow);
    int32_t Kind = GetCellTextKind(Text, FEnableHTML);
    if (Kind == ctkFormula) {
        GetCellText(RCol, ARow, Text);
        Kind = GetCellTextKind(Text, FEnableHTML);
    }
    if (Kind == ctkWide) Text = DecodeWideCellText(Text);
    int32_t ErrPos = 0, ErrLen = 0;
    GetMarker(RCol, ARow, ErrPos, ErrLen);
    bool Password = false;
    IsPasswordCell(RCol, ARow, Password);
    if (Password) Text = QString(Text.size(), FPasswordChar);

    // 4. Text rectangle and the scrolled cell's clip.
    const TRect R = P.R;
    TRect T = R;
    if (Fixed) {
        T.Left += GLW;
        T.Top += GLW;
    }
    std::optional<TClipKeeper> Clip;
    if (P.ScrollOffset > 0) {
        Clip.emplace(C);
        IntersectClipRect(C->Handle(), R.Left, R.Top, R.Right, R.Bottom);
        T.Top -= P.ScrollOffset;
    }

    // 5. Filter button.
    if (P.HasFilter) {
        TBitmap* Glyph = FFilterDropDown->Glyph();
        if (FFilter->HasFilter(RCol)) Glyph = FFilterDropDown->GlyphActive();
        const TColor Was = Brush->Color();
        if (Empty(Glyph)) DrawBitmapResource(C, FixedColor(), Rect(T.Right - 16, T.Top, T.Right, T.Bottom),
                                             QStringLiteral("ESGFILT"));
        else DrawTransparent(C, T.Right - 16, T.Top, Glyph);
        Brush->SetColor(Was);
        T = R;
    }

    // 6. Cells outside a disjunct selection take their own colours again.
    if (!Fixed && !FMouseDown &&
        ((FMouseActions->DisjunctRowSelect() && !RowSelectedSafe(P.DataRow)) ||
         (FMouseActions->DisjunctColSelect() && !ColSelect(RCol)))) {
        U = FURLColor;
        Brush->SetColor(Color());
        Font->SetColor(TExtStringGrid::Font()->Color());
        GetCellColor(RCol, ARow, P.State, Brush, Font);
        Font->SetSize(Font->Size() + FZoomFactor);
    }

    // 7. Background picture or gradient.
    const TBackGroundCells Covered = FBackGround->Cells();
    if (Covered == bcAll || (Covered == bcFixed) == Fixed) {
        const bool OwnColor = Colors(RCol, ARow) != clNone;
        const TBackGroundDisplay Display = FBackGround->Display();
        if (Display == bdGradientHorz || Display == bdGradientVert) {
            const bool Control = GraphicType == ctCheckBox || GraphicType == ctDataCheckBox || GraphicType == ctRadio ||
                                 GraphicType == ctButton || GraphicType == ctRadioButton;
            const bool Shows = ((!Selected || FocusedCell) && (!FocusedCell || !Opts.Contains(goDrawFocusSelected))) ||
                               !FShowSelection;
            if ((!OwnColor || Control) && Shows)
                PaintCellBackground(C, Rect(T.Left - 1, T.Top - GLW, T.Right, T.Bottom + GLW - 1), ACol, ARow);
        } else if (!Empty(FBackGround->Bitmap()) && !OwnColor && !(FShowSelection && Selected)) {
            PaintCellBackground(C, Rect(T.Left - (GLW - 1), T.Top - (GLW - 1), T.Right, T.Bottom), ACol, ARow);
        }
    }

    // 8. Selection rectangle and resizer.
    if (FSelectionRectangle && !Fixed) DrawSelectionFrame(C, ACol, ARow, T);

    // 9. The text itself.
    if (P.Graphic.ShowText) {
        if (!FXYOffsetTopLeftOnly) T.Right -= FXYOffset.X;
        T.Left += FXYOffset.X;
        T.Top += FXYOffset.Y;
        const int32_t LineHeight = C->TextHeight(QStringLiteral("hg"));

        const int32_t W = P.Graphic.Width;
        const int32_t H = P.Graphic.Height;
        if (Graphic) {
            if (P.Graphic.HAlign == haBeforeText) T.Left += W;
            if (P.Graphic.HAlign == haAfterText) T.Right -= W;
            if (P.Graphic.VAlign == vaAboveText) T.Top += H;
            if (P.Graphic.VAlign == vaUnderText) T.Bottom -= H;
        }
        const int32_t S = Graphic && ((P.HA == taLeftJustify && P.Graphic.HAlign == haBeforeText) ||
                                      P.Graphic.HAlign == haLeft)
                              ? W
                              : 0;

        if (RCol == 0 && HasNodes() && !IsNode(ARow)) T.Left += GetNodeIndent(ARow);

        const bool SortCell = IsSortIndicatorCell(ACol, ARow) && FixedRows() > 0 &&
                              (ACol >= FixedCols() || FSortSettings->FixedCols());
        const bool SortShown = SortCell && (FSortIndexes->FindIndex(RCol) < 1 || FSortSettings->IndexShow());

        if (Kind == ctkMarkup) {
            if (P.HasFilter) T.Right -= 18;
            T.Left -= 1;
            if (SortCell) T.Right -= 10;
            const int32_t Hover = FHoverCell == Point(ACol, ARow) ? FHoverlink : -1;
            QString Link, Plain, FocusRef, Title, CtrlID, CtrlValue, CtrlType;
            int32_t Width = 0, Height = 0, Links = 0, Hovered = -1;
            TRect LinkRect, CtrlRect;
            DrawMarkup(C, Text, T, GetGridImages(), 0, 0, -1, Hover, 1, false, false, false, false, FGridBlink,
                       FURLUnderlineOnHover, !FEnhTextSize, FCtrlDown, 1.0, U, clGray, clNone, clGray, Link, Plain,
                       FocusRef, Title, Width, Height, Links, Hovered, LinkRect, CtrlRect, CtrlID, CtrlValue, CtrlType,
                       FImageCache.get(), FContainer, HandleAllocated() ? Handle() : nullptr,
                       UseRightToLeftReading() ? 1 : 0);
            if (SortShown) {
                int32_t Y = T.Top + 8;
                if (P.VA == vtaCenter) Y = T.Top + (T.Bottom - T.Top) / 2;
                else if (P.VA == vtaBottom) Y = T.Bottom - 8;
                DrawSortIndicator(C, RCol, Y, T.Right + 2);
            }
            P.TextWidth = Width + 2;
        } else if (Kind == ctkRichText) {
            C->Pen()->SetColor(Brush->Color());
            if (!(Selected && !Focused() && FSelectionColor == clNone)) C->FillRect(T);
            Brush->SetStyle(bsClear);
            DrawRTFCell(RCol, ARow, T, C);
            Brush->SetStyle(bsSolid);
            Font->SetColor(clBlack);
        } else {
            DrawPlainCellText(P, Text, T, U, S, SortShown, ErrPos, ErrLen, LineHeight);
        }
    }

    // 10. Clip restored by the keeper.
}

bool TExtStringGrid::RowSelectedSafe(int32_t ARow)
{
    if (ARow < 0 || ARow >= RowCount() + NumHiddenRows()) return false;
    return RowSelect(ARow);
}

bool TExtStringGrid::IsSortIndicatorCell(int32_t ACol, int32_t ARow)
{
    if (!IsSortIndicatorRow(ACol, ARow)) return false;
    const int32_t RCol = RealColIndex(ACol);
    return RCol == FSortSettings->Column() || FSortIndexes->FindIndex(RCol) >= 0;
}

void TExtStringGrid::DrawSelectionFrame(TCanvas* C, int32_t ACol, int32_t ARow, const TRect& T)
{
    TGridRect S = Selection();
    if (IsMergedCell(S.Left, S.Top)) {
        const TPoint Base = BaseCell(S.Left, S.Top);
        S = {Base.X, Base.Y, Base.X, Base.Y};
    }
    if (ACol < S.Left || ACol > S.Right || ARow < S.Top || ARow > S.Bottom) return;
    const int32_t GLW = GridLineWidth();
    TPen* Pen = C->Pen();
    Pen->SetColor(FSelectionRectangleColor);
    Pen->SetWidth(2);
    const bool RightCol = ACol == S.Right;
    const int32_t SpanRight = RightCol ? T.Right - 1 : T.Right;
    if (ACol == S.Left) {
        C->MoveTo(T.Left - GLW + 1, T.Bottom);
        C->LineTo(T.Left - GLW + 1, T.Top - GLW);
    }
    if (RightCol) {
        C->MoveTo(T.Right - 1, T.Bottom);
        C->LineTo(T.Right - 1, T.Top - GLW);
    }
    if (ARow == S.Top) {
        C->MoveTo(T.Left - GLW, T.Top - GLW + 1);
        C->LineTo(SpanRight, T.Top - GLW + 1);
    }
    if (ARow == S.Bottom) {
        C->MoveTo(T.Left - GLW, T.Bottom);
        C->LineTo(SpanRight, T.Bottom);
    }
    if (FSelectionResizer && RightCol && ARow == S.Bottom) {
        const TRect Cell = CellRect(ACol, ARow);
        const TColor Was = C->Brush()->Color();
        FillRectColor(C, Rect(T.Right - 4, T.Bottom - 4, Cell.Right, Cell.Bottom), FSelectionRectangleColor);
        C->Brush()->SetColor(Was);
    }
    Pen->SetWidth(1);
}

void TExtStringGrid::DrawPlainCellText(TCellPaint& P, QString Text, TRect T, TColor U, int32_t S, bool SortShown,
                                       int32_t ErrPos, int32_t ErrLen, int32_t LineHeight)
{
    TCanvas* C = P.Canvas;
    TFont* Font = C->Font();
    const TAlignment HA = P.HA;
    const TVAlignment VA = P.VA;
    const TCellGraphic* Graphic = P.Graphic.Graphic;

    if (HA == taCenter && P.ARow == FSortSettings->Row() && P.RCol == FSortSettings->Column() &&
        FSortSettings->Show())
        T.Left += 10;

    const bool URL = FURLShow && ContainsURL(GetCellEx(P.RCol, P.ARow));
    if (URL) {
        if (!FURLFull) StripURLProtocol(Text);
        TFontStyles Style = Font->Style();
        Style.Include(fsUnderline);
        Font->SetStyle(Style);
        Font->SetColor(U);
    }

    uint32_t Flags = DT_EDITCONTROL;
    if (CountLines(Text, FMultilineCells) == 1 && !P.WW) {
        Text = TakeFirstLine(Text, false);
        Flags = DT_SINGLELINE;
        if (FEnhTextSize) Flags |= DT_END_ELLIPSIS;
    }
    if (P.WW && !FMultilineCells && FEnhTextSize) Flags |= DT_END_ELLIPSIS;
    FVAlign = VertFlag(VA);
    if (P.WW || FMultilineCells)
        Flags |= HorzFlag(HA) | VertFlag(VA) | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK;
    else
        Flags |= HorzFlag(HA) | VertFlag(VA) | DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE;
    if (UseRightToLeftReading()) Flags |= DT_RTLREADING;
    if (P.HasFilter) T.Right -= 16;

    if (Graphic && !Text.isEmpty()) {
        TRect M = T;
        DrawText(C->Handle(), Text, -1, M, Flags | DT_CALCRECT);
        P.TextWidth = M.Right - T.Left + 2;
    }
    SetBkMode(C->Handle(), TRANSPARENT);
    DrawText(C->Handle(), Text, -1, T, Flags);

    if (ErrLen > 0 && Graphic && (Graphic->CellType() == ctEmpty || Graphic->CellType() == ctValue))
        DrawErrorUnderline(this, C, Text, T, LineHeight, ErrPos, ErrLen);

    T = P.R;
    if (P.HasFilter) T.Right -= 16;
    if (SortShown) {
        const int32_t TW = std::max(0, std::min(T.Right - T.Left - 16, C->TextWidth(Text)));
        int32_t X = T.Left + 8;
        if (HA == taLeftJustify) X = T.Left + TW + S + 10;
        else if (HA == taRightJustify) X = T.Right - TW - 10;
        int32_t Y = T.Top + 8;
        if (VA == vtaCenter) Y = T.Top + (T.Bottom - T.Top) / 2;
        else if (VA == vtaBottom) Y = T.Bottom - 8;
        DrawSortIndicator(C, P.RCol, Y, X);
    }

    if (URL) {
        TFontStyles Style = Font->Style();
        Style.Exclude(fsUnderline);
        Font->SetStyle(Style);
    }
}

void TExtStringGrid::DrawSortIndicator(TCanvas* ACanvas, int32_t ACol, int32_t Y, int32_t X)
{
    TSortSettings* SS = FSortSettings.get();
    TPen* Pen = ACanvas->Pen();
    Pen->SetWidth(1);
    if (SS->IndexShow()) {
        const int32_t Pos = FSortIndexes->FindIndex(ACol);
        if (Pos < 0) return;
        TFont Saved;
        Saved.Assign(ACanvas->Font());
        TBrush* Brush = ACanvas->Brush();
        const TColor BrushWas = Brush->Color();
        Brush->SetColor(SS->IndexColor());
        Pen->SetColor(SS->IndexColor());
        TFont* F = ACanvas->Font();
        F->SetColor(clBlack);
        F->SetSize(6);
        const QString Number = QString::number(Pos + 1);
        if (!FSortIndexes->SortDirections(Pos)) {
            if (Empty(SS->IndexUpGlyph())) ACanvas->Polygon({Point(X - 7, Y - 5), Point(X + 7, Y - 5), Point(X, Y + 8)});
            else DrawTransparent(ACanvas, X - 7, Y - 7, SS->IndexUpGlyph());
            SetBkMode(ACanvas->Handle(), TRANSPARENT);
            ACanvas->TextOut(X - 2, Y - 4, Number);
        } else {
            if (Empty(SS->IndexDownGlyph())) ACanvas->Polygon({Point(X - 6, Y + 8), Point(X + 6, Y + 8), Point(X, Y - 4)});
            else DrawTransparent(ACanvas, X - 7, Y - 7, SS->IndexDownGlyph());
            SetBkMode(ACanvas->Handle(), TRANSPARENT);
            ACanvas->TextOut(X - 2, Y - 2, Number);
        }
        ACanvas->SetFont(&Saved);
        Brush->SetColor(BrushWas);
        Pen->SetColor(clBlack);
        return;
    }
    const bool Glyphs = !Empty(SS->UpGlyph()) && !Empty(SS->DownGlyph());
    if (SS->Direction() == sdDescending) {
        if (!Glyphs) {
            Pen->SetColor(clWhite);
            ACanvas->MoveTo(X + 4, Y - 4);
            ACanvas->LineTo(X, Y + 4);
            Pen->SetColor(clGray);
            ACanvas->LineTo(X - 4, Y - 4);
            ACanvas->LineTo(X + 4, Y - 4);
        } else {
            DrawTransparent(ACanvas, X - 4, Y - 4, SS->DownGlyph());
            SetBkColor(ACanvas->Handle(), static_cast<COLORREF>(ColorToRGB(FixedColor())));
        }
    } else {
        if (!Glyphs) {
            Pen->SetColor(clWhite);
            ACanvas->MoveTo(X - 4, Y + 4);
            ACanvas->LineTo(X + 4, Y + 4);
            ACanvas->LineTo(X, Y - 4);
            Pen->SetColor(clGray);
            ACanvas->LineTo(X - 4, Y + 4);
        } else {
            DrawTransparent(ACanvas, X - 4, Y - 4, SS->UpGlyph());
        }
    }
    Pen->SetColor(clBlack);
}

void TExtStringGrid::DrawRTFCell(int32_t ACol, int32_t ARow, const TRect& R, TCanvas* ACanvas)
{
    if (Designing()) return;
    TExtRichEdit* Edit = RichEdit();
    CellToRich(ACol, ARow, Edit);

    const TGridRect S = Selection();
    const bool Current = ACol == RealCol() && ARow == Row() && Focused() && !Options().Contains(goDrawFocusSelected);
    bool Selected = false;
    if (FMouseActions->DisjunctRowSelect()) Selected = RowSelectedSafe(ARow);
    else if (FMouseActions->DisjunctColSelect()) Selected = ColSelect(ACol);
    else {
        const int32_t DCol = DisplColIndex(ACol);
        Selected = DCol >= S.Left && DCol <= S.Right && ARow >= S.Top && ARow <= S.Bottom && !Current;
    }
    // Every canvas of this layer maps in pixels (MM_TEXT), the screen's mode.
    if (Selected && !FSelectionRTFKeep && FSelectionTextColor != clNone) {
        Edit->SelectAll();
        Edit->SelAttributes()->SetColor(FSelectionTextColor);
    }

    HDC DC = ACanvas->Handle();
    const int32_t DpiX = GetDeviceCaps(DC, LOGPIXELSX);
    const int32_t DpiY = GetDeviceCaps(DC, LOGPIXELSY);
    const int32_t O = FXYOffset.X * DpiX / 96;
    const auto Twips = [](double Pixels, int32_t Dpi) {
        return static_cast<int32_t>(RoundHalfEven(Pixels / Dpi * 1440.0));
    };
    FORMATRANGE Range;
    Range.hdc = DC;
    Range.hdcTarget = DC;
    Range.rc.Left = Twips(R.Left + O, DpiX);
    Range.rc.Top = Twips(R.Top + O, DpiY);
    Range.rc.Right = Range.rc.Left + Twips(R.Right - R.Left - 2 * O, DpiX);
    Range.rc.Bottom = Range.rc.Top + Twips(R.Bottom - R.Top - 2 * O, DpiY);
    Range.rcPage = Range.rc;
    Range.chrg.cpMin = 0;
    Range.chrg.cpMax = -1;
    Edit->Perform(EM_FORMATRANGE, 1, reinterpret_cast<LPARAM>(&Range));
    Edit->Perform(EM_FORMATRANGE, 0, 0);
}
