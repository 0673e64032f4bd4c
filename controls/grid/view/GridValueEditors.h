// The grid's spin, edit-with-button and value-and-unit editor wrappers.
#pragma once

#include "grid/base/SpinEdit.h"
#include "grid/view/GridEditors.h"

// The editor of the spin cells: 0 to 100 by 1 until the grid sets its range.
class TGridSpin : public TEsgSpinEdit {
public:
    // AOwner is the grid; any other owner raises EInvalidCast.
    explicit TGridSpin(TComponent* AOwner);

    TExtStringGrid* Grid() const { return FGrid; }

private:
    TExtStringGrid* FGrid;
};
