#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "framework/classes/errors.h"
#include "framework/classes/event.h"
#include "framework/classes/type_info.h"

namespace framework {

class TObject;

// A property value as the RTTI carries it: ordinals (integers, enumerations, Booleans and set bit
// masks) as int64_t, floats as double, strings, objects, and event handlers.
using TPropValue = std::variant<int64_t, double, std::string, TObject*, TMethod>;

inline bool operator==(const TMethod& A, const TMethod& B) {
  return A.Assigned() == B.Assigned() && A.Identity == B.Identity;
}

// One published property: its name, its type, how to read and write it on an instance, its
// declared default and its stored-test.
class TPropInfo {
 public:
  using TGetter = std::function<TPropValue(const TObject&)>;
  using TSetter = std::function<void(TObject&, const TPropValue&)>;
  using TStoredTest = std::function<bool(const TObject&)>;

  TPropInfo(std::string Name, const TTypeInfo& Type, TGetter Getter, TSetter Setter)
      : FName(std::move(Name)),
        FType(&Type),
        FGetter(std::move(Getter)),
        FSetter(std::move(Setter)) {}

  const std::string& Name() const { return FName; }
  const TTypeInfo& PropType() const { return *FType; }
  bool IsWritable() const { return bool(FSetter); }
  const std::optional<TPropValue>& Default() const { return FDefault; }

  TPropValue Get(const TObject& Instance) const { return FGetter(Instance); }
  // Raises EPropertyError for a read-only property or a value of the wrong kind or range.
  void Set(TObject& Instance, const TPropValue& Value) const;
  // The stored-test, True when the property has none.
  bool IsStored(const TObject& Instance) const { return !FStored || FStored(Instance); }
  // True when the property has a declared default and the instance holds it.
  bool IsDefaultValue(const TObject& Instance) const {
    return FDefault && Get(Instance) == *FDefault;
  }

  TPropInfo&& WithDefault(TPropValue Value) && {
    FDefault = std::move(Value);
    return std::move(*this);
  }
  // A property that streaming never writes (a component's Name, written in its object header).
  TPropInfo&& NotStored() && {
    FStored = [](const TObject&) { return false; };
    return std::move(*this);
  }
  template <class C>
  TPropInfo&& StoredIf(bool (C::*Test)() const) && {
    FStored = [Test](const TObject& Instance) { return (static_cast<const C&>(Instance).*Test)(); };
    return std::move(*this);
  }

 private:
  std::string FName;
  const TTypeInfo* FType;
  TGetter FGetter;
  TSetter FSetter;
  std::optional<TPropValue> FDefault;
  TStoredTest FStored;
};

// The published properties of a class: its parent's first, in declaration order, then its own. A
// class that publishes a property its parent has (with another default, say) replaces it in place.
class TPropertyList {
 public:
  TPropertyList(std::initializer_list<TPropInfo> Own);
  TPropertyList(const TPropertyList& Parent, const std::vector<TPropInfo>& Own);

  // Ignores the case of a to z; nullptr when there is none.
  const TPropInfo* Find(std::string_view Name) const;
  auto begin() const { return FProperties.begin(); }
  auto end() const { return FProperties.end(); }
  size_t size() const { return FProperties.size(); }

 private:
  void Add(const TPropInfo& Info);

  std::vector<TPropInfo> FProperties;
};

// Lists of properties one after the other: a class's own and groups that several classes publish
// alike (the key events of a control).
template <class... TGroups>
std::vector<TPropInfo> Join(std::vector<TPropInfo> First, const TGroups&... Groups) {
  (First.insert(First.end(), Groups.begin(), Groups.end()), ...);
  return First;
}

namespace property_detail {

template <class T>
TPropValue ToValue(const T& Value) {
  if constexpr (std::is_same_v<T, bool> || std::is_integral_v<T> || std::is_enum_v<T>)
    return int64_t(Value);
  else if constexpr (requires { Value.Bits(); })
    return int64_t(Value.Bits());
  else if constexpr (std::is_floating_point_v<T>)
    return double(Value);
  else if constexpr (std::is_same_v<T, std::string>)
    return Value;
  else if constexpr (std::is_pointer_v<T>)
    return static_cast<TObject*>(Value);
  else
    return TMethod::Of(Value);
}

// Converts a checked value back to T; the kind and range were checked by TPropInfo::Set.
template <class T>
T FromValue(const TPropValue& Value) {
  if constexpr (std::is_same_v<T, bool>)
    return std::get<int64_t>(Value) != 0;
  else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>)
    return T(std::get<int64_t>(Value));
  else if constexpr (requires { T::FromBits(0); })
    return T::FromBits(uint64_t(std::get<int64_t>(Value)));
  else if constexpr (std::is_floating_point_v<T>)
    return T(std::get<double>(Value));
  else if constexpr (std::is_same_v<T, std::string>)
    return std::get<std::string>(Value);
  else if constexpr (std::is_pointer_v<T>)
    return static_cast<T>(std::get<TObject*>(Value));
  else {
    const TMethod& Method = std::get<TMethod>(Value);
    if (!Method.Assigned()) return T();
    if (const T* Event = std::any_cast<T>(&Method.Event)) return *Event;
    throw EPropertyError("Event handler of another type");
  }
}

template <class T>
using TValueOf = std::remove_cvref_t<T>;

}  // namespace property_detail

// A published property read by a getter and written by a setter of class C:
// Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, 0).
// The kind follows from the getter's type; without a declared default the property is always
// stored, as for a string property whose value has no neutral state.
template <class C, class G, class S>
TPropInfo Property(std::string Name, G (C::*Getter)() const, void (C::*Setter)(S)) {
  using T = property_detail::TValueOf<G>;
  return TPropInfo(
      std::move(Name), TypeInfo<T>(),
      [Getter](const TObject& Instance) {
        return property_detail::ToValue<T>((static_cast<const C&>(Instance).*Getter)());
      },
      [Setter](TObject& Instance, const TPropValue& Value) {
        (static_cast<C&>(Instance).*Setter)(property_detail::FromValue<T>(Value));
      });
}

template <class C, class G, class S, class D>
TPropInfo Property(std::string Name, G (C::*Getter)() const, void (C::*Setter)(S), D Default) {
  using T = property_detail::TValueOf<G>;
  return Property(std::move(Name), Getter, Setter)
      .WithDefault(property_detail::ToValue<T>(T(Default)));
}

// A read-only published property: a sub-object whose own properties are streamed (Font, Items).
template <class C, class G>
TPropInfo Property(std::string Name, G (C::*Getter)() const) {
  using T = property_detail::TValueOf<G>;
  return TPropInfo(
      std::move(Name), TypeInfo<T>(),
      [Getter](const TObject& Instance) {
        return property_detail::ToValue<T>((static_cast<const C&>(Instance).*Getter)());
      },
      nullptr);
}

// A published event, a public TEvent member: Property("OnChange", &TCustomEdit::OnChange).
template <class C, class Signature>
TPropInfo Property(std::string Name, TEvent<Signature> C::*Event) {
  using T = TEvent<Signature>;
  return TPropInfo(
      std::move(Name), TypeInfo<T>(),
      [Event](const TObject& Instance) {
        return property_detail::ToValue<T>(static_cast<const C&>(Instance).*Event);
      },
      [Event](TObject& Instance, const TPropValue& Value) {
        static_cast<C&>(Instance).*Event = property_detail::FromValue<T>(Value);
      });
}

// A published method of a form-like class, that stored event handlers name: the reader binds it
// to the root component it reads.
class TMethodList {
 public:
  struct TEntry {
    std::string Name;
    std::function<TMethod(TObject& Root)> Bind;
  };

  TMethodList(std::initializer_list<TEntry> Own);
  TMethodList(const TMethodList& Parent, std::initializer_list<TEntry> Own);

  const TEntry* Find(std::string_view Name) const;
  // The name of the published method that Method is, bound to Root; empty when it is none.
  std::string NameOf(TObject& Root, const TMethod& Method) const;

 private:
  std::vector<TEntry> FEntries;
};

template <class C, class R, class... Args>
TMethodList::TEntry PublishedMethod(std::string Name, R (C::*Code)(Args...)) {
  return {std::move(Name), [Code](TObject& Root) {
            return TMethod::Of(TEvent<R(Args...)>(&static_cast<C&>(Root), Code));
          }};
}

// Lookups and accesses by name, as applications and controls use them (a grid's "ReadOnly").
const TPropInfo* GetPropInfo(const TObject* Instance, std::string_view PropName);
const TPropInfo* GetPropInfo(const TClass& Class, std::string_view PropName);

// The accessors raise EPropertyError when the property has another kind.
int64_t GetOrdProp(const TObject* Instance, const TPropInfo* PropInfo);
void SetOrdProp(TObject* Instance, const TPropInfo* PropInfo, int64_t Value);
std::string GetEnumProp(const TObject* Instance, const TPropInfo* PropInfo);
void SetEnumProp(TObject* Instance, const TPropInfo* PropInfo, std::string_view Value);
std::string GetStrProp(const TObject* Instance, const TPropInfo* PropInfo);
void SetStrProp(TObject* Instance, const TPropInfo* PropInfo, const std::string& Value);
double GetFloatProp(const TObject* Instance, const TPropInfo* PropInfo);
void SetFloatProp(TObject* Instance, const TPropInfo* PropInfo, double Value);
TObject* GetObjectProp(const TObject* Instance, const TPropInfo* PropInfo);
void SetObjectProp(TObject* Instance, const TPropInfo* PropInfo, TObject* Value);
TMethod GetMethodProp(const TObject* Instance, const TPropInfo* PropInfo);
void SetMethodProp(TObject* Instance, const TPropInfo* PropInfo, const TMethod& Value);

// The same by name; they raise EPropertyError when the instance has no such property.
int64_t GetOrdProp(const TObject* Instance, std::string_view PropName);
void SetOrdProp(TObject* Instance, std::string_view PropName, int64_t Value);
std::string GetStrProp(const TObject* Instance, std::string_view PropName);
void SetStrProp(TObject* Instance, std::string_view PropName, const std::string& Value);
TObject* GetObjectProp(const TObject* Instance, std::string_view PropName);
void SetObjectProp(TObject* Instance, std::string_view PropName, TObject* Value);

}  // namespace framework
