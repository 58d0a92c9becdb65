#pragma once

#include "framework/controls/custom_list_box.h"

namespace framework {

// The list box as a form stores it: TCustomListBox with its properties and events published.
// Its strings stream as Items.Strings.
class TListBox : public TCustomListBox {
  DECLARE_CLASS(TListBox, TCustomListBox)

 public:
  explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}

  static const TPropertyList& Published();
};

}  // namespace framework
