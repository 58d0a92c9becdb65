#include "common/drop_down_types.h"

namespace tarvex {

const TTypeInfo& EnumTypeInfo(TAutoDropDown) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TAutoDropDown", {"adNever", "adFocused", "adChanged"});
  return Info;
}

const TTypeInfo& EnumTypeInfo(TDropDownState) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TDropDownState", {"dsChanged", "dsFocused", "dsUserAction"});
  return Info;
}

const TTypeInfo& EnumTypeInfo(TDropDownAlignHorizontally) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TDropDownAlignHorizontally", {"daLeft", "daRight"});
  return Info;
}

const TTypeInfo& EnumTypeInfo(TDropDownAlignVertically) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TDropDownAlignVertically", {"daTop", "daBottom"});
  return Info;
}

}  // namespace tarvex
