// TBaseGrid: painting a cell - hidden last row, merged areas once per pass, hover and active rows,
// styled selections, gradients, the grid's own lines and the content rectangle.
#include "grid/base/BaseGrid.h"

#include "grid/base/ExtUtil.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Region.h"

#include <optional>

namespace {

// The colours of a rounded selection.
struct TSelectionColors {
    TColor From, To, Outer, UpperInner, LowerInner, Corner, LowerFrom, LowerTo;
};

constexpr TColor Rgb(uint32_t Hex)
{
    return static_cast<TColor>(((Hex & 0xFF) << 16) | (Hex & 0xFF00) | ((Hex >> 16) & 0xFF));
}

const TSelectionColors VistaColors{Rgb(0xF1F8FD), Rgb(0xD5EFFC), Rgb(0x99DEFD), Rgb(0xF6FBFD),
                                   Rgb(0xE7F5FD), Rgb(0xCBEDFC), clNone,        clNone};
const TSelectionColors Win7Colors{Rgb(0xDCEBFC), Rgb(0xC1DBFC), Rgb(0x7DA2CE), Rgb(0xEBF4FD),
                                  Rgb(0xDBEAFD), Rgb(0xAEC5E0), clNone,        clNone};
const TSelectionColors Office2007Colors{Rgb(0xFDFFD7), Rgb(0xFCD458), Rgb(0xD3D78D), Rgb(0xFFFEF4),
                                        Rgb(0xFFF8CA), Rgb(0xDFD9C3), Rgb(0xFCD458), Rgb(0xFCF1B3)};
const TSelectionColors UnfocusedColors{Rgb(0xF8F8F8), Rgb(0xE5E5E5), Rgb(0xD9D9D9), Rgb(0xFAFAFB),
                                       Rgb(0xF0F0F0), Rgb(0xEFEFEF), clNone,        clNone};

const TSelectionColors& FocusedColors(TGridSelectionStyle Style)
{
    switch (Style) {
    case ssWin7: return Win7Colors;
    case ssOffice2007: return Office2007Colors;
    default: return VistaColors;
    }
}

// 0 a single cell, 1 the left end, 2 the right end, 3 inside.
int32_t SelectionEndKind(const TGridRect& Selection, int32_t ACol)
{
    const int32_t Left = std::min(Selection.Left, Selection.Right);
    const int32_t Right = std::max(Selection.Left, Selection.Right);
    if (Left == Right) return 0;
    if (ACol <= Left) return 1;
    if (ACol >= Right) return 2;
    return 3;
}

// Whether the canvas font already draws as Font does (assigning it again would rebuild it).
bool SameFont(const TFont* A, const TFont* B)
{
    return A->Name() == B->Name() && A->Height() == B->Height() && A->Style() == B->Style() &&
           A->Color() == B->Color() && A->Charset() == B->Charset() && A->Pitch() == B->Pitch() &&
           A->Orientation() == B->Orientation();
}

}  // namespace

void TBaseGrid::Paint()
{
    TObjStringGrid::Paint();
    ++FPaintID;
}

void TBaseGrid::DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState)
{
    DoPaintCell(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas* ACanvas, int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState)
{
    DoPaintCell(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas* ACanvas, int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState)
{
    DoPaintCell(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::DrawCellContent(TCanvas* ACanvas, int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState)
{
    TRect R = ARect;
    ACanvas->Brush()->SetStyle(bsClear);
    DrawText(ACanvas->Handle(), GetCellEx(ACol, ARow), -1, R, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ACanvas->Brush()->SetStyle(bsSolid);
}

void TBaseGrid::DoPaintCell(TCanvas* ACanvas, int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState,
                            bool WithContent)
{
    TRect R = ARect;
    TBrush* Brush = ACanvas->Brush();
    TPen* Pen = ACanvas->Pen();

    // 1. The hidden last row shows only the grid's colour.
    if (ARow == RowCount() - 1 && FHideLastRow) {
        Brush->SetColor(Color());
        Pen->SetColor(Color());
        ACanvas->Rectangle(R);
        return;
    }

    // 2. A covered cell paints its area once per pass, through the base cell.
    int32_t bc = 0, br = 0;
    if (!IsBaseCellEx(ACol, ARow, bc, br)) {
        TCellProperties* BaseProps = PropsIn(bc, br);
        if (BaseProps && BaseProps->PaintID() != FPaintID) {
            BaseProps->SetPaintID(FPaintID);
            PaintCell(ACanvas, bc, br, R, AState);
        }
        return;
    }

    // 3., 4. Extra fixed cells; the whole area of a base cell.
    if (IsFixed(ACol, ARow) && WithContent) {
        AState.Include(gdFixed);
        AState.Exclude(gdSelected);
    }
    if (WithContent) R = CellRect(ACol, ARow);

    // 5. An area scrolled partly under the fixed cells must not paint over them.
    const int32_t X0 = ACol >= FixedCols() ? FixedColsWidth() : 0;
    const int32_t Y0 = ARow >= FixedRows() ? FixedRowsHeight() : 0;
    std::optional<TRegion> SavedClip;
    bool Clipped = false;
    if ((ACol >= FixedCols() && FixedCols() > 0 && R.Left < X0) ||
        (ARow >= FixedRows() && FixedRows() > 0 && R.Top < Y0)) {
        TRegion Previous;
        if (GetClipRgn(ACanvas->Handle(), Previous) == 1) SavedClip = Previous;
        TRegion Clip = CreateRectRgn(X0, Y0, ClientWidth(), ClientHeight());
        if (SavedClip) CombineRgn(Clip, Clip, *SavedClip, RGN_AND);
        SelectClipRgn(ACanvas->Handle(), &Clip);
        Clipped = true;
    }

    // 6. The descendant's look of the cell.
    Pen->SetWidth(1);
    if (!SameFont(ACanvas->Font(), Font())) ACanvas->SetFont(Font());
    TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
    TCellGradientDirection GD = GradientVertical;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = FWordWrap;
    GetVisualProperties(ACol, ARow, AState, false, true, true, Brush, ColorTo, MirrorColor, MirrorColorTo,
                        ACanvas->Font(), HA, VA, WW, GD);
    Pen->SetColor(Brush->Color());

    const bool Fixed = AState.Contains(gdFixed);
    const bool Selected = AState.Contains(gdSelected);

    // 7. Hover row.
    if (ARow == FHoverRowIdx && FHoverRow && !(Selected && !FHoverRowCells.Contains(hcSelected)) &&
        !(Fixed && !FHoverRowCells.Contains(hcFixed))) {
        Brush->SetColor(FHoverRowColor);
        ColorTo = FHoverRowColorTo;
        MirrorColor = clNone;
        MirrorColorTo = clNone;
        GD = GradientVertical;
    }

    // 8. Active row (and a selected cell painted without content).
    if ((FActiveRowShow && ARow == Row() && ACol >= FixedCols() && (ACol != Col() || !FShowSel)) ||
        (!WithContent && Selected)) {
        Brush->SetColor(FActiveRowColor);
        ColorTo = FActiveRowColorTo;
        MirrorColor = FActiveRowMirrorColor;
        MirrorColorTo = FActiveRowMirrorColorTo;
        Pen->SetColor(Brush->Color());
    }

    // 9. Background.
    const TGridOptions Opts = Options();
    if (Selected && FSelectionStyle != ssDefault && FShowSel) {
        TRect SelRect = R;
        if (!Opts.Contains(goHorzLine)) ++SelRect.Bottom;
        if (!Opts.Contains(goVertLine)) ++SelRect.Right;
        if (UseRightToLeftReading()) {
            ++SelRect.Right;
            ++SelRect.Bottom;
        }
        const bool ShowFocused = Focused() || Opts.Contains(goDrawFocusSelected);
        const TSelectionColors& Set = ShowFocused ? FocusedColors(FSelectionStyle) : UnfocusedColors;
        DrawRoundedSelection(ACanvas, Set.From, Set.To, Set.LowerFrom, Set.LowerTo, Set.UpperInner, Set.LowerInner,
                             Set.Outer, Set.Corner, Color(), SelRect, SelectionEndKind(Selection(), ACol));
    } else if (!(IsStyledByPlatform() && (Fixed || Selected))) {
        if (MirrorColorTo == clNone)
            DrawGradient(ACanvas, Brush->Color(), ColorTo, 64, R, GD == GradientHorizontal);
        else
            DrawMirrorGradient(ACanvas, R, Brush->Color(), ColorTo, MirrorColor, MirrorColorTo, true, clNone, false,
                               true);
    }

    // 10. - 12. The grid's own lines.
    int32_t H = 1;
    if (Fixed) {
        Pen->SetColor(FGridFixedLineColor);
        Pen->SetWidth(1);
    } else {
        if (FGridLineWidth > 0) Pen->SetColor(FGridLineColor);
        Pen->SetWidth(FGridLineWidth);
        H = (FGridLineWidth + 1) / 2;
    }
    if (!(bc == 0 && HasNodes()) && (Fixed ? Opts.Contains(goFixedHorzLine) : Opts.Contains(goHorzLine))) {
        ACanvas->MoveTo(R.Left - H + 1, R.Bottom - H);
        ACanvas->LineTo(R.Right - H + 1, R.Bottom - H);
    }
    if (Fixed ? Opts.Contains(goFixedVertLine) : Opts.Contains(goVertLine)) {
        const int32_t X = UseRightToLeftAlignment() ? R.Right - H + 1 : R.Right - H;
        ACanvas->MoveTo(X, R.Bottom - H);
        ACanvas->LineTo(X, R.Top - H);
    }

    // 13. Content.
    TRect Content = R;
    if (Fixed) {
        Content.Right -= 1;
        Content.Bottom -= 2;
    } else {
        InflateRect(Content, -FGridLineWidth, -FGridLineWidth);
    }
    if (WithContent) DrawCellContent(ACanvas, ACol, ARow, Content, AState);

    // 14.
    if (Clipped) SelectClipRgn(ACanvas->Handle(), SavedClip ? &*SavedClip : nullptr);
    Brush->SetStyle(bsSolid);
    Pen->SetStyle(psSolid);
}
