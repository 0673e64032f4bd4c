// The scroll notifications and codes of the track bar and the scroll bar.
#include "windows/private/ScrollCodes.h"

#include "windows/private/Notify.h"

#include <QAbstractSlider>

namespace WindowsInternal {

void NotifyScroll(TWinControl* Control, bool Vertical, int32_t Code, int32_t Pos)
{
    if (!Control->HandleAllocated()) return;
    SendToParent(Control, Vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(static_cast<uint16_t>(Code), static_cast<uint16_t>(Pos)),
                 reinterpret_cast<LPARAM>(Control->Handle()));
}

int32_t ScrollCodeOf(int Action)
{
    switch (Action) {
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    case QAbstractSlider::SliderMove: return SB_THUMBTRACK;
    default: return -1;
    }
}

int32_t ScrollCodeOfKey(uint16_t Key)
{
    switch (Key) {
    case VK_LEFT:
    case VK_UP: return SB_LINEUP;
    case VK_RIGHT:
    case VK_DOWN: return SB_LINEDOWN;
    case VK_PRIOR: return SB_PAGEUP;
    case VK_NEXT: return SB_PAGEDOWN;
    case VK_HOME: return SB_TOP;
    case VK_END: return SB_BOTTOM;
    default: return -1;
    }
}

}  // namespace WindowsInternal
