// TExtStringGrid: the text a cell shows, its alignment and the room its plain, markup or rich text needs.
#include "grid/core/ExtGrid.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/ExtUtil.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/Format.h"
#include "rtl/NumConv.h"

#include <cmath>
#include <numbers>

QString TExtStringGrid::GetFormattedCell(int32_t ACol, int32_t ARow)
{
    QString Text = GetCellEx(ACol, ARow);
    const int32_t Kind = OnGetFloatFormat ? GetNumberTextKind(Text) : ntkNotANumber;
    if (OnGetFloatFormat && (Kind == ntkInteger || Kind == ntkDecimal || Kind == ntkScientific)) {
        bool IsFloat = true;
        QString Fmt = FFloatFormat;
        OnGetFloatFormat(this, ACol, ARow, IsFloat, Fmt);
        if (IsFloat && !Fmt.isEmpty()) {
            try {
                Text = Fmt.contains(QLatin1Char('d')) ? Format(Fmt, {Ints(ACol, ARow)}) : Format(Fmt, {Floats(ACol, ARow)});
            } catch (const Exception&) {
                // An unfit format leaves the cell text.
            }
        }
    }
    bool Password = false;
    IsPasswordCell(ACol, ARow, Password);
    if (Password) Text = QString(Text.size(), FPasswordChar);
    return Text;
}

std::pair<TAlignment, TVAlignment> TExtStringGrid::GetCellAlignments(int32_t ACol, int32_t ARow)
{
    TAlignment HA = FDefaultAlignment;
    TVAlignment VA = FVAlignment;
    const QString Raw = GetCellEx(ACol, ARow);
    const bool Formula = Raw.startsWith(QLatin1Char('='));
    if (FAutoNumAlign) {
        QString Text = Raw;
        const bool WideFormula = Text.startsWith(QStringLiteral("|\\")) && Text.size() > 3 && Text[3] == QLatin1Char('=');
        if (Formula || WideFormula) GetCellText(ACol, ARow, Text);
        const int32_t Kind = GetNumberTextKind(Text.trimmed());
        if (Kind == ntkInteger || Kind == ntkDecimal || Kind == ntkScientific) HA = taRightJustify;
    }
    if (HasCellProperties(ACol, ARow) && !Formula) HA = GetCellProperties(ACol, ARow)->Alignment();
    GetAlignment(ACol, ARow, HA, VA);
    return {HA, VA};
}

void TExtStringGrid::GetCellTextSize(int32_t ACol, int32_t ARow, TPoint& Size, bool HasButton, bool WrapToCell)
{
    CalcCellTextExtent(ACol, DisplColIndex(ACol), Size, HasButton, WrapToCell, ARow);
}

void TExtStringGrid::CalcCellTextExtent(int32_t ACol, int32_t DisplCol, TPoint& Size, bool HasButton,
                                        bool WrapToCell, int32_t ARow)
{
    QString Text = GetFormattedCell(ACol, ARow);
    const int32_t Kind = GetCellTextKind(Text, FEnableHTML);
    TCanvas* C = Canvas();

    // The cell's font as painting gives it: fixed look by the display column, own settings by the real one.
    TFont* CanvasFont = C->Font();
    TGridDrawState State;
    TBrush Brush;
    GetFontProperties(DisplCol, ACol, ARow, State, CanvasFont, &Brush, false);
    if ((ARow < FixedRows() || DisplCol < FixedCols()) && FActiveCellShow &&
        FActiveCellFont->Style().Contains(fsBold)) {
        TFontStyles Style = CanvasFont->Style();
        Style.Include(fsBold);
        CanvasFont->SetStyle(Style);
    }
    CanvasFont->SetSize(CanvasFont->Size() + FZoomFactor);
    if (Kind == ctkFormula) GetCellText(ACol, ARow, Text);

    TRect T = TBaseGrid::CellRect(DisplCol, ARow);
    if (FXYOffsetTopLeftOnly) {
        T.Left += FXYOffset.X;
        T.Top += FXYOffset.Y;
    } else {
        T = {T.Left + FXYOffset.X, T.Top + FXYOffset.Y, T.Right - FXYOffset.X, T.Bottom - FXYOffset.Y};
    }
    if (HasButton) T.Right -= 17;

    if (Kind == ctkMarkup) {
        if (!WrapToCell) T.Right = 65535;
        T.Bottom = 65535;
        QString Link, Plain, FocusRef, Title, CtrlID, CtrlValue, CtrlType;
        int32_t Width = 0, Height = 0, Links = 0, Hovered = -1;
        TRect LinkRect, CtrlRect;
        DrawMarkup(C, Text, T, GetGridImages(), 0, 0, -1, -1, 1, false, true, false, false, true, false,
                   !FEnhTextSize, false, 1.0, FURLColor, clGray, clNone, clGray, Link, Plain, FocusRef, Title, Width,
                   Height, Links, Hovered, LinkRect, CtrlRect, CtrlID, CtrlValue, CtrlType, FImageCache.get(),
                   FContainer, Handle(), 0);
        Size = {Width + 2, Height + 2};
        return;
    }

    // Rich text is measured by the hidden rich edit; its plain text in its font stands in without a window.
    const bool Rich = Kind == ctkRichText && !Designing();
    if (Rich) Text = RichCellText(ACol, ARow);

    int32_t Angle = 0;
    const bool Rotated = IsRotated(ACol, ARow, Angle);
    int32_t W = 0;
    int32_t H = 0;
    if (WrapToCell) {
        T = {T.Left + 2, T.Top + 2, T.Right - 2, T.Bottom - 2};
        if (EditorMode() && ACol == RealCol() && ARow == Row() && Text.endsWith(QLatin1Char('\n')))
            Text += QLatin1Char('w');
        TRect R = T;
        const uint32_t Flags = DT_EDITCONTROL | DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS |
                               (Rotated ? DT_SINGLELINE : DT_WORDBREAK);
        DrawText(C, Text, -1, R, Flags);
        W = R.Right - T.Left;
        H = R.Bottom - R.Top;
    } else {
        int32_t Lines = 0;
        do {
            QString Line = FMultilineCells ? TakeFirstLine(Text, true) : Text;
            if (!FMultilineCells) Text.clear();
            if (FURLShow && !FURLFull && Kind == ctkPlain) StripURLProtocol(Line);
            W = std::max(W, C->TextWidth(Line));
            ++Lines;
        } while (!Text.isEmpty());
        H = C->TextHeight(QStringLiteral("gh")) * Lines;
    }
    Size = {W, H};
    if (Rotated) {
        const double A = Angle * std::numbers::pi / 180.0;
        const auto Round = [](double V) { return static_cast<int32_t>(std::abs(RoundHalfEven(V))); };
        Size.X = std::abs(Round(H * std::sin(A)) - Round(W * std::cos(A))) + 12;
        Size.Y = std::abs(Round(H * std::cos(A)) - Round(W * std::sin(A))) + 12;
    }
    if (Rich && HandleAllocated()) Size = RichCellSize(T);
}
