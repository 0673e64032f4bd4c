// The repeating speed button, its painting in the spin button's colours, and the spin button's layout, focus and keys.
#include "grid/base/SpinButton.h"

#include "grid/base/ExtXPVS.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "windows/Timer.h"

#include <algorithm>

namespace {

constexpr uint32_t FirstRepeat = 400;
constexpr uint32_t NextRepeats = 100;

// Parts of the "spin" theme class by direction.
constexpr int32_t SpinParts[] = {4, 3, 1, 2};  // bdLeft, bdRight, bdUp, bdDown


}  // namespace

// ---- TExtTimerSpeedButton ----

TExtTimerSpeedButton::TExtTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

TExtTimerSpeedButton::~TExtTimerSpeedButton() = default;

void TExtTimerSpeedButton::SetButtonDirection(TButtonDirection Value)
{
    FButtonDirection = Value;
    Invalidate();
}

void TExtTimerSpeedButton::SetIsWinXP(bool Value)
{
    FIsWinXP = Value;
    Invalidate();
}

void TExtTimerSpeedButton::InvalidateParent()
{
    if (Parent()) Parent()->Invalidate();
}

void TExtTimerSpeedButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TSpeedButton::Dispatch(Message);
        if (Message.LParam == 0) {
            FHasMouse = Message.Msg == CM_MOUSEENTER;
            Invalidate();
        }
        break;
    default: TSpeedButton::Dispatch(Message); break;
    }
}

void TExtTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (FTimeBtnState.Contains(tbAllowTimer)) {
        if (!FRepeatTimer) {
            FRepeatTimer = New<TTimer>(this);
            FRepeatTimer->OnTimer = [this](TObject*) { TimerExpired(); };
        }
        FRepeatTimer->SetEnabled(false);
        FRepeatTimer->SetInterval(FirstRepeat);
        FRepeatTimer->SetEnabled(true);
    }
    InvalidateParent();
}

void TExtTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
    InvalidateParent();
}

void TExtTimerSpeedButton::TimerExpired()
{
    FRepeatTimer->SetInterval(NextRepeats);
    if (FState != bsDown || !MouseCapture()) return;
    try {
        Click();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TExtTimerSpeedButton::Paint()
{
    TCanvas* Target = Canvas();
    const TRect R = ClientRect();
    const bool Pressed = IsButtonPressed(FState);
    const auto* Spin = dynamic_cast<const TEsgSpinButton*>(Owner());
    if (Spin && Spin->ButtonColor() != clNone) {
        TColor Fill = Spin->ButtonColor();
        if (Pressed) Fill = Spin->ButtonColorDown();
        else if (FHasMouse) Fill = Spin->ButtonColorHot();
        Target->Brush()->SetStyle(bsSolid);
        Target->Brush()->SetColor(Fill);
        Target->FillRect(R);
        static constexpr TPoint Arrows[4][3] = {
            {{5, 5}, {3, 7}, {5, 9}}, {{3, 5}, {5, 7}, {3, 9}}, {{4, 4}, {8, 4}, {6, 2}}, {{4, 2}, {8, 2}, {6, 4}}};
        Target->Pen()->SetColor(clBlack);
        Target->Brush()->SetColor(clBlack);
        const TPoint* Arrow = Arrows[FButtonDirection];
        Target->Polygon({{R.Left + Arrow[0].X, R.Top + Arrow[0].Y}, {R.Left + Arrow[1].X, R.Top + Arrow[1].Y},
                         {R.Left + Arrow[2].X, R.Top + Arrow[2].Y}});
        return;
    }
    if (FIsWinXP && DrawThemedPart(ThemeAPI, Parent() ? Parent()->Handle() : nullptr, u"spin", Target->Handle(),
                                   SpinParts[FButtonDirection], Pressed ? 3 : FHasMouse ? 2 : 1, R))
        return;
    if (FButtonDirection == bdLeft || FButtonDirection == bdRight) {
        TRect Frame = R;
        uint32_t State = FButtonDirection == bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
        if (Pressed) State |= DFCS_PUSHED;
        if (Flat()) State |= DFCS_FLAT;
        DrawFrameControl(Target->Handle(), Frame, DFC_SCROLL, State);
        return;
    }
    TSpeedButton::Paint();
}

// ---- TEsgSpinButton ----

// The border colour is left at 0.
TEsgSpinButton::TEsgSpinButton(TComponent* AOwner) : TWinControl(AOwner), TEditorButtonColors(0)
{
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    FUpButton = CreateButton();
    FDownButton = CreateButton();
    FUpButton->SetButtonDirection(bdUp);
    FDownButton->SetButtonDirection(bdDown);
    LoadDefaultGlyph(FUpButton);
    LoadDefaultGlyph(FDownButton);
    FFocusedButton = FUpButton;
    SetBounds(0, 0, 15, 25);
}

TExtTimerSpeedButton* TEsgSpinButton::CreateButton()
{
    auto* Button = New<TExtTimerSpeedButton>(this);
    Button->SetParent(this);
    Button->OnClick = [this](TObject* Sender) { BtnClick(Sender); };
    Button->OnMouseDown = [this](TObject* Sender, TMouseButton Pressed, TShiftState, int32_t, int32_t) {
        BtnMouseDown(Sender, Pressed);
    };
    Button->SetVisible(true);
    Button->SetEnabled(true);
    Button->SetTimeBtnState({tbAllowTimer});
    return Button;
}

void TEsgSpinButton::LoadDefaultGlyph(TExtTimerSpeedButton* Button)
{
    TBitmap Glyph;
    Glyph.LoadFromResourceName(0, Button == FUpButton ? QStringLiteral("EsgSpinUp") : QStringLiteral("EsgSpinDown"));
    Button->SetGlyph(&Glyph);
    Button->SetNumGlyphs(1);
}

void TEsgSpinButton::Loaded()
{
    TWinControl::Loaded();
    AdjustButtonSize();
}

void TEsgSpinButton::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    const int32_t Least = FDirection == spVertical ? 15 : 20;
    TWinControl::SetBounds(ALeft, ATop, std::max(AWidth, Least), AHeight);
    AdjustButtonSize();
}

void TEsgSpinButton::AdjustButtonSize()
{
    if (!FUpButton || !FDownButton || ComponentState().Contains(csLoading)) return;
    const int32_t W = Width(), H = Height();
    if (FDirection == spVertical) {
        const int32_t UpHeight = H / 2;
        FUpButton->SetBounds(0, 0, W, UpHeight);
        FDownButton->SetBounds(0, UpHeight - 1, W, H - UpHeight + 1);
    } else {
        const int32_t Half = W / 2;
        FDownButton->SetBounds(0, 0, Half, H);
        FUpButton->SetBounds(Half + 1, 0, Half, H);
    }
}

void TEsgSpinButton::SetDirection(TSpinDirection Value)
{
    if (FDirection == Value) return;
    FDirection = Value;
    RecreateWnd();
    if (Value == spHorizontal) {
        FUpButton->SetButtonDirection(bdRight);
        FDownButton->SetButtonDirection(bdLeft);
        SetWidth(20);
    } else {
        FUpButton->SetButtonDirection(bdUp);
        FDownButton->SetButtonDirection(bdDown);
        SetWidth(15);
    }
    AdjustButtonSize();
}

void TEsgSpinButton::SetFocusControl(TWinControl* Value)
{
    if (FFocusControl == Value) return;
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}

TBitmap* TEsgSpinButton::UpGlyph() const
{
    return FUpButton->Glyph();
}

void TEsgSpinButton::SetUpGlyph(TBitmap* Value)
{
    if (Value && !Value->Empty()) FUpButton->SetGlyph(Value);
    else LoadDefaultGlyph(FUpButton);
}

TBitmap* TEsgSpinButton::DownGlyph() const
{
    return FDownButton->Glyph();
}

void TEsgSpinButton::SetDownGlyph(TBitmap* Value)
{
    if (Value && !Value->Empty()) FDownButton->SetGlyph(Value);
    else LoadDefaultGlyph(FDownButton);
}

int32_t TEsgSpinButton::UpNumGlyphs() const
{
    return FUpButton->NumGlyphs();
}

void TEsgSpinButton::SetUpNumGlyphs(int32_t Value)
{
    FUpButton->SetNumGlyphs(Value);
}

int32_t TEsgSpinButton::DownNumGlyphs() const
{
    return FDownButton->NumGlyphs();
}

void TEsgSpinButton::SetDownNumGlyphs(int32_t Value)
{
    FDownButton->SetNumGlyphs(Value);
}

void TEsgSpinButton::SetIsWinXP(bool Value)
{
    FIsWinXP = Value;
    FUpButton->SetIsWinXP(Value);
    FDownButton->SetIsWinXP(Value);
}

void TEsgSpinButton::BtnClick(TObject* Sender)
{
    if (Sender == FUpButton) {
        if (OnUpClick) OnUpClick(this);
    } else if (OnDownClick) {
        OnDownClick(this);
    }
}

void TEsgSpinButton::BtnMouseDown(TObject* Sender, TMouseButton Button)
{
    if (Button != mbLeft) return;
    SetFocusBtn(static_cast<TExtTimerSpeedButton*>(Sender));
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop() && CanFocus() && !Focused())
        SetFocus();
}

void TEsgSpinButton::SetFocusBtn(TExtTimerSpeedButton* Button)
{
    if (!TabStop() || !CanFocus() || Button == FFocusedButton) return;
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() - TTimeBtnState{tbFocusRect});
    FFocusedButton = Button;
    if (Focused()) {
        FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() + TTimeBtnState{tbFocusRect});
        FFocusedButton->Invalidate();
    }
}

void TEsgSpinButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SIZE:
        TWinControl::Dispatch(Message);
        AdjustButtonSize();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TWinControl::Dispatch(Message);
        if (Message.Msg == WM_SETFOCUS)
            FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() + TTimeBtnState{tbFocusRect});
        else
            FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() - TTimeBtnState{tbFocusRect});
        FFocusedButton->Invalidate();
        break;
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; break;
    default: TWinControl::Dispatch(Message); break;
    }
}

void TEsgSpinButton::KeyDown(uint16_t& Key, TShiftState Shift)
{
    switch (Key) {
    case VK_SPACE: FFocusedButton->Click(); break;
    case VK_UP:
        SetFocusBtn(FUpButton);
        FUpButton->Click();
        break;
    case VK_DOWN:
        SetFocusBtn(FDownButton);
        FDownButton->Click();
        break;
    default: break;
    }
    TWinControl::KeyDown(Key, Shift);
}

void TEsgSpinButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}
