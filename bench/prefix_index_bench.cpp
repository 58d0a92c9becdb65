#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "tarvex.h"

namespace {

using tarvex::TPrefixIndex;

// Entries of 4 to 12 letters, mixed case, and search texts typed as prefixes of some of them.
std::vector<std::string> Entries(size_t Count) {
  std::mt19937 Random(42);
  std::vector<std::string> Result(Count);
  for (std::string& S : Result) {
    S.resize(4 + Random() % 9);
    for (char& C : S) C = char((Random() % 2 ? 'a' : 'A') + Random() % 26);
  }
  return Result;
}

std::vector<std::string> Texts(const std::vector<std::string>& From) {
  std::vector<std::string> Result;
  for (size_t I = 0; I < 64; ++I) Result.push_back(From[I * 7919 % From.size()].substr(0, 3));
  return Result;
}

// The index's answer for a typed prefix.
void BM_PrefixIndexFind(benchmark::State& State) {
  const auto List = Entries(size_t(State.range(0)));
  const TPrefixIndex Index(List);
  const auto Searched = Texts(List);
  size_t I = 0;
  for (auto _ : State) {
    int Length;
    benchmark::DoNotOptimize(Index.Find(Searched[I++ % Searched.size()], Length));
  }
}
BENCHMARK(BM_PrefixIndexFind)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000);

// The baseline: a case-insensitive lower_bound over the same strings, sorted upper-cased.
void BM_CaseInsensitiveLowerBound(benchmark::State& State) {
  auto List = Entries(size_t(State.range(0)));
  for (std::string& S : List) S = framework::UpperCase(S);
  std::sort(List.begin(), List.end());
  auto Searched = Texts(List);
  size_t I = 0;
  for (auto _ : State) {
    const std::string Key = framework::UpperCase(Searched[I++ % Searched.size()]);
    benchmark::DoNotOptimize(std::lower_bound(List.begin(), List.end(), Key));
  }
}
BENCHMARK(BM_CaseInsensitiveLowerBound)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000);

}  // namespace
