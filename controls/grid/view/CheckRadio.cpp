// The grid's check-box and radio-button drawers.
#include "grid/core/ExtGrid.h"

void TExtStringGrid::DrawCheckBox(const TRect&, bool, TCheckBoxState, bool, TControlStyle, bool, bool) {}

void TExtStringGrid::DrawRadioButton(TCanvas*, const TRect&, bool, double, TControlStyle, int32_t, int32_t, bool,
                                     TStrings*, bool, bool, int32_t, int32_t)
{
}
