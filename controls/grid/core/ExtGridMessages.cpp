// TExtStringGrid: the update count, the grid's own window and control messages, focus arrival
// and loss, clicks, the print layout's column widths and the hovered fixed cell.
#include "grid/core/ExtGrid.h"
#include "grid/core/ExtRichEdit.h"

#include "grid/base/GridSettings.h"
#include "grid/core/ControlLook.h"
#include "grid/core/FloatingFooter.h"

#include "windows/Forms.h"

// ---------------------------------------------------------------------------------------------
// Update count
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::BeginUpdate()
{
    if (!Visible()) return;
    ++FUpdateCount;
    if (HandleAllocated()) SendMessage(Handle(), WM_SETREDRAW, 0, 0);
}

void TExtStringGrid::EndUpdate()
{
    // A bracket opened while the grid was visible is closed also when it has been hidden since.
    if (!Visible() && FUpdateCount == 0) return;
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount > 0 || IsDestroying()) return;
    FSelChange = false;
    if (!HandleAllocated()) return;
    SendMessage(Handle(), WM_SETREDRAW, 1, 0);
    ::InvalidateRect(Handle(), nullptr, false);
    PaintWindowBorder();
}

void TExtStringGrid::SetLockUpdate(bool Value)
{
    if (Value) BeginUpdate();
    else EndUpdate();
}

// ---------------------------------------------------------------------------------------------
// Messages
// ---------------------------------------------------------------------------------------------

bool TExtStringGrid::CoreMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_TIMER:
        if (FGridTimerID == 0 || Message.WParam != static_cast<WPARAM>(FGridTimerID)) return false;
        GridTimerTick();
        Message.Result = 0;
        return true;
    case WM_SETCURSOR: WMSetCursor(Message); return true;
    case WM_SETFOCUS: WMSetFocus(Message); return true;
    case WM_KILLFOCUS: WMKillFocus(Message); return true;
    case WM_GETDLGCODE:
        TBaseGrid::Dispatch(Message);
        if (FNavigation->AutoGotoWhenSorted() || !Options().Contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
        return true;
    case CM_HINTSHOW: CMHintShow(Message); return true;
    case CM_ENABLEDCHANGED:
        TBaseGrid::Dispatch(Message);
        Invalidate();
        return true;
    case CM_COLORCHANGED:
        TBaseGrid::Dispatch(Message);
        if (FFloatingFooter && FFloatingFooter->Visible()) RepaintFooterPanel();
        return true;
    case CM_CURSORCHANGED:
        TBaseGrid::Dispatch(Message);
        if (!Invokedchange) FMouseSelectMode = msNormal;
        Invokedchange = false;
        return true;
    default: return false;
    }
}

void TExtStringGrid::WMSetCursor(TMessage& Message)
{
    TPoint Pos;
    GetCursorPos(Pos);
    Pos = ScreenToClient(Pos);
    const bool Sizing = FGridState == gsRowSizing || FGridState == gsColSizing;
    if (FMouseSelectMode != msNormal && !Sizing) {
        TCursor Special = 0;
        switch (FMouseSelectMode) {
        case msColumn: Special = 8011; break;
        case msRow: Special = 8010; break;
        case msAll:
        case msResize: Special = 8012; break;
        default: break;
        }
        if (Special != 0) ::SetCursor(Screen->Cursors(Special));
        Message.Result = 1;
    } else if (FCellSelectorMode) {
        ::SetCursor(Screen->Cursors(8014));
        Message.Result = 1;
    } else {
        TBaseGrid::Dispatch(Message);
        int32_t c = -1, r = -1;
        MouseToCell(Pos.X, Pos.Y, c, r);
        if (c >= 0 && r >= 0) GetCellCursor(c, r, Pos.X, Pos.Y);
    }
    if (FSizeFixed || FSizingFixed) {
        ::SetCursor(Screen->Cursors(crHSplit));
        Message.Result = 1;
    } else if (FSizeFixedR || FSizingFixedR) {
        ::SetCursor(Screen->Cursors(crVSplit));
        Message.Result = 1;
    }
}

void TExtStringGrid::WMSetFocus(TMessage& Message)
{
    // The focus comes back after the grid moved it itself: ignored once.
    if (InvokedFocusChange) {
        InvokedFocusChange = false;
        return;
    }
    TBaseGrid::Dispatch(Message);
    if (HasCheckBox(Col(), Row())) return;
    if (FInplaceRichEdit && FInplaceRichEdit->Visible()) HideInplaceEdit();
    const TRect Cell = TCustomGrid::CellRect(Col(), Row());
    const bool Shown = Cell.Width() > 0 && Cell.Height() > 0;
    const bool Moving = FGridState == gsRowMoving || FGridState == gsColMoving;
    // The platform grid's editor stands in for the grid's own in-place editor.
    if (TInplaceEdit* Editor = InplaceEditor()) {
        const HWND From = reinterpret_cast<HWND>(Message.WParam);
        const bool FromEditor = Editor->HandleAllocated() && From == Editor->Handle();
        if (!FromEditor && !Moving && FNavigation->AlwaysEdit() && EditControl == edNormal && Shown &&
            CanEdit(Col(), Row())) {
            SetEditorMode(true);
            Message.Result = 0;
            return;
        }
    } else if (FNavigation->AlwaysEdit() && Shown && CanEdit(Col(), Row()) && !FMouseActions->DirectEdit() &&
               !FControlLook->DropDownAlwaysVisible() && HasComboBox(Col(), Row())) {
        SetEditorMode(true);
    }
    if (IsMergedCell(Col(), Row())) RepaintCell(Col(), Row());
}

void TExtStringGrid::WMKillFocus(TMessage& Message)
{
    if (FBlockKill) {
        Message.Result = 1;
        return;
    }
    TBaseGrid::Dispatch(Message);
    if (IsMergedCell(Col(), Row())) RepaintCell(Col(), Row());
    if (FCtrlDown) {
        FCtrlDown = false;
        RepaintCell(FCtrlXY.X, FCtrlXY.Y);
    }
}

void TExtStringGrid::DoEnter()
{
    if (FBlockFocus) return;
    try {
        TBaseGrid::DoEnter();
        if (Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit()) SelectCell(Col(), Row());
    } catch (...) {
        RememberCellValue(Col(), Row());
        throw;
    }
    RememberCellValue(Col(), Row());
}

void TExtStringGrid::DoExit()
{
    if (FBlockKill) return;
    if (FSelChange && FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
    FSelChange = false;
    TBaseGrid::DoExit();
}

void TExtStringGrid::Click()
{
    TBaseGrid::Click();
    FEntered = false;
    RememberCellValue(Col(), Row());
}

// ---------------------------------------------------------------------------------------------
// Print layout and fixed-cell hovering
// ---------------------------------------------------------------------------------------------

int32_t TExtStringGrid::PrintColWidth(int32_t ACol) const
{
    if (ACol < 0 || ACol > 511) throw EExtGridError(QStringLiteral("Columns is not in valid range"));
    return MaxWidths[static_cast<size_t>(ACol)];
}

int32_t TExtStringGrid::PrintColOffset(int32_t ACol) const
{
    if (ACol < 0 || ACol > 511) throw EExtGridError(QStringLiteral("Columns is not in valid range"));
    return Indents[static_cast<size_t>(ACol)];
}

void TExtStringGrid::ResetFixedCellHighlight()
{
    FSizeFixed = false;
    FSizeFixedR = false;
    FNoMouseLeave = false;
    if (FHoverFixedCells == hfNone || (FHoverFixedX == -1 && FHoverFixedY == -1)) return;
    const int32_t X = FHoverFixedX;
    const int32_t Y = FHoverFixedY;
    FHoverFixedX = -1;
    FHoverFixedY = -1;
    RepaintCell(X, Y);
}
