// The tooltip control: a window of class "Tooltips_Class32" (CreateWindowEx) that shows a tip for
// the tools registered with it.
//
// A tool is a window (TTF_IDISHWND: its whole client area) or a rectangle of one; with TTF_SUBCLASS
// the tooltip watches the tool window's mouse messages itself. When the pointer has rested over a
// tool for the initial delay, the tooltip asks the tool's window for a callback text (WM_NOTIFY,
// TTN_GETDISPINFOW), tells it the tip shows (TTN_SHOW) and shows the tip at the pointer without
// taking the activation: topmost, with title and icon, the text wrapped at the maximum tip width
// (none: only at line breaks), in its colours; TTS_BALLOON draws it as a balloon whose stem points
// at the pointer. It pops (TTN_POP) after the auto-pop delay, when the pointer leaves the tool, on a
// click, and on TTM_POP. After an auto-pop or a click it shows again only once the pointer has left
// the tool; after TTM_POP, at the next rest, and then after the reshow delay (as when the pointer
// moves on to another tool while a tip shows). An empty text shows nothing. Without TTS_ALWAYSTIP
// tips show only while the tool's top-level window is the active window. The window's text is the
// text of the tip shown last.
#pragma once

#include "graphics/Colors.h"
#include "windows/WinApi.h"

#include <QString>

#include <cstdint>

inline const QString TOOLTIPS_CLASS = QStringLiteral("Tooltips_Class32");

// Window styles of the class.
enum : uint32_t { TTS_ALWAYSTIP = 0x01, TTS_NOPREFIX = 0x02, TTS_BALLOON = 0x40 };

// TOOLINFOW::uFlags.
enum : UINT { TTF_IDISHWND = 0x0001, TTF_SUBCLASS = 0x0010 };

enum : UINT {
    // WParam: TTDT_*; LParam: the delay in ms in the low word, -1 for the default.
    TTM_SETDELAYTIME = WM_USER + 3,
    // WParam: a COLORREF.
    TTM_SETTIPBKCOLOR = WM_USER + 19,
    TTM_SETTIPTEXTCOLOR = WM_USER + 20,
    // LParam: the width in pixels the text wraps at, -1 for none; returns the previous one.
    TTM_SETMAXTIPWIDTH = WM_USER + 24,
    // Hides the tip shown.
    TTM_POP = WM_USER + 28,
    // WParam: TTI_* icon; LParam: a NUL-terminated title (nil or empty: none). True when set.
    TTM_SETTITLEW = WM_USER + 33,
    // LParam: a TOOLINFOW, copied (a text it points to too). True when added.
    TTM_ADDTOOLW = WM_USER + 50,
    TTM_ADDTOOL = TTM_ADDTOOLW,
};

// TTM_SETDELAYTIME: TTDT_AUTOMATIC sets the initial delay to the value, the auto-pop delay to ten
// times and the reshow delay to a fifth of it. Defaults: initial 500, auto-pop 5000, reshow 100 ms.
enum : WPARAM { TTDT_AUTOMATIC = 0, TTDT_RESHOW = 1, TTDT_AUTOPOP = 2, TTDT_INITIAL = 3 };

// Title icons.
enum : WPARAM { TTI_NONE = 0, TTI_INFO = 1, TTI_WARNING = 2, TTI_ERROR = 3 };

// Notification codes (WM_NOTIFY to the tool's window, WParam the tool's id).
constexpr UINT TTN_FIRST = 0u - 520u;
constexpr UINT TTN_SHOW = TTN_FIRST - 1;
constexpr UINT TTN_POP = TTN_FIRST - 2;
constexpr UINT TTN_GETDISPINFOW = TTN_FIRST - 10;

// A tool's text asked for by TTN_GETDISPINFOW.
inline char16_t* const LPSTR_TEXTCALLBACKW = reinterpret_cast<char16_t*>(static_cast<intptr_t>(-1));

struct TOOLINFOW {
    UINT cbSize = sizeof(TOOLINFOW);
    UINT uFlags = 0;
    // The window the tool lies in, which gets the notifications.
    HWND hwnd = nullptr;
    // With TTF_IDISHWND the tool's window handle, else a number of the owner's choice.
    UINT_PTR uId = 0;
    // Client coordinates of hwnd; unused with TTF_IDISHWND.
    TRect rect{};
    uintptr_t hinst = 0;
    // The text, or LPSTR_TEXTCALLBACKW.
    char16_t* lpszText = nullptr;
    LPARAM lParam = 0;
};

// TTN_GETDISPINFOW: the receiver points lpszText at a text that stays valid after it returns, or
// fills szText.
struct NMTTDISPINFOW {
    NMHDR hdr;
    char16_t* lpszText = nullptr;
    char16_t szText[80] = {};
    uintptr_t hinst = 0;
    UINT uFlags = 0;
    LPARAM lParam = 0;
};
