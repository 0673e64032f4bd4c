// Tests of the style interfaces, the platform version answers, office theme detection and the theme notifier.
#include "grid/base/ExtStyleIF.h"

#include "os/Registry.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A component that takes styles and tones, as the grid and the drop-downs do.
class TStyledComponent : public TComponent, public IVyxStyle, public IVyxTones {
public:
    using TComponent::TComponent;
    void SetComponentStyle(TVyxStyle AStyle) override { Style = AStyle; }
    void SetColorTones(const TColorTones& ATones) override { Tones = ATones; }

    TVyxStyle Style = tsCustom;
    TColorTones Tones;
};

const QString Office14 = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");
const QString Office12 = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");

// A registry store of its own for each test.
class OfficeRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { SetRegistryFile(Folder.File(QStringLiteral("registry.xml"))); }
    void TearDown() override { SetRegistryFile(QString()); }

    void WriteTheme(const QString& Key, int32_t Theme)
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(Key, true));
        registry.WriteInteger(QStringLiteral("Theme"), Theme);
    }
    void CreateKey(const QString& Key)
    {
        TRegistry registry;
        registry.CreateKey(Key);
    }

    TempFolder Folder;
};

}  // namespace

TEST(StyleTest, EnumerationsKeepTheirOrdinals)
{
    EXPECT_EQ(tsOffice2003Classic, 3);
    EXPECT_EQ(tsCustom, 8);
    EXPECT_EQ(tsTerminal, 12);
    EXPECT_EQ(tsOffice2010Black, 15);
    EXPECT_EQ(ot2007Blue, 4);
    EXPECT_EQ(ot2010Black, 9);
    EXPECT_EQ(otUnknown, 10);
}

TEST(StyleTest, StylesAndTonesReachComponentsThatTakeThem)
{
    TStyledComponent styled(nullptr);
    TColorTones tones;
    tones.Hover = {clRed, clBlue, clWhite};
    EXPECT_TRUE(ApplyComponentStyle(&styled, tsOffice2007Luna));
    EXPECT_TRUE(ApplyColorTones(&styled, tones));
    EXPECT_EQ(styled.Style, tsOffice2007Luna);
    EXPECT_EQ(styled.Tones, tones);

    TComponent plain(nullptr);
    EXPECT_FALSE(ApplyComponentStyle(&plain, tsWindows7));
    EXPECT_FALSE(ApplyColorTones(&plain, tones));
}

TEST(StyleTest, ThePlatformAnswersAsWindowsXPWithTheClassicLook)
{
    EXPECT_TRUE(IsXPOrLater());
    EXPECT_FALSE(IsVistaOrLater());
    EXPECT_FALSE(IsComCtl6());
    EXPECT_FALSE(IsThemedXP());
    EXPECT_EQ(GetXPVisualStyle(), 0);
    EXPECT_EQ(GetDefaultFontName(), "Tahoma");
}

TEST_F(OfficeRegistryTest, WithoutOfficeTheClassicSchemeIsDetected)
{
    EXPECT_EQ(GetOfficeVersion(), 0);
    EXPECT_EQ(DetectOfficeTheme(), ot2003Classic);
}

TEST_F(OfficeRegistryTest, OfficeVersionFromTheGeneralKeys)
{
    CreateKey(Office12 + QStringLiteral("\\General"));
    EXPECT_EQ(GetOfficeVersion(), 1);
    CreateKey(Office14 + QStringLiteral("\\General"));
    EXPECT_EQ(GetOfficeVersion(), 2);
}

TEST_F(OfficeRegistryTest, TheNewerOfficeThemeWins)
{
    WriteTheme(Office12, 1);
    EXPECT_EQ(DetectOfficeTheme(), ot2007Blue);
    WriteTheme(Office14, 2);
    EXPECT_EQ(DetectOfficeTheme(), ot2010Silver);
}

TEST_F(OfficeRegistryTest, ThemeValuesMapToSchemes)
{
    const std::pair<int32_t, TOfficeTheme> office12[] = {{1, ot2007Blue}, {2, ot2007Silver}, {3, ot2007Black}, {0, ot2003Blue}};
    for (const auto& [value, theme] : office12) {
        WriteTheme(Office12, value);
        EXPECT_EQ(DetectOfficeTheme(), theme) << value;
    }
    const std::pair<int32_t, TOfficeTheme> office14[] = {{1, ot2010Blue}, {2, ot2010Silver}, {3, ot2010Black}, {7, ot2003Blue}};
    for (const auto& [value, theme] : office14) {
        WriteTheme(Office14, value);
        EXPECT_EQ(DetectOfficeTheme(), theme) << value;
    }
}

TEST_F(OfficeRegistryTest, AKeyWithoutThemeValueFallsThrough)
{
    CreateKey(Office14);
    WriteTheme(Office12, 3);
    EXPECT_EQ(DetectOfficeTheme(), ot2007Black);
}

TEST_F(OfficeRegistryTest, ReadingTheThemeValue)
{
    TRegistry registry;
    EXPECT_EQ(ReadOfficeThemeValue(&registry, Office14), -1);
    CreateKey(Office14);
    EXPECT_EQ(ReadOfficeThemeValue(&registry, Office14), -1);
    WriteTheme(Office14, 3);
    EXPECT_EQ(ReadOfficeThemeValue(&registry, Office14), 3);
    EXPECT_EQ(registry.CurrentPath(), "");
}

TEST_F(OfficeRegistryTest, AThemeThatIsNoIntegerRaisesTheReadError)
{
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(Office14, true));
        registry.WriteString(QStringLiteral("Theme"), QStringLiteral("blue"));
    }
    EXPECT_THROW(DetectOfficeTheme(), ERegistryException);
}

TEST(ThemeNotifierTest, OneNotifierPerProcessOwnedByTheCaller)
{
    auto owner = std::make_unique<TComponent>(nullptr);
    TThemeNotifier* notifier = GetThemeNotifier(owner.get());
    EXPECT_EQ(GetThemeNotifier(nullptr), notifier);
    EXPECT_EQ(notifier->Owner(), owner.get());
    owner.reset();
    auto next = std::make_unique<TComponent>(nullptr);
    TThemeNotifier* renewed = GetThemeNotifier(next.get());
    EXPECT_EQ(renewed->Owner(), next.get());
}

TEST(ThemeNotifierTest, ThemeChangesFireTheEventAndRegisteringHasNoMonitor)
{
    TThemeNotifier notifier(nullptr);
    notifier.RegisterWindow(nullptr);
    notifier.RegisterWindow(nullptr);
    notifier.UnRegisterWindow(nullptr);
    TObject* sender = nullptr;
    notifier.ThemeChanged();
    notifier.OnOfficeThemeChange = [&](TObject* Sender) { sender = Sender; };
    notifier.ThemeChanged();
    EXPECT_EQ(sender, &notifier);
}
