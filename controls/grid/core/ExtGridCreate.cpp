// TExtStringGrid: construction with every default, destruction, and clearing cell rectangles.
#include "grid/core/ExtGrid.h"

#include "grid/core/FlagList.h"

#include "grid/core/DropLists.h"
#include "grid/core/HeaderDragButton.h"
#include "grid/core/ControlEditors.h"
#include "grid/core/TransEditors.h"

#include "grid/base/GridMarkers.h"
#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/base/PictureContainer.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/CellNode.h"
#include "grid/core/ColumnSize.h"
#include "grid/core/ControlLook.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/FooterPanel.h"
#include "grid/view/GridDateEditors.h"
#include "grid/view/GridDropDownEditors.h"
#include "grid/view/GridEditors.h"
#include "grid/view/GridValueEditors.h"
#include "grid/core/GridItems.h"
#include "grid/core/HiddenRows.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SearchPanel.h"
#include "grid/core/SortSettings.h"

#include "graphics/Bitmap.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/Collection.h"
#include "rtl/Strings.h"
#include "windows/ComCtrls.h"
#include "windows/Forms.h"
#include "windows/SystemMetrics.h"

#include <algorithm>

namespace {

void EnsureUnitStarted()
{
    static bool Started = false;
    if (Started) return;
    Started = true;
    ExtGridInitialization();
}

}  // namespace

TExtStringGrid::TExtStringGrid(TComponent* AOwner) : TBaseGrid(AOwner)
{
    EnsureUnitStarted();

    // 1. Controls can be placed on the grid.
    TControlStyle Style = ControlStyle();
    Style.Include(csAcceptsControls);
    TBaseGrid::SetControlStyle(Style);
    const bool DesignStart = Designing() && !(AOwner && (AOwner->ComponentState().Contains(csReading) ||
                                                         AOwner->ComponentState().Contains(csLoading)));

    // 2. Scalars beyond the field defaults.
    for (TColorTone* Tone : {&FTones.Background, &FTones.Foreground, &FTones.Selected, &FTones.Hover,
                             &FTones.Disabled}) {
        Tone->BrushColor = clNone;
        Tone->BorderColor = clNone;
    }

    // 3. The footer and search panels, docked at the bottom without height.
    FFooterPanel = new TFooterPanel(this);
    FSearchPanel = new TSearchPanel(this);
    for (TCustomPanel* Panel : {static_cast<TCustomPanel*>(FFooterPanel), static_cast<TCustomPanel*>(FSearchPanel)}) {
        Panel->SetAlign(alBottom);
        Panel->SetHeight(0);
        Panel->SetBorderWidth(0);
    }
    FSearchPanel->OnEditChange = [this](TObject* Sender) { SearchEditChanged(Sender); };
    FSearchPanel->OnBackwardClick = [this](TObject* Sender) { SearchFindPrevious(Sender); };
    FSearchPanel->OnForwardClick = [this](TObject* Sender) { SearchFindNext(Sender); };
    FSearchPanel->OnExitClick = [this](TObject* Sender) { CloseSearchFooter(Sender); };
    FSearchPanel->OnHighlightClick = [this](TObject* Sender) { SearchHighlightClick(Sender); };

    // 4. Settings objects.
    cf = std::make_unique<TFont>();
    FFocusHelper = std::make_unique<TFocusHelper>(this);
    FSearchFooter = std::make_unique<TSearchFooter>(this, DesignStart);
    FSearchFooter->OnChange = [this](TObject*) { UpdateSearchPanel(); };
    FFloatingFooter = std::make_unique<TFloatingFooter>(this);
    FSortSettings = std::make_unique<TSortSettings>(this);
    FDragDropSettings = std::make_unique<TDragDropSettings>(this);
    FDragScrollOptions = std::make_unique<TDragScrollOptions>();
    FControlLook = std::make_unique<TControlLook>(this);
    FNavigation = std::make_unique<TNavigation>();
    FNavigation->OnChange = [this](TObject*) { NavigationChanged(); };
    FColumnSize = new TColumnSize(this);
    FCellNode = std::make_unique<TCellNode>(this);
    FBands = std::make_unique<TBands>();
    FBands->OnChange = [this](TObject*) { Invalidate(); };
    FMouseActions = std::make_unique<TMouseActions>(this);
    FMouseActions->OnChange = [this](TObject*) { MouseActionsChanged(); };
    FMouseActions->OnIsDesigning = [this](TObject*, bool& Value) { IsDesigning(Value); };
    FMouseActions->OnInvalidate = [this](TObject*) { MouseActionsInvalidate(); };
    FGrouping = std::make_unique<TGrouping>();
    FColumnHeaders = std::make_unique<TStringList>();
    FColumnHeaders->OnChange = [this](TObject*) {
        ColumnHeadersChanged();
        ShowColumnHeaders();
    };
    FImageCache = std::make_unique<THTMLPictureCache>();

    // 5. Texts and lists.
    FXMLEncoding = QStringLiteral("ISO-8859-1");
    FFilterDropDownClear = QStringLiteral("(All)");
    FOrigColSizes = std::make_unique<TIntList>(-1, -1);

    // 6, 7. Fonts of the fixed cells and of the active-cell headers.
    FFixedFont = std::make_unique<TFont>();
    FFixedFont->SetName(QStringLiteral("Tahoma"));
    FFixedFont->SetStyle({fsBold});
    FFixedFont->OnChange = [this](TObject*) { Invalidate(); };
    FActiveCellFont = std::make_unique<TFont>();
    if (Designing()) FActiveCellFont->SetName(QStringLiteral("Tahoma"));
    FActiveCellFont->SetStyle({fsBold});
    FActiveCellFont->OnChange = [this](TObject*) { Invalidate(); };

    // 8. Header and lookup lists, selections and the index lists.
    FRowHeaders = std::make_unique<TStringList>();
    FRowHeaders->OnChange = [this](TObject*) { ShowRowHeaders(); };
    Sortlist = std::make_unique<TStringList>();
    FLookupItems = std::make_unique<TStringList>();
    FRowSelect = std::make_unique<TFlagList>();
    FColSelect = std::make_unique<TFlagList>();
    FModifiedRows = std::make_unique<TFlagList>();
    FEnabledRows = std::make_unique<TFlagList>();
    FSortIndexes = std::make_unique<TSortIndexList>();
    for (auto* List : {&FSortRowXRef, &FUnSortRowXRef, &FMergedColumns, &FSelectedRows})
        *List = std::make_unique<TIntList>(0, 0);
    FMergedColumns->OnChange = [this](TObject*, int32_t, int32_t) { MergedColumnsChanged(); };

    // 9. Background, cell controls, progress look, synchronisation.
    FRowIndicator = std::make_unique<TBitmap>();
    FBackGround = std::make_unique<TBackGround>(this);
    FControlList = std::make_unique<TControlList>();
    FProgressAppearance = std::make_unique<TGridProgressAppearance>();
    FProgressAppearance->OnChange = [this](TObject*) { Invalidate(); };
    FSyncGrid = std::make_unique<TSyncGrid>(this);

    // 10. Size; hidden rows and the filter.
    SetRowCount(10);
    SetWidth(400);
    SetHeight(250);
    FGridItems = std::make_unique<TGridItems>();
    FFilter = std::make_unique<TFilter>(this);
    SetAutoSize(false);

    // 12. Balloons and the modified-row marker.
    FBalloonSettings = std::make_unique<TBalloonSettings>();
    FBalloonSettings->OnEnableChange = [this](TObject*) {
        if (ComponentState().Contains(csLoading)) return;
        if (FBalloonSettings->Enable()) BalloonInit();
        else BalloonDone();
    };
    FShowModified = std::make_unique<TShowModified>();
    FShowModified->OnChange = [this](TObject*) { RepaintCol(0); };

    // 13. The owner form's resize handler is chained.
    if (auto* Form = dynamic_cast<TCustomForm*>(AOwner); Form && !Designing()) {
        if (Form->OnResize) {
            FOnResize = Form->OnResize;
            ResizeAssigned = true;
        }
        Form->OnResize = TFormResizeLink{this};
        PrevSizeX = Form->Width();
        PrevSizeY = Form->Height();
    }

    // 14. Columns all shown; texts, row height, look.
    FVisibleCol.fill(true);
    FFloatFormat = QStringLiteral("%.2f");
    FCheckTrue = QStringLiteral("Y");
    FCheckFalse = QStringLiteral("N");
    SetDefaultRowHeight(22);
    FFixedRowHeight = DefaultRowHeight();
    FVyxGradFrom = 0xFFFFFF;
    FVyxGradTo = ColorToRGB(clBtnFace);

    // 15. Platform facts.
    FIsWinXP = IsWinXPVersion(WindowsMajorVersion, WindowsMinorVersion);
    FIsWin7 = IsWin7Version(WindowsMajorVersion, WindowsMinorVersion);
    FIsComCtl6 = (GetModuleFileVersion(QStringLiteral("COMCTL32.DLL")) >> 16) > 5;
    FBorderColor = FIsWinXP ? TColor(0xB99D7F) : TColor(0x808080);
    FScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    FIsWinVista = IsVistaOrLater();

    // 16. Notifiers, column order, the shared row-check graphic, the filter list.
    FNotifierList = std::make_unique<TList>();
    FColumnOrder = std::make_unique<TIntList>(0, 0);
    FCellGraphic = std::make_unique<TCellGraphic>();
    FIgnoreColumns = std::make_unique<TIntList>(-1, -1);
    FFilterDropDown = std::make_unique<TFilterDropDown>();
    FFilterDropDown->OnChange = [this](TObject*) { Invalidate(); };
    FFilterList = std::make_unique<TStringList>();
    FFilterList->SetDuplicates(dupIgnore);
    FFilterList->SetSorted(true);
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();

    // 17. Run-time companions: the focus window, the column-move arrows, the in-cell scroll bars.
    if (!Designing()) {
        FFocusWindow = new TGridFocusWindow(this);
        ArwU = new TArrowWindow(this, arrUp);
        ArwD = new TArrowWindow(this, arrDown);
        ArwL = new TArrowWindow(this, arrLeft);
        ArwR = new TArrowWindow(this, arrRight);
        EditCombo = new TGridCombo(this);
        EditCombo->SetParent(this);
        EditCombo->SetEnabled(false);
        EditCombo->SetVisible(false);
        EditCombo->SetIsWinXP(FIsWinXP);
        EditCombo->SetIsVista(FIsWinVista && FIsComCtl6);
        EditBtn = new TGridEditBtn(this);
        EditBtn->SetParent(this);
        EditBtn->SetEnabled(false);
        EditBtn->SetVisible(false);
        UnitEditBtn = new TGridUnitEditBtn(this);
        UnitEditBtn->SetParent(this);
        UnitEditBtn->SetEnabled(false);
        UnitEditBtn->SetVisible(false);
        UnitEditBtn->OnUnitChanged = [this](TObject* Sender, const QString& NewUnit) { UnitEditChanged(Sender, NewUnit); };
        EditCheck = new TGridCheckBox(this);
        EditCheck->SetParent(this);
        EditCheck->SetEnabled(false);
        EditCheck->SetVisible(false);
        GridButton = new TGridButton(this);
        GridButton->SetParent(this);
        GridButton->SetEnabled(false);
        GridButton->SetVisible(false);
        FStyle = tsWindowsXP;
        EditMode = false;
        EditControl = edNormal;
        FCtrlEditing = false;
        // The in-cell transparent editors and the header drag button.
        EditTrans = new TGridTransEdit(this);
        EditTrans->SetParent(this);
        EditTrans->SetBorderStyle(bsNone);
        ComboTrans = new TGridTransCombo(this);
        ComboTrans->SetParent(this);
        // The editors of markup form controls.
        FEditControl = new TControlEdit(this);
        FEditControl->SetParent(this);
        FEditControl->SetVisible(false);
        FComboControl = new TControlCombo(this);
        FComboControl->SetParent(this);
        FComboControl->SetVisible(false);
        MoveButton = new THeaderDragButton(this);
        MoveButton->SetGrid(this);
        MoveButton->SetParent(this);
        MoveButton->SetEnabled(false);
        MoveButton->SetVisible(false);
        FScrollBar = new TScrollBar(this);
        FPaintScrollBar = new TScrollBar(this);
        // The filter drop-down's lists, hidden and without size until a header opens one.
        FDropList = new TDropList(this);
        FDropCheckList = new TDropCheckList(this);
        for (TCustomListBox* List : {static_cast<TCustomListBox*>(FDropList), static_cast<TCustomListBox*>(FDropCheckList)}) {
            List->SetVisible(false);
            List->SetBounds(0, 0, 0, 0);
            List->SetParent(this);
        }
        FDropList->OnSelect = [this](TObject* Sender, int32_t ItemIndex) { ApplyFilterListChoice(Sender, ItemIndex); };
        FDropCheckList->OnSelect = [this](TObject* Sender, int32_t) { ApplyFilterCheckList(Sender); };
    }

    // 18.
    GridLinkCursor = -21;
}

TExtStringGrid::~TExtStringGrid()
{
    // Marked first, so the "being destroyed" tests hold in everything below.
    TComponent::Destroying();

    FreeMetroScrollControls();
    if (!Designing()) {
        BalloonDone();
        UnlinkFormResize();
    }
    if (FocusWindowGrid == this) FocusWindowGrid = nullptr;

    FClearTextOnly = false;
    FSaveHiddenCells = false;
    int32_t R = RowCount();
    int32_t C = TotalColCount();
    if (NumHiddenRows() == 0 && FNumNodes == 0) {
        R = std::max(R, FMaxRowCount);
        C = std::max(C, FMaxColCount + FNumHidden);
    }
    if (R > 0 && C > 0 && FHasCellProps) ClearRect(0, 0, C - 1, R - 1);

    cf.reset();
    FFocusHelper.reset();
    FIgnoreColumns.reset();
    FProgressAppearance.reset();
    FFloatingFooter.reset();
    FCellGraphic.reset();
    FControlList.reset();
    for (auto* List : {&FSortRowXRef, &FUnSortRowXRef, &FMergedColumns, &FSelectedRows})
        List->reset();
    FNotifierList.reset();
    FSortSettings.reset();
    FDragDropSettings.reset();
    FDragScrollOptions.reset();
    FControlLook.reset();
    FNavigation.reset();
    FreeDragTimer();
    delete FColumnSize;
    FColumnSize = nullptr;
    FColumnOrder.reset();
    FCellNode.reset();
    FBands.reset();
    FImageCache.reset();
    FMouseActions.reset();
    FColumnHeaders.reset();
    FGrouping.reset();
    FFixedFont.reset();
    FActiveCellFont.reset();
    FRowHeaders.reset();
    FLookupItems.reset();
    FRowSelect.reset();
    FColSelect.reset();
    FModifiedRows.reset();
    FEnabledRows.reset();
    FSortIndexes.reset();
    FRowIndicator.reset();
    FBackGround.reset();
    delete FFooterPanel;
    FFooterPanel = nullptr;
    delete FSearchPanel;
    FSearchPanel = nullptr;
    FSearchFooter.reset();
    FBalloonSettings.reset();
    FShowModified.reset();
    FOrigColSizes.reset();
    FFilterDropDown.reset();
    FFilterList.reset();
    FSyncGrid.reset();
    if (!Designing()) {
        for (TArrowWindow** Arrow : {&ArwU, &ArwD, &ArwL, &ArwR}) {
            delete *Arrow;
            *Arrow = nullptr;
        }
    }
    Sortlist.reset();
    FGridItems.reset();
    FFilter.reset();

    TBaseGrid::SetCursor(FOldCursor);

    delete FEditSpin;
    FEditSpin = nullptr;
    delete FEditDate;
    FEditDate = nullptr;
    delete FEditDateTime;
    FEditDateTime = nullptr;
    delete FEditTrackBar;
    FEditTrackBar = nullptr;
    delete FEditMemo;
    FEditMemo = nullptr;
    delete FEditCalculator;
    FEditCalculator = nullptr;
    delete FEditTimePicker;
    FEditTimePicker = nullptr;
    delete FEditDetailPicker;
    FEditDetailPicker = nullptr;
    delete FEditGridPicker;
    FEditGridPicker = nullptr;
    delete FEditColorPicker;
    FEditColorPicker = nullptr;
    delete FEditImagePicker;
    FEditImagePicker = nullptr;
    delete FEditExtGridPicker;
    FEditExtGridPicker = nullptr;
    if (!Designing()) {
        delete FFocusWindow;
        FFocusWindow = nullptr;
        delete EditCombo;
        EditCombo = nullptr;
        delete EditBtn;
        EditBtn = nullptr;
        delete UnitEditBtn;
        UnitEditBtn = nullptr;
        delete EditCheck;
        EditCheck = nullptr;
        delete GridButton;
        GridButton = nullptr;
        delete EditTrans;
        EditTrans = nullptr;
        delete ComboTrans;
        ComboTrans = nullptr;
        delete FEditControl;
        FEditControl = nullptr;
        delete FComboControl;
        FComboControl = nullptr;
        delete MoveButton;
        MoveButton = nullptr;
        for (TScrollBar** Bar : {&FScrollBar, &FPaintScrollBar}) {
            delete *Bar;
            *Bar = nullptr;
        }
    }
}

bool TExtStringGrid::IsSharedGraphic(const TCellGraphic* Graphic) const
{
    if (!Graphic) return false;
    return Graphic == FCellGraphic.get() || Graphic->CellType() == ctVirtCheckBox ||
           Graphic->CellType() == ctRowCheckBox;
}
