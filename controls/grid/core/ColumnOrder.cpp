// TExtStringGrid: the column order list (recorded, kept through moves, restored), columns by header
// text and the cells as wide strings.
#include "grid/core/ExtGrid.h"

#include "grid/base/GridSupport.h"
#include "grid/core/KeyOrder.h"

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
    std::vector<int32_t> Keys(static_cast<size_t>(std::min(ColCount(), FColumnOrder->Count())));
    for (size_t I = 0; I < Keys.size(); ++I) Keys[I] = FColumnOrder->GetInteger(static_cast<int32_t>(I));
    MoveIntoKeyOrder(Keys, [this](int32_t From, int32_t To) { MoveColumn(From, To); });
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
