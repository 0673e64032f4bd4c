// TExtStringGrid: the row-wide look: brush, gradient end and font colour of every cell of a row.
#include "grid/core/ExtGrid.h"

void TExtStringGrid::SetRowColor(int32_t ARow, TColor Value)
{
    for (int32_t x = FixedCols(); x < AllColCount(); ++x) {
        if (Value == clNone && GetCellType(x, ARow) == ctNone) {
            // A plain graphic goes with the properties that hold it.
            RemoveCellGraphic(x, ARow);
            FreeCellProps(x, ARow);
        } else {
            GetCellProperties(x, ARow)->SetBrushColor(Value);
        }
    }
    RepaintRow(ARow);
}

void TExtStringGrid::SetRowColorTo(int32_t ARow, TColor Value)
{
    for (int32_t x = FixedCols(); x < AllColCount(); ++x) {
        if (Value != clNone) GetCellProperties(x, ARow)->SetBrushColorTo(Value);
        else if (HasCellProperties(x, ARow)) GetCellProperties(x, ARow)->SetBrushColorTo(clNone);
    }
    RepaintRow(ARow);
}

void TExtStringGrid::SetRowFontColor(int32_t ARow, TColor Value)
{
    for (int32_t x = FixedCols(); x < AllColCount(); ++x) {
        if (Value != clNone) {
            GetCellProperties(x, ARow)->SetFontColor(Value);
            continue;
        }
        // Properties that hold a graphic keep it: only bare ones without colour go.
        if (!HasCellProperties(x, ARow)) continue;
        TCellProperties* Props = GetCellProperties(x, ARow);
        if (Props->BrushColor() == clNone && !GraphicObjectOf(Props)) FreeCellProps(x, ARow);
    }
    RepaintRow(ARow);
}
