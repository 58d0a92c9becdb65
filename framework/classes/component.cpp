#include "framework/classes/component.h"

#include <algorithm>
#include <string>

#include "framework/classes/errors.h"
#include "framework/rtl/string_functions.h"

namespace framework {

namespace {

bool IsIdentStart(char C) {
  return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_';
}

bool IsIdentChar(char C) {
  return IsIdentStart(C) || (C >= '0' && C <= '9');
}

bool Erase(std::vector<TComponent*>& List, TComponent* Item) {
  const auto It = std::find(List.begin(), List.end(), Item);
  if (It == List.end()) return false;
  List.erase(It);
  return true;
}

}  // namespace

const TClass& TComponent::StaticClass() {
  return TClass::Describe<TComponent>("TComponent");
}

const TPropertyList& TComponent::Published() {
  static const TPropertyList List(
      {Property("Name", &TComponent::Name, &TComponent::SetName).NotStored(),
       Property("Tag", &TComponent::Tag, &TComponent::SetTag, 0)});
  return List;
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Both sides forget the pair before the other side hears of it, so a receiver that does not
  // call the inherited Notification still leaves no pointer to this component behind.
  while (!FFreeNotifies.empty()) {
    TComponent* Other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    Erase(Other->FFreeNotifies, this);
    Other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount())
    throw EComponentError("List index out of bounds (" + std::to_string(Index) + ")");
  return FComponents[size_t(Index)];
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  const auto& Siblings = FOwner->FComponents;
  return int(std::find(Siblings.begin(), Siblings.end(), this) - Siblings.begin());
}

TComponent* TComponent::FindComponent(std::string_view AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* Component : FComponents)
    if (SameText(Component->FName, AName)) return Component;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  for (const TComponent* Owner = this; Owner; Owner = Owner->FOwner)
    if (Owner == AComponent)
      throw EComponentError("A component cannot own itself or one of its owners");
  ValidateRename(AComponent, "", AComponent->FName);
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  Insert(AComponent);
  if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

// Every component leaves the list, and its owner's family hears that it goes, before it is
// deleted: a sibling that refers to it clears the reference while the component is still whole.
void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* Instance = FComponents.back();
    RemoveComponent(Instance);
    delete Instance;
  }
}

void TComponent::SetName(const std::string& NewName) {
  if (FName == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName))
    throw EComponentError("'" + NewName + "' is not a valid component name");
  if (FOwner) FOwner->ValidateRename(this, FName, NewName);
  FName = NewName;
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) != FFreeNotifies.end())
    return;
  FFreeNotifies.push_back(AComponent);
  AComponent->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  Erase(FFreeNotifies, AComponent);
  Erase(AComponent->FFreeNotifies, this);
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* Component : FComponents) Component->Destroying();
}

void TComponent::SetDesigning(bool Value) {
  SetComponentState(csDesigning, Value);
  for (TComponent* Component : FComponents) Component->SetDesigning(Value);
}

void TComponent::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  if (Root != this) return;
  for (int I = 0; I < ComponentCount(); ++I)
    if (!FComponents[size_t(I)]->GetParentComponent()) Proc(FComponents[size_t(I)]);
}

void TComponent::Loaded() {
  SetComponentState(csLoading, false);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // Last first, and clamped after each call: a receiver may free components of this list.
  for (int I = ComponentCount() - 1; I >= 0; I = std::min(I - 1, ComponentCount() - 1))
    FComponents[size_t(I)]->Notification(AComponent, Operation);
}

void TComponent::SetComponentState(TComponentStateElement Element, bool Value) {
  if (Value)
    FComponentState.Include(Element);
  else
    FComponentState.Exclude(Element);
}

void TComponent::Insert(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
  if (Erase(FComponents, AComponent)) AComponent->FOwner = nullptr;
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName,
                                const std::string& NewName) const {
  if (NewName.empty() || SameText(CurName, NewName)) return;
  const TComponent* Found = FindComponent(NewName);
  if (Found && Found != AComponent)
    throw EComponentError("A component named " + NewName + " already exists");
}

bool IsValidIdent(std::string_view Ident) {
  return !Ident.empty() && IsIdentStart(Ident[0]) &&
         std::all_of(Ident.begin() + 1, Ident.end(), IsIdentChar);
}

}  // namespace framework
