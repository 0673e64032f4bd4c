// TGridColumnItem and TGridColumnCollection: column settings, their copy lists and the collection's
// change hook that keeps the grid's column count in step.
#include "grid/core/ColumnItems.h"
#include "grid/core/KeyOrder.h"

#include "grid/core/ColumnGrid.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/List.h"
#include "rtl/Strings.h"

#include <algorithm>
#include <numeric>
#include <vector>

// ---------------------------------------------------------------------------------------------
// TGridColumnItem
// ---------------------------------------------------------------------------------------------

TGridColumnItem::TGridColumnItem(TCollection* Collection)
    : TCollectionItem(Collection),
      FFont(std::make_unique<TFont>()),
      FComboItems(std::make_unique<TStringList>()),
      FPrintFont(std::make_unique<TFont>()),
      FBorderPen(std::make_unique<TPen>()),
      FPrintBorderPen(std::make_unique<TPen>()),
      FFilter(std::make_unique<TStringList>()),
      FHeaderFont(std::make_unique<TFont>())
{
    FBorderPen->SetWidth(1);
    FBorderPen->SetColor(clSilver);
    FPrintBorderPen->SetWidth(1);
    FPrintBorderPen->SetColor(clBlack);
    TExtColumnGrid* G = Grid();
    if (!G) return;
    FFont->Assign(G->Font());
    FHeaderFont->Assign(G->Font());
    FPrintFont->Assign(G->Font());
    FColor = G->Color();
    const auto Notify = [this](TObject*) { this->Notify(); };
    FFont->OnChange = Notify;
    FHeaderFont->OnChange = Notify;
    FBorderPen->OnChange = Notify;
    FFilter->OnChange = [this](TObject*) { Repaint(); };
}

TGridColumnItem::~TGridColumnItem()
{
    // No change reports from the parts while they go.
    FFont->OnChange = nullptr;
    FHeaderFont->OnChange = nullptr;
    FBorderPen->OnChange = nullptr;
    FFilter->OnChange = nullptr;
}

TExtColumnGrid* TGridColumnItem::Grid() const
{
    auto* C = dynamic_cast<TGridColumnCollection*>(Collection());
    return C ? C->Grid() : nullptr;
}

TExtColumnGrid* TGridColumnItem::GridOrRaise() const
{
    TExtColumnGrid* G = Grid();
    if (!G) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index()));
    return G;
}

void TGridColumnItem::Notify()
{
    Changed(false);
}

void TGridColumnItem::Repaint()
{
    if (TExtColumnGrid* G = Grid()) G->Invalidate();
}

void TGridColumnItem::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TGridColumnItem*>(Source);
    if (!Src) return;
    FAutoMinSize = Src->FAutoMinSize;
    FAutoMaxSize = Src->FAutoMaxSize;
    FAlignment = Src->FAlignment;
    FBorders = Src->FBorders;
    FBorderPen->Assign(Src->FBorderPen.get());
    FCheckFalse = Src->FCheckFalse;
    FCheckTrue = Src->FCheckTrue;
    FColor = Src->FColor;
    FColumnPopup = Src->FColumnPopup;
    FComboItems->Assign(Src->FComboItems.get());
    FDropDownCount = Src->FDropDownCount;
    FEditLength = Src->FEditLength;
    FEditLink = Src->FEditLink;
    FEditMask = Src->FEditMask;
    FEditorType = Src->FEditorType;
    FFilter->Assign(Src->FFilter.get());
    FFilterCaseSensitive = Src->FFilterCaseSensitive;
    FFixed = Src->FFixed;
    FFloatFormat = Src->FFloatFormat;
    FFont->Assign(Src->FFont.get());
    FColumnHeader = Src->FColumnHeader;
    FHeaderAlignment = Src->FHeaderAlignment;
    FHeaderFont->Assign(Src->FHeaderFont.get());
    FMinSize = Src->FMinSize;
    FMaxSize = Src->FMaxSize;
    FName = Src->FName;
    FPassword = Src->FPassword;
    FPrintBorders = Src->FPrintBorders;
    FPrintBorderPen->Assign(Src->FPrintBorderPen.get());
    FPrintColor = Src->FPrintColor;
    FPrintFont->Assign(Src->FPrintFont.get());
    FReadOnly = Src->FReadOnly;
    FShowBands = Src->FShowBands;
    FSortStyle = Src->FSortStyle;
    FSortPrefix = Src->FSortPrefix;
    FSortSuffix = Src->FSortSuffix;
    FSpinMax = Src->FSpinMax;
    FSpinMin = Src->FSpinMin;
    FSpinStep = Src->FSpinStep;
    FTag = Src->FTag;
    FWidth = Src->Width();
    FDefIdx = Src->FDefIdx;
}

void TGridColumnItem::AssignVisuals(TPersistent* Source)
{
    auto* Src = dynamic_cast<TGridColumnItem*>(Source);
    if (!Src) return;
    FAlignment = Src->FAlignment;
    FHeaderAlignment = Src->FHeaderAlignment;
    FBorderPen->Assign(Src->FBorderPen.get());
    FBorders = Src->FBorders;
    FCheckFalse = Src->FCheckFalse;
    FCheckTrue = Src->FCheckTrue;
    FEditLength = Src->FEditLength;
    FEditLink = Src->FEditLink;
    FEditMask = Src->FEditMask;
    FEditorType = Src->FEditorType;
    FFixed = Src->FFixed;
    FPassword = Src->FPassword;
    FPrintBorderPen->Assign(Src->FPrintBorderPen.get());
    FPrintBorders = Src->FPrintBorders;
    FPrintColor = Src->FPrintColor;
    FPrintFont->Assign(Src->FPrintFont.get());
    FReadOnly = Src->FReadOnly;
    FSortPrefix = Src->FSortPrefix;
    FSortStyle = Src->FSortStyle;
    FSortSuffix = Src->FSortSuffix;
    FSpinMax = Src->FSpinMax;
    FSpinMin = Src->FSpinMin;
    FSpinStep = Src->FSpinStep;
    FColumnPopup = Src->FColumnPopup;
    FWidth = Src->Width();
    FShowBands = Src->FShowBands;
    FMinSize = Src->FMinSize;
    FMaxSize = Src->FMaxSize;
    FAutoMinSize = Src->FAutoMinSize;
    FAutoMaxSize = Src->FAutoMaxSize;
    FFilter->Assign(Src->FFilter.get());
    FFilterCaseSensitive = Src->FFilterCaseSensitive;
    FDefIdx = Src->FDefIdx;
    FFloatFormat = Src->FFloatFormat;
    if (TExtColumnGrid* G = Grid()) {
        FColor = G->Color();
        FFont->Assign(G->Font());
    }
}

QString TGridColumnItem::DisplayName() const
{
    if (!FName.isEmpty()) return QStringLiteral("Col %1: %2").arg(Index()).arg(FName);
    return QStringLiteral("Column %1").arg(Index());
}

void TGridColumnItem::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    Repaint();
}

void TGridColumnItem::SetBorders(TCellBorders Value)
{
    FBorders = Value;
    Notify();
}

void TGridColumnItem::SetBorderPen(TPen* Value)
{
    FBorderPen->Assign(Value);
    Notify();
}

void TGridColumnItem::SetColor(TColor Value)
{
    FColor = Value;
    Notify();
}

void TGridColumnItem::SetComboItems(TStrings* Value)
{
    FComboItems->Assign(Value);
}

void TGridColumnItem::SetEditor(TEditorType Value)
{
    if (FEditorType == Value) return;
    const bool CheckBox = FEditorType == edDataCheckBox || Value == edDataCheckBox;
    FEditorType = Value;
    if (CheckBox) Repaint();
}

void TGridColumnItem::SetFilter(TStrings* Value)
{
    FFilter->Assign(Value);
}

void TGridColumnItem::SetFixed(bool Value)
{
    FFixed = Value;
    Notify();
}

void TGridColumnItem::SetFloatFormat(const QString& Value)
{
    FFloatFormat = Value;
    Repaint();
}

void TGridColumnItem::SetFont(TFont* Value)
{
    FFont->Assign(Value);
    Notify();
}

void TGridColumnItem::SetHeader(const QString& Value)
{
    FColumnHeader = Value;
    TExtColumnGrid* G = Grid();
    if (!G) return;
    if (G->FixedRows() > 0 && !G->FColMoving) {
        G->SetCellEx(Index(), 0, Value);
        Notify();
    }
    TStringList* Headers = G->ColumnHeaders();
    auto* Own = static_cast<TGridColumnCollection*>(Collection());
    Headers->BeginUpdate();
    Headers->Clear();
    for (int32_t I = 0; I < Own->Count(); ++I) Headers->Add(Own->Items(I)->Header());
    Headers->EndUpdate();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value)
{
    FHeaderAlignment = Value;
    Repaint();
}

void TGridColumnItem::SetHeaderFont(TFont* Value)
{
    // The copy itself reports to Notify through the font's change; the setter adds a repaint.
    FHeaderFont->Assign(Value);
    Repaint();
}

void TGridColumnItem::SetPassword(bool Value)
{
    FPassword = Value;
    Notify();
}

void TGridColumnItem::SetPrintBorderPen(TPen* Value)
{
    FPrintBorderPen->Assign(Value);
}

void TGridColumnItem::SetPrintFont(TFont* Value)
{
    FPrintFont->Assign(Value);
}

void TGridColumnItem::SetShowBands(bool Value)
{
    FShowBands = Value;
    Notify();
}

int32_t TGridColumnItem::Width() const
{
    TExtColumnGrid* G = Grid();
    return G ? G->ColumnWidthOf(Index()) : 0;
}

void TGridColumnItem::SetWidth(int32_t Value)
{
    FWidth = Value;
    if (TExtColumnGrid* G = Grid()) G->SetColumnWidthOf(Index(), Value);
}

QString TGridColumnItem::Rows(int32_t ARow) const
{
    return GridOrRaise()->GetCellEx(Index(), ARow);
}

void TGridColumnItem::SetRows(int32_t ARow, const QString& Value)
{
    GridOrRaise()->SetCellEx(Index(), ARow, Value);
}

int32_t TGridColumnItem::Ints(int32_t ARow) const
{
    return GridOrRaise()->Ints(Index(), ARow);
}

void TGridColumnItem::SetInts(int32_t ARow, int32_t Value)
{
    GridOrRaise()->SetInts(Index(), ARow, Value);
}

double TGridColumnItem::Floats(int32_t ARow) const
{
    return GridOrRaise()->Floats(Index(), ARow);
}

void TGridColumnItem::SetFloats(int32_t ARow, double Value)
{
    GridOrRaise()->SetFloats(Index(), ARow, Value);
}

TDateTime TGridColumnItem::Dates(int32_t ARow) const
{
    return GridOrRaise()->Dates(Index(), ARow);
}

void TGridColumnItem::SetDates(int32_t ARow, TDateTime Value)
{
    GridOrRaise()->SetDates(Index(), ARow, Value);
}

TDateTime TGridColumnItem::Times(int32_t ARow) const
{
    return GridOrRaise()->Times(Index(), ARow);
}

void TGridColumnItem::SetTimes(int32_t ARow, TDateTime Value)
{
    GridOrRaise()->SetTimes(Index(), ARow, Value);
}

// ---------------------------------------------------------------------------------------------
// TGridColumnCollection
// ---------------------------------------------------------------------------------------------

TGridColumnCollection::TGridColumnCollection(TExtColumnGrid* AOwner)
    : TCollection(ItemClassOf<TGridColumnItem>()), FOwner(AOwner)
{
}

TPersistent* TGridColumnCollection::GetOwner() const
{
    return FOwner;
}

TGridColumnItem* TGridColumnCollection::Add()
{
    auto* Item = static_cast<TGridColumnItem*>(TCollection::Add());
    if (Count() > 1) Item->AssignVisuals(Items(Count() - 2));
    return Item;
}

TGridColumnItem* TGridColumnCollection::Insert(int32_t Index)
{
    return static_cast<TGridColumnItem*>(TCollection::Insert(Index));
}

void TGridColumnCollection::Update(TCollectionItem* Item)
{
    TCollection::Update(Item);
    if (UpdateCount() > 0 || FNoRecursiveUpdate || !FOwner) return;
    if (FOwner->ComponentState().Contains(csLoading) || FOwner->ComponentState().Contains(csDestroying)) return;
    const int32_t n = Count() - FOwner->NumHiddenColumns();
    if (n != FOwner->ColCount() && n > FOwner->FixedCols()) FOwner->SetColCount(n);
    FOwner->CollectColumnHeaders();
    FOwner->Invalidate();
}

void TGridColumnCollection::SetOrganization()
{
    FNoRecursiveUpdate = true;
    if (FOwner) FOwner->SynchronizeColumns();
    FNoRecursiveUpdate = false;
    for (int32_t I = 0; I < Count(); ++I) Items(I)->SetDefIdx(I);
}

void TGridColumnCollection::ResetOrganization()
{
    if (!FOwner) return;
    std::vector<int32_t> Keys(static_cast<size_t>(Count()));
    for (int32_t I = 0; I < Count(); ++I) Keys[static_cast<size_t>(I)] = Items(I)->DefIdx();
    MoveIntoKeyOrder(Keys, [this](int32_t From, int32_t To) { FOwner->MoveColumn(From, To); });
}
