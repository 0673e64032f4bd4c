// What is drawn on a window through GetDC and GetWindowDC: a transparent layer over the window.
#pragma once

#include "windows/Messages.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

namespace WindowsInternal {

// Lies over the whole window (a child window's frame ring included), above the window's own parts
// and below its child windows, and lets the mouse through. Its pixels stay until the window
// paints the same place again; drawing made outside a paint cycle shows at once.
class TWindowOverlay : public QWidget {
public:
    explicit TWindowOverlay(QWidget* Window);

    // The pixels, sized to the window.
    QImage& Pixels();
    // Shows what was drawn: at once outside a paint cycle; inside one the overlay paints with it.
    void Drawn(const QRect& Area);
    // A paint of the window covering Area (widget coordinates) replaces what was drawn there, except
    // where the overlay itself asked for the paint.
    void WindowPainting(const QRegion& Area);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    void FitWindow();

    QImage FPixels;
    // Where the overlay asked for a repaint of its own, not yet done.
    QRegion FOwnUpdate;
};

// The overlay of Wnd, made when Create and missing; nil for a window without a widget.
TWindowOverlay* OverlayOf(HWND Wnd, bool Create);
// True while a paint event of Wnd runs.
bool WindowPaintingNow(HWND Wnd);

// For the length of one paint event of Wnd's widget (or of a part of it): the overlay forgets what
// the paint covers; afterwards a window that draws no frame of ours (a wrapped Qt widget, or one
// without a border) gets WM_NCPAINT without a context, so that it can draw its frame through
// GetWindowDC.
class TOverlayPaint {
public:
    TOverlayPaint(HWND Wnd, QWidget* Painted, const QRegion& Region, bool SendNCPaint);
    ~TOverlayPaint();
    TOverlayPaint(const TOverlayPaint&) = delete;
    TOverlayPaint& operator=(const TOverlayPaint&) = delete;

private:
    HWND FWnd;
    bool FSendNCPaint;
};

}  // namespace WindowsInternal
