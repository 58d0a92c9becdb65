#include "framework/rtl/format_settings.h"

#include <unicode/datefmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "framework/rtl/code_page.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/locale_data.h"

namespace framework {

using rtl_internal::TLocaleData;

namespace {

constexpr const char* DefaultLocale = "en_US";

bool IsSeparator(unsigned char Ch) {
  return Ch >= 32 && Ch <= 47;
}

// The Windows-1252 form of one code point; '?' when the code page has none.
char ToAnsi(UChar32 C) {
  const int Ansi = CodePointToAnsiChar(char32_t(C));
  return Ansi < 0 ? '?' : char(Ansi);
}

// Checks LocaleName against the locales ICU has data for (ICU itself falls back to its root
// locale for any name at all, "garbage" included). Keywords such as "@collation=phonebook" pass.
icu::Locale KnownLocale(const std::string& LocaleName) {
  const icu::Locale Locale(LocaleName.c_str());
  const char* Base = Locale.getBaseName();
  if (!Locale.isBogus() && Base != nullptr && *Base != '\0') {
    int32_t Count = 0;
    const icu::Locale* Available = icu::Locale::getAvailableLocales(Count);
    for (int32_t I = 0; I < Count; ++I)
      if (std::strcmp(Available[I].getName(), Base) == 0) return Locale;
  }
  throw EConvertError("'" + LocaleName + "' is not a known locale");
}

struct TPatternToken {
  bool Field;
  std::string Text;  // a literal in Windows-1252, or the framework letters of a field
  bool Dropped;      // a field without a framework equivalent
};

// The framework letters for an ICU field of Count letters Letter; empty when there are none.
std::string FrameworkField(char16_t Letter, int Count) {
  switch (Letter) {
    case u'M':
    case u'L':
      if (Count == 1) return "M";
      if (Count == 2) return "MM";
      if (Count == 4) return "MMMM";
      return "MMM";  // three letters, or five (the narrow name): the short name
    case u'd': return Count == 1 ? "d" : "dd";
    case u'E': return Count == 4 ? "dddd" : "ddd";
    case u'c':
    case u'e':
      if (Count <= 2) return "";  // the numeric day of the week
      return Count == 4 ? "dddd" : "ddd";
    case u'y':
    case u'u':
    case u'U':
    case u'Y':
    case u'r': return Count == 2 ? "yy" : "yyyy";
    default: return "";
  }
}

void AppendLiteral(std::vector<TPatternToken>& Tokens, char Ch) {
  if (Tokens.empty() || Tokens.back().Field) Tokens.push_back({false, "", false});
  Tokens.back().Text += Ch;
}

void AppendLiteralCodePoint(std::vector<TPatternToken>& Tokens, UChar32 C) {
  // Locales put no-break and thin spaces between date parts; the cell model needs a plain space
  // there (code 32) to see a separator. Direction marks carry nothing the framework could show.
  if (u_isUWhiteSpace(C) || C == 0x00A0 || C == 0x202F) return AppendLiteral(Tokens, ' ');
  if (u_charType(C) == U_FORMAT_CHAR) return;
  AppendLiteral(Tokens, ToAnsi(C));
}

std::vector<TPatternToken> TokenizePattern(const icu::UnicodeString& Pattern) {
  std::vector<TPatternToken> Tokens;
  const int32_t N = Pattern.length();
  int32_t I = 0;
  while (I < N) {
    const char16_t C = Pattern.charAt(I);
    if (C == u'\'') {
      if (I + 1 < N && Pattern.charAt(I + 1) == u'\'') {  // '' is one apostrophe
        AppendLiteral(Tokens, '\'');
        I += 2;
        continue;
      }
      ++I;
      while (I < N) {
        if (Pattern.charAt(I) == u'\'') {
          if (I + 1 < N && Pattern.charAt(I + 1) == u'\'') {
            AppendLiteral(Tokens, '\'');
            I += 2;
            continue;
          }
          ++I;
          break;
        }
        const UChar32 Q = Pattern.char32At(I);
        AppendLiteralCodePoint(Tokens, Q);
        I += U16_LENGTH(Q);
      }
    } else if ((C >= u'a' && C <= u'z') || (C >= u'A' && C <= u'Z')) {
      int32_t Count = 0;
      for (; I < N && Pattern.charAt(I) == C; ++I) ++Count;
      std::string Letters = FrameworkField(C, Count);
      const bool Dropped = Letters.empty();
      Tokens.push_back({true, std::move(Letters), Dropped});
    } else {
      const UChar32 L = Pattern.char32At(I);
      AppendLiteralCodePoint(Tokens, L);
      I += U16_LENGTH(L);
    }
  }
  return Tokens;
}

void StripLeadingSeparators(std::string& S) {
  size_t K = 0;
  while (K < S.size() && IsSeparator(static_cast<unsigned char>(S[K]))) ++K;
  S.erase(0, K);
}

void StripTrailingSeparators(std::string& S) {
  size_t K = S.size();
  while (K > 0 && IsSeparator(static_cast<unsigned char>(S[K - 1]))) --K;
  S.erase(K);
}

// Translates an ICU date pattern into the framework's letters. Quoted text stays as literal text.
// A field without a framework equivalent (an era, a quarter, a week number) goes together with
// the separator run that only served it: the one after it at the start of the pattern, the one
// before it at the end, and the one after it between two kept fields, so that "d MMMM, G y"
// gives "d MMMM, yyyy".
std::string TranslateDatePattern(const icu::UnicodeString& Pattern) {
  std::vector<TPatternToken> Tokens = TokenizePattern(Pattern);
  const int N = int(Tokens.size());
  auto KeptFieldIn = [&](int From, int To) {
    for (int K = From; K < To; ++K)
      if (Tokens[K].Field && !Tokens[K].Dropped) return true;
    return false;
  };
  for (int I = 0; I < N; ++I) {
    if (!Tokens[I].Field || !Tokens[I].Dropped) continue;
    TPatternToken* Before = I > 0 && !Tokens[I - 1].Field ? &Tokens[I - 1] : nullptr;
    TPatternToken* After = I + 1 < N && !Tokens[I + 1].Field ? &Tokens[I + 1] : nullptr;
    const bool KeptBefore = KeptFieldIn(0, I);
    const bool KeptAfter = KeptFieldIn(I + 1, N);
    if (!KeptBefore) {
      if (After) StripLeadingSeparators(After->Text);
    } else if (!KeptAfter) {
      if (Before) StripTrailingSeparators(Before->Text);
    } else if (Before && After) {
      StripLeadingSeparators(After->Text);
    }
  }
  std::string Result;
  for (const TPatternToken& T : Tokens)
    if (!T.Dropped) Result += T.Text;
  return Result;
}

std::string DatePattern(const icu::Locale& Locale, icu::DateFormat::EStyle Style) {
  std::unique_ptr<icu::DateFormat> Format(icu::DateFormat::createDateInstance(Style, Locale));
  const auto* Simple = dynamic_cast<const icu::SimpleDateFormat*>(Format.get());
  if (Simple == nullptr)
    throw EConvertError(std::string("No date pattern for locale '") + Locale.getName() + "'");
  icu::UnicodeString Pattern;
  Simple->toPattern(Pattern);
  return TranslateDatePattern(Pattern);
}

bool HasSeparator(const icu::UnicodeString& S) {
  for (int32_t I = 0; I < S.length(); ++I)
    if (S.charAt(I) >= 32 && S.charAt(I) <= 47) return true;
  return false;
}

icu::UnicodeString WithoutFullStop(icu::UnicodeString S) {
  if (S.endsWith(icu::UnicodeString(u'.'))) S.truncate(S.length() - 1);
  return S;
}

// The date edit splits its text at every character of code 32..47, so a name must hold none.
// Abbreviations lose their full stop ("Jan." is "Jan"); a format-context name that still has a
// separator gives way to the stand-alone one (Catalan "de gener" is "gener"); in what is left a
// space becomes a no-break space and a hyphen a soft hyphen, which look the same (Portuguese
// "segunda-feira"), and other punctuation goes.
std::string CellName(const icu::UnicodeString& Format, const icu::UnicodeString& Standalone) {
  icu::UnicodeString Name = WithoutFullStop(Format);
  if (HasSeparator(Name)) {
    icu::UnicodeString Alone = WithoutFullStop(Standalone);
    if (!Alone.isEmpty() && !HasSeparator(Alone)) Name = Alone;
  }
  std::string Result;
  for (int32_t I = 0; I < Name.length();) {
    const UChar32 C = Name.char32At(I);
    I += U16_LENGTH(C);
    if (C == u' ') {
      Result += '\xA0';
    } else if (C == u'-') {
      Result += '\xAD';
    } else if (C >= 32 && C <= 47) {
      continue;
    } else if (u_charType(C) != U_FORMAT_CHAR) {
      Result += ToAnsi(C);
    }
  }
  return Result;
}

template <size_t Size>
void FillNames(std::array<std::string, Size>& Names, const icu::UnicodeString* Format,
               int32_t FormatCount, const icu::UnicodeString* Standalone, int32_t StandaloneCount,
               int32_t First) {
  for (size_t I = 0; I < Size; ++I) {
    const int32_t K = First + int32_t(I);
    const icu::UnicodeString Empty;
    Names[I] =
        CellName(K < FormatCount ? Format[K] : Empty, K < StandaloneCount ? Standalone[K] : Empty);
  }
}

TFormatSettings BuildFormatSettings(const icu::Locale& Locale) {
  TFormatSettings Result;
  Result.ShortDateFormat = DatePattern(Locale, icu::DateFormat::kShort);
  // The full pattern, not the long one: the framework's long format carries the day's name.
  Result.LongDateFormat = DatePattern(Locale, icu::DateFormat::kFull);

  UErrorCode Status = U_ZERO_ERROR;
  icu::DateFormatSymbols Symbols(Locale, Status);
  if (U_FAILURE(Status))
    throw EConvertError(std::string("No date names for locale '") + Locale.getName() +
                        "': " + u_errorName(Status));
  using Dfs = icu::DateFormatSymbols;
  for (const bool Wide : {false, true}) {
    const auto Width = Wide ? Dfs::WIDE : Dfs::ABBREVIATED;
    int32_t FormatCount = 0, StandaloneCount = 0;
    const icu::UnicodeString* Format = Symbols.getMonths(FormatCount, Dfs::FORMAT, Width);
    const icu::UnicodeString* Alone = Symbols.getMonths(StandaloneCount, Dfs::STANDALONE, Width);
    FillNames(Wide ? Result.LongMonthNames : Result.ShortMonthNames, Format, FormatCount, Alone,
              StandaloneCount, 0);
    // ICU's weekday arrays are indexed by UCAL_SUNDAY (1) to UCAL_SATURDAY (7).
    Format = Symbols.getWeekdays(FormatCount, Dfs::FORMAT, Width);
    Alone = Symbols.getWeekdays(StandaloneCount, Dfs::STANDALONE, Width);
    FillNames(Wide ? Result.LongDayNames : Result.ShortDayNames, Format, FormatCount, Alone,
              StandaloneCount, 1);
  }
  return Result;
}

std::unique_ptr<icu::Collator> MakeCollator(const icu::Locale& Locale,
                                            icu::Collator::ECollationStrength Strength) {
  UErrorCode Status = U_ZERO_ERROR;
  std::unique_ptr<icu::Collator> Collator(icu::Collator::createInstance(Locale, Status));
  if (U_FAILURE(Status) || !Collator)
    throw EConvertError(std::string("No collation for locale '") + Locale.getName() +
                        "': " + u_errorName(Status));
  Collator->setStrength(Strength);
  return Collator;
}

// Case partners per byte: ICU's full mapping of the locale, kept only when it is a single
// Windows-1252 character, so that casing never changes a string's length ("ß" stays "ß").
std::array<unsigned char, 256> CaseTable(const icu::Locale& Locale, bool Upper) {
  std::array<unsigned char, 256> Table;
  for (int B = 0; B < 256; ++B) {
    icu::UnicodeString S(UChar32(AnsiCharToCodePoint(static_cast<unsigned char>(B))));
    if (Upper)
      S.toUpper(Locale);
    else
      S.toLower(Locale);
    int Partner = -1;
    if (S.countChar32() == 1) Partner = CodePointToAnsiChar(char32_t(S.char32At(0)));
    Table[B] = static_cast<unsigned char>(Partner < 0 ? B : Partner);
  }
  return Table;
}

std::unique_ptr<TLocaleData> BuildLocaleData(const icu::Locale& Locale) {
  auto Data = std::make_unique<TLocaleData>();
  Data->Name = Locale.getName();
  Data->CaseSensitive = MakeCollator(Locale, icu::Collator::TERTIARY);
  Data->CaseInsensitive = MakeCollator(Locale, icu::Collator::SECONDARY);
  Data->UpperTable = CaseTable(Locale, true);
  Data->LowerTable = CaseTable(Locale, false);
  return Data;
}

struct TLocaleState {
  // Every locale made current so far, so that switching back and forth builds nothing twice.
  std::map<std::string, std::unique_ptr<TLocaleData>> Known;
  const TLocaleData* Current = nullptr;
  TFormatSettings Settings;
};

// Built on first use, with en_US current.
TLocaleState& State() {
  static TLocaleState S = [] {
    TLocaleState Initial;
    const icu::Locale Locale = KnownLocale(DefaultLocale);
    auto Data = BuildLocaleData(Locale);
    Initial.Current = Data.get();
    Initial.Known.emplace(Data->Name, std::move(Data));
    Initial.Settings = BuildFormatSettings(Locale);
    return Initial;
  }();
  return S;
}

}  // namespace

namespace rtl_internal {

const TLocaleData& CurrentLocaleData() {
  return *State().Current;
}

}  // namespace rtl_internal

const TFormatSettings& FormatSettings() {
  return State().Settings;
}

void SetLocale(const std::string& LocaleName) {
  TLocaleState& S = State();
  const icu::Locale Locale = KnownLocale(LocaleName);
  // Everything is built before anything changes: a failure leaves the current locale whole.
  TFormatSettings Settings = BuildFormatSettings(Locale);
  auto Found = S.Known.find(Locale.getName());
  if (Found == S.Known.end()) {
    auto Data = BuildLocaleData(Locale);
    Found = S.Known.emplace(Data->Name, std::move(Data)).first;
  }
  S.Current = Found->second.get();
  S.Settings = std::move(Settings);
}

const std::string& CurrentLocale() {
  return State().Current->Name;
}

TFormatSettings LocaleFormatSettings(const std::string& LocaleName) {
  return BuildFormatSettings(KnownLocale(LocaleName));
}

void SetFormatSettings(const TFormatSettings& Settings) {
  State().Settings = Settings;
}

}  // namespace framework
