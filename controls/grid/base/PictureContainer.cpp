// The markup picture with its GIF frames, the picture cache and the picture container.
#include "grid/base/PictureContainer.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "graphics/Picture.h"
#include "rtl/NumConv.h"
#include "rtl/Streams.h"

#include <QByteArray>
#include <QList>

#include <algorithm>
#include <cstring>

namespace {

// 16-bit little-endian value at Offset; 0 where the data ends before it.
uint16_t WordAt(const QByteArray& Data, qsizetype Offset)
{
    if (Offset < 0 || Offset + 1 >= Data.size()) return 0;
    return static_cast<uint16_t>(uint8_t(Data[Offset]) | (uint8_t(Data[Offset + 1]) << 8));
}

// Positions of the frame starts: a graphic control extension of 4 data bytes whose image
// descriptor follows it.
QList<qsizetype> FrameStarts(const QByteArray& Data)
{
    QList<qsizetype> starts;
    for (qsizetype p = 0; p + 9 < Data.size(); ++p)
        if (uint8_t(Data[p]) == 0x21 && uint8_t(Data[p + 1]) == 0xF9 && Data[p + 2] == 4 && uint8_t(Data[p + 8]) == 0x2C)
            starts.append(p);
    return starts;
}

// The decoder paints the first image of a GIF stream onto the whole logical screen: Picture keeps
// only the part under Frame, the frame's own pixels.
void CropToFrame(TPicture& Picture, const TRect& Frame)
{
    TBitmap screen;
    screen.Assign(Picture.Graphic());
    const TRect whole = Rect(0, 0, screen.Width(), screen.Height());
    TRect area;
    if (!IntersectRect(area, Frame, whole) || area == whole) return;
    screen.SetPixelFormat(pf32bit);
    TBitmap frame;
    frame.SetPixelFormat(pf32bit);
    frame.SetAlphaFormat(screen.AlphaFormat());
    frame.SetSize(area.Width(), area.Height());
    for (int32_t y = 0; y < area.Height(); ++y)
        std::memcpy(frame.ScanLine(y), screen.ScanLine(area.Top + y) + 4 * area.Left, size_t(4) * area.Width());
    Picture.SetGraphic(&frame);
}

// The download of a remote picture. Nothing is downloaded on this platform: the task ends as soon
// as it starts and leaves the picture as it was.
class TDownLoadThread {
public:
    explicit TDownLoadThread(THTMLPicture* APicture) : HTMLPicture(APicture) {}
    void Execute() {}

    THTMLPicture* HTMLPicture;  // not owned
};

}  // namespace

int32_t ScaleToPixelsPerInch(int32_t Value, int32_t PixelsPerInch)
{
    if (PixelsPerInch == ScreenPixelsPerInch) return Value;
    return static_cast<int32_t>(RoundHalfEven(static_cast<long double>(Value) * PixelsPerInch / ScreenPixelsPerInch));
}

// --- THTMLPicture ---

THTMLPicture::THTMLPicture() : FDatastream(std::make_unique<TBytesStream>()) {}

THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::Assign(TPersistent* Source)
{
    if (Source == this) return;
    FIsEmpty = true;
    gpPicture.reset();
    FFrameCount = -1;
    FNextCount = -1;
    FTimerCount = -1;
    // Back to frame 1 of the bytes still held (OnFrameChange fires). Bytes that do not decode
    // are replaced or left below anyway, so only that failure is let go.
    try {
        SetFrame(1);
    } catch (const EInvalidGraphic&) {
    }
    // An empty picture keeps no decoded image.
    gpPicture.reset();
    auto* other = dynamic_cast<THTMLPicture*>(Source);
    if (Source && !other) return;
    // An empty source picture has nothing to decode: it empties this one as nil does.
    if (!other || other->Empty()) {
        FDatastream = std::make_unique<TBytesStream>();
        return;
    }
    FDatastream = std::make_unique<TBytesStream>(other->FDatastream->Bytes());
    Decode();
    FIsEmpty = false;
    Changed();
}

void THTMLPicture::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    if (FIsEmpty || !gpPicture) return;
    TGraphic* graphic = gpPicture->Graphic();
    if (FStretched) {
        ACanvas->StretchDraw(Rect, graphic);
        return;
    }
    const int32_t ppiX = GetDeviceCaps(ACanvas, LOGPIXELSX);
    const int32_t ppiY = GetDeviceCaps(ACanvas, LOGPIXELSY);
    ACanvas->StretchDraw(Bounds(Rect.Left, Rect.Top, ScaleToPixelsPerInch(Width(), ppiX),
                                ScaleToPixelsPerInch(Height(), ppiY)),
                         graphic);
}

int32_t THTMLPicture::Width() const
{
    return gpPicture ? gpPicture->Width() : 0;
}

int32_t THTMLPicture::Height() const
{
    return gpPicture ? gpPicture->Height() : 0;
}

void THTMLPicture::LoadFromStream(TStream* Stream)
{
    if (!Stream) return;
    ReadBytes(Stream);
    Changed();
}

void THTMLPicture::SaveToStream(TStream* Stream)
{
    Stream->WriteBytes(FDatastream->Bytes());
}

void THTMLPicture::ReadData(TStream* Stream)
{
    if (Stream) ReadBytes(Stream);
}

void THTMLPicture::ReadBytes(TStream* Stream)
{
    const int64_t count = std::clamp<int64_t>(Stream->Size() - Stream->Position(), 0, INT32_MAX);
    FDatastream = std::make_unique<TBytesStream>(Stream->ReadBytes(static_cast<int32_t>(count)));
    // New bytes hold frames of their own.
    FFrameCount = -1;
    FIsEmpty = true;
    Decode();
    FIsEmpty = false;
}

void THTMLPicture::LoadFromFile(const QString& FileName)
{
    try {
        TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
        LoadFromStream(&stream);
    } catch (const Exception&) {
        FIsEmpty = true;
    }
}

void THTMLPicture::LoadFromResourceName(uintptr_t, const QString& ResName)
{
    const QString file = FindResourceFile(ResName);
    if (file.isEmpty()) return;
    TFileStream stream(file, fmOpenRead);
    LoadFromStream(&stream);
}

void THTMLPicture::LoadFromResourceID(uintptr_t Instance, int32_t ResID)
{
    const QString name = IntToStr(ResID);
    if (FindResourceFile(name).isEmpty())
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(name));
    LoadFromResourceName(Instance, name);
}

void THTMLPicture::LoadFromURL(const QString& URL)
{
    const QString upper = URL.toUpper();
    if (upper.startsWith(QLatin1String("RES://"))) {
        FID = URL;
        const QString name = URL.mid(6);
        if (!name.isEmpty()) LoadFromResourceName(0, name);
        return;
    }
    if (upper.startsWith(QLatin1String("FILE://"))) {
        FID = URL;
        LoadFromFile(URL.mid(7));
        return;
    }
    if (!FAsynch) {
        FURL = URL;
        FID = URL;
        return;
    }
    if (FThreadBusy) return;
    FURL = URL;
    FThreadBusy = true;
    TDownLoadThread(this).Execute();
}

bool THTMLPicture::IsGIF() const
{
    const QByteArray& data = FDatastream->Bytes();
    return data.size() >= 5 && data.startsWith("GIF8");
}

int32_t THTMLPicture::FrameCount() const
{
    if (!IsGIF()) return -1;
    if (FFrameCount < 0) FFrameCount = static_cast<int32_t>(FrameStarts(FDatastream->Bytes()).size());
    return FFrameCount;
}

void THTMLPicture::SetFrame(int32_t Value)
{
    FFrame = Value;
    if (FDatastream->Size() == 0) return;
    Decode();
    if (OnFrameChange) OnFrameChange(this);
}

void THTMLPicture::FrameNext()
{
    FFrame = FFrame >= FrameCount() ? 1 : FFrame + 1;
}

void THTMLPicture::FramePrev()
{
    FFrame = FFrame <= 1 ? FrameCount() : FFrame - 1;
}

int32_t THTMLPicture::GetFrameTime(int32_t Index)
{
    if (!IsGIF()) return -1;
    const QByteArray& data = FDatastream->Bytes();
    const QList<qsizetype> starts = FrameStarts(data);
    if (Index < 1 || Index > starts.size()) return -1;
    const qsizetype p = starts[Index - 1];
    const uint8_t packed = uint8_t(data[p + 3]);
    FFrameTransp = packed & 1;
    FFrameDisposal = (packed >> 2) & 7;
    return WordAt(data, p + 4);
}

bool THTMLPicture::Step()
{
    if (FFrameCount < 2 || FIsEmpty) return false;
    if (FNextCount == -1) FNextCount = GetFrameTime(FFrame);
    bool changed = false;
    if (FTimerCount * 10 >= FNextCount) {
        FrameNext();
        Decode();
        FNextCount += GetFrameTime(FFrame);
        changed = true;
    }
    ++FTimerCount;
    return changed;
}

int32_t THTMLPicture::MaxWidth() const
{
    if (!gpPicture) return 0;
    return FAnimMaxX ? FAnimMaxX : Width();
}

int32_t THTMLPicture::MaxHeight() const
{
    if (!gpPicture) return 0;
    return FAnimMaxY ? FAnimMaxY : Height();
}

void THTMLPicture::Decode()
{
    gpPicture.reset();
    const QByteArray& data = FDatastream->Bytes();
    QByteArray image = data;
    bool isFrame = false;
    FAnimMaxX = 0;
    FAnimMaxY = 0;
    if (IsGIF()) {
        const QList<qsizetype> starts = FrameStarts(data);
        if (!starts.isEmpty()) {
            FAnimMaxX = WordAt(data, 6);
            FAnimMaxY = WordAt(data, 8);
            if (FFrame >= 1 && FFrame <= starts.size()) {
                // The header and the frames from the current one on: the decoder shows the first.
                const qsizetype current = starts[FFrame - 1];
                image = data.left(starts.first()) + data.mid(current);
                const qsizetype descriptor = current + 8;
                FFrameXPos = WordAt(data, descriptor + 1);
                FFrameYPos = WordAt(data, descriptor + 3);
                FFrameXSize = WordAt(data, descriptor + 5);
                FFrameYSize = WordAt(data, descriptor + 7);
                isFrame = true;
            }
        }
    }
    auto picture = std::make_unique<TPicture>();
    try {
        TBytesStream stream(image);
        picture->LoadFromStream(&stream);
    } catch (const Exception&) {
        throw EInvalidGraphic(QStringLiteral("Could not load image. Invalid format"));
    }
    if (!picture->Graphic() || picture->Graphic()->Empty())
        throw EInvalidGraphic(QStringLiteral("Could not load image"));
    if (isFrame) CropToFrame(*picture, Bounds(FFrameXPos, FFrameYPos, FFrameXSize, FFrameYSize));
    gpPicture = std::move(picture);
}

// --- THTMLPictureCache ---

THTMLPicture* THTMLPictureCache::AddPicture()
{
    auto* picture = new THTMLPicture;
    Add(picture);
    return picture;
}

THTMLPicture* THTMLPictureCache::FindPicture(const QString& ID) const
{
    for (THTMLPicture* picture : *this)
        if (picture->ID() == ID) return picture;
    return nullptr;
}

bool THTMLPictureCache::Animate()
{
    bool changed = false;
    for (THTMLPicture* picture : *this) changed = picture->Step() || changed;
    return changed;
}

// --- TPictureItem, TPictureCollection, TPictureContainer ---

TPictureItem::TPictureItem(TCollection* Collection)
    : TCollectionItem(Collection), FPicture(std::make_unique<THTMLPicture>())
{
}

TPictureItem::~TPictureItem() = default;

void TPictureItem::Assign(TPersistent* Source)
{
    auto* item = dynamic_cast<TPictureItem*>(Source);
    if (!item) {
        TCollectionItem::Assign(Source);
        return;
    }
    FName = item->FName;
    FTag = item->FTag;
    FPicture->Assign(item->FPicture.get());
}

void TPictureItem::SetPicture(THTMLPicture* Value)
{
    FPicture->Assign(Value);
}

TPictureCollection::TPictureCollection(TComponent* AOwner)
    : TOwnedCollection(AOwner, ItemClassOf<TPictureItem>())
{
}

TPictureItem* TPictureCollection::Add()
{
    return static_cast<TPictureItem*>(TCollection::Add());
}

TPictureItem* TPictureCollection::Insert(int32_t Index)
{
    return static_cast<TPictureItem*>(TCollection::Insert(Index));
}

bool TPictureCollection::Animate()
{
    bool changed = false;
    for (int32_t i = 0; i < Count(); ++i) changed = Items(i)->Picture()->Step() || changed;
    return changed;
}

TPictureContainer::TPictureContainer(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TPictureCollection>(this))
{
}

TPictureContainer::~TPictureContainer() = default;

THTMLPicture* TPictureContainer::FindPicture(const QString& Name) const
{
    for (int32_t i = 0; i < FItems->Count(); ++i) {
        TPictureItem* item = FItems->Items(i);
        if (item->Name().compare(Name, Qt::CaseInsensitive) == 0) return item->Picture();
    }
    return nullptr;
}
