#pragma once

#include "framework/win/messages.h"
#include "framework/win/window_handle.h"

namespace framework {

// WM_WINDOWPOSCHANGING's and WM_WINDOWPOSCHANGED's LParam. The procedure may change the values
// of WM_WINDOWPOSCHANGING's record before they are applied.
struct TWindowPos {
  HWND hwnd;
  HWND hwndInsertAfter;
  int x, y, cx, cy;
  UINT flags;
};

// Moves, sizes, reorders, shows or hides a window. InsertAfter is HWND_TOP, HWND_BOTTOM,
// HWND_TOPMOST, HWND_NOTOPMOST (top-level windows only; children take them as HWND_TOP) or a
// sibling to go just below. Flags the window already satisfies are dropped (a window put where it
// is gets SWP_NOMOVE), and a call left with nothing to do sends nothing. Otherwise the window gets
// WM_WINDOWPOSCHANGING, the change, then WM_WINDOWPOSCHANGED, whose default handling sends
// WM_SIZE and WM_MOVE. Without SWP_NOACTIVATE a top-level window that can be active becomes it.
// Without SWP_NOREDRAW what the window uncovers in its parent is invalidated, and so is the whole
// window where it appears.
bool SetWindowPos(HWND Wnd, HWND InsertAfter, int X, int Y, int Width, int Height, UINT Flags);
bool MoveWindow(HWND Wnd, int X, int Y, int Width, int Height, bool Repaint = true);
// SW_HIDE, SW_SHOW (activates a top-level window), SW_SHOWNORMAL (the same), SW_SHOWNA and
// SW_SHOWNOACTIVATE. Sends WM_SHOWWINDOW when the visibility changes. Answers whether the window
// was visible before.
bool ShowWindow(HWND Wnd, int Command);
bool BringWindowToTop(HWND Wnd);
// Changes the window's parent; null makes it a top-level window. The window keeps its place on
// the screen, goes to the top of its new siblings, and keeps its styles (a detached child is a
// popup that never takes activation). Answers the previous parent, or null on failure (a new
// parent inside the window itself, an invalid window).
HWND SetParent(HWND Wnd, HWND NewParent);

// Asks the window for its client rectangle again (WM_NCCALCSIZE).
void RecalculateClient(HWND Wnd);

}  // namespace framework
