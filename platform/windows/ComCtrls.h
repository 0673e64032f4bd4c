// Common controls: the page control with its tab sheets, the track bar, the scroll bar and the date-time picker.
//
// The toolkit keeps TScrollBar with the standard controls; here it lives beside the track bar,
// whose scroll notifications and handling it shares.
//
// Notifications go to the parent window (WM_NOTIFY, WM_HSCROLL, WM_VSCROLL) and come back to the
// control as CN_ messages. Change events, where the toolkit fires them:
//  - page control: a tab the user clicks, an arrow key on the focused tabs and Ctrl+Tab (Shift
//    for backwards) fire OnChanging, which may refuse, then OnChange; setting ActivePage,
//    ActivePageIndex or TabIndex by code fires neither;
//  - track bar: OnChange for every scroll notification of the user (keys, mouse, and the end of
//    each, TB_ENDTRACK, as the toolkit fires it), and for a change of Position by code;
//  - scroll bar: OnScroll for every scroll notification of the user, then OnChange when the
//    position moved; a change of Position by code fires OnChange only;
//  - date-time picker: OnChange for a change of the user (while the calendar is dropped down, once
//    when it closes); a change of Date, Time or DateTime by code fires nothing.
// Nothing is notified before the control and its parent have their windows.
#pragma once

#include "rtl/DateTime.h"
#include "rtl/Exceptions.h"
#include "windows/Controls.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// ---- Tab control messages and notifications ----
enum : UINT {
    TCM_FIRST = 0x1300, TCM_GETITEMCOUNT = TCM_FIRST + 4, TCM_GETITEMRECT = TCM_FIRST + 10, TCM_GETCURSEL = TCM_FIRST + 11,
    TCM_SETCURSEL = TCM_FIRST + 12, TCM_ADJUSTRECT = TCM_FIRST + 40,
};
constexpr UINT TCN_FIRST = 0u - 550u;
constexpr UINT TCN_SELCHANGE = TCN_FIRST - 1;
constexpr UINT TCN_SELCHANGING = TCN_FIRST - 2;

// ---- Track bar notification codes (low word of WM_HSCROLL / WM_VSCROLL) ----
enum : int32_t {
    TB_LINEUP = 0, TB_LINEDOWN = 1, TB_PAGEUP = 2, TB_PAGEDOWN = 3, TB_THUMBPOSITION = 4, TB_THUMBTRACK = 5, TB_TOP = 6,
    TB_BOTTOM = 7, TB_ENDTRACK = 8,
};
enum : UINT { TBM_GETPOS = WM_USER, TBM_SETPOS = WM_USER + 5 };

// ---- Date-time picker messages and notifications ----
struct SYSTEMTIME {
    uint16_t wYear = 0;
    uint16_t wMonth = 0;
    uint16_t wDayOfWeek = 0;
    uint16_t wDay = 0;
    uint16_t wHour = 0;
    uint16_t wMinute = 0;
    uint16_t wSecond = 0;
    uint16_t wMilliseconds = 0;
};
enum : UINT {
    DTM_FIRST = 0x1000, DTM_GETSYSTEMTIME = DTM_FIRST + 1, DTM_SETSYSTEMTIME = DTM_FIRST + 2, DTM_GETRANGE = DTM_FIRST + 3,
    DTM_SETRANGE = DTM_FIRST + 4, DTM_GETMONTHCAL = DTM_FIRST + 8, DTM_SETFORMAT = DTM_FIRST + 50,
};
// The month calendar of a dropped-down picker (DTM_GETMONTHCAL): its styles and its size query.
enum : uint32_t { MCS_WEEKNUMBERS = 0x0004, MCS_NOTODAYCIRCLE = 0x0008, MCS_NOTODAY = 0x0010 };
// MCM_GETMINREQRECT fills the TRect at LParam with the smallest rectangle that shows a whole month.
enum : UINT { MCM_FIRST = 0x1000, MCM_GETMINREQRECT = MCM_FIRST + 9 };
// DTM_GETSYSTEMTIME answers and DTM_SETSYSTEMTIME arguments.
constexpr LRESULT GDT_ERROR = -1, GDT_VALID = 0, GDT_NONE = 1;
// DTM_GETRANGE answers and DTM_SETRANGE arguments: which of the two SYSTEMTIMEs are set.
constexpr LRESULT GDTR_MIN = 1, GDTR_MAX = 2;
constexpr UINT DTN_FIRST = 0u - 740u;
constexpr UINT DTN_DATETIMECHANGE = DTN_FIRST + 1;
constexpr UINT DTN_DROPDOWN = DTN_FIRST + 2;
constexpr UINT DTN_CLOSEUP = DTN_FIRST + 3;

struct NMDATETIMECHANGE {
    NMHDR nmhdr;
    // GDT_VALID, or GDT_NONE when the check box was cleared.
    uint32_t dwFlags = 0;
    SYSTEMTIME st;
};

void DateTimeToSystemTime(TDateTime DateTime, SYSTEMTIME& SystemTime);
TDateTime SystemTimeToDateTime(const SYSTEMTIME& SystemTime);

KT_DECLARE_EXCEPTION(ECommonCalendarError, Exception);

// ---- Page control ----
class TPageControl;

// A page of a page control: a container the page control shows while it is the active page.
class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    // Not owned. Setting it moves the sheet to that page control (the parent too).
    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* Value);
    // The place among the page control's pages.
    int32_t PageIndex() const;
    void SetPageIndex(int32_t Value);
    // The place among the tabs shown; -1 when the tab is hidden.
    int32_t TabIndex() const;
    // A hidden tab leaves the page in place: code can still make it the active page.
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool Value);
    // Becoming a page of a page control.
    void SetParent(TWinControl* AParent) override;

    std::function<void(TObject* Sender)> OnShow;
    std::function<void(TObject* Sender)> OnHide;

protected:
    void Dispatch(TMessage& Message) override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};

// Tabs along the top over a raised panel, each tab a visible page; the active page fills the panel.
class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int32_t PageCount() const { return static_cast<int32_t>(FPages.size()); }
    TTabSheet* Pages(int32_t Index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    // Shows Page (which must be one of this control's pages, or nil) and selects its tab, if it has one.
    void SetActivePage(TTabSheet* Page);
    // Showing a control on one of the pages makes that page the active one.
    void ShowControl(TControl* AControl) override;
    int32_t ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }
    void SetActivePageIndex(int32_t Value);
    // The selected tab; -1 for none (also while a page without tab is active).
    int32_t TabIndex() const;
    // Selects the tab only: the active page stays, as with the toolkit's page control.
    void SetTabIndex(int32_t Value);
    // The area the pages fill, in client coordinates.
    TRect DisplayRect() const;
    // Where tab Index shows.
    TRect TabRect(int32_t Index) const;
    // The page after (or before) CurPage, going round; with CheckTabVisible only pages with a tab.
    TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const;
    // What Ctrl+Tab does: OnChanging, then the next page becomes active and OnChange fires.
    void SelectNextPage(bool GoForward, bool CheckTabVisible = true);

    std::function<void(TObject* Sender)> OnChange;
    std::function<void(TObject* Sender, bool& AllowChange)> OnChanging;

protected:
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void AdjustClientRect(TRect& Rect) override;

    // OnChanging: whether the tab may change.
    virtual bool CanChange();
    // Shows the page of the tab now selected, then OnChange.
    virtual void Change();

private:
    friend class TTabSheet;
    struct TTab {
        TTabSheet* Page;
        TRect Rect;
    };

    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void ChangeActivePage(TTabSheet* Page);
    // The pages with a tab, in order, with the places of their tabs.
    std::vector<TTab> Tabs() const;
    void UpdateTabs();
    void CNNotify(TWMNotify Message);
    void CMDialogKey(TWMKey Message);
    // The user's move to tab Index: TCN_SELCHANGING, and unless refused the selection and TCN_SELCHANGE.
    void ChooseTab(int32_t Index);
    void Paint(HDC DC);

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
    TTabSheet* FSelectedTab = nullptr;
};

// ---- Track bar ----
enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

// A thumb on a channel between Min and Max. Keys: Right and Down add LineSize, Left and Up take
// it away, Page Down and Page Up the same with PageSize, Home and End go to Min and Max; each key
// notifies its TB_ code, and its release TB_ENDTRACK. A vertical track bar has Min at the top.
class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* AOwner);
    ~TTrackBar() override;

    int32_t Min() const { return FMin; }
    void SetMin(int32_t Value);
    int32_t Max() const { return FMax; }
    void SetMax(int32_t Value);
    // Kept within Min..Max.
    int32_t Position() const { return FPosition; }
    void SetPosition(int32_t Value);
    // The spacing of the ticks of tsAuto.
    int32_t Frequency() const { return FFrequency; }
    void SetFrequency(int32_t Value);
    int32_t LineSize() const { return FLineSize; }
    void SetLineSize(int32_t Value);
    int32_t PageSize() const { return FPageSize; }
    void SetPageSize(int32_t Value);
    TTrackBarOrientation Orientation() const { return FOrientation; }
    // Turning the track bar swaps its width and height.
    void SetOrientation(TTrackBarOrientation Value);
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark Value);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle Value);

    std::function<void(TObject* Sender)> OnChange;

protected:
    void CreateWindowWidget(TWidgetRequest& Request) override;
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    virtual void Changed();

private:
    struct TParts;
    void UpdateSlider();

    int32_t FMin = 0;
    int32_t FMax = 10;
    int32_t FPosition = 0;
    int32_t FFrequency = 1;
    int32_t FLineSize = 1;
    int32_t FPageSize = 2;
    TTrackBarOrientation FOrientation = trHorizontal;
    TTickMark FTickMarks = tmBottomRight;
    TTickStyle FTickStyle = tsAuto;
    std::unique_ptr<TParts> FParts;
};

// ---- Scroll bar ----
enum TScrollBarKind { sbHorizontal, sbVertical };
// The scroll codes, in the order of the SB_ codes.
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

// A scroll bar control. As the system's scroll bar it does not move by itself: its scroll
// notifications (WM_HSCROLL / WM_VSCROLL) come back as CN_HSCROLL / CN_VSCROLL, where OnScroll may
// change the position the code leads to, which then becomes Position. Keys: Left and Up scroll a
// line back, Right and Down a line on, Page Up and Page Down a page, Home and End to the ends;
// their release ends the scroll (scEndScroll).
class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TComponent* AOwner);
    ~TScrollBar() override;

    TScrollBarKind Kind() const { return FKind; }
    // Turning the bar swaps its width and height.
    void SetKind(TScrollBarKind Value);
    int32_t Min() const { return FMin; }
    void SetMin(int32_t Value) { SetParams(FPosition, Value, FMax); }
    int32_t Max() const { return FMax; }
    void SetMax(int32_t Value) { SetParams(FPosition, FMin, Value); }
    int32_t Position() const { return FPosition; }
    void SetPosition(int32_t Value) { SetParams(Value, FMin, FMax); }
    // Sets all three; EInvalidOperation "Scroll bar property out of range" when AMax is below AMin
    // or below PageSize. The position is kept within the range; OnChange fires when it moves.
    void SetParams(int32_t APosition, int32_t AMin, int32_t AMax);
    int32_t SmallChange() const { return FSmallChange; }
    void SetSmallChange(int32_t Value) { FSmallChange = Value; }
    int32_t LargeChange() const { return FLargeChange; }
    void SetLargeChange(int32_t Value);
    // The visible part of the range the thumb stands for; 0 for a thumb of fixed size. The
    // highest position the user can reach is Max - PageSize + 1.
    int32_t PageSize() const { return FPageSize; }
    void SetPageSize(int32_t Value);

    std::function<void(TObject* Sender)> OnChange;
    std::function<void(TObject* Sender, TScrollCode ScrollCode, int32_t& ScrollPos)> OnScroll;

protected:
    void CreateWindowWidget(TWidgetRequest& Request) override;
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    virtual void Change();
    virtual void Scroll(TScrollCode ScrollCode, int32_t& ScrollPos);

private:
    struct TParts;
    void DoScroll(TWMScroll Message);
    void UpdateBar();

    TScrollBarKind FKind = sbHorizontal;
    int32_t FMin = 0;
    int32_t FMax = 100;
    int32_t FPosition = 0;
    int32_t FSmallChange = 1;
    int32_t FLargeChange = 1;
    int32_t FPageSize = 0;
    std::unique_ptr<TParts> FParts;
};

// ---- Date-time picker ----
enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };
enum TDTDateFormat { dfShort, dfLong };

// A date (with a drop-down calendar in dmComboBox, up-down arrows in dmUpDown) or a time (with
// up-down arrows), edited field by field. Without a Format the text follows the format settings:
// ShortDateFormat or LongDateFormat (DateFormat) for a date, LongTimeFormat for a time. F4 and
// Alt+Down open the calendar. Left and Right (also posted as WM_KEYDOWN) move to the field before
// or after, round the ends, and a click selects the field under it; digits edit the current field
// as the system's picker does, without moving on (a four-digit year is taken at its fourth digit).
// The window text is the text shown.
class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);
    ~TDateTimePicker() override;

    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind Value);
    TDateTime DateTime() const { return FDateTime; }
    // ECommonCalendarError when the date lies outside MinDate..MaxDate (those that are not 0).
    void SetDateTime(TDateTime Value);
    // The date part; setting it keeps the time.
    TDateTime Date() const;
    void SetDate(TDateTime Value);
    // The time part; setting it keeps the date.
    TDateTime Time() const;
    void SetTime(TDateTime Value);
    TDTDateFormat DateFormat() const { return FDateFormat; }
    void SetDateFormat(TDTDateFormat Value);
    TDTDateMode DateMode() const { return FDateMode; }
    void SetDateMode(TDTDateMode Value);
    // A picture of the system's picker (d dd ddd dddd M MM MMM MMMM y yy yyyy h hh H HH m mm s ss t
    // tt, text in single quotes); empty for the format settings' formats.
    const QString& Format() const { return FFormat; }
    void SetFormat(const QString& Value);
    // A check box before the value; cleared, the picker holds no value.
    bool ShowCheckbox() const { return FShowCheckbox; }
    void SetShowCheckbox(bool Value);
    bool Checked() const { return FChecked; }
    // With the check box, goes through DTM_SETSYSTEMTIME (the value, or GDT_NONE to clear it).
    void SetChecked(bool Value);
    // 0 for no limit.
    TDateTime MinDate() const { return FMinDate; }
    void SetMinDate(TDateTime Value);
    TDateTime MaxDate() const { return FMaxDate; }
    void SetMaxDate(TDateTime Value);
    // True while the calendar is dropped down.
    bool DroppedDown() const { return FDroppedDown; }
    // The calendar's "Today" line, the circle round today's date and the week numbers; the
    // calendar takes them as MCS_ styles when it is dropped down.
    bool ShowToday() const { return FShowToday; }
    void SetShowToday(bool Value) { FShowToday = Value; }
    bool ShowTodayCircle() const { return FShowTodayCircle; }
    void SetShowTodayCircle(bool Value) { FShowTodayCircle = Value; }
    bool WeekNumbers() const { return FWeekNumbers; }
    void SetWeekNumbers(bool Value) { FWeekNumbers = Value; }

    std::function<void(TObject* Sender)> OnChange;
    std::function<void(TObject* Sender)> OnDropDown;
    std::function<void(TObject* Sender)> OnCloseUp;

protected:
    void CreateWindowWidget(TWidgetRequest& Request) override;
    void CreateWnd() override;
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    virtual void Change();
    virtual void DropDown();
    virtual void CloseUp();

private:
    struct TParts;
    void CNNotify(TWMNotify Message);
    // Shows the value, format, range and check box in the window.
    void UpdatePicker();

    TDateTimeKind FKind = dtkDate;
    TDateTime FDateTime = 0;
    TDTDateFormat FDateFormat = dfShort;
    TDTDateMode FDateMode = dmComboBox;
    QString FFormat;
    bool FShowCheckbox = false;
    bool FChecked = true;
    TDateTime FMinDate = 0;
    TDateTime FMaxDate = 0;
    bool FDroppedDown = false;
    bool FShowToday = true;
    bool FShowTodayCircle = true;
    bool FWeekNumbers = false;
    // A change made while the calendar was dropped down, taken when it closes.
    bool FChangedWhileDropped = false;
    TDateTime FDroppedValue = 0;
    std::unique_ptr<TParts> FParts;
};
