// System metrics: the sizes of the layer's own frames, edges and scroll bars, and the system font.
#pragma once

#include <cstdint>

class TFont;

enum : int32_t {
    SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYCAPTION = 4, SM_CXBORDER = 5,
    SM_CYBORDER = 6, SM_CXDLGFRAME = 7, SM_CYDLGFRAME = 8, SM_CXFIXEDFRAME = 7, SM_CYFIXEDFRAME = 8,
    SM_CYVSCROLL = 20, SM_CXHSCROLL = 21, SM_CXFRAME = 32, SM_CYFRAME = 33, SM_CXSIZEFRAME = 32,
    SM_CYSIZEFRAME = 33, SM_CXEDGE = 45, SM_CYEDGE = 46, SM_CYSMCAPTION = 51,
};

// The size a window part has here: scroll bars as wide as the layer's own (the installed style's),
// a border 1 pixel (WS_BORDER), a 3-D edge 2 (WS_EX_CLIENTEDGE), fixed frames 3, sizing frames 4,
// captions 19 (tool windows 15), the screen's size; 0 for an index not listed above.
int32_t GetSystemMetrics(int32_t Index);

// The system font, the stock font a device context of the screen starts with: MS Sans Serif,
// 13 pixels high, bold. Its metrics are fixed by that choice, whatever the desktop uses.
TFont* SystemFont();
