#include "framework/win/window_position.h"

#include <algorithm>

#include "framework/win/desktop.h"
#include "framework/win/focus.h"
#include "framework/win/painting.h"
#include "framework/win/window.h"

namespace framework {

namespace {

bool IsTopmost(HWND Wnd) {
  const TWindow* W = FindWindowRecord(Wnd);
  return W && (W->ExStyle & WS_EX_TOPMOST);
}

// The list of siblings with the window moved to its new place; InsertAfter as SetWindowPos takes
// it. The topmost flag of a top-level window follows HWND_TOPMOST, HWND_NOTOPMOST and
// HWND_BOTTOM; a window stays within its group otherwise.
std::vector<HWND> ReorderedSiblings(const TWindow& W, HWND InsertAfter, bool& Topmost) {
  std::vector<HWND> List = SiblingList(W);
  List.erase(std::find(List.begin(), List.end(), W.Handle));
  Topmost = W.ExStyle & WS_EX_TOPMOST;
  if (W.Parent) {
    const auto Sibling = std::find(List.begin(), List.end(), InsertAfter);
    if (InsertAfter == HWND_BOTTOM)
      List.insert(List.begin(), W.Handle);
    else if (Sibling != List.end())
      List.insert(Sibling, W.Handle);
    else
      List.push_back(W.Handle);
    return List;
  }
  if (InsertAfter == HWND_TOPMOST) Topmost = true;
  if (InsertAfter == HWND_NOTOPMOST || InsertAfter == HWND_BOTTOM) Topmost = false;
  const auto GroupStart = std::find_if(List.begin(), List.end(), IsTopmost);
  const auto First = Topmost ? GroupStart : List.begin();
  const auto Last = Topmost ? List.end() : GroupStart;
  auto Place = std::find(First, Last, InsertAfter);
  if (InsertAfter == HWND_BOTTOM) Place = First;
  List.insert(Place, W.Handle);
  return List;
}

// Drops the flags of the things the window already is, so that only real changes are sent.
void DropUnchanged(const TWindow& W, TWindowPos& Pos) {
  if (Pos.x == W.Rect.Left && Pos.y == W.Rect.Top) Pos.flags |= SWP_NOMOVE;
  if (Pos.cx == W.Rect.Width() && Pos.cy == W.Rect.Height()) Pos.flags |= SWP_NOSIZE;
  const bool Visible = W.Style & WS_VISIBLE;
  if (Visible) Pos.flags &= ~UINT(SWP_SHOWWINDOW);
  if (!Visible) Pos.flags &= ~UINT(SWP_HIDEWINDOW);
  if (!(Pos.flags & SWP_NOZORDER)) {
    bool Topmost;
    const auto List = ReorderedSiblings(W, Pos.hwndInsertAfter, Topmost);
    if (List == SiblingList(W) && Topmost == bool(W.ExStyle & WS_EX_TOPMOST))
      Pos.flags |= SWP_NOZORDER;
  }
}

// Asked before the change (is there anything to do?) and after it (CanActivate wants the window
// shown).
bool WantsActivation(const TWindow& W, const TWindowPos& Pos) {
  const bool WillShow = (W.Style & WS_VISIBLE) || (Pos.flags & SWP_SHOWWINDOW);
  const bool Activatable = (W.Style & WS_VISIBLE) ? CanActivate(W.Handle)
                                                  : !(W.Style & (WS_CHILD | WS_DISABLED)) &&
                                                        !(W.ExStyle & WS_EX_TOOLWINDOW);
  return !(Pos.flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) && !W.Parent && WillShow &&
         Desktop().Active != W.Handle && Activatable;
}

constexpr UINT NothingChanges = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;

bool ChangesNothing(const TWindowPos& Pos) {
  return (Pos.flags & NothingChanges) == NothingChanges &&
         !(Pos.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_FRAMECHANGED));
}

void Apply(TWindow& W, const TWindowPos& Pos) {
  if (!(Pos.flags & SWP_NOZORDER)) {
    bool Topmost;
    SiblingList(W) = ReorderedSiblings(W, Pos.hwndInsertAfter, Topmost);
    W.ExStyle = Topmost ? W.ExStyle | WS_EX_TOPMOST : W.ExStyle & ~DWORD(WS_EX_TOPMOST);
  }
  if (!(Pos.flags & SWP_NOMOVE)) OffsetRect(W.Rect, Pos.x - W.Rect.Left, Pos.y - W.Rect.Top);
  if (!(Pos.flags & SWP_NOSIZE)) {
    W.Rect.Right = W.Rect.Left + std::max(Pos.cx, 0);
    W.Rect.Bottom = W.Rect.Top + std::max(Pos.cy, 0);
    if (W.Surface) W.Surface->Resize(W.Rect.Width(), W.Rect.Height());
  }
  if (Pos.flags & SWP_SHOWWINDOW) W.Style |= WS_VISIBLE;
  if (Pos.flags & SWP_HIDEWINDOW) W.Style &= ~DWORD(WS_VISIBLE);
}

// What has to be painted again: the place a child left in its parent (and the windows there),
// and the whole window where it now shows. Top-level windows own their surfaces: moving one
// uncovers nothing.
void Redraw(HWND Wnd, const TWindowPos& Pos, bool WasVisible, const TRect& OldRect) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return;
  const bool Placed = (Pos.flags & NothingChanges) != NothingChanges;
  const bool Hidden = Pos.flags & SWP_HIDEWINDOW;
  const bool Shown = Pos.flags & (SWP_SHOWWINDOW | SWP_FRAMECHANGED);
  if (W->Parent && WasVisible && (Placed || Hidden)) InvalidateTree(W->Parent, OldRect);
  const bool Repaint = W->Parent ? Placed || Shown : !(Pos.flags & SWP_NOSIZE) || Shown;
  if (Repaint && IsWindowVisible(Wnd)) InvalidateWindowFully(Wnd);
}

}  // namespace

void RecalculateClient(HWND Wnd) {
  TWindow* W = FindWindowRecord(Wnd);
  if (!W) return;
  TRect R = W->Rect;
  SendMessage(Wnd, WM_NCCALCSIZE, FALSE, LPARAM(&R));
  W = FindWindowRecord(Wnd);
  if (!W) return;
  OffsetRect(R, -W->Rect.Left, -W->Rect.Top);
  const TRect Whole{0, 0, W->Rect.Width(), W->Rect.Height()};
  IntersectRect(W->Client, R, Whole);
  if (W->Client.IsEmpty()) W->Client = {R.Left, R.Top, R.Left, R.Top};
}

bool SetWindowPos(HWND Wnd, HWND InsertAfter, int X, int Y, int Width, int Height, UINT Flags) {
  TWindow* W = FindWindowRecord(Wnd);
  if (!W) return false;
  TWindowPos Pos{Wnd, InsertAfter, X, Y, Width, Height, Flags};
  DropUnchanged(*W, Pos);
  if (ChangesNothing(Pos) && !WantsActivation(*W, Pos)) return true;
  SendMessage(Wnd, WM_WINDOWPOSCHANGING, 0, LPARAM(&Pos));
  W = FindWindowRecord(Wnd);
  if (!W) return false;
  DropUnchanged(*W, Pos);
  const bool WasVisible = IsWindowVisible(Wnd);
  const TRect OldRect = W->Rect;
  Apply(*W, Pos);
  const bool Activate = WantsActivation(*W, Pos);
  if (!(Pos.flags & SWP_NOSIZE) || (Pos.flags & SWP_FRAMECHANGED)) RecalculateClient(Wnd);
  if (!(Pos.flags & SWP_NOREDRAW)) Redraw(Wnd, Pos, WasVisible, OldRect);
  if (Activate) ActivateWindow(Wnd, WA_ACTIVE);
  if (!ChangesNothing(Pos)) SendMessage(Wnd, WM_WINDOWPOSCHANGED, 0, LPARAM(&Pos));
  return IsWindow(Wnd);
}

bool MoveWindow(HWND Wnd, int X, int Y, int Width, int Height, bool Repaint) {
  return SetWindowPos(Wnd, nullptr, X, Y, Width, Height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (Repaint ? 0u : UINT(SWP_NOREDRAW)));
}

bool ShowWindow(HWND Wnd, int Command) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return false;
  const bool WasVisible = W->Style & WS_VISIBLE;
  const bool Show = Command != SW_HIDE;
  if (Show != WasVisible) SendMessage(Wnd, WM_SHOWWINDOW, Show);
  UINT Flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
  if (!Show)
    Flags |= SWP_HIDEWINDOW | SWP_NOACTIVATE;
  else
    Flags |= SWP_SHOWWINDOW;
  if (Command == SW_SHOWNA || Command == SW_SHOWNOACTIVATE) Flags |= SWP_NOACTIVATE;
  SetWindowPos(Wnd, nullptr, 0, 0, 0, 0, Flags);
  return WasVisible;
}

bool BringWindowToTop(HWND Wnd) {
  return SetWindowPos(Wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

HWND SetParent(HWND Wnd, HWND NewParent) {
  TWindow* W = FindWindowRecord(Wnd);
  if (!W || (NewParent && (!IsWindow(NewParent) || IsWithin(NewParent, Wnd)))) return nullptr;
  const HWND OldParent = W->Parent;
  if (OldParent == NewParent) return OldParent;
  const bool WasVisible = IsWindowVisible(Wnd);
  if (OldParent && WasVisible) InvalidateTree(OldParent, W->Rect);
  const TPoint Screen = WindowScreenOrigin(*W);
  std::vector<HWND>& OldList = SiblingList(*W);
  OldList.erase(std::find(OldList.begin(), OldList.end(), Wnd));
  TPoint Origin = Screen;
  if (NewParent) {
    const TPoint Base = ClientScreenOrigin(*FindWindowRecord(NewParent));
    Origin = {Screen.X - Base.X, Screen.Y - Base.Y};
    W->Surface.reset();
  } else {
    W->Surface = std::make_shared<TSurface>(W->Rect.Width(), W->Rect.Height());
  }
  W->Parent = NewParent;
  W->Owner = nullptr;
  W->ExStyle &= ~DWORD(WS_EX_TOPMOST);
  OffsetRect(W->Rect, Origin.X - W->Rect.Left, Origin.Y - W->Rect.Top);
  std::vector<HWND>& NewList = SiblingList(*W);
  NewList.push_back(Wnd);
  bool Topmost;
  NewList = ReorderedSiblings(*W, HWND_TOP, Topmost);
  if (IsWindowVisible(Wnd)) InvalidateWindowFully(Wnd);
  return OldParent;
}

}  // namespace framework
