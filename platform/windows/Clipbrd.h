// The clipboard: Win32's clipboard functions and the toolkit's TClipboard, over the system clipboard that Qt reaches.
#pragma once

#include "rtl/Object.h"
#include "windows/Messages.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// Clipboard formats travel as MIME types: CF_TEXT and CF_UNICODETEXT as text/plain (read as bytes:
// the text in the ANSI code page, or in UTF-16, ending with a zero); CF_BITMAP and CF_DIB as an
// image, only through TClipboard::Assign; the registered "Rich Text Format" as text/rtf, "HTML
// Format" as text/html (with the Windows header its writer puts in the bytes), and any other
// registered name as application/x-kt20418-<name, percent-encoded>, their bytes as they are.
enum : UINT { CF_TEXT = 1, CF_BITMAP = 2, CF_DIB = 8, CF_UNICODETEXT = 13 };

// The same number for the same name, compared without regard to case, from 0xC000 up; the numbers
// are shared with RegisterWindowMessage, as on Windows. 0 for an empty name.
UINT RegisterClipboardFormat(const QString& Name);
// The name a registered format was first registered with; empty for any other number.
QString GetClipboardFormatName(UINT Format);

// Opens the clipboard for Wnd (nil: the program). False when there is no clipboard, or while it is
// open for another window; true, without nesting, when it is already open for Wnd.
bool OpenClipboard(HWND Wnd);
// Closes the clipboard; what was set or emptied while it was open becomes the system clipboard's
// content, all formats in one piece.
bool CloseClipboard();
// Empties the open clipboard.
bool EmptyClipboard();
// Puts Data under Format on the open clipboard, beside the formats already there. False when the
// clipboard is not open or the format does not travel as bytes.
bool SetClipboardData(UINT Format, const QByteArray& Data);
// The bytes of Format on the open clipboard; null when it is not there or the clipboard is closed.
QByteArray GetClipboardData(UINT Format);
// Whether the clipboard (the content being put together while it is open) holds Format.
bool IsClipboardFormatAvailable(UINT Format);
int32_t CountClipboardFormats();
// The format after Format (0: the first) on the open clipboard; 0 after the last.
UINT EnumClipboardFormats(UINT Format);

class TClipboard : public TPersistent {
public:
    // Open and Close nest; the outermost pair opens and closes the clipboard, so that what is set
    // in between reaches the system clipboard together. Open raises Exception "Cannot open
    // clipboard" when it cannot be opened.
    void Open();
    void Close();
    void Clear();
    bool HasFormat(UINT Format) const;

    // The text up to its first zero character; "" without text.
    QString AsText();
    // Puts Value on the clipboard in place of its content (see SetFormatData).
    void SetAsText(const QString& Value);
    // The bytes of Format (the toolkit's GetAsHandle); null when absent.
    QByteArray GetFormatData(UINT Format);
    // Puts Data under Format (the toolkit's SetAsHandle). The first format set within an Open/Close
    // pair, or alone, empties the clipboard first; the next ones of the same pair add to it.
    void SetFormatData(UINT Format, const QByteArray& Data);

    int32_t FormatCount() const;
    // The format at Index in the clipboard's order; 0 beyond the last.
    UINT Formats(int32_t Index);

    // A picture or graphic goes on the clipboard as a bitmap, in place of its content.
    void Assign(TPersistent* Source) override;

protected:
    // A bitmap, or a picture (as a bitmap), receives the clipboard's image; EInvalidGraphic
    // "Unsupported clipboard format" when it holds none.
    void AssignTo(TPersistent* Dest) override;

private:
    // Empties the clipboard before the first format set within the current Open/Close pair.
    void Adding();

    int32_t FOpenRefCount = 0;
    bool FEmptied = false;
};

// The program's clipboard object.
TClipboard* Clipboard();
