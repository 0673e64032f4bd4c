// Integer texts with the toolkit's Val rules, rounding of floating-point values, and MulDiv.
#include "NumConv.h"

#include "Exceptions.h"

#include <cmath>
#include <limits>
#include <type_traits>

namespace {

QString Hex(uint64_t Value, int MinDigits)
{
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    char16_t buffer[16];
    int start = 16;
    do {
        buffer[--start] = digits[Value & 0xF];
        Value >>= 4;
    } while (Value != 0);
    const int count = 16 - start;
    QString result;
    if (MinDigits > count)
        result.fill(u'0', MinDigits - count);
    result.append(reinterpret_cast<const QChar*>(buffer + start), count);
    return result;
}

int DigitValue(QChar C, int Base)
{
    const char16_t c = C.unicode();
    int value = 99;
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < Base ? value : -1;
}

// Val's integer syntax; decimal values must fit T, hexadecimal ones may fill all its bits.
template <typename T>
bool ValInteger(QStringView S, T& Value)
{
    using U = std::make_unsigned_t<T>;
    const qsizetype n = S.size();
    qsizetype i = 0;
    while (i < n && S[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (S[i] == u'-' || S[i] == u'+')) {
        negative = S[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && (S[i] == u'$' || S[i] == u'x' || S[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && S[i] == u'0' && (S[i + 1] == u'x' || S[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return false;
    const U limit = base == 16 ? std::numeric_limits<U>::max() : U(std::numeric_limits<T>::max()) + U(negative);
    U magnitude = 0;
    for (; i < n; ++i) {
        const int digit = DigitValue(S[i], base);
        if (digit < 0 || magnitude > (limit - U(digit)) / U(base))
            return false;
        magnitude = magnitude * U(base) + U(digit);
    }
    Value = T(negative ? U(0) - magnitude : magnitude);
    return true;
}

[[noreturn]] void InvalidInteger(const QString& S)
{
    throw EConvertError(u'\'' + S + QStringLiteral("' is not a valid integer value"));
}

template <typename T>
T StrToIntegral(const QString& S)
{
    T value;
    if (!ValInteger(QStringView(S), value))
        InvalidInteger(S);
    return value;
}

template <typename T>
T StrToIntegralDef(const QString& S, T Default)
{
    T value;
    return ValInteger(QStringView(S), value) ? value : Default;
}

// Whole is an integral long double; it must lie in [-2^63, 2^63).
int64_t ToInt64(long double Whole)
{
    constexpr long double limit = 9223372036854775808.0L;
    if (!(Whole >= -limit && Whole < limit))
        throw EInvalidOp(QStringLiteral("Invalid floating point operation"));
    return static_cast<int64_t>(Whole);
}

}  // namespace

QString IntToStr(int32_t Value)
{
    return QString::number(Value);
}

QString IntToStr(int64_t Value)
{
    return QString::number(Value);
}

QString IntToStr(uint32_t Value)
{
    return QString::number(Value);
}

QString UIntToStr(uint32_t Value)
{
    return QString::number(Value);
}

QString UIntToStr(uint64_t Value)
{
    return QString::number(Value);
}

QString IntToHex(int32_t Value, int32_t Digits)
{
    return Hex(static_cast<uint32_t>(Value), Digits);
}

QString IntToHex(uint32_t Value, int32_t Digits)
{
    return Hex(Value, Digits);
}

QString IntToHex(int64_t Value, int32_t Digits)
{
    return Hex(static_cast<uint64_t>(Value), Digits);
}

QString IntToHex(uint64_t Value, int32_t Digits)
{
    return Hex(Value, Digits);
}

int32_t StrToInt(const QString& S)
{
    return StrToIntegral<int32_t>(S);
}

int32_t StrToIntDef(const QString& S, int32_t Default)
{
    return StrToIntegralDef(S, Default);
}

bool TryStrToInt(const QString& S, int32_t& Value)
{
    return ValInteger(QStringView(S), Value);
}

int64_t StrToInt64(const QString& S)
{
    return StrToIntegral<int64_t>(S);
}

int64_t StrToInt64Def(const QString& S, int64_t Default)
{
    return StrToIntegralDef(S, Default);
}

bool TryStrToInt64(const QString& S, int64_t& Value)
{
    return ValInteger(QStringView(S), Value);
}

int64_t RoundHalfEven(long double Value)
{
    long double whole = std::floor(Value);
    const long double fraction = Value - whole;  // exact
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(whole, 2.0L) != 0))
        whole += 1;
    return ToInt64(whole);
}

int64_t Trunc(long double Value)
{
    return ToInt64(std::trunc(Value));
}

int32_t MulDiv(int32_t Number, int32_t Numerator, int32_t Denominator)
{
    if (Denominator == 0)
        return -1;
    const int64_t product = int64_t(Number) * Numerator;
    int64_t quotient = product / Denominator;
    const int64_t remainder = product % Denominator;
    if (2 * (remainder < 0 ? -remainder : remainder) >= (Denominator < 0 ? -int64_t(Denominator) : Denominator))
        quotient += (product < 0) == (Denominator < 0) ? 1 : -1;
    if (quotient < std::numeric_limits<int32_t>::min() || quotient > std::numeric_limits<int32_t>::max())
        return -1;
    return int32_t(quotient);
}
