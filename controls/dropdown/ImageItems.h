// TImageItem and TImageItems: the images an image picker drop-down offers.
#pragma once

#include "rtl/Collection.h"
#include "rtl/Types.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TPicture;

// Caption, an index into the drop-down's image list, or a picture of its own, which is shown
// instead when it holds a graphic. Caption and ImageIndex tell the collection's OnChange of a change.
class TImageItem : public TCollectionItem {
public:
    explicit TImageItem(TCollection* Collection);
    ~TImageItem() override;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    TPicture* Image() const { return FImage.get(); }
    // Copies the picture.
    void SetImage(TPicture* Value);
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& Value) { FHint = Value; }
    // True when the picture holds a graphic that is not empty.
    bool HasPicture() const;

    // From another image item; any other source raises the conversion error.
    void Assign(TPersistent* Source) override;

private:
    void NotifyChange();

    QString FCaption;
    int32_t FImageIndex = -1;
    bool FEnabled = true;
    std::unique_ptr<TPicture> FImage;
    QString FHint;
};

class TImageItems : public TOwnedCollection {
public:
    explicit TImageItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TImageItem>()) {}
    TImageItem* Add() { return static_cast<TImageItem*>(TCollection::Add()); }
    TImageItem* Insert(int32_t Index) { return static_cast<TImageItem*>(TCollection::Insert(Index)); }
    TImageItem* Items(int32_t Index) const { return static_cast<TImageItem*>(TCollection::Items(Index)); }
    // Copies Value into item Index.
    void SetItems(int32_t Index, TImageItem* Value) { Items(Index)->Assign(Value); }

    std::function<void(TObject* Sender)> OnChange;
};
