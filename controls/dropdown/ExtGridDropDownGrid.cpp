// TExtColGrid: creation, item tags, filling from the grid drop-down, column and row sizes, keys, mouse and wheel.
#include "dropdown/ExtGridDropDownGrid.h"

#include "dropdown/DropDownForm.h"
#include "dropdown/ExtGridDropDown.h"
#include "dropdown/ScopedFlag.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"
#include "windows/Messages.h"
#include "windows/SystemMetrics.h"

#include <algorithm>

namespace GridDropDown {

namespace {

// The marker put into a row's column-0 cell.
class TItemTag : public TObject {
public:
    explicit TItemTag(int32_t AIndex) : Index(AIndex) {}
    const int32_t Index;
};

}  // namespace

TExtColGrid::TExtColGrid(TComponent* AOwner)
    : TExtStringGrid(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)), FHeaderFont(std::make_unique<TFont>())
{
    SetFixedCols(0);
    SetFixedRows(1);
    SetFixedRowAlways(true);
    SetBorderStyle(bsNone);
    SetCtl3D(false);
    SetParentCtl3D(false);
    TGridOptions Options = this->Options();
    Options.Include(goRowSelect);
    Options.Include(goHorzLine);
    Options.Exclude(goRangeSelect);
    SetOptions(Options);
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
    TExtStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TExtColGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    TExtStringGrid::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

TObject* TExtColGrid::ItemTag(int32_t Index)
{
    // One tag per index for all grids, kept for the program's life: a cell, also one of a hidden
    // row, never holds a tag that is gone.
    static std::vector<std::unique_ptr<TItemTag>> Tags;
    if (Index < -1) return nullptr;
    const auto Slot = static_cast<size_t>(Index + 1);
    if (Tags.size() <= Slot) Tags.resize(Slot + 1);
    if (!Tags[Slot]) Tags[Slot] = std::make_unique<TItemTag>(Index);
    return Tags[Slot].get();
}

bool TExtColGrid::TagIndex(const TObject* Object, int32_t& Index)
{
    const auto* Tag = dynamic_cast<const TItemTag*>(Object);
    if (!Tag) return false;
    Index = Tag->Index;
    return true;
}

// ---- Filling ----

void TExtColGrid::UpdateFromDropDown()
{
    TCustomExtGridDropDown* D = FExtDropDown;
    if (!D) return;
    FColumns->Assign(D->Columns());
    if (ColCount() < FColumns->Count()) SetColCount(FColumns->Count());
    if (D->UseItems()) SetRowCount(D->Items()->Count() + 1);
    for (int32_t C = 0; C < FColumns->Count(); ++C) SetColWidths(C, FColumns->Items(C)->Width());
    FLineColor = D->LineColor();
    FFixedLineColor = D->FixedLineColor();
    FHeaderColor = D->HeaderColor();
    FHeaderColorTo = D->HeaderColorTo();
    FHeaderHeight = D->HeaderHeight();
    FHeaderFont->Assign(D->HeaderFont());
    SetHoverRow(D->HoverRow());
    SetHoverRowColor(D->HoverRowColor());
    SetHoverRowColorTo(D->HoverRowColorTo());
    SetImages(D->Images());
    // Rows of no height would hide every row: those keep the grid's own height.
    if (D->DropDownRowHeight() > 0) SetDefaultRowHeight(D->DropDownRowHeight());
    SetRowHeights(0, std::max(0, FHeaderHeight));
    TGridOptions Options = this->Options();
    const auto Switch = [&Options](TGridOption Option, bool On) {
        if (On)
            Options.Include(Option);
        else
            Options.Exclude(Option);
    };
    Switch(goColSizing, D->ColumnSizing());
    Switch(goColMoving, D->ColumnMoving());
    Switch(goRowSizing, D->RowSizing());
    Switch(goRowMoving, D->RowMoving());
    SetOptions(Options);
    if (D->AutoSizeColumns()) {
        if (D->UseItems()) {
            for (int32_t C = 0; C < FColumns->Count(); ++C)
                if (FColumns->Items(C)->AutoSize()) AutoSizeColumn(C);
        } else {
            TExtStringGrid::AutoSizeColumns(false, 4);
        }
    }
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

void TExtColGrid::AutoSizeWrappedRows()
{
    TCanvas* Canvas = MeasureCanvas();
    if (!Canvas || !FExtDropDown || !FExtDropDown->UseItems()) return;
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
    if (Key == VK_RETURN) {
        Key = 0;
        DoSelect();
        return;
    }
    TExtStringGrid::KeyDown(Key, Shift);
}

void TExtColGrid::KeyPress(QChar& Key)
{
    if (Key == QChar(13)) {
        Key = QChar();
        return;
    }
    TExtStringGrid::KeyPress(Key);
}

void TExtColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    FConfirmSelection = true;
    TExtStringGrid::MouseDown(Button, Shift, X, Y);
}

void TExtColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TExtStringGrid::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    int32_t ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ARow >= FixedRows() && ACol >= 0 && !HasCheckBox(ACol, ARow)) DoSelect();
}

bool TExtColGrid::WheelStep(bool Down, TShiftState Shift, TPoint MousePos)
{
    const TScopedFlag Wheel(FMouseWheelSelection);
    FConfirmSelection = false;
    return Down ? TExtStringGrid::DoMouseWheelDown(Shift, MousePos) : TExtStringGrid::DoMouseWheelUp(Shift, MousePos);
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
    case WM_CHAR:
        if (Message.WParam == VK_RETURN) return;
        break;
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB; return;
    default: break;
    }
    TExtStringGrid::Dispatch(Message);
}

}  // namespace GridDropDown
