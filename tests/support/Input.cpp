// Test input through Qt's window-system entry points, as the platform's own input arrives.
#include "Input.h"

#include "Render.h"

#include "windows/Forms.h"
#include "windows/private/Window.h"
#include "windows/private/WindowScrollBars.h"
#include "windows/private/WindowWidget.h"

#include <QGuiApplication>
#include <QScrollBar>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <QtTest/QtTest>

using namespace WindowsInternal;

namespace Input {
namespace {

ulong& Timestamp()
{
    static ulong Instance = 1000;
    return Instance;
}

Qt::MouseButtons& Buttons()
{
    static Qt::MouseButtons Instance;
    return Instance;
}

Qt::KeyboardModifiers& Held()
{
    static Qt::KeyboardModifiers Instance;
    return Instance;
}

QWindow* KeyboardWindow()
{
    QWidget* Widget = WidgetOf(GetActiveWindow());
    QWindow* Window = Widget ? Widget->window()->windowHandle() : QGuiApplication::focusWindow();
    if (!Window) throw Exception(QStringLiteral("No active window takes the keys"));
    return Window;
}

Qt::KeyboardModifiers ModifiersOf(TShiftState Shift)
{
    Qt::KeyboardModifiers Modifiers;
    if (Shift.Contains(ssShift)) Modifiers |= Qt::ShiftModifier;
    if (Shift.Contains(ssCtrl)) Modifiers |= Qt::ControlModifier;
    if (Shift.Contains(ssAlt)) Modifiers |= Qt::AltModifier;
    return Modifiers;
}

Qt::MouseButton QtButton(TMouseButton Button)
{
    switch (Button) {
    case mbRight: return Qt::RightButton;
    case mbMiddle: return Qt::MiddleButton;
    default: return Qt::LeftButton;
    }
}

constexpr struct {
    TShiftStateItem Item;
    Qt::Key Key;
    Qt::KeyboardModifier Modifier;
} ShiftKeys[] = {{ssShift, Qt::Key_Shift, Qt::ShiftModifier}, {ssCtrl, Qt::Key_Control, Qt::ControlModifier}, {ssAlt, Qt::Key_Alt, Qt::AltModifier}};

void SendKey(QEvent::Type Type, int QtKey, const QString& Text, Qt::KeyboardModifiers Extra = {})
{
    qt_handleKeyEvent(KeyboardWindow(), Type, QtKey, Held() | Extra, Text);
}

// The keypad's keys come with Qt's keypad modifier.
Qt::KeyboardModifiers KeypadOf(uint16_t VirtKey)
{
    return VirtKey >= VK_NUMPAD0 && VirtKey <= VK_DIVIDE ? Qt::KeypadModifier : Qt::NoModifier;
}

void PressShiftKeys(TShiftState Shift)
{
    for (const auto& Entry : ShiftKeys) {
        if (!Shift.Contains(Entry.Item) || (Held() & Entry.Modifier)) continue;
        SendKey(QEvent::KeyPress, Entry.Key, {});
        Held() |= Entry.Modifier;
    }
}

void ReleaseShiftKeys(TShiftState Shift)
{
    for (const auto& Entry : ShiftKeys) {
        if (!Shift.Contains(Entry.Item) || !(Held() & Entry.Modifier)) continue;
        Held() &= ~Qt::KeyboardModifiers(Entry.Modifier);
        SendKey(QEvent::KeyRelease, Entry.Key, {});
    }
}

QString KeyText(uint16_t VirtKey)
{
    return CharsOfKey(VirtKey, Held() & Qt::ShiftModifier, (Held() & Qt::ControlModifier) && !(Held() & Qt::AltModifier));
}

// The widget that shows Control's client area, and the offset of Control's client origin in it.
QWidget* ClientWidget(TControl* Control, QPoint& Offset)
{
    Offset = {};
    TWinControl* Window = dynamic_cast<TWinControl*>(Control);
    if (!Window) {
        Window = Control->Parent();
        Offset = {Control->Left(), Control->Top()};
    }
    const HWND Wnd = Window->Handle();
    const TWindowHook* Hook = HookOf(Wnd);
    Offset += QPoint(Hook->ClientMargins().left(), Hook->ClientMargins().top());
    return WidgetOf(Wnd);
}

void SendMouse(TControl* Control, TPoint At, QEvent::Type Type, Qt::MouseButton Button, TShiftState Shift)
{
    QPoint Offset;
    QWidget* Widget = ClientWidget(Control, Offset);
    QWidget* Top = Widget->window();
    const QPoint Local = Widget->mapTo(Top, Offset + QPoint(At.X, At.Y));
    if (Type == QEvent::MouseButtonPress) Buttons() |= Button;
    if (Type == QEvent::MouseButtonRelease) Buttons() &= ~Qt::MouseButtons(Button);
    const QPoint Global = Top->mapToGlobal(Local);
    // Qt drops a move to where the pointer already is; step aside first so the move arrives.
    static QPoint LastGlobal(-1, -1);
    if (Type == QEvent::MouseMove && Global == LastGlobal) {
        Timestamp() += 1;
        qt_handleMouseEvent(Top->windowHandle(), Local + QPoint(1, 0), Global + QPoint(1, 0), Buttons(), Qt::NoButton,
                            QEvent::MouseMove, ModifiersOf(Shift) | Held(), static_cast<int>(Timestamp()));
    }
    LastGlobal = Global;
    Timestamp() += 1;
    qt_handleMouseEvent(Top->windowHandle(), Local, Global, Buttons(), Button, Type, ModifiersOf(Shift) | Held(),
                        static_cast<int>(Timestamp()));
    ProcessPendingEvents();
}

}  // namespace

void KeyDown(uint16_t VirtKey, TShiftState Shift)
{
    PressShiftKeys(Shift);
    SendKey(QEvent::KeyPress, QtKeyOf(VirtKey), KeyText(VirtKey), KeypadOf(VirtKey));
    ProcessPendingEvents();
}

void KeyUp(uint16_t VirtKey, TShiftState Shift)
{
    SendKey(QEvent::KeyRelease, QtKeyOf(VirtKey), KeyText(VirtKey), KeypadOf(VirtKey));
    ReleaseShiftKeys(Shift);
    ProcessPendingEvents();
}

void PressKeyWithText(uint16_t VirtKey, const QString& Text)
{
    SendKey(QEvent::KeyPress, QtKeyOf(VirtKey), Text, KeypadOf(VirtKey));
    ProcessPendingEvents();
    SendKey(QEvent::KeyRelease, QtKeyOf(VirtKey), Text, KeypadOf(VirtKey));
    ProcessPendingEvents();
}

// The offscreen platform has no application state of its own: the news comes as the window
// system gives it.
void DeactivateApplication()
{
    emit static_cast<QGuiApplication*>(QCoreApplication::instance())->applicationStateChanged(Qt::ApplicationInactive);
    ProcessPendingEvents();
}

void ActivateApplication()
{
    emit static_cast<QGuiApplication*>(QCoreApplication::instance())->applicationStateChanged(Qt::ApplicationActive);
    ProcessPendingEvents();
}

void PressKey(uint16_t VirtKey, TShiftState Shift)
{
    KeyDown(VirtKey, Shift);
    KeyUp(VirtKey, Shift);
}

void TypeText(const QString& Text)
{
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const bool Pair = Text.at(I).isHighSurrogate() && I + 1 < Text.size();
        const QString Char = Text.mid(I, Pair ? 2 : 1);
        if (Pair) ++I;
        bool Typed = false;
        bool Keypad = false;
        for (int VirtKey = 1; VirtKey < 256 && !Typed && !Keypad; ++VirtKey) {
            for (bool Shift : {false, true}) {
                if (CharsOfKey(static_cast<uint16_t>(VirtKey), Shift, false) != Char) continue;
                // The keypad's operators and point are typed as composed characters; PressKey reaches them.
                if (VirtKey >= VK_MULTIPLY && VirtKey <= VK_DIVIDE) {
                    Keypad = true;
                    break;
                }
                PressKey(static_cast<uint16_t>(VirtKey), Shift ? TShiftState{ssShift} : TShiftState{});
                Typed = true;
                break;
            }
        }
        if (Typed) continue;
        SendKey(QEvent::KeyPress, Qt::Key_unknown, Char);
        SendKey(QEvent::KeyRelease, Qt::Key_unknown, Char);
        ProcessPendingEvents();
    }
}

void MouseDown(TControl* Control, TPoint At, TMouseButton Button, TShiftState Shift)
{
    SendMouse(Control, At, QEvent::MouseButtonPress, QtButton(Button), Shift);
}

void MouseUp(TControl* Control, TPoint At, TMouseButton Button, TShiftState Shift)
{
    SendMouse(Control, At, QEvent::MouseButtonRelease, QtButton(Button), Shift);
    // The next press is no double click.
    Timestamp() += static_cast<ulong>(QGuiApplication::styleHints()->mouseDoubleClickInterval()) + 1;
}

void MoveMouse(TControl* Control, TPoint At)
{
    SendMouse(Control, At, QEvent::MouseMove, Qt::NoButton, {});
}

void Click(TControl* Control, TPoint At, TMouseButton Button, TShiftState Shift)
{
    MouseDown(Control, At, Button, Shift);
    MouseUp(Control, At, Button, Shift);
}

void DoubleClick(TControl* Control, TPoint At, TMouseButton Button)
{
    const Qt::MouseButton QtButtonValue = QtButton(Button);
    SendMouse(Control, At, QEvent::MouseButtonPress, QtButtonValue, {});
    SendMouse(Control, At, QEvent::MouseButtonRelease, QtButtonValue, {});
    SendMouse(Control, At, QEvent::MouseButtonPress, QtButtonValue, {});
    MouseUp(Control, At, Button, {});
}

void Drag(TControl* Control, TPoint From, TPoint To)
{
    MouseDown(Control, From);
    constexpr int Steps = 4;
    for (int Step = 1; Step <= Steps; ++Step)
        MoveMouse(Control, {From.X + (To.X - From.X) * Step / Steps, From.Y + (To.Y - From.Y) * Step / Steps});
    MouseUp(Control, To);
}

void TurnWheel(TControl* Control, TPoint At, int32_t Delta, TShiftState Shift)
{
    QPoint Offset;
    QWidget* Widget = ClientWidget(Control, Offset);
    QWidget* Top = Widget->window();
    const QPoint Local = Widget->mapTo(Top, Offset + QPoint(At.X, At.Y));
    const QPoint Global = Top->mapToGlobal(Local);
    QWheelEvent Event(Local, Global, QPoint(), QPoint(0, Delta), Buttons(), ModifiersOf(Shift) | Held(),
                      Qt::NoScrollPhase, false);
    // The window routes the wheel to the widget under the pointer, as for a wheel the system reports.
    QCoreApplication::sendEvent(Top->windowHandle(), &Event);
    ProcessPendingEvents();
}

namespace {

// Where on Control's scroll bar Bar the thumb (or another part) lies, in Control's client coordinates.
struct TBarParts {
    QScrollBar* Widget = nullptr;
    QPoint Origin;
    QRect Groove;
    QRect Slider;
    QRect SubLine;
    QRect AddLine;
};

TBarParts BarParts(TWinControl* Control, int32_t Bar)
{
    TBarParts Parts;
    Parts.Widget = ScrollBarWidget(Control->Handle(), Bar);
    if (!Parts.Widget || !Parts.Widget->isVisible()) throw Exception(QStringLiteral("The scroll bar does not show"));
    const TWindowHook* Hook = HookOf(Control->Handle());
    Parts.Origin =
        Parts.Widget->geometry().topLeft() - QPoint(Hook->ClientMargins().left(), Hook->ClientMargins().top());
    QStyleOptionSlider Option;
    Option.initFrom(Parts.Widget);
    Option.subControls = QStyle::SC_All;
    Option.orientation = Parts.Widget->orientation();
    Option.minimum = Parts.Widget->minimum();
    Option.maximum = Parts.Widget->maximum();
    Option.sliderPosition = Parts.Widget->sliderPosition();
    Option.sliderValue = Parts.Widget->value();
    Option.singleStep = Parts.Widget->singleStep();
    Option.pageStep = Parts.Widget->pageStep();
    if (Option.orientation == Qt::Horizontal) Option.state |= QStyle::State_Horizontal;
    QStyle* Style = Parts.Widget->style();
    Parts.Groove = Style->subControlRect(QStyle::CC_ScrollBar, &Option, QStyle::SC_ScrollBarGroove, Parts.Widget);
    Parts.Slider = Style->subControlRect(QStyle::CC_ScrollBar, &Option, QStyle::SC_ScrollBarSlider, Parts.Widget);
    Parts.SubLine = Style->subControlRect(QStyle::CC_ScrollBar, &Option, QStyle::SC_ScrollBarSubLine, Parts.Widget);
    Parts.AddLine = Style->subControlRect(QStyle::CC_ScrollBar, &Option, QStyle::SC_ScrollBarAddLine, Parts.Widget);
    return Parts;
}

TPoint ToClient(const TBarParts& Parts, const QPoint& Point)
{
    const QPoint At = Parts.Origin + Point;
    return {At.x(), At.y()};
}

}  // namespace

void ClickScrollBar(TWinControl* Control, int32_t Bar, TScrollBarPart Part)
{
    const TBarParts Parts = BarParts(Control, Bar);
    const bool Vertical = Bar == SB_VERT;
    QPoint At;
    switch (Part) {
    case sbpLineUp: At = Parts.SubLine.center(); break;
    case sbpLineDown: At = Parts.AddLine.center(); break;
    case sbpPageUp:
        At = Vertical ? QPoint(Parts.Slider.center().x(), (Parts.Groove.top() + Parts.Slider.top()) / 2)
                      : QPoint((Parts.Groove.left() + Parts.Slider.left()) / 2, Parts.Slider.center().y());
        break;
    case sbpPageDown:
        At = Vertical ? QPoint(Parts.Slider.center().x(), (Parts.Slider.bottom() + Parts.Groove.bottom()) / 2)
                      : QPoint((Parts.Slider.right() + Parts.Groove.right()) / 2, Parts.Slider.center().y());
        break;
    }
    Click(Control, ToClient(Parts, At));
}

void DragScrollThumb(TWinControl* Control, int32_t Bar, int32_t Pos)
{
    const TBarParts Parts = BarParts(Control, Bar);
    const bool Vertical = Bar == SB_VERT;
    const int32_t Span =
        Vertical ? Parts.Groove.height() - Parts.Slider.height() : Parts.Groove.width() - Parts.Slider.width();
    const int32_t From = Vertical ? Parts.Slider.top() : Parts.Slider.left();
    const int32_t To = (Vertical ? Parts.Groove.top() : Parts.Groove.left()) +
                       QStyle::sliderPositionFromValue(Parts.Widget->minimum(), Parts.Widget->maximum(), Pos, Span);
    const QPoint Grip = Parts.Slider.center();
    const QPoint Target = Vertical ? QPoint(Grip.x(), Grip.y() + To - From) : QPoint(Grip.x() + To - From, Grip.y());
    MouseDown(Control, ToClient(Parts, Grip));
    MoveMouse(Control, ToClient(Parts, (Grip + Target) / 2));
    MoveMouse(Control, ToClient(Parts, Target));
    MouseUp(Control, ToClient(Parts, Target));
}

void LeaveWindow(TControl* Control)
{
    TControl* Top = Control;
    while (Top->Parent()) Top = Top->Parent();
    MoveMouse(Top, {-Top->Width(), -Top->Height()});
}

}  // namespace Input

TTestClock::TTestClock() : FPrevious(SetClockService(this))
{
}

TTestClock::~TTestClock()
{
    SetClockService(FPrevious);
}

void TTestClock::Advance(uint32_t Ms)
{
    FNow += Ms;
    TimeChanged();
    ProcessPendingEvents();
}
