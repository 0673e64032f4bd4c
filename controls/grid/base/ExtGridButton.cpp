// TExtGridButton: looks, grouping, pressing and tracking, the drop-down part, painting and its action link.
#include "grid/base/ExtGridButton.h"

#include "grid/base/ExtStyleIF.h"
#include "grid/base/ExtXPVS.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "rtl/NumConv.h"
#include "windows/Forms.h"
#include "windows/Menus.h"

#include <algorithm>
#include <array>

namespace {

// A colour written #RRGGBB.
constexpr TColor Hex(uint32_t RRGGBB)
{
    return static_cast<TColor>(RGB((RRGGBB >> 16) & 0xFF, (RRGGBB >> 8) & 0xFF, RRGGBB & 0xFF));
}

struct TLookColors {
    TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked, ColorCheckedTo;
    TColor BorderDownColor, BorderHotColor;
    bool Rounded;
};

constexpr std::array<TLookColors, 7> Looks{{
    {Hex(0xF1F1ED), Hex(0xEBEBDF), Hex(0xFCFCFA), Hex(0xEDECE5), Hex(0xE7E6E0), Hex(0xE1E0D8), Hex(0xFFFFFF), clNone,
     Hex(0x7A98AF), Hex(0xCECEC3), true},
    {clBtnFace, clNone, Hex(0xC1D2EE), clNone, Hex(0x98B5E2), clNone, Hex(0xE1E6E8), clNone, Hex(0x316AC5),
     Hex(0x316AC5), false},
    {Hex(0xDAEAFD), Hex(0x88AEE4), Hex(0xFFF4CC), Hex(0xFFD091), Hex(0xFE914E), Hex(0xFFD38E), Hex(0xFFD38E),
     Hex(0xFFAD55), Hex(0x000000), Hex(0x000000), false},
    {Hex(0xEAF0CF), Hex(0xB1C08C), Hex(0xFFF4CC), Hex(0xFFD091), Hex(0xFE914E), Hex(0xFFD38E), Hex(0xFFD38E),
     Hex(0xFFAD55), Hex(0x000000), Hex(0x000000), false},
    {Hex(0xE1E2EC), Hex(0x9896B3), Hex(0xFFF4CC), Hex(0xFFD091), Hex(0xFE914E), Hex(0xFFD38E), Hex(0xFFD38E),
     Hex(0xFFAD55), Hex(0x000000), Hex(0x000000), false},
    {clBtnFace, clNone, clBtnFace, clNone, Hex(0xD2D3D8), clNone, Hex(0xC7C7CA), clNone, clNone, clNone, false},
    {Hex(0xFFFFCA), Hex(0xFFFFA6), Hex(0xFDF0A8), Hex(0xFCE97C), Hex(0xFBE04D), Hex(0xFCE97A), Hex(0xF2E6B5),
     Hex(0xEDDD9C), Hex(0x808080), Hex(0x808080), false},
}};

// The control message the theme notifier's windows also pass on: re-read the theme.
constexpr UINT CM_THEMEADAPT = 0xB035;
// The drop-down part at the right, and the corner size of rounded outlines.
constexpr int32_t DropDownWidth = 12;
constexpr int32_t RoundCorner = 8;


// The grey copy of a glyph for the disabled look: ((R + G + B) div 3) div 2 + 96 in every channel.
void MakeDisabledGlyph(TBitmap* Glyph, TBitmap* Disabled)
{
    Disabled->Assign(Glyph);
    TCanvas* Pixels = Disabled->Canvas();
    for (int32_t Y = 0; Y < Disabled->Height(); ++Y)
        for (int32_t X = 0; X < Disabled->Width(); ++X) {
            const COLORREF Color = ColorToRGB(Pixels->Pixels(X, Y));
            const int32_t Grey = (GetRValue(Color) + GetGValue(Color) + GetBValue(Color)) / 3 / 2 + 96;
            Pixels->SetPixels(X, Y, RGB(Grey, Grey, Grey));
        }
}

void FrameIn(TCanvas* Canvas, const TRect& R, TColor Color)
{
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(Color);
    Canvas->Rectangle(R);
}

void RoundFrameIn(TCanvas* Canvas, TRect R, TColor Color)
{
    InflateRect(R, 1, 1);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetColor(Color);
    Canvas->RoundRect(R.Left, R.Top, R.Right, R.Bottom, RoundCorner, RoundCorner);
}

// A state's face: a gradient (or, without an end colour, a solid fill), outlined unless Outline is clNone.
void FillFace(TCanvas* Canvas, const TRect& R, TColor From, TColor To, TColor Outline)
{
    if (To != clNone) {
        DrawButtonGradient(Canvas, R, From, To, Outline);
        return;
    }
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(From);
    Canvas->FillRect(R);
    if (Outline != clNone) FrameIn(Canvas, R, Outline);
}

}  // namespace

void DrawButtonGradient(TCanvas* Canvas, const TRect& R, TColor From, TColor To, TColor Outline)
{
    const COLORREF Start = ColorToRGB(From);
    const COLORREF End = ColorToRGB(To);
    const double Step = R.Height() / 16.0;
    const auto Channel = [](int32_t A, int32_t B, int32_t Band) {
        return static_cast<int32_t>(RoundHalfEven(A + Band * (B - A) / 16.0L));
    };
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
    Canvas->Brush()->SetStyle(bsSolid);
    for (int32_t Band = 0; Band < 16; ++Band) {
        const COLORREF Color = RGB(Channel(GetRValue(Start), GetRValue(End), Band), Channel(GetGValue(Start), GetGValue(End), Band),
                                   Channel(GetBValue(Start), GetBValue(End), Band));
        Canvas->Pen()->SetColor(static_cast<TColor>(Color));
        Canvas->Brush()->SetColor(static_cast<TColor>(Color));
        const auto Top = static_cast<int32_t>(R.Top + RoundHalfEven(Band * Step));
        Canvas->Rectangle(R.Left, Top, R.Right, Top + static_cast<int32_t>(RoundHalfEven(Step)) + 1);
    }
    if (Outline != clNone) FrameIn(Canvas, R, Outline);
}

// ---- TExtGridButton ----

TExtGridButton::TExtGridButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FIsComCtl6(IsComCtl6()), FGlyph(std::make_unique<TBitmap>()),
      FColorHot(Hex(0xC7C7CA)), FColorDown(Hex(0xD2D3D8)), FGlyphDisabled(std::make_unique<TBitmap>()),
      FGlyphHot(std::make_unique<TBitmap>()), FGlyphDown(std::make_unique<TBitmap>()),
      FGlyphShade(std::make_unique<TBitmap>())
{
    SetBounds(0, 0, 22, 23);
    FControlStyle = {csCaptureMouse, csDoubleClicks};
    SetColor(clBtnFace);
    SetParentColor(false);
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TExtGridButton::~TExtGridButton() = default;

void TExtGridButton::Loaded()
{
    TGraphicControl::Loaded();
    if (FShaded) MakeShade();
    if (FAutoThemeAdapt) ThemeAdapt();
}

void TExtGridButton::Click()
{
    TGraphicControl::Click();
}

// ---- Properties ----

void TExtGridButton::SetAllowAllUp(bool Value)
{
    if (FAllowAllUp == Value) return;
    FAllowAllUp = Value;
    UpdateExclusive();
}

void TExtGridButton::SetAutoThemeAdapt(bool Value)
{
    FAutoThemeAdapt = Value;
    if (Value) ThemeAdapt();
}

void TExtGridButton::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TExtGridButton::SetColorTo(TColor Value)
{
    FColorTo = Value;
    Invalidate();
}

void TExtGridButton::SetColorChecked(TColor Value)
{
    FColorChecked = Value;
    Invalidate();
}

void TExtGridButton::SetColorCheckedTo(TColor Value)
{
    FColorCheckedTo = Value;
    Invalidate();
}

void TExtGridButton::SetDown(bool Value)
{
    if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
    if (FStyle == tasCheck) {
        FDown = Value;
        Invalidate();
        return;
    }
    if (Value == FDown || (FDown && !FAllowAllUp)) return;
    FDown = Value;
    if (Value) {
        if (FState == bsUp) Invalidate();
        FState = bsExclusive;
        UpdateExclusive();
    } else {
        FState = bsUp;
        Invalidate();
    }
}

void TExtGridButton::SetDropDownButton(bool Value)
{
    FDropDownButton = Value;
    Invalidate();
}

void TExtGridButton::SetDropDownMenu(TPopupMenu* Value)
{
    if (FDropDownMenu == Value) return;
    if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
    FDropDownMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TExtGridButton::SetFlat(bool Value)
{
    if (FFlat == Value) return;
    FFlat = Value;
    Invalidate();
}

void TExtGridButton::SetGlyph(TBitmap* Value)
{
    FGlyph->Assign(Value);
    if (FGlyphDisabled->Empty() && !FGlyph->Empty()) MakeDisabledGlyph(FGlyph.get(), FGlyphDisabled.get());
    Invalidate();
}

void TExtGridButton::SetGlyphHot(TBitmap* Value)
{
    FGlyphHot->Assign(Value);
}

void TExtGridButton::SetGlyphDown(TBitmap* Value)
{
    FGlyphDown->Assign(Value);
}

void TExtGridButton::SetGlyphDisabled(TBitmap* Value)
{
    FGlyphDisabled->Assign(Value);
}

void TExtGridButton::SetGroupIndex(int32_t Value)
{
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    UpdateExclusive();
}

void TExtGridButton::SetLayout(TButtonLayout Value)
{
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TExtGridButton::SetMargin(int32_t Value)
{
    if (Value == FMargin || Value < -1) return;
    FMargin = Value;
    Invalidate();
}

void TExtGridButton::SetRounded(bool Value)
{
    FRounded = Value;
    Invalidate();
}

void TExtGridButton::SetShaded(bool Value)
{
    FShaded = Value;
    if (Value && !ComponentState().Contains(csLoading)) MakeShade();
}

void TExtGridButton::SetShowCaption(bool Value)
{
    if (FShowCaption == Value) return;
    FShowCaption = Value;
    Invalidate();
}

void TExtGridButton::SetSpacing(int32_t Value)
{
    if (FSpacing == Value) return;
    FSpacing = Value;
    Invalidate();
}

void TExtGridButton::SetStyle(TExtGridButtonStyle Value)
{
    FStyle = Value;
    Invalidate();
}

void TExtGridButton::SetLook(int32_t Value)
{
    if (Value < 0 || Value >= static_cast<int32_t>(Looks.size())) return;
    const TLookColors& Look = Looks[static_cast<size_t>(Value)];
    SetColor(Look.Color);
    FColorTo = Look.ColorTo;
    FColorHot = Look.ColorHot;
    FColorHotTo = Look.ColorHotTo;
    FColorDown = Look.ColorDown;
    FColorDownTo = Look.ColorDownTo;
    FColorChecked = Look.ColorChecked;
    FColorCheckedTo = Look.ColorCheckedTo;
    FBorderDownColor = Look.BorderDownColor;
    FBorderHotColor = Look.BorderHotColor;
    FBorderColor = clNone;
    FRounded = Look.Rounded;
    FFlat = true;
    FLook = Value;
    Invalidate();
}

void TExtGridButton::ThemeAdapt()
{
    // The XP colour schemes "NormalColor", "HomeStead" and "Metallic" (1-3) take looks 2-4.
    const int32_t Scheme = GetXPVisualStyle();
    SetLook(Scheme >= 1 && Scheme <= 3 ? Scheme + 1 : 1);
}

void TExtGridButton::MakeShade()
{
    const int32_t W = FGlyph->Width();
    const int32_t H = FGlyph->Height();
    FGlyphShade->SetPixelFormat(pf24bit);
    FGlyphShade->SetSize(W, H);
    if (W == 0 || H == 0) return;
    TCanvas* Shade = FGlyphShade->Canvas();
    TCanvas* Source = FGlyph->Canvas();
    const COLORREF Clear = ColorToRGB(Source->Pixels(0, H - 1));
    // The background differs from the silhouette, so that the bottom-left pixel keys it out.
    const COLORREF Background = RGB(255, 255, 255);
    for (int32_t Y = 0; Y < H; ++Y)
        for (int32_t X = 0; X < W; ++X)
            Shade->SetPixels(X, Y, static_cast<COLORREF>(ColorToRGB(Source->Pixels(X, Y))) == Clear ? Background : RGB(0x80, 0x80, 0x80));
}

// ---- Groups ----

void TExtGridButton::UpdateExclusive()
{
    NotifyButtonPressed(this, FGroupIndex);
}

void TExtGridButton::CMButtonPressed(TMessage& Message)
{
    if (static_cast<int32_t>(Message.WParam) != FGroupIndex) return;
    auto* Sender = dynamic_cast<TExtGridButton*>(reinterpret_cast<TControl*>(Message.LParam));
    if (!Sender || Sender == this) return;
    if (Sender->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        if (auto* Custom = dynamic_cast<TCustomAction*>(Action())) Custom->SetChecked(false);
        Invalidate();
    }
    FAllowAllUp = Sender->AllowAllUp();
}

// ---- Messages ----

void TExtGridButton::WndProc(TMessage& Message)
{
    if ((Message.Msg == WM_THEMECHANGED || Message.Msg == CM_THEMEADAPT) && FAutoThemeAdapt) ThemeAdapt();
    TGraphicControl::WndProc(Message);
}

void TExtGridButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_BUTTONPRESSED: CMButtonPressed(Message); break;
    case CM_DIALOGCHAR: CMDialogChar(TWMKey(Message)); break;
    case CM_ENABLEDCHANGED:
        TGraphicControl::Dispatch(Message);
        UpdateTracking();
        Repaint();
        break;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_SYSCOLORCHANGE: Invalidate(); break;
    case CM_MOUSEENTER:
        if (Message.LParam == 0) MouseEnterHandling();
        TGraphicControl::Dispatch(Message);
        break;
    case CM_MOUSELEAVE:
        if (Message.LParam == 0) MouseLeaveHandling();
        TGraphicControl::Dispatch(Message);
        break;
    case WM_LBUTTONDBLCLK:
        TGraphicControl::Dispatch(Message);
        if (FDown) DblClick();
        break;
    default: TGraphicControl::Dispatch(Message); break;
    }
}

void TExtGridButton::CMDialogChar(TWMKey Message)
{
    if (IsAccel(Message.CharCode(), Caption()) && Enabled() && Visible() && Parent() && Parent()->Showing()) {
        Click();
        Message.SetResult(1);
        return;
    }
    TGraphicControl::Dispatch(Message.Message);
}

void TExtGridButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

std::unique_ptr<TControlActionLink> TExtGridButton::CreateActionLink()
{
    return std::make_unique<TExtGridButtonActionLink>(this);
}

// ---- Mouse ----

bool TExtGridButton::IsInside(int32_t X, int32_t Y) const
{
    return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

void TExtGridButton::UpdateTracking()
{
    if (!FFlat || !Enabled()) return;
    TPoint Pos;
    GetCursorPos(Pos);
    // The messages' handling, OnMouseEnter and OnMouseLeave included.
    Perform(FindDragTarget(Pos, true) == this ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
}

void TExtGridButton::MouseEnterHandling()
{
    if (FMouseInControl || !Enabled() || GetCapture()) return;
    FMouseInControl = true;
    Repaint();
}

void TExtGridButton::MouseLeaveHandling()
{
    if (!FMouseInControl || !Enabled() || FDragging) return;
    FMouseInControl = false;
    Invalidate();
}

void TExtGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (FDropDownButton && X > ClientWidth() - DropDownWidth) {
        FState = bsUp;
        if (OnDropDown) OnDropDown(this);
        if (FDropDownMenu) {
            const TPoint Corner = ClientToScreen({0, Height()});
            FDropDownMenu->Popup(Corner.X, Corner.Y);
        }
        return;
    }
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    if (FStyle == tasCheck) {
        FState = bsDown;
        Repaint();
    }
    FDragging = true;
}

void TExtGridButton::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) {
        if (!FMouseInControl) UpdateTracking();
        return;
    }
    TButtonState NewState = IsInside(X, Y) ? (FDown ? bsExclusive : bsDown) : (FDown ? bsExclusive : bsUp);
    if (FStyle == tasCheck && FDown) NewState = bsDown;
    if (NewState != FState) {
        FState = NewState;
        Invalidate();
    }
}

void TExtGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging) return;
    FDragging = false;
    const bool Inside = IsInside(X, Y);
    if (FGroupIndex == 0) {
        FState = bsUp;
        if (FStyle == tasCheck) FDown = !FDown;
        if (Inside) Invalidate();
    } else if (Inside) {
        SetDown(!FDown);
        if (FDown) Repaint();
    } else {
        if (FDown) FState = bsExclusive;
        Repaint();
    }
    if (Inside) Click();
    UpdateTracking();
}

// ---- Painting ----

void TExtGridButton::PaintFlatFace(TCanvas* Target, TRect& R)
{
    const bool Designing = ComponentState().Contains(csDesigning);
    if (FBorderDownColor == clNone || FRounded) InflateRect(R, -1, -1);
    if (!FMouseInControl || !Enabled() || Designing) {
        if (FStyle == tasCheck && FDown) {
            FillFace(Target, R, FColorChecked, FColorCheckedTo, FBorderDownColor == clNone ? FColorChecked : FBorderDownColor);
        } else {
            if (FColorTo == clNone) FillFace(Target, R, Color(), clNone, clNone);
            else DrawButtonGradient(Target, R, Color(), FColorTo, FRounded ? clNone : (FDown ? FBorderDownColor : FBorderColor));
            if (FBorderColor != clNone) {
                if (FRounded) RoundFrameIn(Target, R, FBorderColor);
                else FrameIn(Target, R, FBorderColor);
            }
        }
    } else {
        TColor From = FColorHot, To = FColorHotTo, Border = FBorderHotColor;
        if (FStyle == tasCheck && FDown && FState != bsDown) {
            From = FColorChecked;
            To = FColorCheckedTo;
            Border = FBorderDownColor;
        } else if (FState == bsDown) {
            From = FColorDown;
            To = FColorDownTo;
            Border = FBorderDownColor;
        }
        FillFace(Target, R, From, To, FRounded ? clNone : Border);
        if (FRounded && Border != clNone) RoundFrameIn(Target, R, Border);
        if (FDropDownButton && Border != clNone) {
            Target->Pen()->SetColor(Border);
            Target->MoveTo(R.Right - DropDownWidth, R.Top);
            Target->LineTo(R.Right - DropDownWidth, R.Bottom);
        }
    }
    InflateRect(R, -1, -1);
}

void TExtGridButton::Paint()
{
    const bool Designing = ComponentState().Contains(csDesigning);
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
    if (FStyle == tasCheck && FDown) FState = bsDown;
    TCanvas* Target = Canvas();
    Target->SetFont(Font());
    TRect R = ClientRect();
    if (FFlat) {
        PaintFlatFace(Target, R);
    } else {
        const int32_t ThemeState = IsButtonPressed(FState) ? PBS_PRESSED : FMouseInControl ? PBS_HOT : PBS_NORMAL;
        if (!(FAutoXPStyle && IsXPOrLater() && FIsComCtl6 &&
              DrawThemedPart(ThemeAPI, Parent() ? Parent()->Handle() : nullptr, u"button", Target->Handle(), BP_PUSHBUTTON, ThemeState, R))) {
            TRect Frame = R;
            DrawFrameControl(Target->Handle(), Frame, DFC_BUTTON, DFCS_BUTTONPUSH | (IsButtonPressed(FState) ? DFCS_PUSHED : 0));
        }
    }
    TPoint Offset{0, 0};
    if (IsButtonPressed(FState)) {
        if (FState == bsExclusive && (!FFlat || !FMouseInControl)) {
            TRect Face = R;
            InflateRect(Face, 1, 1);
            FillFace(Target, Face, FColorChecked, FColorCheckedTo, FDown ? FBorderDownColor : FBorderColor);
        }
        if (!FFlat && !Designing) Offset = {1, 1};
    }
    // Staying down in a group (bsExclusive) lifts as well.
    if (FFlat && FMouseInControl && Enabled() && FShaded && FState != bsDown) Offset = {-1, -1};
    if (FDropDownButton) {
        const int32_t Middle = R.Top + (R.Bottom - R.Top) / 2 - 1;
        Target->Pen()->SetColor(Font()->Color());
        Target->Brush()->SetStyle(bsSolid);
        Target->Brush()->SetColor(Font()->Color());
        Target->Polygon({{R.Right - 8, Middle}, {R.Right - 4, Middle}, {R.Right - 6, Middle + 2}});
        R.Right -= DropDownWidth;
    }
    DrawGlyphAndCaption(Target, R, Offset, FDown && FGroupIndex != 0 ? bsDown : FState);
}

void TExtGridButton::DrawGlyphAndCaption(TCanvas* Target, const TRect& R, const TPoint& Offset, TButtonState DrawState)
{
    const bool Designing = ComponentState().Contains(csDesigning);
    const bool Pressed = IsButtonPressed(DrawState);
    TBitmap* Chosen = FGlyph.get();
    if (DrawState == bsDisabled) {
        if (!FGlyphDisabled->Empty()) Chosen = FGlyphDisabled.get();
    } else if (Pressed) {
        if (!FGlyphDown->Empty()) Chosen = FGlyphDown.get();
    } else if (FMouseInControl && !Designing && !FGlyphHot->Empty()) {
        Chosen = FGlyphHot.get();
    }
    const QString Shown = FShowCaption ? Caption() : QString();
    const TSize GlyphSize{Chosen->Width(), Chosen->Height()};
    TPoint GlyphPos;
    TRect TextBounds;
    // Left-to-right reading: the layer has no right-to-left locale.
    CalcButtonLayout(Target, R, Offset, Shown, FLayout, FMargin, FSpacing, GlyphSize, false, GlyphPos, TextBounds);
    if (Shown.isEmpty()) GlyphPos = {R.Left + Offset.X, R.Top + Offset.Y};
    if (!Chosen->Empty()) {
        if (FMouseInControl && FShaded && Enabled() && DrawState != bsDown && !FGlyphShade->Empty()) {
            const int32_t ShadeOffset = Shown.isEmpty() ? 0 : 2;
            FGlyphShade->SetTransparent(true);
            Target->Draw(GlyphPos.X + ShadeOffset, GlyphPos.Y + ShadeOffset, FGlyphShade.get());
        }
        Chosen->SetTransparent(true);
        Target->Draw(GlyphPos.X, GlyphPos.Y, Chosen);
    }
    if (Shown.isEmpty()) return;
    if (FMouseInControl && FShaded && FFlat && Enabled() && !Pressed) OffsetRect(TextBounds, 1, 1);
    DrawButtonCaption(Target, Shown, TextBounds, DrawState == bsDisabled, 0);
}

// ---- Action link ----

bool TExtGridButtonActionLink::IsCaptionLinked()
{
    return TControlActionLink::IsCaptionLinked();
}

bool TExtGridButtonActionLink::IsCheckedLinked()
{
    return TActionLink::IsCheckedLinked() && FClient->GroupIndex() != 0 && FClient->AllowAllUp() &&
           CustomAction()->Checked() == FClient->Down();
}

bool TExtGridButtonActionLink::IsGroupIndexLinked()
{
    return FClient && CustomAction() && CustomAction()->GroupIndex() == FClient->GroupIndex();
}

void TExtGridButtonActionLink::SetCaption(const QString& Value)
{
    if (IsCaptionLinked()) FClient->SetCaption(Value);
}

void TExtGridButtonActionLink::SetChecked(bool Value)
{
    if (IsCheckedLinked()) FClient->SetDown(Value);
}

void TExtGridButtonActionLink::SetGroupIndex(int32_t Value)
{
    if (IsGroupIndexLinked()) FClient->SetGroupIndex(Value);
}
