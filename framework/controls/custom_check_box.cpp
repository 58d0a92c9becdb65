#include "framework/controls/custom_check_box.h"

#include "framework/rtl/exceptions.h"

namespace framework {

const TTypeInfo& EnumTypeInfo(TCheckBoxState) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"});
  return Info;
}

const TClass& TCustomCheckBox::StaticClass() {
  return TClass::Describe<TCustomCheckBox>("TCustomCheckBox");
}

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle({csSetCaption, csDoubleClicks});
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
}

// The window's check follows the state: BM_SETCHECK takes the state's number.
void TCustomCheckBox::SetState(TCheckBoxState Value) {
  if (FState == Value) return;
  FState = Value;
  if (HandleAllocated()) Perform(BM_SETCHECK, FState);
  Click();
}

void TCustomCheckBox::SetAlignment(TAlignment Value) {
  if (Value == taCenter) throw EInvalidOperation("A check box's caption is left or right of it");
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TCustomCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked: return SetState(FAllowGrayed ? cbGrayed : cbChecked);
    case cbChecked: return SetState(cbUnchecked);
    case cbGrayed: return SetState(cbChecked);
  }
}

// A three-state kind that never changes its own check, so that the state stays the control's.
void TCustomCheckBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "BUTTON");
  Params.Style |= BS_3STATE;
  if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWnd() {
  TWinControl::CreateWnd();
  Perform(BM_SETCHECK, FState);
}

void TCustomCheckBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND: return CNCommand(Message);
    default: return TWinControl::WndProc(Message);
  }
}

void TCustomCheckBox::CNCommand(TMessage& Message) {
  if (HIWORD(Message.WParam) == BN_CLICKED) Toggle();
}

}  // namespace framework
