// Sizes the stock controls take from their font and from the look: text heights and the scroll bar's width.
#pragma once

#include "rtl/Types.h"

#include <QString>

#include <cstdint>

class TFont;

namespace WindowsInternal {

// The cell height of Font's characters (tmHeight).
int32_t FontHeight(const TFont* Font);
// The extent of Text in Font.
TSize TextSize(const TFont* Font, const QString& Text);
// The width of a vertical scroll bar (and the height of a horizontal one).
int32_t ScrollBarExtent();

}  // namespace WindowsInternal
