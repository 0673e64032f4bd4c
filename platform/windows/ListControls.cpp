// Combo boxes and list boxes drawn over plain windows: items, the column of items, the drop-down list, the edit and the messages.
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
#include "windows/private/StockMetrics.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QValidator>

#include <algorithm>
#include <vector>

using namespace WindowsInternal;

namespace {

// Characters typed within this many milliseconds of each other add up for AutoComplete.
constexpr uint32_t AutoCompleteDelay = 500;
// Lines a notch of the mouse wheel scrolls.
constexpr int32_t WheelLines = 3;

struct TListItem {
    QString Text;
    uintptr_t Data = 0;
    // The height of an owner-drawn item of variable height.
    int32_t Height = 0;
    // Whether the item is selected in a multiple-selection list box.
    bool Selected = false;
};
using TItemList = std::vector<TListItem>;

int32_t CountOf(const TItemList& Items)
{
    return static_cast<int32_t>(Items.size());
}

// Where a new item goes in a sorted list: after the items that are not greater than it, compared
// without regard to case.
int32_t SortedPosition(const TItemList& Items, const QString& Text)
{
    const auto Found = std::upper_bound(Items.begin(), Items.end(), Text, [](const QString& Value, const TListItem& Item) {
        return AnsiCompareText(Value, Item.Text) < 0;
    });
    return static_cast<int32_t>(Found - Items.begin());
}

// The first item after Start (from the top when Start is -1 or out of range), going round to Start
// itself, whose text begins with Text, or equals it when Exact, without regard to case; -1 for none.
int32_t FindItem(const TItemList& Items, int32_t Start, const QString& Text, bool Exact)
{
    const int32_t Count = CountOf(Items);
    if (Start < -1 || Start >= Count) Start = -1;
    for (int32_t Step = 1; Step <= Count; ++Step) {
        const int32_t Index = (Start + Step) % Count;
        const QString& Item = Items[static_cast<size_t>(Index)].Text;
        if (Exact ? Item.compare(Text, Qt::CaseInsensitive) == 0 : Item.startsWith(Text, Qt::CaseInsensitive)) return Index;
    }
    return -1;
}

// The text a message carries in LParam (a NUL-terminated UTF-16 string).
QString MessageText(LPARAM LParam)
{
    return LParam ? QString::fromUtf16(reinterpret_cast<const char16_t*>(LParam)) : QString();
}

// Copies Text with a terminating NUL into the buffer in LParam; returns its length.
LRESULT CopyToBuffer(const QString& Text, LPARAM LParam)
{
    auto* Buffer = reinterpret_cast<char16_t*>(LParam);
    std::copy_n(Text.utf16(), Text.size(), Buffer);
    Buffer[Text.size()] = 0;
    return Text.size();
}

// Where a navigation key moves the selection from Current (-1: none, which the arrow and page
// keys leave for the first item) in a list of Count items; Page items make a page.
int32_t MoveTarget(uint16_t Key, int32_t Current, int32_t Page, int32_t Count)
{
    switch (Key) {
    case VK_HOME: return 0;
    case VK_END: return Count - 1;
    default: break;
    }
    if (Current < 0) return 0;
    switch (Key) {
    case VK_UP: return Current - 1;
    case VK_DOWN: return Current + 1;
    case VK_PRIOR: return Current - Page;
    default: return Current + Page;
    }
}

// A column of items drawn from a top item downwards in an area: the geometry the list box, the
// combo box's dropped-down list and the list of a simple combo box share.
struct TItemColumn {
    const TItemList* Items = nullptr;
    // Heights from the items (owner-drawn, variable), else ItemHeight each.
    bool Variable = false;
    int32_t ItemHeight = 0;
    int32_t TopIndex = 0;
    TRect Area;

    int32_t Count() const { return CountOf(*Items); }
    int32_t HeightOf(int32_t Index) const { return Variable ? (*Items)[static_cast<size_t>(Index)].Height : ItemHeight; }

    // Where item Index is, counted from the top item: an item above it lies above the area.
    TRect ItemRect(int32_t Index) const
    {
        int32_t Top = Area.Top;
        for (int32_t I = TopIndex; I < Index; ++I) Top += HeightOf(I);
        for (int32_t I = Index; I < TopIndex; ++I) Top -= HeightOf(I);
        return {Area.Left, Top, Area.Right, Top + HeightOf(Index)};
    }

    // The item shown at height Y; -1 above the area or below the last item.
    int32_t ItemAtY(int32_t Y) const
    {
        if (Y < Area.Top) return -1;
        int32_t Bottom = Area.Top;
        for (int32_t I = TopIndex; I < Count(); ++I) {
            Bottom += HeightOf(I);
            if (Y < Bottom) return I;
        }
        return -1;
    }

    // The number of items a page holds: those that show whole from the top item on; at least 1.
    int32_t PageCount() const
    {
        if (!Variable) return std::max(1, Area.Height() / std::max(ItemHeight, 1));
        int32_t Bottom = Area.Top;
        int32_t Whole = 0;
        for (int32_t I = TopIndex; I < Count() && (Bottom += HeightOf(I)) <= Area.Bottom; ++I) ++Whole;
        return std::max(1, Whole);
    }

    // The highest top item: the one from which the last items fill the area.
    int32_t MaxTopIndex() const
    {
        int32_t Space = Area.Height();
        int32_t Top = Count();
        while (Top > 0 && Space >= HeightOf(Top - 1)) Space -= HeightOf(--Top);
        return std::min(Top, std::max(Count() - 1, 0));
    }

    // The top item that brings Index into view with the least scrolling.
    int32_t TopIndexShowing(int32_t Index) const
    {
        if (Index < 0 || Index >= Count()) return TopIndex;
        if (Index < TopIndex) return Index;
        int32_t Space = Area.Height() - HeightOf(Index);
        int32_t Top = Index;
        while (Top > TopIndex && Space >= HeightOf(Top - 1)) Space -= HeightOf(--Top);
        return Top;
    }
};

// The vertical scroll bar of a column of items: a Qt scroll bar in the window's client area that
// acts by itself, as a window's own scroll bar does, and hands on the top item it scrolls to.
class TColumnScrollBar {
public:
    void Create(HWND Wnd, std::function<void(int32_t)> OnScroll)
    {
        FBar = new QScrollBar(Qt::Vertical, WidgetOf(Wnd));
        FBar->setFocusPolicy(Qt::NoFocus);
        FBar->hide();
        QObject::connect(FBar.data(), &QScrollBar::valueChanged, FBar.data(), [Scroll = std::move(OnScroll)](int Value) { Scroll(Value); });
    }

    // Shows the bar along the right edge of Client (widget coordinates) while MaxTop is above 0.
    void Update(const QRect& Client, int32_t MaxTop, int32_t Page, int32_t Top)
    {
        if (!FBar) return;
        const QSignalBlocker Blocker(FBar.data());
        FBar->setRange(0, MaxTop);
        FBar->setPageStep(Page);
        FBar->setValue(Top);
        FBar->setGeometry(Client.right() + 1 - ScrollBarExtent(), Client.top(), ScrollBarExtent(), Client.height());
        FBar->setVisible(MaxTop > 0);
    }

    bool Visible() const { return FBar && !FBar->isHidden(); }

private:
    QPointer<QScrollBar> FBar;
};

// Draws an item as the system draws the items of its list boxes: the highlight colours when
// selected, grey text when disabled, the text two pixels in, a focus rectangle on the focused item.
void DrawStandardItem(HDC DC, TWinControl* Control, const TRect& Rect, const QString& Text, UINT State)
{
    const bool Selected = (State & ODS_SELECTED) && !(State & ODS_DISABLED);
    DC->Font()->Assign(Control->Font());
    if (State & ODS_DISABLED) DC->Font()->SetColor(clGrayText);
    else if (Selected) DC->Font()->SetColor(clHighlightText);
    DC->Brush()->SetColor(Selected ? clHighlight : Control->Color());
    DC->FillRect(Rect);
    TRect TextRect = Rect;
    TextRect.Left += 2;
    DC->Brush()->SetStyle(bsClear);
    DrawText(DC->Handle(), Text, -1, TextRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (State & ODS_FOCUS) DrawFocusRect(DC, Rect);
}

// Has item Index (-1 for an empty combo box field) drawn on DC: by the control's CN_DRAWITEM when
// owner-drawn, else as the system draws it.
void DrawListItem(TWinControl* Control, UINT CtlType, bool OwnerDraw, HDC DC, const TItemList& Items, int32_t Index,
                  const TRect& Rect, UINT State)
{
    const bool Valid = Index >= 0 && Index < CountOf(Items);
    if (!OwnerDraw) {
        DrawStandardItem(DC, Control, Rect, Valid ? Items[static_cast<size_t>(Index)].Text : QString(), State);
        return;
    }
    DRAWITEMSTRUCT DrawItem;
    DrawItem.CtlType = CtlType;
    DrawItem.CtlID = static_cast<UINT>(GetWindowLong(Control->Handle(), GWL_ID));
    DrawItem.itemID = static_cast<UINT>(Valid ? Index : -1);
    DrawItem.itemAction = ODA_DRAWENTIRE;
    DrawItem.itemState = State;
    DrawItem.hwndItem = Control->Handle();
    DrawItem.hDC = DC;
    DrawItem.rcItem = Rect;
    DrawItem.itemData = Valid ? Items[static_cast<size_t>(Index)].Data : 0;
    Control->Perform(CN_DRAWITEM, DrawItem.CtlID, reinterpret_cast<LPARAM>(&DrawItem));
}

// Draws the items of Column that show in its area, each in the state StateOf gives it, and fills
// the rest of the area with the control's colour.
void PaintColumn(TWinControl* Control, UINT CtlType, bool OwnerDraw, HDC DC, const TItemColumn& Column,
                 const std::function<UINT(int32_t)>& StateOf)
{
    int32_t Bottom = Column.Area.Top;
    for (int32_t I = Column.TopIndex; I < Column.Count() && Bottom < Column.Area.Bottom; ++I) {
        const TRect Rect = Column.ItemRect(I);
        DrawListItem(Control, CtlType, OwnerDraw, DC, *Column.Items, I, Rect, StateOf(I));
        Bottom = Rect.Bottom;
    }
    if (Bottom < Column.Area.Bottom) {
        DC->Brush()->SetColor(Control->Color());
        DC->FillRect({Column.Area.Left, Bottom, Column.Area.Right, Column.Area.Bottom});
    }
}

// The owner-draw handling the combo box and the list box share (CN_DRAWITEM): Canvas drawn on the
// item's context with the control's font and brush, the highlight colours for a selected item,
// Draw for a real item or a filled rectangle, and the focus rectangle on top.
void HandleDrawItem(TWinControl* Control, TCanvas* Canvas, const DRAWITEMSTRUCT& DrawItem,
                    const std::function<void(int32_t Index, const TRect& Rect, TOwnerDrawState State)>& Draw)
{
    const auto State = TOwnerDrawState::FromInt(DrawItem.itemState & 0xFFFF);
    const auto Index = static_cast<int32_t>(DrawItem.itemID);
    const TCanvasBinding Binding(Canvas, DrawItem.hDC);
    Canvas->Font()->Assign(Control->Font());
    Canvas->Brush()->Assign(Control->Brush());
    if (Index >= 0 && State.Contains(odSelected)) {
        Canvas->Brush()->SetColor(clHighlight);
        Canvas->Font()->SetColor(clHighlightText);
    }
    if (Index >= 0) Draw(Index, DrawItem.rcItem, State);
    else Canvas->FillRect(DrawItem.rcItem);
    if (State.Contains(odFocused)) DrawFocusRect(DrawItem.hDC, DrawItem.rcItem);
}

// The owner-measure handling they share (CN_MEASUREITEM): the set item height, which a variable
// style lets Measure change.
void HandleMeasureItem(MEASUREITEMSTRUCT& MeasureItem, int32_t ItemHeight, bool Variable,
                       const std::function<void(int32_t Index, int32_t& Height)>& Measure)
{
    auto Height = ItemHeight;
    if (Variable) Measure(static_cast<int32_t>(MeasureItem.itemID), Height);
    MeasureItem.itemHeight = static_cast<UINT>(Height);
}

// Asks Control for the height of item Index (-1: a combo box's edit field) through CN_MEASUREITEM.
int32_t MeasureOwnerItem(TWinControl* Control, UINT CtlType, int32_t Index, uintptr_t Data)
{
    MEASUREITEMSTRUCT MeasureItem;
    MeasureItem.CtlType = CtlType;
    MeasureItem.itemID = static_cast<UINT>(Index);
    MeasureItem.itemWidth = static_cast<UINT>(Control->Width());
    MeasureItem.itemData = Data;
    Control->Perform(CN_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&MeasureItem));
    return static_cast<int32_t>(MeasureItem.itemHeight);
}

// The messages through which the items of a list control are reached.
struct TListMessages {
    UINT AddString, InsertString, DeleteString, ResetContent, GetCount, GetText, GetTextLen, GetItemData, SetItemData,
        GetCurSel, SetCurSel;
};
constexpr TListMessages ComboBoxMessages{CB_ADDSTRING,    CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                                         CB_GETCOUNT,     CB_GETLBTEXT,    CB_GETLBTEXTLEN, CB_GETITEMDATA,
                                         CB_SETITEMDATA,  CB_GETCURSEL,    CB_SETCURSEL};
constexpr TListMessages ListBoxMessages{LB_ADDSTRING,   LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                                        LB_GETCOUNT,    LB_GETTEXT,      LB_GETTEXTLEN,   LB_GETITEMDATA,
                                        LB_SETITEMDATA, LB_GETCURSEL,    LB_SETCURSEL};

// The Items of a list control: a TStrings whose every operation is a message to the control, so
// that the control's window and its Items never disagree. The objects are the items' data.
class TListControlStrings : public TStrings {
public:
    TListControlStrings(TWinControl* Control, const TListMessages& Messages) : FControl(Control), FMessages(Messages) {}

    int32_t Add(const QString& S) override
    {
        const auto Result = static_cast<int32_t>(Send(FMessages.AddString, 0, reinterpret_cast<LPARAM>(S.utf16())));
        if (Result < 0) throw EOutOfResources(QStringLiteral("Unable to insert a line"));
        return Result;
    }
    void Insert(int32_t Index, const QString& S) override
    {
        if (Send(FMessages.InsertString, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(S.utf16())) < 0)
            throw EOutOfResources(QStringLiteral("Unable to insert a line"));
    }
    void Delete(int32_t Index) override { Send(FMessages.DeleteString, static_cast<WPARAM>(Index), 0); }
    void Clear() override { Send(FMessages.ResetContent, 0, 0); }

protected:
    QString Get(int32_t Index) const override
    {
        const LRESULT Length = Send(FMessages.GetTextLen, static_cast<WPARAM>(Index), 0);
        if (Length < 0) Error(QStringLiteral("List index out of bounds (%1)"), Index);
        QString Text(Length + 1, QChar());
        Send(FMessages.GetText, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(Text.data()));
        Text.truncate(Length);
        return Text;
    }
    int32_t GetCount() const override { return static_cast<int32_t>(Send(FMessages.GetCount, 0, 0)); }
    TObject* GetObject(int32_t Index) const override
    {
        const LRESULT Data = Send(FMessages.GetItemData, static_cast<WPARAM>(Index), 0);
        if (Data == -1) Error(QStringLiteral("List index out of bounds (%1)"), Index);
        return reinterpret_cast<TObject*>(Data);
    }
    void PutObject(int32_t Index, TObject* AObject) override
    {
        Send(FMessages.SetItemData, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(AObject));
    }
    // The new text takes the old one's place and object; the selection stays.
    void Put(int32_t Index, const QString& S) override
    {
        const LRESULT Selection = Send(FMessages.GetCurSel, 0, 0);
        TObject* Object = GetObject(Index);
        Delete(Index);
        InsertObject(Index, S, Object);
        Send(FMessages.SetCurSel, static_cast<WPARAM>(Selection), 0);
    }

    LRESULT Send(UINT Msg, WPARAM WParam, LPARAM LParam) const { return FControl->Perform(Msg, WParam, LParam); }

private:
    TWinControl* FControl;
    const TListMessages& FMessages;
};

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
        PaintColumn(ListBox, ODT_LISTBOX, ListBox->IsOwnerDraw(), DC, Column(), [&](int32_t I) {
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
