// The list and the check list of a string grid's column filter drop-down.
#pragma once

#include "windows/CheckLst.h"
#include "windows/ListControls.h"

#include <cstdint>
#include <functional>

using TDropSelectEvent = std::function<void(TObject* Sender, int32_t ItemIndex)>;

// Enter or a released mouse button hides the list and fires OnSelect with the selected item; losing
// the mouse with the pointer outside hides it and closes the grid's filter column.
class TDropList : public TListBox {
public:
    using TListBox::TListBox;

    TDropSelectEvent OnSelect;

protected:
    void Dispatch(TMessage& Message) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
};

// Ticking or unticking an entry fires OnSelect with -1; losing the mouse outside hides the list.
class TDropCheckList : public TCheckListBox {
public:
    using TCheckListBox::TCheckListBox;

    TDropSelectEvent OnSelect;

protected:
    void Dispatch(TMessage& Message) override;
    void ClickCheck() override;
};
