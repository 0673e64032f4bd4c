// TExtStringGrid: emptying rectangles, rows, columns, the selection and the whole grid.
#include "grid/core/ExtGrid.h"

#include "grid/base/GridSettings.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/GridItems.h"
#include "grid/core/HiddenRows.h"

#include "rtl/Strings.h"

#include <algorithm>

void TExtStringGrid::ClearRect(int32_t ACol1, int32_t ARow1, int32_t ACol2, int32_t ARow2)
{
    for (int32_t r = ARow1; r <= ARow2; ++r) {
        for (int32_t x = ACol1; x <= ACol2; ++x) {
            const int32_t c = FSaveHiddenCells ? RealColIndex(x) : x;
            if (!FClearTextOnly && GetGridObject(c, r)) {
                if (FNilObjects) {
                    DetachCell(c, r);
                } else if (TCellProperties* Props = dynamic_cast<TCellProperties*>(GetGridObject(c, r))) {
                    auto* Graphic = dynamic_cast<TCellGraphic*>(Props->GraphicObject());
                    Props->SetGraphicObject(nullptr);
                    if (!IsSharedGraphic(Graphic)) delete Graphic;
                    FreeCellProps(c, r);
                }
            }
            if (!IsDestroying() && !GetGridCell(c, r).isEmpty()) {
                SetGridCell(c, r, QString());
                if (c != x) RepaintCell(x, r);
            }
        }
    }
    if (ACol1 == 0 && ARow1 == 0 && ACol2 >= TotalColCount() - 1 && ARow2 >= RowCount() - 1 && !FClearTextOnly)
        FHasCellProps = false;
    if (!IsDestroying() && !FBlockCellChange)
        DoCellsChanged(Rect(RealColIndex(ACol1), ARow1, RealColIndex(ACol2), ARow2));
}

void TExtStringGrid::ClearRows(int32_t RowIndex, int32_t RCount)
{
    if (RowCount() == 0 || ColCount() == 0 || RCount < 1) return;
    ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
}

void TExtStringGrid::ClearCols(int32_t ColIndex, int32_t CCount)
{
    if (RowCount() == 0 || ColCount() == 0 || CCount < 1) return;
    ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TExtStringGrid::ClearNormalRows(int32_t RowIndex, int32_t RCount)
{
    if (RowCount() == 0 || ColCount() == 0 || RCount < 1) return;
    ClearRect(FixedCols(), RowIndex, TotalColCount() - FFixedRightCols - 1, RowIndex + RCount - 1);
}

void TExtStringGrid::ClearNormalCols(int32_t ColIndex, int32_t CCount)
{
    if (RowCount() == 0 || ColCount() == 0 || CCount < 1) return;
    ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FFixedFooters - 1);
}

void TExtStringGrid::ClearNormalCells()
{
    // Without fixed columns the node glyphs stand in the cleared cells: the nodes go first.
    if (FixedCols() == 0 && HasNodes()) RemoveAllNodes();
    ClearRect(FixedCols(), FixedRows(), TotalColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1);
}

void TExtStringGrid::Clear()
{
    if (HasNodes() && !IsDestroying()) RemoveAllNodes();
    ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    SearchInc.clear();
    if (FNumHidden > 0) Invalidate();
}

void TExtStringGrid::ClearAll()
{
    Clear();
    // The hidden rows stay hidden, emptied the same way as the shown ones.
    for (int32_t I = 0; I < NumHiddenRows(); ++I) FGridItems->Items(I)->EmptyCells();
}

void TExtStringGrid::ClearSelection()
{
    if (FMouseActions->DisjunctRowSelect()) {
        const bool Persistent = FMouseActions->RowSelectPersistent();
        for (int32_t r = 0; r < RowCount(); ++r)
            if (RowSelect(Persistent ? RealRowIndex(r) : r)) ClearRows(r, 1);
        return;
    }
    if (FMouseActions->DisjunctColSelect()) {
        for (int32_t c = 0; c < ColCount(); ++c)
            if (ColSelect(c)) ClearCols(c, 1);
        return;
    }
    const TGridRect S = Selection();
    ClearRect(S.Left, S.Top, S.Right, S.Bottom);
}
