// The Qt side of a control's window: the plain widget, the hook that turns widget events into messages, and paint cycles.
#pragma once

#include "windows/Controls.h"

#include <QImage>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class QEvent;
class QKeyEvent;
class QMouseEvent;
class QPainter;

// What TWinControl::CreateWindowWidget is asked for: a widget for the window's parameters under
// Parent (nil for a top-level window), which it puts in Widget.
class TWidgetRequest {
public:
    const TCreateParams& Params;
    QWidget* Parent = nullptr;
    QWidget* Widget = nullptr;
};

namespace WindowsInternal {

// The border a window's style gives it: the frame of a top-level window (outside its widget), the
// border of a child window (inside its widget, around the client area).
QMargins NonClientMargins(uint32_t Style, uint32_t ExStyle, bool TopLevel);

// The window-manager hints of a top-level window from its styles: frame, title, the buttons offered,
// whether it sizes, and Owner, the window it is kept above (nil for none). Form: a form's window,
// which takes the activation even without a caption.
void SetTopLevelHints(QWidget* Widget, uint32_t Style, uint32_t ExStyle, bool Form, QWidget* Owner);

// The widget of a window we paint ourselves. It keeps the client area's pixels in an image, so
// drawing outside the paint cycle (a canvas used directly) shows and lasts until the next paint.
class TWindowWidget : public QWidget {
public:
    explicit TWindowWidget(QWidget* Parent);
    QImage& Backing() { return FBacking; }

protected:
    // Tab and Backtab are keys like any other; the focus moves by CM_DIALOGKEY.
    bool focusNextPrevChild(bool) override { return false; }

private:
    QImage FBacking;
};

// Translates the events of a window's widget (and of any widget attached to it) into messages to
// the control, and hands the default handling back to the widget.
class TWindowHook : public QObject {
public:
    TWindowHook(TWinControl* Control, HWND Wnd, QWidget* Widget);
    ~TWindowHook() override;

    // Routes the events of Widget, a part of the window's widget, to the same control.
    void Attach(QWidget* Widget);
    HWND Wnd() const { return FWnd; }
    QWidget* Widget() const { return FWidget; }
    // True when the widget is a wrapped Qt widget with behaviour of its own.
    bool Native() const { return FNative; }
    QMargins ClientMargins() const { return FClientMargins; }
    void SetClientMargins(const QMargins& Margins) { FClientMargins = Margins; }

    // The default handling of a message: the Qt event it came from (or one made from it) goes to
    // the widget. False when the widget has nothing for it.
    bool DefaultHandling(TMessage& Message);

    // A canvas drawing on the window outside the paint cycle: binds it to the window's image (at
    // Origin, clipped to Clip, both in client coordinates) until the next paint.
    void BindDirect(TCanvas* Canvas, const TPoint& Origin, const TRect& Clip);
    void ReleaseDirect(TCanvas* Canvas);

    // The context of the paint cycle running for the window; nil outside it.
    HDC PaintDC() const { return FPaintDC; }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool KeyEvent(QObject* Receiver, QKeyEvent* Event);
    bool MouseEvent(QObject* Receiver, QMouseEvent* Event);
    bool PaintEvent(QObject* Receiver, QEvent* Event);
    void ReleaseAllDirect();

    TWinControl* FControl;
    HWND FWnd;
    QPointer<QWidget> FWidget;
    bool FNative;
    QMargins FClientMargins;
    HDC FPaintDC = nullptr;
    std::vector<TCanvas*> FDirect;
    // The Qt event whose message is being handled, for DefaultHandling.
    QObject* FEventReceiver = nullptr;
    QEvent* FEvent = nullptr;
    // The press Qt sent before a double click, handed to a wrapped widget with the double click.
    std::unique_ptr<QMouseEvent> FPendingPress;
    // A high surrogate waiting for its low half before it goes to a wrapped widget.
    char16_t FPendingHighSurrogate = 0;
};

TWindowHook* HookOf(HWND Wnd);

// Qt key code and modifiers to a virtual key, and back.
uint16_t VirtualKeyOf(int QtKey, Qt::KeyboardModifiers Modifiers);
int QtKeyOf(uint16_t VirtKey);
// The characters a key makes on the US layout with the given shift keys; empty for none.
QString CharsOfKey(uint16_t VirtKey, bool Shift, bool Ctrl);
// The characters TranslateMessage makes of a key press (control characters for Ctrl+letter...).
QString TranslateKey(const QKeyEvent* Event, uint16_t VirtKey);
// The toolkit's cursor as a Qt cursor shape.
Qt::CursorShape CursorShapeOf(TCursor Cursor);

// The control under the mouse, for CM_MOUSEENTER / CM_MOUSELEAVE; nil when none of ours.
void TrackMouseControl(TControl* Control);
// Forgets Control when it is destroyed.
void ForgetMouseControl(TControl* Control);

}  // namespace WindowsInternal
