// Text measured on a scratch canvas, and the scroll bar extent of the installed style.
#include "windows/private/StockMetrics.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/private/Surfaces.h"

#include <QApplication>
#include <QImage>
#include <QStyle>

namespace WindowsInternal {
namespace {

// Runs Measure on a canvas that has Font selected.
template <typename F>
auto Measured(const TFont* Font, F&& Measure)
{
    static QImage Scratch(1, 1, QImage::Format_RGB32);
    TCanvas Canvas;
    BindImage(Canvas, &Scratch);
    Canvas.Font()->Assign(const_cast<TFont*>(Font));
    const auto Result = Measure(Canvas);
    BindImage(Canvas, nullptr);
    return Result;
}

}  // namespace

int32_t FontHeight(const TFont* Font)
{
    return Measured(Font, [](TCanvas& Canvas) {
        TEXTMETRIC Metrics;
        GetTextMetrics(Canvas.Handle(), Metrics);
        return Metrics.tmHeight;
    });
}

TSize TextSize(const TFont* Font, const QString& Text)
{
    return Measured(Font, [&Text](TCanvas& Canvas) { return Canvas.TextExtent(Text); });
}

int32_t ScrollBarExtent()
{
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

}  // namespace WindowsInternal
