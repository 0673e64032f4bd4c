// Tests of DrawText, DrawTextEx, ExtTextOut and the text state of a device context.
#include "CanvasTestSupport.h"

#include "graphics/DrawText.h"
#include "support/Artifacts.h"
#include "support/LayerInternals.h"

class DrawTextTest : public TPaintTest {
protected:
    void SetUp() override
    {
        TPaintTest::SetUp();
        Canvas.Brush()->SetStyle(bsClear);
        LineHeight = Canvas.TextHeight(QStringLiteral("Wg"));
    }

    int Width(const QString& Text) { return Canvas.TextWidth(Text); }

    // The rectangle DT_CALCRECT gives for Text laid out in Rect.
    TRect Measure(const QString& Text, TRect Rect, uint32_t Format)
    {
        DrawText(Canvas.Handle(), Text, -1, Rect, Format | DT_CALCRECT);
        return Rect;
    }

    // The picture of Text drawn by DrawText in Rect, and of Reference written with TextOut at Rect's corner.
    std::pair<QImage, QImage> Pictures(const QString& Text, TRect Rect, uint32_t Format, const QString& Reference)
    {
        Image.fill(Qt::white);
        DrawText(Canvas.Handle(), Text, -1, Rect, Format);
        const QImage drawn = Image.copy();
        Image.fill(Qt::white);
        Canvas.TextOut(Rect.Left, Rect.Top, Reference);
        return {drawn, Image.copy()};
    }

    int LineHeight = 0;
};

TEST_F(DrawTextTest, AlignsHorizontallyAndVerticallyInSingleLineMode)
{
    const QString text = QStringLiteral("Hi");
    const int w = Width(text);
    const TRect box = Rect(10, 5, 90, 45);
    const struct {
        uint32_t Format;
        int Left;
        int Top;
    } cases[] = {
        {DT_LEFT | DT_TOP, 10, 5},
        {DT_CENTER, 10 + (80 - w) / 2, 5},
        {DT_RIGHT, 90 - w, 5},
        {DT_SINGLELINE | DT_VCENTER, 10, 5 + (40 - LineHeight) / 2},
        {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, 90 - w, 45 - LineHeight},
        // Without DT_SINGLELINE the vertical flags do nothing.
        {DT_VCENTER, 10, 5},
        {DT_BOTTOM, 10, 5},
    };
    for (const auto& c : cases) {
        Image.fill(Qt::white);
        TRect r = box;
        DrawText(Canvas.Handle(), text, -1, r, c.Format);
        const QRect ink = Ink();
        EXPECT_TRUE(QRect(c.Left, c.Top, w, LineHeight).contains(ink)) << std::hex << c.Format << std::dec << ": ink at "
                                                                        << ink.x() << "," << ink.y();
        EXPECT_GE(ink.left(), c.Left) << std::hex << c.Format;
        EXPECT_LT(ink.left(), c.Left + 3) << std::hex << c.Format;
        EXPECT_EQ(r, box);
    }
}

TEST_F(DrawTextTest, ReturnsTheTextHeightOrTheBottomOfCentredText)
{
    TRect r = Rect(0, 10, 80, 50);
    EXPECT_EQ(DrawText(Canvas.Handle(), QStringLiteral("a\nb"), -1, r, DT_LEFT), 2 * LineHeight);
    EXPECT_EQ(DrawText(Canvas.Handle(), QStringLiteral("a"), -1, r, DT_SINGLELINE | DT_VCENTER), (40 - LineHeight) / 2 + LineHeight);
    EXPECT_EQ(DrawText(Canvas.Handle(), QStringLiteral("a"), -1, r, DT_SINGLELINE | DT_BOTTOM), 40);
}

TEST_F(DrawTextTest, CalcRectFitsTheRectangleToTheText)
{
    const QString twoWords = QStringLiteral("aaa bbb");
    const QString text = QStringLiteral("aaa bbb ccc");
    const struct {
        const char* Name;
        QString Text;
        int Width;
        uint32_t Format;
        int Right;
        int Lines;
    } cases[] = {
        {"one line", text, 10, DT_SINGLELINE, Width(text), 1},
        {"line breaks", QStringLiteral("a\r\nbb\nc\rd"), 100, 0, Width(QStringLiteral("bb")), 4},
        {"line breaks in single-line mode", QStringLiteral("a\nb"), 100, DT_SINGLELINE, Width(QStringLiteral("a\nb")), 1},
        {"word break", text, Width(twoWords), DT_WORDBREAK, Width(twoWords), 2},
        {"word break, narrower", QStringLiteral("aaa aaa aaa"), Width(QStringLiteral("aaa aaa")) - 1, DT_WORDBREAK,
         Width(QStringLiteral("aaa")), 3},
        {"long word overhangs", QStringLiteral("abcdefghij"), Width(QStringLiteral("abc")), DT_WORDBREAK,
         Width(QStringLiteral("abcdefghij")), 1},
        {"edit control breaks long words", QStringLiteral("abcdefghi"), Width(QStringLiteral("abc")), DT_WORDBREAK | DT_EDITCONTROL,
         Width(QStringLiteral("abc")), 3},
        {"empty text", QString(), 50, 0, 0, 0},
        {"empty text in single-line mode", QString(), 50, DT_SINGLELINE, 0, 1},
    };
    for (const auto& c : cases) {
        const TRect r = Measure(c.Text, Rect(3, 4, 3 + c.Width, 5), c.Format);
        EXPECT_EQ(r.Left, 3) << c.Name;
        EXPECT_EQ(r.Top, 4) << c.Name;
        EXPECT_EQ(r.Right, 3 + c.Right) << c.Name;
        EXPECT_EQ(r.Bottom, 4 + c.Lines * LineHeight) << c.Name;
    }
    EXPECT_TRUE(Ink().isEmpty());
}

TEST_F(DrawTextTest, PrefixesUnderlineAndDoubleAmpersandsStay)
{
    EXPECT_EQ(Measure(QStringLiteral("&File"), Rect(0, 0, 1, 1), DT_SINGLELINE).Right, Width(QStringLiteral("File")));
    EXPECT_EQ(Measure(QStringLiteral("a&&b"), Rect(0, 0, 1, 1), DT_SINGLELINE).Right, Width(QStringLiteral("a&b")));
    EXPECT_EQ(Measure(QStringLiteral("&File"), Rect(0, 0, 1, 1), DT_SINGLELINE | DT_NOPREFIX).Right, Width(QStringLiteral("&File")));

    const TRect box = Rect(4, 4, 90, 30);
    auto [prefixed, plain] = Pictures(QStringLiteral("&File"), box, DT_SINGLELINE, QStringLiteral("File"));
    // The only difference is the underline below the "F".
    QRect difference;
    for (int y = 0; y < prefixed.height(); ++y)
        for (int x = 0; x < prefixed.width(); ++x)
            if (prefixed.pixel(x, y) != plain.pixel(x, y)) difference |= QRect(x, y, 1, 1);
    ASSERT_FALSE(difference.isEmpty());
    EXPECT_EQ(difference.left(), box.Left);
    EXPECT_LE(difference.right(), box.Left + Width(QStringLiteral("F")) - 1);
    EXPECT_EQ(difference.height(), 1);
    EXPECT_GE(difference.top(), box.Top + LineHeight / 2);
    EXPECT_LT(difference.top(), box.Top + LineHeight + 1);

    auto [hidden, reference] = Pictures(QStringLiteral("&File"), box, DT_SINGLELINE | DT_HIDEPREFIX, QStringLiteral("File"));
    EXPECT_EQ(hidden, reference);
}

TEST_F(DrawTextTest, EllipsesShortenWhatDoesNotFit)
{
    const struct {
        const char* Name;
        QString Text;
        uint32_t Format;
        QString Shown;
    } cases[] = {
        {"end", QStringLiteral("abcdefghijklmnop"), DT_END_ELLIPSIS, QStringLiteral("abcdef...")},
        {"word", QStringLiteral("alpha beta gamma"), DT_WORD_ELLIPSIS, QStringLiteral("alpha beta...")},
        {"path", QStringLiteral("C:\\folder\\sub\\file.txt"), DT_PATH_ELLIPSIS, QStringLiteral("C:\\fol...\\file.txt")},
    };
    for (const auto& c : cases) {
        // Room for the expected text and a little less than one more character.
        const TRect box = Rect(2, 2, 2 + Width(c.Shown) + 2, 2 + LineHeight);
        auto [drawn, expected] = Pictures(c.Text, box, DT_SINGLELINE | c.Format, c.Shown);
        EXPECT_EQ(drawn, expected) << c.Name;
        // Text that fits is left alone.
        auto [whole, reference] = Pictures(c.Text, Rect(2, 2, 2 + Width(c.Text), 40), DT_SINGLELINE | c.Format, c.Text);
        EXPECT_EQ(whole, reference) << c.Name;
    }
}

TEST_F(DrawTextTest, EditControlHidesAPartlyVisibleLastLineAndMarksTheCut)
{
    const QString text = QStringLiteral("one\ntwo\nthree");
    TRect box = Rect(0, 0, 90, LineHeight * 3 / 2);
    DrawText(Canvas.Handle(), text, -1, box, DT_EDITCONTROL);
    EXPECT_LT(Ink().bottom(), LineHeight);

    auto [drawn, expected] = Pictures(text, box, DT_EDITCONTROL | DT_WORDBREAK | DT_END_ELLIPSIS, QStringLiteral("one..."));
    EXPECT_EQ(drawn, expected);

    Image.fill(Qt::white);
    DrawText(Canvas.Handle(), text, -1, box, 0);
    EXPECT_GE(Ink().bottom(), LineHeight);
    EXPECT_LT(Ink().bottom(), box.Bottom);
}

TEST_F(DrawTextTest, ClipsToTheRectangleUnlessNoClip)
{
    const QString text = QStringLiteral("WWWWWWWWWW");
    TRect box = Rect(10, 10, 20, 15);
    DrawText(Canvas.Handle(), text, -1, box, DT_SINGLELINE);
    EXPECT_TRUE(QRect(10, 10, 10, 5).contains(Ink()));
    Image.fill(Qt::white);
    DrawText(Canvas.Handle(), text, -1, box, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(Ink().right(), 30);
}

TEST_F(DrawTextTest, TabsExpandToEightAverageCharacters)
{
    TEXTMETRIC tm;
    GetTextMetrics(Canvas.Handle(), tm);
    const int tab = 8 * tm.tmAveCharWidth;
    EXPECT_EQ(Measure(QStringLiteral("a\tb"), Rect(0, 0, 1, 1), DT_SINGLELINE | DT_EXPANDTABS).Right, tab + Width(QStringLiteral("b")));
    EXPECT_EQ(Measure(QStringLiteral("a\tb\tc"), Rect(0, 0, 1, 1), DT_SINGLELINE | DT_EXPANDTABS).Right, 2 * tab + Width(QStringLiteral("c")));

    DRAWTEXTPARAMS params;
    params.iTabLength = 4;
    TRect r = Rect(0, 0, 1, 1);
    DrawTextEx(Canvas.Handle(), QStringLiteral("a\tb"), -1, r, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT, &params);
    EXPECT_EQ(r.Right, 4 * tm.tmAveCharWidth + Width(QStringLiteral("b")));

    // DT_TABSTOP takes the tab length from the format's second byte, which then holds no other flags.
    r = Rect(0, 0, 90, 20);
    DrawTextEx(Canvas.Handle(), QStringLiteral("a\tb"), -1, r, DT_SINGLELINE | DT_EXPANDTABS, &params);
    const QImage withParams = Image.copy();
    Image.fill(Qt::white);
    DrawText(Canvas.Handle(), QStringLiteral("a\tb"), -1, r, DT_SINGLELINE | DT_EXPANDTABS | DT_TABSTOP | (4 << 8));
    EXPECT_EQ(Image, withParams);
}

TEST_F(DrawTextTest, DrawTextExHonoursMarginsAndCount)
{
    DRAWTEXTPARAMS params;
    params.iLeftMargin = 5;
    params.iRightMargin = 7;
    TRect r = Rect(10, 0, 11, 1);
    DrawTextEx(Canvas.Handle(), QStringLiteral("abcdef"), 3, r, DT_SINGLELINE | DT_CALCRECT, &params);
    EXPECT_EQ(r.Right, 10 + 5 + Width(QStringLiteral("abc")) + 7);
    EXPECT_EQ(params.uiLengthDrawn, 3u);

    r = Rect(10, 0, 90, 20);
    DrawTextEx(Canvas.Handle(), QStringLiteral("abc"), -1, r, DT_SINGLELINE, &params);
    EXPECT_GE(Ink().left(), 15);
}

TEST_F(DrawTextTest, BackgroundFollowsTheBackgroundMode)
{
    Image.fill(Qt::gray);
    const COLORREF gray = At(0, 0);
    Canvas.Brush()->SetColor(clYellow);
    TRect box = Rect(5, 5, 90, 40);
    DrawText(Canvas.Handle(), QStringLiteral("Hi"), -1, box, DT_SINGLELINE);
    EXPECT_EQ(Ink(gray), QRect(5, 5, Width(QStringLiteral("Hi")), LineHeight));

    Image.fill(Qt::gray);
    SetBkMode(Canvas.Handle(), TRANSPARENT);
    DrawText(Canvas.Handle(), QStringLiteral("Hi"), -1, box, DT_SINGLELINE);
    EXPECT_EQ(At(5, 5 + LineHeight - 1), gray);
}

TEST_F(DrawTextTest, TextColourAndBackgroundColourAreContextState)
{
    HDC dc = Canvas.Handle();
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(SetTextColor(dc, RGB(255, 0, 0)), RGB(0, 0, 0));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
    EXPECT_EQ(SetBkMode(dc, OPAQUE), TRANSPARENT);
    EXPECT_EQ(SetBkMode(dc, 7), 0);
    SetBkColor(dc, RGB(0, 0, 255));
    EXPECT_EQ(GetBkColor(dc), RGB(0, 0, 255));
    // Changing the canvas brush selects it again, with the background it implies.
    Canvas.Brush()->SetColor(clLime);
    dc = Canvas.Handle();
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetBkColor(dc), RGB(0, 255, 0));
}

TEST_F(DrawTextTest, ExtTextOutFillsAndClipsToItsRectangle)
{
    Image.fill(Qt::gray);
    const COLORREF gray = At(0, 0);
    HDC dc = Canvas.Handle();
    SetBkColor(dc, RGB(255, 255, 0));
    const TRect box = Rect(10, 10, 30, 20);
    ExtTextOut(dc, 12, 5, ETO_OPAQUE | ETO_CLIPPED, &box, QStringLiteral("WWWWWWWWWW"));
    EXPECT_EQ(Ink(gray), QRect(10, 10, 20, 10));
    EXPECT_EQ(At(10, 19), RGB(255, 255, 0));
}

TEST_F(DrawTextTest, TextExtentAndMetricsAgree)
{
    TSize size;
    ASSERT_TRUE(GetTextExtentPoint32(Canvas.Handle(), QStringLiteral("Size"), -1, size));
    EXPECT_EQ(size, Canvas.TextExtent(QStringLiteral("Size")));
    ASSERT_TRUE(GetTextExtentPoint32(Canvas.Handle(), QStringLiteral("Size"), 2, size));
    EXPECT_EQ(size.cx, Canvas.TextWidth(QStringLiteral("Si")));
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(Canvas.Handle(), tm));
    EXPECT_EQ(tm.tmHeight, LineHeight);
    EXPECT_EQ(tm.tmWeight, 400);
    Canvas.Font()->SetStyle({fsBold, fsItalic});
    ASSERT_TRUE(GetTextMetrics(Canvas.Handle(), tm));
    EXPECT_EQ(tm.tmWeight, 700);
    EXPECT_EQ(tm.tmItalic, 1);
}

TEST_F(DrawTextTest, SavesATextSheet)
{
    QImage sheet(300, 160, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    TCanvas canvas;
    BindImage(canvas, &sheet);
    canvas.Font()->SetName(QStringLiteral("Verdana"));
    const struct {
        TRect Box;
        const char* Text;
        uint32_t Format;
    } samples[] = {
        {Rect(5, 5, 145, 25), "Centred &vertically", DT_SINGLELINE | DT_CENTER | DT_VCENTER},
        {Rect(155, 5, 295, 25), "Right, bottom", DT_SINGLELINE | DT_RIGHT | DT_BOTTOM},
        {Rect(5, 30, 145, 80), "Word wrapping breaks this text at its blanks", DT_WORDBREAK},
        {Rect(155, 30, 295, 50), "An end ellipsis shortens this line", DT_SINGLELINE | DT_END_ELLIPSIS},
        {Rect(155, 55, 295, 75), "C:\\Programs\\Configurator\\settings.ini", DT_SINGLELINE | DT_PATH_ELLIPSIS},
        {Rect(5, 85, 145, 120), "Edit control breaks Averyveryverylongword", DT_WORDBREAK | DT_EDITCONTROL},
        {Rect(155, 85, 295, 105), "Tab\tstops\tevery eight", DT_SINGLELINE | DT_EXPANDTABS},
    };
    for (const auto& s : samples) {
        TRect box = s.Box;
        canvas.Brush()->SetColor(clBtnShadow);
        canvas.FrameRect(Rect(box.Left - 1, box.Top - 1, box.Right + 1, box.Bottom + 1));
        canvas.Brush()->SetColor(clInfoBk);
        DrawText(canvas.Handle(), QString::fromLatin1(s.Text), -1, box, s.Format);
    }
    BindImage(canvas, nullptr);
    SaveArtifact(sheet, QStringLiteral("drawtext-sheet"));
}
