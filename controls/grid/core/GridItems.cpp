// The hidden-row item, the filter condition and the background settings.
#include "grid/core/GridItems.h"

#include "grid/core/ExtGrid.h"

#include "graphics/Bitmap.h"
#include "rtl/Exceptions.h"
#include "rtl/Strings.h"
#include "windows/Controls.h"

TGridItem::TGridItem(TCollection* Collection) : TCollectionItem(Collection), FItems(std::make_unique<TStringList>()) {}

TGridItem::~TGridItem() = default;

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
