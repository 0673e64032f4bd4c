// The combo box drawn over a plain window: its field and button, the edit of the edit styles, the
// dropped-down list and the simple list, keys, mouse and the combo box messages.
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

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QValidator>

#include <algorithm>
#include <vector>

using namespace WindowsInternal;

namespace {

// A combo box's Items: clearing them keeps the text of the edit.
class TComboBoxStrings : public TListControlStrings {
public:
    explicit TComboBoxStrings(TCustomComboBox* Combo) : TListControlStrings(Combo, ComboBoxMessages), FCombo(Combo) {}

    void Clear() override
    {
        const QString Text = FCombo->Text();
        TListControlStrings::Clear();
        FCombo->SetText(Text);
    }

private:
    TCustomComboBox* FCombo;
};

// The shift keys held now, from the key table.
Qt::KeyboardModifiers HeldModifiers()
{
    Qt::KeyboardModifiers Modifiers;
    if (GetKeyState(VK_SHIFT) < 0) Modifiers |= Qt::ShiftModifier;
    if (GetKeyState(VK_CONTROL) < 0) Modifiers |= Qt::ControlModifier;
    if (GetKeyState(VK_MENU) < 0) Modifiers |= Qt::AltModifier;
    return Modifiers;
}

Qt::MouseButtons HeldButtons()
{
    Qt::MouseButtons Buttons;
    if (GetKeyState(VK_LBUTTON) < 0) Buttons |= Qt::LeftButton;
    if (GetKeyState(VK_RBUTTON) < 0) Buttons |= Qt::RightButton;
    if (GetKeyState(VK_MBUTTON) < 0) Buttons |= Qt::MiddleButton;
    return Buttons;
}

// What the edit of a combo box accepts from typing and pasting: at most MaxLength characters
// (0: any number), turned to upper or lower case by CharCase. Text set by WM_SETTEXT is taken as
// it is, as the system's edit takes it.
class TEditRules : public QValidator {
public:
    using QValidator::QValidator;
    int32_t MaxLength = 0;
    TEditCharCase CharCase = ecNormal;

    State validate(QString& Input, int&) const override
    {
        if (CharCase == ecUpperCase) Input = Input.toUpper();
        else if (CharCase == ecLowerCase) Input = Input.toLower();
        return MaxLength > 0 && Input.size() > MaxLength ? Invalid : Acceptable;
    }
};

// How the open list of a combo box closes: taking the highlighted item, leaving the selection, or by code.
enum class TCloseMode { Accept, Cancel, Quiet };

}  // namespace

// ---- Combo box ----

// The window of the dropped-down list: a pop-up that never takes the activation. It holds the
// mouse capture while it shows, so every click, on it or elsewhere, comes to it first.
class TCustomComboBox::TDropList : public TCustomControl {
public:
    TDropList(TComponent* AOwner, TCustomComboBox* Combo) : TCustomControl(AOwner), FCombo(Combo) {}

    TColumnScrollBar& Bar() { return FBar; }

protected:
    void CreateWnd() override;
    void Dispatch(TMessage& Message) override;
    void Paint() override;

private:
    TCustomComboBox* FCombo;
    TColumnScrollBar FBar;
};

struct TCustomComboBox::TParts {
    explicit TParts(TCustomComboBox* Combo) : Combo(Combo) {}

    TCustomComboBox* Combo;
    TItemList Items;
    int32_t ItemIndex = -1;
    // The highlighted item of the open list.
    int32_t Hot = -1;
    // The top item of the open list, or of the list of a simple combo box.
    int32_t TopIndex = 0;
    int32_t FieldHeight = 0;
    int32_t ListItemHeight = 0;
    // The height the control was last given: a simple combo box's height.
    int32_t RequestedHeight = 0;
    int32_t DroppedWidth = 0;
    bool Dropped = false;
    // The mouse button that opened the list, or pressed in it, is still down.
    bool Tracking = false;
    // The mouse button went down in the edit, which follows the mouse until it comes up.
    bool EditPressed = false;
    // The edit of csDropDown and csSimple; it lives in the control's window while there is one.
    std::unique_ptr<QLineEdit> Edit;
    TEditRules* Rules = nullptr;
    HWND EditWnd = nullptr;
    std::unique_ptr<TDropList> List;
    char16_t PendingHighSurrogate = 0;

    ~TParts()
    {
        if (EditWnd) DeallocateHWnd(EditWnd);
    }

    int32_t Count() const { return CountOf(Items); }

    // ---- Geometry ----
    // The drop-down button, as wide as a scroll bar, inside the sunken border.
    TRect ButtonRect() const
    {
        const int32_t W = Combo->Width(), H = Combo->Height();
        return {W - 2 - ScrollBarExtent(), 2, W - 2, H - 2};
    }
    // The selection field of the list styles, and the place of the edit.
    TRect FieldRect() const
    {
        if (Combo->FStyle == csSimple) return {3, 3, Combo->Width() - 3, 3 + FieldHeight};
        return {3, 3, ButtonRect().Left - 1, Combo->Height() - 3};
    }
    // The list of a simple combo box: its frame below the edit, and the items inside.
    TRect SimpleListFrame() const { return {0, FieldHeight + 6, Combo->Width(), Combo->Height()}; }

    TItemColumn Column(const TRect& Area) const
    {
        TItemColumn Result;
        Result.Items = &Items;
        Result.Variable = Combo->FStyle == csOwnerDrawVariable;
        Result.ItemHeight = ListItemHeight;
        Result.TopIndex = TopIndex;
        Result.Area = Area;
        return Result;
    }
    TItemColumn SimpleColumn() const
    {
        TRect Area = SimpleListFrame();
        InflateRect(Area, -2, -2);
        return Column(Area);
    }
    TItemColumn DropColumn() const
    {
        TRect Area{1, 1, List->Width() - 1, List->Height() - 1};
        if (List->Bar().Visible()) Area.Right -= ScrollBarExtent();
        return Column(Area);
    }
    // The column whose items the keys and the wheel move through now.
    TItemColumn ActiveColumn() const { return Combo->FStyle == csSimple ? SimpleColumn() : DropColumn(); }
    bool ListShows() const { return Dropped || Combo->FStyle == csSimple; }

    // ---- Styles and heights ----
    // Takes the heights the style gives: the font's, or the owner's (CN_MEASUREITEM) when owner-drawn.
    void ApplyHeights()
    {
        if (Combo->IsOwnerDraw()) {
            ListItemHeight = Combo->FItemHeight;
            FieldHeight = MeasureOwnerItem(Combo, ODT_COMBOBOX, -1, 0);
            if (Combo->FStyle == csOwnerDrawVariable)
                for (int32_t I = 0; I < Count(); ++I) Items[static_cast<size_t>(I)].Height = MeasureItem(I);
        } else {
            ListItemHeight = FontHeight(Combo->Font());
            FieldHeight = ListItemHeight + 2;
        }
        Combo->SetBounds(Combo->Left(), Combo->Top(), Combo->Width(), RequestedHeight);
    }

    int32_t MeasureItem(int32_t Index)
    {
        return MeasureOwnerItem(Combo, ODT_COMBOBOX, Index, Items[static_cast<size_t>(Index)].Data);
    }

    // ---- The edit ----
    void CreateEdit()
    {
        if (Edit) return;
        Edit = std::make_unique<QLineEdit>();
        Edit->setFrame(false);
        Edit->setMaxLength(32767);
        Rules = new TEditRules(Edit.get());
        Rules->MaxLength = Combo->FMaxLength;
        Rules->CharCase = Combo->FCharCase;
        Edit->setValidator(Rules);
        QObject::connect(Edit.get(), &QLineEdit::textEdited, Edit.get(), [this] { Guarded(Combo, [this] { EditChanged(); }); });
        EditWnd = AllocateHWnd([this](TMessage& Message) { EditMessage(Message); });
        if (Combo->HandleAllocated()) PlaceEdit();
    }

    void DestroyEdit()
    {
        if (!Edit) return;
        Edit.reset();
        // The keys go to the control's window again.
        if (QWidget* Window = Combo->HandleAllocated() ? WidgetOf(Combo->Handle()) : nullptr) {
            Window->setFocusProxy(nullptr);
            if (GetFocus() == Combo->Handle()) Window->setFocus();
        }
        Rules = nullptr;
        DeallocateHWnd(EditWnd);
        EditWnd = nullptr;
    }

    // Puts the edit into the control's window.
    void PlaceEdit()
    {
        QWidget* Window = WidgetOf(Combo->Handle());
        Edit->setParent(Window);
        Edit->setFont(ToQFont(*Combo->Font()));
        ColorEdit();
        HookOf(Combo->Handle())->Attach(Edit.get());
        Window->setFocusProxy(Edit.get());
        LayoutEdit();
        Edit->show();
        if (GetFocus() == Combo->Handle()) Edit->setFocus();
    }

    // The control's colours; the selection shows only while the control has the focus, as the
    // system's edit hides it then.
    void ColorEdit()
    {
        if (!Edit) return;
        SetWidgetColors(Edit.get(), QPalette::Base, Combo->Color(), Combo->Font()->Color());
        const bool Focused = Combo->HandleAllocated() && GetFocus() == Combo->Handle();
        QPalette Palette = Edit->palette();
        Palette.setColor(QPalette::Highlight, ToQtColor(Focused ? clHighlight : Combo->Color()));
        Palette.setColor(QPalette::HighlightedText, ToQtColor(Focused ? clHighlightText : Combo->Font()->Color()));
        Edit->setPalette(Palette);
    }

    void LayoutEdit()
    {
        if (!Edit || !Edit->parentWidget()) return;
        const TRect Field = FieldRect();
        Edit->setGeometry(Field.Left, Field.Top, Field.Width(), Field.Height());
    }

    QString EditText() const { return Edit ? Edit->text() : QString(); }

    // Sets the edit's text without notifying, as the control does when the selection changes.
    void SetEditText(const QString& Text)
    {
        if (!Edit) return;
        Edit->setText(Text);
        Edit->selectAll();
    }

    // The user changed the edit's text: the list follows it while open, and the parent hears of it.
    void EditChanged()
    {
        FollowText();
        Combo->NotifyParent(CBN_EDITUPDATE);
        Combo->NotifyParent(CBN_EDITCHANGE);
    }

    // The selection after the edit's text changed: the first item the text begins with while the
    // list shows, none while it is closed.
    void FollowText()
    {
        const QString Text = EditText();
        const int32_t Found = ListShows() && !Text.isEmpty() ? FindItem(Items, -1, Text, false) : -1;
        ItemIndex = Found;
        if (Dropped) Hot = Found;
        ShowItem(Found);
        Combo->Invalidate();
    }

    LRESULT GetEditSel(WPARAM StartOut, LPARAM EndOut) const
    {
        if (!Edit) return CB_ERR;
        const int Start = Edit->hasSelectedText() ? Edit->selectionStart() : Edit->cursorPosition();
        const int End = Edit->hasSelectedText() ? Edit->selectionEnd() : Start;
        if (StartOut) *reinterpret_cast<uint32_t*>(StartOut) = static_cast<uint32_t>(Start);
        if (EndOut) *reinterpret_cast<uint32_t*>(EndOut) = static_cast<uint32_t>(End);
        return static_cast<LRESULT>(MAKELONG(static_cast<uint16_t>(Start), static_cast<uint16_t>(End)));
    }

    // Selects Start..End of the edit: Start -1 removes the selection, End -1 runs to the end; the
    // caret goes to End.
    LRESULT SetEditSel(int32_t Start, int32_t End)
    {
        if (!Edit) return CB_ERR;
        const int Length = static_cast<int>(Edit->text().size());
        if (Start < 0) {
            Edit->deselect();
            return 1;
        }
        if (End < 0 || End > Length) End = Length;
        Start = std::min(Start, Length);
        Edit->setSelection(Start, End - Start);
        return 1;
    }

    // The window procedure of the edit's handle: the edit messages the system's edit answers.
    void EditMessage(TMessage& Message)
    {
        if (!Edit) return;
        switch (Message.Msg) {
        case EM_GETSEL: Message.Result = GetEditSel(Message.WParam, Message.LParam); break;
        case EM_SETSEL: SetEditSel(static_cast<int32_t>(Message.WParam), static_cast<int32_t>(Message.LParam)); break;
        case EM_REPLACESEL:
            Edit->insert(MessageText(Message.LParam));
            EditChanged();
            break;
        case EM_CHARFROMPOS: {
            const TPoint Pos = LParamToPoint(Message.LParam);
            Message.Result = static_cast<LRESULT>(MAKELONG(static_cast<uint16_t>(Edit->cursorPositionAt(QPoint(Pos.X, Pos.Y))), 0));
            break;
        }
        case EM_LIMITTEXT: Combo->SetMaxLength(static_cast<int32_t>(Message.WParam)); break;
        case EM_GETLIMITTEXT: Message.Result = Combo->FMaxLength > 0 ? Combo->FMaxLength : 0x7FFFFFFE; break;
        case EM_CANUNDO: Message.Result = Edit->isUndoAvailable(); break;
        default: Message.Result = Combo->Perform(Message.Msg, Message.WParam, Message.LParam); break;
        }
    }

    // Hands a key (the key alone: characters come with WM_CHAR) to the edit.
    void KeyToEdit(QEvent::Type Type, uint16_t VirtKey)
    {
        QKeyEvent Key(Type, QtKeyOf(VirtKey), HeldModifiers());
        static_cast<QObject*>(Edit.get())->event(&Key);
    }

    // Types a character into the edit: Backspace deletes, other control characters do nothing.
    void CharToEdit(char16_t Unit)
    {
        if (QChar::isHighSurrogate(Unit)) {
            PendingHighSurrogate = Unit;
            return;
        }
        if (Unit == 0x08) {
            QKeyEvent Key(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
            static_cast<QObject*>(Edit.get())->event(&Key);
            return;
        }
        QString Text;
        if (PendingHighSurrogate && QChar::isLowSurrogate(Unit)) Text.append(QChar(PendingHighSurrogate));
        PendingHighSurrogate = 0;
        if (Unit < 0x20) return;
        Text.append(QChar(Unit));
        QKeyEvent Key(QEvent::KeyPress, 0, Qt::NoModifier, Text);
        static_cast<QObject*>(Edit.get())->event(&Key);
    }

    void MouseToEdit(UINT Msg, const TPoint& Pos)
    {
        QEvent::Type Type = QEvent::MouseMove;
        Qt::MouseButton Button = Qt::NoButton;
        switch (Msg) {
        case WM_LBUTTONDOWN: Type = QEvent::MouseButtonPress; Button = Qt::LeftButton; break;
        case WM_LBUTTONDBLCLK: Type = QEvent::MouseButtonDblClick; Button = Qt::LeftButton; break;
        case WM_LBUTTONUP: Type = QEvent::MouseButtonRelease; Button = Qt::LeftButton; break;
        default: break;
        }
        const QPointF Local = QPointF(Pos.X, Pos.Y) - Edit->pos();
        QMouseEvent Mouse(Type, Local, Edit->mapToGlobal(Local), Button, HeldButtons(), HeldModifiers());
        static_cast<QObject*>(Edit.get())->event(&Mouse);
    }

    // ---- Selection ----
    // Makes Index (-1: none) the selection without notifying, as CB_SETCURSEL does: the edit shows
    // the item's text, all of it selected, and the open list shows the item.
    void SetSelection(int32_t Index)
    {
        ItemIndex = Index;
        if (Dropped) Hot = Index;
        SetEditText(Index >= 0 ? Items[static_cast<size_t>(Index)].Text : QString());
        ShowItem(Index);
        Combo->Invalidate();
    }

    // A choice of the user: the selection moves to Index and the parent hears of it.
    void Choose(int32_t Index)
    {
        if (Index == ItemIndex || Index < 0) return;
        SetSelection(Index);
        Combo->NotifyParent(CBN_SELCHANGE);
    }

    // Scrolls the list that shows so that Index is in view.
    void ShowItem(int32_t Index)
    {
        if (!ListShows() || Index < 0) return;
        ScrollListTo(ActiveColumn().TopIndexShowing(Index));
    }

    void ScrollListTo(int32_t Top)
    {
        TopIndex = std::clamp(Top, 0, ListShows() ? ActiveColumn().MaxTopIndex() : 0);
        UpdateListBar();
        if (Dropped) List->Invalidate();
        else Combo->Invalidate();
    }

    void ScrollListBy(int32_t Lines) { ScrollListTo(TopIndex + Lines); }

    // ---- The open list ----
    void ShowList()
    {
        if (Dropped || Combo->FStyle == csSimple || !Combo->Showing()) return;
        Combo->NotifyParent(CBN_DROPDOWN);
        if (Dropped || !Combo->Showing()) return;
        if (!List) List.reset(New<TDropList>(nullptr, Combo));
        Dropped = true;
        Hot = ItemIndex;
        const int32_t Rows = std::clamp(Count(), 1, std::max(Combo->FDropDownCount, 1));
        int32_t Height = 2;
        for (int32_t I = 0; I < Rows; ++I) Height += I < Count() ? Column({}).HeightOf(I) : ListItemHeight;
        const TPoint At = Combo->ClientToScreen({0, Combo->Height()});
        List->SetBounds(At.X, At.Y, std::max(Combo->Width(), DroppedWidth), Height);
        TopIndex = 0;
        UpdateListBar();
        TopIndex = DropColumn().TopIndexShowing(Hot);
        UpdateListBar();
        ShowWindow(List->Handle(), SW_SHOWNOACTIVATE);
        List->Invalidate();
        SetCapture(List->Handle());
        Combo->Invalidate();
    }

    void UpdateListBar()
    {
        if (!Dropped) return;
        TItemColumn Full = Column({1, 1, List->Width() - 1, List->Height() - 1});
        Full.TopIndex = TopIndex;
        List->Bar().Update(QRect(1, 1, List->Width() - 2, List->Height() - 2), Full.MaxTopIndex(), Full.PageCount(), TopIndex);
    }

    void CloseList(TCloseMode Mode)
    {
        if (!Dropped) return;
        Dropped = false;
        Tracking = false;
        const bool Changed = Mode == TCloseMode::Accept && Hot >= 0 && Hot != ItemIndex;
        if (Changed) SetSelection(Hot);
        if (GetCapture() == List->Handle()) ReleaseCapture();
        ShowWindow(List->Handle(), SW_HIDE);
        Combo->Invalidate();
        if (Mode != TCloseMode::Quiet) Combo->NotifyParent(Mode == TCloseMode::Accept ? CBN_SELENDOK : CBN_SELENDCANCEL);
        Combo->NotifyParent(CBN_CLOSEUP);
        if (Changed) Combo->NotifyParent(CBN_SELCHANGE);
    }

    // The mouse over the open list (Pos in its client coordinates); it has the capture, so a press
    // anywhere else comes here too and closes the list.
    void ListMouse(UINT Msg, const TPoint& Pos)
    {
        const TItemColumn Column = DropColumn();
        const bool Inside = PtInRect(Column.Area, Pos);
        const int32_t Item = Inside ? Column.ItemAtY(Pos.Y) : -1;
        switch (Msg) {
        case WM_MOUSEMOVE:
            if (Item >= 0 && Item != Hot) {
                Hot = Item;
                List->Invalidate();
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (!PtInRect(List->ClientRect(), Pos)) {
                CloseList(TCloseMode::Cancel);
                break;
            }
            Tracking = true;
            if (Item >= 0) Hot = Item;
            List->Invalidate();
            break;
        case WM_LBUTTONUP:
            if (Tracking && Item >= 0) {
                Hot = Item;
                CloseList(TCloseMode::Accept);
                break;
            }
            Tracking = false;
            Combo->Invalidate();
            break;
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (!PtInRect(List->ClientRect(), Pos)) CloseList(TCloseMode::Cancel);
            break;
        default: break;
        }
    }

    // ---- Keys ----
    // The control's own answer to a key pressed; false for the keys it leaves to the edit.
    bool KeyDown(uint16_t Key, bool Alt)
    {
        if (Combo->FStyle != csSimple && ((Key == VK_F4 && !Alt) || (Alt && (Key == VK_DOWN || Key == VK_UP)))) {
            if (Dropped) CloseList(TCloseMode::Accept);
            else ShowList();
            return true;
        }
        if (Alt) return false;
        if (Dropped && (Key == VK_RETURN || Key == VK_ESCAPE)) {
            CloseList(Key == VK_RETURN ? TCloseMode::Accept : TCloseMode::Cancel);
            return true;
        }
        const bool EndKeys = Combo->IsListStyle() && (Key == VK_HOME || Key == VK_END);
        if (Key != VK_UP && Key != VK_DOWN && Key != VK_PRIOR && Key != VK_NEXT && !EndKeys) return false;
        if (Count() == 0) return true;
        const int32_t Current = Dropped ? Hot : ItemIndex;
        const int32_t Page = (ListShows() ? ActiveColumn().PageCount() : Combo->FDropDownCount) - 1;
        const int32_t Target = std::clamp(MoveTarget(Key, Current, std::max(Page, 1), Count()), 0, Count() - 1);
        if (Dropped && Target != Hot) {
            Hot = Target;
            List->Invalidate();
        }
        Choose(Target);
        return true;
    }

    // A character typed in a list style: the next item that begins with it.
    void TypeAhead(QChar Char)
    {
        if (Char < QChar(0x20)) return;
        Choose(FindItem(Items, Dropped ? Hot : ItemIndex, QString(Char), false));
    }

    // ---- Painting ----
    void Paint(HDC DC)
    {
        const bool Enabled = Combo->Enabled();
        DC->Brush()->Assign(Combo->Brush());
        if (Combo->FStyle == csSimple) {
            TRect Box{0, 0, Combo->Width(), FieldHeight + 6};
            DrawEdge(DC, Box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
            DC->FillRect(Box);
            TRect Frame = SimpleListFrame();
            DrawEdge(DC, Frame, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
            PaintItems(DC, SimpleColumn(), false);
            return;
        }
        TRect Inner = Combo->ClientRect();
        DrawEdge(DC, Inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        TRect Button = ButtonRect();
        UINT ButtonState = DFCS_SCROLLCOMBOBOX;
        if (Dropped && Tracking) ButtonState |= DFCS_PUSHED | DFCS_FLAT;
        if (!Enabled) ButtonState |= DFCS_INACTIVE;
        DrawFrameControl(DC, Button, DFC_SCROLL, ButtonState);
        DC->Brush()->Assign(Combo->Brush());
        DC->FillRect({Inner.Left, Inner.Top, ButtonRect().Left, Inner.Bottom});
        if (!Combo->IsListStyle()) return;
        UINT State = ODS_COMBOBOXEDIT;
        if (Combo->Focused()) State |= ODS_SELECTED | ODS_FOCUS;
        if (!Enabled) State |= ODS_DISABLED;
        DrawListItem(Combo, ODT_COMBOBOX, Combo->IsOwnerDraw(), DC, Items, ItemIndex, FieldRect(), State);
    }

    // Draws the items of Column: the open list highlights the hot item, the simple list the selection.
    void PaintItems(HDC DC, const TItemColumn& Column, bool Open)
    {
        const UINT Disabled = Combo->Enabled() ? 0 : ODS_DISABLED;
        PaintColumn(Combo, ODT_COMBOBOX, Combo->IsOwnerDraw(), DC, Column,
                    [&](int32_t I) { return ((I == (Open ? Hot : ItemIndex)) ? ODS_SELECTED : 0) | Disabled; });
    }

    // ---- Items ----
    LRESULT InsertItem(int32_t Index, const QString& Text)
    {
        if (Index < 0) Index = Count();
        if (Index > Count()) return CB_ERR;
        Items.insert(Items.begin() + Index, TListItem{Text});
        if (ItemIndex >= Index) ++ItemIndex;
        if (Hot >= Index) ++Hot;
        if (Combo->FStyle == csOwnerDrawVariable) Items[static_cast<size_t>(Index)].Height = MeasureItem(Index);
        ItemsChanged();
        return Index;
    }

    LRESULT DeleteItem(int32_t Index)
    {
        if (Index < 0 || Index >= Count()) return CB_ERR;
        Items.erase(Items.begin() + Index);
        if (ItemIndex == Index) SetSelection(-1);
        else if (ItemIndex > Index) --ItemIndex;
        if (Hot == Index) Hot = -1;
        else if (Hot > Index) --Hot;
        ItemsChanged();
        return Count();
    }

    void ResetContent()
    {
        Items.clear();
        ItemIndex = -1;
        Hot = -1;
        TopIndex = 0;
        SetEditText({});
        ItemsChanged();
    }

    void ItemsChanged()
    {
        if (ListShows()) ScrollListTo(TopIndex);
        Combo->Invalidate();
    }

    // ---- Messages ----
    void ComboMessage(TMessage& Message)
    {
        const auto Index = static_cast<int32_t>(Message.WParam);
        const bool Valid = Index >= 0 && Index < Count();
        LRESULT& Result = Message.Result;
        switch (Message.Msg) {
        case CB_ADDSTRING: {
            const QString Text = MessageText(Message.LParam);
            Result = InsertItem(Combo->FSorted ? SortedPosition(Items, Text) : Count(), Text);
            break;
        }
        case CB_INSERTSTRING: Result = InsertItem(Index, MessageText(Message.LParam)); break;
        case CB_DELETESTRING: Result = DeleteItem(Index); break;
        case CB_RESETCONTENT: ResetContent(); Result = CB_OKAY; break;
        case CB_GETCOUNT: Result = Count(); break;
        case CB_GETCURSEL: Result = ItemIndex; break;
        case CB_SETCURSEL:
            SetSelection(Valid ? Index : -1);
            Result = Valid ? Index : CB_ERR;
            break;
        case CB_GETLBTEXT: Result = Valid ? CopyToBuffer(Items[static_cast<size_t>(Index)].Text, Message.LParam) : CB_ERR; break;
        case CB_GETLBTEXTLEN: Result = Valid ? Items[static_cast<size_t>(Index)].Text.size() : CB_ERR; break;
        case CB_GETITEMDATA: Result = Valid ? static_cast<LRESULT>(Items[static_cast<size_t>(Index)].Data) : CB_ERR; break;
        case CB_SETITEMDATA:
            if (Valid) Items[static_cast<size_t>(Index)].Data = static_cast<uintptr_t>(Message.LParam);
            Result = Valid ? CB_OKAY : CB_ERR;
            break;
        case CB_FINDSTRING:
        case CB_FINDSTRINGEXACT: Result = FindItem(Items, Index, MessageText(Message.LParam), Message.Msg == CB_FINDSTRINGEXACT); break;
        case CB_SELECTSTRING:
            Result = FindItem(Items, Index, MessageText(Message.LParam), false);
            if (Result >= 0) SetSelection(static_cast<int32_t>(Result));
            break;
        case CB_SHOWDROPDOWN:
            if (Message.WParam) ShowList();
            else CloseList(TCloseMode::Quiet);
            Result = 1;
            break;
        case CB_GETDROPPEDSTATE: Result = Dropped; break;
        case CB_GETEDITSEL: Result = GetEditSel(Message.WParam, Message.LParam); break;
        case CB_SETEDITSEL:
            Result = SetEditSel(static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(Message.LParam))),
                                static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(Message.LParam))));
            break;
        case CB_LIMITTEXT:
            Combo->SetMaxLength(static_cast<int32_t>(Message.WParam));
            Result = 1;
            break;
        case CB_SETITEMHEIGHT:
            if (Message.LParam <= 0 || Index < -1 || (Combo->FStyle == csOwnerDrawVariable && Index >= 0 && !Valid)) {
                Result = CB_ERR;
                break;
            }
            SetItemHeight(Index, static_cast<int32_t>(Message.LParam));
            Result = 0;
            break;
        case CB_GETITEMHEIGHT:
            Result = Index == -1 ? FieldHeight : (Combo->FStyle == csOwnerDrawVariable && Valid ? Items[static_cast<size_t>(Index)].Height : ListItemHeight);
            break;
        case CB_GETTOPINDEX: Result = TopIndex; break;
        case CB_SETTOPINDEX:
            if (!Valid) {
                Result = CB_ERR;
                break;
            }
            ScrollListTo(Index);
            Result = CB_OKAY;
            break;
        case CB_SETDROPPEDWIDTH:
            DroppedWidth = Index;
            Result = std::max(DroppedWidth, Combo->Width());
            break;
        case CB_GETDROPPEDWIDTH: Result = std::max(DroppedWidth, Combo->Width()); break;
        case CB_GETDROPPEDCONTROLRECT:
            if (auto* Rect = reinterpret_cast<TRect*>(Message.LParam); Rect && Dropped) *Rect = List->BoundsRect();
            Result = 1;
            break;
        default: break;
        }
    }

    // CB_SETITEMHEIGHT (checked): -1 the edit field (the control's height follows), else the items.
    void SetItemHeight(int32_t Index, int32_t Height)
    {
        if (Index == -1) {
            FieldHeight = Height;
            Combo->SetBounds(Combo->Left(), Combo->Top(), Combo->Width(), RequestedHeight);
        } else if (Combo->FStyle == csOwnerDrawVariable) {
            Items[static_cast<size_t>(Index)].Height = Height;
        } else {
            ListItemHeight = Height;
        }
        Combo->Invalidate();
    }

    // The control's own handling of the mouse (client coordinates), the list closed.
    void Mouse(UINT Msg, const TPoint& Pos)
    {
        const bool Press = Msg == WM_LBUTTONDOWN || Msg == WM_LBUTTONDBLCLK;
        if (Press && GetFocus() != Combo->Handle() && Combo->CanFocus()) ::SetFocus(Combo->Handle());
        if (Combo->FStyle == csSimple && PtInRect(SimpleListFrame(), Pos)) {
            if (!Press) return;
            const int32_t Item = SimpleColumn().ItemAtY(Pos.Y);
            if (Item < 0) return;
            Choose(Item);
            if (Msg == WM_LBUTTONDBLCLK) Combo->NotifyParent(CBN_DBLCLK);
            return;
        }
        if (Press && (Combo->IsListStyle() || (Combo->FStyle == csDropDown && PtInRect(ButtonRect(), Pos)))) {
            ShowList();
            Tracking = Dropped;
            Combo->Invalidate();
            return;
        }
        if (!Edit || (!Press && !EditPressed)) return;
        EditPressed = Msg != WM_LBUTTONUP && GetKeyState(VK_LBUTTON) < 0;
        MouseToEdit(Msg, Pos);
    }
};

void TCustomComboBox::TDropList::CreateWnd()
{
    TCustomControl::CreateWnd();
    FBar.Create(Handle(), [this](int32_t Top) { FCombo->FParts->ScrollListTo(Top); });
}

void TCustomComboBox::TDropList::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_MOUSEWHEEL) {
        FCombo->FParts->ScrollListBy(-TWMMouseWheel(Message).WheelDelta() / WHEEL_DELTA * WheelLines);
        return;
    }
    if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
        FCombo->FParts->ListMouse(Message.Msg, LParamToPoint(Message.LParam));
        return;
    }
    if (Message.Msg == WM_CANCELMODE) {
        FCombo->FParts->CloseList(TCloseMode::Cancel);
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TCustomComboBox::TDropList::Paint()
{
    Canvas()->Brush()->SetColor(clWindowFrame);
    Canvas()->FrameRect(ClientRect());
    FCombo->FParts->PaintItems(Canvas()->Handle(), FCombo->FParts->DropColumn(), true);
}

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<TComboBoxStrings>(this)),
      FCanvas(std::make_unique<TControlCanvas>(this)),
      FParts(std::make_unique<TParts>(this))
{
    FControlStyle = {csSetCaption, csDoubleClicks, csFixedHeight};
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    FParts->CreateEdit();
    FParts->ApplyHeights();
    SetBounds(0, 0, 145, 21);
}

TCustomComboBox::~TCustomComboBox() = default;

void TCustomComboBox::SetStyle(TComboBoxStyle Value)
{
    if (FStyle == Value) return;
    FParts->CloseList(TCloseMode::Quiet);
    const QString Text = FParts->EditText();
    FStyle = Value;
    if (IsListStyle()) {
        FParts->DestroyEdit();
    } else {
        FParts->CreateEdit();
        FParts->SetEditText(Text);
    }
    FParts->TopIndex = 0;
    FParts->ApplyHeights();
    Invalidate();
}

int32_t TCustomComboBox::ItemIndex() const
{
    return static_cast<int32_t>(const_cast<TCustomComboBox*>(this)->Perform(CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int32_t Value)
{
    if (ItemIndex() != Value) Perform(CB_SETCURSEL, static_cast<WPARAM>(Value), 0);
}

void TCustomComboBox::SetSorted(bool Value)
{
    if (FSorted == Value) return;
    FSorted = Value;
    if (!FSorted) return;
    auto& Items = FParts->Items;
    std::stable_sort(Items.begin(), Items.end(), [](const TListItem& A, const TListItem& B) { return AnsiCompareText(A.Text, B.Text) < 0; });
    Invalidate();
}

bool TCustomComboBox::DroppedDown() const
{
    return const_cast<TCustomComboBox*>(this)->Perform(CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool Value)
{
    Perform(CB_SHOWDROPDOWN, Value, 0);
}

void TCustomComboBox::SetMaxLength(int32_t Value)
{
    FMaxLength = std::max(Value, 0);
    if (FParts->Rules) FParts->Rules->MaxLength = FMaxLength;
}

void TCustomComboBox::SetCharCase(TEditCharCase Value)
{
    FCharCase = Value;
    if (FParts->Rules) FParts->Rules->CharCase = Value;
}

int32_t TCustomComboBox::ItemHeight() const
{
    if (IsOwnerDraw()) return FItemHeight;
    return static_cast<int32_t>(const_cast<TCustomComboBox*>(this)->Perform(CB_GETITEMHEIGHT, 0, 0));
}

void TCustomComboBox::SetItemHeight(int32_t Value)
{
    if (Value <= 0) return;
    FItemHeight = Value;
    if (IsOwnerDraw()) FParts->ApplyHeights();
}

int32_t TCustomComboBox::SelStart() const
{
    uint32_t Start = 0;
    const_cast<TCustomComboBox*>(this)->Perform(CB_GETEDITSEL, reinterpret_cast<WPARAM>(&Start), 0);
    return static_cast<int32_t>(Start);
}

void TCustomComboBox::SetSelStart(int32_t Value)
{
    Perform(CB_SETEDITSEL, 0, MAKELPARAM(static_cast<uint16_t>(Value), static_cast<uint16_t>(Value)));
}

int32_t TCustomComboBox::SelLength() const
{
    uint32_t Start = 0, End = 0;
    const_cast<TCustomComboBox*>(this)->Perform(CB_GETEDITSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
    return static_cast<int32_t>(End - Start);
}

void TCustomComboBox::SetSelLength(int32_t Value)
{
    const int32_t Start = SelStart();
    Perform(CB_SETEDITSEL, 0, MAKELPARAM(static_cast<uint16_t>(Start), static_cast<uint16_t>(Start + Value)));
}

QString TCustomComboBox::SelText() const
{
    return Text().mid(SelStart(), SelLength());
}

void TCustomComboBox::SetSelText(const QString& Value)
{
    if (FParts->EditWnd) SendMessage(FParts->EditWnd, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Value.utf16()));
}

void TCustomComboBox::SelectAll()
{
    Perform(CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
}

HWND TCustomComboBox::EditHandle() const
{
    return FParts->EditWnd;
}

HWND TCustomComboBox::ListHandle()
{
    if (FStyle == csSimple) return Handle();
    if (!FParts->List) FParts->List.reset(New<TDropList>(nullptr, this));
    return FParts->List->Handle();
}

void TCustomComboBox::Clear()
{
    SetText({});
    FItems->Clear();
}

void TCustomComboBox::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    FParts->RequestedHeight = AHeight;
    TWinControl::SetBounds(ALeft, ATop, AWidth, FStyle == csSimple ? AHeight : FParts->FieldHeight + 6);
    FParts->LayoutEdit();
}

void TCustomComboBox::CreateWnd()
{
    TWinControl::CreateWnd();
    if (FParts->Edit) FParts->PlaceEdit();
}

void TCustomComboBox::DestroyWnd()
{
    FParts->CloseList(TCloseMode::Quiet);
    if (FParts->Edit) {
        WidgetOf(Handle())->setFocusProxy(nullptr);
        FParts->Edit->setParent(nullptr);
    }
    TWinControl::DestroyWnd();
}

void TCustomComboBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_COMMAND: CNCommand(TWMCommand(Message)); break;
    case CN_DRAWITEM: CNDrawItem(TWMDrawItem(Message)); break;
    case CN_MEASUREITEM: CNMeasureItem(TWMMeasureItem(Message)); break;
    case WM_CANCELMODE:
        TWinControl::Dispatch(Message);
        FParts->CloseList(TCloseMode::Cancel);
        break;
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
        FParts->CloseList(TCloseMode::Quiet);
        TWinControl::Dispatch(Message);
        break;
    case CM_COLORCHANGED:
        TWinControl::Dispatch(Message);
        FParts->ColorEdit();
        break;
    default: TWinControl::Dispatch(Message); break;
    }
}

void TCustomComboBox::DefaultHandler(TMessage& Message)
{
    TParts& Parts = *FParts;
    if (Message.Msg >= CB_GETEDITSEL && Message.Msg <= CB_SETDROPPEDWIDTH) {
        Parts.ComboMessage(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_GETTEXTLENGTH:
    case WM_GETTEXT: {
        const QString Text = Parts.Edit ? Parts.EditText()
                                        : (Parts.ItemIndex >= 0 ? Parts.Items[static_cast<size_t>(Parts.ItemIndex)].Text : QString());
        if (Message.Msg == WM_GETTEXTLENGTH) Message.Result = Text.size();
        else if (Message.WParam > 0) Message.Result = CopyToBuffer(Text.left(static_cast<qsizetype>(Message.WParam) - 1), Message.LParam);
        return;
    }
    case WM_SETTEXT:
        if (!Parts.Edit) {
            Message.Result = CB_ERR;
            return;
        }
        Parts.Edit->setText(MessageText(Message.LParam));
        Parts.EditChanged();
        Message.Result = 1;
        return;
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS;
        if (Parts.Edit) Message.Result |= DLGC_HASSETSEL;
        if (Parts.Dropped) Message.Result |= DLGC_WANTALLKEYS;
        return;
    case WM_PAINT:
        if (HDC DC = TWMPaint(Message).DC() ? TWMPaint(Message).DC() : HookOf(Handle())->PaintDC()) Parts.Paint(DC);
        return;
    case WM_SETFONT:
        if (Parts.Edit) Parts.Edit->setFont(ToQFont(*Font()));
        if (!IsOwnerDraw()) Parts.ApplyHeights();
        return;
    case WM_SETFOCUS:
        if (Parts.Edit) Parts.Edit->selectAll();
        Parts.ColorEdit();
        Invalidate();
        NotifyParent(CBN_SETFOCUS);
        return;
    case WM_KILLFOCUS:
        Parts.CloseList(TCloseMode::Cancel);
        Parts.ColorEdit();
        Invalidate();
        NotifyParent(CBN_KILLFOCUS);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (Parts.KeyDown(static_cast<uint16_t>(Message.WParam), Message.Msg == WM_SYSKEYDOWN)) return;
        if (Parts.Edit && Message.Msg == WM_KEYDOWN && Message.WParam != VK_BACK) {
            Parts.KeyToEdit(QEvent::KeyPress, static_cast<uint16_t>(Message.WParam));
            return;
        }
        break;
    case WM_KEYUP:
        if (Parts.Edit) {
            Parts.KeyToEdit(QEvent::KeyRelease, static_cast<uint16_t>(Message.WParam));
            return;
        }
        break;
    case WM_CHAR:
        if (Parts.Edit) Parts.CharToEdit(static_cast<char16_t>(Message.WParam));
        else Parts.TypeAhead(QChar(static_cast<char16_t>(Message.WParam)));
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE: Parts.Mouse(Message.Msg, LParamToPoint(Message.LParam)); return;
    case WM_MOUSEWHEEL: {
        const int32_t Notches = TWMMouseWheel(Message).WheelDelta() / WHEEL_DELTA;
        if (Parts.ListShows()) Parts.ScrollListBy(-Notches * WheelLines);
        else if (Focused() && Notches != 0) Parts.KeyDown(Notches < 0 ? VK_DOWN : VK_UP, false);
        Message.Result = 1;
        return;
    }
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
        if (Parts.Edit) {
            switch (Message.Msg) {
            case WM_CUT: Parts.Edit->cut(); break;
            case WM_COPY: Parts.Edit->copy(); break;
            case WM_PASTE: Parts.Edit->paste(); break;
            case WM_CLEAR: Parts.Edit->del(); break;
            default: Parts.Edit->undo(); break;
            }
            if (Message.Msg != WM_COPY) Parts.EditChanged();
        }
        return;
    default: break;
    }
    TWinControl::DefaultHandler(Message);
}

void TCustomComboBox::KeyPress(QChar& Key)
{
    TWinControl::KeyPress(Key);
    if (!FAutoComplete || Key.isNull()) return;
    if (IsListStyle()) {
        const uint32_t Now = GetTickCount();
        if (Now - FLastTime >= AutoCompleteDelay) FFilter.clear();
        FLastTime = Now;
        if (Key == QChar(0x08)) {
            FFilter.chop(1);
            Key = QChar();
            return;
        }
    }
    if (Key < QChar(0x20)) return;
    if (FAutoDropDown && !DroppedDown()) SetDroppedDown(true);
    QString Typed;
    if (IsListStyle()) {
        Typed = FFilter + Key;
    } else {
        // Completion only when typing at the end of the text or over a selected tail.
        const QString Current = Text();
        if (SelStart() + SelLength() < Current.size()) return;
        Typed = Current.left(SelStart()) + Key;
    }
    TParts& Parts = *FParts;
    const int32_t Found = FindItem(Parts.Items, -1, Typed, false);
    if (Found < 0) return;
    Key = QChar();
    const bool Changed = Found != Parts.ItemIndex;
    Parts.SetSelection(Found);
    if (IsListStyle()) {
        FFilter = Typed;
    } else {
        Parts.Edit->setText(Typed + Parts.Items[static_cast<size_t>(Found)].Text.mid(Typed.size()));
        Parts.SetEditSel(static_cast<int32_t>(Typed.size()), -1);
        NotifyParent(CBN_EDITUPDATE);
        NotifyParent(CBN_EDITCHANGE);
    }
    if (Changed) {
        Click();
        Select();
    }
}

void TCustomComboBox::Change()
{
    if (OnChange) OnChange(this);
}

void TCustomComboBox::Select()
{
    if (OnSelect) OnSelect(this);
    else Change();
}

void TCustomComboBox::DropDown()
{
    if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp()
{
    if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::DrawItem(int32_t Index, const TRect& Rect, TOwnerDrawState State)
{
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    FCanvas->FillRect(Rect);
    FCanvas->TextOut(Rect.Left + 2, Rect.Top, FItems->Strings(Index));
}

void TCustomComboBox::MeasureItem(int32_t Index, int32_t& Height)
{
    if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

void TCustomComboBox::CNCommand(TWMCommand Message)
{
    switch (Message.NotifyCode()) {
    case CBN_DBLCLK: DblClick(); break;
    case CBN_EDITCHANGE: Change(); break;
    case CBN_DROPDOWN: DropDown(); break;
    case CBN_SELCHANGE:
        Click();
        Select();
        break;
    case CBN_CLOSEUP: CloseUp(); break;
    default: break;
    }
}

void TCustomComboBox::CNDrawItem(TWMDrawItem Message)
{
    HandleDrawItem(this, FCanvas.get(), *Message.DrawItemStruct(),
                   [this](int32_t Index, const TRect& Rect, TOwnerDrawState State) { DrawItem(Index, Rect, State); });
}

void TCustomComboBox::CNMeasureItem(TWMMeasureItem Message)
{
    HandleMeasureItem(*Message.MeasureItemStruct(), FItemHeight, FStyle == csOwnerDrawVariable,
                      [this](int32_t Index, int32_t& Height) { MeasureItem(Index, Height); });
}
