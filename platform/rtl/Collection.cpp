// TCollection and TCollectionItem.
#include "rtl/Collection.h"

#include <vector>

TCollectionItem::TCollectionItem(TCollection* Collection)
{
    if (Collection) Collection->JoinItem(this);
}

TCollectionItem::~TCollectionItem()
{
    if (FCollection) FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value)
{
    if (FCollection == Value) return;
    if (FCollection) FCollection->RemoveItem(this);
    if (Value) Value->InsertItem(this);
}

int32_t TCollectionItem::Index() const
{
    return FCollection ? FCollection->FItems.IndexOf(const_cast<TCollectionItem*>(this)) : -1;
}

void TCollectionItem::SetIndex(int32_t Value)
{
    const int32_t Current = Index();
    if (Current < 0 || Current == Value) return;
    FCollection->FItems.Move(Current, Value);
    Changed(true);
}

void TCollectionItem::Changed(bool AllItems)
{
    if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

TCollection::TCollection(TCollectionItemClass ItemClass) : FItemClass(std::move(ItemClass)) {}

TCollection::~TCollection()
{
    FUpdateCount = 1;
    Clear();
}

TCollectionItem* TCollection::Add()
{
    TCollectionItem* Item = FItemClass(this);
    Notify(Item, cnAdded);
    Changed();
    return Item;
}

TCollectionItem* TCollection::Insert(int32_t Index)
{
    TCollectionItem* Item = Add();
    Item->SetIndex(Index);
    return Item;
}

void TCollection::Delete(int32_t Index)
{
    TCollectionItem* Item = Items(Index);
    Notify(Item, cnDeleting);
    delete Item;
}

void TCollection::Clear()
{
    if (Count() == 0) return;
    BeginUpdate();
    while (Count() > 0) delete Items(Count() - 1);
    EndUpdate();
}

int32_t TCollection::DeleteWhere(const std::function<bool(TCollectionItem* Item)>& Test)
{
    std::vector<TCollectionItem*> Gone;
    for (int32_t I = 0; I < Count(); ++I) {
        TCollectionItem* Item = Items(I);
        if (!Test(Item)) continue;
        Gone.push_back(Item);
        FItems.SetItems(I, nullptr);
    }
    if (Gone.empty()) return 0;
    BeginUpdate();
    FItems.Pack();
    for (TCollectionItem* Item : Gone) {
        Notify(Item, cnDeleting);
        Notify(Item, cnExtracting);
        Item->FCollection = nullptr;
        delete Item;
    }
    EndUpdate();
    return static_cast<int32_t>(Gone.size());
}

void TCollection::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TCollection*>(Source);
    if (!From) {
        TPersistent::Assign(Source);
        return;
    }
    if (From == this) return;
    BeginUpdate();
    try {
        Clear();
        for (int32_t I = 0; I < From->Count(); ++I) Add()->Assign(From->Items(I));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int32_t ID) const
{
    for (int32_t I = 0; I < Count(); ++I)
        if (Items(I)->FID == ID) return Items(I);
    return nullptr;
}

void TCollection::EndUpdate()
{
    --FUpdateCount;
    Changed();
}

void TCollection::Changed()
{
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item)
{
    JoinItem(Item);
    Notify(Item, cnAdded);
    Changed();
}

void TCollection::JoinItem(TCollectionItem* Item)
{
    FItems.Add(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
}

void TCollection::RemoveItem(TCollectionItem* Item)
{
    Notify(Item, cnExtracting);
    FItems.Remove(Item);
    Item->FCollection = nullptr;
    Changed();
}
