#include "framework/win/system_control.h"
#include "tests/framework/win/win_fixture.h"

namespace framework::test {
namespace {

constexpr LONG_PTR ButtonId = 5;

class ButtonTest : public WinTest {
 protected:
  void SetUp() override {
    WinTest::SetUp();
    Form = Make(WS_VISIBLE, Bounds(50, 50, 300, 200));
  }

  HWND MakeButton(DWORD Kind, const char* Caption = "OK", TRect R = Bounds(10, 10, 80, 25)) {
    const HWND Button = CreateWindowEx(0, "BUTTON", Caption, WS_CHILD | WS_VISIBLE | Kind, R.Left,
                                       R.Top, R.Width(), R.Height(), Form, ButtonId);
    EXPECT_TRUE(Button);
    ProcessMessages();
    return Button;
  }
  int Clicks(HWND Button) const {
    int Count = 0;
    for (const TLogged& L : Of(WM_COMMAND))
      Count += HWND(L.LParam) == Button && L.WParam == MAKEWPARAM(ButtonId, BN_CLICKED);
    return Count;
  }
  static bool Pushed(HWND Button) { return SendMessage(Button, BM_GETSTATE) & BST_PUSHED; }
  int CountPixels(HWND Wnd, const TRect& R, uint32_t Pixel) const {
    int Count = 0;
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X) Count += PixelAt(Wnd, X, Y) == Pixel;
    return Count;
  }

  HWND Form;
};

TEST_F(ButtonTest, ReleaseInsideClicks) {
  const HWND Button = MakeButton(BS_PUSHBUTTON);
  const TPoint Inside = ScreenPoint(Button, 40, 12), Outside = ScreenPoint(Button, 120, 12);
  input::MouseDown(mbLeft, Inside);
  EXPECT_TRUE(Pushed(Button));
  EXPECT_EQ(GetCapture(), Button);
  EXPECT_EQ(GetFocus(), Button);
  EXPECT_EQ(Clicks(Button), 0);
  input::MouseUp(mbLeft, Inside);
  EXPECT_FALSE(Pushed(Button));
  EXPECT_FALSE(GetCapture());
  EXPECT_EQ(Clicks(Button), 1);

  input::MouseDown(mbLeft, Inside);
  input::MouseMove(Outside);
  EXPECT_FALSE(Pushed(Button));
  input::MouseUp(mbLeft, Outside);
  EXPECT_EQ(Clicks(Button), 1) << "released outside";

  input::MouseDown(mbLeft, Inside);
  input::MouseMove(Outside);
  input::MouseMove(Inside);
  EXPECT_TRUE(Pushed(Button));
  input::MouseUp(mbLeft, Inside);
  EXPECT_EQ(Clicks(Button), 2);
}

TEST_F(ButtonTest, SpaceClicksOnRelease) {
  const HWND Button = MakeButton(BS_PUSHBUTTON);
  SetFocus(Button);
  input::KeyDown(VK_SPACE);
  EXPECT_TRUE(Pushed(Button));
  input::KeyUp(VK_SPACE);
  EXPECT_EQ(Clicks(Button), 1);

  input::KeyDown(VK_SPACE);
  SetFocus(nullptr);
  input::KeyUp(VK_SPACE);
  EXPECT_FALSE(Pushed(Button));
  EXPECT_EQ(Clicks(Button), 1) << "the focus went before the release";

  EnableWindow(Button, false);
  input::Click(ScreenPoint(Button, 40, 12));
  SendMessage(Button, BM_CLICK);
  EXPECT_EQ(Clicks(Button), 1) << "a disabled button does not click";
}

struct TCheckCase {
  const char* Name;
  DWORD Kind;
  int Clicks;
  LRESULT Check;
};

class ButtonChecks : public ButtonTest, public ::testing::WithParamInterface<TCheckCase> {};

TEST_P(ButtonChecks, ClicksMoveTheCheck) {
  const TCheckCase& C = GetParam();
  const HWND Box = MakeButton(C.Kind, "Check");
  for (int I = 0; I < C.Clicks; ++I) {
    input::Click(ScreenPoint(Box, 5, 12));
    input::AdvanceTime(1000);
  }
  EXPECT_EQ(SendMessage(Box, BM_GETCHECK), C.Check);
  EXPECT_EQ(Clicks(Box), C.Clicks);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ButtonChecks,
    ::testing::Values(TCheckCase{"PlainStaysAsSet", BS_CHECKBOX, 1, BST_UNCHECKED},
                      TCheckCase{"AutoChecks", BS_AUTOCHECKBOX, 1, BST_CHECKED},
                      TCheckCase{"AutoUnchecks", BS_AUTOCHECKBOX, 2, BST_UNCHECKED},
                      TCheckCase{"ThreeStateStaysAsSet", BS_3STATE, 2, BST_UNCHECKED},
                      TCheckCase{"AutoThreeStateChecks", BS_AUTO3STATE, 1, BST_CHECKED},
                      TCheckCase{"AutoThreeStateGoesIndeterminate", BS_AUTO3STATE, 2,
                                 BST_INDETERMINATE},
                      TCheckCase{"AutoThreeStateComesRound", BS_AUTO3STATE, 3, BST_UNCHECKED}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST_F(ButtonTest, SetCheckKeepsToTheKindsStates) {
  const HWND Box = MakeButton(BS_AUTOCHECKBOX, "Two");
  SendMessage(Box, BM_SETCHECK, BST_INDETERMINATE);
  EXPECT_EQ(SendMessage(Box, BM_GETCHECK), BST_CHECKED);
  const HWND Three = MakeButton(BS_3STATE, "Three", Bounds(10, 40, 80, 20));
  SendMessage(Three, BM_SETCHECK, BST_INDETERMINATE);
  EXPECT_EQ(SendMessage(Three, BM_GETCHECK), BST_INDETERMINATE);
  const HWND Push = MakeButton(BS_PUSHBUTTON, "Push", Bounds(10, 70, 80, 20));
  SendMessage(Push, BM_SETCHECK, BST_CHECKED);
  EXPECT_EQ(SendMessage(Push, BM_GETCHECK), BST_UNCHECKED);

  ClearLog();
  SendMessage(Box, BM_CLICK);
  EXPECT_EQ(SendMessage(Box, BM_GETCHECK), BST_UNCHECKED);
  EXPECT_EQ(Clicks(Box), 1);
  EXPECT_EQ(SendMessage(Box, WM_GETDLGCODE), DLGC_BUTTON);
  EXPECT_EQ(SendMessage(Push, WM_GETDLGCODE), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
}

TEST_F(ButtonTest, PushButtonLooks) {
  const HWND Push = MakeButton(BS_PUSHBUTTON, "Go");
  const HWND Default = MakeButton(BS_DEFPUSHBUTTON, "Go", Bounds(100, 10, 80, 25));
  EXPECT_EQ(PixelAt(Default, 0, 0), ColorPixel(clWindowFrame)) << "the thicker frame";
  EXPECT_NE(PixelAt(Push, 0, 0), ColorPixel(clWindowFrame));
  EXPECT_EQ(PixelAt(Push, 10, 12), ColorPixel(clBtnFace));
  const TRect Caption = Rect(20, 4, 60, 21);
  EXPECT_GT(CountPixels(Push, Caption, ColorPixel(clBtnText)), 0);

  const uint32_t Raised = PixelAt(Push, 0, 0);
  SendMessage(Push, BM_SETSTATE, TRUE);
  input::AdvanceTime(0);
  EXPECT_TRUE(Pushed(Push));
  EXPECT_NE(PixelAt(Push, 0, 0), Raised) << "sunken";
  SendMessage(Push, BM_SETSTATE, FALSE);

  SetFocus(Push);
  input::AdvanceTime(0);
  EXPECT_EQ(PixelAt(Push, 3, 3), ColorPixel(clBtnFace) ^ 0x00FFFFFFu) << "the focus rectangle";
  EXPECT_TRUE(SendMessage(Push, BM_GETSTATE) & BST_FOCUS);

  SetWindowText(Push, "Gone");
  EnableWindow(Push, false);
  input::AdvanceTime(0);
  EXPECT_EQ(CountPixels(Push, Caption, ColorPixel(clBtnText)), 0);
  EXPECT_GT(CountPixels(Push, Caption, ColorPixel(clGrayText)), 0);
}

TEST_F(ButtonTest, CheckBoxShowsItsMarkAndCaption) {
  const HWND Box = MakeButton(BS_AUTOCHECKBOX, "Check", Bounds(10, 10, 100, 17));
  const TRect Inside = Rect(3, 5, 11, 13);
  EXPECT_EQ(CountPixels(Box, Inside, ColorPixel(clBlack)), 0);
  EXPECT_GT(CountPixels(Box, Rect(17, 0, 60, 17), ColorPixel(clBtnText)), 0) << "the caption";
  SendMessage(Box, BM_SETCHECK, BST_CHECKED);
  input::AdvanceTime(0);
  EXPECT_GT(CountPixels(Box, Inside, ColorPixel(clBlack)), 0) << "the mark";
  EnableWindow(Box, false);
  input::AdvanceTime(0);
  EXPECT_EQ(CountPixels(Box, Inside, ColorPixel(clBlack)), 0) << "greyed";
  EXPECT_GT(CountPixels(Box, Rect(17, 0, 60, 17), ColorPixel(clGrayText)), 0);
}

}  // namespace
}  // namespace framework::test
