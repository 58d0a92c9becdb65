#include "framework/win/top_level_windows.h"

#include "framework/win/desktop.h"

namespace framework {

std::vector<TTopLevelWindow> VisibleTopLevelWindows() {
  std::vector<TTopLevelWindow> Result;
  for (HWND Wnd : Desktop().TopLevels) {
    const TWindow* W = FindWindowRecord(Wnd);
    if (W && (W->Style & WS_VISIBLE)) Result.push_back({Wnd, W->Rect, W->Surface.get()});
  }
  return Result;
}

}  // namespace framework
