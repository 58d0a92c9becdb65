#include "sample_components.h"

namespace sample {

const TTypeInfo& EnumTypeInfo(TSampleKind) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TSampleKind", {"skNone", "skLeft", "skRight"});
  return Info;
}

const TTypeInfo& EnumTypeInfo(TSampleShade) {
  static const TTypeInfo Info = TTypeInfo::Integer("TSampleShade", INT32_MIN, INT32_MAX,
                                                   {{"shNone", 0}, {"shDark", 1}, {"shLight", 2}});
  return Info;
}

const TClass& TSampleFont::StaticClass() {
  return TClass::Describe<TSampleFont>("TSampleFont");
}

const TPropertyList& TSampleFont::Published() {
  static const TPropertyList List({
      Property("Size", &TSampleFont::Size, &TSampleFont::SetSize, 8),
      Property("Name", &TSampleFont::Name, &TSampleFont::SetName, "Sans"),
  });
  return List;
}

const TClass& TSample::StaticClass() {
  return TClass::Describe<TSample>("TSample");
}

const TPropertyList& TSample::Published() {
  static const TPropertyList List(
      TComponent::Published(),
      {
          Property("Count", &TSample::Count, &TSample::SetCount, 0),
          Property("Active", &TSample::Active, &TSample::SetActive, false),
          Property("Kind", &TSample::Kind, &TSample::SetKind, skNone),
          Property("Kinds", &TSample::Kinds, &TSample::SetKinds, TSampleKinds{}),
          Property("Caption", &TSample::Caption, &TSample::SetCaption),
          Property("Ratio", &TSample::Ratio, &TSample::SetRatio, 0.0),
          Property("Small", &TSample::Small, &TSample::SetSmall, 0),
          Property("Shade", &TSample::Shade, &TSample::SetShade, shNone),
          Property("Font", &TSample::Font),
          Property("Items", &TSample::Items),
          Property("Buddy", &TSample::Buddy, &TSample::SetBuddy),
          Property("OnChange", &TSample::OnChange),
      });
  return List;
}

void TSample::SetBuddy(TSample* Value) {
  if (FBuddy == Value) return;
  if (FBuddy) FBuddy->RemoveFreeNotification(this);
  FBuddy = Value;
  if (FBuddy) FBuddy->FreeNotification(this);
}

void TSample::SetCaption(const std::string& Value) {
  FCaption = Value;
  WasLoadingWhenCaptionSet = ComponentState().Contains(csLoading);
}

void TSample::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  for (int I = 0; I < Root->ComponentCount(); ++I)
    if (Root->Components(I)->GetParentComponent() == this) Proc(Root->Components(I));
}

void TSample::Loaded() {
  LoadedLog.push_back(std::string(ComponentState().Contains(csLoading) ? "loading" : "idle") +
                      (ComponentState().Contains(csReading) ? " reading" : "") +
                      (FBuddy ? " buddy " + FBuddy->Name() : ""));
  TComponent::Loaded();
}

void TSample::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FBuddy) FBuddy = nullptr;
  if (Operation == opRemove && AComponent == FParent) FParent = nullptr;
}

const TClass& TSampleForm::StaticClass() {
  return TClass::Describe<TSampleForm>("TSampleForm");
}

const TMethodList& TSampleForm::PublishedMethods() {
  static const TMethodList List({
      PublishedMethod("ItemChange", &TSampleForm::ItemChange),
      PublishedMethod("OtherChange", &TSampleForm::OtherChange),
  });
  return List;
}

const TClass& TAbstractSample::StaticClass() {
  return TClass::Describe<TAbstractSample>("TAbstractSample");
}

void RegisterSamples() {
  RegisterClass(TComponent::StaticClass());
  RegisterClass(TSample::StaticClass());
  RegisterClass(TSampleForm::StaticClass());
  RegisterClass(TAbstractSample::StaticClass());
}

}  // namespace sample
