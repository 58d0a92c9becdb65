#include <gtest/gtest.h>

#include <algorithm>

#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"
#include "tests/framework/controls/test_controls.h"

namespace framework::test {
namespace {

using namespace controls_test;
using TNotices = std::vector<std::string>;

// An edit whose default handling is the recording system class, on a form with a second edit.
class KeysTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    RegisterTestClasses();
    Form = new TForm(Application);
    Edit = new TTestControl(Form);
    Edit->SetName("Edit");
    Edit->UseSystemClass = true;
    Edit->SetParent(Form);
    Next = new TTestControl(Form);
    Next->SetName("Next");
    Next->SetTop(30);
    Next->SetParent(Form);
    Form->Show();
    ASSERT_TRUE(Edit->Focused());
    SystemMessages().clear();
    Notices().clear();
  }

  // The characters and key-downs that reached the default handling.
  std::string Reached(UINT Msg) const {
    std::string Keys;
    for (const TSystemMessage& M : SystemMessages())
      if (M.Msg == Msg) Keys += char(M.WParam);
    return Keys;
  }

  TForm* Form = nullptr;
  TTestControl* Edit = nullptr;
  TTestControl* Next = nullptr;
};

TEST_F(KeysTest, ClearedKeyPressNeverReachesTheDefaultHandling) {
  std::string Seen;
  Edit->OnKeyPress = [&](TObject*, char& Key) {
    Seen += Key;
    if (Key == 'b') Key = 0;
    if (Key == 'c') Key = 'C';
  };
  input::TypeText("abcd");
  EXPECT_EQ(Seen, "abcd");
  EXPECT_EQ(Reached(WM_CHAR), "aCd");
  EXPECT_EQ(Reached(WM_KEYDOWN), "ABCD");
}

TEST_F(KeysTest, ClearedKeyDownNeverReachesTheDefaultHandling) {
  std::vector<TShiftState> Shifts;
  Edit->OnKeyDown = [&](TObject*, Word& Key, TShiftState Shift) {
    if (Key != 'X' && Key != 'Y') return;
    Shifts.push_back(Shift);
    if (Key == 'X') Key = 0;
  };
  input::PressKey('X', {ssShift});
  input::PressKey('Y', {ssCtrl});
  EXPECT_EQ(Reached(WM_KEYDOWN), std::string("\x10\x11Y")) << "Shift, Ctrl and Y, not X";
  EXPECT_EQ(Shifts, (std::vector<TShiftState>{{ssShift}, {ssCtrl}}));
}

TEST_F(KeysTest, KeyPreviewLetsTheFormSeeKeysFirst) {
  std::string FormSaw, EditSaw;
  Form->OnKeyPress = [&](TObject*, char& Key) {
    FormSaw += Key;
    if (Key == 'q') Key = 0;
  };
  Edit->OnKeyPress = [&](TObject*, char& Key) { EditSaw += Key; };
  input::TypeText("pq");
  EXPECT_EQ(FormSaw, "") << "without KeyPreview the form is not asked";
  Form->SetKeyPreview(true);
  input::TypeText("pq");
  EXPECT_EQ(FormSaw, "pq");
  EXPECT_EQ(EditSaw, "pqp");
  EXPECT_EQ(Reached(WM_CHAR), "pqp");
}

TEST_F(KeysTest, TabStaysWithAControlThatWantsIt) {
  Edit->DialogCode = DLGC_WANTTAB;
  input::PressKey(VK_TAB);
  EXPECT_TRUE(Edit->Focused());
  EXPECT_EQ(Reached(WM_KEYDOWN), "\t");
  EXPECT_EQ(Reached(WM_CHAR), "\t");
  Edit->DialogCode = 0;
  input::PressKey(VK_TAB);
  EXPECT_TRUE(Next->Focused());
}

TEST_F(KeysTest, EnterAndEscapeAreOfferedToTheFormsControls) {
  input::PressKey(VK_RETURN);
  input::PressKey(VK_ESCAPE);
  EXPECT_EQ(Notices(), (TNotices{"Edit:CM_DIALOGKEY 13", "Next:CM_DIALOGKEY 13",
                                 "Edit:CM_DIALOGKEY 27", "Next:CM_DIALOGKEY 27"}));
  EXPECT_EQ(Reached(WM_CHAR), "\r\x1b") << "nobody answered, so the keys go on";
  Notices().clear();
  Edit->DialogCode = DLGC_WANTALLKEYS;
  input::PressKey(VK_RETURN);
  EXPECT_EQ(Notices(), TNotices{});
}

}  // namespace
}  // namespace framework::test
