// Qt pop-ups for captionless owned topmost windows: clicks outside, keys, application deactivation; sizing by the corner.
#include "windows/private/PopupWindow.h"

#include "windows/Controls.h"
#include "windows/private/Window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace WindowsInternal {
namespace {

// Where the events of a click that a pop-up did not close go until the button is released.
QPointer<QWidget>& ForwardTarget()
{
    static QPointer<QWidget> Instance;
    return Instance;
}

struct TSizeTracking {
    HWND Wnd = nullptr;
    LRESULT HitTest = HTNOWHERE;
    QPoint Start;
    TRect StartBounds;
};

TSizeTracking& Tracking()
{
    static TSizeTracking Instance;
    return Instance;
}

HWND TopLevelOf(HWND Wnd)
{
    for (HWND Up = GetParent(Wnd); Up; Up = GetParent(Up)) Wnd = Up;
    return Wnd;
}

// The top-level window of ours under Global, the pop-up left out; its owner first.
QWidget* WindowAt(const QPoint& Global, const QWidget* Popup, HWND Owner)
{
    QWidget* Found = nullptr;
    for (QWidget* Top : QApplication::topLevelWidgets()) {
        if (Top == Popup || !Top->isVisible() || !Top->frameGeometry().contains(Global) || !WindowOfWidget(Top)) continue;
        if (WindowOfWidget(Top) == Owner) return Top;
        if (!Found) Found = Top;
    }
    return Found;
}

void Forward(QWidget* Target, QMouseEvent* Event)
{
    const QPoint Global = Event->globalPosition().toPoint();
    QWidget* Receiver = Target->childAt(Target->mapFromGlobal(Global));
    if (!Receiver) Receiver = Target;
    QMouseEvent Copy(Event->type(), Receiver->mapFromGlobal(Global), Event->scenePosition(), Event->globalPosition(),
                     Event->button(), Event->buttons(), Event->modifiers(), Event->pointingDevice());
    QCoreApplication::sendEvent(Receiver, &Copy);
}

// The application lost the keyboard while a pop-up of ours held it: Qt tells no window then.
void WatchApplicationState()
{
    static bool Watching = false;
    if (Watching) return;
    Watching = true;
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, qApp, [](Qt::ApplicationState State) {
        if (State == Qt::ApplicationActive) return;
        const QWidget* Active = WidgetOf(GetActiveWindow());
        if (Active && IsPopupWidget(Active)) Guarded(FindControl(GetActiveWindow()), [] { DeactivateApplication(); });
    });
}

}  // namespace

bool IsPopupWindow(uint32_t Style, uint32_t ExStyle, bool Owned)
{
    return Owned && (Style & WS_POPUP) && !(Style & (WS_CHILD | WS_CAPTION | WS_DISABLED)) && (ExStyle & WS_EX_TOPMOST) &&
           !(ExStyle & WS_EX_TOOLWINDOW);
}

void MakePopupWindow(QWidget* Widget)
{
    Widget->setAttribute(Qt::WA_NoMouseReplay);
    WatchApplicationState();
}

bool IsPopupWidget(const QWidget* Widget)
{
    return Widget && Widget->isWindow() && Widget->windowType() == Qt::Popup && WindowOfWidget(Widget);
}

bool PopupMouseOutside(HWND Wnd, QMouseEvent* Event)
{
    QWidget* Popup = WidgetOf(Wnd);
    if (!IsPopupWidget(Popup)) return false;
    const QPoint Global = Event->globalPosition().toPoint();
    const bool Press = Event->type() == QEvent::MouseButtonPress || Event->type() == QEvent::MouseButtonDblClick;
    if (Popup->frameGeometry().contains(Global)) {
        if (Press) ForwardTarget() = nullptr;
        return false;
    }
    if (!Press) {
        QWidget* Target = ForwardTarget();
        if (!Target) return false;
        Forward(Target, Event);
        if (Event->type() == QEvent::MouseButtonRelease && Event->buttons() == Qt::NoButton) ForwardTarget() = nullptr;
        return true;
    }
    const TWindow* Window = FindWindow(Wnd);
    QWidget* Under = WindowAt(Global, Popup, Window ? Window->Owner : nullptr);
    const HWND UnderWnd = Under ? TopLevelOf(WindowOfWidget(Under)) : nullptr;
    const QPointer<QWidget> Guard(Popup);
    if (UnderWnd && IsWindowEnabled(UnderWnd)) Guarded(FindControl(Wnd), [UnderWnd] { SetActiveWindow(UnderWnd); });
    else SendMessage(Wnd, WM_ACTIVATE, WA_INACTIVE, 0);
    // A pop-up that stays open passes the click on.
    if (Guard && Popup->isVisible() && Under && UnderWnd && IsWindowEnabled(UnderWnd)) {
        ForwardTarget() = Under;
        Forward(Under, Event);
    }
    return true;
}

HWND PopupKeyTarget(HWND Wnd)
{
    const QWidget* Widget = WidgetOf(Wnd);
    const HWND Focused = GetFocus();
    if (!Widget || !Focused || !IsPopupWidget(Widget->window())) return Wnd;
    return TopLevelOf(Focused) == TopLevelOf(Wnd) ? Wnd : Focused;
}

// ---- Sizing by the corner ----

void BeginSizeTracking(HWND Wnd, LRESULT HitTest)
{
    TWinControl* Control = FindControl(Wnd);
    if (!Control || HitTest != HTBOTTOMRIGHT) return;
    TPoint Cursor;
    GetCursorPos(Cursor);
    Tracking() = {Wnd, HitTest, QPoint(Cursor.X, Cursor.Y), Control->BoundsRect()};
    SendMessage(Wnd, WM_ENTERSIZEMOVE, 0, 0);
}

bool TrackSizing(QMouseEvent* Event)
{
    TSizeTracking& State = Tracking();
    if (!State.Wnd) return false;
    TWinControl* Control = FindControl(State.Wnd);
    if (!Control) {
        State = {};
        return false;
    }
    const QPoint Global = Event->globalPosition().toPoint();
    SetCursorPos(Global);
    SyncButtons(Event->buttons());
    if (Event->type() == QEvent::MouseMove || Event->type() == QEvent::MouseButtonRelease) {
        const QPoint Delta = Global - State.Start;
        TRect Rect = State.StartBounds;
        Rect.Right += Delta.x();
        Rect.Bottom += Delta.y();
        constexpr WPARAM WMSZ_BOTTOMRIGHT = 8;
        SendMessage(State.Wnd, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&Rect));
        if ((Control = FindControl(State.Wnd))) Control->SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    }
    if (Event->type() == QEvent::MouseButtonRelease) {
        const HWND Wnd = State.Wnd;
        State = {};
        SendMessage(Wnd, WM_EXITSIZEMOVE, 0, 0);
    }
    return true;
}

}  // namespace WindowsInternal
