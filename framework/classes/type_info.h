#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/classes/event.h"
#include "framework/rtl/set.h"

namespace framework {

class TClass;
class TObject;

enum TTypeKind : uint8_t { tkInteger, tkEnumeration, tkSet, tkFloat, tkString, tkClass, tkMethod };

// The run-time description of a published property's type. Boolean is the enumeration of False
// and True; a set's values are the bit masks of its element enumeration.
class TTypeInfo {
 public:
  // Idents name some values (clBtnFace), which streaming writes and reads by name.
  using TIdent = std::pair<std::string, int64_t>;
  static TTypeInfo Integer(std::string Name, int64_t MinValue, int64_t MaxValue,
                           std::vector<TIdent> Idents = {});
  static TTypeInfo Enumeration(std::string Name, std::vector<std::string> Names);
  static TTypeInfo Set(const TTypeInfo& Element);
  static TTypeInfo Float(std::string Name);
  static TTypeInfo String();
  static TTypeInfo Class(const TClass& Class);
  static TTypeInfo Method(std::string Name);

  const std::string& Name() const { return FName; }
  TTypeKind Kind() const { return FKind; }
  int64_t MinValue() const { return FMinValue; }
  int64_t MaxValue() const { return FMaxValue; }
  // Enumerations: the value names in order; sets: those of the element enumeration.
  const std::vector<std::string>& Names() const;
  const TTypeInfo* ElementType() const { return FElement; }
  const TClass* ClassType() const { return FClass; }

  // The name of an enumeration value, or empty when out of range.
  std::string EnumName(int64_t Value) const;
  // The value of an enumeration name (case of a to z ignored), or -1.
  int64_t EnumValue(std::string_view Name) const;
  // Integers: the name of a value, or empty; the value of a name (case of a to z ignored).
  std::string IntToIdent(int64_t Value) const;
  bool IdentToInt(std::string_view Ident, int64_t& Value) const;

 private:
  TTypeInfo(std::string Name, TTypeKind Kind) : FName(std::move(Name)), FKind(Kind) {}

  std::string FName;
  TTypeKind FKind;
  int64_t FMinValue = 0;
  int64_t FMaxValue = 0;
  std::vector<std::string> FNames;
  std::vector<TIdent> FIdents;
  const TTypeInfo* FElement = nullptr;
  const TClass* FClass = nullptr;
};

template <class T>
struct TTypeInfoOf;

// The type information of T. Enumerations declare theirs next to themselves with a function
// found by argument lookup: `const TTypeInfo& EnumTypeInfo(TCellType);`.
template <class T>
const TTypeInfo& TypeInfo() {
  return TTypeInfoOf<T>::Get();
}

template <class T>
requires std::is_integral_v<T>
struct TTypeInfoOf<T> {
  static const TTypeInfo& Get() {
    static const TTypeInfo Info = TTypeInfo::Integer(
        "Integer", int64_t(std::numeric_limits<T>::min()),
        std::is_same_v<T, uint64_t> ? INT64_MAX : int64_t(std::numeric_limits<T>::max()));
    return Info;
  }
};

template <>
struct TTypeInfoOf<bool> {
  static const TTypeInfo& Get();
};

template <class T>
requires std::is_enum_v<T>
struct TTypeInfoOf<T> {
  static const TTypeInfo& Get() { return EnumTypeInfo(T{}); }
};

template <class E>
struct TTypeInfoOf<TSet<E>> {
  static const TTypeInfo& Get() {
    static const TTypeInfo Info = TTypeInfo::Set(TypeInfo<E>());
    return Info;
  }
};

template <class T>
requires std::is_floating_point_v<T>
struct TTypeInfoOf<T> {
  static const TTypeInfo& Get() {
    static const TTypeInfo Info = TTypeInfo::Float("Double");
    return Info;
  }
};

template <>
struct TTypeInfoOf<std::string> {
  static const TTypeInfo& Get();
};

template <class C>
requires std::is_base_of_v<TObject, C>
struct TTypeInfoOf<C*> {
  static const TTypeInfo& Get() {
    static const TTypeInfo Info = TTypeInfo::Class(C::StaticClass());
    return Info;
  }
};

template <class Signature>
struct TTypeInfoOf<TEvent<Signature>> {
  static const TTypeInfo& Get() {
    static const TTypeInfo Info = TTypeInfo::Method("Method");
    return Info;
  }
};

}  // namespace framework
