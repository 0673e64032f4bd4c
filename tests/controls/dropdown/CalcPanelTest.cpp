// TCustomButtonPanel: the calculator key table and grid, hit test on shared borders, clicks as press and release, painting.
#include "PickerTestSupport.h"

#include "dropdown/CalcPanel.h"
#include "support/Input.h"

#include "graphics/GraphicsObjects.h"

#include <gtest/gtest.h>

using namespace PickerTest;

namespace {

class CalcPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(300, 200, clWhite);
        Panel = Place<TCustomButtonPanel>(Form.get(), Bounds(0, 0, 230, 150));
        Panel->SetColor(clWhite);
        Panel->BuildButtons();
        Panel->OnButtonClick = [this](TObject*, int32_t Index) { Clicks << Index; };
        Form->Show();
        ProcessPendingEvents();
    }

    TPoint Middle(int32_t Index) const
    {
        const TRect R = Panel->Buttons()->Items(Index)->ButtonRect();
        return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
    }

    std::unique_ptr<TForm> Form;
    TCustomButtonPanel* Panel = nullptr;
    QList<int32_t> Clicks;
};

TEST_F(CalcPanelTest, CalculatorHasItsTwentyEightKeys)
{
    ASSERT_EQ(Panel->Buttons()->Count(), 28);
    const struct {
        int32_t Index;
        const char* Caption;
        const char* Name;
        int32_t Tag;
        bool Special;
    } Cases[] = {
        {0, "", "BTN_ON", 30, false},    {1, "Back", "BTN_BACK", 31, true}, {3, "C", "BTN_C", 16, true},
        {7, "M+", "BTN_M+", 36, true},   {8, "0", "BTN_0", 0, false},       {11, "7", "BTN_7", 7, false},
        {15, "+/-", "BTN_+/-", 14, false}, {16, ".", "BTN_.", 15, false},   {20, "/", "BTN_/", 13, true},
        {23, "+", "BTN_+", 10, true},    {24, "=", "BTN_=", 17, true},      {25, "1/x", "BTN_1/x", 38, false},
        {26, "%", "BTN_%", 18, false},   {27, "sqrt", "BTN_sqrt", 37, true},
    };
    for (const auto& Case : Cases) {
        const TButtonItem* Item = Panel->Buttons()->Items(Case.Index);
        EXPECT_EQ(Item->Caption(), QString::fromLatin1(Case.Caption)) << Case.Index;
        EXPECT_EQ(Item->Name(), QString::fromLatin1(Case.Name)) << Case.Index;
        EXPECT_EQ(Item->Tag(), Case.Tag) << Case.Index;
        EXPECT_EQ(Item->Special(), Case.Special) << Case.Index;
        EXPECT_EQ(Item->CaptionColor(), Case.Special ? clMaroon : clWhite) << Case.Index;
    }
}

TEST_F(CalcPanelTest, KeysFollowTheGridOfTheClientArea)
{
    const struct {
        int32_t Index;
        TRect Rect;
    } Cases[] = {
        {24, {183, 113, 217, 139}}, {1, {46, 8, 100, 34}},  {2, {104, 8, 158, 34}},  {3, {162, 8, 217, 34}},
        {0, {8, 8, 42, 34}},        {4, {8, 38, 42, 64}},   {11, {46, 38, 80, 64}},  {12, {79, 38, 113, 64}},
        {19, {112, 38, 146, 64}},   {20, {150, 38, 184, 64}}, {27, {183, 38, 217, 64}}, {8, {46, 113, 80, 139}},
    };
    for (const auto& Case : Cases) EXPECT_EQ(Panel->Buttons()->Items(Case.Index)->ButtonRect(), Case.Rect) << Case.Index;

    Panel->SetBounds(0, 0, 290, 190);
    EXPECT_EQ(Panel->Buttons()->Items(24)->ButtonRect(), Rect(233, 145, 277, 179)) << "a resize lays the keys out again";
}

TEST_F(CalcPanelTest, SharedBordersBelongToTheEarlierKey)
{
    const struct {
        TPoint At;
        int32_t Index;
    } Cases[] = {
        {{79, 50}, 11}, {{80, 50}, 12}, {{60, 63}, 10}, {{60, 62}, 11}, {{44, 50}, -1}, {{217, 120}, -1}, {{183, 120}, 23}, {{184, 120}, 24},
    };
    for (const auto& Case : Cases) EXPECT_EQ(Panel->ButtonAtPos(Case.At.X, Case.At.Y), Case.Index) << Case.At.X << "," << Case.At.Y;
}

TEST_F(CalcPanelTest, ClickIsAPressAndAReleaseOnOneKey)
{
    Input::MouseDown(Panel, Middle(11));
    EXPECT_EQ(Panel->ButtonDown(), 11);
    Input::MoveMouse(Panel, Middle(12));
    Input::MouseUp(Panel, Middle(12));
    EXPECT_TRUE(Clicks.isEmpty()) << "pressed on 7, released on 8";
    EXPECT_EQ(Panel->ButtonDown(), -1);
    Input::Click(Panel, Middle(11));
    EXPECT_EQ(Clicks, QList<int32_t>({11}));
    Input::Click(Panel, {44, 50});
    EXPECT_EQ(Clicks, QList<int32_t>({11})) << "between keys";
}

TEST_F(CalcPanelTest, DisabledKeysAreNeitherHotNorPressedButPaintedAlike)
{
    const QImage Before = RenderControl(Panel);
    Panel->Buttons()->Items(13)->SetEnabled(false);
    Input::MoveMouse(Panel, Middle(13));
    EXPECT_EQ(Panel->ButtonHot(), -1);
    Input::Click(Panel, Middle(13));
    EXPECT_EQ(Panel->ButtonDown(), -1);
    EXPECT_TRUE(Clicks.isEmpty());
    const TRect Key = Panel->Buttons()->Items(13)->ButtonRect();
    EXPECT_EQ(RenderControl(Panel).copy(Key.Left, Key.Top, Key.Width(), Key.Height()),
              Before.copy(Key.Left, Key.Top, Key.Width(), Key.Height()));
    Input::MoveMouse(Panel, Middle(12));
    EXPECT_EQ(Panel->ButtonHot(), 12);
    Input::LeaveWindow(Panel);
    EXPECT_EQ(Panel->ButtonHot(), -1);
}

TEST_F(CalcPanelTest, PaintingShowsFacesCaptionsAndThePressedKey)
{
    const QImage Image = RenderAndSave(Panel, QStringLiteral("CalcPanel"));
    EXPECT_EQ(HtmlAt(Image, 0, 0), QStringLiteral("#000000")) << "a panel of its own is framed";
    const auto Count = [&Image](int32_t Index, TColor Color, TCustomButtonPanel* P) {
        const TRect R = P->Buttons()->Items(Index)->ButtonRect();
        int N = 0;
        for (int Y = R.Top + 3; Y < R.Bottom - 3; ++Y)
            for (int X = R.Left + 3; X < R.Right - 3; ++X) N += Image.pixel(X, Y) == Rgb(Color);
        return N;
    };
    EXPECT_GT(Count(3, clMaroon, Panel), 5) << "special captions in SpecialTextColor";
    EXPECT_EQ(Count(11, clMaroon, Panel), 0);
    EXPECT_GT(Count(11, clBlack, Panel), 5) << "other captions in TextColor";

    const TRect Key = Panel->Buttons()->Items(11)->ButtonRect();
    Input::MouseDown(Panel, Middle(11));
    const QImage Pressed = RenderAndSave(Panel, QStringLiteral("CalcPanelPressed"));
    EXPECT_NE(Pressed.copy(Key.Left, Key.Top, Key.Width(), Key.Height()), Image.copy(Key.Left, Key.Top, Key.Width(), Key.Height()));
    Input::MouseUp(Panel, Middle(11));
}

TEST_F(CalcPanelTest, BuildingTwiceChangesNothingAndRebuildingRestoresTheKeys)
{
    Panel->Buttons()->Items(5)->SetCaption(QStringLiteral("X"));
    Panel->BuildButtons();
    EXPECT_EQ(Panel->Buttons()->Count(), 28);
    EXPECT_EQ(Panel->Buttons()->Items(5)->Caption(), QStringLiteral("X"));
    Panel->Buttons()->Delete(27);
    Panel->RebuildButtons();
    EXPECT_EQ(Panel->Buttons()->Count(), 28);
    EXPECT_EQ(Panel->Buttons()->Items(5)->Caption(), QStringLiteral("MR"));
}

TEST_F(CalcPanelTest, CustomButtonsKeepTheirPlaces)
{
    Panel->SetButtonPanelType(plCustom);
    Panel->ClearButtons();
    TButtonItem* Item = Panel->Buttons()->Add();
    Item->SetCaption(QStringLiteral("Go"));
    Item->SetBounds(20, 20, 60, 30);
    Panel->BuildButtons();
    Panel->SetBounds(0, 0, 200, 120);
    EXPECT_EQ(Panel->Buttons()->Count(), 1);
    EXPECT_EQ(Panel->Buttons()->Items(0)->ButtonRect(), Rect(20, 20, 80, 50));
    Input::Click(Panel, {50, 35});
    EXPECT_EQ(Clicks, QList<int32_t>({0}));

    TButtonItem Copy(nullptr);
    Item->SetTag(7);
    Item->SetSpecial(true);
    Copy.Assign(Item);
    EXPECT_EQ(Copy.Caption(), QStringLiteral("Go"));
    EXPECT_EQ(Copy.Tag(), 7);
    EXPECT_FALSE(Copy.Special()) << "the special flag is not copied";
    EXPECT_EQ(Copy.ButtonRect(), Rect(0, 0, 0, 0)) << "nor the rectangle";
}

TEST_F(CalcPanelTest, AppearanceDefaultsAndCopies)
{
    EXPECT_TRUE(Panel->DoubleBuffered());
    TButtonAppearance* A = Panel->ButtonAppearance();
    EXPECT_EQ(A->Color(), RGB(0x5F, 0x91, 0x9A));
    EXPECT_EQ(A->SpecialTextColor(), clMaroon);
    EXPECT_EQ(A->Font()->Size(), 10);
    EXPECT_TRUE(A->Font()->Style().Contains(fsBold));
    EXPECT_EQ(A->ColorDisabled(), RGB(242, 242, 242));
    TButtonAppearance Other;
    Other.SetTextColor(clNavy);
    Other.SetGlowColorHot(clLime);
    A->Assign(&Other);
    EXPECT_EQ(A->TextColor(), clNavy);
    EXPECT_EQ(A->GlowColorHot(), clLime);
}

}  // namespace
