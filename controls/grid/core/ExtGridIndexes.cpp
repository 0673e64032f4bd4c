// TExtStringGrid: the all-cells view, the row
// selection flags, the repaint helpers and the update count.
#include "grid/core/ExtGrid.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/GridItems.h"

#include "rtl/Collection.h"
#include "rtl/List.h"
#include "rtl/Strings.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The flag an entry of a selection list holds.
void* const Selected = reinterpret_cast<void*>(1);

}  // namespace

// ---------------------------------------------------------------------------------------------
// All cells: real column, real row
// ---------------------------------------------------------------------------------------------

QString TExtStringGrid::AllCells(int32_t i, int32_t j)
{
    if (i < 0 || j < 0) return QString();
    if (TStrings* Texts = HiddenRowTexts(j)) {
        QString Value = i < Texts->Count() ? Texts->Strings(i) : QString();
        GetDisplText(i, j, Value);
        return Value;
    }
    return GetCellEx(i, DisplRowIndex(j));
}

void TExtStringGrid::SetAllCells(int32_t i, int32_t j, const QString& Value)
{
    if (i < 0 || j < 0) return;
    if (TStrings* Texts = HiddenRowTexts(j)) {
        while (Texts->Count() <= i) Texts->Add(QString());
        Texts->SetStrings(i, Value);
        return;
    }
    const int32_t Row = DisplRowIndex(j);
    SetCellEx(i, Row, Value);
    if (DisplColIndex(i) != i) RepaintCell(DisplColIndex(i), Row);
}

QString TExtStringGrid::StrippedCells(int32_t i, int32_t j)
{
    return MarkupToPlainText(GetCellEx(i, j));
}

// ---------------------------------------------------------------------------------------------
// Row selection
// ---------------------------------------------------------------------------------------------

bool TExtStringGrid::RowSelect(int32_t ARow)
{
    if ((ARow >= RowCount() + NumHiddenRows() || ARow < 0) && !FMouseActions->RowSelectPersistent())
        throw EExtGridError(QStringLiteral("Invalid row ") + QString::number(ARow) + QStringLiteral(" accessed"));
    if (FMouseActions->DisjunctRowSelect()) {
        while (FRowSelect->Count() < ARow + 1) FRowSelect->Add(nullptr);
        return FRowSelect->Items(ARow) != nullptr;
    }
    const TGridRect S = Selection();
    return ARow >= std::min(S.Top, S.Bottom) && ARow <= std::max(S.Top, S.Bottom);
}

void TExtStringGrid::SetRowSelect(int32_t ARow, bool Value)
{
    if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()))
        throw EExtGridError(QStringLiteral("Invalid row accessed"));
    bool Allow = true;
    if (OnRowDisjunctSelect &&
        (ARow >= FRowSelect->Count() || (FRowSelect->Items(ARow) != nullptr) != Value))
        OnRowDisjunctSelect(this, ARow, Value, Allow);
    if (!Allow) return;
    while (FRowSelect->Count() < ARow + 1) FRowSelect->Add(nullptr);
    const bool Was = FRowSelect->Items(ARow) != nullptr;
    if (Value) {
        if (!Was) RepaintRow(ARow);
        FRowSelect->SetItems(ARow, Selected);
        if (ARow >= FixedRows() && !FSelectedRows->HasValue(ARow)) FSelectedRows->Add(ARow);
    } else {
        if (Was) RepaintRow(ARow);
        FRowSelect->SetItems(ARow, nullptr);
        FSelectedRows->DeleteValue(ARow);
    }
    if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

int32_t TExtStringGrid::RowSelectCount()
{
    if (FMouseActions->DisjunctRowSelect()) {
        const int32_t Last = std::min(RowCount() + NumHiddenRows(), FRowSelect->Count());
        int32_t Count = 0;
        for (int32_t I = 0; I < Last; ++I)
            if (FRowSelect->Items(I)) ++Count;
        return Count;
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

void TExtStringGrid::ClearRowSelect()
{
    for (int32_t I = 0; I < FRowSelect->Count(); ++I) {
        if (!FRowSelect->Items(I)) continue;
        RepaintRow(I);
        FRowSelect->SetItems(I, nullptr);
    }
    FSelectedRows->Clear();
}

// ---------------------------------------------------------------------------------------------
// Repaint helpers
// ---------------------------------------------------------------------------------------------

namespace {

TRect Union(const TRect& A, const TRect& B)
{
    if (A.Width() <= 0 || A.Height() <= 0) return B;
    if (B.Width() <= 0 || B.Height() <= 0) return A;
    return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
            std::max(A.Bottom, B.Bottom)};
}

}  // namespace

void TExtStringGrid::RepaintRow(int32_t ARow)
{
    if (!HandleAllocated() || ARow < 0) return;
    const TRect R = Union(TCustomGrid::CellRect(0, ARow), TCustomGrid::CellRect(LeftCol() + VisibleColCount(), ARow));
    if (R.Width() > 0 && R.Height() > 0) ::InvalidateRect(Handle(), &R, false);
}

void TExtStringGrid::RepaintCol(int32_t ACol)
{
    if (!HandleAllocated() || ACol < 0) return;
    const TRect R =
        Union(TCustomGrid::CellRect(ACol, TopRow()), TCustomGrid::CellRect(ACol, TopRow() + VisibleRowCount()));
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

void TExtStringGrid::RepaintCellAt(int32_t ACol, int32_t ARow)
{
    RepaintCell(DisplColIndex(ACol), ARow);
}

// ---------------------------------------------------------------------------------------------
// Update count
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::BeginUpdate()
{
    if (!Visible()) return;
    ++FUpdateCount;
    if (HandleAllocated()) SendMessage(Handle(), WM_SETREDRAW, 0, 0);
}

void TExtStringGrid::EndUpdate()
{
    // A bracket opened while the grid was visible is closed also when it has been hidden since.
    if (!Visible() && FUpdateCount == 0) return;
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount > 0 || IsDestroying()) return;
    FSelChange = false;
    if (!HandleAllocated()) return;
    SendMessage(Handle(), WM_SETREDRAW, 1, 0);
    ::InvalidateRect(Handle(), nullptr, false);
    PaintWindowBorder();
}

void TExtStringGrid::SetLockUpdate(bool Value)
{
    if (Value) BeginUpdate();
    else EndUpdate();
}
