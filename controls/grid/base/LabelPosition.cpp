// The place of a control's attached label.
#include "grid/base/LabelPosition.h"

TPoint LabelPlace(TLabelPosition Position, const TRect& Bounds, int32_t LabelWidth, int32_t LabelHeight,
                  int32_t CaptionWidth, int32_t Margin)
{
    const int32_t L = Bounds.Left, T = Bounds.Top, W = Bounds.Width(), H = Bounds.Height();
    const int32_t Lh = LabelHeight, Lw = LabelWidth, M = Margin;
    const int32_t MiddleTop = T + (H - Lh) / 2;
    const int32_t MiddleLeft = L + (W - Lw) / 2;
    switch (Position) {
    case lpLeftTop: return {L - CaptionWidth - M, T};
    case lpLeftCenter: return {L - CaptionWidth - M, MiddleTop};
    case lpLeftBottom: return {L - CaptionWidth - M, T + H - Lh};
    case lpTopLeft: return {L, T - Lh - M};
    case lpBottomLeft: return {L, T + H + M};
    case lpLeftTopLeft: return {L - M, T};
    case lpLeftCenterLeft: return {L - M, MiddleTop};
    case lpLeftBottomLeft: return {L - M, T + H - Lh};
    case lpTopCenter: return {MiddleLeft, T - Lh - M};
    case lpBottomCenter: return {MiddleLeft, T + H + M};
    case lpRightTop: return {L + W + M, T};
    case lpRightCenter: return {L + W + M, MiddleTop};
    case lpRighBottom: return {L + W + M, T + H - Lh};
    case lpTopRight: return {L + W - Lw, T - Lh - M};
    case lpBottomRight: return {L + W - Lw, T + H + M};
    }
    return {L, T};
}
