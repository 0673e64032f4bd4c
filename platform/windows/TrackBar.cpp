// The track bar over a Qt slider.
#include "windows/ComCtrls.h"

#include "windows/private/Notify.h"
#include "windows/private/ScrollCodes.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <QSlider>

#include <algorithm>

using namespace WindowsInternal;

// ---- Track bar ----

struct TTrackBar::TParts {
    QPointer<QSlider> Slider;
    // The scroll code of the user's action now moving the slider.
    int32_t Action = -1;
    bool MousePressed = false;
};

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner), FParts(std::make_unique<TParts>())
{
    SetTabStop(true);
    SetBounds(0, 0, 150, 45);
}

TTrackBar::~TTrackBar() = default;

void TTrackBar::SetMin(int32_t Value)
{
    FMin = Value;
    FPosition = std::clamp(FPosition, FMin, std::max(FMin, FMax));
    UpdateSlider();
}

void TTrackBar::SetMax(int32_t Value)
{
    FMax = Value;
    FPosition = std::clamp(FPosition, FMin, std::max(FMin, FMax));
    UpdateSlider();
}

void TTrackBar::SetPosition(int32_t Value)
{
    const int32_t Old = FPosition;
    Perform(TBM_SETPOS, 1, Value);
    if (FPosition != Old) Changed();
}

void TTrackBar::SetFrequency(int32_t Value)
{
    FFrequency = Value;
    UpdateSlider();
}

void TTrackBar::SetLineSize(int32_t Value)
{
    FLineSize = Value;
    UpdateSlider();
}

void TTrackBar::SetPageSize(int32_t Value)
{
    FPageSize = Value;
    UpdateSlider();
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value)
{
    if (FOrientation == Value) return;
    FOrientation = Value;
    SetBounds(Left(), Top(), Height(), Width());
    UpdateSlider();
}

void TTrackBar::SetTickMarks(TTickMark Value)
{
    FTickMarks = Value;
    UpdateSlider();
}

void TTrackBar::SetTickStyle(TTickStyle Value)
{
    FTickStyle = Value;
    UpdateSlider();
}

void TTrackBar::UpdateSlider()
{
    QSlider* Slider = FParts->Slider;
    if (!Slider) return;
    const QSignalBlocker Blocker(Slider);
    Slider->setOrientation(FOrientation == trHorizontal ? Qt::Horizontal : Qt::Vertical);
    // The system's vertical track bar has its minimum at the top.
    Slider->setInvertedAppearance(FOrientation == trVertical);
    Slider->setRange(FMin, std::max(FMin, FMax));
    Slider->setSingleStep(FLineSize);
    Slider->setPageStep(FPageSize);
    Slider->setValue(FPosition);
    const QSlider::TickPosition Ticks = FTickMarks == tmBoth ? QSlider::TicksBothSides
                                      : FTickMarks == tmTopLeft ? QSlider::TicksAbove
                                                                : QSlider::TicksBelow;
    Slider->setTickPosition(FTickStyle == tsNone ? QSlider::NoTicks : Ticks);
    // Manual ticks are the ends alone.
    Slider->setTickInterval(FTickStyle == tsManual ? std::max(FMax - FMin, 1) : std::max(FFrequency, 1));
}

void TTrackBar::CreateWindowWidget(TWidgetRequest& Request)
{
    QWidget* ParentWidget = Request.Parent;
    auto* Slider = new QSlider(ParentWidget);
    FParts->Slider = Slider;
    QObject::connect(Slider, &QAbstractSlider::actionTriggered, Slider, [this](int Action) { FParts->Action = ScrollCodeOf(Action); });
    QObject::connect(Slider, &QAbstractSlider::valueChanged, Slider, [this](int Value) {
        Guarded(this, [&] {
            FPosition = Value;
            NotifyScroll(this, FOrientation == trVertical, FParts->Action >= 0 ? FParts->Action : TB_THUMBTRACK, Value);
        });
    });
    QObject::connect(Slider, &QAbstractSlider::sliderReleased, Slider,
                     [this] { Guarded(this, [this] { NotifyScroll(this, FOrientation == trVertical, TB_THUMBPOSITION, FPosition); }); });
    UpdateSlider();
    Request.Widget = Slider;
}

void TTrackBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
        FPosition = static_cast<int32_t>(Perform(TBM_GETPOS, 0, 0));
        Changed();
        Message.Result = 0;
        break;
    default: TWinControl::Dispatch(Message); break;
    }
}

void TTrackBar::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case TBM_GETPOS: Message.Result = FPosition; return;
    case TBM_SETPOS:
        FPosition = std::clamp(static_cast<int32_t>(Message.LParam), FMin, std::max(FMin, FMax));
        UpdateSlider();
        return;
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
    case WM_KEYDOWN: {
        const int32_t Code = ScrollCodeOfKey(static_cast<uint16_t>(Message.WParam));
        if (Code < 0) break;
        const int32_t Steps[] = {-FLineSize, FLineSize, -FPageSize, FPageSize};
        const int32_t Target = Code == TB_TOP ? FMin : Code == TB_BOTTOM ? FMax : FPosition + Steps[Code];
        Perform(TBM_SETPOS, 1, Target);
        NotifyScroll(this, FOrientation == trVertical, Code, FPosition);
        return;
    }
    case WM_KEYUP:
        if (ScrollCodeOfKey(static_cast<uint16_t>(Message.WParam)) < 0) break;
        NotifyScroll(this, FOrientation == trVertical, TB_ENDTRACK, FPosition);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        FParts->Action = -1;
        TWinControl::DefaultHandler(Message);
        const bool Released = Message.Msg == WM_LBUTTONUP && FParts->MousePressed;
        FParts->MousePressed = Message.Msg == WM_LBUTTONDOWN;
        if (Released) NotifyScroll(this, FOrientation == trVertical, TB_ENDTRACK, FPosition);
        return;
    }
    default: break;
    }
    TWinControl::DefaultHandler(Message);
}

void TTrackBar::Changed()
{
    if (OnChange) OnChange(this);
}
