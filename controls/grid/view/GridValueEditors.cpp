// The grid's spin, edit-with-button and value-and-unit editor wrappers.
#include "grid/view/GridValueEditors.h"

#include "grid/core/ExtGrid.h"

TGridSpin::TGridSpin(TComponent* AOwner) : TEsgSpinEdit(AOwner), FGrid(EditorOwnerGrid(AOwner))
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
