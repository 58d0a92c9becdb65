#pragma once

#include "framework/graphics/device_context.h"
#include "framework/rtl/geometry.h"
#include "framework/win/messages.h"
#include "framework/win/window_handle.h"

namespace framework {

struct TPaintStruct {
  HDC hdc = nullptr;
  // True when the background still has to be erased (WM_ERASEBKGND answered 0).
  bool fErase = false;
  // The bounds of the area to paint, in client coordinates.
  TRect rcPaint;
};

// Adds a client rectangle (null: the whole client area) to the window's update region; Erase
// asks for WM_ERASEBKGND before the next paint. A window without WS_CLIPCHILDREN also invalidates
// what of its children lies in the rectangle, since its painting covers them.
bool InvalidateRect(HWND Wnd, const TRect* R, bool Erase);
bool ValidateRect(HWND Wnd, const TRect* R);
// The bounds of the update region; false when it is empty.
bool GetUpdateRect(HWND Wnd, TRect& R);
// Paints the window now when its update region is not empty (or its frame is pending).
bool UpdateWindow(HWND Wnd);
// A device context clipped to the update region and the visible area of the client; sends
// WM_ERASEBKGND first when an erase is pending. The update region is empty afterwards.
HDC BeginPaint(HWND Wnd, TPaintStruct& Paint);
bool EndPaint(HWND Wnd, const TPaintStruct& Paint);
// Device contexts for painting outside WM_PAINT: the visible client area, or (GetWindowDC) the
// visible window, frame included. Each is freed by ReleaseDC.
HDC GetDC(HWND Wnd);
HDC GetWindowDC(HWND Wnd);
int ReleaseDC(HWND Wnd, HDC DC);

// Visible areas clip: a window's area is cut to each parent's client area, minus the visible
// siblings above it and above each parent (siblings are always clipped), minus its visible
// children when it has WS_CLIPCHILDREN. Top-level windows have their own surfaces and do not
// clip each other; the compositor stacks them.

// Used by the window system itself.
// Invalidates a client rectangle of Wnd and of every visible window inside it, backgrounds
// erased: what a window that moved or went away leaves to repaint.
void InvalidateTree(HWND Wnd, const TRect& ClientRect);
// The whole window, frame included, and everything inside it.
void InvalidateWindowFully(HWND Wnd);
// Sends the pending WM_NCPAINT, WM_ERASEBKGND and WM_PAINT messages of every visible window,
// bottom top-level window first, parents before children. Answers whether it painted anything.
bool PaintPendingWindows();

}  // namespace framework
