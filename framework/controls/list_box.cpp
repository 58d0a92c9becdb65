#include "framework/controls/list_box.h"

namespace framework {

const TClass& TListBox::StaticClass() {
  return TClass::Describe<TListBox>("TListBox");
}

const TPropertyList& TListBox::Published() {
  using C = TListBox;
  static const TPropertyList List(
      TCustomListBox::Published(),
      Join({Property("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, bsSingle),
            Property("Color", &C::Color, &C::SetColor, clWindow).StoredIf(&C::IsColorStored),
            Property("Ctl3D", &C::Ctl3D, &C::SetCtl3D, true).StoredIf(&C::IsCtl3DStored),
            Property("Enabled", &C::Enabled, &C::SetEnabled, true),
            Property("Font", &C::Font).StoredIf(&C::IsFontStored),
            Property("ItemHeight", &C::ItemHeight, &C::SetItemHeight)
                .StoredIf(&C::IsItemHeightStored),
            Property("Items", &C::Items),
            Property("ParentColor", &C::ParentColor, &C::SetParentColor, false),
            Property("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D, true),
            Property("ParentFont", &C::ParentFont, &C::SetParentFont, true),
            Property("ShowHint", &C::ShowHint, &C::SetShowHint, false)
                .StoredIf(&C::IsShowHintStored),
            Property("Sorted", &C::Sorted, &C::SetSorted, false),
            Property("TabOrder", &C::TabOrder, &C::SetTabOrder, -1),
            Property("TabStop", &C::TabStop, &C::SetTabStop, true),
            Property("Visible", &C::Visible, &C::SetVisible, true),
            Property("OnClick", &C::OnClick), Property("OnDblClick", &C::OnDblClick)},
           PublishedDragEvents(), PublishedFocusEvents(), PublishedKeyEvents(),
           PublishedMouseEvents()));
  return List;
}

}  // namespace framework
