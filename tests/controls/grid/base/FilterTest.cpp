// Tests of filter expressions: operators without precedence, groups, wildcards, comparisons, locale dates.
#include "grid/base/ExtUtil.h"

#include "rtl/DateTime.h"
#include "rtl/FormatSettings.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

struct TFilterCase {
    QString Expression;
    QString Value;
    bool Expected;
    bool CaseSensitive = true;
};

TFormatSettings WithDates(QChar Separator, const QString& ShortDateFormat)
{
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.DateSeparator = Separator;
    settings.ShortDateFormat = ShortDateFormat;
    return settings;
}

void ExpectCases(std::initializer_list<TFilterCase> Cases)
{
    for (const TFilterCase& c : Cases)
        EXPECT_EQ(MatchFilterExpression(c.Expression, c.Value, c.CaseSensitive), c.Expected)
            << "filter " << c.Expression.toStdString() << " value " << c.Value.toStdString();
}

class FilterTest : public ::testing::Test {
protected:
    TFormatSettingsScope Settings{TFormatSettings::Invariant()};
};

}  // namespace

TEST_F(FilterTest, LiteralsAndWildcards)
{
    ExpectCases({
        {"5", "5", true},
        {"5", "50", false},
        {"5*", "5", true},
        {"5*", "50", true},
        {"5*", "5 apples", true},
        {"?5", "15", true},
        {"?5", "5", false},
        {"a*c", "abbbc", true},
        {"a*c", "abbbd", false},
        {"a?c", "ac", false},
        {"*", "", true},
        {"**x", "yyx", true},
        {"*b*", "abc", true},
        {"abc", "ab", false},
        {"ab", "abc", false},
        {"", "", true},
        {"", "x", false},
        {"=abc", "abc", true},
        {"==abc", "=abc", true},
    });
}

TEST_F(FilterTest, QuotesKeepBlanksAndOtherBlanksVanish)
{
    ExpectCases({
        {"\"a b\"", "a b", true},
        {"a b", "ab", true},
        {"a b", "a b", false},
        {"  abc  ", "abc", true},
        {"\"a|b\"", "a|b", true},
        {"\"a&b\"", "a&b", true},
    });
}

TEST_F(FilterTest, NegationInvertsThePattern)
{
    ExpectCases({
        {"!abc", "abc", false},
        {"!abc", "abd", true},
        {"!*x*", "abc", true},
        {"!*x*", "axc", false},
    });
}

TEST_F(FilterTest, NumberComparisons)
{
    ExpectCases({
        {">10", "9.5", false},
        {">10", "10", false},
        {">10", "11", true},
        {">=10", "10", true},
        {"<10", "9", true},
        {"<10", "10", false},
        {"<=10", "10", true},
        {"<=10&>=5", "7", true},
        {"<=10&>=5", "11", false},
        {">10|<0", "-3", true},
        {">10|<0", "5", false},
        {">=1,000", "1,500", true},
        {">1e3", "999", false},
        {"> 10", "20", true},
    });
}

TEST_F(FilterTest, ComparisonsFallBackToTextOrder)
{
    ExpectCases({
        {">b", "c", true},
        {">b", "a", false},
        {">5", "x", true},
        {"<5", "x", false},
        {">=abc", "ABC", true, false},
        {">\"a b\"", "a c", true},
        {"<\"a b\"", "a a", true},
        {"<\"a b\"", "a c", false},
    });
}

TEST_F(FilterTest, AFailedComparisonIsTriedAsALiteralPattern)
{
    ExpectCases({
        {">5", ">5", true},
        {">5", "3", false},
        {"<5", "<5", true},
        {"<5", "7", false},
    });
}

TEST_F(FilterTest, NumbersFollowTheLocaleSeparators)
{
    TFormatSettings continental = TFormatSettings::Invariant();
    continental.DecimalSeparator = u',';
    continental.ThousandSeparator = u'.';
    TFormatSettingsScope scope(continental);
    ExpectCases({
        {">1.000,5", "1.200", true},
        {">1.000,5", "999,9", false},
        {"<=2,5", "2,5", true},
    });
}

TEST_F(FilterTest, DatesCompareInTheLocaleOrder)
{
    ExpectCases({
        {">1/5/2010", "1/6/2010", true},
        {"<1/5/2010", "12/31/2009", true},
        // Blanks outside quotes vanish, so a time needs quotes.
        {">=\"1/5/2010 10:00\"", "1/5/2010 10:00", true},
        {">\"1/5/2010 10:00\"", "1/5/2010 9:59", false},
        {">=1/5/2010 10:00", "1/5/2010 10:00", false},
    });
    TFormatSettingsScope dayFirst(WithDates(u'/', QStringLiteral("dd/MM/yyyy")));
    ExpectCases({
        {">01/05/2010", "02/05/2010", true},
        {">01/05/2010", "30/04/2010", false},
        // Month 13 makes the value no date: the sides compare as texts ("1" after "0").
        {">01/05/2010", "1/13/2010", true},
        {"<01/05/2010", "1/13/2010", false},
    });
}

TEST_F(FilterTest, CaseInsensitiveMatchingUpperCasesBothSides)
{
    ExpectCases({
        {"abc*", "ABCD", true, false},
        {"abc*", "ABCD", false, true},
        {"\u00E9t\u00E9", "\u00C9T\u00C9", true, false},
    });
}

TEST_F(FilterTest, OperatorsJoinLeftToRightWithoutPrecedence)
{
    ExpectCases({
        {"a|b", "b", true},
        {"a;b", "b", true},
        {"a^b", "b", true},
        {"a^b", "c", false},
        {"a&b", "a", false},
        {"a*&*b", "ab", true},
        {"a*&*b", "ac", false},
        // "a|b&c" is "(a|b)&c", not "a|(b&c)".
        {"a|b&c", "a", false},
        {"c&a|b", "b", true},
        {"a|b|c", "c", true},
        {"a&b|c", "c", true},
    });
}

TEST_F(FilterTest, GroupsAreEvaluatedFirst)
{
    ExpectCases({
        {"(a|b)&c*", "c1", false},
        {"(a|b)&c*", "a", false},
        {"c*&(a|c1)", "c1", true},
        {"(a|b)", "b", true},
        {"(a)|(b)", "b", true},
        {"a|(b)", "b", true},
        {"((a))", "a", true},
        {"((a|b)&b)|c", "b", true},
        {"((a|b)&b)|c", "a", false},
        {"(>5&<10)|x", "7", true},
        {"(>5&<10)|x", "12", false},
    });
}

TEST_F(FilterTest, AnUnclosedGroupIsTakenAsALiteral)
{
    ExpectCases({
        {"(a|b", "(a|b", true},
        {"(a|b", "a", false},
        {"x|(a", "(a", true},
        {"((((", "((((", true},
    });
}

TEST_F(FilterTest, ConditionDecisionRules)
{
    EXPECT_TRUE(MatchFilterCondition(QStringLiteral(">5&<10"), QStringLiteral("7")));
    EXPECT_FALSE(MatchFilterCondition(QStringLiteral(">5&<10"), QStringLiteral("12")));
    // A negation counts as both comparisons having passed, so "^" and "&" with it always hold.
    EXPECT_TRUE(MatchFilterCondition(QStringLiteral("!a^b"), QStringLiteral("a")));
    EXPECT_TRUE(MatchFilterCondition(QStringLiteral("!a&b"), QStringLiteral("a")));
    EXPECT_FALSE(MatchFilterCondition(QStringLiteral("!a"), QStringLiteral("a")));
}

TEST_F(FilterTest, ManyStarsDoNotTakeExponentialTime)
{
    const QString pattern = QStringLiteral("*a").repeated(20) + QStringLiteral("*b");
    const QString value = QString(200, u'a');
    EXPECT_FALSE(MatchFilterExpression(pattern, value, true));
    EXPECT_TRUE(MatchFilterExpression(pattern, value + u'b', true));
}

TEST_F(FilterTest, LocaleDateTimes)
{
    struct TDateCase {
        QString Text;
        bool Parses;
        TDateTime Expected;
    };
    const TDateTime jan5 = EncodeDate(2010, 1, 5);
    const TDateCase cases[] = {
        {"1/5/2010", true, jan5},
        {"1/5/2010 10:30", true, jan5 + EncodeTime(10, 30, 0, 0)},
        {"1/5/2010 10:30:15", true, jan5 + EncodeTime(10, 30, 15, 0)},
        {"  1/5/2010  ", true, jan5},
        {"1/5/99", true, EncodeDate(99, 1, 5)},
        {"1/5", false, 0},
        {"1/5/", false, 0},
        {"a/5/2010", false, 0},
        {"13/5/2010", false, 0},
        {"1/32/2010", false, 0},
        {"2/30/2010", false, 0},
        {"0/5/2010", false, 0},
        {"1/5/0", false, 0},
        {"1/5/2010 24:00", false, 0},
        {"1/5/2010 10:60", false, 0},
        {"1/5/2010 10:30:60", false, 0},
        {"1/5/2010 10:x", false, 0},
        {"1/5/2010 x", false, 0},
    };
    for (const TDateCase& c : cases) {
        TDateTime parsed = 0;
        EXPECT_EQ(ParseLocaleDateTime(c.Text, parsed), c.Parses) << c.Text.toStdString();
        if (c.Parses) {
            EXPECT_DOUBLE_EQ(parsed, c.Expected) << c.Text.toStdString();
        }
    }
}

TEST_F(FilterTest, ADateWithoutTimeSeparatorIsStoredButFails)
{
    TDateTime parsed = 0;
    EXPECT_FALSE(ParseLocaleDateTime(QStringLiteral("1/5/2010 10"), parsed));
    EXPECT_DOUBLE_EQ(parsed, EncodeDate(2010, 1, 5));
}

TEST_F(FilterTest, DateFieldsFollowTheShortDateFormat)
{
    TDateTime parsed = 0;
    {
        TFormatSettingsScope dayFirst(WithDates(u'.', QStringLiteral("dd.MM.yyyy")));
        ASSERT_TRUE(ParseLocaleDateTime(QStringLiteral("31.12.2010"), parsed));
        EXPECT_DOUBLE_EQ(parsed, EncodeDate(2010, 12, 31));
    }
    TFormatSettingsScope yearFirst(WithDates(u'-', QStringLiteral("yyyy-MM-dd")));
    ASSERT_TRUE(ParseLocaleDateTime(QStringLiteral("2010-12-31"), parsed));
    EXPECT_DOUBLE_EQ(parsed, EncodeDate(2010, 12, 31));
    EXPECT_FALSE(ParseLocaleDateTime(QStringLiteral("31-12-2010"), parsed));
}
