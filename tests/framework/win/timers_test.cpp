#include "tests/framework/win/win_fixture.h"

namespace framework::test {
namespace {

struct TFired {
  HWND Wnd;
  UINT_PTR Id;
  uint64_t Time;
  bool operator==(const TFired&) const = default;
};

class TimersTest : public WinTest {
 protected:
  void Record(HWND Wnd, std::function<void(UINT_PTR)> Also = nullptr) {
    Handle(Wnd, [this, Also](HWND W, UINT Msg, WPARAM Id, LPARAM) -> std::optional<LRESULT> {
      if (Msg != WM_TIMER) return std::nullopt;
      Fired.push_back({W, Id, VirtualTime()});
      if (Also) Also(Id);
      return 0;
    });
  }
  std::vector<TFired> Fired;
};

TEST_F(TimersTest, TimersFireInDueOrderAtTheirVirtualTimes) {
  const HWND A = Make(0, Bounds(0, 0, 10, 10));
  const HWND B = Make(0, Bounds(0, 0, 10, 10));
  Record(A);
  Record(B);
  SetTimer(A, 1, 30);
  SetTimer(B, 7, 50);
  input::AdvanceTime(150);
  EXPECT_EQ(Fired, (std::vector<TFired>{{A, 1, 30},
                                        {B, 7, 50},
                                        {A, 1, 60},
                                        {A, 1, 90},
                                        {B, 7, 100},
                                        {A, 1, 120},
                                        {A, 1, 150},
                                        {B, 7, 150}}));
  EXPECT_EQ(VirtualTime(), 150u);
}

TEST_F(TimersTest, SettingAnIdAgainRestartsItAndKillingInAHandlerStopsIt) {
  const HWND A = Make(0, Bounds(0, 0, 10, 10));
  const HWND B = Make(0, Bounds(0, 0, 10, 10));
  Record(A);
  Record(B, [&](UINT_PTR) { KillTimer(A, 1); });
  SetTimer(A, 1, 40);
  SetTimer(A, 2, 10);
  input::AdvanceTime(25);
  SetTimer(A, 1, 40);
  SetTimer(B, 1, 70);
  KillTimer(A, 2);
  input::AdvanceTime(100);
  EXPECT_EQ(Fired, (std::vector<TFired>{{A, 2, 10}, {A, 2, 20}, {A, 1, 65}, {B, 1, 95}}));
  EXPECT_FALSE(KillTimer(A, 1)) << "already killed by B's handler";
}

TEST_F(TimersTest, ALateTimerFiresOnceAndComesBackAPeriodLater) {
  const HWND A = Make(0, Bounds(0, 0, 10, 10));
  Record(A);
  SetTimer(A, 1, 100);
  CatchUp(1000);
  EXPECT_EQ(Fired, (std::vector<TFired>{{A, 1, 1000}}));
  input::AdvanceTime(100);
  EXPECT_EQ(Fired.size(), 2u);
  EXPECT_EQ(Fired.back().Time, 1100u);
}

TEST_F(TimersTest, PeriodsAreRaisedToTheMinimumAndTimersDieWithTheirWindow) {
  const HWND A = Make(0, Bounds(0, 0, 10, 10));
  Record(A);
  EXPECT_EQ(SetTimer(A, 3, 0), 3u);
  EXPECT_EQ(SetTimer(A, 0, 50), 0u);
  EXPECT_EQ(SetTimer(HWND(uintptr_t(123456)), 1, 50), 0u);
  input::AdvanceTime(USER_TIMER_MINIMUM);
  ASSERT_EQ(Fired.size(), 1u);
  DestroyWindow(A);
  input::AdvanceTime(100);
  EXPECT_EQ(Fired.size(), 1u);
}

TEST_F(TimersTest, TodayMovesOnWithTheVirtualClock) {
  const TDateTime Noon = EncodeDate(2024, 2, 29) + EncodeTime(12, 0, 0, 0);
  input::SetToday(Noon);
  EXPECT_EQ(Date(), EncodeDate(2024, 2, 29));
  input::AdvanceTime(13 * 60 * 60 * 1000);
  EXPECT_EQ(Date(), EncodeDate(2024, 3, 1));
  input::Reset();
  EXPECT_NE(Date(), EncodeDate(2024, 3, 1));
}

}  // namespace
}  // namespace framework::test
