#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/classes/errors.h"
#include "framework/classes/memory_stream.h"
#include "framework/classes/string_list.h"
#include "test_helpers.h"

namespace {

using namespace framework;
using classes_test::Lines;
using TLines = std::vector<std::string>;

// The least a TStrings provides, so that what is tested is the behaviour built on it.
class TPlainStrings : public TStrings {
 public:
  TLines Items;
  std::vector<bool> UpdateStates;

  void Insert(int Index, const std::string& S) override {
    if (Index < 0 || Index > GetCount()) IndexError(Index);
    Items.insert(Items.begin() + Index, S);
  }
  void Delete(int Index) override {
    CheckIndex(Index);
    Items.erase(Items.begin() + Index);
  }
  void Clear() override { Items.clear(); }

 protected:
  std::string Get(int Index) const override {
    CheckIndex(Index);
    return Items[size_t(Index)];
  }
  int GetCount() const override { return int(Items.size()); }
  void SetUpdateState(bool Updating) override { UpdateStates.push_back(Updating); }

 private:
  void CheckIndex(int Index) const {
    if (Index < 0 || Index >= GetCount()) IndexError(Index);
  }
};

TEST(Strings, DefaultsBuiltOnTheBasics) {
  TPlainStrings S;
  EXPECT_EQ(S.Add("one"), 0);
  EXPECT_EQ(S.Add("two"), 1);
  EXPECT_EQ(S.Add("\xE9t\xE9"), 2);
  S.SetStrings(1, "deux");
  EXPECT_EQ(S.Items, (TLines{"one", "deux", "\xE9t\xE9"}));
  S.UpdateStates.clear();
  S.Exchange(0, 2);
  EXPECT_EQ(S.Items, (TLines{"\xE9t\xE9", "deux", "one"}));
  EXPECT_EQ(S.UpdateStates, (std::vector<bool>{true, false}));
  EXPECT_EQ(S.IndexOf("\xC9T\xC9"), 0);
  EXPECT_EQ(S.IndexOf("ONE"), 2);
  EXPECT_EQ(S.IndexOf("ete"), -1);
}

TEST(Strings, IndexErrorsNameTheIndexAndChangeNothing) {
  TPlainStrings S;
  S.Items = {"a", "b"};
  try {
    S.SetStrings(5, "x");
    ADD_FAILURE() << "no EStringListError";
  } catch (const EStringListError& E) {
    EXPECT_EQ(E.Message(), "List index out of bounds (5)");
  }
  EXPECT_THROW(S.Exchange(0, 2), EStringListError);
  EXPECT_EQ(S.Items, (TLines{"a", "b"}));
  EXPECT_EQ(S.UpdateStates, (std::vector<bool>{true, false, true, false}));
}

TEST(Strings, OnlyTheOutermostUpdateCounts) {
  TPlainStrings S;
  S.BeginUpdate();
  S.BeginUpdate();
  S.EndUpdate();
  EXPECT_EQ(S.UpdateStates, std::vector<bool>{true});
  S.EndUpdate();
  S.EndUpdate();
  EXPECT_EQ(S.UpdateStates, (std::vector<bool>{true, false}));
}

TEST(Strings, AssignCopiesInOneUpdate) {
  TStringList Source;
  Source.SetText("b\na\n");
  TPlainStrings S;
  S.Items = {"old"};
  S.Assign(&Source);
  EXPECT_EQ(S.Items, (TLines{"b", "a"}));
  EXPECT_EQ(S.UpdateStates, (std::vector<bool>{true, false}));
  EXPECT_TRUE(S.Equals(Source));
}

TEST(Strings, AssigningAListToItselfKeepsIt) {
  TPlainStrings S;
  S.Items = {"a", "b"};
  S.Assign(&S);
  EXPECT_EQ(S.Items, (TLines{"a", "b"}));
}

TEST(Strings, AddingAListToItselfAddsEachStringOnce) {
  TStringList S;
  S.SetSorted(true);
  S.SetDuplicates(dupAccept);
  S.SetText("b\na");
  S.AddStrings(S);
  EXPECT_EQ(Lines(S), (TLines{"a", "a", "b", "b"}));
}

TEST(Strings, EqualsComparesCountAndExactStrings) {
  TPlainStrings A, B;
  A.Items = {"x", "y"};
  B.Items = {"x", "y"};
  EXPECT_TRUE(A.Equals(B));
  B.Items = {"x", "Y"};
  EXPECT_FALSE(A.Equals(B));
  B.Items = {"x"};
  EXPECT_FALSE(A.Equals(B));
}

struct TextCase {
  const char* Name;
  std::string Text;
  TLines Lines;
  std::string Written;
};

class StringsText : public ::testing::TestWithParam<TextCase> {};

TEST_P(StringsText, SplitsAtEveryLineBreakAndWritesCrLf) {
  TStringList S;
  S.SetText(GetParam().Text);
  EXPECT_EQ(Lines(S), GetParam().Lines);
  EXPECT_EQ(S.Text(), GetParam().Written);
  TStringList Again;
  Again.SetText(S.Text());
  EXPECT_TRUE(Again.Equals(S));
}

INSTANTIATE_TEST_SUITE_P(
    Table, StringsText,
    ::testing::Values(
        TextCase{"Empty", "", {}, ""}, TextCase{"NoFinalBreak", "a", {"a"}, "a\r\n"},
        TextCase{"FinalBreakAddsNoLine", "a\r\n", {"a"}, "a\r\n"},
        TextCase{"LoneLineBreak", "\n", {""}, "\r\n"},
        TextCase{"EveryKindOfBreak", "a\rb\nc\r\nd", {"a", "b", "c", "d"}, "a\r\nb\r\nc\r\nd\r\n"},
        TextCase{"LfThenCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}, "a\r\n\r\nb\r\n"},
        TextCase{"CrThenCrLf", "a\r\r\nb", {"a", "", "b"}, "a\r\n\r\nb\r\n"},
        TextCase{"BlankLines", "\r\n\r\n", {"", ""}, "\r\n\r\n"},
        TextCase{"BytesKept",
                 std::string("\xE9\t\0z", 4),
                 {std::string("\xE9\t\0z", 4)},
                 std::string("\xE9\t\0z\r\n", 6)}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST(StringsStreams, LoadReadsFromThePositionToTheEnd) {
  TMemoryStream Stream;
  const std::string Data = "skip\r\none\ntwo";
  Stream.WriteBuffer(Data.data(), int64_t(Data.size()));
  Stream.SetPosition(6);
  TStringList S;
  S.LoadFromStream(Stream);
  EXPECT_EQ(Lines(S), (TLines{"one", "two"}));

  TMemoryStream Out;
  S.SaveToStream(Out);
  EXPECT_EQ(std::string(static_cast<const char*>(Out.Memory()), size_t(Out.Size())),
            "one\r\ntwo\r\n");
}

}  // namespace
