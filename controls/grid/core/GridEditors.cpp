// The grid's combo and spin editors: construction bound to their grid.
#include "grid/core/GridEditors.h"

#include "grid/core/ExtGrid.h"

namespace {

TExtStringGrid* OwnerGrid(TComponent* AOwner)
{
    auto* Grid = dynamic_cast<TExtStringGrid*>(AOwner);
    if (!Grid) throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    return Grid;
}

}  // namespace

TGridCombo::TGridCombo(TComponent* AOwner) : TEsgComboBox(AOwner), FGrid(OwnerGrid(AOwner))
{
    WorkMode = true;
    SetButtonWidth(16);
}

TGridSpin::TGridSpin(TComponent* AOwner) : TEsgSpinEdit(AOwner), FGrid(OwnerGrid(AOwner))
{
    SetMaxValue(100);
    SetMinValue(0);
    SetIncrement(1);
}

TGridSpin* TExtStringGrid::SpinEdit()
{
    if (!FEditSpin) {
        FEditSpin = new TGridSpin(this);
        FEditSpin->SetParent(this);
        FEditSpin->SetEnabled(false);
        FEditSpin->SetVisible(false);
        FEditSpin->SetBorderStyle(bsNone);
        FEditSpin->SetIsWinXP(FIsWinXP);
    }
    return FEditSpin;
}
