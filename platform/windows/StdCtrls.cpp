// TCustomLabel and TCustomGroupBox: the painted standard controls.
#include "windows/StdCtrls.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "windows/private/ScreenCanvas.h"

// ---- TCustomLabel ----

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle.Include(csOpaque);
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment Value)
{
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value)
{
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    AdjustBounds();
}

void TCustomLabel::SetFocusControl(TWinControl* Value)
{
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TCustomLabel::SetLayout(TTextLayout Value)
{
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value)
{
    if (FShowAccelChar == Value) return;
    FShowAccelChar = Value;
    Invalidate();
}

void TCustomLabel::SetTransparent(bool Value)
{
    if (Transparent() == Value) return;
    if (Value) FControlStyle.Exclude(csOpaque);
    else FControlStyle.Include(csOpaque);
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value)
{
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::DoDrawText(TCanvas* ACanvas, TRect& Rect, uint32_t Flags)
{
    QString Text = GetLabelText();
    // An empty caption (or a lone accelerator mark) still measures one line high.
    if ((Flags & DT_CALCRECT) && (Text.isEmpty() || (FShowAccelChar && Text == QLatin1String("&")))) Text += QLatin1Char(' ');
    if (!FShowAccelChar) Flags |= DT_NOPREFIX;
    ACanvas->SetFont(Font());
    if (Enabled()) {
        DrawText(ACanvas->Handle(), Text, -1, Rect, Flags);
        return;
    }
    // Disabled text is engraved: a highlight one pixel down and right under the shadow.
    OffsetRect(Rect, 1, 1);
    ACanvas->Font()->SetColor(clBtnHighlight);
    DrawText(ACanvas->Handle(), Text, -1, Rect, Flags);
    OffsetRect(Rect, -1, -1);
    ACanvas->Font()->SetColor(clBtnShadow);
    DrawText(ACanvas->Handle(), Text, -1, Rect, Flags);
}

void TCustomLabel::Paint()
{
    static constexpr uint32_t Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    TCanvas* C = Canvas();
    if (!Transparent()) {
        C->Brush()->SetColor(Color());
        C->Brush()->SetStyle(bsSolid);
        C->FillRect(ClientRect());
    }
    C->Brush()->SetStyle(bsClear);
    TRect Rect = ClientRect();
    const uint32_t Flags = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | Alignments[FAlignment];
    if (FLayout != tlTop) {
        TRect Needed = Rect;
        DoDrawText(C, Needed, Flags | DT_CALCRECT);
        const int32_t Space = Height() - Needed.Bottom;
        OffsetRect(Rect, 0, FLayout == tlBottom ? Space : Space / 2);
    }
    DoDrawText(C, Rect, Flags);
}

void TCustomLabel::AdjustBounds()
{
    if (!FAutoSize || ComponentState().Contains(csLoading)) return;
    TRect Rect = ClientRect();
    DoDrawText(WindowsInternal::ScreenCanvas(), Rect, DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0));
    // A right-justified label keeps its right edge.
    const int32_t X = FAlignment == taRightJustify ? Left() + Width() - Rect.Right : Left();
    SetBounds(X, Top(), Rect.Right, Rect.Bottom);
}

void TCustomLabel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
        Invalidate();
        AdjustBounds();
        break;
    case CM_FONTCHANGED:
        TGraphicControl::Dispatch(Message);
        AdjustBounds();
        break;
    case CM_DIALOGCHAR: CMDialogChar(TWMKey(Message)); break;
    default: TGraphicControl::Dispatch(Message); break;
    }
}

void TCustomLabel::CMDialogChar(TWMKey Message)
{
    if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(Message.CharCode(), Caption()) && FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        Message.SetResult(1);
    }
}

// ---- TCustomGroupBox ----

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csReplicatable};
    SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    TCanvas* Measure = WindowsInternal::ScreenCanvas();
    Measure->SetFont(Font());
    Rect.Top += Measure->TextHeight(QStringLiteral("0"));
    InflateRect(Rect, -2, -2);
}

void TCustomGroupBox::Paint()
{
    TCanvas* C = Canvas();
    C->SetFont(Font());
    const int32_t H = C->TextHeight(QStringLiteral("0"));
    // An etched frame: a highlight rectangle one pixel down and right under the shadow one.
    TRect Frame = Rect(1, H / 2, Width(), Height());
    C->Brush()->SetColor(clBtnHighlight);
    C->FrameRect(Frame);
    OffsetRect(Frame, -1, -1);
    C->Brush()->SetColor(clBtnShadow);
    C->FrameRect(Frame);
    if (Caption().isEmpty()) return;
    TRect TextRect = Rect(8, 0, 0, H);
    DrawText(C->Handle(), Caption(), -1, TextRect, DT_SINGLELINE | DT_CALCRECT);
    C->Brush()->SetColor(Color());
    DrawText(C->Handle(), Caption(), -1, TextRect, DT_SINGLELINE);
}

void TCustomGroupBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_DIALOGCHAR: {
        TWMKey Key(Message);
        TCustomForm* Form = GetParentForm(this);
        if (Form && IsAccel(Key.CharCode(), Caption()) && CanFocus()) {
            // The first control of the box that takes the focus gets it.
            TWinControl* First = FindNextControl(nullptr, true, true, false);
            if (!First) First = FindNextControl(nullptr, true, false, false);
            if (First) Form->SetActiveControl(First);
            Key.SetResult(1);
            return;
        }
        TCustomControl::Dispatch(Message);
        return;
    }
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(Message);
        Realign();
        Invalidate();
        break;
    default: TCustomControl::Dispatch(Message); break;
    }
}
