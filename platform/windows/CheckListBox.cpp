// The check list box: the ticks kept with the list box's items, their drawing, and ticking by
// mouse and keyboard.
#include "windows/CheckLst.h"

#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/Exceptions.h"

#include <algorithm>

namespace {

// The side of the drawn check box.
constexpr int32_t BoxSize = 13;

}  // namespace

TCheckListBox::TCheckListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}

int32_t TCheckListBox::CheckWidth()
{
    return BoxSize + 4;
}

void TCheckListBox::CheckIndex(int32_t Index) const
{
    if (Index < 0 || Index >= Count())
        throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

bool TCheckListBox::Checked(int32_t Index) const
{
    CheckIndex(Index);
    return ItemMarked(Index);
}

void TCheckListBox::SetChecked(int32_t Index, bool Value)
{
    CheckIndex(Index);
    if (ItemMarked(Index) == Value) return;
    SetItemMarked(Index, Value);
    const TRect Rect = ItemRect(Index);
    if (HandleAllocated() && !IsRectEmpty(Rect)) InvalidateRect(Handle(), &Rect, false);
}

void TCheckListBox::ClickCheck()
{
    if (OnClickCheck) OnClickCheck(this);
}

void TCheckListBox::ToggleClickCheck(int32_t Index)
{
    if (Index < 0 || Index >= Count() || !Enabled()) return;
    SetChecked(Index, !Checked(Index));
    ClickCheck();
}

void TCheckListBox::KeyPress(QChar& Key)
{
    if (Key == QLatin1Char(' ')) {
        ToggleClickCheck(ItemIndex());
        Key = QChar();
        return;
    }
    TCustomListBox::KeyPress(Key);
}

void TCheckListBox::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    // The list box has selected the item by now.
    if (Button == mbLeft) {
        const int32_t Index = ItemAtPos({X, Y}, true);
        if (Index >= 0) {
            if (X < ItemRect(Index).Left + CheckWidth()) ToggleClickCheck(Index);
        }
    }
    TCustomListBox::MouseDown(Button, Shift, X, Y);
}

void TCheckListBox::Dispatch(TMessage& Message)
{
    if (Message.Msg != CN_DRAWITEM) {
        TCustomListBox::Dispatch(Message);
        return;
    }
    // The box goes in a strip of its own in the control's colour; the item is drawn beside it.
    auto& Item = *TWMDrawItem(Message).DrawItemStruct();
    const auto Index = static_cast<int32_t>(Item.itemID);
    TRect Strip = Item.rcItem;
    Strip.Right = std::min(Strip.Left + CheckWidth(), Strip.Right);
    Item.rcItem.Left = Strip.Right;
    HDC DC = Item.hDC;
    DC->Brush()->SetColor(Color());
    DC->Brush()->SetStyle(bsSolid);
    DC->FillRect(Strip);
    if (Index >= 0 && Index < Count()) {
        const int32_t Left = Strip.Left + (Strip.Width() - BoxSize) / 2;
        const int32_t Top = Strip.Top + (Strip.Height() - BoxSize) / 2;
        TRect Box{Left, Top, Left + BoxSize, Top + BoxSize};
        uint32_t State = DFCS_BUTTONCHECK;
        if (ItemMarked(Index)) State |= DFCS_CHECKED;
        if (!Enabled()) State |= DFCS_INACTIVE;
        DrawFrameControl(DC, Box, DFC_BUTTON, State);
    }
    TCustomListBox::Dispatch(Message);
}
