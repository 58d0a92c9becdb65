#include "framework/classes/type_info.h"

#include "framework/rtl/string_functions.h"

namespace framework {

TTypeInfo TTypeInfo::Integer(std::string Name, int64_t MinValue, int64_t MaxValue,
                             std::vector<TIdent> Idents) {
  TTypeInfo Info(std::move(Name), tkInteger);
  Info.FMinValue = MinValue;
  Info.FMaxValue = MaxValue;
  Info.FIdents = std::move(Idents);
  return Info;
}

TTypeInfo TTypeInfo::Enumeration(std::string Name, std::vector<std::string> Names) {
  TTypeInfo Info(std::move(Name), tkEnumeration);
  Info.FMaxValue = int64_t(Names.size()) - 1;
  Info.FNames = std::move(Names);
  return Info;
}

TTypeInfo TTypeInfo::Set(const TTypeInfo& Element) {
  TTypeInfo Info("set of " + Element.Name(), tkSet);
  Info.FElement = &Element;
  Info.FMaxValue = int64_t((uint64_t(1) << Element.Names().size()) - 1);
  return Info;
}

TTypeInfo TTypeInfo::Float(std::string Name) {
  return TTypeInfo(std::move(Name), tkFloat);
}

TTypeInfo TTypeInfo::String() {
  return TTypeInfo("string", tkString);
}

TTypeInfo TTypeInfo::Class(const TClass& Class) {
  TTypeInfo Info("class", tkClass);
  Info.FClass = &Class;
  return Info;
}

TTypeInfo TTypeInfo::Method(std::string Name) {
  return TTypeInfo(std::move(Name), tkMethod);
}

const std::vector<std::string>& TTypeInfo::Names() const {
  return FElement ? FElement->Names() : FNames;
}

std::string TTypeInfo::EnumName(int64_t Value) const {
  const auto& All = Names();
  return Value >= 0 && Value < int64_t(All.size()) ? All[size_t(Value)] : std::string();
}

int64_t TTypeInfo::EnumValue(std::string_view Name) const {
  const auto& All = Names();
  for (size_t I = 0; I < All.size(); ++I)
    if (SameText(All[I], Name)) return int64_t(I);
  return -1;
}

std::string TTypeInfo::IntToIdent(int64_t Value) const {
  for (const TIdent& Ident : FIdents)
    if (Ident.second == Value) return Ident.first;
  return {};
}

bool TTypeInfo::IdentToInt(std::string_view Name, int64_t& Value) const {
  for (const TIdent& Ident : FIdents)
    if (SameText(Ident.first, Name)) {
      Value = Ident.second;
      return true;
    }
  return false;
}

const TTypeInfo& TTypeInfoOf<bool>::Get() {
  static const TTypeInfo Info = TTypeInfo::Enumeration("Boolean", {"False", "True"});
  return Info;
}

const TTypeInfo& TTypeInfoOf<std::string>::Get() {
  static const TTypeInfo Info = TTypeInfo::String();
  return Info;
}

}  // namespace framework
