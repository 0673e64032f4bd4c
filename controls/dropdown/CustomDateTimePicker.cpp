// TCustomDateTimePicker: AutoTab, hover tracking, and the flat border, metro frame and drop button on the window.
#include "dropdown/CustomDateTimePicker.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Region.h"
#include "grid/base/ExtStyleIF.h"
#include "grid/base/ExtXPVS.h"
#include "grid/base/PickerLook.h"
#include "windows/SystemMetrics.h"
#include "windows/WinApi.h"
#include "windows/WindowDC.h"

UINT DTPShiftFocusMessage()
{
    static const UINT Message = RegisterWindowMessage(QStringLiteral("DTPShiftFocus"));
    return Message;
}

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner)
    : TDateTimePicker(AOwner), FIsThemed(IsComCtl6()), FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2),
      FIsWinXP(IsXPOrLater())
{
    SetDoubleBuffered(true);
    SetCtl3D(false);
    SetParentCtl3D(false);
}

void TCustomDateTimePicker::SetMetroStyle(bool Value)
{
    if (FMetroStyle == Value) return;
    FMetroStyle = Value;
    Invalidate();
}

void TCustomDateTimePicker::SetAutoTab(bool Value)
{
    FAutoTab = Value;
}

void TCustomDateTimePicker::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    Invalidate();
}

// ---- AutoTab ----

void TCustomDateTimePicker::KeyPress(QChar& Key)
{
    if (!FAutoTab || Key < QLatin1Char('0') || Key > QLatin1Char('9')) {
        TDateTimePicker::KeyPress(Key);
        return;
    }
    if (Kind() == dtkTime) {
        uint16_t MSec;
        DecodeTime(TDateTimePicker::DateTime(), Fh, Fm, Fs, MSec);
    }
    // The digit reaches the picker after this; the check comes once it has.
    TDateTimePicker::KeyPress(Key);
    if (HandleAllocated()) PostMessage(Handle(), DTPShiftFocusMessage(), 0, 0);
}

void TCustomDateTimePicker::DoShiftFocus()
{
    if (Kind() != dtkTime) return;
    uint16_t Hour, Min, Sec, MSec;
    DecodeTime(TDateTimePicker::DateTime(), Hour, Min, Sec, MSec);
    if (Hour != Fh || Min != Fm || Sec != Fs) PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
}

// ---- Messages ----

void TCustomDateTimePicker::WndProc(TMessage& Message)
{
    if (Message.Msg == DTPShiftFocusMessage()) DoShiftFocus();
    TDateTimePicker::WndProc(Message);
    if (Message.Msg == WM_NCPAINT) NCPaintFrame();
}

void TCustomDateTimePicker::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_ENTER:
    case CM_EXIT:
        TDateTimePicker::Dispatch(Message);
        if (!ComponentState().Contains(csDesigning)) DrawFrame();
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        TDateTimePicker::Dispatch(Message);
        // A child's entering or leaving comes with the child in LParam.
        if (Message.LParam != 0) break;
        const bool Inside = Message.Msg == CM_MOUSEENTER;
        if (Enabled() && FMouseInControl != Inside) {
            FMouseInControl = Inside;
            if (!Inside) FButtonHover = false;
            DrawFrame();
        }
        if (FIsWinXP) Invalidate();
        break;
    }
    case CM_CTL3DCHANGED:
        TDateTimePicker::Dispatch(Message);
        Invalidate();
        break;
    case WM_NCPAINT:
        TDateTimePicker::Dispatch(Message);
        if (!Ctl3D() && HandleAllocated()) {
            HDC DC = GetWindowDC(Handle());
            DrawFlatBorder(DC);
            ReleaseDC(Handle(), DC);
        }
        NCPaintFrame();
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

void TCustomDateTimePicker::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    TDateTimePicker::MouseMove(Shift, X, Y);
    const bool Hover = X > Width() - FButtonWidth && X < Width();
    if (Hover == FButtonHover) return;
    FButtonHover = Hover;
    Invalidate();
}

// ---- State ----

bool TCustomDateTimePicker::IsMetro() const
{
    return FMetroStyle && !IsTimePart();
}

bool TCustomDateTimePicker::IsStyled() const
{
    return FIsThemed && ThemedPaintingActive(ThemeAPI);
}

bool TCustomDateTimePicker::IsHot() const
{
    if (ComponentState().Contains(csDesigning)) return Enabled();
    return FMouseInControl || (Screen && Screen->ActiveControl() == this);
}

// ---- Painting ----

void TCustomDateTimePicker::NCPaintFrame()
{
    if ((!Enabled() && IsStyled()) || FBorderColor != clNone) DrawFrame();
}

void TCustomDateTimePicker::DrawFrame()
{
    if (!HandleAllocated()) return;
    HDC DC = GetWindowDC(Handle());
    DrawFrameOn(DC);
    ReleaseDC(Handle(), DC);
}

void TCustomDateTimePicker::DrawFrameOn(HDC DC)
{
    if (!IsMetro() || (Enabled() && FBorderColor == clNone)) return;
    const int32_t W = Width(), H = Height();
    if (!Enabled() && FIsThemed) {
        FrameIn(DC, {0, 0, W, H}, ThemedBorderColor);
    } else if (FBorderColor != clNone) {
        FrameIn(DC, {0, 0, W, H}, FBorderColor);
    } else {
        const TColor ParentColor = Parent() ? Parent()->Brush()->Color() : clBtnFace;
        FrameIn(DC, {0, 0, W, H}, ParentColor);
        FrameIn(DC, {1, 1, W - 1 - FButtonWidth, H - 1}, ParentColor);
        FrameIn(DC, {2, 2, W - 2 - FButtonWidth, H - 2}, Color());
    }
    if (!(FIsWinXP && IsStyled())) {
        const int32_t CW = ClientWidth(), CH = ClientHeight();
        DrawPickerButtonArea(DC, {CW - FButtonWidth + 4, 4, CW - 4, CH - 4}, {CW - FButtonWidth, 2, W - 2, H - 2},
                             IsHot(), DroppedDown());
    }
}

TColor TCustomDateTimePicker::FlatBorderColor() const
{
    if (FBorderStyle == bsNone && Parent()) return Parent()->Brush()->Color();
    return FIsThemed ? ThemedBorderColor : FBorderColor;
}

void TCustomDateTimePicker::DrawFlatBorder(HDC DC)
{
    const TColor Pen = FlatBorderColor();
    const TColor Ring = FBorderStyle == bsSingle && Parent() ? Parent()->Brush()->Color() : Pen;
    DrawFlatPickerBorder(DC, Width(), Height(), Pen, Parent() != nullptr, Ring);
}

void TCustomDateTimePicker::PaintAdditions()
{
    if (!HandleAllocated()) return;
    HDC DC = GetWindowDC(Handle());
    const int32_t W = Width(), H = Height();
    if (IsMetro() && Kind() != dtkTime) {
        // The system's own button goes under the control's brush first.
        if (IsVistaOrLater() && IsComCtl6()) {
            const int32_t Right = ClientWidth();
            if (IsStyled())
                FillIn(DC, {Right - FButtonWidth - 4, 1, Right, H}, Color());
            else
                FillIn(DC, {Right - FButtonWidth - 2, 4, Right - 2, H - 4}, Color());
        }
        DrawMetroButton(DC);
    }
    if (!Ctl3D()) {
        const TColor Pen = FlatBorderColor();
        if (Pen != clNone) {
            DC->Pen()->SetColor(Pen);
            DC->Polyline({{0, H}, {0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
            if (IsVistaOrLater() && !IsStyled()) DC->Polyline({{1, H}, {1, 1}, {W - 2, 1}, {W - 2, H - 2}, {0, H - 2}});
        }
    }
    // The button stays excluded for the frame.
    DrawFrameOn(DC);
    ReleaseDC(Handle(), DC);
}

void TCustomDateTimePicker::DrawMetroButton(HDC DC)
{
    const int32_t CW = ClientWidth();
    const TRect R{CW - FButtonWidth + 3, 1, Width() - 1, Height() - 1};
    DrawMetroDropButton(DC, Handle(), R, *this, FButtonHover, Enabled(), DroppedDown(), IsStyled());
    ExcludeClipRect(DC, CW - FButtonWidth - 4, 0, CW + 2, ClientHeight());
}
