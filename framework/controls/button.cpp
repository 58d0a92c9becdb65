#include "framework/controls/button.h"

#include "framework/controls/custom_form.h"
#include "framework/win/window.h"

namespace framework {

const TClass& TButton::StaticClass() {
  return TClass::Describe<TButton>("TButton");
}

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle({csSetCaption, csDoubleClicks});
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

const TPropertyList& TButton::Published() {
  using C = TButton;
  static const TPropertyList List(
      TWinControl::Published(),
      Join({Property("Cancel", &C::Cancel, &C::SetCancel, false),
            Property("Caption", &C::Caption, &C::SetCaption, ""),
            Property("Default", &C::Default, &C::SetDefault, false),
            Property("Enabled", &C::Enabled, &C::SetEnabled, true),
            Property("Font", &C::Font).StoredIf(&C::IsFontStored),
            Property("ModalResult", &C::ModalResult, &C::SetModalResult, 0),
            Property("ParentFont", &C::ParentFont, &C::SetParentFont, true),
            Property("ShowHint", &C::ShowHint, &C::SetShowHint, false)
                .StoredIf(&C::IsShowHintStored),
            Property("TabOrder", &C::TabOrder, &C::SetTabOrder, -1),
            Property("TabStop", &C::TabStop, &C::SetTabStop, true),
            Property("Visible", &C::Visible, &C::SetVisible, true),
            Property("OnClick", &C::OnClick)},
           PublishedDragEvents(), PublishedFocusEvents(), PublishedKeyEvents(),
           PublishedMouseEvents()));
  return List;
}

void TButton::SetDefault(bool Value) {
  if (FDefault == Value) return;
  FDefault = Value;
  const TCustomForm* Form = GetParentForm(this);
  UpdateActive(Form ? Form->ActiveControl() : nullptr);
}

void TButton::UpdateActive(const TWinControl* Focused) {
  FActive = dynamic_cast<const TButton*>(Focused) ? Focused == this : FDefault;
  SetButtonStyle(FActive);
}

// The system button draws the default look for its BS_DEFPUSHBUTTON kind.
void TButton::SetButtonStyle(bool ADefault) {
  if (!HandleAllocated()) return;
  const HWND Wnd = Handle();
  const LONG_PTR Style = GetWindowLong(Wnd, GWL_STYLE);
  const LONG_PTR Kind = ADefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if ((Style & BS_TYPEMASK) == Kind) return;
  SetWindowLong(Wnd, GWL_STYLE, (Style & ~LONG_PTR(BS_TYPEMASK)) | Kind);
  Invalidate();
}

void TButton::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "BUTTON");
  Params.Style |= FActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND: return CNCommand(Message);
    case CM_DIALOGKEY: return CMDialogKey(Message);
    case CM_FOCUSCHANGED: return CMFocusChanged(Message);
    default: return TWinControl::WndProc(Message);
  }
}

void TButton::CNCommand(TMessage& Message) {
  if (HIWORD(Message.WParam) == BN_CLICKED) Click();
}

void TButton::CMDialogKey(TMessage& Message) {
  const bool Mine =
      (Message.WParam == VK_RETURN && FActive) || (Message.WParam == VK_ESCAPE && FCancel);
  if (!Mine || !KeyDataToShiftState(Message.LParam).Empty() || !CanFocus())
    return TWinControl::WndProc(Message);
  Click();
  Message.Result = 1;
}

void TButton::CMFocusChanged(TMessage& Message) {
  UpdateActive(reinterpret_cast<const TWinControl*>(Message.LParam));
  TWinControl::WndProc(Message);
}

}  // namespace framework
