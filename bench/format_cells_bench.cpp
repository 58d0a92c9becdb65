#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "date/format_cells.h"
#include "framework/rtl/format_settings.h"

namespace {

using tarvex::Word;

const std::string LongFormat = "dddd, MMMM d, yyyy";
constexpr Word Year = 1999, Month = 1, Day = 31, Sunday = 1;

// One key stroke of the date edit rebuilds the whole text from the date's parts.
void BM_FormatCellsRebuild(benchmark::State& State) {
  for (auto _ : State) {
    std::string Text;
    tarvex::_SetMonthCell(Text, LongFormat, 0, Year, Month, Day);
    tarvex::_SetDayCell(Text, LongFormat, 0, Year, Month, Day);
    tarvex::_SetYearCell(Text, LongFormat, 0, Year, Month, Day);
    tarvex::_ResetDayNameCell(Text, LongFormat, 0, Year, Month, Day);
    benchmark::DoNotOptimize(Text);
  }
}
BENCHMARK(BM_FormatCellsRebuild);

// The baseline: the same text from the same name tables with one snprintf.
void BM_SnprintfBaseline(benchmark::State& State) {
  const framework::TFormatSettings& Settings = framework::FormatSettings();
  for (auto _ : State) {
    char Buffer[64];
    const int Length = std::snprintf(Buffer, sizeof Buffer, "%s, %s %d, %04d",
                                     Settings.LongDayNames[Sunday - 1].c_str(),
                                     Settings.LongMonthNames[Month - 1].c_str(), Day, Year);
    std::string Text(Buffer, Length);
    benchmark::DoNotOptimize(Text);
  }
}
BENCHMARK(BM_SnprintfBaseline);

}  // namespace
