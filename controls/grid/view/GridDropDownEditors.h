// The grid's drop-down editor wrappers: the drop-down edits as cell editors. They change only key,
// focus, exit and change handling; the edit cycle fills, opens and reads them.
#pragma once

#include "grid/view/GridEditors.h"

#include "dropdown/Calculator.h"
#include "dropdown/ColorPicker.h"
#include "dropdown/DetailPicker.h"
#include "dropdown/ExtGridDropDown.h"
#include "dropdown/ExtMemoDropDown.h"
#include "dropdown/ExtTrackBarDropDown.h"
#include "dropdown/ImagePicker.h"
#include "dropdown/MultiColumnDropDown.h"
#include "dropdown/TimePicker.h"

// Where a drop-down wrapper departs from the family's rules.
struct TGridDropDownRules {
    // Claims Enter and Esc itself (CM_WANTSPECIALKEY), not only Tab.
    bool ClaimsEnterEsc = false;
    // Focus gain places the caret where the click that started the edit landed.
    bool CaretFromClick = false;
    // The colour editor: while open only Tab, Enter and Esc are handled, while closed also Home;
    // only Enter validates.
    bool ColorKeys = false;
};

// The family's rules over one drop-down edit. The wrapper template below forwards its handlers here.
class TGridDropDownHandBack : public TGridEditorContract {
protected:
    // AOwner is the grid (any other owner raises EInvalidCast); AEdit is the wrapper itself.
    TGridDropDownHandBack(TComponent* AOwner, TExtCustomDropDown* AEdit, const TGridDropDownRules& ARules);
    ~TGridDropDownHandBack() = default;

    // The member's read and write of the edit text.
    virtual QString ReadEditText() const;
    virtual void WriteEditText(const QString& Value);
    // Runs before Enter stores the text.
    virtual void BeforeEnterStore() {}

    // After the parent's change handling.
    void HandChange();
    // Before the parent's exit handling.
    void HandExit();
    // CM_WANTSPECIALKEY after the parent answered.
    void HandWantSpecialKey(TMessage& Message);
    // Before the parent's key press (Sender is the wrapper).
    void HandKeyPress(TObject* Sender, QChar& Key);
    // After the parent's WM_SETFOCUS.
    void HandSetFocus();
    // The hand-back protocol; true when the parent's key-down is to run with Key as it is now.
    bool HandKeyDown(uint16_t& Key, TShiftState Shift);

private:
    bool Handles(uint16_t Key, TShiftState Shift) const;

    TExtCustomDropDown* FEdit;
    TGridDropDownRules FRules;
};

// A drop-down edit TDropDown as a cell editor of the grid that owns it.
template <class TDropDown>
class TGridDropDownEditor : public TDropDown, public TGridDropDownHandBack {
public:
    explicit TGridDropDownEditor(TComponent* AOwner, const TGridDropDownRules& ARules = {})
        : TDropDown(AOwner), TGridDropDownHandBack(AOwner, this, ARules)
    {
    }

protected:
    void Change() override
    {
        TDropDown::Change();
        HandChange();
    }
    void DoExit() override
    {
        HandExit();
        TDropDown::DoExit();
    }
    void KeyDown(uint16_t& Key, TShiftState Shift) override
    {
        if (HandKeyDown(Key, Shift)) TDropDown::KeyDown(Key, Shift);
    }
    void KeyPress(QChar& Key) override
    {
        HandKeyPress(this, Key);
        TDropDown::KeyPress(Key);
    }
    void Dispatch(TMessage& Message) override
    {
        TDropDown::Dispatch(Message);
        if (Message.Msg == CM_WANTSPECIALKEY) HandWantSpecialKey(Message);
        else if (Message.Msg == WM_SETFOCUS) HandSetFocus();
    }
};

class TGridTrackbarDropDown : public TGridDropDownEditor<TExtTrackBarDropDown> {
public:
    explicit TGridTrackbarDropDown(TComponent* AOwner);
    // Completion has nothing to do here.
    void DoChange() {}

protected:
    // The base's formatting of the value text.
    void WriteEditText(const QString& Value) override;
};

class TGridMemoDropDown : public TGridDropDownEditor<TExtMemoDropDown> {
public:
    explicit TGridMemoDropDown(TComponent* AOwner);

protected:
    // The memo's lines joined by line breaks: the edit may show only the first line.
    QString ReadEditText() const override;
};

class TGridCalculatorDropDown : public TGridDropDownEditor<TExtCalculatorDropdown> {
public:
    explicit TGridCalculatorDropDown(TComponent* AOwner);

protected:
    // Enter stores the pending calculation's result.
    void BeforeEnterStore() override;
};

class TGridTimepickerDropDown : public TGridDropDownEditor<TExtTimePickerDropDown> {
public:
    // Never paints its value on a highlight bar.
    explicit TGridTimepickerDropDown(TComponent* AOwner);
};

class TGridDetailPickerDropDown : public TGridDropDownEditor<TExtDetailDropDown> {
public:
    explicit TGridDetailPickerDropDown(TComponent* AOwner);
};

class TGridGridDropDown : public TGridDropDownEditor<TExtMultiColumnDropDown> {
public:
    explicit TGridGridDropDown(TComponent* AOwner);
};

class TGridColorDropDown : public TGridDropDownEditor<TExtColorPickerDropDown> {
public:
    explicit TGridColorDropDown(TComponent* AOwner);
};

class TGridImageDropDown : public TGridDropDownEditor<TExtImagePickerDropDown> {
public:
    explicit TGridImageDropDown(TComponent* AOwner);
};

class TGridExtGridDropDown : public TGridDropDownEditor<TCustomExtGridDropDown> {
public:
    explicit TGridExtGridDropDown(TComponent* AOwner);
    // The pop-up's grid as a string grid; the edit cycle fills it through this.
    TExtStringGrid* Grid() const;
};
