// TExtStringGrid: stored edits and the base behaviour of the row, column, sort, group,
// footer and exchange operations.
#include "grid/core/ExtGrid.h"

#include "grid/base/GridSettings.h"

#include "rtl/Strings.h"

#include <algorithm>

// ---------------------------------------------------------------------------------------------
// Current cell and edits
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::PasteCellText(int32_t ACol, int32_t ARow, const QString& Value)
{
    SetCellEx(ACol, ARow, Value);
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
    // What the editors show after the check.
    FNewCellText = Value;
    return Valid;
}

bool TExtStringGrid::ValidateCellWide(const QString& NewValue)
{
    bool Valid = true;
    QString Value = NewValue;
    if (OnCellValidateWide) OnCellValidateWide(this, Col(), Row(), Value, Valid);
    FNewCellText = Value;
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
