#include "framework/win/button_control.h"

#include <algorithm>

#include "framework/graphics/canvas.h"
#include "framework/graphics/draw_frame_control.h"
#include "framework/graphics/font_engine.h"
#include "framework/win/focus.h"
#include "framework/win/painting.h"
#include "framework/win/system_control.h"

namespace framework {

namespace {

struct TButtonState {
  LRESULT Check = BST_UNCHECKED;
  // The pushed look, whoever set it.
  bool Pushed = false;
  // The left button went down here and is held.
  bool Tracking = false;
  // The space bar went down while focused.
  bool SpaceDown = false;
  bool Focused = false;
  HFONT Font = nullptr;
};

TControlStates<TButtonState>& States() {
  static TControlStates<TButtonState> Table;
  return Table;
}

constexpr int CheckBoxSize = 13;
constexpr int CaptionGap = 4;

DWORD Kind(HWND Wnd) {
  return DWORD(GetWindowLong(Wnd, GWL_STYLE)) & BS_TYPEMASK;
}

bool IsPushButton(HWND Wnd) {
  return Kind(Wnd) == BS_PUSHBUTTON || Kind(Wnd) == BS_DEFPUSHBUTTON;
}

bool IsThreeState(HWND Wnd) {
  return Kind(Wnd) == BS_3STATE || Kind(Wnd) == BS_AUTO3STATE;
}

void Repaint(HWND Wnd) {
  InvalidateRect(Wnd, nullptr, false);
}

void SetPushed(HWND Wnd, TButtonState& S, bool Pushed) {
  if (S.Pushed == Pushed) return;
  S.Pushed = Pushed;
  Repaint(Wnd);
}

void SetCheck(HWND Wnd, TButtonState& S, WPARAM Check) {
  if (IsPushButton(Wnd)) return;
  LRESULT Value = LRESULT(std::min<WPARAM>(Check, BST_INDETERMINATE));
  if (Value == BST_INDETERMINATE && !IsThreeState(Wnd)) Value = BST_CHECKED;
  if (S.Check == Value) return;
  S.Check = Value;
  Repaint(Wnd);
}

// An automatic check box moves on to its next state; then the parent hears of the click, last,
// as it may destroy the button.
void Click(HWND Wnd, TButtonState& S) {
  if (Kind(Wnd) == BS_AUTOCHECKBOX) SetCheck(Wnd, S, S.Check == BST_UNCHECKED);
  if (Kind(Wnd) == BS_AUTO3STATE) SetCheck(Wnd, S, WPARAM((S.Check + 1) % 3));
  NotifyParent(Wnd, BN_CLICKED);
}

// A press ends: a click when it ended pushed.
void Release(HWND Wnd, TButtonState& S) {
  const bool Clicked = S.Pushed;
  S.Tracking = S.SpaceDown = false;
  SetPushed(Wnd, S, false);
  if (Clicked) Click(Wnd, S);
}

void LButtonDown(HWND Wnd) {
  if (GetFocus() != Wnd) SetFocus(Wnd);
  TButtonState* S = States().Get(Wnd);
  if (!S) return;
  S->Tracking = true;
  SetCapture(Wnd);
  SetPushed(Wnd, *S, true);
}

void MouseMove(HWND Wnd, TButtonState& S, TPoint P) {
  if (!S.Tracking) return;
  TRect Client;
  GetClientRect(Wnd, Client);
  SetPushed(Wnd, S, Client.Contains(P));
}

void LButtonUp(HWND Wnd, TButtonState& S) {
  if (!S.Tracking) return;
  // No longer tracking, the WM_CAPTURECHANGED that follows leaves the push to Release.
  S.Tracking = false;
  if (GetCapture() == Wnd) ReleaseCapture();
  Release(Wnd, S);
}

void CaptureChanged(HWND Wnd, TButtonState& S) {
  if (!S.Tracking) return;
  S.Tracking = false;
  SetPushed(Wnd, S, false);
}

void KillFocus(HWND Wnd, TButtonState& S) {
  S.Focused = false;
  if (S.SpaceDown) {
    S.SpaceDown = false;
    SetPushed(Wnd, S, false);
  }
  Repaint(Wnd);
}

void PaintPushButton(HWND Wnd, const TButtonState& S, TCanvas& Canvas, TRect R) {
  TDeviceContext& DC = Canvas.DeviceContext();
  if (Kind(Wnd) == BS_DEFPUSHBUTTON) {
    Canvas.Brush()->SetColor(clWindowFrame);
    Canvas.FrameRect(R);
    InflateRect(R, -1, -1);
  }
  DrawFrameControl(&DC, R, DFC_BUTTON, DFCS_BUTTONPUSH | (S.Pushed ? unsigned(DFCS_PUSHED) : 0u));
  const TFontFace& Face = ControlFace(S.Font);
  const std::string Caption = GetWindowText(Wnd);
  const int Shift = S.Pushed ? 1 : 0;
  const int X = R.Left + (R.Width() - Face.TextWidth(Caption)) / 2 + Shift;
  const int Y = R.Top + (R.Height() - Face.Height()) / 2 + Shift;
  DC.Save();
  DC.IntersectClipRect(R);
  Face.DrawText(DC, X, Y, Caption, ColorPixel(IsWindowEnabled(Wnd) ? clBtnText : clGrayText));
  DC.Restore();
  if (S.Focused) {
    InflateRect(R, -3, -3);
    Canvas.DrawFocusRect(R);
  }
}

void PaintCheckBox(HWND Wnd, const TButtonState& S, TCanvas& Canvas, const TRect& R) {
  TDeviceContext& DC = Canvas.DeviceContext();
  DC.FillRect(R, ColorPixel(clBtnFace));
  const bool Enabled = IsWindowEnabled(Wnd);
  unsigned State = DFCS_BUTTONCHECK;
  if (S.Check != BST_UNCHECKED) State |= DFCS_CHECKED;
  // The indeterminate state shows the check mark greyed.
  if (S.Check == BST_INDETERMINATE || !Enabled) State |= DFCS_INACTIVE;
  if (S.Pushed) State |= DFCS_PUSHED;
  const bool LeftText = GetWindowLong(Wnd, GWL_STYLE) & BS_LEFTTEXT;
  const int BoxLeft = LeftText ? R.Right - CheckBoxSize : R.Left;
  const int BoxTop = R.Top + (R.Height() - CheckBoxSize) / 2;
  DrawFrameControl(&DC, {BoxLeft, BoxTop, BoxLeft + CheckBoxSize, BoxTop + CheckBoxSize},
                   DFC_BUTTON, State);
  const TFontFace& Face = ControlFace(S.Font);
  const std::string Caption = GetWindowText(Wnd);
  const int X = LeftText ? R.Left : R.Left + CheckBoxSize + CaptionGap;
  const int Y = R.Top + (R.Height() - Face.Height()) / 2;
  Face.DrawText(DC, X, Y, Caption, ColorPixel(Enabled ? clBtnText : clGrayText));
  if (S.Focused) {
    const TRect Text{X - 1, Y, X + Face.TextWidth(Caption) + 1, Y + Face.Height()};
    Canvas.DrawFocusRect(Text);
  }
}

void Paint(HWND Wnd, const TButtonState& S) {
  TPaintStruct Paint;
  const HDC DC = BeginPaint(Wnd, Paint);
  if (!DC) return;
  TCanvas Canvas;
  Canvas.SetHandle(DC);
  TRect Client;
  GetClientRect(Wnd, Client);
  if (IsPushButton(Wnd))
    PaintPushButton(Wnd, S, Canvas, Client);
  else
    PaintCheckBox(Wnd, S, Canvas, Client);
  EndPaint(Wnd, Paint);
}

LRESULT GetDlgCode(HWND Wnd) {
  switch (Kind(Wnd)) {
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    default: return DLGC_BUTTON;
  }
}

LRESULT Dispatch(HWND Wnd, TButtonState& S, UINT Msg, WPARAM W, LPARAM L) {
  switch (Msg) {
    case BM_GETCHECK: return S.Check;
    case BM_SETCHECK: SetCheck(Wnd, S, W); return 0;
    case BM_GETSTATE:
      return S.Check | (S.Pushed ? LRESULT(BST_PUSHED) : 0) | (S.Focused ? LRESULT(BST_FOCUS) : 0);
    case BM_SETSTATE: SetPushed(Wnd, S, W != 0); return 0;
    case BM_CLICK:
      if (IsWindowEnabled(Wnd)) Click(Wnd, S);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: LButtonDown(Wnd); return 0;
    case WM_MOUSEMOVE: MouseMove(Wnd, S, LParamToPoint(L)); return 0;
    case WM_LBUTTONUP: LButtonUp(Wnd, S); return 0;
    case WM_CAPTURECHANGED: CaptureChanged(Wnd, S); return 0;
    case WM_KEYDOWN:
      if (W != VK_SPACE) return DefWindowProc(Wnd, Msg, W, L);
      if (!S.Tracking && !(L & KF_PREVDOWN)) {
        S.SpaceDown = true;
        SetPushed(Wnd, S, true);
      }
      return 0;
    case WM_KEYUP:
      if (W != VK_SPACE) return DefWindowProc(Wnd, Msg, W, L);
      if (S.SpaceDown) Release(Wnd, S);
      return 0;
    case WM_SETFOCUS:
      S.Focused = true;
      Repaint(Wnd);
      return 0;
    case WM_KILLFOCUS: KillFocus(Wnd, S); return 0;
    case WM_GETDLGCODE: return GetDlgCode(Wnd);
    case WM_SETTEXT: {
      const LRESULT Done = DefWindowProc(Wnd, Msg, W, L);
      Repaint(Wnd);
      return Done;
    }
    case WM_ENABLE: Repaint(Wnd); return 0;
    case WM_SETFONT:
      S.Font = reinterpret_cast<HFONT>(W);
      if (L) Repaint(Wnd);
      return 0;
    case WM_GETFONT: return LRESULT(S.Font);
    case WM_PAINT: Paint(Wnd, S); return 0;
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProc(Wnd, Msg, W, L);
  }
}

}  // namespace

LRESULT ButtonWindowProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg == WM_NCDESTROY) {
    States().Free(Wnd);
    return DefWindowProc(Wnd, Msg, W, L);
  }
  TButtonState* S = States().Get(Wnd);
  if (!S) return DefWindowProc(Wnd, Msg, W, L);
  return Dispatch(Wnd, *S, Msg, W, L);
}

TWndClass ButtonWindowClass() {
  return {0, &ButtonWindowProc, IDC_ARROW, clNone, "BUTTON"};
}

}  // namespace framework
