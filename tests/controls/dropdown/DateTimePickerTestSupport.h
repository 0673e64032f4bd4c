// Shared pieces of the date-time picker tests: pickers that count what AutoTab posts, and reaching a field by keys.
#pragma once

#include "PickerTestSupport.h"

#include "dropdown/ExtDateTimePicker.h"
#include "support/Input.h"

#include <cstdint>

namespace DateTimePickerTest {

// Counts the AutoTab checks and the Right-arrow key-downs that reach the picker's window, and reaches
// its painting.
template <typename T>
class TCounting : public T {
public:
    using T::T;
    int32_t Checks = 0;
    int32_t Rights = 0;
    int32_t ButtonWidth() const { return this->FButtonWidth; }
    TColor OwnBorderColor() const { return this->FBorderColor; }
    // The platform answers common controls 5.82: a picker that believes in version 6.
    void SetThemed(bool Value) { this->FIsThemed = Value; }
    void SetButtonHover(bool Value) { this->FButtonHover = Value; }
    using T::DrawFrame;
    // What a paint adds on Vista and later.
    using T::PaintAdditions;

protected:
    void WndProc(TMessage& Message) override
    {
        if (Message.Msg == DTPShiftFocusMessage()) ++Checks;
        if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_RIGHT) ++Rights;
        T::WndProc(Message);
    }
};

using TCountingPicker = TCounting<TCustomDateTimePicker>;
using TCountingExtPicker = TCounting<TExtDateTimePicker>;

// Makes field Index of Picker the current one (a click on the first field, then Right), and
// forgets what that counted.
template <typename T>
void GoToField(TCounting<T>* Picker, int32_t Index)
{
    Input::Click(Picker, {4, Picker->Height() / 2});
    for (int32_t I = 0; I < Index; ++I) Input::PressKey(VK_RIGHT);
    Picker->Checks = 0;
    Picker->Rights = 0;
}

}  // namespace DateTimePickerTest
