// TExtStringGrid: row blocks in and out of the grid in one pass, with the per-row lists, heights,
// hidden rows and embedded controls following their rows.
#include "grid/core/ExtGrid.h"

#include "grid/core/FlagList.h"

#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridItems.h"
#include "grid/core/GridOptions.h"
#include "grid/core/HiddenRows.h"

#include "rtl/Strings.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// Runs its action when the scope ends, also on failure.
class TOnExit {
public:
    explicit TOnExit(std::function<void()> Action) : FAction(std::move(Action)) {}
    ~TOnExit() { FAction(); }
    TOnExit(const TOnExit&) = delete;
    TOnExit& operator=(const TOnExit&) = delete;

private:
    std::function<void()> FAction;
};

}  // namespace

void TExtStringGrid::EmptyRows(int32_t First, int32_t Count)
{
    const int32_t Columns = TotalColCount();
    for (int32_t r = First; r < First + Count; ++r)
        for (int32_t c = 0; c < Columns; ++c) {
            SetObjects(c, r, nullptr);
            SetCells(c, r, QString());
        }
}

bool TExtStringGrid::FloatingFooterShown() const
{
    return FFloatingFooter && FFloatingFooter->Visible();
}

int32_t TExtStringGrid::MoveRowsToEnd(const std::vector<int32_t>& Rows)
{
    // The footer row follows the moved rows, so that a count change carries it to the new last row.
    const int32_t FooterRow = FloatingFooterShown() ? RowCount() - 1 : -1;
    const bool FooterMoves = FooterRow >= 0 && !std::binary_search(Rows.begin(), Rows.end(), FooterRow);
    std::vector<int32_t> Order;
    Order.reserve(static_cast<size_t>(RowCount()));
    size_t Next = 0;
    for (int32_t s = 0; s < RowCount(); ++s) {
        if (Next < Rows.size() && Rows[Next] == s) {
            ++Next;
            continue;
        }
        if (!(FooterMoves && s == FooterRow)) Order.push_back(s);
    }
    Order.insert(Order.end(), Rows.begin(), Rows.end());
    if (FooterMoves) Order.push_back(FooterRow);
    ArrangeRows(0, Order);
    return RowCount() - static_cast<int32_t>(Rows.size()) - (FooterMoves ? 1 : 0);
}

void TExtStringGrid::InsertDisplayRows(int32_t RowIndex, int32_t RCount, bool UpdateCellControls)
{
    if (RCount <= 0 || RowIndex < 0 || RowIndex > RowCount()) return;
    const int32_t LastWidth = ColWidths(ColCount() - 1);
    if (FSelHidden || Col() >= ColCount() || Row() >= RowCount()) UnHideSelection();
    const bool Footer = FloatingFooterShown();
    SetRowCount(RowCount() + RCount);
    // The rows from RowIndex move down in one pass; the rows taken from the end become the new ones.
    const int32_t End = Footer ? RowCount() - 1 : RowCount();
    const int32_t At = std::min(RowIndex, End - RCount);
    if (At < End - RCount) RotateRows(At, End - RCount, End);
    for (int32_t r = At; r < At + RCount; ++r) SetRowHeights(r, DefaultRowHeight());
    EmptyRows(At, RCount);
    if (FShowModified->Enabled() && RowIndex < FModifiedRows->Count()) FModifiedRows->InsertNils(RowIndex, RCount);
    if (FUseEnabledRows && RowIndex < FEnabledRows->Count()) FEnabledRows->InsertNils(RowIndex, RCount);
    SetColWidths(ColCount() - 1, LastWidth);
    if (UpdateCellControls && FControlList && FControlList->Count() > 0) {
        const int32_t First = RealRowIndex(RowIndex);
        for (int32_t I = 0; I < FControlList->Count(); ++I) {
            TControlItem* Item = FControlList->GetControl(I);
            if (Item->Y() >= First) Item->SetY(Item->Y() + RCount);
        }
        CellControlsUpdate(false);
    }
    if (!IsDestroying()) DoCellsChanged(Rect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
}

void TExtStringGrid::DeleteDisplayRows(int32_t Start, int32_t Count, bool Adjust)
{
    if (Start < 0 || Start >= RowCount() || Count <= 0) return;
    Count = std::min(Count, RowCount() - Start);
    if (Adjust && FControlList) {
        for (int32_t I = FControlList->Count() - 1; I >= 0; --I) {
            TControlItem* Item = FControlList->GetControl(I);
            if (IsHiddenRow(Item->Y())) continue;
            const int32_t d = DisplRowIndex(Item->Y());
            if (d < Start || d >= Start + Count) continue;
            if (Item->Control()) Item->Control()->Hide();
            FControlList->RemoveControl(I);
        }
    }
    // Footers and the disjunct row selection are parked and come back also on failure.
    const int32_t Footers = FFixedFooters;
    FFixedFooters = 0;
    const bool Floating = FloatingFooterShown();
    if (Floating) {
        BeginUpdate();
        FFloatingFooter->SetVisible(false);
    }
    const bool Disjunct = FMouseActions->DisjunctRowSelect();
    FMouseActions->SetDisjunctRowSelectDirect(false);
    const TOnExit Unpark([&] {
        FMouseActions->SetDisjunctRowSelectDirect(Disjunct);
        if (Floating) {
            FFloatingFooter->SetVisible(true);
            EndUpdate();
        }
        FFixedFooters = Footers;
    });

    const int32_t LastWidth = ColWidths(ColCount() - 1);
    const bool Entered = FEntered;
    FEntered = false;
    BeginUpdate();
    const int32_t OldTop = TopRow();
    const int32_t OldRow = Row();
    const bool RowSelectOff = Options().Contains(goRowSelect) && RowCount() - FixedRows() > 1;
    if (RowSelectOff) SetOptions(Options() - TGridOptions{goRowSelect});
    if (FNumNodes > 0 && Row() < RowCount()) SetCol(FixedCols());

    if (Adjust && NumHiddenRows() > 0) FGridItems->ShownRowsRemoved(TDisplRow{Start}, Count);
    // The block goes to the end in one step; handlers still hear each row's move.
    RotateRows(Start, Start + Count, RowCount());
    if (OnRowMoved)
        for (int32_t I = 0; I < Count; ++I) OnRowMoved(this, Start, RowCount() - 1 - I);
    if (Disjunct && !FMouseActions->RowSelectPersistent()) FRowSelect->DeleteRange(Start, Count);
    SetRowCount(RowCount() - Count);

    if (OldRow < RowCount()) {
        SetRow(OldRow);
        SetTopRow(OldTop);
    } else {
        if (RowCount() > FixedRows()) {
            SetRow(RowCount() - 1);
            if (Row() >= RowCount()) HideSelection();
        } else {
            HideSelection();
        }
        FSelHidden = false;
    }
    SetColWidths(ColCount() - 1, LastWidth);
    EndUpdate();
    FEntered = Entered;

    DoCellsChanged(Rect(0, Start, ColCount() - 1, Start + Count));
    if (TopRow() >= RowCount() - 1) SetTopRow(RowCount() - 1);
    if (Row() >= RowCount() && RowCount() > FixedRows()) {
        FocusCell(FixedCols(), FixedRows());
        if (RowSelectOff) SetOptions(Options() + TGridOptions{goRowSelect});
        HideSelection();
        FSelHidden = false;
    } else if (RowSelectOff) {
        SetOptions(Options() + TGridOptions{goRowSelect});
    }
    if (FNumCellControls > 0) CellControlsUpdate(false);
}

void TExtStringGrid::RotateRowLists(int32_t First, int32_t Middle, int32_t Last)
{
    for (TFlagList* List : {FModifiedRows.get(), FEnabledRows.get(), FRowSelect.get()}) {
        if (!List || List->Count() <= First) continue;
        if (List->Count() < Last) List->SetCount(Last);
        List->Rotate(First, Middle, Last);
    }
}

void TExtStringGrid::InsertRows(int32_t RowIndex, int32_t RCount, bool UpdateCellControls)
{
    // Hidden rows from the real row shown at RowIndex on stay below the rows they followed.
    const bool Shift = RCount > 0 && RowIndex >= 0 && RowIndex <= RowCount() && NumHiddenRows() > 0;
    const int32_t First = Shift ? RealRowIndex(RowIndex) : 0;
    InsertDisplayRows(RowIndex, RCount, UpdateCellControls);
    if (Shift) ShiftHiddenRows(First, RCount);
}

void TExtStringGrid::AddRow()
{
    if (FloatingFooterShown()) {
        InsertRows(RowCount() - 1, 1, true);
        if (FFloatingFooter->FooterStyle() == fsFixedLastRow) ClearRows(RowCount() - 2, 1);
        return;
    }
    InsertRows(RowCount(), 1, true);
    ClearRows(RowCount() - 1, 1);
}

void TExtStringGrid::RemoveRowBlock(int32_t ARow, int32_t ACount)
{
    if (ARow < 0 || ARow >= RowCount() || ACount <= 0) return;
    ACount = std::min(ACount, RowCount() - ARow);
    // Every real column: properties of hidden columns would otherwise stay behind in the moved rows.
    FreeCellPropsRect(0, ARow, TotalColCount() - 1, ARow + ACount - 1);
    DeleteDisplayRows(ARow, ACount, true);
}

void TExtStringGrid::RemoveRows(int32_t RowIndex, int32_t RCount)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (FControlList) {
        const int32_t Below = RealRowIndex(RowIndex + RCount);
        for (int32_t I = 0; I < FControlList->Count(); ++I) {
            TControlItem* Item = FControlList->GetControl(I);
            if (Item->Y() >= Below) Item->SetY(Item->Y() - RCount);
        }
    }
    FreeCellPropsRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
    const int32_t LastWidth = ColWidths(ColCount() - 1);
    const bool Entered = FEntered;
    FEntered = false;
    SelectCell(Col(), Row());
    {
    BeginUpdate();
    const int32_t OldTop = TopRow();
    const int32_t OldRow = Row();
    const bool Floating = FloatingFooterShown();
    const int32_t Footers = FFixedFooters;
    if (Floating) FFloatingFooter->SetVisible(false);
    const TOnExit Restore([&] {
        SetColWidths(ColCount() - 1, LastWidth);
        if (Floating) FFloatingFooter->SetVisible(true);
        FFixedFooters = Footers;
        EndUpdate();
        FEntered = Entered;
    });

    if (NumHiddenRows() > 0) FGridItems->ShownRowsRemoved(TDisplRow{RowIndex}, RCount);
    if (FShowModified->Enabled()) FModifiedRows->DeleteRange(RowIndex, RCount);
    if (FUseEnabledRows) FEnabledRows->DeleteRange(RowIndex, RCount);
    if (FMouseActions->DisjunctRowSelect()) FRowSelect->DeleteRange(RowIndex, RCount);
    // The rows below move up in one pass; the removed ones wait emptied beyond the last row.
    RotateRows(RowIndex, RowIndex + RCount, RowCount());
    EmptyRows(RowCount() - RCount, RCount);
    SetRowCount(RowCount() - RCount);
    if (Row() >= RowCount() && RowCount() > FixedRows()) SetRow(RowCount() - 1);
    FMaxRowCount -= RCount;

    if (OldRow < RowCount() - FFixedFooters) {
        if (!FMouseActions->DisjunctRowSelect()) SetRow(OldRow);
        SetTopRow(OldTop);
    } else {
        if (RowCount() - FFixedFooters > FixedRows()) SetRow(RowCount() - FFixedFooters - 1);
        else HideSelection();
        FSelHidden = false;
    }
    }
    DoCellsChanged(Rect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
    const int32_t Limit = RowCount() + FixedRows() - VisibleRowCount() - 2;
    if (TopRow() >= Limit && RowCount() - VisibleRowCount() - 1 > 0) SetTopRow(Limit);
    if (FNumCellControls > 0) CellControlsUpdate(false);
    UpdateSearchPanel();
}

void TExtStringGrid::RemoveRowsEx(int32_t RowIndex, int32_t RCount)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    const int32_t LastWidth = ColWidths(ColCount() - 1);
    const int32_t OldRow = Row();
    const int32_t OldTop = TopRow();
    BeginUpdate();
    const TOnExit Restore([&] { EndUpdate(); });
    RotateRows(RowIndex, RowIndex + RCount, RowCount());
    if (FMouseActions->DisjunctRowSelect()) FRowSelect->DeleteRange(RowIndex, RCount);
    SetRowCount(RowCount() - RCount);
    FMaxRowCount -= RCount;
    SetColWidths(ColCount() - 1, LastWidth);
    if (OldRow < RowCount()) {
        SetRow(OldRow);
        SetTopRow(OldTop);
    } else if (FixedRows() < RowCount()) {
        SetRow(FixedRows());
        SetTopRow(FixedRows());
    }
    if (NumHiddenRows() > 0) FGridItems->ShownRowsRemoved(TDisplRow{RowIndex}, RCount);
    DoCellsChanged(Rect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
}

void TExtStringGrid::MoveRows(int32_t FromIndex, int32_t ToIndex, int32_t Count)
{
    if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount()) return;
    Count = std::min(Count, RowCount() - FromIndex);
    if (FromIndex + Count < ToIndex) ToIndex -= Count;
    ToIndex = std::min(ToIndex, RowCount() - Count);
    if (ToIndex == FromIndex) return;
    const int32_t OldRow = Row();
    const int32_t OldTop = TopRow();
    // One pass: the block and the rows between change places; texts, objects, heights and the
    // per-row lists go with their rows. Hidden rows keep their real places.
    const int32_t First = std::min(FromIndex, ToIndex);
    const int32_t Last = std::max(FromIndex, ToIndex) + Count;
    const int32_t Middle = FromIndex < ToIndex ? FromIndex + Count : FromIndex;
    RotateRows(First, Middle, Last);
    RotateRowLists(First, Middle, Last);
    if (OldRow < RowCount()) {
        SetRow(OldRow);
        SetTopRow(OldTop);
    }
    DoCellsChanged(Rect(0, FromIndex, ColCount() - 1, FromIndex + Count));
    DoCellsChanged(Rect(0, ToIndex, ColCount() - 1, ToIndex + Count));
}

void TExtStringGrid::MoveRow(int32_t FromIndex, int32_t ToIndex)
{
    TCustomGrid::MoveRow(FromIndex, ToIndex);
    MoveControls(FromIndex, ToIndex, false);
}

void TExtStringGrid::MoveColumn(int32_t FromIndex, int32_t ToIndex)
{
    if (FColumnOrder->Count() == 0) SetColumnOrder();
    TCustomGrid::MoveColumn(FromIndex, ToIndex);
    MoveControls(FromIndex, ToIndex, true);
}

void TExtStringGrid::MoveControls(int32_t From, int32_t To, bool Columns)
{
    if (!FControlList || FControlList->Count() == 0 || From == To) return;
    for (int32_t I = 0; I < FControlList->Count(); ++I) {
        TControlItem* Item = FControlList->GetControl(I);
        const int32_t At = Columns ? Item->X() : Item->Y();
        int32_t New = At;
        if (At == From) New = To;
        else if (To < From && At >= To && At < From) New = At + 1;
        else if (To > From && At > From && At <= To) New = At - 1;
        if (Columns) Item->SetX(New);
        else Item->SetY(New);
    }
    CellControlsUpdate(false);
}
