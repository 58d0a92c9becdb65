#include "tests/framework/win/win_fixture.h"

#include <algorithm>

namespace framework::test {

std::vector<TLogged>& WinTest::Log() {
  static std::vector<TLogged> Messages;
  return Messages;
}

std::map<HWND, WinTest::THandler>& WinTest::Handlers() {
  static std::map<HWND, THandler> Installed;
  return Installed;
}

LRESULT WinTest::Procedure(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  Log().push_back({Wnd, Msg, W, L});
  if (const auto Found = Handlers().find(Wnd); Found != Handlers().end()) {
    // A copy: the handler may install another one.
    const THandler Handler = Found->second;
    if (const auto Answer = Handler(Wnd, Msg, W, L)) return *Answer;
  }
  return DefWindowProc(Wnd, Msg, W, L);
}

void WinTest::SetUp() {
  input::Reset();
  Log().clear();
  Handlers().clear();
  static const bool Registered = [] {
    RegisterClass({0, &Procedure, IDC_ARROW, clWhite, "TestWindow"});
    RegisterClass({CS_DBLCLKS, &Procedure, IDC_IBEAM, clWhite, "TestDblClk"});
    return true;
  }();
  (void)Registered;
}

void WinTest::TearDown() {
  input::Reset();
  Handlers().clear();
  Log().clear();
}

HWND WinTest::Make(DWORD Style, TRect R, HWND Parent, DWORD ExStyle, const char* ClassName) {
  const HWND Wnd =
      CreateWindowEx(ExStyle, ClassName, "", Style, R.Left, R.Top, R.Width(), R.Height(), Parent);
  EXPECT_TRUE(Wnd);
  return Wnd;
}

std::vector<UINT> WinTest::Sequence(HWND Wnd, std::initializer_list<UINT> Only) const {
  std::vector<UINT> Result;
  for (const TLogged& L : Log())
    if ((!Wnd || L.Wnd == Wnd) && std::find(Only.begin(), Only.end(), L.Msg) != Only.end())
      Result.push_back(L.Msg);
  return Result;
}

std::vector<TLogged> WinTest::Of(UINT Msg) const {
  std::vector<TLogged> Result;
  for (const TLogged& L : Log())
    if (L.Msg == Msg) Result.push_back(L);
  return Result;
}

TPoint WinTest::ScreenPoint(HWND Wnd, int X, int Y) const {
  TPoint P{X, Y};
  ClientToScreen(Wnd, P);
  return P;
}

uint32_t WinTest::PixelAt(HWND Wnd, int X, int Y) const {
  const TPoint Screen = ScreenPoint(Wnd, X, Y);
  for (const TTopLevelWindow& Top : VisibleTopLevelWindows())
    if (Top.Rect.Contains(Screen))
      return Top.Surface->Pixel(Screen.X - Top.Rect.Left, Screen.Y - Top.Rect.Top);
  return 0;
}

}  // namespace framework::test
