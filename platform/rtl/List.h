// TList of untyped pointers and the typed TObjectList<T> built on it.
#pragma once

#include "rtl/Object.h"

#include <cstdint>
#include <functional>
#include <vector>

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

// Orders two items: negative when Item1 sorts first, 0 when equal, positive when Item2 sorts first.
using TListSortCompare = std::function<int32_t(void* Item1, void* Item2)>;

// A list of pointers with the toolkit's index rules: a bad index raises EListError
// "List index out of bounds (%d)". Notify tells descendants of non-nil items coming and going;
// destroying the list tells nothing (a descendant that must hear it clears the list itself).
class TList : public TObject {
public:
    TList() = default;

    // Appends Item and returns its index.
    int32_t Add(void* Item);
    // Inserts Item before Index; Index may equal Count.
    void Insert(int32_t Index, void* Item);
    void Delete(int32_t Index);
    // Deletes the items Index..Index + Count - 1 that exist, in one pass, each non-nil one notified.
    void DeleteRange(int32_t Index, int32_t Count);
    // Inserts Count nil items before Index (0..Count) in one pass; nothing for a bad index.
    void InsertNils(int32_t Index, int32_t Count);
    // The items Middle..Last - 1 go to First, those of First..Middle - 1 follow them; the range is cut to
    // the list. No notices: the items stay in the list.
    void Rotate(int32_t First, int32_t Middle, int32_t Last);
    // Deletes the first occurrence of Item; returns the index it had, or -1.
    int32_t Remove(void* Item);
    // Takes the first occurrence of Item out without the lnDeleted notice; nil when absent.
    void* Extract(void* Item);
    int32_t IndexOf(void* Item) const;
    void Exchange(int32_t Index1, int32_t Index2);
    void Move(int32_t CurIndex, int32_t NewIndex);
    void* First() const;
    void* Last() const;
    // Removes every nil item.
    void Pack();
    // Deletes every item (last first) and releases the storage.
    void Clear();
    // Sorts with the toolkit's quicksort, so equal items end in the same order as there.
    void Sort(const TListSortCompare& Compare);
    // Makes this list a copy of Source.
    void Assign(const TList& Source);

    int32_t Count() const { return static_cast<int32_t>(FList.size()); }
    // Growing adds nil items; shrinking deletes from the end. Raises "List count out of bounds (%d)".
    void SetCount(int32_t NewCount);
    int32_t Capacity() const { return FCapacity; }
    // Raises "List capacity out of bounds (%d)" below Count.
    void SetCapacity(int32_t NewCapacity);
    void* Items(int32_t Index) const;
    // Replaces the item (the old one is deleted, the new one added); storing the same item does nothing.
    void SetItems(int32_t Index, void* Item);
    // The items as a plain array of Count pointers (valid until the list changes).
    void* const* List() const { return FList.data(); }

protected:
    // Called after a non-nil item was added, extracted or deleted (also by SetItems and SetCount).
    virtual void Notify(void* Ptr, TListNotification Action);
    [[noreturn]] static void Error(const char* Text, int32_t Data);

private:
    void CheckIndex(int32_t Index) const;
    void Grow();

    std::vector<void*> FList;
    int32_t FCapacity = 0;
};

// A typed list that frees the objects it deletes while OwnsObjects is true (the default).
// Extract hands an object back without freeing it. Index errors are those of TList.
template <typename T>
class TObjectList : public TObject {
public:
    explicit TObjectList(bool AOwnsObjects = true) { FStore.FOwnsObjects = AOwnsObjects; }

    int32_t Add(T* Item) { return FStore.Add(Item); }
    void Insert(int32_t Index, T* Item) { FStore.Insert(Index, Item); }
    void Delete(int32_t Index) { FStore.Delete(Index); }
    int32_t Remove(T* Item) { return FStore.Remove(Item); }
    T* Extract(T* Item) { return static_cast<T*>(FStore.Extract(Item)); }
    int32_t IndexOf(const T* Item) const { return FStore.IndexOf(const_cast<T*>(Item)); }
    bool Contains(const T* Item) const { return IndexOf(Item) >= 0; }
    void Exchange(int32_t Index1, int32_t Index2) { FStore.Exchange(Index1, Index2); }
    void Move(int32_t CurIndex, int32_t NewIndex) { FStore.Move(CurIndex, NewIndex); }
    T* First() const { return static_cast<T*>(FStore.First()); }
    T* Last() const { return static_cast<T*>(FStore.Last()); }
    void Pack() { FStore.Pack(); }
    void Clear() { FStore.Clear(); }
    void Sort(const std::function<int32_t(T* Item1, T* Item2)>& Compare)
    {
        FStore.Sort([&Compare](void* A, void* B) { return Compare(static_cast<T*>(A), static_cast<T*>(B)); });
    }

    int32_t Count() const { return FStore.Count(); }
    void SetCount(int32_t NewCount) { FStore.SetCount(NewCount); }
    int32_t Capacity() const { return FStore.Capacity(); }
    void SetCapacity(int32_t NewCapacity) { FStore.SetCapacity(NewCapacity); }
    T* Items(int32_t Index) const { return static_cast<T*>(FStore.Items(Index)); }
    // Replaces the item at Index; an owned previous item is freed.
    void SetItems(int32_t Index, T* Item) { FStore.SetItems(Index, Item); }
    bool OwnsObjects() const { return FStore.FOwnsObjects; }
    void SetOwnsObjects(bool Value) { FStore.FOwnsObjects = Value; }

    class const_iterator {
    public:
        explicit const_iterator(void* const* At) : FAt(At) {}
        T* operator*() const { return static_cast<T*>(*FAt); }
        const_iterator& operator++() { ++FAt; return *this; }
        friend bool operator==(const const_iterator&, const const_iterator&) = default;

    private:
        void* const* FAt;
    };
    const_iterator begin() const { return const_iterator(FStore.List()); }
    const_iterator end() const { return const_iterator(FStore.List() + FStore.Count()); }

private:
    class TStore : public TList {
    public:
        ~TStore() override { Clear(); }
        bool FOwnsObjects = true;

    protected:
        void Notify(void* Ptr, TListNotification Action) override
        {
            if (FOwnsObjects && Action == lnDeleted) delete static_cast<T*>(Ptr);
        }
    };
    TStore FStore;
};
