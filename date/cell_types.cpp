#include "date/cell_types.h"

namespace tarvex {

const TTypeInfo& EnumTypeInfo(TCellType) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TCellType", {"ctM", "ctMM", "ctMMM", "ctMMMM", "ctD", "ctDD", "ctDDD",
                                           "ctDDDD", "ctYY", "ctYYYY", "ctUnknown"});
  return Info;
}

const TTypeInfo& EnumTypeInfo(TDateFormat) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TDateFormat", {"cfCustom", "cfWindowsLong", "cfWindowsShort"});
  return Info;
}

const TTypeInfo& EnumTypeInfo(TStartOfWeek) {
  static const TTypeInfo Info = TTypeInfo::Enumeration(
      "TStartOfWeek",
      {"swSunday", "swMonday", "swTuesday", "swWednesday", "swThursday", "swFriday", "swSaturday"});
  return Info;
}

}  // namespace tarvex
