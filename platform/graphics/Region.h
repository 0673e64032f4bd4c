// TRegion, a copyable area of pixels, with the Windows region functions and the clipping of a device context.
#pragma once

#include "graphics/Canvas.h"
#include "rtl/Types.h"

#include <QList>

#include <memory>
#include <span>

class QRegion;

class TRegion {
public:
    TRegion();
    TRegion(const TRegion& Other);
    TRegion& operator=(const TRegion& Other);
    ~TRegion();

    bool IsEmpty() const;
    // The rectangles that make up the region, top to bottom, left to right.
    QList<TRect> Rects() const;
    friend bool operator==(const TRegion& A, const TRegion& B);

private:
    // The Qt region behind it (graphics/private/Surfaces.h).
    friend class TSurfaces;
    std::unique_ptr<QRegion> FData;
};

using HRGN = TRegion*;

// Region kinds returned by the functions below.
constexpr int32_t RGN_ERROR = 0;
constexpr int32_t NULLREGION = 1;
constexpr int32_t SIMPLEREGION = 2;
constexpr int32_t COMPLEXREGION = 3;

// CombineRgn modes.
constexpr int32_t RGN_AND = 1;
constexpr int32_t RGN_OR = 2;
constexpr int32_t RGN_XOR = 3;
constexpr int32_t RGN_DIFF = 4;
constexpr int32_t RGN_COPY = 5;

// Polygon fill modes.
constexpr int32_t ALTERNATE = 1;
constexpr int32_t WINDING = 2;

// Right and bottom are exclusive, as everywhere.
TRegion CreateRectRgn(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom);
TRegion CreateRectRgnIndirect(const TRect& Rect);
// A rectangle with corners rounded by ellipses of WidthEllipse x HeightEllipse.
TRegion CreateRoundRectRgn(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom, int32_t WidthEllipse, int32_t HeightEllipse);
TRegion CreateEllipticRgn(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom);
TRegion CreateEllipticRgnIndirect(const TRect& Rect);
TRegion CreatePolygonRgn(std::span<const TPoint> Points, int32_t FillMode);

// Dest becomes A op B (RGN_COPY: A); returns the kind of the result.
int32_t CombineRgn(TRegion& Dest, const TRegion& A, const TRegion& B, int32_t Mode);
int32_t OffsetRgn(TRegion& Region, int32_t X, int32_t Y);
// Turns Region into the rectangle Left, Top, Right, Bottom.
bool SetRectRgn(TRegion& Region, int32_t Left, int32_t Top, int32_t Right, int32_t Bottom);
bool PtInRegion(const TRegion& Region, int32_t X, int32_t Y);
bool RectInRegion(const TRegion& Region, const TRect& Rect);
bool EqualRgn(const TRegion& A, const TRegion& B);
int32_t GetRgnBox(const TRegion& Region, TRect& Box);

// Painting a region on a device context (logical coordinates).
bool FillRgn(HDC DC, const TRegion& Region, HBRUSH Brush);
// A frame Width x Height pixels thick along the inside of the region's border.
bool FrameRgn(HDC DC, const TRegion& Region, HBRUSH Brush, int32_t Width, int32_t Height);
// Fills with the selected brush through the mix mode.
bool PaintRgn(HDC DC, const TRegion& Region);
bool InvertRgn(HDC DC, const TRegion& Region);

// Clipping. Clip regions are in device coordinates; the rectangle functions take logical ones.
// A null Region removes clipping; the region is copied.
int32_t SelectClipRgn(HDC DC, const TRegion* Region);
int32_t ExtSelectClipRgn(HDC DC, const TRegion* Region, int32_t Mode);
int32_t ExcludeClipRect(HDC DC, int32_t Left, int32_t Top, int32_t Right, int32_t Bottom);
int32_t IntersectClipRect(HDC DC, int32_t Left, int32_t Top, int32_t Right, int32_t Bottom);
int32_t OffsetClipRgn(HDC DC, int32_t X, int32_t Y);
// The bounds of what drawing can reach, in logical coordinates.
int32_t GetClipBox(HDC DC, TRect& Rect);
// Region becomes the clip region: 1 when there is one, 0 when none is selected.
int32_t GetClipRgn(HDC DC, TRegion& Region);
bool PtVisible(HDC DC, int32_t X, int32_t Y);
bool RectVisible(HDC DC, const TRect& Rect);

// Saves the whole state of the context (tools, clip, origins, pen position, colours, modes) and
// returns its level; RestoreDC goes back to level Saved, or with a negative number that many levels up.
int32_t SaveDC(HDC DC);
bool RestoreDC(HDC DC, int32_t Saved);
