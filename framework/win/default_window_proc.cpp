#include <algorithm>
#include <cstring>

#include "framework/win/desktop.h"
#include "framework/win/focus.h"
#include "framework/win/non_client.h"
#include "framework/win/painting.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/system_control.h"
#include "framework/win/window.h"
#include "framework/win/window_position.h"

namespace framework {

namespace {

LRESULT NcCreate(HWND Wnd, LPARAM L) {
  const auto* Create = reinterpret_cast<const TCreateStruct*>(L);
  if (TWindow* W = FindWindowRecord(Wnd); W && Create && Create->lpszName)
    W->Text = Create->lpszName;
  return TRUE;
}

LRESULT NcCalcSize(HWND Wnd, LPARAM L) {
  const TWindow* W = FindWindowRecord(Wnd);
  auto* R = reinterpret_cast<TRect*>(L);
  if (W && R) *R = ClientRectForStyle(W->Style, W->ExStyle, *R);
  return 0;
}

LRESULT EraseBackground(HWND Wnd, WPARAM W) {
  const TWindow* Window = FindWindowRecord(Wnd);
  const auto DC = reinterpret_cast<HDC>(W);
  if (!Window || !DC || Window->Class->hbrBackground == clNone) return 0;
  DC->FillRect({0, 0, Window->Client.Width(), Window->Client.Height()},
               ColorRefToPixel(ColorToRGB(Window->Class->hbrBackground)));
  return 1;
}

LRESULT Paint(HWND Wnd) {
  TPaintStruct Paint;
  if (BeginPaint(Wnd, Paint)) EndPaint(Wnd, Paint);
  return 0;
}

// A child asks its parent first, so that a parent can set the cursor over all of its children;
// a parent asked on behalf of a child leaves the child's cursor to the child.
LRESULT SetCursorDefault(HWND Wnd, WPARAM W, LPARAM L) {
  const TWindow* Window = FindWindowRecord(Wnd);
  if (!Window) return FALSE;
  if (Window->Parent) {
    if (const LRESULT Done = SendMessage(Window->Parent, WM_SETCURSOR, W, L)) return Done;
    Window = FindWindowRecord(Wnd);
    if (!Window) return FALSE;
  }
  if (HWND(W) != Wnd) return FALSE;
  if (SHORT(LOWORD(uintptr_t(L))) != HTCLIENT) {
    SetCursor(IDC_ARROW);
    return FALSE;
  }
  if (Window->Class->hCursor) SetCursor(Window->Class->hCursor);
  return TRUE;
}

LRESULT MouseActivateDefault(HWND Wnd, WPARAM W, LPARAM L) {
  const TWindow* Window = FindWindowRecord(Wnd);
  if (!Window) return MA_NOACTIVATE;
  if (Window->Parent) {
    if (const LRESULT Answer = SendMessage(Window->Parent, WM_MOUSEACTIVATE, W, L)) return Answer;
  }
  return CanActivate(HWND(W)) ? MA_ACTIVATE : MA_NOACTIVATE;
}

LRESULT WindowPosChanged(HWND Wnd, LPARAM L) {
  const auto* Pos = reinterpret_cast<const TWindowPos*>(L);
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W || !Pos) return 0;
  // A changed frame may have changed the client's size without the window's.
  if (!(Pos->flags & SWP_NOSIZE) || (Pos->flags & SWP_FRAMECHANGED))
    SendMessage(Wnd, WM_SIZE, SIZE_RESTORED,
                MAKELPARAM(WORD(W->Client.Width()), WORD(W->Client.Height())));
  W = FindWindowRecord(Wnd);
  if (W && !(Pos->flags & SWP_NOMOVE))
    SendMessage(Wnd, WM_MOVE, 0,
                PointToLParam({W->Rect.Left + W->Client.Left, W->Rect.Top + W->Client.Top}));
  return 0;
}

LRESULT NcLButtonDown(HWND Wnd, WPARAM Hit, LPARAM L) {
  if (Hit == HTVSCROLL) TrackScrollBar(Wnd, SB_VERT, LParamToPoint(L));
  if (Hit == HTHSCROLL) TrackScrollBar(Wnd, SB_HORZ, LParamToPoint(L));
  return 0;
}

LRESULT SetText(HWND Wnd, LPARAM L) {
  TWindow* W = FindWindowRecord(Wnd);
  if (!W) return FALSE;
  const auto* Text = reinterpret_cast<const char*>(L);
  W->Text = Text ? Text : "";
  if (W->Style & WS_CAPTION) W->FramePending = true;
  return TRUE;
}

LRESULT GetText(HWND Wnd, WPARAM Size, LPARAM L) {
  const TWindow* W = FindWindowRecord(Wnd);
  auto* Buffer = reinterpret_cast<char*>(L);
  if (!W || !Buffer || Size == 0) return 0;
  const size_t Count = std::min(W->Text.size(), size_t(Size) - 1);
  std::memcpy(Buffer, W->Text.data(), Count);
  Buffer[Count] = '\0';
  return LRESULT(Count);
}

LRESULT GetTextLength(HWND Wnd) {
  const TWindow* W = FindWindowRecord(Wnd);
  return W ? LRESULT(W->Text.size()) : 0;
}

}  // namespace

LRESULT DefWindowProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  switch (Msg) {
    case WM_NCCREATE: return NcCreate(Wnd, L);
    case WM_NCCALCSIZE: return NcCalcSize(Wnd, L);
    case WM_NCHITTEST: return HitTestFrame(Wnd, LParamToPoint(L));
    case WM_NCPAINT: PaintFrame(Wnd); return 0;
    case WM_ERASEBKGND: return EraseBackground(Wnd, W);
    case WM_PAINT: return Paint(Wnd);
    case WM_SETCURSOR: return SetCursorDefault(Wnd, W, L);
    case WM_MOUSEACTIVATE: return MouseActivateDefault(Wnd, W, L);
    // A quick second press on a bar presses it again.
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: return NcLButtonDown(Wnd, W, L);
    case WM_TIMER:
      if (W == ScrollBarRepeatTimer) RepeatScrollBarPress(Wnd);
      return 0;
    case WM_WINDOWPOSCHANGED: return WindowPosChanged(Wnd, L);
    case WM_SETTEXT: return SetText(Wnd, L);
    case WM_GETTEXT: return GetText(Wnd, W, L);
    case WM_GETTEXTLENGTH: return GetTextLength(Wnd);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: return DefaultControlColors(reinterpret_cast<HDC>(W));
    case WM_CLOSE: DestroyWindow(Wnd); return 0;
    case WM_CANCELMODE:
      CancelScrollBarTracking(Wnd);
      if (GetCapture() == Wnd) ReleaseCapture();
      return 0;
    default: return 0;
  }
}

}  // namespace framework
