#include "incsearch/prefix_index.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>

#include "framework/rtl/string_functions.h"

namespace tarvex {

namespace {

// Byte order, as unsigned bytes: the order in which keys sharing a prefix stand together.
bool Less(std::string_view A, std::string_view B) {
  return std::lexicographical_compare(A.begin(), A.end(), B.begin(), B.end(),
                                      [](char X, char Y) { return uint8_t(X) < uint8_t(Y); });
}

}  // namespace

void TPrefixIndex::Build(const std::vector<std::string>& Entries) {
  FKeys.clear();
  FKeys.reserve(Entries.size());
  for (const std::string& Entry : Entries) FKeys.push_back(framework::UpperCase(Entry));
  FOrder.resize(Entries.size());
  std::iota(FOrder.begin(), FOrder.end(), 0);
  std::stable_sort(FOrder.begin(), FOrder.end(),
                   [this](int A, int B) { return Less(FKeys[size_t(A)], FKeys[size_t(B)]); });
  const size_t N = FOrder.size();
  FTree.assign(2 * N, 0);
  std::copy(FOrder.begin(), FOrder.end(), FTree.begin() + std::ptrdiff_t(N));
  for (size_t I = N - 1; I > 0 && N > 1; --I) FTree[I] = std::min(FTree[2 * I], FTree[2 * I + 1]);
}

int TPrefixIndex::FirstInRange(int From, int To) const {
  const int N = Count();
  int Best = N;
  for (int L = From + N, R = To + N; L < R; L /= 2, R /= 2) {
    if (L & 1) Best = std::min(Best, FTree[size_t(L++)]);
    if (R & 1) Best = std::min(Best, FTree[size_t(--R)]);
  }
  return Best;
}

int TPrefixIndex::SharedLength(int Position, std::string_view Key) const {
  const std::string& Entry = FKeys[size_t(FOrder[size_t(Position)])];
  const size_t Most = std::min(Entry.size(), Key.size());
  size_t Shared = 0;
  while (Shared < Most && Entry[Shared] == Key[Shared]) ++Shared;
  return int(Shared);
}

// The longest shared prefix is found next to where the text would stand in key order; the entries
// that share that much form one run in key order, whose first in list order is the answer.
int TPrefixIndex::Find(std::string_view Text, int& Length) const {
  Length = 0;
  if (FOrder.empty()) return -1;
  const std::string Key = framework::UpperCase(Text);
  const auto KeyAt = [this](int Index) -> std::string_view { return FKeys[size_t(Index)]; };
  const int At = int(std::partition_point(FOrder.begin(), FOrder.end(),
                                          [&](int I) { return Less(KeyAt(I), Key); }) -
                     FOrder.begin());
  if (At < Count()) Length = SharedLength(At, Key);
  if (At > 0) Length = std::max(Length, SharedLength(At - 1, Key));
  if (Length == 0) return 0;
  const std::string_view Prefix = std::string_view(Key).substr(0, size_t(Length));
  const auto Begins = [&](int I) { return KeyAt(I).substr(0, Prefix.size()) == Prefix; };
  const auto First = std::partition_point(
      FOrder.begin(), FOrder.end(), [&](int I) { return !Begins(I) && Less(KeyAt(I), Prefix); });
  const auto Last = std::partition_point(First, FOrder.end(), Begins);
  return FirstInRange(int(First - FOrder.begin()), int(Last - FOrder.begin()));
}

}  // namespace tarvex
