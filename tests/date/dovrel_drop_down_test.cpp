#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tarvex.h"
#include "tests/date/dovrel_fixture.h"
#include "tests/support/read_only_grid.h"

namespace tarvex::test {
namespace {

using namespace framework;

class DropDownTest : public DovrelTest {
 protected:
  void SetUp() override {
    DovrelTest::SetUp();
    Edit->OnDropDown = [this](TObject*, TDropDownState State) {
      Events.push_back("DropDown " + std::to_string(State));
    };
    Edit->OnCloseUp = [this](TObject*) { Events.push_back("CloseUp"); };
  }

  // A press on the button; a pause before it, so that two presses are never a double click.
  void ClickButton() {
    input::AdvanceTime(1000);
    input::Click(ButtonPoint());
  }
  TPoint ButtonPoint() const {
    return Edit->ClientToScreen({Edit->ClientWidth() - 6, Edit->ClientHeight() / 2});
  }
  // The middle of a day cell of the open calendar, on the screen.
  TPoint DayPoint(int Day) const {
    const TRect R = Edit->Calendar()->ReturnDayRect(Day);
    TPoint P{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
    framework::ClientToScreen(Edit->Calendar()->Handle(), P);
    return P;
  }
  TRect CalendarRect() const {
    TRect R;
    GetWindowRect(Edit->Calendar()->Handle(), R);
    return R;
  }
  uint32_t ScreenPixel(TPoint P) const { return RenderScreen().Pixel(P.X, P.Y); }

  std::vector<std::string> Events;
};

TEST_F(DropDownTest, TheButtonOpensTheCalendarAndAPickedDayClosesIt) {
  Enter("MM/DD/YY", 1999, 12, 15);
  ClickButton();
  TDropDownCalendar* Calendar = Edit->Calendar();
  ASSERT_TRUE(Calendar && Calendar->Visible());
  EXPECT_EQ(Events, std::vector<std::string>{"DropDown 2"});
  EXPECT_EQ((TPoint{Calendar->Month(), Calendar->Day()}), (TPoint{12, 15}));
  const TRect R = CalendarRect();
  const TPoint Origin = Edit->ClientOrigin();
  EXPECT_EQ(R.Left, Origin.X - 2) << "under the sunken edge";
  EXPECT_EQ(R.Top, Origin.Y - 1 + Edit->ClientHeight() + 3);
  EXPECT_EQ(Form->ActiveControl(), Edit) << "the keyboard stays in the edit";
  EXPECT_TRUE(Edit->Focused());

  input::Click(DayPoint(20));
  EXPECT_EQ(Edit->Date(), EncodeDate(1999, 12, 20));
  EXPECT_EQ(Edit->Text(), "12/20/99");
  EXPECT_FALSE(Edit->Calendar());
  EXPECT_EQ(Events, (std::vector<std::string>{"DropDown 2", "CloseUp"}));
}

TEST_F(DropDownTest, ASecondPressClosesAndADragFromTheButtonPicks) {
  Enter("MM/DD/YY", 1999, 12, 15);
  ClickButton();
  ClickButton();
  EXPECT_FALSE(Edit->Calendar());
  input::AdvanceTime(1000);
  input::MouseDown(mbLeft, ButtonPoint());
  ASSERT_TRUE(Edit->Calendar());
  input::MouseMove(DayPoint(22));
  input::MouseMove(DayPoint(24));
  EXPECT_TRUE(Edit->Calendar()) << "still open while the button is held";
  EXPECT_EQ(Edit->Day(), 24) << "the day follows the drag";
  input::MouseUp(mbLeft, DayPoint(24));
  EXPECT_FALSE(Edit->Calendar());
  EXPECT_EQ(Edit->Date(), EncodeDate(1999, 12, 24));
}

TEST_F(DropDownTest, ReturnEscapeAndLeavingClose) {
  Enter("MM/DD/YY", 1999, 12, 15);
  for (const char* Key : {"<CR>", "<ESC>"}) {
    ClickButton();
    ASSERT_TRUE(Edit->Calendar());
    Keys(Key);
    EXPECT_FALSE(Edit->Calendar()) << Key;
  }
  EXPECT_TRUE(Clicked.empty()) << "the keys closed the calendar only";
  ClickButton();
  Keys("<TAB>");
  EXPECT_EQ(Form->ActiveControl(), Other);
  EXPECT_FALSE(Edit->Calendar()) << "closed with the focus";
  EXPECT_EQ(Events.back(), "CloseUp");
}

TEST_F(DropDownTest, MonthAndYearEditsSelectNoDay) {
  Enter("MM/YY");
  Edit->SetIsBlank(true);
  Keys("0699");
  ClickButton();
  TDropDownCalendar* Calendar = Edit->Calendar();
  ASSERT_TRUE(Calendar);
  EXPECT_FALSE(Calendar->CanSelectDay());
  input::Click(DayPoint(10));
  EXPECT_TRUE(Edit->Calendar()) << "a click on a day does nothing";
  const TRect Next = Calendar->NextMonthRect();
  TPoint P{Next.Left + 3, Next.Top + 3};
  framework::ClientToScreen(Calendar->Handle(), P);
  input::Click(P);
  EXPECT_EQ(Edit->Text(), "07/99");
  EXPECT_EQ(Edit->Date(), EncodeDate(1999, 7, 1));
}

TEST_F(DropDownTest, AReadOnlyEditOpensButTakesNoPick) {
  Enter("MM/DD/YY", 1999, 12, 15);
  Edit->SetReadOnly(true);
  ClickButton();
  ASSERT_TRUE(Edit->Calendar());
  input::Click(DayPoint(20));
  EXPECT_EQ(Edit->Day(), 15);
}

struct TPlacement {
  const char* Name;
  TDropDownAlignHorizontally Horizontal;
  TDropDownAlignVertically Vertical;
  TPoint FormAt;
  bool Above, RightAligned;
};

TEST_F(DropDownTest, TheCalendarStaysOnTheScreen) {
  const TPlacement Cases[] = {
      {"below, left aligned", daLeft, daBottom, {100, 100}, false, false},
      {"at the bottom edge it opens above", daLeft, daBottom, {100, 620}, true, false},
      {"daTop with room above", daLeft, daTop, {100, 400}, true, false},
      {"daTop without room above", daLeft, daTop, {100, 0}, false, false},
      {"at the right edge it aligns right", daLeft, daBottom, {850, 100}, false, true},
      {"daRight", daRight, daBottom, {400, 100}, false, true},
      {"daRight at the left edge", daRight, daBottom, {-5, 100}, false, false},
  };
  Enter("MM/DD/YY", 1999, 12, 15);
  Edit->SetWidth(120);
  for (const TPlacement& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Edit->CalendarOptions()->SetAlignHorizontally(Case.Horizontal);
    Edit->CalendarOptions()->SetAlignVertically(Case.Vertical);
    Form->SetBounds(Case.FormAt.X, Case.FormAt.Y, 400, 300);
    ClickButton();
    ASSERT_TRUE(Edit->Calendar());
    const TRect R = CalendarRect();
    const TPoint Origin = Edit->ClientOrigin();
    EXPECT_EQ(R.Bottom <= Origin.Y, Case.Above);
    EXPECT_EQ(R.Right == Origin.X - 2 + Edit->Width(), Case.RightAligned);
    Keys("<ESC>");
  }
}

TEST_F(DropDownTest, OptionsReachAnOpenCalendarAtOnce) {
  Enter("MM/DD/YY", 1999, 12, 15);
  ClickButton();
  TDropDownCalendar* Calendar = Edit->Calendar();
  ASSERT_TRUE(Calendar);
  Edit->CalendarOptions()->SetSelectedDayColor(clRed);
  Edit->CalendarOptions()->SetStartOfWeek(swMonday);
  EXPECT_EQ(Calendar->SelectedDayColor(), clRed);
  input::AdvanceTime(0);
  EXPECT_EQ(ScreenPixel(DayPoint(15)), ColorPixel(clRed));
  Edit->Font()->SetHeight(-16);
  EXPECT_EQ(Calendar->DayFont()->Height(), -16);
  EXPECT_TRUE(Calendar->DayHeaderFont()->Style().Contains(fsBold));
  EXPECT_EQ(Calendar->SelectedDayFont()->Color(), clWhite);
  Edit->CalendarOptions()->DayFont()->SetHeight(-20);
  EXPECT_FALSE(Edit->CalendarOptions()->ParentFont());
}

TEST_F(DropDownTest, TheButtonShowsAsItsDisplaySays) {
  Edit->SetButtonDisplay(bdFocused);
  Edit->SetDate(EncodeDate(1999, 12, 15));
  input::AdvanceTime(0);
  const TPoint Right = ButtonPoint();
  EXPECT_EQ(ScreenPixel(Right), ColorPixel(clWindow)) << "no button while unfocused";
  input::AdvanceTime(1000);
  input::Click(Right);
  EXPECT_TRUE(Edit->Focused());
  EXPECT_FALSE(Edit->Calendar()) << "the press focused the edit before the button showed";
  input::AdvanceTime(0);
  EXPECT_EQ(ScreenPixel(Edit->ClientToScreen({Edit->ClientWidth() - 13, 3})),
            ColorPixel(clBtnFace));
  ClickButton();
  EXPECT_TRUE(Edit->Calendar());

  Keys("<ESC>");
  Edit->SetButtonDisplay(bdNever);
  ClickButton();
  EXPECT_FALSE(Edit->Calendar());
}

TEST_F(DropDownTest, AFlatEditFramesItsClientAreaAndInsetsItsButton) {
  Edit->SetCtl3D(false);
  Edit->SetDate(EncodeDate(1999, 12, 15));
  input::AdvanceTime(0);
  const auto At = [this](int X, int Y) { return ScreenPixel(Edit->ClientToScreen({X, Y})); };
  EXPECT_EQ(At(0, 5), ColorPixel(clWindowFrame));
  EXPECT_EQ(At(Edit->ClientWidth() - 1, 5), ColorPixel(clWindowFrame));
  const int Inset = 2 * GetSystemMetrics(SM_CXBORDER);
  EXPECT_EQ(At(Edit->ClientWidth() - Inset - 13, Inset + 3), ColorPixel(clBtnFace));
  EXPECT_EQ(At(Edit->ClientWidth() - 2, Edit->ClientHeight() / 2), ColorPixel(clWindow))
      << "the button sits clear of the right frame";
}

TEST_F(DropDownTest, AnAssignedGlyphMakesTheStyleCustom) {
  TBitmap Glyph;
  Glyph.SetWidth(8);
  Glyph.SetHeight(4);
  Edit->SetButtonStyle(bsComboAuto);
  EXPECT_EQ(Edit->ButtonBitmap()->Width(), 20) << "the flat combo arrow";
  NewStyleControls = false;
  Edit->SetButtonStyle(bsComboAuto);
  NewStyleControls = true;
  EXPECT_EQ(Edit->ButtonBitmap()->Width(), 16) << "the older combo glyph";
  Edit->SetButtonBitmap(&Glyph);
  EXPECT_EQ(Edit->ButtonStyle(), bsCustom);
  EXPECT_EQ(Edit->ButtonBitmap()->Width(), 8);

  RegisterClass(TDovrel::StaticClass());
  Edit->SetName("Due");
  const std::string Text = WriteComponentText(Edit);
  EXPECT_NE(Text.find("ButtonBitmap.Data"), std::string::npos);
  std::unique_ptr<TComponent> Read(ReadComponentText(Text));
  auto* Copy = dynamic_cast<TDovrel*>(Read.get());
  ASSERT_TRUE(Copy);
  EXPECT_EQ(Copy->ButtonStyle(), bsCustom);
  EXPECT_EQ(Copy->ButtonBitmap()->Width(), 8) << "a stored custom glyph survives loading";
}

// An edit floating over a grid's cell.
class GridEditTest : public DovrelTest {
 protected:
  void SetUp() override {
    DovrelTest::SetUp();
    Grid = new test_support::TReadOnlyGrid(Form);
    Grid->SetParent(Form);
    Grid->SetBounds(10, 80, 330, 110);
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing, goTabs});
    Edit->SetParent(Grid);
    Edit->SetCustomEditFormat("MM/DD/YY");
    Edit->SetDate(EncodeDate(1999, 12, 15));
  }

  test_support::TReadOnlyGrid* Grid = nullptr;
};

TEST_F(GridEditTest, TabAndEscapeGoToTheGridAndLeavingHides) {
  Edit->FloatOverGrid(Grid->CellRect(1, 1), true);
  EXPECT_TRUE(Edit->Focused());
  EXPECT_EQ(Edit->BoundsRect(), Grid->CellRect(1, 1));
  Keys("<TAB>");
  EXPECT_EQ(Grid->Col(), 2) << "the grid moved on";
  EXPECT_EQ(Form->ActiveControl(), Grid);
  EXPECT_FALSE(Edit->Visible()) << "hidden when left";

  Edit->FloatOverGrid(Grid->CellRect(2, 1), true);
  Keys("<ESC>");
  EXPECT_EQ(Form->ActiveControl(), Grid);
  Edit->FloatOverGrid(Grid->CellRect(2, 1), false);
  EXPECT_EQ(Form->ActiveControl(), Grid) << "shown without the focus";
  EXPECT_TRUE(Edit->Visible());
}

TEST_F(GridEditTest, TheGridsRightsDecideWhetherKeysChangeTheDate) {
  Edit->FloatOverGrid(Grid->CellRect(1, 1), true);
  Grid->SetReadOnly(true);
  Keys("0");
  EXPECT_EQ(Edit->Month(), 12);
  Keys("<R>");
  EXPECT_EQ(Selected(), "15") << "arrows still move between cells";
  Grid->SetReadOnly(false);
  Grid->SetOptions(Grid->Options() - TGridOptions{goEditing});
  EXPECT_FALSE(Edit->CanModify());
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  EXPECT_TRUE(Edit->CanModify());
}

TEST_F(GridEditTest, AnUnfocusedCellEditorLooksSelected) {
  Edit->FloatOverGrid(Grid->CellRect(1, 1), false);
  input::AdvanceTime(0);
  const TPoint P = Edit->ClientToScreen({3, 3});
  EXPECT_EQ(RenderScreen().Pixel(P.X, P.Y), ColorPixel(clHighlight));
}

}  // namespace
}  // namespace tarvex::test
