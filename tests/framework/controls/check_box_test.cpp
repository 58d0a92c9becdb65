#include <gtest/gtest.h>

#include <vector>

#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"

namespace framework::test {
namespace {

// A check box whose clicks a test can refuse, as a data-aware box does on a read-only field.
class TLockableCheckBox : public TCheckBox {
 public:
  using TCheckBox::TCheckBox;
  bool Locked = false;

 protected:
  void Toggle() override {
    if (!Locked) TCheckBox::Toggle();
  }
};

// A shown form with one check box that counts its clicks.
class CheckBoxTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    Form = new TForm(Application);
    Box = new TLockableCheckBox(Form);
    Box->SetCaption("Paid");
    Box->SetParent(Form);
    Box->OnClick = [this](TObject*) { ++Clicks; };
    Form->Show();
  }

  void ClickBox() { input::Click(Box->ClientToScreen({6, Box->Height() / 2})); }
  LRESULT WindowCheck() { return SendMessage(Box->Handle(), BM_GETCHECK); }

  TForm* Form = nullptr;
  TLockableCheckBox* Box = nullptr;
  int Clicks = 0;
};

struct CycleCase {
  const char* Name;
  bool AllowGrayed;
  std::vector<TCheckBoxState> States;
};

class CheckBoxCycle : public CheckBoxTest, public ::testing::WithParamInterface<CycleCase> {};

TEST_P(CheckBoxCycle, ClicksMoveThroughTheStates) {
  Box->SetAllowGrayed(GetParam().AllowGrayed);
  std::vector<TCheckBoxState> Seen;
  for (size_t I = 0; I < GetParam().States.size(); ++I) {
    ClickBox();
    Seen.push_back(Box->State());
    EXPECT_EQ(WindowCheck(), LRESULT(Box->State()));
  }
  EXPECT_EQ(Seen, GetParam().States);
  EXPECT_EQ(Clicks, int(Seen.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckBoxCycle,
    ::testing::Values(
        CycleCase{"TwoStates", false, {cbChecked, cbUnchecked, cbChecked, cbUnchecked}},
        CycleCase{"ThroughGrayed", true, {cbGrayed, cbChecked, cbUnchecked, cbGrayed}}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST_F(CheckBoxTest, SpaceBarTogglesTheFocusedBox) {
  ASSERT_TRUE(Box->Focused());
  input::PressKey(VK_SPACE);
  EXPECT_TRUE(Box->Checked());
  EXPECT_EQ(Clicks, 1);
}

TEST_F(CheckBoxTest, ProgrammaticChangesClickOnlyWhenTheStateChanges) {
  Box->SetChecked(true);
  Box->SetChecked(true);
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(WindowCheck(), BST_CHECKED);
  Box->SetState(cbGrayed);
  EXPECT_FALSE(Box->Checked());
  EXPECT_EQ(WindowCheck(), BST_INDETERMINATE);
  Box->SetChecked(false);
  EXPECT_EQ(Box->State(), cbUnchecked);
  EXPECT_EQ(Clicks, 3);
}

TEST_F(CheckBoxTest, StateOutlivesTheWindow) {
  Box->SetState(cbGrayed);
  Box->RecreateWnd();
  EXPECT_EQ(Box->State(), cbGrayed);
  EXPECT_EQ(WindowCheck(), BST_INDETERMINATE);
  auto* Later = new TCheckBox(Form);
  Later->SetChecked(true);
  Later->SetParent(Form);
  EXPECT_EQ(SendMessage(Later->Handle(), BM_GETCHECK), BST_CHECKED);
}

TEST_F(CheckBoxTest, RefusedToggleKeepsStateAndWindow) {
  Box->Locked = true;
  ClickBox();
  input::PressKey(VK_SPACE);
  EXPECT_EQ(Box->State(), cbUnchecked);
  EXPECT_EQ(WindowCheck(), BST_UNCHECKED);
  EXPECT_EQ(Clicks, 0);
}

// The box's inside is in the window colour: it shows on the side away from the caption.
TEST_F(CheckBoxTest, AlignmentPutsTheCaptionBesideTheBox) {
  const uint32_t White = ColorRefToPixel(ColorToRGB(clWindow));
  const int W = Box->Width(), Middle = Box->Height() / 2;
  TSurface Shot = RenderWindow(Box->Handle());
  EXPECT_EQ(Shot.Pixel(6, Middle), White);
  EXPECT_NE(Shot.Pixel(W - 7, Middle), White);
  Box->SetAlignment(taLeftJustify);
  Shot = RenderWindow(Box->Handle());
  EXPECT_NE(Shot.Pixel(6, Middle), White);
  EXPECT_EQ(Shot.Pixel(W - 7, Middle), White);
  EXPECT_THROW(Box->SetAlignment(taCenter), EInvalidOperation);
  EXPECT_EQ(Box->Alignment(), taLeftJustify);
}

}  // namespace
}  // namespace framework::test
