// Format, the floating-point texts and the decimal digit engine under them.
#include "Format.h"

#include "Exceptions.h"
#include "NumConv.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

namespace {

constexpr int MaxPrecision = 18;  // the significant digits of the toolkit's Extended
constexpr int NoDecimalLimit = 9999;

bool IsAsciiDigit(QChar C)
{
    return C >= u'0' && C <= u'9';
}

// A finite value as 0.Digits x 10^Exponent, the way the toolkit's FloatToDecimal gives it.
struct TDecimal {
    bool Negative = false;
    int Exponent = 0;
    int Count = 0;  // significant digits, trailing zeros removed; 0 for zero
    std::array<char, MaxPrecision> Digits{};

    bool IsZero() const { return Count == 0; }
    char Digit(int Index) const { return Index >= 0 && Index < Count ? Digits[size_t(Index)] : '0'; }
    // Place 1 is the units digit, 2 the tens...
    char IntegerDigit(int Place) const { return Digit(Exponent - Place); }
    // Place 1 is the first digit after the decimal point.
    char DecimalDigit(int Place) const { return Digit(Exponent + Place - 1); }
};

// Keeps the first Keep digits, rounding half away from zero on the digit string.
void RoundDigits(TDecimal& D, int Keep)
{
    const bool up = Keep >= 0 && D.Digits[size_t(Keep)] >= '5';
    D.Count = std::max(Keep, 0);
    if (!up)
        return;
    int i = Keep - 1;
    while (i >= 0 && D.Digits[size_t(i)] == '9')
        --i;
    if (i < 0) {
        D.Digits[0] = '1';
        D.Count = 1;
        ++D.Exponent;
        return;
    }
    ++D.Digits[size_t(i)];
    D.Count = i + 1;
}

using TUInt128 = unsigned __int128;

constexpr std::array<TUInt128, 23> Powers10 = [] {
    std::array<TUInt128, 23> Table{};
    TUInt128 Power = 1;
    for (TUInt128& Entry : Table) {
        Entry = Power;
        Power *= 10;
    }
    return Table;
}();

// The 18 significant digits of Value when it is exactly a double, as the integer Digits in
// [10^17, 10^18) with |Value| ~ Digits x 10^(Exponent - 18): the exact binary value rounded half
// to even, as to_chars writes it, in 128-bit integer arithmetic on the value's bits (no x87
// instruction on the way). False for zero, for values that are no double and outside the range
// that arithmetic covers (below 2^-17 and from 2^63 up), which to_chars then serves.
bool ExactDigits(long double Value, bool& Negative, uint64_t& Digits, int& Exponent)
{
    static_assert(std::numeric_limits<long double>::digits == 64, "the x87 extended format");
    uint64_t Significand;  // the 64-bit significand, its integer bit explicit
    uint16_t SignExponent;
    std::memcpy(&Significand, &Value, sizeof Significand);
    std::memcpy(&SignExponent, reinterpret_cast<const char*>(&Value) + sizeof Significand, sizeof SignExponent);
    // A double has 53 significant bits: the lowest 11 of the 64 must be clear.
    if (!(Significand >> 63) || (Significand & 0x7FF) != 0)
        return false;
    const uint64_t Mantissa = Significand >> 11;
    const int Binary = (SignExponent & 0x7FFF) - 16383 - 52;  // |Value| = Mantissa x 2^Binary
    if (Binary < -69 || Binary > 10)
        return false;
    Negative = SignExponent >> 15;
    constexpr uint64_t Lowest = 100000000000000000;  // 10^17
    // log10 of Magnitude lies in [(Binary + 52) log10 2, (Binary + 53) log10 2): with 78913 / 2^18
    // for log10 2 the estimate is at most one off, which the loop mends.
    int Decimal = ((Binary + 52) * 78913) >> 18;
    for (;;) {
        const int Scale = 17 - Decimal;  // Digits ~ Magnitude x 10^Scale
        if (Scale < -1 || Scale > 22)
            return false;
        TUInt128 Quotient;
        int Rounding;  // the remainder against half a unit: -1 below, 0 at, 1 above
        if (Binary >= 0 && Scale >= 0) {
            Quotient = TUInt128(Mantissa << Binary) * Powers10[size_t(Scale)];
            Rounding = -1;
        } else if (Binary >= 0) {
            const uint64_t Whole = Mantissa << Binary;
            Quotient = Whole / 10;
            const uint64_t Remainder = Whole % 10;
            Rounding = Remainder < 5 ? -1 : Remainder > 5 ? 1 : 0;
        } else if (Scale >= 0) {
            const TUInt128 Product = TUInt128(Mantissa) * Powers10[size_t(Scale)];
            const int Shift = -Binary;
            Quotient = Product >> Shift;
            const TUInt128 Remainder = Product & ((TUInt128(1) << Shift) - 1);
            const TUInt128 Half = TUInt128(1) << (Shift - 1);
            Rounding = Remainder < Half ? -1 : Remainder > Half ? 1 : 0;
        } else {
            return false;
        }
        if (Quotient < Lowest) {
            --Decimal;
            continue;
        }
        if (Quotient >= 10 * TUInt128(Lowest)) {
            ++Decimal;
            continue;
        }
        uint64_t Result = uint64_t(Quotient);
        if (Rounding > 0 || (Rounding == 0 && (Result & 1)))
            ++Result;
        if (Result == 10 * Lowest) {
            Result = Lowest;
            ++Decimal;
        }
        Digits = Result;
        Exponent = Decimal + 1;
        return true;
    }
}

// The finite Value with at most Precision significant Result and Decimals Result after the
// point: the exact Binary value is first written with 18 significant Result, then rounded.
// Value / 10^N for N = 0..18, each a division by a constant (a multiplication), not a divide.
template <size_t... N>
constexpr auto MakeDividePower10(std::index_sequence<N...>)
{
    return std::array<uint64_t (*)(uint64_t), sizeof...(N)>{
        [](uint64_t Value) { return Value / uint64_t(Powers10[N]); }...};
}
constexpr auto DividePower10 = MakeDividePower10(std::make_index_sequence<MaxPrecision + 1>());

// RoundDigits and the trailing zeros on the 18 digits as an integer, and only the digits kept
// written out: the path of every double in the range ExactDigits covers.
void KeepDigits(TDecimal& D, uint64_t Digits, int Keep)
{
    int Count = MaxPrecision;  // Digits lies in [10^(Count - 1), 10^Count)
    if (Keep < MaxPrecision) {
        if (Keep < 0) {
            D = TDecimal();
            return;
        }
        const int Dropped = MaxPrecision - Keep;
        const uint64_t Unit = uint64_t(Powers10[size_t(Dropped)]);
        const uint64_t Quotient = DividePower10[size_t(Dropped)](Digits);
        const bool Up = Digits - Quotient * Unit >= Unit / 2;  // the first digit dropped is 5 or more
        Digits = Quotient + (Up ? 1 : 0);
        Count = Keep;
        if (Digits == uint64_t(Powers10[size_t(Keep)])) {
            Digits = 1;
            Count = 1;
            ++D.Exponent;
        }
        if (Digits == 0) {
            D = TDecimal();
            return;
        }
    }
    while (Digits % 10 == 0) {
        Digits /= 10;
        --Count;
    }
    D.Count = Count;
    // Two digits a step, from the last.
    static constexpr char Pairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                    "8081828384858687888990919293949596979899";
    int I = Count;
    for (; I >= 2; I -= 2, Digits /= 100) {
        const char* Pair = Pairs + 2 * (Digits % 100);
        D.Digits[size_t(I - 2)] = Pair[0];
        D.Digits[size_t(I - 1)] = Pair[1];
    }
    if (I == 1)
        D.Digits[0] = char('0' + Digits);
}

// The finite Value with at most Precision significant digits and Decimals digits after the
// point: the exact binary value is first written with 18 significant digits, then rounded.
TDecimal ToDecimal(long double Value, int Precision, int Decimals)
{
    TDecimal d;
    const auto kept = [&] {
        return std::min(Precision, Decimals >= NoDecimalLimit ? Precision : d.Exponent + Decimals);
    };
    uint64_t digits = 0;
    if (ExactDigits(Value, d.Negative, digits, d.Exponent)) {
        KeepDigits(d, digits, kept());
        return d;
    }
    if (Value == 0)
        return d;
    d.Negative = std::signbit(Value);
    const long double magnitude = std::fabs(Value);
    const double asDouble = double(magnitude);
    char text[48];  // "d.ddddddddddddddddde+dddd"
    const auto write = [&](auto Exact) {
        return std::to_chars(text, text + sizeof text, Exact, std::chars_format::scientific, MaxPrecision - 1).ptr;
    };
    // Both give the digits of the exact value; the double conversion is several times faster.
    const char* end = asDouble == magnitude ? write(asDouble) : write(magnitude);
    d.Digits[0] = text[0];
    std::memcpy(d.Digits.data() + 1, text + 2, MaxPrecision - 1);
    const char* exponent = text + MaxPrecision + 2;  // after 'e'
    const bool negativeExponent = *exponent++ == '-';
    int e = 0;
    std::from_chars(exponent, end, e);
    d.Exponent = (negativeExponent ? -e : e) + 1;
    d.Count = MaxPrecision;

    const int keep = kept();
    if (keep < d.Count)
        RoundDigits(d, keep);
    while (d.Count > 0 && d.Digits[size_t(d.Count - 1)] == '0')
        --d.Count;
    if (d.IsZero())
        d = TDecimal();
    return d;
}

// Finite, read from the value's bits: cheaper than the x87 examination on every number.
bool IsFinite(long double Value)
{
    uint16_t SignExponent;
    std::memcpy(&SignExponent, reinterpret_cast<const char*>(&Value) + sizeof(uint64_t), sizeof SignExponent);
    return (SignExponent & 0x7FFF) != 0x7FFF;
}

QString NonFiniteText(long double Value)
{
    if (std::isnan(Value))
        return QStringLiteral("NAN");
    return Value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// "E", the exponent's sign ("-", or "+" when ForcePlus), and at least MinDigits digits.
void AppendExponent(QString& Out, QChar Letter, int Exponent, bool ForcePlus, int MinDigits)
{
    Out += Letter;
    if (Exponent < 0)
        Out += u'-';
    else if (ForcePlus)
        Out += u'+';
    const QString digits = QString::number(std::abs(Exponent));
    if (MinDigits > digits.size())
        Out += QString(MinDigits - digits.size(), u'0');
    Out += digits;
}

// The digits of D, after a '-' when Minus: the integer part (at least "0"), grouped when
// Separator is not null, then Decimals digits after the decimal separator. Written in place,
// as cells, footers and exports call this for every number.
QString FixedDigits(const TDecimal& D, int Decimals, QChar Separator, const TFormatSettings& Settings, bool Minus = false)
{
    const int IntegerDigits = std::max(D.Exponent, 1);
    const bool Grouped = !Separator.isNull();
    const int Separators = Grouped ? (IntegerDigits - 1) / 3 : 0;
    QString Out(qsizetype(Minus) + IntegerDigits + Separators + (Decimals > 0 ? Decimals + 1 : 0), Qt::Uninitialized);
    char16_t* At = reinterpret_cast<char16_t*>(Out.data());
    if (Minus)
        *At++ = u'-';
    // The places in order are the digit indexes from Exponent - IntegerDigits on.
    int Index = D.Exponent - IntegerDigits;
    const auto Next = [&] { return char16_t(uint32_t(Index) < uint32_t(D.Count) ? D.Digits[size_t(Index)] : '0'); };
    int Group = (IntegerDigits - 1) % 3 + 1;  // digits before the next separator
    for (int I = 0; I < IntegerDigits; ++I, ++Index) {
        if (Group == 0) {
            if (Grouped)
                *At++ = Separator.unicode();
            Group = 3;
        }
        *At++ = Next();
        --Group;
    }
    if (Decimals > 0) {
        *At++ = Settings.DecimalSeparator.unicode();
        for (int I = 0; I < Decimals; ++I, ++Index)
            *At++ = Next();
    }
    return Out;
}

QString Signed(const TDecimal& D, QString Text)
{
    return D.Negative ? u'-' + Text : Text;
}

// "d.ddd": the first Digits digits of D with the decimal separator after the first.
QString Mantissa(const TDecimal& D, int Digits, const TFormatSettings& Settings)
{
    QString out(1, QLatin1Char(D.Digit(0)));
    if (Digits > 1) {
        out += Settings.DecimalSeparator;
        for (int i = 1; i < Digits; ++i)
            out += QLatin1Char(D.Digit(i));
    }
    return out;
}

// The shortest text: fixed while -3 <= exponent <= Precision, else "d.dddE-x".
QString GeneralText(const TDecimal& D, int Precision, int ExponentDigits, const TFormatSettings& Settings)
{
    if (D.Exponent <= Precision && D.Exponent >= -3)
        return FixedDigits(D, std::max(D.Count - D.Exponent, 0), QChar(), Settings, D.Negative);
    QString out = Mantissa(D, D.Count, Settings);
    AppendExponent(out, u'E', D.Exponent - 1, false, ExponentDigits);
    return Signed(D, out);
}

// "d.dddE+xx" with Precision digits.
QString ExponentText(const TDecimal& D, int Precision, int ExponentDigits, const TFormatSettings& Settings)
{
    QString out = Mantissa(D, Precision, Settings);
    AppendExponent(out, u'E', D.IsZero() ? 0 : D.Exponent - 1, true, ExponentDigits);
    return Signed(D, out);
}

template <size_t N>
const char* Layout(const std::array<const char*, N>& Layouts, uint8_t Index)
{
    return Layouts[Index < N ? Index : 0];
}

QString CurrencyText(const TDecimal& D, const QString& Amount, const TFormatSettings& Settings)
{
    QString out;
    for (const char* c = D.Negative ? Layout(NegCurrFormatLayouts, Settings.NegCurrFormat)
                                    : Layout(CurrencyFormatLayouts, Settings.CurrencyFormat);
         *c; ++c) {
        if (*c == '$')
            out += Settings.CurrencyString;
        else if (*c == '1')
            out += Amount;
        else
            out += QLatin1Char(*c);
    }
    return out;
}

QString FloatToText(long double Value, TFloatFormat Format, int Precision, int Digits, const TFormatSettings& Settings)
{
    if (!IsFinite(Value))
        return NonFiniteText(Value);
    Precision = std::clamp(Precision, 1, MaxPrecision);
    switch (Format) {
    case ffExponent:
        return ExponentText(ToDecimal(Value, Precision, NoDecimalLimit), Precision, std::clamp(Digits, 0, 4), Settings);
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
        Digits = std::clamp(Digits, 0, MaxPrecision);
        const TDecimal d = ToDecimal(Value, Precision, Digits);
        if (d.Exponent > Precision)
            return GeneralText(ToDecimal(Value, Precision, NoDecimalLimit), Precision, 0, Settings);
        const QChar separator = Format == ffFixed ? QChar() : Settings.ThousandSeparator;
        if (Format == ffCurrency)
            return CurrencyText(d, FixedDigits(d, Digits, separator, Settings), Settings);
        return FixedDigits(d, Digits, separator, Settings, d.Negative);
    }
    case ffGeneral:
        break;
    }
    return GeneralText(ToDecimal(Value, Precision, NoDecimalLimit), Precision, std::clamp(Digits, 0, 4), Settings);
}

// ---- FormatFloat pictures ----

struct TPictureToken {
    enum TKind { Digit, Point, Comma, Exponent, Literal } Kind;
    QChar Char;        // Digit: '0' or '#'; Exponent: 'E' or 'e'
    QChar Sign;        // Exponent: '+' or '-'
    int Zeros = 0;     // Exponent: minimum digits
    QStringView Text;  // Literal, without quotes
};

// Calls Visit for each token of one picture section.
template <typename F>
void ForEachToken(QStringView Section, F&& Visit)
{
    const qsizetype n = Section.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = Section[i];
        if (c == u'0' || c == u'#') {
            Visit(TPictureToken{TPictureToken::Digit, c, {}, 0, {}});
            ++i;
        } else if (c == u'.' || c == u',') {
            Visit(TPictureToken{c == u'.' ? TPictureToken::Point : TPictureToken::Comma, c, {}, 0, {}});
            ++i;
        } else if ((c == u'E' || c == u'e') && i + 1 < n && (Section[i + 1] == u'+' || Section[i + 1] == u'-')) {
            const QChar sign = Section[i + 1];
            i += 2;
            int zeros = 0;
            for (; i < n && Section[i] == u'0'; ++i)
                ++zeros;
            Visit(TPictureToken{TPictureToken::Exponent, c, sign, zeros, {}});
        } else if (c == u'"' || c == u'\'') {
            const qsizetype close = Section.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? n : close;
            Visit(TPictureToken{TPictureToken::Literal, c, {}, 0, Section.sliced(i + 1, end - i - 1)});
            i = close < 0 ? n : close + 1;
        } else {
            Visit(TPictureToken{TPictureToken::Literal, c, {}, 0, Section.sliced(i, 1)});
            ++i;
        }
    }
}

// The sections of a picture split at ';' outside quotes; a missing or empty one is the first.
struct TPictureSections {
    std::array<QStringView, 3> Sections;
    int Count = 0;

    explicit TPictureSections(QStringView Picture)
    {
        qsizetype start = 0;
        QChar quote;
        for (qsizetype i = 0; i <= Picture.size() && Count < 3; ++i) {
            const bool atEnd = i == Picture.size();
            const QChar c = atEnd ? QChar() : Picture[i];
            if (!quote.isNull() && !atEnd) {
                if (c == quote)
                    quote = QChar();
            } else if (c == u'"' || c == u'\'') {
                quote = c;
            } else if (c == u';' || atEnd) {
                Sections[size_t(Count++)] = Picture.sliced(start, i - start);
                start = i + 1;
            }
        }
    }
    // The section index that applies for Wanted (0 positive, 1 negative, 2 zero).
    int Use(int Wanted) const { return Wanted < Count && !Sections[size_t(Wanted)].isEmpty() ? Wanted : 0; }
};

// What a section asks for.
struct TPicture {
    QStringView Text;
    int IntegerPlaces = 0;  // '0' and '#' before the decimal point
    int DecimalPlaces = 0;  // after it
    int MinInteger = 0;     // integer digits always shown: from the first '0'
    int MinDecimals = 0;    // decimals always shown: up to the last '0'
    bool Grouping = false;
    bool Scientific = false;

    explicit TPicture(QStringView Section) : Text(Section)
    {
        bool afterPoint = false;
        std::optional<int> firstZero;
        ForEachToken(Section, [&](const TPictureToken& t) {
            switch (t.Kind) {
            case TPictureToken::Digit:
                if (afterPoint) {
                    ++DecimalPlaces;
                    if (t.Char == u'0')
                        MinDecimals = DecimalPlaces;
                } else {
                    if (t.Char == u'0' && !firstZero)
                        firstZero = IntegerPlaces;
                    ++IntegerPlaces;
                }
                break;
            case TPictureToken::Point:
                afterPoint = true;
                break;
            case TPictureToken::Comma:
                Grouping = true;
                break;
            case TPictureToken::Exponent:
                Scientific = true;
                break;
            case TPictureToken::Literal:
                break;
            }
        });
        MinInteger = firstZero ? IntegerPlaces - *firstZero : 0;
    }
};

// Lays D out by Picture; Minus puts a '-' in front.
QString RenderPicture(const TPicture& Picture, TDecimal D, bool Minus, const TFormatSettings& Settings)
{
    // A scientific value keeps IntegerPlaces digits before the point and shows the rest as exponent.
    int exponent = 0;
    if (Picture.Scientific && !D.IsZero()) {
        exponent = D.Exponent - Picture.IntegerPlaces;
        D.Exponent = Picture.IntegerPlaces;
    }
    const int integerDigits = std::max(std::max(D.Exponent, 0), Picture.MinInteger);
    const int decimals = std::max(Picture.MinDecimals, std::clamp(D.Count - D.Exponent, 0, Picture.DecimalPlaces));

    QString out;
    out.reserve(Picture.Text.size() + integerDigits * 4 / 3 + decimals + 8);
    if (Minus)
        out += u'-';
    int place = std::max(integerDigits, Picture.IntegerPlaces);  // the next integer place to write
    int decimal = 0;                                              // the last decimal place written
    bool started = false;
    bool afterPoint = false;
    const auto putInteger = [&] {
        if (place <= integerDigits) {
            out += QLatin1Char(D.IntegerDigit(place));
            if (Picture.Grouping && place > 1 && place % 3 == 1)
                out += Settings.ThousandSeparator;
        }
        if (--place == 0 && decimals > 0)
            out += Settings.DecimalSeparator;
    };
    ForEachToken(Picture.Text, [&](const TPictureToken& t) {
        switch (t.Kind) {
        case TPictureToken::Digit:
            if (!started) {
                // Integer digits beyond the placeholders go where the first placeholder is.
                started = true;
                if (place == 0 && decimals > 0)  // no integer digit at all: ".5"
                    out += Settings.DecimalSeparator;
                while (place > Picture.IntegerPlaces)
                    putInteger();
            }
            if (!afterPoint)
                putInteger();
            else if (++decimal <= decimals)
                out += QLatin1Char(D.DecimalDigit(decimal));
            break;
        case TPictureToken::Point:
            afterPoint = true;
            break;
        case TPictureToken::Comma:
            break;
        case TPictureToken::Exponent:
            AppendExponent(out, t.Char, exponent, t.Sign == u'+', t.Zeros);
            break;
        case TPictureToken::Literal:
            out += t.Text;
            break;
        }
    });
    return out;
}

QString FormatFloatText(QStringView Picture, long double Value, const TFormatSettings& Settings)
{
    if (Picture.isEmpty() || !IsFinite(Value))
        return FloatToText(Value, ffGeneral, 15, 0, Settings);
    const TPictureSections sections(Picture);
    int section = sections.Use(Value > 0 ? 0 : Value < 0 ? 1 : 2);
    TPicture picture(sections.Sections[size_t(section)]);
    const TDecimal d = picture.Scientific
                           ? ToDecimal(Value, std::clamp(picture.IntegerPlaces + picture.DecimalPlaces, 1, MaxPrecision),
                                       NoDecimalLimit)
                           : ToDecimal(Value, MaxPrecision, picture.DecimalPlaces);
    if (d.IsZero() && section != sections.Use(2)) {
        section = sections.Use(2);
        picture = TPicture(sections.Sections[size_t(section)]);
    }
    return RenderPicture(picture, d, d.Negative && section == 0, Settings);
}

// ---- Format ----

[[noreturn]] void FormatError(const QString& Fmt)
{
    throw EConvertError(QStringLiteral("Format '") + Fmt + QStringLiteral("' invalid or incompatible with argument"));
}

class TFormatter {
public:
    TFormatter(const QString& Fmt, std::span<const TVarRec> Args, const TFormatSettings& Settings)
        : fmt_(Fmt), args_(Args), settings_(Settings)
    {
    }

    QString Run()
    {
        // A format that is one specifier gives that specifier's text itself.
        QString out;
        const qsizetype n = fmt_.size();
        while (pos_ < n) {
            const qsizetype percent = fmt_.indexOf(u'%', pos_);
            const qsizetype end = percent < 0 ? n : percent;
            if (end > pos_) {
                if (out.isNull())
                    out.reserve(n + 16);
                out += QStringView(fmt_).sliced(pos_, end - pos_);
            }
            pos_ = end;
            if (pos_ < n) {
                ++pos_;
                QString text = Specifier();
                if (out.isNull())
                    out = std::move(text);
                else
                    out += text;
            }
        }
        if (out.isNull())
            out = QStringLiteral("");
        return out;
    }

private:
    QChar Peek() const { return pos_ < fmt_.size() ? fmt_[pos_] : QChar(); }

    const TVarRec& NextArg()
    {
        if (argIndex_ >= args_.size())
            throw EConvertError(QStringLiteral("No argument for format '") + fmt_ + u'\'');
        return args_[argIndex_++];
    }

    // Digits, or '*' for the next argument; nullopt when neither is there.
    std::optional<int64_t> Number()
    {
        if (Peek() == u'*') {
            ++pos_;
            const TVarRec& arg = NextArg();
            if (arg.VType == TVarRec::vtInteger)
                return arg.VInteger;
            if (arg.VType == TVarRec::vtInt64 && arg.VInt64 >= std::numeric_limits<int32_t>::min() &&
                arg.VInt64 <= std::numeric_limits<int32_t>::max())
                return arg.VInt64;
            FormatError(fmt_);
        }
        if (!IsAsciiDigit(Peek()))
            return std::nullopt;
        int64_t value = 0;
        for (; IsAsciiDigit(Peek()); ++pos_)
            value = std::min<int64_t>(value * 10 + (Peek().unicode() - u'0'), std::numeric_limits<int32_t>::max());
        return value;
    }

    QString Specifier()
    {
        if (Peek() == u'%') {
            ++pos_;
            return QStringLiteral("%");
        }
        std::optional<int64_t> width = Number();
        if (width && Peek() == u':') {
            ++pos_;
            argIndex_ = size_t(std::max<int64_t>(*width, 0));
            width.reset();
        }
        bool left = false;
        if (!width && Peek() == u'-') {
            left = true;
            ++pos_;
        }
        if (!width)
            width = Number();
        std::optional<int64_t> precision;
        if (Peek() == u'.') {
            ++pos_;
            precision = Number().value_or(0);
            if (*precision < 0)  // a negative '*' precision counts as none
                precision.reset();
        }
        // The type letters are ASCII, and no other character lowers to one of them.
        const char16_t letter = Peek().unicode();
        const char16_t type = letter >= u'A' && letter <= u'Z' ? char16_t(letter + (u'a' - u'A')) : letter;
        if (pos_ >= fmt_.size())
            FormatError(fmt_);
        ++pos_;
        QString text = Convert(type, NextArg(), precision);
        const qsizetype padding = width ? *width - text.size() : 0;
        if (padding <= 0)
            return text;
        return left ? text + QString(padding, u' ') : QString(padding, u' ') + text;
    }

    QString Convert(char16_t Type, const TVarRec& Arg, std::optional<int64_t> Precision)
    {
        const bool isInteger = Arg.VType == TVarRec::vtInteger || Arg.VType == TVarRec::vtInt64 ||
                               Arg.VType == TVarRec::vtUInt64;
        switch (Type) {
        case u'd':
        case u'u':
        case u'x':
            if (!isInteger)
                FormatError(fmt_);
            return IntegerText(Type, Arg, int(Precision.value_or(0)));
        case u'e':
        case u'f':
        case u'g':
        case u'n':
        case u'm':
            if (Arg.VType != TVarRec::vtExtended)
                FormatError(fmt_);
            return FloatText(Type, Arg.VExtended, Precision);
        case u's':
            if (Arg.VType == TVarRec::vtUnicodeString)
                return Precision ? Arg.VUnicodeString.left(*Precision) : Arg.VUnicodeString;
            if (Arg.VType == TVarRec::vtWideChar)
                return Precision == 0 ? QString() : QString(Arg.VWideChar);
            FormatError(fmt_);
        case u'p':
            if (Arg.VType != TVarRec::vtPointer)
                FormatError(fmt_);
            return IntToHex(uint64_t(reinterpret_cast<uintptr_t>(Arg.VPointer)), 16);
        default:
            FormatError(fmt_);
        }
    }

    // d: the signed value (an UInt64 unsigned); u and x: the bits at the argument's own width.
    static QString IntegerText(char16_t Type, const TVarRec& Arg, int MinDigits)
    {
        uint64_t bits = Arg.VType == TVarRec::vtInteger ? uint32_t(Arg.VInteger)
                        : Arg.VType == TVarRec::vtInt64 ? uint64_t(Arg.VInt64)
                                                         : Arg.VUInt64;
        bool negative = false;
        if (Type == u'd' && Arg.VType != TVarRec::vtUInt64) {
            const int64_t value = Arg.VType == TVarRec::vtInteger ? Arg.VInteger : Arg.VInt64;
            negative = value < 0;
            bits = negative ? 0 - uint64_t(value) : uint64_t(value);
        }
        QString digits = Type == u'x' ? IntToHex(bits, 0) : UIntToStr(bits);
        if (MinDigits > digits.size())
            digits.prepend(QString(MinDigits - digits.size(), u'0'));
        return negative ? u'-' + digits : digits;
    }

    QString FloatText(char16_t Type, long double Value, std::optional<int64_t> Precision) const
    {
        const auto decimals = [&](int64_t Default) { return int(std::min<int64_t>(Precision.value_or(Default), MaxPrecision)); };
        switch (Type) {
        case u'e':
            return FloatToText(Value, ffExponent, decimals(15), 3, settings_);
        case u'g':
            return FloatToText(Value, ffGeneral, decimals(15), 0, settings_);
        case u'n':
            return FloatToText(Value, ffNumber, MaxPrecision, decimals(2), settings_);
        case u'm':
            return FloatToText(Value, ffCurrency, MaxPrecision, decimals(settings_.CurrencyDecimals), settings_);
        default:
            return FloatToText(Value, ffFixed, MaxPrecision, decimals(2), settings_);
        }
    }

    const QString& fmt_;
    std::span<const TVarRec> args_;
    const TFormatSettings& settings_;
    qsizetype pos_ = 0;
    size_t argIndex_ = 0;
};

// ---- StrToFloat ----

// Reads [blanks][sign]digits[separator digits][E[sign]digits][blanks]; an underflow gives zero.
bool TextToFloat(QStringView S, long double& Value, QChar DecimalSeparator)
{
    qsizetype i = 0;
    qsizetype n = S.size();
    while (i < n && S[i] == u' ')
        ++i;
    while (n > i && S[n - 1] == u' ')
        --n;
    const auto isDigit = [&](qsizetype At) { return At < n && IsAsciiDigit(S[At]); };

    QVarLengthArray<char, 64> text;
    if (i < n && (S[i] == u'-' || S[i] == u'+')) {
        if (S[i] == u'-')
            text.append('-');
        ++i;
    }
    int digitCount = 0;
    int magnitude = 0;  // the decimal exponent of the first significant digit, before the E part
    bool significant = false;
    bool afterPoint = false;
    for (;; ++i) {
        if (isDigit(i)) {
            const char c = char(S[i].unicode());
            ++digitCount;
            if (c != '0' && !significant) {
                significant = true;
                magnitude = afterPoint ? magnitude - 1 : 0;
            } else if (significant && !afterPoint) {
                ++magnitude;
            } else if (!significant && afterPoint) {
                --magnitude;
            }
            text.append(c);
        } else if (!afterPoint && i < n && S[i] == DecimalSeparator) {
            afterPoint = true;
            text.append('.');
        } else {
            break;
        }
    }
    if (digitCount == 0)
        return false;
    int exponent = 0;
    if (i < n && (S[i] == u'e' || S[i] == u'E')) {
        text.append('e');
        ++i;
        bool negative = false;
        if (i < n && (S[i] == u'-' || S[i] == u'+')) {
            negative = S[i] == u'-';
            text.append(negative ? '-' : '+');
            ++i;
        }
        if (!isDigit(i))
            return false;
        for (; isDigit(i); ++i) {
            exponent = std::min(exponent * 10 + (S[i].unicode() - u'0'), 1000000);
            text.append(char(S[i].unicode()));
        }
        if (negative)
            exponent = -exponent;
    }
    if (i != n)
        return false;
    long double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (magnitude + exponent > 0)
            return false;
        value = text[0] == '-' ? -0.0L : 0.0L;
    } else if (error != std::errc() || end != text.data() + text.size()) {
        return false;
    }
    Value = value;
    return true;
}

[[noreturn]] void InvalidFloat(const QString& S)
{
    throw EConvertError(u'\'' + S + QStringLiteral("' is not a valid floating point value"));
}

}  // namespace

QString Format(const QString& Fmt, std::initializer_list<TVarRec> Args)
{
    return TFormatter(Fmt, std::span(Args.begin(), Args.size()), FormatSettings()).Run();
}

QString Format(const QString& Fmt, std::initializer_list<TVarRec> Args, const TFormatSettings& Settings)
{
    return TFormatter(Fmt, std::span(Args.begin(), Args.size()), Settings).Run();
}

QString Format(const QString& Fmt, std::span<const TVarRec> Args)
{
    return TFormatter(Fmt, Args, FormatSettings()).Run();
}

QString Format(const QString& Fmt, std::span<const TVarRec> Args, const TFormatSettings& Settings)
{
    return TFormatter(Fmt, Args, Settings).Run();
}

QString FloatToStr(long double Value)
{
    return FloatToText(Value, ffGeneral, 15, 0, FormatSettings());
}

QString FloatToStr(long double Value, const TFormatSettings& Settings)
{
    return FloatToText(Value, ffGeneral, 15, 0, Settings);
}

QString FloatToStrF(long double Value, TFloatFormat Format, int32_t Precision, int32_t Digits)
{
    return FloatToText(Value, Format, Precision, Digits, FormatSettings());
}

QString FloatToStrF(long double Value, TFloatFormat Format, int32_t Precision, int32_t Digits,
                    const TFormatSettings& Settings)
{
    return FloatToText(Value, Format, Precision, Digits, Settings);
}

QString FormatFloat(const QString& Format, long double Value)
{
    return FormatFloatText(Format, Value, FormatSettings());
}

QString FormatFloat(const QString& Format, long double Value, const TFormatSettings& Settings)
{
    return FormatFloatText(Format, Value, Settings);
}

long double StrToFloat(const QString& S)
{
    return StrToFloat(S, FormatSettings());
}

long double StrToFloat(const QString& S, const TFormatSettings& Settings)
{
    long double value;
    if (!TextToFloat(S, value, Settings.DecimalSeparator))
        InvalidFloat(S);
    return value;
}

long double StrToFloatDef(const QString& S, long double Default)
{
    return StrToFloatDef(S, Default, FormatSettings());
}

long double StrToFloatDef(const QString& S, long double Default, const TFormatSettings& Settings)
{
    long double value;
    return TextToFloat(S, value, Settings.DecimalSeparator) ? value : Default;
}

bool TryStrToFloat(const QString& S, long double& Value)
{
    return TextToFloat(S, Value, FormatSettings().DecimalSeparator);
}

bool TryStrToFloat(const QString& S, long double& Value, const TFormatSettings& Settings)
{
    return TextToFloat(S, Value, Settings.DecimalSeparator);
}

bool TryStrToFloat(const QString& S, double& Value)
{
    return TryStrToFloat(S, Value, FormatSettings());
}

bool TryStrToFloat(const QString& S, double& Value, const TFormatSettings& Settings)
{
    long double value;
    if (!TextToFloat(S, value, Settings.DecimalSeparator) || std::fabs(value) > std::numeric_limits<double>::max())
        return false;
    Value = double(value);
    return true;
}
