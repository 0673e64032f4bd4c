// Window-procedure hooks of the user-interface thread (WH_CALLWNDPROC) and the placement data
// a window gets before and after it moves or changes size.
#pragma once

#include "windows/Messages.h"

#include <cstdint>

struct HHOOK__;
using HHOOK = HHOOK__*;
using HOOKPROC = LRESULT (*)(int32_t Code, WPARAM WParam, LPARAM LParam);

enum : int32_t { WH_CALLWNDPROC = 4, HC_ACTION = 0 };

// What a WH_CALLWNDPROC hook gets at LParam: the message about to reach the window procedure.
struct CWPSTRUCT {
    LPARAM lParam = 0;
    WPARAM wParam = 0;
    UINT message = 0;
    HWND hwnd = nullptr;
};

// WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED carry one at LParam: the window's new place
// (parent client coordinates for a child, screen coordinates for a top-level window). The bounds
// are taken as the message left them once WM_WINDOWPOSCHANGING returns.
struct WINDOWPOS {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int32_t x = 0;
    int32_t y = 0;
    int32_t cx = 0;
    int32_t cy = 0;
    UINT flags = 0;
};

// Installs Proc for the messages sent to the windows of the user-interface thread (ThreadId 0 or
// that thread's id); the hook installed last runs first. Only WH_CALLWNDPROC is kept; any other
// kind, a nil procedure or another thread gives nil.
HHOOK SetWindowsHookEx(int32_t IdHook, HOOKPROC Proc, uintptr_t Module, uint32_t ThreadId);
// Runs the next hook of the chain that is running (Hook itself is not needed); 0 when there is none.
LRESULT CallNextHookEx(HHOOK Hook, int32_t Code, WPARAM WParam, LPARAM LParam);
// False for a hook that is not installed.
bool UnhookWindowsHookEx(HHOOK Hook);
uint32_t GetCurrentThreadId();

namespace WindowsInternal {
// Shows a sent message to the hooks before its window procedure runs.
void RunCallWndProcHooks(HWND Wnd, const TMessage& Message);
}  // namespace WindowsInternal
