// The Qt side of canvases, pictures and regions, which the public headers keep to themselves:
// binding a canvas to an image or painter, a picture's pixels, the Qt region behind a region.
// For the layer's own code and tests/support.
#pragma once

#include "graphics/Region.h"

#include <QImage>
#include <QRegion>

class QPainter;
class TBitmap;
class TCanvas;
class TGraphic;
class TQtImage;

// The pixels a picture hands over (TGraphic::GetPixels).
class TGraphicPixels {
public:
    QImage Image;
};

// A friend of the public classes: each member is defined beside the class it reaches.
class TSurfaces {
public:
    // Draws into Image from now on; nullptr unbinds and ends any painter on the old image. The owner
    // of the image unbinds (or rebinds) before the image is destroyed or reallocated.
    static void BindImage(TCanvas& Canvas, QImage* Image);
    // Draws through Painter (a window's paint event); its clip bounds all drawing. nullptr unbinds.
    static void BindPainter(TCanvas& Canvas, QPainter* Painter);
    // The active painter with the canvas's origin and clip applied, source-over composition and no
    // antialiasing; an unbound canvas first asks CreateHandle for a surface. nullptr without one.
    static QPainter* Painter(TCanvas& Canvas);

    // The picture at its own size: a bitmap's palette formats as 32-bit colours, 32-bit pixels
    // with their alpha only when AlphaFormat counts it; by default the picture drawn onto a
    // transparent 32-bit image.
    static QImage ImageOf(TGraphic& Graphic);
    // Takes Image's size and pixels; the pixel format follows the image's (indexed 8-bit and 1-bit
    // images keep their colour tables, 32-bit images with alpha become pf32bit afDefined).
    static void AssignImage(TBitmap& Bitmap, const QImage& Image);
    // Replaces a PNG or GIF picture's pixels; the file data goes.
    static void SetImage(TQtImage& Picture, const QImage& Image);

    static TRegion MakeRegion(const QRegion& Region);
    static QRegion& QtRegion(TRegion& Region) { return *Region.FData; }
    static const QRegion& QtRegion(const TRegion& Region) { return *Region.FData; }
};

// The short forms the layer's code uses (tests/support hands the first five to the tests).
void BindImage(TCanvas& Canvas, QImage* Image);
void BindPainter(TCanvas& Canvas, QPainter* Painter);
QPainter* PainterOf(TCanvas& Canvas);
QImage ImageOf(TGraphic& Graphic);
void AssignImage(TBitmap& Bitmap, const QImage& Image);
TRegion RegionOf(const QRegion& Region);

inline QRegion& QtRegion(TRegion& Region)
{
    return TSurfaces::QtRegion(Region);
}

inline const QRegion& QtRegion(const TRegion& Region)
{
    return TSurfaces::QtRegion(Region);
}
