// TExtWatch: construction, time and AM flag, geometry, point to minute and hour, hand setting and sweeps, mouse and keys.
#include "dropdown/AnalogClock.h"

#include "dropdown/DropDownUtil.h"
#include "dropdown/ScopedFlag.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/Exceptions.h"
#include "rtl/NumConv.h"
#include "windows/Forms.h"
#include "windows/Timer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

int32_t Round(long double Value)
{
    return static_cast<int32_t>(RoundHalfEven(Value));
}

std::unique_ptr<TTimer> MakeTimer(uint32_t Interval, bool Enabled, std::function<void()> Tick)
{
    auto Timer = std::make_unique<TTimer>(nullptr);
    Timer->SetEnabled(false);
    Timer->SetInterval(Interval);
    Timer->OnTimer = [Tick = std::move(Tick)](TObject*) { Tick(); };
    Timer->SetEnabled(Enabled);
    return Timer;
}

}  // namespace

TExtWatch::TExtWatch(TComponent* AOwner)
    : TCustomControl(AOwner), FAppearance(std::make_unique<TWatchAppearance>()),
      FSettings(std::make_unique<TWatchSettings>()), FBKGCache(std::make_unique<TBitmap>())
{
    FAppearance->OnChange = [this](TObject*) { Invalidate(); };
    FSettings->OnChange = [this](TObject*) { SettingsChanged(); };
    FWatchTimer = MakeTimer(100, FSettings->Auto(), [this] { RepaintHands(); });
    FAnimationTimer = MakeTimer(1, false, [this] { AnimationTick(); });
    FSlideTimer = MakeTimer(10, false, [this] { SlideTick(); });
    SetWidth(180);
    SetHeight(180);
    FBKGCache->SetSize(180, 180);
}

TExtWatch::~TExtWatch() = default;

bool TExtWatch::Designing() const
{
    return ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading);
}

void TExtWatch::Changed()
{
    if (OnChange) OnChange(this);
}

bool TExtWatch::Animating() const
{
    return FAnimationTimer->Enabled();
}

// ---- Time and the AM flag ----

TDateTime TExtWatch::ShownTime() const
{
    return FSettings->Auto() ? Now() + FSettings->TimeOffset() / 1440.0 : FTime;
}

void TExtWatch::SetTime(TDateTime Value)
{
    if (Value == FTime) return;
    SetTimeValue(Value);
    RepaintHands();
}

void TExtWatch::SetTimeValue(TDateTime Value)
{
    if (Value == FTime) return;
    FTime = Value;
    uint16_t Hour, Min, Sec, MSec;
    DecodeTime(Value, Hour, Min, Sec, MSec);
    FollowAM(Hour < 12);
}

void TExtWatch::FollowAM(bool Value)
{
    const TScopedFlag Internal(FInternalSet);
    SetAM(Value);
}

void TExtWatch::SetAM(bool Value)
{
    if (Value == FAM) return;
    FAM = Value;
    if (FAnimation && FShowAMPM && FAppearance->AMPMColor() != clNone && !FInternalSet) {
        StartSlide();
        return;
    }
    if (HandleAllocated()) PaintAll();
}

void TExtWatch::SetShowAMPM(bool Value)
{
    if (FShowAMPM == Value) return;
    FShowAMPM = Value;
    Invalidate();
}

void TExtWatch::SetShowNumbers(bool Value)
{
    if (FShowNumbers == Value) return;
    FShowNumbers = Value;
    Invalidate();
}

void TExtWatch::SettingsChanged()
{
    FWatchTimer->SetEnabled(FSettings->Auto());
    if (FSettings->Auto()) {
        SetTime(Now());
        uint16_t Hour, Min, Sec, MSec;
        DecodeTime(Now(), Hour, Min, Sec, MSec);
        FollowAM(Hour < 12);
    }
    Invalidate();
}

// ---- Geometry ----

TRect TExtWatch::FaceRect() const
{
    const TRect Client = ClientRect();
    const int32_t W = Client.Width();
    const int32_t H = Client.Height();
    const int32_t Size = FAppearance->Size() > 0 ? std::min({FAppearance->Size(), W, H}) : std::min(W, H) - 20;
    const int32_t Left = Client.Left + (W - Size) / 2;
    const int32_t Top = Client.Top + (H - Size) / 2;
    return Rect(Left, Top, Left + Size, Top + Size);
}

TPoint TExtWatch::FaceCenter() const
{
    const TRect Face = FaceRect();
    return {Face.Left + (Face.Right - Face.Left) / 2, Face.Top + (Face.Bottom - Face.Top) / 2};
}

double TExtWatch::FaceRadius() const
{
    return FaceRect().Width() / 2;
}

TRect TExtWatch::AMPMRect() const
{
    if (!FShowAMPM) return Rect(-1, -1, -1, -1);
    TBitmap Measure;
    Measure.SetSize(1, 1);
    Measure.Canvas()->Font()->Assign(FAppearance->AMPMFont());
    const TSize Extent = GetTextSize(Measure.Canvas(), QStringLiteral("AM"));
    const TPoint C = FaceCenter();
    const int32_t W = Extent.cx + 8;
    const int32_t Left = C.X - W / 2;
    const int32_t Top = Round((FaceRadius() - Extent.cy) / 3) + C.Y;
    return Rect(Left, Top, Left + W, Top + Extent.cy);
}

int32_t TExtWatch::PointToMinute(int32_t X, int32_t Y) const
{
    const TPoint C = FaceCenter();
    const int32_t DY = std::max(std::abs(C.Y - Y), 1);
    const int32_t DX = std::max(std::abs(C.X - X), 1);
    const int32_t F = Round(std::atan(double(DY) / DX) * 180 / std::numbers::pi / 6);
    int32_t M;
    if (X >= C.X && Y >= C.Y) M = F + 15;
    else if (X <= C.X && Y >= C.Y) M = 45 - F;
    else if (X <= C.X && Y <= C.Y) M = F + 45;
    else M = 15 - F;
    return M < 0 || M > 59 ? 0 : M;
}

int32_t TExtWatch::PointToHour(int32_t X, int32_t Y) const
{
    // Minutes 58 and 59 round to 12 o'clock, which stays in the half of the day shown.
    const int32_t C = Round(PointToMinute(X, Y) / 5.0L) % 12;
    if (C <= 0) return FAM ? 0 : 12;
    return FAM ? C : C + 12;
}

// ---- Setting the hands ----

void TExtWatch::ApplyTime(uint16_t Hour, uint16_t Minute, uint16_t Second, uint16_t MSec)
{
    SetTimeValue(EncodeTime(Hour, Minute, Second, MSec));
    RepaintHands();
}

void TExtWatch::SetHour(uint8_t Value)
{
    uint16_t H, M, S, MS;
    DecodeTime(ShownTime(), H, M, S, MS);
    if (Value == H) return;
    if (!FAnimation || FInternalCall || Designing()) {
        ApplyTime(Value, M, S, MS);
        // A step of a sweep counts only when it arrives.
        if (!FAnimationStep || Value == FCurrentHourTo) Changed();
        return;
    }
    EndAnimation();
    FCurrentHourTo = Value;
    StartAnimation(true);
}

void TExtWatch::SetMinute(uint8_t Value)
{
    uint16_t H, M, S, MS;
    DecodeTime(ShownTime(), H, M, S, MS);
    if (Value >= 60) throw Exception(QStringLiteral("Invalid time"));
    if (Value == M) return;
    if (FAnimation && !FInternalCall && !Designing()) {
        EndAnimation();
        FCurrentMinuteTo = Value;
        FMinuteFrom = uint8_t(M);
        StartAnimation(false);
        return;
    }
    if (!FAnimation) FMinuteFrom = uint8_t(M);
    if (Value == 0 && FMinuteFrom > 30) {
        H = H + 1 == 24 ? 0 : H + 1;
        FMinuteFrom = 0;
    }
    ApplyTime(H, Value, S, MS);
    if (!FAnimationStep || Value == FCurrentMinuteTo) Changed();
}

void TExtWatch::StartAnimation(bool Hour)
{
    FHourAnimating = Hour;
    FAnimationMoved = false;
    FAnimationTimer->SetEnabled(true);
}

void TExtWatch::EndAnimation()
{
    if (!FAnimationTimer->Enabled()) return;
    FAnimationTimer->SetEnabled(false);
    if (FAnimationMoved) Changed();
}

void TExtWatch::AnimationTick()
{
    if (!FAnimation || Designing()) return;
    uint16_t H, M, S, MS;
    DecodeTime(ShownTime(), H, M, S, MS);
    const int32_t Current = FHourAnimating ? H : M;
    const int32_t Target = FHourAnimating ? FCurrentHourTo : FCurrentMinuteTo;
    // A factor of 0 moves the hand in one step, as 1 does.
    const long double Factor = FAnimationFactor == 0 ? 1 : FAnimationFactor;
    int32_t Next = Target;
    if (Current == Target) {
        FAnimationTimer->SetEnabled(false);
    } else if (FHourAnimating) {
        // Straight towards the target, without passing midnight.
        const int32_t Step = std::max(Round(std::abs(Target - Current) / Factor), 1);
        Next = Current < Target ? std::min(Current + Step, Target) : std::max(Current - Step, Target);
    } else {
        // Forward through 12 o'clock to a target of 0 from the second half of the hour.
        const bool ThroughTwelve = Target == 0 && Current > 30;
        const int32_t Step = std::max(Round((ThroughTwelve ? 60 - Current : std::abs(Target - Current)) / Factor), 1);
        Next = Current < Target || ThroughTwelve ? Current + Step : Current - Step;
        if (Next >= 60 || Next < 0) Next = 0;
    }
    if (Current != Target) FAnimationMoved = Next != Target;
    const TScopedFlag Internal(FInternalCall);
    const TScopedFlag Step(FAnimationStep);
    try {
        if (FHourAnimating) SetHour(uint8_t(Next));
        else SetMinute(uint8_t(Next));
    } catch (...) {
        FAnimationTimer->SetEnabled(false);
        throw;
    }
}

// ---- Input ----

void TExtWatch::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FSettings->Auto()) return;
    const TRect Face = FaceRect();
    const double RX = Face.Width() / 2.0;
    const double RY = Face.Height() / 2.0;
    const double DX = (X - (Face.Left + RX)) / RX;
    const double DY = (Y - (Face.Top + RY)) / RY;
    if (RX <= 0 || RY <= 0 || DX * DX + DY * DY > 1) {
        SetMinute(uint8_t(PointToMinute(X, Y)));
    } else if (PtInRect(AMPMRect(), Point(X, Y))) {
        if (FAnimation) SetAM(!FAM);
        uint16_t H, M, S, MS;
        DecodeTime(FTime, H, M, S, MS);
        const TScopedFlag Internal(FInternalCall);
        FCurrentHourTo = uint8_t(H < 12 ? H + 12 : H - 12);
        SetHour(FCurrentHourTo);
    } else {
        SetHour(uint8_t(PointToHour(X, Y)));
    }
}

void TExtWatch::WatchKeyDown(uint16_t Key)
{
    if (FSettings->Auto()) return;
    uint16_t H, M, S, MS;
    DecodeTime(ShownTime(), H, M, S, MS);
    const auto Internally = [this](auto Action) {
        const TScopedFlag Internal(FInternalCall);
        Action();
    };
    switch (Key) {
    case 'A':
        if (H >= 12) SetHour(uint8_t(H - 12));
        break;
    case 'P':
        if (H < 12) SetHour(uint8_t(H + 12));
        break;
    case VK_PRIOR:
        if (H == 23) Internally([this] { SetHour(0); });
        else SetHour(uint8_t(H + 1));
        break;
    case VK_NEXT:
        if (H == 0) Internally([this] { SetHour(23); });
        else SetHour(uint8_t(H - 1));
        break;
    case VK_HOME: Internally([this] { SetHour(12); }); break;
    case VK_END: SetMinute(0); break;
    case VK_LEFT:
        if (M == 0) {
            SetTime(EncodeTime(H == 0 ? 23 : H - 1, 59, S, MS));
            Changed();
        } else {
            SetMinute(uint8_t(M - 1));
        }
        break;
    case VK_RIGHT: SetMinute(M == 59 ? 0 : uint8_t(M + 1)); break;
    default: break;
    }
}

void TExtWatch::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = TabStop() ? DLGC_WANTARROWS | DLGC_WANTALLKEYS : 0; return;
    case WM_SETCURSOR:
        // The hand over the AM/PM box, taken by this very message.
        if (!Designing()) {
            TPoint Pos;
            GetCursorPos(Pos);
            SetCursor(PtInRect(AMPMRect(), ScreenToClient(Pos)) ? crHandPoint : crDefault);
        }
        TCustomControl::Dispatch(Message);
        return;
    default: TCustomControl::Dispatch(Message);
    }
}
