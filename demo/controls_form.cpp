// An order-entry form of standard controls on the simulated desktop, filled in by a scripted
// run through the input simulator, with screenshots of the form while it is being filled in and
// after Enter reached its default button.

#include <cstdio>

#include "demo/demo_parts.h"
#include "tarvex.h"

using namespace framework;

namespace {

// A control owned by the form and shown on it.
template <class T>
T* Place(TForm* Form, TRect Bounds) {
  auto* Control = new T(Form);
  Control->SetParent(Form);
  Control->SetBoundsRect(Bounds);
  return Control;
}

struct TOrderForm {
  TForm* Form;
  TEdit* Customer;
  TEdit* City;
  TListBox* Countries;
  TCheckBox* Priority;
  TButton* Ok;
};

TOrderForm BuildForm() {
  TOrderForm F;
  F.Form = new TForm(Application);
  F.Form->SetBounds(60, 50, 420, 250);
  F.Form->SetCaption("Tarvex controls");
  auto* Header = Place<TPanel>(F.Form, Bounds(8, 8, 396, 28));
  Header->SetCaption("New order");
  F.Customer = Place<TEdit>(F.Form, Bounds(8, 48, 190, 24));
  F.City = Place<TEdit>(F.Form, Bounds(8, 80, 190, 24));
  F.Countries = Place<TListBox>(F.Form, Bounds(214, 48, 190, 100));
  for (const char* Country : {"Belgium", "France", "Germany", "Italy", "Spain", "Switzerland"})
    F.Countries->Items()->Add(Country);
  F.Priority = Place<TCheckBox>(F.Form, Bounds(8, 116, 190, 20));
  F.Priority->SetCaption("Priority delivery");
  F.Ok = Place<TButton>(F.Form, Bounds(244, 180, 76, 26));
  F.Ok->SetCaption("OK");
  F.Ok->SetDefault(true);
  auto* Cancel = Place<TButton>(F.Form, Bounds(328, 180, 76, 26));
  Cancel->SetCaption("Cancel");
  Cancel->SetCancel(true);
  F.Form->Show();
  return F;
}

TPoint Middle(TControl* Control) {
  return Control->ClientToScreen(Point(Control->Width() / 2, Control->Height() / 2));
}

}  // namespace

std::string RunControlsForm(const std::string& Folder) {
  input::Reset();
  InitApplication();
  TOrderForm F = BuildForm();
  bool Accepted = false;
  F.Ok->OnClick = TNotifyEvent([&Accepted](TObject*) { Accepted = true; });
  input::Click(Middle(F.Customer));
  input::TypeText("Vins et alcools Chevalier");
  input::PressKey(VK_TAB);
  input::TypeText("Reims");
  input::Click(F.Countries->ClientToScreen(Point(20, 1 * F.Countries->ItemHeight() + 2)));
  input::Click(Middle(F.Priority));
  input::Click(Middle(F.City));
  const std::string File = Folder + "/controls.png";
  SaveWindowShot(F.Form->Handle(), File);
  input::PressKey(VK_RETURN);
  std::printf("\nOrder: %s, %s, %s, priority %s; %s\n", F.Customer->Text().c_str(),
              F.City->Text().c_str(),
              F.Countries->Items()->Strings(F.Countries->ItemIndex()).c_str(),
              F.Priority->Checked() ? "yes" : "no",
              Accepted ? "Enter clicked OK" : "Enter did not reach OK");
  DoneApplication();
  input::Reset();
  return File;
}
