// TSortSettings: how header clicks sort a grid, the look of the sort indicator and the sort state.
#pragma once

#include "grid/core/ExtGridTypes.h"

#include "graphics/Colors.h"
#include "rtl/Object.h"

#include <QString>

#include <cstdint>
#include <memory>

class TBitmap;
class TExtStringGrid;

class TSortSettings : public TPersistent {
public:
    // AGrid is not owned and may be nil.
    explicit TSortSettings(TExtStringGrid* AGrid);
    ~TSortSettings() override;

    // From other sort settings: every published value but IgnoreCase and SortOnVirtualCells,
    // glyphs by picture; any other source is ignored.
    void Assign(TPersistent* Source) override;

    // Column := -1, the grid's sort keys emptied, the last fixed row repainted.
    void Remove();
    void ToggleDirection();

    // The sort state as text: "i;" and the grid's sort keys while IndexShow is on, else "u"
    // (ascending) or "d" and Column, so "u-1" when nothing is sorted.
    QString SaveToString() const;
    // Reads such a text, turns Show on and sorts the grid by it; an empty text changes nothing.
    // One character raises "Invalid sort settings specifier" with nothing changed. Any text
    // without "i;" sets Direction ("u" anywhere: ascending); a number that does not read or a
    // column the grid does not hold leaves Column as it is and sorts nothing ("u-1" unsorts).
    // With "i;" the keys after its first two characters replace the grid's sort keys and sort
    // the grid, unless a key names a column the grid does not hold.
    void LoadFromString(const QString& Value);

    bool AutoSortForGrouping() const { return FAutoSortForGrouping; }
    void SetAutoSortForGrouping(bool Value) { FAutoSortForGrouping = Value; }
    bool AutoColumnMerge() const { return FAutoColumnMerge; }
    void SetAutoColumnMerge(bool Value) { FAutoColumnMerge = Value; }
    // The sorted column, -1 for none.
    int32_t Column() const { return FSortColumn; }
    void SetColumn(int32_t Value) { FSortColumn = Value; }
    bool Show() const { return FSortShow; }
    // A change repaints the grid.
    void SetShow(bool Value);
    bool IndexShow() const { return FSortIndexShow; }
    void SetIndexShow(bool Value) { FSortIndexShow = Value; }
    TColor IndexColor() const { return FSortIndexColor; }
    void SetIndexColor(TColor Value) { FSortIndexColor = Value; }
    TIndexSortKey IndexSortKey() const { return FIndexSortKey; }
    void SetIndexSortKey(TIndexSortKey Value) { FIndexSortKey = Value; }
    bool Full() const { return FSortFull; }
    void SetFull(bool Value) { FSortFull = Value; }
    bool SingleColumn() const { return FSortSingleColumn; }
    void SetSingleColumn(bool Value) { FSortSingleColumn = Value; }
    bool IgnoreBlanks() const { return FSortIgnoreBlanks; }
    void SetIgnoreBlanks(bool Value) { FSortIgnoreBlanks = Value; }
    TSortBlankPosition BlankPos() const { return FSortBlankPos; }
    void SetBlankPos(TSortBlankPosition Value) { FSortBlankPos = Value; }
    bool AutoFormat() const { return FSortAutoFormat; }
    void SetAutoFormat(bool Value) { FSortAutoFormat = Value; }
    TSortDirection Direction() const { return FSortDirection; }
    void SetDirection(TSortDirection Value) { FSortDirection = Value; }
    TBitmap* UpGlyph() const { return FSortUpGlyph.get(); }
    void SetUpGlyph(TBitmap* Value);
    TBitmap* DownGlyph() const { return FSortDownGlyph.get(); }
    void SetDownGlyph(TBitmap* Value);
    bool IgnoreCase() const { return FIgnoreCase; }
    void SetIgnoreCase(bool Value) { FIgnoreCase = Value; }
    TBitmap* IndexUpGlyph() const { return FIndexUpGlyph.get(); }
    void SetIndexUpGlyph(TBitmap* Value);
    TBitmap* IndexDownGlyph() const { return FIndexDownGlyph.get(); }
    void SetIndexDownGlyph(TBitmap* Value);
    TSortDirection InitSortDirection() const { return FInitSortDirection; }
    void SetInitSortDirection(TSortDirection Value) { FInitSortDirection = Value; }
    bool FixedCols() const { return FSortFixedCols; }
    void SetFixedCols(bool Value) { FSortFixedCols = Value; }
    bool NormalCellsOnly() const { return FSortNormalCellsOnly; }
    void SetNormalCellsOnly(bool Value) { FSortNormalCellsOnly = Value; }
    int32_t Row() const { return FSortRow; }
    // "Sort row should be smaller than number of fixed rows" unless Value < the grid's FixedRows.
    void SetRow(int32_t Value);
    bool UndoSort() const { return FUndoSort; }
    void SetUndoSort(bool Value) { FUndoSort = Value; }
    bool SortOnVirtualCells() const { return FVirtualCells; }
    void SetSortOnVirtualCells(bool Value) { FVirtualCells = Value; }
    // A change repaints the last fixed row of the grid.
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { SetHeader(FHeaderColor, Value); }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { SetHeader(FHeaderColorTo, Value); }
    TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(TColor Value) { SetHeader(FHeaderMirrorColor, Value); }
    TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(TColor Value) { SetHeader(FHeaderMirrorColorTo, Value); }
    TExtStringGrid* Grid() const { return FGrid; }

private:
    void SetHeader(TColor& Field, TColor Value);

    TExtStringGrid* FGrid;
    bool FSortShow = false;
    bool FSortIndexShow = false;
    bool FSortFull = true;
    bool FSortSingleColumn = false;
    bool FSortIgnoreBlanks = false;
    TSortBlankPosition FSortBlankPos = blFirst;
    bool FSortAutoFormat = true;
    TSortDirection FSortDirection = sdAscending;
    std::unique_ptr<TBitmap> FSortUpGlyph;
    std::unique_ptr<TBitmap> FSortDownGlyph;
    std::unique_ptr<TBitmap> FIndexUpGlyph;
    std::unique_ptr<TBitmap> FIndexDownGlyph;
    bool FSortNormalCellsOnly = false;
    bool FSortFixedCols = false;
    int32_t FSortColumn = -1;
    int32_t FSortRow = 0;
    bool FAutoColumnMerge = false;
    TColor FSortIndexColor = clYellow;
    TSortDirection FInitSortDirection = sdAscending;
    bool FUndoSort = false;
    bool FAutoSortForGrouping = true;
    bool FVirtualCells = true;
    bool FIgnoreCase = false;
    TColor FHeaderColor = clNone;
    TColor FHeaderColorTo = clNone;
    TColor FHeaderMirrorColor = clNone;
    TColor FHeaderMirrorColorTo = clNone;
    TIndexSortKey FIndexSortKey = ikShift;
};
