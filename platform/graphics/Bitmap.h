// TBitmap: a device-independent bitmap with a canvas, colour-key transparency and BMP files.
#pragma once

#include "graphics/Colors.h"
#include "graphics/Graphic.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <vector>

class QImage;
class TCanvas;
class TBitmapCanvas;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };
enum TBitmapHandleType { bmDIB, bmDDB };
enum TAlphaFormat { afIgnored, afDefined, afPremultiplied };

// Pixels in memory, row by row from the top (ScanLine(0) is the top row), each row padded to a
// multiple of 4 bytes as in a DIB:
//   pf1bit   1 bit per pixel, palette index, most significant bit leftmost
//   pf4bit   2 pixels per byte, palette index, high nibble leftmost
//   pf8bit   1 byte per pixel, palette index
//   pf15bit  16-bit little-endian words 0RRRRRGGGGGBBBBB
//   pf16bit  16-bit little-endian words RRRRRGGGGGGBBBBB
//   pf24bit  bytes B, G, R
//   pf32bit  bytes B, G, R, A; pfDevice is the same. A counts only when AlphaFormat says so;
//            drawing on the canvas writes A = 255 (the toolkit's GDI writes 0).
// Rows are not contiguous from one to the next in a fixed direction: take each through ScanLine.
//
// A new bitmap is pfDevice (32 bits here, handle type bmDDB). New area of a bitmap that grows is
// filled with its canvas's brush colour, white when it has no canvas yet. Palette formats get the
// colours of the picture when it has few enough, otherwise a fixed palette: black and white for
// pf1bit, the 16 VGA colours for pf4bit, and for pf8bit those 16, a 6 x 6 x 6 colour cube and
// 24 greys. Canvas drawing on a palette bitmap keeps full colour until the pixels are next read
// through ScanLine, drawn or saved; they then take the nearest palette colour.
class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;
    std::unique_ptr<TGraphic> CreateNew() const override { return std::make_unique<TBitmap>(); }

    // Copies a bitmap (pixels, formats, transparent colour and mode, not Transparent); nil empties
    // this bitmap; any other graphic assigns itself (a JPEG its decoded bitmap, others their pixels).
    void Assign(TPersistent* Source) override;
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

    int32_t Width() const override { return FWidth; }
    int32_t Height() const override { return FHeight; }
    void SetWidth(int32_t Value) override { SetSize(Value, FHeight); }
    void SetHeight(int32_t Value) override { SetSize(FWidth, Value); }
    // Keeps the pixels at the top-left corner.
    void SetSize(int32_t AWidth, int32_t AHeight);

    // The canvas drawing into the bitmap's pixels; its changes fire the bitmap's OnChange.
    TCanvas* Canvas();

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    // Converts the pixels; pfCustom raises EInvalidGraphic "Invalid pixel format".
    void SetPixelFormat(TPixelFormat Value);
    TAlphaFormat AlphaFormat() const { return FAlphaFormat; }
    // Between afDefined and afPremultiplied the colours are (un)premultiplied; otherwise the bytes stay.
    void SetAlphaFormat(TAlphaFormat Value);
    TBitmapHandleType HandleType() const { return FPixelFormat == pfDevice ? bmDDB : bmDIB; }
    // bmDIB turns pfDevice into pf32bit; bmDDB turns any format into pfDevice.
    void SetHandleType(TBitmapHandleType Value);
    bool Monochrome() const { return FPixelFormat == pf1bit; }
    // True converts to black and white pf1bit; false turns a pf1bit bitmap into pfDevice.
    void SetMonochrome(bool Value);

    // tmAuto: the bottom-left pixel's colour (white for a monochrome bitmap); tmFixed: the colour
    // set. Like the toolkit the result carries the flag 0x02000000.
    TColor TransparentColor() const;
    // clDefault selects tmAuto, any other colour tmFixed.
    void SetTransparentColor(TColor Value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    // tmFixed fixes the current automatic colour.
    void SetTransparentMode(TTransparentMode Value);

    // Row Row of the pixels in the layout above; EInvalidGraphicOperation "Scan line index out of
    // range" for a row outside the bitmap. Valid until the bitmap is resized, converted, loaded or
    // drawn on.
    uint8_t* ScanLine(int32_t Row);
    // The palette of a palette format as 0xAARRGGBB values; empty for other formats.
    const std::vector<uint32_t>& ColorTable() const { return FColorTable; }

    // Reads a BMP file from the stream's position to its end (nothing there gives an empty
    // bitmap); EInvalidGraphic "Bitmap image is not valid" for anything else.
    void LoadFromStream(TStream* Stream) override;
    // Writes the BMP file read last when the pixels did not change since; otherwise a new file
    // with a 40-byte info header (resolution 0, biClrImportant 0), a full palette for palette
    // formats (biClrUsed = its size), BI_BITFIELDS masks for pf16bit, bottom-up rows padded
    // with zeros to 4 bytes and biSizeImage filled. pfDevice is written as 32 bits. An empty
    // bitmap writes nothing.
    void SaveToStream(TStream* Stream) override;
    // A 4-byte byte count, then the BMP file.
    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override;
    // Reads the BMP file <ResName>.bmp of the resource folder; EResNotFound "Resource <name> not
    // found" when there is none. Instance is not used: the program has one module.
    void LoadFromResourceName(uintptr_t Instance, const QString& ResName);
    // Reads a DIB held without a file header (info header, colour table, pixel rows), as icon
    // files keep them; returns the number of bytes the DIB takes.
    int32_t LoadFromDIB(const QByteArray& Dib);

    // Nothing to release on this platform.
    void Dormant() {}
    void FreeImage() {}

protected:
    // Any picture's pixels.
    bool AssignPixels(TGraphic* Source) override;

private:
    friend class TBitmapCanvas;
    friend class TSurfaces;
    void GetPixels(TGraphicPixels& Pixels) override;
    struct TDib;

    // Replaces the content with Dib's and fires OnChange.
    void Adopt(TDib&& Dib);
    // Called before the canvas draws: the drawing makes palette indexes and the saved file stale.
    void Changing();
    // Makes the paint image show the palette indexes after they changed.
    void SyncImage();
    // Maps the paint image onto the palette after the canvas drew on it.
    void SyncBits();
    // The canvas stops drawing into the paint image; its next drawing binds it again.
    void UnbindCanvas();
    // The colour of pixel (X, Y), which must lie inside the bitmap.
    TColor PixelColor(int32_t X, int32_t Y) const;
    void ReadStream(TStream* Stream, int64_t Size);
    QByteArray EncodeBmp();
    bool IsPaletteFormat() const;

    int32_t FWidth = 0;
    int32_t FHeight = 0;
    TPixelFormat FPixelFormat = pfDevice;
    TAlphaFormat FAlphaFormat = afIgnored;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clDefault;
    // The pixels as drawn; for palette formats a 32-bit copy of the indexes. Null when empty.
    std::unique_ptr<QImage> FImage;
    // Palette formats: the indexes, rows from the top in the ScanLine layout.
    std::vector<uint8_t> FBits;
    std::vector<uint32_t> FColorTable;
    bool FImageStale = false;
    bool FBitsStale = false;
    // The BMP file the pixels came from, written back unchanged until they change.
    QByteArray FSaveStream;
    // Declared last so that it lets go of the pixels before they go.
    std::unique_ptr<TBitmapCanvas> FCanvas;
};
