// Cell graphics: layout, placement and drawing by cell type.
#include "grid/core/ExtGrid.h"
#include "grid/view/CellPaint.h"

void TExtStringGrid::GetCellGraphicLayout(int32_t, int32_t, TCellGraphicLayout& Layout)
{
    Layout = TCellGraphicLayout{};
}

void TExtStringGrid::DrawCellGraphics(TCellPaint&, TRect&, TVAlignment) {}
