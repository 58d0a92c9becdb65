#pragma once

#include <cstdint>

#include "common/drop_down_types.h"

namespace tarvex {

// When the date edit shows its drop-down button.
enum TButtonDisplay : uint8_t { bdNever, bdAlways, bdFocused };
const TTypeInfo& EnumTypeInfo(TButtonDisplay);

// The glyph on the date edit's button.
enum TDropDownButtonStyle : uint8_t { bsCalendar, bsComboAuto, bsComboNew, bsComboOld, bsCustom };
const TTypeInfo& EnumTypeInfo(TDropDownButtonStyle);

// The format the date edit shows while it does not have the focus.
enum TDisplayFormat : uint8_t { dfCustom, dfEditFormat, dfWindowsLong, dfWindowsShort };
const TTypeInfo& EnumTypeInfo(TDisplayFormat);

// The format the date edit is typed in while it has the focus.
enum TEditFormat : uint8_t { efCustom, efWindowsLong, efWindowsShort };
const TTypeInfo& EnumTypeInfo(TEditFormat);

// What the application answers when the date edit is left with an invalid date.
enum TBadDateAction : uint8_t { daContinue, daAbort };
const TTypeInfo& EnumTypeInfo(TBadDateAction);

using TBadDateEvent = framework::TEvent<void(TObject* Sender, TBadDateAction& Action)>;

}  // namespace tarvex
