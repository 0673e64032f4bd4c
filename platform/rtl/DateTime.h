// TDateTime with the toolkit's calendar routines, clock, formatting and parsing of dates and times.
#pragma once

#include "FormatSettings.h"

#include <QString>

#include <cstdint>
#include <functional>

// Days since 1899-12-30; the fraction is the time of day. Before that day the integer part counts
// backwards and the fraction still counts forwards as an absolute time: -1.25 is 1899-12-29 06:00.
using TDateTime = double;

inline constexpr int32_t HoursPerDay = 24;
inline constexpr int32_t MinsPerHour = 60;
inline constexpr int32_t SecsPerMin = 60;
inline constexpr int32_t MSecsPerSec = 1000;
inline constexpr int32_t MinsPerDay = HoursPerDay * MinsPerHour;
inline constexpr int32_t SecsPerDay = MinsPerDay * SecsPerMin;
inline constexpr int32_t MSecsPerDay = SecsPerDay * MSecsPerSec;
// Days from 0001-01-01 to 1899-12-31.
inline constexpr int32_t DateDelta = 693594;

// The days of the months of a year, indexed by month 1..12 (0 for any other index).
class TDayTable {
public:
    constexpr TDayTable(uint16_t Feb) : FFeb(Feb) {}
    constexpr uint16_t operator[](int32_t Month) const
    {
        constexpr uint16_t Days[12] = {31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        if (Month < 1 || Month > 12)
            return 0;
        return Month == 2 ? FFeb : Days[Month - 1];
    }

private:
    uint16_t FFeb;
};
// MonthDays[IsLeapYear(Year)][Month].
inline constexpr TDayTable MonthDays[2] = {TDayTable(28), TDayTable(29)};

bool IsLeapYear(uint16_t Year);
uint16_t DaysInAMonth(uint16_t AYear, uint16_t AMonth);

// Years 1..9999; EncodeDate raises EConvertError "Invalid argument to date encode" for others.
TDateTime EncodeDate(uint16_t Year, uint16_t Month, uint16_t Day);
bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Date);
// All zero for values before 0001-01-01.
void DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day);
// Hours below 24; EncodeTime raises EConvertError "Invalid argument to time encode" otherwise.
TDateTime EncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec);
bool TryEncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec, TDateTime& Time);
// The time of day rounded to the nearest millisecond (a value that rounds up to midnight is 00:00).
void DecodeTime(TDateTime Time, uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec);
// 1 = Sunday .. 7 = Saturday.
int32_t DayOfWeek(TDateTime DateTime);
// The same day NumberOfMonths later (earlier when negative), clamped to the length of the month;
// the time of day is kept.
TDateTime IncMonth(TDateTime DateTime, int32_t NumberOfMonths = 1);

// The current local date and time, its date part and its time part, read from the clock.
TDateTime Now();
TDateTime Date();
TDateTime Time();
// Replaces the clock (tests); ResetClock goes back to the system clock.
void SetClock(std::function<TDateTime()> Clock);
void ResetClock();

// The routines below take the settings in force unless given others.

// Formats with the toolkit's specifiers: c d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy h hh n nn
// s ss z zzz t tt am/pm a/p ampm aaa aaaa / : 'text' "text" (letters in either case; m right after h
// means minutes). An empty Format means "c".
QString FormatDateTime(const QString& Format, TDateTime DateTime, const TFormatSettings& Settings = FormatSettings());
// ShortDateFormat; LongTimeFormat; both, without the time when it is midnight.
QString DateToStr(TDateTime Date, const TFormatSettings& Settings = FormatSettings());
QString TimeToStr(TDateTime Time, const TFormatSettings& Settings = FormatSettings());
QString DateTimeToStr(TDateTime DateTime, const TFormatSettings& Settings = FormatSettings());

// Dates are two or three numbers split by DateSeparator in the order of ShortDateFormat; a missing
// year is the current year, a year of one or two digits falls in the TwoDigitYearCenturyWindow.
// Times are hours[:minutes[:seconds[.milliseconds]]] split by TimeSeparator (DecimalSeparator before
// the milliseconds, read as a whole number: ".5" is 5 ms), with an optional TimeAMString/TimePMString
// (or AM/PM) before or after. Blanks (' ') around the parts are allowed.
// Failures raise EConvertError "'<S>' is not a valid date" / "... time" / "... date and time".
TDateTime StrToDate(const QString& S, const TFormatSettings& Settings = FormatSettings());
bool TryStrToDate(const QString& S, TDateTime& Value, const TFormatSettings& Settings = FormatSettings());
TDateTime StrToDateDef(const QString& S, TDateTime Default, const TFormatSettings& Settings = FormatSettings());

TDateTime StrToTime(const QString& S, const TFormatSettings& Settings = FormatSettings());
bool TryStrToTime(const QString& S, TDateTime& Value, const TFormatSettings& Settings = FormatSettings());
TDateTime StrToTimeDef(const QString& S, TDateTime Default, const TFormatSettings& Settings = FormatSettings());

// A date optionally followed by a time, or a time alone.
TDateTime StrToDateTime(const QString& S, const TFormatSettings& Settings = FormatSettings());
bool TryStrToDateTime(const QString& S, TDateTime& Value, const TFormatSettings& Settings = FormatSettings());
TDateTime StrToDateTimeDef(const QString& S, TDateTime Default, const TFormatSettings& Settings = FormatSettings());
