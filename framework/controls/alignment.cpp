#include "framework/controls/alignment.h"

namespace framework {

const TTypeInfo& EnumTypeInfo(TAlignment) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
  return Info;
}

}  // namespace framework
