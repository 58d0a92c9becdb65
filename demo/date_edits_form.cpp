// A form of date edits in several formats, used through the input simulator as a person would:
// a date typed cell by cell with a refused key, a required date left invalid, and a day picked
// from the drop-down calendar with the mouse. Screenshots of the focused edit and of the open
// calendar.

#include <cstdio>
#include <string>
#include <vector>

#include "demo/demo_parts.h"
#include "tarvex.h"

using namespace framework;
using namespace tarvex;

namespace {

struct TDatesForm {
  TForm* Form;
  TDovrel* Ordered;
  TDovrel* Shipped;
  TDovrel* Period;
  TDovrel* Due;
};

TDovrel* PlaceDate(TForm* Form, int Top, const std::string& Caption) {
  auto* Label = new TPanel(Form);
  Label->SetParent(Form);
  Label->SetBounds(10, Top, 120, 24);
  Label->SetBevelOuter(bvNone);
  Label->SetAlignment(taLeftJustify);
  Label->SetCaption(Caption);
  auto* Edit = new TDovrel(Form);
  Edit->SetParent(Form);
  Edit->SetBounds(140, Top, 230, 24);
  return Edit;
}

void BuildForm(TDatesForm& F) {
  F.Form = new TForm(Application);
  F.Form->SetBounds(40, 40, 400, 330);
  F.Form->SetCaption("Tarvex date edits");
  F.Ordered = PlaceDate(F.Form, 14, "Ordered");
  F.Ordered->SetCustomEditFormat("MM/DD/YYYY");
  F.Ordered->SetDisplayFormat(dfWindowsLong);
  F.Shipped = PlaceDate(F.Form, 50, "Shipped (optional)");
  F.Shipped->SetCustomEditFormat("dddd, MMMM d, yyyy");
  F.Shipped->SetCanBeBlank(true);
  F.Period = PlaceDate(F.Form, 86, "Billing period");
  F.Period->SetCustomEditFormat("MMMM yyyy");
  F.Period->SetIsBlank(true);
  F.Due = PlaceDate(F.Form, 122, "Payment due");
  F.Due->SetCustomEditFormat("MMM d, yyyy");
  F.Due->CalendarOptions()->SetSundayTextColor(clRed);
  F.Due->CalendarOptions()->SetSelectedDayColor(clNavy);
  F.Form->Show();
}

TPoint ButtonOf(TDovrel* Edit) {
  return Edit->ClientToScreen(Point(Edit->ClientWidth() - 6, Edit->ClientHeight() / 2));
}

// The part of the screen that holds the form and its open calendar.
void SaveScreenPart(const TRect& Part, const std::string& File) {
  const TSurface Screen = RenderScreen();
  TSurface Shot(Part.Width(), Part.Height());
  for (int Y = 0; Y < Part.Height(); ++Y)
    for (int X = 0; X < Part.Width(); ++X)
      Shot.SetPixel(X, Y, Screen.Pixel(Part.Left + X, Part.Top + Y));
  WritePngFile(Shot, File);
}

}  // namespace

std::vector<std::string> RunDateEditsForm(const std::string& Folder) {
  input::Reset();
  InitApplication();
  SetLocale("en_US");
  input::SetToday(EncodeDate(2026, 12, 11) + 0.4);
  TDatesForm F;
  BuildForm(F);
  int BadDates = 0;
  F.Ordered->OnBadDate = [&BadDates](TObject*, TBadDateAction&) { ++BadDates; };

  F.Ordered->SetFocus();
  input::TypeText("12");
  input::TypeText("x");
  input::TypeText("0");
  input::TypeText("3/2026");
  F.Ordered->SetCurrentCell(2);
  input::TypeText("31");
  const std::string Focused = Folder + "/date-edit.png";
  SaveWindowShot(F.Form->Handle(), Focused);
  std::printf("\nOrdered, typed cell by cell: '%s', %d key refused with a beep\n",
              F.Ordered->Text().c_str(), input::BeepCount());
  input::PressKey(VK_TAB);
  F.Ordered->SetFocus();
  input::TypeText("02");
  std::printf("Month 02 typed over it: '%s'; leaving that, ", F.Ordered->Text().c_str());
  input::PressKey(VK_TAB);
  std::printf("OnBadDate fired %d time(s) and the date went back to '%s'\n", BadDates,
              F.Ordered->Text().c_str());

  F.Period->SetFocus();
  input::TypeText("ju");
  input::PressKey(VK_RIGHT);
  input::TypeText("2027");
  std::printf("Billing period: '%s', its date the first of the month: %s\n",
              F.Period->Text().c_str(), F.Period->Date() == EncodeDate(2027, 6, 1) ? "yes" : "no");

  F.Due->SetFocus();
  input::AdvanceTime(1000);
  input::Click(ButtonOf(F.Due));
  TDropDownCalendar* Calendar = F.Due->Calendar();
  std::vector<std::string> Files{Focused};
  if (Calendar) {
    const std::string Open = Folder + "/date-calendar.png";
    TRect Shown, Frame;
    GetWindowRect(Calendar->Handle(), Shown);
    GetWindowRect(F.Form->Handle(), Frame);
    SaveScreenPart(Rect(Frame.Left, Frame.Top, std::max(Frame.Right, Shown.Right),
                        std::max(Frame.Bottom, Shown.Bottom)),
                   Open);
    Files.push_back(Open);
    const TRect Day = Calendar->ReturnDayRect(24);
    TPoint P{(Day.Left + Day.Right) / 2, (Day.Top + Day.Bottom) / 2};
    framework::ClientToScreen(Calendar->Handle(), P);
    input::Click(P);
  }
  std::printf("Payment due, picked in the calendar: '%s'\n", F.Due->Text().c_str());
  std::printf("Ordered, shown unfocused in the long format: '%s'; shipped stays blank: '%s'\n",
              F.Ordered->Text().c_str(), F.Shipped->Text().c_str());
  DoneApplication();
  input::Reset();
  return Files;
}
