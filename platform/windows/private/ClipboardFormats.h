// Clipboard formats in Qt's MIME data: which MIME type carries a format, and a format's bytes read and written there.
#pragma once

#include "windows/Clipbrd.h"

#include <QByteArray>
#include <QString>

#include <vector>

class QMimeData;

namespace WindowsInternal {

// The MIME type that carries the bytes of Format; empty for a format that does not travel as bytes.
QString ClipboardMimeType(UINT Format);
bool HasClipboardFormat(const QMimeData& Mime, UINT Format);
// The bytes of Format as a Windows clipboard block holds them; null when Mime lacks it.
QByteArray ClipboardFormatData(const QMimeData& Mime, UINT Format);
// Puts Data under Format into Mime; false for a format that does not travel as bytes.
bool SetClipboardFormatData(QMimeData& Mime, UINT Format, const QByteArray& Data);
// The formats Mime holds, in the order of its MIME types (text: CF_UNICODETEXT, then CF_TEXT; an
// image: CF_BITMAP, then CF_DIB).
std::vector<UINT> ClipboardFormatsOf(const QMimeData& Mime);
// The text of a CF_TEXT or CF_UNICODETEXT block: its characters up to the first zero.
QString TextOfBlock(UINT Format, const QByteArray& Block);
// Text as a CF_TEXT (ANSI code page) or CF_UNICODETEXT (UTF-16) block, ending with a zero.
QByteArray BlockOfText(UINT Format, const QString& Text);
// Copies every MIME type of Source into Dest.
void CopyMimeData(const QMimeData& Source, QMimeData& Dest);

}  // namespace WindowsInternal
