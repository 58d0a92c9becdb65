#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/classes/component.h"
#include "framework/classes/string_list.h"

namespace {

using namespace framework;

struct AssignCase {
  const char* Name;
  std::function<void(TStringList& List, TComponent& Component)> Assign;
  const char* Message;
};

class AssignErrors : public ::testing::TestWithParam<AssignCase> {};

TEST_P(AssignErrors, NameBothClasses) {
  TStringList List;
  TComponent Component(nullptr);
  try {
    GetParam().Assign(List, Component);
    ADD_FAILURE() << "no EConvertError";
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), GetParam().Message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, AssignErrors,
    ::testing::Values(AssignCase{"Nil", [](TStringList& L, TComponent&) { L.Assign(nullptr); },
                                 "Cannot assign a nil to a TStringList"},
                      AssignCase{"ComponentToStrings",
                                 [](TStringList& L, TComponent& C) { L.Assign(&C); },
                                 "Cannot assign a TComponent to a TStringList"},
                      AssignCase{"StringsToComponent",
                                 [](TStringList& L, TComponent& C) { C.Assign(&L); },
                                 "Cannot assign a TStringList to a TComponent"}),
    [](const auto& I) { return std::string(I.param.Name); });

}  // namespace
