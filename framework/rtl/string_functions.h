#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace framework {

// Helpers over the framework's strings: single-byte Windows-1252 text, one byte per character.

// Upper- and lower-casing of the letters a to z only; every other byte is left as it is.
std::string UpperCase(std::string_view S);
std::string LowerCase(std::string_view S);

// Locale-aware casing of every character that has a single-character case partner in
// Windows-1252 ('e' with acute becomes 'E' with acute); the length never changes.
std::string AnsiUpperCase(std::string_view S);
std::string AnsiLowerCase(std::string_view S);

// Collation of the current locale: below 0, 0 or above 0. AnsiCompareText ignores letter case.
int AnsiCompareStr(std::string_view S1, std::string_view S2);
int AnsiCompareText(std::string_view S1, std::string_view S2);

// Ordinal comparisons, ignoring the case of a to z: component names and identifiers.
int CompareText(std::string_view S1, std::string_view S2);
bool SameText(std::string_view S1, std::string_view S2);

std::string IntToStr(int64_t Value);
// Decimal, optionally signed, or hexadecimal with a leading '$' or "0x"; surrounding blanks are
// not allowed. StrToInt raises EConvertError ("'abc' is not a valid integer value").
int64_t StrToInt(std::string_view S);
int64_t StrToIntDef(std::string_view S, int64_t Default);
bool TryStrToInt(std::string_view S, int64_t& Value);

// printf-style formatting ("%.2d" gives at least two digits).
std::string Format(const char* Fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace framework
