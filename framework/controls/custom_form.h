#pragma once

#include <cstdint>

#include "framework/controls/win_control.h"

namespace framework {

enum TFormBorderStyle : uint8_t { bsNone, bsSingle, bsSizeable, bsDialog };
const TTypeInfo& EnumTypeInfo(TFormBorderStyle);

enum TFormStyle : uint8_t { fsNormal, fsStayOnTop };
const TTypeInfo& EnumTypeInfo(TFormStyle);

enum TCloseAction : uint8_t { caNone, caHide, caFree };
using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;

// A top-level window that holds controls and keeps the keyboard focus among them: the control
// that has it is the ActiveControl, and every focus change tells the controls left and entered
// (CM_EXIT up from the old control to the common parent, CM_ENTER down to the new one). It also
// takes the navigation keys its controls do not want (Tab, Shift+Tab, arrows) and hands Enter
// and Escape to its controls (CM_DIALOGKEY), so that a default or a cancel button can answer.
class TCustomForm : public TWinControl {
  DECLARE_CLASS(TCustomForm, TWinControl)

 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  TWinControl* ActiveControl() const { return FActiveControl; }
  // Raises EInvalidOperation for a control of another form or one that cannot take the focus.
  void SetActiveControl(TWinControl* Control);
  // Called when Control's window got the focus; answers false when a CM_EXIT or CM_ENTER handler
  // moved the focus elsewhere meanwhile.
  bool SetFocusedControl(TWinControl* Control);
  void FocusControl(TWinControl* Control);
  // Control is going (Removing) or can no longer take the focus: the form forgets it.
  void DefocusControl(TWinControl* Control, bool Removing);
  // Called when a window of the form loses the focus to NewFocus.
  void FocusLeaving(HWND NewFocus);
  // CM_CANCELMODE to the active control (Sender: the control that asks, or null): a mouse press
  // elsewhere or a popup of the application closes what the active control has open.
  void SendCancelMode(TControl* Sender);
  bool Active() const { return FActive; }

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }

  // Visible and brought to the front (and so activated).
  void Show();
  void Hide() { SetVisible(false); }
  // Asks OnClose what to do (hide, unless it says otherwise); caFree frees the form once the
  // messages posted before are handled.
  void Close();
  void Release();

  bool CanFocus() const override;
  // Raises EInvalidOperation for a form that is hidden or disabled.
  void SetFocus() override;
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TCloseEvent OnClose;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Loaded() override;

  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);

 private:
  void SetWindowFocus();
  void UpdateShowing();

  void WMActivate(TMessage& Message);
  void WMSetFocus(TMessage& Message);
  void WMClose(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  void CMVisibleChanged(TMessage& Message);
  void CMRelease(TMessage& Message);

  TWinControl* FActiveControl = nullptr;
  // The innermost control that has been entered: CM_EXIT and CM_ENTER run from here.
  TWinControl* FFocusedControl = nullptr;
  bool FActive = false;
  int FFocusCount = 0;
  TFormBorderStyle FBorderStyle = bsSizeable;
  TFormStyle FFormStyle = fsNormal;
  bool FKeyPreview = false;
};

// The form that holds Control (itself, for a form), or nullptr.
TCustomForm* GetParentForm(const TControl* Control);

}  // namespace framework
