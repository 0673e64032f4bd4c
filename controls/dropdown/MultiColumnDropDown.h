// TExtMultiColumnDropDown: a drop-down edit whose pop-up lists items in several columns under a header row.
#pragma once

#include "dropdown/ExtDropDown.h"
#include "dropdown/MultiColumnItems.h"
#include "dropdown/PrefixIndex.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

namespace MultiColumn {
class TExtColGrid;
}  // namespace MultiColumn

// Each item is a row, each line of its text a column. The edit shows the line of LookupColumn of the
// selected item; typing completes from the lookup list, which only EndUpdate and Loaded rebuild.
// While the list is open, moving in it selects at once and typed letters look items up.
class TExtMultiColumnDropDown : public TExtCustomDropDown {
public:
    using TDropDownColumns = MultiColumn::TDropDownColumns;
    using TDropDownItems = MultiColumn::TDropDownItems;

    explicit TExtMultiColumnDropDown(TComponent* AOwner);
    ~TExtMultiColumnDropDown() override;
    void AfterConstruction() override;
    // Rebuilds the lookup list.
    void Loaded() override;
    // The base's copy, then this drop-down's settings, columns, items and ItemIndex.
    void Assign(TPersistent* Source) override;

    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
    int32_t DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int32_t Value) { FDropDownRowHeight = Value; }
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor Value) { FLineColor = Value; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool Value) { FColumnSizing = Value; }
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
    TDropDownColumns* Columns() const { return FColumns.get(); }
    void SetColumns(TDropDownColumns* Value);
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    int32_t HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int32_t Value) { FHeaderHeight = Value; }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(TFont* Value);
    // A negative column switches lookup and completion off.
    int32_t LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int32_t Value) { FLookupColumn = Value; }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }
    TDropDownItems* Items() const { return FItems.get(); }
    void SetItems(TDropDownItems* Value);
    int32_t ItemIndex() const { return FItemIndex; }
    // Ignored at or above the item count; otherwise stored, and the edit shows the item's lookup line
    // (empty without one, for a negative value or a negative LookupColumn).
    void SetItemIndex(int32_t Value);

    // The first item whose lookup line is exactly Value (case counts); -1 when none is.
    int32_t GetItemIndex(const QString& Value) const;
    // The number of items.
    int32_t RowCount() const;
    void BeginUpdate() {}
    // Rebuilds the lookup list from the items.
    void EndUpdate();

    void SetComponentStyle(TVyxStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    // Fired when the user picks a row in the list.
    std::function<void(TObject* Sender)> OnSelect;
    // Replaces the painting of every list cell.
    MultiColumn::TDrawCellEvent OnDropDownDrawItem;
    // Declared for the application; the list does not fire it.
    MultiColumn::TGetCellPropEvent OnDropDownGetItemProp;
    // May replace the text of a list cell.
    MultiColumn::TGetCellTextEvent OnDropDownGetItemText;

protected:
    // ---- Stepping ItemIndex; each does nothing without items ----
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    // Ten items on (back), at most to the last (first).
    void SelectNextPage();
    void SelectPreviousPage();

    // ---- Lookup ----
    // The first item whose lookup line starts with Text (case-blind unless CaseSensitive), with that
    // line; false, empty and -1 when none does, for an empty Text and before the list exists.
    bool FindLookupMatch(const QString& Text, QString& Found, int32_t& Index) const;
    // Type-ahead of Key in the open list: the item found, or -1.
    int32_t IncrementalLookup(QChar Key);
    void UpdateLookupItems();
    // The first entry of the lookup list starting with Typed (case-blind) that names an item; -1 when none.
    int32_t FindCompletion(const QString& Typed) const;
    // The first entry of the lookup list equal to Text (case-blind); -1 when none.
    int32_t FindLookupEntry(const QString& Text) const;

    // ---- The pop-up cycle ----
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void SizeDropDownForm() override;
    void PlaceDropDownControl() override;
    void AdaptDropDownHeight(int32_t& Height) override;
    void DoHideDropDown(bool Cancelled) override;
    void SelectNextValue() override;
    void SelectPreviousValue() override;
    void DropDownSizing() override;
    void ControlKeyDown(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyUp(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;
    // The list's widths follow the pop-up's width, in proportion to the declared widths.
    void SizeColumnsToDropDown();

    // ---- The edit ----
    void Change() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;

private:
    void GridSelect();
    void GridSelectCell(int32_t ARow);
    // The list's current row becomes the item's row (row 1 for none or an unknown item).
    void ShowItemRow(int32_t Index);
    // Whether the lookup index still holds the current items' lookup lines.
    bool LookupIndexCurrent() const;
    // Puts Text into the edit with the part from Start on selected.
    void ShowCompleted(const QString& Text, int32_t Start);

    bool FShowing = false;
    bool FColumnSizing = false;
    int32_t FLookupColumn = 0;
    TColor FHeaderColorTo = RGB(128, 128, 128);
    TColor FHeaderColor = clWhite;
    TColor FLineColor = RGB(192, 192, 192);
    std::unique_ptr<TDropDownItems> FItems;
    std::unique_ptr<TDropDownColumns> FColumns;
    int32_t FItemIndex = -1;
    int32_t FHeaderHeight = 25;
    std::unique_ptr<TFont> FHeaderFont;
    MultiColumn::TExtColGrid* FExtColGrid = nullptr;
    TColor FFixedLineColor = RGB(164, 187, 209);
    // Completion while typing; Backspace, Delete and Esc switch it off for the next keystroke.
    bool FWorkMode = true;
    // The lookup line of every item, in item order.
    QStringList FLookupItems;
    bool FItemChange = false;
    int32_t FItemIdx = 0;
    int32_t FItemSel = 0;
    int32_t FOldItemIndex = -1;
    bool FDropDownAutoWidth = true;
    bool FColumnSizeWithDropDown = true;
    TColor FSelectionTextColor = clBlack;
    int32_t FDropDownRowHeight = 22;
    QString FLookupEntry;
    bool FCaseSensitive = false;
    // The completion or the type-ahead is writing the edit text.
    bool FCompleting = false;

    // Built with the lookup list: the upper-cased entries, and the entries as they are when
    // CaseSensitive was on then; with what they were built from.
    TPrefixIndex FFoldedIndex;
    TPrefixIndex FExactIndex;
    bool FIndexBuilt = false;
    bool FExactBuilt = false;
    int32_t FIndexColumn = -1;
    uint64_t FIndexStamp = 0;
};
