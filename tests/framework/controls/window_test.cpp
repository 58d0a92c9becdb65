#include <gtest/gtest.h>

#include <algorithm>

#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"
#include "tests/framework/controls/test_controls.h"

namespace framework::test {
namespace {

using namespace controls_test;

bool Received(HWND Wnd, UINT Msg) {
  const auto& List = SystemMessages();
  return std::any_of(List.begin(), List.end(),
                     [&](const TSystemMessage& M) { return M.Wnd == Wnd && M.Msg == Msg; });
}

class WindowTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    RegisterTestClasses();
    Notices().clear();
    SystemMessages().clear();
    Form = new TForm(Application);
    Form->SetName("Form");
    Panel = new TTestPanel(Form);
    Panel->SetName("Panel");
    Panel->SetParent(Form);
    Edit = new TTestControl(Form);
    Edit->SetName("Edit");
    Edit->SetBounds(10, 20, 80, 24);
    Edit->SetParent(Panel);
  }

  TForm* Form = nullptr;
  TTestPanel* Panel = nullptr;
  TTestControl* Edit = nullptr;
};

TEST_F(WindowTest, HandlesAreMadeOnDemandInsideTheirParents) {
  EXPECT_FALSE(Form->HandleAllocated());
  const HWND EditWnd = Edit->Handle();
  ASSERT_TRUE(Form->HandleAllocated());
  ASSERT_TRUE(Panel->HandleAllocated());
  EXPECT_EQ(GetParent(EditWnd), Panel->Handle());
  EXPECT_EQ(GetParent(Panel->Handle()), Form->Handle());
  EXPECT_EQ(TWinControl::FindControl(EditWnd), Edit);
  TRect R;
  GetWindowRect(EditWnd, R);
  EXPECT_EQ(Panel->ScreenToClient(R.TopLeft()), Point(10, 20));
  EXPECT_FALSE(IsWindowVisible(EditWnd)) << "the form is not shown yet";
  Form->Show();
  EXPECT_TRUE(IsWindowVisible(EditWnd));
}

TEST_F(WindowTest, ControlWithoutParentWindowRefusesAHandle) {
  TTestControl Orphan(nullptr);
  EXPECT_THROW(Orphan.Handle(), EInvalidOperation);
  EXPECT_FALSE(Orphan.HandleAllocated());
}

TEST_F(WindowTest, ControlCannotBeItsOwnAncestor) {
  EXPECT_THROW(Panel->SetParent(Panel), EInvalidOperation);
  auto* Inner = new TTestPanel(Form);
  Inner->SetParent(Panel);
  EXPECT_THROW(Panel->SetParent(Inner), EInvalidOperation);
  EXPECT_EQ(Panel->Parent(), Form);
  EXPECT_THROW(Edit->SetParentComponent(Application), EInvalidOperation);
}

TEST_F(WindowTest, RecreatedWindowKeepsTextBoundsAndVisibility) {
  Form->Show();
  Edit->SetText("kept");
  const HWND Old = Edit->Handle();
  SetWindowText(Old, "typed into the window");
  MoveWindow(Old, 5, 6, 70, 22);
  Edit->SetVisible(false);
  Edit->RecreateWnd();
  const HWND New = Edit->Handle();
  EXPECT_NE(New, Old);
  EXPECT_FALSE(IsWindow(Old));
  EXPECT_EQ(Edit->Text(), "typed into the window");
  EXPECT_EQ(GetWindowText(New), "typed into the window");
  EXPECT_EQ(Edit->BoundsRect(), Bounds(5, 6, 70, 22));
  EXPECT_EQ(GetParent(New), Panel->Handle());
  EXPECT_FALSE(IsWindowVisible(New));
  Edit->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(New));
}

TEST_F(WindowTest, StateLivesInTheControlWithoutAWindow) {
  Edit->SetText("before");
  Edit->SetBounds(1, 2, 30, 40);
  EXPECT_EQ(GetWindowText(Edit->Handle()), "before");
  Form->DestroyHandle();
  EXPECT_FALSE(Edit->HandleAllocated());
  EXPECT_EQ(Edit->Text(), "before");
  EXPECT_EQ(Edit->BoundsRect(), Bounds(1, 2, 30, 40));
}

TEST_F(WindowTest, ReparentedControlMovesItsWindow) {
  Form->Show();
  auto* Other = new TTestPanel(Form);
  Other->SetParent(Form);
  Edit->SetText("moving");
  const HWND Old = Edit->Handle();
  Edit->SetParent(Other);
  EXPECT_FALSE(IsWindow(Old));
  ASSERT_TRUE(Edit->HandleAllocated());
  EXPECT_EQ(GetParent(Edit->Handle()), Other->Handle());
  EXPECT_EQ(Edit->Text(), "moving");
  EXPECT_EQ(Panel->ControlCount(), 0);
  EXPECT_EQ(Other->ControlCount(), 1);
  Edit->SetParent(nullptr);
  EXPECT_FALSE(Edit->HandleAllocated());
  EXPECT_EQ(Edit->TabOrder(), -1);
  delete Edit;
}

TEST_F(WindowTest, DestroyingAParentTakesItsChildrenAndTheFocus) {
  Form->Show();
  Edit->SetFocus();
  ASSERT_EQ(Form->ActiveControl(), Edit);
  delete Panel;
  EXPECT_EQ(Form->ActiveControl(), nullptr);
  EXPECT_EQ(Form->ControlCount(), 0);
  EXPECT_EQ(Form->FindComponent("Edit"), nullptr);
  EXPECT_EQ(GetFocus(), Form->Handle());
}

TEST_F(WindowTest, DefaultHandlingEndsInTheBorrowedClassProcedure) {
  auto* System = new TTestControl(Form);
  System->UseSystemClass = true;
  System->SetParent(Form);
  const HWND Wnd = System->Handle();
  EXPECT_EQ(GetClassName(Wnd), "TTestSystemControl");
  EXPECT_TRUE(Received(Wnd, WM_NCCREATE));
  EXPECT_TRUE(Received(Wnd, WM_CREATE));
  EXPECT_EQ(System->Perform(WM_GETDLGCODE), DLGC_WANTCHARS);
  EXPECT_FALSE(Received(Wnd, CN_KEYDOWN)) << "reflected messages stay with the control";
  System->Perform(CN_KEYDOWN, 'A');
  EXPECT_FALSE(Received(Wnd, CN_KEYDOWN));
}

TEST_F(WindowTest, UnknownSystemClassIsAnError) {
  struct TBadControl : TTestControl {
    using TTestControl::TTestControl;
    void CreateParams(TCreateParams& Params) override {
      TTestControl::CreateParams(Params);
      CreateSubClass(Params, "NoSuchClass");
    }
  };
  auto* Bad = new TBadControl(Form);
  Bad->SetParent(Form);
  EXPECT_THROW(Bad->Handle(), EInvalidOperation);
  EXPECT_FALSE(Bad->HandleAllocated());
}

TEST_F(WindowTest, ParentReflectsChildNotificationsAsCnMessages) {
  const HWND EditWnd = Edit->Handle();
  SendMessage(Panel->Handle(), WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), LPARAM(EditWnd));
  EXPECT_EQ(Notices(), std::vector<std::string>{"Edit:CN_COMMAND"});

  HWND Plain = CreateWindowEx(0, "TestSystem", "", WS_CHILD, 0, 0, 5, 5, Panel->Handle());
  SystemMessages().clear();
  SendMessage(Panel->Handle(), WM_COMMAND, 0, LPARAM(Plain));
  EXPECT_EQ(Notices().size(), 1u) << "a window that is no control is not asked";

  Edit->SetColor(clYellow);
  Edit->Font()->SetColor(clNavy);
  TSurface Surface(4, 4);
  TDeviceContext DC(Surface);
  const LRESULT Answer =
      SendMessage(Panel->Handle(), WM_CTLCOLOREDIT, WPARAM(&DC), LPARAM(EditWnd));
  EXPECT_EQ(TColor(Answer), clYellow);
  EXPECT_EQ(DC.TextColor(), clNavy);
  EXPECT_EQ(DC.BkColor(), clYellow);
}

TEST_F(WindowTest, ColorPaintsTheBackground) {
  Form->SetBounds(100, 100, 300, 200);
  Edit->SetColor(clRed);
  Form->Show();
  ProcessMessages();
  const TSurface Shot = RenderWindow(Edit->Handle());
  EXPECT_EQ(Shot.Pixel(3, 3), ColorRefToPixel(ColorToRGB(clRed)));
}

}  // namespace
}  // namespace framework::test
