// TCustomGrid: the window's scroll bars (thumb positions 0..127), scroll messages, the wheel and auto-scrolling while the mouse selects or moves.
#include "windows/Grids.h"

#include "rtl/NumConv.h"

#include <algorithm>

namespace {

// The timer that scrolls while a mouse gesture goes past the cells shown (not 1, 111 or 999, which the
// grid stack's own timers use).
constexpr UINT_PTR AutoScrollTimer = 0x4753;
constexpr UINT AutoScrollInterval = 60;
// The thumb's positions run from 0 to this.
constexpr int32_t ThumbRange = 127;

bool HasBar(TScrollStyle Bars, int32_t Bar)
{
    if (Bar == SB_VERT) return Bars == ssVertical || Bars == ssBoth;
    return Bars == ssHorizontal || Bars == ssBoth;
}

}  // namespace

void TCustomGrid::SetScrollBars(TScrollStyle Value)
{
    if (FScrollBars == Value) return;
    FScrollBars = Value;
    if (!HandleAllocated()) return;
    if (!HasBar(Value, SB_VERT)) ShowScrollBar(Handle(), SB_VERT, false);
    if (!HasBar(Value, SB_HORZ)) ShowScrollBar(Handle(), SB_HORZ, false);
    UpdateScrollRange();
}

void TCustomGrid::UpdateScrollRange()
{
    if (!HandleAllocated() || FUpdatingScrollRange) return;
    FUpdatingScrollRange = true;
    try {
        // A bar that shows or hides narrows or widens the client area, which may call for the other bar.
        for (int32_t Pass = 0; Pass < 3; ++Pass) {
            const TRect Before = ClientRect();
            TGridDrawInfo DrawInfo;
            CalcDrawInfo(DrawInfo);
            const TGridCoord MaxTopLeft = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, DrawInfo);
            const bool Horz = FColCount > FFixedCols && MaxTopLeft.X > FFixedCols;
            const bool Vert = FRowCount > FFixedRows && MaxTopLeft.Y > FFixedRows;
            for (const auto& [Bar, Needed] : {std::pair{SB_HORZ, Horz}, std::pair{SB_VERT, Vert}}) {
                if (HasBar(FScrollBars, Bar))
                    SetScrollRange(Handle(), Bar, 0, Needed ? ThumbRange : 0, true);
                else
                    ShowScrollBar(Handle(), Bar, false);
            }
            if (ClientRect() == Before) break;
        }
    } catch (...) {
        FUpdatingScrollRange = false;
        throw;
    }
    FUpdatingScrollRange = false;
    // Nothing is left scrolled past what no longer needs scrolling.
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    const TGridCoord MaxTopLeft = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, DrawInfo);
    if (FTopLeft.X > MaxTopLeft.X || FTopLeft.Y > MaxTopLeft.Y)
        MoveTopLeft(std::min(FTopLeft.X, MaxTopLeft.X), std::min(FTopLeft.Y, MaxTopLeft.Y));
    else
        UpdateScrollPos();
}

void TCustomGrid::UpdateScrollPos()
{
    if (!HandleAllocated()) return;
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    const TGridCoord MaxTopLeft = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, DrawInfo);
    const auto Place = [this](int32_t Bar, int32_t First, int32_t Fixed, int32_t Max) {
        if (!HasBar(FScrollBars, Bar)) return;
        const int32_t Pos = Max > Fixed ? std::clamp(MulDiv(First - Fixed, ThumbRange, Max - Fixed), 0, ThumbRange) : 0;
        if (GetScrollPos(Handle(), Bar) != Pos) SetScrollPos(Handle(), Bar, Pos, true);
    };
    Place(SB_HORZ, FTopLeft.X, FFixedCols, MaxTopLeft.X);
    Place(SB_VERT, FTopLeft.Y, FFixedRows, MaxTopLeft.Y);
}

void TCustomGrid::ModifyScrollBar(int32_t ScrollBar, int32_t ScrollCode, int32_t Pos, bool)
{
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    const TGridCoord MaxTopLeft = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, DrawInfo);
    const bool Vert = ScrollBar == SB_VERT;
    const TGridAxisDrawInfo& Axis = Vert ? DrawInfo.Vert : DrawInfo.Horz;
    const int32_t Fixed = Vert ? FFixedRows : FFixedCols;
    const int32_t Count = Vert ? FRowCount : FColCount;
    const int32_t Max = std::max(Fixed, Vert ? MaxTopLeft.Y : MaxTopLeft.X);
    const int32_t First = Vert ? FTopLeft.Y : FTopLeft.X;
    const int32_t Visible = Axis.LastFullVisibleCell - First + 1;
    int32_t NewFirst = First;
    switch (ScrollCode) {
    case SB_LINEUP: NewFirst = First - 1; break;
    case SB_LINEDOWN: NewFirst = First + 1; break;
    case SB_PAGEUP: NewFirst = First - std::max(1, Visible); break;
    case SB_PAGEDOWN: NewFirst = First + std::max(1, Visible); break;
    case SB_THUMBTRACK:
        if (!FOptions.Contains(goThumbTracking)) return;
        [[fallthrough]];
    case SB_THUMBPOSITION: NewFirst = MulDiv(Pos, Count - Visible - Fixed, ThumbRange) + Fixed; break;
    case SB_TOP: NewFirst = Fixed; break;
    case SB_BOTTOM: NewFirst = Max; break;
    default: return;
    }
    NewFirst = std::clamp(NewFirst, Fixed, Max);
    if (Vert)
        MoveTopLeft(FTopLeft.X, NewFirst);
    else
        MoveTopLeft(NewFirst, FTopLeft.Y);
    // A thumb released where no other first cell lies goes back to the position of the one shown.
    if (ScrollCode == SB_THUMBPOSITION) UpdateScrollPos();
}

void TCustomGrid::WMHScroll(TWMScroll Message)
{
    ModifyScrollBar(SB_HORZ, Message.ScrollCode(), Message.Pos(), true);
}

void TCustomGrid::WMVScroll(TWMScroll Message)
{
    ModifyScrollBar(SB_VERT, Message.ScrollCode(), Message.Pos(), false);
}

// ---- Wheel ----

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
    if (FCurrent.Y < FRowCount - 1) SetRow(FCurrent.Y + 1);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
    if (FCurrent.Y > FFixedRows) SetRow(FCurrent.Y - 1);
    return true;
}

// ---- Auto-scrolling ----

void TCustomGrid::StartAutoScroll()
{
    if (!HandleAllocated()) return;
    SetTimer(Handle(), AutoScrollTimer, AutoScrollInterval);
    FAutoScrolling = true;
}

void TCustomGrid::StopAutoScroll()
{
    if (!FAutoScrolling) return;
    FAutoScrolling = false;
    if (HandleAllocated()) KillTimer(Handle(), AutoScrollTimer);
}

void TCustomGrid::WMTimer(TWMTimer Message)
{
    if (Message.TimerID() != AutoScrollTimer) {
        TCustomControl::Dispatch(Message.Message);
        return;
    }
    if (FGridState != gsSelecting && FGridState != gsColMoving && FGridState != gsRowMoving) {
        StopAutoScroll();
        return;
    }
    TPoint Pos;
    GetCursorPos(Pos);
    Pos = ScreenToClient(Pos);
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    // Past the cells shown whole on a side, the grid scrolls one cell that way.
    int32_t DX = 0, DY = 0;
    if (FGridState != gsRowMoving) {
        if (Pos.X < DrawInfo.Horz.FixedBoundary)
            DX = -1;
        else if (Pos.X >= DrawInfo.Horz.FullVisBoundary)
            DX = 1;
    }
    if (FGridState != gsColMoving) {
        if (Pos.Y < DrawInfo.Vert.FixedBoundary)
            DY = -1;
        else if (Pos.Y >= DrawInfo.Vert.FullVisBoundary)
            DY = 1;
    }
    if (DX != 0 || DY != 0) TimedScroll(DX, DY);
}

void TCustomGrid::TimedScroll(int32_t DX, int32_t DY)
{
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    const TGridCoord MaxTopLeft = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, DrawInfo);
    const int32_t NewLeft = std::clamp(FTopLeft.X + DX, FFixedCols, std::max(FFixedCols, MaxTopLeft.X));
    const int32_t NewTop = std::clamp(FTopLeft.Y + DY, FFixedRows, std::max(FFixedRows, MaxTopLeft.Y));
    if (NewLeft == FTopLeft.X && NewTop == FTopLeft.Y) return;
    MoveTopLeft(NewLeft, NewTop);
    CalcDrawInfo(DrawInfo);
    // The cell the gesture reaches: the one just brought into view on the side scrolled to.
    const auto Reached = [](int32_t Delta, int32_t Current, const TGridAxisDrawInfo& Axis) {
        if (Delta < 0) return Axis.FirstGridCell;
        if (Delta > 0) return std::max(Axis.FirstGridCell, Axis.LastFullVisibleCell);
        return Current;
    };
    if (FGridState == gsSelecting) {
        TGridCoord Drag = FOptions.Contains(goRangeSelect) ? FAnchor : FCurrent;
        Drag.X = Reached(DX, Drag.X, DrawInfo.Horz);
        Drag.Y = Reached(DY, Drag.Y, DrawInfo.Vert);
        if (FOptions.Contains(goRangeSelect))
            MoveAnchor(Drag);
        else
            MoveCurrent(Drag.X, Drag.Y, true, true);
    } else if (FGridState == gsColMoving) {
        FMovePos = Reached(DX, FMovePos, DrawInfo.Horz);
        DrawMove();
    } else if (FGridState == gsRowMoving) {
        FMovePos = Reached(DY, FMovePos, DrawInfo.Vert);
        DrawMove();
    }
}
