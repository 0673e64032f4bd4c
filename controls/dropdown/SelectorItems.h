// TSelectorItem and TSelectorItems: the items of an item selector.
#pragma once

#include "graphics/Colors.h"
#include "rtl/Collection.h"
#include "rtl/Types.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TPicture;

// Caption (markup allowed), image-list index or own picture, colour box colour, hint. Caption,
// Color and ImageIndex tell the collection's OnChange of a change.
class TSelectorItem : public TCollectionItem {
public:
    explicit TSelectorItem(TCollection* Collection);
    ~TSelectorItem() override;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    // Drawn instead of the image-list image when it holds a graphic.
    TPicture* Image() const { return FImage.get(); }
    void SetImage(TPicture* Value);
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    // The item's cell in the panel, set by the layout.
    TRect ItemRect() const { return FRect; }
    void SetItemRect(const TRect& Value) { FRect = Value; }
    // True when the picture holds a graphic that is not empty.
    bool HasPicture() const;

    // From another selector item; any other source raises the conversion error.
    void Assign(TPersistent* Source) override;

private:
    void NotifyChange();

    QString FCaption;
    int32_t FImageIndex = -1;
    bool FEnabled = true;
    TColor FColor = clNone;
    std::unique_ptr<TPicture> FImage;
    TRect FRect{-1, -1, -1, -1};
    QString FHint;
};

class TSelectorItems : public TOwnedCollection {
public:
    explicit TSelectorItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TSelectorItem>()) {}
    TSelectorItem* Add() { return static_cast<TSelectorItem*>(TCollection::Add()); }
    TSelectorItem* Insert(int32_t Index) { return static_cast<TSelectorItem*>(TCollection::Insert(Index)); }
    TSelectorItem* Items(int32_t Index) const { return static_cast<TSelectorItem*>(TCollection::Items(Index)); }

    std::function<void(TObject* Sender)> OnChange;
};
