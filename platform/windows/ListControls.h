// Combo boxes and list boxes: TCustomComboBox/TComboBox and TCustomListBox/TListBox with their CB_ and LB_ messages.
//
// Both are drawn by the platform over a plain window, as the system draws its own combo and list
// box windows: WM_PAINT paints into the paint cycle's context or into the context the message
// carries, so a descendant can paint around the platform's drawing. The items live in the control
// and are reached through the CB_ / LB_ messages, as they live in the system's window; Items is a
// TStrings that sends those messages. Notifications (CBN_, LBN_) go to the parent window as
// WM_COMMAND and come back to the control as CN_COMMAND; owner drawing and measuring go straight
// to the control as CN_DRAWITEM and CN_MEASUREITEM.
//
// Change events, where the toolkit fires them:
//  - combo box: setting ItemIndex (CB_SETCURSEL) fires nothing. Setting Text in csDropDown and
//    csSimple replaces the edit text and fires OnChange (CBN_EDITCHANGE); the list selection then
//    follows the text only while the list is dropped down (the first item the text begins with),
//    otherwise it is cleared. Setting Text in the list styles does nothing (there is no edit).
//    A choice of the user (list click, arrow keys, Enter in the list, type-ahead) fires OnClick,
//    then OnSelect, or OnChange when OnSelect is not assigned (through CBN_SELCHANGE; the type-ahead
//    of AutoComplete calls them itself). Typing in the edit fires OnChange (CBN_EDITCHANGE).
//    DroppedDown := true fires OnDropDown, false OnCloseUp.
//  - list box: setting ItemIndex or Selected fires nothing; a choice of the user fires OnClick
//    (LBN_SELCHANGE), a double click OnDblClick (LBN_DBLCLK).
// Nothing is notified before the control and its parent have their windows.
#pragma once

#include "rtl/Strings.h"
#include "windows/Controls.h"
#include "windows/StdCtrls.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

// ---- Owner drawing ----
enum : UINT { WM_DRAWITEM = 0x002B, WM_MEASUREITEM = 0x002C, WM_DELETEITEM = 0x002D, WM_COMPAREITEM = 0x0039 };
enum : UINT { ODT_MENU = 1, ODT_LISTBOX = 2, ODT_COMBOBOX = 3, ODT_BUTTON = 4 };
enum : UINT { ODA_DRAWENTIRE = 0x0001, ODA_SELECT = 0x0002, ODA_FOCUS = 0x0004 };
constexpr UINT ODS_SELECTED = 0x0001, ODS_GRAYED = 0x0002, ODS_DISABLED = 0x0004, ODS_CHECKED = 0x0008,
               ODS_FOCUS = 0x0010, ODS_DEFAULT = 0x0020, ODS_HOTLIGHT = 0x0040, ODS_INACTIVE = 0x0080,
               ODS_NOACCEL = 0x0100, ODS_NOFOCUSRECT = 0x0200, ODS_COMBOBOXEDIT = 0x1000;

struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    // The item; -1 (all bits) for the empty edit field of a combo box with no selection.
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    HWND hwndItem = nullptr;
    HDC hDC = nullptr;
    TRect rcItem;
    uintptr_t itemData = 0;
};

struct MEASUREITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    // The item; -1 (all bits) for the edit field of a combo box.
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    uintptr_t itemData = 0;
};

// WM_DRAWITEM and CN_DRAWITEM: LParam points to the DRAWITEMSTRUCT.
struct TWMDrawItem : TMessageView {
    using TMessageView::TMessageView;
    DRAWITEMSTRUCT* DrawItemStruct() const { return reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam); }
};
// WM_MEASUREITEM and CN_MEASUREITEM: LParam points to the MEASUREITEMSTRUCT.
struct TWMMeasureItem : TMessageView {
    using TMessageView::TMessageView;
    MEASUREITEMSTRUCT* MeasureItemStruct() const { return reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam); }
};

// The state of an owner-drawn item; member n stands for bit n of the ODS_ flags.
enum TOwnerDrawStateItem {
    odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive, odNoAccel,
    odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

using TDrawItemEvent = std::function<void(TWinControl* Control, int32_t Index, const TRect& Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, int32_t Index, int32_t& Height)>;

// ---- Combo box messages ----
enum : UINT {
    CB_GETEDITSEL = 0x0140, CB_LIMITTEXT = 0x0141, CB_SETEDITSEL = 0x0142, CB_ADDSTRING = 0x0143,
    CB_DELETESTRING = 0x0144, CB_GETCOUNT = 0x0146, CB_GETCURSEL = 0x0147, CB_GETLBTEXT = 0x0148,
    CB_GETLBTEXTLEN = 0x0149, CB_INSERTSTRING = 0x014A, CB_RESETCONTENT = 0x014B, CB_FINDSTRING = 0x014C,
    CB_SELECTSTRING = 0x014D, CB_SETCURSEL = 0x014E, CB_SHOWDROPDOWN = 0x014F, CB_GETITEMDATA = 0x0150,
    CB_SETITEMDATA = 0x0151, CB_GETDROPPEDCONTROLRECT = 0x0152, CB_SETITEMHEIGHT = 0x0153,
    CB_GETITEMHEIGHT = 0x0154, CB_GETDROPPEDSTATE = 0x0157, CB_FINDSTRINGEXACT = 0x0158, CB_GETTOPINDEX = 0x015B,
    CB_SETTOPINDEX = 0x015C, CB_GETDROPPEDWIDTH = 0x015F, CB_SETDROPPEDWIDTH = 0x0160,
};
constexpr LRESULT CB_OKAY = 0, CB_ERR = -1, CB_ERRSPACE = -2;
// Notification codes of WM_COMMAND from a combo box (high word of WParam).
enum : uint16_t {
    CBN_SELCHANGE = 1, CBN_DBLCLK = 2, CBN_SETFOCUS = 3, CBN_KILLFOCUS = 4, CBN_EDITCHANGE = 5, CBN_EDITUPDATE = 6,
    CBN_DROPDOWN = 7, CBN_CLOSEUP = 8, CBN_SELENDOK = 9, CBN_SELENDCANCEL = 10,
};

// ---- List box messages ----
enum : UINT {
    LB_ADDSTRING = 0x0180, LB_INSERTSTRING = 0x0181, LB_DELETESTRING = 0x0182, LB_RESETCONTENT = 0x0184,
    LB_SETSEL = 0x0185, LB_SETCURSEL = 0x0186, LB_GETSEL = 0x0187, LB_GETCURSEL = 0x0188, LB_GETTEXT = 0x0189,
    LB_GETTEXTLEN = 0x018A, LB_GETCOUNT = 0x018B, LB_SELECTSTRING = 0x018C, LB_GETTOPINDEX = 0x018E,
    LB_FINDSTRING = 0x018F, LB_GETSELCOUNT = 0x0190, LB_SETTOPINDEX = 0x0197, LB_GETITEMRECT = 0x0198,
    LB_GETITEMDATA = 0x0199, LB_SETITEMDATA = 0x019A, LB_SETCARETINDEX = 0x019E, LB_GETCARETINDEX = 0x019F,
    LB_SETITEMHEIGHT = 0x01A0, LB_GETITEMHEIGHT = 0x01A1, LB_FINDSTRINGEXACT = 0x01A2, LB_ITEMFROMPOINT = 0x01A9,
};
constexpr LRESULT LB_OKAY = 0, LB_ERR = -1, LB_ERRSPACE = -2;
// Notification codes of WM_COMMAND from a list box.
enum : uint16_t { LBN_SELCHANGE = 1, LBN_DBLCLK = 2, LBN_SELCANCEL = 3, LBN_SETFOCUS = 4, LBN_KILLFOCUS = 5 };

// ---- Combo box ----
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// A combo box: an edit (csDropDown, csSimple) or a selection field (the list styles) with a list of
// items, dropped down below the control except in csSimple, where it shows under the edit.
//
// Keys: Up, Down, Page Up and Page Down (and, in the list styles, Home and End) move the selection
// while the list is closed as well as while it is open (CBN_SELCHANGE); F4, Alt+Down and Alt+Up
// open and close the list; Enter takes the highlighted item and closes the list, Esc closes it
// leaving the selection as it is. While the list is open the control claims Enter and Esc
// (WM_GETDLGCODE), so a dialog's default and cancel buttons do not take them. In the list styles a
// typed character selects the next item beginning with it. Height: in every style but csSimple
// the control is as high as its edit field plus 6, whatever height it is given.
class TCustomComboBox : public TWinControl {
public:
    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value);
    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* Value) { FItems->Assign(Value); }
    // The selected item; -1 for none.
    int32_t ItemIndex() const;
    void SetItemIndex(int32_t Value);
    // Turning it on sorts the items (the selected index stays); new items then go to their place.
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    // The number of items the dropped-down list shows without scrolling.
    int32_t DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int32_t Value) { FDropDownCount = Value; }
    bool DroppedDown() const;
    void SetDroppedDown(bool Value);
    // The longest text the edit takes; 0 for no limit.
    int32_t MaxLength() const { return FMaxLength; }
    void SetMaxLength(int32_t Value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase Value);
    // The height of the items: the font's in the standard styles, the set one when owner-drawn.
    int32_t ItemHeight() const;
    void SetItemHeight(int32_t Value);
    // The selection of the edit (of the list styles: 0).
    int32_t SelStart() const;
    void SetSelStart(int32_t Value);
    int32_t SelLength() const;
    void SetSelLength(int32_t Value);
    QString SelText() const;
    void SetSelText(const QString& Value);
    void SelectAll();
    // Typing selects the first item that begins with the text typed so far: in the edit styles
    // the edit text is completed from the item with the completion selected; in the list styles
    // the typed characters add up while less than 500 ms lie between them.
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool Value) { FAutoComplete = Value; }
    // With AutoComplete, a typed character opens the list first.
    bool AutoDropDown() const { return FAutoDropDown; }
    void SetAutoDropDown(bool Value) { FAutoDropDown = Value; }
    // Where OnDrawItem draws (bound to the item's context while it runs).
    TCanvas* Canvas() const { return FCanvas.get(); }
    // The edit's window (the edit messages EM_ act on the edit); nil in the list styles.
    HWND EditHandle() const;
    // The window of the list: the dropped-down list's, or the control's own in csSimple.
    HWND ListHandle();

    void AddItem(const QString& Item, TObject* AObject) { FItems->AddObject(Item, AObject); }
    // Empties the text and the items.
    void Clear();
    void ClearSelection() { SetItemIndex(-1); }

    std::function<void(TObject* Sender)> OnChange;
    std::function<void(TObject* Sender)> OnSelect;
    std::function<void(TObject* Sender)> OnDropDown;
    std::function<void(TObject* Sender)> OnCloseUp;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;

protected:
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void KeyPress(QChar& Key) override;

    virtual void Change();
    // OnSelect, or Change when OnSelect is not assigned.
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    // Draws item Index (OnDrawItem, or the text on the filled rectangle) on Canvas.
    virtual void DrawItem(int32_t Index, const TRect& Rect, TOwnerDrawState State);
    virtual void MeasureItem(int32_t Index, int32_t& Height);

    void CNCommand(TWMCommand Message);
    void CNDrawItem(TWMDrawItem Message);
    void CNMeasureItem(TWMMeasureItem Message);

private:
    struct TParts;
    class TDropList;

    bool IsListStyle() const { return FStyle != csDropDown && FStyle != csSimple; }
    bool IsOwnerDraw() const { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }

    TComboBoxStyle FStyle = csDropDown;
    std::unique_ptr<TStrings> FItems;
    std::unique_ptr<TCanvas> FCanvas;
    std::unique_ptr<TParts> FParts;
    bool FSorted = false;
    int32_t FDropDownCount = 8;
    int32_t FMaxLength = 0;
    TEditCharCase FCharCase = ecNormal;
    int32_t FItemHeight = 16;
    bool FAutoComplete = true;
    bool FAutoDropDown = false;
    // The characters typed in quick succession in a list style, and when the last came.
    QString FFilter;
    uint32_t FLastTime = 0;
};

class TComboBox : public TCustomComboBox {
public:
    using TCustomComboBox::TCustomComboBox;
};

// ---- List box ----
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

// A list of items in a sunken frame with a vertical scroll bar when they do not fit.
//
// Keys: Up, Down, Page Up, Page Down, Home and End move the selection (the caret, with
// MultiSelect); with ExtendedSelect, Shift extends the selection from the anchor and Ctrl moves
// the caret alone; Space toggles the caret item of a multiple selection. A click selects (with
// MultiSelect and ExtendedSelect: Ctrl toggles, Shift extends; without ExtendedSelect a click
// toggles) and LBN_SELCHANGE comes with the button's release, for every click; dragging with the
// button down moves the selection along.
class TCustomListBox : public TWinControl {
public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* Value) { FItems->Assign(Value); }
    int32_t Count() const { return FItems->Count(); }
    // The selected item (with MultiSelect: the caret item); -1 for none.
    int32_t ItemIndex() const;
    void SetItemIndex(int32_t Value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool Value) { FExtendedSelect = Value; }
    // Whether item Index is selected (in a single selection list: whether it is ItemIndex).
    bool Selected(int32_t Index) const;
    void SetSelected(int32_t Index, bool Value);
    // The number of selected items; -1 without MultiSelect.
    int32_t SelCount() const;
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle Value);
    // The height of the items: the font's for lbStandard, the set one when owner-drawn.
    int32_t ItemHeight() const;
    void SetItemHeight(int32_t Value);
    // The first item shown.
    int32_t TopIndex() const;
    void SetTopIndex(int32_t Value);
    // With AutoComplete, typed characters in quick succession (less than 500 ms apart) select the
    // first item that begins with them; without it, a character selects the next item beginning with it.
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool Value) { FAutoComplete = Value; }
    TCanvas* Canvas() const { return FCanvas.get(); }

    // The item at Pos (client coordinates); below the last item Count when not Existing, -1 when Existing.
    int32_t ItemAtPos(const TPoint& Pos, bool Existing) const;
    // Where item Index is (as displayed now; an item out of view lies outside the client area);
    // Index = Count gives the place after the last item, others an empty rectangle.
    TRect ItemRect(int32_t Index) const;
    void AddItem(const QString& Item, TObject* AObject) { FItems->AddObject(Item, AObject); }
    void Clear() { FItems->Clear(); }
    void ClearSelection();
    void SelectAll();
    void DeleteSelected();

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    TRect ClientRect() const override;

protected:
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void KeyPress(QChar& Key) override;

    virtual void DrawItem(int32_t Index, const TRect& Rect, TOwnerDrawState State);
    virtual void MeasureItem(int32_t Index, int32_t& Height);
    // Whether the items are drawn through CN_DRAWITEM: the owner-drawn styles; a descendant that
    // draws parts of its own answers true in lbStandard too (the items keep the font's height).
    virtual bool DrawsItems() const { return IsOwnerDraw(); }
    // A mark a descendant keeps with item Index (a check list box's tick): it moves with the item;
    // a new item has none. Index must be valid.
    bool ItemMarked(int32_t Index) const;
    void SetItemMarked(int32_t Index, bool Value);

    void CNCommand(TWMCommand Message);
    void CNDrawItem(TWMDrawItem Message);
    void CNMeasureItem(TWMMeasureItem Message);

private:
    struct TParts;

    bool IsOwnerDraw() const { return FStyle != lbStandard; }

    std::unique_ptr<TStrings> FItems;
    std::unique_ptr<TCanvas> FCanvas;
    std::unique_ptr<TParts> FParts;
    TListBoxStyle FStyle = lbStandard;
    bool FMultiSelect = false;
    bool FExtendedSelect = true;
    bool FSorted = false;
    int32_t FItemHeight = 16;
    bool FAutoComplete = true;
    QString FFilter;
    uint32_t FLastTime = 0;
};

class TListBox : public TCustomListBox {
public:
    using TCustomListBox::TCustomListBox;
};
