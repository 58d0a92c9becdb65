#include "framework/rtl/string_functions.h"

#include <unicode/coll.h>

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <memory>

#include "framework/rtl/code_page.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/locale_data.h"

namespace framework {

using rtl_internal::CurrentLocaleData;

namespace {

char AsciiUpper(char Ch) {
  return Ch >= 'a' && Ch <= 'z' ? char(Ch - 'a' + 'A') : Ch;
}
char AsciiLower(char Ch) {
  return Ch >= 'A' && Ch <= 'Z' ? char(Ch - 'A' + 'a') : Ch;
}

std::string MapBytes(std::string_view S, const std::array<unsigned char, 256>& Table) {
  std::string Result(S.size(), '\0');
  for (size_t I = 0; I < S.size(); ++I) Result[I] = char(Table[static_cast<unsigned char>(S[I])]);
  return Result;
}

// A string as UTF-16 for the collator. Every Windows-1252 character is one UTF-16 unit; the
// strings compared in sorts and searches fit the buffer on the stack, so a comparison allocates
// nothing.
class TUtf16 {
 public:
  explicit TUtf16(std::string_view S) {
    UChar* Out = FSmall;
    if (S.size() > SmallSize) {
      FLarge = std::make_unique<UChar[]>(S.size());
      Out = FLarge.get();
    }
    for (size_t I = 0; I < S.size(); ++I)
      Out[I] = UChar(AnsiCharToCodePoint(static_cast<unsigned char>(S[I])));
    FData = Out;
    FLength = int32_t(S.size());
  }
  const UChar* Data() const { return FData; }
  int32_t Length() const { return FLength; }

 private:
  static constexpr size_t SmallSize = 256;
  UChar FSmall[SmallSize];
  std::unique_ptr<UChar[]> FLarge;
  const UChar* FData;
  int32_t FLength;
};

int Collate(const icu::Collator& Collator, std::string_view S1, std::string_view S2) {
  const TUtf16 A(S1), B(S2);
  UErrorCode Status = U_ZERO_ERROR;
  const UCollationResult R = Collator.compare(A.Data(), A.Length(), B.Data(), B.Length(), Status);
  return R == UCOL_LESS ? -1 : R == UCOL_GREATER ? 1 : 0;
}

int HexDigit(char Ch) {
  if (Ch >= '0' && Ch <= '9') return Ch - '0';
  if (Ch >= 'a' && Ch <= 'f') return Ch - 'a' + 10;
  if (Ch >= 'A' && Ch <= 'F') return Ch - 'A' + 10;
  return -1;
}

}  // namespace

std::string UpperCase(std::string_view S) {
  std::string Result(S);
  for (char& Ch : Result) Ch = AsciiUpper(Ch);
  return Result;
}

std::string LowerCase(std::string_view S) {
  std::string Result(S);
  for (char& Ch : Result) Ch = AsciiLower(Ch);
  return Result;
}

std::string AnsiUpperCase(std::string_view S) {
  return MapBytes(S, CurrentLocaleData().UpperTable);
}

std::string AnsiLowerCase(std::string_view S) {
  return MapBytes(S, CurrentLocaleData().LowerTable);
}

int AnsiCompareStr(std::string_view S1, std::string_view S2) {
  return Collate(*CurrentLocaleData().CaseSensitive, S1, S2);
}

int AnsiCompareText(std::string_view S1, std::string_view S2) {
  return Collate(*CurrentLocaleData().CaseInsensitive, S1, S2);
}

int CompareText(std::string_view S1, std::string_view S2) {
  const size_t N = std::min(S1.size(), S2.size());
  for (size_t I = 0; I < N; ++I) {
    const unsigned char A = static_cast<unsigned char>(AsciiUpper(S1[I]));
    const unsigned char B = static_cast<unsigned char>(AsciiUpper(S2[I]));
    if (A != B) return A < B ? -1 : 1;
  }
  return S1.size() < S2.size() ? -1 : S1.size() > S2.size() ? 1 : 0;
}

bool SameText(std::string_view S1, std::string_view S2) {
  return S1.size() == S2.size() && CompareText(S1, S2) == 0;
}

std::string IntToStr(int64_t Value) {
  return std::to_string(Value);
}

// An optional sign, then decimal digits, or '$' or "0x" and hexadecimal digits. The magnitude is
// gathered unsigned so that the most negative value, whose magnitude int64_t cannot hold, parses.
bool TryStrToInt(std::string_view S, int64_t& Value) {
  size_t I = 0;
  bool Negative = false;
  if (I < S.size() && (S[I] == '+' || S[I] == '-')) Negative = S[I++] == '-';
  unsigned Base = 10;
  if (I < S.size() && S[I] == '$') {
    Base = 16;
    ++I;
  } else if (I + 1 < S.size() && S[I] == '0' && (S[I + 1] == 'x' || S[I + 1] == 'X')) {
    Base = 16;
    I += 2;
  }
  if (I == S.size()) return false;
  const uint64_t Limit = Negative ? uint64_t(std::numeric_limits<int64_t>::max()) + 1
                                  : uint64_t(std::numeric_limits<int64_t>::max());
  uint64_t Magnitude = 0;
  for (; I < S.size(); ++I) {
    const int Digit = HexDigit(S[I]);
    if (Digit < 0 || unsigned(Digit) >= Base) return false;
    if (Magnitude > (Limit - unsigned(Digit)) / Base) return false;
    Magnitude = Magnitude * Base + unsigned(Digit);
  }
  Value = Negative ? int64_t(0 - Magnitude) : int64_t(Magnitude);
  return true;
}

int64_t StrToInt(std::string_view S) {
  int64_t Value;
  if (!TryStrToInt(S, Value))
    throw EConvertError("'" + std::string(S) + "' is not a valid integer value");
  return Value;
}

int64_t StrToIntDef(std::string_view S, int64_t Default) {
  int64_t Value;
  return TryStrToInt(S, Value) ? Value : Default;
}

std::string Format(const char* Fmt, ...) {
  char Small[256];
  va_list Args;
  va_start(Args, Fmt);
  va_list Again;
  va_copy(Again, Args);
  const int Length = std::vsnprintf(Small, sizeof Small, Fmt, Args);
  va_end(Args);
  std::string Result;
  if (Length < 0) {
    va_end(Again);
    throw EConvertError(std::string("Format '") + Fmt + "' is invalid");
  }
  if (size_t(Length) < sizeof Small) {
    Result.assign(Small, size_t(Length));
  } else {
    Result.resize(size_t(Length));
    std::vsnprintf(Result.data(), size_t(Length) + 1, Fmt, Again);
  }
  va_end(Again);
  return Result;
}

}  // namespace framework
