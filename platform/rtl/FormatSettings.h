// TFormatSettings: the separators, formats and names that number, date and time texts use.
#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>

class QLocale;

// The layouts CurrencyFormat (0-3) and NegCurrFormat (0-15) select: "$" stands for CurrencyString,
// "1" for the amount.
inline constexpr std::array<const char*, 4> CurrencyFormatLayouts{"$1", "1$", "$ 1", "1 $"};
inline constexpr std::array<const char*, 16> NegCurrFormatLayouts{"($1)", "-$1",  "$-1",  "$1-",  "(1$)", "-1$",
                                                                  "1-$",  "1$-",  "-1 $", "-$ 1", "1 $-", "$ 1-",
                                                                  "$ -1", "1- $", "($ 1)", "(1 $)"};

struct TFormatSettings {
    QChar DecimalSeparator{'.'};
    QChar ThousandSeparator{','};
    QChar DateSeparator{'/'};
    QChar TimeSeparator{':'};
    QChar ListSeparator{','};
    QString CurrencyString{QStringLiteral("$")};
    uint8_t CurrencyFormat = 0;
    uint8_t NegCurrFormat = 0;
    uint8_t CurrencyDecimals = 2;
    QString ShortDateFormat{QStringLiteral("M/d/yyyy")};
    QString LongDateFormat{QStringLiteral("dddd, MMMM d, yyyy")};
    QString ShortTimeFormat{QStringLiteral("h:mm AMPM")};
    QString LongTimeFormat{QStringLiteral("h:mm:ss AMPM")};
    QString TimeAMString{QStringLiteral("AM")};
    QString TimePMString{QStringLiteral("PM")};
    std::array<QString, 12> ShortMonthNames;  // January first
    std::array<QString, 12> LongMonthNames;
    std::array<QString, 7> ShortDayNames;     // Sunday first
    std::array<QString, 7> LongDayNames;
    int TwoDigitYearCenturyWindow = 50;

    bool operator==(const TFormatSettings&) const = default;

    // The settings of the en-US locale: "." decimals, "," thousands, "M/d/yyyy" dates.
    static TFormatSettings Invariant();
    // The settings of Locale, its date and time patterns written in the toolkit's format letters
    // with '/' and ':' standing for the date and time separators and every year in four digits.
    // The C locale gives Invariant().
    static TFormatSettings FromLocale(const QLocale& Locale);
    // The settings of the system locale, read now.
    static TFormatSettings System();
};

// The settings in force: the system locale's, fetched at each use, unless a test set its own.
// The system locale's are kept per thread and rebuilt when its language, script or territory
// changes; the reference stays valid until the settings in force change.
const TFormatSettings& FormatSettings();
// Puts Settings in force in place of the system locale's (tests).
void SetFormatSettings(const TFormatSettings& Settings);
// Goes back to the system locale's settings.
void ResetFormatSettings();

// Puts settings in force for one scope and restores the previous state at its end (tests).
class TFormatSettingsScope {
public:
    explicit TFormatSettingsScope(const TFormatSettings& Settings);
    ~TFormatSettingsScope();
    TFormatSettingsScope(const TFormatSettingsScope&) = delete;
    TFormatSettingsScope& operator=(const TFormatSettingsScope&) = delete;

private:
    bool hadOverride_;
    TFormatSettings previous_;
};
