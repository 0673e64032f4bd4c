// The string grid's enumerations, sets and event types.
#pragma once

#include "grid/base/BaseGrid.h"
#include "grid/base/GridSettings.h"
#include "grid/core/CellTypes.h"

#include "graphics/Colors.h"
#include "rtl/DateTime.h"
#include "rtl/Set.h"
#include "rtl/Types.h"
#include "windows/Controls.h"
#include "windows/Grids.h"

#include <QString>

#include <cstdint>
#include <functional>

class TBrush;
class TCanvas;
class TCheckListBox;
class TEditLink;
class TFont;
class TPen;
class TPopupMenu;
class TStringList;
class TStrings;

enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TSet<TCellBorder>;

// How two cells of a column compare when sorting.
enum TSortStyle {
    ssAutomatic,
    ssAlphabetic,
    ssNumeric,
    ssDate,
    ssAlphaNoCase,
    ssAlphaCase,
    ssShortDateEU,
    ssShortDateUS,
    ssCustom,
    ssFinancial,
    ssAnsiAlphaCase,
    ssAnsiAlphaNoCase,
    ssRaw,
    ssHTML,
    ssImages,
    ssCheckBox,
    ssDateTime,
    ssTime,
    ssAlphaNumeric,
    ssAlphaNumericNoCase
};
enum TSortDirection { sdAscending, sdDescending };
enum TSortBlankPosition { blFirst, blLast };
enum TIndexSortKey { ikShift, ikCtrl };

enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };
enum TGridLook { glStandard, glSoft, glClassic, glVyx, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
enum TExtGridStyle {
    gsOffice2003Blue,
    gsOffice2003Silver,
    gsOffice2003Olive,
    gsOffice2003Classic,
    gsOffice2007Luna,
    gsOffice2007Obsidian,
    gsWindowsXP,
    gsWhidbey,
    gsCustom,
    gsOffice2007Silver,
    gsWindowsVista,
    gsWindows7,
    gsTerminal,
    gsOffice2010Blue,
    gsOffice2010Silver,
    gsOffice2010Black
};

// How the in-cell controls are drawn. The platform's control style set has the same name, so the
// type lives in a namespace (the grid classes name it TControlLook::TControlStyle).
namespace ExtGrid {
enum TControlStyle { csClassic, csFlat, csWinXP, csBorland, csVyx, csGlyph, csTheme };
}
using enum ExtGrid::TControlStyle;

enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum THintShowLargeTextPos { hpCell, hpCursor };
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum TFilterDropDownColumns { fdNormal, fdAll };
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };
enum TClipOperation { coCut, coCopy };
enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };
enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };
enum TDragScrollDirectionItem { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirection = TSet<TDragScrollDirectionItem>;
enum TGridExportState { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow };
enum TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };

enum TFindParameters {
    fnMatchCase,
    fnMatchFull,
    fnMatchRegular,
    fnDirectionLeftRight,
    fnMatchStart,
    fnFindInCurrentRow,
    fnFindInCurrentCol,
    fnIncludeFixed,
    fnAutoGoto,
    fnIgnoreHTMLTags,
    fnBackward,
    fnIncludeHiddenColumns,
    fnFindInPresetCol,
    fnFindInPresetRow,
    fnSelectedCells,
    fnIncludeHiddenRows
};
using TFindParams = TSet<TFindParameters>;

// Properties of an in-cell scroll bar.
struct TScrollProp {
    int32_t PageSize = 0;
    int32_t Range = 0;
    bool operator==(const TScrollProp&) const = default;
};

// The one listener the grid tells of each cell it enters.
class ITExtStringGridSelect {
public:
    virtual ~ITExtStringGridSelect() = default;
    virtual void CellSelected(int32_t ACol, int32_t ARow) = 0;
};

// ---- Event types: Sender is the grid; the argument order is each type's own ----
using TGridNotify = std::function<void(TObject* Sender)>;
using TAfterCellPasteEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, const QString& Value)>;
using TAfterCellPasteWideEvent = TAfterCellPasteEvent;
using TAnchorClickEvent =
    std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, const QString& Anchor, bool& AutoHandle)>;
using TAnchorEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, const QString& Anchor)>;
using TAnchorHintEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, QString& Anchor)>;
using TAutoAddRowEvent = std::function<void(TObject* Sender, int32_t ARow)>;
using TAutoAdvanceEvent = std::function<void(TObject* Sender, int32_t OldRow, int32_t OldCol, int32_t& NewRow,
                                             int32_t& NewCol, bool& Allow)>;
using TAutoDeleteRowEvent = std::function<void(TObject* Sender, int32_t ARow)>;
using TAutoInsertColEvent = std::function<void(TObject* Sender, int32_t ACol)>;
using TAutoInsertRowEvent = std::function<void(TObject* Sender, int32_t ARow)>;
using TBeforeCellPasteEvent =
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, QString& Value, bool& Allow)>;
using TBeforeCellPasteWideEvent = TBeforeCellPasteEvent;
using TButtonClickEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow)>;
using TCalcFooterEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, QString& Value)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TCanClickCellEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, bool& Allow)>;
using TCanDeleteRowEvent = std::function<void(TObject* Sender, int32_t ARow, bool& CanDelete)>;
using TCanEditCellEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, bool& CanEdit)>;
using TCanInsertRowEvent = std::function<void(TObject* Sender, int32_t ARow, bool& CanInsert)>;
using TCanShowFixedDropDownEvent = std::function<void(TObject* Sender, int32_t ACol, bool& CanShow)>;
using TCanSortEvent = std::function<void(TObject* Sender, int32_t ACol, bool& DoSort)>;
using TCellChangingEvent = std::function<void(TObject* Sender, int32_t OldRow, int32_t OldCol, int32_t NewRow,
                                              int32_t NewCol, bool& Allow)>;
using TCellComboControlEvent =
    std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, const QString& CtrlID, const QString& CtrlType,
                       const QString& CtrlVal, TStringList* Values, bool& Edit, int32_t& DropCount)>;
using TCellComboControlSelectEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, int32_t ItemIndex,
                                                        const QString& CtrlID, const QString& CtrlValue)>;
using TCellControlEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, const QString& CtrlID,
                                             const QString& CtrlType, const QString& CtrlVal)>;
using TCellCursorEvent =
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, int32_t X, int32_t Y, TCursor& ACursor)>;
using TCellSaveLoadEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, QString& Value)>;
using TCellValidateEvent =
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, QString& Value, bool& Valid)>;
using TCellValidateWideEvent = TCellValidateEvent;
using TCellsChangedEvent = std::function<void(TObject* Sender, const TRect& R)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, bool State)>;
using TClickCellEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol)>;
using TClickSortEvent = std::function<void(TObject* Sender, int32_t ACol)>;
using TClipboardEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TColChangingEvent = std::function<void(TObject* Sender, int32_t OldCol, int32_t NewCol, bool& Allow)>;
using TColorSelectEvent =
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, TColor Color, const QString& Value)>;
using TColorSelectedEvent =
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, TColor& Color, QString& Value)>;
using TColumnSizeEvent = std::function<void(TObject* Sender, int32_t ACol, bool& Allow)>;
using TColumnSizingEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ColumnSize)>;
using TComboChangeEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, int32_t AItemIndex,
                                             const QString& ASelection)>;
using TComboObjectChangeEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, int32_t AItemIndex,
                                                   const QString& ASelection, TObject* AObject)>;
using TCustomCellDrawEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int32_t ACol, int32_t ARow,
                                                TGridDrawState AState, const TRect& ARect, bool Printing)>;
using TCustomCellSizeEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int32_t ACol, int32_t ARow,
                                                TPoint& ASize, bool Printing)>;
using TCustomCompareEvent =
    std::function<void(TObject* Sender, const QString& str1, const QString& str2, int32_t& Res)>;
using TCustomFilterEvent = std::function<void(TObject* Sender, int32_t ARow, bool& AcceptRow)>;
using TCustomStrToDateEvent = std::function<void(TObject* Sender, const QString& Value, TDateTime& ADate)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, TDateTime ADateTime)>;
using TDateTimeSpinClickEvent =
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, TDateTime AValue, bool UpDown)>;
using TDblClickCellEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol)>;
using TDoFitToPageEvent = std::function<void(TObject* Sender, double& ScaleFactor, bool& Allow)>;
using TDragScrollEvent = std::function<void(TObject* Sender, int32_t TopRow, int32_t LeftCol,
                                            TDragScrollDirection& DragScrollDir, bool& CanScroll)>;
using TDropDownButtonClickEvent =
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, int32_t ButtonIndex)>;
using TEditCellDoneEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow)>;
using TEditChangeEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, const QString& Value)>;
using TEllipsClickEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, QString& S)>;
using TEndColumnSizeEvent = std::function<void(TObject* Sender, int32_t ACol)>;
using TEndRowSizeEvent = std::function<void(TObject* Sender, int32_t ARow)>;
using TExpandClickEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, bool Expanded)>;
using TFilterCheckEvent = std::function<void(TObject* Sender, int32_t Column, int32_t ItemIndex,
                                             const QString& FriendlyName, QString& FilterCondition,
                                             TCheckListBox* CheckList)>;
using TFilterSelectEvent = std::function<void(TObject* Sender, int32_t Column, int32_t ItemIndex,
                                              const QString& FriendlyName, QString& FilterCondition)>;
using TFixedDropDownEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, TPopupMenu*& AMenu,
                                               bool& KeepFixedCellHighlighted)>;
using TFixedEditEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, TGridFixedCellEditor& AEditor,
                                           TStrings* Values)>;
using TFloatFormatEvent =
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, bool& IsFloat, QString& FloatFormat)>;
using TFloatSpinClickEvent =
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, double AValue, bool UpDown)>;
using TFooterPaintEvent = std::function<void(TObject* Sender, int32_t AColumn, TCanvas* Canvas, const TRect& ARect)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, QString& Value)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, int32_t Column, TStrings* Filter)>;
using TGetEditorPropEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, TEditLink* AEditLink)>;
using TGetEditorTypeEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, TEditorType& AEditor)>;
using TGridAlignEvent =
    std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridBalloonEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, QString& ATitle,
                                             QString& AText, int32_t& AIcon)>;
using TGridBorderEvent =
    std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, TPen* APen, TCellBorders& Borders)>;
using TGridBorderPropEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, TPen* LeftPen,
                                                TPen* TopPen, TPen* RightPen, TPen* BottomPen)>;
using TGridColorEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, TGridDrawState AState,
                                           TBrush* ABrush, TFont* AFont)>;
using TGridFormatEvent = std::function<void(TObject* Sender, int32_t ACol, TSortStyle& AStyle, QString& aPrefix,
                                            QString& aSuffix)>;
using TGridGradientEvent =
    std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, TColor& Color, TColor& ColorTo,
                       TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TGridHintEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, QString& hintstr)>;
using TGridPrintCancelEvent = std::function<void(TObject* Sender, int32_t PageNr, bool& Cancel)>;
using TGridPrintColumnWidthEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t& Width)>;
using TGridPrintNewPageEvent = std::function<void(TObject* Sender, int32_t ARow, bool& NewPage)>;
using TGridPrintPageDoneEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int32_t LastRow, int32_t LastRowOffset, int32_t LastPage,
                       int32_t PageXSize, int32_t PageYSize)>;
using TGridPrintPageEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int32_t PageNr, int32_t PageXSize, int32_t PageYSize)>;
using TGridPrintPageNumEvent =
    std::function<void(TObject* Sender, int32_t PageNum, int32_t PageColNum, QString& PageNumString)>;
using TGridPrintRowHeightEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t& Height)>;
using TGridPrintStartEvent =
    std::function<void(TObject* Sender, int32_t NrOfPages, int32_t& FromPage, int32_t& ToPage)>;
using TGridProgressEvent = std::function<void(TObject* Sender, int16_t progress)>;
using TGridWideHintEvent = TGridHintEvent;
using TGroupCalcEvent =
    std::function<void(TObject* Sender, int32_t ACol, int32_t FromRow, int32_t ToRow, double& Res)>;
using THasComboEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, bool& HasComboBox)>;
using THasSpinEditEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, bool& HasSpinEdit)>;
using TImageSelectEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, int32_t Index)>;
using TImageSelectedEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, int32_t& Index)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, bool& IsFixed)>;
using TIsPasswordCellEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, bool& IsPassword)>;
using TNodeAllowEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ARowReal, bool& Allow)>;
using TNodeClickEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ARowreal)>;
using TOleDragDropEvent =
    std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, const QString& data, bool& Allow)>;
using TOleDragOverEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, bool& Allow)>;
using TOleDragStartEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol)>;
using TOleDragStopEvent = std::function<void(TObject* Sender, int32_t OLEEffect)>;
using TOleDropColEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, int32_t DropCol)>;
using TOleDropFileEvent =
    std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, const QString& FileName, bool& Allow)>;
using TOleDropURLEvent =
    std::function<void(TObject* Sender, int32_t ARow, int32_t ACol, const QString& URL, bool& Allow)>;
using TOleDroppedEvent = std::function<void(TObject* Sender, const TGridRect& ARect)>;
using TRadioButtonClickEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow)>;
using TRadioClickEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, int32_t AIdx)>;
using TRatingChangeEvent =
    std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, double& NewRate, bool& Allow)>;
using TRawCompareEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t Row1, int32_t Row2, int32_t& Res)>;
using TRowChangedEvent = std::function<void(TObject* Sender, int32_t OldRow, int32_t NewRow)>;
using TRowChangingEvent = std::function<void(TObject* Sender, int32_t OldRow, int32_t NewRow, bool& Allow)>;
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, int32_t ARow, bool AState, bool& Allow)>;
using TRowSizeEvent = std::function<void(TObject* Sender, int32_t ARow, bool& Allow)>;
using TRowSizingEvent = std::function<void(TObject* Sender, int32_t ARow, int32_t RowSize)>;
using TScrollCellEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, int32_t ScrollPosition,
                                            int32_t ScrollMin, int32_t ScrollMax)>;
using TScrollHintEvent = std::function<void(TObject* Sender, int32_t ARow, QString& hintstr)>;
using TSearchEditChangeEvent = std::function<void(TObject* Sender, const QString& Value, bool& DefaultSearch)>;
using TSearchFooterActionEvent = std::function<void(TObject* Sender, const QString& Value, int32_t ACol,
                                                    int32_t ARow, TSearchAction SearchAction)>;
using TSelectionChanged =
    std::function<void(TObject* Sender, int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom)>;
using TSelectionResizeEvent =
    std::function<void(TObject* Sender, const TGridRect& OrigSelection, const TGridRect& NewSelection)>;
using TSpinClickEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, int32_t AValue, bool UpDown)>;
using TUnitChangedEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, const QString& NewUnit)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t& AWidth)>;
using TWordWrapEvent = std::function<void(TObject* Sender, int32_t ACol, int32_t ARow, bool& WordWrap)>;
// The platform's hint-show event (hint text, may show, hint data); the grid never assigns it.
using TShowHintEvent = std::function<void(QString& HintStr, bool& CanShow, THintInfo& HintInfo)>;
