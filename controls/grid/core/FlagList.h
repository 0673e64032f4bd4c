// TFlagList: flags by index that keep only the indexes set.
#pragma once

#include <cstdint>
#include <vector>

// A list of flags of any length whose memory grows with the flags set, not with its length. It also
// answers the pointer and integer list calls of the row and column operations: a set flag reads as a
// non-nil item and as 1. A bad index raises EListError "List index out of bounds (%d)" as those lists do.
class TFlagList {
public:
    int32_t Count() const { return FCount; }
    // Growing adds clear flags; shrinking drops the flags past the end. "List count out of bounds (%d)"
    // below 0.
    void SetCount(int32_t NewCount);
    bool Flag(int32_t Index) const;
    // An index at or past the end grows the list to Index + 1 first.
    void SetFlag(int32_t Index, bool Value);
    // The set indexes in ascending order.
    const std::vector<int32_t>& SetIndexes() const { return FSet; }
    // The number of set flags below Limit.
    int32_t CountSet(int32_t Limit) const;
    void Clear();

    void* Items(int32_t Index) const { return Flag(Index) ? Marker() : nullptr; }
    void SetItems(int32_t Index, void* Item);
    int32_t Add(void* Item);
    int32_t Add(int32_t Value);
    int32_t GetInteger(int32_t Index) const { return Flag(Index) ? 1 : 0; }
    void SetInteger(int32_t Index, int32_t Value);
    void Delete(int32_t Index);
    // The entries Index..Index + ACount - 1 that exist go; the later ones move up.
    void DeleteRange(int32_t Index, int32_t ACount);
    // ACount clear flags before Index (0..Count); nothing for another index.
    void InsertNils(int32_t Index, int32_t ACount);
    // Entries Middle..Last - 1 go to First, those of First..Middle - 1 follow them; cut to the list.
    void Rotate(int32_t First, int32_t Middle, int32_t Last);
    void Exchange(int32_t Index1, int32_t Index2);
    // The entries at Indexes (ascending, each once) go in one pass; the later ones close up.
    void DeleteIndexes(const std::vector<int32_t>& Indexes);

private:
    static void* Marker() { return reinterpret_cast<void*>(1); }
    void CheckIndex(int32_t Index) const;

    std::vector<int32_t> FSet;
    int32_t FCount = 0;
};
