#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/classes/persistent.h"
#include "framework/classes/property.h"
#include "framework/rtl/set.h"

namespace framework {

enum TComponentStateElement : uint8_t {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
};
using TComponentState = TSet<TComponentStateElement>;

enum TOperation : uint8_t { opInsert, opRemove };

class TComponent;
using TGetChildProc = std::function<void(TComponent* Child)>;

// A component: owned by another component that frees it, named uniquely among its siblings, told
// (Notification) when components it may refer to arrive or go.
class TComponent : public TPersistent {
  DECLARE_CLASS(TComponent, TPersistent)

 public:
  explicit TComponent(TComponent* AOwner);
  // Tells every component that asked for it (FreeNotification) and the owner's whole family that
  // this component goes, frees the owned components, and leaves the owner.
  ~TComponent() override;

  static const TPropertyList& Published();

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return int(FComponents.size()); }
  // Raises EComponentError for an index outside 0..ComponentCount() - 1.
  TComponent* Components(int Index) const;
  int ComponentIndex() const;
  // The owned component of that name (case of a to z ignored), or nullptr.
  TComponent* FindComponent(std::string_view AName) const;
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  void DestroyComponents();

  const std::string& Name() const { return FName; }
  // Raises EComponentError for a name that is not an identifier or that a sibling has.
  virtual void SetName(const std::string& NewName);
  int64_t Tag() const { return FTag; }
  void SetTag(int64_t Value) { FTag = Value; }

  TComponentState ComponentState() const { return FComponentState; }
  // Asks for a Notification when AComponent goes, also when it is not owned by this component's
  // owner. Either side may go first.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);
  // Marks the component and its owned components as being destroyed.
  void Destroying();
  void SetDesigning(bool Value);

  // The component that a stored form nests this one in (a control's parent); the default has
  // none.
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent*) {}
  // The components a stored form writes inside this one when Root is the form written: the
  // default, for a root, is every owned component without a parent component.
  virtual void GetChildren(const TGetChildProc& Proc, TComponent* Root);

 protected:
  // Called once streaming has set every property and resolved every reference; clears csLoading.
  virtual void Loaded();
  // The default passes the notice on to every owned component, and forgets a removed component
  // that asked for free notification.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  // Readers and writers set csLoading, csReading and csWriting through these.
  void SetComponentState(TComponentStateElement Element, bool Value);

 private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  void ValidateRename(TComponent* AComponent, const std::string& CurName,
                      const std::string& NewName) const;

  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  std::string FName;
  int64_t FTag = 0;
  TComponentState FComponentState;

  friend class TReader;
  friend class TWriter;
};

// True when Ident is an identifier: a letter or '_', then letters, digits or '_'.
bool IsValidIdent(std::string_view Ident);

}  // namespace framework
