// The layer's internals for tests, through its private headers (the canvas and picture functions
// are the layer's own, declared again in the header).
#include "support/LayerInternals.h"

#include "graphics/private/CursorFile.h"
#include "graphics/private/Surfaces.h"
#include "windows/private/Cursors.h"
#include "windows/private/Window.h"
#include "windows/private/WindowOverlay.h"
#include "windows/private/WindowWidget.h"

QWidget* WidgetOf(HWND Wnd)
{
    return WindowsInternal::WidgetOf(Wnd);
}

QWidget* ModalWidget()
{
    return WindowsInternal::ModalWidget();
}

QMargins NonClientMargins(uint32_t Style, uint32_t ExStyle, bool TopLevel)
{
    return WindowsInternal::NonClientMargins(Style, ExStyle, TopLevel);
}

QImage OverlayPixels(HWND Wnd)
{
    WindowsInternal::TWindowOverlay* Overlay = WindowsInternal::OverlayOf(Wnd, false);
    return Overlay ? Overlay->Pixels() : QImage();
}

QImage LayeredPixels(HWND Wnd)
{
    const WindowsInternal::TWindow* Window = WindowsInternal::FindWindow(Wnd);
    return Window ? Window->Layered : QImage();
}

void SetKeyDown(int32_t VirtKey, bool Down)
{
    WindowsInternal::SetKeyDown(VirtKey, Down);
}

void HoldPaints(bool Hold)
{
    WindowsInternal::HoldPaints(Hold);
}

QCursor QtCursor(HCURSOR Cursor)
{
    return Cursor->Cursor;
}
