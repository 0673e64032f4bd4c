// TCustomExtGridDropDown's forwarders of the grid's events: each calls the drop-down's event with the grid's
// arguments; a few block the pop-up's activation around the call or put the column's settings in first.
#include "dropdown/ExtGridDropDown.h"

#include "dropdown/DropDownForm.h"
#include "dropdown/ExtGridDropDownGrid.h"

#include "graphics/GraphicsObjects.h"
#include "grid/core/GridOptions.h"

using namespace GridDropDown;

void TCustomExtGridDropDown::SetBlockActivate(bool Value)
{
    if (DropDownForm()) DropDownForm()->SetBlockActivate(Value);
}

void TCustomExtGridDropDown::WithActivationBlocked(const std::function<void()>& Call)
{
    // A handler may show a window of its own: the pop-up must not close when it loses the activation.
    SetBlockActivate(true);
    try {
        Call();
    } catch (...) {
        SetBlockActivate(false);
        throw;
    }
    SetBlockActivate(false);
}

void TCustomExtGridDropDown::GridAnchorClick(TObject* Sender, int32_t ARow, int32_t ACol, const QString& Anchor, bool& AutoHandle)
{
    WithActivationBlocked([&] {
        if (OnGridAnchorClick) OnGridAnchorClick(Sender, ARow, ACol, Anchor, AutoHandle);
    });
}

void TCustomExtGridDropDown::GridAnchorEnter(TObject* Sender, int32_t ARow, int32_t ACol, const QString& Anchor)
{
    if (OnGridAnchorEnter) OnGridAnchorEnter(Sender, ARow, ACol, Anchor);
}

void TCustomExtGridDropDown::GridAnchorExit(TObject* Sender, int32_t ARow, int32_t ACol, const QString& Anchor)
{
    if (OnGridAnchorExit) OnGridAnchorExit(Sender, ARow, ACol, Anchor);
}

void TCustomExtGridDropDown::GridAnchorHint(TObject* Sender, int32_t ARow, int32_t ACol, QString& Anchor)
{
    if (OnGridAnchorHint) OnGridAnchorHint(Sender, ARow, ACol, Anchor);
}

void TCustomExtGridDropDown::GridButtonClick(TObject* Sender, int32_t ACol, int32_t ARow)
{
    WithActivationBlocked([&] {
        if (OnGridButtonClick) OnGridButtonClick(Sender, ACol, ARow);
    });
}

void TCustomExtGridDropDown::GridCanSort(TObject* Sender, int32_t ACol, bool& DoSort)
{
    if (OnGridCanSort) OnGridCanSort(Sender, ACol, DoSort);
}

void TCustomExtGridDropDown::GridClickSort(TObject* Sender, int32_t ACol)
{
    if (OnGridClickSort) OnGridClickSort(Sender, ACol);
}

void TCustomExtGridDropDown::GridCustomCompare(TObject* Sender, const QString& str1, const QString& str2, int32_t& Res)
{
    if (OnGridCustomCompare) OnGridCustomCompare(Sender, str1, str2, Res);
}

void TCustomExtGridDropDown::GridRawCompare(TObject* Sender, int32_t ACol, int32_t Row1, int32_t Row2, int32_t& Res)
{
    if (OnGridRawCompare) OnGridRawCompare(Sender, ACol, Row1, Row2, Res);
}

void TCustomExtGridDropDown::GridColumnSize(TObject* Sender, int32_t ACol, bool& Allow)
{
    if (OnGridColumnSize) OnGridColumnSize(Sender, ACol, Allow);
}

void TCustomExtGridDropDown::GridColumnSizing(TObject* Sender, int32_t ACol, int32_t ColumnSize)
{
    if (OnGridColumnSizing) OnGridColumnSizing(Sender, ACol, ColumnSize);
}

void TCustomExtGridDropDown::GridEndColumnSize(TObject* Sender, int32_t ACol)
{
    if (OnGridEndColumnSize) OnGridEndColumnSize(Sender, ACol);
}

void TCustomExtGridDropDown::GridRowSize(TObject* Sender, int32_t ARow, bool& Allow)
{
    if (OnGridRowSize) OnGridRowSize(Sender, ARow, Allow);
}

void TCustomExtGridDropDown::GridRowSizing(TObject* Sender, int32_t ARow, int32_t RowSize)
{
    if (OnGridRowSizing) OnGridRowSizing(Sender, ARow, RowSize);
}

void TCustomExtGridDropDown::GridEndRowSize(TObject* Sender, int32_t ARow)
{
    if (OnGridEndRowSize) OnGridEndRowSize(Sender, ARow);
}

void TCustomExtGridDropDown::GridRowMove(TObject* Sender, int32_t ARow, bool& Allow)
{
    if (OnGridRowMove) OnGridRowMove(Sender, ARow, Allow);
}

void TCustomExtGridDropDown::GridRowMoving(TObject* Sender, int32_t ARow, bool& Allow)
{
    if (OnGridRowMoving) OnGridRowMoving(Sender, ARow, Allow);
}

void TCustomExtGridDropDown::GridRowMoved(TObject* Sender, int32_t FromIndex, int32_t ToIndex)
{
    if (OnGridRowMoved) OnGridRowMoved(Sender, FromIndex, ToIndex);
}

void TCustomExtGridDropDown::GridColumnMove(TObject* Sender, int32_t ACol, bool& Allow)
{
    if (OnGridColumnMove) OnGridColumnMove(Sender, ACol, Allow);
}

void TCustomExtGridDropDown::GridColumnMoving(TObject* Sender, int32_t ACol, bool& Allow)
{
    if (OnGridColumnMoving) OnGridColumnMoving(Sender, ACol, Allow);
}

void TCustomExtGridDropDown::GridColumnMoved(TObject* Sender, int32_t FromIndex, int32_t ToIndex)
{
    if (OnGridColumnMoved) OnGridColumnMoved(Sender, FromIndex, ToIndex);
}

void TCustomExtGridDropDown::GridCustomCellDraw(TObject* Sender, TCanvas* Canvas, int32_t ACol, int32_t ARow, TGridDrawState AState, TRect ARect, bool Printing)
{
    if (OnGridCustomCellDraw) OnGridCustomCellDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}

void TCustomExtGridDropDown::GridCustomCellBkgDraw(TObject* Sender, TCanvas* Canvas, int32_t ACol, int32_t ARow, TGridDrawState AState, TRect ARect, bool Printing)
{
    if (OnGridCustomCellBkgDraw) OnGridCustomCellBkgDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}

void TCustomExtGridDropDown::GridCellBalloon(TObject* Sender, int32_t ACol, int32_t ARow, QString& ATitle, QString& AText, int32_t& AIcon)
{
    if (OnGridCellBalloon) OnGridCellBalloon(Sender, ACol, ARow, ATitle, AText, AIcon);
}

void TCustomExtGridDropDown::GridGetAlignment(TObject* Sender, int32_t ARow, int32_t ACol, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (FExtColGrid && ACol >= 0 && ACol < FExtColGrid->Columns()->Count())
        HAlign = FExtColGrid->Columns()->Items(ACol)->Alignment();
    if (OnGridGetAlignment) OnGridGetAlignment(Sender, ARow, ACol, HAlign, VAlign);
}

void TCustomExtGridDropDown::GridGetCellColor(TObject* Sender, int32_t ARow, int32_t ACol, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (FExtColGrid && ABrush && ACol >= 0 && ACol < FExtColGrid->Columns()->Count())
        ABrush->SetColor(FExtColGrid->Columns()->Items(ACol)->Color());
    if (OnGridGetCellColor) OnGridGetCellColor(Sender, ARow, ACol, AState, ABrush, AFont);
}

void TCustomExtGridDropDown::GridGetCellGradient(TObject* Sender, int32_t ARow, int32_t ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)
{
    if (OnGridGetCellGradient) OnGridGetCellGradient(Sender, ARow, ACol, Color, ColorTo, ColorMirror, ColorMirrorTo, GD);
}

void TCustomExtGridDropDown::GridGetFloatFormat(TObject* Sender, int32_t ACol, int32_t ARow, bool& IsFloat, QString& FloatFormat)
{
    FloatFormat.clear();
    if (OnGridGetFloatFormat) OnGridGetFloatFormat(Sender, ACol, ARow, IsFloat, FloatFormat);
}

void TCustomExtGridDropDown::GridGetEditorType(TObject* Sender, int32_t ACol, int32_t ARow, TEditorType& AEditor)
{
    if (OnGridGetEditorType) OnGridGetEditorType(Sender, ACol, ARow, AEditor);
}

void TCustomExtGridDropDown::GridGetEditorProp(TObject* Sender, int32_t ARow, int32_t ACol)
{
    if (OnGridGetEditorProp) OnGridGetEditorProp(Sender, ARow, ACol);
}

void TCustomExtGridDropDown::GridCanEditCell(TObject* Sender, int32_t ARow, int32_t ACol, bool& CanEdit)
{
    if (OnGridCanEditCell) OnGridCanEditCell(Sender, ARow, ACol, CanEdit);
}

void TCustomExtGridDropDown::GridEllipsClick(TObject* Sender, int32_t ACol, int32_t ARow, QString& S)
{
    WithActivationBlocked([&] {
        if (OnGridEllipsClick) OnGridEllipsClick(Sender, ACol, ARow, S);
    });
}

void TCustomExtGridDropDown::GridGetDiplText(TObject* Sender, int32_t ACol, int32_t ARow, QString& Value)
{
    if (OnGridGetDiplText) OnGridGetDiplText(Sender, ACol, ARow, Value);
}

void TCustomExtGridDropDown::GridGetFormat(TObject* Sender, int32_t ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)
{
    if (OnGridGetFormat) OnGridGetFormat(Sender, ACol, AStyle, aPrefix, aSuffix);
}

void TCustomExtGridDropDown::GridHint(TObject* Sender, int32_t ARow, int32_t ACol, QString& hintstr)
{
    if (OnGridHint) OnGridHint(Sender, ARow, ACol, hintstr);
}

void TCustomExtGridDropDown::GridMouseMove(TObject* Sender, TShiftState Shift, int32_t X, int32_t Y)
{
    // The first move after an opening restarts the grid's balloons.
    if (!FBalloonInit) {
        FBalloonInit = true;
        if (FExtColGrid && FExtColGrid->Balloon()->Enable()) {
            FExtColGrid->Balloon()->SetEnable(false);
            FExtColGrid->Balloon()->SetEnable(true);
        }
    }
    if (OnGridMouseMove) OnGridMouseMove(Sender, Shift, X, Y);
}

void TCustomExtGridDropDown::GridMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    if (OnGridMouseDown) OnGridMouseDown(Sender, Button, Shift, X, Y);
}

void TCustomExtGridDropDown::GridMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    if (OnGridMouseUp) OnGridMouseUp(Sender, Button, Shift, X, Y);
}

void TCustomExtGridDropDown::GridKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift)
{
    if (OnGridKeyDown) OnGridKeyDown(Sender, Key, Shift);
}

void TCustomExtGridDropDown::GridKeyUp(TObject* Sender, uint16_t& Key, TShiftState Shift)
{
    if (OnGridKeyUp) OnGridKeyUp(Sender, Key, Shift);
}

void TCustomExtGridDropDown::GridKeyPress(TObject* Sender, QChar& Key)
{
    if (OnGridKeyPress) OnGridKeyPress(Sender, Key);
}

void TCustomExtGridDropDown::GridRightClickCell(TObject* Sender, int32_t ARow, int32_t ACol)
{
    if (OnGridRightClickCell) OnGridRightClickCell(Sender, ARow, ACol);
}

void TCustomExtGridDropDown::GridScrollHint(TObject* Sender, int32_t ARow, QString& hintstr)
{
    if (OnGridScrollHint) OnGridScrollHint(Sender, ARow, hintstr);
}

// Sender is the drop-down.
void TCustomExtGridDropDown::GridTopLeftChanged(TObject*)
{
    if (OnGridTopLeftChanged) OnGridTopLeftChanged(this);
}

void TCustomExtGridDropDown::GridSearchEditChange(TObject* Sender, const QString& Value, bool& DefaultSearch)
{
    if (OnGridSearchEditChange) OnGridSearchEditChange(Sender, Value, DefaultSearch);
}

void TCustomExtGridDropDown::GridSpinClick(TObject* Sender, int32_t ACol, int32_t ARow, int32_t AValue, bool UpDown)
{
    if (OnGridSpinClick) OnGridSpinClick(Sender, ACol, ARow, AValue, UpDown);
}

void TCustomExtGridDropDown::GridAutoAddRow(TObject* Sender, int32_t ARow)
{
    if (OnGridAutoAddRow) OnGridAutoAddRow(Sender, ARow);
}

void TCustomExtGridDropDown::GridInsertRow(TObject* Sender, int32_t ARow)
{
    if (OnGridInsertRow) OnGridInsertRow(Sender, ARow);
}

void TCustomExtGridDropDown::GridInsertCol(TObject* Sender, int32_t ACol)
{
    if (OnGridInsertCol) OnGridInsertCol(Sender, ACol);
}

void TCustomExtGridDropDown::GridDeleteRow(TObject* Sender, int32_t ARow)
{
    if (OnGridDeleteRow) OnGridDeleteRow(Sender, ARow);
}

void TCustomExtGridDropDown::GridCanAddRow(TObject* Sender, bool& CanAdd)
{
    if (OnGridCanAddRow) OnGridCanAddRow(Sender, CanAdd);
}

void TCustomExtGridDropDown::GridCanInsertRow(TObject* Sender, int32_t ARow, bool& CanInsert)
{
    if (OnGridCanInsertRow) OnGridCanInsertRow(Sender, ARow, CanInsert);
}

void TCustomExtGridDropDown::GridCanDeleteRow(TObject* Sender, int32_t ARow, bool& CanDelete)
{
    if (OnGridCanDeleteRow) OnGridCanDeleteRow(Sender, ARow, CanDelete);
}

void TCustomExtGridDropDown::GridCheckBoxClick(TObject* Sender, int32_t ACol, int32_t ARow, bool State)
{
    if (OnGridCheckBoxClick) OnGridCheckBoxClick(Sender, ACol, ARow, State);
}
