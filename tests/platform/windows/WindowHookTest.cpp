// Window-procedure hooks, the placement messages of a moving window, transparent windows, the
// wheel setting and module version data.
#include "Recorder.h"
#include "support/Input.h"
#include "support/Render.h"

#include "windows/FileVersion.h"
#include "windows/WindowHooks.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QStyleHints>

namespace {

// What the hooks saw, in order: the hook's name, the message and its window.
struct THookLog {
    static inline QStringList Entries;
    static inline UINT Watched = 0;
};

template <char Name>
LRESULT LoggingHook(int32_t Code, WPARAM WParam, LPARAM LParam)
{
    const auto* Data = reinterpret_cast<const CWPSTRUCT*>(LParam);
    if (Data->message == THookLog::Watched) THookLog::Entries.append(QString(QLatin1Char(Name)));
    return CallNextHookEx(nullptr, Code, WParam, LParam);
}

LRESULT StoppingHook(int32_t, WPARAM, LPARAM LParam)
{
    const auto* Data = reinterpret_cast<const CWPSTRUCT*>(LParam);
    if (Data->message == THookLog::Watched) THookLog::Entries.append(QStringLiteral("stop"));
    return 0;
}

// A window that records the placement messages it gets, with their places.
class TPlaceWindow : public TPlainControl {
public:
    using TPlainControl::TPlainControl;
    QStringList Placements;
    // Set: WM_WINDOWPOSCHANGING moves the window 5 pixels further right.
    bool Nudge = false;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_WINDOWPOSCHANGING || Message.Msg == WM_WINDOWPOSCHANGED) {
            auto* Pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
            Placements.append(QStringLiteral("%1 %2,%3 %4x%5")
                                  .arg(Message.Msg == WM_WINDOWPOSCHANGING ? "changing" : "changed")
                                  .arg(Pos->x)
                                  .arg(Pos->y)
                                  .arg(Pos->cx)
                                  .arg(Pos->cy));
            if (Nudge && Message.Msg == WM_WINDOWPOSCHANGING) Pos->x += 5;
        }
        TPlainControl::Dispatch(Message);
    }
};

TEST(WindowHookTest, HooksSeeSentMessagesLastInstalledFirst)
{
    auto Form = MakeForm(200, 100);
    Form->Show();
    ProcessPendingEvents();
    THookLog::Entries.clear();
    THookLog::Watched = WM_USER + 7;
    const HHOOK A = SetWindowsHookEx(WH_CALLWNDPROC, LoggingHook<'a'>, 0, GetCurrentThreadId());
    const HHOOK B = SetWindowsHookEx(WH_CALLWNDPROC, LoggingHook<'b'>, 0, 0);
    ASSERT_NE(A, nullptr);
    ASSERT_NE(B, nullptr);
    EXPECT_EQ(SetWindowsHookEx(WH_CALLWNDPROC + 1, LoggingHook<'x'>, 0, 0), nullptr);
    EXPECT_EQ(SetWindowsHookEx(WH_CALLWNDPROC, nullptr, 0, 0), nullptr);

    SendMessage(Form->Handle(), WM_USER + 7, 0, 0);
    EXPECT_EQ(THookLog::Entries, (QStringList{QStringLiteral("b"), QStringLiteral("a")}));
    // Posted messages and direct calls pass no hook.
    THookLog::Entries.clear();
    PostMessage(Form->Handle(), WM_USER + 7, 0, 0);
    ProcessPendingEvents();
    Form->Perform(WM_USER + 7, 0, 0);
    EXPECT_TRUE(THookLog::Entries.isEmpty());

    // A hook that does not call on ends the chain.
    const HHOOK C = SetWindowsHookEx(WH_CALLWNDPROC, StoppingHook, 0, 0);
    SendMessage(Form->Handle(), WM_USER + 7, 0, 0);
    EXPECT_EQ(THookLog::Entries, QStringList{QStringLiteral("stop")});
    THookLog::Entries.clear();
    EXPECT_TRUE(UnhookWindowsHookEx(C));
    EXPECT_TRUE(UnhookWindowsHookEx(B));
    EXPECT_FALSE(UnhookWindowsHookEx(B));
    SendMessage(Form->Handle(), WM_USER + 7, 0, 0);
    EXPECT_EQ(THookLog::Entries, QStringList{QStringLiteral("a")});
    EXPECT_TRUE(UnhookWindowsHookEx(A));
    EXPECT_EQ(CallNextHookEx(nullptr, 0, 0, 0), 0);
}

TEST(WindowHookTest, MovingOrSizingAWindowSendsItsPlaceBeforeAndAfter)
{
    auto Form = MakeForm(300, 200);
    auto* Window = Place<TPlaceWindow>(Form.get(), Bounds(10, 10, 100, 50));
    // Without a window there is no one to tell.
    Window->SetBounds(10, 10, 100, 60);
    EXPECT_TRUE(Window->Placements.isEmpty());
    Form->Show();
    ProcessPendingEvents();
    Window->Placements.clear();
    Window->SetBounds(20, 10, 100, 60);
    Window->SetBounds(20, 10, 100, 60);
    Window->SetBounds(20, 10, 120, 60);
    EXPECT_EQ(Window->Placements,
              (QStringList{QStringLiteral("changing 20,10 100x60"), QStringLiteral("changed 20,10 100x60"),
                           QStringLiteral("changing 20,10 120x60"), QStringLiteral("changed 20,10 120x60")}));
    // The first message may change the place the window takes.
    Window->Nudge = true;
    Window->Placements.clear();
    Window->SetBounds(30, 10, 120, 60);
    EXPECT_EQ(Window->Left(), 35);
    EXPECT_EQ(Window->Placements.last(), QStringLiteral("changed 35,10 120x60"));

    // A form moved sees the same, and the hooks see it.
    THookLog::Entries.clear();
    THookLog::Watched = WM_WINDOWPOSCHANGED;
    const HHOOK Hook = SetWindowsHookEx(WH_CALLWNDPROC, LoggingHook<'f'>, 0, 0);
    Form->SetLeft(Form->Left() + 30);
    EXPECT_EQ(THookLog::Entries, QStringList{QStringLiteral("f")});
    UnhookWindowsHookEx(Hook);
}

// Records the left button presses that reach it.
class TClickWindow : public TPlainControl {
public:
    using TPlainControl::TPlainControl;
    int32_t Presses = 0;

protected:
    void MouseDown(TMouseButton, TShiftState, int32_t, int32_t) override { ++Presses; }
};

TEST(WindowHookTest, TransparentWindowsLetTheMouseThrough)
{
    auto Form = MakeForm(300, 200);
    auto* Below = Place<TClickWindow>(Form.get(), Bounds(10, 10, 200, 100));
    auto* Above = Place<TClickWindow>(Form.get(), Bounds(10, 10, 100, 100));
    Form->Show();
    ProcessPendingEvents();
    Input::Click(Form.get(), TPoint{50, 50});
    EXPECT_EQ(Above->Presses, 1);
    EXPECT_EQ(Below->Presses, 0);
    SetWindowLong(Above->Handle(), GWL_EXSTYLE, GetWindowLong(Above->Handle(), GWL_EXSTYLE) | int32_t(WS_EX_TRANSPARENT));
    Input::Click(Form.get(), TPoint{50, 50});
    EXPECT_EQ(Above->Presses, 1);
    EXPECT_EQ(Below->Presses, 1);
    SetWindowLong(Above->Handle(), GWL_EXSTYLE, GetWindowLong(Above->Handle(), GWL_EXSTYLE) & ~int32_t(WS_EX_TRANSPARENT));
    Input::Click(Form.get(), TPoint{50, 50});
    EXPECT_EQ(Above->Presses, 2);
}

TEST(WindowHookTest, WheelLinesComeFromTheDesktop)
{
    UINT Lines = 0;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &Lines, 0));
    EXPECT_EQ(Lines, static_cast<UINT>(QGuiApplication::styleHints()->wheelScrollLines()));
    EXPECT_FALSE(SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, nullptr, 0));
    EXPECT_FALSE(SystemParametersInfo(0x7777, 0, &Lines, 0));
}

TEST(WindowHookTest, OnlyTheCommonControlsCarryVersionData)
{
    uint32_t Handle = 7;
    const uint32_t Size = GetFileVersionInfoSize(QStringLiteral("COMCTL32.dll"), &Handle);
    EXPECT_EQ(Handle, 0u);
    ASSERT_GT(Size, 0u);
    QByteArray Data(static_cast<qsizetype>(Size), '\0');
    ASSERT_TRUE(GetFileVersionInfo(QStringLiteral("COMCTL32.dll"), Handle, Size, Data.data()));
    void* Buffer = nullptr;
    UINT Len = 0;
    ASSERT_TRUE(VerQueryValue(Data.constData(), QStringLiteral("\\"), &Buffer, &Len));
    EXPECT_EQ(Len, sizeof(VS_FIXEDFILEINFO));
    const auto* Info = static_cast<const VS_FIXEDFILEINFO*>(Buffer);
    EXPECT_EQ(Info->dwSignature, VS_FFI_SIGNATURE);
    EXPECT_EQ(Info->dwFileVersionMS, (5u << 16) | 82u);
    EXPECT_FALSE(VerQueryValue(Data.constData(), QStringLiteral("\\StringFileInfo"), &Buffer, &Len));
    EXPECT_EQ(GetFileVersionInfoSize(QStringLiteral("user32.dll"), nullptr), 0u);
    EXPECT_FALSE(GetFileVersionInfo(QStringLiteral("user32.dll"), 0, 64, Data.data()));
}

}  // namespace
