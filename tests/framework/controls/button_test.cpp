#include <gtest/gtest.h>

#include <map>

#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"
#include "tests/framework/controls/test_controls.h"

namespace framework::test {
namespace {

using namespace controls_test;

LONG_PTR ButtonKind(TButton* Button) {
  return GetWindowLong(Button->Handle(), GWL_STYLE) & BS_TYPEMASK;
}

// A form with an edit first in tab order, a default OK button, a cancel button and a third
// button; every click is counted by the button's name.
class ButtonTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    RegisterTestClasses();
    Form = new TForm(Application);
    Edit = new TTestControl(Form);
    Edit->SetParent(Form);
    Ok = AddButton("Ok", 30);
    Ok->SetDefault(true);
    Close = AddButton("Close", 60);
    Close->SetCancel(true);
    Other = AddButton("Other", 90);
    Form->Show();
    ASSERT_TRUE(Edit->Focused());
  }

  TButton* AddButton(const std::string& Name, int Top) {
    auto* Button = new TButton(Form);
    Button->SetName(Name);
    Button->SetCaption(Name);
    Button->SetTop(Top);
    Button->SetParent(Form);
    Button->OnClick = [this, Name](TObject*) { ++Clicks[Name]; };
    return Button;
  }

  TPoint Centre(TControl* Control) const {
    return Control->ClientToScreen({Control->Width() / 2, Control->Height() / 2});
  }

  TForm* Form = nullptr;
  TTestControl* Edit = nullptr;
  TButton* Ok = nullptr;
  TButton* Close = nullptr;
  TButton* Other = nullptr;
  std::map<std::string, int> Clicks;
};

TEST_F(ButtonTest, MouseClickAndSpaceBarClickOnce) {
  input::Click(Centre(Other));
  EXPECT_TRUE(Other->Focused());
  EXPECT_EQ(Clicks, (std::map<std::string, int>{{"Other", 1}}));
  input::PressKey(VK_SPACE);
  EXPECT_EQ(Clicks, (std::map<std::string, int>{{"Other", 2}}));
}

TEST_F(ButtonTest, PressReleasedOutsideDoesNotClick) {
  input::MouseDown(mbLeft, Centre(Other));
  input::MouseMove(Centre(Edit));
  input::MouseUp(mbLeft, Centre(Edit));
  EXPECT_TRUE(Clicks.empty());
}

struct DialogKeyCase {
  const char* Name;
  WORD Key;
  // Where the focus is: "Edit" or "Other".
  const char* Focus;
  LRESULT EditDialogCode;
  bool OkEnabled;
  const char* Clicked;
};

class ButtonDialogKeys : public ButtonTest, public ::testing::WithParamInterface<DialogKeyCase> {};

TEST_P(ButtonDialogKeys, ReachTheButtonTheyBelongTo) {
  const DialogKeyCase& C = GetParam();
  Edit->DialogCode = C.EditDialogCode;
  Ok->SetEnabled(C.OkEnabled);
  if (std::string(C.Focus) == "Other") Other->SetFocus();
  input::PressKey(C.Key);
  std::map<std::string, int> Expected;
  if (*C.Clicked) Expected[C.Clicked] = 1;
  EXPECT_EQ(Clicks, Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ButtonDialogKeys,
    ::testing::Values(
        DialogKeyCase{"EnterClicksDefault", VK_RETURN, "Edit", 0, true, "Ok"},
        DialogKeyCase{"EscapeClicksCancel", VK_ESCAPE, "Edit", 0, true, "Close"},
        DialogKeyCase{"EnterStaysWithAControlWantingIt", VK_RETURN, "Edit", DLGC_WANTALLKEYS, true,
                      ""},
        DialogKeyCase{"EscapeStaysWithAControlWantingIt", VK_ESCAPE, "Edit", DLGC_WANTALLKEYS, true,
                      ""},
        DialogKeyCase{"EnterClicksTheFocusedButton", VK_RETURN, "Other", 0, true, "Other"},
        DialogKeyCase{"EscapeFromAButtonClicksCancel", VK_ESCAPE, "Other", 0, true, "Close"},
        DialogKeyCase{"DisabledDefaultIsNotClicked", VK_RETURN, "Edit", 0, false, ""}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST_F(ButtonTest, DefaultLookFollowsTheFocus) {
  EXPECT_EQ(ButtonKind(Ok), BS_DEFPUSHBUTTON);
  EXPECT_EQ(ButtonKind(Other), BS_PUSHBUTTON);
  Other->SetFocus();
  EXPECT_EQ(ButtonKind(Ok), BS_PUSHBUTTON);
  EXPECT_EQ(ButtonKind(Other), BS_DEFPUSHBUTTON);
  Edit->SetFocus();
  EXPECT_EQ(ButtonKind(Ok), BS_DEFPUSHBUTTON);
  EXPECT_EQ(ButtonKind(Other), BS_PUSHBUTTON);
  Ok->SetDefault(false);
  EXPECT_EQ(ButtonKind(Ok), BS_PUSHBUTTON);
  input::PressKey(VK_RETURN);
  EXPECT_TRUE(Clicks.empty());
}

TEST_F(ButtonTest, DefaultLookSurvivesRecreatingTheWindow) {
  Ok->RecreateWnd();
  EXPECT_EQ(ButtonKind(Ok), BS_DEFPUSHBUTTON);
  EXPECT_EQ(Ok->Caption(), "Ok");
}

}  // namespace
}  // namespace framework::test
