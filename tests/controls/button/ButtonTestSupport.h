// Shared pieces of the button tests: glyph strips of known colours, the dialog font and pixel helpers.
#pragma once

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"

#include <QImage>
#include <QRect>

#include <memory>

namespace ButtonTest {

// The face colours of the configurator's buttons: at rest and while pressed.
constexpr TColor Face = 0xEDF7F8;
constexpr TColor WhenDown = 0x0080FF;

// The colour of cell k of a test strip; the bottom-left pixel of every cell is Background.
constexpr TColor CellColors[] = {0x0000C0, 0x00C000, 0xC00000, 0x00C0C0};
constexpr TColor Background = clOlive;
constexpr int32_t CellSize = 8;

// A strip of Cells solid cells of CellSize pixels, each with a Background bottom-left pixel.
inline std::unique_ptr<TBitmap> MakeStrip(int32_t Cells)
{
    auto Strip = std::make_unique<TBitmap>();
    Strip->SetSize(Cells * CellSize, CellSize);
    TCanvas* Canvas = Strip->Canvas();
    for (int32_t Cell = 0; Cell < Cells; ++Cell) {
        Canvas->Brush()->SetColor(CellColors[Cell]);
        Canvas->FillRect(Bounds(Cell * CellSize, 0, CellSize, CellSize));
        Canvas->SetPixels(Cell * CellSize, CellSize - 1, Background);
    }
    return Strip;
}

// The configurator's window font.
inline void UseDialogFont(TFont* Font)
{
    Font->SetName(QStringLiteral("Verdana"));
    Font->SetSize(8);
    Font->SetColor(clBlack);
}

inline QRgb Rgb(TColor Color)
{
    const COLORREF Value = ColorToRGB(Color);
    return qRgb(GetRValue(Value), GetGValue(Value), GetBValue(Value));
}

// A colour as "$BBGGRR" (system colours resolved), so that failures show readable values.
inline QString ColorText(TColor Color)
{
    const uint32_t Value = static_cast<uint32_t>(ColorToRGB(Color)) & 0xFFFFFF;
    return QStringLiteral("$%1").arg(Value, 6, 16, QLatin1Char('0')).toUpper();
}

// The pixel of Image at (X, Y) as ColorText shows it.
inline QString ColorAt(const QImage& Image, int X, int Y)
{
    const QRgb Pixel = Image.pixel(X, Y);
    return ColorText(static_cast<TColor>(RGB(qRed(Pixel), qGreen(Pixel), qBlue(Pixel))));
}

// The bounds of the pixels of Image inside Area that have colour Ink; empty when none has.
inline QRect InkBounds(const QImage& Image, QRgb Ink, const QRect& Area)
{
    QRect Found;
    for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
        for (int X = Area.left(); X <= Area.right(); ++X)
            if ((Image.pixel(X, Y) & 0xFFFFFF) == (Ink & 0xFFFFFF)) Found |= QRect(X, Y, 1, 1);
    return Found;
}

}  // namespace ButtonTest
