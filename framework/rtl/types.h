#pragma once

#include <cstdint>

namespace framework {

// The framework's unsigned 16-bit integer: years, months, days, virtual-key codes.
using Word = uint16_t;
using Byte = uint8_t;

}  // namespace framework
