// The check list box: a list box whose items each carry a check box.
#pragma once

#include "windows/ListControls.h"

#include <cstdint>
#include <functional>

// A list box with a check box before each item. A tick stays with its item as items are added,
// inserted, deleted or sorted; a new item is unticked. A click on an item's box and Space on
// the selected item tick or untick it and fire OnClickCheck; setting Checked fires nothing.
class TCheckListBox : public TCustomListBox {
public:
    explicit TCheckListBox(TComponent* AOwner);

    // Whether item Index is ticked; raises EStringListError "List index out of bounds (%d)" for a
    // bad index.
    bool Checked(int32_t Index) const;
    void SetChecked(int32_t Index, bool Value);
    // The width of the strip with the check box at the left of every item.
    static int32_t CheckWidth();

    std::function<void(TObject* Sender)> OnClickCheck;

protected:
    void Dispatch(TMessage& Message) override;
    void KeyPress(QChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    bool DrawsItems() const override { return true; }

    // The user ticked or unticked an item: OnClickCheck.
    virtual void ClickCheck();

private:
    // Ticks or unticks item Index for the user.
    void ToggleClickCheck(int32_t Index);
    void CheckIndex(int32_t Index) const;
};
