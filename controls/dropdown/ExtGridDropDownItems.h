// The columns and items of the grid drop-down: the multi-column drop-down's, under the grid
// drop-down's own names.
#pragma once

#include "dropdown/MultiColumnItems.h"

namespace GridDropDown {

using MultiColumn::ctImage;
using MultiColumn::ctText;
using MultiColumn::TColumnType;
using MultiColumn::TDrawCellEvent;
using MultiColumn::TDropDownColumn;
using MultiColumn::TDropDownColumns;
using MultiColumn::TDropDownItem;
using MultiColumn::TDropDownItems;
using MultiColumn::TGetCellPropEvent;
using MultiColumn::TGetCellTextEvent;

}  // namespace GridDropDown
