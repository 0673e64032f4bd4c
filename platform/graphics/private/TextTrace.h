// A listener of the text output functions (DrawText, DrawTextEx, ExtTextOut), for tests/support.
#pragma once

#include "graphics/Canvas.h"

#include <QString>

#include <functional>

// One call as it was made: the rectangle handed in (ExtTextOut: its position as an empty
// rectangle, or its clip rectangle), the format or options, the text and the context's text
// colour and underline at the time.
struct TTextTraceCall {
    TRect Rect;
    uint32_t Flags = 0;
    QString Text;
    COLORREF Color = 0;
    bool Underline = false;
    // True for ExtTextOut (and the canvas's TextOut and TextRect), false for DrawText.
    bool Out = false;
};

using TTextTraceListener = std::function<void(const TTextTraceCall&)>;

// Listener hears every later call; an empty one stops listening. Returns the one before.
TTextTraceListener SetTextTraceListener(TTextTraceListener Listener);
