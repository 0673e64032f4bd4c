// Clipboard formats in Qt's MIME data: the MIME types of the formats and the conversion of their bytes.
#include "windows/private/ClipboardFormats.h"

#include "rtl/TextEncoding.h"

#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace WindowsInternal {

namespace {

const QString PlainText = QStringLiteral("text/plain");
const QString QtImage = QStringLiteral("application/x-qt-image");
const QString RichText = QStringLiteral("text/rtf");
const QString Html = QStringLiteral("text/html");
const QString RichTextName = QStringLiteral("Rich Text Format");
const QString HtmlName = QStringLiteral("HTML Format");
const QString OwnPrefix = QStringLiteral("application/x-kt20418-");

// The format a MIME type other than text and images carries; 0 for one of another program.
UINT FormatOfMimeType(const QString& MimeType)
{
    if (MimeType == RichText) return RegisterClipboardFormat(RichTextName);
    if (MimeType == Html) return RegisterClipboardFormat(HtmlName);
    if (MimeType.startsWith(OwnPrefix))
        return RegisterClipboardFormat(QUrl::fromPercentEncoding(MimeType.mid(OwnPrefix.size()).toLatin1()));
    return 0;
}

}  // namespace

QString ClipboardMimeType(UINT Format)
{
    if (Format == CF_TEXT || Format == CF_UNICODETEXT) return PlainText;
    const QString Name = GetClipboardFormatName(Format);
    if (Name.isEmpty()) return {};
    if (Name.compare(RichTextName, Qt::CaseInsensitive) == 0) return RichText;
    if (Name.compare(HtmlName, Qt::CaseInsensitive) == 0) return Html;
    return OwnPrefix + QString::fromLatin1(QUrl::toPercentEncoding(Name));
}

bool HasClipboardFormat(const QMimeData& Mime, UINT Format)
{
    if (Format == CF_BITMAP || Format == CF_DIB) return Mime.hasImage();
    if (Format == CF_TEXT || Format == CF_UNICODETEXT) return Mime.hasText();
    const QString MimeType = ClipboardMimeType(Format);
    return !MimeType.isEmpty() && Mime.hasFormat(MimeType);
}

QByteArray ClipboardFormatData(const QMimeData& Mime, UINT Format)
{
    if (!HasClipboardFormat(Mime, Format)) return {};
    switch (Format) {
    case CF_TEXT:
    case CF_UNICODETEXT: return BlockOfText(Format, Mime.text());
    default: return Mime.data(ClipboardMimeType(Format));
    }
}

bool SetClipboardFormatData(QMimeData& Mime, UINT Format, const QByteArray& Data)
{
    switch (Format) {
    case CF_TEXT:
    case CF_UNICODETEXT: Mime.setText(TextOfBlock(Format, Data)); return true;
    default: {
        const QString MimeType = ClipboardMimeType(Format);
        if (MimeType.isEmpty()) return false;
        Mime.setData(MimeType, Data);
        return true;
    }
    }
}

std::vector<UINT> ClipboardFormatsOf(const QMimeData& Mime)
{
    std::vector<UINT> Formats;
    const auto Add = [&Formats](UINT Format) {
        if (Format != 0 && std::find(Formats.begin(), Formats.end(), Format) == Formats.end()) Formats.push_back(Format);
    };
    for (const QString& MimeType : Mime.formats()) {
        if (MimeType == PlainText) {
            Add(CF_UNICODETEXT);
            Add(CF_TEXT);
        } else if (MimeType == QtImage) {
            Add(CF_BITMAP);
            Add(CF_DIB);
        } else {
            Add(FormatOfMimeType(MimeType));
        }
    }
    return Formats;
}

QString TextOfBlock(UINT Format, const QByteArray& Block)
{
    const QString Text = DecodeBytes(Block, Format == CF_TEXT ? teANSI : teUnicode);
    const qsizetype End = Text.indexOf(QChar(u'\0'));
    return End < 0 ? Text : Text.left(End);
}

QByteArray BlockOfText(UINT Format, const QString& Text)
{
    return Format == CF_TEXT ? EncodeString(Text, teANSI).append('\0') : EncodeString(Text, teUnicode).append(2, '\0');
}

void CopyMimeData(const QMimeData& Source, QMimeData& Dest)
{
    for (const QString& MimeType : Source.formats()) {
        if (MimeType == QtImage) Dest.setImageData(Source.imageData());
        else Dest.setData(MimeType, Source.data(MimeType));
    }
}

}  // namespace WindowsInternal
