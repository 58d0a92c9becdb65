#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tarvex.h"

namespace tarvex::test {
namespace {

// The scan the index stands for: entries in list order, the first with the most shared leading
// characters, letters a to z compared upper-cased.
int Scan(const std::vector<std::string>& Entries, const std::string& Text, int& Best) {
  const auto Up = [](char C) { return C >= 'a' && C <= 'z' ? char(C - 'a' + 'A') : C; };
  int Found = 0;
  Best = 0;
  for (size_t I = 0; I < Entries.size(); ++I) {
    size_t Count = 0;
    while (Count < Entries[I].size() && Count < Text.size() &&
           Up(Entries[I][Count]) == Up(Text[Count]))
      ++Count;
    if (int(Count) > Best) {
      Best = int(Count);
      Found = int(I);
    }
  }
  return Entries.empty() ? -1 : Found;
}

TEST(PrefixIndex, FindsTheFirstEntryWithTheLongestSharedPrefix) {
  const std::vector<std::string> Entries{"Germany", "gabon",  "Ghana",      "",
                                         "GERMANY", "Greece", "\xC4gypten", "ghana"};
  const TPrefixIndex Index(Entries);
  const struct {
    const char* Text;
    int Found, Length;
  } Cases[] = {
      {"ger", 0, 3},   {"GERMANYX", 0, 7}, {"gh", 2, 2},       {"G", 0, 1},
      {"gr", 5, 2},    {"x", 0, 0},        {"", 0, 0},         {"\xC4g", 6, 2},
      {"\xE4g", 0, 0}, {"gabonese", 1, 5}, {"ghanaian", 2, 5},
  };
  for (const auto& Case : Cases) {
    int Length = -1;
    EXPECT_EQ(Index.Find(Case.Text, Length), Case.Found) << Case.Text;
    EXPECT_EQ(Length, Case.Length) << Case.Text;
  }
  int Length = -1;
  EXPECT_EQ(TPrefixIndex().Find("a", Length), -1);
  EXPECT_EQ(Length, 0);
}

// Many random lists (repeated entries, empty ones, bytes above 127, letters in both cases) and
// texts, each answered by the index exactly as by the scan.
TEST(PrefixIndex, AgreesWithTheScanOnRandomListsAndTexts) {
  std::mt19937 Random(7);
  const std::string Alphabet = "abAB \xE4\xC4-z";
  const auto Word = [&](int Most) {
    std::string S(Random() % unsigned(Most + 1), ' ');
    for (char& C : S) C = Alphabet[Random() % Alphabet.size()];
    return S;
  };
  for (int List = 0; List < 300; ++List) {
    std::vector<std::string> Entries(1 + Random() % 40);
    for (std::string& Entry : Entries) Entry = Random() % 5 ? Word(4) : Entries.front();
    const TPrefixIndex Index(Entries);
    for (int Text = 0; Text < 30; ++Text) {
      const std::string Searched = Word(5);
      int Expected = 0, Length = 0;
      const int Want = Scan(Entries, Searched, Expected);
      ASSERT_EQ(Index.Find(Searched, Length), Want) << List << " '" << Searched << "'";
      ASSERT_EQ(Length, Expected);
    }
  }
}

}  // namespace
}  // namespace tarvex::test
