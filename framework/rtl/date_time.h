#pragma once

#include "framework/rtl/types.h"

namespace framework {

// The framework's date: the integral part counts days from 30 December 1899, the fraction is the
// time of day. The fraction of a negative date counts away from zero: -1.25 is 29 December 1899 at
// 06:00. Dates run from 1 January 0001 to 31 December 9999.
using TDateTime = double;

// Raises EConvertError for an impossible date (year outside 1..9999, month outside 1..12, day
// beyond the month's length).
TDateTime EncodeDate(Word Year, Word Month, Word Day);
bool TryEncodeDate(Word Year, Word Month, Word Day, TDateTime& Date);
// A date outside 1..9999 decodes as year, month and day 0.
void DecodeDate(TDateTime Date, Word& Year, Word& Month, Word& Day);

// Raises EConvertError for an hour past 23, a minute or second past 59 or a millisecond past 999.
TDateTime EncodeTime(Word Hour, Word Min, Word Sec, Word MSec);
void DecodeTime(TDateTime Time, Word& Hour, Word& Min, Word& Sec, Word& MSec);

// 1 is Sunday, 7 is Saturday.
Word DayOfWeek(TDateTime Date);

// Today and now, from the clock (see clock.h).
TDateTime Date();
TDateTime Now();

}  // namespace framework
