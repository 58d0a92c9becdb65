#pragma once

#include <utility>

namespace framework {

// Sets a flag for the guard's lifetime and restores its previous value on every way out, errors
// included: TFlagGuard Busy(FIdle, false);
template <class T>
class TFlagGuard {
 public:
  TFlagGuard(T& Flag, T Value) : FFlag(Flag), FSaved(Flag) { FFlag = std::move(Value); }
  ~TFlagGuard() { FFlag = std::move(FSaved); }
  TFlagGuard(const TFlagGuard&) = delete;
  TFlagGuard& operator=(const TFlagGuard&) = delete;

 private:
  T& FFlag;
  T FSaved;
};

// Runs Exit when the scope is left, errors included.
template <class F>
class TScopeExit {
 public:
  explicit TScopeExit(F Exit) : FExit(std::move(Exit)) {}
  ~TScopeExit() { FExit(); }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

 private:
  F FExit;
};

}  // namespace framework
