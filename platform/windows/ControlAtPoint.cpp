// Finding our window and control under a point of the screen.
#include "windows/Controls.h"

#include "windows/private/Window.h"

#include <QApplication>
#include <QWidget>

using namespace WindowsInternal;

namespace {

bool ShowsAt(const QWidget* Top, const QPoint& Global)
{
    if (!Top->isVisible() || !Top->geometry().contains(Global)) return false;
    return Top->mask().isEmpty() || Top->mask().contains(Top->mapFromGlobal(Global));
}

// The widget under a point of the screen. A top-level window shaped by a region (a mask) lets the
// point through to the windows below it outside its shape.
QWidget* WidgetAtPoint(const QPoint& Global)
{
    QWidget* Found = QApplication::widgetAt(Global);
    if (!Found || ShowsAt(Found->window(), Global)) return Found;
    const QWidget* Rejected = Found->window();
    QWidget* Best = nullptr;
    int BestRank = -1;
    for (QWidget* Top : QApplication::topLevelWidgets()) {
        if (Top == Rejected || !ShowsAt(Top, Global)) continue;
        // Windows kept on top first, then the active one.
        const int Rank = (Top->windowFlags() & Qt::WindowStaysOnTopHint ? 2 : 0) + (Top->isActiveWindow() ? 1 : 0);
        if (Rank > BestRank) {
            Best = Top;
            BestRank = Rank;
        }
    }
    if (!Best) return nullptr;
    QWidget* Child = Best->childAt(Best->mapFromGlobal(Global));
    return Child ? Child : Best;
}

}  // namespace

HWND WindowFromPoint(const TPoint& Point)
{
    HWND Wnd = WindowOfWidget(WidgetAtPoint(QPoint(Point.X, Point.Y)));
    while (Wnd && !IsWindowEnabled(Wnd) && GetParent(Wnd)) Wnd = GetParent(Wnd);
    return Wnd;
}

TWinControl* FindVCLWindow(const TPoint& Pos)
{
    const QWidget* Widget = WidgetAtPoint(QPoint(Pos.X, Pos.Y));
    return Widget ? FindControl(WindowOfWidget(Widget)) : nullptr;
}

TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled)
{
    TWinControl* Window = FindVCLWindow(Pos);
    if (!Window) return nullptr;
    if (TControl* Control = Window->ControlAtPos(Window->ScreenToClient(Pos), AllowDisabled)) return Control;
    return Window;
}
