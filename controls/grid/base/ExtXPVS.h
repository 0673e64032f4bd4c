// Run-time binding of the visual-styles library: the grid's instance and the drop-downs' instance.
#pragma once

#include "rtl/Types.h"
#include "windows/Messages.h"

#include <cstdint>

struct HTHEME__;
using HTHEME = HTHEME__*;
using HRESULT = int32_t;

// Parts and states of the theme classes the painted controls use.
enum : int32_t {
    // "button"
    BP_PUSHBUTTON = 1,
    BP_RADIOBUTTON = 2,
    BP_CHECKBOX = 3,
    PBS_NORMAL = 1,
    PBS_HOT = 2,
    PBS_PRESSED = 3,
    PBS_DISABLED = 4,
    // check box states: unchecked, checked and mixed, each normal, hot, pressed and disabled
    CBS_UNCHECKEDNORMAL = 1,
    CBS_CHECKEDNORMAL = 5,
    CBS_MIXEDNORMAL = 9,
    // radio button states: unchecked and checked, each normal, hot, pressed and disabled
    RBS_UNCHECKEDNORMAL = 1,
    RBS_CHECKEDNORMAL = 5,
    // "combobox"
    CP_DROPDOWNBUTTON = 1,
    CBXS_NORMAL = 1,
    CBXS_HOT = 2,
    CBXS_PRESSED = 3,
    CBXS_DISABLED = 4,
    // "spin"
    SPNP_UP = 1,
    SPNP_DOWN = 2,
    UPS_NORMAL = 1,
    UPS_DISABLED = 4,
    DNS_NORMAL = 1,
    DNS_DISABLED = 4,
};

// One instance of the binding. The entries are those the program calls; each stays empty until
// the library is bound. Callers test the platform (IsXPOrLater, IsComCtl6) and IsThemeActive
// before they call an entry; ThemedPaintingActive does all of that at once.
struct TThemeAPI {
    bool Loaded = false;
    void* Library = nullptr;
    HTHEME (*OpenThemeData)(HWND Wnd, const char16_t* ClassList) = nullptr;
    HRESULT (*CloseThemeData)(HTHEME Theme) = nullptr;
    HRESULT (*DrawThemeBackground)(HTHEME Theme, HDC DC, int32_t PartId, int32_t StateId, const TRect* Rect,
                                   const TRect* ClipRect) = nullptr;
    bool (*IsThemeActive)() = nullptr;
    HRESULT (*GetCurrentThemeName)(char16_t* ThemeFileName, int32_t MaxNameChars, char16_t* ColorBuff,
                                   int32_t MaxColorChars, char16_t* SizeBuff, int32_t MaxSizeChars) = nullptr;
};

// The grid's instance (grid, support objects, in-cell editors, markup renderer, date-time picker).
extern TThemeAPI ThemeAPI;
// The drop-downs' instance (drop-down button and calculator keys).
extern TThemeAPI DropDownThemeAPI;

// Binds the grid's instance; nothing when already bound. The visual-styles library does not
// exist on this platform, so the binding stays unloaded and every entry empty.
void LoadThemeAPI();
// Releases the grid's instance; nothing when not bound. The entries keep their values.
void UnloadThemeAPI();
void LoadDropDownThemeAPI();
void UnloadDropDownThemeAPI();

// True when an instance can paint themed parts: Windows XP or later, common controls 6, the
// library bound and themes active. Always false on this platform: every control paints classic.
bool ThemedPaintingActive(const TThemeAPI& API = ThemeAPI);
// Draws part PartId in state StateId of theme class ClassName over R through API. False, with
// nothing drawn, while ThemedPaintingActive(API) is false: the caller then draws its classic look.
bool DrawThemedPart(const TThemeAPI& API, HWND Wnd, const char16_t* ClassName, HDC DC, int32_t PartId,
                    int32_t StateId, const TRect& R);
