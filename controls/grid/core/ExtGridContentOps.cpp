// TExtStringGrid: rows and columns chosen by content or selection (removed or hidden in one pass),
// trimming, colouring, finding a cell, and scrolling a cell into view.
#include "grid/core/ExtGrid.h"

#include "grid/core/FlagList.h"

#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/GridItems.h"
#include "grid/core/GridOptions.h"
#include "grid/core/HiddenRows.h"

#include "rtl/StrFuncs.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

// Ends an update bracket also on failure.
class TUpdateBracket {
public:
    explicit TUpdateBracket(TExtStringGrid* Grid) : FGrid(Grid) { FGrid->BeginUpdate(); }
    ~TUpdateBracket() { FGrid->EndUpdate(); }
    TUpdateBracket(const TUpdateBracket&) = delete;
    TUpdateBracket& operator=(const TUpdateBracket&) = delete;

private:
    TExtStringGrid* FGrid;
};

}  // namespace

void TExtStringGrid::RemoveRowSet(const std::vector<int32_t>& Rows, bool Block)
{
    if (Rows.empty()) return;
    const auto n = static_cast<int32_t>(Rows.size());
    const auto RemovedBelow = [&](int32_t d) {
        return static_cast<int32_t>(std::lower_bound(Rows.begin(), Rows.end(), d) - Rows.begin());
    };
    // Embedded controls: dropped with their rows (a block) or moved up by the rows removed above.
    if (FControlList) {
        for (int32_t I = FControlList->Count() - 1; I >= 0; --I) {
            TControlItem* Item = FControlList->GetControl(I);
            const int32_t d = DisplRowIndex(Item->Y());
            const bool InRemoved = !IsHiddenRow(Item->Y()) && std::binary_search(Rows.begin(), Rows.end(), d);
            if (Block && InRemoved) {
                if (Item->Control()) Item->Control()->Hide();
                FControlList->RemoveControl(I);
                continue;
            }
            Item->SetY(Item->Y() - RemovedBelow(d));
        }
    }
    for (const int32_t r : Rows) FreeCellPropsRect(0, r, TotalColCount() - 1, r);
    if (NumHiddenRows() > 0) FGridItems->ShownRowSetRemoved(Rows);
    const bool Disjunct = FMouseActions->DisjunctRowSelect();
    if (Block) {
        if (Disjunct && !FMouseActions->RowSelectPersistent()) DropRowEntries(FRowSelect.get(), Rows);
    } else {
        if (FShowModified->Enabled()) DropRowEntries(FModifiedRows.get(), Rows);
        if (FUseEnabledRows) DropRowEntries(FEnabledRows.get(), Rows);
        if (Disjunct) DropRowEntries(FRowSelect.get(), Rows);
    }
    const int32_t OldRow = Row();
    const int32_t OldTop = TopRow();
    // The removed rows wait emptied beyond the last row.
    EmptyRows(MoveRowsToEnd(Rows), n);
    const int32_t Before = RowCount();
    SetRowCount(RowCount() - n);
    if (!Block) FMaxRowCount -= n;
    if (OldRow < RowCount() - FFixedFooters) {
        SetRow(OldRow);
        SetTopRow(std::min(OldTop, RowCount() - 1));
    } else if (RowCount() - FFixedFooters > FixedRows()) {
        SetRow(RowCount() - FFixedFooters - 1);
    } else {
        HideSelection();
        FSelHidden = false;
    }
    // What removing the rows one by one from the bottom reports.
    for (int32_t I = n - 1; I >= 0; --I) {
        const int32_t r = Rows[static_cast<size_t>(I)];
        if (Block && OnRowMoved) OnRowMoved(this, r, Before - (n - 1 - I) - 1);
        DoCellsChanged(Rect(0, r, ColCount() - 1, r + 1));
    }
    if (FNumCellControls > 0) CellControlsUpdate(false);
}

void TExtStringGrid::RemoveCheckedRows(int32_t CheckBoxColumn, bool RemoveChecked)
{
    const TUpdateBracket Update(this);
    std::vector<int32_t> Rows;
    for (int32_t r = FixedRows(); r < RowCount(); ++r)
        if (IsChecked(CheckBoxColumn, RealRowIndex(r)) == RemoveChecked) Rows.push_back(r);
    RemoveRowSet(Rows, false);
}

void TExtStringGrid::RemoveDuplicates(int32_t ACol, bool DoCase)
{
    const int32_t c = RealColIndex(ACol);
    const TUpdateBracket Update(this);
    const auto Less = [DoCase](const QString& A, const QString& B) {
        return DoCase ? A < B : AnsiCompareText(A, B) < 0;
    };
    std::set<QString, decltype(Less)> Seen(Less);
    std::vector<int32_t> Rows;
    for (int32_t r = FixedRows(); r < RowCount() - FFixedFooters; ++r)
        if (!Seen.insert(GetCellEx(c, r)).second) Rows.push_back(r);
    RemoveRowSet(Rows, true);
}

bool TExtStringGrid::RowFlag(int32_t ARow)
{
    return RowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow);
}

void TExtStringGrid::RemoveSelectedRows()
{
    const TUpdateBracket Update(this);
    std::vector<int32_t> Rows;
    if (FMouseActions->DisjunctRowSelect()) {
        for (int32_t r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r)
            if (RowFlag(r)) Rows.push_back(r);
        RemoveRowSet(Rows, true);
        ClearRowSelect();
        return;
    }
    const TGridRect S = Selection();
    for (int32_t r = std::min(S.Top, S.Bottom); r <= std::max(S.Top, S.Bottom) && r < RowCount(); ++r)
        Rows.push_back(r);
    RemoveRowSet(Rows, true);
}

void TExtStringGrid::RemoveUnSelectedRows()
{
    const TUpdateBracket Update(this);
    std::vector<int32_t> Rows;
    for (int32_t r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r)
        if (!RowFlag(r)) Rows.push_back(r);
    RemoveRowSet(Rows, true);
    if (FMouseActions->RowSelectPersistent()) SelectRows(FixedRows(), RowCount() - FixedRows());
    else ClearRowSelect();
}

void TExtStringGrid::RemoveColumnsWhere(bool Selected)
{
    if (FMouseActions->DisjunctColSelect()) {
        for (int32_t c = ColCount() - 1; c >= FixedCols(); --c) {
            if (ColSelect(c) != Selected) continue;
            RemoveCols(RealColIndex(c), 1);
            if (c < FColSelect->Count()) FColSelect->Delete(c);
        }
        return;
    }
    const TGridRect S = Selection();
    const int32_t Left = std::min(S.Left, S.Right);
    const int32_t Right = std::max(S.Left, S.Right);
    // Display columns, each mapped to its real column, from the right.
    for (int32_t c = ColCount() - 1; c >= FixedCols(); --c) {
        const bool Inside = c >= Left && c <= Right;
        if (Inside == Selected) RemoveCols(RealColIndex(c), 1);
    }
}

void TExtStringGrid::RemoveSelectedCols()
{
    RemoveColumnsWhere(true);
}

void TExtStringGrid::RemoveUnSelectedCols()
{
    RemoveColumnsWhere(false);
    ClearColSelect();
}

void TExtStringGrid::HideSelectedRows()
{
    const TUpdateBracket Update(this);
    std::vector<int32_t> Rows;
    for (int32_t r = FixedRows(); r < RowCount(); ++r)
        if (RowFlag(r)) Rows.push_back(r);
    ParkRows(Rows, 0, FMouseActions->DisjunctRowSelect() && !FMouseActions->RowSelectPersistent());
}

void TExtStringGrid::HideUnSelectedRows()
{
    const TUpdateBracket Update(this);
    std::vector<int32_t> Rows;
    for (int32_t r = FixedRows(); r < RowCount(); ++r)
        if (!RowFlag(r)) Rows.push_back(r);
    ParkRows(Rows, 0, FMouseActions->DisjunctRowSelect() && !FMouseActions->RowSelectPersistent());
}

void TExtStringGrid::TrimRect(int32_t ACol1, int32_t ARow1, int32_t ACol2, int32_t ARow2)
{
    for (int32_t r = ARow1; r <= ARow2; ++r)
        for (int32_t x = ACol1; x <= ACol2; ++x) {
            const int32_t c = FSaveHiddenCells ? RealColIndex(x) : x;
            SetCellEx(c, r, Trim(GetCellEx(c, r)));
        }
}

void TExtStringGrid::ColorRect(int32_t ACol1, int32_t ARow1, int32_t ACol2, int32_t ARow2, TColor AColor)
{
    for (int32_t r = ARow1; r <= ARow2; ++r)
        for (int32_t c = ACol1; c <= ACol2; ++c) SetColors(c, r, AColor);
}

bool TExtStringGrid::IsCell(const QString& SubStr, int32_t& ACol, int32_t& ARow)
{
    for (int32_t r = 0; r < RowCount(); ++r)
        for (int32_t c = 0; c < ColCount(); ++c)
            if (Cells(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}

bool TExtStringGrid::IsWideCell(int32_t ACol, int32_t ARow)
{
    return GetCellEx(ACol, ARow).startsWith(QStringLiteral("|\\"));
}

void TExtStringGrid::ScrollInView(int32_t ColIndex, int32_t RowIndex)
{
    if (ColIndex >= ColCount() || RowIndex >= RowCount()) return;
    int32_t L = LeftCol();
    int32_t T = TopRow();
    if (ColIndex < LeftCol() || ColIndex >= LeftCol() + VisibleColCount()) {
        SetCol(ColIndex);
        L = std::max(ColIndex - VisibleColCount() / 2, FixedCols());
    }
    if (RowIndex < TopRow() || RowIndex >= TopRow() + VisibleRowCount()) {
        SetRow(RowIndex);
        T = std::max(RowIndex - VisibleRowCount() / 2, FixedRows());
    }
    L = std::min(L, ColCount() - VisibleColCount() + 1);
    if (FixedCols() + VisibleColCount() < ColCount()) SetLeftCol(L);
    T = std::min(T, RowCount() - VisibleRowCount() + 1);
    if (FixedRows() + VisibleRowCount() >= RowCount()) return;
    SetTopRow(T);
}

void TExtStringGrid::UpdateEditMode()
{
    SelectCell(Col(), Row());
}
