// The queue behind PostMessage and SetTimer: posted messages and timer ticks travel through Qt's event queue.
#pragma once

#include "windows/Messages.h"

#include <QHash>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <map>
#include <utility>

namespace WindowsInternal {

class TMessageQueue : public QObject {
public:
    static TMessageQueue& Instance();

    void Post(HWND Wnd, const TMessage& Message);
    // Posted messages not yet delivered (timer ticks not counted).
    int32_t Pending() const { return FPending; }

    void SetTimer(HWND Wnd, UINT_PTR Id, UINT Elapse);
    bool KillTimer(HWND Wnd, UINT_PTR Id);
    // Queues a WM_TIMER for each timer that is due and waits for the next; it also runs whenever
    // the clock (rtl/Clock) was replaced or moved.
    void CheckTimers();

    // Records whether the next paint of Wnd must erase the background first.
    void NoteInvalidation(HWND Wnd, bool Erase);
    // Whether the paint now starting erases; paints we did not ask for always do.
    bool TakeErase(HWND Wnd);

    void ForgetWindow(HWND Wnd);

protected:
    bool event(QEvent* Event) override;

private:
    TMessageQueue();

    struct TTimer {
        UINT Interval = 0;
        uint64_t Due = 0;
        // A WM_TIMER of this timer waits in the queue: later expirations merge into it.
        bool Queued = false;
    };
    using TTimerKey = std::pair<HWND, UINT_PTR>;

    std::map<TTimerKey, TTimer> FTimers;
    QTimer FWake;
    int32_t FPending = 0;
    QHash<HWND, bool> FSkipErase;
};

}  // namespace WindowsInternal
