// The toolkit's string routines over QString; positions and indexes count from 1.
#pragma once

#include "Set.h"

#include <QChar>
#include <QString>

#include <cstdint>

// Blanks and control characters (<= ' ') are trimmed; other Unicode spaces stay.
QString Trim(const QString& S);
QString TrimLeft(const QString& S);
QString TrimRight(const QString& S);

// 'a'..'z' and 'A'..'Z' only; every other character stays as it is.
QChar UpCase(QChar Ch);
QString UpperCase(const QString& S);
QString LowerCase(const QString& S);
// Every letter, one character for one (the length never changes, "ß" stays "ß").
QString AnsiUpperCase(const QString& S);
QString AnsiLowerCase(const QString& S);

// Ordinal comparison of UTF-16 units: the difference of the first differing units, else of the lengths.
int32_t CompareStr(const QString& S1, const QString& S2);
// As CompareStr with 'a'..'z' folded to 'A'..'Z' first.
int32_t CompareText(const QString& S1, const QString& S2);
bool SameText(const QString& S1, const QString& S2);

// Linguistic comparison by the collation of the current locale (QLocale()); en-US collation when that
// locale is "C". Lower case sorts before upper case of the same letter. Hyphens and apostrophes
// count only between texts equal without them ("coop" < "co-op" < "cop"), as in the platform's
// word sort. Results are -1, 0 or 1.
int32_t AnsiCompareStr(const QString& S1, const QString& S2);
// As AnsiCompareStr, ignoring case (accents still count).
int32_t AnsiCompareText(const QString& S1, const QString& S2);
bool AnsiSameText(const QString& S1, const QString& S2);

// The position of the first SubStr in S, 0 when absent or when SubStr is empty.
int32_t Pos(const QString& SubStr, const QString& S);
// As Pos, searching from Offset; 0 when Offset < 1 or Offset > Length(S).
int32_t PosEx(const QString& SubStr, const QString& S, int32_t Offset = 1);

// Count characters from Index; Index < 1 counts as 1 (Count is not reduced), Count clamps at the
// end, a negative Count gives "".
QString Copy(const QString& S, int32_t Index, int32_t Count);
// Removes Count characters from Index; nothing happens when Index is outside 1..Length(S) or Count <= 0.
void Delete(QString& S, int32_t Index, int32_t Count);
// Inserts Source before position Index; Index < 1 prepends, past the end appends.
void Insert(const QString& Source, QString& S, int32_t Index);

enum TReplaceFlag { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = TSet<TReplaceFlag>;

// Replaces the first (rfReplaceAll: every) OldPattern, left to right without re-scanning replaced text;
// rfIgnoreCase compares with Unicode case folding. An empty OldPattern changes nothing.
QString StringReplace(const QString& S, const QString& OldPattern, const QString& NewPattern, TReplaceFlags Flags);

// S between single quotes, each quote inside doubled.
QString QuotedStr(const QString& S);
// S between Quote characters, each Quote inside doubled.
QString AnsiQuotedStr(const QString& S, QChar Quote);
// When Src starts with Quote: returns the quoted text with doubled quotes made single and removes it
// (through the closing quote) from Src. Without a closing quote all of Src is consumed and the result
// loses its last character, as the toolkit's does. Otherwise returns "" and leaves Src alone.
QString AnsiExtractQuotedStr(QString& Src, QChar Quote);
// The quoted text of S as AnsiExtractQuotedStr finds it (text after the closing quote is dropped);
// S itself when it is not quoted or the quote is not closed (S not both starting and ending with Quote).
QString AnsiDequotedStr(const QString& S, QChar AQuote);

// Count copies of Ch (or of AText); "" when the count is 0 or less.
QString StringOfChar(QChar Ch, int32_t Count);
QString DupeString(const QString& AText, int32_t ACount);
// Copy of the first / last ACount characters, and Copy itself under the StrUtils name.
QString LeftStr(const QString& AText, int32_t ACount);
QString RightStr(const QString& AText, int32_t ACount);
QString MidStr(const QString& AText, int32_t AStart, int32_t ACount);

// Prefix, suffix and substring tests; the ...Text forms ignore case (Unicode case folding), the ...Str
// forms compare exactly. An empty ASubText starts and ends every text but is contained in none.
bool StartsText(const QString& ASubText, const QString& AText);
bool EndsText(const QString& ASubText, const QString& AText);
bool StartsStr(const QString& ASubText, const QString& AText);
bool EndsStr(const QString& ASubText, const QString& AText);
bool ContainsText(const QString& AText, const QString& ASubText);
bool ContainsStr(const QString& AText, const QString& ASubText);

// True when S[Index] is one of Delimiters; false when Index is outside 1..Length(S).
bool IsDelimiter(const QString& Delimiters, const QString& S, int32_t Index);
// The position of the last character of S that is one of Delimiters, 0 when there is none.
int32_t LastDelimiter(const QString& Delimiters, const QString& S);

// Every line break (CR LF, LF CR, lone CR, lone LF) becomes CR LF.
QString AdjustLineBreaks(const QString& S);
