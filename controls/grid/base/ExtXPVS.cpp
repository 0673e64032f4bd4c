// The two instances of the visual-styles binding; the library is absent on this platform.
#include "grid/base/ExtXPVS.h"

#include "grid/base/ExtStyleIF.h"

TThemeAPI ThemeAPI;
TThemeAPI DropDownThemeAPI;

namespace {

// A bound instance lets its library go; the entries keep their values.
void Unload(TThemeAPI& API)
{
    API.Library = nullptr;
    API.Loaded = false;
}

}  // namespace

// The library is not part of this platform: binding fails as it does where the library is
// missing, and the instance stays unloaded with empty entries.
void LoadThemeAPI() {}
void LoadDropDownThemeAPI() {}

void UnloadThemeAPI() { Unload(ThemeAPI); }
void UnloadDropDownThemeAPI() { Unload(DropDownThemeAPI); }

bool ThemedPaintingActive(const TThemeAPI& API)
{
    return IsXPOrLater() && IsComCtl6() && API.Loaded && API.IsThemeActive && API.IsThemeActive();
}

bool DrawThemedPart(const TThemeAPI& API, HWND Wnd, const char16_t* ClassName, HDC DC, int32_t PartId,
                    int32_t StateId, const TRect& R)
{
    if (!ThemedPaintingActive(API)) return false;
    HTHEME theme = API.OpenThemeData(Wnd, ClassName);
    API.DrawThemeBackground(theme, DC, PartId, StateId, &R, nullptr);
    API.CloseThemeData(theme);
    return true;
}
