// TCellProperties: creation values, the setters that repaint the cell, copying, the base cell.
#include "grid/base/BaseGrid.h"

TCellProperties::TCellProperties(TBaseGrid* AOwner, int32_t ACol, int32_t ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow), FWordWrap(AOwner ? AOwner->WordWrap() : true)
{
    if (AOwner) AOwner->FHasCellProps = true;
}

void TCellProperties::RepaintOwnerCell()
{
    if (FOwnerGrid) FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}

void TCellProperties::SetBrushColor(TColor Value)
{
    FBrushColor = Value;
    RepaintOwnerCell();
}

void TCellProperties::SetBrushColorTo(TColor Value)
{
    FBrushColorTo = Value;
    RepaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment Value)
{
    FVAlignment = Value;
    RepaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    RepaintOwnerCell();
}

TPoint TCellProperties::GetBaseCell(int32_t c, int32_t r) const
{
    if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1) return Point(c - FCellSpanX, r - FCellSpanY);
    return Point(c, r);
}

void TCellProperties::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TCellProperties*>(Source);
    if (!From) {
        TPersistent::Assign(Source);
        return;
    }
    FIsBaseCell = From->FIsBaseCell;
    FCellSpanX = From->FCellSpanX;
    FCellSpanY = From->FCellSpanY;
    FOwnerRow = From->FOwnerRow;
    FOwnerCol = From->FOwnerCol;
    FObject = From->FObject;
    FAlignment = From->FAlignment;
    FBorderColor = From->FBorderColor;
    FBorderWidth = From->FBorderWidth;
    FBrushColor = From->FBrushColor;
    FBrushStyle = From->FBrushStyle;
    FFontColor = From->FFontColor;
    FFontStyle = From->FFontStyle;
    FFontName = From->FFontName;
    FFontSize = From->FFontSize;
    FReadOnly = From->FReadOnly;
    FEditor = From->FEditor;
    FVAlignment = From->FVAlignment;
    FWordWrap = From->FWordWrap;
    FNodeLevel = From->FNodeLevel;
    FControl = From->FControl;
}
