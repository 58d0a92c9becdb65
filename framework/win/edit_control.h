#pragma once

#include "framework/win/window_class.h"

namespace framework {

// The window procedure of the system class "EDIT": a single-line or multi-line text editor
// with a selection, one level of undo and the clipboard, painted in its font and the colours
// its parent gives on WM_CTLCOLOREDIT. It tells its parent of changes with WM_COMMAND: EN_UPDATE
// before a change of the text is shown, EN_CHANGE after. Every behaviour goes through messages,
// so a class of its own may wrap it by calling this procedure.
LRESULT EditWindowProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L);
TWndClass EditWindowClass();

}  // namespace framework
