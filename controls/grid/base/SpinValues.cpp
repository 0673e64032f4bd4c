// The spin editor's value rules: readers, stepping of date and time parts, and the typed-character rules.
#include "grid/base/SpinValues.h"

#include "rtl/Format.h"
#include "rtl/FormatSettings.h"
#include "rtl/NumConv.h"

#include <cmath>

namespace {

constexpr QChar Enter(u'\r');
constexpr QChar Escape(u'\x1B');
constexpr QChar Backspace(u'\b');

bool IsAsciiDigit(QChar Key)
{
    return Key >= QLatin1Char('0') && Key <= QLatin1Char('9');
}

// A time increment as a fraction of a day; false when a part lies outside the encodable times.
bool TimeInterval(int32_t Hours, int32_t Minutes, int32_t Seconds, TDateTime& Interval)
{
    if (Hours < 0 || Hours > 23 || Minutes < 0 || Minutes > 59 || Seconds < 0 || Seconds > 59) return false;
    return TryEncodeTime(static_cast<uint16_t>(Hours), static_cast<uint16_t>(Minutes), static_cast<uint16_t>(Seconds), 0, Interval);
}

}  // namespace

int32_t SpinTextToInt(const QString& Text, int32_t Unreadable)
{
    const QString Trimmed = Text.trimmed();
    if (Trimmed.isEmpty()) return 0;
    int32_t Value = 0;
    return TryStrToInt(Trimmed, Value) ? Value : Unreadable;
}

double SpinTextToFloat(const QString& Text, double Unreadable, const TFormatSettings& Settings)
{
    double Value = 0;
    return TryStrToFloat(Text, Value, Settings) ? Value : Unreadable;
}

bool TryIncYears(int32_t Years, TDateTime Date, TDateTime& Result)
{
    uint16_t Year = 0, Month = 0, Day = 0;
    DecodeDate(Date, Year, Month, Day);
    const int32_t NewYear = Year + Years;
    if (NewYear < 1 || NewYear > 9999) return false;
    TDateTime Moved = 0;
    if (!TryEncodeDate(static_cast<uint16_t>(NewYear), Month, Day, Moved)) return false;
    // The time of day stays.
    Result = Moved + (Date - std::trunc(Date));
    return true;
}

int32_t PosAfter(QChar Needle, const QString& Text, int32_t From)
{
    if (From < 0) From = 0;
    return static_cast<int32_t>(Text.indexOf(Needle, From));
}

bool StepSpinDate(TDateTime Value, const QString& Text, int32_t Caret, int32_t Delta, const TFormatSettings& Settings,
                  TDateTime& Result)
{
    const QString Format = Settings.ShortDateFormat.toUpper();
    const qsizetype MonthAt = Format.indexOf(QLatin1Char('M'));
    const qsizetype DayAt = Format.indexOf(QLatin1Char('D'));
    const bool MonthFirst = MonthAt >= 0 && (DayAt < 0 || MonthAt < DayAt);
    const int32_t First = PosAfter(Settings.DateSeparator, Text, 0);
    const int32_t Second = First < 0 ? -1 : PosAfter(Settings.DateSeparator, Text, First + 1);
    // A separator missing counts as lying at the end: the caret is then before it.
    const int32_t P1 = First < 0 ? static_cast<int32_t>(Text.size()) + 1 : First;
    const int32_t P2 = Second < 0 ? static_cast<int32_t>(Text.size()) + 1 : Second;
    enum { StepMonth, StepDay, StepYear } Part = StepYear;
    if (Caret < P1) Part = MonthFirst ? StepMonth : StepDay;
    else if (Caret < P2) Part = MonthFirst ? StepDay : StepMonth;
    TDateTime Stepped = Value;
    switch (Part) {
    case StepMonth: {
        uint16_t Year = 0, Month = 0, Day = 0;
        DecodeDate(Value, Year, Month, Day);
        const int32_t Months = Year * 12 + Month - 1 + Delta;
        if (Months < 12 || Months >= 10000 * 12) return false;
        Stepped = IncMonth(Value, Delta);
        break;
    }
    case StepDay:
        Stepped = Value + Delta;
        break;
    case StepYear:
        if (!TryIncYears(Delta, Value, Stepped)) return false;
        break;
    }
    uint16_t Year = 0, Month = 0, Day = 0;
    DecodeDate(Stepped, Year, Month, Day);
    if (Year < 1 || Year > 9999) return false;
    Result = Stepped;
    return true;
}

bool StepSpinTime(TDateTime Value, const QString& Text, int32_t Caret, bool Up, bool ShowSeconds, int32_t IncrementHours,
                  int32_t IncrementMinutes, int32_t IncrementSeconds, const TFormatSettings& Settings, TDateTime& Result)
{
    const int32_t First = PosAfter(Settings.TimeSeparator, Text, 0);
    const int32_t Second = First < 0 ? -1 : PosAfter(Settings.TimeSeparator, Text, First + 1);
    const int32_t Q1 = First < 0 ? static_cast<int32_t>(Text.size()) + 1 : First;
    const int32_t Q2 = Second < 0 ? static_cast<int32_t>(Text.size()) + 1 : Second;
    TDateTime Interval = 0;
    bool Valid = false;
    if (Caret < Q1) Valid = TimeInterval(IncrementHours, 0, 0, Interval);
    else if (ShowSeconds && Caret >= Q2) Valid = TimeInterval(0, 0, IncrementSeconds, Interval);
    else Valid = TimeInterval(0, IncrementMinutes, 0, Interval);
    if (!Valid) return false;
    if (Up) {
        Result = Value + Interval;
        return true;
    }
    TDateTime Stepped = Value + 1 - Interval;
    if (Stepped > 1) Stepped -= 1;
    Result = Stepped;
    return true;
}

bool IsValidSpinChar(QChar Key, const TSpinCharState& State, const TFormatSettings& Settings)
{
    if (Key == Backspace) return State.EditorEnabled;
    const QChar Dec = Settings.DecimalSeparator, Thou = Settings.ThousandSeparator;
    const QChar TimeSep = Settings.TimeSeparator, DateSep = Settings.DateSeparator;
    const bool Control = Key.unicode() < 0x20;
    bool Valid = Key == Dec || Key == Thou || Key == TimeSep || Key == DateSep || IsAsciiDigit(Key) || Key == QLatin1Char('-') ||
                 (Control && Key != Enter);
    const bool Number = State.SpinType == sptNormal || State.SpinType == sptFloat;
    const auto StandsForASign = [&](QChar Separator) {
        return Separator == Dec || Separator == Thou || Separator == QLatin1Char('-') || Separator == QLatin1Char('+');
    };
    if (Key == TimeSep && State.SpinType != sptTime) Valid = Valid && StandsForASign(TimeSep) && Number;
    if (Key == DateSep && State.SpinType != sptDate) Valid = Valid && StandsForASign(DateSep) && Number;
    const QString Selected = State.Text.mid(State.SelStart, State.SelLength);
    if (Key == QLatin1Char('-'))
        Valid = Valid && State.SelStart == 0 && (!State.Text.contains(QLatin1Char('-')) || Selected.contains(QLatin1Char('-')));
    // Control characters (the clipboard's Ctrl+C, Ctrl+V, Ctrl+X among them) stay allowed.
    if (State.SpinType == sptNormal) Valid = Valid && (IsAsciiDigit(Key) || Key == QLatin1Char('-') || (Control && Key != Enter));
    if (State.SpinType == sptFloat && Key != Escape && Key != Enter) {
        if (Key == Thou) Valid = false;
        if (Key == Dec) Valid = Valid && (!State.Text.contains(Dec) || Selected.contains(Dec));
        const qsizetype DecAt = State.Text.indexOf(Dec);
        if (State.Precision > 0 && State.SelLength == 0 && DecAt >= 0 && State.SelStart > DecAt &&
            State.Text.size() - DecAt - 1 >= State.Precision)
            Valid = false;
    }
    if (State.SpinType == sptTime && Key == TimeSep && State.Text.count(TimeSep) >= 2) Valid = false;
    if (!State.EditorEnabled) Valid = Control;
    return Valid;
}
