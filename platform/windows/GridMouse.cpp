// TCustomGrid: the mouse selecting cells, sizing columns and rows at their borders in the fixed cells, moving them, and the cursor.
#include "windows/Grids.h"

#include "windows/Forms.h"

#include <algorithm>

namespace {

// How far from a border a press still sizes.
constexpr int32_t SizingZone = 3;

}  // namespace

void TCustomGrid::CalcSizingState(int32_t X, int32_t Y, TGridState& State, int32_t& Index, int32_t& SizingPos,
                                  int32_t& SizingOfs, TGridDrawInfo& FixedInfo)
{
    State = gsNormal;
    Index = -1;
    CalcDrawInfo(FixedInfo);
    // The border of a scrolling column (row) that lies within the zone, in the fixed rows (columns).
    const auto Border = [&](const TGridAxisDrawInfo& Axis, int32_t Pos, TGridState NewState) {
        int32_t Line = Axis.FixedBoundary;
        for (int32_t I = Axis.FirstGridCell; I < Axis.GridCellCount; ++I) {
            Line += Axis.GetExtent(I);
            if (Line > Axis.GridExtent) return;
            if (Pos >= Line - SizingZone && Pos <= Line + SizingZone) {
                State = NewState;
                Index = I;
                SizingPos = Line;
                SizingOfs = Line - Pos;
                return;
            }
            Line += Axis.EffectiveLineWidth;
        }
    };
    if (FOptions.Contains(goColSizing) && Y >= 0 && Y < FixedInfo.Vert.FixedBoundary &&
        X >= FixedInfo.Horz.FixedBoundary)
        Border(FixedInfo.Horz, X, gsColSizing);
    else if (FOptions.Contains(goRowSizing) && X >= 0 && X < FixedInfo.Horz.FixedBoundary &&
             Y >= FixedInfo.Vert.FixedBoundary)
        Border(FixedInfo.Vert, Y, gsRowSizing);
}

bool TCustomGrid::Sizing(int32_t X, int32_t Y)
{
    TGridDrawInfo DrawInfo;
    TGridState State = gsNormal;
    int32_t Index = 0, Pos = 0, Ofs = 0;
    CalcSizingState(X, Y, State, Index, Pos, Ofs, DrawInfo);
    return State != gsNormal;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    if (!ComponentState().Contains(csDesigning) && (CanFocus() || !GetParentForm(this))) {
        SetFocus();
        if (!IsActiveControl()) {
            SetMouseCapture(false);
            return;
        }
    }
    if (Button == mbLeft && Shift.Contains(ssDouble)) {
        DblClick();
    } else if (Button == mbLeft) {
        TGridDrawInfo DrawInfo;
        CalcSizingState(X, Y, FGridState, FSizingIndex, FSizingPos, FSizingOfs, DrawInfo);
        FHitTest = {X, Y};
        if (FGridState == gsColSizing || FGridState == gsRowSizing) {
            const TGridExtents& Sizes = FGridState == gsColSizing ? FColWidths : FRowHeights;
            FSizingStart =
                FSizingPos - (FSizingIndex >= 0 && FSizingIndex < Sizes.Count() ? Sizes.Get(FSizingIndex) : 0);
            ::SetCursor(Screen->Cursors(FGridState == gsColSizing ? crHSplit : crVSplit));
            DrawSizingLine(DrawInfo);
        } else if (FGridState == gsNormal) {
            CalcDrawInfo(DrawInfo);
            const TGridCoord CellHit = CalcCoordFromPoint(X, Y, DrawInfo);
            if (CellHit.X >= FFixedCols && CellHit.Y >= FFixedRows) {
                if (FOptions.Contains(goEditing)) {
                    // A press on the current cell opens the editor; on another cell it moves there.
                    if (CellHit == FCurrent) {
                        ShowEditor();
                    } else {
                        MoveCurrent(CellHit.X, CellHit.Y, true, true);
                        UpdateEdit();
                    }
                    Click();
                } else {
                    FGridState = gsSelecting;
                    StartAutoScroll();
                    if (Shift.Contains(ssShift))
                        MoveAnchor(CellHit);
                    else
                        MoveCurrent(CellHit.X, CellHit.Y, true, true);
                }
            } else if (FOptions.Contains(goColMoving) && CellHit.Y >= 0 && CellHit.Y < FFixedRows &&
                       CellHit.X >= FFixedCols) {
                FMoveIndex = CellHit.X;
                FMovePos = FMoveIndex;
                FGridState = gsColMoving;
                StartAutoScroll();
                DrawMove();
            } else if (FOptions.Contains(goRowMoving) && CellHit.X >= 0 && CellHit.X < FFixedCols &&
                       CellHit.Y >= FFixedRows) {
                FMoveIndex = CellHit.Y;
                FMovePos = FMoveIndex;
                FGridState = gsRowMoving;
                StartAutoScroll();
                DrawMove();
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    TGridDrawInfo DrawInfo;
    CalcDrawInfo(DrawInfo);
    switch (FGridState) {
    case gsSelecting: {
        const TGridCoord CellHit = CalcCoordFromPoint(X, Y, DrawInfo);
        if (CellHit.X >= FFixedCols && CellHit.Y >= FFixedRows) {
            if (FOptions.Contains(goRangeSelect))
                MoveAnchor(CellHit);
            else
                MoveCurrent(CellHit.X, CellHit.Y, true, true);
        }
        break;
    }
    case gsColSizing:
    case gsRowSizing:
        FSizingPos = (FGridState == gsColSizing ? X : Y) + FSizingOfs;
        DrawSizingLine(DrawInfo);
        break;
    case gsColMoving:
    case gsRowMoving: {
        const TGridCoord CellHit = CalcCoordFromPoint(X, Y, DrawInfo);
        const int32_t Target = FGridState == gsColMoving ? CellHit.X : CellHit.Y;
        const int32_t Fixed = FGridState == gsColMoving ? FFixedCols : FFixedRows;
        if (Target >= Fixed && Target != FMovePos) {
            FMovePos = Target;
            DrawMove();
        }
        break;
    }
    default: break;
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    // Only what the state still says when the button comes up is applied.
    switch (FGridState) {
    case gsSelecting:
        MouseMove(Shift, X, Y);
        StopAutoScroll();
        FGridState = gsNormal;
        UpdateEdit();
        Click();
        break;
    case gsColSizing:
    case gsRowSizing: {
        const bool Columns = FGridState == gsColSizing;
        FGridState = gsNormal;
        FSizingLineShown = false;
        InvalidateGrid();
        const int32_t Count = Columns ? FColCount : FRowCount;
        if (FSizingIndex >= 0 && FSizingIndex < Count) {
            // The cell now ends where the line was let go.
            const int32_t Size = std::max(0, (Columns ? X : Y) + FSizingOfs - FSizingStart);
            if (Columns)
                SetColWidths(FSizingIndex, Size);
            else
                SetRowHeights(FSizingIndex, Size);
        }
        break;
    }
    case gsColMoving:
    case gsRowMoving: {
        const bool Columns = FGridState == gsColMoving;
        FGridState = gsNormal;
        FMoveLineShown = false;
        StopAutoScroll();
        InvalidateGrid();
        if (FMoveIndex != FMovePos) {
            if (Columns)
                MoveColumn(FMoveIndex, FMovePos);
            else
                MoveRow(FMoveIndex, FMovePos);
        }
        break;
    }
    default: FGridState = gsNormal; break;
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---- Feedback ----

void TCustomGrid::DrawSizingLine(const TGridDrawInfo& DrawInfo)
{
    const bool Columns = FGridState == gsColSizing;
    const int32_t Extent = Columns ? DrawInfo.Vert.GridExtent : DrawInfo.Horz.GridExtent;
    const auto Strip = [&](int32_t Pos) {
        return Columns ? TRect{Pos - 1, 0, Pos + FGridLineWidth + 2, Extent}
                       : TRect{0, Pos - 1, Extent, Pos + FGridLineWidth + 2};
    };
    if (FSizingLineShown) InvalidateScreenRect(Strip(FSizingLinePos));
    FSizingLineShown = true;
    FSizingLinePos = FSizingPos;
    InvalidateScreenRect(Strip(FSizingLinePos));
}

void TCustomGrid::DrawMove()
{
    const bool Columns = FGridState == gsColMoving;
    // The line goes before the target when moving back, after it when moving on.
    const TRect Cell = Columns ? BoxRect(FMovePos, 0, FMovePos, 0) : BoxRect(0, FMovePos, 0, FMovePos);
    int32_t Pos =
        Columns ? (FMovePos < FMoveIndex ? Cell.Left : Cell.Right) : (FMovePos < FMoveIndex ? Cell.Top : Cell.Bottom);
    if (Cell.Width() <= 0 || Cell.Height() <= 0) Pos = -10;
    const TRect Client = ClientRect();
    const auto Strip = [&](int32_t At) {
        return Columns ? TRect{At - 2, 0, At + 3, Client.Bottom} : TRect{0, At - 2, Client.Right, At + 3};
    };
    if (FMoveLineShown) InvalidateScreenRect(Strip(FMoveLinePos));
    FMoveLineShown = true;
    FMoveLinePos = Pos;
    InvalidateScreenRect(Strip(FMoveLinePos));
}

void TCustomGrid::WMSetCursor(TWMSetCursor Message)
{
    if (Message.HitTest() == HTCLIENT && HandleAllocated() && Message.CursorWnd() == Handle()) {
        TGridState State = FGridState;
        if (State == gsNormal) {
            TPoint Pos;
            GetCursorPos(Pos);
            Pos = ScreenToClient(Pos);
            TGridDrawInfo DrawInfo;
            int32_t Index = 0, SizingPos = 0, SizingOfs = 0;
            CalcSizingState(Pos.X, Pos.Y, State, Index, SizingPos, SizingOfs, DrawInfo);
        }
        if (State == gsColSizing || State == gsRowSizing) {
            ::SetCursor(Screen->Cursors(State == gsColSizing ? crHSplit : crVSplit));
            Message.SetResult(1);
            return;
        }
    }
    TCustomControl::Dispatch(Message.Message);
}

void TCustomGrid::CancelMode()
{
    switch (FGridState) {
    case gsSelecting: StopAutoScroll(); break;
    case gsColSizing:
    case gsRowSizing:
        FSizingLineShown = false;
        InvalidateGrid();
        break;
    case gsColMoving:
    case gsRowMoving:
        FMoveLineShown = false;
        StopAutoScroll();
        InvalidateGrid();
        break;
    default: break;
    }
    FGridState = gsNormal;
}

void TCustomGrid::WMCancelMode(TMessage& Message)
{
    TCustomControl::Dispatch(Message);
    CancelMode();
}
