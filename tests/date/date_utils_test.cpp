#include "date/date_utils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "framework/rtl/date_time.h"
#include "framework/rtl/exceptions.h"

namespace tarvex {
namespace {

using framework::EncodeDate;
using framework::EncodeTime;

TEST(DateUtils, LeapYearsFollowTheGregorianRule) {
  for (int Year : {1996, 2000, 1600, 4, 400, 9996}) EXPECT_TRUE(IsLeapYear(Year)) << Year;
  for (int Year : {1900, 1999, 2100, 1, 100, 9999}) EXPECT_FALSE(IsLeapYear(Year)) << Year;
}

TEST(DateUtils, DaysInMonthAndYearTakesTheMonthFirst) {
  struct Case {
    Word Month, Year, Days;
  };
  for (const Case& C : std::vector<Case>{{2, 2000, 29},
                                         {2, 1900, 28},
                                         {2, 1996, 28 + 1},
                                         {1, 2, 31},
                                         {4, 1999, 30},
                                         {12, 9999, 31},
                                         {0, 1999, 0},
                                         {13, 1999, 0},
                                         {0xFFFF, 0, 0}})
    EXPECT_EQ(DaysInMonthAndYear(C.Month, C.Year), C.Days) << C.Month << "/" << C.Year;
}

TEST(DateUtils, IsValidDate) {
  struct Case {
    Word Year, Month, Day;
    bool Valid;
  };
  for (const Case& C : std::vector<Case>{{0, 1, 1, false},
                                         {1999, 13, 1, false},
                                         {1999, 0, 1, false},
                                         {1999, 2, 29, false},
                                         {1999, 4, 0, false},
                                         {1999, 4, 31, false},
                                         {2000, 2, 29, true},
                                         {1, 1, 1, true},
                                         {9999, 12, 31, true}})
    EXPECT_EQ(IsValidDate(C.Year, C.Month, C.Day), C.Valid)
        << C.Year << "-" << C.Month << "-" << C.Day;
}

TEST(DateUtils, CenturyIsTheYearsHundreds) {
  EXPECT_EQ(ReturnCenturyOfYear(1999), 19);
  EXPECT_EQ(ReturnCenturyOfYear(2000), 20);
  EXPECT_EQ(ReturnCenturyOfYear(99), 0);
  EXPECT_EQ(ReturnCenturyOfYear(9999), 99);
  EXPECT_EQ(ReturnCentury(EncodeDate(1999, 12, 31) + 0.99), 19);
}

TEST(DateUtils, EncodeDateKeepTimeCountsTheFractionAwayFromZero) {
  EXPECT_DOUBLE_EQ(EncodeDateKeepTime(1899, 12, 29, 0.25), -1.25);
  EXPECT_DOUBLE_EQ(EncodeDateKeepTime(1899, 12, 30, 0.25), 0.25);
  EXPECT_DOUBLE_EQ(EncodeDateKeepTime(2000, 1, 1, -3.75), EncodeDate(2000, 1, 1) + 0.75);
  EXPECT_DOUBLE_EQ(EncodeDateKeepTime(1800, 6, 1, -3.75), EncodeDate(1800, 6, 1) - 0.75);
  EXPECT_THROW(EncodeDateKeepTime(1999, 2, 29, 0), framework::EConvertError);
}

TEST(DateUtils, MonthStepsClampTheDayAndKeepTheTime) {
  const double At14 = EncodeTime(14, 0, 0, 0);
  struct Case {
    const char* Name;
    TDateTime (*Step)(TDateTime);
    TDateTime From, To;
  };
  for (const Case& C : std::vector<Case>{
           {"NextIntoShortFebruary", NextMonth, EncodeDate(1999, 1, 31) + At14,
            EncodeDate(1999, 2, 28) + At14},
           {"NextIntoLeapFebruary", NextMonth, EncodeDate(2000, 1, 31), EncodeDate(2000, 2, 29)},
           {"NextOverTheYear", NextMonth, EncodeDate(1999, 12, 15), EncodeDate(2000, 1, 15)},
           {"PrevIntoLeapFebruary", PrevMonth, EncodeDate(2000, 3, 31), EncodeDate(2000, 2, 29)},
           {"PrevOverTheYear", PrevMonth, EncodeDate(2000, 1, 15), EncodeDate(1999, 12, 15)},
           {"PrevBeforeTheEpoch", PrevMonth, EncodeDate(1899, 12, 29) - At14,
            EncodeDate(1899, 11, 29) - At14},
           {"NextOverTheEpoch", NextMonth, EncodeDate(1899, 12, 15) - At14,
            EncodeDate(1900, 1, 15) + At14}})
    EXPECT_DOUBLE_EQ(C.Step(C.From), C.To) << C.Name;
}

TEST(DateUtils, StepsPastTheCalendarRaise) {
  EXPECT_THROW(NextMonth(EncodeDate(9999, 12, 1)), framework::EConvertError);
  EXPECT_THROW(PrevMonth(EncodeDate(1, 1, 31)), framework::EConvertError);
}

// An undecodable date has month 0; stepping back from it must not read the month table at
// month 0 - 1.
TEST(DateUtils, StepsFromAnUndecodableDateRaise) {
  for (TDateTime Date : {std::numeric_limits<double>::quiet_NaN(), 3e6, -1e6}) {
    EXPECT_THROW(PrevMonth(Date), framework::EConvertError) << Date;
    EXPECT_THROW(NextMonth(Date), framework::EConvertError) << Date;
    EXPECT_THROW(StartofMonth(Date), framework::EConvertError) << Date;
    EXPECT_EQ(DaysInMonth(Date), 0) << Date;
  }
}

TEST(DateUtils, EndofYearKeepsTheTime) {
  EXPECT_DOUBLE_EQ(EndofYear(EncodeDate(2000, 2, 29) + 0.5), EncodeDate(2000, 12, 31) + 0.5);
  EXPECT_DOUBLE_EQ(EndofYear(EncodeDate(1, 1, 1) - 0.5), EncodeDate(1, 12, 31) - 0.5);
}

}  // namespace
}  // namespace tarvex
