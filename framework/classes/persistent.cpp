#include "framework/classes/persistent.h"

#include "framework/rtl/exceptions.h"

namespace framework {

namespace {

[[noreturn]] void RaiseAssignError(const TPersistent* Source, const TPersistent& Dest) {
  const std::string SourceName = Source ? Source->ClassName() : "nil";
  throw EConvertError("Cannot assign a " + SourceName + " to a " + Dest.ClassName());
}

}  // namespace

const TClass& TPersistent::StaticClass() {
  return TClass::Describe<TPersistent>("TPersistent");
}

void TPersistent::Assign(const TPersistent* Source) {
  if (!Source) RaiseAssignError(nullptr, *this);
  Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) const {
  RaiseAssignError(this, *Dest);
}

void TPersistent::DefineProperties(TFiler&) {}

}  // namespace framework
