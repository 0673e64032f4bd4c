// The text tracer over the layer's text listener.
#include "support/TextTrace.h"

#include "graphics/DrawText.h"
#include "graphics/private/TextTrace.h"

TTextTracer::TTextTracer()
{
    SetTextTraceListener([this](const TTextTraceCall& Call) {
        FCalls.push_back({Call.Rect, Call.Flags, Call.Text, static_cast<TColor>(Call.Color), Call.Underline, Call.Out});
    });
}

TTextTracer::~TTextTracer()
{
    SetTextTraceListener({});
}

std::vector<TTracedText> TTextTracer::Drawn() const
{
    std::vector<TTracedText> Result;
    for (const TTracedText& Call : FCalls)
        if (!Call.Out && !(Call.Flags & DT_CALCRECT)) Result.push_back(Call);
    return Result;
}

std::vector<TTracedText> TTextTracer::DrawnIn(const TRect& Area) const
{
    std::vector<TTracedText> Result;
    for (const TTracedText& Call : Drawn())
        if (Call.Rect.Left >= Area.Left && Call.Rect.Top >= Area.Top && Call.Rect.Right <= Area.Right &&
            Call.Rect.Bottom <= Area.Bottom)
            Result.push_back(Call);
    return Result;
}
