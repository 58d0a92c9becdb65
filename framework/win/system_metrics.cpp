#include "framework/win/system_metrics.h"

#include <algorithm>

#include "framework/win/desktop.h"

namespace framework {

int GetSystemMetrics(int Index) {
  switch (Index) {
    case SM_CXSCREEN: return Desktop().Screen.cx;
    case SM_CYSCREEN: return Desktop().Screen.cy;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHTHUMB: return 16;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    case SM_CYCAPTION: return 19;
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    default: return 0;
  }
}

void SetScreenSize(int Width, int Height) {
  Desktop().Screen = {std::max(Width, 1), std::max(Height, 1)};
}

UINT GetDoubleClickTime() {
  return 500;
}

bool MessageBeep(UINT) {
  ++Desktop().Beeps;
  return true;
}

int MessageBeepCount() {
  return Desktop().Beeps;
}

}  // namespace framework
