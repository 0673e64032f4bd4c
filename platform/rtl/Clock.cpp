// The real clock, the installed one and its watcher.
#include "Clock.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

class TRealClock : public TClockService {
public:
    TRealClock() { FTimer.start(); }
    uint64_t Milliseconds() override { return static_cast<uint64_t>(FTimer.elapsed()); }
    void Sleep(uint32_t Ms) override { QThread::msleep(Ms); }

private:
    QElapsedTimer FTimer;
};

TClockService& RealClock()
{
    static TRealClock Real;
    return Real;
}

TClockService*& CurrentClock()
{
    static TClockService* Current = &RealClock();
    return Current;
}

void (*&Watcher())()
{
    static void (*Current)() = nullptr;
    return Current;
}

void NotifyWatcher()
{
    if (Watcher()) Watcher()();
}

}  // namespace

void TClockService::TimeChanged()
{
    NotifyWatcher();
}

TClockService* SetClockService(TClockService* Clock)
{
    TClockService* Previous = CurrentClock();
    CurrentClock() = Clock ? Clock : &RealClock();
    NotifyWatcher();
    return Previous;
}

uint32_t GetTickCount()
{
    return static_cast<uint32_t>(CurrentClock()->Milliseconds());
}

uint64_t GetTickCount64()
{
    return CurrentClock()->Milliseconds();
}

void Sleep(uint32_t Ms)
{
    CurrentClock()->Sleep(Ms);
}

void SetClockWatcher(void (*Watcher_)())
{
    Watcher() = Watcher_;
}
