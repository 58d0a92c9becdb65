// An order-entry form of standard controls on the simulated desktop, filled in by a scripted
// run through the input simulator, with screenshots of the form while a grid cell is being
// edited and once the form is filled in.

#include <array>
#include <cstdio>
#include <string>
#include <vector>

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

// The order lines the grid shows and edits: article, quantity, unit price.
using TLine = std::array<std::string, 3>;
using TLines = std::array<TLine, 4>;
const TLine Headings{"Article", "Quantity", "Unit price"};

std::string CellText(const TLines& Lines, int ACol, int ARow) {
  if (ACol == 0) return ARow ? std::to_string(ARow) : "";
  return ARow ? Lines[size_t(ARow - 1)][size_t(ACol - 1)] : Headings[size_t(ACol - 1)];
}

TDrawGrid* BuildLines(TForm* Form, TRect Bounds, TLines& Lines) {
  auto* Grid = new TDrawGrid(Form);
  Grid->SetParent(Form);
  Grid->SetBoundsRect(Bounds);
  Grid->SetColCount(4);
  Grid->SetRowCount(int(Lines.size()) + 1);
  Grid->SetDefaultRowHeight(20);
  Grid->SetScrollBars(ssVertical);
  for (const auto& [Col, Width] : {std::pair{0, 24}, {1, 170}, {2, 80}, {3, 90}})
    Grid->SetColWidths(Col, Width);
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing, goTabs});
  Grid->OnDrawCell = [Grid, &Lines](TObject*, int ACol, int ARow, const TRect& Rect,
                                    TGridDrawState) {
    Grid->Canvas()->TextRect(Rect, Rect.Left + 3, Rect.Top + 3, CellText(Lines, ACol, ARow));
  };
  Grid->OnGetEditText = [&Lines](TObject*, int ACol, int ARow, std::string& Value) {
    Value = CellText(Lines, ACol, ARow);
  };
  Grid->OnSetEditText = [&Lines](TObject*, int ACol, int ARow, const std::string& Value) {
    Lines[size_t(ARow - 1)][size_t(ACol - 1)] = Value;
  };
  return Grid;
}

struct TOrderForm {
  TLines Lines{TLine{"Chai", "", "18.00"}, TLine{"Chang", "", "19.00"},
               TLine{"Aniseed Syrup", "", "10.00"}, TLine{"Ikura", "", "31.00"}};
  TForm* Form;
  TEdit* Customer;
  TEdit* City;
  TListBox* Countries;
  TCheckBox* Priority;
  TDrawGrid* Grid;
  TButton* Ok;
};

// The grid's handlers keep a reference to F.Lines: F must outlive the form.
void BuildForm(TOrderForm& F) {
  F.Form = new TForm(Application);
  F.Form->SetBounds(60, 50, 420, 350);
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
  F.Grid = BuildLines(F.Form, Bounds(8, 158, 396, 112), F.Lines);
  F.Ok = Place<TButton>(F.Form, Bounds(244, 282, 76, 26));
  F.Ok->SetCaption("OK");
  F.Ok->SetDefault(true);
  auto* Cancel = Place<TButton>(F.Form, Bounds(328, 282, 76, 26));
  Cancel->SetCaption("Cancel");
  Cancel->SetCancel(true);
  F.Form->Show();
}

TPoint Middle(TControl* Control) {
  return Control->ClientToScreen(Point(Control->Width() / 2, Control->Height() / 2));
}

}  // namespace

std::vector<std::string> RunControlsForm(const std::string& Folder) {
  input::Reset();
  InitApplication();
  TOrderForm F;
  BuildForm(F);
  bool Accepted = false;
  F.Ok->OnClick = TNotifyEvent([&Accepted](TObject*) { Accepted = true; });
  input::Click(Middle(F.Customer));
  input::TypeText("Vins et alcools Chevalier");
  input::PressKey(VK_TAB);
  input::TypeText("Reims");
  input::Click(F.Countries->ClientToScreen(Point(20, 1 * F.Countries->ItemHeight() + 2)));
  input::Click(Middle(F.Priority));
  const TRect Quantity = F.Grid->CellRect(2, 1);
  input::Click(F.Grid->ClientToScreen(Point(Quantity.Left + 5, Quantity.Top + 5)));
  input::TypeText("12");
  const std::string Editing = Folder + "/controls-editing.png";
  SaveWindowShot(F.Form->Handle(), Editing);
  input::PressKey(VK_RETURN);
  input::PressKey(VK_DOWN);
  input::PressKey(VK_DOWN);
  input::TypeText("3\n");
  input::Click(Middle(F.City));
  const std::string File = Folder + "/controls.png";
  SaveWindowShot(F.Form->Handle(), File);
  input::PressKey(VK_RETURN);
  std::printf("\nOrder: %s, %s, %s, priority %s; %s\n", F.Customer->Text().c_str(),
              F.City->Text().c_str(),
              F.Countries->Items()->Strings(F.Countries->ItemIndex()).c_str(),
              F.Priority->Checked() ? "yes" : "no",
              Accepted ? "Enter clicked OK" : "Enter did not reach OK");
  for (const TLine& Line : F.Lines)
    if (!Line[1].empty())
      std::printf("  %s x %s at %s\n", Line[1].c_str(), Line[0].c_str(), Line[2].c_str());
  DoneApplication();
  input::Reset();
  return {Editing, File};
}
