#pragma once

#include <vector>

#include "framework/graphics/surface.h"
#include "framework/rtl/geometry.h"
#include "framework/win/window_handle.h"

namespace framework {

// What the compositor stacks: a visible top-level window, its rectangle on the screen and its
// pixels (frame included, the size of the rectangle).
struct TTopLevelWindow {
  HWND Wnd;
  TRect Rect;
  const TSurface* Surface;
};

// The visible top-level windows, bottom to top. The surfaces stay valid until their windows are
// destroyed or detached.
std::vector<TTopLevelWindow> VisibleTopLevelWindows();

}  // namespace framework
