#include "date/format_cells.h"

#include <algorithm>
#include <array>

#include "date/date_utils.h"
#include "framework/rtl/format_settings.h"
#include "framework/rtl/string_functions.h"

namespace tarvex {

namespace {

int Length(const std::string& S) {
  return int(S.size());
}

bool IsSeparatorAt(const std::string& S, int Position) {
  return _IsValidSeparator(S[Position - 1]);
}

// The characters at positions From..To that lie within S.
std::string Copy(const std::string& S, int From, int To) {
  To = std::min(To, Length(S));
  return From > To ? std::string() : S.substr(From - 1, To - From + 1);
}

char UpCase(char Ch) {
  return Ch >= 'a' && Ch <= 'z' ? char(Ch - 'a' + 'A') : Ch;
}

// The weekday of Year-Month-Day (1 = Sunday), or 0 when the framework cannot hold that date.
Word DayOfWeekOf(Word Year, Word Month, Word Day) {
  TDateTime Date;
  if (!IsValidDate(Year, Month, Day) || !framework::TryEncodeDate(Year, Month, Day, Date)) return 0;
  return framework::DayOfWeek(Date);
}

template <size_t N>
std::string NameOf(const std::array<std::string, N>& Names, Word Value, const char* Unknown) {
  return Value >= 1 && Value <= N ? Names[Value - 1] : Unknown;
}

std::string CellText(TCellType CellType, Word Value) {
  const framework::TFormatSettings& Settings = framework::FormatSettings();
  switch (CellType) {
    case ctM:
    case ctD: return framework::IntToStr(Value);
    case ctMM:
    case ctDD: return framework::Format("%.2d", Value);
    case ctMMM: return NameOf(Settings.ShortMonthNames, Value, "UKN");
    case ctMMMM: return NameOf(Settings.LongMonthNames, Value, "Unknown");
    case ctDDD: return NameOf(Settings.ShortDayNames, Value, "UKN");
    case ctDDDD: return NameOf(Settings.LongDayNames, Value, "Unknown");
    case ctYY: return framework::Format("%.2d", Value - 100 * ReturnCenturyOfYear(Value));
    case ctYYYY: return framework::Format("%.4d", Value);
    case ctUnknown: break;
  }
  return std::string();
}

// The part of the date that a cell of type CellType shows.
Word PartValue(TCellType CellType, Word Year, Word Month, Word Day) {
  switch (CellType) {
    case ctM:
    case ctMM:
    case ctMMM:
    case ctMMMM: return Month;
    case ctD:
    case ctDD: return Day;
    case ctDDD:
    case ctDDDD: return DayOfWeekOf(Year, Month, Day);
    case ctYY:
    case ctYYYY: return Year;
    case ctUnknown: break;
  }
  return 0;
}

// Writes Value into every cell of Format whose type lies in First..Last, except ExceptCell.
void SetPartCells(std::string& Text, const std::string& Format, int ExceptCell, TCellType First,
                  TCellType Last, Word Value, Word Year, Word Month, Word Day) {
  const int Cells = _GetTotalCells(Format);
  for (int Cell = 1; Cell <= Cells; ++Cell) {
    const TCellType CellType = _GetCellType(Cell, Format);
    if (Cell != ExceptCell && CellType >= First && CellType <= Last)
      _SetCell(Cell, CellType, Text, Format, Value, Year, Month, Day);
  }
}

// An empty cell between two separator runs reads as one longer run, so Text cannot hold the cells
// after an empty cell under their format numbers: appending them one by one would never get past
// it. They are built instead as a text of their own over the rest of the format and appended
// behind the separator that follows the empty cell.
void CompleteAfterEmptyCell(int Cell, std::string& Text, const std::string& Format, Word Year,
                            Word Month, Word Day) {
  if (Cell >= _GetTotalCells(Format)) return;
  int SelStart, SelLength;
  _AdvanceToNextCell(Cell, Text, SelStart, SelLength, Format);
  std::string Rest;
  _CopyFormat(Rest, Format.substr(_GetCellStart(Cell + 1, Format) - 1), Year, Month, Day);
  Text += Rest;
}

}  // namespace

bool _IsValidSeparator(char Ch) {
  const unsigned char Code = static_cast<unsigned char>(Ch);
  return Code >= 32 && Code <= 47;
}

// The last character is never examined: a separator run opens a cell only when it begins before
// the end of the string.
int _GetTotalCells(const std::string& S) {
  if (S.empty()) return 0;
  int Cells = 1;
  int Position = 1;
  while (Position < Length(S)) {
    if (IsSeparatorAt(S, Position)) {
      ++Cells;
      while (Position < Length(S) && IsSeparatorAt(S, Position)) ++Position;
    } else {
      ++Position;
    }
  }
  return Cells;
}

int _GetCellNumber(const std::string& S, int Position) {
  int Cell = 1;
  const int Last = std::min(Position - 1, Length(S));
  for (int P = 1; P <= Last; ++P)
    if (IsSeparatorAt(S, P) && (P == 1 || !IsSeparatorAt(S, P - 1))) ++Cell;
  return Cell;
}

int _GetCellStart(int Cell, const std::string& S) {
  int Position = 1;
  int Reached = 1;
  int LastStart = 1;
  while (Position <= Length(S) && Reached != Cell) {
    if (IsSeparatorAt(S, Position)) {
      ++Reached;
      while (Position <= Length(S) && IsSeparatorAt(S, Position)) ++Position;
      LastStart = Position;
    } else {
      ++Position;
    }
  }
  if (Reached == Cell) return Position;
  return Cell <= 0 ? LastStart : 1;
}

int _GetCellEnd(int Cell, const std::string& S) {
  int Position = _GetCellStart(Cell, S);
  while (Position < Length(S) && !IsSeparatorAt(S, Position)) ++Position;
  if (Position <= Length(S) && IsSeparatorAt(S, Position)) --Position;
  return Position;
}

void _GetCellValue(int Cell, const std::string& S, std::string& Value) {
  Value = Cell > _GetTotalCells(S) ? std::string()
                                   : Copy(S, _GetCellStart(Cell, S), _GetCellEnd(Cell, S));
}

TCellType _GetCellType(int Cell, const std::string& Format) {
  static constexpr TCellType MonthTypes[] = {ctM, ctMM, ctMMM, ctMMMM};
  static constexpr TCellType DayTypes[] = {ctD, ctDD, ctDDD, ctDDDD};
  static constexpr TCellType YearTypes[] = {ctYY, ctYY, ctYYYY, ctYYYY};
  std::string Value;
  _GetCellValue(Cell, Format, Value);
  if (Value.empty()) return ctUnknown;
  const char Letter = UpCase(Value[0]);
  size_t Run = 1;
  while (Run < Value.size() && Run < 4 && UpCase(Value[Run]) == Letter) ++Run;
  switch (Letter) {
    case 'M': return MonthTypes[Run - 1];
    case 'D': return DayTypes[Run - 1];
    case 'Y': return YearTypes[Run - 1];
    default: return ctUnknown;
  }
}

void _GetSeparator(int Cell, const std::string& S, std::string& Separator) {
  const int End = _GetCellEnd(Cell, S);
  const int NextStart = _GetCellStart(Cell + 1, S);
  Separator = End > NextStart ? std::string() : Copy(S, End + 1, NextStart - 1);
}

void _AdvanceToNextCell(int Cell, std::string& Text, int& SelStart, int& SelLength,
                        const std::string& Format) {
  std::string Separator;
  _GetSeparator(Cell, Format, Separator);
  const int End = _GetCellEnd(Cell, Text);
  const int NextStart = _GetCellStart(Cell + 1, Text);
  if (NextStart > End) Text.erase(End, NextStart - End - 1);
  // A cell that starts past the end of the text also ends there: its separator is appended.
  Text.insert(std::min(End, Length(Text)), Separator);

  const int Start = _GetCellStart(Cell + 1, Text);
  SelStart = Start > 1 ? Start - 1 : Length(Text);
  // When the next cell wrapped to the first one, the caret stays at the end without a selection.
  SelLength = SelStart == Length(Text) ? 0 : _GetCellEnd(Cell + 1, Text) - SelStart;
}

void _SetCell(int Cell, TCellType CellType, std::string& Text, const std::string& Format,
              Word Value, Word Year, Word Month, Word Day) {
  if (Cell > _GetTotalCells(Text) + 1) _CopyFormat(Text, Format, Year, Month, Day);
  const int Cells = _GetTotalCells(Text);
  if (Cell > Cells + 1) return;
  if (Cell != 1 && Cell == Cells + 1) {
    int SelStart, SelLength;
    _AdvanceToNextCell(Cell - 1, Text, SelStart, SelLength, Format);
  }
  std::string Current;
  _GetCellValue(Cell, Text, Current);
  Text.replace(_GetCellStart(Cell, Text) - 1, Current.size(), CellText(CellType, Value));
}

void _CopyFormat(std::string& Text, const std::string& Format, Word Year, Word Month, Word Day) {
  const int FormatCells = _GetTotalCells(Format);
  while (_GetTotalCells(Text) < FormatCells) {
    int SelStart, SelLength;
    _AdvanceToNextCell(_GetTotalCells(Text), Text, SelStart, SelLength, Format);
    const int Cell = _GetCellNumber(Text, SelStart + 1);
    const TCellType CellType = _GetCellType(Cell, Format);
    if (CellType == ctUnknown) return CompleteAfterEmptyCell(Cell, Text, Format, Year, Month, Day);
    _SetCell(Cell, CellType, Text, Format, PartValue(CellType, Year, Month, Day), Year, Month, Day);
  }
}

void _SetMonthCell(std::string& Text, const std::string& Format, int ExceptCell, Word Year,
                   Word Month, Word Day) {
  if (Month >= 1 && Month <= 12)
    SetPartCells(Text, Format, ExceptCell, ctM, ctMMMM, Month, Year, Month, Day);
}

void _SetDayCell(std::string& Text, const std::string& Format, int ExceptCell, Word Year,
                 Word Month, Word Day) {
  if (Day >= 1 && Day <= 31)
    SetPartCells(Text, Format, ExceptCell, ctD, ctDD, Day, Year, Month, Day);
}

void _SetYearCell(std::string& Text, const std::string& Format, int ExceptCell, Word Year,
                  Word Month, Word Day) {
  SetPartCells(Text, Format, ExceptCell, ctYY, ctYYYY, Year, Year, Month, Day);
}

bool _SetDayNameCell(std::string& Text, const std::string& Format, Word DayOfWeek, int ExceptCell,
                     Word& Year, Word& Month, Word& Day) {
  if (DayOfWeek > 7) return false;
  SetPartCells(Text, Format, ExceptCell, ctDDD, ctDDDD, DayOfWeek, Year, Month, Day);
  return _ResetDayCell(Text, Format, DayOfWeek, Year, Month, Day);
}

bool _ResetDayCell(std::string&, const std::string&, Word DayOfWeek, Word& Year, Word& Month,
                   Word& Day) {
  const Word Current = DayOfWeekOf(Year, Month, Day);
  // DayOfWeek 0 names no weekday: moving by -Current would leave the week.
  if (Current == 0 || Current == DayOfWeek || DayOfWeek < 1 || DayOfWeek > 7) return false;
  Word NewYear, NewMonth, NewDay;
  framework::DecodeDate(framework::EncodeDate(Year, Month, Day) + DayOfWeek - Current, NewYear,
                        NewMonth, NewDay);
  // The week of 1 January 0001 begins, and that of 31 December 9999 ends, outside the calendar.
  if (NewYear == 0) return false;
  Year = NewYear;
  Month = NewMonth;
  Day = NewDay;
  return true;
}

void _ResetDayNameCell(std::string& Text, const std::string& Format, int ExceptCell, Word Year,
                       Word Month, Word Day) {
  _SetDayNameCell(Text, Format, DayOfWeekOf(Year, Month, Day), ExceptCell, Year, Month, Day);
}

}  // namespace tarvex
