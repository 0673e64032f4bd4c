// Format, FloatToStr, FloatToStrF, FormatFloat and StrToFloat.
#include "rtl/Exceptions.h"
#include "rtl/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

// en-US settings for every test, whatever the machine's locale.
class FormatTest : public testing::Test {
private:
    TFormatSettingsScope invariant_{TFormatSettings::Invariant()};
};

// "," decimals, "." thousands, "1.234,50 €" and "-1.234,50 €".
TFormatSettings GermanSettings()
{
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.DecimalSeparator = u',';
    settings.ThousandSeparator = u'.';
    settings.CurrencyString = QStringLiteral("€");
    settings.CurrencyFormat = 3;
    settings.NegCurrFormat = 8;
    return settings;
}

struct TFloatCase {
    long double Value;
    const char* Expected;
};

struct TFormatCase {
    const char* Fmt;
    std::vector<TVarRec> Args;
    const char* Expected;
};

const void* Address(uintptr_t Value)
{
    return reinterpret_cast<const void*>(Value);
}

}  // namespace

TEST_F(FormatTest, FloatToStrSwitchesToExponentsOutsideTheFixedRange)
{
    const TFloatCase cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-1.5, "-1.5"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},
        {2.0 / 3, "0.666666666666667"},
        {123456.789, "123456.789"},
        {0.0001, "0.0001"},  // fixed down to 0.0001
        {0.00012345, "0.00012345"},
        {0.00001, "1E-5"},
        {1.5e-5, "1.5E-5"},
        {-1.5e-5, "-1.5E-5"},
        {999999999999999.0, "999999999999999"},  // fixed up to 15 integer digits
        {1e15, "1E15"},
        {9999999999999999.0, "1E16"},  // rounds up to 16 digits
        {1e20, "1E20"},
        {123456789012345678.0, "1.23456789012346E17"},
        {1e-100, "1E-100"},
        {std::numeric_limits<double>::max(), "1.79769313486232E308"},
        {1e4000L, "1E4000"},
        {std::numeric_limits<long double>::infinity(), "INF"},
        {-std::numeric_limits<long double>::infinity(), "-INF"},
        {std::numeric_limits<long double>::quiet_NaN(), "NAN"},
    };
    for (const TFloatCase& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_EQ(FloatToStr(c.Value).toStdString(), c.Expected);
    }
}

TEST_F(FormatTest, FloatToStrFFormats)
{
    struct TCase {
        long double Value;
        TFloatFormat Format;
        int32_t Precision, Digits;
        const char* Expected;
    };
    const TCase cases[] = {
        {1234.5678, ffFixed, 15, 2, "1234.57"},
        {1234.5678, ffNumber, 15, 2, "1,234.57"},
        {-1234567.891, ffNumber, 15, 0, "-1,234,568"},
        {0.125, ffFixed, 15, 2, "0.13"},        // an exact half rounds away from zero
        {2.675, ffFixed, 15, 2, "2.67"},        // the double lies below 2.675
        {2.675L, ffFixed, 15, 2, "2.68"},       // the extended does not
        {-0.001, ffFixed, 15, 2, "0.00"},       // no sign on a value shown as zero
        {0.5, ffFixed, 15, 0, "1"},
        {1e20, ffFixed, 15, 2, "1E20"},         // more integer digits than precision
        {12345, ffFixed, 3, 2, "1.23E4"},
        {1.5, ffFixed, 15, 40, "1.500000000000000000"},  // at most 18 decimals
        {1234.5, ffExponent, 4, 2, "1.235E+03"},
        {-0.00012, ffExponent, 2, 3, "-1.2E-004"},
        {0, ffExponent, 3, 0, "0.00E+0"},
        {1, ffExponent, 1, 9, "1E+0000"},       // at most 4 exponent digits
        {123.456, ffGeneral, 2, 0, "1.2E2"},
        {123.456, ffGeneral, 4, 0, "123.5"},
        {0.00001234, ffGeneral, 15, 3, "1.234E-005"},
        {1.0 / 3, ffGeneral, 30, 0, "0.333333333333333315"},  // 18 digits at most
        {1234.5, ffCurrency, 15, 2, "$1,234.50"},
        {-1234.5, ffCurrency, 15, 2, "($1,234.50)"},
        {-0.004, ffCurrency, 15, 2, "$0.00"},
        {std::numeric_limits<long double>::infinity(), ffFixed, 15, 2, "INF"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_EQ(FloatToStrF(c.Value, c.Format, c.Precision, c.Digits).toStdString(), c.Expected);
    }
    const TFormatSettings german = GermanSettings();
    EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2, german), QStringLiteral("-1.234,50 €"));
    EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2, german), QStringLiteral("1.234,50 €"));
    EXPECT_EQ(FloatToStr(1.5e-5, german), QStringLiteral("1,5E-5"));
}

TEST_F(FormatTest, EighteenDigitsOfTheExactValueAtTheEdgesOfTheIntegerPath)
{
    // Doubles from 2^-17 up to 2^63 take their digits from integer arithmetic, the rest from
    // to_chars: the two meet at these edges, and ties on the 18th digit go to the even digit.
    const TFloatCase cases[] = {
        {281474976710656.0625, "2.81474976710656062E+14"},
        {281474976710656.1875, "2.81474976710656188E+14"},
        {std::ldexp(1.0, -17), "7.62939453125000000E-6"},
        {std::nextafter(std::ldexp(1.0, -17), 0.0), "7.62939453124999915E-6"},
        {std::ldexp(1.0, 63), "9.22337203685477581E+18"},
        {std::nextafter(std::ldexp(1.0, 63), 0.0), "9.22337203685477478E+18"},
        {99999999999999999.0, "1.00000000000000000E+17"},
        {-0.1, "-1.00000000000000006E-1"},
        {1e-5, "1.00000000000000008E-5"},
    };
    for (const TFloatCase& c : cases) {
        SCOPED_TRACE(c.Expected);
        EXPECT_EQ(FloatToStrF(c.Value, ffExponent, 18, 0).toStdString(), c.Expected);
    }
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), std::nextafter(std::ldexp(1.0, 63), 0.0)),
              QStringLiteral("9223372036854774780.00"));
}

TEST_F(FormatTest, FormatFloatPictures)
{
    struct TCase {
        const char* Picture;
        long double Value;
        const char* Expected;
    };
    const TCase cases[] = {
        // rounding: half away from zero on 18 significant digits of the exact value
        {"0.00", 2.675, "2.67"},
        {"0.00", 2.675L, "2.68"},
        {"0.00", 0.125, "0.13"},
        {"0.00", -0.125, "-0.13"},
        {"0.00", 9.995, "9.99"},
        {"0.00", 9.9951, "10.00"},
        {"0", 0.5, "1"},
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0.0", 0.05, "0.1"},
        {"0.00", 1e-20, "0.00"},
        {"0", 1e20, "100000000000000000000"},
        // values that round to zero are zero: no sign, the zero section when there is one
        {"0", -0.4, "0"},
        {"0.00", -0.001, "0.00"},
        {"0;(0)", -0.4, "0"},
        {"0;(0);zero", -0.4, "zero"},
        // placeholders
        {"00000", 42, "00042"},
        {"00.00", -0.5, "-00.50"},
        {"#", 0, ""},
        {"#.##", 0.5, ".5"},
        {"#.##", 0, ""},
        {"#.00", 0.5, ".50"},
        {".00", 12.5, "12.50"},
        {"0.0##", 1, "1.0"},
        {"0.0##", 1.5, "1.5"},
        {"0.0##", 1.23456, "1.235"},
        {"#0", 12345, "12345"},
        // thousand separators
        {"#,##0", 1234567, "1,234,567"},
        {"#,##0", 999, "999"},
        {"#,##0", -1000, "-1,000"},
        {"#,##0", 0.4, "0"},
        {"#,##0.00", 1234.5, "1,234.50"},
        {"0.00,", 1234, "1,234.00"},  // a ',' anywhere asks for separators
        {"$#,##0.00", -5, "-$5.00"},
        // sections
        {"#,##0.00;(#,##0.00);Zero", 1234.5, "1,234.50"},
        {"#,##0.00;(#,##0.00);Zero", -1234.5, "(1,234.50)"},
        {"#,##0.00;(#,##0.00);Zero", 0, "Zero"},
        {"#,##0.00;(#,##0.00);Zero", -0.001, "Zero"},
        {"0.00;;Zero", -5, "-5.00"},  // an empty negative section: the first, with a sign
        {"0.00;;Zero", 0, "Zero"},
        {"0.00;-0.00", 0, "0.00"},
        // exponents
        {"0.00E+00", 12345, "1.23E+04"},
        {"0.00E+00", 0.00012345, "1.23E-04"},
        {"0.00E-00", 12345, "1.23E04"},
        {"0.00e-00", 0.00012345, "1.23e-04"},
        {"0.00E+00", 0, "0.00E+00"},
        {"0.00E+000", -1.5e-10, "-1.50E-010"},
        {"##0.0E+0", 12345, "123.5E+2"},
        {"0E+0", 9.99, "1E+1"},
        // literals
        {"'Value: '0.0", 3.14159, "Value: 3.1"},
        {"\"#\"0", 5, "#5"},
        {"0 kg", 5, "5 kg"},
        {"0 'a;b'", 1, "1 a;b"},
        {"0 'open", 1, "1 open"},
        {"Euro 0", 1, "Euro 1"},
        // the general format
        {"", 1.5e-5, "1.5E-5"},
        {"0.00", std::numeric_limits<long double>::infinity(), "INF"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Picture << " -> " << c.Expected);
        EXPECT_EQ(FormatFloat(QString::fromUtf8(c.Picture), c.Value).toStdString(), c.Expected);
    }
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 1234567.5, GermanSettings()), QStringLiteral("1.234.567,50"));
}

TEST_F(FormatTest, FormatIntegersAndTexts)
{
    const TFormatCase cases[] = {
        {"%d", {42}, "42"},
        {"%D", {-42}, "-42"},
        {"[%5d]", {42}, "[   42]"},
        {"[%-5d]", {42}, "[42   ]"},
        {"[%1d]", {42}, "[42]"},
        {"[%05d]", {42}, "[   42]"},  // no zero flag: "05" is the width
        {"%.4d", {-42}, "-0042"},
        {"%s%.8d", {"StartHTML:", 97}, "StartHTML:00000097"},
        {"%d", {int64_t(-9223372036854775807LL - 1)}, "-9223372036854775808"},
        {"%d", {4000000000u}, "4000000000"},
        {"%d", {uint64_t(18446744073709551615ULL)}, "18446744073709551615"},
        {"%u", {-1}, "4294967295"},
        {"%u", {int64_t(-1)}, "18446744073709551615"},
        {"%x", {255}, "FF"},
        {"%X", {0xabc}, "ABC"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%x", {int64_t(-1)}, "FFFFFFFFFFFFFFFF"},
        {"%.4x", {255}, "00FF"},
        {"%p", {Address(0x1234)}, "0000000000001234"},
        {"%p", {nullptr}, "0000000000000000"},
        {"%s", {QStringLiteral("abc")}, "abc"},
        {"%s", {QLatin1String("lat")}, "lat"},
        {"%.2s", {"abc"}, "ab"},
        {"[%5s]", {"ab"}, "[   ab]"},
        {"[%-5s]", {"ab"}, "[ab   ]"},
        {"[%-5.1s]", {"ab"}, "[a    ]"},
        {"%s", {QChar(u'x')}, "x"},
        {"%s%s", {'y', u'z'}, "yz"},
        {"[%s]", {""}, "[]"},
        {"%s", {"\xc3\xa4"}, "\xc3\xa4"},  // UTF-8 literals
        {"100%%", {}, "100%"},
        {"%d%%", {5}, "5%"},
        {"no specifiers", {1}, "no specifiers"},
        // '*' takes width and precision from the arguments
        {"[%*d]", {5, 42}, "[   42]"},
        {"[%-*d]", {5, 42}, "[42   ]"},
        {"[%*d]", {-5, 42}, "[42]"},
        {"%.*f", {3, 3.14159}, "3.142"},
        {"[%*.*f]", {8, 2, 3.14159}, "[    3.14]"},
        // an index sets the running argument index
        {"%1:s %0:s", {"a", "b"}, "b a"},
        {"%1:s %s %0:s", {"a", "b", "c"}, "b c a"},
        {"%0:s%0:s", {"x"}, "xx"},
        {"[%1:-4s]", {"a", "b"}, "[b   ]"},
        {"%*:s", {2, "a", "b"}, "b"},
    };
    for (const TFormatCase& c : cases) {
        SCOPED_TRACE(c.Fmt);
        EXPECT_EQ(Format(QString::fromUtf8(c.Fmt), c.Args).toStdString(), c.Expected);
    }
    const QString name = QStringLiteral("bank");
    EXPECT_EQ(Format(QStringLiteral("%d items, %s"), {3, name}), QStringLiteral("3 items, bank"));
    EXPECT_EQ(Format(QStringLiteral("%%"), {}), QStringLiteral("%"));
}

TEST_F(FormatTest, FormatFloats)
{
    const TFormatCase cases[] = {
        {"%f", {1.5}, "1.50"},
        {"%F", {1.5f}, "1.50"},
        {"%.0f", {2.5}, "3"},
        {"%.1f", {0.25}, "0.3"},
        {"%.2f", {-0.001}, "0.00"},
        {"%.2f", {2.675}, "2.67"},
        {"%.2f", {2.675L}, "2.68"},
        {"%f", {1e20}, "1E20"},
        {"[%8.2f]", {3.14159}, "[    3.14]"},
        {"[%-8.2f]", {3.14159}, "[3.14    ]"},
        {"%e", {1234.5}, "1.23450000000000E+003"},
        {"%.3e", {-0.00012345}, "-1.23E-004"},
        {"%g", {1e20}, "1E20"},
        {"%g", {0.1}, "0.1"},
        {"%g", {1.0L / 3}, "0.333333333333333"},
        {"%.3g", {1234.5}, "1.23E3"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%.0n", {-1234.5}, "-1,235"},
        {"%m", {1234.5}, "$1,234.50"},
        {"%m", {-1234.5}, "($1,234.50)"},
        {"%.0m", {1234.5}, "$1,235"},
    };
    for (const TFormatCase& c : cases) {
        SCOPED_TRACE(c.Fmt);
        EXPECT_EQ(Format(QString::fromUtf8(c.Fmt), c.Args).toStdString(), c.Expected);
    }
    const TFormatSettings german = GermanSettings();
    EXPECT_EQ(Format(QStringLiteral("%.2f|%n|%m"), {1234.5, 1234.5, -1234.5}, german),
              QStringLiteral("1234,50|1.234,50|-1.234,50 €"));
}

TEST_F(FormatTest, FormatRejectsBadSpecifiersAndArguments)
{
    struct TCase {
        const char* Fmt;
        std::vector<TVarRec> Args;
        bool Missing;  // "No argument" rather than "invalid or incompatible"
    };
    const TCase cases[] = {
        {"%d", {1.5}, false},
        {"%d", {"7"}, false},
        {"%d", {true}, false},
        {"%x", {QChar(u'a')}, false},
        {"%f", {1}, false},
        {"%e", {"1.5"}, false},
        {"%s", {1}, false},
        {"%s", {true}, false},
        {"%s", {Address(1)}, false},
        {"%p", {1}, false},
        {"%k", {1}, false},
        {"%5-d", {1}, false},
        {"abc%", {}, false},
        {"%5", {1}, false},
        {"%.", {1}, false},
        {"%*d", {1.5, 2}, false},
        {"%d %d", {1}, true},
        {"%d", {}, true},
        {"%2:d", {1, 2}, true},
        {"%*d", {5}, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Fmt);
        const QString fmt = QString::fromUtf8(c.Fmt);
        try {
            Format(fmt, c.Args);
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& e) {
            const QString expected = c.Missing ? QStringLiteral("No argument for format '%1'").arg(fmt)
                                               : QStringLiteral("Format '%1' invalid or incompatible with argument").arg(fmt);
            EXPECT_EQ(e.Message().toStdString(), expected.toStdString());
        }
    }
}

TEST_F(FormatTest, StrToFloatAcceptsBlanksSignsAndExponents)
{
    struct TCase {
        const char* Text;
        std::optional<long double> Value;
    };
    const TCase cases[] = {
        {"1.5", 1.5L},
        {"  1.5  ", 1.5L},
        {"-1.5", -1.5L},
        {"+2", 2.0L},
        {"0", 0.0L},
        {".5", 0.5L},
        {"5.", 5.0L},
        {"1e3", 1000.0L},
        {"1E+3", 1000.0L},
        {"1.5e-3", 0.0015L},
        {"2.675", 2.675L},
        {"0.1", 0.1L},
        {"000123.4500", 123.45L},
        {"1e400", 1e400L},
        {"1e-5000", 0.0L},  // underflow gives zero
        {"", std::nullopt},
        {" ", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"e5", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"1,5", std::nullopt},
        {"1,000.5", std::nullopt},
        {"1.5.2", std::nullopt},
        {"1 .5", std::nullopt},
        {"\t1.5", std::nullopt},
        {"1.5x", std::nullopt},
        {"1e5000", std::nullopt},
        {"INF", std::nullopt},
        {"NAN", std::nullopt},
        {"0x10", std::nullopt},
        {"$10", std::nullopt},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const QString text = QString::fromLatin1(c.Text);
        long double value = -7;
        EXPECT_EQ(TryStrToFloat(text, value), c.Value.has_value());
        EXPECT_EQ(StrToFloatDef(text, -7), c.Value.value_or(-7));
        if (c.Value)
            EXPECT_EQ(StrToFloat(text), *c.Value);
        else
            EXPECT_THROW(StrToFloat(text), EConvertError);
    }
}

TEST_F(FormatTest, StrToFloatErrorsAndDoubleRange)
{
    try {
        StrToFloat(QStringLiteral("1,5"));
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("'1,5' is not a valid floating point value"));
    }
    double value = 3;
    EXPECT_FALSE(TryStrToFloat(QStringLiteral("1e400"), value));  // an Extended, but no Double
    EXPECT_EQ(value, 3);
    EXPECT_TRUE(TryStrToFloat(QStringLiteral("-1.7976931348623157e308"), value));
    EXPECT_EQ(value, -std::numeric_limits<double>::max());
    EXPECT_TRUE(TryStrToFloat(QStringLiteral("0.1"), value));
    EXPECT_EQ(value, 0.1);
}

TEST_F(FormatTest, TextsFollowTheSettingsInForce)
{
    TFormatSettingsScope german(GermanSettings());
    EXPECT_EQ(StrToFloat(QStringLiteral("1,5")), 1.5L);
    EXPECT_EQ(StrToFloat(QStringLiteral(" -1,25E2 ")), -125.0L);
    EXPECT_THROW(StrToFloat(QStringLiteral("1.5")), EConvertError);
    EXPECT_THROW(StrToFloat(QStringLiteral("1.234,5")), EConvertError);
    EXPECT_EQ(StrToFloat(QStringLiteral("1.5"), TFormatSettings::Invariant()), 1.5L);
    EXPECT_EQ(FloatToStr(1.5), QStringLiteral("1,5"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), 1234.5), QStringLiteral("1.234,50"));
    EXPECT_EQ(Format(QStringLiteral("%.1f %n"), {0.5, 1234.0}), QStringLiteral("0,5 1.234,00"));
    EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2), QStringLiteral("-1.234,50 €"));
}
