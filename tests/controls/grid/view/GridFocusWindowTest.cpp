// The edit focus window: its layered glow, its frame-shaped region, showing without taking the
// focus, following the form, hiding.
#include "grid/core/ExtGrid.h"
#include "grid/base/GridAlphaMask.h"
#include "grid/base/GridMarkers.h"

#include "support/Artifacts.h"
#include "support/LayerInternals.h"
#include "support/Render.h"

#include "graphics/Canvas.h"
#include "graphics/Region.h"
#include "windows/Forms.h"
#include "windows/WindowDC.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class GridFocusWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetBounds(100, 100, 420, 300);
        Grid = New<TExtStringGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(10, 10, 300, 200);
        Grid->SetDefaultColWidth(60);
        Grid->SetDefaultRowHeight(22);
        Grid->SetTabStop(true);
        Form->Show();
        Grid->SetFocus();
        ProcessPendingEvents();
    }

    void TearDown() override
    {
        FocusWindowGrid = nullptr;
    }

    std::unique_ptr<TForm> Form;
    TExtStringGrid* Grid = nullptr;
};

// The region as an image: white inside, black outside.
QImage RegionImage(const TRegion& Region, int32_t W, int32_t H)
{
    QImage Image(W, H, QImage::Format_RGB32);
    Image.fill(Qt::black);
    TCanvas Canvas;
    BindImage(Canvas, &Image);
    TBrush White;
    White.SetColor(clWhite);
    FillRgn(Canvas.Handle(), Region, &White);
    BindImage(Canvas, nullptr);
    return Image;
}

TEST_F(GridFocusWindowTest, FrameGlowsAroundTheCellAndLeavesTheCellAlone)
{
    Grid->SetCol(2);
    Grid->SetRow(2);
    const TRect Cell = Grid->CellRect(2, 2);
    ASSERT_EQ(Cell.Width(), 60);
    ASSERT_EQ(Cell.Height(), 22);
    FocusWindowGrid = Grid;
    Grid->ShowFocusWindow(Cell);
    ProcessPendingEvents();
    TGridFocusWindow* Focus = Grid->FocusWindow();
    const HWND Wnd = Focus->Handle();

    // (w + 9) x (h + 9), 4 pixels left of and above the cell, shown, topmost and layered.
    const TPoint Corner = Grid->ClientToScreen(Point(Cell.Left - 4, Cell.Top - 4));
    TRect Bounds;
    GetWindowRect(Wnd, Bounds);
    EXPECT_EQ(Bounds, Rect(Corner.X, Corner.Y, Corner.X + 69, Corner.Y + 31));
    EXPECT_TRUE(IsWindowVisible(Wnd));
    EXPECT_TRUE(GetWindowLong(Wnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(GetWindowLong(Wnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // Never the activation or the focus.
    EXPECT_EQ(GetActiveWindow(), Form->Handle());
    EXPECT_EQ(GetFocus(), Grid->Handle());

    // The region: the window less the cell, 4 pixels of frame left and top, 5 right and bottom.
    TRegion Region;
    ASSERT_EQ(GetWindowRgn(Wnd, Region), COMPLEXREGION);
    const QImage Shape = RegionImage(Region, 69, 31);
    SaveArtifact(Shape, QStringLiteral("grid-focus-window-region"));
    const QRgb In = qRgb(255, 255, 255);
    for (const int32_t X : {0, 3, 64, 68}) EXPECT_EQ(Shape.pixel(X, 15), In) << X;
    for (const int32_t X : {4, 30, 63}) EXPECT_NE(Shape.pixel(X, 15), In) << X;
    for (const int32_t Y : {0, 3, 26, 30}) EXPECT_EQ(Shape.pixel(30, Y), In) << Y;
    for (const int32_t Y : {4, 25}) EXPECT_NE(Shape.pixel(30, Y), In) << Y;

    // The mask: light blue, most opaque along the rounded outline 4 pixels in, fading outwards.
    const QImage Mask = LayeredPixels(Wnd);
    ASSERT_EQ(Mask.size(), QSize(69, 31));
    SaveArtifact(Mask.convertToFormat(QImage::Format_ARGB32), QStringLiteral("grid-focus-window-mask"));
    int32_t MaxAlpha = 0;
    for (int32_t Y = 0; Y < 31; ++Y)
        for (int32_t X = 0; X < 69; ++X) MaxAlpha = std::max(MaxAlpha, qAlpha(Mask.pixel(X, Y)));
    EXPECT_GT(MaxAlpha, 100);
    EXPECT_LE(MaxAlpha, 230);
    const QRgb Ring = Mask.pixel(4, 15);
    ASSERT_GT(qAlpha(Ring), 100);
    const QColor Colour = QColor::fromRgba(Mask.convertToFormat(QImage::Format_ARGB32).pixel(4, 15));
    EXPECT_NEAR(Colour.red(), 0x97, 3);
    EXPECT_NEAR(Colour.green(), 0xD3, 3);
    EXPECT_NEAR(Colour.blue(), 0xFD, 3);
    EXPECT_LT(qAlpha(Mask.pixel(0, 15)), qAlpha(Ring));
    EXPECT_LT(qAlpha(Mask.pixel(0, 0)), 40);

    // The cell's own pixels belong to the grid, for the mouse too.
    const TPoint Inside = Grid->ClientToScreen(Point(Cell.Left + 30, Cell.Top + 11));
    EXPECT_NE(WindowFromPoint(Inside), Wnd);
}

TEST_F(GridFocusWindowTest, FollowsTheFormAndHides)
{
    Grid->SetCol(1);
    Grid->SetRow(3);
    FocusWindowGrid = Grid;
    Grid->ShowFocusWindow(Grid->CellRect(1, 3));
    const HWND Wnd = Grid->FocusWindow()->Handle();
    TRect Before;
    GetWindowRect(Wnd, Before);
    Form->SetLeft(Form->Left() + 30);
    Form->SetTop(Form->Top() + 12);
    ProcessPendingEvents();
    TRect After;
    GetWindowRect(Wnd, After);
    EXPECT_EQ(After, Rect(Before.Left + 30, Before.Top + 12, Before.Right + 30, Before.Bottom + 12));

    Grid->HideFocusWindow();
    EXPECT_EQ(FocusWindowGrid, nullptr);
    EXPECT_FALSE(IsWindowVisible(Wnd));
    // Moves of the form no longer move it.
    Form->SetLeft(Form->Left() + 10);
    ProcessPendingEvents();
    GetWindowRect(Wnd, Before);
    EXPECT_EQ(Before, After);
}

TEST_F(GridFocusWindowTest, EmptyMaskChangesNothing)
{
    TGridAlphaMask Empty;
    TGridFocusWindow* Focus = Grid->FocusWindow();
    Focus->HandleNeeded();
    ApplyAlphaMask(Focus, &Empty);
    EXPECT_FALSE(GetWindowLong(Focus->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(LayeredPixels(Focus->Handle()).isNull());
}

}  // namespace
