#pragma once

#include <cstdint>
#include <string>

#include "framework/classes/filer.h"
#include "framework/classes/property.h"

namespace framework {

class TComponent;
class TPersistent;

// Writes a component, its published properties, its defined properties and its children in the
// text form:
//
//   object Form1: TForm1
//     Caption = 'Orders'
//     Items.Strings = (
//       'one'
//       'two')
//     object Source1: TDataSource
//     end
//   end
//
// A property that its stored-test refuses, or that holds its declared default, is not written.
class TWriter : public TFiler {
 public:
  // Root is the component whose owned components references and event handlers are named by.
  explicit TWriter(TComponent* Root) : FRoot(Root) {}

  void WriteComponent(TComponent* Component);
  const std::string& Text() const { return FText; }

  // Values, for the WriteData procedure of a defined property.
  void WriteInteger(int64_t Value);
  void WriteFloat(double Value);
  void WriteString(const std::string& Value);
  void WriteBoolean(bool Value);
  void WriteIdent(const std::string& Ident);
  void WriteListBegin();
  void WriteListEnd();

  void DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                      const TWriterProc& WriteData, bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                            const TStreamProc& WriteData, bool HasData) override;

 private:
  void WriteProperties(TPersistent* Instance, const std::string& Prefix);
  void WriteProperty(TPersistent* Instance, const TPropInfo& Info, const std::string& Prefix);
  std::string ValueText(const TTypeInfo& Type, const TPropValue& Value) const;
  // The text of a reference, or empty when the component cannot be named from the root.
  std::string ReferenceName(const TComponent* Component) const;
  void BeginProperty(const std::string& Name);
  void BeginValue();
  // A line break and the indentation of Extra levels deeper than the current one.
  void NewLine(int Extra);
  void EndProperty() { FText += '\n'; }
  std::string Indent(int Extra = 0) const;

  TComponent* FRoot;
  std::string FText;
  std::string FPrefix;
  int FDepth = 0;
  int FListDepth = 0;
};

// The text form of Root and everything it holds.
std::string WriteComponentText(TComponent* Root);
void WriteComponent(class TStream& Stream, TComponent* Root);

}  // namespace framework
