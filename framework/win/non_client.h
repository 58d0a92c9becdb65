#pragma once

#include "framework/rtl/geometry.h"
#include "framework/win/messages.h"
#include "framework/win/window_handle.h"

namespace framework {

// The frame around the client area, from the outside in: WS_BORDER a 1-pixel line, WS_CAPTION a
// caption bar SM_CYCAPTION high with the window's text, WS_EX_CLIENTEDGE a 2-pixel sunken edge,
// then the scroll-bar strips of WS_VSCROLL (right) and WS_HSCROLL (bottom), with a corner square
// between them when both show.

// The client rectangle inside a window rectangle: WM_NCCALCSIZE's default answer.
TRect ClientRectForStyle(DWORD Style, DWORD ExStyle, const TRect& WindowRect);
// WM_NCHITTEST's default answer for a screen point.
LRESULT HitTestFrame(HWND Wnd, TPoint Screen);
// WM_NCPAINT's default handling: draws the frame.
void PaintFrame(HWND Wnd);
// The strip of a window's scroll bar (SB_HORZ or SB_VERT) in window coordinates; empty when the
// bar does not show. With both bars, the corner square between them belongs to neither.
TRect ScrollBarStrip(HWND Wnd, int Bar);
// Paints one scroll bar of a visible window now, as WM_NCPAINT does.
void PaintScrollBar(HWND Wnd, int Bar);

}  // namespace framework
