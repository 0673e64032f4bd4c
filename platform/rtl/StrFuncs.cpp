// The toolkit's string routines over QString.
#include "StrFuncs.h"

#include <QCollator>
#include <QLocale>
#include <QStringView>

#include <algorithm>
#include <optional>

namespace {

bool IsTrimmed(QChar C)
{
    return C.unicode() <= u' ';
}

// S with every UTF-16 unit passed through Map.
template <typename TMap>
QString MapChars(QString S, TMap Map)
{
    for (QChar& c : S)
        c = Map(c);
    return S;
}

QChar AsciiLower(QChar C)
{
    return C >= u'A' && C <= u'Z' ? QChar(C.unicode() + 32) : C;
}

// Ordinal comparison after passing each unit through Fold, as the toolkit's CompareStr/CompareText.
template <typename TFold>
int32_t CompareUnits(const QString& S1, const QString& S2, TFold Fold)
{
    const qsizetype n = std::min(S1.size(), S2.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int32_t d = int32_t(Fold(S1[i]).unicode()) - int32_t(Fold(S2[i]).unicode());
        if (d != 0)
            return d;
    }
    return static_cast<int32_t>(S1.size() - S2.size());
}

// The collator of the current locale, rebuilt when that locale changes.
const QCollator& Collator(Qt::CaseSensitivity Sensitivity)
{
    struct TCache {
        QString Name;
        QCollator Sensitive;
        QCollator Insensitive;
    };
    thread_local std::optional<TCache> cache;
    QLocale locale;
    // The "C" locale collates by code point; the toolkit always compares linguistically.
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    if (!cache || cache->Name != locale.bcp47Name()) {
        cache.emplace(TCache{locale.bcp47Name(), QCollator(locale), QCollator(locale)});
        cache->Insensitive.setCaseSensitivity(Qt::CaseInsensitive);
    }
    return Sensitivity == Qt::CaseSensitive ? cache->Sensitive : cache->Insensitive;
}

int32_t Sign(int Value)
{
    return (Value > 0) - (Value < 0);
}

bool IsWordMark(QChar C)
{
    return C == u'-' || C == u'\'';
}

// The platform's word sort: hyphens and apostrophes count only when the rest is equal, so "co-op"
// sorts right after "coop" and "a-c" after "ab".
int32_t WordSortCompare(const QString& S1, const QString& S2, Qt::CaseSensitivity Sensitivity)
{
    const QCollator& collator = Collator(Sensitivity);
    if (!std::any_of(S1.begin(), S1.end(), IsWordMark) && !std::any_of(S2.begin(), S2.end(), IsWordMark))
        return Sign(collator.compare(S1, S2));
    QString words1 = S1;
    QString words2 = S2;
    words1.removeIf(IsWordMark);
    words2.removeIf(IsWordMark);
    if (const int byWords = collator.compare(words1, words2))
        return Sign(byWords);
    // Equal but for the marks: fewer marks first, then the marks' places.
    const qsizetype marks1 = S1.size() - words1.size();
    const qsizetype marks2 = S2.size() - words2.size();
    if (marks1 != marks2)
        return marks1 < marks2 ? -1 : 1;
    return Sign(collator.compare(S1, S2));
}

bool HasAffix(const QString& ASubText, const QString& AText, bool AtStart, Qt::CaseSensitivity Sensitivity)
{
    if (ASubText.size() > AText.size())
        return false;
    const QStringView text(AText);
    const QStringView part = AtStart ? text.left(ASubText.size()) : text.right(ASubText.size());
    return part.compare(ASubText, Sensitivity) == 0;
}

bool Contains(const QString& AText, const QString& ASubText, Qt::CaseSensitivity Sensitivity)
{
    return !ASubText.isEmpty() && AText.contains(ASubText, Sensitivity);
}

}  // namespace

QString Trim(const QString& S)
{
    return TrimRight(TrimLeft(S));
}

QString TrimLeft(const QString& S)
{
    const auto first = std::find_if_not(S.begin(), S.end(), IsTrimmed);
    return S.mid(first - S.begin());
}

QString TrimRight(const QString& S)
{
    qsizetype end = S.size();
    while (end > 0 && IsTrimmed(S[end - 1]))
        --end;
    return S.left(end);
}

QChar UpCase(QChar Ch)
{
    return Ch >= u'a' && Ch <= u'z' ? QChar(Ch.unicode() - 32) : Ch;
}

QString UpperCase(const QString& S)
{
    return MapChars(S, UpCase);
}

QString LowerCase(const QString& S)
{
    return MapChars(S, AsciiLower);
}

QString AnsiUpperCase(const QString& S)
{
    return MapChars(S, [](QChar C) { return C.toUpper(); });
}

QString AnsiLowerCase(const QString& S)
{
    return MapChars(S, [](QChar C) { return C.toLower(); });
}

int32_t CompareStr(const QString& S1, const QString& S2)
{
    return CompareUnits(S1, S2, [](QChar C) { return C; });
}

int32_t CompareText(const QString& S1, const QString& S2)
{
    return CompareUnits(S1, S2, UpCase);
}

bool SameText(const QString& S1, const QString& S2)
{
    return CompareText(S1, S2) == 0;
}

int32_t AnsiCompareStr(const QString& S1, const QString& S2)
{
    return WordSortCompare(S1, S2, Qt::CaseSensitive);
}

int32_t AnsiCompareText(const QString& S1, const QString& S2)
{
    return WordSortCompare(S1, S2, Qt::CaseInsensitive);
}

bool AnsiSameText(const QString& S1, const QString& S2)
{
    return AnsiCompareText(S1, S2) == 0;
}

int32_t Pos(const QString& SubStr, const QString& S)
{
    return PosEx(SubStr, S, 1);
}

int32_t PosEx(const QString& SubStr, const QString& S, int32_t Offset)
{
    if (SubStr.isEmpty() || Offset < 1 || Offset > S.size())
        return 0;
    return static_cast<int32_t>(S.indexOf(SubStr, Offset - 1) + 1);
}

QString Copy(const QString& S, int32_t Index, int32_t Count)
{
    const qsizetype start = std::max(Index, 1) - 1;
    if (Count <= 0 || start >= S.size())
        return {};
    return S.mid(start, Count);
}

void Delete(QString& S, int32_t Index, int32_t Count)
{
    if (Index < 1 || Index > S.size() || Count <= 0)
        return;
    S.remove(Index - 1, Count);
}

void Insert(const QString& Source, QString& S, int32_t Index)
{
    if (Source.isEmpty())
        return;
    S.insert(std::clamp<qsizetype>(qsizetype(Index) - 1, 0, S.size()), Source);
}

QString StringReplace(const QString& S, const QString& OldPattern, const QString& NewPattern, TReplaceFlags Flags)
{
    if (OldPattern.isEmpty())
        return S;
    const Qt::CaseSensitivity sensitivity = Flags.Contains(rfIgnoreCase) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    QString result;
    qsizetype from = 0;
    for (qsizetype found; (found = S.indexOf(OldPattern, from, sensitivity)) >= 0;) {
        result += QStringView(S).mid(from, found - from);
        result += NewPattern;
        from = found + OldPattern.size();
        if (!Flags.Contains(rfReplaceAll))
            break;
    }
    result += QStringView(S).mid(from);
    return result;
}

QString QuotedStr(const QString& S)
{
    return AnsiQuotedStr(S, QChar(u'\''));
}

QString AnsiQuotedStr(const QString& S, QChar Quote)
{
    QString inner = S;
    inner.replace(Quote, QString(2, Quote));
    return Quote + inner + Quote;
}

QString AnsiExtractQuotedStr(QString& Src, QChar Quote)
{
    if (Src.isEmpty() || Src.front() != Quote)
        return {};
    QString result;
    qsizetype from = 1;
    for (;;) {
        const qsizetype quote = Src.indexOf(Quote, from);
        if (quote < 0) {
            // Unterminated: the toolkit reserves room for a closing quote that is not there.
            result += QStringView(Src).mid(from);
            result.chop(1);
            Src.clear();
            return result;
        }
        if (quote + 1 < Src.size() && Src[quote + 1] == Quote) {
            result += QStringView(Src).mid(from, quote + 1 - from);
            from = quote + 2;
            continue;
        }
        result += QStringView(Src).mid(from, quote - from);
        Src.remove(0, quote + 1);
        return result;
    }
}

QString AnsiDequotedStr(const QString& S, QChar AQuote)
{
    QString rest = S;
    const QString result = AnsiExtractQuotedStr(rest, AQuote);
    if ((result.isEmpty() || rest.isEmpty()) && !S.isEmpty() && (S.front() != AQuote || S.back() != AQuote))
        return S;
    return result;
}

QString StringOfChar(QChar Ch, int32_t Count)
{
    return Count > 0 ? QString(Count, Ch) : QString();
}

QString DupeString(const QString& AText, int32_t ACount)
{
    return ACount > 0 ? AText.repeated(ACount) : QString();
}

QString LeftStr(const QString& AText, int32_t ACount)
{
    return Copy(AText, 1, ACount);
}

QString RightStr(const QString& AText, int32_t ACount)
{
    return ACount > 0 ? AText.right(ACount) : QString();
}

QString MidStr(const QString& AText, int32_t AStart, int32_t ACount)
{
    return Copy(AText, AStart, ACount);
}

bool StartsText(const QString& ASubText, const QString& AText)
{
    return HasAffix(ASubText, AText, true, Qt::CaseInsensitive);
}

bool EndsText(const QString& ASubText, const QString& AText)
{
    return HasAffix(ASubText, AText, false, Qt::CaseInsensitive);
}

bool StartsStr(const QString& ASubText, const QString& AText)
{
    return HasAffix(ASubText, AText, true, Qt::CaseSensitive);
}

bool EndsStr(const QString& ASubText, const QString& AText)
{
    return HasAffix(ASubText, AText, false, Qt::CaseSensitive);
}

bool ContainsText(const QString& AText, const QString& ASubText)
{
    return Contains(AText, ASubText, Qt::CaseInsensitive);
}

bool ContainsStr(const QString& AText, const QString& ASubText)
{
    return Contains(AText, ASubText, Qt::CaseSensitive);
}

bool IsDelimiter(const QString& Delimiters, const QString& S, int32_t Index)
{
    return Index >= 1 && Index <= S.size() && Delimiters.contains(S[Index - 1]);
}

int32_t LastDelimiter(const QString& Delimiters, const QString& S)
{
    qsizetype i = S.size();
    while (i > 0 && !Delimiters.contains(S[i - 1]))
        --i;
    return static_cast<int32_t>(i);
}

QString AdjustLineBreaks(const QString& S)
{
    QString result;
    result.reserve(S.size());
    for (qsizetype i = 0; i < S.size(); ++i) {
        const QChar c = S[i];
        if (c != u'\r' && c != u'\n') {
            result += c;
            continue;
        }
        result += QStringLiteral("\r\n");
        const QChar partner = c == u'\r' ? QChar(u'\n') : QChar(u'\r');
        if (i + 1 < S.size() && S[i + 1] == partner)
            ++i;
    }
    return result;
}
