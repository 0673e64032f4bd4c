// TExtStringGrid: dimension setters, header lists, the simple property setters and the services
// of painting and editing the core calls.
#include "grid/core/ExtGrid.h"

#include "grid/base/CellCheck.h"
#include "grid/base/EsgHTMLE.h"
#include "grid/base/ExtUtil.h"
#include "grid/base/GridMarkers.h"
#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/base/PictureContainer.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridItems.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SortSettings.h"

#include "graphics/Bitmap.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"
#include "rtl/Strings.h"
#include "windows/Menus.h"

#include <algorithm>

// ---------------------------------------------------------------------------------------------
// Dimensions
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SetRowCount(int32_t Value)
{
    const int32_t Old = RowCount();
    if (Old == FixedRows() && FFixedRowAlways && FSelHidden) UnHideSelection();
    TCustomGrid::SetRowCount(Value);
    if (FFixedRowAlways && Value > FFixedRowsMin) SetFixedRows(FFixedRowsMin);
    FMaxRowCount = std::max(FMaxRowCount, Value);
    FNormalRowCount = Value;
    RepaintFooterPanel();
    UpdateVertScrollProportional();
    UpdateHorzScrollProportional();
    ApplyScrollBarAlways(false);
    if (FScrollType != ssNormal) RefreshFlatScrollBars();
    // The floating footer's row stays the last row: its cells move whole, the objects with them,
    // over the row they replace, whose cell properties go.
    if (FloatingFooterShown() && Value != Old && Old > 0 && Value > 0) {
        FreeCellPropsRect(0, Value - 1, TotalColCount() - 1, Value - 1);
        for (int32_t c = 0; c < TotalColCount(); ++c) {
            SetCells(c, Value - 1, Cells(c, Old - 1));
            SetObjects(c, Value - 1, Objects(c, Old - 1));
            SetObjects(c, Old - 1, nullptr);
            SetCells(c, Old - 1, QString());
        }
        CalcFooter(-1);
    }
}

void TExtStringGrid::SetColCount(int32_t Value)
{
    TCustomGrid::SetColCount(Value);
    if (FFixedColAlways && Value > FFixedColsMin) SetFixedCols(FFixedColsMin);
    FMaxColCount = std::max(FMaxColCount, Value);
    RepaintFooterPanel();
    SetBounds(Left(), Top(), Width(), Height());
    UpdateHorzScrollProportional();
    UpdateVertScrollProportional();
    ApplyScrollBarAlways(false);
}

int32_t TExtStringGrid::FixedRows() const
{
    const int32_t Value = TCustomGrid::FixedRows();
    return Value == 0 && FFixedRowAlways ? 1 : Value;
}

int32_t TExtStringGrid::FixedCols() const
{
    const int32_t Value = TCustomGrid::FixedCols();
    return Value == 0 && FFixedColAlways ? 1 : Value;
}

void TExtStringGrid::SetCol(int32_t Value)
{
    TCustomGrid::SetCol(Value);
    TStringGrid* Other = FSyncGrid->Grid();
    // The platform setter on the other grid, so that two grids linked both ways do not recurse.
    if (Other && FSyncGrid->SelectionColumn()) Other->TCustomGrid::SetCol(Col());
}

void TExtStringGrid::SetFixedRows(int32_t Value)
{
    if (Value >= RowCount() && FFixedRowAlways) TCustomGrid::SetFixedRows(RowCount() - 1);
    else TCustomGrid::SetFixedRows(Value);
    if (!ComponentState().Contains(csLoading)) FFixedRowsMin = Value;
}

void TExtStringGrid::SetFixedCols(int32_t Value)
{
    if (Value >= ColCount() && FFixedColAlways) TCustomGrid::SetFixedCols(ColCount() - 1);
    else TCustomGrid::SetFixedCols(Value);
    if (!ComponentState().Contains(csLoading)) FFixedColsMin = Value;
}

void TExtStringGrid::SetFixedFooters(int32_t Value)
{
    FFixedFooters = Value;
    Invalidate();
}

void TExtStringGrid::SetFixedRightCols(int32_t Value)
{
    FFixedRightCols = Value;
    Invalidate();
}

void TExtStringGrid::SetFixedRowHeight(int32_t Value)
{
    FFixedRowHeight = Value;
    if (ComponentState().Contains(csLoading)) return;
    if (Value == DefaultRowHeight()) SetDefaultRowHeight(Value);
    else
        for (int32_t I = 0; I < TCustomGrid::FixedRows(); ++I) SetRowHeights(I, Value);
}

void TExtStringGrid::SetFixedColWidth(int32_t Value)
{
    if (ComponentState().Contains(csLoading) || Value == DefaultColWidth()) return;
    for (int32_t I = 0; I < TCustomGrid::FixedCols(); ++I) SetColWidths(I, Value);
}

void TExtStringGrid::SetDefaultRowHeight(int32_t Value)
{
    TCustomGrid::SetDefaultRowHeight(Value);
    if (Designing()) FFixedRowHeight = Value;
    if (FFloatingFooter) FFloatingFooter->SetHeight(Value);
}

void TExtStringGrid::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    FWordWrapEx = Value;
    if (FUpdateCount == 0) Invalidate();
}

void TExtStringGrid::SetScrollBars(TScrollStyle Value)
{
    FScrollBars = Value;
    TCustomGrid::SetScrollBars(Value);
}

void TExtStringGrid::SetScrollBarAlways(TScrollBarAlways Value)
{
    FScrollBarAlways = Value;
    ApplyScrollBarAlways(true);
}

void TExtStringGrid::SetCursor(TCursor Value)
{
    TBaseGrid::SetCursor(Value);
    FOldCursor = Value;
}

// ---------------------------------------------------------------------------------------------
// Header lists
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::ShowColumnHeaders()
{
    if (FixedRows() <= 0 || !FColumnHeaders) return;
    for (int32_t I = 0; I < FColumnHeaders->Count() && I < TotalColCount(); ++I)
        SetCellEx(I, 0, UnescapeLineBreaks(FColumnHeaders->Strings(I)));
}

void TExtStringGrid::ShowRowHeaders()
{
    if (FixedCols() <= 0 || !FRowHeaders) return;
    for (int32_t I = 0; I < FRowHeaders->Count() && I < RowCount(); ++I)
        SetCellEx(0, I, UnescapeLineBreaks(FRowHeaders->Strings(I)));
}

void TExtStringGrid::SetColumnHeaders(TStrings* Value)
{
    FColumnHeaders->Assign(Value);
    if (FixedRows() > 0) ClearColumnHeaders();
    ShowColumnHeaders();
}

void TExtStringGrid::SetRowHeaders(TStrings* Value)
{
    FRowHeaders->Assign(Value);
    if (Designing() && FixedCols() > 0) ClearRowHeaders();
    ShowRowHeaders();
}

void TExtStringGrid::SetLookupItems(TStrings* Value)
{
    if (Value) FLookupItems->Assign(Value);
}

void TExtStringGrid::MergedColumnsChanged()
{
    for (int32_t c = 0; c < ColCount(); ++c) SplitColumnCells(c);
    for (int32_t I = 0; I < FMergedColumns->Count(); ++I) MergeColumnCells(FMergedColumns->GetInteger(I), I == 0);
}

void TExtStringGrid::ClearColumnHeaders()
{
    for (int32_t I = 0; I < ColCount() && RowCount() > 0; ++I) SetCellEx(I, 0, QString());
}

void TExtStringGrid::ClearRowHeaders()
{
    for (int32_t I = 0; I < RowCount() && ColCount() > 0; ++I) SetCellEx(0, I, QString());
}

// ---------------------------------------------------------------------------------------------
// Simple setters
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SetFixedFont(TFont* Value)
{
    FFixedFont->Assign(Value);
    Invalidate();
}

void TExtStringGrid::SetActiveCellFont(TFont* Value)
{
    FActiveCellFont->Assign(Value);
    Invalidate();
}

void TExtStringGrid::SetShowModified(TShowModified* Value)
{
    FShowModified->Assign(Value);
}

void TExtStringGrid::SetBalloon(TBalloonSettings* Value)
{
    FBalloonSettings->Assign(Value);
}

void TExtStringGrid::SetProgressAppearance(TGridProgressAppearance* Value)
{
    FProgressAppearance->Assign(Value);
}

void TExtStringGrid::SetDragScrollOptions(TDragScrollOptions* Value)
{
    FDragScrollOptions->Assign(Value);
}

void TExtStringGrid::SetSortSettings(TSortSettings* Value)
{
    FSortSettings->Assign(Value);
}

void TExtStringGrid::SetFocusHelper(TFocusHelper* Value)
{
    FFocusHelper->Assign(Value);
}

void TExtStringGrid::SetRowIndicator(TBitmap* Value)
{
    FRowIndicator->Assign(Value);
    RepaintCell(0, Row());
}

void TExtStringGrid::SetBackGround(TBackGround* Value)
{
    FBackGround->Assign(Value);
    Invalidate();
}

void TExtStringGrid::SetHighlightColor(TColor Value)
{
    if (FHighlightColor == Value) return;
    FHighlightColor = Value;
    SetMarkupHighlightColors(FHighlightColor, FHighLightTextColor);
    Invalidate();
}

void TExtStringGrid::SetHighlightTextColor(TColor Value)
{
    if (FHighLightTextColor == Value) return;
    FHighLightTextColor = Value;
    SetMarkupHighlightColors(FHighlightColor, FHighLightTextColor);
    Invalidate();
}

void TExtStringGrid::SetXYOffset(TPoint Value)
{
    FXYOffset = Value;
    Invalidate();
}

void TExtStringGrid::UpdateXYOffset(int32_t X, int32_t Y)
{
    FXYOffset.X = X;
    FXYOffset.Y = Y;
}

TColor TExtStringGrid::ArrowColor() const
{
    return ArwU ? ArwU->Color() : clNone;
}

void TExtStringGrid::SetArrowColor(TColor Value)
{
    for (TArrowWindow* Arrow : {ArwU, ArwD, ArwL, ArwR})
        if (Arrow) Arrow->SetColor(Value);
}

void TExtStringGrid::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    if (Value && !ComponentState().Contains(csLoading)) AutoSizeColumns(false, 10);
}

void TExtStringGrid::SetSpreadSheet(bool Value)
{
    // Whatever the value, the grid takes the spreadsheet's way of selecting and editing.
    FSpreadSheet = Value;
    SetSelectionRectangle(true);
    SetSelectionResizer(true);
    FNavigation->SetAllowSmartClipboard(true);
    TGridOptions Opts = Options();
    Opts.Include(goRangeSelect);
    Opts.Include(goEditing);
    SetOptions(Opts);
    FMouseActions->SetRangeSelectAndEdit(true);
}

void TExtStringGrid::SetActiveCellShow(bool Value)
{
    FActiveCellShow = Value;
    Invalidate();
}

void TExtStringGrid::SetActiveCellColor(TColor Value)
{
    FActiveCellColor = Value;
    Invalidate();
}

void TExtStringGrid::SetActiveCellColorTo(TColor Value)
{
    FActiveCellColorTo = Value;
    Invalidate();
}

void TExtStringGrid::SetAutoNumAlign(bool Value)
{
    StoreAndInvalidate(FAutoNumAlign, Value);
}

void TExtStringGrid::SetAutoThemeAdapt(bool Value)
{
    if (FAutoThemeAdapt == Value) return;
    FAutoThemeAdapt = Value;
    FSearchFooter->SetAutoThemeAdapt(Value);
    if (Value) {
        FollowOfficeTheme();
        Invalidate();
    }
    if (!Designing() && HandleAllocated() && !ComponentState().Contains(csLoading)) {
        if (Value) GetThemeNotifier(this)->RegisterWindow(Handle());
        else GetThemeNotifier(this)->UnRegisterWindow(Handle());
    }
}

void TExtStringGrid::SetBorderColor(TColor Value)
{
    if (FBorderColor == Value) return;
    FBorderColor = Value;
    if (Parent() && Parent()->HandleAllocated()) PaintWindowBorder();
}

void TExtStringGrid::SetDefaultAlignment(TAlignment Value)
{
    StoreAndInvalidate(FDefaultAlignment, Value);
}

void TExtStringGrid::SetDisabledFontColor(TColor Value)
{
    StoreAndInvalidate(FDisabledFontColor, Value);
}

void TExtStringGrid::SetEnableHTML(bool Value)
{
    StoreAndInvalidate(FEnableHTML, Value);
}

void TExtStringGrid::SetFilterDropDownAuto(bool Value)
{
    StoreAndInvalidate(FFilterDropDownAuto, Value);
}

void TExtStringGrid::SetFilterDropDownColumns(TFilterDropDownColumns Value)
{
    StoreAndInvalidate(FFilterDropDownColumns, Value);
}

void TExtStringGrid::SetFilterDropDownRow(int32_t Value)
{
    // Only a fixed row shows the filter buttons.
    if (Value >= FixedRows()) return;
    StoreAndInvalidate(FFilterRow, Value);
}

void TExtStringGrid::SetFixedAsButtons(bool Value)
{
    StoreAndInvalidate(FFixedAsButtons, Value);
}

void TExtStringGrid::SetFlat(bool Value)
{
    FFlat = Value;
    if (!ComponentState().Contains(csLoading)) Invalidate();
}

void TExtStringGrid::SetHideFocusRect(bool Value)
{
    StoreAndInvalidate(FHideFocusRect, Value);
}

void TExtStringGrid::SetIntegralHeight(bool Value)
{
    FIntegralHeight = Value;
    SetBounds(Left(), Top(), Width(), Height());
}

void TExtStringGrid::SetSelectionColor(TColor Value)
{
    StoreAndInvalidate(FSelectionColor, Value);
}

void TExtStringGrid::SetSelectionColorTo(TColor Value)
{
    StoreAndInvalidate(FSelectionColorTo, Value);
}

void TExtStringGrid::SetSelectionColorMixer(bool Value)
{
    StoreAndInvalidate(FSelectionColorMixer, Value);
}

void TExtStringGrid::SetSelectionColorMixerFactor(int32_t Value)
{
    StoreAndInvalidate(FSelectionColorMixerFactor, std::clamp(Value, 0, 100));
}

void TExtStringGrid::SetSelectionMirrorColor(TColor Value)
{
    StoreAndInvalidate(FSelectionMirrorColor, Value);
}

void TExtStringGrid::SetSelectionMirrorColorTo(TColor Value)
{
    StoreAndInvalidate(FSelectionMirrorColorTo, Value);
}

void TExtStringGrid::SetSelectionRectangle(bool Value)
{
    StoreAndInvalidate(FSelectionRectangle, Value);
}

void TExtStringGrid::SetSelectionResizer(bool Value)
{
    StoreAndInvalidate(FSelectionResizer, Value);
}

void TExtStringGrid::SetSelectionTextColor(TColor Value)
{
    StoreAndInvalidate(FSelectionTextColor, Value);
}

void TExtStringGrid::SetShowSelection(bool Value)
{
    if (FShowSelection == Value) return;
    FShowSelection = Value;
    FShowSel = Value;
    Invalidate();
}

void TExtStringGrid::SetValidChars(const QString& Value)
{
    FValidChars = Value;
    FValidCharSet.clear();
    for (QChar Ch : Value) FValidCharSet.insert(Ch);
}

void TExtStringGrid::SetVAlignment(TVAlignment Value)
{
    FVAlignment = Value;
    FVAlign = Value == vtaCenter ? 4u : Value == vtaBottom ? 8u : 0u;
    if (FUpdateCount == 0) Invalidate();
}

void TExtStringGrid::SetPictureContainer(TPictureContainer* Value)
{
    if (FContainer) FContainer->RemoveFreeNotification(this);
    FContainer = Value;
    if (Value) Value->FreeNotification(this);
    Invalidate();
}

void TExtStringGrid::SetCellChecker(TExtStringGridCheck* Value)
{
    if (FCellChecker) FCellChecker->RemoveFreeNotification(this);
    FCellChecker = Value;
    if (Value) Value->FreeNotification(this);
}

void TExtStringGrid::SetFixedDropDownMenu(TPopupMenu* Value)
{
    if (FFixedDropDownMenu) FFixedDropDownMenu->RemoveFreeNotification(this);
    FFixedDropDownMenu = Value;
    if (Value) Value->FreeNotification(this);
}

// ---------------------------------------------------------------------------------------------
// Services of painting and editing
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::CellControlsUpdate(bool)
{
    if (!HandleAllocated() || FNumCellControls == 0) return;
}

void TExtStringGrid::InitOrigColSizes()
{
    FOrigColSizes->Clear();
    for (int32_t I = 0; I < ColCount(); ++I) FOrigColSizes->Add(ColWidths(I));
    FOldSize = ClientWidth();
}

