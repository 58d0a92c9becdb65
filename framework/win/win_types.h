#pragma once

#include <cstdint>

#include "framework/rtl/geometry.h"

namespace framework {

// The window system's integer types. WPARAM and LPARAM are pointer-sized, so that a message can
// carry a pointer (WM_SETTEXT's text, WM_NCCALCSIZE's rectangle).
using BOOL = int;
using UINT = unsigned int;
using DWORD = uint32_t;
using WORD = uint16_t;
using SHORT = int16_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LONG_PTR = intptr_t;
using UINT_PTR = uintptr_t;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

constexpr WORD LOWORD(uintptr_t V) {
  return WORD(V & 0xFFFF);
}
constexpr WORD HIWORD(uintptr_t V) {
  return WORD((V >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(WORD Low, WORD High) {
  return LPARAM(DWORD(Low) | (DWORD(High) << 16));
}
constexpr WPARAM MAKEWPARAM(WORD Low, WORD High) {
  return WPARAM(DWORD(Low) | (DWORD(High) << 16));
}
constexpr LRESULT MAKELRESULT(WORD Low, WORD High) {
  return LRESULT(MAKELPARAM(Low, High));
}

// Mouse positions travel as two signed 16-bit halves: a captured mouse left or above the window
// gives negative coordinates.
constexpr int GET_X_LPARAM(LPARAM L) {
  return SHORT(LOWORD(uintptr_t(L)));
}
constexpr int GET_Y_LPARAM(LPARAM L) {
  return SHORT(HIWORD(uintptr_t(L)));
}
constexpr LPARAM PointToLParam(TPoint P) {
  return MAKELPARAM(WORD(SHORT(P.X)), WORD(SHORT(P.Y)));
}
constexpr TPoint LParamToPoint(LPARAM L) {
  return {GET_X_LPARAM(L), GET_Y_LPARAM(L)};
}

}  // namespace framework
