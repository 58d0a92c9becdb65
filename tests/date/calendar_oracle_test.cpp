#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <sstream>

#include "date/date_utils.h"
#include "framework/rtl/date_time.h"

namespace tarvex {
namespace {

namespace chrono = std::chrono;

// Reports the first few mismatches of a run over millions of dates, each with the date it was
// seen on, and counts the rest.
class Mismatches {
 public:
  ~Mismatches() { EXPECT_EQ(FCount, 0) << "mismatches in all"; }

  void At(Word Year, Word Month, Word Day) {
    FYear = Year;
    FMonth = Month;
    FDay = Day;
  }

  template <class T, class U>
  void Expect(const char* What, const T& Got, const U& Want) {
    if (Got == Want) return;
    if (++FCount <= 10)
      ADD_FAILURE() << What << " on " << FYear << "-" << FMonth << "-" << FDay << ": got " << Got
                    << ", want " << Want;
  }

 private:
  Word FYear = 0, FMonth = 0, FDay = 0;
  int FCount = 0;
};

Word ChronoMonthLength(Word Year, Word Month) {
  const chrono::year_month_day_last Last{chrono::year{Year} / chrono::month{Month} / chrono::last};
  return Word(unsigned(Last.day()));
}

// A time of day on Day, counted away from zero as the framework counts it.
TDateTime AtTime(int64_t Day, double Fraction) {
  return Day >= 0 ? double(Day) + Fraction : double(Day) - Fraction;
}

struct TDecoded {
  Word Year = 0, Month = 0, Day = 0;
  bool operator==(const TDecoded&) const = default;
};

std::ostream& operator<<(std::ostream& Out, const TDecoded& D) {
  return Out << D.Year << "-" << D.Month << "-" << D.Day;
}

TDecoded Decoded(TDateTime Date) {
  TDecoded D;
  framework::DecodeDate(Date, D.Year, D.Month, D.Day);
  return D;
}

// Walks every day from 1 January 0001 to 31 December 9999 with counters of its own: the day
// number (anchored through std::chrono, not through the framework's constants), the weekday
// (0001-01-01 is a Monday) and the date, whose month lengths come from std::chrono. Per-day
// checks are kept to the framework's encoding, decoding and weekday and to IsValidDate; the
// month-level utilities are checked once per month on its first and last days.
TEST(CalendarOracle, EveryDayOfTheCalendar) {
  const int64_t FirstDay =
      (chrono::sys_days{chrono::year{1} / 1 / 1} - chrono::sys_days{chrono::year{1899} / 12 / 30})
          .count();
  const double Time = 0.75;
  Mismatches Check;
  int64_t Day = FirstDay;
  Word Weekday = 2;
  int64_t PrevFirst = 0, PrevLast = 0;
  Word PrevLength = 0;
  for (Word Year = 1; Year <= 9999; ++Year) {
    const int64_t YearFirst = Day;
    Check.At(Year, 1, 1);
    Check.Expect("IsLeapYear", IsLeapYear(Year), chrono::year{Year}.is_leap());
    for (Word Month = 1; Month <= 12; ++Month) {
      const Word Length = ChronoMonthLength(Year, Month);
      const int64_t First = Day, Last = Day + Length - 1;
      for (Word D = 1; D <= Length; ++D, ++Day, Weekday = Weekday % 7 + 1) {
        Check.At(Year, Month, D);
        TDateTime Encoded = 0;
        Check.Expect("TryEncodeDate", framework::TryEncodeDate(Year, Month, D, Encoded), true);
        Check.Expect("EncodeDate", Encoded, double(Day));
        Check.Expect("DecodeDate", Decoded(AtTime(Day, Time)), TDecoded{Year, Month, D});
        Check.Expect("DayOfWeek", framework::DayOfWeek(AtTime(Day, Time)), Weekday);
        Check.Expect("IsValidDate", IsValidDate(Year, Month, D), true);
      }
      Check.At(Year, Month, 1);
      Check.Expect("DaysInMonthAndYear", DaysInMonthAndYear(Month, Year), Length);
      Check.Expect("DaysInMonth", DaysInMonth(AtTime(Last, Time)), Length);
      Check.Expect("IsValidDate past the month", IsValidDate(Year, Month, Length + 1), false);
      Check.Expect("ReturnYear", ReturnYear(AtTime(First, Time)), Year);
      Check.Expect("ReturnMonth", ReturnMonth(AtTime(Last, Time)), Month);
      Check.Expect("ReturnDay", ReturnDay(AtTime(Last, Time)), Length);
      Check.Expect("StartofMonth", StartofMonth(AtTime(Last, Time)), AtTime(First, Time));
      Check.Expect("EndofMonth", EndofMonth(AtTime(First, Time)), AtTime(Last, Time));
      if (PrevLength != 0) {
        Check.Expect("NextMonth", NextMonth(AtTime(PrevFirst, Time)), AtTime(First, Time));
        Check.Expect("PrevMonth", PrevMonth(AtTime(First, Time)), AtTime(PrevFirst, Time));
        const int Clamped = std::min(Length, PrevLength) - 1;
        Check.Expect("NextMonth of the last day", NextMonth(AtTime(PrevLast, Time)),
                     AtTime(First + Clamped, Time));
        Check.Expect("PrevMonth of the last day", PrevMonth(AtTime(Last, Time)),
                     AtTime(PrevFirst + Clamped, Time));
      }
      PrevFirst = First;
      PrevLast = Last;
      PrevLength = Length;
    }
    Check.At(Year, 12, 31);
    Check.Expect("EndofYear", EndofYear(AtTime(YearFirst, Time)), AtTime(Day - 1, Time));
  }
  EXPECT_EQ(Day - 1, 2958465) << "31 December 9999";
}

TEST(CalendarOracle, DatesOutsideTheCalendarDecodeAsZero) {
  const TDecoded Zero{};
  EXPECT_EQ(Decoded(-693594), Zero);
  EXPECT_EQ(Decoded(2958466), Zero);
  EXPECT_EQ(Decoded(-693593.5), (TDecoded{1, 1, 1}));
  EXPECT_EQ(Decoded(2958465.5), (TDecoded{9999, 12, 31}));
  TDateTime Date;
  EXPECT_FALSE(framework::TryEncodeDate(10000, 1, 1, Date));
  EXPECT_FALSE(framework::TryEncodeDate(0, 12, 31, Date));
}

}  // namespace
}  // namespace tarvex
