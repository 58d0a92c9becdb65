#include "framework/rtl/format_settings.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/string_functions.h"
#include "locale_fixture.h"

using namespace framework;

namespace {

using Months = std::array<std::string, 12>;
using Days = std::array<std::string, 7>;

struct LocaleCase {
  const char* Name;
  const char* Locale;
  const char* ShortDateFormat;
  const char* LongDateFormat;
  Months ShortMonthNames;
  Days ShortDayNames;
  const char* LongMonth1;  // January
  const char* LongMonth3;  // March
  const char* LongDay1;    // Sunday
  const char* LongDay7;    // Saturday
};

// What ICU 72 gives, in Windows-1252 (\xE4 is a-umlaut, \xE9 and \351 e-acute, \xFB u-circumflex;
// \255 below is the soft hyphen).
const LocaleCase LocaleCases[] = {
    {"EnUs",
     "en_US",
     "M/d/yy",
     "dddd, MMMM d, yyyy",
     {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
     {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
     "January",
     "March",
     "Sunday",
     "Saturday"},
    {"DeDe",
     "de_DE",
     "dd.MM.yy",
     "dddd, d. MMMM yyyy",
     {"Jan", "Feb", "M\xE4rz", "Apr", "Mai", "Juni", "Juli", "Aug", "Sept", "Okt", "Nov", "Dez"},
     {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"},
     "Januar",
     "M\xE4rz",
     "Sonntag",
     "Samstag"},
    {"FrFr",
     "fr_FR",
     "dd/MM/yyyy",
     "dddd d MMMM yyyy",
     {"janv", "f\xE9vr", "mars", "avr", "mai", "juin", "juil", "ao\xFBt", "sept", "oct", "nov",
      "d\351c"},
     {"dim", "lun", "mar", "mer", "jeu", "ven", "sam"},
     "janvier",
     "mars",
     "dimanche",
     "samedi"},
};

class LocaleSettings : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleSettings, ComeFromIcuInFrameworkLetters) {
  const LocaleCase& C = GetParam();
  const TFormatSettings S = LocaleFormatSettings(C.Locale);
  EXPECT_EQ(S.ShortDateFormat, C.ShortDateFormat);
  EXPECT_EQ(S.LongDateFormat, C.LongDateFormat);
  EXPECT_EQ(S.ShortMonthNames, C.ShortMonthNames);
  EXPECT_EQ(S.ShortDayNames, C.ShortDayNames);
  EXPECT_EQ(S.LongMonthNames[0], C.LongMonth1);
  EXPECT_EQ(S.LongMonthNames[2], C.LongMonth3);
  EXPECT_EQ(S.LongDayNames[0], C.LongDay1);
  EXPECT_EQ(S.LongDayNames[6], C.LongDay7);
}

INSTANTIATE_TEST_SUITE_P(Icu72, LocaleSettings, ::testing::ValuesIn(LocaleCases),
                         [](const auto& I) { return std::string(I.param.Name); });

struct PatternCase {
  const char* Name;
  const char* Locale;
  const char* ShortDateFormat;
  const char* LongDateFormat;
};

class DatePatterns : public ::testing::TestWithParam<PatternCase> {};

TEST_P(DatePatterns, TranslateIntoFrameworkLetters) {
  const TFormatSettings S = LocaleFormatSettings(GetParam().Locale);
  EXPECT_EQ(S.ShortDateFormat, GetParam().ShortDateFormat);
  EXPECT_EQ(S.LongDateFormat, GetParam().LongDateFormat);
}

INSTANTIATE_TEST_SUITE_P(
    Icu72, DatePatterns,
    ::testing::Values(
        // ICU: "d/M/yy" and "EEEE, d 'de' MMMM 'de' y": quoted words stay as text.
        PatternCase{"QuotedLiterals", "es_ES", "d/M/yy", "dddd, d de MMMM de yyyy"},
        // ICU: "y-MM-dd".
        PatternCase{"YearFirst", "sv_SE", "yyyy-MM-dd", "dddd d MMMM yyyy"},
        // ICU: "d.M.y" and "cccc d. MMMM y": the stand-alone day name.
        PatternCase{"StandaloneDayName", "fi_FI", "d.M.yyyy", "dddd d. MMMM yyyy"},
        // ICU: "dd.MM.yy GGGGG" and "EEEE, d. MMMM y G": the era goes with its space.
        PatternCase{"EraDropped", "de_DE@calendar=buddhist", "dd.MM.yy", "dddd, d. MMMM yyyy"}),
    [](const auto& I) { return std::string(I.param.Name); });

bool HasSeparator(const std::string& Name) {
  for (unsigned char Ch : Name)
    if (Ch >= 32 && Ch <= 47) return true;
  return false;
}

TEST(LocaleNames, NeverHoldACellSeparator) {
  for (const char* Locale : {"en_US", "de_DE", "fr_FR", "es_ES", "it_IT", "pt_BR", "pt_PT", "ca_ES",
                             "cy_GB", "ga_IE", "nl_NL", "da_DK", "sv_SE", "fi_FI"}) {
    const TFormatSettings S = LocaleFormatSettings(Locale);
    for (const auto* Names : {&S.ShortMonthNames, &S.LongMonthNames})
      for (const std::string& N : *Names) EXPECT_FALSE(HasSeparator(N)) << Locale << " " << N;
    for (const auto* Names : {&S.ShortDayNames, &S.LongDayNames})
      for (const std::string& N : *Names) EXPECT_FALSE(HasSeparator(N)) << Locale << " " << N;
  }
}

TEST(LocaleNames, KeepTheirLookWithoutSeparators) {
  // Catalan's format-context names read "de gener": the stand-alone name is taken instead.
  EXPECT_EQ(LocaleFormatSettings("ca_ES").LongMonthNames[0], "gener");
  // A space becomes a no-break space and a hyphen a soft hyphen.
  EXPECT_EQ(LocaleFormatSettings("cy_GB").LongDayNames[0], "Dydd\xA0Sul");
  EXPECT_EQ(LocaleFormatSettings("pt_BR").LongDayNames[1], "segunda\255feira");
}

using FormatSettingsTest = LocaleTest;

TEST_F(FormatSettingsTest, EnUsIsCurrentByDefault) {
  EXPECT_EQ(CurrentLocale(), "en_US");
  EXPECT_EQ(FormatSettings().ShortDateFormat, "M/d/yy");
  EXPECT_EQ(FormatSettings().LongDayNames[0], "Sunday");
}

TEST_F(FormatSettingsTest, SetLocaleSwitchesSettingsAndCollationAndBack) {
  // Swedish sorts O-diaeresis after Z, German with O.
  SetLocale("sv_SE");
  EXPECT_EQ(CurrentLocale(), "sv_SE");
  EXPECT_EQ(FormatSettings().ShortDateFormat, "yyyy-MM-dd");
  EXPECT_GT(AnsiCompareStr("\xD6l", "Zucker"), 0);
  SetLocale("de_DE");
  EXPECT_EQ(CurrentLocale(), "de_DE");
  EXPECT_EQ(FormatSettings().LongMonthNames[2], "M\xE4rz");
  EXPECT_LT(AnsiCompareStr("\xD6l", "Zucker"), 0);
  SetLocale("en_US");
  EXPECT_EQ(FormatSettings().LongDateFormat, "dddd, MMMM d, yyyy");
  EXPECT_EQ(FormatSettings().LongMonthNames[2], "March");
}

TEST_F(FormatSettingsTest, NamesAreCanonical) {
  SetLocale("de-de");
  EXPECT_EQ(CurrentLocale(), "de_DE");
}

TEST_F(FormatSettingsTest, UnknownLocaleRaisesAndChangesNothing) {
  SetLocale("fr_FR");
  for (const std::string Name : {"xx_YY", "garbage", "de_XX", ""}) {
    try {
      SetLocale(Name);
      ADD_FAILURE() << "no exception for '" << Name << "'";
    } catch (const EConvertError& E) {
      EXPECT_EQ(E.Message(), "'" + Name + "' is not a known locale");
    }
    EXPECT_THROW(LocaleFormatSettings(Name), EConvertError) << Name;
    EXPECT_EQ(CurrentLocale(), "fr_FR");
    EXPECT_EQ(FormatSettings().ShortDateFormat, "dd/MM/yyyy");
  }
}

TEST_F(FormatSettingsTest, LocaleFormatSettingsLeavesTheCurrentLocale) {
  EXPECT_EQ(LocaleFormatSettings("de_DE").ShortDateFormat, "dd.MM.yy");
  EXPECT_EQ(CurrentLocale(), "en_US");
  EXPECT_EQ(FormatSettings().ShortDateFormat, "M/d/yy");
}

TEST_F(FormatSettingsTest, SetFormatSettingsKeepsTheCollation) {
  SetLocale("sv_SE");
  TFormatSettings Custom = LocaleFormatSettings("en_US");
  Custom.ShortDateFormat = "dd/MM/yyyy";
  SetFormatSettings(Custom);
  EXPECT_EQ(FormatSettings().ShortDateFormat, "dd/MM/yyyy");
  EXPECT_EQ(FormatSettings().LongMonthNames[0], "January");
  EXPECT_EQ(CurrentLocale(), "sv_SE");
  EXPECT_GT(AnsiCompareStr("\xD6l", "Zucker"), 0);
}

}  // namespace
