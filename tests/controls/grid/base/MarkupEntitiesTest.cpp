// Markup text routines: entities, colour names, control tags, plain text, marking found text and the small helpers.
#include "grid/base/EsgHTMLE.h"

#include <gtest/gtest.h>

#include <QString>

#include <vector>

namespace {

struct TTextCase {
    QString Input;
    QString Expected;
};

const QString CRLF = QStringLiteral("\r\n");

}  // namespace

// --- Entities ---

TEST(EntitiesTest, EncodingAndDecodingGiveTheTextBack)
{
    struct TCase {
        QString Plain;
        bool UseTable;
        QString Encoded;
    };
    const std::vector<TCase> cases = {
        {"a&b<c", false, "a&amp;b&lt;c"},
        {"\"x\" > y", false, "&quot;x&quot; &gt; y"},
        {QString::fromUtf8("café"), false, QString::fromUtf8("café")},
        {QString::fromUtf8("café"), true, "caf&eacute;"},
        {QString::fromUtf8("ÉÈËÊ ÓÒÖÔ ÍÌÏÎ ÚÙÜÛ ÁÀÄÂ"), true,
         "&Eacute;&Egrave;&Euml;&Ecirc; &Oacute;&Ograve;&Ouml;&Ocirc; &Iacute;&Igrave;&Iuml;&Icirc; "
         "&Uacute;&Ugrave;&Uuml;&Ucirc; &Aacute;&Agrave;&Auml;&Acirc;"},
        {QString::fromUtf8("éèëê óòöô íìïî úùüû áàäâ"), true,
         "&eacute;&egrave;&euml;&ecirc; &oacute;&ograve;&ouml;&ocirc; &iacute;&igrave;&iuml;&icirc; "
         "&uacute;&ugrave;&uuml;&ucirc; &aacute;&agrave;&auml;&acirc;"},
        {QString::fromUtf8("çÇøØåÅ©®€«»"), true,
         "&ccedil;&Ccedil;&oslash;&Oslash;&aring;&Aring;&copy;&reg;&euro;&laquo;&raquo;"},
        // Entity names written as text are encoded, so decoding does not take them for entities.
        {"&quot;", false, "&amp;quot;"},
        {"&amp;lt;", false, "&amp;amp;lt;"},
        {"&eacute;", true, "&amp;eacute;"},
        {"", true, ""},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(EncodeHTMLEntities(c.Plain, c.UseTable), c.Encoded) << c.Plain.toStdString();
        EXPECT_EQ(DecodeHTMLEntities(c.Encoded, c.UseTable), c.Plain) << c.Encoded.toStdString();
    }
}

TEST(EntitiesTest, DecodingTakesEachEntityOnce)
{
    const std::vector<TTextCase> withTable = {
        {"&amp;quot;", "&quot;"},
        {"&amp;amp;", "&amp;"},
        {"&lt;B&gt;", "<B>"},
        {"&Eacute;&eacute;", QString::fromUtf8("Éé")},
        {"&EACUTE; &Amp;", "&EACUTE; &Amp;"},
        {"a & b &", "a & b &"},
        {"&unknown; &lt", "&unknown; &lt"},
    };
    for (const TTextCase& c : withTable) EXPECT_EQ(DecodeHTMLEntities(c.Input, true), c.Expected) << c.Input.toStdString();
    EXPECT_EQ(DecodeHTMLEntities("&eacute;&lt;", false), "&eacute;<");
}

TEST(EntitiesTest, SpacesToNbsp)
{
    EXPECT_EQ(SpacesToNbsp("a b  c"), "a&nbsp;b&nbsp;&nbsp;c");
    EXPECT_EQ(SpacesToNbsp(""), "");
}

// --- Colours ---

TEST(MarkupColorNamesTest, NamesGiveTheirColours)
{
    const std::vector<std::pair<QString, TColor>> cases = {
        {"clred", TColor(0x0000FF)},         {"clblack", TColor(0x000000)},
        {"clblue", TColor(0xFF0000)},        {"clgreen", TColor(0x008000)},
        {"claqua", TColor(0xFFFF00)},        {"clyellow", TColor(0x00FFFF)},
        {"clfuchsia", TColor(0xFF00FF)},     {"clwhite", TColor(0xFFFFFF)},
        {"cllime", TColor(0x00FF00)},        {"clsilver", TColor(0xC0C0C0)},
        {"clgray", TColor(0x808080)},        {"clolive", TColor(0x008080)},
        {"clnavy", TColor(0x800000)},        {"clpurple", TColor(0x800080)},
        {"clteal", TColor(0x808000)},        {"clmaroon", TColor(0x000080)},
        {"clbackground", TColor(0xFF000001)}, {"clactivecaption", TColor(0xFF000002)},
        {"clinactivecaption", TColor(0xFF000003)}, {"clmenu", TColor(0xFF000004)},
        {"clwindow", TColor(0xFF000005)},    {"clwindowframe", TColor(0xFF000006)},
        {"clmenutext", TColor(0xFF000007)},  {"clwindowtext", TColor(0xFF000008)},
        {"clcaptiontext", TColor(0xFF000009)}, {"clactiveborder", TColor(0xFF00000A)},
        {"clinactiveborder", TColor(0xFF00000B)}, {"clappworkspace", TColor(0xFF00000C)},
        {"clhighlight", TColor(0xFF00000D)}, {"clhighlighttext", TColor(0xFF00000E)},
        {"clbtnface", TColor(0xFF00000F)},   {"clbtnshadow", TColor(0xFF000010)},
        {"clgraytext", TColor(0xFF000011)},  {"clbtntext", TColor(0xFF000012)},
        {"clinactivecaptiontext", TColor(0xFF000013)}, {"clbtnhighlight", TColor(0xFF000014)},
        {"cl3ddkshadow", TColor(0xFF000015)}, {"cl3dlight", TColor(0xFF000016)},
        {"clinfotext", TColor(0xFF000017)},  {"clinfobk", TColor(0xFF000018)},
        {"clunknown", TColor(0)},            {"clRed", TColor(0)},
        {"", TColor(0)},
    };
    for (const auto& [name, color] : cases) EXPECT_EQ(ColorNameToColor(name), color) << name.toStdString();
}

TEST(MarkupColorNamesTest, HashColoursAreRedGreenBlue)
{
    EXPECT_EQ(HTMLColorToColor("#FF0000"), TColor(0x0000FF));
    EXPECT_EQ(HTMLColorToColor("#00FF80"), TColor(0x80FF00));
    EXPECT_EQ(HTMLColorToColor("#123456"), TColor(0x563412));
    EXPECT_EQ(HTMLColorToColor("#12"), TColor(0x12)) << "missing pairs count 0";
    EXPECT_EQ(HexPairToByte("A0"), 160);
    EXPECT_EQ(HexPairToByte("0F"), 15);
    EXPECT_EQ(HexPairToByte("F"), 0);
}

// --- Control tags ---

TEST(MarkupControlTagTest, ReadsNameValuePairs)
{
    struct TCase {
        QString Tag;
        TControlTag Expected;
    };
    const std::vector<TCase> cases = {
        {R"(<CONTROL TYPE="EDIT" ID="e1" VALUE="abc" WIDTH="80">)", {"EDIT", "e1", "", "", "", "80", "abc"}},
        {R"(<control type="edit" id="E1" width="8">)", {"EDIT", "E1", "", "", "", "8", ""}},
        {R"(<CONTROL ID="m" TYPE="MASK" PROP="00&lt;9" MAXLEN="5x" HEIGHT="30" WIDTH="60" VALUE="&quot;&eacute;">)",
         {"MASK", "m", "5x", "00<9", "30", "60", QString::fromUtf8("\"é")}},
        // A name inside another attribute's value belongs to that value.
        {R"(<CONTROL VALUE="TYPE=&quot;x&quot; ID=y" TYPE="COMBO" ID="c">)", {"COMBO", "c", "", "", "", "", "TYPE=\"x\" ID=y"}},
        {R"(<CONTROL ID = "a" WIDTH=40 ID="b">)", {"", "a", "", "", "", "40", ""}},
        {R"(<CONTROL ID="open)", {"", "open", "", "", "", "", ""}},
        {"<CONTROL>", {}},
    };
    for (const TCase& c : cases) {
        const TControlTag tag = ParseControlTag(c.Tag);
        EXPECT_EQ(tag.Type, c.Expected.Type) << c.Tag.toStdString();
        EXPECT_EQ(tag.ID, c.Expected.ID) << c.Tag.toStdString();
        EXPECT_EQ(tag.MaxLen, c.Expected.MaxLen) << c.Tag.toStdString();
        EXPECT_EQ(tag.Prop, c.Expected.Prop) << c.Tag.toStdString();
        EXPECT_EQ(tag.Height, c.Expected.Height) << c.Tag.toStdString();
        EXPECT_EQ(tag.Width, c.Expected.Width) << c.Tag.toStdString();
        EXPECT_EQ(tag.Value, c.Expected.Value) << c.Tag.toStdString();
    }
}

TEST(MarkupControlTagTest, ValuesPropsAndLengthsByID)
{
    const QString text = R"(a <CONTROL TYPE="EDIT" ID="e1" VALUE="x &amp; y" WIDTH="40" MAXLEN="12">)"
                         R"( b <control type="MASK" id="m1" prop="99-99" width="40"> c)";
    EXPECT_TRUE(HasControlTag(text));
    EXPECT_FALSE(HasControlTag("<B>no controls</B>"));
    QString value = "unchanged";
    EXPECT_TRUE(GetControlValue(text, "e1", value));
    EXPECT_EQ(value, "x & y");
    EXPECT_FALSE(GetControlValue(text, "E1", value)) << "IDs are compared exactly";
    EXPECT_EQ(value, "x & y");
    EXPECT_EQ(GetControlProp(text, "m1"), "99-99");
    EXPECT_EQ(GetControlProp(text, "e1"), "");
    EXPECT_EQ(GetControlMaxLen(text, "e1"), 12);
    EXPECT_EQ(GetControlMaxLen(text, "m1"), 0);
}

TEST(MarkupControlTagTest, SetControlValueRewritesOnlyTheValue)
{
    QString text = R"(before <CONTROL TYPE="combo" ID="c1" VALUE="old" WIDTH="90" HEIGHT="30" PROP="a&lt;b">)"
                   R"( middle <CONTROL TYPE="EDIT" ID="c2" VALUE="keep" WIDTH="50"> after)";
    ASSERT_TRUE(SetControlValue(text, "c1", "new <value> & more"));
    EXPECT_TRUE(text.startsWith("before <CONTROL ID=\"c1\" VALUE=\"new &lt;value&gt; &amp; more\" WIDTH=\"90\" TYPE=\"COMBO\""));
    EXPECT_TRUE(text.endsWith(R"( middle <CONTROL TYPE="EDIT" ID="c2" VALUE="keep" WIDTH="50"> after)"));
    const TControlTag tag = ParseControlTag(text.mid(text.indexOf('<'), text.indexOf('>') - text.indexOf('<') + 1));
    EXPECT_EQ(tag.Value, "new <value> & more");
    EXPECT_EQ(tag.Width, "90");
    EXPECT_EQ(tag.Height, "30");
    EXPECT_EQ(tag.Prop, "a<b");
    EXPECT_EQ(tag.Type, "COMBO");

    const QString before = text;
    EXPECT_FALSE(SetControlValue(text, "none", "x"));
    EXPECT_EQ(text, before);
}

TEST(MarkupControlTagTest, ResetRadioControlsClearsEveryRadio)
{
    const QString text = R"(<CONTROL TYPE="RADIO" ID="r1" VALUE="TRUE" WIDTH="16"><CONTROL TYPE="CHECK" ID="c" VALUE="TRUE" WIDTH="16">)"
                         R"(<CONTROL TYPE="radio" ID="r2" VALUE="TRUE" WIDTH="16">)";
    const QString reset = ResetRadioControls(text);
    QString value;
    for (const char* id : {"r1", "r2"}) {
        ASSERT_TRUE(GetControlValue(reset, id, value));
        EXPECT_EQ(value, "FALSE") << id;
    }
    ASSERT_TRUE(GetControlValue(reset, "c", value));
    EXPECT_EQ(value, "TRUE");
}

TEST(MarkupControlTagTest, NextEditControlIDSkipsButtonsChecksAndRadios)
{
    const QString text = R"(<CONTROL TYPE="EDIT" ID="e1" WIDTH="9"><CONTROL TYPE="CHECK" ID="c1" WIDTH="9">)"
                         R"(<CONTROL TYPE="BUTTON" ID="b1" WIDTH="9"><CONTROL TYPE="EDIT" ID="e2" WIDTH="9">)";
    const std::vector<TTextCase> cases = {{"e1", "e2"}, {"e2", ""}, {"", "e1"}, {"c1", "e2"}, {"unknown", ""}};
    for (const TTextCase& c : cases) EXPECT_EQ(NextEditControlID(text, c.Input), c.Expected) << c.Input.toStdString();
    EXPECT_EQ(PasswordMask("secret"), "******");
}

// --- Plain text ---

TEST(MarkupPlainTextTest, MarkupToPlainText)
{
    const std::vector<TTextCase> cases = {
        {"a<BR>b<B>c</B>", "a" + CRLF + "bc"},
        {"x<y", "x<y"},
        {"a<hr>b<br>", "a" + CRLF + "b" + CRLF},
        {"<A HREF=\"x\">link</A> &amp; more", "link &amp; more"},
        {"a>b<I>c", "a>bc"},
        {"<unclosed", "<unclosed"},
        {"", ""},
    };
    for (const TTextCase& c : cases) EXPECT_EQ(MarkupToPlainText(c.Input), c.Expected) << c.Input.toStdString();
}

TEST(MarkupPlainTextTest, MarkupVisibleText)
{
    const std::vector<TTextCase> cases = {
        {"<B>abc</B>", "abc"},
        {"a<BR>b", "ab"},
        {"x<y", "x<y"},
        {"a>b<I>c</I>", "a>b<I>c</I>"},
        {"<B>a</B> > b", "a > b"},
    };
    for (const TTextCase& c : cases) EXPECT_EQ(MarkupVisibleText(c.Input), c.Expected) << c.Input.toStdString();
}

TEST(MarkupPlainTextTest, VisibleToMarkupPosComesBeforeTheTags)
{
    struct TCase {
        QString Markup;
        int32_t N;
        int32_t Expected;
    };
    const std::vector<TCase> cases = {
        {"<B>abc</B>", 1, 1}, {"<B>abc</B>", 2, 5}, {"<B>abc</B>", 3, 6}, {"<B>abc</B>", 4, 7},
        {"<B>abc</B>", 5, 0}, {"abc", 4, 4},        {"abc", 0, 0},        {"a<b", 3, 3},
        {"", 1, 1},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(VisibleToMarkupPos(c.Markup, c.N), c.Expected) << c.Markup.toStdString() << " " << c.N;
}

TEST(MarkupPlainTextTest, FindTextFromSearchesAfterTheOffset)
{
    EXPECT_EQ(FindTextFrom("b", "abcabc", 0, true), 2);
    EXPECT_EQ(FindTextFrom("b", "abcabc", 2, true), 5);
    EXPECT_EQ(FindTextFrom("B", "abcabc", 0, true), 0);
    EXPECT_EQ(FindTextFrom("B", "abcabc", 0, false), 2);
    EXPECT_EQ(FindTextFrom(QString::fromUtf8("É"), QString::fromUtf8("café"), 0, false), 4);
    EXPECT_EQ(FindTextFrom("", "abc", 0, true), 0);
}

TEST(MarkupPlainTextTest, MarkingAndUnmarkingFoundText)
{
    struct TCase {
        QString Markup;
        QString Search;
        bool CaseSensitive;
        QString Marked;
        QString Unmarked;
    };
    const std::vector<TCase> cases = {
        {"<B>abc</B>", "b", true, "<B>a<HI>b</HI>c</B>", "<B>abc</B>"},
        {"abcabc", "BC", false, "a<HI>bc</HI>a<HI>bc</HI>", "abcabc"},
        {"abcabc", "BC", true, "abcabc", "abcabc"},
        {"a<I>b</I>c", "abc", true, "<HI>a<I>b</I>c</HI>", "a<I>b</I>c"},
        {"1 > 0", "0", true, "1 &gt; <HI>0</HI>", "1 > 0"},
        {"x", "", true, "x", "x"},
    };
    for (const TCase& c : cases) {
        const QString marked = MarkTextInMarkup(c.Markup, c.Search, "HI", c.CaseSensitive);
        EXPECT_EQ(marked, c.Marked) << c.Markup.toStdString();
        EXPECT_EQ(UnmarkTextInMarkup(marked, "hi"), c.Unmarked) << c.Markup.toStdString();
    }
}

// --- Small helpers ---

TEST(MarkupHelpersTest, IntOfReadsTheLeadingInteger)
{
    const std::vector<std::pair<QString, int32_t>> cases = {
        {"42", 42},      {"  -17px", -17}, {"+5", 5},   {"$1F", 31},     {"0x1f", 31},  {"0X10g", 16},
        {"abc", 0},      {"", 0},          {"12.5", 12}, {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
        {"-2147483648", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(IntOf(text), value) << text.toStdString();
}

TEST(MarkupHelpersTest, PositionsAndReplacementsIgnoreCase)
{
    EXPECT_EQ(PosNoCase("control", "a <CONTROL"), 4);
    EXPECT_EQ(PosNoCase("x", "abc"), 0);
    QString text = "one Two two";
    EXPECT_TRUE(ReplaceFirstNoCase("TWO", "2", text));
    EXPECT_EQ(text, "one 2 two");
    EXPECT_FALSE(ReplaceFirstNoCase("three", "3", text));
    EXPECT_EQ(text, "one 2 two");
}
