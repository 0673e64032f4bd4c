// The transparent layer GetDC and GetWindowDC draw on, and its part in a window's paint cycle.
#include "windows/private/WindowOverlay.h"

#include "windows/WinApi.h"
#include "windows/private/Window.h"

#include <QPaintEvent>
#include <QPainter>
#include <QHash>

namespace WindowsInternal {
namespace {

QHash<HWND, int32_t>& PaintDepths()
{
    static QHash<HWND, int32_t> Instance;
    return Instance;
}

}  // namespace

bool WindowPaintingNow(HWND Wnd)
{
    return PaintDepths().value(Wnd) > 0;
}

TWindowOverlay::TWindowOverlay(QWidget* Window) : QWidget(Window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    FitWindow();
    // Above the window's own parts, below its child windows.
    raise();
    const HWND Own = WindowOfWidget(Window);
    for (QObject* Child : Window->children()) {
        auto* ChildWidget = qobject_cast<QWidget*>(Child);
        if (ChildWidget && ChildWidget != this && WindowOfWidget(ChildWidget) != Own) ChildWidget->raise();
    }
    show();
}

void TWindowOverlay::FitWindow()
{
    const QSize Size = parentWidget()->size().expandedTo(QSize(1, 1));
    if (geometry() != QRect(QPoint(), Size)) setGeometry(QRect(QPoint(), Size));
    if (FPixels.size() != Size) {
        QImage Resized(Size, QImage::Format_ARGB32_Premultiplied);
        Resized.fill(Qt::transparent);
        if (!FPixels.isNull()) {
            QPainter Copy(&Resized);
            Copy.drawImage(0, 0, FPixels);
        }
        FPixels = Resized;
    }
}

QImage& TWindowOverlay::Pixels()
{
    FitWindow();
    return FPixels;
}

void TWindowOverlay::Drawn(const QRect& Area)
{
    if (WindowPaintingNow(WindowOfWidget(parentWidget()))) return;
    FOwnUpdate += Area;
    update(Area);
}

void TWindowOverlay::WindowPainting(const QRegion& Area)
{
    FitWindow();
    const QRegion Replaced = Area - FOwnUpdate;
    if (Replaced.isEmpty()) return;
    QPainter Clear(&FPixels);
    Clear.setCompositionMode(QPainter::CompositionMode_Clear);
    for (const QRect& Part : Replaced) Clear.fillRect(Part, Qt::transparent);
}

void TWindowOverlay::paintEvent(QPaintEvent* Event)
{
    FOwnUpdate -= Event->region();
    QPainter Painter(this);
    Painter.setClipRegion(Event->region());
    Painter.drawImage(0, 0, FPixels);
}

TWindowOverlay* OverlayOf(HWND Wnd, bool Create)
{
    QWidget* Widget = WidgetOf(Wnd);
    if (!Widget) return nullptr;
    for (QObject* Child : Widget->children())
        if (auto* Found = dynamic_cast<TWindowOverlay*>(Child)) return Found;
    return Create ? new TWindowOverlay(Widget) : nullptr;
}

TOverlayPaint::TOverlayPaint(HWND Wnd, QWidget* Painted, const QRegion& Region, bool SendNCPaint)
    : FWnd(Wnd), FSendNCPaint(SendNCPaint)
{
    ++PaintDepths()[Wnd];
    TWindowOverlay* Overlay = OverlayOf(Wnd, false);
    if (!Overlay) return;
    const QWidget* Window = Overlay->parentWidget();
    Overlay->WindowPainting(Painted == Window ? Region : Region.translated(Painted->mapTo(Window, QPoint())));
}

TOverlayPaint::~TOverlayPaint()
{
    if (FSendNCPaint && IsWindow(FWnd)) SendMessage(FWnd, WM_NCPAINT, 0, 0);
    if (--PaintDepths()[FWnd] <= 0) PaintDepths().remove(FWnd);
}

}  // namespace WindowsInternal
