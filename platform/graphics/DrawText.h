// Text output on a device context: DrawText, ExtTextOut, text colours, background mode and text metrics.
#pragma once

#include "graphics/Canvas.h"

#include <QString>

#include <cstdint>

// Background modes.
constexpr int32_t TRANSPARENT = 1;
constexpr int32_t OPAQUE = 2;

// DrawText formats.
constexpr uint32_t DT_TOP = 0x00000000;
constexpr uint32_t DT_LEFT = 0x00000000;
constexpr uint32_t DT_CENTER = 0x00000001;
constexpr uint32_t DT_RIGHT = 0x00000002;
constexpr uint32_t DT_VCENTER = 0x00000004;
constexpr uint32_t DT_BOTTOM = 0x00000008;
constexpr uint32_t DT_WORDBREAK = 0x00000010;
constexpr uint32_t DT_SINGLELINE = 0x00000020;
constexpr uint32_t DT_EXPANDTABS = 0x00000040;
constexpr uint32_t DT_TABSTOP = 0x00000080;
constexpr uint32_t DT_NOCLIP = 0x00000100;
constexpr uint32_t DT_EXTERNALLEADING = 0x00000200;
constexpr uint32_t DT_CALCRECT = 0x00000400;
constexpr uint32_t DT_NOPREFIX = 0x00000800;
constexpr uint32_t DT_INTERNAL = 0x00001000;
constexpr uint32_t DT_EDITCONTROL = 0x00002000;
constexpr uint32_t DT_PATH_ELLIPSIS = 0x00004000;
constexpr uint32_t DT_END_ELLIPSIS = 0x00008000;
constexpr uint32_t DT_MODIFYSTRING = 0x00010000;
constexpr uint32_t DT_RTLREADING = 0x00020000;
constexpr uint32_t DT_WORD_ELLIPSIS = 0x00040000;
constexpr uint32_t DT_NOFULLWIDTHCHARBREAK = 0x00080000;
constexpr uint32_t DT_HIDEPREFIX = 0x00100000;
constexpr uint32_t DT_PREFIXONLY = 0x00200000;

// ExtTextOut options.
constexpr uint32_t ETO_OPAQUE = 0x0002;
constexpr uint32_t ETO_CLIPPED = 0x0004;
constexpr uint32_t ETO_RTLREADING = 0x0080;

struct DRAWTEXTPARAMS {
    uint32_t cbSize = sizeof(DRAWTEXTPARAMS);
    // Tab stops every iTabLength average character widths (DT_TABSTOP sets it from the format's high byte).
    int32_t iTabLength = 8;
    int32_t iLeftMargin = 0;
    int32_t iRightMargin = 0;
    // Out: the number of characters processed.
    uint32_t uiLengthDrawn = 0;
};
using TDrawTextParams = DRAWTEXTPARAMS;

struct TEXTMETRIC {
    int32_t tmHeight = 0;
    int32_t tmAscent = 0;
    int32_t tmDescent = 0;
    int32_t tmInternalLeading = 0;
    int32_t tmExternalLeading = 0;
    int32_t tmAveCharWidth = 0;
    int32_t tmMaxCharWidth = 0;
    int32_t tmWeight = 0;
    int32_t tmOverhang = 0;
    int32_t tmDigitizedAspectX = 96;
    int32_t tmDigitizedAspectY = 96;
    uint8_t tmItalic = 0;
    uint8_t tmUnderlined = 0;
    uint8_t tmStruckOut = 0;
    uint8_t tmPitchAndFamily = 0;
    uint8_t tmCharSet = 0;
};
using TTextMetric = TEXTMETRIC;

// Draws Text (Count characters, -1 for all) formatted into Rect; returns the height of the text.
// With DT_CALCRECT it only measures: Rect's bottom (and for one line its right) is set to fit the text.
int32_t DrawText(HDC DC, const QString& Text, int32_t Count, TRect& Rect, uint32_t Format);
// DrawText with tab length and left and right margins; Params may be nullptr.
int32_t DrawTextEx(HDC DC, const QString& Text, int32_t Count, TRect& Rect, uint32_t Format, DRAWTEXTPARAMS* Params);

// Writes Text with its top-left at (X, Y): ETO_OPAQUE fills Rect with the background colour,
// ETO_CLIPPED clips the text to Rect; in OPAQUE mode the text cell is filled as well.
bool ExtTextOut(HDC DC, int32_t X, int32_t Y, uint32_t Options, const TRect* Rect, const QString& Text);

int32_t SetBkMode(HDC DC, int32_t Mode);
int32_t GetBkMode(HDC DC);
COLORREF SetBkColor(HDC DC, COLORREF Color);
COLORREF GetBkColor(HDC DC);
COLORREF SetTextColor(HDC DC, COLORREF Color);
COLORREF GetTextColor(HDC DC);
bool GetTextExtentPoint32(HDC DC, const QString& Text, int32_t Count, TSize& Size);
bool GetTextMetrics(HDC DC, TEXTMETRIC& Metrics);
