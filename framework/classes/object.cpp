#include "framework/classes/object.h"

#include <vector>

#include "framework/classes/errors.h"
#include "framework/classes/property.h"
#include "framework/rtl/string_functions.h"

namespace framework {

namespace {

std::vector<const TClass*>& Registry() {
  static std::vector<const TClass*> Classes;
  return Classes;
}

}  // namespace

TClass::TClass(std::string Name, const TClass* Parent, TPropertiesFn Properties, TMethodsFn Methods,
               TFactory Factory)
    : FName(std::move(Name)),
      FParent(Parent),
      FProperties(Properties),
      FMethods(Methods),
      FFactory(Factory) {}

bool TClass::InheritsFrom(const TClass& Other) const {
  for (const TClass* C = this; C; C = C->FParent)
    if (C == &Other) return true;
  return false;
}

const TPropertyList& TClass::Properties() const {
  static const TPropertyList None{};
  return FProperties ? FProperties() : None;
}

const TMethodList& TClass::Methods() const {
  static const TMethodList None{};
  return FMethods ? FMethods() : None;
}

TComponent* TClass::Create(TComponent* Owner) const {
  if (!FFactory) throw EInvalidOperation("Cannot create an instance of " + FName);
  return FFactory(Owner);
}

const TClass& TObject::StaticClass() {
  static const TClass Class("TObject", nullptr, nullptr, nullptr, nullptr);
  return Class;
}

void RegisterClass(const TClass& Class) {
  const TClass* Existing = GetClass(Class.ClassName());
  if (Existing == &Class) return;
  if (Existing) throw EInvalidOperation("A class named " + Class.ClassName() + " already exists");
  Registry().push_back(&Class);
}

const TClass* GetClass(std::string_view Name) {
  for (const TClass* Class : Registry())
    if (SameText(Class->ClassName(), Name)) return Class;
  return nullptr;
}

const TClass& FindClass(std::string_view Name) {
  if (const TClass* Class = GetClass(Name)) return *Class;
  throw EClassNotFound("Class " + std::string(Name) + " not found");
}

}  // namespace framework
