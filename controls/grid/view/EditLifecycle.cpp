// TExtStringGrid: the life of an in-place edit on the grid's side. Opening and closing it, the
// edit-done notice and its posted message, the end of an edit by an editor key, the simulated
// click, the editors' WM_COMMAND notifications and the handlers bound to editor events.
#include "grid/core/ExtGrid.h"

#include "grid/base/GridSettings.h"
#include "grid/core/EditLink.h"
#include "grid/core/FloatingFooter.h"
#include "grid/view/GridEditors.h"
#include "grid/view/GridValueEditors.h"

#include "windows/WinApi.h"

#include <algorithm>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Open and close
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::ShowInplaceEdit()
{
    if (IsControlCell(RealColIndex(Col()), Row())) return;
    if (Row() < TopRow()) SetTopRow(Row());
    if (Col() < LeftCol()) SetLeftCol(Col());
    FEditText = GetCellEx(RealColIndex(Col()), Row());
    ShowEditor();
}

void TExtStringGrid::HideInplaceEdit()
{
    if (!EditMode) return;
    HideEditor();
    HideSpecialEditor(Col(), Row());
    EditMode = false;
    SelectCell(Col(), Row());
}

void TExtStringGrid::EditDone(int32_t ACol, int32_t ARow)
{
    if (OnEditingDone) OnEditingDone(this);
    EditMode = false;
    if (HandleAllocated()) PostMessage(Handle(), GridEditDoneMsg, static_cast<WPARAM>(ACol), static_cast<LPARAM>(ARow));
}

void TExtStringGrid::DoneInplaceEdit(uint16_t Key, TShiftState Shift)
{
    FBlockFocus = true;
    FEditing = false;
    HideInplaceEdit();
    if (FNavigation->AppendOnArrowDown() && Key == VK_DOWN) {
        const bool Floating = FFloatingFooter && FFloatingFooter->Visible();
        const int32_t LastRow = Floating ? RowCount() - 2 : RowCount() - FixedFooters() - 1;
        if (Row() == LastRow) {
            bool CanAdd = true;
            DoCanAddRow(CanAdd);
            if (CanAdd) {
                AddRow();
                if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FixedFooters() - 1);
            }
        }
    }
    if (Key == VK_TAB || (Key >= VK_LEFT && Key <= VK_DOWN)) {
        uint16_t Copy = Key;
        KeyDown(Copy, Shift);
    }
    const bool AlwaysEdit = FNavigation->AlwaysEdit();
    FNavigation->SetAlwaysEdit(false);
    if (CanFocus()) SetFocus();
    if (Key == VK_RETURN) AdvanceAfterEdit(Col(), Row(), false, true, true, false, false);
    FNavigation->SetAlwaysEdit(AlwaysEdit);
    FBlockFocus = false;
}

void TExtStringGrid::Select()
{
    SelectCell(Col(), Row());
}

void TExtStringGrid::SimulateCellClick(int32_t ACol, int32_t ARow)
{
    const TRect R = CellRect(ACol, ARow);
    const int32_t X = R.Left + 2;
    const int32_t Y = R.Top + 2;
    FForceSel = true;
    auto Down = std::move(OnMouseDown);
    auto Up = std::move(OnMouseUp);
    OnMouseDown = nullptr;
    OnMouseUp = nullptr;
    try {
        TCustomGrid::MouseDown(mbLeft, TShiftState{}, X, Y);
        TCustomGrid::MouseUp(mbLeft, TShiftState{}, X, Y);
    } catch (...) {
        OnMouseDown = std::move(Down);
        OnMouseUp = std::move(Up);
        FForceSel = false;
        throw;
    }
    OnMouseDown = std::move(Down);
    OnMouseUp = std::move(Up);
    FForceSel = false;
}

// ---------------------------------------------------------------------------------------------
// Messages
// ---------------------------------------------------------------------------------------------

namespace {

// The whole text of item Index of a combo window, however long.
QString ComboItemText(HWND Wnd, int32_t Index)
{
    const LRESULT Length = SendMessage(Wnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(Index), 0);
    if (Length <= 0) return {};
    std::vector<char16_t> Buffer(static_cast<size_t>(Length) + 1, u'\0');
    const LRESULT Got = SendMessage(Wnd, CB_GETLBTEXT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(Buffer.data()));
    if (Got <= 0) return {};
    return QString::fromUtf16(Buffer.data(), std::min<qsizetype>(Got, Length));
}

}  // namespace

bool TExtStringGrid::EditCycleMessage(TMessage& Message)
{
    if (GridEditDoneMsg != 0 && Message.Msg == GridEditDoneMsg) {
        if (OnEditCellDone)
            OnEditCellDone(this, static_cast<int32_t>(Message.WParam), static_cast<int32_t>(Message.LParam));
        if (FMouseActions->EditOnDblClickOnly()) {
            HideInplaceEdit();
            EditMode = false;
            TGridOptions Opts = Options();
            Opts.Exclude(goEditing);
            SetOptions(Opts);
        }
        return false;
    }
    if (Message.Msg != WM_COMMAND) return false;
    const TWMCommand Cmd(Message);
    const HWND From = Cmd.Ctl();
    const uint16_t Code = Cmd.NotifyCode();

    if (Code == EN_CHANGE && FShowEditProcess && From && (!HandleAllocated() || From != Handle())) {
        // The control hears its own notification, then the cell follows the text as it is typed.
        SendMessage(From, WM_COMMAND, Message.WParam, Message.LParam);
        TInplaceEdit* Normal = InplaceEditor();
        const bool Redraw = Normal && Normal->HandleAllocated();
        if (Redraw) SendMessage(Normal->Handle(), WM_SETREDRAW, 0, 0);
        if (!FEditStart && EditMode) {
            switch (EditControl) {
            case edNormal:
            case edNumeric:
            case edPositiveNumeric:
            case edFloat:
            case edCapital:
            case edMixedCase:
            case edPassword:
            case edLowerCase:
            case edUpperCase:
            case edPositiveFloat:
                if (Normal) SetEditText(Col(), Row(), Normal->Text());
                break;
            case edSpinEdit:
            case edFloatSpinEdit:
            case edTimeSpinEdit:
            case edDateSpinEdit:
                if (FEditSpin) SetEditText(Col(), Row(), FEditSpin->Text());
                break;
            case edEditBtn:
            case edNumericEditBtn:
            case edFloatEditBtn:
            case edMaskEditBtn:
                if (EditBtn) SetEditText(Col(), Row(), EditBtn->Text());
                break;
            default: break;
            }
        }
        if (Redraw) SendMessage(Normal->Handle(), WM_SETREDRAW, 1, 0);
        Message.Result = 0;
        return true;
    }
    // Every other notification reaches its control once, through the inherited reflection.

    const bool FromCombo = EditCombo && EditCombo->HandleAllocated() && From == EditCombo->Handle();
    const bool SelOrEdit = Code == CBN_SELCHANGE || Code == CBN_EDITCHANGE;
    const auto FireComboChange = [this](int32_t Index) {
        const QString Text = Index == -1 ? EditCombo->Text() : EditCombo->Items()->Strings(Index);
        TObject* Object = Index == -1 ? nullptr : EditCombo->Items()->Objects(Index);
        const int32_t C = RealColIndex(Col());
        if (OnComboChange) OnComboChange(this, C, Row(), Index, Text);
        if (OnComboObjectChange) OnComboObjectChange(this, C, Row(), Index, Text, Object);
    };
    if (FromCombo && SelOrEdit && EditMode) FireComboChange(EditCombo->ItemIndex());

    if (SelOrEdit && FEditLink && OnComboChange && From) {
        TWinControl* Control = FEditLink->GetEditControl();
        if (Control && Control->HandleAllocated() && Control->Handle() == From) {
            const auto Index = static_cast<int32_t>(SendMessage(From, CB_GETCURSEL, 0, 0));
            OnComboChange(this, Col(), Row(), Index, Index == -1 ? QString() : ComboItemText(From, Index));
        }
    }

    if (FromCombo && Code == CBN_CLOSEUP) {
        if (FMouseActions->DirectComboClose()) {
            // Without a chosen item the typed text stays and is stored.
            const int32_t Index = EditCombo->ItemIndex();
            if (Index != -1) EditCombo->SetText(EditCombo->Items()->Strings(Index));
            FireComboChange(Index);
            EditControl = edComboEdit;
            EditMode = true;
            const bool DirectEdit = FMouseActions->DirectEdit();
            FMouseActions->SetDirectEdit(false);
            HideInplaceEdit();
            FMouseActions->SetDirectEdit(DirectEdit);
            if (CanFocus()) SetFocus();
        }
        DoComboCloseUp(Row(), RealColIndex(Col()));
    }
    if (FromCombo && Code == CBN_DROPDOWN) DoComboDropDown(Row(), RealColIndex(Col()));
    if (Code == CBN_EDITCHANGE && OnComboChange && EditCombo) OnComboChange(this, Col(), Row(), -1, EditCombo->Text());
    return false;
}

// ---------------------------------------------------------------------------------------------
// Relays
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::DoDropDownHeaderButtonClick(int32_t ButtonIndex)
{
    if (OnDropDownHeaderButtonClick) OnDropDownHeaderButtonClick(this, Col(), Row(), ButtonIndex);
}

void TExtStringGrid::DoDropDownFooterButtonClick(int32_t ButtonIndex)
{
    if (OnDropDownFooterButtonClick) OnDropDownFooterButtonClick(this, Col(), Row(), ButtonIndex);
}

void TExtStringGrid::UnitEditChanged(TObject*, const QString& NewUnit)
{
    if (OnUnitChanged) OnUnitChanged(this, Col(), Row(), NewUnit);
}

void TExtStringGrid::EditLinkWndProc(TMessage& Message)
{
    // The control's own answer stays part of WM_GETDLGCODE's (its selection handling among it).
    if (FGridControlWndProc) FGridControlWndProc(Message);
    if (Message.Msg == WM_GETDLGCODE && Options().Contains(goTabs))
        Message.Result |= DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}
