// TExtButton: parent background, hot tracking, pressing and modal-result closing.
#include "dropdown/ExtButton.h"

#include "dropdown/DropDownUtil.h"
#include "dropdown/ExtDropDown.h"

#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"
#include "graphics/Region.h"
#include "windows/Forms.h"
#include "windows/Timer.h"

// ---- Button ----

TExtButton::TExtButton(TComponent* AOwner) : TCustomControl(AOwner), FUnHotTimer(std::make_unique<TTimer>(nullptr))
{
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
    SetBounds(Left(), Top(), 23, 22);
    Font()->SetName(QStringLiteral("Tahoma"));
    SetShowHint(false);
    SetDoubleBuffered(true);
    FUnHotTimer->SetEnabled(false);
    FUnHotTimer->SetInterval(1);
    FUnHotTimer->OnTimer = [this](TObject* Sender) { UnHotTimerTick(Sender); };
}

TExtButton::~TExtButton()
{
    FUnHotTimer.reset();
}

void TExtButton::SetAppearance(TExtButtonAppearance* Value)
{
    FAppearance = Value;
    Invalidate();
}

void TExtButton::SetImages(TCustomImageList* Value)
{
    FImages = Value;
    if (Value) Value->FreeNotification(this);
    Invalidate();
}

void TExtButton::SetImageIndex(int32_t Value)
{
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    Invalidate();
}

void TExtButton::SetExtDropDown(TExtCustomDropDown* Value)
{
    if (FExtDropDown != Value) FExtDropDown = Value;
}

void TExtButton::SetDown(bool Value)
{
    if (ComponentState().Contains(csLoading)) {
        FDownRequested = Value;
        return;
    }
    // A push button of group 0 never stays down.
    if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
    if (FDown == Value) return;
    FDown = Value;
    Invalidate();
}

void TExtButton::Loaded()
{
    TCustomControl::Loaded();
    SetDown(FDownRequested);
}

void TExtButton::SetAutoSize(bool Value)
{
    FAutoSize = Value;
}

void TExtButton::SizeToContent()
{
    if (!FAppearance) return;
    Canvas()->Font()->Assign(FAppearance->Font());
    TSize Size = GetTextSize(Canvas(), Caption());
    if (FImages && FImageIndex >= 0) {
        Size.cx = std::max(Size.cx, FImages->Width());
        Size.cy = std::max(Size.cy, FImages->Height());
    }
    SetHeight(Size.cy + 4);
    SetWidth(Size.cx + 8);
}

void TExtButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages && !ComponentState().Contains(csDestroying)) FImages = nullptr;
}

void TExtButton::Paint()
{
    HDC DC = Canvas()->Handle();
    if (TWinControl* ParentControl = Parent()) {
        // The parent paints itself into this button's context, moved so that its coordinates fall here.
        const int32_t Saved = SaveDC(DC);
        IntersectClipRect(DC, 0, 0, ClientWidth(), ClientHeight());
        SetViewportOrgEx(DC, -Left(), -Top(), nullptr);
        ParentControl->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(DC));
        ParentControl->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
        RestoreDC(DC, Saved);
    }
    DrawButton(Canvas());
}

void TExtButton::DrawButton(TCanvas* ACanvas)
{
    if (!FAppearance) return;
    const TRect R = ClientRect();
    TColor From = FAppearance->Color(), To = FAppearance->ColorTo(), Frame = FAppearance->BorderColor();
    if (!Enabled()) {
        From = FAppearance->ColorDisabled();
        To = FAppearance->ColorDisabledTo();
        Frame = FAppearance->BorderColorDisabled();
    } else if (FMouseDownInControl && FMouseInControl) {
        From = FAppearance->ColorDown();
        To = FAppearance->ColorDownTo();
        Frame = FAppearance->BorderColorDown();
    } else if (FDown) {
        From = FAppearance->ColorChecked();
        To = FAppearance->ColorCheckedTo();
        Frame = FAppearance->BorderColorChecked();
    } else if (FMouseInControl || Focused()) {
        From = FAppearance->ColorHot();
        To = FAppearance->ColorHotTo();
        Frame = FAppearance->BorderColorHot();
    }
    DrawBackgroundRect(ACanvas, R, From, To, FAppearance->Gradient() == gdVertical, 1, Frame);
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->Font()->Assign(FAppearance->Font());
    DrawImageText(ACanvas, R, Caption(), FImageIndex, FImages);
}

// ---- Hot tracking ----

bool TExtButton::CursorInside() const
{
    TPoint Pos;
    GetCursorPos(Pos);
    return PtInRect(ClientRect(), ScreenToClient(Pos));
}

void TExtButton::CMMouseEnter(TMessage& Message)
{
    TCustomControl::Dispatch(Message);
    if (Message.LParam != 0 || ComponentState().Contains(csDesigning)) return;
    FMouseInControl = true;
    if (Enabled()) Invalidate();
    FUnHotTimer->SetEnabled(true);
}

void TExtButton::CMMouseLeave(TMessage& Message)
{
    if (Message.LParam == 0 && !ComponentState().Contains(csDesigning)) {
        FUnHotTimer->SetEnabled(false);
        FMouseInControl = false;
        if (Enabled()) Invalidate();
    }
    TCustomControl::Dispatch(Message);
}

void TExtButton::UnHotTimerTick(TObject*)
{
    if (CursorInside()) return;
    FUnHotTimer->SetEnabled(false);
    FMouseInControl = false;
    if (Enabled()) Invalidate();
}

void TExtButton::UpdateTracking()
{
    if (!Enabled()) return;
    const bool Inside = CursorInside();
    FMouseInControl = !Inside;
    // The notification sets the flag to its true value and repaints.
    if (FMouseInControl) Perform(CM_MOUSELEAVE, 0, 0);
    else Perform(CM_MOUSEENTER, 0, 0);
}

// ---- Pressing ----

void TExtButton::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled() || ComponentState().Contains(csDesigning)) return;
    FMouseDownInControl = true;
    Invalidate();
    FDragging = true;
}

void TExtButton::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (FDragging) {
        const bool Inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
        if (Inside != FMouseInControl) Invalidate();
    } else if (!FMouseInControl) {
        UpdateTracking();
    }
}

void TExtButton::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (ComponentState().Contains(csDesigning)) return;
    FMouseDownInControl = false;
    Invalidate();
    if (!FDragging) return;
    FDragging = false;
    FMouseInControl = false;
    if (X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight()) Invalidate();
    UpdateTracking();
}

void TExtButton::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (Key == VK_RETURN || Key == VK_SPACE) {
        const bool WasInControl = FMouseInControl;
        FMouseDownInControl = true;
        FMouseInControl = true;
        Repaint();
        FMouseDownInControl = false;
        FMouseInControl = WasInControl;
        FInternalClick = true;
        try {
            Click();
        } catch (...) {
            FInternalClick = false;
            throw;
        }
        FInternalClick = false;
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TExtButton::CMDialogChar(TCMDialogChar Message)
{
    if (Enabled() && IsAccel(Message.CharCode(), Caption())) {
        Click();
        Message.SetResult(1);
        return;
    }
    TCustomControl::Dispatch(Message.Message);
}

void TExtButton::Click()
{
    if (TCustomForm* Form = GetParentForm(this)) Form->SetModalResult(FModalResult);
    if (FExtDropDown) {
        switch (FModalResult) {
        case mrOk:
        case mrYes:
        case mrAll:
        case mrYesToAll: FExtDropDown->HideDropDown(false); break;
        case mrCancel:
        case mrAbort:
        case mrIgnore:
        case mrNo:
        case mrNoToAll: FExtDropDown->HideDropDown(true); break;
        default: break;
        }
    }
    if (!FInternalClick) TCustomControl::Click();
}

void TExtButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER: CMMouseEnter(Message); break;
    case CM_MOUSELEAVE: CMMouseLeave(Message); break;
    case CM_DIALOGCHAR: CMDialogChar(TCMDialogChar(Message)); break;
    case CM_ENABLEDCHANGED:
    case CM_FOCUSCHANGED:
        TCustomControl::Dispatch(Message);
        Invalidate();
        break;
    default: TCustomControl::Dispatch(Message); break;
    }
}
