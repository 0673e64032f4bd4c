// Rotated cell text.
#include "grid/base/GridSupport.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/view/CellPaint.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void TExtStringGrid::PlaceRotatedText(TRect& Rect, int32_t Angle, TVAlignment VA, TAlignment HA, const QString& Text)
{
    const TSize Extent = Canvas()->TextExtent(Text + QLatin1Char('w'));
    // The text runs along U from its start point; its top-to-bottom direction is V (y grows down).
    const double A = Angle * std::numbers::pi / 180;
    const double UX = std::cos(A) * Extent.cx;
    const double UY = -std::sin(A) * Extent.cx;
    const double VX = std::sin(A) * Extent.cy;
    const double VY = std::cos(A) * Extent.cy;
    const double MinX = std::min({0.0, UX, VX, UX + VX});
    const double MaxX = std::max({0.0, UX, VX, UX + VX});
    const double MinY = std::min({0.0, UY, VY, UY + VY});
    const double MaxY = std::max({0.0, UY, VY, UY + VY});
    const auto BoxW = static_cast<int32_t>(std::lround(MaxX - MinX));
    const auto BoxH = static_cast<int32_t>(std::lround(MaxY - MinY));

    InflateRect(Rect, -2, -2);
    int32_t Left = Rect.Left;
    if (HA == taRightJustify)
        Left = Rect.Right - BoxW;
    else if (HA == taCenter)
        Left = Rect.Left + (Rect.Width() - BoxW) / 2;
    int32_t Top = Rect.Top;
    if (VA == vtaBottom)
        Top = Rect.Bottom - BoxH;
    else if (VA == vtaCenter)
        Top = Rect.Top + (Rect.Height() - BoxH) / 2;
    Rect.Left = Left - static_cast<int32_t>(std::lround(MinX));
    Rect.Top = Top - static_cast<int32_t>(std::lround(MinY));
}

void TExtStringGrid::DrawRotatedCell(TCellPaint& P, TCellGraphic* Graphic, TRect R)
{
    TCanvas* C = P.Canvas;
    const QString Text = Cells(P.ACol, P.ARow);
    TRect Start = R;
    PlaceRotatedText(Start, Graphic->CellAngle(), P.VA, P.HA, Text);
    TFont Saved;
    Saved.Assign(C->Font());
    C->Font()->SetOrientation(Graphic->CellAngle() * 10);
    TRect Clip = R;
    InflateRect(Clip, -2, -2);
    C->Brush()->SetStyle(bsClear);
    C->TextRect(Clip, Start.Left, Start.Top, Text);
    C->Font()->Assign(&Saved);

    const int32_t Position = FSortIndexes->FindIndex(P.RCol);
    const bool SortColumn = P.RCol == FSortSettings->Column() || Position >= 0;
    if (IsSortIndicatorRow(P.RCol, P.ARow) && SortColumn && FixedRows() > 0 &&
        (P.ACol >= FixedCols() || FSortSettings->FixedCols()) && (Position < 1 || FSortSettings->IndexShow()))
        DrawSortIndicator(C, P.RCol, R.Top + 8, R.Right - 10);
}
