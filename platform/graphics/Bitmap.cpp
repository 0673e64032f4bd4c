// TBitmap: pixel storage in the pixel formats' layouts, palettes, colour-key drawing and BMP files.
#include "graphics/Bitmap.h"

#include "graphics/Canvas.h"
#include "graphics/private/Surfaces.h"
#include "rtl/Exceptions.h"
#include "rtl/Streams.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>

static_assert(std::endian::native == std::endian::little, "32-bit pixels are stored as B, G, R, A bytes");

// The canvas of a bitmap: binds the bitmap's pixels when it first needs them and reports drawing.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap* ABitmap) : FBitmap(ABitmap) {}
    // The painter ends before FNowhere goes.
    ~TBitmapCanvas() override { BindImage(*this, nullptr); }

protected:
    void CreateHandle() override
    {
        if (!FBitmap->FImage) {
            // Drawing on an empty bitmap goes nowhere.
            BindImage(*this, &FNowhere);
            return;
        }
        FBitmap->SyncImage();
        BindImage(*this, FBitmap->FImage.get());
    }
    void Changing() override
    {
        FBitmap->Changing();
        TCanvas::Changing();
    }
    void Changed() override
    {
        TCanvas::Changed();
        FBitmap->Changed();
    }

private:
    TBitmap* FBitmap;
    QImage FNowhere{1, 1, QImage::Format_RGB32};
};

namespace {

constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_RLE4 = 2;
constexpr uint32_t BI_BITFIELDS = 3;
constexpr uint32_t BI_ALPHABITFIELDS = 6;
constexpr int32_t FileHeaderSize = 14;
constexpr int32_t InfoHeaderSize = 40;
// Larger pictures are refused as damaged.
constexpr int64_t MaxPixels = int64_t(1) << 26;

[[noreturn]] void InvalidBitmap()
{
    throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
}

int BitsPerPixel(TPixelFormat Format)
{
    switch (Format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    default: return 32;
    }
}

bool HasPalette(TPixelFormat Format)
{
    return Format == pf1bit || Format == pf4bit || Format == pf8bit;
}

int32_t BytesPerScanLine(int32_t Width, int Bits)
{
    return static_cast<int32_t>((int64_t(Width) * Bits + 31) / 32 * 4);
}

// The QImage format holding a pixel format's layout; palette formats paint on 32-bit colour.
QImage::Format ImageFormat(TPixelFormat Format, TAlphaFormat Alpha)
{
    switch (Format) {
    case pf15bit: return QImage::Format_RGB555;
    case pf16bit: return QImage::Format_RGB16;
    case pf24bit: return QImage::Format_BGR888;
    case pf32bit:
    case pfDevice:
        if (Alpha == afDefined) return QImage::Format_ARGB32;
        if (Alpha == afPremultiplied) return QImage::Format_ARGB32_Premultiplied;
        return QImage::Format_RGB32;
    default: return QImage::Format_RGB32;
    }
}

QRgb ToRgb(TColor Color)
{
    const COLORREF rgb = static_cast<COLORREF>(ColorToRGB(Color));
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor ToColor(QRgb Rgb)
{
    return static_cast<TColor>(RGB(qRed(Rgb), qGreen(Rgb), qBlue(Rgb)));
}

std::vector<uint32_t> VgaPalette()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

std::vector<uint32_t> DefaultPalette(TPixelFormat Format)
{
    if (Format == pf1bit) return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    std::vector<uint32_t> palette = VgaPalette();
    if (Format == pf8bit) {
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b) palette.push_back(qRgb(r * 51, g * 51, b * 51));
        for (int i = 1; i <= 24; ++i) {
            const int level = i * 255 / 25;
            palette.push_back(qRgb(level, level, level));
        }
    }
    return palette;
}

int IndexAt(const uint8_t* Row, int32_t X, int Bits)
{
    switch (Bits) {
    case 1: return (Row[X >> 3] >> (7 - (X & 7))) & 1;
    case 4: return (X & 1) ? Row[X >> 1] & 0x0F : Row[X >> 1] >> 4;
    default: return Row[X];
    }
}

void SetIndex(uint8_t* Row, int32_t X, int Bits, int Index)
{
    switch (Bits) {
    case 1: {
        const uint8_t bit = uint8_t(0x80 >> (X & 7));
        Row[X >> 3] = Index ? (Row[X >> 3] | bit) : (Row[X >> 3] & ~bit);
        break;
    }
    case 4:
        Row[X >> 1] = (X & 1) ? uint8_t((Row[X >> 1] & 0xF0) | Index) : uint8_t((Row[X >> 1] & 0x0F) | (Index << 4));
        break;
    default: Row[X] = uint8_t(Index);
    }
}

// Writes the palette colours of the indexes into a 32-bit image of the same size.
void ExpandInto(QImage& Target, const std::vector<uint8_t>& Bits, const std::vector<uint32_t>& Table, int BitCount)
{
    const int32_t stride = BytesPerScanLine(Target.width(), BitCount);
    for (int32_t y = 0; y < Target.height(); ++y) {
        const uint8_t* row = Bits.data() + int64_t(y) * stride;
        auto* out = reinterpret_cast<QRgb*>(Target.scanLine(y));
        for (int32_t x = 0; x < Target.width(); ++x) {
            const size_t index = size_t(IndexAt(row, x, BitCount));
            out[x] = index < Table.size() ? (Table[index] | 0xFF000000u) : qRgb(0, 0, 0);
        }
    }
}

// The palette entry nearest to each colour, remembered per colour.
class TNearestColor {
public:
    explicit TNearestColor(const std::vector<uint32_t>& Table) : FTable(Table) {}

    int operator()(QRgb Color)
    {
        Color |= 0xFF000000u;
        auto found = FCache.constFind(Color);
        if (found != FCache.constEnd()) return *found;
        int best = 0;
        int bestDistance = INT32_MAX;
        for (size_t i = 0; i < FTable.size() && bestDistance > 0; ++i) {
            const int dr = qRed(Color) - qRed(FTable[i]);
            const int dg = qGreen(Color) - qGreen(FTable[i]);
            const int db = qBlue(Color) - qBlue(FTable[i]);
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance) {
                best = int(i);
                bestDistance = distance;
            }
        }
        FCache.insert(Color, best);
        return best;
    }

private:
    const std::vector<uint32_t>& FTable;
    QHash<QRgb, int> FCache;
};

// Indexes of the nearest palette colours of a 32-bit image, in the ScanLine layout.
std::vector<uint8_t> Quantize(const QImage& Image, const std::vector<uint32_t>& Table, int BitCount)
{
    const int32_t stride = BytesPerScanLine(Image.width(), BitCount);
    std::vector<uint8_t> bits(size_t(stride) * size_t(Image.height()));
    TNearestColor nearest(Table);
    for (int32_t y = 0; y < Image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(Image.constScanLine(y));
        uint8_t* row = bits.data() + int64_t(y) * stride;
        for (int32_t x = 0; x < Image.width(); ++x) SetIndex(row, x, BitCount, nearest(in[x]));
    }
    return bits;
}

// The picture's own colours when there are few enough for the format, else its fixed palette.
std::vector<uint32_t> ChoosePalette(const QImage& Image, TPixelFormat Format)
{
    if (Format == pf1bit) return DefaultPalette(pf1bit);
    const size_t limit = size_t(1) << BitsPerPixel(Format);
    std::vector<uint32_t> colors;
    QSet<QRgb> seen;
    for (int32_t y = 0; y < Image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(Image.constScanLine(y));
        for (int32_t x = 0; x < Image.width(); ++x) {
            const QRgb color = in[x] | 0xFF000000u;
            if (seen.contains(color)) continue;
            if (colors.size() == limit) return DefaultPalette(Format);
            seen.insert(color);
            colors.push_back(color);
        }
    }
    return colors;
}

// Bounds-checked little-endian reads; anything outside the data means a damaged file.
class TReader {
public:
    explicit TReader(const QByteArray& Data) : FData(Data) {}

    uint8_t U8(qsizetype At) const { return uint8_t(*Need(At, 1)); }
    uint16_t U16(qsizetype At) const { return qFromLittleEndian<uint16_t>(Need(At, 2)); }
    uint32_t U32(qsizetype At) const { return qFromLittleEndian<uint32_t>(Need(At, 4)); }
    int32_t I32(qsizetype At) const { return qFromLittleEndian<int32_t>(Need(At, 4)); }
    const uint8_t* Bytes(qsizetype At, qsizetype Count) const { return reinterpret_cast<const uint8_t*>(Need(At, Count)); }

private:
    const char* Need(qsizetype At, qsizetype Count) const
    {
        if (At < 0 || Count < 0 || At > FData.size() - Count) InvalidBitmap();
        return FData.constData() + At;
    }

    const QByteArray& FData;
};

// A colour channel described by a BI_BITFIELDS mask, read as 8 bits.
struct TChannel {
    uint32_t Mask = 0;
    int Shift = 0;
    uint32_t Max = 0;

    explicit TChannel(uint32_t AMask) : Mask(AMask)
    {
        if (Mask == 0) return;
        Shift = std::countr_zero(Mask);
        Max = Mask >> Shift;
    }
    uint32_t Read(uint32_t Pixel) const { return Max ? (((Pixel & Mask) >> Shift) * 255 + Max / 2) / Max : 0; }
};

// Indexes decoded from BI_RLE8 or BI_RLE4 data, one byte per pixel, rows in file order.
std::vector<uint8_t> DecodeRle(const uint8_t* Data, qsizetype Size, int32_t Width, int32_t Rows, bool Rle8, qsizetype& Used)
{
    std::vector<uint8_t> pixels(size_t(Width) * size_t(Rows));
    int64_t x = 0;
    int64_t y = 0;
    const auto put = [&](int value) {
        if (x < Width && y < Rows) pixels[size_t(y) * size_t(Width) + size_t(x)] = uint8_t(value);
        ++x;
    };
    qsizetype pos = 0;
    while (pos + 1 < Size && y < Rows) {
        const int count = Data[pos];
        const int code = Data[pos + 1];
        pos += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) put(Rle8 ? code : (i % 2 == 0 ? code >> 4 : code & 0x0F));
        } else if (code == 0) {
            x = 0;
            ++y;
        } else if (code == 1) {
            break;
        } else if (code == 2) {
            if (pos + 1 >= Size) break;
            x += Data[pos];
            y += Data[pos + 1];
            pos += 2;
        } else {
            const qsizetype bytes = Rle8 ? code : (code + 1) / 2;
            if (pos + bytes > Size) break;
            for (int i = 0; i < code; ++i) {
                const uint8_t byte = Data[pos + (Rle8 ? i : i / 2)];
                put(Rle8 ? byte : (i % 2 == 0 ? byte >> 4 : byte & 0x0F));
            }
            pos += (bytes + 1) & ~qsizetype(1);
        }
    }
    Used = std::min(pos, Size);
    return pixels;
}

// Appends little-endian values.
class TWriter {
public:
    explicit TWriter(QByteArray& Out) : FOut(Out) {}
    void U16(uint16_t Value) { Append(qToLittleEndian(Value)); }
    void U32(uint32_t Value) { Append(qToLittleEndian(Value)); }

private:
    template <typename T>
    void Append(T Value) { FOut.append(reinterpret_cast<const char*>(&Value), sizeof(Value)); }
    QByteArray& FOut;
};

}  // namespace

// The content of a bitmap apart from its settings.
struct TBitmap::TDib {
    int32_t Width = 0;
    int32_t Height = 0;
    TPixelFormat PixelFormat = pfDevice;
    TAlphaFormat AlphaFormat = afIgnored;
    QImage Image;                      // formats of 15 bits and more, in their layout
    std::vector<uint8_t> Bits;         // palette formats, in the ScanLine layout
    std::vector<uint32_t> ColorTable;  // palette formats

    // A DIB from its info header on; BitsOffset < 0 means the rows follow the colour table.
    static TDib FromDib(const QByteArray& Data, qsizetype BitsOffset, qsizetype& Used);
    static TDib FromImage(const QImage& Image);
    // The pixels ready to draw: Converted receives a copy when the stored bytes need a change.
    static const QImage& DrawablePixels(TBitmap& Bitmap, QImage& Converted);
    // Image's pixels converted to Format.
    static TDib Convert(const QImage& Image, TPixelFormat Format, TAlphaFormat Alpha);
};

TBitmap::TDib TBitmap::TDib::FromDib(const QByteArray& Data, qsizetype BitsOffset, qsizetype& Used)
{
    const TReader in(Data);
    const uint32_t headerSize = in.U32(0);
    int64_t width = 0;
    int64_t height = 0;
    int bitCount = 0;
    uint32_t compression = BI_RGB;
    uint32_t colorsUsed = 0;
    int entrySize = 4;
    if (headerSize == 12) {
        width = in.U16(4);
        height = in.U16(6);
        bitCount = in.U16(10);
        entrySize = 3;
    } else if (headerSize >= 16 && headerSize <= 0x10000) {
        width = in.I32(4);
        height = in.I32(8);
        bitCount = in.U16(14);
        if (headerSize >= 20) compression = in.U32(16);
        if (headerSize >= 36) colorsUsed = in.U32(32);
    } else {
        InvalidBitmap();
    }
    const bool topDown = height < 0;
    height = std::abs(height);
    if (width <= 0 || height == 0 || width * height > MaxPixels) InvalidBitmap();
    const bool validDepth = bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
    const bool bitfields = compression == BI_BITFIELDS || compression == BI_ALPHABITFIELDS;
    const bool validCompression = compression == BI_RGB || (compression == BI_RLE8 && bitCount == 8) ||
                                  (compression == BI_RLE4 && bitCount == 4) || (bitfields && (bitCount == 16 || bitCount == 32));
    if (!validDepth || !validCompression) InvalidBitmap();

    // Channel masks: inside a header of 52 bytes or more, else after a 40-byte header.
    std::array<uint32_t, 4> masks = bitCount == 16 ? std::array<uint32_t, 4>{0x7C00, 0x03E0, 0x001F, 0}
                                                   : std::array<uint32_t, 4>{0xFF0000, 0xFF00, 0xFF, 0};
    qsizetype tableStart = headerSize;
    if (bitfields && headerSize >= 52) {
        for (int i = 0; i < 3; ++i) masks[i] = in.U32(40 + 4 * i);
        if (headerSize >= 56) masks[3] = in.U32(52);
    } else if (bitfields) {
        const int count = compression == BI_ALPHABITFIELDS ? 4 : 3;
        for (int i = 0; i < count; ++i) masks[i] = in.U32(tableStart + 4 * i);
        tableStart += 4 * count;
    }

    TDib dib;
    dib.Width = int32_t(width);
    dib.Height = int32_t(height);
    const qsizetype tableEntries = colorsUsed ? qsizetype(colorsUsed) : (bitCount <= 8 ? qsizetype(1) << bitCount : 0);
    if (bitCount <= 8) {
        const qsizetype count = std::min(tableEntries, qsizetype(1) << bitCount);
        for (qsizetype i = 0; i < count; ++i) {
            const uint8_t* entry = in.Bytes(tableStart + i * entrySize, 3);
            dib.ColorTable.push_back(qRgb(entry[2], entry[1], entry[0]));
        }
    }
    const qsizetype bitsStart = BitsOffset >= 0 ? BitsOffset : tableStart + tableEntries * entrySize;
    if (bitsStart < 0 || bitsStart > Data.size()) InvalidBitmap();

    const auto targetRow = [&](int32_t fileRow) { return topDown ? fileRow : dib.Height - 1 - fileRow; };
    if (bitCount <= 8) {
        dib.PixelFormat = bitCount == 1 ? pf1bit : bitCount == 4 ? pf4bit : pf8bit;
        const int32_t stride = BytesPerScanLine(dib.Width, bitCount);
        dib.Bits.assign(size_t(stride) * size_t(dib.Height), 0);
        if (compression == BI_RLE8 || compression == BI_RLE4) {
            qsizetype rleUsed = 0;
            const std::vector<uint8_t> pixels =
                DecodeRle(in.Bytes(bitsStart, 0), Data.size() - bitsStart, dib.Width, dib.Height, compression == BI_RLE8, rleUsed);
            for (int32_t y = 0; y < dib.Height; ++y) {
                uint8_t* row = dib.Bits.data() + int64_t(targetRow(y)) * stride;
                for (int32_t x = 0; x < dib.Width; ++x) SetIndex(row, x, bitCount, pixels[size_t(y) * size_t(dib.Width) + size_t(x)]);
            }
            Used = bitsStart + rleUsed;
            return dib;
        }
        const uint8_t* rows = in.Bytes(bitsStart, int64_t(stride) * dib.Height);
        for (int32_t y = 0; y < dib.Height; ++y)
            std::memcpy(dib.Bits.data() + int64_t(targetRow(y)) * stride, rows + int64_t(y) * stride, size_t(stride));
        Used = bitsStart + int64_t(stride) * dib.Height;
        return dib;
    }

    const int32_t stride = BytesPerScanLine(dib.Width, bitCount);
    const uint8_t* rows = in.Bytes(bitsStart, int64_t(stride) * dib.Height);
    Used = bitsStart + int64_t(stride) * dib.Height;
    const bool rgb555 = masks[0] == 0x7C00 && masks[1] == 0x03E0 && masks[2] == 0x001F;
    const bool rgb565 = masks[0] == 0xF800 && masks[1] == 0x07E0 && masks[2] == 0x001F;
    const bool bgrx = masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF;
    const bool raw = bitCount == 24 || (bitCount == 16 && (rgb555 || rgb565)) || (bitCount == 32 && bgrx);
    if (raw) {
        dib.PixelFormat = bitCount == 24 ? pf24bit : bitCount == 32 ? pf32bit : rgb555 ? pf15bit : pf16bit;
        dib.Image = QImage(dib.Width, dib.Height, ImageFormat(dib.PixelFormat, afIgnored));
        const qsizetype rowBytes = qsizetype(dib.Width) * (bitCount / 8);
        for (int32_t y = 0; y < dib.Height; ++y)
            std::memcpy(dib.Image.scanLine(targetRow(y)), rows + int64_t(y) * stride, size_t(rowBytes));
        return dib;
    }
    // Other channel masks: read into B, G, R, A bytes.
    dib.PixelFormat = pf32bit;
    dib.Image = QImage(dib.Width, dib.Height, QImage::Format_RGB32);
    const TChannel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
    for (int32_t y = 0; y < dib.Height; ++y) {
        const uint8_t* row = rows + int64_t(y) * stride;
        auto* out = reinterpret_cast<QRgb*>(dib.Image.scanLine(targetRow(y)));
        for (int32_t x = 0; x < dib.Width; ++x) {
            const uint32_t pixel = bitCount == 16 ? qFromLittleEndian<uint16_t>(row + 2 * x) : qFromLittleEndian<uint32_t>(row + 4 * x);
            out[x] = qRgba(int(red.Read(pixel)), int(green.Read(pixel)), int(blue.Read(pixel)), masks[3] ? int(alpha.Read(pixel)) : 255);
        }
    }
    return dib;
}

TBitmap::TDib TBitmap::TDib::FromImage(const QImage& Image)
{
    TDib dib;
    if (Image.isNull()) return dib;
    dib.Width = Image.width();
    dib.Height = Image.height();
    switch (Image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8: {
        const QImage source = Image.format() == QImage::Format_MonoLSB ? Image.convertToFormat(QImage::Format_Mono) : Image;
        dib.PixelFormat = source.format() == QImage::Format_Mono ? pf1bit : pf8bit;
        const int bits = BitsPerPixel(dib.PixelFormat);
        const int32_t stride = BytesPerScanLine(dib.Width, bits);
        dib.Bits.assign(size_t(stride) * size_t(dib.Height), 0);
        for (int32_t y = 0; y < dib.Height; ++y)
            std::memcpy(dib.Bits.data() + int64_t(y) * stride, source.constScanLine(y), size_t(std::min<qsizetype>(stride, source.bytesPerLine())));
        const QList<QRgb> table = source.colorTable();
        dib.ColorTable.assign(table.begin(), table.end());
        return dib;
    }
    case QImage::Format_RGB555: dib.PixelFormat = pf15bit; break;
    case QImage::Format_RGB16: dib.PixelFormat = pf16bit; break;
    case QImage::Format_BGR888:
    case QImage::Format_RGB888: dib.PixelFormat = pf24bit; break;
    case QImage::Format_RGB32: dib.PixelFormat = pf32bit; break;
    case QImage::Format_ARGB32_Premultiplied:
        dib.PixelFormat = pf32bit;
        dib.AlphaFormat = afPremultiplied;
        break;
    default:
        dib.PixelFormat = pf32bit;
        dib.AlphaFormat = Image.hasAlphaChannel() ? afDefined : afIgnored;
    }
    dib.Image = Image.convertToFormat(ImageFormat(dib.PixelFormat, dib.AlphaFormat));
    return dib;
}

TBitmap::TDib TBitmap::TDib::Convert(const QImage& Image, TPixelFormat Format, TAlphaFormat Alpha)
{
    TDib dib;
    dib.Width = Image.width();
    dib.Height = Image.height();
    dib.PixelFormat = Format;
    dib.AlphaFormat = Alpha;
    if (HasPalette(Format)) {
        const QImage colors = Image.convertToFormat(QImage::Format_RGB32);
        dib.ColorTable = ChoosePalette(colors, Format);
        dib.Bits = Quantize(colors, dib.ColorTable, BitsPerPixel(Format));
    } else {
        dib.Image = Image.convertToFormat(ImageFormat(Format, Alpha));
    }
    return dib;
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() = default;

bool TBitmap::IsPaletteFormat() const
{
    return HasPalette(FPixelFormat);
}

void TBitmap::Adopt(TDib&& Dib)
{
    UnbindCanvas();
    FWidth = Dib.Width;
    FHeight = Dib.Height;
    FPixelFormat = Dib.PixelFormat;
    FAlphaFormat = Dib.AlphaFormat;
    FBits = std::move(Dib.Bits);
    FColorTable = std::move(Dib.ColorTable);
    if (IsPaletteFormat() && FColorTable.empty()) FColorTable = DefaultPalette(FPixelFormat);
    if (!IsPaletteFormat()) FColorTable.clear();
    FImageStale = false;
    FBitsStale = false;
    FSaveStream.clear();
    if (FWidth == 0 || FHeight == 0) {
        FImage.reset();
        FBits.clear();
    } else if (IsPaletteFormat()) {
        FImage = std::make_unique<QImage>(FWidth, FHeight, QImage::Format_RGB32);
        ExpandInto(*FImage, FBits, FColorTable, BitsPerPixel(FPixelFormat));
    } else {
        FImage = std::make_unique<QImage>(std::move(Dib.Image));
    }
    Changed();
}

void TBitmap::Changing()
{
    SyncImage();
    if (IsPaletteFormat() && FImage) FBitsStale = true;
    FSaveStream.clear();
}

void TBitmap::SyncImage()
{
    if (!FImageStale) return;
    ExpandInto(*FImage, FBits, FColorTable, BitsPerPixel(FPixelFormat));
    FImageStale = false;
}

void TBitmap::SyncBits()
{
    if (!FBitsStale) return;
    const int bits = BitsPerPixel(FPixelFormat);
    FBits = Quantize(*FImage, FColorTable, bits);
    ExpandInto(*FImage, FBits, FColorTable, bits);
    FBitsStale = false;
}

void TBitmap::UnbindCanvas()
{
    if (FCanvas) BindImage(*FCanvas, nullptr);
}

void TBitmap::Assign(TPersistent* Source)
{
    if (!Source) {
        TDib empty;
        empty.PixelFormat = FPixelFormat;
        Adopt(std::move(empty));
        return;
    }
    auto* source = dynamic_cast<TBitmap*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) return;
    source->SyncBits();
    source->SyncImage();
    TDib dib;
    dib.Width = source->FWidth;
    dib.Height = source->FHeight;
    dib.PixelFormat = source->FPixelFormat;
    dib.AlphaFormat = source->FAlphaFormat;
    dib.Bits = source->FBits;
    dib.ColorTable = source->FColorTable;
    if (source->FImage && !source->IsPaletteFormat()) dib.Image = *source->FImage;
    FTransparentColor = source->FTransparentColor;
    FTransparentMode = source->FTransparentMode;
    Adopt(std::move(dib));
    FSaveStream = source->FSaveStream;
}

const QImage& TBitmap::TDib::DrawablePixels(TBitmap& Bitmap, QImage& Converted)
{
    if (Bitmap.IsPaletteFormat()) {
        Bitmap.SyncBits();
        Bitmap.SyncImage();
        return *Bitmap.FImage;
    }
    if (Bitmap.FImage->format() != QImage::Format_RGB32) return *Bitmap.FImage;
    // Ignored alpha bytes must read as opaque to the painter.
    for (int32_t y = 0; y < Bitmap.FHeight; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(Bitmap.FImage->constScanLine(y));
        if (std::all_of(row, row + Bitmap.FWidth, [](QRgb pixel) { return qAlpha(pixel) == 255; })) continue;
        Converted = Bitmap.FImage->copy();
        for (int32_t fix = y; fix < Bitmap.FHeight; ++fix) {
            auto* pixels = reinterpret_cast<QRgb*>(Converted.scanLine(fix));
            for (int32_t x = 0; x < Bitmap.FWidth; ++x) pixels[x] |= 0xFF000000u;
        }
        return Converted;
    }
    return *Bitmap.FImage;
}

void TBitmap::GetPixels(TGraphicPixels& Pixels)
{
    if (Empty()) return;
    QImage Converted;
    Pixels.Image = TDib::DrawablePixels(*this, Converted);
}

void TSurfaces::AssignImage(TBitmap& Bitmap, const QImage& Image)
{
    Bitmap.Adopt(TBitmap::TDib::FromImage(Image));
}

bool TBitmap::AssignPixels(TGraphic* Source)
{
    AssignImage(*this, ImageOf(*Source));
    return true;
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    if (Empty()) return;
    if (!Transparent() && ACanvas->CopyMode() != cmSrcCopy) {
        ACanvas->CopyRect(Rect, Canvas(), Bounds(0, 0, FWidth, FHeight));
        return;
    }
    QImage converted;
    const QImage* pixels = &TDib::DrawablePixels(*this, converted);
    QImage keyed;
    if (Transparent()) {
        const COLORREF key = COLORREF(TransparentColor());
        const QRgb keyRgb = qRgb(GetRValue(key), GetGValue(key), GetBValue(key)) & 0xFFFFFF;
        keyed = pixels->convertToFormat(QImage::Format_ARGB32);
        for (int32_t y = 0; y < FHeight; ++y) {
            auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
            for (int32_t x = 0; x < FWidth; ++x)
                if ((row[x] & 0xFFFFFF) == keyRgb) row[x] = 0;
        }
        pixels = &keyed;
    }
    if (QPainter* painter = PainterOf(*ACanvas))
        painter->drawImage(QRect(Rect.Left, Rect.Top, Rect.Width(), Rect.Height()), *pixels);
}

void TBitmap::SetSize(int32_t AWidth, int32_t AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == FWidth && AHeight == FHeight) return;
    TDib dib;
    dib.Width = AWidth;
    dib.Height = AHeight;
    dib.PixelFormat = FPixelFormat;
    dib.AlphaFormat = FAlphaFormat;
    dib.ColorTable = FColorTable;
    // An empty bitmap keeps the size asked for: width and height are often set one at a time.
    if (AWidth == 0 || AHeight == 0) {
        Adopt(std::move(dib));
        return;
    }
    const QRgb fill = ToRgb(FCanvas ? FCanvas->Brush()->Color() : clWhite);
    const int32_t keepWidth = Empty() ? 0 : std::min(AWidth, FWidth);
    const int32_t keepHeight = Empty() ? 0 : std::min(AHeight, FHeight);
    if (IsPaletteFormat()) {
        SyncBits();
        const int bits = BitsPerPixel(FPixelFormat);
        const int fillIndex = TNearestColor(dib.ColorTable)(fill);
        const int32_t stride = BytesPerScanLine(AWidth, bits);
        const int32_t oldStride = BytesPerScanLine(FWidth, bits);
        dib.Bits.assign(size_t(stride) * size_t(AHeight), 0);
        for (int32_t y = 0; y < AHeight; ++y) {
            uint8_t* row = dib.Bits.data() + int64_t(y) * stride;
            const uint8_t* old = y < keepHeight ? FBits.data() + int64_t(y) * oldStride : nullptr;
            for (int32_t x = 0; x < AWidth; ++x) SetIndex(row, x, bits, old && x < keepWidth ? IndexAt(old, x, bits) : fillIndex);
        }
    } else {
        dib.Image = QImage(AWidth, AHeight, ImageFormat(FPixelFormat, FAlphaFormat));
        dib.Image.fill(QColor::fromRgb(fill));
        const size_t rowBytes = size_t(keepWidth) * size_t(dib.Image.depth() / 8);
        for (int32_t y = 0; y < keepHeight; ++y) std::memcpy(dib.Image.scanLine(y), FImage->constScanLine(y), rowBytes);
    }
    Adopt(std::move(dib));
}

TCanvas* TBitmap::Canvas()
{
    if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(this);
    return FCanvas.get();
}

void TBitmap::SetPixelFormat(TPixelFormat Value)
{
    if (Value == pfCustom) throw EInvalidGraphic(QStringLiteral("Invalid pixel format"));
    if (Value == FPixelFormat) return;
    // An empty bitmap, and one changing between the two 32-bit formats, keeps its bytes.
    if (Empty() || BitsPerPixel(Value) + BitsPerPixel(FPixelFormat) == 64) {
        FPixelFormat = Value;
        FColorTable = HasPalette(Value) ? DefaultPalette(Value) : std::vector<uint32_t>();
        Changed();
        return;
    }
    QImage converted;
    Adopt(TDib::Convert(TDib::DrawablePixels(*this, converted), Value, FAlphaFormat));
}

void TBitmap::SetAlphaFormat(TAlphaFormat Value)
{
    if (Value == FAlphaFormat) return;
    const TAlphaFormat old = FAlphaFormat;
    FAlphaFormat = Value;
    if (FImage && BitsPerPixel(FPixelFormat) == 32) {
        UnbindCanvas();
        const QImage::Format format = ImageFormat(FPixelFormat, Value);
        if (old != afIgnored && Value != afIgnored) *FImage = FImage->convertToFormat(format);
        else FImage->reinterpretAsFormat(format);
        FSaveStream.clear();
    }
    Changed();
}

void TBitmap::SetHandleType(TBitmapHandleType Value)
{
    if (Value == bmDDB) SetPixelFormat(pfDevice);
    else if (FPixelFormat == pfDevice) SetPixelFormat(pf32bit);
}

void TBitmap::SetMonochrome(bool Value)
{
    if (Value) SetPixelFormat(pf1bit);
    else if (Monochrome()) SetPixelFormat(pfDevice);
}

TColor TBitmap::PixelColor(int32_t X, int32_t Y) const
{
    if (IsPaletteFormat() && FImageStale) {
        const size_t index = size_t(IndexAt(FBits.data() + int64_t(Y) * BytesPerScanLine(FWidth, BitsPerPixel(FPixelFormat)), X,
                                            BitsPerPixel(FPixelFormat)));
        return index < FColorTable.size() ? ToColor(FColorTable[index]) : clBlack;
    }
    return ToColor(FImage->pixel(X, Y));
}

TColor TBitmap::TransparentColor() const
{
    TColor color;
    if (FTransparentColor != clDefault) color = ColorToRGB(FTransparentColor);
    else if (Monochrome()) color = clWhite;
    else if (Empty()) color = -1;  // the toolkit reads CLR_INVALID outside the pixels
    else color = PixelColor(0, FHeight - 1);
    return color | 0x02000000;
}

void TBitmap::SetTransparentColor(TColor Value)
{
    if (Value == FTransparentColor) return;
    FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
    FTransparentColor = Value;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value)
{
    if (Value == FTransparentMode) return;
    SetTransparentColor(Value == tmAuto ? clDefault : TransparentColor());
}

uint8_t* TBitmap::ScanLine(int32_t Row)
{
    if (Row < 0 || Row >= FHeight) throw EInvalidGraphicOperation(QStringLiteral("Scan line index out of range"));
    FSaveStream.clear();
    if (!IsPaletteFormat()) return FImage->scanLine(Row);
    SyncBits();
    FImageStale = true;
    UnbindCanvas();
    return FBits.data() + int64_t(Row) * BytesPerScanLine(FWidth, BitsPerPixel(FPixelFormat));
}

void TBitmap::ReadStream(TStream* Stream, int64_t Size)
{
    if (Size <= 0) {
        Assign(nullptr);
        return;
    }
    if (Size > INT32_MAX) InvalidBitmap();
    const QByteArray file = Stream->ReadBytes(int32_t(Size));
    const TReader in(file);
    if (file.size() < FileHeaderSize || in.U16(0) != 0x4D42) InvalidBitmap();
    const uint32_t offBits = in.U32(10);
    const QByteArray dibData = file.mid(FileHeaderSize);
    const qsizetype bitsOffset = offBits > uint32_t(FileHeaderSize) && qsizetype(offBits) <= file.size() ? qsizetype(offBits) - FileHeaderSize : -1;
    qsizetype used = 0;
    Adopt(TDib::FromDib(dibData, bitsOffset, used));
    FSaveStream = file;
}

void TBitmap::LoadFromStream(TStream* Stream)
{
    ReadStream(Stream, Stream->Size() - Stream->Position());
}

int32_t TBitmap::LoadFromDIB(const QByteArray& Dib)
{
    qsizetype used = 0;
    Adopt(TDib::FromDib(Dib, -1, used));
    return int32_t(used);
}

QByteArray TBitmap::EncodeBmp()
{
    if (!FSaveStream.isEmpty() || Empty()) return FSaveStream;
    SyncBits();
    const int bits = BitsPerPixel(FPixelFormat);
    const int32_t stride = BytesPerScanLine(FWidth, bits);
    const uint32_t paletteSize = IsPaletteFormat() ? 1u << bits : 0;
    const uint32_t maskBytes = FPixelFormat == pf16bit ? 12 : 0;
    const uint32_t offBits = FileHeaderSize + InfoHeaderSize + maskBytes + paletteSize * 4;
    const uint32_t imageSize = uint32_t(stride) * uint32_t(FHeight);

    QByteArray out;
    out.reserve(qsizetype(offBits) + imageSize);
    TWriter w(out);
    w.U16(0x4D42);  // "BM"
    w.U32(offBits + imageSize);
    w.U32(0);
    w.U32(offBits);
    w.U32(InfoHeaderSize);
    w.U32(uint32_t(FWidth));
    w.U32(uint32_t(FHeight));
    w.U16(1);
    w.U16(uint16_t(bits));
    w.U32(FPixelFormat == pf16bit ? BI_BITFIELDS : BI_RGB);
    w.U32(imageSize);
    w.U32(0);  // biXPelsPerMeter
    w.U32(0);  // biYPelsPerMeter
    w.U32(paletteSize);
    w.U32(0);  // biClrImportant
    if (FPixelFormat == pf16bit) {
        w.U32(0xF800);
        w.U32(0x07E0);
        w.U32(0x001F);
    }
    for (uint32_t i = 0; i < paletteSize; ++i) {
        const QRgb color = i < FColorTable.size() ? FColorTable[i] : 0;
        const char entry[4] = {char(qBlue(color)), char(qGreen(color)), char(qRed(color)), 0};
        out.append(entry, 4);
    }
    const qsizetype rowBytes = (qsizetype(FWidth) * bits + 7) / 8;
    for (int32_t y = FHeight - 1; y >= 0; --y) {
        const uint8_t* row = IsPaletteFormat() ? FBits.data() + int64_t(y) * stride : FImage->constScanLine(y);
        out.append(reinterpret_cast<const char*>(row), rowBytes);
        out.append(stride - rowBytes, '\0');
    }
    return out;
}

void TBitmap::SaveToStream(TStream* Stream)
{
    Stream->WriteBytes(EncodeBmp());
}

void TBitmap::ReadData(TStream* Stream)
{
    ReadStream(Stream, Stream->ReadInt32());
}

void TBitmap::WriteData(TStream* Stream)
{
    const QByteArray bmp = EncodeBmp();
    Stream->WriteInt32(int32_t(bmp.size()));
    Stream->WriteBytes(bmp);
}

void TBitmap::LoadFromResourceName(uintptr_t, const QString& ResName)
{
    const QString file = FindResourceFile(ResName, QStringLiteral("bmp"));
    if (file.isEmpty()) throw EResNotFound(QStringLiteral("Resource %1 not found").arg(ResName));
    LoadFromFile(file);
}
