#pragma once

#include <string>

#include "framework/classes/strings.h"
#include "framework/win/messages.h"

namespace framework {

class TCustomListBox;

// The Items of a list box: the strings of its window while it has one, the list box's saved
// strings while it has none. A sorted list box places each added string itself; Insert, and so
// SetStrings, raise EStringListError on it as on a sorted string list.
class TListBoxStrings : public TStrings {
  DECLARE_CLASS(TListBoxStrings, TStrings)

 public:
  explicit TListBoxStrings(TCustomListBox& ListBox) : FListBox(ListBox) {}

  int Add(const std::string& S) override;
  void Insert(int Index, const std::string& S) override;
  void Delete(int Index) override;
  void Clear() override;

 protected:
  std::string Get(int Index) const override;
  int GetCount() const override;

 private:
  bool InWindow() const;
  LRESULT Send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) const;

  TCustomListBox& FListBox;
};

}  // namespace framework
