// Drawing routines: banded gradients, colour arithmetic, rounded selections, cell shapes, bitmaps, error underline.
#include "grid/base/ExtUtil.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "rtl/NumConv.h"
#include "windows/StdCtrls.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace {

struct TChannels {
    int32_t R;
    int32_t G;
    int32_t B;
};

TChannels Channels(TColor Color)
{
    const TColor rgb = ColorToRGB(Color);
    return {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
}

int32_t ClampChannel(int64_t Value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(Value, 0, 255));
}

TColor FromChannels(int64_t R, int64_t G, int64_t B)
{
    return static_cast<TColor>(RGB(ClampChannel(R), ClampChannel(G), ClampChannel(B)));
}

void HorzLine(TCanvas* Canvas, int32_t Y, int32_t X1, int32_t X2)
{
    Canvas->MoveTo(X1, Y);
    Canvas->LineTo(X2, Y);
}

void VertLine(TCanvas* Canvas, int32_t X, int32_t Y1, int32_t Y2)
{
    Canvas->MoveTo(X, Y1);
    Canvas->LineTo(X, Y2);
}

// The corner pixel (X, Y) and its three neighbours towards (InnerX, InnerY).
void RoundCorner(TCanvas* Canvas, int32_t X, int32_t Y, int32_t InnerX, int32_t InnerY, TColor InnerCornerColor,
                 TColor CornerColor)
{
    Canvas->SetPixels(X, Y, CornerColor);
    Canvas->SetPixels(InnerX, Y, InnerCornerColor);
    Canvas->SetPixels(X, InnerY, InnerCornerColor);
    Canvas->SetPixels(InnerX, InnerY, InnerCornerColor);
}

// The point of a star at Angle degrees clockwise from the top, on the ellipse of radii RX, RY.
TPoint StarPoint(int32_t CX, int32_t CY, double Angle, double RX, double RY)
{
    const double a = Angle * std::numbers::pi / 180.0;
    return {CX + static_cast<int32_t>(RoundHalfEven(std::sin(a) * RX)),
            CY - static_cast<int32_t>(RoundHalfEven(std::cos(a) * RY))};
}

}  // namespace

void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int32_t Steps, TRect R, bool Horizontal)
{
    if (R.Top == R.Bottom) return;
    if (R.Bottom < R.Top) std::swap(R.Top, R.Bottom);
    FromColor = ColorToRGB(FromColor);
    ToColor = ColorToRGB(ToColor);
    if (FromColor == clNone || ToColor == clNone) {
        SetPenAndBrushColor(Canvas, FromColor == clNone ? ToColor : FromColor);
        Canvas->Rectangle(R);
        return;
    }
    const int32_t extent = (Horizontal ? R.Width() : R.Height()) - 1;
    Steps = std::max(std::min(Steps, extent), 1);
    const double band = double(extent) / Steps;
    const TChannels from = Channels(FromColor);
    const TChannels to = Channels(ToColor);
    auto step = [&](int32_t From, int32_t To, int32_t I) { return From + RoundHalfEven(double(I) * (To - From) / Steps); };
    for (int32_t i = 0; i <= Steps; ++i) {
        SetPenAndBrushColor(Canvas, FromChannels(step(from.R, to.R, i), step(from.G, to.G, i), step(from.B, to.B, i)));
        const int32_t offset = static_cast<int32_t>(Trunc(i * band));
        const int32_t size = static_cast<int32_t>(Trunc(band + 1));
        if (Horizontal) {
            const int32_t start = R.Left + offset;
            Canvas->Rectangle(start, R.Top, std::min(R.Right, start + size), R.Bottom);
        } else {
            const int32_t start = R.Top + offset;
            Canvas->Rectangle(R.Left, start, R.Right, std::min(R.Bottom, start + size));
        }
    }
}

void DrawMirrorGradient(TCanvas* Canvas, TRect R, TColor Color, TColor ColorTo, TColor MirrorColor,
                        TColor MirrorColorTo, bool Direction, TColor BorderColor, bool SideLinesOnly, bool Fill)
{
    if (Fill && Color != clNone) {
        if (MirrorColor == clNone) {
            if (ColorTo == clNone) {
                SetPenAndBrushColor(Canvas, Color);
                Canvas->Rectangle(R.Left, R.Top, R.Right, R.Bottom + 1);
            } else {
                DrawGradient(Canvas, Color, ColorTo, 128, R, !Direction);
            }
        } else {
            TRect first = R;
            TRect second = R;
            if (Direction) first.Bottom = second.Top = R.Top + R.Height() / 2;
            else first.Right = second.Left = R.Left + R.Width() / 2;
            DrawGradient(Canvas, Color, ColorTo, 128, first, !Direction);
            DrawGradient(Canvas, MirrorColor, MirrorColorTo, 128, second, !Direction);
        }
    }
    if (BorderColor == clNone) return;
    if (SideLinesOnly) {
        Canvas->Pen()->SetColor(BorderColor);
        VertLine(Canvas, R.Left, R.Top, R.Bottom);
        VertLine(Canvas, R.Right - 1, R.Top, R.Bottom);
    } else {
        Canvas->Brush()->SetColor(BorderColor);
        Canvas->FrameRect(R);
    }
}

TColor InterpolateColor(TColor Color1, TColor Color2, int32_t RangeStart, int32_t RangeEnd, int32_t Position)
{
    if (Color2 == clNone || RangeEnd == RangeStart) return Color1;
    const TChannels c1 = Channels(Color1);
    const TChannels c2 = Channels(Color2);
    auto at = [&](int32_t From, int32_t To) {
        return From + RoundHalfEven(double(To - From) / (RangeEnd - RangeStart) * Position);
    };
    return FromChannels(at(c1.R, c2.R), at(c1.G, c2.G), at(c1.B, c2.B));
}

TColor HalveColor(TColor Color)
{
    const TChannels c = Channels(Color);
    return FromChannels(c.R / 2, c.G / 2, c.B / 2);
}

TColor ScaleColor(TColor Color, int32_t Percent)
{
    const TChannels c = Channels(Color);
    auto scaled = [Percent](int32_t Channel) { return RoundHalfEven(Channel + Channel * double(Percent) / 100); };
    return FromChannels(scaled(c.R), scaled(c.G), scaled(c.B));
}

TColor BlendColors(TColor C1, TColor C2, int32_t Percent)
{
    if (Percent >= 100) return C1;
    if (Percent < 1 || C1 == clNone) return C2;
    if (C2 == clNone) return C1;
    const TChannels a = Channels(C1);
    const TChannels b = Channels(C2);
    auto mix = [Percent](int32_t X, int32_t Y) { return RoundHalfEven((int64_t(Percent) * X + int64_t(100 - Percent) * Y) / 100.0L); };
    return FromChannels(mix(a.R, b.R), mix(a.G, b.G), mix(a.B, b.B));
}

TColor BlendColorsIf(TColor C1, TColor C2, bool Blend, int32_t Percent)
{
    return Blend ? BlendColors(C1, C2, Percent) : C1;
}

void DrawRoundedSelection(TCanvas* Canvas, TColor Color, TColor ColorTo, TColor MirrorColor, TColor MirrorColorTo,
                          TColor TopInnerColor, TColor BottomInnerColor, TColor BorderColor, TColor InnerCornerColor,
                          TColor CornerColor, TRect R, int32_t EndKind)
{
    R.Bottom -= 2;
    R.Right -= 1;
    const bool roundLeft = EndKind == 0 || EndKind == 1;
    const bool roundRight = EndKind == 0 || EndKind == 2;
    const int32_t middle = R.Top + R.Height() / 2;

    Canvas->Pen()->SetColor(TopInnerColor);
    HorzLine(Canvas, R.Top + 1, R.Left, R.Right);
    if (roundLeft) VertLine(Canvas, R.Left + 1, R.Top + 2, middle);
    if (roundRight) VertLine(Canvas, R.Right - 2, R.Top + 2, middle);
    Canvas->Pen()->SetColor(BottomInnerColor);
    HorzLine(Canvas, R.Bottom - 1, R.Left, R.Right);
    if (roundLeft) VertLine(Canvas, R.Left + 1, middle, R.Bottom - 1);
    if (roundRight) VertLine(Canvas, R.Right - 2, middle, R.Bottom - 1);

    const int32_t lineStart = roundLeft || EndKind == 4 ? R.Left + 2 : R.Left;
    const int32_t lineEnd = roundRight || EndKind == 4 ? R.Right - 2 : R.Right;
    Canvas->Pen()->SetColor(BorderColor);
    HorzLine(Canvas, R.Top, lineStart, lineEnd);
    HorzLine(Canvas, R.Bottom, lineStart, lineEnd);
    if (roundLeft) VertLine(Canvas, R.Left, R.Top + 2, R.Bottom - 1);
    if (roundRight) VertLine(Canvas, R.Right - 1, R.Top + 2, R.Bottom - 1);

    if (roundLeft) {
        RoundCorner(Canvas, R.Left, R.Top, R.Left + 1, R.Top + 1, InnerCornerColor, CornerColor);
        RoundCorner(Canvas, R.Left, R.Bottom, R.Left + 1, R.Bottom - 1, InnerCornerColor, CornerColor);
    }
    if (roundRight) {
        RoundCorner(Canvas, R.Right - 1, R.Top, R.Right - 2, R.Top + 1, InnerCornerColor, CornerColor);
        RoundCorner(Canvas, R.Right - 1, R.Bottom, R.Right - 2, R.Bottom - 1, InnerCornerColor, CornerColor);
    }

    const TRect interior{roundLeft ? R.Left + 2 : R.Left, R.Top + 2, roundRight ? R.Right - 2 : R.Right, R.Bottom - 1};
    if (ColorTo == clNone) {
        FillRectColor(Canvas, interior, Color);
    } else if (MirrorColor == clNone) {
        DrawGradient(Canvas, Color, ColorTo, 16, interior, false);
    } else {
        TRect upper = interior;
        TRect lower = interior;
        upper.Bottom = lower.Top = interior.Top + interior.Height() / 2;
        DrawGradient(Canvas, Color, ColorTo, 16, upper, false);
        DrawGradient(Canvas, MirrorColor, MirrorColorTo, 16, lower, false);
    }
}

void DrawCellShape(TCanvas* Canvas, int32_t X, int32_t Y, int32_t Width, int32_t Height, TCellShape Shape,
                   TColor BrushColor, TColor PenColor)
{
    Canvas->Pen()->SetColor(PenColor);
    Canvas->Brush()->SetColor(BrushColor);
    int32_t w = Width;
    int32_t h = Height;
    if (Shape == csCircle || Shape == csSquare || Shape == csRoundSquare) w = h = std::min(Width, Height);
    const int32_t hw = w / 2;
    const int32_t hh = h / 2;
    const int32_t we = w - w % 2;
    const int32_t he = h - h % 2;
    switch (Shape) {
    case csRectangle:
    case csSquare:
        Canvas->Rectangle(X + 1, Y + 1, X + w - 1, Y + h - 1);
        break;
    case csCircle:
    case csEllips:
        Canvas->Ellipse(X, Y, X + w, Y + h);
        break;
    case csTriangleLeft:
        Canvas->Polygon({{X + w, Y}, {X + w, Y + h}, {X, Y + hh}});
        break;
    case csTriangleRight:
        Canvas->Polygon({{X, Y}, {X, Y + h}, {X + w, Y + hh}});
        break;
    case csTriangleUp:
        Canvas->Polygon({{X, Y + h}, {X + w, Y + h}, {X + hw, Y}});
        break;
    case csTriangleDown:
        Canvas->Polygon({{X, Y}, {X + w, Y}, {X + hw, Y + h}});
        break;
    case csDiamond:
        Canvas->Polygon({{X, Y + hh}, {X + hw, Y}, {X + 2 * hw, Y + hh}, {X + hw, Y + 2 * hh}});
        break;
    case csLineVert:
        Canvas->Rectangle(X + hw, Y, X + hw + 1, Y + h);
        break;
    case csLineHorz:
        Canvas->Rectangle(X, Y + hh, X + w, Y + hh + 1);
        break;
    case csRoundRect:
    case csRoundSquare:
        Canvas->RoundRect(X, Y, X + w, Y + h, 10, 10);
        break;
    case csStar:
    case csHalfStar: {
        std::vector<TPoint> star;
        for (int32_t i = 0; i < 10; ++i) {
            const bool outer = i % 2 == 0;
            star.push_back(StarPoint(X + hw, Y + hh, i * 36.0, outer ? hw : hw / 3.0, outer ? hh : hh / 3.0));
        }
        if (Shape == csStar) {
            Canvas->Polygon(star);
        } else {
            const std::vector<TPoint> half{star[0], star[5], star[6], star[7], star[8], star[9]};
            Canvas->Polygon(half);
        }
        break;
    }
    case csArrowUp:
        Canvas->Polygon({{X, Y + hh}, {X + we / 2, Y}, {X + we, Y + hh}, {X + 3 * (we / 4), Y + hh},
                         {X + 3 * (we / 4), Y + h}, {X + we / 4, Y + h}, {X + we / 4, Y + hh}});
        break;
    case csArrowDown:
        Canvas->Polygon({{X, Y + hh}, {X + we / 2, Y + h}, {X + we, Y + hh}, {X + 3 * (we / 4), Y + hh},
                         {X + 3 * (we / 4), Y}, {X + we / 4, Y}, {X + we / 4, Y + hh}});
        break;
    case csArrowLeft:
        Canvas->Polygon({{X + hw, Y}, {X, Y + he / 2}, {X + hw, Y + he}, {X + hw, Y + 3 * (he / 4)},
                         {X + w, Y + 3 * (he / 4)}, {X + w, Y + he / 4}, {X + hw, Y + he / 4}});
        break;
    case csArrowRight:
        Canvas->Polygon({{X + hw, Y}, {X + w, Y + he / 2}, {X + hw, Y + he}, {X + hw, Y + 3 * (he / 4)},
                         {X, Y + 3 * (he / 4)}, {X, Y + he / 4}, {X + hw, Y + he / 4}});
        break;
    }
}

void DrawBitmapResource(TCanvas* Canvas, TColor Background, const TRect& R, const QString& ResName)
{
    TBitmap bitmap;
    bitmap.LoadFromResourceName(0, ResName);
    DrawBitmapOnColor(Canvas, &bitmap, Background, R);
}

void DrawBitmapOnColor(TCanvas* Canvas, TBitmap* Bitmap, TColor Background, const TRect& R)
{
    const int32_t w = Bitmap->Width();
    const int32_t h = Bitmap->Height();
    if (w == 0 || h == 0) return;
    const TColor transparent = Bitmap->Canvas()->Pixels(0, 0);
    FillRectColor(Canvas, Bounds(R.Left, R.Top, w, h), Background);
    TransparentBlt(Canvas, R.Left, R.Top, w, h, Bitmap->Canvas(), 0, 0, w, h, static_cast<COLORREF>(transparent));
}

void DrawErrorUnderline(TWinControl* Parent, TCanvas* Canvas, const QString& Text, const TRect& R, int32_t YOffset,
                        int32_t Start, int32_t Count)
{
    if (!Parent) return;
    // A hidden edit laid over R in the parent's font tells where the characters stand.
    const int32_t length = static_cast<int32_t>(Text.size());
    TPoint first;
    TPoint last;
    {
        auto edit = std::make_unique<TEdit>(nullptr);
        edit->SetVisible(false);
        edit->SetBoundsRect(R);
        edit->SetParent(Parent);
        edit->SetText(Text);
        edit->HandleNeeded();
        auto charPos = [&](int32_t Index) {
            return LParamToPoint(edit->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(std::clamp(Index, 0, length)), 0));
        };
        if (Start >= length) {
            first = charPos(length);
            first.X += 4;
        } else {
            first = charPos(Start);
        }
        if (Start + Count >= length) {
            last = {charPos(length - 1).X + 4, first.Y};
        } else {
            last = charPos(Start + Count - 1);
        }
    }
    Canvas->Pen()->SetColor(clRed);
    Canvas->Pen()->SetWidth(2);
    const int32_t y = R.Top + first.Y + YOffset + 3;
    Canvas->MoveTo(R.Left + first.X, y);
    bool down = false;
    for (int32_t x = first.X + 3; x <= last.X + 3; x += 3) {
        down = !down;
        Canvas->LineTo(R.Left + x, down ? y + 3 : y);
    }
}

void DrawDownTriangle(TCanvas* Canvas, int32_t X, int32_t Y, TColor Color)
{
    SetPenAndBrushColor(Canvas, Color);
    Canvas->Polygon({{X - 3, Y}, {X + 3, Y}, {X, Y + 3}});
}

void SetPenAndBrushColor(TCanvas* Canvas, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
}

void FillRectColor(TCanvas* Canvas, const TRect& R, TColor Color)
{
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(R);
}

bool CallUpdateLayeredWindow(HWND Wnd, HDC DestDC, const TPoint* DestPos, const TSize* Size, HDC SourceDC,
                             const TPoint* SourcePos, COLORREF Key, const BLENDFUNCTION* Blend, uint32_t Flags)
{
    return UpdateLayeredWindow(Wnd, DestDC, DestPos, Size, SourceDC, SourcePos, Key, Blend, Flags);
}

bool CallSetLayeredWindowAttributes(HWND Wnd, COLORREF Key, uint8_t Alpha, uint32_t Flags)
{
    return SetLayeredWindowAttributes(Wnd, Key, Alpha, Flags);
}
