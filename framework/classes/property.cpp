#include "framework/classes/property.h"

#include "framework/classes/object.h"
#include "framework/rtl/string_functions.h"

namespace framework {

namespace {

size_t ValueIndexOf(TTypeKind Kind) {
  switch (Kind) {
    case tkInteger:
    case tkEnumeration:
    case tkSet: return 0;
    case tkFloat: return 1;
    case tkString: return 2;
    case tkClass: return 3;
    case tkMethod: return 4;
  }
  return 0;
}

[[noreturn]] void RaiseProperty(const TPropInfo& Info, const std::string& What) {
  throw EPropertyError("Property " + Info.Name() + ": " + What);
}

void CheckOrdinal(const TPropInfo& Info, int64_t Value) {
  const TTypeInfo& Type = Info.PropType();
  const bool InRange = Type.Kind() == tkSet ? (uint64_t(Value) & ~uint64_t(Type.MaxValue())) == 0
                                            : Value >= Type.MinValue() && Value <= Type.MaxValue();
  if (!InRange) RaiseProperty(Info, "value " + IntToStr(Value) + " out of range");
}

void CheckValue(const TPropInfo& Info, const TPropValue& Value) {
  if (Value.index() != ValueIndexOf(Info.PropType().Kind())) RaiseProperty(Info, "invalid type");
  if (Value.index() == 0) CheckOrdinal(Info, std::get<int64_t>(Value));
  TObject* Object = Value.index() == 3 ? std::get<TObject*>(Value) : nullptr;
  if (Object && !Object->InheritsFrom(*Info.PropType().ClassType()))
    RaiseProperty(
        Info, "a " + Object->ClassName() + " is not a " + Info.PropType().ClassType()->ClassName());
}

const TPropInfo& CheckedInfo(const TPropInfo* PropInfo, TTypeKind Kind) {
  if (!PropInfo) throw EPropertyError("Property does not exist");
  if (ValueIndexOf(PropInfo->PropType().Kind()) != ValueIndexOf(Kind))
    RaiseProperty(*PropInfo, "invalid property type");
  return *PropInfo;
}

template <class T>
T GetAs(const TObject* Instance, const TPropInfo* PropInfo, TTypeKind Kind) {
  return std::get<T>(CheckedInfo(PropInfo, Kind).Get(*Instance));
}

void SetAs(TObject* Instance, const TPropInfo* PropInfo, TTypeKind Kind, const TPropValue& Value) {
  CheckedInfo(PropInfo, Kind).Set(*Instance, Value);
}

const TPropInfo* FoundInfo(const TObject* Instance, std::string_view PropName) {
  if (const TPropInfo* Info = GetPropInfo(Instance, PropName)) return Info;
  throw EPropertyError("Property " + std::string(PropName) + " does not exist");
}

}  // namespace

void TPropInfo::Set(TObject& Instance, const TPropValue& Value) const {
  if (!FSetter) RaiseProperty(*this, "read-only");
  CheckValue(*this, Value);
  FSetter(Instance, Value);
}

TPropertyList::TPropertyList(std::initializer_list<TPropInfo> Own) {
  for (const TPropInfo& Info : Own) Add(Info);
}

TPropertyList::TPropertyList(const TPropertyList& Parent, const std::vector<TPropInfo>& Own)
    : FProperties(Parent.FProperties) {
  for (const TPropInfo& Info : Own) Add(Info);
}

void TPropertyList::Add(const TPropInfo& Info) {
  for (TPropInfo& Existing : FProperties)
    if (SameText(Existing.Name(), Info.Name())) {
      Existing = Info;
      return;
    }
  FProperties.push_back(Info);
}

const TPropInfo* TPropertyList::Find(std::string_view Name) const {
  for (const TPropInfo& Info : FProperties)
    if (SameText(Info.Name(), Name)) return &Info;
  return nullptr;
}

TMethodList::TMethodList(std::initializer_list<TEntry> Own) : FEntries(Own) {}

TMethodList::TMethodList(const TMethodList& Parent, std::initializer_list<TEntry> Own)
    : FEntries(Parent.FEntries) {
  FEntries.insert(FEntries.end(), Own);
}

const TMethodList::TEntry* TMethodList::Find(std::string_view Name) const {
  for (const TEntry& Entry : FEntries)
    if (SameText(Entry.Name, Name)) return &Entry;
  return nullptr;
}

std::string TMethodList::NameOf(TObject& Root, const TMethod& Method) const {
  for (const TEntry& Entry : FEntries)
    if (Entry.Bind(Root).Identity == Method.Identity) return Entry.Name;
  return {};
}

const TPropInfo* GetPropInfo(const TClass& Class, std::string_view PropName) {
  return Class.Properties().Find(PropName);
}

const TPropInfo* GetPropInfo(const TObject* Instance, std::string_view PropName) {
  return GetPropInfo(Instance->ClassType(), PropName);
}

int64_t GetOrdProp(const TObject* Instance, const TPropInfo* PropInfo) {
  return GetAs<int64_t>(Instance, PropInfo, tkInteger);
}

void SetOrdProp(TObject* Instance, const TPropInfo* PropInfo, int64_t Value) {
  SetAs(Instance, PropInfo, tkInteger, Value);
}

std::string GetEnumProp(const TObject* Instance, const TPropInfo* PropInfo) {
  return PropInfo->PropType().EnumName(GetOrdProp(Instance, PropInfo));
}

void SetEnumProp(TObject* Instance, const TPropInfo* PropInfo, std::string_view Value) {
  const int64_t Ordinal = CheckedInfo(PropInfo, tkEnumeration).PropType().EnumValue(Value);
  if (Ordinal < 0) RaiseProperty(*PropInfo, "invalid value " + std::string(Value));
  SetOrdProp(Instance, PropInfo, Ordinal);
}

std::string GetStrProp(const TObject* Instance, const TPropInfo* PropInfo) {
  return GetAs<std::string>(Instance, PropInfo, tkString);
}

void SetStrProp(TObject* Instance, const TPropInfo* PropInfo, const std::string& Value) {
  SetAs(Instance, PropInfo, tkString, Value);
}

double GetFloatProp(const TObject* Instance, const TPropInfo* PropInfo) {
  return GetAs<double>(Instance, PropInfo, tkFloat);
}

void SetFloatProp(TObject* Instance, const TPropInfo* PropInfo, double Value) {
  SetAs(Instance, PropInfo, tkFloat, Value);
}

TObject* GetObjectProp(const TObject* Instance, const TPropInfo* PropInfo) {
  return GetAs<TObject*>(Instance, PropInfo, tkClass);
}

void SetObjectProp(TObject* Instance, const TPropInfo* PropInfo, TObject* Value) {
  SetAs(Instance, PropInfo, tkClass, Value);
}

TMethod GetMethodProp(const TObject* Instance, const TPropInfo* PropInfo) {
  return GetAs<TMethod>(Instance, PropInfo, tkMethod);
}

void SetMethodProp(TObject* Instance, const TPropInfo* PropInfo, const TMethod& Value) {
  SetAs(Instance, PropInfo, tkMethod, Value);
}

int64_t GetOrdProp(const TObject* Instance, std::string_view PropName) {
  return GetOrdProp(Instance, FoundInfo(Instance, PropName));
}

void SetOrdProp(TObject* Instance, std::string_view PropName, int64_t Value) {
  SetOrdProp(Instance, FoundInfo(Instance, PropName), Value);
}

std::string GetStrProp(const TObject* Instance, std::string_view PropName) {
  return GetStrProp(Instance, FoundInfo(Instance, PropName));
}

void SetStrProp(TObject* Instance, std::string_view PropName, const std::string& Value) {
  SetStrProp(Instance, FoundInfo(Instance, PropName), Value);
}

TObject* GetObjectProp(const TObject* Instance, std::string_view PropName) {
  return GetObjectProp(Instance, FoundInfo(Instance, PropName));
}

void SetObjectProp(TObject* Instance, std::string_view PropName, TObject* Value) {
  SetObjectProp(Instance, FoundInfo(Instance, PropName), Value);
}

}  // namespace framework
