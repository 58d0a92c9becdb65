#pragma once

#include "framework/rtl/geometry.h"
#include "framework/win/shift_state.h"

namespace framework {

// The pointer on the screen. SetCursorPos moves it like the user does (a mouse move).
bool GetCursorPos(TPoint& P);
bool SetCursorPos(int X, int Y);

// One raw pointer event, the way every input source reaches the window system. The pointer is
// kept on the screen. Mouse messages go to the capture window, else to the window under the
// pointer (the nearest enabled one); that window is asked WM_NCHITTEST and gets WM_SETCURSOR
// before each message, in client coordinates over its client area (WM_NC... messages with the
// screen point elsewhere). A press asks an inactive top-level window WM_MOUSEACTIVATE first. A
// second press of the same button on the same CS_DBLCLKS window, within the double-click time and
// 2 pixels each way (the SM_CXDOUBLECLK x SM_CYDOUBLECLK box around the first), is a double click.
// A press or release away from the pointer moves it there first.
void RawPointerMove(TPoint Screen);
void RawButtonDown(TMouseButton Button, TPoint Screen);
void RawButtonUp(TMouseButton Button, TPoint Screen);

}  // namespace framework
