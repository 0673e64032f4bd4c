// Windows-1252, UTF-8, UTF-16 and ASCII codecs and byte-order-mark detection.
#include "rtl/TextEncoding.h"

#include <gtest/gtest.h>

namespace {
QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values) bytes.append(static_cast<char>(v));
    return bytes;
}

// "Aé€" followed by U+1F600 (a surrogate pair).
const QString Sample = QStringLiteral("A\u00E9\u20AC") + QString::fromUcs4(U"\U0001F600");
}  // namespace

TEST(TextEncodingTest, Windows1252DecodesHighBytesAsWindowsDoes)
{
    struct Case {
        int byte;
        char16_t expected;
    };
    const Case cases[] = {
        {0x00, 0x0000}, {0x41, 0x0041}, {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081}, {0x82, 0x201A},
        {0x8D, 0x008D}, {0x8E, 0x017D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x92, 0x2019}, {0x99, 0x2122},
        {0x9D, 0x009D}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xE8, 0x00E8}, {0xFF, 0x00FF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.byte);
        EXPECT_EQ(DecodeBytes(Bytes({c.byte}), teANSI), QString(QChar(c.expected)));
    }
}

TEST(TextEncodingTest, Windows1252RoundTripsEveryByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    const QString text = DecodeBytes(all, teANSI);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(EncodeString(text, teANSI), all);
}

TEST(TextEncodingTest, CharactersWithoutACodePageByteBecomeOneQuestionMark)
{
    struct Case {
        QString text;
        TTextEncoding encoding;
        QByteArray expected;
    };
    const Case cases[] = {
        {QStringLiteral("\u0100x"), teANSI, "?x"},
        {QStringLiteral("\u0080"), teANSI, "?"},  // a C1 control 1252 does not hold
        {Sample, teANSI, Bytes({'A', 0xE9, 0x80, '?'})},
        {QString(QChar(0xD800)) + u'b', teANSI, "?b"},
        {Sample, teASCII, "A???"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(EncodeString(c.text, c.encoding), c.expected);
    }
}

TEST(TextEncodingTest, AsciiDecodesHighBytesAsQuestionMarks)
{
    EXPECT_EQ(DecodeBytes(Bytes({'a', 0xE9, 0x80, 'z'}), teASCII), QStringLiteral("a??z"));
}

TEST(TextEncodingTest, DetectsByteOrderMarks)
{
    struct Case {
        QByteArray bytes;
        TTextEncoding encoding;
        int32_t length;
    };
    const Case cases[] = {
        {Bytes({0xEF, 0xBB, 0xBF, 'a'}), teUTF8, 3},
        {Bytes({0xEF, 0xBB, 0xBF}), teUTF8, 3},
        {Bytes({0xFF, 0xFE, 'a', 0}), teUnicode, 2},
        {Bytes({0xFF, 0xFE, 0, 0}), teUnicode, 2},  // a UTF-32 mark reads as UTF-16LE
        {Bytes({0xFE, 0xFF, 0, 'a'}), teBigEndianUnicode, 2},
        {Bytes({0xEF, 0xBB}), teANSI, 0},
        {Bytes({0xFF}), teANSI, 0},
        {"abc", teANSI, 0},
        {QByteArray(), teANSI, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        const TByteOrderMark mark = DetectByteOrderMark(c.bytes);
        EXPECT_EQ(mark.Encoding, c.encoding);
        EXPECT_EQ(mark.Length, c.length);
    }
}

TEST(TextEncodingTest, EncodeTextWritesTheExactBytesOfEachEncoding)
{
    struct Case {
        TTextEncoding encoding;
        bool withBom;
        QByteArray expected;
    };
    const QByteArray utf8 = Bytes({'A', 0xC3, 0xA9, 0xE2, 0x82, 0xAC, 0xF0, 0x9F, 0x98, 0x80});
    const QByteArray utf16le = Bytes({'A', 0, 0xE9, 0, 0xAC, 0x20, 0x3D, 0xD8, 0x00, 0xDE});
    const QByteArray utf16be = Bytes({0, 'A', 0, 0xE9, 0x20, 0xAC, 0xD8, 0x3D, 0xDE, 0x00});
    const Case cases[] = {
        {teUTF8, true, Bytes({0xEF, 0xBB, 0xBF}) + utf8},
        {teUTF8, false, utf8},
        {teUnicode, true, Bytes({0xFF, 0xFE}) + utf16le},
        {teUnicode, false, utf16le},
        {teBigEndianUnicode, true, Bytes({0xFE, 0xFF}) + utf16be},
        {teANSI, true, Bytes({'A', 0xE9, 0x80, '?'})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "encoding " << c.encoding << " bom " << c.withBom);
        EXPECT_EQ(EncodeText(Sample, c.encoding, c.withBom).toHex(), c.expected.toHex());
    }
}

TEST(TextEncodingTest, DecodeTextFollowsTheMarkAndElseReads1252)
{
    for (TTextEncoding encoding : {teUTF8, teUnicode, teBigEndianUnicode}) {
        SCOPED_TRACE(encoding);
        const TDecodedText decoded = DecodeText(EncodeText(Sample, encoding, true));
        EXPECT_EQ(decoded.Text, Sample);
        EXPECT_EQ(decoded.Encoding, encoding);
    }
    // UTF-8 bytes without a mark are not recognised: they read as two 1252 characters.
    const TDecodedText unmarked = DecodeText(Bytes({0xC3, 0xA9}));
    EXPECT_EQ(unmarked.Text, QStringLiteral("\u00C3\u00A9"));
    EXPECT_EQ(unmarked.Encoding, teANSI);
}

TEST(TextEncodingTest, MalformedInputGetsReplacementCharacters)
{
    // A lone surrogate in UTF-8 output and an invalid byte in UTF-8 input become U+FFFD.
    EXPECT_EQ(EncodeString(QString(QChar(0xDC00)) + u'a', teUTF8), Bytes({0xEF, 0xBF, 0xBD, 'a'}));
    EXPECT_EQ(DecodeBytes(Bytes({'a', 0x80, 'b'}), teUTF8), QStringLiteral("a\uFFFDb"));
    // A last odd byte of UTF-16 is dropped.
    EXPECT_EQ(DecodeBytes(Bytes({'a', 0, 'b'}), teUnicode), QStringLiteral("a"));
    EXPECT_EQ(DecodeBytes(Bytes({0, 'a', 0}), teBigEndianUnicode), QStringLiteral("a"));
}
