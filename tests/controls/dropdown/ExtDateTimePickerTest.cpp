// The date and time picker: values in whole seconds, kinds and the time part, AutoTab for dates, the check box, the label and the metro frame.
#include "dropdown/ExtDateTimePicker.h"

#include "DateTimePickerTestSupport.h"
#include "support/LayerInternals.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/FormatSettings.h"
#include "windows/ExtCtrls.h"
#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace PickerTest;
using namespace DateTimePickerTest;

namespace {

TFormatSettings DayFirst()
{
    TFormatSettings Settings;
    Settings.ShortDateFormat = QStringLiteral("dd/MM/yyyy");
    Settings.DateSeparator = QLatin1Char('/');
    return Settings;
}

// The width Text takes on one line in Font.
int32_t TextWidth(const QString& Text, TFont* Font)
{
    TBitmap Measure;
    Measure.SetSize(1, 1);
    Measure.Canvas()->Font()->Assign(Font);
    TRect Box{0, 0, 1000, 200};
    DrawText(Measure.Canvas(), Text, -1, Box, DT_CALCRECT | DT_SINGLELINE);
    return Box.Width();
}

TDateTime At(uint16_t Year, uint16_t Month, uint16_t Day, uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec = 0)
{
    return EncodeDate(Year, Month, Day) + EncodeTime(Hour, Min, Sec, MSec);
}

class ExtDateTimePickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(420, 200, RGB(200, 220, 240));
        Picker = Place<TCountingExtPicker>(Form.get(), Bounds(100, 40, 220, 21));
        Picker->SetFormat(QStringLiteral("dd.MM.yyyy"));
        Picker->SetTimeFormat(QStringLiteral("HH:mm:ss"));
        Picker->SetDateTime(At(2024, 3, 15, 10, 20, 30));
        Other = Place<TEdit>(Form.get(), Bounds(10, 150, 60, 21));
        Form->Show();
        Other->SetFocus();
        ProcessPendingEvents();
    }

    TFormatSettingsScope Settings{DayFirst()};
    std::unique_ptr<TForm> Form;
    TCountingExtPicker* Picker = nullptr;
    TEdit* Other = nullptr;
};

TEST_F(ExtDateTimePickerTest, CreationValues)
{
    auto* Fresh = Place<TExtDateTimePicker>(Form.get(), Bounds(100, 80, 220, 21));
    EXPECT_EQ(Fresh->Kind(), dkDateTime);
    EXPECT_EQ(Fresh->BorderStyle(), bsSingle);
    EXPECT_TRUE(Fresh->Ctl3D());
    EXPECT_FALSE(Fresh->MetroStyle());
    EXPECT_FALSE(Fresh->AutoTab());
    EXPECT_FALSE(Fresh->IsTimePart());
    EXPECT_EQ(Fresh->BorderColor(), clBlack);
    EXPECT_EQ(Fresh->ButtonColor(), clNone);
    EXPECT_EQ(Fresh->ButtonTextColorDown(), clNone);
    EXPECT_TRUE(Fresh->TimeFormat().isEmpty());
    EXPECT_EQ(Fresh->LabelPosition(), lpLeftTop);
    EXPECT_EQ(Fresh->LabelMargin(), 4);
    EXPECT_EQ(Fresh->LabelCaption(), QString());
    EXPECT_EQ(Fresh->DateTimeLabel(), nullptr);
    EXPECT_EQ(Fresh->Version(), QStringLiteral("1.2.0.0"));
    Fresh->SetVersion(QStringLiteral("9.9.9.9"));
    EXPECT_EQ(Fresh->Version(), QStringLiteral("1.2.0.0"));
    // The time part comes with the window.
    ProcessPendingEvents();
    ASSERT_NE(Fresh->TimePart(), nullptr);
    EXPECT_EQ(Fresh->TimePart()->Parent(), Fresh);
    EXPECT_TRUE(Fresh->TimePart()->Visible());
    EXPECT_EQ(Fresh->TimePart()->Kind(), dtkTime);
    EXPECT_TRUE(Fresh->TimePart()->IsTimePart());
}

TEST_F(ExtDateTimePickerTest, ValuesKeepWholeSecondsInBothParts)
{
    const TDateTime Old = EncodeDate(1850, 6, 1);
    for (const TExtDateTimeKind Kind : {dkDate, dkDateTime}) {
        Picker->SetKind(Kind);
        const auto Check = [&](TDateTime Expected, const char* Step) {
            const auto Trace = testing::Message() << "kind " << Kind << ", " << Step;
            EXPECT_NEAR(Picker->DateTime(), Expected, 1e-9) << Trace;
            EXPECT_NEAR(Picker->Date(), std::trunc(Expected), 1e-9) << Trace;
            if (Kind == dkDateTime) {
                ASSERT_NE(Picker->TimePart(), nullptr) << Trace;
                EXPECT_NEAR(Picker->TimePart()->DateTime(), Expected, 1e-9) << Trace;
            }
        };
        Picker->SetDateTime(At(2024, 3, 15, 10, 20, 30, 789));
        Check(At(2024, 3, 15, 10, 20, 30), "DateTime");
        EXPECT_NEAR(Picker->Time(), EncodeTime(10, 20, 30, 0), 1e-9);
        Picker->SetDate(At(2025, 1, 2, 5, 6, 7, 800));
        Check(At(2025, 1, 2, 10, 20, 30), "Date keeps the time of day");
        Picker->SetTime(EncodeTime(11, 12, 13, 456));
        Check(At(2025, 1, 2, 11, 12, 13), "Time");
        EXPECT_NEAR(Picker->Time(), EncodeTime(11, 12, 13, 0), 1e-9);
        // Before the epoch the time of day counts away from zero.
        Picker->SetDateTime(Old - EncodeTime(12, 0, 0, 500));
        Check(Old - EncodeTime(12, 0, 0, 0), "before the epoch");
    }
}

TEST_F(ExtDateTimePickerTest, TheTimePartsValueIsThePickersTime)
{
    QStringList Log;
    Picker->OnChange = [&](TObject* Sender) { Log << (Sender == Picker ? "change" : "change from elsewhere"); };
    Picker->OnTimeChange = [&](TObject* Sender) {
        Log << (Sender == Picker ? "time change" : "time change from elsewhere");
    };
    Picker->OnKeyDown = [&](TObject*, uint16_t& Key, TShiftState) { Log << QStringLiteral("key %1").arg(Key); };
    TCustomDateTimePicker* Part = Picker->TimePart();
    ASSERT_NE(Part, nullptr);
    Input::Click(Part, {4, Part->Height() / 2});
    EXPECT_TRUE(Part->Focused());
    Input::TypeText(QStringLiteral("8"));
    EXPECT_EQ(Part->Text(), QStringLiteral("08:20:30"));
    EXPECT_NEAR(Picker->Time(), EncodeTime(8, 20, 30, 0), 1e-9);
    EXPECT_NEAR(Picker->DateTime(), At(2024, 3, 15, 8, 20, 30), 1e-9);
    EXPECT_EQ(Log, (QStringList{"key 56", "change", "time change"}));
}

TEST_F(ExtDateTimePickerTest, KindsMakeAndDropTheTimePart)
{
    RenderAndSave(Form.get(), QStringLiteral("ExtDateTimePickerDateTime"));
    Picker->SetKind(dkDate);
    EXPECT_EQ(Picker->TimePart(), nullptr);
    EXPECT_EQ(static_cast<TDateTimePicker*>(Picker)->Kind(), dtkDate);
    RenderAndSave(Picker, QStringLiteral("ExtDateTimePickerDate"));
    Picker->SetKind(dkDateTime);
    ASSERT_NE(Picker->TimePart(), nullptr);
    EXPECT_TRUE(Picker->TimePart()->Showing());
    EXPECT_EQ(Picker->TimePart()->Text(), QStringLiteral("10:20:30"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("15.03.2024"));
    // The time kind shows the time itself, in TimeFormat.
    Picker->SetKind(dkTime);
    EXPECT_EQ(Picker->TimePart(), nullptr);
    EXPECT_EQ(static_cast<TDateTimePicker*>(Picker)->Kind(), dtkTime);
    Picker->SetTimeFormat(QStringLiteral("HH:mm"));
    EXPECT_EQ(Picker->Format(), QStringLiteral("HH:mm"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("10:20"));
    RenderAndSave(Picker, QStringLiteral("ExtDateTimePickerTime"));
}

TEST_F(ExtDateTimePickerTest, TheTimePartStandsAtTheRightEdgeAsWideAsItsText)
{
    const auto Expect = [&](const char* Step) {
        TCustomDateTimePicker* Part = Picker->TimePart();
        ASSERT_NE(Part, nullptr) << Step;
        const int32_t W = TextWidth(Part->Text(), Picker->Font()) + 31;
        EXPECT_EQ(Part->BoundsRect(), Bounds(Picker->Width() - W - 21, -2, W, Picker->Height())) << Step;
    };
    Expect("shown");
    Picker->SetWidth(260);
    Expect("wider");
    Picker->SetTimeFormat(QStringLiteral("HH:mm"));
    Expect("shorter text");
    Picker->Font()->SetSize(11);
    Picker->SetHeight(24);
    Expect("larger font");
}

TEST_F(ExtDateTimePickerTest, AutoTabPostsPerKindAndFormat)
{
    const struct {
        TExtDateTimeKind Kind;
        bool AutoTab;
        const char* Format;
        int32_t Field;
        const char* Typed;
        int32_t Checks;
        int32_t Rights;
        bool IntoTime;
        const char* Shown;
    } Cases[] = {
        {dkDate, false, "dd.MM.yyyy", 0, "37", 0, 0, false, "07.03.2024"},
        // Day, then month: each changed field moves on.
        {dkDate, true, "dd.MM.yyyy", 0, "37", 2, 2, false, "03.07.2024"},
        // The year is taken at its fourth digit; without a time part there is nowhere to go.
        {dkDate, true, "dd.MM.yyyy", 2, "2031", 4, 0, false, "15.03.2031"},
        // A year that is not the format's last field moves on.
        {dkDate, true, "yyyy-MM-dd", 0, "2031", 4, 1, false, "2031-03-15"},
        {dkDateTime, true, "dd.MM.yyyy", 2, "2031", 4, 0, true, "15.03.2031"},
        {dkDateTime, true, "yyyy-MM-dd", 2, "9", 1, 0, true, "2024-03-09"},
        {dkDateTime, true, "yyyy-MM-dd", 1, "7", 1, 1, false, "2024-07-15"},
        // Without a format of its own: day and month move on, the year goes into the time.
        {dkDateTime, true, "", 0, "3", 1, 1, false, "03/03/2024"},
        {dkDateTime, true, "", 2, "2031", 4, 0, true, "15/03/2031"},
        // The time kind takes the time rule.
        {dkTime, true, "HH:mm:ss", 0, "75", 2, 2, false, "07:05:30"},
    };
    for (const auto& Case : Cases) {
        Picker->SetKind(Case.Kind);
        Picker->SetAutoTab(Case.AutoTab);
        if (Case.Kind == dkTime)
            Picker->SetTimeFormat(QString::fromLatin1(Case.Format));
        else
            Picker->SetFormat(QString::fromLatin1(Case.Format));
        Picker->SetDateTime(At(2024, 3, 15, 10, 20, 30));
        GoToField(Picker, Case.Field);
        Input::TypeText(QString::fromLatin1(Case.Typed));
        const auto Trace = testing::Message() << "kind " << Case.Kind << " format " << Case.Format << " field "
                                              << Case.Field << " typed " << Case.Typed;
        EXPECT_EQ(Picker->Checks, Case.Checks) << Trace;
        EXPECT_EQ(Picker->Rights, Case.Rights) << Trace;
        EXPECT_EQ(Picker->TimePart() && Picker->TimePart()->Focused(), Case.IntoTime) << Trace;
        EXPECT_EQ(Picker->Text(), QString::fromLatin1(Case.Shown)) << Trace;
    }
}

TEST_F(ExtDateTimePickerTest, TypingAWholeDateWalksOnIntoTheTime)
{
    Picker->SetAutoTab(true);
    ASSERT_TRUE(Picker->TimePart()->AutoTab());
    GoToField(Picker, 0);
    Input::TypeText(QStringLiteral("372031"));
    ASSERT_TRUE(Picker->TimePart()->Focused()) << "the last digit of the year moves into the time";
    Input::TypeText(QStringLiteral("85"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("03.07.2031"));
    EXPECT_EQ(Picker->TimePart()->Text(), QStringLiteral("08:05:30"));
    EXPECT_NEAR(Picker->DateTime(), At(2031, 7, 3, 8, 5, 30), 1e-9);
    RenderAndSave(Picker, QStringLiteral("ExtDateTimePickerWalked"));
}

TEST_F(ExtDateTimePickerTest, ClearingTheCheckBoxDisablesTheTimePart)
{
    QStringList Log;
    Picker->OnDropDown = [&](TObject*) { Log << "drop down"; };
    Picker->OnCloseUp = [&](TObject*) { Log << "close up"; };
    Picker->SetShowCheckbox(true);
    Picker->SetDateTime(At(2024, 3, 15, 10, 20, 30));
    TCustomDateTimePicker* Part = Picker->TimePart();
    ASSERT_NE(Part, nullptr);
    EXPECT_TRUE(Part->Enabled());
    const TPoint Box{8, Picker->Height() / 2};
    Input::Click(Picker, Box);
    EXPECT_FALSE(Picker->Checked());
    EXPECT_FALSE(Part->Enabled());
    ProcessPendingEvents();
    RenderAndSave(Picker, QStringLiteral("ExtDateTimePickerUnchecked"));
    Input::Click(Picker, Box);
    EXPECT_TRUE(Picker->Checked());
    EXPECT_TRUE(Part->Enabled());
    // By code alike; a value set checks the box again.
    Picker->SetChecked(false);
    EXPECT_FALSE(Part->Enabled());
    Picker->SetEnabled(false);
    Picker->SetEnabled(true);
    EXPECT_FALSE(Part->Enabled()) << "enabling the picker leaves a cleared time disabled";
    Picker->SetDateTime(At(2024, 4, 1, 9, 0, 0));
    EXPECT_TRUE(Picker->Checked());
    EXPECT_TRUE(Part->Enabled());
    Picker->SetEnabled(false);
    EXPECT_FALSE(Part->Enabled());
    Picker->SetEnabled(true);
    // The calendar's opening and closing still reach the events.
    Picker->SetFocus();
    Input::PressKey(VK_F4);
    EXPECT_TRUE(Picker->DroppedDown());
    Input::PressKey(VK_ESCAPE);
    EXPECT_EQ(Log, (QStringList{"drop down", "close up"}));
}

TEST_F(ExtDateTimePickerTest, LoadingAppliesTheUncheckedStateAndTheParentFont)
{
    auto* Loaded = New<TExtDateTimePicker>(Form.get());
    Loaded->BeginLoading();
    Loaded->SetParent(Form.get());
    Loaded->SetBounds(100, 80, 220, 21);
    Loaded->SetShowCheckbox(true);
    Loaded->SetChecked(false);
    Loaded->SetLabelCaption(QStringLiteral("Loaded"));
    Loaded->LabelFont()->SetSize(20);
    ASSERT_TRUE(Loaded->ParentFont());
    Loaded->Loaded();
    ASSERT_NE(Loaded->TimePart(), nullptr);
    EXPECT_FALSE(Loaded->Checked());
    EXPECT_FALSE(Loaded->TimePart()->Enabled());
    // With the parent's font the label takes the picker's.
    EXPECT_NE(Loaded->Font()->Size(), 20);
    EXPECT_EQ(Loaded->LabelFont()->Size(), Loaded->Font()->Size());
    EXPECT_EQ(Loaded->DateTimeLabel()->Font()->Size(), Loaded->Font()->Size());
}

// ---- The label ----

TEST_F(ExtDateTimePickerTest, TheLabelStandsWhereItsPositionSays)
{
    Picker->SetLabelMargin(6);
    Picker->SetLabelCaption(QStringLiteral("Due date"));
    TLabel* Label = Picker->DateTimeLabel();
    ASSERT_NE(Label, nullptr);
    EXPECT_EQ(Label->Parent(), Form.get());
    EXPECT_EQ(Label->FocusControl(), Picker);
    const int32_t L = 100, T = 40, W = 220, H = 21, M = 6;
    const int32_t Text = TextWidth(QStringLiteral("Due date"), Label->Font());
    const int32_t Lw = Label->Width(), Lh = Label->Height();
    const struct {
        TLabelPosition Position;
        int32_t Left;
        int32_t Top;
    } Cases[] = {
        {lpLeftTop, L - Text - M, T},
        {lpLeftCenter, L - Text - M, T + (H - Lh) / 2},
        {lpLeftBottom, L - Text - M, T + H - Lh},
        {lpTopLeft, L, T - Lh - M},
        {lpBottomLeft, L, T + H + M},
        {lpLeftTopLeft, L - M, T},
        {lpLeftCenterLeft, L - M, T + (H - Lh) / 2},
        {lpLeftBottomLeft, L - M, T + H - Lh},
        {lpTopCenter, L + (W - Lw) / 2, T - Lh - M},
        {lpBottomCenter, L + (W - Lw) / 2, T + H + M},
        {lpRightTop, L + W + M, T},
        {lpRightCenter, L + W + M, T + (H - Lh) / 2},
        {lpRighBottom, L + W + M, T + H - Lh},
    };
    for (const auto& Case : Cases) {
        Picker->SetLabelPosition(Case.Position);
        EXPECT_EQ(Label->Left(), Case.Left) << "position " << Case.Position;
        EXPECT_EQ(Label->Top(), Case.Top) << "position " << Case.Position;
    }
    // The drop-down edits' places are not the picker's.
    Picker->SetLabelPosition(lpTopRight);
    EXPECT_EQ(Picker->LabelPosition(), lpRighBottom);
    // The label moves with the picker.
    Picker->SetLabelPosition(lpLeftTop);
    Picker->SetBounds(120, 60, 220, 21);
    EXPECT_EQ(Label->BoundsRect(), Bounds(120 - Text - M, 60, Lw, Lh));
    RenderAndSave(Form.get(), QStringLiteral("ExtDateTimePickerLabel"));
}

TEST_F(ExtDateTimePickerTest, ALabelTallerThanThePickerIsCentredAboveItsTop)
{
    Picker->LabelFont()->SetSize(28);
    Picker->SetLabelCaption(QStringLiteral("Due"));
    Picker->SetLabelPosition(lpRightCenter);
    TLabel* Label = Picker->DateTimeLabel();
    const int32_t Lh = Label->Height();
    ASSERT_GT(Lh, Picker->Height());
    EXPECT_EQ(Label->Top(), 40 - (Lh - 21) / 2);
    EXPECT_EQ(Label->Left(), 100 + 220 + 4);
}

TEST_F(ExtDateTimePickerTest, TheLabelFollowsThePicker)
{
    QStringList Log;
    Picker->OnLabelClick = [&](TObject* Sender) { Log << (Sender == Picker ? "click" : "click from elsewhere"); };
    Picker->OnLabelDblClick = [&](TObject* Sender) { Log << (Sender == Picker ? "double click" : "elsewhere"); };
    Picker->SetFocusLabel(true);
    Picker->SetLabelCaption(QStringLiteral("Due date"));
    TLabel* Label = Picker->DateTimeLabel();
    Input::Click(Label, {3, 3});
    Input::DoubleClick(Label, {3, 3});
    EXPECT_EQ(Log.first(), QStringLiteral("click"));
    EXPECT_TRUE(Log.contains(QStringLiteral("double click")));
    // Bold while the picker has the focus.
    Picker->SetFocus();
    ProcessPendingEvents();
    EXPECT_TRUE(Label->Font()->Style().Contains(fsBold));
    Other->SetFocus();
    ProcessPendingEvents();
    EXPECT_FALSE(Label->Font()->Style().Contains(fsBold));
    // Enabled and visible.
    Picker->SetEnabled(false);
    EXPECT_FALSE(Label->Enabled());
    Picker->SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(Label->Enabled());
    Picker->SetEnabled(true);
    Picker->SetVisible(false);
    EXPECT_FALSE(Label->Visible());
    Picker->SetVisible(true);
    EXPECT_TRUE(Label->Visible());
    // Another parent takes the label along.
    auto* Panel = Place<TPanel>(Form.get(), Bounds(0, 90, 420, 60));
    Picker->SetParent(Panel);
    EXPECT_EQ(Label->Parent(), Panel);
}

// ---- The metro frame ----

TEST_F(ExtDateTimePickerTest, TheMetroFrameAndButtonArea)
{
    Picker->SetKind(dkDate);
    const int32_t W = Picker->Width(), H = Picker->Height(), BW = Picker->ButtonWidth(), CW = Picker->ClientWidth();
    // A column in the middle of the button area.
    const int32_t Middle = CW - BW / 2;
    const QString Red = Html(clRed), Face = Html(clBtnFace), Themed = QStringLiteral("#7F9DB9");
    const struct {
        bool Metro;
        TColor Border;
        bool Enabled;
        bool Themed;
        // The frame's colour; none: no frame of its own.
        const char* Frame;
    } Cases[] = {
        {false, clRed, true, false, nullptr},
        {true, clNone, true, false, nullptr},
        // Disabled without a colour, the frame shows only until the next paint.
        {true, clNone, false, false, nullptr},
        {true, clRed, true, false, "#FF0000"},
        {true, clRed, false, false, "#FF0000"},
        // Disabled with common controls 6, whatever the colour.
        {true, clRed, false, true, "#7F9DB9"},
    };
    for (const auto& Case : Cases) {
        Picker->SetThemed(Case.Themed);
        Picker->SetBorderColor(Case.Border);
        Picker->SetEnabled(Case.Enabled);
        Picker->SetMetroStyle(false);
        ProcessPendingEvents();
        const QImage Reference = RenderControl(Picker);
        Picker->SetMetroStyle(Case.Metro);
        ProcessPendingEvents();
        const QString Name = QStringLiteral("ExtDateTimePickerFrame%1%2%3%4")
                                 .arg(Case.Metro)
                                 .arg(Case.Border == clNone ? "None" : "Red")
                                 .arg(Case.Enabled)
                                 .arg(Case.Themed);
        const QImage Image = RenderAndSave(Picker, Name);
        if (!Case.Frame) {
            EXPECT_EQ(Image, Reference) << Name.toStdString();
            continue;
        }
        for (const TPoint& At : {TPoint{0, H / 2}, TPoint{W - 1, H / 2}, TPoint{W / 2, 0}, TPoint{W / 2, H - 1}})
            EXPECT_EQ(HtmlAt(Image, At.X, At.Y), QString::fromLatin1(Case.Frame))
                << Name.toStdString() << " at " << At.X << "," << At.Y;
        EXPECT_NE(HtmlAt(Image, 1, H / 2), QString::fromLatin1(Case.Frame)) << Name.toStdString() << ": a single frame";
        // Not hot: the button area in the button face.
        EXPECT_EQ(HtmlAt(Image, Middle, 3), Face) << Name.toStdString();
    }
    Picker->SetThemed(false);
    // The pointer over the picker makes the button area a raised edge; leaving takes it back.
    Picker->SetBorderColor(clRed);
    Picker->SetEnabled(true);
    Input::MoveMouse(Picker, {20, 5});
    QImage Hot = RenderAndSave(Picker, QStringLiteral("ExtDateTimePickerFrameHot"));
    EXPECT_EQ(HtmlAt(Hot, Middle, 3), Html(clBtnHighlight));
    EXPECT_EQ(HtmlAt(Hot, Middle, H - 4), Html(clBtnShadow));
    Input::MoveMouse(Form.get(), {400, 190});
    EXPECT_EQ(HtmlAt(RenderControl(Picker), Middle, 3), Face);
    // The focus makes it hot as well.
    Picker->SetFocus();
    ProcessPendingEvents();
    EXPECT_EQ(HtmlAt(RenderControl(Picker), Middle, 3), Html(clBtnHighlight));
}

TEST_F(ExtDateTimePickerTest, TheTwoColourFrameOfADisabledPickerWithoutAColour)
{
    Picker->SetKind(dkDate);
    Picker->SetMetroStyle(true);
    Picker->SetBorderColor(clNone);
    Picker->SetEnabled(false);
    ProcessPendingEvents();
    Picker->DrawFrame();
    const QImage Drawn = OverlayPixels(Picker->Handle());
    ASSERT_FALSE(Drawn.isNull());
    const int32_t W = Picker->Width(), H = Picker->Height(), BW = Picker->ButtonWidth();
    const QString Parent = Html(Form->Color()), Inner = Html(Picker->Color());
    EXPECT_EQ(HtmlAt(Drawn, 0, H / 2), Parent);
    EXPECT_EQ(HtmlAt(Drawn, 1, H / 2), Parent);
    EXPECT_EQ(HtmlAt(Drawn, 2, H / 2), Inner);
    EXPECT_EQ(HtmlAt(Drawn, W - 1, H / 2), Parent);
    // The inner two rings leave the button width out at the right.
    EXPECT_EQ(HtmlAt(Drawn, W - BW - 2, H / 2), Parent);
    EXPECT_EQ(HtmlAt(Drawn, W - BW - 3, H / 2), Inner);
}

TEST_F(ExtDateTimePickerTest, TheMetroButtonOfLaterSystemsInItsColours)
{
    Picker->SetKind(dkDate);
    Picker->SetMetroStyle(true);
    Picker->SetButtonColor(RGB(0, 0, 255));
    Picker->SetButtonColorHot(clLime);
    Picker->SetButtonColorDown(clYellow);
    Picker->SetButtonTextColor(clBlack);
    Picker->SetButtonTextColorDown(clRed);
    Picker->SetButtonBorderColor(clNavy);
    ProcessPendingEvents();
    const int32_t Left = Picker->ClientWidth() - Picker->ButtonWidth() + 3;
    const auto Paint = [&] {
        Picker->PaintAdditions();
        const QImage Drawn = OverlayPixels(Picker->Handle());
        EXPECT_FALSE(Drawn.isNull());
        return Drawn;
    };
    const struct {
        bool Hover;
        bool Held;
        TColor Face;
        TColor Triangle;
    } Cases[] = {
        {false, false, RGB(0, 0, 255), clBlack},
        {true, false, clLime, clBlack},
        {true, true, clYellow, clRed},
        {false, true, RGB(0, 0, 255), clRed},
    };
    for (const auto& Case : Cases) {
        Picker->SetButtonHover(Case.Hover);
        SetKeyDown(VK_LBUTTON, Case.Held);
        const QImage Drawn = Paint();
        SetKeyDown(VK_LBUTTON, false);
        const auto Trace = testing::Message() << "hover " << Case.Hover << " held " << Case.Held;
        EXPECT_EQ(HtmlAt(Drawn, Left + 3, 3), Html(Case.Face)) << Trace;
        EXPECT_EQ(HtmlAt(Drawn, Left, 5), Html(clNavy)) << Trace << ": the border line";
        EXPECT_EQ(HtmlAt(Drawn, Left + 8, 1 + 8), Html(Case.Triangle)) << Trace << ": the triangle";
    }
    SaveArtifact(Paint(), QStringLiteral("ExtDateTimePickerMetroButton"));
}

}  // namespace
