// Format with its argument records, and the floating-point texts: FloatToStr, FormatFloat, StrToFloat.
#pragma once

#include "FormatSettings.h"

#include <QChar>
#include <QLatin1String>
#include <QString>

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

// One argument of Format. Integers, floating-point values, characters, texts, pointers and
// booleans convert implicitly, so calls read Format("%d items, %s", {n, name}).
class TVarRec {
public:
    // The toolkit's ordinals where it has the kind.
    enum TVarType : uint8_t {
        vtInteger = 0,
        vtBoolean = 1,
        vtExtended = 3,
        vtPointer = 5,
        vtWideChar = 9,
        vtInt64 = 16,
        vtUnicodeString = 17,
        vtUInt64 = 18,
    };

    // bool is a boolean, char and char16_t are characters; a 32-bit unsigned value is held as
    // Int64, as the toolkit passes a Cardinal.
    template <std::integral T>
    TVarRec(T Value)
    {
        if constexpr (std::same_as<T, bool>) {
            VType = vtBoolean;
            VBoolean = Value;
        } else if constexpr (std::same_as<T, char>) {
            VType = vtWideChar;
            VWideChar = QLatin1Char(Value);
        } else if constexpr (std::same_as<T, char16_t>) {
            VType = vtWideChar;
            VWideChar = QChar(Value);
        } else if constexpr (sizeof(T) < 4 || (sizeof(T) == 4 && std::signed_integral<T>)) {
            VType = vtInteger;
            VInteger = Value;
        } else if constexpr (sizeof(T) == 4 || std::signed_integral<T>) {
            VType = vtInt64;
            VInt64 = int64_t(Value);
        } else {
            VType = vtUInt64;
            VUInt64 = Value;
        }
    }
    TVarRec(long double Value) : VType(vtExtended), VExtended(Value) {}
    TVarRec(QChar Value) : VType(vtWideChar), VWideChar(Value) {}
    TVarRec(const QString& Value) : VType(vtUnicodeString), VUnicodeString(Value) {}
    TVarRec(const char* Utf8) : VType(vtUnicodeString), VUnicodeString(QString::fromUtf8(Utf8)) {}
    TVarRec(QLatin1String Value) : VType(vtUnicodeString), VUnicodeString(Value) {}
    TVarRec(const void* Value) : VType(vtPointer), VPointer(Value) {}
    TVarRec(std::nullptr_t) : VType(vtPointer), VPointer(nullptr) {}

    TVarType VType;
    union {
        int32_t VInteger;
        int64_t VInt64;
        uint64_t VUInt64;
        long double VExtended;
        QChar VWideChar;
        const void* VPointer;
        bool VBoolean;
    };
    QString VUnicodeString;
};

// Format specifiers: "%" ["index:"] ["-"] [width] ["." precision] type, where index, width and
// precision are digits or "*" (taken from the next argument), and type is one of
//   d  decimal integer, precision = minimum digits      u  unsigned decimal
//   x  upper-case hexadecimal, precision = minimum digits
//   e  scientific, precision = significant digits (15)  f  fixed, precision = decimals (2)
//   g  general, precision = significant digits (15)     n  fixed with thousand separators (2)
//   m  currency, precision = decimals (CurrencyDecimals) p  pointer, 16 hexadecimal digits
//   s  text or character, precision = maximum characters.
// An index sets the running argument index; "-" pads on the right; "%%" is a percent sign.
// A bad specifier or an argument of the wrong kind raises EConvertError "Format 'Fmt' invalid
// or incompatible with argument"; too few arguments raise "No argument for format 'Fmt'".
QString Format(const QString& Fmt, std::initializer_list<TVarRec> Args);
QString Format(const QString& Fmt, std::initializer_list<TVarRec> Args, const TFormatSettings& Settings);
QString Format(const QString& Fmt, std::span<const TVarRec> Args);
QString Format(const QString& Fmt, std::span<const TVarRec> Args, const TFormatSettings& Settings);

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// The general format with 15 significant digits: "0.0001", "1.5E-5", "1E20".
QString FloatToStr(long double Value);
QString FloatToStr(long double Value, const TFormatSettings& Settings);
// Precision: significant digits (1-18). Digits: minimum exponent digits (0-4) for ffGeneral and
// ffExponent, decimals (0-18) for the others. A value with more integer digits than Precision
// is written in the general format. Infinities and NaN are "INF", "-INF" and "NAN".
QString FloatToStrF(long double Value, TFloatFormat Format, int32_t Precision, int32_t Digits);
QString FloatToStrF(long double Value, TFloatFormat Format, int32_t Precision, int32_t Digits,
                    const TFormatSettings& Settings);

// The value laid out by a picture: sections "positive;negative;zero" (an empty or missing
// section uses the first, which then shows "-" for a negative value), "0" digit or zero, "#"
// digit if any, the first "." the decimal separator, "," anywhere thousand separators,
// "E+"/"E-"/"e+"/"e-" followed by "0"s a scientific exponent, '...' and "..." literal text.
// The digits come from 18 significant ones rounded half away from zero; a value that rounds
// to zero is written as zero. An empty picture gives FloatToStr.
QString FormatFloat(const QString& Format, long double Value);
QString FormatFloat(const QString& Format, long double Value, const TFormatSettings& Settings);

// Texts of the form [blanks][sign]digits[separator digits][E[sign]digits][blanks] with the
// decimal separator of the settings and no thousand separators. StrToFloat raises
// EConvertError "'S' is not a valid floating point value".
long double StrToFloat(const QString& S);
long double StrToFloat(const QString& S, const TFormatSettings& Settings);
long double StrToFloatDef(const QString& S, long double Default);
long double StrToFloatDef(const QString& S, long double Default, const TFormatSettings& Settings);
bool TryStrToFloat(const QString& S, long double& Value);
bool TryStrToFloat(const QString& S, long double& Value, const TFormatSettings& Settings);
// Fails also for values beyond the double range.
bool TryStrToFloat(const QString& S, double& Value);
bool TryStrToFloat(const QString& S, double& Value, const TFormatSettings& Settings);
