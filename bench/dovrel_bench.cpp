#include <benchmark/benchmark.h>

#include "tarvex.h"

namespace {

using namespace framework;
using tarvex::TDovrel;

// A shown form with a focused date edit in 'dddd, MMMM d, yyyy' holding Wednesday, December 15,
// 1999: a typed digit rewrites the day cell and the day name before the window repaints.
TDovrel* ShowDateEdit() {
  input::Reset();
  InitApplication();
  SetLocale("en_US");
  auto* Form = new TForm(Application);
  Form->SetBounds(0, 0, 300, 100);
  auto* Edit = new TDovrel(Form);
  Edit->SetParent(Form);
  Edit->SetBounds(10, 10, 240, 24);
  Edit->SetCustomEditFormat("dddd, MMMM d, yyyy");
  Edit->SetDate(EncodeDate(1999, 12, 15));
  Form->Show();
  Edit->SetFocus();
  input::AdvanceTime(0);
  return Edit;
}

// The day typed as "1" then "5" again: each digit goes from the key press through the cell
// engine, the parts, the date and the notifications to the repainted window, so a call is two
// typed keys, as the plain edit's BM_TypedCharacterInAnEdit is.
void BM_TypedDigitInADateEdit(benchmark::State& State) {
  TDovrel* Edit = ShowDateEdit();
  for (auto _ : State) {
    Edit->SetCurrentCell(3);
    input::PressKey('1');
    input::PressKey('5');
  }
  if (Edit->Date() != EncodeDate(1999, 12, 15)) State.SkipWithError("the keys did not reach it");
  State.SetItemsProcessed(2 * State.iterations());
  DoneApplication();
  input::Reset();
}
BENCHMARK(BM_TypedDigitInADateEdit);

}  // namespace
