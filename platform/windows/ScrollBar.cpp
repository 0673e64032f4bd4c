// The scroll bar over a Qt scroll bar.
#include "windows/ComCtrls.h"

#include "windows/private/Notify.h"
#include "windows/private/ScrollCodes.h"
#include "windows/private/StockMetrics.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <QScrollBar>

#include <algorithm>

using namespace WindowsInternal;

// ---- Scroll bar ----

struct TScrollBar::TParts {
    QPointer<QScrollBar> Bar;
    // A scroll by the user: the bar's own move is replaced by the position it leads to.
    bool Scrolling = false;
    int32_t TrackPos = 0;
    bool MousePressed = false;
};

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner), FParts(std::make_unique<TParts>())
{
    SetTabStop(true);
    SetBounds(0, 0, 121, ScrollBarExtent());
}

TScrollBar::~TScrollBar() = default;

void TScrollBar::SetKind(TScrollBarKind Value)
{
    if (FKind == Value) return;
    FKind = Value;
    SetBounds(Left(), Top(), Height(), Width());
    UpdateBar();
}

void TScrollBar::SetParams(int32_t APosition, int32_t AMin, int32_t AMax)
{
    if (AMax < AMin || AMax < FPageSize) throw EInvalidOperation(QStringLiteral("Scroll bar property out of range"));
    FMin = AMin;
    FMax = AMax;
    const int32_t Position = std::clamp(APosition, AMin, AMax);
    const bool Moved = Position != FPosition;
    FPosition = Position;
    UpdateBar();
    if (Moved) Change();
}

void TScrollBar::SetLargeChange(int32_t Value)
{
    FLargeChange = Value;
    UpdateBar();
}

void TScrollBar::SetPageSize(int32_t Value)
{
    if (Value < 0 || Value > FMax - FMin + 1) throw EInvalidOperation(QStringLiteral("Scroll bar property out of range"));
    FPageSize = Value;
    UpdateBar();
}

void TScrollBar::UpdateBar()
{
    QScrollBar* Bar = FParts->Bar;
    if (!Bar) return;
    const QSignalBlocker Blocker(Bar);
    Bar->setOrientation(FKind == sbHorizontal ? Qt::Horizontal : Qt::Vertical);
    Bar->setRange(FMin, std::max(FMin, FMax - std::max(FPageSize - 1, 0)));
    Bar->setSingleStep(FSmallChange);
    Bar->setPageStep(FPageSize > 0 ? FPageSize : FLargeChange);
    Bar->setValue(FPosition);
}

void TScrollBar::CreateWindowWidget(TWidgetRequest& Request)
{
    QWidget* ParentWidget = Request.Parent;
    auto* Bar = new QScrollBar(ParentWidget);
    FParts->Bar = Bar;
    QObject::connect(Bar, &QAbstractSlider::actionTriggered, Bar, [this](int Action) {
        const int32_t Code = ScrollCodeOf(Action);
        if (Code < 0) return;
        Guarded(this, [&] {
            FParts->TrackPos = FParts->Bar->sliderPosition();
            NotifyScroll(this, FKind == sbVertical, Code, FParts->TrackPos);
        });
        // The bar moves where the scroll led, not where Qt would have put it.
        if (FParts->Bar) FParts->Bar->setSliderPosition(FPosition);
    });
    QObject::connect(Bar, &QAbstractSlider::sliderReleased, Bar, [this] {
        Guarded(this, [this] {
            FParts->TrackPos = FParts->Bar->sliderPosition();
            NotifyScroll(this, FKind == sbVertical, SB_THUMBPOSITION, FParts->TrackPos);
        });
    });
    UpdateBar();
    Request.Widget = Bar;
}

void TScrollBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL: DoScroll(TWMScroll(Message)); break;
    default: TWinControl::Dispatch(Message); break;
    }
}

// The position a scroll code leads to, which OnScroll may change, becomes Position.
void TScrollBar::DoScroll(TWMScroll Message)
{
    int32_t NewPos = FPosition;
    switch (Message.ScrollCode()) {
    case SB_LINEUP: NewPos -= FSmallChange; break;
    case SB_LINEDOWN: NewPos += FSmallChange; break;
    case SB_PAGEUP: NewPos -= FPageSize > 0 ? FPageSize : FLargeChange; break;
    case SB_PAGEDOWN: NewPos += FPageSize > 0 ? FPageSize : FLargeChange; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: NewPos = FParts->TrackPos; break;
    case SB_TOP: NewPos = FMin; break;
    case SB_BOTTOM: NewPos = FMax; break;
    default: break;
    }
    int32_t ScrollPos = std::clamp(NewPos, FMin, std::max(FMin, FMax - std::max(FPageSize - 1, 0)));
    Scroll(static_cast<TScrollCode>(Message.ScrollCode()), ScrollPos);
    SetPosition(ScrollPos);
}

void TScrollBar::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
    case WM_KEYDOWN: {
        const int32_t Code = ScrollCodeOfKey(static_cast<uint16_t>(Message.WParam));
        if (Code < 0) break;
        FParts->TrackPos = FPosition;
        NotifyScroll(this, FKind == sbVertical, Code, FPosition);
        return;
    }
    case WM_KEYUP:
        if (ScrollCodeOfKey(static_cast<uint16_t>(Message.WParam)) < 0) break;
        NotifyScroll(this, FKind == sbVertical, SB_ENDSCROLL, FPosition);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        TWinControl::DefaultHandler(Message);
        const bool Released = Message.Msg == WM_LBUTTONUP && FParts->MousePressed;
        FParts->MousePressed = Message.Msg == WM_LBUTTONDOWN;
        if (Released) NotifyScroll(this, FKind == sbVertical, SB_ENDSCROLL, FPosition);
        return;
    }
    default: break;
    }
    TWinControl::DefaultHandler(Message);
}

void TScrollBar::Change()
{
    if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int32_t& ScrollPos)
{
    if (OnScroll) OnScroll(this, ScrollCode, ScrollPos);
}
