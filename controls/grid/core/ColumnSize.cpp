// TColumnSize: copying and the stretch switch.
#include "grid/core/ColumnSize.h"

#include "grid/core/ExtGrid.h"

void TColumnSize::Assign(TPersistent* Source)
{
    const auto* Src = dynamic_cast<const TColumnSize*>(Source);
    if (!Src) return;
    FRows = Src->FRows;
    FSave = Src->FSave;
    FKey = Src->FKey;
    FSection = Src->FSection;
    FStretch = Src->FStretch;
    FStretchColumn = Src->FStretchColumn;
    FSynchWithGrid = Src->FSynchWithGrid;
    FSynchNormalCellsOnly = Src->FSynchNormalCellsOnly;
    FLocation = Src->FLocation;
}

void TColumnSize::SetStretch(bool Value)
{
    FStretch = Value;
    auto* Grid = dynamic_cast<TExtStringGrid*>(FOwner);
    if (Grid && Grid->Parent()) Grid->StretchColumn(FStretchColumn);
}
