// Progress indicators (bar, pie, range, level bar) and the combo, push and spin button faces.
#include "grid/base/ExtUtil.h"

#include "grid/base/ExtXPVS.h"

#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "rtl/Exceptions.h"
#include "rtl/Format.h"
#include "rtl/NumConv.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Progress values beyond this are shown at it; non-finite ones as 0.
constexpr double ValueLimit = 1e15;

double ShownValue(double Value)
{
    return std::isfinite(Value) ? std::clamp(Value, -ValueLimit, ValueLimit) : 0.0;
}

// True when the first conversion of Format takes an integer (d, u or x).
bool FormatTakesInteger(const QString& Format)
{
    for (qsizetype i = 0; i < Format.size(); ++i) {
        if (Format[i] != u'%') continue;
        if (i + 1 < Format.size() && Format[i + 1] == u'%') {
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        while (j < Format.size() && QStringView(u"0123456789:-.*").contains(Format[j]))
            ++j;
        return j < Format.size() && QStringView(u"dDuUxX").contains(Format[j]);
    }
    return false;
}

// Value laid out by Format, as an integer for an integer conversion, else as a real number. A
// format that does not fit one value is shown as it stands.
QString FormatProgressText(const QString& Format, double Value)
{
    try {
        if (FormatTakesInteger(Format)) return ::Format(Format, {RoundHalfEven(Value)});
        return ::Format(Format, {static_cast<long double>(Value)});
    } catch (const EConvertError&) {
        return Format;
    }
}

// The look drawn: the themed look becomes classic while themed painting is not available.
int32_t PaintedLook(int32_t Look)
{
    return Look == blThemed && !ThemedPaintingActive() ? blClassic : Look;
}

const TColorTone& ToneOfState(const TColorTones& Tones, int32_t State)
{
    switch (State) {
    case bstHot: return Tones.Hover;
    case bstDown: return Tones.Selected;
    case bstDisabled: return Tones.Disabled;
    default: return Tones.Background;
    }
}

// DFCS_FLAT for the flat look, DFCS_INACTIVE for the disabled state.
uint32_t FrameControlFlags(int32_t Look, int32_t State)
{
    return (Look == blFlat ? DFCS_FLAT : 0) | (State == bstDisabled ? DFCS_INACTIVE : 0);
}

// Fills the pixels reached from (X, Y) through 4-neighbours that are not of colour Border,
// within Area; nothing when the canvas cannot be read there.
void FloodFillToBorder(TCanvas* Canvas, int32_t X, int32_t Y, TColor Border, const TRect& Area)
{
    const TRect box{std::min(Area.Left, Area.Right), std::min(Area.Top, Area.Bottom), std::max(Area.Left, Area.Right),
                    std::max(Area.Top, Area.Bottom)};
    if (!PtInRect(box, {X, Y}) || Canvas->Pixels(X, Y) == -1) return;
    const int32_t width = box.Width();
    std::vector<bool> reached(size_t(width) * box.Height(), false);
    auto index = [&](int32_t PX, int32_t PY) { return size_t(PY - box.Top) * width + (PX - box.Left); };
    std::vector<TPoint> pending{{X, Y}};
    while (!pending.empty()) {
        const TPoint p = pending.back();
        pending.pop_back();
        if (!PtInRect(box, p) || reached[index(p.X, p.Y)]) continue;
        const TColor pixel = Canvas->Pixels(p.X, p.Y);
        if (pixel == Border || pixel == -1) continue;
        reached[index(p.X, p.Y)] = true;
        pending.insert(pending.end(), {{p.X + 1, p.Y}, {p.X - 1, p.Y}, {p.X, p.Y + 1}, {p.X, p.Y - 1}});
    }
    for (int32_t y = box.Top; y < box.Bottom; ++y) {
        for (int32_t x = box.Left; x < box.Right;) {
            if (!reached[index(x, y)]) {
                ++x;
                continue;
            }
            const int32_t runStart = x;
            while (x < box.Right && reached[index(x, y)])
                ++x;
            Canvas->FillRect({runStart, y, x, y + 1});
        }
    }
}

// A gradient segment of the level bar: two halves across the bar, colorTo to color and back.
void PaintLevelSegment(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo,
                       const TProgressLevelInfo& Info)
{
    if (!Info.ShowGradient) {
        FillRectColor(Canvas, R, Color);
        return;
    }
    TRect first = R;
    TRect second = R;
    if (Info.Vertical) first.Right = second.Left = R.Left + R.Width() / 2;
    else first.Bottom = second.Top = R.Top + R.Height() / 2;
    DrawGradient(Canvas, ColorTo, Color, Info.Steps, first, Info.Vertical);
    DrawGradient(Canvas, Color, ColorTo, Info.Steps, second, Info.Vertical);
}

}  // namespace

void DrawProgressBar(TCanvas* Canvas, TRect R, TColor DoneColor, TColor DoneTextColor, TColor RestColor,
                     TColor RestTextColor, double Value, int32_t MarginX, int32_t MarginY, int32_t Min, int32_t Max,
                     const QString& Format, TColor BorderColor, bool Printing)
{
    const TColor outerColor = Canvas->Brush()->Color();
    SetPenAndBrushColor(Canvas, DoneColor);
    Canvas->Font()->SetColor(DoneTextColor);
    const double value = ShownValue(Value);
    QString text;
    double percentage;
    if (!Format.isEmpty()) {
        text = FormatProgressText(Format, value);
        percentage = Max == Min ? 0.0 : (value - Min) * 100.0 / (double(Max) - Min);
    } else {
        text = IntToStr(RoundHalfEven(value)) + u'%';
        percentage = value;
    }
    const int64_t percent = RoundHalfEven(std::clamp(percentage, 0.0, 100.0));

    InflateRect(R, -MarginX, -MarginY);
    const int32_t doneRight = R.Left + static_cast<int32_t>(RoundHalfEven(percent * R.Width() / 100.0));
    const TSize extent = Canvas->TextExtent(text);
    const int32_t textHeight = Printing ? -extent.cy : extent.cy;
    const int32_t x = R.Left + (R.Width() - extent.cx) / 2;
    const int32_t y = R.Top + (R.Height() - textHeight) / 2;
    Canvas->TextRect({R.Left, R.Top, doneRight, R.Bottom}, x, y, text);
    SetPenAndBrushColor(Canvas, RestColor);
    Canvas->Font()->SetColor(RestTextColor);
    Canvas->TextRect({doneRight, R.Top, R.Right, R.Bottom}, x, y, text);

    InflateRect(R, 1, 1);
    if (BorderColor != clNone) {
        Canvas->Brush()->SetColor(BorderColor);
        Canvas->FrameRect(R);
    }
    InflateRect(R, 1, 1);
    Canvas->Brush()->SetColor(outerColor);
    Canvas->FrameRect(R);
}

void DrawProgressPie(TCanvas* Canvas, TRect R, TColor FillColor, int32_t Percent, bool Printing)
{
    Canvas->Pen()->SetColor(clGray);
    Canvas->Pen()->SetWidth(1);
    Canvas->Ellipse(R);
    const int32_t cx = R.Left + R.Width() / 2;
    const int32_t cy = R.Top + R.Height() / 2;
    Canvas->MoveTo(cx, cy);
    Canvas->LineTo(cx, R.Top);
    const double angle = Percent / 100.0 * 2 * std::numbers::pi;
    Canvas->MoveTo(cx, cy);
    Canvas->LineTo(cx + static_cast<int32_t>(RoundHalfEven((R.Width() + 1) / 2 * std::sin(angle))),
                   cy - static_cast<int32_t>(RoundHalfEven((R.Height() + 1) / 2 * std::cos(angle))));
    if (Percent == 0) return;
    Canvas->Brush()->SetColor(FillColor);
    FloodFillToBorder(Canvas, cx + 1, Printing ? R.Top - 2 : R.Top + 2, clGray, R);
}

void DrawRangeIndicator(TCanvas* Canvas, TRect R, int32_t Value, int32_t Range, bool ShowValue, TColor NegativeColor,
                        TColor PositiveColor)
{
    InflateRect(R, -2, -2);
    const int32_t half = R.Width() / 2;
    const int32_t middle = R.Left + half;
    const int32_t shown = Range > 0 ? std::clamp(Value, -Range, Range) : 0;
    const int32_t x = shown == 0 ? 0 : static_cast<int32_t>(RoundHalfEven(double(half) * shown / Range));
    if (shown < 0) {
        SetPenAndBrushColor(Canvas, NegativeColor);
        Canvas->Rectangle(middle + x, R.Top, middle, R.Bottom);
    } else if (shown > 0) {
        SetPenAndBrushColor(Canvas, PositiveColor);
        Canvas->Rectangle(middle, R.Top, middle + x, R.Bottom);
    }
    if (!ShowValue) return;
    const QString text = IntToStr(Value);
    const TSize extent = Canvas->TextExtent(text);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->TextOut(R.Left + (R.Width() - extent.cx) / 2, R.Top + (R.Height() - extent.cy) / 2, text);
}

void DrawLevelProgressBar(TCanvas* Canvas, TRect R, int32_t Percent, const TProgressLevelInfo& Info)
{
    const TColor outline = Info.ShowBorder ? Info.BorderColor : Info.BackgroundColor;
    Canvas->Brush()->SetColor(Info.BackgroundColor);
    Canvas->Pen()->SetColor(outline);
    Canvas->Rectangle(R);
    const int32_t length = (Info.Vertical ? R.Height() : R.Width()) - 2;
    const int32_t percent = std::clamp(Percent, 0, 100);

    // A part of the bar Start to Start + Size pixels from its inner edge (the left, or the bottom
    // when vertical), Inset pixels inside the long sides.
    auto part = [&](int32_t Start, int32_t Size, int32_t Inset) {
        if (Info.Vertical) return TRect{R.Left + Inset, R.Bottom - Start - Size, R.Right - Inset, R.Bottom - Start};
        return TRect{R.Left + Start, R.Top + Inset, R.Left + Start + Size, R.Bottom - Inset};
    };
    if (percent > 0 && Info.Stacked) {
        const int32_t first = static_cast<int32_t>(RoundHalfEven(std::min(percent, Info.Level1Perc) / 100.0 * length));
        PaintLevelSegment(Canvas, part(1, first, 1), Info.Level0Color, Info.Level0ColorTo, Info);
        int32_t used = first;
        if (percent >= Info.Level1Perc) {
            const int32_t second = static_cast<int32_t>(
                RoundHalfEven(length * double(std::min(percent, Info.Level2Perc) - Info.Level1Perc) / 100));
            PaintLevelSegment(Canvas, part(1 + used, second, 1), Info.Level1Color, Info.Level1ColorTo, Info);
            used += second;
        }
        if (percent >= Info.Level2Perc) {
            const int32_t third = percent == 100 ? length - used
                                                 : static_cast<int32_t>(RoundHalfEven(length * double(percent - Info.Level2Perc) / 100));
            PaintLevelSegment(Canvas, part(1 + used, third, 1), Info.Level3Color, Info.Level3ColorTo, Info);
        }
    } else if (percent > 0) {
        TColor color = Info.Level2Color;
        TColor colorTo = Info.Level2ColorTo;
        if (percent < Info.Level1Perc) {
            color = Info.Level0Color;
            colorTo = Info.Level0ColorTo;
        } else if (percent < Info.Level2Perc) {
            color = Info.Level1Color;
            colorTo = Info.Level1ColorTo;
        } else if (percent > 99) {
            color = Info.Level3Color;
            colorTo = Info.Level3ColorTo;
        }
        if (Info.CompletionSmooth) {
            PaintLevelSegment(Canvas, part(1, static_cast<int32_t>(RoundHalfEven(percent / 100.0 * length)), 1), color,
                              colorTo, Info);
        } else {
            const int32_t done = static_cast<int32_t>(RoundHalfEven(percent * length / 100.0));
            if (done > 9) {
                for (int32_t block = 0; block < done / 9; ++block)
                    PaintLevelSegment(Canvas, part(2 + 9 * block, 7, 2), color, colorTo, Info);
                if (done % 9 > 2) PaintLevelSegment(Canvas, part(2 + 9 * (done / 9), done % 9 - 1, 2), color, colorTo, Info);
            } else if (done >= 2) {
                PaintLevelSegment(Canvas, part(2, done - 1, 2), color, colorTo, Info);
            }
        }
    }

    if (Info.ShowPercentage) {
        Canvas->Brush()->SetStyle(bsClear);
        if (Info.Font) {
            Canvas->Font()->SetName(Info.Font->Name());
            Canvas->Font()->SetSize(Info.Font->Size());
            Canvas->Font()->SetStyle(Info.Font->Style());
        }
        Canvas->Font()->SetColor(Info.TextColor);
        const QString text = IntToStr(Percent) + u'%';
        const TSize extent = Canvas->TextExtent(text);
        const TPoint centre = CenterPoint(R);
        if (Info.Vertical) {
            // A turned copy of the font writes the text; the canvas keeps its own.
            const int32_t orientation = Canvas->Font()->Orientation();
            Canvas->Font()->SetOrientation(900);
            Canvas->TextOut(centre.X - extent.cy / 2, centre.Y + extent.cx / 2, text);
            Canvas->Font()->SetOrientation(orientation);
        } else {
            Canvas->TextOut(R.Left + (R.Width() - extent.cx) / 2, R.Top + (R.Height() - extent.cy) / 2, text);
        }
    }
    Canvas->Pen()->SetColor(outline);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Rectangle(R);
}

void DrawComboButton(TCanvas* Canvas, HWND Wnd, TRect R, int32_t Look, int32_t State, const TColorTones& Tones)
{
    TRect button{R.Right - 17, R.Top + 1, R.Right, R.Bottom - 1};
    OffsetRect(button, -2, 0);
    const int32_t look = PaintedLook(Look);
    switch (look) {
    case blThemed:
        DrawThemedPart(ThemeAPI, Wnd, u"combobox", Canvas, CP_DROPDOWNBUTTON,
                       State == bstDisabled ? CBXS_DISABLED : CBXS_NORMAL, button);
        break;
    case blClassic:
    case blFlat:
        DrawFrameControl(Canvas, button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | FrameControlFlags(look, State));
        break;
    default: {
        button.Left += 3;
        SetPenAndBrushColor(Canvas, ToneOfState(Tones, State).BrushColor);
        Canvas->Rectangle(button);
        Canvas->Pen()->SetColor(Tones.Background.BorderColor);
        Canvas->MoveTo(button.Left + 1, button.Top);
        Canvas->LineTo(button.Left + 1, button.Bottom);
        SetPenAndBrushColor(Canvas, Tones.Background.TextColor);
        const int32_t l = button.Left;
        const int32_t t = button.Top;
        Canvas->Polygon({{l + 5, t + 8}, {l + 11, t + 8}, {l + 8, t + 11}});
        break;
    }
    }
}

void DrawPushButtonFace(TCanvas* Canvas, HWND Wnd, TRect R, int32_t Look, int32_t State, const TColorTones& Tones)
{
    const int32_t look = PaintedLook(Look);
    switch (look) {
    case blThemed: {
        constexpr int32_t ThemeStates[] = {PBS_NORMAL, PBS_HOT, PBS_PRESSED, PBS_DISABLED};
        DrawThemedPart(ThemeAPI, Wnd, u"button", Canvas, BP_PUSHBUTTON, ThemeStates[std::clamp(State, 0, 3)], R);
        break;
    }
    case blClassic:
    case blFlat: {
        uint32_t flags = DFCS_BUTTONPUSH | FrameControlFlags(look, State);
        if (State == bstHot) flags |= DFCS_HOT;
        if (State == bstDown) flags |= DFCS_PUSHED;
        DrawFrameControl(Canvas, R, DFC_BUTTON, flags);
        break;
    }
    default: {
        const TColorTone& tone = ToneOfState(Tones, State);
        Canvas->Brush()->SetColor(tone.BrushColor);
        Canvas->Pen()->SetColor(tone.BorderColor);
        Canvas->Rectangle(R);
        break;
    }
    }
}

void DrawSpinButtons(TCanvas* Canvas, HWND Wnd, TRect R, int32_t Look, int32_t State, const TColorTones& Tones)
{
    TRect upper{R.Right - 15, R.Top, R.Right, R.Bottom};
    OffsetRect(upper, -1, -1);
    TRect lower = upper;
    upper.Bottom = upper.Top + upper.Height() / 2;
    const int32_t look = PaintedLook(Look);
    lower.Top = look == blThemed ? upper.Bottom : upper.Bottom + 1;
    switch (look) {
    case blThemed:
        DrawThemedPart(ThemeAPI, Wnd, u"spin", Canvas, SPNP_UP, State == bstDisabled ? UPS_DISABLED : UPS_NORMAL, upper);
        DrawThemedPart(ThemeAPI, Wnd, u"spin", Canvas, SPNP_DOWN, State == bstDisabled ? DNS_DISABLED : DNS_NORMAL,
                       lower);
        break;
    case blClassic:
    case blFlat:
        DrawFrameControl(Canvas, upper, DFC_SCROLL, DFCS_SCROLLUP | FrameControlFlags(look, State));
        DrawFrameControl(Canvas, lower, DFC_SCROLL, DFCS_SCROLLDOWN | FrameControlFlags(look, State));
        break;
    default: {
        SetPenAndBrushColor(Canvas, ToneOfState(Tones, State).BrushColor);
        Canvas->Rectangle(upper);
        Canvas->Rectangle(lower);
        SetPenAndBrushColor(Canvas, clBlack);
        Canvas->Polygon({{upper.Left + 5, upper.Top + 5}, {upper.Left + 9, upper.Top + 5}, {upper.Left + 7, upper.Top + 3}});
        Canvas->Polygon({{lower.Left + 5, lower.Top + 1}, {lower.Left + 9, lower.Top + 1}, {lower.Left + 7, lower.Top + 3}});
        break;
    }
    }
}
