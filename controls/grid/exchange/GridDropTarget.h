// The string grid's drop target, bound to its grid.
#pragma once

#include "grid/exchange/OleDragDrop.h"

class TExtStringGrid;

class TGridDropTarget : public TESGDropTarget {
public:
    // AGrid is not owned.
    explicit TGridDropTarget(TExtStringGrid* AGrid) : FGrid(AGrid) {}

    TExtStringGrid* Grid() const { return FGrid; }

private:
    TExtStringGrid* FGrid;
};
