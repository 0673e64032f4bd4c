// The date-time pickers' flat border, classic drop button area and metro drop button.
#include "grid/base/PickerLook.h"

#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Region.h"
#include "grid/base/EditorParts.h"
#include "grid/base/ExtUtil.h"
#include "grid/base/ExtXPVS.h"

void DrawFlatPickerBorder(HDC DC, int32_t Width, int32_t Height, TColor Pen, bool Ring, TColor RingPen)
{
    if (Pen != clNone) {
        DC->Pen()->SetColor(Pen);
        DC->Polyline({{0, Height}, {0, 0}, {Width - 1, 0}, {Width - 1, Height - 1}, {0, Height - 1}});
    }
    if (!Ring || RingPen == clNone) return;
    DC->Pen()->SetColor(RingPen);
    DC->Polyline({{1, Height - 2}, {1, 1}, {Width - 1, 1}});
}

void DrawPickerButtonArea(HDC DC, const TRect& Area, const TRect& Button, bool Hot, bool Dropped)
{
    ExcludeClipRect(DC, Area.Left, Area.Top, Area.Right, Area.Bottom);
    if (Hot) {
        TRect Edge = Button;
        DrawEdge(DC, Edge, EDGE_RAISED, BF_RECT | (Dropped ? BF_FLAT : 0));
    } else {
        FillIn(DC, {Button.Left, Button.Top + 1, Button.Right - 1, Button.Bottom - 1}, clBtnFace);
    }
    ExcludeClipRect(DC, Button.Left, Button.Top, Button.Right, Button.Bottom);
}

void DrawMetroDropButton(HDC DC, HWND Wnd, const TRect& R, const TEditorButtonColors& Colors, bool Hover, bool Enabled,
                         bool Dropped, bool Styled)
{
    const bool Held = IsMouseButtonDown();
    if (Colors.ButtonColor() != clNone) {
        TColor Face = Colors.ButtonColor();
        if (Hover) Face = Held ? Colors.ButtonColorDown() : Colors.ButtonColorHot();
        FillIn(DC, {R.Left + 2, R.Top, R.Right, R.Bottom}, Face);
        DC->Pen()->SetColor(Colors.ButtonBorderColor());
        DC->MoveTo(R.Left, R.Top);
        DC->LineTo(R.Left, R.Bottom);
        DC->Brush()->SetStyle(bsSolid);
        DrawDownTriangle(DC, R.Left + 8, R.Top + 7, Held ? Colors.ButtonTextColorDown() : Colors.ButtonTextColor());
        return;
    }
    int32_t State = CBXS_HOT;
    if (!Enabled)
        State = CBXS_DISABLED;
    else if (Held && Dropped)
        State = CBXS_PRESSED;
    else if (Held || !Hover || Dropped)
        State = CBXS_NORMAL;
    if (Styled && DrawThemedPart(ThemeAPI, Wnd, u"combobox", DC, CP_DROPDOWNBUTTON, State, R)) return;
    TRect Arrow = R;
    DrawFrameControl(DC, Arrow, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled ? DFCS_FLAT : DFCS_INACTIVE));
}
