#pragma once

#include "framework/win/window_class.h"

namespace framework {

// The window procedure of the system class "BUTTON": a push button (BS_PUSHBUTTON,
// BS_DEFPUSHBUTTON) or a check box (BS_CHECKBOX, BS_AUTOCHECKBOX, BS_3STATE, BS_AUTO3STATE),
// pushed by the left button or the space bar and clicked on release. A click tells the parent
// BN_CLICKED through WM_COMMAND; the automatic check boxes change their check first.
LRESULT ButtonWindowProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L);
TWndClass ButtonWindowClass();

}  // namespace framework
