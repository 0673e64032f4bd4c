// TSelectorItem: the properties of a selector item and their change notice.
#include "dropdown/SelectorItems.h"

#include "graphics/Graphic.h"
#include "graphics/Picture.h"

TSelectorItem::TSelectorItem(TCollection* Collection) : TCollectionItem(Collection), FImage(std::make_unique<TPicture>())
{
}

TSelectorItem::~TSelectorItem() = default;

void TSelectorItem::NotifyChange()
{
    if (auto* Items = dynamic_cast<TSelectorItems*>(Collection()); Items && Items->OnChange) Items->OnChange(Items);
}

void TSelectorItem::SetCaption(const QString& Value)
{
    if (FCaption == Value) return;
    FCaption = Value;
    NotifyChange();
}

void TSelectorItem::SetImageIndex(int32_t Value)
{
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    NotifyChange();
}

void TSelectorItem::SetColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = Value;
    NotifyChange();
}

void TSelectorItem::SetImage(TPicture* Value)
{
    FImage->Assign(Value);
}

bool TSelectorItem::HasPicture() const
{
    return FImage->Graphic() && !FImage->Graphic()->Empty();
}

void TSelectorItem::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TSelectorItem*>(Source);
    if (!From) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(From->FCaption);
    SetColor(From->FColor);
    SetImageIndex(From->FImageIndex);
    FImage->Assign(From->FImage.get());
    FEnabled = From->FEnabled;
    FHint = From->FHint;
}
