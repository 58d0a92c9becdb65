#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/classes/errors.h"
#include "framework/classes/string_list.h"
#include "test_helpers.h"

namespace {

using namespace framework;
using classes_test::Lines;
using TLines = std::vector<std::string>;

struct SortedAddCase {
  const char* Name;
  TDuplicates Duplicates;
  TLines Expected;
  std::vector<int> Indexes;  // what each Add returned
  bool Raises;               // on the last Add
};

class SortedAdd : public ::testing::TestWithParam<SortedAddCase> {};

TEST_P(SortedAdd, InsertsInOrderAndHonoursDuplicates) {
  const SortedAddCase& Case = GetParam();
  TStringList S;
  S.SetSorted(true);
  S.SetDuplicates(Case.Duplicates);
  std::vector<int> Indexes;
  const TLines Adds = {"b", "A", "c", "a"};
  for (const std::string& Add : Adds) {
    if (Case.Raises && &Add == &Adds.back()) {
      EXPECT_THROW(S.Add(Add), EStringListError);
      break;
    }
    Indexes.push_back(S.Add(Add));
  }
  EXPECT_EQ(Lines(S), Case.Expected);
  EXPECT_EQ(Indexes, Case.Indexes);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SortedAdd,
    ::testing::Values(SortedAddCase{"Ignore", dupIgnore, {"A", "b", "c"}, {0, 0, 2, 0}, false},
                      SortedAddCase{"Accept", dupAccept, {"a", "A", "b", "c"}, {0, 0, 2, 0}, false},
                      SortedAddCase{"Error", dupError, {"A", "b", "c"}, {0, 0, 2}, true}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST(StringList, DuplicatesErrorMessage) {
  TStringList S;
  S.SetSorted(true);
  S.SetDuplicates(dupError);
  S.Add("x");
  try {
    S.Add("X");
    ADD_FAILURE() << "no EStringListError";
  } catch (const EStringListError& E) {
    EXPECT_EQ(E.Message(), "String list does not allow duplicates");
  }
}

TEST(StringList, UnsortedAddAppendsDuplicates) {
  TStringList S;
  S.SetDuplicates(dupError);
  S.Add("b");
  EXPECT_EQ(S.Add("b"), 1);
  EXPECT_EQ(S.Add("a"), 2);
  EXPECT_EQ(S.IndexOf("B"), 0);
}

struct FindCase {
  const char* Name;
  const char* Sought;
  bool Found;
  int Index;
};

class StringListFind : public ::testing::TestWithParam<FindCase> {};

TEST_P(StringListFind, GivesWhereTheStringIsOrWouldGo) {
  TStringList S;
  S.SetSorted(true);
  S.SetDuplicates(dupAccept);
  S.SetText("cherry\napple\nBanana\nbanana\n\xE9t\xE9");
  int Index = -1;
  EXPECT_EQ(S.Find(GetParam().Sought, Index), GetParam().Found);
  EXPECT_EQ(Index, GetParam().Index);
  EXPECT_EQ(S.IndexOf(GetParam().Sought), GetParam().Found ? GetParam().Index : -1);
}

INSTANTIATE_TEST_SUITE_P(Table, StringListFind,
                         ::testing::Values(FindCase{"First", "APPLE", true, 0},
                                           FindCase{"FirstOfEqual", "BANANA", true, 1},
                                           FindCase{"Last", "\xC9T\xC9", true, 4},
                                           FindCase{"Between", "blue", false, 3},
                                           FindCase{"Empty", "", false, 0},
                                           FindCase{"PastTheEnd", "zebra", false, 5}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(StringList, SwitchingSortedOnSortsOnceAndOffKeepsTheOrder) {
  TStringList S;
  S.SetText(
      "pear\nApple\n\xE9"
      "clair\nfig");
  int Changes = 0;
  S.OnChange = [&](TObject*) { ++Changes; };
  S.SetSorted(true);
  S.SetSorted(true);
  EXPECT_EQ(Lines(S), (TLines{"Apple",
                              "\xE9"
                              "clair",
                              "fig", "pear"}));
  EXPECT_EQ(Changes, 1);
  S.SetSorted(false);
  S.Add("banana");
  EXPECT_EQ(S.Strings(4), "banana");
  EXPECT_EQ(Changes, 2);
}

TEST(StringList, PositioningIsRefusedOnASortedList) {
  TStringList S;
  S.SetText("b\na");
  S.SetSorted(true);
  int Changes = 0;
  S.OnChange = [&](TObject*) { ++Changes; };
  const std::vector<std::function<void()>> Operations = {
      [&] { S.Insert(0, "z"); }, [&] { S.SetStrings(0, "z"); }, [&] { S.Exchange(0, 1); }};
  for (const auto& Operation : Operations) {
    try {
      Operation();
      ADD_FAILURE() << "no EStringListError";
    } catch (const EStringListError& E) {
      EXPECT_EQ(E.Message(), "Operation not allowed on sorted string list");
    }
  }
  EXPECT_EQ(Lines(S), (TLines{"a", "b"}));
  EXPECT_EQ(Changes, 0);
}

TEST(StringList, InsertExchangeAndPutOnAnUnsortedList) {
  TStringList S;
  S.SetText("a\nb\nc");
  S.Insert(3, "d");
  S.Insert(0, "z");
  S.Exchange(1, 4);
  S.SetStrings(2, "B");
  S.Delete(3);
  EXPECT_EQ(Lines(S), (TLines{"z", "d", "B", "a"}));
}

struct IndexCase {
  const char* Name;
  std::function<void(TStringList&)> Operation;
  const char* Message;
};

class StringListIndexes : public ::testing::TestWithParam<IndexCase> {};

TEST_P(StringListIndexes, OutOfBoundsRaisesAndChangesNothing) {
  TStringList S;
  S.SetText("a\nb");
  try {
    GetParam().Operation(S);
    ADD_FAILURE() << "no EStringListError";
  } catch (const EStringListError& E) {
    EXPECT_EQ(E.Message(), GetParam().Message);
  }
  EXPECT_EQ(Lines(S), (TLines{"a", "b"}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, StringListIndexes,
    ::testing::Values(IndexCase{"GetNegative", [](TStringList& S) { S.Strings(-1); },
                                "List index out of bounds (-1)"},
                      IndexCase{"GetCount", [](TStringList& S) { S.Strings(2); },
                                "List index out of bounds (2)"},
                      IndexCase{"PutCount", [](TStringList& S) { S.SetStrings(2, "x"); },
                                "List index out of bounds (2)"},
                      IndexCase{"InsertPastCount", [](TStringList& S) { S.Insert(3, "x"); },
                                "List index out of bounds (3)"},
                      IndexCase{"DeleteCount", [](TStringList& S) { S.Delete(2); },
                                "List index out of bounds (2)"},
                      IndexCase{"ExchangeSecond", [](TStringList& S) { S.Exchange(0, 7); },
                                "List index out of bounds (7)"}),
    [](const auto& I) { return std::string(I.param.Name); });

struct ChangeCase {
  const char* Name;
  std::function<void(TStringList&)> Operation;
  bool Changes;
};

class StringListChanges : public ::testing::TestWithParam<ChangeCase> {};

// A change is one OnChanging, which sees the list as it was, then one OnChange.
TEST_P(StringListChanges, OneChangePerModificationOrUpdate) {
  TStringList S;
  S.SetText("b\na");
  std::vector<std::string> Events;
  S.OnChanging = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &S);
    Events.push_back("changing " + S.Text());
  };
  S.OnChange = [&](TObject*) { Events.push_back("change"); };
  const std::string Before = S.Text();
  GetParam().Operation(S);
  const std::vector<std::string> Expected = {"changing " + Before, "change"};
  EXPECT_EQ(Events, GetParam().Changes ? Expected : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Table, StringListChanges,
    ::testing::Values(ChangeCase{"Add", [](TStringList& S) { S.Add("c"); }, true},
                      ChangeCase{"Insert", [](TStringList& S) { S.Insert(0, "c"); }, true},
                      ChangeCase{"Delete", [](TStringList& S) { S.Delete(0); }, true},
                      ChangeCase{"Put", [](TStringList& S) { S.SetStrings(0, "c"); }, true},
                      ChangeCase{"Exchange", [](TStringList& S) { S.Exchange(0, 1); }, true},
                      ChangeCase{"Clear", [](TStringList& S) { S.Clear(); }, true},
                      ChangeCase{"ClearEmpty",
                                 [](TStringList& S) {
                                   S.Clear();
                                   S.Clear();
                                 },
                                 true},
                      ChangeCase{"Sort", [](TStringList& S) { S.Sort(); }, true},
                      ChangeCase{"SetText", [](TStringList& S) { S.SetText("x\ny\nz"); }, true},
                      ChangeCase{"Assign",
                                 [](TStringList& S) {
                                   TStringList Other;
                                   Other.SetText("x\ny");
                                   S.Assign(&Other);
                                 },
                                 true},
                      ChangeCase{"Update",
                                 [](TStringList& S) {
                                   S.BeginUpdate();
                                   S.Add("c");
                                   S.BeginUpdate();
                                   S.Delete(0);
                                   S.EndUpdate();
                                   S.Add("d");
                                   S.EndUpdate();
                                 },
                                 true},
                      ChangeCase{"IgnoredDuplicate",
                                 [](TStringList& S) {
                                   S.SetSorted(true);
                                   S.Add("B");
                                 },
                                 true},
                      ChangeCase{"Failure", [](TStringList& S) { EXPECT_ANY_THROW(S.Delete(5)); },
                                 false},
                      ChangeCase{"Read", [](TStringList& S) { S.IndexOf("a"); }, false}),
    [](const auto& I) { return std::string(I.param.Name); });

}  // namespace
