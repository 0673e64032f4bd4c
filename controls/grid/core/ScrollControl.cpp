// The string grid's thin scroll indicators: thumb geometry, painting over the grid, paging and dragging.
#include "grid/core/ScrollControl.h"

#include "grid/core/ExtGrid.h"

#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Region.h"
#include "rtl/NumConv.h"

#include <algorithm>

namespace {

// One direction of the grid: rows for the vertical indicator, columns for the horizontal one.
struct TAxis {
    int32_t Count = 0;
    int32_t Fixed = 0;
    int32_t First = 0;
    int32_t Visible = 0;
    int32_t FixedSize = 0;   // the fixed rows' (columns') extent
    int32_t FooterSize = 0;  // the extent of the last FixedFooters rows (columns)
    int32_t FirstSize = 0;   // the extent of row (column) 0
    int32_t Length = 0;      // the control's height (width)
};

TAxis AxisOf(TExtStringGrid* Grid, const TScrollControl* Control)
{
    const bool Vertical = Control->Direction() == sdVertical;
    auto Size = [&](int32_t I) { return Vertical ? Grid->RowHeights(I) : Grid->ColWidths(I); };
    TAxis A;
    A.Count = Vertical ? Grid->RowCount() : Grid->ColCount();
    A.Fixed = Vertical ? Grid->FixedRows() : Grid->FixedCols();
    A.First = Vertical ? Grid->TopRow() : Grid->LeftCol();
    A.Visible = Vertical ? Grid->VisibleRowCount() : Grid->VisibleColCount();
    A.Length = Vertical ? Control->Height() : Control->Width();
    for (int32_t I = 0; I < A.Fixed && I < A.Count; ++I) A.FixedSize += Size(I);
    for (int32_t I = std::max(A.Count - Grid->FixedFooters(), 0); I < A.Count; ++I) A.FooterSize += Size(I);
    if (A.Count > 0) A.FirstSize = Size(0);
    return A;
}

// The thumb's start and length along the axis; nothing without normal rows (columns).
struct TThumb {
    bool Exists = false;
    int32_t Start = 0;
    int32_t Length = 0;
};

TThumb ThumbOf(const TAxis& A)
{
    TThumb T;
    const int32_t Normal = A.Count - A.Fixed;
    if (Normal <= 0) return T;
    const long double Track = A.Length - A.FixedSize - A.FooterSize;
    T.Exists = true;
    T.Start = static_cast<int32_t>(A.FixedSize + RoundHalfEven(Track * (A.First - A.Fixed) / Normal));
    T.Length = std::max<int32_t>(static_cast<int32_t>(RoundHalfEven(Track * A.Visible / A.Count)), 20);
    if (T.Start + T.Length > A.Length) T.Start = A.Length - T.Length;
    return T;
}

}  // namespace

TScrollControl::TScrollControl(TComponent* AOwner) : TCustomControl(AOwner) {}

void TScrollControl::SetColor(TColor Value)
{
    if (Value == FColor) return;
    FColor = Value;
    Invalidate();
}

void TScrollControl::SetScrollWidth(int32_t Value)
{
    if (Value == FScrollWidth) return;
    FScrollWidth = Value;
    Invalidate();
}

void TScrollControl::SetDirection(TScrollDirection Value)
{
    if (Value == FDirection) return;
    FDirection = Value;
    Invalidate();
}

void TScrollControl::Paint()
{
    TCanvas* C = Canvas();
    if (TWinControl* Owner = Parent()) {
        // The parent paints itself under the indicator, which so looks transparent.
        HDC DC = C->Handle();
        const int32_t Saved = SaveDC(DC);
        SetWindowOrgEx(DC, Left(), Top(), nullptr);
        const TRect Area = Owner->ClientRect();
        IntersectClipRect(DC, Area.Left, Area.Top, Area.Right, Area.Bottom);
        Owner->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(DC));
        Owner->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
        RestoreDC(DC, Saved);
    }
    auto* Grid = dynamic_cast<TExtStringGrid*>(Parent());
    if (!Grid) return;
    const TAxis A = AxisOf(Grid, this);
    if (A.Visible >= A.Count - A.Fixed) return;
    const TThumb T = ThumbOf(A);
    C->Pen()->SetColor(FColor);
    C->Brush()->SetColor(FColor);
    C->Brush()->SetStyle(bsSolid);
    if (FDirection == sdVertical) C->Rectangle(0, T.Start, FScrollWidth, T.Start + T.Length);
    else C->Rectangle(T.Start, 0, T.Start + T.Length, FScrollWidth);
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    auto* Grid = dynamic_cast<TExtStringGrid*>(Parent());
    if (!Grid) return;
    const TAxis A = AxisOf(Grid, this);
    const TThumb T = ThumbOf(A);
    if (!T.Exists) return;
    const bool Vertical = FDirection == sdVertical;
    const int32_t Pos = Vertical ? Y : X;
    int32_t First = A.First;
    if (Pos < T.Start) {
        First = std::max(A.Fixed, A.First - A.Visible);
    } else if (Pos >= T.Start + T.Length) {
        First = std::min(A.First + A.Visible, A.Count - A.Visible);
    } else {
        FDownOnScroller = true;
        FDownPos = Pos;
        FDownRow = A.First;
        return;
    }
    if (Vertical) Grid->SetTopRow(First);
    else Grid->SetLeftCol(First);
    Invalidate();
}

void TScrollControl::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    auto* Grid = dynamic_cast<TExtStringGrid*>(Parent());
    if (!Grid || !FDownOnScroller) return;
    const TAxis A = AxisOf(Grid, this);
    const int32_t Span = A.Length - A.FirstSize;
    if (Span <= 0 || A.Count - A.Fixed <= 0) return;
    const bool Vertical = FDirection == sdVertical;
    const int32_t Delta = static_cast<int32_t>(
        RoundHalfEven(static_cast<long double>((Vertical ? Y : X) - FDownPos) / Span * A.Count));
    const int32_t First = std::max(A.Fixed, std::min(Delta + FDownRow, A.Count - A.Visible));
    if (First == A.First) return;
    if (Vertical) Grid->SetTopRow(First);
    else Grid->SetLeftCol(First);
    Invalidate();
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FDownOnScroller = false;
}
