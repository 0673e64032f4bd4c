// Colour constants written as web colours: 0xRRGGBB, red first.
#pragma once

#include "graphics/Colors.h"

#include <cstdint>

constexpr TColor HexColor(uint32_t RRGGBB)
{
    return static_cast<TColor>(RGB(int(RRGGBB >> 16), int((RRGGBB >> 8) & 0xFF), int(RRGGBB & 0xFF)));
}
