#pragma once

#include "framework/win/window_class.h"

namespace framework {

// The window procedure of the system class "LISTBOX": a column of strings with at most one
// selected, scrolled by rows, painted in its font and the colours its parent gives on
// WM_CTLCOLORLISTBOX. With LBS_NOTIFY it tells its parent through WM_COMMAND of each selection
// the user makes (LBN_SELCHANGE) and of double clicks (LBN_DBLCLK). It draws the focused look
// between the WM_SETFOCUS and WM_KILLFOCUS it receives, whoever has the keyboard focus, so that
// a drop-down whose owner keeps the focus can be told to look and track as if it had it.
// LB_GETTEXT copies into a buffer that the caller makes LB_GETTEXTLEN + 1 bytes long.
LRESULT ListBoxWindowProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L);
TWndClass ListBoxWindowClass();

}  // namespace framework
