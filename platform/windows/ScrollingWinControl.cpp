// TScrollingWinControl: scroll bars of Qt's along the right and bottom edges, ranges from the children, scrolling them.
#include "windows/ScrollingWinControl.h"

#include "windows/private/StockMetrics.h"
#include "windows/private/Window.h"

#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWidget>

#include <algorithm>

using namespace WindowsInternal;

// ---- One bar ----

TControlScrollBar::TControlScrollBar(TScrollingWinControl* Control, TScrollBarKind Kind) : FControl(Control), FKind(Kind)
{
}

int32_t TControlScrollBar::ClientExtent() const
{
    const TRect Client = FControl->ClientRect();
    return FKind == sbVertical ? Client.Height() : Client.Width();
}

int32_t TControlScrollBar::MaxPosition() const
{
    return std::max(0, FRange - ClientExtent());
}

void TControlScrollBar::SetPosition(int32_t Value)
{
    Value = std::clamp(Value, 0, MaxPosition());
    if (Value == FPosition) return;
    const int32_t Delta = Value - FPosition;
    FPosition = Value;
    if (FKind == sbVertical) FControl->ScrollBy(0, -Delta);
    else FControl->ScrollBy(-Delta, 0);
    FControl->ShowBars();
}

void TControlScrollBar::SetRange(int32_t Value)
{
    FRange = std::max(Value, 0);
    FControl->UpdateScrollBars();
}

void TControlScrollBar::SetMargin(int32_t Value)
{
    FMargin = Value;
    FControl->UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool Value)
{
    FVisible = Value;
    FControl->UpdateScrollBars();
}

void TControlScrollBar::ScrollMessage(int32_t Code, int32_t Pos)
{
    const int32_t Page = std::max(1, ClientExtent() * 9 / 10);
    switch (Code) {
    case SB_LINEUP: SetPosition(FPosition - FIncrement); break;
    case SB_LINEDOWN: SetPosition(FPosition + FIncrement); break;
    case SB_PAGEUP: SetPosition(FPosition - Page); break;
    case SB_PAGEDOWN: SetPosition(FPosition + Page); break;
    case SB_THUMBPOSITION: SetPosition(Pos); break;
    case SB_THUMBTRACK:
        if (FTracking) SetPosition(Pos);
        break;
    case SB_TOP: SetPosition(0); break;
    case SB_BOTTOM: SetPosition(MaxPosition()); break;
    default: break;
    }
}

// ---- The control ----

// The Qt scroll bars: they do not move by themselves; a user's action comes as WM_HSCROLL /
// WM_VSCROLL, and the bar then shows the control's position.
struct TScrollingWinControl::TBars {
    QPointer<QScrollBar> Horz;
    QPointer<QScrollBar> Vert;
};

namespace {

QScrollBar* MakeBar(TScrollingWinControl* Control, Qt::Orientation Orientation)
{
    auto* Bar = new QScrollBar(Orientation, WidgetOf(Control->Handle()));
    Bar->setFocusPolicy(Qt::NoFocus);
    Bar->hide();
    const UINT Msg = Orientation == Qt::Vertical ? WM_VSCROLL : WM_HSCROLL;
    const HWND Wnd = Control->Handle();
    const auto Send = [Wnd, Msg](int32_t Code, int32_t Pos) {
        SendMessage(Wnd, Msg, MAKEWPARAM(static_cast<uint16_t>(Code), static_cast<uint16_t>(Pos)), 0);
    };
    QObject::connect(Bar, &QAbstractSlider::actionTriggered, Bar, [Bar, Send](int Action) {
        switch (Action) {
        case QAbstractSlider::SliderSingleStepAdd: Send(SB_LINEDOWN, 0); break;
        case QAbstractSlider::SliderSingleStepSub: Send(SB_LINEUP, 0); break;
        case QAbstractSlider::SliderPageStepAdd: Send(SB_PAGEDOWN, 0); break;
        case QAbstractSlider::SliderPageStepSub: Send(SB_PAGEUP, 0); break;
        case QAbstractSlider::SliderToMinimum: Send(SB_TOP, 0); break;
        case QAbstractSlider::SliderToMaximum: Send(SB_BOTTOM, 0); break;
        case QAbstractSlider::SliderMove: Send(SB_THUMBTRACK, Bar->sliderPosition()); break;
        default: return;
        }
        // The bar keeps the control's position, not its own.
        Bar->setSliderPosition(Bar->value());
    });
    QObject::connect(Bar, &QAbstractSlider::sliderReleased, Bar, [Bar, Send] {
        Send(SB_THUMBPOSITION, Bar->sliderPosition());
        Send(SB_ENDSCROLL, 0);
    });
    return Bar;
}

}  // namespace

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner), FHorzScrollBar(std::make_unique<TControlScrollBar>(this, sbHorizontal)),
      FVertScrollBar(std::make_unique<TControlScrollBar>(this, sbVertical)), FBars(std::make_unique<TBars>())
{
    FControlStyle.Include(csAcceptsControls);
}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::SetAutoScroll(bool Value)
{
    FAutoScroll = Value;
    UpdateScrollBars();
}

TRect TScrollingWinControl::ClientRect() const
{
    TRect Rect = TWinControl::ClientRect();
    if (FVertScrollBar && FVertScrollBar->FShown) Rect.Right = std::max(0, Rect.Right - ScrollBarExtent());
    if (FHorzScrollBar && FHorzScrollBar->FShown) Rect.Bottom = std::max(0, Rect.Bottom - ScrollBarExtent());
    return Rect;
}

void TScrollingWinControl::ScrollBy(int32_t DeltaX, int32_t DeltaY)
{
    if (DeltaX == 0 && DeltaY == 0) return;
    const bool Updating = std::exchange(FUpdating, true);
    DisableAlign();
    for (int32_t I = 0; I < ControlCount(); ++I) {
        TControl* Child = Controls(I);
        Child->SetBounds(Child->Left() + DeltaX, Child->Top() + DeltaY, Child->Width(), Child->Height());
    }
    EnableAlign();
    FUpdating = Updating;
    Invalidate();
}

void TScrollingWinControl::UpdateScrollBars()
{
    if (FUpdating) return;
    FUpdating = true;
    if (FAutoScroll) {
        int32_t Right = 0, Bottom = 0;
        for (int32_t I = 0; I < ControlCount(); ++I) {
            const TControl* Child = Controls(I);
            if (!Child->Visible()) continue;
            Right = std::max(Right, Child->Left() + Child->Width() + FHorzScrollBar->FPosition);
            Bottom = std::max(Bottom, Child->Top() + Child->Height() + FVertScrollBar->FPosition);
        }
        FHorzScrollBar->FRange = Right > 0 ? Right + FHorzScrollBar->FMargin : 0;
        FVertScrollBar->FRange = Bottom > 0 ? Bottom + FVertScrollBar->FMargin : 0;
    }
    // A bar shows when its range exceeds the client area, which the other bar may narrow.
    const TRect Whole = TWinControl::ClientRect();
    bool Vert = false, Horz = false;
    for (int Pass = 0; Pass < 2; ++Pass) {
        Vert = FVertScrollBar->FVisible && FVertScrollBar->FRange > Whole.Height() - (Horz ? ScrollBarExtent() : 0);
        Horz = FHorzScrollBar->FVisible && FHorzScrollBar->FRange > Whole.Width() - (Vert ? ScrollBarExtent() : 0);
    }
    FVertScrollBar->FShown = Vert;
    FHorzScrollBar->FShown = Horz;
    FUpdating = false;
    // A position past the new end comes back.
    for (TControlScrollBar* Bar : {FVertScrollBar.get(), FHorzScrollBar.get()})
        if (Bar->FPosition > Bar->MaxPosition()) Bar->SetPosition(Bar->MaxPosition());
    ShowBars();
}

void TScrollingWinControl::ShowBars()
{
    if (!HandleAllocated() || !FBars->Vert || !FBars->Horz) return;
    const TRect Client = ClientRect();
    const int32_t Extent = ScrollBarExtent();
    const auto Place = [&](QScrollBar* Bar, const TControlScrollBar* Info, const QRect& Geometry) {
        const QSignalBlocker Blocker(Bar);
        Bar->setRange(0, Info->MaxPosition());
        Bar->setPageStep(std::max(1, Info->ClientExtent()));
        Bar->setSingleStep(Info->FIncrement);
        Bar->setValue(Info->FPosition);
        Bar->setGeometry(Geometry);
        Bar->setVisible(Info->FShown);
    };
    Place(FBars->Vert, FVertScrollBar.get(), QRect(Client.Right, 0, Extent, Client.Bottom));
    Place(FBars->Horz, FHorzScrollBar.get(), QRect(0, Client.Bottom, Client.Right, Extent));
}

void TScrollingWinControl::CreateWnd()
{
    TWinControl::CreateWnd();
    FBars->Vert = MakeBar(this, Qt::Vertical);
    FBars->Horz = MakeBar(this, Qt::Horizontal);
    UpdateScrollBars();
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect)
{
    TWinControl::AlignControls(AControl, Rect);
    UpdateScrollBars();
}

void TScrollingWinControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (Message.LParam != 0) {
            TWinControl::Dispatch(Message);
            break;
        }
        (Message.Msg == WM_VSCROLL ? FVertScrollBar : FHorzScrollBar)->ScrollMessage(TWMScroll(Message).ScrollCode(), TWMScroll(Message).Pos());
        break;
    case WM_SIZE:
        TWinControl::Dispatch(Message);
        UpdateScrollBars();
        break;
    default: TWinControl::Dispatch(Message); break;
    }
}
