// The drop-down unit's free helpers: stepped gradients, colour blending, framed backgrounds, image
// with text, transparent bitmaps, text measuring and shortening, markup text and number classifiers.
#pragma once

#include "graphics/Colors.h"
#include "rtl/Types.h"
#include "windows/Controls.h"

#include <QChar>
#include <QString>

#include <cstdint>

class TBitmap;
class TCanvas;
class TCustomImageList;

// Steps bands (0 counts as 1) from FromColor to ToColor; with Direction the colour changes from
// left to right, else from top to bottom. Band n has the colour FromColor + round(n * step) per
// channel and spans round(d) + 1 pixels from R's start + round(n * d), d being the extent less one
// divided by Steps: neighbouring bands overlap by a pixel and the last stops a step short of ToColor.
void DrawStepGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int32_t Steps, const TRect& R, bool Direction);
// Percent of Col1 and the rest of Col2, per channel; Col1 itself from 100 up, Col2 itself from 0 down.
TColor BlendColor(TColor Col1, TColor Col2, int32_t Percent);
// Each channel scaled by 100 + its percentage (at most 100 %); a channel that is 0 becomes the
// percentage itself when that is positive.
TColor AdjustColorChannels(TColor Color, int32_t RPercent, int32_t GPercent, int32_t BPercent);
// An 80-band gradient (left to right unless Vertical) or a plain fill, then a frame of
// BorderWidth in BorderColor; clNone leaves out that part.
void DrawBackgroundRect(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, bool Vertical,
                        int32_t BorderWidth, TColor BorderColor);
// The image (4 pixels in, vertically centred) and the text on one line, vertically centred and
// cut with an ellipsis: left-aligned 8 pixels after the image, or centred when there is none.
void DrawImageText(TCanvas* Canvas, const TRect& R, const QString& Text, int32_t ImageIndex, TCustomImageList* Images);
// Bitmap with its top-left pixel's colour replaced by Color, copied into R (its top-left part; no
// more than the bitmap's size).
void DrawTransparentBitmap(TCanvas* Canvas, TBitmap* Bitmap, TColor Color, const TRect& R);
// The single-line extent of Text in the canvas font; (0, 0) for an empty text.
TSize GetTextSize(TCanvas* Canvas, const QString& Text);
// Text, or when it is wider than MaxWidth the first of Text less 1, 2, ... characters at its end
// (each with "..." when Ellipsis) that is narrower; Text when none is.
void FitTextToWidth(TCanvas* Canvas, const QString& Text, int32_t MaxWidth, QString& Result, bool Ellipsis);
// Draws (Flag false) or measures (Flag true) the markup Text in R; Size gets its extent, (0, 0)
// for an empty text.
void DrawMarkupText(TCanvas* Canvas, const QString& Text, const TRect& R, TSize& Size, TCustomImageList* Images,
                    bool Flag, HWND Window = nullptr);

// ',', '-' and ';'.
bool IsRangeSeparator(QChar Ch);
// What a value text is, by the locale's separators read now.
enum : int32_t { cnInteger = 0, cnFloat = 1, cnOther = 2, cnHexadecimal = 5 };
int32_t ClassifyNumber(const QString& S);
// S without the locale's thousand separators.
QString StripThousandSeparators(const QString& S);
// 0-15 for a hexadecimal digit, 0 for anything else.
int32_t HexDigitValue(QChar Ch);
// The digits of S as a hexadecimal number, other characters counting as 0; it wraps around in
// 32 bits.
uint32_t HexToInt(const QString& S);
// S, or S upper-cased when not CaseSensitive.
QString MatchCase(const QString& S, bool CaseSensitive);

// Reaches a windowed control's painting of its windowless children.
class TWinCtrl : public TWinControl {
public:
    using TWinControl::TWinControl;
    // Paints Control's windowless children from First on (all when nil) into DC.
    static void PaintCtrls(TWinControl* Control, HDC DC, TControl* First);
};
