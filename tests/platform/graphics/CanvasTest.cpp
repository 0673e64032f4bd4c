// Tests of TCanvas: GDI's pixel rules for shapes, lines, pen modes, brushes, text and copies.
#include "CanvasTestSupport.h"

#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "graphics/Graphic.h"
#include "graphics/Region.h"
#include "rtl/Exceptions.h"
#include "support/Artifacts.h"
#include "support/LayerInternals.h"

#include <QPainter>

#include <vector>

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);

// A picture that only records where it was asked to draw.
class TRecordingGraphic : public TGraphic {
public:
    std::unique_ptr<TGraphic> CreateNew() const override { return std::make_unique<TRecordingGraphic>(); }
    void Draw(TCanvas* ACanvas, const TRect& Rect) override
    {
        Canvas = ACanvas;
        Drawn.push_back(Rect);
    }
    int32_t Width() const override { return 7; }
    int32_t Height() const override { return 5; }
    void SetWidth(int32_t) override {}
    void SetHeight(int32_t) override {}
    void LoadFromStream(TStream*) override {}
    void SaveToStream(TStream*) override {}

    TCanvas* Canvas = nullptr;
    std::vector<TRect> Drawn;
};

// A canvas that finds its surface only when drawing needs one.
class TLazyCanvas : public TCanvas {
public:
    ~TLazyCanvas() override { BindImage(*this, nullptr); }
    QImage Surface{8, 8, QImage::Format_RGB32};

protected:
    void CreateHandle() override
    {
        Surface.fill(Qt::white);
        BindImage(*this, &Surface);
    }
};

} // namespace

class CanvasTest : public TPaintTest {};

TEST_F(CanvasTest, FillRectLeavesOutTheRightAndBottomEdge)
{
    Canvas.Brush()->SetColor(clRed);
    Canvas.FillRect(Rect(2, 3, 7, 9));
    EXPECT_EQ(At(2, 3), RGB(255, 0, 0));
    EXPECT_EQ(At(6, 8), RGB(255, 0, 0));
    EXPECT_EQ(At(7, 8), White);
    EXPECT_EQ(At(6, 9), White);
    EXPECT_EQ(At(1, 3), White);
    EXPECT_EQ(Ink(), QRect(2, 3, 5, 6));
}

TEST_F(CanvasTest, FillRectWithAClearBrushDrawsNothing)
{
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.FillRect(Rect(0, 0, 10, 10));
    EXPECT_TRUE(Ink().isEmpty());
}

TEST_F(CanvasTest, RectangleOutlinesInsideTheBoxWithPenWidthZeroOrOne)
{
    for (int width : {0, 1}) {
        Image.fill(Qt::white);
        Canvas.Pen()->SetWidth(width);
        Canvas.Brush()->SetColor(clRed);
        Canvas.Rectangle(2, 3, 8, 9);
        EXPECT_EQ(Ink(), QRect(2, 3, 6, 6)) << width;
        for (QPoint p : {QPoint(2, 3), QPoint(7, 3), QPoint(7, 8), QPoint(2, 8), QPoint(5, 3), QPoint(2, 6)})
            EXPECT_EQ(At(p.x(), p.y()), Black) << width << " at " << p.x() << "," << p.y();
        EXPECT_EQ(At(3, 4), RGB(255, 0, 0));
        EXPECT_EQ(At(6, 7), RGB(255, 0, 0));
    }
}

TEST_F(CanvasTest, RectangleWithoutPenFillsOnePixelLess)
{
    Canvas.Pen()->SetStyle(psClear);
    Canvas.Brush()->SetColor(clBlue);
    Canvas.Rectangle(2, 3, 8, 9);
    EXPECT_EQ(Ink(), QRect(2, 3, 5, 5));
}

TEST_F(CanvasTest, WidePensAreCentredOrInsideTheFrame)
{
    const struct {
        TPenStyle Style;
        QRect Extent;
        QPoint Interior;
    } cases[] = {
        {psSolid, QRect(9, 9, 13, 13), QPoint(12, 12)},
        {psInsideFrame, QRect(10, 10, 11, 11), QPoint(13, 13)},
    };
    for (const auto& c : cases) {
        Image.fill(Qt::white);
        Canvas.Pen()->SetWidth(3);
        Canvas.Pen()->SetStyle(c.Style);
        Canvas.Brush()->SetColor(clRed);
        Canvas.Rectangle(10, 10, 21, 21);
        EXPECT_EQ(Ink(), c.Extent) << c.Style;
        EXPECT_EQ(At(c.Interior.x(), c.Interior.y()), RGB(255, 0, 0)) << c.Style;
        EXPECT_EQ(At(c.Interior.x() - 1, c.Interior.y()), Black) << c.Style;
    }
}

TEST_F(CanvasTest, LineToLeavesOutItsEndPointAndMovesThePen)
{
    const struct {
        QPoint From;
        QPoint To;
    } lines[] = {
        {{1, 1}, {10, 1}}, {{10, 5}, {2, 5}}, {{3, 2}, {3, 12}}, {{1, 1}, {7, 7}}, {{20, 2}, {12, 6}},
    };
    for (const auto& l : lines) {
        Image.fill(Qt::white);
        Canvas.MoveTo(l.From.x(), l.From.y());
        Canvas.LineTo(l.To.x(), l.To.y());
        EXPECT_EQ(At(l.From.x(), l.From.y()), Black);
        EXPECT_EQ(At(l.To.x(), l.To.y()), White);
        EXPECT_EQ(Canvas.PenPos(), Point(l.To.x(), l.To.y()));
        const QRect expected(QPoint(std::min(l.From.x(), l.To.x()), std::min(l.From.y(), l.To.y())),
                             QPoint(std::max(l.From.x(), l.To.x()), std::max(l.From.y(), l.To.y())));
        EXPECT_TRUE(expected.contains(Ink()));
        // One pixel per step along the longer axis.
        int pixels = 0;
        for (int y = 0; y < ImageHeight; ++y)
            for (int x = 0; x < ImageWidth; ++x) pixels += At(x, y) == Black;
        EXPECT_EQ(pixels, std::max(std::abs(l.To.x() - l.From.x()), std::abs(l.To.y() - l.From.y())));
    }
}

TEST_F(CanvasTest, PolylineDrawsEveryCornerOnce)
{
    Canvas.Pen()->SetMode(pmXor);
    Canvas.Pen()->SetColor(clWhite);
    Canvas.Polyline({Point(2, 2), Point(10, 2), Point(10, 8), Point(2, 8), Point(2, 2)});
    for (QPoint p : {QPoint(2, 2), QPoint(10, 2), QPoint(10, 8), QPoint(2, 8), QPoint(6, 2), QPoint(10, 5)})
        EXPECT_EQ(At(p.x(), p.y()), Black) << p.x() << "," << p.y();
}

TEST_F(CanvasTest, StyledPensFillTheirGapsOnlyOverAnOpaqueBackground)
{
    for (bool opaque : {true, false}) {
        Image.fill(Qt::gray);
        const COLORREF gray = At(0, 0);
        Canvas.Pen()->SetStyle(psDot);
        Canvas.Brush()->SetColor(clYellow);
        if (!opaque) Canvas.Brush()->SetStyle(bsClear);
        Canvas.MoveTo(0, 1);
        Canvas.LineTo(13, 1);
        for (int x = 0; x < 12; ++x) {
            const bool dot = (x / 3) % 2 == 0;
            EXPECT_EQ(At(x, 1), dot ? Black : (opaque ? RGB(255, 255, 0) : gray)) << opaque << " x " << x;
        }
    }
}

TEST_F(CanvasTest, FrameRectUsesTheBrushNotThePen)
{
    Canvas.Pen()->SetColor(clRed);
    Canvas.Brush()->SetColor(clBlue);
    Canvas.FrameRect(Rect(2, 2, 8, 8));
    EXPECT_EQ(Ink(), QRect(2, 2, 6, 6));
    EXPECT_EQ(At(2, 2), RGB(0, 0, 255));
    EXPECT_EQ(At(7, 7), RGB(0, 0, 255));
    EXPECT_EQ(At(7, 4), RGB(0, 0, 255));
    EXPECT_EQ(At(4, 4), White);
}

TEST_F(CanvasTest, PenModesMixWithTheDestinationExactly)
{
    constexpr COLORREF d = RGB(0x12, 0x34, 0x56);
    constexpr COLORREF p = RGB(0xF0, 0x0F, 0xA5);
    const struct {
        TPenMode Mode;
        COLORREF Expected;
    } cases[] = {
        {pmCopy, p},
        {pmXor, p ^ d},
        {pmNotXor, ~(p ^ d) & 0xFFFFFF},
        {pmNot, ~d & 0xFFFFFF},
        {pmMask, p & d},
        {pmMerge, p | d},
        {pmNotCopy, ~p & 0xFFFFFF},
        {pmMaskPenNot, p & ~d & 0xFFFFFF},
        {pmMergeNotPen, (~p | d) & 0xFFFFFF},
        {pmBlack, 0},
        {pmWhite, 0xFFFFFF},
        {pmNop, d},
    };
    for (const auto& c : cases) {
        Image.fill(QColorOf(d));
        Canvas.Pen()->SetColor(static_cast<TColor>(p));
        Canvas.Pen()->SetMode(c.Mode);
        Canvas.MoveTo(0, 0);
        Canvas.LineTo(4, 0);
        EXPECT_EQ(At(1, 0), c.Expected) << "mode " << c.Mode;
        EXPECT_EQ(At(4, 0), d) << "mode " << c.Mode;
    }
}

TEST_F(CanvasTest, XorTwiceRestoresThePicture)
{
    Canvas.Brush()->SetColor(clTeal);
    Canvas.FillRect(Rect(0, 0, 30, 30));
    const QImage before = Image.copy();
    Canvas.Pen()->SetMode(pmXor);
    Canvas.Pen()->SetColor(clYellow);
    Canvas.Brush()->SetStyle(bsClear);
    for (int pass = 0; pass < 2; ++pass) {
        Canvas.Rectangle(3, 3, 20, 20);
        Canvas.MoveTo(0, 25);
        Canvas.LineTo(29, 10);
        Canvas.Ellipse(5, 5, 25, 18);
        if (pass == 0) {
            EXPECT_NE(Image, before);
        }
    }
    EXPECT_EQ(Image, before);
}

TEST_F(CanvasTest, ShapesStayInsideTheirBox)
{
    const struct {
        const char* Name;
        std::function<void(TCanvas&)> Draw;
    } shapes[] = {
        {"Ellipse", [](TCanvas& C) { C.Ellipse(10, 5, 31, 16); }},
        {"RoundRect", [](TCanvas& C) { C.RoundRect(10, 5, 31, 16, 8, 8); }},
        {"Rectangle", [](TCanvas& C) { C.Rectangle(10, 5, 31, 16); }},
        {"Pie", [](TCanvas& C) { C.Pie(10, 5, 31, 16, 31, 10, 31, 10); }},
    };
    for (const auto& s : shapes) {
        Image.fill(Qt::white);
        Canvas.Brush()->SetColor(clRed);
        s.Draw(Canvas);
        EXPECT_EQ(Ink(), QRect(10, 5, 21, 11)) << s.Name;
    }
}

TEST_F(CanvasTest, EllipseTouchesTheMiddleOfEachSideAndFillsItsCentre)
{
    Canvas.Brush()->SetColor(clRed);
    Canvas.Ellipse(0, 0, 21, 11);
    for (QPoint p : {QPoint(10, 0), QPoint(10, 10), QPoint(0, 5), QPoint(20, 5)}) EXPECT_EQ(At(p.x(), p.y()), Black);
    EXPECT_EQ(At(10, 5), RGB(255, 0, 0));
    EXPECT_EQ(At(0, 0), White);
    EXPECT_EQ(At(20, 10), White);
}

TEST_F(CanvasTest, RoundRectKeepsItsCornersOut)
{
    Canvas.RoundRect(0, 0, 21, 21, 10, 10);
    EXPECT_EQ(At(0, 0), White);
    EXPECT_EQ(At(20, 20), White);
    EXPECT_EQ(At(10, 0), Black);
    EXPECT_EQ(At(0, 10), Black);
}

TEST_F(CanvasTest, ArcsRunCounterClockwiseFromStartToEndRadial)
{
    // Quadrants of a circle centred at (20, 20): from the three o'clock radial to the twelve o'clock one.
    const QPoint upperRight(27, 13), upperLeft(13, 13), lowerLeft(13, 27), lowerRight(27, 27);
    Canvas.Brush()->SetColor(clRed);
    Canvas.Pie(0, 0, 41, 41, 40, 20, 20, 0);
    EXPECT_EQ(At(upperRight.x(), upperRight.y()), RGB(255, 0, 0));
    for (QPoint p : {upperLeft, lowerLeft, lowerRight}) EXPECT_EQ(At(p.x(), p.y()), White);

    Image.fill(Qt::white);
    Canvas.Pie(0, 0, 41, 41, 20, 0, 40, 20);  // the other three quarters
    EXPECT_EQ(At(upperRight.x(), upperRight.y()), White);
    for (QPoint p : {upperLeft, lowerLeft, lowerRight}) EXPECT_EQ(At(p.x(), p.y()), RGB(255, 0, 0));

    Image.fill(Qt::white);
    Canvas.Chord(0, 0, 41, 41, 40, 20, 20, 0);
    EXPECT_EQ(At(33, 7), RGB(255, 0, 0));          // between the arc and the chord
    EXPECT_EQ(At(upperRight.x() - 2, upperRight.y() + 2), White);  // the centre side of the chord

    Image.fill(Qt::white);
    Canvas.Arc(0, 0, 41, 41, 40, 20, 20, 0);
    EXPECT_EQ(Ink(), QRect(20, 0, 21, 21));
    EXPECT_EQ(At(33, 7), White);
}

TEST_F(CanvasTest, PolygonFillsAlternately)
{
    // A five-pointed star drawn in one stroke: its centre lies inside twice and stays empty.
    Canvas.Pen()->SetStyle(psClear);
    Canvas.Brush()->SetColor(clBlue);
    Canvas.Polygon({Point(30, 2), Point(42, 40), Point(10, 16), Point(50, 16), Point(18, 40)});
    EXPECT_EQ(At(30, 24), White);
    EXPECT_EQ(At(30, 8), RGB(0, 0, 255));
    EXPECT_EQ(At(14, 17), RGB(0, 0, 255));
}

TEST_F(CanvasTest, HatchedBrushesLeaveTheirGapsThroughTheCanvas)
{
    Image.fill(Qt::gray);
    const COLORREF gray = At(0, 0);
    Canvas.Brush()->SetStyle(bsCross);
    Canvas.Brush()->SetColor(clRed);
    Canvas.FillRect(Rect(0, 0, 16, 16));
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(At(i, 3), RGB(255, 0, 0)) << i;
        EXPECT_EQ(At(4, i), RGB(255, 0, 0)) << i;
    }
    EXPECT_EQ(At(0, 0), gray);
    EXPECT_EQ(At(13, 9), gray);

    // An opaque background fills the gaps with the background colour.
    SetBkMode(Canvas.Handle(), OPAQUE);
    SetBkColor(Canvas.Handle(), RGB(0, 255, 0));
    Canvas.FillRect(Rect(0, 0, 16, 16));
    EXPECT_EQ(At(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(At(4, 0), RGB(255, 0, 0));
}

TEST_F(CanvasTest, HatchesFollowTheirDirection)
{
    const struct {
        TBrushStyle Style;
        QPoint On;
        QPoint Off;
    } cases[] = {
        {bsHorizontal, {1, 3}, {1, 4}}, {bsVertical, {4, 1}, {5, 1}},   {bsFDiagonal, {2, 2}, {2, 5}},
        {bsBDiagonal, {2, 5}, {2, 2}},  {bsDiagCross, {2, 2}, {2, 4}},
    };
    for (const auto& c : cases) {
        Image.fill(Qt::white);
        Canvas.Brush()->SetStyle(c.Style);
        Canvas.Brush()->SetColor(clBlack);
        Canvas.FillRect(Rect(0, 0, 8, 8));
        EXPECT_EQ(At(c.On.x(), c.On.y()), Black) << c.Style;
        EXPECT_EQ(At(c.Off.x(), c.Off.y()), White) << c.Style;
    }
}

TEST_F(CanvasTest, XorFillWithATransparentHatchTouchesOnlyTheLines)
{
    Image.fill(Qt::gray);
    const COLORREF gray = At(0, 0);
    Canvas.Pen()->SetStyle(psClear);
    Canvas.Pen()->SetMode(pmXor);
    Canvas.Brush()->SetStyle(bsHorizontal);
    Canvas.Brush()->SetColor(clWhite);
    Canvas.Rectangle(0, 0, 17, 17);
    EXPECT_EQ(At(5, 3), ~gray & 0xFFFFFF);
    EXPECT_EQ(At(5, 4), gray);
}

TEST_F(CanvasTest, TextOutFillsItsCellUnlessTheBrushIsClear)
{
    Image.fill(Qt::gray);
    const COLORREF gray = At(0, 0);
    const QString text = QStringLiteral("Hi");
    const int width = Canvas.TextWidth(text);
    const int height = Canvas.TextHeight(text);
    Canvas.Brush()->SetColor(clYellow);
    Canvas.TextOut(5, 4, text);
    EXPECT_EQ(Ink(gray), QRect(5, 4, width, height));
    EXPECT_EQ(At(5, 4 + height - 1), RGB(255, 255, 0));
    EXPECT_EQ(Canvas.PenPos(), Point(5 + width, 4));

    Image.fill(Qt::gray);
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.TextOut(5, 4, text);
    EXPECT_EQ(At(5, 4 + height - 1), gray);
    const QRect ink = Ink(gray);
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(5, 4, width, height).contains(ink));
}

TEST_F(CanvasTest, TextUsesTheFontColour)
{
    Canvas.Font()->SetColor(clRed);
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.TextOut(2, 2, QStringLiteral("M"));
    const QRect ink = Ink();
    ASSERT_FALSE(ink.isEmpty());
    bool red = false;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x) red |= At(x, y) == RGB(255, 0, 0);
    EXPECT_TRUE(red);
}

TEST_F(CanvasTest, OrientationTurnsTextCounterClockwise)
{
    const QString text = QStringLiteral("Turn");
    const int width = Canvas.TextWidth(text);
    const int height = Canvas.TextHeight(text);
    Canvas.Font()->SetOrientation(900);
    Canvas.Brush()->SetStyle(bsClear);
    Canvas.TextOut(10, 60, text);
    const QRect ink = Ink();
    ASSERT_FALSE(ink.isEmpty());
    // Turned by 90 degrees, the text runs upwards from (10, 60) with its top to the left.
    EXPECT_TRUE(QRect(10, 60 - width, height + 1, width + 1).contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    EXPECT_GT(ink.height(), ink.width());
}

TEST_F(CanvasTest, TextRectClipsAndFillsItsRectangle)
{
    Image.fill(Qt::gray);
    const COLORREF gray = At(0, 0);
    Canvas.Brush()->SetColor(clYellow);
    Canvas.TextRect(Rect(5, 5, 20, 12), 6, 3, QStringLiteral("WWWWWWWW"));
    EXPECT_EQ(Ink(gray), QRect(5, 5, 15, 7));
    EXPECT_EQ(At(5, 11), RGB(255, 255, 0));
}

TEST_F(CanvasTest, TextExtentMatchesWidthAndHeight)
{
    const QString text = QStringLiteral("Extent");
    EXPECT_EQ(Canvas.TextExtent(text), (TSize{Canvas.TextWidth(text), Canvas.TextHeight(text)}));
    EXPECT_EQ(Canvas.TextWidth(QString()), 0);
}

TEST_F(CanvasTest, PixelsReadAndWriteResolvedColours)
{
    Canvas.SetPixels(3, 4, clBtnFace);
    EXPECT_EQ(At(3, 4), RGB(212, 208, 200));
    EXPECT_EQ(Canvas.Pixels(3, 4), static_cast<TColor>(RGB(212, 208, 200)));
    EXPECT_EQ(Canvas.Pixels(-1, 0), -1);
    EXPECT_EQ(Canvas.Pixels(ImageWidth, 0), -1);
}

TEST_F(CanvasTest, ClipRectIsTheVisibleArea)
{
    EXPECT_EQ(Canvas.ClipRect(), Rect(0, 0, ImageWidth, ImageHeight));
    IntersectClipRect(Canvas.Handle(), 5, 6, 20, 30);
    EXPECT_EQ(Canvas.ClipRect(), Rect(5, 6, 20, 30));
    Canvas.Brush()->SetColor(clRed);
    Canvas.FillRect(Rect(0, 0, ImageWidth, ImageHeight));
    EXPECT_EQ(Ink(), QRect(5, 6, 15, 24));
}

TEST_F(CanvasTest, DrawAndStretchDrawHandThePictureItsRectangle)
{
    TRecordingGraphic graphic;
    Canvas.Draw(3, 4, &graphic);
    Canvas.StretchDraw(Rect(1, 2, 30, 40), &graphic);
    Canvas.Draw(0, 0, nullptr);
    ASSERT_EQ(graphic.Drawn.size(), 2u);
    EXPECT_EQ(graphic.Drawn[0], Rect(3, 4, 10, 9));
    EXPECT_EQ(graphic.Drawn[1], Rect(1, 2, 30, 40));
    EXPECT_EQ(graphic.Canvas, &Canvas);
}

TEST_F(CanvasTest, CopyRectStretchesWithTheCopyMode)
{
    QImage sourceImage(2, 1, QImage::Format_RGB32);
    sourceImage.setPixel(0, 0, qRgb(255, 0, 0));
    sourceImage.setPixel(1, 0, qRgb(0, 0, 255));
    TCanvas source;
    BindImage(source, &sourceImage);

    Canvas.CopyRect(Rect(0, 0, 4, 2), &source, Rect(0, 0, 2, 1));
    EXPECT_EQ(At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(At(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(At(2, 0), RGB(0, 0, 255));
    EXPECT_EQ(At(3, 1), RGB(0, 0, 255));
    EXPECT_EQ(At(4, 0), White);

    Canvas.SetCopyMode(cmSrcInvert);
    Canvas.CopyRect(Rect(0, 0, 2, 1), &source, Rect(0, 0, 2, 1));
    EXPECT_EQ(At(0, 0), Black);
    EXPECT_EQ(At(1, 0), RGB(255, 0, 255));
}

TEST_F(CanvasTest, DrawingFiresChangingAndChanged)
{
    std::vector<char> events;
    Canvas.OnChanging = [&](TObject*) { events.push_back('<'); };
    Canvas.OnChange = [&](TObject*) { events.push_back('>'); };
    Canvas.FillRect(Rect(0, 0, 2, 2));
    Canvas.TextOut(0, 0, QStringLiteral("a"));
    EXPECT_EQ(events, (std::vector<char>{'<', '>', '<', '>'}));
}

TEST_F(CanvasTest, DrawingWithoutASurfaceRaises)
{
    TCanvas unbound;
    EXPECT_FALSE(unbound.HandleAllocated());
    EXPECT_EQ(PainterOf(unbound), nullptr);
    EXPECT_THROW(unbound.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
    EXPECT_THROW(unbound.Handle(), EInvalidOperation);
}

TEST_F(CanvasTest, ADescendantBindsItsSurfaceOnDemand)
{
    TLazyCanvas drawn;
    drawn.Brush()->SetColor(clRed);
    drawn.FillRect(Rect(0, 0, 2, 2));
    EXPECT_TRUE(drawn.HandleAllocated());
    EXPECT_EQ(ColorOf(drawn.Surface.pixel(1, 1)), RGB(255, 0, 0));

    TLazyCanvas painted;
    EXPECT_NE(PainterOf(painted), nullptr);
    EXPECT_TRUE(painted.HandleAllocated());
}

TEST_F(CanvasTest, ACopyOfTheImageKeepsItsPixels)
{
    Canvas.Brush()->SetColor(clRed);
    Canvas.FillRect(Rect(0, 0, 4, 4));
    const QImage snapshot = Image;
    Canvas.Brush()->SetColor(clBlue);
    Canvas.FillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(ColorOf(snapshot.pixel(0, 0)), RGB(255, 0, 0));
    EXPECT_EQ(At(0, 0), RGB(0, 0, 255));
}

TEST_F(CanvasTest, ABoundPainterKeepsItsOriginAndClip)
{
    QPainter painter(&Image);
    painter.translate(10, 5);
    painter.setClipRect(0, 0, 6, 6);
    TCanvas canvas;
    BindPainter(canvas, &painter);
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(Rect(-5, -5, 20, 20));
    EXPECT_EQ(canvas.Pixels(0, 0), static_cast<TColor>(RGB(255, 0, 0)));
    BindPainter(canvas, nullptr);
    painter.end();
    EXPECT_EQ(Ink(), QRect(10, 5, 6, 6));
}

TEST_F(CanvasTest, RebindingStartsAFreshState)
{
    IntersectClipRect(Canvas.Handle(), 0, 0, 2, 2);
    Canvas.MoveTo(7, 7);
    QImage other(10, 10, QImage::Format_RGB32);
    other.fill(Qt::white);
    BindImage(Canvas, &other);
    EXPECT_EQ(Canvas.ClipRect(), Rect(0, 0, 10, 10));
    EXPECT_EQ(Canvas.PenPos(), Point(0, 0));
    BindImage(Canvas, nullptr);
    EXPECT_FALSE(Canvas.HandleAllocated());
}

TEST_F(CanvasTest, SavesAShapesSheet)
{
    QImage sheet(240, 120, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    TCanvas canvas;
    BindImage(canvas, &sheet);
    canvas.Brush()->SetColor(clSkyBlue);
    canvas.Rectangle(5, 5, 45, 35);
    canvas.Ellipse(50, 5, 100, 35);
    canvas.RoundRect(105, 5, 155, 35, 12, 12);
    canvas.Pie(160, 5, 200, 45, 200, 25, 180, 5);
    canvas.Brush()->SetStyle(bsDiagCross);
    canvas.Brush()->SetColor(clMaroon);
    canvas.Polygon({Point(30, 50), Point(42, 88), Point(10, 64), Point(50, 64), Point(18, 88)});
    canvas.Pen()->SetStyle(psDashDot);
    canvas.MoveTo(60, 60);
    canvas.LineTo(230, 60);
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetWidth(3);
    canvas.Arc(60, 65, 110, 115, 110, 90, 60, 90);
    canvas.Brush()->SetColor(clInfoBk);
    canvas.Font()->SetName(QStringLiteral("Verdana"));
    canvas.TextOut(120, 70, QStringLiteral("Verdana 8 pt"));
    canvas.Font()->SetOrientation(450);
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(120, 115, QStringLiteral("turned 45"));
    BindImage(canvas, nullptr);
    SaveArtifact(sheet, QStringLiteral("canvas-shapes"));
}
