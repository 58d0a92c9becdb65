#include <gtest/gtest.h>

#include <memory>

#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"
#include "tests/framework/controls/test_controls.h"

namespace framework::test {
namespace {

using namespace controls_test;

class StreamingTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    RegisterTestClasses();
  }
};

TEST_F(StreamingTest, FormRoundTripKeepsControlsParentsAndProperties) {
  auto* Form = new TForm(Application);
  Form->SetName("Orders");
  Form->SetCaption("Orders");
  Form->SetBounds(30, 40, 500, 300);
  Form->Font()->SetHeight(-14);
  auto* Panel = new TTestPanel(Form);
  Panel->SetName("Header");
  Panel->SetParent(Form);
  Panel->SetBounds(5, 5, 400, 80);
  Panel->SetColor(clYellow);
  auto* First = new TTestControl(Form);
  First->SetName("First");
  First->SetParent(Panel);
  auto* Second = new TTestControl(Form);
  Second->SetName("Second");
  Second->SetParent(Panel);
  Second->SetBounds(70, 30, 90, 21);
  Second->SetTabOrder(0);
  Second->SetTabStop(false);
  Second->SetHint("the second");
  Second->SetShowHint(true);
  Second->SetCursor(crHandPoint);
  Second->SetPopupMenu(First);
  Second->SetEnabled(false);
  auto* Third = new TTestControl(Form);
  Third->SetName("Third");
  Third->SetParent(Form);
  Third->SetTop(100);
  Third->SetVisible(false);
  Third->SetCtl3D(false);
  Third->SetCaption("third text");
  Third->Font()->SetName("DejaVu Serif");
  Form->SetActiveControl(First);

  const std::string Text = WriteComponentText(Form);
  delete Form;
  std::unique_ptr<TComponent> Read(ReadComponentText(Text));
  auto* Copy = dynamic_cast<TForm*>(Read.get());
  ASSERT_TRUE(Copy);
  EXPECT_EQ(WriteComponentText(Copy), Text);

  auto* Header = dynamic_cast<TTestPanel*>(Copy->FindComponent("Header"));
  auto* CFirst = dynamic_cast<TTestControl*>(Copy->FindComponent("First"));
  auto* CSecond = dynamic_cast<TTestControl*>(Copy->FindComponent("Second"));
  auto* CThird = dynamic_cast<TTestControl*>(Copy->FindComponent("Third"));
  ASSERT_TRUE(Header && CFirst && CSecond && CThird);
  EXPECT_EQ(Copy->Caption(), "Orders");
  EXPECT_EQ(Copy->BoundsRect(), Bounds(30, 40, 500, 300));
  EXPECT_EQ(Header->Parent(), Copy);
  EXPECT_EQ(CFirst->Parent(), Header);
  EXPECT_EQ(CSecond->Parent(), Header);
  EXPECT_EQ(CThird->Parent(), Copy);
  EXPECT_EQ(Header->Color(), clYellow);
  EXPECT_EQ(CFirst->Color(), clYellow);
  EXPECT_TRUE(CFirst->ParentColor());
  EXPECT_EQ(CFirst->Font()->Height(), -14);
  EXPECT_TRUE(CFirst->ParentFont());
  EXPECT_EQ(CSecond->BoundsRect(), Bounds(70, 30, 90, 21));
  EXPECT_EQ(CSecond->TabOrder(), 0);
  EXPECT_EQ(CFirst->TabOrder(), 1);
  EXPECT_FALSE(CSecond->TabStop());
  EXPECT_FALSE(CSecond->Enabled());
  EXPECT_EQ(CSecond->Hint(), "the second");
  EXPECT_TRUE(CSecond->ShowHint());
  EXPECT_EQ(CSecond->Cursor(), crHandPoint);
  EXPECT_EQ(CSecond->PopupMenu(), CFirst);
  EXPECT_FALSE(CThird->Visible());
  EXPECT_FALSE(CThird->Ctl3D());
  EXPECT_EQ(CThird->Caption(), "third text");
  EXPECT_EQ(CThird->Font()->Name(), "DejaVu Serif");
  EXPECT_FALSE(CThird->ParentFont());
  EXPECT_EQ(Copy->ActiveControl(), CFirst);
}

TEST_F(StreamingTest, StoredVisibleFormShowsOnceLoaded) {
  const std::string Text =
      "object Shown: TForm\n"
      "  Visible = True\n"
      "  object A: TTestControl\n"
      "    TabOrder = 1\n"
      "  end\n"
      "  object B: TTestControl\n"
      "    TabOrder = 0\n"
      "  end\n"
      "end\n";
  std::unique_ptr<TComponent> Read(ReadComponentText(Text));
  auto* Form = static_cast<TForm*>(Read.get());
  ASSERT_TRUE(Form->HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
  auto* B = static_cast<TWinControl*>(Form->FindComponent("B"));
  EXPECT_EQ(Form->ActiveControl(), B);
  EXPECT_TRUE(B->Focused());
}

}  // namespace
}  // namespace framework::test
