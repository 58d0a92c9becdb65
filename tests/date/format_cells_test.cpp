#include "date/format_cells.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/rtl/format_settings.h"

namespace tarvex {
namespace {

// One query over a string: the string, the cell or position asked about, the answer.
struct IntCase {
  const char* S;
  int Arg;
  int Expected;
};

struct StringCase {
  const char* S;
  int Cell;
  const char* Expected;
};

TEST(CellCounting, TotalCellsIgnoreASeparatorInTheLastPlace) {
  struct Case {
    const char* S;
    int Cells;
  };
  for (const Case& C : std::vector<Case>{{"", 0},
                                         {"MM/DD/YY", 3},
                                         {"12/", 1},
                                         {"12/ ", 2},
                                         {"/12", 2},
                                         {"MM, DD", 2},
                                         {"/", 1},
                                         {"//", 2},
                                         {"1", 1},
                                         {"12:30/5", 2}})
    EXPECT_EQ(_GetTotalCells(C.S), C.Cells) << "'" << C.S << "'";
}

TEST(CellCounting, SeparatorCodesAre32To47) {
  for (int Code = 0; Code < 256; ++Code)
    EXPECT_EQ(_IsValidSeparator(char(Code)), Code >= 32 && Code <= 47) << Code;
}

TEST(CellCounting, CellNumberOfAPosition) {
  for (const IntCase& C : std::vector<IntCase>{{"MM, DD", 3, 1},
                                               {"MM, DD", 4, 2},
                                               {"MM, DD", 5, 2},
                                               {"MM/DD/YY", 1, 1},
                                               {"MM/DD/YY", 6, 2},
                                               {"MM/DD/YY", 7, 3},
                                               {"MM/DD/YY", 9, 3},
                                               {"/12", 1, 1},
                                               {"/12", 2, 2},
                                               {"12/", 4, 2},
                                               {"", 1, 1}})
    EXPECT_EQ(_GetCellNumber(C.S, C.Arg), C.Expected) << "'" << C.S << "' at " << C.Arg;
}

TEST(CellCounting, CellStartWrapsAtBothEnds) {
  for (const IntCase& C : std::vector<IntCase>{{"MM/DD/YY", 1, 1},
                                               {"MM/DD/YY", 2, 4},
                                               {"MM, DD", 2, 5},
                                               {"MM/DD/YY", 0, 7},
                                               {"MM/DD/YY", -3, 7},
                                               {"MM/DD/YY", 4, 1},
                                               {"12/31/", 3, 7},
                                               {"12/ ", 0, 5},
                                               {"12", 0, 1},
                                               {"", 0, 1},
                                               {"", 3, 1}})
    EXPECT_EQ(_GetCellStart(C.Arg, C.S), C.Expected) << "'" << C.S << "' cell " << C.Arg;
}

TEST(CellCounting, CellEnd) {
  for (const IntCase& C : std::vector<IntCase>{{"/12", 1, 0},
                                               {"/12", 2, 3},
                                               {"MM/DD/YY", 1, 2},
                                               {"MM/DD/YY", 3, 8},
                                               {"MM/DD/YY", 0, 8},
                                               {"MM, DD", 1, 2},
                                               {"12/", 1, 2},
                                               {"12/ ", 2, 5},
                                               {"", 1, 1}})
    EXPECT_EQ(_GetCellEnd(C.Arg, C.S), C.Expected) << "'" << C.S << "' cell " << C.Arg;
}

TEST(CellCounting, CellValue) {
  for (const StringCase& C : std::vector<StringCase>{{"MM/DD/YY", 2, "DD"},
                                                     {"MM/DD/YY", 4, ""},
                                                     {"MM/DD/YY", 0, "YY"},
                                                     {"/12", 1, ""},
                                                     {"/12", 2, "12"},
                                                     {"12/ ", 2, ""},
                                                     {"12/", 2, ""},
                                                     {"", 1, ""}}) {
    std::string Value = "stale";
    _GetCellValue(C.Cell, C.S, Value);
    EXPECT_EQ(Value, C.Expected) << "'" << C.S << "' cell " << C.Cell;
  }
}

TEST(CellCounting, SeparatorAfterACell) {
  for (const StringCase& C : std::vector<StringCase>{{"dddd, MMMM d, yyyy", 1, ", "},
                                                     {"dddd, MMMM d, yyyy", 2, " "},
                                                     {"dddd, MMMM d, yyyy", 4, ""},
                                                     {"/12", 1, "/"},
                                                     {"12/ ", 1, "/ "},
                                                     {"1", 1, ""},
                                                     {"", 1, ""}}) {
    std::string Separator = "stale";
    _GetSeparator(C.Cell, C.S, Separator);
    EXPECT_EQ(Separator, C.Expected) << "'" << C.S << "' cell " << C.Cell;
  }
}

TEST(CellCounting, CellTypeCountsTheRunOfTheFirstLetter) {
  struct Case {
    const char* Format;
    int Cell;
    TCellType Type;
  };
  for (const Case& C : std::vector<Case>{{"M/d/yy", 1, ctM},
                                         {"M/d/yy", 2, ctD},
                                         {"M/d/yy", 3, ctYY},
                                         {"y", 1, ctYY},
                                         {"yyy", 1, ctYYYY},
                                         {"yyyyy", 1, ctYYYY},
                                         {"hh", 1, ctUnknown},
                                         {"MM/DD/YY", 5, ctUnknown},
                                         {"/MM", 1, ctUnknown},
                                         {"MMMMM", 1, ctMMMM},
                                         {"ddddd", 1, ctDDDD},
                                         {"Md", 1, ctM},
                                         {"mM", 1, ctMM},
                                         {"dDd", 1, ctDDD},
                                         {"MMmd", 1, ctMMM},
                                         {"yYyY", 1, ctYYYY},
                                         {"dd.MM.yy", 2, ctMM},
                                         {"D", 1, ctD}})
    EXPECT_EQ(_GetCellType(C.Cell, C.Format), C.Type) << "'" << C.Format << "' cell " << C.Cell;
}

TEST(AdvanceToNextCell, PutsTheFormatsSeparatorAndSelectsTheNextCell) {
  struct Case {
    const char* Name;
    const char* Text;
    int Cell;
    const char* Format;
    const char* NewText;
    int SelStart, SelLength;
  };
  for (const Case& C : std::vector<Case>{
           {"AppendsSeparator", "12", 1, "MM/DD/YY", "12/", 3, 0},
           {"ReplacesForeignSeparator", "12-31/99", 1, "MM/DD/YY", "12/31/99", 3, 2},
           {"ReplacesLongerRun", "12 - 31", 1, "MM/DD", "12/31", 3, 2},
           {"LongSeparator", "Sunday", 1, "dddd, MMMM d, yyyy", "Sunday, ", 8, 0},
           {"EmptyText", "", 0, "MM/DD/YY", "", 0, 0},
           {"EmptyFirstCell", "-12", 1, "/MM", "/12", 1, 2},
           // No cell follows the last one: the caret goes to the end, nothing is selected.
           {"LastCellWraps", "12/31/99", 3, "MM/DD/YY", "12/31/99", 8, 0}}) {
    std::string Text = C.Text;
    int SelStart = -1, SelLength = -1;
    _AdvanceToNextCell(C.Cell, Text, SelStart, SelLength, C.Format);
    EXPECT_EQ(Text, C.NewText) << C.Name;
    EXPECT_EQ(SelStart, C.SelStart) << C.Name;
    EXPECT_EQ(SelLength, C.SelLength) << C.Name;
  }
}

struct SetCellCase {
  const char* Name;
  TCellType Type;
  Word Value;
  const char* Written;
};

class SetCellForm : public ::testing::TestWithParam<SetCellCase> {};

TEST_P(SetCellForm, WritesTheValueInTheFormOfItsType) {
  std::string Text = "a/bcd/e";
  _SetCell(2, GetParam().Type, Text, "MM/DD/YY", GetParam().Value, 1999, 1, 31);
  EXPECT_EQ(Text, std::string("a/") + GetParam().Written + "/e");
}

INSTANTIATE_TEST_SUITE_P(
    Types, SetCellForm,
    ::testing::Values(
        SetCellCase{"MonthPlain", ctM, 7, "7"}, SetCellCase{"MonthTwoDigits", ctMM, 7, "07"},
        SetCellCase{"MonthTwoDigitsWide", ctMM, 12, "12"}, SetCellCase{"MonthZero", ctMM, 0, "00"},
        SetCellCase{"DayPlain", ctD, 31, "31"}, SetCellCase{"DayTwoDigits", ctDD, 5, "05"},
        SetCellCase{"NumberUnchecked", ctD, 45, "45"}, SetCellCase{"ShortMonth", ctMMM, 2, "Feb"},
        SetCellCase{"ShortMonthPastDecember", ctMMM, 13, "UKN"},
        SetCellCase{"ShortMonthZero", ctMMM, 0, "UKN"},
        SetCellCase{"LongMonth", ctMMMM, 12, "December"},
        SetCellCase{"LongMonthZero", ctMMMM, 0, "Unknown"},
        SetCellCase{"ShortDayName", ctDDD, 1, "Sun"},
        SetCellCase{"ShortDayNameZero", ctDDD, 0, "UKN"},
        SetCellCase{"ShortDayNamePastSaturday", ctDDD, 8, "UKN"},
        SetCellCase{"LongDayName", ctDDDD, 7, "Saturday"},
        SetCellCase{"LongDayNameZero", ctDDDD, 0, "Unknown"},
        SetCellCase{"LongDayNamePastSaturday", ctDDDD, 200, "Unknown"},
        SetCellCase{"TwoDigitYear", ctYY, 1999, "99"},
        SetCellCase{"TwoDigitYear2000", ctYY, 2000, "00"},
        SetCellCase{"TwoDigitYear2005", ctYY, 2005, "05"},
        SetCellCase{"FourDigitYear", ctYYYY, 1999, "1999"},
        SetCellCase{"FourDigitYearPadded", ctYYYY, 5, "0005"},
        SetCellCase{"UnknownRemovesTheCell", ctUnknown, 12, ""}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST(SetCell, AppendsOrCompletesTheText) {
  struct Case {
    const char* Name;
    const char* Text;
    int Cell;
    TCellType Type;
    const char* Format;
    Word Value;
    const char* Result;
  };
  // The date, which fills any cells that have to be completed, is 31 December 1999.
  for (const Case& C : std::vector<Case>{
           {"FirstCellOfEmptyText", "", 1, ctMM, "MM/DD/YY", 7, "07"},
           {"AppendsWithSeparator", "12", 2, ctDD, "MM/DD/YY", 5, "12/05"},
           {"ReplacesTypedSeparator", "12-", 2, ctDD, "MM/DD/YY", 5, "12/05"},
           {"CompletesUpToTheCell", "", 3, ctYYYY, "MM/DD/YYYY", 2001, "12/31/2001"},
           {"CompletesAfterTypedCells", "07", 3, ctYY, "MM/DD/YY", 5, "07/31/05"},
           {"RewritesLongerCell", "Wednesday, 1", 1, ctDDDD, "dddd, d", 6, "Friday, 1"},
           {"BeyondTheFormatOnlyCompletes", "", 5, ctDD, "MM/DD/YY", 5, "12/31/99"}}) {
    std::string Text = C.Text;
    _SetCell(C.Cell, C.Type, Text, C.Format, C.Value, 1999, 12, 31);
    EXPECT_EQ(Text, C.Result) << C.Name;
  }
}

struct CopyFormatCase {
  const char* Name;
  const char* Text;
  const char* Format;
  Word Year, Month, Day;
  const char* Result;
};

class CopyFormat : public ::testing::TestWithParam<CopyFormatCase> {};

TEST_P(CopyFormat, AppendsTheMissingCells) {
  const CopyFormatCase& C = GetParam();
  std::string Text = C.Text;
  _CopyFormat(Text, C.Format, C.Year, C.Month, C.Day);
  EXPECT_EQ(Text, C.Result);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CopyFormat,
    ::testing::Values(
        CopyFormatCase{"LongUs", "", "dddd, MMMM d, yyyy", 1999, 1, 31, "Sunday, January 31, 1999"},
        CopyFormatCase{"ShortUs", "", "MM/DD/YY", 1999, 1, 31, "01/31/99"},
        CopyFormatCase{"Unpadded", "", "M/D/YYYY", 2000, 2, 9, "2/9/2000"},
        CopyFormatCase{"ShortNames", "", "ddd dd-MMM-yy", 2005, 3, 7, "Mon 07-Mar-05"},
        CopyFormatCase{"KeepsTypedCells", "7/", "MM/DD/YY", 1999, 1, 31, "7/31/99"},
        CopyFormatCase{"CompleteTextUnchanged", "1/2/3", "MM/DD/YY", 1999, 1, 31, "1/2/3"},
        CopyFormatCase{"InvalidDateHasNoDayName", "", "ddd MM/dd", 1999, 2, 30, "UKN 02/30"},
        CopyFormatCase{"YearTheFrameworkCannotHold", "", "dddd yyyy", 10000, 1, 1, "Unknown 10000"},
        CopyFormatCase{"TrailingSeparatorOfFormatIsNotWritten", "", "MM/dd.", 1999, 1, 31, "01/31"},
        // A cell that is no date part stays empty, and the cells after it still follow.
        CopyFormatCase{"UnknownCellBetweenParts", "", "MM/hh/dd/yy", 1999, 1, 31, "01//31/99"},
        CopyFormatCase{"LiteralWordBetweenParts", "", "MMMM 'of' yyyy", 1999, 1, 31,
                       "January '' 1999"},
        CopyFormatCase{"UnknownFirstCell", "", "hh MM/dd", 1999, 1, 31, " 01/31"},
        CopyFormatCase{"UnknownLastCell", "", "MM/dd hh", 1999, 1, 31, "01/31 "},
        CopyFormatCase{"TwoUnknownCells", "", "MM/hh/hh/yy", 1999, 1, 31, "01///99"},
        CopyFormatCase{"OnlyUnknownCells", "", "hh:nn ss", 1999, 1, 31, " "}),
    [](const auto& I) { return std::string(I.param.Name); });

// The calendar title and the date edit's format switch: from a text, the month, day and year
// setters and the day names in turn, with no cell excepted.
std::string Rebuild(std::string Text, const std::string& Format, Word Year, Word Month, Word Day) {
  _SetMonthCell(Text, Format, 0, Year, Month, Day);
  _SetDayCell(Text, Format, 0, Year, Month, Day);
  _SetYearCell(Text, Format, 0, Year, Month, Day);
  _ResetDayNameCell(Text, Format, 0, Year, Month, Day);
  return Text;
}

struct RebuildCase {
  const char* Name;
  const char* Text;
  const char* Format;
  Word Year, Month, Day;
  const char* Result;
};

class RebuildText : public ::testing::TestWithParam<RebuildCase> {};

TEST_P(RebuildText, ShowsTheDate) {
  const RebuildCase& C = GetParam();
  EXPECT_EQ(Rebuild(C.Text, C.Format, C.Year, C.Month, C.Day), C.Result);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, RebuildText,
    ::testing::Values(
        RebuildCase{"WorkedExample", "", "dddd, MMMM d, yyyy", 1999, 1, 31,
                    "Sunday, January 31, 1999"},
        RebuildCase{"ShortUs", "", "MM/DD/YY", 1999, 12, 31, "12/31/99"},
        RebuildCase{"LeapDay", "", "M/d/yyyy", 2000, 2, 29, "2/29/2000"},
        RebuildCase{"FirstDay", "", "dd-MMM-yyyy", 1, 1, 1, "01-Jan-0001"},
        RebuildCase{"LastDay", "", "dddd MMMM yyyy", 9999, 12, 31, "Friday December 9999"},
        RebuildCase{"PartsTwice", "", "dddd, MMMM d - MM/dd", 1999, 1, 31,
                    "Sunday, January 31 - 01/31"},
        RebuildCase{"InvalidDate", "", "ddd MM/dd/yyyy", 1999, 2, 30, "UKN 02/30/1999"},
        RebuildCase{"MissingMonth", "", "MM/dd/yy", 1999, 0, 15, "00/15/99"},
        RebuildCase{"RewritesAnotherDate", "Sunday, January 31, 1999", "dddd, MMMM d, yyyy", 2000,
                    2, 29, "Tuesday, February 29, 2000"},
        RebuildCase{"RewritesShorterNames", "Wednesday, September 22, 1999", "dddd, MMMM d, yyyy",
                    2001, 5, 4, "Friday, May 4, 2001"}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST(SiblingCells, OnlyTheCellsOfThePartButExceptCellChange) {
  using Setter = void (*)(std::string&, const std::string&, int, Word, Word, Word);
  struct Case {
    const char* Name;
    Setter Set;
    int ExceptCell;
    Word Year, Month, Day;
    const char* Result;
  };
  const std::string Format = "MMMM d, yyyy - MM/dd/yy";
  const std::string Before = "January 31, 1999 - 01/31/99";
  for (const Case& C : std::vector<Case>{
           {"AllMonths", _SetMonthCell, 0, 1999, 2, 31, "February 31, 1999 - 02/31/99"},
           {"MonthButTyped", _SetMonthCell, 4, 1999, 2, 31, "February 31, 1999 - 01/31/99"},
           {"MonthZeroRefused", _SetMonthCell, 0, 1999, 0, 31, Before.c_str()},
           {"MonthPastDecemberRefused", _SetMonthCell, 0, 1999, 13, 31, Before.c_str()},
           {"AllDays", _SetDayCell, 0, 1999, 1, 5, "January 5, 1999 - 01/05/99"},
           {"DayButTyped", _SetDayCell, 2, 1999, 1, 5, "January 31, 1999 - 01/05/99"},
           {"DayZeroRefused", _SetDayCell, 0, 1999, 1, 0, Before.c_str()},
           {"DayPast31Refused", _SetDayCell, 0, 1999, 1, 32, Before.c_str()},
           {"AllYears", _SetYearCell, 0, 2005, 1, 31, "January 31, 2005 - 01/31/05"},
           {"YearButTyped", _SetYearCell, 6, 2005, 1, 31, "January 31, 2005 - 01/31/99"},
           {"YearZeroWritten", _SetYearCell, 0, 0, 1, 31, "January 31, 0000 - 01/31/00"}}) {
    std::string Text = Before;
    C.Set(Text, Format, C.ExceptCell, C.Year, C.Month, C.Day);
    EXPECT_EQ(Text, C.Result) << C.Name;
  }
}

struct DayNameCase {
  const char* Name;
  Word DayOfWeek;
  int ExceptCell;
  Word Year, Month, Day;
  bool Moved;
  Word NewYear, NewMonth, NewDay;
  const char* Text;
};

class SetDayNameCell : public ::testing::TestWithParam<DayNameCase> {};

TEST_P(SetDayNameCell, RewritesTheNamesAndMovesWithinTheWeek) {
  const DayNameCase& C = GetParam();
  std::string Text = "Wednesday (Wed) 01/27/1999";
  Word Year = C.Year, Month = C.Month, Day = C.Day;
  EXPECT_EQ(
      _SetDayNameCell(Text, "dddd (ddd) MM/dd/yyyy", C.DayOfWeek, C.ExceptCell, Year, Month, Day),
      C.Moved);
  EXPECT_EQ(Year, C.NewYear);
  EXPECT_EQ(Month, C.NewMonth);
  EXPECT_EQ(Day, C.NewDay);
  EXPECT_EQ(Text, C.Text);
}

INSTANTIATE_TEST_SUITE_P(
    Weekdays, SetDayNameCell,
    ::testing::Values(
        DayNameCase{"MondayBack", 2, 0, 1999, 1, 27, true, 1999, 1, 25, "Monday (Mon) 01/27/1999"},
        DayNameCase{"SameDayStays", 4, 0, 1999, 1, 27, false, 1999, 1, 27,
                    "Wednesday (Wed) 01/27/1999"},
        DayNameCase{"SundayStartsTheWeek", 1, 0, 1999, 1, 27, true, 1999, 1, 24,
                    "Sunday (Sun) 01/27/1999"},
        DayNameCase{"SaturdayEndsIt", 7, 0, 1999, 1, 27, true, 1999, 1, 30,
                    "Saturday (Sat) 01/27/1999"},
        DayNameCase{"TypedCellKept", 2, 1, 1999, 1, 27, true, 1999, 1, 25,
                    "Wednesday (Mon) 01/27/1999"},
        DayNameCase{"BackOverTheYear", 1, 0, 1999, 1, 1, true, 1998, 12, 27,
                    "Sunday (Sun) 01/27/1999"},
        DayNameCase{"InvalidDateDoesNotMove", 2, 0, 1999, 2, 30, false, 1999, 2, 30,
                    "Monday (Mon) 01/27/1999"},
        DayNameCase{"NoWeekdayDoesNotMove", 0, 0, 1999, 1, 27, false, 1999, 1, 27,
                    "Unknown (UKN) 01/27/1999"},
        DayNameCase{"PastSaturdayIgnored", 8, 0, 1999, 1, 27, false, 1999, 1, 27,
                    "Wednesday (Wed) 01/27/1999"},
        // 1 January 0001 is a Monday and 31 December 9999 a Friday: the ends of their weeks
        // lie outside the calendar, and the date stays rather than decode as 0/0/0.
        DayNameCase{"BeforeTheFirstDay", 1, 0, 1, 1, 1, false, 1, 1, 1, "Sunday (Sun) 01/27/1999"},
        DayNameCase{"AfterTheLastDay", 7, 0, 9999, 12, 31, false, 9999, 12, 31,
                    "Saturday (Sat) 01/27/1999"},
        DayNameCase{"WithinTheLastWeek", 1, 0, 9999, 12, 31, true, 9999, 12, 26,
                    "Sunday (Sun) 01/27/1999"}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST(ResetDayNameCell, FollowsTheDateAndShowsUnknownForAnInvalidOne) {
  struct Case {
    Word Year, Month, Day;
    const char* Text;
  };
  for (const Case& C : std::vector<Case>{{1999, 1, 27, "Wed 01/27/1999"},
                                         {1999, 2, 30, "UKN 01/27/1999"},
                                         {10000, 1, 1, "UKN 01/27/1999"},
                                         {1999, 0, 27, "UKN 01/27/1999"}}) {
    std::string Text = "Mon 01/27/1999";
    _ResetDayNameCell(Text, "ddd MM/dd/yyyy", 0, C.Year, C.Month, C.Day);
    EXPECT_EQ(Text, C.Text) << C.Year << "-" << C.Month << "-" << C.Day;
  }
  std::string Typed = "Mon 01/27/1999";
  _ResetDayNameCell(Typed, "ddd MM/dd/yyyy", 1, 1999, 1, 27);
  EXPECT_EQ(Typed, "Mon 01/27/1999");
}

class GermanNames : public ::testing::Test {
 protected:
  void SetUp() override { framework::SetLocale("de_DE"); }
  void TearDown() override { framework::SetLocale("en_US"); }
};

TEST_F(GermanNames, NameCellsReadTheCurrentLocale) {
  EXPECT_EQ(Rebuild("", "dddd, d. MMMM yyyy", 1999, 1, 31), "Sonntag, 31. Januar 1999");
  EXPECT_EQ(Rebuild("Sonntag, 31. Januar 1999", "dddd, d. MMMM yyyy", 2000, 3, 1),
            "Mittwoch, 1. M\xE4rz 2000");
  framework::SetLocale("en_US");
  EXPECT_EQ(Rebuild("Mittwoch, 1. M\xE4rz 2000", "dddd, d. MMMM yyyy", 2000, 3, 1),
            "Wednesday, 1. March 2000");
}

}  // namespace
}  // namespace tarvex
