// Finding our window and control under a point of the screen.
#include "windows/Controls.h"

#include "windows/private/Window.h"

#include <QApplication>

using namespace WindowsInternal;

HWND WindowFromPoint(const TPoint& Point)
{
    HWND Wnd = WindowOfWidget(QApplication::widgetAt(QPoint(Point.X, Point.Y)));
    while (Wnd && !IsWindowEnabled(Wnd) && GetParent(Wnd)) Wnd = GetParent(Wnd);
    return Wnd;
}

TWinControl* FindVCLWindow(const TPoint& Pos)
{
    const QWidget* Widget = QApplication::widgetAt(QPoint(Pos.X, Pos.Y));
    return Widget ? FindControl(WindowOfWidget(Widget)) : nullptr;
}

TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled)
{
    TWinControl* Window = FindVCLWindow(Pos);
    if (!Window) return nullptr;
    if (TControl* Control = Window->ControlAtPos(Window->ScreenToClient(Pos), AllowDisabled)) return Control;
    return Window;
}
