#pragma once

#include <string>
#include <vector>

#include "framework/rtl/geometry.h"
#include "framework/win/messages.h"
#include "framework/win/window_procedure.h"

namespace framework {

// WM_NCCREATE's and WM_CREATE's LParam.
struct TCreateStruct {
  void* lpCreateParams;
  HWND hwndParent;
  int cy, cx, y, x;
  DWORD style;
  const char* lpszName;
  const char* lpszClass;
  DWORD dwExStyle;
};

// Makes a window of a registered class. With WS_CHILD, Parent is its parent window and (X, Y) is
// in the parent's client coordinates; otherwise the window is top-level, at (X, Y) on the screen,
// and Parent (when given) is its owner, whose destruction takes it along. The procedure sees
// WM_NCCREATE (FALSE refuses the window), WM_NCCALCSIZE, WM_CREATE (-1 refuses it), then
// WM_SIZE and WM_MOVE, and WM_SHOWWINDOW when WS_VISIBLE is given. A C++ object attaches to its
// window by passing itself as Param: at WM_NCCREATE its class procedure reads
// TCreateStruct::lpCreateParams, stores the object with SetWindowLong(GWL_USERDATA) and installs
// the object's own procedure with SetWindowLong(GWL_WNDPROC); every later message goes there.
// Answers the null handle on failure (unknown class, invalid parent, refused creation).
HWND CreateWindowEx(DWORD ExStyle, const std::string& ClassName, const std::string& WindowName,
                    DWORD Style, int X, int Y, int Width, int Height, HWND Parent, LONG_PTR Id = 0,
                    void* Param = nullptr);
// Hides the window, takes focus, capture and activation from it and from its children, destroys
// the top-level windows it owns, sends WM_DESTROY to it and then to its children (parents
// first), then WM_NCDESTROY (children first); the handles are invalid afterwards and the
// window's timers and posted messages are gone.
bool DestroyWindow(HWND Wnd);
bool IsWindow(HWND Wnd);
bool IsChild(HWND Parent, HWND Wnd);

// The parent of a child window; the owner of a top-level window (null when it has none).
HWND GetParent(HWND Wnd);
// GW_CHILD: the top child; GW_HWNDFIRST/LAST/NEXT/PREV: siblings in the window order, from the
// top; GW_OWNER: the owner.
HWND GetWindow(HWND Wnd, UINT Relation);
// The children of a window (null: the top-level windows), bottom to top.
std::vector<HWND> GetChildWindows(HWND Parent);

// GWL_STYLE, GWL_EXSTYLE, GWL_ID, GWL_USERDATA; 0 for an invalid window or field. Changing
// WS_VISIBLE or WS_DISABLED this way changes the bit only, as on the OS; ShowWindow and
// EnableWindow do the rest.
LONG_PTR GetWindowLong(HWND Wnd, int Index);
LONG_PTR SetWindowLong(HWND Wnd, int Index, LONG_PTR Value);
// GWL_WNDPROC: installs Proc and answers the procedure it replaces (null on failure).
WNDPROC SetWindowLong(HWND Wnd, int Index, WNDPROC Proc);
WNDPROC GetWindowProc(HWND Wnd);
std::string GetClassName(HWND Wnd);
UINT GetClassStyle(HWND Wnd);

bool EnableWindow(HWND Wnd, bool Enable);
bool IsWindowEnabled(HWND Wnd);
// True when the window and every parent of it have WS_VISIBLE.
bool IsWindowVisible(HWND Wnd);

bool SetWindowText(HWND Wnd, const std::string& Text);
std::string GetWindowText(HWND Wnd);
int GetWindowTextLength(HWND Wnd);

// Screen coordinates.
bool GetWindowRect(HWND Wnd, TRect& R);
// Client coordinates: (0, 0, width, height).
bool GetClientRect(HWND Wnd, TRect& R);
bool ClientToScreen(HWND Wnd, TPoint& P);
bool ScreenToClient(HWND Wnd, TPoint& P);
// From one window's client coordinates to another's; a null window is the screen.
void MapWindowPoints(HWND From, HWND To, TPoint* Points, int Count);
void MapWindowPoints(HWND From, HWND To, TRect& R);
// The deepest visible window under a screen point, the top of the window order first; disabled
// windows count.
HWND WindowFromPoint(TPoint Screen);

}  // namespace framework
