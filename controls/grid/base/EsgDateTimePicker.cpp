// TEsgDateTimePicker: focus and pointer tracking, and its borders and drop button on the window's context.
#include "grid/base/EsgDateTimePicker.h"

#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Region.h"
#include "grid/base/ExtStyleIF.h"
#include "grid/base/ExtXPVS.h"
#include "grid/base/PickerLook.h"
#include "windows/SystemMetrics.h"
#include "windows/WindowDC.h"

int32_t ReadFileVersion(const QString&)
{
    return -1;
}

TEsgDateTimePicker::TEsgDateTimePicker(TComponent* AOwner)
    : TDateTimePicker(AOwner), FIsThemed(IsComCtl6()), FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2),
      FIsWinXP(IsXPOrLater())
{
    SetDoubleBuffered(true);
    SetParentCtl3D(false);
    SetBorderStyle(bsSingle);
    SetCtl3D(true);
    FBorderStyle = bsNone;
}

QString TEsgDateTimePicker::Version() const
{
    const uint32_t Number = static_cast<uint32_t>(GetVersionNr());
    return QStringLiteral("%1.%2.%3.%4").arg(Number >> 24).arg((Number >> 16) & 0xFF).arg((Number >> 8) & 0xFF).arg(Number & 0xFF);
}

void TEsgDateTimePicker::SetBorderColor(TColor Value)
{
    if (FBorderColor == Value) return;
    FBorderColor = Value;
    Invalidate();
}

void TEsgDateTimePicker::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    Invalidate();
}

void TEsgDateTimePicker::SetMetroStyle(bool Value)
{
    if (FMetroStyle == Value) return;
    FMetroStyle = Value;
    Invalidate();
}

// ---- State ----

bool TEsgDateTimePicker::IsMetro() const
{
    return FMetroStyle && !ComponentState().Contains(csDesigning);
}

bool TEsgDateTimePicker::ThemesOn() const
{
    return FIsThemed && ThemeAPI.Loaded && ThemeAPI.IsThemeActive && ThemeAPI.IsThemeActive();
}

bool TEsgDateTimePicker::IsHot() const
{
    if (ComponentState().Contains(csDesigning)) return Enabled();
    return FMouseInControl || (Screen && Screen->ActiveControl() == this);
}

bool TEsgDateTimePicker::IsFocusBorderActive() const
{
    return !ComponentState().Contains(csDesigning) && IsHot() && FFocusBorder;
}

// ---- Messages ----

void TEsgDateTimePicker::WndProc(TMessage& Message)
{
    TDateTimePicker::WndProc(Message);
    if (Message.Msg == WM_NCPAINT) NCPaintBorders();
}

void TEsgDateTimePicker::NCPaintBorders()
{
    if (!Enabled() && ThemesOn() && !FDisabledBorder) DrawBorders();
    if ((FFocusBorderColor != clNone && FHasFocus) || FBorderColor != clNone) DrawBorders();
}

void TEsgDateTimePicker::Dispatch(TMessage& Message)
{
    const bool Designing = ComponentState().Contains(csDesigning);
    switch (Message.Msg) {
    case CM_ENTER:
    case CM_EXIT:
        TDateTimePicker::Dispatch(Message);
        if (!Designing) {
            FHasFocus = Message.Msg == CM_ENTER;
            DrawBorders();
        }
        break;
    case CM_MOUSEENTER:
        TDateTimePicker::Dispatch(Message);
        if (Message.LParam != 0) break;
        if (!FMouseInControl && Enabled()) {
            FMouseInControl = true;
            DrawBorders();
        }
        if (FIsWinXP) Invalidate();
        break;
    case CM_MOUSELEAVE:
        TDateTimePicker::Dispatch(Message);
        if (Message.LParam != 0) break;
        if (FMouseInControl && Enabled()) {
            FMouseInControl = false;
            FButtonHover = false;
            DrawBorders();
        }
        if (FIsWinXP) Invalidate();
        break;
    case CM_CTL3DCHANGED:
        TDateTimePicker::Dispatch(Message);
        Invalidate();
        break;
    case WM_NCPAINT:
        TDateTimePicker::Dispatch(Message);
        DrawFlatBorder();
        NCPaintBorders();
        Message.Result = 0;
        break;
    case WM_PAINT:
        TDateTimePicker::Dispatch(Message);
        if ((Ctl3D() && !IsMetro()) || !IsVistaOrLater()) break;
        PaintAdditions();
        break;
    default: TDateTimePicker::Dispatch(Message); break;
    }
}

void TEsgDateTimePicker::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    TDateTimePicker::MouseMove(Shift, X, Y);
    const bool Hover = X > Width() - FButtonWidth && X < Width();
    if (Hover == FButtonHover) return;
    FButtonHover = Hover;
    Invalidate();
}

// ---- Painting ----

void TEsgDateTimePicker::DrawBorders()
{
    if (!IsMetro() || !HandleAllocated()) return;
    if (Enabled() && FBorderColor == clNone && FFocusBorderColor == clNone) return;
    HDC DC = GetWindowDC(Handle());
    DrawBorder(DC);
    if (!(FIsWinXP && ThemesOn())) DrawButtonEdge(DC);
    ReleaseDC(Handle(), DC);
}

void TEsgDateTimePicker::DrawBorder(HDC DC)
{
    TRect R{0, 0, Width(), Height()};
    if (!Enabled() && FIsThemed && !FDisabledBorder) {
        FrameIn(DC, R, ThemedBorderColor);
        return;
    }
    if (FBorderColor == clNone || (FHasFocus && FFocusBorderColor != clNone)) {
        if (FFocusBorderColor == clNone) {
            const TColor Outer = IsFocusBorderActive() ? clBtnFace : (Parent() ? Parent()->Brush()->Color() : clBtnFace);
            if (IsFocusBorderActive()) {
                DrawEdge(DC, R, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
                FrameIn(DC, R, Outer);
                InflateRect(R, -1, -1);
                FrameIn(DC, R, Color());
            } else {
                FrameIn(DC, R, Outer);
                InflateRect(R, -1, -1);
                FrameIn(DC, {R.Left, R.Top, R.Right - FButtonWidth, R.Bottom}, Outer);
                InflateRect(R, -1, -1);
                FrameIn(DC, R, Color());
            }
            return;
        }
        if (FHasFocus) FrameIn(DC, R, FFocusBorderColor);
        return;
    }
    FrameIn(DC, R, FBorderColor);
}

void TEsgDateTimePicker::DrawButtonEdge(HDC DC)
{
    const int32_t CW = ClientWidth();
    DrawPickerButtonArea(DC, {CW - FButtonWidth + 4, 4, Width() - 4, Height() - 4},
                         {CW - FButtonWidth - 2, 2, Width() - 2, Height() - 2}, IsHot(), DroppedDown());
}

void TEsgDateTimePicker::DrawFlatBorder()
{
    if (Ctl3D() || FBorderColor == clNone || !HandleAllocated()) return;
    HDC DC = GetWindowDC(Handle());
    const TColor ParentColor = Parent() ? Parent()->Brush()->Color() : clBtnFace;
    TColor PenColor = FBorderColor;
    if (FBorderStyle == bsNone) PenColor = ParentColor;
    else if (FIsThemed) PenColor = ThemedBorderColor;
    DrawFlatPickerBorder(DC, Width(), Height(), PenColor, true, FBorderStyle == bsSingle ? ParentColor : PenColor);
    ReleaseDC(Handle(), DC);
}

void TEsgDateTimePicker::DrawButton(HDC DC)
{
    const int32_t CW = ClientWidth();
    const TRect R{CW - FButtonWidth + 2, 1, Width() - 1, Height() - 1};
    DrawMetroDropButton(DC, Handle(), R, *this, FButtonHover, Enabled(), DroppedDown(), ThemesOn());
    ExcludeClipRect(DC, CW - FButtonWidth - 4, 0, CW + 2, ClientHeight());
}

void TEsgDateTimePicker::PaintAdditions()
{
    if (!HandleAllocated()) return;
    if (IsMetro() && Kind() != dtkTime) {
        HDC DC = GetWindowDC(Handle());
        const int32_t Right = ClientWidth();
        if (IsComCtl6()) {
            if (ThemesOn()) FillIn(DC, {Right - FButtonWidth - 15, 1, Right, Height()}, Color());
            else FillIn(DC, {Right - FButtonWidth - 2, 4, Right - 2, Height() - 4}, Color());
        }
        DrawButton(DC);
        ReleaseDC(Handle(), DC);
    }
    DrawBorders();
}
