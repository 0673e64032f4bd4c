// Component styles, colour tones, the style interfaces, platform tests, office theme detection and the theme notifier.
#pragma once

#include "graphics/Colors.h"
#include "rtl/Component.h"
#include "windows/Messages.h"

#include <QString>

#include <cstdint>
#include <functional>

class TRegistry;

enum TVyxStyle {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black
};

enum TOfficeTheme {
    ot2003Blue,
    ot2003Silver,
    ot2003Olive,
    ot2003Classic,
    ot2007Blue,
    ot2007Silver,
    ot2007Black,
    ot2010Blue,
    ot2010Silver,
    ot2010Black,
    otUnknown
};

struct TColorTone {
    TColor BrushColor = clBlack;
    TColor BorderColor = clBlack;
    TColor TextColor = clBlack;
    friend bool operator==(const TColorTone&, const TColorTone&) = default;
};

struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
    friend bool operator==(const TColorTones&, const TColorTones&) = default;
};

// Taking one of the preset looks. Implemented by the string grid and every drop-down control.
class IVyxStyle {
public:
    virtual ~IVyxStyle() = default;
    virtual void SetComponentStyle(TVyxStyle AStyle) = 0;
};

// Taking a set of colour tones for the flat look.
class IVyxTones {
public:
    virtual ~IVyxTones() = default;
    virtual void SetColorTones(const TColorTones& ATones) = 0;
};

// Hands AStyle to Component when it implements IVyxStyle; false when it does not.
bool ApplyComponentStyle(TObject* Component, TVyxStyle AStyle);
// Hands ATones to Component when it implements IVyxTones; false when it does not.
bool ApplyColorTones(TObject* Component, const TColorTones& ATones);

// The versions this platform reports to the probes: Windows 5.1 (XP), whose visual-styles
// library is absent, and common controls 5.82, below version 6. Every control therefore takes
// its classic look.
inline constexpr int32_t WindowsMajorVersion = 5;
inline constexpr int32_t WindowsMinorVersion = 1;
inline constexpr int32_t ComCtl32MajorVersion = 5;
inline constexpr int32_t ComCtl32MinorVersion = 82;

// Windows 5.1 or later.
bool IsXPOrLater();
// True when the kernel exports GetLocaleInfoEx (Vista and later); false here.
bool IsVistaOrLater();
// Common controls version 6 or later; false here.
bool IsComCtl6();
// Windows XP or later with an active visual style and common controls 6: the themed looks of the
// painted controls apply. False here.
bool IsThemedXP();
// 2 when the current user's registry holds the office 14.0 settings key
// "Software\Microsoft\Office\14.0\Common\General", 1 for the 12.0 one, else 0.
int32_t GetOfficeVersion();
// The XP colour scheme: 1 "NormalColor", 2 "HomeStead", 3 "Metallic", 0 otherwise (and whenever
// themes are not active, as here).
int32_t GetXPVisualStyle();
// The integer value "Theme" of key KeyPath under Registry's root; -1 when the key or the value
// is missing. A "Theme" value that is not an integer raises the registry's read error.
int32_t ReadOfficeThemeValue(TRegistry* Registry, const QString& KeyPath);
// The office colour scheme from the office 14.0 and 12.0 "Theme" values, else from the XP colour
// scheme (ot2003Classic here). Never otUnknown.
TOfficeTheme DetectOfficeTheme();
// "Segoe UI" on Vista or later, else "Tahoma" (here).
QString GetDefaultFontName();

// Sent by the theme notifier to registered windows when the office settings change: WParam the
// registry root of the watched key, LParam a pointer to the key's path text.
inline constexpr UINT WM_OFFICETHEMECHANGED = 2993;

// Tells registered windows of office theme changes. The platform's registry store has no change
// notification, so the notifier never starts its monitor thread or its hidden window: registering
// does nothing and no change message ever comes. OnOfficeThemeChange fires through ThemeChanged.
class TThemeNotifier : public TComponent {
public:
    explicit TThemeNotifier(TComponent* AOwner);
    // Clears the process's notifier when it is this one.
    ~TThemeNotifier() override;

    // Adds Wnd to the monitor's list; nothing without a monitor thread (always, here).
    void RegisterWindow(HWND Wnd);
    void UnRegisterWindow(HWND Wnd);
    // Fires OnOfficeThemeChange with the notifier as sender.
    void ThemeChanged();

    std::function<void(TObject* Sender)> OnOfficeThemeChange;
};

// The process's one notifier, created on the first call: owned by the application's main form
// when that form exists and has a window, else by AOwner.
TThemeNotifier* GetThemeNotifier(TComponent* AOwner);
