// The string grid's transparent in-cell edit and combo: Enter swallowed, validation when left.
#include "grid/core/TransEditors.h"

#include "grid/core/ExtGrid.h"

namespace {

// The shared end of an edit. Stopping guards against the exit that hiding the control causes.
bool StopTransEdit(TWinControl* Control, TExtStringGrid* Grid, int32_t ACol, int32_t ARow, bool& Stopping)
{
    if (!Grid) {
        Control->Hide();
        return true;
    }
    if (Stopping) return true;
    Stopping = true;
    QString Text = Control->Text();
    bool Valid = true;
    if (Grid->OnCellValidate) Grid->OnCellValidate(Grid, ACol, ARow, Text, Valid);
    if (!Valid) {
        Grid->FocusCell(ACol, ARow);
        if (Control->CanFocus()) Control->SetFocus();
        Stopping = false;
        return false;
    }
    if (Grid->OnEditingDone) Grid->OnEditingDone(Grid);
    Grid->SetCellEx(ACol, ARow, Text);
    Control->Hide();
    Stopping = false;
    return true;
}

// Leaving the control while the grid goes away validates nothing.
bool GridAlive(const TExtStringGrid* Grid)
{
    return !Grid || !Grid->ComponentState().Contains(csDestroying);
}

}  // namespace

TGridTransEdit::TGridTransEdit(TComponent* AOwner) : TEdit(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner))
{
    SetVisible(false);
}

bool TGridTransEdit::StopEdit()
{
    return StopTransEdit(this, FGrid, FCol, FRow, FStopping);
}

void TGridTransEdit::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (Key == VK_RETURN) Key = 0;
    TEdit::KeyDown(Key, Shift);
}

void TGridTransEdit::DoExit()
{
    TEdit::DoExit();
    if (GridAlive(FGrid)) StopEdit();
}

TGridTransCombo::TGridTransCombo(TComponent* AOwner) : TComboBox(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner))
{
    SetVisible(false);
}

bool TGridTransCombo::StopEdit()
{
    return StopTransEdit(this, FGrid, FCol, FRow, FStopping);
}

void TGridTransCombo::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (Key == VK_RETURN) Key = 0;
    TComboBox::KeyDown(Key, Shift);
}

void TGridTransCombo::DoExit()
{
    TComboBox::DoExit();
    if (GridAlive(FGrid)) StopEdit();
}
