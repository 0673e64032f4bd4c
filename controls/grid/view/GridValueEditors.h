// The grid's spin, edit-with-button and value-and-unit editor wrappers.
#pragma once

#include "grid/base/EditBtn.h"
#include "grid/base/SpinEdit.h"
#include "grid/view/GridEditors.h"

// The editor of the spin cells: 0 to 100 by 1 until the grid sets its range. Page Up and Page Down
// step a number by Increment inside the range, Home sets MaxValue and End MinValue; Enter, Up and
// Down store and leave the cell, Esc restores the text the edit began with, Tab leaves only with
// goTabs.
class TGridSpin : public TEsgSpinEdit, public TGridEditorContract {
public:
    // AOwner is the grid; any other owner raises EInvalidCast.
    explicit TGridSpin(TComponent* AOwner);

    TExtStringGrid* Grid() const { return OwnerGrid(); }
    // Makes the window again before an edit.
    void ReCreate() { RecreateWnd(); }

    // The step, then the grid's spin event for the spin type.
    void UpClick(TObject* Sender) override;
    void DownClick(TObject* Sender) override;

protected:
    void Dispatch(TMessage& Message) override;
    void DoExit() override;
    void Change() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;

private:
    // OnSpinClick, OnFloatSpinClick, OnDateSpinClick or OnTimeSpinClick by the spin type.
    void SpinClicked(bool Up);
    // Page Up, Page Down, Home and End: the value within the range, then OnSpinClick.
    void PageKey(uint16_t Key);
};

// The editor of edEditBtn, edNumericEditBtn, edFloatEditBtn and edMaskEditBtn cells. Typed
// characters are filtered by the cell's editor type, typing completes from the grid's LookupItems,
// and a paste goes into the cell at once. The button (or F4) asks the grid's OnEllipsClick.
class TGridEditBtn : public TEsgEditBtn, public TGridEditorContract {
public:
    // AOwner is the grid; any other owner raises EInvalidCast.
    explicit TGridEditBtn(TComponent* AOwner);

    TExtStringGrid* Grid() const { return OwnerGrid(); }
    // Makes the window again before an edit.
    void ReCreate() { RecreateWnd(); }
    // A button click also ends the edit.
    bool StopEditAfterClick() const { return FStopEditAfterClick; }
    void SetStopEditAfterClick(bool Value) { FStopEditAfterClick = Value; }
    // Completes the typed prefix from the grid's LookupItems (key-up runs it).
    void DoChange();

    // Completion while typing is allowed; every key but Backspace and Delete turns it on.
    bool WorkMode = true;

protected:
    void Dispatch(TMessage& Message) override;
    void DoExit() override;
    void Change() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;

private:
    void ClickBtn();
    void WMChar(TMessage& Message);
    void WMPaste();

    // The caret position at the last key-down.
    int32_t FSelKeyDown = 0;
    bool FStopEditAfterClick = false;
};

// The editor of edUnitEditBtn, edNumericUnitEditBtn and edFloatUnitEditBtn cells: the value and its
// unit are stored together.
class TGridUnitEditBtn : public TEsgUnitEditBtn, public TGridEditorContract {
public:
    // AOwner is the grid; any other owner raises EInvalidCast.
    explicit TGridUnitEditBtn(TComponent* AOwner);

    TExtStringGrid* Grid() const { return OwnerGrid(); }
    // Makes the window again before an edit.
    void ReCreate() { RecreateWnd(); }

protected:
    void Dispatch(TMessage& Message) override;
    void DoExit() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
    void ClickBtn();
    // Value and unit from Value as the edit opened them: split at a known unit, else all text.
    void ShowTextAndUnit(const QString& Value);
};
