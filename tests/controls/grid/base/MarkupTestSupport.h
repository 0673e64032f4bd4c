// Markup test helpers: a canvas over a white image, DrawMarkup with named options, and image file bytes (BMP, GIF).
#pragma once

#include "grid/base/EsgHTMLE.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Colors.h"
#include "graphics/DrawText.h"
#include "rtl/Streams.h"
#include "support/LayerInternals.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <vector>

// The pixel as a colour value (red in the low byte).
inline TColor ColorAt(const QImage& Image, int X, int Y)
{
    const QRgb pixel = Image.pixel(X, Y);
    return TColor(RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)));
}

// The bounds of the pixels of Area that are not Background; empty when there are none.
inline QRect InkIn(const QImage& Image, const QRect& Area, TColor Background = clWhite)
{
    QRect ink;
    const QRect area = Area & Image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (ColorAt(Image, x, y) != Background) ink |= QRect(x, y, 1, 1);
    return ink;
}

inline QRect ToQRect(const TRect& R)
{
    return QRect(R.Left, R.Top, R.Width(), R.Height());
}

// The options of one DrawMarkup call; the defaults draw with word wrap, no point and no links.
struct TMarkupOptions {
    TRect Rect = {0, 0, 200, 100};
    TCustomImageList* Images = nullptr;
    TPoint Hit = {-1, -1};
    int32_t FocusLink = -1;
    int32_t HoverLink = -1;
    int32_t ShadowOffset = 1;
    bool HitTest = false;
    bool MeasureOnly = false;
    bool ScaleImages = false;
    bool FixedColors = false;
    bool BlinkOn = true;
    bool HoverUnderlineOnly = false;
    bool WordWrap = true;
    bool Down = false;
    double ImageScale = 1;
    TColor LinkColor = clBlue;
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    QString ControlID{};
    THTMLPictureCache* PictureCache = nullptr;
    TPictureContainer* PictureContainer = nullptr;
};

// What DrawMarkup returned and reported.
struct TMarkupResult {
    bool Hit = false;
    QString Link;
    QString PlainText;
    QString FocusLinkRef;
    QString LinkTitle;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t LinkCount = 0;
    int32_t HoveredLink = 0;
    TRect LinkRect;
    TRect ControlRect;
    QString ControlID{};
    QString ControlValue;
    QString ControlType;
};

inline TMarkupResult Markup(TCanvas& Canvas, const QString& Text, const TMarkupOptions& O = {})
{
    TMarkupResult r;
    r.ControlID = O.ControlID;
    r.Hit = DrawMarkup(&Canvas, Text, O.Rect, O.Images, O.Hit.X, O.Hit.Y, O.FocusLink, O.HoverLink, O.ShadowOffset,
                       O.HitTest, O.MeasureOnly, O.ScaleImages, O.FixedColors, O.BlinkOn, O.HoverUnderlineOnly,
                       O.WordWrap, O.Down, O.ImageScale, O.LinkColor, O.HoverColor, O.HoverFontColor, O.ShadowColor,
                       r.Link, r.PlainText, r.FocusLinkRef, r.LinkTitle, r.Width, r.Height, r.LinkCount,
                       r.HoveredLink, r.LinkRect, r.ControlRect, r.ControlID, r.ControlValue, r.ControlType,
                       O.PictureCache, O.PictureContainer, nullptr, 0);
    return r;
}

// A canvas drawing into a white image.
class TMarkupCanvasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Image.fill(Qt::white);
        BindImage(Canvas, &Image);
    }
    void TearDown() override { BindImage(Canvas, nullptr); }

    // The size of Text in the canvas's current font, as the renderer measures a run.
    TSize Extent(const QString& Text)
    {
        TRect r;
        DrawTextEx(&Canvas, Text, -1, r, DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING | DT_CALCRECT, nullptr);
        return {r.Width(), r.Height()};
    }
    // The same in the canvas font changed by Change, which is then undone.
    template <typename F>
    TSize ExtentIn(const QString& Text, F&& Change)
    {
        TFont saved;
        saved.Assign(Canvas.Font());
        Change(Canvas.Font());
        const TSize size = Extent(Text);
        Canvas.Font()->Assign(&saved);
        return size;
    }
    int32_t Gh() { return Canvas.TextHeight(QStringLiteral("gh")); }

    QImage Image{240, 160, QImage::Format_RGB32};
    TCanvas Canvas;
};

// --- Image file bytes ---

// A BMP file of Width x Height pixels in Color.
inline QByteArray BmpBytes(int32_t Width, int32_t Height, TColor Color)
{
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(Width, Height);
    bitmap.Canvas()->Brush()->SetColor(Color);
    bitmap.Canvas()->FillRect(Rect(0, 0, Width, Height));
    TBytesStream stream;
    bitmap.SaveToStream(&stream);
    return stream.Bytes();
}

// One image of a GIF: its place on the logical screen, its delay, and its pixels as indexes into
// the palette red, green, blue, white.
struct TGifFrame {
    int Left;
    int Top;
    int Width;
    int Height;
    int Delay;
    std::vector<uint8_t> Pixels;
    int Transparent = -1;
    int Disposal = 1;
};

// An animated GIF89a of the frames, each with its graphic control extension. The image data is
// LZW-coded with a clear code before every second pixel, so the code size never grows.
inline QByteArray GifBytes(int ScreenWidth, int ScreenHeight, const std::vector<TGifFrame>& Frames)
{
    QByteArray gif("GIF89a");
    const auto word = [&gif](int Value) {
        gif.append(char(Value & 0xFF));
        gif.append(char((Value >> 8) & 0xFF));
    };
    word(ScreenWidth);
    word(ScreenHeight);
    gif.append(char(0xF1));  // global colour table of 4 entries
    gif.append(char(3));     // background: white
    gif.append(char(0));
    gif.append(QByteArray::fromHex("FF0000" "00FF00" "0000FF" "FFFFFF"));
    for (const TGifFrame& frame : Frames) {
        gif.append(QByteArray::fromHex("21F904"));
        gif.append(char((frame.Disposal << 2) | (frame.Transparent >= 0 ? 1 : 0)));
        word(frame.Delay);
        gif.append(char(frame.Transparent >= 0 ? frame.Transparent : 0));
        gif.append(char(0));
        gif.append(char(0x2C));
        word(frame.Left);
        word(frame.Top);
        word(frame.Width);
        word(frame.Height);
        gif.append(char(0));
        gif.append(char(2));  // LZW minimum code size
        QByteArray data;
        uint32_t bits = 0;
        int count = 0;
        const auto code = [&](int Code) {
            bits |= uint32_t(Code) << count;
            for (count += 3; count >= 8; count -= 8, bits >>= 8) data.append(char(bits & 0xFF));
        };
        for (size_t i = 0; i < frame.Pixels.size(); ++i) {
            if (i % 2 == 0) code(4);
            code(frame.Pixels[i]);
        }
        code(5);
        if (count > 0) data.append(char(bits & 0xFF));
        for (qsizetype at = 0; at < data.size(); at += 255) {
            const QByteArray block = data.mid(at, 255);
            gif.append(char(block.size()));
            gif.append(block);
        }
        gif.append(char(0));
    }
    gif.append(char(0x3B));
    return gif;
}
