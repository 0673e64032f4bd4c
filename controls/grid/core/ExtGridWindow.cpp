// TExtStringGrid: window creation, end of streaming, copying from another grid, repainting and
// sizing, the scroll bars kept shown, and the chain of resize handlers of the owner form.
#include "grid/core/ExtGrid.h"

#include "grid/base/CellCheck.h"
#include "grid/base/ExtXPVS.h"
#include "grid/base/PictureContainer.h"
#include "grid/base/GridSettings.h"
#include "grid/core/CellNode.h"
#include "grid/core/ControlLook.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridItems.h"
#include "grid/core/GridOptions.h"
#include "grid/core/ScrollControl.h"
#include "grid/core/SortSettings.h"

#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"
#include "rtl/Strings.h"
#include "windows/ComCtrls.h"
#include "windows/Forms.h"
#include "windows/Menus.h"
#include "windows/SystemMetrics.h"
#include "windows/Timer.h"

void TExtStringGrid::CreateWnd()
{
    if (IsDestroying()) return;
    TBaseGrid::CreateWnd();
    if (!Parent()) return;

    if (!Designing()) {
        if (FScrollType == ssMetro) CreateMetroScrollControls();
        for (TScrollBar* Bar : {FScrollBar, FPaintScrollBar}) {
            if (!Bar) continue;
            Bar->SetVisible(false);
            Bar->SetParent(this);
            Bar->SetTabStop(false);
            Bar->SetKind(sbVertical);
            Bar->SetCtl3D(false);
        }
        if (FBalloonSettings->Enable()) BalloonInit();
    }
    AttachPanels();

    FGridTimerID = static_cast<int32_t>(SetTimer(Handle(), 111, 500, nullptr));

    if (Designing() && !FLoaded && !ComponentState().Contains(csLoading)) Font()->SetName(QStringLiteral("Tahoma"));
    // Themed drawing needs an active visual style.
    FIsWinXP = FIsWinXP && ThemeAPI.Loaded && ThemeAPI.IsThemeActive && ThemeAPI.IsThemeActive();

    wheelmsg = 0;
    wheelscrl = 0;
    wheelpan = false;
    UINT Lines = 0;
    SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &Lines, 0);
    wheelscrl = static_cast<int32_t>(Lines) == -1 ? VisibleRowCount() : static_cast<int32_t>(Lines);
    wheelmsg = WM_MOUSEWHEEL;
    // Flat scroll bars come from the common-controls module, which this platform never loads.
}

void TExtStringGrid::Loaded()
{
    TBaseGrid::Loaded();
    FOldCursor = Cursor();
    ShowColumnHeaders();
    ShowRowHeaders();
    ApplyOleAcceptSwitches();
    if (FLook == glVyx) {
        FLook = glCustom;
        SetLook(glVyx);
    }
    FFixedRowsMin = FixedRows();
    FFixedColsMin = FixedCols();
    FMinRowHeight = DefaultRowHeight();
    FMinColWidth = 10;
    FMaxRowCount = RowCount();
    FLoaded = true;
    if (Options().Contains(goAlwaysShowEditor)) {
        FNavigation->SetAlwaysEdit(true);
        TGridOptions Opts = Options();
        Opts.Exclude(goAlwaysShowEditor);
        SetOptions(Opts);
    }
    if (!FIsWinXP && FControlLook->ControlStyle() == csTheme && !Designing())
        FControlLook->SetControlStyle(csClassic);
    FSearchFooter->SetAutoThemeAdapt(FAutoThemeAdapt);
    UpdateSearchPanel();
    ApplyScrollBarAlways(false);
    if (FAutoThemeAdapt && !Designing()) {
        FollowOfficeTheme();
        GetThemeNotifier(this)->RegisterWindow(Handle());
    }
    InitOrigColSizes();
    SetColumnOrder();
    if (FBalloonSettings->Enable()) BalloonInit();
    DetectPlatformStyle();
}

void TExtStringGrid::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TExtStringGrid*>(Source);
    if (!Src) return;
    Font()->Assign(Src->Font());
    FActiveCellColor = Src->FActiveCellColor;
    FActiveCellColorTo = Src->FActiveCellColorTo;
    FActiveCellFont->Assign(Src->FActiveCellFont.get());
    FActiveCellShow = Src->FActiveCellShow;
    SetActiveRowShow(Src->ActiveRowShow());
    SetAlign(Src->Align());
    FFilterDropDown->Assign(Src->FFilterDropDown.get());
    FAnchorHint = Src->FAnchorHint;
    FAutoNumAlign = Src->FAutoNumAlign;
    FAutoSize = Src->FAutoSize;
    FAutoThemeAdapt = Src->FAutoThemeAdapt;
    FAutoFilterUpdate = Src->FAutoFilterUpdate;
    FMouseActions->Assign(Src->FMouseActions.get());
    FNavigation->Assign(Src->FNavigation.get());
    FGrouping->Assign(Src->FGrouping.get());
    FSearchFooter->Assign(Src->FSearchFooter.get());
    FFilter->Assign(Src->FFilter.get());
    FBands->Assign(Src->FBands.get());
    FCellNode->Assign(Src->FCellNode.get());
    FSortSettings->Assign(Src->FSortSettings.get());
    FDragScrollOptions->Assign(Src->FDragScrollOptions.get());
    FDragDropSettings->Assign(Src->FDragDropSettings.get());
    FProgressAppearance->Assign(Src->FProgressAppearance.get());
    FSyncGrid->Assign(Src->FSyncGrid.get());
    FFocusHelper->Assign(Src->FFocusHelper.get());
    FFixedRowAlways = Src->FFixedRowAlways;
    SetColCount(Src->ColCount());
    SetRowCount(Src->RowCount());
    SetFixedRows(Src->FixedRows());
    SetFixedCols(Src->FixedCols());
    SetDefaultColWidth(Src->DefaultColWidth());
    SetDefaultRowHeight(Src->DefaultRowHeight());
    SetFixedRowHeight(Src->FixedRowHeight());
    SetFixedColWidth(Src->FixedColWidth());
    FInvalidEntryTitle = Src->FInvalidEntryTitle;
    FInvalidEntryIcon = Src->FInvalidEntryIcon;
    FInvalidEntryText = Src->FInvalidEntryText;
    SetOptions(Src->Options());
    for (int32_t I = 0; I < ColCount(); ++I) SetColWidths(I, Src->ColWidths(I));
    FColumnHeaders->Assign(Src->FColumnHeaders.get());
    for (int32_t I = 0; I < RowCount(); ++I) SetRowHeights(I, Src->RowHeights(I));
    FScrollProportional = Src->FScrollProportional;
    FScrollSynch = Src->FScrollSynch;
    FScrollWidth = Src->FScrollWidth;
    FScrollHints = Src->FScrollHints;
    FScrollBarAlways = Src->FScrollBarAlways;
    SetScrollBars(Src->ScrollBars());
    SetScrollColor(Src->ScrollColor());
    SetScrollType(Src->ScrollType());
    SetScrollWidth(Src->ScrollWidth());
    AssignCells(Source);
}

void TExtStringGrid::AssignCells(TPersistent* Source)
{
    auto* Src = dynamic_cast<TExtStringGrid*>(Source);
    if (!Src) return;
    // The texts of every stored cell, as a save of the source read back into this grid gives them.
    for (int32_t r = 0; r < Src->RowCount(); ++r)
        for (int32_t c = 0; c < Src->TotalColCount(); ++c) SetGridCell(c, r, Src->GetGridCell(c, r));
}

void TExtStringGrid::Invalidate()
{
    if (FEditChange) {
        FEditChange = false;
        return;
    }
    TBaseGrid::Invalidate();
    if (!ComponentState().Contains(csLoading) && FFloatingFooter && FFloatingFooter->Visible()) RepaintFooterPanel();
}

void TExtStringGrid::Resize()
{
    // The control's Resize fires OnResize.
    TBaseGrid::Resize();
    if ((FBackGround->Display() == bdGradientHorz || FBackGround->Display() == bdGradientVert) &&
        FBackGround->ColorTo() != clNone)
        Invalidate();
    ApplyScrollBarAlways(false);
    CellControlsUpdate(false);
    if (Designing()) Invalidate();
}

void TExtStringGrid::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    if (FIntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0) {
        const int32_t H = VisibleColCount() + FixedCols() < ColCount() ? GetSystemMetrics(SM_CYHSCROLL) : 0;
        const int32_t B = BorderStyle() == bsSingle ? 2 : 0;
        AHeight = AHeight + B - ((AHeight - H - B) % DefaultRowHeight());
    }
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (Parent() && Parent()->HandleAllocated()) PaintWindowBorder();
}

void TExtStringGrid::Dispatch(TMessage& Message)
{
    // "GridEditDone" before anything else; the editors' notifications may end here.
    if (EditCycleMessage(Message)) return;
    // Only the search panel's accelerators; the platform's own handling is not run.
    if (Message.Msg == CM_DIALOGCHAR) {
        Message.Result = SearchDialogChar(Message) ? 1 : 0;
        return;
    }
    if (Message.Msg == WM_HSCROLL && WMHScroll(Message)) return;
    if (Message.Msg == WM_VSCROLL && WMVScroll(Message)) return;
    if (Message.Msg == WM_NCPAINT) {
        WMNCPaint(Message);
        return;
    }
    if (Message.Msg == WM_NOTIFY && WMNotify(Message)) return;
    if (CoreMessage(Message)) return;
    if (Message.Msg == WM_LBUTTONDOWN && DesignHelperMouseDown(Message)) return;
    TBaseGrid::Dispatch(Message);
    if (Message.Msg == CM_DESIGNHITTEST) CMDesignHitTest(Message);
    // The platform grid hides a bar with nothing to scroll when the size changes: the bars the
    // rule names come back.
    if (Message.Msg == WM_SIZE) ApplyScrollBarAlways(false);
}

void TExtStringGrid::ApplyScrollBarAlways(bool Force)
{
    if (!HandleAllocated()) return;
    const bool RowsFit = VisibleRowCount() + FixedRows() >= RowCount();
    const bool ColsFit = VisibleColCount() + FixedCols() >= ColCount();
    const HWND Wnd = Handle();
    if (FScrollBarAlways != saNone) {
        if (RowsFit) ShowScrollBar(Wnd, SB_VERT, FScrollBarAlways == saVert || FScrollBarAlways == saBoth);
        if (ColsFit) ShowScrollBar(Wnd, SB_HORZ, FScrollBarAlways == saHorz || FScrollBarAlways == saBoth);
        EnableScrollBar(Wnd, SB_VERT, RowsFit ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
        EnableScrollBar(Wnd, SB_HORZ, ColsFit ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
    } else if (Force) {
        if (RowsFit) ShowScrollBar(Wnd, SB_VERT, false);
        if (ColsFit) ShowScrollBar(Wnd, SB_HORZ, false);
    }
}

void TExtStringGrid::CreateMetroScrollControls()
{
    if (!vscrlctrl) {
        vscrlctrl = new TScrollControl(this);
        vscrlctrl->SetDirection(sdVertical);
        vscrlctrl->SetParent(this);
        vscrlctrl->SetDoubleBuffered(true);
        vscrlctrl->SetWidth(6);
        vscrlctrl->SetAlign(alRight);
        vscrlctrl->SetVisible(true);
    }
    if (!hscrlctrl) {
        hscrlctrl = new TScrollControl(this);
        hscrlctrl->SetDirection(sdHorizontal);
        hscrlctrl->SetParent(this);
        hscrlctrl->SetDoubleBuffered(true);
        hscrlctrl->SetHeight(6);
        hscrlctrl->SetAlign(alBottom);
        hscrlctrl->SetVisible(true);
    }
}

void TExtStringGrid::FreeMetroScrollControls()
{
    delete vscrlctrl;
    vscrlctrl = nullptr;
    delete hscrlctrl;
    hscrlctrl = nullptr;
}

// ---------------------------------------------------------------------------------------------
// The owner form's resize
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::FormResize(TObject* Sender)
{
    if (Designing() || IsDestroying()) return;
    auto* Form = dynamic_cast<TCustomForm*>(Owner());
    if (FSizeWithForm && Form) {
        const int32_t NewWidth = Width() + Form->Width() - PrevSizeX;
        const int32_t NewHeight = Height() + Form->Height() - PrevSizeY;
        if (NewWidth > 0 && NewHeight > 0) SetBounds(Left(), Top(), NewWidth, NewHeight);
        PrevSizeX = Form->Width();
        PrevSizeY = Form->Height();
    }
    if (ResizeAssigned && FOnResize) {
        try {
            FOnResize(Sender);
        } catch (...) {
        }
    }
    StretchColumn(-1);
}

void TExtStringGrid::UnlinkFormResize()
{
    auto* Form = dynamic_cast<TCustomForm*>(Owner());
    if (!Form || Form->ComponentState().Contains(csDestroying)) return;
    const auto* Link = Form->OnResize.target<TFormResizeLink>();
    if (Link && Link->Grid == this) {
        Form->OnResize = ResizeAssigned ? FOnResize : nullptr;
        return;
    }
    // Another grid came later and keeps this grid's handler: it takes over what this grid kept.
    while (Link) {
        TExtStringGrid* Later = Link->Grid;
        const auto* Next = Later->FOnResize.target<TFormResizeLink>();
        if (Next && Next->Grid == this) {
            Later->FOnResize = FOnResize;
            Later->ResizeAssigned = ResizeAssigned;
            return;
        }
        Link = Next;
    }
}

void TExtStringGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove) {
        if (AComponent == FGridImages) FGridImages = nullptr;
        if (AComponent == FContainer) FContainer = nullptr;
        if (AComponent == FCellChecker) FCellChecker = nullptr;
        if (AComponent == FFixedDropDownMenu) FFixedDropDownMenu = nullptr;
        if (AComponent == FDragTmr) FDragTmr = nullptr;
        if (!IsDestroying() && FSyncGrid && AComponent == FSyncGrid->Grid()) FSyncGrid->SetGrid(nullptr);
    }
    TBaseGrid::Notification(AComponent, Operation);
}
