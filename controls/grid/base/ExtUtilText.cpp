// Cell text conventions: locale separators, cell text kinds, the wide cell encoding and number texts.
#include "grid/base/ExtUtil.h"

#include "rtl/FormatSettings.h"
#include "rtl/StrFuncs.h"

namespace {

const QString WidePrefix = QStringLiteral("|\\");

}  // namespace

QChar GetTimeSeparator() { return FormatSettings().TimeSeparator; }
QChar GetDateSeparator() { return FormatSettings().DateSeparator; }
QChar GetThousandSeparator() { return FormatSettings().ThousandSeparator; }
QChar GetDecimalSeparator() { return FormatSettings().DecimalSeparator; }
QString GetShortDateFormat() { return FormatSettings().ShortDateFormat; }

int32_t GetCellTextKind(const QString& Text, bool DetectMarkup)
{
    if (Text.isEmpty()) return ctkPlain;
    if (Text[0] == u'=') return ctkFormula;
    if (Text.startsWith(WidePrefix))
        return Text.size() >= 4 && Text[2] == QChar(0) && Text[3] == u'=' ? ctkFormula : ctkWide;
    if (Text.startsWith(u"{\\")) return ctkRichText;
    if (DetectMarkup && Text.contains(u'<')) {
        for (const char16_t* tag : {u"</", u"<B", u"<I", u"<C"})
            if (Text.contains(QStringView(tag))) return ctkMarkup;
    }
    return ctkPlain;
}

QString EncodeWideCellText(const QString& WideText)
{
    QString result = WidePrefix;
    result.reserve(2 + 2 * WideText.size());
    for (QChar unit : WideText) {
        result += QChar(unit.unicode() >> 8);
        result += QChar(unit.unicode() & 0xFF);
    }
    return result;
}

QString DecodeWideCellText(const QString& CellText)
{
    if (!CellText.startsWith(WidePrefix)) return CellText;
    const QStringView rest = QStringView(CellText).mid(2);
    QString result(rest.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; 2 * i + 1 < rest.size(); ++i)
        result[i] = QChar(static_cast<char16_t>(rest[2 * i].unicode() * 256 + rest[2 * i + 1].unicode()));
    return result;
}

int32_t PosWide(const QString& SubText, const QString& Text)
{
    return Pos(SubText, Text);
}

int32_t GetNumberTextKind(const QString& Text)
{
    if (Text.isEmpty()) return ntkNotANumber;
    const QChar thousand = GetThousandSeparator();
    const QChar decimal = GetDecimalSeparator();
    bool integerOk = true;
    bool decimalOk = true;
    bool scientificOk = true;
    bool seenE = false;
    int32_t decimals = 0;
    int32_t minuses = 0;
    int32_t lastThousand = 0;
    const int32_t length = static_cast<int32_t>(Text.size());
    for (int32_t p = 1; p <= length; ++p) {
        const QChar ch = Text[p - 1];
        const bool digit = IsDigitChar(ch);
        const bool minus = ch == u'-';
        const bool isE = ch == u'e' || ch == u'E';
        const bool last = p == length;
        if (!digit && !minus) integerOk = false;
        if (minus && p > 1) integerOk = decimalOk = false;
        if (!digit && !minus && ch != thousand && ch != decimal) decimalOk = false;
        if (ch == thousand) {
            if (lastThousand > 0 && p - lastThousand < 4) decimalOk = false;
            lastThousand = p;
            scientificOk = false;
        }
        if (isE && (seenE || p == 1)) scientificOk = false;
        if (last && (isE || ch == u'+' || minus)) scientificOk = false;
        if (!digit && ch != thousand && ch != decimal && !isE && ch != u'+' && !minus) scientificOk = false;
        if (isE) seenE = true;
        if (ch == decimal) ++decimals;
        if (minus) ++minuses;
    }
    int32_t kind;
    if (integerOk) {
        kind = ntkInteger;
    } else {
        kind = decimalOk && !seenE ? ntkDecimal : ntkNotANumber;
        if (scientificOk && seenE) {
            kind = ntkScientific;
            if (minuses == 2) minuses = 1;  // a signed mantissa and a signed exponent
        }
    }
    if (minuses > 1 || decimals > 1) return ntkNotANumber;
    return kind;
}

QString NormalizeNumberText(const QString& Text)
{
    if (Text.isEmpty()) return QString();
    const QChar thousand = GetThousandSeparator();
    const QChar decimal = GetDecimalSeparator();
    QString text = Trim(Text);
    bool negative = text.startsWith(u'(') && text.endsWith(u')');
    auto canStart = [&](QChar ch) {
        return IsDigitChar(ch) || ch == thousand || ch == decimal || ch == u'e' || ch == u'E';
    };
    qsizetype start = 0;
    while (text.size() - start >= 2 && !canStart(text[start])) {
        if (text[start] == u'-') negative = true;
        ++start;
    }
    QString result;
    for (qsizetype i = start; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == thousand) continue;
        if (ch == decimal) result += u'.';
        else if (IsDigitChar(ch) || ch == u'-' || ch == u'.' || ch == u'e' || ch == u'E' || ch == u'+') result += ch;
        else break;
    }
    return negative ? u'-' + result : result;
}

bool IsDigitChar(QChar Ch)
{
    return Ch.isNumber();
}

bool LooksLikeDate(const QString& Text)
{
    const QString separator(GetDateSeparator());
    const int32_t first = Pos(separator, Text);
    return first >= 2 && PosEx(separator, Text, first + 2) > 0;
}
