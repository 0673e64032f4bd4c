// Cell painting: the layers of one cell.
#include "grid/core/ExtGrid.h"
#include "grid/view/CellPaint.h"

void TExtStringGrid::DrawCellContent(TCanvas* ACanvas, int32_t ACol, int32_t ARow, const TRect& ARect,
                                     TGridDrawState AState)
{
    TBaseGrid::DrawCellContent(ACanvas, ACol, ARow, ARect, AState);
}
