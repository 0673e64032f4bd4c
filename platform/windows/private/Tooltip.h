// The tooltip control's window class (windows/Tooltips.h), for CreateWindowEx and DestroyWindow.
#pragma once

#include "windows/Controls.h"

namespace WindowsInternal {

// A tooltip window with the given styles, owned by Owner (nil for none), its window made; the
// caller hands it back to ReleaseTooltip.
TWinControl* CreateTooltip(uint32_t Style, uint32_t ExStyle, HWND Owner, const QString& Caption);
// Destroys the tooltip's window at once and the control as soon as none of its handlers runs.
void ReleaseTooltip(TWinControl* Tooltip);

}  // namespace WindowsInternal
