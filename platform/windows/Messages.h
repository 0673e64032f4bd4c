// Window messages: TMessage, the typed message views and the message, key and code constants with their Windows values.
#pragma once

#include "rtl/Types.h"

#include <cstdint>

struct HWND__;
// An opaque window handle; handles are never reused, so a stale one stays harmless.
using HWND = HWND__*;
class TCanvas;
// A device context is a canvas (see graphics/Canvas.h).
using HDC = TCanvas*;

using UINT = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using UINT_PTR = uintptr_t;

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;

    uint16_t WParamLo() const { return static_cast<uint16_t>(WParam); }
    uint16_t WParamHi() const { return static_cast<uint16_t>(WParam >> 16); }
    uint16_t LParamLo() const { return static_cast<uint16_t>(LParam); }
    uint16_t LParamHi() const { return static_cast<uint16_t>(static_cast<uintptr_t>(LParam) >> 16); }
};

constexpr uint16_t LOWORD(uintptr_t Value) { return static_cast<uint16_t>(Value); }
constexpr uint16_t HIWORD(uintptr_t Value) { return static_cast<uint16_t>(Value >> 16); }
constexpr uint32_t MAKELONG(uint16_t Lo, uint16_t Hi) { return uint32_t(Lo) | (uint32_t(Hi) << 16); }
constexpr WPARAM MAKEWPARAM(uint16_t Lo, uint16_t Hi) { return MAKELONG(Lo, Hi); }
constexpr LPARAM MAKELPARAM(uint16_t Lo, uint16_t Hi) { return static_cast<LPARAM>(MAKELONG(Lo, Hi)); }
// A point packed as two signed 16-bit halves (x low, y high), as mouse messages carry it.
constexpr LPARAM PointToLParam(const TPoint& P)
{
    return MAKELPARAM(static_cast<uint16_t>(P.X), static_cast<uint16_t>(P.Y));
}
constexpr TPoint LParamToPoint(LPARAM LParam)
{
    return {static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(LParam))),
            static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(LParam)))};
}

// ---- Windows messages ----
enum : UINT {
    WM_NULL = 0x0000, WM_CREATE = 0x0001, WM_DESTROY = 0x0002, WM_MOVE = 0x0003, WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006, WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008, WM_ENABLE = 0x000A,
    WM_SETREDRAW = 0x000B, WM_SETTEXT = 0x000C, WM_GETTEXT = 0x000D, WM_GETTEXTLENGTH = 0x000E,
    WM_PAINT = 0x000F, WM_CLOSE = 0x0010, WM_QUIT = 0x0012, WM_ERASEBKGND = 0x0014,
    WM_SYSCOLORCHANGE = 0x0015, WM_SHOWWINDOW = 0x0018, WM_ACTIVATEAPP = 0x001C, WM_CANCELMODE = 0x001F,
    WM_SETCURSOR = 0x0020, WM_MOUSEACTIVATE = 0x0021, WM_GETMINMAXINFO = 0x0024, WM_SETFONT = 0x0030,
    WM_GETFONT = 0x0031, WM_WINDOWPOSCHANGING = 0x0046, WM_WINDOWPOSCHANGED = 0x0047, WM_NOTIFY = 0x004E,
    WM_CONTEXTMENU = 0x007B, WM_STYLECHANGING = 0x007C, WM_STYLECHANGED = 0x007D, WM_GETICON = 0x007F,
    WM_NCCREATE = 0x0081, WM_NCDESTROY = 0x0082, WM_NCCALCSIZE = 0x0083, WM_NCHITTEST = 0x0084,
    WM_NCPAINT = 0x0085, WM_NCACTIVATE = 0x0086, WM_GETDLGCODE = 0x0087, WM_NCMOUSEMOVE = 0x00A0,
    WM_NCLBUTTONDOWN = 0x00A1, WM_NCLBUTTONUP = 0x00A2, WM_NCLBUTTONDBLCLK = 0x00A3,
    WM_KEYFIRST = 0x0100, WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_CHAR = 0x0102, WM_DEADCHAR = 0x0103,
    WM_SYSKEYDOWN = 0x0104, WM_SYSKEYUP = 0x0105, WM_SYSCHAR = 0x0106, WM_SYSDEADCHAR = 0x0107,
    WM_UNICHAR = 0x0109, WM_KEYLAST = 0x0109, WM_INITDIALOG = 0x0110, WM_COMMAND = 0x0111,
    WM_SYSCOMMAND = 0x0112, WM_TIMER = 0x0113, WM_HSCROLL = 0x0114, WM_VSCROLL = 0x0115,
    WM_INITMENU = 0x0116, WM_INITMENUPOPUP = 0x0117, WM_MENUSELECT = 0x011F, WM_MENUCHAR = 0x0120,
    WM_ENTERIDLE = 0x0121, WM_CHANGEUISTATE = 0x0127, WM_UPDATEUISTATE = 0x0128, WM_QUERYUISTATE = 0x0129,
    WM_CTLCOLORMSGBOX = 0x0132, WM_CTLCOLOREDIT = 0x0133, WM_CTLCOLORLISTBOX = 0x0134,
    WM_CTLCOLORBTN = 0x0135, WM_CTLCOLORDLG = 0x0136, WM_CTLCOLORSCROLLBAR = 0x0137,
    WM_CTLCOLORSTATIC = 0x0138,
    WM_MOUSEFIRST = 0x0200, WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205, WM_RBUTTONDBLCLK = 0x0206,
    WM_MBUTTONDOWN = 0x0207, WM_MBUTTONUP = 0x0208, WM_MBUTTONDBLCLK = 0x0209, WM_MOUSEWHEEL = 0x020A,
    WM_MOUSEHWHEEL = 0x020E, WM_MOUSELAST = 0x020E,
    WM_PARENTNOTIFY = 0x0210, WM_ENTERMENULOOP = 0x0211, WM_EXITMENULOOP = 0x0212, WM_SIZING = 0x0214,
    WM_CAPTURECHANGED = 0x0215, WM_MOVING = 0x0216, WM_ENTERSIZEMOVE = 0x0231, WM_EXITSIZEMOVE = 0x0232,
    WM_IME_STARTCOMPOSITION = 0x010D, WM_IME_ENDCOMPOSITION = 0x010E, WM_IME_COMPOSITION = 0x010F,
    WM_MOUSEHOVER = 0x02A1, WM_MOUSELEAVE = 0x02A3,
    WM_CUT = 0x0300, WM_COPY = 0x0301, WM_PASTE = 0x0302, WM_CLEAR = 0x0303, WM_UNDO = 0x0304,
    WM_PRINT = 0x0317, WM_PRINTCLIENT = 0x0318, WM_THEMECHANGED = 0x031A,
    WM_USER = 0x0400, WM_APP = 0x8000,
};
// Answers to WM_MOUSEACTIVATE: whether the click activates the window, and whether the click is dropped.
constexpr LRESULT MA_ACTIVATE = 1, MA_ACTIVATEANDEAT = 2, MA_NOACTIVATE = 3, MA_NOACTIVATEANDEAT = 4;

// ---- Edit-control messages and notifications ----
enum : UINT {
    EM_GETSEL = 0x00B0, EM_SETSEL = 0x00B1, EM_GETRECT = 0x00B2, EM_SETRECT = 0x00B3, EM_SETRECTNP = 0x00B4,
    EM_SCROLL = 0x00B5, EM_LINESCROLL = 0x00B6, EM_SCROLLCARET = 0x00B7, EM_GETMODIFY = 0x00B8,
    EM_SETMODIFY = 0x00B9, EM_GETLINECOUNT = 0x00BA, EM_LINEINDEX = 0x00BB, EM_LINELENGTH = 0x00C1,
    EM_REPLACESEL = 0x00C2, EM_GETLINE = 0x00C4, EM_LIMITTEXT = 0x00C5, EM_SETLIMITTEXT = EM_LIMITTEXT,
    EM_CANUNDO = 0x00C6, EM_UNDO = 0x00C7, EM_LINEFROMCHAR = 0x00C9, EM_SETTABSTOPS = 0x00CB,
    EM_SETPASSWORDCHAR = 0x00CC, EM_EMPTYUNDOBUFFER = 0x00CD, EM_GETFIRSTVISIBLELINE = 0x00CE,
    EM_SETREADONLY = 0x00CF, EM_GETPASSWORDCHAR = 0x00D2, EM_SETMARGINS = 0x00D3, EM_GETMARGINS = 0x00D4,
    EM_GETLIMITTEXT = 0x00D5, EM_POSFROMCHAR = 0x00D6, EM_CHARFROMPOS = 0x00D7,
};
// Notification codes of WM_COMMAND from an edit control (high word of WParam).
enum : uint16_t {
    EN_SETFOCUS = 0x0100, EN_KILLFOCUS = 0x0200, EN_CHANGE = 0x0300, EN_UPDATE = 0x0400, EN_ERRSPACE = 0x0500,
    EN_MAXTEXT = 0x0501, EN_HSCROLL = 0x0601, EN_VSCROLL = 0x0602,
};
// EM_SETMARGINS: which margins WParam sets; EC_USEFONTINFO as a margin asks for the font's default.
enum : uint16_t { EC_LEFTMARGIN = 0x0001, EC_RIGHTMARGIN = 0x0002, EC_USEFONTINFO = 0xFFFF };

// ---- Button-control messages and notifications ----
enum : UINT {
    BM_GETCHECK = 0x00F0, BM_SETCHECK = 0x00F1, BM_GETSTATE = 0x00F2, BM_SETSTATE = 0x00F3, BM_SETSTYLE = 0x00F4,
    BM_CLICK = 0x00F5,
};
enum : uint16_t { BN_CLICKED = 0, BN_DOUBLECLICKED = 5 };
enum : WPARAM { BST_UNCHECKED = 0, BST_CHECKED = 1, BST_INDETERMINATE = 2, BST_PUSHED = 4, BST_FOCUS = 8 };

// ---- Messages of the toolkit's controls ----
enum : UINT {
    CM_BASE = 0xB000,
    CM_ACTIVATE = CM_BASE + 0, CM_DEACTIVATE = CM_BASE + 1, CM_GOTFOCUS = CM_BASE + 2,
    CM_LOSTFOCUS = CM_BASE + 3, CM_CANCELMODE = CM_BASE + 4, CM_DIALOGKEY = CM_BASE + 5,
    CM_DIALOGCHAR = CM_BASE + 6, CM_FOCUSCHANGED = CM_BASE + 7, CM_PARENTFONTCHANGED = CM_BASE + 8,
    CM_PARENTCOLORCHANGED = CM_BASE + 9, CM_HITTEST = CM_BASE + 10, CM_VISIBLECHANGED = CM_BASE + 11,
    CM_ENABLEDCHANGED = CM_BASE + 12, CM_COLORCHANGED = CM_BASE + 13, CM_FONTCHANGED = CM_BASE + 14,
    CM_CURSORCHANGED = CM_BASE + 15, CM_CTL3DCHANGED = CM_BASE + 16, CM_PARENTCTL3DCHANGED = CM_BASE + 17,
    CM_TEXTCHANGED = CM_BASE + 18, CM_MOUSEENTER = CM_BASE + 19, CM_MOUSELEAVE = CM_BASE + 20,
    CM_MENUCHANGED = CM_BASE + 21, CM_APPKEYDOWN = CM_BASE + 22, CM_APPSYSCOMMAND = CM_BASE + 23,
    CM_BUTTONPRESSED = CM_BASE + 24, CM_SHOWINGCHANGED = CM_BASE + 25, CM_ENTER = CM_BASE + 26,
    CM_EXIT = CM_BASE + 27, CM_DESIGNHITTEST = CM_BASE + 28, CM_ICONCHANGED = CM_BASE + 29,
    CM_WANTSPECIALKEY = CM_BASE + 30, CM_INVOKEHELP = CM_BASE + 31, CM_WINDOWHOOK = CM_BASE + 32,
    CM_RELEASE = CM_BASE + 33, CM_SHOWHINTCHANGED = CM_BASE + 34, CM_PARENTSHOWHINTCHANGED = CM_BASE + 35,
    CM_SYSCOLORCHANGE = CM_BASE + 36, CM_WININICHANGE = CM_BASE + 37, CM_FONTCHANGE = CM_BASE + 38,
    CM_TIMECHANGE = CM_BASE + 39, CM_TABSTOPCHANGED = CM_BASE + 40, CM_UIACTIVATE = CM_BASE + 41,
    CM_UIDEACTIVATE = CM_BASE + 42, CM_DOCWINDOWACTIVATE = CM_BASE + 43, CM_CONTROLLISTCHANGE = CM_BASE + 44,
    CM_GETDATALINK = CM_BASE + 45, CM_CHILDKEY = CM_BASE + 46, CM_DRAG = CM_BASE + 47,
    CM_HINTSHOW = CM_BASE + 48, CM_DIALOGHANDLE = CM_BASE + 49, CM_ISTOOLCONTROL = CM_BASE + 50,
    CM_RECREATEWND = CM_BASE + 51, CM_INVALIDATE = CM_BASE + 52, CM_SYSFONTCHANGED = CM_BASE + 53,
    CM_CONTROLCHANGE = CM_BASE + 54, CM_CHANGED = CM_BASE + 55, CM_DOCKCLIENT = CM_BASE + 56,
    CM_UNDOCKCLIENT = CM_BASE + 57, CM_FLOAT = CM_BASE + 58, CM_BORDERCHANGED = CM_BASE + 59,
    CM_BIDIMODECHANGED = CM_BASE + 60, CM_PARENTBIDIMODECHANGED = CM_BASE + 61,
    CM_ALLCHILDRENFLIPPED = CM_BASE + 62, CM_ACTIONUPDATE = CM_BASE + 63, CM_ACTIONEXECUTE = CM_BASE + 64,
    CM_HINTSHOWPAUSE = CM_BASE + 65, CM_DOCKNOTIFICATION = CM_BASE + 66, CM_MOUSEWHEEL = CM_BASE + 67,
    CM_ISSHORTCUT = CM_BASE + 68, CM_UPDATEACTIONS = CM_BASE + 69, CM_INVALIDATEDOCKHOST = CM_BASE + 70,
    CM_SETACTIVECONTROL = CM_BASE + 71, CM_POPUPHWNDDESTROY = CM_BASE + 72, CM_CREATEPOPUP = CM_BASE + 73,
    CM_DESTROYHANDLE = CM_BASE + 74, CM_MOUSEACTIVATE = CM_BASE + 75, CM_CONTROLLISTCHANGING = CM_BASE + 76,
    CM_BUFFEREDPRINTCLIENT = CM_BASE + 77, CM_UNTHEMECONTROL = CM_BASE + 78,
    CM_DOUBLEBUFFEREDCHANGED = CM_BASE + 79, CM_PARENTDOUBLEBUFFEREDCHANGED = CM_BASE + 80,
    CM_STYLECHANGED = CM_BASE + 81,

    // Messages a control gets back from its parent ("reflected"), and the key messages the
    // application hands the focused control before dispatching them.
    CN_BASE = 0xBC00,
    CN_CHARTOITEM = CN_BASE + 0x002F, CN_COMMAND = CN_BASE + WM_COMMAND, CN_COMPAREITEM = CN_BASE + 0x0039,
    CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT, CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC,
    CN_DELETEITEM = CN_BASE + 0x002D, CN_DRAWITEM = CN_BASE + 0x002B, CN_HSCROLL = CN_BASE + WM_HSCROLL,
    CN_MEASUREITEM = CN_BASE + 0x002C, CN_PARENTNOTIFY = CN_BASE + WM_PARENTNOTIFY,
    CN_VKEYTOITEM = CN_BASE + 0x002E, CN_VSCROLL = CN_BASE + WM_VSCROLL, CN_KEYDOWN = CN_BASE + WM_KEYDOWN,
    CN_KEYUP = CN_BASE + WM_KEYUP, CN_CHAR = CN_BASE + WM_CHAR, CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN,
    CN_SYSCHAR = CN_BASE + WM_SYSCHAR, CN_NOTIFY = CN_BASE + WM_NOTIFY,
};

// ---- Virtual-key codes ----
enum : uint16_t {
    VK_LBUTTON = 0x01, VK_RBUTTON = 0x02, VK_CANCEL = 0x03, VK_MBUTTON = 0x04, VK_BACK = 0x08,
    VK_TAB = 0x09, VK_CLEAR = 0x0C, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11, VK_MENU = 0x12,
    VK_PAUSE = 0x13, VK_CAPITAL = 0x14, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22,
    VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
    VK_SELECT = 0x29, VK_PRINT = 0x2A, VK_EXECUTE = 0x2B, VK_SNAPSHOT = 0x2C, VK_INSERT = 0x2D,
    VK_DELETE = 0x2E, VK_HELP = 0x2F, VK_LWIN = 0x5B, VK_RWIN = 0x5C, VK_APPS = 0x5D,
    VK_NUMPAD0 = 0x60, VK_NUMPAD1 = 0x61, VK_NUMPAD2 = 0x62, VK_NUMPAD3 = 0x63, VK_NUMPAD4 = 0x64,
    VK_NUMPAD5 = 0x65, VK_NUMPAD6 = 0x66, VK_NUMPAD7 = 0x67, VK_NUMPAD8 = 0x68, VK_NUMPAD9 = 0x69,
    VK_MULTIPLY = 0x6A, VK_ADD = 0x6B, VK_SEPARATOR = 0x6C, VK_SUBTRACT = 0x6D, VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F, VK_F1 = 0x70, VK_F2 = 0x71, VK_F3 = 0x72, VK_F4 = 0x73, VK_F5 = 0x74, VK_F6 = 0x75,
    VK_F7 = 0x76, VK_F8 = 0x77, VK_F9 = 0x78, VK_F10 = 0x79, VK_F11 = 0x7A, VK_F12 = 0x7B, VK_F13 = 0x7C,
    VK_F14 = 0x7D, VK_F15 = 0x7E, VK_F16 = 0x7F, VK_F17 = 0x80, VK_F18 = 0x81, VK_F19 = 0x82,
    VK_F20 = 0x83, VK_F21 = 0x84, VK_F22 = 0x85, VK_F23 = 0x86, VK_F24 = 0x87, VK_NUMLOCK = 0x90,
    VK_SCROLL = 0x91, VK_LSHIFT = 0xA0, VK_RSHIFT = 0xA1, VK_LCONTROL = 0xA2, VK_RCONTROL = 0xA3,
    VK_LMENU = 0xA4, VK_RMENU = 0xA5, VK_OEM_1 = 0xBA, VK_OEM_PLUS = 0xBB, VK_OEM_COMMA = 0xBC,
    VK_OEM_MINUS = 0xBD, VK_OEM_PERIOD = 0xBE, VK_OEM_2 = 0xBF, VK_OEM_3 = 0xC0, VK_OEM_4 = 0xDB,
    VK_OEM_5 = 0xDC, VK_OEM_6 = 0xDD, VK_OEM_7 = 0xDE, VK_OEM_102 = 0xE2, VK_PACKET = 0xE7,
};

// ---- WM_GETDLGCODE answers ----
enum : LRESULT {
    DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTALLKEYS = 0x0004, DLGC_WANTMESSAGE = 0x0004,
    DLGC_HASSETSEL = 0x0008, DLGC_DEFPUSHBUTTON = 0x0010, DLGC_UNDEFPUSHBUTTON = 0x0020,
    DLGC_RADIOBUTTON = 0x0040, DLGC_WANTCHARS = 0x0080, DLGC_STATIC = 0x0100, DLGC_BUTTON = 0x2000,
};

// ---- Mouse-message key flags ----
enum : uint16_t {
    MK_LBUTTON = 0x0001, MK_RBUTTON = 0x0002, MK_SHIFT = 0x0004, MK_CONTROL = 0x0008, MK_MBUTTON = 0x0010,
};

// ---- Scroll codes and bars ----
enum : int32_t {
    SB_LINEUP = 0, SB_LINELEFT = 0, SB_LINEDOWN = 1, SB_LINERIGHT = 1, SB_PAGEUP = 2, SB_PAGELEFT = 2,
    SB_PAGEDOWN = 3, SB_PAGERIGHT = 3, SB_THUMBPOSITION = 4, SB_THUMBTRACK = 5, SB_TOP = 6, SB_LEFT = 6,
    SB_BOTTOM = 7, SB_RIGHT = 7, SB_ENDSCROLL = 8,
    SB_HORZ = 0, SB_VERT = 1, SB_CTL = 2, SB_BOTH = 3,
};

// ---- WM_NCHITTEST answers ----
enum : LRESULT {
    HTERROR = -2, HTTRANSPARENT = -1, HTNOWHERE = 0, HTCLIENT = 1, HTCAPTION = 2, HTSYSMENU = 3,
    HTGROWBOX = 4, HTSIZE = 4, HTMENU = 5, HTHSCROLL = 6, HTVSCROLL = 7, HTMINBUTTON = 8,
    HTMAXBUTTON = 9, HTLEFT = 10, HTRIGHT = 11, HTTOP = 12, HTTOPLEFT = 13, HTTOPRIGHT = 14,
    HTBOTTOM = 15, HTBOTTOMLEFT = 16, HTBOTTOMRIGHT = 17, HTBORDER = 18, HTCLOSE = 20, HTHELP = 21,
};

// ---- Other message parameters ----
enum : WPARAM {
    WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2,
    SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2,
    SC_SIZE = 0xF000, SC_MOVE = 0xF010, SC_MINIMIZE = 0xF020, SC_MAXIMIZE = 0xF030, SC_CLOSE = 0xF060,
    SC_RESTORE = 0xF120, SC_KEYMENU = 0xF100,
};
constexpr int32_t WHEEL_DELTA = 120;

// Key data (LParam of the key messages): bit 29 is Alt, bit 30 the previous state, bit 31 a release.
constexpr LPARAM KF_ALTDOWN_MASK = 0x20000000;
constexpr LPARAM KF_REPEAT_MASK = 0x40000000;
constexpr LPARAM KF_UP_MASK = static_cast<LPARAM>(0x80000000u);

struct NMHDR {
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

struct THintInfo;

// ---- Typed views: named access to the fields of a TMessage, which they refer to ----
struct TMessageView {
    TMessage& Message;
    explicit TMessageView(TMessage& M) : Message(M) {}
    UINT Msg() const { return Message.Msg; }
    LRESULT Result() const { return Message.Result; }
    void SetResult(LRESULT Value) { Message.Result = Value; }
};

// WM_KEYDOWN/UP, WM_CHAR, their CN_ forms, CM_DIALOGKEY and CM_DIALOGCHAR.
struct TWMKey : TMessageView {
    using TMessageView::TMessageView;
    uint16_t CharCode() const { return static_cast<uint16_t>(Message.WParam); }
    void SetCharCode(uint16_t Value) { Message.WParam = Value; }
    int32_t KeyData() const { return static_cast<int32_t>(Message.LParam); }
};
using TWMKeyDown = TWMKey;
using TWMKeyUp = TWMKey;
using TWMChar = TWMKey;
using TWMSysChar = TWMKey;
using TCMDialogKey = TWMKey;
using TCMDialogChar = TWMKey;
using TCMWantSpecialKey = TWMKey;

// WM_MOUSEMOVE and the button messages: client coordinates.
struct TWMMouse : TMessageView {
    using TMessageView::TMessageView;
    uint16_t Keys() const { return static_cast<uint16_t>(Message.WParam); }
    int16_t XPos() const { return static_cast<int16_t>(Message.LParamLo()); }
    int16_t YPos() const { return static_cast<int16_t>(Message.LParamHi()); }
    TPoint Pos() const { return LParamToPoint(Message.LParam); }
};

// WM_MOUSEWHEEL: screen coordinates; a positive delta turns away from the user.
struct TWMMouseWheel : TMessageView {
    using TMessageView::TMessageView;
    uint16_t Keys() const { return Message.WParamLo(); }
    int16_t WheelDelta() const { return static_cast<int16_t>(Message.WParamHi()); }
    TPoint Pos() const { return LParamToPoint(Message.LParam); }
};

struct TWMSetFocus : TMessageView {
    using TMessageView::TMessageView;
    // The window that lost the focus.
    HWND FocusedWnd() const { return reinterpret_cast<HWND>(Message.WParam); }
};
struct TWMKillFocus : TMessageView {
    using TMessageView::TMessageView;
    // The window that gains the focus (nil when none of ours does).
    HWND FocusedWnd() const { return reinterpret_cast<HWND>(Message.WParam); }
};

struct TWMTimer : TMessageView {
    using TMessageView::TMessageView;
    UINT_PTR TimerID() const { return Message.WParam; }
};

struct TWMPaint : TMessageView {
    using TMessageView::TMessageView;
    // The context to paint into; nil means the window's own paint cycle.
    HDC DC() const { return reinterpret_cast<HDC>(Message.WParam); }
};
using TWMEraseBkgnd = TWMPaint;

struct TWMSize : TMessageView {
    using TMessageView::TMessageView;
    WPARAM SizeType() const { return Message.WParam; }
    int32_t Width() const { return Message.LParamLo(); }
    int32_t Height() const { return Message.LParamHi(); }
};

struct TWMMove : TMessageView {
    using TMessageView::TMessageView;
    int16_t XPos() const { return static_cast<int16_t>(Message.LParamLo()); }
    int16_t YPos() const { return static_cast<int16_t>(Message.LParamHi()); }
};

using TWMGetDlgCode = TMessageView;

struct TWMCommand : TMessageView {
    using TMessageView::TMessageView;
    uint16_t ItemID() const { return Message.WParamLo(); }
    uint16_t NotifyCode() const { return Message.WParamHi(); }
    HWND Ctl() const { return reinterpret_cast<HWND>(Message.LParam); }
};

struct TWMNotify : TMessageView {
    using TMessageView::TMessageView;
    int32_t IDCtrl() const { return static_cast<int32_t>(Message.WParam); }
    NMHDR* NMHdr() const { return reinterpret_cast<NMHDR*>(Message.LParam); }
};

// WM_HSCROLL and WM_VSCROLL.
struct TWMScroll : TMessageView {
    using TMessageView::TMessageView;
    int32_t ScrollCode() const { return static_cast<int16_t>(Message.WParamLo()); }
    int32_t Pos() const { return static_cast<int16_t>(Message.WParamHi()); }
    HWND ScrollBar() const { return reinterpret_cast<HWND>(Message.LParam); }
};

struct TWMSetCursor : TMessageView {
    using TMessageView::TMessageView;
    HWND CursorWnd() const { return reinterpret_cast<HWND>(Message.WParam); }
    int16_t HitTest() const { return static_cast<int16_t>(Message.LParamLo()); }
    uint16_t MouseMsg() const { return Message.LParamHi(); }
};

// WM_NCHITTEST: screen coordinates.
struct TWMNCHitTest : TMessageView {
    using TMessageView::TMessageView;
    int16_t XPos() const { return static_cast<int16_t>(Message.LParamLo()); }
    int16_t YPos() const { return static_cast<int16_t>(Message.LParamHi()); }
    TPoint Pos() const { return LParamToPoint(Message.LParam); }
};

// WM_CONTEXTMENU: screen coordinates; (-1, -1) when the keyboard asked.
struct TWMContextMenu : TMessageView {
    using TMessageView::TMessageView;
    HWND hWnd() const { return reinterpret_cast<HWND>(Message.WParam); }
    int16_t XPos() const { return static_cast<int16_t>(Message.LParamLo()); }
    int16_t YPos() const { return static_cast<int16_t>(Message.LParamHi()); }
    TPoint Pos() const { return LParamToPoint(Message.LParam); }
};

class TWinControl;
struct TCMFocusChanged : TMessageView {
    using TMessageView::TMessageView;
    // The control that now has the focus.
    TWinControl* Sender() const { return reinterpret_cast<TWinControl*>(Message.LParam); }
};

// CM_MOUSEWHEEL: WParam low word the shift state bits, high word the delta; screen coordinates.
struct TCMMouseWheel : TMessageView {
    using TMessageView::TMessageView;
    uint16_t ShiftState() const { return Message.WParamLo(); }
    int16_t WheelDelta() const { return static_cast<int16_t>(Message.WParamHi()); }
    TPoint Pos() const { return LParamToPoint(Message.LParam); }
};

struct TCMHintShow : TMessageView {
    using TMessageView::TMessageView;
    THintInfo* HintInfo() const { return reinterpret_cast<THintInfo*>(Message.LParam); }
};
