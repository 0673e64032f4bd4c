// The grid drop-down's columns and items: copying, line access, and the item class of the items.
#include "dropdown/ExtGridDropDownItems.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/Strings.h"

namespace GridDropDown {

// ---- Columns ----

TDropDownColumn::TDropDownColumn(TCollection* Collection)
    : TCollectionItem(Collection), FFont(std::make_unique<TFont>())
{
}

TDropDownColumn::~TDropDownColumn() = default;

void TDropDownColumn::SetFont(TFont* Value)
{
    FFont->Assign(Value);
}

void TDropDownColumn::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TDropDownColumn*>(Source);
    if (!From) {
        TCollectionItem::Assign(Source);
        return;
    }
    FWordwrap = From->FWordwrap;
    FWidth = From->FWidth;
    FAutoSize = From->FAutoSize;
    FHeader = From->FHeader;
    FAlignment = From->FAlignment;
    FColor = From->FColor;
    FColumnType = From->FColumnType;
    FFont->Assign(From->FFont.get());
    FEllipsis = From->FEllipsis;
}

TDropDownColumns::TDropDownColumns(TPersistent* AOwner) : TCollection(ItemClassOf<TDropDownColumn>()), FMyOwner(AOwner)
{
}

// ---- Items ----

TDropDownItem::TDropDownItem(TCollection* Collection)
    : TCollectionItem(Collection), FText(std::make_unique<TStringList>())
{
}

TDropDownItem::~TDropDownItem() = default;

void TDropDownItem::SetText(TStrings* Value)
{
    FText->Assign(Value);
}

bool TDropDownItem::HasLine(int32_t Column) const
{
    return Column >= 0 && Column < FText->Count();
}

QString TDropDownItem::Line(int32_t Column) const
{
    return HasLine(Column) ? FText->Strings(Column) : QString();
}

void TDropDownItem::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TDropDownItem*>(Source);
    if (!From) {
        TCollectionItem::Assign(Source);
        return;
    }
    FImageIndex = From->FImageIndex;
    FText->Assign(From->FText.get());
}

// The item class is asked at each Add, so a descendant's override counts.
TDropDownItems::TDropDownItems(TPersistent* AOwner)
    : TCollection([this](TCollection* Collection) { return GetItemClass()(Collection); }), FMyOwner(AOwner)
{
}

TDropDownItems::~TDropDownItems()
{
    Clear();
}

TCollectionItemClass TDropDownItems::GetItemClass() const
{
    return ItemClassOf<TDropDownItem>();
}

}  // namespace GridDropDown
