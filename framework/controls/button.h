#pragma once

#include "framework/controls/win_control.h"

namespace framework {

// What a button gives its form when clicked; 0 for none.
using TModalResult = int;

// A push button over the system "BUTTON" class. It clicks on a mouse click or the space bar (the
// window's BN_CLICKED, reflected as CN_COMMAND) and on the dialog keys its form hands round:
// Enter while it is the active button, Escape while it is a Cancel button. The active button is
// the focused one or, while the focus is on a control that is no button, the Default one; it
// shows the default-button look.
class TButton : public TWinControl {
  DECLARE_CLASS(TButton, TWinControl)

 public:
  explicit TButton(TComponent* AOwner);

  static const TPropertyList& Published();

  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }

  using TWinControl::Click;

 protected:
  void WndProc(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) override;

 private:
  // The focus moved to Focused (null for none): this button is active or not.
  void UpdateActive(const TWinControl* Focused);
  void SetButtonStyle(bool ADefault);

  void CNCommand(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  void CMFocusChanged(TMessage& Message);

  bool FDefault = false;
  bool FCancel = false;
  bool FActive = false;
  TModalResult FModalResult = 0;
};

}  // namespace framework
