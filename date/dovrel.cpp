#include "date/dovrel.h"

#include "date/calendar_options.h"

namespace tarvex {

using namespace framework;

const TClass& TDovrel::StaticClass() {
  return TClass::Describe<TDovrel>("TDovrel");
}

const TPropertyList& TDovrel::Published() {
  using C = TDovrel;
  static const TPropertyList List(
      TCustomDovrel::Published(),
      Join({Property("AutoSize", &C::AutoSize, &C::SetAutoSize, true),
            Property("AutoDropDown", &C::AutoDropDown, &C::SetAutoDropDown, adNever),
            Property("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, bsSingle),
            Property("ButtonBitmap", &C::ButtonBitmap, &C::SetButtonBitmap)
                .StoredIf(&C::IsButtonBitmapStored),
            Property("ButtonCursor", &C::ButtonCursor, &C::SetButtonCursor, crDefault),
            Property("ButtonDisplay", &C::ButtonDisplay, &C::SetButtonDisplay, bdAlways),
            Property("ButtonStyle", &C::ButtonStyle, &C::SetButtonStyle, bsCalendar),
            Property("CanBeBlank", &C::CanBeBlank, &C::SetCanBeBlank, false),
            Property("Color", &C::Color, &C::SetColor, clWindow).StoredIf(&C::IsColorStored),
            Property("Ctl3D", &C::Ctl3D, &C::SetCtl3D).StoredIf(&C::IsCtl3DStored),
            Property("CustomDisplayFormat", &C::CustomDisplayFormat, &C::SetCustomDisplayFormat),
            Property("CustomEditFormat", &C::CustomEditFormat, &C::SetCustomEditFormat),
            Property("DisplayFormat", &C::DisplayFormat, &C::SetDisplayFormat, dfEditFormat),
            Property("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag),
            Property("DragMode", &C::DragMode, &C::SetDragMode, dmManual),
            Property("CalendarOptions", &C::CalendarOptions),
            Property("Enabled", &C::Enabled, &C::SetEnabled, true),
            Property("EditFormat", &C::EditFormat, &C::SetEditFormat, efWindowsShort),
            Property("Font", &C::Font).StoredIf(&C::IsFontStored),
            Property("MaxLength", &C::MaxLength, &C::SetMaxLength, 0),
            Property("ParentColor", &C::ParentColor, &C::SetParentColor, false),
            Property("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D, true),
            Property("ParentFont", &C::ParentFont, &C::SetParentFont, true),
            Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true),
            Property("PopupMenu", &C::PopupMenu, &C::SetPopupMenu),
            Property("ReadOnly", &C::GetReadOnly, &C::SetReadOnly, false),
            Property("ShowHint", &C::ShowHint, &C::SetShowHint).StoredIf(&C::IsShowHintStored),
            Property("TabOrder", &C::TabOrder, &C::SetTabOrder, -1),
            Property("TabStop", &C::TabStop, &C::SetTabStop, true),
            Property("Visible", &C::Visible, &C::SetVisible, true),
            Property("OnBadDate", &C::OnBadDate),
            Property("OnChange", &C::OnChange),
            Property("OnClick", &C::OnClick),
            Property("OnCloseUp", &C::OnCloseUp),
            Property("OnDblClick", &C::OnDblClick)},
           PublishedDragEvents(), std::vector<TPropInfo>{Property("OnDropDown", &C::OnDropDown)},
           PublishedFocusEvents(), PublishedKeyEvents(), PublishedMouseEvents()));
  return List;
}

}  // namespace tarvex
