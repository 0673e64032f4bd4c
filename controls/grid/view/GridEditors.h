// The grid's editor wrappers: each knows its grid, ends the edit when it loses the focus and turns
// the keys that leave a cell into the grid's operations. This file holds the shared part, the combo,
// the check box and the button; GridDropDownEditors.h, GridValueEditors.h and GridDateEditors.h
// hold the rest.
#pragma once

#include "grid/base/ExtCombo.h"
#include "windows/StdCtrls.h"

#include <QString>

#include <cstdint>
#include <functional>

class TExtStringGrid;

// The grid that owns an editor wrapper; any other owner raises EInvalidCast ("Invalid class typecast").
TExtStringGrid* EditorOwnerGrid(TComponent* AOwner);

// What every editor wrapper shares: the grid it edits for (never owned) and the grid operations
// its focus, change and key handling call. A wrapper derives from its control and from this.
class TGridEditorContract {
public:
    TGridEditorContract(const TGridEditorContract&) = delete;
    TGridEditorContract& operator=(const TGridEditorContract&) = delete;

    // The grid that owns the wrapper.
    TExtStringGrid* OwnerGrid() const { return FGrid; }

protected:
    // AOwner is the grid; any other owner raises EInvalidCast.
    explicit TGridEditorContract(TComponent* AOwner);
    ~TGridEditorContract() = default;

    // ---- The shared steps ----
    // Focus loss: the edit ends and its value is stored (HideInplaceEdit).
    void EndGridEdit();
    // OnEditChange with the grid's display column Col, Row and Value.
    void FireEditChange(const QString& Value);
    // CM_WANTSPECIALKEY: Enter and Esc, and Tab when the grid wants the editor's Tab.
    bool ClaimsSpecialKey(uint16_t Key) const;
    // The grid's OnKeyPress with Sender; the handler may change Key.
    void FireGridKeyPress(TObject* Sender, QChar& Key);
    // Esc, Enter and Tab characters become 0: key-down has acted on them.
    static void SwallowHandBackChar(QChar& Key);

    // ---- Grid state ----
    QString GridCurrentCell() const;
    void SetGridCurrentCell(const QString& Value);
    // The cell text cached when the edit began.
    QString GridOriginalCellValue() const;
    // ValidateCell on Value; the text the validation leaves is NewCellText.
    bool ValidateGridCell(const QString& Value);
    QString NewCellText() const;
    void SetNoAutoAdvance(bool Value);
    bool GridWantsEditorTab() const;
    bool GridHasTabs() const;
    // The click that started the edit lands the caret: set until the editor took it.
    bool ClickStartedEdit() const;
    void ClearClickStartedEdit();
    bool IsGridWheelMessage(uint32_t Msg) const;

    // ---- Handing the keys back ----
    // The cell gets back the text it had when the edit began (CancelCellEdit); during an edit the
    // end of the edit then stores that text and nothing of the editor.
    void CancelGridEdit();
    // The grid leaves edit mode without storing anything.
    void ClearGridEditMode();
    // The grid takes the focus.
    void FocusGrid();
    // The grid takes the focus with AlwaysEdit off for the moment of the focus change.
    void FocusGridWithoutAlwaysEdit();
    // The grid's own key-down.
    void GridKeyDown(uint16_t& Key, TShiftState Shift);
    // Ends the edit, focuses the grid and tabs to the next editable cell (previous while the Shift
    // key is physically down).
    void TabToNextCell();
    // A Tab key-down posted to the grid's window.
    void PostTabToGrid();
    // Ends the edit with DirectComboClose of MouseActions off for the call.
    void EndGridEditNoDirectClose();
    // Starts editing the current cell.
    void ShowGridEdit();
    // DoneInplaceEdit(Key, Shift); re-opens the editor at the cell now current when AdvanceOnEnter
    // and AdvanceAutoEdit are both on; Key := 0.
    void LeaveCell(uint16_t& Key, TShiftState Shift);
    // The grid's DoneInplaceEdit(Key, Shift) alone: no re-opening, Key left as it is.
    void DoneGridEdit(uint16_t Key, TShiftState Shift);
    // The caret from the click that started the edit: when the grid's click flag is set and the
    // pointer lies inside Control, CharWindow is asked for the character there (EM_CHARFROMPOS);
    // a valid answer clears the flag and is returned. -1 for none.
    int32_t CaretFromClick(TWinControl* Control, HWND CharWindow);
    // The cursor walk out of the cell at the start (Forward false) or end of Text: onto the control
    // cell beside the cell (past its merged area) after validating Text, else the grid takes the
    // focus and advances left or right, re-opening the editor with CursorWalkAlwaysEdit.
    void CursorWalkOut(const QString& Text, bool Forward);

private:
    TExtStringGrid* FGrid;
};

// The editor of edComboEdit and edComboList cells. The grid fills its items before an edit.
class TGridCombo : public TEsgComboBox, public TGridEditorContract {
public:
    // AOwner is the grid; any other owner raises EInvalidCast.
    explicit TGridCombo(TComponent* AOwner);

    TExtStringGrid* Grid() const { return OwnerGrid(); }
    // Sets the list's width to the widest item measured with the grid's canvas font.
    void SizeDropDownWidth();
    // Completion from the items, then from the grid's LookupItems (key-up runs it).
    void DoChange();
    // Inherited, then OnEditChange; the edit cycle also runs it after choosing a fallback item.
    void Change() override;

    // Completion while typing is allowed; off for the keystroke that is Backspace or Delete.
    bool WorkMode = true;
    // Enter in the key-press handling, with the combo as Sender.
    std::function<void(TObject* Sender)> OnReturnKey;

protected:
    void Dispatch(TMessage& Message) override;
    void WndProc(TMessage& Message) override;
    void DoExit() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;

private:
    bool IsListStyle() const;
    // The combo's events fired after the selection moved, with the real column of Col.
    void FireComboChange();
    void WMSetFocus(TMessage& Message);
    void WheelSelect(int32_t WheelDelta);
    // A restored or validated text: the text of an editable combo, the equal item of a list.
    void ShowText(const QString& Value);
};

// The editor of edCheckBox cells: the caption is the cell text; hiding it stores nothing.
class TGridCheckBox : public TCheckBox, public TGridEditorContract {
public:
    // AOwner is the grid; any other owner raises EInvalidCast.
    explicit TGridCheckBox(TComponent* AOwner);

    TExtStringGrid* Grid() const { return OwnerGrid(); }
    // Makes the window again before an edit.
    void ReCreate() { RecreateWnd(); }

protected:
    void Dispatch(TMessage& Message) override;
    void DoExit() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
    // A press toggled the box: the click that its release reports toggles nothing more.
    bool FPressToggled = false;
};

// The editor of edButton cells: the caption is the cell text; Space or a click asks
// OnEllipsClick for the new text.
class TGridButton : public TButton, public TGridEditorContract {
public:
    // AOwner is the grid; any other owner raises EInvalidCast.
    explicit TGridButton(TComponent* AOwner);

    TExtStringGrid* Grid() const { return OwnerGrid(); }
    // Makes the window again before an edit.
    void ReCreate() { RecreateWnd(); }

protected:
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
    void DoExit() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;

private:
    // Hides and disables the button and gives the grid the focus, out of edit mode.
    void HandBack();
    // The click action on Grid: the caption becomes what DoEllipsClick returns and goes into the cell.
    void ClickAction(TExtStringGrid* Grid);
};
