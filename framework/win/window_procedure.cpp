#include "framework/win/window_procedure.h"

#include "framework/win/desktop.h"

namespace framework {

TWndProc::TWndProc(TFunction Function)
    : FCall(Function ? std::make_shared<const TCallable>(Function) : nullptr),
      FIdentity(reinterpret_cast<const void*>(Function)) {}

LRESULT CallWindowProc(const WNDPROC& Proc, HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  return Proc ? Proc(Wnd, Msg, W, L) : 0;
}

LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  const TWindow* Window = FindWindowRecord(Wnd);
  if (!Window) return 0;
  // A copy: the procedure may replace itself (or destroy the window) while it runs.
  const WNDPROC Proc = Window->Proc;
  return CallWindowProc(Proc, Wnd, Msg, W, L);
}

}  // namespace framework
