// The filter drop-down's list and check list.
#include "grid/core/DropLists.h"

#include "grid/core/ExtGrid.h"

#include "windows/WinApi.h"

namespace {

// On cancel mode: with the pointer outside the list, the grid's filter column closes and the list hides.
void CancelOutside(TWinControl* List)
{
    TPoint Pos;
    GetCursorPos(Pos);
    Pos = List->ScreenToClient(Pos);
    if (Pos.X >= 0 && Pos.Y >= 0 && Pos.X < List->Width() && Pos.Y < List->Height()) return;
    if (auto* Grid = dynamic_cast<TExtStringGrid*>(List->Parent())) Grid->CloseFilterDropDown();
    List->Hide();
}

}  // namespace

void TDropList::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_CANCELMODE) CancelOutside(this);
    TListBox::Dispatch(Message);
}

void TDropList::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TListBox::KeyDown(Key, Shift);
    if (Key != VK_RETURN) return;
    Hide();
    if (OnSelect) OnSelect(this, ItemIndex());
}

void TDropList::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TListBox::MouseUp(Button, Shift, X, Y);
    Hide();
    if (OnSelect) OnSelect(this, ItemIndex());
}

void TDropCheckList::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_CANCELMODE) CancelOutside(this);
    TCheckListBox::Dispatch(Message);
}

void TDropCheckList::ClickCheck()
{
    TCheckListBox::ClickCheck();
    if (OnSelect) OnSelect(this, -1);
}
