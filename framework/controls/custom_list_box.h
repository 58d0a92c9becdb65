#pragma once

#include <memory>

#include "framework/classes/string_list.h"
#include "framework/controls/border_style.h"
#include "framework/controls/list_box_strings.h"
#include "framework/controls/win_control.h"

namespace framework {

// A column of strings over the system LISTBOX class, at most one of them selected. The strings,
// the selection and the top row live in the window while there is one, and in the control while
// there is not, so a re-created window comes back as it was. A selection the user makes fires
// OnClick; a double click fires OnDblClick.
class TCustomListBox : public TWinControl {
  DECLARE_CLASS(TCustomListBox, TWinControl)

 public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

  TStrings* Items() const { return FItems.get(); }
  void SetItems(const TStrings* Value) { FItems->Assign(Value); }
  void Clear() { FItems->Clear(); }

  // -1 for none; an index outside the items selects none.
  int ItemIndex() const;
  void SetItemIndex(int Value);
  int TopIndex() const;
  // Kept inside the items: the last rows stay filled.
  void SetTopIndex(int Value);
  // The font's height until set; raises EInvalidOperation outside 1..255.
  int ItemHeight() const;
  void SetItemHeight(int Value);
  // Switching on sorts the items; the selected string stays selected.
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  // The item at a client point, or -1 outside the client area. Below the last item: -1 when
  // Existing, else Items()->Count(). These need the window: without a parent window they raise
  // EInvalidOperation.
  int ItemAtPos(TPoint Pos, bool Existing);
  // The empty rectangle for an index outside the items.
  TRect ItemRect(int Index);

 protected:
  void WndProc(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;

  bool IsItemHeightStored() const { return FItemHeight != 0; }

 private:
  LRESULT ListMessage(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  void SortSavedItems();

  void CNCommand(TMessage& Message);
  void CMCtl3DChanged(TMessage& Message);

  std::unique_ptr<TListBoxStrings> FItems;
  int FItemHeight = 0;
  bool FSorted = false;
  TBorderStyle FBorderStyle = bsSingle;
  // The window's state while there is no window.
  TStringList FSaveItems;
  int FSaveIndex = -1;
  int FSaveTop = 0;

  friend class TListBoxStrings;
};

}  // namespace framework
