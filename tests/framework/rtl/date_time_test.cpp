#include "framework/rtl/date_time.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "framework/rtl/clock.h"
#include "framework/rtl/exceptions.h"

namespace {

using namespace framework;

TEST(DateTime, EpochAndNegativeDates) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);

  // The fraction of a negative date counts away from zero: -1.25 is 29 December 1899, 06:00.
  Word Y, M, D, H, N, S, MS;
  DecodeDate(-1.25, Y, M, D);
  DecodeTime(-1.25, H, N, S, MS);
  EXPECT_EQ((std::array<Word, 4>{Y, M, D, H}), (std::array<Word, 4>{1899, 12, 29, 6}));
  EXPECT_EQ(DayOfWeek(-1.25), 6);  // a Friday
}

TEST(DateTime, ImpossibleDatesRaiseWithAClearMessage) {
  const Word Cases[][3] = {{0, 1, 1},     {10000, 1, 1}, {1999, 0, 1},  {1999, 13, 1},
                           {1999, 2, 29}, {1900, 2, 29}, {1999, 4, 31}, {1999, 4, 0}};
  for (const auto& C : Cases) {
    TDateTime Unused;
    EXPECT_FALSE(TryEncodeDate(C[0], C[1], C[2], Unused));
    try {
      EncodeDate(C[0], C[1], C[2]);
      ADD_FAILURE() << C[0] << "-" << C[1] << "-" << C[2] << " encoded";
    } catch (const EConvertError& E) {
      EXPECT_NE(E.Message().find("month " + std::to_string(C[1])), std::string::npos)
          << E.Message();
    }
  }
  EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
}

TEST(DateTime, DatesOutsideTheRangeDecodeAsZero) {
  for (TDateTime Outside : {-693594.0, 2958466.0, 1e300}) {
    Word Y = 1, M = 1, D = 1;
    DecodeDate(Outside, Y, M, D);
    EXPECT_EQ(Y + M + D, 0) << Outside;
  }
}

TEST(DateTime, TimeOfDay) {
  EXPECT_EQ(EncodeTime(18, 0, 0, 0), 0.75);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);

  Word H, M, S, MS;
  DecodeTime(EncodeDate(2000, 1, 1) + EncodeTime(23, 59, 59, 999), H, M, S, MS);
  EXPECT_EQ((std::array<Word, 4>{H, M, S, MS}), (std::array<Word, 4>{23, 59, 59, 999}));
  // A fraction that rounds up to a whole day stays on the last millisecond.
  DecodeTime(0.99999999999, H, M, S, MS);
  EXPECT_EQ((std::array<Word, 4>{H, M, S, MS}), (std::array<Word, 4>{23, 59, 59, 999}));
}

TEST(DateTime, NowAndDateFollowTheInstalledClock) {
  const TDateTime Noon = EncodeDate(1999, 1, 27) + 0.5;
  SetClock([Noon] { return Noon; });
  EXPECT_EQ(Now(), Noon);
  EXPECT_EQ(Date(), EncodeDate(1999, 1, 27));
  SetClock(nullptr);
  EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
}

}  // namespace
