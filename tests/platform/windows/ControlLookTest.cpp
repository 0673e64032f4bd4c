// System metrics and font, the 3-D look passed down to children, and finding the control under a screen point.
#include "support/Input.h"
#include "support/LayerInternals.h"
#include "support/Render.h"
#include "Recorder.h"

#include "graphics/DrawText.h"
#include "windows/SystemMetrics.h"
#include "windows/WindowDC.h"

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace {

TEST(SystemMetricsTest, AnswersTheLayersOwnSizes)
{
    // As wide as the scroll bars the layer's windows show.
    QAbstractScrollArea Area;
    Area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), Area.verticalScrollBar()->sizeHint().width());
    EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), GetSystemMetrics(SM_CXVSCROLL));
    // As thick as the borders NonClientMargins gives windows.
    EXPECT_EQ(NonClientMargins(WS_BORDER, 0, false).left(), GetSystemMetrics(SM_CXBORDER));
    EXPECT_EQ(NonClientMargins(WS_BORDER, 0, false).top(), GetSystemMetrics(SM_CYBORDER));
    EXPECT_EQ(NonClientMargins(0, WS_EX_CLIENTEDGE, false).left(), GetSystemMetrics(SM_CXEDGE));
    EXPECT_EQ(NonClientMargins(0, WS_EX_CLIENTEDGE, false).top(), GetSystemMetrics(SM_CYEDGE));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), Screen->Width());
    EXPECT_EQ(GetSystemMetrics(-1), 0);
}

TEST(SystemMetricsTest, SystemFontIsFixed)
{
    TFont* Font = SystemFont();
    EXPECT_EQ(Font->Name(), "MS Sans Serif");
    EXPECT_EQ(Font->Height(), -13);
    EXPECT_TRUE(Font->Style().Contains(fsBold));
    HDC DC = GetDC(nullptr);
    ASSERT_NE(DC, nullptr);
    DC->SetFont(Font);
    TEXTMETRIC Metrics;
    GetTextMetrics(DC, Metrics);
    EXPECT_GE(Metrics.tmHeight, 13);
    EXPECT_EQ(ReleaseDC(nullptr, DC), 1);
}

class ControlLookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(300, 150);
        Form->Show();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
};

TEST_F(ControlLookTest, Ctl3DFollowsTheParentUntilSetOwnly)
{
    QStringList Log;
    auto* Outer = Place<TRecorder>(Form.get(), Bounds(10, 10, 200, 100), Log, QStringLiteral("Outer"));
    auto* Inner = Place<TRecorder>(Outer, Bounds(10, 10, 50, 50), Log, QStringLiteral("Inner"));
    EXPECT_TRUE(Inner->Ctl3D());
    EXPECT_TRUE(Inner->ParentCtl3D());
    Outer->SetCtl3D(false);
    EXPECT_FALSE(Outer->ParentCtl3D());
    EXPECT_FALSE(Inner->Ctl3D());
    EXPECT_TRUE(Inner->ParentCtl3D());
    Inner->SetCtl3D(true);
    EXPECT_FALSE(Inner->ParentCtl3D());
    Outer->SetCtl3D(true);
    Outer->SetCtl3D(false);
    EXPECT_TRUE(Inner->Ctl3D()) << "set on its own: the parent's no longer counts";
    Inner->SetParentCtl3D(true);
    EXPECT_FALSE(Inner->Ctl3D());
    // A child placed later takes the parent's look.
    auto* Late = Place<TRecorder>(Outer, Bounds(100, 10, 20, 20), Log, QStringLiteral("Late"));
    EXPECT_FALSE(Late->Ctl3D());
    EXPECT_TRUE(NewStyleControls);
}

TEST_F(ControlLookTest, FindDragTargetFindsWindowlessAndWindowedControls)
{
    QStringList Log;
    auto* Panel = Place<TRecorder>(Form.get(), Bounds(10, 10, 150, 100), Log, QStringLiteral("Panel"));
    auto* Box = Place<TBox>(Panel, Bounds(20, 20, 40, 30));
    Box->SetEnabled(false);
    ProcessPendingEvents();
    const TPoint OverBox = Panel->ClientToScreen({25, 25});
    EXPECT_EQ(FindDragTarget(OverBox, true), Box);
    EXPECT_EQ(FindDragTarget(OverBox, false), Panel) << "a disabled windowless control counts only when asked";
    EXPECT_EQ(FindVCLWindow(OverBox), Panel);
    EXPECT_EQ(FindDragTarget(Form->ClientToScreen({250, 130}), true), Form.get());
    EXPECT_EQ(FindDragTarget({-5000, -5000}, true), nullptr);
}

}  // namespace
