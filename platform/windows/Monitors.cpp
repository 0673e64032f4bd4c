// TScreen's displays: the monitors, the one nearest a point and the work areas, from Qt's screens.
#include "windows/Forms.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <climits>

namespace {

TRect RectOf(const QRect& Rect)
{
    return Bounds(Rect.x(), Rect.y(), Rect.width(), Rect.height());
}

// How far Point lies outside Rect, squared; 0 inside.
int64_t DistanceSquared(const TRect& Rect, const TPoint& Point)
{
    const int64_t DX = Point.X < Rect.Left ? Rect.Left - Point.X : (Point.X >= Rect.Right ? Point.X - Rect.Right + 1 : 0);
    const int64_t DY = Point.Y < Rect.Top ? Rect.Top - Point.Y : (Point.Y >= Rect.Bottom ? Point.Y - Rect.Bottom + 1 : 0);
    return DX * DX + DY * DY;
}

}  // namespace

void TScreen::UpdateMonitors()
{
    FMonitors.clear();
    const QScreen* Primary = QGuiApplication::primaryScreen();
    int32_t Number = 0;
    for (const QScreen* Display : QGuiApplication::screens())
        FMonitors.push_back(std::make_unique<TMonitor>(Number++, RectOf(Display->geometry()), RectOf(Display->availableGeometry()),
                                                       Display == Primary));
}

int32_t TScreen::MonitorCount()
{
    UpdateMonitors();
    return static_cast<int32_t>(FMonitors.size());
}

TMonitor* TScreen::Monitors(int32_t Index)
{
    if (Index < 0 || Index >= static_cast<int32_t>(FMonitors.size())) UpdateMonitors();
    if (Index < 0 || Index >= static_cast<int32_t>(FMonitors.size())) return nullptr;
    return FMonitors[static_cast<size_t>(Index)].get();
}

TMonitor* TScreen::PrimaryMonitor()
{
    UpdateMonitors();
    for (const auto& Monitor : FMonitors)
        if (Monitor->Primary()) return Monitor.get();
    return FMonitors.empty() ? nullptr : FMonitors.front().get();
}

TMonitor* TScreen::MonitorFromPoint(const TPoint& Point, TMonitorDefaultTo MonitorDefault)
{
    UpdateMonitors();
    TMonitor* Nearest = nullptr;
    int64_t Best = INT64_MAX;
    for (const auto& Monitor : FMonitors) {
        const int64_t Distance = DistanceSquared(Monitor->BoundsRect(), Point);
        if (Distance == 0) return Monitor.get();
        if (Distance < Best) {
            Best = Distance;
            Nearest = Monitor.get();
        }
    }
    switch (MonitorDefault) {
    case mdNearest: return Nearest;
    case mdPrimary: return PrimaryMonitor();
    default: return nullptr;
    }
}

TRect TScreen::WorkAreaRect()
{
    const TMonitor* Primary = PrimaryMonitor();
    return Primary ? Primary->WorkareaRect() : Rect(0, 0, Width(), Height());
}
