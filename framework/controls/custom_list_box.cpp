#include "framework/controls/custom_list_box.h"

#include <algorithm>
#include <vector>

#include "framework/controls/border_style.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/string_functions.h"

namespace framework {

const TClass& TCustomListBox::StaticClass() {
  return TClass::Describe<TCustomListBox>("TCustomListBox");
}

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(std::make_unique<TListBoxStrings>(*this)) {
  SetControlStyle({csSetCaption, csDoubleClicks});
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "LISTBOX");
  Params.Style |= LBS_NOTIFY | LBS_HASSTRINGS | WS_VSCROLL;
  if (FSorted) Params.Style |= LBS_SORT;
  AddControlBorderStyle(Params, FBorderStyle, Ctl3D());
}

// The saved strings are in the window's order already: a sorted window places them the same.
void TCustomListBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (FItemHeight) Perform(LB_SETITEMHEIGHT, 0, FItemHeight);
  for (int I = 0; I < FSaveItems.Count(); ++I)
    Perform(LB_ADDSTRING, 0, LPARAM(FSaveItems.Strings(I).c_str()));
  Perform(LB_SETCURSEL, WPARAM(FSaveIndex));
  Perform(LB_SETTOPINDEX, WPARAM(FSaveTop));
  FSaveItems.Clear();
  FSaveIndex = -1;
  FSaveTop = 0;
}

void TCustomListBox::DestroyWnd() {
  FSaveItems.Assign(FItems.get());
  FSaveIndex = ItemIndex();
  FSaveTop = TopIndex();
  TWinControl::DestroyWnd();
}

LRESULT TCustomListBox::ListMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  HandleNeeded();
  return Perform(Msg, WParam, LParam);
}

int TCustomListBox::ItemIndex() const {
  if (!HandleAllocated()) return FSaveIndex;
  return int(const_cast<TCustomListBox*>(this)->Perform(LB_GETCURSEL));
}

void TCustomListBox::SetItemIndex(int Value) {
  if (HandleAllocated()) {
    Perform(LB_SETCURSEL, WPARAM(Value));
    return;
  }
  FSaveIndex = Value >= 0 && Value < FSaveItems.Count() ? Value : -1;
}

int TCustomListBox::TopIndex() const {
  if (!HandleAllocated()) return FSaveTop;
  return int(const_cast<TCustomListBox*>(this)->Perform(LB_GETTOPINDEX));
}

void TCustomListBox::SetTopIndex(int Value) {
  if (HandleAllocated()) {
    Perform(LB_SETTOPINDEX, WPARAM(Value));
    return;
  }
  FSaveTop = std::clamp(Value, 0, std::max(FSaveItems.Count() - 1, 0));
}

int TCustomListBox::ItemHeight() const {
  if (HandleAllocated()) return int(const_cast<TCustomListBox*>(this)->Perform(LB_GETITEMHEIGHT));
  return FItemHeight ? FItemHeight : std::max(1, Font()->Face().Height());
}

void TCustomListBox::SetItemHeight(int Value) {
  if (Value < 1 || Value > 255)
    throw EInvalidOperation("Invalid ItemHeight (" + std::to_string(Value) + ")");
  FItemHeight = Value;
  if (HandleAllocated()) Perform(LB_SETITEMHEIGHT, 0, Value);
}

void TCustomListBox::SetSorted(bool Value) {
  if (FSorted == Value) return;
  const int Selected = ItemIndex();
  const std::string SelectedText = Selected >= 0 ? FItems->Strings(Selected) : "";
  FSorted = Value;
  RecreateWnd();
  if (!HandleAllocated() && FSorted) SortSavedItems();
  if (Selected < 0) return;
  for (int I = 0; I < FItems->Count(); ++I)
    if (FItems->Strings(I) == SelectedText) return SetItemIndex(I);
}

// In the order a sorted window gives strings added one by one: equal ones keep their order.
void TCustomListBox::SortSavedItems() {
  std::vector<std::string> Strings;
  for (int I = 0; I < FSaveItems.Count(); ++I) Strings.push_back(FSaveItems.Strings(I));
  std::stable_sort(Strings.begin(), Strings.end(), [](const std::string& A, const std::string& B) {
    return AnsiCompareText(A, B) < 0;
  });
  FSaveItems.Clear();
  for (const std::string& S : Strings) FSaveItems.Add(S);
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  CheckControlBorderStyle(Value);
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

int TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) {
  const LRESULT Found = ListMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(Pos.X, Pos.Y));
  if (!ClientRect().Contains(Pos)) return -1;
  if (HIWORD(uintptr_t(Found)) == 0) return LOWORD(uintptr_t(Found));
  return Existing ? -1 : FItems->Count();
}

TRect TCustomListBox::ItemRect(int Index) {
  TRect R;
  if (ListMessage(LB_GETITEMRECT, WPARAM(Index), LPARAM(&R)) == LB_ERR) return TRect();
  return R;
}

void TCustomListBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND: return CNCommand(Message);
    case CM_CTL3DCHANGED: return CMCtl3DChanged(Message);
    default: return TWinControl::WndProc(Message);
  }
}

void TCustomListBox::CNCommand(TMessage& Message) {
  switch (HIWORD(Message.WParam)) {
    case LBN_SELCHANGE: return Click();
    case LBN_DBLCLK: return DblClick();
    default: return;
  }
}

void TCustomListBox::CMCtl3DChanged(TMessage& Message) {
  TWinControl::WndProc(Message);
  if (FBorderStyle == bsSingle) RecreateWnd();
}

}  // namespace framework
