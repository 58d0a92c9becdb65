#include "framework/rtl/clock.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace framework {

namespace {

TClock& CurrentClock() {
  static TClock Clock;
  return Clock;
}

}  // namespace

void SetClock(TClock Clock) {
  CurrentClock() = std::move(Clock);
}

TDateTime SystemNow() {
  using namespace std::chrono;
  const auto Point = system_clock::now();
  const std::time_t Seconds = system_clock::to_time_t(Point);
  const auto MSec = duration_cast<milliseconds>(Point.time_since_epoch()).count() % 1000;
  std::tm Local{};
  localtime_r(&Seconds, &Local);
  return EncodeDate(Local.tm_year + 1900, Local.tm_mon + 1, Local.tm_mday) +
         EncodeTime(Local.tm_hour, Local.tm_min, std::min(Local.tm_sec, 59), MSec);
}

TDateTime Now() {
  return CurrentClock() ? CurrentClock()() : SystemNow();
}

TDateTime Date() {
  return std::trunc(Now());
}

}  // namespace framework
