// TExtStringGrid: merging runs of equal cells in a column or row, and splitting them again.
#include "grid/core/ExtGrid.h"

void TExtStringGrid::MergeColumnCells(int32_t ColIndex, bool MainMerge)
{
    int32_t s = FixedRows();
    int32_t n = 1;
    for (int32_t r = FixedRows() + 1; r <= RowCount() - FFixedFooters - 1; ++r) {
        if (GetCellEx(ColIndex, r) == GetCellEx(ColIndex, r - 1) && (MainMerge || RowSpanIdentical(r, r - 1))) {
            ++n;
            continue;
        }
        if (n > 1) MergeCells(ColIndex, s, 1, n);
        s = r;
        n = 1;
    }
    if (n > 1) MergeCells(ColIndex, s, 1, n);
}

void TExtStringGrid::MergeRowCells(int32_t RowIndex, bool MainMerge)
{
    int32_t s = FixedCols();
    int32_t k = 0;
    for (int32_t c = FixedCols() + 1; c <= ColCount() - FFixedRightCols - 1; ++c) {
        if (GetCellEx(c, RowIndex) == GetCellEx(c - 1, RowIndex) && (MainMerge || ColSpanIdentical(c, c - 1))) {
            ++k;
            continue;
        }
        MergeCells(s, RowIndex, k + 1, 1);
        s = c;
        k = 0;
    }
    if (k >= 1) MergeCells(s, RowIndex, k + 1, 1);
}

void TExtStringGrid::SplitColumnCells(int32_t ColIndex)
{
    int32_t r = 0;
    while (r < RowCount() - FFixedFooters - 1) {
        if (IsYMergedCell(ColIndex, r)) {
            const int32_t y = CellSpan(ColIndex, r).Y;
            SplitCells(ColIndex, r);
            r += y + 1;
        } else {
            ++r;
        }
    }
}

void TExtStringGrid::SplitRowCells(int32_t RowIndex)
{
    int32_t c = 0;
    while (c < ColCount() - FFixedRightCols - 1) {
        const int32_t x = CellSpan(c, RowIndex).X;
        if (IsMergedCell(c, RowIndex) && x >= 0) {
            SplitCells(c, RowIndex);
            c += x + 1;
        } else {
            ++c;
        }
    }
}

void TExtStringGrid::SplitAllCells()
{
    for (int32_t r = 0; r < RowCount(); ++r)
        for (int32_t c = 0; c < TotalColCount(); ++c)
            if (IsMergedCell(c, r) && IsBaseCell(c, r)) SplitCells(c, r);
}
