// The toolkit's string routines: bounds of the 1-based routines, trimming, case, comparison and quoting.
#include "rtl/StrFuncs.h"

#include <gtest/gtest.h>

#include <QLocale>

TEST(StrFuncsTest, TrimRemovesBlanksAndControlCharactersOnly)
{
    struct TCase {
        const char* S;
        const char* Both;
        const char* Left;
        const char* Right;
    };
    const TCase cases[] = {
        {"", "", "", ""},
        {" \t\r\n", "", "", ""},
        {"\x01 a b\x1f", "a b", "a b\x1f", "\x01 a b"},
        {"\tab \n", "ab", "ab \n", "\tab"},
        // No-break space and ideographic space are above ' ' and stay.
        {"\u00a0a\u3000", "\u00a0a\u3000", "\u00a0a\u3000", "\u00a0a\u3000"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.S);
        EXPECT_EQ(Trim(c.S), c.Both);
        EXPECT_EQ(TrimLeft(c.S), c.Left);
        EXPECT_EQ(TrimRight(c.S), c.Right);
    }
    const QString withNul = QString::fromUtf8("a\0\0", 3);
    EXPECT_EQ(Trim(withNul), QStringLiteral("a"));
}

TEST(StrFuncsTest, UpperAndLowerCaseTouchAsciiLettersOnlyAnsiFormsEveryLetter)
{
    const QString mixed = QStringLiteral("aZ09äÉß_{");
    EXPECT_EQ(UpperCase(mixed), QStringLiteral("AZ09äÉß_{"));
    EXPECT_EQ(LowerCase(mixed), QStringLiteral("az09äÉß_{"));
    EXPECT_EQ(AnsiUpperCase(mixed), QStringLiteral("AZ09ÄÉß_{"));
    EXPECT_EQ(AnsiLowerCase(mixed), QStringLiteral("az09äéß_{"));
}

TEST(StrFuncsTest, CompareStrAndCompareTextAreOrdinal)
{
    EXPECT_EQ(CompareStr(QStringLiteral("abc"), QStringLiteral("abc")), 0);
    EXPECT_EQ(CompareStr(QStringLiteral("a"), QStringLiteral("B")), 'a' - 'B');
    EXPECT_EQ(CompareStr(QStringLiteral("ab"), QStringLiteral("abcd")), -2);
    EXPECT_LT(CompareStr(QStringLiteral("Z"), QStringLiteral("a")), 0);

    EXPECT_EQ(CompareText(QStringLiteral("HeLLo"), QStringLiteral("hello")), 0);
    EXPECT_LT(CompareText(QStringLiteral("a"), QStringLiteral("B")), 0);
    // Letters fold to upper case, so they sort before '_' (0x5F), which lies between the cases.
    EXPECT_LT(CompareText(QStringLiteral("a"), QStringLiteral("_")), 0);
    EXPECT_NE(CompareText(QStringLiteral("ä"), QStringLiteral("Ä")), 0);
    EXPECT_TRUE(SameText(QStringLiteral("Abc"), QStringLiteral("aBC")));
    EXPECT_FALSE(SameText(QStringLiteral("Abc"), QStringLiteral("aBCd")));
    EXPECT_FALSE(SameText(QStringLiteral("é"), QStringLiteral("É")));
}

// Runs under en-US collation whatever the machine's locale is.
class AnsiCompareTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

TEST_F(AnsiCompareTest, ComparesLinguistically)
{
    struct TCase {
        const char* S1;
        const char* S2;
        int32_t Str;
        int32_t Text;
    };
    const TCase cases[] = {
        {"abc", "abc", 0, 0},
        {"a", "A", -1, 0},  // lower case first
        {"A", "b", -1, -1},
        {"a", "B", -1, -1},
        {"é", "f", -1, -1},  // accented letters sort with their base letter
        {"É", "é", 1, 0},
        {"e", "é", -1, -1},  // accents count even without case
        {"10", "9", -1, -1},
        {"", "a", -1, -1},
        // Hyphens and apostrophes weigh only between texts otherwise equal.
        {"coop", "co-op", -1, -1},
        {"co-op", "cop", -1, -1},
        {"ab", "a-c", -1, -1},
        {"its", "it's", -1, -1},
        {"it's", "itself", -1, -1},
        {"Co-op", "co-op", 1, 0},
        {"a-bc", "ab-c", -1, -1},
        {"a b", "ab", -1, -1},  // a blank is no word mark
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.S1) + " / " + c.S2);
        EXPECT_EQ(AnsiCompareStr(c.S1, c.S2), c.Str);
        EXPECT_EQ(AnsiCompareStr(c.S2, c.S1), -c.Str);
        EXPECT_EQ(AnsiCompareText(c.S1, c.S2), c.Text);
        EXPECT_EQ(AnsiSameText(c.S1, c.S2), c.Text == 0);
    }
}

TEST_F(AnsiCompareTest, FollowsTheCurrentLocale)
{
    // Swedish sorts "ä" after "z"; English with "a".
    EXPECT_EQ(AnsiCompareStr(QStringLiteral("ä"), QStringLiteral("z")), -1);
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_EQ(AnsiCompareStr(QStringLiteral("ä"), QStringLiteral("z")), 1);
}

TEST(StrFuncsTest, PosAndPosExCountFromOneAndGiveZeroWhenAbsent)
{
    struct TCase {
        const char* Sub;
        const char* S;
        int32_t Offset;
        int32_t Expected;
    };
    const TCase cases[] = {
        {"b", "abcb", 1, 2},
        {"b", "abcb", 3, 4},
        {"b", "abcb", 4, 4},
        {"b", "abcb", 5, 0},   // past the end
        {"b", "abcb", 0, 0},   // before the start
        {"b", "abcb", -3, 0},
        {"", "abc", 1, 0},     // empty pattern
        {"x", "", 1, 0},
        {"bcd", "abc", 1, 0},  // runs past the end
        {"B", "abc", 1, 0},    // case counts
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Sub) + " in " + c.S + " from " + std::to_string(c.Offset));
        EXPECT_EQ(PosEx(c.Sub, c.S, c.Offset), c.Expected);
        if (c.Offset == 1) {
            EXPECT_EQ(Pos(c.Sub, c.S), c.Expected);
        }
    }
}

TEST(StrFuncsTest, CopyClampsIndexAndCount)
{
    struct TCase {
        int32_t Index;
        int32_t Count;
        const char* Expected;
    };
    const TCase cases[] = {
        {1, 3, "abc"},  {2, 2, "bc"},   {4, 2, "de"},
        {4, 100, "de"},  // count clamps at the end
        {0, 2, "ab"},    // index below 1 counts as 1, the count is kept
        {-7, 2, "ab"},  {5, 1, "e"},   {6, 1, ""},   {100, 1, ""},
        {2, 0, ""},     {2, -1, ""},   {1, 2147483647, "abcde"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "Copy(abcde, " << c.Index << ", " << c.Count << ")");
        EXPECT_EQ(Copy(QStringLiteral("abcde"), c.Index, c.Count), c.Expected);
        EXPECT_EQ(MidStr(QStringLiteral("abcde"), c.Index, c.Count), c.Expected);
    }
    EXPECT_EQ(Copy(QString(), 1, 1), QString());
}

TEST(StrFuncsTest, DeleteIgnoresIndexOutsideTheText)
{
    struct TCase {
        int32_t Index;
        int32_t Count;
        const char* Expected;
    };
    const TCase cases[] = {
        {1, 2, "cde"}, {2, 3, "ae"},   {4, 100, "abc"}, {5, 1, "abcd"},
        {0, 2, "abcde"},   // unlike Copy, an index below 1 changes nothing
        {-1, 9, "abcde"},  {6, 1, "abcde"}, {2, 0, "abcde"}, {2, -3, "abcde"},
        {1, 2147483647, ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "Delete(abcde, " << c.Index << ", " << c.Count << ")");
        QString s = QStringLiteral("abcde");
        Delete(s, c.Index, c.Count);
        EXPECT_EQ(s, c.Expected);
    }
}

TEST(StrFuncsTest, InsertClampsIndexToTheText)
{
    struct TCase {
        int32_t Index;
        const char* Expected;
    };
    const TCase cases[] = {
        {1, "XYabc"}, {2, "aXYbc"}, {3, "abXYc"}, {4, "abcXY"},
        {5, "abcXY"}, {100, "abcXY"}, {0, "XYabc"}, {-5, "XYabc"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Index);
        QString s = QStringLiteral("abc");
        Insert(QStringLiteral("XY"), s, c.Index);
        EXPECT_EQ(s, c.Expected);
    }
    QString empty;
    Insert(QStringLiteral("a"), empty, 3);
    EXPECT_EQ(empty, QStringLiteral("a"));
}

TEST(StrFuncsTest, StringReplaceFollowsItsFlags)
{
    struct TCase {
        const char* S;
        const char* Old;
        const char* New;
        TReplaceFlags Flags;
        const char* Expected;
    };
    const TCase cases[] = {
        {"a.b.c", ".", "--", {}, "a--b.c"},
        {"a.b.c", ".", "--", {rfReplaceAll}, "a--b--c"},
        {"aAaA", "a", "x", {rfReplaceAll}, "xAxA"},
        {"aAaA", "a", "x", {rfIgnoreCase}, "xAaA"},
        {"aAaA", "a", "x", {rfReplaceAll, rfIgnoreCase}, "xxxx"},
        {"ÄäÖ", "ä", "ae", {rfReplaceAll, rfIgnoreCase}, "aeaeÖ"},
        {"aaaa", "aa", "a", {rfReplaceAll}, "aa"},    // replaced text is not scanned again
        {"abab", "ab", "abab", {rfReplaceAll}, "abababab"},
        {"abc", "", "x", {rfReplaceAll}, "abc"},      // an empty pattern changes nothing
        {"abc", "b", "", {rfReplaceAll}, "ac"},
        {"abc", "x", "y", {rfReplaceAll}, "abc"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.S) + " / " + c.Old);
        EXPECT_EQ(StringReplace(c.S, c.Old, c.New, c.Flags), c.Expected);
    }
}

TEST(StrFuncsTest, QuotedStrDoublesTheQuote)
{
    EXPECT_EQ(QuotedStr(QString()), QStringLiteral("''"));
    EXPECT_EQ(QuotedStr(QStringLiteral("it's")), QStringLiteral("'it''s'"));
    EXPECT_EQ(AnsiQuotedStr(QStringLiteral("say \"hi\" '"), u'"'), QStringLiteral("\"say \"\"hi\"\" '\""));
}

TEST(StrFuncsTest, AnsiDequotedStrHandlesOddQuoting)
{
    struct TCase {
        const char* S;
        const char* Expected;
    };
    const TCase cases[] = {
        {"'abc'", "abc"},
        {"'ab''cd'", "ab'cd"},     // doubled quotes become one
        {"''''", "'"},
        {"'abc'def", "abc"},       // text after the closing quote is dropped
        {"'abc", "'abc"},          // unterminated: unchanged
        {"'ab''cd", "'ab''cd"},
        {"'abc''", "abc"},         // ends with a quote, so taken as quoted
        {"abc", "abc"},            // not quoted
        {"x'abc'", "x'abc'"},
        {"", ""},
        {"''", ""},
        {"'", ""},                 // one quote both starts and ends the text
        {"''x", "''x"},            // empty quoted part followed by text
        {"\"abc\"", "\"abc\""},    // another quote character
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.S);
        EXPECT_EQ(AnsiDequotedStr(c.S, u'\''), c.Expected);
    }
    EXPECT_EQ(AnsiDequotedStr(QStringLiteral("\"a\"\"b\""), u'"'), QStringLiteral("a\"b"));
}

TEST(StrFuncsTest, AnsiExtractQuotedStrConsumesTheQuotedPart)
{
    struct TCase {
        const char* Src;
        const char* Expected;
        const char* Rest;
    };
    const TCase cases[] = {
        {"'ab''c' rest", "ab'c", " rest"},
        {"''", "", ""},
        {"'abc", "ab", ""},  // unterminated: all consumed, the last character lost
        {"'ab''cd", "ab'c", ""},
        {"abc'd'", "", "abc'd'"},
        {"", "", ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Src);
        QString src = c.Src;
        EXPECT_EQ(AnsiExtractQuotedStr(src, u'\''), c.Expected);
        EXPECT_EQ(src, c.Rest);
    }
}

TEST(StrFuncsTest, RepetitionsAndPartsClampTheirCounts)
{
    EXPECT_EQ(StringOfChar(u'-', 3), QStringLiteral("---"));
    EXPECT_EQ(StringOfChar(u'-', 0), QString());
    EXPECT_EQ(StringOfChar(u'-', -2), QString());
    EXPECT_EQ(DupeString(QStringLiteral("ab"), 3), QStringLiteral("ababab"));
    EXPECT_EQ(DupeString(QStringLiteral("ab"), -1), QString());

    EXPECT_EQ(LeftStr(QStringLiteral("abc"), 2), QStringLiteral("ab"));
    EXPECT_EQ(LeftStr(QStringLiteral("abc"), 9), QStringLiteral("abc"));
    EXPECT_EQ(LeftStr(QStringLiteral("abc"), -1), QString());
    EXPECT_EQ(RightStr(QStringLiteral("abc"), 2), QStringLiteral("bc"));
    EXPECT_EQ(RightStr(QStringLiteral("abc"), 9), QStringLiteral("abc"));
    EXPECT_EQ(RightStr(QStringLiteral("abc"), 0), QString());
    EXPECT_EQ(RightStr(QStringLiteral("abc"), -1), QString());
}

TEST(StrFuncsTest, AffixAndContainmentTests)
{
    struct TCase {
        const char* Sub;
        const char* Text;
        bool StartsText, EndsText, StartsStr, EndsStr, ContainsText, ContainsStr;
    };
    const TCase cases[] = {
        {"ab", "abcAB", true, true, true, false, true, true},
        {"AB", "abcab", true, true, false, false, true, false},
        {"Ä", "äx", true, false, false, false, true, false},
        {"c", "abcd", false, false, false, false, true, true},
        {"abcd", "abc", false, false, false, false, false, false},
        {"", "abc", true, true, true, true, false, false},
        {"", "", true, true, true, true, false, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Sub) + " / " + c.Text);
        EXPECT_EQ(StartsText(c.Sub, c.Text), c.StartsText);
        EXPECT_EQ(EndsText(c.Sub, c.Text), c.EndsText);
        EXPECT_EQ(StartsStr(c.Sub, c.Text), c.StartsStr);
        EXPECT_EQ(EndsStr(c.Sub, c.Text), c.EndsStr);
        EXPECT_EQ(ContainsText(c.Text, c.Sub), c.ContainsText);
        EXPECT_EQ(ContainsStr(c.Text, c.Sub), c.ContainsStr);
    }
}

TEST(StrFuncsTest, DelimitersAreFoundByPosition)
{
    const QString path = QStringLiteral("dir/sub\\name.ext");
    EXPECT_EQ(LastDelimiter(QStringLiteral("/\\"), path), 8);
    EXPECT_EQ(LastDelimiter(QStringLiteral("."), path), 13);
    EXPECT_EQ(LastDelimiter(QStringLiteral(":"), path), 0);
    EXPECT_EQ(LastDelimiter(QString(), path), 0);
    EXPECT_EQ(LastDelimiter(QStringLiteral("/"), QString()), 0);

    EXPECT_TRUE(IsDelimiter(QStringLiteral("/\\"), path, 4));
    EXPECT_TRUE(IsDelimiter(QStringLiteral("/\\"), path, 8));
    EXPECT_FALSE(IsDelimiter(QStringLiteral("/\\"), path, 5));
    EXPECT_FALSE(IsDelimiter(QStringLiteral("d"), path, 0));
    EXPECT_FALSE(IsDelimiter(QStringLiteral("t"), path, path.size() + 1));
}

TEST(StrFuncsTest, AdjustLineBreaksMakesEveryBreakCrLf)
{
    struct TCase {
        const char* S;
        const char* Expected;
    };
    const TCase cases[] = {
        {"a\r\nb", "a\r\nb"},
        {"a\nb", "a\r\nb"},
        {"a\rb", "a\r\nb"},
        {"a\n\rb", "a\r\nb"},           // LF CR is one break
        {"a\r\r\nb", "a\r\n\r\nb"},
        {"a\n\nb", "a\r\n\r\nb"},
        {"\r\n\r", "\r\n\r\n"},
        {"\n", "\r\n"},
        {"", ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.S)));
        EXPECT_EQ(AdjustLineBreaks(c.S), c.Expected);
    }
}
