// The multi-column drop-down's columns and items: copying, line access and the column lookup.
#include "dropdown/MultiColumnItems.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/Strings.h"

namespace MultiColumn {

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
    FText->OnChange = [this](TObject*) {
        if (auto* Items = dynamic_cast<TDropDownItems*>(this->Collection())) ++Items->FChangeStamp;
    };
}

TDropDownItem::~TDropDownItem()
{
    FText->OnChange = nullptr;
}

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

TDropDownItems::TDropDownItems(TPersistent* AOwner) : TCollection(ItemClassOf<TDropDownItem>()), FMyOwner(AOwner) {}

TDropDownItems::~TDropDownItems()
{
    Clear();
}

int32_t TDropDownItems::IndexInColumn(int32_t Column, const QString& Value) const
{
    for (int32_t Index = 0; Index < Count(); ++Index) {
        const TDropDownItem* Item = Items(Index);
        if (Item->HasLine(Column) && Item->Text()->Strings(Column) == Value) return Index;
    }
    return -1;
}

void TDropDownItems::Update(TCollectionItem*)
{
    ++FChangeStamp;
}

void TDropDownItems::Notify(TCollectionItem*, TCollectionNotification)
{
    ++FChangeStamp;
}

}  // namespace MultiColumn
