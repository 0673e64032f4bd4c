// Tests of the drawing routines on rendered pixels: gradients, colour arithmetic, selections, shapes, bitmaps.
#include "grid/base/ExtUtil.h"

#include "graphics/Bitmap.h"
#include "platform/graphics/CanvasTestSupport.h"
#include "rtl/Exceptions.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);

}  // namespace

class DrawUtilTest : public TPaintTest {};

TEST_F(DrawUtilTest, GradientBandsFollowTheStepArithmetic)
{
    // Five pixels wide: 16 steps are limited to 4, so five one-pixel bands of 0, 1/4 ... 4/4.
    DrawGradient(&Canvas, RGB(0, 0, 0), RGB(200, 100, 0), 16, Rect(10, 10, 15, 20), true);
    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(At(10 + i, 15), RGB(50 * i, 25 * i, 0)) << i;
    EXPECT_EQ(Ink(), QRect(10, 10, 5, 10));
}

TEST_F(DrawUtilTest, VerticalBandsOverlapByOnePixel)
{
    // Extent 40 in 4 steps: bands of 10 rows drawn 11 high, each covered by the next one's start.
    DrawGradient(&Canvas, RGB(0, 0, 0), RGB(0, 0, 200), 4, Rect(0, 0, 8, 41), false);
    const std::pair<int, COLORREF> rows[] = {{0, RGB(0, 0, 0)},   {9, RGB(0, 0, 0)},    {10, RGB(0, 0, 50)},
                                             {19, RGB(0, 0, 50)}, {20, RGB(0, 0, 100)}, {39, RGB(0, 0, 150)},
                                             {40, RGB(0, 0, 200)}};
    for (const auto& [y, color] : rows)
        EXPECT_EQ(At(4, y), color) << y;
    EXPECT_EQ(At(4, 41), White);
}

TEST_F(DrawUtilTest, GradientChannelsRoundHalfToEven)
{
    // 2 steps from 0 to 5: the middle band is 2.5, rounded to 2; from 0 to 7 it is 3.5, rounded to 4.
    DrawGradient(&Canvas, RGB(0, 0, 0), RGB(5, 7, 0), 2, Rect(0, 0, 3, 4), true);
    EXPECT_EQ(At(1, 1), RGB(2, 4, 0));
}

TEST_F(DrawUtilTest, GradientWithoutAColourIsSolidAndEmptyRectanglesDrawNothing)
{
    DrawGradient(&Canvas, clNone, clBlue, 8, Rect(0, 0, 10, 10), true);
    DrawGradient(&Canvas, clRed, clNone, 8, Rect(20, 0, 30, 10), false);
    DrawGradient(&Canvas, clBtnFace, clBtnFace, 8, Rect(40, 10, 50, 0), false);
    DrawGradient(&Canvas, clRed, clBlue, 8, Rect(60, 5, 70, 5), false);
    EXPECT_EQ(At(5, 5), Blue);
    EXPECT_EQ(At(9, 9), Blue);
    EXPECT_EQ(At(25, 5), Red);
    EXPECT_EQ(At(45, 5), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Ink(), QRect(0, 0, 50, 10));
}

TEST_F(DrawUtilTest, ZeroStepsGiveTwoBands)
{
    DrawGradient(&Canvas, RGB(0, 0, 0), RGB(0, 200, 0), 0, Rect(0, 0, 10, 4), true);
    EXPECT_EQ(At(0, 1), RGB(0, 0, 0));
    EXPECT_EQ(At(8, 1), RGB(0, 0, 0));
    EXPECT_EQ(At(9, 1), RGB(0, 200, 0));
}

TEST_F(DrawUtilTest, MirrorGradientSplitsTopAndBottomWithDirection)
{
    DrawMirrorGradient(&Canvas, Rect(0, 0, 20, 40), RGB(0, 0, 0), RGB(0, 0, 190), RGB(100, 0, 0), RGB(250, 0, 0), true,
                       clNone, false, true);
    EXPECT_EQ(At(10, 0), RGB(0, 0, 0));
    EXPECT_EQ(At(10, 19), RGB(0, 0, 190));
    EXPECT_EQ(At(10, 20), RGB(100, 0, 0));
    EXPECT_EQ(At(10, 39), RGB(250, 0, 0));
    EXPECT_EQ(At(0, 10), At(19, 10));
}

TEST_F(DrawUtilTest, MirrorGradientSplitsLeftAndRightWithoutDirection)
{
    DrawMirrorGradient(&Canvas, Rect(0, 0, 40, 20), RGB(0, 0, 0), RGB(0, 0, 190), RGB(100, 0, 0), RGB(250, 0, 0), false,
                       clGreen, false, true);
    // Twenty-pixel halves: 19 steps of 1/19 each; the frame covers the outer columns.
    EXPECT_EQ(At(1, 10), RGB(0, 0, 10));
    EXPECT_EQ(At(19, 10), RGB(0, 0, 190));
    EXPECT_EQ(At(20, 10), RGB(100, 0, 0));
    EXPECT_EQ(At(38, 10), RGB(242, 0, 0));
    for (const QPoint p : {QPoint(0, 5), QPoint(39, 5), QPoint(5, 0), QPoint(5, 19)})
        EXPECT_EQ(At(p.x(), p.y()), ColorToRGB(clGreen)) << p.x() << "," << p.y();
}

TEST_F(DrawUtilTest, MirrorGradientPlainFillsAndBorders)
{
    // One colour fills a rectangle one pixel taller; a missing mirror colour gives one gradient.
    DrawMirrorGradient(&Canvas, Rect(0, 0, 10, 10), clRed, clNone, clNone, clNone, true, clNone, false, true);
    EXPECT_EQ(Ink(), QRect(0, 0, 10, 11));
    DrawMirrorGradient(&Canvas, Rect(20, 0, 30, 11), RGB(0, 0, 0), RGB(0, 0, 100), clNone, clNone, true, clNone, false,
                       true);
    EXPECT_EQ(At(25, 0), RGB(0, 0, 0));
    EXPECT_EQ(At(25, 10), RGB(0, 0, 100));
    // Side lines only, and no fill without Fill.
    DrawMirrorGradient(&Canvas, Rect(40, 0, 50, 10), clRed, clNone, clNone, clNone, true, clBlue, true, false);
    EXPECT_EQ(At(40, 5), Blue);
    EXPECT_EQ(At(49, 5), Blue);
    EXPECT_EQ(At(45, 0), White);
    EXPECT_EQ(At(45, 5), White);
}

TEST_F(DrawUtilTest, ColourArithmetic)
{
    EXPECT_EQ(InterpolateColor(RGB(0, 0, 0), RGB(100, 200, 50), 0, 10, 5), RGB(50, 100, 25));
    EXPECT_EQ(InterpolateColor(RGB(0, 0, 0), RGB(100, 200, 50), 10, 20, 10), RGB(100, 200, 50));
    EXPECT_EQ(InterpolateColor(RGB(0, 0, 0), RGB(5, 7, 0), 0, 2, 1), RGB(2, 4, 0));
    EXPECT_EQ(InterpolateColor(clBtnFace, clNone, 0, 10, 5), clBtnFace);
    EXPECT_EQ(InterpolateColor(clRed, clBlue, 4, 4, 4), clRed);
    EXPECT_EQ(InterpolateColor(clBtnFace, clBtnFace, 0, 10, 5), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));

    EXPECT_EQ(HalveColor(RGB(255, 128, 3)), RGB(127, 64, 1));
    EXPECT_EQ(ScaleColor(RGB(100, 200, 50), 10), RGB(110, 220, 55));
    EXPECT_EQ(ScaleColor(RGB(100, 200, 50), -50), RGB(50, 100, 25));
    EXPECT_EQ(ScaleColor(RGB(5, 15, 25), 10), RGB(6, 16, 28));
    EXPECT_EQ(ScaleColor(RGB(200, 100, 0), 50), RGB(255, 150, 0));
    EXPECT_EQ(ScaleColor(RGB(200, 100, 0), -150), RGB(0, 0, 0));
}

TEST_F(DrawUtilTest, RoundedSelectionWithBothEndsRounded)
{
    constexpr COLORREF Fill = RGB(1, 1, 1), TopInner = RGB(2, 2, 2), BottomInner = RGB(3, 3, 3),
                       Border = RGB(4, 4, 4), InnerCorner = RGB(5, 5, 5), Corner = RGB(6, 6, 6);
    // The box covers columns 0-18 and rows 0-10 of the cell 20 x 12.
    DrawRoundedSelection(&Canvas, Fill, clNone, clNone, clNone, TopInner, BottomInner, Border, InnerCorner, Corner,
                         Rect(0, 0, 20, 12), 0);
    EXPECT_EQ(Ink(), QRect(0, 0, 19, 11));
    for (const QPoint corner : {QPoint(0, 0), QPoint(18, 0), QPoint(0, 10), QPoint(18, 10)})
        EXPECT_EQ(At(corner.x(), corner.y()), Corner);
    for (const QPoint p : {QPoint(1, 0), QPoint(0, 1), QPoint(1, 1), QPoint(17, 9), QPoint(18, 9), QPoint(17, 10)})
        EXPECT_EQ(At(p.x(), p.y()), InnerCorner) << p.x() << "," << p.y();
    EXPECT_EQ(At(2, 0), Border);
    EXPECT_EQ(At(16, 0), Border);
    EXPECT_EQ(At(9, 10), Border);
    EXPECT_EQ(At(0, 5), Border);
    EXPECT_EQ(At(18, 5), Border);
    EXPECT_EQ(At(9, 1), TopInner);
    EXPECT_EQ(At(1, 4), TopInner);
    EXPECT_EQ(At(1, 5), BottomInner);
    EXPECT_EQ(At(17, 8), BottomInner);
    EXPECT_EQ(At(9, 9), BottomInner);
    EXPECT_EQ(At(2, 2), Fill);
    EXPECT_EQ(At(16, 8), Fill);
}

TEST_F(DrawUtilTest, RoundedSelectionEndKinds)
{
    constexpr COLORREF Fill = RGB(1, 1, 1), Border = RGB(4, 4, 4), Corner = RGB(6, 6, 6);
    auto draw = [&](int32_t EndKind, int32_t Top) {
        DrawRoundedSelection(&Canvas, Fill, clNone, clNone, clNone, Fill, Fill, Border, Fill, Corner,
                             Rect(0, Top, 20, Top + 12), EndKind);
    };
    draw(1, 0);
    EXPECT_EQ(At(0, 0), Corner);
    EXPECT_EQ(At(18, 0), Border);
    EXPECT_EQ(At(18, 5), Fill);
    draw(2, 12);
    EXPECT_EQ(At(0, 12), Border);
    EXPECT_EQ(At(18, 12), Corner);
    draw(3, 24);
    EXPECT_EQ(At(0, 24), Border);
    EXPECT_EQ(At(18, 24), Border);
    EXPECT_EQ(At(0, 29), Fill);
    draw(4, 36);
    EXPECT_EQ(At(0, 36), White);
    EXPECT_EQ(At(2, 36), Border);
    EXPECT_EQ(At(17, 36), White);
    EXPECT_EQ(At(0, 41), Fill);
}

TEST_F(DrawUtilTest, RoundedSelectionInteriorGradients)
{
    DrawRoundedSelection(&Canvas, RGB(0, 0, 0), RGB(0, 0, 160), clNone, clNone, clNone, clNone, clNone, clNone, clNone,
                         Rect(0, 0, 20, 20), 3);
    EXPECT_EQ(At(5, 2), RGB(0, 0, 0));
    EXPECT_EQ(At(5, 16), RGB(0, 0, 160));
    DrawRoundedSelection(&Canvas, RGB(0, 0, 0), RGB(0, 0, 160), RGB(160, 0, 0), RGB(250, 0, 0), clNone, clNone, clNone,
                         clNone, clNone, Rect(30, 0, 50, 20), 3);
    EXPECT_EQ(At(35, 2), RGB(0, 0, 0));
    EXPECT_EQ(At(35, 8), RGB(0, 0, 160));
    EXPECT_EQ(At(35, 9), RGB(160, 0, 0));
    EXPECT_EQ(At(35, 16), RGB(250, 0, 0));
}

TEST_F(DrawUtilTest, EveryCellShapeFillsItsFigure)
{
    struct TShapeCase {
        TCellShape Shape;
        QPoint Inside;
        QPoint Outside;
    };
    // Each shape in the area 10, 10, 30 x 20 with a red brush and a blue pen.
    const TShapeCase cases[] = {
        {csRectangle, {25, 20}, {10, 10}},   {csCircle, {20, 20}, {35, 20}},     {csTriangleLeft, {35, 20}, {12, 11}},
        {csTriangleRight, {15, 20}, {38, 11}}, {csTriangleUp, {25, 25}, {11, 11}}, {csTriangleDown, {25, 15}, {11, 28}},
        {csDiamond, {25, 20}, {11, 11}},     {csRoundRect, {25, 20}, {10, 10}},  {csEllips, {25, 20}, {11, 11}},
        {csSquare, {20, 20}, {35, 20}},      {csRoundSquare, {20, 20}, {35, 20}}, {csStar, {25, 20}, {11, 11}},
        {csHalfStar, {22, 21}, {30, 20}},    {csArrowUp, {25, 15}, {11, 28}},    {csArrowDown, {25, 25}, {11, 12}},
        {csArrowLeft, {15, 20}, {38, 12}},   {csArrowRight, {35, 20}, {12, 12}},
    };
    for (const TShapeCase& c : cases) {
        Image.fill(Qt::white);
        DrawCellShape(&Canvas, 10, 10, 30, 20, c.Shape, clRed, clBlue);
        EXPECT_EQ(At(c.Inside.x(), c.Inside.y()), Red) << c.Shape;
        EXPECT_EQ(At(c.Outside.x(), c.Outside.y()), White) << c.Shape;
        EXPECT_TRUE(QRect(10, 10, 31, 21).contains(Ink())) << c.Shape;
    }
    // The shafts of the arrows are a quarter to three quarters of the evened size wide.
    Image.fill(Qt::white);
    DrawCellShape(&Canvas, 10, 10, 30, 20, csArrowUp, clRed, clBlue);
    EXPECT_EQ(At(24, 27), Red);
    EXPECT_EQ(At(15, 27), White);
    EXPECT_EQ(At(33, 27), White);
}

TEST_F(DrawUtilTest, LineShapesAreOnePixelRectangles)
{
    DrawCellShape(&Canvas, 10, 10, 30, 20, csLineVert, clRed, clBlue);
    EXPECT_EQ(Ink(), QRect(25, 10, 1, 20));
    EXPECT_EQ(At(25, 15), Blue);
    Image.fill(Qt::white);
    DrawCellShape(&Canvas, 10, 10, 30, 20, csLineHorz, clRed, clBlue);
    EXPECT_EQ(Ink(), QRect(10, 20, 30, 1));
}

TEST_F(DrawUtilTest, CirclesAndSquaresTakeTheSmallerSide)
{
    Canvas.Ellipse(10, 10, 20, 20);
    const QImage circle = Image.copy();
    Image.fill(Qt::white);
    DrawCellShape(&Canvas, 10, 10, 20, 10, csCircle, clWhite, clBlack);
    EXPECT_EQ(Image, circle);
    Image.fill(Qt::white);
    Canvas.Ellipse(10, 10, 30, 20);
    const QImage ellipse = Image.copy();
    Image.fill(Qt::white);
    DrawCellShape(&Canvas, 10, 10, 20, 10, csEllips, clWhite, clBlack);
    EXPECT_EQ(Image, ellipse);
    Image.fill(Qt::white);
    DrawCellShape(&Canvas, 10, 10, 20, 10, csSquare, clRed, clBlue);
    EXPECT_EQ(Ink(), QRect(11, 11, 8, 8));
}

TEST_F(DrawUtilTest, StarPointsLieOnBothEllipses)
{
    DrawCellShape(&Canvas, 0, 0, 40, 40, csStar, clRed, clBlue);
    // The top point (20, 0) and the inner point straight below the centre, (20, 20 + round(20 / 3)).
    EXPECT_EQ(At(20, 0), Blue);
    EXPECT_EQ(At(20, 27), Blue);
    EXPECT_EQ(At(20, 29), White);
    EXPECT_EQ(At(20, 20), Red);
}

TEST_F(DrawUtilTest, SpinArrowBitmapsTakeTheBackgroundColour)
{
    TBitmap up;
    up.LoadFromResourceName(0, QStringLiteral("EsgSpinUp"));
    EXPECT_EQ(up.Width(), 9);
    EXPECT_EQ(up.Height(), 6);
    DrawBitmapResource(&Canvas, clLime, Rect(5, 5, 40, 40), QStringLiteral("EsgSpinUp"));
    DrawBitmapResource(&Canvas, clLime, Rect(20, 5, 40, 40), QStringLiteral("EsgSpinDown"));
    constexpr COLORREF Lime = RGB(0, 255, 0);
    constexpr COLORREF Black = RGB(0, 0, 0);
    EXPECT_EQ(Ink(), QRect(5, 5, 24, 6));
    EXPECT_EQ(At(5, 5), Lime);
    EXPECT_EQ(At(9, 6), Black);
    EXPECT_EQ(At(8, 6), Lime);
    EXPECT_EQ(At(6, 9), Black);
    EXPECT_EQ(At(13, 9), Lime);
    EXPECT_EQ(At(24, 9), Black);
    EXPECT_EQ(At(21, 6), Black);
    EXPECT_EQ(At(24, 6), Black);
    EXPECT_EQ(At(21, 9), Lime);
    EXPECT_THROW(DrawBitmapResource(&Canvas, clLime, Rect(0, 0, 9, 6), QStringLiteral("NoSuchBitmap")), EResNotFound);
}

TEST_F(DrawUtilTest, BitmapsAreDrawnAtTheirOwnSize)
{
    TBitmap bitmap;
    bitmap.SetSize(4, 3);
    bitmap.Canvas()->Brush()->SetColor(clYellow);
    bitmap.Canvas()->FillRect(Rect(0, 0, 4, 3));
    bitmap.Canvas()->SetPixels(2, 1, clRed);
    DrawBitmapOnColor(&Canvas, &bitmap, clBlue, Rect(10, 10, 60, 60));
    EXPECT_EQ(Ink(), QRect(10, 10, 4, 3));
    EXPECT_EQ(At(10, 10), Blue);
    EXPECT_EQ(At(12, 11), Red);
    TBitmap empty;
    DrawBitmapOnColor(&Canvas, &empty, clBlue, Rect(30, 30, 60, 60));
    EXPECT_EQ(Ink(), QRect(10, 10, 4, 3));
}

// The underline places the characters as an edit on the parent shows them, in the parent's font,
// whatever font the canvas has.
class ErrorUnderlineTest : public DrawUtilTest {
protected:
    void SetUp() override
    {
        DrawUtilTest::SetUp();
        Parent.reset(New<TForm>(nullptr));
        Parent->SetClientWidth(ImageWidth);
        Parent->SetClientHeight(ImageHeight);
        Parent->Font()->SetName(QStringLiteral("Verdana"));
        Parent->Font()->SetSize(16);
        Canvas.Font()->SetSize(6);
    }

    // The width of Text in the parent's font.
    int ParentTextWidth(const QString& Text)
    {
        TBitmap bitmap;
        bitmap.SetSize(8, 8);
        bitmap.Canvas()->Font()->Assign(Parent->Font());
        return bitmap.Canvas()->TextWidth(Text);
    }

    // Every column of the ink holds red.
    void ExpectUnbrokenZigZag()
    {
        const QRect ink = Ink();
        for (int x = ink.left(); x <= ink.right(); ++x) {
            bool red = false;
            for (int y = ink.top(); y <= ink.bottom(); ++y)
                red = red || At(x, y) == Red;
            EXPECT_TRUE(red) << x;
        }
    }

    std::unique_ptr<TForm> Parent;
};

TEST_F(ErrorUnderlineTest, ZigZagUnderTheCharactersInTheParentsFont)
{
    const QString text = QStringLiteral("abcdef");
    DrawErrorUnderline(Parent.get(), &Canvas, text, Rect(4, 4, 90, 40), 12, 2, 2);
    // The edit's left margin lies between the left of R and the text; the pen is 2 pixels wide.
    const int x1 = 4 + ParentTextWidth(QStringLiteral("ab"));
    const int x2 = 4 + ParentTextWidth(QStringLiteral("abc")) + 3;
    const QRect ink = Ink();
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), x1 - 1);
    EXPECT_LE(ink.left(), x1 + 4);
    EXPECT_GE(ink.right(), x2 - 3);
    EXPECT_LE(ink.right(), x2 + 5);
    EXPECT_GE(ink.top(), 4 + 12 + 3 - 1);
    EXPECT_LE(ink.top(), 4 + 12 + 3 + 4);
    EXPECT_EQ(ink.height(), 3 + 2);
    ExpectUnbrokenZigZag();
    EXPECT_EQ(Parent->ControlCount(), 0) << "the measuring edit is gone";
}

TEST_F(ErrorUnderlineTest, ARangeBeyondTheTextEndsAfterItsLastCharacter)
{
    // The range ends 4 pixels after the start of the text's last character.
    const QString text = QStringLiteral("abc");
    DrawErrorUnderline(Parent.get(), &Canvas, text, Rect(0, 0, 90, 30), 0, 1, 5);
    const int x2 = ParentTextWidth(QStringLiteral("ab")) + 4 + 3;
    EXPECT_GE(Ink().left(), ParentTextWidth(QStringLiteral("a")) - 1);
    EXPECT_LE(Ink().left(), ParentTextWidth(QStringLiteral("a")) + 4);
    EXPECT_GE(Ink().right(), x2 - 3);
    EXPECT_LE(Ink().right(), x2 + 5);
    ExpectUnbrokenZigZag();
}

TEST_F(ErrorUnderlineTest, NothingWithoutAParent)
{
    DrawErrorUnderline(nullptr, &Canvas, QStringLiteral("abc"), Rect(0, 0, 90, 30), 0, 0, 2);
    EXPECT_TRUE(Ink().isEmpty());
}

TEST_F(DrawUtilTest, SmallFiguresAndFills)
{
    DrawDownTriangle(&Canvas, 20, 10, clRed);
    EXPECT_EQ(At(20, 11), Red);
    EXPECT_EQ(At(17, 12), White);
    EXPECT_TRUE(QRect(17, 10, 7, 4).contains(Ink()));
    FillRectColor(&Canvas, Rect(40, 40, 44, 42), clBlue);
    EXPECT_EQ(At(43, 41), Blue);
    EXPECT_EQ(At(44, 41), White);
}

TEST_F(DrawUtilTest, LayeredWindowCallsGiveThePlatformsAnswer)
{
    // No window: the platform functions refuse, and nothing is drawn on the source.
    BLENDFUNCTION blend;
    EXPECT_FALSE(CallUpdateLayeredWindow(nullptr, nullptr, nullptr, nullptr, &Canvas, nullptr, 0, &blend, ULW_ALPHA));
    EXPECT_FALSE(CallSetLayeredWindowAttributes(nullptr, 0, 128, LWA_ALPHA));
    EXPECT_TRUE(Ink().isEmpty());
}
