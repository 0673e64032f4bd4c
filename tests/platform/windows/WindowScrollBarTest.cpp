// The window's own scroll bars: range, page and position kept in bounds, showing and hiding with the client area, disabling.
#include "Recorder.h"
#include "support/Input.h"
#include "support/Render.h"

#include "windows/SystemMetrics.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A plain window made with both scroll bars that counts its WM_SIZE messages and the scroll codes it gets.
class TBarWindow : public TPlainControl {
public:
    using TPlainControl::TPlainControl;
    int32_t Sizes = 0;
    QList<int32_t> Codes;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TPlainControl::CreateParams(Params);
        Params.Style |= WS_VSCROLL | WS_HSCROLL;
    }
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_SIZE) ++Sizes;
        if (Message.Msg == WM_VSCROLL && Message.LParam == 0) Codes.append(TWMScroll(Message).ScrollCode());
        TPlainControl::Dispatch(Message);
    }
};

SCROLLINFO Info(UINT Mask, int32_t Min, int32_t Max, UINT Page, int32_t Pos)
{
    SCROLLINFO Result;
    Result.fMask = Mask;
    Result.nMin = Min;
    Result.nMax = Max;
    Result.nPage = Page;
    Result.nPos = Pos;
    return Result;
}

TEST(WindowScrollBarTest, SettingsKeepTheirBoundsAndDecideWhetherTheBarShows)
{
    auto Form = MakeForm(300, 200);
    auto* Window = Place<TBarWindow>(Form.get(), Bounds(10, 10, 200, 150));
    Form->Show();
    ProcessPendingEvents();
    const HWND Wnd = Window->Handle();
    const int32_t Extent = GetSystemMetrics(SM_CXVSCROLL);
    // Made with the styles, both bars show with the range 0..100.
    EXPECT_EQ(Window->ClientRect(), Bounds(0, 0, 200 - Extent, 150 - Extent));
    int32_t Min = -1, Max = -1;
    GetScrollRange(Wnd, SB_VERT, Min, Max);
    EXPECT_EQ(Max, 100);
    struct TCase {
        const char* Name;
        SCROLLINFO Set;
        int32_t Pos;
        UINT Page;
        bool Shown, Enabled;
    } Cases[] = {
        {"a range and page", Info(SIF_RANGE | SIF_PAGE, 0, 50, 10, 0), 0, 10, true, true},
        {"a position past the last page", Info(SIF_POS, 0, 0, 0, 60), 41, 10, true, true},
        {"a position before the start", Info(SIF_POS, 0, 0, 0, -3), 0, 10, true, true},
        {"a page larger than the range", Info(SIF_PAGE, 0, 0, 99, 0), 0, 51, false, true},
        {"a range again", Info(SIF_RANGE | SIF_PAGE, 0, 127, 0, 0), 0, 0, true, true},
        {"nothing to scroll, kept disabled", Info(SIF_RANGE | SIF_DISABLENOSCROLL, 0, 0, 0, 0), 0, 0, true, false},
        {"scrolling again enables", Info(SIF_RANGE, 0, 127, 0, 0), 0, 0, true, true},
        {"nothing to scroll hides", Info(SIF_RANGE, 5, 5, 0, 0), 5, 0, false, true},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        SetScrollInfo(Wnd, SB_VERT, Case.Set, true);
        SCROLLINFO Got;
        Got.fMask = SIF_ALL;
        GetScrollInfo(Wnd, SB_VERT, Got);
        EXPECT_EQ(Got.nPos, Case.Pos);
        EXPECT_EQ(Got.nPage, Case.Page);
        EXPECT_EQ((GetWindowLong(Wnd, GWL_STYLE) & WS_VSCROLL) != 0, Case.Shown);
        EXPECT_EQ(Window->ClientWidth(), Case.Shown ? 200 - Extent : 200);
        if (Case.Shown) {
            EXPECT_EQ(EnableScrollBar(Wnd, SB_VERT, ESB_ENABLE_BOTH), !Case.Enabled);
        }
    }
    // Showing and hiding size the client area, and the window hears of it.
    const int32_t Before = Window->Sizes;
    ShowScrollBar(Wnd, SB_BOTH, false);
    EXPECT_EQ(Window->ClientRect(), Bounds(0, 0, 200, 150));
    EXPECT_EQ(Window->Sizes, Before + 1);
    ShowScrollBar(Wnd, SB_HORZ, true);
    EXPECT_EQ(Window->ClientRect(), Bounds(0, 0, 200, 150 - Extent));
}

TEST(WindowScrollBarTest, TheUsersActionsComeAsScrollMessagesAndMoveNothingByThemselves)
{
    auto Form = MakeForm(300, 200);
    auto* Window = Place<TBarWindow>(Form.get(), Bounds(10, 10, 200, 150));
    Form->Show();
    ProcessPendingEvents();
    const HWND Wnd = Window->Handle();
    ShowScrollBar(Wnd, SB_HORZ, false);
    SetScrollRange(Wnd, SB_VERT, 0, 127, true);
    Input::ClickScrollBar(Window, SB_VERT, Input::sbpLineDown);
    Input::ClickScrollBar(Window, SB_VERT, Input::sbpPageDown);
    EXPECT_EQ(Window->Codes, (QList<int32_t>{SB_LINEDOWN, SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(GetScrollPos(Wnd, SB_VERT), 0);
    Window->Codes.clear();
    Input::DragScrollThumb(Window, SB_VERT, 100);
    ASSERT_GE(Window->Codes.size(), 3);
    EXPECT_EQ(Window->Codes.first(), SB_THUMBTRACK);
    EXPECT_EQ(Window->Codes.mid(Window->Codes.size() - 2), (QList<int32_t>{SB_THUMBPOSITION, SB_ENDSCROLL}));
    EXPECT_EQ(GetScrollPos(Wnd, SB_VERT), 0);
    // A disabled bar takes no clicks, and is drawn otherwise than the enabled one.
    const QImage Enabled = RenderControl(Window, true);
    EnableScrollBar(Wnd, SB_VERT, ESB_DISABLE_BOTH);
    EXPECT_TRUE(IsWindowVisible(Wnd) && (GetWindowLong(Wnd, GWL_STYLE) & WS_VSCROLL) != 0);
    Window->Codes.clear();
    Input::ClickScrollBar(Window, SB_VERT, Input::sbpLineDown);
    EXPECT_TRUE(Window->Codes.isEmpty()) << Window->Codes.size();
    const QImage Disabled = RenderControl(Window, true);
    ASSERT_EQ(Enabled.size(), Disabled.size());
    const int32_t Extent = GetSystemMetrics(SM_CXVSCROLL);
    bool Differs = false;
    for (int32_t x = Enabled.width() - Extent; x < Enabled.width(); ++x)
        for (int32_t y = 0; y < Enabled.height(); ++y) Differs = Differs || Enabled.pixel(x, y) != Disabled.pixel(x, y);
    EXPECT_TRUE(Differs);
}

}  // namespace
