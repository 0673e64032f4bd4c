// Cell text, sort indicator and rich-text cells.
#include "grid/core/ExtGrid.h"
#include "grid/view/CellPaint.h"

void TExtStringGrid::DrawCellText(TCellPaint&) {}

void TExtStringGrid::DrawSortIndicator(TCanvas*, int32_t, int32_t, int32_t) {}

void TExtStringGrid::DrawRTFCell(int32_t, int32_t, const TRect&, TCanvas*) {}
