#include "date/date_utils.h"

#include <algorithm>
#include <cmath>

namespace tarvex {

namespace {

// February has its common-year length; DaysInMonthAndYear adds the leap day.
constexpr Word MonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

struct TDateParts {
  Word Year, Month, Day;
};

TDateParts Decode(TDateTime Date) {
  TDateParts Parts;
  framework::DecodeDate(Date, Parts.Year, Parts.Month, Parts.Day);
  return Parts;
}

// Year-Month-Day with Day cut to the month's length, at the time of day of Time.
TDateTime ClampedDate(Word Year, Word Month, Word Day, TDateTime Time) {
  return EncodeDateKeepTime(Year, Month, std::min(Day, DaysInMonthAndYear(Month, Year)), Time);
}

}  // namespace

Word ReturnMonth(TDateTime Date) {
  return Decode(Date).Month;
}

Word ReturnDay(TDateTime Date) {
  return Decode(Date).Day;
}

Word ReturnYear(TDateTime Date) {
  return Decode(Date).Year;
}

Word ReturnCentury(TDateTime Date) {
  return ReturnCenturyOfYear(ReturnYear(Date));
}

Word ReturnCenturyOfYear(Word Year) {
  return Year / 100;
}

bool IsLeapYear(int Year) {
  return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

bool IsValidDate(Word Year, Word Month, Word Day) {
  return Month >= 1 && Month <= 12 && Year >= 1 && Day >= 1 &&
         Day <= DaysInMonthAndYear(Month, Year);
}

Word DaysInMonth(TDateTime Date) {
  const TDateParts Parts = Decode(Date);
  return DaysInMonthAndYear(Parts.Month, Parts.Year);
}

Word DaysInMonthAndYear(Word Month, Word Year) {
  // Months past 12 are refused like month 0: PrevMonth of an undecodable date asks for month
  // 0 - 1, and the table must not be read past its end.
  if (Month < 1 || Month > 12) return 0;
  return MonthDays[Month - 1] + (Month == 2 && IsLeapYear(Year) ? 1 : 0);
}

TDateTime StartofMonth(TDateTime Date) {
  const TDateParts Parts = Decode(Date);
  return EncodeDateKeepTime(Parts.Year, Parts.Month, 1, Date);
}

TDateTime EndofMonth(TDateTime Date) {
  const TDateParts Parts = Decode(Date);
  return EncodeDateKeepTime(Parts.Year, Parts.Month, DaysInMonthAndYear(Parts.Month, Parts.Year),
                            Date);
}

TDateTime EndofYear(TDateTime Date) {
  const TDateParts Parts = Decode(Date);
  return EncodeDateKeepTime(Parts.Year, 12, DaysInMonthAndYear(12, Parts.Year), Date);
}

TDateTime NextMonth(TDateTime Date) {
  TDateParts Parts = Decode(Date);
  if (Parts.Month == 12) {
    ++Parts.Year;
    Parts.Month = 1;
  } else {
    ++Parts.Month;
  }
  return ClampedDate(Parts.Year, Parts.Month, Parts.Day, Date);
}

TDateTime PrevMonth(TDateTime Date) {
  TDateParts Parts = Decode(Date);
  if (Parts.Month == 1) {
    --Parts.Year;
    Parts.Month = 12;
  } else {
    --Parts.Month;
  }
  return ClampedDate(Parts.Year, Parts.Month, Parts.Day, Date);
}

TDateTime EncodeDateKeepTime(Word Year, Word Month, Word Day, TDateTime Time) {
  double Whole;
  const double TimeOfDay = std::fabs(std::modf(Time, &Whole));
  const TDateTime Date = framework::EncodeDate(Year, Month, Day);
  return Date >= 0 ? Date + TimeOfDay : Date - TimeOfDay;
}

}  // namespace tarvex
