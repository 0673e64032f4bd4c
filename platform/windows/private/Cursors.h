// The Qt cursor behind a cursor handle, and the cursor a control's TCursor shows (platform-internal).
#pragma once

#include "windows/Controls.h"

#include <QCursor>

struct HCURSOR__ {
    QCursor Cursor;
};

namespace WindowsInternal {

// The cursor Screen has registered for Cursor, else the stock shape of that name.
QCursor CursorOf(TCursor Cursor);
// The window that WM_SETCURSOR was last sent to: SetCursor shows its cursor there.
void SetCursorWindow(HWND Wnd);

}  // namespace WindowsInternal
