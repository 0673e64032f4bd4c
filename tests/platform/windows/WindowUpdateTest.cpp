// What waits to be painted: the update region, redrawing switched off and on, the window under a point.
#include "Recorder.h"
#include "support/LayerInternals.h"
#include "support/Render.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// Fills itself with its colour and counts its paints.
class TCountingControl : public TPlainControl {
public:
    using TPlainControl::TPlainControl;
    int32_t Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        TPlainControl::Paint();
    }
};

struct UpdateFixture : ::testing::Test {
    void SetUp() override
    {
        Form = MakeForm(200, 120);
        Control = Place<TCountingControl>(Form.get(), Bounds(10, 10, 100, 50));
        Control->SetColor(clRed);
        Form->Show();
        ProcessPendingEvents();
        Control->Paints = 0;
    }

    std::optional<TRect> Waiting() const
    {
        TRect Rect{1, 1, 1, 1};
        const bool Any = GetUpdateRect(Control->Handle(), Rect);
        EXPECT_EQ(Any, !IsRectEmpty(Rect));
        return Any ? std::optional<TRect>(Rect) : std::nullopt;
    }

    std::unique_ptr<TForm> Form;
    TCountingControl* Control = nullptr;
};

using WindowUpdateTest = UpdateFixture;

TEST_F(WindowUpdateTest, TheUpdateRegionGathersWhatIsInvalidatedWithinTheClientAreaUntilThePaint)
{
    const TRect Inside = Bounds(10, 10, 10, 10);
    const TRect Beyond = Bounds(90, 40, 60, 40);
    const TRect Outside = Bounds(150, 0, 10, 10);
    struct TCase {
        const char* Name;
        std::vector<const TRect*> Rects;
        std::optional<TRect> Expected;
    } Cases[] = {
        {"one rectangle", {&Inside}, Inside},
        {"two rectangles give their bounds", {&Inside, &Beyond}, TRect{10, 10, 100, 50}},
        {"a rectangle beyond the edge is clipped", {&Beyond}, TRect{90, 40, 100, 50}},
        {"nil is the whole client area", {nullptr}, TRect{0, 0, 100, 50}},
        {"a rectangle outside adds nothing", {&Outside}, std::nullopt},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        {
            TPaintHold Hold;
            for (const TRect* Rect : Case.Rects) InvalidateRect(Control->Handle(), Rect, false);
            ProcessPendingEvents();
            EXPECT_EQ(Waiting(), Case.Expected);
            EXPECT_EQ(Control->Paints, 0) << "held";
        }
        ProcessPendingEvents();
        EXPECT_EQ(Control->Paints, Case.Expected ? 1 : 0);
        EXPECT_EQ(Waiting(), std::nullopt) << "the paint takes what waited";
        Control->Paints = 0;
    }
}

TEST_F(WindowUpdateTest, RedrawOffDropsInvalidationsAndOnAgainRepaintsNothingByItself)
{
    const HWND Wnd = Control->Handle();
    SendMessage(Wnd, WM_SETREDRAW, 0, 0);
    Control->SetColor(clBlue);
    Control->Repaint();
    EXPECT_EQ(Waiting(), std::nullopt) << "dropped";
    ProcessPendingEvents();
    EXPECT_EQ(Control->Paints, 0);
    // The screen keeps what the window showed, also when the window system asks for a paint.
    EXPECT_EQ(RenderControl(Control).pixelColor(50, 25), QColor(Qt::red));
    EXPECT_EQ(Control->Paints, 0);

    SendMessage(Wnd, WM_SETREDRAW, 1, 0);
    ProcessPendingEvents();
    EXPECT_EQ(Control->Paints, 0);
    Control->Invalidate();
    EXPECT_EQ(Waiting(), Rect(0, 0, 100, 50));
    ProcessPendingEvents();
    EXPECT_EQ(Control->Paints, 1);
    EXPECT_EQ(RenderControl(Control).pixelColor(50, 25), QColor(Qt::blue));
}

TEST_F(WindowUpdateTest, WindowFromPointFindsTheInnermostEnabledWindow)
{
    auto* Inner = Place<TPlainControl>(Control, Bounds(10, 10, 30, 30));
    auto* Disabled = Place<TPlainControl>(Control, Bounds(60, 10, 30, 30));
    Disabled->SetEnabled(false);
    ProcessPendingEvents();
    const struct {
        const char* Name;
        TControl* Over;
        TPoint At;
        HWND Expected;
    } Cases[] = {
        {"a child window", Inner, {5, 5}, Inner->Handle()},
        {"its parent beside it", Control, {45, 5}, Control->Handle()},
        {"a disabled child gives its parent", Disabled, {5, 5}, Control->Handle()},
        {"the form", Form.get(), {150, 100}, Form->Handle()},
        {"none of ours", Form.get(), {-5000, -5000}, nullptr},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(WindowFromPoint(Case.Over->ClientToScreen(Case.At)), Case.Expected) << Case.Name;
    EXPECT_EQ(GetModuleHandle(QStringLiteral("comctl32.dll")), nullptr) << "no system library is loaded here";
}

}  // namespace
