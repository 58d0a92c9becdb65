#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"

namespace framework::test {
namespace {

using TList = std::vector<std::string>;

TList ItemsOf(const TCustomListBox* Box) {
  TList Result;
  for (int I = 0; I < Box->Items()->Count(); ++I) Result.push_back(Box->Items()->Strings(I));
  return Result;
}

// A shown form with a focused list box of rows 10 pixels high.
class ListBoxTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    Form = new TForm(Application);
    Form->SetBounds(100, 100, 400, 300);
    Box = new TListBox(Form);
    Box->SetParent(Form);
    Box->SetBounds(10, 10, 150, 64);
    Box->SetItemHeight(10);
    Form->Show();
    Box->OnClick = [this](TObject*) {
      Events.push_back("Click " + std::to_string(Box->ItemIndex()));
    };
    Box->OnDblClick = [this](TObject*) { Events.push_back("DblClick"); };
  }

  TPoint RowPoint(int Row) const { return Box->ClientToScreen({20, Row * 10 + 5}); }

  TForm* Form = nullptr;
  TListBox* Box = nullptr;
  TList Events;
};

TEST_F(ListBoxTest, ItemsLiveInTheWindow) {
  Box->Items()->Add("one");
  Box->Items()->Add("two");
  Box->Items()->Insert(0, "zero");
  EXPECT_EQ(ItemsOf(Box), (TList{"zero", "one", "two"}));
  EXPECT_EQ(Box->Perform(LB_GETCOUNT), 3);
  Box->Items()->SetStrings(1, "ONE");
  Box->Items()->Delete(2);
  EXPECT_EQ(ItemsOf(Box), (TList{"zero", "ONE"}));
  EXPECT_THROW(Box->Items()->Strings(2), EStringListError);
  EXPECT_THROW(Box->Items()->Delete(-1), EStringListError);
  EXPECT_THROW(Box->Items()->Insert(5, "x"), EStringListError);
  Box->Clear();
  EXPECT_EQ(Box->Items()->Count(), 0);
}

TEST_F(ListBoxTest, ItemIndexSelectsWithoutAClick) {
  Box->Items()->SetText("a\nb\nc\n");
  EXPECT_EQ(Box->ItemIndex(), -1);
  Box->SetItemIndex(2);
  EXPECT_EQ(Box->ItemIndex(), 2);
  Box->SetItemIndex(7);
  EXPECT_EQ(Box->ItemIndex(), -1);
  Box->SetItemIndex(1);
  Box->Items()->Insert(0, "first");
  EXPECT_EQ(Box->ItemIndex(), 2) << "the selection stays on its item";
  EXPECT_TRUE(Events.empty());
}

TEST_F(ListBoxTest, UserSelectionFiresOnClickAndDoubleClickOnDblClick) {
  Box->Items()->SetText("a\nb\nc\n");
  input::Click(RowPoint(1));
  input::PressKey(VK_DOWN);
  input::Click(RowPoint(2));
  input::DoubleClick(RowPoint(0));
  EXPECT_EQ(Events, (TList{"Click 1", "Click 2", "Click 0", "DblClick"}))
      << "a click on the selected row changes nothing";
}

TEST_F(ListBoxTest, SortedPlacesItemsAndKeepsTheSelectedOne) {
  Box->Items()->SetText("Beta\nalpha\nGamma\n");
  Box->SetItemIndex(0);
  Box->SetSorted(true);
  EXPECT_EQ(ItemsOf(Box), (TList{"alpha", "Beta", "Gamma"}));
  EXPECT_EQ(Box->ItemIndex(), 1);
  Box->Items()->Add("delta");
  EXPECT_EQ(ItemsOf(Box), (TList{"alpha", "Beta", "delta", "Gamma"}));
  EXPECT_THROW(Box->Items()->Insert(0, "x"), EStringListError);

  TListBox Loose(nullptr);
  Loose.SetSorted(true);
  Loose.Items()->SetText("b\nC\na\n");
  EXPECT_EQ(ItemsOf(&Loose), (TList{"a", "b", "C"})) << "sorted without a window as well";
}

TEST_F(ListBoxTest, RecreatedWindowKeepsItemsSelectionAndTop) {
  for (int I = 0; I < 20; ++I) Box->Items()->Add("item " + std::to_string(I));
  Box->SetItemIndex(12);
  Box->SetTopIndex(10);
  Box->SetCtl3D(false);
  EXPECT_EQ(Box->Items()->Count(), 20);
  EXPECT_EQ(Box->Items()->Strings(19), "item 19");
  EXPECT_EQ(Box->ItemIndex(), 12);
  EXPECT_EQ(Box->TopIndex(), 10);
  EXPECT_EQ(Box->ItemHeight(), 10);
  EXPECT_TRUE(GetWindowLong(Box->Handle(), GWL_STYLE) & WS_BORDER);
}

TEST_F(ListBoxTest, ItemsWithoutAWindowReachTheWindow) {
  auto* Later = new TListBox(Form);
  Later->Items()->SetText("x\ny\nz\n");
  Later->SetItemIndex(2);
  Later->Items()->Delete(0);
  EXPECT_EQ(Later->ItemIndex(), 1);
  Later->SetParent(Form);
  ASSERT_TRUE(Later->HandleAllocated());
  EXPECT_EQ(ItemsOf(Later), (TList{"y", "z"}));
  EXPECT_EQ(Later->ItemIndex(), 1);
}

TEST_F(ListBoxTest, ItemAtPosAndItemRect) {
  Box->Items()->SetText("a\nb\n");
  EXPECT_EQ(Box->ItemAtPos({5, 15}, true), 1);
  EXPECT_EQ(Box->ItemAtPos({5, 40}, true), -1);
  EXPECT_EQ(Box->ItemAtPos({5, 40}, false), 2);
  EXPECT_EQ(Box->ItemAtPos({-5, 5}, false), -1);
  EXPECT_EQ(Box->ItemRect(1), (TRect{0, 10, Box->ClientWidth(), 20}));
  EXPECT_EQ(Box->ItemRect(2), TRect());
  EXPECT_THROW(Box->SetItemHeight(0), EInvalidOperation);
}

TEST_F(ListBoxTest, BackgroundComesFromTheControl) {
  Box->SetColor(clAqua);
  TRect Window;
  GetWindowRect(Form->Handle(), Window);
  const TPoint P = Box->ClientToScreen({20, 40});
  EXPECT_EQ(RenderWindow(Form->Handle()).Pixel(P.X - Window.Left, P.Y - Window.Top),
            ColorPixel(clAqua));
}

TEST_F(ListBoxTest, FormWithEditAndListBoxStreamsBack) {
  RegisterClass(TForm::StaticClass());
  RegisterClass(TEdit::StaticClass());
  RegisterClass(TListBox::StaticClass());
  Form->SetName("Entry");
  Box->SetName("Choices");
  Box->Items()->SetText("first\nsecond line\nthird\n");
  Box->SetSorted(true);
  auto* Edit = new TEdit(Form);
  Edit->SetName("Name");
  Edit->SetParent(Form);
  Edit->SetBounds(200, 10, 150, 21);
  Edit->SetText("it's typed");
  Edit->SetMaxLength(20);
  Edit->SetCharCase(ecUpperCase);

  const std::string Text = WriteComponentText(Form);
  EXPECT_NE(Text.find("Items.Strings = ("), std::string::npos) << Text;
  std::unique_ptr<TComponent> Read(ReadComponentText(Text));
  auto* Copy = dynamic_cast<TForm*>(Read.get());
  ASSERT_TRUE(Copy);
  EXPECT_EQ(WriteComponentText(Copy), Text);
  auto* CBox = dynamic_cast<TListBox*>(Copy->FindComponent("Choices"));
  auto* CEdit = dynamic_cast<TEdit*>(Copy->FindComponent("Name"));
  ASSERT_TRUE(CBox && CEdit);
  EXPECT_EQ(ItemsOf(CBox), (TList{"first", "second line", "third"}));
  EXPECT_TRUE(CBox->Sorted());
  EXPECT_EQ(CBox->ItemHeight(), 10);
  EXPECT_EQ(CBox->BoundsRect(), Box->BoundsRect());
  EXPECT_EQ(CEdit->Text(), "it's typed");
  EXPECT_EQ(CEdit->MaxLength(), 20);
  EXPECT_EQ(CEdit->CharCase(), ecUpperCase);
  EXPECT_EQ(CEdit->BoundsRect(), Edit->BoundsRect());
}

}  // namespace
}  // namespace framework::test
