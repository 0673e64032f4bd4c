// The grid's combo and spin editors: made by the grid they edit for and bound to it.
#pragma once

#include "grid/base/ExtCombo.h"
#include "grid/base/SpinEdit.h"

class TExtStringGrid;

// The editor of edComboEdit and edComboList cells. The grid fills its items before an edit.
class TGridCombo : public TEsgComboBox {
public:
    // AOwner is the grid; any other owner raises EInvalidCast.
    explicit TGridCombo(TComponent* AOwner);

    TExtStringGrid* Grid() const { return FGrid; }
    // Completion while typing is allowed.
    bool WorkMode = true;

private:
    TExtStringGrid* FGrid;
};

// The editor of the spin cells: 0 to 100 by 1 until the grid sets its range.
class TGridSpin : public TEsgSpinEdit {
public:
    // AOwner is the grid; any other owner raises EInvalidCast.
    explicit TGridSpin(TComponent* AOwner);

    TExtStringGrid* Grid() const { return FGrid; }

private:
    TExtStringGrid* FGrid;
};
