#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

// Answers, for a search text, what a scan of a string list in list order finds: the first entry
// that shares the most leading characters with the text, letters a to z compared upper-cased and
// every other byte as it is (entry 0 when no entry shares even the first character). The entries
// are kept ordered by their upper-cased bytes, with a tree of list positions over that order, so
// an answer costs O(log n) comparisons instead of a pass over every entry.
class TPrefixIndex {
 public:
  TPrefixIndex() = default;
  explicit TPrefixIndex(const std::vector<std::string>& Entries) { Build(Entries); }

  void Build(const std::vector<std::string>& Entries);
  int Count() const { return int(FOrder.size()); }

  // The entry's list index, -1 for an empty list; Length gets the count of shared characters.
  int Find(std::string_view Text, int& Length) const;

 private:
  // The list index of the first entry among the ordered positions From..To - 1.
  int FirstInRange(int From, int To) const;
  int SharedLength(int Position, std::string_view Key) const;

  // Upper-cased entries in list order; list indexes in key order; the minimum-index tree.
  std::vector<std::string> FKeys;
  std::vector<int> FOrder;
  std::vector<int> FTree;
};

}  // namespace tarvex
