#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/classes/filer.h"
#include "framework/classes/parser.h"

namespace framework {

class TComponent;
class TPersistent;
class TPropInfo;
class TTypeInfo;

// Reads the text form that TWriter writes. Components are created by registered class name and
// owned by the root; their properties are set while they are loading; references to other
// components are resolved once the whole text is read; then every component read is told
// Loaded. Bad input raises EParserError naming the line, and leaves nothing created behind.
class TReader : public TFiler {
 public:
  explicit TReader(std::string_view Text) : FParser(Text) {}

  // Reads into Instance, or into a new root of the stored class owned by Owner when Instance is
  // nullptr; returns the root.
  TComponent* ReadRootComponent(TComponent* Instance, TComponent* Owner);

  // Values, for the ReadData procedure of a defined property.
  int64_t ReadInteger();
  double ReadFloat();
  std::string ReadString();
  bool ReadBoolean();
  std::string ReadIdent();
  void ReadListBegin();
  bool EndOfList() const;
  void ReadListEnd();

  void DefineProperty(const std::string& Name, const TReaderProc& ReadData,
                      const TWriterProc& WriteData, bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, const TStreamProc& ReadData,
                            const TStreamProc& WriteData, bool HasData) override;

 private:
  struct TFixup {
    TPersistent* Instance;
    const TPropInfo* Info;
    std::string Name;
    int Line;
    std::string Context;
  };

  TComponent* ReadRoot(TComponent* Instance, TComponent* Owner);
  TComponent* ReadComponent(TComponent* Parent);
  std::string ReadHeader(std::string& ClassName);
  void BeginLoading(TComponent* Component, const std::string& Name, int Line);
  void ReadBody(TComponent* Component);
  void ReadProperty(TComponent* Component);
  TPersistent* SubObject(TPersistent* Instance, std::string_view Name);
  void ReadPropValue(TPersistent* Instance, const TPropInfo& Info, const std::string& Context);
  int64_t ReadSet(const TPropInfo& Info);
  int64_t ReadIntegerOrIdent(const TTypeInfo& Type);
  void ReadDefinedProperty(TPersistent* Instance, const std::string& Name);
  void ResolveFixups();
  void FinishLoading();
  void Discard(bool CreatedRoot);

  TParser FParser;
  TComponent* FRoot = nullptr;
  std::vector<TComponent*> FLoaded;
  std::vector<TFixup> FFixups;
  std::string FDefinedName;
  bool FDefinedFound = false;
};

TComponent* ReadComponentText(std::string_view Text, TComponent* Instance = nullptr,
                              TComponent* Owner = nullptr);
TComponent* ReadComponent(class TStream& Stream, TComponent* Instance = nullptr,
                          TComponent* Owner = nullptr);

}  // namespace framework
