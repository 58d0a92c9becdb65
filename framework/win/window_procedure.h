#pragma once

#include <functional>
#include <memory>
#include <type_traits>

#include "framework/win/window_handle.h"

namespace framework {

// A window procedure: a plain function, or any callable, such as a lambda that routes the
// messages of one window to a method of the C++ object that owns the window. Copies are the same
// procedure and compare equal; two procedures made from the same function compare equal too.
// SetWindowLong(Wnd, GWL_WNDPROC, Proc) installs one and returns the one it replaces, which the new
// procedure passes the messages it does not handle to with CallWindowProc.
class TWndProc {
 public:
  using TFunction = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
  using TCallable = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

  TWndProc() = default;
  TWndProc(std::nullptr_t) {}
  TWndProc(TFunction Function);
  template <class F>
  requires(
      !std::is_convertible_v<F, TFunction> &&
      std::is_invocable_r_v<LRESULT, F&, HWND, UINT, WPARAM, LPARAM>) explicit TWndProc(F Callable)
      : FCall(std::make_shared<const TCallable>(std::move(Callable))), FIdentity(FCall.get()) {}

  explicit operator bool() const { return FCall != nullptr; }
  bool operator==(const TWndProc& Other) const { return FIdentity == Other.FIdentity; }
  LRESULT operator()(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) const {
    return (*FCall)(Wnd, Msg, W, L);
  }

 private:
  std::shared_ptr<const TCallable> FCall;
  const void* FIdentity = nullptr;
};

using WNDPROC = TWndProc;

// Calls Proc with the message; a null procedure answers 0.
LRESULT CallWindowProc(const WNDPROC& Proc, HWND Wnd, UINT Msg, WPARAM W, LPARAM L);

// Calls the window's current procedure now and returns its answer; 0 for an invalid window.
LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM W = 0, LPARAM L = 0);

// The default handling of every message: what a procedure hands on what it does not handle.
LRESULT DefWindowProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L);

}  // namespace framework
