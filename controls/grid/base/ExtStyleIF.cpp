// Style interfaces, platform version tests, office theme detection and the theme notifier.
#include "grid/base/ExtStyleIF.h"

#include "grid/base/ExtXPVS.h"
#include "os/Registry.h"
#include "windows/Forms.h"

namespace {

const QString Office14Key = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");
const QString Office12Key = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");

TThemeNotifier* ThemeNotifier = nullptr;

}  // namespace

bool ApplyComponentStyle(TObject* Component, TVyxStyle AStyle)
{
    auto* styled = dynamic_cast<IVyxStyle*>(Component);
    if (!styled) return false;
    styled->SetComponentStyle(AStyle);
    return true;
}

bool ApplyColorTones(TObject* Component, const TColorTones& ATones)
{
    auto* toned = dynamic_cast<IVyxTones*>(Component);
    if (!toned) return false;
    toned->SetColorTones(ATones);
    return true;
}

bool IsXPOrLater()
{
    return WindowsMajorVersion > 5 || (WindowsMajorVersion == 5 && WindowsMinorVersion > 0);
}

bool IsVistaOrLater()
{
    return WindowsMajorVersion >= 6;
}

bool IsComCtl6()
{
    return (ComCtl32MajorVersion & 0xFF) > 5;
}

bool IsThemedXP()
{
    return ThemedPaintingActive(ThemeAPI);
}

int32_t GetOfficeVersion()
{
    TRegistry registry(KEY_READ);
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (registry.KeyExists(Office14Key + QStringLiteral("\\General"))) return 2;
    if (registry.KeyExists(Office12Key + QStringLiteral("\\General"))) return 1;
    return 0;
}

int32_t GetXPVisualStyle()
{
    // The colour scheme comes from the visual-styles library, which this platform lacks: its
    // themes are never active.
    return 0;
}

int32_t ReadOfficeThemeValue(TRegistry* Registry, const QString& KeyPath)
{
    if (!Registry->KeyExists(KeyPath) || !Registry->OpenKey(KeyPath, false)) return -1;
    int32_t value = -1;
    try {
        if (Registry->ValueExists(QStringLiteral("Theme"))) value = Registry->ReadInteger(QStringLiteral("Theme"));
    } catch (...) {
        Registry->CloseKey();
        throw;
    }
    Registry->CloseKey();
    return value;
}

TOfficeTheme DetectOfficeTheme()
{
    TRegistry registry(KEY_READ);
    registry.SetRootKey(HKEY_CURRENT_USER);
    switch (ReadOfficeThemeValue(&registry, Office14Key)) {
    case -1:
        break;
    case 1: return ot2010Blue;
    case 2: return ot2010Silver;
    case 3: return ot2010Black;
    default: return ot2003Blue;
    }
    switch (ReadOfficeThemeValue(&registry, Office12Key)) {
    case -1:
        break;
    case 1: return ot2007Blue;
    case 2: return ot2007Silver;
    case 3: return ot2007Black;
    default: return ot2003Blue;
    }
    switch (GetXPVisualStyle()) {
    case 0: return ot2003Classic;
    case 2: return ot2003Olive;
    case 3: return ot2003Silver;
    default: return ot2003Blue;
    }
}

QString GetDefaultFontName()
{
    return IsVistaOrLater() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma");
}

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner) {}

TThemeNotifier::~TThemeNotifier()
{
    if (ThemeNotifier == this) ThemeNotifier = nullptr;
}

void TThemeNotifier::RegisterWindow(HWND) {}

void TThemeNotifier::UnRegisterWindow(HWND) {}

void TThemeNotifier::ThemeChanged()
{
    if (OnOfficeThemeChange) OnOfficeThemeChange(this);
}

TThemeNotifier* GetThemeNotifier(TComponent* AOwner)
{
    if (!ThemeNotifier) {
        TComponent* owner = AOwner;
        if (Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
            owner = Application->MainForm();
        ThemeNotifier = New<TThemeNotifier>(owner);
    }
    return ThemeNotifier;
}
