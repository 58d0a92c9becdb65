#pragma once

#include "date/custom_dovrel.h"

namespace tarvex {

// The date edit as a form stores it: TCustomDovrel with its properties and events published.
class TDovrel : public TCustomDovrel {
  DECLARE_CLASS(TDovrel, TCustomDovrel)

 public:
  explicit TDovrel(TComponent* AOwner) : TCustomDovrel(AOwner) {}

  static const framework::TPropertyList& Published();
};

}  // namespace tarvex
