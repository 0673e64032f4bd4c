// The Win32-style window functions over the handle table, Qt's event queue and our own focus, capture and key state.
#include "windows/WinApi.h"

#include "windows/Controls.h"
#include "windows/WindowHooks.h"
#include "windows/private/MessageQueue.h"
#include "windows/private/PopupWindow.h"
#include "windows/private/Window.h"
#include "windows/private/WindowScrollBars.h"
#include "windows/private/WindowWidget.h"

#include <QApplication>
#include <QCursor>
#include <QHash>

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>
#include <vector>

namespace WindowsInternal {
namespace {

struct TWindowTable {
    std::unordered_map<HWND, TWindow> Windows;
    QHash<const QWidget*, HWND> ByWidget;
    uintptr_t LastHandle = 0x10000;

    HWND Add(TWindow Window)
    {
        LastHandle += 4;
        Window.Handle = reinterpret_cast<HWND>(LastHandle);
        const HWND Handle = Window.Handle;
        if (Window.Widget) ByWidget.insert(Window.Widget.data(), Handle);
        Windows.emplace(Handle, std::move(Window));
        return Handle;
    }
};

TWindowTable& Table()
{
    static TWindowTable Instance;
    return Instance;
}

struct TFocusState {
    HWND Focus = nullptr;
    HWND Capture = nullptr;
    HWND Active = nullptr;
    // Top-level windows, most recently active first: the next to activate when the active one hides.
    std::vector<HWND> ActivationOrder;
    // Activations handed to Qt whose news has not come back yet, oldest first.
    std::vector<HWND> Requested;
};

TFocusState& Focus()
{
    static TFocusState Instance;
    return Instance;
}

// Bit 0x80: down; bit 0x01: toggled.
std::array<uint8_t, 256>& KeyTable()
{
    static std::array<uint8_t, 256> Instance{};
    return Instance;
}

std::optional<QPoint>& LastCursorPos()
{
    static std::optional<QPoint> Instance;
    return Instance;
}

HWND TopLevelOf(HWND Wnd)
{
    for (HWND Parent = GetParent(Wnd); Parent; Parent = GetParent(Parent)) Wnd = Parent;
    return Wnd;
}

}  // namespace

HWND RegisterWindow(TWinControl* Control, QWidget* Widget, uint32_t Style, uint32_t ExStyle)
{
    TWindow Window;
    Window.Control = Control;
    Window.Widget = Widget;
    Window.Style = Style;
    Window.ExStyle = ExStyle;
    if (Widget && (ExStyle & WS_EX_TRANSPARENT)) Widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    return Table().Add(std::move(Window));
}

HWND RegisterHiddenWindow(TWndMethod Method)
{
    TWindow Window;
    Window.Method = std::move(Method);
    return Table().Add(std::move(Window));
}

void UnregisterWindow(HWND Wnd)
{
    auto Found = Table().Windows.find(Wnd);
    if (Found == Table().Windows.end()) return;
    Table().ByWidget.remove(Found->second.Widget.data());
    Table().Windows.erase(Found);
    TMessageQueue::Instance().ForgetWindow(Wnd);
    ForgetScrollBars(Wnd);
    TFocusState& State = Focus();
    if (State.Focus == Wnd) State.Focus = nullptr;
    if (State.Capture == Wnd) State.Capture = nullptr;
    if (State.Active == Wnd) State.Active = nullptr;
    std::erase(State.ActivationOrder, Wnd);
    std::erase(State.Requested, Wnd);
}

TWindow* FindWindow(HWND Wnd)
{
    auto Found = Table().Windows.find(Wnd);
    return Found == Table().Windows.end() ? nullptr : &Found->second;
}

void ForEachWindow(const std::function<void(TWindow&)>& Visit)
{
    for (auto& [Handle, Window] : Table().Windows) Visit(Window);
}

HWND WindowOfWidget(const QWidget* Widget)
{
    for (; Widget; Widget = Widget->parentWidget())
        if (const HWND Wnd = Table().ByWidget.value(Widget)) return Wnd;
    return nullptr;
}

QWidget* WidgetOf(HWND Wnd)
{
    const TWindow* Window = FindWindow(Wnd);
    return Window ? Window->Widget.data() : nullptr;
}

void Deliver(HWND Wnd, TMessage& Message)
{
    TWindow* Window = FindWindow(Wnd);
    if (!Window) return;
    if (Window->Control) {
        Window->Control->Perform(Message);
    } else {
        // Copied: the procedure may deallocate its own window.
        const TWndMethod Method = Window->Method;
        Method(Message);
    }
}

void SetKeyDown(int32_t VirtKey, bool Down)
{
    uint8_t& Key = KeyTable()[static_cast<size_t>(VirtKey & 0xFF)];
    if (Down && !(Key & 0x80)) Key ^= 0x01;
    Key = static_cast<uint8_t>(Down ? (Key | 0x80) : (Key & ~0x80));
}

void SyncModifiers(Qt::KeyboardModifiers Modifiers)
{
    const auto Sync = [](int32_t VirtKey, bool Down) {
        uint8_t& Key = KeyTable()[static_cast<size_t>(VirtKey)];
        Key = static_cast<uint8_t>(Down ? (Key | 0x80) : (Key & ~0x80));
    };
    Sync(VK_SHIFT, Modifiers & Qt::ShiftModifier);
    Sync(VK_CONTROL, Modifiers & Qt::ControlModifier);
    Sync(VK_MENU, Modifiers & Qt::AltModifier);
}

void SyncButtons(Qt::MouseButtons Buttons)
{
    SetKeyDown(VK_LBUTTON, Buttons & Qt::LeftButton);
    SetKeyDown(VK_RBUTTON, Buttons & Qt::RightButton);
    SetKeyDown(VK_MBUTTON, Buttons & Qt::MiddleButton);
}

void SetCursorPos(const QPoint& Global)
{
    LastCursorPos() = Global;
}

void SetActiveWindow(HWND Wnd)
{
    TFocusState& State = Focus();
    const HWND Old = State.Active;
    if (Old == Wnd) return;
    State.Active = Wnd;
    if (Wnd) {
        std::erase(State.ActivationOrder, Wnd);
        State.ActivationOrder.insert(State.ActivationOrder.begin(), Wnd);
        // A pop-up holds the keyboard by itself; its owner stays the active window of the desktop.
        if (QWidget* Widget = WidgetOf(Wnd); Widget && !IsPopupWidget(Widget)) {
            // A platform that drops requests must not make the record grow.
            if (State.Requested.size() >= 16) State.Requested.erase(State.Requested.begin());
            State.Requested.push_back(Wnd);
            Widget->activateWindow();
        }
    }
    if (Old) SendMessage(Old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(Wnd));
    if (Wnd && State.Active == Wnd) SendMessage(Wnd, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(Old));
}

bool TakeActivationNews(HWND Wnd)
{
    std::vector<HWND>& Requested = Focus().Requested;
    const auto Found = std::find(Requested.begin(), Requested.end(), Wnd);
    if (Found == Requested.end()) return false;
    Requested.erase(Requested.begin(), Found + 1);
    return true;
}

void DeactivateApplication()
{
    TFocusState& State = Focus();
    const HWND Old = State.Active;
    const HWND Focused = State.Focus;
    State.Active = nullptr;
    State.Focus = nullptr;
    if (Old) SendMessage(Old, WM_ACTIVATE, WA_INACTIVE, 0);
    if (Focused) SendMessage(Focused, WM_KILLFOCUS, 0, 0);
}

}  // namespace WindowsInternal

using namespace WindowsInternal;

// ---- Handles ----

HWND AllocateHWnd(TWndMethod Method)
{
    return RegisterHiddenWindow(std::move(Method));
}

void DeallocateHWnd(HWND Wnd)
{
    if (FindWindow(Wnd) && !FindWindow(Wnd)->Control) UnregisterWindow(Wnd);
}

bool IsWindow(HWND Wnd)
{
    return FindWindow(Wnd) != nullptr;
}

TWinControl* FindControl(HWND Wnd)
{
    const TWindow* Window = FindWindow(Wnd);
    return Window ? Window->Control : nullptr;
}

// ---- Messages ----

LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage Message{Msg, WParam, LParam, 0};
    Guarded(FindControl(Wnd), [&] {
        if (IsWindow(Wnd)) RunCallWndProcHooks(Wnd, Message);
        Deliver(Wnd, Message);
    });
    return Message.Result;
}

LRESULT WindowsInternal::DeliverQueued(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage Message{Msg, WParam, LParam, 0};
    Guarded(FindControl(Wnd), [&] { Deliver(Wnd, Message); });
    return Message.Result;
}

bool PostMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (!IsWindow(Wnd)) return false;
    TMessageQueue::Instance().Post(Wnd, TMessage{Msg, WParam, LParam, 0});
    return true;
}

UINT RegisterWindowMessage(const QString& Name)
{
    static QHash<QString, UINT> Registered;
    const QString Key = Name.toUpper();
    auto Found = Registered.constFind(Key);
    if (Found != Registered.constEnd()) return *Found;
    const UINT Id = 0xC000 + static_cast<UINT>(Registered.size());
    Registered.insert(Key, Id);
    return Id;
}

// ---- Timers ----

UINT_PTR SetTimer(HWND Wnd, UINT_PTR IDEvent, UINT Elapse, void*)
{
    if (!IsWindow(Wnd)) return 0;
    TMessageQueue::Instance().SetTimer(Wnd, IDEvent, Elapse);
    return IDEvent;
}

bool KillTimer(HWND Wnd, UINT_PTR IDEvent)
{
    return TMessageQueue::Instance().KillTimer(Wnd, IDEvent);
}

// ---- Focus, capture, activation ----

HWND GetFocus()
{
    return Focus().Focus;
}

HWND SetFocus(HWND Wnd)
{
    TFocusState& State = Focus();
    const HWND Old = State.Focus;
    if (Wnd && !IsWindow(Wnd)) return nullptr;
    if (Wnd) {
        const HWND Top = TopLevelOf(Wnd);
        if (Top != State.Active) WindowsInternal::SetActiveWindow(Top);
    }
    if (State.Focus == Wnd) return Old;
    const HWND Previous = State.Focus;
    State.Focus = Wnd;
    if (Previous) SendMessage(Previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(Wnd), 0);
    if (State.Focus != Wnd || !Wnd) return Old;
    if (QWidget* Widget = WidgetOf(Wnd)) Widget->setFocus(Qt::OtherFocusReason);
    SendMessage(Wnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(Previous), 0);
    return Old;
}

HWND GetCapture()
{
    return Focus().Capture;
}

HWND SetCapture(HWND Wnd)
{
    TFocusState& State = Focus();
    const HWND Old = State.Capture;
    if (!IsWindow(Wnd) || Old == Wnd) return Old;
    State.Capture = Wnd;
    if (Old) SendMessage(Old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(Wnd));
    return Old;
}

bool ReleaseCapture()
{
    TFocusState& State = Focus();
    const HWND Old = State.Capture;
    State.Capture = nullptr;
    if (Old) SendMessage(Old, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND GetActiveWindow()
{
    return Focus().Active;
}

HWND GetParent(HWND Wnd)
{
    const TWinControl* Control = FindControl(Wnd);
    if (!Control || !Control->Parent() || !Control->Parent()->HandleAllocated()) return nullptr;
    return Control->Parent()->Handle();
}

HWND GetWindow(HWND Wnd, UINT Cmd)
{
    const TWindow* Window = FindWindow(Wnd);
    if (!Window || Cmd != GW_OWNER || !IsWindow(Window->Owner)) return nullptr;
    return Window->Owner;
}

// ---- Keyboard and pointer ----

int16_t GetKeyState(int32_t VirtKey)
{
    const uint8_t Key = KeyTable()[static_cast<size_t>(VirtKey & 0xFF)];
    return static_cast<int16_t>(((Key & 0x80) ? 0x8000 : 0) | (Key & 0x01));
}

int16_t GetAsyncKeyState(int32_t VirtKey)
{
    return static_cast<int16_t>(GetKeyState(VirtKey) & 0x8000);
}

bool GetCursorPos(TPoint& Point)
{
    const QPoint Pos = LastCursorPos().value_or(QCursor::pos());
    Point = {Pos.x(), Pos.y()};
    return true;
}

bool MessageBeep(UINT)
{
    QApplication::beep();
    return true;
}

// ---- Geometry and painting ----

bool ClientToScreen(HWND Wnd, TPoint& Point)
{
    const QWidget* Widget = WidgetOf(Wnd);
    if (!Widget) return false;
    const QPoint Global = Widget->mapToGlobal(QPoint(Point.X, Point.Y));
    Point = {Global.x(), Global.y()};
    return true;
}

bool ScreenToClient(HWND Wnd, TPoint& Point)
{
    const QWidget* Widget = WidgetOf(Wnd);
    if (!Widget) return false;
    const QPoint Local = Widget->mapFromGlobal(QPoint(Point.X, Point.Y));
    Point = {Local.x(), Local.y()};
    return true;
}

bool GetClientRect(HWND Wnd, TRect& Rect)
{
    const TWinControl* Control = FindControl(Wnd);
    if (!Control) return false;
    Rect = Control->ClientRect();
    return true;
}

bool GetWindowRect(HWND Wnd, TRect& Rect)
{
    const TWinControl* Control = FindControl(Wnd);
    if (!Control) return false;
    Rect = Control->BoundsRect();
    // A pop-up window with a parent is placed in screen coordinates already.
    const QWidget* Widget = WidgetOf(Wnd);
    if (Control->Parent() && !(Widget && Widget->isWindow())) {
        const TPoint Origin = Control->Parent()->ClientOrigin();
        OffsetRect(Rect, Origin.X, Origin.Y);
    }
    return true;
}

// ---- Modules ----

HMODULE GetModuleHandle(const QString&)
{
    return nullptr;
}

// ---- Window state ----

bool IsWindowVisible(HWND Wnd)
{
    for (; Wnd; Wnd = GetParent(Wnd)) {
        const TWindow* Window = FindWindow(Wnd);
        if (!Window || !(Window->Style & WS_VISIBLE)) return false;
    }
    return true;
}

bool IsWindowEnabled(HWND Wnd)
{
    const TWindow* Window = FindWindow(Wnd);
    return Window && !(Window->Style & WS_DISABLED);
}

bool EnableWindow(HWND Wnd, bool Enable)
{
    TWindow* Window = FindWindow(Wnd);
    if (!Window) return false;
    const bool WasDisabled = Window->Style & WS_DISABLED;
    if (WasDisabled == !Enable) return WasDisabled;
    if (Enable) Window->Style &= ~WS_DISABLED;
    else Window->Style |= WS_DISABLED;
    // A top-level window's controls keep their look: the layer refuses its input (InputBlocked).
    if (Window->Widget && !Window->Widget->isWindow()) Window->Widget->setEnabled(Enable);
    SendMessage(Wnd, WM_ENABLE, Enable, 0);
    return WasDisabled;
}

bool ShowWindow(HWND Wnd, int32_t CmdShow)
{
    TWindow* Window = FindWindow(Wnd);
    if (!Window) return false;
    const bool WasVisible = Window->Style & WS_VISIBLE;
    const bool Show = CmdShow != SW_HIDE;
    const bool TopLevel = Window->Widget && Window->Widget->isWindow();
    if (Show != WasVisible) {
        SendMessage(Wnd, WM_SHOWWINDOW, Show, 0);
        if (!(Window = FindWindow(Wnd))) return WasVisible;
        if (Show) Window->Style |= WS_VISIBLE;
        else Window->Style &= ~WS_VISIBLE;
        if (Window->Widget) Window->Widget->setVisible(Show);
    }
    if (!TopLevel) return WasVisible;
    TFocusState& State = Focus();
    // A hidden window takes no activation: news of one asked for it is stale.
    if (!Show) std::erase(State.Requested, Wnd);
    if (Show && CmdShow != SW_SHOWNA && CmdShow != SW_SHOWNOACTIVATE && CmdShow != SW_SHOWMINNOACTIVE) {
        WindowsInternal::SetActiveWindow(Wnd);
    } else if (!Show && State.Active == Wnd) {
        // Windows activates the next top-level window that can take it.
        const auto Next = std::find_if(State.ActivationOrder.begin(), State.ActivationOrder.end(), [Wnd](HWND Other) {
            return Other != Wnd && IsWindowVisible(Other) && IsWindowEnabled(Other);
        });
        if (Next != State.ActivationOrder.end()) WindowsInternal::SetActiveWindow(*Next);
        else WindowsInternal::DeactivateApplication();
    }
    return WasVisible;
}

int32_t GetWindowLong(HWND Wnd, int32_t Index)
{
    const TWindow* Window = FindWindow(Wnd);
    if (!Window) return 0;
    switch (Index) {
    case GWL_STYLE: return static_cast<int32_t>(Window->Style);
    case GWL_EXSTYLE: return static_cast<int32_t>(Window->ExStyle);
    case GWL_ID: return Window->Id;
    default: return 0;
    }
}

int32_t SetWindowLong(HWND Wnd, int32_t Index, int32_t NewLong)
{
    TWindow* Window = FindWindow(Wnd);
    if (!Window) return 0;
    const int32_t Old = GetWindowLong(Wnd, Index);
    const uint32_t Value = static_cast<uint32_t>(NewLong);
    switch (Index) {
    case GWL_STYLE: {
        const uint32_t State = WS_VISIBLE | WS_DISABLED;
        Window->Style = (Value & ~State) | (Window->Style & State);
        if ((Value ^ static_cast<uint32_t>(Old)) & WS_DISABLED) EnableWindow(Wnd, !(Value & WS_DISABLED));
        if ((Value ^ static_cast<uint32_t>(Old)) & WS_VISIBLE) ShowWindow(Wnd, (Value & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
        // A window with a procedure of its own hears of its new style (it reads it back).
        if (!Window->Control && Window->Method) {
            TMessage Changed{WM_STYLECHANGED, static_cast<WPARAM>(GWL_STYLE), 0, 0};
            Deliver(Wnd, Changed);
        }
        break;
    }
    case GWL_EXSTYLE: {
        Window->ExStyle = Value;
        // A transparent window lets the mouse through to what lies below it.
        if (Window->Widget) Window->Widget->setAttribute(Qt::WA_TransparentForMouseEvents, (Value & WS_EX_TRANSPARENT) != 0);
        const uint32_t Changed = Value ^ static_cast<uint32_t>(Old);
        if ((Changed & WS_EX_LAYERED) && Window->Widget && Window->Widget->isWindow()) {
            // A layered window can blend with what lies below, where the window system composites.
            if (Value & WS_EX_LAYERED) {
                Window->Widget->setAttribute(Qt::WA_TranslucentBackground);
            } else {
                Window->Layered = QImage();
                Window->LayeredFlags = 0;
                Window->Widget->setWindowOpacity(1.0);
                Window->Widget->update();
            }
            UpdateWindowShape(Wnd);
        }
        break;
    }
    case GWL_ID: Window->Id = NewLong; break;
    default: break;
    }
    return Old;
}
