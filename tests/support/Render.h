// Rendering windows into images for tests, and processing the events they wait for.
#pragma once

#include "windows/Controls.h"

#include <QImage>

// Control as it shows on screen: its window, or its area of the parent's window for a windowless
// control. With Frame, a top-level window is drawn inside the frame its border style gives it.
QImage RenderControl(TControl* Control, bool Frame = false);

// Handles the messages and paints waiting now, and those they post.
void ProcessPendingEvents();
