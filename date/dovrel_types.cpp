#include "date/dovrel_types.h"

namespace tarvex {

const TTypeInfo& EnumTypeInfo(TButtonDisplay) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TButtonDisplay", {"bdNever", "bdAlways", "bdFocused"});
  return Info;
}

const TTypeInfo& EnumTypeInfo(TDropDownButtonStyle) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TDropDownButtonStyle",
                             {"bsCalendar", "bsComboAuto", "bsComboNew", "bsComboOld", "bsCustom"});
  return Info;
}

const TTypeInfo& EnumTypeInfo(TDisplayFormat) {
  static const TTypeInfo Info = TTypeInfo::Enumeration(
      "TDisplayFormat", {"dfCustom", "dfEditFormat", "dfWindowsLong", "dfWindowsShort"});
  return Info;
}

const TTypeInfo& EnumTypeInfo(TEditFormat) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TEditFormat", {"efCustom", "efWindowsLong", "efWindowsShort"});
  return Info;
}

const TTypeInfo& EnumTypeInfo(TBadDateAction) {
  static const TTypeInfo Info = TTypeInfo::Enumeration("TBadDateAction", {"daContinue", "daAbort"});
  return Info;
}

}  // namespace tarvex
