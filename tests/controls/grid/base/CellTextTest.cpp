// Tests of the cell text conventions: text kinds, the wide cell encoding, number kinds and number texts.
#include "grid/base/ExtUtil.h"

#include "rtl/FormatSettings.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

// Thousand "." and decimal "," as on the continent.
TFormatSettings Continental()
{
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.ThousandSeparator = u'.';
    settings.DecimalSeparator = u',';
    settings.DateSeparator = u'.';
    settings.TimeSeparator = u'-';
    settings.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    return settings;
}

struct TKindCase {
    QString Text;
    bool DetectMarkup;
    int32_t Kind;
};

QString Wide(const QString& Text)
{
    return EncodeWideCellText(Text);
}

}  // namespace

TEST(CellTextTest, SeparatorsAreReadFromTheSettingsInForceAtEachCall)
{
    {
        TFormatSettingsScope scope(Continental());
        EXPECT_EQ(GetThousandSeparator(), u'.');
        EXPECT_EQ(GetDecimalSeparator(), u',');
        EXPECT_EQ(GetDateSeparator(), u'.');
        EXPECT_EQ(GetTimeSeparator(), u'-');
        EXPECT_EQ(GetShortDateFormat(), "dd.MM.yyyy");
    }
    TFormatSettingsScope scope(TFormatSettings::Invariant());
    EXPECT_EQ(GetDecimalSeparator(), u'.');
    EXPECT_EQ(GetShortDateFormat(), "M/d/yyyy");
}

TEST(CellTextTest, TextKinds)
{
    const TKindCase cases[] = {
        {"", true, ctkPlain},
        {"=", false, ctkFormula},
        {"=A1+2", true, ctkFormula},
        {"|\\", false, ctkWide},
        {Wide("=A1"), false, ctkFormula},
        {Wide("A=1"), false, ctkWide},
        {Wide(QStringLiteral("\u20AC")), false, ctkWide},
        {"{\\rtf1 x}", false, ctkRichText},
        {"{\\rtf1 x}", true, ctkRichText},
        {"<B>x", true, ctkMarkup},
        {"<B>x", false, ctkPlain},
        {"<b>x", true, ctkPlain},
        {"<b>x</b>", true, ctkMarkup},
        {"a<I>b", true, ctkMarkup},
        {"<C>", true, ctkMarkup},
        {"a<c", true, ctkPlain},
        {"{x}", true, ctkPlain},
        {"|x", true, ctkPlain},
        {"plain", true, ctkPlain},
    };
    for (const TKindCase& c : cases)
        EXPECT_EQ(GetCellTextKind(c.Text, c.DetectMarkup), c.Kind) << c.Text.toStdString() << " " << c.DetectMarkup;
}

TEST(CellTextTest, WideEncodingPutsTheHighByteFirst)
{
    const QString encoded = EncodeWideCellText(QStringLiteral("A\u00E9\u20AC"));
    const QString expected = QStringLiteral("|\\") + QChar(0) + u'A' + QChar(0) + QChar(0xE9) + QChar(0x20) + QChar(0xAC);
    EXPECT_EQ(encoded, expected);
    EXPECT_EQ(EncodeWideCellText(QString()), "|\\");
}

TEST(CellTextTest, WideEncodingRoundTripsEveryUnit)
{
    const QString texts[] = {
        QString(),
        QStringLiteral("plain"),
        QString(QChar(0)) + u'x' + QChar(0),
        QStringLiteral("\u00E9\u4E2D\uFFFF"),
        QString::fromUcs4(U"\U0001F600 emoji"),
        QString(QChar(0xD800)) + u'a' + QChar(0xDFFF),
        QStringLiteral("|\\already"),
    };
    for (const QString& text : texts) {
        const QString encoded = EncodeWideCellText(text);
        EXPECT_EQ(encoded.size(), 2 + 2 * text.size());
        for (qsizetype i = 2; i < encoded.size(); ++i)
            EXPECT_LE(encoded[i].unicode(), 255);
        EXPECT_EQ(DecodeWideCellText(encoded), text);
    }
}

TEST(CellTextTest, DecodingLeavesOtherTextsAndDropsAnUnpairedLastCharacter)
{
    EXPECT_EQ(DecodeWideCellText(QStringLiteral("no prefix")), "no prefix");
    EXPECT_EQ(DecodeWideCellText(QStringLiteral("x|\\")), "x|\\");
    const QString odd = QStringLiteral("|\\") + QChar(0) + u'A' + QChar(0);
    EXPECT_EQ(DecodeWideCellText(odd), "A");
}

TEST(CellTextTest, PosWideCountsFromOne)
{
    EXPECT_EQ(PosWide(QStringLiteral("\u20AC"), QStringLiteral("ab\u20AC")), 3);
    EXPECT_EQ(PosWide(QStringLiteral("z"), QStringLiteral("abc")), 0);
}

TEST(CellTextTest, NumberKindsWithCommaThousandsAndPointDecimals)
{
    TFormatSettingsScope scope(TFormatSettings::Invariant());
    const std::pair<QString, int32_t> cases[] = {
        {"", ntkNotANumber},
        {"0", ntkInteger},
        {"-12", ntkInteger},
        {"-", ntkInteger},
        {"1-2", ntkNotANumber},
        {"1,234", ntkDecimal},
        {"1,234.5", ntkDecimal},
        {"12.5", ntkDecimal},
        {"1,234,567.25", ntkDecimal},
        {"1,23,4", ntkNotANumber},
        {"1.2.3", ntkNotANumber},
        {"1.5e-3", ntkScientific},
        {"-1e-5", ntkScientific},
        {"2E+10", ntkScientific},
        {"e5", ntkNotANumber},
        {"1e", ntkNotANumber},
        {"1e5e", ntkNotANumber},
        {"1,5e3", ntkNotANumber},
        {"--1e5", ntkScientific},
        {"-1e-5-", ntkNotANumber},
        {"1-2-3", ntkNotANumber},
        {"12a", ntkNotANumber},
        {"\u00B2\u00B3", ntkInteger},
    };
    for (const auto& [text, kind] : cases)
        EXPECT_EQ(GetNumberTextKind(text), kind) << text.toStdString();
}

TEST(CellTextTest, NumberKindsFollowAContinentalLocale)
{
    TFormatSettingsScope scope(Continental());
    EXPECT_EQ(GetNumberTextKind(QStringLiteral("1.234,5")), ntkDecimal);
    EXPECT_EQ(GetNumberTextKind(QStringLiteral("1.234.567")), ntkDecimal);
    EXPECT_EQ(GetNumberTextKind(QStringLiteral("1.23.456")), ntkNotANumber);
    EXPECT_EQ(GetNumberTextKind(QStringLiteral("1,2,3")), ntkNotANumber);
}

TEST(CellTextTest, NormalizedNumberTexts)
{
    TFormatSettingsScope scope(TFormatSettings::Invariant());
    const std::pair<QString, QString> cases[] = {
        {"", ""},
        {"(1,234.50)", "-1234.50"},
        {"$ -7", "-7"},
        {"12 kg", "12"},
        {"  (5)  ", "-5"},
        {"+3", "3"},
        {"\u20AC1,000", "1000"},
        {"1.5e+3x", "1.5e+3"},
        {"-", "-"},
        {"x", ""},
        {"-x", "-"},
    };
    for (const auto& [text, plain] : cases)
        EXPECT_EQ(NormalizeNumberText(text), plain) << text.toStdString();
}

TEST(CellTextTest, NormalizedNumberTextsUseTheLocaleSeparators)
{
    TFormatSettingsScope scope(Continental());
    EXPECT_EQ(NormalizeNumberText(QStringLiteral("1.234,5 EUR")), "1234.5");
    EXPECT_EQ(NormalizeNumberText(QStringLiteral("(0,25)")), "-0.25");
}

TEST(CellTextTest, DigitCharactersAreUnicodeNumbers)
{
    for (QChar ch : QStringLiteral("09\u00B2\u00BD\u0663"))
        EXPECT_TRUE(IsDigitChar(ch)) << int(ch.unicode());
    for (QChar ch : QStringLiteral("a-.,e "))
        EXPECT_FALSE(IsDigitChar(ch)) << int(ch.unicode());
}

TEST(CellTextTest, DateShapes)
{
    TFormatSettingsScope scope(TFormatSettings::Invariant());
    const std::pair<QString, bool> cases[] = {
        {"1/2/2010", true}, {"12/31/99", true}, {"/1/2", false}, {"1//2", false},
        {"1/2", false},     {"1/2/", true},    {"abc", false},  {"a/b/c", true},
    };
    for (const auto& [text, date] : cases)
        EXPECT_EQ(LooksLikeDate(text), date) << text.toStdString();
    TFormatSettingsScope continental(Continental());
    EXPECT_TRUE(LooksLikeDate(QStringLiteral("31.12.2010")));
    EXPECT_FALSE(LooksLikeDate(QStringLiteral("12/31/2010")));
}
