// TExtStringGrid: reading the outline nodes (node and summary rows, spans, levels, parents).
#include "grid/core/ExtGrid.h"

#include "grid/core/CellGraphic.h"

bool TExtStringGrid::IsNode(int32_t ARow)
{
    return ARow >= 0 && GetCellType(0, ARow) == ctNode;
}

bool TExtStringGrid::IsSummary(int32_t ARow)
{
    return ARow >= 0 && GetCellType(0, ARow) == ctSummary;
}

bool TExtStringGrid::GetNodeState(int32_t ARow)
{
    return IsNode(ARow) && GetCellGraphic(0, ARow)->CellBoolean();
}

int32_t TExtStringGrid::GetNodeLevel(int32_t ARow)
{
    return IsNode(ARow) ? GetCellProperties(0, ARow)->NodeLevel() : -1;
}

int32_t TExtStringGrid::GetNodeSpan(int32_t ARow)
{
    return IsNode(ARow) ? GetCellGraphic(0, ARow)->CellIndex() : -1;
}

int32_t TExtStringGrid::GetSubNodeCount(int32_t ARow)
{
    return IsNode(ARow) ? GetCellGraphic(0, ARow)->CellErrFrom() : 0;
}

int32_t TExtStringGrid::GetParentRow(int32_t ARow)
{
    if (FNumNodes == 0) return -1;
    int32_t Result = -1;
    int32_t Level = 65535;
    if (IsNode(ARow)) {
        Level = GetNodeLevel(ARow);
        Result = ARow;
    }
    int32_t Hidden = 0;
    for (int32_t r = ARow; r >= FixedRows(); --r) {
        if (!IsNode(r) || GetNodeLevel(r) >= Level) continue;
        const int32_t Span = GetNodeSpan(r);
        if (GetNodeState(r)) Hidden += Span - 1;
        if (ARow < r + Span - Hidden) return r;
    }
    return Result;
}

void TExtStringGrid::InsertNormalRow(int32_t ARow)
{
    InsertRows(ARow, 1, true);
}

void TExtStringGrid::InsertChildRow(int32_t ARow, int32_t)
{
    InsertRows(ARow, 1, true);
}

void TExtStringGrid::RemoveNormalRow(int32_t ARow)
{
    RemoveRows(ARow, 1);
}

void TExtStringGrid::RemoveChildRow(int32_t ARow)
{
    RemoveRowBlock(ARow, 1);
}
