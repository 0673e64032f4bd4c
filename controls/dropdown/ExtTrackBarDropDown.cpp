// TExtTrackBarDropDown: the track bar in the pop-up, the value by keys and by dragging on the edit.
#include "dropdown/ExtTrackBarDropDown.h"

#include "dropdown/DropDownForm.h"
#include "dropdown/PopupAppearance.h"
#include "dropdown/ScopedFlag.h"

#include "rtl/NumConv.h"
#include "windows/ComCtrls.h"

TExtTrackBarDropDown::TExtTrackBarDropDown(TComponent* AOwner) : TExtCustomDropDown(AOwner)
{
}

void TExtTrackBarDropDown::AfterConstruction()
{
    TExtCustomDropDown::AfterConstruction();
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetEditType(etNumeric);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    FForceShadow = true;
}

void TExtTrackBarDropDown::SetMin(int32_t Value)
{
    FMin = Value;
    if (!FTrackBar) return;
    FTrackBar->SetMin(Value);
    FMin = FTrackBar->Min();
}

void TExtTrackBarDropDown::SetMax(int32_t Value)
{
    FMax = Value;
    if (!FTrackBar) return;
    FTrackBar->SetMax(Value);
    FMax = FTrackBar->Max();
}

void TExtTrackBarDropDown::SetPosition(int32_t Value)
{
    FPosition = Value;
    if (!FTrackBar) return;
    FTrackBar->SetPosition(Value);
    FPosition = FTrackBar->Position();
}

void TExtTrackBarDropDown::SetFrequency(int32_t Value)
{
    FFrequency = Value;
    if (FTrackBar) FTrackBar->SetFrequency(Value);
}

void TExtTrackBarDropDown::SetPageSize(int32_t Value)
{
    FPageSize = Value;
    if (FTrackBar) FTrackBar->SetPageSize(Value);
}

void TExtTrackBarDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (!FTrackBar && DropDownForm()) {
        FTrackBar = New<TTrackBar>(this);
        FTrackBar->SetParent(DropDownForm());
        FTrackBar->SetBounds(0, 0, FTrackBar->Width(), 40);
    }
    if (FTrackBar) FTrackBar->OnChange = [this](TObject*) { TrackBarChange(); };
}

void TExtTrackBarDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    SetCancelOnDeActivate(false);
    FOpenPosition = FPosition;
    if (!FTrackBar) return;
    FTrackBar->SetMin(FMin);
    FTrackBar->SetMax(FMax);
    FTrackBar->SetPosition(FPosition);
    FTrackBar->SetPageSize(FPageSize);
    FTrackBar->SetFrequency(FFrequency);
    FTrackBar->SetWidth(Width());
    SetControl(FTrackBar);
}

void TExtTrackBarDropDown::DoHideDropDown(bool Cancelled)
{
    const bool WasOpen = DroppedDown();
    // The value shows without the Text setter: a cancelled close gives back the one it opened with,
    // not the text the base writes back.
    if (Cancelled) WithFlag(FCancelling, [&] { TExtCustomDropDown::DoHideDropDown(Cancelled); });
    else TExtCustomDropDown::DoHideDropDown(Cancelled);
    if (WasOpen && Cancelled) {
        SetPosition(FOpenPosition);
        SetTextUnformatted(QString::number(FPosition));
    }
}

void TExtTrackBarDropDown::TrackBarChange()
{
    FPosition = FTrackBar->Position();
    SetTextUnformatted(QString::number(FPosition));
    if (OnTrackChange) OnTrackChange(this);
}

void TExtTrackBarDropDown::Change()
{
    TExtCustomDropDown::Change();
    // A text that is no whole number keeps the position.
    int32_t Value = 0;
    if (!FCancelling && TryStrToInt(Text(), Value)) SetPosition(Value);
}

void TExtTrackBarDropDown::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_KEYDOWN: {
        TExtCustomDropDown::Dispatch(Message);
        // In the open pop-up the track bar takes its own arrow keys: one step a key, not two.
        if (EditorEnabled() || GetKeyState(VK_MENU) < 0 || DroppedDown()) break;
        if (Message.WParam == VK_UP && FPosition - FFrequency >= FMin) SetPosition(FPosition - FFrequency);
        else if (Message.WParam == VK_DOWN && FPosition + FFrequency <= FMax) SetPosition(FPosition + FFrequency);
        break;
    }
    case WM_LBUTTONDOWN:
        TExtCustomDropDown::Dispatch(Message);
        if (DropDownEnabled() && !EditorEnabled()) {
            FMouseDraging = true;
            FMouseX = TWMMouse(Message).XPos();
            // The drag goes on over the pop-up the press opened.
            SetMouseCapture(true);
        }
        break;
    case WM_MOUSEMOVE:
        TExtCustomDropDown::Dispatch(Message);
        if (FMouseDraging) {
            const int32_t X = TWMMouse(Message).XPos();
            // Without a page size the drag steps nothing.
            if (FPageSize > 0) SetPosition(FPosition + (X - FMouseX) / FPageSize);
            FMouseX = X;
        }
        break;
    case WM_LBUTTONUP:
        if (std::exchange(FMouseDraging, false)) SetMouseCapture(false);
        TExtCustomDropDown::Dispatch(Message);
        break;
    default: TExtCustomDropDown::Dispatch(Message); break;
    }
}
