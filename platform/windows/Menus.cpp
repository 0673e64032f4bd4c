// Menus: shortcut names, the pop-up menu functions over QMenu, menu items and the pop-up menu component.
#include "windows/Menus.h"

#include <QActionGroup>
#include <QFont>
#include <QMenu>

#include <bitset>

// A menu of the pop-up menu functions: its entries, in order.
struct HMENU__ {
    struct TEntry {
        UINT Flags = 0;
        UINT_PTR Id = 0;
        QString Text;
        std::unique_ptr<HMENU__> Submenu;
    };
    std::vector<TEntry> Entries;
};

namespace {

// ---- Shortcut names ----

QString KeyName(uint16_t Key)
{
    if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return QString(QChar(Key));
    if (Key >= VK_F1 && Key <= VK_F24) return QStringLiteral("F%1").arg(Key - VK_F1 + 1);
    if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD9) return QStringLiteral("Num %1").arg(Key - VK_NUMPAD0);
    switch (Key) {
    case VK_BACK: return QStringLiteral("BkSp");
    case VK_TAB: return QStringLiteral("Tab");
    case VK_RETURN: return QStringLiteral("Enter");
    case VK_ESCAPE: return QStringLiteral("Esc");
    case VK_SPACE: return QStringLiteral("Space");
    case VK_PRIOR: return QStringLiteral("PgUp");
    case VK_NEXT: return QStringLiteral("PgDn");
    case VK_END: return QStringLiteral("End");
    case VK_HOME: return QStringLiteral("Home");
    case VK_LEFT: return QStringLiteral("Left");
    case VK_UP: return QStringLiteral("Up");
    case VK_RIGHT: return QStringLiteral("Right");
    case VK_DOWN: return QStringLiteral("Down");
    case VK_INSERT: return QStringLiteral("Ins");
    case VK_DELETE: return QStringLiteral("Del");
    default: return {};
    }
}

constexpr struct {
    TShortCut Flag;
    const char* Name;
} Modifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

// ---- Commands ----

// The commands of the items that live; 0 is never one.
std::bitset<65536>& UsedCommands()
{
    static std::bitset<65536> Used{1};
    return Used;
}

uint16_t UniqueCommand()
{
    auto& Used = UsedCommands();
    static uint32_t Next = 0;
    for (uint32_t Tried = 0; Tried < Used.size(); ++Tried) {
        Next = (Next + 1) % static_cast<uint32_t>(Used.size());
        if (!Used.test(Next)) {
            Used.set(Next);
            return static_cast<uint16_t>(Next);
        }
    }
    throw EMenuError(QStringLiteral("Too many menu items"));
}

// ---- QMenu ----

// Fills Menu with the entries of Data; radio items go in exclusive groups so that they show as such.
void FillMenu(QMenu& Menu, const HMENU__& Data)
{
    QActionGroup* Radios = nullptr;
    for (const auto& Entry : Data.Entries) {
        if (Entry.Flags & MF_SEPARATOR) {
            Menu.addSeparator();
            Radios = nullptr;
            continue;
        }
        if (Entry.Flags & MF_POPUP) {
            QMenu* Submenu = Menu.addMenu(Entry.Text);
            Submenu->setEnabled(!(Entry.Flags & (MF_GRAYED | MF_DISABLED)));
            FillMenu(*Submenu, *Entry.Submenu);
            continue;
        }
        QAction* Action = Menu.addAction(Entry.Text);
        Action->setData(QVariant::fromValue<qulonglong>(Entry.Id));
        Action->setEnabled(!(Entry.Flags & (MF_GRAYED | MF_DISABLED)));
        if (Entry.Flags & MF_RADIOCHECK) {
            if (!Radios) Radios = new QActionGroup(&Menu);
            Radios->addAction(Action);
        } else {
            Radios = nullptr;
        }
        Action->setCheckable(Entry.Flags & (MF_CHECKED | MF_RADIOCHECK));
        Action->setChecked(Entry.Flags & MF_CHECKED);
        if (Entry.Flags & MF_DEFAULT) Menu.setDefaultAction(Action);
    }
}

// ---- Menus of items ----

// The visible items of Item as a menu; separators at either end and next to each other left out.
HMENU MenuOfItems(const TMenuItem* Item)
{
    HMENU Menu = CreatePopupMenu();
    bool LineDue = false;
    for (int32_t I = 0; I < Item->Count(); ++I) {
        const TMenuItem* Child = Item->Items(I);
        if (!Child->Visible()) continue;
        if (Child->IsLine()) {
            LineDue = GetMenuItemCount(Menu) > 0;
            continue;
        }
        if (LineDue) AppendMenu(Menu, MF_SEPARATOR, 0, {});
        LineDue = false;
        UINT Flags = Child->Enabled() ? MF_ENABLED : MF_GRAYED;
        if (Child->Checked()) Flags |= MF_CHECKED;
        if (Child->RadioItem()) Flags |= MF_RADIOCHECK;
        if (Child->Default()) Flags |= MF_DEFAULT;
        QString Text = Child->Caption();
        if (Child->ShortCut() != scNone) Text += QLatin1Char('\t') + ShortCutToText(Child->ShortCut());
        if (Child->Count() > 0) AppendMenu(Menu, Flags | MF_POPUP, reinterpret_cast<UINT_PTR>(MenuOfItems(Child)), Text);
        else AppendMenu(Menu, Flags, Child->Command(), Text);
    }
    return Menu;
}

}  // namespace

// ---- Shortcuts ----

TShortCut ShortCut(uint16_t Key, TShiftState Shift)
{
    if (Key & 0xFF00) return scNone;
    TShortCut Result = Key;
    if (Shift.Contains(ssShift)) Result |= scShift;
    if (Shift.Contains(ssCtrl)) Result |= scCtrl;
    if (Shift.Contains(ssAlt)) Result |= scAlt;
    return Result;
}

void ShortCutToKey(TShortCut ShortCut, uint16_t& Key, TShiftState& Shift)
{
    Key = ShortCut & 0xFF;
    Shift = {};
    if (ShortCut & scShift) Shift.Include(ssShift);
    if (ShortCut & scCtrl) Shift.Include(ssCtrl);
    if (ShortCut & scAlt) Shift.Include(ssAlt);
}

QString ShortCutToText(TShortCut ShortCut)
{
    const QString Name = KeyName(ShortCut & 0xFF);
    if (Name.isEmpty()) return {};
    QString Result;
    for (const auto& Modifier : Modifiers)
        if (ShortCut & Modifier.Flag) Result += QLatin1String(Modifier.Name);
    return Result + Name;
}

TShortCut TextToShortCut(const QString& Text)
{
    QString Rest = Text;
    TShortCut Flags = 0;
    for (bool Found = true; Found;) {
        Found = false;
        for (const auto& Modifier : Modifiers) {
            const QString Name = QLatin1String(Modifier.Name);
            if (Rest.startsWith(Name, Qt::CaseInsensitive)) {
                Flags |= Modifier.Flag;
                Rest = Rest.mid(Name.size());
                Found = true;
            }
        }
    }
    for (uint16_t Key = VK_BACK; Key <= 0xFF; ++Key) {
        const QString Name = KeyName(Key);
        if (!Name.isEmpty() && Name.compare(Rest, Qt::CaseInsensitive) == 0) return static_cast<TShortCut>(Key | Flags);
    }
    return scNone;
}

// ---- The system's pop-up menus ----

HMENU CreatePopupMenu()
{
    return new HMENU__;
}

bool AppendMenu(HMENU Menu, UINT Flags, UINT_PTR IDNewItem, const QString& NewItem)
{
    if (!Menu) return false;
    HMENU__::TEntry Entry;
    Entry.Flags = Flags;
    Entry.Text = NewItem;
    if (Flags & MF_POPUP) Entry.Submenu.reset(reinterpret_cast<HMENU>(IDNewItem));
    else Entry.Id = IDNewItem;
    Menu->Entries.push_back(std::move(Entry));
    return true;
}

int32_t GetMenuItemCount(HMENU Menu)
{
    return Menu ? static_cast<int32_t>(Menu->Entries.size()) : -1;
}

bool DestroyMenu(HMENU Menu)
{
    const bool Destroyed = Menu != nullptr;
    delete Menu;
    return Destroyed;
}

int32_t TrackPopupMenu(HMENU Menu, UINT Flags, int32_t X, int32_t Y, int32_t, HWND Wnd, const TRect*)
{
    if (!Menu) return 0;
    QMenu Popup;
    FillMenu(Popup, *Menu);
    const QSize Size = Popup.sizeHint();
    if (Flags & TPM_RIGHTALIGN) X -= Size.width();
    else if (Flags & TPM_CENTERALIGN) X -= Size.width() / 2;
    if (Flags & TPM_BOTTOMALIGN) Y -= Size.height();
    else if (Flags & TPM_VCENTERALIGN) Y -= Size.height() / 2;
    const QAction* Chosen = Popup.exec(QPoint(X, Y));
    const auto Command = Chosen ? static_cast<UINT_PTR>(Chosen->data().toULongLong()) : 0;
    if (Flags & TPM_RETURNCMD) return static_cast<int32_t>(Command);
    if (Command && !(Flags & TPM_NONOTIFY)) PostMessage(Wnd, WM_COMMAND, MAKEWPARAM(static_cast<uint16_t>(Command), 0), 0);
    return 1;
}

// ---- Menu items ----

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(UniqueCommand())
{
}

TMenuItem::~TMenuItem()
{
    if (FParent) FParent->Remove(this);
    Clear();
    UsedCommands().reset(FCommand);
}

void TMenuItem::SetChecked(bool Value)
{
    FChecked = Value;
    if (Value && FRadioItem) TurnSiblingsOff();
}

void TMenuItem::SetRadioItem(bool Value)
{
    FRadioItem = Value;
    if (Value && FChecked) TurnSiblingsOff();
}

void TMenuItem::TurnSiblingsOff()
{
    if (!FParent) return;
    for (TMenuItem* Sibling : FParent->FItems)
        if (Sibling != this && Sibling->FRadioItem && Sibling->FGroupIndex == FGroupIndex) Sibling->FChecked = false;
}

TMenuItem* TMenuItem::Items(int32_t Index) const
{
    if (Index < 0 || Index >= Count()) throw EMenuError(QStringLiteral("Menu index out of range"));
    return FItems[static_cast<size_t>(Index)];
}

int32_t TMenuItem::MenuIndex() const
{
    return FParent ? FParent->IndexOf(this) : -1;
}

int32_t TMenuItem::IndexOf(const TMenuItem* Item) const
{
    const auto Found = std::find(FItems.begin(), FItems.end(), Item);
    return Found == FItems.end() ? -1 : static_cast<int32_t>(Found - FItems.begin());
}

void TMenuItem::Add(TMenuItem* Item)
{
    Insert(Count(), Item);
}

void TMenuItem::Insert(int32_t Index, TMenuItem* Item)
{
    if (Item->FParent) throw EMenuError(QStringLiteral("Menu inserted twice"));
    if (Index < 0 || Index > Count()) throw EMenuError(QStringLiteral("Menu index out of range"));
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    if (Item->FChecked && Item->FRadioItem) Item->TurnSiblingsOff();
}

void TMenuItem::Remove(TMenuItem* Item)
{
    const int32_t Index = IndexOf(Item);
    if (Index < 0) throw EMenuError(QStringLiteral("Sub-menu is not in menu"));
    FItems.erase(FItems.begin() + Index);
    Item->FParent = nullptr;
}

void TMenuItem::Delete(int32_t Index)
{
    delete Items(Index);
}

void TMenuItem::Clear()
{
    while (!FItems.empty()) delete FItems.back();
}

TMenuItem* TMenuItem::Find(uint16_t Command)
{
    if (FCommand == Command) return this;
    for (TMenuItem* Item : FItems)
        if (TMenuItem* Found = Item->Find(Command)) return Found;
    return nullptr;
}

void TMenuItem::Click()
{
    if (!FEnabled) return;
    if (FAutoCheck) SetChecked(FRadioItem || !FChecked);
    if (OnClick) OnClick(this);
}

// ---- Pop-up menu ----

TPopupMenu::TPopupMenu(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)),
      FWindowHandle(AllocateHWnd([this](TMessage& Message) { WndProc(Message); }))
{
}

TPopupMenu::~TPopupMenu()
{
    DeallocateHWnd(FWindowHandle);
}

void TPopupMenu::Popup(int32_t X, int32_t Y)
{
    DoPopup(this);
    UINT Flags = FTrackButton == tbLeftButton ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON;
    if (FAlignment == paRight) Flags |= TPM_RIGHTALIGN;
    else if (FAlignment == paCenter) Flags |= TPM_CENTERALIGN;
    HMENU Menu = MenuOfItems(FItems.get());
    TrackPopupMenu(Menu, Flags, X, Y, 0, FWindowHandle, nullptr);
    DestroyMenu(Menu);
}

void TPopupMenu::DoPopup(TObject* Sender)
{
    if (OnPopup) OnPopup(Sender);
}

void TPopupMenu::WndProc(TMessage& Message)
{
    if (Message.Msg != WM_COMMAND) return;
    if (TMenuItem* Item = FItems->Find(LOWORD(Message.WParam))) Item->Click();
}
