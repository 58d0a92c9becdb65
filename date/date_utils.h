#pragma once

#include "framework/rtl/date_time.h"
#include "framework/rtl/types.h"

namespace tarvex {

using framework::TDateTime;
using framework::Word;

// Parts of a date. A date the framework cannot decode gives 0.
Word ReturnMonth(TDateTime Date);
Word ReturnDay(TDateTime Date);
Word ReturnYear(TDateTime Date);
Word ReturnCentury(TDateTime Date);
// The year's hundreds: 1999 gives 19, 2000 gives 20.
Word ReturnCenturyOfYear(Word Year);

bool IsLeapYear(int Year);
// Month 1..12, year at least 1, day within the month.
bool IsValidDate(Word Year, Word Month, Word Day);
Word DaysInMonth(TDateTime Date);
// Note the order: month first. 0 for a month outside 1..12.
Word DaysInMonthAndYear(Word Month, Word Year);

// The following keep the time of day of Date and raise framework::EConvertError when the result
// lies outside the framework's calendar (NextMonth of December 9999, PrevMonth of January 0001).
TDateTime StartofMonth(TDateTime Date);
TDateTime EndofMonth(TDateTime Date);
TDateTime EndofYear(TDateTime Date);
// The same day a month later or earlier, clamped to the length of that month.
TDateTime NextMonth(TDateTime Date);
TDateTime PrevMonth(TDateTime Date);

// Year-Month-Day at the time of day of Time (its fraction, whatever its sign). Raises
// framework::EConvertError for an impossible date.
TDateTime EncodeDateKeepTime(Word Year, Word Month, Word Day, TDateTime Time);

}  // namespace tarvex
