#include "framework/win/window.h"

#include <algorithm>
#include <cstring>

#include "framework/win/desktop.h"
#include "framework/win/focus.h"
#include "framework/win/painting.h"
#include "framework/win/timers.h"
#include "framework/win/window_class.h"
#include "framework/win/window_position.h"

namespace framework {

namespace {

// A new window goes to the top of its siblings: the top of its group among top-level windows.
void InsertOnTop(TWindow& W) {
  std::vector<HWND>& List = SiblingList(W);
  if (W.Parent || (W.ExStyle & WS_EX_TOPMOST)) {
    List.push_back(W.Handle);
    return;
  }
  const auto FirstTopmost = std::find_if(List.begin(), List.end(), [](HWND H) {
    const TWindow* Other = FindWindowRecord(H);
    return Other && (Other->ExStyle & WS_EX_TOPMOST);
  });
  List.insert(FirstTopmost, W.Handle);
}

TWindow* NewRecord(const std::shared_ptr<const TWndClass>& Class, DWORD ExStyle, DWORD Style,
                   const TRect& Rect, HWND Parent, HWND Owner, LONG_PTR Id) {
  auto Record = std::make_unique<TWindow>();
  TWindow& W = *Record;
  W.Handle = NewWindowHandle();
  W.Class = Class;
  W.Proc = Class->lpfnWndProc;
  W.Style = Style & ~DWORD(WS_VISIBLE);
  W.ExStyle = ExStyle;
  W.Id = Id;
  W.Rect = Rect;
  W.Client = {0, 0, Rect.Width(), Rect.Height()};
  W.Parent = Parent;
  W.Owner = Owner;
  W.CreationOrder = ++Desktop().CreationOrder;
  if (!Parent) W.Surface = std::make_shared<TSurface>(Rect.Width(), Rect.Height());
  Desktop().Windows.emplace(W.Handle, std::move(Record));
  InsertOnTop(W);
  return &W;
}

void SendDestroy(HWND Wnd) {
  TWindow* W = FindWindowRecord(Wnd);
  if (!W) return;
  W->Destroying = true;
  SendMessage(Wnd, WM_DESTROY);
  W = FindWindowRecord(Wnd);
  if (!W) return;
  const std::vector<HWND> Children(W->Children.rbegin(), W->Children.rend());
  for (HWND Child : Children) SendDestroy(Child);
}

void SendNcDestroy(HWND Wnd) {
  TWindow* W = FindWindowRecord(Wnd);
  if (!W) return;
  const std::vector<HWND> Children(W->Children.rbegin(), W->Children.rend());
  for (HWND Child : Children) SendNcDestroy(Child);
  KillWindowTimers(Wnd);
  SendMessage(Wnd, WM_NCDESTROY);
  W = FindWindowRecord(Wnd);
  if (!W) return;
  std::vector<HWND>& Siblings = SiblingList(*W);
  Siblings.erase(std::remove(Siblings.begin(), Siblings.end(), Wnd), Siblings.end());
  Desktop().Windows.erase(Wnd);
}

std::vector<HWND> OwnedWindows(HWND Owner) {
  std::vector<HWND> Owned;
  for (HWND H : Desktop().TopLevels)
    if (const TWindow* W = FindWindowRecord(H); W && W->Owner == Owner) Owned.push_back(H);
  return Owned;
}

// The deepest visible window inside W (itself included) at a point of W's parent's client
// coordinates.
HWND ChildFromPoint(const TWindow& W, TPoint P) {
  const TPoint Inner{P.X - W.Rect.Left - W.Client.Left, P.Y - W.Rect.Top - W.Client.Top};
  if (!TRect{0, 0, W.Client.Width(), W.Client.Height()}.Contains(Inner)) return W.Handle;
  for (auto It = W.Children.rbegin(); It != W.Children.rend(); ++It) {
    const TWindow* Child = FindWindowRecord(*It);
    if (Child && (Child->Style & WS_VISIBLE) && Child->Rect.Contains(Inner))
      return ChildFromPoint(*Child, Inner);
  }
  return W.Handle;
}

}  // namespace

HWND CreateWindowEx(DWORD ExStyle, const std::string& ClassName, const std::string& WindowName,
                    DWORD Style, int X, int Y, int Width, int Height, HWND Parent, LONG_PTR Id,
                    void* Param) {
  const auto Class = FindWindowClass(ClassName);
  if (!Class || (Parent && !IsWindow(Parent))) return nullptr;
  const bool Child = Style & WS_CHILD;
  if (Child && !Parent) return nullptr;
  HWND Owner;
  if (!Child && Parent) Owner = TopLevelRecord(*FindWindowRecord(Parent)).Handle;
  const TRect Rect = Bounds(X, Y, std::max(Width, 0), std::max(Height, 0));
  const HWND Wnd =
      NewRecord(Class, ExStyle, Style, Rect, Child ? Parent : HWND(), Owner, Id)->Handle;

  TCreateStruct Create{Param, Parent, Rect.Height(),      Rect.Width(),      Y,
                       X,     Style,  WindowName.c_str(), ClassName.c_str(), ExStyle};
  if (!SendMessage(Wnd, WM_NCCREATE, 0, LPARAM(&Create))) {
    DestroyWindow(Wnd);
    return nullptr;
  }
  RecalculateClient(Wnd);
  if (SendMessage(Wnd, WM_CREATE, 0, LPARAM(&Create)) == -1 || !IsWindow(Wnd)) {
    DestroyWindow(Wnd);
    return nullptr;
  }
  const TWindow* W = FindWindowRecord(Wnd);
  SendMessage(Wnd, WM_SIZE, SIZE_RESTORED,
              MAKELPARAM(WORD(W->Client.Width()), WORD(W->Client.Height())));
  W = FindWindowRecord(Wnd);
  if (!W) return nullptr;
  SendMessage(Wnd, WM_MOVE, 0,
              PointToLParam({W->Rect.Left + W->Client.Left, W->Rect.Top + W->Client.Top}));
  if (Style & WS_VISIBLE) ShowWindow(Wnd, SW_SHOW);
  return IsWindow(Wnd) ? Wnd : nullptr;
}

bool DestroyWindow(HWND Wnd) {
  TWindow* W = FindWindowRecord(Wnd);
  if (!W || W->Destroying) return false;
  W->Destroying = true;
  if (W->Style & WS_VISIBLE)
    SetWindowPos(Wnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (HWND Owned : OwnedWindows(Wnd)) DestroyWindow(Owned);
  TakeInputFrom(Wnd);
  SendDestroy(Wnd);
  SendNcDestroy(Wnd);
  return true;
}

bool IsWindow(HWND Wnd) {
  return FindWindowRecord(Wnd) != nullptr;
}

bool IsChild(HWND Parent, HWND Wnd) {
  return Parent != Wnd && IsWindow(Parent) && IsWithin(Wnd, Parent);
}

HWND GetParent(HWND Wnd) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return nullptr;
  return W->Parent ? W->Parent : W->Owner;
}

HWND GetWindow(HWND Wnd, UINT Relation) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return nullptr;
  if (Relation == GW_OWNER) return W->Owner;
  if (Relation == GW_CHILD) return W->Children.empty() ? HWND() : W->Children.back();
  const std::vector<HWND>& List = SiblingList(*W);
  const auto Place = std::find(List.begin(), List.end(), Wnd);
  switch (Relation) {
    case GW_HWNDFIRST: return List.back();
    case GW_HWNDLAST: return List.front();
    case GW_HWNDNEXT: return Place == List.begin() ? HWND() : *(Place - 1);
    case GW_HWNDPREV: return Place + 1 == List.end() ? HWND() : *(Place + 1);
    default: return nullptr;
  }
}

std::vector<HWND> GetChildWindows(HWND Parent) {
  if (!Parent) return Desktop().TopLevels;
  const TWindow* W = FindWindowRecord(Parent);
  return W ? W->Children : std::vector<HWND>{};
}

LONG_PTR GetWindowLong(HWND Wnd, int Index) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return 0;
  switch (Index) {
    case GWL_STYLE: return LONG_PTR(W->Style);
    case GWL_EXSTYLE: return LONG_PTR(W->ExStyle);
    case GWL_ID: return W->Id;
    case GWL_USERDATA: return W->UserData;
    default: return 0;
  }
}

LONG_PTR SetWindowLong(HWND Wnd, int Index, LONG_PTR Value) {
  TWindow* W = FindWindowRecord(Wnd);
  if (!W) return 0;
  const LONG_PTR Previous = GetWindowLong(Wnd, Index);
  switch (Index) {
    case GWL_STYLE: W->Style = DWORD(Value); break;
    // The topmost group is changed with SetWindowPos only, which keeps the window order sorted.
    case GWL_EXSTYLE:
      W->ExStyle = (DWORD(Value) & ~DWORD(WS_EX_TOPMOST)) | (W->ExStyle & WS_EX_TOPMOST);
      break;
    case GWL_ID: W->Id = Value; break;
    case GWL_USERDATA: W->UserData = Value; break;
    default: return 0;
  }
  return Previous;
}

WNDPROC SetWindowLong(HWND Wnd, int Index, WNDPROC Proc) {
  TWindow* W = FindWindowRecord(Wnd);
  if (!W || Index != GWL_WNDPROC || !Proc) return nullptr;
  std::swap(W->Proc, Proc);
  return Proc;
}

WNDPROC GetWindowProc(HWND Wnd) {
  const TWindow* W = FindWindowRecord(Wnd);
  return W ? W->Proc : nullptr;
}

std::string GetClassName(HWND Wnd) {
  const TWindow* W = FindWindowRecord(Wnd);
  return W ? W->Class->lpszClassName : std::string();
}

UINT GetClassStyle(HWND Wnd) {
  const TWindow* W = FindWindowRecord(Wnd);
  return W ? W->Class->style : 0;
}

bool EnableWindow(HWND Wnd, bool Enable) {
  TWindow* W = FindWindowRecord(Wnd);
  if (!W) return false;
  const bool WasDisabled = W->Style & WS_DISABLED;
  if (WasDisabled != Enable) return WasDisabled;
  if (!Enable) {
    SendMessage(Wnd, WM_CANCELMODE);
    if (IsWithin(GetFocus(), Wnd)) SetFocus(nullptr);
  }
  W = FindWindowRecord(Wnd);
  if (!W) return WasDisabled;
  W->Style = Enable ? W->Style & ~DWORD(WS_DISABLED) : W->Style | WS_DISABLED;
  SendMessage(Wnd, WM_ENABLE, Enable);
  return WasDisabled;
}

bool IsWindowEnabled(HWND Wnd) {
  const TWindow* W = FindWindowRecord(Wnd);
  return W && !(W->Style & WS_DISABLED);
}

bool IsWindowVisible(HWND Wnd) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return false;
  for (; W; W = FindWindowRecord(W->Parent))
    if (!(W->Style & WS_VISIBLE)) return false;
  return true;
}

bool SetWindowText(HWND Wnd, const std::string& Text) {
  return IsWindow(Wnd) && SendMessage(Wnd, WM_SETTEXT, 0, LPARAM(Text.c_str())) != 0;
}

std::string GetWindowText(HWND Wnd) {
  const LRESULT Length = SendMessage(Wnd, WM_GETTEXTLENGTH);
  if (Length <= 0) return {};
  std::string Buffer(size_t(Length) + 1, '\0');
  const LRESULT Copied = SendMessage(Wnd, WM_GETTEXT, Buffer.size(), LPARAM(Buffer.data()));
  Buffer.resize(size_t(std::clamp<LRESULT>(Copied, 0, Length)));
  return Buffer;
}

int GetWindowTextLength(HWND Wnd) {
  return int(SendMessage(Wnd, WM_GETTEXTLENGTH));
}

bool GetWindowRect(HWND Wnd, TRect& R) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return false;
  const TPoint Origin = WindowScreenOrigin(*W);
  R = Bounds(Origin.X, Origin.Y, W->Rect.Width(), W->Rect.Height());
  return true;
}

bool GetClientRect(HWND Wnd, TRect& R) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return false;
  R = {0, 0, W->Client.Width(), W->Client.Height()};
  return true;
}

bool ClientToScreen(HWND Wnd, TPoint& P) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return false;
  const TPoint Origin = ClientScreenOrigin(*W);
  P = {P.X + Origin.X, P.Y + Origin.Y};
  return true;
}

bool ScreenToClient(HWND Wnd, TPoint& P) {
  const TWindow* W = FindWindowRecord(Wnd);
  if (!W) return false;
  const TPoint Origin = ClientScreenOrigin(*W);
  P = {P.X - Origin.X, P.Y - Origin.Y};
  return true;
}

void MapWindowPoints(HWND From, HWND To, TPoint* Points, int Count) {
  for (int I = 0; I < Count; ++I) {
    if (From) ClientToScreen(From, Points[I]);
    if (To) ScreenToClient(To, Points[I]);
  }
}

void MapWindowPoints(HWND From, HWND To, TRect& R) {
  TPoint Corners[2] = {R.TopLeft(), R.BottomRight()};
  MapWindowPoints(From, To, Corners, 2);
  R = {Corners[0].X, Corners[0].Y, Corners[1].X, Corners[1].Y};
}

HWND WindowFromPoint(TPoint Screen) {
  const auto& TopLevels = Desktop().TopLevels;
  for (auto It = TopLevels.rbegin(); It != TopLevels.rend(); ++It) {
    const TWindow* W = FindWindowRecord(*It);
    if (W && (W->Style & WS_VISIBLE) && W->Rect.Contains(Screen)) return ChildFromPoint(*W, Screen);
  }
  return nullptr;
}

}  // namespace framework
