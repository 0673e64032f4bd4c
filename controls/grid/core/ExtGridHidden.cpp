// TExtStringGrid: hidden rows and columns, the mapping of real and display indexes, the parked
// selection, and the current and top row.
#include "grid/core/ExtGrid.h"

#include "grid/core/FlagList.h"

#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/GridItems.h"
#include "grid/core/GridOptions.h"
#include "grid/core/HiddenRows.h"

#include "rtl/Strings.h"

#include <algorithm>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Columns: the map of 513 entries; columns from 512 on always show
// ---------------------------------------------------------------------------------------------

int32_t TExtStringGrid::RealColIndex(int32_t ACol) const
{
    if (ACol >= 512 || FNumHidden == 0) return ACol;
    int32_t Shown = 0;
    for (int32_t j = 0; j < 512; ++j) {
        if (!FVisibleCol[static_cast<size_t>(j)]) continue;
        if (Shown == ACol) return j;
        ++Shown;
    }
    return 0;
}

int32_t TExtStringGrid::DisplColIndex(int32_t ACol)
{
    if (ACol >= 512 || ACol < 0 || FNumHidden == 0) return ACol;
    return ACol - static_cast<int32_t>(std::count(FVisibleCol.begin(), FVisibleCol.begin() + ACol, false));
}

int32_t TExtStringGrid::TotalColCount() const
{
    return ColCount() + FNumHidden;
}

bool TExtStringGrid::IsHiddenColumn(int32_t ColIndex) const
{
    return ColIndex >= 0 && ColIndex < 512 && !FVisibleCol[static_cast<size_t>(ColIndex)];
}

bool TExtStringGrid::IsIgnoredColumn(int32_t ACol) const
{
    return FIgnoreColumns && FIgnoreColumns->HasValue(ACol);
}

void TExtStringGrid::HideColumns(int32_t FromCol, int32_t ToCol)
{
    HideInplaceEdit();
    for (int32_t j = std::max(FromCol, 0); j <= ToCol && j < 512; ++j) {
        if (!FVisibleCol[static_cast<size_t>(j)] || j >= ColCount() + FNumHidden || ColCount() <= 1) continue;
        const int32_t d = DisplColIndex(j);
        FAllColWidths[static_cast<size_t>(j)] = ColWidths(d);
        for (int32_t i = d; i <= ColCount() - 2; ++i) SetColWidths(i, ColWidths(i + 1));
        ++FNumHidden;
        FVisibleCol[static_cast<size_t>(j)] = false;
        if (Col() == ColCount() - 1 && Col() > 0) SetCol(Col() - 1);
        SetColCount(ColCount() - 1);
    }
    Invalidate();
}

void TExtStringGrid::UnHideColumns(int32_t FromCol, int32_t ToCol)
{
    HideInplaceEdit();
    for (int32_t j = std::max(FromCol, 0); j <= ToCol && j < 512; ++j) {
        if (FVisibleCol[static_cast<size_t>(j)]) continue;
        --FNumHidden;
        FVisibleCol[static_cast<size_t>(j)] = true;
        SetColCount(ColCount() + 1);
        const int32_t d = DisplColIndex(j);
        for (int32_t i = ColCount() - 1; i > d; --i) SetColWidths(i, ColWidths(i - 1));
        SetColWidths(d, FAllColWidths[static_cast<size_t>(j)]);
    }
    Invalidate();
}

void TExtStringGrid::UnHideColumnsAll()
{
    UnHideColumns(0, 511);
}

// ---------------------------------------------------------------------------------------------
// Rows: cells by display row; a hidden row lives in its TGridItem
// ---------------------------------------------------------------------------------------------

int32_t TExtStringGrid::NumHiddenRows() const
{
    return FGridItems ? FGridItems->Count() : 0;
}

bool TExtStringGrid::IsHiddenRow(int32_t RowIndex) const
{
    return NumHiddenRows() > 0 && FGridItems->IsHidden(TRealRow{RowIndex});
}

bool TExtStringGrid::IsHiddenRow(int32_t RowIndex, TIntList*& ListHidden) const
{
    if (!ListHidden) {
        ListHidden = new TIntList(0, 0);
        if (NumHiddenRows() > 0)
            for (const int32_t Row : FGridItems->SortedRows()) ListHidden->Add(Row);
    }
    // The list made here is sorted; a list of the caller's own is searched whole.
    const auto* First = reinterpret_cast<const intptr_t*>(ListHidden->List());
    const auto* Last = First + ListHidden->Count();
    if (std::is_sorted(First, Last)) return std::binary_search(First, Last, intptr_t{RowIndex});
    return ListHidden->HasValue(RowIndex);
}

TStrings* TExtStringGrid::HiddenRowTexts(int32_t j) const
{
    if (NumHiddenRows() == 0) return nullptr;
    TGridItem* Item = FGridItems->Find(TRealRow{j});
    return Item ? Item->Items() : nullptr;
}

int32_t TExtStringGrid::RealRowIndex(int32_t ARow) const
{
    if (NumHiddenRows() == 0) return ARow;
    return Value(FGridItems->ToReal(TDisplRow{ARow}));
}

int32_t TExtStringGrid::DisplRowIndex(int32_t ARow) const
{
    if (NumHiddenRows() == 0) return ARow;
    return Value(FGridItems->ToDispl(TRealRow{ARow}));
}

TGridItem* TExtStringGrid::ParkRow(int32_t DisplRow, int32_t Position, int32_t RealRow, int32_t Level)
{
    TGridItem* Item = FGridItems->AddRow(Position, TRealRow{RealRow}, RowHeights(DisplRow), Level);
    TStrings* Texts = Item->Items();
    const int32_t Columns = TotalColCount();
    Texts->BeginUpdate();
    Texts->SetCapacity(Columns);
    for (int32_t c = 0; c < Columns; ++c) {
        // The item takes the cell's properties over; the grid row forgets them.
        Texts->AddObject(Cells(c, DisplRow), Objects(c, DisplRow));
        SetObjects(c, DisplRow, nullptr);
        SetCells(c, DisplRow, QString());
    }
    Texts->EndUpdate();
    return Item;
}

void TExtStringGrid::RestoreRow(TGridItem* Item, int32_t DisplRow)
{
    TStrings* Texts = Item->Items();
    for (int32_t c = 0; c < Texts->Count(); ++c) {
        SetCells(c, DisplRow, Texts->Strings(c));
        SetObjects(c, DisplRow, Texts->Objects(c));
        // The grid owns the properties again.
        Texts->SetObjects(c, nullptr);
    }
    SetRowHeights(DisplRow, Item->Height());
}

void TExtStringGrid::HideRows(int32_t FromRow, int32_t ToRow)
{
    if (FromRow < 0 || ToRow < FromRow) return;
    // The rows of the range still shown, in order; they lie on consecutive display rows from D.
    std::vector<int32_t> Rows;
    for (int32_t x = FromRow; x <= ToRow; ++x)
        if (!IsHiddenRow(x)) Rows.push_back(x);
    if (Rows.empty()) return;
    const int32_t p = NumHiddenRows() > 0 ? FGridItems->CountBelow(TRealRow{FromRow}) : 0;
    const int32_t D = FromRow - p;
    const auto k = static_cast<int32_t>(Rows.size());
    if (D >= RowCount()) return;
    const int32_t Count = std::min(k, RowCount() - D);
    if (auto* Props = dynamic_cast<TCellProperties*>(Objects(1, D)); Props && Props->Control())
        Props->Control()->Hide();
    for (int32_t i = 0; i < Count; ++i) {
        const int32_t x = Rows[static_cast<size_t>(i)];
        // Collection position: the items below x, the new ones included, keep the ascending order.
        ParkRow(D + i, p + (x - FromRow), x, 0);
    }
    DeleteDisplayRows(D, Count, false);
    CellControlsUpdate(false);
}

void TExtStringGrid::HideRowsEx(int32_t FromRow, int32_t ToRow)
{
    if (FromRow < 0 || ToRow < FromRow || IsHiddenRow(FromRow)) return;
    const int32_t D = DisplRowIndex(FromRow);
    int32_t Count = 0;
    for (int32_t x = FromRow; x <= ToRow && D + Count < RowCount(); ++x) {
        if (IsHiddenRow(x)) continue;
        ParkRow(D + Count, NumHiddenRows(), x, 0);
        ++Count;
    }
    DeleteDisplayRows(D, Count, false);
    CellControlsUpdate(false);
}

void TExtStringGrid::HideRowList(TIntList* RowList)
{
    // Display rows inside the grid, each once, ascending.
    std::vector<int32_t> List;
    if (RowList)
        for (int32_t I = 0; I < RowList->Count(); ++I) List.push_back(RowList->GetInteger(I));
    ParkRows(List, FFilterLevel, false);
    ++FFilterLevel;
}

void TExtStringGrid::ParkRows(std::vector<int32_t> DisplRows, int32_t Level, bool DropSelection)
{
    DisplRows.erase(std::remove_if(DisplRows.begin(), DisplRows.end(),
                                   [this](int32_t r) { return r < 0 || r >= RowCount(); }),
                    DisplRows.end());
    std::sort(DisplRows.begin(), DisplRows.end());
    DisplRows.erase(std::unique(DisplRows.begin(), DisplRows.end()), DisplRows.end());
    if (DisplRows.empty()) return;
    // The real rows before anything moves.
    std::vector<int32_t> Real(DisplRows.size());
    for (size_t I = 0; I < DisplRows.size(); ++I) Real[I] = RealRowIndex(DisplRows[I]);
    for (size_t I = 0; I < DisplRows.size(); ++I) ParkRow(DisplRows[I], NumHiddenRows(), Real[I], Level);
    // The emptied rows go to the end and drop off.
    MoveRowsToEnd(DisplRows);
    if (DropSelection) DropRowEntries(FRowSelect.get(), DisplRows);
    SetRowCount(RowCount() - static_cast<int32_t>(DisplRows.size()));
    CellControlsUpdate(false);
}

void TExtStringGrid::DropRowEntries(TFlagList* List, const std::vector<int32_t>& Rows)
{
    if (List) List->DeleteIndexes(Rows);
}

void TExtStringGrid::UnHideRows(int32_t FromRow, int32_t ToRow)
{
    if (NumHiddenRows() == 0 || !IsHiddenRow(FromRow) || ToRow < FromRow) return;
    const bool Modified = FShowModified->Enabled();
    FShowModified->SetEnabled(false);
    const std::vector<TGridItem*> Items = FGridItems->ItemsIn(TRealRow{FromRow}, TRealRow{ToRow});
    const auto k = static_cast<int32_t>(Items.size());
    const int32_t D = FromRow - FGridItems->CountBelow(TRealRow{FromRow});
    if (k == ToRow - FromRow + 1) {
        InsertDisplayRows(D, k, false);
    } else {
        // The empty rows go where their rows belong; shown rows of the range keep their order.
        // The empty rows come in above a shown floating footer, which stays the last row.
        const int32_t Old = RowCount() - (FloatingFooterShown() ? 1 : 0);
        InsertDisplayRows(Old, k, false);
        std::vector<int32_t> Order;
        Order.reserve(static_cast<size_t>(Old + k - D));
        int32_t Shown = D;
        int32_t Empty = Old;
        size_t Next = 0;
        for (int32_t t = D; t < Old + k; ++t) {
            if (Next < Items.size() && t == D + (Items[Next]->Idx() - FromRow)) {
                Order.push_back(Empty++);
                ++Next;
            } else {
                Order.push_back(Shown++);
            }
        }
        ArrangeRows(D, Order);
    }
    for (TGridItem* Item : Items) RestoreRow(Item, D + (Item->Idx() - FromRow));
    std::vector<TGridItem*> Restored = Items;
    std::sort(Restored.begin(), Restored.end());
    FGridItems->DeleteWhere([&](TCollectionItem* Item) {
        return std::binary_search(Restored.begin(), Restored.end(), static_cast<TGridItem*>(Item));
    });
    if (auto* Props = dynamic_cast<TCellProperties*>(Objects(1, D)); Props && Props->Control()) {
        Props->Control()->SetBoundsRect(TBaseGrid::CellRect(1, D));
        Props->Control()->Show();
    }
    FShowModified->SetEnabled(Modified);
    CellControlsUpdate(false);
}

void TExtStringGrid::UnHideRow(int32_t RowIndex)
{
    UnHideRows(RowIndex, RowIndex);
    if (!FControlList) return;
    for (int32_t I = 0; I < FControlList->Count(); ++I) {
        TControlItem* Item = FControlList->GetControl(I);
        if (Item->Y() == RowIndex && Item->Control()) Item->Control()->Show();
    }
}

void TExtStringGrid::UnHideRowsAll()
{
    // Every run of consecutive rows comes back, all in one pass.
    std::vector<TGridItem*> Items;
    for (int32_t I = 0; I < NumHiddenRows(); ++I) Items.push_back(FGridItems->Items(I));
    RestoreItems(std::move(Items));
}

void TExtStringGrid::UnHideRowList()
{
    const int32_t Level = FFilterLevel - 1;
    if (Level < 0 || NumHiddenRows() == 0) return;
    // The rows of the last level, or with the first level every hidden row, go back to their real
    // places in one pass.
    std::vector<TGridItem*> Items;
    for (int32_t I = 0; I < NumHiddenRows(); ++I) {
        TGridItem* Item = FGridItems->Items(I);
        if (FFilterLevel < 2 || Item->Level() == Level) Items.push_back(Item);
    }
    if (Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
    RestoreItems(std::move(Items));
}

void TExtStringGrid::RestoreItems(std::vector<TGridItem*> Items)
{
    if (Items.empty()) return;
    std::sort(Items.begin(), Items.end(), [](TGridItem* A, TGridItem* B) { return A->Idx() < B->Idx(); });
    // The display row each restored row takes: its real row less the rows that stay hidden above it.
    const std::vector<int32_t> Hidden = FGridItems->SortedRows();
    std::vector<int32_t> Targets(Items.size());
    {
        std::vector<int32_t> Staying;
        Staying.reserve(Hidden.size() - Items.size());
        size_t Next = 0;
        for (const int32_t Row : Hidden) {
            if (Next < Items.size() && Items[Next]->Idx() == Row) {
                ++Next;
                continue;
            }
            Staying.push_back(Row);
        }
        for (size_t I = 0; I < Items.size(); ++I) {
            const int32_t Row = Items[I]->Idx();
            Targets[I] = Row - static_cast<int32_t>(std::lower_bound(Staying.begin(), Staying.end(), Row) -
                                                    Staying.begin());
        }
    }
    const bool Modified = FShowModified->Enabled();
    FShowModified->SetEnabled(false);
    // The empty rows come in above a shown floating footer, which stays the last row.
    const int32_t Old = RowCount() - (FloatingFooterShown() ? 1 : 0);
    const auto n = static_cast<int32_t>(Items.size());
    InsertDisplayRows(Old, n, false);
    std::vector<int32_t> Order;
    Order.reserve(static_cast<size_t>(Old + n));
    int32_t Shown = 0;
    int32_t Empty = Old;
    size_t Next = 0;
    for (int32_t t = 0; t < Old + n; ++t) {
        if (Next < Targets.size() && Targets[Next] == t) {
            Order.push_back(Empty++);
            ++Next;
        } else {
            Order.push_back(Shown++);
        }
    }
    ArrangeRows(0, Order);
    for (size_t I = 0; I < Items.size(); ++I) RestoreRow(Items[I], Targets[I]);
    std::sort(Items.begin(), Items.end());
    FGridItems->DeleteWhere([&](TCollectionItem* Item) {
        return std::binary_search(Items.begin(), Items.end(), static_cast<TGridItem*>(Item));
    });
    FShowModified->SetEnabled(Modified);
    CellControlsUpdate(false);
}

// ---------------------------------------------------------------------------------------------
// Selection parking
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::HideSelection()
{
    FOldSelection = Selection();
    SetSelection({ColCount(), RowCount(), ColCount(), RowCount()});
    FSelHidden = true;
}

void TExtStringGrid::UnHideSelection()
{
    FSelHidden = false;
    if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
        SetSelection(FOldSelection);
        return;
    }
    const int32_t r = FFixedRowAlways && FixedRows() == RowCount() ? 0 : FixedRows();
    const int32_t c = FFixedColAlways && FixedCols() == ColCount() ? 0 : FixedCols();
    SetSelection({c, r, c, r});
}

void TExtStringGrid::FocusCell(int32_t ACol, int32_t ARow)
{
    SetSelection({ACol, ARow, ACol, ARow});
}

// ---------------------------------------------------------------------------------------------
// Current row and top row
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SetRow(int32_t Value)
{
    if (Col() < 0 || Col() >= ColCount()) MoveColRow(FixedCols(), Value, true, true);
    TCustomGrid::SetRow(Value);
    if (Row() != FOldRowSel && OnRowUpdate) {
        const int32_t Old = FOldRowSel;
        FOldRowSel = Row();
        OnRowUpdate(this, Old, Row());
    }
    if (FMouseActions->DisjunctRowSelect()) DoMouseSelection(Selection());
}

void TExtStringGrid::SetTopRow(int32_t Value)
{
    if (Value < FixedRows() || Value > RowCount() - 1) return;
    TCustomGrid::SetTopRow(Value);
}
