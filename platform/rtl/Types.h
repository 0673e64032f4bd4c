// TPoint, TSize and TRect with the toolkit's rectangle routines (right and bottom are exclusive).
#pragma once

#include <algorithm>
#include <cstdint>

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int32_t cx = 0;
    int32_t cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int32_t X, int32_t Y) { return {X, Y}; }
inline TRect Rect(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom) { return {Left, Top, Right, Bottom}; }
inline TRect Bounds(int32_t Left, int32_t Top, int32_t Width, int32_t Height)
{
    return {Left, Top, Left + Width, Top + Height};
}

// A rectangle is empty when it has no width or no height.
inline bool IsRectEmpty(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }
inline bool PtInRect(const TRect& R, const TPoint& P)
{
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}
// Dest becomes the intersection; false (and an all-zero Dest) when they do not overlap.
inline bool IntersectRect(TRect& Dest, const TRect& A, const TRect& B)
{
    Dest = {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom)};
    if (IsRectEmpty(Dest)) {
        Dest = {};
        return false;
    }
    return true;
}
// Dest becomes the smallest rectangle holding both; an empty rectangle does not count.
inline bool UnionRect(TRect& Dest, const TRect& A, const TRect& B)
{
    if (IsRectEmpty(A)) Dest = B;
    else if (IsRectEmpty(B)) Dest = A;
    else Dest = {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right), std::max(A.Bottom, B.Bottom)};
    if (IsRectEmpty(Dest)) {
        Dest = {};
        return false;
    }
    return true;
}
inline void OffsetRect(TRect& R, int32_t DX, int32_t DY)
{
    R.Left += DX; R.Right += DX; R.Top += DY; R.Bottom += DY;
}
inline void InflateRect(TRect& R, int32_t DX, int32_t DY)
{
    R.Left -= DX; R.Right += DX; R.Top -= DY; R.Bottom += DY;
}
inline bool EqualRect(const TRect& A, const TRect& B) { return A == B; }
inline TPoint CenterPoint(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }
