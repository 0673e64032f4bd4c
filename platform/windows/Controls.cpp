// TControl: position, alignment and anchors, state properties, text, mouse messages and the message path.
#include "windows/Controls.h"

#include "windows/SizeConstraints.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/Exceptions.h"
#include "windows/ActnList.h"
#include "windows/Forms.h"
#include "windows/Menus.h"
#include "windows/private/Drag.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

namespace {

// The control holding the capture within its parent's window (a windowless one).
TControl* CaptureControl = nullptr;

}  // namespace

QString GetShortHint(const QString& Hint)
{
    const qsizetype Bar = Hint.indexOf(QLatin1Char('|'));
    return Bar < 0 ? Hint : Hint.left(Bar);
}

QString GetLongHint(const QString& Hint)
{
    const qsizetype Bar = Hint.indexOf(QLatin1Char('|'));
    return Bar < 0 ? Hint : Hint.mid(Bar + 1);
}

TShiftState KeysToShiftState(uint16_t Keys)
{
    TShiftState Shift;
    if (Keys & MK_SHIFT) Shift.Include(ssShift);
    if (Keys & MK_CONTROL) Shift.Include(ssCtrl);
    if (Keys & MK_LBUTTON) Shift.Include(ssLeft);
    if (Keys & MK_RBUTTON) Shift.Include(ssRight);
    if (Keys & MK_MBUTTON) Shift.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0) Shift.Include(ssAlt);
    return Shift;
}

TShiftState KeyDataToShiftState(int32_t KeyData)
{
    TShiftState Shift;
    if (GetKeyState(VK_SHIFT) < 0) Shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) Shift.Include(ssCtrl);
    if (KeyData & KF_ALTDOWN_MASK) Shift.Include(ssAlt);
    return Shift;
}

TShiftState KeyboardStateToShiftState()
{
    TShiftState Shift;
    if (GetKeyState(VK_SHIFT) < 0) Shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) Shift.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0) Shift.Include(ssAlt);
    if (GetKeyState(VK_LBUTTON) < 0) Shift.Include(ssLeft);
    if (GetKeyState(VK_RBUTTON) < 0) Shift.Include(ssRight);
    if (GetKeyState(VK_MBUTTON) < 0) Shift.Include(ssMiddle);
    return Shift;
}

TControl* GetCaptureControl()
{
    TWinControl* Result = FindControl(GetCapture());
    if (Result && CaptureControl && CaptureControl->Parent() == Result) return CaptureControl;
    return Result;
}

void SetCaptureControl(TControl* Control)
{
    ReleaseCapture();
    CaptureControl = nullptr;
    if (!Control) return;
    auto* Windowed = dynamic_cast<TWinControl*>(Control);
    if (!Windowed) {
        if (!Control->Parent()) return;
        CaptureControl = Control;
        Windowed = Control->Parent();
    }
    SetCapture(Windowed->Handle());
}

TCustomForm* GetParentForm(const TControl* Control, bool TopForm)
{
    TCustomForm* Found = nullptr;
    for (const TControl* Each = Control; Each; Each = Each->Parent()) {
        if (auto* Form = dynamic_cast<TCustomForm*>(const_cast<TControl*>(Each))) {
            Found = Form;
            if (!TopForm) break;
        }
    }
    return Found;
}

namespace WindowsInternal {

LRESULT CopyTextToBuffer(const QString& Text, WPARAM BufSize, LPARAM Buffer)
{
    const auto Size = static_cast<qsizetype>(BufSize);
    if (Size <= 0) return 0;
    const qsizetype Count = std::min(Size - 1, Text.size());
    auto* Target = reinterpret_cast<char16_t*>(Buffer);
    std::copy_n(Text.utf16(), Count, Target);
    Target[Count] = 0;
    return Count;
}

}  // namespace WindowsInternal

// ---- TControl ----

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FFont(std::make_unique<TFont>()), FConstraints(std::make_unique<TSizeConstraints>())
{
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    FFont->OnChange = [this](TObject*) { FontChanged(); };
    FConstraints->OnChange = [this](TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); };
}

TControl::~TControl()
{
    WindowsInternal::ForgetMouseControl(this);
    WindowsInternal::ForgetDragControl(this);
    Application->ControlDestroying(this);
    if (CaptureControl == this) SetCaptureControl(nullptr);
    if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent)
{
    if (FParent == AParent) return;
    if (AParent == this) throw EInvalidOperation(QStringLiteral("A control cannot have itself as its parent"));
    if (FParent) FParent->RemoveControl(this);
    if (AParent) {
        AParent->InsertControl(this);
        UpdateAnchorRules();
    }
}

void TControl::SetConstraints(TSizeConstraints* Value)
{
    FConstraints->Assign(Value);
}

void TControl::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    FConstraints->Apply(AWidth, AHeight);
    const bool Moved = ALeft != FLeft || ATop != FTop;
    const bool Resized = AWidth != FWidth || AHeight != FHeight;
    if (!Moved && !Resized) return;
    InvalidateControl(FVisible, false);
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    InvalidateControl(FVisible, FControlStyle.Contains(csOpaque));
    UpdateAnchorRules();
    RequestAlign();
    if (Resized) Perform(WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<uint16_t>(FWidth), static_cast<uint16_t>(FHeight)));
}

TRect TControl::ClientRect() const
{
    return {0, 0, FWidth, FHeight};
}

void TControl::SetClientWidth(int32_t Value)
{
    SetWidth(FWidth - ClientWidth() + Value);
}

void TControl::SetClientHeight(int32_t Value)
{
    SetHeight(FHeight - ClientHeight() + Value);
}

TPoint TControl::ClientOrigin() const
{
    if (!FParent) return {FLeft, FTop};
    const TPoint Origin = FParent->ClientOrigin();
    return {Origin.X + FLeft, Origin.Y + FTop};
}

TPoint TControl::ClientToScreen(const TPoint& Point) const
{
    const TPoint Origin = ClientOrigin();
    return {Point.X + Origin.X, Point.Y + Origin.Y};
}

TPoint TControl::ScreenToClient(const TPoint& Point) const
{
    const TPoint Origin = ClientOrigin();
    return {Point.X - Origin.X, Point.Y - Origin.Y};
}

void TControl::SetAlign(TAlign Value)
{
    if (FAlign == Value) return;
    const TAlign Old = FAlign;
    FAlign = Value;
    FAnchors = (Value == alNone || Value == alCustom) ? TAnchors{akLeft, akTop}
             : Value == alTop    ? TAnchors{akLeft, akTop, akRight}
             : Value == alBottom ? TAnchors{akLeft, akRight, akBottom}
             : Value == alLeft   ? TAnchors{akLeft, akTop, akBottom}
             : Value == alRight  ? TAnchors{akTop, akRight, akBottom}
                                 : TAnchors{akLeft, akTop, akRight, akBottom};
    if (Old != alNone || Value != alNone) RequestAlign();
    UpdateAnchorRules();
}

void TControl::SetAnchors(TAnchors Value)
{
    if (FAnchors == Value) return;
    FAnchors = Value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    if (FAnchorMove || ComponentState().Contains(csLoading)) return;
    if (FAnchors == TAnchors{akLeft, akTop}) {
        FOriginalParentSize = {};
        return;
    }
    FAnchorRules.X = FAnchors.Contains(akRight) ? (FAnchors.Contains(akLeft) ? FWidth : FLeft) : FLeft + FWidth / 2;
    FAnchorRules.Y = FAnchors.Contains(akBottom) ? (FAnchors.Contains(akTop) ? FHeight : FTop) : FTop + FHeight / 2;
    if (FParent) FOriginalParentSize = FParent->ClientRect().BottomRight();
}

void TControl::ApplyAnchors()
{
    if (FOriginalParentSize.X == 0 || FOriginalParentSize.Y == 0 || !FParent) return;
    const TPoint ParentSize = FParent->ClientRect().BottomRight();
    int32_t NewLeft = FLeft, NewTop = FTop, NewWidth = FWidth, NewHeight = FHeight;
    if (FAnchors.Contains(akRight)) {
        if (FAnchors.Contains(akLeft)) NewWidth = ParentSize.X - (FOriginalParentSize.X - FAnchorRules.X);
        else NewLeft = ParentSize.X - (FOriginalParentSize.X - FAnchorRules.X);
    } else if (!FAnchors.Contains(akLeft)) {
        NewLeft = static_cast<int32_t>(int64_t(FAnchorRules.X) * ParentSize.X / FOriginalParentSize.X) - NewWidth / 2;
    }
    if (FAnchors.Contains(akBottom)) {
        if (FAnchors.Contains(akTop)) NewHeight = ParentSize.Y - (FOriginalParentSize.Y - FAnchorRules.Y);
        else NewTop = ParentSize.Y - (FOriginalParentSize.Y - FAnchorRules.Y);
    } else if (!FAnchors.Contains(akTop)) {
        NewTop = static_cast<int32_t>(int64_t(FAnchorRules.Y) * ParentSize.Y / FOriginalParentSize.Y) - NewHeight / 2;
    }
    FAnchorMove = true;
    try {
        SetBounds(NewLeft, NewTop, NewWidth, NewHeight);
    } catch (...) {
        FAnchorMove = false;
        throw;
    }
    FAnchorMove = false;
}

void TControl::RequestAlign()
{
    if (FParent) FParent->Realign();
}

void TControl::SetVisible(bool Value)
{
    if (FVisible == Value) return;
    FVisible = Value;
    Perform(CM_VISIBLECHANGED, Value, 0);
    RequestAlign();
}

void TControl::Show()
{
    if (FParent) FParent->ShowControl(this);
    SetVisible(true);
}

void TControl::SetEnabled(bool Value)
{
    if (FEnabled == Value) return;
    FEnabled = Value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

QString TControl::Text() const
{
    const int32_t Length = GetTextLen();
    QString Buffer(Length + 1, QChar());
    const int32_t Copied = GetTextBuf(reinterpret_cast<char16_t*>(Buffer.data()), Length + 1);
    Buffer.truncate(Copied);
    return Buffer;
}

void TControl::SetText(const QString& Value)
{
    if (Text() == Value) return;
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Value.utf16()));
    Perform(CM_TEXTCHANGED, 0, 0);
}

int32_t TControl::GetTextLen() const
{
    return static_cast<int32_t>(const_cast<TControl*>(this)->Perform(WM_GETTEXTLENGTH, 0, 0));
}

int32_t TControl::GetTextBuf(char16_t* Buffer, int32_t BufSize) const
{
    return static_cast<int32_t>(const_cast<TControl*>(this)->Perform(WM_GETTEXT, static_cast<WPARAM>(BufSize),
                                                                     reinterpret_cast<LPARAM>(Buffer)));
}

void TControl::SetFont(TFont* Value)
{
    FFont->Assign(Value);
}

void TControl::FontChanged()
{
    FParentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value)
{
    if (FParentFont == Value) return;
    FParentFont = Value;
    if (FParent && FParentFont) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = Value;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value)
{
    if (FParentColor == Value) return;
    FParentColor = Value;
    if (FParent && FParentColor) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool Value)
{
    if (FShowHint == Value) return;
    FShowHint = Value;
    FParentShowHint = false;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value)
{
    if (FParentShowHint == Value) return;
    FParentShowHint = Value;
    if (FParent && FParentShowHint) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor Value)
{
    if (FCursor == Value) return;
    FCursor = Value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

bool TControl::MouseCapture() const
{
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool Value)
{
    if (MouseCapture() == Value) return;
    SetCaptureControl(Value ? this : nullptr);
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage Message{Msg, WParam, LParam, 0};
    Perform(Message);
    return Message.Result;
}

void TControl::Perform(TMessage& Message)
{
    if (FWindowProc) FWindowProc(Message);
    else WndProc(Message);
}

TWndMethod TControl::WindowProc()
{
    if (FWindowProc) return FWindowProc;
    return [this](TMessage& Message) { WndProc(Message); };
}

void TControl::Invalidate()
{
    InvalidateControl(FVisible, FControlStyle.Contains(csOpaque));
}

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque)
{
    if (!IsVisible || !FParent || !FParent->HandleAllocated()) return;
    const TRect Rect = BoundsRect();
    InvalidateRect(FParent->Handle(), &Rect, !IsOpaque);
}

void TControl::Repaint()
{
    if (!FVisible || !FParent || !FParent->HandleAllocated()) return;
    Invalidate();
    FParent->Update();
}

void TControl::Update()
{
    if (FParent) FParent->Update();
}

void TControl::SetZOrder(bool TopMost)
{
    if (!FParent) return;
    auto& List = FParent->FControls;
    const auto Found = std::find(List.begin(), List.end(), this);
    if (Found == List.end()) return;
    List.erase(Found);
    List.insert(TopMost ? List.end() : List.begin(), this);
    InvalidateControl(FVisible, true);
}

// ---- Message path ----

void TControl::WndProc(TMessage& Message)
{
    if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
        if (!FControlStyle.Contains(csDoubleClicks)) {
            switch (Message.Msg) {
            case WM_LBUTTONDBLCLK:
            case WM_RBUTTONDBLCLK:
            case WM_MBUTTONDBLCLK: Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN; break;
            default: break;
            }
        }
        switch (Message.Msg) {
        case WM_MOUSEMOVE: Application->HintMouseMessage(this, Message); break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (FDragMode == dmAutomatic) {
                BeginDrag(true);
                return;
            }
            FControlState.Include(csLButtonDown);
            break;
        case WM_LBUTTONUP: FControlState.Exclude(csLButtonDown); break;
        default: break;
        }
    }
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_MOUSEMOVE: WMMouseMove(TWMMouse(Message)); break;
    case WM_LBUTTONDOWN: WMLButtonDown(TWMMouse(Message)); break;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(TWMMouse(Message)); break;
    case WM_LBUTTONUP: WMLButtonUp(TWMMouse(Message)); break;
    case WM_RBUTTONDOWN: WMRButtonDown(TWMMouse(Message)); break;
    case WM_RBUTTONDBLCLK: WMRButtonDblClk(TWMMouse(Message)); break;
    case WM_RBUTTONUP: WMRButtonUp(TWMMouse(Message)); break;
    case WM_MBUTTONDOWN: WMMButtonDown(TWMMouse(Message)); break;
    case WM_MBUTTONDBLCLK: WMMButtonDblClk(TWMMouse(Message)); break;
    case WM_MBUTTONUP: WMMButtonUp(TWMMouse(Message)); break;
    case WM_CONTEXTMENU: WMContextMenu(TWMContextMenu(Message)); break;
    case WM_CANCELMODE: WMCancelMode(Message); break;
    case WM_SIZE: WMSize(TWMSize(Message)); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(Message); break;
    case CM_FONTCHANGED: CMFontChanged(Message); break;
    case CM_COLORCHANGED: CMColorChanged(Message); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(Message); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(Message); break;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(Message); break;
    case CM_TEXTCHANGED: CMTextChanged(Message); break;
    case CM_HITTEST: CMHitTest(Message); break;
    case CM_MOUSEENTER: CMMouseEnter(Message); break;
    case CM_MOUSELEAVE: CMMouseLeave(Message); break;
    case CM_MOUSEWHEEL: CMMouseWheel(TCMMouseWheel(Message)); break;
    case CM_PARENTBIDIMODECHANGED: CMParentBiDiModeChanged(Message); break;
    case CM_DRAG: CMDrag(Message); break;
    default: DefaultHandler(Message); break;
    }
}

void TControl::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETTEXTLENGTH: Message.Result = FText.size(); break;
    case WM_GETTEXT: Message.Result = WindowsInternal::CopyTextToBuffer(FText, Message.WParam, Message.LParam); break;
    case WM_SETTEXT:
        FText = QString::fromUtf16(reinterpret_cast<const char16_t*>(Message.LParam));
        Message.Result = 1;
        break;
    default: break;
    }
}

// ---- Mouse ----

void TControl::DoMouseDown(TWMMouse Message, TMouseButton Button, TShiftState Shift)
{
    if (!FControlStyle.Contains(csNoStdEvents)) MouseDown(Button, KeysToShiftState(Message.Keys()) + Shift, Message.XPos(), Message.YPos());
}

void TControl::DoMouseUp(TWMMouse Message, TMouseButton Button)
{
    if (!FControlStyle.Contains(csNoStdEvents)) MouseUp(Button, KeysToShiftState(Message.Keys()), Message.XPos(), Message.YPos());
}

void TControl::WMMouseMove(TWMMouse Message)
{
    DefaultHandler(Message.Message);
    if (!FControlStyle.Contains(csNoStdEvents)) MouseMove(KeysToShiftState(Message.Keys()), Message.XPos(), Message.YPos());
}

void TControl::WMLButtonDown(TWMMouse Message)
{
    if (TCustomForm* Form = GetParentForm(this)) Form->SendCancelMode(this);
    SendMessage(GetCapture(), WM_CANCELMODE, 0, 0);
    DefaultHandler(Message.Message);
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
    DoMouseDown(Message, mbLeft, {});
}

void TControl::WMLButtonDblClk(TWMMouse Message)
{
    if (TCustomForm* Form = GetParentForm(this)) Form->SendCancelMode(this);
    SendMessage(GetCapture(), WM_CANCELMODE, 0, 0);
    DefaultHandler(Message.Message);
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents)) DblClick();
    DoMouseDown(Message, mbLeft, {ssDouble});
}

void TControl::WMLButtonUp(TWMMouse Message)
{
    DefaultHandler(Message.Message);
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
    if (FControlState.Contains(csClicked)) {
        FControlState.Exclude(csClicked);
        if (PtInRect(ClientRect(), Message.Pos())) Click();
    }
    DoMouseUp(Message, mbLeft);
}

void TControl::WMRButtonDown(TWMMouse Message)
{
    DefaultHandler(Message.Message);
    DoMouseDown(Message, mbRight, {});
}

void TControl::WMRButtonDblClk(TWMMouse Message)
{
    DefaultHandler(Message.Message);
    DoMouseDown(Message, mbRight, {ssDouble});
}

void TControl::WMRButtonUp(TWMMouse Message)
{
    DefaultHandler(Message.Message);
    DoMouseUp(Message, mbRight);
}

void TControl::WMMButtonDown(TWMMouse Message)
{
    DefaultHandler(Message.Message);
    DoMouseDown(Message, mbMiddle, {});
}

void TControl::WMMButtonDblClk(TWMMouse Message)
{
    DefaultHandler(Message.Message);
    DoMouseDown(Message, mbMiddle, {ssDouble});
}

void TControl::WMMButtonUp(TWMMouse Message)
{
    DefaultHandler(Message.Message);
    DoMouseUp(Message, mbMiddle);
}

void TControl::WMContextMenu(TWMContextMenu Message)
{
    if (Message.Result() != 0) return;
    TPoint Pos = Message.Pos();
    // (-1, -1) means the keyboard asked: the menu comes at the control.
    const TPoint MousePos = (Pos.X == -1 && Pos.Y == -1) ? TPoint{-1, -1} : ScreenToClient(Pos);
    bool Handled = false;
    DoContextPopup(MousePos, Handled);
    if (!Handled) {
        if (TPopupMenu* Menu = PopupMenu(); Menu && Menu->AutoPopup()) {
            if (HWND Captured = GetCapture()) SendMessage(Captured, WM_CANCELMODE, 0, 0);
            Menu->SetPopupComponent(this);
            if (Pos.X == -1 && Pos.Y == -1) Pos = ClientToScreen({0, 0});
            Menu->Popup(Pos.X, Pos.Y);
            Handled = true;
        }
    }
    Message.SetResult(Handled ? 1 : 0);
    if (!Handled) DefaultHandler(Message.Message);
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled)
{
    if (OnContextPopup) OnContextPopup(this, MousePos, Handled);
}

// ---- Wheel ----

void TControl::CMMouseWheel(TCMMouseWheel Message)
{
    const TShiftState Shift = TShiftState::FromInt(Message.ShiftState());
    Message.SetResult(DoMouseWheel(Shift, Message.WheelDelta(), Message.Pos()) ? 1 : 0);
}

bool TControl::DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos)
{
    bool Handled = false;
    if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, Handled);
    if (Handled) return true;
    // Fine wheels turn less than a notch at a time: the turns add up until a whole notch is reached.
    FWheelAccumulator += WheelDelta;
    while (std::abs(FWheelAccumulator) >= WHEEL_DELTA) {
        const bool Down = FWheelAccumulator < 0;
        FWheelAccumulator += Down ? WHEEL_DELTA : -WHEEL_DELTA;
        Handled = Down ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
    }
    return Handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    bool Handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, Handled);
    return Handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    bool Handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, Handled);
    return Handled;
}

// ---- Reading order ----

void TControl::SetBiDiMode(TBiDiMode Value)
{
    FParentBiDiMode = false;
    if (FBiDiMode == Value) return;
    FBiDiMode = Value;
    Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool Value)
{
    if (FParentBiDiMode == Value) return;
    FParentBiDiMode = Value;
    if (FParent && Value) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

void TControl::CMParentBiDiModeChanged(TMessage&)
{
    if (!FParentBiDiMode || !FParent) return;
    SetBiDiMode(FParent->BiDiMode());
    FParentBiDiMode = true;
}

void TControl::WMCancelMode(TMessage&)
{
    if (MouseCapture()) {
        SetMouseCapture(false);
        FControlState.Exclude(csClicked);
    }
}

void TControl::WMSize(TWMSize Message)
{
    DefaultHandler(Message.Message);
    Resize();
}

void TControl::Click()
{
    if (OnClick) OnClick(this);
    else if (FActionLink) FActionLink->Execute(this);
}

TBasicAction* TControl::Action() const
{
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TControl::SetAction(TBasicAction* Value)
{
    if (!Value) {
        FActionLink.reset();
        return;
    }
    if (!FActionLink) FActionLink = CreateActionLink();
    FActionLink->SetAction(Value);
    ActionChange(Value, Value->ComponentState().Contains(csLoading));
    Value->FreeNotification(this);
}

std::unique_ptr<TControlActionLink> TControl::CreateActionLink()
{
    return std::make_unique<TControlActionLink>(this);
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults)
{
    const auto* Action = dynamic_cast<const TCustomAction*>(Sender);
    if (!Action) return;
    if (!CheckDefaults || Caption().isEmpty() || Caption() == Name()) SetCaption(Action->Caption());
    if (!CheckDefaults || Enabled()) SetEnabled(Action->Enabled());
    if (!CheckDefaults || FHint.isEmpty()) SetHint(Action->Hint());
    if (!CheckDefaults || FVisible) SetVisible(Action->Visible());
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && FActionLink && AComponent == FActionLink->Action()) FActionLink.reset();
}

void TControl::DblClick()
{
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::Resize()
{
    if (OnResize) OnResize(this);
}

// ---- Change notices ----

void TControl::CMEnabledChanged(TMessage&)
{
    Invalidate();
}

void TControl::CMVisibleChanged(TMessage&)
{
    InvalidateControl(true, FVisible && FControlStyle.Contains(csOpaque));
}

void TControl::CMFontChanged(TMessage&)
{
    Invalidate();
}

void TControl::CMColorChanged(TMessage&)
{
    Invalidate();
}

void TControl::CMParentFontChanged(TMessage& Message)
{
    if (!FParentFont) return;
    if (Message.WParam != 0) SetFont(reinterpret_cast<TFont*>(Message.LParam));
    else if (FParent) SetFont(FParent->Font());
    FParentFont = true;
}

void TControl::CMParentColorChanged(TMessage& Message)
{
    if (!FParentColor) return;
    if (Message.WParam != 0) SetColor(static_cast<TColor>(Message.LParam));
    else if (FParent) SetColor(FParent->Color());
    FParentColor = true;
}

void TControl::CMParentShowHintChanged(TMessage&)
{
    if (!FParentShowHint || !FParent) return;
    SetShowHint(FParent->ShowHint());
    FParentShowHint = true;
}

void TControl::CMTextChanged(TMessage&)
{
    Invalidate();
}

void TControl::CMHitTest(TMessage& Message)
{
    Message.Result = HTCLIENT;
}

void TControl::CMMouseEnter(TMessage& Message)
{
    if (FParent) FParent->Perform(CM_MOUSEENTER, 0, Message.LParam ? Message.LParam : reinterpret_cast<LPARAM>(this));
    if (Message.LParam == 0 && OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage& Message)
{
    if (FParent) FParent->Perform(CM_MOUSELEAVE, 0, Message.LParam ? Message.LParam : reinterpret_cast<LPARAM>(this));
    if (Message.LParam == 0 && OnMouseLeave) OnMouseLeave(this);
}
