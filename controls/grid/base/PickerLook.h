// Drawing the date-time pickers share on their window's context: the flat border, the classic drop
// button area and the metro drop button.
#pragma once

#include "graphics/Colors.h"
#include "rtl/Types.h"
#include "windows/Messages.h"

#include <cstdint>

class TEditorButtonColors;

// The outline of a Width x Height window in Pen: (0, Height) up to (0, 0), across, down and back to
// (0, Height - 1); with Ring also the top and left edges inside it, (1, Height - 2) up to (1, 1) and
// across to (Width - 1, 1), in RingPen. A pen of clNone draws nothing.
void DrawFlatPickerBorder(HDC DC, int32_t Width, int32_t Height, TColor Pen, bool Ring, TColor RingPen);

// The classic drop button area: Area is excluded from painting first; Button then gets a raised
// edge while Hot (drawn flat while the calendar is Dropped), else the button face one pixel less at
// the top, the bottom and the right; Button is excluded afterwards.
void DrawPickerButtonArea(HDC DC, const TRect& Area, const TRect& Button, bool Hot, bool Dropped);

// The metro drop button over R. With a ButtonColor: the face from 2 pixels right of R's left edge
// in ButtonColor, ButtonColorHot while Hover, ButtonColorDown while Hover with a mouse button held;
// a line in ButtonBorderColor down the left edge; a triangle pointing down in ButtonTextColor
// (ButtonTextColorDown while a mouse button is held). Without one: the "combobox" drop button of
// the visual style when Styled, else the classic combo box scroll button.
void DrawMetroDropButton(HDC DC, HWND Wnd, const TRect& R, const TEditorButtonColors& Colors, bool Hover, bool Enabled,
                         bool Dropped, bool Styled);
