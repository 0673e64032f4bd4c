// The cell store of the string grid: a text and an object per cell, kept by row in pages that exist only where cells were written.
#pragma once

#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class TObject;

// Rows live in pages of 1024 found through two levels of tables, so a far row costs one page; a row keeps
// its first columns in arrays (an empty text allocates nothing) and columns far out in a map. Objects are
// kept only in rows that have one. Indexes must not be negative.
class TGridCellStore {
public:
    TGridCellStore();
    ~TGridCellStore();
    TGridCellStore(const TGridCellStore&) = delete;
    TGridCellStore& operator=(const TGridCellStore&) = delete;

    // A row reserves room for this many cells when it is first written.
    void SetWidthHint(int32_t Value) { FWidthHint = Value; }

    QString Text(int32_t ACol, int32_t ARow) const { return TextRef(ACol, ARow); }
    // The stored text, or an empty one, without a copy; valid until the store changes.
    const QString& TextRef(int32_t ACol, int32_t ARow) const
    {
        const TRow* Row = Find(ARow);
        if (Row && static_cast<uint32_t>(ACol) < Row->Texts.size()) return Row->Texts[static_cast<uint32_t>(ACol)];
        return Row ? FarText(*Row, ACol) : Empty;
    }
    void SetText(int32_t ACol, int32_t ARow, const QString& Value);
    TObject* Object(int32_t ACol, int32_t ARow) const;
    void SetObject(int32_t ACol, int32_t ARow, TObject* Value);

    // The row at From goes to To, the rows between shift by one.
    void MoveRow(int32_t From, int32_t To);
    // The rows Middle..Last - 1 go to First, the rows First..Middle - 1 follow them; rows move whole.
    void RotateRows(int32_t First, int32_t Middle, int32_t Last);
    // Row First + i := the old row Sources[i] (a permutation of the range); rows move whole.
    void ArrangeRows(int32_t First, const std::vector<int32_t>& Sources);
    // The same for the column in every row.
    void MoveColumn(int32_t From, int32_t To);
    // The contents of two rows change places.
    void ExchangeRows(int32_t Row1, int32_t Row2);

private:
    struct TFarCell {
        QString Text;
        TObject* Object = nullptr;
    };
    struct TRow {
        std::vector<QString> Texts;
        std::vector<TObject*> Objects;
        std::unique_ptr<std::map<int32_t, TFarCell>> Far;
        bool Empty() const { return Texts.empty() && Objects.empty() && !Far; }
    };
    static constexpr int32_t PageBits = 10;
    static constexpr int32_t PageSize = 1 << PageBits;
    // Columns from here on are kept in the row's map.
    static constexpr int32_t DenseColumns = 4096;
    struct TPage {
        TRow Rows[PageSize];
    };
    struct TTable {
        std::unique_ptr<TPage> Pages[PageSize];
    };

    // A negative row is out of every table.
    const TRow* Find(int32_t ARow) const
    {
        const uint32_t Table = static_cast<uint32_t>(ARow) >> (2 * PageBits);
        if (Table >= FTables.size()) return nullptr;
        const TTable* Found = FTables[Table].get();
        if (!Found) return nullptr;
        const TPage* Page = Found->Pages[(ARow >> PageBits) & (PageSize - 1)].get();
        return Page ? &Page->Rows[ARow & (PageSize - 1)] : nullptr;
    }
    TRow* Find(int32_t ARow) { return const_cast<TRow*>(static_cast<const TGridCellStore*>(this)->Find(ARow)); }
    static const QString& FarText(const TRow& Row, int32_t ACol);
    TRow& Make(int32_t ARow);
    void MoveRowContents(TRow& Row, int32_t From, int32_t To);

    static const QString Empty;

    std::vector<std::unique_ptr<TTable>> FTables;
    int32_t FWidthHint = 0;
};
