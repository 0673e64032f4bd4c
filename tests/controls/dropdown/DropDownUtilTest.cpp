// The drop-down unit helpers: stepped gradients on pixels, colour arithmetic, text fitting and the number classifiers.
#include "dropdown/DropDownUtil.h"

#include "graphics/Bitmap.h"
#include "graphics/DrawText.h"
#include "platform/graphics/CanvasTestSupport.h"
#include "rtl/FormatSettings.h"
#include "rtl/NumConv.h"

#include <gtest/gtest.h>

namespace {

TFormatSettings Locale(QChar Decimal, QChar Thousand)
{
    TFormatSettings Settings = TFormatSettings::Invariant();
    Settings.DecimalSeparator = Decimal;
    Settings.ThousandSeparator = Thousand;
    return Settings;
}

}  // namespace

class StepGradientTest : public TPaintTest {};

TEST_F(StepGradientTest, BandsOverlapByOnePixelAndStopAStepShortOfTheEnd)
{
    // 41 wide in 4 steps: d = 40 / 4 = 10, bands of 11 pixels from x = 0, 10, 20, 30.
    DrawStepGradient(&Canvas, RGB(0, 0, 0), RGB(200, 100, 40), 4, Rect(0, 0, 41, 8), true);
    const std::pair<int, COLORREF> Columns[] = {{0, RGB(0, 0, 0)},     {9, RGB(0, 0, 0)},    {10, RGB(50, 25, 10)},
                                                {20, RGB(100, 50, 20)}, {30, RGB(150, 75, 30)}, {40, RGB(150, 75, 30)}};
    for (const auto& [X, Color] : Columns) EXPECT_EQ(At(X, 4), Color) << X;
    EXPECT_EQ(At(41, 4), RGB(255, 255, 255));
    EXPECT_EQ(Ink(), QRect(0, 0, 41, 8));
}

TEST_F(StepGradientTest, VerticalBandsRunTopToBottom)
{
    DrawStepGradient(&Canvas, RGB(0, 0, 0), RGB(0, 0, 80), 2, Rect(5, 5, 15, 26), false);
    EXPECT_EQ(At(10, 5), RGB(0, 0, 0));
    EXPECT_EQ(At(10, 14), RGB(0, 0, 0));
    EXPECT_EQ(At(10, 15), RGB(0, 0, 40));
    EXPECT_EQ(At(10, 25), RGB(0, 0, 40));
    EXPECT_EQ(Ink(), QRect(5, 5, 10, 21));
}

TEST_F(StepGradientTest, ZeroStepsDrawOneBandOfTheStartColour)
{
    DrawStepGradient(&Canvas, clRed, clBlue, 0, Rect(2, 3, 12, 9), true);
    EXPECT_EQ(At(2, 3), RGB(255, 0, 0));
    EXPECT_EQ(At(11, 8), RGB(255, 0, 0));
    EXPECT_EQ(Ink(), QRect(2, 3, 10, 6));
}

TEST_F(StepGradientTest, ChannelsAndPositionsRoundHalfToEven)
{
    // Steps 4 over 0..10: step 2.5 per band; band 1 is 2 (2.5 to even), band 3 is 8 (7.5 to even).
    // d = 6 / 4 = 1.5: band 1 starts at round(1.5) = 2, band 3 at round(4.5) = 4.
    DrawStepGradient(&Canvas, RGB(0, 0, 0), RGB(10, 0, 0), 4, Rect(0, 0, 7, 2), true);
    EXPECT_EQ(At(2, 0), RGB(2, 0, 0));
    EXPECT_EQ(At(4, 0), RGB(8, 0, 0));
    EXPECT_EQ(At(6, 0), RGB(8, 0, 0));
}

TEST(DropDownColorTest, BlendAndAdjust)
{
    EXPECT_EQ(BlendColor(clBtnFace, clWhite, 100), clBtnFace);
    EXPECT_EQ(BlendColor(clRed, clBtnFace, 0), clBtnFace);
    EXPECT_EQ(BlendColor(clBtnFace, clWhite, 150), clBtnFace);
    const COLORREF Face = ColorToRGB(clBtnFace);
    const auto Half = [](int Channel) { return static_cast<int>(RoundHalfEven(Channel / 2.0L)); };
    EXPECT_EQ(BlendColor(clBtnFace, clBlack, 50), RGB(Half(GetRValue(Face)), Half(GetGValue(Face)), Half(GetBValue(Face))));
    // 20 % of (0, 0, 100) and 80 % of white: 0.2 * 100 + 0.8 * 255 = 224.
    EXPECT_EQ(BlendColor(RGB(0, 0, 100), clWhite, 20), RGB(204, 204, 224));
    EXPECT_EQ(AdjustColorChannels(RGB(0, 128, 255), 10, -10, -10), RGB(10, 115, 230));
    EXPECT_EQ(AdjustColorChannels(RGB(0, 200, 100), -5, 20, 0), RGB(0, 200, 100));
}

TEST(DropDownTextTest, FitTextToWidthShortensWithEllipsis)
{
    TBitmap Bitmap;
    Bitmap.SetSize(10, 10);
    TCanvas* Canvas = Bitmap.Canvas();
    const QString Text = QStringLiteral("A rather long line of text");
    QString Result;
    FitTextToWidth(Canvas, Text, 1000, Result, true);
    EXPECT_EQ(Result, Text);
    const int32_t Max = Canvas->TextWidth(QStringLiteral("A rather...")) + 1;
    FitTextToWidth(Canvas, Text, Max, Result, true);
    EXPECT_TRUE(Result.endsWith(QStringLiteral("...")));
    EXPECT_LT(Canvas->TextWidth(Result), Max);
    EXPECT_GE(Canvas->TextWidth(Text.left(Result.size() - 2) + QStringLiteral("...")), Max) << qPrintable(Result);
    FitTextToWidth(Canvas, Text, Max, Result, false);
    EXPECT_FALSE(Result.endsWith(QStringLiteral("...")));
    EXPECT_TRUE(Text.startsWith(Result));
    // Nothing fits: the text stays.
    FitTextToWidth(Canvas, Text, 0, Result, true);
    EXPECT_EQ(Result, Text);

    EXPECT_EQ(GetTextSize(Canvas, QString()), (TSize{0, 0}));
    const TSize Size = GetTextSize(Canvas, Text);
    EXPECT_EQ(Size.cx, Canvas->TextWidth(Text));
    EXPECT_EQ(Size.cy, Canvas->TextHeight(Text));
}

TEST(DropDownNumberTest, ClassifyNumberUnderTwoLocales)
{
    struct TCase {
        const char* Text;
        int32_t US;
        int32_t German;
    };
    // US: DS '.', TS ','; German: DS ',', TS '.'.
    const TCase Cases[] = {
        {"", cnOther, cnOther},           {"-", cnInteger, cnInteger},      {"123", cnInteger, cnInteger},
        {"-12", cnInteger, cnInteger},    {"1.5", cnFloat, cnFloat},        {"1,5", cnFloat, cnFloat},
        {"1,234.5", cnFloat, cnFloat},    {"1.234,5", cnFloat, cnFloat},    {",5", cnOther, cnFloat},
        {".5", cnFloat, cnOther},         {"1,23,4", cnFloat, cnOther},     {"1,2,3", cnOther, cnOther},
        {"1.5.5", cnOther, cnOther},      {"1,5,5", cnOther, cnOther},      {"1-2-3", cnOther, cnOther},
        {"12a", cnHexadecimal, cnHexadecimal}, {"FF", cnHexadecimal, cnHexadecimal}, {"-ff", cnHexadecimal, cnHexadecimal},
        {"12g", cnOther, cnOther},        {"1 000", cnOther, cnOther},
    };
    for (const TCase& Case : Cases) {
        {
            TFormatSettingsScope Scope(Locale(QLatin1Char('.'), QLatin1Char(',')));
            EXPECT_EQ(ClassifyNumber(QString::fromUtf8(Case.Text)), Case.US) << "US " << Case.Text;
        }
        {
            TFormatSettingsScope Scope(Locale(QLatin1Char(','), QLatin1Char('.')));
            EXPECT_EQ(ClassifyNumber(QString::fromUtf8(Case.Text)), Case.German) << "German " << Case.Text;
        }
    }
}

TEST(DropDownNumberTest, HexAndSeparators)
{
    EXPECT_EQ(HexToInt(QStringLiteral("FF")), 255u);
    EXPECT_EQ(HexToInt(QStringLiteral("1G")), 16u);
    EXPECT_EQ(HexToInt(QStringLiteral("ff")), 255u);
    EXPECT_EQ(HexToInt(QString()), 0u);
    EXPECT_EQ(HexToInt(QStringLiteral("FFFFFFFF")), 0xFFFFFFFFu);
    // Nine digits wrap around in 32 bits.
    EXPECT_EQ(HexToInt(QStringLiteral("123456789")), 0x23456789u);
    EXPECT_EQ(HexToInt(QStringLiteral("10000000000000001")), 1u);
    EXPECT_EQ(HexDigitValue(QLatin1Char('z')), 0);
    EXPECT_EQ(HexDigitValue(QLatin1Char('c')), 12);
    EXPECT_TRUE(IsRangeSeparator(QLatin1Char(';')));
    EXPECT_FALSE(IsRangeSeparator(QLatin1Char('.')));
    EXPECT_EQ(MatchCase(QStringLiteral("aBc"), false), QStringLiteral("ABC"));
    EXPECT_EQ(MatchCase(QStringLiteral("aBc"), true), QStringLiteral("aBc"));
    TFormatSettingsScope Scope(Locale(QLatin1Char(','), QLatin1Char('.')));
    EXPECT_EQ(StripThousandSeparators(QStringLiteral("1.234.567,5")), QStringLiteral("1234567,5"));
}

TEST_F(StepGradientTest, BackgroundRectAndTransparentBitmap)
{
    DrawBackgroundRect(&Canvas, Rect(0, 0, 20, 10), clRed, clNone, false, 1, clBlue);
    EXPECT_EQ(At(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(At(19, 9), RGB(0, 0, 255));
    EXPECT_EQ(At(5, 5), RGB(255, 0, 0));
    DrawBackgroundRect(&Canvas, Rect(30, 0, 50, 10), clNone, clNone, false, 1, clNone);
    EXPECT_EQ(At(40, 5), RGB(255, 255, 255));

    TBitmap Glyph;
    Glyph.SetSize(4, 4);
    Glyph.Canvas()->Brush()->SetColor(clLime);
    Glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
    Glyph.Canvas()->SetPixels(2, 2, clRed);
    DrawTransparentBitmap(&Canvas, &Glyph, clYellow, Rect(60, 20, 63, 23));
    EXPECT_EQ(At(60, 20), RGB(255, 255, 0));
    EXPECT_EQ(At(62, 22), RGB(255, 0, 0));
    // Only the part the rectangle holds is copied.
    EXPECT_EQ(At(63, 23), RGB(255, 255, 255));
    // A rectangle larger than the bitmap gets the bitmap alone; the rest is left as it was.
    DrawTransparentBitmap(&Canvas, &Glyph, clYellow, Rect(70, 20, 80, 30));
    EXPECT_EQ(At(72, 22), RGB(255, 0, 0));
    EXPECT_EQ(At(75, 20), RGB(255, 255, 255));
    EXPECT_EQ(At(70, 25), RGB(255, 255, 255));
}
