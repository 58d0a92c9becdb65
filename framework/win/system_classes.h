#pragma once

#include <vector>

#include "framework/win/window_class.h"

namespace framework {

// The classes every process starts with: "EDIT", "LISTBOX" and "BUTTON".
std::vector<TWndClass> SystemWindowClasses();

}  // namespace framework
