// The grid's date picker and date-time picker editor wrappers.
#pragma once

#include "dropdown/ExtDateTimePicker.h"
#include "grid/base/EsgDateTimePicker.h"
#include "grid/view/GridEditors.h"

#include <cstdint>

// The editor of edDateEdit, edDateEditUpDown and edTimeEdit cells. A typed digit that changes a
// field moves the caret on to the next one; Up and Down stay with the picker. Its own border does
// not show inside the cell.
class TGridDatePicker : public TEsgDateTimePicker {
public:
    // AOwner is the grid; any other owner raises EInvalidCast.
    explicit TGridDatePicker(TComponent* AOwner);

    TExtStringGrid* Grid() const { return FGrid; }
    // Makes the window again before an edit.
    void ReCreate();

protected:
    // After a typed digit: moves to the next field when the digit changed the current one.
    virtual void DoShiftFocus();

    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void DoExit() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;

private:
    // Frames the window twice in clWindow.
    void HideBorder();

    // The value before the last digit was typed.
    uint16_t Fy = 0;
    uint16_t Fm = 0;
    uint16_t Fd = 0;
    uint16_t Fth = 0;
    uint16_t Ftm = 0;
    uint16_t Fts = 0;
    TExtStringGrid* FGrid;
};

// The editor of edDateTimeEdit cells. It only hands the leaving keys back to the grid: Esc
// restores the date-time the edit began with; no validation, and losing the focus ends nothing.
class TGridDateTimePicker : public TExtDateTimePicker {
public:
    // Any owner; Grid() is nil unless it is a grid.
    explicit TGridDateTimePicker(TComponent* AOwner);

    TExtStringGrid* Grid() const { return FGrid; }

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
    TExtStringGrid* FGrid;
};
