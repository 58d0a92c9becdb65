#pragma once

#include <cstdint>

#include "framework/controls/alignment.h"
#include "framework/controls/win_control.h"

namespace framework {

enum TCheckBoxState : uint8_t { cbUnchecked, cbChecked, cbGrayed };
const TTypeInfo& EnumTypeInfo(TCheckBoxState);

// A check box over the system "BUTTON" class. The state lives in the control and the window only
// shows it: a click (the window's BN_CLICKED, reflected as CN_COMMAND) calls Toggle, which a
// descendant may refuse or redirect, and every change of the state, the user's or the
// program's, fires Click.
class TCustomCheckBox : public TWinControl {
  DECLARE_CLASS(TCustomCheckBox, TWinControl)

 public:
  explicit TCustomCheckBox(TComponent* AOwner);

  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
  // Whether a click goes through the grayed state; the program may set it either way.
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  // The caption's side of the box: taRightJustify (the default) or taLeftJustify. Raises
  // EInvalidOperation for taCenter.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

 protected:
  void WndProc(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  // The state a click moves on to: unchecked, grayed when allowed, checked, unchecked again.
  virtual void Toggle();

 private:
  void CNCommand(TMessage& Message);

  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
  TAlignment FAlignment = taRightJustify;
};

}  // namespace framework
