// Text-file codecs: Windows-1252, UTF-8, UTF-16 and ASCII, with byte-order-mark detection.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>

// The encodings text files are read and written in, named after the toolkit's TEncoding instances.
enum TTextEncoding {
    teANSI,              // the system's ANSI code page: Windows-1252 (TEncoding.Default)
    teUTF8,              // UTF-8; its preamble is EF BB BF (TEncoding.UTF8)
    teUnicode,           // UTF-16 little-endian; preamble FF FE (TEncoding.Unicode)
    teBigEndianUnicode,  // UTF-16 big-endian; preamble FE FF (TEncoding.BigEndianUnicode)
    teASCII,             // 7-bit ASCII (TEncoding.ASCII)
};

// The encoding a byte-order mark names and the mark's length in bytes.
struct TByteOrderMark {
    TTextEncoding Encoding = teANSI;
    int32_t Length = 0;
};

// The byte-order mark Bytes start with; {teANSI, 0} when they start with none.
TByteOrderMark DetectByteOrderMark(QByteArrayView Bytes);

// The byte-order mark of Encoding; empty for teANSI and teASCII.
QByteArray EncodingPreamble(TTextEncoding Encoding);

// Bytes read as text in Encoding, a byte-order mark included as a character.
// teANSI: each byte through the Windows-1252 table; the five bytes 1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081 etc., as Windows does.
// teUTF8: an invalid sequence becomes U+FFFD.
// teUnicode / teBigEndianUnicode: one character per byte pair; a last odd byte is dropped.
// teASCII: a byte above 0x7F becomes '?'.
QString DecodeBytes(QByteArrayView Bytes, TTextEncoding Encoding);

// Text as bytes in Encoding, without a byte-order mark.
// teANSI / teASCII: a character the code page lacks becomes one '?' (a surrogate pair counts as one
// character). teUTF8: a lone surrogate becomes U+FFFD. UTF-16: the code units as they are.
QByteArray EncodeString(const QString& Text, TTextEncoding Encoding);

struct TDecodedText {
    QString Text;
    TTextEncoding Encoding = teANSI;
};

// A text file's bytes read as the toolkit reads them: a UTF-8, UTF-16LE or UTF-16BE byte-order
// mark chooses that encoding and is skipped; without a mark the bytes are Windows-1252.
TDecodedText DecodeText(QByteArrayView Bytes);

// Text as a file's bytes in Encoding, preceded by the encoding's byte-order mark when WithBOM is set.
QByteArray EncodeText(const QString& Text, TTextEncoding Encoding, bool WithBOM);
