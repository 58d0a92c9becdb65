#pragma once

#include <string>

#include "framework/graphics/surface.h"
#include "framework/win/window_handle.h"

namespace framework {

// What the screen shows: the desktop colour, then every visible top-level window, bottom to
// top. Pending paints are done first, so the picture is current.
TSurface RenderScreen();
// One visible window, frame and children included, as its top-level surface holds it: a window
// covered by another top-level window still shows whole. Raises EInvalidOperation for a window
// that is not visible.
TSurface RenderWindow(HWND Wnd);

// The same as PNG files.
void SaveScreenshot(const std::string& FileName);
void SaveWindowShot(HWND Wnd, const std::string& FileName);

}  // namespace framework
