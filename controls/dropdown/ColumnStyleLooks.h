// The header, line and selection colours the column drop-downs take for each component style.
#pragma once

#include "dropdown/DropDownTypes.h"

#include "grid/base/ExtStyleIF.h"

struct TColumnStyleLook {
    // A colour the look leaves as it is.
    static constexpr TColor Keep = static_cast<TColor>(0x7FFFFFFF);
    TVyxStyle Style;
    TColor Header, HeaderTo, HeaderFont, Line, FixedLine;
    TSelectionColorStyle Selection;
    // Keep: the selection colour style's own colours.
    TColor SelectionColor, SelectionText;
};

// The look of a style; nil for tsCustom.
const TColumnStyleLook* FindColumnStyleLook(TVyxStyle AStyle);
