// Layered windows: the picture UpdateLayeredWindow gives, the opacity and colour key of
// SetLayeredWindowAttributes, and the shape both leave the window.
#include "windows/LayeredWindows.h"

#include "graphics/Canvas.h"
#include "graphics/private/DeviceContext.h"
#include "windows/WinApi.h"
#include "windows/private/Window.h"

#include <QWidget>

using namespace WindowsInternal;

namespace {

TWindow* LayeredWindow(HWND Wnd)
{
    TWindow* Window = FindWindow(Wnd);
    return Window && (Window->ExStyle & WS_EX_LAYERED) ? Window : nullptr;
}

// Source's pixels as premultiplied ARGB, as the flags and the blend say.
QImage LayeredPicture(QImage Pixels, COLORREF Key, const BLENDFUNCTION* Blend, uint32_t Flags)
{
    const bool PerPixel = (Flags & ULW_ALPHA) && Blend && (Blend->AlphaFormat & AC_SRC_ALPHA) && !(Flags & ULW_OPAQUE);
    if (PerPixel) {
        if (Pixels.depth() != 32) Pixels.convertTo(QImage::Format_ARGB32);
        // The bytes count as premultiplied, whatever the format claims.
        Pixels.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    } else {
        Pixels.convertTo(QImage::Format_RGB32);
        Pixels.convertTo(QImage::Format_ARGB32_Premultiplied);
    }
    if ((Flags & ULW_COLORKEY) && !(Flags & ULW_OPAQUE)) {
        const QRgb Transparent = qRgb(GetRValue(Key), GetGValue(Key), GetBValue(Key));
        for (int Y = 0; Y < Pixels.height(); ++Y) {
            auto* Row = reinterpret_cast<QRgb*>(Pixels.scanLine(Y));
            for (int X = 0; X < Pixels.width(); ++X)
                if ((Row[X] | 0xFF000000) == Transparent && qAlpha(Row[X]) == 255) Row[X] = 0;
        }
    }
    const int Constant = (Flags & ULW_ALPHA) && Blend && !(Flags & ULW_OPAQUE) ? Blend->SourceConstantAlpha : 255;
    if (Constant < 255) {
        for (int Y = 0; Y < Pixels.height(); ++Y) {
            auto* Row = reinterpret_cast<QRgb*>(Pixels.scanLine(Y));
            for (int X = 0; X < Pixels.width(); ++X) {
                const auto Scale = [Constant](int Channel) { return (Channel * Constant + 127) / 255; };
                const QRgb P = Row[X];
                Row[X] = qRgba(Scale(qRed(P)), Scale(qGreen(P)), Scale(qBlue(P)), Scale(qAlpha(P)));
            }
        }
    }
    return Pixels;
}

}  // namespace

bool UpdateLayeredWindow(HWND Wnd, HDC, const TPoint* DestPos, const TSize* Size, HDC SourceDC, const TPoint* SourcePos,
                         COLORREF Key, const BLENDFUNCTION* Blend, uint32_t Flags)
{
    TWindow* Window = LayeredWindow(Wnd);
    if (!Window || !Window->Widget) return false;
    if (Size && (Size->cx < 1 || Size->cy < 1)) return false;
    if (SourceDC) {
        TRect Bounds{};
        GetWindowRect(Wnd, Bounds);
        const QSize Extent = Size ? QSize(Size->cx, Size->cy) : QSize(Bounds.Width(), Bounds.Height());
        QPoint Origin;
        const TDeviceContext& Source = SourceDC->DC();
        const QImage* Surface = Source.Surface(Origin);
        if (!Surface) return false;
        const QPoint From = SourcePos ? QPoint(SourcePos->X, SourcePos->Y) : QPoint();
        const QRect Area = QRect(From, Extent).translated(Source.Offset() + Origin);
        if (Extent.isEmpty() || !Surface->rect().contains(Area)) return false;
        Window->Layered = LayeredPicture(Surface->copy(Area), Key, Blend, Flags);
        Window->LayeredFlags = 0;
        Window->Widget->setWindowOpacity(1.0);
    }
    if (DestPos || Size) {
        UINT Move = SWP_NOZORDER | SWP_NOACTIVATE;
        if (!DestPos) Move |= SWP_NOMOVE;
        if (!Size) Move |= SWP_NOSIZE;
        SetWindowPos(Wnd, nullptr, DestPos ? DestPos->X : 0, DestPos ? DestPos->Y : 0, Size ? Size->cx : 0,
                     Size ? Size->cy : 0, Move);
    }
    UpdateWindowShape(Wnd);
    Window->Widget->update();
    return true;
}

bool SetLayeredWindowAttributes(HWND Wnd, COLORREF Key, uint8_t Alpha, uint32_t Flags)
{
    TWindow* Window = LayeredWindow(Wnd);
    if (!Window || !Window->Widget) return false;
    Window->Layered = QImage();
    Window->LayeredKey = Key & 0xFFFFFF;
    Window->LayeredAlpha = Alpha;
    Window->LayeredFlags = Flags & (LWA_ALPHA | LWA_COLORKEY);
    if (Window->Widget->isWindow()) Window->Widget->setWindowOpacity((Flags & LWA_ALPHA) ? Alpha / 255.0 : 1.0);
    UpdateWindowShape(Wnd);
    Window->Widget->update();
    return true;
}

bool GetLayeredWindowAttributes(HWND Wnd, COLORREF* Key, uint8_t* Alpha, uint32_t* Flags)
{
    const TWindow* Window = LayeredWindow(Wnd);
    if (!Window || !Window->Layered.isNull()) return false;
    if (Key) *Key = Window->LayeredKey;
    if (Alpha) *Alpha = Window->LayeredAlpha;
    if (Flags) *Flags = Window->LayeredFlags;
    return true;
}
