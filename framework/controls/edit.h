#pragma once

#include "framework/controls/custom_edit.h"

namespace framework {

// The edit as a form stores it: TCustomEdit with its properties and events published.
class TEdit : public TCustomEdit {
  DECLARE_CLASS(TEdit, TCustomEdit)

 public:
  explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

  static const TPropertyList& Published();
};

}  // namespace framework
