#include "framework/controls/drag_drop.h"

#include <cstdlib>

#include "framework/controls/application.h"
#include "framework/controls/screen.h"
#include "framework/controls/win_control.h"
#include "framework/win/cursors.h"
#include "framework/win/focus.h"
#include "framework/win/window.h"

namespace framework::drag {

namespace {

// A press moved fewer pixels than this each way is still a click.
constexpr int Threshold = 5;

struct TSession {
  TControl* Source = nullptr;
  TControl* Target = nullptr;
  TPoint Start;
  bool Started = false;
  bool Accepted = false;
};

TSession& Session() {
  static TSession State;
  return State;
}

// The control whose window lies under the point, or the nearest control above that window.
TControl* ControlAt(TPoint Screen) {
  for (HWND Wnd = WindowFromPoint(Screen); Wnd; Wnd = GetParent(Wnd))
    if (TWinControl* Control = TWinControl::FindControl(Wnd)) return Control;
  return nullptr;
}

bool Over(TControl* Target, TPoint Screen, TDragState State) {
  const TPoint P = Target->ScreenToClient(Screen);
  bool Accept = false;
  Target->DragOver(Session().Source, P.X, P.Y, State, Accept);
  return Accept;
}

void ShowCursor(bool Accepted) {
  InitApplication();
  SetCursor(Screen->Cursors(Accepted ? Session().Source->DragCursor() : crNoDrop));
}

}  // namespace

void Begin(TControl* Source, TPoint Screen, bool Immediate) {
  Cancel();
  Session() = {Source, nullptr, Screen, Immediate, false};
  if (Immediate) Move(Screen);
}

bool Dragging(const TControl* Source) {
  return Source && Session().Source == Source;
}

void Move(TPoint Screen) {
  TSession& S = Session();
  if (!S.Source) return;
  if (!S.Started) {
    if (std::abs(Screen.X - S.Start.X) < Threshold && std::abs(Screen.Y - S.Start.Y) < Threshold)
      return;
    S.Started = true;
  }
  TControl* Target = ControlAt(Screen);
  if (Target != S.Target && S.Target) Over(S.Target, Screen, dsDragLeave);
  const bool Entering = Target != S.Target;
  S.Target = Target;
  S.Accepted = Target && Over(Target, Screen, Entering ? dsDragEnter : dsDragMove);
  if (S.Source) ShowCursor(S.Accepted);
}

void Release(TPoint Screen) {
  const TSession Done = Session();
  if (!Done.Source) return;
  Session() = {};
  ReleaseCapture();
  if (!Done.Started) return;
  TControl* Target = Done.Accepted ? Done.Target : nullptr;
  const TPoint P = Target ? Target->ScreenToClient(Screen) : Done.Source->ScreenToClient(Screen);
  if (Target) Target->DragDrop(Done.Source, P.X, P.Y);
  Done.Source->DoEndDrag(Target, P.X, P.Y);
}

void Cancel() {
  if (!Session().Source) return;
  Session() = {};
  ReleaseCapture();
}

void Forget(const TControl* Control) {
  TSession& S = Session();
  if (S.Source == Control) return Cancel();
  if (S.Target == Control) {
    S.Target = nullptr;
    S.Accepted = false;
  }
}

}  // namespace framework::drag
