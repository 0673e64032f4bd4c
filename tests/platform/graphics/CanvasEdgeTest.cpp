// Edge cases of GDI's pixel rules: empty, inverted and one-pixel figures, raster modes applied twice,
// clipping across nested SaveDC levels, and DrawText measuring edge cases.
#include "CanvasTestSupport.h"

#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "graphics/Region.h"
#include "support/LayerInternals.h"

#include <QPainter>

#include <functional>

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Red = RGB(255, 0, 0);

// A colourful picture every pixel of which differs from its neighbours.
void Paint(QImage& Image)
{
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x) Image.setPixel(x, y, qRgb(x * 7 % 256, y * 11 % 256, (x * y) % 256));
}

} // namespace

class CanvasEdgeTest : public TPaintTest {};

TEST_F(CanvasEdgeTest, FiguresOfEmptyInvertedAndOnePixelBoxes)
{
    using Figure = std::function<void(TCanvas&, int, int, int, int)>;
    const Figure rectangle = [](TCanvas& C, int X1, int Y1, int X2, int Y2) { C.Rectangle(X1, Y1, X2, Y2); };
    const Figure ellipse = [](TCanvas& C, int X1, int Y1, int X2, int Y2) { C.Ellipse(X1, Y1, X2, Y2); };
    const Figure roundRect = [](TCanvas& C, int X1, int Y1, int X2, int Y2) { C.RoundRect(X1, Y1, X2, Y2, 4, 4); };
    const Figure fillRect = [](TCanvas& C, int X1, int Y1, int X2, int Y2) { C.FillRect(Rect(X1, Y1, X2, Y2)); };
    const Figure frameRect = [](TCanvas& C, int X1, int Y1, int X2, int Y2) { C.FrameRect(Rect(X1, Y1, X2, Y2)); };
    const struct {
        const char* Name;
        Figure Draw;
        TPenStyle Pen;
        TRect Box;
        QRect Ink;
        COLORREF Colour;
    } cases[] = {
        {"rectangle, empty width", rectangle, psSolid, Rect(10, 10, 10, 20), QRect(), White},
        {"rectangle, empty height", rectangle, psSolid, Rect(10, 10, 20, 10), QRect(), White},
        {"rectangle, inverted", rectangle, psSolid, Rect(20, 20, 10, 10), QRect(10, 10, 10, 10), Black},
        {"rectangle, one pixel", rectangle, psSolid, Rect(10, 10, 11, 11), QRect(10, 10, 1, 1), Black},
        {"rectangle, one pixel wide", rectangle, psSolid, Rect(10, 10, 11, 15), QRect(10, 10, 1, 5), Black},
        {"rectangle, one pixel high", rectangle, psSolid, Rect(10, 10, 15, 11), QRect(10, 10, 5, 1), Black},
        {"rectangle without pen, one pixel", rectangle, psClear, Rect(10, 10, 11, 11), QRect(), White},
        {"rectangle without pen, two pixels", rectangle, psClear, Rect(10, 10, 12, 12), QRect(10, 10, 1, 1), Red},
        {"ellipse, empty width", ellipse, psSolid, Rect(10, 10, 10, 20), QRect(), White},
        {"ellipse, empty height", ellipse, psSolid, Rect(10, 10, 20, 10), QRect(), White},
        {"ellipse, inverted", ellipse, psSolid, Rect(30, 30, 10, 10), QRect(10, 10, 20, 20), Black},
        {"round rectangle, empty", roundRect, psSolid, Rect(10, 10, 10, 20), QRect(), White},
        {"round rectangle, inverted", roundRect, psSolid, Rect(30, 30, 10, 10), QRect(10, 10, 20, 20), Black},
        {"fill, empty", fillRect, psSolid, Rect(10, 10, 10, 20), QRect(), White},
        {"fill, one pixel", fillRect, psSolid, Rect(10, 10, 11, 11), QRect(10, 10, 1, 1), Red},
        {"frame, empty", frameRect, psSolid, Rect(10, 10, 20, 10), QRect(), White},
        {"frame, one pixel", frameRect, psSolid, Rect(10, 10, 11, 11), QRect(10, 10, 1, 1), Red},
        {"frame, one pixel wide", frameRect, psSolid, Rect(10, 10, 11, 15), QRect(10, 10, 1, 5), Red},
    };
    for (const auto& c : cases) {
        Image.fill(Qt::white);
        Canvas.Pen()->SetStyle(c.Pen);
        Canvas.Brush()->SetColor(clRed);
        c.Draw(Canvas, c.Box.Left, c.Box.Top, c.Box.Right, c.Box.Bottom);
        EXPECT_EQ(Ink(), c.Ink) << c.Name;
        if (c.Colour != White) {
            EXPECT_EQ(At(c.Ink.left() + c.Ink.width() / 2, c.Ink.top()), c.Colour) << c.Name;
        }
    }
}

TEST_F(CanvasEdgeTest, InvertingModesDrawnTwiceRestoreThePicture)
{
    using Figure = std::function<void(TCanvas&)>;
    const struct {
        const char* Name;
        Figure Draw;
    } figures[] = {
        {"rectangle", [](TCanvas& C) { C.Rectangle(5, 6, 40, 30); }},
        {"ellipse", [](TCanvas& C) { C.Ellipse(5, 6, 40, 30); }},
        {"round rectangle", [](TCanvas& C) { C.RoundRect(5, 6, 40, 30, 10, 8); }},
        {"pie", [](TCanvas& C) { C.Pie(5, 6, 40, 30, 40, 6, 5, 30); }},
        {"chord", [](TCanvas& C) { C.Chord(5, 6, 40, 30, 40, 6, 5, 30); }},
        {"arc", [](TCanvas& C) { C.Arc(5, 6, 40, 30, 40, 6, 5, 30); }},
        {"polygon", [](TCanvas& C) { C.Polygon({Point(5, 5), Point(50, 10), Point(20, 40)}); }},
        {"polyline", [](TCanvas& C) { C.Polyline({Point(5, 5), Point(50, 10), Point(20, 40), Point(5, 5)}); }},
        {"line", [](TCanvas& C) {
             C.MoveTo(3, 50);
             C.LineTo(60, 7);
         }},
    };
    const struct {
        TPenMode Mode;
        TColor Tools;  // pen and brush colour that inverts what it touches
    } modes[] = {{pmXor, clWhite}, {pmNotXor, clBlack}, {pmNot, clWhite}};
    for (const auto& figure : figures) {
        for (const auto& mode : modes) {
            const auto setUp = [&] {
                Canvas.Pen()->SetColor(mode.Tools);
                Canvas.Pen()->SetMode(mode.Mode);
                Canvas.Brush()->SetColor(mode.Tools);
            };
            Paint(Image);
            const QImage before = Image.copy();
            setUp();
            figure.Draw(Canvas);
            EXPECT_NE(Image, before) << figure.Name << " " << mode.Mode;
            figure.Draw(Canvas);
            EXPECT_EQ(Image, before) << figure.Name << " " << mode.Mode;
        }
    }
}

TEST_F(CanvasEdgeTest, XorModeMixesEachPixelOfAFigureOnce)
{
    using Figure = std::function<void(TCanvas&)>;
    const struct {
        const char* Name;
        Figure Draw;
        QPoint Inside;
    } figures[] = {
        {"rectangle", [](TCanvas& C) { C.Rectangle(5, 6, 40, 30); }, QPoint(20, 18)},
        {"rectangles one pixel wide and high", [](TCanvas& C) {
             C.Rectangle(5, 6, 6, 30);
             C.Rectangle(8, 6, 30, 7);
             C.Rectangle(20, 18, 22, 20);
             C.Rectangle(20, 20, 23, 23);
         }, QPoint(21, 21)},
        {"rectangle, wide pen", [](TCanvas& C) {
             C.Pen()->SetWidth(3);
             C.Rectangle(5, 6, 40, 30);
             C.Pen()->SetWidth(1);
         }, QPoint(20, 18)},
        {"ellipse, wide pen", [](TCanvas& C) {
             C.Pen()->SetWidth(3);
             C.Ellipse(5, 6, 40, 30);
             C.Pen()->SetWidth(1);
         }, QPoint(20, 18)},
        {"ellipse", [](TCanvas& C) { C.Ellipse(5, 6, 40, 30); }, QPoint(22, 18)},
        {"round rectangle", [](TCanvas& C) { C.RoundRect(5, 6, 40, 30, 10, 8); }, QPoint(22, 18)},
        {"pie", [](TCanvas& C) { C.Pie(5, 6, 40, 30, 40, 6, 5, 30); }, QPoint(15, 12)},
        {"chord", [](TCanvas& C) { C.Chord(5, 6, 40, 30, 40, 6, 5, 30); }, QPoint(15, 12)},
        {"polygon", [](TCanvas& C) { C.Polygon({Point(5, 5), Point(50, 10), Point(20, 40)}); }, QPoint(22, 15)},
    };
    for (const auto& figure : figures) {
        for (QPoint origin : {QPoint(0, 0), QPoint(7, -3)}) {
            SetViewportOrgEx(Canvas.Handle(), origin.x(), origin.y(), nullptr);
            // Over black, pmXor gives the colours pmCopy gives; a pixel mixed twice (pen twice, or pen and
            // brush) would differ.
            Image.fill(Qt::black);
            Canvas.Pen()->SetColor(clWhite);
            Canvas.Pen()->SetMode(pmXor);
            Canvas.Brush()->SetColor(clRed);
            figure.Draw(Canvas);
            const QImage xored = Image.copy();
            // The same figure in pmCopy is the reference.
            Image.fill(Qt::black);
            Canvas.Pen()->SetMode(pmCopy);
            figure.Draw(Canvas);
            const QPoint inside = figure.Inside + origin;
            EXPECT_EQ(At(inside.x(), inside.y()), Red) << figure.Name;
            EXPECT_EQ(xored, Image) << figure.Name << " at origin " << origin.x() << "," << origin.y();
        }
    }
}

TEST_F(CanvasEdgeTest, ClippingFollowsNestedSaveDCLevels)
{
    HDC dc = Canvas.Handle();
    const auto fillAll = [&] {
        Image.fill(Qt::white);
        Canvas.Brush()->SetColor(clRed);
        Canvas.FillRect(Rect(0, 0, ImageWidth, ImageHeight));
    };
    IntersectClipRect(dc, 10, 10, 50, 50);
    const int outer = SaveDC(dc);
    IntersectClipRect(dc, 20, 20, 40, 40);
    const int middle = SaveDC(dc);
    ExcludeClipRect(dc, 25, 25, 30, 30);
    SaveDC(dc);
    SelectClipRgn(dc, nullptr);

    const struct {
        const char* Name;
        int32_t Restore;  // 0: draw at the current level
        QRect Ink;
        QPoint Hole;  // a pixel left white inside Ink (-1: none)
    } steps[] = {
        {"no clip at the innermost level", 0, QRect(0, 0, ImageWidth, ImageHeight), QPoint(-1, -1)},
        {"back one level: the hole returns", -1, QRect(20, 20, 20, 20), QPoint(27, 27)},
        {"back to the middle level", middle, QRect(20, 20, 20, 20), QPoint(-1, -1)},
        {"back to the outer level", outer, QRect(10, 10, 40, 40), QPoint(-1, -1)},
    };
    for (const auto& step : steps) {
        if (step.Restore != 0) {
            EXPECT_TRUE(RestoreDC(dc, step.Restore)) << step.Name;
        }
        fillAll();
        EXPECT_EQ(Ink(), step.Ink) << step.Name;
        const QPoint probe = step.Hole.x() >= 0 ? step.Hole : step.Ink.center();
        EXPECT_EQ(At(probe.x(), probe.y()), step.Hole.x() >= 0 ? White : Red) << step.Name;
    }
    EXPECT_FALSE(RestoreDC(dc, outer)) << "a level is restored once";

    // A clip set through a window origin stays in device coordinates when the origin changes.
    const int level = SaveDC(dc);
    SetWindowOrgEx(dc, -5, -5, nullptr);
    IntersectClipRect(dc, 0, 0, 10, 10);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    fillAll();
    EXPECT_EQ(Ink(), QRect(10, 10, 5, 5));
    RestoreDC(dc, level);
    fillAll();
    EXPECT_EQ(Ink(), QRect(10, 10, 40, 40));
}

class DrawTextEdgeTest : public TPaintTest {
protected:
    void SetUp() override
    {
        TPaintTest::SetUp();
        Canvas.Brush()->SetStyle(bsClear);
        LineHeight = Canvas.TextHeight(QStringLiteral("Wg"));
    }

    int LineHeight = 0;
};

TEST_F(DrawTextEdgeTest, CalcRectOfAnEmptyText)
{
    const struct {
        const char* Name;
        uint32_t Format;
        int Lines;
    } cases[] = {
        {"plain", 0, 0},
        {"word break", DT_WORDBREAK, 0},
        {"word break, edit control", DT_WORDBREAK | DT_EDITCONTROL, 0},
        {"single line", DT_SINGLELINE, 1},
        {"single line, centred", DT_SINGLELINE | DT_VCENTER | DT_CENTER, 1},
    };
    for (const auto& c : cases) {
        TRect r = Rect(3, 4, 60, 9);
        const int height = DrawText(Canvas.Handle(), QString(), -1, r, c.Format | DT_CALCRECT);
        EXPECT_EQ(r, Rect(3, 4, 3, 4 + c.Lines * LineHeight)) << c.Name;
        EXPECT_EQ(height, LineHeight) << c.Name;
    }
    // A text of only a prefix character is empty too.
    TRect r = Rect(3, 4, 60, 9);
    DrawText(Canvas.Handle(), QStringLiteral("&"), -1, r, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(r, Rect(3, 4, 3, 4));
    EXPECT_TRUE(Ink().isEmpty());
}

TEST_F(DrawTextEdgeTest, CalcRectWithWordBreak)
{
    const auto width = [&](const char* Text) { return Canvas.TextWidth(QString::fromLatin1(Text)); };
    const struct {
        const char* Name;
        QString Text;
        int Width;
        int Right;
        int Lines;
    } cases[] = {
        {"trailing blanks do not widen", QStringLiteral("ab cd   "), width("ab cd"), width("ab cd"), 1},
        {"blanks at a break are dropped", QStringLiteral("ab      cd"), width("ab c"), width("ab"), 2},
        {"an empty line between paragraphs", QStringLiteral("ab\r\n\r\ncd"), 100, width("ab"), 3},
        {"zero width keeps whole words", QStringLiteral("ab cd"), 0, width("ab"), 2},
    };
    for (const auto& c : cases) {
        TRect r = Rect(0, 0, c.Width, 0);
        DrawText(Canvas.Handle(), c.Text, -1, r, DT_WORDBREAK | DT_CALCRECT);
        EXPECT_EQ(r.Right, c.Right) << c.Name;
        EXPECT_EQ(r.Bottom, c.Lines * LineHeight) << c.Name;
    }
}

TEST_F(DrawTextEdgeTest, EllipsisNeverOverrunsItsRectangle)
{
    const QString text = QStringLiteral("Configuration file of the bank");
    for (uint32_t format : {DT_END_ELLIPSIS, DT_WORD_ELLIPSIS, DT_PATH_ELLIPSIS}) {
        for (int width : {0, 3, 10, 25, 60, 120}) {
            Image.fill(Qt::white);
            TRect r = Rect(10, 5, 10 + width, 5 + LineHeight);
            DrawText(Canvas.Handle(), text, -1, r, DT_SINGLELINE | DT_NOCLIP | format);
            const QRect ink = Ink();
            if (!ink.isEmpty()) {
                EXPECT_LE(ink.right(), 10 + std::max(width, Canvas.TextWidth(QStringLiteral("..."))) + 1) << format << " in " << width;
            }
        }
    }
}

TEST_F(DrawTextEdgeTest, CalcRectMeasuresTheShortenedText)
{
    const QString text = QStringLiteral("C:\\Program\\Configurator\\bank.cfg");
    const int whole = Canvas.TextWidth(text);
    const int dots = Canvas.TextWidth(QStringLiteral("..."));
    for (uint32_t format : {DT_END_ELLIPSIS, DT_WORD_ELLIPSIS, DT_PATH_ELLIPSIS}) {
        for (int width : {whole + 5, whole, whole / 2, dots + 2}) {
            TRect measured = Rect(4, 4, 4 + width, 8);
            DrawText(Canvas.Handle(), text, -1, measured, DT_SINGLELINE | format | DT_CALCRECT);
            // The same text drawn: its ink ends where the measured rectangle does.
            Image.fill(Qt::white);
            TRect box = Rect(4, 4, 4 + width, 4 + LineHeight);
            DrawText(Canvas.Handle(), text, -1, box, DT_SINGLELINE | format);
            EXPECT_LE(measured.Width(), std::min(width, whole)) << format << " in " << width;
            EXPECT_GE(measured.Right, Ink().right()) << format << " in " << width;
            if (width >= whole) {
                EXPECT_EQ(measured.Width(), whole) << format;
            }
        }
    }
}

TEST_F(CanvasEdgeTest, EllipsesFillTheirBoxSymmetrically)
{
    for (QSize size : {QSize(2, 2), QSize(3, 2), QSize(6, 6), QSize(7, 4), QSize(20, 20), QSize(21, 11), QSize(40, 30)}) {
        Image.fill(Qt::white);
        Canvas.Brush()->SetColor(clRed);
        const QRect box(10, 10, size.width(), size.height());
        Canvas.Ellipse(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
        EXPECT_EQ(Ink(), box) << size.width() << "x" << size.height();
        const QImage drawn = Image.copy(box);
        EXPECT_EQ(drawn, drawn.mirrored(true, false)) << size.width() << "x" << size.height();
        EXPECT_EQ(drawn, drawn.mirrored(false, true)) << size.width() << "x" << size.height();
        // The outline is one pixel thick: the middle of each side is pen, its inner neighbour brush.
        if (size.width() > 2 && size.height() > 2) {
            EXPECT_EQ(At(box.left(), box.center().y()), Black);
            EXPECT_EQ(At(box.left() + 1, box.center().y()), Red);
            EXPECT_EQ(At(box.center().x(), box.top()), Black);
            EXPECT_EQ(At(box.center().x(), box.top() + 1), Red);
        }
    }
}

TEST_F(CanvasEdgeTest, XorFiguresThroughABoundPainterKeepItsClip)
{
    // A window's paint: the painter is moved and clipped.
    Paint(Image);
    const QImage before = Image.copy();
    const QRect clip(10, 5, 30, 20);
    QPainter painter(&Image);
    painter.translate(clip.topLeft());
    painter.setClipRect(0, 0, clip.width(), clip.height());
    TCanvas canvas;
    BindPainter(canvas, &painter);
    canvas.Pen()->SetMode(pmXor);
    canvas.Pen()->SetColor(clWhite);
    canvas.Brush()->SetColor(clYellow);
    const auto draw = [&] {
        canvas.RoundRect(-5, -5, 40, 30, 9, 9);
        canvas.Polygon({Point(-3, -3), Point(35, 4), Point(6, 28)});
    };
    draw();
    for (int y = 0; y < Image.height(); ++y) {
        for (int x = 0; x < Image.width(); ++x) {
            if (!clip.contains(x, y)) {
                ASSERT_EQ(Image.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_NE(Image, before);
    draw();
    BindPainter(canvas, nullptr);
    painter.end();
    EXPECT_EQ(Image, before);
}
