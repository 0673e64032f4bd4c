// The focus frame's alpha mask, the rounded-rectangle mask and the edge-band Gaussian blur that shapes it.
#pragma once

#include "graphics/Bitmap.h"

#include <cstdint>

// A 32-bit bitmap (bytes B, G, R, A) holding per-pixel alpha for a layered window.
class TGridAlphaMask : public TBitmap {
public:
    TGridAlphaMask();

    uint8_t Opacity() const { return FOpacity; }
    void SetOpacity(uint8_t Value) { FOpacity = Value; }

    // From another mask: its size, Opacity and pixels. From any other source: the bitmap's assign.
    // The pixel format is 32-bit afterwards either way.
    void Assign(TPersistent* Source) override;
    // Takes Bitmap's size and its colours premultiplied by the alpha a of each pixel, a being the red
    // byte of Mask's pixel: B·a/255, G·a/255, R·a/255 (rounded) and alpha a. Nothing unless Bitmap and
    // Mask are 24-bit bitmaps of the same size. Color is not used.
    void MergeMask(TBitmap* Mask, TBitmap* Bitmap, TColor Color);

private:
    uint8_t FOpacity = 255;
};

// Bitmap becomes a W x H 24-bit black bitmap with a white rounded rectangle (corners Corner x
// Corner) from (c + 2, c + 2) to (W - c - 2, H - c - 2), c = PenWidth div 2: filled when PenWidth
// < 1, else only its outline drawn with a PenWidth-wide pen. Radius > 0 then blurs it.
void MakeRoundRectMask(TBitmap* Bitmap, int32_t W, int32_t H, int32_t PenWidth, int32_t Corner, double Radius);

// Blurs the bands 21 pixels wide along each edge of a 24-bit bitmap with a Gaussian of Radius; the
// rows and columns inside the bands copy row 15 and column 15, so the blur suits masks whose
// interior is uniform along each axis. Raises "Blur only works for 24-bit bitmaps" for any other
// bitmap; a Radius of 0 or less leaves the bitmap as it is.
void GaussianBlur(TBitmap* Bitmap, double Radius);
