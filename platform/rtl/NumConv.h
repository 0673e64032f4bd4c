// Integer texts with the toolkit's Val rules, rounding of floating-point values, and MulDiv.
#pragma once

#include <QString>

#include <cstdint>

QString IntToStr(int32_t Value);
QString IntToStr(int64_t Value);
QString IntToStr(uint32_t Value);
QString UIntToStr(uint32_t Value);
QString UIntToStr(uint64_t Value);

// Upper-case hexadecimal with at least Digits digits. A negative 32-bit value shows its
// two's complement in 8 digits, a negative 64-bit value in 16.
QString IntToHex(int32_t Value, int32_t Digits);
QString IntToHex(uint32_t Value, int32_t Digits);
QString IntToHex(int64_t Value, int32_t Digits);
QString IntToHex(uint64_t Value, int32_t Digits);

// Integer texts as Val reads them: leading spaces, an optional sign, then decimal digits or
// hexadecimal digits after "$", "x", "X", "0x" or "0X"; nothing may follow the digits.
// A decimal value must fit the type; a hexadecimal one may use every bit ("$FFFFFFFF" is -1).
// StrToInt and StrToInt64 raise EConvertError "'S' is not a valid integer value".
int32_t StrToInt(const QString& S);
int32_t StrToIntDef(const QString& S, int32_t Default);
bool TryStrToInt(const QString& S, int32_t& Value);
int64_t StrToInt64(const QString& S);
int64_t StrToInt64Def(const QString& S, int64_t Default);
bool TryStrToInt64(const QString& S, int64_t& Value);

// Round: the nearest integer, halves to the even neighbour (0.5 -> 0, 1.5 -> 2, -2.5 -> -2).
// NaN, infinities and values beyond the Int64 range raise EInvalidOp.
int64_t RoundHalfEven(long double Value);
// The integer part, towards zero; the same errors as RoundHalfEven.
int64_t Trunc(long double Value);

// Number * Numerator / Denominator with a 64-bit product, rounded half away from zero;
// -1 when Denominator is 0 or the result does not fit 32 bits.
int32_t MulDiv(int32_t Number, int32_t Numerator, int32_t Denominator);
