#include <string_view>

#include "framework/graphics/font_engine.h"
#include "framework/win/clipboard.h"
#include "framework/win/system_control.h"
#include "tests/framework/win/win_fixture.h"

namespace framework::test {
namespace {

constexpr LONG_PTR EditId = 7;

class EditTest : public WinTest {
 protected:
  void SetUp() override {
    WinTest::SetUp();
    Form = Make(WS_VISIBLE, Bounds(50, 50, 300, 200));
  }

  HWND MakeEdit(DWORD Style = ES_AUTOHSCROLL, TRect R = Bounds(10, 10, 150, 21)) {
    const HWND Edit = CreateWindowEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER | Style,
                                     R.Left, R.Top, R.Width(), R.Height(), Form, EditId);
    EXPECT_TRUE(Edit);
    SetFocus(Edit);
    ProcessMessages();
    return Edit;
  }

  static std::pair<int, int> Sel(HWND Edit) {
    DWORD Start = 99, End = 99;
    SendMessage(Edit, EM_GETSEL, WPARAM(&Start), LPARAM(&End));
    return {int(Start), int(End)};
  }
  // Removes the selection, leaving the caret, and answers where the caret is.
  static int Caret(HWND Edit) {
    SendMessage(Edit, EM_SETSEL, WPARAM(-1), 0);
    return Sel(Edit).first;
  }
  static void SetSel(HWND Edit, int Anchor, int Caret) {
    SendMessage(Edit, EM_SETSEL, WPARAM(Anchor), LPARAM(Caret));
  }
  static TPoint CharPoint(HWND Edit, int Pos) {
    const LRESULT P = SendMessage(Edit, EM_POSFROMCHAR, WPARAM(Pos));
    return {GET_X_LPARAM(P), GET_Y_LPARAM(P)};
  }
  TPoint ScreenAtChar(HWND Edit, int Pos) const {
    const TPoint P = CharPoint(Edit, Pos);
    return ScreenPoint(Edit, P.X, P.Y + 4);
  }
  static TRect FormatRect(HWND Edit) {
    TRect R;
    SendMessage(Edit, EM_GETRECT, 0, LPARAM(&R));
    return R;
  }
  // The notification codes the form heard from the edit, in order.
  std::vector<WORD> Notifications(HWND Edit) const {
    std::vector<WORD> Codes;
    for (const TLogged& L : Of(WM_COMMAND))
      if (HWND(L.LParam) == Edit && LOWORD(L.WParam) == EditId) Codes.push_back(HIWORD(L.WParam));
    return Codes;
  }
  bool AnyPixel(HWND Edit, const TRect& R, uint32_t Pixel) const {
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X)
        if (PixelAt(Edit, X, Y) == Pixel) return true;
    return false;
  }

  HWND Form;
};

// A key press, or text typed when Text is given.
struct TStep {
  WORD Key;
  TShiftState Shift;
  std::string_view Text;
};
TStep Key(WORD K, TShiftState Shift = {}) {
  return {K, Shift, {}};
}
TStep Typed(std::string_view Text) {
  return {0, {}, Text};
}

struct TTypingCase {
  const char* Name;
  const char* Initial;
  int Anchor, CaretAt;
  std::vector<TStep> Steps;
  const char* Text;
  int SelStart, SelEnd, CaretAfter;
};

class EditTyping : public EditTest, public ::testing::WithParamInterface<TTypingCase> {};

TEST_P(EditTyping, LeavesTextSelectionAndCaret) {
  const TTypingCase& C = GetParam();
  const HWND Edit = MakeEdit();
  SetWindowText(Edit, C.Initial);
  SetSel(Edit, C.Anchor, C.CaretAt);
  SetClipboardText("clip");
  for (const TStep& S : C.Steps) {
    if (S.Text.empty())
      input::PressKey(S.Key, S.Shift);
    else
      input::TypeText(S.Text);
  }
  EXPECT_EQ(GetWindowText(Edit), C.Text);
  EXPECT_EQ(Sel(Edit), std::make_pair(C.SelStart, C.SelEnd));
  EXPECT_EQ(Caret(Edit), C.CaretAfter);
}

const TShiftState Shift{ssShift}, Ctrl{ssCtrl};

INSTANTIATE_TEST_SUITE_P(
    Keys, EditTyping,
    ::testing::Values(
        TTypingCase{"TypingReplacesSelection", "hello", 0, 5, {Typed("ab")}, "ab", 2, 2, 2},
        TTypingCase{"BackspaceDeletesBeforeCaret", "abc", 3, 3, {Key(VK_BACK)}, "ab", 2, 2, 2},
        TTypingCase{"BackspaceAtStartKeepsText", "abc", 0, 0, {Key(VK_BACK)}, "abc", 0, 0, 0},
        TTypingCase{"BackspaceDeletesSelection", "abcdef", 1, 4, {Key(VK_BACK)}, "aef", 1, 1, 1},
        TTypingCase{"DeleteTakesCharacterAfterCaret", "abc", 0, 0, {Key(VK_DELETE)}, "bc", 0, 0, 0},
        TTypingCase{"DeleteAtEndKeepsText", "abc", 3, 3, {Key(VK_DELETE)}, "abc", 3, 3, 3},
        TTypingCase{"ShiftArrowsExtendFromAnchor",
                    "abcdef",
                    3,
                    3,
                    {Key(VK_LEFT, Shift), Key(VK_LEFT, Shift), Key(VK_RIGHT, Shift),
                     Key(VK_RIGHT, Shift), Key(VK_RIGHT, Shift)},
                    "abcdef",
                    3,
                    4,
                    4},
        TTypingCase{
            "LeftCollapsesToSelectionStart", "abcdef", 1, 4, {Key(VK_LEFT)}, "abcdef", 1, 1, 1},
        TTypingCase{
            "RightCollapsesToSelectionEnd", "abcdef", 4, 1, {Key(VK_RIGHT)}, "abcdef", 4, 4, 4},
        TTypingCase{"UpAndDownMoveLikeLeftAndRight",
                    "abcdef",
                    2,
                    2,
                    {Key(VK_DOWN), Key(VK_DOWN), Key(VK_UP, Shift)},
                    "abcdef",
                    3,
                    4,
                    3},
        TTypingCase{
            "ShiftHomeSelectsToStart", "abc def", 3, 3, {Key(VK_HOME, Shift)}, "abc def", 0, 3, 0},
        TTypingCase{"EndGoesToEnd", "abc def", 0, 2, {Key(VK_END)}, "abc def", 7, 7, 7},
        TTypingCase{"CtrlArrowsMoveByWord",
                    "one two three",
                    0,
                    0,
                    {Key(VK_RIGHT, Ctrl), Key(VK_RIGHT, Ctrl), Key(VK_LEFT, Ctrl + Shift)},
                    "one two three",
                    4,
                    8,
                    4},
        TTypingCase{
            "CtrlLettersAreIgnored", "abc", 1, 1, {Key('A', Ctrl), Key('B', Ctrl)}, "abc", 1, 1, 1},
        TTypingCase{"CutThenPaste",
                    "hello world",
                    0,
                    5,
                    {Key('X', Ctrl), Key(VK_END), Key('V', Ctrl)},
                    " worldhello",
                    11,
                    11,
                    11},
        TTypingCase{"ShiftDeleteCutsShiftInsertPastes",
                    "abc",
                    0,
                    1,
                    {Key(VK_DELETE, Shift), Key(VK_END), Key(VK_INSERT, Shift)},
                    "bca",
                    3,
                    3,
                    3},
        TTypingCase{"CtrlInsertCopies",
                    "abc",
                    1,
                    3,
                    {Key(VK_INSERT, Ctrl), Key(VK_END), Key('V', Ctrl)},
                    "abcbc",
                    5,
                    5,
                    5},
        TTypingCase{"PasteReplacesSelection", "hello", 1, 4, {Key('V', Ctrl)}, "hclipo", 5, 5, 5},
        TTypingCase{
            "UndoTakesBackTypedRun", "abc", 3, 3, {Typed("xyz"), Key('Z', Ctrl)}, "abc", 3, 3, 3},
        TTypingCase{"SecondUndoRedoes",
                    "abc",
                    3,
                    3,
                    {Typed("xyz"), Key('Z', Ctrl), Key('Z', Ctrl)},
                    "abcxyz",
                    3,
                    6,
                    6},
        TTypingCase{"UndoTakesBackBackspacesOfTheRun",
                    "abc",
                    3,
                    3,
                    {Typed("de"), Key(VK_BACK), Key(VK_BACK), Key(VK_BACK), Key('Z', Ctrl)},
                    "abc",
                    2,
                    3,
                    3},
        TTypingCase{"MovingStartsANewUndo",
                    "abc",
                    3,
                    3,
                    {Typed("x"), Key(VK_LEFT), Typed("y"), Key('Z', Ctrl)},
                    "abcx",
                    3,
                    3,
                    3},
        TTypingCase{"UndoOfPasteSelectsWhatItReplaced",
                    "hello",
                    0,
                    5,
                    {Key('V', Ctrl), Key('Z', Ctrl)},
                    "hello",
                    0,
                    5,
                    5},
        TTypingCase{"UndoOfCut", "hello", 1, 3, {Key('X', Ctrl), Key('Z', Ctrl)}, "hello", 1, 3, 3},
        TTypingCase{"UndoOfTypingOverSelection",
                    "hello",
                    0,
                    5,
                    {Typed("ab"), Key('Z', Ctrl)},
                    "hello",
                    0,
                    5,
                    5}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST_F(EditTest, SetSelTakesAnchorThenCaret) {
  const HWND Edit = MakeEdit();
  SetWindowText(Edit, "abcdef");
  SetSel(Edit, 5, 2);
  DWORD Start = 0, End = 0;
  EXPECT_EQ(SendMessage(Edit, EM_GETSEL, WPARAM(&Start), LPARAM(&End)), MAKELRESULT(2, 5));
  EXPECT_EQ(Start, 2u);
  EXPECT_EQ(End, 5u);
  input::PressKey(VK_RIGHT, {ssShift});
  EXPECT_EQ(Sel(Edit), std::make_pair(3, 5)) << "the caret was at the start";

  SetSel(Edit, 1, -1);
  EXPECT_EQ(Sel(Edit), std::make_pair(1, 6));
  SetSel(Edit, 100, 200);
  EXPECT_EQ(Sel(Edit), std::make_pair(6, 6));
  SetSel(Edit, 4, 2);
  SendMessage(Edit, EM_SETSEL, WPARAM(-1), 0);
  EXPECT_EQ(Sel(Edit), std::make_pair(2, 2)) << "a negative start keeps the caret";
}

TEST_F(EditTest, LimitStopsTypingAndPastingWithABeep) {
  const HWND Edit = MakeEdit();
  SendMessage(Edit, EM_LIMITTEXT, 5);
  EXPECT_EQ(SendMessage(Edit, EM_GETLIMITTEXT), 5);
  input::TypeText("abcdefg");
  EXPECT_EQ(GetWindowText(Edit), "abcde");
  EXPECT_EQ(input::BeepCount(), 2);

  SetClipboardText("xyz");
  input::PressKey('V', {ssCtrl});
  EXPECT_EQ(GetWindowText(Edit), "abcde") << "nothing fits";
  SetSel(Edit, 0, 2);
  input::PressKey('V', {ssCtrl});
  EXPECT_EQ(GetWindowText(Edit), "xycde") << "what fits in place of the selection";
  EXPECT_EQ(input::BeepCount(), 4);

  SetWindowText(Edit, "longer than the limit");
  EXPECT_EQ(GetWindowText(Edit), "longer than the limit");
  SendMessage(Edit, EM_SETLIMITTEXT, 0);
  input::TypeText("!");
  EXPECT_EQ(GetWindowText(Edit), "!longer than the limit") << "0 lifts the limit";
}

TEST_F(EditTest, ReadOnlyRefusesEditsButNavigatesAndCopies) {
  const HWND Edit = MakeEdit();
  SetWindowText(Edit, "fixed");
  EXPECT_TRUE(SendMessage(Edit, EM_SETREADONLY, TRUE));
  EXPECT_TRUE(GetWindowLong(Edit, GWL_STYLE) & ES_READONLY);
  ClearLog();
  SetClipboardText("clip");
  input::TypeText("ab");
  input::PressKey(VK_BACK);
  input::PressKey(VK_DELETE);
  input::PressKey('V', {ssCtrl});
  SendMessage(Edit, WM_PASTE);
  SendMessage(Edit, WM_CLEAR);
  EXPECT_EQ(GetWindowText(Edit), "fixed");
  EXPECT_EQ(input::BeepCount(), 5);
  EXPECT_TRUE(Notifications(Edit).empty());

  input::PressKey(VK_END);
  input::PressKey(VK_LEFT, {ssShift});
  input::PressKey(VK_LEFT, {ssShift});
  input::PressKey('C', {ssCtrl});
  EXPECT_EQ(GetClipboardText(), "ed");
  SendMessage(Edit, EM_SETREADONLY, FALSE);
  input::TypeText("!");
  EXPECT_EQ(GetWindowText(Edit), "fix!");
}

TEST_F(EditTest, CaseStylesCaseTypedAndPastedText) {
  const HWND Upper = MakeEdit(ES_AUTOHSCROLL | ES_UPPERCASE);
  SetClipboardText("x\xE9");
  input::TypeText("ab\xE9");
  input::PressKey('V', {ssCtrl});
  EXPECT_EQ(GetWindowText(Upper), "AB\xC9X\xC9");

  const HWND Lower = MakeEdit(ES_AUTOHSCROLL | ES_LOWERCASE, Bounds(10, 40, 150, 21));
  input::TypeText("AB");
  input::PressKey('V', {ssCtrl});
  EXPECT_EQ(GetWindowText(Lower), "abx\xE9");
}

TEST_F(EditTest, PasswordHidesTextFromTheClipboard) {
  const HWND Edit = MakeEdit(ES_AUTOHSCROLL | ES_PASSWORD);
  SetClipboardText("before");
  input::TypeText("secret");
  SetSel(Edit, 0, -1);
  input::PressKey('C', {ssCtrl});
  input::PressKey('X', {ssCtrl});
  EXPECT_EQ(GetClipboardText(), "before");
  EXPECT_EQ(GetWindowText(Edit), "secret");
  EXPECT_EQ(CharPoint(Edit, 6).X - CharPoint(Edit, 0).X, ControlFace(nullptr).TextWidth("******"));
}

TEST_F(EditTest, ModifiedByTheUserOnly) {
  const HWND Edit = MakeEdit();
  SetWindowText(Edit, "abc");
  EXPECT_FALSE(SendMessage(Edit, EM_GETMODIFY));
  input::TypeText("x");
  EXPECT_TRUE(SendMessage(Edit, EM_GETMODIFY));
  SetWindowText(Edit, "abc");
  EXPECT_FALSE(SendMessage(Edit, EM_GETMODIFY)) << "new text is unmodified";
  SendMessage(Edit, EM_SETMODIFY, TRUE);
  EXPECT_TRUE(SendMessage(Edit, EM_GETMODIFY));
  SendMessage(Edit, EM_SETMODIFY, FALSE);
  SendMessage(Edit, EM_REPLACESEL, FALSE, LPARAM("y"));
  EXPECT_FALSE(SendMessage(Edit, EM_GETMODIFY));
}

TEST_F(EditTest, ChangesNotifyTheParentUpdateBeforeChangeAfterPainting) {
  const HWND Edit = MakeEdit();
  bool PaintedAtChange = false;
  Handle(Form, [&](HWND, UINT Msg, WPARAM W, LPARAM) -> std::optional<LRESULT> {
    TRect Pending;
    if (Msg == WM_COMMAND && HIWORD(W) == EN_CHANGE)
      PaintedAtChange = !GetUpdateRect(Edit, Pending);
    return std::nullopt;
  });
  ClearLog();
  SetWindowText(Edit, "abc");
  EXPECT_EQ(Notifications(Edit), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
  EXPECT_TRUE(PaintedAtChange);

  ClearLog();
  input::TypeText("d");
  input::PressKey(VK_LEFT);
  input::PressKey(VK_HOME);
  input::PressKey(VK_BACK);
  SendMessage(Edit, WM_COPY);
  EXPECT_EQ(Notifications(Edit), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}))
      << "only the typed character changed the text";

  ClearLog();
  SetSel(Edit, 1, 2);
  SendMessage(Edit, EM_REPLACESEL, TRUE, LPARAM("XY"));
  EXPECT_EQ(GetWindowText(Edit), "dXYbc");
  EXPECT_EQ(Sel(Edit), std::make_pair(3, 3));
  EXPECT_EQ(Notifications(Edit), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
  EXPECT_TRUE(SendMessage(Edit, EM_CANUNDO));
  EXPECT_TRUE(SendMessage(Edit, EM_UNDO));
  EXPECT_EQ(GetWindowText(Edit), "dabc");
  SendMessage(Edit, EM_REPLACESEL, FALSE, LPARAM("!"));
  EXPECT_FALSE(SendMessage(Edit, EM_CANUNDO));
  SendMessage(Edit, WM_UNDO);
  EXPECT_EQ(GetWindowText(Edit), "d!bc") << "the undone selection replaced, not undoable";
}

TEST_F(EditTest, ParentMayDestroyTheEditOnChange) {
  const HWND Edit = MakeEdit();
  Handle(Form, [&](HWND, UINT Msg, WPARAM W, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_COMMAND && HIWORD(W) == EN_UPDATE) DestroyWindow(Edit);
    return std::nullopt;
  });
  input::TypeText("a");
  EXPECT_FALSE(IsWindow(Edit));
  EXPECT_TRUE(Notifications(Edit) == std::vector<WORD>{EN_UPDATE});
}

TEST_F(EditTest, UndoBufferEmptiesOnRequestAndWithNewText) {
  const HWND Edit = MakeEdit();
  input::TypeText("ab");
  EXPECT_TRUE(SendMessage(Edit, EM_CANUNDO));
  SendMessage(Edit, EM_EMPTYUNDOBUFFER);
  EXPECT_FALSE(SendMessage(Edit, EM_CANUNDO));
  EXPECT_FALSE(SendMessage(Edit, EM_UNDO));
  input::TypeText("c");
  SetWindowText(Edit, "new");
  EXPECT_FALSE(SendMessage(Edit, EM_CANUNDO));
  EXPECT_EQ(Sel(Edit), std::make_pair(0, 0));
}

TEST_F(EditTest, MultilineBreaksLinesAtCrLf) {
  const HWND Edit = MakeEdit(ES_MULTILINE | ES_WANTRETURN, Bounds(10, 10, 150, 80));
  EXPECT_EQ(SendMessage(Edit, WM_GETDLGCODE),
            DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS);
  input::TypeText("abc\nde");
  EXPECT_EQ(GetWindowText(Edit), "abc\r\nde");
  EXPECT_EQ(SendMessage(Edit, EM_GETLINECOUNT), 2);
  EXPECT_EQ(CharPoint(Edit, 5).Y - CharPoint(Edit, 0).Y, ControlFace(nullptr).Height());
  EXPECT_EQ(CharPoint(Edit, 5).X, CharPoint(Edit, 0).X);

  input::PressKey(VK_UP);
  EXPECT_EQ(Caret(Edit), 2) << "the same place one line up";
  input::PressKey(VK_UP);
  EXPECT_EQ(Caret(Edit), 2);
  input::PressKey(VK_END);
  input::PressKey(VK_RIGHT);
  EXPECT_EQ(Caret(Edit), 5) << "a line break is one step";
  input::PressKey(VK_END, {ssShift});
  EXPECT_EQ(Sel(Edit), std::make_pair(5, 7));
  input::PressKey(VK_HOME, {ssCtrl});
  EXPECT_EQ(Caret(Edit), 0);
  SetSel(Edit, 4, 4);
  EXPECT_EQ(Sel(Edit), std::make_pair(3, 3)) << "never inside a line break";
  input::PressKey(VK_DOWN);
  input::PressKey(VK_HOME);
  input::PressKey(VK_BACK);
  EXPECT_EQ(GetWindowText(Edit), "abcde");
  EXPECT_EQ(SendMessage(Edit, EM_GETLINECOUNT), 1);

  const HWND Single = MakeEdit(ES_AUTOHSCROLL, Bounds(10, 100, 150, 21));
  EXPECT_EQ(SendMessage(Single, WM_GETDLGCODE), DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
  SetClipboardText("one\r\ntwo");
  input::PressKey('V', {ssCtrl});
  input::TypeText("\n");
  EXPECT_EQ(GetWindowText(Single), "one") << "a single line takes the first line only";
}

TEST_F(EditTest, MousePlacesCaretDragsSelectionAndSelectsWords) {
  const HWND Edit = MakeEdit();
  const HWND Other = MakeEdit(ES_AUTOHSCROLL, Bounds(10, 40, 150, 21));
  SetWindowText(Edit, "one two three");
  ASSERT_EQ(GetFocus(), Other);
  input::Click(ScreenAtChar(Edit, 3));
  EXPECT_EQ(GetFocus(), Edit);
  EXPECT_EQ(Sel(Edit), std::make_pair(3, 3));
  EXPECT_FALSE(GetCapture());

  input::MouseDown(mbLeft, ScreenAtChar(Edit, 1));
  EXPECT_EQ(GetCapture(), Edit);
  input::MouseMove(ScreenAtChar(Edit, 6));
  input::MouseMove(ScreenAtChar(Edit, 5));
  input::MouseUp(mbLeft, ScreenAtChar(Edit, 5));
  EXPECT_FALSE(GetCapture());
  EXPECT_EQ(Sel(Edit), std::make_pair(1, 5));
  input::MouseMove(ScreenAtChar(Edit, 9));
  EXPECT_EQ(Sel(Edit), std::make_pair(1, 5)) << "moving without the button selects nothing";

  input::MouseDown(mbLeft, ScreenAtChar(Edit, 10), {ssShift});
  input::MouseUp(mbLeft, ScreenAtChar(Edit, 10));
  EXPECT_EQ(Sel(Edit), std::make_pair(1, 10)) << "Shift extends from the anchor";

  input::AdvanceTime(1000);
  input::DoubleClick(ScreenAtChar(Edit, 5));
  EXPECT_EQ(Sel(Edit), std::make_pair(4, 7));
  EXPECT_EQ(SendMessage(Edit, EM_CHARFROMPOS, 0, PointToLParam(CharPoint(Edit, 8))),
            MAKELRESULT(8, 0));
}

TEST_F(EditTest, ScrollsToKeepTheCaretInView) {
  const HWND Edit = MakeEdit(ES_AUTOHSCROLL, Bounds(10, 10, 60, 21));
  const TRect Rect = FormatRect(Edit);
  input::TypeText("a long line of text that does not fit");
  const int End = GetWindowTextLength(Edit);
  EXPECT_GE(CharPoint(Edit, End).X, Rect.Left);
  EXPECT_LT(CharPoint(Edit, End).X, Rect.Right);
  EXPECT_LT(CharPoint(Edit, 0).X, Rect.Left) << "the start scrolled out";
  input::PressKey(VK_HOME);
  EXPECT_EQ(CharPoint(Edit, 0).X, Rect.Left);

  SendMessage(Edit, EM_SETSEL, WPARAM(End), LPARAM(End - 2));
  EXPECT_LT(CharPoint(Edit, End - 2).X, Rect.Right);
  EXPECT_GE(CharPoint(Edit, End - 2).X, Rect.Left);
  SetWindowText(Edit, "short");
  EXPECT_EQ(CharPoint(Edit, 0).X, Rect.Left);
}

TEST_F(EditTest, WithoutAutoScrollTypingStopsAtTheRightEdge) {
  const HWND Edit = MakeEdit(0, Bounds(10, 10, 40, 21));
  input::TypeText("wwwwwwwwwwwwwwww");
  const std::string Text = GetWindowText(Edit);
  EXPECT_LT(Text.size(), 16u);
  EXPECT_GT(input::BeepCount(), 0);
  EXPECT_LE(ControlFace(nullptr).TextWidth(Text), FormatRect(Edit).Width());
}

TEST_F(EditTest, MarginsAndTheFormattingRectanglePlaceTheText) {
  const HWND Edit = MakeEdit(ES_AUTOHSCROLL, Bounds(10, 10, 100, 21));
  TRect Client;
  GetClientRect(Edit, Client);
  EXPECT_EQ(FormatRect(Edit), Rect(1, 1, Client.Right - 1, Client.Bottom - 1));
  SendMessage(Edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(3, 4));
  EXPECT_EQ(SendMessage(Edit, EM_GETMARGINS), MAKELRESULT(3, 4));
  EXPECT_EQ(FormatRect(Edit), Rect(4, 1, Client.Right - 5, Client.Bottom - 1));
  SetWindowText(Edit, "abc");
  EXPECT_EQ(CharPoint(Edit, 0), (TPoint{4, 1}));

  const TRect Custom = Rect(20, 5, 60, 15);
  SendMessage(Edit, EM_SETRECT, 0, LPARAM(&Custom));
  EXPECT_EQ(FormatRect(Edit), Custom);
  EXPECT_EQ(CharPoint(Edit, 0), (TPoint{20, 5}));
  input::AdvanceTime(0);
  const uint32_t Background = ColorPixel(clWindow);
  for (int X = 0; X < Client.Right; ++X)
    for (int Y = 0; Y < Client.Bottom; ++Y)
      if (!Custom.Contains({X, Y})) {
        ASSERT_EQ(PixelAt(Edit, X, Y), Background) << X << "," << Y;
      }

  MoveWindow(Edit, 10, 10, 120, 21);
  EXPECT_EQ(FormatRect(Edit).Left, 4) << "a new size brings the default back";
}

TEST_F(EditTest, PaintsInTheParentsColoursWithSelectionAndCaretWhileFocused) {
  const HWND Edit = MakeEdit();
  Handle(Form, [](HWND, UINT Msg, WPARAM W, LPARAM) -> std::optional<LRESULT> {
    if (Msg != WM_CTLCOLOREDIT) return std::nullopt;
    reinterpret_cast<HDC>(W)->SetTextColor(clRed);
    return LRESULT(clYellow);
  });
  SetWindowText(Edit, "HHH");
  input::AdvanceTime(0);
  const TRect Text = Rect(0, 0, 40, 19);
  EXPECT_EQ(PixelAt(Edit, 100, 10), ColorPixel(clYellow));
  EXPECT_TRUE(AnyPixel(Edit, Text, ColorPixel(clRed)));
  EXPECT_EQ(HWND(Of(WM_CTLCOLOREDIT).back().LParam), Edit);
  const TPoint Caret = CharPoint(Edit, 0);
  EXPECT_EQ(PixelAt(Edit, Caret.X, Caret.Y + 5), ColorPixel(clRed)) << "the caret";

  SetSel(Edit, 0, -1);
  input::AdvanceTime(0);
  EXPECT_TRUE(AnyPixel(Edit, Text, ColorPixel(clHighlight)));
  EXPECT_TRUE(AnyPixel(Edit, Text, ColorPixel(clHighlightText)));
  SetFocus(nullptr);
  input::AdvanceTime(0);
  EXPECT_FALSE(AnyPixel(Edit, Text, ColorPixel(clHighlight))) << "hidden without the focus";
  SetSel(Edit, 0, 0);
  input::AdvanceTime(0);
  EXPECT_EQ(PixelAt(Edit, Caret.X, Caret.Y + 5), ColorPixel(clYellow)) << "no caret";

  EnableWindow(Edit, false);
  input::AdvanceTime(0);
  EXPECT_TRUE(AnyPixel(Edit, Text, ColorPixel(clGrayText)));
  EXPECT_FALSE(AnyPixel(Edit, Text, ColorPixel(clRed)));
}

TEST_F(EditTest, NoHideSelKeepsTheSelectionShown) {
  const HWND Edit = MakeEdit(ES_AUTOHSCROLL | ES_NOHIDESEL);
  SetWindowText(Edit, "HHH");
  SetSel(Edit, 0, -1);
  SetFocus(nullptr);
  input::AdvanceTime(0);
  EXPECT_TRUE(AnyPixel(Edit, Rect(0, 0, 40, 19), ColorPixel(clHighlight)));
  EXPECT_EQ(PixelAt(Edit, 100, 10), ColorPixel(clWindow)) << "the default colours";
}

// A program's selection repaints the characters whose look changed, not the whole text: a button
// painted beside the formatting rectangle, or the rest of a long text, is left alone.
TEST_F(EditTest, MovingTheSelectionRepaintsOnlyTheOldAndTheNewSpan) {
  for (const DWORD Style : {DWORD(ES_AUTOHSCROLL), DWORD(ES_AUTOHSCROLL | ES_MULTILINE)}) {
    const HWND Edit = MakeEdit(Style, Bounds(10, 10, 300, 21));
    SetWindowText(Edit, "Wednesday, December 15, 1999");
    SetSel(Edit, 20, 22);
    input::AdvanceTime(0);
    SetSel(Edit, 22, 22);
    TRect Update;
    ASSERT_TRUE(GetUpdateRect(Edit, Update));
    EXPECT_LE(Update.Left, CharPoint(Edit, 20).X);
    EXPECT_GE(Update.Right, CharPoint(Edit, 22).X);
    EXPECT_GT(Update.Left, CharPoint(Edit, 10).X) << "the start of the text is not repainted";
    input::AdvanceTime(0);
    EXPECT_FALSE(AnyPixel(Edit, FormatRect(Edit), ColorPixel(clHighlight)))
        << "the old selection is gone";
    DestroyWindow(Edit);
  }
}

TEST_F(EditTest, FontComesWithSetFont) {
  const HWND Edit = MakeEdit();
  SetWindowText(Edit, "abc");
  EXPECT_EQ(SendMessage(Edit, WM_GETFONT), 0);
  const TFontFace& Default = TFontFace::Find("DejaVu Sans", 11, {});
  EXPECT_EQ(CharPoint(Edit, 3).X - CharPoint(Edit, 0).X, Default.TextWidth("abc"));
  const TFontFace& Large = TFontFace::Find("DejaVu Sans", 16, {fsBold});
  SendMessage(Edit, WM_SETFONT, WPARAM(&Large), TRUE);
  EXPECT_EQ(HFONT(SendMessage(Edit, WM_GETFONT)), &Large);
  EXPECT_EQ(CharPoint(Edit, 3).X - CharPoint(Edit, 0).X, Large.TextWidth("abc"));
}

// A class of its own around the system class, and a window subclassed through GWL_WNDPROC: both
// see and change what reaches the edit.
TEST_F(EditTest, SubclassesWrapTheProcedure) {
  TWndClass Edit;
  ASSERT_TRUE(GetClassInfo("edit", Edit));
  static WNDPROC Base;
  Base = Edit.lpfnWndProc;
  Edit.lpfnWndProc = +[](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
    if (Msg == WM_CHAR && W == '1') W = '!';
    return CallWindowProc(Base, Wnd, Msg, W, L);
  };
  Edit.lpszClassName = "BangEdit";
  static const bool Registered = RegisterClass(Edit);
  ASSERT_TRUE(Registered);
  const HWND Bang = CreateWindowEx(0, "BangEdit", "x", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0,
                                   100, 20, Form, 1);
  SetFocus(Bang);
  SendMessage(Bang, EM_SETSEL, 1, 1);
  input::TypeText("a1");
  EXPECT_EQ(GetWindowText(Bang), "xa!");

  const HWND Plain = MakeEdit();
  static WNDPROC Previous;
  Previous = SetWindowLong(Plain, GWL_WNDPROC, WNDPROC([](HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
                             if (Msg == WM_KEYDOWN && W == VK_HOME) return LRESULT(0);
                             return CallWindowProc(Previous, Wnd, Msg, W, L);
                           }));
  input::TypeText("ab");
  input::PressKey(VK_HOME);
  EXPECT_EQ(Sel(Plain), std::make_pair(2, 2)) << "the subclass ate Home";
}

TEST_F(EditTest, ClipboardBelongsToTheDesktop) {
  EXPECT_FALSE(ClipboardHasText());
  EXPECT_EQ(GetClipboardText(), "");
  SetClipboardText("");
  EXPECT_TRUE(ClipboardHasText());
  SetClipboardText("kept");
  EXPECT_EQ(GetClipboardText(), "kept");
  input::Reset();
  EXPECT_FALSE(ClipboardHasText());
  const HWND Edit =
      CreateWindowEx(0, "EDIT", "made after a reset", WS_VISIBLE, 0, 0, 100, 20, nullptr);
  EXPECT_EQ(GetWindowText(Edit), "made after a reset");
}

}  // namespace
}  // namespace framework::test
