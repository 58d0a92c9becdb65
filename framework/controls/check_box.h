#pragma once

#include "framework/controls/custom_check_box.h"

namespace framework {

// The check box an application designs: TCustomCheckBox with the properties and events a
// stored form holds.
class TCheckBox : public TCustomCheckBox {
  DECLARE_CLASS(TCheckBox, TCustomCheckBox)

 public:
  explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}

  static const TPropertyList& Published();
};

}  // namespace framework
