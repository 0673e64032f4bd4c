// Tests of the text exchange helpers: escapes, CSV quoting, OEM text, dates, proper case, links, clipboard HTML.
#include "grid/base/ExtUtil.h"

#include "rtl/DateTime.h"
#include "rtl/Exceptions.h"
#include "rtl/Strings.h"
#include "support/ExceptionMessage.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

namespace {

const QString Quote = QStringLiteral("\"");

// The number after Name in the clipboard header.
qsizetype HeaderValue(const QByteArray& Data, const QByteArray& Name)
{
    const qsizetype at = Data.indexOf(Name);
    return at < 0 ? -1 : Data.mid(at + Name.size(), 8).toLongLong();
}

}  // namespace

TEST(TextExchangeTest, QuoteDoublingAndUndoubling)
{
    EXPECT_EQ(DoubleQuoteChars(QStringLiteral("a\"b\"\"")), "a\"\"b\"\"\"\"");
    EXPECT_EQ(UndoubleChar(u'"', "a" + Quote.repeated(2) + "b" + Quote.repeated(3) + "c"), "a" + Quote + "b" + Quote.repeated(2) + "c");
    EXPECT_EQ(UndoubleChar(u'"', QStringLiteral("abc")), "abc");
    EXPECT_EQ(UndoubleChar(u'x', QStringLiteral("xxxxx")), "xxx");
}

TEST(TextExchangeTest, CsvFieldsKeepLineBreaksAsCharacterEleven)
{
    QString field = QStringLiteral("a\r\nb\"c\nd");
    QuoteCSVField(field);
    EXPECT_EQ(field, QStringLiteral("\"a\u000Bb\"c\nd\""));
    QString line = QStringLiteral("a\u000Bb\u000B");
    DecodeCSVLineBreaks(line);
    EXPECT_EQ(line, "a\r\nb\r\n");
    QString plain = QStringLiteral("plain");
    DecodeCSVLineBreaks(plain);
    EXPECT_EQ(plain, "plain");
}

TEST(TextExchangeTest, LineBreakEscapes)
{
    const std::pair<QString, QString> removeCRBeforeLF[] = {{"a\r\nb\rc\n", "a\nb\rc\n"}, {"", ""}};
    for (auto [text, expected] : removeCRBeforeLF) {
        RemoveCRBeforeLF(text);
        EXPECT_EQ(text, expected);
    }
    QString tilde = QStringLiteral("a\r\nb\rc");
    TildeEncodeLineBreaks(tilde);
    EXPECT_EQ(tilde, "a~b~c");
    TildeDecodeLineBreaks(tilde);
    EXPECT_EQ(tilde, "a\r\nb\r\nc");
    QString caret = QStringLiteral("^");
    TildeDecodeLineBreaks(caret);
    EXPECT_EQ(caret, "");
    EXPECT_EQ(UnescapeLineBreaks(QStringLiteral("a\\nb\\n")), "a\rb\r");
    EXPECT_EQ(EscapeLineBreaks(QStringLiteral("a\r\nb\rc")), "a\\nb\\nc");
    EXPECT_EQ(RemoveCR(QStringLiteral("a\r\nb\r")), "a\nb");
    EXPECT_EQ(CRToLF(QStringLiteral("a\r\nb")), "a\n\nb");
    EXPECT_EQ(LineBreaksToHTML(QStringLiteral("a\r\nb")), "a<br>\nb");
    EXPECT_EQ(LineBreaksToHTML(QStringLiteral("a\nb")), "a\nb");
}

TEST(TextExchangeTest, CellLineBreaksRoundTrip)
{
    const QString text = QStringLiteral("a\r\nb") + QChar(0) + u'c';
    const QString encoded = EncodeCellLineBreaks(text);
    EXPECT_EQ(encoded, QStringLiteral("a\u0009\u0008b\u0001c"));
    EXPECT_EQ(DecodeCellLineBreaks(encoded, true), text);
    EXPECT_EQ(DecodeCellLineBreaks(encoded, false), "a");
    // Without a CR nothing is encoded, LF and NUL included; without character 8 nothing is decoded.
    const QString noCR = QStringLiteral("a\nb") + QChar(0);
    EXPECT_EQ(EncodeCellLineBreaks(noCR), noCR);
    EXPECT_EQ(DecodeCellLineBreaks(QStringLiteral("a\rb\u0001"), false), "a\rb\u0001");
}

TEST(TextExchangeTest, TakingTheFirstLine)
{
    struct TCase {
        QString Text;
        bool KeepRest;
        QString Line;
        QString Rest;
    };
    const TCase cases[] = {
        {"a\r\nb", true, "a", "b"},
        {"a\r\nb", false, "a", ""},
        {"a\rb\r\nc", true, "a", "b\r\nc"},
        {"a\r\r\nb", true, "a", "\r\nb"},
        {"abc", true, "abc", ""},
        {"\r\n", true, "", ""},
    };
    for (TCase c : cases) {
        EXPECT_EQ(TakeFirstLine(c.Text, c.KeepRest), c.Line);
        EXPECT_EQ(c.Text, c.Rest);
    }
    EXPECT_EQ(CountLines(QStringLiteral("a\rb\r\nc"), true), 3);
    EXPECT_EQ(CountLines(QStringLiteral("a\rb\r\nc"), false), 1);
    EXPECT_EQ(CountLines(QString(), true), 1);
}

TEST(TextExchangeTest, OddCharacterRunsFindClosingQuotes)
{
    const std::pair<QString, int32_t> cases[] = {
        {"ab\"\"c", 0}, {"ab\"c", 3}, {"ab\"\"", 4}, {"\"\"\"x", 3}, {"\"", 1}, {"", 0}, {"abc", 0},
    };
    for (const auto& [text, expected] : cases) {
        int32_t pos = -1;
        EXPECT_EQ(FindOddCharRun(u'"', text, pos), expected) << text.toStdString();
        EXPECT_EQ(pos, expected);
    }
    EXPECT_EQ(CountOddCharRuns(u'"', QStringLiteral("\"a\",\"b\"")), 4);
    EXPECT_EQ(CountOddCharRuns(u'"', QStringLiteral("\"a\"\"b\"")), 2);
    EXPECT_EQ(CountChar(u'"', QStringLiteral("\"a\"\"b\"")), 4);
}

TEST(TextExchangeTest, OemTextHoldsTheOemBytesAsAnsiCharacters)
{
    QString text = QStringLiteral("A\u00C4\u00E9\u2500\u20AC");
    StringToOEM(text);
    // OEM 437 bytes 41 8E 82 C4 3F read as Windows-1252.
    EXPECT_EQ(text, QStringLiteral("A\u017D\u201A\u00C4?"));
    OEMToString(text);
    EXPECT_EQ(text, QStringLiteral("A\u00C4\u00E9\u2500?"));
}

TEST(TextExchangeTest, ShortDatesWithTheirCenturyRule)
{
    EXPECT_EQ(ParseDateDMY(QStringLiteral("31.12.99")), EncodeDate(1999, 12, 31));
    EXPECT_EQ(ParseDateDMY(QStringLiteral("1-2-05")), EncodeDate(2005, 2, 1));
    EXPECT_EQ(ParseDateMDY(QStringLiteral("12/31/2010")), EncodeDate(2010, 12, 31));
    EXPECT_EQ(ParseDateMDY(QStringLiteral("1/2/25")), EncodeDate(2025, 1, 2));
    EXPECT_EQ(ParseDateMDY(QStringLiteral("1/2/26")), EncodeDate(1926, 1, 2));
    EXPECT_EQ(ParseDateMDY(QStringLiteral("1/2/100")), EncodeDate(100, 1, 2));
    for (const char* malformed : {"12/31", "a/2/2010", "1/2/x", "1/2/3/4", "2010"})
        EXPECT_EQ(ParseDateMDY(QString::fromLatin1(malformed)), 0) << malformed;
    EXPECT_EQ(MessageOf<EConvertError>([] { ParseDateMDY(QStringLiteral("13/1/2010")); }),
              "Invalid argument to date encode");
    EXPECT_THROW(ParseDateDMY(QStringLiteral("31.2.2010")), EConvertError);
    EXPECT_THROW(ParseDateDMY(QStringLiteral("1.1.-5")), EConvertError);
    EXPECT_LT(ParseDateDMY(QStringLiteral("1.1.999")), ParseDateDMY(QStringLiteral("1.1.1000")));
    // Years of three or four digits keep their order: only one or two digits take a century.
    EXPECT_EQ(ParseDateDMY(QStringLiteral("1.1.099")), EncodeDate(99, 1, 1));
    EXPECT_EQ(ParseDateDMY(QStringLiteral("1.1.0005")), EncodeDate(5, 1, 1));
    EXPECT_LT(ParseDateDMY(QStringLiteral("1.1.099")), ParseDateDMY(QStringLiteral("1.1.100")));
    EXPECT_EQ(ParseDateDMY(QStringLiteral("1.1.5")), EncodeDate(2005, 1, 1));
}

TEST(TextExchangeTest, SeriesDateSteps)
{
    const TDateTime noon = 0.5;
    EXPECT_EQ(IncrementDate(0, 0, -1, EncodeDate(2010, 5, 10) + noon, 0), EncodeDate(2010, 5, 9) + noon);
    EXPECT_EQ(IncrementDate(0, -1, 0, EncodeDate(2010, 1, 15) + noon, 0), EncodeDate(2009, 12, 15));
    EXPECT_EQ(IncrementDate(0, 2, 0, EncodeDate(2010, 11, 15), 0), EncodeDate(2011, 1, 15));
    EXPECT_EQ(IncrementDate(2, 0, 0, EncodeDate(2010, 3, 5) + noon, 0), EncodeDate(2012, 3, 5));
    EXPECT_EQ(IncrementDate(1, 1, 0, EncodeDate(2010, 3, 5), 40), EncodeDate(2010, 3, 5) + 40);
    EXPECT_EQ(IncrementDate(0, 0, 0, EncodeDate(2010, 3, 5), 7), EncodeDate(2010, 3, 12));
    EXPECT_THROW(IncrementDate(0, 1, 0, EncodeDate(2010, 1, 31), 0), EConvertError);
    EXPECT_THROW(IncrementDate(1, 0, 0, EncodeDate(2012, 2, 29), 0), EConvertError);
}

TEST(TextExchangeTest, ProperCase)
{
    const std::pair<QString, QString> cases[] = {
        {"mcdonald", "McDonald"},
        {"john mcdonald", "John McDonald"},
        {"henry iii", "Henry III"},
        {"louis ii", "Louis II"},
        {"o'neil-smith", "O'Neil-Smith"},
        {"HELLO WORLD", "Hello World"},
        {"a.b,c", "A.B,C"},
        {"", ""},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ProperCase(text), expected);
}

TEST(TextExchangeTest, LinkDetectionAndStripping)
{
    EXPECT_TRUE(ContainsURL(QStringLiteral("see http://x")));
    EXPECT_TRUE(ContainsURL(QStringLiteral("mailto:a@b")));
    EXPECT_FALSE(ContainsURL(QStringLiteral("MAILTO:a@b")));
    EXPECT_FALSE(ContainsURL(QStringLiteral("plain")));
    const std::pair<QString, QString> strips[] = {
        {"http://www.x.com", "www.x.com"},
        {"mailto:a@b.c", "a@b.c"},
        {"x mailto:a://b", "b"},
        {"plain", "plain"},
    };
    for (auto [text, expected] : strips) {
        StripURLProtocol(text);
        EXPECT_EQ(text, expected);
    }
}

TEST(TextExchangeTest, LinksBecomeAnchorsUpToTheFirstCharacterOutsideTheirSet)
{
    QString result;
    ASSERT_TRUE(InsertURLAnchor(QStringLiteral("see http://x.com/a_b?c=1 <b>"), QStringLiteral("HTTP://"), result));
    EXPECT_EQ(result, "see <a href=\"http://x.com/a_b\">http://x.com/a_b</a>?c=1 &lt;b&gt;");
    ASSERT_TRUE(InsertURLAnchor(QStringLiteral("mail Mailto:me@x.org&now"), QStringLiteral("MAILTO:"), result));
    EXPECT_EQ(result, "mail <a href=\"Mailto:me@x.org\">Mailto:me@x.org</a>&now");
    result = QStringLiteral("untouched");
    EXPECT_FALSE(InsertURLAnchor(QStringLiteral("no link"), QStringLiteral("HTTP://"), result));
    EXPECT_EQ(result, "untouched");
}

TEST(TextExchangeTest, ColoursAsHexadecimalRedGreenBlue)
{
    EXPECT_EQ(ColorToHexRGB(0x00112233), "332211");
    EXPECT_EQ(ColorToHexRGB(clRed), "FF0000");
    EXPECT_EQ(ColorToHexRGB(RGB(10, 11, 12)), "0A0B0C");
}

TEST(TextExchangeTest, ClipboardHtmlOffsetsCountTheBytesWritten)
{
    for (const QString& html : {QStringLiteral("<b>x</b>"), QStringLiteral("<i>Gr\u00FC\u00DFe \u20AC \U0001F600</i>")}) {
        const QByteArray data = WrapHTMLForClipboard(html);
        EXPECT_TRUE(data.startsWith("Version:1.0\r\nStartHTML:00000097\r\nEndHTML:"));
        const qsizetype startHtml = HeaderValue(data, "StartHTML:");
        const qsizetype endHtml = HeaderValue(data, "EndHTML:");
        const qsizetype startFragment = HeaderValue(data, "StartFragment:");
        const qsizetype endFragment = HeaderValue(data, "EndFragment:");
        EXPECT_TRUE(data.mid(startHtml).startsWith("<!DOCTYPE HTML PUBLIC"));
        EXPECT_TRUE(data.left(startFragment).endsWith("<!--StartFragment-->"));
        EXPECT_TRUE(data.left(startFragment).contains("charset=utf-8"));
        EXPECT_EQ(data.mid(startFragment, endFragment - startFragment), html.toUtf8());
        EXPECT_TRUE(data.mid(endFragment).startsWith("<!--EndFragment-->"));
        EXPECT_EQ(endHtml, data.size());
        EXPECT_TRUE(data.endsWith("</body></html>"));
    }
}

TEST(TextExchangeTest, SmallTextHelpers)
{
    int32_t pos = -1;
    EXPECT_EQ(FindSubstring(QStringLiteral("cd"), QStringLiteral("abcd"), pos), 3);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(FindSubstring(QStringLiteral("x"), QStringLiteral("abcd"), pos), 0);
    EXPECT_EQ(pos, 0);
    pos = 7;
    EXPECT_EQ(FindCharPos(u'x', QStringLiteral("abc"), pos), 0);
    EXPECT_EQ(pos, 7);
    EXPECT_EQ(FindCharPos(u'c', QStringLiteral("abc"), pos), 3);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(CharPos(u'b', QStringLiteral("abc")), 2);
    EXPECT_EQ(PosInUpperText(QStringLiteral("BC"), QStringLiteral("abc")), 2);

    QString text = QStringLiteral("a;b;c");
    EXPECT_EQ(CutToDelimiter(text, u';'), "a");
    EXPECT_EQ(text, "b;c");
    EXPECT_EQ(CutToDelimiter(text, u'|'), "");
    EXPECT_EQ(text, "b;c");

    TStringList list;
    list.Add(QStringLiteral("a"));
    list.Add(QStringLiteral("bc"));
    EXPECT_EQ(ConcatStrings(&list), "abc");

    QString secret = QStringLiteral("abc");
    FillChars(secret, u'*');
    EXPECT_EQ(secret, "***");
}

TEST(TextExchangeTest, RowColumnReferences)
{
    const std::tuple<QString, bool, TPoint> cases[] = {
        {"R12C3", true, {3, 12}}, {"r1c1", true, {1, 1}}, {"R1C", false, {}}, {"X1C1", false, {}},
        {"R1x1", false, {}},      {"RaC1", false, {}},   {"R1C1x", false, {}},
    };
    for (const auto& [text, valid, point] : cases) {
        TPoint parsed{-1, -1};
        EXPECT_EQ(ParseRCReference(text, parsed), valid) << text.toStdString();
        if (valid) {
            EXPECT_EQ(parsed, point);
        }
    }
}

TEST(TextExchangeTest, IntegerHelpers)
{
    const TRect cells{1, 2, 3, 4};
    EXPECT_TRUE(IsCellInGridRect(cells, 1, 2));
    EXPECT_TRUE(IsCellInGridRect(cells, 3, 4));
    EXPECT_FALSE(IsCellInGridRect(cells, 4, 4));
    EXPECT_FALSE(IsCellInGridRect(cells, 2, 1));
    EXPECT_EQ(MaxOf(-2, 5), 5);
    EXPECT_EQ(MinOf(-2, 5), -2);
    const std::tuple<int32_t, int32_t, int32_t, int32_t> clamps[] = {
        {5, 3, 3, 5}, {1, 2, 10, 2}, {20, 2, 10, 10}, {1, 0, 10, 1}, {20, 2, 0, 20}, {5, 2, 10, 5},
    };
    for (const auto& [value, min, max, expected] : clamps)
        EXPECT_EQ(ClampToLimits(value, min, max), expected) << value << " " << min << " " << max;
}
