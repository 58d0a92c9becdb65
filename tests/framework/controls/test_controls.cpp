#include "tests/framework/controls/test_controls.h"

#include "framework/win/window_class.h"

namespace controls_test {

namespace {

LRESULT SystemProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  SystemMessages().push_back({Wnd, Msg, W});
  if (Msg == WM_GETDLGCODE) return DLGC_WANTCHARS;
  return DefWindowProc(Wnd, Msg, W, L);
}

}  // namespace

std::vector<std::string>& Notices() {
  static std::vector<std::string> List;
  return List;
}

std::vector<TSystemMessage>& SystemMessages() {
  static std::vector<TSystemMessage> List;
  return List;
}

void RegisterTestClasses() {
  static const bool Done = [] {
    RegisterClass({0, &SystemProc, IDC_IBEAM, clWindow, "TestSystem"});
    RegisterClass(TForm::StaticClass());
    RegisterClass(TTestControl::StaticClass());
    RegisterClass(TTestPanel::StaticClass());
    return true;
  }();
  (void)Done;
}

const TClass& TTestControl::StaticClass() {
  return TClass::Describe<TTestControl>("TTestControl");
}

const TPropertyList& TTestControl::Published() {
  using C = TTestControl;
  static const TPropertyList List(
      TCustomControl::Published(),
      Join({Property("Caption", &C::Caption, &C::SetCaption, ""),
            Property("Color", &C::Color, &C::SetColor, clWindow).StoredIf(&C::IsColorStored),
            Property("Ctl3D", &C::Ctl3D, &C::SetCtl3D, true).StoredIf(&C::IsCtl3DStored),
            Property("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag),
            Property("DragMode", &C::DragMode, &C::SetDragMode, dmManual),
            Property("Enabled", &C::Enabled, &C::SetEnabled, true),
            Property("Font", &C::Font).StoredIf(&C::IsFontStored),
            Property("ParentColor", &C::ParentColor, &C::SetParentColor, true),
            Property("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D, true),
            Property("ParentFont", &C::ParentFont, &C::SetParentFont, true),
            Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true),
            Property("PopupMenu", &C::PopupMenu, &C::SetPopupMenu),
            Property("ShowHint", &C::ShowHint, &C::SetShowHint, false)
                .StoredIf(&C::IsShowHintStored),
            Property("TabOrder", &C::TabOrder, &C::SetTabOrder, -1),
            Property("TabStop", &C::TabStop, &C::SetTabStop, true),
            Property("Visible", &C::Visible, &C::SetVisible, true),
            Property("OnClick", &C::OnClick), Property("OnDblClick", &C::OnDblClick)},
           PublishedFocusEvents(), PublishedKeyEvents(), PublishedMouseEvents()));
  return List;
}

TTestControl::TTestControl(TComponent* AOwner) : TCustomControl(AOwner) {
  SetTabStop(true);
  SetBounds(0, 0, 60, 20);
}

void TTestControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_ENTER: Notices().push_back(Name() + ":CM_ENTER"); break;
    case CM_EXIT: Notices().push_back(Name() + ":CM_EXIT"); break;
    case CM_CANCELMODE: Notices().push_back(Name() + ":CM_CANCELMODE"); break;
    case CM_DIALOGKEY:
      Notices().push_back(Name() + ":CM_DIALOGKEY " + std::to_string(Message.WParam));
      break;
    case CN_COMMAND: Notices().push_back(Name() + ":CN_COMMAND"); break;
    case WM_GETDLGCODE:
      if (!DialogCode) break;
      Message.Result = DialogCode;
      return;
    default: break;
  }
  TCustomControl::WndProc(Message);
}

void TTestControl::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (UseSystemClass) {
    CreateSubClass(Params, "TestSystem");
    Params.WinClassName = "TTestSystemControl";
  }
}

void TTestControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (TabStop() && CanFocus()) SetFocus();
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

const TClass& TTestPanel::StaticClass() {
  return TClass::Describe<TTestPanel>("TTestPanel");
}

TTestPanel::TTestPanel(TComponent* AOwner) : TTestControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  SetTabStop(false);
  SetBounds(0, 0, 150, 100);
}

}  // namespace controls_test
