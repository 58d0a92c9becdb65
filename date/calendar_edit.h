#pragma once

#include <memory>
#include <string>

#include "date/cell_types.h"
#include "framework/classes/event.h"
#include "framework/controls/border_style.h"
#include "framework/controls/custom_panel.h"
#include "framework/graphics/color.h"
#include "framework/graphics/font.h"
#include "framework/rtl/date_time.h"
#include "framework/rtl/geometry.h"
#include "framework/rtl/types.h"

namespace tarvex {

using framework::TBorderStyle;
using framework::TColor;
using framework::TComponent;
using framework::TDateTime;
using framework::TFont;
using framework::TMessage;
using framework::TNotifyEvent;
using framework::TPanelBevel;
using framework::TRect;
using framework::UINT_PTR;
using framework::Word;

// A month calendar on a panel: a button bar (previous and next month and year around the title),
// seven day-name headers and six weeks of day cells. A day is picked by clicking or dragging over
// it; the buttons step through months and years and repeat while held down. Cell numbers count
// from the month's 1st: below 1 lie the previous month's days, above its length the next one's.
//
// The setters of Date, Day, Month, Year and of the selected day's looks repaint parts of the
// window directly; they only touch what is on screen once the window exists.
class TCustomCalendarEdit : public framework::TCustomPanel {
  DECLARE_CLASS(TCustomCalendarEdit, framework::TCustomPanel)

 public:
  explicit TCustomCalendarEdit(TComponent* AOwner);
  ~TCustomCalendarEdit() override;

  TDateTime Date() const { return FDate; }
  void SetDate(TDateTime Value);
  // Hides the framework's 3-D look: this one chooses the panel's bevels.
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);
  const std::string& CustomDateFormat() const { return FCustomDateFormat; }
  void SetCustomDateFormat(const std::string& Value);
  TDateFormat DateFormat() const { return FDateFormat; }
  void SetDateFormat(TDateFormat Value);
  TFont* DateFont() const { return FDateFont.get(); }
  void SetDateFont(const TFont* Value);
  Word Day() const { return FDay; }
  void SetDay(Word Value);
  TPanelBevel DayBevel() const { return FDayBevel; }
  void SetDayBevel(TPanelBevel Value);
  int DayBevelWidth() const { return FDayBevelWidth; }
  void SetDayBevelWidth(int Value);
  TBorderStyle DayBorderStyle() const { return FDayBorderStyle; }
  void SetDayBorderStyle(TBorderStyle Value);
  TColor DayColor() const { return FDayColor; }
  void SetDayColor(TColor Value);
  TFont* DayFont() const { return FDayFont.get(); }
  void SetDayFont(const TFont* Value);
  TPanelBevel DayHeaderBevel() const { return FDayHeaderBevel; }
  void SetDayHeaderBevel(TPanelBevel Value);
  int DayHeaderBevelWidth() const { return FDayHeaderBevelWidth; }
  void SetDayHeaderBevelWidth(int Value);
  TColor DayHeaderColor() const { return FDayHeaderColor; }
  void SetDayHeaderColor(TColor Value);
  TFont* DayHeaderFont() const { return FDayHeaderFont.get(); }
  void SetDayHeaderFont(const TFont* Value);
  Word Month() const { return FMonth; }
  void SetMonth(Word Value);
  Word Year() const { return FYear; }
  void SetYear(Word Value);
  TPanelBevel MonthBevel() const { return FMonthBevel; }
  void SetMonthBevel(TPanelBevel Value);
  int MonthBevelWidth() const { return FMonthBevelWidth; }
  void SetMonthBevelWidth(int Value);
  int FirstCellDay() const { return FFirstCellDay; }
  bool NonMonthDays() const { return FNonMonthDays; }
  void SetNonMonthDays(bool Value);
  TPanelBevel NonMonthDaysBevel() const { return FNonMonthDaysBevel; }
  void SetNonMonthDaysBevel(TPanelBevel Value);
  int NonMonthDaysBevelWidth() const { return FNonMonthDaysBevelWidth; }
  void SetNonMonthDaysBevelWidth(int Value);
  TColor NonMonthDaysColorBK() const { return FNonMonthDaysColorBK; }
  void SetNonMonthDaysColorBK(TColor Value);
  TColor NonMonthDaysColorText() const { return FNonMonthDaysColorText; }
  void SetNonMonthDaysColorText(TColor Value);
  TColor SaturdayTextColor() const { return FSaturdayTextColor; }
  void SetSaturdayTextColor(TColor Value);
  int CellsTop() const { return FCellsTop; }
  TPanelBevel SelectedDayBevel() const { return FSelectedDayBevel; }
  void SetSelectedDayBevel(TPanelBevel Value);
  int SelectedDayBevelWidth() const { return FSelectedDayBevelWidth; }
  void SetSelectedDayBevelWidth(int Value);
  TBorderStyle SelectedDayBorderStyle() const { return FSelectedDayBorderStyle; }
  void SetSelectedDayBorderStyle(TBorderStyle Value);
  TColor SelectedDayColor() const { return FSelectedDayColor; }
  void SetSelectedDayColor(TColor Value);
  TFont* SelectedDayFont() const { return FSelectedDayFont.get(); }
  void SetSelectedDayFont(const TFont* Value);
  bool ShowMonthButtons() const { return FShowMonthButtons; }
  void SetShowMonthButtons(bool Value);
  bool ShowYearButtons() const { return FShowYearButtons; }
  void SetShowYearButtons(bool Value);
  TColor SundayTextColor() const { return FSundayTextColor; }
  void SetSundayTextColor(TColor Value);
  TStartOfWeek StartOfWeek() const { return FStartOfWeek; }
  void SetStartOfWeek(TStartOfWeek Value);
  bool DayTracking() const { return FDayTracking; }
  bool ButtonTracking() const { return FButtonTracking; }
  int CellWidth() const { return FCellWidth; }
  int CellHeight() const { return FCellHeight; }
  const TRect& TitleRect() const { return FTitleRect; }
  const TRect& CellsRect() const { return FCellsRect; }
  const TRect& PrevMonthRect() const { return FRects[rkPrevMonth]; }
  const TRect& NextMonthRect() const { return FRects[rkNextMonth]; }
  const TRect& PrevYearRect() const { return FRects[rkPrevYear]; }
  const TRect& NextYearRect() const { return FRects[rkNextYear]; }
  const TRect& DayHeaderRect() const { return FRects[rkDayHeader]; }
  const TRect& SelectedDayRect() const { return FRects[rkSelectedDay]; }
  const TRect& SundayHeaderRect() const { return FRects[rkSundayHeader]; }
  const TRect& SaturdayHeaderRect() const { return FRects[rkSaturdayHeader]; }
  // Previous month, next month, previous year, next year.
  bool ButtonDown(int Index) const { return FButtonDown[Index]; }
  UINT_PTR RepeatTimer() const { return FRepeatTimer; }

  // The title format: the locale's long or short date format, or CustomDateFormat.
  std::string GetCustomDateFormat() const;

  // Sizes the control to exactly what its fonts need; nothing without a parent.
  void ResetSize();
  void UpdateCalendar();
  // The bands, from Top on, which each advances past itself; each grows the control to what it
  // needs and, when Painting, paints itself and stores its rectangles.
  void PaintButtonBar(int& Top, bool Painting);
  void PaintDate();
  void PaintDayHeaders(int& Top, bool Painting);
  void PaintDayCells(int& Top, bool Painting);
  // The cell of cell number Day; numbers outside the six weeks shown paint nothing.
  void PaintDay(int Day);
  // The top-left and bottom-right colours of a bevel.
  void AdjustColors(TPanelBevel Bevel, TColor& TopColor, TColor& BottomColor) const;
  // Presses and releases the buttons by whether (X, Y) lies on them; true when any changed.
  bool TrackButton(int X, int Y);
  // Selects the month day at (X, Y); false for any other point.
  bool TrackDay(int X, int Y);
  void StopButtonTracking();
  // The cell number at a client point, 0 when no cell holds it.
  int ReturnDayNum(int X, int Y) const;
  // The cell's outer rectangle, its border line shared with its neighbours.
  TRect ReturnDayRect(int Day) const;

  // Called after every change the user makes through the calendar: fires OnChange.
  virtual void UpdateEdit();
  // False: no day is drawn selected and clicks on days are ignored.
  virtual bool CanSelectDay();
  // False: presses go to the framework's handling.
  virtual bool CanModify();
  virtual void StopDayTracking();

  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }

  TNotifyEvent OnChange;

 protected:
  void WndProc(TMessage& Message) override;
  void Paint() override;

 private:
  enum TRectKind : uint8_t {
    rkPrevMonth,
    rkNextMonth,
    rkPrevYear,
    rkNextYear,
    rkDayHeader,
    rkSelectedDay,
    rkSundayHeader,
    rkSaturdayHeader,
  };

  std::string TitleText(Word AYear, Word AMonth, Word ADay) const;
  int MonthBevelSize() const;
  Word DaysOfMonth() const;
  TDateTime ReEncoded(Word AYear, Word AMonth, Word ADay) const;
  void StepButton(int Index);
  void ReleaseButton(int Index);
  void InvalidatePart(const TRect& Rect);
  // Whether painting on the bound canvas can change any pixel of Rect.
  bool Reaches(const TRect& Rect) const;

  void WMLButtonDown(TMessage& Message);
  void WMMouseMove(TMessage& Message);
  void WMLButtonUp(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void WMTimer(TMessage& Message);

  TDateTime FDate = 0;
  bool FCtl3D = true;
  std::string FCustomDateFormat;
  TDateFormat FDateFormat = cfWindowsLong;
  std::unique_ptr<TFont> FDateFont;
  Word FDay = 0;
  TPanelBevel FDayBevel = framework::bvNone;
  int FDayBevelWidth = 1;
  TBorderStyle FDayBorderStyle = framework::bsNone;
  TColor FDayColor = framework::clBtnFace;
  std::unique_ptr<TFont> FDayFont;
  TPanelBevel FDayHeaderBevel = framework::bvRaised;
  int FDayHeaderBevelWidth = 1;
  TColor FDayHeaderColor = framework::clBtnFace;
  std::unique_ptr<TFont> FDayHeaderFont;
  Word FMonth = 0;
  Word FYear = 0;
  TPanelBevel FMonthBevel = framework::bvNone;
  int FMonthBevelWidth = 1;
  int FFirstCellDay = 0;
  bool FNonMonthDays = false;
  TPanelBevel FNonMonthDaysBevel = framework::bvNone;
  int FNonMonthDaysBevelWidth = 1;
  TColor FNonMonthDaysColorBK = framework::clBtnFace;
  TColor FNonMonthDaysColorText = framework::clBlack;
  bool FReadOnly = false;
  TColor FSaturdayTextColor = framework::clBlack;
  int FCellsTop = 0;
  TPanelBevel FSelectedDayBevel = framework::bvRaised;
  int FSelectedDayBevelWidth = 1;
  TBorderStyle FSelectedDayBorderStyle = framework::bsSingle;
  TColor FSelectedDayColor = framework::clBlue;
  std::unique_ptr<TFont> FSelectedDayFont;
  bool FShowMonthButtons = true;
  bool FShowYearButtons = true;
  TColor FSundayTextColor = framework::clBlack;
  TStartOfWeek FStartOfWeek = swSunday;
  bool FDayTracking = false;
  bool FButtonTracking = false;
  int FCellWidth = 0;
  int FCellHeight = 0;
  TRect FTitleRect;
  TRect FCellsRect;
  TRect FRects[8];
  bool FButtonDown[4] = {false, false, false, false};
  UINT_PTR FRepeatTimer = 0;
};

}  // namespace tarvex
