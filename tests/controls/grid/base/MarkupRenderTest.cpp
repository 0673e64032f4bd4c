// The markup renderer's layout and drawing, checked against the same canvas's text measurement and text output.
#include "MarkupTestSupport.h"

#include "grid/base/PictureContainer.h"

#include "graphics/Gdi.h"
#include "graphics/ImageList.h"
#include "support/Artifacts.h"
#include "support/LayerInternals.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <set>

namespace {

constexpr uint32_t RunFormat = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;

::testing::AssertionResult SameImage(const QImage& Actual, const QImage& Expected)
{
    for (int y = 0; y < Actual.height(); ++y)
        for (int x = 0; x < Actual.width(); ++x)
            if (Actual.pixel(x, y) != Expected.pixel(x, y))
                return ::testing::AssertionFailure() << "first difference at (" << x << ", " << y << "): "
                                                     << std::hex << ColorAt(Actual, x, y) << " instead of "
                                                     << ColorAt(Expected, x, y);
    return ::testing::AssertionSuccess();
}

// The colours of the pixels of Area that are not white.
std::set<TColor> InkColors(const QImage& Image, const QRect& Area)
{
    std::set<TColor> colors;
    const QRect area = Area & Image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (ColorAt(Image, x, y) != clWhite) colors.insert(ColorAt(Image, x, y));
    return colors;
}

}  // namespace

// Draws the expected picture of a markup text run by run with the platform's text output.
class MarkupRenderTest : public TMarkupCanvasTest {
protected:
    void SetUp() override
    {
        TMarkupCanvasTest::SetUp();
        Expected.fill(Qt::white);
        BindImage(Reference, &Expected);
        Reference.Brush()->SetStyle(bsClear);
    }
    void TearDown() override
    {
        BindImage(Reference, nullptr);
        TMarkupCanvasTest::TearDown();
    }

    // Text drawn as the renderer draws a run: bottom-aligned from X over the line Top..Bottom.
    // Returns its width.
    int32_t ExpectRun(const QString& Text, int32_t X, int32_t Top, int32_t Bottom, uint32_t Extra = 0)
    {
        TRect extent;
        DrawTextEx(&Reference, Text, -1, extent, RunFormat | DT_CALCRECT, nullptr);
        TRect area = Rect(X, Top, X + extent.Width(), Bottom);
        DrawTextEx(&Reference, Text, -1, area, RunFormat | Extra, nullptr);
        return extent.Width();
    }

    QImage Expected{240, 160, QImage::Format_RGB32};
    TCanvas Reference;
};

TEST_F(MarkupRenderTest, BoldTextAndThePlainTextOutput)
{
    const TSize bold = ExtentIn("bold", [](TFont* F) { F->SetStyle({fsBold}); });
    const TSize plain = Extent(" plain");
    const TMarkupResult r = Markup(Canvas, "<B>bold</B> plain", {.WordWrap = false});
    EXPECT_EQ(r.PlainText, "bold plain");
    EXPECT_EQ(r.Width, bold.cx + plain.cx);
    EXPECT_EQ(r.Height, std::max(bold.cy, plain.cy));
    EXPECT_FALSE(r.Hit);

    const int32_t bottom = r.Height;
    Reference.Font()->SetStyle({fsBold});
    const int32_t x = 1 + ExpectRun("bold", 1, 0, bottom);
    Reference.Font()->SetStyle({});
    ExpectRun(" plain", x, 0, bottom);
    EXPECT_TRUE(SameImage(Image, Expected));
}

TEST_F(MarkupRenderTest, WordWrapBreaksAfterTheLastWordThatFits)
{
    const int32_t h = Extent("aaa").cy;
    const int32_t width = 1 + Extent("aaa ").cx + Extent("bbb ").cx + Extent("ccc").cx / 2;
    const TMarkupResult r = Markup(Canvas, "aaa bbb ccc", {.Rect = {0, 0, width, 100}});
    EXPECT_EQ(r.Height, 2 * h);
    EXPECT_EQ(r.Width, std::max(Extent("aaa ").cx + Extent("bbb").cx, Extent("ccc").cx)) << "the line's last blank does not count";
    EXPECT_EQ(r.PlainText, "aaa bbb ccc");

    const int32_t x = 1 + ExpectRun("aaa ", 1, 0, h);
    ExpectRun("bbb ", x, 0, h);
    ExpectRun("ccc", 1, h, 2 * h);
    EXPECT_TRUE(SameImage(Image, Expected));
}

TEST_F(MarkupRenderTest, WordWrapDoesNotBreakInsideAWord)
{
    const int32_t h = Extent("er").cy;
    const int32_t bold = ExtentIn("bold", [](TFont* F) { F->SetStyle({fsBold}); }).cx;
    ASSERT_LT(Extent("x").cx, bold);
    const TMarkupResult r = Markup(Canvas, "<B>bold</B>er x", {.Rect = {0, 0, 1 + bold + 2, 100}});
    EXPECT_EQ(r.Height, 2 * h) << "\"er\" stays with \"bold\"; \"x\" goes to the second line";
    EXPECT_EQ(r.Width, bold + Extent("er").cx);
}

TEST_F(MarkupRenderTest, WithoutWordWrapTheLineIsCutWithAnEllipsis)
{
    const int32_t h = Extent("aaa").cy;
    const int32_t width = 1 + Extent("aaa ").cx + Extent("bbb ").cx + Extent("ccc").cx / 2;
    const TMarkupResult r = Markup(Canvas, "aaa bbb ccc", {.Rect = {0, 0, width, 100}, .WordWrap = false});
    EXPECT_EQ(r.Height, h);
    TRect area = Rect(1, 0, width, h);
    DrawTextEx(&Reference, "aaa bbb ccc", -1, area, RunFormat | DT_END_ELLIPSIS, nullptr);
    EXPECT_TRUE(SameImage(Image, Expected));
    EXPECT_LT(InkIn(Image, Image.rect()).right(), width);
}

TEST_F(MarkupRenderTest, WithoutWordWrapARunThatDoesNotFitEndsTheWholeText)
{
    const int32_t h = Extent("aaa").cy;
    const int32_t boldWidth = ExtentIn("aaa", [](TFont* F) { F->SetStyle({fsBold}); }).cx;
    // The second run is narrower than the line but does not fit after the first.
    const int32_t width = 1 + boldWidth + Extent(" bbb ccc").cx - 2;
    const TMarkupResult r = Markup(Canvas, "<B>aaa</B> bbb ccc<BR>next line", {.Rect = {0, 0, width, 100}, .WordWrap = false});
    EXPECT_EQ(r.Height, h) << "the lines after the cut are dropped";
    EXPECT_EQ(r.PlainText, "aaa bbb ccc");
    Reference.Font()->SetStyle({fsBold});
    ExpectRun("aaa", 1, 0, h);
    Reference.Font()->SetStyle({});
    TRect rest = Rect(1 + boldWidth, 0, width, h);
    DrawTextEx(&Reference, " bbb ccc", -1, rest, RunFormat | DT_END_ELLIPSIS, nullptr);
    EXPECT_TRUE(SameImage(Image, Expected));
}

TEST_F(MarkupRenderTest, FontColourAndSizeLastUntilTheFontCloses)
{
    const auto twelvePoints = [](TFont* F) { F->SetSize(12); };
    const TSize x = Extent("x");
    const TSize y = ExtentIn("y", twelvePoints);
    const TSize z = Extent("z");
    const TMarkupResult r = Markup(Canvas, R"(x<FONT COLOR="clRed" SIZE="3">y</FONT>z)");
    EXPECT_EQ(r.Width, x.cx + y.cx + z.cx);
    EXPECT_EQ(r.Height, y.cy);

    const int32_t bottom = y.cy;
    ExpectRun("x", 1, 0, bottom);
    Reference.Font()->SetSize(12);
    Reference.Font()->SetColor(clRed);
    ExpectRun("y", 1 + x.cx, 0, bottom);
    Reference.Font()->SetSize(8);
    Reference.Font()->SetColor(Canvas.Font()->Color());
    ExpectRun("z", 1 + x.cx + y.cx, 0, bottom);
    EXPECT_TRUE(SameImage(Image, Expected));
    EXPECT_EQ(InkColors(Image, QRect(1 + x.cx, 0, y.cx, bottom)), std::set<TColor>{clRed});
    EXPECT_EQ(InkColors(Image, QRect(1 + x.cx + y.cx, 0, z.cx, bottom)), std::set<TColor>{clBlack});
}

TEST_F(MarkupRenderTest, NestedFontTagsDoNotStack)
{
    const TSize a = Extent("a");
    const TSize b = Extent("b");
    Markup(Canvas, R"(<FONT COLOR="clRed"><FONT COLOR="#0000FF">a</FONT>b</FONT>c)");
    EXPECT_EQ(InkColors(Image, QRect(1, 0, a.cx, a.cy)), std::set<TColor>{clBlue});
    EXPECT_EQ(InkColors(Image, QRect(1 + a.cx, 0, b.cx, b.cy)), std::set<TColor>{clBlack})
        << "after the inner </FONT> the canvas font is back";
}

TEST_F(MarkupRenderTest, ParagraphAlignmentStaysForTheFollowingLines)
{
    const TRect area = {10, 0, 210, 100};
    const int32_t h = Extent("ab").cy;
    Markup(Canvas, R"(<P ALIGN="CENTER">ab<BR>cdef<BR><P ALIGN="right">gh)", {.Rect = area});
    const auto centred = [&](const QString& Text) { return 11 + (area.Right - 11 - Extent(Text).cx) / 2; };
    ExpectRun("ab", centred("ab"), 0, h);
    ExpectRun("cdef", centred("cdef"), h, 2 * h);
    ExpectRun("gh", area.Right - Extent("gh").cx, 2 * h, 3 * h);
    EXPECT_TRUE(SameImage(Image, Expected));
}

TEST_F(MarkupRenderTest, ParagraphIndentAndIndentTag)
{
    const int32_t h = Extent("a").cy;
    Markup(Canvas, R"(<P INDENT="20">a<BR>b<IND x="50">c)");
    ExpectRun("a", 21, 0, h);
    const int32_t b = ExpectRun("b", 21, h, 2 * h);
    ASSERT_LT(b, 50);
    ExpectRun("c", 21 + 50, h, 2 * h);
    EXPECT_TRUE(SameImage(Image, Expected));
}

TEST_F(MarkupRenderTest, EntitiesShowTheirCharactersAndAreDecodedOnce)
{
    struct TCase {
        QString Markup;
        QString Plain;
        QString Drawn;
    };
    const std::vector<TCase> cases = {
        {"&amp;", "&", "&&"},
        {"&lt;B&gt;x", "<B>x", "<B>x"},
        {"&amp;lt;", "&lt;", "&&lt;"},
        {"&AMP;&quot;&copy;&euro;&trade;", QString::fromUtf8("&\"©€™"), QString::fromUtf8("&&\"©€™")},
        {"a&nbsp;b", "a b", "a b"},
        {"<#x>", "#x", "#x"},
        {"<#x <#y", "#x #y", "#x #y"},
    };
    for (const TCase& c : cases) {
        Image.fill(Qt::white);
        Expected.fill(Qt::white);
        const TMarkupResult r = Markup(Canvas, c.Markup, {.WordWrap = false});
        EXPECT_EQ(r.PlainText, c.Plain) << c.Markup.toStdString();
        ExpectRun(c.Drawn, 1, 0, Extent(c.Drawn).cy);
        EXPECT_TRUE(SameImage(Image, Expected)) << c.Markup.toStdString();
    }
}

TEST_F(MarkupRenderTest, AnEmptyTextIsOneLineHigh)
{
    for (const QString& text : {QString(), QStringLiteral("<B></B>")}) {
        const TMarkupResult r = Markup(Canvas, text);
        EXPECT_EQ(r.Height, Gh()) << text.toStdString();
        EXPECT_EQ(r.Width, 0) << text.toStdString();
    }
    EXPECT_TRUE(InkIn(Image, Image.rect()).isEmpty());
}

TEST_F(MarkupRenderTest, ATallTextIsCutAfterTheLastLineThatFits)
{
    const int32_t h = Extent("1").cy;
    const QString text = "1<BR>2<BR>3<BR>4";
    const TRect area = {0, 0, 100, h * 5 / 2};
    EXPECT_EQ(Markup(Canvas, text, {.Rect = area}).Height, 2 * h);
    EXPECT_TRUE(InkIn(Image, QRect(0, 2 * h, 100, 100)).isEmpty());
    EXPECT_FALSE(InkIn(Image, QRect(0, h, 100, h)).isEmpty());
    EXPECT_EQ(Markup(Canvas, text, {.Rect = area, .MeasureOnly = true}).Height, 4 * h);
}

TEST_F(MarkupRenderTest, MeasuringAndDrawingGiveTheSameSize)
{
    const QString text = R"(<P ALIGN="CENTER"><B>Bold</B> and <I>italic</I> text<BR><FONT SIZE="4">big</FONT> words that wrap)";
    const TMarkupResult measured = Markup(Canvas, text, {.Rect = {0, 0, 90, 1000}, .MeasureOnly = true});
    EXPECT_TRUE(InkIn(Image, Image.rect()).isEmpty()) << "measuring draws nothing";
    const TMarkupResult drawn = Markup(Canvas, text, {.Rect = {0, 0, 90, 1000}});
    EXPECT_EQ(measured.Width, drawn.Width);
    EXPECT_EQ(measured.Height, drawn.Height);
    EXPECT_EQ(measured.PlainText, drawn.PlainText);
}

TEST_F(MarkupRenderTest, SubscriptsAndSuperscriptsMakeRoom)
{
    const int32_t h = Extent("b").cy;
    EXPECT_EQ(Markup(Canvas, "a<SUB>b</SUB>").Height, h + h / 4);
    EXPECT_EQ(Markup(Canvas, "a<SUP>b</SUP>").Height, h + h / 4);
    Image.fill(Qt::white);
    const TSize a = Extent("a");
    Markup(Canvas, "a<SUP>b</SUP>a<SUB>b</SUB>");
    const int32_t up = InkIn(Image, QRect(1 + a.cx, 0, Extent("b").cx, 100)).bottom();
    const int32_t normal = InkIn(Image, QRect(1, 0, a.cx, 100)).bottom();
    const int32_t down = InkIn(Image, QRect(1 + 2 * a.cx + Extent("b").cx, 0, Extent("b").cx, 100)).bottom();
    EXPECT_EQ(normal - up, h / 4);
    EXPECT_EQ(down - normal, h / 4);
}

TEST_F(MarkupRenderTest, HorizontalRuleIsABlackLineBelowTheText)
{
    const int32_t h = Extent("ab").cy;
    Markup(Canvas, "ab<HR>cd", {.Rect = {0, 0, 120, 100}});
    EXPECT_EQ(ColorAt(Image, 1, h + 1), clBlack);
    EXPECT_EQ(ColorAt(Image, 119, h + 1), clBlack);
    EXPECT_EQ(ColorAt(Image, 120, h + 1), clWhite);
    EXPECT_EQ(ColorAt(Image, 0, h + 1), clWhite);
    EXPECT_FALSE(InkIn(Image, QRect(0, h + 2, 120, h)).isEmpty()) << "the next line follows";

    // The rule starts at the line's left edge, which indent and alignment move.
    const int32_t right = 120 - Extent("ab").cx;
    for (const auto& [text, left] : {std::pair{QStringLiteral(R"(<P INDENT="30">ab<HR>)"), 31},
                                     std::pair{QStringLiteral(R"(<P ALIGN="RIGHT">ab<HR>)"), right}}) {
        Image.fill(Qt::white);
        Markup(Canvas, text, {.Rect = {0, 0, 120, 100}});
        EXPECT_EQ(InkIn(Image, QRect(0, h + 1, 120, 1)), QRect(left, h + 1, 120 - left, 1)) << text.toStdString();
    }
}

TEST_F(MarkupRenderTest, ShadowsHighlightsErrorsAndBackgrounds)
{
    const TSize s = Extent("s");
    Markup(Canvas, "<SHAD>s</SHAD>", {.ShadowOffset = 2, .ShadowColor = clGray});
    EXPECT_EQ(InkColors(Image, QRect(1, 0, s.cx + 2, s.cy + 2)), (std::set<TColor>{clBlack, clGray}));

    Image.fill(Qt::white);
    SetMarkupHighlightColors(clYellow, clRed);
    Markup(Canvas, "<HI>s</HI>");
    EXPECT_EQ(InkColors(Image, QRect(1, 0, s.cx, s.cy)), (std::set<TColor>{clYellow, clRed}));
    SetMarkupHighlightColors(clHighlight, clHighlightText);

    Image.fill(Qt::white);
    Markup(Canvas, "<E>error</E>");
    EXPECT_EQ(InkColors(Image, QRect(0, s.cy - 1, 100, 3)).count(clRed), 1u);

    Image.fill(Qt::white);
    Markup(Canvas, R"(<P BGCOLOR="#00FF00">s</P>)", {.Rect = {0, 0, 50, 100}});
    EXPECT_EQ(ColorAt(Image, 0, 0), clLime);
    EXPECT_EQ(ColorAt(Image, 49, s.cy - 1), clLime);
    EXPECT_EQ(ColorAt(Image, 49, s.cy), clWhite);

    Image.fill(Qt::white);
    Markup(Canvas, R"(<BODY BGCOLOR="clSilver">s)", {.Rect = {5, 5, 50, 40}});
    EXPECT_EQ(ColorAt(Image, 5, 39), clSilver);
    EXPECT_EQ(ColorAt(Image, 4, 39), clWhite);
    EXPECT_EQ(ColorAt(Image, 5, 40), clWhite);
}

TEST_F(MarkupRenderTest, HiddenAndBlinkingText)
{
    const TMarkupResult hidden = Markup(Canvas, "a<Z>hidden</Z>b");
    EXPECT_EQ(hidden.Width, Extent("a").cx + Extent("b").cx);
    EXPECT_EQ(hidden.PlainText, "ab");

    Image.fill(Qt::white);
    Markup(Canvas, "<BLINK>blink</BLINK>", {.BlinkOn = false});
    EXPECT_TRUE(InkIn(Image, Image.rect()).isEmpty()) << "off phase: the text takes the background colour";
    Markup(Canvas, "<BLINK>blink</BLINK>", {.BlinkOn = true});
    EXPECT_FALSE(InkIn(Image, Image.rect()).isEmpty());
}

TEST_F(MarkupRenderTest, TheCanvasIsLeftAsItWas)
{
    Canvas.Pen()->SetColor(clRed);
    Canvas.Pen()->SetWidth(3);
    Canvas.Brush()->SetColor(clBlue);
    Canvas.Font()->SetName("Arial");
    Canvas.Font()->SetStyle({fsItalic});
    Canvas.Font()->SetColor(clGreen);
    const int32_t height = Canvas.Font()->Height();
    for (const QString& text :
         {QStringLiteral(R"(<R a="90">rotated, never closed)"),
          QStringLiteral(R"(<FONT FACE="Verdana" COLOR="clRed" BGCOLOR="clYellow" SIZE="5"><B><U><S>x<HI>y)"),
          QStringLiteral(R"(<A HREF="q">open link <E>error <P BGCOLOR="clAqua">para<HR><SHAD>s)")}) {
        Markup(Canvas, text, {.HoverColor = clYellow, .HoverFontColor = clRed});
        EXPECT_EQ(Canvas.Pen()->Color(), clRed) << text.toStdString();
        EXPECT_EQ(Canvas.Pen()->Width(), 3);
        EXPECT_EQ(Canvas.Brush()->Color(), clBlue);
        EXPECT_EQ(Canvas.Brush()->Style(), bsSolid);
        EXPECT_EQ(Canvas.Font()->Name(), "Arial");
        EXPECT_EQ(Canvas.Font()->Height(), height);
        EXPECT_EQ(Canvas.Font()->Style(), TFontStyles{fsItalic});
        EXPECT_EQ(Canvas.Font()->Color(), clGreen);
        EXPECT_EQ(Canvas.Font()->Orientation(), 0) << "an unclosed rotation ends with the call";
        EXPECT_EQ(GetBkMode(&Canvas), OPAQUE);
    }
}

TEST_F(MarkupRenderTest, ListBulletsAreIndentedByLevel)
{
    const int32_t h = Extent("a").cy;
    const TMarkupResult r = Markup(Canvas, "<UL><LI>a</LI><UL><LI>b</LI></UL></UL>");
    EXPECT_EQ(r.PlainText, "ab");
    EXPECT_EQ(r.Height, 2 * h) << "the lines holding only UL take no room";
    EXPECT_EQ(r.Width, 24 + Extent("b").cx);
    EXPECT_FALSE(InkIn(Image, QRect(1, 0, 12, h)).isEmpty()) << "the level 1 bullet";
    EXPECT_FALSE(InkIn(Image, QRect(13, h, 12, h)).isEmpty()) << "the level 2 bullet";
    const QRect a(13, 0, Extent("a").cx, h);
    const QRect b(25, h, Extent("b").cx, h);
    ExpectRun("a", 13, 0, h);
    ExpectRun("b", 25, h, 2 * h);
    EXPECT_TRUE(SameImage(Image.copy(a), Expected.copy(a)));
    EXPECT_TRUE(SameImage(Image.copy(b), Expected.copy(b)));
}

TEST_F(MarkupRenderTest, ABulletWiderThanTheLineEndsTheLayout)
{
    const QString text = "<UL><UL><UL><UL><LI>a<LI>b<LI><LI>";
    const TMarkupResult measured = Markup(Canvas, text, {.Rect = {0, 0, 10, 10}, .MeasureOnly = true});
    EXPECT_GT(measured.Height, 0);
    EXPECT_EQ(measured.PlainText, "ab");
    EXPECT_GT(Markup(Canvas, text, {.Rect = {0, 0, 10, 1000}}).Width, 10);
}

TEST_F(MarkupRenderTest, PicturesFromTheContainerAtNaturalOrRequestedSize)
{
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("logo");
    TBytesStream bytes(BmpBytes(20, 10, clRed));
    item->Picture()->LoadFromStream(&bytes);

    const TSize a = Extent("a");
    const TMarkupResult natural = Markup(Canvas, R"(a<IMG SRC="LOGO">b)", {.PictureContainer = &container});
    EXPECT_EQ(natural.Width, a.cx + 20 + Extent("b").cx);
    EXPECT_EQ(natural.Height, std::max(a.cy, 10));
    const int32_t bottom = natural.Height;
    EXPECT_EQ(InkIn(Image, QRect(1 + a.cx, 0, 20, 100), clWhite), QRect(1 + a.cx, bottom - 10, 20, 10));
    EXPECT_EQ(InkColors(Image, QRect(1 + a.cx, 0, 20, 100)), std::set<TColor>{clRed});

    Image.fill(Qt::white);
    const TMarkupResult wide = Markup(Canvas, R"(<IMG SRC="logo" WIDTH="40">)", {.PictureContainer = &container});
    EXPECT_EQ(wide.Width, 40);
    EXPECT_EQ(wide.Height, 20) << "the height in proportion";
    EXPECT_EQ(InkIn(Image, Image.rect()), QRect(1, 0, 40, 20));

    const TMarkupResult both = Markup(Canvas, R"(<IMG SRC="logo" WIDTH="7" HEIGHT="30">)", {.PictureContainer = &container});
    EXPECT_EQ(both.Width, 7);
    EXPECT_EQ(both.Height, 30);

    EXPECT_EQ(Markup(Canvas, R"(<IMG SRC="unknown">x)", {.PictureContainer = &container}).Width, Extent("x").cx);
}

TEST_F(MarkupRenderTest, APictureAlignedTopOrMiddleLiftsTheText)
{
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("tall");
    TBytesStream bytes(BmpBytes(10, 40, clRed));
    item->Picture()->LoadFromStream(&bytes);
    const TSize x = Extent("x");
    const QRect text(12, 0, x.cx, 40);
    for (const auto& [align, bottom] : {std::pair{"BOTTOM", 40}, std::pair{"TOP", Gh()}, std::pair{"MIDDLE", 40 - (40 - Gh()) / 2}}) {
        Image.fill(Qt::white);
        Expected.fill(Qt::white);
        Markup(Canvas, QStringLiteral(R"(<IMG SRC="tall" ALIGN="%1">x)").arg(align), {.PictureContainer = &container});
        ExpectRun("x", 11, 0, bottom);
        EXPECT_TRUE(SameImage(Image.copy(text), Expected.copy(text))) << align;
    }
}

TEST_F(MarkupRenderTest, PicturesBySourceAreLoadedOnceIntoTheCache)
{
    TempFolder folder;
    const QString file = folder.Write("flag.bmp", BmpBytes(6, 4, clBlue));
    THTMLPictureCache cache;
    const QString text = R"(<IMG SRC="FILE://)" + file + R"("><IMG SRC="http://example.invalid/x.png"><IMG SRC="RES://nothing">)";
    const TMarkupResult r = Markup(Canvas, text, {.PictureCache = &cache});
    EXPECT_EQ(r.Width, 6);
    EXPECT_EQ(cache.Count(), 3);
    EXPECT_TRUE(cache.FindPicture("http://example.invalid/x.png")->Empty());
    Markup(Canvas, text, {.PictureCache = &cache});
    EXPECT_EQ(cache.Count(), 3);
    EXPECT_EQ(InkColors(Image, Image.rect()), std::set<TColor>{clBlue});
    EXPECT_EQ(Markup(Canvas, text).Width, 0) << "without a cache such sources show nothing";
}

TEST_F(MarkupRenderTest, ImageListPictures)
{
    TImageList images(nullptr);
    images.SetSize(8, 8);
    TBitmap red;
    red.SetSize(8, 8);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(Rect(0, 0, 8, 8));
    images.Add(&red, nullptr);

    EXPECT_EQ(Markup(Canvas, R"(<IMG SRC="IDX:0">)", {.Images = &images}).Width, 8);
    EXPECT_EQ(InkIn(Image, Image.rect()), QRect(1, 0, 8, 8));
    EXPECT_EQ(Markup(Canvas, R"(<IMG SRC="idx:3">)", {.Images = &images}).Width, 0);

    Image.fill(Qt::white);
    Markup(Canvas, R"(<IMG SRC="IDX:0">)", {.Images = &images, .ScaleImages = true, .ImageScale = 1.5});
    EXPECT_EQ(InkIn(Image, Image.rect()), QRect(1, 0, 12, 12));
}

TEST_F(MarkupRenderTest, AnimatedPicturesShowTheirFrameAtItsOffset)
{
    TPictureContainer container(nullptr);
    THTMLPicture* gif = container.Items()->Add()->Picture();
    container.Items()->Items(0)->SetName("anim");
    TBytesStream bytes(GifBytes(4, 3, {{0, 0, 4, 3, 10, std::vector<uint8_t>(12, 0)}, {1, 1, 2, 1, 20, {1, 2}}}));
    gif->LoadFromStream(&bytes);
    gif->SetFrame(2);
    Canvas.Brush()->SetColor(clSilver);
    for (const TBrushStyle style : {bsSolid, bsClear}) {
        Image.fill(Qt::white);
        Canvas.Brush()->SetStyle(style);
        const TMarkupResult r = Markup(Canvas, R"(<IMG SRC="anim">)", {.PictureContainer = &container});
        EXPECT_EQ(r.Width, 4);
        const int32_t top = r.Height - 3;
        EXPECT_EQ(ColorAt(Image, 1, top), clSilver) << "the animation area takes the brush colour at entry";
        EXPECT_EQ(ColorAt(Image, 2, top + 1), clLime);
        EXPECT_EQ(ColorAt(Image, 3, top + 1), clBlue);
        EXPECT_EQ(ColorAt(Image, 4, top + 2), clSilver);
    }
}

TEST_F(MarkupRenderTest, ControlsAreDrawnOnlyWithAWidth)
{
    EXPECT_EQ(Markup(Canvas, R"(<CONTROL TYPE="CHECK" ID="c1" VALUE="TRUE">)").Width, 0);
    EXPECT_TRUE(InkIn(Image, Image.rect()).isEmpty());

    // The box runs from x + 2 to x + 15 over the last 15 pixels of the 16 pixel line.
    const TRect box = Rect(3, 1, 16, 16);
    for (const bool checked : {true, false}) {
        Image.fill(Qt::white);
        Expected.fill(Qt::white);
        const QString value = checked ? "TRUE" : "false";
        const TMarkupResult r = Markup(Canvas, R"(<CONTROL TYPE="CHECK" ID="c1" VALUE=")" + value + R"(" WIDTH="16">)");
        EXPECT_EQ(r.Width, 16);
        EXPECT_EQ(r.Height, 16);
        TRect frame = box;
        DrawFrameControl(&Reference, frame, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
        EXPECT_TRUE(SameImage(Image, Expected)) << checked;
        EXPECT_TRUE(ToQRect(box).contains(InkIn(Image, Image.rect())));
    }

    Image.fill(Qt::white);
    const TMarkupResult edit = Markup(Canvas, R"(<CONTROL TYPE="EDIT" ID="e" VALUE="abc" WIDTH="60">)");
    EXPECT_EQ(edit.Width, 60);
    EXPECT_EQ(edit.Height, 23);
    EXPECT_EQ(ColorAt(Image, 1, 4), TColor(0x808080)) << "the box border";
    EXPECT_EQ(ColorAt(Image, 60, 24), TColor(0x808080));
    EXPECT_EQ(InkColors(Image, QRect(3, 6, 56, 16)).count(clBlack), 1u) << "the value";
}

TEST_F(MarkupRenderTest, MarkupSheet)
{
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("flag");
    TBytesStream bytes(GifBytes(12, 8, {{0, 0, 12, 8, 0, std::vector<uint8_t>(96, 2)}}));
    item->Picture()->LoadFromStream(&bytes);
    const QStringList samples = {
        "Plain, <B>bold</B>, <I>italic</I>, <U>underline</U>, <S>strike</S>",
        R"(<FONT COLOR="clRed">red</FONT> <FONT COLOR="#008000" SIZE="4">green 14</FONT> <FONT FACE="Courier New">mono</FONT>)",
        R"(A <A HREF="x">link</A>, a <A HREF="y">hovered link</A> and H<SUB>2</SUB>O, x<SUP>2</SUP>)",
        R"(<SHAD>shadow</SHAD> <HI>highlight</HI> <E>eror</E> &lt;tag&gt; &amp; &copy; &euro;)",
        R"(<P ALIGN="CENTER">centred paragraph</P><P ALIGN="RIGHT">right</P>)",
        R"(<P BGCOLOR="clYellow">paragraph background</P>)",
        R"(<UL><LI>first<LI>second<UL><LI>nested</UL></UL>)",
        R"(Picture <IMG SRC="flag"> and <IMG SRC="flag" WIDTH="24"> inline)",
        R"(Edit <CONTROL TYPE="EDIT" ID="e" VALUE="text" WIDTH="60"> <CONTROL TYPE="CHECK" ID="c" VALUE="TRUE" WIDTH="16"> check)",
        R"(<CONTROL TYPE="COMBO" ID="o" VALUE="combo" WIDTH="80"> <CONTROL TYPE="BUTTON" ID="b" VALUE="Button" WIDTH="70"> <CONTROL TYPE="RADIO" ID="r" VALUE="TRUE" WIDTH="16">)",
        "Long text that wraps over several lines inside a narrow cell of the sheet<HR>after the rule",
        "Long text cut with an ellipsis at the end of the cell",
    };
    QImage sheet(420, 48 * samples.size() + 40, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    TCanvas canvas;
    BindImage(canvas, &sheet);
    int32_t top = 4;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const bool narrow = i >= samples.size() - 2;
        const TRect cell = {4, top, narrow ? 200 : 416, top + (narrow ? 56 : 44)};
        canvas.Brush()->SetColor(TColor(0xF4F4F4));
        canvas.FillRect(cell);
        TMarkupOptions options{.Rect = cell, .HoverLink = 2, .HoverFontColor = clRed, .PictureContainer = &container};
        options.HoverUnderlineOnly = true;
        options.WordWrap = i != samples.size() - 1;
        options.HoverColor = TColor(0xE0E0E0);
        Markup(canvas, samples[i], options);
        top = cell.Bottom + 4;
    }
    BindImage(canvas, nullptr);
    SaveArtifact(sheet, "markup-sheet");
    EXPECT_FALSE(InkIn(sheet, sheet.rect(), TColor(0xF4F4F4)).isEmpty());
}
