// The spin editor's value rules as plain functions: reading its text, clamping, stepping a date or
// time part under the caret, and which typed characters it takes.
#pragma once

#include "rtl/DateTime.h"

#include <QChar>
#include <QString>

#include <cstdint>

struct TFormatSettings;

enum TEsgSpinType { sptNormal, sptFloat, sptDate, sptTime };

// The trimmed text as an integer: 0 when empty, Unreadable when it is no integer.
int32_t SpinTextToInt(const QString& Text, int32_t Unreadable);
// The text as a floating-point number with the locale's decimal separator; Unreadable when it is none.
double SpinTextToFloat(const QString& Text, double Unreadable, const TFormatSettings& Settings);

// Value clamped into Min..Max; unchanged when Min equals Max.
template <typename T>
T CheckSpinRange(T Value, T Min, T Max)
{
    if (Min == Max) return Value;
    if (Value < Min) return Min;
    if (Value > Max) return Max;
    return Value;
}

// The date Years years later (earlier when negative), same month and day; false when that day
// does not exist then (the 29th of February into a common year) or the year leaves 1..9999.
bool TryIncYears(int32_t Years, TDateTime Date, TDateTime& Result);
// The position (0-based) of the first Needle in Text at or after position From; -1 when there is none.
int32_t PosAfter(QChar Needle, const QString& Text, int32_t From);

// Steps the part of a date text under the caret by Delta: with p1 and p2 the positions of the first
// and second date separator, the caret before p1 picks the first part, before p2 the second, else
// the year. Month-first order (M before D in the short date format) makes the first part the month
// (stepped as IncMonth does) and the second the day; day-first the reverse. False, with Result
// untouched, when the step leaves the date range.
bool StepSpinDate(TDateTime Value, const QString& Text, int32_t Caret, int32_t Delta, const TFormatSettings& Settings,
                  TDateTime& Result);
// Steps the part of a time text under the caret by one increment: hours before the first time
// separator, seconds (when ShowSeconds) from the second on, minutes otherwise. Down wraps below
// midnight. False, with Result untouched, when an increment leaves the time range.
bool StepSpinTime(TDateTime Value, const QString& Text, int32_t Caret, bool Up, bool ShowSeconds, int32_t IncrementHours,
                  int32_t IncrementMinutes, int32_t IncrementSeconds, const TFormatSettings& Settings, TDateTime& Result);

// What the editor looks like when a character is typed into it.
struct TSpinCharState {
    QString Text;
    int32_t SelStart = 0;
    int32_t SelLength = 0;
    TEsgSpinType SpinType = sptNormal;
    int32_t Precision = 0;
    bool EditorEnabled = true;
};
// Whether the editor takes Key: the separators, digits, "-" and control characters (not Enter),
// within what the value kind allows (see TEsgSpinEdit::IsValidChar).
bool IsValidSpinChar(QChar Key, const TSpinCharState& State, const TFormatSettings& Settings);
