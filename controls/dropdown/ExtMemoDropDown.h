// TExtMemoDropDown: a drop-down whose value is a multi-line text, edited in a memo in the pop-up.
#pragma once

#include "dropdown/ExtDropDown.h"

#include "windows/StdCtrls.h"

#include <functional>
#include <memory>

class TMemo;
class TPopupMenu;
class TStringList;
class TStrings;

// The edit shows the whole text, or without EditorEnabled its first line with "..." when there is
// more. A click elsewhere keeps the memo's edits; Esc drops them and gives back the text the
// pop-up opened with. Enter in the memo starts a new line.
class TExtMemoDropDown : public TExtCustomDropDown {
public:
    explicit TExtMemoDropDown(TComponent* AOwner);
    ~TExtMemoDropDown() override;

    TStrings* MemoText() const;
    // Copies Value, and into the memo when there is one.
    void SetMemoText(TStrings* Value);
    // Not owned; reaches the memo at the next opening.
    TPopupMenu* MemoPopup() const { return FMemoPopup; }
    void SetMemoPopup(TPopupMenu* Value) { FMemoPopup = Value; }
    TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
    void SetMemoScrollBars(TScrollStyle Value) { FMemoScrollBars = Value; }
    bool MemoReadOnly() const { return FMemoReadOnly; }
    void SetMemoReadOnly(bool Value);
    // Opens the pop-up when the edit is entered.
    bool AutoDrop() const { return FAutoDrop; }
    void SetAutoDrop(bool Value) { FAutoDrop = Value; }
    // The pop-up's content; nil before the pop-up exists.
    TMemo* Memo() const { return FMemo; }

    // The memo's text changed.
    std::function<void(TObject* Sender)> OnMemoChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void AfterHideDropDown() override;
    void ControlKeyDown(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyUp(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;
    void DoEnter() override;
    void Change() override;

private:
    void UpdateMemoDisplay();
    QString JoinedText() const;

    TPopupMenu* FMemoPopup = nullptr;
    std::unique_ptr<TStringList> FMemoText;
    TMemo* FMemo = nullptr;
    TScrollStyle FMemoScrollBars = ssNone;
    bool FMemoReadOnly = false;
    bool FInternalUpdate = false;
    bool FAutoDrop = false;
    // The text the pop-up opened with, given back by a cancelled close.
    QString FOpenText;
};
