// The grid's collection of hidden rows and the sorted index beside it that maps real and display rows.
#pragma once

#include "rtl/Collection.h"

#include <cstdint>
#include <utility>
#include <vector>

class TGridItem;

// The two kinds of row index, kept apart by type inside the mapping: a real row counts every row, a
// display row only the shown ones.
enum class TRealRow : int32_t {};
enum class TDisplRow : int32_t {};

constexpr int32_t Value(TRealRow R) { return static_cast<int32_t>(R); }
constexpr int32_t Value(TDisplRow R) { return static_cast<int32_t>(R); }

// Owns the TGridItem of each hidden row. Beside the collection it keeps the items sorted by Idx (the
// real row), rebuilt after any change of the items or of an Idx, so that every mapping below costs
// O(log hidden rows). The order of the collection itself is left as its users make it.
class TGridItems : public TCollection {
public:
    TGridItems();
    ~TGridItems() override;

    TGridItem* Items(int32_t Index) const;
    // A new item at collection position Index (the end for Index = Count) for the real row.
    TGridItem* AddRow(int32_t Index, TRealRow Row, int32_t Height, int32_t Level);

    // The item of a hidden real row; nil when the row shows.
    TGridItem* Find(TRealRow Row) const;
    bool IsHidden(TRealRow Row) const { return Find(Row) != nullptr; }
    // Hidden rows with a real index below Row.
    int32_t CountBelow(TRealRow Row) const;
    // The display row of a real row (of the next shown row for a hidden one).
    TDisplRow ToDispl(TRealRow Row) const { return TDisplRow{Value(Row) - CountBelow(Row)}; }
    // The real row shown at a display row; -1 stays -1, rows beyond the grid count on past the last.
    TRealRow ToReal(TDisplRow Row) const;
    // The hidden real rows in ascending order.
    std::vector<int32_t> SortedRows() const;
    // The items of the hidden rows From..To, by ascending Idx.
    std::vector<TGridItem*> ItemsIn(TRealRow From, TRealRow To) const;
    // The shown display rows Start..Start + Count - 1 left the grid: each hidden row below them moves up
    // by the removed rows above it (one pass; the order stays).
    void ShownRowsRemoved(TDisplRow Start, int32_t ACount);
    // The same for a set of shown display rows (ascending).
    void ShownRowSetRemoved(const std::vector<int32_t>& Rows);

    // Told by an item whose Idx changed.
    void IndexChanged() { FDirty = true; }

protected:
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

private:
    void Rebuild() const;

    // (Idx, item) sorted by Idx.
    mutable std::vector<std::pair<int32_t, TGridItem*>> FIndex;
    mutable bool FDirty = false;
};
