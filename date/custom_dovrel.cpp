#include "date/custom_dovrel.h"

#include <cmath>

#include "date/calendar_options.h"
#include "date/date_utils.h"
#include "date/drop_down_calendar.h"
#include "date/format_cells.h"
#include "framework/classes/type_info.h"
#include "framework/controls/custom_grid.h"
#include "framework/rtl/format_settings.h"
#include "framework/rtl/guards.h"
#include "framework/win/painting.h"
#include "framework/win/system_metrics.h"
#include "framework/win/window_position.h"

namespace tarvex {

using namespace framework;

const std::array<Word, 12> MonthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

namespace {

// Re-encodes the date when the parts with the new one are valid; an encoding error keeps it.
void Reencode(TDateTime& Date, Word Year, Word Month, Word Day) {
  if (!IsValidDate(Year, Month, Day)) return;
  try {
    Date = EncodeDateKeepTime(Year, Month, Day, Date);
  } catch (const Exception&) {
  }
}

}  // namespace

const TClass& TCustomDovrel::StaticClass() {
  return TClass::Describe<TCustomDovrel>("TCustomDovrel");
}

TCustomDovrel::TCustomDovrel(TComponent* AOwner) : TCustomEdit(AOwner) {
  FChangeEnabled = true;
  FButtonPressed = false;
  FButtonWidth = GetSystemMetrics(SM_CXVSCROLL);
  FTracking = false;
  FCanvas = std::make_unique<TCanvas>();
  FButtonBitmap = std::make_unique<TBitmap>();
  FButtonBitmap->LoadFromResourceName("DovrelCalendar");
  FButtonCursor = crDefault;
  FButtonDisplay = bdAlways;
  FButtonStyle = bsCalendar;
  FCanBeBlank = false;
  FDisplayFormat = dfEditFormat;
  FEditFormat = efWindowsShort;
  FCurrentFormat = FormatSettings().ShortDateFormat;
  FEditing = false;
  FCalendar = nullptr;
  FCalendarOptions = std::make_unique<TCalendarOptions>(this);
  SetIsBlank(true);
  FEditingEnabled = true;
}

// The window goes while the whole control still stands: its last messages pass through the
// control's own window procedure.
TCustomDovrel::~TCustomDovrel() {
  FCalendarOptions.reset();
  delete FCalendar;
  delete FClosedCalendar;
  DestroyHandle();
}

void TCustomDovrel::Loaded() {
  TCustomEdit::Loaded();
  SetIsBlank(true);
  std::string Format;
  GetCustomDisplayFormat(Format);
  SetCurrentFormat(Format);
  if (!ComponentState().Empty()) SetText(Name());
  FEditing = false;
}

void TCustomDovrel::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomEdit::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FCalendar) FCalendar = nullptr;
  if (AComponent == FClosedCalendar) FClosedCalendar = nullptr;
}

bool TCustomDovrel::ParentIsGrid() const {
  return Parent() && Parent()->InheritsFrom(TCustomGrid::StaticClass());
}

void TCustomDovrel::GetCustomEditFormat(std::string& S) const {
  switch (FEditFormat) {
    case efWindowsLong: S = FormatSettings().LongDateFormat; return;
    case efWindowsShort: S = FormatSettings().ShortDateFormat; return;
    case efCustom: S = FCustomEditFormat; return;
  }
}

void TCustomDovrel::GetCustomDisplayFormat(std::string& S) const {
  switch (FDisplayFormat) {
    case dfEditFormat: GetCustomEditFormat(S); return;
    case dfWindowsLong: S = FormatSettings().LongDateFormat; return;
    case dfWindowsShort: S = FormatSettings().ShortDateFormat; return;
    case dfCustom: S = FCustomDisplayFormat; return;
  }
}

std::string TCustomDovrel::CustomDisplayFormat() const {
  std::string S;
  GetCustomDisplayFormat(S);
  return S;
}

std::string TCustomDovrel::CustomEditFormat() const {
  std::string S;
  GetCustomEditFormat(S);
  return S;
}

void TCustomDovrel::SetCustomDisplayFormat(const std::string& S) {
  FCustomDisplayFormat = S;
  if (!ComponentState().Contains(csLoading)) SetDisplayFormat(dfCustom);
}

void TCustomDovrel::SetCustomEditFormat(const std::string& S) {
  FCustomEditFormat = S;
  if (!ComponentState().Contains(csLoading)) SetEditFormat(efCustom);
}

void TCustomDovrel::SetDisplayFormat(TDisplayFormat Value) {
  FDisplayFormat = Value;
  if (IsLoadingOrDesigning() || !Focused()) SetCurrentFormat(CustomDisplayFormat());
}

void TCustomDovrel::SetEditFormat(TEditFormat Value) {
  FEditFormat = Value;
  if (!IsLoadingOrDesigning() && Focused())
    SetCurrentFormat(CustomEditFormat());
  else if (FDisplayFormat == dfEditFormat && (IsLoadingOrDesigning() || !Focused()))
    SetCurrentFormat(CustomDisplayFormat());
}

void TCustomDovrel::SetCurrentFormat(const std::string& Format) {
  const Word M = FMonth, D = FDay, Y = FYear;
  FCurrentFormat = Format;
  if (FIsBlank) return;
  const bool ChangeWasEnabled = FChangeEnabled;
  {
    TFlagGuard ChangeOff(FChangeEnabled, false);
    SetText("");
    TFlagGuard EditingOff(FEditingEnabled, false);
    SetMonth(M);
    SetDay(D);
    SetYear(Y);
  }
  if (ChangeWasEnabled) Change();
}

void TCustomDovrel::SetDay(Word Value) {
  if (Value <= 31) SetPart(&TCustomDovrel::SetDayLow, Value);
}

void TCustomDovrel::SetMonth(Word Value) {
  if (Value <= 12) SetPart(&TCustomDovrel::SetMonthLow, Value);
}

void TCustomDovrel::SetYear(Word Value) {
  SetPart(&TCustomDovrel::SetYearLow, Value);
}

// One part through its low setter, the whole text rewritten and selected.
void TCustomDovrel::SetPart(TLowSetter Low, Word Value) {
  std::string S = Text();
  (this->*Low)(S, FCurrentFormat, Value);
  SetText(S);
  SelectAll();
  SetEditing(true);
  FIsBlank = false;
}

void TCustomDovrel::SetDayLow(std::string& Text, const std::string& Format, Word Day) {
  if (Day > 31) return;
  Reencode(FDate, FYear, FMonth, Day);
  FDay = Day;
  SetDayCell(Text, Format, Day);
  if (FCalendar) FCalendar->SetDay(Day);
}

void TCustomDovrel::SetMonthLow(std::string& Text, const std::string& Format, Word Month) {
  if (Month > 12) return;
  Reencode(FDate, FYear, Month, FDay);
  FMonth = Month;
  SetMonthCell(Text, Format, Month);
  if (FCalendar) FCalendar->SetMonth(Month);
}

void TCustomDovrel::SetYearLow(std::string& Text, const std::string& Format, Word Year) {
  Reencode(FDate, Year, FMonth, FDay);
  FYear = Year;
  SetYearCell(Text, Format, Year);
  if (FCalendar) FCalendar->SetYear(Year);
}

void TCustomDovrel::SetDate(TDateTime Value) {
  FDate = Value;
  Word Y, M, D;
  DecodeDate(Value, Y, M, D);
  SetYear(Y);
  SetMonth(M);
  SetDay(D);
}

void TCustomDovrel::SetIsBlank(bool Value) {
  FIsBlank = Value;
  if (Value) ClearDate();
  SetEditing(true);
}

void TCustomDovrel::ClearDate() {
  FDate = std::fabs(FDate - std::trunc(FDate));
  FHasMonthCell = FHasDayCell = FHasYearCell = false;
  const std::string Format = CustomEditFormat();
  for (int Cell = 1; Cell <= _GetTotalCells(Format); ++Cell) {
    const TCellType Type = _GetCellType(Cell, Format);
    if (Type >= ctM && Type <= ctMMMM) FHasMonthCell = true;
    if (Type >= ctD && Type <= ctDDDD) FHasDayCell = true;
    if (Type == ctYY || Type == ctYYYY) FHasYearCell = true;
  }
  const TDateTime Today = framework::Date();
  FMonth = FHasMonthCell ? 0 : FMonth ? FMonth : ReturnMonth(Today);
  FDay = FHasDayCell ? 0 : FDay ? FDay : 1;
  FYear = FHasYearCell ? 0 : FYear ? FYear : ReturnYear(Today);
  FIsBlank = true;
  SetText("");
}

void TCustomDovrel::Change() {
  if (!ComponentState().Empty() || !FChangeEnabled) return;
  const std::string Now = Text();
  if (Now != FLastText) TCustomEdit::Change();
  FLastText = Now;
}

void TCustomDovrel::SetEditing(bool Value) {
  if (FEditingEnabled) FEditing = Value;
}

void TCustomDovrel::InitControl() {
  FChangeEnabled = true;
  FEditing = false;
  if (FRefocusing) return;
  FSavedMonth = FMonth;
  FSavedDay = FDay;
  FSavedYear = FYear;
  FSavedIsBlank = FIsBlank;
}

void TCustomDovrel::CMEnter(TMessage& Message) {
  InitControl();
  if (FAutoDropDown == adFocused) DropDown(dsFocused);
  SetButtonDisplay(FButtonDisplay);
  SetCurrentFormat(CustomEditFormat());
  SetCurrentCell(1);
  SetFocused(true);
  TCustomEdit::WndProc(Message);
}

void TCustomDovrel::CMExit(TMessage&) {
  DoExitChecking();
  DoDefaultExit();
  FEditing = false;
}

TBadDateAction TCustomDovrel::DoExitChecking() {
  if (FButtonDisplay == bdFocused) {
    SetButtonDisplay(bdNever);
    FButtonDisplay = bdFocused;
  }
  TBadDateAction Action = daContinue;
  if (Text().empty() && FCanBeBlank) return Action;
  if (IsValidDate(FYear, FMonth, FDay)) return Action;
  DoOnBadDate(Action);
  if (Action == daAbort) {
    TFlagGuard Refocusing(FRefocusing, true);
    SetFocus();
  } else if (!IsValidDate(FYear, FMonth, FDay)) {
    UndoChanges();
  }
  return Action;
}

void TCustomDovrel::DoDefaultExit() {
  SetFocused(false);
  TMessage Exit{CM_EXIT, 0, 0, 0};
  TCustomEdit::WndProc(Exit);
  SetCurrentFormat(CustomDisplayFormat());
  SetCurrentCell(-1);
  if (ParentIsGrid() && HandleAllocated()) {
    SetWindowPos(Handle(), HWND(), 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    SetVisible(false);
  }
}

void TCustomDovrel::DoOnBadDate(TBadDateAction& Action) {
  if (OnBadDate) OnBadDate(this, Action);
}

void TCustomDovrel::UndoChanges() {
  {
    TFlagGuard EditingOff(FEditingEnabled, false);
    SetIsBlank(FSavedIsBlank);
    if (!FIsBlank) {
      SetMonth(FSavedMonth);
      SetDay(FSavedDay);
      SetYear(FSavedYear);
    }
  }
  SelectAll();
}

void TCustomDovrel::SetReadOnly(bool Value) {
  FReadOnly = Value;
  if (HandleAllocated()) InvalidateRect(Handle(), &FEditRect, false);
}

// In a grid the grid's editing right counts too: its goEditing option and a published Boolean
// "ReadOnly", when its class has one.
bool TCustomDovrel::CanModify() {
  if (!ParentIsGrid()) return !FReadOnly;
  auto* Grid = static_cast<TCustomGrid*>(Parent());
  const TPropInfo* ReadOnly = GetPropInfo(Grid, "ReadOnly");
  const bool GridReadOnly =
      ReadOnly && &ReadOnly->PropType() == &TypeInfo<bool>() && GetOrdProp(Grid, ReadOnly);
  return !FReadOnly && !GridReadOnly && Grid->Options().Contains(goEditing);
}

void TCustomDovrel::FloatOverGrid(const TRect& R, bool Focus) {
  SetWidth(R.Width());
  SetHeight(R.Height());
  SetTop(R.Top);
  SetLeft(R.Left);
  SetVisible(true);
  BringToFront();
  if (Focus && !Focused()) SetFocus();
}

int TCustomDovrel::GetNumCells() const {
  return _GetTotalCells(Text());
}

TCellType TCustomDovrel::GetCellTypes(int Index) const {
  if (Index < 1 || Index > GetNumCells()) return ctUnknown;
  return _GetCellType(Index, FCurrentFormat);
}

std::string TCustomDovrel::GetCellValues(int Index) const {
  std::string Value;
  if (Index >= 1 && Index <= GetNumCells()) _GetCellValue(Index, Text(), Value);
  return Value;
}

void TCustomDovrel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_ENTER: return CMEnter(Message);
    case CM_EXIT: return CMExit(Message);
    case WM_GETDLGCODE: return WMGetDlgCode(Message);
    case WM_PAINT: return WMPaint(Message);
    case WM_ERASEBKGND: return WMEraseBkgnd(Message);
    case WM_SIZE: return WMSize(Message);
    case WM_SETCURSOR: return WMSetCursor(Message);
    case WM_LBUTTONDOWN: return WMLButtonDown(Message);
    case WM_LBUTTONDBLCLK: return WMLButtonDblClk(Message);
    case WM_MOUSEMOVE: return WMMouseMove(Message);
    case WM_LBUTTONUP: return WMLButtonUp(Message);
    case WM_KILLFOCUS: return WMKillFocus(Message);
    case CM_CANCELMODE: return CMCancelMode(Message);
    case CM_ENABLEDCHANGED: return CMEnabledChanged(Message);
    case CM_FONTCHANGED: return CMFontChanged(Message);
    case CM_COLORCHANGED: return CMColorChanged(Message);
    case CM_CTL3DCHANGED: return CMCtl3DChanged(Message);
    default: return TCustomEdit::WndProc(Message);
  }
}

}  // namespace tarvex
