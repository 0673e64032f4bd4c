// A canvas on no window, for measuring text as a device context of the screen does.
#pragma once

class TCanvas;

namespace WindowsInternal {

// The shared measuring canvas; callers set its font first.
TCanvas* ScreenCanvas();

}  // namespace WindowsInternal
