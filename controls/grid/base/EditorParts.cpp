// Frames, fills, line heights and the edit button's place, shared by the in-cell editors.
#include "grid/base/EditorParts.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "windows/Controls.h"
#include "windows/WindowDC.h"

void FrameIn(HDC DC, const TRect& R, TColor Color)
{
    TBrush Brush;
    Brush.SetColor(Color);
    FrameRect(DC, R, &Brush);
}

void FillIn(HDC DC, const TRect& R, TColor Color)
{
    TBrush Brush;
    Brush.SetColor(Color);
    FillRect(DC, R, &Brush);
}

bool IsMouseButtonDown()
{
    return GetAsyncKeyState(VK_LBUTTON) != 0 || GetAsyncKeyState(VK_RBUTTON) != 0;
}

int32_t FontLineHeight(TFont* Font)
{
    HDC DC = GetDC(nullptr);
    DC->SetFont(Font);
    TEXTMETRIC Metrics;
    GetTextMetrics(DC, Metrics);
    ReleaseDC(nullptr, DC);
    return Metrics.tmHeight;
}

void PlaceEditButton(TWinControl* Edit, TControl* Button, bool WithoutBorder)
{
    const int32_t Room = Button->Width();
    if (NewStyleControls && Edit->Ctl3D()) {
        const int32_t NoBorder = WithoutBorder ? 4 : 0;
        Button->SetBounds(Edit->Width() - Room - 5 + NoBorder, 0, Room, Edit->Height() - 5 + NoBorder);
    } else {
        Button->SetBounds(Edit->Width() - Room, 1, Room, Edit->Height() - 3);
    }
}
