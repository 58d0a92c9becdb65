#include "tests/framework/win/win_fixture.h"

namespace framework::test {
namespace {

struct TClickCase {
  const char* Name;
  const char* ClassName;
  unsigned Delay;
  int DX, DY;
  bool Double;
};

class DoubleClicks : public WinTest, public ::testing::WithParamInterface<TClickCase> {};

TEST_P(DoubleClicks, FollowTheTimeDistanceAndClassStyle) {
  const TClickCase& C = GetParam();
  const HWND Form = Make(WS_VISIBLE, Bounds(0, 0, 300, 200));
  const HWND Box = Make(WS_CHILD | WS_VISIBLE, Bounds(20, 20, 100, 100), Form, 0, C.ClassName);
  const TPoint P = ScreenPoint(Box, 50, 50);
  input::Click(P);
  input::AdvanceTime(C.Delay);
  ClearLog();
  input::MouseDown(mbLeft, {P.X + C.DX, P.Y + C.DY});
  EXPECT_EQ(Sequence(Box, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
            (std::vector<UINT>{UINT(C.Double ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN)}));
}

INSTANTIATE_TEST_SUITE_P(
    Presses, DoubleClicks,
    ::testing::Values(TClickCase{"Immediate", "TestDblClk", 0, 0, 0, true},
                      TClickCase{"AtTheTimeLimit", "TestDblClk", 500, 0, 0, true},
                      TClickCase{"TooLate", "TestDblClk", 501, 0, 0, false},
                      TClickCase{"TwoPixelsAway", "TestDblClk", 100, 2, -2, true},
                      TClickCase{"ThreePixelsAcross", "TestDblClk", 100, 3, 0, false},
                      TClickCase{"ThreePixelsDown", "TestDblClk", 100, 0, 3, false},
                      TClickCase{"ClassWithoutDblClks", "TestWindow", 0, 0, 0, false}),
    [](const auto& I) { return std::string(I.param.Name); });

using MouseTest = WinTest;

TEST_F(MouseTest, ADoubleClickIsFollowedByAPlainPressAndNeedsTheSameButtonAndWindow) {
  const HWND Form = Make(WS_VISIBLE, Bounds(0, 0, 300, 200));
  const HWND Box = Make(WS_CHILD | WS_VISIBLE, Bounds(20, 20, 100, 100), Form, 0, "TestDblClk");
  const TPoint P = ScreenPoint(Box, 50, 50);
  input::DoubleClick(P);
  input::Click(P);
  input::MouseDown(mbRight, P);
  input::MouseUp(mbRight, P);
  input::Click(P);
  EXPECT_EQ(Sequence(Box, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK}),
            (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN, WM_RBUTTONDOWN,
                               WM_LBUTTONDOWN}));
}

TEST_F(MouseTest, MessagesCarryClientPointKeysAndAskForTheCursorFirst) {
  const HWND Form = Make(WS_VISIBLE | WS_BORDER, Bounds(100, 100, 300, 200));
  const HWND Box = Make(WS_CHILD | WS_VISIBLE, Bounds(20, 30, 100, 100), Form, 0, "TestDblClk");
  ClearLog();
  input::MouseDown(mbLeft, {100 + 1 + 20 + 7, 100 + 1 + 30 + 9}, {ssShift, ssCtrl});
  ASSERT_EQ(Of(WM_LBUTTONDOWN).size(), 1u);
  const TLogged Down = Of(WM_LBUTTONDOWN)[0];
  EXPECT_EQ(Down.Wnd, Box);
  EXPECT_EQ(LParamToPoint(Down.LParam), Point(7, 9));
  EXPECT_EQ(Down.WParam, WPARAM(MK_LBUTTON | MK_SHIFT | MK_CONTROL));
  const auto Cursor = Of(WM_SETCURSOR);
  ASSERT_FALSE(Cursor.empty());
  EXPECT_EQ(HWND(Cursor.back().WParam), Box);
  EXPECT_EQ(SHORT(LOWORD(Cursor.back().LParam)), HTCLIENT);
  EXPECT_EQ(HIWORD(Cursor.back().LParam), WM_LBUTTONDOWN);
  EXPECT_EQ(GetCursor(), IDC_IBEAM) << "the class cursor";
  input::MouseMove({100, 150});
  EXPECT_EQ(Of(WM_NCMOUSEMOVE).back().WParam, WPARAM(HTBORDER));
  EXPECT_EQ(GetCursor(), IDC_ARROW);
}

TEST_F(MouseTest, WindowFromPointTakesTheTopOfTheOrderAndTheDeepestChild) {
  const HWND Form = Make(WS_VISIBLE, Bounds(0, 0, 400, 300));
  const HWND Lower = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 100, 100), Form);
  const HWND Upper = Make(WS_CHILD | WS_VISIBLE | WS_DISABLED, Bounds(60, 60, 100, 100), Form);
  const HWND Inner = Make(WS_CHILD | WS_VISIBLE, Bounds(0, 0, 20, 20), Lower);
  const TPoint Overlap{80, 80};
  EXPECT_EQ(WindowFromPoint(Overlap), Upper) << "disabled windows count";
  SetWindowPos(Lower, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(WindowFromPoint(Overlap), Lower);
  EXPECT_EQ(WindowFromPoint({15, 15}), Inner);
  ShowWindow(Lower, SW_HIDE);
  EXPECT_EQ(WindowFromPoint({15, 15}), Form);

  const HWND Topmost = Make(WS_POPUP | WS_VISIBLE, Bounds(50, 50, 100, 100), nullptr,
                            WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  const HWND Later = Make(WS_VISIBLE, Bounds(40, 40, 100, 100));
  EXPECT_EQ(WindowFromPoint({60, 60}), Topmost) << "topmost stays above a newer window";
  EXPECT_EQ(WindowFromPoint({45, 45}), Later);
  SetWindowPos(Topmost, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(Later, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(WindowFromPoint({60, 60}), Later);
  EXPECT_EQ(WindowFromPoint({500, 500}), HWND());
}

TEST_F(MouseTest, PressesOnADisabledChildGoToItsEnabledParent) {
  const HWND Form = Make(WS_VISIBLE, Bounds(0, 0, 400, 300));
  const HWND Off = Make(WS_CHILD | WS_VISIBLE | WS_DISABLED, Bounds(10, 10, 100, 100), Form);
  ClearLog();
  input::Click({20, 20});
  EXPECT_TRUE(Sequence(Off, {WM_LBUTTONDOWN}).empty());
  EXPECT_EQ(Sequence(Form, {WM_LBUTTONDOWN, WM_LBUTTONUP}),
            (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

}  // namespace
}  // namespace framework::test
