// The grid's background picture or gradient: the client area no cell covers, and under single cells.
#include "grid/core/ExtGrid.h"

#include "dropdown/DropDownUtil.h"
#include "grid/base/ExtUtil.h"
#include "grid/base/GridSettings.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/FooterPanel.h"
#include "grid/core/GridItems.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Region.h"

#include <algorithm>

namespace {

constexpr int32_t GradientBands = 128;
constexpr int32_t SearchFooterHeight = 32;

bool IsGradient(TBackGroundDisplay Display)
{
    return Display == bdGradientHorz || Display == bdGradientVert;
}

// Copies the picture's Source part to (X, Y), cut at Limit's right and bottom.
void CopyPart(TCanvas* Canvas, TBitmap* Picture, int32_t X, int32_t Y, TRect Source, const TRect& Limit)
{
    Source.Right = std::min(Source.Right, Source.Left + Limit.Right - X);
    Source.Bottom = std::min(Source.Bottom, Source.Top + Limit.Bottom - Y);
    if (Source.Right <= Source.Left || Source.Bottom <= Source.Top) return;
    Canvas->CopyRect(Rect(X, Y, X + Source.Width(), Y + Source.Height()), Picture->Canvas(), Source);
}

// Tiles the picture from (Left, Top) onwards, the first tile of each row from source column X0
// and the first row from source row Y0, cut at R's right and bottom.
void Tile(TCanvas* Canvas, TBitmap* Picture, int32_t Left, int32_t Top, int32_t X0, int32_t Y0, const TRect& R)
{
    const int32_t W = Picture->Width();
    const int32_t H = Picture->Height();
    if (W <= 0 || H <= 0) return;
    int32_t SourceTop = Y0;
    for (int32_t Y = Top; Y < R.Bottom; SourceTop = 0) {
        int32_t SourceLeft = X0;
        for (int32_t X = Left; X < R.Right; SourceLeft = 0) {
            CopyPart(Canvas, Picture, X, Y, Rect(SourceLeft, SourceTop, W, H), R);
            X += W - SourceLeft;
        }
        Y += H - SourceTop;
    }
}

// The part of the picture placed at (Left, Top) that lies inside R, at its place.
void DrawFixedPart(TCanvas* Canvas, TBackGround* BG, const TRect& R)
{
    TBitmap* Picture = BG->Bitmap();
    const TRect Placed = Rect(BG->Left(), BG->Top(), BG->Left() + Picture->Width(), BG->Top() + Picture->Height());
    TRect Part;
    if (!IntersectRect(Part, Placed, R)) return;
    const int32_t OldMode = SetBkMode(Canvas->Handle(), TRANSPARENT);
    Canvas->CopyRect(Part, Picture->Canvas(),
                     Rect(Part.Left - BG->Left(), Part.Top - BG->Top(), Part.Right - BG->Left(), Part.Bottom - BG->Top()));
    SetBkMode(Canvas->Handle(), OldMode);
}

}  // namespace

void TExtStringGrid::Paint()
{
    TCanvas* C = Canvas();
    C->Pen()->SetStyle(psSolid);
    C->Brush()->SetStyle(bsSolid);
    TBaseGrid::Paint();
    if (FEditing) {
        const bool NoLines = GridLineWidth() < 1 || (!Options().Contains(goHorzLine) && !Options().Contains(goVertLine));
        C->Pen()->SetColor(NoLines ? Color() : GridLineColor());
        // Only the frame: the cell's content stays.
        C->Brush()->SetStyle(bsClear);
        C->Rectangle(TCustomGrid::CellRect(Col(), Row()));
        C->Brush()->SetStyle(bsSolid);
    }
    C->Pen()->SetColor(clBlack);
    if (!FBackGround->Bitmap()->Empty() || FBackGround->ColorTo() != clNone) PaintBackgroundArea();
    PaintDesignHelper();
    if (OnPainted) OnPainted(this);
}

void TExtStringGrid::PaintBackgroundArea()
{
    TBackGround* BG = FBackGround.get();
    const bool RowsBelow = TopRow() + VisibleRowCount() < RowCount();
    const bool ColsRight = LeftCol() + VisibleColCount() < ColCount();
    if (RowsBelow && ColsRight) return;
    if (IsGradient(BG->Display()) && BG->ColorTo() == clNone) return;
    const bool Picture = !BG->Bitmap()->Empty();
    // Without a picture only a gradient display has something to show.
    if (!Picture && !IsGradient(BG->Display())) return;

    TRect C = ClientRect();
    TRegion Area;
    bool HasArea = false;
    TRect Last = TCustomGrid::CellRect(ColCount() - 1, TopRow());
    Last.Right += GridLineWidth();
    if (!ColsRight && Last.Right < C.Right) {
        Area = CreateRectRgn(Last.Right, C.Top, C.Right, C.Bottom);
        HasArea = true;
    }
    TRect Bottom = TCustomGrid::CellRect(FixedCols() > 0 ? 0 : LeftCol(), RowCount() - 1);
    Bottom.Bottom += GridLineWidth();
    if (!RowsBelow && Bottom.Bottom < C.Bottom) {
        const TRegion Below = CreateRectRgn(C.Left, Bottom.Bottom, C.Right, C.Bottom);
        if (HasArea) CombineRgn(Area, Area, Below, RGN_OR);
        else Area = Below;
        HasArea = true;
    }
    if (FSearchFooter && FSearchFooter->Visible()) C.Bottom -= SearchFooterHeight;
    if (FFloatingFooter && FFloatingFooter->Visible() && FFooterPanel) C.Bottom -= FFooterPanel->Height();
    if (!HasArea) return;

    TCanvas* Cv = Canvas();
    // The next paint's cells start from the canvas's brush and pen as they were.
    const TColor OldBrush = Cv->Brush()->Color();
    const TColor OldPen = Cv->Pen()->Color();
    SelectClipRgn(Cv->Handle(), &Area);
    if (!Picture) {
        DrawStepGradient(Cv, ColorToRGB(BG->Color()), ColorToRGB(BG->ColorTo()), GradientBands, C,
                         BG->Display() == bdGradientHorz);
    } else if (BG->Display() != bdTile) {
        PaintBackgroundFixed(C);
    } else {
        TRect R = C;
        if (BG->Cells() == bcNormal) {
            const TRect First = TCustomGrid::CellRect(FixedCols(), FixedRows());
            R.Left = First.Left;
            R.Top = First.Top;
        }
        R.Left += FXYOffset.X;
        R.Top += FXYOffset.Y;
        if (BG->Cells() != bcFixed) PaintBackgroundTiled(R);
    }
    SelectClipRgn(Cv->Handle(), nullptr);
    Cv->Brush()->SetColor(OldBrush);
    Cv->Pen()->SetColor(OldPen);
}

void TExtStringGrid::PaintBackgroundFixed(const TRect& R)
{
    DrawFixedPart(Canvas(), FBackGround.get(), R);
}

void TExtStringGrid::PaintBackgroundTiled(const TRect& R)
{
    Tile(Canvas(), FBackGround->Bitmap(), R.Left - 1, R.Top - 1, 0, 0, R);
}

void TExtStringGrid::PaintCellBackground(TCanvas* ACanvas, const TRect& B, int32_t ACol, int32_t ARow)
{
    TBackGround* BG = FBackGround.get();
    TBitmap* Picture = BG->Bitmap();
    if (IsGradient(BG->Display())) {
        // Without an end colour the band is the start colour.
        const TColor From = ColorToRGB(BG->Color());
        const TColor To = BG->ColorTo() == clNone ? From : ColorToRGB(BG->ColorTo());
        const bool Horz = BG->Display() == bdGradientHorz;
        const int32_t Extent = Horz ? ClientWidth() : ClientHeight();
        const TColor Start = InterpolateColor(From, To, 0, Extent, Horz ? B.Left : B.Top);
        const TColor End = InterpolateColor(From, To, 0, Extent, Horz ? B.Right : B.Bottom);
        ACanvas->Brush()->SetColor(End);
        ACanvas->Pen()->SetColor(End);
        DrawStepGradient(ACanvas, Start, End, GradientBands, B, Horz);
        return;
    }
    if (Picture->Empty()) return;
    if (BG->Display() == bdFixed) {
        DrawFixedPart(ACanvas, BG, B);
        return;
    }
    // Tiles anchored to the cells: the pattern scrolls with them.
    const int32_t FirstCol = BG->Cells() == bcNormal ? FixedCols() : 0;
    const int32_t FirstRow = BG->Cells() == bcNormal ? FixedRows() : 0;
    int32_t X0 = 0;
    for (int32_t I = FirstCol; I < ACol; ++I) X0 += ColWidths(I);
    int32_t Y0 = 0;
    for (int32_t I = FirstRow; I < ARow; ++I) Y0 += RowHeights(I);
    X0 = ((X0 % Picture->Width()) + Picture->Width()) % Picture->Width();
    Y0 = ((Y0 % Picture->Height()) + Picture->Height()) % Picture->Height();
    Tile(ACanvas, Picture, B.Left - 1, B.Top - 1, X0, Y0, B);
}
