// TCustomExtGridDropDown's pop-up cycle: the grid created with the pop-up, brought up to date and loaded at each
// opening, sized and placed, the selection kept through sorting, picked, confirmed or restored at closing.
#include "dropdown/ExtGridDropDown.h"

#include "dropdown/DropDownForm.h"
#include "dropdown/ExtGridDropDownGrid.h"
#include "dropdown/PopupAppearance.h"
#include "dropdown/ScopedFlag.h"

#include "grid/base/GridSettings.h"
#include "grid/core/SortSettings.h"
#include "rtl/NumConv.h"
#include "windows/SystemMetrics.h"

#include <algorithm>

using namespace GridDropDown;

void TCustomExtGridDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (!DropDownForm()) return;
    if (!FExtColGrid) {
        FExtColGrid = New<TExtColGrid>(this);
        FExtColGrid->SetParent(DropDownForm());
        FExtColGrid->SetExtDropDown(this);
        if (FGridImages) FExtColGrid->SetGridImages(FGridImages);
    }
    FExtColGrid->SetBounds(0, 0, FExtColGrid->Width(), 180);
    FExtColGrid->SetColor(DropDownColor());
    FExtColGrid->SetDoubleBuffered(true);
    FExtColGrid->Navigation()->SetHomeEndKey(heFirstLastRow);
}

void TCustomExtGridDropDown::BeforeDropDown()
{
    // Losing the activation closes the pop-up as confirmed.
    SetCancelOnDeActivate(false);
    TExtColGrid* Grid = FExtColGrid;
    const TScopedFlag Showing(FShowing);
    if (Grid) {
        Grid->UpdateFromDropDown();
        Grid->SetColor(DropDownColor());
        Grid->SortSettings()->SetShow(FSorting != gsNone);
        Grid->SortSettings()->SetIndexShow(FSorting == gsMultiColumn);
        FBalloonInit = false;
        AttachGridEvents();
        Grid->SearchFooter()->Assign(FSearchFooter.get());
        Grid->MouseActions()->Assign(FMouseActions.get());
        Grid->Navigation()->Assign(FNavigation.get());
        Grid->Bands()->Assign(FBands.get());
        TGridOptions Options = Grid->Options();
        Options.Include(goThumbTracking);
        if (FRowSelect)
            Options.Include(goRowSelect);
        else
            Options.Exclude(goRowSelect);
        if (FGridEditable)
            Options.Include(goEditing);
        else
            Options.Exclude(goEditing);
        Grid->SetOptions(Options);
        Grid->SetGridImages(FGridImages);
        Grid->SetComponentStyle(GetComponentStyle());
    }
    if (FUseItems) {
        // OnBeforeDropDown may still fill the items.
        TExtCustomDropDown::BeforeDropDown();
        if (Grid) {
            // Narrowing that is in force applies to the rows loaded now.
            const bool Narrowed = FLookupMethod == lmNarrowDown && !FLookupEntry.trimmed().isEmpty();
            Grid->RemoveAllFilters();
            Grid->SetRowCount(FItems->Count() + 1);
            Grid->SetFixedRows(1);
            LoadItems();
            if (Narrowed) Grid->NarrowDown(FLookupEntry.trimmed(), FLookupColumn);
            const int32_t Row = ItemIndexToRow(FItemIndex);
            if (Row >= Grid->FixedRows() && Row < Grid->RowCount()) Grid->SetRow(Row);
        }
    } else if (Grid && Grid->RowCount() > Grid->FixedRows()) {
        QString Found;
        int32_t Row = -1;
        if (!FindLookupMatch(Text(), Found, Row)) Row = Grid->FixedRows();
        Grid->SetRow(Row);
    }
    if (Grid && Grid->SortSettings()->Column() >= 0 && Grid->SortSettings()->Show()) {
        Grid->QSort();
        // The rows moved: the selected item's row is the current one again.
        if (FUseItems) {
            const int32_t Row = ItemIndexToRow(FItemIndex);
            if (Row >= Grid->FixedRows() && Row < Grid->RowCount()) Grid->SetRow(Row);
        }
    }
    FOldItemIndex = FItemIndex;
    if (!FUseItems) TExtCustomDropDown::BeforeDropDown();
}

void TCustomExtGridDropDown::AttachGridEvents()
{
    TExtColGrid* G = FExtColGrid;
    G->OnAnchorClick = [this](TObject* S, int32_t R, int32_t C, const QString& A, bool& H) {
        GridAnchorClick(S, R, C, A, H);
    };
    G->OnAnchorEnter = [this](TObject* S, int32_t R, int32_t C, const QString& A) { GridAnchorEnter(S, R, C, A); };
    G->OnAnchorExit = [this](TObject* S, int32_t R, int32_t C, const QString& A) { GridAnchorExit(S, R, C, A); };
    G->OnAnchorHint = [this](TObject* S, int32_t R, int32_t C, QString& A) { GridAnchorHint(S, R, C, A); };
    G->OnButtonClick = [this](TObject* S, int32_t C, int32_t R) { GridButtonClick(S, C, R); };
    G->OnColumnSize = [this](TObject* S, int32_t C, bool& Allow) { GridColumnSize(S, C, Allow); };
    G->OnColumnSizing = [this](TObject* S, int32_t C, int32_t Size) { GridColumnSizing(S, C, Size); };
    G->OnEndColumnSize = [this](TObject* S, int32_t C) { GridEndColumnSize(S, C); };
    G->OnRowSize = [this](TObject* S, int32_t R, bool& Allow) { GridRowSize(S, R, Allow); };
    G->OnRowSizing = [this](TObject* S, int32_t R, int32_t Size) { GridRowSizing(S, R, Size); };
    G->OnEndRowSize = [this](TObject* S, int32_t R) { GridEndRowSize(S, R); };
    G->OnRowMove = [this](TObject* S, int32_t R, bool& Allow) { GridRowMove(S, R, Allow); };
    G->OnRowMoving = [this](TObject* S, int32_t R, bool& Allow) { GridRowMoving(S, R, Allow); };
    G->OnRowMoved = [this](TObject* S, int32_t From, int32_t To) { GridRowMoved(S, From, To); };
    G->OnColumnMove = [this](TObject* S, int32_t C, bool& Allow) { GridColumnMove(S, C, Allow); };
    G->OnColumnMoving = [this](TObject* S, int32_t C, bool& Allow) { GridColumnMoving(S, C, Allow); };
    G->OnColumnMoved = [this](TObject* S, int32_t From, int32_t To) { GridColumnMoved(S, From, To); };
    // Custom drawing costs the painter: attached only while the application draws.
    if (OnGridCustomCellDraw)
        G->OnCustomCellDraw = [this](TObject* S, TCanvas* Canvas, int32_t C, int32_t R, TGridDrawState State,
                                     const TRect& Rect, bool Printing) {
            GridCustomCellDraw(S, Canvas, C, R, State, Rect, Printing);
        };
    else
        G->OnCustomCellDraw = nullptr;
    if (OnGridCustomCellBkgDraw)
        G->OnCustomCellBkgDraw = [this](TObject* S, TCanvas* Canvas, int32_t C, int32_t R, TGridDrawState State,
                                        const TRect& Rect, bool Printing) {
            GridCustomCellBkgDraw(S, Canvas, C, R, State, Rect, Printing);
        };
    else
        G->OnCustomCellBkgDraw = nullptr;
    G->OnCellBalloon = [this](TObject* S, int32_t C, int32_t R, QString& Title, QString& Text, int32_t& Icon) {
        GridCellBalloon(S, C, R, Title, Text, Icon);
    };
    G->OnGetAlignment = [this](TObject* S, int32_t R, int32_t C, TAlignment& HA, TVAlignment& VA) {
        GridGetAlignment(S, R, C, HA, VA);
    };
    G->OnGetCellColor = [this](TObject* S, int32_t R, int32_t C, TGridDrawState State, TBrush* Brush, TFont* Font) {
        GridGetCellColor(S, R, C, State, Brush, Font);
    };
    G->OnGetCellGradient = [this](TObject* S, int32_t R, int32_t C, TColor& Color, TColor& ColorTo,
                                  TColor& Mirror, TColor& MirrorTo, TCellGradientDirection& GD) {
        GridGetCellGradient(S, R, C, Color, ColorTo, Mirror, MirrorTo, GD);
    };
    G->OnGetFloatFormat = [this](TObject* S, int32_t C, int32_t R, bool& IsFloat, QString& Format) {
        GridGetFloatFormat(S, C, R, IsFloat, Format);
    };
    G->OnGetEditorType = [this](TObject* S, int32_t C, int32_t R, TEditorType& Editor) {
        GridGetEditorType(S, C, R, Editor);
    };
    G->OnGetEditorPropInt = [this](TObject* S, int32_t R, int32_t C) { GridGetEditorProp(S, R, C); };
    G->OnCanEditCell = [this](TObject* S, int32_t R, int32_t C, bool& CanEdit) { GridCanEditCell(S, R, C, CanEdit); };
    G->OnEllipsClick = [this](TObject* S, int32_t C, int32_t R, QString& Value) { GridEllipsClick(S, C, R, Value); };
    G->OnGetDisplText = [this](TObject* S, int32_t C, int32_t R, QString& Value) { GridGetDiplText(S, C, R, Value); };
    G->OnGetFormat = [this](TObject* S, int32_t C, TSortStyle& Style, QString& Prefix, QString& Suffix) {
        GridGetFormat(S, C, Style, Prefix, Suffix);
    };
    G->OnGridHint = [this](TObject* S, int32_t R, int32_t C, QString& Hint) { GridHint(S, R, C, Hint); };
    G->OnMouseMove = [this](TObject* S, TShiftState Shift, int32_t X, int32_t Y) { GridMouseMove(S, Shift, X, Y); };
    G->OnMouseDown = [this](TObject* S, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
        GridMouseDown(S, Button, Shift, X, Y);
    };
    G->OnMouseUp = [this](TObject* S, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
        GridMouseUp(S, Button, Shift, X, Y);
    };
    G->OnRightClickCell = [this](TObject* S, int32_t R, int32_t C) { GridRightClickCell(S, R, C); };
    G->OnScrollHint = [this](TObject* S, int32_t R, QString& Hint) { GridScrollHint(S, R, Hint); };
    G->OnTopLeftChanged = [this](TObject* S) { GridTopLeftChanged(S); };
    G->OnSearchEditChange = [this](TObject* S, const QString& Value, bool& DefaultSearch) {
        GridSearchEditChange(S, Value, DefaultSearch);
    };
    G->OnAutoAddRow = [this](TObject* S, int32_t R) { GridAutoAddRow(S, R); };
    G->OnAutoInsertRow = [this](TObject* S, int32_t R) { GridInsertRow(S, R); };
    G->OnAutoInsertCol = [this](TObject* S, int32_t C) { GridInsertCol(S, C); };
    G->OnAutoDeleteRow = [this](TObject* S, int32_t R) { GridDeleteRow(S, R); };
    G->OnCanAddRow = [this](TObject* S, bool& CanAdd) { GridCanAddRow(S, CanAdd); };
    G->OnCanInsertRow = [this](TObject* S, int32_t R, bool& CanInsert) { GridCanInsertRow(S, R, CanInsert); };
    G->OnCanDeleteRow = [this](TObject* S, int32_t R, bool& CanDelete) { GridCanDeleteRow(S, R, CanDelete); };
    G->OnCheckBoxClick = [this](TObject* S, int32_t C, int32_t R, bool State) { GridCheckBoxClick(S, C, R, State); };
    G->OnStartBlockFocus = [this](TObject*) { SetBlockActivate(true); };
    G->OnEndBlockFocus = [this](TObject*) { SetBlockActivate(false); };
    G->OnSelect = [this](TObject*) { GridSelect(); };
    G->OnSelectCell = [this](TObject*, int32_t, int32_t ARow, bool&) { GridSelectCell(ARow); };
    // A header click's sort keeps the selected item selected.
    G->OnCanSort = [this](TObject*, int32_t, bool&) { FTempItemIndex = FItemIndex; };
    G->OnClickSort = [this](TObject*, int32_t) {
        if (!FUseItems || !FExtColGrid) return;
        const int32_t Row = ItemIndexToRow(FTempItemIndex);
        if (Row >= FExtColGrid->FixedRows() && Row < FExtColGrid->RowCount()) FExtColGrid->SetRow(Row);
    };
}

void TCustomExtGridDropDown::PlaceDropDownControl()
{
    SetControl(FExtColGrid);
    TExtCustomDropDown::PlaceDropDownControl();
}

void TCustomExtGridDropDown::SizeDropDownForm()
{
    TExtCustomDropDown::SizeDropDownForm();
    if (!FDropDownAutoWidth || !FExtColGrid || !DropDownForm()) return;
    FExtColGrid->SetAlign(alNone);
    FExtColGrid->SetWidth(FExtColGrid->GetTotalWidth());
    DropDownForm()->SetWidth(FExtColGrid->Width() + 2 * DropDownBorderWidth());
    FExtColGrid->SetAlign(alClient);
}

void TCustomExtGridDropDown::AdaptDropDownHeight(int32_t& Height)
{
    // Rows of no height leave the requested height as it is.
    if (FDropDownRowHeight <= 0) return;
    int32_t Parts = 0;
    if (DropDownHeader()->Visible()) Parts += DropDownHeader()->Height();
    if (DropDownFooter()->Visible()) Parts += DropDownFooter()->Height();
    const int32_t Rows = (Height - Parts - FHeaderHeight - 2) / FDropDownRowHeight;
    Height = Parts + FHeaderHeight + 6 + std::max(0, Rows) * FDropDownRowHeight;
}

void TCustomExtGridDropDown::DoShowDropDown()
{
    const TScopedFlag Showing(FShowing);
    TExtCustomDropDown::DoShowDropDown();
    TExtColGrid* Grid = FExtColGrid;
    if (!Grid) return;
    if (!FUseItems)
        while (FColumns->Count() < Grid->ColCount()) FColumns->Add();
    if (!DroppedDown() || !DropDownForm()->Visible()) return;
    SizeColumnsToDropDown();
    const int32_t Visible = Grid->VisibleRowCount();
    if (Visible < Grid->RowCount() - Grid->FixedRows()) {
        const int32_t Row = Grid->Row();
        if (Row >= Grid->TopRow() + Visible || Row < Grid->TopRow()) Grid->SetTopRow(Row);
    }
    FSelRow = Grid->Row();
    Grid->SetTabStop(true);
    if (Grid->CanFocus()) Grid->SetFocus();
}

void TCustomExtGridDropDown::SizeColumnsToDropDown()
{
    if (!FColumnSizeWithDropDown || !FExtColGrid || !DropDownForm()) return;
    TExtColGrid* Grid = FExtColGrid;
    Grid->SetScrollBars(ssVertical);
    const TDropDownColumns* Columns = Grid->Columns();
    int32_t Total = 1;
    for (int32_t C = 0; C < Columns->Count(); ++C) Total += Columns->Items(C)->Width();
    int32_t Avail = DropDownForm()->Width();
    if (Grid->VisibleRowCount() < Grid->RowCount() - Grid->FixedRows()) Avail -= GetSystemMetrics(SM_CXVSCROLL);
    const double Factor = double(Avail) / Total;
    double Carry = 0;
    for (int32_t C = 0; C < Columns->Count() && C < Grid->ColCount(); ++C) {
        const double Exact = Factor * Columns->Items(C)->Width();
        auto Width = static_cast<int32_t>(RoundHalfEven(Exact));
        Carry += Exact - Width;
        if (Carry > 1) {
            Carry -= 1;
            ++Width;
        }
        Grid->SetColWidths(C, Width);
    }
}

void TCustomExtGridDropDown::DropDownSizing()
{
    SizeColumnsToDropDown();
}

void TCustomExtGridDropDown::DoHideDropDown(bool Cancelled)
{
    if (DropDownForm() && DropDownForm()->Visible()) {
        if (Cancelled) {
            SetItemIndex(FOldItemIndex);
        } else {
            if (FExtColGrid && FExtColGrid->ConfirmSelection())
                SetItemIndex(FUseItems ? RowToItemIndex(FSelRow) : FSelRow - FExtColGrid->FixedRows());
            FOldItemIndex = FItemIndex;
        }
        // A confirmation counts for this opening only.
        if (FExtColGrid) FExtColGrid->SetConfirmSelection(false);
    }
    TExtCustomDropDown::DoHideDropDown(Cancelled);
}

// ---- Picking in the open grid ----

void TCustomExtGridDropDown::GridSelectCell(int32_t ARow)
{
    FSelRow = ARow;
    // Filling the grid and wheel steps do not move the selection.
    if (FShowing || !FExtColGrid || FExtColGrid->MouseWheelSelection()) return;
    if (FUseItems) {
        const int32_t Index = RowToItemIndex(ARow);
        if (FTypeAhead)
            FItemIndex = Index;
        else
            SetItemIndex(Index);
        return;
    }
    if (!FTypeAhead) SetText(GridLookupCell(ARow));
    FItemIndex = ARow - FExtColGrid->FixedRows();
}

void TCustomExtGridDropDown::GridSelect()
{
    TExtColGrid* Grid = FExtColGrid;
    if (!Grid) return;
    if (Grid->ConfirmSelection())
        SetItemIndex(FUseItems ? RowToItemIndex(Grid->Row()) : Grid->Row() - Grid->FixedRows());
    if (!FGridEditable) HideDropDown(false);
    if (OnSelect) OnSelect(this);
}
