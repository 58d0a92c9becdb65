#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/classes/component.h"
#include "framework/classes/errors.h"
#include "framework/classes/property.h"

namespace {

using namespace framework;

using TLog = std::vector<std::string>;

// Logs every notification it hears as "Receiver +Component" (insert) or "Receiver -Component"
// (remove); a '~' after a name marks a component that is being destroyed. A component whose
// destructor has begun is a plain TComponent by then, and logs nothing more.
class TRecorder : public TComponent {
 public:
  TRecorder(TComponent* AOwner, const std::string& AName, TLog& ALog)
      : TComponent(nullptr), FLog(ALog) {
    SetName(AName);
    if (AOwner) AOwner->InsertComponent(this);
  }

  TComponent* GetParentComponent() const override { return FParent; }
  void SetParentComponent(TComponent* Value) override { FParent = Value; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    FLog.push_back(Marked(this) + (Operation == opInsert ? " +" : " -") + Marked(AComponent));
    TComponent::Notification(AComponent, Operation);
  }

 private:
  static std::string Marked(const TComponent* C) {
    return C->Name() + (C->ComponentState().Contains(csDestroying) ? "~" : "");
  }

  TLog& FLog;
  TComponent* FParent = nullptr;
};

// Root owns A and B; B owns B1.
class Family : public ::testing::Test {
 protected:
  Family() {
    A = new TRecorder(Root.get(), "A", Log);
    B = new TRecorder(Root.get(), "B", Log);
    B1 = new TRecorder(B, "B1", Log);
  }

  TLog Log;
  std::unique_ptr<TRecorder> Root = std::make_unique<TRecorder>(nullptr, "Root", Log);
  TRecorder* A;
  TRecorder* B;
  TRecorder* B1;
};

TEST_F(Family, InsertionIsHeardByTheOwnersFamilyLastFirst) {
  EXPECT_EQ(Log, (TLog{"Root +A", "A +A", "Root +B", "B +B", "A +B", "B +B1", "B1 +B1"}));
  EXPECT_EQ(Root->ComponentCount(), 2);
  EXPECT_EQ(B->Components(0), B1);
  EXPECT_EQ(B1->Owner(), B);
  EXPECT_EQ(B->ComponentIndex(), 1);
  EXPECT_EQ(Root->ComponentIndex(), -1);
}

TEST_F(Family, AConstructedComponentJoinsItsOwner) {
  auto* C = new TComponent(B);
  EXPECT_EQ(C->Owner(), B);
  EXPECT_EQ(B->Components(1), C);
}

TEST_F(Family, FreeingAComponentTellsTheWholeFamilyAndLeavesTheOwner) {
  Log.clear();
  delete A;
  EXPECT_EQ(Log, (TLog{"Root -A~", "B -A~", "B1 -A~"}));
  ASSERT_EQ(Root->ComponentCount(), 1);
  EXPECT_EQ(Root->Components(0), B);
}

TEST_F(Family, FreeingTheOwnerFreesLastFirstAndEveryoneSeesDestroying) {
  Log.clear();
  Root.reset();
  EXPECT_EQ(Log, (TLog{"B~ -B~", "B1~ -B~", "A~ -B~", "B1~ -B1~", "A~ -A~"}));
}

TEST_F(Family, MovingToAnotherOwner) {
  TRecorder Other(nullptr, "Other", Log);
  Log.clear();
  Other.InsertComponent(B);
  EXPECT_EQ(Log, (TLog{"Root -B", "B -B", "B1 -B", "A -B", "Other +B", "B +B", "B1 +B"}));
  EXPECT_EQ(B->Owner(), &Other);
  EXPECT_EQ(Root->ComponentCount(), 1);
  EXPECT_EQ(Other.FindComponent("B"), B);
  Root.reset();
  EXPECT_EQ(Other.ComponentCount(), 1);
}

TEST_F(Family, AMoveToAnOwnerWithTheSameNameIsRefusedAndChangesNothing) {
  TComponent Other(nullptr);
  TComponent* Clash = new TComponent(&Other);
  Clash->SetName("b");
  EXPECT_THROW(Other.InsertComponent(B), EComponentError);
  EXPECT_EQ(B->Owner(), Root.get());
  EXPECT_EQ(Other.ComponentCount(), 1);
}

TEST_F(Family, AComponentCannotOwnItselfOrAnOwner) {
  EXPECT_THROW(B->InsertComponent(B), EComponentError);
  EXPECT_THROW(B1->InsertComponent(Root.get()), EComponentError);
  EXPECT_EQ(Root->Owner(), nullptr);
  EXPECT_EQ(B->Owner(), Root.get());
}

TEST_F(Family, DestroyComponentsKeepsTheOwner) {
  Log.clear();
  B->DestroyComponents();
  EXPECT_EQ(Log, (TLog{"B -B1", "B1 -B1"}));
  EXPECT_EQ(B->ComponentCount(), 0);
  EXPECT_EQ(Root->ComponentCount(), 2);
}

TEST_F(Family, FindComponentIgnoresCaseAndAnEmptyNameFindsNothing) {
  new TComponent(Root.get());
  EXPECT_EQ(Root->FindComponent("a"), A);
  EXPECT_EQ(Root->FindComponent("B"), B);
  EXPECT_EQ(Root->FindComponent("B1"), nullptr);
  EXPECT_EQ(Root->FindComponent(""), nullptr);
}

TEST_F(Family, GetChildrenListsTheOwnedComponentsWithoutAParentForTheRootOnly) {
  B->SetParentComponent(A);
  std::vector<TComponent*> Children;
  const TGetChildProc Collect = [&](TComponent* Child) { Children.push_back(Child); };
  Root->GetChildren(Collect, Root.get());
  EXPECT_EQ(Children, std::vector<TComponent*>{A});
  Children.clear();
  Root->GetChildren(Collect, B);
  EXPECT_TRUE(Children.empty());
}

TEST_F(Family, DesigningReachesTheWholeFamilyAndNewcomers) {
  Root->SetDesigning(true);
  EXPECT_TRUE(B1->ComponentState().Contains(csDesigning));
  auto* C = new TComponent(B);
  EXPECT_TRUE(C->ComponentState().Contains(csDesigning));
  Root->SetDesigning(false);
  EXPECT_TRUE(B1->ComponentState().Empty());
  EXPECT_TRUE(C->ComponentState().Empty());
}

struct FreeCase {
  const char* Name;
  bool WatchedGoesFirst;
  TLog FirstGone;
  TLog BothGone;
};

class FreeNotification : public ::testing::TestWithParam<FreeCase> {};

// Watcher (owned by one root) asks to hear when Watched (owned by another) goes; the pair is
// mutual, so whichever root goes first, the survivor hears of it and keeps nothing stale.
TEST_P(FreeNotification, ReachesAcrossOwnersWhicheverSideGoesFirst) {
  TLog Log;
  auto WatchedRoot = std::make_unique<TComponent>(nullptr);
  auto WatcherRoot = std::make_unique<TComponent>(nullptr);
  auto* Watched = new TRecorder(WatchedRoot.get(), "Watched", Log);
  auto* Watcher = new TRecorder(WatcherRoot.get(), "Watcher", Log);
  Watched->FreeNotification(Watcher);
  Watched->FreeNotification(Watcher);
  Log.clear();
  if (GetParam().WatchedGoesFirst)
    WatchedRoot.reset();
  else
    WatcherRoot.reset();
  EXPECT_EQ(Log, GetParam().FirstGone);
  Log.clear();
  WatchedRoot.reset();
  WatcherRoot.reset();
  EXPECT_EQ(Log, GetParam().BothGone);
}

INSTANTIATE_TEST_SUITE_P(Sides, FreeNotification,
                         ::testing::Values(FreeCase{"WatchedFirst",
                                                    true,
                                                    {"Watched~ -Watched~", "Watcher -Watched~"},
                                                    {"Watcher~ -Watcher~"}},
                                           FreeCase{"WatcherFirst",
                                                    false,
                                                    {"Watcher~ -Watcher~", "Watched -Watcher~"},
                                                    {"Watched~ -Watched~"}}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(FreeNotificationPairs, RemoveFreeNotificationUndoesBothSides) {
  TLog Log;
  TComponent Left(nullptr), Right(nullptr);
  auto* X = new TRecorder(&Left, "X", Log);
  auto* Y = new TRecorder(&Right, "Y", Log);
  X->FreeNotification(Y);
  Y->RemoveFreeNotification(X);
  Log.clear();
  delete X;
  delete Y;
  EXPECT_TRUE(Log.empty());
}

TEST_F(Family, SiblingsMayRegisterToo) {
  B1->FreeNotification(A);
  A->FreeNotification(B);
  Log.clear();
  delete A;
  // B passes the notice on to B1, which drops its own pair with A there and is not told twice.
  EXPECT_EQ(Log, (TLog{"B -A~", "B1 -A~", "Root -A~", "B -A~", "B1 -A~"}));
  B1->FreeNotification(B);
  Root.reset();
}

struct NameCase {
  const char* Name;
  const char* Renamed;  // Label1 or Edit1, owned by the same component
  const char* NewName;
  const char* Error;  // nullptr when the rename is allowed
};

class ComponentNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ComponentNames, ValidIdentifiersUniqueAmongSiblings) {
  const NameCase& Case = GetParam();
  TComponent Owner(nullptr);
  (new TComponent(&Owner))->SetName("Edit1");
  (new TComponent(&Owner))->SetName("Label1");
  TComponent* Renamed = Owner.FindComponent(Case.Renamed);
  if (!Case.Error) {
    Renamed->SetName(Case.NewName);
    EXPECT_EQ(Renamed->Name(), Case.NewName);
    return;
  }
  try {
    Renamed->SetName(Case.NewName);
    ADD_FAILURE() << "no EComponentError";
  } catch (const EComponentError& E) {
    EXPECT_EQ(E.Message(), Case.Error);
  }
  EXPECT_EQ(Renamed->Name(), Case.Renamed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ComponentNames,
    ::testing::Values(
        NameCase{"Letters", "Label1", "Button1", nullptr},
        NameCase{"Underscores", "Label1", "_x_9", nullptr},
        NameCase{"Empty", "Label1", "", nullptr},
        NameCase{"Unchanged", "Label1", "Label1", nullptr},
        NameCase{"CaseOnly", "Edit1", "EDIT1", nullptr},
        NameCase{"LeadingDigit", "Label1", "1st", "'1st' is not a valid component name"},
        NameCase{"Blank", "Label1", "a b", "'a b' is not a valid component name"},
        NameCase{"Dot", "Label1", "a.b", "'a.b' is not a valid component name"},
        NameCase{"Accent", "Label1", "\xE9t\xE9", "'\xE9t\xE9' is not a valid component name"},
        NameCase{"Sibling", "Label1", "Edit1", "A component named Edit1 already exists"},
        NameCase{"SiblingOtherCase", "Label1", "eDIT1", "A component named eDIT1 already exists"}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST(ComponentProperties, NameAndTagArePublished) {
  TComponent C(nullptr);
  EXPECT_TRUE(GetPropInfo(&C, "Tag")->IsDefaultValue(C));
  SetOrdProp(&C, "Tag", 42);
  SetStrProp(&C, "Name", "Grid1");
  EXPECT_EQ(C.Tag(), 42);
  EXPECT_EQ(C.Name(), "Grid1");
  EXPECT_FALSE(GetPropInfo(&C, "Name")->IsStored(C));
}

}  // namespace
