#pragma once

#include <memory>
#include <string>

#include "framework/graphics/color.h"
#include "framework/win/cursors.h"
#include "framework/win/window_procedure.h"

namespace framework {

// A window class: the procedure, class styles, cursor and background its windows start with.
// The background is a colour: WM_ERASEBKGND's default handling fills the client area with it,
// and clNone leaves the background alone.
struct TWndClass {
  UINT style = 0;
  WNDPROC lpfnWndProc;
  HCURSOR hCursor = IDC_ARROW;
  TColor hbrBackground = clNone;
  std::string lpszClassName;
};

// Class names compare without regard to case. Registering a name taken, an empty name or a class
// without a procedure fails. Classes belong to the process, not to the desktop: Reset keeps them.
// The system classes (system_classes.h) are registered from the start.
bool RegisterClass(const TWndClass& Class);
bool UnregisterClass(const std::string& ClassName);
bool GetClassInfo(const std::string& ClassName, TWndClass& Class);
// The registered record, shared by the windows made from it; null for an unknown name.
std::shared_ptr<const TWndClass> FindWindowClass(const std::string& ClassName);

}  // namespace framework
