// TExtStringGrid: the string grid component over the base grid: typed cells, per-cell hooks and
// their events, settings objects, hidden rows and columns, and the unit's shared state.
#pragma once

#include "grid/base/BaseGrid.h"
#include "grid/base/ExtStyleIF.h"
#include "grid/base/ExtUtil.h"
#include "grid/core/CellTypes.h"
#include "grid/core/ExtGridTypes.h"

#include "windows/WinApi.h"
#include "windows/WindowHooks.h"

#include <QSet>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class TArrowWindow;
class TBackGround;
class TBalloonSettings;
class TBands;
class TBitmap;
class TCellGraphic;
struct TCellGraphicLayout;
struct TCellPaint;
class TCellNode;
class TCollection;
class TColumnSize;
class TControlCombo;
class TControlEdit;
class TControlList;
class TControlLook;
class TCustomImageList;
class TCustomListBox;
class TDragDropSettings;
class TDragScrollOptions;
class TDropCheckList;
class TDropList;
class TExtGridUndoRedo;
class TExtRichEdit;
class TExtStringGridCheck;
class TFilePicture;
class TFilter;
class TFilterData;
class TFilterDropDown;
class TFlagList;
class TFloatingFooter;
class TFocusHelper;
class TFooterPanel;
class TCustomForm;
class TForm;
class TGridButton;
class TGridCalculatorDropDown;
class TGridChangeNotifier;
class TGridCheckBox;
class TGridColorDropDown;
class TGridCombo;
class TGridDatePicker;
class TGridDateTimePicker;
class TGridDetailPickerDropDown;
class TGridDropTarget;
class TGridEditBtn;
class TGridExtGridDropDown;
class TGridFocusWindow;
class TGridGridDropDown;
class TGridImageDropDown;
class TGridItem;
class TGridItems;
class TGridMemoDropDown;
class TGridProgressAppearance;
class TGridSpin;
class TGridTimepickerDropDown;
class TGridTrackbarDropDown;
class TGridTransCombo;
class TGridTransEdit;
class TGridUnitEditBtn;
class TGrouping;
class THeaderDragButton;
class THTMLHintWindow;
class THintWindow;
class THTMLPictureCache;
class THTMLSettings;
class TIcon;
class TIntList;
class TList;
class TMouseActions;
class TNavigation;
class TPicture;
class TPictureContainer;
class TPopupMenu;
class TPrintSettings;
class TRichEdit;
class TScrollBar;
class TScrollControl;
class TSearchFooter;
class TSearchPanel;
class TShowModified;
class TSizeWhileTyping;
class TSortIndexList;
class TSortSettings;
class TStringList;
class TSyncGrid;
class TTimer;

using TCharSet = QSet<QChar>;

class TExtStringGrid : public TBaseGrid, public IVyxStyle, public IVyxTones {
public:
    explicit TExtStringGrid(TComponent* AOwner);
    ~TExtStringGrid() override;

    // ---- Component and window life ----
    // From another string grid: settings, dimensions, widths, heights and cells; nothing otherwise.
    void Assign(TPersistent* Source) override;
    void Loaded() override;
    // Nothing (and no repaint) once, after the editor marked its own change.
    void Invalidate() override;
    // With IntegralHeight the height shows whole rows.
    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;
    // Copies the cells of another string grid through a memory stream; nothing for other sources.
    virtual void AssignCells(TPersistent* Source);
    // Bars named by ScrollBarAlways stay shown (disabled while everything fits); with Force a bar
    // whose content fits is hidden otherwise.
    void ApplyScrollBarAlways(bool Force);
    void CreateMetroScrollControls();
    void FreeMetroScrollControls();

    // ---- Style interfaces ----
    void SetComponentStyle(TVyxStyle AStyle) override;
    void SetColorTones(const TColorTones& ATones) override;

    // ---- Cell graphics ----
    virtual TCellGraphic* GetCellGraphic(int32_t ACol, int32_t ARow);
    virtual TCellType GetCellType(int32_t ACol, int32_t ARow);
    TCellGraphic* CellGraphics(int32_t ACol, int32_t ARow) { return GetCellGraphic(ACol, ARow); }
    TCellType CellTypes(int32_t ACol, int32_t ARow) { return GetCellType(ACol, ARow); }
    // Frees the graphic stored in the cell (never a shared one) and stores a new one of kind ctNone.
    TCellGraphic* NewCellGraphic(int32_t ACol, int32_t ARow);
    // Takes the graphic out of the cell; frees it unless it is a shared check-box graphic.
    bool RemoveCellGraphic(int32_t ACol, int32_t ARow);
    bool RemoveCellGraphicOfType(int32_t ACol, int32_t ARow, TCellType Kind);
    // The base cell's graphic exists and its kind is in Kinds; false for a negative index.
    bool IsCellTypeIn(int32_t ACol, int32_t ARow, const TCellTypes& Kinds);
    bool IsControlCell(int32_t ACol, int32_t ARow);
    TIntList* GetCellImages(int32_t ACol, int32_t ARow);
    TIntList* CellImages(int32_t ACol, int32_t ARow) { return GetCellImages(ACol, ARow); }
    // The object of an image cell as a number (bitmap, icon) or its image index; -1 otherwise.
    intptr_t GetCellImageKey(int32_t ACol, int32_t ARow);
    virtual TCustomImageList* GetGridImages();
    virtual TPoint GetCellGraphicSize(int32_t ACol, int32_t ARow);
    TPoint CellGraphicSize(int32_t ACol, int32_t ARow) { return GetCellGraphicSize(ACol, ARow); }
    virtual TPoint GetCellGraphicExtent(int32_t ACol, int32_t ARow, int32_t ReservedHeight);
    virtual TPoint GetCellGraphicPrintSize(int32_t ACol, int32_t ARow, int32_t AWidth, int32_t AHeight, double AScale);
    bool IsSortIndicatorRow(int32_t ACol, int32_t ARow);
    void RepaintHeaderCells(int32_t OldCol, int32_t OldRow, int32_t NewCol, int32_t NewRow);

    // ---- Check boxes ----
    // "Invalid cell" outside ColCount + hidden columns by RowCount + hidden rows.
    void AddCheckBox(int32_t ACol, int32_t ARow, bool State, bool Data);
    void AddCheckBox(int32_t ACol, int32_t ARow, TCheckBoxState State);
    static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
    void AddCheckBoxColumn(int32_t ACol, bool DefaultState = false, bool DataCheckBox = false);
    void AddTriStateCheckBoxColumn(int32_t ACol, TCheckBoxState State);
    void RemoveCheckBox(int32_t ACol, int32_t ARow);
    void RemoveCheckBoxColumn(int32_t ACol);
    bool HasCheckBox(int32_t ACol, int32_t ARow);
    bool HasDataCheckBox(int32_t ACol, int32_t ARow);
    // ARow is a real row; the result says whether a check box answered.
    bool GetCheckBoxState(int32_t ACol, int32_t ARow, bool& State);
    bool GetCheckBoxState(int32_t ACol, int32_t ARow, TCheckBoxState& State);
    bool IsChecked(int32_t ACol, int32_t ARow);
    bool SetCheckBoxState(int32_t ACol, int32_t ARow, bool State);
    bool SetCheckBoxState(int32_t ACol, int32_t ARow, TCheckBoxState State);
    // ARow is a displayed row; fires DoCheckBoxChange when the state changes.
    bool SetCheckBoxStateNotify(int32_t ACol, int32_t ARow, bool State);
    void CheckAll(int32_t ACol);
    void UnCheckAll(int32_t ACol);
    bool ToggleCheckBox(int32_t ACol, int32_t ARow) { return DoToggleCheckBox(ACol, ARow, false); }
    virtual bool DoToggleCheckBox(int32_t ACol, int32_t ARow, bool CheckEditable);
    bool IsInCheckBox(int32_t ACol, int32_t ARow, int32_t XPos, int32_t YPos);

    // ---- Radio groups and radio buttons ----
    // The caller keeps the list.
    void AddRadio(int32_t ACol, int32_t ARow, int32_t DirRadio, int32_t IdxRadio, TStrings* sl);
    // A new list owned by the graphic, returned for filling.
    TStrings* CreateRadio(int32_t ACol, int32_t ARow, int32_t DirRadio, int32_t IdxRadio);
    void RemoveRadio(int32_t ACol, int32_t ARow);
    bool IsRadio(int32_t ACol, int32_t ARow);
    bool GetRadioIdx(int32_t ACol, int32_t ARow, int32_t& IdxRadio);
    bool SetRadioIdx(int32_t ACol, int32_t ARow, int32_t IdxRadio);
    TStrings* GetRadioStrings(int32_t ACol, int32_t ARow);
    bool SelectNextRadio(int32_t ACol, int32_t ARow, bool CheckEditable);
    void AddRadioButton(int32_t ACol, int32_t ARow, bool State = false);
    void RemoveRadioButton(int32_t ACol, int32_t ARow);
    bool HasRadioButton(int32_t ACol, int32_t ARow);
    bool IsRadioButtonChecked(int32_t ACol, int32_t ARow);
    void AddRadioButtonColumn(int32_t ACol);
    void RemoveRadioButtonColumn(int32_t ACol);
    bool SetRadioButtonState(int32_t ACol, int32_t ARow, bool State);
    void SetRadioButtonColumnIndex(int32_t ACol, int32_t Index);
    int32_t GetRadioButtonColumnIndex(int32_t ACol);
    virtual bool SelectRadioButton(int32_t ACol, int32_t ARow, bool CheckEditable);

    // ---- Buttons, balloons, expand cells ----
    void AddButton(int32_t ACol, int32_t ARow, int32_t bw, int32_t bh, const QString& Caption, TCellHAlign hal,
                   TCellVAlign val);
    // The caller keeps the glyph.
    void AddBitButton(int32_t ACol, int32_t ARow, int32_t bw, int32_t bh, const QString& Caption, TBitmap* Glyph,
                      TCellHAlign hal, TCellVAlign val);
    // A new glyph owned by the graphic.
    TBitmap* CreateBitButton(int32_t ACol, int32_t ARow, int32_t bw, int32_t bh, const QString& Caption,
                             TCellHAlign hal, TCellVAlign val);
    // ACol is a displayed column here and in the three below.
    void SetButtonText(int32_t ACol, int32_t ARow, const QString& Caption);
    QString GetButtonText(int32_t ACol, int32_t ARow);
    void PushButton(int32_t ACol, int32_t ARow, bool Push);
    TRect GetCellButtonRect(int32_t ACol, int32_t ARow);
    void RemoveButton(int32_t ACol, int32_t ARow);
    void RemoveBitButton(int32_t ACol, int32_t ARow);
    void RemoveAllButtons();
    bool HasButton(int32_t ACol, int32_t ARow);
    void AddBalloon(int32_t ACol, int32_t ARow, const QString& Title, const QString& Text, TBalloonIcon Icon);
    void RemoveBalloon(int32_t ACol, int32_t ARow);
    bool HasBalloon(int32_t ACol, int32_t ARow);
    bool IsBalloon(int32_t ACol, int32_t ARow, QString& Title, QString& Text, TBalloonIcon& Icon);
    void AddExpand(int32_t ACol, int32_t ARow, int32_t ExpandedHeight);
    void RemoveExpand(int32_t ACol, int32_t ARow);
    bool HasExpand(int32_t ACol, int32_t ARow);
    bool ToggleExpand(int32_t ACol, int32_t ARow);
    bool GetExpandState(int32_t ACol, int32_t ARow);
    int32_t GetExpandHeight(int32_t ACol, int32_t ARow, bool Expanded);
    TRect GetExpandButtonRect(int32_t ACol, int32_t ARow);

    // ---- Pictures, images, progress, comments, shapes, ratings, scroll bars, markers ----
    // Add: the caller keeps the object; Create: a new object owned by the graphic.
    void AddBitmap(int32_t ACol, int32_t ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitmap(int32_t ACol, int32_t ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* GetBitmap(int32_t ACol, int32_t ARow);
    bool HasBitmap(int32_t ACol, int32_t ARow) { return GetBitmap(ACol, ARow) != nullptr; }
    void RemoveBitmap(int32_t ACol, int32_t ARow);
    void AddPicture(int32_t ACol, int32_t ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                    int32_t Padding, TCellHAlign hal, TCellVAlign val);
    TPicture* CreatePicture(int32_t ACol, int32_t ARow, bool Transparent, TStretchMode StretchMode, int32_t Padding,
                            TCellHAlign hal, TCellVAlign val);
    TPicture* GetPicture(int32_t ACol, int32_t ARow);
    bool HasPicture(int32_t ACol, int32_t ARow) { return GetPicture(ACol, ARow) != nullptr; }
    void RemovePicture(int32_t ACol, int32_t ARow);
    void AddFilePicture(int32_t ACol, int32_t ARow, TFilePicture* AFilePicture, bool Transparent,
                        TStretchMode StretchMode, int32_t Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* CreateFilePicture(int32_t ACol, int32_t ARow, bool Transparent, TStretchMode StretchMode,
                                    int32_t Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* GetFilePicture(int32_t ACol, int32_t ARow);
    void RemoveFilePicture(int32_t ACol, int32_t ARow);
    void AddIcon(int32_t ACol, int32_t ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
    TIcon* CreateIcon(int32_t ACol, int32_t ARow, TCellHAlign hal, TCellVAlign val);
    void RemoveIcon(int32_t ACol, int32_t ARow);
    // The image-list operations do nothing while GetGridImages is nil.
    void AddImageIdx(int32_t ACol, int32_t ARow, int32_t Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int32_t ACol, int32_t ARow, int32_t& idx);
    void SetImageIdx(int32_t ACol, int32_t ARow, int32_t Idx);
    void RemoveImageIdx(int32_t ACol, int32_t ARow);
    void AddDataImage(int32_t ACol, int32_t ARow, int32_t Aidx, TCellHAlign hal, TCellVAlign val);
    void RemoveDataImage(int32_t ACol, int32_t ARow);
    bool HasDataImage(int32_t ACol, int32_t ARow);
    void AddMultiImage(int32_t ACol, int32_t ARow, int32_t Dir, TCellHAlign hal, TCellVAlign val);
    void RemoveMultiImage(int32_t ACol, int32_t ARow);
    void AddRotated(int32_t ACol, int32_t ARow, int16_t AAngle, const QString& s);
    void SetRotated(int32_t ACol, int32_t ARow, int16_t AAngle);
    bool IsRotated(int32_t ACol, int32_t ARow, int32_t& aAngle);
    void RemoveRotated(int32_t ACol, int32_t ARow);
    void AddProgress(int32_t ACol, int32_t ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int32_t ACol, int32_t ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                       TColor BKTextColor);
    void AddProgressFormatted(int32_t ACol, int32_t ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const QString& Fmt, int32_t Min, int32_t Max);
    bool HasProgress(int32_t ACol, int32_t ARow);
    void RemoveProgress(int32_t ACol, int32_t ARow);
    void AddExtProgress(int32_t ACol, int32_t ARow, int32_t Min, int32_t Max);
    void RemoveExtProgress(int32_t ACol, int32_t ARow);
    void AddProgressPie(int32_t ACol, int32_t ARow, TColor Color, int32_t Value);
    void SetProgressPie(int32_t ACol, int32_t ARow, int32_t Value);
    void RemoveProgressPie(int32_t ACol, int32_t ARow);
    void AddRangeIndicator(int32_t ACol, int32_t ARow, int32_t Range, TColor NegColor, TColor PosColor,
                           bool ShowValue);
    void RemoveRangeIndicator(int32_t ACol, int32_t ARow);
    void AddComment(int32_t ACol, int32_t ARow, const QString& Comment);
    void AddColorComment(int32_t ACol, int32_t ARow, const QString& Comment, TColor Color);
    bool IsComment(int32_t ACol, int32_t ARow, QString& Comment);
    QString CellComment(int32_t ACol, int32_t ARow);
    // A cell without a graphic gets a comment, a comment cell its new text; others stay as they are.
    void SetCellComment(int32_t ACol, int32_t ARow, const QString& Value);
    void RemoveComment(int32_t ACol, int32_t ARow);
    void RemoveAllComments();
    void AddShape(int32_t ACol, int32_t ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    void SetShapeColor(int32_t ACol, int32_t ARow, TColor FillColor);
    TColor GetShapeColor(int32_t ACol, int32_t ARow);
    void RemoveShape(int32_t ACol, int32_t ARow);
    void AddRating(int32_t ACol, int32_t ARow, int32_t Scale, TColor FillColor, TColor EmptyColor);
    bool HasRating(int32_t ACol, int32_t ARow);
    void RemoveRating(int32_t ACol, int32_t ARow);
    void AddScrollBar(int32_t ACol, int32_t ARow, bool AutoRange);
    bool HasScrollBar(int32_t ACol, int32_t ARow);
    bool HasAutoRangeScrollBar(int32_t ACol, int32_t ARow);
    void SetScrollPosition(int32_t ACol, int32_t ARow, int32_t Pos);
    int32_t GetScrollPosition(int32_t ACol, int32_t ARow);
    void SetScrollProp(int32_t ACol, int32_t ARow, TScrollProp Prop);
    TScrollProp GetScrollProp(int32_t ACol, int32_t ARow);
    void RemoveScrollBar(int32_t ACol, int32_t ARow);
    void AddMarker(int32_t ACol, int32_t ARow, int32_t ErrPos, int32_t ErrLen);
    void RemoveMarker(int32_t ACol, int32_t ARow);
    void RemoveAllMarkers();
    void GetMarker(int32_t ACol, int32_t ARow, int32_t& ErrPos, int32_t& ErrLen);
    // The object stays the caller's; it draws itself when it implements IGridCellDrawer.
    void AddInterfacedCell(int32_t ACol, int32_t ARow, TPersistent* AObject);
    TPersistent* GetInterfacedCell(int32_t ACol, int32_t ARow);
    void RemoveInterfacedCell(int32_t ACol, int32_t ARow);

    // ---- Typed access and texts ----
    // "Cell does not contain integer value" for a text that is no integer.
    int32_t Ints(int32_t ACol, int32_t ARow);
    void SetInts(int32_t ACol, int32_t ARow, int32_t Value);
    int32_t AllInts(int32_t ACol, int32_t ARow);
    void SetAllInts(int32_t ACol, int32_t ARow, int32_t Value);
    // "Cell does not contain a float value" for a text that is no number.
    double Floats(int32_t ACol, int32_t ARow);
    void SetFloats(int32_t ACol, int32_t ARow, double Value);
    double AllFloats(int32_t ACol, int32_t ARow);
    void SetAllFloats(int32_t ACol, int32_t ARow, double Value);
    QString ControlValues(int32_t ACol, int32_t ARow, const QString& ID);
    void SetControlValues(int32_t ACol, int32_t ARow, const QString& ID, const QString& Value);
    // Real column, real row (hidden rows too).
    QString AllCells(int32_t i, int32_t j);
    void SetAllCells(int32_t i, int32_t j, const QString& Value);
    QString StrippedCells(int32_t i, int32_t j);
    // The cell's font: the grid's Font, or one scratch font shared by all cells (valid until the next call).
    TFont* GetCellFont(int32_t ACol, int32_t ARow);
    TFont* Fonts(int32_t ACol, int32_t ARow) { return GetCellFont(ACol, ARow); }
    QString Version() const;
    void SetVersion(const QString&) {}
    virtual int32_t GetVersionNr() const;
    virtual QString GetVersionString() const;
    int32_t VersionNr() const { return GetVersionNr(); }
    QString VersionString() const { return GetVersionString(); }

    // ---- Text services of painting, sizing and exchange ----
    // The cell text, numbers formatted through OnGetFloatFormat, password cells masked.
    virtual QString GetFormattedCell(int32_t ACol, int32_t ARow);
    // Horizontal alignment in .first, vertical in .second.
    std::pair<TAlignment, TVAlignment> GetCellAlignments(int32_t ACol, int32_t ARow);
    // The room the cell text needs (plain and markup text) on the grid's canvas.
    void GetCellTextSize(int32_t ACol, int32_t ARow, TPoint& Size, bool HasButton, bool WrapToCell);
    void CalcCellTextExtent(int32_t ACol, int32_t DisplCol, TPoint& Size, bool HasButton, bool WrapToCell,
                            int32_t ARow);

    // ---- Hidden rows and columns: index mapping ----
    int32_t RealColIndex(int32_t ACol) const;
    int32_t DisplColIndex(int32_t ACol) override;
    int32_t RealRowIndex(int32_t ARow) const;
    int32_t DisplRowIndex(int32_t ARow) const;
    int32_t TotalColCount() const override;
    int32_t TotalRowCount() const { return RowCount() + NumHiddenRows(); }
    int32_t AllColCount() const { return TotalColCount(); }
    int32_t AllRowCount() const { return TotalRowCount(); }
    int32_t NumHiddenColumns() const { return FNumHidden; }
    int32_t NumHiddenRows() const;
    bool IsHiddenColumn(int32_t ColIndex) const;
    bool IsHiddenRow(int32_t RowIndex) const;
    // The texts parked for hidden real row j, nil when row j shows.
    TStrings* HiddenRowTexts(int32_t j) const;
    int32_t RealRow() const { return RealRowIndex(Row()); }
    int32_t RealCol() const { return RealColIndex(Col()); }
    // Through a list of every hidden Idx that the call makes when ListHidden is nil; the caller frees it.
    bool IsHiddenRow(int32_t RowIndex, TIntList*& ListHidden) const;

    // ---- Hidden rows and columns: hiding and showing (real indexes unless said) ----
    void HideColumn(int32_t ColIndex) { HideColumns(ColIndex, ColIndex); }
    // Skips columns hidden already, from 512 on, beyond the grid, and the last one shown.
    void HideColumns(int32_t FromCol, int32_t ToCol);
    void UnHideColumn(int32_t ColIndex) { UnHideColumns(ColIndex, ColIndex); }
    void UnHideColumns(int32_t FromCol, int32_t ToCol);
    void UnHideColumnsAll();
    void HideRow(int32_t RowIndex) { HideRows(RowIndex, RowIndex); }
    void HideRows(int32_t FromRow, int32_t ToRow);
    // Appends the items; rows of the range hidden already are skipped.
    void HideRowsEx(int32_t FromRow, int32_t ToRow);
    // RowList holds display rows in ascending order; they are hidden as one new filter level.
    void HideRowList(TIntList* RowList);
    void UnHideRow(int32_t RowIndex);
    void UnHideRows(int32_t FromRow, int32_t ToRow);
    void UnHideRowsAll();
    // Shows the rows of the last filter level again; the caller lowers the level.
    void UnHideRowList();
    // The selection parks one beyond the last cell (no cell selected) and comes back.
    void HideSelection();
    void UnHideSelection();
    int32_t FilterLevel() const { return FFilterLevel; }

    // ---- Current row and top row (display rows) ----
    // Fires OnRowUpdate when the row differs from the one reported last.
    void SetRow(int32_t Value);
    // Ignored outside FixedRows..RowCount - 1.
    void SetTopRow(int32_t Value);
    // The selection becomes the single cell, which also makes it current.
    void FocusCell(int32_t ACol, int32_t ARow);

    // ---- Rows and columns by content or selection (display indexes) ----
    // Every row from FixedRows on, footers included, whose check box state equals RemoveChecked; a cell
    // without a check box reads unchecked.
    void RemoveCheckedRows(int32_t CheckBoxColumn, bool RemoveChecked);
    // Normal rows whose text in ACol repeats an earlier kept row (DoCase: exact, else AnsiCompareText).
    void RemoveDuplicates(int32_t ACol, bool DoCase);
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    void HideSelectedRows();
    void HideUnSelectedRows();
    void TrimColumn(int32_t ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
    void TrimRow(int32_t ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
    void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
    void ColorRect(int32_t ACol1, int32_t ARow1, int32_t ACol2, int32_t ARow2, TColor AColor);
    // The first stored text equal to SubStr, rows outer; ACol and ARow stay without a match.
    bool IsCell(const QString& SubStr, int32_t& ACol, int32_t& ARow);
    // The cell text starts with the wide-cell mark.
    bool IsWideCell(int32_t ACol, int32_t ARow);
    // Scrolls so that the cell shows, about half a page in when it did not.
    void ScrollInView(int32_t ColIndex, int32_t RowIndex);
    // SelectCell on the current cell again.
    void UpdateEditMode();

        // ---- Row block operations (display rows) ----
    // Count rows from Start leave the grid in one pass; with Adjust the controls in them are dropped
    // and hidden rows below lower their Idx.
    void DeleteDisplayRows(int32_t Start, int32_t Count, bool Adjust);
    // RCount empty rows at RowIndex in one pass.
    void InsertDisplayRows(int32_t RowIndex, int32_t RCount, bool UpdateCellControls);
    // Appends one empty row (above the floating footer's row while it shows).
    void AddRow();
    void AddColumn() { InsertCols(ColCount(), 1); }
    // Rows move with their texts, objects, heights and flags; hidden rows keep their places.
    void MoveRows(int32_t FromIndex, int32_t ToIndex, int32_t Count);
    // The platform's move, then the embedded controls follow.
    void MoveRow(int32_t FromIndex, int32_t ToIndex);
    void MoveColumn(int32_t FromIndex, int32_t ToIndex);

    // ---- Nodes ----
    bool HasNodes() override;
    int32_t GetNodeIndent(int32_t ARow) override;
    // Display rows; a node row's graphic in column 0 is ctNode, a summary row's ctSummary.
    bool IsNode(int32_t ARow);
    bool IsSummary(int32_t ARow);
    // -1 (span, level) or false (contracted), 0 (sub-nodes) for a row that is no node.
    int32_t GetNodeSpan(int32_t ARow);
    int32_t GetNodeLevel(int32_t ARow);
    bool GetNodeState(int32_t ARow);
    int32_t GetSubNodeCount(int32_t ARow);
    // The node row holding ARow; the row itself for a top node, -1 outside every node.
    int32_t GetParentRow(int32_t ARow);
    // ARow is a real row for these four and the row insertions below; Span counts the node row.
    void AddNode(int32_t ARow, int32_t Span);
    void RemoveNode(int32_t ARow);
    void ExpandNode(int32_t ARow);
    void ContractNode(int32_t ARow);
    void RemoveAllNodes();
    void ExpandAll();
    void ContractAll();
    // Display rows; nothing on a row that is no node.
    void SetNodeState(int32_t ARow, bool Value);
    void SetNodeSpan(int32_t ARow, int32_t Span);
    void UpdateNodeSpan(int32_t ARow, int32_t Delta);
    void UpdateSubNodeCount(int32_t ARow, int32_t Delta);
    // 0 on a node row, 2 where the next row continues the tree line, 1 where it ends.
    int32_t GetNodeSpanType(int32_t ARow);
    // Whether client position X in node row ARow hits the node's glyph.
    bool IsInNodeGlyph(int32_t ARow, int32_t X);
    void InsertNormalRow(int32_t ARow);
    void InsertChildRow(int32_t ARow, int32_t InsertAt);
    void RemoveNormalRow(int32_t ARow);
    void RemoveChildRow(int32_t ARow);

    // ---- Row-wide look (columns FixedCols on, hidden ones too) ----
    // clNone frees the properties of plain cells and clears the others' brush colour.
    void SetRowColor(int32_t ARow, TColor Value);
    // clNone clears the gradient end colour of cells that have properties.
    void SetRowColorTo(int32_t ARow, TColor Value);
    // clNone frees the properties of cells without colour or graphic.
    void SetRowFontColor(int32_t ARow, TColor Value);

    // ---- Grouping ----
    // Method 1 sum, 2 average, 3 minimum, 4 maximum, 5 count, 6 custom, 7 distinct, 8 deviation.
    void GroupCalc(int32_t Colindex, int32_t Method);
    void GroupSum(int32_t Colindex);
    void GroupAvg(int32_t Colindex);
    void GroupMin(int32_t Colindex);
    void GroupMax(int32_t Colindex);
    void GroupCount(int32_t Colindex);
    void GroupCustomCalc(int32_t Colindex);
    void GroupDistinct(int32_t Colindex);
    void GroupStdDev(int32_t Colindex);
    // OnGroupCalc's value over the rows; 0 without the event.
    double GroupCustomCalcValue(int32_t ACol, int32_t FromRow, int32_t ToRow);
    // Column 0 of the row gets a fresh summary graphic.
    void SetSummaryRow(int32_t ARow);

    // ---- Selection, modified and repaint helpers ----
    // "Invalid row <n> accessed" for a row outside the grid unless RowSelectPersistent.
    bool RowSelect(int32_t ARow);
    // "Invalid row accessed"; OnRowDisjunctSelect may refuse.
    void SetRowSelect(int32_t ARow, bool Value);
    int32_t RowSelectCount();
    int32_t SelectedRowCount();
    void ClearRowSelect();
    // "Invalid column accessed" outside 0..ColCount - 1; the list grows on demand.
    bool ColSelect(int32_t ACol);
    void SetColSelect(int32_t ACol, bool Value);
    void ClearColSelect();
    // Rows RowIndex.. (cut to the grid) become the selection, or with DisjunctRowSelect selected rows.
    void SelectRows(int32_t RowIndex, int32_t RCount);
    // The brush colour of the cell's properties; clNone (and nothing made) without properties.
    TColor Colors(int32_t ACol, int32_t ARow) const;
    void SetColors(int32_t ACol, int32_t ARow, TColor Value);
    QString GetStrippedCell(int32_t i, int32_t j);
    void RepaintRow(int32_t ARow);
    void RepaintCol(int32_t ACol);
    void RepaintRect(const TRect& r);
    void RegisterSelListener(ITExtStringGridSelect* AListener) { FISelect = AListener; }
    void UnRegisterSelListener(ITExtStringGridSelect*) { FISelect = nullptr; }

    // ---- Update count ----
    // Only while visible: nests, and turns the window's redrawing off.
    void BeginUpdate();
    void StartUpdate() { ++FUpdateCount; }
    // Turns redrawing on again and repaints when the count reaches 0.
    void EndUpdate();
    void ResetUpdate() { FUpdateCount = 0; }
    bool LockUpdate() const { return FUpdateCount != 0; }
    void SetLockUpdate(bool Value);

    // ---- Change notifiers ----
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);

    // ---- Per-cell hooks ----
    virtual void GetCellHint(int32_t ACol, int32_t ARow, QString& Hint, QString& WideHint);
    virtual void GetCellColor(int32_t ACol, int32_t ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void GetCellPrintColor(int32_t ACol, int32_t ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void GetCellBorder(int32_t ACol, int32_t ARow, TPen* APen, TCellBorders& Borders);
    virtual void GetCellPrintBorder(int32_t ACol, int32_t ARow, TPen* APen, TCellBorders& Borders);
    virtual void GetAlignment(int32_t ACol, int32_t ARow, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void GetFormat(int32_t ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix);
    virtual void QueryEditorType(int32_t ACol, int32_t ARow, TEditorType& AEditor);
    virtual void GetEditorType(int32_t ACol, int32_t ARow, TEditorType& AEditor);
    virtual bool IsNoEditorCell(int32_t ACol, int32_t ARow);
    virtual void IsFixedCell(int32_t ACol, int32_t ARow, bool& IsFixed);
    virtual void CanEdit(int32_t ACol, int32_t ARow, bool& CanEdit);
    bool CanEdit(int32_t ACol, int32_t ARow);
    virtual void DoCanEditCell(int32_t ACol, int32_t ARow, bool& CanEdit);
    virtual void IsPasswordCell(int32_t ACol, int32_t ARow, bool& IsPassword);
    virtual void GetCellWordWrap(int32_t ACol, int32_t ARow, bool& WordWrap);
    virtual bool HasComboBox(int32_t ACol, int32_t ARow);
    virtual bool HasSpinEdit(int32_t ACol, int32_t ARow);
    virtual void GetCheckTrue(int32_t ACol, int32_t ARow, QString& Value);
    virtual void GetCheckFalse(int32_t ACol, int32_t ARow, QString& Value);
    QString CheckTrueOf(int32_t ACol, int32_t ARow);
    QString CheckFalseOf(int32_t ACol, int32_t ARow);
    virtual bool GetColumnFilter(int32_t ACol);
    virtual void GetCellCursor(int32_t ACol, int32_t ARow, int32_t X, int32_t Y);
    void GetCellDefaults(int32_t ACol, int32_t ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                         TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                         TCellGradientDirection& GD) override;
    void GetDisplText(int32_t ACol, int32_t ARow, QString& Value) override;
    bool IsFixed(int32_t ACol, int32_t ARow) override;

    // ---- Notification hooks ----
    virtual void DoButtonClick(int32_t ACol, int32_t ARow);
    virtual void DoExpandClick(int32_t ACol, int32_t ARow, bool Expanded);
    virtual void DoComboCloseUp(int32_t ARow, int32_t ACol);
    virtual void DoComboDropDown(int32_t ARow, int32_t ACol);
    virtual void DoCanAddRow(bool& CanAdd);
    virtual void DoCanInsertRow(int32_t ARow, bool& CanInsert);
    virtual void DoCheckBoxChange(int32_t ACol, int32_t ARow, bool State);
    virtual void DoCheckBoxClick(int32_t ACol, int32_t ARow, bool State);
    virtual bool DoRatingChange(int32_t ACol, int32_t ARow, double& NewRate);
    virtual void DoColorSelect();
    virtual void DoImageSelect();
    virtual void DoSearchFooterAction(const QString& Value, int32_t ACol, int32_t ARow, TSearchAction SearchAction);
    virtual void DoFixedEdit(int32_t ACol, int32_t ARow, TGridFixedCellEditor& AEditor, TStrings* Values);
    virtual void DoSelectionChanged(int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom);
    virtual void DoSelectionChanging() {}
    // Called by the in-place edit after each change; does nothing here.
    virtual void DoEditorTextChange(const QString& Text, int32_t Pos, int32_t SelStart);
    virtual void DoFilterDone();
    virtual void AutoInsertRow(int32_t ARow);
    virtual void AutoDeleteRow(int32_t ARow);
    virtual void GetCellText(int32_t ACol, int32_t ARow, QString& Value);
    virtual void GetSaveCellText(int32_t ACol, int32_t ARow, QString& Value);
    virtual void SetLoadedCellText(int32_t ACol, int32_t ARow, const QString& Value);
    virtual void CalcColumnFooter(int32_t ACol);
    virtual void CalcAllFooters();
    virtual void CalcFooter(int32_t ACol);
    virtual void CalcFloatingFooter(int32_t ACol);
    virtual void DoCellsChanged(const TRect& R);
    virtual void ExportNotification(TGridExportState AState, int32_t ARow);
    virtual void ImportNotification(TGridImportState AState, int32_t ARow);
    virtual void DoClickSort(int32_t ACol);
    virtual void DoKeyF2() {}
    virtual void DoPrintGetPageNum(int32_t PageNum, int32_t PageColNum, QString& PageNumString);
    virtual void GetEditorProp(int32_t ACol, int32_t ARow, TEditLink* AEditLink);
    virtual void UpdateColumnSize(int32_t ACol, int32_t& AWidth);
    virtual void UpdateAutoColumnSize(int32_t ACol, int32_t& AWidth);
    virtual void ColumnHeadersChanged() {}
    virtual void DoEllipsClick(QString& Value);
    virtual void DoWheelHook() {}
    virtual void DoCellSelectorClick(int32_t, int32_t) {}
    virtual void DoEditFormulaState(bool) {}
    virtual void DoMouseSelection(const TGridRect&) {}
    virtual void MouseActionsChanged() {}
    virtual void IsDesigning(bool& Designing);
    virtual void MouseActionsInvalidate();
    virtual void DisableEditing();
    virtual void DoInplaceKeyDown(uint16_t&, TShiftState) {}
    virtual void DoInplaceKeyMessage(TMessage&) {}
    virtual void NavigationChanged() {}
    virtual void DoCellChanging(int32_t ACol, int32_t ARow, bool& Allow);
    virtual void DoScrollCell(int32_t ACol, int32_t ARow, int32_t ScrollPosition, int32_t ScrollMin,
                              int32_t ScrollMax);
    virtual bool CanShowFixedDropDown(int32_t ACol);
    virtual void DoStartBlockFocus();
    virtual void DoEndBlockFocus();
    virtual void GetFloatFormat(int32_t ACol, int32_t ARow, QString& AFormat);

    // ---- Operations of the row, column, sort, group and exchange code ----
    virtual void StoreEditText(int32_t ACol, int32_t ARow, const QString& Value);
    virtual void PasteCellText(int32_t ACol, int32_t ARow, const QString& Value);
    virtual QString CurrentCell();
    virtual void SetCurrentCell(const QString& Value);
    virtual void GetCurrentCellText(QString& Value);
    virtual void SetCurrentCellEditText(const QString& Value);
    // Writes the text the cell had when the edit began back into the current cell.
    virtual void CancelCellEdit();
    virtual bool RowMatchesFilter(int32_t ARow);
    virtual void BeginPaste() {}
    virtual void EndPaste() {}
    virtual void MarkPastedRowsModified(TPoint TopLeft, const TGridRect& Pasted, TClipOperation Op);
    virtual void RememberCellValue(int32_t ACol, int32_t ARow);
    virtual TGridRect UsedCells();
    virtual void RemoveRowBlock(int32_t ARow, int32_t ACount);
    virtual void AppendRow();
    virtual void GotoFirstRow();
    virtual bool GetAllowFmtClipboard();
    // The filter drop-down's choices: entry ItemIndex of the list, or every ticked entry.
    virtual void ApplyFilterListChoice(TObject* Sender, int32_t ItemIndex);
    virtual void ApplyFilterCheckList(TObject* Sender);
    // The design-time quick configuration panel at the client's bottom right, and a click on it.
    virtual void PaintDesignHelper();
    virtual void DesignHelperClick(int32_t X, int32_t Y);
    virtual bool ValidateCell(const QString& NewValue);
    virtual bool ValidateCellWide(const QString& NewValue);
    virtual void RemoveRowsEx(int32_t RowIndex, int32_t RCount);
    virtual void RemoveRows(int32_t RowIndex, int32_t RCount);
    virtual void InsertRows(int32_t RowIndex, int32_t RCount, bool UpdateCellControls = true);
    virtual void RemoveCols(int32_t ColIndex, int32_t CCount);
    virtual void InsertCols(int32_t ColIndex, int32_t CCount);
    // Runs of equal texts merged (MainMerge: whatever the neighbours' spans) and split again.
    void MergeColumnCells(int32_t ColIndex, bool MainMerge);
    void MergeRowCells(int32_t RowIndex, bool MainMerge);
    void SplitColumnCells(int32_t ColIndex);
    void SplitRowCells(int32_t RowIndex);
    void SplitAllCells();
    // Column ColIndex1 := its text, Separator and column ColIndex2's text, trimmed; then ColIndex2 goes.
    void MergeCols(int32_t ColIndex1, int32_t ColIndex2, const QString& Separator);
    // The clearing family does nothing on a grid without rows or columns or for a count below 1.
    void ClearRows(int32_t RowIndex, int32_t RCount);
    void ClearCols(int32_t ColIndex, int32_t CCount);
    void ClearNormalRows(int32_t RowIndex, int32_t RCount);
    void ClearNormalCols(int32_t ColIndex, int32_t CCount);
    void ClearNormalCells();
    void Clear();
    // Clear, and the hidden rows emptied too; they stay hidden.
    void ClearAll();
    void ClearSelection();
    virtual void SubGroup(int32_t ColIndex);
    virtual void SubUnGroup(int32_t ColIndex);
    virtual void Group(int32_t ColIndex);
    virtual void UnGroup();
    virtual void SortSwapRows(int32_t ARow1, int32_t ARow2);
    // Empties the texts of the rectangle and frees its cell objects (shared graphics excepted).
    virtual void ClearRect(int32_t ACol1, int32_t ARow1, int32_t ACol2, int32_t ARow2);
    virtual void TrimRect(int32_t ACol1, int32_t ARow1, int32_t ACol2, int32_t ARow2);
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    virtual void SetStyle(TExtGridStyle AStyle);
    virtual void QSort();
    virtual void QSortIndexed();
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    virtual void QUnSort();

    // ---- Sorting ----
    void Sort(int32_t Column, TSortDirection Direction);
    // Only when RowCount > 1.
    void SortByColumn(int32_t Col);
    // Rows Left ... Right only: no cross-reference reset, footer, current row or update bracket.
    void QuickSort(int32_t Col, int32_t Left, int32_t Right);
    void QuickSortIndexed(int32_t Left, int32_t Right);
    void InitSortXRef();
    // Swaps the rows when they compare as the last sort's direction asks; ties go to the next column.
    bool SortLine(int32_t Col, int32_t ARow1, int32_t ARow2);
    // -1, 0 or 1 by the column's sort style; Dir places blanks (0 ascending, 1 descending).
    int32_t CompareCellsForSort(int32_t ACol, int32_t Row1, int32_t Row2, int32_t Dir);
    // Ties broken by the following columns with SortSettings.Full; not negated for descending.
    int32_t CompareRowsForSort(int32_t ACol, int32_t Row1, int32_t Row2);
    // From sort key k on, each key with its own direction.
    int32_t CompareRowsIndexed(int32_t k, int32_t Row1, int32_t Row2);
    // Entry k: the row index, before sorting, of the row now at k.
    TIntList* SortRowXRef() const { return FSortRowXRef.get(); }
    // Counters of cell comparisons and row swaps; sorting never resets them.
    int32_t SortCompares() const { return Compares; }
    int32_t SortSwaps() const { return Swaps; }
    // Whether ACol is listed in IgnoreColumns.
    bool IsIgnoredColumn(int32_t ACol) const;

    // ---- Filtering ----
    // Hides, as one level, every normal row that does not pass (node and summary rows stay with
    // FilterNormalCellsOnly).
    void ApplyFilter();
    // Hides display row ARow, without a level, when it does not pass.
    void FilterRow(int32_t ARow);
    // Brings the last level back; true while more than one level is left.
    bool RemoveLastFilter();
    // Every level; without levels the conditions are deleted instead.
    void RemoveAllFilters();
    // Incremental filtering while typing: one more character adds a level, one less removes it;
    // AColumn -1 tests whole rows.
    void NarrowDown(const QString& ACondition, int32_t AColumn);
    // The column whose filter drop-down is open, -1 for none.
    int32_t FilterColumn() const { return FFilterCol; }
    void SetFilterColumn(int32_t Value) { FFilterCol = Value; }
    void CloseFilterDropDown() { FFilterCol = -1; }
    TDropList* DropList() const { return FDropList; }
    TDropCheckList* DropCheckList() const { return FDropCheckList; }

    // ---- Column and row statistics ----
    // ACol a real column; FromRow or ToRow -1 takes the normal rows above the footers. A ToRow past
    // the shown rows makes Sum, Min and Max walk real rows, hidden ones included.
    double ColumnSum(int32_t ACol, int32_t FromRow, int32_t ToRow);
    // The sum over every row of the range.
    double ColumnAvg(int32_t ACol, int32_t FromRow, int32_t ToRow);
    // The first row's value starts (a non-number there raises).
    double ColumnMin(int32_t ACol, int32_t FromRow, int32_t ToRow);
    double ColumnMax(int32_t ACol, int32_t FromRow, int32_t ToRow);
    // Population deviation; any non-number in the range raises.
    double ColumnStdDev(int32_t ACol, int32_t FromRow, int32_t ToRow);
    // Different display texts, case ignored.
    double ColumnDistinct(int32_t ACol, int32_t FromRow, int32_t ToRow);
    // OnColumnCalc's answer, 0 without it; the range as given.
    double ColumnCustomCalc(int32_t ACol, int32_t FromRow, int32_t ToRow);
    double RowSum(int32_t ARow, int32_t fromCol, int32_t toCol);
    double RowAvg(int32_t ARow, int32_t fromCol, int32_t toCol);
    double RowMin(int32_t ARow, int32_t fromCol, int32_t toCol);
    double RowMax(int32_t ARow, int32_t fromCol, int32_t toCol);

    // ---- Painting and editing services the core calls ----
    void PaintWindowBorder();
    // The footer panel takes the floating footer's height, visibility and hint switch.
    void FooterPanelChanged();
    void RepaintFooterPanel();
    // The base grid hides its last row (the floating footer shows it).
    void SetHideLastRow(bool Value) { FHideLastRow = Value; }
    void PlaceFocusWindow();
    void CellControlsUpdate(bool RebuildList);
    void BalloonInit();
    void BalloonDone();
    void UpdateSearchPanel();
    void ShowColumnHeaders();
    void ShowRowHeaders();
    void InitOrigColSizes();
    void SetColumnOrder();
    // Column order: shows hidden columns, then moves the columns back to their initial order.
    void ResetColumnOrder();
    // The initial index of the column at a display position (records the order when none is).
    int32_t ColumnAtPosition(int32_t APosition);
    // The first column whose row-0 text equals AValue exactly; -1 for none.
    int32_t ColumnByHeader(const QString& AValue);
    QString WideCells(int32_t ACol, int32_t ARow);
    void SetWideCells(int32_t ACol, int32_t ARow, const QString& Value);
    void DetectPlatformStyle();
    void FollowOfficeTheme();
    void HideInplaceEdit();
    void StretchColumn(int32_t ACol);

    // ---- Dimensions (display indexes) ----
    void SetRowCount(int32_t Value);
    void SetColCount(int32_t Value);
    // 1 when the platform's count is 0 while FixedRowAlways (FixedColAlways) is on.
    int32_t FixedRows() const;
    int32_t FixedCols() const;
    // With FixedRowAlways a count not below RowCount leaves one normal row; outside loading the
    // count asked for is kept as the wished count.
    void SetFixedRows(int32_t Value);
    void SetFixedCols(int32_t Value);
    void SetDefaultRowHeight(int32_t Value);
    void SetWordWrap(bool Value);
    void SetColumnHeaders(TStrings* Value);
    void SetRowHeaders(TStrings* Value);
    void ClearColumnHeaders();
    void ClearRowHeaders();
    int32_t FixedFooters() const { return FFixedFooters; }
    void SetFixedFooters(int32_t Value);
    int32_t FixedRightCols() const { return FFixedRightCols; }
    void SetFixedRightCols(int32_t Value);
    // Declared defaults a form writer leaves out; a new grid starts at 22 and SM_CXVSCROLL instead.
    static constexpr int32_t DeclaredFixedRowHeight = 21;
    static constexpr int32_t DeclaredScrollWidth = 17;
    int32_t FixedRowHeight() const { return FFixedRowHeight; }
    void SetFixedRowHeight(int32_t Value);
    int32_t FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int32_t Value);
    bool FixedRowAlways() const { return FFixedRowAlways; }
    void SetFixedRowAlways(bool Value) { FFixedRowAlways = Value; }
    bool FixedColAlways() const { return FFixedColAlways; }
    void SetFixedColAlways(bool Value) { FFixedColAlways = Value; }
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    TCursor Cursor() const { return TBaseGrid::Cursor(); }
    // Also the cursor Destroy gives back.
    void SetCursor(TCursor Value);

    // ---- Headers, fixed cells and property setters ----
    // A linked sync grid with SelectionColumn takes the same current column.
    void SetCol(int32_t Value);
    // Nil is ignored.
    void SetLookupItems(TStrings* Value);
    void SetShowModified(TShowModified* Value);
    void SetBalloon(TBalloonSettings* Value);
    void SetProgressAppearance(TGridProgressAppearance* Value);
    void SetDragScrollOptions(TDragScrollOptions* Value);
    void SetSortSettings(TSortSettings* Value);
    void SetFocusHelper(TFocusHelper* Value);
    // Repaints the indicator cell (0, Row).
    void SetRowIndicator(TBitmap* Value);
    void SetBackGround(TBackGround* Value);
    // Stores without repainting.
    void UpdateXYOffset(int32_t X, int32_t Y);
    // The colour of the four drag arrows; read from the up arrow (clNone without arrows).
    TColor ArrowColor() const;
    void SetArrowColor(TColor Value);

    // ---- Cell access ----
    // Real row j (hidden rows too), store column i; raw texts without the display hooks. Writing a
    // hidden row's line that does not exist raises the list's index error.
    QString AllGridCells(int32_t i, int32_t j);
    void SetAllGridCells(int32_t i, int32_t j, const QString& Value);
    QString AllWideCells(int32_t i, int32_t j) { return AllCells(i, j); }
    void SetAllWideCells(int32_t i, int32_t j, const QString& Value) { SetAllCells(i, j, Value); }
    // The user object of the cell (inside its properties), hidden rows too.
    TObject* AllObjects(int32_t i, int32_t j);
    void SetAllObjects(int32_t i, int32_t j, TObject* Value);
    // j is a row index from before the last sort.
    QString UnSortedCells(int32_t i, int32_t j);
    void SetUnSortedCells(int32_t i, int32_t j, const QString& Value);
    // The real row, before the last sort, of display row ARow.
    int32_t SortedRowIndex(int32_t ARow);
    // Where pre-sort row ARow stands now (the entry count when it is nowhere).
    int32_t UnSortedRowIndex(int32_t ARow);
    // Column i by its place before any column move.
    QString OriginalCells(int32_t i, int32_t j);
    void SetOriginalCells(int32_t i, int32_t j, const QString& Value);
    // The display position of the column whose initial index is ACol.
    int32_t ColumnPosition(int32_t ACol) const;
    // A hidden column keeps its width in a table of 513 entries; columns above 512 keep none.
    int32_t AllColWidths(int32_t i);
    void SetAllColWidths(int32_t i, int32_t Value);
    // 1 plus the CR characters of the cell text.
    int32_t LinesInCell(int32_t i, int32_t j);
    // Per-cell look (store column, display row); a cell without properties reads "not set" and
    // a read creates nothing, except WordWraps, which creates the properties.
    TColor ColorsTo(int32_t ACol, int32_t ARow) const;
    void SetColorsTo(int32_t ACol, int32_t ARow, TColor Value);
    TCellGradientDirection Gradients(int32_t ACol, int32_t ARow) const;
    void SetGradients(int32_t ACol, int32_t ARow, TCellGradientDirection Value);
    TColor FontColors(int32_t ACol, int32_t ARow) const;
    void SetFontColors(int32_t ACol, int32_t ARow, TColor Value);
    TFontStyles FontStyles(int32_t ACol, int32_t ARow) const;
    void SetFontStyles(int32_t ACol, int32_t ARow, TFontStyles Value);
    int32_t FontSizes(int32_t ACol, int32_t ARow) const;
    void SetFontSizes(int32_t ACol, int32_t ARow, int32_t Value);
    QString FontNames(int32_t ACol, int32_t ARow) const;
    void SetFontNames(int32_t ACol, int32_t ARow, const QString& Value);
    TAlignment Alignments(int32_t ACol, int32_t ARow) const;
    void SetAlignments(int32_t ACol, int32_t ARow, TAlignment Value);
    bool ReadOnly(int32_t ACol, int32_t ARow) const;
    void SetReadOnly(int32_t ACol, int32_t ARow, bool Value);
    bool WordWraps(int32_t ACol, int32_t ARow);
    void SetWordWraps(int32_t ACol, int32_t ARow, bool Value);
    // Name, size, style and colour of the font.
    void SetFonts(int32_t ACol, int32_t ARow, TFont* Value);
    TControl* CellControls(int32_t ACol, int32_t ARow) const;
    // Nil takes the cell's control out; a control gets the grid as parent and the cell's rectangle
    // grown by one pixel left and up.
    void SetCellControls(int32_t ACol, int32_t ARow, TControl* Value);
    int32_t NumCellControls() const { return FNumCellControls; }
    // An in-cell scroll bar that follows the text is fitted to it.
    void CellTextChanged(int32_t ACol, int32_t ARow) override;
    // The editor's text: covered cells give their base cell's, markup removed unless EditWithTags.
    QString GetEditText(int32_t ACol, int32_t ARow) override;
    void SetEditText(int32_t ACol, int32_t ARow, const QString& Value) override;

    // ---- Selection, modified and enabled rows ----
    TGridRect Selection() const { return TBaseGrid::Selection(); }
    // With ActiveCellShow row 0 and column 0 repaint; with ActiveRowShow the new bottom row.
    void SetSelection(const TGridRect& Value);
    void SelectCells(int32_t FromCol, int32_t FromRow, int32_t ToCol, int32_t ToRow);
    // Row and Col move to (ToCol, ToRow) first.
    void SelectRange(int32_t FromCol, int32_t ToCol, int32_t FromRow, int32_t ToRow);
    void GotoCell(int32_t ACol, int32_t ARow);
    // Focus, GotoCell, then the in-place editor.
    void EditCell(int32_t ACol, int32_t ARow);
    // Only with DisjunctRowSelect (DisjunctColSelect for columns).
    void UnSelectRows(int32_t RowIndex, int32_t RCount);
    void SelectCols(int32_t ColIndex, int32_t CCount);
    void UnSelectCols(int32_t ColIndex, int32_t CCount);
    int32_t ColSelectCount();
    // With DisjunctCellSelect the cell list, else the selection rectangle (corners put in order).
    bool SelectedCells(int32_t i, int32_t j);
    void SetSelectedCells(int32_t i, int32_t j, bool Value);
    // Entry i of the cell list as (column, row); (-1, -1) beyond it.
    TGridCoord SelectedCell(int32_t i) const;
    // Without DisjunctCellSelect the list is rebuilt from the rectangle first.
    int32_t SelectedCellsCount();
    void ClearSelectedCells();
    int32_t SelectedColCount();
    // -1 beyond the selected rows.
    int32_t SelectedRow(int32_t i);
    // Never for fixed cells.
    bool IsSelected(int32_t ACol, int32_t ARow);
    // Cells joined by TAB, rows by CR LF, nothing after the last row.
    QString SelectedText();
    bool RowModified(int32_t ARow) const;
    void SetRowModified(int32_t ARow, bool Value);
    int32_t ModifiedRowCount() const;
    void ClearModifiedRows();
    bool RowEnabled(int32_t ARow) const;
    // Disabling the current row moves it to the first other enabled row.
    void SetRowEnabled(int32_t ARow, bool Value);

    // ---- Scrolling and column stretching ----
    // The cell under a screen point as MouseToCell gives it (-1 outside cells).
    void ScreenToCell(TPoint pt, int32_t& ACol, int32_t& ARow);
    void StretchRightColumn() { StretchColumn(ColCount() - 1); }
    // Thumbs whose length shows the visible share while positions stay 0..127.
    void UpdateVertScrollProportional();
    void UpdateHorzScrollProportional();
    // Raises TopRow while the last row lies under the search panel.
    void ScrollAboveSearchFooter();
    // Within 4 pixels of a line that sizes a column (in the fixed rows) or a row (in the fixed columns).
    bool IsInSizingZone(int32_t X, int32_t Y);
    // The common-controls flat scroll bars; without that module loaded they stay off.
    void InitFlatScrollBars();
    void DoneFlatScrollBars();
    void RefreshFlatScrollBars();
    bool IsFlat() const { return FIsFlat; }
    // The drag-scroll timer (owned by the parent) while a drag rests in a margin; nil otherwise.
    TTimer* DragScrollTimer() const { return FDragTmr; }
    TDragScrollDirection DragScrollDirection() const { return FDragScrollDirection; }
    bool ScrollHintShowing() const { return FScrollHintShow; }
    void SizeChanged(int32_t OldColCount, int32_t OldRowCount) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void CalcSizingState(int32_t X, int32_t Y, TGridState& State, int32_t& Index, int32_t& SizingPos,
                         int32_t& SizingOfs, TGridDrawInfo& FixedInfo) override;
    void DragOver(TObject* Source, int32_t X, int32_t Y, TDragState State, bool& Accept) override;

    // ---- Auto-size, auto-fit, auto-number and swaps ----
    // ACol, ARow are display indexes; limits through ClampToLimits.
    void AutoSizeCol(int32_t ACol, int32_t Padding = 0);
    void AutoSizeColumns(bool DoFixedCols, int32_t Padding = 0);
    void AutoSizeRow(int32_t ARow, int32_t Padding = 0);
    void AutoSizeRows(bool DoFixedRows, int32_t Padding = 0);
    void AutoSizeCells(bool DoFixedCells, int32_t PaddingX, int32_t PaddingY);
    // Spreads the columns over the grid's width.
    void AutoFitColumns(bool DoFixedCells);
    void SizeColToContent(int32_t ACol, bool GrowOnly);
    void SizeRowToContent(int32_t ARow, bool GrowOnly, int32_t Padding);
    void SizeRowToLines(int32_t ARow, int32_t Lines, int32_t Padding);
    // The largest line count of the row's shown cells with Multilinecells, else 1.
    int32_t MaxLinesInRow(int32_t ARow);
    // The client area takes the sum of the widths (heights).
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    void AutoNumberCol(int32_t ACol);
    void AutoNumberRow(int32_t ARow);
    // Raw texts and object slots of two cells (X column, Y row), no hooks, no merge redirection.
    void SwapCells(TPoint FromCell, TPoint ToCell);
    // Contents, sizes and cell controls exchanged in the store (hidden columns stay put).
    void SwapColumns(int32_t ACol1, int32_t ACol2);
    void SwapRows(int32_t ARow1, int32_t ARow2);

    // ---- Footer calculation ----
    // Repaints the footer panel.
    void UpdateFooter();
    void HiddenLastRowChanged() override;
    TFooterPanel* FooterPanel() const { return FFooterPanel; }

    // ---- Search, find and replace ----
    // The first matching cell after StartCell, (-1, -1) for none; StartCell (-1, -1) starts at the
    // range's first cell (its last with fnBackward). Never wraps around.
    TPoint Find(TPoint StartCell, const QString& s, TFindParams FindParams);
    TPoint FindWide(TPoint StartCell, const QString& s, TFindParams FindParams);
    TPoint FindFirst(const QString& s, TFindParams FindParams);
    // Continues after the last match with the last search's text and flags.
    TPoint FindNext();
    // The number of cells whose text changed.
    int32_t Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams);
    // The first row whose search column starts with s (upper-cased by the caller), -1 for none.
    int32_t Search(const QString& s);
    TSearchPanel* SearchPanel() const { return FSearchPanel; }
    // Handlers of the search panel.
    void SearchEditChanged(TObject* Sender);
    void SearchFindPrevious(TObject* Sender);
    void SearchFindNext(TObject* Sender);
    void CloseSearchFooter(TObject* Sender);
    void SearchHighlightClick(TObject* Sender);
    // CM_DIALOGCHAR: the accelerators of the search panel's buttons; true when one ran.
    bool SearchDialogChar(TMessage& Message);

    // ---- Highlighting, marking, checking, fills, dates ----
    static QString HilightText(bool DoCase, const QString& S, const QString& Text);
    static QString UnHilightText(const QString& S);
    static QString MarkText(bool DoCase, const QString& S, const QString& Text);
    static QString UnMarkText(const QString& S);
    void HilightInCell(bool DoCase, int32_t Col, int32_t Row, const QString& HiText);
    void HilightInCol(bool DoFixed, bool DoCase, int32_t Col, const QString& HiText);
    void HilightInRow(bool DoFixed, bool DoCase, int32_t Row, const QString& HiText);
    void HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void MarkInCell(bool DoCase, int32_t Col, int32_t Row, const QString& HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int32_t Col, const QString& HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int32_t Row, const QString& HiText);
    void MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void UnHilightInCell(int32_t Col, int32_t Row);
    void UnHilightInCol(bool DoFixed, int32_t Col);
    void UnHilightInRow(bool DoFixed, int32_t Row);
    void UnHilightInGrid(bool DoFixed);
    void UnMarkInCell(int32_t Col, int32_t Row);
    void UnMarkInCol(bool DoFixed, int32_t Col);
    void UnMarkInRow(bool DoFixed, int32_t Row);
    void UnMarkInGrid(bool DoFixed);
    // True when the checker changed nothing (and without a checker).
    bool CheckCell(int32_t Col, int32_t Row);
    bool CheckCells(int32_t FromCol, int32_t FromRow, int32_t ToCol, int32_t ToRow);
    bool CheckCol(bool DoFixed, int32_t Col);
    bool CheckRow(bool DoFixed, int32_t Row);
    bool CheckGrid(bool DoFixed);
    void TextFill(bool DoFixed, const QString& Txt);
    // Fmt takes two integers, the column then the row.
    void FormatFill(bool DoFixed, const QString& Fmt);
    void RandomFill(bool DoFixed, int32_t Rnd);
    // "c:r" in each cell.
    void LinearFill(bool DoFixed);
    TDateTime Dates(int32_t ACol, int32_t ARow);
    void SetDates(int32_t ACol, int32_t ARow, TDateTime Value);
    TDateTime Times(int32_t ACol, int32_t ARow);
    void SetTimes(int32_t ACol, int32_t ARow, TDateTime Value);

    // ---- Core messages and the grid timer ----
    // The last print layout's column widths and offsets; "Columns is not in valid range" outside 0..511.
    int32_t PrintColWidth(int32_t ACol) const;
    int32_t PrintColOffset(int32_t ACol) const;
    // Clears the hovered fixed cell's mark and repaints that cell.
    void ResetFixedCellHighlight();
    bool IsStyledByPlatform() override { return FUsePlatformStyles; }

    // ---- Rich text cells and markup hints ----
    // The hidden rich edit that converts, measures and paints rich-text cells; made on first use.
    TExtRichEdit* RichEdit();
    // The in-place editor of edRichEdit cells; made on first use.
    TExtRichEdit* InplaceRichEdit();
    // Loads the cell's text into Richeditor; an empty cell clears it.
    void CellToRich(int32_t Col, int32_t Row, TRichEdit* Richeditor);
    // Richeditor's content as RTF (7-bit, no byte-order mark); empty while the grid is destroyed.
    QString RichToString(TRichEdit* Richeditor);
    void RichToCell(int32_t Col, int32_t Row, TRichEdit* Richeditor);
    // Fills the hint text, place, colour and window class for the cell under HintInfo's cursor.
    void BuildCellHint(QString& HintStr, THintInfo& HintInfo);

    // ---- Filter objects, background and editor link (grid side) ----
    // Opens the editor control of display cell (ACol, ARow); edCustom runs the editor link.
    void ShowSpecialEditor(int32_t ACol, int32_t ARow);
    // Stores the open editor's value into the cell (real column of ACol) and hides the editor.
    void HideSpecialEditor(int32_t ACol, int32_t ARow);
    // The message filter put in front of an in-place custom editor: with goTabs the control also
    // wants arrows, Tab and characters.
    void EditLinkWndProc(TMessage& Message);
    // One Tab step to the next (previous when Backward) cell that takes the cursor; false when the
    // Tab went on to the parent window.
    bool AdvanceToNextCell(bool Backward);
    // Moves the cursor from display cell (ACol, ARow) after an edit, as Navigation says.
    void AdvanceAfterEdit(int32_t ACol, int32_t ARow, bool Force, bool AutoEdit, bool Forward, bool KeepOrigin,
                          bool EditAfter);

    // ---- Sort settings and control look (grid side) ----

    // ---- Floating footer and footer panel (grid side) ----
    // The panel's previews paint with the selection text colour switched off.
    friend class TFooterPanel;

    // ---- Grouping, drag-and-drop and balloon settings (grid side) ----

    // ---- Auxiliary controls (grid side) ----

    // ---- Column positions and column editors ----
    // The combo editor, made with the grid outside the designer; nil in it.
    TGridCombo* EditCombo = nullptr;
    // The spin editor: made on first use, hidden, disabled and borderless, with the grid as parent.
    TGridSpin* SpinEdit();

    // ---- Cell form controls (grid side) ----
    // Opens the edit (EDIT, PASSWORD, MASK) or the combo (COMBO) over the control CtrlID of the
    // cell's markup; R is the control's rectangle, ACol the real column. Other types open nothing.
    void ShowCellControl(const QString& Text, const QString& CtrlType, int32_t ARow, int32_t ACol, int32_t DisplCol,
                         const TRect& R, const QString& CtrlVal, const QString& CtrlID);
    // Writes the open control's value into its tag and hides the control.
    void ControlEditDone();
    void ControlComboSelect(TObject* Sender);
    // Opens the editable control after ControlID in the markup of real cell (ACol, ARow); without
    // one the grid takes the focus.
    void ActivateCellControl(int32_t ACol, int32_t ARow, const QString& ControlID);
    // Enter or Tab typed in an open control, after it closed.
    void CellControlKey(QChar Key);

    // ---- Edit cycle, editor controls and combo items (grid side) ----
    // Opens the editor of the current cell; a control cell gets none and nothing scrolls.
    void ShowInplaceEdit();
    // As F2 pressed on the grid.
    void ShowCellEdit();
    // Stores and hides the special editor of the current cell.
    void HideCellEdit();
    // Ends the edit for a key typed in an editor and carries the key on (moves, Enter's advance).
    void DoneInplaceEdit(uint16_t Key, TShiftState Shift);
    // SelectCell for the current cell; the answer is dropped.
    void Select();
    // A left press and release 2 pixels inside display cell (ACol, ARow) through the platform
    // grid's mouse handling; OnMouseDown and OnMouseUp do not see it.
    void SimulateCellClick(int32_t ACol, int32_t ARow);
    // goTabs or a cell validation event: the editors keep Tab.
    bool WantsEditorTab();
    bool CellIsPassword(int32_t ACol, int32_t ARow);
    // The end of an edit: OnEditingDone, edit mode off, "GridEditDone" posted with (ACol, ARow).
    void EditDone(int32_t ACol, int32_t ARow);
    // Editor controls made on first use, owned by the grid.
    TGridTrackbarDropDown* TrackbarDropDown();
    TGridMemoDropDown* MemoDropDown();
    TGridCalculatorDropDown* CalculatorDropDown();
    TGridTimepickerDropDown* TimePickerDropDown();
    TGridDetailPickerDropDown* DetailPickerDropDown();
    TGridGridDropDown* GridDropDown();
    TGridColorDropDown* ColorPickerDropDown();
    TGridImageDropDown* ImagePickerDropDown();
    TGridExtGridDropDown* ExtGridDropDown();
    TGridDateTimePicker* DateAndTimePicker();
    // The items of the shared combo editor.
    void ClearComboString();
    void AddComboString(const QString& S);
    void AddComboStringObject(const QString& S, TObject* AObject);
    // Removes the first item equal to S.
    bool RemoveComboString(const QString& S);
    // The item an edit falls back to when the cell text is none; false keeps the last one.
    bool SetComboSelectionString(const QString& S);
    void SetComboSelection(int32_t Idx);
    int32_t GetComboCount();
    // The index of the real cell's text among the items OnGetEditorProp loads for it; -1 for none.
    int32_t GetComboIndex(int32_t ACol, int32_t ARow);
    // An index outside the items raises the list's index error and leaves the cell.
    void SetComboIndex(int32_t ACol, int32_t ARow, int32_t Value);
    // Control itself when it is a form, else the first form up its parents; nil for none.
    static TCustomForm* FindParentForm(TControl* Control);
    // Handlers bound to editor events: the drop-downs' header and footer buttons, the memo's change,
    // the unit of the value-and-unit editor.
    void DoDropDownHeaderButtonClick(int32_t ButtonIndex);
    void DoDropDownFooterButtonClick(int32_t ButtonIndex);
    void MemoDropDownChange(TObject* Sender);
    void UnitEditChanged(TObject* Sender, const QString& NewUnit);

    // ---- In-place edit and validation (grid side) ----

    // ---- Selection rules, advance after edit and typing (grid side) ----

    // ---- Editor wrappers (grid side) ----

    // ---- Cell painting (grid side) ----
    // The layers of one cell over the background the base grid painted.
    void DrawCellContent(TCanvas* ACanvas, int32_t ACol, int32_t ARow, const TRect& ARect,
                         TGridDrawState AState) override;
    // The cell's colours, font, alignment and word wrap; the unselected colours stay in
    // FUnselectedBrushColor and FUnselectedFontColor.
    void GetVisualProperties(int32_t ACol, int32_t ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override;
    // The font a cell is measured with: fixed or normal font, the cell's own font parts, GetCellColor.
    void GetFontProperties(int32_t ACol, int32_t RCol, int32_t ARow, TGridDrawState& AState, TFont* AFont,
                           TBrush* ABrush, bool Remap);

    // ---- Styles, looks and the design panel (grid side) ----
    // The colours of an XP colour scheme; no repaint.
    void SetTheme(TXPColorScheme Scheme);
    // AStyle to each drop-down editor of the grid that exists.
    void PropagateStyleToEditors(TVyxStyle AStyle);
    // "glStandard" ... and "Standard" ...; empty for glCustom.
    static QString LookToString(TGridLook Look);
    static QString LookDisplayName(TGridLook Look);
    // The panel item at client point (X, Y): 1 "Allow edit", 2 "Column numbers", 3 the look, 4 close, -1 none.
    int32_t DesignHelperHitTest(int32_t X, int32_t Y);
    void SetSyncGrid(TSyncGrid* Value);

    // ---- Cell graphics, check boxes and radio buttons (grid side) ----
    void GetCellGraphicLayout(int32_t ACol, int32_t ARow, TCellGraphicLayout& Layout);
    // Places and draws the cell's graphic (P.Graphic) in the cell rectangle Rect, which stays as
    // it is; VA is the cell's vertical text alignment.
    void DrawCellGraphics(TCellPaint& P, TRect& Rect, TVAlignment VA);
    void DrawCheckBox(const TRect& R, bool Checked, TCheckBoxState State, bool TriState, ExtGrid::TControlStyle Style,
                      bool Grayed, bool Enabled);
    void DrawRadioButton(TCanvas* ACanvas, const TRect& R, bool Upward, double Scale, ExtGrid::TControlStyle Style,
                         int32_t ARow, int32_t ACol, bool Selected, TStrings* Items, bool Disabled, bool Horizontal,
                         int32_t Index, int32_t Count);
    // Rect deflated by 2 with its top-left moved to where text at Angle (degrees) starts so that
    // its rotated box (the canvas font, Text plus one "w") stands by VA and HA.
    void PlaceRotatedText(TRect& Rect, int32_t Angle, TVAlignment VA, TAlignment HA, const QString& Text);

    // ---- Cell text, sort indicator, alignment and measuring (grid side) ----
    void DrawSortIndicator(TCanvas* ACanvas, int32_t ACol, int32_t Y, int32_t X);
    void DrawRTFCell(int32_t ACol, int32_t ARow, const TRect& R, TCanvas* ACanvas);

    // ---- Background, window border, sizing lines and focus window (grid side) ----
    // The cells, the frame of the edited cell, the background area, the design panel, OnPainted.
    void Paint() override;
    // The background picture or gradient under one cell, over B (the text layer decides where).
    void PaintCellBackground(TCanvas* ACanvas, const TRect& B, int32_t ACol, int32_t ARow);
    // The background picture or gradient in the client area that no cell covers.
    void PaintBackgroundArea();
    // The picture at its place (BackGround Left, Top), or tiled from R's top-left, within R.
    void PaintBackgroundFixed(const TRect& R);
    void PaintBackgroundTiled(const TRect& R);
    // Inverting dotted lines while a fixed column or row is sized: drawn twice, they vanish.
    void DrawColSizingLine(int32_t X);
    void DrawRowSizingLine(int32_t Y);
    // The edit focus window around R (client coordinates) and its hiding, which also clears
    // FocusWindowGrid.
    void ShowFocusWindow(const TRect& R);
    void HideFocusWindow();

    // ---- Balloon tooltips (grid side) ----
    // The balloon tooltip window while balloons are on; nil otherwise.
    HWND BalloonWindow() const { return FHToolTip; }

    // ---- Settings objects (owned; nil where the grid has none yet) ----
    TSortSettings* SortSettings() const { return FSortSettings.get(); }
    TControlLook* ControlLook() const { return FControlLook.get(); }
    TFloatingFooter* FloatingFooter() const { return FFloatingFooter.get(); }
    TFilter* Filter() const { return FFilter.get(); }
    TGrouping* Grouping() const { return FGrouping.get(); }
    TMouseActions* MouseActions() const { return FMouseActions.get(); }
    TNavigation* Navigation() const { return FNavigation.get(); }
    TBands* Bands() const { return FBands.get(); }
    TBackGround* BackGround() const { return FBackGround.get(); }
    TCellNode* CellNode() const { return FCellNode.get(); }
    TDragDropSettings* DragDropSettings() const { return FDragDropSettings.get(); }
    TDragScrollOptions* DragScrollOptions() const { return FDragScrollOptions.get(); }
    TBalloonSettings* Balloon() const { return FBalloonSettings.get(); }
    TShowModified* ShowModified() const { return FShowModified.get(); }
    TGridProgressAppearance* ProgressAppearance() const { return FProgressAppearance.get(); }
    TFilterDropDown* FilterDropDown() const { return FFilterDropDown.get(); }
    TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
    TSyncGrid* SyncGrid() const { return FSyncGrid.get(); }
    TFocusHelper* FocusHelper() const { return FFocusHelper.get(); }
    TColumnSize* ColumnSize() const { return FColumnSize; }
    TPrintSettings* PrintSettings() const { return FPrintSettings; }
    THTMLSettings* HTMLSettings() const { return FHTMLSettings; }
    TSizeWhileTyping* SizeWhileTyping() const { return FSizeWhileTyping; }
    TFont* FixedFont() const { return FFixedFont.get(); }
    void SetFixedFont(TFont* Value);
    TFont* ActiveCellFont() const { return FActiveCellFont.get(); }
    void SetActiveCellFont(TFont* Value);
    TStringList* ColumnHeaders() const { return FColumnHeaders.get(); }
    TStringList* RowHeaders() const { return FRowHeaders.get(); }
    TStringList* LookupItems() const { return FLookupItems.get(); }
    TBitmap* RowIndicator() const { return FRowIndicator.get(); }
    TStringList* FilterList() const { return FFilterList.get(); }
    TSortIndexList* SortIndexes() const { return FSortIndexes.get(); }
    TIntList* IgnoreColumns() const { return FIgnoreColumns.get(); }
    TIntList* MergedColumns() const { return FMergedColumns.get(); }
    THTMLPictureCache* ImageCache() const { return FImageCache.get(); }
    TGridItems* GridItems() const { return FGridItems.get(); }
    // Not owned: components placed on the form.
    TCustomImageList* GridImages() const { return FGridImages; }
    void SetGridImages(TCustomImageList* Value);
    TPictureContainer* PictureContainer() const { return FContainer; }
    void SetPictureContainer(TPictureContainer* Value);
    TExtStringGridCheck* CellChecker() const { return FCellChecker; }
    void SetCellChecker(TExtStringGridCheck* Value);
    TPopupMenu* FixedDropDownMenu() const { return FFixedDropDownMenu; }
    void SetFixedDropDownMenu(TPopupMenu* Value);
    TEditLink* EditLink() const { return FEditLink; }
    void SetEditLink(TEditLink* Value) { FEditLink = Value; }
    TGridFocusWindow* FocusWindow() const { return FFocusWindow; }
    TScrollControl* VScrollControl() const { return vscrlctrl; }
    TScrollControl* HScrollControl() const { return hscrlctrl; }

    // ---- Published properties ----
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor Value);
    TColor HighlightTextColor() const { return FHighLightTextColor; }
    void SetHighlightTextColor(TColor Value);
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor Value) { FHintColor = Value; }
    bool HintShowCells() const { return FHintShowCells; }
    void SetHintShowCells(bool Value) { FHintShowCells = Value; }
    bool HintShowLargeText() const { return FHintShowLargeText; }
    void SetHintShowLargeText(bool Value) { FHintShowLargeText = Value; }
    THintShowLargeTextPos HintShowLargeTextPos() const { return FHintShowLargeTextPos; }
    void SetHintShowLargeTextPos(THintShowLargeTextPos Value) { FHintShowLargeTextPos = Value; }
    bool HintShowSizing() const { return FHintShowSizing; }
    void SetHintShowSizing(bool Value) { FHintShowSizing = Value; }
    bool HTMLHint() const { return FHTMLHint; }
    void SetHTMLHint(bool Value) { FHTMLHint = Value; }
    bool OemConvert() const { return FOemConvert; }
    void SetOemConvert(bool Value) { FOemConvert = Value; }
    bool AnchorHint() const { return FAnchorHint; }
    void SetAnchorHint(bool Value) { FAnchorHint = Value; }
    bool ActiveCellShow() const { return FActiveCellShow; }
    void SetActiveCellShow(bool Value);
    TColor ActiveCellColor() const { return FActiveCellColor; }
    void SetActiveCellColor(TColor Value);
    TColor ActiveCellColorTo() const { return FActiveCellColorTo; }
    void SetActiveCellColorTo(TColor Value);
    bool AutoNumAlign() const { return FAutoNumAlign; }
    void SetAutoNumAlign(bool Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    bool AutoFilterUpdate() const { return FAutoFilterUpdate; }
    void SetAutoFilterUpdate(bool Value) { FAutoFilterUpdate = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TAlignment DefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(TAlignment Value);
    TEditorType DefaultEditor() const { return FDefaultEditor; }
    void SetDefaultEditor(TEditorType Value) { FDefaultEditor = Value; }
    TColor DisabledFontColor() const { return FDisabledFontColor; }
    void SetDisabledFontColor(TColor Value);
    bool EditWithTags() const { return FEditWithTags; }
    void SetEditWithTags(bool Value) { FEditWithTags = Value; }
    bool EnableBlink() const { return FEnableBlink; }
    void SetEnableBlink(bool Value) { FEnableBlink = Value; }
    bool EnableHTML() const { return FEnableHTML; }
    void SetEnableHTML(bool Value);
    bool EnableWheel() const { return FEnableWheel; }
    void SetEnableWheel(bool Value) { FEnableWheel = Value; }
    bool EnhTextSize() const { return FEnhTextSize; }
    void SetEnhTextSize(bool Value) { FEnhTextSize = Value; }
    bool EnhRowColMove() const { return FEnhRowColMove; }
    void SetEnhRowColMove(bool Value) { FEnhRowColMove = Value; }
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
    bool FilterActive() const { return FFilterActive; }
    // On: hides the rows that do not pass as a new level; off: brings the last level back.
    // Footers are recalculated either way.
    void SetFilterActive(bool Value);
    bool FilterDropDownAuto() const { return FFilterDropDownAuto; }
    void SetFilterDropDownAuto(bool Value);
    QString FilterDropDownClear() const { return FFilterDropDownClear; }
    void SetFilterDropDownClear(const QString& Value) { FFilterDropDownClear = Value; }
    bool FilterDropDownCheck() const { return FFilterDropDownCheck; }
    void SetFilterDropDownCheck(bool Value) { FFilterDropDownCheck = Value; }
    TFilterDropDownColumns FilterDropDownColumns() const { return FFilterDropDownColumns; }
    void SetFilterDropDownColumns(TFilterDropDownColumns Value);
    int32_t FilterDropDownRow() const { return FFilterRow; }
    void SetFilterDropDownRow(int32_t Value);
    bool FilterNormalCellsOnly() const { return FFilterNormalCellsOnly; }
    void SetFilterNormalCellsOnly(bool Value) { FFilterNormalCellsOnly = Value; }
    bool FilterIncremental() const { return FFilterIncremental; }
    void SetFilterIncremental(bool Value) { FFilterIncremental = Value; }
    bool FixedAsButtons() const { return FFixedAsButtons; }
    void SetFixedAsButtons(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    QString FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const QString& Value) { FFloatFormat = Value; }
    bool HideFocusRect() const { return FHideFocusRect; }
    void SetHideFocusRect(bool Value);
    bool Hovering() const { return FHovering; }
    void SetHovering(bool Value) { FHovering = Value; }
    THoverFixedCells HoverFixedCells() const { return FHoverFixedCells; }
    void SetHoverFixedCells(THoverFixedCells Value) { FHoverFixedCells = Value; }
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool Value);
    TIntelliPan IntelliPan() const { return FIntelliPan; }
    void SetIntelliPan(TIntelliPan Value) { FIntelliPan = Value; }
    bool IntelliZoom() const { return FIntelliZoom; }
    void SetIntelliZoom(bool Value) { FIntelliZoom = Value; }
    QString InvalidEntryTitle() const { return FInvalidEntryTitle; }
    void SetInvalidEntryTitle(const QString& Value) { FInvalidEntryTitle = Value; }
    QString InvalidEntryText() const { return FInvalidEntryText; }
    void SetInvalidEntryText(const QString& Value) { FInvalidEntryText = Value; }
    TInvalidEntryIcon InvalidEntryIcon() const { return FInvalidEntryIcon; }
    void SetInvalidEntryIcon(TInvalidEntryIcon Value) { FInvalidEntryIcon = Value; }
    TGridLook Look() const { return FLook; }
    void SetLook(TGridLook Value);
    bool Lookup() const { return FLookup; }
    void SetLookup(bool Value) { FLookup = Value; }
    bool LookupCaseSensitive() const { return FLookupCaseSensitive; }
    void SetLookupCaseSensitive(bool Value) { FLookupCaseSensitive = Value; }
    bool LookupHistory() const { return FLookupHistory; }
    void SetLookupHistory(bool Value) { FLookupHistory = Value; }
    int32_t MaxEditLength() const { return FMaxEditLength; }
    void SetMaxEditLength(int32_t Value) { FMaxEditLength = Value; }
    int32_t MaxComboLength() const { return FMaxComboLength; }
    void SetMaxComboLength(int32_t Value) { FMaxComboLength = Value; }
    bool Multilinecells() const { return FMultilineCells; }
    void SetMultilinecells(bool Value) { FMultilineCells = Value; }
    TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
    void SetScrollBarAlways(TScrollBarAlways Value);
    TColor ScrollColor() const { return FScrollColor; }
    void SetScrollColor(TColor Value);
    bool ScrollProportional() const { return FScrollProportional; }
    void SetScrollProportional(bool Value);
    bool ScrollSynch() const { return FScrollSynch; }
    void SetScrollSynch(bool Value) { FScrollSynch = Value; }
    TScrollType ScrollType() const { return FScrollType; }
    void SetScrollType(TScrollType Value);
    int32_t ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int32_t Value);
    TScrollHintType ScrollHints() const { return FScrollHints; }
    void SetScrollHints(TScrollHintType Value) { FScrollHints = Value; }
    TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(TColor Value);
    TColor SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(TColor Value);
    bool SelectionColorMixer() const { return FSelectionColorMixer; }
    void SetSelectionColorMixer(bool Value);
    int32_t SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
    void SetSelectionColorMixerFactor(int32_t Value);
    TColor SelectionMirrorColor() const { return FSelectionMirrorColor; }
    void SetSelectionMirrorColor(TColor Value);
    TColor SelectionMirrorColorTo() const { return FSelectionMirrorColorTo; }
    void SetSelectionMirrorColorTo(TColor Value);
    bool SelectionRectangle() const { return FSelectionRectangle; }
    void SetSelectionRectangle(bool Value);
    bool SelectionResizer() const { return FSelectionResizer; }
    void SetSelectionResizer(bool Value);
    bool SelectionRTFKeep() const { return FSelectionRTFKeep; }
    void SetSelectionRTFKeep(bool Value) { FSelectionRTFKeep = Value; }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor Value);
    bool ShowSelection() const { return FShowSelection; }
    void SetShowSelection(bool Value);
    bool ShowDesignHelper() const { return FShowDesignHelper; }
    void SetShowDesignHelper(bool Value) { StoreAndInvalidate(FShowDesignHelper, Value); }
    bool SizeWithForm() const { return FSizeWithForm; }
    void SetSizeWithForm(bool Value) { FSizeWithForm = Value; }
    TColor URLColor() const { return FURLColor; }
    void SetURLColor(TColor Value);
    bool URLShow() const { return FURLShow; }
    void SetURLShow(bool Value);
    bool URLShowInText() const { return FURLShowInText; }
    void SetURLShowInText(bool Value);
    bool URLUnderlineOnHover() const { return FURLUnderlineOnHover; }
    void SetURLUnderlineOnHover(bool Value) { FURLUnderlineOnHover = Value; }
    bool URLFull() const { return FURLFull; }
    void SetURLFull(bool Value);
    bool URLEdit() const { return FURLEdit; }
    void SetURLEdit(bool Value) { FURLEdit = Value; }
    bool UseInternalHintClass() const { return FUseInternalHintClass; }
    void SetUseInternalHintClass(bool Value) { FUseInternalHintClass = Value; }
    QString ValidChars() const { return FValidChars; }
    void SetValidChars(const QString& Value);
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment Value);

    // ---- Public properties ----
    bool IsPrintPreview() const { return FIsPrintPreview; }
    void SetIsPrintPreview(bool Value) { FIsPrintPreview = Value; }
    bool FitCellsInGrid() const { return FFitCellsInGrid; }
    void SetFitCellsInGrid(bool Value) { FFitCellsInGrid = Value; }
    int32_t ZoomFactor() const { return FZoomFactor; }
    void SetZoomFactor(int32_t Value) { FZoomFactor = Value; }
    QChar Delimiter() const { return FDelimiter; }
    void SetDelimiter(QChar Value) { FDelimiter = Value; }
    bool NoDefaultDraw() const { return FNoDefaultDraw; }
    void SetNoDefaultDraw(bool Value) { FNoDefaultDraw = Value; }
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar Value) { FPasswordChar = Value; }
    bool JavaCSV() const { return FJavaCSV; }
    void SetJavaCSV(bool Value) { FJavaCSV = Value; }
    bool FastPrint() const { return FFastPrint; }
    void SetFastPrint(bool Value) { FFastPrint = Value; }
    int32_t FindCol() const { return FFindCol; }
    void SetFindCol(int32_t Value) { FFindCol = Value; }
    int32_t FindRow() const { return FFindRow; }
    void SetFindRow(int32_t Value) { FFindRow = Value; }
    QString CheckTrue() const { return FCheckTrue; }
    void SetCheckTrue(const QString& Value) { FCheckTrue = Value; }
    QString CheckFalse() const { return FCheckFalse; }
    void SetCheckFalse(const QString& Value) { FCheckFalse = Value; }
    bool LoadFirstRow() const { return FLoadFirstRow; }
    void SetLoadFirstRow(bool Value) { FLoadFirstRow = Value; }
    bool SaveFixedCells() const { return FSaveFixedCells; }
    void SetSaveFixedCells(bool Value) { FSaveFixedCells = Value; }
    bool SaveFixedCols() const { return FSaveFixedCols; }
    void SetSaveFixedCols(bool Value) { FSaveFixedCols = Value; }
    bool SaveFixedRows() const { return FSaveFixedRows; }
    void SetSaveFixedRows(bool Value) { FSaveFixedRows = Value; }
    bool SaveHiddenCells() const { return FSaveHiddenCells; }
    void SetSaveHiddenCells(bool Value) { FSaveHiddenCells = Value; }
    bool SaveVirtCells() const { return FSaveVirtCells; }
    void SetSaveVirtCells(bool Value) { FSaveVirtCells = Value; }
    bool SaveWithHTML() const { return FSaveWithHTML; }
    void SetSaveWithHTML(bool Value) { FSaveWithHTML = Value; }
    bool SaveWithRTF() const { return FSaveWithRTF; }
    void SetSaveWithRTF(bool Value) { FSaveWithRTF = Value; }
    QString OriginalCellValue() const { return FOldCellText; }
    void SetOriginalCellValue(const QString& Value) { FOldCellText = Value; }
    bool EditActive() const { return FEditActive; }
    QString EditMask() const { return FEditMask; }
    void SetEditMask(const QString& Value) { FEditMask = Value; }
    bool NoImageAndText() const { return FNoImageAndText; }
    void SetNoImageAndText(bool Value) { FNoImageAndText = Value; }
    bool ClearTextOnly() const { return FClearTextOnly; }
    void SetClearTextOnly(bool Value) { FClearTextOnly = Value; }
    QString IncrSearchText() const { return SearchInc; }
    void SetIncrSearchText(const QString& Value) { SearchInc = Value; }
    bool SpreadSheet() const { return FSpreadSheet; }
    void SetSpreadSheet(bool Value);
    bool PrinterDriverFix() const { return FPrinterdriverfix; }
    void SetPrinterDriverFix(bool Value) { FPrinterdriverfix = Value; }
    bool Modified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }
    bool FindBusy() const { return FFindBusy; }
    bool ExcelClipboardFormat() const { return FExcelClipboardFormat; }
    void SetExcelClipboardFormat(bool Value) { FExcelClipboardFormat = Value; }
    TEditorType CurrentEditor() const { return EditControl; }
    int32_t GroupColumn() const { return FGroupColumn; }
    // -1 ungroups, a value above 0 groups by that column, anything else does nothing.
    void SetGroupColumn(int32_t Value);
    bool QuoteEmptyCells() const { return FQuoteEmptyCells; }
    void SetQuoteEmptyCells(bool Value) { FQuoteEmptyCells = Value; }
    bool AlwaysQuotes() const { return FAlwaysQuotes; }
    void SetAlwaysQuotes(bool Value) { FAlwaysQuotes = Value; }
    TColor SelectionRectangleColor() const { return FSelectionRectangleColor; }
    void SetSelectionRectangleColor(TColor Value) { FSelectionRectangleColor = Value; }
    bool ShowNullDates() const { return FShowNullDates; }
    void SetShowNullDates(bool Value) { FShowNullDates = Value; }
    TPoint XYOffset() const { return FXYOffset; }
    void SetXYOffset(TPoint Value);
    bool XYOffsetTopLeftOnly() const { return FXYOffsetTopLeftOnly; }
    void SetXYOffsetTopLeftOnly(bool Value) { FXYOffsetTopLeftOnly = Value; }
    int32_t TotalXOffset() const { return FXYOffsetTopLeftOnly ? FXYOffset.X : 2 * FXYOffset.X; }
    int32_t TotalYOffset() const { return FXYOffsetTopLeftOnly ? FXYOffset.Y : 2 * FXYOffset.Y; }
    bool AlwaysValidate() const { return FAlwaysValidate; }
    void SetAlwaysValidate(bool Value) { FAlwaysValidate = Value; }
    bool SizeGrowOnly() const { return FSizeGrowOnly; }
    void SetSizeGrowOnly(bool Value) { FSizeGrowOnly = Value; }
    int32_t MaxRowHeight() const { return FMaxRowHeight; }
    void SetMaxRowHeight(int32_t Value) { FMaxRowHeight = Value; }
    int32_t MinRowHeight() const { return FMinRowHeight; }
    void SetMinRowHeight(int32_t Value) { FMinRowHeight = Value; }
    int32_t MaxColWidth() const { return FMaxColWidth; }
    void SetMaxColWidth(int32_t Value) { FMaxColWidth = Value; }
    int32_t MinColWidth() const { return FMinColWidth; }
    void SetMinColWidth(int32_t Value) { FMinColWidth = Value; }
    TColor VyxGradientFrom() const { return FVyxGradFrom; }
    void SetVyxGradientFrom(TColor Value) { StoreAndInvalidate(FVyxGradFrom, ColorToRGB(Value)); }
    TColor VyxGradientTo() const { return FVyxGradTo; }
    void SetVyxGradientTo(TColor Value) { StoreAndInvalidate(FVyxGradTo, ColorToRGB(Value)); }
    TColor VyxGradientMirrorFrom() const { return FVyxGradMirrorFrom; }
    void SetVyxGradientMirrorFrom(TColor Value) { StoreAndInvalidate(FVyxGradMirrorFrom, ColorToRGB(Value)); }
    TColor VyxGradientMirrorTo() const { return FVyxGradMirrorTo; }
    void SetVyxGradientMirrorTo(TColor Value) { StoreAndInvalidate(FVyxGradMirrorTo, ColorToRGB(Value)); }
    TColor VyxGradientHoverFrom() const { return FVyxGradHoverFrom; }
    void SetVyxGradientHoverFrom(TColor Value) { StoreAndInvalidate(FVyxGradHoverFrom, Value); }
    TColor VyxGradientHoverTo() const { return FVyxGradHoverTo; }
    void SetVyxGradientHoverTo(TColor Value) { StoreAndInvalidate(FVyxGradHoverTo, Value); }
    TColor VyxGradientHoverMirrorFrom() const { return FVyxGradHoverMirrorFrom; }
    void SetVyxGradientHoverMirrorFrom(TColor Value) { StoreAndInvalidate(FVyxGradHoverMirrorFrom, Value); }
    TColor VyxGradientHoverMirrorTo() const { return FVyxGradHoverMirrorTo; }
    void SetVyxGradientHoverMirrorTo(TColor Value) { StoreAndInvalidate(FVyxGradHoverMirrorTo, Value); }
    TColor VyxGradientHoverBorder() const { return FVyxGradHoverBorder; }
    void SetVyxGradientHoverBorder(TColor Value) { StoreAndInvalidate(FVyxGradHoverBorder, Value); }
    TColor VyxGradientDownFrom() const { return FVyxGradDownFrom; }
    void SetVyxGradientDownFrom(TColor Value) { StoreAndInvalidate(FVyxGradDownFrom, Value); }
    TColor VyxGradientDownTo() const { return FVyxGradDownTo; }
    void SetVyxGradientDownTo(TColor Value) { StoreAndInvalidate(FVyxGradDownTo, Value); }
    TColor VyxGradientDownMirrorFrom() const { return FVyxGradDownMirrorFrom; }
    void SetVyxGradientDownMirrorFrom(TColor Value) { StoreAndInvalidate(FVyxGradDownMirrorFrom, Value); }
    TColor VyxGradientDownMirrorTo() const { return FVyxGradDownMirrorTo; }
    void SetVyxGradientDownMirrorTo(TColor Value) { StoreAndInvalidate(FVyxGradDownMirrorTo, Value); }
    TColor VyxGradientDownBorder() const { return FVyxGradDownBorder; }
    void SetVyxGradientDownBorder(TColor Value) { StoreAndInvalidate(FVyxGradDownBorder, Value); }
    QString XMLEncoding() const { return FXMLEncoding; }
    void SetXMLEncoding(const QString& Value) { FXMLEncoding = Value; }
    bool UseHTMLHints() const { return FUseHTMLHints; }
    // Switches the application's hint window class between the markup and the plain one.
    void SetUseHTMLHints(bool Value);
    bool UseDisabledFont() const { return FUseDisabledFont; }
    void SetUseDisabledFont(bool Value) { FUseDisabledFont = Value; }
    TSortDirection AutoNumberDirection() const { return FAutoNumberDirection; }
    void SetAutoNumberDirection(TSortDirection Value) { FAutoNumberDirection = Value; }
    int32_t AutoNumberOffset() const { return FAutoNumberOffset; }
    void SetAutoNumberOffset(int32_t Value) { FAutoNumberOffset = Value; }
    int32_t AutoNumberStart() const { return FAutoNumberStart; }
    void SetAutoNumberStart(int32_t Value) { FAutoNumberStart = Value; }
    const TCharSet& ValidCharSet() const { return FValidCharSet; }
    void SetValidCharSet(const TCharSet& Value) { FValidCharSet = Value; }
    bool IsThemed() const { return FIsWinXP && FIsComCtl6; }
    // Platform facts taken at creation (Windows XP or later until the window exists without themes).
    bool IsWinXP() const { return FIsWinXP; }
    bool IsWin7() const { return FIsWin7; }
    bool IsWinVista() const { return FIsWinVista; }
    bool IsComCtl6() const { return FIsComCtl6; }
    // The id of the grid's 500 ms window timer, 0 before the window exists.
    int32_t GridTimerID() const { return FGridTimerID; }
    int32_t WheelScrollLines() const { return wheelscrl; }
    uint32_t WheelMessage() const { return wheelmsg; }
    int32_t MaxRowCount() const { return FMaxRowCount; }
    int32_t MaxColCount() const { return FMaxColCount; }

    // ---- Events (published unless marked) ----
    TGridColorEvent OnGetCellColor;
    TCellCursorEvent OnGetCellCursor;
    TGridGradientEvent OnGetCellGradient;
    TGridColorEvent OnGetCellPrintColor;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridAlignEvent OnGetAlignment;
    TGridFormatEvent OnGetFormat;
    TFloatFormatEvent OnGetFloatFormat;
    TGetCheckEvent OnGetCheckTrue;
    TGetCheckEvent OnGetCheckFalse;
    TRowDisjunctSelectEvent OnRowDisjunctSelect;
    TAutoInsertRowEvent OnRowDisjunctSelected;
    TGridHintEvent OnGridHint;
    TGridWideHintEvent OnGridWideHint;
    TRowChangingEvent OnRowChanging;
    TRowChangedEvent OnRowUpdate;
    TColChangingEvent OnColChanging;
    TCellChangingEvent OnCellChanging;
    TAutoAdvanceEvent OnAutoAdvance;
    TCanAddRowEvent OnCanAddRow;
    TAutoAddRowEvent OnAutoAddRow;
    TCanInsertRowEvent OnCanInsertRow;
    TAutoInsertRowEvent OnAutoInsertRow;
    TAutoInsertColEvent OnAutoInsertCol;
    TCanDeleteRowEvent OnCanDeleteRow;
    TAutoDeleteRowEvent OnAutoDeleteRow;
    TOleDragDropEvent OnOleDrop;
    TOleDragDropEvent OnOleDrag;
    TOleDragOverEvent OnOleDragOver;
    TOleDragStartEvent OnOleDragStart;
    TOleDragStopEvent OnOleDragStop;
    TOleDropColEvent OnOleDropCol;
    TOleDroppedEvent OnOleDropped;
    TOleDropFileEvent OnOleDropFile;
    TOleDropURLEvent OnOleDropURL;
    TClickSortEvent OnClickSort;
    TCanSortEvent OnCanSort;
    TNodeClickEvent OnExpandNode;
    TNodeClickEvent OnContractNode;
    TNodeAllowEvent OnBeforeExpandNode;
    TNodeAllowEvent OnBeforeContractNode;
    TCustomCompareEvent OnCustomCompare;
    TRawCompareEvent OnRawCompare;
    TSearchEditChangeEvent OnSearchEditChange;
    TSearchFooterActionEvent OnSearchFooterAction;
    TGridNotify OnSearchFooterClose;
    TClipboardEvent OnClipboardPaste;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardCopy;
    TBeforeCellPasteEvent OnClipboardBeforePasteCell;
    TAfterCellPasteEvent OnClipboardAfterPasteCell;
    TBeforeCellPasteWideEvent OnClipboardBeforePasteWideCell;
    TAfterCellPasteWideEvent OnClipboardAfterPasteWideCell;
    TGridPrintStartEvent OnPrintStart;
    TGridPrintCancelEvent OnPrintCancel;
    TGridPrintPageEvent OnPrintPage;
    TGridPrintPageNumEvent OnPrintGetPageNum;
    TGridPrintNewPageEvent OnPrintNewPage;
    TGridPrintPageDoneEvent OnPrintPageDone;
    TGridPrintColumnWidthEvent OnPrintSetColumnWidth;
    TGridPrintRowHeightEvent OnPrintSetRowHeight;
    TDoFitToPageEvent OnFitToPage;
    TClickCellEvent OnClickCell;
    TClickCellEvent OnRightClickCell;
    TDblClickCellEvent OnDblClickCell;
    TCanEditCellEvent OnCanEditCell;
    TCanClickCellEvent OnCanClickCell;
    TIsFixedCellEvent OnIsFixedCell;
    TFixedEditEvent OnFixedEdit;
    TIsPasswordCellEvent OnIsPasswordCell;
    TAnchorClickEvent OnAnchorClick;
    TAnchorEvent OnAnchorEnter;
    TAnchorEvent OnAnchorExit;
    TAnchorHintEvent OnAnchorHint;
    TCellControlEvent OnControlClick;
    TCellControlEvent OnControlEditDone;
    TCellComboControlEvent OnControlComboList;
    TCellComboControlSelectEvent OnControlComboSelect;
    TCellValidateEvent OnCellValidate;
    TCellValidateWideEvent OnCellValidateWide;
    TCellsChangedEvent OnCellsChanged;
    TGridProgressEvent OnFileProgress;
    TGridProgressEvent OnFilterProgress;
    TFixedDropDownEvent OnFixedDropDownClick;
    TCanShowFixedDropDownEvent OnCanShowFixedDropDown;
    TGridNotify OnRichEditSelectionChange;
    TGetColumnFilterEvent OnGetColumnFilter;
    TFilterSelectEvent OnFilterSelect;
    TFilterCheckEvent OnFilterCheck;
    TColorSelectedEvent OnColorSelected;
    TColorSelectEvent OnColorSelect;
    TImageSelectedEvent OnImageSelected;
    TImageSelectEvent OnImageSelect;
    TGridNotify OnFilterDone;
    TColumnSizeEvent OnColumnSize;
    TRowSizingEvent OnRowSizing;
    TColumnSizingEvent OnColumnSizing;
    TRowSizeEvent OnRowSize;
    TColumnSizeEvent OnColumnMove;
    TColumnSizeEvent OnColumnMoving;
    TRowSizeEvent OnRowMove;
    TRowSizeEvent OnRowMoving;
    TEndColumnSizeEvent OnEndColumnSize;
    TEndRowSizeEvent OnEndRowSize;
    TGetEditorTypeEvent OnGetEditorType;
    THasComboEvent OnHasComboBox;
    THasSpinEditEvent OnHasSpinEdit;
    TGetEditorPropEvent OnGetEditorProp;
    // Public.
    TClickCellEvent OnGetEditorPropInt;
    TEllipsClickEvent OnEllipsClick;
    TUnitChangedEvent OnUnitChanged;
    TButtonClickEvent OnButtonClick;
    TExpandClickEvent OnExpandClick;
    TCheckBoxClickEvent OnCheckBoxClick;
    TCheckBoxClickEvent OnCheckBoxMouseUp;
    TCheckBoxClickEvent OnCheckBoxChange;
    TRatingChangeEvent OnRatingChange;
    TRadioClickEvent OnRadioClick;
    TRadioClickEvent OnRadioMouseUp;
    TRadioButtonClickEvent OnRadioButtonClick;
    TComboChangeEvent OnComboChange;
    TClickCellEvent OnComboCloseUp;
    TClickCellEvent OnComboDropDown;
    TClickCellEvent OnDatePickerCloseUp;
    TClickCellEvent OnDatePickerDropDown;
    TComboObjectChangeEvent OnComboObjectChange;
    TSpinClickEvent OnSpinClick;
    TFloatSpinClickEvent OnFloatSpinClick;
    TDateTimeSpinClickEvent OnTimeSpinClick;
    TDateTimeSpinClickEvent OnDateSpinClick;
    TDateTimeChangeEvent OnDateTimeChange;
    TScrollHintEvent OnScrollHint;
    TGridBorderPropEvent OnGetCellBorderProp;
    TGridNotify OnEditingDone;
    TEditChangeEvent OnEditChange;
    TEditCellDoneEvent OnEditCellDone;
    TUpdateColumnSizeEvent OnUpdateColumnSize;
    TCustomFilterEvent OnCustomFilter;
    TCustomCellDrawEvent OnCustomCellDraw;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TCustomCellSizeEvent OnCustomCellSize;
    TSelectionResizeEvent OnSelectionResize;
    TSelectionResizeEvent OnSelectionResized;
    TWordWrapEvent OnGetWordWrap;
    TGroupCalcEvent OnGroupCalc;
    TGroupCalcEvent OnColumnCalc;
    TSelectionChanged OnSelectionChanged;
    TScrollCellEvent OnScrollCell;
    // Public.
    TGridNotify OnPainted;
    TGridBalloonEvent OnCellBalloon;
    TFooterPaintEvent OnFooterPaint;
    TCalcFooterEvent OnFooterCalc;
    TDragScrollEvent OnDragScroll;
    TCellSaveLoadEvent OnSaveCell;
    TCellSaveLoadEvent OnLoadCell;
    TCustomStrToDateEvent OnCustomStrToDate;
    TGridNotify OnCreatedFloatingFooter;
    TGridNotify OnCreatedSearchFooter;
    TDropDownButtonClickEvent OnDropDownHeaderButtonClick;
    TDropDownButtonClickEvent OnDropDownFooterButtonClick;
    TGridNotify OnStartBlockFocus;
    TGridNotify OnEndBlockFocus;
    // The grid's OnResize is the control's own OnResize, fired by Resize.

protected:
    void CreateWnd() override;
    void Dispatch(TMessage& Message) override;
    void Resize() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Keeps the column order list in step, then the platform moves the cells.
    void ColumnMoved(int32_t FromIndex, int32_t ToIndex) override;

    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool IsDestroying() const { return ComponentState().Contains(csDestroying); }
    // The shared graphics (row check of column 0, the column grid's virtual check box): never
    // stored, never freed by the cell operations.
    virtual bool IsSharedGraphic(const TCellGraphic* Graphic) const;
    // The graphic of the base cell of (ACol, ARow).
    TCellGraphic* BaseCellGraphic(int32_t ACol, int32_t ARow);
    TCellGraphic* GraphicOfType(int32_t ACol, int32_t ARow, TCellType Kind);
    // The node graphic of display row ARow; nil for a row that is no node.
    TCellGraphic* NodeGraphic(int32_t ARow);
    // Shows the rows of a contracted node (real row); nothing for any other row.
    void ExpandNodeRows(int32_t ARow);
    // Lowers the outline level of real rows ARow .. ARow + Span - 1, hidden ones too.
    void LowerNodeLevels(int32_t ARow, int32_t Span);
    // Hidden rows from real row From on move by Delta.
    void ShiftHiddenRows(int32_t From, int32_t Delta);
    // Embedded controls from real row From on move by Delta rows.
    void MoveControlRows(int32_t From, int32_t Delta);
    // The group header and summary rows' look.
    void SetGroupRowLook(int32_t ARow, bool Header);
    void ResetGroupRowLook(int32_t ARow, bool Header);
    // Empties a row and removes it; its controls stay, hidden rows below move up.
    void DropGroupRow(int32_t ARow);
    // Raises "Invalid cell" outside the grid with its hidden rows and columns.
    void CheckCellInGrid(int32_t ACol, int32_t ARow);
    // The graphic of the cell at real row ARow: its properties' (also of a hidden row), else the
    // graphic of display cell (ACol, Fallback). Found reports whether properties answered.
    TCellGraphic* GraphicAtRealRow(int32_t ACol, int32_t ARow, int32_t Fallback, bool& Found);
    TCellVAlign CheckBoxVAlign() const;
    void RepaintCellAt(int32_t ACol, int32_t ARow);
    template <typename T>
    void StoreAndInvalidate(T& Field, T Value)
    {
        if (Field == Value) return;
        Field = Value;
        Invalidate();
    }

    // ---- Fields, grouped by role ----
    TScrollControl* vscrlctrl = nullptr;
    TScrollControl* hscrlctrl = nullptr;
    TVyxStyle FStyle = tsWindowsXP;

    TPoint FLastKeyCell;
    int32_t FFilterLevel = 0;
    QString FLastFilter;
    bool FForceSel = false;
    int32_t FMoveColInd = 0;
    int32_t FMoveRowInd = 0;
    int32_t FGroupColumn = -1;
    QString FGroupCaption;
    QString FGroupFooter;
    int32_t FGroupWidth = 0;
    bool FAutoSize = false;
    bool FAutoNumAlign = false;
    bool FEnhTextSize = false;
    bool FEditWithTags = false;
    bool FOemConvert = false;
    bool FLookup = false;
    bool FLoaded = false;
    bool FLookupCaseSensitive = false;
    bool FDeselectState = false;
    bool FSelectionClick = false;
    bool FMouseDown = false;
    bool FSelChange = false;
    bool FDoOnClick = false;
    bool FMouseKeepDown = false;
    bool FCtrlDown = false;
    bool FMouseResize = false;
    bool FMouseDownMove = false;
    bool FLookupHistory = false;
    bool FEnhRowColMove = true;
    bool FSizeWithForm = false;
    bool FMultilineCells = false;

    std::unique_ptr<TIntList> FSortRowXRef;
    std::unique_ptr<TIntList> FUnSortRowXRef;
    std::unique_ptr<TIntList> FMergedColumns;
    // Disjunct cell selection: (column, row) in the order selected, and the same cells as a set.
    std::vector<TGridCoord> FSelectedCells;
    QSet<quint64> FSelectedCellSet;
    std::unique_ptr<TIntList> FSelectedRows;
    // Per row: modified; disabled (sparse: only set flags take memory).
    std::unique_ptr<TFlagList> FModifiedRows;
    std::unique_ptr<TFlagList> FEnabledRows;

    // Shared with the grid's window while registered there.
    std::shared_ptr<TGridDropTarget> FGridDropTarget;
    TShowHintEvent FOnShowHint;
    // The owner form's OnResize from before the grid took it over, called after the grid's own.
    std::function<void(TObject* Sender)> FOnResize;

    TColor FHintColor = clInfoBk;
    TColor FHighlightColor = clHighlight;
    TColor FHighLightTextColor = clHighlightText;
    bool FHintShowCells = false;
    bool FHintShowLargeText = false;
    THintShowLargeTextPos FHintShowLargeTextPos = hpCell;
    bool FHintShowSizing = false;
    TPoint FLastHintPos{-1, -1};
    TPoint FLastBalloonPos;

    std::unique_ptr<TBitmap> FRowIndicator;
    std::unique_ptr<TSortIndexList> FSortIndexes;
    std::unique_ptr<TBackGround> FBackGround;
    TGridRect FDropSelection;
    bool FOleDropTargetAssigned = false;
    // Owned by the grid as components; nil in the form designer.
    TArrowWindow* ArwU = nullptr;
    TArrowWindow* ArwD = nullptr;
    TArrowWindow* ArwL = nullptr;
    TArrowWindow* ArwR = nullptr;

    TPrintSettings* FPrintSettings = nullptr;
    bool FFastPrint = false;
    TOfficeTheme FOldOfficeTheme = otUnknown;
    TGridFocusWindow* FFocusWindow = nullptr;
    THTMLSettings* FHTMLSettings = nullptr;
    std::unique_ptr<TBands> FBands;
    TColor FBorderColor = 0x808080;
    std::unique_ptr<TNavigation> FNavigation;
    TColumnSize* FColumnSize = nullptr;
    bool FScrollProportional = false;
    std::unique_ptr<TCellNode> FCellNode;
    TSizeWhileTyping* FSizeWhileTyping = nullptr;
    std::unique_ptr<TMouseActions> FMouseActions;
    std::unique_ptr<TGrouping> FGrouping;

    // Column visibility by real column (true: shown) and the widths hidden columns had.
    std::array<bool, 513> FVisibleCol;
    std::array<int32_t, 513> FAllColWidths{};
    int32_t FUpdateCount = 0;
    bool FLastValidation = true;
    int32_t FNumNodes = 0;
    int32_t FNumHidden = 0;

    TColor FSelectionColor = 0xEACAB6;
    TColor FSelectionColorTo = clNone;
    bool FSelectionColorMixer = false;
    int32_t FSelectionColorMixerFactor = 50;
    TColor FSelectionMirrorColor = clNone;
    TColor FSelectionMirrorColorTo = clNone;
    TColor FSelectionTextColor = clBlack;
    bool FSelectionRectangle = false;
    bool FSelectionRTFKeep = false;
    TVAlignment FVAlignment = vtaTop;
    uint32_t FVAlign = 0;

    bool FURLShow = false;
    bool FURLShowInText = false;
    bool FURLUnderlineOnHover = false;
    bool FURLFull = false;
    TColor FURLColor = clBlue;
    bool FURLEdit = false;

    TCustomImageList* FGridImages = nullptr;
    TIntelliPan FIntelliPan = ipVertical;
    bool FIntelliZoom = true;
    TScrollType FScrollType = ssNormal;
    TColor FScrollColor = clNone;
    int32_t FScrollWidth = DeclaredScrollWidth;
    bool FScrollSynch = false;
    TScrollHintType FScrollHints = shNone;
    bool FIsFlat = false;

    TExtRichEdit* FRichEdit = nullptr;
    TExtRichEdit* FInplaceRichEdit = nullptr;

    bool FFixedAsButtons = false;
    TPopupMenu* FFixedDropDownMenu = nullptr;
    bool FFixedCellPushed = false;
    TRect FPushedFixedCell;
    TPoint FPushedCellButton{-1, -1};
    bool FHideFocusRect = false;
    std::unique_ptr<TFont> FFixedFont;
    bool FFixedRowAlways = false;
    bool FFixedColAlways = false;
    int32_t FFixedRowsMin = 0;
    int32_t FFixedColsMin = 0;
    int32_t FFixedColEdit = 0;
    int32_t FFixedRowEdit = 0;

    std::unique_ptr<TStringList> FColumnHeaders;
    std::unique_ptr<TStringList> FRowHeaders;
    std::unique_ptr<TStringList> FLookupItems;
    // Row (column) selection flags: a non-nil entry is selected.
    std::unique_ptr<TFlagList> FRowSelect;
    std::unique_ptr<TFlagList> FColSelect;

    int32_t FFixedFooters = 0;
    int32_t FFixedRightCols = 0;
    QChar FDelimiter;
    bool FNoDefaultDraw = false;
    QChar FPasswordChar = QLatin1Char('*');
    bool FJavaCSV = false;
    QString FCheckTrue;
    QString FCheckFalse;
    QString FEditMask;

    bool FEnableHTML = true;
    bool FEnableWheel = true;
    bool FFlat = false;
    QString FLastAnchorHint;
    bool FAnchorHint = false;
    bool FSaveFixedCells = true;
    bool FSaveFixedCols = false;
    bool FSaveFixedRows = false;
    bool FLoadFirstRow = true;
    bool FSaveHiddenCells = false;
    bool FSaveVirtCells = true;
    bool FSaveWithHTML = true;
    bool FSaveWithRTF = false;
    bool FWordWrapEx = true;
    bool FModified = false;
    bool FEditDisable = false;
    bool FEditChange = false;
    bool FExcelStyleDecimalSeparator = false;
    bool FHovering = false;
    THoverFixedCells FHoverFixedCells = hfNone;
    bool FNoMouseLeave = false;
    bool FDropDownDown = false;
    int32_t FHoverFixedX = -1;
    int32_t FHoverFixedY = -1;

    QString FFloatFormat;
    QString FOldCellText;
    QString FNewCellText;
    QString FOldCellTextWide;
    QChar FStartEditChar;
    int32_t FOldCol = 0;
    int32_t FOldRow = 0;
    int32_t FOldRowSel = -1;
    bool FOldModifiedValue = false;
    TCursor FOldCursor = crDefault;
    bool FBlockFocus = false;
    bool FBlockKill = false;
    bool FDblClk = false;
    TGridRect FOldSelection;
    TGridRect FSizeSelection;
    TGridRect FMoveSelection;

    bool FEntered = false;
    bool FEditing = false;
    bool FSpecialEditor = false;
    bool FEditActive = false;
    bool FValidating = false;
    bool FFindBusy = false;
    int32_t FComboIdx = -1;
    int32_t SortDir = 0;
    int32_t SortRow = 0;
    TPoint SearchCell{-1, -1};
    // The owner form had an OnResize handler the grid keeps in FOnResize.
    bool ResizeAssigned = false;
    TGridRect FPrintRect;
    TFindParams FFindParams;
    QString SearchCache;
    QString SearchCacheWide;
    QString SearchInc;
    int32_t SearchTics = 0;
    QString FAnchor;
    int32_t FZoomFactor = 0;

    bool FIsColChanging = false;
    bool ColchgFlg = true;
    bool ColMoveFlg = false;
    bool ColSizeFlg = false;
    bool ColSized = false;
    bool Rowsized = false;
    int32_t Colclicked = -1;
    int32_t Rowclicked = -1;
    int32_t Colclickedsize = 0;
    int32_t Rowclickedsize = 0;
    int32_t Movecell = 0;
    int32_t MoveOfsX = 0;
    int32_t MoveOfsY = 0;
    int32_t Clickposx = 0;
    int32_t Clickposy = 0;
    int32_t Clickposdx = 0;
    int32_t Clickposdy = 0;
    bool Invokedchange = false;
    bool InvokedFocusChange = false;
    uint32_t wheelmsg = 0;
    int32_t wheelscrl = 0;
    bool wheelpan = false;
    TPoint wheelpanpos;
    uintptr_t wheeltimer = 0;

    // The scratch font Fonts hands out.
    std::unique_ptr<TFont> cf;
    uintptr_t prevcurs = 0;
    TMouseSelectMode FMouseSelectMode = msNormal;
    int32_t FMouseSelectStart = -1;
    bool FPrinterdriverfix = false;
    TRect PrevRect;
    double Fontscalefactor = 1.0;
    int32_t FPrintPageWidth = 0;
    TRect FPrintPageRect;
    int32_t FPrintColStart = 0;
    int32_t FPrintColEnd = 0;
    int32_t FPrintPageFrom = 1;
    int32_t FPrintPageTo = 1;
    int32_t FPrintPageNum = 0;

    bool FExcelClipboardFormat = false;
    int32_t FGridTimerID = 0;
    bool FGridBlink = false;
    int32_t FMaxEditLength = 0;
    int32_t FMaxComboLength = 0;
    TGridLook FLook = glXP;
    TPictureContainer* FContainer = nullptr;
    TExtStringGridCheck* FCellChecker = nullptr;
    std::unique_ptr<THTMLPictureCache> FImageCache;
    TPoint FCtrlXY;
    QString FCtrlID;
    QString FCtrlType;
    bool FCtrlEditing = false;
    bool FPasteAll = false;
    bool FSpinUpClick = false;
    bool FSpinDnClick = false;
    std::array<int32_t, 513> MaxWidths{};
    std::array<int32_t, 513> Indents{};

    // Editor controls; nil until the editing code makes them.
    TEditLink* FEditLink = nullptr;
    TControlEdit* FEditControl = nullptr;
    TControlCombo* FComboControl = nullptr;
    TWinControl* EditCtrl = nullptr;
    TGridSpin* FEditSpin = nullptr;
    TGridTransEdit* EditTrans = nullptr;
    TGridTransCombo* ComboTrans = nullptr;
    TGridTrackbarDropDown* FEditTrackBar = nullptr;
    TGridMemoDropDown* FEditMemo = nullptr;
    TGridCalculatorDropDown* FEditCalculator = nullptr;
    TGridTimepickerDropDown* FEditTimePicker = nullptr;
    TGridDetailPickerDropDown* FEditDetailPicker = nullptr;
    TGridGridDropDown* FEditGridPicker = nullptr;
    TGridColorDropDown* FEditColorPicker = nullptr;
    TGridImageDropDown* FEditImagePicker = nullptr;
    TGridExtGridDropDown* FEditExtGridPicker = nullptr;
    TGridCheckBox* EditCheck = nullptr;
    TGridEditBtn* EditBtn = nullptr;
    TGridUnitEditBtn* UnitEditBtn = nullptr;
    TGridDatePicker* FEditDate = nullptr;
    TGridDateTimePicker* FEditDateTime = nullptr;
    TGridButton* GridButton = nullptr;
    THeaderDragButton* MoveButton = nullptr;
    TForm* MoveForm = nullptr;
    TEditorType EditControl = edNormal;

    // Hidden rows (TGridItem), filter, change notifiers.
    std::unique_ptr<TGridItems> FGridItems;
    std::unique_ptr<TFilter> FFilter;
    bool FFilterActive = false;
    bool FFilterNormalCellsOnly = true;
    int32_t FFilterCol = -1;
    int32_t FFilterFixedRows = 0;
    std::unique_ptr<TFilterDropDown> FFilterDropDown;
    TDropList* FDropList = nullptr;
    TDropCheckList* FDropCheckList = nullptr;
    std::unique_ptr<TStringList> FFilterList;
    bool FAutoFilterUpdate = true;
    std::unique_ptr<TList> FNotifierList;

    bool FActiveCellShow = false;
    std::unique_ptr<TFont> FActiveCellFont;
    TPoint FXYOffset{2, 2};
    bool FXYOffsetTopLeftOnly = false;
    int32_t FOldSize = -1;
    std::unique_ptr<TIntList> FOrigColSizes;
    bool FSizeFixed = false;
    int32_t FSizingFixedCol = 0;
    bool FSizingFixed = false;
    int32_t FSizingFixedRow = 0;
    bool FSizeFixedR = false;
    bool FSizingFixedR = false;
    int32_t FSizeFixedX = 0;
    int32_t FSizeFixedY = 0;
    bool FDisableChange = false;
    bool FNilObjects = false;
    bool FQuoteEmptyCells = true;
    bool FAutoThemeAdapt = false;
    bool FAlwaysQuotes = false;

    std::unique_ptr<TSortSettings> FSortSettings;
    TColor FSelectionRectangleColor = clBlack;
    std::unique_ptr<TDragDropSettings> FDragDropSettings;
    std::unique_ptr<TControlLook> FControlLook;
    TFooterPanel* FFooterPanel = nullptr;
    TSearchPanel* FSearchPanel = nullptr;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    std::unique_ptr<TFloatingFooter> FFloatingFooter;

    bool FIntegralHeight = false;
    bool FIsWinXP = false;
    bool FIsWin7 = false;
    bool FIsWinVista = false;
    bool FIsComCtl6 = false;
    bool FClearTextOnly = false;

    bool FHTMLHint = false;
    bool FAlwaysValidate = false;
    bool FEnableBlink = false;

    bool FSizeGrowOnly = false;
    TColor FActiveCellColor = 0x808080;
    TColor FActiveCellColorTo = clNone;
    bool FSelectionResizer = false;
    int32_t FMaxColWidth = 0;
    int32_t FMinRowHeight = 0;
    int32_t FMinColWidth = 0;
    int32_t FMaxRowHeight = 0;

    TColor FVyxGradFrom = clWhite;
    TColor FVyxGradTo = clNone;
    TColor FVyxGradMirrorFrom = clNone;
    TColor FVyxGradMirrorTo = clNone;
    TColor FVyxGradHoverFrom = clNone;
    TColor FVyxGradHoverTo = clNone;
    TColor FVyxGradHoverMirrorFrom = clNone;
    TColor FVyxGradHoverMirrorTo = clNone;
    TColor FVyxGradHoverBorder = clNone;
    TColor FVyxGradDownFrom = clNone;
    TColor FVyxGradDownTo = clNone;
    TColor FVyxGradDownMirrorFrom = clNone;
    TColor FVyxGradDownMirrorTo = clNone;
    TColor FVyxGradDownBorder = clNone;

    bool FUseHTMLHints = false;
    bool FShowNullDates = true;
    uintptr_t FICursor = 0;
    int32_t FFixedRowHeight = 0;
    bool FSelHidden = false;
    std::unique_ptr<TIntList> FColumnOrder;
    TSortDirection FAutoNumberDirection = sdAscending;
    int32_t FAutoNumberOffset = 0;
    int32_t FAutoNumberStart = 0;
    int32_t FOldLeftCol = 0;
    int32_t FOldKeepLeftCol = 0;
    int32_t FOldTopRow = 0;

    TScrollStyle FScrollBars = ssBoth;

    TWndMethod FGridControlWndProc;
    int32_t FNumCellControls = 0;
    std::unique_ptr<TControlList> FControlList;
    bool FDisableSize = false;
    TEditorType FDefaultEditor = edNormal;
    TAlignment FDefaultAlignment = taLeftJustify;
    TColor FDisabledFontColor = clSilver;
    TPoint FHotFixedCell{-1, -1};
    bool FCellSelectorMode = false;
    int32_t FAECol = 0;
    int32_t FAERow = 0;
    bool FShowEditProcess = false;
    bool FEditStart = false;
    std::unique_ptr<TBalloonSettings> FBalloonSettings;

    TScrollBarAlways FScrollBarAlways = saNone;

    std::unique_ptr<TShowModified> FShowModified;
    // The row-check graphic column 0 shares while HotmailRowSelect is on; never stored in a cell.
    std::unique_ptr<TCellGraphic> FCellGraphic;

    std::unique_ptr<TDragScrollOptions> FDragScrollOptions;
    int32_t FTimerTicks = 0;
    TTimer* FDragTmr = nullptr;
    TDragScrollDirection FDragScrollDirection;
    int32_t FFindCol = 0;
    int32_t FFindRow = 0;
    bool FNoImageAndText = false;

    int32_t FMaxRowCount = 0;
    int32_t FMaxColCount = 0;
    bool FUseEnabledRows = false;
    bool FUseDisabledFont = true;
    int32_t FLastTabCol = -1;
    int32_t FLastTabRow = -1;
    std::unique_ptr<TGridProgressAppearance> FProgressAppearance;

    bool FScrollLock = false;
    int32_t FPaintCount = 0;
    QString FEditText;
    QString FEditWideText;
    bool FNoEditChange = false;
    bool FNoAutoAdvance = false;
    bool FGridModified = false;
    std::unique_ptr<TIntList> FIgnoreColumns;
    QString FXMLEncoding;
    int32_t FFilterRow = 0;
    bool FFilterDropDownAuto = false;
    bool FFilterDropDownCheck = false;
    TFilterDropDownColumns FFilterDropDownColumns = fdNormal;
    bool FFilterIncremental = false;
    QString FFilterDropDownClear;
    TDateTime FOriginalDateTime = 0;
    TScrollBar* FScrollBar = nullptr;
    TScrollBar* FPaintScrollBar = nullptr;
    int32_t FScrollCol = 0;
    int32_t FScrollRow = 0;
    QString FInvalidEntryTitle;
    QString FInvalidEntryText;
    TInvalidEntryIcon FInvalidEntryIcon = ieWarning;
    bool FBlockCellChange = false;
    int32_t FLastDesignChoice = -1;
    bool FShowDesignHelper = true;
    bool FIsPrintPreview = false;
    QString FValidChars;
    TCharSet FValidCharSet;
    bool FUseInternalHintClass = true;

    std::unique_ptr<TSyncGrid> FSyncGrid;
    bool FFitCellsInGrid = true;
    bool FShowSelection = true;
    bool FSpreadSheet = false;
    TPoint FHoverCell{-1, -1};
    TPoint FHoverButton{-1, -1};
    int32_t FHoverlink = -1;
    int32_t FOleDragCol = -1;
    int32_t FOleDragIndex = 0;
    TCustomListBox* FOleDragList = nullptr;
    TColorTones FTones;
    bool FShowColNrs = true;
    std::unique_ptr<TFocusHelper> FFocusHelper;
    ITExtStringGridSelect* FISelect = nullptr;
    bool FUsePlatformStyles = false;
    TPoint FClipTopLeft{-1, -1};
    TClipOperation FClipLastOp = coCut;
    THTMLHintWindow* FScrollHintWnd = nullptr;
    bool FScrollHintShow = false;
    bool FVirtualCells = false;
    QString FCellCache;
    bool FNoRTLOrientation = false;
    bool FIsGrouping = false;
    bool FIsDBVersion = false;
    bool FSyncedMove = false;
    bool LButFlg = false;
    int32_t Compares = 0;
    int32_t Swaps = 0;
    uint32_t SortTime = 0;
    std::unique_ptr<TStringList> Sortlist;
    int32_t PrevSizeX = 0;
    int32_t PrevSizeY = 0;
    bool EditMode = false;

private:
    // Hidden rows: the display row's texts, objects and height parked in a new item at collection
    // Position (the row is left empty), and an item's row put back (the item keeps no object).
    TGridItem* ParkRow(int32_t DisplRow, int32_t Position, int32_t RealRow, int32_t Level);
    void RestoreRow(TGridItem* Item, int32_t DisplRow);
    // The display rows (cut to the grid, sorted, each once) parked at Level in one pass; with
    // DropSelection their row selection entries go too.
    void ParkRows(std::vector<int32_t> DisplRows, int32_t Level, bool DropSelection);
    // The hidden rows of the items come back at their real places in one pass.
    void RestoreItems(std::vector<TGridItem*> Items);
    // The entries of the rows (ascending) leave the list in one pass.
    static void DropRowEntries(TFlagList* List, const std::vector<int32_t>& Rows);
    // The display rows (ascending, each once) leave the grid in one pass, as RemoveRows (FreeProps)
    // or RemoveRowBlock would one by one from the bottom; each row's change is reported.
    void RemoveRowSet(const std::vector<int32_t>& Rows, bool Block);
    // Forgets the objects and empties the texts of the rows, all real columns.
    void EmptyRows(int32_t First, int32_t Count);
    // The floating footer shows in the last row.
    bool FloatingFooterShown() const;
    // The display rows (ascending, each once) move past the others in one pass, the kept rows
    // closing up in order; a shown floating footer's row stays the last row. Answers the display
    // row where the moved rows start.
    int32_t MoveRowsToEnd(const std::vector<int32_t>& Rows);
    // A row's selection flag as the selection operations read it (by real row when persistent).
    bool RowFlag(int32_t ARow);
    // Removes the normal display columns inside (Selected) or outside the selection, from the right.
    void RemoveColumnsWhere(bool Selected);
    // The modified, enabled and selection flags of rows First..Last - 1 follow a rotation of the rows.
    void RotateRowLists(int32_t First, int32_t Middle, int32_t Last);
    // The embedded controls follow a move of one row (column) as in a list move.
    void MoveControls(int32_t From, int32_t To, bool Columns);

    friend struct TFormResizeLink;
    // The rich edits reach the grid's rich edits and focus flag.
    friend class TExtRichEdit;
    // ---- Sorting internals ----
    struct TSortKeys;
    struct TSortColumn0 {
        bool Saved = false;
        std::vector<QString> Texts;
        std::vector<TObject*> Objects;
    };
    struct TSortRows {
        bool Entered = false;
        int32_t LastWidth = 0;
        int32_t Hidden = 0;
    };
    // Set while a sort compares rows where they stood before it: keys read once per cell.
    TSortKeys* FSortKeys = nullptr;
    QString SortCellText(int32_t ACol, int32_t ARow);
    bool SortInPlace() const;
    void SortRowRange(int32_t ACol, int32_t Left, int32_t Right, bool Indexed);
    void MoveSortedRows(int32_t Left, const std::vector<int32_t>& Order);
    void SaveSortColumn0(TSortColumn0& Saved);
    void RestoreSortColumn0(const TSortColumn0& Saved);
    void EnterSortRows(TSortRows& State, bool ClearOld);
    void LeaveSortRows(TSortRows& State);
    void RunSort(bool Indexed);
    void FinishSort(const TSortColumn0& Column0, int32_t OldTop, bool FooterVisible, int32_t Footers);
    void SortWithinGroups(bool Indexed);
    // ---- Filtering internals ----
    // The trimmed, wide-decoded text a condition tests in display row ARow.
    QString FilterText(const TFilterData* Item, int32_t ARow);
    // ---- Statistics internals ----
    void DefaultStatsRange(int32_t& FromRow, int32_t& ToRow) const;
    bool StatsRealRows(int32_t ToRow) const;
    bool StatsUsesRow(int32_t ACol, int32_t r, bool Real);
    void WalkStatsRows(int32_t ACol, int32_t FromRow, int32_t ToRow, const std::function<void(double)>& Use);
    double ColumnExtreme(int32_t ACol, int32_t FromRow, int32_t ToRow, bool Max);
    double RowExtreme(int32_t ARow, int32_t fromCol, int32_t toCol, bool Max);

    // ---- Dimension and cell access internals ----
    // The raw object slot, of a hidden row too.
    TObject* GetObjectRaw(int32_t i, int32_t j);
    // Splits every column and merges the listed ones again.
    void MergedColumnsChanged();
    // Display row of pre-sort row j.
    int32_t UnSortedRow(int32_t j) const;

    // ---- Selection and core message internals ----
    // Moves the current cell with the anchor and scrolls it into view.
    void MoveCurrentCell(int32_t ACol, int32_t ARow) { MoveColRow(ACol, ARow, true, true); }
    // The rectangle's rows (columns) copied into the disjunct selection; all: every row (column).
    void SelectionToRowSelect(bool All);
    void SelectionToColSelect(bool All);
    void InvalidateGridRect(const TGridRect& r);
    // Handles the messages of the grid's own; false leaves the message to the base grid.
    bool CoreMessage(TMessage& Message);
    void GridTimerTick();
    void BlinkCells();
    void WMSetCursor(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void DoEnter() override;
    void DoExit() override;
    void Click() override;

    // ---- Scrolling and auto-size internals ----
    void SetFlatScrollProp(int32_t Index, int32_t Value);
    void SetFlatScrollInfo(int32_t Bar, const SCROLLINFO& Info);
    void ShowFlatScrollBar(int32_t Bar, bool Show);
    void SyncFlatVertScroll();
    void SyncFlatHorzScroll();
    void ApplyFlatScrollStyle();
    void ApplyFlatScrollColor();
    void ApplyFlatScrollWidth();
    // The handlers of WM_HSCROLL and WM_VSCROLL; true when the message was handled.
    bool WMHScroll(TMessage& Message);
    bool WMVScroll(TMessage& Message);
    bool InCellScroll(TMessage& Message);
    void ShowScrollHint(const QString& Text);
    void HideScrollHint();
    bool SearchFooterShowing();
    bool LastRowClearOfSearchFooter();
    void DragScrollStep(TObject* Sender);
    void FreeDragTimer();
    // The cells under the fixed background picture's corners, for repainting after a scroll.
    TRect BackGroundCorners();

    // ---- Footer, search and highlighting internals ----
    // Set while the footer reads its rows as real rows (hidden ones included).
    bool FFooterRealRows = false;
    TPoint FindCell(TPoint StartCell, const QString& s, TFindParams FindParams, bool Wide);
    bool CellMatchesSearch(int32_t ACol, int32_t ARow, bool Wide);
    // The flags the search panel's state and SearchFooter add to Base.
    TFindParams SearchFooterFlags(TFindParams Base);
    void HilightSearchText(const QString& Text);
    void UnHilightSearchText();
    void SetSearchEditColor(TColor Value);
    void HilightCells(const QString& HiText, const QString& Tag, int32_t FromCol, int32_t ToCol, int32_t FromRow,
                      int32_t ToRow, bool DoCase);
    void UnhilightCells(const QString& Tag, int32_t FromCol, int32_t ToCol, int32_t FromRow, int32_t ToRow);
    // Every cell of the fill range, rows outer, then the footers.
    void FillCells(bool DoFixed, const std::function<void(int32_t, int32_t)>& Fill);
    // The footer and search panels join the grid's window.
    void AttachPanels();

    // ---- Rich text internals ----
    void RichEditSelectionChange(TObject* Sender);
    // Rtf without its line breaks; a break that ended a control word leaves the space that ends it.
    static QString RtfWithoutLineBreaks(const QString& Rtf);
    // The cell loaded into the hidden rich edit (CellToRich), as that edit's plain text.
    QString RichCellPlainText(int32_t ACol, int32_t ARow);
    // The rich-text steps of measuring a cell: the plain text to measure (with the canvas font
    // taken from the rich text), and the size the rich edit asks for in T.
    QString RichCellText(int32_t ACol, int32_t ARow);
    TPoint RichCellSize(const TRect& T);
    // CM_HINTSHOW.
    void CMHintShow(TMessage& Message);

    // ---- Filter, background and editor link internals ----
    bool CanEditShow() override;
    // Tab may land on display cell (ACol, ARow).
    bool CanTabTo(int32_t ACol, int32_t ARow);
    int32_t FirstTabCol() const;
    // The link drives the grid's edit state, keys and cell selection.
    friend class TEditLink;

    // ---- Sort settings and control look internals ----

    // ---- Footer panel internals ----

    // ---- Grouping, drag-and-drop and balloon internals ----
    friend class TDragDropSettings;
    // The switch of DragDropSettings.OleDropTarget outside the form designer: a registration made
    // before is revoked; On makes a new drop target and registers it for the grid's window.
    void SwitchOleDropTarget(bool On);
    // After streaming, a registered drop target takes the accept switches of DragDropSettings.
    void ApplyOleAcceptSwitches();

    // ---- Auxiliary control internals ----

    // ---- Column position and column editor internals ----


    // ---- Cell form control internals ----
    // After an advance onto a control cell from (OC, OR): the control is clicked as by the mouse.
    void ClickAdvancedToControl(int32_t OC, int32_t OR);

    // ---- Edit cycle internals ----
    // "GridEditDone" and the editors' WM_COMMAND notifications; true when the message is done.
    bool EditCycleMessage(TMessage& Message);
    // The date picker of the date and time cells, made on first use.
    TGridDatePicker* DatePickerEditor();
    // The show and store steps of each editor family, the custom link and the picker handlers.
    friend class TEditCycle;
    friend class TEditorControls;
    // CancelCellEdit ran during the edit: the hide stores FCellCache and nothing of the editor.
    bool FEditCancelled = false;

    // ---- In-place edit and validation internals ----

    // ---- Selection and advance internals ----

    // ---- Editor wrapper internals ----
    // The wrappers' shared contract reads and drives the edit state.
    friend class TGridEditorContract;
    // The spin, edit-with-button, value-and-unit and date wrappers hand their keys back through
    // the grid's own key-down and the edit state.
    friend class TGridSpin;
    friend class TGridEditBtn;
    friend class TGridUnitEditBtn;
    friend class TGridDatePicker;
    friend class TGridDateTimePicker;

    // ---- Cell painting internals ----
    // The brush and font colours of the cell last given visual properties, before selection.
    TColor FUnselectedBrushColor = clNone;
    TColor FUnselectedFontColor = clNone;
    // IsFixed, or inside the fixed columns or rows.
    bool IsFixedLookCell(int32_t ACol, int32_t ARow);
    // The real row under persistent disjunct row selection (or, with EnabledRows, enabled rows), else ARow.
    int32_t PaintDataRow(int32_t ARow, bool EnabledRows);
    // The fixed cell shows the hover (or pressed) look: HoverFixedCells covers it and the mouse
    // is over it, or it is the column being moved.
    bool IsHoverFixedCell(int32_t ACol, int32_t ARow);
    // The layers of DrawCellContent, in their order.
    void PaintCellScrollBar(TCellPaint& P);
    void DrawFixedCellLook(TCellPaint& P);
    void DrawRowIndicator(TCellPaint& P);
    void DrawListViewFixedCell(TCellPaint& P);
    void DrawModifiedMarker(TCellPaint& P);
    void DrawEditorButtons(TCellPaint& P);
    void DrawCellBorders(TCanvas* ACanvas, int32_t RCol, int32_t ARow, TRect B);
    void DrawFixedCellEdges(TCellPaint& P);
    void DrawTreeLines(TCellPaint& P);
    void DrawCellFocusRect(TCellPaint& P);
    void DrawColumnNumber(TCellPaint& P);

    // ---- Style, look and design panel internals ----
    // The designer's hit test: 1 while the pointer is over an item of the shown panel.
    void CMDesignHitTest(TMessage& Message);
    // A left press at design time that falls on a panel item is the panel's; true when taken.
    bool DesignHelperMouseDown(TMessage& Message);

    // ---- Cell graphic internals ----
    void DrawNodeGlyph(TCellPaint& P, TRect R);
    // ctButton, ctBitButton and ctExpand in the placed rectangle G of the deflated rectangle R.
    void DrawCellButton(TCellPaint& P, TCellGraphic* Graphic, TRect G, const TRect& R);
    // ctProgress, ctRangeIndicator and ctXPProgress over R.
    void DrawCellProgress(TCellPaint& P, TCellGraphic* Graphic, TRect R);
    void DrawRotatedCell(TCellPaint& P, TCellGraphic* Graphic, TRect R);
    // The cell's number for a graphic; 0 where the text is no number.
    double CellNumber(int32_t ACol, int32_t ARow);

    // ---- Cell text internals ----
    void DrawCellText(TCellPaint& P);
    // The plain-text branch of DrawCellText: flags, links, measure, error marks and the sort indicator.
    void DrawPlainCellText(TCellPaint& P, QString Text, TRect T, TColor U, int32_t S, bool SortShown, int32_t ErrPos,
                           int32_t ErrLen, int32_t LineHeight);
    // The selection rectangle's sides on cell (ACol, ARow) and the resizer on its last cell.
    void DrawSelectionFrame(TCanvas* C, int32_t ACol, int32_t ARow, const TRect& T);
    // A cell of the sort indicator row whose column is the sort column or holds a sort key.
    bool IsSortIndicatorCell(int32_t ACol, int32_t ARow);
    // RowSelect for rows in range; false outside.
    bool RowSelectedSafe(int32_t ARow);

    // ---- Background, border and focus window internals ----
    // The platform's frame, then the coloured border unless updates are suspended.
    void WMNCPaint(TMessage& Message);

    // ---- Balloon internals ----
    // WM_NOTIFY of the tooltip and of a date-time picker child; true when nothing inherited runs.
    bool WMNotify(TMessage& Message);
    // TTN_GETDISPINFOW: the text, title and icon of the cell under the pointer.
    void BalloonText(NMHDR* Header);
    void CreateBalloonWindow();
    void DestroyBalloonWindow();
    void AddBalloonTool(int32_t Icon, const QString& Title);
    void SetLayeredAlpha(HWND Wnd, TColor Color, uint8_t Alpha, const TRect& R);
    HWND FHToolTip = nullptr;
    bool FBalloonInit = false;
    // The text handed to the tooltip; it must stay valid after the request returns.
    std::array<char16_t, 4096> FToolTipBuffer{};

    // The owner form's resize: sizes the grid with the form, then runs the handler kept before.
    void FormResize(TObject* Sender);
    // Hands the form's OnResize back, or takes this grid out of the chain of grids on the form.
    void UnlinkFormResize();
    void ApplyColumnHeaders();
};

// The owner form's OnResize while a grid keeps the form's earlier handler.
struct TFormResizeLink {
    TExtStringGrid* Grid;
    void operator()(TObject* Sender) const { Grid->FormResize(Sender); }
};

// ---- The grid unit's shared state ----
// Clipboard format "TExtStringGrid Cells" and the registered messages "GridEditDone", "DTPShiftFocus".
extern UINT GridCellsClipFormat;
extern UINT GridEditDoneMsg;
extern UINT DTPShiftFocusMsg;
// The common-controls library is version 4.70 or later.
extern bool ComCtl32Ver470;
// The window-procedure hook of the user-interface thread; nil before the unit starts.
extern HHOOK GridHookHandle;
// The grid whose focus window follows moves of windows; nil for none.
extern TExtStringGrid* FocusWindowGrid;
// The cursor over links and clickable content (the hand cursor).
extern TCursor GridLinkCursor;

// Starts the grid unit once: the OLE start, the hook, the version test and the registrations.
// Later calls only count; a grid's constructor starts the unit when no call did.
void ExtGridInitialization();
// The last of the counted calls removes the hook.
void ExtGridFinalization();
// The WH_CALLWNDPROC hook: a window moving or sizing re-places FocusWindowGrid's focus window.
LRESULT GridWndProcHook(int32_t Code, WPARAM WParam, LPARAM LParam);
// The most significant file version double-word (major in the high word), -1 without version data.
int32_t GetModuleFileVersion(const QString& FileName);
void SetWindowTransparent(HWND Handle);
// Windows 5.1 or later (minor versions count within major 5); Windows 6.1 or later for Win7.
bool IsWinXPVersion(int32_t Major, int32_t Minor);
bool IsWin7Version(int32_t Major, int32_t Minor);
// The locale's current formats, read at each call.
QString GetShortTimeFormat();
QString GetLongTimeFormat();
// The base cell's kind is a data kind (data check boxes, data images).
bool IsDataCellType(TExtStringGrid* Grid, int32_t ACol, int32_t ARow);

// Raised by grid operations on bad input.
KT_DECLARE_EXCEPTION(EExtGridError, Exception);
