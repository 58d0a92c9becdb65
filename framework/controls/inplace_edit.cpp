#include "framework/controls/inplace_edit.h"

#include "framework/controls/custom_grid.h"
#include "framework/rtl/guards.h"

namespace framework {

const TClass& TInplaceEdit::StaticClass() {
  return TClass::Describe<TInplaceEdit>("TInplaceEdit");
}

TInplaceEdit::TInplaceEdit(TCustomGrid* AGrid) : TCustomEdit(AGrid), FGrid(AGrid) {
  SetParentCtl3D(false);
  SetCtl3D(false);
  SetBorderStyle(bsNone);
  SetAutoSize(false);
  SetTabStop(false);
  SetVisible(false);
}

void TInplaceEdit::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style |= ES_AUTOHSCROLL;
}

void TInplaceEdit::Load(const std::string& Value, bool CanModify) {
  TFlagGuard Loading(FLoading, true);
  FLoaded = Value;
  SetReadOnly(!CanModify);
  SetText(Value);
  SelectAll();
}

void TInplaceEdit::Change() {
  TCustomEdit::Change();
  if (!FLoading) FGrid->UpdateText();
}

void TInplaceEdit::WndProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) return WMGetDlgCode(Message);
  TCustomEdit::WndProc(Message);
}

// Enter and Escape are the editor's; Tab is when the grid moves on Tab.
void TInplaceEdit::WMGetDlgCode(TMessage& Message) {
  TCustomEdit::WndProc(Message);
  Message.Result |= DLGC_WANTARROWS | DLGC_WANTALLKEYS;
  if (FGrid->Options().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
}

bool TInplaceEdit::LeavesCell(Word Key, TShiftState Shift) {
  const bool Ctrl = Shift.Contains(ssCtrl), Whole = SelLength() == int(Text().size());
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: return true;
    case VK_TAB: return FGrid->Options().Contains(goTabs);
    case VK_LEFT: return SelStart() == 0 && (SelLength() == 0 || Whole);
    case VK_RIGHT: return SelStart() + SelLength() == int(Text().size()) || Whole;
    case VK_HOME:
    case VK_END: return Ctrl;
    default: return false;
  }
}

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift) {
  TCustomEdit::KeyDown(Key, Shift);
  if (!LeavesCell(Key, Shift)) return;
  FGrid->KeyDown(Key, Shift);
  Key = 0;
}

void TInplaceEdit::KeyPress(char& Key) {
  TCustomEdit::KeyPress(Key);
  if (Key == '\r') {
    FGrid->SetEditorMode(false);
    Key = 0;
  } else if (Key == '\x1b') {
    if (Text() != FLoaded) SetText(FLoaded);
    SelectAll();
    FGrid->SetEditorMode(false);
    Key = 0;
  }
}

}  // namespace framework
