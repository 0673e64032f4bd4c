// Tests of the progress indicators and button faces on rendered pixels, and the sheet of all faces.
#include "grid/base/ExtUtil.h"

#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "platform/graphics/CanvasTestSupport.h"
#include "support/Artifacts.h"
#include "support/LayerInternals.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Grey = RGB(128, 128, 128);
constexpr COLORREF Done = RGB(200, 0, 0);
constexpr COLORREF DoneText = RGB(255, 255, 0);
constexpr COLORREF Rest = RGB(0, 0, 200);
constexpr COLORREF RestText = RGB(0, 255, 255);

const TColorTones Tones{{RGB(240, 240, 220), RGB(100, 100, 80), RGB(30, 30, 30)},
                        {RGB(250, 250, 250), RGB(90, 90, 90), RGB(0, 0, 0)},
                        {RGB(250, 200, 120), RGB(160, 110, 40), RGB(60, 30, 0)},
                        {RGB(255, 230, 160), RGB(200, 160, 60), RGB(80, 50, 0)},
                        {RGB(220, 220, 220), RGB(170, 170, 170), RGB(150, 150, 150)}};

// Whether two sets of pixels are the same, whatever rectangles make them up.
::testing::AssertionResult SamePixels(const QRegion& Actual, const QRegion& Expected)
{
    const QRect difference = (Actual ^ Expected).boundingRect();
    if (difference.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixels differ within x " << difference.left() << "-" << difference.right()
                                         << ", y " << difference.top() << "-" << difference.bottom();
}

TProgressLevelInfo LevelInfo()
{
    TProgressLevelInfo info;
    info.Level0Color = RGB(0, 160, 0);
    info.Level0ColorTo = RGB(0, 250, 0);
    info.Level1Color = RGB(200, 200, 0);
    info.Level1ColorTo = RGB(250, 250, 0);
    info.Level2Color = RGB(230, 120, 0);
    info.Level2ColorTo = RGB(250, 180, 0);
    info.Level3Color = RGB(200, 0, 0);
    info.Level3ColorTo = RGB(250, 60, 60);
    info.Level1Perc = 50;
    info.Level2Perc = 80;
    info.BorderColor = RGB(0, 0, 128);
    info.ShowBorder = true;
    info.Steps = 10;
    info.BackgroundColor = RGB(230, 230, 230);
    info.CompletionSmooth = true;
    return info;
}

class IndicatorTest : public TPaintTest {
protected:
    void SetUp() override
    {
        Image = QImage(200, 120, QImage::Format_RGB32);
        TPaintTest::SetUp();
    }

    // The pixels of any of Colors within Area.
    QRegion PixelsOf(std::initializer_list<COLORREF> Colors, const QRect& Area) const
    {
        QRegion pixels;
        for (int y = Area.top(); y <= Area.bottom(); ++y)
            for (int x = Area.left(); x <= Area.right(); ++x)
                if (std::find(Colors.begin(), Colors.end(), At(x, y)) != Colors.end()) pixels += QRect(x, y, 1, 1);
        return pixels;
    }

    // The pixels Text covers when written at (X, Y) in Font (the canvas font by default), within Area.
    QRegion TextPixels(const QString& Text, int X, int Y, const QRect& Area, TFont* Font = nullptr)
    {
        QImage scratch(Image.size(), QImage::Format_RGB32);
        scratch.fill(Qt::white);
        TCanvas canvas;
        BindImage(canvas, &scratch);
        canvas.Font()->Assign(Font ? Font : Canvas.Font());
        canvas.Font()->SetColor(clBlack);
        canvas.Brush()->SetStyle(bsClear);
        canvas.TextOut(X, Y, Text);
        BindImage(canvas, nullptr);
        QRegion pixels;
        for (int y = Area.top(); y <= Area.bottom(); ++y)
            for (int x = Area.left(); x <= Area.right(); ++x)
                if (ColorOf(scratch.pixel(x, y)) == Black) pixels += QRect(x, y, 1, 1);
        return pixels;
    }

    // The image a frame control of Type and State draws over R on a white image.
    QImage FrameControl(TRect R, uint32_t Type, uint32_t State) const
    {
        QImage reference(Image.size(), QImage::Format_RGB32);
        reference.fill(Qt::white);
        TCanvas canvas;
        BindImage(canvas, &reference);
        DrawFrameControl(&canvas, R, Type, State);
        BindImage(canvas, nullptr);
        return reference;
    }
};

}  // namespace

TEST_F(IndicatorTest, ProgressBarWithoutFormatShowsTheValueAsPercentage)
{
    Canvas.Brush()->SetColor(clLime);
    const TRect r = Rect(10, 10, 110, 30);
    DrawProgressBar(&Canvas, r, Done, DoneText, Rest, RestText, 150, 0, 0, 0, 100, QString(), clNavy, false);
    const QRect bar(10, 10, 100, 20);
    EXPECT_TRUE(PixelsOf({Rest, RestText}, bar).isEmpty());
    const TSize extent = Canvas.TextExtent(QStringLiteral("150%"));
    const QRegion text = TextPixels(QStringLiteral("150%"), 10 + (100 - extent.cx) / 2, 10 + (20 - extent.cy) / 2, bar);
    EXPECT_FALSE(text.isEmpty());
    EXPECT_TRUE(SamePixels(PixelsOf({DoneText}, bar), text));
    EXPECT_EQ(At(9, 20), ColorToRGB(clNavy));
    EXPECT_EQ(At(110, 20), ColorToRGB(clNavy));
    EXPECT_EQ(At(8, 20), RGB(0, 255, 0));
    EXPECT_EQ(At(60, 31), RGB(0, 255, 0));
}

TEST_F(IndicatorTest, ProgressBarTextChangesColourWhereTheBarEnds)
{
    const TRect r = Rect(10, 10, 110, 30);
    DrawProgressBar(&Canvas, r, Done, DoneText, Rest, RestText, 5, 0, 0, 0, 10, QStringLiteral("%d of 10"), clNone,
                    false);
    EXPECT_EQ(At(59, 10), Done);
    EXPECT_EQ(At(60, 10), Rest);
    const TSize extent = Canvas.TextExtent(QStringLiteral("5 of 10"));
    const QRegion text = TextPixels(QStringLiteral("5 of 10"), 10 + (100 - extent.cx) / 2, 10 + (20 - extent.cy) / 2,
                                    QRect(10, 10, 100, 20));
    EXPECT_TRUE(SamePixels(PixelsOf({DoneText}, QRect(10, 10, 100, 20)), text & QRect(10, 10, 50, 20)));
    EXPECT_TRUE(SamePixels(PixelsOf({RestText}, QRect(10, 10, 100, 20)), text & QRect(60, 10, 50, 20)));
    EXPECT_FALSE((text & QRect(10, 10, 50, 20)).isEmpty());
    EXPECT_FALSE((text & QRect(60, 10, 50, 20)).isEmpty());
    // Without a border colour only the outer frame, in the brush colour at entry (white), is drawn.
    EXPECT_EQ(At(9, 20), White);
}

TEST_F(IndicatorTest, ProgressBarMarginsShrinkTheBar)
{
    DrawProgressBar(&Canvas, Rect(10, 10, 110, 30), Done, Done, Rest, Rest, 25, 5, 3, 0, 100, QString(), clNavy, false);
    // 25 per cent of 90 pixels is 22.5, rounded to 22.
    EXPECT_EQ(At(15, 13), Done);
    EXPECT_EQ(At(36, 13), Done);
    EXPECT_EQ(At(37, 13), Rest);
    EXPECT_EQ(At(104, 26), Rest);
    EXPECT_EQ(At(14, 20), ColorToRGB(clNavy));
    EXPECT_EQ(At(60, 12), ColorToRGB(clNavy));
}

TEST_F(IndicatorTest, ProgressBarFormatsChooseIntegerOrRealValues)
{
    const std::pair<QString, QString> cases[] = {
        {"%.1f done", "2.5 done"},
        {"%d%%", "2%"},
        {"%u units", "2 units"},
        {"%d of %d", "%d of %d"},
    };
    const QRect bar(10, 10, 160, 20);
    for (const auto& [format, shown] : cases) {
        Image.fill(Qt::white);
        DrawProgressBar(&Canvas, Rect(10, 10, 170, 30), Done, DoneText, Done, DoneText, 2.5, 0, 0, 0, 10, format,
                        clNone, false);
        const TSize extent = Canvas.TextExtent(shown);
        EXPECT_TRUE(SamePixels(PixelsOf({DoneText}, bar), TextPixels(shown, 10 + (160 - extent.cx) / 2, 10 + (20 - extent.cy) / 2, bar)))
            << format.toStdString();
    }
}

TEST_F(IndicatorTest, ProgressBarTextMovesDownWhenPrinting)
{
    DrawProgressBar(&Canvas, Rect(10, 10, 110, 40), Done, DoneText, Rest, RestText, 40, 0, 0, 0, 100, QString(), clNone,
                    true);
    const TSize extent = Canvas.TextExtent(QStringLiteral("40%"));
    const QRect bar(10, 10, 100, 30);
    const QRegion text = TextPixels(QStringLiteral("40%"), 10 + (100 - extent.cx) / 2, 10 + (30 + extent.cy) / 2, bar);
    EXPECT_TRUE(SamePixels(PixelsOf({DoneText, RestText}, bar), text));
}

TEST_F(IndicatorTest, EmptyRangesAndOddValuesDrawAnEmptyBar)
{
    const double values[] = {5, -20, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()};
    for (double value : values) {
        Image.fill(Qt::white);
        DrawProgressBar(&Canvas, Rect(10, 10, 110, 30), Done, DoneText, Rest, RestText, value, 0, 0, 7, 7,
                        QStringLiteral("%d"), clNone, false);
        EXPECT_TRUE(PixelsOf({Done}, QRect(10, 10, 100, 20)).isEmpty()) << value;
        EXPECT_EQ(At(10, 10), Rest) << value;
    }
}

TEST_F(IndicatorTest, ProgressPieFillsClockwiseFromTwelve)
{
    struct TPieCase {
        int32_t Percent;
        std::vector<QPoint> Filled;
        std::vector<QPoint> Empty;
    };
    const TPieCase cases[] = {
        {0, {}, {{25, 14}, {14, 14}, {25, 25}}},
        {25, {{25, 14}, {27, 18}}, {{14, 14}, {25, 25}, {14, 25}}},
        {50, {{25, 14}, {25, 25}}, {{14, 14}, {14, 25}}},
        {100, {{25, 14}, {25, 25}, {14, 25}, {14, 14}}, {}},
    };
    for (const TPieCase& c : cases) {
        Image.fill(Qt::white);
        Canvas.Brush()->SetColor(clWhite);
        DrawProgressPie(&Canvas, Rect(10, 10, 30, 30), clRed, c.Percent, false);
        for (const QPoint p : c.Filled)
            EXPECT_EQ(At(p.x(), p.y()), RGB(255, 0, 0)) << c.Percent << " at " << p.x() << "," << p.y();
        for (const QPoint p : c.Empty)
            EXPECT_EQ(At(p.x(), p.y()), White) << c.Percent << " at " << p.x() << "," << p.y();
        EXPECT_EQ(At(20, 10), Grey) << c.Percent;
        EXPECT_TRUE(PixelsOf({RGB(255, 0, 0)}, QRect(0, 0, 200, 120)).boundingRect().intersected(QRect(10, 10, 20, 20)) ==
                    PixelsOf({RGB(255, 0, 0)}, QRect(0, 0, 200, 120)).boundingRect())
            << c.Percent;
        for (const QPoint corner : {QPoint(10, 10), QPoint(29, 10), QPoint(10, 29), QPoint(29, 29)})
            EXPECT_EQ(At(corner.x(), corner.y()), White) << c.Percent;
    }
}

TEST_F(IndicatorTest, RangeIndicatorGrowsFromTheMiddle)
{
    struct TRangeCase {
        int32_t Value;
        int32_t Range;
        QRect Bar;
        COLORREF Color;
    };
    // The area 0, 0, 104, 14 shrinks to 2, 2, 102, 12: half width 50 from x = 52.
    const TRangeCase cases[] = {
        {50, 100, QRect(52, 2, 25, 10), RGB(0, 128, 0)},
        {-300, 100, QRect(2, 2, 50, 10), RGB(255, 0, 0)},
        {300, 100, QRect(52, 2, 50, 10), RGB(0, 128, 0)},
        {-3, 100, QRect(50, 2, 2, 10), RGB(255, 0, 0)},
    };
    for (const TRangeCase& c : cases) {
        Image.fill(Qt::white);
        DrawRangeIndicator(&Canvas, Rect(0, 0, 104, 14), c.Value, c.Range, false, clRed, clGreen);
        EXPECT_TRUE(SamePixels(PixelsOf({c.Color}, QRect(0, 0, 110, 20)), QRegion(c.Bar))) << c.Value;
        EXPECT_EQ(Ink(), c.Bar) << c.Value;
    }
    for (int32_t value : {0, 50}) {
        Image.fill(Qt::white);
        DrawRangeIndicator(&Canvas, Rect(0, 0, 104, 14), value, value == 0 ? 100 : 0, false, clRed, clGreen);
        EXPECT_TRUE(Ink().isEmpty()) << value;
    }
}

TEST_F(IndicatorTest, RangeIndicatorWritesTheValueOverTheBar)
{
    Canvas.Font()->SetColor(clBlue);
    DrawRangeIndicator(&Canvas, Rect(0, 0, 104, 24), -40, 100, true, clRed, clGreen);
    const TSize extent = Canvas.TextExtent(QStringLiteral("-40"));
    const QRect area(2, 2, 100, 20);
    EXPECT_TRUE(SamePixels(PixelsOf({RGB(0, 0, 255)}, area), TextPixels(QStringLiteral("-40"), 2 + (100 - extent.cx) / 2, 2 + (20 - extent.cy) / 2, area)));
    EXPECT_EQ(At(33, 3), RGB(255, 0, 0));
}

TEST_F(IndicatorTest, StackedLevelBarShowsEachLevelsShare)
{
    TProgressLevelInfo info = LevelInfo();
    info.Stacked = true;
    // 102 pixels wide: 100 inside the outline, one pixel a per cent.
    DrawLevelProgressBar(&Canvas, Rect(0, 0, 102, 12), 90, info);
    const std::pair<int, COLORREF> columns[] = {{1, info.Level0Color},  {50, info.Level0Color}, {51, info.Level1Color},
                                                {80, info.Level1Color}, {81, info.Level3Color}, {90, info.Level3Color},
                                                {91, info.BackgroundColor}, {0, info.BorderColor}};
    for (const auto& [x, color] : columns)
        EXPECT_EQ(At(x, 6), static_cast<COLORREF>(color)) << x;
    EXPECT_EQ(At(30, 0), static_cast<COLORREF>(info.BorderColor));
    EXPECT_EQ(At(30, 11), static_cast<COLORREF>(info.BorderColor));

    Image.fill(Qt::white);
    DrawLevelProgressBar(&Canvas, Rect(0, 0, 102, 12), 100, info);
    EXPECT_EQ(At(100, 6), static_cast<COLORREF>(info.Level3Color));
    Image.fill(Qt::white);
    DrawLevelProgressBar(&Canvas, Rect(0, 0, 102, 12), 40, info);
    EXPECT_EQ(At(40, 6), static_cast<COLORREF>(info.Level0Color));
    EXPECT_EQ(At(41, 6), static_cast<COLORREF>(info.BackgroundColor));
}

TEST_F(IndicatorTest, LevelBarTakesTheColoursOfItsLevel)
{
    TProgressLevelInfo info = LevelInfo();
    info.ShowBorder = false;
    const std::pair<int32_t, TColor> cases[] = {
        {30, info.Level0Color}, {60, info.Level1Color}, {85, info.Level2Color}, {99, info.Level2Color}, {100, info.Level3Color}};
    for (const auto& [percent, color] : cases) {
        Image.fill(Qt::white);
        DrawLevelProgressBar(&Canvas, Rect(0, 0, 102, 12), percent, info);
        EXPECT_EQ(At(percent, 6), static_cast<COLORREF>(color)) << percent;
        if (percent < 100) {
            EXPECT_EQ(At(percent + 1, 6), static_cast<COLORREF>(info.BackgroundColor)) << percent;
        }
        EXPECT_EQ(At(0, 6), static_cast<COLORREF>(info.BackgroundColor)) << percent;
    }
}

TEST_F(IndicatorTest, LevelBarInBlocks)
{
    TProgressLevelInfo info = LevelInfo();
    info.CompletionSmooth = false;
    // 50 per cent of 100 pixels: five blocks of 7 every 9 pixels from x = 2, then one of 4.
    DrawLevelProgressBar(&Canvas, Rect(0, 0, 102, 12), 50, info);
    const QRegion blocks = QRegion(2, 2, 7, 8) + QRegion(11, 2, 7, 8) + QRegion(20, 2, 7, 8) + QRegion(29, 2, 7, 8) +
                           QRegion(38, 2, 7, 8) + QRegion(47, 2, 4, 8);
    EXPECT_TRUE(SamePixels(PixelsOf({static_cast<COLORREF>(info.Level1Color)}, QRect(0, 0, 102, 12)), blocks));
    Image.fill(Qt::white);
    DrawLevelProgressBar(&Canvas, Rect(0, 0, 102, 12), 5, info);
    EXPECT_TRUE(SamePixels(PixelsOf({static_cast<COLORREF>(info.Level0Color)}, QRect(0, 0, 102, 12)), QRegion(2, 2, 4, 8)));
    Image.fill(Qt::white);
    DrawLevelProgressBar(&Canvas, Rect(0, 0, 102, 12), 1, info);
    EXPECT_TRUE(PixelsOf({static_cast<COLORREF>(info.Level0Color)}, QRect(0, 0, 102, 12)).isEmpty());
}

TEST_F(IndicatorTest, LevelBarGradientsRunAcrossTheBar)
{
    TProgressLevelInfo info = LevelInfo();
    info.ShowGradient = true;
    DrawLevelProgressBar(&Canvas, Rect(0, 0, 102, 12), 40, info);
    // The segment covers rows 1 to 10: colorTo to color in rows 1-5, color to colorTo in rows 6-10.
    EXPECT_EQ(At(10, 1), static_cast<COLORREF>(info.Level0ColorTo));
    EXPECT_EQ(At(10, 5), static_cast<COLORREF>(info.Level0Color));
    EXPECT_EQ(At(10, 6), static_cast<COLORREF>(info.Level0Color));
    EXPECT_EQ(At(10, 10), static_cast<COLORREF>(info.Level0ColorTo));
}

TEST_F(IndicatorTest, VerticalLevelBarGrowsUpwards)
{
    TProgressLevelInfo info = LevelInfo();
    info.Stacked = true;
    info.Vertical = true;
    DrawLevelProgressBar(&Canvas, Rect(0, 0, 12, 102), 90, info);
    const std::pair<int, TColor> rows[] = {{100, info.Level0Color}, {51, info.Level0Color}, {50, info.Level1Color},
                                           {21, info.Level1Color},  {20, info.Level3Color}, {11, info.Level3Color},
                                           {10, info.BackgroundColor}};
    for (const auto& [y, color] : rows)
        EXPECT_EQ(At(6, y), static_cast<COLORREF>(color)) << y;
}

TEST_F(IndicatorTest, LevelBarPercentageText)
{
    TProgressLevelInfo info = LevelInfo();
    TFont font;
    font.SetName(QStringLiteral("Arial"));
    font.SetSize(9);
    font.SetStyle({fsBold});
    info.Font = &font;
    info.ShowPercentage = true;
    info.TextColor = clBlack;
    DrawLevelProgressBar(&Canvas, Rect(0, 0, 102, 22), 90, info);
    TCanvas measure;
    QImage scratch(1, 1, QImage::Format_RGB32);
    BindImage(measure, &scratch);
    measure.Font()->Assign(&font);
    const TSize extent = measure.TextExtent(QStringLiteral("90%"));
    const QRect area(1, 1, 100, 20);
    EXPECT_TRUE(SamePixels(PixelsOf({Black}, area), TextPixels(QStringLiteral("90%"), (102 - extent.cx) / 2, (22 - extent.cy) / 2, area, &font)));
    EXPECT_EQ(Canvas.Font()->Name(), "Arial");
    EXPECT_TRUE(Canvas.Font()->Style().Contains(fsBold));
}

TEST_F(IndicatorTest, VerticalLevelBarTurnsItsText)
{
    TProgressLevelInfo info = LevelInfo();
    info.Vertical = true;
    info.ShowPercentage = true;
    info.TextColor = clBlack;
    DrawLevelProgressBar(&Canvas, Rect(0, 0, 30, 102), 50, info);
    EXPECT_EQ(Canvas.Font()->Orientation(), 0) << "the text is written in a turned copy of the font";
    const TSize extent = Canvas.TextExtent(QStringLiteral("50%"));
    TFont turned;
    turned.Assign(Canvas.Font());
    turned.SetOrientation(900);
    const QRect area(1, 1, 28, 100);
    EXPECT_TRUE(SamePixels(PixelsOf({Black}, area), TextPixels(QStringLiteral("50%"), 15 - extent.cy / 2, 51 + extent.cx / 2, area, &turned)));
    const QRect ink = PixelsOf({Black}, area).boundingRect();
    EXPECT_GT(ink.height(), ink.width());
}

TEST_F(IndicatorTest, ClassicAndFlatButtonsAreFrameControls)
{
    const uint32_t stateFlags[] = {0, DFCS_HOT, DFCS_PUSHED, DFCS_INACTIVE};
    for (int32_t look : {blThemed, blClassic, blFlat}) {
        const uint32_t flat = look == blFlat ? DFCS_FLAT : 0;
        for (int32_t state = bstNormal; state <= bstDisabled; ++state) {
            const uint32_t inactive = state == bstDisabled ? DFCS_INACTIVE : 0;
            Image.fill(Qt::white);
            DrawComboButton(&Canvas, nullptr, Rect(0, 0, 60, 20), look, state, Tones);
            EXPECT_EQ(Image, FrameControl(Rect(41, 1, 58, 19), DFC_SCROLL, DFCS_SCROLLCOMBOBOX | flat | inactive))
                << "combo " << look << " " << state;

            Image.fill(Qt::white);
            DrawPushButtonFace(&Canvas, nullptr, Rect(5, 5, 65, 25), look, state, Tones);
            EXPECT_EQ(Image, FrameControl(Rect(5, 5, 65, 25), DFC_BUTTON, DFCS_BUTTONPUSH | flat | stateFlags[state]))
                << "push " << look << " " << state;

            Image.fill(Qt::white);
            DrawSpinButtons(&Canvas, nullptr, Rect(0, 10, 60, 30), look, state, Tones);
            QImage spin = FrameControl(Rect(44, 9, 59, 19), DFC_SCROLL, DFCS_SCROLLUP | flat | inactive);
            TCanvas canvas;
            BindImage(canvas, &spin);
            TRect lower = Rect(44, 20, 59, 29);
            DrawFrameControl(&canvas, lower, DFC_SCROLL, DFCS_SCROLLDOWN | flat | inactive);
            BindImage(canvas, nullptr);
            EXPECT_EQ(Image, spin) << "spin " << look << " " << state;
        }
    }
}

TEST_F(IndicatorTest, ToneButtonsTakeTheToneOfTheirState)
{
    const TColorTone* tones[] = {&Tones.Background, &Tones.Hover, &Tones.Selected, &Tones.Disabled};
    for (int32_t state = bstNormal; state <= bstDisabled; ++state) {
        const TColorTone& tone = *tones[state];
        Image.fill(Qt::white);
        // The combo button: columns 44-57 of rows 1-18, a line at x = 45, a triangle below (52, 9).
        DrawComboButton(&Canvas, nullptr, Rect(0, 0, 60, 20), blTones, state, Tones);
        EXPECT_EQ(At(50, 4), static_cast<COLORREF>(tone.BrushColor)) << state;
        EXPECT_EQ(At(44, 4), static_cast<COLORREF>(tone.BrushColor)) << state;
        EXPECT_EQ(At(43, 4), White) << state;
        EXPECT_EQ(At(58, 4), White) << state;
        EXPECT_EQ(At(45, 10), static_cast<COLORREF>(Tones.Background.BorderColor)) << state;
        EXPECT_EQ(At(52, 10), static_cast<COLORREF>(Tones.Background.TextColor)) << state;
        EXPECT_EQ(At(50, 0), White) << state;

        Image.fill(Qt::white);
        DrawPushButtonFace(&Canvas, nullptr, Rect(5, 5, 65, 25), blTones, state, Tones);
        EXPECT_EQ(At(5, 5), static_cast<COLORREF>(tone.BorderColor)) << state;
        EXPECT_EQ(At(64, 24), static_cast<COLORREF>(tone.BorderColor)) << state;
        EXPECT_EQ(At(30, 15), static_cast<COLORREF>(tone.BrushColor)) << state;
        EXPECT_EQ(At(65, 15), White) << state;

        Image.fill(Qt::white);
        // The spin buttons: rows 9-18 and 20-28 of columns 44-58, with black arrows.
        DrawSpinButtons(&Canvas, nullptr, Rect(0, 10, 60, 30), blTones, state, Tones);
        EXPECT_EQ(At(46, 10), static_cast<COLORREF>(tone.BrushColor)) << state;
        EXPECT_EQ(At(46, 27), static_cast<COLORREF>(tone.BrushColor)) << state;
        EXPECT_EQ(At(46, 19), White) << state;
        EXPECT_EQ(At(51, 13), Black) << state;
        EXPECT_EQ(At(51, 22), Black) << state;
        EXPECT_EQ(At(51, 17), static_cast<COLORREF>(tone.BrushColor)) << state;
    }
}

TEST_F(IndicatorTest, SheetOfAllFaces)
{
    QImage sheet(640, 400, QImage::Format_RGB32);
    sheet.fill(QColor(248, 247, 237));
    TCanvas canvas;
    BindImage(canvas, &sheet);
    canvas.Font()->SetName(QStringLiteral("Verdana"));
    canvas.Brush()->SetStyle(bsClear);
    const char* looks[] = {"themed", "classic", "flat", "tones"};
    const char* states[] = {"normal", "hot", "down", "disabled"};
    for (int32_t state = 0; state < 4; ++state)
        canvas.TextOut(90 + 130 * state, 4, QString::fromLatin1(states[state]));
    for (int32_t look = 0; look < 4; ++look) {
        const int32_t top = 22 + 30 * look;
        canvas.Brush()->SetStyle(bsClear);
        canvas.TextOut(4, top + 4, QString::fromLatin1(looks[look]));
        for (int32_t state = 0; state < 4; ++state) {
            const int32_t left = 70 + 130 * state;
            canvas.Pen()->SetColor(clBlack);
            canvas.Brush()->SetColor(clWhite);
            canvas.Rectangle(left, top, left + 50, top + 22);
            DrawComboButton(&canvas, nullptr, Rect(left, top, left + 50, top + 22), look, state, Tones);
            DrawPushButtonFace(&canvas, nullptr, Rect(left + 56, top, left + 90, top + 22), look, state, Tones);
            canvas.Pen()->SetColor(clBlack);
            canvas.Brush()->SetColor(clWhite);
            canvas.Rectangle(left + 96, top + 1, left + 126, top + 23);
            DrawSpinButtons(&canvas, nullptr, Rect(left + 96, top + 1, left + 126, top + 23), look, state, Tones);
        }
    }
    int32_t y = 150;
    const int32_t values[] = {0, 35, 70, 100};
    for (int32_t i = 0; i < 4; ++i) {
        canvas.Brush()->SetColor(clWhite);
        DrawProgressBar(&canvas, Rect(10 + 150 * i, y, 150 * i + 140, y + 18), RGB(0, 120, 215), clWhite, clWhite,
                        clBlack, values[i], 0, 0, 0, 100, QString(), clGray, false);
        canvas.Brush()->SetColor(clWhite);
        DrawProgressPie(&canvas, Rect(10 + 150 * i, y + 26, 30 + 150 * i, y + 46), RGB(0, 160, 0), values[i], false);
        DrawRangeIndicator(&canvas, Rect(40 + 150 * i, y + 26, 140 + 150 * i, y + 46), values[i] - 50, 50, true, clRed,
                           clGreen);
        TProgressLevelInfo info = LevelInfo();
        info.Stacked = i % 2 == 0;
        info.ShowGradient = i >= 2;
        info.CompletionSmooth = i != 1;
        info.ShowPercentage = true;
        info.Font = canvas.Font();
        DrawLevelProgressBar(&canvas, Rect(10 + 150 * i, y + 54, 150 * i + 140, y + 70), values[i] == 0 ? 90 : values[i],
                             info);
    }
    y = 240;
    for (int32_t shape = csRectangle; shape <= csHalfStar; ++shape)
        DrawCellShape(&canvas, 10 + 32 * shape, y, 26, 22, static_cast<TCellShape>(shape), RGB(255, 200, 0), clNavy);
    y = 275;
    DrawGradient(&canvas, RGB(0, 60, 160), RGB(200, 230, 255), 16, Rect(10, y, 150, y + 30), true);
    DrawMirrorGradient(&canvas, Rect(160, y, 300, y + 30), RGB(250, 250, 250), RGB(225, 235, 250), RGB(200, 215, 240),
                       RGB(235, 240, 250), true, RGB(120, 140, 180), false, true);
    for (int32_t kind = 0; kind < 5; ++kind)
        DrawRoundedSelection(&canvas, RGB(250, 250, 255), RGB(230, 240, 255), RGB(215, 230, 250), RGB(235, 245, 255),
                             clWhite, RGB(225, 235, 250), RGB(125, 162, 206), RGB(200, 215, 235), RGB(248, 247, 237),
                             Rect(310 + 64 * kind, y, 370 + 64 * kind, y + 22), kind);
    DrawBitmapResource(&canvas, clBtnFace, Rect(10, 320, 30, 330), QStringLiteral("EsgSpinUp"));
    DrawBitmapResource(&canvas, clBtnFace, Rect(24, 320, 40, 330), QStringLiteral("EsgSpinDown"));
    DrawDownTriangle(&canvas, 50, 322, clBlack);
    canvas.Font()->SetColor(clBlack);
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(70, 316, QStringLiteral("Misspelt wrod here"));
    std::unique_ptr<TForm> parent(New<TForm>(nullptr));
    parent->Font()->Assign(canvas.Font());
    DrawErrorUnderline(parent.get(), &canvas, QStringLiteral("Misspelt wrod here"), Rect(70, 316, 300, 340),
                       canvas.TextHeight(QStringLiteral("M")) - 4, 9, 4);
    BindImage(canvas, nullptr);
    SaveArtifact(sheet, QStringLiteral("grid-base-faces"));
    EXPECT_NE(InkOf(sheet, RGB(248, 247, 237)), QRect());
}
