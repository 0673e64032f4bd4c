// Pieces the in-cell editor controls share: the seven drop-button colours, frames and fills on a
// device context, font line heights, and the place of the button in an edit.
#pragma once

#include "graphics/Colors.h"
#include "rtl/Types.h"
#include "windows/Messages.h"

#include <cstdint>

class TControl;
class TFont;
class TWinControl;

// The border of a disabled themed control, and the flat border of a themed one (#7F9DB9).
inline constexpr TColor ThemedBorderColor = 0xB99D7F;

// The colours of an editor's button. Which of them a control paints with is its own affair; the
// others it keeps for the editors that derive from it.
class TEditorButtonColors {
public:
    explicit TEditorButtonColors(TColor BorderColor = clNone) : FButtonBorderColor(BorderColor) {}

    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor Value) { FButtonColor = Value; }
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor Value) { FButtonColorHot = Value; }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor Value) { FButtonColorDown = Value; }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor Value) { FButtonTextColor = Value; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }

private:
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonColorDown = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
    TColor FButtonBorderColor;
};

// A one-pixel frame, and a fill, of R in Color.
void FrameIn(HDC DC, const TRect& R, TColor Color);
void FillIn(HDC DC, const TRect& R, TColor Color);
// The left or the right mouse button is held right now.
bool IsMouseButtonDown();
// The line height (tmHeight) of Font.
int32_t FontLineHeight(TFont* Font);
// Puts Button at the right edge of Edit, as tall as the edit allows: inside the sunken edge with
// the new-style 3-D look (WithoutBorder: the edit has none), else flush right below a pixel.
void PlaceEditButton(TWinControl* Edit, TControl* Button, bool WithoutBorder);
