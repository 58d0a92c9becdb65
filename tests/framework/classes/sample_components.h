#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/classes/component.h"
#include "framework/classes/string_list.h"
#include "framework/rtl/types.h"

// A small family of components with a published property of every kind, for the RTTI and
// streaming tests.
namespace sample {

using namespace framework;

enum TSampleKind : uint8_t { skNone, skLeft, skRight };
const TTypeInfo& EnumTypeInfo(TSampleKind);
using TSampleKinds = TSet<TSampleKind>;
// An integer type with names for some values, as colours have.
enum TSampleShade : int32_t { shNone = 0, shDark = 1, shLight = 2 };
const TTypeInfo& EnumTypeInfo(TSampleShade);

class TSampleFont : public TPersistent {
  DECLARE_CLASS(TSampleFont, TPersistent)

 public:
  static const TPropertyList& Published();
  int Size() const { return FSize; }
  void SetSize(int Value) { FSize = Value; }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value) { FName = Value; }

 private:
  int FSize = 8;
  std::string FName = "Sans";
};

class TSample : public TComponent {
  DECLARE_CLASS(TSample, TComponent)

 public:
  explicit TSample(TComponent* AOwner) : TComponent(AOwner) {}
  static const TPropertyList& Published();

  int Count() const { return FCount; }
  void SetCount(int Value) { FCount = Value; }
  bool Active() const { return FActive; }
  void SetActive(bool Value) { FActive = Value; }
  TSampleKind Kind() const { return FKind; }
  void SetKind(TSampleKind Value) { FKind = Value; }
  TSampleKinds Kinds() const { return FKinds; }
  void SetKinds(TSampleKinds Value) { FKinds = Value; }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  double Ratio() const { return FRatio; }
  void SetRatio(double Value) { FRatio = Value; }
  Word Small() const { return FSmall; }
  void SetSmall(Word Value) { FSmall = Value; }
  TSampleShade Shade() const { return FShade; }
  void SetShade(TSampleShade Value) { FShade = Value; }
  TSampleFont* Font() const { return FFont.get(); }
  TStringList* Items() const { return FItems.get(); }
  TSample* Buddy() const { return FBuddy; }
  void SetBuddy(TSample* Value);
  // The component this one is nested in when streamed, as a control's parent is.
  TComponent* GetParentComponent() const override { return FParent; }
  void SetParentComponent(TComponent* Value) override { FParent = Value; }
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

  TNotifyEvent OnChange;

  // What Loaded saw: the component state and whether the reference was already resolved.
  std::vector<std::string> LoadedLog;
  bool WasLoadingWhenCaptionSet = false;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  int FCount = 0;
  bool FActive = false;
  TSampleKind FKind = skNone;
  TSampleKinds FKinds;
  std::string FCaption;
  double FRatio = 0;
  Word FSmall = 0;
  TSampleShade FShade = shNone;
  std::unique_ptr<TSampleFont> FFont = std::make_unique<TSampleFont>();
  std::unique_ptr<TStringList> FItems = std::make_unique<TStringList>();
  TSample* FBuddy = nullptr;
  TComponent* FParent = nullptr;
};

// A root with published methods, that stored event handlers name.
class TSampleForm : public TSample {
  DECLARE_CLASS(TSampleForm, TSample)

 public:
  explicit TSampleForm(TComponent* AOwner) : TSample(AOwner) {}
  static const TMethodList& PublishedMethods();
  void ItemChange(TObject* Sender) { Changes.push_back(static_cast<TComponent*>(Sender)->Name()); }
  void OtherChange(TObject*) {}

  std::vector<std::string> Changes;
};

// Not creatable by name: it has no constructor from an owner.
class TAbstractSample : public TComponent {
  DECLARE_CLASS(TAbstractSample, TComponent)

 public:
  TAbstractSample() : TComponent(nullptr) {}
};

void RegisterSamples();

}  // namespace sample
