#pragma once

#include <string>

#include "framework/controls/custom_edit.h"

namespace framework {

class TCustomGrid;

// The editor a grid shows over its current cell: a borderless edit, a child of the grid, that
// hands the grid the keys that leave the cell (Up, Down, Page Up/Down, Tab with goTabs, Left at
// the start and Right at the end of the text, Ctrl+Home and Ctrl+End), gives the grid each
// change the user makes, and on Escape takes back the text the cell had.
class TInplaceEdit : public TCustomEdit {
  DECLARE_CLASS(TInplaceEdit, TCustomEdit)

 public:
  explicit TInplaceEdit(TCustomGrid* AGrid);

  TCustomGrid* Grid() const { return FGrid; }
  // Takes a cell's text without reporting it back as a change, all of it selected.
  void Load(const std::string& Value, bool CanModify);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Change() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;

 private:
  bool LeavesCell(Word Key, TShiftState Shift);
  void WMGetDlgCode(TMessage& Message);

  TCustomGrid* FGrid;
  std::string FLoaded;
  bool FLoading = false;
};

}  // namespace framework
