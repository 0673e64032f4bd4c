// TExtTimePickerDropDown: a drop-down edit for a time of day, set on an analog clock in the pop-up.
#pragma once

#include "dropdown/ExtDropDown.h"

#include "rtl/DateTime.h"

#include <functional>
#include <memory>

class TDateTimePicker;
class TExtWatch;
class TPanel;
class TWatchAppearance;
class TWatchSettings;

// The edit shows HH:MM[:SS] with the locale's time separator through an edit mask; Up and Down step
// the field under the caret. The pop-up's clock (and optionally the platform's time picker below it)
// sets the time with the mouse and keys.
class TExtTimePickerDropDown : public TExtCustomDropDown {
public:
    explicit TExtTimePickerDropDown(TComponent* AOwner);
    ~TExtTimePickerDropDown() override;
    void AfterConstruction() override;

    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    int32_t AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int32_t Value) { FAnimationFactor = Value; }
    TWatchSettings* WatchSettings() const { return FWatchSettings.get(); }
    void SetWatchSettings(TWatchSettings* Value);
    TWatchAppearance* WatchAppearance() const { return FWatchAppearance.get(); }
    void SetWatchAppearance(TWatchAppearance* Value);
    // The value; writing it shows it (and moves an open clock) without OnTimeChange.
    TDateTime Time() const { return FTime; }
    void SetTime(TDateTime Value);
    bool ShowWatchAMPM() const { return FShowWatchAMPM; }
    void SetShowWatchAMPM(bool Value) { FShowWatchAMPM = Value; }
    bool ShowWatchNumbers() const { return FShowWatchNumbers; }
    void SetShowWatchNumbers(bool Value) { FShowWatchNumbers = Value; }
    bool ShowTimePicker() const { return FShowTimePicker; }
    void SetShowTimePicker(bool Value) { FShowTimePicker = Value; }
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool Value);
    // Replace one field of Time and fire OnTimeChange; out-of-range values and no change do nothing.
    void SetHourField(uint16_t Hour);
    void SetMinuteField(uint16_t Minute);
    void SetSecondField(uint16_t Second);
    // The pop-up's clock and panel; nil before the pop-up exists. The time picker, nil before it shows.
    TExtWatch* Watch() const { return FExtWatch; }
    TDateTimePicker* DateTimePicker() const { return FDateTimePicker; }

    // The text of a time: HH S MM, with S SS when ShowSeconds, S the locale's time separator now.
    QString TimeText(TDateTime Value) const;

    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void SetComponentStyle(TVyxStyle AStyle) override;

    std::function<void(TObject* Sender)> OnTimeChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void AfterHideDropDown() override;
    void DropDownKeyDown(uint16_t& Key, TShiftState Shift) override;
    void DropDownKeyUp(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyDown(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyUp(uint16_t& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;
    void Change() override;

private:
    void SetMask();
    // Puts S into the edit as it stands, marked as the control's own change.
    void WriteText(const QString& S);
    void SetField(int32_t Field, uint16_t Value);
    // Up and Down on the field under the caret.
    void StepField(uint16_t Key, TShiftState Shift);
    void WatchChanged();
    void PickerChanged();
    // Keys the edit gets from the pop-up: paging and arrows only with Alt, so they stay the clock's.
    bool ForwardKey(uint16_t Key) const;

    bool FShowTimePicker = false;
    TExtWatch* FExtWatch = nullptr;
    TDateTimePicker* FDateTimePicker = nullptr;
    TPanel* FPanelCtrl = nullptr;
    std::unique_ptr<TWatchAppearance> FWatchAppearance;
    bool FShowWatchAMPM = true;
    bool FShowWatchNumbers = true;
    bool FAnimation = true;
    int32_t FAnimationFactor = 10;
    TDateTime FTime = 0;
    std::unique_ptr<TWatchSettings> FWatchSettings;
    bool FInternalCall = false;
    bool FShowSeconds = true;
    // The edit's KeyDown ran for the key being handled.
    bool FKeyDownSeen = false;
};
