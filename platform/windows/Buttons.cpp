// TSpeedButton: grouping, pressing and tracking, and its classic painting; the shared button layout.
#include "windows/Buttons.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "windows/Forms.h"

#include <algorithm>

// ---- Layout ----

void CalcButtonLayout(TCanvas* Canvas, const TRect& Client, const TPoint& Offset, const QString& Caption,
                      TButtonLayout Layout, int32_t Margin, int32_t Spacing, const TSize& GlyphSize, bool RightToLeft,
                      TPoint& GlyphPos, TRect& TextBounds)
{
    if (RightToLeft) {
        if (Layout == blGlyphLeft) Layout = blGlyphRight;
        else if (Layout == blGlyphRight) Layout = blGlyphLeft;
    }
    const TPoint ClientSize{Client.Width(), Client.Height()};
    TPoint TextSize{0, 0};
    if (!Caption.isEmpty()) {
        TRect Measured{0, 0, Client.Width(), 0};
        DrawText(Canvas->Handle(), Caption, -1, Measured, DT_CALCRECT | (RightToLeft ? DT_RTLREADING : 0));
        TextSize = {Measured.Width(), Measured.Height()};
    }
    const bool Horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
    TPoint TextPos;
    if (Horizontal) {
        GlyphPos.Y = (ClientSize.Y - GlyphSize.cy + 1) / 2;
        TextPos.Y = (ClientSize.Y - TextSize.Y + 1) / 2;
    } else {
        GlyphPos.X = (ClientSize.X - GlyphSize.cx + 1) / 2;
        TextPos.X = (ClientSize.X - TextSize.X + 1) / 2;
    }
    if (TextSize.X == 0 || GlyphSize.cx == 0) Spacing = 0;
    const int32_t Available = Horizontal ? ClientSize.X : ClientSize.Y;
    const int32_t Glyph = Horizontal ? GlyphSize.cx : GlyphSize.cy;
    const int32_t Text = Horizontal ? TextSize.X : TextSize.Y;
    if (Margin == -1) {
        if (Spacing == -1) {
            Margin = (Available - Glyph - Text) / 3;
            Spacing = Margin;
        } else {
            Margin = (Available - Glyph - Spacing - Text + 1) / 2;
        }
    } else if (Spacing == -1) {
        Spacing = (Available - Margin - Glyph - Text) / 2;
    }
    switch (Layout) {
    case blGlyphLeft:
        GlyphPos.X = Margin;
        TextPos.X = GlyphPos.X + GlyphSize.cx + Spacing;
        break;
    case blGlyphRight:
        GlyphPos.X = ClientSize.X - Margin - GlyphSize.cx;
        TextPos.X = GlyphPos.X - Spacing - TextSize.X;
        break;
    case blGlyphTop:
        GlyphPos.Y = Margin;
        TextPos.Y = GlyphPos.Y + GlyphSize.cy + Spacing;
        break;
    case blGlyphBottom:
        GlyphPos.Y = ClientSize.Y - Margin - GlyphSize.cy;
        TextPos.Y = GlyphPos.Y - Spacing - TextSize.Y;
        break;
    }
    GlyphPos = {GlyphPos.X + Client.Left + Offset.X, GlyphPos.Y + Client.Top + Offset.Y};
    const TPoint TextOrigin{TextPos.X + Client.Left + Offset.X, TextPos.Y + Client.Top + Offset.Y};
    TextBounds = Bounds(TextOrigin.X, TextOrigin.Y, TextSize.X, TextSize.Y);
}

void DrawButtonCaption(TCanvas* Canvas, const QString& Caption, const TRect& TextBounds, bool Disabled, uint32_t BiDiFlags)
{
    Canvas->Brush()->SetStyle(bsClear);
    const uint32_t Flags = DT_CENTER | DT_VCENTER | BiDiFlags;
    TRect Bounds = TextBounds;
    if (Disabled) {
        const TColor Color = Canvas->Font()->Color();
        OffsetRect(Bounds, 1, 1);
        Canvas->Font()->SetColor(clBtnHighlight);
        DrawText(Canvas->Handle(), Caption, -1, Bounds, Flags);
        OffsetRect(Bounds, -1, -1);
        Canvas->Font()->SetColor(clBtnShadow);
        DrawText(Canvas->Handle(), Caption, -1, Bounds, Flags);
        Canvas->Font()->SetColor(Color);
        return;
    }
    DrawText(Canvas->Handle(), Caption, -1, Bounds, Flags);
}

void NotifyButtonPressed(TControl* Sender, int32_t GroupIndex)
{
    if (GroupIndex == 0 || !Sender->Parent()) return;
    TMessage Message{CM_BUTTONPRESSED, static_cast<WPARAM>(GroupIndex), reinterpret_cast<LPARAM>(Sender), 0};
    Sender->Parent()->Broadcast(Message);
}

// ---- TSpeedButton ----

namespace {

// The glyph image a state shows: up, disabled, down, stay-down; missing ones fall back to the first.
int32_t GlyphIndex(TButtonState State, int32_t NumGlyphs)
{
    const auto Index = static_cast<int32_t>(State);
    return Index < NumGlyphs ? Index : 0;
}


}  // namespace

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>())
{
    SetBounds(0, 0, 23, 22);
    FControlStyle = {csCaptureMouse, csDoubleClicks};
    SetColor(clBtnFace);
    SetParentColor(true);
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetAllowAllUp(bool Value)
{
    if (FAllowAllUp == Value) return;
    FAllowAllUp = Value;
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value)
{
    if (FGroupIndex == 0) Value = false;
    if (Value == FDown) return;
    if (FDown && !FAllowAllUp) return;
    FDown = Value;
    if (Value) {
        if (FState == bsUp) Invalidate();
        FState = bsExclusive;
    } else {
        FState = bsUp;
        Repaint();
    }
    if (Value) UpdateExclusive();
}

void TSpeedButton::SetFlat(bool Value)
{
    if (FFlat == Value) return;
    FFlat = Value;
    Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* Value)
{
    FGlyph->Assign(Value);
    if (Value && Value->Height() > 0 && Value->Width() % Value->Height() == 0) {
        const int32_t Count = Value->Width() / Value->Height();
        if (Count >= 1 && Count <= 4) FNumGlyphs = Count;
    }
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int32_t Value)
{
    Value = std::clamp(Value, 1, 4);
    if (FNumGlyphs == Value) return;
    FNumGlyphs = Value;
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int32_t Value)
{
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    UpdateExclusive();
}

void TSpeedButton::SetLayout(TButtonLayout Value)
{
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TSpeedButton::SetMargin(int32_t Value)
{
    if (Value == FMargin || Value < -1) return;
    FMargin = Value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int32_t Value)
{
    if (Value == FSpacing) return;
    FSpacing = Value;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool Value)
{
    if (FTransparent == Value) return;
    FTransparent = Value;
    if (Value) FControlStyle.Exclude(csOpaque);
    else FControlStyle.Include(csOpaque);
    Invalidate();
}

void TSpeedButton::UpdateExclusive()
{
    NotifyButtonPressed(this, FGroupIndex);
}

void TSpeedButton::UpdateTracking()
{
    if (!FFlat || !Enabled()) return;
    TPoint Pos;
    GetCursorPos(Pos);
    // Set to the opposite first, so that the message below acts.
    FMouseInControl = FindDragTarget(Pos, true) != this;
    Perform(FMouseInControl ? CM_MOUSELEAVE : CM_MOUSEENTER, 0, 0);
}

void TSpeedButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_BUTTONPRESSED: CMButtonPressed(Message); break;
    case CM_DIALOGCHAR: CMDialogChar(TWMKey(Message)); break;
    case CM_MOUSEENTER: CMMouseEnter(Message); break;
    case CM_MOUSELEAVE: CMMouseLeave(Message); break;
    case CM_ENABLEDCHANGED:
        TGraphicControl::Dispatch(Message);
        UpdateTracking();
        Repaint();
        break;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_SYSCOLORCHANGE: Invalidate(); break;
    case WM_LBUTTONDBLCLK:
        TGraphicControl::Dispatch(Message);
        if (FDown) DblClick();
        break;
    default: TGraphicControl::Dispatch(Message); break;
    }
}

void TSpeedButton::CMButtonPressed(TMessage& Message)
{
    if (static_cast<int32_t>(Message.WParam) != FGroupIndex) return;
    auto* Sender = dynamic_cast<TSpeedButton*>(reinterpret_cast<TControl*>(Message.LParam));
    if (!Sender || Sender == this) return;
    if (Sender->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        Invalidate();
    }
    FAllowAllUp = Sender->AllowAllUp();
}

void TSpeedButton::CMDialogChar(TWMKey Message)
{
    if (IsAccel(Message.CharCode(), Caption()) && Enabled() && Visible() && Parent() && Parent()->Showing()) {
        Click();
        Message.SetResult(1);
        return;
    }
    TGraphicControl::Dispatch(Message.Message);
}

void TSpeedButton::CMMouseEnter(TMessage& Message)
{
    TGraphicControl::Dispatch(Message);
    if (FFlat && !FMouseInControl && Enabled() && !GetCapture()) {
        FMouseInControl = true;
        Repaint();
    }
}

void TSpeedButton::CMMouseLeave(TMessage& Message)
{
    TGraphicControl::Dispatch(Message);
    if (FFlat && FMouseInControl && Enabled() && !FDragging) {
        FMouseInControl = false;
        Invalidate();
    }
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) {
        if (!FMouseInControl) UpdateTracking();
        return;
    }
    const bool Inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
    const TButtonState NewState = Inside ? (FDown ? bsExclusive : bsDown) : (FDown ? bsExclusive : bsUp);
    if (NewState != FState) {
        FState = NewState;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging) return;
    FDragging = false;
    const bool DoClick = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
    if (FGroupIndex == 0) {
        FState = bsUp;
        FMouseInControl = false;
        Invalidate();
    } else if (DoClick) {
        SetDown(!FDown);
        if (FDown) Repaint();
    } else {
        if (FDown) FState = bsExclusive;
        Repaint();
    }
    if (DoClick) Click();
    UpdateTracking();
}

void TSpeedButton::Paint()
{
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
    TCanvas* Target = Canvas();
    Target->SetFont(Font());
    TRect PaintRect = ClientRect();
    const bool Pressed = IsButtonPressed(FState);
    if (!FFlat) {
        DrawFrameControl(Target->Handle(), PaintRect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (Pressed ? DFCS_PUSHED : 0));
    } else {
        if (!FTransparent) {
            Target->Brush()->SetStyle(bsSolid);
            Target->Brush()->SetColor(Color());
            Target->FillRect(PaintRect);
        }
        if ((FMouseInControl && Enabled()) || Pressed) {
            TRect Edge = PaintRect;
            DrawEdge(Target->Handle(), Edge, Pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        }
        InflateRect(PaintRect, -1, -1);
    }
    if (FState == bsExclusive && (!FFlat || !FMouseInControl)) {
        // The stay-down look: a checker of the face and highlight colours.
        const COLORREF Light = ColorToRGB(clBtnHighlight);
        for (int32_t Y = PaintRect.Top; Y < PaintRect.Bottom; ++Y)
            for (int32_t X = PaintRect.Left + ((Y + PaintRect.Left) & 1); X < PaintRect.Right; X += 2) Target->SetPixels(X, Y, Light);
    }
    const TPoint Offset = Pressed ? TPoint{1, 1} : TPoint{0, 0};
    DrawContent(Target, PaintRect, Offset, FState);
}

void TSpeedButton::DrawContent(TCanvas* ACanvas, const TRect& Client, const TPoint& Offset, TButtonState State)
{
    const bool HasGlyph = !FGlyph->Empty();
    const int32_t CellWidth = HasGlyph ? FGlyph->Width() / FNumGlyphs : 0;
    const TSize GlyphSize{CellWidth, HasGlyph ? FGlyph->Height() : 0};
    TPoint GlyphPos;
    TRect TextBounds;
    // Left-to-right reading: the layer has no right-to-left locale.
    CalcButtonLayout(ACanvas, Client, Offset, Caption(), FLayout, FMargin, FSpacing, GlyphSize, false, GlyphPos, TextBounds);
    if (HasGlyph && CellWidth > 0) {
        const COLORREF Transparent = ColorToRGB(FGlyph->TransparentColor() & 0xFFFFFF);
        TCanvas* Source = FGlyph->Canvas();
        if (State == bsDisabled && FNumGlyphs < 2) {
            // No image of its own: the glyph embossed in the highlight and shadow colours.
            for (const auto& [Shift, Color] : {std::pair{1, clBtnHighlight}, std::pair{0, clBtnShadow}}) {
                const COLORREF Ink = ColorToRGB(Color);
                for (int32_t Y = 0; Y < GlyphSize.cy; ++Y)
                    for (int32_t X = 0; X < CellWidth; ++X)
                        if ((ColorToRGB(Source->Pixels(X, Y)) & 0xFFFFFF) != Transparent)
                            ACanvas->SetPixels(GlyphPos.X + X + Shift, GlyphPos.Y + Y + Shift, Ink);
            }
        } else {
            const int32_t Index = GlyphIndex(State, FNumGlyphs);
            TransparentBlt(ACanvas->Handle(), GlyphPos.X, GlyphPos.Y, CellWidth, GlyphSize.cy, Source->Handle(),
                           Index * CellWidth, 0, CellWidth, GlyphSize.cy, Transparent);
        }
    }
    if (!Caption().isEmpty()) DrawButtonCaption(ACanvas, Caption(), TextBounds, State == bsDisabled, 0);
}

void TSpeedButton::Click()
{
    TGraphicControl::Click();
}
