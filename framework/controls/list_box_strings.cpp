#include "framework/controls/list_box_strings.h"

#include "framework/classes/errors.h"
#include "framework/controls/custom_list_box.h"
#include "framework/rtl/string_functions.h"

namespace framework {

namespace {

// Where the window of a sorted list box puts S: after the strings that collate before it or
// equal to it.
int SortedPlace(const TStrings& Strings, const std::string& S) {
  int Low = 0, High = Strings.Count();
  while (Low < High) {
    const int Middle = (Low + High) / 2;
    if (AnsiCompareText(S, Strings.Strings(Middle)) < 0)
      High = Middle;
    else
      Low = Middle + 1;
  }
  return Low;
}

}  // namespace

const TClass& TListBoxStrings::StaticClass() {
  return TClass::Describe<TListBoxStrings>("TListBoxStrings");
}

bool TListBoxStrings::InWindow() const {
  return FListBox.HandleAllocated();
}

LRESULT TListBoxStrings::Send(UINT Msg, WPARAM WParam, LPARAM LParam) const {
  return FListBox.Perform(Msg, WParam, LParam);
}

std::string TListBoxStrings::Get(int Index) const {
  if (!InWindow()) return FListBox.FSaveItems.Strings(Index);
  const LRESULT Length = Send(LB_GETTEXTLEN, WPARAM(Index));
  if (Length < 0) IndexError(Index);
  std::string Text(size_t(Length) + 1, '\0');
  Send(LB_GETTEXT, WPARAM(Index), LPARAM(Text.data()));
  Text.resize(size_t(Length));
  return Text;
}

int TListBoxStrings::GetCount() const {
  if (!InWindow()) return FListBox.FSaveItems.Count();
  return int(Send(LB_GETCOUNT));
}

int TListBoxStrings::Add(const std::string& S) {
  if (InWindow()) return int(Send(LB_ADDSTRING, 0, LPARAM(S.c_str())));
  const int Index = FListBox.Sorted() ? SortedPlace(FListBox.FSaveItems, S) : Count();
  FListBox.FSaveItems.Insert(Index, S);
  if (FListBox.FSaveIndex >= Index) ++FListBox.FSaveIndex;
  return Index;
}

void TListBoxStrings::Insert(int Index, const std::string& S) {
  if (FListBox.Sorted()) throw EStringListError("Operation not allowed on sorted string list");
  if (Index < 0 || Index > Count()) IndexError(Index);
  if (InWindow()) {
    Send(LB_INSERTSTRING, WPARAM(Index), LPARAM(S.c_str()));
    return;
  }
  FListBox.FSaveItems.Insert(Index, S);
  if (FListBox.FSaveIndex >= Index) ++FListBox.FSaveIndex;
}

void TListBoxStrings::Delete(int Index) {
  if (InWindow()) {
    if (Send(LB_DELETESTRING, WPARAM(Index)) == LB_ERR) IndexError(Index);
    return;
  }
  FListBox.FSaveItems.Delete(Index);
  int& Selected = FListBox.FSaveIndex;
  if (Selected == Index)
    Selected = -1;
  else if (Selected > Index)
    --Selected;
}

void TListBoxStrings::Clear() {
  if (InWindow()) {
    Send(LB_RESETCONTENT);
    return;
  }
  FListBox.FSaveItems.Clear();
  FListBox.FSaveIndex = -1;
  FListBox.FSaveTop = 0;
}

}  // namespace framework
