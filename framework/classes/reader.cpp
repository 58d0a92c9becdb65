#include "framework/classes/reader.h"

#include "framework/classes/component.h"
#include "framework/classes/errors.h"
#include "framework/classes/memory_stream.h"
#include "framework/classes/property.h"
#include "framework/classes/stream.h"
#include "framework/rtl/string_functions.h"

namespace framework {

namespace {

// Runs Step; an error in it (a malformed value, a setter refusing a value, a name taken) is raised
// again as a parser error that says what was being read, at the line of the error.
template <class F>
void AtLine(int Line, const std::string& What, F Step) {
  try {
    Step();
  } catch (const EParserError& E) {
    TParser::ErrorAt(E.Line(), What + ": " + E.Text());
  } catch (const Exception& E) {
    TParser::ErrorAt(Line, What + ": " + E.Message());
  }
}

}  // namespace

TComponent* TReader::ReadRootComponent(TComponent* Instance, TComponent* Owner) {
  const bool CreatedRoot = Instance == nullptr;
  try {
    return ReadRoot(Instance, Owner);
  } catch (...) {
    Discard(CreatedRoot);
    throw;
  }
}

TComponent* TReader::ReadRoot(TComponent* Instance, TComponent* Owner) {
  const int Line = FParser.SourceLine();
  std::string ClassName;
  const std::string Name = ReadHeader(ClassName);
  if (Instance && !SameText(Instance->ClassName(), ClassName))
    TParser::ErrorAt(
        Line, "Class " + ClassName + " found where " + Instance->ClassName() + " was expected");
  AtLine(Line, "Cannot create " + Name,
         [&] { FRoot = Instance ? Instance : FindClass(ClassName).Create(Owner); });
  BeginLoading(FRoot, Name, Line);
  ReadBody(FRoot);
  FParser.CheckToken(toEOF);
  ResolveFixups();
  FinishLoading();
  return FRoot;
}

// "object Name: TClass", or "object TClass" for a component without a name.
std::string TReader::ReadHeader(std::string& ClassName) {
  FParser.CheckSymbol("object");
  FParser.NextToken();
  FParser.CheckToken(toSymbol);
  std::string Name = FParser.TokenString();
  FParser.NextToken();
  if (FParser.TokenChar() != ':') {
    ClassName = Name;
    return "";
  }
  FParser.NextToken();
  FParser.CheckToken(toSymbol);
  ClassName = FParser.TokenString();
  FParser.NextToken();
  return Name;
}

TComponent* TReader::ReadComponent(TComponent* Parent) {
  const int Line = FParser.SourceLine();
  std::string ClassName;
  const std::string Name = ReadHeader(ClassName);
  TComponent* Component = nullptr;
  AtLine(Line, "Cannot create " + Name, [&] { Component = FindClass(ClassName).Create(FRoot); });
  BeginLoading(Component, Name, Line);
  AtLine(Line, "Cannot place " + Name, [&] { Component->SetParentComponent(Parent); });
  ReadBody(Component);
  return Component;
}

// The component joins the loaded list before anything can fail, so that an error leaves nothing
// behind.
void TReader::BeginLoading(TComponent* Component, const std::string& Name, int Line) {
  FLoaded.push_back(Component);
  Component->SetComponentState(csLoading, true);
  Component->SetComponentState(csReading, true);
  AtLine(Line, "Invalid name " + Name, [&] { Component->SetName(Name); });
}

void TReader::ReadBody(TComponent* Component) {
  while (!FParser.TokenSymbolIs("end")) {
    if (FParser.Token() == toEOF) FParser.Error("'end' expected for " + Component->Name());
    if (FParser.TokenSymbolIs("object"))
      ReadComponent(Component);
    else
      ReadProperty(Component);
  }
  FParser.NextToken();
}

// Name = value, where Name may run through sub-objects (Font.Name) and may be a defined property
// (Items.Strings).
void TReader::ReadProperty(TComponent* Component) {
  FParser.CheckToken(toSymbol);
  const int Line = FParser.SourceLine();
  const std::string Path = FParser.TokenString();
  const std::string Context = "Error reading " + Component->Name() + "." + Path;
  AtLine(Line, Context, [&] {
    FParser.NextToken();
    FParser.CheckChar('=');
    FParser.NextToken();
    TPersistent* Instance = Component;
    std::string_view Name = Path;
    for (size_t Dot; (Dot = Name.find('.')) != std::string_view::npos; Name.remove_prefix(Dot + 1))
      Instance = SubObject(Instance, Name.substr(0, Dot));
    if (const TPropInfo* Info = GetPropInfo(Instance, Name))
      ReadPropValue(Instance, *Info, Context);
    else
      ReadDefinedProperty(Instance, std::string(Name));
  });
}

TPersistent* TReader::SubObject(TPersistent* Instance, std::string_view Name) {
  const TPropInfo* Info = GetPropInfo(Instance, Name);
  const bool IsSubObject = Info && Info->PropType().Kind() == tkClass &&
                           !Info->PropType().ClassType()->InheritsFrom(TComponent::StaticClass());
  TObject* Sub = IsSubObject ? GetObjectProp(Instance, Info) : nullptr;
  if (!Sub) FParser.Error(Instance->ClassName() + " has no sub-object " + std::string(Name));
  return static_cast<TPersistent*>(Sub);
}

void TReader::ReadDefinedProperty(TPersistent* Instance, const std::string& Name) {
  FDefinedName = Name;
  FDefinedFound = false;
  Instance->DefineProperties(*this);
  if (!FDefinedFound)
    FParser.Error("Property " + Name + " does not exist in " + Instance->ClassName());
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo& Info,
                            const std::string& Context) {
  const TTypeInfo& Type = Info.PropType();
  switch (Type.Kind()) {
    case tkInteger: Info.Set(*Instance, ReadIntegerOrIdent(Type)); return;
    case tkFloat: Info.Set(*Instance, ReadFloat()); return;
    case tkString: Info.Set(*Instance, ReadString()); return;
    case tkSet: Info.Set(*Instance, ReadSet(Info)); return;
    default: break;
  }
  const int Line = FParser.SourceLine();
  const std::string Ident = ReadIdent();
  if (Type.Kind() == tkEnumeration) {
    const int64_t Value = Type.EnumValue(Ident);
    if (Value < 0) TParser::ErrorAt(Line, "Invalid property value " + Ident);
    Info.Set(*Instance, Value);
  } else if (SameText(Ident, "nil")) {
    Info.Set(*Instance, Type.Kind() == tkClass ? TPropValue(nullptr) : TPropValue(TMethod{}));
  } else if (Type.Kind() == tkMethod) {
    const TMethodList::TEntry* Method = FRoot->ClassType().Methods().Find(Ident);
    if (!Method) TParser::ErrorAt(Line, "Method " + Ident + " not found in " + FRoot->ClassName());
    Info.Set(*Instance, Method->Bind(*FRoot));
  } else if (Type.ClassType()->InheritsFrom(TComponent::StaticClass())) {
    FFixups.push_back({Instance, &Info, Ident, Line, Context});
  } else {
    TParser::ErrorAt(Line, "Invalid property value " + Ident);
  }
}

int64_t TReader::ReadSet(const TPropInfo& Info) {
  FParser.CheckChar('[');
  FParser.NextToken();
  uint64_t Bits = 0;
  while (FParser.TokenChar() != ']') {
    if (Bits != 0 || FParser.TokenChar() == ',') {
      FParser.CheckChar(',');
      FParser.NextToken();
    }
    const int64_t Element = Info.PropType().EnumValue(FParser.TokenString());
    if (FParser.Token() != toSymbol || Element < 0)
      FParser.Error("Invalid set element " + FParser.TokenString());
    Bits |= uint64_t(1) << Element;
    FParser.NextToken();
  }
  FParser.NextToken();
  return int64_t(Bits);
}

void TReader::ResolveFixups() {
  for (const TFixup& Fixup : FFixups)
    AtLine(Fixup.Line, Fixup.Context, [&] {
      TComponent* Target =
          SameText(Fixup.Name, FRoot->Name()) ? FRoot : FRoot->FindComponent(Fixup.Name);
      if (!Target) throw EReadError("Component " + Fixup.Name + " not found");
      Fixup.Info->Set(*Fixup.Instance, static_cast<TObject*>(Target));
    });
}

void TReader::FinishLoading() {
  for (TComponent* Component : FLoaded) Component->SetComponentState(csReading, false);
  for (TComponent* Component : FLoaded) Component->Loaded();
}

// After an error: the components this reader created go, last first, so that a child never
// outlives a parent that might free it; a root that was given stays, no longer loading.
void TReader::Discard(bool CreatedRoot) {
  if (FLoaded.empty()) return;
  for (size_t I = FLoaded.size() - 1; I > 0; --I) delete FLoaded[I];
  if (CreatedRoot) {
    delete FLoaded[0];
  } else {
    FLoaded[0]->SetComponentState(csReading, false);
    FLoaded[0]->SetComponentState(csLoading, false);
  }
  FLoaded.clear();
}

int64_t TReader::ReadIntegerOrIdent(const TTypeInfo& Type) {
  if (FParser.Token() != toSymbol) return ReadInteger();
  int64_t Value = 0;
  if (!Type.IdentToInt(FParser.TokenString(), Value))
    FParser.Error("Invalid property value " + FParser.TokenString());
  FParser.NextToken();
  return Value;
}

int64_t TReader::ReadInteger() {
  const int64_t Value = FParser.TokenInt();
  FParser.NextToken();
  return Value;
}

double TReader::ReadFloat() {
  const double Value = FParser.TokenFloat();
  FParser.NextToken();
  return Value;
}

std::string TReader::ReadString() {
  FParser.CheckToken(toString);
  std::string Value = FParser.TokenString();
  FParser.NextToken();
  return Value;
}

bool TReader::ReadBoolean() {
  const std::string Ident = ReadIdent();
  if (SameText(Ident, "True")) return true;
  if (!SameText(Ident, "False")) FParser.Error("Invalid Boolean value " + Ident);
  return false;
}

std::string TReader::ReadIdent() {
  FParser.CheckToken(toSymbol);
  std::string Ident = FParser.TokenString();
  FParser.NextToken();
  return Ident;
}

void TReader::ReadListBegin() {
  FParser.CheckChar('(');
  FParser.NextToken();
}

bool TReader::EndOfList() const {
  return FParser.TokenChar() == ')';
}

void TReader::ReadListEnd() {
  FParser.CheckChar(')');
  FParser.NextToken();
}

void TReader::DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                             const TWriterProc&, bool) {
  if (FDefinedFound || !SameText(Name, FDefinedName)) return;
  FDefinedFound = true;
  ReadData(*this);
}

void TReader::DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                                   const TStreamProc&, bool) {
  if (FDefinedFound || !SameText(Name, FDefinedName)) return;
  FDefinedFound = true;
  FParser.CheckToken(toBinary);
  TMemoryStream Data;
  Data.WriteBuffer(FParser.TokenString().data(), int64_t(FParser.TokenString().size()));
  Data.SetPosition(0);
  FParser.NextToken();
  ReadData(Data);
}

TComponent* ReadComponentText(std::string_view Text, TComponent* Instance, TComponent* Owner) {
  TReader Reader(Text);
  return Reader.ReadRootComponent(Instance, Owner);
}

TComponent* ReadComponent(TStream& Stream, TComponent* Instance, TComponent* Owner) {
  std::string Text(size_t(Stream.Size() - Stream.Position()), '\0');
  Stream.ReadBuffer(Text.data(), int64_t(Text.size()));
  return ReadComponentText(Text, Instance, Owner);
}

}  // namespace framework
