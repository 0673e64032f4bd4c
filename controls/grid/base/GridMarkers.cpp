// Arrow marker windows shaped by a region, and the focus frame window.
#include "grid/base/GridMarkers.h"

#include "graphics/Canvas.h"
#include "graphics/Region.h"
#include "windows/WindowDC.h"

namespace {

constexpr std::array<std::array<TPoint, 7>, 4> ArrowOutlines{{
    {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}},   // arrUp: tip at the top
    {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}},    // arrDown: tip at the bottom
    {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}},   // arrLeft: tip at the right
    {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}},   // arrRight: tip at the left
}};

}  // namespace

// ---- TArrowWindow ----

TArrowWindow::TArrowWindow(TComponent* AOwner, TArrowDirection Direction)
    : TPanel(AOwner), FDir(Direction), FArrow(ArrowOutlines[Direction])
{
    SetColor(clLime);
    SetParent(dynamic_cast<TWinControl*>(AOwner));
    SetVisible(false);
}

void TArrowWindow::CreateParams(TCreateParams& Params)
{
    TPanel::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.ExStyle = 0;
}

void TArrowWindow::CreateWnd()
{
    TPanel::CreateWnd();
    const TRegion Shape = CreatePolygonRgn(FArrow, WINDING);
    SetWindowRgn(Handle(), &Shape, true);
}

void TArrowWindow::Paint()
{
    Canvas()->Brush()->SetColor(Color());
    Canvas()->Pen()->SetColor(Color());
    Canvas()->Rectangle(ClientRect());
}

// ---- TGridFocusWindow ----

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 0, 0);
    SetColor(clRed);
}

void TGridFocusWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_DISABLED;
    Params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
}
