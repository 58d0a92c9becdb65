#include "framework/classes/writer.h"

#include <charconv>
#include <cmath>

#include "framework/classes/component.h"
#include "framework/classes/errors.h"
#include "framework/classes/memory_stream.h"
#include "framework/classes/property.h"
#include "framework/rtl/guards.h"

namespace framework {

namespace {

// Printable ASCII goes between quotes; every other byte is written as #nnn, so that the text form
// stays 7-bit clean whatever the code page.
std::string QuotedString(const std::string& Value) {
  std::string Result;
  bool Quoted = false;
  for (unsigned char Ch : Value) {
    const bool Printable = Ch >= ' ' && Ch < 127;
    if (Printable != Quoted) {
      Result += '\'';
      Quoted = Printable;
    }
    if (!Printable)
      Result += '#' + std::to_string(Ch);
    else
      Result += Ch == '\'' ? "''" : std::string(1, char(Ch));
  }
  if (Quoted) Result += '\'';
  return Result.empty() ? "''" : Result;
}

std::string SetText(const TTypeInfo& Type, uint64_t Bits) {
  std::string Result = "[";
  for (size_t I = 0; I < Type.Names().size(); ++I)
    if (Bits & (uint64_t(1) << I)) Result += (Result.size() > 1 ? ", " : "") + Type.Names()[I];
  return Result + "]";
}

// The shortest text that reads back as the same double.
std::string FloatText(double Value) {
  if (!std::isfinite(Value))
    throw EWriteError("Cannot write the float value " + std::to_string(Value));
  char Buffer[32];
  const auto Result = std::to_chars(Buffer, Buffer + sizeof(Buffer), Value);
  return std::string(Buffer, Result.ptr);
}

// Unassigned events and references and absent sub-objects have nothing to write.
bool HoldsValue(const TPropValue& Value) {
  if (const auto* Method = std::get_if<TMethod>(&Value)) return Method->Assigned();
  if (const auto* Object = std::get_if<TObject*>(&Value)) return *Object != nullptr;
  return true;
}

}  // namespace

std::string TWriter::Indent(int Extra) const {
  return std::string(size_t(2 * (FDepth + Extra)), ' ');
}

void TWriter::WriteComponent(TComponent* Component) {
  const std::string Named = Component->Name().empty() ? "" : Component->Name() + ": ";
  FText += Indent() + "object " + Named + Component->ClassName() + "\n";
  {
    Component->SetComponentState(csWriting, true);
    TScopeExit Written([Component] { Component->SetComponentState(csWriting, false); });
    TFlagGuard Nested(FDepth, FDepth + 1);
    WriteProperties(Component, "");
    Component->GetChildren([this](TComponent* Child) { WriteComponent(Child); }, FRoot);
  }
  FText += Indent() + "end\n";
}

void TWriter::WriteProperties(TPersistent* Instance, const std::string& Prefix) {
  for (const TPropInfo& Info : Instance->ClassType().Properties())
    WriteProperty(Instance, Info, Prefix);
  TFlagGuard Defining(FPrefix, Prefix);
  Instance->DefineProperties(*this);
}

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo& Info,
                            const std::string& Prefix) {
  if (!Info.IsStored(*Instance) || Info.IsDefaultValue(*Instance)) return;
  const TPropValue Value = Info.Get(*Instance);
  if (!HoldsValue(Value)) return;
  const TTypeInfo& Type = Info.PropType();
  if (Type.Kind() == tkClass && !Type.ClassType()->InheritsFrom(TComponent::StaticClass()))
    return WriteProperties(static_cast<TPersistent*>(std::get<TObject*>(Value)),
                           Prefix + Info.Name() + ".");
  const std::string Text = ValueText(Type, Value);
  if (Text.empty()) return;
  BeginProperty(Prefix + Info.Name());
  FText += Text;
  EndProperty();
}

// The stored form of a value; empty for a reference or handler that cannot be named from the root.
std::string TWriter::ValueText(const TTypeInfo& Type, const TPropValue& Value) const {
  switch (Type.Kind()) {
    case tkInteger: {
      const int64_t Number = std::get<int64_t>(Value);
      const std::string Ident = Type.IntToIdent(Number);
      return Ident.empty() ? std::to_string(Number) : Ident;
    }
    case tkEnumeration: return Type.EnumName(std::get<int64_t>(Value));
    case tkSet: return SetText(Type, uint64_t(std::get<int64_t>(Value)));
    case tkFloat: return FloatText(std::get<double>(Value));
    case tkString: return QuotedString(std::get<std::string>(Value));
    case tkClass: return ReferenceName(static_cast<TComponent*>(std::get<TObject*>(Value)));
    case tkMethod: return FRoot->ClassType().Methods().NameOf(*FRoot, std::get<TMethod>(Value));
  }
  return {};
}

std::string TWriter::ReferenceName(const TComponent* Component) const {
  if (Component->Name().empty()) return {};
  if (Component == FRoot || Component->Owner() == FRoot) return Component->Name();
  const TComponent* Owner = Component->Owner();
  return Owner && !Owner->Name().empty() ? Owner->Name() + "." + Component->Name() : std::string();
}

void TWriter::BeginProperty(const std::string& Name) {
  FText += Indent() + Name + " = ";
}

void TWriter::NewLine(int Extra) {
  FText += '\n';
  FText.append(size_t(2 * (FDepth + Extra)), ' ');
}

void TWriter::BeginValue() {
  if (FListDepth > 0) NewLine(FListDepth);
}

void TWriter::WriteInteger(int64_t Value) {
  BeginValue();
  FText += std::to_string(Value);
}

void TWriter::WriteFloat(double Value) {
  BeginValue();
  FText += FloatText(Value);
}

void TWriter::WriteString(const std::string& Value) {
  BeginValue();
  FText += QuotedString(Value);
}

void TWriter::WriteBoolean(bool Value) {
  WriteIdent(Value ? "True" : "False");
}

void TWriter::WriteIdent(const std::string& Ident) {
  BeginValue();
  FText += Ident;
}

void TWriter::WriteListBegin() {
  BeginValue();
  FText += '(';
  ++FListDepth;
}

void TWriter::WriteListEnd() {
  --FListDepth;
  FText += ')';
}

void TWriter::DefineProperty(const std::string& Name, const TReaderProc&,
                             const TWriterProc& WriteData, bool HasData) {
  if (!HasData) return;
  BeginProperty(FPrefix + Name);
  WriteData(*this);
  EndProperty();
}

void TWriter::DefineBinaryProperty(const std::string& Name, const TStreamProc&,
                                   const TStreamProc& WriteData, bool HasData) {
  if (!HasData) return;
  TMemoryStream Data;
  WriteData(Data);
  static const char Hex[] = "0123456789ABCDEF";
  BeginProperty(FPrefix + Name);
  FText += '{';
  const auto* Bytes = static_cast<const unsigned char*>(Data.Memory());
  for (int64_t I = 0; I < Data.Size(); ++I) {
    if (I % 32 == 0) NewLine(1);
    FText += Hex[Bytes[I] >> 4];
    FText += Hex[Bytes[I] & 15];
  }
  FText += '}';
  EndProperty();
}

std::string WriteComponentText(TComponent* Root) {
  TWriter Writer(Root);
  Writer.WriteComponent(Root);
  return Writer.Text();
}

void WriteComponent(TStream& Stream, TComponent* Root) {
  const std::string Text = WriteComponentText(Root);
  Stream.WriteBuffer(Text.data(), int64_t(Text.size()));
}

}  // namespace framework
