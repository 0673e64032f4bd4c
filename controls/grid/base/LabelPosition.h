// TLabelPosition: where a control's attached label stands around it, and the label's place there.
#pragma once

#include "rtl/Types.h"

#include <cstdint>

// The combo box and the date-time pickers place their label in the first 13 places; the
// drop-down edits take all 15. The ordinals are stored.
enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom,
    lpTopRight,
    lpBottomRight
};

// The top-left corner of a LabelWidth x LabelHeight label whose caption is CaptionWidth wide, at
// Position beside a control of Bounds and Margin away from it. Centred places split the difference
// of the sizes (truncated), above or left of the control when the label is the larger.
TPoint LabelPlace(TLabelPosition Position, const TRect& Bounds, int32_t LabelWidth, int32_t LabelHeight,
                  int32_t CaptionWidth, int32_t Margin);
