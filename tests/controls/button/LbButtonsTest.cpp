// Face painting: colour presets, gradient and blend arithmetic, glyph cells, borders, layouts, caption cutting.
#include "ButtonTestSupport.h"

#include "button/LbButtons.h"
#include "graphics/DrawText.h"
#include "support/LayerInternals.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ButtonTest;

namespace {

constexpr TColor Sentinel = 0x123456;
constexpr TColor Magenta = 0xFF00FF;

// Paints Face on a bitmap of its size that holds Sentinel before.
QImage Paint(const TLbFace& Face)
{
    TBitmap Bitmap;
    Bitmap.SetSize(Face.Width, Face.Height);
    Bitmap.Canvas()->Brush()->SetColor(Sentinel);
    Bitmap.Canvas()->FillRect(Rect(0, 0, Face.Width, Face.Height));
    Draw_Button_Face(Bitmap.Canvas(), Face);
    return ImageOf(Bitmap);
}

class FaceTest : public ::testing::Test {
protected:
    FaceTest() { UseDialogFont(&Font); }

    // A 100 x 23 face in the configurator's colours, without caption or glyph.
    TLbFace Base(TLbButtonStyle Style = bsNormal)
    {
        TLbFace Result;
        Result.Width = 100;
        Result.Height = 23;
        Result.Font = &Font;
        Result.Color = Face;
        Result.LightColor = clWhite;
        Result.ShadowColor = clGray;
        Result.HotTrackColor = clYellow;
        Result.ColorWhenDown = WhenDown;
        Result.Style = Style;
        return Result;
    }

    // The size DrawText gives Caption wrapped in Width with the test font.
    TSize Measure(const QString& Caption, int32_t Width)
    {
        TBitmap Bitmap;
        Bitmap.Canvas()->Font()->Assign(&Font);
        TRect Bounds = Rect(0, 0, Width, 0);
        DrawText(Bitmap.Canvas()->Handle(), Caption, -1, Bounds, DT_WORDBREAK | DT_CALCRECT);
        return {Bounds.Width(), Bounds.Height()};
    }

    TFont Font;
};

// ---- Presets ----

struct TPresetCase {
    const char* Name;
    int Style;
    TLbStyleColors Expected;
};

void PrintTo(const TPresetCase& Case, std::ostream* Out)
{
    *Out << Case.Name;
}

// What a preset leaves of these colours: only the flags and the font colour.
constexpr TLbStyleColors Before{1, 2, 3, 4, 5, 6, true, true, true};
constexpr TLbStyleColors Untouched{1, 2, 3, 4, 5, clBlack, false, false, false};

class PresetTest : public ::testing::TestWithParam<TPresetCase> {};

TEST_P(PresetTest, WritesThePresetColoursAndLooks)
{
    TLbStyleColors Colors = Before;
    Get_Color_Style_Colors(static_cast<TLbColorStyle>(GetParam().Style), Colors);
    EXPECT_TRUE(Colors == GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, PresetTest,
    ::testing::Values(
        TPresetCase{"Custom", lcsCustom, Untouched},
        TPresetCase{"Gold", lcsGold, {0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, clBlack, false, true, false}},
        TPresetCase{"Chrome", lcsChrome, {0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, clBlack, false, true, false}},
        TPresetCase{"Blue", lcsBlue, {0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, clBlack, false, true, false}},
        TPresetCase{"Red", lcsRed, {0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, clBlack, false, true, false}},
        TPresetCase{"UltraFlat1", lcsUltraFlat1,
                    {clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, clBlack, true, false, false}},
        TPresetCase{"UltraFlat2", lcsUltraFlat2,
                    {clBtnFace, clBlack, clBlack, 0x24DABC, 0x8CF6E4, clBlack, true, false, false}},
        TPresetCase{"UltraFlatXP", lcsUltraFlatXP,
                    {0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, clBlack, true, false, false}},
        TPresetCase{"Aqua", lcsAqua, {0xECCE94, 0xFCE6D4, clBlack, clNone, clNone, clBlack, false, true, false}},
        TPresetCase{"Default", lcsDefault,
                    {clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, clBlack, false, false, false}},
        TPresetCase{"Quicken", lcsQuicken,
                    {0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, 0xFFFFFF, false, false, true}},
        TPresetCase{"BeyondTheLastActsAsCustom", 11, Untouched},
        // Only the low seven bits are looked at.
        TPresetCase{"HighBitIgnored", 0x80 | lcsGold,
                    {0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, clBlack, false, true, false}},
        TPresetCase{"HighBitOnCustom", 0x80, Untouched}),
    [](const auto& Info) { return std::string(Info.param.Name); });

// ---- Arithmetic ----

TEST(BlendTest, MovesEachChannelByEighthsAndTruncates)
{
    struct TCase {
        TColor Face;
        TColor Hot;
        int32_t Step;
        TColor Expected;
    };
    const TCase Cases[] = {
        {0x000000, 0xFFFFFF, 0, 0x000000},
        {0x000000, 0xFFFFFF, 1, 0x1F1F1F},  // 31.875
        {0x000000, 0xFFFFFF, 4, 0x7F7F7F},  // 127.5: the mean, truncated
        {0x000000, 0xFFFFFF, 8, 0xFFFFFF},
        {0xFFFFFF, 0x000000, 7, 0x1F1F1F},
        {Face, clYellow, 4, 0x76FBFB},      // 237/0 -> 118, 247/255 -> 251, 248/255 -> 251
        {Face, clYellow, 8, clYellow},
        {clBtnFace, clWhite, 0, ColorToRGB(clBtnFace)},
        {clBtnFace, clWhite, 8, clWhite},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(ColorText(Blend_HotTrack_Color(Case.Face, Case.Hot, Case.Step)), ColorText(Case.Expected))
            << ColorText(Case.Face).toStdString() << " step " << Case.Step;
}

// Paints a gradient into a Width x Height bitmap holding Sentinel and returns it.
QImage Gradient(TColor From, TColor To, const TRect& Area, int32_t Width, int32_t Height)
{
    TBitmap Bitmap;
    Bitmap.SetSize(Width, Height);
    Bitmap.Canvas()->Brush()->SetColor(Sentinel);
    Bitmap.Canvas()->FillRect(Rect(0, 0, Width, Height));
    Fill_Gradient(Bitmap.Canvas(), From, To, Area.Left, Area.Top, Area.Right, Area.Bottom);
    return ImageOf(Bitmap);
}

TEST(GradientTest, EachRowShowsTheLastBandStartingThere)
{
    // Red 0 -> 248 steps by exactly 8 per band; over 10 rows band i starts at row i * 10 div 31.
    const QImage Image = Gradient(clBlack, RGB(248, 0, 0), Rect(0, 0, 4, 10), 5, 12);
    const int32_t LastBand[] = {3, 6, 9, 12, 15, 18, 21, 24, 27, 30};
    for (int32_t Row = 0; Row < 10; ++Row) {
        EXPECT_EQ(ColorAt(Image, 0, Row), ColorText(RGB(8 * LastBand[Row], 0, 0))) << "row " << Row;
        EXPECT_EQ(ColorAt(Image, 3, Row), ColorAt(Image, 0, Row)) << "row " << Row;
        EXPECT_EQ(ColorAt(Image, 4, Row), ColorText(Sentinel)) << "row " << Row;
    }
    // Band 31 starts at the bottom edge and paints nothing.
    EXPECT_EQ(ColorAt(Image, 0, 10), ColorText(Sentinel));
}

TEST(GradientTest, ChannelsGrowByAThirtyFirstPerBandTruncated)
{
    // Over 62 rows band i covers rows 2i and 2i + 1.
    const QImage Image = Gradient(RGB(0, 255, 132), RGB(255, 0, 255), Rect(0, 0, 1, 62), 1, 62);
    const int Red[] = {0,   8,   16,  24,  32,  41,  49,  57,  65,  74,  82,  90,  98,  106, 115, 123,
                       131, 139, 148, 156, 164, 172, 180, 189, 197, 205, 213, 222, 230, 238, 246};
    const int Green[] = {255, 246, 238, 230, 222, 213, 205, 197, 189, 180, 172, 164, 156, 148, 139, 131,
                         123, 115, 106, 98,  90,  82,  74,  65,  57,  49,  41,  32,  24,  16,  8};
    const int Blue[] = {132, 135, 139, 143, 147, 151, 155, 159, 163, 167, 171, 175, 179, 183, 187, 191,
                        195, 199, 203, 207, 211, 215, 219, 223, 227, 231, 235, 239, 243, 247, 251};
    for (int Band = 0; Band <= 30; ++Band) {
        const QString Expected = ColorText(RGB(Red[Band], Green[Band], Blue[Band]));
        EXPECT_EQ(ColorAt(Image, 0, 2 * Band), Expected) << "band " << Band;
        EXPECT_EQ(ColorAt(Image, 0, 2 * Band + 1), Expected) << "band " << Band;
    }
}

TEST(GradientTest, SystemColoursAreResolvedFirst)
{
    const QImage Image = Gradient(clBtnFace, clBtnFace, Rect(0, 0, 2, 40), 2, 40);
    for (int Row : {0, 20, 39}) EXPECT_EQ(ColorAt(Image, 1, Row), ColorText(clBtnFace));
}

TEST(GlyphTest, DrawsOneCellWithItsBottomLeftColourTransparent)
{
    auto Strip = MakeStrip(2);
    Strip->Canvas()->SetPixels(CellSize + 4, 3, Background);
    TBitmap Target;
    Target.SetSize(20, 20);
    Target.Canvas()->Brush()->SetColor(clWhite);
    Target.Canvas()->FillRect(Rect(0, 0, 20, 20));
    Draw_Glyph(Target.Canvas(), Strip.get(), 3, 2, CellSize, 0, CellSize, CellSize);
    const QImage Image = ImageOf(Target);
    EXPECT_EQ(InkBounds(Image, Rgb(CellColors[1]), Image.rect()), QRect(3, 2, CellSize, CellSize));
    EXPECT_EQ(ColorAt(Image, 3, 2 + CellSize - 1), ColorText(clWhite));
    EXPECT_EQ(ColorAt(Image, 3 + 4, 2 + 3), ColorText(clWhite));
    EXPECT_TRUE(InkBounds(Image, Rgb(CellColors[0]), Image.rect()).isEmpty());
}

// ---- Background and border ----

struct TPixelCheck {
    TPoint At;
    TColor Color;
};

struct TBorderCase {
    const char* Name;
    TLbButtonStyle Style;
    bool Enabled;
    bool Flat;
    bool Hot;
    bool Down;
    int32_t Step;
    std::vector<TPixelCheck> Pixels;
};

void PrintTo(const TBorderCase& Case, std::ostream* Out)
{
    *Out << Case.Name;
}

class BorderTest : public FaceTest, public ::testing::WithParamInterface<TBorderCase> {};

TEST_P(BorderTest, PaintsTheFaceAndEdgesOfTheState)
{
    const TBorderCase& Case = GetParam();
    TLbFace Inputs = Base(Case.Style);
    Inputs.Enabled = Case.Enabled;
    Inputs.Flat = Case.Flat;
    Inputs.Hot = Case.Hot;
    Inputs.Down = Case.Down;
    Inputs.HotTrackStep = Case.Step;
    const QImage Image = Paint(Inputs);
    for (const TPixelCheck& Check : Case.Pixels)
        EXPECT_EQ(ColorAt(Image, Check.At.X, Check.At.Y), ColorText(Check.Color)) << Check.At.X << "," << Check.At.Y;
}

// On a 100 x 23 face: W - 1 = 99, W - 2 = 98, H - 1 = 22, H - 2 = 21.
constexpr TColor L = clWhite;
constexpr TColor S = clGray;
constexpr TColor Dk = cl3DDkShadow;
const std::vector<TPixelCheck> RaisedNormal = {{{0, 0}, L}, {{98, 0}, L}, {{0, 22}, L}, {{0, 11}, L}, {{99, 0}, S},
                                               {{99, 11}, S}, {{99, 22}, S}, {{1, 22}, S}, {{50, 11}, Face}};
const std::vector<TPixelCheck> SunkenNormal = {{{0, 0}, S}, {{98, 0}, S}, {{0, 22}, S}, {{99, 0}, L},
                                               {{99, 22}, L}, {{1, 22}, L}, {{50, 11}, WhenDown}};
const std::vector<TPixelCheck> NoBorder = {{{0, 0}, Face}, {{99, 22}, Face}, {{0, 11}, Face}, {{50, 11}, Face}};

INSTANTIATE_TEST_SUITE_P(
    States, BorderTest,
    ::testing::Values(
        TBorderCase{"NormalUp", bsNormal, true, false, false, false, 0, RaisedNormal},
        TBorderCase{"NormalDown", bsNormal, true, false, true, true, 8, SunkenNormal},
        TBorderCase{"EncartaUp", bsEncarta, true, false, false, false, 0, RaisedNormal},
        TBorderCase{"EncartaDown", bsEncarta, true, false, true, true, 8, SunkenNormal},
        TBorderCase{"HotShowsTheBlendOfItsStep", bsEncarta, true, false, true, false, 8,
                    {{{0, 0}, L}, {{99, 22}, S}, {{50, 11}, clYellow}}},
        TBorderCase{"HalfwayFade", bsEncarta, true, false, false, false, 4, {{{50, 11}, 0x76FBFB}}},
        TBorderCase{"FlatHasNoBorder", bsNormal, true, true, false, false, 0, NoBorder},
        TBorderCase{"FlatHot", bsNormal, true, true, true, false, 0, {{{0, 0}, L}, {{99, 22}, S}, {{50, 11}, Face}}},
        TBorderCase{"FlatDown", bsEncarta, true, true, false, true, 0, SunkenNormal},
        TBorderCase{"DisabledFlat", bsNormal, false, true, true, true, 8, NoBorder},
        // Disabled: no pressed look, no blend, whatever the inputs.
        TBorderCase{"DisabledDown", bsNormal, false, false, true, true, 8, RaisedNormal},
        TBorderCase{"OldUp", bsOld, true, false, false, false, 0,
                    {{{0, 0}, L}, {{98, 0}, L}, {{0, 11}, L}, {{98, 5}, S}, {{5, 21}, S}, {{99, 0}, Dk}, {{99, 5}, Dk},
                     {{5, 22}, Dk}, {{0, 22}, Dk}, {{50, 11}, Face}}},
        TBorderCase{"OldDown", bsOld, true, false, false, true, 0,
                    {{{1, 5}, S}, {{5, 1}, S}, {{0, 5}, Dk}, {{5, 0}, Dk}, {{99, 5}, L}, {{5, 22}, L}, {{0, 22}, L},
                     {{50, 11}, WhenDown}}},
        TBorderCase{"OldFlat", bsOld, true, true, false, false, 0, NoBorder},
        TBorderCase{"QuickenLinesAndRoundedFill", bsQuicken, true, false, false, false, 0,
                    {{{4, 0}, S},
                     {{94, 0}, S},
                     {{95, 0}, Sentinel},
                     {{3, 0}, Sentinel},
                     {{10, 22}, S},
                     {{0, 1}, Sentinel},
                     {{50, 11}, Face}}},
        TBorderCase{"ShapeIsAllTransparent", bsShape, true, false, true, true, 8,
                    {{{0, 0}, Magenta}, {{99, 22}, Magenta}, {{50, 11}, Magenta}}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(FaceTest, ModernGradientMeetsItsMirrorAtAQuarterOfTheHeightOneRowLowerWhilePressed)
{
    for (const bool Down : {false, true}) {
        TLbFace Inputs = Base(bsModern);
        Inputs.Height = 140;
        Inputs.Color = clBlack;
        Inputs.HotTrackColor = clNone;
        Inputs.ColorWhenDown = clNone;
        Inputs.Down = Down;
        const QImage Image = Paint(Inputs);
        const int Seam = 140 / 4 + (Down ? 1 : 0);
        SCOPED_TRACE(Down ? "down" : "up");
        EXPECT_EQ(ColorAt(Image, 50, 2), ColorText(clWhite));
        EXPECT_EQ(ColorAt(Image, 50, Seam), ColorText(clBlack));
        EXPECT_EQ(ColorAt(Image, 50, Seam - 1), ColorText(0x080808));
        // The inner frame takes the face colour, the shadow while pressed; the rounded outline the shadow.
        EXPECT_EQ(ColorAt(Image, 1, 70), ColorText(Down ? clGray : clBlack));
        EXPECT_EQ(ColorAt(Image, 0, 70), ColorText(clGray));
        EXPECT_EQ(ColorAt(Image, 50, 0), ColorText(clGray));
        EXPECT_EQ(ColorAt(Image, 0, 0), ColorText(Sentinel));
        EXPECT_EQ(ColorAt(Image, 99, 139), ColorText(Sentinel));
    }
}

// ---- Glyph cells ----

struct TCellCase {
    int32_t Cells;
    bool Enabled;
    bool Hot;
    bool Down;
    int32_t Expected;
};

TEST_F(FaceTest, TheStateChoosesTheGlyphCellOnlyWhenTheStripHasIt)
{
    const TCellCase Cases[] = {
        {1, true, false, false, 0}, {1, false, false, false, 0}, {1, true, true, false, 0},  {1, true, false, true, 0},
        {2, false, false, false, 1}, {2, true, true, false, 0},  {2, true, false, true, 0},  {3, true, false, true, 2},
        {3, true, true, false, 0},  {4, true, true, false, 3},   {4, true, false, true, 2},  {4, true, true, true, 2},
        {4, false, true, true, 1},  {4, true, false, false, 0},
    };
    for (const TCellCase& Case : Cases) {
        auto Strip = MakeStrip(Case.Cells);
        TLbFace Inputs = Base(bsNormal);
        Inputs.Width = 60;
        Inputs.Height = 30;
        Inputs.Glyph = Strip.get();
        Inputs.NumGlyphs = Case.Cells;
        Inputs.Enabled = Case.Enabled;
        Inputs.Hot = Case.Hot;
        Inputs.Down = Case.Down;
        const QImage Image = Paint(Inputs);
        // Centred on an empty caption; pressed, one pixel right and down.
        const int32_t D = Case.Enabled && Case.Down ? 1 : 0;
        const QRect Expected(26 + D, 11 + D, CellSize, CellSize);
        EXPECT_EQ(InkBounds(Image, Rgb(CellColors[Case.Expected]), Image.rect()), Expected)
            << Case.Cells << " cells, enabled " << Case.Enabled << ", hot " << Case.Hot << ", down " << Case.Down;
        // Its bottom-left pixel is transparent.
        EXPECT_NE(ColorAt(Image, 26 + D, 11 + D + CellSize - 1), ColorText(Background));
    }
}

TEST_F(FaceTest, NoCellsShowNoGlyph)
{
    auto Strip = MakeStrip(1);
    TLbFace Inputs = Base();
    Inputs.Glyph = Strip.get();
    Inputs.NumGlyphs = 0;
    const QImage Image = Paint(Inputs);
    EXPECT_TRUE(InkBounds(Image, Rgb(CellColors[0]), Image.rect()).isEmpty());
}

// ---- Layouts ----

struct TLayoutCase {
    const char* Name;
    TLbButtonLayout Layout;
    TAlignment Alignment;
    bool WordWrap;
    // The glyph's top-left corner, from the caption's measured width and height.
    TPoint (*Glyph)(int32_t Width, int32_t Height);
};

void PrintTo(const TLayoutCase& Case, std::ostream* Out)
{
    *Out << Case.Name;
}

class LayoutTest : public FaceTest, public ::testing::WithParamInterface<TLayoutCase> {};

// A 120 x 40 face with an 8 x 8 glyph: beside the glyph the caption has 120 - 8 - 12 = 100 pixels,
// above or below it 112; beside it, the caption takes its width + 4.
TEST_P(LayoutTest, PlacesGlyphAndCaption)
{
    const TLayoutCase& Case = GetParam();
    const QString Caption = QStringLiteral("Ab");
    const bool Beside = Case.Layout == blGlyphLeft || Case.Layout == blGlyphRight;
    const TSize Text = Measure(Caption, Beside ? 100 : 112);
    auto Strip = MakeStrip(1);
    TLbFace Inputs = Base(bsNormal);
    Inputs.Width = 120;
    Inputs.Height = 40;
    Inputs.Caption = Caption;
    Inputs.Layout = Case.Layout;
    Inputs.Alignment = Case.Alignment;
    Inputs.WordWrap = Case.WordWrap;
    Inputs.Glyph = Strip.get();
    Inputs.NumGlyphs = 1;
    const QImage Image = Paint(Inputs);
    const TPoint Glyph = Case.Glyph(Text.cx, Text.cy);
    EXPECT_EQ(InkBounds(Image, Rgb(CellColors[0]), Image.rect()), QRect(Glyph.X, Glyph.Y, CellSize, CellSize));
    // Above or below, glyph and caption are centred together with 4 pixels between them.
    const int32_t Block = CellSize + 4 + Text.cy;
    const int32_t AboveText = Case.Layout == blGlyphTop ? CellSize : 0;
    const QRect TextArea = Beside ? QRect(Case.Layout == blGlyphLeft ? 16 : 4, (40 - Text.cy) / 2, 100, Text.cy)
                                  : QRect(4, (40 - Block) / 2 + AboveText, 112, Text.cy);
    const QRect Ink = InkBounds(Image, Rgb(clBlack), Image.rect());
    EXPECT_FALSE(Ink.isEmpty());
    EXPECT_TRUE(TextArea.contains(Ink)) << "caption ink at " << Ink.x() << "," << Ink.y() << " size " << Ink.width()
                                        << "x" << Ink.height();
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LayoutTest,
    ::testing::Values(
        TLayoutCase{"LeftLeft", blGlyphLeft, taLeftJustify, false, [](int32_t, int32_t) { return TPoint{4, 16}; }},
        TLayoutCase{"LeftRight", blGlyphLeft, taRightJustify, false,
                    [](int32_t W, int32_t) { return TPoint{120 - 8 - (W + 4) - 4, 16}; }},
        TLayoutCase{"LeftCenter", blGlyphLeft, taCenter, false,
                    [](int32_t W, int32_t) { return TPoint{56 - (W + 4) / 2, 16}; }},
        TLayoutCase{"LeftCenterWrapped", blGlyphLeft, taCenter, true, [](int32_t, int32_t) { return TPoint{4, 16}; }},
        TLayoutCase{"RightLeft", blGlyphRight, taLeftJustify, false,
                    [](int32_t W, int32_t) { return TPoint{4 + W + 4, 16}; }},
        TLayoutCase{"RightRight", blGlyphRight, taRightJustify, false,
                    [](int32_t, int32_t) { return TPoint{108, 16}; }},
        TLayoutCase{"RightCenter", blGlyphRight, taCenter, false,
                    [](int32_t W, int32_t) { return TPoint{56 + (W + 4) / 2, 16}; }},
        TLayoutCase{"RightRightWrapped", blGlyphRight, taRightJustify, true,
                    [](int32_t W, int32_t) { return TPoint{4 + W + 4, 16}; }},
        TLayoutCase{"TopLeft", blGlyphTop, taLeftJustify, false,
                    [](int32_t, int32_t H) { return TPoint{4, (40 - (8 + 4 + H)) / 2}; }},
        TLayoutCase{"TopRight", blGlyphTop, taRightJustify, false,
                    [](int32_t, int32_t H) { return TPoint{108, (40 - (8 + 4 + H)) / 2}; }},
        TLayoutCase{"BottomCenter", blGlyphBottom, taCenter, false,
                    [](int32_t, int32_t H) { return TPoint{56, (40 - (8 + 4 + H)) / 2 + H}; }}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(FaceTest, AnEmptyCaptionLeavesNoGapBesideTheGlyph)
{
    auto Strip = MakeStrip(1);
    for (const TLbButtonLayout Layout : {blGlyphLeft, blGlyphRight}) {
        TLbFace Inputs = Base();
        Inputs.Layout = Layout;
        Inputs.Glyph = Strip.get();
        Inputs.NumGlyphs = 1;
        const QImage Image = Paint(Inputs);
        EXPECT_EQ(InkBounds(Image, Rgb(CellColors[0]), Image.rect()), QRect(46, 7, CellSize, CellSize)) << Layout;
    }
}

// ---- Caption ----

TEST_F(FaceTest, ATooWideCaptionLosesCharactersFromItsEndWithoutEllipsis)
{
    const QString Caption = QStringLiteral("Configuration");
    TLbFace Inputs = Base();
    Inputs.Width = 40;
    Inputs.Caption = Caption;
    Inputs.Alignment = taLeftJustify;
    // The longest head whose text width is at most 40 - 8.
    TBitmap Measure;
    Measure.Canvas()->Font()->Assign(&Font);
    QString Head = Caption;
    while (Measure.Canvas()->TextWidth(Head) > 32) Head.chop(1);
    ASSERT_LT(Head.size(), Caption.size());
    ASSERT_FALSE(Head.isEmpty());
    TLbFace Cut = Inputs;
    Cut.Caption = Head;
    EXPECT_EQ(Paint(Inputs), Paint(Cut));
    // Word wrap keeps the whole caption.
    Inputs.WordWrap = true;
    Cut.WordWrap = true;
    EXPECT_NE(Paint(Inputs), Paint(Cut));
}

TEST_F(FaceTest, WordWrapBreaksTheCaptionIntoLines)
{
    TLbFace Inputs = Base();
    Inputs.Height = 60;
    Inputs.Caption = QStringLiteral("Update Device");
    Inputs.WordWrap = true;
    Inputs.Width = 8 + Measure(QStringLiteral("Update"), 1000).cx + 2;
    const QRect Wrapped = InkBounds(Paint(Inputs), Rgb(clBlack), QRect(0, 0, Inputs.Width, 60));
    const int32_t Line = Measure(QStringLiteral("Update"), 1000).cy;
    EXPECT_GT(Wrapped.height(), Line);
}

TEST_F(FaceTest, ADisabledCaptionIsGreyExceptOnAShape)
{
    for (const TLbButtonStyle Style : {bsNormal, bsEncarta, bsOld, bsModern, bsQuicken, bsShape}) {
        TLbFace Inputs = Base(Style);
        Inputs.Caption = QStringLiteral("Abbrechen");
        Inputs.Enabled = false;
        const QImage Image = Paint(Inputs);
        const bool Grey = Style != bsShape;
        EXPECT_EQ(InkBounds(Image, Rgb(clGray), QRect(2, 2, 96, 19)).isEmpty(), !Grey) << Style;
        EXPECT_EQ(InkBounds(Image, Rgb(clBlack), QRect(2, 2, 96, 19)).isEmpty(), Grey) << Style;
    }
}

TEST_F(FaceTest, PressedEncartaTurnsTheCaptionBoldInPlaceOthersMoveOnePixel)
{
    auto Strip = MakeStrip(1);
    const auto Render = [&](TLbButtonStyle Style, bool Down) {
        TLbFace Inputs = Base(Style);
        Inputs.Caption = QStringLiteral("Abbrechen");
        Inputs.Alignment = taLeftJustify;
        Inputs.Glyph = Strip.get();
        Inputs.NumGlyphs = 1;
        Inputs.ColorWhenDown = clNone;
        Inputs.Down = Down;
        return Paint(Inputs);
    };
    const QRect Area(2, 2, 96, 19);
    const QImage EncartaUp = Render(bsEncarta, false);
    const QImage EncartaDown = Render(bsEncarta, true);
    EXPECT_GT(InkBounds(EncartaDown, Rgb(clBlack), Area).width(), InkBounds(EncartaUp, Rgb(clBlack), Area).width());
    EXPECT_EQ(InkBounds(EncartaDown, Rgb(CellColors[0]), Area), InkBounds(EncartaUp, Rgb(CellColors[0]), Area));
    const QImage NormalUp = Render(bsNormal, false);
    const QImage NormalDown = Render(bsNormal, true);
    const QRect NormalGlyph = InkBounds(NormalUp, Rgb(CellColors[0]), Area);
    EXPECT_EQ(InkBounds(NormalDown, Rgb(CellColors[0]), Area), NormalGlyph.translated(1, 1));
    EXPECT_EQ(InkBounds(NormalDown, Rgb(clBlack), Area), InkBounds(NormalUp, Rgb(clBlack), Area).translated(1, 1));
}

TEST_F(FaceTest, APopupMenuAddsTheArrowRightOfCentre)
{
    for (const TLbButtonStyle Style : {bsNormal, bsEncarta, bsModern, bsShape}) {
        TLbFace Inputs = Base(Style);
        Inputs.HasPopup = true;
        const QImage Image = Paint(Inputs);
        const QRect Arrow(89, 10, 5, 3);
        EXPECT_EQ(InkBounds(Image, Rgb(clBlack), QRect(80, 5, 18, 13)), Arrow) << Style;
        // A triangle: 5, 3 and 1 pixels wide; the white around it is transparent.
        EXPECT_EQ(InkBounds(Image, Rgb(clBlack), QRect(89, 11, 5, 1)), QRect(90, 11, 3, 1)) << Style;
        EXPECT_EQ(InkBounds(Image, Rgb(clBlack), QRect(89, 12, 5, 1)), QRect(91, 12, 1, 1)) << Style;
        EXPECT_NE(ColorAt(Image, 89, 12), ColorText(clWhite)) << Style;
    }
}

}  // namespace
