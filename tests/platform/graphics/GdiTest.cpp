// Tests of the GDI helpers: edges, frame controls, focus rectangles, blits, gradients, alpha blending,
// regions, clipping and saved states.
#include "CanvasTestSupport.h"

#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "graphics/Region.h"
#include "support/Artifacts.h"
#include "support/LayerInternals.h"

#include <functional>

namespace {

constexpr COLORREF White = RGB(255, 255, 255);

COLORREF Sys(int Index)
{
    return GetSysColor(Index);
}

} // namespace

class GdiTest : public TPaintTest {
protected:
    // A canvas over a small image of its own, for blit sources.
    struct TSource {
        explicit TSource(int W, int H) : Image(W, H, QImage::Format_RGB32) { BindImage(Canvas, &Image); }
        QImage Image;
        TCanvas Canvas;
    };

    // The number of pixels of Color in row Y between X0 and X1 (exclusive).
    int CountInRow(int Y, int X0, int X1, COLORREF Color) const
    {
        int count = 0;
        for (int x = X0; x < X1; ++x) count += At(x, Y) == Color;
        return count;
    }
};

TEST_F(GdiTest, DrawEdgeColoursEachRingAsWindowsDoes)
{
    const struct {
        const char* Name;
        uint32_t Edge;
        uint32_t Flags;
        int OuterTopLeft, OuterBottomRight, InnerTopLeft, InnerBottomRight;
    } cases[] = {
        {"raised", EDGE_RAISED, 0, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
        {"sunken", EDGE_SUNKEN, 0, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
        {"etched", EDGE_ETCHED, 0, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
        {"bump", EDGE_BUMP, 0, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
        {"soft raised", EDGE_RAISED, BF_SOFT, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT, COLOR_BTNSHADOW},
        {"soft sunken", EDGE_SUNKEN, BF_SOFT, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_3DLIGHT},
        {"flat", EDGE_SUNKEN, BF_FLAT, COLOR_BTNSHADOW, COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_BTNFACE},
        {"mono", EDGE_RAISED, BF_MONO, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME, COLOR_WINDOW, COLOR_WINDOW},
    };
    for (const auto& c : cases) {
        Image.fill(QColorOf(RGB(1, 2, 3)));
        TRect r = Rect(10, 10, 30, 25);
        ASSERT_TRUE(DrawEdge(Canvas.Handle(), r, c.Edge, BF_RECT | c.Flags));
        EXPECT_EQ(r, Rect(10, 10, 30, 25)) << c.Name;
        EXPECT_EQ(At(20, 10), Sys(c.OuterTopLeft)) << c.Name << " outer top";
        EXPECT_EQ(At(10, 17), Sys(c.OuterTopLeft)) << c.Name << " outer left";
        EXPECT_EQ(At(20, 24), Sys(c.OuterBottomRight)) << c.Name << " outer bottom";
        EXPECT_EQ(At(29, 17), Sys(c.OuterBottomRight)) << c.Name << " outer right";
        EXPECT_EQ(At(29, 10), Sys(c.OuterBottomRight)) << c.Name << " top-right corner";
        EXPECT_EQ(At(10, 24), Sys(c.OuterBottomRight)) << c.Name << " bottom-left corner";
        EXPECT_EQ(At(20, 11), Sys(c.InnerTopLeft)) << c.Name << " inner top";
        EXPECT_EQ(At(20, 23), Sys(c.InnerBottomRight)) << c.Name << " inner bottom";
        EXPECT_EQ(At(20, 17), RGB(1, 2, 3)) << c.Name << " middle untouched";
    }
}

TEST_F(GdiTest, DrawEdgeDrawsOnlyTheFlaggedSidesAndAdjusts)
{
    TRect r = Rect(10, 10, 30, 25);
    DrawEdge(Canvas.Handle(), r, BDR_RAISEDOUTER, BF_TOP | BF_LEFT | BF_ADJUST | BF_MIDDLE);
    EXPECT_EQ(r, Rect(11, 11, 30, 25));
    EXPECT_EQ(At(29, 10), Sys(COLOR_3DLIGHT));  // the top line runs to the end without a right side
    EXPECT_EQ(At(20, 24), Sys(COLOR_BTNFACE));
    EXPECT_EQ(Ink(), QRect(10, 10, 20, 15));

    r = Rect(40, 10, 60, 25);
    DrawEdge(Canvas.Handle(), r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(r, Rect(42, 12, 58, 23));
}

TEST_F(GdiTest, PushButtonsAreRaisedOrSunken)
{
    const struct {
        uint32_t State;
        int TopLeft, BottomRight, Face;
    } cases[] = {
        {0, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_BTNFACE},
        {DFCS_PUSHED, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNFACE},
        {DFCS_FLAT, COLOR_BTNSHADOW, COLOR_BTNSHADOW, COLOR_BTNFACE},
        {DFCS_MONO, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME, COLOR_WINDOW},
    };
    for (const auto& c : cases) {
        TRect r = Rect(5, 5, 45, 25);
        ASSERT_TRUE(DrawFrameControl(Canvas.Handle(), r, DFC_BUTTON, DFCS_BUTTONPUSH | c.State));
        EXPECT_EQ(At(5, 5), Sys(c.TopLeft)) << c.State;
        EXPECT_EQ(At(44, 24), Sys(c.BottomRight)) << c.State;
        EXPECT_EQ(At(25, 15), Sys(c.Face)) << c.State;
        EXPECT_EQ(r, Rect(5, 5, 45, 25));
    }
    TRect r = Rect(5, 5, 45, 25);
    DrawFrameControl(Canvas.Handle(), r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
    EXPECT_EQ(r, Rect(7, 7, 43, 23));
}

TEST_F(GdiTest, CheckBoxesShowTheirTick)
{
    const struct {
        uint32_t State;
        int Interior;
        std::optional<int> Tick;
    } cases[] = {
        {0, COLOR_WINDOW, std::nullopt},
        {DFCS_CHECKED, COLOR_WINDOW, COLOR_WINDOWTEXT},
        {DFCS_CHECKED | DFCS_INACTIVE, COLOR_BTNFACE, COLOR_BTNSHADOW},
        {DFCS_PUSHED, COLOR_BTNFACE, std::nullopt},
    };
    for (const auto& c : cases) {
        Image.fill(Qt::white);
        TRect r = Rect(10, 10, 23, 23);
        ASSERT_TRUE(DrawFrameControl(Canvas.Handle(), r, DFC_BUTTON, DFCS_BUTTONCHECK | c.State));
        EXPECT_EQ(At(10, 10), Sys(COLOR_BTNSHADOW));
        EXPECT_EQ(At(11, 11), Sys(COLOR_3DDKSHADOW));
        EXPECT_EQ(At(22, 22), Sys(COLOR_BTNHIGHLIGHT));
        EXPECT_EQ(At(12, 12), Sys(c.Interior)) << c.State;
        // The tick's lowest point: column 2 of the 7 x 7 mark at (13, 13), rows 4 to 6.
        EXPECT_EQ(At(15, 19), Sys(c.Tick.value_or(c.Interior))) << c.State;
    }
}

TEST_F(GdiTest, RadioButtonsShowTheirDot)
{
    for (bool checked : {false, true}) {
        TRect r = Rect(10, 10, 22, 22);
        DrawFrameControl(Canvas.Handle(), r, DFC_BUTTON, DFCS_BUTTONRADIO | (checked ? DFCS_CHECKED : 0));
        EXPECT_EQ(At(16, 16), checked ? Sys(COLOR_WINDOWTEXT) : Sys(COLOR_WINDOW));
        EXPECT_EQ(At(16, 10), Sys(COLOR_BTNSHADOW));
        EXPECT_EQ(At(16, 21), Sys(COLOR_BTNHIGHLIGHT));
        EXPECT_EQ(At(10, 10), White);
    }
}

TEST_F(GdiTest, ScrollArrowsPointTheirWay)
{
    const COLORREF text = Sys(COLOR_BTNTEXT);
    const struct {
        uint32_t Kind;
        bool Widening;  // rows (or columns) grow from the first to the last
        bool Vertical;
    } cases[] = {
        {DFCS_SCROLLUP, true, true},
        {DFCS_SCROLLDOWN, false, true},
        {DFCS_SCROLLCOMBOBOX, false, true},
        {DFCS_SCROLLLEFT, true, false},
        {DFCS_SCROLLRIGHT, false, false},
    };
    for (const auto& c : cases) {
        Image.fill(Qt::white);
        TRect r = Rect(0, 0, 16, 16);
        ASSERT_TRUE(DrawFrameControl(Canvas.Handle(), r, DFC_SCROLL, c.Kind));
        std::vector<int> runs;
        for (int i = 0; i < 16; ++i) {
            int count = 0;
            for (int j = 0; j < 16; ++j) count += (c.Vertical ? At(j, i) : At(i, j)) == text;
            if (count > 0) runs.push_back(count);
        }
        ASSERT_EQ(runs.size(), 4u) << c.Kind;
        const std::vector<int> widening = {1, 3, 5, 7};
        EXPECT_EQ(runs, c.Widening ? widening : std::vector<int>(widening.rbegin(), widening.rend())) << c.Kind;
    }
    Image.fill(Qt::white);
    TRect r = Rect(0, 0, 16, 16);
    DrawFrameControl(Canvas.Handle(), r, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE);
    EXPECT_EQ(CountInRow(6, 0, 16, text), 0);
    EXPECT_GT(CountInRow(6, 0, 16, Sys(COLOR_BTNSHADOW)), 0);
}

TEST_F(GdiTest, FocusRectangleInvertsEveryOtherPixelAndTwiceRestores)
{
    Canvas.Brush()->SetColor(clTeal);
    Canvas.FillRect(Rect(0, 0, 40, 40));
    Canvas.Brush()->SetColor(clWhite);
    const QImage before = Image.copy();
    const COLORREF teal = At(5, 5);
    Canvas.DrawFocusRect(Rect(4, 4, 20, 12));
    EXPECT_EQ(At(4, 4), ~teal & 0xFFFFFF);
    EXPECT_EQ(At(5, 4), teal);
    EXPECT_EQ(At(6, 4), ~teal & 0xFFFFFF);
    EXPECT_EQ(At(19, 11), ~teal & 0xFFFFFF);
    EXPECT_EQ(At(10, 8), teal);
    EXPECT_EQ(Ink(White), QRect(0, 0, 40, 40));
    DrawFocusRect(Canvas.Handle(), Rect(4, 4, 20, 12));
    EXPECT_EQ(Image, before);
}

TEST_F(GdiTest, PatBltAndInvertRectApplyTheirRasterOperation)
{
    constexpr COLORREF d = RGB(0x12, 0x34, 0x56);
    const struct {
        uint32_t Rop;
        COLORREF Expected;
    } cases[] = {
        {PATCOPY, RGB(255, 0, 0)},
        {PATINVERT, RGB(255, 0, 0) ^ d},
        {DSTINVERT, ~d & 0xFFFFFF},
        {BLACKNESS, 0},
        {WHITENESS, 0xFFFFFF},
    };
    for (const auto& c : cases) {
        Image.fill(QColorOf(d));
        Canvas.Brush()->SetColor(clRed);
        ASSERT_TRUE(PatBlt(Canvas.Handle(), 2, 2, 3, 3, c.Rop));
        EXPECT_EQ(At(4, 4), c.Expected) << std::hex << c.Rop;
        EXPECT_EQ(At(5, 5), d) << std::hex << c.Rop;
    }
    EXPECT_FALSE(PatBlt(Canvas.Handle(), 0, 0, 1, 1, SRCCOPY));
    Image.fill(QColorOf(d));
    InvertRect(Canvas.Handle(), Rect(0, 0, 2, 2));
    EXPECT_EQ(At(1, 1), ~d & 0xFFFFFF);
    EXPECT_EQ(At(2, 1), d);
}

TEST_F(GdiTest, BitBltRasterOperationsCombinePatternSourceAndDestination)
{
    constexpr uint32_t p = RGB(0xC3, 0x5A, 0x0F);
    constexpr uint32_t s = RGB(0xF0, 0x0F, 0xA5);
    constexpr uint32_t d = RGB(0x12, 0x34, 0x56);
    const struct {
        const char* Name;
        uint32_t Rop;
        uint32_t Expected;
    } cases[] = {
        {"SRCCOPY", SRCCOPY, s},
        {"SRCPAINT", SRCPAINT, s | d},
        {"SRCAND", SRCAND, s & d},
        {"SRCINVERT", SRCINVERT, s ^ d},
        {"SRCERASE", SRCERASE, s & ~d},
        {"NOTSRCCOPY", NOTSRCCOPY, ~s},
        {"NOTSRCERASE", NOTSRCERASE, ~(s | d)},
        {"MERGEPAINT", MERGEPAINT, ~s | d},
        {"MERGECOPY", MERGECOPY, p & s},
        {"PATPAINT", PATPAINT, p | ~s | d},
        {"PATCOPY", PATCOPY, p},
        {"DSTINVERT", DSTINVERT, ~d},
        {"BLACKNESS", BLACKNESS, 0},
        {"WHITENESS", WHITENESS, 0xFFFFFF},
    };
    TSource source(4, 4);
    source.Image.fill(QColorOf(s));
    for (const auto& c : cases) {
        Image.fill(QColorOf(d));
        Canvas.Brush()->SetColor(static_cast<TColor>(p));
        ASSERT_TRUE(BitBlt(Canvas.Handle(), 3, 3, 4, 4, source.Canvas.Handle(), 0, 0, c.Rop)) << c.Name;
        EXPECT_EQ(At(5, 5), c.Expected & 0xFFFFFF) << c.Name;
        EXPECT_EQ(At(7, 7), d) << c.Name;
    }
}

TEST_F(GdiTest, StretchBltScalesAndMirrors)
{
    TSource source(2, 1);
    source.Image.setPixel(0, 0, qRgb(255, 0, 0));
    source.Image.setPixel(1, 0, qRgb(0, 0, 255));
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255);

    StretchBlt(Canvas.Handle(), 0, 0, 4, 1, source.Canvas.Handle(), 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ((std::vector<COLORREF>{At(0, 0), At(1, 0), At(2, 0), At(3, 0)}), (std::vector<COLORREF>{red, red, blue, blue}));
    StretchBlt(Canvas.Handle(), 4, 1, -4, 1, source.Canvas.Handle(), 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ((std::vector<COLORREF>{At(0, 1), At(1, 1), At(2, 1), At(3, 1)}), (std::vector<COLORREF>{blue, blue, red, red}));

    SetStretchBltMode(Canvas.Handle(), HALFTONE);
    EXPECT_EQ(GetStretchBltMode(Canvas.Handle()), HALFTONE);
    StretchBlt(Canvas.Handle(), 0, 2, 16, 1, source.Canvas.Handle(), 0, 0, 2, 1, SRCCOPY);
    bool blended = false;
    for (int x = 0; x < 16; ++x) blended |= At(x, 2) != red && At(x, 2) != blue;
    EXPECT_TRUE(blended);
}

TEST_F(GdiTest, TransparentBltSkipsTheKeyColour)
{
    TSource source(2, 1);
    source.Image.setPixel(0, 0, qRgb(255, 0, 255));
    source.Image.setPixel(1, 0, qRgb(0, 128, 0));
    ASSERT_TRUE(TransparentBlt(Canvas.Handle(), 0, 0, 2, 1, source.Canvas.Handle(), 0, 0, 2, 1, RGB(255, 0, 255)));
    EXPECT_EQ(At(0, 0), White);
    EXPECT_EQ(At(1, 0), RGB(0, 128, 0));
}

TEST_F(GdiTest, GradientFillRunsFromTheFirstColourToOneStepShortOfTheLast)
{
    const TRIVERTEX vertices[] = {
        {0, 0, 0x0000, 0x0000, 0xFF00, 0},
        {64, 4, 0xFF00, 0x8000, 0x0000, 0},
    };
    const GRADIENT_RECT rect{0, 1};
    ASSERT_TRUE(GradientFill(Canvas.Handle(), vertices, {&rect, 1}, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(At(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(At(0, 3), RGB(0, 0, 255));
    EXPECT_EQ(At(32, 0), RGB(0x7F, 0x40, 0x7F));
    EXPECT_EQ(At(63, 0), RGB(0xFB, 0x7E, 0x03));
    EXPECT_EQ(At(64, 0), White);
    EXPECT_EQ(At(0, 4), White);

    const TRIVERTEX column[] = {
        {70, 0, 0xFF00, 0xFF00, 0xFF00, 0},
        {72, 16, 0x0000, 0x0000, 0x0000, 0},
    };
    ASSERT_TRUE(GradientFill(Canvas.Handle(), column, {&rect, 1}, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(At(70, 0), White);
    EXPECT_EQ(At(71, 15), RGB(0x0F, 0x0F, 0x0F));
    EXPECT_EQ(At(71, 8), RGB(0x7F, 0x7F, 0x7F));
    EXPECT_FALSE(GradientFill(Canvas.Handle(), column, {&rect, 1}, GRADIENT_FILL_TRIANGLE));
}

TEST_F(GdiTest, AlphaBlendMixesWithConstantAndPerPixelAlpha)
{
    TSource opaque(2, 2);
    opaque.Image.fill(qRgb(0, 0, 0));
    BLENDFUNCTION half;
    half.SourceConstantAlpha = 128;
    ASSERT_TRUE(AlphaBlend(Canvas.Handle(), 0, 0, 2, 2, opaque.Canvas.Handle(), 0, 0, 2, 2, half));
    // 255 * (1 - 128 / 255) = 127
    EXPECT_NEAR(GetRValue(At(0, 0)), 127, 1);

    // Premultiplied red at half alpha over white: 128 + 255 * (1 - 128 / 255) = 255 red, 127 green and blue.
    QImage premultiplied(1, 1, QImage::Format_ARGB32_Premultiplied);
    premultiplied.setPixel(0, 0, qRgba(128, 0, 0, 128));
    TCanvas alpha;
    BindImage(alpha, &premultiplied);
    BLENDFUNCTION perPixel;
    perPixel.AlphaFormat = AC_SRC_ALPHA;
    ASSERT_TRUE(AlphaBlend(Canvas.Handle(), 4, 0, 3, 3, alpha.Handle(), 0, 0, 1, 1, perPixel));
    for (QPoint p : {QPoint(4, 0), QPoint(6, 2)}) {
        EXPECT_NEAR(GetRValue(At(p.x(), p.y())), 255, 1);
        EXPECT_NEAR(GetGValue(At(p.x(), p.y())), 127, 1);
        EXPECT_NEAR(GetBValue(At(p.x(), p.y())), 127, 1);
    }
    EXPECT_EQ(At(7, 0), White);

    perPixel.SourceConstantAlpha = 0;
    AlphaBlend(Canvas.Handle(), 10, 0, 1, 1, alpha.Handle(), 0, 0, 1, 1, perPixel);
    EXPECT_EQ(At(10, 0), White);
    BindImage(alpha, nullptr);

    // A source rectangle reaching past the source fails and draws nothing.
    for (QRect area : {QRect(1, 1, 2, 2), QRect(-1, 0, 2, 2), QRect(0, 0, 3, 1)})
        EXPECT_FALSE(AlphaBlend(Canvas.Handle(), 20, 0, 2, 2, opaque.Canvas.Handle(), area.x(), area.y(), area.width(), area.height(), half))
            << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
    EXPECT_EQ(At(20, 0), White);
    EXPECT_EQ(At(21, 1), White);
}

TEST_F(GdiTest, RegionsCombineAndAnswerQuestions)
{
    const TRegion a = CreateRectRgn(0, 0, 10, 10);
    const TRegion b = CreateRectRgn(5, 5, 15, 15);
    const struct {
        int32_t Mode;
        int32_t Kind;
        TRect Box;
        bool HasCentreOfB;
    } cases[] = {
        {RGN_AND, SIMPLEREGION, Rect(5, 5, 10, 10), false},
        {RGN_OR, COMPLEXREGION, Rect(0, 0, 15, 15), true},
        {RGN_XOR, COMPLEXREGION, Rect(0, 0, 15, 15), true},
        {RGN_DIFF, COMPLEXREGION, Rect(0, 0, 10, 10), false},
        {RGN_COPY, SIMPLEREGION, Rect(0, 0, 10, 10), false},
    };
    for (const auto& c : cases) {
        TRegion result;
        EXPECT_EQ(CombineRgn(result, a, b, c.Mode), c.Kind) << c.Mode;
        TRect box;
        EXPECT_EQ(GetRgnBox(result, box), c.Kind);
        EXPECT_EQ(box, c.Box) << c.Mode;
        EXPECT_EQ(PtInRegion(result, 12, 12), c.HasCentreOfB) << c.Mode;
    }
    TRegion empty;
    EXPECT_EQ(CombineRgn(empty, a, CreateRectRgn(20, 20, 30, 30), RGN_AND), NULLREGION);
    EXPECT_TRUE(empty.IsEmpty());

    TRegion moved = a;
    OffsetRgn(moved, 100, 0);
    EXPECT_TRUE(PtInRegion(moved, 105, 5));
    EXPECT_FALSE(PtInRegion(a, 105, 5));
    EXPECT_TRUE(PtInRegion(a, 9, 9));
    EXPECT_FALSE(PtInRegion(a, 10, 9));
    EXPECT_TRUE(RectInRegion(a, Rect(9, 9, 20, 20)));
    EXPECT_FALSE(RectInRegion(a, Rect(10, 0, 20, 20)));
    EXPECT_TRUE(EqualRgn(a, CreateRectRgnIndirect(Rect(0, 0, 10, 10))));
}

TEST_F(GdiTest, ShapedRegions)
{
    const TRegion ellipse = CreateEllipticRgn(0, 0, 20, 10);
    EXPECT_TRUE(PtInRegion(ellipse, 10, 5));
    EXPECT_FALSE(PtInRegion(ellipse, 0, 0));
    EXPECT_FALSE(PtInRegion(ellipse, 19, 9));

    const TRegion rounded = CreateRoundRectRgn(0, 0, 20, 20, 8, 8);
    EXPECT_FALSE(PtInRegion(rounded, 0, 0));
    EXPECT_TRUE(PtInRegion(rounded, 10, 0));
    EXPECT_TRUE(PtInRegion(rounded, 0, 10));
    EXPECT_TRUE(PtInRegion(rounded, 3, 3));

    const TPoint star[] = {Point(30, 2), Point(42, 40), Point(10, 16), Point(50, 16), Point(18, 40)};
    EXPECT_FALSE(PtInRegion(CreatePolygonRgn(star, ALTERNATE), 30, 24));
    EXPECT_TRUE(PtInRegion(CreatePolygonRgn(star, WINDING), 30, 24));
    EXPECT_TRUE(PtInRegion(CreatePolygonRgn(star, ALTERNATE), 30, 8));
}

TEST_F(GdiTest, FillAndFrameRegions)
{
    TBrush brush;
    brush.SetColor(clRed);
    const TRegion region = CreateRectRgn(2, 2, 12, 10);
    FillRgn(Canvas.Handle(), region, &brush);
    EXPECT_EQ(Ink(), QRect(2, 2, 10, 8));

    Image.fill(Qt::white);
    FrameRgn(Canvas.Handle(), region, &brush, 2, 1);
    EXPECT_EQ(Ink(), QRect(2, 2, 10, 8));
    EXPECT_EQ(At(3, 5), RGB(255, 0, 0));
    EXPECT_EQ(At(4, 5), White);
    EXPECT_EQ(At(6, 2), RGB(255, 0, 0));
    EXPECT_EQ(At(6, 3), White);
}

TEST_F(GdiTest, ClipRegionsLimitDrawing)
{
    HDC dc = Canvas.Handle();
    const auto fillAll = [&] {
        Image.fill(Qt::white);
        Canvas.Brush()->SetColor(clRed);
        Canvas.FillRect(Rect(0, 0, ImageWidth, ImageHeight));
    };
    const TRegion box = CreateRectRgn(10, 10, 30, 20);
    EXPECT_EQ(SelectClipRgn(dc, &box), SIMPLEREGION);
    fillAll();
    EXPECT_EQ(Ink(), QRect(10, 10, 20, 10));
    TRect clip;
    EXPECT_EQ(GetClipBox(dc, clip), SIMPLEREGION);
    EXPECT_EQ(clip, Rect(10, 10, 30, 20));

    ExcludeClipRect(dc, 15, 10, 20, 20);
    fillAll();
    EXPECT_EQ(At(12, 12), RGB(255, 0, 0));
    EXPECT_EQ(At(17, 12), White);
    EXPECT_EQ(At(25, 12), RGB(255, 0, 0));

    const TRegion extra = CreateRectRgn(40, 40, 50, 50);
    EXPECT_EQ(ExtSelectClipRgn(dc, &extra, RGN_OR), COMPLEXREGION);
    fillAll();
    EXPECT_EQ(At(45, 45), RGB(255, 0, 0));
    EXPECT_EQ(At(17, 12), White);

    TRegion current;
    EXPECT_EQ(GetClipRgn(dc, current), 1);
    EXPECT_TRUE(PtInRegion(current, 45, 45));
    EXPECT_FALSE(PtInRegion(current, 17, 12));

    const TRegion ellipse = CreateEllipticRgn(0, 0, 40, 40);
    SelectClipRgn(dc, &ellipse);
    fillAll();
    EXPECT_EQ(At(0, 0), White);
    EXPECT_EQ(At(20, 20), RGB(255, 0, 0));
    EXPECT_TRUE(PtVisible(dc, 20, 20));
    EXPECT_FALSE(PtVisible(dc, 0, 0));
    EXPECT_TRUE(RectVisible(dc, Rect(0, 0, 20, 20)));

    SelectClipRgn(dc, nullptr);
    EXPECT_EQ(GetClipRgn(dc, current), 0);
    fillAll();
    EXPECT_EQ(Ink(), QRect(0, 0, ImageWidth, ImageHeight));
}

TEST_F(GdiTest, SaveDCAndRestoreDCBringBackTheState)
{
    HDC dc = Canvas.Handle();
    Canvas.MoveTo(1, 2);
    SetTextColor(dc, RGB(1, 1, 1));
    const int level = SaveDC(dc);
    EXPECT_EQ(level, 1);
    IntersectClipRect(dc, 0, 0, 5, 5);
    SetTextColor(dc, RGB(2, 2, 2));
    SetBkMode(dc, TRANSPARENT);
    Canvas.MoveTo(7, 8);
    EXPECT_EQ(SaveDC(dc), 2);
    SetTextColor(dc, RGB(3, 3, 3));

    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetTextColor(dc), RGB(2, 2, 2));
    EXPECT_EQ(Canvas.ClipRect(), Rect(0, 0, 5, 5));

    EXPECT_TRUE(RestoreDC(dc, level));
    EXPECT_EQ(GetTextColor(dc), RGB(1, 1, 1));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(Canvas.PenPos(), Point(1, 2));
    EXPECT_EQ(Canvas.ClipRect(), Rect(0, 0, ImageWidth, ImageHeight));
    EXPECT_FALSE(RestoreDC(dc, -1));
    EXPECT_FALSE(RestoreDC(dc, 3));
}

TEST_F(GdiTest, SavedStateKeepsTheSelectedTools)
{
    HDC dc = Canvas.Handle();
    SaveDC(dc);
    Canvas.Brush()->SetColor(clRed);
    Canvas.FillRect(Rect(0, 0, 2, 2));
    RestoreDC(dc, -1);
    // The context has the white brush back, as GDI would; the canvas selects its own brush only after a change.
    FillRect(dc, Rect(2, 0, 4, 2), Canvas.Brush()->Handle());
    EXPECT_EQ(At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(At(2, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetBkColor(dc), White);
}

TEST_F(GdiTest, WindowAndViewportOriginsShiftDrawing)
{
    HDC dc = Canvas.Handle();
    TPoint previous{-1, -1};
    SetWindowOrgEx(dc, 10, 10, &previous);
    EXPECT_EQ(previous, Point(0, 0));
    SetViewportOrgEx(dc, 2, 3, nullptr);
    Canvas.Brush()->SetColor(clRed);
    Canvas.FillRect(Rect(10, 10, 12, 12));
    EXPECT_EQ(Ink(), QRect(2, 3, 2, 2));
    EXPECT_EQ(Canvas.ClipRect(), Rect(8, 7, 8 + ImageWidth, 7 + ImageHeight));
    TPoint origin;
    GetWindowOrgEx(dc, origin);
    EXPECT_EQ(origin, Point(10, 10));
    GetViewportOrgEx(dc, origin);
    EXPECT_EQ(origin, Point(2, 3));
    EXPECT_EQ(Canvas.Pixels(10, 10), static_cast<TColor>(RGB(255, 0, 0)));
}

TEST_F(GdiTest, MixModeIsContextState)
{
    HDC dc = Canvas.Handle();
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    EXPECT_EQ(SetROP2(dc, R2_NOT), R2_COPYPEN);
    Canvas.MoveTo(0, 0);
    Canvas.LineTo(3, 0);
    EXPECT_EQ(At(1, 0), RGB(0, 0, 0));
    Canvas.Pen()->SetMode(pmXor);
    EXPECT_EQ(GetROP2(Canvas.Handle()), R2_XORPEN);
}

TEST_F(GdiTest, DeviceCapsDescribeAScreenAtNinetySixDpi)
{
    EXPECT_EQ(GetDeviceCaps(Canvas.Handle(), LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(Canvas.Handle(), LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(Canvas.Handle(), HORZRES), ImageWidth);
    EXPECT_EQ(GetDeviceCaps(Canvas.Handle(), VERTRES), ImageHeight);
    EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSY), 96);
}

TEST_F(GdiTest, SavesAControlsSheet)
{
    QImage sheet(260, 110, QImage::Format_RGB32);
    sheet.fill(QColorOf(GetSysColor(COLOR_BTNFACE)));
    TCanvas canvas;
    BindImage(canvas, &sheet);
    HDC dc = canvas.Handle();
    const uint32_t edges[] = {EDGE_RAISED, EDGE_SUNKEN, EDGE_ETCHED, EDGE_BUMP};
    for (int i = 0; i < 4; ++i) {
        TRect r = Bounds(5 + i * 40, 5, 35, 20);
        DrawEdge(dc, r, edges[i], BF_RECT);
    }
    const uint32_t buttons[] = {0, DFCS_PUSHED, DFCS_FLAT, DFCS_INACTIVE};
    for (int i = 0; i < 4; ++i) {
        TRect r = Bounds(5 + i * 40, 30, 35, 20);
        DrawFrameControl(dc, r, DFC_BUTTON, DFCS_BUTTONPUSH | buttons[i]);
    }
    const uint32_t checks[] = {DFCS_BUTTONCHECK, DFCS_BUTTONCHECK | DFCS_CHECKED, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_BUTTON3STATE,
                               DFCS_BUTTONRADIO, DFCS_BUTTONRADIO | DFCS_CHECKED, DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_INACTIVE};
    for (int i = 0; i < 6; ++i) {
        TRect r = Bounds(5 + i * 20, 56, 13, 13);
        DrawFrameControl(dc, r, DFC_BUTTON, checks[i]);
    }
    const uint32_t scrolls[] = {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT, DFCS_SCROLLCOMBOBOX | DFCS_PUSHED,
                                DFCS_SCROLLDOWN | DFCS_INACTIVE, DFCS_SCROLLUP | DFCS_FLAT};
    for (int i = 0; i < 7; ++i) {
        TRect r = Bounds(5 + i * 20, 75, 16, 16);
        DrawFrameControl(dc, r, DFC_SCROLL, scrolls[i]);
    }
    const uint32_t captions[] = {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE};
    for (int i = 0; i < 4; ++i) {
        TRect r = Bounds(170 + i * 20, 30, 16, 14);
        DrawFrameControl(dc, r, DFC_CAPTION, captions[i]);
    }
    const TRIVERTEX vertices[] = {{170, 56, 0x0A00, 0x2400, 0x6A00, 0}, {255, 70, 0xA600, 0xCA00, 0xF000, 0}};
    const GRADIENT_RECT rect{0, 1};
    GradientFill(dc, vertices, {&rect, 1}, GRADIENT_FILL_RECT_H);
    canvas.DrawFocusRect(Rect(168, 74, 257, 100));
    BindImage(canvas, nullptr);
    SaveArtifact(sheet, QStringLiteral("gdi-controls"));
}
