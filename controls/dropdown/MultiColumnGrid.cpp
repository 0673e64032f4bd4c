// TExtColGrid: creation, filling from the drop-down, column and row sizes, keys, mouse and wheel.
#include "dropdown/MultiColumnGrid.h"

#include "dropdown/DropDownForm.h"
#include "dropdown/MultiColumnDropDown.h"
#include "dropdown/ScopedFlag.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"
#include "windows/Messages.h"
#include "windows/SystemMetrics.h"

#include <algorithm>

namespace MultiColumn {

TExtColGrid::TExtColGrid(TComponent* AOwner)
    : TStringGrid(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)), FHeaderFont(std::make_unique<TFont>())
{
    SetFixedCols(0);
    SetFixedRows(1);
    SetRowHeights(0, FHeaderHeight);
    SetDefaultDrawing(false);
    SetBorderStyle(bsNone);
    SetCtl3D(false);
    SetParentCtl3D(false);
    TGridOptions Options = this->Options();
    Options.Include(goRowSelect);
    Options.Include(goHorzLine);
    Options.Exclude(goRangeSelect);
    Options.Exclude(goDrawFocusSelected);
    SetOptions(Options);
    TStringGrid::SetGridLineWidth(0);
}

TExtColGrid::~TExtColGrid() = default;

void TExtColGrid::SetHeaderFont(TFont* Value)
{
    FHeaderFont->Assign(Value);
}

void TExtColGrid::SetImages(TCustomImageList* Value)
{
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages) FImages->FreeNotification(this);
}

void TExtColGrid::SetGridLineWidth(int32_t Value)
{
    FGridLineWidth = Value;
    TStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TExtColGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    TStringGrid::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

// ---- Filling ----

void TExtColGrid::UpdateFromDropDown()
{
    if (!FExtDropDown) return;
    TDropDownItems* Items = FExtDropDown->Items();
    FColumns->Assign(FExtDropDown->Columns());
    // A grid keeps at least one column: a list without columns shows one empty one.
    SetColCount(std::max(1, FColumns->Count()));
    SetRowCount(Items->Count() + 1);
    if (Items->Count() > 0) {
        SetFixedRows(1);
        SetRow(1);
    }
    for (int32_t C = 0; C < FColumns->Count(); ++C) SetColWidths(C, FColumns->Items(C)->Width());
    FLineColor = FExtDropDown->LineColor();
    FFixedLineColor = FExtDropDown->FixedLineColor();
    FHeaderColor = FExtDropDown->HeaderColor();
    FHeaderColorTo = FExtDropDown->HeaderColorTo();
    FHeaderHeight = FExtDropDown->HeaderHeight();
    FHeaderFont->Assign(FExtDropDown->HeaderFont());
    SetImages(FExtDropDown->Images());
    // Rows of no height would hide every item: those keep the grid's own height.
    if (FExtDropDown->DropDownRowHeight() > 0) SetDefaultRowHeight(FExtDropDown->DropDownRowHeight());
    SetRowHeights(0, std::max(0, FHeaderHeight));
    TGridOptions Options = this->Options();
    if (FExtDropDown->ColumnSizing())
        Options.Include(goColSizing);
    else
        Options.Exclude(goColSizing);
    SetOptions(Options);
    AutoSizeAllColumns();
    AutoSizeWrappedRows();
}

TCanvas* TExtColGrid::MeasureCanvas() const
{
    auto* Form = dynamic_cast<TDropDownForm*>(Parent());
    return Form ? Form->Canvas() : nullptr;
}

namespace {

// The item's image in a ctImage column, or -1.
int32_t CellImage(const TDropDownColumn* Column, const TDropDownItem* Item, const TCustomImageList* Images)
{
    return Column->ColumnType() == ctImage && Images && Item->ImageIndex() >= 0 ? Item->ImageIndex() : -1;
}

}  // namespace

void TExtColGrid::AutoSizeColumn(int32_t ACol)
{
    TCanvas* Canvas = MeasureCanvas();
    if (!Canvas || !FExtDropDown || ACol < 0 || ACol >= FColumns->Count() || ACol >= ColCount()) return;
    TDropDownColumn* Column = FColumns->Items(ACol);
    const TDropDownItems* Items = FExtDropDown->Items();
    Canvas->Font()->Assign(Column->Font());
    int32_t Widest = 0;
    for (int32_t I = 0; I < Items->Count(); ++I) {
        const TDropDownItem* Item = Items->Items(I);
        const QString Text = Item->Line(ACol);
        int32_t W = Text.isEmpty() ? 0 : Canvas->TextWidth(Text) + 6;
        if (CellImage(Column, Item, FImages) >= 0) W += FImages->Width() + 4;
        Widest = std::max(Widest, W);
    }
    Column->SetWidth(Widest);
    SetColWidths(ACol, Widest);
}

void TExtColGrid::AutoSizeAllColumns()
{
    for (int32_t C = 0; C < FColumns->Count(); ++C)
        if (FColumns->Items(C)->AutoSize()) AutoSizeColumn(C);
}

void TExtColGrid::AutoSizeWrappedRows()
{
    TCanvas* Canvas = MeasureCanvas();
    if (!Canvas || !FExtDropDown) return;
    bool Wraps = false;
    for (int32_t C = 0; C < FColumns->Count(); ++C) Wraps = Wraps || FColumns->Items(C)->Wordwrap();
    if (!Wraps) return;
    const TDropDownItems* Items = FExtDropDown->Items();
    for (int32_t I = 0; I < Items->Count() && I + 1 < RowCount(); ++I) {
        const TDropDownItem* Item = Items->Items(I);
        int32_t Height = 24;
        for (int32_t C = 0; C < FColumns->Count() && C < ColCount(); ++C) {
            const TDropDownColumn* Column = FColumns->Items(C);
            if (!Column->Wordwrap()) continue;
            if (CellImage(Column, Item, FImages) >= 0) Height = std::max(Height, FImages->Height() + 6);
            Canvas->Font()->Assign(Column->Font());
            TRect Measured{0, 0, ColWidths(C), 0};
            DrawText(Canvas->Handle(), Item->Line(C), -1, Measured,
                     DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS);
            Height = std::max(Height, Measured.Height() + 6);
        }
        SetRowHeights(I + 1, Height);
    }
}

int32_t TExtColGrid::GetTotalWidth() const
{
    int32_t Total = 0;
    for (int32_t C = 0; C < ColCount(); ++C) Total += ColWidths(C);
    if (VisibleRowCount() + FixedRows() < RowCount()) Total += GetSystemMetrics(SM_CXVSCROLL);
    return Total;
}

TRect TExtColGrid::GetFullCellRect(int32_t ACol, int32_t ARow) const
{
    const TRect R = CellRect(ACol, ARow);
    return {R.Left, R.Top, R.Left + ColWidths(ACol), R.Top + RowHeights(ARow)};
}

// ---- Keys, mouse and wheel ----

void TExtColGrid::DoSelect()
{
    if (OnSelect) OnSelect(this);
}

void TExtColGrid::KeyDown(uint16_t& Key, TShiftState Shift)
{
    FConfirmSelection = true;
    if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        if (FExtDropDown) FExtDropDown->Perform(WM_KEYDOWN, Key, 0);
        return;
    }
    const uint16_t Pressed = Key;
    TStringGrid::KeyDown(Key, Shift);
    if (Pressed == VK_RETURN) DoSelect();
}

void TExtColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    FConfirmSelection = true;
    TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TExtColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TStringGrid::MouseUp(Button, Shift, X, Y);
    int32_t ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ARow > 0) DoSelect();
}

bool TExtColGrid::WheelStep(bool Down, TShiftState Shift, TPoint MousePos)
{
    const TScopedFlag Wheel(FMouseWheelSelection);
    FConfirmSelection = false;
    return Down ? TStringGrid::DoMouseWheelDown(Shift, MousePos) : TStringGrid::DoMouseWheelUp(Shift, MousePos);
}

bool TExtColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    return WheelStep(true, Shift, MousePos);
}

bool TExtColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    return WheelStep(false, Shift, MousePos);
}

void TExtColGrid::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_KEYDOWN:
        if (Message.WParam == VK_TAB) return;
        break;
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB; return;
    default: break;
    }
    TStringGrid::Dispatch(Message);
}

}  // namespace MultiColumn
