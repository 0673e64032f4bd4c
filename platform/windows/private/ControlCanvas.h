// The canvas of a control: bound to the paint cycle while painting, to the window's own surface otherwise.
#pragma once

#include "graphics/Canvas.h"
#include "windows/Controls.h"

namespace WindowsInternal {

class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl* Control) : FControl(Control) {}
    ~TControlCanvas() override;

protected:
    // Drawing outside the paint cycle goes to the window's surface, as with a device context got
    // for the window; the drawing shows at once and lasts until the next paint.
    void CreateHandle() override;

private:
    TControl* FControl;
    HWND FBoundTo = nullptr;
};

// Binds Canvas to the surface of DC for the length of a scope.
class TCanvasBinding {
public:
    TCanvasBinding(TCanvas* Canvas, HDC DC);
    ~TCanvasBinding();
    TCanvasBinding(const TCanvasBinding&) = delete;
    TCanvasBinding& operator=(const TCanvasBinding&) = delete;

private:
    TCanvas* FCanvas;
};

}  // namespace WindowsInternal
