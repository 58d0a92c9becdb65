#include <benchmark/benchmark.h>

#include <string>

#include "tarvex.h"

namespace {

using namespace framework;

const std::string EditText = "Vins et alcools Chevalier";
const TRect EditBounds = Bounds(10, 10, 200, 24);

// A shown form with one focused edit holding EditText, the caret at its end.
TEdit* ShowEditForm() {
  input::Reset();
  InitApplication();
  auto* Form = new TForm(Application);
  Form->SetBounds(0, 0, 300, 100);
  auto* Edit = new TEdit(Form);
  Edit->SetParent(Form);
  Edit->SetBoundsRect(EditBounds);
  Edit->SetText(EditText);
  Form->Show();
  Edit->SetFocus();
  Edit->SetSelStart(int(EditText.size()));
  input::AdvanceTime(0);
  return Edit;
}

// One character typed and taken back: each key goes from the key press through the edit's text
// and notifications to the repainted window, so a call is two typed keys.
void BM_TypedCharacterInAnEdit(benchmark::State& State) {
  TEdit* Edit = ShowEditForm();
  for (auto _ : State) {
    input::PressKey('A');
    input::PressKey(VK_BACK);
  }
  if (Edit->Text() != EditText) State.SkipWithError("the keys did not reach the edit");
  State.SetItemsProcessed(2 * State.iterations());
  DoneApplication();
  input::Reset();
}
BENCHMARK(BM_TypedCharacterInAnEdit);

// The raster work of the same two repaints done directly: the edit's area filled and its text
// drawn, once with the extra character and once without.
void BM_TypedCharacterRasterBaseline(benchmark::State& State) {
  TSurface Surface(EditBounds.Width(), EditBounds.Height());
  TDeviceContext DC(Surface);
  TCanvas Canvas;
  Canvas.SetHandle(&DC);
  const TRect Client = Rect(0, 0, EditBounds.Width() - 4, EditBounds.Height() - 4);
  const std::string Typed = EditText + "A";
  for (auto _ : State) {
    Canvas.TextRect(Client, 1, 1, Typed);
    Canvas.TextRect(Client, 1, 1, EditText);
    benchmark::ClobberMemory();
  }
  State.SetItemsProcessed(2 * State.iterations());
}
BENCHMARK(BM_TypedCharacterRasterBaseline);

// A form of 30 edits opened: components made, handles created, the first paint done, then freed.
void BM_OpenFormOfThirtyControls(benchmark::State& State) {
  input::Reset();
  InitApplication();
  for (auto _ : State) {
    auto* Form = new TForm(Application);
    Form->SetBounds(0, 0, 640, 480);
    for (int I = 0; I < 30; ++I) {
      auto* Edit = new TEdit(Form);
      Edit->SetParent(Form);
      Edit->SetBounds(10 + (I % 3) * 200, 10 + (I / 3) * 40, 180, 24);
      Edit->SetText("Field " + std::to_string(I));
    }
    Form->Show();
    input::AdvanceTime(0);
    delete Form;
  }
  State.SetItemsProcessed(State.iterations());
  DoneApplication();
  input::Reset();
}
BENCHMARK(BM_OpenFormOfThirtyControls);

}  // namespace
