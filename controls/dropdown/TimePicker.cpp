// TExtTimePickerDropDown: the masked time text, field setters and stepping, typed times, the clock and time picker in the pop-up.
#include "dropdown/TimePicker.h"

#include "dropdown/AnalogClock.h"
#include "dropdown/DropDownForm.h"
#include "dropdown/PopupAppearance.h"
#include "dropdown/ScopedFlag.h"
#include "dropdown/TimeText.h"

#include "rtl/FormatSettings.h"
#include "windows/ComCtrls.h"
#include "windows/ExtCtrls.h"

namespace {

QChar TimeSeparator()
{
    return FormatSettings().TimeSeparator;
}

bool AltHeld(TShiftState Shift)
{
    return Shift.Contains(ssAlt) || GetKeyState(VK_MENU) < 0;
}

}  // namespace

TExtTimePickerDropDown::TExtTimePickerDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FWatchAppearance(std::make_unique<TWatchAppearance>()),
      FWatchSettings(std::make_unique<TWatchSettings>())
{
}

TExtTimePickerDropDown::~TExtTimePickerDropDown() = default;

void TExtTimePickerDropDown::AfterConstruction()
{
    TExtCustomDropDown::AfterConstruction();
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    WithFlag(FInternalCall, [this] {
        SetMask();
        SetTextUnformatted(TimeText(0));
    });
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
}

QString TExtTimePickerDropDown::TimeText(TDateTime Value) const
{
    return FormatTimeText(Value, TimeSeparator(), FShowSeconds);
}

void TExtTimePickerDropDown::SetMask()
{
    const QString S(TimeSeparator());
    SetEditMask(QStringLiteral("!90") + S + QStringLiteral("00") + (FShowSeconds ? S + QStringLiteral("00") : QString()) +
                QStringLiteral(";1; "));
}

void TExtTimePickerDropDown::WriteText(const QString& S)
{
    WithFlag(FInternalCall, [&] { SetTextUnformatted(S); });
}

void TExtTimePickerDropDown::SetWatchSettings(TWatchSettings* Value)
{
    FWatchSettings->Assign(Value);
}

void TExtTimePickerDropDown::SetWatchAppearance(TWatchAppearance* Value)
{
    FWatchAppearance->Assign(Value);
}

void TExtTimePickerDropDown::SetTime(TDateTime Value)
{
    if (Value == FTime) return;
    FTime = Value;
    WriteText(TimeText(Value));
    if (!DroppedDown()) return;
    if (FExtWatch) FExtWatch->SetTime(Value);
    if (FShowTimePicker && FDateTimePicker) FDateTimePicker->SetTime(Value);
}

void TExtTimePickerDropDown::SetField(int32_t Field, uint16_t Value)
{
    uint16_t Fields[3], MS;
    DecodeTime(FTime, Fields[tfHour], Fields[tfMinute], Fields[tfSecond], MS);
    if (Value == Fields[Field] || Value >= (Field == tfHour ? 24 : 60)) return;
    Fields[Field] = Value;
    SetTime(EncodeTime(Fields[tfHour], Fields[tfMinute], Fields[tfSecond], MS));
    if (OnTimeChange) OnTimeChange(this);
}

void TExtTimePickerDropDown::SetHourField(uint16_t Hour)
{
    SetField(tfHour, Hour);
}

void TExtTimePickerDropDown::SetMinuteField(uint16_t Minute)
{
    SetField(tfMinute, Minute);
}

void TExtTimePickerDropDown::SetSecondField(uint16_t Second)
{
    SetField(tfSecond, Second);
}

void TExtTimePickerDropDown::SetShowSeconds(bool Value)
{
    if (FShowSeconds == Value) return;
    FShowSeconds = Value;
    WithFlag(FInternalCall, [this] {
        SetEditMask(QString());
        SetTextUnformatted(QString());
    });
    SetMask();
    // Moved a day so that the setter writes the text in its new form.
    const TDateTime Old = FTime;
    FTime = Old + 1;
    SetTime(Old);
}

void TExtTimePickerDropDown::SetComponentStyle(TVyxStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    ApplyWatchComponentStyle(FWatchAppearance.get(), AStyle);
}

// ---- Typed times and stepped fields ----

void TExtTimePickerDropDown::Change()
{
    TExtCustomDropDown::Change();
    if (FInternalCall) return;
    // A complete time only; a field out of range leaves the time as it was.
    const QString Typed = Text();
    TDateTime Value = 0;
    if (!ParseTimeText(Typed, TimeSeparator(), FShowSeconds, Value)) return;
    FTime = Value;
    uint16_t H, M, S, MS;
    DecodeTime(Value, H, M, S, MS);
    const QString Shown = TimeText(FTime);
    if (Shown != Typed && M == 0 && S == 0) WriteText(Shown);
}

void TExtTimePickerDropDown::StepField(uint16_t Key, TShiftState Shift)
{
    if (AltHeld(Shift) || Shift.Contains(ssCtrl) || (Key != VK_UP && Key != VK_DOWN)) return;
    const int32_t Caret = SelStart();
    const int32_t Field = TimeFieldAt(Text(), Caret, TimeSeparator(), FShowSeconds);
    uint16_t Fields[3], MS;
    DecodeTime(FTime, Fields[tfHour], Fields[tfMinute], Fields[tfSecond], MS);
    const int32_t Limit = Field == tfHour ? 24 : 60;
    // Up decreases, Down increases; each field wraps on its own.
    const int32_t Value = (Fields[Field] + (Key == VK_UP ? Limit - 1 : 1)) % Limit;
    SetField(Field, uint16_t(Value));
    SetSelStart(Caret);
}

void TExtTimePickerDropDown::KeyDown(uint16_t& Key, TShiftState Shift)
{
    FKeyDownSeen = true;
    TExtCustomDropDown::KeyDown(Key, Shift);
    StepField(Key, Shift);
}

void TExtTimePickerDropDown::Dispatch(TMessage& Message)
{
    if (Message.Msg != WM_KEYDOWN) {
        TExtCustomDropDown::Dispatch(Message);
        return;
    }
    // An edit that takes no typing handles its keys without KeyDown; the fields step all the same.
    FKeyDownSeen = false;
    TExtCustomDropDown::Dispatch(Message);
    if (!FKeyDownSeen) StepField(static_cast<uint16_t>(Message.WParam), KeyboardStateToShiftState());
    FKeyDownSeen = false;
}

// ---- The pop-up ----

void TExtTimePickerDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (!DropDownForm()) return;
    if (!FPanelCtrl) {
        FPanelCtrl = New<TPanel>(this);
        FPanelCtrl->SetParent(DropDownForm());
        FPanelCtrl->SetCtl3D(false);
        FPanelCtrl->SetBorderWidth(0);
        FPanelCtrl->SetBevelInner(bvNone);
    }
    FPanelCtrl->SetBounds(0, 0, FPanelCtrl->Width(), 180);
    if (!FExtWatch) {
        FExtWatch = New<TExtWatch>(this);
        FExtWatch->SetParent(FPanelCtrl);
        FExtWatch->SetAlign(alClient);
    }
    SetControl(FPanelCtrl);
}

void TExtTimePickerDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    if (!FPanelCtrl || !FExtWatch) return;
    FPanelCtrl->SetHeight(170);
    FPanelCtrl->SetWidth(170);
    if (TDropDownForm* Form = DropDownForm()) {
        Form->SetWidth(Form->Width() + 1);
        Form->SetWidth(Form->Width() - 1);
    }
    SetCancelOnDeActivate(false);
    FPanelCtrl->SetColor(DropDownColor());
    FExtWatch->SetAppearance(FWatchAppearance.get());
    FExtWatch->SetSettings(FWatchSettings.get());
    FExtWatch->SetShowAMPM(FShowWatchAMPM);
    FExtWatch->SetShowNumbers(FShowWatchNumbers);
    FExtWatch->SetAnimation(FAnimation);
    FExtWatch->SetAnimationFactor(FAnimationFactor);
    FExtWatch->OnChange = nullptr;
    if (!FWatchSettings->Auto()) FExtWatch->SetTime(FTime);
    FExtWatch->OnChange = [this](TObject*) { WatchChanged(); };
    if (FShowTimePicker) {
        if (!FDateTimePicker) {
            FDateTimePicker = New<TDateTimePicker>(this);
            FDateTimePicker->SetParent(FPanelCtrl);
            FDateTimePicker->SetKind(dtkTime);
        }
        FDateTimePicker->OnChange = nullptr;
        FDateTimePicker->SetAlign(alBottom);
        FDateTimePicker->SetVisible(true);
        FDateTimePicker->SetTime(FTime);
        FDateTimePicker->BringToFront();
        FDateTimePicker->OnChange = [this](TObject*) { PickerChanged(); };
        FDateTimePicker->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
        FDateTimePicker->OnKeyUp = [this](TObject*, uint16_t& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
        FDateTimePicker->OnKeyPress = [this](TObject*, QChar& Key) { ControlKeyPress(Key); };
        FDateTimePicker->SetFormat(FShowSeconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
        FPanelCtrl->SetHeight(FDateTimePicker->Height() + 170);
    } else if (FDateTimePicker) {
        FDateTimePicker->SetVisible(false);
    }
}

void TExtTimePickerDropDown::DoHideDropDown(bool Cancelled)
{
    const bool WasOpen = DropDownForm() && DropDownForm()->Visible();
    TExtCustomDropDown::DoHideDropDown(Cancelled);
    if (!WasOpen || !FExtWatch) return;
    if (Cancelled) {
        FExtWatch->SetTime(FTime);
        // The base gave the edit back the text last set through Text: show the value again.
        WriteText(TimeText(FTime));
    } else {
        SetTime(FExtWatch->Time());
    }
}

void TExtTimePickerDropDown::AfterHideDropDown()
{
    TExtCustomDropDown::AfterHideDropDown();
    if (FExtWatch) SetTime(FExtWatch->Time());
}

void TExtTimePickerDropDown::WatchChanged()
{
    const bool PickerBehind =
        FShowTimePicker && FDateTimePicker && TimeText(FDateTimePicker->Time()) != TimeText(FExtWatch->Time());
    // Time first, so that OnTimeChange reads the new one.
    SetTime(FExtWatch->Time());
    if (!PickerBehind) return;
    FDateTimePicker->SetTime(FExtWatch->Time());
    if (OnTimeChange) OnTimeChange(this);
}

void TExtTimePickerDropDown::PickerChanged()
{
    if (FDateTimePicker && FExtWatch && !FWatchSettings->Auto()) FExtWatch->SetTime(FDateTimePicker->Time());
}

// ---- Keys of the pop-up ----

bool TExtTimePickerDropDown::ForwardKey(uint16_t Key) const
{
    const bool ClockKey = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    return !ClockKey || GetKeyState(VK_MENU) < 0;
}

void TExtTimePickerDropDown::DropDownKeyDown(uint16_t& Key, TShiftState Shift)
{
    if (ForwardKey(Key)) TExtCustomDropDown::DropDownKeyDown(Key, Shift);
    if (FExtWatch && DropDownForm() && DropDownForm()->Visible()) FExtWatch->WatchKeyDown(Key);
}

void TExtTimePickerDropDown::DropDownKeyUp(uint16_t& Key, TShiftState Shift)
{
    if (ForwardKey(Key)) TExtCustomDropDown::DropDownKeyUp(Key, Shift);
}

void TExtTimePickerDropDown::ControlKeyDown(uint16_t& Key, TShiftState Shift)
{
    if (ForwardKey(Key)) TExtCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExtTimePickerDropDown::ControlKeyUp(uint16_t& Key, TShiftState Shift)
{
    if (ForwardKey(Key)) TExtCustomDropDown::ControlKeyUp(Key, Shift);
}
