#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "framework/win/win_types.h"

namespace framework {

// A window handle: a number that names one window for the life of the process. Numbers are never
// given twice, so a handle kept after its window is destroyed stays invalid (IsWindow is false)
// instead of naming a newer window. The null handle names no window. A handle travels in a
// message parameter as its number: WPARAM(Wnd), and back: HWND(Message.WParam).
class TWindowHandle {
 public:
  constexpr TWindowHandle() = default;
  constexpr TWindowHandle(std::nullptr_t) {}
  explicit constexpr TWindowHandle(uintptr_t Value) : FValue(uint32_t(Value)) {}
  explicit constexpr TWindowHandle(intptr_t Value) : FValue(uint32_t(uintptr_t(Value))) {}

  constexpr uint32_t Value() const { return FValue; }
  explicit constexpr operator bool() const { return FValue != 0; }
  explicit constexpr operator uintptr_t() const { return FValue; }
  explicit constexpr operator intptr_t() const { return intptr_t(FValue); }
  constexpr bool operator==(const TWindowHandle&) const = default;
  constexpr auto operator<=>(const TWindowHandle&) const = default;

 private:
  uint32_t FValue = 0;
};

using HWND = TWindowHandle;

// SetWindowPos's places in the window order; no window ever has these numbers.
constexpr HWND HWND_TOP{};
constexpr HWND HWND_BOTTOM{uintptr_t(0xFFFFFFFFu)};
constexpr HWND HWND_TOPMOST{uintptr_t(0xFFFFFFFEu)};
constexpr HWND HWND_NOTOPMOST{uintptr_t(0xFFFFFFFDu)};

}  // namespace framework

template <>
struct std::hash<framework::TWindowHandle> {
  size_t operator()(framework::TWindowHandle H) const noexcept { return H.Value(); }
};
