// The grid's editor wrappers: the shared part, the combo, the check box and the button.
#include "grid/view/GridEditors.h"

#include "grid/core/ExtGrid.h"

TExtStringGrid* EditorOwnerGrid(TComponent* AOwner)
{
    auto* Grid = dynamic_cast<TExtStringGrid*>(AOwner);
    if (!Grid) throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    return Grid;
}

TGridCombo::TGridCombo(TComponent* AOwner) : TEsgComboBox(AOwner), FGrid(EditorOwnerGrid(AOwner))
{
    WorkMode = true;
    SetButtonWidth(16);
}
