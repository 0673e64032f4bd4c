// System metrics answered from the layer's own frame sizes and scroll bars, and the fixed system font.
#include "windows/SystemMetrics.h"

#include "graphics/GraphicsObjects.h"
#include "windows/Forms.h"
#include "windows/private/StockMetrics.h"

int32_t GetSystemMetrics(int32_t Index)
{
    switch (Index) {
    case SM_CXSCREEN: return Screen ? Screen->Width() : 0;
    case SM_CYSCREEN: return Screen ? Screen->Height() : 0;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL: return WindowsInternal::ScrollBarExtent();
    case SM_CYCAPTION: return 19;
    case SM_CYSMCAPTION: return 15;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    default: return 0;
    }
}

TFont* SystemFont()
{
    static TFont* const Font = [] {
        auto* Made = new TFont;
        Made->SetName(QStringLiteral("MS Sans Serif"));
        Made->SetHeight(-13);
        Made->SetStyle({fsBold});
        return Made;
    }();
    return Font;
}
