// The scroll notifications and codes the track bar and the scroll bar share.
#pragma once

#include "windows/Controls.h"

#include <cstdint>

namespace WindowsInternal {

// A scroll notification (WM_HSCROLL / WM_VSCROLL) of Control with Code and position Pos.
void NotifyScroll(TWinControl* Control, bool Vertical, int32_t Code, int32_t Pos);
// The scroll code (SB_ / TB_, which agree) of an action of a Qt slider (QAbstractSlider::SliderAction); -1 for none.
int32_t ScrollCodeOf(int Action);
// The scroll code of a key on a focused track bar or scroll bar; -1 for other keys.
int32_t ScrollCodeOfKey(uint16_t Key);

}  // namespace WindowsInternal
