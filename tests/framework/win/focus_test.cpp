#include "tests/framework/win/win_fixture.h"

namespace framework::test {
namespace {

using FocusTest = WinTest;

TEST_F(FocusTest, KillFocusComesBeforeSetFocusAndEachNamesTheOther) {
  const HWND Form = Make(WS_VISIBLE | WS_CAPTION, Bounds(10, 10, 300, 200));
  const HWND A = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 20), Form);
  const HWND B = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 40, 50, 20), Form);
  SetFocus(A);
  ClearLog();
  HWND SeenFocusDuringKill;
  Handle(A, [&](HWND, UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_KILLFOCUS) SeenFocusDuringKill = GetFocus();
    return std::nullopt;
  });
  EXPECT_EQ(SetFocus(B), A);
  const auto Changes = Of(WM_KILLFOCUS);
  ASSERT_EQ(Sequence(nullptr, {WM_KILLFOCUS, WM_SETFOCUS}),
            (std::vector<UINT>{WM_KILLFOCUS, WM_SETFOCUS}));
  EXPECT_EQ(Changes[0].Wnd, A);
  EXPECT_EQ(HWND(Changes[0].WParam), B);
  EXPECT_EQ(Of(WM_SETFOCUS)[0].Wnd, B);
  EXPECT_EQ(HWND(Of(WM_SETFOCUS)[0].WParam), A);
  EXPECT_EQ(SeenFocusDuringKill, A);
  EXPECT_EQ(GetFocus(), B);
}

TEST_F(FocusTest, DisabledOrHiddenWindowsDoNotTakeTheFocus) {
  const HWND Form = Make(WS_VISIBLE, Bounds(10, 10, 300, 200));
  const HWND Edit = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 20), Form);
  const HWND Disabled = Make(WS_CHILD | WS_VISIBLE | WS_DISABLED, Bounds(10, 40, 50, 20), Form);
  const HWND Hidden = Make(WS_CHILD, Bounds(10, 70, 50, 20), Form);
  SetFocus(Edit);
  ClearLog();
  for (HWND Refused : {Disabled, Hidden, HWND(uintptr_t(999999))}) {
    EXPECT_EQ(SetFocus(Refused), HWND());
    EXPECT_EQ(GetFocus(), Edit);
  }
  EXPECT_TRUE(Of(WM_KILLFOCUS).empty());
  EnableWindow(Edit, false);
  EXPECT_EQ(GetFocus(), HWND()) << "a window being disabled loses the focus";
  EXPECT_EQ(Sequence(Edit, {WM_CANCELMODE, WM_KILLFOCUS, WM_ENABLE}),
            (std::vector<UINT>{WM_CANCELMODE, WM_KILLFOCUS, WM_ENABLE}));
}

TEST_F(FocusTest, AFocusChangeMadeWhileLosingTheFocusWins) {
  const HWND Form = Make(WS_VISIBLE, Bounds(10, 10, 300, 200));
  const HWND A = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 20), Form);
  const HWND B = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 40, 50, 20), Form);
  const HWND C = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 70, 50, 20), Form);
  SetFocus(A);
  Handle(A, [&](HWND, UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_KILLFOCUS) SetFocus(C);
    return std::nullopt;
  });
  ClearLog();
  SetFocus(B);
  EXPECT_EQ(GetFocus(), C);
  EXPECT_EQ(Of(WM_KILLFOCUS).size(), 1u);
  ASSERT_EQ(Of(WM_SETFOCUS).size(), 1u);
  EXPECT_EQ(Of(WM_SETFOCUS)[0].Wnd, C);
}

TEST_F(FocusTest, CapturedDragReportsClientCoordinatesOutsideTheWindow) {
  const HWND Form = Make(WS_VISIBLE, Bounds(0, 0, 400, 300));
  const HWND Grip = Make(WS_CHILD | WS_VISIBLE, Bounds(100, 100, 40, 40), Form);
  const HWND Other = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 60, 60), Form);
  Handle(Grip, [&](HWND Wnd, UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_LBUTTONDOWN) SetCapture(Wnd);
    if (Msg == WM_LBUTTONUP) ReleaseCapture();
    return std::nullopt;
  });
  input::MouseDown(mbLeft, ScreenPoint(Grip, 5, 5));
  ClearLog();
  input::MouseMove(ScreenPoint(Other, 20, 20));
  input::MouseUp(mbLeft, ScreenPoint(Other, 20, 20));

  const auto Moves = Of(WM_MOUSEMOVE);
  ASSERT_EQ(Moves.size(), 1u);
  EXPECT_EQ(Moves[0].Wnd, Grip);
  EXPECT_EQ(LParamToPoint(Moves[0].LParam), Point(-70, -70));
  EXPECT_EQ(Moves[0].WParam, WPARAM(MK_LBUTTON));
  EXPECT_TRUE(Of(WM_SETCURSOR).empty()) << "a captured mouse is not asked for a cursor";
  ASSERT_EQ(Of(WM_LBUTTONUP).size(), 1u);
  EXPECT_EQ(Of(WM_LBUTTONUP)[0].Wnd, Grip);
  EXPECT_EQ(Of(WM_LBUTTONUP)[0].WParam, WPARAM(0));
  EXPECT_EQ(Sequence(nullptr, {WM_LBUTTONUP, WM_CAPTURECHANGED}),
            (std::vector<UINT>{WM_LBUTTONUP, WM_CAPTURECHANGED}));
  EXPECT_EQ(GetCapture(), HWND());

  ClearLog();
  input::MouseMove(ScreenPoint(Other, 21, 20));
  EXPECT_EQ(Sequence(Other, {WM_SETCURSOR, WM_MOUSEMOVE}),
            (std::vector<UINT>{WM_SETCURSOR, WM_MOUSEMOVE}));
}

TEST_F(FocusTest, ClickActivatesAFormButNotAToolWindowPopup) {
  const HWND First = Make(WS_VISIBLE | WS_CAPTION, Bounds(0, 0, 200, 200));
  const HWND Second = Make(WS_VISIBLE | WS_CAPTION, Bounds(300, 0, 200, 200));
  const HWND Popup =
      Make(WS_POPUP | WS_VISIBLE, Bounds(600, 0, 100, 100), nullptr, WS_EX_TOOLWINDOW);
  EXPECT_EQ(GetActiveWindow(), Second);
  ClearLog();
  input::Click(ScreenPoint(First, 50, 50));
  EXPECT_EQ(GetActiveWindow(), First);
  EXPECT_EQ(Sequence(nullptr, {WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN}),
            (std::vector<UINT>{WM_MOUSEACTIVATE, WM_ACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN}));
  EXPECT_EQ(Of(WM_ACTIVATE)[0].Wnd, Second);
  EXPECT_EQ(LOWORD(Of(WM_ACTIVATE)[0].WParam), WA_INACTIVE);
  EXPECT_EQ(LOWORD(Of(WM_ACTIVATE)[1].WParam), WA_CLICKACTIVE);
  EXPECT_EQ(GetFocus(), First);

  input::Click(ScreenPoint(Popup, 10, 10));
  EXPECT_EQ(GetActiveWindow(), First);
  EXPECT_EQ(GetFocus(), First);
  EXPECT_EQ(Of(WM_LBUTTONDOWN).back().Wnd, Popup) << "the click still reaches the popup";
}

}  // namespace
}  // namespace framework::test
