// Text exchange helpers: line-break and quote escapes, the OEM code page, dates, proper case, links, clipboard HTML.
#include "grid/base/ExtUtil.h"

#include "rtl/NumConv.h"
#include "rtl/StrFuncs.h"
#include "rtl/Strings.h"
#include "rtl/TextEncoding.h"

#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr QChar CR = u'\r';
constexpr QChar LF = u'\n';
const QString CRLF = QStringLiteral("\r\n");

// Characters 128-255 of OEM code page 437.
constexpr std::array<char16_t, 128> OemUpperHalf = {
    u'\u00C7', u'\u00FC', u'\u00E9', u'\u00E2', u'\u00E4', u'\u00E0', u'\u00E5', u'\u00E7', u'\u00EA', u'\u00EB',
    u'\u00E8', u'\u00EF', u'\u00EE', u'\u00EC', u'\u00C4', u'\u00C5', u'\u00C9', u'\u00E6', u'\u00C6', u'\u00F4',
    u'\u00F6', u'\u00F2', u'\u00FB', u'\u00F9', u'\u00FF', u'\u00D6', u'\u00DC', u'\u00A2', u'\u00A3', u'\u00A5',
    u'\u20A7', u'\u0192', u'\u00E1', u'\u00ED', u'\u00F3', u'\u00FA', u'\u00F1', u'\u00D1', u'\u00AA', u'\u00BA',
    u'\u00BF', u'\u2310', u'\u00AC', u'\u00BD', u'\u00BC', u'\u00A1', u'\u00AB', u'\u00BB', u'\u2591', u'\u2592',
    u'\u2593', u'\u2502', u'\u2524', u'\u2561', u'\u2562', u'\u2556', u'\u2555', u'\u2563', u'\u2551', u'\u2557',
    u'\u255D', u'\u255C', u'\u255B', u'\u2510', u'\u2514', u'\u2534', u'\u252C', u'\u251C', u'\u2500', u'\u253C',
    u'\u255E', u'\u255F', u'\u255A', u'\u2554', u'\u2569', u'\u2566', u'\u2560', u'\u2550', u'\u256C', u'\u2567',
    u'\u2568', u'\u2564', u'\u2565', u'\u2559', u'\u2558', u'\u2552', u'\u2553', u'\u256B', u'\u256A', u'\u2518',
    u'\u250C', u'\u2588', u'\u2584', u'\u258C', u'\u2590', u'\u2580', u'\u03B1', u'\u00DF', u'\u0393', u'\u03C0',
    u'\u03A3', u'\u03C3', u'\u00B5', u'\u03C4', u'\u03A6', u'\u0398', u'\u03A9', u'\u03B4', u'\u221E', u'\u03C6',
    u'\u03B5', u'\u2229', u'\u2261', u'\u00B1', u'\u2265', u'\u2264', u'\u2320', u'\u2321', u'\u00F7', u'\u2248',
    u'\u00B0', u'\u2219', u'\u00B7', u'\u221A', u'\u207F', u'\u00B2', u'\u25A0', u'\u00A0',
};

QChar OemToChar(uint8_t Byte)
{
    return Byte < 128 ? QChar(Byte) : QChar(OemUpperHalf[Byte - 128]);
}

uint8_t CharToOem(QChar Ch)
{
    if (Ch.unicode() < 128) return static_cast<uint8_t>(Ch.unicode());
    for (size_t i = 0; i < OemUpperHalf.size(); ++i)
        if (OemUpperHalf[i] == Ch.unicode()) return static_cast<uint8_t>(128 + i);
    return '?';
}

// A date value, or the platform's encoding error for parts outside what a date can hold.
TDateTime EncodeDateParts(int32_t Year, int32_t Month, int32_t Day)
{
    auto inRange = [](int32_t Part) { return Part >= 1 && Part <= 0xFFFF; };
    if (!inRange(Year) || !inRange(Month) || !inRange(Day)) return EncodeDate(0, 0, 0);
    return EncodeDate(Year, Month, Day);
}

// FirstIsMonth: month, day, year; otherwise day, month, year.
TDateTime ParseDate(const QString& Text, bool FirstIsMonth)
{
    QChar separator;
    if (Text.contains(u'/')) separator = u'/';
    else if (Text.contains(u'.')) separator = u'.';
    else if (Text.contains(u'-')) separator = u'-';
    else return 0;
    const QStringList parts = Text.split(separator);
    if (parts.size() < 3) return 0;
    const qsizetype yearStart = parts[0].size() + parts[1].size() + 2;
    const QString yearText = Text.mid(yearStart);
    int32_t first;
    int32_t second;
    int32_t year;
    if (!TryStrToInt(parts[0], first) || !TryStrToInt(parts[1], second) || !TryStrToInt(yearText, year))
        return 0;
    // Only a year written with one or two digits takes a century; "099" stays year 99, before "100".
    if (std::count_if(yearText.cbegin(), yearText.cend(), [](QChar Ch) { return Ch.isDigit(); }) <= 2) {
        if (year >= 0 && year <= 25) year += 2000;
        else if (year >= 26 && year <= 99) year += 1900;
    }
    return FirstIsMonth ? EncodeDateParts(year, first, second) : EncodeDateParts(year, second, first);
}

bool IsLinkChar(QChar Ch)
{
    const char16_t c = Ch.unicode();
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
           QStringView(u"%()-./:@\\_{}").contains(Ch);
}

}  // namespace

QString DoubleQuoteChars(const QString& Text)
{
    QString result = Text;
    return result.replace(u'"', QStringLiteral("\"\""));
}

QString UndoubleChar(QChar Ch, const QString& Text)
{
    if (!Text.contains(Ch)) return Text;
    QString result;
    result.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        result += Text[i];
        if (Text[i] == Ch && i + 1 < Text.size() && Text[i + 1] == Ch) ++i;
    }
    return result;
}

void QuoteCSVField(QString& Text)
{
    Text.replace(CRLF, QString(QChar(11)));
    Text = u'"' + Text + u'"';
}

void DecodeCSVLineBreaks(QString& Text)
{
    Text.replace(QChar(11), CRLF);
}

void RemoveCRBeforeLF(QString& Text)
{
    Text.replace(CRLF, QString(LF));
}

void TildeEncodeLineBreaks(QString& Text)
{
    Text.replace(CR, u'~');
    Text.remove(LF);
}

void TildeDecodeLineBreaks(QString& Text)
{
    Text.replace(u'~', CRLF);
    if (Text == u"^") Text.clear();
}

QString EncodeCellLineBreaks(const QString& Text)
{
    if (!Text.contains(CR)) return Text;
    QString result = Text;
    result.replace(CR, QChar(9)).replace(LF, QChar(8)).replace(QChar(0), QChar(1));
    return result;
}

QString DecodeCellLineBreaks(const QString& Text, bool KeepAllLines)
{
    if (!Text.contains(QChar(8))) return Text;
    QString result = Text;
    result.replace(QChar(9), CR).replace(QChar(8), LF).replace(QChar(1), QChar(0));
    return KeepAllLines ? result : TakeFirstLine(result, false);
}

QString TakeFirstLine(QString& Text, bool KeepRest)
{
    const qsizetype cr = Text.indexOf(CR);
    if (cr < 0) return std::exchange(Text, QString());
    const QString line = Text.left(cr);
    qsizetype restStart = cr + 1;
    if (restStart < Text.size() && Text[restStart] == LF) ++restStart;
    Text = KeepRest ? Text.mid(restStart) : QString();
    return line;
}

int32_t CountLines(const QString& Text, bool MultiLine)
{
    return MultiLine ? 1 + static_cast<int32_t>(Text.count(CR)) : 1;
}

QString UnescapeLineBreaks(const QString& Text)
{
    QString result = Text;
    return result.replace(QStringLiteral("\\n"), QString(CR));
}

QString EscapeLineBreaks(const QString& Text)
{
    QString result = Text;
    return result.remove(LF).replace(CR, QStringLiteral("\\n"));
}

QString RemoveCR(const QString& Text)
{
    QString result = Text;
    return result.remove(CR);
}

QString CRToLF(const QString& Text)
{
    QString result = Text;
    return result.replace(CR, LF);
}

QString LineBreaksToHTML(const QString& Text)
{
    QString result = Text;
    return result.replace(CR, QStringLiteral("<br>"));
}

int32_t FindOddCharRun(QChar Ch, const QString& Text, int32_t& Pos)
{
    Pos = 0;
    int32_t run = 0;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (Text[i] == Ch) {
            if (i == Text.size() - 1) {
                Pos = static_cast<int32_t>(i + 1);
                break;
            }
            ++run;
        } else if (run % 2 == 1) {
            Pos = static_cast<int32_t>(i);
            break;
        } else {
            run = 0;
        }
    }
    return Pos;
}

int32_t CountOddCharRuns(QChar Ch, const QString& Text)
{
    int32_t count = 0;
    QString rest = Text;
    int32_t found;
    while (FindOddCharRun(Ch, rest, found) > 0) {
        ++count;
        rest.remove(0, found);
    }
    return count;
}

int32_t CountChar(QChar Ch, const QString& Text)
{
    return static_cast<int32_t>(Text.count(Ch));
}

void StringToOEM(QString& Text)
{
    QByteArray oem;
    oem.reserve(Text.size());
    for (QChar ch : Text)
        oem += static_cast<char>(CharToOem(ch));
    Text = DecodeBytes(oem, teANSI);
}

void OEMToString(QString& Text)
{
    const QByteArray oem = EncodeString(Text, teANSI);
    QString result;
    result.reserve(oem.size());
    for (char byte : oem)
        result += OemToChar(static_cast<uint8_t>(byte));
    Text = result;
}

TDateTime ParseDateMDY(const QString& Text)
{
    return ParseDate(Text, true);
}

TDateTime ParseDateDMY(const QString& Text)
{
    return ParseDate(Text, false);
}

TDateTime IncrementDate(int16_t Years, int16_t Months, int16_t Days, TDateTime Date, TDateTime Delta)
{
    uint16_t year;
    uint16_t month;
    uint16_t day;
    DecodeDate(Date, year, month, day);
    if (Days != 0 && Years == 0 && Months == 0) return Date + Days;
    if (Years != 0 && Months == 0 && Days == 0) return EncodeDateParts(year + Years, month, day);
    if (Months != 0 && Years == 0 && Days == 0) {
        int32_t newYear = year;
        int32_t newMonth = month + Months;
        if (newMonth < 1) {
            newMonth += 12;
            --newYear;
        } else if (newMonth > 12) {
            newMonth -= 12;
            ++newYear;
        }
        return EncodeDateParts(newYear, newMonth, day);
    }
    return Date + Delta;
}

QString ProperCase(const QString& Text)
{
    QString result = Text;
    const qsizetype length = result.size();
    bool capNext = true;
    for (qsizetype i = 1; i <= length; ++i) {
        QChar& ch = result[i - 1];
        if (QStringView(u" ',-.").contains(ch)) {
            capNext = true;
        } else if (capNext) {
            ch = ch.toUpper();
            capNext = false;
        } else {
            ch = ch.toLower();
        }
        const QStringView done = QStringView(result).left(i);
        const qsizetype mc = result.indexOf(QStringLiteral(" Mc"));
        if ((i == 2 && done == u"Mc") || (i > 2 && mc >= 0 && mc + 3 == i) ||
            (i > length - 3 && (done.endsWith(u" I") || done.endsWith(u" II"))))
            capNext = true;
    }
    return result;
}

bool ContainsURL(const QString& Text)
{
    return Text.contains(QStringLiteral("://")) || Text.contains(QStringLiteral("mailto:"));
}

void StripURLProtocol(QString& Text)
{
    if (const qsizetype scheme = Text.indexOf(QStringLiteral("://")); scheme >= 0) Text.remove(0, scheme + 3);
    else if (const qsizetype mail = Text.indexOf(QStringLiteral("mailto:")); mail >= 0) Text.remove(0, mail + 7);
}

bool InsertURLAnchor(const QString& Text, const QString& Prefix, QString& Result)
{
    if (!AnsiUpperCase(Text).contains(Prefix)) return false;
    Result = Text;
    Result.replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
    const qsizetype start = AnsiUpperCase(Result).indexOf(Prefix);
    qsizetype end = start;
    while (end < Result.size() && IsLinkChar(Result[end]))
        ++end;
    const QString link = Result.mid(start, end - start);
    Result.replace(start, end - start, QStringLiteral("<a href=\"") + link + QStringLiteral("\">") + link + QStringLiteral("</a>"));
    return true;
}

QString ColorToHexRGB(TColor Color)
{
    return IntToHex(int32_t(GetRValue(Color)), 2) + IntToHex(int32_t(GetGValue(Color)), 2) +
           IntToHex(int32_t(GetBValue(Color)), 2);
}

QByteArray WrapHTMLForClipboard(const QString& Html)
{
    const QByteArray document = QByteArrayLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
    const QByteArray opening = QByteArrayLiteral(
        "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></head><body><!--StartFragment-->");
    const QByteArray closing = QByteArrayLiteral("<!--EndFragment--></body></html>");
    const QByteArray fragment = Html.toUtf8();
    auto offset = [](const char* Name, qsizetype Value) {
        return QByteArray(Name) + QByteArray::number(Value).rightJustified(8, '0') + "\r\n";
    };
    // Every header line has a fixed length, the offsets being eight digits each.
    const qsizetype headerLength = 13 + 20 + 18 + 24 + 22;
    const qsizetype startFragment = headerLength + document.size() + opening.size();
    const qsizetype endFragment = startFragment + fragment.size();
    return QByteArrayLiteral("Version:1.0\r\n") + offset("StartHTML:", headerLength) +
           offset("EndHTML:", endFragment + closing.size()) + offset("StartFragment:", startFragment) +
           offset("EndFragment:", endFragment) + document + opening + fragment + closing;
}

int32_t FindSubstring(const QString& SubText, const QString& Text, int32_t& Pos)
{
    Pos = ::Pos(SubText, Text);
    return Pos;
}

int32_t FindCharPos(QChar Ch, const QString& Text, int32_t& Pos)
{
    const int32_t found = CharPos(Ch, Text);
    if (found > 0) Pos = found;
    return found;
}

int32_t CharPos(QChar Ch, const QString& Text)
{
    return static_cast<int32_t>(Text.indexOf(Ch) + 1);
}

int32_t PosInUpperText(const QString& SubText, const QString& Text)
{
    return Pos(SubText, AnsiUpperCase(Text));
}

QString CutToDelimiter(QString& Text, QChar Delimiter)
{
    const qsizetype at = Text.indexOf(Delimiter);
    if (at < 0) return QString();
    const QString part = Text.left(at);
    Text.remove(0, at + 1);
    return part;
}

QString ConcatStrings(const TStrings* List)
{
    QString result;
    for (int32_t i = 0; i < List->Count(); ++i)
        result += List->Strings(i);
    return result;
}

void FillChars(QString& Text, QChar Ch)
{
    Text.fill(Ch);
}

bool ParseRCReference(const QString& Text, TPoint& Point)
{
    const QString upper = UpperCase(Text);
    if (upper.size() <= 3 || !upper.startsWith(u'R')) return false;
    const qsizetype c = upper.indexOf(u'C', 1);
    if (c < 0) return false;
    int32_t row;
    int32_t col;
    if (!TryStrToInt(upper.mid(1, c - 1), row) || !TryStrToInt(upper.mid(c + 1), col)) return false;
    Point = {col, row};
    return true;
}

bool IsCellInGridRect(const TRect& Rect, int32_t Col, int32_t Row)
{
    return Col >= Rect.Left && Col <= Rect.Right && Row >= Rect.Top && Row <= Rect.Bottom;
}

int32_t MaxOf(int32_t A, int32_t B)
{
    return A > B ? A : B;
}

int32_t MinOf(int32_t A, int32_t B)
{
    return A < B ? A : B;
}

int32_t ClampToLimits(int32_t Value, int32_t Min, int32_t Max)
{
    if (Min == Max) return Value;
    if (Min > 0 && Value < Min) return Min;
    if (Max > 0 && Value > Max) return Max;
    return Value;
}
