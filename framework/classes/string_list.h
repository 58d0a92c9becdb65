#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/classes/event.h"
#include "framework/classes/strings.h"

namespace framework {

enum TDuplicates : uint8_t { dupIgnore, dupAccept, dupError };

// Strings in memory, optionally kept sorted (ignoring letter case, as the locale collates).
// OnChanging and OnChange come before and after every change, or once around a
// BeginUpdate/EndUpdate block.
class TStringList : public TStrings {
  DECLARE_CLASS(TStringList, TStrings)

 public:
  // On a sorted list, the string goes where Find puts it, and Duplicates decides about a string
  // the list holds already: dupIgnore returns its index, dupError raises EStringListError.
  int Add(const std::string& S) override;
  // Insert, SetStrings and Exchange place strings at chosen positions: on a sorted list they
  // raise EStringListError ("Operation not allowed on sorted string list").
  void Insert(int Index, const std::string& S) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  int IndexOf(std::string_view S) const override;

  // Binary search of a sorted list: True when S is there; Index is where it is (the first of
  // equal strings) or where it would go.
  bool Find(std::string_view S, int& Index) const;
  // Sorts an unsorted list; a sorted list is sorted already.
  virtual void Sort();

  bool Sorted() const { return FSorted; }
  // Switching on sorts the list.
  void SetSorted(bool Value);
  // Consulted only while the list is sorted.
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }

  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;

 protected:
  std::string Get(int Index) const override;
  int GetCount() const override { return int(FList.size()); }
  void Put(int Index, const std::string& S) override;
  void SetUpdateState(bool Updating) override;
  virtual void Changing();
  virtual void Changed();

 private:
  void CheckIndex(int Index) const;
  void CheckUnsorted() const;
  template <class F>
  void Change(F Modify);

  std::vector<std::string> FList;
  bool FSorted = false;
  TDuplicates FDuplicates = dupIgnore;
};

}  // namespace framework
