// TExtMultiColumnDropDown: construction, properties, copying, ItemIndex and stepping, looks, and the pop-up cycle with its list.
#include "dropdown/MultiColumnDropDown.h"

#include "dropdown/ColumnStyleLooks.h"
#include "dropdown/DropDownForm.h"
#include "dropdown/MultiColumnGrid.h"
#include "dropdown/PopupAppearance.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/NumConv.h"
#include "windows/SystemMetrics.h"

#include <algorithm>

using namespace MultiColumn;

TExtMultiColumnDropDown::TExtMultiColumnDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FItems(std::make_unique<TDropDownItems>(this)),
      FColumns(std::make_unique<TDropDownColumns>(this)), FHeaderFont(std::make_unique<TFont>())
{
}

TExtMultiColumnDropDown::~TExtMultiColumnDropDown() = default;

void TExtMultiColumnDropDown::AfterConstruction()
{
    // The base applies its presets through this class's overrides; its own defaults come after.
    TExtCustomDropDown::AfterConstruction();
    FHeaderColor = clWhite;
    FHeaderColorTo = RGB(128, 128, 128);
    TFont Plain;
    FHeaderFont->Assign(&Plain);
    FSelectionTextColor = clBlack;
    SetDropDownColor(clWhite);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    SetSelectionColorStyle(scOffice2007);
}

void TExtMultiColumnDropDown::Loaded()
{
    TExtCustomDropDown::Loaded();
    UpdateLookupItems();
}

void TExtMultiColumnDropDown::Assign(TPersistent* Source)
{
    TExtCustomDropDown::Assign(Source);
    auto* From = dynamic_cast<TExtMultiColumnDropDown*>(Source);
    if (!From) return;
    FCaseSensitive = From->FCaseSensitive;
    FDropDownAutoWidth = From->FDropDownAutoWidth;
    FDropDownRowHeight = From->FDropDownRowHeight;
    FLineColor = From->FLineColor;
    FFixedLineColor = From->FFixedLineColor;
    FColumnSizing = From->FColumnSizing;
    FColumnSizeWithDropDown = From->FColumnSizeWithDropDown;
    FColumns->Assign(From->FColumns.get());
    FHeaderColor = From->FHeaderColor;
    FHeaderColorTo = From->FHeaderColorTo;
    FHeaderHeight = From->FHeaderHeight;
    FHeaderFont->Assign(From->FHeaderFont.get());
    FLookupColumn = From->FLookupColumn;
    FSelectionTextColor = From->FSelectionTextColor;
    FItems->Assign(From->FItems.get());
    SetItemIndex(From->FItemIndex);
}

void TExtMultiColumnDropDown::SetColumns(TDropDownColumns* Value)
{
    FColumns->Assign(Value);
}

void TExtMultiColumnDropDown::SetItems(TDropDownItems* Value)
{
    FItems->Assign(Value);
}

void TExtMultiColumnDropDown::SetHeaderFont(TFont* Value)
{
    FHeaderFont->Assign(Value);
}

// ---- Items and the selection ----

int32_t TExtMultiColumnDropDown::GetItemIndex(const QString& Value) const
{
    return FItems->IndexInColumn(FLookupColumn, Value);
}

int32_t TExtMultiColumnDropDown::RowCount() const
{
    return FItems->Count();
}

void TExtMultiColumnDropDown::SetItemIndex(int32_t Value)
{
    if (Value >= FItems->Count()) return;
    FItemIndex = Value;
    if (Value >= 0 && FLookupColumn >= 0)
        SetText(FItems->Items(Value)->Line(FLookupColumn));
    else
        SetText(QString());
}

void TExtMultiColumnDropDown::SelectFirst()
{
    if (FItems->Count() > 0) SetItemIndex(0);
}

void TExtMultiColumnDropDown::SelectLast()
{
    if (FItems->Count() > 0) SetItemIndex(FItems->Count() - 1);
}

void TExtMultiColumnDropDown::SelectNext()
{
    if (FItems->Count() == 0) return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex + 1 < FItems->Count())
        SetItemIndex(FItemIndex + 1);
}

void TExtMultiColumnDropDown::SelectPrevious()
{
    if (FItems->Count() == 0) return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex > 0)
        SetItemIndex(FItemIndex - 1);
}

void TExtMultiColumnDropDown::SelectNextPage()
{
    if (FItems->Count() == 0) return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else
        SetItemIndex(std::min(FItemIndex + 10, FItems->Count() - 1));
}

void TExtMultiColumnDropDown::SelectPreviousPage()
{
    if (FItems->Count() == 0) return;
    SetItemIndex(FItemIndex < 0 || FItemIndex - 10 < 0 ? 0 : FItemIndex - 10);
}

// ---- Looks ----

void TExtMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    switch (Value) {
    case scOffice2007:
        FLineColor = RGB(235, 237, 241);
        FFixedLineColor = RGB(164, 187, 209);
        break;
    case scWindowsVista:
    case scWindows7:
        FLineColor = RGB(240, 236, 236);
        FFixedLineColor = RGB(209, 210, 212);
        break;
    case scCustom: break;
    }
    TExtCustomDropDown::SetSelectionColorStyle(Value);
}


void TExtMultiColumnDropDown::SetComponentStyle(TVyxStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    const TColumnStyleLook* Look = FindColumnStyleLook(AStyle);
    if (!Look) return;
    FHeaderColor = Look->Header;
    FHeaderColorTo = Look->HeaderTo;
    if (Look->HeaderFont != TColumnStyleLook::Keep) FHeaderFont->SetColor(Look->HeaderFont);
    SetSelectionColorStyle(Look->Selection);
    FLineColor = Look->Line;
    FFixedLineColor = Look->FixedLine;
    if (Look->SelectionColor != TColumnStyleLook::Keep) {
        SetSelectionColor(Look->SelectionColor);
        SetSelectionColorTo(Look->SelectionColor);
    }
    FSelectionTextColor = Look->SelectionText;
}

// ---- The pop-up ----

void TExtMultiColumnDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (!DropDownForm() || FExtColGrid) return;
    FExtColGrid = New<TExtColGrid>(this);
    FExtColGrid->SetParent(DropDownForm());
    FExtColGrid->SetExtDropDown(this);
    FExtColGrid->SetBounds(0, 0, FExtColGrid->Width(), 180);
    FExtColGrid->SetColor(DropDownColor());
    FExtColGrid->SetDoubleBuffered(true);
}

void TExtMultiColumnDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    // Losing the activation keeps what the list shows.
    SetCancelOnDeActivate(false);
    FShowing = true;
    if (!FExtColGrid) return;
    FExtColGrid->UpdateFromDropDown();
    TGridOptions Options = FExtColGrid->Options();
    Options.Include(goThumbTracking);
    FExtColGrid->SetOptions(Options);
    FExtColGrid->SetColor(DropDownColor());
    FExtColGrid->OnSelectCell = [this](TObject*, int32_t, int32_t ARow, bool&) { GridSelectCell(ARow); };
    FExtColGrid->OnSelect = [this](TObject*) { GridSelect(); };
    ShowItemRow(FItemIndex);
    FOldItemIndex = FItemIndex;
}

void TExtMultiColumnDropDown::ShowItemRow(int32_t Index)
{
    const int32_t Rows = FExtColGrid->RowCount();
    if (Rows < 2) return;
    FExtColGrid->SetRow(Index >= 0 && Index + 1 < Rows ? Index + 1 : 1);
}

void TExtMultiColumnDropDown::SizeDropDownForm()
{
    TExtCustomDropDown::SizeDropDownForm();
    if (!FDropDownAutoWidth || !FExtColGrid || !DropDownForm()) return;
    FExtColGrid->SetAlign(alNone);
    FExtColGrid->SetWidth(FExtColGrid->GetTotalWidth());
    DropDownForm()->SetWidth(FExtColGrid->Width() + 2 * DropDownBorderWidth());
    FExtColGrid->SetAlign(alClient);
}

void TExtMultiColumnDropDown::PlaceDropDownControl()
{
    SetControl(FExtColGrid);
    TExtCustomDropDown::PlaceDropDownControl();
}

void TExtMultiColumnDropDown::AdaptDropDownHeight(int32_t& Height)
{
    // Rows of no height leave the requested height as it is.
    if (FDropDownRowHeight <= 0) return;
    int32_t Rest = Height;
    int32_t Extra = 0;
    const auto Take = [&](int32_t Part) {
        Rest -= Part;
        Extra += Part;
    };
    if (DropDownHeader()->Visible()) Take(DropDownHeader()->Height());
    if (DropDownFooter()->Visible()) Take(DropDownFooter()->Height());
    Take(FHeaderHeight + 2);
    Height = Extra + Rest / FDropDownRowHeight * FDropDownRowHeight;
}

void TExtMultiColumnDropDown::DoShowDropDown()
{
    TExtCustomDropDown::DoShowDropDown();
    if (FExtColGrid && DroppedDown()) {
        SizeColumnsToDropDown();
        if (FExtColGrid->RowCount() > 1) {
            ShowItemRow(FItemIndex);
            const int32_t Row = FExtColGrid->Row();
            const TRect Cell = FExtColGrid->GetFullCellRect(0, Row);
            if (Cell.Left <= 0 && Cell.Top <= 0) FExtColGrid->SetTopRow(Row - FExtColGrid->VisibleRowCount() + 1);
        }
    }
    FShowing = false;
}

void TExtMultiColumnDropDown::SizeColumnsToDropDown()
{
    if (!FColumnSizeWithDropDown || !FExtColGrid || !DropDownForm()) return;
    FExtColGrid->SetScrollBars(ssVertical);
    const TDropDownColumns* Columns = FExtColGrid->Columns();
    int32_t Total = 1;
    for (int32_t C = 0; C < Columns->Count(); ++C) Total += Columns->Items(C)->Width();
    int32_t Avail = DropDownForm()->Width();
    if (FExtColGrid->VisibleRowCount() < FExtColGrid->RowCount() - FExtColGrid->FixedRows())
        Avail -= GetSystemMetrics(SM_CXVSCROLL);
    const double Factor = double(Avail) / Total;
    double Carry = 0;
    for (int32_t C = 0; C < Columns->Count() && C < FExtColGrid->ColCount(); ++C) {
        const double Exact = Factor * Columns->Items(C)->Width();
        auto Width = static_cast<int32_t>(RoundHalfEven(Exact));
        Carry += Exact - Width;
        if (Carry > 1) {
            Carry -= 1;
            ++Width;
        }
        FExtColGrid->SetColWidths(C, Width);
    }
}

void TExtMultiColumnDropDown::DropDownSizing()
{
    SizeColumnsToDropDown();
}

void TExtMultiColumnDropDown::DoHideDropDown(bool Cancelled)
{
    const bool WasOpen = DropDownForm() && DropDownForm()->Visible();
    TExtCustomDropDown::DoHideDropDown(Cancelled);
    if (!WasOpen) return;
    if (Cancelled) {
        SetItemIndex(FOldItemIndex);
    } else {
        if (FExtColGrid && FExtColGrid->ConfirmSelection()) SetItemIndex(FExtColGrid->Row() - 1);
        FOldItemIndex = FItemIndex;
    }
    // A confirmation counts for this opening only.
    if (FExtColGrid) FExtColGrid->ClearConfirmation();
}

void TExtMultiColumnDropDown::SelectNextValue()
{
    SelectNext();
}

void TExtMultiColumnDropDown::SelectPreviousValue()
{
    SelectPrevious();
}

void TExtMultiColumnDropDown::GridSelectCell(int32_t ARow)
{
    if (FShowing || !FExtColGrid || FExtColGrid->MouseWheelSelection()) return;
    SetItemIndex(ARow - 1);
}

void TExtMultiColumnDropDown::GridSelect()
{
    if (FExtColGrid->ConfirmSelection()) SetItemIndex(FExtColGrid->Row() - 1);
    HideDropDown(false);
    if (OnSelect) OnSelect(this);
}

// ---- Keys of the open list ----

namespace {

bool StaysInList(uint16_t Key, TShiftState Shift)
{
    return !Shift.Contains(ssAlt) && (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN);
}

}  // namespace

void TExtMultiColumnDropDown::ControlKeyDown(uint16_t& Key, TShiftState Shift)
{
    if (!StaysInList(Key, Shift)) TExtCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExtMultiColumnDropDown::ControlKeyUp(uint16_t& Key, TShiftState Shift)
{
    if (!StaysInList(Key, Shift)) TExtCustomDropDown::ControlKeyUp(Key, Shift);
}

void TExtMultiColumnDropDown::ControlKeyPress(QChar& Key)
{
    const bool Alt = GetKeyState(VK_MENU) < 0;
    const bool Plain = !Alt && (Key == QChar(13) || Key == QChar(27));
    if (Plain || !FExtColGrid || FExtColGrid->EditorMode()) {
        FLookupEntry.clear();
        Key = QChar();
        return;
    }
    const bool Backspace = Key == QChar(8);
    const int32_t Index = IncrementalLookup(Key);
    Key = QChar();
    if (Index < 0) {
        // Backspace has set the entry to what the edit shows.
        if (!Backspace) FLookupEntry.clear();
        return;
    }
    const int32_t Row = Index + 1;
    if (Row >= FExtColGrid->RowCount()) return;
    if (Row < FExtColGrid->TopRow() || Row >= FExtColGrid->TopRow() + FExtColGrid->VisibleRowCount())
        FExtColGrid->SetTopRow(Row);
    FExtColGrid->SetRow(Row);
    FExtColGrid->SetCol(0);
}
