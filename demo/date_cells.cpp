// Lays a few dates out in several formats through the format-cell engine and shows the cells
// of each text, for three locales.

#include <algorithm>
#include <cstdio>
#include <string>

#include "demo/demo_parts.h"
#include "tarvex.h"

namespace {

using namespace tarvex;

struct TDemoDate {
  Word Year, Month, Day;
};

// What the calendar does for its title: from an empty text, every part and then the day names.
std::string Layout(const std::string& Format, const TDemoDate& D) {
  std::string Text;
  _SetMonthCell(Text, Format, 0, D.Year, D.Month, D.Day);
  _SetDayCell(Text, Format, 0, D.Year, D.Month, D.Day);
  _SetYearCell(Text, Format, 0, D.Year, D.Month, D.Day);
  _ResetDayNameCell(Text, Format, 0, D.Year, D.Month, D.Day);
  return Text;
}

// One line per date: the text, then each cell as number, type, value and following separator.
void Show(const std::string& Format, const TDemoDate& D) {
  const std::string Text = Layout(Format, D);
  // Padded before the conversion, where one character is still one byte.
  std::string Column = Text;
  Column.resize(std::max<size_t>(Text.size(), 30), ' ');
  std::printf("    %s", framework::AnsiToUtf8(Column).c_str());
  for (int Cell = 1; Cell <= _GetTotalCells(Text); ++Cell) {
    std::string Value, Separator;
    _GetCellValue(Cell, Text, Value);
    _GetSeparator(Cell, Text, Separator);
    std::printf(" %d %s '%s' '%s'", Cell,
                framework::TypeInfo<TCellType>().EnumName(_GetCellType(Cell, Format)).c_str(),
                framework::AnsiToUtf8(Value).c_str(), framework::AnsiToUtf8(Separator).c_str());
  }
  std::printf("\n");
}

}  // namespace

void ShowDateCells() {
  const TDemoDate Dates[] = {{1999, 1, 31}, {2000, 2, 29}, {1, 1, 1}, {9999, 12, 31}};
  for (const char* Locale : {"en_US", "de_DE", "fr_FR"}) {
    framework::SetLocale(Locale);
    const framework::TFormatSettings& Settings = framework::FormatSettings();
    const std::string Formats[] = {Settings.ShortDateFormat, Settings.LongDateFormat, "MM/DD/YY",
                                   "dddd, MMMM d, yyyy",     "dd-MMM-yyyy",           "MMMM yyyy"};
    std::printf("%s\n", Locale);
    for (const std::string& Format : Formats) {
      std::printf("  '%s'\n", framework::AnsiToUtf8(Format).c_str());
      for (const TDemoDate& D : Dates) Show(Format, D);
    }
  }
}
