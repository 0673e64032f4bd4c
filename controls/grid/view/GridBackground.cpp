// The grid's background picture or gradient.
#include "grid/core/ExtGrid.h"

void TExtStringGrid::PaintCellBackground(TCanvas*, const TRect&, int32_t, int32_t) {}
