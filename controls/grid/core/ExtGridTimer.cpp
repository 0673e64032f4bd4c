// TExtStringGrid: the ticks of the grid's own 500 ms timer: the end of the incremental search,
// hover selection and blinking cells.
#include "grid/core/ExtGrid.h"

#include "grid/base/ExtUtil.h"
#include "grid/base/GridSettings.h"

#include <algorithm>

void TExtStringGrid::GridTimerTick()
{
    ++FTimerTicks;
    if (FNavigation->AutoGotoIncremental()) {
        ++SearchTics;
        if (SearchTics == 4) {
            SearchInc.clear();
            SearchTics = 0;
        }
    }
    if (FHovering && !Designing() && HandleAllocated()) {
        TPoint P;
        GetCursorPos(P);
        if (WindowFromPoint(P) == Handle()) {
            P = ScreenToClient(P);
            if (PtInRect(ClientRect(), P)) {
                int32_t c = -1, r = -1;
                MouseToCell(P.X, P.Y, c, r);
                if (c >= FixedCols() && c < ColCount() && r >= FixedRows() && r < RowCount()) {
                    SetFocus();
                    SetRow(r);
                    SetCol(c);
                }
            }
        }
    }
    if (FEnableBlink) {
        FGridBlink = !FGridBlink;
        BlinkCells();
    }
}

void TExtStringGrid::BlinkCells()
{
    const auto Blinks = [this](int32_t c, int32_t r) {
        return PosInUpperText(QStringLiteral("<BLI"), GetCellEx(c, r)) > 0;
    };
    const int32_t LastRow = std::min(TopRow() + VisibleRowCount(), RowCount()) - 1;
    const int32_t LastCol = std::min(LeftCol() + VisibleColCount(), ColCount()) - 1;
    // The scrolled area by store column, repainted where the column shows.
    const int32_t LastStoreCol = std::min(LeftCol() + VisibleColCount() + NumHiddenColumns(), TotalColCount()) - 1;
    for (int32_t r = TopRow(); r <= LastRow; ++r)
        for (int32_t c = LeftCol(); c <= LastStoreCol; ++c)
            if (Blinks(c, r)) RepaintCell(DisplColIndex(c), r);
    for (int32_t r = 0; r < FixedRows(); ++r)
        for (int32_t c = LeftCol(); c <= LastCol; ++c)
            if (Blinks(c, r)) RepaintCell(c, r);
    for (int32_t c = 0; c < FixedCols(); ++c)
        for (int32_t r = TopRow(); r <= LastRow; ++r)
            if (Blinks(c, r)) RepaintCell(c, r);
}
