// TCustomControl and TGraphicControl: controls that paint themselves on a canvas.
#include "windows/Controls.h"

#include "graphics/Canvas.h"
#include "graphics/private/Surfaces.h"
#include "windows/private/ControlCanvas.h"
#include "windows/private/WindowWidget.h"

using namespace WindowsInternal;

namespace WindowsInternal {

TControlCanvas::~TControlCanvas()
{
    if (TWindowHook* Hook = HookOf(FBoundTo)) Hook->ReleaseDirect(this);
}

void TControlCanvas::CreateHandle()
{
    TWinControl* Window = dynamic_cast<TWinControl*>(FControl);
    TPoint Origin;
    TRect Clip = FControl->ClientRect();
    if (!Window) {
        Window = FControl->Parent();
        Origin = FControl->BoundsRect().TopLeft();
        Clip = FControl->BoundsRect();
    }
    if (!Window) return;
    FBoundTo = Window->Handle();
    if (TWindowHook* Hook = HookOf(FBoundTo)) Hook->BindDirect(this, Origin, Clip);
}

TCanvasBinding::TCanvasBinding(TCanvas* Canvas, HDC DC) : FCanvas(Canvas)
{
    FCanvas->Lock();
    BindPainter(*FCanvas, PainterOf(*DC));
}

TCanvasBinding::~TCanvasBinding()
{
    BindPainter(*FCanvas, nullptr);
    FCanvas->Unlock();
}

}  // namespace WindowsInternal

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this))
{
}

TCustomControl::~TCustomControl() = default;

void TCustomControl::Dispatch(TMessage& Message)
{
    if (Message.Msg != WM_PAINT) {
        TWinControl::Dispatch(Message);
        return;
    }
    const TControlStateFlag Painting(FControlState, csCustomPaint);
    TWinControl::Dispatch(Message);
}

void TCustomControl::PaintWindow(HDC DC)
{
    TCanvasBinding Binding(FCanvas.get(), DC);
    Paint();
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this))
{
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_PAINT) {
        const HDC DC = TWMPaint(Message).DC();
        if (DC && !ComponentState().Contains(csDestroying)) {
            TCanvasBinding Binding(FCanvas.get(), DC);
            Paint();
        }
        return;
    }
    TControl::Dispatch(Message);
}
