// Tests of the colour values and conversions, the font, pen and brush objects and the font mapping.
#include "CanvasTestSupport.h"

#include "graphics/DrawText.h"
#include "graphics/FontMapper.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/Exceptions.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

TEST(ColorsTest, ValuesFollowTheBgrLayout)
{
    EXPECT_EQ(clRed, static_cast<TColor>(RGB(255, 0, 0)));
    EXPECT_EQ(clBlue, static_cast<TColor>(RGB(0, 0, 255)));
    EXPECT_EQ(clBtnFace, static_cast<TColor>(0xFF00000F));
    EXPECT_EQ(cl3DDkShadow, static_cast<TColor>(0xFF000015));
    EXPECT_EQ(clMenuBar, static_cast<TColor>(0xFF00001E));
    EXPECT_EQ(clNone, 0x1FFFFFFF);
    EXPECT_EQ(clDefault, 0x20000000);
    const COLORREF c = RGB(0x12, 0x34, 0x56);
    EXPECT_EQ(c, 0x563412u);
    EXPECT_EQ(GetRValue(c), 0x12);
    EXPECT_EQ(GetGValue(c), 0x34);
    EXPECT_EQ(GetBValue(c), 0x56);
}

TEST(ColorsTest, ColorToRgbResolvesSystemColoursThroughTheTable)
{
    const struct {
        TColor Color;
        COLORREF Rgb;
    } cases[] = {
        {clBtnFace, RGB(212, 208, 200)},   {clBtnShadow, RGB(128, 128, 128)}, {clBtnHighlight, RGB(255, 255, 255)},
        {cl3DDkShadow, RGB(64, 64, 64)},   {cl3DLight, RGB(212, 208, 200)},   {clWindow, RGB(255, 255, 255)},
        {clWindowText, RGB(0, 0, 0)},      {clHighlight, RGB(10, 36, 106)},   {clInfoBk, RGB(255, 255, 225)},
        {clMoneyGreen, RGB(192, 220, 192)}, {0x123456, 0x123456},             {clNone, 0x1FFFFFFF},
    };
    for (const auto& c : cases) EXPECT_EQ(ColorToRGB(c.Color), static_cast<TColor>(c.Rgb)) << std::hex << c.Color;
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
    EXPECT_EQ(GetSysColor(99), 0u);
}

TEST(ColorsTest, ColorTextRoundTrips)
{
    const struct {
        TColor Color;
        const char* Text;
    } cases[] = {
        {clRed, "clRed"},           {clBtnFace, "clBtnFace"},    {clNone, "clNone"},
        {clMedGray, "clMedGray"},   {cl3DDkShadow, "cl3DDkShadow"}, {0x123456, "$00123456"},
        {static_cast<TColor>(0xFF000019), "$FF000019"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorToString(c.Color), QString::fromLatin1(c.Text));
        EXPECT_EQ(StringToColor(QString::fromLatin1(c.Text)), c.Color) << c.Text;
    }
}

TEST(ColorsTest, StringToColorAcceptsNamesInAnyCaseAndNumbers)
{
    EXPECT_EQ(StringToColor(QStringLiteral("CLWINDOW")), clWindow);
    EXPECT_EQ(StringToColor(QStringLiteral("255")), clRed);
    EXPECT_EQ(StringToColor(QStringLiteral("$FF0000")), clBlue);
    EXPECT_EQ(StringToColor(QStringLiteral("-16777201")), clBtnFace);
    EXPECT_THROW(StringToColor(QStringLiteral("clPink")), EConvertError);
    EXPECT_THROW(StringToColor(QString()), EConvertError);
    TColor color = 0;
    EXPECT_FALSE(IdentToColor(QStringLiteral("clPink"), color));
    QString ident;
    EXPECT_FALSE(ColorToIdent(0x010203, ident));
}

TEST(FontTest, DefaultsAreTahomaEightPoints)
{
    TFont font;
    EXPECT_EQ(font.Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_TRUE(font.Style().Empty());
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
}

TEST(FontTest, SizeAndHeightConvertAtNinetySixPixelsPerInch)
{
    const struct {
        int32_t Size;
        int32_t Height;
    } sizes[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {14, -19}, {24, -32}};
    for (const auto& s : sizes) {
        TFont font;
        font.SetSize(s.Size);
        EXPECT_EQ(font.Height(), s.Height) << s.Size;
        font.SetHeight(s.Height);
        EXPECT_EQ(font.Size(), s.Size) << s.Height;
    }
    TFont cell;
    cell.SetHeight(20);
    EXPECT_EQ(cell.Size(), -15);
}

TEST(FontTest, ChangesFireOnChangeOnlyWhenAValueChanges)
{
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &font);
        ++changes;
    };
    font.SetStyle({fsBold});
    font.SetStyle({fsBold});
    font.SetName(QStringLiteral("Verdana"));
    font.SetSize(8);
    font.SetColor(clRed);
    EXPECT_EQ(changes, 3);

    TFont copy;
    copy.Assign(&font);
    EXPECT_EQ(copy.Name(), QStringLiteral("Verdana"));
    EXPECT_EQ(copy.Style(), TFontStyles({fsBold}));
    EXPECT_EQ(copy.Color(), clRed);
    TPen pen;
    EXPECT_THROW(copy.Assign(&pen), EConvertError);
}

TEST(PenBrushTest, DefaultsAndAssign)
{
    TPen pen;
    EXPECT_EQ(pen.Color(), clBlack);
    EXPECT_EQ(pen.Width(), 1);
    EXPECT_EQ(pen.Style(), psSolid);
    EXPECT_EQ(pen.Mode(), pmCopy);
    pen.SetMode(pmXor);
    pen.SetWidth(3);
    TPen copy;
    copy.Assign(&pen);
    EXPECT_EQ(copy.Mode(), pmXor);
    EXPECT_EQ(copy.Width(), 3);

    TBrush brush;
    EXPECT_EQ(brush.Color(), clWhite);
    EXPECT_EQ(brush.Style(), bsSolid);
}

TEST(PenBrushTest, ColouringAClearBrushMakesItSolid)
{
    TBrush brush;
    brush.SetStyle(bsClear);
    int changes = 0;
    brush.OnChange = [&](TObject*) { ++changes; };
    brush.SetColor(clWhite);
    EXPECT_EQ(brush.Style(), bsSolid);
    EXPECT_EQ(changes, 1);
    brush.SetStyle(bsCross);
    brush.SetColor(clRed);
    EXPECT_EQ(brush.Style(), bsCross);
}

TEST(FontMapperTest, WindowsFamiliesMapToInstalledOnes)
{
    const struct {
        const char* Name;
        const char* Family;
    } cases[] = {
        {"Verdana", "DejaVu Sans"},
        {"Tahoma", "DejaVu Sans Condensed"},
        {"Arial", "Liberation Sans"},
        {"MS Sans Serif", "Liberation Sans"},
        {"courier new", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"},
        {"DejaVu Serif", "DejaVu Serif"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MapFontFamily(QString::fromLatin1(c.Name)), QString::fromLatin1(c.Family)) << c.Name;
        TFont font;
        font.SetName(QString::fromLatin1(c.Name));
        EXPECT_EQ(QFontInfo(ToQFont(font)).family(), QString::fromLatin1(c.Family)) << "installed: " << c.Name;
    }
}

TEST(FontMapperTest, WhatIsDrawnDoesNotDependOnTheInstalledFonts)
{
    // Symbol fonts and names no shipped family stands for draw in a shipped family, whatever the
    // machine has installed (a real Symbol font lacks the glyphs at the codes the toolkit's has).
    for (const char* Name : {"Symbol", "Wingdings", "Marlett", "Nimbus Sans", "Some Font Nobody Has"}) {
        TFont font;
        font.SetName(QString::fromLatin1(Name));
        EXPECT_EQ(QFontInfo(ToQFont(font)).family(), "DejaVu Sans") << Name;
    }
    const struct {
        const char* Font;
        QString Text;
        QString Drawn;
    } cases[] = {
        {"Symbol", QStringLiteral("\u00B7"), QStringLiteral("\u2022")},
        {"Symbol", QStringLiteral("\uF0B7"), QStringLiteral("\u2022")},
        {"Symbol", QStringLiteral("\u2022o"), QStringLiteral("\u2022\u03BF")},
        {"Symbol", QStringLiteral("a1"), QStringLiteral("\u03B11")},
        {"Wingdings", QStringLiteral("\u00FC\u00FB"), QStringLiteral("\u2714\u2717")},
        {"Marlett", QStringLiteral("r6"), QStringLiteral("\u2715\u25BC")},
        {"Verdana", QStringLiteral("\u00B7a"), QStringLiteral("\u00B7a")},
    };
    for (const auto& c : cases) {
        TFont font;
        font.SetName(QString::fromLatin1(c.Font));
        const QFont qfont = ToQFont(font);
        const QString drawn = MapFontText(qfont, c.Text);
        EXPECT_EQ(drawn, c.Drawn) << c.Font << " " << c.Text.toStdString();
        for (const QChar ch : drawn)
            EXPECT_TRUE(QFontMetrics(qfont).inFont(ch)) << c.Font << ": no glyph for U+" << std::hex << int(ch.unicode());
    }
}

TEST(FontMapperTest, NegativeHeightIsTheEmAndPositiveTheCell)
{
    TFont font;
    font.SetHeight(-13);
    const QFont em = ToQFont(font);
    EXPECT_EQ(em.pixelSize(), 13);
    EXPECT_TRUE(em.styleStrategy() & QFont::NoAntialias);

    for (int cell : {12, 16, 20, 30}) {
        font.SetHeight(cell);
        const QFontMetrics metrics(ToQFont(font));
        EXPECT_NEAR(metrics.ascent() + metrics.descent(), cell, 1) << cell;
    }
}

TEST(FontMapperTest, StylesReachTheQtFont)
{
    TFont font;
    font.SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
    const QFont qfont = ToQFont(font);
    EXPECT_TRUE(qfont.bold());
    EXPECT_TRUE(qfont.italic());
    EXPECT_TRUE(qfont.underline());
    EXPECT_TRUE(qfont.strikeOut());
}

class CanvasFontTest : public TPaintTest {};

TEST_F(CanvasFontTest, TextHeightIsAscentPlusDescentOfTheMappedFont)
{
    Canvas.Font()->SetName(QStringLiteral("Verdana"));
    Canvas.Font()->SetSize(10);
    const QFontMetrics metrics(ToQFont(*Canvas.Font()));
    EXPECT_EQ(Canvas.TextHeight(QStringLiteral("x")), metrics.ascent() + metrics.descent());
    EXPECT_EQ(Canvas.TextWidth(QStringLiteral("Hello")), metrics.horizontalAdvance(QStringLiteral("Hello")));
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(Canvas.Handle(), tm));
    EXPECT_EQ(tm.tmHeight, Canvas.TextHeight(QStringLiteral("x")));
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 13);
    EXPECT_GT(tm.tmAveCharWidth, 0);
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
}

TEST_F(CanvasFontTest, MeasuresFollowEveryFontChangeAndBack)
{
    // Fonts and widths are remembered between calls: each change must still reach the measures.
    struct TCase {
        const char* Name;
        int32_t Size;
        TFontStyles Style;
        const char* Family;
    };
    const TCase cases[] = {
        {"Verdana", 10, {}, "DejaVu Sans"},         {"Verdana", 10, {fsBold}, "DejaVu Sans"},
        {"Verdana", 14, {}, "DejaVu Sans"},         {"Courier New", 10, {}, "Liberation Mono"},
        {"Verdana", 10, {fsItalic}, "DejaVu Sans"}, {"Verdana", 10, {}, "DejaVu Sans"},
    };
    const QString text = QStringLiteral("Register 42");
    for (const TCase& c : cases) {
        Canvas.Font()->SetName(QString::fromLatin1(c.Name));
        Canvas.Font()->SetSize(c.Size);
        Canvas.Font()->SetStyle(c.Style);
        const QFont font = ToQFont(*Canvas.Font());
        EXPECT_EQ(font.family(), QString::fromLatin1(c.Family)) << c.Name;
        EXPECT_EQ(font.bold(), c.Style.Contains(fsBold)) << c.Name;
        EXPECT_EQ(font.italic(), c.Style.Contains(fsItalic)) << c.Name;
        EXPECT_EQ(font.pixelSize(), -Canvas.Font()->Height()) << c.Name;
        const int expected = QFontMetrics(font).horizontalAdvance(text);
        for (int pass = 0; pass < 2; ++pass) {
            EXPECT_EQ(Canvas.TextWidth(text), expected) << c.Name << " " << c.Size << " pass " << pass;
            TRect r = Rect(0, 0, 0, 0);
            DrawText(Canvas.Handle(), text, -1, r, DT_CALCRECT | DT_SINGLELINE);
            EXPECT_EQ(r.Width(), expected) << c.Name << " " << c.Size << " pass " << pass;
        }
    }
}
