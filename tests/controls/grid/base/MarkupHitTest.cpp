// Hit-testing markup: links, pictures inside links and embedded controls, at places computed from the canvas's text measurement.
#include "MarkupTestSupport.h"

#include "grid/base/PictureContainer.h"

#include <gtest/gtest.h>

#include <set>

using MarkupHitTest = TMarkupCanvasTest;

TEST_F(MarkupHitTest, APointOnALinkHitsIt)
{
    const TSize before = Extent("see ");
    const TSize link = Extent("link");
    const QString text = R"(see <A HREF="x" TITLE="The title">link</A> after)";
    struct TCase {
        TPoint Point;
        bool Hit;
    };
    const std::vector<TCase> cases = {
        {{1 + before.cx + link.cx / 2, link.cy / 2}, true},
        {{1 + before.cx, link.cy - 1}, true},
        {{1 + before.cx + link.cx - 1, 0}, true},
        {{1 + before.cx - 1, link.cy / 2}, false},
        {{1 + before.cx + link.cx, link.cy / 2}, false},
        {{1 + before.cx + link.cx / 2, link.cy}, false},
        {{1 + before.cx + link.cx / 2, -1}, false},
    };
    for (const TCase& c : cases) {
        const TMarkupResult r = Markup(Canvas, text, {.Hit = c.Point});
        EXPECT_EQ(r.Hit, c.Hit) << c.Point.X << ", " << c.Point.Y;
        EXPECT_EQ(r.Link, c.Hit ? "x" : "") << c.Point.X << ", " << c.Point.Y;
        EXPECT_EQ(r.LinkTitle, c.Hit ? "The title" : "");
        EXPECT_EQ(r.HoveredLink, c.Hit ? 1 : -1);
        EXPECT_EQ(r.LinkCount, 1);
        if (c.Hit) {
            EXPECT_EQ(r.LinkRect, Rect(1 + before.cx, 0, 1 + before.cx + link.cx, link.cy));
        }
    }
}

TEST_F(MarkupHitTest, TheSecondPassHitsLinksWhereTheyAreAligned)
{
    const TSize link = Extent("mid");
    const TRect area = {0, 0, 201, 100};
    const int32_t left = 1 + (200 - link.cx) / 2;
    const QString text = R"(<P ALIGN="CENTER"><A HREF="c">mid</A>)";
    EXPECT_TRUE(Markup(Canvas, text, {.Rect = area, .Hit = {left + 1, 2}}).Hit);
    const TMarkupResult unaligned = Markup(Canvas, text, {.Rect = area, .Hit = {2, 2}});
    EXPECT_FALSE(unaligned.Hit);
    EXPECT_EQ(unaligned.Link, "") << "nothing is reported where the link was before alignment";
}

TEST_F(MarkupHitTest, LinksOnLaterLinesAndLinksOverLines)
{
    const int32_t h = Extent("a").cy;
    const TSize a = Extent("a ");
    const QString text = R"(a <A HREF="one">first</A><BR>bbbbbbbbbb <A HREF="two">second</A>)";
    const TMarkupResult second = Markup(Canvas, text, {.Hit = {1 + Extent("bbbbbbbbbb ").cx + 2, h + 2}});
    EXPECT_TRUE(second.Hit);
    EXPECT_EQ(second.Link, "two");
    EXPECT_EQ(second.HoveredLink, 2);
    EXPECT_EQ(second.LinkCount, 2);

    const TMarkupResult under = Markup(Canvas, text, {.Hit = {1 + a.cx + 2, h + 2}});
    EXPECT_FALSE(under.Hit) << "the point is on the second line, below the first link";
    EXPECT_EQ(under.Link, "");

    const QString spanning = R"(x <A HREF="w">wrapped words</A>)";
    const int32_t width = 1 + Extent("x ").cx + Extent("wrapped ").cx + 2;
    const TMarkupResult wrapped = Markup(Canvas, spanning, {.Rect = {0, 0, width, 100}, .Hit = {3, h + 2}});
    EXPECT_TRUE(wrapped.Hit);
    EXPECT_EQ(wrapped.Link, "w");
    EXPECT_EQ(wrapped.LinkRect, Rect(1, h, 1 + Extent("words").cx, 2 * h)) << "from the line's left edge";
}

TEST_F(MarkupHitTest, MeasuringAloneHitsNothingButCountsLinks)
{
    const QString text = R"(<A HREF="1">a</A> <A HREF="2">b</A> <A HREF="3">c</A>)";
    const TMarkupResult r = Markup(Canvas, text, {.Hit = {2, 2}, .MeasureOnly = true});
    EXPECT_FALSE(r.Hit);
    EXPECT_EQ(r.Link, "");
    EXPECT_EQ(r.LinkCount, 3);
}

TEST_F(MarkupHitTest, TheFocusedLinkIsReportedAndFramed)
{
    const QString text = R"(<A HREF="1">aa</A> <A HREF="2">bb</A>)";
    const TMarkupResult r = Markup(Canvas, text, {.FocusLink = 1, .HoverUnderlineOnly = true});
    EXPECT_EQ(r.FocusLinkRef, "2");
    const int32_t left = 1 + Extent("aa").cx + Extent(" ").cx;
    const int32_t h = Extent("bb").cy;
    // The focus rectangle reaches one pixel beyond the link on both sides.
    EXPECT_FALSE(InkIn(Image, QRect(left - 1, 0, 1, h)).isEmpty());
    EXPECT_FALSE(InkIn(Image, QRect(left + Extent("bb").cx, 0, 1, h)).isEmpty());
    EXPECT_EQ(Markup(Canvas, text, {.FocusLink = 5}).FocusLinkRef, "");
}

TEST_F(MarkupHitTest, HoveredLinksTakeTheHoverColours)
{
    const TSize one = Extent("one");
    const TSize space = Extent(" ");
    const QString text = R"(<A HREF="1">one</A> <A HREF="2">two</A>)";
    const QRect first(1, 0, one.cx, one.cy);
    const QRect second(1 + one.cx + space.cx, 0, Extent("two").cx, one.cy);
    const auto colors = [this](const QRect& Area) {
        std::set<TColor> set;
        for (int y = Area.top(); y <= Area.bottom(); ++y)
            for (int x = Area.left(); x <= Area.right(); ++x)
                if (ColorAt(Image, x, y) != clWhite) set.insert(ColorAt(Image, x, y));
        return set;
    };

    Markup(Canvas, text, {.HoverLink = 2, .HoverUnderlineOnly = true, .LinkColor = clBlue, .HoverColor = clYellow,
                          .HoverFontColor = clRed});
    EXPECT_EQ(colors(first), std::set<TColor>{clBlue});
    EXPECT_EQ(colors(second), (std::set<TColor>{clYellow, clRed}));

    Image.fill(Qt::white);
    Markup(Canvas, text, {.HoverLink = 2, .LinkColor = clBlue, .HoverFontColor = clRed});
    EXPECT_EQ(colors(second), std::set<TColor>{clBlue}) << "the link colour wins unless only the hovered link is marked";

    Image.fill(Qt::white);
    Markup(Canvas, text, {.FixedColors = true, .LinkColor = clBlue});
    EXPECT_EQ(colors(first), std::set<TColor>{clBlack});
}

TEST_F(MarkupHitTest, APointOnAControlReportsIt)
{
    const QString text = R"(<CONTROL TYPE="check" ID="c1" VALUE="TRUE" WIDTH="16">)";
    const TMarkupResult r = Markup(Canvas, text, {.Hit = {8, 8}});
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.Link, "ctrl");
    EXPECT_EQ(r.ControlID, "c1");
    EXPECT_EQ(r.ControlType, "CHECK");
    EXPECT_EQ(r.ControlValue, "TRUE");
    EXPECT_EQ(r.ControlRect, Rect(1, 0, 17, 16));

    const TMarkupResult missed = Markup(Canvas, text, {.Hit = {18, 8}, .ControlID = "c1"});
    EXPECT_FALSE(missed.Hit);
    EXPECT_EQ(missed.ControlID, "") << "cleared on entry outside hit-test mode";
    EXPECT_EQ(missed.ControlRect, TRect{});

    EXPECT_FALSE(Markup(Canvas, R"(<CONTROL TYPE="CHECK" ID="c1" VALUE="TRUE">)", {.Hit = {8, 8}}).Hit)
        << "a control without WIDTH is ignored";
}

TEST_F(MarkupHitTest, ControlsAfterTextAndTheirLayoutSizes)
{
    const int32_t x = 1 + Extent("name ").cx;
    struct TCase {
        QString Type;
        QString Extra;
        TSize Size;
    };
    const std::vector<TCase> cases = {
        {"EDIT", "", {50, Gh() + 10}},     {"PASSWORD", "", {50, Gh() + 10}}, {"MASK", "", {50, Gh() + 10}},
        {"COMBO", "", {50, 25}},           {"BUTTON", "", {50, 25}},          {"RADIO", "", {16, 16}},
        {"BUTTON", R"( HEIGHT="40")", {50, 25}},
    };
    for (const TCase& c : cases) {
        const QString text = R"(name <CONTROL TYPE=")" + c.Type + R"(" ID="k" VALUE="v" WIDTH="50")" + c.Extra + ">";
        const TMarkupResult r = Markup(Canvas, text, {.Hit = {x + 1, 1}});
        EXPECT_TRUE(r.Hit) << c.Type.toStdString();
        EXPECT_EQ(r.ControlType, c.Type);
        EXPECT_EQ(r.ControlRect, Bounds(x, 0, c.Size.cx, c.Size.cy)) << c.Type.toStdString();
        EXPECT_EQ(r.Width, x - 1 + c.Size.cx);
    }
}

TEST_F(MarkupHitTest, HitTestModeFindsAControlByIDWithoutDrawing)
{
    const QString text = R"(a <CONTROL TYPE="EDIT" ID="e1" VALUE="one" WIDTH="40"> <CONTROL TYPE="EDIT" ID="e2" VALUE="two &amp; more" WIDTH="50">)";
    const TMarkupResult r = Markup(Canvas, text, {.HitTest = true, .ControlID = "e2"});
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.ControlID, "e2");
    EXPECT_EQ(r.ControlValue, "two & more");
    EXPECT_EQ(r.ControlType, "EDIT");
    const int32_t x = 1 + Extent("a ").cx + 40 + Extent(" ").cx;
    EXPECT_EQ(r.ControlRect, Bounds(x, 0, 50, Gh() + 10));
    EXPECT_TRUE(InkIn(Image, Image.rect()).isEmpty()) << "hit-test mode draws nothing";

    EXPECT_FALSE(Markup(Canvas, text, {.HitTest = true, .ControlID = "none"}).Hit);
    EXPECT_FALSE(Markup(Canvas, R"(<CONTROL TYPE="EDIT" WIDTH="40">)", {.HitTest = true}).Hit)
        << "an empty ID asks for no control";
}

TEST_F(MarkupHitTest, APictureInsideALinkHitsAndShowsItsHoverPicture)
{
    TPictureContainer container(nullptr);
    for (const auto& [name, color] : {std::pair{"normal", clRed}, std::pair{"hover", clBlue}}) {
        TPictureItem* item = container.Items()->Add();
        item->SetName(name);
        TBytesStream bytes(BmpBytes(10, 20, color));
        item->Picture()->LoadFromStream(&bytes);
    }
    const QString text = R"(<A HREF="p" TITLE="pic"><IMG SRC="normal" ALT="hover"></A>)";
    const TMarkupResult hit = Markup(Canvas, text, {.Hit = {5, 10}, .PictureContainer = &container});
    EXPECT_TRUE(hit.Hit);
    EXPECT_EQ(hit.Link, "p");
    EXPECT_EQ(hit.LinkTitle, "pic");
    EXPECT_EQ(ColorAt(Image, 5, 10), clBlue) << "the picture under the point shows its ALT source";

    const TMarkupResult missed = Markup(Canvas, text, {.Hit = {50, 10}, .PictureContainer = &container});
    EXPECT_FALSE(missed.Hit);
    EXPECT_EQ(ColorAt(Image, 5, 10), clRed);

    const TMarkupResult plain = Markup(Canvas, R"(<IMG SRC="normal" ALT="hover">)", {.Hit = {5, 10}, .PictureContainer = &container});
    EXPECT_FALSE(plain.Hit) << "a picture outside a link is no link";
    EXPECT_EQ(ColorAt(Image, 5, 10), clRed);
}
