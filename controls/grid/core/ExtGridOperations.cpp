// TExtStringGrid: the current cell's text and the base behaviour of the row, column, sort, group,
// footer and exchange operations.
#include "grid/core/ExtGrid.h"

#include "grid/base/GridSettings.h"

#include "rtl/Strings.h"

#include <algorithm>

// ---------------------------------------------------------------------------------------------
// Current cell and edits
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::StoreEditText(int32_t ACol, int32_t ARow, const QString& Value)
{
    SetCellEx(ACol, ARow, Value);
}

void TExtStringGrid::PasteCellText(int32_t ACol, int32_t ARow, const QString& Value)
{
    SetCellEx(ACol, ARow, Value);
}

QString TExtStringGrid::CurrentCell()
{
    const TPoint Base = BaseCell(RealCol(), Row());
    return GetCellEx(Base.X, Base.Y);
}

void TExtStringGrid::SetCurrentCell(const QString& Value)
{
    const TPoint Base = BaseCell(RealCol(), Row());
    SetCellEx(Base.X, Base.Y, Value);
}

void TExtStringGrid::GetCurrentCellText(QString& Value)
{
    Value = CurrentCell();
}

void TExtStringGrid::SetCurrentCellEditText(const QString& Value)
{
    if (EditorMode() && InplaceEditor()) InplaceEditor()->SetText(Value);
}

void TExtStringGrid::RememberCellValue(int32_t ACol, int32_t ARow)
{
    FOldCol = ACol;
    FOldRow = ARow;
    FOldCellText = GetGridCell(ACol, ARow);
    FOldCellTextWide = FOldCellText;
    FOldModifiedValue = FModified;
}

bool TExtStringGrid::ValidateCell(const QString& NewValue)
{
    bool Valid = true;
    QString Value = NewValue;
    if (OnCellValidate) OnCellValidate(this, Col(), Row(), Value, Valid);
    return Valid;
}

bool TExtStringGrid::ValidateCellWide(const QString& NewValue)
{
    bool Valid = true;
    QString Value = NewValue;
    if (OnCellValidateWide) OnCellValidateWide(this, Col(), Row(), Value, Valid);
    return Valid;
}

TGridRect TExtStringGrid::UsedCells()
{
    return {0, 0, TotalColCount() - 1, RowCount() - 1};
}

bool TExtStringGrid::GetAllowFmtClipboard()
{
    return FNavigation->AllowFmtClipboard();
}

void TExtStringGrid::MarkPastedRowsModified(TPoint, const TGridRect&, TClipOperation) {}

void TExtStringGrid::GotoFirstRow()
{
    if (FixedRows() < RowCount()) SetRow(FixedRows());
}

// ---------------------------------------------------------------------------------------------
// Rows and columns
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AppendRow()
{
    SetRowCount(RowCount() + 1);
}

void TExtStringGrid::RemoveRowBlock(int32_t ARow, int32_t ACount)
{
    ACount = std::min(ACount, RowCount() - ARow);
    if (ARow < 0 || ACount <= 0) return;
    ClearRect(0, ARow, TotalColCount() - 1, ARow + ACount - 1);
    for (int32_t I = 0; I < ACount; ++I) DeleteRow(ARow);
}

void TExtStringGrid::RemoveRows(int32_t RowIndex, int32_t RCount)
{
    const int32_t Before = RowCount();
    RemoveRowBlock(RowIndex, RCount);
    FMaxRowCount -= Before - RowCount();
}

void TExtStringGrid::RemoveRowsEx(int32_t RowIndex, int32_t RCount)
{
    RemoveRows(RowIndex, RCount);
}

void TExtStringGrid::InsertRows(int32_t RowIndex, int32_t RCount, bool)
{
    if (RowIndex < 0 || RCount <= 0) return;
    SetRowCount(RowCount() + RCount);
    for (int32_t I = 0; I < RCount; ++I) MoveRow(RowCount() - 1, RowIndex);
}

void TExtStringGrid::RemoveCols(int32_t ColIndex, int32_t CCount)
{
    CCount = std::min(CCount, ColCount() - ColIndex);
    if (ColIndex < 0 || CCount <= 0) return;
    ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
    for (int32_t I = 0; I < CCount; ++I) DeleteColumn(ColIndex);
}

void TExtStringGrid::InsertCols(int32_t ColIndex, int32_t CCount)
{
    if (ColIndex < 0 || CCount <= 0) return;
    SetColCount(ColCount() + CCount);
    for (int32_t I = 0; I < CCount; ++I) MoveColumn(ColCount() - 1, ColIndex);
}

void TExtStringGrid::TrimRect(int32_t ACol1, int32_t ARow1, int32_t ACol2, int32_t ARow2)
{
    for (int32_t r = ARow1; r <= ARow2; ++r)
        for (int32_t c = ACol1; c <= ACol2; ++c) SetGridCell(c, r, GetGridCell(c, r).trimmed());
}

bool TExtStringGrid::RowMatchesFilter(int32_t)
{
    return true;
}

// ---------------------------------------------------------------------------------------------
// Sorting, grouping, footers and column positions: nothing to do without their settings
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SubGroup(int32_t) {}

void TExtStringGrid::SubUnGroup(int32_t) {}

void TExtStringGrid::Group(int32_t) {}

void TExtStringGrid::UnGroup() {}

void TExtStringGrid::CalcFooter(int32_t) {}

void TExtStringGrid::CalcFloatingFooter(int32_t) {}

void TExtStringGrid::SaveColPositions() {}

void TExtStringGrid::LoadColPositions() {}
