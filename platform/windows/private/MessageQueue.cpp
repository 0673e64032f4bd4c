// Posted messages and timer ticks as Qt events to one queue object, delivered in order.
#include "windows/private/MessageQueue.h"

#include "windows/WinApi.h"
#include "windows/private/Window.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <limits>

namespace WindowsInternal {
namespace {

const QEvent::Type PostedMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
const QEvent::Type TimerTickEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class TPostedMessage : public QEvent {
public:
    TPostedMessage(QEvent::Type Type, HWND Wnd, const TMessage& Message) : QEvent(Type), Wnd(Wnd), Message(Message) {}
    HWND Wnd;
    TMessage Message;
};

}  // namespace

TMessageQueue& TMessageQueue::Instance()
{
    // Never destroyed: windows may still post while the program shuts down.
    static TMessageQueue* Queue = new TMessageQueue;
    return *Queue;
}

TMessageQueue::TMessageQueue()
{
    FWake.setSingleShot(true);
    FWake.setTimerType(Qt::PreciseTimer);
    connect(&FWake, &QTimer::timeout, this, [this] { CheckTimers(); });
    SetClockWatcher([] { Instance().CheckTimers(); });
}

void TMessageQueue::Post(HWND Wnd, const TMessage& Message)
{
    ++FPending;
    QCoreApplication::postEvent(this, new TPostedMessage(PostedMessageEvent, Wnd, Message));
}

void TMessageQueue::SetTimer(HWND Wnd, UINT_PTR Id, UINT Elapse)
{
    TTimer& Timer = FTimers[{Wnd, Id}];
    Timer.Interval = Elapse;
    Timer.Due = GetTickCount64() + Elapse;
    CheckTimers();
}

bool TMessageQueue::KillTimer(HWND Wnd, UINT_PTR Id)
{
    const bool Found = FTimers.erase({Wnd, Id}) > 0;
    CheckTimers();
    return Found;
}

void TMessageQueue::CheckTimers()
{
    const uint64_t Now = GetTickCount64();
    uint64_t Next = std::numeric_limits<uint64_t>::max();
    for (auto& [Key, Timer] : FTimers) {
        if (Timer.Queued) continue;
        if (Timer.Due <= Now) {
            Timer.Queued = true;
            Timer.Due = Now + Timer.Interval;
            // Low priority: like WM_TIMER, a tick comes after the messages already waiting.
            QCoreApplication::postEvent(this, new TPostedMessage(TimerTickEvent, Key.first, TMessage{WM_TIMER, Key.second, 0, 0}),
                                        Qt::LowEventPriority);
        } else {
            Next = std::min(Next, Timer.Due);
        }
    }
    if (Next == std::numeric_limits<uint64_t>::max()) FWake.stop();
    else FWake.start(static_cast<int>(std::min<uint64_t>(Next - Now, std::numeric_limits<int>::max())));
}

void TMessageQueue::NoteInvalidation(HWND Wnd, bool Erase)
{
    // A region invalidated with erasing erases the whole paint; only invalidations without it skip it.
    auto Found = FSkipErase.find(Wnd);
    if (Found == FSkipErase.end()) FSkipErase.insert(Wnd, !Erase);
    else if (Erase) *Found = false;
}

bool TMessageQueue::TakeErase(HWND Wnd)
{
    return !FSkipErase.take(Wnd);
}

void TMessageQueue::ForgetWindow(HWND Wnd)
{
    std::erase_if(FTimers, [Wnd](const auto& Entry) { return Entry.first.first == Wnd; });
    FSkipErase.remove(Wnd);
}

bool TMessageQueue::event(QEvent* Event)
{
    if (Event->type() == PostedMessageEvent) {
        --FPending;
        auto* Posted = static_cast<TPostedMessage*>(Event);
        const UINT Msg = Posted->Message.Msg;
        // Key messages go through the steps of the message loop, as input does.
        if (Msg >= WM_KEYFIRST && Msg <= WM_KEYLAST) {
            if (IsWindow(Posted->Wnd)) PumpKeyMessage(Posted->Wnd, Posted->Message);
        } else {
            DeliverQueued(Posted->Wnd, Msg, Posted->Message.WParam, Posted->Message.LParam);
        }
        return true;
    }
    if (Event->type() == TimerTickEvent) {
        auto* Tick = static_cast<TPostedMessage*>(Event);
        auto Found = FTimers.find({Tick->Wnd, Tick->Message.WParam});
        // A timer killed since the tick was queued takes its tick with it.
        if (Found == FTimers.end() || !Found->second.Queued) return true;
        Found->second.Queued = false;
        DeliverQueued(Tick->Wnd, WM_TIMER, Tick->Message.WParam, 0);
        CheckTimers();
        return true;
    }
    return QObject::event(Event);
}

}  // namespace WindowsInternal
