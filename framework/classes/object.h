#pragma once

#include <string>
#include <string_view>
#include <type_traits>

namespace framework {

class TComponent;
class TPropertyList;
class TMethodList;

// What the framework knows of a class at run time: its name, its parent, its published properties
// and methods, and how to create it when it is a component (creation by name, for streaming).
class TClass {
 public:
  using TFactory = TComponent* (*)(TComponent* Owner);
  // The lists are asked for at first use: a class's properties may name the class itself (a
  // reference to another component of the same class).
  using TPropertiesFn = const TPropertyList& (*)();
  using TMethodsFn = const TMethodList& (*)();

  TClass(std::string Name, const TClass* Parent, TPropertiesFn Properties, TMethodsFn Methods,
         TFactory Factory);
  TClass(const TClass&) = delete;
  TClass& operator=(const TClass&) = delete;

  // The class description of C, a class that declares itself with DECLARE_CLASS: its published
  // properties and methods are C::Published() and C::PublishedMethods() when C or an ancestor
  // declares them, and it can be created when it is a concrete component.
  template <class C>
  static const TClass& Describe(std::string Name);

  const std::string& ClassName() const { return FName; }
  const TClass* ClassParent() const { return FParent; }
  bool InheritsFrom(const TClass& Other) const;
  // Never null: a class without published properties has an empty list.
  const TPropertyList& Properties() const;
  const TMethodList& Methods() const;
  bool CanCreate() const { return FFactory != nullptr; }
  // Raises EInvalidOperation for a class that cannot be created.
  TComponent* Create(TComponent* Owner) const;

 private:
  std::string FName;
  const TClass* FParent;
  TPropertiesFn FProperties;
  TMethodsFn FMethods;
  TFactory FFactory;
};

// The root of every framework class.
class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClass& StaticClass();
  virtual const TClass& ClassType() const { return StaticClass(); }
  const std::string& ClassName() const { return ClassType().ClassName(); }
  bool InheritsFrom(const TClass& Class) const { return ClassType().InheritsFrom(Class); }
};

// Declares a class's identity: its parent as `inherited`, its class description and the virtual
// that returns it. Define StaticClass() in the class's .cpp with TClass::Describe.
#define DECLARE_CLASS(Class, Parent)                      \
 public:                                                  \
  using inherited = Parent;                               \
  static const ::framework::TClass& StaticClass();        \
  const ::framework::TClass& ClassType() const override { \
    return StaticClass();                                 \
  }

// Classes that streaming may create by name must be registered first.
void RegisterClass(const TClass& Class);
// nullptr when no class of that name (ignoring the case of a to z) is registered.
const TClass* GetClass(std::string_view Name);
// Raises EClassNotFound.
const TClass& FindClass(std::string_view Name);

template <class C>
const TClass& TClass::Describe(std::string Name) {
  TPropertiesFn Properties = nullptr;
  if constexpr (requires { C::Published(); }) Properties = &C::Published;
  TMethodsFn Methods = nullptr;
  if constexpr (requires { C::PublishedMethods(); }) Methods = &C::PublishedMethods;
  TFactory Factory = nullptr;
  if constexpr (!std::is_abstract_v<C> && std::is_constructible_v<C, TComponent*>)
    Factory = [](TComponent* Owner) -> TComponent* { return new C(Owner); };
  static const TClass Class(std::move(Name), &C::inherited::StaticClass(), Properties, Methods,
                            Factory);
  return Class;
}

}  // namespace framework
