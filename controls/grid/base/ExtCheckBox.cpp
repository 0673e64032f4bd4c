// TExtCheckBox: state and toggling, mouse and keys, the parent's background, and the box and caption painting.
#include "grid/base/ExtCheckBox.h"

#include "grid/base/ExtStyleIF.h"
#include "grid/base/ExtXPVS.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "graphics/Region.h"
#include "windows/Forms.h"

namespace {

// The strip on the box's side that a change of state repaints, and the corner a hot or pressed change does.
constexpr int32_t StateStrip = 20;
constexpr int32_t CornerSize = 16;

}  // namespace

TExtCheckBox::TExtCheckBox(TComponent* AOwner)
    : TCustomControl(AOwner), FIsWinXP(IsXPOrLater()), FBackground(std::make_unique<TBitmap>())
{
    FControlStyle.Exclude(csClickEvents);
    SetBounds(0, 0, 98, 20);
    SetTabStop(true);
}

TExtCheckBox::~TExtCheckBox() = default;

void TExtCheckBox::AfterConstruction()
{
    TCustomControl::AfterConstruction();
    SetCaption(ClassName());
}

// ---- Properties ----

void TExtCheckBox::SetState(TCheckBoxState Value)
{
    if (FState == Value) return;
    FState = Value;
    if (!HandleAllocated()) return;
    const TRect Strip = FAlignment == taRightJustify ? TRect{ClientWidth() - StateStrip, 0, ClientWidth(), ClientHeight()}
                                                      : TRect{0, 0, StateStrip, ClientHeight()};
    InvalidateRect(Handle(), &Strip, true);
}

void TExtCheckBox::SetChecked(bool Value)
{
    SetState(Value ? cbChecked : cbUnchecked);
    Invalidate();
}

void TExtCheckBox::Toggle()
{
    if (!FReadOnly) SetChecked(!Checked());
}

void TExtCheckBox::SetCaption(const QString& Value)
{
    TCustomControl::SetCaption(Value);
    Invalidate();
}

void TExtCheckBox::SetAlignment(TAlignment Value)
{
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TExtCheckBox::SetButtonVertAlign(TTextLayout Value)
{
    if (FButtonVertAlign == Value) return;
    FButtonVertAlign = Value;
    Invalidate();
}

void TExtCheckBox::SetEllipsis(bool Value)
{
    if (FEllipsis == Value) return;
    FEllipsis = Value;
    Invalidate();
}

void TExtCheckBox::SetTransparent(bool Value)
{
    if (FTransparent != Value) {
        FTransparent = Value;
        FCacheValid = false;
    }
    Invalidate();
}

void TExtCheckBox::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FTransparent) {
        FCacheValid = false;
        Invalidate();
    }
}

// ---- Messages ----

void TExtCheckBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::Dispatch(Message);
        FFocused = Message.Msg == WM_SETFOCUS;
        Invalidate();
        break;
    case WM_ERASEBKGND:
        if (FTransparent) Message.Result = 1;
        else TCustomControl::Dispatch(Message);
        break;
    case CM_ENABLEDCHANGED:
        TCustomControl::Dispatch(Message);
        Invalidate();
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TCustomControl::Dispatch(Message);
        if (Message.LParam == 0) {
            FHot = Message.Msg == CM_MOUSEENTER;
            InvalidateCorner();
        }
        break;
    case CM_DIALOGCHAR:
        if (IsAccel(TWMKey(Message).CharCode(), Caption()) && CanFocus()) {
            Toggle();
            if (TabStop()) SetFocus();
            Message.Result = 1;
            break;
        }
        TCustomControl::Dispatch(Message);
        break;
    default: TCustomControl::Dispatch(Message); break;
    }
}

void TExtCheckBox::InvalidateCorner()
{
    if (!HandleAllocated()) return;
    const TRect Corner{0, 0, CornerSize, CornerSize};
    InvalidateRect(Handle(), &Corner, false);
}

// ---- Mouse and keys ----

void TExtCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    FMouseDown = true;
    if (!Focused() && CanFocus()) SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    SetMouseCapture(true);
    FDown = true;
    if (FIsWinXP) InvalidateCorner();
}

void TExtCheckBox::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    if (MouseCapture()) FDown = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
    TCustomControl::MouseMove(Shift, X, Y);
}

void TExtCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    SetMouseCapture(false);
    FDown = false;
    const bool Inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
    if (Inside && Focused() && FMouseDown) {
        FClicksDisabled = true;
        Toggle();
        FClicksDisabled = false;
        Click();
    }
    FMouseDown = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FIsWinXP) InvalidateCorner();
}

void TExtCheckBox::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_SPACE) FDown = true;
    TCustomControl::KeyDown(Key, Shift);
}

void TExtCheckBox::KeyUp(uint16_t& Key, TShiftState)
{
    if (Key != VK_SPACE) return;
    FDown = false;
    Toggle();
    Click();
}

// ---- Painting ----

TRect TExtCheckBox::BoxRect() const
{
    const int32_t Size = 13;
    const int32_t X = FAlignment == taRightJustify ? ClientWidth() - Size : 0;
    int32_t Y = 4;
    if (FButtonVertAlign == tlCenter) Y = ClientHeight() / 2 - 6;
    else if (FButtonVertAlign == tlBottom) Y = ClientHeight() - 17;
    return Bounds(X, Y, Size, Size);
}

TRect TExtCheckBox::CaptionRect() const
{
    TRect R = ClientRect();
    if (FAlignment == taRightJustify) {
        R.Left = 6;
        R.Right -= 9;
    } else {
        R.Left = 15;
    }
    R.Top += 4;
    return R;
}

void TExtCheckBox::PaintParentInto(HDC DC)
{
    TWinControl* Owner = Parent();
    const int32_t Saved = SaveDC(DC);
    SetWindowOrgEx(DC, Left(), Top(), nullptr);
    const TRect Area = Owner->ClientRect();
    IntersectClipRect(DC, Area.Left, Area.Top, Area.Right, Area.Bottom);
    Owner->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(DC));
    Owner->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    RestoreDC(DC, Saved);
}

void TExtCheckBox::PaintParentBackground(TCanvas* Target)
{
    if (!Parent()) return;
    if (!FTransparentChaching) {
        PaintParentInto(Target->Handle());
        return;
    }
    if (!FCacheValid) {
        FBackground->SetSize(Width(), Height());
        PaintParentInto(FBackground->Canvas()->Handle());
        FCacheValid = true;
    }
    Target->Draw(0, 0, FBackground.get());
}

void TExtCheckBox::Paint()
{
    TCanvas* Target = Canvas();
    Target->SetFont(Font());
    if (FTransparent) PaintParentBackground(Target);
    // The window's text follows the caption.
    const TRect Box = BoxRect();
    bool Themed = false;
    if (FIsWinXP && ThemedPaintingActive(ThemeAPI)) {
        int32_t Look = 0;
        if (!Enabled()) Look = 3;
        else if (FDown) Look = 2;
        else if (FHot) Look = 1;
        const int32_t Base = FState == cbChecked ? CBS_CHECKEDNORMAL : FState == cbGrayed ? CBS_MIXEDNORMAL : CBS_UNCHECKEDNORMAL;
        const TRect Themed14 = Bounds(FAlignment == taRightJustify ? ClientWidth() - 15 : 0,
                                      FButtonVertAlign == tlBottom ? ClientHeight() - 14 : Box.Top, 14, 14);
        Themed = DrawThemedPart(ThemeAPI, Handle(), u"button", Target->Handle(), BP_CHECKBOX, Base + Look, Themed14);
    }
    if (!Themed) {
        TRect Frame = Box;
        uint32_t Flags = DFCS_BUTTONCHECK;
        if (FState == cbChecked) Flags |= DFCS_CHECKED;
        if (FState == cbGrayed || !Enabled()) Flags |= DFCS_INACTIVE;
        DrawFrameControl(Target->Handle(), Frame, DFC_BUTTON, Flags);
    }
    TRect Text = CaptionRect();
    const uint32_t Format = DT_LEFT | DT_WORDBREAK | (FEllipsis ? DT_END_ELLIPSIS : 0);
    Target->Brush()->SetStyle(bsClear);
    if (!Enabled()) {
        TRect Light = Text;
        OffsetRect(Light, 1, 1);
        Target->Font()->SetColor(clWhite);
        DrawText(Target->Handle(), Caption(), -1, Light, Format);
        Target->Font()->SetColor(clGray);
    }
    DrawText(Target->Handle(), Caption(), -1, Text, Format);
    if (FFocused) {
        TRect Measured = Text;
        DrawText(Target->Handle(), Caption(), -1, Measured, Format | DT_CALCRECT);
        Target->Brush()->SetStyle(bsSolid);
        Target->DrawFocusRect({Text.Left - 2, Text.Top, Text.Left + Measured.Width() + 1, Text.Top + Measured.Height() + 1});
    }
}
