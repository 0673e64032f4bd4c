// The date-time picker base: creation values, the registered message, AutoTab of time pickers, the flat border and hover.
#include "dropdown/CustomDateTimePicker.h"

#include "DateTimePickerTestSupport.h"

#include "rtl/FormatSettings.h"
#include "windows/StdCtrls.h"
#include "windows/SystemMetrics.h"
#include "windows/WinApi.h"

#include <gtest/gtest.h>

using namespace PickerTest;
using namespace DateTimePickerTest;

namespace {

class CustomDateTimePickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(320, 120, RGB(200, 220, 240));
        Picker = Place<TCountingPicker>(Form.get(), Bounds(10, 10, 150, 21));
        Picker->SetKind(dtkTime);
        Picker->SetFormat(QStringLiteral("HH:mm:ss"));
        Picker->SetTime(EncodeTime(10, 20, 30, 0));
        Plain = Place<TDateTimePicker>(Form.get(), Bounds(10, 60, 150, 21));
        Plain->SetKind(dtkTime);
        Plain->SetFormat(QStringLiteral("HH:mm:ss"));
        Plain->SetTime(EncodeTime(10, 20, 30, 0));
        Other = Place<TEdit>(Form.get(), Bounds(200, 90, 60, 21));
        Form->Show();
        Other->SetFocus();
        ProcessPendingEvents();
    }

    TFormatSettingsScope Settings{TFormatSettings{}};
    std::unique_ptr<TForm> Form;
    TCountingPicker* Picker = nullptr;
    TDateTimePicker* Plain = nullptr;
    TEdit* Other = nullptr;
};

TEST_F(CustomDateTimePickerTest, CreationValuesAndTheRegisteredMessage)
{
    EXPECT_EQ(Picker->BorderStyle(), bsNone);
    EXPECT_EQ(Picker->OwnBorderColor(), clBlack);
    EXPECT_FALSE(Picker->Ctl3D());
    EXPECT_FALSE(Picker->ParentCtl3D());
    EXPECT_TRUE(Picker->DoubleBuffered());
    EXPECT_FALSE(Picker->MetroStyle());
    EXPECT_FALSE(Picker->AutoTab());
    EXPECT_TRUE(Picker->IsTimePart());
    EXPECT_EQ(Picker->ButtonWidth(), GetSystemMetrics(SM_CXVSCROLL) + 2);
    // Every unit that registers the name gets this number.
    EXPECT_EQ(DTPShiftFocusMessage(), RegisterWindowMessage(QStringLiteral("DTPShiftFocus")));
    EXPECT_GE(DTPShiftFocusMessage(), 0xC000u);
}

TEST_F(CustomDateTimePickerTest, AutoTabMovesOnWhenADigitChangesTheField)
{
    const struct {
        bool AutoTab;
        TDateTime From;
        const char* Typed;
        int32_t Checks;
        int32_t Rights;
        const char* Shown;
    } Cases[] = {
        // Without AutoTab nothing is posted and the digits stay in the hour.
        {false, EncodeTime(10, 20, 30, 0), "75", 0, 0, "05:20:30"},
        // Each digit changes its field and moves on: hour, then minute.
        {true, EncodeTime(10, 20, 30, 0), "75", 2, 2, "07:05:30"},
        // A 1 leaves hour 1 as it was: the caret stays for the 5.
        {true, EncodeTime(1, 20, 30, 0), "15", 2, 1, "15:20:30"},
        {true, EncodeTime(1, 20, 30, 0), "1", 1, 0, "01:20:30"},
    };
    for (const auto& Case : Cases) {
        Picker->SetAutoTab(Case.AutoTab);
        Picker->SetTime(Case.From);
        GoToField(Picker, 0);
        Input::TypeText(QString::fromLatin1(Case.Typed));
        const auto Trace = testing::Message() << "AutoTab " << Case.AutoTab << " typed " << Case.Typed;
        EXPECT_EQ(Picker->Checks, Case.Checks) << Trace;
        EXPECT_EQ(Picker->Rights, Case.Rights) << Trace;
        EXPECT_EQ(Picker->Text(), QString::fromLatin1(Case.Shown)) << Trace;
    }
    // Keys other than digits post nothing.
    Picker->SetAutoTab(true);
    GoToField(Picker, 0);
    Input::TypeText(QStringLiteral("a:"));
    EXPECT_EQ(Picker->Checks, 0);
}

TEST_F(CustomDateTimePickerTest, WithoutCtl3DTheFlatBorderFollowsTheBorderStyle)
{
    const QString ParentColor = Html(Form->Color());
    const int32_t W = Picker->Width(), H = Picker->Height();
    const struct {
        TBorderStyle Style;
        const char* Outline;
    } Cases[] = {
        {bsNone, nullptr},
        {bsSingle, "#000000"},
    };
    for (const auto& Case : Cases) {
        Picker->SetBorderStyle(Case.Style);
        ProcessPendingEvents();
        const QImage Image = RenderAndSave(Picker, QStringLiteral("CustomDateTimePickerFlat%1").arg(Case.Style));
        const QString Outline = Case.Outline ? QString::fromLatin1(Case.Outline) : ParentColor;
        for (const TPoint& At : {TPoint{0, 5}, TPoint{W - 1, 5}, TPoint{5, 0}, TPoint{5, H - 1}})
            EXPECT_EQ(HtmlAt(Image, At.X, At.Y), Outline) << "style " << Case.Style << " at " << At.X << "," << At.Y;
        // The top and left edges inside the outline in the parent's colour.
        EXPECT_EQ(HtmlAt(Image, 1, 5), ParentColor) << "style " << Case.Style;
        EXPECT_EQ(HtmlAt(Image, 5, 1), ParentColor) << "style " << Case.Style;
    }
    // With Ctl3D the picker paints as the platform's does.
    Picker->SetCtl3D(true);
    ProcessPendingEvents();
    EXPECT_EQ(RenderControl(Picker), RenderControl(Plain));
}

TEST_F(CustomDateTimePickerTest, TheButtonAreaHoverTogglesOnceEachWay)
{
    const int32_t W = Picker->Width(), BW = Picker->ButtonWidth();
    Input::MoveMouse(Picker, {W - 40, 8});
    EXPECT_TRUE(Picker->MouseInControl());
    int32_t Toggles = 0, OnAt = -1, OffAt = -1;
    bool Hover = Picker->ButtonHover();
    EXPECT_FALSE(Hover);
    const auto Step = [&](int32_t X) {
        Input::MoveMouse(Picker, {X, 8});
        if (Picker->ButtonHover() == Hover) return;
        Hover = Picker->ButtonHover();
        ++Toggles;
        (Hover ? OnAt : OffAt) = X;
    };
    for (int32_t X = W - 40; X < W; ++X) Step(X);
    EXPECT_EQ(Toggles, 1);
    EXPECT_EQ(OnAt, W - BW + 1) << "strictly right of the width less the button width";
    for (int32_t X = W - 1; X >= W - 40; --X) Step(X);
    EXPECT_EQ(Toggles, 2);
    EXPECT_EQ(OffAt, W - BW);
    // Leaving the control clears both.
    Input::MoveMouse(Picker, {W - 5, 8});
    EXPECT_TRUE(Picker->ButtonHover());
    Input::MoveMouse(Form.get(), {300, 100});
    EXPECT_FALSE(Picker->MouseInControl());
    EXPECT_FALSE(Picker->ButtonHover());
}

}  // namespace
