// The custom editor link: placement, focus and message filter, value hand-back and the editor's keys.
#include "grid/core/EditLink.h"

#include "grid/core/ExtGrid.h"

#include "windows/Forms.h"
#include "windows/WinApi.h"

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

TEditLink::~TEditLink()
{
    // The pop-up form is owned by the link and goes with it; it must not call back meanwhile.
    SetPopupForm(nullptr);
}

void TEditLink::SetPopupForm(TForm* Value)
{
    if (FPopupForm == Value) return;
    if (FPopupForm) {
        FPopupForm->OnDeactivate = nullptr;
        FPopupForm->RemoveFreeNotification(this);
    }
    FPopupForm = Value;
    if (FPopupForm) FPopupForm->FreeNotification(this);
}

void TEditLink::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    // The application may free the form itself.
    if (Operation == opRemove && AComponent == FPopupForm) FPopupForm = nullptr;
}

void TEditLink::SetFocus(bool Value)
{
    TWinControl* Control = GetEditControl();
    if (!Control) return;
    if (Value) {
        if (!Control->Visible()) Control->SetVisible(true);
        if (!Control->Enabled()) Control->SetEnabled(true);
    }
    if (FEditStyle == esInplace && !FSubClassed && FOwner) {
        FOwner->FGridControlWndProc = Control->WindowProc();
        TExtStringGrid* Grid = FOwner;
        Control->SetWindowProc([Grid](TMessage& Message) { Grid->EditLinkWndProc(Message); });
        FSubClassed = true;
    }
    if (Value) {
        if (Control->CanFocus()) Control->SetFocus();
    } else if (FOwner && FOwner->CanFocus()) {
        FOwner->SetFocus();
    }
}

void TEditLink::SetRect(TRect R)
{
    TWinControl* Control = GetEditControl();
    if (!Control || !FOwner) return;
    const int32_t Line = FOwner->GridLineWidth();
    const int32_t W = R.Right - R.Left - Line;
    const int32_t H = R.Bottom - R.Top - Line;
    if (Control->HandleAllocated())
        SetWindowPos(Control->Handle(), nullptr, R.Left, R.Top, W, H, SWP_NOZORDER);
    else
        Control->SetBounds(R.Left, R.Top, W, H);
}

void TEditLink::SetVisible(bool Value)
{
    if (TWinControl* Control = GetEditControl()) Control->SetVisible(Value);
}

void TEditLink::RestoreWinProc()
{
    TWinControl* Control = GetEditControl();
    if (!Control || FEditStyle != esInplace) return;
    // Only a filter this link put there is taken off.
    if (FSubClassed && FOwner) Control->SetWindowProc(FOwner->FGridControlWndProc);
    FSubClassed = false;
    if (Control->HandleAllocated()) ShowWindow(Control->Handle(), SW_HIDE);
}

QString TEditLink::GetCellValue()
{
    if (!FOwner) return {};
    return FOwner->Cells(FOwner->RealColIndex(FOwner->Col()), FOwner->Row());
}

void TEditLink::SetCellValue(const QString& s)
{
    if (!FOwner) return;
    FOwner->StoreEditText(FOwner->RealColIndex(FOwner->Col()), FOwner->Row(), s);
}

TWinControl* TEditLink::GetParent()
{
    if (FEditStyle == esPopup) return FPopupForm;
    return FOwner;
}

void TEditLink::HideEditor()
{
    SetCellValue(GetEditorValue());
    if (FOwner) FOwner->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::EditExit(TObject*)
{
    HideEditor();
    if (FEditStyle == esPopup && FPopupForm) {
        DestroyEditor();
        FPopupForm->Hide();
    }
}

bool TEditLink::Editing() const
{
    return FOwner && FOwner->FEditLink == this && FOwner->EditMode && FOwner->EditControl == edCustom;
}

void TEditLink::FormExit(TObject* Sender)
{
    // Hiding the form at the end of an edit deactivates it too: nothing is open to store by then.
    if (!Editing()) return;
    if (TInplaceEdit* Normal = FOwner->InplaceEditor()) Normal->SetText(GetEditorValue());
    if (FForcedExit) {
        SetCellValue(GetEditorValue());
        return;
    }
    EditExit(Sender);
    FOwner->InvokedFocusChange = true;
}

namespace {

// Hands the focus back to the grid at the end of a key that ended the edit, when the editor had it
// and nothing visible took it meanwhile.
class TGridFocusBack {
public:
    TGridFocusBack(TExtStringGrid* Grid, TWinControl* Control)
        : FGrid(Grid), FHadFocus(Control && Control->HandleAllocated() && GetFocus() == Control->Handle())
    {
    }
    ~TGridFocusBack()
    {
        if (!FHadFocus || FGrid->ComponentState().Contains(csDestroying)) return;
        const HWND Focus = GetFocus();
        // Hiding or disabling the editor leaves the focus with its form.
        const TCustomForm* Form = GetParentForm(FGrid);
        const bool Lost = !Focus || !IsWindowVisible(Focus) || !IsWindowEnabled(Focus) ||
                          (Form && Form->HandleAllocated() && Focus == Form->Handle());
        if (Lost && FGrid->CanFocus()) FGrid->SetFocus();
    }
    TGridFocusBack(const TGridFocusBack&) = delete;
    TGridFocusBack& operator=(const TGridFocusBack&) = delete;

private:
    TExtStringGrid* FGrid;
    bool FHadFocus;
};

}  // namespace

bool TEditLink::LeavesEditor(uint16_t Key, TShiftState Shift) const
{
    bool Leaves = Shift.Contains(ssAlt);
    switch (Key) {
    case VK_TAB: Leaves = !FWantTabs; break;
    case VK_RETURN: Leaves = !FWantKeyReturn; break;
    case VK_ESCAPE: Leaves = !FWantKeyEscape; break;
    case VK_PRIOR:
    case VK_NEXT: Leaves = !FWantKeyPriorNext; break;
    case VK_END:
    case VK_HOME: Leaves = Key == VK_END && !FWantKeyHomeEnd; break;
    case VK_LEFT:
    case VK_RIGHT: Leaves = !FWantKeyLeftRight; break;
    case VK_UP:
    case VK_DOWN: Leaves = !FWantKeyUpDown; break;
    default: break;
    }
    return Leaves;
}

void TEditLink::EditKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift)
{
    if (!FOwner || !LeavesEditor(Key, Shift)) return;
    TExtStringGrid* G = FOwner;
    const uint16_t Pressed = Key;
    // The keyboard must not stay with a hidden editor once the edit ended.
    const TGridFocusBack FocusBack(G, GetEditControl());

    if (Pressed == VK_TAB) {
        if (G->Navigation()->TabToNextAtEnd()) {
            if (FForcedExit) G->SetFocus();
            G->HideSpecialEditor(G->Col(), G->Row());
            if (G->AdvanceToNextCell(Shift.Contains(ssShift)) &&
                !G->IsControlCell(G->RealColIndex(G->Col()), G->Row())) {
                if (G->HandleAllocated()) PostMessage(G->Handle(), WM_KEYDOWN, VK_F2, 0);
                Key = 0;
                return;
            }
        }
        Key = 0;
    }

    if (Pressed == VK_ESCAPE) SetEditorValue(G->FCellCache);

    if (FForcedExit) G->SetFocus();
    G->HideSpecialEditor(G->Col(), G->Row());

    if (FEditStyle == esPopup) EditExit(Sender);

    G->EditMode = false;
    if (G->EditorMode()) G->SetEditorMode(false);
    G->SelectCell(G->Col(), G->Row());

    if (!G->FLastValidation) {
        // The cell refused the value: the editor opens on it again.
        G->FLastValidation = true;
        G->EditControl = edCustom;
        G->EditMode = true;
        G->ShowSpecialEditor(G->Col(), G->Row());
        return;
    }

    if (Pressed == VK_RETURN) {
        G->AdvanceAfterEdit(G->Col(), G->Row(), false, true, !Shift.Contains(ssShift), false, true);
        Key = 0;
        return;
    }

    if (Pressed == VK_ESCAPE) Key = 0;
    if (Pressed == VK_TAB || (Pressed >= VK_LEFT && Pressed <= VK_DOWN)) {
        uint16_t GridKey = Pressed;
        G->KeyDown(GridKey, Shift);
    }
    if (TWinControl* Control = GetEditControl()) Control->SetEnabled(false);
    if (FForcedExit) G->SetFocus();
    if (G->Options().Contains(goTabs) && Pressed == VK_TAB && !G->IsControlCell(G->RealColIndex(G->Col()), G->Row()) &&
        G->HandleAllocated())
        PostMessage(G->Handle(), WM_KEYDOWN, VK_F2, 0);
}
