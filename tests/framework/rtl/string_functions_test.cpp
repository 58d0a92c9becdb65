#include "framework/rtl/string_functions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "framework/rtl/exceptions.h"
#include "locale_fixture.h"

using namespace framework;

namespace {

struct CaseCase {
  const char* Name;
  std::string Lower;  // Windows-1252
  std::string Upper;
};

class AnsiCasing : public LocaleTest, public ::testing::WithParamInterface<CaseCase> {};

TEST_P(AnsiCasing, MapsEachCharacterToItsPartner) {
  EXPECT_EQ(AnsiUpperCase(GetParam().Lower), GetParam().Upper);
  EXPECT_EQ(AnsiLowerCase(GetParam().Upper), GetParam().Lower);
}

INSTANTIATE_TEST_SUITE_P(
    EnUs, AnsiCasing,
    ::testing::Values(CaseCase{"Ascii", "abc xyz 09", "ABC XYZ 09"},
                      CaseCase{"Latin1Accents", "\xE0\xE9\xEE\xF5\xFC\xE7\xF1",
                               "\xC0\xC9\xCE\xD5\xDC\xC7\xD1"},
                      CaseCase{"ThornAndEth", "\xFE\xF0", "\xDE\xD0"},
                      // s, z with caron and oe ligature live in 0x80..0x9F.
                      CaseCase{"Windows1252Block", "\x9A\x9E\x9C", "\x8A\x8E\x8C"},
                      CaseCase{"YWithDiaeresis", "\xFF", "\x9F"},
                      CaseCase{"Punctuation", "\x80\x81\x93\xA9", "\x80\x81\x93\xA9"}),
    [](const auto& I) { return std::string(I.param.Name); });

using AnsiCaseLength = LocaleTest;

TEST_F(AnsiCaseLength, KeepsCharactersWhosePartnerIsNotOneByte) {
  // Sharp s upper-cases to "SS", micro sign to Greek capital mu: both stay.
  EXPECT_EQ(AnsiUpperCase("gro\xDF \xB5m"), "GRO\xDF \xB5M");
  EXPECT_EQ(AnsiLowerCase("\xDF\xB5"), "\xDF\xB5");
}

TEST_F(AnsiCaseLength, FollowsTheLocale) {
  EXPECT_EQ(AnsiUpperCase("istanbul"), "ISTANBUL");
  // Turkish dotted and dotless i have no Windows-1252 partner: i and I stay as they are.
  SetLocale("tr_TR");
  EXPECT_EQ(AnsiUpperCase("istanbul"), "iSTANBUL");
  EXPECT_EQ(AnsiLowerCase("ISTANBUL"), "Istanbul");
}

TEST(AsciiCasing, TouchesOnlyAToZ) {
  EXPECT_EQ(UpperCase("caf\xE9 mix-09_z"), "CAF\xE9 MIX-09_Z");
  EXPECT_EQ(LowerCase("CAF\xC9 MIX-09_Z"), "caf\xC9 mix-09_z");
}

using Collation = LocaleTest;

std::vector<std::string> SortedByAnsiCompareStr(std::vector<std::string> Words) {
  std::sort(Words.begin(), Words.end(),
            [](const std::string& A, const std::string& B) { return AnsiCompareStr(A, B) < 0; });
  return Words;
}

TEST_F(Collation, SortsGermanWordsAsADictionary) {
  SetLocale("de_DE");
  // \xC4 is A-umlaut, \xE4 a-umlaut, \xD6 O-umlaut.
  EXPECT_EQ(
      SortedByAnsiCompareStr({"Zucker", "B\xE4ume", "\xD6l", "\xC4pfel", "Apfel", "apfel"}),
      (std::vector<std::string>{"apfel", "Apfel", "\xC4pfel", "B\xE4ume", "\xD6l", "Zucker"}));
}

TEST_F(Collation, AnsiCompareStrWeighsAccentsOverCase) {
  // Accents decide before case, case before nothing; ordinal order would put every capital first.
  EXPECT_EQ(
      SortedByAnsiCompareStr({"R\xE9sum\xE9", "resume", "r\xE9sum\xE9", "Resume", "apple"}),
      (std::vector<std::string>{"apple", "resume", "Resume", "r\xE9sum\xE9", "R\xE9sum\xE9"}));
  EXPECT_LT(AnsiCompareStr("a", "B"), 0);
  EXPECT_EQ(AnsiCompareStr("same", "same"), 0);
}

TEST_F(Collation, AnsiCompareTextIgnoresCaseButNotAccents) {
  EXPECT_EQ(AnsiCompareText("apple", "APPLE"), 0);
  EXPECT_EQ(AnsiCompareText("\xE9t\xE9", "\xC9T\xC9"), 0);
  EXPECT_LT(AnsiCompareText("apple", "Banana"), 0);
  EXPECT_LT(AnsiCompareText("resume", "R\xC9SUM\xC9"), 0);
  EXPECT_NE(AnsiCompareStr("apple", "APPLE"), 0);
}

TEST_F(Collation, ComparesStringsLongerThanTheStackBuffer) {
  const std::string Long(1000, 'a');
  EXPECT_LT(AnsiCompareStr(Long + "a", Long + "b"), 0);
  EXPECT_EQ(AnsiCompareText(Long + "A", Long + "a"), 0);
}

struct OrdinalCase {
  const char* S1;
  const char* S2;
  int Sign;
};

TEST(OrdinalComparison, IgnoresTheCaseOfAToZOnly) {
  const OrdinalCase Cases[] = {{"Button1", "BUTTON1", 0},
                               {"abc", "abd", -1},
                               {"abc", "ab", 1},
                               {"", "", 0},
                               {"Zeta", "alpha", 1},
                               {"\xE9", "\xC9", 1},
                               // Compared as upper case: '_' follows the capitals.
                               {"a_", "aZ", 1}};
  for (const OrdinalCase& C : Cases) {
    const int R = CompareText(C.S1, C.S2);
    EXPECT_EQ((R > 0) - (R < 0), C.Sign) << C.S1 << " " << C.S2;
    EXPECT_EQ(SameText(C.S1, C.S2), C.Sign == 0) << C.S1 << " " << C.S2;
  }
}

struct IntCase {
  const char* Text;
  int64_t Value;
};

class GoodIntegers : public ::testing::TestWithParam<IntCase> {};

TEST_P(GoodIntegers, Parse) {
  EXPECT_EQ(StrToInt(GetParam().Text), GetParam().Value);
  int64_t Value = 0;
  EXPECT_TRUE(TryStrToInt(GetParam().Text, Value));
  EXPECT_EQ(Value, GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GoodIntegers,
    ::testing::Values(IntCase{"0", 0}, IntCase{"123", 123}, IntCase{"007", 7}, IntCase{"-42", -42},
                      IntCase{"+7", 7}, IntCase{"$FF", 255}, IntCase{"$ff", 255},
                      IntCase{"0x1f", 31}, IntCase{"0X1F", 31}, IntCase{"-$10", -16},
                      IntCase{"9223372036854775807", std::numeric_limits<int64_t>::max()},
                      IntCase{"-9223372036854775808", std::numeric_limits<int64_t>::min()},
                      IntCase{"$7FFFFFFFFFFFFFFF", std::numeric_limits<int64_t>::max()}));

class BadIntegers : public ::testing::TestWithParam<const char*> {};

TEST_P(BadIntegers, RaiseNamingTheText) {
  const std::string Text = GetParam();
  try {
    StrToInt(Text);
    ADD_FAILURE() << "no exception for '" << Text << "'";
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "'" + Text + "' is not a valid integer value");
  }
  int64_t Value = 99;
  EXPECT_FALSE(TryStrToInt(Text, Value));
  EXPECT_EQ(Value, 99);
  EXPECT_EQ(StrToIntDef(Text, -5), -5);
}

INSTANTIATE_TEST_SUITE_P(Values, BadIntegers,
                         ::testing::Values("", " 1", "1 ", "abc", "12a", "1.5", "1e3", "-", "+",
                                           "--1", "$", "0x", "0x-1", "$ FF", "$G",
                                           "9223372036854775808", "-9223372036854775809",
                                           "$8000000000000000", "99999999999999999999"));

TEST(IntToStr, WritesDecimal) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-1234), "-1234");
  EXPECT_EQ(IntToStr(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(StrToIntDef("12", -5), 12);
}

TEST(Format, IsPrintfOfAnyLength) {
  EXPECT_EQ(Format("%.2d", 5), "05");
  EXPECT_EQ(Format("%.4d", 99), "0099");
  EXPECT_EQ(Format("%s-%d", "cell", 3), "cell-3");
  EXPECT_EQ(Format("%s", ""), "");
  const std::string Long(5000, 'x');
  EXPECT_EQ(Format("<%s>", Long.c_str()), "<" + Long + ">");
}

}  // namespace
