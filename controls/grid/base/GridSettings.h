// Settings objects a grid publishes: search footer, navigation, mouse actions, grid
// synchronisation, row bands and the focus window. They hold values; the grid acts on them.
#pragma once

#include "graphics/Colors.h"
#include "rtl/Object.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TComponent;
class TFont;
class TStringGrid;
class TStringList;
class TStrings;

using TSettingsNotifyEvent = std::function<void(TObject* Sender)>;

// ---------------------------------------------------------------------------------------------
// Search footer
// ---------------------------------------------------------------------------------------------

enum TSearchDirection { sdTopBottom, sdLeftRight };

// Captions and hints start empty, unless the footer is made for a grid just placed in the designer
// (InitDesign), which fills in the default texts.
class TSearchFooter : public TPersistent {
public:
    TSearchFooter(TComponent* AOwner, bool InitDesign);
    ~TSearchFooter() override;

    // Copies every published value but AutoSearch and SearchFixedCells, the font by value; silent.
    void Assign(TPersistent* Source) override;

    bool AlwaysHighLight() const { return FAlwaysHighLight; }
    void SetAlwaysHighLight(bool Value) { FAlwaysHighLight = Value; }
    bool AutoSearch() const { return FAutoSearch; }
    void SetAutoSearch(bool Value) { FAutoSearch = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    const QString& FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const QString& Value) { StoreText(FFindNextCaption, Value); }
    const QString& FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const QString& Value) { StoreText(FFindPrevCaption, Value); }
    TFont* Font() const { return FFont.get(); }
    // Copies Value into the owned font.
    void SetFont(TFont* Value);
    const QString& HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const QString& Value) { StoreText(FHighLightCaption, Value); }
    const QString& HintClose() const { return FHintClose; }
    void SetHintClose(const QString& Value) { StoreText(FHintClose, Value); }
    const QString& HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const QString& Value) { StoreText(FHintFindNext, Value); }
    const QString& HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const QString& Value) { StoreText(FHintFindPrev, Value); }
    const QString& HintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const QString& Value) { StoreText(FHintHighlight, Value); }
    const QString& MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const QString& Value) { StoreText(FMatchCaseCaption, Value); }
    bool SearchActiveColumnOnly() const { return FSearchActiveColumnOnly; }
    void SetSearchActiveColumnOnly(bool Value) { FSearchActiveColumnOnly = Value; }
    int32_t SearchColumn() const { return FSearchColumn; }
    void SetSearchColumn(int32_t Value) { FSearchColumn = Value; }
    bool SearchMatchStart() const { return FSearchMatchStart; }
    void SetSearchMatchStart(bool Value) { FSearchMatchStart = Value; }
    bool SearchFixedCells() const { return FSearchFixedCells; }
    void SetSearchFixedCells(bool Value) { FSearchFixedCells = Value; }
    bool SearchHiddenRows() const { return FSearchHiddenRows; }
    void SetSearchHiddenRows(bool Value) { FSearchHiddenRows = Value; }
    TSearchDirection SearchDirection() const { return FSearchDirection; }
    void SetSearchDirection(TSearchDirection Value) { FSearchDirection = Value; }
    bool ShowClose() const { return FShowClose; }
    // Reports even an unchanged value.
    void SetShowClose(bool Value);
    bool ShowFindNext() const { return FShowFindNext; }
    void SetShowFindNext(bool Value) { StoreChanged(FShowFindNext, Value); }
    bool ShowFindPrev() const { return FShowFindPrev; }
    void SetShowFindPrev(bool Value) { StoreChanged(FShowFindPrev, Value); }
    bool ShowHighLight() const { return FShowHighLight; }
    void SetShowHighLight(bool Value) { StoreChanged(FShowHighLight, Value); }
    bool ShowMatchCase() const { return FShowMatchCase; }
    void SetShowMatchCase(bool Value) { StoreChanged(FShowMatchCase, Value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { StoreChanged(FVisible, Value); }
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    // The text last searched, kept by the grid.
    const QString& LastSearch() const { return FLastSearch; }
    void SetLastSearch(const QString& Value) { FLastSearch = Value; }

    TSettingsNotifyEvent OnChange;

private:
    void Changed();
    void StoreText(QString& Field, const QString& Value);
    void StoreChanged(bool& Field, bool Value);

    bool FAlwaysHighLight = false;
    bool FAutoSearch = true;
    TColor FColor = 0xFFFFFF;
    TColor FColorTo = clBtnFace;
    QString FFindNextCaption;
    QString FFindPrevCaption;
    std::unique_ptr<TFont> FFont;
    QString FHighLightCaption;
    QString FHintClose;
    QString FHintFindNext;
    QString FHintFindPrev;
    QString FHintHighlight;
    QString FMatchCaseCaption;
    bool FSearchActiveColumnOnly = false;
    int32_t FSearchColumn = -1;
    bool FSearchMatchStart = false;
    bool FSearchFixedCells = false;
    bool FSearchHiddenRows = false;
    TSearchDirection FSearchDirection = sdTopBottom;
    bool FShowClose = true;
    bool FShowFindNext = true;
    bool FShowFindPrev = true;
    bool FShowHighLight = true;
    bool FShowMatchCase = true;
    bool FVisible = false;
    bool FAutoThemeAdapt = false;
    QString FLastSearch;
};

// ---------------------------------------------------------------------------------------------
// Navigation
// ---------------------------------------------------------------------------------------------

enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum TClipboardPasteAction { paReplace, paInsert };
enum TCursorAdvance { caDefault, caSnake, caLoop };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };

// Keyboard and clipboard navigation. Only AdvanceDirection and AdvanceInsert report changes.
class TNavigation : public TPersistent {
public:
    TNavigation() = default;

    // Copies every published value but KeepScrollOnSort; silent.
    void Assign(TPersistent* Source) override;

    bool AdvanceOnEnterLoop() const { return F.AdvanceOnEnterLoop; }
    void SetAdvanceOnEnterLoop(bool Value) { F.AdvanceOnEnterLoop = Value; }
    bool AdvanceAutoEdit() const { return F.AdvanceAutoEdit; }
    void SetAdvanceAutoEdit(bool Value) { F.AdvanceAutoEdit = Value; }
    bool AdvanceSkipReadOnlyCells() const { return F.AdvanceSkipReadOnlyCells; }
    void SetAdvanceSkipReadOnlyCells(bool Value) { F.AdvanceSkipReadOnlyCells = Value; }
    bool AllowCtrlEnter() const { return F.AllowCtrlEnter; }
    void SetAllowCtrlEnter(bool Value) { F.AllowCtrlEnter = Value; }
    bool AllowClipboardRowGrow() const { return F.AllowClipboardRowGrow; }
    void SetAllowClipboardRowGrow(bool Value) { F.AllowClipboardRowGrow = Value; }
    bool AllowClipboardColGrow() const { return F.AllowClipboardColGrow; }
    void SetAllowClipboardColGrow(bool Value) { F.AllowClipboardColGrow = Value; }
    bool EditSelectAll() const { return F.EditSelectAll; }
    void SetEditSelectAll(bool Value) { F.EditSelectAll = Value; }
    bool ComboGetUpDown() const { return F.ComboGetUpDown; }
    void SetComboGetUpDown(bool Value) { F.ComboGetUpDown = Value; }
    bool CursorWalkAlwaysEdit() const { return F.CursorWalkAlwaysEdit; }
    void SetCursorWalkAlwaysEdit(bool Value) { F.CursorWalkAlwaysEdit = Value; }
    bool LeftRightRowSelect() const { return F.LeftRightRowSelect; }
    void SetLeftRightRowSelect(bool Value) { F.LeftRightRowSelect = Value; }
    bool CopyHTMLTagsToClipboard() const { return F.CopyHTMLTagsToClipboard; }
    void SetCopyHTMLTagsToClipboard(bool Value) { F.CopyHTMLTagsToClipboard = Value; }
    bool SkipFixedCells() const { return F.SkipFixedCells; }
    void SetSkipFixedCells(bool Value) { F.SkipFixedCells = Value; }
    bool SkipDisabledRows() const { return F.SkipDisabledRows; }
    void SetSkipDisabledRows(bool Value) { F.SkipDisabledRows = Value; }

    bool AllowInsertRow() const { return F.AllowInsertRow; }
    void SetAllowInsertRow(bool Value) { F.AllowInsertRow = Value; }
    bool AllowDeleteRow() const { return F.AllowDeleteRow; }
    void SetAllowDeleteRow(bool Value) { F.AllowDeleteRow = Value; }
    bool AlwaysEdit() const { return F.AlwaysEdit; }
    void SetAlwaysEdit(bool Value) { F.AlwaysEdit = Value; }
    bool AdvanceOnEnter() const { return F.AdvanceOnEnter; }
    void SetAdvanceOnEnter(bool Value) { F.AdvanceOnEnter = Value; }
    bool AdvanceInsert() const { return F.AdvanceInsert; }
    void SetAdvanceInsert(bool Value);
    bool AutoGotoWhenSorted() const { return F.AutoGotoWhenSorted; }
    void SetAutoGotoWhenSorted(bool Value) { F.AutoGotoWhenSorted = Value; }
    bool AutoGotoIncremental() const { return F.AutoGotoIncremental; }
    void SetAutoGotoIncremental(bool Value) { F.AutoGotoIncremental = Value; }
    bool AutoComboDropSize() const { return F.AutoComboDropSize; }
    void SetAutoComboDropSize(bool Value) { F.AutoComboDropSize = Value; }
    bool AllowClipboardShortCuts() const { return F.AllowClipboardShortCuts; }
    void SetAllowClipboardShortCuts(bool Value) { F.AllowClipboardShortCuts = Value; }
    bool AllowSmartClipboard() const { return F.AllowSmartClipboard; }
    void SetAllowSmartClipboard(bool Value) { F.AllowSmartClipboard = Value; }
    bool AllowRTFClipboard() const { return F.AllowRTFClipboard; }
    void SetAllowRTFClipboard(bool Value) { F.AllowRTFClipboard = Value; }
    bool AllowFmtClipboard() const { return F.AllowFmtClipboard; }
    void SetAllowFmtClipboard(bool Value) { F.AllowFmtClipboard = Value; }
    bool AllowClipboardAlways() const { return F.AllowClipboardAlways; }
    void SetAllowClipboardAlways(bool Value) { F.AllowClipboardAlways = Value; }
    bool AdvanceAuto() const { return F.AdvanceAuto; }
    // Turning it on also turns AdvanceOnEnter on (silently).
    void SetAdvanceAuto(bool Value);
    bool AppendOnArrowDown() const { return F.AppendOnArrowDown; }
    void SetAppendOnArrowDown(bool Value) { F.AppendOnArrowDown = Value; }
    bool CursorWalkEditor() const { return F.CursorWalkEditor; }
    void SetCursorWalkEditor(bool Value) { F.CursorWalkEditor = Value; }
    bool CursorMoveRows() const { return F.CursorMoveRows; }
    void SetCursorMoveRows(bool Value) { F.CursorMoveRows = Value; }
    bool MoveRowOnSort() const { return F.MoveRowOnSort; }
    void SetMoveRowOnSort(bool Value) { F.MoveRowOnSort = Value; }
    bool KeepScrollOnSort() const { return F.KeepScrollOnSort; }
    void SetKeepScrollOnSort(bool Value) { F.KeepScrollOnSort = Value; }
    bool MoveScrollOnly() const { return F.MoveScrollOnly; }
    void SetMoveScrollOnly(bool Value) { F.MoveScrollOnly = Value; }
    bool ImproveMaskSel() const { return F.ImproveMaskSel; }
    void SetImproveMaskSel(bool Value) { F.ImproveMaskSel = Value; }
    bool KeepHorizScroll() const { return F.KeepHorizScroll; }
    void SetKeepHorizScroll(bool Value) { F.KeepHorizScroll = Value; }
    bool LineFeedOnEnter() const { return F.LineFeedOnEnter; }
    void SetLineFeedOnEnter(bool Value) { F.LineFeedOnEnter = Value; }
    bool TabToNextAtEnd() const { return F.TabToNextAtEnd; }
    void SetTabToNextAtEnd(bool Value) { F.TabToNextAtEnd = Value; }

    TAdvanceDirection AdvanceDirection() const { return F.AdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection Value);
    TAdvanceDirection TabAdvanceDirection() const { return F.TabAdvanceDirection; }
    void SetTabAdvanceDirection(TAdvanceDirection Value) { F.TabAdvanceDirection = Value; }
    TInsertPosition InsertPosition() const { return F.InsertPosition; }
    void SetInsertPosition(TInsertPosition Value) { F.InsertPosition = Value; }
    TClipboardPasteAction ClipboardPasteAction() const { return F.ClipboardPasteAction; }
    void SetClipboardPasteAction(TClipboardPasteAction Value) { F.ClipboardPasteAction = Value; }
    TCursorAdvance CursorAdvance() const { return F.CursorAdvance; }
    void SetCursorAdvance(TCursorAdvance Value) { F.CursorAdvance = Value; }
    THomeEndAction HomeEndKey() const { return F.HomeEndKey; }
    void SetHomeEndKey(THomeEndAction Value) { F.HomeEndKey = Value; }

    TSettingsNotifyEvent OnChange;

private:
    struct TValues {
        bool AdvanceOnEnterLoop = true;
        bool AdvanceAutoEdit = true;
        bool AdvanceSkipReadOnlyCells = true;
        bool AllowCtrlEnter = true;
        bool AllowClipboardRowGrow = true;
        bool AllowClipboardColGrow = true;
        bool EditSelectAll = true;
        bool ComboGetUpDown = true;
        bool CursorWalkAlwaysEdit = true;
        bool LeftRightRowSelect = true;
        bool CopyHTMLTagsToClipboard = true;
        bool SkipFixedCells = true;
        bool SkipDisabledRows = true;
        bool AllowInsertRow = false;
        bool AllowDeleteRow = false;
        bool AlwaysEdit = false;
        bool AdvanceOnEnter = false;
        bool AdvanceInsert = false;
        bool AutoGotoWhenSorted = false;
        bool AutoGotoIncremental = false;
        bool AutoComboDropSize = false;
        bool AllowClipboardShortCuts = false;
        bool AllowSmartClipboard = false;
        bool AllowRTFClipboard = false;
        bool AllowFmtClipboard = false;
        bool AllowClipboardAlways = false;
        bool AdvanceAuto = false;
        bool AppendOnArrowDown = false;
        bool CursorWalkEditor = false;
        bool CursorMoveRows = false;
        bool MoveRowOnSort = false;
        bool KeepScrollOnSort = false;
        bool MoveScrollOnly = false;
        bool ImproveMaskSel = false;
        bool KeepHorizScroll = false;
        bool LineFeedOnEnter = false;
        bool TabToNextAtEnd = false;
        TAdvanceDirection AdvanceDirection = adLeftRight;
        TAdvanceDirection TabAdvanceDirection = adLeftRight;
        TInsertPosition InsertPosition = pInsertBefore;
        TClipboardPasteAction ClipboardPasteAction = paReplace;
        TCursorAdvance CursorAdvance = caDefault;
        THomeEndAction HomeEndKey = heFirstLastColumn;
    };
    void Changed();

    TValues F;
};

// ---------------------------------------------------------------------------------------------
// Mouse actions
// ---------------------------------------------------------------------------------------------

enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };

// How the grid answers the mouse.
class TMouseActions : public TPersistent {
public:
    explicit TMouseActions(TComponent* AOwner);
    ~TMouseActions() override;

    // Copies every published value but EditOnDblClickOnly, HotmailRowSelect, SizeFixedRow and
    // FixedComboValues; silent.
    void Assign(TPersistent* Source) override;

    bool AutoSizeColOnDblClick() const { return F.AutoSizeColOnDblClick; }
    void SetAutoSizeColOnDblClick(bool Value) { F.AutoSizeColOnDblClick = Value; }
    bool PreciseNodeClick() const { return F.PreciseNodeClick; }
    void SetPreciseNodeClick(bool Value) { F.PreciseNodeClick = Value; }
    bool AllColumnSize() const { return F.AllColumnSize; }
    void SetAllColumnSize(bool Value) { F.AllColumnSize = Value; }
    bool AllRowSize() const { return F.AllRowSize; }
    void SetAllRowSize(bool Value) { F.AllRowSize = Value; }
    bool AllSelect() const { return F.AllSelect; }
    void SetAllSelect(bool Value) { F.AllSelect = Value; }
    bool CaretPositioning() const { return F.CaretPositioning; }
    void SetCaretPositioning(bool Value) { F.CaretPositioning = Value; }
    bool CheckAllCheck() const { return F.CheckAllCheck; }
    void SetCheckAllCheck(bool Value) { F.CheckAllCheck = Value; }
    bool ColSelect() const { return F.ColSelect; }
    void SetColSelect(bool Value) { F.ColSelect = Value; }
    bool DirectComboClose() const { return F.DirectComboClose; }
    void SetDirectComboClose(bool Value) { F.DirectComboClose = Value; }
    bool DirectComboDrop() const { return F.DirectComboDrop; }
    void SetDirectComboDrop(bool Value) { F.DirectComboDrop = Value; }
    bool DirectDateClose() const { return F.DirectDateClose; }
    void SetDirectDateClose(bool Value) { F.DirectDateClose = Value; }
    bool DirectDateDrop() const { return F.DirectDateDrop; }
    void SetDirectDateDrop(bool Value) { F.DirectDateDrop = Value; }
    bool DirectEdit() const { return F.DirectEdit; }
    void SetDirectEdit(bool Value) { F.DirectEdit = Value; }
    bool DisjunctRowSelect() const { return F.DisjunctRowSelect; }
    // The three disjunct setters: a true value in the designer turns the other two off.
    void SetDisjunctRowSelect(bool Value);
    bool DisjunctRowSelectNoCtrl() const { return F.DisjunctRowSelectNoCtrl; }
    void SetDisjunctRowSelectNoCtrl(bool Value) { F.DisjunctRowSelectNoCtrl = Value; }
    bool DisjunctColSelect() const { return F.DisjunctColSelect; }
    void SetDisjunctColSelect(bool Value);
    bool DisjunctCellSelect() const { return F.DisjunctCellSelect; }
    void SetDisjunctCellSelect(bool Value);
    // The field itself, without the designer rule.
    bool DisjunctRowSelectDirect() const { return F.DisjunctRowSelect; }
    void SetDisjunctRowSelectDirect(bool Value) { F.DisjunctRowSelect = Value; }
    bool EditOnDblClickOnly() const { return F.EditOnDblClickOnly; }
    // Turning it on fires OnDisableEdit.
    void SetEditOnDblClickOnly(bool Value);
    bool HotmailRowSelect() const { return F.HotmailRowSelect; }
    // Turning it on also turns DisjunctRowSelect and CheckAllCheck on; fires OnInvalidate.
    void SetHotmailRowSelect(bool Value);
    bool MoveRowOnNodeClick() const { return F.MoveRowOnNodeClick; }
    void SetMoveRowOnNodeClick(bool Value) { F.MoveRowOnNodeClick = Value; }
    bool NoAutoRangeScroll() const { return F.NoAutoRangeScroll; }
    void SetNoAutoRangeScroll(bool Value) { F.NoAutoRangeScroll = Value; }
    bool NodeAllExpandContract() const { return F.NodeAllExpandContract; }
    void SetNodeAllExpandContract(bool Value) { F.NodeAllExpandContract = Value; }
    bool NoScrollOnPartialRow() const { return F.NoScrollOnPartialRow; }
    void SetNoScrollOnPartialRow(bool Value) { F.NoScrollOnPartialRow = Value; }
    bool PreciseCheckBoxCheck() const { return F.PreciseCheckBoxCheck; }
    void SetPreciseCheckBoxCheck(bool Value) { F.PreciseCheckBoxCheck = Value; }
    bool RangeSelectAndEdit() const { return F.RangeSelectAndEdit; }
    void SetRangeSelectAndEdit(bool Value) { F.RangeSelectAndEdit = Value; }
    bool RowSelect() const { return F.RowSelect; }
    void SetRowSelect(bool Value) { F.RowSelect = Value; }
    bool RowSelectPersistent() const { return F.RowSelectPersistent; }
    void SetRowSelectPersistent(bool Value) { F.RowSelectPersistent = Value; }
    bool SelectOnRightClick() const { return F.SelectOnRightClick; }
    void SetSelectOnRightClick(bool Value) { F.SelectOnRightClick = Value; }
    bool SizeFixedCol() const { return F.SizeFixedCol; }
    void SetSizeFixedCol(bool Value) { F.SizeFixedCol = Value; }
    bool SizeFixedRow() const { return F.SizeFixedRow; }
    void SetSizeFixedRow(bool Value) { F.SizeFixedRow = Value; }
    TGridFixedCellEdit FixedRowsEdit() const { return F.FixedRowsEdit; }
    void SetFixedRowsEdit(TGridFixedCellEdit Value) { F.FixedRowsEdit = Value; }
    TGridFixedCellEdit FixedColsEdit() const { return F.FixedColsEdit; }
    void SetFixedColsEdit(TGridFixedCellEdit Value) { F.FixedColsEdit = Value; }
    TGridFixedCellEditor FixedRowsEditor() const { return F.FixedRowsEditor; }
    void SetFixedRowsEditor(TGridFixedCellEditor Value) { F.FixedRowsEditor = Value; }
    TGridFixedCellEditor FixedColsEditor() const { return F.FixedColsEditor; }
    void SetFixedColsEditor(TGridFixedCellEditor Value) { F.FixedColsEditor = Value; }
    TStringList* FixedComboValues() const { return FFixedComboValues.get(); }
    // Copies the lines into the owned list.
    void SetFixedComboValues(TStrings* Value);
    int32_t WheelIncrement() const { return F.WheelIncrement; }
    void SetWheelIncrement(int32_t Value) { F.WheelIncrement = Value; }
    TWheelAction WheelAction() const { return F.WheelAction; }
    void SetWheelAction(TWheelAction Value);

    TSettingsNotifyEvent OnChange;
    TSettingsNotifyEvent OnInvalidate;
    TSettingsNotifyEvent OnDisableEdit;
    std::function<void(TObject* Sender, bool& IsDesigning)> OnIsDesigning;

private:
    struct TValues {
        bool AutoSizeColOnDblClick = true;
        bool PreciseNodeClick = true;
        bool AllColumnSize = false;
        bool AllRowSize = false;
        bool AllSelect = false;
        bool CaretPositioning = false;
        bool CheckAllCheck = false;
        bool ColSelect = false;
        bool DirectComboClose = false;
        bool DirectComboDrop = false;
        bool DirectDateClose = false;
        bool DirectDateDrop = false;
        bool DirectEdit = false;
        bool DisjunctRowSelect = false;
        bool DisjunctRowSelectNoCtrl = false;
        bool DisjunctColSelect = false;
        bool DisjunctCellSelect = false;
        bool EditOnDblClickOnly = false;
        bool HotmailRowSelect = false;
        bool MoveRowOnNodeClick = false;
        bool NoAutoRangeScroll = false;
        bool NodeAllExpandContract = false;
        bool NoScrollOnPartialRow = false;
        bool PreciseCheckBoxCheck = false;
        bool RangeSelectAndEdit = false;
        bool RowSelect = false;
        bool RowSelectPersistent = false;
        bool SelectOnRightClick = false;
        bool SizeFixedCol = false;
        bool SizeFixedRow = false;
        TGridFixedCellEdit FixedRowsEdit = fceNone;
        TGridFixedCellEdit FixedColsEdit = fceNone;
        TGridFixedCellEditor FixedRowsEditor = fceEdit;
        TGridFixedCellEditor FixedColsEditor = fceEdit;
        int32_t WheelIncrement = 0;
        TWheelAction WheelAction = waMoveSelection;
    };
    bool IsDesigning();
    // Stores Value into Field; a true value in the designer clears the two others.
    void SetDisjunct(bool& Field, bool Value, bool& Other1, bool& Other2);

    TValues F;
    std::unique_ptr<TStringList> FFixedComboValues;
};

// ---------------------------------------------------------------------------------------------
// Grid synchronisation, bands, focus window
// ---------------------------------------------------------------------------------------------

// Another grid that scrolls, selects or moves along with the owner grid.
class TSyncGrid : public TPersistent {
public:
    explicit TSyncGrid(TStringGrid* AOwner) : FOwner(AOwner) {}

    // Copies all seven values, the grid through its setter; silent.
    void Assign(TPersistent* Source) override;

    // Not owned.
    TStringGrid* Grid() const { return FGrid; }
    // The owner grid itself is ignored.
    void SetGrid(TStringGrid* Value);
    bool ScrollVertical() const { return FScrollVertical; }
    void SetScrollVertical(bool Value) { FScrollVertical = Value; }
    bool ScrollHorizontal() const { return FScrollHorizontal; }
    void SetScrollHorizontal(bool Value) { FScrollHorizontal = Value; }
    bool SelectionColumn() const { return FSelectionColumn; }
    void SetSelectionColumn(bool Value) { FSelectionColumn = Value; }
    bool SelectionRow() const { return FSelectionRow; }
    void SetSelectionRow(bool Value) { FSelectionRow = Value; }
    bool MoveColumn() const { return FMoveColumn; }
    void SetMoveColumn(bool Value) { FMoveColumn = Value; }
    bool MoveRow() const { return FMoveRow; }
    void SetMoveRow(bool Value) { FMoveRow = Value; }

private:
    TStringGrid* FOwner;
    TStringGrid* FGrid = nullptr;
    bool FScrollVertical = false;
    bool FScrollHorizontal = false;
    bool FSelectionColumn = false;
    bool FSelectionRow = false;
    bool FMoveColumn = false;
    bool FMoveRow = false;
};

// Row colours in alternating bands of PrimaryLength and SecondaryLength rows. Colours and lengths
// report changes only while Active.
class TBands : public TPersistent {
public:
    TBands() = default;

    // Copies Active, the colours, the lengths and Print, silently, and recomputes TotalLength.
    void Assign(TPersistent* Source) override;

    bool Active() const { return FActive; }
    void SetActive(bool Value);
    TColor PrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(TColor Value);
    int32_t PrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int32_t Value);
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor Value);
    int32_t SecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int32_t Value);
    bool Print() const { return FPrint; }
    void SetPrint(bool Value) { FPrint = Value; }
    // PrimaryLength + SecondaryLength.
    int32_t TotalLength() const { return FTotalLength; }

    TSettingsNotifyEvent OnChange;

private:
    void ChangedWhileActive();

    bool FActive = false;
    TColor FPrimaryColor = clInfoBk;
    int32_t FPrimaryLength = 1;
    TColor FSecondaryColor = clWindow;
    int32_t FSecondaryLength = 1;
    bool FPrint = false;
    int32_t FTotalLength = 2;
};

// Whether the grid shows a focus window over the current cell.
class TFocusHelper : public TPersistent {
public:
    explicit TFocusHelper(TComponent*) {}

    void Assign(TPersistent* Source) override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }

private:
    bool FEnabled = false;
};
