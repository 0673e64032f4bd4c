// The grid's marker windows: arrow shapes as window regions, pop-up placement, the focus window.
#include "grid/base/GridMarkers.h"

#include "EditorTestSupport.h"
#include "graphics/Region.h"
#include "support/Artifacts.h"
#include "support/LayerInternals.h"
#include "windows/WindowDC.h"

#include <gtest/gtest.h>

#include <QWidget>

using namespace EditorTest;
namespace {

struct TArrowCase {
    TArrowDirection Direction;
    TPoint Inside[2];
    TPoint Outside[2];
};

const TArrowCase ArrowCases[] = {
    {arrUp, {{5, 2}, {5, 7}}, {{0, 0}, {1, 8}}},
    {arrDown, {{5, 2}, {5, 6}}, {{0, 0}, {8, 1}}},
    {arrLeft, {{7, 5}, {2, 5}}, {{0, 0}, {1, 9}}},
    {arrRight, {{2, 5}, {6, 5}}, {{8, 0}, {7, 9}}},
};

class GridMarkersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(200, 120);
        Form->Show();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
};

TEST_F(GridMarkersTest, ArrowStartsHiddenLimeAndOwnedByItsOwner)
{
    auto* Arrow = New<TArrowWindow>(Form.get(), arrDown);
    EXPECT_EQ(Arrow->Parent(), Form.get());
    EXPECT_FALSE(Arrow->Visible());
    EXPECT_EQ(Arrow->Color(), clLime);
    EXPECT_EQ(Arrow->Dir(), arrDown);
    EXPECT_EQ(Arrow->Arrow()[4], (TPoint{5, 8}));
    const int32_t Style = GetWindowLong(Arrow->Handle(), GWL_STYLE);
    EXPECT_EQ(static_cast<uint32_t>(Style) & ~WS_VISIBLE, WS_POPUP);
    EXPECT_EQ(GetWindowLong(Arrow->Handle(), GWL_EXSTYLE), 0);
}

TEST_F(GridMarkersTest, ArrowWindowIsShapedByItsOutline)
{
    for (const TArrowCase& Case : ArrowCases) {
        SCOPED_TRACE(static_cast<int>(Case.Direction));
        auto* Arrow = New<TArrowWindow>(Form.get(), Case.Direction);
        Arrow->SetBounds(300, 200, 11, 11);
        Arrow->Show();
        ProcessPendingEvents();
        TRegion Shape;
        EXPECT_EQ(GetWindowRgn(Arrow->Handle(), Shape), COMPLEXREGION);
        for (const TPoint& Point : Case.Inside) EXPECT_TRUE(PtInRegion(Shape, Point.X, Point.Y)) << Point.X << "," << Point.Y;
        for (const TPoint& Point : Case.Outside) EXPECT_FALSE(PtInRegion(Shape, Point.X, Point.Y)) << Point.X << "," << Point.Y;
        const QWidget* Widget = WidgetOf(Arrow->Handle());
        for (const TPoint& Point : Case.Inside) EXPECT_TRUE(Widget->mask().contains(QPoint(Point.X, Point.Y)));
        for (const TPoint& Point : Case.Outside) EXPECT_FALSE(Widget->mask().contains(QPoint(Point.X, Point.Y)));
        const QImage Image = RenderControl(Arrow);
        EXPECT_EQ(PixelText(Image, Case.Inside[0].X, Case.Inside[0].Y), ColorText(clLime));
        delete Arrow;
    }
}

TEST_F(GridMarkersTest, ArrowIsATopLevelWindowPlacedOnTheScreen)
{
    auto* Arrow = New<TArrowWindow>(Form.get(), arrLeft);
    Arrow->SetBounds(321, 234, 9, 11);
    Arrow->Show();
    ProcessPendingEvents();
    const QWidget* Widget = WidgetOf(Arrow->Handle());
    ASSERT_TRUE(Widget->isWindow());
    EXPECT_TRUE(Widget->isVisible());
    EXPECT_EQ(Widget->geometry(), QRect(321, 234, 9, 11));
    EXPECT_EQ(Widget->parentWidget(), WidgetOf(Form->Handle()));
    TRect Placed;
    GetWindowRect(Arrow->Handle(), Placed);
    EXPECT_EQ(Placed, Bounds(321, 234, 9, 11));
    EXPECT_EQ(Arrow->ClientOrigin(), (TPoint{321, 234}));
    // The form keeps the activation.
    EXPECT_EQ(GetActiveWindow(), Form->Handle());
    // A click inside the parent's client area at the arrow's own coordinates finds no arrow there.
    EXPECT_EQ(Form->ControlAtPos({3, 3}, true, true), nullptr);
}

TEST_F(GridMarkersTest, RegionIsTakenBackAndCanBeEmpty)
{
    auto* Arrow = New<TArrowWindow>(Form.get(), arrUp);
    Arrow->SetBounds(10, 10, 11, 10);
    TRegion Shape;
    EXPECT_EQ(SetWindowRgn(Arrow->Handle(), nullptr, false), 1);
    EXPECT_EQ(GetWindowRgn(Arrow->Handle(), Shape), RGN_ERROR);
    const TRegion Empty;
    SetWindowRgn(Arrow->Handle(), &Empty, false);
    EXPECT_EQ(GetWindowRgn(Arrow->Handle(), Shape), NULLREGION);
    EXPECT_FALSE(WidgetOf(Arrow->Handle())->mask().contains(QPoint(0, 0)));
}

TEST_F(GridMarkersTest, FocusWindowIsADisabledTopmostToolWindowThatTakesNoFocus)
{
    auto* Edit = Place<TCustomControl>(Form.get(), Bounds(10, 10, 50, 20));
    Edit->SetTabStop(true);
    Edit->SetFocus();
    auto* Focus = New<TGridFocusWindow>(Form.get());
    EXPECT_EQ(Focus->Width(), 0);
    EXPECT_EQ(Focus->Height(), 0);
    EXPECT_EQ(Focus->Color(), clRed);
    Focus->SetParent(Form.get());
    Focus->SetBounds(400, 300, 60, 20);
    ProcessPendingEvents();
    const uint32_t Style = static_cast<uint32_t>(GetWindowLong(Focus->Handle(), GWL_STYLE));
    EXPECT_EQ(Style & ~WS_VISIBLE, WS_POPUP | WS_DISABLED);
    EXPECT_EQ(static_cast<uint32_t>(GetWindowLong(Focus->Handle(), GWL_EXSTYLE)), WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    const QWidget* Widget = WidgetOf(Focus->Handle());
    EXPECT_TRUE(Widget->isWindow());
    EXPECT_TRUE(Widget->isVisible());
    EXPECT_TRUE(Widget->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(IsWindowEnabled(Focus->Handle()));
    EXPECT_EQ(GetActiveWindow(), Form->Handle());
    EXPECT_EQ(GetFocus(), Edit->Handle());
}

}  // namespace
