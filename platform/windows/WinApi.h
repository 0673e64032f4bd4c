// The Win32-style window functions: handles, sent and posted messages, timers, focus, capture and key state (the clock is rtl/Clock).
#pragma once

#include "rtl/Clock.h"
#include "windows/Messages.h"

#include <QString>

#include <cstdint>
#include <functional>

class TWinControl;

// A window procedure of a window that is no control (see AllocateHWnd).
using TWndMethod = std::function<void(TMessage& Message)>;

// ---- Handles ----
// A hidden window whose messages go to Method; for non-visual components (timers, the application).
HWND AllocateHWnd(TWndMethod Method);
void DeallocateHWnd(HWND Wnd);
// A window of a registered class by the class's name (compared without regard to case); the only
// class is the tooltip control's (windows/Tooltips.h). Parent is the owner of a WS_POPUP window.
// CW_USEDEFAULT leaves place or size to the class. Nil for an unknown class.
struct HMENU__;
using HMENU = HMENU__*;
constexpr int32_t CW_USEDEFAULT = static_cast<int32_t>(0x80000000u);
HWND CreateWindowEx(uint32_t ExStyle, const QString& ClassName, const QString& WindowName, uint32_t Style, int32_t X,
                    int32_t Y, int32_t Width, int32_t Height, HWND Parent, HMENU Menu, uintptr_t Instance, void* Param);
// Destroys a window CreateWindowEx made; false for any other window.
bool DestroyWindow(HWND Wnd);
// True while Wnd names a live window.
bool IsWindow(HWND Wnd);
// The control whose window Wnd is; nil for a dead handle or a window that is no control.
TWinControl* FindControl(HWND Wnd);

// ---- Messages ----
// Calls the window procedure at once; 0 for a dead handle. An exception raised by the procedure
// is reported through Application->HandleException and the call returns 0.
LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
// Queues the message; it is delivered in order after the current handler has returned (a dead
// handle by then drops it). False for a dead handle.
bool PostMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
// The same number for the same name (compared without regard to case), from 0xC000 up.
UINT RegisterWindowMessage(const QString& Name);

// ---- Timers ----
// Starts timer IDEvent of Wnd: a WM_TIMER every Elapse ms of the clock service. Setting an existing
// timer restarts it with the new period. Expirations that come while a WM_TIMER of that timer waits
// in the queue are merged into it. Returns IDEvent, 0 for a dead handle.
UINT_PTR SetTimer(HWND Wnd, UINT_PTR IDEvent, UINT Elapse, void* TimerFunc = nullptr);
// Stops the timer and drops its WM_TIMER still waiting in the queue.
bool KillTimer(HWND Wnd, UINT_PTR IDEvent);

// ---- Focus, capture, activation ----
HWND GetFocus();
// Moves the focus: WM_KILLFOCUS (carrying the new window) to the old window, then WM_SETFOCUS
// (carrying the old one) to Wnd. Returns the window that had it.
HWND SetFocus(HWND Wnd);
HWND GetCapture();
// Mouse input goes to Wnd, wherever the pointer is, until ReleaseCapture; to a window that is no
// control (AllocateHWnd) in screen coordinates.
HWND SetCapture(HWND Wnd);
bool ReleaseCapture();
HWND GetActiveWindow();
HWND GetParent(HWND Wnd);
enum : UINT { GW_OWNER = 4 };
// GW_OWNER: the window a top-level window was made for; nil for none.
HWND GetWindow(HWND Wnd, UINT Cmd);

// ---- Keyboard and pointer ----
// High bit set (negative) while the key is down, low bit toggled by each press; answered from
// the layer's own key table, kept from the input events.
int16_t GetKeyState(int32_t VirtKey);
int16_t GetAsyncKeyState(int32_t VirtKey);
bool GetCursorPos(TPoint& Point);
bool MessageBeep(UINT Type);

// ---- Modules ----
struct HINSTANCE__;
using HMODULE = HINSTANCE__*;
// The loaded module of that name. No system library is loaded here: nil for every name.
HMODULE GetModuleHandle(const QString& ModuleName);

// ---- Cursors ----
struct HCURSOR__;
using HCURSOR = HCURSOR__*;
// The cursor resource Name (a .cur file among our resources) with its image and hot spot; nil
// when there is none or it is no cursor. The caller destroys it, or hands it to Screen->SetCursors.
HCURSOR LoadCursor(uintptr_t Instance, const QString& Name);
bool DestroyCursor(HCURSOR Cursor);
// The cursor shown now: the one the last WM_SETCURSOR answer or SetCursor put up.
HCURSOR GetCursor();
// Shows Cursor over the window with the capture (one with a widget), else the window the pointer was
// last over, until the next WM_SETCURSOR; returns the cursor shown before.
HCURSOR SetCursor(HCURSOR Cursor);

// ---- Geometry and painting ----
// The innermost window of ours at Point (screen coordinates): a disabled child window gives its
// parent; nil over none of ours.
HWND WindowFromPoint(const TPoint& Point);
bool ClientToScreen(HWND Wnd, TPoint& Point);
bool ScreenToClient(HWND Wnd, TPoint& Point);
bool GetClientRect(HWND Wnd, TRect& Rect);
bool GetWindowRect(HWND Wnd, TRect& Rect);
// Marks Rect (nil: the whole client area) for repainting; the paint comes later, from the queue.
// WM_SETREDRAW with WParam 0 turns a window's redrawing off: what it invalidates is dropped and its
// client area is not painted (it shows what it showed). WParam 1 turns it on again and repaints
// nothing by itself; a stock control (a wrapped Qt widget) then repaints whole, as the system's do.
bool InvalidateRect(HWND Wnd, const TRect* Rect, bool Erase);
// The bounds of what waits to be painted (client coordinates): what was invalidated since the
// window last painted. False, with an empty rectangle, when nothing waits.
bool GetUpdateRect(HWND Wnd, TRect& Rect);
// Paints the window's pending update region now.
bool UpdateWindow(HWND Wnd);
enum : UINT {
    RDW_INVALIDATE = 0x0001, RDW_INTERNALPAINT = 0x0002, RDW_ERASE = 0x0004, RDW_VALIDATE = 0x0008,
    RDW_NOINTERNALPAINT = 0x0010, RDW_NOERASE = 0x0020, RDW_NOCHILDREN = 0x0040, RDW_ALLCHILDREN = 0x0080,
    RDW_UPDATENOW = 0x0100, RDW_ERASENOW = 0x0200, RDW_FRAME = 0x0400, RDW_NOFRAME = 0x0800,
};
bool RedrawWindow(HWND Wnd, const TRect* Update, void* Region, UINT Flags);

// ---- Window state ----
bool IsWindowVisible(HWND Wnd);
bool IsWindowEnabled(HWND Wnd);
// Enables or disables input to Wnd (WM_ENABLE); returns true when it was disabled before.
bool EnableWindow(HWND Wnd, bool Enable);
enum : int32_t {
    SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_NORMAL = 1, SW_SHOWMINIMIZED = 2, SW_SHOWMAXIMIZED = 3,
    SW_MAXIMIZE = 3, SW_SHOWNOACTIVATE = 4, SW_SHOW = 5, SW_MINIMIZE = 6, SW_SHOWMINNOACTIVE = 7,
    SW_SHOWNA = 8, SW_RESTORE = 9,
};
bool ShowWindow(HWND Wnd, int32_t CmdShow);

// ---- Placement ----
// The place in the z-order SetWindowPos puts a window: HWND_TOPMOST keeps it above the windows
// that are not topmost.
inline const HWND HWND_TOP = nullptr;
inline const HWND HWND_BOTTOM = reinterpret_cast<HWND>(1);
inline const HWND HWND_TOPMOST = reinterpret_cast<HWND>(-1);
inline const HWND HWND_NOTOPMOST = reinterpret_cast<HWND>(-2);
enum : UINT {
    SWP_NOSIZE = 0x0001, SWP_NOMOVE = 0x0002, SWP_NOZORDER = 0x0004, SWP_NOREDRAW = 0x0008, SWP_NOACTIVATE = 0x0010,
    SWP_FRAMECHANGED = 0x0020, SWP_SHOWWINDOW = 0x0040, SWP_HIDEWINDOW = 0x0080, SWP_NOOWNERZORDER = 0x0200,
};
// Moves and sizes a window (screen coordinates for a top-level one, its parent's client
// coordinates otherwise), orders it, shows or hides it, and activates a top-level window unless
// SWP_NOACTIVATE.
bool SetWindowPos(HWND Wnd, HWND InsertAfter, int32_t X, int32_t Y, int32_t CX, int32_t CY, UINT Flags);
enum : UINT { SPI_GETWORKAREA = 0x0030, SPI_GETWHEELSCROLLLINES = 0x0068 };
// SPI_GETWORKAREA: Value points to a TRect that receives the primary display's work area.
// SPI_GETWHEELSCROLLLINES: Value points to a UINT that receives the lines one wheel notch scrolls
// (the desktop's setting).
bool SystemParametersInfo(UINT Action, UINT Param, void* Value, UINT WinIni);

// ---- The window's own scroll bars (WS_HSCROLL / WS_VSCROLL) ----
// A bar lies inside the window's border along the right (bottom) edge and narrows the client area while
// it shows. It does not move by itself: the user's actions come as WM_VSCROLL / WM_HSCROLL (LParam 0)
// and the window sets the position; a thumb drag reports SB_THUMBTRACK while it moves, then
// SB_THUMBPOSITION and SB_ENDSCROLL. A window made with the style shows its bars with the range 0..100.
enum : UINT {
    SIF_RANGE = 0x0001,
    SIF_PAGE = 0x0002,
    SIF_POS = 0x0004,
    SIF_DISABLENOSCROLL = 0x0008,
    SIF_TRACKPOS = 0x0010,
    SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS,
};
enum : UINT {
    ESB_ENABLE_BOTH = 0,
    ESB_DISABLE_LEFT = 1,
    ESB_DISABLE_UP = 1,
    ESB_DISABLE_LTUP = 1,
    ESB_DISABLE_RIGHT = 2,
    ESB_DISABLE_DOWN = 2,
    ESB_DISABLE_RTDN = 2,
    ESB_DISABLE_BOTH = 3,
};
struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int32_t nMin = 0;
    int32_t nMax = 0;
    UINT nPage = 0;
    int32_t nPos = 0;
    int32_t nTrackPos = 0;
};
using TScrollInfo = SCROLLINFO;
// Sets what fMask names of bar SB_HORZ or SB_VERT: the page is kept within the range and the position
// within Min .. Max - Page + 1. A range or page that leaves nothing to scroll (Max <= Min, or Page above
// Max - Min) hides the bar, or with SIF_DISABLENOSCROLL disables it; one that scrolls shows and enables
// it. Returns the position.
int32_t SetScrollInfo(HWND Wnd, int32_t Bar, const SCROLLINFO& Info, bool Redraw);
// Fills what Info.fMask names; the track position is the thumb's while it is dragged, else the position.
bool GetScrollInfo(HWND Wnd, int32_t Bar, SCROLLINFO& Info);
// Returns the previous position.
int32_t SetScrollPos(HWND Wnd, int32_t Bar, int32_t Pos, bool Redraw);
int32_t GetScrollPos(HWND Wnd, int32_t Bar);
bool SetScrollRange(HWND Wnd, int32_t Bar, int32_t MinPos, int32_t MaxPos, bool Redraw);
bool GetScrollRange(HWND Wnd, int32_t Bar, int32_t& MinPos, int32_t& MaxPos);
// Shows or hides SB_HORZ, SB_VERT or SB_BOTH (sets or clears the style bits).
bool ShowScrollBar(HWND Wnd, int32_t Bar, bool Show);
// ESB_ flags; a bar with both arrows disabled takes no input. False when nothing changed.
bool EnableScrollBar(HWND Wnd, UINT Bar, UINT Arrows);

// ---- The caret of an edit window ----
// Hidden as often as shown, counted.
bool HideCaret(HWND Wnd);
bool ShowCaret(HWND Wnd);

// Window styles as bits; GWL_STYLE holds WS_VISIBLE and WS_DISABLED as the window's state.
enum : int32_t { GWL_EXSTYLE = -20, GWL_STYLE = -16, GWL_ID = -12 };
enum : uint32_t {
    WS_OVERLAPPED = 0x00000000, WS_POPUP = 0x80000000, WS_CHILD = 0x40000000, WS_MINIMIZE = 0x20000000,
    WS_VISIBLE = 0x10000000, WS_DISABLED = 0x08000000, WS_CLIPSIBLINGS = 0x04000000,
    WS_CLIPCHILDREN = 0x02000000, WS_MAXIMIZE = 0x01000000, WS_CAPTION = 0x00C00000,
    WS_BORDER = 0x00800000, WS_DLGFRAME = 0x00400000, WS_VSCROLL = 0x00200000, WS_HSCROLL = 0x00100000,
    WS_SYSMENU = 0x00080000, WS_THICKFRAME = 0x00040000, WS_GROUP = 0x00020000, WS_TABSTOP = 0x00010000,
    WS_MINIMIZEBOX = 0x00020000, WS_MAXIMIZEBOX = 0x00010000,
    WS_EX_DLGMODALFRAME = 0x00000001, WS_EX_TOPMOST = 0x00000008, WS_EX_TRANSPARENT = 0x00000020,
    WS_EX_TOOLWINDOW = 0x00000080, WS_EX_WINDOWEDGE = 0x00000100, WS_EX_CLIENTEDGE = 0x00000200,
    WS_EX_CONTEXTHELP = 0x00000400, WS_EX_CONTROLPARENT = 0x00010000, WS_EX_APPWINDOW = 0x00040000,
    WS_EX_LAYERED = 0x00080000,
};
// Styles of the edit and button window classes (the low word of GWL_STYLE).
enum : uint32_t {
    ES_LEFT = 0x0000, ES_CENTER = 0x0001, ES_RIGHT = 0x0002, ES_MULTILINE = 0x0004, ES_UPPERCASE = 0x0008,
    ES_LOWERCASE = 0x0010, ES_PASSWORD = 0x0020, ES_AUTOVSCROLL = 0x0040, ES_AUTOHSCROLL = 0x0080,
    ES_NOHIDESEL = 0x0100, ES_OEMCONVERT = 0x0400, ES_READONLY = 0x0800, ES_WANTRETURN = 0x1000, ES_NUMBER = 0x2000,
    BS_PUSHBUTTON = 0x0000, BS_DEFPUSHBUTTON = 0x0001, BS_CHECKBOX = 0x0002, BS_AUTOCHECKBOX = 0x0003,
    BS_RADIOBUTTON = 0x0004, BS_3STATE = 0x0005, BS_AUTO3STATE = 0x0006, BS_GROUPBOX = 0x0007,
    BS_AUTORADIOBUTTON = 0x0009, BS_TYPEMASK = 0x000F, BS_LEFTTEXT = 0x0020, BS_MULTILINE = 0x2000,
};
int32_t GetWindowLong(HWND Wnd, int32_t Index);
// Stores the value and returns the old one; changing WS_VISIBLE or WS_DISABLED shows, hides,
// enables or disables the window.
int32_t SetWindowLong(HWND Wnd, int32_t Index, int32_t NewLong);
