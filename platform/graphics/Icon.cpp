// TIcon: icon directory, choice of image, DIB images with AND masks or alpha, PNG images.
#include "graphics/Icon.h"

#include "graphics/Bitmap.h"
#include "graphics/private/CursorFile.h"
#include "graphics/Canvas.h"
#include "graphics/private/Surfaces.h"
#include "rtl/Streams.h"

#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr int32_t SystemIconSize = 32;

[[noreturn]] void InvalidIcon()
{
    throw EInvalidGraphic(QStringLiteral("Icon image is not valid"));
}

struct TIconEntry {
    int32_t Width = 0;
    int32_t Height = 0;
    // The bits per pixel of an icon; a cursor keeps its hot spot in the same two words.
    int32_t Planes = 0;
    int32_t BitCount = 0;
    QByteArray Image;
};

enum : uint16_t { IconFileType = 1, CursorFileType = 2 };

template <typename T>
T Read(const QByteArray& Data, qsizetype At)
{
    if (At < 0 || At > Data.size() - qsizetype(sizeof(T))) InvalidIcon();
    return qFromLittleEndian<T>(Data.constData() + At);
}

std::vector<TIconEntry> ReadDirectory(const QByteArray& Data, uint16_t FileType)
{
    if (Read<uint16_t>(Data, 0) != 0 || Read<uint16_t>(Data, 2) != FileType) InvalidIcon();
    const int count = Read<uint16_t>(Data, 4);
    if (count == 0) InvalidIcon();
    std::vector<TIconEntry> entries;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 6 + 16 * qsizetype(i);
        const uint8_t width = Read<uint8_t>(Data, at);
        const uint8_t height = Read<uint8_t>(Data, at + 1);
        const uint32_t size = Read<uint32_t>(Data, at + 8);
        const uint32_t offset = Read<uint32_t>(Data, at + 12);
        if (offset > uint64_t(Data.size()) || size > uint64_t(Data.size()) - offset) InvalidIcon();
        entries.push_back({width ? width : 256, height ? height : 256, Read<uint16_t>(Data, at + 4),
                           Read<uint16_t>(Data, at + 6), Data.mid(offset, size)});
    }
    return entries;
}

// A DIB image: colours over a doubled height, the AND mask rows after them.
QImage DecodeDib(const QByteArray& Image)
{
    if (Read<uint32_t>(Image, 0) < 40) InvalidIcon();
    const int32_t bitCount = Read<uint16_t>(Image, 14);
    QByteArray colors = Image;
    qToLittleEndian<int32_t>(Read<int32_t>(Image, 8) / 2, colors.data() + 8);
    TBitmap bitmap;
    qsizetype maskStart = 0;
    try {
        maskStart = bitmap.LoadFromDIB(colors);
    } catch (const EInvalidGraphic&) {
        InvalidIcon();
    }
    if (bitCount == 32) bitmap.SetAlphaFormat(afDefined);
    QImage pixels = ImageOf(bitmap).convertToFormat(QImage::Format_ARGB32);
    const int32_t width = pixels.width();
    const int32_t height = pixels.height();
    bool hasAlpha = false;
    for (int32_t y = 0; y < height && !hasAlpha; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        hasAlpha = std::any_of(row, row + width, [](QRgb pixel) { return qAlpha(pixel) != 0; });
    }
    if (bitCount == 32 && hasAlpha) return pixels;

    // Mask bit 1 is transparent; rows run from the bottom. Without a mask the image is opaque.
    const qsizetype stride = (qsizetype(width) + 31) / 32 * 4;
    const bool masked = maskStart + stride * height <= Image.size();
    for (int32_t y = 0; y < height; ++y) {
        const auto* mask = masked ? reinterpret_cast<const uint8_t*>(Image.constData()) + maskStart + stride * (height - 1 - y) : nullptr;
        auto* row = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        for (int32_t x = 0; x < width; ++x) {
            const bool transparent = mask && (mask[x >> 3] & (0x80 >> (x & 7)));
            row[x] = (row[x] & 0xFFFFFF) | (transparent ? 0 : 0xFF000000u);
        }
    }
    return pixels;
}

QImage DecodeImage(const QByteArray& Image)
{
    if (Image.startsWith("\x89PNG\r\n\x1a\n")) {
        const QImage png = QImage::fromData(Image, "PNG");
        if (png.isNull()) InvalidIcon();
        return png.convertToFormat(QImage::Format_ARGB32);
    }
    return DecodeDib(Image);
}

int32_t SizeDistance(const TIconEntry& Entry, int32_t Width, int32_t Height)
{
    return std::abs(Entry.Width - Width) + std::abs(Entry.Height - Height);
}

}  // namespace

QImage ReadCursorFile(const QByteArray& Data, QPoint& HotSpot)
{
    const std::vector<TIconEntry> entries = ReadDirectory(Data, CursorFileType);
    const auto best = std::min_element(entries.begin(), entries.end(), [](const TIconEntry& a, const TIconEntry& b) {
        return SizeDistance(a, SystemIconSize, SystemIconSize) < SizeDistance(b, SystemIconSize, SystemIconSize);
    });
    QImage image = DecodeImage(best->Image);
    HotSpot = QPoint(std::clamp(best->Planes, 0, std::max(image.width() - 1, 0)),
                     std::clamp(best->BitCount, 0, std::max(image.height() - 1, 0)));
    return image;
}

TIcon::TIcon() = default;
TIcon::~TIcon() = default;

void TIcon::Assign(TPersistent* Source)
{
    if (!Source) {
        FData.clear();
        FImage.reset();
        Changed();
    } else if (auto* icon = dynamic_cast<TIcon*>(Source)) {
        if (icon == this) return;
        FData = icon->FData;
        FImage = icon->FImage ? std::make_unique<QImage>(*icon->FImage) : nullptr;
        FRequestedWidth = icon->FRequestedWidth;
        FRequestedHeight = icon->FRequestedHeight;
        Changed();
    } else {
        TGraphic::Assign(Source);
    }
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    if (!FImage) return;
    if (QPainter* painter = PainterOf(*ACanvas))
        painter->drawImage(QRect(Rect.Left, Rect.Top, Rect.Width(), Rect.Height()), *FImage);
}

int32_t TIcon::Width() const
{
    return FImage ? FImage->width() : SystemIconSize;
}

int32_t TIcon::Height() const
{
    return FImage ? FImage->height() : SystemIconSize;
}

void TIcon::SetWidth(int32_t Value)
{
    SetSize(Value, FRequestedHeight);
}

void TIcon::SetHeight(int32_t Value)
{
    SetSize(FRequestedWidth, Value);
}

void TIcon::SetSize(int32_t AWidth, int32_t AHeight)
{
    if (FImage) throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of an icon"));
    FRequestedWidth = AWidth;
    FRequestedHeight = AHeight;
}

bool TIcon::Empty() const
{
    return !FImage;
}

void TIcon::LoadFromStream(TStream* Stream)
{
    const int64_t size = Stream->Size() - Stream->Position();
    if (size > INT32_MAX) InvalidIcon();
    const QByteArray data = Stream->ReadBytes(int32_t(size));
    const int32_t wantWidth = FRequestedWidth > 0 ? FRequestedWidth : SystemIconSize;
    const int32_t wantHeight = FRequestedHeight > 0 ? FRequestedHeight : SystemIconSize;
    const auto distance = [&](const TIconEntry& entry) { return SizeDistance(entry, wantWidth, wantHeight); };
    const std::vector<TIconEntry> entries = ReadDirectory(data, IconFileType);
    const auto best = std::min_element(entries.begin(), entries.end(), [&](const TIconEntry& a, const TIconEntry& b) {
        return distance(a) != distance(b) ? distance(a) < distance(b) : a.BitCount > b.BitCount;
    });
    FImage = std::make_unique<QImage>(DecodeImage(best->Image));
    FData = data;
    Changed();
}

void TIcon::SaveToStream(TStream* Stream)
{
    Stream->WriteBytes(FData);
}

void TIcon::GetPixels(TGraphicPixels& Pixels)
{
    if (FImage) Pixels.Image = *FImage;
}
