#include <gtest/gtest.h>

#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"
#include "tests/framework/controls/test_controls.h"

namespace framework::test {
namespace {

using namespace controls_test;
using TNotices = std::vector<std::string>;

// A form with two panels of two edits each; every CM_ENTER, CM_EXIT, OnEnter and OnExit of the
// panels and edits is recorded.
class FocusTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    Form = new TForm(Application);
    Form->SetBounds(100, 100, 400, 300);
    P1 = Make<TTestPanel>("P1", Form, 0);
    P2 = Make<TTestPanel>("P2", Form, 160);
    E1 = Make<TTestControl>("E1", P1, 10);
    E2 = Make<TTestControl>("E2", P1, 40);
    E3 = Make<TTestControl>("E3", P2, 10);
    E4 = Make<TTestControl>("E4", P2, 40);
    Form->Show();
    Notices().clear();
  }

  template <class T>
  T* Make(const char* Name, TWinControl* Parent, int Top) {
    auto* Control = new T(Form);
    Control->SetName(Name);
    Control->SetParent(Parent);
    Control->SetTop(Top);
    Control->OnEnter = [Control](TObject*) { Notices().push_back(Control->Name() + ":OnEnter"); };
    Control->OnExit = [Control](TObject*) { Notices().push_back(Control->Name() + ":OnExit"); };
    return Control;
  }

  static void ClickOn(TControl* Control) { input::Click(Control->ClientToScreen({5, 5})); }

  TForm* Form = nullptr;
  TTestPanel* P1 = nullptr;
  TTestPanel* P2 = nullptr;
  TTestControl *E1 = nullptr, *E2 = nullptr, *E3 = nullptr, *E4 = nullptr;
};

TEST_F(FocusTest, ShowingFocusesTheFirstTabStop) {
  EXPECT_EQ(Form->ActiveControl(), E1);
  EXPECT_TRUE(E1->Focused());
  EXPECT_EQ(Screen->ActiveForm(), Form);
  EXPECT_EQ(Screen->ActiveControl(), E1);
}

TEST_F(FocusTest, TabExitsUpToTheCommonParentAndEntersDown) {
  input::PressKey(VK_TAB);
  EXPECT_EQ(Notices(), (TNotices{"E1:CM_EXIT", "E1:OnExit", "E2:CM_ENTER", "E2:OnEnter"}));
  Notices().clear();
  input::PressKey(VK_TAB);
  EXPECT_EQ(Notices(), (TNotices{"E2:CM_EXIT", "E2:OnExit", "P1:CM_EXIT", "P1:OnExit",
                                 "P2:CM_ENTER", "P2:OnEnter", "E3:CM_ENTER", "E3:OnEnter"}));
  EXPECT_EQ(Form->ActiveControl(), E3);
  EXPECT_TRUE(E3->Focused());
}

TEST_F(FocusTest, ShiftTabWrapsBackwards) {
  input::PressKey(VK_TAB, {ssShift});
  EXPECT_EQ(Form->ActiveControl(), E4);
  EXPECT_EQ(Notices(), (TNotices{"E1:CM_EXIT", "E1:OnExit", "P1:CM_EXIT", "P1:OnExit",
                                 "P2:CM_ENTER", "P2:OnEnter", "E4:CM_ENTER", "E4:OnEnter"}));
  Notices().clear();
  input::PressKey(VK_TAB);
  EXPECT_EQ(Form->ActiveControl(), E1);
}

TEST_F(FocusTest, ClickMovesTheFocusWithTheSameNotices) {
  ClickOn(E4);
  EXPECT_EQ(Notices(),
            (TNotices{"E1:CM_CANCELMODE", "E1:CM_EXIT", "E1:OnExit", "P1:CM_EXIT", "P1:OnExit",
                      "P2:CM_ENTER", "P2:OnEnter", "E4:CM_ENTER", "E4:OnEnter"}));
  Notices().clear();
  ClickOn(E4);
  EXPECT_EQ(Notices(), TNotices{"E4:CM_CANCELMODE"}) << "a focused control is not entered again";
}

TEST_F(FocusTest, ExitHandlerTakingTheFocusBackStopsTheMove) {
  E1->OnExit = [this](TObject*) {
    Notices().push_back("E1:OnExit");
    E1->SetFocus();
  };
  input::PressKey(VK_TAB);
  EXPECT_EQ(Form->ActiveControl(), E1);
  EXPECT_TRUE(E1->Focused());
  EXPECT_EQ(Notices(), (TNotices{"E1:CM_EXIT", "E1:OnExit", "E1:CM_ENTER", "E1:OnEnter"}));
}

TEST_F(FocusTest, HidingOrDisablingTheActiveControlGivesUpTheFocus) {
  E1->SetEnabled(false);
  EXPECT_EQ(Form->ActiveControl(), nullptr);
  EXPECT_EQ(GetFocus(), Form->Handle());
  EXPECT_THROW(E1->SetFocus(), EInvalidOperation);
  E2->SetFocus();
  P1->SetVisible(false);
  EXPECT_EQ(Form->ActiveControl(), nullptr);
  EXPECT_FALSE(E2->Focused());
}

TEST_F(FocusTest, MousePressElsewhereCancelsTheActiveControlsMode) {
  ClickOn(E3);
  EXPECT_EQ(Notices().front(), "E1:CM_CANCELMODE");
  Notices().clear();
  auto* Other = new TForm(Application);
  Other->Show();
  EXPECT_EQ(Notices().front(), "E3:CM_CANCELMODE") << "the focus left the form";
}

struct TTabCase {
  const char* Name;
  // E2 not a tab stop, E3 disabled, P2 hidden.
  bool NoTabStop, Disabled, HiddenPanel;
  std::vector<std::string> Order;
};

class TabOrderCases : public FocusTest, public ::testing::WithParamInterface<TTabCase> {};

TEST_P(TabOrderCases, SkipsWhatCannotTakeTheFocus) {
  const TTabCase& Case = GetParam();
  E2->SetTabStop(!Case.NoTabStop);
  E3->SetEnabled(!Case.Disabled);
  P2->SetVisible(!Case.HiddenPanel);
  std::vector<std::string> Visited;
  for (size_t I = 0; I < Case.Order.size(); ++I) {
    input::PressKey(VK_TAB);
    Visited.push_back(Form->ActiveControl()->Name());
  }
  EXPECT_EQ(Visited, Case.Order);
}

INSTANTIATE_TEST_SUITE_P(
    Navigation, TabOrderCases,
    ::testing::Values(TTabCase{"All", false, false, false, {"E2", "E3", "E4", "E1"}},
                      TTabCase{"NoTabStop", true, false, false, {"E3", "E4", "E1", "E3"}},
                      TTabCase{"Disabled", false, true, false, {"E2", "E4", "E1"}},
                      TTabCase{"HiddenPanel", false, false, true, {"E2", "E1", "E2"}},
                      TTabCase{"OnlyOne", true, true, true, {"E1", "E1"}}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST_F(FocusTest, TabOrderIsUniqueAndRenumbered) {
  auto Orders = [](TWinControl* A, TWinControl* B) {
    return std::vector<int>{A->TabOrder(), B->TabOrder()};
  };
  EXPECT_EQ(Orders(E1, E2), (std::vector<int>{0, 1}));
  E2->SetTabOrder(0);
  EXPECT_EQ(Orders(E1, E2), (std::vector<int>{1, 0}));
  E1->SetTabOrder(7);
  EXPECT_EQ(E1->TabOrder(), 1) << "past the end goes last";
  auto* E5 = Make<TTestControl>("E5", P1, 70);
  EXPECT_EQ(E5->TabOrder(), 2);
  E5->SetTabOrder(0);
  EXPECT_EQ((std::vector<int>{E5->TabOrder(), E2->TabOrder(), E1->TabOrder()}),
            (std::vector<int>{0, 1, 2}));
  delete E2;
  EXPECT_EQ((std::vector<int>{E5->TabOrder(), E1->TabOrder()}), (std::vector<int>{0, 1}));
  input::PressKey(VK_TAB, {ssShift});
  EXPECT_EQ(Form->ActiveControl(), E5) << "tab order, not creation order";
}

TEST_F(FocusTest, ArrowsMoveAmongSiblingsUnlessTheControlWantsThem) {
  input::PressKey(VK_DOWN);
  EXPECT_EQ(Form->ActiveControl(), E2);
  input::PressKey(VK_DOWN);
  EXPECT_EQ(Form->ActiveControl(), E1) << "arrows stay inside the parent";
  E1->DialogCode = DLGC_WANTARROWS;
  input::PressKey(VK_DOWN);
  EXPECT_EQ(Form->ActiveControl(), E1);
}

}  // namespace
}  // namespace framework::test
