// TExtCustomDropDown's drop cycle: creating the pop-up and the button, sizing and placing the pop-up, opening, closing, key and wheel forwarding.
#include "dropdown/ExtDropDown.h"

#include "dropdown/DropDownButton.h"
#include "dropdown/DropDownForm.h"
#include "dropdown/PopupAppearance.h"

#include "windows/Forms.h"
#include "windows/SizeConstraints.h"

void TExtCustomDropDown::ShowDropDown()
{
    DoShowDropDown();
}

void TExtCustomDropDown::HideDropDown(bool CancelChanges)
{
    DoHideDropDown(CancelChanges);
}

void TExtCustomDropDown::SetCancelOnDeActivate(bool Value)
{
    if (FDropDownForm) FDropDownForm->SetCancelOnDeActivate(Value);
}

void TExtCustomDropDown::CreateDropDownForm()
{
    if (FDropDownForm) return;
    FDropDownForm = New<TDropDownForm>(this);
    FDropDownForm->SetExtDropDown(this);
    FDropDownForm->SetBorderStyle(bsNone);
    FDropDownForm->SetVisible(false);
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), FDropDownWidth, FDropDownHeight);
    FDropDownForm->SetDoubleBuffered(true);
    FDropDownForm->OnClose = [](TObject*, TCloseAction&) {};
    FDropDownForm->OnHide = [this](TObject*) { AfterHideDropDown(); };
    FDropDownForm->OnKeyPress = [this](TObject*, QChar& Key) { DropDownKeyPress(Key); };
    FDropDownForm->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) { DropDownKeyDown(Key, Shift); };
    FDropDownForm->OnKeyUp = [this](TObject*, uint16_t& Key, TShiftState Shift) { DropDownKeyUp(Key, Shift); };
    FDropDownForm->OnDestroy = [this](TObject*) { DropDownFormDestroyed(); };
    FDropDownForm->OnSizing = [this](TObject*) { DropDownSizing(); };
}

void TExtCustomDropDown::CreateDropDownButton()
{
    if (FButton) return;
    FButton = New<TDropDownEditButton>(this);
    FButton->SetParent(this);
    FButton->OnClick = [this](TObject* Sender) { DropButtonClick(Sender); };
    if (ComponentState().Contains(csDesigning)) FButton->SetColor(clBtnFace);
    UpdateDropDownButton();
}

void TExtCustomDropDown::UpdateDropDownButton()
{
    if (!FButton) return;
    FButton->SetButtonWidth(FButtonWidth);
    FButton->SetHeight(17);
    FButton->SetVisible(true);
    FButton->SetFocusControl(this);
}

void TExtCustomDropDown::BeforeDropDown()
{
    if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TExtCustomDropDown::AdaptDropDownHeight(int32_t&)
{
}

void TExtCustomDropDown::FocusDropDownControl()
{
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
}

void TExtCustomDropDown::SizeDropDownForm()
{
    if (!FDropDownForm) return;
    const bool ControlShown = FControl && FControl->Visible();
    int32_t W = Width();
    if (FDropDownWidth > 0) W = FDropDownWidth;
    else if (ControlShown) W = FControl->Width();
    int32_t H = FDropDownHeight;
    if (H <= 0) {
        H = 2 * FDropDownBorderWidth;
        if (FDropDownHeader->Visible()) H += FDropDownHeader->Height();
        if (FDropDownFooter->Visible()) H += FDropDownFooter->Height();
        if (ControlShown) H += FControl->Height();
    }
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), W, H);
}

void TExtCustomDropDown::PlaceDropDownControl()
{
    if (!FDropDownForm || !FControl) return;
    FControl->SetParent(FDropDownForm);
    FControl->SetTop(FDropDownHeader->Visible() ? FDropDownHeader->Height() + 2 : FDropDownBorderWidth);
    FControl->SetAlign(alClient);
}

void TExtCustomDropDown::DoShowDropDown()
{
    if (ComponentState().Contains(csDesigning) || !FDropDownForm || FDropDownForm->Visible() || !Enabled() || ReadOnly()) return;
    BeforeDropDown();
    TDropDownForm* Form = FDropDownForm;
    Form->SetShadow(FDropDownShadow);
    Form->InitializeAndUpdate();
    // The system drop shadow (a class style) has no counterpart here.
    Form->SetBounds(Left(), Top(), Form->Width(), Form->Height());
    SizeDropDownForm();
    PlaceDropDownControl();
    Form->Constraints()->SetMinWidth(80);
    Form->Constraints()->SetMinHeight(50);
    if (auto* Content = dynamic_cast<TWinControl*>(FControl)) {
        Content->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
        Content->OnKeyPress = [this](TObject*, QChar& Key) { ControlKeyPress(Key); };
        Content->OnKeyUp = [this](TObject*, uint16_t& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
    }
    const TPoint Origin = Parent() ? Parent()->ClientToScreen(TPoint{Left(), Top()}) : ClientOrigin();
    int32_t W = FUserDropDownWidth != -1 ? FUserDropDownWidth : Form->Width();
    int32_t H = FUserDropDownHeight != -1 ? FUserDropDownHeight : Form->Height();
    W = std::max(W, Form->Constraints()->MinWidth());
    H = std::max(H, Form->Constraints()->MinHeight());
    const TMonitor* Monitor = Screen->MonitorFromPoint(Origin);
    const TRect WorkArea = Monitor ? Monitor->WorkareaRect() : Screen->WorkAreaRect();
    const int32_t Below = Origin.Y + Height() - 1;
    int32_t X = Origin.X;
    int32_t Y = Below;
    switch (FDropPosition) {
    case dpAuto:
        // Below when it fits above the bottom of the work area, else above; always inside it sideways.
        if (Below + H > WorkArea.Bottom) Y = Origin.Y - H;
        break;
    case dpDown: break;
    case dpUp: Y = Origin.Y - H; break;
    }
    bool Accept = true;
    if (OnDropDown) OnDropDown(this, Accept);
    if (!Accept) return;
    if (FDropPosition == dpAuto) {
        if (X + W > WorkArea.Right) X = WorkArea.Right - W;
        if (X < WorkArea.Left) X = WorkArea.Left;
    } else if (WorkArea.Left >= 0 && X + W > WorkArea.Right && X >= WorkArea.Left && X < WorkArea.Right) {
        X = WorkArea.Right - W;
    }
    AdaptDropDownHeight(H);
    Form->SetBounds(X, Y, W, H);
    Form->Show();
    FDroppedDown = true;
    SetWindowPos(Form->Handle(), HWND_TOPMOST, X, Y, W, H, SWP_SHOWWINDOW);
    FocusDropDownControl();
}

void TExtCustomDropDown::DoHideDropDown(bool Cancelled)
{
    if (ComponentState().Contains(csDesigning) || !FDropDownForm || !FDropDownForm->Visible()) return;
    if (OnBeforeDropUp) OnBeforeDropUp(this);
    FUserDropDownWidth = FDropDownForm->Width();
    FUserDropDownHeight = FDropDownForm->Height();
    FDropDownForm->Hide();
    Application->CancelHint();
    if (Cancelled) SetText(FOldText);
    if (OnDropUp) OnDropUp(this, Cancelled);
}

void TExtCustomDropDown::AfterHideDropDown()
{
    FDroppedDown = false;
    if (TabStop() && CanFocus() && !Focused() && !ComponentState().Contains(csDestroying)) SetFocus();
}

void TExtCustomDropDown::DropDownFormDestroyed()
{
}

void TExtCustomDropDown::DropButtonClick(TObject*)
{
    if (ComponentState().Contains(csDesigning) || !FDropDownForm || FDropDownForm->Visible()) return;
    // The click that closed an open pop-up (by taking its activation) does not open it again.
    if (static_cast<uint32_t>(GetTickCount() - FDropDownForm->DeActivateTime()) > 250) DoShowDropDown();
}

// ---- Keys and wheel of the pop-up ----

void TExtCustomDropDown::DropDownWheelDown()
{
    SelectNextValue();
}

void TExtCustomDropDown::DropDownWheelUp()
{
    SelectPreviousValue();
}

void TExtCustomDropDown::DropDownKeyPress(QChar& Key)
{
    Perform(WM_CHAR, Key.unicode(), 0);
}

void TExtCustomDropDown::DropDownKeyDown(uint16_t& Key, TShiftState)
{
    Perform(WM_KEYDOWN, Key, 0);
}

void TExtCustomDropDown::DropDownKeyUp(uint16_t& Key, TShiftState)
{
    Perform(WM_KEYUP, Key, 0);
}

void TExtCustomDropDown::ControlKeyDown(uint16_t& Key, TShiftState)
{
    Perform(WM_KEYDOWN, Key, 0);
}

void TExtCustomDropDown::ControlKeyUp(uint16_t& Key, TShiftState)
{
    Perform(WM_KEYUP, Key, 0);
}

void TExtCustomDropDown::ControlKeyPress(QChar& Key)
{
    Perform(WM_CHAR, Key.unicode(), 0);
}

void TExtCustomDropDown::DropDownSizing()
{
}

void TExtCustomDropDown::SelectNextValue()
{
}

void TExtCustomDropDown::SelectPreviousValue()
{
}
