// The short forms of the Qt side of canvases, pictures and regions.
#include "graphics/private/Surfaces.h"

void BindImage(TCanvas& Canvas, QImage* Image)
{
    TSurfaces::BindImage(Canvas, Image);
}

void BindPainter(TCanvas& Canvas, QPainter* Painter)
{
    TSurfaces::BindPainter(Canvas, Painter);
}

QPainter* PainterOf(TCanvas& Canvas)
{
    return TSurfaces::Painter(Canvas);
}

QImage ImageOf(TGraphic& Graphic)
{
    return TSurfaces::ImageOf(Graphic);
}

void AssignImage(TBitmap& Bitmap, const QImage& Image)
{
    TSurfaces::AssignImage(Bitmap, Image);
}

TRegion RegionOf(const QRegion& Region)
{
    return TSurfaces::MakeRegion(Region);
}
