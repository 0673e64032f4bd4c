// The grid's own bitmap resources, read once.
#pragma once

#include <QString>

#include <cstdint>

class TBitmap;

// The bitmap resource Name, loaded on first use and kept; an empty bitmap when there is none.
TBitmap* GridGlyph(const QString& Name);

class TCanvas;

// Bitmap at (X, Y) at its own size without the pixels of its transparent colour (the
// bottom-left pixel's unless the bitmap fixes one). Nothing for an empty bitmap.
void DrawTransparentGlyph(TCanvas* Canvas, int32_t X, int32_t Y, TBitmap* Bitmap);
