// TExtStringGrid: cell colours and stripped texts.
#include "grid/core/ExtGrid.h"

#include "grid/base/ExtUtil.h"
#include "grid/base/GridSettings.h"

#include "rtl/List.h"

#include <algorithm>

TColor TExtStringGrid::Colors(int32_t ACol, int32_t ARow) const
{
    const auto* Props = dynamic_cast<const TCellProperties*>(Objects(ACol, ARow));
    return Props ? Props->BrushColor() : clNone;
}

void TExtStringGrid::SetColors(int32_t ACol, int32_t ARow, TColor Value)
{
    GetCellProperties(ACol, ARow)->SetBrushColor(Value);
}

QString TExtStringGrid::GetStrippedCell(int32_t i, int32_t j)
{
    return StrippedCells(i, j);
}
