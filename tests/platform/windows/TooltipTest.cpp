// The tooltip control: tools watched through their windows, the delays on the test clock, the
// notifications to the tool's window and the tip it shows.
#include "Recorder.h"
#include "support/Artifacts.h"
#include "support/Input.h"
#include "support/Render.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "windows/Forms.h"
#include "windows/Tooltips.h"

#include <gtest/gtest.h>

namespace {

// A tool window that answers the tooltip's text request and notes its notifications.
class TToolWindow : public TPlainControl {
public:
    using TPlainControl::TPlainControl;
    QStringList Heard;
    // The text handed out; it must outlive the request.
    std::u16string Answer = u"Pressure of the left pump at the outlet";
    // Destroys the tooltip while answering.
    bool DestroyOnRequest = false;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_NOTIFY) {
            const auto* Hdr = reinterpret_cast<NMHDR*>(Message.LParam);
            if (Hdr->code == TTN_GETDISPINFOW) {
                Heard.append(QStringLiteral("text"));
                auto* Info = reinterpret_cast<NMTTDISPINFOW*>(Message.LParam);
                Info->lpszText = Answer.data();
                if (DestroyOnRequest) DestroyWindow(Hdr->hwndFrom);
                return;
            }
            if (Hdr->code == TTN_SHOW) Heard.append(QStringLiteral("show"));
            if (Hdr->code == TTN_POP) Heard.append(QStringLiteral("pop"));
            return;
        }
        TPlainControl::Dispatch(Message);
    }
};

class TooltipTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(300, 200);
        Tool = Place<TToolWindow>(Form.get(), Bounds(10, 10, 200, 120));
        Other = Place<TPlainControl>(Form.get(), Bounds(220, 10, 60, 60));
        Form->Show();
        ProcessPendingEvents();
        Tip = CreateWindowEx(0, TOOLTIPS_CLASS, QString(), TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Form->Handle(), nullptr, 0, nullptr);
        ASSERT_TRUE(IsWindow(Tip));
        TOOLINFOW Info;
        Info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        Info.hwnd = Tool->Handle();
        Info.uId = reinterpret_cast<UINT_PTR>(Tool->Handle());
        Info.lpszText = LPSTR_TEXTCALLBACKW;
        ASSERT_EQ(SendMessage(Tip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&Info)), 1);
        SendMessage(Tip, TTM_SETDELAYTIME, TTDT_INITIAL, 300);
        SendMessage(Tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, 2000);
        SendMessage(Tip, TTM_SETDELAYTIME, TTDT_RESHOW, 50);
    }
    void TearDown() override
    {
        if (IsWindow(Tip)) DestroyWindow(Tip);
    }

    TWinControl* TipControl() const { return FindControl(Tip); }
    bool Shown() const { return IsWindowVisible(Tip); }
    // Rests the pointer at At over the tool (moving in from outside) for Ms.
    void Rest(TPoint At, uint32_t Ms)
    {
        Input::MoveMouse(Tool, At);
        Clock.Advance(Ms);
    }

    TTestClock Clock;
    std::unique_ptr<TForm> Form;
    TToolWindow* Tool = nullptr;
    TPlainControl* Other = nullptr;
    HWND Tip = nullptr;
};

TEST_F(TooltipTest, ARestOverTheToolAsksForTheTextAndShowsTheBalloonAtThePointerUntilTheAutoPop)
{
    const std::u16string Title = u"Pump 2";
    SendMessage(Tip, TTM_SETTITLEW, TTI_WARNING, reinterpret_cast<LPARAM>(Title.c_str()));
    EXPECT_EQ(SendMessage(Tip, TTM_SETMAXTIPWIDTH, 0, 150), -1) << "no width before";
    SendMessage(Tip, TTM_SETTIPBKCOLOR, RGB(255, 255, 204), 0);
    SendMessage(Tip, TTM_SETTIPTEXTCOLOR, RGB(0, 0, 128), 0);

    Rest({50, 40}, 299);
    EXPECT_FALSE(Shown());
    EXPECT_TRUE(Tool->Heard.isEmpty());
    Clock.Advance(1);
    ASSERT_TRUE(Shown());
    EXPECT_EQ(Tool->Heard, QStringList({"text", "show"}));
    EXPECT_EQ(TipControl()->Caption(), QStringLiteral("Pressure of the left pump at the outlet"));
    EXPECT_TRUE(GetWindowLong(Tip, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetActiveWindow(), Form->Handle()) << "the tip takes no activation";

    // The stem's tip is at the pointer; the text wraps within the maximum width.
    const TPoint Pointer = Tool->ClientToScreen({50, 40});
    const TRect Bounds = TipControl()->BoundsRect();
    EXPECT_EQ(Bounds.Left, Pointer.X - 16);
    EXPECT_EQ(Bounds.Top, Pointer.Y);
    EXPECT_LE(Bounds.Width(), 150);
    TCanvas* C = static_cast<TCustomControl*>(TipControl())->Canvas();
    C->Font()->Assign(TipControl()->Font());
    const int32_t Line = C->TextHeight(QStringLiteral("Pg"));
    const int32_t OneLine = C->TextWidth(QStringLiteral("Pressure of the left pump at the outlet"));
    ASSERT_GT(OneLine, 150 - 16) << "the text must need wrapping for this test";
    EXPECT_GE(Bounds.Height(), 14 + 16 + 4 + 2 * Line + 16) << "stem, title, two lines at least";

    const QImage Image = RenderControl(TipControl());
    SaveArtifact(Image, QStringLiteral("tooltip-balloon"));
    const QRgb Back = qRgb(255, 255, 204);
    EXPECT_EQ(Image.pixel(Bounds.Width() - 4, Bounds.Height() / 2), Back) << "the body in its colour";
    EXPECT_EQ(Image.pixel(8 + 4, 14 + 8 + 12), qRgb(255, 204, 0)) << "the warning icon";
    int32_t TextPixels = 0;
    for (int32_t Y = 14 + 8 + 16 + 4; Y < Bounds.Height() - 8; ++Y)
        for (int32_t X = 8; X < Bounds.Width() - 8; ++X)
            if (Image.pixel(X, Y) == qRgb(0, 0, 128)) ++TextPixels;
    EXPECT_GT(TextPixels, 20) << "the text in its colour";

    // Moving within the tool leaves it; the auto-pop hides it and tells the tool's window.
    Input::MoveMouse(Tool, {60, 45});
    Clock.Advance(1999);
    EXPECT_TRUE(Shown());
    Clock.Advance(1);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Tool->Heard, QStringList({"text", "show", "pop"}));

    // No tip again until the pointer has left the tool.
    Rest({70, 50}, 1000);
    EXPECT_FALSE(Shown());
    Input::MoveMouse(Other, {5, 5});
    Rest({20, 20}, 300);
    EXPECT_TRUE(Shown());
}

TEST_F(TooltipTest, LeavingClickingAndPoppingHideTheTipAndOnlyAPopLetsTheNextRestShowIt)
{
    // The pointer leaves before the delay: nothing.
    Rest({50, 40}, 200);
    Input::MoveMouse(Other, {5, 5});
    Clock.Advance(500);
    EXPECT_FALSE(Shown());
    EXPECT_TRUE(Tool->Heard.isEmpty());

    // Each move restarts the wait.
    Rest({50, 40}, 200);
    Rest({51, 40}, 200);
    EXPECT_FALSE(Shown());
    Clock.Advance(100);
    ASSERT_TRUE(Shown());

    // Leaving a shown tip pops it.
    Input::MoveMouse(Other, {5, 5});
    Clock.Advance(100);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Tool->Heard, QStringList({"text", "show", "pop"}));

    // TTM_POP: the next rest shows it after the reshow delay.
    Tool->Heard.clear();
    Rest({50, 40}, 300);
    ASSERT_TRUE(Shown());
    SendMessage(Tip, TTM_POP, 0, 0);
    EXPECT_FALSE(Shown());
    Rest({52, 41}, 50);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Tool->Heard, QStringList({"text", "show", "pop", "text", "show"}));

    // A click: hidden until the pointer comes back.
    Input::Click(Tool, {52, 41});
    EXPECT_FALSE(Shown());
    Rest({60, 41}, 1000);
    EXPECT_FALSE(Shown());
}

TEST_F(TooltipTest, WithoutAWidthTheTextWrapsOnlyAtLineBreaksAndAnEmptyTextShowsNothing)
{
    Tool->Answer = u"";
    Rest({50, 40}, 300);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(Tool->Heard, QStringList({"text"}));

    Tool->Answer = u"First line of the tip\nSecond";
    Input::MoveMouse(Other, {5, 5});
    Rest({50, 40}, 300);
    ASSERT_TRUE(Shown());
    TCanvas* C = static_cast<TCustomControl*>(TipControl())->Canvas();
    C->Font()->Assign(TipControl()->Font());
    const TRect Bounds = TipControl()->BoundsRect();
    EXPECT_EQ(Bounds.Width(), std::max(C->TextWidth(QStringLiteral("First line of the tip")) + 16, 46));
    EXPECT_EQ(Bounds.Height(), 14 + 16 + 2 * C->TextHeight(QStringLiteral("Pg")));
}

TEST_F(TooltipTest, AToolWindowMayDestroyTheTooltipWhileAnsweringAndOnlyTheClassMakesWindows)
{
    Tool->DestroyOnRequest = true;
    Rest({50, 40}, 300);
    EXPECT_FALSE(IsWindow(Tip));
    ProcessPendingEvents();
    Rest({60, 40}, 300);
    EXPECT_EQ(Tool->Heard, QStringList({"text"}));

    EXPECT_EQ(CreateWindowEx(0, QStringLiteral("Button"), QString(), 0, 0, 0, 10, 10, nullptr, nullptr, 0, nullptr),
              nullptr);
    const HWND Lower = CreateWindowEx(0, QStringLiteral("tooltips_class32"), QString(), WS_POPUP, 0, 0, 0, 0,
                                      Form->Handle(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(Lower));
    EXPECT_EQ(GetWindow(Lower, GW_OWNER), Form->Handle());
    EXPECT_FALSE(DestroyWindow(Form->Handle())) << "not made by class";
    EXPECT_TRUE(DestroyWindow(Lower));
    EXPECT_FALSE(IsWindow(Lower));
}

}  // namespace
