#include <algorithm>
#include <span>

#include "date/custom_dovrel.h"
#include "date/date_utils.h"
#include "date/drop_down_calendar.h"
#include "date/format_cells.h"
#include "framework/controls/custom_form.h"
#include "framework/rtl/format_settings.h"
#include "framework/rtl/guards.h"
#include "framework/rtl/string_functions.h"
#include "framework/win/keyboard.h"
#include "framework/win/system_metrics.h"

namespace tarvex {

using namespace framework;

namespace {

// The names a name cell takes, in calendar order (January, Sunday first); empty for other cells.
std::span<const std::string> NamesOf(TCellType Type) {
  const TFormatSettings& F = FormatSettings();
  switch (Type) {
    case ctMMM: return F.ShortMonthNames;
    case ctMMMM: return F.LongMonthNames;
    case ctDDD: return F.ShortDayNames;
    case ctDDDD: return F.LongDayNames;
    default: return {};
  }
}

void Beep() {
  MessageBeep(0);
}

bool HasSeparator(const std::string& S) {
  return std::any_of(S.begin(), S.end(), _IsValidSeparator);
}

}  // namespace

int TCustomDovrel::GetTotalCells(const std::string& Text) const {
  return _GetTotalCells(Text);
}

int TCustomDovrel::GetCellNumber(const std::string& Text, int Position) const {
  return _GetCellNumber(Text, Position);
}

void TCustomDovrel::GetCellValue(int Cell, const std::string& Text, std::string& Value) const {
  _GetCellValue(Cell, Text, Value);
}

TCellType TCustomDovrel::GetCellType(int Cell, const std::string& Format) const {
  return _GetCellType(Cell, Format);
}

int TCustomDovrel::GetCellStart(int Cell, const std::string& Text) const {
  return _GetCellStart(Cell, Text);
}

int TCustomDovrel::GetCellEnd(int Cell, const std::string& Text) const {
  return _GetCellEnd(Cell, Text);
}

void TCustomDovrel::GetSeparator(int Cell, const std::string& S, std::string& Separator) const {
  _GetSeparator(Cell, S, Separator);
}

bool TCustomDovrel::IsValidSeparator(char Ch) const {
  return _IsValidSeparator(Ch);
}

void TCustomDovrel::AdvanceToNextCell(int Cell, std::string& Text, int& SelStart, int& SelLength,
                                      const std::string& Format) const {
  _AdvanceToNextCell(Cell, Text, SelStart, SelLength, Format);
}

void TCustomDovrel::CopyFormat(std::string& Text, const std::string& Format) const {
  _CopyFormat(Text, Format, FYear, FMonth, FDay);
}

void TCustomDovrel::SetMonthCell(std::string& Text, const std::string& Format, Word Month) const {
  _SetMonthCell(Text, Format, FEditCell, FYear, Month, FDay);
  _ResetDayNameCell(Text, Format, FEditCell, FYear, Month, FDay);
}

void TCustomDovrel::SetDayCell(std::string& Text, const std::string& Format, Word Day) const {
  _SetDayCell(Text, Format, FEditCell, FYear, FMonth, Day);
  _ResetDayNameCell(Text, Format, FEditCell, FYear, FMonth, Day);
}

void TCustomDovrel::SetYearCell(std::string& Text, const std::string& Format, Word Year) const {
  _SetYearCell(Text, Format, FEditCell, Year, FMonth, FDay);
  _ResetDayNameCell(Text, Format, FEditCell, Year, FMonth, FDay);
}

void TCustomDovrel::SetDayNameCell(std::string& Text, const std::string& Format, Word DayOfWeek) {
  Word Y = FYear, M = FMonth, D = FDay;
  if (!_SetDayNameCell(Text, Format, DayOfWeek, FEditCell, Y, M, D)) return;
  SetYearLow(Text, Format, Y);
  SetMonthLow(Text, Format, M);
  SetDayLow(Text, Format, D);
}

Word TCustomDovrel::GetCell(int Cell, TCellType CellType, const std::string& Text) const {
  std::string Value;
  _GetCellValue(Cell, Text, Value);
  switch (CellType) {
    case ctM:
    case ctMM:
    case ctD:
    case ctDD: return Word(StrToIntDef(Value, 0));
    case ctYY:
    case ctYYYY: {
      // An empty cell (a separator typed before any digit) is no year, not the century's first.
      if (Value.empty()) return 0;
      const int Year = StrToIntDef(Value, 0);
      return Word(Year < 100 ? Year + ReturnCentury(framework::Date()) * 100 : Year);
    }
    case ctUnknown: return 0;
    default: {
      Word Found = 0;
      const auto Names = NamesOf(CellType);
      for (size_t I = 0; I < Names.size(); ++I)
        if (AnsiCompareText(Names[I], Value) == 0) Found = Word(I + 1);
      return Found;
    }
  }
}

int TCustomDovrel::GetCurrentCell() const {
  if (!Focused() || HasSeparator(SelText())) return -1;
  return _GetCellNumber(Text(), SelStart() + 1);
}

void TCustomDovrel::SetCurrentCell(int Cell) {
  const std::string S = Text();
  const int Length = int(S.size());
  if (Cell == -1) {
    SetSelStart(Length);
    SetSelLength(-Length);
    return;
  }
  const int Cells = _GetTotalCells(S);
  if (Cell == 0) Cell = Cells;
  if (Cell > Cells) Cell = 1;
  const int Start = _GetCellStart(Cell, S), End = _GetCellEnd(Cell, S);
  SetSelStart(End);
  SetSelLength(Start - End - 1);
}

void TCustomDovrel::InsertCellData(const std::string& Data, std::string& Text, int& SelStart,
                                   int& SelLength) const {
  Text.erase(size_t(std::min(SelStart, int(Text.size()))), size_t(std::max(SelLength, 0)));
  Text.insert(size_t(std::min(SelStart, int(Text.size()))), Data);
  ++SelStart;
  const int Cell = _GetCellNumber(Text, SelStart);
  std::string Value;
  _GetCellValue(Cell, Text, Value);
  const int Start = _GetCellStart(Cell, Text);
  const std::string Typed = Value.substr(0, size_t(std::max(SelStart - Start + 1, 0)));
  for (const std::string& Name : NamesOf(_GetCellType(Cell, FCurrentFormat))) {
    if (Name.size() < Typed.size() || AnsiCompareText(Name.substr(0, Typed.size()), Typed) != 0)
      continue;
    Text.replace(size_t(Start - 1), Value.size(), Name);
    return;
  }
}

void TCustomDovrel::SetNewText(const std::string& NewText, int SelStart) {
  std::string Text = NewText;
  const int Cell = _GetCellNumber(Text, SelStart + 1);
  const TCellType Type = _GetCellType(Cell, FCurrentFormat);
  const int Start = _GetCellStart(Cell, Text);
  {
    TScopeExit EndEdit([this] { FEditCell = 0; });
    FEditCell = Cell;
    const Word Value = GetCell(Cell, Type, Text);
    if (Type >= ctM && Type <= ctMMMM) SetMonthLow(Text, FCurrentFormat, Value);
    if (Type == ctD || Type == ctDD) SetDayLow(Text, FCurrentFormat, Value);
    if (Type == ctDDD || Type == ctDDDD) SetDayNameCell(Text, FCurrentFormat, Value);
    if (Type == ctYY || Type == ctYYYY) SetYearLow(Text, FCurrentFormat, Value);
  }
  SetText(Text);
  const int Caret = _GetCellStart(Cell, Text) + SelStart - Start;
  const int Length = int(Text.size()) < Caret + 1 ? 0 : _GetCellEnd(Cell, Text) - Caret;
  SetSelStart(Caret + Length);
  SetSelLength(-Length);
  Perform(EM_SCROLLCARET);
}

bool TCustomDovrel::IsValidInteger(const std::string& Value) const {
  return !Value.empty() &&
         std::all_of(Value.begin(), Value.end(), [](char Ch) { return Ch >= '0' && Ch <= '9'; });
}

bool TCustomDovrel::IsZeroOK(const std::string& Value, TCellType CellType) const {
  const bool Numeric = CellType == ctM || CellType == ctMM || CellType == ctD || CellType == ctDD ||
                       CellType == ctYY || CellType == ctYYYY;
  return Numeric && Value == "0";
}

bool TCustomDovrel::IsValidCellData(const std::string& Value, TCellType CellType) const {
  const auto NumberIn = [&](int Low, int High) {
    if (!IsValidInteger(Value) || Value.size() > 2) return false;
    const int N = StrToInt(Value);
    return N >= Low && N <= High;
  };
  switch (CellType) {
    case ctM:
    case ctMM: return NumberIn(1, 12);
    case ctD:
    case ctDD: return NumberIn(1, 31);
    case ctYY:
    case ctYYYY: return IsValidInteger(Value) && Value.size() <= 4;
    case ctUnknown: return false;
    default: {
      const auto Names = NamesOf(CellType);
      return std::any_of(Names.begin(), Names.end(), [&](const std::string& Name) {
        return AnsiCompareText(Name, Value) == 0;
      });
    }
  }
}

bool TCustomDovrel::IsValidMonth(Word Month, Word Day, Word Year) const {
  if (Month < 1 || Month > 12) return false;
  if (Day == 0) return true;
  return Day <= (Year == 0 ? MonthDays[Month - 1] : DaysInMonthAndYear(Month, Year));
}

bool TCustomDovrel::IsValidDay(Word Month, Word Day, Word Year) const {
  if (Day < 1 || Day > 31) return false;
  if (Month == 0) return true;
  return Day <= (Year == 0 ? MonthDays[Month - 1] : DaysInMonthAndYear(Month, Year));
}

bool TCustomDovrel::IsValidYear(Word Month, Word Day, Word Year) const {
  if (Month == 0 || Day == 0) return true;
  return Day <= DaysInMonthAndYear(Month, Year);
}

void TCustomDovrel::PassKeyToGrid(Word Key) {
  auto* Grid = static_cast<TWinControl*>(Parent());
  Grid->SetFocus();
  SendMessage(Grid->Handle(), WM_KEYDOWN, Key, 0);
}

void TCustomDovrel::KeyDown(Word& Key, TShiftState Shift) {
  TCustomEdit::KeyDown(Key, Shift);
  switch (Key) {
    case 0: return;
    case VK_TAB:
      if (!Shift.Contains(ssAlt) && ParentIsGrid()) {
        PassKeyToGrid(VK_TAB);
        Key = 0;
      }
      return;
    case VK_LEFT:
    case VK_RIGHT:
      if (Shift.Contains(ssShift)) break;
      SetCurrentCell(_GetCellNumber(Text(), SelStart() + 1) + (Key == VK_LEFT ? -1 : 1));
      Key = 0;
      return;
    case VK_DELETE: return KeyDownDelete(Key);
    default: break;
  }
  if (!CanModify()) Key = 0;
}

void TCustomDovrel::KeyDownDelete(Word& Key) {
  Key = 0;
  if (!CanModify()) return;
  const std::string S = Text();
  if (SelLength() == int(S.size()) && FCanBeBlank) {
    SetIsBlank(true);
    SetText("");
    Change();
    if (FAutoDropDown == adChanged) DropDown(dsChanged);
    return;
  }
  if (GetCurrentCell() <= 0) return Beep();
  std::string T = S;
  const int SS = SelStart(), SL = SelLength();
  T.erase(size_t(SS), size_t(SL > 0 ? SL : 1));
  const int Cell = _GetCellNumber(T, SS + 1);
  std::string Value;
  _GetCellValue(Cell, T, Value);
  if (!IsValidCellData(Value, _GetCellType(Cell, FCurrentFormat))) return Beep();
  SetNewText(T, SS);
  SetEditing(true);
  SetIsBlank(false);
  if (FAutoDropDown == adChanged) DropDown(dsChanged);
}

void TCustomDovrel::PassEscape() {
  if (ParentIsGrid()) {
    auto* Grid = static_cast<TWinControl*>(Parent());
    SendMessage(Grid->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    Grid->SetFocus();
  } else if (TCustomForm* Form = GetParentForm(this)) {
    Form->Perform(CM_DIALOGKEY, VK_ESCAPE);
  }
}

void TCustomDovrel::KeyPress(char& Key) {
  TCustomEdit::KeyPress(Key);
  const bool CalendarOpen = FCalendar && FCalendar->Visible();
  switch (uint8_t(Key)) {
    case 0: return;
    case '\r':
      if (CalendarOpen)
        CloseUp();
      else if (TCustomForm* Form = GetParentForm(this))
        Form->Perform(CM_DIALOGKEY, VK_RETURN);
      Key = 0;
      return;
    case 27:
      if (CalendarOpen) {
        CloseUp();
      } else {
        if (!FEditing) PassEscape();
        UndoChanges();
      }
      Key = 0;
      return;
    case '\b':
      SetCurrentCell(_GetCellNumber(Text(), SelStart() + 1) - 1);
      Key = 0;
      return;
    case '\t': Key = 0; return;
    default:
      if (uint8_t(Key) >= 32) KeyPressCharacter(Key);
      return;
  }
}

// Every printable key ends here: it is either accepted into the text or refused with a beep.
void TCustomDovrel::KeyPressCharacter(char& Key) {
  const char Ch = Key;
  Key = 0;
  if (!CanModify()) return;
  const std::string Before = Text();
  const std::string Selected = SelText();
  if (Selected.size() != Before.size() && HasSeparator(Selected)) return Beep();
  int SS = SelStart(), SL = SelLength();
  std::string T = Before;
  if (_IsValidSeparator(Ch)) {
    const int Cell = _GetCellNumber(T, SS + 1);
    std::string Separator;
    _GetSeparator(Cell, FCurrentFormat, Separator);
    if (Separator.find(Ch) == std::string::npos) return Beep();
    _AdvanceToNextCell(Cell, T, SS, SL, FCurrentFormat);
    AcceptTyped(T, SS);
    return;
  }
  InsertCellData(std::string(1, Ch), T, SS, SL);
  const int Cell = _GetCellNumber(T, SS + 1);
  std::string Value;
  _GetCellValue(Cell, T, Value);
  const TCellType Type = _GetCellType(Cell, FCurrentFormat);
  if (IsZeroOK(Value, Type) || IsValidCellData(Value, Type)) {
    AcceptTyped(T, SS);
    return;
  }
  T = Before;
  if (CarryIntoNextCell(Ch, T, SS, SL, Cell))
    AcceptTyped(T, SS);
  else
    Beep();
}

// The character did not fit its cell: it goes into the next one, when the cell it leaves is
// complete and the next cell takes it.
bool TCustomDovrel::CarryIntoNextCell(char Ch, std::string& Text, int& SelStart, int& SelLength,
                                      int Cell) {
  _AdvanceToNextCell(Cell, Text, SelStart, SelLength, FCurrentFormat);
  InsertCellData(std::string(1, Ch), Text, SelStart, SelLength);
  std::string Left;
  _GetCellValue(Cell, Text, Left);
  if (!IsValidCellData(Left, _GetCellType(Cell, FCurrentFormat))) return false;
  const int Next = _GetCellNumber(Text, SelStart + 1);
  std::string Value;
  _GetCellValue(Next, Text, Value);
  const TCellType Type = _GetCellType(Next, FCurrentFormat);
  if (IsZeroOK(Value, Type)) return true;
  if (Cell > Next) return false;
  return IsValidCellData(Value, Type);
}

void TCustomDovrel::AcceptTyped(const std::string& Text, int SelStart) {
  SetNewText(Text, SelStart);
  SetEditing(true);
  SetIsBlank(false);
  if (FAutoDropDown == adChanged) DropDown(dsChanged);
}

void TCustomDovrel::WMGetDlgCode(TMessage& Message) {
  TCustomEdit::WndProc(Message);
  Message.Result |= DLGC_WANTALLKEYS;
  if (ParentIsGrid()) Message.Result |= DLGC_WANTTAB;
}

}  // namespace tarvex
