// TExtColorPickerDropDown: named colours, the colour texts, the four pop-up styles, keys, search, cancel and the edit's swatch.
#include "PickerTestSupport.h"

#include "dropdown/ColorCubePanel.h"
#include "dropdown/ColorPicker.h"
#include "dropdown/ColorSelector.h"
#include "dropdown/ColorSpectrumPanel.h"
#include "dropdown/DropDownButton.h"
#include "dropdown/DropDownForm.h"
#include "dropdown/HexColor.h"
#include "dropdown/ItemSelector.h"
#include "dropdown/SelectorItems.h"
#include "support/Input.h"

#include "graphics/GraphicsObjects.h"
#include "graphics/WebColors.h"
#include "windows/Messages.h"
#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <set>

using namespace PickerTest;

namespace {

class ColorPickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(400, 300, clWhite);
        Picker = Place<TExtColorPickerDropDown>(Form.get(), Bounds(10, 10, 150, 22));
        Picker->SetTabStop(true);
        Picker->AddDefaultColors();
        Picker->OnSelect = [this](TObject*) { Selects << Picker->ItemIndex(); };
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

    bool IsOpen() const { return Picker->DropDownForm()->Visible(); }

    TTestClock Clock;
    std::unique_ptr<TForm> Form;
    TExtColorPickerDropDown* Picker = nullptr;
    QList<int32_t> Selects;
};

TEST_F(ColorPickerTest, DefaultColorsAreTheSixteenBasicOnesAppended)
{
    ASSERT_EQ(Picker->Colors()->Count(), 16);
    const struct {
        int32_t Index;
        const char* Caption;
        uint32_t Color;
    } Cases[] = {{0, "Black", 0x000000}, {1, "Maroon", 0x800000}, {4, "Navy", 0x000080}, {8, "Silver", 0xC0C0C0},
                 {9, "Red", 0xFF0000}, {13, "Fuchsia", 0xFF00FF}, {14, "Aqua", 0x00FFFF}, {15, "White", 0xFFFFFF}};
    for (const auto& Case : Cases) {
        EXPECT_EQ(Picker->Colors()->Items(Case.Index)->Caption(), QString::fromLatin1(Case.Caption));
        EXPECT_EQ(Picker->Colors()->Items(Case.Index)->Color(), HexColor(Case.Color)) << Case.Caption;
    }
    Picker->AddDefaultColors();
    EXPECT_EQ(Picker->Colors()->Count(), 32) << "nothing is cleared";
}

TEST_F(ColorPickerTest, SelectedColorPicksTheFirstEntryOfThatColour)
{
    Picker->SetSelectedColor(HexColor(0xFF0000));
    EXPECT_EQ(Picker->ItemIndex(), 9);
    EXPECT_EQ(Selects, QList<int32_t>({9}));
    EXPECT_EQ(Picker->SelectedColorText(), QStringLiteral("Red"));
    const QImage Image = RenderAndSave(Picker, QStringLiteral("ColorPickerEdit"));
    const int32_t Top = 1 + (Picker->Height() - 14) / 2;
    EXPECT_EQ(HtmlAt(Image, 5, Top), QStringLiteral("#000000")) << "the swatch frame";
    EXPECT_EQ(HtmlAt(Image, 12, Top + 7), QStringLiteral("#FF0000")) << "the swatch";

    Picker->SetSelectedColor(HexColor(0x123456));
    EXPECT_EQ(Picker->ItemIndex(), 9) << "a colour no entry has keeps the entry";
    EXPECT_EQ(Picker->SelectedColorText(), QStringLiteral("Red"));
    Picker->SetColorValueText(cvtHTML);
    Picker->SetItemIndex(-1);
    EXPECT_EQ(Picker->SelectedColor(), HexColor(0x123456)) << "-1 keeps the colour";
    EXPECT_EQ(Picker->SelectedColorText(), QStringLiteral("#123456"));
    Selects.clear();
    Picker->SetItemIndex(16);
    EXPECT_EQ(Picker->ItemIndex(), -1) << "past the colours is ignored";
    EXPECT_TRUE(Selects.isEmpty());
}

TEST_F(ColorPickerTest, ColourTextsByForm)
{
    Picker->SetColorSelectionStyle(csDiscrete);
    const struct {
        TColor Color;
        TColorValueText Form;
        const char* Text;
    } Cases[] = {
        {HexColor(0xFF0000), cvtNone, ""},          {HexColor(0xFF0000), cvtHex, "0000FF"},
        {HexColor(0xFF0000), cvtRGB, "Red:255,Green:0,Blue:0"}, {HexColor(0xFF0000), cvtHTML, "#FF0000"},
        {HexColor(0xFF0000), cvtWebName, "clWebRed"}, {HexColor(0xFF8000), cvtHex, "0080FF"},
        {HexColor(0xFF8000), cvtRGB, "Red:255,Green:128,Blue:0"}, {HexColor(0xFF8000), cvtHTML, "#FF8000"},
        {HexColor(0xFF8000), cvtWebName, "#FF8000"}, {HexColor(0xFF00FF), cvtWebName, "clWebMagenta"},
        {HexColor(0x00FFFF), cvtWebName, "clWebCyan"}, {HexColor(0x000001), cvtHex, "010000"},
        {clBtnFace, cvtHex, "FF00000F"},
    };
    for (const auto& Case : Cases) {
        Picker->SetSelectedColor(Case.Color);
        Picker->SetColorValueText(Case.Form);
        EXPECT_EQ(Picker->SelectedColorText(), QString::fromLatin1(Case.Text)) << Case.Text;
    }
    Picker->SetSelectedColor(clBtnFace);
    Picker->SetColorValueText(cvtHTML);
    EXPECT_EQ(Picker->SelectedColorText(), QLatin1Char('#') + Html(clBtnFace).mid(1)) << "system colours resolved";
}

TEST_F(ColorPickerTest, WebNamesAreTheCssColoursEachOnce)
{
    int32_t Count = 0;
    const TWebColorName* Names = WebNamedColors(Count);
    ASSERT_EQ(Count, 138);
    std::set<TColor> Colors;
    std::set<QString> Seen;
    for (int32_t I = 0; I < Count; ++I) {
        Colors.insert(Names[I].Color);
        Seen.insert(QString::fromLatin1(Names[I].Name));
        QString Name;
        ASSERT_TRUE(WebColorToName(Names[I].Color, Name));
        EXPECT_EQ(Name, QString::fromLatin1(Names[I].Name));
        EXPECT_TRUE(Name.startsWith(QStringLiteral("clWeb")));
    }
    EXPECT_EQ(Colors.size(), 138u);
    EXPECT_EQ(Seen.size(), 138u);
    const struct {
        uint32_t Color;
        const char* Name;
    } Cases[] = {{0xFFFAFA, "clWebSnow"}, {0x006400, "clWebDarkgreen"}, {0xD3D3D3, "clWebLightgrey"},
                 {0x2F4F4F, "clWebDarkSlategray"}, {0x00BFFF, "clWebDeepskyBlue"}, {0x000000, "clWebBlack"},
                 {0x9ACD32, "clWebYellowGreen"}, {0xB22222, "clWebFirebrick"}};
    for (const auto& Case : Cases) {
        QString Name;
        EXPECT_TRUE(WebColorToName(HexColor(Case.Color), Name));
        EXPECT_EQ(Name, QString::fromLatin1(Case.Name));
    }
}

TEST_F(ColorPickerTest, EachStyleShowsItsPanelMadeOnDemand)
{
    const struct {
        TColorSelectionStyle Style;
        const char* Name;
    } Cases[] = {{csList, "ColorPickerList"}, {csDiscrete, "ColorPickerDiscrete"}, {csColorCube, "ColorPickerCube"},
                 {csSpectrum, "ColorPickerSpectrum"}};
    EXPECT_NE(Picker->ItemSelector(), nullptr);
    EXPECT_EQ(Picker->ColorSelector(), nullptr);
    EXPECT_EQ(Picker->ColorCubePanel(), nullptr);
    Picker->SetSelectedColor(HexColor(0xFF0000));
    for (const auto& Case : Cases) {
        Picker->SetColorSelectionStyle(Case.Style);
        Open();
        EXPECT_TRUE(Picker->Control()->Visible());
        SaveArtifact(RenderControl(Picker->DropDownForm()), QString::fromLatin1(Case.Name));
        Input::PressKey(VK_ESCAPE);
        EXPECT_FALSE(IsOpen());
    }
    EXPECT_EQ(Picker->ColorCubePanel()->SelectedIndex(), 118) << "the cube opened on red";
    EXPECT_EQ(Picker->DropDownForm()->Width(), 150 + 2) << "the spectrum sizes the pop-up";
}

TEST_F(ColorPickerTest, ListClickPicksAndClosesCancelGivesBackTheOpeningEntry)
{
    Picker->SetItemIndex(3);
    Open();
    TExtCustomItemSelector* List = Picker->ItemSelector();
    ASSERT_EQ(List->Items()->Count(), 16);
    Input::PressKey(VK_DOWN);
    EXPECT_TRUE(IsOpen()) << "keys move without closing";
    EXPECT_EQ(Picker->ItemIndex(), 4);
    Input::PressKey(VK_ESCAPE);
    EXPECT_EQ(Picker->ItemIndex(), 3);
    EXPECT_EQ(Picker->SelectedColor(), clOlive);

    Open();
    const TRect Cell = List->Panel()->GetItemRect(5);
    Input::Click(List->Panel(), {(Cell.Left + Cell.Right) / 2, (Cell.Top + Cell.Bottom) / 2});
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(Picker->ItemIndex(), 5);
    EXPECT_EQ(Picker->SelectedColor(), clPurple);
}

TEST_F(ColorPickerTest, ListKeysAndWheelMoveTheSelectionOpenOrClosed)
{
    Open();
    const int32_t V = Picker->ItemSelector()->GetVisibleItemCount();
    ASSERT_GE(V, 1);
    ASSERT_LT(V, 12);
    Input::PressKey(VK_ESCAPE);
    constexpr uint16_t WheelDown = 0xFFFF, WheelUp = 0xFFFE;
    const struct {
        bool Open;
        int32_t From;
        uint16_t Key;
        int32_t Expected;
    } Cases[] = {
        {true, 1, VK_NEXT, 1 + V}, {true, 14, VK_NEXT, 15},  {true, 12, VK_PRIOR, 12 - V}, {true, 2, VK_PRIOR, 0},
        {true, 5, VK_END, 15},     {true, 5, VK_HOME, 0},    {true, 5, VK_LEFT, 4},        {true, 5, VK_RIGHT, 6},
        {true, 5, VK_UP, 4},       {true, 0, VK_UP, 0},      {true, 15, VK_DOWN, 15},      {true, -1, VK_DOWN, 0},
        {true, 5, WheelDown, 5},   {true, 5, WheelUp, 5},    {false, 1, VK_NEXT, 1 + V},   {false, 5, VK_END, 15},
        {false, 5, VK_HOME, 0},    {false, 5, VK_LEFT, 5},   {false, 5, VK_RIGHT, 5},      {false, -1, VK_UP, 0},
        {false, 5, VK_UP, 4},      {false, 15, VK_DOWN, 15}, {false, 5, WheelDown, 6},     {false, 5, WheelUp, 4},
    };
    const TPoint Screen = Picker->ClientToScreen({5, 5});
    for (const auto& Case : Cases) {
        Picker->SetItemIndex(Case.From);
        if (Case.Open) {
            Clock.Advance(300);
            Open();
        }
        if (Case.Key == WheelDown || Case.Key == WheelUp) {
            const int16_t Delta = Case.Key == WheelDown ? -WHEEL_DELTA : WHEEL_DELTA;
            Picker->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<uint16_t>(Delta)), PointToLParam(Screen));
        } else {
            Input::PressKey(Case.Key);
        }
        EXPECT_EQ(Picker->ItemIndex(), Case.Expected)
            << "key " << Case.Key << " from " << Case.From << (Case.Open ? " open" : " closed");
        EXPECT_EQ(IsOpen(), Case.Open) << "key " << Case.Key << " keeps the pop-up as it was";
        if (Case.Open && Case.Key == WheelDown) {
            EXPECT_EQ(Picker->ItemSelector()->ItemHot(), 0) << "the open wheel moves the hot item";
        }
        if (IsOpen()) Input::PressKey(VK_ESCAPE);
    }
}

TEST_F(ColorPickerTest, CancelGivesBackColourAndEntryInEveryStyle)
{
    const TColorSelectionStyle Styles[] = {csList, csDiscrete, csColorCube, csSpectrum};
    // Black and white, each in the list and in the palette.
    const struct {
        TColor Color;
        int32_t Entry;
    } Colors[] = {{clWhite, 15}, {clBlack, 0}};
    for (TColorSelectionStyle Style : Styles) {
        Picker->SetColorSelectionStyle(Style);
        for (const auto& Opening : Colors) {
            Picker->SetSelectedColor(Opening.Color);
            Picker->SetItemIndex(Opening.Entry);
            Clock.Advance(300);
            Open();
            Input::PressKey(VK_DOWN);
            Input::PressKey(VK_ESCAPE);
            EXPECT_FALSE(IsOpen());
            EXPECT_EQ(Picker->SelectedColor(), Opening.Color) << "style " << Style << ", entry " << Opening.Entry;
            EXPECT_EQ(Picker->ItemIndex(), Opening.Entry) << "style " << Style << ", entry " << Opening.Entry;
        }
    }
}

TEST_F(ColorPickerTest, TextStandsOnTheHighlightWhileFocused)
{
    auto* Other = Place<TEdit>(Form.get(), Bounds(10, 60, 80, 22));
    Picker->SetSelectedColor(clRed);
    const TRect R = Rect(1, 1, Picker->Width() - Picker->DropDownButtonWidth() - 2, Picker->Height() - 2);
    const struct {
        bool Editable;
        bool Focused;
        TColor Background;
        TColor Text;
    } Cases[] = {
        {false, true, clHighlight, clHighlightText},
        {false, false, Picker->Color(), Picker->Font()->Color()},
        {true, true, clHighlight, Picker->Font()->Color()},
        {true, false, Picker->Color(), Picker->Font()->Color()},
    };
    for (const auto& Case : Cases) {
        Picker->SetEditorEnabled(Case.Editable);
        if (Case.Focused)
            Picker->SetFocus();
        else
            Other->SetFocus();
        ProcessPendingEvents();
        const QImage Image = RenderControl(Picker);
        EXPECT_EQ(HtmlAt(Image, R.Right - 3, Picker->Height() / 2), Html(Case.Background))
            << (Case.Editable ? "editable" : "not editable") << (Case.Focused ? ", focused" : "");
        bool Ink = false;
        for (int X = 24; X < R.Right - 3; ++X)
            for (int Y = R.Top + 2; Y < R.Bottom - 2; ++Y) Ink = Ink || Image.pixel(X, Y) == Rgb(Case.Text);
        EXPECT_TRUE(Ink) << "the text in its colour: " << (Case.Editable ? "editable" : "not editable")
                         << (Case.Focused ? ", focused" : "");
    }
}

TEST_F(ColorPickerTest, KeepsItsHeightWhenTheFontGrows)
{
    Picker->SetHeight(40);
    Picker->Font()->SetSize(20);
    EXPECT_EQ(Picker->Height(), 40);
}

TEST_F(ColorPickerTest, TypedLettersSearchWithinHalfASecondOfTheFirst)
{
    Open();
    Input::PressKey('B');
    EXPECT_EQ(Picker->ItemIndex(), 0) << "B: Black";
    Clock.Advance(200);
    Input::PressKey('L');
    EXPECT_EQ(Picker->ItemIndex(), 0) << "BL: Black again";
    Clock.Advance(200);
    Input::PressKey('U');
    EXPECT_EQ(Picker->ItemIndex(), 12) << "BLU: Blue";
    Clock.Advance(200);
    Input::PressKey('R');
    EXPECT_EQ(Picker->ItemIndex(), 9) << "600 ms after the first key a new search starts: R, Red";
    EXPECT_TRUE(IsOpen());
}

TEST_F(ColorPickerTest, ClosedListKeysStepTheColours)
{
    Input::PressKey(VK_DOWN);
    EXPECT_EQ(Picker->ItemIndex(), 0);
    Input::PressKey(VK_DOWN);
    EXPECT_EQ(Picker->ItemIndex(), 1);
    Input::PressKey(VK_END);
    EXPECT_EQ(Picker->ItemIndex(), 15);
    Input::PressKey(VK_DOWN);
    EXPECT_EQ(Picker->ItemIndex(), 15);
    Input::PressKey(VK_HOME);
    Input::PressKey(VK_UP);
    EXPECT_EQ(Picker->ItemIndex(), 0);
    EXPECT_FALSE(IsOpen());
}

TEST_F(ColorPickerTest, PaletteKeysMoveWhileOpenAndAClickCloses)
{
    Picker->SetColorSelectionStyle(csDiscrete);
    Picker->SetSelectedColor(HexColor(0x1F497D));
    Open();
    TCustomColorSelector* Palette = Picker->ColorSelector();
    EXPECT_EQ(Palette->ItemIndex(), 3);
    Input::PressKey(VK_DOWN);
    EXPECT_TRUE(IsOpen());
    EXPECT_EQ(Palette->ItemIndex(), 13);
    EXPECT_EQ(Picker->SelectedColor(), HexColor(0xC2CEDA));
    EXPECT_EQ(Picker->ItemIndex(), -1);
    Input::PressKey(VK_ESCAPE);
    EXPECT_EQ(Picker->SelectedColor(), HexColor(0x1F497D)) << "cancel brings the opening colour back";

    Open();
    const TRect Box = Palette->Items()->Items(24)->Rect();
    Input::Click(Palette, {Box.Left + 5, Box.Top + 5});
    Clock.Advance(300);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(Picker->SelectedColor(), HexColor(0xB8CCE4));
}

TEST_F(ColorPickerTest, ClosedPaletteKeysStepFromTheSelectedColour)
{
    Picker->SetColorSelectionStyle(csDiscrete);
    constexpr uint16_t WheelDown = 0xFFFF, WheelUp = 0xFFFE;
    const struct {
        uint32_t From;
        uint16_t Key;
        uint32_t Expected;
    } Cases[] = {
        {0x1F497D, VK_DOWN, 0x4F81BD}, {0x1F497D, VK_UP, 0xEEECE1},     {0x1F497D, VK_HOME, 0xFFFFFF},
        {0x1F497D, VK_END, 0x974806},  {0x4F81BD, WheelDown, 0xC0504D}, {0x4F81BD, WheelUp, 0x1F497D},
        {0x123456, VK_DOWN, 0xFFFFFF},
    };
    const TPoint Screen = Picker->ClientToScreen({5, 5});
    for (const auto& Case : Cases) {
        Picker->SetSelectedColor(HexColor(Case.From));
        if (Case.Key == WheelDown || Case.Key == WheelUp) {
            const int16_t Delta = Case.Key == WheelDown ? -WHEEL_DELTA : WHEEL_DELTA;
            Picker->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<uint16_t>(Delta)), PointToLParam(Screen));
        } else {
            Input::PressKey(Case.Key);
        }
        EXPECT_EQ(Html(Picker->SelectedColor()), Html(HexColor(Case.Expected)))
            << "key " << Case.Key << " from " << Html(HexColor(Case.From)).toStdString();
        EXPECT_FALSE(IsOpen());
    }
}

TEST_F(ColorPickerTest, CubeClickTakesTheColourAndCancelRestoresColoursOutsideTheList)
{
    Picker->SetColorSelectionStyle(csColorCube);
    Picker->SetSelectedColor(HexColor(0x123456));
    Open();
    TExtColorCubePanel* Cube = Picker->ColorCubePanel();
    Input::Click(Cube, {Cube->Cell(64).X, Cube->Cell(64).Y});
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(Picker->SelectedColor(), clWhite);
    EXPECT_EQ(Picker->ItemIndex(), -1);

    Picker->SetColorSelectionStyle(csSpectrum);
    Picker->SetSelectedColor(HexColor(0x123456));
    Clock.Advance(300);
    EXPECT_EQ(GetCapture(), nullptr) << "the hidden panel keeps no capture";
    Open();
    Input::PressKey(VK_ESCAPE);
    EXPECT_EQ(Picker->SelectedColor(), HexColor(0x123456));
}

}  // namespace
