// The named web colours: the CSS colour keywords with the prefix "clWeb".
#pragma once

#include "graphics/Colors.h"

#include <QString>

#include <cstdint>

struct TWebColorName {
    const char* Name;
    TColor Color;
};

// The 138 names in their order; no two share a colour.
const TWebColorName* WebNamedColors(int32_t& Count);
// The name of Color (an RGB value); false when no name has it.
bool WebColorToName(TColor Color, QString& Name);
