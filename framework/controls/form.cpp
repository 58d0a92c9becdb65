#include "framework/controls/form.h"

namespace framework {

const TClass& TForm::StaticClass() {
  return TClass::Describe<TForm>("TForm");
}

const TPropertyList& TForm::Published() {
  static const TPropertyList List(
      TCustomForm::Published(),
      {Property("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl),
       Property("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle, bsSizeable),
       Property("Caption", &TForm::Caption, &TForm::SetCaption, ""),
       Property("Color", &TForm::Color, &TForm::SetColor, clBtnFace),
       Property("Ctl3D", &TForm::Ctl3D, &TForm::SetCtl3D, true),
       Property("Enabled", &TForm::Enabled, &TForm::SetEnabled, true),
       Property("Font", &TForm::Font),
       Property("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle, fsNormal),
       Property("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview, false),
       Property("PopupMenu", &TForm::PopupMenu, &TForm::SetPopupMenu),
       Property("ShowHint", &TForm::ShowHint, &TForm::SetShowHint, false),
       Property("Visible", &TForm::Visible, &TForm::SetVisible, false),
       Property("OnClick", &TForm::OnClick),
       Property("OnClose", &TForm::OnClose),
       Property("OnCreate", &TForm::OnCreate),
       Property("OnDblClick", &TForm::OnDblClick),
       Property("OnDestroy", &TForm::OnDestroy),
       Property("OnHide", &TForm::OnHide),
       Property("OnKeyDown", &TForm::OnKeyDown),
       Property("OnKeyPress", &TForm::OnKeyPress),
       Property("OnKeyUp", &TForm::OnKeyUp),
       Property("OnMouseDown", &TForm::OnMouseDown),
       Property("OnMouseMove", &TForm::OnMouseMove),
       Property("OnMouseUp", &TForm::OnMouseUp),
       Property("OnShow", &TForm::OnShow)});
  return List;
}

}  // namespace framework
