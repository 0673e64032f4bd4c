// TDateTime: calendar arithmetic, the replaceable clock, FormatDateTime and the date/time parsers.
#include "DateTime.h"

#include "Exceptions.h"
#include "NumConv.h"
#include "StrFuncs.h"

#include <QDateTime>
#include <QStringView>

#include <algorithm>
#include <cstdlib>

namespace {

// A TDateTime split into whole days since 0000-12-31 (0001-01-01 is day 1) and milliseconds of the day.
struct TTimeStamp {
    int64_t Date;
    int32_t Time;
};

TTimeStamp DateTimeToTimeStamp(TDateTime DateTime)
{
    const int64_t msecs = RoundHalfEven(static_cast<long double>(DateTime) * MSecsPerDay);
    return {DateDelta + msecs / MSecsPerDay, static_cast<int32_t>(std::abs(msecs) % MSecsPerDay)};
}

[[noreturn]] void DateEncodeError()
{
    throw EConvertError(QStringLiteral("Invalid argument to date encode"));
}

TDateTime SystemNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return EncodeDate(date.year(), date.month(), date.day()) +
           EncodeTime(time.hour(), time.minute(), time.second(), time.msec());
}

std::function<TDateTime()>& ClockOverride()
{
    static std::function<TDateTime()> clock;
    return clock;
}

uint16_t CurrentYear()
{
    uint16_t year, month, day;
    DecodeDate(Now(), year, month, day);
    return year;
}

// The length of the 12-hour clock marker ("am/pm", "a/p" or "ampm", in any case) that P starts with,
// 0 when it starts with none.
qsizetype ClockMarkerLength(QStringView P)
{
    static constexpr QLatin1StringView Markers[] = {QLatin1StringView("am/pm"), QLatin1StringView("a/p"),
                                                    QLatin1StringView("ampm")};
    for (const QLatin1StringView marker : Markers) {
        if (P.startsWith(marker, Qt::CaseInsensitive))
            return marker.size();
    }
    return 0;
}

// Element Index (1-based) of a name table, "" outside it.
template <size_t N>
QString NameAt(const std::array<QString, N>& Names, int32_t Index)
{
    return Index >= 1 && Index <= int32_t(N) ? Names[Index - 1] : QString();
}

// Builds the text of one DateTime, format level by format level ("c", "ddddd" and "t" nest the
// formats of the settings, two levels deep at most).
class TDateTimeFormatter {
public:
    TDateTimeFormatter(TDateTime DateTime, const TFormatSettings& Settings) : FDateTime(DateTime), FSettings(Settings)
    {
        DecodeDate(DateTime, FYear, FMonth, FDay);
        DecodeTime(DateTime, FHour, FMin, FSec, FMSec);
    }

    QString Format(const QString& Format)
    {
        Append(Format.isEmpty() ? QStringLiteral("c") : Format, 0);
        return FResult;
    }

private:
    void Append(QStringView Format, int Level);
    void AppendNumber(int32_t Value, int32_t Digits)
    {
        FResult += QString::number(Value).rightJustified(Digits, u'0');
    }
    // True when an AM/PM marker follows in Rest before another hour (quoted markers do not count).
    static bool TwelveHourClockAhead(QStringView Rest);

    TDateTime FDateTime;
    const TFormatSettings& FSettings;
    uint16_t FYear, FMonth, FDay, FHour, FMin, FSec, FMSec;
    QString FResult;
};

bool TDateTimeFormatter::TwelveHourClockAhead(QStringView Rest)
{
    bool betweenQuotes = false;
    for (qsizetype i = 0; i < Rest.size(); ++i) {
        const QChar c = UpCase(Rest[i]);
        if (c == u'A' && !betweenQuotes)
            return ClockMarkerLength(Rest.mid(i)) > 0;
        if (c == u'H')
            return false;
        if (c == u'\'' || c == u'"')
            betweenQuotes = !betweenQuotes;
    }
    return false;
}

void TDateTimeFormatter::Append(QStringView Format, int Level)
{
    if (Level >= 2)
        return;
    QChar lastToken(u' ');
    bool use12HourClock = false;
    qsizetype i = 0;
    while (i < Format.size()) {
        const QChar starter = Format[i++];
        // Consumes the rest of the run of starter and returns the length of the whole run.
        auto count = [&] {
            const qsizetype first = i - 1;
            while (i < Format.size() && Format[i] == starter)
                ++i;
            return static_cast<int32_t>(i - first);
        };
        QChar token = UpCase(starter);
        if (token >= u'A' && token <= u'Z') {
            if (token == u'M' && lastToken == u'H')
                token = u'N';
            lastToken = token;
        }
        switch (token.unicode()) {
        case 'Y':
            if (count() <= 2)
                AppendNumber(FYear % 100, 2);
            else
                AppendNumber(FYear, 4);
            break;
        case 'M': {
            const int32_t n = count();
            if (n <= 2)
                AppendNumber(FMonth, n);
            else
                FResult += NameAt(n == 3 ? FSettings.ShortMonthNames : FSettings.LongMonthNames, FMonth);
            break;
        }
        case 'D': {
            const int32_t n = count();
            if (n <= 2)
                AppendNumber(FDay, n);
            else if (n <= 4)
                FResult += NameAt(n == 3 ? FSettings.ShortDayNames : FSettings.LongDayNames, DayOfWeek(FDateTime));
            else
                Append(n == 5 ? FSettings.ShortDateFormat : FSettings.LongDateFormat, Level + 1);
            break;
        }
        case 'H': {
            const int32_t n = count();
            use12HourClock = use12HourClock || TwelveHourClockAhead(Format.mid(i));
            int32_t hour = FHour;
            if (use12HourClock)
                hour = hour == 0 ? 12 : hour > 12 ? hour - 12 : hour;
            AppendNumber(hour, std::min(n, 2));
            break;
        }
        case 'N':
            AppendNumber(FMin, std::min(count(), 2));
            break;
        case 'S':
            AppendNumber(FSec, std::min(count(), 2));
            break;
        case 'Z':
            AppendNumber(FMSec, std::min(count(), 3));
            break;
        case 'T':
            Append(count() == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, Level + 1);
            break;
        case 'C':
            count();
            Append(FSettings.ShortDateFormat, Level + 1);
            if (FHour != 0 || FMin != 0 || FSec != 0 || FMSec != 0) {
                FResult += u' ';
                Append(FSettings.LongTimeFormat, Level + 1);
            }
            break;
        case 'A': {
            const QStringView p = Format.mid(i - 1);
            const bool pm = FHour >= 12;
            if (const qsizetype marker = ClockMarkerLength(p)) {
                if (marker == 4)
                    FResult += pm ? FSettings.TimePMString : FSettings.TimeAMString;
                else if (marker == 5)
                    FResult += p.mid(pm ? 3 : 0, 2);  // "am" or "pm" as written in the format
                else
                    FResult += p.mid(pm ? 2 : 0, 1);
                i += marker - 1;
                use12HourClock = true;
            } else if (p.startsWith(u"aaaa", Qt::CaseInsensitive)) {
                FResult += NameAt(FSettings.LongDayNames, DayOfWeek(FDateTime));
                i += 3;
            } else if (p.startsWith(u"aaa", Qt::CaseInsensitive)) {
                FResult += NameAt(FSettings.ShortDayNames, DayOfWeek(FDateTime));
                i += 2;
            } else {
                FResult += starter;
            }
            break;
        }
        case '/':
            if (!FSettings.DateSeparator.isNull())
                FResult += FSettings.DateSeparator;
            break;
        case ':':
            if (!FSettings.TimeSeparator.isNull())
                FResult += FSettings.TimeSeparator;
            break;
        case '\'':
        case '"': {
            const qsizetype first = i;
            while (i < Format.size() && Format[i] != starter)
                ++i;
            FResult += Format.mid(first, i - first);
            if (i < Format.size())
                ++i;
            break;
        }
        default:
            FResult += starter;
            break;
        }
    }
}

enum TDateOrder { doMDY, doDMY, doYMD };

// The order of the numbers of a date: that of the first day, month or year letter of Format.
TDateOrder GetDateOrder(const QString& Format)
{
    for (const QChar c : Format) {
        switch (UpCase(c).unicode()) {
        case 'E':
        case 'Y':
            return doYMD;
        case 'M':
            return doMDY;
        case 'D':
            return doDMY;
        default:
            break;
        }
    }
    return doMDY;
}

// Reads dates and times from a text position by position; each Scan... step skips leading blanks.
class TDateTimeScanner {
public:
    TDateTimeScanner(const QString& S, const TFormatSettings& Settings) : FS(S), FSettings(Settings) {}

    bool AtEnd() const { return FPos >= FS.size(); }
    bool ScanDate(TDateTime& Date);
    bool ScanTime(TDateTime& Time);

private:
    bool ScanBlanks();
    bool ScanChar(QChar Ch);
    bool ScanNumber(uint16_t& Number, int32_t& Digits);
    bool ScanString(const QString& Symbol);
    bool ScanAmPm(int32_t& BaseHour);

    const QString& FS;
    const TFormatSettings& FSettings;
    qsizetype FPos = 0;
};

bool TDateTimeScanner::ScanBlanks()
{
    const qsizetype start = FPos;
    while (FPos < FS.size() && FS[FPos] == u' ')
        ++FPos;
    return FPos > start;
}

bool TDateTimeScanner::ScanChar(QChar Ch)
{
    if (Ch == u' ' && ScanBlanks())
        return true;
    ScanBlanks();
    if (FPos < FS.size() && FS[FPos] == Ch) {
        ++FPos;
        return true;
    }
    return false;
}

// Digits into Number; digits stop being read once Number reaches 1000.
bool TDateTimeScanner::ScanNumber(uint16_t& Number, int32_t& Digits)
{
    ScanBlanks();
    qsizetype i = FPos;
    uint16_t n = 0;
    while (i < FS.size() && FS[i] >= u'0' && FS[i] <= u'9' && n < 1000)
        n = static_cast<uint16_t>(n * 10 + (FS[i++].unicode() - u'0'));
    if (i == FPos)
        return false;
    Digits = static_cast<int32_t>(i - FPos);
    FPos = i;
    Number = n;
    return true;
}

bool TDateTimeScanner::ScanString(const QString& Symbol)
{
    if (Symbol.isEmpty())
        return false;
    ScanBlanks();
    if (QStringView(FS).mid(FPos, Symbol.size()).compare(Symbol, Qt::CaseInsensitive) != 0)
        return false;
    FPos += Symbol.size();
    return true;
}

// BaseHour becomes 0 after an AM marker, 12 after a PM marker.
bool TDateTimeScanner::ScanAmPm(int32_t& BaseHour)
{
    if (ScanString(FSettings.TimeAMString) || ScanString(QStringLiteral("AM")))
        BaseHour = 0;
    else if (ScanString(FSettings.TimePMString) || ScanString(QStringLiteral("PM")))
        BaseHour = 12;
    else
        return false;
    return true;
}

bool TDateTimeScanner::ScanDate(TDateTime& Date)
{
    const TDateOrder order = GetDateOrder(FSettings.ShortDateFormat);
    uint16_t n1, n2, n3;
    int32_t l1, l2, l3;
    if (!(ScanNumber(n1, l1) && ScanChar(FSettings.DateSeparator) && ScanNumber(n2, l2)))
        return false;
    int32_t year, month, day;
    if (ScanChar(FSettings.DateSeparator)) {
        if (!ScanNumber(n3, l3))
            return false;
        year = order == doYMD ? n1 : n3;
        month = order == doMDY ? n1 : n2;
        day = order == doMDY ? n2 : order == doDMY ? n1 : n3;
        const int32_t yearDigits = order == doYMD ? l1 : l3;
        if (yearDigits <= 2) {
            const int32_t centuryBase = CurrentYear() - FSettings.TwoDigitYearCenturyWindow;
            year += centuryBase / 100 * 100;
            if (FSettings.TwoDigitYearCenturyWindow > 0 && year < centuryBase)
                year += 100;
        }
    } else {
        year = CurrentYear();
        month = order == doDMY ? n2 : n1;
        day = order == doDMY ? n1 : n2;
    }
    ScanChar(FSettings.DateSeparator);
    ScanBlanks();
    return TryEncodeDate(year, month, day, Date);
}

bool TDateTimeScanner::ScanTime(TDateTime& Time)
{
    int32_t baseHour = -1;
    if (ScanAmPm(baseHour))
        ScanBlanks();
    uint16_t hour, min = 0, sec = 0, msec = 0;
    int32_t digits;
    if (!ScanNumber(hour, digits))
        return false;
    if (ScanChar(FSettings.TimeSeparator)) {
        if (!ScanNumber(min, digits))
            return false;
        if (ScanChar(FSettings.TimeSeparator)) {
            if (!ScanNumber(sec, digits))
                return false;
            if (ScanChar(FSettings.DecimalSeparator) && !ScanNumber(msec, digits))
                return false;
        }
    }
    if (baseHour < 0)
        ScanAmPm(baseHour);
    if (baseHour >= 0) {
        if (hour == 0 || hour > 12)
            return false;
        hour = static_cast<uint16_t>(hour % 12 + baseHour);
    }
    ScanBlanks();
    return TryEncodeTime(hour, min, sec, msec, Time);
}

[[noreturn]] void ConvertError(const char* Format, const QString& S)
{
    throw EConvertError(QString::fromLatin1(Format).arg(S));
}

}  // namespace

bool IsLeapYear(uint16_t Year)
{
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

uint16_t DaysInAMonth(uint16_t AYear, uint16_t AMonth)
{
    return MonthDays[IsLeapYear(AYear)][AMonth];
}

TDateTime EncodeDate(uint16_t Year, uint16_t Month, uint16_t Day)
{
    TDateTime date;
    if (!TryEncodeDate(Year, Month, Day, date))
        DateEncodeError();
    return date;
}

bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Date)
{
    const TDayTable& days = MonthDays[IsLeapYear(Year)];
    if (Year < 1 || Year > 9999 || Day < 1 || Day > days[Month])
        return false;
    int32_t dayOfYear = Day;
    for (int32_t m = 1; m < Month; ++m)
        dayOfYear += days[m];
    const int32_t y = Year - 1;
    Date = y * 365 + y / 4 - y / 100 + y / 400 + dayOfYear - DateDelta;
    return true;
}

void DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day)
{
    constexpr int64_t D1 = 365;           // days of a year
    constexpr int64_t D4 = D1 * 4 + 1;    // of four years
    constexpr int64_t D100 = D4 * 25 - 1; // of a century
    constexpr int64_t D400 = D100 * 4 + 1;
    int64_t days = DateTimeToTimeStamp(Date).Date;
    if (days <= 0) {
        Year = Month = Day = 0;
        return;
    }
    --days;
    int64_t year = 1 + days / D400 * 400;
    days %= D400;
    // The last day of a 400-year (4-year) cycle belongs to its last century (year).
    const int64_t centuries = std::min<int64_t>(days / D100, 3);
    days -= centuries * D100;
    year += centuries * 100 + days / D4 * 4;
    days %= D4;
    const int64_t years = std::min<int64_t>(days / D1, 3);
    days -= years * D1;
    year += years;
    const TDayTable& table = MonthDays[IsLeapYear(static_cast<uint16_t>(year))];
    int32_t month = 1;
    while (days >= table[month])
        days -= table[month++];
    Year = static_cast<uint16_t>(year);
    Month = static_cast<uint16_t>(month);
    Day = static_cast<uint16_t>(days + 1);
}

TDateTime EncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec)
{
    TDateTime time;
    if (!TryEncodeTime(Hour, Min, Sec, MSec, time))
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return time;
}

bool TryEncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec, TDateTime& Time)
{
    if (Hour >= HoursPerDay || Min >= MinsPerHour || Sec >= SecsPerMin || MSec >= MSecsPerSec)
        return false;
    Time = (((Hour * MinsPerHour + Min) * SecsPerMin + Sec) * MSecsPerSec + MSec) / double(MSecsPerDay);
    return true;
}

void DecodeTime(TDateTime Time, uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec)
{
    const int32_t msecs = DateTimeToTimeStamp(Time).Time;
    Hour = static_cast<uint16_t>(msecs / (MinsPerHour * SecsPerMin * MSecsPerSec));
    Min = static_cast<uint16_t>(msecs / (SecsPerMin * MSecsPerSec) % MinsPerHour);
    Sec = static_cast<uint16_t>(msecs / MSecsPerSec % SecsPerMin);
    MSec = static_cast<uint16_t>(msecs % MSecsPerSec);
}

int32_t DayOfWeek(TDateTime DateTime)
{
    return static_cast<int32_t>(DateTimeToTimeStamp(DateTime).Date % 7 + 1);
}

TDateTime IncMonth(TDateTime DateTime, int32_t NumberOfMonths)
{
    uint16_t year, month, day;
    DecodeDate(DateTime, year, month, day);
    int32_t newYear = year + NumberOfMonths / 12;
    int32_t newMonth = month + NumberOfMonths % 12;
    if (newMonth < 1) {
        newMonth += 12;
        --newYear;
    } else if (newMonth > 12) {
        newMonth -= 12;
        ++newYear;
    }
    if (newYear < 1 || newYear > 9999)
        DateEncodeError();
    const TDateTime date = EncodeDate(newYear, newMonth, std::min(day, DaysInAMonth(newYear, newMonth)));
    // The time of day is an absolute fraction on either side of day 0.
    const TDateTime time = std::abs(DateTime - Trunc(DateTime));
    return date >= 0 ? date + time : date - time;
}

TDateTime Now()
{
    const std::function<TDateTime()>& clock = ClockOverride();
    return clock ? clock() : SystemNow();
}

TDateTime Date()
{
    return Trunc(Now());
}

TDateTime Time()
{
    uint16_t hour, min, sec, msec;
    DecodeTime(Now(), hour, min, sec, msec);
    return EncodeTime(hour, min, sec, msec);
}

void SetClock(std::function<TDateTime()> Clock)
{
    ClockOverride() = std::move(Clock);
}

void ResetClock()
{
    ClockOverride() = nullptr;
}

QString FormatDateTime(const QString& Format, TDateTime DateTime, const TFormatSettings& Settings)
{
    return TDateTimeFormatter(DateTime, Settings).Format(Format);
}

QString DateToStr(TDateTime Date, const TFormatSettings& Settings)
{
    return FormatDateTime(Settings.ShortDateFormat, Date, Settings);
}

QString TimeToStr(TDateTime Time, const TFormatSettings& Settings)
{
    return FormatDateTime(Settings.LongTimeFormat, Time, Settings);
}

QString DateTimeToStr(TDateTime DateTime, const TFormatSettings& Settings)
{
    return FormatDateTime(QString(), DateTime, Settings);
}

bool TryStrToDate(const QString& S, TDateTime& Value, const TFormatSettings& Settings)
{
    TDateTimeScanner scanner(S, Settings);
    return scanner.ScanDate(Value) && scanner.AtEnd();
}

TDateTime StrToDate(const QString& S, const TFormatSettings& Settings)
{
    TDateTime value;
    if (!TryStrToDate(S, value, Settings))
        ConvertError("'%1' is not a valid date", S);
    return value;
}

TDateTime StrToDateDef(const QString& S, TDateTime Default, const TFormatSettings& Settings)
{
    TDateTime value;
    return TryStrToDate(S, value, Settings) ? value : Default;
}

bool TryStrToTime(const QString& S, TDateTime& Value, const TFormatSettings& Settings)
{
    TDateTimeScanner scanner(S, Settings);
    return scanner.ScanTime(Value) && scanner.AtEnd();
}

TDateTime StrToTime(const QString& S, const TFormatSettings& Settings)
{
    TDateTime value;
    if (!TryStrToTime(S, value, Settings))
        ConvertError("'%1' is not a valid time", S);
    return value;
}

TDateTime StrToTimeDef(const QString& S, TDateTime Default, const TFormatSettings& Settings)
{
    TDateTime value;
    return TryStrToTime(S, value, Settings) ? value : Default;
}

bool TryStrToDateTime(const QString& S, TDateTime& Value, const TFormatSettings& Settings)
{
    TDateTimeScanner scanner(S, Settings);
    TDateTime date;
    TDateTime time = 0;
    if (scanner.ScanDate(date) && (scanner.AtEnd() || (scanner.ScanTime(time) && scanner.AtEnd()))) {
        Value = date >= 0 ? date + time : date - time;
        return true;
    }
    return TryStrToTime(S, Value, Settings);
}

TDateTime StrToDateTime(const QString& S, const TFormatSettings& Settings)
{
    TDateTime value;
    if (!TryStrToDateTime(S, value, Settings))
        ConvertError("'%1' is not a valid date and time", S);
    return value;
}

TDateTime StrToDateTimeDef(const QString& S, TDateTime Default, const TFormatSettings& Settings)
{
    TDateTime value;
    return TryStrToDateTime(S, value, Settings) ? value : Default;
}
