// A cell's own borders, the tree lines of node columns and the focus rectangle.
#include "grid/core/ExtGrid.h"
#include "grid/view/CellPaint.h"

#include "grid/core/CellNode.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"

#include <algorithm>

namespace {

void Line(TCanvas* C, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2)
{
    C->MoveTo(X1, Y1);
    C->LineTo(X2, Y2);
}

}  // namespace

void TExtStringGrid::DrawCellBorders(TCanvas* ACanvas, int32_t RCol, int32_t ARow, TRect B)
{
    TPen* Pen = ACanvas->Pen();
    TPen Saved;
    Saved.Assign(Pen);
    TCellBorders Borders;
    GetCellBorder(RCol, ARow, Pen, Borders);
    if (Borders.Empty()) {
        Pen->Assign(&Saved);
        return;
    }
    TPen LeftPen, TopPen, RightPen, BottomPen;
    for (TPen* Copy : {&LeftPen, &TopPen, &RightPen, &BottomPen}) Copy->Assign(Pen);
    if (OnGetCellBorderProp) OnGetCellBorderProp(this, ARow, RCol, &LeftPen, &TopPen, &RightPen, &BottomPen);

    const TGridOptions Opts = Options();
    const int32_t h = (Pen->Width() + 1) / 2;
    const int32_t dx = Opts.Contains(goVertLine) ? h : 0;
    const int32_t dy = Opts.Contains(goHorzLine) ? h : 0;
    B.Left += dx;
    B.Bottom -= dy;
    if (Borders.Contains(cbLeft)) {
        Pen->Assign(&LeftPen);
        Line(ACanvas, std::max(0, B.Left), B.Top, std::max(0, B.Left), B.Bottom);
    }
    B.Right -= dx;
    if (Borders.Contains(cbRight)) {
        Pen->Assign(&RightPen);
        Line(ACanvas, B.Right - 1, B.Top, B.Right - 1, B.Bottom);
    }
    if (Borders.Contains(cbTop)) {
        Pen->Assign(&TopPen);
        B.Top += dy;
        const int32_t Y = FGridLineWidth > 0 ? std::max(0, B.Top - FGridLineWidth) : B.Top + 1;
        Line(ACanvas, B.Left, Y, B.Right, Y);
    }
    if (Borders.Contains(cbBottom)) {
        Pen->Assign(&BottomPen);
        Line(ACanvas, B.Left - FGridLineWidth - 1, B.Bottom - 1, B.Right, B.Bottom - 1);
    }
    Pen->Assign(&Saved);
}

void TExtStringGrid::DrawTreeLines(TCellPaint& P)
{
    TCanvas* C = P.Canvas;
    const TRect& R = P.R;
    const auto LevelOf = [this](int32_t ARow) {
        return ARow >= 0 && ARow < RowCount() && HasCellProperties(0, ARow) ? GetCellProperties(0, ARow)->NodeLevel()
                                                                            : 0;
    };
    const TColor PenColor = C->Pen()->Color();
    const int32_t PenWidth = C->Pen()->Width();
    C->Pen()->SetColor(FCellNode->TreeColor());
    C->Pen()->SetWidth(1);
    const int32_t Indent = FCellNode->NodeIndent();
    const int32_t L = GetNodeIndent(P.ARow);
    const int32_t X = L + Indent / 2 - Indent + 2;
    const int32_t M = (R.Top + R.Bottom) / 2;
    const int32_t Level = LevelOf(P.ARow);
    if (Level > 0) Line(C, X, M, FCellNode->ShowTreeFull() ? R.Right : L + 4, M);
    const int32_t Span = GetNodeSpanType(P.ARow);
    if (Span == 1) Line(C, X, R.Top, X, M);
    else if (Span == 2) Line(C, X, R.Top, X, R.Bottom + 4);
    const bool LastRow = P.ARow == RowCount() - 1;
    const bool NextIsChild = !LastRow && LevelOf(P.ARow + 1) > 0;
    for (int32_t i = 1; i <= Level; ++i) {
        const int32_t Xi = X - Indent * i;
        Line(C, Xi, R.Top, Xi, M);
        if (!LastRow && NextIsChild) C->LineTo(Xi, R.Bottom + 4);
        else if (i < Level) C->LineTo(X + Indent - Indent * i, M);
    }
    C->Pen()->SetColor(PenColor);
    C->Pen()->SetWidth(PenWidth);
}

void TExtStringGrid::DrawCellFocusRect(TCellPaint& P)
{
    if (FHideFocusRect || Options().Contains(goRowSelect) || !Focused()) return;
    const TPoint Base = BaseCell(P.ACol, P.ARow);
    if (Base.X != Col() || Base.Y != Row() || IsFixedLookCell(Col(), Row())) return;
    TRect F = P.R;
    InflateRect(F, FGridLineWidth - 1, FGridLineWidth - 1);
    --F.Right;
    --F.Bottom;
    P.Canvas->DrawFocusRect(F);
}
