// User input for tests, sent through the path real input takes (Qt's window-system events), and a test clock.
#pragma once

#include "windows/Controls.h"
#include "windows/WinApi.h"

#include <QString>

#include <cstdint>

namespace Input {

// Key presses go to the active window, as the keyboard's do. Shift keys in Shift are pressed
// before the key and released after it.
void KeyDown(uint16_t VirtKey, TShiftState Shift = {});
void KeyUp(uint16_t VirtKey, TShiftState Shift = {});
void PressKey(uint16_t VirtKey, TShiftState Shift = {});
// The key with the characters Text, whatever the layout would make of it (keypad keys carry the
// keypad flag).
void PressKeyWithText(uint16_t VirtKey, const QString& Text);
// Types each character with the key (and Shift) that makes it on a US keyboard; a character no
// key makes comes as a composed character.
void TypeText(const QString& Text);

// Mouse input at client coordinates of Control; the point may lie outside it.
void MouseDown(TControl* Control, TPoint At, TMouseButton Button = mbLeft, TShiftState Shift = {});
void MouseUp(TControl* Control, TPoint At, TMouseButton Button = mbLeft, TShiftState Shift = {});
void MoveMouse(TControl* Control, TPoint At);
void Click(TControl* Control, TPoint At, TMouseButton Button = mbLeft, TShiftState Shift = {});
void DoubleClick(TControl* Control, TPoint At, TMouseButton Button = mbLeft);
// Presses at From, moves to To in a few steps and releases there.
void Drag(TControl* Control, TPoint From, TPoint To);
// Moves the pointer out of Control's top-level window.
void LeaveWindow(TControl* Control);
// Turns the wheel by Delta (WHEEL_DELTA a notch, positive away from the user) with the pointer at At
// (client coordinates of Control), as the window system reports a wheel to the window.
void TurnWheel(TControl* Control, TPoint At, int32_t Delta, TShiftState Shift = {});

// The parts of a window's own scroll bar (SB_HORZ or SB_VERT) a click can hit.
enum TScrollBarPart { sbpLineUp, sbpLineDown, sbpPageUp, sbpPageDown };
// Clicks Part of Control's scroll bar Bar; raises when the bar does not show.
void ClickScrollBar(TWinControl* Control, int32_t Bar, TScrollBarPart Part);
// Drags the thumb of Control's scroll bar Bar to the place of position Pos and lets it go there.
void DragScrollThumb(TWinControl* Control, int32_t Bar, int32_t Pos);
// Another program takes the keyboard, and gives it back.
void DeactivateApplication();
void ActivateApplication();

}  // namespace Input

// A clock for tests: time moves only when the test says so, and timers that come due fire on the
// next processing of messages.
class TTestClock : public TClockService {
public:
    TTestClock();
    ~TTestClock() override;

    uint64_t Milliseconds() override { return FNow; }
    // Sleeping moves the time on at once.
    void Sleep(uint32_t Ms) override { Advance(Ms); }
    // Moves the time on and handles the messages (timer ticks) that come due.
    void Advance(uint32_t Ms);

private:
    uint64_t FNow = 1000000;
    TClockService* FPrevious;
};
