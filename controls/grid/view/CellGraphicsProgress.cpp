// Progress bars and range indicators in cells.
#include "grid/base/ExtUtil.h"
#include "grid/base/ExtXPVS.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptions.h"
#include "grid/view/CellPaint.h"

#include "graphics/Canvas.h"
#include "rtl/Exceptions.h"
#include "rtl/NumConv.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Parts of the "Progress" theme class.
constexpr int32_t PP_BAR = 1;
constexpr int32_t PP_CHUNK = 3;

// The colour with every bit of its RGB value inverted.
TColor Inverted(TColor Color)
{
    return Color == clNone ? clNone : static_cast<TColor>((ColorToRGB(Color) ^ 0xFFFFFF) & 0xFFFFFF);
}

}  // namespace

void TExtStringGrid::DrawCellProgress(TCellPaint& P, TCellGraphic* Graphic, TRect R)
{
    TCanvas* C = P.Canvas;
    const TControlLook* Look = FControlLook.get();
    const auto CellInt = [&] {
        try {
            return Ints(P.RCol, P.ARow);
        } catch (const Exception&) {
            return 0;
        }
    };

    switch (Graphic->CellType()) {
    case ctProgress: {
        const double Value = CellNumber(P.RCol, P.ARow);
        const ExtGrid::TControlStyle Style = Look->ControlStyle();
        if ((Style == csWinXP || Style == csTheme) && IsWinXP() && Look->ProgressXP()) {
            TRect Bar = R;
            InflateRect(Bar, -Look->ProgressMarginX(), -Look->ProgressMarginY());
            if (DrawThemedPart(ThemeAPI, Handle(), u"Progress", C->Handle(), PP_BAR, 0, Bar)) {
                InflateRect(Bar, -2, -2);
                const double Done = std::isfinite(Value) ? std::clamp(Value, 0.0, 100.0) : 0.0;
                Bar.Right = Bar.Left + static_cast<int32_t>(RoundHalfEven(Done * Bar.Width() / 100));
                DrawThemedPart(ThemeAPI, Handle(), u"Progress", C->Handle(), PP_CHUNK, 0, Bar);
                return;
            }
        }
        InflateRect(R, -2, -2);
        const TColor DoneColor = Graphic->CellBitmapColor();
        const TColor RestColor = Graphic->CellIconColor();
        const bool OwnText = Graphic->CellBoolean();
        DrawProgressBar(C, R, DoneColor, OwnText ? static_cast<TColor>(Graphic->CellIndex()) : Inverted(DoneColor),
                        RestColor, OwnText ? static_cast<TColor>(Graphic->CellAngle()) : Inverted(RestColor), Value,
                        Look->ProgressMarginX(), Look->ProgressMarginY(), Graphic->CellErrFrom(), Graphic->CellErrLen(),
                        Graphic->CellText(), Look->ProgressBorderColor(), false);
        return;
    }
    case ctRangeIndicator:
        InflateRect(R, -Look->ProgressMarginX(), -Look->ProgressMarginY());
        DrawRangeIndicator(C, R, CellInt(), Graphic->CellIndex(), Graphic->CellBoolean(), Graphic->CellBitmapColor(),
                           Graphic->CellIconColor());
        return;
    case ctXPProgress: {
        const TGridProgressAppearance* A = FProgressAppearance.get();
        TProgressLevelInfo Info;
        Info.Level0Color = A->Level0Color();
        Info.Level0ColorTo = A->Level0ColorTo();
        Info.Level1Color = A->Level1Color();
        Info.Level1ColorTo = A->Level1ColorTo();
        Info.Level2Color = A->Level2Color();
        Info.Level2ColorTo = A->Level2ColorTo();
        Info.Level3Color = A->Level3Color();
        Info.Level3ColorTo = A->Level3ColorTo();
        Info.Level1Perc = A->Level1Perc();
        Info.Level2Perc = A->Level2Perc();
        Info.ShowBorder = A->ShowBorder();
        Info.BorderColor = A->BorderColor();
        Info.Stacked = A->Stacked();
        Info.ShowPercentage = A->ShowPercentage();
        Info.CompletionSmooth = A->CompletionSmooth();
        Info.ShowGradient = A->ShowGradient();
        Info.Font = Font();
        Info.TextColor = A->CompleteFontColor();
        Info.Steps = A->Steps();
        Info.BackgroundColor = A->UnCompleteColor() != clNone ? A->UnCompleteColor() : C->Brush()->Color();
        InflateRect(R, -Look->ProgressMarginX(), -Look->ProgressMarginY());
        R.Right -= 1;
        R.Bottom -= 1;
        // An empty range shows 0 %.
        const int64_t Range = int64_t(Graphic->CellErrLen()) - Graphic->CellErrFrom();
        int32_t Percent = 0;
        if (Range != 0) {
            const double Part = std::fabs(double(CellInt()) - Graphic->CellErrFrom()) / double(Range) * 100;
            Percent = static_cast<int32_t>(std::clamp<int64_t>(RoundHalfEven(Part), std::numeric_limits<int32_t>::min(),
                                                               std::numeric_limits<int32_t>::max()));
        }
        DrawLevelProgressBar(C, R, Percent, Info);
        return;
    }
    default: return;
    }
}
