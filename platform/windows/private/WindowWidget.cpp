// Widget events become messages: keys, mouse, focus, activation, closing and the paint cycle.
#include "windows/private/WindowWidget.h"

#include "graphics/Canvas.h"
#include "graphics/FontMapper.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/private/DeviceContext.h"
#include "graphics/private/Surfaces.h"
#include "windows/Forms.h"
#include "windows/private/Cursors.h"
#include "windows/private/MessageQueue.h"
#include "windows/private/PopupWindow.h"
#include "windows/private/Window.h"
#include "windows/private/WindowOverlay.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <memory>

namespace WindowsInternal {
namespace {

QHash<HWND, TWindowHook*>& Hooks()
{
    static QHash<HWND, TWindowHook*> Instance;
    return Instance;
}

TControl*& MouseControl()
{
    static TControl* Instance = nullptr;
    return Instance;
}

struct TKeyPair {
    int QtKey;
    uint16_t VirtKey;
};

constexpr TKeyPair KeyPairs[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB}, {Qt::Key_Backtab, VK_TAB}, {Qt::Key_Clear, VK_CLEAR},
    {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Shift, VK_SHIFT}, {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU}, {Qt::Key_Pause, VK_PAUSE}, {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE}, {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME}, {Qt::Key_Left, VK_LEFT}, {Qt::Key_Up, VK_UP}, {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN}, {Qt::Key_Select, VK_SELECT}, {Qt::Key_Print, VK_SNAPSHOT}, {Qt::Key_Execute, VK_EXECUTE},
    {Qt::Key_Insert, VK_INSERT}, {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Help, VK_HELP}, {Qt::Key_Meta, VK_LWIN},
    {Qt::Key_Menu, VK_APPS}, {Qt::Key_NumLock, VK_NUMLOCK}, {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Semicolon, VK_OEM_1}, {Qt::Key_Colon, VK_OEM_1}, {Qt::Key_Equal, VK_OEM_PLUS}, {Qt::Key_Plus, VK_OEM_PLUS},
    {Qt::Key_Comma, VK_OEM_COMMA}, {Qt::Key_Less, VK_OEM_COMMA}, {Qt::Key_Minus, VK_OEM_MINUS},
    {Qt::Key_Underscore, VK_OEM_MINUS}, {Qt::Key_Period, VK_OEM_PERIOD}, {Qt::Key_Greater, VK_OEM_PERIOD},
    {Qt::Key_Slash, VK_OEM_2}, {Qt::Key_Question, VK_OEM_2}, {Qt::Key_QuoteLeft, VK_OEM_3},
    {Qt::Key_AsciiTilde, VK_OEM_3}, {Qt::Key_BracketLeft, VK_OEM_4}, {Qt::Key_BraceLeft, VK_OEM_4},
    {Qt::Key_Backslash, VK_OEM_5}, {Qt::Key_Bar, VK_OEM_5}, {Qt::Key_BracketRight, VK_OEM_6},
    {Qt::Key_BraceRight, VK_OEM_6}, {Qt::Key_Apostrophe, VK_OEM_7}, {Qt::Key_QuoteDbl, VK_OEM_7},
    {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'}, {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'}, {Qt::Key_ParenRight, '0'},
};

// Keypad keys keep their own virtual keys.
uint16_t KeypadKeyOf(int QtKey)
{
    if (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9) return static_cast<uint16_t>(VK_NUMPAD0 + (QtKey - Qt::Key_0));
    switch (QtKey) {
    case Qt::Key_Asterisk: return VK_MULTIPLY;
    case Qt::Key_Plus: return VK_ADD;
    case Qt::Key_Minus: return VK_SUBTRACT;
    case Qt::Key_Period:
    case Qt::Key_Comma: return VK_DECIMAL;
    case Qt::Key_Slash: return VK_DIVIDE;
    default: return 0;
    }
}

// The characters of the US layout for keys that make one, unshifted and shifted.
QChar LayoutChar(uint16_t VirtKey, bool Shift)
{
    if (VirtKey >= 'A' && VirtKey <= 'Z') return QChar(Shift ? VirtKey : VirtKey + 32);
    if (VirtKey >= '0' && VirtKey <= '9') return Shift ? QChar(u")!@#$%^&*("[VirtKey - '0']) : QChar(VirtKey);
    if (VirtKey >= VK_NUMPAD0 && VirtKey <= VK_NUMPAD9) return QChar('0' + (VirtKey - VK_NUMPAD0));
    switch (VirtKey) {
    case VK_SPACE: return QChar(' ');
    case VK_MULTIPLY: return QChar('*');
    case VK_ADD: return QChar('+');
    case VK_SUBTRACT: return QChar('-');
    case VK_DECIMAL: return QChar('.');
    case VK_DIVIDE: return QChar('/');
    case VK_OEM_1: return QChar(Shift ? ':' : ';');
    case VK_OEM_PLUS: return QChar(Shift ? '+' : '=');
    case VK_OEM_COMMA: return QChar(Shift ? '<' : ',');
    case VK_OEM_MINUS: return QChar(Shift ? '_' : '-');
    case VK_OEM_PERIOD: return QChar(Shift ? '>' : '.');
    case VK_OEM_2: return QChar(Shift ? '?' : '/');
    case VK_OEM_3: return QChar(Shift ? '~' : '`');
    case VK_OEM_4: return QChar(Shift ? '{' : '[');
    case VK_OEM_5: return QChar(Shift ? '|' : '\\');
    case VK_OEM_6: return QChar(Shift ? '}' : ']');
    case VK_OEM_7: return QChar(Shift ? '"' : '\'');
    default: return {};
    }
}

// The control characters that keys make by themselves or with Ctrl; 0 for none.
char16_t ControlChar(uint16_t VirtKey, bool Ctrl)
{
    switch (VirtKey) {
    case VK_BACK: return Ctrl ? 0x7F : 0x08;
    case VK_TAB: return Ctrl ? 0 : 0x09;
    case VK_RETURN: return Ctrl ? 0x0A : 0x0D;
    case VK_ESCAPE: return 0x1B;
    case VK_CANCEL: return 0x03;
    default: break;
    }
    if (!Ctrl) return 0;
    if (VirtKey >= 'A' && VirtKey <= 'Z') return static_cast<char16_t>(VirtKey - 'A' + 1);
    switch (VirtKey) {
    case VK_OEM_4: return 0x1B;
    case VK_OEM_5: return 0x1C;
    case VK_OEM_6: return 0x1D;
    case VK_SPACE: return 0x20;
    default: return 0;
    }
}

// The scan codes of the keypad's keys (key data bits 16-23); 0 for the keys not listed.
uint8_t ScanCodeOf(uint16_t VirtKey)
{
    static constexpr uint8_t Numbers[] = {0x52, 0x4F, 0x50, 0x51, 0x4B, 0x4C, 0x4D, 0x47, 0x48, 0x49};
    if (VirtKey >= VK_NUMPAD0 && VirtKey <= VK_NUMPAD9) return Numbers[VirtKey - VK_NUMPAD0];
    switch (VirtKey) {
    case VK_MULTIPLY: return 0x37;
    case VK_ADD: return 0x4E;
    case VK_SUBTRACT: return 0x4A;
    case VK_DECIMAL: return 0x53;
    case VK_DIVIDE: return 0x35;
    default: return 0;
    }
}

UINT MouseMessageOf(const QMouseEvent* Event)
{
    static constexpr UINT Base[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
    if (Event->type() == QEvent::MouseMove) return WM_MOUSEMOVE;
    int Index = -1;
    switch (Event->button()) {
    case Qt::LeftButton: Index = 0; break;
    case Qt::RightButton: Index = 1; break;
    case Qt::MiddleButton: Index = 2; break;
    default: return 0;
    }
    switch (Event->type()) {
    case QEvent::MouseButtonPress: return Base[Index];
    case QEvent::MouseButtonRelease: return Base[Index] + 1;
    case QEvent::MouseButtonDblClick: return Base[Index] + 2;
    default: return 0;
    }
}

uint16_t MouseKeys(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers)
{
    uint16_t Keys = 0;
    if (Buttons & Qt::LeftButton) Keys |= MK_LBUTTON;
    if (Buttons & Qt::RightButton) Keys |= MK_RBUTTON;
    if (Buttons & Qt::MiddleButton) Keys |= MK_MBUTTON;
    if (Modifiers & Qt::ShiftModifier) Keys |= MK_SHIFT;
    if (Modifiers & Qt::ControlModifier) Keys |= MK_CONTROL;
    return Keys;
}

Qt::KeyboardModifiers KeyTableModifiers()
{
    Qt::KeyboardModifiers Modifiers;
    if (GetKeyState(VK_SHIFT) < 0) Modifiers |= Qt::ShiftModifier;
    if (GetKeyState(VK_CONTROL) < 0) Modifiers |= Qt::ControlModifier;
    if (GetKeyState(VK_MENU) < 0) Modifiers |= Qt::AltModifier;
    return Modifiers;
}

// Sets the record of the Qt event being handled for the length of a scope.
class TEventScope {
public:
    TEventScope(QObject*& Receiver, QEvent*& Event, QObject* NewReceiver, QEvent* NewEvent)
        : FReceiver(Receiver), FEvent(Event), FOldReceiver(Receiver), FOldEvent(Event)
    {
        Receiver = NewReceiver;
        Event = NewEvent;
    }
    ~TEventScope()
    {
        FReceiver = FOldReceiver;
        FEvent = FOldEvent;
    }

private:
    QObject*& FReceiver;
    QEvent*& FEvent;
    QObject* FOldReceiver;
    QEvent* FOldEvent;
};

std::vector<QPointer<QWidget>>& ModalStack()
{
    static std::vector<QPointer<QWidget>> Instance;
    return Instance;
}

// A key that came to a window beneath a modal one (the window manager had not moved the keyboard
// yet) goes to the modal window's focused control, as if it had come there.
void ForwardToModal(const QKeyEvent* Event)
{
    QWidget* Modal = ModalWidget();
    if (!Modal) return;
    QWidget* Target = nullptr;
    if (QWidget* Focused = WidgetOf(GetFocus()); Focused && Focused->window() == Modal) Target = Focused;
    if (!Target) Target = Modal->focusWidget() ? Modal->focusWidget() : Modal;
    if (InputBlocked(Target)) return;
    Modal->activateWindow();
    QKeyEvent Copy(Event->type(), Event->key(), Event->modifiers(), Event->nativeScanCode(), Event->nativeVirtualKey(),
                   Event->nativeModifiers(), Event->text(), Event->isAutoRepeat(), static_cast<quint16>(Event->count()));
    QCoreApplication::sendEvent(Target, &Copy);
}

// The viewport of a scroll area gets its events through the area's own filter; delivering them
// straight to the viewport's event() would pass the area by.
class TScrollAreaAccess : public QAbstractScrollArea {
public:
    static bool ViewportEvent(QAbstractScrollArea* Area, QEvent* Event) { return (Area->*(&TScrollAreaAccess::viewportEvent))(Event); }
};

// Hands Event to Receiver, a wrapped widget or a part of it, as Qt would have.
void DeliverToWidget(QObject* Receiver, QEvent* Event)
{
    auto* Area = qobject_cast<QAbstractScrollArea*>(Receiver->parent());
    if (Area && Area->viewport() == Receiver) TScrollAreaAccess::ViewportEvent(Area, Event);
    else Receiver->event(Event);
}

}  // namespace

QMargins NonClientMargins(uint32_t Style, uint32_t ExStyle, bool TopLevel)
{
    int Border = 0;
    int Caption = 0;
    if (TopLevel) {
        // A classic Windows frame: sizing borders 4, fixed ones 3, captions 19 (tool windows 15).
        if (Style & WS_THICKFRAME) Border = 4;
        else if ((Style & WS_CAPTION) || (Style & WS_BORDER) || (ExStyle & WS_EX_DLGMODALFRAME)) Border = 3;
        if ((Style & WS_CAPTION) == WS_CAPTION) Caption = (ExStyle & WS_EX_TOOLWINDOW) ? 15 : 19;
    } else {
        if (Style & WS_BORDER) Border += 1;
        if (ExStyle & WS_EX_CLIENTEDGE) Border += 2;
    }
    return QMargins(Border, Border + Caption, Border, Border);
}

TWindowWidget::TWindowWidget(QWidget* Parent) : QWidget(Parent)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TWindowHook::TWindowHook(TWinControl* Control, HWND Wnd, QWidget* Widget)
    : FControl(Control), FWnd(Wnd), FWidget(Widget), FNative(!dynamic_cast<TWindowWidget*>(Widget))
{
    Hooks().insert(Wnd, this);
    Attach(Widget);
    // A scroll area's viewport is its client area; its scroll bars act by themselves, as the
    // non-client scroll bars of a window do, and never take the focus.
    if (auto* Area = qobject_cast<QAbstractScrollArea*>(Widget)) {
        Attach(Area->viewport());
        Area->horizontalScrollBar()->setFocusPolicy(Qt::NoFocus);
        Area->verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    }
}

TWindowHook::~TWindowHook()
{
    ReleaseAllDirect();
    Hooks().remove(FWnd);
}

namespace {

// Notes the pointer's place as a press reaches a window, before Qt moves the focus for it: the
// control that loses the focus to the press asks where the pointer is.
class TPressWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        const QEvent::Type Type = Event->type();
        if ((Type == QEvent::MouseButtonPress || Type == QEvent::MouseButtonDblClick) && Watched->isWindowType())
            SetCursorPos(static_cast<QMouseEvent*>(Event)->globalPosition().toPoint());
        return false;
    }
};

}  // namespace

void TWindowHook::Attach(QWidget* Widget)
{
    static bool Watching = false;
    if (!Watching && qApp) {
        Watching = true;
        qApp->installEventFilter(new TPressWatch(qApp));
    }
    Widget->installEventFilter(this);
    Widget->setMouseTracking(true);
    // Qt must not move the focus by itself: Tab is a key like any other.
    if (Widget->focusPolicy() == Qt::TabFocus || Widget->focusPolicy() == Qt::StrongFocus || Widget->focusPolicy() == Qt::WheelFocus)
        Widget->setFocusPolicy(Qt::ClickFocus);
}

TWindowHook* HookOf(HWND Wnd)
{
    return Wnd ? Hooks().value(Wnd) : nullptr;
}

bool TWindowHook::eventFilter(QObject* Watched, QEvent* Event)
{
    if (!IsWindow(FWnd)) return false;
    switch (Event->type()) {
    case QEvent::ShortcutOverride:
        Event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return KeyEvent(Watched, static_cast<QKeyEvent*>(Event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: return MouseEvent(Watched, static_cast<QMouseEvent*>(Event));
    case QEvent::Wheel: {
        if (InputBlocked(FWidget)) return true;
        auto* Wheel = static_cast<QWheelEvent*>(Event);
        SyncModifiers(Wheel->modifiers());
        const QPoint Global = Wheel->globalPosition().toPoint();
        const WPARAM WParam = MAKEWPARAM(MouseKeys(Wheel->buttons(), Wheel->modifiers()), static_cast<uint16_t>(Wheel->angleDelta().y()));
        TEventScope Scope(FEventReceiver, FEvent, Watched, Event);
        SendMessage(FWnd, WM_MOUSEWHEEL, WParam, PointToLParam({Global.x(), Global.y()}));
        return true;
    }
    case QEvent::Leave: {
        TControl* Current = MouseControl();
        if (Current && (Current == FControl || (!dynamic_cast<TWinControl*>(Current) && Current->Parent() == FControl)))
            Guarded(FControl, [] { TrackMouseControl(nullptr); });
        return false;
    }
    case QEvent::FocusIn: {
        const Qt::FocusReason Reason = static_cast<QFocusEvent*>(Event)->reason();
        // Focus that Qt gives by a click on a wrapped widget is a focus change of ours; the button
        // that clicked is down while it runs.
        if (Reason == Qt::MouseFocusReason && GetFocus() != FWnd && !InputBlocked(FWidget)) {
            SyncButtons(QGuiApplication::mouseButtons());
            Guarded(FControl, [this] {
                // The left press reaches the focused control as cancel mode before the focus leaves it.
                if (QGuiApplication::mouseButtons() & Qt::LeftButton)
                    if (TCustomForm* Form = GetParentForm(FControl)) Form->SendCancelMode(FControl);
                SetFocus(FWnd);
            });
        }
        return false;
    }
    case QEvent::WindowActivate:
        if (!FWidget || !FWidget->isWindow() || Watched != FWidget) return false;
        // The user activated the window. Qt's late news of our own activations are no change, even
        // when we have activated another window since: following them would swap two windows for ever.
        if (!TakeActivationNews(FWnd) && GetActiveWindow() != FWnd && FWidget->windowType() != Qt::ToolTip &&
            IsWindowVisible(FWnd)) {
            // A window blocked by a modal one hands the activation on to it, as a click on it does.
            if (!IsWindowEnabled(FWnd)) FocusModalWindow();
            else Guarded(FControl, [this] { SetActiveWindow(FWnd); });
        }
        return false;
    case QEvent::WindowDeactivate: {
        // Another program's window became active.
        const QWidget* Active = QApplication::activeWindow();
        if (GetActiveWindow() == FWnd && Active && !WindowOfWidget(Active)) Guarded(FControl, [] { DeactivateApplication(); });
        return false;
    }
    case QEvent::Close:
        Event->ignore();
        // Qt closes a pop-up when it takes its input away: the pop-up loses the activation.
        if (IsPopupWidget(FWidget)) SendMessage(FWnd, WM_ACTIVATE, WA_INACTIVE, 0);
        else SendMessage(FWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    case QEvent::Resize:
    case QEvent::Move:
        // The window manager moved or sized a top-level window.
        if (Event->spontaneous() && FWidget && FWidget->isWindow() && Watched == FWidget) {
            const QRect Client = FWidget->geometry();
            const TRect Bounds = FControl->BoundsRect();
            const QRect Expected = QRect(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height())
                                       .marginsRemoved(NonClientMargins(GetWindowLong(FWnd, GWL_STYLE), GetWindowLong(FWnd, GWL_EXSTYLE), true));
            if (Client != Expected) {
                const QRect Outer = Client.marginsAdded(NonClientMargins(GetWindowLong(FWnd, GWL_STYLE), GetWindowLong(FWnd, GWL_EXSTYLE), true));
                Guarded(FControl, [&] { FControl->SetBounds(Outer.x(), Outer.y(), Outer.width(), Outer.height()); });
            }
        }
        return false;
    case QEvent::Paint: return PaintEvent(Watched, Event);
    case QEvent::ContextMenu:
        // WM_CONTEXTMENU comes from the default handling of the right button's release.
        return true;
    default: return false;
    }
}

bool TWindowHook::KeyEvent(QObject*, QKeyEvent* Event)
{
    if (InputBlocked(FWidget)) {
        ForwardToModal(Event);
        return true;
    }
    if (!FWidget->isEnabled()) return true;
    const bool Press = Event->type() == QEvent::KeyPress;
    SyncModifiers(Event->modifiers());
    uint16_t VirtKey = VirtualKeyOf(Event->key(), Event->modifiers());
    // A character without a key of its own (composed, from an input method) comes as VK_PACKET.
    if (VirtKey == 0 && !Event->text().isEmpty()) VirtKey = VK_PACKET;
    if (VirtKey == 0) return false;
    SetKeyDown(VirtKey, Press);
    if (Press) Application->CancelHint();
    const bool Alt = GetKeyState(VK_MENU) < 0 || VirtKey == VK_F10;
    LPARAM KeyData = 1 | (static_cast<LPARAM>(ScanCodeOf(VirtKey)) << 16);
    if (Alt) KeyData |= KF_ALTDOWN_MASK;
    if (!Press) KeyData |= KF_UP_MASK | KF_REPEAT_MASK;
    else if (Event->isAutoRepeat()) KeyData |= KF_REPEAT_MASK;
    const UINT Msg = Press ? (Alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (Alt ? WM_SYSKEYUP : WM_KEYUP);
    const QString Chars = Press ? TranslateKey(Event, VirtKey) : QString();
    PumpKeyMessage(PopupKeyTarget(FWnd), TMessage{Msg, VirtKey, KeyData, 0}, &Chars);
    return true;
}

bool TWindowHook::MouseEvent(QObject* Receiver, QMouseEvent* Event)
{
    SyncModifiers(Event->modifiers());
    SyncButtons(Event->buttons());
    const QPoint Global = Event->globalPosition().toPoint();
    SetCursorPos(Global);
    if (TrackSizing(Event) || PopupMouseOutside(FWnd, Event)) return true;
    if (InputBlocked(FWidget)) {
        // A click on a window beneath a modal one brings the modal one to the front.
        if (Event->type() == QEvent::MouseButtonPress) FocusModalWindow();
        return true;
    }
    if (!FWidget->isEnabled()) return true;
    // The press that Qt follows with a double click is left out: the double click stands for it.
    if (Event->type() == QEvent::MouseButtonPress && (Event->flags() & Qt::MouseEventCreatedDoubleClick)) {
        FPendingPress.reset(Event->clone());
        return true;
    }
    const UINT Msg = MouseMessageOf(Event);
    if (Msg == 0) return false;
    if (Event->type() != QEvent::MouseMove) Application->CancelHint();
    const WPARAM Keys = MouseKeys(Event->buttons(), Event->modifiers());
    HWND Target = FWnd;
    if (const HWND Captured = GetCapture(); Captured && Captured != FWnd) {
        if (FindControl(Captured)) {
            Target = Captured;
        } else if (IsWindow(Captured)) {
            // A window that is no control (a drag going on) gets the mouse in screen coordinates, and
            // shows its cursor over the window the pointer is in.
            SetCursorWindow(FWnd);
            SendMessage(Captured, Msg, Keys, PointToLParam({Global.x(), Global.y()}));
            return true;
        }
    }
    const QWidget* TargetWidget = WidgetOf(Target);
    const TWindowHook* TargetHook = HookOf(Target);
    if (!TargetWidget || !TargetHook) return true;
    const QPoint Local = TargetWidget->mapFromGlobal(Global) - QPoint(TargetHook->FClientMargins.left(), TargetHook->FClientMargins.top());
    if (Msg == WM_MOUSEMOVE && !GetCapture()) {
        SetCursorWindow(Target);
        SendMessage(Target, WM_SETCURSOR, reinterpret_cast<WPARAM>(Target), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
    if (Target != FWnd) {
        SendMessage(Target, Msg, Keys, PointToLParam({Local.x(), Local.y()}));
        return true;
    }
    TEventScope Scope(FEventReceiver, FEvent, Receiver, Event);
    SendMessage(Target, Msg, Keys, PointToLParam({Local.x(), Local.y()}));
    return true;
}

namespace {

// A layered window shows its picture instead of painting: blended where the window system
// composites (the window has an alpha channel), else every pixel with any alpha opaque.
void PaintLayered(QWidget& Widget, const QImage& Picture, const QRegion& Area)
{
    QPainter Painter(&Widget);
    Painter.setClipRegion(Area);
    const QWindow* Native = Widget.windowHandle();
    if (Widget.testAttribute(Qt::WA_TranslucentBackground) && Native && Native->format().hasAlpha()) {
        Painter.setCompositionMode(QPainter::CompositionMode_Source);
        Painter.drawImage(0, 0, Picture);
        return;
    }
    Painter.drawImage(0, 0, Picture.convertToFormat(QImage::Format_ARGB32).convertToFormat(QImage::Format_RGB32));
}

}  // namespace

bool TWindowHook::PaintEvent(QObject* Receiver, QEvent* Event)
{
    ReleaseAllDirect();
    auto* Paint = static_cast<QPaintEvent*>(Event);
    if (const TWindow* Layered = FindWindow(FWnd); Layered && !Layered->Layered.isNull() && Receiver == FWidget) {
        PaintLayered(*FWidget, Layered->Layered, Paint->region());
        return true;
    }
    const TOverlayPaint Overlay(FWnd, static_cast<QWidget*>(Receiver), Paint->region(), FNative || FClientMargins.isNull());
    TWindow* Window = FindWindow(FWnd);
    // Held or with redrawing off, the client area shows what it showed, and what waits keeps waiting.
    const bool Skip = PaintsHeld() || (Window && Window->NoRedraw);
    if (Window && !Skip) Window->Update = QRegion();
    if (FNative || Receiver != FWidget) {
        if (Skip) return false;
        TEventScope Scope(FEventReceiver, FEvent, Receiver, Event);
        SendMessage(FWnd, WM_PAINT, 0, 0);
        // The widget painted unless nothing passed the message on to it.
        if (FEvent) DeliverToWidget(Receiver, Event);
        return true;
    }
    auto* Widget = static_cast<TWindowWidget*>(FWidget.data());
    const QRect ClientArea = Widget->rect().marginsRemoved(FClientMargins);
    QImage& Backing = Widget->Backing();
    if (Backing.size() != ClientArea.size()) {
        QImage Resized(ClientArea.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        Resized.fill(Qt::white);
        QPainter Copy(&Resized);
        Copy.drawImage(0, 0, Backing);
        Copy.end();
        Backing = Resized;
    }
    QPainter WindowPainter(Widget);
    if (!FClientMargins.isNull()) {
        TCanvas WindowDC;
        BindPainter(WindowDC, &WindowPainter);
        SendMessage(FWnd, WM_NCPAINT, reinterpret_cast<WPARAM>(&WindowDC), 0);
        BindPainter(WindowDC, nullptr);
    }
    const QRegion Update = Paint->region().intersected(ClientArea).translated(-ClientArea.topLeft());
    if (!Skip) {
        QPainter ClientPainter(&Backing);
        ClientPainter.setClipRegion(Update);
        TCanvas DC;
        BindPainter(DC, &ClientPainter);
        FPaintDC = &DC;
        if (TMessageQueue::Instance().TakeErase(FWnd)) SendMessage(FWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&DC), 0);
        SendMessage(FWnd, WM_PAINT, 0, 0);
        FPaintDC = nullptr;
        BindPainter(DC, nullptr);
    }
    WindowPainter.setClipRegion(Update.translated(ClientArea.topLeft()));
    WindowPainter.drawImage(ClientArea.topLeft(), Backing);
    return true;
}

bool TWindowHook::DefaultHandling(TMessage& Message)
{
    if (!FNative || !FWidget) return false;
    const UINT Msg = Message.Msg;
    if (Msg == WM_SETFONT) {
        if (const auto* Font = reinterpret_cast<const TFont*>(Message.WParam)) {
            FWidget->setFont(ToQFont(*Font));
        }
        return true;
    }
    if (Msg == WM_KEYDOWN || Msg == WM_SYSKEYDOWN || Msg == WM_KEYUP || Msg == WM_SYSKEYUP) {
        const bool Press = Msg == WM_KEYDOWN || Msg == WM_SYSKEYDOWN;
        // The key alone: its characters come with WM_CHAR.
        QKeyEvent Key(Press ? QEvent::KeyPress : QEvent::KeyRelease, QtKeyOf(static_cast<uint16_t>(Message.WParam)),
                      KeyTableModifiers());
        static_cast<QObject*>(FWidget.data())->event(&Key);
        return true;
    }
    if (Msg == WM_CHAR || Msg == WM_SYSCHAR) {
        const auto Unit = static_cast<char16_t>(Message.WParam);
        if (QChar::isHighSurrogate(Unit)) {
            FPendingHighSurrogate = Unit;
            return true;
        }
        QString Text;
        if (FPendingHighSurrogate && QChar::isLowSurrogate(Unit)) Text.append(QChar(FPendingHighSurrogate));
        FPendingHighSurrogate = 0;
        Text.append(QChar(Unit));
        QKeyEvent Char(QEvent::KeyPress, 0, Qt::NoModifier, Text);
        static_cast<QObject*>(FWidget.data())->event(&Char);
        return true;
    }
    if (!FEvent) return false;
    const bool Mouse = Msg >= WM_MOUSEFIRST && Msg <= WM_MOUSELAST;
    if (!Mouse && Msg != WM_PAINT) return false;
    QEvent* Event = std::exchange(FEvent, nullptr);
    if (Event->type() == QEvent::MouseButtonDblClick && FPendingPress) {
        std::unique_ptr<QMouseEvent> Press = std::move(FPendingPress);
        DeliverToWidget(FEventReceiver, Press.get());
    }
    DeliverToWidget(FEventReceiver, Event);
    return true;
}

void TWindowHook::BindDirect(TCanvas* Canvas, const TPoint& Origin, const TRect& Clip)
{
    static QImage Scratch(1, 1, QImage::Format_RGB32);
    auto* Widget = dynamic_cast<TWindowWidget*>(FWidget.data());
    if (!Widget) {
        BindImage(*Canvas, &Scratch);
        return;
    }
    QImage& Backing = Widget->Backing();
    const QSize Client = Widget->rect().marginsRemoved(FClientMargins).size().expandedTo(QSize(1, 1));
    if (Backing.size() != Client) {
        QImage Resized(Client, QImage::Format_RGB32);
        Resized.fill(Qt::white);
        Backing = Resized;
    }
    BindImage(*Canvas, &Backing);
    Canvas->DC().State.ViewportOrg = QPoint(Origin.X, Origin.Y);
    Canvas->DC().State.Clip = QRegion(Clip.Left, Clip.Top, Clip.Width(), Clip.Height());
    if (std::find(FDirect.begin(), FDirect.end(), Canvas) == FDirect.end()) FDirect.push_back(Canvas);
    Widget->update(QRect(Clip.Left, Clip.Top, Clip.Width(), Clip.Height()).translated(FClientMargins.left(), FClientMargins.top()));
}

void TWindowHook::ReleaseDirect(TCanvas* Canvas)
{
    const auto Found = std::find(FDirect.begin(), FDirect.end(), Canvas);
    if (Found == FDirect.end()) return;
    FDirect.erase(Found);
    BindImage(*Canvas, nullptr);
}

void TWindowHook::ReleaseAllDirect()
{
    for (TCanvas* Canvas : std::exchange(FDirect, {})) BindImage(*Canvas, nullptr);
}

// ---- Top-level windows ----

void SetTopLevelHints(QWidget* Widget, uint32_t Style, uint32_t ExStyle, bool Form, QWidget* Owner)
{
    Qt::WindowFlags Flags;
    const bool Popup = Form && IsPopupWindow(Style, ExStyle, Owner != nullptr);
    if (Style & WS_CAPTION) {
        // Window managers offer minimise and maximise by the window's type: a dialog has neither. A
        // window kept above its owner must be a dialog (or tool window) too.
        const bool Boxes = Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
        if (ExStyle & WS_EX_TOOLWINDOW) Flags = Qt::Tool;
        else Flags = Owner || !Boxes ? Qt::Dialog : Qt::Window;
        Flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (Style & WS_SYSMENU) Flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (Style & WS_MINIMIZEBOX) Flags |= Qt::WindowMinimizeButtonHint;
        if (Style & WS_MAXIMIZEBOX) Flags |= Qt::WindowMaximizeButtonHint;
        if (ExStyle & WS_EX_CONTEXTHELP) Flags |= Qt::WindowContextHelpButtonHint;
    } else if (Popup) {
        // A drop-down's list: a Qt pop-up over its owner.
        Flags = Qt::Popup | Qt::FramelessWindowHint;
    } else if ((Style & WS_POPUP) && !Form) {
        // A captionless pop-up (hint) never takes the activation.
        Flags = Qt::ToolTip | Qt::FramelessWindowHint;
    } else {
        Flags = (Owner ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint;
    }
    if ((ExStyle & WS_EX_TOPMOST) && !Popup) Flags |= Qt::WindowStaysOnTopHint;
    if (Widget->windowFlags() != Flags) Widget->setWindowFlags(Flags);
    if (Popup) MakePopupWindow(Widget);
    if (TWindow* Window = FindWindow(WindowOfWidget(Widget)); Window && Owner) Window->Owner = WindowOfWidget(Owner->window());
    // A window with a Qt parent (a pop-up owned by its parent's window) has Qt's transient parent.
    if (Widget->parentWidget()) return;
    QWindow* OwnerWindow = Owner ? Owner->window()->windowHandle() : nullptr;
    // Never the window's own owner, however far up: the window manager would keep neither above.
    for (QWindow* Up = OwnerWindow; Up; Up = Up->transientParent())
        if (Up == Widget->windowHandle()) OwnerWindow = nullptr;
    if (!OwnerWindow && !Widget->windowHandle()) return;
    Widget->winId();
    if (Widget->windowHandle()->transientParent() != OwnerWindow) Widget->windowHandle()->setTransientParent(OwnerWindow);
}

void BeginModal(QWidget* Window)
{
    ModalStack().emplace_back(Window);
}

void EndModal(QWidget* Window)
{
    std::erase_if(ModalStack(), [Window](const QPointer<QWidget>& Item) { return !Item || Item == Window; });
}

QWidget* ModalWidget()
{
    for (auto It = ModalStack().rbegin(); It != ModalStack().rend(); ++It)
        if (*It && (*It)->isVisible()) return *It;
    return nullptr;
}

void FocusModalWindow()
{
    QWidget* Modal = ModalWidget();
    if (!Modal) return;
    Modal->raise();
    Modal->activateWindow();
}

bool InputBlocked(const QWidget* Widget)
{
    const HWND Top = Widget ? WindowOfWidget(Widget->window()) : nullptr;
    return Top && !IsWindowEnabled(Top);
}

// ---- Keys ----

uint16_t VirtualKeyOf(int QtKey, Qt::KeyboardModifiers Modifiers)
{
    if (Modifiers & Qt::KeypadModifier)
        if (const uint16_t Keypad = KeypadKeyOf(QtKey)) return Keypad;
    if (QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z) return static_cast<uint16_t>('A' + (QtKey - Qt::Key_A));
    if (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9) return static_cast<uint16_t>('0' + (QtKey - Qt::Key_0));
    if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F24) return static_cast<uint16_t>(VK_F1 + (QtKey - Qt::Key_F1));
    for (const TKeyPair& Pair : KeyPairs)
        if (Pair.QtKey == QtKey) return Pair.VirtKey;
    return 0;
}

int QtKeyOf(uint16_t VirtKey)
{
    if (VirtKey >= 'A' && VirtKey <= 'Z') return Qt::Key_A + (VirtKey - 'A');
    if (VirtKey >= '0' && VirtKey <= '9') return Qt::Key_0 + (VirtKey - '0');
    if (VirtKey >= VK_NUMPAD0 && VirtKey <= VK_NUMPAD9) return Qt::Key_0 + (VirtKey - VK_NUMPAD0);
    // The other keypad keys: with Qt's keypad modifier they map back to their own virtual keys.
    switch (VirtKey) {
    case VK_MULTIPLY: return Qt::Key_Asterisk;
    case VK_ADD: return Qt::Key_Plus;
    case VK_SUBTRACT: return Qt::Key_Minus;
    case VK_DECIMAL: return Qt::Key_Period;
    case VK_DIVIDE: return Qt::Key_Slash;
    default: break;
    }
    if (VirtKey >= VK_F1 && VirtKey <= VK_F24) return Qt::Key_F1 + (VirtKey - VK_F1);
    for (const TKeyPair& Pair : KeyPairs)
        if (Pair.VirtKey == VirtKey) return Pair.QtKey;
    return Qt::Key_unknown;
}

QString CharsOfKey(uint16_t VirtKey, bool Shift, bool Ctrl)
{
    if (const char16_t Control = ControlChar(VirtKey, Ctrl)) return QString(QChar(Control));
    if (Ctrl) return {};
    const QChar Char = LayoutChar(VirtKey, Shift);
    return Char.isNull() ? QString() : QString(Char);
}

QString TranslateVirtualKey(uint16_t VirtKey)
{
    return CharsOfKey(VirtKey, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0);
}

QString TranslateKey(const QKeyEvent* Event, uint16_t VirtKey)
{
    const bool Ctrl = (Event->modifiers() & Qt::ControlModifier) && !(Event->modifiers() & Qt::AltModifier);
    if (const char16_t Control = ControlChar(VirtKey, Ctrl)) return QString(QChar(Control));
    if (Ctrl || VirtKey == VK_DELETE) return {};
    const QString Text = Event->text();
    if (!Text.isEmpty() && !Text.at(0).isPrint() && !Text.at(0).isSurrogate()) return {};
    return Text;
}

void PumpKeyMessage(HWND Wnd, const TMessage& Message, const QString* Chars)
{
    const HWND KeyTarget = GetCapture() ? GetCapture() : Wnd;
    if (SendMessage(KeyTarget, CN_BASE + Message.Msg, Message.WParam, Message.LParam) != 0) return;
    if (Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN) {
        const QString Translated = Chars ? *Chars : TranslateVirtualKey(static_cast<uint16_t>(Message.WParam));
        const UINT CharMsg = Message.Msg == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
        for (QChar Unit : Translated) PostMessage(Wnd, CharMsg, Unit.unicode(), Message.LParam);
    }
    SendMessage(Wnd, Message.Msg, Message.WParam, Message.LParam);
}

// ---- Mouse ----

void TrackMouseControl(TControl* Control)
{
    TControl* Old = MouseControl();
    if (Old == Control) return;
    MouseControl() = Control;
    if (Old) Old->Perform(CM_MOUSELEAVE, 0, 0);
    if (Control && MouseControl() == Control) Control->Perform(CM_MOUSEENTER, 0, 0);
}

void ForgetMouseControl(TControl* Control)
{
    if (MouseControl() == Control) MouseControl() = nullptr;
}

Qt::CursorShape CursorShapeOf(TCursor Cursor)
{
    switch (Cursor) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait: return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

}  // namespace WindowsInternal
