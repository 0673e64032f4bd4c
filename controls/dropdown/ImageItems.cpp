// TImageItem: the properties of an image picker's item and their change notice.
#include "dropdown/ImageItems.h"

#include "graphics/Graphic.h"
#include "graphics/Picture.h"

TImageItem::TImageItem(TCollection* Collection) : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

TImageItem::~TImageItem() = default;

void TImageItem::NotifyChange()
{
    if (auto* Items = dynamic_cast<TImageItems*>(Collection()); Items && Items->OnChange) Items->OnChange(Items);
}

void TImageItem::SetCaption(const QString& Value)
{
    if (FCaption == Value) return;
    FCaption = Value;
    NotifyChange();
}

void TImageItem::SetImageIndex(int32_t Value)
{
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    NotifyChange();
}

void TImageItem::SetImage(TPicture* Value)
{
    FImage->Assign(Value);
}

bool TImageItem::HasPicture() const
{
    return FImage->Graphic() && !FImage->Graphic()->Empty();
}

void TImageItem::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TImageItem*>(Source);
    if (!From) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(From->FCaption);
    SetImageIndex(From->FImageIndex);
    FImage->Assign(From->FImage.get());
    FEnabled = From->FEnabled;
    FHint = From->FHint;
}
