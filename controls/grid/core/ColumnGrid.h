// TExtColumnGrid: the string grid configured per column through a collection of column items.
#pragma once

#include "grid/core/ColumnItems.h"
#include "grid/core/ExtGrid.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TCellGraphic;
class TPopupMenu;
class TStream;

using TColumnPopupEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, TPopupMenu* PopupMenu)>;
using TAfterColumnMoved = std::function<void(TObject* Sender, int32_t FromIndex, int32_t ToIndex)>;

// Raised when a column stream cannot be read; nothing of the grid has changed then.
KT_DECLARE_EXCEPTION(EColumnStreamError, Exception);

class TExtColumnGrid : public TExtStringGrid {
public:
    explicit TExtColumnGrid(TComponent* AOwner);
    ~TExtColumnGrid() override;

    void Loaded() override;

    // ---- Columns ----
    TGridColumnCollection* Columns() const { return FColumnCollection.get(); }
    // Copies Value into the grid's own collection.
    void SetColumns(TGridColumnCollection* Value);
    // The first item of that name; nil for none.
    TGridColumnItem* ColumnByName(const QString& AValue) const;
    bool AutoFilterDisplay() const { return FAutoFilterDisplay; }
    void SetAutoFilterDisplay(bool Value) { FAutoFilterDisplay = Value; }

    // Item count := ColCount + hidden columns (new items copy the visuals of the one before).
    void SynchronizeColumns();
    // ColumnHeaders := the items' headers; an empty header takes its row-0 cell text.
    void CollectColumnHeaders();
    void ColumnHeadersChanged() override;

    // ---- Dimensions and column operations keeping the items in step ----
    void SetColCount(int32_t Value);
    void InsertCols(int32_t ColIndex, int32_t CCount) override;
    void RemoveCols(int32_t ColIndex, int32_t CCount) override;
    void CalcAllFooters() override;
    void Group(int32_t ColIndex) override;
    void UnGroup() override;

    // ---- Streams and stored positions ----
    // Every item with every property, in a self-describing versioned encoding.
    void SaveColumnsToStream(TStream* Stream);
    // The whole stream is checked before the items change; a bad stream raises EColumnStreamError.
    void LoadColumnsFromStream(TStream* Stream);
    // "CP" + i := DefIdx of the item at i, in Section of INI file Key.
    void SaveColumnPositions(const QString& Key, const QString& Section);
    // Missing keys change nothing; values that are no permutation raise the list index error.
    void LoadColumnPositions(const QString& Key, const QString& Section);
    // With ColumnSize's Location clIniFile the "CP" keys above in its Key and Section; else the
    // string grid's "Pos" store.
    void SaveColPositions() override;
    void LoadColPositions() override;

    int32_t GetVersionNr() const override;
    QString GetVersionString() const override;

    // ---- Per-cell hooks answered from the columns ----
    void GetAlignment(int32_t ACol, int32_t ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    void GetCellBorder(int32_t ACol, int32_t ARow, TPen* APen, TCellBorders& Borders) override;
    void GetCellPrintBorder(int32_t ACol, int32_t ARow, TPen* APen, TCellBorders& Borders) override;
    void GetCellColor(int32_t ACol, int32_t ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void GetCellPrintColor(int32_t ACol, int32_t ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void GetFormat(int32_t ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) override;
    void GetEditorType(int32_t ACol, int32_t ARow, TEditorType& AEditor) override;
    bool HasComboBox(int32_t ACol, int32_t ARow) override;
    void IsFixedCell(int32_t ACol, int32_t ARow, bool& IsFixed) override;
    using TExtStringGrid::CanEdit;
    void CanEdit(int32_t ACol, int32_t ARow, bool& Value) override;
    void IsPasswordCell(int32_t ACol, int32_t ARow, bool& IsPassword) override;
    void GetCheckTrue(int32_t ACol, int32_t ARow, QString& Value) override;
    void GetCheckFalse(int32_t ACol, int32_t ARow, QString& Value) override;
    bool GetColumnFilter(int32_t ACol) override;
    void GetFloatFormat(int32_t ACol, int32_t ARow, QString& AFormat) override;
    QString GetFormattedCell(int32_t ACol, int32_t ARow) override;
    TCellType GetCellType(int32_t ACol, int32_t ARow) override;
    TCellGraphic* GetCellGraphic(int32_t ACol, int32_t ARow) override;
    void GetCellDefaults(int32_t ACol, int32_t ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                         TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                         TCellGradientDirection& GD) override;
    void UpdateColumnSize(int32_t ACol, int32_t& AWidth) override;
    void UpdateAutoColumnSize(int32_t ACol, int32_t& AWidth) override;
    void ApplyFilterListChoice(TObject* Sender, int32_t ItemIndex) override;

    // A data cell: a column with an item, right of the fixed and left of the right fixed columns,
    // below the fixed rows and above the footer rows.
    bool IsDataCell(int32_t ACol, int32_t ARow) const;

    // After a column move, with real indexes.
    TAfterColumnMoved OnAfterColumnMoved;
    // Before a column's pop-up menu shows.
    TColumnPopupEvent OnColumnPopup;

protected:
    // The factory of the collection; a descendant may return its own kind.
    virtual TGridColumnCollection* CreateColumns();
    void Notification(TComponent* AComponent, TOperation Operation) override;
    bool IsSharedGraphic(const TCellGraphic* Graphic) const override;
    void ChangeScale(int32_t M, int32_t D) override;
    QString GetEditMask(int32_t ACol, int32_t ARow) override;
    int32_t GetEditLimit() override;
    void ColumnMoved(int32_t FromIndex, int32_t ToIndex) override;
    void ColWidthsChanged() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;

private:
    friend class TGridColumnItem;
    friend class TGridColumnCollection;

    // The item of real column ACol; nil for none or while the grid has no collection.
    TGridColumnItem* ItemOf(int32_t ACol) const;
    // The column stands at or right of FixedCols and the row at or below FixedRows.
    bool IsNormalCell(int32_t ACol, int32_t ARow) const { return ACol >= FixedCols() && ARow >= FixedRows(); }
    // Grid width of a real column, hidden ones included.
    int32_t ColumnWidthOf(int32_t ACol);
    void SetColumnWidthOf(int32_t ACol, int32_t Value);
    // Runs Body with the collection's NoRecursiveUpdate set, restoring it afterwards.
    void WithoutRecursion(const std::function<void()>& Body);

    std::unique_ptr<TGridColumnCollection> FColumnCollection;
    std::unique_ptr<TGridColumnItem> FSaveCol;
    bool FColMoving = false;
    // The virtual check box of edDataCheckBox columns; never stored in a cell.
    std::unique_ptr<TCellGraphic> FCellGraphic;
    bool FAutoFilterDisplay = false;
};

// A carrier of column items; its collection's owner is the grid that made it.
class TExtColumnGridIO : public TComponent {
public:
    // AGrid is not owned; it is also the component's owner.
    explicit TExtColumnGridIO(TExtColumnGrid* AGrid);
    ~TExtColumnGridIO() override;

    TGridColumnCollection* Items() const { return FItems.get(); }
    void SetItems(TGridColumnCollection* Value);

private:
    std::unique_ptr<TGridColumnCollection> FItems;
};
