// Menus: TMenuItem and TPopupMenu, shortcuts, and the system's pop-up menu functions they stand on.
//
// A pop-up menu runs its own loop until the user chooses an item or dismisses it, as the system's
// does. The choice is posted to the menu's owner window as WM_COMMAND, so a TPopupMenu's Popup
// returns first and the chosen item's OnClick runs afterwards, from the message queue, with the
// menu already closed. While the menu shows, keys and clicks go to it; a test drives it with the
// same input functions, from a call queued before Popup.
#pragma once

#include "rtl/Component.h"
#include "rtl/Exceptions.h"
#include "windows/Controls.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// ---- Shortcuts ----
// A key with its shift keys: the virtual key in the low byte, scShift, scCtrl and scAlt above.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(uint16_t Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, uint16_t& Key, TShiftState& Shift);
// "Ctrl+Shift+F5", "Alt+Ins", "Ctrl+A"; empty for a key without a name.
QString ShortCutToText(TShortCut ShortCut);
// The shortcut a text names (the names ShortCutToText writes, without regard to case); scNone otherwise.
TShortCut TextToShortCut(const QString& Text);

// ---- The system's pop-up menus ----
struct HMENU__;
using HMENU = HMENU__*;

enum : UINT {
    MF_STRING = 0x0000, MF_ENABLED = 0x0000, MF_UNCHECKED = 0x0000, MF_GRAYED = 0x0001, MF_DISABLED = 0x0002,
    MF_CHECKED = 0x0008, MF_POPUP = 0x0010, MF_RADIOCHECK = 0x0200, MF_SEPARATOR = 0x0800, MF_DEFAULT = 0x1000,
};
enum : UINT {
    TPM_LEFTBUTTON = 0x0000, TPM_RIGHTBUTTON = 0x0002, TPM_LEFTALIGN = 0x0000, TPM_CENTERALIGN = 0x0004,
    TPM_RIGHTALIGN = 0x0008, TPM_TOPALIGN = 0x0000, TPM_VCENTERALIGN = 0x0010, TPM_BOTTOMALIGN = 0x0020,
    TPM_NONOTIFY = 0x0080, TPM_RETURNCMD = 0x0100,
};

HMENU CreatePopupMenu();
// Adds an item: a text with its command IDNewItem, a separator (MF_SEPARATOR), or with MF_POPUP
// the menu IDNewItem (an HMENU, which the menu then owns) as submenu. In a text "&" marks the
// accelerator and a tab puts the rest (the shortcut) in a column of its own.
bool AppendMenu(HMENU Menu, UINT Flags, UINT_PTR IDNewItem, const QString& NewItem);
int32_t GetMenuItemCount(HMENU Menu);
// Frees the menu and its submenus.
bool DestroyMenu(HMENU Menu);
// Shows Menu with its corner at (X, Y) (screen; TPM_ alignment flags choose which corner) and
// runs it until it closes. With TPM_RETURNCMD the chosen command comes back (0 for none);
// otherwise WM_COMMAND with the command in the low word of WParam is posted to Wnd (unless
// TPM_NONOTIFY) and the result is nonzero.
int32_t TrackPopupMenu(HMENU Menu, UINT Flags, int32_t X, int32_t Y, int32_t Reserved, HWND Wnd, const TRect* Rect);

// ---- Menu items ----
// An item of a menu, and the menu of its own items. A caption of "-" makes a separator. The items
// an item holds are freed with it; an item freed by its owner leaves its parent first.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value) { FCaption = Value; }
    // Checking a radio item clears the other radio items of its group among its siblings.
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    // Click turns Checked over (a radio item: on).
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value) { FAutoCheck = Value; }
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value);
    uint8_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(uint8_t Value) { FGroupIndex = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    // Shown in bold; the item a double click would choose.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value) { FDefault = Value; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value) { FShortCut = Value; }
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t Value) { FImageIndex = Value; }
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    // The command a menu's WM_COMMAND names the item by; unique among the items that live.
    uint16_t Command() const { return FCommand; }
    bool IsLine() const { return FCaption == QStringLiteral("-"); }

    // ---- The items it holds ----
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    TMenuItem* Items(int32_t Index) const;
    // Not owned: the item that holds this one; nil for a menu's root.
    TMenuItem* Parent() const { return FParent; }
    int32_t MenuIndex() const;
    int32_t IndexOf(const TMenuItem* Item) const;
    // Takes Item (from the item that held it); EMenuError when it is in a menu already.
    void Add(TMenuItem* Item);
    void Insert(int32_t Index, TMenuItem* Item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem* Item);
    // Frees item Index.
    void Delete(int32_t Index);
    // Frees every item.
    void Clear();
    // The item, among these and all below them, whose Command is Command; nil for none.
    TMenuItem* Find(uint16_t Command);

    // What choosing the item does: AutoCheck, then OnClick; nothing when disabled.
    virtual void Click();

    std::function<void(TObject* Sender)> OnClick;

private:
    void TurnSiblingsOff();

    QString FCaption;
    bool FChecked = false;
    bool FAutoCheck = false;
    bool FRadioItem = false;
    uint8_t FGroupIndex = 0;
    bool FEnabled = true;
    bool FVisible = true;
    bool FDefault = false;
    TShortCut FShortCut = scNone;
    int32_t FImageIndex = -1;
    QString FHint;
    uint16_t FCommand;
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
};

KT_DECLARE_EXCEPTION(EMenuError, Exception);

// ---- Pop-up menu ----
enum TPopupAlignment { paLeft, paRight, paCenter };
enum TTrackButton { tbRightButton, tbLeftButton };

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    // The root item: the menu's items are its items.
    TMenuItem* Items() const { return FItems.get(); }
    // Whether a control shows the menu by itself on a right click (WM_CONTEXTMENU).
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    // Which side of the menu Popup's point is.
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
    TTrackButton TrackButton() const { return FTrackButton; }
    void SetTrackButton(TTrackButton Value) { FTrackButton = Value; }
    // Not owned: the component the menu was last shown for.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value) { FPopupComponent = Value; }
    // The window the menu's choices come to.
    HWND WindowHandle() const { return FWindowHandle; }

    // OnPopup, then the menu at (X, Y), screen coordinates, until it closes. The visible items
    // show; separators at either end and next to each other are left out. The chosen item's
    // Click runs after Popup has returned.
    virtual void Popup(int32_t X, int32_t Y);

    std::function<void(TObject* Sender)> OnPopup;

protected:
    virtual void DoPopup(TObject* Sender);

private:
    void WndProc(TMessage& Message);

    std::unique_ptr<TMenuItem> FItems;
    bool FAutoPopup = true;
    TPopupAlignment FAlignment = paLeft;
    TTrackButton FTrackButton = tbRightButton;
    TComponent* FPopupComponent = nullptr;
    HWND FWindowHandle = nullptr;
};
