#include "framework/win/scroll_bar.h"

#include <algorithm>
#include <cstdint>

#include "framework/win/desktop.h"
#include "framework/win/non_client.h"
#include "framework/win/system_metrics.h"
#include "framework/win/timers.h"
#include "framework/win/window.h"
#include "framework/win/window_position.h"

namespace framework {

namespace {

constexpr int MinThumb = 8;
constexpr UINT RepeatDelay = 400;
constexpr UINT RepeatPeriod = 50;

TScrollBarState* FindBar(HWND Wnd, int Bar) {
  TWindow* W = FindWindowRecord(Wnd);
  if (!W || (Bar != SB_HORZ && Bar != SB_VERT)) return nullptr;
  return &W->ScrollBars[size_t(Bar)];
}

// In 64 bits: a range may span the whole of int, and Page the whole of UINT.
int64_t RangeSize(const TScrollBarState& S) {
  return int64_t(S.Max) - S.Min + 1;
}

int64_t LastPos(const TScrollBarState& S) {
  return std::max<int64_t>(S.Min, int64_t(S.Max) - std::max<int64_t>(int64_t(S.Page) - 1, 0));
}

bool HasScroll(const TScrollBarState& S) {
  return S.Max > S.Min && RangeSize(S) > int64_t(S.Page);
}

int ClampPos(const TScrollBarState& S, int64_t Pos) {
  return int(std::clamp<int64_t>(Pos, S.Min, LastPos(S)));
}

bool Dragging(HWND Wnd, int Bar) {
  const TScrollBarTracking& T = Desktop().ScrollBarTracking;
  return T.Wnd == Wnd && T.Bar == Bar && T.Part == sbThumb;
}

// After any change: the range not reversed, the page within it, the positions within the range.
// TrackPos keeps the dragged place while a drag lasts and follows Pos otherwise.
void Normalize(TScrollBarState& S, bool Dragged) {
  S.Max = std::max(S.Max, S.Min);
  S.Page = UINT(std::min<int64_t>(S.Page, RangeSize(S)));
  S.Pos = ClampPos(S, S.Pos);
  S.TrackPos = Dragged ? ClampPos(S, S.TrackPos) : S.Pos;
}

int Along(const TScrollBarGeometry& G, TPoint P) {
  return G.Vertical ? P.Y : P.X;
}

int Start(const TScrollBarGeometry& G, const TRect& R) {
  return G.Vertical ? R.Top : R.Left;
}

int Length(const TScrollBarGeometry& G, const TRect& R) {
  return G.Vertical ? R.Height() : R.Width();
}

// The piece of the strip from one place along it to another.
TRect Piece(const TScrollBarGeometry& G, int From, int To) {
  const TRect& S = G.Strip;
  return G.Vertical ? TRect{S.Left, From, S.Right, To} : TRect{From, S.Top, To, S.Bottom};
}

UINT ScrollMessage(int Bar) {
  return Bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
}

WORD Request(int Part) {
  switch (Part) {
    case sbLessArrow: return SB_LINEUP;
    case sbLessPage: return SB_PAGEUP;
    case sbMorePage: return SB_PAGEDOWN;
    case sbMoreArrow: return SB_LINEDOWN;
    default: return SB_ENDSCROLL;
  }
}

// The message carries 16 bits of the position; GetScrollInfo gives all of it.
void SendRequest(HWND Wnd, int Bar, WORD Code, int Pos = 0) {
  SendMessage(Wnd, ScrollMessage(Bar), MAKEWPARAM(Code, WORD(Pos)), 0);
}

// The tracking in progress, or nullptr; a tracking whose window has gone is dropped here. Never
// kept across a message: the window may go, or the tracking end, in any of them.
TScrollBarTracking* Tracking() {
  TScrollBarTracking& T = Desktop().ScrollBarTracking;
  if (!T.Wnd) return nullptr;
  if (!FindWindowRecord(T.Wnd)) T = {};
  return T.Wnd ? &T : nullptr;
}

TPoint PointerInWindow(HWND Wnd) {
  const TPoint Screen = Desktop().CursorPos;
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return Screen;
  const TPoint Origin = WindowScreenOrigin(*W);
  return {Screen.X - Origin.X, Screen.Y - Origin.Y};
}

// The position whose thumb lies nearest to the pointer, the thumb held where it was taken.
int DraggedPos(const TScrollBarGeometry& G, const TScrollBarState& S, int Offset, TPoint P) {
  const int Free = Length(G, G.Track) - Length(G, G.Thumb);
  if (G.Thumb.IsEmpty() || Free <= 0) return S.TrackPos;
  const int64_t Place = int64_t(Along(G, P)) - Offset - Start(G, G.Track);
  const int64_t Span = LastPos(S) - S.Min;
  return ClampPos(S, S.Min + (Place * Span + Free / 2) / Free);
}

// The release: the last position of a drag, then the end of every kind of press. The tracking is
// over before the window hears of it, so that nothing it does in its handler reaches the tracker.
void EndTracking() {
  const TScrollBarTracking T = Desktop().ScrollBarTracking;
  const TScrollBarState* S = FindBar(T.Wnd, T.Bar);
  const int Final = S ? S->TrackPos : 0;
  Desktop().ScrollBarTracking = {};
  KillTimer(T.Wnd, ScrollBarRepeatTimer);
  if (!S) return;
  if (T.Part == sbThumb) SendRequest(T.Wnd, T.Bar, SB_THUMBPOSITION, Final);
  TScrollBarState* After = FindBar(T.Wnd, T.Bar);
  if (!After) return;
  Normalize(*After, false);
  PaintScrollBar(T.Wnd, T.Bar);
  SendRequest(T.Wnd, T.Bar, SB_ENDSCROLL);
}

}  // namespace

TScrollBarGeometry ScrollBarGeometry(HWND Wnd, int Bar) {
  TScrollBarGeometry G;
  G.Vertical = Bar == SB_VERT;
  G.Strip = ScrollBarStrip(Wnd, Bar);
  const TScrollBarState* S = FindBar(Wnd, Bar);
  if (!S || G.Strip.IsEmpty()) return G;
  const int Begin = Start(G, G.Strip), End = Begin + Length(G, G.Strip);
  const int Thickness = G.Vertical ? G.Strip.Width() : G.Strip.Height();
  const int Arrow =
      std::min(GetSystemMetrics(G.Vertical ? SM_CYVSCROLL : SM_CXHSCROLL), (End - Begin) / 2);
  G.Less = Piece(G, Begin, Begin + Arrow);
  G.More = Piece(G, End - Arrow, End);
  G.Track = Piece(G, Begin + Arrow, End - Arrow);
  G.Scrolls = HasScroll(*S);
  const int Track = Length(G, G.Track);
  if (!G.Scrolls || Track < MinThumb) return G;
  // A page of 0 says nothing of the size: the thumb is square.
  const int Thumb =
      S->Page ? int(std::clamp<int64_t>(Track * int64_t(S->Page) / RangeSize(*S), MinThumb, Track))
              : std::clamp(Thickness, MinThumb, Track);
  const int Pos = Dragging(Wnd, Bar) ? S->TrackPos : S->Pos;
  // The bar scrolls, so the span is at least 1.
  const int64_t Span = LastPos(*S) - S->Min;
  const int At = Begin + Arrow + int((Track - Thumb) * (int64_t(Pos) - S->Min) / Span);
  G.Thumb = Piece(G, At, At + Thumb);
  return G;
}

TScrollBarPart ScrollBarPartAt(const TScrollBarGeometry& G, TPoint WindowPoint) {
  if (G.Less.Contains(WindowPoint)) return sbLessArrow;
  if (G.More.Contains(WindowPoint)) return sbMoreArrow;
  if (G.Thumb.IsEmpty() || !G.Track.Contains(WindowPoint)) return sbNowhere;
  if (G.Thumb.Contains(WindowPoint)) return sbThumb;
  return Along(G, WindowPoint) < Start(G, G.Thumb) ? sbLessPage : sbMorePage;
}

int SetScrollInfo(HWND Wnd, int Bar, const TScrollInfo& Info, bool Redraw) {
  TScrollBarState* S = FindBar(Wnd, Bar);
  if (!S) return 0;
  if (Info.Mask & SIF_RANGE) {
    S->Min = Info.Min;
    S->Max = Info.Max;
  }
  if (Info.Mask & SIF_PAGE) S->Page = Info.Page;
  if (Info.Mask & SIF_POS) S->Pos = Info.Pos;
  Normalize(*S, Dragging(Wnd, Bar));
  const int Pos = S->Pos;
  if (Redraw) PaintScrollBar(Wnd, Bar);
  return Pos;
}

bool GetScrollInfo(HWND Wnd, int Bar, TScrollInfo& Info) {
  const TScrollBarState* S = FindBar(Wnd, Bar);
  if (!S) return false;
  if (Info.Mask & SIF_RANGE) {
    Info.Min = S->Min;
    Info.Max = S->Max;
  }
  if (Info.Mask & SIF_PAGE) Info.Page = S->Page;
  if (Info.Mask & SIF_POS) Info.Pos = S->Pos;
  if (Info.Mask & SIF_TRACKPOS) Info.TrackPos = S->TrackPos;
  return true;
}

int SetScrollPos(HWND Wnd, int Bar, int Pos, bool Redraw) {
  const TScrollBarState* S = FindBar(Wnd, Bar);
  if (!S) return 0;
  const int Previous = S->Pos;
  TScrollInfo Info;
  Info.Mask = SIF_POS;
  Info.Pos = Pos;
  SetScrollInfo(Wnd, Bar, Info, Redraw);
  return Previous;
}

int GetScrollPos(HWND Wnd, int Bar) {
  const TScrollBarState* S = FindBar(Wnd, Bar);
  return S ? S->Pos : 0;
}

bool SetScrollRange(HWND Wnd, int Bar, int Min, int Max, bool Redraw) {
  if (!FindBar(Wnd, Bar)) return false;
  TScrollInfo Info;
  Info.Mask = SIF_RANGE;
  Info.Min = Min;
  Info.Max = Max;
  SetScrollInfo(Wnd, Bar, Info, Redraw);
  return true;
}

bool GetScrollRange(HWND Wnd, int Bar, int& Min, int& Max) {
  const TScrollBarState* S = FindBar(Wnd, Bar);
  Min = S ? S->Min : 0;
  Max = S ? S->Max : 0;
  return S != nullptr;
}

bool ShowScrollBar(HWND Wnd, int Bar, bool Show) {
  const DWORD Bits = Bar == SB_VERT   ? DWORD(WS_VSCROLL)
                     : Bar == SB_HORZ ? DWORD(WS_HSCROLL)
                     : Bar == SB_BOTH ? DWORD(WS_VSCROLL | WS_HSCROLL)
                                      : 0;
  TWindow* W = FindWindowRecord(Wnd);
  if (!W || !Bits) return false;
  const DWORD Style = Show ? W->Style | Bits : W->Style & ~Bits;
  if (Style == W->Style) return true;
  W->Style = Style;
  return SetWindowPos(Wnd, nullptr, 0, 0, 0, 0,
                      SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TrackScrollBar(HWND Wnd, int Bar, TPoint Screen) {
  if (Tracking() || !IsWindowEnabled(Wnd)) return;
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return;
  const TPoint Origin = WindowScreenOrigin(*W);
  const TPoint P{Screen.X - Origin.X, Screen.Y - Origin.Y};
  const TScrollBarGeometry G = ScrollBarGeometry(Wnd, Bar);
  const TScrollBarPart Part = ScrollBarPartAt(G, P);
  if (!G.Scrolls || Part == sbNowhere) return;
  Desktop().ScrollBarTracking = {Wnd, Bar, Part, Along(G, P) - Start(G, G.Thumb), true};
  if (Part == sbThumb) return;
  PaintScrollBar(Wnd, Bar);
  SetTimer(Wnd, ScrollBarRepeatTimer, RepeatDelay);
  SendRequest(Wnd, Bar, Request(Part));
}

bool ScrollBarTrackingMove() {
  TScrollBarTracking* T = Tracking();
  if (!T) return false;
  const HWND Wnd = T->Wnd;
  const int Bar = T->Bar;
  const TScrollBarGeometry G = ScrollBarGeometry(Wnd, Bar);
  const TPoint P = PointerInWindow(Wnd);
  if (T->Part != sbThumb) {
    const bool Over = ScrollBarPartAt(G, P) == T->Part;
    if (Over == T->Over) return true;
    T->Over = Over;
    PaintScrollBar(Wnd, Bar);
    return true;
  }
  TScrollBarState& S = *FindBar(Wnd, Bar);
  const int Pos = DraggedPos(G, S, T->Offset, P);
  if (Pos == S.TrackPos) return true;
  S.TrackPos = Pos;
  PaintScrollBar(Wnd, Bar);
  SendRequest(Wnd, Bar, SB_THUMBTRACK, Pos);
  return true;
}

bool ScrollBarTrackingButton(bool LeftReleased) {
  if (!Tracking()) return false;
  if (LeftReleased) EndTracking();
  return true;
}

void RepeatScrollBarPress(HWND Wnd) {
  TScrollBarTracking* T = Tracking();
  if (!T || T->Wnd != Wnd || T->Part == sbThumb) {
    KillTimer(Wnd, ScrollBarRepeatTimer);
    return;
  }
  SetTimer(Wnd, ScrollBarRepeatTimer, RepeatPeriod);
  // A page press stops once the thumb has come under the pointer.
  const TScrollBarGeometry G = ScrollBarGeometry(Wnd, T->Bar);
  T->Over = ScrollBarPartAt(G, PointerInWindow(Wnd)) == T->Part;
  if (T->Over && G.Scrolls) SendRequest(Wnd, T->Bar, Request(T->Part));
}

void CancelScrollBarTracking(HWND Wnd) {
  if (const TScrollBarTracking* T = Tracking(); T && T->Wnd == Wnd) EndTracking();
}

}  // namespace framework
