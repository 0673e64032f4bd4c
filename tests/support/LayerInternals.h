// What tests reach inside the platform layer without its private headers: canvases bound to Qt
// images and painters, a picture's pixels, the widgets behind windows, the modal window, window
// overlays, the key table, held paints and cursors.
#pragma once

#include "windows/WinApi.h"

#include <QCursor>
#include <QImage>
#include <QMargins>
#include <QPoint>

class QPainter;
class QWidget;
class TBitmap;
class TCanvas;
class TGraphic;

// The layer's own functions (graphics/private/Surfaces.h), declared here for the tests.
// Canvas draws into Image from now on; nullptr unbinds.
void BindImage(TCanvas& Canvas, QImage* Image);
// Canvas draws through Painter; nullptr unbinds.
void BindPainter(TCanvas& Canvas, QPainter* Painter);
// The canvas's active painter; nullptr when it has no surface.
QPainter* PainterOf(TCanvas& Canvas);
// The picture's pixels at its own size.
QImage ImageOf(TGraphic& Graphic);
// Bitmap takes Image's size and pixels.
void AssignImage(TBitmap& Bitmap, const QImage& Image);

// The Qt widget behind a window; nullptr for a dead handle.
QWidget* WidgetOf(HWND Wnd);
// The innermost modal window (form, message box or file dialog); nullptr when none runs.
QWidget* ModalWidget();
// The frame a window of these styles draws around its client area.
QMargins NonClientMargins(uint32_t Style, uint32_t ExStyle, bool TopLevel);
// What was drawn on the window's overlay (GetDC / GetWindowDC); a null image when it has none.
QImage OverlayPixels(HWND Wnd);
// A layered window's picture from UpdateLayeredWindow (premultiplied alpha); a null image when it
// has none.
QImage LayeredPixels(HWND Wnd);
// Records a key or mouse button as held or released in the key table behind GetKeyState.
void SetKeyDown(int32_t VirtKey, bool Down);
// While held, windows paint nothing: what they invalidate waits (GetUpdateRect), and is painted
// once the hold is released.
void HoldPaints(bool Hold);
struct TPaintHold {
    TPaintHold() { HoldPaints(true); }
    ~TPaintHold() { HoldPaints(false); }
    TPaintHold(const TPaintHold&) = delete;
    TPaintHold& operator=(const TPaintHold&) = delete;
};
// The Qt cursor behind a cursor handle.
QCursor QtCursor(HCURSOR Cursor);
// The layer's reader of cursor files (graphics/private/CursorFile.h): the image, and its hot spot.
QImage ReadCursorFile(const QByteArray& Data, QPoint& HotSpot);
