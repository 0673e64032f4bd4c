// GDI drawing helpers on a device context: edges, frame controls, focus rectangles, blits, gradients, alpha blending.
#pragma once

#include "graphics/Canvas.h"

#include <cstdint>
#include <span>

// Mix modes of pens and fills (SetROP2).
constexpr int32_t R2_BLACK = 1;
constexpr int32_t R2_NOTMERGEPEN = 2;
constexpr int32_t R2_MASKNOTPEN = 3;
constexpr int32_t R2_NOTCOPYPEN = 4;
constexpr int32_t R2_MASKPENNOT = 5;
constexpr int32_t R2_NOT = 6;
constexpr int32_t R2_XORPEN = 7;
constexpr int32_t R2_NOTMASKPEN = 8;
constexpr int32_t R2_MASKPEN = 9;
constexpr int32_t R2_NOTXORPEN = 10;
constexpr int32_t R2_NOP = 11;
constexpr int32_t R2_MERGENOTPEN = 12;
constexpr int32_t R2_COPYPEN = 13;
constexpr int32_t R2_MERGEPENNOT = 14;
constexpr int32_t R2_MERGEPEN = 15;
constexpr int32_t R2_WHITE = 16;

int32_t SetROP2(HDC DC, int32_t Mode);
int32_t GetROP2(HDC DC);

// Edges.
constexpr uint32_t BDR_RAISEDOUTER = 0x0001;
constexpr uint32_t BDR_SUNKENOUTER = 0x0002;
constexpr uint32_t BDR_RAISEDINNER = 0x0004;
constexpr uint32_t BDR_SUNKENINNER = 0x0008;
constexpr uint32_t BDR_OUTER = BDR_RAISEDOUTER | BDR_SUNKENOUTER;
constexpr uint32_t BDR_INNER = BDR_RAISEDINNER | BDR_SUNKENINNER;
constexpr uint32_t BDR_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr uint32_t BDR_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr uint32_t EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr uint32_t EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr uint32_t EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr uint32_t EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

constexpr uint32_t BF_LEFT = 0x0001;
constexpr uint32_t BF_TOP = 0x0002;
constexpr uint32_t BF_RIGHT = 0x0004;
constexpr uint32_t BF_BOTTOM = 0x0008;
constexpr uint32_t BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr uint32_t BF_TOPRIGHT = BF_TOP | BF_RIGHT;
constexpr uint32_t BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT;
constexpr uint32_t BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr uint32_t BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr uint32_t BF_DIAGONAL = 0x0010;
constexpr uint32_t BF_DIAGONAL_ENDTOPRIGHT = BF_DIAGONAL | BF_TOP | BF_RIGHT;
constexpr uint32_t BF_DIAGONAL_ENDTOPLEFT = BF_DIAGONAL | BF_TOP | BF_LEFT;
constexpr uint32_t BF_DIAGONAL_ENDBOTTOMLEFT = BF_DIAGONAL | BF_BOTTOM | BF_LEFT;
constexpr uint32_t BF_DIAGONAL_ENDBOTTOMRIGHT = BF_DIAGONAL | BF_BOTTOM | BF_RIGHT;
constexpr uint32_t BF_MIDDLE = 0x0800;
constexpr uint32_t BF_SOFT = 0x1000;
constexpr uint32_t BF_ADJUST = 0x2000;
constexpr uint32_t BF_FLAT = 0x4000;
constexpr uint32_t BF_MONO = 0x8000;

// Draws the edges of Rect; BF_ADJUST shrinks Rect to the area inside them.
bool DrawEdge(HDC DC, TRect& Rect, uint32_t Edge, uint32_t Flags);

// Frame controls.
constexpr uint32_t DFC_CAPTION = 1;
constexpr uint32_t DFC_MENU = 2;
constexpr uint32_t DFC_SCROLL = 3;
constexpr uint32_t DFC_BUTTON = 4;

constexpr uint32_t DFCS_BUTTONCHECK = 0x0000;
constexpr uint32_t DFCS_BUTTONRADIOIMAGE = 0x0001;
constexpr uint32_t DFCS_BUTTONRADIOMASK = 0x0002;
constexpr uint32_t DFCS_BUTTONRADIO = 0x0004;
constexpr uint32_t DFCS_BUTTON3STATE = 0x0008;
constexpr uint32_t DFCS_BUTTONPUSH = 0x0010;

constexpr uint32_t DFCS_CAPTIONCLOSE = 0x0000;
constexpr uint32_t DFCS_CAPTIONMIN = 0x0001;
constexpr uint32_t DFCS_CAPTIONMAX = 0x0002;
constexpr uint32_t DFCS_CAPTIONRESTORE = 0x0003;
constexpr uint32_t DFCS_CAPTIONHELP = 0x0004;

constexpr uint32_t DFCS_SCROLLUP = 0x0000;
constexpr uint32_t DFCS_SCROLLDOWN = 0x0001;
constexpr uint32_t DFCS_SCROLLLEFT = 0x0002;
constexpr uint32_t DFCS_SCROLLRIGHT = 0x0003;
constexpr uint32_t DFCS_SCROLLCOMBOBOX = 0x0005;

constexpr uint32_t DFCS_INACTIVE = 0x0100;
constexpr uint32_t DFCS_PUSHED = 0x0200;
constexpr uint32_t DFCS_CHECKED = 0x0400;
constexpr uint32_t DFCS_TRANSPARENT = 0x0800;
constexpr uint32_t DFCS_HOT = 0x1000;
constexpr uint32_t DFCS_ADJUSTRECT = 0x2000;
constexpr uint32_t DFCS_FLAT = 0x4000;
constexpr uint32_t DFCS_MONO = 0x8000;

// Draws a classic-look control of kind Type (DFC_*) in State (DFCS_*); DFCS_ADJUSTRECT shrinks
// Rect of a push button to the area inside its border.
bool DrawFrameControl(HDC DC, TRect& Rect, uint32_t Type, uint32_t State);

// Inverts every other pixel of the rectangle's outline; drawing it twice restores the pixels.
bool DrawFocusRect(HDC DC, const TRect& Rect);
bool InvertRect(HDC DC, const TRect& Rect);
// Fills with Brush regardless of the mix mode; a clear brush fills nothing.
int32_t FillRect(HDC DC, const TRect& Rect, HBRUSH Brush);
int32_t FrameRect(HDC DC, const TRect& Rect, HBRUSH Brush);

// Raster operations that need no source: PATCOPY, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS.
bool PatBlt(HDC DC, int32_t X, int32_t Y, int32_t Width, int32_t Height, uint32_t Rop);
bool BitBlt(HDC Dest, int32_t X, int32_t Y, int32_t Width, int32_t Height, HDC Source, int32_t XSrc, int32_t YSrc, uint32_t Rop);
// Negative widths or heights mirror.
bool StretchBlt(HDC Dest, int32_t X, int32_t Y, int32_t Width, int32_t Height, HDC Source, int32_t XSrc, int32_t YSrc,
                int32_t WidthSrc, int32_t HeightSrc, uint32_t Rop);

// Stretch modes: COLORONCOLOR (and the two monochrome modes) pick the nearest pixel, HALFTONE averages.
constexpr int32_t BLACKONWHITE = 1;
constexpr int32_t WHITEONBLACK = 2;
constexpr int32_t COLORONCOLOR = 3;
constexpr int32_t HALFTONE = 4;
int32_t SetStretchBltMode(HDC DC, int32_t Mode);
int32_t GetStretchBltMode(HDC DC);

// Copies the source except the pixels of colour Transparent.
bool TransparentBlt(HDC Dest, int32_t X, int32_t Y, int32_t Width, int32_t Height, HDC Source, int32_t XSrc,
                    int32_t YSrc, int32_t WidthSrc, int32_t HeightSrc, COLORREF Transparent);

constexpr uint8_t AC_SRC_OVER = 0x00;
constexpr uint8_t AC_SRC_ALPHA = 0x01;
struct BLENDFUNCTION {
    uint8_t BlendOp = AC_SRC_OVER;
    uint8_t BlendFlags = 0;
    uint8_t SourceConstantAlpha = 255;
    // AC_SRC_ALPHA: the source carries premultiplied per-pixel alpha.
    uint8_t AlphaFormat = 0;
};
bool AlphaBlend(HDC Dest, int32_t X, int32_t Y, int32_t Width, int32_t Height, HDC Source, int32_t XSrc,
                int32_t YSrc, int32_t WidthSrc, int32_t HeightSrc, BLENDFUNCTION Blend);

using COLOR16 = uint16_t;
struct TRIVERTEX {
    int32_t x = 0;
    int32_t y = 0;
    COLOR16 Red = 0;
    COLOR16 Green = 0;
    COLOR16 Blue = 0;
    COLOR16 Alpha = 0;
};
struct GRADIENT_RECT {
    uint32_t UpperLeft = 0;
    uint32_t LowerRight = 0;
};
constexpr uint32_t GRADIENT_FILL_RECT_H = 0;
constexpr uint32_t GRADIENT_FILL_RECT_V = 1;
constexpr uint32_t GRADIENT_FILL_TRIANGLE = 2;
// Fills each rectangle with colours running from its upper-left vertex to its lower-right vertex.
bool GradientFill(HDC DC, std::span<const TRIVERTEX> Vertices, std::span<const GRADIENT_RECT> Rects, uint32_t Mode);

// Coordinate origins: device = logical - window origin + viewport origin.
bool SetWindowOrgEx(HDC DC, int32_t X, int32_t Y, TPoint* Previous);
bool GetWindowOrgEx(HDC DC, TPoint& Origin);
bool SetViewportOrgEx(HDC DC, int32_t X, int32_t Y, TPoint* Previous);
bool GetViewportOrgEx(HDC DC, TPoint& Origin);

constexpr int32_t TECHNOLOGY = 2;
constexpr int32_t HORZRES = 8;
constexpr int32_t VERTRES = 10;
constexpr int32_t BITSPIXEL = 12;
constexpr int32_t PLANES = 14;
constexpr int32_t NUMCOLORS = 24;
constexpr int32_t LOGPIXELSX = 88;
constexpr int32_t LOGPIXELSY = 90;
constexpr int32_t SIZEPALETTE = 104;
constexpr int32_t DT_RASDISPLAY = 1;
int32_t GetDeviceCaps(HDC DC, int32_t Index);
