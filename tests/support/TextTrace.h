// Records the text calls of every canvas (DrawText, ExtTextOut and the canvas's TextOut) while alive.
#pragma once

#include "graphics/Canvas.h"

#include <QString>

#include <vector>

struct TTracedText {
    TRect Rect;      // the rectangle handed in; TextOut: an empty one at the text's position
    uint32_t Flags;  // DrawText's format, ExtTextOut's options
    QString Text;
    TColor Color;    // the text colour
    bool Underline;
    bool Out;        // ExtTextOut rather than DrawText
};

class TTextTracer {
public:
    TTextTracer();
    ~TTextTracer();
    TTextTracer(const TTextTracer&) = delete;
    TTextTracer& operator=(const TTextTracer&) = delete;

    const std::vector<TTracedText>& Calls() const { return FCalls; }
    // The DrawText calls that drew (no DT_CALCRECT).
    std::vector<TTracedText> Drawn() const;
    // The drawing DrawText calls whose rectangle lies inside Area.
    std::vector<TTracedText> DrawnIn(const TRect& Area) const;
    void Clear() { FCalls.clear(); }

private:
    std::vector<TTracedText> FCalls;
};
