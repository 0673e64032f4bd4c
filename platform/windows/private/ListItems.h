// The items of the list controls (combo box and list box): the item store, the column of items
// they draw and scroll, the owner-draw calls and the Items that reach the control by messages.
#pragma once

#include "rtl/Strings.h"
#include "windows/ListControls.h"

#include <QPointer>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QScrollBar;
class TCanvas;

namespace WindowsInternal {

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
    // A list box descendant's mark (a check list box's tick).
    bool Marked = false;
};
using TItemList = std::vector<TListItem>;

inline int32_t CountOf(const TItemList& Items)
{
    return static_cast<int32_t>(Items.size());
}

// Where a new item goes in a sorted list: after the items that are not greater than it, compared
// without regard to case.
int32_t SortedPosition(const TItemList& Items, const QString& Text);

// The first item after Start (from the top when Start is -1 or out of range), going round to Start
// itself, whose text begins with Text, or equals it when Exact, without regard to case; -1 for none.
int32_t FindItem(const TItemList& Items, int32_t Start, const QString& Text, bool Exact);

// The text a message carries in LParam (a NUL-terminated UTF-16 string).
QString MessageText(LPARAM LParam);

// Copies Text with a terminating NUL into the buffer in LParam; returns its length.
LRESULT CopyToBuffer(const QString& Text, LPARAM LParam);

// Where a navigation key moves the selection from Current (-1: none, which the arrow and page
// keys leave for the first item) in a list of Count items; Page items make a page.
int32_t MoveTarget(uint16_t Key, int32_t Current, int32_t Page, int32_t Count);

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
    void Create(HWND Wnd, std::function<void(int32_t)> OnScroll);
    // Shows the bar along the right edge of Client (widget coordinates) while MaxTop is above 0.
    void Update(const QRect& Client, int32_t MaxTop, int32_t Page, int32_t Top);
    bool Visible() const;

private:
    QPointer<QScrollBar> FBar;
};

// Has item Index (-1 for an empty combo box field) drawn on DC: by the control's CN_DRAWITEM when
// owner-drawn, else as the system draws it.
void DrawListItem(TWinControl* Control, UINT CtlType, bool OwnerDraw, HDC DC, const TItemList& Items, int32_t Index,
                  const TRect& Rect, UINT State);

// Draws the items of Column that show in its area, each in the state StateOf gives it, and fills
// the rest of the area with the control's colour.
void PaintColumn(TWinControl* Control, UINT CtlType, bool OwnerDraw, HDC DC, const TItemColumn& Column,
                 const std::function<UINT(int32_t)>& StateOf);

// The owner-draw handling the combo box and the list box share (CN_DRAWITEM): Canvas drawn on the
// item's context with the control's font and brush, the highlight colours for a selected item,
// Draw for a real item or a filled rectangle, and the focus rectangle on top.
void HandleDrawItem(TWinControl* Control, TCanvas* Canvas, const DRAWITEMSTRUCT& DrawItem,
                    const std::function<void(int32_t Index, const TRect& Rect, TOwnerDrawState State)>& Draw);

// The owner-measure handling they share (CN_MEASUREITEM): the set item height, which a variable
// style lets Measure change.
void HandleMeasureItem(MEASUREITEMSTRUCT& MeasureItem, int32_t ItemHeight, bool Variable,
                       const std::function<void(int32_t Index, int32_t& Height)>& Measure);

// Asks Control for the height of item Index (-1: a combo box's edit field) through CN_MEASUREITEM.
int32_t MeasureOwnerItem(TWinControl* Control, UINT CtlType, int32_t Index, uintptr_t Data);

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

}  // namespace WindowsInternal
