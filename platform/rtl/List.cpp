// TList of untyped pointers.
#include "rtl/List.h"

#include "rtl/Exceptions.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int32_t MaxListSize = 0x7FFFFFFF / 16;

// The toolkit's quicksort: middle pivot, Hoare partition, loop on the right part.
void QuickSort(void** List, int32_t L, int32_t R, const TListSortCompare& Compare)
{
    int32_t I;
    do {
        I = L;
        int32_t J = R;
        void* Pivot = List[(L + R) >> 1];
        do {
            while (Compare(List[I], Pivot) < 0) ++I;
            while (Compare(List[J], Pivot) > 0) --J;
            if (I <= J) {
                if (I != J) std::swap(List[I], List[J]);
                ++I;
                --J;
            }
        } while (I <= J);
        if (L < J) QuickSort(List, L, J, Compare);
        L = I;
    } while (I < R);
}

}  // namespace

void TList::Error(const char* Text, int32_t Data)
{
    throw EListError(QString::fromLatin1(Text).arg(Data));
}

void TList::CheckIndex(int32_t Index) const
{
    if (Index < 0 || Index >= Count()) Error("List index out of bounds (%1)", Index);
}

void TList::Grow()
{
    const int32_t Delta = FCapacity > 64 ? FCapacity / 4 : FCapacity > 8 ? 16 : 4;
    SetCapacity(FCapacity + Delta);
}

int32_t TList::Add(void* Item)
{
    const int32_t Result = Count();
    if (Result == FCapacity) Grow();
    FList.push_back(Item);
    if (Item) Notify(Item, lnAdded);
    return Result;
}

void TList::Insert(int32_t Index, void* Item)
{
    if (Index < 0 || Index > Count()) Error("List index out of bounds (%1)", Index);
    if (Count() == FCapacity) Grow();
    FList.insert(FList.begin() + Index, Item);
    if (Item) Notify(Item, lnAdded);
}

void TList::Delete(int32_t Index)
{
    CheckIndex(Index);
    void* Item = FList[Index];
    FList.erase(FList.begin() + Index);
    if (Item) Notify(Item, lnDeleted);
}

void TList::DeleteRange(int32_t Index, int32_t Count)
{
    if (Index < 0 || Count <= 0 || Index >= this->Count()) return;
    Count = std::min(Count, this->Count() - Index);
    const std::vector<void*> Gone(FList.begin() + Index, FList.begin() + Index + Count);
    FList.erase(FList.begin() + Index, FList.begin() + Index + Count);
    for (void* Item : Gone)
        if (Item) Notify(Item, lnDeleted);
}

void TList::InsertNils(int32_t Index, int32_t Count)
{
    if (Index < 0 || Count <= 0 || Index > this->Count()) return;
    if (this->Count() + Count > FCapacity) SetCapacity(this->Count() + Count);
    FList.insert(FList.begin() + Index, static_cast<size_t>(Count), nullptr);
}

void TList::Rotate(int32_t First, int32_t Middle, int32_t Last)
{
    Last = std::min(Last, Count());
    if (First < 0 || First >= Middle || Middle >= Last) return;
    std::rotate(FList.begin() + First, FList.begin() + Middle, FList.begin() + Last);
}

int32_t TList::Remove(void* Item)
{
    const int32_t Result = IndexOf(Item);
    if (Result >= 0) Delete(Result);
    return Result;
}

void* TList::Extract(void* Item)
{
    const int32_t Index = IndexOf(Item);
    if (Index < 0) return nullptr;
    FList.erase(FList.begin() + Index);
    if (Item) Notify(Item, lnExtracted);
    return Item;
}

int32_t TList::IndexOf(void* Item) const
{
    const auto Found = std::find(FList.begin(), FList.end(), Item);
    return Found == FList.end() ? -1 : static_cast<int32_t>(Found - FList.begin());
}

void TList::Exchange(int32_t Index1, int32_t Index2)
{
    CheckIndex(Index1);
    CheckIndex(Index2);
    std::swap(FList[Index1], FList[Index2]);
}

void TList::Move(int32_t CurIndex, int32_t NewIndex)
{
    if (CurIndex == NewIndex) return;
    CheckIndex(NewIndex);
    CheckIndex(CurIndex);
    void* Item = FList[CurIndex];
    FList.erase(FList.begin() + CurIndex);
    FList.insert(FList.begin() + NewIndex, Item);
}

void* TList::First() const
{
    return Items(0);
}

void* TList::Last() const
{
    return Items(Count() - 1);
}

void TList::Pack()
{
    FList.erase(std::remove(FList.begin(), FList.end(), nullptr), FList.end());
}

void TList::Clear()
{
    SetCount(0);
    SetCapacity(0);
}

void TList::Sort(const TListSortCompare& Compare)
{
    if (Count() > 1) QuickSort(FList.data(), 0, Count() - 1, Compare);
}

void TList::Assign(const TList& Source)
{
    if (&Source == this) return;
    Clear();
    SetCapacity(Source.Capacity());
    for (void* Item : Source.FList) Add(Item);
}

void TList::SetCount(int32_t NewCount)
{
    if (NewCount < 0 || NewCount > MaxListSize) Error("List count out of bounds (%1)", NewCount);
    if (NewCount > FCapacity) SetCapacity(NewCount);
    if (NewCount > Count()) FList.resize(static_cast<size_t>(NewCount), nullptr);
    else
        for (int32_t I = Count() - 1; I >= NewCount; --I) Delete(I);
}

void TList::SetCapacity(int32_t NewCapacity)
{
    if (NewCapacity < Count() || NewCapacity > MaxListSize) Error("List capacity out of bounds (%1)", NewCapacity);
    if (NewCapacity == FCapacity) return;
    if (NewCapacity < FCapacity) FList.shrink_to_fit();
    FList.reserve(static_cast<size_t>(NewCapacity));
    FCapacity = NewCapacity;
}

void* TList::Items(int32_t Index) const
{
    CheckIndex(Index);
    return FList[Index];
}

void TList::SetItems(int32_t Index, void* Item)
{
    CheckIndex(Index);
    void* Old = FList[Index];
    if (Old == Item) return;  // an owning list must not free an item it keeps
    FList[Index] = Item;
    if (Old) Notify(Old, lnDeleted);
    if (Item) Notify(Item, lnAdded);
}

void TList::Notify(void*, TListNotification) {}
