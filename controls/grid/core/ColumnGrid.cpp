// TExtColumnGrid: construction and life, items kept in step with the grid's columns, column moves,
// widths, pop-ups, grouping and the version.
#include "grid/core/ColumnGrid.h"
#include "grid/core/ScopeRestore.h"

#include "grid/core/CellGraphic.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/NumConv.h"
#include "rtl/Strings.h"
#include "windows/Menus.h"

#include <algorithm>
#include <utility>

// ---------------------------------------------------------------------------------------------
// Life
// ---------------------------------------------------------------------------------------------

TExtColumnGrid::TExtColumnGrid(TComponent* AOwner)
    : TExtStringGrid(AOwner)
{
    FColumnCollection.reset(CreateColumns());
    WithoutRecursion([this] { SynchronizeColumns(); });
    FColMoving = false;
    FCellGraphic = std::make_unique<TCellGraphic>();
    FSaveCol = std::make_unique<TGridColumnItem>(nullptr);
}

TExtColumnGrid::~TExtColumnGrid()
{
    FColumnCollection.reset();
    FCellGraphic.reset();
    FSaveCol.reset();
}

TGridColumnCollection* TExtColumnGrid::CreateColumns()
{
    return new TGridColumnCollection(this);
}

void TExtColumnGrid::Loaded()
{
    TExtStringGrid::Loaded();
    // Missing items are added without the change hook, which would cut ColCount down to each new count.
    WithoutRecursion([this] { SynchronizeColumns(); });
    FColumnCollection->SetOrganization();
}

void TExtColumnGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    TExtStringGrid::Notification(AComponent, Operation);
    if (Operation != opRemove || !FColumnCollection) return;
    // An edit link is a component: the pointers match exactly when the link is the one going.
    const void* Gone = AComponent;
    for (int32_t I = 0; I < FColumnCollection->Count(); ++I) {
        TGridColumnItem* Item = FColumnCollection->Items(I);
        if (static_cast<const void*>(Item->FEditLink) == Gone) Item->FEditLink = nullptr;
        if (static_cast<const void*>(Item->FColumnPopup) == Gone) Item->FColumnPopup = nullptr;
    }
}

bool TExtColumnGrid::IsSharedGraphic(const TCellGraphic* Graphic) const
{
    return (Graphic && Graphic == FCellGraphic.get()) || TExtStringGrid::IsSharedGraphic(Graphic);
}

int32_t TExtColumnGrid::GetVersionNr() const
{
    return 0x03010301;
}

QString TExtColumnGrid::GetVersionString() const
{
    return Version() + QStringLiteral(" Aug, 2012");
}

// ---------------------------------------------------------------------------------------------
// Items and columns in step
// ---------------------------------------------------------------------------------------------

void TExtColumnGrid::WithoutRecursion(const std::function<void()>& Body)
{
    if (!FColumnCollection) {
        Body();
        return;
    }
    const bool Old = FColumnCollection->NoRecursiveUpdate();
    FColumnCollection->SetNoRecursiveUpdate(true);
    TRestore Restore([this, Old] {
        if (FColumnCollection) FColumnCollection->SetNoRecursiveUpdate(Old);
    });
    Body();
}

TGridColumnItem* TExtColumnGrid::ItemOf(int32_t ACol) const
{
    if (!FColumnCollection || ACol < 0 || ACol >= FColumnCollection->Count()) return nullptr;
    return FColumnCollection->Items(ACol);
}

void TExtColumnGrid::SetColumns(TGridColumnCollection* Value)
{
    FColumnCollection->Assign(Value);
}

TGridColumnItem* TExtColumnGrid::ColumnByName(const QString& AValue) const
{
    for (int32_t I = 0; I < FColumnCollection->Count(); ++I)
        if (FColumnCollection->Items(I)->Name() == AValue) return FColumnCollection->Items(I);
    return nullptr;
}

void TExtColumnGrid::SynchronizeColumns()
{
    if (!FColumnCollection) return;
    const int32_t Wanted = ColCount() + NumHiddenColumns();
    while (FColumnCollection->Count() < Wanted) FColumnCollection->Add();
    while (FColumnCollection->Count() > Wanted) FColumnCollection->Delete(FColumnCollection->Count() - 1);
    if (Designing())
        for (int32_t I = 0; I < ColCount(); ++I) SetCellEx(I, FixedRows(), QStringLiteral("Column %1").arg(I));
}

void TExtColumnGrid::CollectColumnHeaders()
{
    if (FixedRows() <= 0 || !FColumnCollection) return;
    TStringList* Headers = ColumnHeaders();
    Headers->BeginUpdate();
    TRestore Restore([Headers] { Headers->EndUpdate(); });
    Headers->Clear();
    for (int32_t I = 0; I < FColumnCollection->Count(); ++I) {
        TGridColumnItem* Item = FColumnCollection->Items(I);
        if (Item->FColumnHeader.isEmpty()) {
            const QString Cell = GetCellEx(I, 0);
            if (!Cell.isEmpty()) Item->FColumnHeader = Cell;
        }
        Headers->Add(Item->FColumnHeader);
    }
}

void TExtColumnGrid::ColumnHeadersChanged()
{
    if (!FColumnCollection) return;
    TStringList* Headers = ColumnHeaders();
    const int32_t n = std::min(Headers->Count(), FColumnCollection->Count());
    for (int32_t I = 0; I < n; ++I) FColumnCollection->Items(I)->FColumnHeader = Headers->Strings(I);
}

void TExtColumnGrid::SetColCount(int32_t Value)
{
    TExtStringGrid::SetColCount(Value);
    WithoutRecursion([this] { SynchronizeColumns(); });
}

void TExtColumnGrid::InsertCols(int32_t ColIndex, int32_t CCount)
{
    TExtStringGrid::InsertCols(ColIndex, CCount);
    WithoutRecursion([&] {
        for (int32_t I = 0; I < CCount; ++I)
            FColumnCollection->Insert(std::clamp(ColIndex, 0, FColumnCollection->Count()));
    });
}

void TExtColumnGrid::RemoveCols(int32_t ColIndex, int32_t CCount)
{
    TExtStringGrid::RemoveCols(ColIndex, CCount);
    // Without the hook: between two deletions it would grow the grid back to the items left.
    WithoutRecursion([&] {
        for (int32_t I = 0; I < CCount && ColIndex >= 0 && ColIndex < FColumnCollection->Count(); ++I)
            FColumnCollection->Delete(ColIndex);
    });
    Invalidate();
}

void TExtColumnGrid::CalcAllFooters()
{
    TExtStringGrid::CalcAllFooters();
    WithoutRecursion([this] { SynchronizeColumns(); });
}

void TExtColumnGrid::Group(int32_t ColIndex)
{
    if (TGridColumnItem* Item = ItemOf(ColIndex)) {
        FSaveCol->Assign(Item);
        // Assign leaves these three alone; the save slot keeps them too so UnGroup gives them back.
        FSaveCol->FColumnPopupType = Item->FColumnPopupType;
        FSaveCol->FPrintBorderCustom = Item->FPrintBorderCustom;
        FSaveCol->FPrintFontCustom = Item->FPrintFontCustom;
    }
    TExtStringGrid::Group(ColIndex);
}

void TExtColumnGrid::UnGroup()
{
    const int32_t Grouped = GroupColumn();
    TExtStringGrid::UnGroup();
    if (Grouped == -1) return;
    if (TGridColumnItem* Item = ItemOf(Grouped)) {
        const int32_t Width = Item->Width();
        Item->Assign(FSaveCol.get());
        Item->FWidth = Width;
        Item->FColumnPopupType = FSaveCol->FColumnPopupType;
        Item->FPrintBorderCustom = FSaveCol->FPrintBorderCustom;
        Item->FPrintFontCustom = FSaveCol->FPrintFontCustom;
    }
}

void TExtColumnGrid::ChangeScale(int32_t M, int32_t D)
{
    TExtStringGrid::ChangeScale(M, D);
    if (Designing() || M == D || !FColumnCollection) return;
    for (int32_t I = 0; I < ColCount() && I < FColumnCollection->Count(); ++I) {
        TGridColumnItem* Item = FColumnCollection->Items(I);
        Item->FFont->SetSize(MulDiv(Item->FFont->Size(), M, D));
        Item->FHeaderFont->SetSize(MulDiv(Item->FHeaderFont->Size(), M, D));
    }
}

// ---------------------------------------------------------------------------------------------
// Widths, moves, pop-ups
// ---------------------------------------------------------------------------------------------

int32_t TExtColumnGrid::ColumnWidthOf(int32_t ACol)
{
    if (ACol < 0) return 0;
    if (IsHiddenColumn(ACol))
        return ACol < static_cast<int32_t>(FAllColWidths.size()) ? FAllColWidths[static_cast<size_t>(ACol)] : 0;
    return ColWidths(DisplColIndex(ACol));
}

void TExtColumnGrid::SetColumnWidthOf(int32_t ACol, int32_t Value)
{
    if (ACol < 0) return;
    if (ACol < static_cast<int32_t>(FAllColWidths.size())) FAllColWidths[static_cast<size_t>(ACol)] = Value;
    if (IsHiddenColumn(ACol)) return;
    const int32_t c = DisplColIndex(ACol);
    if (c >= 0 && c < ColCount()) SetColWidths(c, Value);
}

void TExtColumnGrid::ColWidthsChanged()
{
    TExtStringGrid::ColWidthsChanged();
    if (ComponentState().Contains(csLoading) || IsDestroying() || !FColumnCollection) return;
    for (int32_t c = 0; c < ColCount(); ++c)
        if (TGridColumnItem* Item = ItemOf(RealColIndex(c))) Item->FWidth = ColWidths(c);
}

void TExtColumnGrid::ColumnMoved(int32_t FromIndex, int32_t ToIndex)
{
    const int32_t From = RealColIndex(FromIndex);
    const int32_t To = RealColIndex(ToIndex);
    WithoutRecursion([&] {
        const int32_t OldTop = TopRow();
        TExtStringGrid::ColumnMoved(FromIndex, ToIndex);
        BeginUpdate();
        FColMoving = true;
        TRestore Restore([&] {
            FColMoving = false;
            EndUpdate();
        });
        // The item itself moves, so every setting (pop-up type and print flags too) goes with it.
        if (From >= 0 && To >= 0 && From < FColumnCollection->Count() && To < FColumnCollection->Count())
            FColumnCollection->Items(From)->SetIndex(To);
        SetTopRow(OldTop);
    });
    if (OnAfterColumnMoved) OnAfterColumnMoved(this, From, To);
}

void TExtColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TExtStringGrid::MouseDown(Button, Shift, X, Y);
    int32_t ACol = -1;
    int32_t ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ACol < 0 || ARow < 0) return;
    TGridColumnItem* Item = ItemOf(RealColIndex(ACol));
    if (!Item || !Item->FColumnPopup) return;
    const TRect R = CellRect(ACol, ARow);
    const TPoint At = ClientToScreen(Point(R.Left, R.Bottom));
    const TColumnPopupType Type = Item->FColumnPopupType;
    const bool FixedRow = ARow < FixedRows();
    bool Fires = false;
    bool Pops = false;
    if (Button == mbLeft) {
        Fires = Type == cpFixedCellsLClick || Type == cpNormalCellsLClick || Type == cpAllCellsLClick;
        Pops = FixedRow ? (Type == cpFixedCellsLClick || Type == cpAllCellsLClick)
                        : (Type == cpNormalCellsLClick || Type == cpAllCellsLClick);
    } else if (Button == mbRight) {
        Fires = Type == cpFixedCellsRClick || Type == cpNormalCellsRClick || Type == cpAllCellsRClick;
        Pops = FixedRow ? (Type == cpFixedCellsRClick || Type == cpAllCellsRClick)
                        : (Type == cpNormalCellsRClick || Type == cpAllCellsRClick);
    }
    if (!Fires) return;
    TPopupMenu* Menu = Item->FColumnPopup;
    if (OnColumnPopup) OnColumnPopup(this, ACol, ARow, Menu);
    if (Pops) Menu->Popup(At.X, At.Y);
}

// ---------------------------------------------------------------------------------------------
// The stream carrier
// ---------------------------------------------------------------------------------------------

TExtColumnGridIO::TExtColumnGridIO(TExtColumnGrid* AGrid)
    : TComponent(AGrid), FItems(std::make_unique<TGridColumnCollection>(AGrid))
{
}

TExtColumnGridIO::~TExtColumnGridIO() = default;

void TExtColumnGridIO::SetItems(TGridColumnCollection* Value)
{
    FItems->Assign(Value);
}
