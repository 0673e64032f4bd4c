// Page control, track bar, scroll bar and date-time picker: user and programmatic changes, keys, notifications, and the rendered stock lists.
#include "support/Artifacts.h"
#include "support/Input.h"
#include "support/LayerInternals.h"
#include "support/Render.h"
#include "Recorder.h"

#include "rtl/DateTime.h"
#include "rtl/Strings.h"
#include "windows/ComCtrls.h"
#include "windows/ListControls.h"
#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <functional>

namespace {

QColor ColorOf(TColor Color)
{
    const auto Rgb = static_cast<COLORREF>(ColorToRGB(Color));
    return QColor(GetRValue(Rgb), GetGValue(Rgb), GetBValue(Rgb));
}

// A form that writes down the scroll codes its controls send.
class TScrollForm : public TForm {
public:
    using TForm::TForm;
    QList<int32_t> Codes;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_HSCROLL || Message.Msg == WM_VSCROLL) Codes.append(TWMScroll(Message).ScrollCode());
        TForm::Dispatch(Message);
    }
};

// ---- Page control ----

// The middle of tab Index.
TPoint TabPoint(const TPageControl* Pages, int32_t Index)
{
    return CenterPoint(Pages->TabRect(Index));
}

class PageControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(320, 240);
        Pages = Place<TPageControl>(Form.get(), Bounds(10, 10, 289, 193));
        for (const char* Caption : {"&General", "Network", "Advanced"}) {
            auto* Sheet = New<TTabSheet>(Form.get());
            Sheet->SetPageControl(Pages);
            Sheet->SetCaption(QString::fromUtf8(Caption));
            Fields.push_back(Place<TEdit>(Sheet, Bounds(8, 8, 100, 21)));
        }
        Pages->Pages(2)->SetTabVisible(false);
        Pages->SetActivePage(Pages->Pages(0));
        Pages->OnChanging = [this](TObject*, bool& Allow) {
            Log.append(QStringLiteral("OnChanging"));
            Allow = AllowChange;
        };
        Pages->OnChange = [this](TObject*) { Log.append(QStringLiteral("OnChange")); };
        Form->Show();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
    TPageControl* Pages = nullptr;
    std::vector<TEdit*> Fields;
    QStringList Log;
    bool AllowChange = true;
};

TEST_F(PageControlTest, PagesAreTabSheetsParentedToThePageControl)
{
    ASSERT_EQ(Pages->PageCount(), 3);
    for (int32_t I = 0; I < 3; ++I) {
        EXPECT_EQ(Pages->Pages(I)->Parent(), Pages);
        EXPECT_EQ(Pages->Pages(I)->PageControl(), Pages);
        EXPECT_EQ(Pages->Pages(I)->PageIndex(), I);
    }
    EXPECT_EQ(Pages->Perform(TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(Pages->Pages(1)->TabIndex(), 1);
    EXPECT_EQ(Pages->Pages(2)->TabIndex(), -1);
    EXPECT_EQ(Pages->Pages(0)->BoundsRect(), Pages->DisplayRect());
    EXPECT_TRUE(Pages->Pages(0)->Showing());
    EXPECT_FALSE(Pages->Pages(1)->Showing());
}

TEST_F(PageControlTest, TheDisplayAreaLiesInsideThePanelUnderTheTabs)
{
    const int32_t TabBottom = Pages->TabRect(0).Bottom;
    EXPECT_EQ(Pages->DisplayRect(), Rect(4, TabBottom + 4, Pages->Width() - 4, Pages->Height() - 4));
    EXPECT_EQ(Pages->TabRect(0).Top, 2);
    EXPECT_EQ(Pages->TabRect(1).Left, Pages->TabRect(0).Right);
}

TEST_F(PageControlTest, AHiddenPageIsReachedByCodeAndShowsNoTab)
{
    Pages->SetActivePage(Pages->Pages(2));
    EXPECT_EQ(Pages->ActivePage(), Pages->Pages(2));
    EXPECT_EQ(Pages->ActivePageIndex(), 2);
    EXPECT_EQ(Pages->TabIndex(), -1);
    EXPECT_TRUE(Pages->Pages(2)->Showing());
    EXPECT_FALSE(Pages->Pages(0)->Showing());
    EXPECT_TRUE(Log.isEmpty());
    // Its tab would come after the others; there is none to click.
    EXPECT_EQ(Pages->TabRect(2), TRect());
}

struct TPageChangeCase {
    const char* Name;
    std::function<void(TPageControl*)> Act;
    bool Allow;
    QStringList Events;
    int32_t ActivePage;

    friend void PrintTo(const TPageChangeCase& Case, std::ostream* Out) { *Out << Case.Name; }
};

class PageChangeTest : public PageControlTest, public ::testing::WithParamInterface<TPageChangeCase> {};

TEST_P(PageChangeTest, FiresTheEventsOfTheToolkit)
{
    const TPageChangeCase& Case = GetParam();
    AllowChange = Case.Allow;
    Case.Act(Pages);
    EXPECT_EQ(Log, Case.Events);
    EXPECT_EQ(Pages->ActivePageIndex(), Case.ActivePage);
    EXPECT_EQ(Pages->Pages(Case.ActivePage)->Showing(), true);
}

const QStringList PageChange{"OnChanging", "OnChange"};

INSTANTIATE_TEST_SUITE_P(
    Changes, PageChangeTest,
    ::testing::Values(
        TPageChangeCase{"ActivePageByCode", [](TPageControl* P) { P->SetActivePage(P->Pages(1)); }, true, {}, 1},
        TPageChangeCase{"ActivePageIndexByCode", [](TPageControl* P) { P->SetActivePageIndex(1); }, true, {}, 1},
        TPageChangeCase{"TabIndexByCodeMovesOnlyTheTab", [](TPageControl* P) { P->SetTabIndex(1); }, true, {}, 0},
        TPageChangeCase{"ClickOnATab", [](TPageControl* P) { Input::Click(P, TabPoint(P, 1)); }, true,
                        PageChange, 1},
        TPageChangeCase{"ClickOnTheSelectedTab", [](TPageControl* P) { Input::Click(P, TabPoint(P, 0)); },
                        true, {}, 0},
        TPageChangeCase{"RefusedClick", [](TPageControl* P) { Input::Click(P, TabPoint(P, 1)); }, false,
                        {"OnChanging"}, 0},
        TPageChangeCase{"CtrlTab", [](TPageControl*) { Input::PressKey(VK_TAB, {ssCtrl}); }, true, PageChange, 1},
        TPageChangeCase{"CtrlTabGoesRoundPastTheHiddenPage",
                        [](TPageControl* P) {
                            P->SetActivePage(P->Pages(1));
                            Input::PressKey(VK_TAB, {ssCtrl});
                        },
                        true, PageChange, 0},
        TPageChangeCase{"CtrlShiftTab", [](TPageControl*) { Input::PressKey(VK_TAB, {ssCtrl, ssShift}); }, true,
                        PageChange, 1},
        TPageChangeCase{"CtrlTabRefused", [](TPageControl*) { Input::PressKey(VK_TAB, {ssCtrl}); }, false,
                        {"OnChanging"}, 0},
        TPageChangeCase{"RightKeyOnTheTabs",
                        [](TPageControl* P) {
                            P->SetFocus();
                            Input::PressKey(VK_RIGHT);
                        },
                        true, PageChange, 1}),
    [](const ::testing::TestParamInfo<TPageChangeCase>& Info) { return std::string(Info.param.Name); });

TEST_F(PageControlTest, TheFocusFollowsTheUserToTheNewPage)
{
    Fields[0]->SetFocus();
    Input::PressKey(VK_TAB, {ssCtrl});
    EXPECT_EQ(Pages->ActivePageIndex(), 1);
    EXPECT_TRUE(Fields[1]->Focused());
    EXPECT_FALSE(Fields[0]->Showing());
}

TEST_F(PageControlTest, RemovingTheActivePageShowsTheNextOne)
{
    delete Pages->Pages(0);
    EXPECT_EQ(Pages->PageCount(), 2);
    EXPECT_EQ(Pages->ActivePage(), Pages->Pages(0));
    EXPECT_EQ(Pages->Pages(0)->Caption(), QStringLiteral("Network"));
    EXPECT_TRUE(Pages->Pages(0)->Showing());
}

TEST_F(PageControlTest, TheSelectedTabStandsAboveTheOthers)
{
    const QImage Image = RenderControl(Pages);
    const QColor Light = ColorOf(clBtnHighlight);
    const TPoint First = TabPoint(Pages, 0);
    const TPoint Second = TabPoint(Pages, 1);
    EXPECT_EQ(Image.pixelColor(First.X, 0), Light);
    EXPECT_NE(Image.pixelColor(Second.X, 0), Light);
    EXPECT_EQ(Image.pixelColor(Second.X, 2), Light);
}

// ---- Track bar ----

class TrackBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm<TScrollForm>(320, 120);
        Track = Place<TTrackBar>(Form.get(), Bounds(10, 10, 150, 45));
        Track->OnChange = [this](TObject*) { Changes.append(Track->Position()); };
        Form->Show();
        Track->SetFocus();
        ProcessPendingEvents();
    }

    std::unique_ptr<TScrollForm> Form;
    TTrackBar* Track = nullptr;
    QList<int32_t> Changes;
};

TEST_F(TrackBarTest, PositionByCodeFiresOnChangeWhenItMoves)
{
    Track->SetPosition(4);
    Track->SetPosition(4);
    Track->SetPosition(25);
    EXPECT_EQ(Track->Position(), 10);
    EXPECT_EQ(Changes, (QList<int32_t>{4, 10}));
    EXPECT_TRUE(Form->Codes.isEmpty());
    Track->SetMax(6);
    EXPECT_EQ(Track->Position(), 6);
    EXPECT_EQ(Changes.size(), 2);
}

struct TTrackKeyCase {
    const char* Name;
    TTrackBarOrientation Orientation;
    uint16_t Key;
    int32_t Code;
    int32_t Position;

    friend void PrintTo(const TTrackKeyCase& Case, std::ostream* Out) { *Out << Case.Name; }
};

class TrackBarKeyTest : public TrackBarTest, public ::testing::WithParamInterface<TTrackKeyCase> {};

TEST_P(TrackBarKeyTest, AKeyMovesTheThumbAndNotifiesItsCodeThenTheEnd)
{
    const TTrackKeyCase& Case = GetParam();
    Track->SetOrientation(Case.Orientation);
    Track->SetPosition(5);
    Changes.clear();
    Input::PressKey(Case.Key);
    EXPECT_EQ(Track->Position(), Case.Position);
    EXPECT_EQ(Form->Codes, (QList<int32_t>{Case.Code, TB_ENDTRACK}));
    EXPECT_EQ(Changes, (QList<int32_t>{Case.Position, Case.Position}));
}

INSTANTIATE_TEST_SUITE_P(Keys, TrackBarKeyTest,
                         ::testing::Values(TTrackKeyCase{"Right", trHorizontal, VK_RIGHT, TB_LINEDOWN, 6},
                                           TTrackKeyCase{"Left", trHorizontal, VK_LEFT, TB_LINEUP, 4},
                                           TTrackKeyCase{"Up", trHorizontal, VK_UP, TB_LINEUP, 4},
                                           TTrackKeyCase{"DownOnAVerticalBar", trVertical, VK_DOWN, TB_LINEDOWN, 6},
                                           TTrackKeyCase{"PageDown", trHorizontal, VK_NEXT, TB_PAGEDOWN, 7},
                                           TTrackKeyCase{"PageUp", trHorizontal, VK_PRIOR, TB_PAGEUP, 3},
                                           TTrackKeyCase{"Home", trHorizontal, VK_HOME, TB_TOP, 0},
                                           TTrackKeyCase{"End", trHorizontal, VK_END, TB_BOTTOM, 10}),
                         [](const ::testing::TestParamInfo<TTrackKeyCase>& Info) { return std::string(Info.param.Name); });

TEST_F(TrackBarTest, DraggingTheThumbTracksItAndEndsTheTrack)
{
    // The thumb sits at the left end.
    Input::Drag(Track, {5, Track->Height() / 2}, {Track->Width() - 5, Track->Height() / 2});
    EXPECT_EQ(Track->Position(), 10);
    ASSERT_GE(Form->Codes.size(), 3);
    EXPECT_EQ(Form->Codes.front(), TB_THUMBTRACK);
    EXPECT_EQ(Form->Codes.mid(Form->Codes.size() - 2), (QList<int32_t>{TB_THUMBPOSITION, TB_ENDTRACK}));
    EXPECT_EQ(Changes.back(), 10);
}

// ---- Scroll bar ----

class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm<TScrollForm>(320, 120);
        Bar = Place<TScrollBar>(Form.get(), Bounds(10, 10, 200, 17));
        Bar->SetLargeChange(10);
        Bar->OnChange = [this](TObject*) { Log.append(QStringLiteral("OnChange %1").arg(Bar->Position())); };
        Bar->OnScroll = [this](TObject*, TScrollCode Code, int32_t& Pos) {
            Log.append(QStringLiteral("OnScroll %1 %2").arg(Code).arg(Pos));
            if (Limit >= 0) Pos = std::min(Pos, Limit);
        };
        Form->Show();
        Bar->SetFocus();
        ProcessPendingEvents();
    }

    std::unique_ptr<TScrollForm> Form;
    TScrollBar* Bar = nullptr;
    QStringList Log;
    int32_t Limit = -1;
};

TEST_F(ScrollBarTest, PositionByCodeFiresOnChangeOnly)
{
    Bar->SetPosition(30);
    Bar->SetPosition(30);
    Bar->SetPosition(300);
    EXPECT_EQ(Bar->Position(), 100);
    EXPECT_EQ(Log, (QStringList{"OnChange 30", "OnChange 100"}));
    EXPECT_THROW(Bar->SetParams(0, 10, 5), EInvalidOperation);
}

struct TScrollKeyCase {
    const char* Name;
    uint16_t Key;
    TScrollCode Code;
    int32_t Position;

    friend void PrintTo(const TScrollKeyCase& Case, std::ostream* Out) { *Out << Case.Name; }
};

class ScrollBarKeyTest : public ScrollBarTest, public ::testing::WithParamInterface<TScrollKeyCase> {};

TEST_P(ScrollBarKeyTest, AKeyScrollsThroughOnScrollAndEndsTheScroll)
{
    const TScrollKeyCase& Case = GetParam();
    Bar->SetPosition(50);
    Log.clear();
    Input::PressKey(Case.Key);
    EXPECT_EQ(Bar->Position(), Case.Position);
    EXPECT_EQ(Log, (QStringList{QStringLiteral("OnScroll %1 %2").arg(Case.Code).arg(Case.Position),
                                QStringLiteral("OnChange %1").arg(Case.Position), QStringLiteral("OnScroll %1 %2").arg(scEndScroll).arg(Case.Position)}));
    EXPECT_EQ(Form->Codes, (QList<int32_t>{Case.Code, SB_ENDSCROLL}));
}

INSTANTIATE_TEST_SUITE_P(Keys, ScrollBarKeyTest,
                         ::testing::Values(TScrollKeyCase{"Right", VK_RIGHT, scLineDown, 51}, TScrollKeyCase{"Up", VK_UP, scLineUp, 49},
                                           TScrollKeyCase{"PageDown", VK_NEXT, scPageDown, 60},
                                           TScrollKeyCase{"PageUp", VK_PRIOR, scPageUp, 40}, TScrollKeyCase{"Home", VK_HOME, scTop, 0},
                                           TScrollKeyCase{"End", VK_END, scBottom, 100}),
                         [](const ::testing::TestParamInfo<TScrollKeyCase>& Info) { return std::string(Info.param.Name); });

TEST_F(ScrollBarTest, OnScrollDecidesWhereTheScrollLeads)
{
    Limit = 20;
    Input::PressKey(VK_END);
    EXPECT_EQ(Bar->Position(), 20);
}

TEST_F(ScrollBarTest, APageSizeKeepsTheLastPageInView)
{
    Bar->SetPageSize(30);
    Input::PressKey(VK_END);
    EXPECT_EQ(Bar->Position(), 71);
}

TEST_F(ScrollBarTest, AClickOnTheArrowScrollsALine)
{
    Input::Click(Bar, {Bar->Width() - 5, 8});
    EXPECT_EQ(Bar->Position(), 1);
    EXPECT_EQ(Form->Codes, (QList<int32_t>{SB_LINEDOWN, SB_ENDSCROLL}));
}

// ---- Date-time picker ----

class DateTimePickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(320, 120);
        Picker = Place<TDateTimePicker>(Form.get(), Bounds(10, 10, 186, 21));
        Picker->SetDateTime(EncodeDate(2024, 2, 29) + EncodeTime(8, 30, 0, 0));
        Picker->OnChange = [this](TObject*) { ++Changes; };
        Form->Show();
        Picker->SetFocus();
        ProcessPendingEvents();
    }

    // The default formats: M/d/yyyy and h:mm:ss AMPM.
    TFormatSettingsScope Settings{TFormatSettings{}};
    std::unique_ptr<TForm> Form;
    TDateTimePicker* Picker = nullptr;
    int32_t Changes = 0;
};

TEST_F(DateTimePickerTest, DateAndTimeRoundTripWithoutFiringOnChange)
{
    EXPECT_EQ(Picker->Date(), EncodeDate(2024, 2, 29));
    EXPECT_NEAR(Picker->Time(), EncodeTime(8, 30, 0, 0), 1e-9);
    Picker->SetTime(EncodeTime(13, 45, 30, 0));
    EXPECT_EQ(Picker->Date(), EncodeDate(2024, 2, 29));
    Picker->SetDate(EncodeDate(1999, 12, 31));
    EXPECT_NEAR(Picker->DateTime(), EncodeDate(1999, 12, 31) + EncodeTime(13, 45, 30, 0), 1e-9);
    SYSTEMTIME Time;
    EXPECT_EQ(Picker->Perform(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&Time)), GDT_VALID);
    EXPECT_EQ(Time.wYear, 1999);
    EXPECT_EQ(Time.wMonth, 12);
    EXPECT_EQ(Time.wDay, 31);
    EXPECT_EQ(Time.wHour, 13);
    EXPECT_EQ(Time.wMinute, 45);
    EXPECT_EQ(Picker->Text(), QStringLiteral("12/31/1999"));
    EXPECT_EQ(Changes, 0);
}

TEST_F(DateTimePickerTest, TheTextFollowsTheFormats)
{
    Picker->SetFormat(QStringLiteral("yyyy'-'MM'-'dd"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("2024-02-29"));
    Picker->SetFormat({});
    Picker->SetKind(dtkTime);
    EXPECT_EQ(Picker->Text(), QStringLiteral("8:30:00 AM"));
    TFormatSettings Dotted;
    Dotted.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    Dotted.DateSeparator = QLatin1Char('.');
    const TFormatSettingsScope Scope(Dotted);
    Picker->SetKind(dtkDate);
    EXPECT_EQ(Picker->Text(), QStringLiteral("29.02.2024"));
}

TEST_F(DateTimePickerTest, TheUserChangesTheFieldWithTheArrowKeys)
{
    Input::PressKey(VK_UP);
    EXPECT_EQ(Picker->Date(), EncodeDate(2024, 3, 29));
    EXPECT_EQ(Changes, 1);
}

TEST_F(DateTimePickerTest, DatesOutsideTheRangeAreRefused)
{
    Picker->SetMinDate(EncodeDate(2024, 1, 1));
    Picker->SetMaxDate(EncodeDate(2024, 12, 31));
    EXPECT_THROW(Picker->SetDate(EncodeDate(2025, 1, 1)), ECommonCalendarError);
    EXPECT_THROW(Picker->SetDate(EncodeDate(2023, 12, 31)), ECommonCalendarError);
    Picker->SetDate(EncodeDate(2024, 12, 31));
    EXPECT_EQ(Picker->Date(), EncodeDate(2024, 12, 31));
    SYSTEMTIME Range[2];
    EXPECT_EQ(Picker->Perform(DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(Range)), GDTR_MIN | GDTR_MAX);
    EXPECT_EQ(Range[0].wYear, 2024);
    EXPECT_EQ(Range[1].wMonth, 12);
}

TEST_F(DateTimePickerTest, TheCheckBoxClearsTheValue)
{
    Picker->SetShowCheckbox(true);
    Input::PressKey(VK_SPACE);
    EXPECT_FALSE(Picker->Checked());
    EXPECT_EQ(Changes, 1);
    SYSTEMTIME Time;
    EXPECT_EQ(Picker->Perform(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&Time)), GDT_NONE);
    Picker->SetChecked(true);
    EXPECT_EQ(Picker->Perform(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&Time)), GDT_VALID);
    EXPECT_EQ(Changes, 1);
}

TEST_F(DateTimePickerTest, F4DropsTheCalendarDownAndEscClosesIt)
{
    QStringList Log;
    Picker->OnDropDown = [&](TObject*) { Log.append(QStringLiteral("OnDropDown")); };
    Picker->OnCloseUp = [&](TObject*) { Log.append(QStringLiteral("OnCloseUp")); };
    Input::PressKey(VK_F4);
    EXPECT_TRUE(Picker->DroppedDown());
    Input::PressKey(VK_ESCAPE);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Log, (QStringList{"OnDropDown", "OnCloseUp"}));
    EXPECT_EQ(Changes, 0);
}

TEST_F(DateTimePickerTest, TheDroppedCalendarTakesItsStylesAndSizesToItsContent)
{
    EXPECT_EQ(Picker->Perform(DTM_GETMONTHCAL, 0, 0), 0);
    HWND Calendar = nullptr;
    Picker->OnDropDown = [&](TObject*) { Calendar = reinterpret_cast<HWND>(Picker->Perform(DTM_GETMONTHCAL, 0, 0)); };
    // Today shows in the calendar, with its circle.
    Picker->SetDate(Now());
    Input::PressKey(VK_F4);
    ASSERT_NE(Calendar, nullptr);
    const auto Style = [&] { return static_cast<uint32_t>(GetWindowLong(Calendar, GWL_STYLE)); };
    const auto Least = [&] {
        TRect R{};
        EXPECT_EQ(SendMessage(Calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&R)), 1);
        return R;
    };
    const auto Pixels = [&] { return WidgetOf(Calendar)->grab().toImage(); };
    EXPECT_EQ(Style() & (MCS_NOTODAY | MCS_NOTODAYCIRCLE | MCS_WEEKNUMBERS), 0u);
    const TRect Plain = Least();

    SetWindowLong(Calendar, GWL_STYLE, static_cast<int32_t>(Style() | MCS_NOTODAY));
    const TRect NoToday = Least();
    EXPECT_LT(NoToday.Height(), Plain.Height());
    SetWindowLong(Calendar, GWL_STYLE, static_cast<int32_t>(Style() | MCS_WEEKNUMBERS));
    const TRect Weeks = Least();
    EXPECT_GT(Weeks.Width(), NoToday.Width());
    EXPECT_EQ(Weeks.Height(), NoToday.Height());
    SetWindowLong(Calendar, GWL_STYLE, static_cast<int32_t>(Style() & ~(MCS_NOTODAY | MCS_WEEKNUMBERS)));
    EXPECT_EQ(Least(), Plain);
    const QImage Circled = Pixels();
    SetWindowLong(Calendar, GWL_STYLE, static_cast<int32_t>(Style() | MCS_NOTODAYCIRCLE));
    EXPECT_NE(Pixels(), Circled);
    SetWindowLong(Calendar, GWL_STYLE, static_cast<int32_t>(Style() & ~MCS_NOTODAYCIRCLE));
    EXPECT_EQ(Pixels(), Circled);

    // Sized to its least rectangle plus 2 at (0, 0): the drop-down follows.
    SetWindowPos(Calendar, nullptr, 0, 0, Plain.Width() + 2, Plain.Height() + 2, SWP_NOZORDER | SWP_NOACTIVATE);
    ProcessPendingEvents();
    EXPECT_EQ(WidgetOf(Calendar)->geometry(), QRect(0, 0, Plain.Width() + 2, Plain.Height() + 2));
    EXPECT_EQ(WidgetOf(Calendar)->window()->size(), QSize(Plain.Width() + 2, Plain.Height() + 2));

    Input::PressKey(VK_ESCAPE);
    EXPECT_EQ(Picker->Perform(DTM_GETMONTHCAL, 0, 0), 0);
    // The next drop starts from the default style again.
    Calendar = nullptr;
    Input::PressKey(VK_F4);
    ASSERT_NE(Calendar, nullptr);
    EXPECT_EQ(Style() & (MCS_NOTODAY | MCS_NOTODAYCIRCLE | MCS_WEEKNUMBERS), 0u);
    EXPECT_EQ(Least(), Plain);
    Input::PressKey(VK_ESCAPE);
}

// ---- The stock lists, rendered ----

TEST(StockLists, RenderTheListsAndCommonControls)
{
    const TFormatSettingsScope Settings{TFormatSettings{}};
    auto Form = MakeForm(460, 330);
    Form->SetCaption(QStringLiteral("Stock lists"));
    auto* Pages = Place<TPageControl>(Form.get(), Bounds(8, 8, 444, 200));
    for (const char* Caption : {"&Lists", "Ranges", "Hidden"}) {
        auto* Sheet = New<TTabSheet>(Form.get());
        Sheet->SetPageControl(Pages);
        Sheet->SetCaption(QString::fromUtf8(Caption));
    }
    Pages->Pages(2)->SetTabVisible(false);
    TTabSheet* Lists = Pages->Pages(0);
    auto* DropDown = Place<TComboBox>(Lists, Bounds(8, 8, 140, 21));
    DropDown->Items()->SetCommaText(QStringLiteral("Alpha,Beta,Gamma"));
    DropDown->SetItemIndex(1);
    auto* DropDownList = Place<TComboBox>(Lists, Bounds(8, 38, 140, 21));
    DropDownList->SetStyle(csDropDownList);
    for (const char* Item : {"Auto Baudrate", "9600", "19200"}) DropDownList->Items()->Add(QString::fromUtf8(Item));
    DropDownList->SetItemIndex(0);
    auto* Disabled = Place<TComboBox>(Lists, Bounds(8, 68, 140, 21));
    Disabled->SetStyle(csOwnerDrawFixed);
    Disabled->Items()->Add(QStringLiteral("Owner drawn"));
    Disabled->SetItemIndex(0);
    Disabled->SetEnabled(false);
    auto* Simple = Place<TComboBox>(Lists, Bounds(160, 8, 120, 150));
    Simple->SetStyle(csSimple);
    Simple->SetHeight(150);
    Simple->Items()->SetCommaText(QStringLiteral("Red,Green,Blue"));
    Simple->SetItemIndex(1);
    auto* List = Place<TListBox>(Lists, Bounds(292, 8, 136, 150));
    for (int32_t I = 1; I <= 14; ++I) List->Items()->Add(QStringLiteral("Language %1").arg(I));
    List->SetItemIndex(2);
    auto* Track = Place<TTrackBar>(Form.get(), Bounds(8, 216, 180, 45));
    Track->SetPosition(3);
    auto* Vertical = Place<TTrackBar>(Form.get(), Bounds(196, 216, 45, 100));
    Vertical->SetOrientation(trVertical);
    Vertical->SetBounds(196, 216, 45, 100);
    Vertical->SetPosition(7);
    auto* Horizontal = Place<TScrollBar>(Form.get(), Bounds(8, 272, 180, 17));
    Horizontal->SetPosition(40);
    auto* Upright = Place<TScrollBar>(Form.get(), Bounds(250, 216, 17, 100));
    Upright->SetKind(sbVertical);
    Upright->SetBounds(250, 216, 17, 100);
    auto* Picker = Place<TDateTimePicker>(Form.get(), Bounds(276, 216, 176, 21));
    Picker->SetDateTime(EncodeDate(2024, 2, 29));
    auto* Checked = Place<TDateTimePicker>(Form.get(), Bounds(276, 246, 176, 21));
    Checked->SetKind(dtkTime);
    Checked->SetShowCheckbox(true);
    Checked->SetDateTime(EncodeTime(14, 5, 0, 0));
    Pages->SetActivePage(Lists);
    Form->Show();
    DropDownList->SetFocus();
    const QImage Image = RenderControl(Form.get(), true);
    SaveArtifact(Image, QStringLiteral("stock-lists"));
    // The focused list-only combo box shows its selection highlighted.
    const TPoint Field = Lists->ClientToScreen({DropDownList->Left() + 10, DropDownList->Top() + 10});
    const TPoint InForm = Form->ScreenToClient(Field);
    const QImage Client = RenderControl(Form.get());
    EXPECT_EQ(Client.pixelColor(InForm.X, InForm.Y), ColorOf(clHighlight));
}

TEST(PageControlShowTest, ShowingAControlBringsItsPageUpAndLeavesAHiddenFormHidden)
{
    auto Form = MakeForm(300, 200);
    auto* Pages = Place<TPageControl>(Form.get(), Bounds(8, 8, 280, 180));
    for (const char* Caption : {"One", "Two"}) {
        auto* Sheet = New<TTabSheet>(Form.get());
        Sheet->SetPageControl(Pages);
        Sheet->SetCaption(QString::fromUtf8(Caption));
    }
    Pages->SetActivePageIndex(0);
    auto* OnSecond = Place<TPlainControl>(Pages->Pages(1), Bounds(4, 4, 40, 20));
    OnSecond->SetVisible(false);

    OnSecond->Show();
    EXPECT_EQ(Pages->ActivePage(), Pages->Pages(1));
    EXPECT_TRUE(OnSecond->Visible());
    EXPECT_FALSE(Form->Visible());
}

}  // namespace
