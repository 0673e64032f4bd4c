// TExtStringGrid: proportional and flat scroll bars, scroll messages and their hints, drag
// scrolling, column stretching and the hooks of column and row size changes.
#include "grid/core/ExtGrid.h"

#include "grid/base/GridSettings.h"
#include "grid/core/ColumnSize.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridItems.h"
#include "grid/core/GridOptions.h"
#include "grid/core/HTMLHintWindow.h"
#include "grid/core/SearchPanel.h"

#include "graphics/Bitmap.h"
#include "rtl/NumConv.h"
#include "windows/ComCtrls.h"
#include "windows/Forms.h"
#include "windows/Timer.h"

#include <algorithm>
#include <cmath>

namespace {

// Flat scroll-bar properties and styles of the common-controls module.
constexpr int32_t WSB_PROP_CYHSCROLL = 4;
constexpr int32_t WSB_PROP_CXVSCROLL = 8;
constexpr int32_t WSB_PROP_VBKGCOLOR = 64;
constexpr int32_t WSB_PROP_HBKGCOLOR = 128;
constexpr int32_t WSB_PROP_VSTYLE = 0x100;
constexpr int32_t WSB_PROP_HSTYLE = 0x200;
constexpr int32_t FSB_REGULAR_MODE = 0;
constexpr int32_t FSB_ENCARTA_MODE = 1;
constexpr int32_t FSB_FLAT_MODE = 2;

// The module the flat scroll functions live in; never loaded by this layer, so every flat
// operation finds nothing and does nothing.
bool FlatScrollModuleLoaded()
{
    return GetModuleHandle(QStringLiteral("comctl32.dll")) != nullptr;
}

bool HasBar(TScrollStyle Bars, int32_t Bar)
{
    if (Bar == SB_VERT) return Bars == ssVertical || Bars == ssBoth;
    return Bars == ssHorizontal || Bars == ssBoth;
}

bool Terminating()
{
    return Application && Application->Terminated();
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Scroll-bar properties
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SetScrollType(TScrollType Value)
{
    if (Value != FScrollType) {
        FScrollType = Value;
        if (Value == ssFlat || Value == ssEncarta) {
            InitFlatScrollBars();
            RefreshFlatScrollBars();
        } else {
            DoneFlatScrollBars();
        }
        if (HandleAllocated() && Value == ssMetro) {
            CreateMetroScrollControls();
            SetScrollBars(ssNone);
        } else if (HandleAllocated() && (vscrlctrl || hscrlctrl)) {
            FreeMetroScrollControls();
            SetScrollBars(ssBoth);
        }
    }
    ApplyFlatScrollStyle();
}

void TExtStringGrid::SetScrollColor(TColor Value)
{
    FScrollColor = Value;
    ApplyFlatScrollColor();
}

void TExtStringGrid::SetScrollWidth(int32_t Value)
{
    FScrollWidth = Value;
    ApplyFlatScrollWidth();
}

void TExtStringGrid::SetScrollProportional(bool Value)
{
    FScrollProportional = Value;
    if (Value) {
        UpdateVertScrollProportional();
        UpdateHorzScrollProportional();
        return;
    }
    if (FIsFlat && FScrollType == ssNormal) DoneFlatScrollBars();
    if (!HandleAllocated()) return;
    // The bars leave the proportional range for the plain 0..127 thumb again.
    SCROLLINFO Info;
    Info.fMask = SIF_PAGE;
    Info.nPage = 0;
    SetScrollInfo(Handle(), SB_VERT, Info, true);
    SetScrollInfo(Handle(), SB_HORZ, Info, true);
    UpdateScrollRange();
}

void TExtStringGrid::ScreenToCell(TPoint pt, int32_t& ACol, int32_t& ARow)
{
    const TPoint P = ScreenToClient(pt);
    MouseToCell(P.X, P.Y, ACol, ARow);
}

// ---------------------------------------------------------------------------------------------
// Proportional scroll bars
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::UpdateHorzScrollProportional()
{
    if (ComponentState().Contains(csLoading) || Designing() || !FScrollProportional || FScrollLock) return;
    if (!HandleAllocated()) return;
    SCROLLINFO Info;
    Info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), SB_HORZ, Info);

    const int32_t lw = GridLineWidth();
    int32_t F = lw, C = lw, D = lw, S = 0;
    for (int32_t i = 0; i < ColCount(); ++i) {
        const int32_t w = ColWidths(i);
        S += w;
        if (i < FixedCols())
            F += lw + w;
        else
            C += lw + w;
        if (i >= FixedCols() && i < LeftCol()) D += lw + w;
    }
    const int32_t W = Width();
    // Nothing to scroll over: everything fits.
    if (C == 0) return;
    const float e = static_cast<float>(W - F) / static_cast<float>(C);
    if (e >= 0.9999f) return;
    const float f = (e + 127.0f) / (1.0f - e);
    const float p = W < C ? static_cast<float>(D) / static_cast<float>(C - W) * 128.0f : static_cast<float>(Info.nPos);
    if (F + C - W < 5) return;

    Info.fMask = SIF_ALL;
    Info.nMax = static_cast<int32_t>(std::trunc(f));
    Info.nPage = static_cast<UINT>(std::max(0, Info.nMax - 126));
    Info.nPos = static_cast<int32_t>(std::trunc(p));
    Info.nTrackPos = Info.nPos;
    SetScrollInfo(Handle(), SB_HORZ, Info, true);
    SyncFlatHorzScroll();

    if (FScrollBarAlways == saHorz || FScrollBarAlways == saBoth) return;
    if (!(S >= W && HasBar(FScrollBars, SB_HORZ))) ShowScrollBar(Handle(), SB_HORZ, false);
}

void TExtStringGrid::UpdateVertScrollProportional()
{
    if (ComponentState().Contains(csLoading) || Designing() || !FScrollProportional || FScrollLock) return;
    if (!HandleAllocated()) return;
    if (VisibleRowCount() + FixedRows() >= RowCount()) return;
    SCROLLINFO Info;
    Info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), SB_VERT, Info);

    const int32_t lw = GridLineWidth();
    int32_t F = lw, C = lw, D = lw;
    for (int32_t i = 0; i < RowCount(); ++i) {
        const int32_t h = RowHeights(i);
        if (i < FixedRows())
            F += lw + h;
        else
            C += lw + h;
        if (i >= FixedRows() && i < TopRow()) D += lw + h;
    }
    const int32_t H = Height();
    if (C == 0) return;
    const float e = static_cast<float>(H - F) / static_cast<float>(C);
    if (e >= 0.9999f) return;
    const float f = (e + 127.0f) / (1.0f - e);
    const float p = H < C ? static_cast<float>(D) / static_cast<float>(C - H) * 128.0f : 127.0f;

    Info.fMask = SIF_ALL;
    Info.nMax = static_cast<int32_t>(std::trunc(f));
    Info.nPage = static_cast<UINT>(std::max(0, Info.nMax - 126));
    Info.nPos = static_cast<int32_t>(std::trunc(p));
    Info.nTrackPos = Info.nPos;
    SetScrollInfo(Handle(), SB_VERT, Info, true);
    SyncFlatVertScroll();
}

// ---------------------------------------------------------------------------------------------
// Flat scroll bars
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::InitFlatScrollBars()
{
    // "InitializeFlatSB" is looked up among the loaded modules only.
    FIsFlat = HandleAllocated() && FlatScrollModuleLoaded();
}

void TExtStringGrid::DoneFlatScrollBars()
{
    FIsFlat = false;
}

void TExtStringGrid::SetFlatScrollProp(int32_t Index, int32_t Value)
{
    if (!FIsFlat) return;
    (void)Index;
    (void)Value;
}

void TExtStringGrid::SetFlatScrollInfo(int32_t Bar, const SCROLLINFO& Info)
{
    if (!FIsFlat) return;
    (void)Bar;
    (void)Info;
}

void TExtStringGrid::ShowFlatScrollBar(int32_t Bar, bool Show)
{
    if (!FIsFlat || !HasBar(FScrollBars, Bar)) return;
    (void)Show;
}

void TExtStringGrid::SyncFlatVertScroll()
{
    if (!FIsFlat || !HasBar(FScrollBars, SB_VERT) || !HandleAllocated()) return;
    SCROLLINFO Info;
    Info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), SB_VERT, Info);
    SetFlatScrollInfo(SB_VERT, Info);
}

void TExtStringGrid::SyncFlatHorzScroll()
{
    if (!FIsFlat || !HasBar(FScrollBars, SB_HORZ) || !HandleAllocated()) return;
    SCROLLINFO Info;
    Info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), SB_HORZ, Info);
    SetFlatScrollInfo(SB_HORZ, Info);
}

void TExtStringGrid::ApplyFlatScrollStyle()
{
    int32_t Mode = FSB_REGULAR_MODE;
    switch (FScrollType) {
    case ssNormal: Mode = FSB_REGULAR_MODE; break;
    case ssFlat: Mode = FSB_FLAT_MODE; break;
    case ssEncarta: Mode = FSB_ENCARTA_MODE; break;
    case ssMetro: return;
    }
    SetFlatScrollProp(WSB_PROP_VSTYLE, Mode);
    SetFlatScrollProp(WSB_PROP_HSTYLE, Mode);
}

void TExtStringGrid::ApplyFlatScrollColor()
{
    if (FScrollColor == clNone) return;
    SetFlatScrollProp(WSB_PROP_VBKGCOLOR, static_cast<int32_t>(FScrollColor));
    SetFlatScrollProp(WSB_PROP_HBKGCOLOR, static_cast<int32_t>(FScrollColor));
}

void TExtStringGrid::ApplyFlatScrollWidth()
{
    SetFlatScrollProp(WSB_PROP_CXVSCROLL, FScrollWidth);
    SetFlatScrollProp(WSB_PROP_CYHSCROLL, FScrollWidth);
}

void TExtStringGrid::RefreshFlatScrollBars()
{
    ApplyFlatScrollStyle();
    ApplyFlatScrollColor();
    ApplyFlatScrollWidth();
    const bool Vert = VisibleRowCount() + FixedRows() < RowCount();
    ShowFlatScrollBar(SB_VERT, Vert);
    if (Vert) SyncFlatVertScroll();
    const bool Horz = VisibleColCount() + FixedCols() < ColCount();
    ShowFlatScrollBar(SB_HORZ, Horz);
    if (Horz) SyncFlatHorzScroll();
}

// ---------------------------------------------------------------------------------------------
// Scroll messages
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::ShowScrollHint(const QString& Text)
{
    // Made on first use: most grids never show one.
    if (!FScrollHintWnd) FScrollHintWnd = New<THTMLHintWindow>(this);
    TRect R = FScrollHintWnd->CalcHintRect(100, Text, nullptr);
    FScrollHintWnd->SetColor(FHintColor);
    TPoint Cursor;
    GetCursorPos(Cursor);
    R = {R.Left + Cursor.X + 10, R.Top + Cursor.Y, R.Right + Cursor.X + 10, R.Bottom + Cursor.Y};
    FScrollHintWnd->ActivateHint(R, Text);
    FScrollHintShow = true;
}

void TExtStringGrid::HideScrollHint()
{
    if (FScrollHintWnd) FScrollHintWnd->ReleaseHandle();
    FScrollHintShow = false;
}

TRect TExtStringGrid::BackGroundCorners()
{
    const TBitmap* Picture = FBackGround ? FBackGround->Bitmap() : nullptr;
    if (!Picture || Picture->Empty() || FBackGround->Display() != bdFixed) return {-1, -1, -1, -1};
    TRect R{-1, -1, -1, -1};
    MouseToCell(FBackGround->Left(), FBackGround->Top(), R.Left, R.Top);
    MouseToCell(FBackGround->Left() + Picture->Width(), FBackGround->Top() + Picture->Height(), R.Right, R.Bottom);
    return R;
}

bool TExtStringGrid::InCellScroll(TMessage& Message)
{
    if (!FScrollBar || !FScrollBar->HandleAllocated() ||
        reinterpret_cast<HWND>(Message.LParam) != FScrollBar->Handle())
        return false;
    const TWMScroll Scroll(Message);
    const int32_t P = FScrollBar->Position();
    const int32_t Min = FScrollBar->Min();
    const int32_t Max = FScrollBar->Max();
    int32_t NewPos = P;
    switch (Scroll.ScrollCode()) {
    case SB_LINEUP: NewPos = std::max(Min, P - 10); break;
    case SB_LINEDOWN: NewPos = std::min(Max, P + 10); break;
    case SB_PAGEUP: NewPos = P - 100; break;
    case SB_PAGEDOWN: NewPos = P + 100; break;
    case SB_THUMBTRACK: NewPos = Scroll.Pos(); break;
    default: break;
    }
    // A page past either end stops at it.
    NewPos = std::clamp(NewPos, Min, std::max(Min, Max));
    if (NewPos != P) {
        Message.Result = 1;
        FScrollBar->SetPosition(NewPos);
        SetScrollPosition(FScrollCol, FScrollRow, NewPos);
        DoScrollCell(FScrollCol, FScrollRow, NewPos, Min, Max);
    }
    return true;
}

bool TExtStringGrid::WMHScroll(TMessage& Message)
{
    const int32_t Code = TWMScroll(Message).ScrollCode();
    int32_t Pos = TWMScroll(Message).Pos();
    if (FScrollHints == shHorizontal || FScrollHints == shBoth) {
        if (Code == SB_ENDSCROLL) HideScrollHint();
        if (Code == SB_THUMBTRACK) {
            const int32_t c = MulDiv(Pos, ColCount() - VisibleColCount() - FixedCols(), 127) + FixedCols();
            QString Hint = QStringLiteral("Col : ") + QString::number(c);
            if (OnScrollHint) OnScrollHint(this, c, Hint);
            ShowScrollHint(Hint);
        }
    }
    if (Code == SB_THUMBPOSITION && FIsFlat && ColCount() > 0) {
        const auto k = static_cast<int32_t>(RoundHalfEven(VisibleColCount() * 128.0L / ColCount()));
        if (k != 128) {
            Pos = static_cast<int32_t>(RoundHalfEven(Pos * 127.0L / (128 - k)));
            Message.WParam = MAKEWPARAM(static_cast<uint16_t>(Code), static_cast<uint16_t>(Pos));
        }
    }
    const int32_t c = MulDiv(Pos, ColCount() - VisibleColCount() - FixedCols(), 127) + FixedCols();
    if (Code == SB_THUMBTRACK && FScrollSynch) SetLeftCol(std::clamp(c, FixedCols(), std::max(FixedCols(), ColCount() - 1)));
    const TRect Before = BackGroundCorners();
    if (FixedCols() == 0 && c >= Col()) HideInplaceEdit();

    TBaseGrid::Dispatch(Message);

    const TRect After = BackGroundCorners();
    if (Before.Left >= 0 && Code != SB_THUMBTRACK && !(Before == After)) {
        RepaintRect(Before);
        RepaintRect(After);
    }
    if (Code == SB_ENDSCROLL && ((UseRightToLeftAlignment() && FMergeCount > 0) || ColCount() == 1)) Invalidate();
    SyncFlatHorzScroll();
    SyncFlatVertScroll();
    if (EditorMode() && HasCheckBox(Col(), Row())) HideEditor();
    RepaintFooterPanel();
    return true;
}

bool TExtStringGrid::WMVScroll(TMessage& Message)
{
    if (Designing()) return false;
    if (InCellScroll(Message)) return true;
    const int32_t Code = TWMScroll(Message).ScrollCode();
    const int32_t Pos = TWMScroll(Message).Pos();
    const int32_t r = MulDiv(Pos, RowCount() - VisibleRowCount() - FixedRows(), 127) + FixedRows();
    if (FScrollHints == shVertical || FScrollHints == shBoth) {
        if (Code == SB_ENDSCROLL) HideScrollHint();
        if (Code == SB_THUMBTRACK) {
            QString Hint = QStringLiteral("Row : ") + QString::number(r);
            if (OnScrollHint) OnScrollHint(this, r, Hint);
            ShowScrollHint(Hint);
        }
    }
    if (Code == SB_THUMBTRACK && FScrollSynch) SetTopRow(r);
    const TRect Before = BackGroundCorners();

    const bool Footer = SearchFooterShowing();
    if ((Code == SB_ENDSCROLL || Code == SB_LINEDOWN) && Footer && LastRowClearOfSearchFooter()) {
        Message.Result = 1;
        return true;
    }
    TBaseGrid::Dispatch(Message);
    if (Footer) {
        if (Code == SB_LINEUP && RowCount() - VisibleRowCount() == TopRow()) SetTopRow(TopRow() + 1);
        if ((Code == SB_ENDSCROLL || Code == SB_LINEDOWN) && RowCount() - VisibleRowCount() == TopRow())
            ScrollAboveSearchFooter();
    }

    const TRect After = BackGroundCorners();
    if (Before.Left >= 0 && Code != SB_THUMBTRACK && !(Before == After)) {
        RepaintRect(Before);
        RepaintRect(After);
    }
    SyncFlatVertScroll();
    SyncFlatHorzScroll();
    if (EditorMode() && HasCheckBox(Col(), Row())) HideEditor();
    return true;
}

bool TExtStringGrid::SearchFooterShowing()
{
    return FSearchFooter && FSearchFooter->Visible() && FSearchPanel;
}

// The last row's bottom lies above the search panel, tested once the last row can show.
bool TExtStringGrid::LastRowClearOfSearchFooter()
{
    if (TopRow() + VisibleRowCount() < RowCount() - 1) return false;
    return CellRect(0, RowCount() - 1).Bottom < ClientHeight() - FSearchPanel->Height() + 2;
}

void TExtStringGrid::ScrollAboveSearchFooter()
{
    if (!SearchFooterShowing() || DefaultRowHeight() + FSearchPanel->Height() >= ClientHeight()) return;
    const int32_t Limit = ClientHeight() - FSearchPanel->Height() + 2;
    while (Row() <= RowCount() - 1 && TopRow() < RowCount()) {
        const int32_t Bottom = CellRect(0, RowCount() - 1).Bottom;
        if (Bottom <= Limit) break;
        const int32_t Old = TopRow();
        SetTopRow(Old + 1);
        if (TopRow() == Old) break;
    }
}

// ---------------------------------------------------------------------------------------------
// Sizing hit tests
// ---------------------------------------------------------------------------------------------

bool TExtStringGrid::IsInSizingZone(int32_t X, int32_t Y)
{
    int32_t ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ACol < 0 || ARow < 0) return false;
    const TRect R = CellRect(ACol, ARow);
    if (ARow <= FixedRows() && Options().Contains(goColSizing) &&
        (std::abs(X - R.Left) < 4 || std::abs(X - R.Right) < 4))
        return true;
    return ACol <= FixedCols() && Options().Contains(goRowSizing) &&
           (std::abs(Y - R.Top) < 4 || std::abs(Y - R.Bottom) < 4);
}

void TExtStringGrid::CalcSizingState(int32_t X, int32_t Y, TGridState& State, int32_t& Index, int32_t& SizingPos,
                                     int32_t& SizingOfs, TGridDrawInfo& FixedInfo)
{
    TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs, FixedInfo);
    int32_t ACol = -1, ARow = -1;
    MouseToCell(X - 6, Y, ACol, ARow);
    if (ARow >= 0 && ARow < FixedRows() && ACol >= 0 && ACol < ColCount()) {
        bool Allow = true;
        if (OnColumnSize) OnColumnSize(this, ACol, Allow);
        if (!Allow) {
            State = gsNormal;
            FSizingFixed = false;
        }
    }
    MouseToCell(X, Y - 6, ACol, ARow);
    if (ACol >= 0 && ACol < FixedCols() && ARow >= 0) {
        bool Allow = true;
        if (OnRowSize) OnRowSize(this, ARow, Allow);
        if (!Allow) State = gsNormal;
    }
}

// ---------------------------------------------------------------------------------------------
// Column stretching and size hooks
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::StretchColumn(int32_t ACol)
{
    if (ComponentState().Contains(csLoading) || IsDestroying() || Terminating()) return;
    if (ACol == -1) ACol = ColCount() - 1;
    if (ACol >= ColCount()) throw Exception(QStringLiteral("Stretch column index out of range"));
    if (ColCount() == 0 || !FColumnSize || !FColumnSize->Stretch() || FIsColChanging) return;
    if (ACol < 0) throw Exception(QStringLiteral("Stretch column index out of range"));
    FIsColChanging = true;
    ColchgFlg = false;
    try {
        const int32_t Client = ClientWidth();
        if (ColCount() == 1) {
            SetColWidths(0, Client);
        } else {
            int32_t S = 0;
            for (int32_t i = 0; i < ColCount(); ++i)
                if (i != ACol) S += ColWidths(i);
            if (S < Client)
                SetColWidths(ACol, Client - S - 1);
            else if (LeftCol() == FixedCols())
                SetColWidths(ACol, DefaultColWidth());
        }
    } catch (...) {
        ColchgFlg = true;
        FIsColChanging = false;
        throw;
    }
    ColchgFlg = true;
    FIsColChanging = false;
    if (FFloatingFooter && FFloatingFooter->Visible()) FooterPanelChanged();
}

// The stretch a size hook runs: only while stretching is on and its column lies in the grid.
static bool StretchApplies(const TColumnSize* Size, int32_t ColCount)
{
    return Size && Size->Stretch() && Size->StretchColumn() < ColCount && Size->StretchColumn() >= -1;
}

void TExtStringGrid::SizeChanged(int32_t OldColCount, int32_t OldRowCount)
{
    if (!Parent() || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading) || Terminating())
        return;
    if (StretchApplies(FColumnSize, ColCount())) StretchColumn(FColumnSize->StretchColumn());
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
    const bool Vert = VisibleRowCount() + FixedRows() < RowCount();
    ShowFlatScrollBar(SB_VERT, Vert);
    SyncFlatVertScroll();
    const bool Horz = VisibleColCount() + FixedCols() < ColCount();
    ShowFlatScrollBar(SB_HORZ, Horz);
    SyncFlatHorzScroll();
}

void TExtStringGrid::ColWidthsChanged()
{
    if (ColchgFlg && StretchApplies(FColumnSize, ColCount())) StretchColumn(FColumnSize->StretchColumn());
    if (Designing() && FScrollHintShow) HideScrollHint();
    TBaseGrid::ColWidthsChanged();
    ColSizeFlg = true;
    const bool Clicked = Colclicked >= 0 && Colclicked < ColCount();
    if (ColSized && Clicked && FMouseActions && FMouseActions->AllColumnSize() && Colclickedsize > 0) {
        const long double Factor = static_cast<long double>(ColWidths(Colclicked)) / Colclickedsize;
        ColSized = false;
        for (int32_t c = FixedCols(); c < ColCount(); ++c)
            if (c != Colclicked) SetColWidths(c, static_cast<int32_t>(RoundHalfEven(ColWidths(c) * Factor)));
        ColSized = true;
    }
    if (ColSized && Clicked) {
        if (OnEndColumnSize) OnEndColumnSize(this, Colclicked);
        int32_t AWidth = ColWidths(Colclicked);
        UpdateColumnSize(Colclicked, AWidth);
        if (AWidth != ColWidths(Colclicked)) {
            ColSized = false;
            SetColWidths(Colclicked, AWidth);
        }
    }
    if (ColSized) {
        Colclicked = -1;
        Rowclicked = -1;
    }
    if (FEditing && EditCtrl && EditCtrl->Visible()) {
        const TRect R = CellRect(Col(), Row());
        EditCtrl->SetBounds(R.Left, R.Top, R.Width(), R.Height());
    }
    ColSized = false;
    if (EditorMode() && HasCheckBox(Col(), Row())) HideEditor();
    RepaintFooterPanel();
    CellControlsUpdate(false);
    if (FColumnSize && FColumnSize->Stretch() && FScrollProportional) UpdateVertScrollProportional();
}

void TExtStringGrid::RowHeightsChanged()
{
    if (Designing() && FScrollHintShow) HideScrollHint();
    TBaseGrid::RowHeightsChanged();
    const bool Clicked = Rowclicked >= 0 && Rowclicked < RowCount();
    if (Rowsized && Clicked && FMouseActions && FMouseActions->AllRowSize() && Rowclickedsize > 0) {
        const long double Factor = static_cast<long double>(RowHeights(Rowclicked)) / Rowclickedsize;
        Rowsized = false;
        for (int32_t r = FixedRows(); r < RowCount(); ++r)
            if (r != Rowclicked) SetRowHeights(r, static_cast<int32_t>(RoundHalfEven(RowHeights(r) * Factor)));
        Rowsized = true;
    }
    if (Rowsized && OnEndRowSize) OnEndRowSize(this, Rowclicked);
    if (Rowsized) {
        Colclicked = -1;
        Rowclicked = -1;
    }
    Rowsized = false;
    if (EditorMode() && HasCheckBox(Col(), Row())) HideEditor();
    CellControlsUpdate(false);
}

// ---------------------------------------------------------------------------------------------
// Drag scrolling
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::FreeDragTimer()
{
    if (!FDragTmr) return;
    TTimer* Timer = FDragTmr;
    FDragTmr = nullptr;
    Timer->RemoveFreeNotification(this);
    delete Timer;
}

void TExtStringGrid::DragOver(TObject* Source, int32_t X, int32_t Y, TDragState State, bool& Accept)
{
    if (!FDragScrollOptions->Active()) {
        FreeDragTimer();
    } else {
        const TDragScrollDirection Previous = FDragScrollDirection;
        FDragScrollDirection = {};
        if (State == dsDragLeave) {
            FreeDragTimer();
        } else {
            const TDragScrollMargins* M = FDragScrollOptions->Margins();
            if (Y < M->TopMargin())
                FDragScrollDirection.Include(dsdUp);
            else if (Y > Height() - M->BottomMargin())
                FDragScrollDirection.Include(dsdDown);
            if (X < M->LeftMargin())
                FDragScrollDirection.Include(dsdLeft);
            else if (X > Width() - M->RightMargin())
                FDragScrollDirection.Include(dsdRight);
            const auto Initial = static_cast<uint32_t>(std::max(0, FDragScrollOptions->Delays()->InitialDelay()));
            if (FDragScrollDirection.Empty()) {
                FreeDragTimer();
            } else if (!FDragTmr) {
                TComponent* Owner = Parent() ? static_cast<TComponent*>(Parent()) : this;
                FDragTmr = New<TTimer>(Owner);
                // The parent may go first: the grid then forgets the timer.
                FDragTmr->FreeNotification(this);
                FDragTmr->SetInterval(Initial);
                FDragTmr->OnTimer = [this](TObject* Sender) { DragScrollStep(Sender); };
                FDragTmr->SetEnabled(true);
            } else if (!Previous.Empty()) {
                FDragTmr->SetInterval(Initial);
            }
        }
    }
    TBaseGrid::DragOver(Source, X, Y, State, Accept);
}

void TExtStringGrid::DragScrollStep(TObject*)
{
    if (!FDragScrollOptions->Active()) {
        FreeDragTimer();
        return;
    }
    if (FDragTmr) FDragTmr->SetInterval(static_cast<uint32_t>(std::max(0, FDragScrollOptions->Delays()->RepeatDelay())));
    bool CanScroll = true;
    if (OnDragScroll) OnDragScroll(this, TopRow(), LeftCol(), FDragScrollDirection, CanScroll);
    if (!CanScroll) return;
    if (FDragScrollDirection.Contains(dsdUp) && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    if (FDragScrollDirection.Contains(dsdDown) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    if (FDragScrollDirection.Contains(dsdLeft) && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
    if (FDragScrollDirection.Contains(dsdRight) && LeftCol() + VisibleColCount() < ColCount())
        SetLeftCol(LeftCol() + 1);
}
