#pragma once

#include <cstdint>

#include "framework/classes/type_info.h"

namespace tarvex {

// What a cell of a date format holds; a text's cell takes the type of the format's cell with the
// same number.
enum TCellType : uint8_t {
  ctM,        // month number without leading zero
  ctMM,       // month number, two digits
  ctMMM,      // short month name
  ctMMMM,     // long month name
  ctD,        // day number without leading zero
  ctDD,       // day number, two digits
  ctDDD,      // short day name
  ctDDDD,     // long day name
  ctYY,       // two-digit year
  ctYYYY,     // four-digit year
  ctUnknown,  // any other cell, or a cell beyond the format
};

// Where a date format comes from: the application, or the locale's long or short date format.
enum TDateFormat : uint8_t { cfCustom, cfWindowsLong, cfWindowsShort };

// The weekday of the calendar's first column.
enum TStartOfWeek : uint8_t {
  swSunday,
  swMonday,
  swTuesday,
  swWednesday,
  swThursday,
  swFriday,
  swSaturday,
};

using framework::TTypeInfo;

// Value names, for published properties and for showing cells.
const TTypeInfo& EnumTypeInfo(TCellType);
const TTypeInfo& EnumTypeInfo(TDateFormat);
const TTypeInfo& EnumTypeInfo(TStartOfWeek);

}  // namespace tarvex
