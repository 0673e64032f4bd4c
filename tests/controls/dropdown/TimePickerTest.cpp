// TExtTimePickerDropDown: the masked text, stepping fields under the caret, typed times, the clock and time picker in the pop-up.
#include "PickerTestSupport.h"

#include "dropdown/AnalogClock.h"
#include "dropdown/DropDownButton.h"
#include "dropdown/DropDownForm.h"
#include "dropdown/TimePicker.h"
#include "support/Input.h"

#include "rtl/FormatSettings.h"
#include "windows/ComCtrls.h"

#include <gtest/gtest.h>

using namespace PickerTest;

namespace {

QString HMS(TDateTime Time)
{
    return FormatDateTime(QStringLiteral("hh:nn:ss"), Time);
}

TFormatSettings WithTimeSeparator(QChar Separator)
{
    TFormatSettings Settings = TFormatSettings::Invariant();
    Settings.TimeSeparator = Separator;
    return Settings;
}

class TimePickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(400, 300);
        Picker = Place<TExtTimePickerDropDown>(Form.get(), Bounds(10, 10, 150, 21));
        Picker->SetTabStop(true);
        Picker->OnTimeChange = [this](TObject*) { Changes << HMS(Picker->Time()); };
        Form->Show();
        ProcessPendingEvents();
        Picker->SetFocus();
        ProcessPendingEvents();
    }

    void Open()
    {
        ClickDropButton(Picker);
        ASSERT_TRUE(Picker->DropDownForm()->Visible());
    }

    void StepAt(int32_t Caret, uint16_t Key)
    {
        Picker->SetSelStart(Caret);
        Picker->SetSelLength(0);
        Input::PressKey(Key);
    }

    TFormatSettingsScope Locale{WithTimeSeparator(QLatin1Char(':'))};
    TTestClock Clock;
    std::unique_ptr<TForm> Form;
    TExtTimePickerDropDown* Picker = nullptr;
    QStringList Changes;
};

TEST_F(TimePickerTest, NewControlShowsMidnight)
{
    EXPECT_EQ(Picker->Text(), QStringLiteral("00:00:00"));
    EXPECT_EQ(Picker->Time(), 0);
    EXPECT_FALSE(Picker->EditorEnabled());
    EXPECT_EQ(Picker->EditMask(), QStringLiteral("!90:00:00;1; "));
    Picker->SetTime(ClockTime(9, 5, 7));
    EXPECT_EQ(Picker->Text(), QStringLiteral("09:05:07"));
    EXPECT_TRUE(Changes.isEmpty()) << "Time written by code fires nothing";
}

TEST_F(TimePickerTest, UpAndDownStepTheFieldUnderTheCaretWithoutCarry)
{
    const struct {
        TDateTime From;
        int32_t Caret;
        uint16_t Key;
        const char* Expected;
    } Cases[] = {
        {ClockTime(0, 0), 0, VK_UP, "23:00:00"},   {ClockTime(23, 0), 1, VK_DOWN, "00:00:00"}, {ClockTime(0, 0), 6, VK_UP, "00:00:59"},
        {ClockTime(0, 0), 3, VK_UP, "00:59:00"},   {ClockTime(10, 59), 5, VK_DOWN, "10:00:00"}, {ClockTime(10, 20, 59), 8, VK_DOWN, "10:20:00"},
        {ClockTime(10, 20), 2, VK_UP, "09:20:00"},
    };
    for (const auto& Case : Cases) {
        Picker->SetTime(Case.From);
        Changes.clear();
        StepAt(Case.Caret, Case.Key);
        EXPECT_EQ(Picker->Text(), QString::fromLatin1(Case.Expected)) << "caret " << Case.Caret;
        EXPECT_EQ(Changes.size(), 1) << "caret " << Case.Caret;
        EXPECT_EQ(Picker->SelStart(), Case.Caret) << "the caret stays";
    }
    Changes.clear();
    Picker->SetSelStart(0);
    Input::PressKey(VK_UP, {ssCtrl});
    EXPECT_TRUE(Changes.isEmpty()) << "Ctrl keeps the fields";
}

TEST_F(TimePickerTest, FieldSettersFireTheChangeAndIgnoreValuesOutOfRange)
{
    Picker->SetTime(ClockTime(13, 45, 10));
    Picker->SetHourField(24);
    Picker->SetMinuteField(60);
    Picker->SetSecondField(60);
    Picker->SetHourField(13);
    EXPECT_TRUE(Changes.isEmpty());
    Picker->SetSecondField(5);
    Picker->SetMinuteField(0);
    EXPECT_EQ(Changes, QStringList({"13:45:05", "13:00:05"}));
}

TEST_F(TimePickerTest, SecondsComeAndGoWithoutChangingTheTime)
{
    Picker->SetTime(ClockTime(13, 45, 10));
    Picker->SetShowSeconds(false);
    EXPECT_EQ(Picker->Text(), QStringLiteral("13:45"));
    EXPECT_EQ(Picker->EditMask(), QStringLiteral("!90:00;1; "));
    EXPECT_EQ(HMS(Picker->Time()), QStringLiteral("13:45:10"));
    Picker->SetShowSeconds(true);
    EXPECT_EQ(Picker->Text(), QStringLiteral("13:45:10"));

    TFormatSettingsScope Dots(WithTimeSeparator(QLatin1Char('.')));
    Picker->SetShowSeconds(false);
    EXPECT_EQ(Picker->Text(), QStringLiteral("13.45")) << "the separator is read at use";
}

TEST_F(TimePickerTest, CompleteTypedTimesAreTaken)
{
    Picker->SetEditorEnabled(true);
    Picker->SetShowSeconds(false);
    Picker->SetSelStart(0);
    Input::TypeText(QStringLiteral("0730"));
    EXPECT_EQ(HMS(Picker->Time()), QStringLiteral("07:30:00"));
    Picker->SetEditText(QStringLiteral(" 8:15"));
    EXPECT_EQ(HMS(Picker->Time()), QStringLiteral("08:15:00")) << "a blank for the first hour digit";
    Picker->SetEditText(QStringLiteral("25:10"));
    EXPECT_EQ(HMS(Picker->Time()), QStringLiteral("08:15:00")) << "an hour out of range changes nothing";

    Picker->SetShowSeconds(true);
    Picker->SetSelStart(0);
    Input::TypeText(QStringLiteral("073015"));
    EXPECT_EQ(HMS(Picker->Time()), QStringLiteral("07:30:15"));
    Picker->SetEditText(QStringLiteral("09:3 :  "));
    EXPECT_EQ(HMS(Picker->Time()), QStringLiteral("07:30:15")) << "an incomplete time is not taken";
    EXPECT_TRUE(Changes.isEmpty()) << "typing fires no OnTimeChange";
}

TEST_F(TimePickerTest, ClockInThePopupSetsTheTimeAtOnce)
{
    Picker->SetAnimation(false);
    Picker->SetTime(ClockTime(9, 30));
    Open();
    TExtWatch* Watch = Picker->Watch();
    ASSERT_NE(Watch, nullptr);
    EXPECT_EQ(HMS(Watch->Time()), QStringLiteral("09:30:00"));
    EXPECT_EQ(Picker->DropDownForm()->Width(), 170);
    TWinControl* Panel = Watch->Parent();
    EXPECT_EQ(Watch->BoundsRect(), Rect(1, 1, Panel->Width() - 1, Panel->Height() - 1))
        << "the clock fills its panel inside the raised bevel";
    SaveArtifact(RenderControl(Picker->DropDownForm()), QStringLiteral("TimePickerOpen"));
    const QImage Framed = RenderControl(Panel);
    EXPECT_EQ(HtmlAt(Framed, 0, 0), Html(clBtnHighlight)) << "the raised bevel's light edge";
    EXPECT_EQ(HtmlAt(Framed, Panel->Width() - 1, Panel->Height() - 1), Html(clBtnShadow)) << "its dark edge";

    const TPoint C = Watch->FaceCenter();
    Input::Click(Watch, {C.X + 50, C.Y});
    EXPECT_EQ(HMS(Picker->Time()), QStringLiteral("03:30:00"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("03:30:00"));
    Input::PressKey(VK_ESCAPE);
    EXPECT_FALSE(Picker->DropDownForm()->Visible());
    EXPECT_EQ(HMS(Picker->Time()), QStringLiteral("03:30:00")) << "cancelling keeps what the clock reported";
    EXPECT_EQ(Picker->Text(), QStringLiteral("03:30:00"));
}

TEST_F(TimePickerTest, PopupKeysGoToTheClockUnlessAltIsHeld)
{
    Picker->SetAnimation(false);
    Picker->SetTime(ClockTime(9, 30));
    Open();
    Input::PressKey(VK_PRIOR);
    EXPECT_EQ(HMS(Picker->Time()), QStringLiteral("10:30:00"));
    Input::PressKey(VK_UP);
    EXPECT_EQ(HMS(Picker->Time()), QStringLiteral("10:30:00")) << "Up steps no field while the clock shows";
    Input::PressKey('P');
    EXPECT_EQ(HMS(Picker->Time()), QStringLiteral("22:30:00"));
    Input::PressKey(VK_RIGHT);
    EXPECT_EQ(HMS(Picker->Time()), QStringLiteral("22:31:00"));
    Input::PressKey(VK_DOWN, {ssAlt});
    EXPECT_FALSE(Picker->DropDownForm()->Visible()) << "Alt+Down closes";
    EXPECT_EQ(HMS(Picker->Time()), QStringLiteral("22:31:00"));
}

TEST_F(TimePickerTest, TimePickerBelowTheClockFollowsIt)
{
    Picker->SetAnimation(false);
    Picker->SetShowTimePicker(true);
    Picker->SetTime(ClockTime(9, 30));
    Open();
    TDateTimePicker* Platform = Picker->DateTimePicker();
    ASSERT_NE(Platform, nullptr);
    EXPECT_TRUE(Platform->Visible());
    EXPECT_EQ(Platform->Format(), QStringLiteral("HH:mm:ss"));
    EXPECT_EQ(Picker->Watch()->Parent()->Height(), Platform->Height() + 170);
    SaveArtifact(RenderControl(Picker->DropDownForm()), QStringLiteral("TimePickerOpenWithPicker"));

    Picker->Watch()->WatchKeyDown(VK_PRIOR);
    EXPECT_EQ(HMS(Platform->Time()), QStringLiteral("10:30:00"));
    EXPECT_EQ(Changes, QStringList({"10:30:00"}));
    Platform->SetTime(ClockTime(11, 15));
    if (Platform->OnChange) Platform->OnChange(Platform);
    EXPECT_EQ(HMS(Picker->Watch()->Time()), QStringLiteral("11:15:00"));
    Input::PressKey(VK_RETURN);
    EXPECT_FALSE(Picker->DropDownForm()->Visible());
    EXPECT_EQ(HMS(Picker->Time()), QStringLiteral("11:15:00")) << "closing takes the clock's time";
    Picker->SetShowTimePicker(false);
    Open();
    EXPECT_FALSE(Platform->Visible());
}

}  // namespace
