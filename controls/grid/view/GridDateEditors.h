// The grid's date picker and date-time picker editor wrappers.
#pragma once

#include "dropdown/ExtDateTimePicker.h"
#include "grid/base/EsgDateTimePicker.h"
#include "grid/view/GridEditors.h"

#include <cstdint>

// The editor of edDateEdit, edDateEditUpDown and edTimeEdit cells. A typed digit that changes a
// field moves the caret on to the next one; Up and Down stay with the picker. Its own border does
// not show inside the cell.
class TGridDatePicker : public TEsgDateTimePicker, public TGridEditorContract {
public:
    // AOwner is the grid; any other owner raises EInvalidCast.
    explicit TGridDatePicker(TComponent* AOwner);

    TExtStringGrid* Grid() const { return OwnerGrid(); }
    // Makes the window again before an edit.
    void ReCreate() { RecreateWnd(); }

protected:
    // After a typed digit ("DTPShiftFocus"): moves to the next field when the digit changed the
    // current one and it is not the last field of a custom format.
    virtual void DoShiftFocus();

    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void DoExit() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;

private:
    // Frames the window twice in clWindow.
    void HideBorder();
    // Shows Value read as a time or date by the picker's kind; unreadable or out-of-range text
    // leaves the picker as it is.
    void ShowText(const QString& Value);

    // The value before the last digit was typed.
    uint16_t Fy = 0;
    uint16_t Fm = 0;
    uint16_t Fd = 0;
    uint16_t Fth = 0;
    uint16_t Ftm = 0;
    uint16_t Fts = 0;
};

// The editor of edDateTimeEdit cells. It only hands the leaving keys back to the grid: Esc
// restores the date-time the edit began with; no validation, and losing the focus ends nothing.
class TGridDateTimePicker : public TExtDateTimePicker {
public:
    // Any owner; Grid() is nil unless it is a grid, and the picker then hands nothing back.
    explicit TGridDateTimePicker(TComponent* AOwner);

    TExtStringGrid* Grid() const { return FGrid; }

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
    TExtStringGrid* FGrid;
};
