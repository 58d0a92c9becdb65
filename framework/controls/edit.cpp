#include "framework/controls/edit.h"

namespace framework {

const TClass& TEdit::StaticClass() {
  return TClass::Describe<TEdit>("TEdit");
}

const TPropertyList& TEdit::Published() {
  using C = TEdit;
  static const TPropertyList List(
      TCustomEdit::Published(),
      Join({Property("AutoSelect", &C::AutoSelect, &C::SetAutoSelect, true),
            Property("AutoSize", &C::AutoSize, &C::SetAutoSize, true),
            Property("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, bsSingle),
            Property("CharCase", &C::CharCase, &C::SetCharCase, ecNormal),
            Property("Color", &C::Color, &C::SetColor, clWindow).StoredIf(&C::IsColorStored),
            Property("Ctl3D", &C::Ctl3D, &C::SetCtl3D, true).StoredIf(&C::IsCtl3DStored),
            Property("Enabled", &C::Enabled, &C::SetEnabled, true),
            Property("Font", &C::Font).StoredIf(&C::IsFontStored),
            Property("HideSelection", &C::HideSelection, &C::SetHideSelection, true),
            Property("MaxLength", &C::MaxLength, &C::SetMaxLength, 0),
            Property("ParentColor", &C::ParentColor, &C::SetParentColor, false),
            Property("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D, true),
            Property("ParentFont", &C::ParentFont, &C::SetParentFont, true),
            Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly, false),
            Property("ShowHint", &C::ShowHint, &C::SetShowHint, false)
                .StoredIf(&C::IsShowHintStored),
            Property("TabOrder", &C::TabOrder, &C::SetTabOrder, -1),
            Property("TabStop", &C::TabStop, &C::SetTabStop, true),
            Property("Text", &C::Text, &C::SetText, ""),
            Property("Visible", &C::Visible, &C::SetVisible, true),
            Property("OnChange", &C::OnChange),
            Property("OnClick", &C::OnClick),
            Property("OnDblClick", &C::OnDblClick)},
           PublishedDragEvents(), PublishedFocusEvents(), PublishedKeyEvents(),
           PublishedMouseEvents()));
  return List;
}

}  // namespace framework
