// The hidden-row item, the filter condition and the background settings.
#include "grid/core/GridItems.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/HiddenRows.h"

#include "graphics/Bitmap.h"
#include "rtl/Exceptions.h"
#include "rtl/Strings.h"
#include "windows/Controls.h"

TGridItem::TGridItem(TCollection* Collection) : TCollectionItem(Collection), FItems(std::make_unique<TStringList>()) {}

TGridItem::~TGridItem()
{
    EmptyCells();
}

void TGridItem::EmptyCells()
{
    for (int32_t I = 0; I < FItems->Count(); ++I) {
        auto* Props = dynamic_cast<TCellProperties*>(FItems->Objects(I));
        FItems->SetObjects(I, nullptr);
        FItems->SetStrings(I, QString());
        if (!Props) continue;
        // Shared check-box graphics belong to nobody's cell.
        auto* Graphic = dynamic_cast<TCellGraphic*>(Props->GraphicObject());
        if (Graphic && Graphic->CellType() != ctVirtCheckBox && Graphic->CellType() != ctRowCheckBox) delete Graphic;
        delete Props;
    }
}

void TGridItem::SetIdx(int32_t Value)
{
    if (FIdx == Value) return;
    FIdx = Value;
    if (auto* Owner = dynamic_cast<TGridItems*>(Collection())) Owner->IndexChanged();
}

TStrings* TGridItem::Items() const
{
    return FItems.get();
}

void TFilterData::Assign(TPersistent* Source)
{
    if (!Source) return;
    auto* Src = dynamic_cast<TFilterData*>(Source);
    if (!Src) throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    FColumn = Src->FColumn;
    FCondition = Src->FCondition;
    FCaseSensitive = Src->FCaseSensitive;
    FData = Src->FData;
    FPrefix = Src->FPrefix;
    FSuffix = Src->FSuffix;
    FOperation = Src->FOperation;
}

TFilter::TFilter(TExtStringGrid* AOwner) : TCollection(ItemClassOf<TFilterData>()), FOwner(AOwner) {}

TFilterData* TFilter::Add()
{
    auto* Data = static_cast<TFilterData*>(TCollection::Add());
    Data->SetOperation(Count() == 1 ? foNONE : foAND);
    return Data;
}

TFilterData* TFilter::Insert(int32_t)
{
    return static_cast<TFilterData*>(TCollection::Add());
}

TFilterData* TFilter::ColumnFilter(int32_t Col)
{
    for (int32_t I = 0; I < Count(); ++I)
        if (Items(I)->Column() == Col) return Items(I);
    TFilterData* Data = Add();
    Data->SetColumn(static_cast<int16_t>(Col));
    return Data;
}

bool TFilter::HasFilter(int32_t Col) const
{
    for (int32_t I = 0; I < Count(); ++I)
        if (Items(I)->Column() == Col) return true;
    return false;
}

void TFilter::RemoveColumnFilter(int32_t Col)
{
    for (int32_t I = Count() - 1; I >= 0; --I)
        if (Items(I)->Column() == Col) Delete(I);
    if (FOwner) FOwner->RepaintCell(Col, 0);
}

TPersistent* TFilter::GetOwner() const
{
    return FOwner;
}

TBackGround::TBackGround(TControl* AGrid) : FGrid(AGrid), FBitmap(std::make_unique<TBitmap>()) {}

TBackGround::~TBackGround() = default;

void TBackGround::Changed()
{
    if (FGrid) FGrid->Invalidate();
}

void TBackGround::SetTop(int32_t Value)
{
    FTop = Value;
    Changed();
}

void TBackGround::SetLeft(int32_t Value)
{
    FLeft = Value;
    Changed();
}

void TBackGround::SetDisplay(TBackGroundDisplay Value)
{
    FDisplay = Value;
    Changed();
}

void TBackGround::SetBitmap(TBitmap* Value)
{
    FBitmap->Assign(Value);
    Changed();
}

void TBackGround::SetCells(TBackGroundCells Value)
{
    FBackgroundCells = Value;
    Changed();
}

void TBackGround::SetColor(TColor Value)
{
    FColor = Value;
    Changed();
}

void TBackGround::SetColorTo(TColor Value)
{
    FColorTo = Value;
    Changed();
}
