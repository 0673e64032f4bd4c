// Shared pieces of the in-cell editor tests: a dialog form, placing controls, pixels as colour values.
#pragma once

#include "graphics/Colors.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "support/Render.h"
#include "windows/Forms.h"
#include "windows/WindowDC.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <memory>

namespace EditorTest {

inline std::unique_ptr<TForm> MakeForm(int32_t Width, int32_t Height)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    Form->SetBorderStyle(bsSingle);
    Form->SetClientWidth(Width);
    Form->SetClientHeight(Height);
    Form->SetColor(RGB(248, 247, 237));
    Form->Font()->SetName(QStringLiteral("Verdana"));
    Form->Font()->SetSize(8);
    Form->Font()->SetColor(clBlack);
    return Form;
}

template <typename T>
T* Place(TWinControl* Parent, const TRect& Bounds)
{
    T* Control = New<T>(Parent);
    Control->SetBoundsRect(Bounds);
    Control->SetParent(Parent);
    return Control;
}

// The line height (tmHeight) of Font on the screen.
inline int32_t LineHeightOf(TFont* Font)
{
    HDC DC = GetDC(nullptr);
    DC->SetFont(Font);
    TEXTMETRIC Metrics;
    GetTextMetrics(DC, Metrics);
    ReleaseDC(nullptr, DC);
    return Metrics.tmHeight;
}

// A colour as "$BBGGRR" (system colours resolved), so that failures show readable values.
inline QString ColorText(TColor Color)
{
    const uint32_t Value = static_cast<uint32_t>(ColorToRGB(Color)) & 0xFFFFFF;
    return QStringLiteral("$%1").arg(Value, 6, 16, QLatin1Char('0')).toUpper();
}

inline QString PixelText(const QImage& Image, int X, int Y)
{
    const QRgb Pixel = Image.pixel(X, Y);
    return ColorText(static_cast<TColor>(RGB(qRed(Pixel), qGreen(Pixel), qBlue(Pixel))));
}

// The bounds of the pixels of Area that have colour Ink; empty when none has.
inline QRect InkBounds(const QImage& Image, TColor Ink, const QRect& Area)
{
    const COLORREF Rgb = ColorToRGB(Ink);
    QRect Found;
    const QRect Inside = Area & Image.rect();
    for (int Y = Inside.top(); Y <= Inside.bottom(); ++Y)
        for (int X = Inside.left(); X <= Inside.right(); ++X) {
            const QRgb Pixel = Image.pixel(X, Y);
            if (RGB(qRed(Pixel), qGreen(Pixel), qBlue(Pixel)) == Rgb) Found |= QRect(X, Y, 1, 1);
        }
    return Found;
}

}  // namespace EditorTest
