#pragma once

#include <string>

#include "date/cell_types.h"
#include "framework/rtl/types.h"

// The cell model of date formats and texts. A string reads as cells (runs of characters that are
// not separators) and separator runs (characters 32 to 47); cell n of a text holds what cell n of
// its format says. Positions are 1-based, cells are numbered from 1. The counting rules, including
// their treatment of separators at the ends of a string, are relied on by the building functions
// and by the date edit: "12/" has one cell, "12/ " two, "/12" two (the first empty).
//
// Text is the string being rewritten, Format the date format whose cells give the types and
// separators. ExceptCell is the cell the user is typing into (0 for none): it is left as typed
// while its sibling cells are brought up to date.

namespace tarvex {

using framework::Word;

bool _IsValidSeparator(char Ch);

int _GetTotalCells(const std::string& S);
// The cell that holds Position: the first character of a separator run belongs to the cell on its
// left, the rest of the run to the cell on its right.
int _GetCellNumber(const std::string& S, int Position);
// A Cell of 0 or less wraps to the last cell, a Cell past the last one to position 1. A cell
// opened by a trailing separator run starts at Length + 1.
int _GetCellStart(int Cell, const std::string& S);
// Start - 1 for an empty cell; Length + 1 for a cell that starts there.
int _GetCellEnd(int Cell, const std::string& S);
// Empty for a Cell past the last one.
void _GetCellValue(int Cell, const std::string& S, std::string& Value);
TCellType _GetCellType(int Cell, const std::string& Format);
// The separator run that follows cell Cell; empty after the last cell.
void _GetSeparator(int Cell, const std::string& S, std::string& Separator);

// Replaces whatever follows cell Cell of Text with the format's separator, and selects the next
// cell (SelStart 0-based). Without a next cell the caret goes to the end of the text, SelLength 0.
void _AdvanceToNextCell(int Cell, std::string& Text, int& SelStart, int& SelLength,
                        const std::string& Format);
// Writes Value into cell Cell of Text in the form of CellType, first completing Text when the cell
// lies further than one past its end.
void _SetCell(int Cell, TCellType CellType, std::string& Text, const std::string& Format,
              Word Value, Word Year, Word Month, Word Day);
// Appends the cells of Format that Text lacks, filled from Year, Month and Day.
void _CopyFormat(std::string& Text, const std::string& Format, Word Year, Word Month, Word Day);

// Rewrite every month, numeric day or year cell but ExceptCell. Month must be 1..12 and Day
// 1..31, else the text is left alone.
void _SetMonthCell(std::string& Text, const std::string& Format, int ExceptCell, Word Year,
                   Word Month, Word Day);
void _SetDayCell(std::string& Text, const std::string& Format, int ExceptCell, Word Year,
                 Word Month, Word Day);
void _SetYearCell(std::string& Text, const std::string& Format, int ExceptCell, Word Year,
                  Word Month, Word Day);

// Writes DayOfWeek (1 = Sunday, 0 for no valid date) into every day-name cell but ExceptCell, then
// moves the date to that weekday as _ResetDayCell does. True when the date moved.
bool _SetDayNameCell(std::string& Text, const std::string& Format, Word DayOfWeek, int ExceptCell,
                     Word& Year, Word& Month, Word& Day);
// Moves a valid date to the weekday DayOfWeek of its week (Sunday to Saturday). True when it
// moved. Text and Format are not used.
bool _ResetDayCell(std::string& Text, const std::string& Format, Word DayOfWeek, Word& Year,
                   Word& Month, Word& Day);
// Brings every day-name cell but ExceptCell in line with the date; an invalid date shows "UKN" or
// "Unknown".
void _ResetDayNameCell(std::string& Text, const std::string& Format, int ExceptCell, Word Year,
                       Word Month, Word Day);

}  // namespace tarvex
