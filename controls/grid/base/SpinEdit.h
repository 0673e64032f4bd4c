// TEsgSpinEdit: the masked edit with a pair of arrow buttons that edits and steps an integer, a
// floating-point number, a date or a time.
#pragma once

#include "grid/base/SpinButton.h"
#include "grid/base/SpinValues.h"
#include "windows/Mask.h"

#include <cstdint>

enum TEditAlign { eaLeft, eaRight, eaCenter };

// The arrows, Up and Down step by Increment (IncrementFloat); Page Up and Page Down by
// IncrementFloatPage for floats. A date steps the part under the caret, a time the hours, minutes
// or seconds under it, wrapping below midnight. Values are clamped into their range unless its
// minimum equals its maximum. Typed characters pass IsValidChar; refused ones beep.
class TEsgSpinEdit : public TCustomMaskEdit {
public:
    explicit TEsgSpinEdit(TComponent* AOwner);
    ~TEsgSpinEdit() override;

    void Loaded() override;

    TEsgSpinButton* Button() const { return FButton; }

    // The trimmed text as an integer: 0 when empty, MinValue when unreadable.
    int32_t Value() const;
    void SetValue(int32_t NewValue);
    // The text in the locale's format; MinFloatValue when unreadable.
    double FloatValue() const;
    void SetFloatValue(double NewValue);
    // The text as a short date (MinDateValue when unreadable); now when the text is empty or "0".
    TDateTime DateValue() const;
    void SetDateValue(TDateTime NewValue);
    // The text as a time; 0 when unreadable. Times are clamped to the date limits.
    TDateTime TimeValue() const;
    void SetTimeValue(TDateTime NewValue);

    TEsgSpinType SpinType() const { return FSpinType; }
    void SetSpinType(TEsgSpinType Value);
    // Decimals of a float; 0 writes the shortest general form.
    int32_t Precision() const { return FPrecision; }
    void SetPrecision(int32_t Value);
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    // "." on the numeric keypad types the decimal separator.
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool Value) { FShowSeconds = Value; }
    bool AllowEmptyValue() const { return FAllowEmptyValue; }
    void SetAllowEmptyValue(bool Value) { FAllowEmptyValue = Value; }
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection Value);
    TEditAlign EditAlign() const { return FEditAlign; }
    void SetEditAlign(TEditAlign Value);
    bool SpinFlat() const { return FSpinFlat; }
    void SetSpinFlat(bool Value);
    bool SpinTransparent() const { return FSpinTransparent; }
    void SetSpinTransparent(bool Value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool Value);
    int32_t Increment() const { return FIncrement; }
    void SetIncrement(int32_t Value) { FIncrement = Value; }
    double IncrementFloat() const { return FIncrementFloat; }
    void SetIncrementFloat(double Value) { FIncrementFloat = Value; }
    double IncrementFloatPage() const { return FIncrementFloatPage; }
    void SetIncrementFloatPage(double Value) { FIncrementFloatPage = Value; }
    int32_t IncrementHours() const { return FIncrementHours; }
    void SetIncrementHours(int32_t Value) { FIncrementHours = Value; }
    int32_t IncrementMinutes() const { return FIncrementMinutes; }
    void SetIncrementMinutes(int32_t Value) { FIncrementMinutes = Value; }
    int32_t IncrementSeconds() const { return FIncrementSeconds; }
    void SetIncrementSeconds(int32_t Value) { FIncrementSeconds = Value; }
    int32_t MinValue() const { return FMinValue; }
    void SetMinValue(int32_t Value) { FMinValue = Value; }
    int32_t MaxValue() const { return FMaxValue; }
    void SetMaxValue(int32_t Value) { FMaxValue = Value; }
    double MinFloatValue() const { return FMinFloatValue; }
    void SetMinFloatValue(double Value) { FMinFloatValue = Value; }
    double MaxFloatValue() const { return FMaxFloatValue; }
    void SetMaxFloatValue(double Value) { FMaxFloatValue = Value; }
    TDateTime MinDateValue() const { return FMinDateValue; }
    void SetMinDateValue(TDateTime Value) { FMinDateValue = Value; }
    TDateTime MaxDateValue() const { return FMaxDateValue; }
    void SetMaxDateValue(TDateTime Value) { FMaxDateValue = Value; }
    // Month-first dates, as the short date format said at the last date step.
    bool UsDates() const { return FUsDates; }

    // The smallest height the font allows (the system font's share and the border included).
    int32_t GetMinHeight();

    virtual void SpinUp(bool Page);
    virtual void SpinDown(bool Page);
    // Whether the editor takes Key (see IsValidSpinChar).
    virtual bool IsValidChar(QChar& Key);
    virtual void UpClick(TObject* Sender);
    virtual void DownClick(TObject* Sender);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& Message) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;

    int32_t CheckValue(int32_t NewValue) const { return CheckSpinRange(NewValue, FMinValue, FMaxValue); }
    double CheckFloatValue(double NewValue) const { return CheckSpinRange(NewValue, FMinFloatValue, FMaxFloatValue); }
    TDateTime CheckDateValue(TDateTime NewValue) const { return CheckSpinRange(NewValue, FMinDateValue, FMaxDateValue); }
    // Limits the text to the room left of the buttons.
    void SetEditRect();

private:
    void WMSize(TMessage& Message);
    void Step(bool Up, bool Page);
    // Writes Text keeping the caret where it was.
    void SetTextKeepCaret(const QString& Value);
    // Makes the window lay its buttons out again.
    void NudgeWidth();

    int32_t FMinValue = 0;
    int32_t FMaxValue = 100;
    double FMinFloatValue = 0;
    double FMaxFloatValue = 100;
    TDateTime FMinDateValue = 0;
    TDateTime FMaxDateValue = 0;
    TDateTime FDateValue = 0;
    TDateTime FTimeValue = 0;
    int32_t FIncrement = 1;
    double FIncrementFloat = 0.1;
    TEsgSpinButton* FButton;
    bool FEditorEnabled = true;
    TSpinDirection FDirection = spVertical;
    TEsgSpinType FSpinType = sptNormal;
    int32_t FPrecision = 0;
    bool FReturnIsTab = false;
    bool FIsWinXP = false;
    bool FExcelStyleDecimalSeparator = false;
    bool FUsDates = false;
    bool FShowSeconds = true;
    int32_t FIncrementSeconds = 1;
    int32_t FIncrementMinutes = 1;
    int32_t FIncrementHours = 1;
    TEditAlign FEditAlign = eaLeft;
    bool FSpinFlat = false;
    bool FSpinTransparent = false;
    bool FAllowEmptyValue = false;
    double FIncrementFloatPage = 1;
};
