#pragma once

#include "framework/win/messages.h"

namespace framework {

// The classic metrics; SM_CXSCREEN and SM_CYSCREEN follow SetScreenSize. 0 for an unknown index.
int GetSystemMetrics(int Index);
// The size of the screen of this desktop (1024 x 768 until changed; Reset restores it).
void SetScreenSize(int Width, int Height);
// Milliseconds of virtual time between the presses of a double click.
UINT GetDoubleClickTime();

// Counts the beeps; the sound itself is not played.
bool MessageBeep(UINT Type);
int MessageBeepCount();

}  // namespace framework
