#include "framework/rtl/date_time.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "framework/rtl/exceptions.h"

namespace framework {

namespace {

// Day numbers count from 1 January 0001 (day 1); the framework's epoch is day 693594.
constexpr int64_t DateDelta = 693594;
constexpr int64_t MSecsPerDay = 24 * 60 * 60 * 1000;
constexpr Word MonthLengths[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                      {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

bool LeapYear(Word Year) {
  return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

}  // namespace

bool TryEncodeDate(Word Year, Word Month, Word Day, TDateTime& Date) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12) return false;
  const Word* Lengths = MonthLengths[LeapYear(Year)];
  if (Day < 1 || Day > Lengths[Month - 1]) return false;
  int64_t DayOfYear = Day;
  for (Word M = 1; M < Month; ++M) DayOfYear += Lengths[M - 1];
  const int64_t Y = Year - 1;
  Date = double(Y * 365 + Y / 4 - Y / 100 + Y / 400 + DayOfYear - DateDelta);
  return true;
}

TDateTime EncodeDate(Word Year, Word Month, Word Day) {
  TDateTime Result;
  if (!TryEncodeDate(Year, Month, Day, Result))
    throw EConvertError("Invalid argument to date encode: year " + std::to_string(Year) +
                        ", month " + std::to_string(Month) + ", day " + std::to_string(Day));
  return Result;
}

void DecodeDate(TDateTime Date, Word& Year, Word& Month, Word& Day) {
  Year = Month = Day = 0;
  if (!std::isfinite(Date) || std::trunc(Date) < -693593.0 || std::trunc(Date) > 2958465.0) return;
  // Days since 1 January 0001, split into 400-, 100-, 4- and 1-year periods.
  int64_t T = int64_t(std::trunc(Date)) + DateDelta - 1;
  int64_t Y = 1 + 400 * (T / 146097);
  T %= 146097;
  int64_t Period = std::min<int64_t>(T / 36524, 3);
  Y += 100 * Period;
  T -= Period * 36524;
  Y += 4 * (T / 1461);
  T %= 1461;
  Period = std::min<int64_t>(T / 365, 3);
  Y += Period;
  T -= Period * 365;
  const Word* Lengths = MonthLengths[LeapYear(Word(Y))];
  Word M = 1;
  while (T >= Lengths[M - 1]) T -= Lengths[M++ - 1];
  Year = Word(Y);
  Month = M;
  Day = Word(T + 1);
}

TDateTime EncodeTime(Word Hour, Word Min, Word Sec, Word MSec) {
  if (Hour > 23 || Min > 59 || Sec > 59 || MSec > 999)
    throw EConvertError("Invalid argument to time encode: " + std::to_string(Hour) + ":" +
                        std::to_string(Min) + ":" + std::to_string(Sec) + "." +
                        std::to_string(MSec));
  return double(((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec) / MSecsPerDay;
}

void DecodeTime(TDateTime Time, Word& Hour, Word& Min, Word& Sec, Word& MSec) {
  double Whole;
  int64_t T = std::llround(std::fabs(std::modf(Time, &Whole)) * MSecsPerDay);
  if (T >= MSecsPerDay) T = MSecsPerDay - 1;
  MSec = Word(T % 1000);
  T /= 1000;
  Sec = Word(T % 60);
  T /= 60;
  Min = Word(T % 60);
  Hour = Word(T / 60);
}

Word DayOfWeek(TDateTime Date) {
  const int64_t T = int64_t(std::trunc(Date)) + DateDelta;
  return Word((T % 7 + 7) % 7 + 1);
}

}  // namespace framework
