#include "framework/controls/custom_edit.h"

#include <algorithm>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/guards.h"
#include "framework/win/system_metrics.h"
#include "framework/win/window.h"

namespace framework {

const TTypeInfo& EnumTypeInfo(TEditCharCase) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TEditCharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"});
  return Info;
}

const TClass& TCustomEdit::StaticClass() {
  return TClass::Describe<TCustomEdit>("TCustomEdit");
}

// The edit takes the mouse capture itself while the user drags a selection.
TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle({csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight});
  SetBounds(0, 0, 121, 25);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  AdjustHeight();
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "EDIT");
  Params.Style |= ES_AUTOHSCROLL;
  if (FCharCase == ecUpperCase) Params.Style |= ES_UPPERCASE;
  if (FCharCase == ecLowerCase) Params.Style |= ES_LOWERCASE;
  if (FReadOnly) Params.Style |= ES_READONLY;
  if (!FHideSelection) Params.Style |= ES_NOHIDESEL;
  AddControlBorderStyle(Params, FBorderStyle, Ctl3D());
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  EditMessage(EM_LIMITTEXT, WPARAM(FMaxLength));
  EditMessage(EM_SETMODIFY, FModified);
  EditMessage(EM_SETSEL, WPARAM(FSelAnchor), LPARAM(FSelCaret));
  AdjustHeight();
}

void TCustomEdit::DestroyWnd() {
  FModified = Modified();
  GetSel(FSelAnchor, FSelCaret);
  TWinControl::DestroyWnd();
}

LRESULT TCustomEdit::EditMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  HandleNeeded();
  return Perform(Msg, WParam, LParam);
}

void TCustomEdit::GetSel(int& Start, int& End) const {
  if (!HandleAllocated()) {
    const int Length = int(Text().size());
    Start = std::min({FSelAnchor, FSelCaret, Length});
    End = std::min(std::max(FSelAnchor, FSelCaret), Length);
    return;
  }
  DWORD SelStart = 0, SelEnd = 0;
  const_cast<TCustomEdit*>(this)->Perform(EM_GETSEL, WPARAM(&SelStart), LPARAM(&SelEnd));
  Start = int(SelStart);
  End = int(SelEnd);
}

void TCustomEdit::SetSel(int Anchor, int Caret) {
  if (!HandleAllocated()) {
    const int Length = int(Text().size());
    FSelAnchor = std::clamp(Anchor, 0, Length);
    FSelCaret = std::clamp(Caret, 0, Length);
    return;
  }
  Perform(EM_SETSEL, WPARAM(std::max(Anchor, 0)), LPARAM(std::max(Caret, 0)));
}

int TCustomEdit::SelStart() const {
  int Start, End;
  GetSel(Start, End);
  return Start;
}

void TCustomEdit::SetSelStart(int Value) {
  SetSel(Value, Value);
}

int TCustomEdit::SelLength() const {
  int Start, End;
  GetSel(Start, End);
  return End - Start;
}

void TCustomEdit::SetSelLength(int Value) {
  const int Start = SelStart();
  SetSel(Start, Start + Value);
}

std::string TCustomEdit::SelText() const {
  int Start, End;
  GetSel(Start, End);
  return Text().substr(size_t(Start), size_t(End - Start));
}

void TCustomEdit::SetSelText(const std::string& Value) {
  EditMessage(EM_REPLACESEL, 0, LPARAM(Value.c_str()));
}

void TCustomEdit::SelectAll() {
  SetSel(0, int(Text().size()));
}

void TCustomEdit::ClearSelection() {
  EditMessage(WM_CLEAR);
}

void TCustomEdit::CopyToClipboard() {
  EditMessage(WM_COPY);
}

void TCustomEdit::CutToClipboard() {
  EditMessage(WM_CUT);
}

void TCustomEdit::PasteFromClipboard() {
  EditMessage(WM_PASTE);
}

void TCustomEdit::Undo() {
  EditMessage(EM_UNDO);
}

bool TCustomEdit::CanUndo() {
  return EditMessage(EM_CANUNDO) != 0;
}

void TCustomEdit::ClearUndo() {
  EditMessage(EM_EMPTYUNDOBUFFER);
}

void TCustomEdit::SetMaxLength(int Value) {
  if (Value < 0) throw EInvalidOperation("Invalid MaxLength (" + std::to_string(Value) + ")");
  FMaxLength = Value;
  if (HandleAllocated()) Perform(EM_LIMITTEXT, WPARAM(Value));
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
  if (FCharCase == Value) return;
  FCharCase = Value;
  RecreateWnd();
}

void TCustomEdit::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  AdjustHeight();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  CheckControlBorderStyle(Value);
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
  AdjustHeight();
}

void TCustomEdit::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  if (HandleAllocated()) Perform(EM_SETREADONLY, Value);
}

void TCustomEdit::SetHideSelection(bool Value) {
  if (FHideSelection == Value) return;
  FHideSelection = Value;
  RecreateWnd();
}

bool TCustomEdit::Modified() const {
  if (!HandleAllocated()) return FModified;
  return const_cast<TCustomEdit*>(this)->Perform(EM_GETMODIFY) != 0;
}

void TCustomEdit::SetModified(bool Value) {
  FModified = Value;
  if (HandleAllocated()) Perform(EM_SETMODIFY, Value);
}

// A bordered edit is as high as a line of its font with the frame and a margin around it.
void TCustomEdit::AdjustHeight() {
  if (!FAutoSize || FBorderStyle != bsSingle) return;
  const int Border = GetSystemMetrics(SM_CYBORDER) * (Ctl3D() ? 8 : 6);
  SetHeight(Font()->Face().Height() + Border);
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: return WMLButtonDown(Message);
    case CN_COMMAND: return CNCommand(Message);
    case CM_ENTER: return CMEnter(Message);
    case CM_FONTCHANGED: return CMFontChanged(Message);
    case CM_CTL3DCHANGED: return CMCtl3DChanged(Message);
    default: return TWinControl::WndProc(Message);
  }
}

// A press that focuses the edit leaves the selection to the press, not to AutoSelect.
void TCustomEdit::WMLButtonDown(TMessage& Message) {
  SetControlState(ControlState() + TControlState{csLButtonDown});
  TScopeExit Pressed([this] { SetControlState(ControlState() - TControlState{csLButtonDown}); });
  TWinControl::WndProc(Message);
}

void TCustomEdit::CNCommand(TMessage& Message) {
  if (HIWORD(Message.WParam) == EN_CHANGE && !ControlState().Contains(csCreating)) Change();
}

// A multi-line edit keeps its caret where it was.
void TCustomEdit::CMEnter(TMessage& Message) {
  const bool MultiLine = HandleAllocated() && (GetWindowLong(Handle(), GWL_STYLE) & ES_MULTILINE);
  if (FAutoSelect && !ControlState().Contains(csLButtonDown) && !MultiLine) SelectAll();
  TWinControl::WndProc(Message);
}

void TCustomEdit::CMFontChanged(TMessage& Message) {
  TWinControl::WndProc(Message);
  AdjustHeight();
}

void TCustomEdit::CMCtl3DChanged(TMessage& Message) {
  TWinControl::WndProc(Message);
  if (FBorderStyle == bsSingle) RecreateWnd();
  AdjustHeight();
}

}  // namespace framework
