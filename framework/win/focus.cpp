#include "framework/win/focus.h"

#include "framework/win/desktop.h"
#include "framework/win/window.h"
#include "framework/win/window_position.h"

namespace framework {

namespace {

bool CanTakeFocus(HWND Wnd) {
  if (!IsWindowVisible(Wnd)) return false;
  for (const TWindow* W = FindWindowRecord(Wnd); W; W = FindWindowRecord(W->Parent))
    if (W->Style & WS_DISABLED) return false;
  return true;
}

void MarkCaption(HWND Wnd) {
  if (TWindow* W = FindWindowRecord(Wnd); W && (W->Style & WS_CAPTION)) W->FramePending = true;
}

}  // namespace

HWND SetFocus(HWND Wnd) {
  TDesktop& D = Desktop();
  const HWND Old = D.Focus;
  if (Wnd && !CanTakeFocus(Wnd)) return nullptr;
  if (Wnd == Old) return Old;
  if (Wnd) {
    const HWND Top = TopLevelRecord(*FindWindowRecord(Wnd)).Handle;
    if (Top != D.Active && CanActivate(Top)) ActivateWindow(Top, WA_ACTIVE, false);
    if (!CanTakeFocus(Wnd)) return nullptr;
  }
  // A focus change made by the losing window's WM_KILLFOCUS handler wins over this one.
  if (Old && IsWindow(Old) && D.LosingFocus != Old) {
    {
      const HWND Saved = D.LosingFocus;
      D.LosingFocus = Old;
      SendMessage(Old, WM_KILLFOCUS, WPARAM(Wnd));
      D.LosingFocus = Saved;
    }
    if (D.Focus != Old) return Old;
  }
  if (Wnd && !IsWindow(Wnd)) Wnd = nullptr;
  D.Focus = Wnd;
  if (Wnd) SendMessage(Wnd, WM_SETFOCUS, WPARAM(Old));
  return Old;
}

HWND GetFocus() {
  return Desktop().Focus;
}

HWND SetCapture(HWND Wnd) {
  TDesktop& D = Desktop();
  const HWND Old = D.Capture;
  if (!IsWindow(Wnd) || Wnd == Old) return Old;
  D.Capture = Wnd;
  if (Old) SendMessage(Old, WM_CAPTURECHANGED, 0, LPARAM(Wnd));
  return Old;
}

bool ReleaseCapture() {
  TDesktop& D = Desktop();
  const HWND Old = D.Capture;
  D.Capture = nullptr;
  if (Old) SendMessage(Old, WM_CAPTURECHANGED, 0, 0);
  return true;
}

HWND GetCapture() {
  return Desktop().Capture;
}

bool CanActivate(HWND Wnd) {
  const TWindow* W = FindWindowRecord(Wnd);
  return W && !W->Parent && !(W->ExStyle & WS_EX_TOOLWINDOW) && !(W->Style & WS_CHILD) &&
         !(W->Style & WS_DISABLED) && (W->Style & WS_VISIBLE);
}

void ActivateWindow(HWND Wnd, WORD How, bool SetFocusInside) {
  TDesktop& D = Desktop();
  if (D.Active == Wnd || !IsWindow(Wnd)) return;
  const HWND Old = D.Active;
  D.Active = Wnd;
  SetWindowPos(Wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  MarkCaption(Old);
  MarkCaption(Wnd);
  if (IsWindow(Old)) SendMessage(Old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), LPARAM(Wnd));
  SendMessage(Wnd, WM_ACTIVATE, MAKEWPARAM(How, 0), LPARAM(Old));
  if (SetFocusInside && D.Active == Wnd && !IsWithin(D.Focus, Wnd)) SetFocus(Wnd);
}

HWND SetActiveWindow(HWND Wnd) {
  if (!CanActivate(Wnd)) return nullptr;
  const HWND Old = Desktop().Active;
  ActivateWindow(Wnd, WA_ACTIVE);
  return Old;
}

HWND GetActiveWindow() {
  return Desktop().Active;
}

void TakeInputFrom(HWND Root) {
  TDesktop& D = Desktop();
  if (IsWithin(D.Focus, Root)) {
    const HWND Old = D.Focus;
    D.Focus = nullptr;
    SendMessage(Old, WM_KILLFOCUS, 0);
  }
  if (IsWithin(D.Capture, Root)) ReleaseCapture();
  if (IsWithin(D.Active, Root)) {
    const HWND Old = D.Active;
    D.Active = nullptr;
    SendMessage(Old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
  }
}

}  // namespace framework
