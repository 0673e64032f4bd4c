// SetWindowPos and SystemParametersInfo: placing, ordering and showing windows, and the work area.
#include "windows/WinApi.h"

#include "windows/Controls.h"
#include "windows/Forms.h"
#include "windows/private/Window.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

using namespace WindowsInternal;

namespace {

// A top-level window stays above the others, or no longer. The window system hears of it in place:
// Qt would hide a shown window whose flags it sets. Pop-ups and hints stay above anyway.
void KeepOnTop(QWidget* Widget, bool Top)
{
    if (!Widget->isWindow() || Widget->windowType() == Qt::Popup || Widget->windowType() == Qt::ToolTip) return;
    Qt::WindowFlags Flags = Widget->windowFlags();
    if (Flags.testFlag(Qt::WindowStaysOnTopHint) == Top) return;
    Flags.setFlag(Qt::WindowStaysOnTopHint, Top);
    Widget->overrideWindowFlags(Flags);
    if (QWindow* Window = Widget->windowHandle()) Window->setFlags(Flags);
}

}  // namespace

bool SetWindowPos(HWND Wnd, HWND InsertAfter, int32_t X, int32_t Y, int32_t CX, int32_t CY, UINT Flags)
{
    TWindow* Window = FindWindow(Wnd);
    if (!Window) return false;
    TWinControl* Control = Window->Control;
    if (Control && (Flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) {
        if (Flags & SWP_NOMOVE) {
            X = Control->Left();
            Y = Control->Top();
        }
        if (Flags & SWP_NOSIZE) {
            CX = Control->Width();
            CY = Control->Height();
        }
        Control->SetBounds(X, Y, CX, CY);
    } else if (!Control && Window->Method && Window->Widget && !Window->Widget->isWindow() &&
               (Flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) {
        // A child window with a procedure of its own (a control's part): placed, then told its size.
        QWidget* Part = Window->Widget;
        Part->setGeometry(Flags & SWP_NOMOVE ? Part->x() : X, Flags & SWP_NOMOVE ? Part->y() : Y,
                          Flags & SWP_NOSIZE ? Part->width() : CX, Flags & SWP_NOSIZE ? Part->height() : CY);
        TMessage Sized{WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<uint16_t>(Part->width()), static_cast<uint16_t>(Part->height())), 0};
        Deliver(Wnd, Sized);
    }
    QWidget* Widget = WidgetOf(Wnd);
    if (!(Flags & SWP_NOZORDER) && Widget && (Window = FindWindow(Wnd))) {
        if (InsertAfter == HWND_TOPMOST) Window->ExStyle |= WS_EX_TOPMOST;
        else if (InsertAfter == HWND_NOTOPMOST) Window->ExStyle &= ~WS_EX_TOPMOST;
        if (InsertAfter == HWND_TOPMOST || InsertAfter == HWND_NOTOPMOST) KeepOnTop(Widget, InsertAfter == HWND_TOPMOST);
        // A top-level window's place among the desktop's windows is the window manager's.
        if (!Widget->isWindow()) {
            if (InsertAfter == HWND_BOTTOM) Widget->lower();
            else if (InsertAfter != HWND_NOTOPMOST) Widget->raise();
        }
    }
    if (Flags & SWP_HIDEWINDOW) ShowWindow(Wnd, SW_HIDE);
    else if (Flags & SWP_SHOWWINDOW) ShowWindow(Wnd, (Flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    else if (!(Flags & SWP_NOACTIVATE) && Widget && Widget->isWindow() && IsWindowVisible(Wnd) && GetActiveWindow() != Wnd)
        WindowsInternal::SetActiveWindow(Wnd);
    return true;
}

bool SystemParametersInfo(UINT Action, UINT, void* Value, UINT)
{
    if (!Value) return false;
    switch (Action) {
    case SPI_GETWORKAREA: *static_cast<TRect*>(Value) = Screen->WorkAreaRect(); return true;
    case SPI_GETWHEELSCROLLLINES:
        *static_cast<UINT*>(Value) = static_cast<UINT>(QGuiApplication::styleHints()->wheelScrollLines());
        return true;
    default: return false;
    }
}
