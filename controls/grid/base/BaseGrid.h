// TBaseGrid: the string grid every grid of the system stands on: per-cell properties, merged cells,
// display-text hooks, its own cell painting and the link to an undo component.
#pragma once

#include "grid/core/CellTypes.h"

#include "graphics/Colors.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/Set.h"
#include "rtl/Types.h"
#include "windows/Controls.h"
#include "windows/Grids.h"

#include <QString>

#include <cstdint>
#include <functional>

class TBaseGrid;
class TCanvas;
class TExtGridUndoRedo;

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
enum TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };
enum TCellGradientDirection { GradientVertical, GradientHorizontal };
enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };
enum THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = TSet<THoverRowCell>;

// The properties of one cell, kept in the cell's object slot and owned by the grid.
//
// Merge encoding, held by every cell of an area: the base (top-left) cell has IsBaseCell true and
// spans of the area's width - 1 and height - 1; a covered cell has IsBaseCell false and its offsets
// from the base cell as spans; a cell outside any area has IsBaseCell true and spans -1, -1.
class TCellProperties : public TPersistent {
public:
    // Takes the grid's WordWrap and marks the grid as having cell properties.
    TCellProperties(TBaseGrid* AOwner, int32_t ACol, int32_t ARow);

    // Copies the cell values from other cell properties, without repainting; not the graphic
    // object, BrushColorTo, GradientDirection, CalcType, CalcObject, the paint pass or the grid.
    void Assign(TPersistent* Source) override;

    // (c - CellSpanX, r - CellSpanY) for a covered cell, else (c, r).
    TPoint GetBaseCell(int32_t c, int32_t r) const;

    TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
    int32_t OwnerCol() const { return FOwnerCol; }
    void SetOwnerCol(int32_t Value) { FOwnerCol = Value; }
    int32_t OwnerRow() const { return FOwnerRow; }
    void SetOwnerRow(int32_t Value) { FOwnerRow = Value; }
    // The application's object reference, as a number; not owned.
    uintptr_t CellObject() const { return FObject; }
    void SetCellObject(uintptr_t Value) { FObject = Value; }
    // Freed with the properties only when its class is exactly TCellGraphic.
    TObject* GraphicObject() const { return FGraphicObject; }
    void SetGraphicObject(TObject* Value) { FGraphicObject = Value; }
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle Value) { FBrushStyle = Value; }
    TColor BrushColor() const { return FBrushColor; }
    // Repaints the cell.
    void SetBrushColor(TColor Value);
    TColor BrushColorTo() const { return FBrushColorTo; }
    // Repaints the cell.
    void SetBrushColorTo(TColor Value);
    int32_t FontSize() const { return FFontSize; }
    void SetFontSize(int32_t Value) { FFontSize = Value; }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor Value) { FFontColor = Value; }
    TFontStyles FontStyle() const { return FFontStyle; }
    void SetFontStyle(TFontStyles Value) { FFontStyle = Value; }
    int32_t CellSpanY() const { return FCellSpanY; }
    void SetCellSpanY(int32_t Value) { FCellSpanY = Value; }
    int32_t CellSpanX() const { return FCellSpanX; }
    void SetCellSpanX(int32_t Value) { FCellSpanX = Value; }
    int32_t BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int32_t Value) { FBorderWidth = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    TVAlignment VAlignment() const { return FVAlignment; }
    // Repaints the cell.
    void SetVAlignment(TVAlignment Value);
    // The paint pass in which this area was last painted through a covered cell.
    int32_t PaintID() const { return FPaintID; }
    void SetPaintID(int32_t Value) { FPaintID = Value; }
    bool WordWrap() const { return FWordWrap; }
    // Repaints the cell.
    void SetWordWrap(bool Value);
    bool IsBaseCell() const { return FIsBaseCell; }
    void SetIsBaseCell(bool Value) { FIsBaseCell = Value; }
    TColumnCalcType CalcType() const { return FCalcType; }
    void SetCalcType(TColumnCalcType Value) { FCalcType = Value; }
    // A descendant's calculation object; not owned here.
    TObject* CalcObject() const { return FCalcObject; }
    void SetCalcObject(TObject* Value) { FCalcObject = Value; }
    int32_t NodeLevel() const { return FNodeLevel; }
    void SetNodeLevel(int32_t Value) { FNodeLevel = Value; }
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType Value) { FEditor = Value; }
    const QString& FontName() const { return FFontName; }
    void SetFontName(const QString& Value) { FFontName = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    TCellGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TCellGradientDirection Value) { FGradientDirection = Value; }
    // A control embedded in the cell; not owned.
    TControl* Control() const { return FControl; }
    void SetControl(TControl* Value) { FControl = Value; }

private:
    friend class TBaseGrid;
    void RepaintOwnerCell();

    TBaseGrid* FOwnerGrid;
    int32_t FOwnerCol;
    int32_t FOwnerRow;
    uintptr_t FObject = 0;
    TObject* FGraphicObject = nullptr;
    TBrushStyle FBrushStyle = bsSolid;
    TColor FBrushColor = clNone;
    TColor FBrushColorTo = clNone;
    int32_t FFontSize = 0;
    TColor FFontColor = clNone;
    TFontStyles FFontStyle;
    int32_t FCellSpanY = -1;
    int32_t FCellSpanX = -1;
    int32_t FBorderWidth = 0;
    TColor FBorderColor = clNone;
    TAlignment FAlignment = taLeftJustify;
    TVAlignment FVAlignment = vtaTop;
    int32_t FPaintID = 0;
    bool FWordWrap;
    bool FIsBaseCell = true;
    TColumnCalcType FCalcType = acNONE;
    TObject* FCalcObject = nullptr;
    int32_t FNodeLevel = 0;
    TEditorType FEditor = edNormal;
    QString FFontName;
    bool FReadOnly = false;
    TCellGradientDirection FGradientDirection = GradientVertical;
    TControl* FControl = nullptr;
};

// The platform's string grid declared again, with no code of its own.
class TObjStringGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
};

class TBaseGrid : public TObjStringGrid {
public:
    explicit TBaseGrid(TComponent* AOwner);
    // Frees the cell properties, also those of cells beyond the current counts.
    ~TBaseGrid() override;

    // ---- Cell text ----
    // The base cell's stored text; for rows below FNormalRowCount passed through GetDisplText and,
    // when OnGetDisplWideText is assigned, through GetDisplWideText (then returned wide-encoded).
    QString GetCellEx(int32_t c, int32_t r);
    // Into the base cell for a cell with properties inside the grid (CellTextChanged, repaint),
    // else into the cell; HiddenLastRowChanged after a write into the hidden last row.
    void SetCellEx(int32_t c, int32_t r, const QString& Value);
    // The stored text itself, without merging or hooks.
    QString GetGridCell(int32_t c, int32_t r) const { return Cells(c, r); }
    void SetGridCell(int32_t c, int32_t r, const QString& Value) { SetCells(c, r, Value); }
    // Empties the text and forgets the object slot without freeing it.
    void DetachCell(int32_t ACol, int32_t ARow);
    // The same for each cell, forgetting the slot before emptying the text.
    void DetachColCells(int32_t ACol);
    void DetachRowCells(int32_t ARow);

    // ---- Cell properties and objects ----
    // Created with the cell defaults when missing; no range check.
    TCellProperties* GetCellProperties(int32_t c, int32_t r);
    // Frees the properties in the slot, if any, and stores Value.
    void SetCellProperties(int32_t c, int32_t r, TCellProperties* Value);
    // The cell lies in 0..TotalColCount - 1, 0..RowCount - 1 and has properties.
    bool HasCellProperties(int32_t ACol, int32_t ARow) const;
    TObject* GetGridObject(int32_t c, int32_t r) const { return Objects(c, r); }
    void SetGridObject(int32_t c, int32_t r, TObject* Value);
    // The CellObject of the cell's properties; nil without.
    TObject* GetObjectEx(int32_t c, int32_t r) const;
    // Stores the object in the cell's properties; an empty text stays empty.
    void SetObjectEx(int32_t c, int32_t r, TObject* Value);
    TObject* GetGraphicObjectEx(int32_t c, int32_t r) const;
    // Nothing while the grid is being destroyed; an empty text stays empty.
    void SetGraphicObjectEx(int32_t c, int32_t r, TObject* Value);
    static TObject* GraphicObjectOf(const TCellProperties* Props) { return Props->GraphicObject(); }
    // Frees the properties of the inclusive rectangle (and a TCellGraphic graphic with them).
    void FreeCellPropsRect(int32_t FromCol, int32_t FromRow, int32_t ToCol, int32_t ToRow);
    // Frees one cell's properties (not its graphic).
    void FreeCellProps(int32_t ACol, int32_t ARow);
    void FreeAllCellProps();

    // ---- Merged cells ----
    bool IsBaseCell(int32_t ACol, int32_t ARow) const;
    // A covered cell or the base of an area larger than one cell.
    bool IsMergedCell(int32_t ACol, int32_t ARow) const;
    bool IsMergedNonBaseCell(int32_t ACol, int32_t ARow) const;
    bool IsXMergedCell(int32_t ACol, int32_t ARow) const;
    bool IsYMergedCell(int32_t ACol, int32_t ARow) const;
    TPoint BaseCell(int32_t ACol, int32_t ARow) const;
    // True with the cell itself for a base cell or a cell without properties; else false with the base.
    bool IsBaseCellEx(int32_t ACol, int32_t ARow, int32_t& BaseCol, int32_t& BaseRow) const;
    // The base cell's spans; (0, 0) outside areas.
    TPoint CellSpan(int32_t ACol, int32_t ARow) const;
    // Columns and rows from the cell to the far edge of its area.
    TPoint CellExt(int32_t ACol, int32_t ARow) const;
    // The area as inclusive cell coordinates.
    TRect FullCell(int32_t c, int32_t r) const;
    // The smallest positive row span in the row, RowCount when none; the largest, 0 when none.
    int32_t MinRowSpan(int32_t ARow) const;
    int32_t MaxRowSpan(int32_t ARow) const;
    // Where both rows have a positive row span their base cells share a row; false when nowhere.
    bool RowSpanIdentical(int32_t ARow1, int32_t ARow2) const;
    // Row by row: cells that both span columns share their base column, other cells have the same
    // column span; false when no row has both cells spanning columns.
    bool ColSpanIdentical(int32_t ACol1, int32_t ACol2) const;
    // FMergeCount + 1; the area's cells take the merge encoding and are repainted.
    virtual void MergeCells(int32_t c, int32_t r, int32_t spanx, int32_t spany);
    // Undoes the merge of the area holding (c, r); FMergeCount falls only when a merge was undone.
    virtual void SplitCells(int32_t c, int32_t r);

    // ---- Geometry and repainting ----
    // The cell's rectangle from the sizes, also off screen; fixed cells at their absolute place.
    TRect CalcCellRect(int32_t ACol, int32_t ARow) const;
    // The whole area for a merged cell.
    TRect CellRect(int32_t c, int32_t r) const;
    TPoint CellSize(int32_t c, int32_t r) const;
    void RepaintCell(int32_t c, int32_t r);
    int32_t FixedColsWidth() const;
    int32_t FixedRowsHeight() const;
    void RepaintMergedFixedRowCells();
    void RepaintMergedFixedColCells();
    // Col and Row move to the base cell of the current cell.
    void GotoBaseCell();

    // ---- Painting (any canvas) ----
    void PaintCell(TCanvas* ACanvas, int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState);
    // Background, selection and lines only.
    void PaintCellExt(TCanvas* ACanvas, int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState);

    // ---- Properties ----
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool Value);
    TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(TColor Value);
    TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(TColor Value);
    TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(TColor Value);
    TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(TColor Value);
    // The platform grid's own default drawing stays off whatever this says.
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);
    // The width of the lines this grid paints; the platform grid's own lines stay at 0.
    int32_t GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int32_t Value);
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor Value);
    TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(TColor Value);
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool Value) { FHoverRow = Value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
    THoverRowCells HoverRowCells() const { return FHoverRowCells; }
    void SetHoverRowCells(THoverRowCells Value) { FHoverRowCells = Value; }
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }
    // Not owned; linking sets the component's Grid.
    TExtGridUndoRedo* UndoRedo() const { return FUndoRedo; }
    void SetUndoRedo(TExtGridUndoRedo* Value);

    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, QString& Value)> OnGetDisplText;
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, QString& Value)> OnGetDisplWideText;

    // ---- Virtual operations ----
    // Extra cells a descendant paints as fixed.
    virtual bool IsFixed(int32_t ACol, int32_t ARow);
    virtual int32_t GetNodeIndent(int32_t ARow);
    // With nodes no horizontal line is drawn in column 0.
    virtual bool HasNodes();
    // The cell's text centred on one line.
    virtual void DrawCellContent(TCanvas* ACanvas, int32_t ACol, int32_t ARow, const TRect& ARect,
                                 TGridDrawState AState);
    virtual void HiddenLastRowChanged();
    virtual void GetDisplText(int32_t ACol, int32_t ARow, QString& Value);
    virtual void GetDisplWideText(int32_t ACol, int32_t ARow, QString& Value);
    virtual void GetCellDefaults(int32_t ACol, int32_t ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                 TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                 bool& WW, TCellGradientDirection& GD);
    virtual void CellTextChanged(int32_t ACol, int32_t ARow);
    virtual bool HasCustomBorders();
    // True when an application style of the platform paints fixed and selected cells.
    virtual bool IsStyledByPlatform();
    virtual void GetVisualProperties(int32_t ACol, int32_t ARow, TGridDrawState& AState, bool Print, bool Select,
                                     bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                     TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                                     TCellGradientDirection& GD);
    // A real column's displayed index.
    virtual int32_t DisplColIndex(int32_t ACol);
    // ColCount; a descendant adds its hidden columns.
    virtual int32_t TotalColCount() const;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int32_t ACol, int32_t ARow) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void TopLeftChanged() override;
    void ChangeScale(int32_t M, int32_t D) override;
    QString GetEditText(int32_t ACol, int32_t ARow) override;
    void SetEditText(int32_t ACol, int32_t ARow, const QString& Value) override;

    // The painting of one cell; see PaintCell and PaintCellExt.
    void DoPaintCell(TCanvas* ACanvas, int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState,
                     bool WithContent);

    bool FDefaultDrawing = false;
    int32_t FGridLineWidth = 1;
    TColor FGridLineColor = clSilver;
    TColor FGridFixedLineColor = clGray;
    // The paint pass; rises after each full paint.
    int32_t FPaintID = 1;
    // The last row is hidden (a descendant keeps footer values there).
    bool FHideLastRow = false;
    // Rows below this get the display-text hooks.
    int32_t FNormalRowCount = 0;
    TExtGridUndoRedo* FUndoRedo = nullptr;
    bool FWordWrap = true;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    // The row under the mouse, -1 for none.
    int32_t FHoverRowIdx = -1;
    bool FHoverRow = false;
    THoverRowCells FHoverRowCells{hcNormal, hcSelected};
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    // The selection is shown.
    bool FShowSel = true;
    // Set once any cell properties object was made.
    bool FHasCellProps = false;
    // Merges less splits that undid one; never below 0.
    int32_t FMergeCount = 0;

private:
    friend class TCellProperties;

    // The properties in the slot, or nil (no range check).
    TCellProperties* PropsAt(int32_t c, int32_t r) const;
    // The properties of a cell inside the grid, or nil.
    TCellProperties* PropsIn(int32_t c, int32_t r) const;
    // A normal row's text through the display hooks, kept apart from GetCellEx's plain read.
    QString HookedCellText(int32_t c, int32_t r);
    void NoteProps(int32_t c, int32_t r);
    // Frees the properties object in the slot and empties it; with Graphic a TCellGraphic too.
    void FreePropsAt(int32_t c, int32_t r, bool Graphic);
    // Runs Act with a blank text in the cell when its text is empty, which is emptied again after.
    void WithBlankText(int32_t c, int32_t r, const std::function<void()>& Act);

    // Bounds of every cell that ever got properties, so that cells beyond the counts are freed too.
    int32_t FPropsMaxCol = -1;
    int32_t FPropsMaxRow = -1;
};
