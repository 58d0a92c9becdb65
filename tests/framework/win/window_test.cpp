#include "tests/framework/win/win_fixture.h"

namespace framework::test {
namespace {

using WindowTest = WinTest;

TEST_F(WindowTest, CreationSendsItsMessagesAndTheFrameShrinksTheClient) {
  const HWND Wnd =
      Make(WS_BORDER | WS_CAPTION | WS_VSCROLL, Bounds(5, 5, 200, 100), nullptr, WS_EX_CLIENTEDGE);
  EXPECT_EQ(Sequence(Wnd, {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}),
            (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));
  TRect Client;
  GetClientRect(Wnd, Client);
  EXPECT_EQ(Client, Rect(0, 0, 200 - 2 - 4 - 16, 100 - 2 - 19 - 4));
  EXPECT_EQ(ScreenPoint(Wnd, 0, 0), Point(5 + 1 + 2, 5 + 1 + 19 + 2));
  TPoint Caption{20, 10};
  EXPECT_EQ(SendMessage(Wnd, WM_NCHITTEST, 0, PointToLParam(Caption)), HTCAPTION);

  static const bool Registered =
      RegisterClass({0, WNDPROC([](HWND W, UINT Msg, WPARAM WP, LPARAM LP) -> LRESULT {
                       return Msg == WM_NCCREATE ? FALSE : DefWindowProc(W, Msg, WP, LP);
                     }),
                     IDC_ARROW, clNone, "TestRefused"});
  ASSERT_TRUE(Registered);
  EXPECT_FALSE(CreateWindowEx(0, "TestRefused", "", 0, 0, 0, 10, 10, nullptr));
  EXPECT_FALSE(RegisterClass({0, &Procedure, IDC_ARROW, clNone, "testwindow"}))
      << "class names ignore case";
  EXPECT_FALSE(CreateWindowEx(0, "NoSuchClass", "", 0, 0, 0, 10, 10, nullptr));
  EXPECT_FALSE(CreateWindowEx(0, "TestWindow", "", WS_CHILD, 0, 0, 10, 10, nullptr));
}

TEST_F(WindowTest, DestructionGoesParentsFirstThenNcDestroyChildrenFirst) {
  const HWND Form = Make(WS_VISIBLE, Bounds(0, 0, 300, 200));
  const HWND Panel = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 100, 100), Form);
  const HWND Edit = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 20), Panel);
  const HWND Owned = Make(WS_POPUP | WS_VISIBLE, Bounds(400, 0, 50, 50), Form);
  SetFocus(Edit);
  SetTimer(Edit, 1, 100);
  PostMessage(Edit, WM_USER);
  ClearLog();
  EXPECT_TRUE(DestroyWindow(Form));
  std::vector<std::pair<HWND, UINT>> Order;
  for (const TLogged& L : Log())
    if (L.Msg == WM_DESTROY || L.Msg == WM_NCDESTROY || L.Msg == WM_KILLFOCUS)
      Order.emplace_back(L.Wnd, L.Msg);
  EXPECT_EQ(Order, (std::vector<std::pair<HWND, UINT>>{{Owned, WM_DESTROY},
                                                       {Owned, WM_NCDESTROY},
                                                       {Edit, WM_KILLFOCUS},
                                                       {Form, WM_DESTROY},
                                                       {Panel, WM_DESTROY},
                                                       {Edit, WM_DESTROY},
                                                       {Edit, WM_NCDESTROY},
                                                       {Panel, WM_NCDESTROY},
                                                       {Form, WM_NCDESTROY}}));
  EXPECT_EQ(GetFocus(), HWND());
  ClearLog();
  input::AdvanceTime(500);
  EXPECT_TRUE(Log().empty()) << "no timer, no posted message reaches a destroyed window";

  for (HWND Stale : {Form, Panel, Edit, Owned}) {
    EXPECT_FALSE(IsWindow(Stale));
    EXPECT_EQ(SendMessage(Stale, WM_USER), 0);
    EXPECT_FALSE(PostMessage(Stale, WM_USER));
    EXPECT_FALSE(SetWindowText(Stale, "x"));
    TRect R;
    EXPECT_FALSE(GetWindowRect(Stale, R));
    EXPECT_FALSE(DestroyWindow(Stale));
  }
  const HWND Fresh = Make(0, Bounds(0, 0, 10, 10));
  EXPECT_GT(Fresh.Value(), Owned.Value()) << "handle numbers are never given twice";
  input::Reset();
  EXPECT_FALSE(IsWindow(Fresh));
}

TEST_F(WindowTest, DetachedChildKeepsItsScreenPlaceAndFloatsAboveItsForm) {
  const HWND Form = Make(WS_VISIBLE | WS_BORDER, Bounds(100, 100, 300, 200));
  const HWND Drop = Make(WS_CHILD, Bounds(20, 30, 80, 120), Form, WS_EX_TOOLWINDOW);
  TRect Before;
  GetWindowRect(Drop, Before);
  EXPECT_EQ(SetParent(Drop, nullptr), Form);
  EXPECT_EQ(GetParent(Drop), HWND());
  TRect After;
  GetWindowRect(Drop, After);
  EXPECT_EQ(After, Before);
  SetWindowPos(Drop, HWND_TOP, After.Left, After.Top, 80, 150, SWP_SHOWWINDOW);
  EXPECT_EQ(GetChildWindows(nullptr), (std::vector<HWND>{Form, Drop}));
  EXPECT_EQ(WindowFromPoint({After.Left + 5, After.Bottom + 20}), Drop);
  EXPECT_EQ(GetActiveWindow(), Form) << "a detached child never takes activation";

  EXPECT_EQ(SetParent(Drop, Form), HWND());
  GetWindowRect(Drop, After);
  EXPECT_EQ(After.TopLeft(), Before.TopLeft());
  EXPECT_EQ(SetParent(Form, Drop), HWND()) << "a window cannot go inside its own child";
}

TEST_F(WindowTest, SubclassProceduresChainAndUnhook) {
  const HWND Wnd = Make(0, Bounds(0, 0, 10, 10));
  std::vector<std::string> Calls;
  WNDPROC First, Second;
  const WNDPROC Original = GetWindowProc(Wnd);
  First = WNDPROC([&](HWND W, UINT Msg, WPARAM WP, LPARAM LP) -> LRESULT {
    if (Msg == WM_USER) Calls.push_back("first");
    return CallWindowProc(Original, W, Msg, WP, LP);
  });
  WNDPROC BeforeSecond;
  Second = WNDPROC([&](HWND W, UINT Msg, WPARAM WP, LPARAM LP) -> LRESULT {
    if (Msg == WM_USER) Calls.push_back("second");
    if (Msg == WM_USER + 1) return 42;
    return CallWindowProc(BeforeSecond, W, Msg, WP, LP);
  });
  EXPECT_TRUE(SetWindowLong(Wnd, GWL_WNDPROC, First) == Original);
  BeforeSecond = SetWindowLong(Wnd, GWL_WNDPROC, Second);
  EXPECT_TRUE(BeforeSecond == First);
  ClearLog();
  SendMessage(Wnd, WM_USER);
  EXPECT_EQ(Calls, (std::vector<std::string>{"second", "first"}));
  EXPECT_EQ(Of(WM_USER).size(), 1u) << "the class procedure is reached last";
  EXPECT_EQ(SendMessage(Wnd, WM_USER + 1), 42);

  EXPECT_TRUE(SetWindowLong(Wnd, GWL_WNDPROC, BeforeSecond) == Second);
  EXPECT_TRUE(SetWindowLong(Wnd, GWL_WNDPROC, Original) == First);
  Calls.clear();
  SendMessage(Wnd, WM_USER);
  EXPECT_TRUE(Calls.empty());
  EXPECT_TRUE(GetWindowProc(Wnd) == Original);
  EXPECT_FALSE(SetWindowLong(Wnd, GWL_STYLE, First)) << "only GWL_WNDPROC takes a procedure";
}

TEST_F(WindowTest, SetWindowPosSendsOnlyRealChanges) {
  const HWND Form = Make(WS_VISIBLE, Bounds(0, 0, 300, 200));
  const HWND Box = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), Form);
  ClearLog();
  SetWindowPos(Box, nullptr, 10, 10, 50, 50, SWP_NOZORDER);
  EXPECT_TRUE(Sequence(Box, {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}).empty());
  MoveWindow(Box, 20, 10, 50, 60);
  EXPECT_EQ(
      Sequence(Box, {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE}),
      (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE,
                         WM_MOVE}));
  EXPECT_EQ(LParamToPoint(Of(WM_SIZE).back().LParam), Point(50, 60));
  ClearLog();
  ShowWindow(Box, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(Box));
  EXPECT_EQ(Sequence(Box, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE}),
            (std::vector<UINT>{WM_SHOWWINDOW, WM_WINDOWPOSCHANGED}));
  ShowWindow(Form, SW_HIDE);
  ShowWindow(Box, SW_SHOW);
  EXPECT_FALSE(IsWindowVisible(Box)) << "its parent is hidden";
  SetWindowText(Form, "Orders");
  EXPECT_EQ(GetWindowText(Form), "Orders");
}

}  // namespace
}  // namespace framework::test
