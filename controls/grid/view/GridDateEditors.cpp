// The grid's date picker and date-time picker editor wrappers.
#include "grid/view/GridDateEditors.h"

#include "grid/core/ExtGrid.h"

// ---- TGridDatePicker ----

TGridDatePicker::TGridDatePicker(TComponent* AOwner) : TEsgDateTimePicker(AOwner), FGrid(EditorOwnerGrid(AOwner)) {}

void TGridDatePicker::ReCreate()
{
    RecreateWnd();
}

void TGridDatePicker::DoShiftFocus() {}

void TGridDatePicker::HideBorder() {}

void TGridDatePicker::WndProc(TMessage& Message)
{
    TEsgDateTimePicker::WndProc(Message);
}

void TGridDatePicker::Dispatch(TMessage& Message)
{
    TEsgDateTimePicker::Dispatch(Message);
}

void TGridDatePicker::DoExit()
{
    TEsgDateTimePicker::DoExit();
}

void TGridDatePicker::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TEsgDateTimePicker::KeyDown(Key, Shift);
}

void TGridDatePicker::KeyPress(QChar& Key)
{
    TEsgDateTimePicker::KeyPress(Key);
}

// ---- TGridDateTimePicker ----

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner)
    : TExtDateTimePicker(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner))
{
}

void TGridDateTimePicker::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TExtDateTimePicker::KeyDown(Key, Shift);
}
