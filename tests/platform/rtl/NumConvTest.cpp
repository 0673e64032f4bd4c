// Integer texts (Val syntax, hexadecimal), rounding and MulDiv.
#include "rtl/Exceptions.h"
#include "rtl/NumConv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

struct TIntCase {
    const char* Text;
    std::optional<int64_t> Value;  // nullopt: not a valid integer
};

}  // namespace

TEST(StrToIntTest, AcceptsValSyntaxOnly)
{
    const TIntCase cases[] = {
        {"0", 0},
        {"42", 42},
        {"  42", 42},
        {"+42", 42},
        {"-42", -42},
        {"007", 7},
        {"$1F", 31},
        {"$1f", 31},
        {"x1F", 31},
        {"X1F", 31},
        {"0x1F", 31},
        {"0X1f", 31},
        {"-$10", -16},
        {" -0x10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648LL},
        {"$7FFFFFFF", 2147483647},
        {"$80000000", -2147483648LL},
        {"$FFFFFFFF", -1},
        {"$000000000001", 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {" 12 ", std::nullopt},
        {"12 ", std::nullopt},
        {"\t12", std::nullopt},
        {"- 12", std::nullopt},
        {"+-12", std::nullopt},
        {"1e3", std::nullopt},
        {"1.0", std::nullopt},
        {"1,000", std::nullopt},
        {"$1G", std::nullopt},
        {"0x-1", std::nullopt},
        {"\u0661", std::nullopt},  // Arabic-Indic one: only ASCII digits count
    };
    for (const TIntCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const QString text = QString::fromUtf8(c.Text);
        int32_t value = 12345;
        EXPECT_EQ(TryStrToInt(text, value), c.Value.has_value());
        EXPECT_EQ(StrToIntDef(text, -7), c.Value.value_or(-7));
        if (c.Value)
            EXPECT_EQ(StrToInt(text), *c.Value);
        else
            EXPECT_THROW(StrToInt(text), EConvertError);
    }
}

TEST(StrToIntTest, Int64RangeAndHexBitPatterns)
{
    const TIntCase cases[] = {
        {"2147483648", 2147483648LL},
        {"9223372036854775807", std::numeric_limits<int64_t>::max()},
        {"-9223372036854775808", std::numeric_limits<int64_t>::min()},
        {"$FFFFFFFF", 4294967295LL},
        {"$8000000000000000", std::numeric_limits<int64_t>::min()},
        {"0xFFFFFFFFFFFFFFFF", -1},
        {"9223372036854775808", std::nullopt},
        {"-9223372036854775809", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$10000000000000000", std::nullopt},
        {"12a", std::nullopt},
    };
    for (const TIntCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const QString text = QString::fromLatin1(c.Text);
        int64_t value = 0;
        EXPECT_EQ(TryStrToInt64(text, value), c.Value.has_value());
        EXPECT_EQ(StrToInt64Def(text, -7), c.Value.value_or(-7));
        if (c.Value)
            EXPECT_EQ(StrToInt64(text), *c.Value);
        else
            EXPECT_THROW(StrToInt64(text), EConvertError);
    }
}

TEST(StrToIntTest, FailureKeepsValueAndNamesTheText)
{
    int32_t value = 5;
    EXPECT_FALSE(TryStrToInt(QStringLiteral("x"), value));
    EXPECT_EQ(value, 5);
    try {
        StrToInt(QStringLiteral(" 12 "));
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("' 12 ' is not a valid integer value"));
    }
}

TEST(IntToStrTest, DecimalAndHexadecimal)
{
    EXPECT_EQ(IntToStr(int32_t(-2147483647 - 1)), QStringLiteral("-2147483648"));
    EXPECT_EQ(IntToStr(int64_t(-9223372036854775807LL - 1)), QStringLiteral("-9223372036854775808"));
    EXPECT_EQ(IntToStr(4294967295u), QStringLiteral("4294967295"));
    EXPECT_EQ(UIntToStr(uint64_t(18446744073709551615ULL)), QStringLiteral("18446744073709551615"));

    struct THexCase {
        QString Text;
        const char* Expected;
    };
    const THexCase cases[] = {
        {IntToHex(255, 4), "00FF"},
        {IntToHex(255, 1), "FF"},
        {IntToHex(255, 0), "FF"},
        {IntToHex(0, 0), "0"},
        {IntToHex(0, 3), "000"},
        {IntToHex(0xABCDEF, -1), "ABCDEF"},
        {IntToHex(-1, 2), "FFFFFFFF"},
        {IntToHex(-2147483647 - 1, 0), "80000000"},
        {IntToHex(4294967295u, 10), "00FFFFFFFF"},
        {IntToHex(int64_t(-1), 0), "FFFFFFFFFFFFFFFF"},
        {IntToHex(int64_t(0x123456789A), 12), "00123456789A"},
        {IntToHex(uint64_t(0x8000000000000000ULL), 20), "00008000000000000000"},
    };
    for (const THexCase& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_EQ(c.Text, QLatin1String(c.Expected));
    }
}

TEST(RoundTest, HalvesGoToTheEvenNeighbour)
{
    struct TRoundCase {
        long double Value;
        int64_t Rounded;
        int64_t Truncated;
    };
    const TRoundCase cases[] = {
        {0.5, 0, 0},       {1.5, 2, 1},       {2.5, 2, 2},     {3.5, 4, 3},     {-0.5, 0, 0},
        {-1.5, -2, -1},    {-2.5, -2, -2},    {2.5000001, 3, 2}, {2.4999999, 2, 2}, {-2.7, -3, -2},
        {0.49999999999999994, 0, 0},  // the double below 0.5: adding 0.5 and flooring would give 1
        {4503599627370497.0, 4503599627370497, 4503599627370497},  // 2^52 + 1: beyond the fraction bits
        {1e18, 1000000000000000000, 1000000000000000000},
        {-9223372036854775808.0L, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::min()},
    };
    for (const TRoundCase& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.Value));
        EXPECT_EQ(RoundHalfEven(c.Value), c.Rounded);
        EXPECT_EQ(Trunc(c.Value), c.Truncated);
    }
}

TEST(RoundTest, ValuesWithoutAnInt64RaiseInvalidOp)
{
    const long double values[] = {9223372036854775808.0L, -9223372036854775809.0L, 1e30L,
                                  std::numeric_limits<long double>::infinity(),
                                  std::numeric_limits<long double>::quiet_NaN()};
    for (const long double value : values) {
        SCOPED_TRACE(static_cast<double>(value));
        EXPECT_THROW(RoundHalfEven(value), EInvalidOp);
        EXPECT_THROW(Trunc(value), EInvalidOp);
    }
    // 2^63 - 0.5 rounds to the even 2^63, which no longer fits.
    EXPECT_THROW(RoundHalfEven(9223372036854775807.5L), EInvalidOp);
    EXPECT_EQ(Trunc(9223372036854775807.5L), std::numeric_limits<int64_t>::max());
}

TEST(MulDivTest, RoundsHalfAwayFromZeroWithA64BitProduct)
{
    struct TMulDivCase {
        int32_t Number, Numerator, Denominator, Expected;
    };
    const TMulDivCase cases[] = {
        {64, 90, 127, 45},
        {10, 3, 4, 8},     // 7.5
        {10, 1, 4, 3},     // 2.5: away from zero, not to even
        {-10, 1, 4, -3},   // -2.5
        {10, -1, 4, -3},
        {10, 1, -4, -3},
        {-10, -1, -4, -3},
        {-10, 1, -4, 3},
        {1, 1, 3, 0},
        {2, 1, 3, 1},
        {-2, 1, 3, -1},
        {2000000000, 2000000000, 2000000000, 2000000000},  // the product needs 64 bits
        {2147483647, 2, 1, -1},                            // the result does not fit
        {-2147483647 - 1, 1, 1, -2147483647 - 1},
        {7, 5, 0, -1},
        {0, 5, 0, -1},
    };
    for (const TMulDivCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Number << " * " << c.Numerator << " / " << c.Denominator);
        EXPECT_EQ(MulDiv(c.Number, c.Numerator, c.Denominator), c.Expected);
    }
}
