#pragma once

#include <string_view>

#include "framework/rtl/date_time.h"
#include "framework/rtl/geometry.h"
#include "framework/win/messages.h"
#include "framework/win/shift_state.h"

// The simulated user: tests type, click and wait through these calls, and the windows see the
// messages a real desktop sends, in its order. Every call first handles what is already posted,
// and returns once the posted messages and pending paints its input caused are handled.
namespace framework::input {

// Shift, Ctrl and Alt in the shift state are pressed (when not already down) before the key or
// button; KeyDown leaves them down and KeyUp releases them after the key; PressKey, MouseDown and
// MouseUp release the ones they pressed. The mouse buttons of a shift state are ignored: buttons
// are what MouseDown and MouseUp do.
void KeyDown(WORD VirtualKey, TShiftState Shift = {});
void KeyUp(WORD VirtualKey, TShiftState Shift = {});
void PressKey(WORD VirtualKey, TShiftState Shift = {});
// Each character as the key press of the US layout that types it, with Shift when needed; a
// character no key types (é) arrives as WM_CHAR through a VK_PACKET key. '\n' is Enter.
void TypeText(std::string_view Text);
void MouseMove(TPoint Screen);
void MouseDown(TMouseButton Button, TPoint Screen, TShiftState Shift = {});
void MouseUp(TMouseButton Button, TPoint Screen, TShiftState Shift = {});
void Click(TPoint Screen);
void DoubleClick(TPoint Screen);
// Lets virtual time pass: timers fire at their due times, in order, posted messages are handled
// and pending paints happen.
void AdvanceTime(unsigned Milliseconds);
int BeepCount();
// Date() and Now() answer Now from here on, Now moving on with the virtual time.
void SetToday(TDateTime Now);
// A fresh desktop: every window destroyed, no focus, capture, activation, timers or posted
// messages, beeps 0, virtual time 0, the pointer at (0, 0), the screen at its default size, keys
// up, and Date() and Now() back on the system clock.
void Reset();

}  // namespace framework::input
