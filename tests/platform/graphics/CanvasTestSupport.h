// A white image with a canvas drawing into it, and pixel helpers for the painting tests.
#pragma once

#include "graphics/Canvas.h"
#include "graphics/Colors.h"
#include "support/LayerInternals.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>

// The pixel as a COLORREF (0x00BBGGRR).
inline COLORREF ColorOf(QRgb Pixel)
{
    return RGB(qRed(Pixel), qGreen(Pixel), qBlue(Pixel));
}

inline QColor QColorOf(COLORREF Color)
{
    return QColor(GetRValue(Color), GetGValue(Color), GetBValue(Color));
}

class TPaintTest : public ::testing::Test {
protected:
    static constexpr int ImageWidth = 96;
    static constexpr int ImageHeight = 64;

    void SetUp() override
    {
        Image.fill(Qt::white);
        BindImage(Canvas, &Image);
    }

    COLORREF At(int X, int Y) const { return ColorOf(Image.pixel(X, Y)); }

    // The bounds of the pixels that differ from Background (empty when none do).
    QRect Ink(COLORREF Background = RGB(255, 255, 255)) const { return InkOf(Image, Background); }

    static QRect InkOf(const QImage& Picture, COLORREF Background)
    {
        QRect bounds;
        for (int y = 0; y < Picture.height(); ++y)
            for (int x = 0; x < Picture.width(); ++x)
                if (ColorOf(Picture.pixel(x, y)) != Background) bounds |= QRect(x, y, 1, 1);
        return bounds;
    }

    QImage Image{ImageWidth, ImageHeight, QImage::Format_RGB32};
    TCanvas Canvas;
};
