#include "date/drop_down_calendar.h"

#include "date/custom_dovrel.h"
#include "framework/controls/new_style_controls.h"
#include "framework/win/window_position.h"

namespace tarvex {

using namespace framework;

const TClass& TDropDownCalendar::StaticClass() {
  return TClass::Describe<TDropDownCalendar>("TDropDownCalendar");
}

void TDropDownCalendar::CreateParams(TCreateParams& Params) {
  TCustomCalendarEdit::CreateParams(Params);
  Params.WindowClass.style = CS_SAVEBITS;
  if (NewStyleControls) Params.ExStyle |= WS_EX_TOOLWINDOW;
}

// The window leaves the edit's to float over the form; it is told it has the focus without
// taking it, so that it paints as the active part while the keyboard stays in the edit.
void TDropDownCalendar::CreateWnd() {
  TCustomCalendarEdit::CreateWnd();
  if (!ComponentState().Contains(csDesigning)) framework::SetParent(Handle(), HWND());
  CallWindowProc(DefWndProc(), Handle(), WM_SETFOCUS, 0, 0);
}

void TDropDownCalendar::UpdateEdit() {
  if (FEdit->FHasDayCell) FEdit->SetDay(Day());
  if (FEdit->FHasMonthCell) FEdit->SetMonth(Month());
  if (FEdit->FHasYearCell) FEdit->SetYear(Year());
  TCustomCalendarEdit::UpdateEdit();
}

bool TDropDownCalendar::CanSelectDay() {
  return FEdit->FHasDayCell;
}

bool TDropDownCalendar::CanModify() {
  return TCustomCalendarEdit::CanModify() && FEdit->CanModify();
}

void TDropDownCalendar::StopDayTracking() {
  TCustomCalendarEdit::StopDayTracking();
  FEdit->CloseUp();
}

}  // namespace tarvex
