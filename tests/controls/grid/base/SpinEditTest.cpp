// Spin edit controls: the repeating buttons and their layouts, value kinds with clamping, stepping by part,
// the typing rules, keys and the demo of the four kinds.
#include "grid/base/SpinEdit.h"

#include "EditorTestSupport.h"
#include "graphics/Bitmap.h"
#include "rtl/FormatSettings.h"
#include "support/Artifacts.h"
#include "support/Input.h"
#include "windows/SystemMetrics.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

using namespace EditorTest;

namespace {

TFormatSettings Settings(const QString& DateFormat, QChar Dec = QLatin1Char('.'), QChar Thou = QLatin1Char(','))
{
    TFormatSettings Result = TFormatSettings::Invariant();
    Result.ShortDateFormat = DateFormat;
    Result.DateSeparator = QLatin1Char('/');
    Result.TimeSeparator = QLatin1Char(':');
    Result.LongTimeFormat = QStringLiteral("hh:nn:ss");
    Result.DecimalSeparator = Dec;
    Result.ThousandSeparator = Thou;
    return Result;
}

class SpinEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetFormatSettings(Settings(QStringLiteral("dd/MM/yyyy")));
        Form = MakeForm(300, 150);
        Spin = Place<TEsgSpinEdit>(Form.get(), Bounds(10, 10, 120, 24));
        Next = Place<TCustomControl>(Form.get(), Bounds(200, 100, 40, 20));
        Next->SetTabStop(true);
        Form->Show();
        ProcessPendingEvents();
    }
    void TearDown() override
    {
        Form.reset();
        ResetFormatSettings();
    }

    std::unique_ptr<TForm> Form;
    TEsgSpinEdit* Spin = nullptr;
    TCustomControl* Next = nullptr;
};

// ---- The spin button ----

TEST_F(SpinEditTest, SpinButtonLayouts)
{
    auto* Buttons = Place<TEsgSpinButton>(Form.get(), Bounds(150, 10, 10, 25));
    EXPECT_EQ(Buttons->Width(), 15) << "at least 15 wide upright";
    EXPECT_EQ(Buttons->UpButton()->BoundsRect(), Bounds(0, 0, 15, 12));
    EXPECT_EQ(Buttons->DownButton()->BoundsRect(), Bounds(0, 11, 15, 14));
    EXPECT_EQ(Buttons->FocusedButton(), Buttons->UpButton());
    EXPECT_EQ(Buttons->UpButton()->ButtonDirection(), bdUp);
    EXPECT_EQ(Buttons->UpButton()->Glyph()->Width(), 9);
    EXPECT_EQ(Buttons->UpButton()->Glyph()->Height(), 6);
    Buttons->SetDirection(spHorizontal);
    EXPECT_EQ(Buttons->Width(), 20);
    EXPECT_EQ(Buttons->DownButton()->BoundsRect(), Bounds(0, 0, 10, 25));
    EXPECT_EQ(Buttons->UpButton()->BoundsRect(), Bounds(11, 0, 10, 25));
    EXPECT_EQ(Buttons->UpButton()->ButtonDirection(), bdRight);
    EXPECT_EQ(Buttons->DownButton()->ButtonDirection(), bdLeft);
    Buttons->SetWidth(12);
    EXPECT_EQ(Buttons->Width(), 20);
    // An empty glyph brings the default arrow back.
    TBitmap Empty;
    TBitmap Own;
    Own.SetSize(16, 8);
    Buttons->SetUpGlyph(&Own);
    EXPECT_EQ(Buttons->UpGlyph()->Width(), 16);
    Buttons->SetUpGlyph(&Empty);
    EXPECT_EQ(Buttons->UpGlyph()->Width(), 9);
    EXPECT_EQ(Buttons->UpNumGlyphs(), 1);
}

TEST_F(SpinEditTest, SpinButtonKeysAndClicks)
{
    auto* Buttons = Place<TEsgSpinButton>(Form.get(), Bounds(150, 10, 15, 24));
    Buttons->SetTabStop(true);
    QStringList Clicks;
    Buttons->OnUpClick = [&](TObject* Sender) {
        EXPECT_EQ(Sender, Buttons);
        Clicks.append(QStringLiteral("up"));
    };
    Buttons->OnDownClick = [&](TObject*) { Clicks.append(QStringLiteral("down")); };
    EXPECT_EQ(Buttons->Perform(WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
    Buttons->SetFocus();
    EXPECT_TRUE(Buttons->UpButton()->TimeBtnState().Contains(tbFocusRect));
    Input::PressKey(VK_DOWN);
    EXPECT_EQ(Buttons->FocusedButton(), Buttons->DownButton());
    EXPECT_TRUE(Buttons->DownButton()->TimeBtnState().Contains(tbFocusRect));
    EXPECT_FALSE(Buttons->UpButton()->TimeBtnState().Contains(tbFocusRect));
    Input::PressKey(VK_SPACE);
    Input::PressKey(VK_UP);
    EXPECT_EQ(Clicks, (QStringList{"down", "down", "up"}));
    Next->SetFocus();
    EXPECT_FALSE(Buttons->UpButton()->TimeBtnState().Contains(tbFocusRect));
    // A click focuses the focus control.
    Buttons->SetFocusControl(Next);
    Spin->SetFocus();
    Input::Click(Buttons->DownButton(), {3, 3});
    EXPECT_TRUE(Next->Focused());
    EXPECT_EQ(Clicks.last(), "down");
}

TEST_F(SpinEditTest, HeldButtonRepeatsAfter400MsThenEvery100Ms)
{
    TTestClock Clock;
    int32_t Clicks = 0;
    Spin->Button()->OnDownClick = [&](TObject*) { ++Clicks; };
    TExtTimerSpeedButton* Down = Spin->Button()->DownButton();
    Input::MouseDown(Down, {3, 3});
    Clock.Advance(399);
    EXPECT_EQ(Clicks, 0);
    for (int32_t Elapsed = 400; Elapsed <= 1000; Elapsed += 100) {
        Clock.Advance(Elapsed == 400 ? 1 : 100);
        EXPECT_EQ(Clicks, (Elapsed - 300) / 100) << Elapsed;
    }
    EXPECT_EQ(Clicks, 7);
    Input::MouseUp(Down, {3, 3});
    EXPECT_EQ(Clicks, 8) << "the release inside clicks once more";
    Clock.Advance(500);
    EXPECT_EQ(Clicks, 8);
}

TEST_F(SpinEditTest, ButtonPlacementAndMinimumHeight)
{
    Spin->SetHeight(30);
    const int32_t Room = Spin->Button()->Width();
    EXPECT_EQ(Spin->Button()->BoundsRect(), Bounds(120 - Room - 5, 0, Room, 25));
    TRect Format;
    Spin->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&Format));
    EXPECT_EQ(Format, Rect(0, 0, Spin->ClientWidth() - Room - 2, Spin->ClientHeight() + 1));
    // The font's line height, a quarter of the smaller of it and the system font's, 2, and four borders.
    const int32_t Own = LineHeightOf(Spin->Font());
    EXPECT_EQ(Spin->GetMinHeight(),
              Own + std::min(Own, LineHeightOf(SystemFont())) / 4 + 2 + 4 * GetSystemMetrics(SM_CYBORDER));
    Spin->SetHeight(3);
    EXPECT_EQ(Spin->Height(), Spin->GetMinHeight());
}

TEST_F(SpinEditTest, ColouredButtonsFillAndPointTheirArrows)
{
    TTestClock Clock;
    struct TCase {
        const char* Name;
        TSpinDirection Direction;
        bool Up;
        QRect Arrow;
    };
    // Up (4,4) (8,4) (6,2), down (4,2) (8,2) (6,4), left (5,5) (3,7) (5,9), right (3,5) (5,7) (3,9).
    const TCase Cases[] = {
        {"up", spVertical, true, QRect(4, 2, 5, 3)},
        {"down", spVertical, false, QRect(4, 2, 5, 3)},
        {"left", spHorizontal, false, QRect(3, 5, 3, 5)},
        {"right", spHorizontal, true, QRect(3, 5, 3, 5)},
    };
    auto* Buttons = Place<TEsgSpinButton>(Form.get(), Bounds(150, 10, 20, 30));
    Buttons->SetButtonColor(clYellow);
    Buttons->SetButtonColorHot(clAqua);
    Buttons->SetButtonColorDown(clFuchsia);
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Buttons->SetDirection(Case.Direction);
        TExtTimerSpeedButton* Button = Case.Up ? Buttons->UpButton() : Buttons->DownButton();
        // Side by side, the up button reaches one pixel past the pair's right edge: look left of it.
        const QRect Face(0, 0, 9, Button->Height());
        const TPoint Corner{Button->Width() - 2, Button->Height() - 2};
        QImage Image = RenderControl(Button);
        EXPECT_EQ(InkBounds(Image, clBlack, Face), Case.Arrow);
        EXPECT_EQ(PixelText(Image, Corner.X, Corner.Y), ColorText(clYellow));
        Input::MoveMouse(Button, Corner);
        EXPECT_EQ(PixelText(RenderControl(Button), Corner.X, Corner.Y), ColorText(clAqua)) << "hot";
        Input::MouseDown(Button, Corner);
        Image = RenderControl(Button);
        EXPECT_EQ(PixelText(Image, Corner.X, Corner.Y), ColorText(clFuchsia)) << "pressed";
        EXPECT_EQ(InkBounds(Image, clBlack, Face), Case.Arrow) << "the arrow stays in place";
        Input::MouseUp(Button, Corner);
        Input::MoveMouse(Form.get(), {290, 140});
    }
}

// ---- Values ----

TEST_F(SpinEditTest, IntegerValuesClampUnlessTheRangeIsEmpty)
{
    EXPECT_EQ(Spin->Text(), "0");
    Spin->SetValue(100);
    Spin->SpinUp(false);
    EXPECT_EQ(Spin->Value(), 100);
    Spin->SetValue(-5);
    EXPECT_EQ(Spin->Text(), "0");
    Spin->SetMaxValue(0);
    Spin->SetValue(250);
    EXPECT_EQ(Spin->Text(), "250");
    Spin->SpinUp(false);
    EXPECT_EQ(Spin->Value(), 251);
    Spin->SetText({});
    EXPECT_EQ(Spin->Value(), 0);
    Spin->SetMinValue(5);
    Spin->SetText(QStringLiteral("abc"));
    EXPECT_EQ(Spin->Value(), 5);
    Spin->SetText(QStringLiteral(" 42 "));
    EXPECT_EQ(Spin->Value(), 42);
}

TEST_F(SpinEditTest, FloatValuesAndTheirFormat)
{
    Spin->SetSpinType(sptFloat);
    Spin->SetFloatValue(0.1);
    Spin->SpinUp(false);
    EXPECT_EQ(Spin->Text(), "0.2");
    Spin->SpinUp(true);
    EXPECT_EQ(Spin->Text(), "1.2");
    Spin->SetPrecision(2);
    EXPECT_EQ(Spin->Text(), "1.20");
    Spin->SetFloatValue(250);
    EXPECT_EQ(Spin->Text(), "100.00");
    Spin->SetMinFloatValue(1.5);
    Spin->SetText(QStringLiteral("x"));
    EXPECT_EQ(Spin->FloatValue(), 1.5) << "unreadable: the minimum";
}

TEST_F(SpinEditTest, DateStepsThePartUnderTheCaret)
{
    struct TCase {
        const char* Format;
        const char* Start;
        int32_t Caret;
        const char* Up;
    };
    const TCase Cases[] = {
        {"dd/MM/yyyy", "15/03/2021", 1, "16/03/2021"},
        {"dd/MM/yyyy", "15/03/2021", 4, "15/04/2021"},
        {"dd/MM/yyyy", "15/03/2021", 7, "15/03/2022"},
        {"dd/MM/yyyy", "31/01/2021", 3, "28/02/2021"},
        {"dd/MM/yyyy", "31/12/2021", 0, "01/01/2022"},
        {"M/d/yyyy", "3/15/2021", 0, "4/15/2021"},
        {"M/d/yyyy", "3/15/2021", 3, "3/16/2021"},
        {"M/d/yyyy", "3/15/2021", 6, "3/15/2022"},
    };
    Spin->SetSpinType(sptDate);
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(std::string(Case.Format) + " " + Case.Start);
        SetFormatSettings(Settings(QString::fromLatin1(Case.Format)));
        Spin->SetText(QString::fromLatin1(Case.Start));
        Spin->SetSelStart(Case.Caret);
        Spin->SpinUp(false);
        EXPECT_EQ(Spin->Text(), Case.Up);
        EXPECT_EQ(Spin->SelStart(), Case.Caret) << "the caret stays";
        EXPECT_EQ(Spin->UsDates(), Case.Format[0] == 'M');
        Spin->SpinDown(false);
        if (QString::fromLatin1(Case.Start).startsWith(QLatin1String("31/01"))) continue;
        EXPECT_EQ(Spin->Text(), Case.Start);
    }
    // Out of the date range: the value stays.
    SetFormatSettings(Settings(QStringLiteral("dd/MM/yyyy")));
    Spin->SetText(QStringLiteral("31/12/9999"));
    Spin->SetSelStart(0);
    Spin->SpinUp(false);
    EXPECT_EQ(Spin->Text(), "31/12/9999");
    Spin->SetText(QStringLiteral("29/02/2020"));
    Spin->SetSelStart(8);
    Spin->SpinUp(false);
    EXPECT_EQ(Spin->Text(), "29/02/2020");
}

TEST_F(SpinEditTest, TimeStepsHoursMinutesOrSecondsAndWrapsBelowMidnight)
{
    Spin->SetSpinType(sptTime);
    struct TCase {
        const char* Start;
        int32_t Caret;
        bool Up;
        const char* Result;
    };
    const TCase Cases[] = {
        {"00:00:30", 4, false, "23:59:30"},
        {"00:00:30", 0, false, "23:00:30"},
        {"10:20:30", 7, true, "10:20:31"},
        {"10:20:30", 1, true, "11:20:30"},
        {"23:59:59", 7, true, "00:00:00"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Start);
        Spin->SetText(QString::fromLatin1(Case.Start));
        Spin->SetSelStart(Case.Caret);
        if (Case.Up) Spin->SpinUp(false);
        else Spin->SpinDown(false);
        EXPECT_EQ(Spin->Text(), Case.Result);
    }
    // Increments beyond the time range keep the value.
    Spin->SetText(QStringLiteral("10:00:00"));
    Spin->SetIncrementHours(24);
    Spin->SetSelStart(0);
    Spin->SpinUp(false);
    EXPECT_EQ(Spin->Text(), "10:00:00");
    Spin->SetShowSeconds(false);
    Spin->SetTimeValue(Spin->TimeValue());
    EXPECT_EQ(Spin->Text(), "10:00");
}

TEST_F(SpinEditTest, ExitClampsAndReadOnlyBeepsInsteadOfStepping)
{
    Spin->SetFocus();
    Spin->SetText(QStringLiteral("500"));
    Next->SetFocus();
    EXPECT_EQ(Spin->Text(), "100");
    Spin->SetReadOnly(true);
    Spin->SpinDown(false);
    EXPECT_EQ(Spin->Text(), "100");
}

// ---- Typing ----

TEST(SpinCharTest, TheEightRules)
{
    const TFormatSettings Dot = Settings(QStringLiteral("dd/MM/yyyy"));
    struct TCase {
        const char* Name;
        TEsgSpinType Type;
        QString Text;
        int32_t SelStart;
        int32_t SelLength;
        QChar Key;
        bool Valid;
        int32_t Precision = 0;
        bool Enabled = true;
    };
    const TCase Cases[] = {
        {"backspace", sptNormal, "12", 2, 0, u'\b', true},
        {"backspace without editor", sptNormal, "12", 2, 0, u'\b', false, 0, false},
        {"digit", sptNormal, "12", 2, 0, u'7', true},
        {"letter", sptFloat, "12", 2, 0, u'a', false},
        {"enter", sptFloat, "12", 2, 0, u'\r', false},
        {"control character", sptFloat, "12", 2, 0, u'\x03', true},
        {"time separator in an integer", sptNormal, "12", 2, 0, u':', false},
        {"date separator in a date", sptDate, "12", 2, 0, u'/', true},
        {"date separator in a time", sptTime, "12", 2, 0, u'/', false},
        {"minus at the start", sptNormal, "12", 0, 0, u'-', true},
        {"minus after the start", sptNormal, "12", 1, 0, u'-', false},
        {"second minus", sptNormal, "-12", 0, 0, u'-', false},
        {"minus over the selected minus", sptNormal, "-12", 0, 1, u'-', true},
        {"integer takes no decimal separator", sptNormal, "12", 2, 0, u'.', false},
        {"float takes no thousand separator", sptFloat, "12", 2, 0, u',', false},
        {"second decimal separator", sptFloat, "1.2", 3, 0, u'.', false},
        {"decimal separator over the selected one", sptFloat, "1.2", 1, 1, u'.', true},
        {"precision reached", sptFloat, "1.25", 4, 0, u'3', false, 2},
        {"precision not reached", sptFloat, "1.2", 3, 0, u'3', true, 2},
        {"before the separator", sptFloat, "1.25", 0, 0, u'3', true, 2},
        {"precision over a selection", sptFloat, "1.25", 3, 1, u'3', true, 2},
        {"third time separator", sptTime, "10:20:30", 8, 0, u':', false},
        {"second time separator", sptTime, "10:20", 5, 0, u':', true},
        {"no editor: digit", sptNormal, "12", 2, 0, u'5', false, 0, false},
        {"no editor: control character", sptNormal, "12", 2, 0, u'\x16', true, 0, false},
    };
    for (const TCase& Case : Cases) {
        TSpinCharState State;
        State.Text = Case.Text;
        State.SelStart = Case.SelStart;
        State.SelLength = Case.SelLength;
        State.SpinType = Case.Type;
        State.Precision = Case.Precision;
        State.EditorEnabled = Case.Enabled;
        EXPECT_EQ(IsValidSpinChar(Case.Key, State, Dot), Case.Valid) << Case.Name;
    }
    // A time separator that stands for the decimal separator is taken by a float.
    TFormatSettings Odd = Dot;
    Odd.TimeSeparator = QLatin1Char('.');
    TSpinCharState Float;
    Float.Text = QStringLiteral("1");
    Float.SelStart = 1;
    Float.SpinType = sptFloat;
    EXPECT_TRUE(IsValidSpinChar(QLatin1Char('.'), Float, Odd));
}

TEST_F(SpinEditTest, TypedCharactersAreFilteredAndTheKeypadPointIsTheDecimalSeparator)
{
    SetFormatSettings(Settings(QStringLiteral("dd/MM/yyyy"), QLatin1Char(','), QLatin1Char('.')));
    Spin->SetSpinType(sptFloat);
    Spin->SetFocus();
    Spin->SelectAll();
    Input::TypeText(QStringLiteral("1x2"));
    ProcessPendingEvents();
    EXPECT_EQ(Spin->Text(), "12");
    // The keypad's "." types the decimal separator only with the Excel-style option.
    Input::PressKey(VK_DECIMAL);
    ProcessPendingEvents();
    EXPECT_EQ(Spin->Text(), "12");
    Spin->SetExcelStyleDecimalSeparator(true);
    Input::PressKey(VK_DECIMAL);
    Input::TypeText(QStringLiteral("5"));
    ProcessPendingEvents();
    EXPECT_EQ(Spin->Text(), "12,5");
    EXPECT_DOUBLE_EQ(Spin->FloatValue(), 12.5);
    // The main keyboard's "." is the thousand separator here, which a float refuses.
    Input::PressKey(VK_OEM_PERIOD);
    ProcessPendingEvents();
    EXPECT_EQ(Spin->Text(), "12,5");
}

TEST_F(SpinEditTest, KeysStepEnterMovesOnAndAClosedEditorKeepsItsText)
{
    Spin->SetFocus();
    Spin->SetValue(10);
    Input::PressKey(VK_UP);
    Input::PressKey(VK_UP);
    Input::PressKey(VK_DOWN);
    EXPECT_EQ(Spin->Value(), 11);
    Input::PressKey(VK_PRIOR);
    EXPECT_EQ(Spin->Value(), 12) << "a page step of an integer is a step";
    Spin->SetReturnIsTab(true);
    Input::PressKey(VK_RETURN);
    ProcessPendingEvents();
    EXPECT_TRUE(Next->Focused());
    Spin->SetFocus();
    Spin->SetEditorEnabled(false);
    Spin->SetSelStart(0);
    Input::PressKey(VK_DELETE);
    ProcessPendingEvents();
    EXPECT_EQ(Spin->Text(), "12");
    QApplication::clipboard()->setText(QStringLiteral("99"));
    Spin->SelectAll();
    Spin->PasteFromClipboard();
    Spin->CutToClipboard();
    EXPECT_EQ(Spin->Text(), "12");
    Input::PressKey(VK_UP);
    EXPECT_EQ(Spin->Value(), 13) << "the arrows still step";
}

TEST(SpinEditSheetTest, TheFourKindsRenderedToArtifacts)
{
    SetFormatSettings(Settings(QStringLiteral("dd/MM/yyyy")));
    auto Form = MakeForm(280, 80);
    const TEsgSpinType Kinds[] = {sptNormal, sptFloat, sptDate, sptTime};
    const char* Texts[] = {"42", "3.14", "15/03/2021", "10:20:30"};
    for (int32_t Index = 0; Index < 4; ++Index) {
        auto* Spin = Place<TEsgSpinEdit>(Form.get(), Bounds(5 + (Index % 2) * 135, 5 + (Index / 2) * 35, 130, 24));
        Spin->SetSpinType(Kinds[Index]);
        Spin->SetText(QString::fromLatin1(Texts[Index]));
        if (Index == 3) Spin->SetDirection(spHorizontal);
    }
    Form->Show();
    const QImage Image = RenderControl(Form.get());
    SaveArtifact(Image, QStringLiteral("SpinEditKinds"));
    EXPECT_FALSE(Image.isNull());
    Form.reset();
    ResetFormatSettings();
}

}  // namespace
