// Date-time picker fields: Left and Right (typed or posted) move by field, digits edit the field, a picker inside another, drawing on its window.
#include "Recorder.h"
#include "support/Artifacts.h"
#include "support/Input.h"
#include "support/Render.h"

#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/DateTime.h"
#include "rtl/FormatSettings.h"
#include "windows/ComCtrls.h"
#include "windows/WindowDC.h"

#include <gtest/gtest.h>

namespace {

class PickerFieldsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(320, 120);
        Picker = Place<TDateTimePicker>(Form.get(), Bounds(10, 10, 186, 21));
        Picker->SetFormat(QStringLiteral("dd'.'MM'.'yyyy"));
        Picker->SetDate(EncodeDate(2024, 3, 15));
        Picker->OnChange = [this](TObject*) { Changes << Picker->Text(); };
        Form->Show();
        Picker->SetFocus();
        ProcessPendingEvents();
    }

    // Field Index becomes the current one: a click on the first field, then Right.
    void GoToField(int32_t Index)
    {
        Input::Click(Picker, {4, Picker->ClientHeight() / 2});
        for (int32_t I = 0; I < Index; ++I) Input::PressKey(VK_RIGHT);
    }

    TFormatSettingsScope Settings{TFormatSettings{}};
    std::unique_ptr<TForm> Form;
    TDateTimePicker* Picker = nullptr;
    QStringList Changes;
};

TEST_F(PickerFieldsTest, ANewPickerTypesIntoItsFirstField)
{
    Input::TypeText(QStringLiteral("7"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("07.03.2024"));
    EXPECT_EQ(Changes, QStringList({"07.03.2024"}));
}

TEST_F(PickerFieldsTest, DigitsEditTheCurrentFieldAndNeverMoveOn)
{
    const struct {
        TDateTime From;
        int32_t Field;
        const char* Typed;
        const char* Shown;
        int32_t ChangeCount;
    } Cases[] = {
        {EncodeDate(2024, 3, 15), 0, "3", "03.03.2024", 1},    {EncodeDate(2024, 3, 15), 0, "31", "31.03.2024", 2},
        {EncodeDate(2024, 3, 15), 0, "35", "05.03.2024", 2},   {EncodeDate(2024, 3, 15), 0, "47", "07.03.2024", 2},
        {EncodeDate(2024, 3, 15), 0, "311", "01.03.2024", 3},  {EncodeDate(2024, 3, 15), 0, "0", "15.03.2024", 0},
        {EncodeDate(2024, 3, 15), 0, "07", "07.03.2024", 1},   {EncodeDate(2024, 3, 15), 0, "15", "15.03.2024", 2},
        {EncodeDate(2024, 3, 15), 1, "2", "15.02.2024", 1},    {EncodeDate(2024, 3, 15), 1, "12", "15.12.2024", 2},
        {EncodeDate(2024, 3, 15), 1, "13", "15.03.2024", 2},   {EncodeDate(2024, 1, 31), 1, "2", "29.02.2024", 1},
        {EncodeDate(2024, 3, 15), 2, "199", "15.03.2024", 0},  {EncodeDate(2024, 3, 15), 2, "1999", "15.03.1999", 1},
        {EncodeDate(2024, 2, 29), 2, "2023", "28.02.2023", 1}, {EncodeDate(2024, 3, 15), 2, "20251", "15.03.2025", 1},
    };
    for (const auto& Case : Cases) {
        Picker->SetDate(Case.From);
        GoToField(Case.Field);
        Changes.clear();
        Input::TypeText(QString::fromLatin1(Case.Typed));
        EXPECT_EQ(Picker->Text(), QString::fromLatin1(Case.Shown)) << "field " << Case.Field << " typed " << Case.Typed;
        EXPECT_EQ(Changes.size(), Case.ChangeCount) << "field " << Case.Field << " typed " << Case.Typed;
    }
}

TEST_F(PickerFieldsTest, TimeFieldsTakeDigitsByTheirRanges)
{
    Picker->SetKind(dtkTime);
    const struct {
        const char* Format;
        TDateTime From;
        int32_t Field;
        const char* Typed;
        const char* Shown;
    } Cases[] = {
        {"HH:mm:ss", EncodeTime(10, 20, 30, 0), 0, "1", "01:20:30"},
        {"HH:mm:ss", EncodeTime(10, 20, 30, 0), 0, "23", "23:20:30"},
        {"HH:mm:ss", EncodeTime(10, 20, 30, 0), 0, "24", "04:20:30"},
        {"HH:mm:ss", EncodeTime(10, 20, 30, 0), 1, "7", "10:07:30"},
        {"HH:mm:ss", EncodeTime(10, 20, 30, 0), 1, "59", "10:59:30"},
        {"HH:mm:ss", EncodeTime(10, 20, 30, 0), 2, "6", "10:20:06"},
        {"HH:mm:ss", EncodeTime(10, 20, 30, 0), 2, "61", "10:20:01"},
        {"hh:mm tt", EncodeTime(14, 20, 0, 0), 0, "3", "03:20 PM"},
        {"hh:mm tt", EncodeTime(14, 20, 0, 0), 0, "12", "12:20 PM"},
        {"hh:mm tt", EncodeTime(2, 20, 0, 0), 0, "12", "12:20 AM"},
    };
    for (const auto& Case : Cases) {
        Picker->SetFormat(QString::fromLatin1(Case.Format));
        Picker->SetTime(Case.From);
        GoToField(Case.Field);
        Input::TypeText(QString::fromLatin1(Case.Typed));
        EXPECT_EQ(Picker->Text(), QString::fromLatin1(Case.Shown))
            << Case.Format << " field " << Case.Field << " typed " << Case.Typed;
    }
    Picker->SetFormat(QStringLiteral("HH:mm:ss"));
    Picker->SetTime(EncodeTime(10, 20, 30, 0));
    EXPECT_NEAR(Picker->Time(), EncodeTime(10, 20, 30, 0), 1e-9);
    GoToField(0);
    Input::TypeText(QStringLiteral("8"));
    EXPECT_NEAR(Picker->Time(), EncodeTime(8, 20, 30, 0), 1e-9) << "the value follows the text";
    EXPECT_EQ(Picker->Date(), EncodeDate(2024, 3, 15)) << "the date stays";
}

TEST_F(PickerFieldsTest, LeftAndRightMoveByFieldRoundTheEnds)
{
    GoToField(0);
    Input::PressKey(VK_RIGHT);
    Input::TypeText(QStringLiteral("11"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("15.11.2024")) << "Right: the month";
    Input::PressKey(VK_RIGHT);
    Input::PressKey(VK_RIGHT);
    Input::TypeText(QStringLiteral("2"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("02.11.2024")) << "Right from the year goes round to the day";
    Input::PressKey(VK_LEFT);
    Input::TypeText(QStringLiteral("2030"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("02.11.2030")) << "Left from the day goes round to the year";
}

TEST_F(PickerFieldsTest, APostedRightArrowMovesAsTheKeyDoes)
{
    GoToField(0);
    Input::TypeText(QStringLiteral("2"));
    PostMessage(Picker->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    ProcessPendingEvents();
    Input::TypeText(QStringLiteral("8"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("02.08.2024")) << "the 8 went into the month, not the day";
}

TEST_F(PickerFieldsTest, TheWindowTextIsTheShownText)
{
    GoToField(1);
    Input::TypeText(QStringLiteral("6"));
    char16_t Buffer[64] = {};
    const LRESULT Length = Picker->Perform(WM_GETTEXT, 64, reinterpret_cast<LPARAM>(Buffer));
    EXPECT_EQ(QString::fromUtf16(Buffer, static_cast<qsizetype>(Length)), QStringLiteral("15.06.2024"));
    EXPECT_EQ(Picker->Perform(WM_GETTEXTLENGTH, 0, 0), 10);
    EXPECT_EQ(Picker->Text(), QStringLiteral("15.06.2024"));
}

// ---- A picker inside another ----

// A picker that frames its window in red after every paint, through its window's context.
class TFramedPicker : public TDateTimePicker {
public:
    using TDateTimePicker::TDateTimePicker;
    int32_t Frames = 0;

protected:
    void Dispatch(TMessage& Message) override
    {
        TDateTimePicker::Dispatch(Message);
        if (Message.Msg != WM_NCPAINT) return;
        ++Frames;
        HDC DC = GetWindowDC(Handle());
        TBrush Red;
        Red.SetColor(clRed);
        TRect R{0, 0, Width(), Height()};
        FrameRect(DC, R, &Red);
        ReleaseDC(Handle(), DC);
    }
};

class NestedPickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(320, 120);
        Outer = Place<TFramedPicker>(Form.get(), Bounds(10, 10, 220, 24));
        Outer->SetFormat(QStringLiteral("dd'.'MM'.'yyyy"));
        Outer->SetDate(EncodeDate(2024, 3, 15));
        Inner = New<TDateTimePicker>(Outer);
        Inner->SetKind(dtkTime);
        Inner->SetFormat(QStringLiteral("HH:mm"));
        Inner->SetTime(EncodeTime(9, 45, 0, 0));
        Inner->SetBounds(120, 2, 80, 20);
        Inner->SetParent(Outer);
        Form->Show();
        ProcessPendingEvents();
    }

    TFormatSettingsScope Settings{TFormatSettings{}};
    std::unique_ptr<TForm> Form;
    TFramedPicker* Outer = nullptr;
    TDateTimePicker* Inner = nullptr;
};

TEST_F(NestedPickerTest, TheInnerPickerShowsTakesClicksAndKeys)
{
    EXPECT_TRUE(Inner->Showing());
    const TPoint Origin = Inner->ClientOrigin();
    const TPoint OuterOrigin = Outer->ClientOrigin();
    EXPECT_EQ(Origin.X - OuterOrigin.X, 120);
    EXPECT_EQ(Origin.Y - OuterOrigin.Y, 2);

    Input::Click(Inner, {8, 10});
    EXPECT_TRUE(Inner->Focused());
    Input::TypeText(QStringLiteral("7"));
    EXPECT_EQ(Inner->Text(), QStringLiteral("07:45"));
    Input::PressKey(VK_RIGHT);
    Input::TypeText(QStringLiteral("5"));
    EXPECT_EQ(Inner->Text(), QStringLiteral("07:05"));
    EXPECT_EQ(Outer->Text(), QStringLiteral("15.03.2024")) << "the outer picker keeps its value";

    Input::Click(Outer, {8, 10});
    EXPECT_TRUE(Outer->Focused());
    Input::TypeText(QStringLiteral("9"));
    EXPECT_EQ(Outer->Text(), QStringLiteral("09.03.2024"));
    EXPECT_EQ(Inner->Text(), QStringLiteral("07:05"));
}

TEST_F(NestedPickerTest, TheWindowContextDrawsOverThePickerAfterEveryPaint)
{
    const QImage Image = RenderControl(Outer);
    SaveArtifact(Image, QStringLiteral("NestedPicker"));
    const QRgb Red = qRgb(255, 0, 0);
    EXPECT_GT(Outer->Frames, 0) << "a wrapped window is asked for its frame after painting";
    EXPECT_EQ(Image.pixel(0, 12), Red);
    EXPECT_EQ(Image.pixel(60, 0), Red);
    EXPECT_EQ(Image.pixel(60, 23), Red);
    EXPECT_EQ(Image.pixel(219, 12), Red);
    // The inner picker lies above what the outer one draws on its window.
    const QImage InnerImage = RenderControl(Inner);
    const TPoint At{Inner->ClientOrigin().X - Outer->ClientOrigin().X,
                    Inner->ClientOrigin().Y - Outer->ClientOrigin().Y};
    int32_t Same = 0;
    for (int Y = 0; Y < InnerImage.height(); ++Y)
        for (int X = 0; X < InnerImage.width(); ++X) Same += Image.pixel(At.X + X, At.Y + Y) == InnerImage.pixel(X, Y);
    EXPECT_GT(Same, InnerImage.width() * InnerImage.height() * 9 / 10);

    // Typing repaints the picker: its frame comes back with the new text.
    const int32_t Before = Outer->Frames;
    Outer->SetFocus();
    Input::TypeText(QStringLiteral("9"));
    ProcessPendingEvents();
    EXPECT_GT(Outer->Frames, Before);
    const QImage After = RenderControl(Outer);
    EXPECT_EQ(After.pixel(0, 12), Red);
    EXPECT_EQ(After.pixel(60, 0), Red);
}

}  // namespace
