#pragma once

#include <functional>

#include "framework/rtl/date_time.h"

namespace framework {

// Where Now() and Date() take the time from. An empty clock is the system's local time; tests and
// the simulated desktop install their own.
using TClock = std::function<TDateTime()>;

void SetClock(TClock Clock);
TDateTime SystemNow();

}  // namespace framework
