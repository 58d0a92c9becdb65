#pragma once

#include <array>
#include <string>

namespace framework {

// The date formats and names of a locale, in the framework's format letters (M, MM, MMM, MMMM, d,
// dd, ddd, dddd, yy, yyyy) and in Windows-1252 text. Controls read them at each use, so switching
// the locale takes effect at the next key stroke or repaint.
struct TFormatSettings {
  std::string ShortDateFormat;
  std::string LongDateFormat;
  std::array<std::string, 12> ShortMonthNames;  // January first
  std::array<std::string, 12> LongMonthNames;
  std::array<std::string, 7> ShortDayNames;  // Sunday first, as DayOfWeek counts
  std::array<std::string, 7> LongDayNames;
};

// The settings of the current locale (en_US until SetLocale is called).
const TFormatSettings& FormatSettings();

// Makes LocaleName ("de_DE", "fr_FR", ...) current: its format settings and its collation, which
// AnsiCompareStr and AnsiCompareText use. Raises EConvertError for a locale the runtime does not
// know.
void SetLocale(const std::string& LocaleName);
const std::string& CurrentLocale();

// The settings of any locale, without making it current.
TFormatSettings LocaleFormatSettings(const std::string& LocaleName);

// Replaces the current settings (the locale's collation stays); for applications that configure
// their own formats and for tests.
void SetFormatSettings(const TFormatSettings& Settings);

}  // namespace framework
