// Filter expressions: the left-to-right expression evaluator, the condition matcher and locale date parsing.
#include "grid/base/ExtUtil.h"

#include "rtl/Format.h"
#include "rtl/NumConv.h"
#include "rtl/StrFuncs.h"

#include <QHash>
#include <QStringView>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {

constexpr QStringView OperatorChars = u"(;^&|";
constexpr qsizetype CompareLimit = 255;

// The first index of a character outside double quotes for which Matches holds; -1 when none does.
template <typename Pred>
qsizetype IndexOutsideQuotes(QStringView Text, Pred Matches)
{
    bool quoted = false;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (Text[i] == u'"') quoted = !quoted;
        else if (!quoted && Matches(Text[i])) return i;
    }
    return -1;
}

// Blanks outside double quotes dropped.
QString RemoveUnquotedBlanks(const QString& Text)
{
    QString result;
    result.reserve(Text.size());
    bool quoted = false;
    for (QChar ch : Text) {
        if (ch == u'"') quoted = !quoted;
        if (ch != u' ' || quoted) result += ch;
    }
    return result;
}

// The index of the ")" closing the "(" at index 0: the first ")" at which as many "(" as ")" were
// seen; -1 when there is none.
qsizetype MatchingParenthesis(QStringView Text)
{
    int32_t depth = 0;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (Text[i] == u'(') ++depth;
        else if (Text[i] == u')' && --depth == 0) return i;
    }
    return -1;
}

// The operand of a comparison that starts at index From: after an optional "=" (which makes the
// comparison inclusive) and blanks, up to a blank, "&" or "|" outside quotes; an opening quote and
// a closing one at its end are dropped.
struct TComparison {
    QStringView Operand;
    bool Inclusive = false;
};

TComparison ReadComparison(QStringView Text, qsizetype From)
{
    TComparison result;
    qsizetype i = From;
    if (i < Text.size() && Text[i] == u'=') {
        result.Inclusive = true;
        ++i;
    }
    while (i < Text.size() && Text[i] == u' ')
        ++i;
    QStringView rest = Text.mid(i);
    const qsizetype end = IndexOutsideQuotes(rest, [](QChar ch) { return ch == u' ' || ch == u'&' || ch == u'|'; });
    QStringView operand = end < 0 ? rest : rest.left(end);
    if (operand.startsWith(u'"')) {
        operand = operand.mid(1);
        if (operand.endsWith(u'"')) operand.chop(1);
    }
    result.Operand = operand;
    return result;
}

// The number a side reads as once the locale's decimal separators become "." and its thousand
// separators are dropped.
std::optional<double> ReadNumber(QStringView Text)
{
    const QChar decimal = GetDecimalSeparator();
    const QChar thousand = GetThousandSeparator();
    QString plain;
    plain.reserve(Text.size());
    for (QChar ch : Text) {
        if (ch == decimal) plain += u'.';
        else if (ch != thousand) plain += ch;
    }
    double value;
    if (!TryStrToFloat(plain, value, TFormatSettings::Invariant())) return std::nullopt;
    return value;
}

// Value against Operand: as numbers when both are numbers, as dates when both are dates (a date
// is no number), else as texts of at most 255 characters by character code. Negative, zero or
// positive as Value sorts before, with or after Operand.
int32_t CompareFilterValues(QStringView Value, QStringView Operand)
{
    TDateTime valueDate;
    TDateTime operandDate;
    const bool valueIsDate = ParseLocaleDateTime(Value.toString(), valueDate);
    const bool operandIsDate = ParseLocaleDateTime(Operand.toString(), operandDate);
    const std::optional<double> valueNumber = valueIsDate ? std::nullopt : ReadNumber(Value);
    const std::optional<double> operandNumber = operandIsDate ? std::nullopt : ReadNumber(Operand);
    auto order = [](double A, double B) { return A < B ? -1 : (A > B ? 1 : 0); };
    if (valueNumber && operandNumber) return order(*valueNumber, *operandNumber);
    if (valueIsDate && operandIsDate) return order(valueDate, operandDate);
    return CompareStr(Value.left(CompareLimit).toString(), Operand.left(CompareLimit).toString());
}

// One condition matched against a value. A "*" tries the rest of the pattern as a condition of
// its own against every remaining tail of the value; these sub-matches always pair a tail of the
// condition with a tail of the value, so each pair is worked out once and remembered, which keeps
// patterns with many stars from taking exponential time.
class TConditionMatcher {
public:
    TConditionMatcher(QStringView Condition, QStringView Value) : FCondition(Condition), FValue(Value) {}

    // The condition from index C against the value from index V.
    bool Match(qsizetype C, qsizetype V)
    {
        const QStringView condition = FCondition.mid(C);
        const QStringView value = FValue.mid(V);
        bool greaterResult = true;
        bool lessResult = true;
        bool hasGreater = false;
        bool hasLess = false;
        const qsizetype greater = condition.indexOf(u'>');
        if (greater >= 0) {
            const TComparison comparison = ReadComparison(condition, greater + 1);
            const int32_t order = CompareFilterValues(value, comparison.Operand);
            greaterResult = comparison.Inclusive ? order >= 0 : order > 0;
            hasGreater = true;
        }
        const qsizetype less = condition.indexOf(u'<');
        if (less >= 0) {
            const TComparison comparison = ReadComparison(condition, less + 1);
            const int32_t order = CompareFilterValues(value, comparison.Operand);
            lessResult = comparison.Inclusive ? order <= 0 : order < 0;
            hasLess = true;
        }
        if (condition.contains(u'!')) {
            if (greater < 0) hasGreater = true;
            if (less < 0) hasLess = true;
        }
        if (condition.contains(u'^') && (hasGreater || hasLess)) return lessResult || greaterResult;
        if (condition.contains(u'&') && hasGreater && hasLess) return lessResult && greaterResult;
        if (greater >= 0 && greaterResult) return true;
        if (less >= 0 && lessResult) return true;
        return MatchPattern(C, V);
    }

private:
    // The condition from C as a pattern against the value from V: "!" negates the whole result,
    // quotes are skipped, "*" matches any run and "?" one character.
    bool MatchPattern(qsizetype C, qsizetype V)
    {
        bool match = true;
        bool negate = false;
        while (match && (C < FCondition.size() || V < FValue.size())) {
            const bool patternLeft = C < FCondition.size();
            const QChar ch = patternLeft ? FCondition[C] : QChar();
            if (patternLeft && ch == u'!') {
                negate = true;
                ++C;
            } else if (patternLeft && ch == u'"') {
                ++C;
            } else if (patternLeft && ch == u'*') {
                while (C < FCondition.size() && FCondition[C] == u'*')
                    ++C;
                match = false;
                for (qsizetype tail = FValue.size(); tail >= V && !match; --tail)
                    match = Remembered(C, tail);
                C = FCondition.size();
                V = FValue.size();
            } else if (patternLeft && ch == u'?') {
                match = V < FValue.size();
                ++C;
                ++V;
            } else {
                match = patternLeft && V < FValue.size() && FValue[V] == ch;
                ++C;
                ++V;
            }
        }
        return negate ? !match : match;
    }

    bool Remembered(qsizetype C, qsizetype V)
    {
        const quint64 key = (quint64(C) << 32) | quint64(V);
        const auto known = FMemo.constFind(key);
        if (known != FMemo.cend()) return *known;
        const bool result = Match(C, V);
        FMemo.insert(key, result);
        return result;
    }

    QStringView FCondition;
    QStringView FValue;
    QHash<quint64, bool> FMemo;
};

bool MatchCondition(const QString& Condition, const QString& Value, bool CaseSensitive)
{
    if (CaseSensitive) return MatchFilterCondition(Condition, Value);
    return MatchFilterCondition(AnsiUpperCase(Condition), AnsiUpperCase(Value));
}

// Folds an operand into the result by the operator before it (none for the first operand);
// after a group ("(") the operand is ignored.
void Combine(bool& Result, std::optional<QChar> Pending, bool Operand)
{
    if (!Pending) Result = Operand;
    else if (*Pending == u'&') Result = Result && Operand;
    else if (*Pending != u'(') Result = Result || Operand;
}

}  // namespace

bool MatchFilterCondition(const QString& Condition, const QString& Value)
{
    return TConditionMatcher(Condition, Value).Match(0, 0);
}

bool MatchFilterExpression(const QString& Expression, const QString& Value, bool CaseSensitive)
{
    QString e = RemoveUnquotedBlanks(Trim(Expression));
    if (e.startsWith(u'=')) e.remove(0, 1);
    bool result = true;
    std::optional<QChar> pending;
    for (;;) {
        const qsizetype found = IndexOutsideQuotes(e, [](QChar ch) { return OperatorChars.contains(ch); });
        if (found < 0) break;
        const QChar op = e[found];
        bool operand;
        if (op == u'(' && found == 0) {
            const qsizetype close = MatchingParenthesis(e);
            if (close < 0) break;  // an unclosed group: the rest is taken as a literal condition
            operand = MatchFilterExpression(e.mid(1, close - 1), Value, CaseSensitive);
            e.remove(0, close + 1);
        } else {
            operand = MatchCondition(e.left(found), Value, CaseSensitive);
            e.remove(0, found + 1);
        }
        Combine(result, pending, operand);
        pending = op;
    }
    Combine(result, pending, MatchCondition(e, Value, CaseSensitive));
    return result;
}

bool ParseLocaleDateTime(const QString& Text, TDateTime& DateTime)
{
    // Day (0), month (1) and year (2) in the order the short date format names them.
    const QString format = UpperCase(GetShortDateFormat());
    std::array<std::pair<int32_t, int32_t>, 3> order{
        {{Pos(QStringLiteral("D"), format), 0}, {Pos(QStringLiteral("M"), format), 1}, {Pos(QStringLiteral("Y"), format), 2}}};
    std::stable_sort(order.begin(), order.end(), [](const auto& A, const auto& B) { return A.first < B.first; });

    const QChar separator = GetDateSeparator();
    const qsizetype first = Text.indexOf(separator);
    if (first < 0) return false;
    const qsizetype next = Text.indexOf(separator, first + 1);
    if (next < 0) return false;
    QString rest = Trim(Text.mid(next + 1));
    QString timeText;
    if (const qsizetype blank = rest.indexOf(u' '); blank >= 0) {
        timeText = rest.mid(blank);
        rest.truncate(blank);
    }
    const QString fields[3] = {Text.left(first), Text.mid(first + 1, next - first - 1), rest};
    int32_t parts[3];
    for (int32_t i = 0; i < 3; ++i)
        if (!TryStrToInt(fields[i], parts[order[i].second])) return false;
    const int32_t day = parts[0];
    const int32_t month = parts[1];
    const int32_t year = parts[2];
    if (day > 31 || month > 12) return false;
    TDateTime date;
    if (day < 1 || month < 1 || year < 1 || year > 9999 || !TryEncodeDate(year, month, day, date)) return false;
    if (timeText.isEmpty()) {
        DateTime = date;
        return true;
    }

    const QChar timeSeparator = GetTimeSeparator();
    const qsizetype hourEnd = timeText.indexOf(timeSeparator);
    if (hourEnd < 0) {
        DateTime = date;
        return false;
    }
    QString minuteText = timeText.mid(hourEnd + 1);
    QString secondText = QStringLiteral("0");
    if (const qsizetype minuteEnd = minuteText.indexOf(timeSeparator); minuteEnd >= 0) {
        secondText = minuteText.mid(minuteEnd + 1);
        minuteText.truncate(minuteEnd);
    }
    int32_t hour;
    int32_t minute;
    int32_t second;
    if (!TryStrToInt(timeText.left(hourEnd), hour) || !TryStrToInt(minuteText, minute) ||
        !TryStrToInt(secondText, second))
        return false;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return false;
    const TDateTime time = EncodeTime(hour, minute, second, 0);
    // Before 1899-12-30 the day counts backwards while the time of day still runs forwards.
    DateTime = date >= 0 ? date + time : date - time;
    return true;
}
