#include "framework/controls/panel.h"

namespace framework {

const TClass& TPanel::StaticClass() {
  return TClass::Describe<TPanel>("TPanel");
}

const TPropertyList& TPanel::Published() {
  using C = TPanel;
  static const TPropertyList List(
      TCustomPanel::Published(),
      Join({Property("Alignment", &C::Alignment, &C::SetAlignment, taCenter),
            Property("BevelInner", &C::BevelInner, &C::SetBevelInner, bvNone),
            Property("BevelOuter", &C::BevelOuter, &C::SetBevelOuter, bvRaised),
            Property("BevelWidth", &C::BevelWidth, &C::SetBevelWidth, 1),
            Property("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, bsNone),
            Property("BorderWidth", &C::BorderWidth, &C::SetBorderWidth, 0),
            Property("Caption", &C::Caption, &C::SetCaption, ""),
            Property("Color", &C::Color, &C::SetColor, clBtnFace).StoredIf(&C::IsColorStored),
            Property("Ctl3D", &C::Ctl3D, &C::SetCtl3D, true).StoredIf(&C::IsCtl3DStored),
            Property("Enabled", &C::Enabled, &C::SetEnabled, true),
            Property("Font", &C::Font).StoredIf(&C::IsFontStored),
            Property("ParentColor", &C::ParentColor, &C::SetParentColor, false),
            Property("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D, true),
            Property("ParentFont", &C::ParentFont, &C::SetParentFont, true),
            Property("ShowHint", &C::ShowHint, &C::SetShowHint, false)
                .StoredIf(&C::IsShowHintStored),
            Property("TabOrder", &C::TabOrder, &C::SetTabOrder, -1),
            Property("TabStop", &C::TabStop, &C::SetTabStop, false),
            Property("Visible", &C::Visible, &C::SetVisible, true),
            Property("OnClick", &C::OnClick),
            Property("OnDblClick", &C::OnDblClick)},
           PublishedDragEvents(), PublishedFocusEvents(), PublishedMouseEvents()));
  return List;
}

}  // namespace framework
