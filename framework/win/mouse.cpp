#include "framework/win/mouse.h"

#include <algorithm>
#include <cstdlib>

#include "framework/win/desktop.h"
#include "framework/win/focus.h"
#include "framework/win/message_queue.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/system_metrics.h"
#include "framework/win/window.h"

namespace framework {

namespace {

constexpr WORD ButtonKeys[] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};

UINT ButtonMessage(TMouseButton Button, int Offset) {
  return WM_LBUTTONDOWN + 3 * UINT(Button) + UINT(Offset);
}

WPARAM KeyFlags() {
  const auto& Keys = Desktop().KeysDown;
  WPARAM Flags = 0;
  if (Keys[VK_LBUTTON]) Flags |= MK_LBUTTON;
  if (Keys[VK_RBUTTON]) Flags |= MK_RBUTTON;
  if (Keys[VK_MBUTTON]) Flags |= MK_MBUTTON;
  if (Keys[VK_SHIFT]) Flags |= MK_SHIFT;
  if (Keys[VK_CONTROL]) Flags |= MK_CONTROL;
  return Flags;
}

// Where a mouse event goes, and what part of the window it is over.
struct TMouseTarget {
  HWND Wnd;
  LRESULT Hit = HTNOWHERE;
  bool Captured = false;
};

TMouseTarget FindTarget() {
  const TDesktop& D = Desktop();
  if (IsWindow(D.Capture)) return {D.Capture, HTCLIENT, true};
  HWND Wnd = WindowFromPoint(D.CursorPos);
  while (Wnd) {
    while (Wnd && !IsWindowEnabled(Wnd)) Wnd = FindWindowRecord(Wnd)->Parent;
    if (!Wnd) break;
    const LRESULT Hit = SendMessage(Wnd, WM_NCHITTEST, 0, PointToLParam(D.CursorPos));
    if (Hit != HTTRANSPARENT) return {Wnd, Hit};
    const TWindow* W = FindWindowRecord(Wnd);
    Wnd = W ? W->Parent : HWND();
  }
  return {};
}

void SendMouse(const TMouseTarget& Target, UINT ClientMsg) {
  if (!Target.Wnd) return;
  const TPoint Screen = Desktop().CursorPos;
  if (!Target.Captured) {
    SendMessage(Target.Wnd, WM_SETCURSOR, WPARAM(Target.Wnd),
                MAKELPARAM(WORD(Target.Hit), WORD(ClientMsg)));
  }
  if (Target.Hit == HTCLIENT) {
    TPoint Client = Screen;
    ScreenToClient(Target.Wnd, Client);
    DeliverMessage(Target.Wnd, ClientMsg, KeyFlags(), PointToLParam(Client));
  } else if (Target.Hit != HTNOWHERE && Target.Hit != HTERROR) {
    DeliverMessage(Target.Wnd, ClientMsg - WM_MOUSEMOVE + WM_NCMOUSEMOVE, WPARAM(Target.Hit),
                   PointToLParam(Screen));
  }
}

// Asks an inactive top-level window whether the press activates it; false when the press is
// eaten.
bool MouseActivate(const TMouseTarget& Target, UINT ClientMsg) {
  TWindow* W = FindWindowRecord(Target.Wnd);
  if (Target.Captured || !W) return true;
  const HWND Top = TopLevelRecord(*W).Handle;
  if (Top == Desktop().Active) return true;
  const LRESULT Answer = SendMessage(Target.Wnd, WM_MOUSEACTIVATE, WPARAM(Top),
                                     MAKELPARAM(WORD(Target.Hit), WORD(ClientMsg)));
  if ((Answer == MA_ACTIVATE || Answer == MA_ACTIVATEANDEAT) && CanActivate(Top))
    ActivateWindow(Top, WA_CLICKACTIVE);
  return Answer != MA_ACTIVATEANDEAT && Answer != MA_NOACTIVATEANDEAT;
}

bool IsDoubleClick(const TMouseTarget& Target, TMouseButton Button) {
  const TDesktop& D = Desktop();
  const TLastPress& Last = D.LastPress;
  return Target.Wnd == Last.Wnd && int(Button) == Last.Button &&
         D.Time - Last.Time <= GetDoubleClickTime() &&
         std::abs(D.CursorPos.X - Last.Screen.X) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
         std::abs(D.CursorPos.Y - Last.Screen.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2 &&
         (GetClassStyle(Target.Wnd) & CS_DBLCLKS);
}

void MoveTo(TPoint Screen) {
  if (Screen != Desktop().CursorPos) RawPointerMove(Screen);
}

}  // namespace

bool GetCursorPos(TPoint& P) {
  P = Desktop().CursorPos;
  return true;
}

bool SetCursorPos(int X, int Y) {
  RawPointerMove({X, Y});
  return true;
}

void RawPointerMove(TPoint Screen) {
  ProcessPostedMessages();
  TDesktop& D = Desktop();
  D.CursorPos = {std::clamp(Screen.X, 0, D.Screen.cx - 1),
                 std::clamp(Screen.Y, 0, D.Screen.cy - 1)};
  if (!ScrollBarTrackingMove()) SendMouse(FindTarget(), WM_MOUSEMOVE);
  ProcessMessages();
}

void RawButtonDown(TMouseButton Button, TPoint Screen) {
  MoveTo(Screen);
  ProcessPostedMessages();
  Desktop().KeysDown[ButtonKeys[Button]] = true;
  if (ScrollBarTrackingButton(false)) return ProcessMessages();
  TMouseTarget Target = FindTarget();
  UINT Msg = ButtonMessage(Button, 0);
  if (!MouseActivate(Target, Msg)) return ProcessMessages();
  Target = FindTarget();
  TDesktop& D = Desktop();
  if (IsDoubleClick(Target, Button)) {
    Msg = ButtonMessage(Button, 2);
    D.LastPress = {};
  } else {
    D.LastPress = {Target.Wnd, int(Button), D.Time, D.CursorPos};
  }
  SendMouse(Target, Msg);
  ProcessMessages();
}

void RawButtonUp(TMouseButton Button, TPoint Screen) {
  MoveTo(Screen);
  ProcessPostedMessages();
  Desktop().KeysDown[ButtonKeys[Button]] = false;
  if (!ScrollBarTrackingButton(Button == mbLeft)) SendMouse(FindTarget(), ButtonMessage(Button, 1));
  ProcessMessages();
}

}  // namespace framework
