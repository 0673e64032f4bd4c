// TCustomGrid, TDrawGrid, TStringGrid and TInplaceEdit: the toolkit's grid controls and their in-place editor.
//
// Every index here is a display index. The grid keeps column widths and row heights (a default and the
// sizes that differ), the current cell, the selection anchor, the first scrollable cell shown (TopRow,
// LeftCol) and the grid state of a mouse gesture. Standard processing sits in the virtual KeyDown,
// KeyPress, MouseDown, MouseMove, MouseUp and DoMouseWheelDown/Up; every move of the current cell asks
// the virtual SelectCell first. The window's own scroll bars map their thumb onto positions 0..127.
#pragma once

#include "rtl/Exceptions.h"
#include "rtl/Set.h"
#include "windows/Controls.h"
#include "windows/Mask.h"
#include "windows/StdCtrls.h"

#include <QString>

#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TStrings;
class TCustomGrid;

// Raised by a grid operation given a negative count or index, or a fixed count not below its count.
KT_DECLARE_EXCEPTION(EInvalidGridOperation, Exception);

enum TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking
};
using TGridOptions = TSet<TGridOption>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem>;

// What a mouse gesture in progress does.
enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

struct TGridCoord {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const TGridCoord&) const = default;
};

// A range of cells, inclusive on all sides.
struct TGridRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    TGridCoord TopLeft() const { return {Left, Top}; }
    TGridCoord BottomRight() const { return {Right, Bottom}; }
    bool operator==(const TGridRect&) const = default;
};

// The sizes of the columns (or rows) of a grid: a default and the sizes that differ, with their total kept up to
// date on every change, so that nothing re-sums all of them.
class TGridExtents {
public:
    int32_t Count() const { return FCount; }
    int32_t Default() const { return FDefault; }
    int32_t Get(int32_t Index) const
    {
        return static_cast<size_t>(Index) < FSizes.size() ? FSizes[static_cast<size_t>(Index)] : FDefault;
    }
    // The sum of all sizes.
    int64_t Total() const { return FTotal; }
    // True while every size is the default.
    bool AllDefault() const { return FSizes.empty(); }
    void Set(int32_t Index, int32_t Value);
    // Grows with default sizes or drops the last ones.
    void SetCount(int32_t Value);
    // Every size becomes Value.
    void Reset(int32_t Value);
    // The size at From goes to To, those between shift by one.
    void Move(int32_t From, int32_t To);
    // In one pass the sizes Middle..Last - 1 go to First, those of First..Middle - 1 follow them.
    void Rotate(int32_t First, int32_t Middle, int32_t Last);
    // Size First + i := the old size Sources[i]; Sources is a permutation of First..First + size - 1.
    void Arrange(int32_t First, const std::vector<int32_t>& Sources);

private:
    std::vector<int32_t> FSizes;
    int32_t FCount = 0;
    int32_t FDefault = 0;
    int64_t FTotal = 0;
};

// One axis of the drawing information: where fixed and scrolling cells end on screen.
struct TGridAxisDrawInfo {
    int32_t EffectiveLineWidth = 0;
    // Pixels taken by the fixed cells (with their lines).
    int32_t FixedBoundary = 0;
    // Where the last cell shown ends (with its line), at most GridExtent.
    int32_t GridBoundary = 0;
    // The client extent.
    int32_t GridExtent = 0;
    // The last cell shown whole.
    int32_t LastFullVisibleCell = 0;
    int32_t FullVisBoundary = 0;
    int32_t FixedCellCount = 0;
    int32_t FirstGridCell = 0;
    int32_t GridCellCount = 0;
    // The sizes of the axis (not owned).
    const TGridExtents* Extents = nullptr;
    int32_t GetExtent(int32_t Index) const { return Extents->Get(Index); }
};

struct TGridDrawInfo {
    TGridAxisDrawInfo Horz;
    TGridAxisDrawInfo Vert;
};

// The grid's in-place editor: a borderless multi-line masked edit over the current cell. Up, Down, PgUp,
// PgDn and Esc (Tab with goTabs) go to the grid's KeyDown; Left, Right, Home and End only with Ctrl, or
// with goAlwaysShowEditor at the text's edge; Enter and Esc characters go to the grid's KeyPress.
class TInplaceEdit : public TCustomMaskEdit {
public:
    explicit TInplaceEdit(TComponent* AOwner);
    ~TInplaceEdit() override;

    // The grid it edits for: its parent (not owned).
    TCustomGrid* Grid() const { return FGrid; }
    // Nothing selected, the caret at the end.
    void Deselect();
    void Hide();
    void Invalidate() override;
    // Places the editor on Loc and shows it.
    void Move(const TRect& Loc);
    bool PosEqual(const TRect& Rect) const;
    void SetFocus() override;
    // Places the editor on Loc without showing it when hidden.
    void UpdateLoc(const TRect& Loc);
    bool EditorVisible() const;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
    void DblClick() override;
    bool DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    // Placed on the current cell's rectangle.
    virtual void BoundsChanged();
    // Takes the cell's edit text, mask and limit from the grid.
    virtual void UpdateContents();
    // The text loaded by the last UpdateContents, which Esc brings back.
    const QString& LoadedText() const { return FLoadedText; }

private:
    friend class TCustomGrid;
    void InternalMove(const TRect& Loc, bool Redraw);
    void SendToParent(uint16_t& Key, TShiftState Shift);
    bool AtLeftEdge() const;
    bool AtRightEdge() const;

    TCustomGrid* FGrid = nullptr;
    QString FLoadedText;
};

class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;

    // ---- Shape ----
    // A negative count raises EInvalidGridOperation; a count at or below the fixed count lowers that.
    int32_t ColCount() const { return FColCount; }
    void SetColCount(int32_t Value);
    int32_t RowCount() const { return FRowCount; }
    void SetRowCount(int32_t Value);
    // Must stay below the count (EInvalidGridOperation, nothing changed).
    int32_t FixedCols() const { return FFixedCols; }
    void SetFixedCols(int32_t Value);
    int32_t FixedRows() const { return FFixedRows; }
    void SetFixedRows(int32_t Value);
    // Setting a default resets every width (height) to it.
    int32_t DefaultColWidth() const { return FColWidths.Default(); }
    void SetDefaultColWidth(int32_t Value);
    int32_t DefaultRowHeight() const { return FRowHeights.Default(); }
    void SetDefaultRowHeight(int32_t Value);
    int32_t ColWidths(int32_t Index) const { return FColWidths.Get(Index); }
    void SetColWidths(int32_t Index, int32_t Value);
    int32_t RowHeights(int32_t Index) const { return FRowHeights.Get(Index); }
    void SetRowHeights(int32_t Index, int32_t Value);
    // Tab stops at the column (true unless set off).
    bool TabStops(int32_t Index) const;
    void SetTabStops(int32_t Index, bool Value);
    int32_t GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int32_t Value);

    // ---- Position ----
    int32_t Col() const { return FCurrent.X; }
    void SetCol(int32_t Value);
    int32_t Row() const { return FCurrent.Y; }
    void SetRow(int32_t Value);
    // The first scrolling column (row) shown.
    int32_t LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(int32_t Value);
    int32_t TopRow() const { return FTopLeft.Y; }
    void SetTopRow(int32_t Value);
    // Scrolling columns (rows) shown whole.
    int32_t VisibleColCount() const;
    int32_t VisibleRowCount() const;
    // The selected range; with goRangeSelect off it is the current cell (the row with goRowSelect).
    TGridRect Selection() const;
    void SetSelection(const TGridRect& Value);

    // ---- Look and behaviour ----
    TGridOptions Options() const { return FOptions; }
    // Writable at any time, also inside SelectCell.
    void SetOptions(TGridOptions Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value);
    // Paint fills and writes the cells itself before DrawCell's event.
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);

    // ---- Geometry ----
    // The cell's rectangle in client coordinates; empty when the cell is not shown.
    TRect CellRect(int32_t ACol, int32_t ARow) const;
    // The cell under the point; -1 for the column (row) outside the cells.
    void MouseToCell(int32_t X, int32_t Y, int32_t& ACol, int32_t& ARow) const;
    TGridCoord MouseCoord(int32_t X, int32_t Y) const;
    // Where the last cell shown ends.
    int32_t GridWidth() const;
    int32_t GridHeight() const;

    // ---- Editor ----
    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool Value);
    // Nil before the first edit.
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }

protected:
    friend class TInplaceEdit;

    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& Message) override;
    void Paint() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void DoExit() override;

    // ---- Hooks ----
    // Asked before every move of the current cell; false refuses the move.
    virtual bool SelectCell(int32_t ACol, int32_t ARow);
    virtual void DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) = 0;
    // After LeftCol or TopRow changed.
    virtual void TopLeftChanged();
    // After the column or row count changed.
    virtual void SizeChanged(int32_t OldColCount, int32_t OldRowCount);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    // After MoveColumn (MoveRow) moved the widths (heights) and the current cell.
    virtual void ColumnMoved(int32_t FromIndex, int32_t ToIndex);
    virtual void RowMoved(int32_t FromIndex, int32_t ToIndex);
    // After RotateRows moved the heights and the current cell.
    virtual void RowsRotated(int32_t First, int32_t Middle, int32_t Last);
    // After ArrangeRows moved the heights and the current cell.
    virtual void RowsArranged(int32_t First, const std::vector<int32_t>& Sources);
    // Decides whether a press at (X, Y) starts sizing: the state, the column (row), where the line is and
    // the offset of the press from it.
    virtual void CalcSizingState(int32_t X, int32_t Y, TGridState& State, int32_t& Index, int32_t& SizingPos,
                                 int32_t& SizingOfs, TGridDrawInfo& FixedInfo);
    virtual void ChangeScale(int32_t M, int32_t D);

    // ---- Editor hooks ----
    virtual TInplaceEdit* CreateEditor();
    virtual bool CanEditAcceptKey(QChar Key);
    virtual bool CanGridAcceptKey(uint16_t Key, TShiftState Shift);
    virtual bool CanEditModify();
    // goEditing without goRowSelect, EditorMode on, a window, and goAlwaysShowEditor or the grid active.
    virtual bool CanEditShow();
    virtual QString GetEditMask(int32_t ACol, int32_t ARow);
    virtual QString GetEditText(int32_t ACol, int32_t ARow);
    virtual void SetEditText(int32_t ACol, int32_t ARow, const QString& Value);
    // The longest text the editor takes; 0 for no limit.
    virtual int32_t GetEditLimit();

    // ---- Operations ----
    // EditorMode on; the editor made once by CreateEditor, loaded when its cell changed (a hidden editor
    // holds no cell) or after InvalidateEditor, placed, shown, focused and all selected; nothing shows
    // while CanEditShow is false.
    void ShowEditor();
    // Stores the editor's text through SetEditText and hides it.
    void HideEditor();
    // Shows the editor and posts Ch to it as WM_CHAR.
    void ShowEditorChar(QChar Ch);
    // The editor loads its cell again when next shown.
    void InvalidateEditor();
    // Stores the editor's text into its cell (SetEditText) when it changed.
    void UpdateText();
    // Moves the current cell (asking SelectCell unless the cell stays), the anchor with it when MoveAnchor,
    // and scrolls it into view when Show.
    void MoveColRow(int32_t ACol, int32_t ARow, bool MoveAnchor, bool Show);
    void FocusCell(int32_t ACol, int32_t ARow, bool MoveAnchor);
    void MoveColumn(int32_t FromIndex, int32_t ToIndex);
    void MoveRow(int32_t FromIndex, int32_t ToIndex);
    // In one pass the rows Middle..Last - 1 go to First and the rows First..Middle - 1 follow them, with their
    // heights; the current cell and the anchor follow their rows. No RowMoved: RowsRotated moves what a
    // descendant keeps. Nothing for a range outside 0..RowCount or an empty part.
    void RotateRows(int32_t First, int32_t Middle, int32_t Last);
    // In one pass row First + i becomes the old row Sources[i], with its height; the current cell and the
    // anchor follow their rows. Sources must be a permutation of First..First + size - 1 inside the
    // count, else nothing happens. No RowMoved: RowsArranged moves what a descendant keeps.
    void ArrangeRows(int32_t First, const std::vector<int32_t>& Sources);
    // Moves the column (row) to the end and lowers the count.
    virtual void DeleteColumn(int32_t ACol);
    virtual void DeleteRow(int32_t ARow);
    void InvalidateCell(int32_t ACol, int32_t ARow);
    void InvalidateCol(int32_t ACol);
    void InvalidateRow(int32_t ARow);
    void InvalidateGrid();
    void InvalidateRect(const TGridRect& ARect);
    // The screen rectangle of a range of cells, clipped to what shows.
    TRect BoxRect(int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom) const;
    void CalcDrawInfo(TGridDrawInfo& DrawInfo) const;
    // The drawing information of the fixed cells alone.
    void CalcFixedInfo(TGridDrawInfo& DrawInfo) const;
    // The grid or its editor is the form's active control.
    bool IsActiveControl() const;
    // Scrolls the cell into view.
    void ScrollInView(int32_t ACol, int32_t ARow);
    // Sets the scroll bars' ranges again (counts or sizes changed).
    void UpdateScrollRange();

    // The mouse gesture in progress; descendants read and write it.
    TGridState FGridState = gsNormal;
    // The column (row) being sized or moved, and the line's position and the press's offset from it.
    int32_t FSizingIndex = 0;
    int32_t FSizingPos = 0;
    int32_t FSizingOfs = 0;
    int32_t FMoveIndex = 0;
    int32_t FMovePos = 0;
    // Where the gesture started.
    TPoint FHitTest;

private:
    // ---- Geometry ----
    void CalcAxis(TGridAxisDrawInfo& Axis, int32_t FixedCount, int32_t FirstCell, int32_t CellCount,
                  int32_t Extent) const;
    TGridCoord CalcMaxTopLeft(const TGridCoord& Coord, const TGridDrawInfo& DrawInfo) const;
    TGridCoord CalcCoordFromPoint(int32_t X, int32_t Y, const TGridDrawInfo& DrawInfo) const;
    void ChangeCount(int32_t NewColCount, int32_t NewRowCount);
    void ClampInView(const TGridCoord& Coord);
    void MoveCurrent(int32_t ACol, int32_t ARow, bool MoveAnchor, bool Show);
    void MoveAnchor(const TGridCoord& NewAnchor);
    void MoveTopLeft(int32_t ALeft, int32_t ATop);
    void SelectionMoved(const TGridRect& OldSel);
    void TopLeftMoved(const TGridCoord& OldTopLeft);
    void InvalidateScreenRect(const TRect& Rect);
    void MoveAdjust(int32_t& CellPos, int32_t FromIndex, int32_t ToIndex);
    void MoveAndScroll(int32_t Mouse, int32_t CellHit, TGridDrawInfo& DrawInfo, TGridAxisDrawInfo& Axis,
                       int32_t ScrollBar, const TPoint& MousePt);

    // ---- Scrolling ----
    void WMHScroll(TWMScroll Message);
    void WMVScroll(TWMScroll Message);
    void ModifyScrollBar(int32_t ScrollBar, int32_t ScrollCode, int32_t Pos, bool UseRightToLeft);
    void UpdateScrollPos();
    // Scrolls one cell each way DX, DY (-1, 0, 1) and takes the gesture to the cell brought into view.
    void TimedScroll(int32_t DX, int32_t DY);
    void StartAutoScroll();
    void StopAutoScroll();
    void WMTimer(TWMTimer Message);

    // ---- Keys and mouse ----
    void WMGetDlgCode(TMessage& Message);
    void WMChar(TWMKey Message);
    void WMSetCursor(TWMSetCursor Message);
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void WMCommand(TWMCommand Message);
    void WMSize(TMessage& Message);
    void WMCancelMode(TMessage& Message);
    void DrawSizingLine(const TGridDrawInfo& DrawInfo);
    void DrawMove();
    bool Sizing(int32_t X, int32_t Y);
    void CancelMode();

    // ---- Editor ----
    void UpdateEdit();
    void HideEdit();
    void FreeEditorWhenGone();

    int32_t FColCount = 0;
    int32_t FRowCount = 0;
    int32_t FFixedCols = 0;
    int32_t FFixedRows = 0;
    TGridExtents FColWidths;
    TGridExtents FRowHeights;
    // Columns that are no tab stops; empty while every column is one.
    std::vector<bool> FTabStops;
    int32_t FGridLineWidth = 1;
    TGridCoord FCurrent;
    TGridCoord FAnchor;
    TGridCoord FTopLeft;
    TGridOptions FOptions;
    TScrollStyle FScrollBars = ssBoth;
    TBorderStyle FBorderStyle = bsSingle;
    TColor FFixedColor;
    bool FDefaultDrawing = true;
    bool FEditorMode = false;
    TInplaceEdit* FInplaceEdit = nullptr;
    // The cell the editor was loaded for; -1 when it must load again.
    int32_t FInplaceCol = -1;
    int32_t FInplaceRow = -1;
    bool FCanEditModify = true;
    // Where the cell being sized starts.
    int32_t FSizingStart = 0;
    // The sizing line drawn with an inverted pen, and where.
    bool FSizingLineShown = false;
    int32_t FSizingLinePos = 0;
    bool FMoveLineShown = false;
    int32_t FMoveLinePos = 0;
    // The last column and row the last paint showed: cells beyond them wait for a whole repaint anyway.
    int32_t FShownLastCol = INT32_MAX;
    int32_t FShownLastRow = INT32_MAX;
    // UpdateScrollRange runs (the bars it shows or hides size the window again).
    bool FUpdatingScrollRange = false;
    bool FAutoScrolling = false;
};

// A grid whose cells the application draws (OnDrawCell) and whose edit texts it supplies.
class TCustomDrawGrid : public TCustomGrid {
public:
    using TCustomGrid::TCustomGrid;

    using TCustomGrid::CellRect;
    using TCustomGrid::MouseToCell;

    std::function<void(TObject* Sender, int32_t FromIndex, int32_t ToIndex)> OnColumnMoved;
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, const TRect& Rect, TGridDrawState State)>
        OnDrawCell;
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, QString& Value)> OnGetEditMask;
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, QString& Value)> OnGetEditText;
    std::function<void(TObject* Sender, int32_t FromIndex, int32_t ToIndex)> OnRowMoved;
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, bool& CanSelect)> OnSelectCell;
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, const QString& Value)> OnSetEditText;
    std::function<void(TObject* Sender)> OnTopLeftChanged;

protected:
    void ColumnMoved(int32_t FromIndex, int32_t ToIndex) override;
    void RowMoved(int32_t FromIndex, int32_t ToIndex) override;
    QString GetEditMask(int32_t ACol, int32_t ARow) override;
    QString GetEditText(int32_t ACol, int32_t ARow) override;
    void SetEditText(int32_t ACol, int32_t ARow, const QString& Value) override;
    bool SelectCell(int32_t ACol, int32_t ARow) override;
    void DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) override;
    void TopLeftChanged() override;
};

class TDrawGrid : public TCustomDrawGrid {
public:
    using TCustomDrawGrid::TCustomDrawGrid;
};

class TGridCellStore;

// A grid whose cells each hold a text and an object (not owned). Cells written beyond the counts are kept:
// they survive a shrink and show again after a grow, and a far write allocates nothing for the cells between.
class TStringGrid : public TDrawGrid {
public:
    explicit TStringGrid(TComponent* AOwner);
    ~TStringGrid() override;

    QString Cells(int32_t ACol, int32_t ARow) const;
    void SetCells(int32_t ACol, int32_t ARow, const QString& Value);
    TObject* Objects(int32_t ACol, int32_t ARow) const;
    void SetObjects(int32_t ACol, int32_t ARow, TObject* Value);
    // The cells of a column (row) as a list of ColCount (RowCount) strings; owned by the grid.
    TStrings* Cols(int32_t Index);
    void SetCols(int32_t Index, TStrings* Value);
    TStrings* Rows(int32_t Index);
    void SetRows(int32_t Index, TStrings* Value);
    // Row First + k takes the stored texts and objects (every column, also beyond the counts) that
    // row Sources[k] held; Sources must be a permutation of First ... First + size - 1. No event.
    void PermuteRows(int32_t First, const std::vector<int32_t>& Sources);
    // The stored texts and objects of two rows change places. No event.
    void ExchangeRows(int32_t Row1, int32_t Row2);

protected:
    // A cell's stored text without a copy; valid until the grid's cells change.
    const QString& StoredCell(int32_t ACol, int32_t ARow) const;
    // Move the texts and objects of every stored row (column) up to the stored extent.
    void ColumnMoved(int32_t FromIndex, int32_t ToIndex) override;
    void RowMoved(int32_t FromIndex, int32_t ToIndex) override;
    // Moves the texts and objects of the rows, whole rows at a time.
    void RowsRotated(int32_t First, int32_t Middle, int32_t Last) override;
    void RowsArranged(int32_t First, const std::vector<int32_t>& Sources) override;
    void DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) override;
    QString GetEditText(int32_t ACol, int32_t ARow) override;
    void SetEditText(int32_t ACol, int32_t ARow, const QString& Value) override;

private:
    class TLines;
    TLines* LinesOf(int32_t Index, bool Column);

    std::unique_ptr<TGridCellStore> FStore;
    std::vector<std::unique_ptr<TLines>> FLines;
    // Set while the editor's own text is being stored, which needs no reload of the editor.
    int32_t FEditUpdate = 0;
};
