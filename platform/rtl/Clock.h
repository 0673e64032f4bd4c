// The clock behind GetTickCount, Sleep and the timers: a monotonic time source that tests replace.
#pragma once

#include <cstdint>

// The real clock is the default; tests install their own, the program never does.
class TClockService {
public:
    virtual ~TClockService() = default;
    // Milliseconds of a monotonic clock.
    virtual uint64_t Milliseconds() = 0;
    // Blocks the caller for Ms milliseconds without processing messages.
    virtual void Sleep(uint32_t Ms) = 0;

protected:
    // Tells the clock's watcher (the timers) that the time moved in another way than by waiting (a test clock).
    static void TimeChanged();
};
// Installs Clock (nil: the real clock) and returns the one it replaces. The caller keeps ownership.
TClockService* SetClockService(TClockService* Clock);
uint32_t GetTickCount();
uint64_t GetTickCount64();
void Sleep(uint32_t Ms);

// The one watcher of the clock: the layer that keeps timers on it (the window layer's message
// queue). It runs when the time changed or the clock was replaced; nil removes it.
void SetClockWatcher(void (*Watcher)());
