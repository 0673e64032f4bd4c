// TExtColorCubePanel: the cell table, hit points, frames of hot and selected cells, the RGB hint and the mouse.
#include "PickerTestSupport.h"

#include "dropdown/ColorCubePanel.h"
#include "dropdown/HexColor.h"
#include "support/Input.h"

#include <gtest/gtest.h>

#include <set>

using namespace PickerTest;

namespace {

class ColorCubePanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(200, 180, clWhite);
        Cube = Place<TExtColorCubePanel>(Form.get(), Bounds(0, 0, 10, 10));
        Cube->SetColor(clWhite);
        Cube->ResetCube();
        Form->Show();
        ProcessPendingEvents();
    }

    TPoint Centre(int32_t Index) const
    {
        const auto Cell = Cube->Cell(Index);
        return {Cell.X, Cell.Y};
    }

    std::unique_ptr<TForm> Form;
    TExtColorCubePanel* Cube = nullptr;
};

TEST_F(ColorCubePanelTest, CellsFormAHexagonOfRowsWithTheirColours)
{
    const struct {
        int32_t Index;
        TPoint Centre;
        uint32_t Color;
    } Cases[] = {
        {1, {55, 20}, 0x003366},    {7, {127, 20}, 0x000066},   {8, {49, 30}, 0x006666},   {15, {133, 30}, 0x333399},
        {58, {19, 80}, 0x003300},   {64, {91, 80}, 0xFFFFFF},   {70, {163, 80}, 0x660066}, {71, {25, 90}, 0x336600},
        {102, {133, 110}, 0xD60093}, {118, {109, 130}, 0xFF0000}, {121, {55, 140}, 0x663300}, {127, {127, 140}, 0xA50021},
    };
    for (const auto& Case : Cases) {
        const auto Cell = Cube->Cell(Case.Index);
        EXPECT_EQ(Point(Cell.X, Cell.Y), Case.Centre) << "cell " << Case.Index;
        EXPECT_EQ(Cell.Color, HexColor(Case.Color)) << "cell " << Case.Index;
    }
    std::set<TColor> Colors;
    for (int32_t Index = 1; Index <= TExtColorCubePanel::CellCount; ++Index) Colors.insert(Cube->Cell(Index).Color);
    EXPECT_EQ(Colors.size(), 127u) << "no two cells share a colour";
    EXPECT_EQ(Cube->Cell(0).Color, clNone);
    EXPECT_EQ(Cube->Cell(128).Color, clNone);
    EXPECT_EQ(Cube->Width(), 182);
    EXPECT_EQ(Cube->Height(), 160);
}

TEST_F(ColorCubePanelTest, HitIsTheFirstCentreWithinSixPixels)
{
    const TPoint C = Centre(64);
    const struct {
        TPoint At;
        int32_t Expected;
        const char* Why;
    } Cases[] = {
        {C, 64, "the centre"},
        {{C.X + 6, C.Y}, 64, "exactly 6 pixels right"},
        {{C.X, C.Y - 6}, 64, "exactly 6 pixels up"},
        {{C.X - 6, C.Y}, 63, "on both circles: the earlier cell takes it"},
        {{C.X + 4, C.Y + 4}, 64, "32 squared pixels away"},
        {{C.X + 5, C.Y + 4}, -1, "41: between the circles"},
        {{C.X + 6, C.Y + 3}, -1, "the hexagon's corner lies outside the circle"},
        {{C.X + 6, C.Y + 5}, 77, "within the circle of the cell below right"},
        {{0, 0}, -1, "outside the honeycomb"},
        {{55, 14}, 1, "the top of the first cell"},
    };
    for (const auto& Case : Cases) EXPECT_EQ(Cube->HitTest(Case.At.X, Case.At.Y), Case.Expected) << Case.Why;
}

TEST_F(ColorCubePanelTest, SelectionFollowsTheColour)
{
    Cube->SetSelectedColor(HexColor(0xFF0000));
    EXPECT_EQ(Cube->SelectedIndex(), 118);
    Cube->SetSelectedColor(clWhite);
    EXPECT_EQ(Cube->SelectedIndex(), 64);
    Cube->SetSelectedColor(HexColor(0x123456));
    EXPECT_EQ(Cube->SelectedIndex(), -1);
    EXPECT_EQ(Cube->SelectedColor(), HexColor(0x123456));
    Cube->SetSelection(HexColor(0x123456), 5);
    EXPECT_EQ(Cube->SelectedIndex(), 5) << "an index names the cell whatever the colour";
    Cube->SetSelection(clWhite, 128);
    EXPECT_EQ(Cube->SelectedIndex(), 64) << "an index out of range falls back to the colour";
}

TEST_F(ColorCubePanelTest, HotAndSelectedCellsAreFramedAndTheSelectedFrameWins)
{
    Cube->SetSelectedColor(HexColor(0xFF0000));
    Input::MoveMouse(Cube, Centre(64));
    Input::MoveMouse(Cube, Centre(1));
    EXPECT_EQ(Cube->HotIndex(), 1);
    QImage Image = RenderAndSave(Cube, QStringLiteral("ColorCube"));
    const struct {
        int32_t Index;
        QString Outer;
    } Cases[] = {{118, QStringLiteral("#000000")}, {1, QStringLiteral("#FF0000")}, {64, QStringLiteral("#FFFFFF")}};
    for (const auto& Case : Cases) {
        const TPoint C = Centre(Case.Index);
        EXPECT_EQ(HtmlAt(Image, C.X - 5, C.Y), Case.Outer) << "outer frame of cell " << Case.Index;
        EXPECT_EQ(HtmlAt(Image, C.X - 4, C.Y), QStringLiteral("#FFFFFF")) << "inner frame of cell " << Case.Index;
        EXPECT_EQ(HtmlAt(Image, C.X, C.Y), Html(Cube->Cell(Case.Index).Color)) << "inside cell " << Case.Index;
        EXPECT_EQ(HtmlAt(Image, C.X - 6, C.Y), Html(Cube->Cell(Case.Index).Color)) << "hexagon edge of " << Case.Index;
    }
    EXPECT_EQ(HtmlAt(Image, Centre(2).X - 5, Centre(2).Y), Html(Cube->Cell(2).Color)) << "a plain cell has no frame";

    // Both hot and selected: the black frame is drawn last.
    Input::MoveMouse(Cube, Centre(118));
    Image = RenderControl(Cube);
    EXPECT_EQ(HtmlAt(Image, Centre(118).X - 5, Centre(118).Y), QStringLiteral("#000000"));
    EXPECT_EQ(HtmlAt(Image, Centre(1).X - 5, Centre(1).Y), Html(Cube->Cell(1).Color)) << "the old hot cell lost its frame";
}

TEST_F(ColorCubePanelTest, HintShowsTheHotCellsChannelsAndEmptiesBetweenCells)
{
    const struct {
        int32_t Index;
        const char* Hint;
    } Cases[] = {
        {1, "Red: 0,  Green: 51,  Blue: 102"},
        {64, "Red: 255,  Green: 255,  Blue: 255"},
        {127, "Red: 165,  Green: 0,  Blue: 33"},
        {101, "Red: 255,  Green: 0,  Blue: 102"},
    };
    for (const auto& Case : Cases) {
        Input::MoveMouse(Cube, Centre(Case.Index));
        EXPECT_EQ(Cube->Hint(), QString::fromUtf8(Case.Hint)) << "cell " << Case.Index;
    }
    Input::MoveMouse(Cube, {Centre(101).X + 5, Centre(101).Y + 4});
    EXPECT_EQ(Cube->Hint(), QString());
    EXPECT_EQ(Cube->HotIndex(), 101) << "the last hot cell keeps its frame";
    const QImage Image = RenderControl(Cube);
    EXPECT_EQ(HtmlAt(Image, Centre(101).X - 5, Centre(101).Y), QStringLiteral("#FF0000"));

    Cube->SetShowRGBHint(false);
    EXPECT_FALSE(Cube->ShowHint());
    Input::MoveMouse(Cube, Centre(1));
    EXPECT_EQ(Cube->Hint(), QString()) << "no hint without ShowRGBHint";
}

TEST_F(ColorCubePanelTest, ClickSelectsTheCellAndReleaseAsksToHide)
{
    QStringList Log;
    Cube->OnSelect = [&](TObject*) { Log << QStringLiteral("select %1").arg(Cube->SelectedIndex()); };
    Cube->OnShouldHide = [&](TObject*) { Log << QStringLiteral("hide"); };
    Cube->SetSelectedColor(clWhite);

    Input::Click(Cube, Centre(118), mbRight);
    EXPECT_EQ(Log, QStringList({QStringLiteral("select 118"), QStringLiteral("hide")})) << "any button selects";
    EXPECT_EQ(Cube->SelectedColor(), HexColor(0xFF0000));
    const QImage Image = RenderControl(Cube);
    EXPECT_EQ(HtmlAt(Image, Centre(64).X - 5, Centre(64).Y), QStringLiteral("#FFFFFF")) << "the former cell lost its frame";

    Log.clear();
    Input::Click(Cube, {Centre(64).X + 5, Centre(64).Y + 4});
    EXPECT_EQ(Log, QStringList({QStringLiteral("hide")})) << "a click between cells selects nothing";
    EXPECT_EQ(Cube->SelectedIndex(), 118);
}

}  // namespace
