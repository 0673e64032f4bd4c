// Face painting of the painted push button: colour presets, gradient, hot-track blend, glyph cells and the whole face.
#pragma once

#include "graphics/Colors.h"
#include "windows/Controls.h"

#include <QString>

#include <cstdint>

class TBitmap;
class TCanvas;
class TFont;

enum TLbColorStyle {
    lcsCustom, lcsGold, lcsChrome, lcsBlue, lcsRed, lcsUltraFlat1, lcsUltraFlat2, lcsUltraFlatXP, lcsAqua, lcsDefault,
    lcsQuicken
};
enum TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
// Where the glyph sits relative to the caption.
enum TLbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TLbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

// The colours and looks a colour style gives a button.
struct TLbStyleColors {
    TColor Color = clBtnFace;
    TColor LightColor = clWhite;
    TColor ShadowColor = clGray;
    TColor ColorWhenDown = clNone;
    TColor HotTrackColor = clNone;
    TColor FontColor = clBlack;
    bool Flat = false;
    bool Modern = false;
    bool Quicken = false;
    friend bool operator==(const TLbStyleColors&, const TLbStyleColors&) = default;
};

// Writes the preset of Style (only its low 7 bits count) into Colors. The flags and the font colour
// are reset for every style; the colours change only for the ten presets, so lcsCustom and values
// above lcsQuicken keep them.
void Get_Color_Style_Colors(TLbColorStyle Style, TLbStyleColors& Colors);

// Fills (X1, Y1, X2, Y2) with a vertical gradient of 32 bands from FromColor to ToColor; the
// channels step by (to - from) / 31 and are truncated.
void Fill_Gradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);

// The face colour moved towards the hot-track colour by Step eighths (0 = face, 8 = hot-track),
// each channel truncated.
TColor Blend_HotTrack_Color(TColor FaceColor, TColor HotTrackColor, int32_t Step);

// Draws the Width x Height cell at (SourceX, SourceY) of Glyph at (X, Y), its bottom-left pixel's
// colour transparent.
void Draw_Glyph(TCanvas* Canvas, TBitmap* Glyph, int32_t X, int32_t Y, int32_t SourceX, int32_t SourceY, int32_t Width,
                int32_t Height);

// Everything one face is painted from.
struct TLbFace {
    int32_t Width = 0;
    int32_t Height = 0;
    TAlignment Alignment = taCenter;
    QString Caption;
    TLbButtonLayout Layout = blGlyphLeft;
    // Not owned; the canvas takes a copy.
    TFont* Font = nullptr;
    TColor ShadowColor = clGray;
    TColor LightColor = clWhite;
    TColor HotTrackColor = clNone;
    TColor ColorWhenDown = clNone;
    TColor Color = clBtnFace;
    TLbButtonStyle Style = bsNormal;
    bool HasPopup = false;
    bool WordWrap = false;
    bool Flat = false;
    bool Enabled = true;
    // The pointer is over the button or it has the focus.
    bool Hot = false;
    bool Down = false;
    // A strip of NumGlyphs cells: normal, disabled, pressed, hot. Not owned; nil shows none.
    TBitmap* Glyph = nullptr;
    int32_t NumGlyphs = 0;
    // 0..8, how far the face has moved towards the hot-track colour.
    int32_t HotTrackStep = 0;
};

// Paints the whole face at (0, 0) of Canvas: background, border, caption, glyph and popup arrow.
void Draw_Button_Face(TCanvas* Canvas, const TLbFace& Face);
