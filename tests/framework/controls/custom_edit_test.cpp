#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"

namespace framework::test {
namespace {

// A shown form with two edits, the first one focused.
class EditTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    Form = new TForm(Application);
    Form->SetBounds(100, 100, 400, 300);
    Edit = Make(10);
    Other = Make(50);
    Form->Show();
    Edit->OnChange = [this](TObject*) { ++Changes; };
  }

  TEdit* Make(int Top) {
    auto* Result = new TEdit(Form);
    Result->SetParent(Form);
    Result->SetBounds(10, Top, 200, 25);
    return Result;
  }

  // The colour the form shows at a client point of Control.
  uint32_t PixelAt(TControl* Control, TPoint P) {
    TRect Window;
    GetWindowRect(Form->Handle(), Window);
    const TPoint Screen = Control->ClientToScreen(P);
    return RenderWindow(Form->Handle()).Pixel(Screen.X - Window.Left, Screen.Y - Window.Top);
  }

  TForm* Form = nullptr;
  TEdit* Edit = nullptr;
  TEdit* Other = nullptr;
  int Changes = 0;
};

struct TKey {
  WORD Key;
  TShiftState Shift;
};

struct TypingCase {
  const char* Name;
  const char* Typed;
  std::vector<TKey> Keys;
  const char* Text;
  int SelStart;
  int SelLength;
};

class EditTyping : public EditTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(EditTyping, LeavesTextAndSelection) {
  const TypingCase& C = GetParam();
  input::TypeText(C.Typed);
  for (const TKey& K : C.Keys) input::PressKey(K.Key, K.Shift);
  EXPECT_EQ(Edit->Text(), C.Text);
  EXPECT_EQ(Edit->SelStart(), C.SelStart);
  EXPECT_EQ(Edit->SelLength(), C.SelLength);
  EXPECT_EQ(Edit->SelText(), std::string(C.Text).substr(size_t(C.SelStart), size_t(C.SelLength)));
  EXPECT_TRUE(Edit->Modified());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EditTyping,
    ::testing::Values(
        TypingCase{"Types", "abc", {}, "abc", 3, 0},
        TypingCase{
            "ShiftLeftSelects", "abcd", {{VK_LEFT, {ssShift}}, {VK_LEFT, {ssShift}}}, "abcd", 2, 2},
        TypingCase{
            "HomeShiftEndSelectsAll", "abcd", {{VK_HOME, {}}, {VK_END, {ssShift}}}, "abcd", 0, 4},
        TypingCase{"BackspaceDeletes", "abcd", {{VK_LEFT, {}}, {VK_BACK, {}}}, "abd", 2, 0},
        TypingCase{
            "TypingReplacesSelection", "abcd", {{VK_HOME, {ssShift}}, {'X', {ssShift}}}, "X", 1, 0},
        TypingCase{"DeleteForward", "abcd", {{VK_HOME, {}}, {VK_DELETE, {}}}, "bcd", 0, 0}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST_F(EditTest, NegativeSelLengthSelectsBackwardsWithTheCaretAtTheStart) {
  Edit->SetText("abcdefgh");
  Edit->SetSelStart(5);
  Edit->SetSelLength(-3);
  EXPECT_EQ(Edit->SelStart(), 2);
  EXPECT_EQ(Edit->SelLength(), 3);
  EXPECT_EQ(Edit->SelText(), "cde");
  input::PressKey(VK_LEFT, {ssShift});
  EXPECT_EQ(Edit->SelStart(), 1) << "the caret moved, the anchor stayed at 5";
  EXPECT_EQ(Edit->SelLength(), 4);
  Edit->SetSelText("X");
  EXPECT_EQ(Edit->Text(), "aXfgh");
}

TEST_F(EditTest, ClipboardCutCopyPaste) {
  Edit->SetText("hello world");
  Edit->SetSelStart(0);
  Edit->SetSelLength(5);
  Edit->CopyToClipboard();
  EXPECT_EQ(GetClipboardText(), "hello");
  EXPECT_EQ(Edit->Text(), "hello world");
  Edit->CutToClipboard();
  EXPECT_EQ(Edit->Text(), " world");
  input::PressKey(VK_END);
  Edit->PasteFromClipboard();
  EXPECT_EQ(Edit->Text(), " worldhello");
  input::PressKey(VK_HOME);
  input::PressKey(VK_RIGHT, {ssShift});
  input::PressKey('X', {ssCtrl});
  EXPECT_EQ(GetClipboardText(), " ");
  input::PressKey('V', {ssCtrl});
  input::PressKey('V', {ssCtrl});
  EXPECT_EQ(Edit->Text(), "  worldhello");
  Edit->Undo();
  EXPECT_EQ(Edit->Text(), " worldhello");
  EXPECT_TRUE(Edit->CanUndo());
  Edit->ClearUndo();
  EXPECT_FALSE(Edit->CanUndo());
}

TEST_F(EditTest, MaxLengthRefusesWithABeep) {
  Edit->SetMaxLength(3);
  input::TypeText("abcd");
  EXPECT_EQ(Edit->Text(), "abc");
  EXPECT_EQ(input::BeepCount(), 1);
  input::PressKey(VK_BACK);
  SetClipboardText("xyz");
  Edit->PasteFromClipboard();
  EXPECT_EQ(Edit->Text(), "abx") << "the paste is cut to what fits";
  EXPECT_EQ(input::BeepCount(), 2);
  Edit->SetMaxLength(0);
  input::TypeText("more");
  EXPECT_EQ(Edit->Text(), "abxmore");
  EXPECT_THROW(Edit->SetMaxLength(-1), EInvalidOperation);
}

TEST_F(EditTest, CharCaseConvertsTypedLettersAndKeepsTheText) {
  input::TypeText("Ab");
  Edit->SetCharCase(ecUpperCase);
  EXPECT_EQ(Edit->Text(), "Ab") << "the window is made again with the same text";
  EXPECT_TRUE(Edit->Focused());
  input::TypeText("cD");
  EXPECT_EQ(Edit->Text(), "AbCD");
  Edit->SetCharCase(ecLowerCase);
  input::PressKey(VK_END);
  input::TypeText("Ef");
  EXPECT_EQ(Edit->Text(), "AbCDef");
}

TEST_F(EditTest, ReadOnlyRefusesTypingWithABeep) {
  Edit->SetText("fixed");
  Edit->SetReadOnly(true);
  input::TypeText("x");
  input::PressKey(VK_BACK);
  EXPECT_EQ(Edit->Text(), "fixed");
  EXPECT_EQ(input::BeepCount(), 2);
  EXPECT_EQ(Changes, 1);
  Edit->SetReadOnly(false);
  input::PressKey(VK_END);
  input::TypeText("x");
  EXPECT_EQ(Edit->Text(), "fixedx");
}

TEST_F(EditTest, OnChangeOncePerRealChange) {
  input::TypeText("ab");
  EXPECT_EQ(Changes, 2);
  Edit->SetText("xy");
  EXPECT_EQ(Changes, 3);
  Edit->SetText("xy");
  EXPECT_EQ(Changes, 3) << "the same text is no change";
  Edit->SetMaxLength(2);
  input::TypeText("z");
  EXPECT_EQ(Changes, 3) << "a refused character is no change";
  Edit->SetHideSelection(false);
  EXPECT_EQ(Changes, 3) << "a window made again is no change";
  EXPECT_EQ(Edit->Text(), "xy");
}

TEST_F(EditTest, AutoSelectOnKeyboardEntryOnly) {
  Other->SetText("other");
  input::PressKey(VK_TAB);
  ASSERT_TRUE(Other->Focused());
  EXPECT_EQ(Other->SelStart(), 0);
  EXPECT_EQ(Other->SelLength(), 5);

  Edit->SetText("edit");
  Edit->SetSelStart(1);
  input::Click(Edit->ClientToScreen({150, 10}));
  ASSERT_TRUE(Edit->Focused());
  EXPECT_EQ(Edit->SelLength(), 0) << "a click places the caret";

  Other->SetAutoSelect(false);
  Other->SetSelStart(2);
  input::PressKey(VK_TAB);
  ASSERT_TRUE(Other->Focused());
  EXPECT_EQ(Other->SelStart(), 2);
  EXPECT_EQ(Other->SelLength(), 0);
}

TEST_F(EditTest, RecreatedWindowKeepsTextSelectionModifiedAndLimit) {
  input::TypeText("abcd");
  Edit->SetMaxLength(5);
  Edit->SetSelStart(1);
  Edit->SetSelLength(2);
  Edit->SetBorderStyle(bsNone);
  EXPECT_EQ(Edit->Text(), "abcd");
  EXPECT_EQ(Edit->SelStart(), 1);
  EXPECT_EQ(Edit->SelLength(), 2);
  EXPECT_TRUE(Edit->Modified());
  Edit->SetModified(false);
  Edit->SetCharCase(ecUpperCase);
  EXPECT_FALSE(Edit->Modified());
  input::PressKey(VK_END);
  input::TypeText("xy");
  EXPECT_EQ(Edit->Text(), "abcdX");
  EXPECT_EQ(input::BeepCount(), 1);
}

TEST_F(EditTest, StateWithoutAWindowReachesTheWindow) {
  auto* Later = new TEdit(Form);
  Later->SetText("later");
  Later->SetSelStart(1);
  Later->SetSelLength(3);
  Later->SetModified(true);
  EXPECT_EQ(Later->SelText(), "ate");
  Later->SetParent(Form);
  ASSERT_TRUE(Later->HandleAllocated());
  EXPECT_EQ(Later->SelText(), "ate");
  EXPECT_TRUE(Later->Modified());
  EXPECT_THROW(TEdit(nullptr).CopyToClipboard(), EInvalidOperation);
}

TEST_F(EditTest, BackgroundAndFontColourComeFromTheControl) {
  Edit->SetColor(clYellow);
  Edit->Font()->SetColor(clRed);
  Edit->SetText("WWW");
  Edit->Update();
  EXPECT_EQ(PixelAt(Edit, {150, 10}), ColorPixel(clYellow));
  bool Red = false;
  for (int X = 0; X < 40 && !Red; ++X)
    for (int Y = 0; Y < Edit->ClientHeight() && !Red; ++Y)
      Red = PixelAt(Edit, {X, Y}) == ColorPixel(clRed);
  EXPECT_TRUE(Red) << "the text is drawn in the font colour";
  EXPECT_EQ(PixelAt(Other, {150, 10}), ColorPixel(clWindow));
}

TEST_F(EditTest, WindowFontAndAutoSizeFollowTheFont) {
  EXPECT_EQ(HFONT(Edit->Perform(WM_GETFONT)), &Edit->Font()->Face());
  const int Height = Edit->Height();
  EXPECT_EQ(Height, Edit->Font()->Face().Height() + 8);
  Edit->Font()->SetHeight(-20);
  EXPECT_EQ(HFONT(Edit->Perform(WM_GETFONT)), &Edit->Font()->Face());
  EXPECT_GT(Edit->Height(), Height);
  Edit->SetCtl3D(false);
  EXPECT_EQ(Edit->Height(), Edit->Font()->Face().Height() + 6);
  Edit->SetAutoSize(false);
  Edit->SetHeight(40);
  Edit->Font()->SetHeight(-11);
  EXPECT_EQ(Edit->Height(), 40);
}

TEST_F(EditTest, BorderStyleGivesTheFrame) {
  auto ExStyle = [this] { return GetWindowLong(Edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE; };
  auto Style = [this] { return GetWindowLong(Edit->Handle(), GWL_STYLE) & WS_BORDER; };
  EXPECT_TRUE(ExStyle());
  EXPECT_FALSE(Style());
  Edit->SetCtl3D(false);
  EXPECT_FALSE(ExStyle());
  EXPECT_TRUE(Style());
  Edit->SetBorderStyle(bsNone);
  EXPECT_FALSE(ExStyle());
  EXPECT_FALSE(Style());
  EXPECT_THROW(Edit->SetBorderStyle(bsSizeable), EInvalidOperation);
  EXPECT_EQ(Edit->BorderStyle(), bsNone);
}

}  // namespace
}  // namespace framework::test
