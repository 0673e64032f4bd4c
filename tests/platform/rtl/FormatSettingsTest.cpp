// Invariant and locale settings, the translation of Qt's date and time patterns, and overrides.
#include "rtl/DateTime.h"
#include "rtl/FormatSettings.h"

#include <gtest/gtest.h>

#include <QLocale>

TEST(FormatSettingsTest, InvariantIsEnUs)
{
    const TFormatSettings s = TFormatSettings::Invariant();
    EXPECT_EQ(s.DecimalSeparator, u'.');
    EXPECT_EQ(s.ThousandSeparator, u',');
    EXPECT_EQ(s.DateSeparator, u'/');
    EXPECT_EQ(s.TimeSeparator, u':');
    EXPECT_EQ(s.ShortDateFormat, QStringLiteral("M/d/yyyy"));
    EXPECT_EQ(s.LongTimeFormat, QStringLiteral("h:mm:ss AMPM"));
    EXPECT_EQ(s.LongMonthNames[0], QStringLiteral("January"));
    EXPECT_EQ(s.ShortMonthNames[8], QStringLiteral("Sep"));
    EXPECT_EQ(s.LongDayNames[0], QStringLiteral("Sunday"));
    EXPECT_EQ(s.ShortDayNames[6], QStringLiteral("Sat"));
    EXPECT_EQ(TFormatSettings::FromLocale(QLocale::c()), s);
}

TEST(FormatSettingsTest, FromLocaleWritesQtPatternsInTheToolkitLetters)
{
    struct TCase {
        const char* Locale;
        char16_t Decimal, Thousand, Date, Time, List;
        const char* ShortDate;
        const char* LongDate;
        const char* ShortTime;
        const char* LongTime;
        uint8_t CurrencyFormat, NegCurrFormat, CurrencyDecimals;
    };
    // Qt writes "dd.MM.yy" (its year becomes four digits), "HH:mm:ss t", "H.mm", "h:mm AP", "H時mm分ss秒 t", "d 'de' MMMM".
    const TCase cases[] = {
        {"en_US", '.', ',', '/', ':', ',', "M/d/yyyy", "dddd, MMMM d, yyyy", "h:mm AMPM", "h:mm:ss AMPM", 0, 0, 2},
        {"de_DE", ',', '.', '.', ':', ';', "dd/MM/yyyy", "dddd, d/ MMMM yyyy", "hh:mm", "hh:mm:ss", 3, 8, 2},
        {"fi_FI", ',', 0xA0, '.', '.', ';', "d/M/yyyy", "dddd d/ MMMM yyyy", "h:mm", "h:mm:ss", 3, 8, 2},
        {"nl_NL", ',', '.', '-', ':', ';', "dd/MM/yyyy", "dddd d MMMM yyyy", "hh:mm", "hh:mm:ss", 2, 14, 2},
        {"pt_BR", ',', '.', '/', ':', ';', "dd/MM/yyyy", "dddd, d \"de\" MMMM \"de\" yyyy", "hh:mm", "hh:mm:ss", 2, 12, 2},
        {"ja_JP", '.', ',', '/', ':', ',', "yyyy/MM/dd", "yyyy\"年\"M\"月\"d\"日\"dddd", "h:mm",
         "h\"時\"nn\"分\"ss\"秒\"", 0, 0, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Locale);
        const TFormatSettings s = TFormatSettings::FromLocale(QLocale(QLatin1String(c.Locale)));
        EXPECT_EQ(s.DecimalSeparator, c.Decimal);
        EXPECT_EQ(s.ThousandSeparator, c.Thousand);
        EXPECT_EQ(s.DateSeparator, c.Date);
        EXPECT_EQ(s.TimeSeparator, c.Time);
        EXPECT_EQ(s.ListSeparator, c.List);
        EXPECT_EQ(s.ShortDateFormat.toStdString(), c.ShortDate);
        EXPECT_EQ(s.LongDateFormat.toStdString(), c.LongDate);
        EXPECT_EQ(s.ShortTimeFormat.toStdString(), c.ShortTime);
        EXPECT_EQ(s.LongTimeFormat.toStdString(), c.LongTime);
        EXPECT_EQ(s.CurrencyFormat, c.CurrencyFormat);
        EXPECT_EQ(s.NegCurrFormat, c.NegCurrFormat);
        EXPECT_EQ(s.CurrencyDecimals, c.CurrencyDecimals);
    }
}

TEST(FormatSettingsTest, LocaleShortDatesKeepTheCentury)
{
    const TDateTime date = EncodeDate(1950, 3, 4);
    const struct {
        const char* Locale;
        const char* Text;
    } cases[] = {{"en_US", "3/4/1950"}, {"de_DE", "04.03.1950"}, {"it_IT", "04/03/1950"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Locale);
        const TFormatSettings s = TFormatSettings::FromLocale(QLocale(QLatin1String(c.Locale)));
        EXPECT_EQ(DateToStr(date, s).toStdString(), c.Text);
        EXPECT_EQ(StrToDate(DateToStr(date, s), s), date);
    }
}

TEST(FormatSettingsTest, FromLocaleTakesNamesAndCurrency)
{
    const TFormatSettings german = TFormatSettings::FromLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.LongMonthNames[2], QStringLiteral("März"));
    EXPECT_EQ(german.ShortMonthNames[2], QStringLiteral("Mär"));
    EXPECT_EQ(german.LongDayNames[0], QStringLiteral("Sonntag"));
    EXPECT_EQ(german.ShortDayNames[1], QStringLiteral("Mo"));
    EXPECT_EQ(german.CurrencyString, QStringLiteral("€"));
    // Polish months in the nominative, as a calendar heading shows them.
    EXPECT_EQ(TFormatSettings::FromLocale(QLocale(QLocale::Polish, QLocale::Poland)).LongMonthNames[0],
              QStringLiteral("styczeń"));
    const TFormatSettings dutch = TFormatSettings::FromLocale(QLocale(QLocale::Dutch, QLocale::Netherlands));
    EXPECT_EQ(dutch.TimeAMString, QStringLiteral("a.m."));
    EXPECT_EQ(dutch.TimePMString, QStringLiteral("p.m."));
}

TEST(FormatSettingsTest, OverridesNestAndFallBackToTheSystemLocale)
{
    const TFormatSettings system = TFormatSettings::System();
    EXPECT_EQ(FormatSettings(), system);

    TFormatSettings comma = TFormatSettings::Invariant();
    comma.DecimalSeparator = u',';
    TFormatSettings semicolon = TFormatSettings::Invariant();
    semicolon.DecimalSeparator = u';';
    {
        TFormatSettingsScope outer(comma);
        EXPECT_EQ(FormatSettings().DecimalSeparator, u',');
        {
            TFormatSettingsScope inner(semicolon);
            EXPECT_EQ(FormatSettings().DecimalSeparator, u';');
        }
        EXPECT_EQ(FormatSettings(), comma);
    }
    EXPECT_EQ(FormatSettings(), system);

    SetFormatSettings(semicolon);
    EXPECT_EQ(FormatSettings(), semicolon);
    ResetFormatSettings();
    EXPECT_EQ(FormatSettings(), system);
}
