#pragma once

#include <cstdint>

#include "framework/rtl/set.h"

namespace framework {

// The keys and buttons held with an input event, as the controls' KeyDown and MouseDown see them.
enum TShiftStateValue : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateValue>;

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

}  // namespace framework
