// A window's shape (window regions) and drawing on a window outside its paint cycle.
#pragma once

#include "windows/Messages.h"

#include <cstdint>

class TRegion;

// Shapes the window: only the pixels inside Region (window coordinates: the top-left corner of the
// window's frame is (0, 0)) show and take the mouse. The region is copied; nil gives the window its
// whole rectangle back. Returns nonzero on success.
int32_t SetWindowRgn(HWND Wnd, const TRegion* Region, bool Redraw);
// Region becomes a copy of the window's region; the kind of region (NULLREGION, SIMPLEREGION,
// COMPLEXREGION), or RGN_ERROR when the window has none.
int32_t GetWindowRgn(HWND Wnd, TRegion& Region);
