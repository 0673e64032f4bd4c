// TExtStringGrid: the column selection flags, selecting row ranges, cell colours and stripped texts.
#include "grid/core/ExtGrid.h"

#include "grid/base/ExtUtil.h"
#include "grid/base/GridSettings.h"

#include "rtl/List.h"

#include <algorithm>

namespace {

void* const Selected = reinterpret_cast<void*>(1);

}  // namespace

bool TExtStringGrid::ColSelect(int32_t ACol)
{
    if (ACol < 0 || ACol >= ColCount()) throw EExtGridError(QStringLiteral("Invalid column accessed"));
    if (FColSelect->Count() < ACol + 1) FColSelect->SetCount(ACol + 1);
    return FColSelect->Items(ACol) != nullptr;
}

void TExtStringGrid::SetColSelect(int32_t ACol, bool Value)
{
    if (ACol < 0 || ACol >= ColCount()) throw EExtGridError(QStringLiteral("Invalid column accessed"));
    if (FColSelect->Count() < ACol + 1) FColSelect->SetCount(ACol + 1);
    const bool Was = FColSelect->Items(ACol) != nullptr;
    if (Was != Value) RepaintCol(ACol);
    FColSelect->SetItems(ACol, Value ? Selected : nullptr);
}

void TExtStringGrid::ClearColSelect()
{
    for (int32_t I = 0; I < FColSelect->Count(); ++I) {
        if (!FColSelect->Items(I)) continue;
        RepaintCol(I);
        FColSelect->SetItems(I, nullptr);
    }
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
    if (FixedCols() > 0) RepaintCol(0);
    FSelChange = false;
}

TColor TExtStringGrid::Colors(int32_t ACol, int32_t ARow) const
{
    const auto* Props = dynamic_cast<const TCellProperties*>(Objects(ACol, ARow));
    return Props ? Props->BrushColor() : clNone;
}

void TExtStringGrid::SetColors(int32_t ACol, int32_t ARow, TColor Value)
{
    GetCellProperties(ACol, ARow)->SetBrushColor(Value);
}

QString TExtStringGrid::GetStrippedCell(int32_t i, int32_t j)
{
    return StrippedCells(i, j);
}
