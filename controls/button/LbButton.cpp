// TLbButton: the painted push button.
#include "button/LbButton.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "rtl/StrFuncs.h"
#include "windows/Forms.h"
#include "windows/Menus.h"
#include "windows/Timer.h"

#include <utility>

namespace {

constexpr uint32_t FadeInterval = 30;
constexpr int32_t HotTrackSteps = 8;

struct TKindPreset {
    TModalResult ModalResult;
    const char* Resource;
    const char* Caption;
};

// Indexed by TLbButtonKind from bkOK on.
constexpr TKindPreset KindPresets[] = {
    {mrOk, "LBOK", "OK"},
    {mrCancel, "LBCANCEL", "Abbrechen"},
    {mrNone, "LBHELP", "Hilfe"},
    {mrYes, "LBYES", "Ja"},
    {mrNo, "LBNO", "Nein"},
    {mrNone, "LBCLOSE", "Schließen"},
    {mrAbort, "LBABORT", "Abbrechen"},
    {mrRetry, "LBRETRY", "Wiederholen"},
    {mrIgnore, "LBIGNORE", "Ignorieren"},
    {mrAll, "LBALL", "Alle"},
};

// Faces with rounded or no corners: the parent shows around them.
bool IsShaped(TLbButtonStyle Style)
{
    return Style == bsModern || Style == bsShape || Style == bsQuicken;
}

// The first form up the owner chain.
TCustomForm* FindOwnerForm(const TComponent* Component)
{
    for (TComponent* Owner = Component->Owner(); Owner; Owner = Owner->Owner())
        if (auto* Form = dynamic_cast<TCustomForm*>(Owner)) return Form;
    return nullptr;
}

// A button with the focus takes Enter and Esc itself; radio buttons do not count as buttons.
bool ActiveControlIsButton(const TCustomForm* Form)
{
    const TWinControl* Active = Form ? Form->ActiveControl() : nullptr;
    if (!Active) return false;
    const QString Name = UpperCase(Active->ClassName());
    return Name.contains(QLatin1String("BUTTON")) && !Name.contains(QLatin1String("RADIOBUTTON"));
}

}  // namespace

TLbButton::TLbButton(TComponent* AOwner)
    : TCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()), FHTFont(std::make_unique<TFont>()),
      FFadeTimer(NewFadeTimer())
{
    SetBounds(Left(), Top(), 100, 23);
    FControlStyle = {csCaptureMouse, csSetCaption};
    SetTabStop(true);
    SetColor(clBtnFace);
    if (auto* Form = dynamic_cast<TCustomForm*>(AOwner)) FHTFont->Assign(Form->Font());
}

TLbButton::~TLbButton() = default;

std::unique_ptr<TTimer> TLbButton::NewFadeTimer()
{
    auto Timer = std::make_unique<TTimer>(nullptr);
    Timer->SetEnabled(false);
    Timer->SetInterval(FadeInterval);
    Timer->OnTimer = [this](TObject*) { FadeStep(); };
    return Timer;
}

// ---- Properties ----

void TLbButton::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    RepaintNow();
}

void TLbButton::SetColorStyle(TLbColorStyle Value)
{
    if (Value == lcsCustom) return;
    TLbStyleColors Colors{Color(), FLightColor, FShadowColor, FColorWhenDown, FHotTrackColor};
    Get_Color_Style_Colors(Value, Colors);
    SetColor(Colors.Color);
    FLightColor = Colors.LightColor;
    FShadowColor = Colors.ShadowColor;
    FColorWhenDown = Colors.ColorWhenDown;
    FHotTrackColor = Colors.HotTrackColor;
    FFlat = Colors.Flat;
    Font()->SetColor(Colors.FontColor);
    // The window's extended style stays as it was.
    FStyle = Colors.Quicken ? bsQuicken : Colors.Modern ? bsModern : bsNormal;
    RepaintNow();
}

void TLbButton::SetFlat(bool Value)
{
    FFlat = Value;
    RepaintNow();
}

void TLbButton::SetGlyph(TBitmap* Value)
{
    FGlyph->Assign(Value);
    FNumGlyphs = FGlyph->Height() > 0 ? FGlyph->Width() / FGlyph->Height() : 0;
    FKind = bkCustom;
    Invalidate();
}

void TLbButton::SetHotTrackFont(TFont* Value)
{
    FHTFont->Assign(Value);
}

void TLbButton::SetKind(TLbButtonKind Value)
{
    if (Value != bkCustom) {
        const TKindPreset& Preset = KindPresets[Value - bkOK];
        SetNumGlyphs(2);
        SetModalResult(Preset.ModalResult);
        FGlyph->LoadFromResourceName(0, QString::fromLatin1(Preset.Resource));
        SetCaption(QString::fromUtf8(Preset.Caption));
    }
    FKind = Value;
    Invalidate();
}

void TLbButton::SetLayout(TLbButtonLayout Value)
{
    FLayout = Value;
    RepaintNow();
}

void TLbButton::SetLightColor(TColor Value)
{
    FLightColor = Value;
    RepaintNow();
}

void TLbButton::SetModalResult(TModalResult Value)
{
    FModalResult = Value;
    FKind = bkCustom;
}

void TLbButton::SetNumGlyphs(int32_t Value)
{
    FNumGlyphs = Value;
    Invalidate();
}

void TLbButton::SetShadowColor(TColor Value)
{
    FShadowColor = Value;
    RepaintNow();
}

void TLbButton::SetSlowDecease(bool Value)
{
    FSlowDecease = Value;
    if (Value && !FFadeTimer) FFadeTimer = NewFadeTimer();
    if (!Value && FFadeTimer) {
        FHotTrackStep = 0;
        FFadeTimer.reset();
    }
    Invalidate();
}

void TLbButton::SetStyle(TLbButtonStyle Value)
{
    FStyle = Value;
    FExStyle = IsShaped(Value) ? uint32_t{WS_EX_TRANSPARENT} : 0;
    if (HandleAllocated()) SetWindowLong(Handle(), GWL_EXSTYLE, static_cast<int32_t>(FExStyle));
    Invalidate();
}

void TLbButton::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    RepaintNow();
}

void TLbButton::SetEnabled(bool Value)
{
    TCustomControl::SetEnabled(Value);
    bDown = false;
    RepaintNow();
}

// ---- Window and painting ----

void TLbButton::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.ExStyle = FExStyle;
}

void TLbButton::RepaintNow()
{
    if (HandleAllocated()) Paint();
}

bool TLbButton::ParentShowing() const
{
    return Parent() && Parent()->Showing();
}

void TLbButton::Paint()
{
    if (!Visible() || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
    const int32_t W = Width();
    const int32_t H = Height();
    const bool Hot = bCursorOnButton || Focused();
    TBitmap Face;
    Face.SetSize(W, H);
    TFont CaptionFont;
    CaptionFont.Assign(Hot && FUseHTFont ? FHTFont.get() : Font());
    if (IsShaped(FStyle)) {
        Face.SetTransparent(true);
        Face.SetTransparentColor(clFuchsia);
        Face.Canvas()->Brush()->SetColor(clFuchsia);
        Face.Canvas()->FillRect(Rect(0, 0, W, H));
    }

    TLbFace Inputs;
    Inputs.Width = W;
    Inputs.Height = H;
    Inputs.Alignment = FAlignment;
    Inputs.Caption = Caption();
    Inputs.Layout = FLayout;
    Inputs.Font = &CaptionFont;
    Inputs.ShadowColor = FShadowColor;
    Inputs.LightColor = FLightColor;
    Inputs.HotTrackColor = FHotTrackColor;
    Inputs.ColorWhenDown = FColorWhenDown;
    Inputs.Color = Color();
    Inputs.Style = FStyle;
    Inputs.HasPopup = PopupMenu() != nullptr;
    Inputs.WordWrap = FWordWrap;
    Inputs.Flat = FFlat;
    Inputs.Enabled = Enabled();
    Inputs.Hot = Hot;
    Inputs.Down = bDown;
    Inputs.Glyph = FGlyph.get();
    Inputs.NumGlyphs = FNumGlyphs;
    Inputs.HotTrackStep = FHotTrackStep;

    if (FStyle == bsOld && Focused()) {
        // A focused old-style face sits one pixel in, framed in black; pressed, its edge is evenly dark.
        Inputs.Width = W - 2;
        Inputs.Height = H - 2;
        if (bDown) Inputs.LightColor = FShadowColor;
        Draw_Button_Face(Face.Canvas(), Inputs);
        TBitmap Shifted;
        Shifted.Assign(&Face);
        Face.Canvas()->Draw(1, 1, &Shifted);
        Face.Canvas()->Brush()->SetStyle(bsClear);
        Face.Canvas()->Pen()->SetColor(clBlack);
        Face.Canvas()->Rectangle(0, 0, W, H);
    } else {
        Draw_Button_Face(Face.Canvas(), Inputs);
    }

    Canvas()->Draw(0, 0, &Face);
    if (Focused() && Enabled() && FStyle != bsShape) Canvas()->DrawFocusRect(Rect(4, 4, W - 4, H - 4));
}

// ---- Clicks ----

void TLbButton::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!Enabled() || Button != mbLeft) return;
    bDown = true;
    if (CanFocus()) SetFocus();
    RepaintNow();
}

void TLbButton::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (bDown) Click();
    bDown = false;
    RepaintNow();
}

// No actions on this platform: the button's own click is the whole click.
void TLbButton::Click()
{
    bDown = true;
    DoClick();
}

void TLbButton::DoClick()
{
    // Cleared even when nothing happens, so a hidden or disabled button never stays pressed.
    const bool WasDown = std::exchange(bDown, false);
    if (!Visible() || !Enabled() || !WasDown) return;
    if (OnClick) OnClick(this);
    if (FModalResult != mrNone)
        if (TCustomForm* Form = GetParentForm(this)) Form->SetModalResult(FModalResult);
    if (TPopupMenu* Menu = PopupMenu()) {
        const TPoint At = ClientToScreen(Point(0, Height()));
        Menu->Popup(At.X, At.Y);
    }
}

// ---- Messages ----

void TLbButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER: CMMouseEnter(Message); break;
    case CM_MOUSELEAVE: CMMouseLeave(Message); break;
    case CM_FOCUSCHANGED: CMFocusChanged(Message); break;
    case CM_DIALOGCHAR: CMDialogChar(TCMDialogChar(Message)); break;
    case CM_DIALOGKEY: CMDialogKey(TCMDialogKey(Message)); break;
    case CN_KEYDOWN: CNKeyDown(TWMKeyDown(Message)); break;
    case CN_KEYUP: CNKeyUp(TWMKeyUp(Message)); break;
    default: TCustomControl::Dispatch(Message); break;
    }
}

void TLbButton::CMMouseEnter(TMessage&)
{
    if (!Enabled() || !Visible() || !ParentShowing()) return;
    // Coming back during a fade shows the hot-track colour for as long as the pointer stays.
    if (FFadeTimer) FFadeTimer->SetEnabled(false);
    bCursorOnButton = true;
    FHotTrackStep = HotTrackSteps;
    RepaintNow();
    if (OnMouseEnter) OnMouseEnter(this);
}

void TLbButton::CMMouseLeave(TMessage&)
{
    bCursorOnButton = false;
    if (FSlowDecease) {
        FFadeTimer->SetEnabled(true);
    } else {
        FHotTrackStep = 0;
        RepaintNow();
    }
    if (Enabled() && Visible() && ParentShowing() && OnMouseExit) OnMouseExit(this);
}

void TLbButton::FadeStep()
{
    if (--FHotTrackStep <= 0) {
        FFadeTimer->SetEnabled(false);
        FHotTrackStep = 0;
    }
    RepaintNow();
}

void TLbButton::CMFocusChanged(TMessage&)
{
    RepaintNow();
}

void TLbButton::CMDialogChar(TCMDialogChar Message)
{
    if (!IsAccel(Message.CharCode(), Caption()) || !Visible() || !Enabled() || !ParentShowing()) {
        TCustomControl::Dispatch(Message.Message);
        return;
    }
    bDown = true;
    Click();
    Message.SetResult(1);
}

void TLbButton::CMDialogKey(TCMDialogKey Message)
{
    // Enter needs only Default; Esc also needs no shift key and a visible, enabled button.
    const bool NoShift = KeyDataToShiftState(Message.KeyData()).Empty();
    const bool Applies = (Message.CharCode() == VK_RETURN && FDefault) ||
                         (Message.CharCode() == VK_ESCAPE && FCancel && NoShift && Visible() && Enabled());
    if (!Applies || ActiveControlIsButton(FindOwnerForm(this))) {
        TCustomControl::Dispatch(Message.Message);
        return;
    }
    bDown = true;
    Click();
    Message.SetResult(1);
}

void TLbButton::CNKeyDown(TWMKeyDown Message)
{
    TCustomControl::Dispatch(Message.Message);
    if (!Enabled() || (Message.CharCode() != VK_RETURN && Message.CharCode() != VK_SPACE)) return;
    bDown = true;
    RepaintNow();
}

void TLbButton::CNKeyUp(TWMKeyUp Message)
{
    TCustomControl::Dispatch(Message.Message);
    if (Message.CharCode() != VK_RETURN && Message.CharCode() != VK_SPACE) return;
    // Only a release whose press this button saw clicks: the release of a key pressed in a window
    // that has closed since reaches the newly focused control and must not act as a press there.
    if (!bDown) return;
    Click();
    RepaintNow();
}
