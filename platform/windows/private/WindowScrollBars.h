// The window's own scroll bars: Qt bars in the non-client strip along the right and bottom edges (platform-internal).
#pragma once

#include "windows/WinApi.h"

#include <QMargins>

class QScrollBar;

namespace WindowsInternal {

// The room the shown bars take from the client area (right and bottom); none for a wrapped Qt widget,
// which has scroll bars of its own.
QMargins ScrollBarMargins(HWND Wnd);
// Places the bars after the window's size or border changed.
void LayoutScrollBars(HWND Wnd);
// Forgets what was kept for the window.
void ForgetScrollBars(HWND Wnd);
// The Qt bar of SB_HORZ or SB_VERT; nil while the window has none.
QScrollBar* ScrollBarWidget(HWND Wnd, int32_t Bar);

}  // namespace WindowsInternal
