// HideCaret and ShowCaret: the caret of an edit window, hidden as often as it is shown.
#include "windows/WinApi.h"

#include "windows/private/Window.h"

#include <QHash>
#include <QPlainTextEdit>

#include <algorithm>

using namespace WindowsInternal;

namespace {

bool ChangeCaret(HWND Wnd, int32_t Change)
{
    static QHash<HWND, int32_t> Hidden;
    auto* Edit = qobject_cast<QPlainTextEdit*>(WidgetOf(Wnd));
    if (!Edit) return false;
    int32_t& Count = Hidden[Wnd];
    Count = std::max(0, Count + Change);
    Edit->setCursorWidth(Count > 0 ? 0 : 1);
    if (Count == 0) Hidden.remove(Wnd);
    return true;
}

}  // namespace

bool HideCaret(HWND Wnd)
{
    return ChangeCaret(Wnd, 1);
}

bool ShowCaret(HWND Wnd)
{
    return ChangeCaret(Wnd, -1);
}
