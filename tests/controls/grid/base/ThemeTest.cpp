// Tests of the visual-styles binding on a platform without the library.
#include "grid/base/ExtXPVS.h"

#include "graphics/Colors.h"
#include "platform/graphics/CanvasTestSupport.h"

#include <gtest/gtest.h>

namespace {

void ExpectUnbound(const TThemeAPI& API)
{
    EXPECT_FALSE(API.Loaded);
    EXPECT_EQ(API.Library, nullptr);
    EXPECT_EQ(API.OpenThemeData, nullptr);
    EXPECT_EQ(API.CloseThemeData, nullptr);
    EXPECT_EQ(API.DrawThemeBackground, nullptr);
    EXPECT_EQ(API.IsThemeActive, nullptr);
    EXPECT_EQ(API.GetCurrentThemeName, nullptr);
}

}  // namespace

TEST(ThemeTest, BothInstancesStayUnloadedWithoutTheLibrary)
{
    LoadThemeAPI();
    LoadDropDownThemeAPI();
    LoadThemeAPI();
    ExpectUnbound(ThemeAPI);
    ExpectUnbound(DropDownThemeAPI);
    EXPECT_NE(&ThemeAPI, &DropDownThemeAPI);
}

TEST(ThemeTest, UnloadingAnUnboundInstanceDoesNothing)
{
    UnloadThemeAPI();
    UnloadDropDownThemeAPI();
    ExpectUnbound(ThemeAPI);
    ExpectUnbound(DropDownThemeAPI);
}

TEST(ThemeTest, ThemedPaintingIsNeverActive)
{
    LoadThemeAPI();
    EXPECT_FALSE(ThemedPaintingActive());
    EXPECT_FALSE(ThemedPaintingActive(DropDownThemeAPI));
}

class ThemePaintTest : public TPaintTest {};

TEST_F(ThemePaintTest, ThemedPartsLeaveTheDrawingToTheClassicLook)
{
    EXPECT_FALSE(DrawThemedPart(ThemeAPI, nullptr, u"button", &Canvas, BP_PUSHBUTTON, PBS_NORMAL, Rect(0, 0, 40, 20)));
    EXPECT_FALSE(DrawThemedPart(DropDownThemeAPI, nullptr, u"combobox", &Canvas, CP_DROPDOWNBUTTON, CBXS_HOT,
                                Rect(0, 0, 17, 20)));
    EXPECT_TRUE(Ink().isEmpty());
}
