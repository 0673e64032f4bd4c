// The clipboard: the open clipboard's content put together in one MIME object, the format registry, and TClipboard.
#include "windows/Clipbrd.h"

#include "graphics/Bitmap.h"
#include "graphics/Picture.h"
#include "graphics/private/Surfaces.h"
#include "windows/WinApi.h"
#include "windows/private/ClipboardFormats.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QMimeData>

#include <algorithm>
#include <memory>

using namespace WindowsInternal;

namespace {

// The clipboard while it is open.
struct TClipboardSession {
    bool Open = false;
    HWND Owner = nullptr;
    // The content being put together; nil until something is set or the clipboard is emptied.
    std::unique_ptr<QMimeData> Pending;
};

TClipboardSession& Session()
{
    static TClipboardSession State;
    return State;
}

QClipboard* SystemClipboard()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

// What the clipboard holds as far as the program sees it.
const QMimeData* Content()
{
    if (Session().Pending) return Session().Pending.get();
    const QClipboard* System = SystemClipboard();
    return System ? System->mimeData() : nullptr;
}

// The content being put together, starting from the clipboard's when nothing emptied it.
QMimeData& PendingContent()
{
    std::unique_ptr<QMimeData>& Pending = Session().Pending;
    if (!Pending) {
        auto Started = std::make_unique<QMimeData>();
        if (const QMimeData* Current = Content()) CopyMimeData(*Current, *Started);
        Pending = std::move(Started);
    }
    return *Pending;
}

QHash<UINT, QString>& FormatNames()
{
    static QHash<UINT, QString> Names;
    return Names;
}

// Keeps the clipboard open for the lifetime of the object.
class TOpened {
public:
    explicit TOpened(TClipboard& Clipboard) : FClipboard(Clipboard) { FClipboard.Open(); }
    ~TOpened() { FClipboard.Close(); }
    TOpened(const TOpened&) = delete;
    TOpened& operator=(const TOpened&) = delete;

private:
    TClipboard& FClipboard;
};

}  // namespace

// ---- Formats ----

UINT RegisterClipboardFormat(const QString& Name)
{
    if (Name.isEmpty()) return 0;
    const UINT Format = RegisterWindowMessage(Name);
    if (!FormatNames().contains(Format)) FormatNames().insert(Format, Name);
    return Format;
}

QString GetClipboardFormatName(UINT Format)
{
    return FormatNames().value(Format);
}

// ---- The Win32 functions ----

bool OpenClipboard(HWND Wnd)
{
    TClipboardSession& State = Session();
    if (State.Open) return State.Owner == Wnd;
    if (!SystemClipboard()) return false;
    State.Open = true;
    State.Owner = Wnd;
    return true;
}

bool CloseClipboard()
{
    TClipboardSession& State = Session();
    if (!State.Open) return false;
    State.Open = false;
    State.Owner = nullptr;
    if (State.Pending) SystemClipboard()->setMimeData(State.Pending.release());
    return true;
}

bool EmptyClipboard()
{
    if (!Session().Open) return false;
    Session().Pending = std::make_unique<QMimeData>();
    return true;
}

bool SetClipboardData(UINT Format, const QByteArray& Data)
{
    if (!Session().Open || ClipboardMimeType(Format).isEmpty()) return false;
    return SetClipboardFormatData(PendingContent(), Format, Data);
}

QByteArray GetClipboardData(UINT Format)
{
    const QMimeData* Mime = Session().Open ? Content() : nullptr;
    return Mime ? ClipboardFormatData(*Mime, Format) : QByteArray();
}

bool IsClipboardFormatAvailable(UINT Format)
{
    const QMimeData* Mime = Content();
    return Mime && HasClipboardFormat(*Mime, Format);
}

int32_t CountClipboardFormats()
{
    const QMimeData* Mime = Content();
    return Mime ? static_cast<int32_t>(ClipboardFormatsOf(*Mime).size()) : 0;
}

UINT EnumClipboardFormats(UINT Format)
{
    const QMimeData* Mime = Session().Open ? Content() : nullptr;
    if (!Mime) return 0;
    const std::vector<UINT> Formats = ClipboardFormatsOf(*Mime);
    if (Format == 0) return Formats.empty() ? 0 : Formats.front();
    const auto Found = std::find(Formats.begin(), Formats.end(), Format);
    return Found == Formats.end() || Found + 1 == Formats.end() ? 0 : *(Found + 1);
}

// ---- TClipboard ----

void TClipboard::Open()
{
    if (FOpenRefCount == 0) {
        if (!OpenClipboard(nullptr)) throw Exception(QStringLiteral("Cannot open clipboard"));
        FEmptied = false;
    }
    ++FOpenRefCount;
}

void TClipboard::Close()
{
    if (FOpenRefCount == 0) return;
    if (--FOpenRefCount == 0) CloseClipboard();
}

void TClipboard::Clear()
{
    const TOpened Opened(*this);
    EmptyClipboard();
}

void TClipboard::Adding()
{
    if (FOpenRefCount != 0 && !FEmptied) {
        Clear();
        FEmptied = true;
    }
}

bool TClipboard::HasFormat(UINT Format) const
{
    return IsClipboardFormatAvailable(Format);
}

QString TClipboard::AsText()
{
    const TOpened Opened(*this);
    return TextOfBlock(CF_UNICODETEXT, GetClipboardData(CF_UNICODETEXT));
}

void TClipboard::SetAsText(const QString& Value)
{
    SetFormatData(CF_UNICODETEXT, BlockOfText(CF_UNICODETEXT, Value));
}

QByteArray TClipboard::GetFormatData(UINT Format)
{
    const TOpened Opened(*this);
    return GetClipboardData(Format);
}

void TClipboard::SetFormatData(UINT Format, const QByteArray& Data)
{
    const TOpened Opened(*this);
    Adding();
    SetClipboardData(Format, Data);
}

int32_t TClipboard::FormatCount() const
{
    return CountClipboardFormats();
}

UINT TClipboard::Formats(int32_t Index)
{
    const TOpened Opened(*this);
    UINT Format = EnumClipboardFormats(0);
    while (Index-- > 0 && Format != 0) Format = EnumClipboardFormats(Format);
    return Format;
}

void TClipboard::Assign(TPersistent* Source)
{
    TGraphic* Graphic = dynamic_cast<TGraphic*>(Source);
    if (auto* Picture = dynamic_cast<TPicture*>(Source)) Graphic = Picture->Graphic();
    if (!Graphic) {
        TPersistent::Assign(Source);
        return;
    }
    const TOpened Opened(*this);
    Adding();
    PendingContent().setImageData(ImageOf(*Graphic));
}

void TClipboard::AssignTo(TPersistent* Dest)
{
    auto* Bitmap = dynamic_cast<TBitmap*>(Dest);
    auto* Picture = dynamic_cast<TPicture*>(Dest);
    if (!Bitmap && !Picture) {
        TPersistent::AssignTo(Dest);
        return;
    }
    QImage Image;
    {
        const TOpened Opened(*this);
        const QMimeData* Mime = Content();
        if (Mime && Mime->hasImage()) Image = qvariant_cast<QImage>(Mime->imageData());
    }
    if (Image.isNull()) throw EInvalidGraphic(QStringLiteral("Unsupported clipboard format"));
    AssignImage(*(Bitmap ? Bitmap : Picture->Bitmap()), Image);
}

TClipboard* Clipboard()
{
    static TClipboard Instance;
    return &Instance;
}
