#pragma once

#include <cstdint>

#include "framework/win/messages.h"
#include "framework/win/window_handle.h"

namespace framework {

// Sends WM_TIMER (WParam: Id) to the window every Period milliseconds of virtual time (at least
// USER_TIMER_MINIMUM). Setting an id the window already has restarts that timer. Answers Id, or
// 0 for an invalid window or a zero id.
UINT_PTR SetTimer(HWND Wnd, UINT_PTR Id, UINT Period);
bool KillTimer(HWND Wnd, UINT_PTR Id);

// Used by the window system itself.
void KillWindowTimers(HWND Wnd);
// Virtual milliseconds since the desktop was made.
uint64_t VirtualTime();
// Lets Milliseconds of virtual time pass: every timer fires at each of its due times, in the order
// of those times (timers due together in the order they were set), with the posted messages and
// pending paints handled before each.
void RunFor(uint64_t Milliseconds);
// Moves the clock Milliseconds on at once, as a live display does after a wait: each timer that
// became due fires once, however many periods it missed, and is due again a period after now.
void CatchUp(uint64_t Milliseconds);

}  // namespace framework
