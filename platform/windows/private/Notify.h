// Notifications other than WM_COMMAND that a stock control sends its parent window, which hands them back as CN_ messages.
#pragma once

#include "windows/Controls.h"

namespace WindowsInternal {

// Sends Msg (WM_NOTIFY, WM_HSCROLL, WM_VSCROLL) to Control's parent window as the control's window
// notifies its parent (TWinControl::NotifyParent does it for WM_COMMAND); the parent's
// DoControlMsg returns it to the control as CN_BASE + Msg. Nothing without both windows: the
// toolkit's controls only notify from a window, so changes made by code before then fire no events.
inline LRESULT SendToParent(TWinControl* Control, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TWinControl* Parent = Control->Parent();
    if (!Control->HandleAllocated() || !Parent || !Parent->HandleAllocated()) return 0;
    return Parent->Perform(Msg, WParam, LParam);
}

}  // namespace WindowsInternal
