// The drag of a control going on, as far as the rest of the layer needs it (platform-internal).
#pragma once

class TControl;

namespace WindowsInternal {

// Control goes away: a drag of it ends without a word, and it is no target any more.
void ForgetDragControl(TControl* Control);

}  // namespace WindowsInternal
