#include <gtest/gtest.h>

#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"
#include "tests/framework/controls/test_controls.h"

namespace framework::test {
namespace {

using namespace controls_test;

class PropertiesTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    Form = new TForm(Application);
    Panel = new TTestPanel(Form);
    Panel->SetParent(Form);
    Edit = new TTestControl(Form);
    Edit->SetParent(Panel);
  }

  TForm* Form = nullptr;
  TTestPanel* Panel = nullptr;
  TTestControl* Edit = nullptr;
};

TEST_F(PropertiesTest, ChildrenTakeTheirParentsFontUntilGivenTheirOwn) {
  Form->Font()->SetName("DejaVu Serif");
  EXPECT_EQ(Panel->Font()->Name(), "DejaVu Serif");
  EXPECT_EQ(Edit->Font()->Name(), "DejaVu Serif");
  EXPECT_TRUE(Edit->ParentFont());

  Edit->Font()->SetHeight(-20);
  EXPECT_FALSE(Edit->ParentFont());
  Form->Font()->SetName("DejaVu Sans Mono");
  EXPECT_EQ(Panel->Font()->Name(), "DejaVu Sans Mono");
  EXPECT_EQ(Edit->Font()->Name(), "DejaVu Serif");

  Edit->SetParentFont(true);
  EXPECT_EQ(Edit->Font()->Name(), "DejaVu Sans Mono");
  EXPECT_EQ(Edit->Font()->Height(), Panel->Font()->Height());
  EXPECT_TRUE(Edit->ParentFont());
}

TEST_F(PropertiesTest, ChildrenTakeTheirParentsColorCtl3DAndShowHint) {
  Form->SetColor(clTeal);
  Form->SetCtl3D(false);
  Form->SetShowHint(true);
  EXPECT_EQ(Edit->Color(), clTeal);
  EXPECT_FALSE(Edit->Ctl3D());
  EXPECT_TRUE(Edit->ShowHint());

  Panel->SetColor(clRed);
  EXPECT_FALSE(Panel->ParentColor());
  EXPECT_EQ(Edit->Color(), clRed);
  Form->SetColor(clBlue);
  EXPECT_EQ(Edit->Color(), clRed);
  Panel->SetParentColor(true);
  EXPECT_EQ(Edit->Color(), clBlue);

  auto* Later = new TTestControl(Form);
  Later->SetParent(Panel);
  EXPECT_EQ(Later->Color(), clBlue) << "a new child takes them at once";
  EXPECT_FALSE(Later->Ctl3D());
}

TEST_F(PropertiesTest, PopupMenuReferenceIsClearedWhenItGoes) {
  auto* Menu = new TComponent(nullptr);
  Edit->SetPopupMenu(Menu);
  delete Menu;
  EXPECT_EQ(Edit->PopupMenu(), nullptr);
}

TEST_F(PropertiesTest, ChangesAreAnnouncedToTheControl) {
  std::vector<UINT> Seen;
  const TWndMethod Original = Edit->WindowProc();
  Edit->SetWindowProc([&](TMessage& M) {
    if (M.Msg >= CM_BASE && M.Msg < CN_BASE) Seen.push_back(M.Msg);
    Original(M);
  });
  Edit->SetColor(clRed);
  Edit->Font()->SetHeight(-30);
  Edit->SetCtl3D(false);
  Edit->SetEnabled(false);
  Edit->SetVisible(false);
  Edit->SetText("x");
  Edit->SetCursor(crHandPoint);
  EXPECT_EQ(Seen,
            (std::vector<UINT>{CM_COLORCHANGED, CM_FONTCHANGED, CM_CTL3DCHANGED, CM_ENABLEDCHANGED,
                               CM_VISIBLECHANGED, CM_TEXTCHANGED, CM_CURSORCHANGED}));
  Edit->SetWindowProc(nullptr);
  Edit->SetColor(clBlue);
  EXPECT_EQ(Seen.size(), 7u);
}

TEST_F(PropertiesTest, ScreenCursorsAndOverride) {
  EXPECT_EQ(Screen->Cursors(crIBeam), IDC_IBEAM);
  EXPECT_EQ(Screen->Cursors(TCursor(5)), IDC_ARROW);
  Screen->SetCursors(TCursor(5), IDC_HAND);
  EXPECT_EQ(Screen->Cursors(TCursor(5)), IDC_HAND);
  EXPECT_EQ(Screen->Width(), 1024);
  EXPECT_EQ(Screen->Height(), 768);

  Form->SetBounds(0, 0, 300, 200);
  Edit->SetCursor(crHandPoint);
  Form->Show();
  input::MouseMove(Edit->ClientToScreen({3, 3}));
  EXPECT_EQ(GetCursor(), IDC_HAND);
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(GetCursor(), IDC_WAIT);
  input::MouseMove(Edit->ClientToScreen({4, 4}));
  EXPECT_EQ(GetCursor(), IDC_WAIT);
  Screen->SetCursor(crDefault);
  EXPECT_EQ(GetCursor(), IDC_HAND);
}

}  // namespace
}  // namespace framework::test
