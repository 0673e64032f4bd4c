// TExtStringGrid: the column order list (recorded, kept through moves, restored), columns by header
// text and the cells as wide strings.
#include "grid/core/ExtGrid.h"

#include "grid/base/GridSupport.h"

#include <algorithm>
#include <numeric>
#include <vector>

void TExtStringGrid::SetColumnOrder()
{
    FColumnOrder->Clear();
    for (int32_t I = 0; I < ColCount(); ++I) FColumnOrder->Add(I);
}

void TExtStringGrid::ColumnMoved(int32_t FromIndex, int32_t ToIndex)
{
    const int32_t n = FColumnOrder->Count();
    if (FromIndex >= 0 && ToIndex >= 0 && FromIndex < n && ToIndex < n && FromIndex != ToIndex) {
        const int32_t Entry = FColumnOrder->GetInteger(FromIndex);
        FColumnOrder->Delete(FromIndex);
        FColumnOrder->Insert(ToIndex, Entry);
    }
    TBaseGrid::ColumnMoved(RealColIndex(FromIndex), RealColIndex(ToIndex));
}

void TExtStringGrid::ResetColumnOrder()
{
    UnHideColumnsAll();
    if (FColumnOrder->Count() == 0) {
        SetColumnOrder();
        return;
    }
    // Stable by entry, ties by position, one move per misplaced column: equal entries (left by
    // inserted columns) end in order instead of being passed round for ever.
    const int32_t n = std::min(ColCount(), FColumnOrder->Count());
    std::vector<int32_t> Order(static_cast<size_t>(n));
    std::iota(Order.begin(), Order.end(), 0);
    std::vector<int32_t> Keys(static_cast<size_t>(n));
    for (int32_t I = 0; I < n; ++I) Keys[static_cast<size_t>(I)] = FColumnOrder->GetInteger(I);
    std::stable_sort(Order.begin(), Order.end(),
                     [&](int32_t A, int32_t B) { return Keys[static_cast<size_t>(A)] < Keys[static_cast<size_t>(B)]; });
    std::vector<int32_t> Layout(static_cast<size_t>(n));
    std::iota(Layout.begin(), Layout.end(), 0);
    for (int32_t p = 0; p < n; ++p) {
        const auto At = std::find(Layout.begin() + p, Layout.end(), Order[static_cast<size_t>(p)]);
        const auto q = static_cast<int32_t>(At - Layout.begin());
        if (q == p) continue;
        MoveColumn(q, p);
        std::rotate(Layout.begin() + p, At, At + 1);
    }
}

int32_t TExtStringGrid::ColumnAtPosition(int32_t APosition)
{
    if (FColumnOrder->Count() == 0) {
        SetColumnOrder();
        if (FColumnOrder->Count() == 0) return APosition;
    }
    const int32_t Entry = FColumnOrder->GetInteger(APosition);
    return FGroupColumn != -1 && Entry >= FGroupColumn ? Entry + 1 : Entry;
}

int32_t TExtStringGrid::ColumnByHeader(const QString& AValue)
{
    for (int32_t c = 0; c < TotalColCount(); ++c)
        if (GetCellEx(c, 0) == AValue) return c;
    return -1;
}

QString TExtStringGrid::WideCells(int32_t ACol, int32_t ARow)
{
    return GetCellEx(ACol, ARow);
}

void TExtStringGrid::SetWideCells(int32_t ACol, int32_t ARow, const QString& Value)
{
    SetCellEx(ACol, ARow, Value);
}
