#pragma once

#include "framework/controls/custom_form.h"

namespace framework {

// The form an application designs: TCustomForm with the properties and events a stored form
// holds.
class TForm : public TCustomForm {
  DECLARE_CLASS(TForm, TCustomForm)

 public:
  explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}

  static const TPropertyList& Published();
};

}  // namespace framework
