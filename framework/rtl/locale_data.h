#pragma once

// Internal to framework/rtl: what the current locale holds besides its format settings, shared by
// format_settings.cpp (which builds it) and string_functions.cpp (which uses it on every call).

#include <unicode/coll.h>

#include <array>
#include <memory>
#include <string>

namespace framework::rtl_internal {

// Built once per locale, when SetLocale first makes it current, and kept for the rest of the run:
// comparisons and casing run inside sorts and on every key stroke, so they allocate nothing.
struct TLocaleData {
  std::string Name;
  std::unique_ptr<icu::Collator> CaseSensitive;    // tertiary strength: AnsiCompareStr
  std::unique_ptr<icu::Collator> CaseInsensitive;  // secondary strength: AnsiCompareText
  // The Windows-1252 case partner of every byte, or the byte itself when it has none.
  std::array<unsigned char, 256> UpperTable;
  std::array<unsigned char, 256> LowerTable;
};

// The current locale's data (en_US until SetLocale is called).
const TLocaleData& CurrentLocaleData();

}  // namespace framework::rtl_internal
