// TExtStringGrid: the rectangle selection, the disjunct row, column and cell selections, the
// selection's text, the modified and enabled row flags, and the repaint helpers.
#include "grid/core/ExtGrid.h"

#include "grid/core/FlagList.h"

#include "grid/base/ExtUtil.h"
#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/GridOptions.h"

#include "graphics/Bitmap.h"
#include "rtl/List.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace {

quint64 CellKey(int32_t ACol, int32_t ARow)
{
    return (quint64(uint32_t(ACol)) << 32) | uint32_t(ARow);
}

TRect Union(const TRect& A, const TRect& B)
{
    if (A.Width() <= 0 || A.Height() <= 0) return B;
    if (B.Width() <= 0 || B.Height() <= 0) return A;
    return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
            std::max(A.Bottom, B.Bottom)};
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Rectangle selection and the current cell
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SetSelection(const TGridRect& Value)
{
    TBaseGrid::SetSelection(Value);
    if (FActiveCellShow) {
        InvalidateRow(0);
        InvalidateCol(0);
    }
    if (ActiveRowShow()) RepaintRow(Value.Bottom);
}

void TExtStringGrid::SelectCells(int32_t FromCol, int32_t FromRow, int32_t ToCol, int32_t ToRow)
{
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TExtStringGrid::SelectRange(int32_t FromCol, int32_t ToCol, int32_t FromRow, int32_t ToRow)
{
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TExtStringGrid::GotoCell(int32_t ACol, int32_t ARow)
{
    SetRow(ARow);
    SetCol(ACol);
}

void TExtStringGrid::EditCell(int32_t ACol, int32_t ARow)
{
    SetFocus();
    GotoCell(ACol, ARow);
    // The platform grid's editor stands in for the grid's own in-place editors.
    SetEditorMode(true);
}

// ---------------------------------------------------------------------------------------------
// Disjunct rows
// ---------------------------------------------------------------------------------------------

bool TExtStringGrid::RowSelect(int32_t ARow)
{
    if ((ARow >= RowCount() + NumHiddenRows() || ARow < 0) && !FMouseActions->RowSelectPersistent())
        throw EExtGridError(QStringLiteral("Invalid row ") + QString::number(ARow) + QStringLiteral(" accessed"));
    if (FMouseActions->DisjunctRowSelect()) {
        if (FRowSelect->Count() < ARow + 1) FRowSelect->SetCount(ARow + 1);
        return FRowSelect->Flag(ARow);
    }
    const TGridRect S = Selection();
    return ARow >= std::min(S.Top, S.Bottom) && ARow <= std::max(S.Top, S.Bottom);
}

void TExtStringGrid::SetRowSelect(int32_t ARow, bool Value)
{
    if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()))
        throw EExtGridError(QStringLiteral("Invalid row accessed"));
    bool Allow = true;
    if (OnRowDisjunctSelect && (ARow >= FRowSelect->Count() || FRowSelect->Flag(ARow) != Value))
        OnRowDisjunctSelect(this, ARow, Value, Allow);
    if (!Allow) return;
    if (FRowSelect->Count() < ARow + 1) FRowSelect->SetCount(ARow + 1);
    const bool Was = FRowSelect->Flag(ARow);
    if (Value) {
        if (!Was) RepaintRow(ARow);
        FRowSelect->SetFlag(ARow, true);
        if (ARow >= FixedRows() && !FSelectedRows->HasValue(ARow)) FSelectedRows->Add(ARow);
    } else {
        if (Was) RepaintRow(ARow);
        FRowSelect->SetFlag(ARow, false);
        FSelectedRows->DeleteValue(ARow);
    }
    if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

int32_t TExtStringGrid::RowSelectCount()
{
    if (FMouseActions->DisjunctRowSelect()) {
        return FRowSelect->CountSet(std::min(RowCount() + NumHiddenRows(), FRowSelect->Count()));
    }
    const TGridRect S = Selection();
    return std::abs(S.Bottom - S.Top) + 1;
}

int32_t TExtStringGrid::SelectedRowCount()
{
    if (FMouseActions->DisjunctRowSelect()) return FSelectedRows->Count();
    const TGridRect S = Selection();
    const int32_t Bottom = std::min(S.Bottom, RowCount() - FFixedFooters - 1);
    if (IsMergedCell(S.Left, S.Top) && Bottom < S.Top + CellSpan(S.Left, S.Top).Y)
        return CellSpan(S.Left, S.Top).Y + 1;
    int32_t Count = std::abs(S.Top - Bottom) + 1;
    if (IsMergedCell(S.Left, Bottom)) Count += CellSpan(S.Left, Bottom).Y;
    return Count;
}

int32_t TExtStringGrid::SelectedRow(int32_t i)
{
    if (i < 0) return -1;
    if (FMouseActions->DisjunctRowSelect()) return i < FSelectedRows->Count() ? FSelectedRows->GetInteger(i) : -1;
    const TGridRect S = Selection();
    const int32_t First = std::min(S.Top, S.Bottom);
    return First + i <= std::max(S.Top, S.Bottom) ? First + i : -1;
}

void TExtStringGrid::ClearRowSelect()
{
    const std::vector<int32_t> Rows = FRowSelect->SetIndexes();
    for (const int32_t I : Rows) {
        RepaintRow(I);
        FRowSelect->SetFlag(I, false);
    }
    FSelectedRows->Clear();
}

void TExtStringGrid::SelectRows(int32_t RowIndex, int32_t RCount)
{
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (!FMouseActions->DisjunctRowSelect()) {
        SetSelection({FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    } else {
        for (int32_t r = RowIndex; r < RowIndex + RCount; ++r) {
            const int32_t Row = FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r;
            if (Row < RowCount()) SetRowSelect(Row, true);
        }
    }
    if (!FRowIndicator->Empty()) RepaintCol(0);
    FSelChange = false;
}

void TExtStringGrid::UnSelectRows(int32_t RowIndex, int32_t RCount)
{
    if (FMouseActions->DisjunctRowSelect()) {
        RCount = std::min(RCount, RowCount() - RowIndex);
        for (int32_t r = RowIndex; r < RowIndex + RCount; ++r) {
            const int32_t Row = FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r;
            if (Row < RowCount()) SetRowSelect(Row, false);
        }
    }
    FSelChange = false;
}

void TExtStringGrid::SelectionToRowSelect(bool All)
{
    TGridRect S = Selection();
    S.Bottom = std::min(S.Bottom, RowCount() - FFixedFooters - 1);
    for (int32_t a = FixedRows(); a < RowCount(); ++a) {
        const bool Inside = a >= S.Top && a <= S.Bottom;
        if (!Inside && !All) continue;
        SetRowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(a) : a, Inside);
    }
    if (NumHiddenRows() > 0) Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Disjunct columns
// ---------------------------------------------------------------------------------------------

bool TExtStringGrid::ColSelect(int32_t ACol)
{
    if (ACol < 0 || ACol >= ColCount()) throw EExtGridError(QStringLiteral("Invalid column accessed"));
    if (FColSelect->Count() < ACol + 1) FColSelect->SetCount(ACol + 1);
    return FColSelect->Flag(ACol);
}

void TExtStringGrid::SetColSelect(int32_t ACol, bool Value)
{
    if (ACol < 0 || ACol >= ColCount()) throw EExtGridError(QStringLiteral("Invalid column accessed"));
    if (FColSelect->Count() < ACol + 1) FColSelect->SetCount(ACol + 1);
    if (FColSelect->Flag(ACol) != Value) RepaintCol(ACol);
    FColSelect->SetFlag(ACol, Value);
}

int32_t TExtStringGrid::ColSelectCount()
{
    if (FMouseActions->DisjunctColSelect()) return FColSelect->CountSet(FColSelect->Count());
    const TGridRect S = Selection();
    return S.Right - S.Left + 1;
}

int32_t TExtStringGrid::SelectedColCount()
{
    if (FMouseActions->DisjunctColSelect()) return ColSelectCount();
    const TGridRect S = Selection();
    if (IsMergedCell(S.Left, S.Top) && S.Left + CellSpan(S.Left, S.Top).X > S.Right)
        return CellSpan(S.Left, S.Top).X + 1;
    int32_t Count = std::abs(S.Left - S.Right) + 1;
    if (IsMergedCell(S.Right, S.Top)) Count += CellSpan(S.Right, S.Top).X;
    return Count;
}

void TExtStringGrid::ClearColSelect()
{
    const std::vector<int32_t> Cols = FColSelect->SetIndexes();
    for (const int32_t I : Cols) {
        RepaintCol(I);
        FColSelect->SetFlag(I, false);
    }
}

void TExtStringGrid::SelectCols(int32_t ColIndex, int32_t CCount)
{
    if (!FMouseActions->DisjunctColSelect()) {
        SetSelection({ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int32_t c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, true);
}

void TExtStringGrid::UnSelectCols(int32_t ColIndex, int32_t CCount)
{
    if (!FMouseActions->DisjunctColSelect()) return;
    for (int32_t c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, false);
}

void TExtStringGrid::SelectionToColSelect(bool All)
{
    const TGridRect S = Selection();
    for (int32_t c = FixedCols(); c < ColCount(); ++c) {
        const bool Inside = c >= S.Left && c <= S.Right;
        if (Inside || All) SetColSelect(c, Inside);
    }
}

// ---------------------------------------------------------------------------------------------
// Disjunct cells and selection queries
// ---------------------------------------------------------------------------------------------

bool TExtStringGrid::SelectedCells(int32_t i, int32_t j)
{
    if (FMouseActions->DisjunctCellSelect()) return FSelectedCellSet.contains(CellKey(i, j));
    const TGridRect S = Selection();
    return i >= std::min(S.Left, S.Right) && i <= std::max(S.Left, S.Right) && j >= std::min(S.Top, S.Bottom) &&
           j <= std::max(S.Top, S.Bottom);
}

void TExtStringGrid::SetSelectedCells(int32_t i, int32_t j, bool Value)
{
    const quint64 Key = CellKey(i, j);
    const bool Was = FSelectedCellSet.contains(Key);
    if (Value == Was) return;
    if (Value) {
        FSelectedCells.push_back({i, j});
        FSelectedCellSet.insert(Key);
    } else {
        FSelectedCells.erase(std::find(FSelectedCells.begin(), FSelectedCells.end(), TGridCoord{i, j}));
        FSelectedCellSet.remove(Key);
    }
    RepaintCell(i, j);
}

TGridCoord TExtStringGrid::SelectedCell(int32_t i) const
{
    if (i < 0 || i >= static_cast<int32_t>(FSelectedCells.size()))
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(i));
    return FSelectedCells[static_cast<size_t>(i)];
}

int32_t TExtStringGrid::SelectedCellsCount()
{
    if (!FMouseActions->DisjunctCellSelect()) {
        FSelectedCells.clear();
        FSelectedCellSet.clear();
        const TGridRect S = Selection();
        const auto Add = [this](int32_t c, int32_t r) {
            if (FSelectedCellSet.contains(CellKey(c, r))) return;
            FSelectedCells.push_back({c, r});
            FSelectedCellSet.insert(CellKey(c, r));
        };
        if (S.Left == S.Right && S.Top == S.Bottom) {
            Add(Col(), Row());
        } else {
            for (int32_t c = S.Left; c <= S.Right; ++c)
                for (int32_t r = S.Top; r <= S.Bottom; ++r) Add(c, r);
        }
    }
    return static_cast<int32_t>(FSelectedCells.size());
}

void TExtStringGrid::ClearSelectedCells()
{
    SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    FSelectedCells.clear();
    FSelectedCellSet.clear();
    Invalidate();
}

bool TExtStringGrid::IsSelected(int32_t ACol, int32_t ARow)
{
    if (ARow < FixedRows() || ACol < FixedCols()) return false;
    if (FMouseActions->DisjunctCellSelect()) return FSelectedCellSet.contains(CellKey(ACol, ARow));
    if (FMouseActions->DisjunctRowSelect()) return RowFlag(ARow);
    if (FMouseActions->DisjunctColSelect()) return ColSelect(ACol);
    const TGridRect S = Selection();
    return S.Left <= ACol && ACol <= S.Right && S.Top <= ARow && ARow <= S.Bottom;
}

QString TExtStringGrid::SelectedText()
{
    TGridRect S = Selection();
    if (Options().Contains(goRowSelect) && FDragDropSettings->OleEntireRows()) {
        S.Left = 0;
        S.Right = ColCount() - 1;
    }
    std::vector<int32_t> Rows;
    if (FMouseActions->DisjunctRowSelect()) {
        for (int32_t r = FixedRows(); r < RowCount(); ++r)
            if (RowFlag(r)) Rows.push_back(r);
    } else {
        for (int32_t r = S.Top; r <= S.Bottom; ++r) Rows.push_back(r);
    }
    QStringList Lines;
    Lines.reserve(static_cast<qsizetype>(Rows.size()));
    QStringList Cells;
    for (const int32_t r : Rows) {
        Cells.clear();
        for (int32_t c = S.Left; c <= S.Right; ++c) {
            QString Text = GetCellEx(RealColIndex(c), r);
            if (Text.contains(QLatin1String("{\\"))) Text = RichCellPlainText(RealColIndex(c), r);
            if (FExcelClipboardFormat && CountLines(Text, FMultilineCells) > 1) QuoteCSVField(Text);
            Cells.append(Text);
        }
        Lines.append(Cells.join(QLatin1Char('\t')));
    }
    return Lines.join(QStringLiteral("\r\n"));
}

// ---------------------------------------------------------------------------------------------
// Modified and enabled rows
// ---------------------------------------------------------------------------------------------

bool TExtStringGrid::RowModified(int32_t ARow) const
{
    return ARow >= 0 && ARow < FModifiedRows->Count() && FModifiedRows->Flag(ARow);
}

void TExtStringGrid::SetRowModified(int32_t ARow, bool Value)
{
    FModifiedRows->SetFlag(ARow, Value);
    RepaintCell(0, ARow);
}

int32_t TExtStringGrid::ModifiedRowCount() const
{
    return static_cast<int32_t>(FModifiedRows->SetIndexes().size());
}

void TExtStringGrid::ClearModifiedRows()
{
    FModifiedRows->Clear();
    Invalidate();
}

bool TExtStringGrid::RowEnabled(int32_t ARow) const
{
    return ARow < 0 || ARow >= FEnabledRows->Count() || !FEnabledRows->Flag(ARow);
}

void TExtStringGrid::SetRowEnabled(int32_t ARow, bool Value)
{
    // Only a row being disabled gives the current cell away.
    if (!Value && ARow == Row()) {
        for (int32_t r = FixedRows(); r < RowCount(); ++r) {
            if (r == ARow || !RowEnabled(r)) continue;
            SetRow(r);
            break;
        }
    }
    FUseEnabledRows = true;
    FEnabledRows->SetFlag(ARow, !Value);
    RepaintRow(ARow);
}

// ---------------------------------------------------------------------------------------------
// Repaint helpers
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::RepaintRow(int32_t ARow)
{
    if (!HandleAllocated() || ARow < 0) return;
    // Up to the column partly shown after the last whole one, or the last column when all fit.
    const int32_t Last = std::min(LeftCol() + VisibleColCount(), ColCount() - 1);
    const TRect R = Union(TCustomGrid::CellRect(0, ARow), TCustomGrid::CellRect(Last, ARow));
    if (R.Width() > 0 && R.Height() > 0) ::InvalidateRect(Handle(), &R, false);
}

void TExtStringGrid::RepaintCol(int32_t ACol)
{
    if (!HandleAllocated() || ACol < 0) return;
    const int32_t Last = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
    const TRect R = Union(TCustomGrid::CellRect(ACol, TopRow()), TCustomGrid::CellRect(ACol, Last));
    if (R.Width() > 0 && R.Height() > 0) ::InvalidateRect(Handle(), &R, false);
}

void TExtStringGrid::RepaintRect(const TRect& r)
{
    if (r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0 || !HandleAllocated()) return;
    const TRect A = TCustomGrid::CellRect(r.Left, r.Top);
    const TRect B = TCustomGrid::CellRect(std::min(VisibleColCount() + FixedCols(), r.Right), r.Bottom);
    if (A.Width() <= 0 || A.Height() <= 0 || B.Width() <= 0 || B.Height() <= 0) {
        Invalidate();
        return;
    }
    const TRect R = Union(A, B);
    ::InvalidateRect(Handle(), &R, true);
}

void TExtStringGrid::InvalidateGridRect(const TGridRect& r)
{
    if (!HandleAllocated()) return;
    const TRect R = Union(TCustomGrid::CellRect(r.Left, r.Top), TCustomGrid::CellRect(r.Right, r.Bottom));
    if (R.Width() > 0 && R.Height() > 0) ::InvalidateRect(Handle(), &R, false);
}

void TExtStringGrid::RepaintCellAt(int32_t ACol, int32_t ARow)
{
    RepaintCell(DisplColIndex(ACol), ARow);
}
