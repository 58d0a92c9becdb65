#include "framework/classes/property.h"

#include <gtest/gtest.h>

#include "framework/classes/errors.h"
#include "sample_components.h"

namespace {

using namespace framework;
using namespace sample;

TEST(ClassMetadata, NamesParentsAndCreation) {
  RegisterSamples();
  TSampleForm Form(nullptr);
  EXPECT_EQ(Form.ClassName(), "TSampleForm");
  EXPECT_EQ(Form.ClassType().ClassParent(), &TSample::StaticClass());
  EXPECT_TRUE(Form.InheritsFrom(TComponent::StaticClass()));
  EXPECT_TRUE(Form.InheritsFrom(TObject::StaticClass()));
  EXPECT_FALSE(TSample::StaticClass().InheritsFrom(TSampleForm::StaticClass()));

  EXPECT_EQ(GetClass("tsample"), &TSample::StaticClass());
  EXPECT_EQ(GetClass("TNothing"), nullptr);
  EXPECT_THROW(FindClass("TNothing"), EClassNotFound);

  TComponent* Created = FindClass("TSample").Create(&Form);
  EXPECT_EQ(Created->ClassType().ClassName(), "TSample");
  EXPECT_EQ(Created->Owner(), &Form);
  EXPECT_FALSE(TAbstractSample::StaticClass().CanCreate());
  EXPECT_THROW(TAbstractSample::StaticClass().Create(&Form), EInvalidOperation);
}

TEST(PublishedProperties, InheritedFirstInDeclarationOrder) {
  std::vector<std::string> Names;
  for (const TPropInfo& Info : TSampleForm::StaticClass().Properties())
    Names.push_back(Info.Name());
  EXPECT_EQ(Names, (std::vector<std::string>{"Name", "Tag", "Count", "Active", "Kind", "Kinds",
                                             "Caption", "Ratio", "Small", "Shade", "Font", "Items",
                                             "Buddy", "OnChange"}));
}

TEST(PublishedProperties, KindsFollowTheGetters) {
  const std::vector<std::pair<const char*, TTypeKind>> Cases = {
      {"Count", tkInteger}, {"Active", tkEnumeration}, {"Kind", tkEnumeration},
      {"Kinds", tkSet},     {"Caption", tkString},     {"Ratio", tkFloat},
      {"Font", tkClass},    {"Buddy", tkClass},        {"OnChange", tkMethod}};
  for (const auto& [Name, Kind] : Cases) {
    const TPropInfo* Info = GetPropInfo(TSample::StaticClass(), Name);
    ASSERT_NE(Info, nullptr) << Name;
    EXPECT_EQ(Info->PropType().Kind(), Kind) << Name;
  }
  EXPECT_EQ(GetPropInfo(TSample::StaticClass(), "active"),
            GetPropInfo(TSample::StaticClass(), "Active"));
  EXPECT_EQ(GetPropInfo(TSample::StaticClass(), "Missing"), nullptr);
}

TEST(PublishedProperties, OrdinalStringAndObjectAccessByName) {
  TSample A(nullptr), B(nullptr);
  SetOrdProp(&A, "Active", 1);
  EXPECT_TRUE(A.Active());
  EXPECT_EQ(GetOrdProp(&A, "active"), 1);
  SetEnumProp(&A, GetPropInfo(&A, "Kind"), "SKRIGHT");
  EXPECT_EQ(A.Kind(), skRight);
  EXPECT_EQ(GetEnumProp(&A, GetPropInfo(&A, "Kind")), "skRight");
  SetOrdProp(&A, "Kinds", TSampleKinds{skLeft, skRight}.Bits());
  EXPECT_EQ(A.Kinds(), (TSampleKinds{skLeft, skRight}));
  SetStrProp(&A, "Caption", "Orders");
  EXPECT_EQ(GetStrProp(&A, "Caption"), "Orders");
  SetFloatProp(&A, GetPropInfo(&A, "Ratio"), 2.5);
  EXPECT_EQ(A.Ratio(), 2.5);
  SetObjectProp(&A, "Buddy", &B);
  EXPECT_EQ(GetObjectProp(&A, "Buddy"), &B);
}

TEST(PublishedProperties, RefusesWhatDoesNotFit) {
  TSample A(nullptr);
  TSampleFont Font;
  struct Case {
    const char* Name;
    std::function<void()> Access;
  };
  const std::vector<Case> Cases = {
      {"missing property", [&] { GetOrdProp(&A, "Missing"); }},
      {"string of an integer", [&] { GetStrProp(&A, "Count"); }},
      {"integer into a string", [&] { SetOrdProp(&A, "Caption", 1); }},
      {"Boolean out of range", [&] { SetOrdProp(&A, "Active", 2); }},
      {"enumeration out of range", [&] { SetOrdProp(&A, "Kind", 3); }},
      {"set element out of range", [&] { SetOrdProp(&A, "Kinds", 8); }},
      {"Word out of range", [&] { SetOrdProp(&A, "Small", 65536); }},
      {"unknown enumeration name", [&] { SetEnumProp(&A, GetPropInfo(&A, "Kind"), "skUp"); }},
      {"read-only sub-object", [&] { SetObjectProp(&A, "Font", &Font); }},
      {"object of another class", [&] { SetObjectProp(&A, "Buddy", &Font); }},
      {"handler of another signature",
       [&] {
         TEvent<void(int)> Other([](int) {});
         SetMethodProp(&A, GetPropInfo(&A, "OnChange"), TMethod::Of(Other));
       }},
  };
  for (const Case& C : Cases) EXPECT_THROW(C.Access(), EPropertyError) << C.Name;
  EXPECT_EQ(A.Count(), 0);
  EXPECT_EQ(A.Buddy(), nullptr);
}

TEST(PublishedProperties, DefaultsAndStoredTests) {
  TSample A(nullptr);
  const TPropInfo* Count = GetPropInfo(&A, "Count");
  const TPropInfo* Caption = GetPropInfo(&A, "Caption");
  EXPECT_TRUE(Count->IsDefaultValue(A));
  A.SetCount(3);
  EXPECT_FALSE(Count->IsDefaultValue(A));
  EXPECT_FALSE(Caption->IsDefaultValue(A)) << "a property without a default is always stored";
  EXPECT_FALSE(GetPropInfo(&A, "Name")->IsStored(A));
  EXPECT_TRUE(Count->IsStored(A));
}

TEST(Events, IdentityCopiesAndCalls) {
  TSampleForm F1(nullptr), F2(nullptr);
  const TNotifyEvent Bound(&F1, &TSampleForm::ItemChange);
  EXPECT_TRUE(bool(Bound));
  EXPECT_FALSE(bool(TNotifyEvent()));
  EXPECT_EQ(Bound, TNotifyEvent(&F1, &TSampleForm::ItemChange));
  EXPECT_NE(Bound, TNotifyEvent(&F2, &TSampleForm::ItemChange));
  EXPECT_NE(Bound, TNotifyEvent(&F1, &TSampleForm::OtherChange));

  int Calls = 0;
  const TNotifyEvent Lambda([&Calls](TObject*) { ++Calls; });
  const TNotifyEvent Copy = Lambda;
  EXPECT_EQ(Copy, Lambda);
  EXPECT_NE(Lambda, TNotifyEvent([&Calls](TObject*) { ++Calls; }));
  Copy(nullptr);
  EXPECT_EQ(Calls, 1);

  F1.SetName("Item1");
  Bound(&F1);
  EXPECT_EQ(F1.Changes, std::vector<std::string>{"Item1"});
}

TEST(Events, MethodPropertiesCarryTheHandler) {
  TSampleForm Form(nullptr);
  const TPropInfo* OnChange = GetPropInfo(&Form, "OnChange");
  EXPECT_FALSE(GetMethodProp(&Form, OnChange).Assigned());
  SetMethodProp(&Form, OnChange, TMethod::Of(TNotifyEvent(&Form, &TSampleForm::ItemChange)));
  EXPECT_EQ(Form.OnChange, TNotifyEvent(&Form, &TSampleForm::ItemChange));
  EXPECT_EQ(Form.ClassType().Methods().NameOf(Form, GetMethodProp(&Form, OnChange)), "ItemChange");
  SetMethodProp(&Form, OnChange, TMethod{});
  EXPECT_FALSE(bool(Form.OnChange));
}

}  // namespace
