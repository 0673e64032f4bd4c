// TLabelPosition: where a control's attached label stands around it.
#pragma once

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
