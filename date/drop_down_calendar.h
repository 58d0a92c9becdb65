#pragma once

#include "date/calendar_edit.h"

namespace tarvex {

class TCustomDovrel;

// The month calendar a date edit drops down: a popup of its own on the screen, made by the edit
// for each drop-down and freed when it closes. A picked day, and each month or year step, goes
// straight into the edit; releasing a picked day closes the calendar.
class TDropDownCalendar : public TCustomCalendarEdit {
  DECLARE_CLASS(TDropDownCalendar, TCustomCalendarEdit)

 public:
  explicit TDropDownCalendar(TComponent* AOwner) : TCustomCalendarEdit(AOwner) {}

  TCustomDovrel* Edit() const { return FEdit; }

  void UpdateEdit() override;
  bool CanSelectDay() override;
  bool CanModify() override;
  void StopDayTracking() override;

 protected:
  void CreateParams(framework::TCreateParams& Params) override;
  void CreateWnd() override;

 private:
  friend class TCustomDovrel;

  TCustomDovrel* FEdit = nullptr;
};

}  // namespace tarvex
