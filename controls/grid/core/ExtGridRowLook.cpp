// TExtStringGrid: the row-wide look: brush, gradient end and font colour of every cell of a row.
#include "grid/core/ExtGrid.h"

#include "graphics/GraphicsObjects.h"

// clNone resets only the colour: merges, graphics and user objects of the cells stay.
void TExtStringGrid::SetRowColor(int32_t ARow, TColor Value)
{
    for (int32_t x = FixedCols(); x < AllColCount(); ++x) GetCellProperties(x, ARow)->SetBrushColor(Value);
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
        // A cell without a colour of its own takes the font colour a new cell would have.
        if (!HasCellProperties(x, ARow)) continue;
        TCellProperties* Props = GetCellProperties(x, ARow);
        if (Props->BrushColor() != clNone && Props->BrushColor() != Color()) continue;
        Props->SetFontColor(clNone);
        TFont Font;
        TBrush Brush;
        TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
        TAlignment HA = taLeftJustify;
        TVAlignment VA = vtaTop;
        bool WW = WordWrap();
        TCellGradientDirection GD = GradientVertical;
        GetCellDefaults(x, ARow, &Font, &Brush, ColorTo, MirrorColor, MirrorColorTo, HA, VA, WW, GD);
        Props->SetFontColor(Font.Color());
    }
    RepaintRow(ARow);
}
