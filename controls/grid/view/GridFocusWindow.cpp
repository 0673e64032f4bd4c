// The edit focus window: a glowing frame in a layered window around the edited cell.
#include "grid/core/ExtGrid.h"

#include "grid/base/ExtUtil.h"
#include "grid/base/GridAlphaMask.h"
#include "grid/base/GridMarkers.h"

#include "graphics/Canvas.h"
#include "graphics/Region.h"
#include "windows/WinApi.h"
#include "windows/WindowDC.h"

namespace {

// The frame stands this far left of and above the cell; the window is this much wider and higher.
constexpr int32_t FrameOffset = 4;
constexpr int32_t FrameGrowth = 9;
constexpr int32_t MaskPenWidth = 4;
constexpr int32_t MaskCorner = 5;
constexpr double MaskBlur = 3;
constexpr TColor FrameColor = 0xFDD397;
constexpr uint8_t FrameOpacity = 230;

// The window is shown through its handle, without activation: its control stays invisible.
void HideWindow(TWinControl* Window)
{
    Window->SetVisible(false);
    if (Window->HandleAllocated()) ShowWindow(Window->Handle(), SW_HIDE);
}

}  // namespace

void ApplyAlphaMask(TWinControl* Window, TGridAlphaMask* Mask)
{
    if (!Window || !Mask || Mask->Height() == 0) return;
    const HWND Wnd = Window->Handle();
    SetWindowLong(Wnd, GWL_EXSTYLE, GetWindowLong(Wnd, GWL_EXSTYLE) | static_cast<int32_t>(WS_EX_LAYERED));
    SetWindowPos(Wnd, nullptr, 0, 0, Mask->Width(), Mask->Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    TRect Bounds;
    GetWindowRect(Wnd, Bounds);
    const TPoint Place = Point(Bounds.Left, Bounds.Top);
    const TSize Size{Mask->Width(), Mask->Height()};
    const TPoint Source = Point(0, 0);
    BLENDFUNCTION Blend;
    Blend.BlendOp = AC_SRC_OVER;
    Blend.SourceConstantAlpha = Mask->Opacity();
    Blend.AlphaFormat = AC_SRC_ALPHA;
    HDC Screen = GetDC(nullptr);
    CallUpdateLayeredWindow(Wnd, Screen, &Place, &Size, Mask->Canvas()->Handle(), &Source, 0, &Blend, ULW_ALPHA);
    ReleaseDC(nullptr, Screen);
}

void TExtStringGrid::ShowFocusWindow(const TRect& R)
{
    if (!FFocusWindow || !HandleAllocated()) return;
    const int32_t W = R.Width() + FrameGrowth;
    const int32_t H = R.Height() + FrameGrowth;
    HideWindow(FFocusWindow);
    FFocusWindow->SetBounds(FFocusWindow->Left(), FFocusWindow->Top(), W, H);

    TBitmap Mask;
    MakeRoundRectMask(&Mask, W, H, MaskPenWidth, MaskCorner, MaskBlur);
    TBitmap Colors;
    Colors.SetPixelFormat(pf24bit);
    Colors.SetSize(W, H);
    Colors.Canvas()->Brush()->SetColor(FrameColor);
    Colors.Canvas()->FillRect(Rect(0, 0, W, H));
    TGridAlphaMask Alpha;
    Alpha.MergeMask(&Mask, &Colors, clNone);
    Alpha.SetOpacity(FrameOpacity);
    ApplyAlphaMask(FFocusWindow, &Alpha);

    // The frame only: the cell's own area stays the grid's, for the eye and the mouse.
    const TRegion Outer = CreateRectRgn(0, 0, W, H);
    const TRegion Inner = CreateRectRgn(FrameOffset, FrameOffset, FrameOffset + R.Width(), FrameOffset + R.Height());
    TRegion Frame;
    CombineRgn(Frame, Outer, Inner, RGN_XOR);
    SetWindowRgn(FFocusWindow->Handle(), &Frame, true);

    const TPoint At = ClientToScreen(Point(R.Left - FrameOffset, R.Top - FrameOffset));
    SetWindowPos(FFocusWindow->Handle(), HWND_TOPMOST, At.X, At.Y, W, H, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TExtStringGrid::PlaceFocusWindow()
{
    // The move of the focus window itself comes back here through the hook.
    static bool Placing = false;
    if (Placing || !FFocusWindow || !HandleAllocated()) return;
    const TRect R = TBaseGrid::CellRect(Col(), Row());
    const TPoint At = ClientToScreen(Point(R.Left - FrameOffset, R.Top - FrameOffset));
    const TRect Target = Bounds(At.X, At.Y, R.Width() + FrameGrowth, R.Height() + FrameGrowth);
    TRect Now;
    if (FFocusWindow->HandleAllocated() && GetWindowRect(FFocusWindow->Handle(), Now) && Now == Target) return;
    Placing = true;
    SetWindowPos(FFocusWindow->Handle(), nullptr, Target.Left, Target.Top, Target.Width(), Target.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(FFocusWindow->Handle(), nullptr, false);
    Placing = false;
}

void TExtStringGrid::HideFocusWindow()
{
    FocusWindowGrid = nullptr;
    if (FFocusWindow) HideWindow(FFocusWindow);
}
