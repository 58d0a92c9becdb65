#include "date/calendar_options.h"

#include "date/custom_dovrel.h"
#include "date/drop_down_calendar.h"
#include "framework/rtl/format_settings.h"

namespace tarvex {

using namespace framework;

const TClass& TCalendarOptions::StaticClass() {
  return TClass::Describe<TCalendarOptions>("TCalendarOptions");
}

TCalendarOptions::TCalendarOptions(TCustomDovrel* AOwner)
    : FCustomDateFormat(FormatSettings().LongDateFormat),
      FDateFont(std::make_unique<TFont>()),
      FDayFont(std::make_unique<TFont>()),
      FDayHeaderFont(std::make_unique<TFont>()),
      FSelectedDayFont(std::make_unique<TFont>()),
      FOwner(AOwner) {
  FDayHeaderFont->SetStyle({fsBold});
  FSelectedDayFont->SetColor(clWhite);
  for (TFont* Font :
       {FDateFont.get(), FDayFont.get(), FDayHeaderFont.get(), FSelectedDayFont.get()})
    Font->OnChange = TNotifyEvent(this, &TCalendarOptions::FontChanged);
}

TCalendarOptions::~TCalendarOptions() {
  FDayFont.reset();
  FDateFont.reset();
  FDayHeaderFont.reset();
  FSelectedDayFont.reset();
}

const TPropertyList& TCalendarOptions::Published() {
  using C = TCalendarOptions;
  static const TPropertyList List(
      {Property("AlignHorizontally", &C::AlignHorizontally, &C::SetAlignHorizontally, daLeft),
       Property("AlignVertically", &C::AlignVertically, &C::SetAlignVertically, daBottom),
       Property("Color", &C::Color, &C::SetColor, clBtnFace),
       Property("Ctl3D", &C::Ctl3D, &C::SetCtl3D, true),
       Property("Cursor", &C::Cursor, &C::SetCursor, crDefault),
       Property("CustomDateFormat", &C::GetCustomDateFormat, &C::SetCustomDateFormat),
       Property("DateFormat", &C::DateFormat, &C::SetDateFormat, cfWindowsLong),
       Property("DateFont", &C::DateFont).StoredIf(&C::IsFontStored),
       Property("DayBevel", &C::DayBevel, &C::SetDayBevel, bvNone),
       Property("DayBevelWidth", &C::DayBevelWidth, &C::SetDayBevelWidth, 1),
       Property("DayBorderStyle", &C::DayBorderStyle, &C::SetDayBorderStyle, bsNone),
       Property("DayColor", &C::DayColor, &C::SetDayColor, clBtnFace),
       Property("DayFont", &C::DayFont).StoredIf(&C::IsFontStored),
       Property("DayHeaderBevel", &C::DayHeaderBevel, &C::SetDayHeaderBevel, bvRaised),
       Property("DayHeaderBevelWidth", &C::DayHeaderBevelWidth, &C::SetDayHeaderBevelWidth, 1),
       Property("DayHeaderColor", &C::DayHeaderColor, &C::SetDayHeaderColor, clBtnFace),
       Property("DayHeaderFont", &C::DayHeaderFont).StoredIf(&C::IsFontStored),
       Property("ParentColor", &C::ParentColor, &C::SetParentColor, false),
       Property("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D, true),
       Property("ParentFont", &C::ParentFont, &C::SetParentFont, true),
       Property("MonthBevel", &C::MonthBevel, &C::SetMonthBevel, bvNone),
       Property("MonthBevelWidth", &C::MonthBevelWidth, &C::SetMonthBevelWidth, 1),
       Property("NonMonthDays", &C::NonMonthDays, &C::SetNonMonthDays, false),
       Property("NonMonthDaysBevel", &C::NonMonthDaysBevel, &C::SetNonMonthDaysBevel, bvNone),
       Property("NonMonthDaysBevelWidth", &C::NonMonthDaysBevelWidth, &C::SetNonMonthDaysBevelWidth,
                1),
       Property("NonMonthDaysColorBK", &C::NonMonthDaysColorBK, &C::SetNonMonthDaysColorBK,
                clBtnFace),
       Property("NonMonthDaysColorText", &C::NonMonthDaysColorText, &C::SetNonMonthDaysColorText,
                clBlack),
       Property("SaturdayTextColor", &C::SaturdayTextColor, &C::SetSaturdayTextColor, clBlack),
       Property("SelectedDayBevel", &C::SelectedDayBevel, &C::SetSelectedDayBevel, bvRaised),
       Property("SelectedDayBevelWidth", &C::SelectedDayBevelWidth, &C::SetSelectedDayBevelWidth,
                1),
       Property("SelectedDayBorderStyle", &C::SelectedDayBorderStyle, &C::SetSelectedDayBorderStyle,
                bsSingle),
       Property("SelectedDayColor", &C::SelectedDayColor, &C::SetSelectedDayColor, clBlue),
       Property("SelectedDayFont", &C::SelectedDayFont).StoredIf(&C::IsFontStored),
       Property("ShowMonthButtons", &C::ShowMonthButtons, &C::SetShowMonthButtons, true),
       Property("ShowYearButtons", &C::ShowYearButtons, &C::SetShowYearButtons, true),
       Property("StartOfWeek", &C::StartOfWeek, &C::SetStartOfWeek, swSunday),
       Property("SundayTextColor", &C::SundayTextColor, &C::SetSundayTextColor, clBlack)});
  return List;
}

TDropDownCalendar* TCalendarOptions::Calendar() const {
  return FOwner->Calendar();
}

bool TCalendarOptions::OwnerLoading() const {
  return FOwner->ComponentState().Contains(csLoading);
}

// Stores a setting and hands it to the open calendar.
template <class T, class S>
void TCalendarOptions::Forward(T& Field, T Value, S Setter) {
  Field = Value;
  if (TDropDownCalendar* C = Calendar()) (C->*Setter)(Value);
}

void TCalendarOptions::SetColor(TColor Value) {
  if (!OwnerLoading()) FParentColor = false;
  Forward(FColor, Value, &TDropDownCalendar::SetColor);
}

void TCalendarOptions::SetCtl3D(bool Value) {
  if (!OwnerLoading()) FParentCtl3D = false;
  SetCtl3DLow(Value);
}

void TCalendarOptions::SetCtl3DLow(bool Value) {
  Forward(FCtl3D, Value, &TDropDownCalendar::SetCtl3D);
}

void TCalendarOptions::SetCursor(TCursor Value) {
  Forward(FCursor, Value, &TDropDownCalendar::SetCursor);
}

std::string TCalendarOptions::GetCustomDateFormat() const {
  if (TDropDownCalendar* C = Calendar()) return C->GetCustomDateFormat();
  switch (FDateFormat) {
    case cfWindowsLong: return FormatSettings().LongDateFormat;
    case cfWindowsShort: return FormatSettings().ShortDateFormat;
    default: return FCustomDateFormat;
  }
}

void TCalendarOptions::SetCustomDateFormat(const std::string& Value) {
  FCustomDateFormat = Value;
  if (TDropDownCalendar* C = Calendar()) C->SetCustomDateFormat(Value);
  if (!OwnerLoading()) SetDateFormat(cfCustom);
}

void TCalendarOptions::SetDateFormat(TDateFormat Value) {
  Forward(FDateFormat, Value, &TDropDownCalendar::SetDateFormat);
}

void TCalendarOptions::SetDateFont(const TFont* Value) {
  FDateFont->Assign(Value);
  if (TDropDownCalendar* C = Calendar()) C->SetDateFont(FDateFont.get());
}

void TCalendarOptions::SetDayBevel(TPanelBevel Value) {
  Forward(FDayBevel, Value, &TDropDownCalendar::SetDayBevel);
}

void TCalendarOptions::SetDayBevelWidth(int Value) {
  Forward(FDayBevelWidth, Value, &TDropDownCalendar::SetDayBevelWidth);
}

void TCalendarOptions::SetDayBorderStyle(TBorderStyle Value) {
  Forward(FDayBorderStyle, Value, &TDropDownCalendar::SetDayBorderStyle);
}

void TCalendarOptions::SetDayColor(TColor Value) {
  Forward(FDayColor, Value, &TDropDownCalendar::SetDayColor);
}

void TCalendarOptions::SetDayFont(const TFont* Value) {
  FDayFont->Assign(Value);
  if (TDropDownCalendar* C = Calendar()) C->SetDayFont(FDayFont.get());
}

void TCalendarOptions::SetDayHeaderBevel(TPanelBevel Value) {
  Forward(FDayHeaderBevel, Value, &TDropDownCalendar::SetDayHeaderBevel);
}

void TCalendarOptions::SetDayHeaderBevelWidth(int Value) {
  Forward(FDayHeaderBevelWidth, Value, &TDropDownCalendar::SetDayHeaderBevelWidth);
}

void TCalendarOptions::SetDayHeaderColor(TColor Value) {
  Forward(FDayHeaderColor, Value, &TDropDownCalendar::SetDayHeaderColor);
}

void TCalendarOptions::SetDayHeaderFont(const TFont* Value) {
  FDayHeaderFont->Assign(Value);
  if (TDropDownCalendar* C = Calendar()) C->SetDayHeaderFont(FDayHeaderFont.get());
}

void TCalendarOptions::SetMonthBevel(TPanelBevel Value) {
  Forward(FMonthBevel, Value, &TDropDownCalendar::SetMonthBevel);
}

void TCalendarOptions::SetMonthBevelWidth(int Value) {
  Forward(FMonthBevelWidth, Value, &TDropDownCalendar::SetMonthBevelWidth);
}

void TCalendarOptions::SetNonMonthDays(bool Value) {
  Forward(FNonMonthDays, Value, &TDropDownCalendar::SetNonMonthDays);
}

void TCalendarOptions::SetNonMonthDaysBevel(TPanelBevel Value) {
  Forward(FNonMonthDaysBevel, Value, &TDropDownCalendar::SetNonMonthDaysBevel);
}

void TCalendarOptions::SetNonMonthDaysBevelWidth(int Value) {
  Forward(FNonMonthDaysBevelWidth, Value, &TDropDownCalendar::SetNonMonthDaysBevelWidth);
}

void TCalendarOptions::SetNonMonthDaysColorBK(TColor Value) {
  Forward(FNonMonthDaysColorBK, Value, &TDropDownCalendar::SetNonMonthDaysColorBK);
}

void TCalendarOptions::SetNonMonthDaysColorText(TColor Value) {
  Forward(FNonMonthDaysColorText, Value, &TDropDownCalendar::SetNonMonthDaysColorText);
}

void TCalendarOptions::SetSaturdayTextColor(TColor Value) {
  Forward(FSaturdayTextColor, Value, &TDropDownCalendar::SetSaturdayTextColor);
}

void TCalendarOptions::SetSelectedDayBevel(TPanelBevel Value) {
  Forward(FSelectedDayBevel, Value, &TDropDownCalendar::SetSelectedDayBevel);
}

void TCalendarOptions::SetSelectedDayBevelWidth(int Value) {
  Forward(FSelectedDayBevelWidth, Value, &TDropDownCalendar::SetSelectedDayBevelWidth);
}

void TCalendarOptions::SetSelectedDayBorderStyle(TBorderStyle Value) {
  Forward(FSelectedDayBorderStyle, Value, &TDropDownCalendar::SetSelectedDayBorderStyle);
}

void TCalendarOptions::SetSelectedDayColor(TColor Value) {
  Forward(FSelectedDayColor, Value, &TDropDownCalendar::SetSelectedDayColor);
}

void TCalendarOptions::SetSelectedDayFont(const TFont* Value) {
  FSelectedDayFont->Assign(Value);
  if (TDropDownCalendar* C = Calendar()) C->SetSelectedDayFont(FSelectedDayFont.get());
}

void TCalendarOptions::SetShowMonthButtons(bool Value) {
  Forward(FShowMonthButtons, Value, &TDropDownCalendar::SetShowMonthButtons);
}

void TCalendarOptions::SetShowYearButtons(bool Value) {
  Forward(FShowYearButtons, Value, &TDropDownCalendar::SetShowYearButtons);
}

void TCalendarOptions::SetStartOfWeek(TStartOfWeek Value) {
  Forward(FStartOfWeek, Value, &TDropDownCalendar::SetStartOfWeek);
}

void TCalendarOptions::SetSundayTextColor(TColor Value) {
  Forward(FSundayTextColor, Value, &TDropDownCalendar::SetSundayTextColor);
}

void TCalendarOptions::FontChanged(TObject*) {
  FParentFont = false;
}

void TCalendarOptions::SetParentColor(bool Value) {
  if (Value) FColor = FOwner->Color();
  if (TDropDownCalendar* C = Calendar()) {
    C->SetParentColor(Value);
    if (Value) C->SetColor(FOwner->Color());
  }
  FParentColor = Value;
}

void TCalendarOptions::SetParentCtl3D(bool Value) {
  if (Value) FCtl3D = FOwner->Ctl3D();
  if (TDropDownCalendar* C = Calendar()) {
    C->SetBevelInner(FCtl3D ? bvRaised : bvNone);
    C->SetBevelOuter(FCtl3D ? bvRaised : bvNone);
  }
  FParentCtl3D = Value;
}

void TCalendarOptions::CopyOwnerFonts(TFont& Day, TFont& Date, TFont& DayHeader,
                                      TFont& SelectedDay) const {
  for (TFont* Font : {&Day, &Date, &DayHeader, &SelectedDay}) Font->Assign(FOwner->Font());
  DayHeader.SetStyle({fsBold});
  SelectedDay.SetColor(clWhite);
}

void TCalendarOptions::SetParentFont(bool Value) {
  if (Value) CopyOwnerFonts(*FDayFont, *FDateFont, *FDayHeaderFont, *FSelectedDayFont);
  if (TDropDownCalendar* C = Calendar()) {
    C->SetParentFont(Value);
    if (Value) {
      C->SetDayFont(FOwner->Font());
      C->SetDateFont(FOwner->Font());
      C->SetDayHeaderFont(FOwner->Font());
      C->SetSelectedDayFont(FOwner->Font());
      C->DayHeaderFont()->SetStyle({fsBold});
      C->SelectedDayFont()->SetColor(clWhite);
    }
  }
  FParentFont = Value;
}

void TCalendarOptions::InitDropDownCalendar() {
  TDropDownCalendar* C = Calendar();
  if (!C) return;
  C->SetDay(FOwner->Day());
  C->SetMonth(FOwner->Month());
  C->SetYear(FOwner->Year());
  C->SetCtl3D(FCtl3D);
  C->SetCustomDateFormat(FCustomDateFormat);
  C->SetDateFormat(FDateFormat);
  C->SetDateFont(FDateFont.get());
  C->SetDayBevel(FDayBevel);
  C->SetDayBevelWidth(FDayBevelWidth);
  C->SetDayBorderStyle(FDayBorderStyle);
  C->SetDayColor(FDayColor);
  C->SetDayFont(FDayFont.get());
  C->SetDayHeaderBevel(FDayHeaderBevel);
  C->SetDayHeaderBevelWidth(FDayHeaderBevelWidth);
  C->SetDayHeaderColor(FDayHeaderColor);
  C->SetDayHeaderFont(FDayHeaderFont.get());
  C->SetColor(FColor);
  C->SetCursor(FCursor);
  C->SetMonthBevel(FMonthBevel);
  C->SetMonthBevelWidth(FMonthBevelWidth);
  C->SetNonMonthDays(FNonMonthDays);
  C->SetNonMonthDaysBevel(FNonMonthDaysBevel);
  C->SetNonMonthDaysBevelWidth(FNonMonthDaysBevelWidth);
  C->SetNonMonthDaysColorBK(FNonMonthDaysColorBK);
  C->SetNonMonthDaysColorText(FNonMonthDaysColorText);
  C->SetSaturdayTextColor(FSaturdayTextColor);
  C->SetSelectedDayBevel(FSelectedDayBevel);
  C->SetSelectedDayBevelWidth(FSelectedDayBevelWidth);
  C->SetSelectedDayBorderStyle(FSelectedDayBorderStyle);
  C->SetSelectedDayColor(FSelectedDayColor);
  C->SetSelectedDayFont(FSelectedDayFont.get());
  C->SetShowMonthButtons(FShowMonthButtons);
  C->SetShowYearButtons(FShowYearButtons);
  C->SetStartOfWeek(FStartOfWeek);
  C->SetSundayTextColor(FSundayTextColor);
  SetParentColor(FParentColor);
  SetParentCtl3D(FParentCtl3D);
  SetParentFont(FParentFont);
}

}  // namespace tarvex
