#pragma once

#include "framework/win/messages.h"
#include "framework/win/window_handle.h"

namespace framework {

// Moves the keyboard focus: WM_KILLFOCUS to the window losing it (WParam: the one gaining it),
// then WM_SETFOCUS to the window gaining it (WParam: the one losing it). A window that is
// disabled, hidden or invalid does not take the focus (the call answers null and changes
// nothing); null removes the focus. Focus put into another top-level window activates that one
// first, when it can be active. Answers the window that had the focus.
HWND SetFocus(HWND Wnd);
HWND GetFocus();

// Mouse messages go to the capture window until it is released; the window losing the capture
// gets WM_CAPTURECHANGED (LParam: the new capture window).
HWND SetCapture(HWND Wnd);
bool ReleaseCapture();
HWND GetCapture();

// The active top-level window. A window with WS_EX_TOOLWINDOW, or one with WS_CHILD detached
// from its parent, is never made active (a drop-down leaves activation with its form).
HWND SetActiveWindow(HWND Wnd);
HWND GetActiveWindow();

// Used by the window system itself.
bool CanActivate(HWND Wnd);
// Makes a top-level window active: raised to the top of its group, WM_ACTIVATE with WA_INACTIVE
// to the window losing activation, then with How to the new one; then, unless the focus is
// already inside it or SetFocusInside is false, the focus goes to the window.
void ActivateWindow(HWND Wnd, WORD How, bool SetFocusInside = true);
// Takes focus, capture and activation from Root and the windows inside it (a window going away).
void TakeInputFrom(HWND Root);

}  // namespace framework
