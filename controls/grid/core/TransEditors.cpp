// The string grid's transparent in-cell edit and combo: Enter swallowed, validation when left.
#include "grid/core/TransEditors.h"

#include "grid/core/ExtGrid.h"

template <class TControlBase>
TGridTransControl<TControlBase>::TGridTransControl(TComponent* AOwner)
    : TControlBase(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner))
{
    this->SetVisible(false);
}

template <class TControlBase>
bool TGridTransControl<TControlBase>::StopEdit()
{
    if (!FGrid) {
        this->Hide();
        return true;
    }
    if (FStopping) return true;
    FStopping = true;
    QString Text = this->Text();
    bool Valid = true;
    if (FGrid->OnCellValidate) FGrid->OnCellValidate(FGrid, FCol, FRow, Text, Valid);
    if (!Valid) {
        FGrid->FocusCell(FCol, FRow);
        if (this->CanFocus()) this->SetFocus();
        FStopping = false;
        return false;
    }
    if (FGrid->OnEditingDone) FGrid->OnEditingDone(FGrid);
    FGrid->SetCellEx(FCol, FRow, Text);
    this->Hide();
    FStopping = false;
    return true;
}

template <class TControlBase>
void TGridTransControl<TControlBase>::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (Key == VK_RETURN) Key = 0;
    TControlBase::KeyDown(Key, Shift);
}

template <class TControlBase>
void TGridTransControl<TControlBase>::DoExit()
{
    TControlBase::DoExit();
    // Leaving the control while the grid goes away validates nothing.
    if (!FGrid || !FGrid->ComponentState().Contains(csDestroying)) StopEdit();
}

template class TGridTransControl<TEdit>;
template class TGridTransControl<TComboBox>;
