#include <benchmark/benchmark.h>

#include <chrono>

#include "date/calendar_edit.h"
#include "tarvex.h"

namespace {

using namespace framework;
using tarvex::TCustomCalendarEdit;

// A shown form holding a calendar at its natural size, weekend days coloured and the days of
// the neighbouring months shown, so that every cell paints a number.
TCustomCalendarEdit* ShowCalendar() {
  input::Reset();
  InitApplication();
  input::SetToday(EncodeDate(2026, 3, 15));
  auto* Form = new TForm(Application);
  Form->SetBounds(0, 0, 400, 300);
  auto* Calendar = new TCustomCalendarEdit(Form);
  Calendar->SetParent(Form);
  Calendar->SetBounds(10, 10, 0, 0);
  Calendar->SetNonMonthDays(true);
  Calendar->SetSundayTextColor(clRed);
  Calendar->SetSaturdayTextColor(clBlue);
  Form->Show();
  Calendar->ResetSize();
  Calendar->SetDay(15);
  input::AdvanceTime(0);
  return Calendar;
}

void CloseCalendar() {
  DoneApplication();
  input::Reset();
}

// One month step as the button's auto-repeat makes it: the month set, the title painted
// directly, then the invalidated cells repainted through the window system.
void BM_CalendarMonthStep(benchmark::State& State) {
  TCustomCalendarEdit* Calendar = ShowCalendar();
  Word Month = Calendar->Month();
  for (auto _ : State) {
    Month = Month % 12 + 1;
    Calendar->SetMonth(Month);
    PaintPendingWindows();
  }
  if (Calendar->Month() != Month) State.SkipWithError("the month did not change");
  State.SetItemsProcessed(State.iterations());
  CloseCalendar();
}
BENCHMARK(BM_CalendarMonthStep);

// The baseline: one full paint of the day-cell band, drawn directly on the calendar's window.
void BM_CalendarDayCellsBaseline(benchmark::State& State) {
  TCustomCalendarEdit* Calendar = ShowCalendar();
  const int CellsTop = Calendar->CellsTop();
  for (auto _ : State) {
    int Top = CellsTop;
    Calendar->PaintDayCells(Top, true);
    benchmark::ClobberMemory();
  }
  State.SetItemsProcessed(State.iterations());
  CloseCalendar();
}
BENCHMARK(BM_CalendarDayCellsBaseline);

// Both, interleaved in one loop so that they share the machine's load: the counters give each
// one's mean time and their ratio, step over cells paint.
void BM_CalendarMonthStepPerCellsPaint(benchmark::State& State) {
  using Clock = std::chrono::steady_clock;
  TCustomCalendarEdit* Calendar = ShowCalendar();
  const int CellsTop = Calendar->CellsTop();
  Word Month = Calendar->Month();
  Clock::duration Steps{}, Paints{};
  for (auto _ : State) {
    const auto Start = Clock::now();
    Month = Month % 12 + 1;
    Calendar->SetMonth(Month);
    PaintPendingWindows();
    const auto Stepped = Clock::now();
    int Top = CellsTop;
    Calendar->PaintDayCells(Top, true);
    benchmark::ClobberMemory();
    Steps += Stepped - Start;
    Paints += Clock::now() - Stepped;
  }
  const double N = double(State.iterations());
  State.counters["step_us"] = std::chrono::duration<double, std::micro>(Steps).count() / N;
  State.counters["cells_us"] = std::chrono::duration<double, std::micro>(Paints).count() / N;
  State.counters["ratio"] = double(Steps.count()) / double(Paints.count());
  CloseCalendar();
}
BENCHMARK(BM_CalendarMonthStepPerCellsPaint);

}  // namespace
