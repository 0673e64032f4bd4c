// The drop-down unit's free helpers: drawing, colour arithmetic, text measuring and number classifiers.
#include "dropdown/DropDownUtil.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/ExtUtil.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/ImageList.h"
#include "rtl/NumConv.h"

#include <algorithm>
#include <memory>

namespace {

int32_t Round(long double Value)
{
    return static_cast<int32_t>(RoundHalfEven(Value));
}

}  // namespace

void DrawStepGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int32_t Steps, const TRect& R, bool Direction)
{
    if (!Canvas) return;
    if (Steps == 0) Steps = 1;
    const TColor From = ColorToRGB(FromColor);
    const TColor To = ColorToRGB(ToColor);
    const int32_t R0 = GetRValue(From), G0 = GetGValue(From), B0 = GetBValue(From);
    const long double RStep = static_cast<long double>(GetRValue(To) - R0) / Steps;
    const long double GStep = static_cast<long double>(GetGValue(To) - G0) / Steps;
    const long double BStep = static_cast<long double>(GetBValue(To) - B0) / Steps;
    const long double D = static_cast<long double>(Direction ? R.Right - 1 - R.Left : R.Bottom - 1 - R.Top) / Steps;
    const int32_t Extent = Round(D) + 1;
    for (int32_t N = 0; N < Steps; ++N) {
        const TColor Band = RGB(R0 + Round(N * RStep), G0 + Round(N * GStep), B0 + Round(N * BStep));
        Canvas->Pen()->SetColor(Band);
        Canvas->Brush()->SetColor(Band);
        const int32_t Start = Round(N * D);
        if (Direction) Canvas->Rectangle(R.Left + Start, R.Top, R.Left + Start + Extent, R.Bottom);
        else Canvas->Rectangle(R.Left, R.Top + Start, R.Right, R.Top + Start + Extent);
    }
}

TColor BlendColor(TColor Col1, TColor Col2, int32_t Percent)
{
    return BlendColors(Col1, Col2, Percent);
}

TColor AdjustColorChannels(TColor Color, int32_t RPercent, int32_t GPercent, int32_t BPercent)
{
    const TColor C = ColorToRGB(Color);
    const auto Adjust = [](int32_t Channel, int32_t Percent) {
        if (Channel == 0) return std::max(0, Percent);
        return Round(static_cast<long double>(std::min(100, 100 + Percent)) * Channel / 100);
    };
    return RGB(Adjust(GetRValue(C), RPercent), Adjust(GetGValue(C), GPercent), Adjust(GetBValue(C), BPercent));
}

void DrawBackgroundRect(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, bool Vertical,
                        int32_t BorderWidth, TColor BorderColor)
{
    if (!Canvas) return;
    if (ColorTo != clNone) {
        DrawStepGradient(Canvas, Color, ColorTo, 80, R, !Vertical);
    } else if (Color != clNone) {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(Color);
        Canvas->FillRect(R);
    }
    if (BorderColor != clNone && BorderWidth > 0) {
        Canvas->Pen()->SetWidth(BorderWidth);
        Canvas->Pen()->SetColor(BorderColor);
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Rectangle(R);
        Canvas->Pen()->SetWidth(1);
    }
}

void DrawImageText(TCanvas* Canvas, const TRect& R, const QString& Text, int32_t ImageIndex, TCustomImageList* Images)
{
    if (!Canvas) return;
    TRect TextRect = R;
    uint32_t Flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (ImageIndex >= 0 && Images) {
        const int32_t X = R.Left + 4;
        Images->Draw(Canvas, X, R.Top + (R.Height() - Images->Height()) / 2, ImageIndex);
        TextRect.Left = X + Images->Width() + 8;
        Flags |= DT_LEFT;
    } else {
        Flags |= DT_CENTER;
    }
    DrawText(Canvas->Handle(), Text, -1, TextRect, Flags);
}

void DrawTransparentBitmap(TCanvas* Canvas, TBitmap* Bitmap, TColor Color, const TRect& R)
{
    if (!Canvas || !Bitmap || Bitmap->Width() <= 0 || Bitmap->Height() <= 0) return;
    TBitmap Source;
    Source.Assign(Bitmap);
    Source.SetTransparentColor(Bitmap->Canvas()->Pixels(0, 0));
    Source.SetTransparent(true);
    TBitmap Keyed;
    Keyed.SetSize(Bitmap->Width(), Bitmap->Height());
    Keyed.Canvas()->Brush()->SetColor(Color);
    Keyed.Canvas()->FillRect(Rect(0, 0, Keyed.Width(), Keyed.Height()));
    Keyed.Canvas()->Draw(0, 0, &Source);
    // No more than the bitmap has: past it there is nothing to copy.
    const int32_t W = std::min(R.Width(), Keyed.Width()), H = std::min(R.Height(), Keyed.Height());
    Canvas->CopyRect(Bounds(R.Left, R.Top, W, H), Keyed.Canvas(), Rect(0, 0, W, H));
}

TSize GetTextSize(TCanvas* Canvas, const QString& Text)
{
    if (!Canvas || Text.isEmpty()) return {0, 0};
    TRect Box = Rect(0, 0, 1000, 500);
    DrawText(Canvas->Handle(), Text, -1, Box, DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    return {Box.Width(), Box.Height()};
}

void FitTextToWidth(TCanvas* Canvas, const QString& Text, int32_t MaxWidth, QString& Result, bool Ellipsis)
{
    Result = Text;
    if (!Canvas || Canvas->TextWidth(Text) <= MaxWidth) return;
    for (qsizetype Cut = 1; Cut <= Text.size(); ++Cut) {
        QString Candidate = Text.left(Text.size() - Cut);
        if (Ellipsis) Candidate += QStringLiteral("...");
        if (Canvas->TextWidth(Candidate) < MaxWidth) {
            Result = Candidate;
            return;
        }
    }
}

void DrawMarkupText(TCanvas* Canvas, const QString& Text, const TRect& R, TSize& Size, TCustomImageList* Images,
                    bool Flag, HWND Window)
{
    Size = {0, 0};
    if (!Canvas || Text.isEmpty()) return;
    QString Link, PlainText, FocusLinkRef, LinkTitle, ControlID, ControlValue, ControlType;
    int32_t Width = 0, Height = 0, LinkCount = 0, HoveredLink = -1;
    TRect LinkRect, ControlRect;
    DrawMarkup(Canvas, Text, R, Images, 0, 0, -1, -1, 1, false, Flag, false, false, true, false, false, false, 1.0,
               clGray, clNone, clNone, clBlue, Link, PlainText, FocusLinkRef, LinkTitle, Width, Height, LinkCount,
               HoveredLink, LinkRect, ControlRect, ControlID, ControlValue, ControlType, nullptr, nullptr, Window, 0);
    Size = {Width, Height};
}

bool IsRangeSeparator(QChar Ch)
{
    return Ch == QLatin1Char(',') || Ch == QLatin1Char('-') || Ch == QLatin1Char(';');
}

int32_t ClassifyNumber(const QString& S)
{
    const QChar DS = GetDecimalSeparator();
    const QChar TS = GetThousandSeparator();
    if (S.count(QLatin1Char('-')) > 1 || S.count(DS) > 1) return cnOther;
    const auto Only = [&S](auto Allowed) { return std::all_of(S.begin(), S.end(), Allowed); };
    const auto IsDigit = [](QChar Ch) { return Ch >= QLatin1Char('0') && Ch <= QLatin1Char('9'); };
    if (S.isEmpty()) return cnOther;
    if (Only([&](QChar Ch) { return IsDigit(Ch) || Ch == QLatin1Char('-'); })) return cnInteger;
    if (Only([&](QChar Ch) { return IsDigit(Ch) || Ch == QLatin1Char(',') || Ch == QLatin1Char('-') || Ch == QLatin1Char('.'); })) {
        bool GroupsFit = true;
        qsizetype Previous = 0;
        for (qsizetype I = 0; I < S.size() && GroupsFit; ++I) {
            if (S[I] != TS) continue;
            const qsizetype Position = I + 1;
            GroupsFit = Previous == 0 ? Position > 1 : Position - Previous > 2;
            Previous = Position;
        }
        if (GroupsFit) return cnFloat;
    }
    if (Only([&](QChar Ch) {
            const char16_t C = Ch.unicode();
            return IsDigit(Ch) || C == u'-' || (C >= u'A' && C <= u'F') || (C >= u'a' && C <= u'f');
        }))
        return cnHexadecimal;
    return cnOther;
}

QString StripThousandSeparators(const QString& S)
{
    QString Result = S;
    Result.remove(GetThousandSeparator());
    return Result;
}

int32_t HexDigitValue(QChar Ch)
{
    const char16_t C = Ch.unicode();
    if (C >= u'0' && C <= u'9') return C - u'0';
    if (C >= u'A' && C <= u'F') return C - u'A' + 10;
    if (C >= u'a' && C <= u'f') return C - u'a' + 10;
    return 0;
}

uint32_t HexToInt(const QString& S)
{
    uint32_t Result = 0;
    uint32_t Weight = 1;
    for (qsizetype I = S.size() - 1; I >= 0; --I) {
        Result += static_cast<uint32_t>(HexDigitValue(S[I])) * Weight;
        Weight *= 16;
    }
    return Result;
}

QString MatchCase(const QString& S, bool CaseSensitive)
{
    return CaseSensitive ? S : S.toUpper();
}

void TWinCtrl::PaintCtrls(TWinControl* Control, HDC DC, TControl* First)
{
    if (Control) (Control->*(&TWinCtrl::PaintControls))(DC, First);
}
