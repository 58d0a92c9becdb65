#pragma once

#include "framework/controls/custom_panel.h"

namespace framework {

// The panel an application designs: TCustomPanel with the properties and events a stored form
// holds.
class TPanel : public TCustomPanel {
  DECLARE_CLASS(TPanel, TCustomPanel)

 public:
  explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}

  static const TPropertyList& Published();
};

}  // namespace framework
