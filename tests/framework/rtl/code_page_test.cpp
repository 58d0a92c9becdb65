#include "framework/rtl/code_page.h"

#include <gtest/gtest.h>

#include <string>

using namespace framework;

TEST(CodePage, EveryByteSurvivesTheRoundTripThroughUnicode) {
  std::string All;
  for (int B = 0; B < 256; ++B) {
    All += char(B);
    EXPECT_EQ(CodePointToAnsiChar(AnsiCharToCodePoint(static_cast<unsigned char>(B))), B) << B;
  }
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(All)), All);
}

struct MappingCase {
  unsigned char Byte;
  char32_t CodePoint;
};

TEST(CodePage, MapsTheWindows1252Block) {
  const MappingCase Cases[] = {
      {0x41, U'A'},      {0x80, U'\u20AC'}, {0x81, U'\u0081'}, {0x8A, U'\u0160'}, {0x8D, U'\u008D'},
      {0x8F, U'\u008F'}, {0x90, U'\u0090'}, {0x92, U'\u2019'}, {0x96, U'\u2013'}, {0x9D, U'\u009D'},
      {0x9F, U'\u0178'}, {0xA0, U'\u00A0'}, {0xE9, U'\u00E9'}, {0xFF, U'\u00FF'}};
  for (const MappingCase& C : Cases) {
    EXPECT_EQ(AnsiCharToCodePoint(C.Byte), C.CodePoint) << int(C.Byte);
    EXPECT_EQ(CodePointToAnsiChar(C.CodePoint), C.Byte) << int(C.Byte);
  }
  EXPECT_EQ(AnsiToUtf8("\x80 caf\xE9"), "\xE2\x82\xAC caf\xC3\xA9");
}

TEST(CodePage, CodePointsOutsideTheCodePageHaveNoByte) {
  // U+0080 and U+009F are C1 controls whose bytes Windows-1252 gives to the Euro sign and Y with
  // diaeresis.
  for (char32_t C : {U'\u0080', U'\u009F', U'\u0100', U'\u0131', U'\u20AD', U'\U0001F600'})
    EXPECT_EQ(CodePointToAnsiChar(C), -1) << uint32_t(C);
}

struct Utf8Case {
  const char* Name;
  std::string Utf8;
  std::string Ansi;
};

class Utf8Decoding : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Decoding, GivesWindows1252) {
  EXPECT_EQ(Utf8ToAnsi(GetParam().Utf8), GetParam().Ansi);
}

// Malformed input gives one '?' per maximal ill-formed subpart, as the Unicode standard recommends.
const Utf8Case Utf8Cases[] = {
    {"Ascii", "Hello, world", "Hello, world"},
    {"TwoByte", "M\xC3\xA4rz", "M\xE4rz"},
    {"ThreeByte", "\xE2\x82\xAC 5", "\x80 5"},
    {"EmbeddedNul", std::string("a\0b", 3), std::string("a\0b", 3)},
    {"Unmappable", "\xC4\xB1\xF0\x9F\x98\x80", "??"},
    {"StrayContinuation", "a\x80 b", "a? b"},
    {"TruncatedAtEnd", "ab\xE2\x82", "ab?"},
    {"TruncatedBeforeAscii", "\xE2\x82 A", "? A"},
    {"Overlong", "\xC0\xAF", "??"},
    {"OverlongThreeByte", "\xE0\x80\xAF", "???"},
    {"Surrogate", "\xED\xA0\x80", "???"},
    {"BeyondUnicode", "\xF4\x90\x80\x80", "????"},
    {"InvalidLeads", "\xF5\xFFz", "??z"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Utf8Decoding, ::testing::ValuesIn(Utf8Cases),
                         [](const auto& I) { return std::string(I.param.Name); });
