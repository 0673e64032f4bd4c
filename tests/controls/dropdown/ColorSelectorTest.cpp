// TCustomColorSelector: palette layout, selection by index and colour, hot box, keys, frames by position and the mouse.
#include "PickerTestSupport.h"

#include "dropdown/ColorSelector.h"
#include "dropdown/HexColor.h"
#include "support/Input.h"

#include "rtl/Exceptions.h"
#include "windows/Messages.h"

#include <gtest/gtest.h>

using namespace PickerTest;

namespace {

class ColorSelectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(200, 200, clWhite);
        Palette = Place<TCustomColorSelector>(Form.get(), Bounds(0, 0, 10, 10));
        Palette->AddDefaultPalette();
        Palette->ArrangeItems();
        Palette->OnItemSelect = [this](TObject*) { Selections << Palette->ItemIndex(); };
        Form->Show();
        ProcessPendingEvents();
    }

    TPoint Middle(int32_t Index) const
    {
        const TRect R = Palette->Items()->Items(Index)->Rect();
        return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
    }

    std::unique_ptr<TForm> Form;
    TCustomColorSelector* Palette = nullptr;
    QList<int32_t> Selections;
};

TEST_F(ColorSelectorTest, DefaultPaletteLaysOutSixRowsWithAGapAfterTheBaseColours)
{
    ASSERT_EQ(Palette->Items()->Count(), 60);
    const struct {
        int32_t Index;
        TRect Cell;
        uint32_t Color;
        TItemPos Pos;
    } Cases[] = {
        {0, {4, 4, 16, 16}, 0xFFFFFF, ipStandAlone},   {9, {148, 4, 160, 16}, 0xF79646, ipStandAlone},
        {10, {4, 20, 16, 32}, 0xF2F2F2, ipTop},        {23, {52, 32, 64, 44}, 0x8DB3E2, ipMiddle},
        {34, {68, 44, 80, 56}, 0x95B3D7, ipMiddle}, {45, {84, 56, 96, 68}, 0x953734, ipMiddle},
        {59, {148, 68, 160, 80}, 0x974806, ipBottom},
    };
    for (const auto& Case : Cases) {
        const TColorBoxItem* Item = Palette->Items()->Items(Case.Index);
        EXPECT_EQ(Item->Rect(), Case.Cell) << "box " << Case.Index;
        EXPECT_EQ(Item->Color(), HexColor(Case.Color)) << "box " << Case.Index;
        EXPECT_EQ(Item->ColorBoxPos(), Case.Pos) << "box " << Case.Index;
    }
    EXPECT_EQ(Palette->Width(), 165);
    EXPECT_EQ(Palette->Height(), 84);
}

TEST_F(ColorSelectorTest, LayoutFollowsColumnsAndBoxSizeAtOnce)
{
    Palette->SetColumns(5);
    const int32_t RowTops[] = {4, 20, 36, 48, 60, 72, 84, 96, 108, 120, 132, 144};
    for (int32_t Row = 0; Row < 12; ++Row)
        EXPECT_EQ(Palette->Items()->Items(Row * 5)->Rect().Top, RowTops[Row]) << "row " << Row;
    EXPECT_EQ(Palette->Width(), 85);
    EXPECT_EQ(Palette->Height(), 160);

    Palette->SetColumns(10);
    Palette->SetColorBoxWidth(20);
    Palette->SetColumnGap(2);
    EXPECT_EQ(Palette->Items()->Items(1)->Rect(), Rect(26, 4, 46, 16));
    EXPECT_EQ(Palette->Items()->Items(10)->Rect().Top, 18);
    EXPECT_EQ(Palette->Width(), 4 + 9 * 22 + 20 + 4 + 1);

    Palette->Items()->Clear();
    Palette->ArrangeItems();
    EXPECT_EQ(Palette->Width(), 100) << "an empty palette";
    EXPECT_EQ(Palette->Height(), 50);
}

TEST_F(ColorSelectorTest, SelectedColourSelectsTheFirstBoxOfThatColour)
{
    Palette->SetSelectedColor(HexColor(0x4F81BD));
    EXPECT_EQ(Palette->ItemIndex(), 4);
    EXPECT_EQ(Selections, QList<int32_t>({4}));
    Palette->SetSelectedColor(HexColor(0x7F7F7F));
    EXPECT_EQ(Palette->ItemIndex(), 11) << "the grey of box 11 comes before that of box 50";
    Palette->SetSelectedColor(HexColor(0x123456));
    EXPECT_EQ(Palette->ItemIndex(), -1);
    EXPECT_EQ(Palette->SelectedColor(), HexColor(0x123456));
    Palette->SetSelectedColor(clBlack);
    Palette->SetSelectedColor(clNone);
    EXPECT_EQ(Palette->ItemIndex(), -1);
    EXPECT_EQ(Palette->SelectedColor(), clNone);
}

TEST_F(ColorSelectorTest, ItemIndexRefusesDisabledBoxesAndKeepsItsStateOnABadIndex)
{
    Palette->SetItemIndex(7);
    Palette->SetItemIndex(7);
    EXPECT_EQ(Selections, QList<int32_t>({7, 7})) << "selecting the selected box fires again";
    EXPECT_EQ(Palette->SelectedColor(), HexColor(0x8064A2));
    Palette->Items()->Items(8)->SetEnabled(false);
    Palette->SetItemIndex(8);
    EXPECT_EQ(Palette->ItemIndex(), 7);
    EXPECT_THROW(Palette->SetItemIndex(60), EListError);
    EXPECT_EQ(Palette->ItemIndex(), 7);
    Palette->SetItemIndex(-1);
    EXPECT_EQ(Palette->ItemIndex(), -1);
    EXPECT_EQ(Palette->SelectedColor(), HexColor(0x8064A2)) << "-1 keeps the colour";

    Palette->SelectNext();
    EXPECT_EQ(Palette->ItemIndex(), 0) << "from no selection";
    Palette->SelectLast();
    Palette->SelectNext();
    EXPECT_EQ(Palette->ItemIndex(), 59) << "nothing after the last";
    Palette->SetItemIndex(0);
    Palette->SelectPrevious();
    EXPECT_EQ(Palette->ItemIndex(), 0);
}

TEST_F(ColorSelectorTest, KeysMoveBySteppingOrByRows)
{
    struct TCase {
        int32_t From;
        uint16_t Key;
        bool DroppedDown;
        bool EditorEnabled;
        int32_t Expected;
    };
    const TCase Cases[] = {
        {3, VK_DOWN, true, false, 13},   {55, VK_DOWN, true, false, 55}, {-1, VK_DOWN, true, false, 0},
        {13, VK_UP, true, false, 3},     {5, VK_UP, true, false, 5},     {-1, VK_UP, true, false, 0},
        {20, VK_PRIOR, true, false, 0},  {20, VK_HOME, false, true, 0},  {20, VK_NEXT, false, true, 59},
        {20, VK_END, true, false, 59},   {0, VK_LEFT, true, false, 0},   {59, VK_RIGHT, true, true, 59},
        {20, VK_LEFT, true, true, 19},   {20, VK_LEFT, false, true, 20}, {20, VK_RIGHT, false, true, 20},
        {20, VK_LEFT, false, false, 19}, {20, VK_RIGHT, false, false, 21}, {20, VK_UP, false, true, 19},
        {20, VK_DOWN, false, true, 21},  {20, VK_RETURN, true, false, 20}, {20, 'A', true, false, 20},
    };
    for (const TCase& Case : Cases) {
        Palette->SetItemIndex(Case.From);
        Palette->HandleKey(Case.Key, Case.EditorEnabled, Case.DroppedDown);
        EXPECT_EQ(Palette->ItemIndex(), Case.Expected)
            << "key " << Case.Key << " from " << Case.From << (Case.DroppedDown ? " open" : " closed")
            << (Case.EditorEnabled ? " editable" : "");
    }
    Palette->SetEnabled(false);
    Palette->SetItemIndex(20);
    Palette->HandleKey(VK_DOWN, false, true);
    EXPECT_EQ(Palette->ItemIndex(), 20) << "a disabled palette takes no keys";
}

TEST_F(ColorSelectorTest, FramesShowPositionHotAndSelection)
{
    Palette->SetItemIndex(1);
    Input::MoveMouse(Palette, Middle(2));
    const QImage Image = RenderAndSave(Palette, QStringLiteral("ColorSelector"));
    const QString Grey = QStringLiteral("#C5C5C5");
    const struct {
        TPoint At;
        QString Color;
        const char* What;
    } Cases[] = {
        {{4, 4}, Grey, "stand-alone frame of box 0"},
        {{20, 4}, QStringLiteral("#FF0000"), "selected outer frame of box 1"},
        {{21, 5}, QStringLiteral("#FFE294"), "selected inner frame"},
        {{26, 10}, QStringLiteral("#000000"), "selected box colour"},
        {{36, 4}, QStringLiteral("#F29436"), "hot outer frame"},
        {{37, 5}, QStringLiteral("#FFE294"), "hot inner frame"},
        {{4 + 16 * 3, 4}, Grey, "stand-alone top"},
        {{4 + 16 * 3 + 12, 16}, Grey, "stand-alone bottom right corner"},
        {{4, 20}, Grey, "top box: top line"},
        {{10, 32}, QStringLiteral("#D8D8D8"), "no line between a top box and the middle box below it"},
        {{16, 40}, Grey, "middle box: right line"},
        {{10, 80}, Grey, "bottom box: bottom line"},
        {{16, 80}, Grey, "bottom box: right line reaches the bottom line"},
        {{18, 40}, QStringLiteral("#FFFFFF"), "the gap between columns"},
    };
    for (const auto& Case : Cases) EXPECT_EQ(HtmlAt(Image, Case.At.X, Case.At.Y), Case.Color) << Case.What;
}

TEST_F(ColorSelectorTest, BoxWithoutColourShowsOnlyItsFrame)
{
    Palette->Items()->Clear();
    Palette->Items()->Add();
    Palette->ArrangeItems();
    const QImage Image = RenderControl(Palette);
    EXPECT_EQ(HtmlAt(Image, 4, 4), QStringLiteral("#C5C5C5"));
    EXPECT_EQ(HtmlAt(Image, 10, 10), QStringLiteral("#FFFFFF")) << "the panel shows through";
}

TEST_F(ColorSelectorTest, MouseTracksTheHotBoxAndClickSelects)
{
    Palette->Items()->Items(5)->SetEnabled(false);
    Input::MoveMouse(Palette, Middle(3));
    EXPECT_EQ(Palette->ItemHot(), 3);
    Input::MoveMouse(Palette, Middle(5));
    EXPECT_EQ(Palette->ItemHot(), -1) << "a disabled box is never hot";
    Input::MoveMouse(Palette, Middle(13));
    Input::MoveMouse(Palette, {18, 40});
    EXPECT_EQ(Palette->ItemHot(), -1) << "between boxes";
    Input::Click(Palette, Middle(5));
    EXPECT_EQ(Palette->ItemIndex(), -1) << "nor selected";
    Input::Click(Palette, Middle(13), mbRight);
    EXPECT_EQ(Palette->ItemIndex(), 13);
    EXPECT_EQ(Selections, QList<int32_t>({13}));
    Input::MoveMouse(Palette, Middle(13));
    Input::LeaveWindow(Palette);
    EXPECT_EQ(Palette->ItemHot(), -1) << "leaving clears the hot box";

    Palette->HotNext();
    EXPECT_EQ(Palette->ItemHot(), 0);
    Palette->HotPrevious();
    EXPECT_EQ(Palette->ItemHot(), 0);
}

TEST_F(ColorSelectorTest, PresetStylesRestoreTheFirstFrameColours)
{
    TColorBoxAppearance* Appearance = Palette->ColorBoxAppearance();
    Palette->SetItemColorStyle(scCustom);
    Appearance->SetOuterBorderColorSelected(clBlue);
    Appearance->SetBorderColor(clLime);
    Palette->SetItemColorStyle(scCustom);
    EXPECT_EQ(Appearance->OuterBorderColorSelected(), clBlue);
    Palette->SetItemColorStyle(scWindows7);
    EXPECT_EQ(Appearance->OuterBorderColorSelected(), clRed);
    EXPECT_EQ(Appearance->BorderColor(), HexColor(0xC5C5C5));
    EXPECT_EQ(Appearance->OuterBorderColorHot(), HexColor(0xF29436));
    EXPECT_EQ(Appearance->InnerBorderColorHot(), HexColor(0xFFE294));
}

}  // namespace
