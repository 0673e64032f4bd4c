// The look every configurator window shares: background RGB(248,247,237) and Verdana 8 pt.
#pragma once

#include "graphics/Colors.h"
#include "graphics/GraphicsObjects.h"
#include "windows/Forms.h"

constexpr TColor Window_Background = 0x00EDF7F8;  // RGB(248,247,237)

inline void Apply_Window_Look(TCustomForm* Form)
{
    Form->SetColor(Window_Background);
    Form->Font()->SetName(QStringLiteral("Verdana"));
    Form->Font()->SetSize(8);
}
