#include "framework/classes/string_list.h"

#include <algorithm>

#include "framework/classes/errors.h"
#include "framework/rtl/string_functions.h"

namespace framework {

const TClass& TStringList::StaticClass() {
  return TClass::Describe<TStringList>("TStringList");
}

int TStringList::Add(const std::string& S) {
  int Index = Count();
  if (FSorted && Find(S, Index)) {
    if (FDuplicates == dupIgnore) return Index;
    if (FDuplicates == dupError) throw EStringListError("String list does not allow duplicates");
  }
  Change([&] { FList.insert(FList.begin() + Index, S); });
  return Index;
}

void TStringList::Insert(int Index, const std::string& S) {
  CheckUnsorted();
  if (Index < 0 || Index > Count()) IndexError(Index);
  Change([&] { FList.insert(FList.begin() + Index, S); });
}

void TStringList::Delete(int Index) {
  CheckIndex(Index);
  Change([&] { FList.erase(FList.begin() + Index); });
}

void TStringList::Clear() {
  if (FList.empty()) return;
  Change([&] { FList.clear(); });
}

void TStringList::Exchange(int Index1, int Index2) {
  CheckUnsorted();
  CheckIndex(Index1);
  CheckIndex(Index2);
  Change([&] { std::swap(FList[size_t(Index1)], FList[size_t(Index2)]); });
}

int TStringList::IndexOf(std::string_view S) const {
  if (!FSorted) return TStrings::IndexOf(S);
  int Index;
  return Find(S, Index) ? Index : -1;
}

bool TStringList::Find(std::string_view S, int& Index) const {
  int Low = 0;
  int High = Count();
  while (Low < High) {
    const int Middle = Low + (High - Low) / 2;
    if (AnsiCompareText(FList[size_t(Middle)], S) < 0)
      Low = Middle + 1;
    else
      High = Middle;
  }
  Index = Low;
  return Low < Count() && AnsiCompareText(FList[size_t(Low)], S) == 0;
}

void TStringList::Sort() {
  if (FSorted || FList.size() < 2) return;
  Change([&] {
    std::stable_sort(FList.begin(), FList.end(), [](const std::string& A, const std::string& B) {
      return AnsiCompareText(A, B) < 0;
    });
  });
}

void TStringList::SetSorted(bool Value) {
  if (FSorted == Value) return;
  if (Value) Sort();
  FSorted = Value;
}

std::string TStringList::Get(int Index) const {
  CheckIndex(Index);
  return FList[size_t(Index)];
}

void TStringList::Put(int Index, const std::string& S) {
  CheckUnsorted();
  CheckIndex(Index);
  Change([&] { FList[size_t(Index)] = S; });
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating)
    Changing();
  else
    Changed();
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
}

void TStringList::CheckUnsorted() const {
  if (FSorted) throw EStringListError("Operation not allowed on sorted string list");
}

template <class F>
void TStringList::Change(F Modify) {
  Changing();
  Modify();
  Changed();
}

}  // namespace framework
