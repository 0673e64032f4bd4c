// Windows made by class name (CreateWindowEx) and their destruction.
#include "windows/Tooltips.h"
#include "windows/WinApi.h"
#include "windows/private/Tooltip.h"

#include <map>

using namespace WindowsInternal;

namespace {

// The windows CreateWindowEx made, by handle. Kept for the program's life: a window left at exit
// is never destroyed after the application's objects.
std::map<HWND, TWinControl*>& Made()
{
    static auto* Windows = new std::map<HWND, TWinControl*>;
    return *Windows;
}

}  // namespace

HWND CreateWindowEx(uint32_t ExStyle, const QString& ClassName, const QString& WindowName, uint32_t Style, int32_t,
                    int32_t, int32_t, int32_t, HWND Parent, HMENU, uintptr_t, void*)
{
    if (ClassName.compare(TOOLTIPS_CLASS, Qt::CaseInsensitive) != 0) return nullptr;
    TWinControl* Tooltip = CreateTooltip(Style, ExStyle, IsWindow(Parent) ? Parent : nullptr, WindowName);
    const HWND Wnd = Tooltip->Handle();
    Made()[Wnd] = Tooltip;
    return Wnd;
}

bool DestroyWindow(HWND Wnd)
{
    const auto Found = Made().find(Wnd);
    if (Found == Made().end()) return false;
    TWinControl* Tooltip = Found->second;
    Made().erase(Found);
    ReleaseTooltip(Tooltip);
    return true;
}
