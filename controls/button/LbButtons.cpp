// Face painting of the painted push button.
#include "button/LbButtons.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "rtl/NumConv.h"

#include <algorithm>
#include <initializer_list>

namespace {

// The magenta that stands for "transparent" on a shaped face.
constexpr TColor ShapeBackground = clFuchsia;

// Indexed by TLbColorStyle from lcsGold on.
constexpr TLbStyleColors Presets[] = {
    {0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, clBlack, false, true, false},      // lcsGold
    {0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, clBlack, false, true, false},        // lcsChrome
    {0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, clBlack, false, true, false},        // lcsBlue
    {0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, clBlack, false, true, false},        // lcsRed
    {clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, clBlack, true, false, false},   // lcsUltraFlat1
    {clBtnFace, clBlack, clBlack, 0x24DABC, 0x8CF6E4, clBlack, true, false, false},     // lcsUltraFlat2
    {0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, clBlack, true, false, false},    // lcsUltraFlatXP
    {0xECCE94, 0xFCE6D4, clBlack, clNone, clNone, clBlack, false, true, false},         // lcsAqua
    {clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, clBlack, false, false, false},      // lcsDefault
    {0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, 0xFFFFFF, false, false, true},   // lcsQuicken
};

void FillAround(TCanvas* Canvas, TColor Color, int32_t W, int32_t H)
{
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(Rect(-1, -1, W + 1, H + 1));
}

void Line(TCanvas* Canvas, TColor Color, std::initializer_list<TPoint> Points)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Polyline(Points);
}

void PaintBackground(TCanvas* Canvas, const TLbFace& Face, TColor F, int32_t D)
{
    const int32_t W = Face.Width;
    const int32_t H = Face.Height;
    switch (Face.Style) {
    case bsShape: FillAround(Canvas, ShapeBackground, W, H); break;
    case bsNormal:
    case bsEncarta:
    case bsOld: FillAround(Canvas, F, W, H); break;
    case bsModern:
        Fill_Gradient(Canvas, Face.LightColor, F, 2, 2, W - 2, H / 4 + D);
        Fill_Gradient(Canvas, F, Face.LightColor, 2, H / 4 + D, W - 2, H - 1);
        break;
    case bsQuicken: break;
    }
}

void PaintBorder(TCanvas* Canvas, const TLbFace& Face, TColor F, bool Down)
{
    const int32_t W = Face.Width;
    const int32_t H = Face.Height;
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);
    // A flat face shows its edges only while hot or pressed.
    const bool Edged = Face.Enabled ? !Face.Flat || Face.Hot || Down : !Face.Flat;
    const TColor Light = Face.LightColor;
    const TColor Shadow = Face.ShadowColor;
    switch (Face.Style) {
    case bsNormal:
    case bsEncarta:
        if (!Edged) break;
        Line(Canvas, Down ? Shadow : Light, {{0, H - 1}, {0, 0}, {W - 1, 0}});
        Line(Canvas, Down ? Light : Shadow, {{W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
        break;
    case bsOld:
        if (!Edged) break;
        if (Down) Line(Canvas, Shadow, {{1, H - 3}, {1, 1}, {W - 2, 1}});
        else Line(Canvas, Shadow, {{W - 2, 0}, {W - 2, H - 2}, {0, H - 2}});
        Line(Canvas, Down ? cl3DDkShadow : Light, {{0, H - 1}, {0, 0}, {W - 1, 0}});
        Line(Canvas, Down ? Light : cl3DDkShadow, {{W - 1, 0}, {W - 1, H - 1}, {-1, H - 1}});
        break;
    case bsModern:
        Canvas->Pen()->SetColor(Down ? Shadow : F);
        Canvas->Rectangle(1, 1, W - 1, H - 1);
        Canvas->Pen()->SetColor(Shadow);
        Canvas->RoundRect(0, 0, W, H, 6, 6);
        break;
    case bsQuicken:
        Canvas->Pen()->SetStyle(psClear);
        Canvas->Brush()->SetColor(F);
        Canvas->RoundRect(0, 1, W, H, 4, 4);
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Pen()->SetStyle(psSolid);
        Line(Canvas, Shadow, {{4, 0}, {W - 5, 0}});
        Line(Canvas, Shadow, {{4, H - 1}, {W - 5, H - 1}});
        break;
    case bsShape: break;
    }
}

// The x of the strip cell the state shows: disabled cell 1, pressed cell 2, hot cell 3, each only
// when the strip has it; cell 0 otherwise.
int32_t GlyphCellLeft(const TLbFace& Face, bool Down, int32_t CellWidth)
{
    if (!Face.Enabled) return Face.NumGlyphs > 1 ? CellWidth : 0;
    if (Down && Face.NumGlyphs > 2) return 2 * CellWidth;
    if (Face.Hot && Face.NumGlyphs > 3) return 3 * CellWidth;
    return 0;
}

// The caption without as many characters from its end as it takes to be at most Width wide;
// whole when word wrap is on.
QString FitCaption(TCanvas* Canvas, const TLbFace& Face, int32_t Width)
{
    QString Caption = Face.Caption;
    if (!Face.WordWrap)
        while (Canvas->TextWidth(Caption) > Width) Caption.chop(1);
    return Caption;
}

// The size the caption takes when wrapped in Width.
TSize MeasureCaption(TCanvas* Canvas, const QString& Caption, int32_t Width, uint32_t Format)
{
    TRect Bounds = Rect(0, 0, Width, 0);
    DrawText(Canvas->Handle(), Caption, -1, Bounds, Format | DT_CALCRECT);
    return {Bounds.Width(), Bounds.Height()};
}

// Where caption and glyph go on every face but bsShape.
struct TPlacement {
    QString Caption;
    // The width the caption may take.
    int32_t Available = 0;
    int32_t TextLeft = 0;
    int32_t TextTop = 0;
    int32_t TextHeight = 0;
    int32_t GlyphLeft = 0;
    int32_t GlyphTop = 0;
};

TPlacement Place(TCanvas* Canvas, const TLbFace& Face, uint32_t Format, int32_t D, int32_t GlyphWidth,
                 int32_t GlyphHeight)
{
    const int32_t W = Face.Width;
    const int32_t H = Face.Height;
    TPlacement P;
    P.TextLeft = D + 4;
    if (Face.Layout == blGlyphTop || Face.Layout == blGlyphBottom) {
        P.Available = std::max(0, W - 8);
        P.Caption = FitCaption(Canvas, Face, P.Available);
        P.TextHeight = MeasureCaption(Canvas, P.Caption, P.Available, Format).cy;
        const int32_t Block = GlyphHeight > 0 ? GlyphHeight + P.TextHeight + 4 : P.TextHeight;
        const int32_t C = (H - Block) / 2;
        P.GlyphTop = (Face.Layout == blGlyphTop ? C : C + P.TextHeight) + D;
        P.TextTop = (Face.Layout == blGlyphTop ? C + GlyphHeight : C) + D;
        switch (Face.Alignment) {
        case taLeftJustify: P.GlyphLeft = D + 4; break;
        case taRightJustify: P.GlyphLeft = W + D - GlyphWidth - 4; break;
        case taCenter: P.GlyphLeft = (W - GlyphWidth) / 2 + D; break;
        }
        return P;
    }
    P.Available = std::max(0, GlyphWidth <= 0 ? W - 8 : W - GlyphWidth - 12);
    P.Caption = FitCaption(Canvas, Face, P.Available);
    const TSize Text = MeasureCaption(Canvas, P.Caption, P.Available, Format);
    P.TextHeight = Text.cy;
    P.TextTop = (H - P.TextHeight) / 2 + D;
    P.GlyphTop = (H - GlyphHeight) / 2 + D;
    const int32_t Gap = P.Caption.isEmpty() ? 0 : Text.cx + 4;
    if (Face.Layout == blGlyphRight) {
        P.GlyphLeft = P.TextLeft + Gap;
        if (!Face.WordWrap && Face.Alignment == taRightJustify) P.GlyphLeft = W + D - GlyphWidth - 4;
        if (!Face.WordWrap && Face.Alignment == taCenter) P.GlyphLeft = (W - GlyphWidth) / 2 + D + Gap / 2;
    } else {
        if (GlyphWidth > 0) P.TextLeft += GlyphWidth + 4;
        P.GlyphLeft = D + 4;
        if (!Face.WordWrap && Face.Alignment == taRightJustify) P.GlyphLeft = W + D - GlyphWidth - Gap - 4;
        if (!Face.WordWrap && Face.Alignment == taCenter) P.GlyphLeft = (W - GlyphWidth) / 2 + D - Gap / 2;
    }
    return P;
}

void DrawPopupArrow(TCanvas* Canvas, int32_t W, int32_t H)
{
    TBitmap Arrow;
    Arrow.LoadFromResourceName(0, QStringLiteral("LBARROW"));
    Arrow.SetTransparent(true);
    Canvas->Draw(W - 11, H / 2 - 1, &Arrow);
}

}  // namespace

void Get_Color_Style_Colors(TLbColorStyle Style, TLbStyleColors& Colors)
{
    const int32_t Index = static_cast<int32_t>(Style) & 0x7F;
    if (Index >= lcsGold && Index <= lcsQuicken) {
        Colors = Presets[Index - lcsGold];
        return;
    }
    Colors.FontColor = clBlack;
    Colors.Flat = false;
    Colors.Modern = false;
    Colors.Quicken = false;
}

void Fill_Gradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2)
{
    const COLORREF From = ColorToRGB(FromColor);
    const COLORREF To = ColorToRGB(ToColor);
    double R = GetRValue(From);
    double G = GetGValue(From);
    double B = GetBValue(From);
    const double StepR = (GetRValue(To) - GetRValue(From)) / 31.0;
    const double StepG = (GetGValue(To) - GetGValue(From)) / 31.0;
    const double StepB = (GetBValue(To) - GetBValue(From)) / 31.0;
    const int32_t BandHeight = (Y2 - Y1) / 31 + 1;
    for (int32_t I = 0; I <= 31; ++I) {
        Canvas->Brush()->SetColor(static_cast<TColor>(RGB(static_cast<int>(Trunc(R)), static_cast<int>(Trunc(G)),
                                                          static_cast<int>(Trunc(B)))));
        const int32_t Top = Y1 + I * (Y2 - Y1) / 31;
        Canvas->FillRect(Rect(X1, Top, X2, std::min(Top + BandHeight, Y2)));
        R += StepR;
        G += StepG;
        B += StepB;
    }
}

TColor Blend_HotTrack_Color(TColor FaceColor, TColor HotTrackColor, int32_t Step)
{
    const COLORREF Face = ColorToRGB(FaceColor);
    const COLORREF Hot = ColorToRGB(HotTrackColor);
    const double S = Step / 8.0;
    const auto Mix = [S](uint8_t From, uint8_t To) { return static_cast<int>(Trunc(From * (1 - S) + To * S)); };
    return static_cast<TColor>(RGB(Mix(GetRValue(Face), GetRValue(Hot)), Mix(GetGValue(Face), GetGValue(Hot)),
                                   Mix(GetBValue(Face), GetBValue(Hot))));
}

void Draw_Glyph(TCanvas* Canvas, TBitmap* Glyph, int32_t X, int32_t Y, int32_t SourceX, int32_t SourceY, int32_t Width,
                int32_t Height)
{
    TBitmap Cell;
    Cell.SetSize(Width, Height);
    Cell.Canvas()->Draw(-SourceX, -SourceY, Glyph);
    Cell.SetTransparent(true);
    Canvas->Draw(X, Y, &Cell);
}

void Draw_Button_Face(TCanvas* Canvas, const TLbFace& Face)
{
    const int32_t W = Face.Width;
    const int32_t H = Face.Height;
    const bool Down = Face.Enabled && Face.Down;
    const int32_t D = Down && Face.Style != bsEncarta ? 1 : 0;

    TColor F = ColorToRGB(Face.Color);
    if (Face.Enabled && Face.HotTrackColor != clNone)
        F = Blend_HotTrack_Color(Face.Color, Face.HotTrackColor, Face.HotTrackStep);
    if (Down && Face.ColorWhenDown != clNone) F = Face.ColorWhenDown;

    PaintBackground(Canvas, Face, F, D);
    PaintBorder(Canvas, Face, F, Down);

    if (Face.Font) Canvas->Font()->Assign(Face.Font);
    if (Face.Style == bsEncarta && Down) Canvas->Font()->SetStyle(Canvas->Font()->Style() + TFontStyles{fsBold});
    uint32_t Format = DT_WORDBREAK;
    switch (Face.Alignment) {
    case taLeftJustify: Format |= DT_LEFT; break;
    case taRightJustify: Format |= DT_RIGHT; break;
    case taCenter: Format |= DT_CENTER; break;
    }

    const int32_t GlyphWidth = Face.Glyph && Face.NumGlyphs > 0 ? Face.Glyph->Width() / Face.NumGlyphs : 0;
    const int32_t GlyphHeight = Face.Glyph ? Face.Glyph->Height() : 0;
    const int32_t CellLeft = GlyphCellLeft(Face, Down, GlyphWidth);
    const auto DrawGlyph = [&](int32_t X, int32_t Y) {
        if (Face.Glyph) Draw_Glyph(Canvas, Face.Glyph, X, Y, CellLeft, 0, GlyphWidth, GlyphHeight);
    };

    if (Face.Style == bsShape) {
        const int32_t Available = std::max(0, W - 8);
        const QString Caption = FitCaption(Canvas, Face, Available);
        const int32_t TextHeight = MeasureCaption(Canvas, Caption, Available, Format).cy;
        DrawGlyph((W - GlyphWidth) / 2, (H - GlyphHeight) / 2);
        TRect TextRect = Rect(D, (H - TextHeight) / 2 + D, W, H);
        DrawText(Canvas->Handle(), Caption, -1, TextRect, DT_WORDBREAK | DT_CENTER);
    } else {
        const TPlacement P = Place(Canvas, Face, Format, D, GlyphWidth, GlyphHeight);
        if (!Face.Enabled) Canvas->Font()->SetColor(clGray);
        TRect TextRect = Rect(P.TextLeft, P.TextTop, P.TextLeft + P.Available, P.TextTop + P.TextHeight);
        DrawText(Canvas->Handle(), P.Caption, -1, TextRect, Format);
        DrawGlyph(P.GlyphLeft, P.GlyphTop);
    }

    if (Face.HasPopup) DrawPopupArrow(Canvas, W, H);
}
