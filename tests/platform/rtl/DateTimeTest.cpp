// TDateTime: calendar encoding, negative dates, months, the clock, FormatDateTime and the date/time parsers.
#include "rtl/DateTime.h"
#include "rtl/Exceptions.h"
#include "rtl/NumConv.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <string>

namespace {

TDateTime DT(uint16_t Year, uint16_t Month, uint16_t Day, uint16_t Hour = 0, uint16_t Min = 0, uint16_t Sec = 0,
             uint16_t MSec = 0)
{
    return EncodeDate(Year, Month, Day) + EncodeTime(Hour, Min, Sec, MSec);
}

// The message of the EConvertError that Action raises, "" when it raises none.
template <typename TAction>
std::string ConvertErrorOf(TAction Action)
{
    try {
        Action();
    } catch (const EConvertError& e) {
        return e.Message().toStdString();
    }
    return {};
}

// The message of a failed conversion of S to What ("date", "time", "date and time").
std::string NotValid(const char* S, const char* What)
{
    return QStringLiteral("'%1' is not a valid %2").arg(QString::fromUtf8(S), QString::fromLatin1(What)).toStdString();
}

// The calendar date of a value, as "yyyy-mm-dd".
std::string Ymd(TDateTime Value)
{
    uint16_t year, month, day;
    DecodeDate(Value, year, month, day);
    return QStringLiteral("%1-%2-%3")
        .arg(year, 4, 10, QChar(u'0'))
        .arg(month, 2, 10, QChar(u'0'))
        .arg(day, 2, 10, QChar(u'0'))
        .toStdString();
}

}  // namespace

// The clock stands at 2024-06-15 14:30, so a missing year is 2024 and two-digit years pivot on 1974.
class DateTimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetClock([] { return DT(2024, 6, 15, 14, 30); });
    }
    void TearDown() override { ResetClock(); }

    // en-US settings with another short date format and date separator.
    static TFormatSettings WithDates(const char* ShortDateFormat, QChar DateSeparator)
    {
        TFormatSettings settings = TFormatSettings::Invariant();
        settings.ShortDateFormat = QString::fromLatin1(ShortDateFormat);
        settings.DateSeparator = DateSeparator;
        return settings;
    }
};

TEST(DateEncodingTest, DatesRoundTripThroughTheirDayNumbers)
{
    struct TCase {
        uint16_t Year, Month, Day;
        TDateTime Value;
    };
    const TCase cases[] = {
        {1899, 12, 30, 0},     {1899, 12, 31, 1},     {1899, 12, 29, -1},   {1900, 1, 1, 2},
        {1900, 3, 1, 61},      // 1900 is not a leap year
        {2000, 2, 29, 36585},  {2024, 2, 29, 45351},  {2024, 12, 31, 45657}, {1, 1, 1, -693593},
        {9999, 12, 31, 2958465},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Year << "-" << c.Month << "-" << c.Day);
        EXPECT_EQ(EncodeDate(c.Year, c.Month, c.Day), c.Value);
        uint16_t year, month, day;
        DecodeDate(c.Value, year, month, day);
        EXPECT_EQ(year, c.Year);
        EXPECT_EQ(month, c.Month);
        EXPECT_EQ(day, c.Day);
    }
}

TEST(DateEncodingTest, EveryDayOfFourHundredYearsRoundTrips)
{
    // Covers every leap-year rule and the ends of the 4-, 100- and 400-year cycles.
    TDateTime expected = EncodeDate(1800, 1, 1);
    for (uint16_t year = 1800; year < 2200; ++year) {
        for (uint16_t month = 1; month <= 12; ++month) {
            for (uint16_t day = 1; day <= DaysInAMonth(year, month); ++day) {
                ASSERT_EQ(EncodeDate(year, month, day), expected) << year << "-" << month << "-" << day;
                uint16_t y, m, d;
                DecodeDate(expected, y, m, d);
                ASSERT_TRUE(y == year && m == month && d == day) << year << "-" << month << "-" << day;
                expected += 1;
            }
        }
    }
}

TEST(DateEncodingTest, InvalidDatesAreRejected)
{
    struct TCase {
        uint16_t Year, Month, Day;
    };
    const TCase cases[] = {{2023, 2, 29}, {1900, 2, 29}, {2024, 4, 31}, {2024, 13, 1}, {2024, 0, 1},
                           {2024, 1, 0},  {0, 1, 1},     {10000, 1, 1}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Year << "-" << c.Month << "-" << c.Day);
        TDateTime value = 42;
        EXPECT_FALSE(TryEncodeDate(c.Year, c.Month, c.Day, value));
        EXPECT_EQ(value, 42);
        EXPECT_EQ(ConvertErrorOf([&] { EncodeDate(c.Year, c.Month, c.Day); }), "Invalid argument to date encode");
    }
}

TEST(DateEncodingTest, LeapYearsAndMonthLengths)
{
    struct TCase {
        uint16_t Year;
        bool Leap;
    };
    const TCase cases[] = {{1900, false}, {2000, true}, {2024, true}, {2023, false}, {2100, false}, {1600, true}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Year);
        EXPECT_EQ(IsLeapYear(c.Year), c.Leap);
        EXPECT_EQ(DaysInAMonth(c.Year, 2), c.Leap ? 29 : 28);
    }
    EXPECT_EQ(DaysInAMonth(2023, 4), 30);
    EXPECT_EQ(DaysInAMonth(2023, 12), 31);
    EXPECT_EQ(DaysInAMonth(2023, 13), 0);
    EXPECT_EQ(MonthDays[true][2], 29);
    EXPECT_EQ(MonthDays[false][1], 31);
}

TEST(TimeEncodingTest, TimesRoundTripToTheMillisecond)
{
    EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    const uint16_t cases[][4] = {{0, 0, 0, 0}, {0, 0, 0, 1}, {12, 34, 56, 789}, {23, 59, 59, 999}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c[0] << ":" << c[1] << ":" << c[2] << "." << c[3]);
        uint16_t hour, min, sec, msec;
        DecodeTime(EncodeTime(c[0], c[1], c[2], c[3]), hour, min, sec, msec);
        EXPECT_EQ(hour, c[0]);
        EXPECT_EQ(min, c[1]);
        EXPECT_EQ(sec, c[2]);
        EXPECT_EQ(msec, c[3]);
    }
}

TEST(TimeEncodingTest, InvalidTimesAreRejected)
{
    const uint16_t cases[][4] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c[0] << ":" << c[1] << ":" << c[2] << "." << c[3]);
        TDateTime value;
        EXPECT_FALSE(TryEncodeTime(c[0], c[1], c[2], c[3], value));
        EXPECT_EQ(ConvertErrorOf([&] { EncodeTime(c[0], c[1], c[2], c[3]); }), "Invalid argument to time encode");
    }
}

TEST(TimeEncodingTest, DecodingRoundsToTheNearestMillisecond)
{
    uint16_t hour, min, sec, msec;
    DecodeTime(EncodeTime(10, 0, 0, 0) + 0.4 / MSecsPerDay, hour, min, sec, msec);
    EXPECT_EQ(msec, 0);
    DecodeTime(EncodeTime(10, 0, 0, 0) + 0.6 / MSecsPerDay, hour, min, sec, msec);
    EXPECT_EQ(msec, 1);
    // Half a millisecond before midnight rounds into the next day.
    const TDateTime almostMidnight = EncodeDate(2024, 2, 28) + 1 - 0.4 / MSecsPerDay;
    DecodeTime(almostMidnight, hour, min, sec, msec);
    EXPECT_EQ(hour + min + sec + msec, 0);
    EXPECT_EQ(Ymd(almostMidnight), "2024-02-29");
}

TEST(NegativeDateTest, FractionIsAnAbsoluteTimeOfDay)
{
    const TDateTime value = -1.25;  // 1899-12-29 06:00
    EXPECT_EQ(EncodeDate(1899, 12, 29) - EncodeTime(6, 0, 0, 0), value);
    EXPECT_EQ(Ymd(value), "1899-12-29");
    uint16_t hour, min, sec, msec;
    DecodeTime(value, hour, min, sec, msec);
    EXPECT_EQ(hour, 6);
    EXPECT_EQ(DayOfWeek(value), 6);  // a Friday
    EXPECT_EQ(FormatDateTime(QStringLiteral("yyyy-mm-dd hh:nn"), value, TFormatSettings::Invariant()).toStdString(),
              "1899-12-29 06:00");

    // -0.5 lies on day 0 itself: 1899-12-30 12:00.
    EXPECT_EQ(Ymd(-0.5), "1899-12-30");
    DecodeTime(-0.5, hour, min, sec, msec);
    EXPECT_EQ(hour, 12);
}

TEST(CalendarTest, DayOfWeekCountsFromSunday)
{
    struct TCase {
        TDateTime Date;
        int32_t Expected;
    };
    const TCase cases[] = {
        {0, 7},                                  // 1899-12-30, a Saturday
        {EncodeDate(2024, 6, 16), 1},            // Sunday
        {EncodeDate(2024, 6, 17) + 0.99, 2},     // Monday evening
        {EncodeDate(2000, 1, 1), 7},
        {EncodeDate(1, 1, 1), 2},                // a Monday in the proleptic calendar
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(Ymd(c.Date));
        EXPECT_EQ(DayOfWeek(c.Date), c.Expected);
    }
}

TEST(CalendarTest, IncMonthClampsTheDayAndKeepsTheTime)
{
    struct TCase {
        TDateTime From;
        int32_t Months;
        TDateTime Expected;
    };
    const TCase cases[] = {
        {DT(2024, 1, 31), 1, DT(2024, 2, 29)},
        {DT(2023, 1, 31), 1, DT(2023, 2, 28)},
        {DT(2024, 3, 31), -1, DT(2024, 2, 29)},
        {DT(2024, 1, 15), -1, DT(2023, 12, 15)},
        {DT(2024, 12, 15), 1, DT(2025, 1, 15)},
        {DT(2024, 5, 10, 18), 25, DT(2026, 6, 10, 18)},
        {DT(2024, 5, 10), -17, DT(2022, 12, 10)},
        {DT(2024, 5, 10), -12, DT(2023, 5, 10)},
        {DT(2024, 5, 10), 0, DT(2024, 5, 10)},
        {-1.25, 1, DT(1900, 1, 29, 6)},  // the time stays 06:00 when the date turns positive
        {DT(1900, 1, 29, 6), -1, -1.25},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << Ymd(c.From) << " + " << c.Months);
        EXPECT_DOUBLE_EQ(IncMonth(c.From, c.Months), c.Expected);
    }
    EXPECT_DOUBLE_EQ(IncMonth(DT(2024, 8, 31)), DT(2024, 9, 30));
    EXPECT_THROW(IncMonth(DT(9999, 12, 1), 1), EConvertError);
    EXPECT_THROW(IncMonth(DT(1, 1, 1), -1), EConvertError);
}

TEST_F(DateTimeTest, ClockIsReplaceable)
{
    EXPECT_EQ(Now(), DT(2024, 6, 15, 14, 30));
    EXPECT_EQ(Date(), DT(2024, 6, 15));
    EXPECT_EQ(Time(), EncodeTime(14, 30, 0, 0));

    ResetClock();
    const auto read = [] {
        const QDateTime now = QDateTime::currentDateTime();
        return DT(now.date().year(), now.date().month(), now.date().day(), now.time().hour(), now.time().minute(),
                  now.time().second(), now.time().msec());
    };
    const TDateTime before = read();
    const TDateTime now = Now();
    const TDateTime after = read();
    EXPECT_LE(before, now);
    EXPECT_LE(now, after);
}

TEST(FormatDateTimeTest, EverySpecifier)
{
    // Tuesday 2024-03-05 14:07:09.045
    const TDateTime value = DT(2024, 3, 5, 14, 7, 9, 45);
    struct TCase {
        const char* Format;
        const char* Expected;
    };
    const TCase cases[] = {
        {"d", "5"}, {"dd", "05"}, {"ddd", "Tue"}, {"dddd", "Tuesday"},
        {"ddddd", "3/5/2024"}, {"dddddd", "Tuesday, March 5, 2024"}, {"ddddddd", "Tuesday, March 5, 2024"},
        {"m", "3"}, {"mm", "03"}, {"mmm", "Mar"}, {"mmmm", "March"}, {"mmmmm", "March"},
        {"y", "24"}, {"yy", "24"}, {"yyy", "2024"}, {"yyyy", "2024"},
        {"h", "14"}, {"hh", "14"}, {"hhh", "14"}, {"n", "7"}, {"nn", "07"}, {"s", "9"}, {"ss", "09"},
        {"z", "45"}, {"zz", "45"}, {"zzz", "045"}, {"zzzz", "045"},
        {"t", "2:07 PM"}, {"tt", "2:07:09 PM"}, {"c", "3/5/2024 2:07:09 PM"}, {"", "3/5/2024 2:07:09 PM"},
        {"aaa", "Tue"}, {"aaaa", "Tuesday"}, {"AAAA", "Tuesday"},
        // Letters in either case, and runs only of the same case.
        {"YYYY-MM-DD", "2024-03-05"}, {"Dd", "55"},
        // m right after an hour means minutes; any other letter in between ends that.
        {"h:m", "14:7"}, {"hh:mm", "14:07"}, {"h:mm:mm", "14:07:03"}, {"mm:ss", "03:09"},
        {"hh x mm", "14 x 03"}, {"hh 'x' mm", "14 x 07"}, {"HH MM", "14 07"},
        // 12-hour clock and markers kept as written.
        {"h AM/PM", "2 PM"}, {"h am/pm", "2 pm"}, {"h Am/pM", "2 pM"}, {"h a/p", "2 p"}, {"h A/P", "2 P"},
        {"h ampm", "2 PM"}, {"hh:nn AMPM", "02:07 PM"}, {"ampm h", "PM 2"},
        {"h 'am/pm'", "14 am/pm"},  // a quoted marker does not switch the clock
        {"h h am/pm", "14 2 pm"},   // each hour looks ahead only to the next hour
        {"h a", "14 a"}, {"h aa", "14 aa"},
        // Separators and literals.
        {"yyyy/mm/dd", "2024/03/05"}, {"hh:nn", "14:07"}, {"'yyyy' \"mm\" 'it''s'", "yyyy mm its"},
        {"'open", "open"}, {"x#1", "x#1"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Format);
        EXPECT_EQ(FormatDateTime(QString::fromLatin1(c.Format), value, TFormatSettings::Invariant()).toStdString(),
                  c.Expected);
    }
}

TEST(FormatDateTimeTest, TwelveHourClockAroundMidnightAndNoon)
{
    struct TCase {
        uint16_t Hour;
        const char* Expected;
    };
    // The hour after the marker stays on the 12-hour clock.
    const TCase cases[] = {{0, "12:05 a | 12"}, {11, "11:05 a | 11"}, {12, "12:05 p | 12"}, {23, "11:05 p | 11"}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Hour);
        EXPECT_EQ(FormatDateTime(QStringLiteral("h:nn a/p | hh"), EncodeTime(c.Hour, 5, 0, 0),
                                 TFormatSettings::Invariant())
                      .toStdString(),
                  c.Expected);
    }
}

TEST(FormatDateTimeTest, SettingsProvideSeparatorsNamesAndNestedFormats)
{
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.DateSeparator = u'.';
    settings.TimeSeparator = u'-';
    settings.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    settings.LongTimeFormat = QStringLiteral("hh:nn:ss");
    settings.TimeAMString = QStringLiteral("vorm.");
    settings.TimePMString = QStringLiteral("nachm.");
    settings.ShortMonthNames[2] = QStringLiteral("Mrz");
    const TDateTime value = DT(2024, 3, 5, 9, 7, 9);
    EXPECT_EQ(FormatDateTime(QStringLiteral("c"), value, settings).toStdString(), "05.03.2024 09-07-09");
    EXPECT_EQ(FormatDateTime(QStringLiteral("d mmm h:nn ampm"), value, settings).toStdString(), "5 Mrz 9-07 vorm.");

    settings.DateSeparator = QChar();  // no separator at all
    EXPECT_EQ(FormatDateTime(QStringLiteral("yyyy/mm/dd"), value, settings).toStdString(), "20240305");

    // Formats nest two levels deep at most, so a self-referring format ends.
    settings.ShortDateFormat = QStringLiteral("dd ddddd");
    EXPECT_EQ(FormatDateTime(QStringLiteral("ddddd"), value, settings).toStdString(), "05 ");
    EXPECT_EQ(FormatDateTime(QStringLiteral("[c]"), EncodeDate(2024, 3, 5), settings).toStdString(), "[05 ]");
}

TEST(FormatDateTimeTest, DateAndTimeTextsUseTheSettingsInForce)
{
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.DateSeparator = u'.';
    settings.ShortDateFormat = QStringLiteral("dd/MM/yyyy");
    settings.LongTimeFormat = QStringLiteral("hh:nn:ss");
    const TFormatSettingsScope scope(settings);
    EXPECT_EQ(DateToStr(DT(2024, 3, 5, 14, 7, 9)).toStdString(), "05.03.2024");
    EXPECT_EQ(TimeToStr(DT(2024, 3, 5, 14, 7, 9)).toStdString(), "14:07:09");
    EXPECT_EQ(DateTimeToStr(DT(2024, 3, 5, 14, 7, 9)).toStdString(), "05.03.2024 14:07:09");
    EXPECT_EQ(DateTimeToStr(DT(2024, 3, 5)).toStdString(), "05.03.2024");  // midnight: no time
    EXPECT_EQ(DateTimeToStr(DT(2024, 3, 5, 0, 0, 0, 1)).toStdString(), "05.03.2024 00:00:00");
    EXPECT_EQ(DateTimeToStr(EncodeTime(14, 7, 9, 0)).toStdString(), "30.12.1899 14:07:09");
}

TEST_F(DateTimeTest, StrToDateReadsTheOrderOfTheShortDateFormat)
{
    struct TCase {
        const char* Format;
        char Separator;
        const char* S;
        const char* Expected;
    };
    const TCase cases[] = {
        {"M/d/yyyy", '/', "3/5/2023", "2023-03-05"},
        {"M/d/yyyy", '/', "12/31/1999", "1999-12-31"},
        {"M/d/yyyy", '/', "3/5", "2024-03-05"},  // the current year
        {"dd/MM/yyyy", '/', "3/5/2023", "2023-05-03"},
        {"dd/MM/yyyy", '/', "31/12/1999", "1999-12-31"},
        {"dd/MM/yyyy", '/', "3/5", "2024-05-03"},
        {"dd.MM.yyyy", '.', "03.05.2023", "2023-05-03"},
        {"yyyy-MM-dd", '-', "2023-05-03", "2023-05-03"},
        {"yyyy-MM-dd", '-', "5-3", "2024-05-03"},  // without a year the month comes first
        {"M/d/yyyy", '/', " 3 / 5 / 2023 ", "2023-03-05"},
        {"M/d/yyyy", '/', "3/5/2023/", "2023-03-05"},  // one trailing separator is allowed
        {"M/d/yyyy", '/', "03/05/0023", "0023-03-05"},  // four digits are taken as written
        {"M/d/yyyy", ' ', "3 5 2023", "2023-03-05"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Format) + " : " + c.S);
        TDateTime value = -7;
        ASSERT_TRUE(TryStrToDate(c.S, value, WithDates(c.Format, QChar(c.Separator))));
        EXPECT_EQ(Ymd(value), c.Expected);
        EXPECT_EQ(value, Trunc(value));
    }
}

TEST_F(DateTimeTest, TwoDigitYearsFallInTheCenturyWindow)
{
    struct TCase {
        int Window;
        const char* S;
        const char* Expected;
    };
    const TCase cases[] = {
        {50, "1/1/74", "1974-01-01"},  // 2024 - 50 = 1974 starts the window
        {50, "1/1/73", "2073-01-01"},
        {50, "1/1/99", "1999-01-01"},
        {50, "1/1/05", "2005-01-01"},
        {50, "1/1/0", "2000-01-01"},
        {50, "1/1/005", "0005-01-01"},  // three digits are no two-digit year
        {10, "1/1/14", "2014-01-01"},
        {10, "1/1/13", "2113-01-01"},
        {0, "1/1/99", "2099-01-01"},  // no window: the current century
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Window << " : " << c.S);
        TFormatSettings settings = TFormatSettings::Invariant();
        settings.TwoDigitYearCenturyWindow = c.Window;
        EXPECT_EQ(Ymd(StrToDate(c.S, settings)), c.Expected);
    }
}

TEST_F(DateTimeTest, BadDatesRaise)
{
    struct TCase {
        const char* Format;
        const char* S;
    };
    const TCase cases[] = {
        {"dd/MM/yyyy", "31/02/2023"}, {"dd/MM/yyyy", "29/2/2023"}, {"M/d/yyyy", "13/1/2023"},
        {"M/d/yyyy", "0/1/2023"},     {"M/d/yyyy", "1/2/2023 10:00"}, {"M/d/yyyy", ""},
        {"M/d/yyyy", "1/"},           {"M/d/yyyy", "/1/2"},         {"M/d/yyyy", "1-2-2023"},
        {"M/d/yyyy", "a1/2/2023"},    {"M/d/yyyy", "1/2/20231"},     {"M/d/yyyy", "1/2/2023x"},
        {"M/d/yyyy", "1/2//2023"},    {"M/d/yyyy", "\t1/2/2023"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Format) + " : " + c.S);
        const TFormatSettings settings = WithDates(c.Format, u'/');
        TDateTime value = 7;
        EXPECT_FALSE(TryStrToDate(c.S, value, settings));
        EXPECT_EQ(StrToDateDef(c.S, 7, settings), 7);
        EXPECT_EQ(ConvertErrorOf([&] { StrToDate(c.S, settings); }), NotValid(c.S, "date"));
    }
}

TEST_F(DateTimeTest, StrToTimeReadsHoursMinutesSecondsAndMarkers)
{
    struct TCase {
        const char* S;
        TDateTime Expected;
    };
    const TCase cases[] = {
        {"14:07", EncodeTime(14, 7, 0, 0)},
        {"14:07:09", EncodeTime(14, 7, 9, 0)},
        {" 14 : 07 : 09 ", EncodeTime(14, 7, 9, 0)},
        {"5", EncodeTime(5, 0, 0, 0)},  // an hour alone
        {"10:20:30.5", EncodeTime(10, 20, 30, 5)},  // milliseconds read as a whole number
        {"10:20:30.500", EncodeTime(10, 20, 30, 500)},
        {"2:07 PM", EncodeTime(14, 7, 0, 0)},
        {"2:07pm", EncodeTime(14, 7, 0, 0)},
        {"12:00 AM", 0},
        {"12:30 PM", EncodeTime(12, 30, 0, 0)},
        {"PM 2:07", EncodeTime(14, 7, 0, 0)},
        {"am 9", EncodeTime(9, 0, 0, 0)},
        {"9:15 a.m.", EncodeTime(9, 15, 0, 0)},  // the settings' markers
        {"9:15 p.m.", EncodeTime(21, 15, 0, 0)},
    };
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.TimeAMString = QStringLiteral("a.m.");
    settings.TimePMString = QStringLiteral("p.m.");
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.S);
        EXPECT_DOUBLE_EQ(StrToTime(c.S, settings), c.Expected);
    }
    settings.TimeSeparator = u'.';
    settings.DecimalSeparator = u',';
    EXPECT_DOUBLE_EQ(StrToTime(QStringLiteral("14.07.09,250"), settings), EncodeTime(14, 7, 9, 250));
}

TEST_F(DateTimeTest, BadTimesRaise)
{
    const char* cases[] = {"24:00", "13:00 PM", "0:30 AM", "10:60", "10:00:60", "10:", ":10",
                           "10:20 x", "", "1/2/2023", "10:20:30.", "AM"};
    for (const char* s : cases) {
        SCOPED_TRACE(s);
        TDateTime value;
        EXPECT_FALSE(TryStrToTime(s, value, TFormatSettings::Invariant()));
        EXPECT_EQ(StrToTimeDef(s, 3, TFormatSettings::Invariant()), 3);
        EXPECT_EQ(ConvertErrorOf([&] { StrToTime(s, TFormatSettings::Invariant()); }),
                  NotValid(s, "time"));
    }
}

TEST_F(DateTimeTest, StrToDateTimeTakesADateATimeOrBoth)
{
    struct TCase {
        const char* S;
        TDateTime Expected;
    };
    const TCase cases[] = {
        {"3/5/2023 14:07", DT(2023, 3, 5, 14, 7)},
        {"3/5/2023 2:07:09 PM", DT(2023, 3, 5, 14, 7, 9)},
        {"3/5/2023 PM 2:07", DT(2023, 3, 5, 14, 7)},
        {"3/5/2023", DT(2023, 3, 5)},
        {"3/5 8:00", DT(2024, 3, 5, 8)},
        {"14:07", EncodeTime(14, 7, 0, 0)},
        {"12/29/1899 06:00", -1.25},  // the time counts forwards from a negative day
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.S);
        EXPECT_DOUBLE_EQ(StrToDateTime(c.S, TFormatSettings::Invariant()), c.Expected);
    }
    for (const char* s : {"3/5/2023 25:00", "3/5/2023 x", "2/30/2023 10:00", "x"}) {
        SCOPED_TRACE(s);
        EXPECT_EQ(StrToDateTimeDef(s, 9, TFormatSettings::Invariant()), 9);
        EXPECT_EQ(ConvertErrorOf([&] { StrToDateTime(s, TFormatSettings::Invariant()); }),
                  NotValid(s, "date and time"));
    }
}

TEST_F(DateTimeTest, TextsRoundTripUnderTheSettingsInForce)
{
    struct TCase {
        const char* Format;
        char Separator;
    };
    const TCase cases[] = {{"M/d/yyyy", '/'}, {"dd.MM.yyyy", '.'}, {"yyyy-MM-dd", '-'}, {"d/M/yy", '/'}};
    const TDateTime value = DT(2031, 11, 7, 16, 45, 12);
    const double halfMSec = 0.5 / MSecsPerDay;  // sums of dates and times are exact to well within this
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Format);
        const TFormatSettingsScope scope(WithDates(c.Format, QChar(c.Separator)));
        EXPECT_EQ(StrToDate(DateToStr(value)), Trunc(value));
        EXPECT_NEAR(StrToTime(TimeToStr(value)), value - Trunc(value), halfMSec);
        EXPECT_NEAR(StrToDateTime(DateTimeToStr(value)), value, halfMSec);
    }
}
