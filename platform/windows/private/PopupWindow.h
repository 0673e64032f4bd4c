// Pop-up windows (a drop-down's list): Qt pop-ups that hold the keyboard and close when the user
// clicks elsewhere; and the layer's own sizing of a window by its bottom-right corner.
#pragma once

#include "windows/WinApi.h"

#include <cstdint>

class QKeyEvent;
class QMouseEvent;
class QPoint;
class QWidget;

namespace WindowsInternal {

// A top-level window without caption, topmost and owned by another window, that can take input.
bool IsPopupWindow(uint32_t Style, uint32_t ExStyle, bool Owned);
// Widget, a Qt pop-up (which gets the keyboard and the mouse while shown): the click that closes
// it is not handed on, and the application's deactivation reaches it.
void MakePopupWindow(QWidget* Widget);
bool IsPopupWidget(const QWidget* Widget);

// A mouse event that reached pop-up Wnd. A press outside it is a click on another window: that
// window (when it is one of ours and takes input) is activated, else the pop-up is told it lost
// the activation (WM_ACTIVATE, WA_INACTIVE, nil); it closes itself. When it stays open, the click
// and what follows until the release go on to the window under the pointer. True when the event
// was handled so.
bool PopupMouseOutside(HWND Wnd, QMouseEvent* Event);
// The window a key that reached Wnd belongs to: the focused window when the keyboard's pop-up
// holds it but the focus is in another window (a dialog opened from inside the pop-up).
HWND PopupKeyTarget(HWND Wnd);

// WM_NCLBUTTONDOWN with a sizing hit code: the window follows the pointer (WM_SIZING, then the
// new bounds and WM_SIZE, at every step) until the button is released.
void BeginSizeTracking(HWND Wnd, LRESULT HitTest);
// A mouse event during the sizing; true when it was taken for it.
bool TrackSizing(QMouseEvent* Event);

}  // namespace WindowsInternal
