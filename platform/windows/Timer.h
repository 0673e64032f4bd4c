// TTimer: a component that fires OnTimer every Interval milliseconds while enabled.
#pragma once

#include "rtl/Component.h"
#include "windows/WinApi.h"

#include <cstdint>
#include <functional>

// Runs on WM_TIMER of a hidden window of its own, so ticks come through the message queue like
// every other message, and follow the clock service.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    // Enabling starts a new countdown; setting the current value changes nothing.
    void SetEnabled(bool Value);
    uint32_t Interval() const { return FInterval; }
    // A new interval starts a new countdown when enabled; 0 stops the timer.
    void SetInterval(uint32_t Value);

    // Fired at each tick; the timer runs while Enabled and Interval is not 0, with or without it.
    std::function<void(TObject* Sender)> OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    void WndProc(TMessage& Message);

    bool FEnabled = true;
    uint32_t FInterval = 1000;
    HWND FWindowHandle = nullptr;
};
