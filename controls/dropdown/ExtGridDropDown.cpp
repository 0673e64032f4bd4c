// TCustomExtGridDropDown: construction, properties, ItemIndex and stepping, rows and items, and looks.
#include "dropdown/ExtGridDropDown.h"

#include "dropdown/ColumnStyleLooks.h"
#include "dropdown/ExtGridDropDownGrid.h"

#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"
#include "grid/base/GridSettings.h"

#include <algorithm>

using namespace GridDropDown;

TCustomExtGridDropDown::TCustomExtGridDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FItems(CreateItems(this)), FColumns(std::make_unique<TDropDownColumns>(this)),
      FHeaderFont(std::make_unique<TFont>()), FSearchFooter(std::make_unique<TSearchFooter>(this, false)),
      FBands(std::make_unique<TBands>()), FNavigation(std::make_unique<TNavigation>()),
      FMouseActions(std::make_unique<TMouseActions>(this))
{
    FNavigation->SetHomeEndKey(heFirstLastRow);
}

TCustomExtGridDropDown::~TCustomExtGridDropDown()
{
    if (FExtColGrid) FExtColGrid->SetExtDropDown(nullptr);
}

void TCustomExtGridDropDown::AfterConstruction()
{
    // The base applies its presets through this class's overrides; its own defaults come after.
    TExtCustomDropDown::AfterConstruction();
    FHeaderColor = clWhite;
    FHeaderColorTo = RGB(128, 128, 128);
    FSelectionTextColor = clBlack;
    SetDropDownColor(clWhite);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    SetSelectionColorStyle(scOffice2007);
    // A designer's new control starts with three empty columns.
    if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
        for (int32_t C = 0; C < 3; ++C) FColumns->Add();
}

void TCustomExtGridDropDown::Loaded()
{
    TExtCustomDropDown::Loaded();
    UpdateLookupItems();
    if (FExtColGrid) LoadItems();
}

int32_t TCustomExtGridDropDown::GetVersionNr() const
{
    return (6 << 24) | (0 << 16) | (1 << 8) | 1;
}

TCustomExtGridDropDown::TDropDownItems* TCustomExtGridDropDown::CreateItems(TPersistent* AOwner)
{
    return new TDropDownItems(AOwner);
}

void TCustomExtGridDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TExtCustomDropDown::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent != FGridImages || !AComponent) return;
    FGridImages = nullptr;
    if (FExtColGrid) FExtColGrid->SetGridImages(nullptr);
}

// ---- Properties ----

void TCustomExtGridDropDown::SetBands(TBands* Value)
{
    FBands->Assign(Value);
}

void TCustomExtGridDropDown::SetColumns(TDropDownColumns* Value)
{
    FColumns->Assign(Value);
}

void TCustomExtGridDropDown::SetGridImages(TCustomImageList* Value)
{
    if (FGridImages) FGridImages->RemoveFreeNotification(this);
    FGridImages = Value;
    if (FGridImages) FGridImages->FreeNotification(this);
    if (FExtColGrid) FExtColGrid->SetGridImages(Value);
}

void TCustomExtGridDropDown::SetHeaderFont(TFont* Value)
{
    FHeaderFont->Assign(Value);
}

void TCustomExtGridDropDown::SetItems(TDropDownItems* Value)
{
    FItems->Assign(Value);
}

void TCustomExtGridDropDown::SetMouseActions(TMouseActions* Value)
{
    FMouseActions->Assign(Value);
}

void TCustomExtGridDropDown::SetNavigation(TNavigation* Value)
{
    FNavigation->Assign(Value);
}

void TCustomExtGridDropDown::SetSearchFooter(TSearchFooter* Value)
{
    FSearchFooter->Assign(Value);
}

void TCustomExtGridDropDown::SetStyle(TDropDownStyle Value)
{
    FStyle = Value;
    SetEditorEnabled(Value != dsDropDownList);
}

// ---- Items, rows and the selection ----

int32_t TCustomExtGridDropDown::RowCount() const
{
    return FItems->Count();
}

QString TCustomExtGridDropDown::GridLookupCell(int32_t ARow) const
{
    if (!FExtColGrid || FLookupColumn < 0 || FLookupColumn >= FExtColGrid->ColCount() || ARow < 0 ||
        ARow >= FExtColGrid->RowCount())
        return {};
    return FExtColGrid->Cells(FLookupColumn, ARow);
}

void TCustomExtGridDropDown::SetItemIndex(int32_t Value)
{
    if (FUseItems) {
        if (Value >= FItems->Count()) return;
        FItemIndex = Value;
        SetText(Value >= 0 && FLookupColumn >= 0 ? FItems->Items(Value)->Line(FLookupColumn) : QString());
        return;
    }
    if (!FExtColGrid) {
        FItemIndex = Value;
        return;
    }
    if (Value == FItemIndex || Value >= FExtColGrid->RowCount()) return;
    FItemIndex = Value;
    SetText(Value >= 0 ? GridLookupCell(Value + FExtColGrid->FixedRows()) : QString());
}

int32_t TCustomExtGridDropDown::RowToItemIndex(int32_t ARow) const
{
    if (!FExtColGrid || ARow < 0 || ARow >= FExtColGrid->RowCount()) return ARow;
    int32_t Index = -1;
    // A row without a tag holds no item.
    return TExtColGrid::TagIndex(FExtColGrid->Objects(0, ARow), Index) ? Index : -1;
}

int32_t TCustomExtGridDropDown::ItemIndexToRow(int32_t Index) const
{
    if (!FExtColGrid || Index < 0) return FItemIndex;
    for (int32_t R = FExtColGrid->FixedRows(); R < FExtColGrid->RowCount(); ++R) {
        int32_t Tagged = -1;
        if (TExtColGrid::TagIndex(FExtColGrid->Objects(0, R), Tagged) && Tagged == Index) return R;
    }
    return FItemIndex;
}

void TCustomExtGridDropDown::LoadItems()
{
    if (!Owner() || !FExtColGrid) return;
    TExtColGrid* Grid = FExtColGrid;
    // A grid keeps at least one column.
    Grid->SetColCount(std::max(1, FColumns->Count()));
    for (int32_t C = 0; C < FColumns->Count(); ++C) {
        Grid->SetCells(C, 0, FColumns->Items(C)->Header());
        Grid->SetObjects(C, 0, TExtColGrid::ItemTag(-1));
    }
    if (FItems->Count() > 0) Grid->SetRowCount(Grid->FixedRows() + FItems->Count());
    for (int32_t I = 0; I < FItems->Count() && I + 1 < Grid->RowCount(); ++I) {
        const TDropDownItem* Item = FItems->Items(I);
        for (int32_t C = 0; C < Grid->ColCount(); ++C) Grid->SetCells(C, I + 1, Item->Line(C));
        Grid->SetObjects(0, I + 1, TExtColGrid::ItemTag(I));
    }
}

// ---- Stepping ----

int32_t TCustomExtGridDropDown::StepCount() const
{
    if (FUseItems) return FItems->Count();
    return FExtColGrid ? std::max(0, FExtColGrid->RowCount() - FExtColGrid->FixedRows()) : 0;
}

void TCustomExtGridDropDown::SelectFirst()
{
    if (StepCount() > 0) SetItemIndex(0);
}

void TCustomExtGridDropDown::SelectLast()
{
    if (StepCount() > 0) SetItemIndex(StepCount() - 1);
}

void TCustomExtGridDropDown::SelectNext()
{
    const int32_t Count = StepCount();
    if (Count == 0) return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex + 1 < Count)
        SetItemIndex(FItemIndex + 1);
}

void TCustomExtGridDropDown::SelectPrevious()
{
    if (StepCount() == 0) return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex > 0)
        SetItemIndex(FItemIndex - 1);
}

void TCustomExtGridDropDown::SelectNextPage()
{
    const int32_t Count = StepCount();
    if (Count == 0) return;
    SetItemIndex(FItemIndex < 0 ? 0 : std::min(FItemIndex + 10, Count - 1));
}

void TCustomExtGridDropDown::SelectPreviousPage()
{
    if (StepCount() == 0) return;
    SetItemIndex(FItemIndex < 0 || FItemIndex - 10 < 0 ? 0 : FItemIndex - 10);
}

void TCustomExtGridDropDown::SelectNextValue()
{
    SelectNext();
}

void TCustomExtGridDropDown::SelectPreviousValue()
{
    SelectPrevious();
}

// ---- Looks ----

void TCustomExtGridDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
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

void TCustomExtGridDropDown::SetComponentStyle(TVyxStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    // The Office 2010 styles change nothing beyond the base.
    if (AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black) return;
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
