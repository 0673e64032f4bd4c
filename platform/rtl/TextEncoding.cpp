// Text-file codecs: Windows-1252, UTF-8, UTF-16 and ASCII, with byte-order-mark detection.
#include "TextEncoding.h"

#include <QtEndian>

#include <array>

namespace {
// Characters of the bytes 0x80..0x9F in Windows-1252; the undefined bytes keep their C1 code.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<char16_t, 256> MakeCp1252Table()
{
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b) table[b] = static_cast<char16_t>(b);
    for (int i = 0; i < 32; ++i) table[0x80 + i] = Cp1252High[i];
    return table;
}
constexpr std::array<char16_t, 256> Cp1252ToUnicode = MakeCp1252Table();

constexpr char Unmappable = '?';

char UnicodeToCp1252(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (int i = 0; i < 32; ++i)
        if (Cp1252High[i] == u) return static_cast<char>(0x80 + i);
    return Unmappable;
}

// Maps each character of Text to one byte; a surrogate pair is one character.
template <typename ToByte>
QByteArray EncodeSingleByte(const QString& Text, ToByte toByte)
{
    QByteArray bytes;
    bytes.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        if (c.isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate()) {
            bytes.append(Unmappable);
            ++i;
        } else {
            bytes.append(toByte(c.unicode()));
        }
    }
    return bytes;
}

QString DecodeUtf16(QByteArrayView Bytes, bool BigEndian)
{
    QString text(Bytes.size() / 2, Qt::Uninitialized);
    const auto* src = reinterpret_cast<const uchar*>(Bytes.data());
    char16_t* dst = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        dst[i] = BigEndian ? qFromBigEndian<char16_t>(src + 2 * i) : qFromLittleEndian<char16_t>(src + 2 * i);
    return text;
}

QByteArray EncodeUtf16(const QString& Text, bool BigEndian)
{
    QByteArray bytes(Text.size() * 2, Qt::Uninitialized);
    auto* dst = reinterpret_cast<uchar*>(bytes.data());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const char16_t u = Text[i].unicode();
        if (BigEndian)
            qToBigEndian(u, dst + 2 * i);
        else
            qToLittleEndian(u, dst + 2 * i);
    }
    return bytes;
}

// Qt writes '?' for a lone surrogate; Windows writes U+FFFD.
QByteArray EncodeUtf8(const QString& Text)
{
    if (Text.isValidUtf16()) return Text.toUtf8();
    QString repaired = Text;
    for (qsizetype i = 0; i < repaired.size(); ++i) {
        const QChar c = repaired[i];
        if (c.isHighSurrogate() && i + 1 < repaired.size() && repaired[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            repaired[i] = QChar::ReplacementCharacter;
    }
    return repaired.toUtf8();
}
}  // namespace

TByteOrderMark DetectByteOrderMark(QByteArrayView Bytes)
{
    for (TTextEncoding encoding : {teUTF8, teUnicode, teBigEndianUnicode}) {
        const QByteArray mark = EncodingPreamble(encoding);
        if (Bytes.startsWith(mark)) return {encoding, static_cast<int32_t>(mark.size())};
    }
    return {};
}

QByteArray EncodingPreamble(TTextEncoding Encoding)
{
    switch (Encoding) {
    case teUTF8: return QByteArrayLiteral("\xEF\xBB\xBF");
    case teUnicode: return QByteArrayLiteral("\xFF\xFE");
    case teBigEndianUnicode: return QByteArrayLiteral("\xFE\xFF");
    case teANSI:
    case teASCII: break;
    }
    return {};
}

QString DecodeBytes(QByteArrayView Bytes, TTextEncoding Encoding)
{
    switch (Encoding) {
    case teUTF8: return QString::fromUtf8(Bytes);
    case teUnicode: return DecodeUtf16(Bytes, false);
    case teBigEndianUnicode: return DecodeUtf16(Bytes, true);
    case teANSI:
    case teASCII: break;
    }
    QString text(Bytes.size(), Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < Bytes.size(); ++i) {
        const auto b = static_cast<uchar>(Bytes[i]);
        dst[i] = Encoding == teANSI ? Cp1252ToUnicode[b] : (b < 0x80 ? char16_t(b) : char16_t(Unmappable));
    }
    return text;
}

QByteArray EncodeString(const QString& Text, TTextEncoding Encoding)
{
    switch (Encoding) {
    case teUTF8: return EncodeUtf8(Text);
    case teUnicode: return EncodeUtf16(Text, false);
    case teBigEndianUnicode: return EncodeUtf16(Text, true);
    case teASCII: return EncodeSingleByte(Text, [](char16_t u) { return u < 0x80 ? static_cast<char>(u) : Unmappable; });
    case teANSI: break;
    }
    return EncodeSingleByte(Text, UnicodeToCp1252);
}

TDecodedText DecodeText(QByteArrayView Bytes)
{
    const TByteOrderMark mark = DetectByteOrderMark(Bytes);
    return {DecodeBytes(Bytes.sliced(mark.Length), mark.Encoding), mark.Encoding};
}

QByteArray EncodeText(const QString& Text, TTextEncoding Encoding, bool WithBOM)
{
    QByteArray bytes = WithBOM ? EncodingPreamble(Encoding) : QByteArray();
    bytes += EncodeString(Text, Encoding);
    return bytes;
}
