// TExtWatch: the analog clock control: time, geometry, mouse and key setting, hand animation and automatic mode.
#pragma once

#include "dropdown/AnalogClockAppearance.h"

#include "grid/base/ExtStyleIF.h"

#include "rtl/DateTime.h"
#include "windows/Controls.h"

#include <cstdint>
#include <functional>
#include <memory>

class TBitmap;
class TCanvas;
class TTimer;

// The named looks of the clock.
enum TWatchStyle {
    wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack, wsBlackWhite, wsGray,
    wsSuperNova, wsSports, wsSmooth
};

// The clock colours of a component style; shared with the time picker's clock appearance.
void ApplyWatchComponentStyle(TWatchAppearance* Appearance, TVyxStyle AStyle);

class TExtWatch : public TCustomControl, public IVyxStyle {
public:
    explicit TExtWatch(TComponent* AOwner);
    ~TExtWatch() override;

    // Hand changes sweep in steps of 1/AnimationFactor of the remaining distance (at least 1).
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    int32_t AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int32_t Value) { FAnimationFactor = Value; }
    TWatchAppearance* Appearance() const { return FAppearance.get(); }
    void SetAppearance(TWatchAppearance* Value) { FAppearance->Assign(Value); }
    TWatchSettings* Settings() const { return FSettings.get(); }
    void SetSettings(TWatchSettings* Value) { FSettings->Assign(Value); }
    // The set time; writing it moves the hands without OnChange.
    TDateTime Time() const { return FTime; }
    void SetTime(TDateTime Value);
    bool ShowAMPM() const { return FShowAMPM; }
    void SetShowAMPM(bool Value);
    bool ShowNumbers() const { return FShowNumbers; }
    void SetShowNumbers(bool Value);
    // The last preset applied; a new one resets the appearance and applies its looks.
    TWatchStyle Style() const { return FStyle; }
    void SetStyle(TWatchStyle Value);
    // The AM/PM box shows "AM".
    bool AM() const { return FAM; }

    // The current time plus TimeOffset in automatic mode, the set time otherwise.
    TDateTime ShownTime() const;
    // Move the hour or minute hand (animated when Animation is on); OnChange fires once the hand
    // arrives. A minute of 60 or more raises "Invalid time"; minute 0 reached from the second half
    // of the hour advances the hour.
    void SetHour(uint8_t Value);
    void SetMinute(uint8_t Value);
    // The keys of the clock while a time picker's pop-up shows it: A and P for the half of the
    // day, PageUp and PageDown for the hour, Home for 12 o'clock, End, Left and Right for the minute.
    void WatchKeyDown(uint16_t Key);
    // True while a hand sweeps.
    bool Animating() const;
    void SetComponentStyle(TVyxStyle AStyle) override;

    // The face's square centred in the client area, its centre and radius.
    TRect FaceRect() const;
    TPoint FaceCenter() const;
    double FaceRadius() const;
    // The AM/PM box below the centre; (-1, -1, -1, -1) without one.
    TRect AMPMRect() const;
    // The minute (0..59) and the hour of the day a point stands for, measured around the centre.
    int32_t PointToMinute(int32_t X, int32_t Y) const;
    int32_t PointToHour(int32_t X, int32_t Y) const;

    // Fired once for each change the user makes (a click, a key, the last step of a sweep).
    std::function<void(TObject* Sender)> OnChange;

protected:
    void Dispatch(TMessage& Message) override;
    void Paint() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;

private:
    void SettingsChanged();
    void SetTimeValue(TDateTime Value);
    void SetAM(bool Value);
    // SetAM with FInternalSet: the flag follows the time without a slide.
    void FollowAM(bool Value);
    void ApplyTime(uint16_t Hour, uint16_t Minute, uint16_t Second, uint16_t MSec);
    void Changed();
    void StartAnimation(bool Hour);
    // One step of the sweep: 1/AnimationFactor of the remaining distance, at least 1.
    void AnimationTick();
    // Leaves the running sweep; a hand it already moved counts as a change.
    void EndAnimation();
    bool Designing() const;

    // Painting (ClockFace.cpp).
    void PaintAll();
    void RepaintHands();
    // The cached face, the AM/PM slide when one runs, and the hands, onto Target.
    void ComposeFrame(TCanvas* Target);
    void DrawFace(TCanvas* Canvas, const TRect& C);
    void DrawTickMarks(TCanvas* Canvas);
    void DrawNumbers(TCanvas* Canvas);
    void DrawAMPM(TCanvas* Canvas);
    void DrawAMPMFrame(TCanvas* Canvas);
    void DrawHands(TCanvas* Canvas);
    void StartSlide();
    void SlideTick();
    void DrawSlide(TCanvas* Canvas);
    void SyncAutoAM();

    std::unique_ptr<TWatchAppearance> FAppearance;
    std::unique_ptr<TWatchSettings> FSettings;
    TDateTime FTime = 0;
    // The face without hands.
    std::unique_ptr<TBitmap> FBKGCache;
    // 100 ms tick while Auto is set.
    std::unique_ptr<TTimer> FWatchTimer;
    bool FAnimation = true;
    int32_t FAnimationFactor = 10;
    std::unique_ptr<TTimer> FAnimationTimer;
    uint8_t FCurrentHourTo = 0;
    uint8_t FCurrentMinuteTo = 0;
    // The minute before the current minute change, for the hour carry.
    uint8_t FMinuteFrom = 0;
    bool FHourAnimating = false;
    // A step of the running sweep moved a hand.
    bool FAnimationMoved = false;
    // A step of the running sweep is being applied.
    bool FAnimationStep = false;
    bool FInternalCall = false;
    bool FAM = true;
    bool FShowAMPM = true;
    bool FShowNumbers = true;
    bool FInternalSet = false;
    TWatchStyle FStyle = wsClassic;
    // The AM/PM slide: the two words one above the other, the window onto them and the frames left.
    std::unique_ptr<TTimer> FSlideTimer;
    std::unique_ptr<TBitmap> FSlideStrip;
    int32_t FSlideOffset = 0;
    int32_t FSlideFramesLeft = 0;
};
