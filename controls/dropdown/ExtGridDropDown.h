// TCustomExtGridDropDown: a drop-down edit whose pop-up holds a full string grid, filled from items or
// from its own cells, with lookup, narrowing, sorting, in-place editing and the grid's events forwarded.
#pragma once

#include "dropdown/ExtDropDown.h"
#include "dropdown/ExtGridDropDownItems.h"

#include "grid/core/ExtGridTypes.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class TBands;
class TMouseActions;
class TNavigation;
class TSearchFooter;

namespace GridDropDown {

class TExtColGrid;

enum TLookupMethod { lmLookup, lmNarrowDown, lmNone };
enum TDropDownStyle { dsDropDown, dsDropDownList };
enum TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int32_t X, int32_t Y)>;
using TMovedEvent = std::function<void(TObject* Sender, int32_t FromIndex, int32_t ToIndex)>;
using TGetDisplTextEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, QString& Value)>;

}  // namespace GridDropDown

// Row 0 of the grid is the header. With UseItems (the default) item i is loaded into row i + 1 at
// every opening and tagged with i in its column-0 cell, so that sorting keeps the item of each row;
// without it the application fills the grid's cells and the selection is the data row index.
class TCustomExtGridDropDown : public TExtCustomDropDown {
public:
    using TDropDownColumns = GridDropDown::TDropDownColumns;
    using TDropDownItems = GridDropDown::TDropDownItems;
    using TLookupMethod = GridDropDown::TLookupMethod;
    using TDropDownStyle = GridDropDown::TDropDownStyle;
    using TGridSorting = GridDropDown::TGridSorting;

    explicit TCustomExtGridDropDown(TComponent* AOwner);
    ~TCustomExtGridDropDown() override;
    void AfterConstruction() override;
    // Rebuilds the lookup list and reloads the grid.
    void Loaded() override;

    // The grid of the pop-up; nil before the pop-up exists.
    GridDropDown::TExtColGrid* GetGrid() const { return FExtColGrid; }
    // The number of items.
    int32_t RowCount() const;
    void BeginUpdate() {}
    // Rebuilds the lookup list.
    void EndUpdate();
    // The first item (with UseItems) or data row (without; Index is the grid row) whose lookup text
    // starts with Text, case-blind unless CaseSensitive; false, empty and -1 when none does.
    bool FindLookupMatch(const QString& Text, QString& Found, int32_t& Index) const;
    void SetComponentStyle(TVyxStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    // ---- Properties ----
    bool AutoShowDropDown() const { return FAutoShowDropDown; }
    void SetAutoShowDropDown(bool Value) { FAutoShowDropDown = Value; }
    bool AutoSizeColumns() const { return FAutoSizeColumns; }
    void SetAutoSizeColumns(bool Value) { FAutoSizeColumns = Value; }
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
    TBands* Bands() const { return FBands.get(); }
    void SetBands(TBands* Value);
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool Value) { FColumnSizing = Value; }
    bool ColumnMoving() const { return FColumnMoving; }
    void SetColumnMoving(bool Value) { FColumnMoving = Value; }
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
    TDropDownColumns* Columns() const { return FColumns.get(); }
    void SetColumns(TDropDownColumns* Value);
    bool GridEditable() const { return FGridEditable; }
    void SetGridEditable(bool Value) { FGridEditable = Value; }
    // Not owned; given to the grid at once, forgotten when freed.
    TCustomImageList* GridImages() const { return FGridImages; }
    void SetGridImages(TCustomImageList* Value);
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    int32_t HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int32_t Value) { FHeaderHeight = Value; }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(TFont* Value);
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool Value) { FHoverRow = Value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
    TDropDownItems* Items() const { return FItems.get(); }
    void SetItems(TDropDownItems* Value);
    int32_t ItemIndex() const { return FItemIndex; }
    // With UseItems: ignored at or above the item count, else stored and the edit shows the item's
    // lookup line. Without: only stored before the grid exists; else taken when it differs and is
    // below the grid's row count, the edit showing the lookup cell of data row Value.
    void SetItemIndex(int32_t Value);
    // A negative column switches the edit's lookup list off.
    int32_t LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int32_t Value) { FLookupColumn = Value; }
    TLookupMethod LookupMethod() const { return FLookupMethod; }
    void SetLookupMethod(TLookupMethod Value) { FLookupMethod = Value; }
    TMouseActions* MouseActions() const { return FMouseActions.get(); }
    void SetMouseActions(TMouseActions* Value);
    TNavigation* Navigation() const { return FNavigation.get(); }
    void SetNavigation(TNavigation* Value);
    bool RowSizing() const { return FRowSizing; }
    void SetRowSizing(bool Value) { FRowSizing = Value; }
    bool RowMoving() const { return FRowMoving; }
    void SetRowMoving(bool Value) { FRowMoving = Value; }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value) { FRowSelect = Value; }
    TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
    void SetSearchFooter(TSearchFooter* Value);
    TGridSorting Sorting() const { return FSorting; }
    void SetSorting(TGridSorting Value) { FSorting = Value; }
    TDropDownStyle Style() const { return FStyle; }
    // dsDropDownList switches typing in the edit off.
    void SetStyle(TDropDownStyle Value);
    bool UseItems() const { return FUseItems; }
    void SetUseItems(bool Value) { FUseItems = Value; }

    // Fired when a row is picked (Enter or a click in the grid).
    GridDropDown::TNotifyEvent OnSelect;

    // ---- The grid's events, handed on by the forwarders below ----
    TAnchorClickEvent OnGridAnchorClick;
    TAnchorEvent OnGridAnchorEnter;
    TAnchorEvent OnGridAnchorExit;
    TAnchorHintEvent OnGridAnchorHint;
    TButtonClickEvent OnGridButtonClick;
    // Published, never fired: the grid's sorting is given to the selection keeping.
    TCanSortEvent OnGridCanSort;
    TClickSortEvent OnGridClickSort;
    TCustomCompareEvent OnGridCustomCompare;
    TRawCompareEvent OnGridRawCompare;
    TColumnSizeEvent OnGridColumnSize;
    TColumnSizingEvent OnGridColumnSizing;
    TEndColumnSizeEvent OnGridEndColumnSize;
    TRowSizeEvent OnGridRowSize;
    TRowSizingEvent OnGridRowSizing;
    TEndRowSizeEvent OnGridEndRowSize;
    TRowSizeEvent OnGridRowMove;
    TRowSizeEvent OnGridRowMoving;
    GridDropDown::TMovedEvent OnGridRowMoved;
    TColumnSizeEvent OnGridColumnMove;
    TColumnSizeEvent OnGridColumnMoving;
    GridDropDown::TMovedEvent OnGridColumnMoved;
    // Attached to the grid only when set at the opening.
    TCustomCellDrawEvent OnGridCustomCellDraw;
    TCustomCellDrawEvent OnGridCustomCellBkgDraw;
    TGridBalloonEvent OnGridCellBalloon;
    TGridAlignEvent OnGridGetAlignment;
    TGridColorEvent OnGridGetCellColor;
    TGridGradientEvent OnGridGetCellGradient;
    TFloatFormatEvent OnGridGetFloatFormat;
    TGetEditorTypeEvent OnGridGetEditorType;
    TClickCellEvent OnGridGetEditorProp;
    TCanEditCellEvent OnGridCanEditCell;
    TEllipsClickEvent OnGridEllipsClick;
    GridDropDown::TGetDisplTextEvent OnGridGetDiplText;
    TGridFormatEvent OnGridGetFormat;
    TGridHintEvent OnGridHint;
    GridDropDown::TMouseMoveEvent OnGridMouseMove;
    GridDropDown::TMouseEvent OnGridMouseDown;
    GridDropDown::TMouseEvent OnGridMouseUp;
    // Sender is the drop-down.
    GridDropDown::TKeyEvent OnGridKeyDown;
    GridDropDown::TKeyEvent OnGridKeyUp;
    GridDropDown::TKeyPressEvent OnGridKeyPress;
    TClickCellEvent OnGridRightClickCell;
    TScrollHintEvent OnGridScrollHint;
    // Sender is the drop-down.
    GridDropDown::TNotifyEvent OnGridTopLeftChanged;
    TSearchEditChangeEvent OnGridSearchEditChange;
    // Published, never fired.
    TSpinClickEvent OnGridSpinClick;
    TAutoAddRowEvent OnGridAutoAddRow;
    TAutoInsertRowEvent OnGridInsertRow;
    TAutoInsertColEvent OnGridInsertCol;
    TAutoDeleteRowEvent OnGridDeleteRow;
    TCanAddRowEvent OnGridCanAddRow;
    TCanInsertRowEvent OnGridCanInsertRow;
    TCanDeleteRowEvent OnGridCanDeleteRow;
    TCheckBoxClickEvent OnGridCheckBoxClick;

protected:
    friend class GridDropDown::TExtColGrid;

    int32_t GetVersionNr() const override;
    // The items collection's factory.
    virtual TDropDownItems* CreateItems(TPersistent* AOwner);

    // ---- The pop-up cycle ----
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdaptDropDownHeight(int32_t& Height) override;
    void DoShowDropDown() override;
    void PlaceDropDownControl() override;
    void SizeDropDownForm() override;
    void DoHideDropDown(bool Cancelled) override;
    void ControlKeyDown(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyUp(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;
    void DropDownSizing() override;
    void SelectNextValue() override;
    void SelectPreviousValue() override;

    // ---- The edit ----
    void Change() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    void DoEnter() override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // ---- Stepping ItemIndex over the items (or the grid's data rows) ----
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void SelectNextPage();
    void SelectPreviousPage();

    // ---- Rows and items ----
    // The item tagged in the row's column-0 cell; the row itself without a grid or past its rows.
    int32_t RowToItemIndex(int32_t ARow) const;
    // The first data row tagged with Index; ItemIndex when none is, for a negative Index or without a grid.
    int32_t ItemIndexToRow(int32_t Index) const;
    // Headers and item texts into the grid, each data row tagged with its item.
    void LoadItems();
    void UpdateLookupItems();
    // Type-ahead of Key: an item index, a grid row or the fixed row count (see the lookup method); -1 for nothing.
    int32_t IncrementalLookup(QChar Key);
    void SizeColumnsToDropDown();

    // ---- The event forwarders, in slot order ----
    virtual void GridAnchorClick(TObject* Sender, int32_t ARow, int32_t ACol, const QString& Anchor, bool& AutoHandle);
    virtual void GridAnchorEnter(TObject* Sender, int32_t ARow, int32_t ACol, const QString& Anchor);
    virtual void GridAnchorExit(TObject* Sender, int32_t ARow, int32_t ACol, const QString& Anchor);
    virtual void GridAnchorHint(TObject* Sender, int32_t ARow, int32_t ACol, QString& Anchor);
    virtual void GridButtonClick(TObject* Sender, int32_t ACol, int32_t ARow);
    virtual void GridCanSort(TObject* Sender, int32_t ACol, bool& DoSort);
    virtual void GridClickSort(TObject* Sender, int32_t ACol);
    virtual void GridCustomCompare(TObject* Sender, const QString& str1, const QString& str2, int32_t& Res);
    virtual void GridRawCompare(TObject* Sender, int32_t ACol, int32_t Row1, int32_t Row2, int32_t& Res);
    virtual void GridColumnSize(TObject* Sender, int32_t ACol, bool& Allow);
    virtual void GridColumnSizing(TObject* Sender, int32_t ACol, int32_t ColumnSize);
    virtual void GridEndColumnSize(TObject* Sender, int32_t ACol);
    virtual void GridRowSize(TObject* Sender, int32_t ARow, bool& Allow);
    virtual void GridRowSizing(TObject* Sender, int32_t ARow, int32_t RowSize);
    virtual void GridEndRowSize(TObject* Sender, int32_t ARow);
    virtual void GridRowMove(TObject* Sender, int32_t ARow, bool& Allow);
    virtual void GridRowMoving(TObject* Sender, int32_t ARow, bool& Allow);
    virtual void GridRowMoved(TObject* Sender, int32_t FromIndex, int32_t ToIndex);
    virtual void GridColumnMove(TObject* Sender, int32_t ACol, bool& Allow);
    virtual void GridColumnMoving(TObject* Sender, int32_t ACol, bool& Allow);
    virtual void GridColumnMoved(TObject* Sender, int32_t FromIndex, int32_t ToIndex);
    virtual void GridCustomCellDraw(TObject* Sender, TCanvas* Canvas, int32_t ACol, int32_t ARow,
                                    TGridDrawState AState, TRect ARect, bool Printing);
    virtual void GridCustomCellBkgDraw(TObject* Sender, TCanvas* Canvas, int32_t ACol, int32_t ARow,
                                       TGridDrawState AState, TRect ARect, bool Printing);
    virtual void GridCellBalloon(TObject* Sender, int32_t ACol, int32_t ARow, QString& ATitle, QString& AText,
                                 int32_t& AIcon);
    virtual void GridGetAlignment(TObject* Sender, int32_t ARow, int32_t ACol, TAlignment& HAlign,
                                  TVAlignment& VAlign);
    virtual void GridGetCellColor(TObject* Sender, int32_t ARow, int32_t ACol, TGridDrawState AState, TBrush* ABrush,
                                  TFont* AFont);
    virtual void GridGetCellGradient(TObject* Sender, int32_t ARow, int32_t ACol, TColor& Color, TColor& ColorTo,
                                     TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD);
    virtual void GridGetFloatFormat(TObject* Sender, int32_t ACol, int32_t ARow, bool& IsFloat, QString& FloatFormat);
    virtual void GridGetEditorType(TObject* Sender, int32_t ACol, int32_t ARow, TEditorType& AEditor);
    virtual void GridGetEditorProp(TObject* Sender, int32_t ARow, int32_t ACol);
    virtual void GridCanEditCell(TObject* Sender, int32_t ARow, int32_t ACol, bool& CanEdit);
    virtual void GridEllipsClick(TObject* Sender, int32_t ACol, int32_t ARow, QString& S);
    virtual void GridGetDiplText(TObject* Sender, int32_t ACol, int32_t ARow, QString& Value);
    virtual void GridGetFormat(TObject* Sender, int32_t ACol, TSortStyle& AStyle, QString& aPrefix,
                               QString& aSuffix);
    virtual void GridHint(TObject* Sender, int32_t ARow, int32_t ACol, QString& hintstr);
    virtual void GridMouseMove(TObject* Sender, TShiftState Shift, int32_t X, int32_t Y);
    virtual void GridMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
    virtual void GridMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
    virtual void GridKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    virtual void GridKeyUp(TObject* Sender, uint16_t& Key, TShiftState Shift);
    virtual void GridKeyPress(TObject* Sender, QChar& Key);
    virtual void GridRightClickCell(TObject* Sender, int32_t ARow, int32_t ACol);
    virtual void GridScrollHint(TObject* Sender, int32_t ARow, QString& hintstr);
    virtual void GridTopLeftChanged(TObject* Sender);
    virtual void GridSearchEditChange(TObject* Sender, const QString& Value, bool& DefaultSearch);
    virtual void GridSpinClick(TObject* Sender, int32_t ACol, int32_t ARow, int32_t AValue, bool UpDown);
    virtual void GridAutoAddRow(TObject* Sender, int32_t ARow);
    virtual void GridInsertRow(TObject* Sender, int32_t ARow);
    virtual void GridInsertCol(TObject* Sender, int32_t ACol);
    virtual void GridDeleteRow(TObject* Sender, int32_t ARow);
    virtual void GridCanAddRow(TObject* Sender, bool& CanAdd);
    virtual void GridCanInsertRow(TObject* Sender, int32_t ARow, bool& CanInsert);
    virtual void GridCanDeleteRow(TObject* Sender, int32_t ARow, bool& CanDelete);
    void GridCheckBoxClick(TObject* Sender, int32_t ACol, int32_t ARow, bool State);

private:
    // Sets every grid event to its forwarder (custom drawing only when set), sorting to the selection keeping.
    void AttachGridEvents();
    void GridSelect();
    void GridSelectCell(int32_t ARow);
    // The number ItemIndex steps over: the items, or the grid's data rows.
    int32_t StepCount() const;
    // The lookup text of a data row of the grid; empty outside it.
    QString GridLookupCell(int32_t ARow) const;
    // Puts Text into the edit with the part from Start on selected.
    void ShowCompleted(const QString& Text, int32_t Start);
    // The first entry of the lookup list starting with (equal to) Text, case-blind; -1 when none.
    int32_t FindCompletion(const QString& Typed) const;
    int32_t FindLookupEntry(const QString& Text) const;
    // Runs Call with the pop-up's activation blocked.
    void WithActivationBlocked(const std::function<void()>& Call);
    void SetBlockActivate(bool Value);

    bool FBalloonInit = false;
    bool FCaseSensitive = false;
    bool FColumnSizing = false;
    bool FColumnMoving = false;
    int32_t FLookupColumn = 0;
    TLookupMethod FLookupMethod = GridDropDown::lmLookup;
    TColor FHeaderColorTo = RGB(128, 128, 128);
    TColor FHeaderColor = clWhite;
    TColor FLineColor = RGB(192, 192, 192);
    bool FUseItems = true;
    std::unique_ptr<TDropDownItems> FItems;
    std::unique_ptr<TDropDownColumns> FColumns;
    int32_t FItemIndex = -1;
    int32_t FHeaderHeight = 25;
    std::unique_ptr<TFont> FHeaderFont;
    GridDropDown::TExtColGrid* FExtColGrid = nullptr;
    TColor FFixedLineColor = RGB(164, 187, 209);
    int32_t FSelRow = -1;
    // Completion while typing; Backspace, Delete and Esc switch it off for the next keystroke.
    bool FWorkMode = true;
    QStringList FLookupItems;
    bool FItemChange = false;
    int32_t FItemIdx = 0;
    int32_t FItemSel = 0;
    QString FLookupEntry;
    bool FRowSelect = true;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TBands> FBands;
    std::unique_ptr<TNavigation> FNavigation;
    std::unique_ptr<TMouseActions> FMouseActions;
    int32_t FOldItemIndex = -1;
    bool FDropDownAutoWidth = true;
    bool FColumnSizeWithDropDown = true;
    TColor FSelectionTextColor = clBlack;
    int32_t FDropDownRowHeight = 22;
    int32_t FTempItemIndex = -1;
    TDropDownStyle FStyle = GridDropDown::dsDropDown;
    bool FHoverRow = false;
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    TGridSorting FSorting = GridDropDown::gsNone;
    bool FGridEditable = false;
    TCustomImageList* FGridImages = nullptr;
    bool FRowMoving = false;
    bool FRowSizing = false;
    bool FAutoShowDropDown = false;
    bool FAutoSizeColumns = true;
    // The completion or the type-ahead is writing the edit text.
    bool FCompleting = false;
    // The pop-up is being filled and shown: moving the grid's row selects nothing.
    bool FShowing = false;
    // Type-ahead in the grid moves its row: the edit already shows the match.
    bool FTypeAhead = false;
};
