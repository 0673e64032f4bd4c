// The drop targets registered for windows.
#include "windows/ActiveX.h"

#include "windows/private/Window.h"

#include <QWidget>

using namespace WindowsInternal;

HRESULT RegisterDragDrop(HWND Wnd, std::shared_ptr<IDropTarget> Target)
{
    TWindow* Window = FindWindow(Wnd);
    if (!Window || !Window->Widget) return DRAGDROP_E_INVALIDHWND;
    if (!Target) return E_INVALIDARG;
    if (Window->DropTarget) return DRAGDROP_E_ALREADYREGISTERED;
    Window->DropTarget = std::move(Target);
    Window->Widget->setAcceptDrops(true);
    return S_OK;
}

HRESULT RevokeDragDrop(HWND Wnd)
{
    TWindow* Window = FindWindow(Wnd);
    if (!Window || !Window->Widget) return DRAGDROP_E_INVALIDHWND;
    if (!Window->DropTarget) return DRAGDROP_E_NOTREGISTERED;
    Window->DropTarget.reset();
    Window->Widget->setAcceptDrops(false);
    return S_OK;
}
