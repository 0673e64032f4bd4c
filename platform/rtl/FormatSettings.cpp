// The format settings in force: invariant en-US values, the system locale's, and test overrides.
#include "FormatSettings.h"

#include <QLocale>

#include <optional>
#include <vector>

namespace {

const std::array<const char*, 12> EnglishMonths{"January", "February", "March",     "April",   "May",      "June",
                                                "July",    "August",   "September", "October", "November", "December"};
const std::array<const char*, 7> EnglishDays{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};

bool IsBlank(QChar C)
{
    return C.isSpace() || C.category() == QChar::Other_Format;
}

// One part of a Qt date/time pattern: a field (a run of one pattern letter) or a literal character.
struct TPatternPart {
    QChar Field;  // null for a literal
    int Count = 0;
    QChar Literal;
};

int MaxRun(QChar Letter)
{
    switch (Letter.unicode()) {
    case 'd':
    case 'M':
    case 'y':
        return 4;
    case 'z':
        return 3;
    case 't':
        return 1;
    default:
        return 2;
    }
}

// Splits a Qt pattern into fields and literals; quoted text becomes literals, "''" a quote.
std::vector<TPatternPart> ParseQtPattern(const QString& Pattern)
{
    static const QString fieldLetters = QStringLiteral("dMyhHmszt");
    const qsizetype n = Pattern.size();
    const auto isDoubledQuote = [&](qsizetype At) {
        return Pattern[At] == u'\'' && At + 1 < n && Pattern[At + 1] == u'\'';
    };
    std::vector<TPatternPart> parts;
    const auto literal = [&](QChar C) { parts.push_back({QChar(), 0, C}); };
    for (qsizetype i = 0; i < n;) {
        const QChar c = Pattern[i];
        if (isDoubledQuote(i)) {
            literal(c);
            i += 2;
        } else if (c == u'\'') {
            for (++i; i < n && (Pattern[i] != u'\'' || isDoubledQuote(i)); ++i) {
                literal(Pattern[i]);
                if (isDoubledQuote(i))
                    ++i;
            }
            ++i;  // the closing quote
        } else if (c == u'a' || c == u'A') {
            const bool pair = i + 1 < n && Pattern[i + 1].toLower() == u'p';
            parts.push_back({QChar(u'a'), 1, QChar()});
            i += pair ? 2 : 1;
        } else if (fieldLetters.contains(c)) {
            int count = 1;
            while (i + count < n && Pattern[i + count] == c && count < MaxRun(c))
                ++count;
            parts.push_back({c, count, QChar()});
            i += count;
        } else {
            literal(c);
            ++i;
        }
    }
    return parts;
}

// The first punctuation between two fields, else a blank between fields, else Default.
QChar FindSeparator(const std::vector<TPatternPart>& Parts, QChar Default)
{
    QChar blank;
    bool afterField = false;
    for (const TPatternPart& part : Parts) {
        if (!part.Field.isNull()) {
            afterField = part.Field != u't';
        } else if (afterField && !part.Literal.isLetterOrNumber()) {
            if (!IsBlank(part.Literal))
                return part.Literal;
            if (part.Literal.isSpace() && blank.isNull())
                blank = QChar(u' ');
        }
    }
    return blank.isNull() ? Default : blank;
}

// Writes a Qt date/time pattern in the toolkit's letters; Separator becomes Placeholder ('/' or ':').
QString TranslatePattern(const QString& Pattern, QChar Separator, QChar Placeholder)
{
    QString result;
    bool quoted = false;
    auto closeQuote = [&] {
        if (quoted)
            result += u'"';
        quoted = false;
    };
    bool afterHour = false;  // "m"/"mm" means minutes only right after an hour
    for (const TPatternPart& part : ParseQtPattern(Pattern)) {
        if (part.Field.isNull()) {
            const QChar c = part.Literal;
            afterHour = afterHour && c == Separator;
            if (c == Separator) {
                closeQuote();
                result += Placeholder;
            } else if (c == u'"') {
                closeQuote();
                result += QStringLiteral("'\"'");
            } else if (c.isLetter() || c == u'\'' || c == u'/' || c == u':') {
                if (!quoted)
                    result += u'"';
                quoted = true;
                result += c;
            } else {
                closeQuote();
                result += c;
            }
            continue;
        }
        closeQuote();
        const int n = part.Count;
        switch (part.Field.unicode()) {
        case 'd':
            result += QString(n, u'd');
            break;
        case 'M':
            result += QString(n, u'M');
            break;
        case 'y':
            // Four digits always, as the toolkit's platform writes its default dates: a two-digit
            // year would lose the century of every date saved as text.
            result += QStringLiteral("yyyy");
            break;
        case 'h':
        case 'H':
            result += QString(n, u'h');
            break;
        case 'm':
            result += QString(n, afterHour ? u'm' : u'n');
            break;
        case 's':
            result += QString(n, u's');
            break;
        case 'z':
            result += n == 3 ? QStringLiteral("zzz") : QStringLiteral("z");
            break;
        case 'a':
            result += QStringLiteral("AMPM");
            break;
        default:  // 't', the time zone: the toolkit has none
            break;
        }
        afterHour = part.Field == u'h' || part.Field == u'H';
    }
    closeQuote();
    return result.trimmed();
}

// A currency text reduced to its shape: "$" for the symbol, "1" for the number, "-", " ", "(", ")".
QString CurrencyShape(const QLocale& Locale, double Value)
{
    const QString symbol = Locale.currencySymbol();
    const QString text = Locale.toCurrencyString(Value);
    const QString minus = Locale.negativeSign();
    QString shape;
    for (qsizetype i = 0; i < text.size();) {
        if (!symbol.isEmpty() && text.mid(i, symbol.size()) == symbol) {
            shape += u'$';
            i += symbol.size();
            continue;
        }
        if (!minus.isEmpty() && text.mid(i, minus.size()) == minus) {
            shape += u'-';
            i += minus.size();
            continue;
        }
        const QChar c = text[i++];
        const bool insideNumber = shape.endsWith(u'1') && i < text.size() && text[i].isDigit();
        if (c.isDigit() || (insideNumber && (Locale.decimalPoint().contains(c) || Locale.groupSeparator().contains(c)))) {
            if (!shape.endsWith(u'1'))
                shape += u'1';
        } else if (c.isSpace()) {
            shape += u' ';
        } else if (c.category() != QChar::Other_Format) {
            shape += c;
        }
    }
    return shape;
}

template <size_t N>
uint8_t LayoutIndex(const QString& Shape, const std::array<const char*, N>& Layouts, uint8_t Default)
{
    for (size_t i = 0; i < N; ++i) {
        if (Shape == QLatin1String(Layouts[i]))
            return uint8_t(i);
    }
    return Default;
}

uint8_t CurrencyDigits(const QLocale& Locale)
{
    const QString text = Locale.toCurrencyString(1.0);
    const qsizetype point = text.indexOf(Locale.decimalPoint());
    if (point < 0)
        return 0;
    uint8_t digits = 0;
    for (qsizetype i = point + Locale.decimalPoint().size(); i < text.size() && text[i].isDigit(); ++i)
        ++digits;
    return digits;
}

struct TLocaleIdentity {
    QLocale::Language Language = QLocale::AnyLanguage;
    QLocale::Script Script = QLocale::AnyScript;
    QLocale::Territory Territory = QLocale::AnyTerritory;
    bool operator==(const TLocaleIdentity&) const = default;
};

std::optional<TFormatSettings>& Override()
{
    static std::optional<TFormatSettings> settings;
    return settings;
}

}  // namespace

TFormatSettings TFormatSettings::Invariant()
{
    TFormatSettings settings;
    for (size_t i = 0; i < 12; ++i) {
        settings.LongMonthNames[i] = QLatin1String(EnglishMonths[i]);
        settings.ShortMonthNames[i] = settings.LongMonthNames[i].left(3);
    }
    for (size_t i = 0; i < 7; ++i) {
        settings.LongDayNames[i] = QLatin1String(EnglishDays[i]);
        settings.ShortDayNames[i] = settings.LongDayNames[i].left(3);
    }
    return settings;
}

TFormatSettings TFormatSettings::FromLocale(const QLocale& Locale)
{
    if (Locale.language() == QLocale::C)
        return Invariant();
    TFormatSettings settings;
    settings.DecimalSeparator = Locale.decimalPoint().front();
    settings.ThousandSeparator = Locale.groupSeparator().front();
    settings.ListSeparator = settings.DecimalSeparator == u',' ? QChar(u';') : QChar(u',');

    const QString shortDate = Locale.dateFormat(QLocale::ShortFormat);
    const QString shortTime = Locale.timeFormat(QLocale::ShortFormat);
    settings.DateSeparator = FindSeparator(ParseQtPattern(shortDate), QChar(u'/'));
    settings.TimeSeparator = FindSeparator(ParseQtPattern(shortTime), QChar(u':'));
    settings.ShortDateFormat = TranslatePattern(shortDate, settings.DateSeparator, QChar(u'/'));
    settings.LongDateFormat = TranslatePattern(Locale.dateFormat(QLocale::LongFormat), settings.DateSeparator, QChar(u'/'));
    settings.ShortTimeFormat = TranslatePattern(shortTime, settings.TimeSeparator, QChar(u':'));
    settings.LongTimeFormat = TranslatePattern(Locale.timeFormat(QLocale::LongFormat), settings.TimeSeparator, QChar(u':'));
    settings.TimeAMString = Locale.amText();
    settings.TimePMString = Locale.pmText();

    settings.CurrencyString = Locale.currencySymbol();
    settings.CurrencyFormat = LayoutIndex(CurrencyShape(Locale, 1.0), CurrencyFormatLayouts, 0);
    settings.NegCurrFormat = LayoutIndex(CurrencyShape(Locale, -1.0), NegCurrFormatLayouts, 1);
    settings.CurrencyDecimals = CurrencyDigits(Locale);

    for (int i = 0; i < 12; ++i) {
        settings.LongMonthNames[i] = Locale.standaloneMonthName(i + 1, QLocale::LongFormat);
        settings.ShortMonthNames[i] = Locale.standaloneMonthName(i + 1, QLocale::ShortFormat);
    }
    for (int i = 0; i < 7; ++i) {
        const int qtDay = i == 0 ? 7 : i;  // Qt counts from Monday = 1
        settings.LongDayNames[i] = Locale.standaloneDayName(qtDay, QLocale::LongFormat);
        settings.ShortDayNames[i] = Locale.standaloneDayName(qtDay, QLocale::ShortFormat);
    }
    return settings;
}

TFormatSettings TFormatSettings::System()
{
    return FromLocale(QLocale::system());
}

const TFormatSettings& FormatSettings()
{
    if (const std::optional<TFormatSettings>& settings = Override())
        return *settings;
    // Each thread keeps the settings of the system locale it last saw and rebuilds them when it changes.
    struct TCache {
        std::optional<TLocaleIdentity> Identity;
        TFormatSettings Settings;
    };
    thread_local TCache cache;
    const QLocale system = QLocale::system();
    const TLocaleIdentity identity{system.language(), system.script(), system.territory()};
    if (cache.Identity != identity) {
        cache.Settings = TFormatSettings::FromLocale(system);
        cache.Identity = identity;
    }
    return cache.Settings;
}

void SetFormatSettings(const TFormatSettings& Settings)
{
    Override() = Settings;
}

void ResetFormatSettings()
{
    Override().reset();
}

TFormatSettingsScope::TFormatSettingsScope(const TFormatSettings& Settings)
    : hadOverride_(Override().has_value()), previous_(Override().value_or(TFormatSettings()))
{
    SetFormatSettings(Settings);
}

TFormatSettingsScope::~TFormatSettingsScope()
{
    if (hadOverride_)
        SetFormatSettings(previous_);
    else
        ResetFormatSettings();
}
