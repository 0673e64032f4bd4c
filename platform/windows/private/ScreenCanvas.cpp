// The measuring canvas: bound to a one-pixel image that nothing shows.
#include "windows/private/ScreenCanvas.h"

#include "graphics/Canvas.h"
#include "graphics/private/Surfaces.h"

#include <QImage>

namespace WindowsInternal {

TCanvas* ScreenCanvas()
{
    static QImage Surface(1, 1, QImage::Format_RGB32);
    static TCanvas Canvas;
    if (!Canvas.HandleAllocated()) BindImage(Canvas, &Surface);
    return &Canvas;
}

}  // namespace WindowsInternal
