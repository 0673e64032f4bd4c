// The grid's hidden rows and the sorted index that maps real rows to display rows and back.
#include "grid/core/HiddenRows.h"

#include "grid/core/GridItems.h"

#include <algorithm>

TGridItems::TGridItems() : TCollection(TCollection::ItemClassOf<TGridItem>()) {}

TGridItems::~TGridItems()
{
    // Items leave before the index goes.
    Clear();
}

TGridItem* TGridItems::Items(int32_t Index) const
{
    return static_cast<TGridItem*>(TCollection::Items(Index));
}

TGridItem* TGridItems::AddRow(int32_t Index, TRealRow Row, int32_t Height, int32_t Level)
{
    auto* Item = static_cast<TGridItem*>(Index >= Count() ? Add() : Insert(Index));
    Item->SetIdx(Value(Row));
    Item->SetHeight(Height);
    Item->SetLevel(Level);
    return Item;
}

void TGridItems::Notify(TCollectionItem*, TCollectionNotification)
{
    FDirty = true;
}

void TGridItems::Rebuild() const
{
    if (!FDirty) return;
    FIndex.clear();
    FIndex.reserve(static_cast<size_t>(Count()));
    for (int32_t I = 0; I < Count(); ++I) {
        // An item being deleted is still in the collection while it is told: skip nothing here, the
        // notice of its leaving marks the index dirty again.
        auto* Item = static_cast<TGridItem*>(TCollection::Items(I));
        FIndex.emplace_back(Item->Idx(), Item);
    }
    const auto ByIdx = [](const auto& A, const auto& B) { return A.first < B.first; };
    if (!std::is_sorted(FIndex.begin(), FIndex.end(), ByIdx)) std::stable_sort(FIndex.begin(), FIndex.end(), ByIdx);
    FDirty = false;
}

TGridItem* TGridItems::Find(TRealRow Row) const
{
    Rebuild();
    const auto It = std::lower_bound(FIndex.begin(), FIndex.end(), Value(Row),
                                     [](const auto& E, int32_t R) { return E.first < R; });
    return It != FIndex.end() && It->first == Value(Row) ? It->second : nullptr;
}

int32_t TGridItems::CountBelow(TRealRow Row) const
{
    Rebuild();
    return static_cast<int32_t>(std::lower_bound(FIndex.begin(), FIndex.end(), Value(Row),
                                                 [](const auto& E, int32_t R) { return E.first < R; }) -
                                FIndex.begin());
}

TRealRow TGridItems::ToReal(TDisplRow Row) const
{
    const int32_t d = Value(Row);
    if (d < 0) return TRealRow{d};
    Rebuild();
    // The j-th hidden row (0-based) has Idx - j shown rows before it; every hidden row with at most d
    // shown rows before it lies before the shown row d.
    int32_t Lo = 0;
    int32_t Hi = static_cast<int32_t>(FIndex.size());
    while (Lo < Hi) {
        const int32_t Mid = (Lo + Hi) / 2;
        if (FIndex[static_cast<size_t>(Mid)].first - Mid <= d) Lo = Mid + 1;
        else Hi = Mid;
    }
    return TRealRow{d + Lo};
}

std::vector<int32_t> TGridItems::SortedRows() const
{
    Rebuild();
    std::vector<int32_t> Rows;
    Rows.reserve(FIndex.size());
    for (const auto& E : FIndex) Rows.push_back(E.first);
    return Rows;
}

std::vector<TGridItem*> TGridItems::ItemsIn(TRealRow From, TRealRow To) const
{
    Rebuild();
    std::vector<TGridItem*> Result;
    auto It = std::lower_bound(FIndex.begin(), FIndex.end(), Value(From),
                               [](const auto& E, int32_t R) { return E.first < R; });
    for (; It != FIndex.end() && It->first <= Value(To); ++It) Result.push_back(It->second);
    return Result;
}

void TGridItems::ShownRowsRemoved(TDisplRow Start, int32_t ACount)
{
    if (ACount <= 0 || Count() == 0) return;
    Rebuild();
    // The j-th hidden row in Idx order has Idx - j shown rows above it.
    for (size_t J = 0; J < FIndex.size(); ++J) {
        auto& [Idx, Item] = FIndex[J];
        const int32_t Above = std::clamp(Idx - static_cast<int32_t>(J) - Value(Start), 0, ACount);
        if (Above == 0) continue;
        Idx -= Above;
        Item->SetIdx(Idx);
    }
    FDirty = false;
}

void TGridItems::ShownRowSetRemoved(const std::vector<int32_t>& Rows)
{
    if (Rows.empty() || Count() == 0) return;
    Rebuild();
    for (size_t J = 0; J < FIndex.size(); ++J) {
        auto& [Idx, Item] = FIndex[J];
        const int32_t ShownAbove = Idx - static_cast<int32_t>(J);
        const auto Above = static_cast<int32_t>(std::lower_bound(Rows.begin(), Rows.end(), ShownAbove) - Rows.begin());
        if (Above == 0) continue;
        Idx -= Above;
        Item->SetIdx(Idx);
    }
    FDirty = false;
}
