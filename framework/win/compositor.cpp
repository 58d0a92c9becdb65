#include "framework/win/compositor.h"

#include "framework/graphics/color.h"
#include "framework/graphics/device_context.h"
#include "framework/graphics/png_image.h"
#include "framework/rtl/exceptions.h"
#include "framework/win/messages.h"
#include "framework/win/painting.h"
#include "framework/win/system_metrics.h"
#include "framework/win/top_level_windows.h"
#include "framework/win/window.h"

namespace framework {

namespace {

// The top-level window whose surface a window draws into.
HWND TopLevelOf(HWND Wnd) {
  while ((GetWindowLong(Wnd, GWL_STYLE) & WS_CHILD) && GetParent(Wnd)) Wnd = GetParent(Wnd);
  return Wnd;
}

}  // namespace

TSurface RenderScreen() {
  PaintPendingWindows();
  TSurface Screen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                  ColorRefToPixel(GetSysColor(COLOR_BACKGROUND)));
  TDeviceContext DC(Screen);
  for (const TTopLevelWindow& Top : VisibleTopLevelWindows()) {
    const TSurface& Pixels = *Top.Surface;
    DC.CopyFrom(Top.Rect.Left, Top.Rect.Top, Pixels, Rect(0, 0, Pixels.Width(), Pixels.Height()));
  }
  return Screen;
}

TSurface RenderWindow(HWND Wnd) {
  PaintPendingWindows();
  const HWND Top = TopLevelOf(Wnd);
  TRect WindowRect;
  if (IsWindowVisible(Wnd) && GetWindowRect(Wnd, WindowRect))
    for (const TTopLevelWindow& Shown : VisibleTopLevelWindows()) {
      if (Shown.Wnd != Top) continue;
      TSurface Result(WindowRect.Width(), WindowRect.Height());
      OffsetRect(WindowRect, -Shown.Rect.Left, -Shown.Rect.Top);
      TDeviceContext(Result).CopyFrom(0, 0, *Shown.Surface, WindowRect);
      return Result;
    }
  throw EInvalidOperation("Cannot render a window that is not visible");
}

void SaveScreenshot(const std::string& FileName) {
  WritePngFile(RenderScreen(), FileName);
}

void SaveWindowShot(HWND Wnd, const std::string& FileName) {
  WritePngFile(RenderWindow(Wnd), FileName);
}

}  // namespace framework
