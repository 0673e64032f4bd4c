// The window layer's internal state shared by its source files: the handle table, delivery and the key table.
#pragma once

#include "windows/WinApi.h"

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <memory>

class IDropTarget;
class TObject;

namespace WindowsInternal {

// One live window: a control's widget, or a hidden window with a window procedure of its own.
struct TWindow {
    HWND Handle = nullptr;
    TWinControl* Control = nullptr;
    TWndMethod Method;
    QPointer<QWidget> Widget;
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    int32_t Id = 0;
    // The window a top-level window was made for (its owner); nil for none.
    HWND Owner = nullptr;
    // Redrawing is off (WM_SETREDRAW 0): invalidations are dropped and the client area is not painted.
    bool NoRedraw = false;
    // What was invalidated since the last paint, in client coordinates.
    QRegion Update;
    // What takes drops on the window (RegisterDragDrop).
    std::shared_ptr<IDropTarget> DropTarget;
    // A layered window's picture from UpdateLayeredWindow (premultiplied alpha); null while the
    // window paints itself.
    QImage Layered;
    // SetLayeredWindowAttributes: the colour shown transparent and the opacity, as Flags say.
    uint32_t LayeredKey = 0;
    uint8_t LayeredAlpha = 255;
    uint32_t LayeredFlags = 0;
};

HWND RegisterWindow(TWinControl* Control, QWidget* Widget, uint32_t Style, uint32_t ExStyle);
HWND RegisterHiddenWindow(TWndMethod Method);
// Forgets the handle and everything kept for it (timers, focus, capture, queued paints).
void UnregisterWindow(HWND Wnd);
TWindow* FindWindow(HWND Wnd);
// Calls Visit for every live window.
void ForEachWindow(const std::function<void(TWindow&)>& Visit);
// The window of Widget, or of its nearest ancestor that is one.
HWND WindowOfWidget(const QWidget* Widget);
QWidget* WidgetOf(HWND Wnd);

// The window's shape: its region (SetWindowRgn) less, for a layered window, the pixels its picture
// leaves fully transparent and those of its colour key.
void UpdateWindowShape(HWND Wnd);

// The default handling of WM_SETREDRAW: redrawing of Wnd on or off.
void SetRedraw(HWND Wnd, bool Redraw);
// While paints are held (for tests), windows paint nothing and what they invalidate waits; releasing
// the hold paints what waits.
void HoldPaints(bool Hold);
bool PaintsHeld();

// Answers WM_GETTEXT with Text: at most BufSize - 1 characters and a NUL into Buffer; the count copied.
LRESULT CopyTextToBuffer(const QString& Text, WPARAM BufSize, LPARAM Buffer);

// Runs the window procedure of Wnd; exceptions pass through to the caller.
void Deliver(HWND Wnd, TMessage& Message);
// A message taken from the queue (posted, timer) reaches the window procedure as a sent one
// does, but no WH_CALLWNDPROC hook sees it.
LRESULT DeliverQueued(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
// Runs Body and reports an exception it raises through Application->HandleException(Sender).
template <typename F>
void Guarded(TObject* Sender, F&& Body);
// Reports the exception being handled (call only inside a catch block).
void ReportException(TObject* Sender);

// Hands a key message to its window the way the message loop does: first as CN_ message to the
// window with the capture (else Wnd), which may consume it; then a key press posts its characters
// (Chars, or those the key makes with the current shift state) as WM_CHAR / WM_SYSCHAR, and the
// message itself goes to Wnd.
void PumpKeyMessage(HWND Wnd, const TMessage& Message, const QString* Chars = nullptr);
// The characters TranslateMessage makes of a virtual key with the shift state of the key table.
QString TranslateVirtualKey(uint16_t VirtKey);

// The key table behind GetKeyState: input events record their keys and buttons here.
void SetKeyDown(int32_t VirtKey, bool Down);
// Sets the modifier and mouse-button keys to what an input event says is held.
void SyncModifiers(Qt::KeyboardModifiers Modifiers);
void SyncButtons(Qt::MouseButtons Buttons);
void SetCursorPos(const QPoint& Global);

// Our own record of the active top-level window (WM_ACTIVATE) and the focus (WM_SETFOCUS).
void SetActiveWindow(HWND Wnd);
// True when Qt's news that Wnd became active answers an activation of ours (it and the older
// requests are then settled); false for an activation by the user.
bool TakeActivationNews(HWND Wnd);
// The application lost the keyboard to another program: WM_ACTIVATE inactive and WM_KILLFOCUS(nil).
void DeactivateApplication();

// Windows that run modally (forms in ShowModal, message boxes, file dialogs), innermost last. The
// layer blocks input to the windows beneath them itself, so that their controls keep their look.
void BeginModal(QWidget* Window);
void EndModal(QWidget* Window);
// The innermost modal window; nil when none runs.
QWidget* ModalWidget();
// Brings the innermost modal window to the front and asks the window manager to activate it.
void FocusModalWindow();
// True when input to the window of Widget is refused: its top-level window is disabled.
bool InputBlocked(const QWidget* Widget);

template <typename F>
void Guarded(TObject* Sender, F&& Body)
{
    try {
        Body();
    } catch (...) {
        ReportException(Sender);
    }
}

}  // namespace WindowsInternal
