// Handles, sent and posted messages, registered messages, SetTimer and TTimer, driven by a test clock.
#include "support/Input.h"
#include "support/Render.h"
#include "windows/Forms.h"
#include "windows/Timer.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

// A hidden window that records the messages it gets as "<msg>:<wparam>".
class MessageQueueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Wnd = AllocateHWnd([this](TMessage& Message) {
            Log.append(QStringLiteral("%1:%2").arg(Message.Msg).arg(Message.WParam));
            if (OnMessage) OnMessage(Message);
        });
    }
    void TearDown() override { DeallocateHWnd(Wnd); }

    HWND Wnd = nullptr;
    QStringList Log;
    std::function<void(TMessage&)> OnMessage;
};

TEST_F(MessageQueueTest, SentMessagesAreDirectCalls)
{
    OnMessage = [](TMessage& Message) { Message.Result = 42; };
    EXPECT_EQ(SendMessage(Wnd, WM_USER, 7, 0), 42);
    EXPECT_EQ(Log, QStringList{"1024:7"});
}

TEST_F(MessageQueueTest, PostedMessagesComeInOrderAfterTheCurrentHandler)
{
    OnMessage = [this](TMessage& Message) {
        if (Message.WParam == 1) PostMessage(Wnd, WM_USER, 4, 0);
    };
    for (WPARAM I = 1; I <= 3; ++I) EXPECT_TRUE(PostMessage(Wnd, WM_USER, I, 0));
    EXPECT_TRUE(Log.isEmpty());
    ProcessPendingEvents();
    EXPECT_EQ(Log, (QStringList{"1024:1", "1024:2", "1024:3", "1024:4"}));
}

TEST_F(MessageQueueTest, AMessageForAWindowThatIsGoneIsDropped)
{
    const HWND Gone = AllocateHWnd([this](TMessage&) { Log.append(QStringLiteral("delivered")); });
    EXPECT_TRUE(PostMessage(Gone, WM_USER, 0, 0));
    DeallocateHWnd(Gone);
    ProcessPendingEvents();
    EXPECT_TRUE(Log.isEmpty());
    EXPECT_FALSE(IsWindow(Gone));
    EXPECT_FALSE(PostMessage(Gone, WM_USER, 0, 0));
    EXPECT_EQ(SendMessage(Gone, WM_USER, 0, 0), 0);
    EXPECT_EQ(FindControl(Gone), nullptr);
    // Handles are never used again.
    const HWND Next = AllocateHWnd([](TMessage&) {});
    EXPECT_NE(Next, Gone);
    DeallocateHWnd(Next);
}

TEST_F(MessageQueueTest, RegisteredMessagesShareOneNumberPerName)
{
    const UINT Done = RegisterWindowMessage(QStringLiteral("GridEditDone"));
    EXPECT_GE(Done, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage(QStringLiteral("griDEDITdone")), Done);
    EXPECT_NE(RegisterWindowMessage(QStringLiteral("DTPShiftFocus")), Done);
}

TEST_F(MessageQueueTest, TimersTickThroughTheQueueByTheClock)
{
    TTestClock Clock;
    const QString Tick = QStringLiteral("%1:7").arg(WM_TIMER);
    SetTimer(Wnd, 7, 100);
    Clock.Advance(99);
    EXPECT_TRUE(Log.isEmpty());
    Clock.Advance(1);
    EXPECT_EQ(Log, QStringList{Tick});
    // Expirations while a tick waits merge into it.
    Clock.Advance(350);
    EXPECT_EQ(Log.size(), 2);
    // The same id replaces the timer.
    SetTimer(Wnd, 7, 500);
    Clock.Advance(499);
    EXPECT_EQ(Log.size(), 2);
    Clock.Advance(1);
    EXPECT_EQ(Log.size(), 3);
    EXPECT_TRUE(KillTimer(Wnd, 7));
    Clock.Advance(1000);
    EXPECT_EQ(Log.size(), 3);
    EXPECT_FALSE(KillTimer(Wnd, 7));
}

TEST_F(MessageQueueTest, GetTickCountAndSleepFollowTheClockService)
{
    TTestClock Clock;
    const uint32_t Start = GetTickCount();
    Sleep(150);
    EXPECT_EQ(GetTickCount() - Start, 150u);
}

struct TTimerStep {
    const char* Name;
    std::function<void(TTimer&)> Change;
    uint32_t Advance;
    int32_t Ticks;
};

TEST(TimerTest, FollowsEnabledAndIntervalAsTheToolkitDoes)
{
    TTestClock Clock;
    TTimer Timer(nullptr);
    int32_t Ticks = 0;
    Timer.OnTimer = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &Timer);
        ++Ticks;
    };
    EXPECT_TRUE(Timer.Enabled());
    EXPECT_EQ(Timer.Interval(), 1000u);
    const std::vector<TTimerStep> Steps = {
        {"first tick after the default interval", nullptr, 1000, 1},
        {"half an interval", nullptr, 500, 1},
        {"enabling an enabled timer changes nothing", [](TTimer& T) { T.SetEnabled(true); }, 500, 2},
        {"a new interval starts a new countdown", [](TTimer& T) { T.SetInterval(300); }, 299, 2},
        {"... that ends after the new interval", nullptr, 1, 3},
        {"disabled, it stays quiet", [](TTimer& T) { T.SetEnabled(false); }, 1000, 3},
        {"enabling starts a new countdown", [](TTimer& T) { T.SetEnabled(true); }, 300, 4},
        {"interval 0 stops it", [](TTimer& T) { T.SetInterval(0); }, 5000, 4},
    };
    for (const TTimerStep& Step : Steps) {
        if (Step.Change) Step.Change(Timer);
        Clock.Advance(Step.Advance);
        EXPECT_EQ(Ticks, Step.Ticks) << Step.Name;
    }
}

TEST(TimerTest, AnExceptionInOnTimerReachesHandleException)
{
    TTestClock Clock;
    TTimer Timer(nullptr);
    Timer.SetInterval(10);
    Timer.OnTimer = [](TObject*) { throw Exception(QStringLiteral("tick failed")); };
    QString Reported;
    Application->OnException = [&](TObject*, const Exception& E) { Reported = E.Message(); };
    Clock.Advance(10);
    Application->OnException = nullptr;
    EXPECT_EQ(Reported, QStringLiteral("tick failed"));
}

}  // namespace
