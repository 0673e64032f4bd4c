// The list box drawn over a plain window: single and multiple selection, the column with its scroll
// bar, keys, mouse and the list box messages.
#include "windows/ListControls.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/FontMapper.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/Exceptions.h"
#include "rtl/StrFuncs.h"
#include "windows/private/ClassicLook.h"
#include "windows/private/ControlCanvas.h"
#include "windows/private/ListItems.h"
#include "windows/private/StockMetrics.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <algorithm>
#include <vector>

using namespace WindowsInternal;

// ---- List box ----

struct TCustomListBox::TParts {
    explicit TParts(TCustomListBox* ListBox) : ListBox(ListBox) {}

    TCustomListBox* ListBox;
    TItemList Items;
    // The selection of a single-selection list.
    int32_t ItemIndex = -1;
    // The focused item of a multiple selection, and where Shift extends the selection from.
    int32_t Caret = -1;
    int32_t Anchor = -1;
    int32_t TopIndex = 0;
    int32_t FontItemHeight = 13;
    TColumnScrollBar Bar;
    // A click is being followed: the button is down and the selection moves with the mouse.
    bool Tracking = false;

    int32_t Count() const { return CountOf(Items); }
    bool Multi() const { return ListBox->FMultiSelect; }
    bool Extended() const { return ListBox->FMultiSelect && ListBox->FExtendedSelect; }
    // The item with the focus rectangle.
    int32_t FocusItem() const { return Multi() ? Caret : ItemIndex; }
    int32_t ItemHeight() const { return ListBox->IsOwnerDraw() ? ListBox->FItemHeight : FontItemHeight; }

    TItemColumn Column() const
    {
        TItemColumn Result;
        Result.Items = &Items;
        Result.Variable = ListBox->FStyle == lbOwnerDrawVariable;
        Result.ItemHeight = ItemHeight();
        Result.TopIndex = TopIndex;
        Result.Area = ListBox->ClientRect();
        return Result;
    }

    // Shows the scroll bar when the items do not fit, and keeps the top item in range.
    void Layout()
    {
        TItemColumn Full = Column();
        Full.Area = ListBox->TWinControl::ClientRect();
        TopIndex = std::clamp(TopIndex, 0, Full.MaxTopIndex());
        Full.TopIndex = TopIndex;
        if (ListBox->HandleAllocated()) {
            const QMargins Margins = HookOf(ListBox->Handle())->ClientMargins();
            const TRect Area = Full.Area;
            Bar.Update(QRect(Area.Left + Margins.left(), Area.Top + Margins.top(), Area.Width(), Area.Height()), Full.MaxTopIndex(),
                       Full.PageCount(), TopIndex);
        }
        ListBox->Invalidate();
    }

    void ScrollTo(int32_t Top)
    {
        TopIndex = Top;
        Layout();
    }

    void ShowItem(int32_t Index) { ScrollTo(Column().TopIndexShowing(Index)); }

    // ---- Selection ----
    void SelectRange(int32_t From, int32_t To, bool Value)
    {
        if (From > To) std::swap(From, To);
        for (int32_t I = std::max(From, 0); I <= To && I < Count(); ++I) Items[static_cast<size_t>(I)].Selected = Value;
    }

    void ClearSelected() { SelectRange(0, Count() - 1, false); }

    // A move of the user to item Index: a single selection moves there; a multiple one moves the
    // caret, and with extended selection selects from the anchor (Shift) or the item alone (no Ctrl).
    void MoveTo(int32_t Index, bool Shift, bool Ctrl)
    {
        if (Index < 0 || Index >= Count()) return;
        if (!Multi()) {
            ItemIndex = Index;
        } else {
            Caret = Index;
            if (Extended() && Shift) {
                ClearSelected();
                SelectRange(Anchor < 0 ? Index : Anchor, Index, true);
            } else if (Extended() && !Ctrl) {
                ClearSelected();
                Items[static_cast<size_t>(Index)].Selected = true;
                Anchor = Index;
            }
        }
        ShowItem(Index);
    }

    // ---- Items ----
    LRESULT InsertItem(int32_t Index, const QString& Text)
    {
        if (Index < 0) Index = Count();
        if (Index > Count()) return LB_ERR;
        Items.insert(Items.begin() + Index, TListItem{Text});
        for (int32_t* Mark : {&ItemIndex, &Caret, &Anchor})
            if (*Mark >= Index) ++*Mark;
        if (ListBox->FStyle == lbOwnerDrawVariable)
            Items[static_cast<size_t>(Index)].Height = MeasureOwnerItem(ListBox, ODT_LISTBOX, Index, 0);
        Layout();
        return Index;
    }

    LRESULT DeleteItem(int32_t Index)
    {
        if (Index < 0 || Index >= Count()) return LB_ERR;
        Items.erase(Items.begin() + Index);
        for (int32_t* Mark : {&ItemIndex, &Caret, &Anchor}) {
            if (*Mark == Index) *Mark = -1;
            else if (*Mark > Index) --*Mark;
        }
        Layout();
        return Count();
    }

    // ---- Messages ----
    void ListMessage(TMessage& Message)
    {
        const auto Index = static_cast<int32_t>(Message.WParam);
        const bool Valid = Index >= 0 && Index < Count();
        LRESULT& Result = Message.Result;
        switch (Message.Msg) {
        case LB_ADDSTRING: {
            const QString Text = MessageText(Message.LParam);
            Result = InsertItem(ListBox->FSorted ? SortedPosition(Items, Text) : Count(), Text);
            break;
        }
        case LB_INSERTSTRING: Result = InsertItem(Index, MessageText(Message.LParam)); break;
        case LB_DELETESTRING: Result = DeleteItem(Index); break;
        case LB_RESETCONTENT:
            Items.clear();
            ItemIndex = Caret = Anchor = -1;
            TopIndex = 0;
            Layout();
            break;
        case LB_GETCOUNT: Result = Count(); break;
        case LB_GETCURSEL: Result = FocusItem(); break;
        case LB_SETCURSEL:
            if (Multi()) {
                Result = LB_ERR;
                break;
            }
            ItemIndex = Valid ? Index : -1;
            if (Valid) ShowItem(Index);
            ListBox->Invalidate();
            Result = Valid ? Index : LB_ERR;
            break;
        case LB_GETSEL:
            Result = !Valid ? LB_ERR : (Multi() ? Items[static_cast<size_t>(Index)].Selected : Index == ItemIndex);
            break;
        case LB_SETSEL: {
            if (!Multi()) {
                Result = LB_ERR;
                break;
            }
            const auto Item = static_cast<int32_t>(Message.LParam);
            if (Item < -1 || Item >= Count()) {
                Result = LB_ERR;
                break;
            }
            if (Item == -1) SelectRange(0, Count() - 1, Message.WParam != 0);
            else Items[static_cast<size_t>(Item)].Selected = Message.WParam != 0;
            ListBox->Invalidate();
            break;
        }
        case LB_GETSELCOUNT:
            Result = Multi() ? std::count_if(Items.begin(), Items.end(), [](const TListItem& Item) { return Item.Selected; }) : LB_ERR;
            break;
        case LB_GETCARETINDEX: Result = FocusItem(); break;
        case LB_SETCARETINDEX:
            if (!Valid) {
                Result = LB_ERR;
                break;
            }
            if (Multi()) Caret = Index;
            else ItemIndex = Index;
            ShowItem(Index);
            break;
        case LB_GETTEXT: Result = Valid ? CopyToBuffer(Items[static_cast<size_t>(Index)].Text, Message.LParam) : LB_ERR; break;
        case LB_GETTEXTLEN: Result = Valid ? Items[static_cast<size_t>(Index)].Text.size() : LB_ERR; break;
        case LB_GETITEMDATA: Result = Valid ? static_cast<LRESULT>(Items[static_cast<size_t>(Index)].Data) : LB_ERR; break;
        case LB_SETITEMDATA:
            if (Valid) Items[static_cast<size_t>(Index)].Data = static_cast<uintptr_t>(Message.LParam);
            Result = Valid ? LB_OKAY : LB_ERR;
            break;
        case LB_FINDSTRING:
        case LB_FINDSTRINGEXACT: Result = FindItem(Items, Index, MessageText(Message.LParam), Message.Msg == LB_FINDSTRINGEXACT); break;
        case LB_SELECTSTRING:
            Result = Multi() ? LB_ERR : FindItem(Items, Index, MessageText(Message.LParam), false);
            if (Result >= 0) {
                ItemIndex = static_cast<int32_t>(Result);
                ShowItem(ItemIndex);
            }
            break;
        case LB_GETTOPINDEX: Result = TopIndex; break;
        case LB_SETTOPINDEX:
            ScrollTo(Index);
            Result = Valid ? LB_OKAY : LB_ERR;
            break;
        case LB_GETITEMRECT:
            if (!Valid && !(Index == 0 && Count() == 0)) {
                Result = LB_ERR;
                break;
            }
            *reinterpret_cast<TRect*>(Message.LParam) = Count() == 0 ? TRect{0, 0, ListBox->ClientWidth(), ItemHeight()} : Column().ItemRect(Index);
            break;
        case LB_ITEMFROMPOINT: {
            const TPoint Pos = LParamToPoint(Message.LParam);
            const TItemColumn Shown = Column();
            int32_t Item = Shown.ItemAtY(Pos.Y);
            const bool Outside = !PtInRect(Shown.Area, Pos) || Item < 0;
            if (Item < 0) Item = Pos.Y < Shown.Area.Top ? Shown.TopIndex : std::max(Count() - 1, 0);
            Result = static_cast<LRESULT>(MAKELONG(static_cast<uint16_t>(Item), Outside ? 1 : 0));
            break;
        }
        case LB_SETITEMHEIGHT:
            if (Message.LParam <= 0 || (ListBox->FStyle == lbOwnerDrawVariable && !Valid)) {
                Result = LB_ERR;
                break;
            }
            if (ListBox->FStyle == lbOwnerDrawVariable) {
                Items[static_cast<size_t>(Index)].Height = static_cast<int32_t>(Message.LParam);
            } else if (ListBox->IsOwnerDraw()) {
                ListBox->FItemHeight = static_cast<int32_t>(Message.LParam);
            } else {
                FontItemHeight = static_cast<int32_t>(Message.LParam);
            }
            Layout();
            break;
        case LB_GETITEMHEIGHT:
            Result = ListBox->FStyle == lbOwnerDrawVariable && Valid ? Items[static_cast<size_t>(Index)].Height : ItemHeight();
            break;
        default: break;
        }
    }

    // ---- Keys ----
    bool KeyDown(uint16_t Key)
    {
        if (Count() == 0) return false;
        const bool Shift = GetKeyState(VK_SHIFT) < 0;
        const bool Ctrl = GetKeyState(VK_CONTROL) < 0;
        const int32_t Current = FocusItem();
        const int32_t Page = Column().PageCount();
        switch (Key) {
        case VK_SPACE:
            if (!Multi() || Current < 0) return false;
            if (!Extended() || Ctrl) {
                Items[static_cast<size_t>(Current)].Selected = !Items[static_cast<size_t>(Current)].Selected;
                Anchor = Current;
            }
            ListBox->Invalidate();
            ListBox->NotifyParent(LBN_SELCHANGE);
            return true;
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END: break;
        default: return false;
        }
        const int32_t Target = std::clamp(MoveTarget(Key, Current, std::max(Page - 1, 1), Count()), 0, Count() - 1);
        const bool Changed = Target != Current;
        MoveTo(Target, Shift, Ctrl);
        if (Changed || Multi()) ListBox->NotifyParent(LBN_SELCHANGE);
        return true;
    }

    // ---- Mouse ----
    void Mouse(UINT Msg, const TPoint& Pos)
    {
        const TItemColumn Shown = Column();
        // Below the last item the last item answers, as the system's list box does.
        int32_t Item = Shown.ItemAtY(std::clamp(Pos.Y, Shown.Area.Top, std::max(Shown.Area.Bottom - 1, Shown.Area.Top)));
        if (Item < 0) Item = Count() - 1;
        const bool Shift = GetKeyState(VK_SHIFT) < 0;
        const bool Ctrl = GetKeyState(VK_CONTROL) < 0;
        switch (Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (GetFocus() != ListBox->Handle() && ListBox->CanFocus()) ::SetFocus(ListBox->Handle());
            if (Item >= 0) {
                if (Multi() && (!Extended() || Ctrl) && !Shift) {
                    Caret = Anchor = Item;
                    Items[static_cast<size_t>(Item)].Selected = !Items[static_cast<size_t>(Item)].Selected;
                    ShowItem(Item);
                } else {
                    MoveTo(Item, Shift, Ctrl);
                }
            }
            if (Msg == WM_LBUTTONDBLCLK) {
                ListBox->NotifyParent(LBN_DBLCLK);
                break;
            }
            Tracking = true;
            SetCapture(ListBox->Handle());
            break;
        case WM_MOUSEMOVE:
            if (Tracking && Item >= 0 && Item != FocusItem() && (!Multi() || Extended())) MoveTo(Item, Multi(), false);
            break;
        case WM_LBUTTONUP:
            if (!Tracking) break;
            Tracking = false;
            if (GetCapture() == ListBox->Handle()) ReleaseCapture();
            if (Count() > 0) ListBox->NotifyParent(LBN_SELCHANGE);
            break;
        default: break;
        }
    }

    // ---- Painting ----
    void Paint(HDC DC)
    {
        const bool Focused = ListBox->Focused();
        const UINT Disabled = ListBox->Enabled() ? 0 : ODS_DISABLED;
        // The focus rectangle goes on the first item while there is no selection.
        const int32_t Focus = FocusItem() >= 0 ? FocusItem() : 0;
        PaintColumn(ListBox, ODT_LISTBOX, ListBox->DrawsItems(), DC, Column(), [&](int32_t I) {
            const bool Selected = Multi() ? Items[static_cast<size_t>(I)].Selected : I == ItemIndex;
            return (Selected ? ODS_SELECTED : 0) | (Focused && I == Focus ? ODS_FOCUS : 0) | Disabled;
        });
    }
};

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<TListControlStrings>(this, ListBoxMessages)),
      FCanvas(std::make_unique<TControlCanvas>(this)),
      FParts(std::make_unique<TParts>(this))
{
    FControlStyle = {csSetCaption, csDoubleClicks, csOpaque};
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    FParts->FontItemHeight = FontHeight(Font());
    SetBounds(0, 0, 121, 97);
}

TCustomListBox::~TCustomListBox() = default;

int32_t TCustomListBox::ItemIndex() const
{
    auto* Self = const_cast<TCustomListBox*>(this);
    return static_cast<int32_t>(Self->Perform(FMultiSelect ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int32_t Value)
{
    if (ItemIndex() == Value) return;
    if (FMultiSelect) Perform(LB_SETCARETINDEX, static_cast<WPARAM>(Value), 0);
    else Perform(LB_SETCURSEL, static_cast<WPARAM>(Value), 0);
}

void TCustomListBox::SetMultiSelect(bool Value)
{
    if (FMultiSelect == Value) return;
    TParts& Parts = *FParts;
    // The selection carries over between the two kinds: the single one as the selected caret item.
    if (Value) {
        Parts.Caret = Parts.Anchor = Parts.ItemIndex;
        Parts.ClearSelected();
        if (Parts.Caret >= 0) Parts.Items[static_cast<size_t>(Parts.Caret)].Selected = true;
    } else {
        Parts.ItemIndex = Parts.Caret >= 0 && Parts.Items[static_cast<size_t>(Parts.Caret)].Selected ? Parts.Caret : -1;
    }
    FMultiSelect = Value;
    Invalidate();
}

bool TCustomListBox::Selected(int32_t Index) const
{
    const LRESULT Result = const_cast<TCustomListBox*>(this)->Perform(LB_GETSEL, static_cast<WPARAM>(Index), 0);
    if (Result < 0) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return Result != 0;
}

void TCustomListBox::SetSelected(int32_t Index, bool Value)
{
    if (FMultiSelect) {
        if (Perform(LB_SETSEL, Value, Index) < 0) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    } else if (Value) {
        SetItemIndex(Index);
    } else if (ItemIndex() == Index) {
        SetItemIndex(-1);
    }
}

int32_t TCustomListBox::SelCount() const
{
    return static_cast<int32_t>(const_cast<TCustomListBox*>(this)->Perform(LB_GETSELCOUNT, 0, 0));
}

void TCustomListBox::SetSorted(bool Value)
{
    if (FSorted == Value) return;
    FSorted = Value;
    if (!FSorted) return;
    auto& Items = FParts->Items;
    std::stable_sort(Items.begin(), Items.end(), [](const TListItem& A, const TListItem& B) { return AnsiCompareText(A.Text, B.Text) < 0; });
    Invalidate();
}

bool TCustomListBox::ItemMarked(int32_t Index) const
{
    return FParts->Items.at(static_cast<size_t>(Index)).Marked;
}

void TCustomListBox::SetItemMarked(int32_t Index, bool Value)
{
    FParts->Items.at(static_cast<size_t>(Index)).Marked = Value;
}

void TCustomListBox::SetStyle(TListBoxStyle Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    if (FStyle == lbOwnerDrawVariable)
        for (int32_t I = 0; I < FParts->Count(); ++I)
            FParts->Items[static_cast<size_t>(I)].Height = MeasureOwnerItem(this, ODT_LISTBOX, I, FParts->Items[static_cast<size_t>(I)].Data);
    FParts->Layout();
}

int32_t TCustomListBox::ItemHeight() const
{
    if (IsOwnerDraw()) return FItemHeight;
    return static_cast<int32_t>(const_cast<TCustomListBox*>(this)->Perform(LB_GETITEMHEIGHT, 0, 0));
}

void TCustomListBox::SetItemHeight(int32_t Value)
{
    if (Value <= 0 || FItemHeight == Value) return;
    FItemHeight = Value;
    FParts->Layout();
}

int32_t TCustomListBox::TopIndex() const
{
    return static_cast<int32_t>(const_cast<TCustomListBox*>(this)->Perform(LB_GETTOPINDEX, 0, 0));
}

void TCustomListBox::SetTopIndex(int32_t Value)
{
    if (TopIndex() != Value) Perform(LB_SETTOPINDEX, static_cast<WPARAM>(Value), 0);
}

int32_t TCustomListBox::ItemAtPos(const TPoint& Pos, bool Existing) const
{
    if (PtInRect(ClientRect(), Pos)) {
        const int32_t Item = FParts->Column().ItemAtY(Pos.Y);
        if (Item >= 0) return Item;
        if (!Existing) return Count();
    }
    return -1;
}

TRect TCustomListBox::ItemRect(int32_t Index) const
{
    auto* Self = const_cast<TCustomListBox*>(this);
    TRect Rect;
    if (Index == 0 || Index < Count()) {
        Self->Perform(LB_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Rect));
    } else if (Index == Count()) {
        Self->Perform(LB_GETITEMRECT, static_cast<WPARAM>(Index - 1), reinterpret_cast<LPARAM>(&Rect));
        OffsetRect(Rect, 0, Rect.Height());
    }
    return Rect;
}

void TCustomListBox::ClearSelection()
{
    if (FMultiSelect) Perform(LB_SETSEL, 0, -1);
    else SetItemIndex(-1);
}

void TCustomListBox::SelectAll()
{
    if (FMultiSelect) Perform(LB_SETSEL, 1, -1);
}

void TCustomListBox::DeleteSelected()
{
    if (!FMultiSelect) {
        if (ItemIndex() >= 0) FItems->Delete(ItemIndex());
        return;
    }
    for (int32_t I = Count() - 1; I >= 0; --I)
        if (Selected(I)) FItems->Delete(I);
}

TRect TCustomListBox::ClientRect() const
{
    TRect Rect = TWinControl::ClientRect();
    if (FParts->Bar.Visible()) Rect.Right = std::max(Rect.Left, Rect.Right - ScrollBarExtent());
    return Rect;
}

void TCustomListBox::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd()
{
    TWinControl::CreateWnd();
    FParts->Bar.Create(Handle(), [this](int32_t Top) { FParts->ScrollTo(Top); });
    FParts->Layout();
}

void TCustomListBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_COMMAND: CNCommand(TWMCommand(Message)); break;
    case CN_DRAWITEM: CNDrawItem(TWMDrawItem(Message)); break;
    case CN_MEASUREITEM: CNMeasureItem(TWMMeasureItem(Message)); break;
    default: TWinControl::Dispatch(Message); break;
    }
}

void TCustomListBox::DefaultHandler(TMessage& Message)
{
    TParts& Parts = *FParts;
    if (Message.Msg >= LB_ADDSTRING && Message.Msg <= LB_ITEMFROMPOINT) {
        Parts.ListMessage(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case WM_PAINT:
        if (HDC DC = TWMPaint(Message).DC() ? TWMPaint(Message).DC() : HookOf(Handle())->PaintDC()) Parts.Paint(DC);
        return;
    case WM_SIZE:
        Parts.Layout();
        break;
    case WM_SETFONT:
        Parts.FontItemHeight = FontHeight(Font());
        Parts.Layout();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        NotifyParent(Message.Msg == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
        return;
    case WM_KEYDOWN:
        if (Parts.KeyDown(static_cast<uint16_t>(Message.WParam))) return;
        break;
    case WM_CHAR: {
        // Without AutoComplete: the next item that begins with the character.
        const auto Char = static_cast<char16_t>(Message.WParam);
        if (Char < 0x20 || Parts.Multi()) return;
        const int32_t Found = FindItem(Parts.Items, Parts.ItemIndex, QString(QChar(Char)), false);
        if (Found >= 0 && Found != Parts.ItemIndex) {
            Parts.MoveTo(Found, false, false);
            NotifyParent(LBN_SELCHANGE);
        }
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE: Parts.Mouse(Message.Msg, LParamToPoint(Message.LParam)); return;
    case WM_MOUSEWHEEL:
        Parts.ScrollTo(Parts.TopIndex - TWMMouseWheel(Message).WheelDelta() / WHEEL_DELTA * WheelLines);
        Message.Result = 1;
        return;
    default: break;
    }
    TWinControl::DefaultHandler(Message);
}

void TCustomListBox::KeyPress(QChar& Key)
{
    TWinControl::KeyPress(Key);
    if (!FAutoComplete || Key.isNull()) return;
    const uint32_t Now = GetTickCount();
    if (Now - FLastTime >= AutoCompleteDelay) FFilter.clear();
    FLastTime = Now;
    if (Key == QChar(0x08)) FFilter.chop(1);
    else if (Key >= QChar(0x20)) FFilter += Key;
    else return;
    if (FFilter.isEmpty()) {
        SetItemIndex(0);
        Click();
        return;
    }
    const int32_t Found = static_cast<int32_t>(Perform(LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(FFilter.utf16())));
    if (Found >= 0) {
        if (FMultiSelect) {
            ClearSelection();
            Perform(LB_SETSEL, 1, Found);
        }
        SetItemIndex(Found);
        Click();
    }
    if (Key != QChar(0x08)) Key = QChar();
}

void TCustomListBox::DrawItem(int32_t Index, const TRect& Rect, TOwnerDrawState State)
{
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    FCanvas->FillRect(Rect);
    if (Index >= Count()) return;
    TRect TextRect = Rect;
    TextRect.Left += 2;
    DrawText(FCanvas->Handle(), FItems->Strings(Index), -1, TextRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TCustomListBox::MeasureItem(int32_t Index, int32_t& Height)
{
    if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

void TCustomListBox::CNCommand(TWMCommand Message)
{
    switch (Message.NotifyCode()) {
    case LBN_SELCHANGE: Click(); break;
    case LBN_DBLCLK: DblClick(); break;
    default: break;
    }
}

void TCustomListBox::CNDrawItem(TWMDrawItem Message)
{
    HandleDrawItem(this, FCanvas.get(), *Message.DrawItemStruct(),
                   [this](int32_t Index, const TRect& Rect, TOwnerDrawState State) { DrawItem(Index, Rect, State); });
}

void TCustomListBox::CNMeasureItem(TWMMeasureItem Message)
{
    HandleMeasureItem(*Message.MeasureItemStruct(), FItemHeight, FStyle == lbOwnerDrawVariable,
                      [this](int32_t Index, int32_t& Height) { MeasureItem(Index, Height); });
}
