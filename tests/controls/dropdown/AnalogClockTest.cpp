// TExtWatch: geometry, points to minutes and hours, setting hands with and without sweeps, mouse, keys and automatic mode.
#include "PickerTestSupport.h"

#include "dropdown/AnalogClock.h"
#include "support/Input.h"
#include "support/LayerInternals.h"

#include "graphics/Canvas.h"
#include "rtl/Exceptions.h"
#include "windows/Messages.h"

#include <gtest/gtest.h>

#include <QWidget>

using namespace PickerTest;

namespace {

QString HM(TDateTime Time)
{
    return FormatDateTime(QStringLiteral("hh:nn"), Time);
}

class AnalogClockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(240, 200, clWhite);
        Clock = Place<TExtWatch>(Form.get(), Bounds(0, 0, 180, 180));
        Clock->OnChange = [this](TObject*) { Changes << HM(Clock->Time()); };
        Form->Show();
        ProcessPendingEvents();
    }
    void TearDown() override { ResetClock(); }

    // Ticks the sweep a millisecond at a time and records the shown times until it ends.
    QStringList Sweep()
    {
        QStringList Seen;
        for (int Step = 0; Step < 200 && Clock->Animating(); ++Step) {
            TestClock.Advance(1);
            if (Seen.isEmpty() || Seen.last() != HM(Clock->Time())) Seen << HM(Clock->Time());
        }
        return Seen;
    }

    TTestClock TestClock;
    std::unique_ptr<TForm> Form;
    TExtWatch* Clock = nullptr;
    QStringList Changes;
};

TEST_F(AnalogClockTest, FaceIsTheCentredSquareTwentyPixelsSmaller)
{
    EXPECT_EQ(Clock->FaceRect(), Rect(10, 10, 170, 170));
    EXPECT_EQ(Clock->FaceCenter(), Point(90, 90));
    EXPECT_EQ(Clock->FaceRadius(), 80);
    Clock->SetBounds(0, 0, 180, 120);
    EXPECT_EQ(Clock->FaceRect(), Rect(40, 10, 140, 110));
    Clock->Appearance()->SetSize(50);
    EXPECT_EQ(Clock->FaceRect(), Rect(65, 35, 115, 85));
    Clock->Appearance()->SetSize(500);
    EXPECT_EQ(Clock->FaceRect(), Rect(30, 0, 150, 120)) << "never larger than the control";
    Clock->SetShowAMPM(false);
    EXPECT_EQ(Clock->AMPMRect(), Rect(-1, -1, -1, -1));
}

TEST_F(AnalogClockTest, AMPMBoxStandsBelowTheCentre)
{
    const TRect Box = Clock->AMPMRect();
    EXPECT_EQ(Box.Left + Box.Width() / 2, 90) << "centred";
    EXPECT_GT(Box.Top, 90);
    EXPECT_LT(Box.Bottom, 170);
}

TEST_F(AnalogClockTest, PointsTurnIntoMinutesAndHours)
{
    const struct {
        TPoint At;
        int32_t Minute;
        int32_t HourAM;
        int32_t HourPM;
    } Cases[] = {
        {{90, 30}, 0, 0, 12},   {{150, 90}, 15, 3, 15},  {{90, 150}, 30, 6, 18},  {{30, 90}, 45, 9, 21},
        {{3, 90}, 45, 9, 21},   {{150, 30}, 7, 1, 13},   {{150, 150}, 23, 5, 17}, {{30, 150}, 37, 7, 19},
        {{78, 31}, 58, 0, 12},  {{84, 30}, 59, 0, 12},   {{96, 30}, 1, 0, 12},    {{90, 90}, 23, 5, 17},
    };
    for (const auto& Case : Cases) {
        EXPECT_EQ(Clock->PointToMinute(Case.At.X, Case.At.Y), Case.Minute) << Case.At.X << "," << Case.At.Y;
        Clock->SetTime(ClockTime(9, 0));
        EXPECT_EQ(Clock->PointToHour(Case.At.X, Case.At.Y), Case.HourAM) << "AM " << Case.At.X << "," << Case.At.Y;
        Clock->SetTime(ClockTime(21, 0));
        EXPECT_EQ(Clock->PointToHour(Case.At.X, Case.At.Y), Case.HourPM) << "PM " << Case.At.X << "," << Case.At.Y;
    }
}

TEST_F(AnalogClockTest, HandsMoveAtOnceWithoutAnimation)
{
    Clock->SetAnimation(false);
    const struct {
        TDateTime From;
        bool Hour;
        int Value;
        const char* Expected;
    } Cases[] = {
        {ClockTime(10, 45), false, 0, "11:00"}, {ClockTime(10, 15), false, 0, "10:00"}, {ClockTime(23, 50), false, 0, "00:00"},
        {ClockTime(10, 15), false, 59, "10:59"}, {ClockTime(10, 15), true, 23, "23:15"}, {ClockTime(10, 15), true, 0, "00:15"},
    };
    for (const auto& Case : Cases) {
        Clock->SetTime(Case.From);
        Changes.clear();
        if (Case.Hour) Clock->SetHour(uint8_t(Case.Value));
        else Clock->SetMinute(uint8_t(Case.Value));
        EXPECT_EQ(HM(Clock->Time()), QString::fromLatin1(Case.Expected));
        EXPECT_EQ(Changes, QStringList({QString::fromLatin1(Case.Expected)})) << "one OnChange";
    }
    Changes.clear();
    Clock->SetHour(0);
    Clock->SetTime(ClockTime(3, 3));
    EXPECT_TRUE(Changes.isEmpty()) << "no change, and Time written by code, fire nothing";
    EXPECT_THROW(Clock->SetMinute(60), Exception);
    try {
        Clock->SetMinute(75);
    } catch (const Exception& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Invalid time"));
    }
    EXPECT_THROW(Clock->SetHour(24), EConvertError);
    EXPECT_EQ(HM(Clock->Time()), QStringLiteral("03:03"));
}

TEST_F(AnalogClockTest, SweepsSlowDownTowardsTheTargetAndReportOnce)
{
    Clock->SetTime(ClockTime(1, 0));
    Clock->SetHour(11);
    EXPECT_EQ(HM(Clock->Time()), QStringLiteral("01:00")) << "the sweep runs on the timer";
    EXPECT_EQ(Sweep(), QStringList({"02:00", "03:00", "04:00", "05:00", "06:00", "07:00", "08:00", "09:00", "10:00", "11:00"}));
    EXPECT_EQ(Changes, QStringList({"11:00"}));

    Changes.clear();
    Clock->SetTime(ClockTime(1, 45));
    Clock->SetMinute(5);
    QStringList Expected{"01:41", "01:37", "01:34", "01:31", "01:28", "01:26", "01:24", "01:22", "01:20", "01:18"};
    for (int Minute = 17; Minute >= 5; --Minute) Expected << QStringLiteral("01:%1").arg(Minute, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(Sweep(), Expected);
    EXPECT_EQ(Changes, QStringList({"01:05"}));

    Changes.clear();
    Clock->SetTime(ClockTime(10, 45));
    Clock->SetMinute(0);
    const QStringList Forward = Sweep();
    EXPECT_EQ(Forward.first(), QStringLiteral("10:47"));
    EXPECT_EQ(Forward.last(), QStringLiteral("11:00")) << "sweeping through 12 carries the hour once";
    EXPECT_EQ(Forward.filter(QStringLiteral("11:")).size(), 1);
    EXPECT_EQ(Changes, QStringList({"11:00"}));
}

TEST_F(AnalogClockTest, ALowFactorSweepsInOneStep)
{
    const struct {
        int32_t Factor;
        bool Hour;
        TDateTime From;
        int Value;
        const char* Expected;
    } Cases[] = {
        {1, true, ClockTime(1, 0), 11, "11:00"},
        {0, true, ClockTime(1, 0), 11, "11:00"},
        {0, false, ClockTime(1, 45), 5, "01:05"},
        {0, false, ClockTime(10, 45), 0, "11:00"},
    };
    for (const auto& Case : Cases) {
        Clock->SetAnimationFactor(Case.Factor);
        Clock->SetTime(Case.From);
        Changes.clear();
        if (Case.Hour)
            Clock->SetHour(uint8_t(Case.Value));
        else
            Clock->SetMinute(uint8_t(Case.Value));
        const QString Expected = QString::fromLatin1(Case.Expected);
        EXPECT_EQ(Sweep(), QStringList({Expected})) << "factor " << Case.Factor << " to " << Case.Expected;
        EXPECT_EQ(Changes, QStringList({Expected})) << "factor " << Case.Factor << " to " << Case.Expected;
    }
}

TEST_F(AnalogClockTest, ANewTargetDuringASweepReportsTheMovedHandToo)
{
    Clock->SetTime(ClockTime(1, 10));
    Clock->SetHour(11);
    TestClock.Advance(1);
    TestClock.Advance(1);
    Clock->SetMinute(20);
    EXPECT_EQ(Changes, QStringList({"03:10"})) << "the hour the user moved so far";
    Sweep();
    EXPECT_EQ(HM(Clock->Time()), QStringLiteral("03:20"));
    EXPECT_EQ(Changes, QStringList({"03:10", "03:20"}));
}

TEST_F(AnalogClockTest, ReleaseInsideSetsTheHourOnTheRimTheMinute)
{
    Clock->SetAnimation(false);
    Clock->SetTime(ClockTime(9, 30));
    Input::MouseDown(Clock, {90, 30});
    EXPECT_EQ(HM(Clock->Time()), QStringLiteral("09:30")) << "a press does nothing";
    Input::MouseUp(Clock, {90, 30});
    EXPECT_EQ(HM(Clock->Time()), QStringLiteral("00:30"));
    Clock->SetTime(ClockTime(21, 30));
    Input::Click(Clock, {90, 30}, mbRight);
    EXPECT_EQ(HM(Clock->Time()), QStringLiteral("12:30")) << "any button, the half of the day kept";
    Input::Click(Clock, {3, 90});
    EXPECT_EQ(HM(Clock->Time()), QStringLiteral("12:45"));
    Input::Click(Clock, {174, 6});
    EXPECT_EQ(HM(Clock->Time()), QStringLiteral("12:07")) << "a corner is on the rim";
    EXPECT_EQ(Changes, QStringList({"00:30", "12:30", "12:45", "12:07"}));
}

TEST_F(AnalogClockTest, AMPMClickMovesTwelveHoursAndSlidesTheBox)
{
    Clock->SetTime(ClockTime(9, 30));
    ASSERT_TRUE(Clock->AM());
    const TRect Box = Clock->AMPMRect();
    const QImage Before = RenderControl(Clock);
    Input::Click(Clock, {Box.Left + Box.Width() / 2, Box.Top + Box.Height() / 2});
    EXPECT_EQ(HM(Clock->Time()), QStringLiteral("21:30"));
    EXPECT_FALSE(Clock->AM());
    EXPECT_EQ(Changes, QStringList({"21:30"}));

    TestClock.Advance(10 * (Box.Height() / 2));
    const QImage Halfway = RenderAndSave(Clock, QStringLiteral("AnalogClockSlide"));
    TestClock.Advance(10 * Box.Height());
    const QImage After = RenderAndSave(Clock, QStringLiteral("AnalogClockPM"));
    const QImage BoxBefore = Before.copy(Box.Left, Box.Top, Box.Width(), Box.Height());
    const QImage BoxAfter = After.copy(Box.Left, Box.Top, Box.Width(), Box.Height());
    EXPECT_NE(BoxBefore, BoxAfter) << "the box reads PM";
    EXPECT_NE(Halfway.copy(Box.Left, Box.Top, Box.Width(), Box.Height()), BoxAfter) << "still rolling halfway";
}

TEST_F(AnalogClockTest, KeysStepHoursAndMinutes)
{
    Clock->SetAnimation(false);
    const struct {
        TDateTime From;
        uint16_t Key;
        const char* Expected;
    } Cases[] = {
        {ClockTime(13, 20), 'A', "01:20"},    {ClockTime(1, 20), 'A', nullptr},     {ClockTime(1, 20), 'P', "13:20"},    {ClockTime(13, 20), 'P', nullptr},
        {ClockTime(23, 20), VK_PRIOR, "00:20"}, {ClockTime(10, 20), VK_PRIOR, "11:20"}, {ClockTime(0, 20), VK_NEXT, "23:20"}, {ClockTime(10, 20), VK_NEXT, "09:20"},
        {ClockTime(10, 20), VK_HOME, "12:20"}, {ClockTime(10, 45), VK_END, "11:00"},   {ClockTime(10, 20), VK_END, "10:00"}, {ClockTime(10, 0), VK_LEFT, "09:59"},
        {ClockTime(0, 0), VK_LEFT, "23:59"},  {ClockTime(10, 20), VK_LEFT, "10:19"},  {ClockTime(10, 59), VK_RIGHT, "11:00"}, {ClockTime(10, 20), VK_RIGHT, "10:21"},
        {ClockTime(10, 20), VK_UP, nullptr},  {ClockTime(10, 20), VK_DOWN, nullptr},
    };
    for (const auto& Case : Cases) {
        Clock->SetTime(Case.From);
        Changes.clear();
        Clock->WatchKeyDown(Case.Key);
        const QString Expected = Case.Expected ? QString::fromLatin1(Case.Expected) : HM(Case.From);
        EXPECT_EQ(HM(Clock->Time()), Expected) << "key " << Case.Key << " at " << HM(Case.From).toStdString();
        EXPECT_EQ(Changes.size(), Case.Expected ? 1 : 0) << "key " << Case.Key << " at " << HM(Case.From).toStdString();
    }
}

TEST_F(AnalogClockTest, AutomaticModeShowsTheClockPlusTheOffsetAndTakesNoInput)
{
    SetClock([] { return EncodeDate(2026, 3, 4) + ClockTime(14, 10, 5); });
    Clock->Settings()->SetTimeOffset(30);
    Clock->Settings()->SetAuto(true);
    EXPECT_EQ(HM(Clock->Time()), QStringLiteral("14:10")) << "switching on takes the current time";
    EXPECT_EQ(HM(Clock->ShownTime()), QStringLiteral("14:40"));
    EXPECT_FALSE(Clock->AM());
    Input::Click(Clock, {90, 30});
    Input::Click(Clock, {3, 90});
    Clock->WatchKeyDown(VK_PRIOR);
    EXPECT_EQ(HM(Clock->ShownTime()), QStringLiteral("14:40"));
    EXPECT_TRUE(Changes.isEmpty());

    // The tick redraws the hands: a second hand shows where the seconds are.
    Clock->Appearance()->SetSecondPointer(clLime);
    Clock->Appearance()->SetSecondPointerSize(3);
    ProcessPendingEvents();
    SetClock([] { return EncodeDate(2026, 3, 4) + ClockTime(14, 10, 15); });
    TestClock.Advance(100);
    EXPECT_EQ(Clock->Canvas()->Pixels(90 + 60, 90), clLime) << "second hand at 15 s";
    SetClock([] { return EncodeDate(2026, 3, 4) + ClockTime(14, 10, 45); });
    TestClock.Advance(100);
    EXPECT_EQ(Clock->Canvas()->Pixels(90 - 60, 90), clLime) << "second hand at 45 s";
    EXPECT_NE(Clock->Canvas()->Pixels(90 + 60, 90), clLime);

    Clock->Settings()->SetAuto(false);
    SetClock([] { return EncodeDate(2026, 3, 4) + ClockTime(14, 10, 15); });
    TestClock.Advance(100);
    EXPECT_NE(Clock->Canvas()->Pixels(90 + 60, 90), clLime) << "no tick, no second hand, once manual";
}

TEST_F(AnalogClockTest, HandCursorOverTheAMPMBox)
{
    const TRect Box = Clock->AMPMRect();
    QWidget* Widget = WidgetOf(Clock->Handle());
    Input::MoveMouse(Clock, {Box.Left + Box.Width() / 2, Box.Top + Box.Height() / 2});
    EXPECT_EQ(Widget->cursor().shape(), Qt::PointingHandCursor);
    Input::MoveMouse(Clock, {40, 40});
    EXPECT_EQ(Widget->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(AnalogClockTest, WantsArrowsAndAllKeysOnlyWithTabStop)
{
    EXPECT_EQ(Clock->Perform(WM_GETDLGCODE, 0, 0), 0);
    Clock->SetTabStop(true);
    EXPECT_EQ(Clock->Perform(WM_GETDLGCODE, 0, 0), LRESULT(DLGC_WANTARROWS | DLGC_WANTALLKEYS));
}

}  // namespace
