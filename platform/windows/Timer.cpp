// TTimer over SetTimer on a hidden window.
#include "windows/Timer.h"

#include "windows/Forms.h"

namespace {
constexpr UINT_PTR TimerId = 1;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), FWindowHandle(AllocateHWnd([this](TMessage& Message) { WndProc(Message); }))
{
    UpdateTimer();
}

TTimer::~TTimer()
{
    DeallocateHWnd(FWindowHandle);
}

void TTimer::SetEnabled(bool Value)
{
    if (FEnabled == Value) return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(uint32_t Value)
{
    if (FInterval == Value) return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    KillTimer(FWindowHandle, TimerId);
    if (FEnabled && FInterval != 0) SetTimer(FWindowHandle, TimerId, FInterval);
}

void TTimer::WndProc(TMessage& Message)
{
    if (Message.Msg != WM_TIMER) return;
    try {
        Timer();
    } catch (...) {
        Application->HandleException(this);
    }
}

void TTimer::Timer()
{
    if (OnTimer) OnTimer(this);
}
