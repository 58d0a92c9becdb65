#include "framework/controls/check_box.h"

namespace framework {

const TClass& TCheckBox::StaticClass() {
  return TClass::Describe<TCheckBox>("TCheckBox");
}

// Checked is not stored: State says the same and more.
const TPropertyList& TCheckBox::Published() {
  using C = TCheckBox;
  static const TPropertyList List(
      TCustomCheckBox::Published(),
      Join({Property("Alignment", &C::Alignment, &C::SetAlignment, taRightJustify),
            Property("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed, false),
            Property("Caption", &C::Caption, &C::SetCaption, ""),
            Property("Checked", &C::Checked, &C::SetChecked, false).NotStored(),
            Property("Color", &C::Color, &C::SetColor, clWindow).StoredIf(&C::IsColorStored),
            Property("Ctl3D", &C::Ctl3D, &C::SetCtl3D, true).StoredIf(&C::IsCtl3DStored),
            Property("Enabled", &C::Enabled, &C::SetEnabled, true),
            Property("Font", &C::Font).StoredIf(&C::IsFontStored),
            Property("ParentColor", &C::ParentColor, &C::SetParentColor, true),
            Property("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D, true),
            Property("ParentFont", &C::ParentFont, &C::SetParentFont, true),
            Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true),
            Property("PopupMenu", &C::PopupMenu, &C::SetPopupMenu),
            Property("ShowHint", &C::ShowHint, &C::SetShowHint, false)
                .StoredIf(&C::IsShowHintStored),
            Property("State", &C::State, &C::SetState, cbUnchecked),
            Property("TabOrder", &C::TabOrder, &C::SetTabOrder, -1),
            Property("TabStop", &C::TabStop, &C::SetTabStop, true),
            Property("Visible", &C::Visible, &C::SetVisible, true),
            Property("OnClick", &C::OnClick)},
           PublishedDragEvents(), PublishedFocusEvents(), PublishedKeyEvents(),
           PublishedMouseEvents()));
  return List;
}

}  // namespace framework
