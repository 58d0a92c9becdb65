#pragma once

#include <cstdint>

#include "framework/classes/type_info.h"

namespace framework {

// Where a control puts its text across its width.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
const TTypeInfo& EnumTypeInfo(TAlignment);

}  // namespace framework
