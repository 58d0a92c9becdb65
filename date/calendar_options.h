#pragma once

#include <memory>
#include <string>

#include "common/drop_down_types.h"
#include "date/cell_types.h"
#include "framework/classes/persistent.h"
#include "framework/classes/property.h"
#include "framework/controls/border_style.h"
#include "framework/controls/control.h"
#include "framework/controls/custom_panel.h"
#include "framework/graphics/font.h"

namespace tarvex {

using framework::TBorderStyle;
using framework::TColor;
using framework::TFont;
using framework::TPanelBevel;

class TCustomDovrel;
class TDropDownCalendar;

// How the date edit's drop-down calendar looks and where it opens. Each setting is kept here,
// streams with the edit, and goes at once to the calendar when one is open. The colour, the 3-D
// look and the fonts follow the edit while their Parent flags are set.
class TCalendarOptions : public framework::TPersistent {
  DECLARE_CLASS(TCalendarOptions, TPersistent)

 public:
  explicit TCalendarOptions(TCustomDovrel* AOwner);
  ~TCalendarOptions() override;

  static const framework::TPropertyList& Published();

  TDropDownAlignHorizontally AlignHorizontally() const { return FAlignHorizontally; }
  void SetAlignHorizontally(TDropDownAlignHorizontally Value) { FAlignHorizontally = Value; }
  TDropDownAlignVertically AlignVertically() const { return FAlignVertically; }
  void SetAlignVertically(TDropDownAlignVertically Value) { FAlignVertically = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);
  framework::TCursor Cursor() const { return FCursor; }
  void SetCursor(framework::TCursor Value);
  std::string GetCustomDateFormat() const;
  void SetCustomDateFormat(const std::string& Value);
  TDateFormat DateFormat() const { return FDateFormat; }
  void SetDateFormat(TDateFormat Value);
  TFont* DateFont() const { return FDateFont.get(); }
  void SetDateFont(const TFont* Value);
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
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  bool ParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool Value);
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  TPanelBevel MonthBevel() const { return FMonthBevel; }
  void SetMonthBevel(TPanelBevel Value);
  int MonthBevelWidth() const { return FMonthBevelWidth; }
  void SetMonthBevelWidth(int Value);
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
  TStartOfWeek StartOfWeek() const { return FStartOfWeek; }
  void SetStartOfWeek(TStartOfWeek Value);
  TColor SundayTextColor() const { return FSundayTextColor; }
  void SetSundayTextColor(TColor Value);

  void SetCtl3DLow(bool Value);
  bool IsFontStored() const { return !FParentFont; }
  // Gives an open calendar the edit's date and every option.
  virtual void InitDropDownCalendar();

 private:
  TDropDownCalendar* Calendar() const;
  bool OwnerLoading() const;
  template <class T, class S>
  void Forward(T& Field, T Value, S Setter);
  void FontChanged(framework::TObject* Sender);
  // The owner's font as the day, date, day-header (bold) and selected-day (white) fonts.
  void CopyOwnerFonts(TFont& Day, TFont& Date, TFont& DayHeader, TFont& SelectedDay) const;

  TDropDownAlignHorizontally FAlignHorizontally = daLeft;
  TDropDownAlignVertically FAlignVertically = daBottom;
  TColor FColor = framework::clBtnFace;
  bool FCtl3D = true;
  framework::TCursor FCursor = framework::crDefault;
  std::string FCustomDateFormat;
  TDateFormat FDateFormat = cfWindowsLong;
  std::unique_ptr<TFont> FDateFont;
  TPanelBevel FDayBevel = framework::bvNone;
  int FDayBevelWidth = 1;
  TBorderStyle FDayBorderStyle = framework::bsNone;
  TColor FDayColor = framework::clBtnFace;
  std::unique_ptr<TFont> FDayFont;
  TPanelBevel FDayHeaderBevel = framework::bvRaised;
  int FDayHeaderBevelWidth = 1;
  TColor FDayHeaderColor = framework::clBtnFace;
  std::unique_ptr<TFont> FDayHeaderFont;
  bool FParentColor = false;
  bool FParentCtl3D = true;
  bool FParentFont = true;
  TPanelBevel FMonthBevel = framework::bvNone;
  int FMonthBevelWidth = 1;
  bool FNonMonthDays = false;
  TPanelBevel FNonMonthDaysBevel = framework::bvNone;
  int FNonMonthDaysBevelWidth = 1;
  TColor FNonMonthDaysColorBK = framework::clBtnFace;
  TColor FNonMonthDaysColorText = framework::clBlack;
  TColor FSaturdayTextColor = framework::clBlack;
  TPanelBevel FSelectedDayBevel = framework::bvRaised;
  int FSelectedDayBevelWidth = 1;
  TBorderStyle FSelectedDayBorderStyle = framework::bsSingle;
  TColor FSelectedDayColor = framework::clBlue;
  std::unique_ptr<TFont> FSelectedDayFont;
  bool FShowMonthButtons = true;
  bool FShowYearButtons = true;
  TStartOfWeek FStartOfWeek = swSunday;
  TColor FSundayTextColor = framework::clBlack;
  TCustomDovrel* FOwner;
};

}  // namespace tarvex
