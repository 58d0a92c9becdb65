#include <gtest/gtest.h>

#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"
#include "tests/framework/controls/test_controls.h"

namespace framework::test {
namespace {

using namespace controls_test;

class FormTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    Form = new TForm(Application);
    Form->SetBounds(50, 50, 300, 200);
    Edit = new TTestControl(Form);
    Edit->SetBounds(10, 10, 100, 30);
    Edit->SetParent(Form);
    Form->Show();
  }

  TPoint InEdit() const { return Edit->ClientToScreen({5, 5}); }

  TForm* Form = nullptr;
  TTestControl* Edit = nullptr;
};

TEST_F(FormTest, ClicksAndDoubleClicks) {
  std::vector<std::string> Events;
  Edit->OnMouseDown = [&](TObject*, TMouseButton B, TShiftState S, int X, int Y) {
    Events.push_back("down " + std::to_string(B) + (S.Contains(ssDouble) ? " double" : "") + " " +
                     std::to_string(X) + "," + std::to_string(Y));
  };
  Edit->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { Events.push_back("up"); };
  Edit->OnClick = [&](TObject*) { Events.push_back("click"); };
  Edit->OnDblClick = [&](TObject*) { Events.push_back("dblclick"); };
  input::DoubleClick(InEdit());
  EXPECT_EQ(Events, (std::vector<std::string>{"down 0 5,5", "click", "up", "dblclick",
                                              "down 0 double 5,5", "up"}));
  Events.clear();
  input::MouseDown(mbLeft, InEdit());
  EXPECT_EQ(GetCapture(), Edit->Handle());
  input::MouseUp(mbLeft, Edit->ClientToScreen({150, 5}));
  EXPECT_EQ(Events, (std::vector<std::string>{"down 0 5,5", "up"})) << "released outside";
  EXPECT_FALSE(GetCapture());
  Events.clear();
  input::MouseDown(mbRight, InEdit());
  input::MouseUp(mbRight, InEdit());
  EXPECT_EQ(Events, (std::vector<std::string>{"down 1 5,5", "up"}));
}

TEST_F(FormTest, HandlerErrorsReachTheApplication) {
  Edit->OnClick = [](TObject*) { throw EInvalidOperation("boom"); };
  input::Click(InEdit());
  EXPECT_EQ(Application->ExceptionCount(), 1);
  EXPECT_EQ(Application->LastExceptionMessage(), "boom");

  Edit->OnClick = [](TObject*) { Abort(); };
  input::Click(InEdit());
  EXPECT_EQ(Application->ExceptionCount(), 1) << "EAbort is silent";

  std::vector<std::string> Handled;
  Application->OnException = [&](TObject* Sender, const std::exception& E) {
    Handled.push_back(std::string(E.what()) + (Sender == Edit ? " from Edit" : ""));
  };
  Edit->OnKeyPress = [](TObject*, char&) { throw EConvertError("bad key"); };
  input::TypeText("k");
  EXPECT_EQ(Handled, std::vector<std::string>{"bad key from Edit"});
  EXPECT_EQ(Application->ExceptionCount(), 1);

  Application->OnException = [](TObject*, const std::exception&) { throw Exception("worse"); };
  input::TypeText("k");
  EXPECT_EQ(Application->LastExceptionMessage(), "worse");
}

TEST_F(FormTest, CloseAsksOnCloseWhatToDo) {
  std::vector<std::string> Events;
  Form->OnHide = [&](TObject*) { Events.push_back("hide"); };
  Form->OnDestroy = [&](TObject*) { Events.push_back("destroy"); };
  TCloseAction Answer = caNone;
  Form->OnClose = [&](TObject*, TCloseAction& Action) {
    EXPECT_EQ(Action, caHide);
    Action = Answer;
  };
  PostMessage(Form->Handle(), WM_CLOSE);
  ProcessMessages();
  EXPECT_TRUE(Form->Visible());
  Answer = caHide;
  Form->Close();
  EXPECT_FALSE(Form->Visible());
  EXPECT_FALSE(IsWindowVisible(Form->Handle()));
  Form->Show();
  Answer = caFree;
  const HWND Wnd = Form->Handle();
  Form->Close();
  EXPECT_EQ(Screen->FormCount(), 1) << "freed only once the posted messages are handled";
  ProcessMessages();
  EXPECT_EQ(Screen->FormCount(), 0);
  EXPECT_FALSE(IsWindow(Wnd));
  EXPECT_EQ(Events, (std::vector<std::string>{"hide", "destroy"}));
}

TEST_F(FormTest, ShowAndStayOnTop) {
  std::vector<std::string> Events;
  auto* Second = new TForm(Application);
  Second->OnShow = [&](TObject*) { Events.push_back("show"); };
  Second->SetFormStyle(fsStayOnTop);
  Second->Show();
  EXPECT_EQ(Events, std::vector<std::string>{"show"});
  EXPECT_TRUE(GetWindowLong(Second->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(Screen->ActiveForm(), Second);
  Form->Show();
  EXPECT_EQ(Screen->ActiveForm(), Form);
  EXPECT_EQ(Screen->FormCount(), 2);
  EXPECT_EQ(Screen->Forms(1), Second);
  EXPECT_THROW(Screen->Forms(2), EInvalidOperation);
  Second->SetBorderStyle(bsNone);
  EXPECT_TRUE(IsWindowVisible(Second->Handle())) << "a recreated form is shown again";
}

}  // namespace
}  // namespace framework::test
