// The grid's editor wrappers: each knows its grid, ends the edit when it loses the focus and turns
// the keys that leave a cell into the grid's operations. This file holds the shared part, the combo,
// the check box and the button; GridDropDownEditors.h, GridValueEditors.h and GridDateEditors.h
// hold the rest.
#pragma once

#include "grid/base/ExtCombo.h"

class TExtStringGrid;

// The grid that owns an editor wrapper; any other owner raises EInvalidCast ("Invalid class typecast").
TExtStringGrid* EditorOwnerGrid(TComponent* AOwner);

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
