// A window's shape (window regions) and drawing on a window outside its paint cycle.
//
// GetDC and GetWindowDC draw on a transparent layer over the window (its frame included, on a
// wrapped Qt widget as well): the drawing shows at once and stays until the window paints that
// place again. After each paint, a window that draws no frame of ours (a wrapped widget, or a
// window without a border) gets WM_NCPAINT without a context, so that it draws its frame through
// GetWindowDC.
#pragma once

#include "windows/Messages.h"

#include <cstdint>

class TRegion;

// The client area's context (the screen's for nil: a surface to measure on); nil for a dead window.
HDC GetDC(HWND Wnd);
// The context of the whole window: (0, 0) is the top-left corner of its frame.
HDC GetWindowDC(HWND Wnd);
// Ends drawing with a context GetDC or GetWindowDC gave for Wnd; 0 when it was not one of those.
int32_t ReleaseDC(HWND Wnd, HDC DC);

// Shapes the window: only the pixels inside Region (window coordinates: the top-left corner of the
// window's frame is (0, 0)) show and take the mouse. The region is copied; nil gives the window its
// whole rectangle back. Returns nonzero on success.
int32_t SetWindowRgn(HWND Wnd, const TRegion* Region, bool Redraw);
// Region becomes a copy of the window's region; the kind of region (NULLREGION, SIMPLEREGION,
// COMPLEXREGION), or RGN_ERROR when the window has none.
int32_t GetWindowRgn(HWND Wnd, TRegion& Region);
