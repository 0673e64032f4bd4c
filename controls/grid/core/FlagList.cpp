// TFlagList: sorted indexes of the set flags beside the list's length.
#include "grid/core/FlagList.h"

#include "rtl/Exceptions.h"

#include <QString>

#include <algorithm>

void TFlagList::CheckIndex(int32_t Index) const
{
    if (Index < 0 || Index >= FCount) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

void TFlagList::SetCount(int32_t NewCount)
{
    if (NewCount < 0) throw EListError(QStringLiteral("List count out of bounds (%1)").arg(NewCount));
    if (NewCount < FCount) FSet.erase(std::lower_bound(FSet.begin(), FSet.end(), NewCount), FSet.end());
    FCount = NewCount;
}

bool TFlagList::Flag(int32_t Index) const
{
    CheckIndex(Index);
    return std::binary_search(FSet.begin(), FSet.end(), Index);
}

void TFlagList::SetFlag(int32_t Index, bool Value)
{
    if (Index < 0) CheckIndex(Index);
    if (Index >= FCount) FCount = Index + 1;
    const auto At = std::lower_bound(FSet.begin(), FSet.end(), Index);
    const bool Was = At != FSet.end() && *At == Index;
    if (Value && !Was) FSet.insert(At, Index);
    else if (!Value && Was) FSet.erase(At);
}

int32_t TFlagList::CountSet(int32_t Limit) const
{
    return static_cast<int32_t>(std::lower_bound(FSet.begin(), FSet.end(), Limit) - FSet.begin());
}

void TFlagList::Clear()
{
    FSet.clear();
    FSet.shrink_to_fit();
    FCount = 0;
}

void TFlagList::SetItems(int32_t Index, void* Item)
{
    CheckIndex(Index);
    SetFlag(Index, Item != nullptr);
}

int32_t TFlagList::Add(void* Item)
{
    SetFlag(FCount, Item != nullptr);
    return FCount - 1;
}

int32_t TFlagList::Add(int32_t Value)
{
    SetFlag(FCount, Value != 0);
    return FCount - 1;
}

void TFlagList::SetInteger(int32_t Index, int32_t Value)
{
    CheckIndex(Index);
    SetFlag(Index, Value != 0);
}

void TFlagList::Delete(int32_t Index)
{
    CheckIndex(Index);
    DeleteRange(Index, 1);
}

void TFlagList::DeleteRange(int32_t Index, int32_t ACount)
{
    if (Index < 0 || ACount <= 0 || Index >= FCount) return;
    ACount = std::min(ACount, FCount - Index);
    const auto From = std::lower_bound(FSet.begin(), FSet.end(), Index);
    const auto To = std::lower_bound(From, FSet.end(), Index + ACount);
    for (auto It = To; It != FSet.end(); ++It) *It -= ACount;
    FSet.erase(From, To);
    FCount -= ACount;
}

void TFlagList::InsertNils(int32_t Index, int32_t ACount)
{
    if (Index < 0 || Index > FCount || ACount <= 0) return;
    for (auto It = std::lower_bound(FSet.begin(), FSet.end(), Index); It != FSet.end(); ++It) *It += ACount;
    FCount += ACount;
}

void TFlagList::Rotate(int32_t First, int32_t Middle, int32_t Last)
{
    Last = std::min(Last, FCount);
    if (First < 0 || First >= Middle || Middle >= Last) return;
    const auto From = std::lower_bound(FSet.begin(), FSet.end(), First);
    const auto To = std::lower_bound(From, FSet.end(), Last);
    for (auto It = From; It != To; ++It) *It += *It < Middle ? Last - Middle : First - Middle;
    std::sort(From, To);
}

void TFlagList::Exchange(int32_t Index1, int32_t Index2)
{
    const bool A = Flag(Index1);
    const bool B = Flag(Index2);
    if (A == B) return;
    SetFlag(Index1, B);
    SetFlag(Index2, A);
}

void TFlagList::DeleteIndexes(const std::vector<int32_t>& Indexes)
{
    const auto End = std::lower_bound(Indexes.begin(), Indexes.end(), FCount);
    const auto Begin = std::lower_bound(Indexes.begin(), End, 0);
    if (Begin == End) return;
    std::vector<int32_t> Kept;
    Kept.reserve(FSet.size());
    auto Gone = Begin;
    for (const int32_t Index : FSet) {
        while (Gone != End && *Gone < Index) ++Gone;
        if (Gone != End && *Gone == Index) continue;
        Kept.push_back(Index - static_cast<int32_t>(Gone - Begin));
    }
    FSet.swap(Kept);
    FCount -= static_cast<int32_t>(End - Begin);
}
