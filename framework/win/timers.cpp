#include "framework/win/timers.h"

#include <algorithm>

#include "framework/win/desktop.h"
#include "framework/win/message_queue.h"
#include "framework/win/window.h"

namespace framework {

namespace {

std::vector<TTimer>::iterator FindTimer(HWND Wnd, UINT_PTR Id) {
  auto& Timers = Desktop().Timers;
  return std::find_if(Timers.begin(), Timers.end(),
                      [&](const TTimer& T) { return T.Wnd == Wnd && T.Id == Id; });
}

bool FiresBefore(const TTimer& A, const TTimer& B) {
  return A.Due != B.Due ? A.Due < B.Due : A.Order < B.Order;
}

const TTimer* NextTimer() {
  const auto& Timers = Desktop().Timers;
  const auto Next = std::min_element(Timers.begin(), Timers.end(), FiresBefore);
  return Next == Timers.end() ? nullptr : &*Next;
}

// Due again a period after now, before its handler runs: a handler that lets time pass sees the
// timer's next turn, not this one again.
void Fire(HWND Wnd, UINT_PTR Id) {
  const auto Timer = FindTimer(Wnd, Id);
  if (Timer == Desktop().Timers.end()) return;
  Timer->Due = Desktop().Time + Timer->Period;
  DeliverMessage(Wnd, WM_TIMER, Id, 0);
}

}  // namespace

UINT_PTR SetTimer(HWND Wnd, UINT_PTR Id, UINT Period) {
  if (!IsWindow(Wnd) || Id == 0) return 0;
  TDesktop& D = Desktop();
  Period = std::max(Period, USER_TIMER_MINIMUM);
  const TTimer Timer{Wnd, Id, Period, D.Time + Period, ++D.TimerOrder};
  if (const auto Existing = FindTimer(Wnd, Id); Existing != D.Timers.end())
    *Existing = Timer;
  else
    D.Timers.push_back(Timer);
  return Id;
}

bool KillTimer(HWND Wnd, UINT_PTR Id) {
  const auto Timer = FindTimer(Wnd, Id);
  if (Timer == Desktop().Timers.end()) return false;
  Desktop().Timers.erase(Timer);
  return true;
}

void KillWindowTimers(HWND Wnd) {
  auto& Timers = Desktop().Timers;
  std::erase_if(Timers, [&](const TTimer& T) { return T.Wnd == Wnd; });
}

uint64_t VirtualTime() {
  return Desktop().Time;
}

void RunFor(uint64_t Milliseconds) {
  const uint64_t End = Desktop().Time + Milliseconds;
  for (;;) {
    ProcessMessages();
    const TTimer* Next = NextTimer();
    if (!Next || Next->Due > End) break;
    Desktop().Time = std::max(Desktop().Time, Next->Due);
    Fire(Next->Wnd, Next->Id);
  }
  Desktop().Time = std::max(Desktop().Time, End);
  ProcessMessages();
}

void CatchUp(uint64_t Milliseconds) {
  TDesktop& D = Desktop();
  D.Time += Milliseconds;
  ProcessMessages();
  std::vector<TTimer> Due;
  for (const TTimer& T : D.Timers)
    if (T.Due <= D.Time) Due.push_back(T);
  std::sort(Due.begin(), Due.end(), FiresBefore);
  for (const TTimer& T : Due) {
    const auto Current = FindTimer(T.Wnd, T.Id);
    if (Current != Desktop().Timers.end() && Current->Order == T.Order) Fire(T.Wnd, T.Id);
    ProcessMessages();
  }
}

}  // namespace framework
