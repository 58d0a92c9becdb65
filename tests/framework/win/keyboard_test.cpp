#include "tests/framework/win/win_fixture.h"

namespace framework::test {
namespace {

class KeyboardTest : public WinTest {
 protected:
  void SetUp() override {
    WinTest::SetUp();
    Form = Make(WS_VISIBLE, Bounds(0, 0, 200, 100));
    Edit = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 100, 20), Form);
    SetFocus(Edit);
    ClearLog();
  }
  std::string Typed(UINT Msg = WM_CHAR) const {
    std::string Text;
    for (const TLogged& L : Of(Msg)) Text += char(L.WParam);
    return Text;
  }
  HWND Form;
  HWND Edit;
};

struct TKeyCase {
  const char* Name;
  WORD Key;
  TShiftState Shift;
  int Char;  // -1: no WM_CHAR
};

class KeyTranslation : public KeyboardTest, public ::testing::WithParamInterface<TKeyCase> {};

TEST_P(KeyTranslation, GivesTheCharacterOfTheUSLayout) {
  const TKeyCase& C = GetParam();
  input::PressKey(C.Key, C.Shift);
  const auto Downs = Of(WM_KEYDOWN);
  ASSERT_FALSE(Downs.empty());
  EXPECT_EQ(Downs.back().WParam, C.Key);
  const auto Chars = Of(WM_CHAR);
  if (C.Char < 0) {
    EXPECT_TRUE(Chars.empty());
  } else {
    ASSERT_EQ(Chars.size(), 1u);
    EXPECT_EQ(Chars[0].WParam, WPARAM(C.Char));
    EXPECT_EQ(Chars[0].Wnd, Edit);
  }
  EXPECT_EQ(Sequence(Edit, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}).back(), UINT(WM_KEYUP));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTranslation,
    ::testing::Values(
        TKeyCase{"Letter", 'A', {}, 'a'}, TKeyCase{"ShiftLetter", 'Q', {ssShift}, 'Q'},
        TKeyCase{"Digit", '7', {}, '7'}, TKeyCase{"ShiftDigit", '1', {ssShift}, '!'},
        TKeyCase{"ShiftNine", '9', {ssShift}, '('}, TKeyCase{"Slash", VK_OEM_2, {}, '/'},
        TKeyCase{"Question", VK_OEM_2, {ssShift}, '?'}, TKeyCase{"Quote", VK_OEM_7, {ssShift}, '"'},
        TKeyCase{"Minus", VK_OEM_MINUS, {}, '-'}, TKeyCase{"Space", VK_SPACE, {}, ' '},
        TKeyCase{"Backspace", VK_BACK, {}, 8}, TKeyCase{"Tab", VK_TAB, {}, 9},
        TKeyCase{"ShiftTab", VK_TAB, {ssShift}, 9}, TKeyCase{"Enter", VK_RETURN, {}, 13},
        TKeyCase{"Escape", VK_ESCAPE, {}, 27}, TKeyCase{"CtrlA", 'A', {ssCtrl}, 1},
        TKeyCase{"CtrlShiftZ", 'Z', {ssCtrl, ssShift}, 26},
        TKeyCase{"CtrlDigit", '5', {ssCtrl}, -1}, TKeyCase{"NumpadSeven", VK_NUMPAD7, {}, '7'},
        TKeyCase{"NumpadAdd", VK_ADD, {}, '+'}, TKeyCase{"Left", VK_LEFT, {}, -1},
        TKeyCase{"Down", VK_DOWN, {ssShift}, -1}, TKeyCase{"Delete", VK_DELETE, {}, -1},
        TKeyCase{"F4", VK_F4, {}, -1}, TKeyCase{"Home", VK_HOME, {}, -1}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST_F(KeyboardTest, ModifiersAreHeldDuringTheKeyAndReleasedAfter) {
  bool ShiftSeen = false;
  Handle(Edit, [&](HWND, UINT Msg, WPARAM Key, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_KEYDOWN && Key == VK_END) ShiftSeen = GetKeyState(VK_SHIFT) < 0;
    return std::nullopt;
  });
  input::PressKey(VK_END, {ssShift});
  EXPECT_TRUE(ShiftSeen);
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);
  std::vector<WPARAM> Keys;
  for (const TLogged& L : Of(WM_KEYDOWN)) Keys.push_back(L.WParam);
  for (const TLogged& L : Of(WM_KEYUP)) Keys.push_back(L.WParam);
  EXPECT_EQ(Keys, (std::vector<WPARAM>{VK_SHIFT, VK_END, VK_END, VK_SHIFT}));
}

TEST_F(KeyboardTest, AltMakesSystemKeysAndCapsLockFlipsLetters) {
  input::PressKey('F', {ssAlt});
  EXPECT_EQ(Typed(WM_SYSCHAR), "f");
  EXPECT_EQ(Typed(WM_CHAR), "");
  ASSERT_FALSE(Of(WM_SYSKEYDOWN).empty());
  EXPECT_TRUE(Of(WM_SYSKEYDOWN).back().LParam & KF_ALTDOWN);
  ClearLog();
  input::PressKey(VK_CAPITAL);
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
  input::PressKey('K');
  input::PressKey('K', {ssShift});
  input::TypeText("aB");
  EXPECT_EQ(Typed(), "KkaB");
}

TEST_F(KeyboardTest, TypeTextSendsEachCharacterOnce) {
  const std::string Text = "Hi, 5% {x}|~\t\xE9!";
  input::TypeText(Text + "\n");
  EXPECT_EQ(Typed(), Text + "\r");
  EXPECT_EQ(Of(WM_KEYDOWN).back().WParam, WPARAM(VK_RETURN));
}

TEST_F(KeyboardTest, TheCharacterGoesWhereTheKeyWentEvenWhenFocusMoves) {
  const HWND Next = Make(WS_CHILD | WS_VISIBLE, Bounds(10, 40, 100, 20), Form);
  Handle(Edit, [&](HWND, UINT Msg, WPARAM Key, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_KEYDOWN && Key == VK_TAB) {
      SetFocus(Next);
      PostMessage(Next, WM_USER);
    }
    return std::nullopt;
  });
  input::PressKey(VK_TAB);
  ASSERT_EQ(Of(WM_CHAR).size(), 1u);
  EXPECT_EQ(Of(WM_CHAR)[0].Wnd, Edit);
  EXPECT_EQ(Sequence(nullptr, {WM_CHAR, WM_USER, WM_KEYUP}),
            (std::vector<UINT>{WM_CHAR, WM_USER, WM_KEYUP}));
  EXPECT_EQ(Of(WM_KEYUP)[0].Wnd, Next);
}

TEST_F(KeyboardTest, TheMessageFilterSeesKeysFirstAndCanEatThem) {
  std::vector<UINT> Filtered;
  SetMessageFilter([&](TMsg& Msg) {
    if (Msg.message >= WM_KEYDOWN && Msg.message <= WM_SYSCHAR) Filtered.push_back(Msg.message);
    return Msg.message == WM_KEYDOWN && Msg.wParam == VK_ESCAPE;
  });
  input::PressKey(VK_ESCAPE);
  input::PressKey('X');
  SetMessageFilter(nullptr);
  EXPECT_EQ(Filtered, (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP, WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
  EXPECT_EQ(Typed(), "x") << "an eaten key is not translated";
  EXPECT_EQ(Of(WM_KEYDOWN).size(), 1u);
}

}  // namespace
}  // namespace framework::test
