// Window regions as Qt widget masks.
#include "windows/WindowDC.h"

#include "graphics/Region.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <QVariant>

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
    if (!Region) {
        Widget->clearMask();
        Widget->setProperty(RegionProperty, QVariant());
    } else {
        const QRegion Shape = Region->Data().translated(FrameOrigin(Wnd, Widget));
        // Qt reads an empty mask as no mask: a pixel outside the widget leaves nothing showing.
        Widget->setMask(Shape.isEmpty() ? QRegion(-1, -1, 1, 1) : Shape);
        Widget->setProperty(RegionProperty, Region->Data());
    }
    if (Redraw) Widget->update();
    return 1;
}

int32_t GetWindowRgn(HWND Wnd, TRegion& Region)
{
    const QWidget* Widget = WidgetOf(Wnd);
    if (!Widget) return RGN_ERROR;
    const QVariant Stored = Widget->property(RegionProperty);
    if (!Stored.isValid()) return RGN_ERROR;
    Region.Data() = Stored.value<QRegion>();
    if (Region.IsEmpty()) return NULLREGION;
    return Region.Data().rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}
