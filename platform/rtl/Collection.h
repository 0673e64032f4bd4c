// TCollection and TCollectionItem: an owned, ordered list of items of one class, with update hooks.
#pragma once

#include "rtl/Exceptions.h"
#include "rtl/List.h"
#include "rtl/Object.h"

#include <QString>

#include <concepts>
#include <cstdint>
#include <functional>
#include <utility>

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

// An item belongs to at most one collection, which frees it. Deleting an item takes it out of its
// collection (cnExtracting, then Update unless updating).
class TCollectionItem : public TPersistent {
public:
    // Joins Collection (when given) at the end and takes its next ID, without notices: they follow
    // when TCollection::Add has constructed the whole item. Collection() is already set while the
    // constructors of descendants run.
    explicit TCollectionItem(TCollection* Collection);
    // Leaves the collection. Its Notify then sees the item as a bare TCollectionItem.
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    // Moves the item to the end of Value (nil: out of any collection, the caller then frees it).
    virtual void SetCollection(TCollection* Value);
    // Position in the collection; -1 without one.
    int32_t Index() const;
    // Moves the item within its collection and reports a change of all items. Raises EListError for
    // an index outside the collection.
    virtual void SetIndex(int32_t Value);
    // Unique within the collection; taken from its NextID when the item joins.
    int32_t ID() const { return FID; }
    // The caption in the collection's editor; the class name unless a descendant says otherwise.
    virtual QString DisplayName() const { return ClassName(); }
    virtual void SetDisplayName(const QString&) { Changed(false); }

protected:
    // Calls the collection's Update (nil for all items) unless it is between BeginUpdate and EndUpdate.
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int32_t FID = 0;
};

// Makes one new item inside the collection given; built by TCollection::ItemClassOf<T>().
using TCollectionItemClass = std::function<TCollectionItem*(TCollection* Collection)>;

// Owns its items and creates them through its item class:
//     TCollection Columns(TCollection::ItemClassOf<TColumnItem>());
// A descendant passes ItemClassOf<T>() to this constructor. Items(i) and Delete(i) raise EListError
// "List index out of bounds (%d)" for a bad index.
class TCollection : public TPersistent {
public:
    explicit TCollection(TCollectionItemClass ItemClass);
    // Frees the items. Descendants' Notify and Update are no longer reached here: a descendant that
    // must hear the items leave clears the collection in its own destructor.
    ~TCollection() override;

    // The item class that constructs a T with the collection as its argument.
    template <typename T>
        requires std::derived_from<T, TCollectionItem>
    static TCollectionItemClass ItemClassOf()
    {
        return [](TCollection* Collection) -> TCollectionItem* { return new T(Collection); };
    }

    // A new item at the end: constructed, then Notify(cnAdded) and Update(nil) unless updating.
    TCollectionItem* Add();
    // Add, then moving the new item to Index (the item stays at the end when Index is bad).
    TCollectionItem* Insert(int32_t Index);
    // Notify(cnDeleting), then frees the item.
    void Delete(int32_t Index);
    // Frees every item, last first, inside one update.
    void Clear();
    // Frees every item Test picks, in one pass over the collection and inside one update; each is told
    // cnDeleting, then cnExtracting. Returns how many went.
    int32_t DeleteWhere(const std::function<bool(TCollectionItem* Item)>& Test);
    // Replaces the items by copies of Source's (Add, then Assign of each item), inside one update.
    void Assign(TPersistent* Source) override;

    int32_t Count() const { return FItems.Count(); }
    TCollectionItem* Items(int32_t Index) const { return static_cast<TCollectionItem*>(FItems.Items(Index)); }
    // Copies Value into the item at Index (Assign).
    void SetItems(int32_t Index, TCollectionItem* Value) { Items(Index)->Assign(Value); }
    // Items(Index) as a T; raises EInvalidCast "Invalid class typecast" for an item of another class.
    template <typename T>
    T* Item(int32_t Index) const
    {
        T* Result = dynamic_cast<T*>(Items(Index));
        if (!Result) throw EInvalidCast(QStringLiteral("Invalid class typecast"));
        return Result;
    }
    // The item of that ID; nil when none has it.
    TCollectionItem* FindItemID(int32_t ID) const;
    int32_t NextID() const { return FNextID; }

    // Nested; the outermost EndUpdate calls Update(nil).
    virtual void BeginUpdate() { ++FUpdateCount; }
    virtual void EndUpdate();
    int32_t UpdateCount() const { return FUpdateCount; }

    // The object that owns the collection (see TOwnedCollection); nil in TCollection.
    TPersistent* Owner() const { return GetOwner(); }

protected:
    virtual TPersistent* GetOwner() const { return nullptr; }
    // After a change of Item, or of the collection as a whole when Item is nil.
    virtual void Update(TCollectionItem*) {}
    // An item was added, is about to leave, or is about to be deleted.
    virtual void Notify(TCollectionItem*, TCollectionNotification) {}
    // Update(nil) unless updating.
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void JoinItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);

    TCollectionItemClass FItemClass;
    TList FItems;
    int32_t FUpdateCount = 0;
    int32_t FNextID = 0;
};

// A collection that answers Owner() with the object given at construction (not owned).
class TOwnedCollection : public TCollection {
public:
    TOwnedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass)
        : TCollection(std::move(ItemClass)), FOwner(AOwner)
    {
    }

protected:
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};
