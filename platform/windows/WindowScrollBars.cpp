// The window's own scroll bars: range, page, position and enabled arrows per bar, Qt bars that report the user's actions as WM_HSCROLL / WM_VSCROLL.
#include "windows/private/WindowScrollBars.h"

#include "windows/Controls.h"
#include "windows/private/StockMetrics.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWidget>

#include <algorithm>

namespace WindowsInternal {
namespace {

struct TBarState {
    int32_t Min = 0;
    int32_t Max = 100;
    int32_t Page = 0;
    int32_t Pos = 0;
    int32_t TrackPos = 0;
    bool Tracking = false;
    UINT Arrows = ESB_ENABLE_BOTH;
    QPointer<QScrollBar> Widget;
};

struct TWindowBars {
    TBarState Horz;
    TBarState Vert;
    QPointer<QWidget> Corner;
    // The room the bars took from the client area when last placed.
    QMargins Applied;
};

QHash<HWND, TWindowBars>& AllBars()
{
    static QHash<HWND, TWindowBars> Instance;
    return Instance;
}

// The bars of a window we paint ourselves; nil for a dead handle or a wrapped Qt widget.
TWindowBars* BarsOf(HWND Wnd)
{
    const TWindowHook* Hook = HookOf(Wnd);
    if (!Hook || Hook->Native() || !FindWindow(Wnd)) return nullptr;
    return &AllBars()[Wnd];
}

TBarState* BarOf(HWND Wnd, int32_t Bar)
{
    TWindowBars* Bars = BarsOf(Wnd);
    if (!Bars || (Bar != SB_HORZ && Bar != SB_VERT)) return nullptr;
    return Bar == SB_VERT ? &Bars->Vert : &Bars->Horz;
}

uint32_t StyleBit(int32_t Bar)
{
    return Bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
}

bool Shown(HWND Wnd, int32_t Bar)
{
    const TWindow* Window = FindWindow(Wnd);
    return Window && (Window->Style & StyleBit(Bar));
}

// The highest position: the last one at which a whole page still fits.
int32_t MaxPos(const TBarState& State)
{
    return std::max(State.Min, State.Max - std::max(State.Page - 1, 0));
}

void Notify(HWND Wnd, int32_t Bar, int32_t Code, int32_t Pos)
{
    SendMessage(Wnd, Bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL,
                MAKEWPARAM(static_cast<uint16_t>(Code), static_cast<uint16_t>(Pos)), 0);
}

// Shows the state in the Qt bar; the bar keeps the window's position, not its own.
void ShowState(HWND Wnd, int32_t Bar)
{
    TBarState* State = BarOf(Wnd, Bar);
    if (!State || !State->Widget) return;
    QScrollBar* Widget = State->Widget;
    const QSignalBlocker Blocker(Widget);
    Widget->setRange(State->Min, MaxPos(*State));
    Widget->setPageStep(std::max(State->Page, 1));
    Widget->setValue(State->Pos);
    if (!Widget->isSliderDown()) Widget->setSliderPosition(State->Pos);
    Widget->setEnabled(State->Arrows != ESB_DISABLE_BOTH && State->Max > State->Min);
}

// A Qt bar that reports clicks and drags to the window as scroll messages.
class TBarFilter : public QObject {
public:
    TBarFilter(HWND Wnd, int32_t Bar, QObject* Parent) : QObject(Parent), FWnd(Wnd), FBar(Bar) {}

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        auto* Widget = static_cast<QScrollBar*>(Watched);
        switch (Event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            // A disabled bar keeps its clicks from the client area beneath.
            if (!Widget->isEnabled()) return true;
            break;
        default: return false;
        }
        if (Event->type() != QEvent::MouseButtonRelease) return false;
        TBarState* State = BarOf(FWnd, FBar);
        if (!State) return false;
        const HWND Wnd = FWnd;
        const int32_t Bar = FBar;
        Guarded(FindControl(Wnd), [&] {
            if (Widget->isSliderDown()) {
                const int32_t Pos = State->TrackPos;
                Notify(Wnd, Bar, SB_THUMBPOSITION, Pos);
                if (TBarState* After = BarOf(Wnd, Bar)) After->Tracking = false;
            }
            Notify(Wnd, Bar, SB_ENDSCROLL, 0);
        });
        if (TBarState* After = BarOf(Wnd, Bar)) {
            After->Tracking = false;
            // Qt ends the drag after this: the slider then stands where the window put the position.
            if (After->Widget) {
                const QSignalBlocker Blocker(After->Widget.data());
                After->Widget->setSliderPosition(After->Pos);
            }
        }
        return false;
    }

private:
    HWND FWnd;
    int32_t FBar;
};

// The square between two bars takes the clicks on it, as the window's frame does.
class TCornerFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* Event) override
    {
        switch (Event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: return true;
        default: return false;
        }
    }
};

QScrollBar* MakeBar(HWND Wnd, int32_t Bar, QWidget* Parent)
{
    auto* Widget = new QScrollBar(Bar == SB_VERT ? Qt::Vertical : Qt::Horizontal, Parent);
    Widget->setFocusPolicy(Qt::NoFocus);
    Widget->setTracking(false);
    Widget->installEventFilter(new TBarFilter(Wnd, Bar, Widget));
    QObject::connect(Widget, &QAbstractSlider::actionTriggered, Widget, [Wnd, Bar, Widget](int Action) {
        int32_t Code = -1;
        switch (Action) {
        case QAbstractSlider::SliderSingleStepAdd: Code = SB_LINEDOWN; break;
        case QAbstractSlider::SliderSingleStepSub: Code = SB_LINEUP; break;
        case QAbstractSlider::SliderPageStepAdd: Code = SB_PAGEDOWN; break;
        case QAbstractSlider::SliderPageStepSub: Code = SB_PAGEUP; break;
        case QAbstractSlider::SliderToMinimum: Code = SB_TOP; break;
        case QAbstractSlider::SliderToMaximum: Code = SB_BOTTOM; break;
        default: break;
        }
        if (Code >= 0) Guarded(FindControl(Wnd), [&] { Notify(Wnd, Bar, Code, 0); });
        // The action itself moves nothing: the slider stands at the window's position.
        if (TBarState* State = BarOf(Wnd, Bar); State && !Widget->isSliderDown()) Widget->setSliderPosition(State->Pos);
    });
    QObject::connect(Widget, &QAbstractSlider::sliderMoved, Widget, [Wnd, Bar](int Value) {
        TBarState* State = BarOf(Wnd, Bar);
        if (!State) return;
        State->Tracking = true;
        State->TrackPos = Value;
        Guarded(FindControl(Wnd), [&] { Notify(Wnd, Bar, SB_THUMBTRACK, Value); });
    });
    Widget->hide();
    return Widget;
}

}  // namespace

QMargins ScrollBarMargins(HWND Wnd)
{
    const TWindowHook* Hook = HookOf(Wnd);
    if (!Hook || Hook->Native()) return {};
    return QMargins(0, 0, Shown(Wnd, SB_VERT) ? ScrollBarExtent() : 0, Shown(Wnd, SB_HORZ) ? ScrollBarExtent() : 0);
}

void LayoutScrollBars(HWND Wnd)
{
    TWindowBars* Bars = BarsOf(Wnd);
    TWindowHook* Hook = HookOf(Wnd);
    QWidget* Parent = WidgetOf(Wnd);
    if (!Bars || !Hook || !Parent) return;
    const bool Vert = Shown(Wnd, SB_VERT);
    const bool Horz = Shown(Wnd, SB_HORZ);
    if (!Vert && !Horz && !Bars->Vert.Widget && !Bars->Horz.Widget && Bars->Applied.isNull()) return;
    const QMargins Wanted = ScrollBarMargins(Wnd);
    const QMargins Border = Hook->ClientMargins() - Bars->Applied;
    Hook->SetClientMargins(Border + Wanted);
    Bars->Applied = Wanted;
    const QRect Inside = Parent->rect().marginsRemoved(Border);
    const int32_t Extent = ScrollBarExtent();
    const auto Place = [&](int32_t Bar, bool Show, const QRect& Geometry) {
        TBarState& State = Bar == SB_VERT ? Bars->Vert : Bars->Horz;
        if (Show && !State.Widget) State.Widget = MakeBar(Wnd, Bar, Parent);
        if (!State.Widget) return;
        State.Widget->setGeometry(Geometry);
        State.Widget->setVisible(Show);
        ShowState(Wnd, Bar);
    };
    Place(SB_VERT, Vert,
          QRect(Inside.right() + 1 - Extent, Inside.top(), Extent, Inside.height() - (Horz ? Extent : 0)));
    Place(SB_HORZ, Horz,
          QRect(Inside.left(), Inside.bottom() + 1 - Extent, Inside.width() - (Vert ? Extent : 0), Extent));
    // The square between two bars.
    if (Vert && Horz && !Bars->Corner) {
        Bars->Corner = new QWidget(Parent);
        Bars->Corner->installEventFilter(new TCornerFilter(Bars->Corner));
        Bars->Corner->setAutoFillBackground(true);
        QPalette Palette = Bars->Corner->palette();
        Palette.setColor(QPalette::Window, Palette.color(QPalette::Button));
        Bars->Corner->setPalette(Palette);
    }
    if (Bars->Corner) {
        Bars->Corner->setGeometry(Inside.right() + 1 - Extent, Inside.bottom() + 1 - Extent, Extent, Extent);
        Bars->Corner->setVisible(Vert && Horz);
    }
}

void ForgetScrollBars(HWND Wnd)
{
    AllBars().remove(Wnd);
}

QScrollBar* ScrollBarWidget(HWND Wnd, int32_t Bar)
{
    TBarState* State = BarOf(Wnd, Bar);
    return State && Shown(Wnd, Bar) ? State->Widget.data() : nullptr;
}

namespace {

// Shows or hides bars by their style bits; a change of the client area reaches the window as WM_SIZE.
void ChangeShown(HWND Wnd, uint32_t Bits, bool Show)
{
    TWindow* Window = FindWindow(Wnd);
    if (!Window || !BarsOf(Wnd)) return;
    const uint32_t Old = Window->Style;
    Window->Style = Show ? (Old | Bits) : (Old & ~Bits);
    if (Window->Style == Old) return;
    LayoutScrollBars(Wnd);
    if (QWidget* Widget = WidgetOf(Wnd)) Widget->update();
    if (TWinControl* Control = Window->Control) {
        const TRect Client = Control->ClientRect();
        Control->Perform(WM_SIZE, SIZE_RESTORED,
                         MAKELPARAM(static_cast<uint16_t>(Client.Width()), static_cast<uint16_t>(Client.Height())));
    }
}

}  // namespace

}  // namespace WindowsInternal

using namespace WindowsInternal;

int32_t SetScrollInfo(HWND Wnd, int32_t Bar, const SCROLLINFO& Info, bool)
{
    TBarState* State = BarOf(Wnd, Bar);
    if (!State) return 0;
    if (Info.fMask & SIF_RANGE) {
        State->Min = Info.nMin;
        State->Max = std::max(Info.nMax, Info.nMin);
    }
    if (Info.fMask & SIF_PAGE) State->Page = static_cast<int32_t>(std::min<UINT>(Info.nPage, 0x7FFFFFFF));
    State->Page = std::clamp(State->Page, 0, State->Max - State->Min + 1);
    if (Info.fMask & SIF_POS) State->Pos = Info.nPos;
    State->Pos = std::clamp(State->Pos, State->Min, MaxPos(*State));
    const int32_t Pos = State->Pos;
    if (Info.fMask & (SIF_RANGE | SIF_PAGE)) {
        const bool Needed = State->Max > State->Min && State->Page <= State->Max - State->Min;
        if (Info.fMask & SIF_DISABLENOSCROLL) {
            State->Arrows = Needed ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
            ChangeShown(Wnd, StyleBit(Bar), true);
        } else {
            if (Needed) State->Arrows = ESB_ENABLE_BOTH;
            ChangeShown(Wnd, StyleBit(Bar), Needed);
        }
    }
    ShowState(Wnd, Bar);
    return Pos;
}

bool GetScrollInfo(HWND Wnd, int32_t Bar, SCROLLINFO& Info)
{
    const TBarState* State = BarOf(Wnd, Bar);
    if (!State) return false;
    if (Info.fMask & SIF_RANGE) {
        Info.nMin = State->Min;
        Info.nMax = State->Max;
    }
    if (Info.fMask & SIF_PAGE) Info.nPage = static_cast<UINT>(State->Page);
    if (Info.fMask & SIF_POS) Info.nPos = State->Pos;
    if (Info.fMask & SIF_TRACKPOS) Info.nTrackPos = State->Tracking ? State->TrackPos : State->Pos;
    return true;
}

int32_t SetScrollPos(HWND Wnd, int32_t Bar, int32_t Pos, bool Redraw)
{
    const int32_t Old = GetScrollPos(Wnd, Bar);
    SCROLLINFO Info;
    Info.fMask = SIF_POS;
    Info.nPos = Pos;
    SetScrollInfo(Wnd, Bar, Info, Redraw);
    return Old;
}

int32_t GetScrollPos(HWND Wnd, int32_t Bar)
{
    const TBarState* State = BarOf(Wnd, Bar);
    return State ? State->Pos : 0;
}

bool SetScrollRange(HWND Wnd, int32_t Bar, int32_t MinPos, int32_t MaxPos, bool Redraw)
{
    if (!BarOf(Wnd, Bar)) return false;
    SCROLLINFO Info;
    Info.fMask = SIF_RANGE;
    Info.nMin = MinPos;
    Info.nMax = MaxPos;
    SetScrollInfo(Wnd, Bar, Info, Redraw);
    return true;
}

bool GetScrollRange(HWND Wnd, int32_t Bar, int32_t& MinPos, int32_t& MaxPos)
{
    const TBarState* State = BarOf(Wnd, Bar);
    if (!State) return false;
    MinPos = State->Min;
    MaxPos = State->Max;
    return true;
}

bool ShowScrollBar(HWND Wnd, int32_t Bar, bool Show)
{
    if (!BarsOf(Wnd)) return false;
    uint32_t Bits = 0;
    if (Bar == SB_BOTH || Bar == SB_VERT) Bits |= WS_VSCROLL;
    if (Bar == SB_BOTH || Bar == SB_HORZ) Bits |= WS_HSCROLL;
    ChangeShown(Wnd, Bits, Show);
    return Bits != 0;
}

bool EnableScrollBar(HWND Wnd, UINT Bar, UINT Arrows)
{
    bool Changed = false;
    for (const int32_t Each : {SB_HORZ, SB_VERT}) {
        if (static_cast<int32_t>(Bar) != SB_BOTH && static_cast<int32_t>(Bar) != Each) continue;
        TBarState* State = BarOf(Wnd, Each);
        if (!State || State->Arrows == Arrows) continue;
        State->Arrows = Arrows;
        ShowState(Wnd, Each);
        Changed = true;
    }
    return Changed;
}
