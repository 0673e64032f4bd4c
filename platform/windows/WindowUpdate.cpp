// What waits to be painted: invalidation, the update region, the redraw switch (WM_SETREDRAW) and painting now.
#include "windows/WinApi.h"

#include "windows/private/MessageQueue.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <QCoreApplication>

using namespace WindowsInternal;

namespace {

bool& Held()
{
    static bool Instance = false;
    return Instance;
}

// The area of the window's widget that shows client Area.
QRect WidgetArea(HWND Wnd, const QRect& Area)
{
    const TWindowHook* Hook = HookOf(Wnd);
    return Hook ? Area.translated(Hook->ClientMargins().left(), Hook->ClientMargins().top()) : Area;
}

}  // namespace

bool InvalidateRect(HWND Wnd, const TRect* Rect, bool Erase)
{
    TWindow* Window = FindWindow(Wnd);
    QWidget* Widget = Window ? Window->Widget.data() : nullptr;
    if (!Widget) return false;
    if (Window->NoRedraw) return true;
    // The update region lies within the client area.
    TRect Client;
    GetClientRect(Wnd, Client);
    if (Rect) IntersectRect(Client, Client, *Rect);
    if (!IsRectEmpty(Client)) Window->Update += QRect(Client.Left, Client.Top, Client.Width(), Client.Height());
    TMessageQueue::Instance().NoteInvalidation(Wnd, Erase);
    if (Rect)
        Widget->update(WidgetArea(Wnd, QRect(Rect->Left, Rect->Top, Rect->Width(), Rect->Height())));
    else
        Widget->update();
    return true;
}

bool GetUpdateRect(HWND Wnd, TRect& Rect)
{
    const TWindow* Window = FindWindow(Wnd);
    const QRect Bounds = Window ? Window->Update.boundingRect() : QRect();
    Rect = Bounds.isEmpty() ? TRect{} : TRect{Bounds.left(), Bounds.top(), Bounds.right() + 1, Bounds.bottom() + 1};
    return !Bounds.isEmpty();
}

bool UpdateWindow(HWND Wnd)
{
    QWidget* Widget = WidgetOf(Wnd);
    if (!Widget) return false;
    QCoreApplication::sendPostedEvents(Widget->window(), QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(Widget->window(), QEvent::UpdateLater);
    return true;
}

bool RedrawWindow(HWND Wnd, const TRect* Update, void*, UINT Flags)
{
    if (!IsWindow(Wnd)) return false;
    if (Flags & RDW_INVALIDATE) InvalidateRect(Wnd, Update, Flags & RDW_ERASE);
    if (Flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateWindow(Wnd);
    return true;
}

namespace WindowsInternal {

void SetRedraw(HWND Wnd, bool Redraw)
{
    TWindow* Window = FindWindow(Wnd);
    if (!Window) return;
    Window->NoRedraw = !Redraw;
    if (!Redraw) Window->Update = QRegion();
    // A wrapped Qt widget paints by itself: it stops, and on again repaints whole, as stock controls do.
    if (const TWindowHook* Hook = HookOf(Wnd); Hook && Hook->Native() && Window->Widget)
        Window->Widget->setUpdatesEnabled(Redraw);
}

bool PaintsHeld()
{
    return Held();
}

void HoldPaints(bool Hold)
{
    Held() = Hold;
    if (Hold) return;
    ForEachWindow([](TWindow& Window) {
        if (Window.Widget && !Window.Update.isEmpty())
            for (const QRect& Area : Window.Update) Window.Widget->update(WidgetArea(Window.Handle, Area));
    });
}

}  // namespace WindowsInternal
