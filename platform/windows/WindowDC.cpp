// Window regions as Qt widget masks, and window and client contexts on the window's overlay.
#include "windows/WindowDC.h"
#include "windows/LayeredWindows.h"

#include "graphics/Canvas.h"
#include "graphics/Region.h"
#include "graphics/private/DeviceContext.h"
#include "graphics/private/Surfaces.h"
#include "windows/private/Window.h"
#include "windows/private/WindowOverlay.h"
#include "windows/private/WindowWidget.h"

#include <QVariant>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

using namespace WindowsInternal;

namespace {

// Marks a window whose region is set, so that an empty region (nothing shows) is told from none.
const char* const RegionProperty = "ktWindowRegion";

// Where the window's frame corner lies in widget coordinates: a top-level window's frame is
// outside its widget.
QPoint FrameOrigin(HWND Wnd, const QWidget* Widget)
{
    if (!Widget->isWindow()) return {};
    const QMargins Frame = NonClientMargins(static_cast<uint32_t>(GetWindowLong(Wnd, GWL_STYLE)),
                                            static_cast<uint32_t>(GetWindowLong(Wnd, GWL_EXSTYLE)), true);
    return {-Frame.left(), -Frame.top()};
}

}  // namespace

int32_t SetWindowRgn(HWND Wnd, const TRegion* Region, bool Redraw)
{
    QWidget* Widget = WidgetOf(Wnd);
    if (!Widget) return 0;
    Widget->setProperty(RegionProperty, Region ? QVariant(QtRegion(*Region)) : QVariant());
    UpdateWindowShape(Wnd);
    if (Redraw) Widget->update();
    return 1;
}

int32_t GetWindowRgn(HWND Wnd, TRegion& Region)
{
    const QWidget* Widget = WidgetOf(Wnd);
    if (!Widget) return RGN_ERROR;
    const QVariant Stored = Widget->property(RegionProperty);
    if (!Stored.isValid()) return RGN_ERROR;
    QtRegion(Region) = Stored.value<QRegion>();
    if (Region.IsEmpty()) return NULLREGION;
    return QtRegion(Region).rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

namespace {

// The pixels of Image (widget coordinates) that Keep accepts, as a region.
template <typename F>
QRegion PixelRegion(const QImage& Image, F&& Keep)
{
    std::vector<QRect> Runs;
    for (int Y = 0; Y < Image.height(); ++Y) {
        const auto* Row = reinterpret_cast<const QRgb*>(Image.constScanLine(Y));
        int Start = -1;
        for (int X = 0; X <= Image.width(); ++X) {
            const bool On = X < Image.width() && Keep(Row[X]);
            if (On && Start < 0) Start = X;
            if (!On && Start >= 0) {
                Runs.emplace_back(Start, Y, X - Start, 1);
                Start = -1;
            }
        }
    }
    QRegion Result;
    Result.setRects(Runs.data(), static_cast<int>(Runs.size()));
    return Result;
}

}  // namespace

namespace WindowsInternal {

void UpdateWindowShape(HWND Wnd)
{
    QWidget* Widget = WidgetOf(Wnd);
    const TWindow* Window = FindWindow(Wnd);
    if (!Widget || !Window) return;
    const QVariant Stored = Widget->property(RegionProperty);
    std::optional<QRegion> Shape;
    if (Stored.isValid()) Shape = Stored.value<QRegion>().translated(FrameOrigin(Wnd, Widget));
    const auto Limit = [&Shape](const QRegion& Area) { Shape = Shape ? Shape->intersected(Area) : Area; };
    if (Window->ExStyle & WS_EX_LAYERED) {
        if (!Window->Layered.isNull()) {
            Limit(PixelRegion(Window->Layered, [](QRgb Pixel) { return qAlpha(Pixel) != 0; }));
        } else if (Window->LayeredFlags & LWA_COLORKEY) {
            if (auto* Own = dynamic_cast<TWindowWidget*>(Widget)) {
                const QRgb Key = qRgb(Window->LayeredKey & 0xFF, (Window->LayeredKey >> 8) & 0xFF, (Window->LayeredKey >> 16) & 0xFF);
                Limit(PixelRegion(Own->Backing().convertToFormat(QImage::Format_RGB32),
                                  [Key](QRgb Pixel) { return (Pixel | 0xFF000000) != Key; }));
            }
        }
    }
    if (!Shape) {
        Widget->clearMask();
        return;
    }
    // Qt reads an empty mask as no mask: a pixel outside the widget leaves nothing showing.
    Widget->setMask(Shape->isEmpty() ? QRegion(-1, -1, 1, 1) : *Shape);
}

}  // namespace WindowsInternal

// ---- Device contexts of a window ----

namespace {

struct TOpenDC {
    HWND Wnd = nullptr;
    std::unique_ptr<TCanvas> Canvas;
};

std::vector<TOpenDC>& OpenDCs()
{
    static std::vector<TOpenDC> Instance;
    return Instance;
}

HDC OpenDC(HWND Wnd, bool ClientArea)
{
    auto Canvas = std::make_unique<TCanvas>();
    if (!Wnd) {
        // The screen: a surface to measure on.
        static QImage Scratch(1, 1, QImage::Format_RGB32);
        BindImage(*Canvas, &Scratch);
    } else {
        TWindowOverlay* Overlay = OverlayOf(Wnd, true);
        if (!Overlay) return nullptr;
        const QWidget* Widget = WidgetOf(Wnd);
        QImage& Pixels = Overlay->Pixels();
        BindImage(*Canvas, &Pixels);
        QPoint Origin;
        QRect Clip = Pixels.rect();
        if (ClientArea) {
            const TWindowHook* Hook = HookOf(Wnd);
            const QMargins Margins = Hook ? Hook->ClientMargins() : QMargins();
            Origin = QPoint(Margins.left(), Margins.top());
            Clip = Widget->rect().marginsRemoved(Margins);
        } else {
            Origin = FrameOrigin(Wnd, Widget);
        }
        Canvas->DC().State.ViewportOrg = Origin;
        Canvas->DC().State.Clip = QRegion(Clip);
    }
    HDC DC = Canvas.get();
    OpenDCs().push_back({Wnd, std::move(Canvas)});
    return DC;
}

}  // namespace

HDC GetDC(HWND Wnd)
{
    return OpenDC(Wnd, true);
}

HDC GetWindowDC(HWND Wnd)
{
    return OpenDC(Wnd, false);
}

int32_t ReleaseDC(HWND Wnd, HDC DC)
{
    auto& Open = OpenDCs();
    const auto Found = std::find_if(Open.begin(), Open.end(), [&](const TOpenDC& Each) { return Each.Canvas.get() == DC; });
    if (Found == Open.end() || Found->Wnd != Wnd) return 0;
    const std::unique_ptr<TCanvas> Canvas = std::move(Found->Canvas);
    Open.erase(Found);
    BindImage(*Canvas, nullptr);
    if (TWindowOverlay* Overlay = Wnd ? OverlayOf(Wnd, false) : nullptr) Overlay->Drawn(Overlay->rect());
    return 1;
}
