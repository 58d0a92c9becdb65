#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"
#include "tests/support/read_only_grid.h"

namespace framework::test {
namespace {

// A shown form with a focused 6 x 20 grid of 40 x 20 cells and 1-pixel lines, one fixed column
// and row, an edit after it in tab order. The grid's client area is 300 x 150: 7 columns' worth
// across, 7 rows down (6 of them scrollable, 1 more partly).
class GridTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    Form = new TForm(Application);
    Form->SetBounds(100, 100, 500, 400);
    Grid = new TDrawGrid(Form);
    Grid->SetParent(Form);
    Grid->SetBorderStyle(bsNone);
    Grid->SetScrollBars(ssNone);
    Grid->SetBounds(10, 10, 300, 150);
    Grid->SetColCount(6);
    Grid->SetRowCount(20);
    Grid->SetDefaultColWidth(40);
    Grid->SetDefaultRowHeight(20);
    After = new TEdit(Form);
    After->SetParent(Form);
    After->SetBounds(10, 200, 100, 21);
    Form->Show();
    Grid->SetFocus();
  }

  TPoint CellPoint(int ACol, int ARow) const {
    const TRect R = Grid->CellRect(ACol, ARow);
    return Grid->ClientToScreen({R.Left + 5, R.Top + 5});
  }
  std::pair<int, int> Current() const { return {Grid->Col(), Grid->Row()}; }

  TForm* Form = nullptr;
  TDrawGrid* Grid = nullptr;
  TEdit* After = nullptr;
};

TEST_F(GridTest, CellRectAndMouseCoordFollowSizesLinesAndScrolling) {
  EXPECT_EQ(Grid->CellRect(0, 0), Rect(0, 0, 40, 20));
  EXPECT_EQ(Grid->CellRect(2, 1), Rect(82, 21, 122, 41));
  Grid->SetColWidths(1, 10);
  Grid->SetRowHeights(0, 30);
  EXPECT_EQ(Grid->CellRect(2, 1), Rect(52, 31, 92, 51));
  EXPECT_EQ(Grid->MouseCoord(51, 31).X, 1) << "a cell's line belongs to it";
  EXPECT_EQ(Grid->MouseCoord(52, 30), (TGridCoord{2, 0}));
  EXPECT_EQ(Grid->MouseCoord(299, 149), (TGridCoord{-1, -1})) << "past the last column";

  Grid->SetTopRow(5);
  EXPECT_EQ(Grid->CellRect(2, 1), TRect()) << "scrolled out";
  EXPECT_EQ(Grid->CellRect(2, 5), Rect(52, 31, 92, 51));
  EXPECT_EQ(Grid->CellRect(2, 0), Rect(52, 0, 92, 30)) << "fixed rows stay";
  EXPECT_EQ(Grid->MouseCoord(60, 40), (TGridCoord{2, 5}));

  Grid->SetOptions(Grid->Options() - TGridOptions{goVertLine, goFixedVertLine});
  EXPECT_EQ(Grid->CellRect(2, 5), Rect(50, 31, 90, 51));
}

TEST_F(GridTest, ScrollingStopsWhereTheLastCellsFillTheClientArea) {
  Grid->SetTopRow(100);
  // 150 pixels: the fixed row (21) and the last 6 rows (126) fit, a 7th would not.
  EXPECT_EQ(Grid->TopRow(), 14);
  EXPECT_EQ(Grid->VisibleRowCount(), 6);
  Grid->SetLeftCol(4);
  EXPECT_EQ(Grid->LeftCol(), 1) << "all six columns fit";
  Grid->SetRowCount(8);
  EXPECT_EQ(Grid->TopRow(), 2);
  EXPECT_EQ(Grid->Row(), 1);
  EXPECT_THROW(Grid->SetRowCount(1), EInvalidOperation);
  EXPECT_THROW(Grid->SetFixedCols(6), EInvalidOperation);
  EXPECT_THROW(Grid->SetRow(0), EInvalidOperation) << "fixed rows are never current";
  EXPECT_THROW(Grid->ColWidths(6), EInvalidOperation);
}

struct TNavigation {
  const char* Name;
  TGridOptions Extra;
  std::vector<std::pair<WORD, TShiftState>> Keys;
  int Col, Row, TopRow;
};

TEST_F(GridTest, KeyboardMovesTheCurrentCell) {
  const TNavigation Cases[] = {
      {"arrows", {}, {{VK_DOWN, {}}, {VK_DOWN, {}}, {VK_RIGHT, {}}, {VK_UP, {}}}, 2, 2, 1},
      {"stops at the fixed cells", {}, {{VK_UP, {}}, {VK_LEFT, {}}}, 1, 1, 1},
      {"End and Home", {}, {{VK_END, {}}, {VK_DOWN, {}}, {VK_HOME, {}}}, 1, 2, 1},
      {"Ctrl+End", {}, {{VK_END, {ssCtrl}}}, 5, 19, 14},
      {"Ctrl+End then Ctrl+Home", {}, {{VK_END, {ssCtrl}}, {VK_HOME, {ssCtrl}}}, 1, 1, 1},
      {"Page Down scrolls a page", {}, {{VK_NEXT, {}}}, 1, 7, 7},
      {"Page Down twice, Page Up", {}, {{VK_NEXT, {}}, {VK_NEXT, {}}, {VK_PRIOR, {}}}, 1, 7, 7},
      {"down past the last visible row",
       {},
       std::vector(6, std::pair{WORD(VK_DOWN), TShiftState{}}),
       1,
       7,
       2},
      {"Tab with goTabs", {goTabs}, {{VK_TAB, {}}, {VK_TAB, {}}}, 3, 1, 1},
      {"Tab wraps to the next row", {goTabs}, {{VK_END, {}}, {VK_TAB, {}}}, 1, 2, 1},
      {"Shift+Tab wraps back", {goTabs}, {{VK_DOWN, {}}, {VK_TAB, {ssShift}}}, 5, 1, 1},
      {"Shift+Tab at the first cell", {goTabs}, {{VK_TAB, {ssShift}}}, 1, 1, 1},
      {"row select: Left scrolls", {goRowSelect}, {{VK_DOWN, {}}, {VK_RIGHT, {}}}, 1, 2, 1},
      {"row select: Home to the first row", {goRowSelect}, {{VK_NEXT, {}}, {VK_HOME, {}}}, 1, 1, 1},
  };
  for (const TNavigation& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Grid->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine} +
                     Case.Extra);
    Grid->SetTopRow(1);
    Grid->SetCol(1);
    Grid->SetRow(1);
    for (const auto& [Key, Shift] : Case.Keys) input::PressKey(Key, Shift);
    EXPECT_EQ(Current(), std::pair(Case.Col, Case.Row));
    EXPECT_EQ(Grid->TopRow(), Case.TopRow);
    EXPECT_EQ(Form->ActiveControl(), Grid);
  }
}

TEST_F(GridTest, TabLeavesTheGridWithoutGoTabs) {
  input::PressKey(VK_TAB);
  EXPECT_EQ(Form->ActiveControl(), After);
  EXPECT_EQ(Current(), std::pair(1, 1));
  input::PressKey(VK_TAB, {ssShift});
  EXPECT_EQ(Form->ActiveControl(), Grid);
}

TEST_F(GridTest, ATabSentByACellEditorMovesLikeTheGridsOwnTab) {
  Grid->SetOptions(Grid->Options() + TGridOptions{goTabs});
  After->SetFocus();
  Grid->SetFocus();
  Grid->Perform(WM_KEYDOWN, VK_TAB, 0);
  EXPECT_EQ(Current(), std::pair(2, 1));
  input::KeyDown(VK_SHIFT);
  Grid->Perform(WM_KEYDOWN, VK_TAB, 0);
  input::KeyUp(VK_SHIFT);
  EXPECT_EQ(Current(), std::pair(1, 1)) << "Shift is read from the keyboard";
}

TEST_F(GridTest, ShiftStretchesARangeFromTheAnchor) {
  input::PressKey(VK_RIGHT, {ssShift});
  input::PressKey(VK_DOWN, {ssShift});
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 2, 2}));
  input::PressKey(VK_DOWN);
  EXPECT_EQ(Grid->Selection(), (TGridRect{2, 3, 2, 3}));
  Grid->SetOptions(Grid->Options() + TGridOptions{goRowSelect});
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 3, 5, 3}));
}

TEST_F(GridTest, SelectCellCanRefuseAMove) {
  Grid->OnSelectCell = [](TObject*, int ACol, int, bool& CanSelect) { CanSelect = ACol != 2; };
  input::PressKey(VK_RIGHT);
  EXPECT_EQ(Current(), std::pair(1, 1));
  input::Click(CellPoint(3, 2));
  EXPECT_EQ(Current(), std::pair(3, 2));
}

TEST_F(GridTest, DraggingSelectsAndScrollsOnTheTimerPastTheEdge) {
  std::vector<std::pair<int, int>> Clicks;
  Grid->OnClick = [&](TObject*) { Clicks.push_back(Current()); };
  input::MouseDown(mbLeft, CellPoint(1, 2));
  EXPECT_EQ(Grid->GridState(), gsSelecting);
  input::MouseMove(CellPoint(3, 4));
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 2, 3, 4}));
  input::MouseMove(Grid->ClientToScreen({100, 200}));
  EXPECT_EQ(Grid->TopRow(), 1);
  input::AdvanceTime(60 * 6);
  EXPECT_EQ(Current(), std::pair(3, 10)) << "a row per tick";
  EXPECT_EQ(Grid->TopRow(), 5);
  input::MouseUp(mbLeft, Grid->ClientToScreen({100, 200}));
  EXPECT_EQ(Grid->GridState(), gsNormal);
  input::AdvanceTime(600);
  EXPECT_EQ(Current(), std::pair(3, 10)) << "the timer stops with the button";
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 2, 3, 10}));
  EXPECT_EQ(Clicks.front(), std::pair(1, 2));
  EXPECT_EQ(Clicks.back(), std::pair(3, 10));
}

TEST_F(GridTest, APressOnFixedCellsSelectsNothing) {
  input::Click(Grid->ClientToScreen({5, 50}));
  input::Click(Grid->ClientToScreen({60, 5}));
  EXPECT_EQ(Current(), std::pair(1, 1));
  EXPECT_EQ(Grid->GridState(), gsNormal);
}

TEST_F(GridTest, LinesBetweenFixedCellsSizeAndFixedCellsMove) {
  std::vector<std::pair<int, int>> Moves;
  Grid->OnColumnMoved = [&](TObject*, int From, int To) { Moves.push_back({From, To}); };
  Grid->SetOptions(Grid->Options() + TGridOptions{goColSizing, goColMoving, goRowSizing});
  // Column 1's right edge is at 81 in the heading row.
  input::MouseDown(mbLeft, Grid->ClientToScreen({81, 10}));
  EXPECT_EQ(Grid->GridState(), gsColSizing);
  input::MouseMove(Grid->ClientToScreen({101, 10}));
  input::MouseUp(mbLeft, Grid->ClientToScreen({101, 10}));
  EXPECT_EQ(Grid->ColWidths(1), 60);
  input::MouseDown(mbLeft, Grid->ClientToScreen({10, 41}));
  input::MouseUp(mbLeft, Grid->ClientToScreen({10, 50}));
  EXPECT_EQ(Grid->RowHeights(1), 29);

  Grid->SetCol(2);
  input::MouseDown(mbLeft, Grid->ClientToScreen({120, 10}));
  EXPECT_EQ(Grid->GridState(), gsColMoving);
  input::MouseUp(mbLeft, Grid->ClientToScreen({250, 10}));
  EXPECT_EQ(Moves, (std::vector<std::pair<int, int>>{{2, 5}}));
  EXPECT_EQ(Grid->Col(), 5) << "the current column moves along";
  EXPECT_EQ(Grid->ColWidths(1), 60);
  Grid->MoveColumn(5, 1);
  EXPECT_EQ(Grid->Col(), 1);
  EXPECT_EQ(Grid->ColWidths(2), 60) << "sizes move with their columns";
}

TEST_F(GridTest, ScrollRequestsMoveTheRowsNotTheCurrentCell) {
  Grid->Perform(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(Grid->TopRow(), 2);
  Grid->Perform(WM_VSCROLL, SB_PAGEDOWN);
  EXPECT_EQ(Grid->TopRow(), 8);
  Grid->Perform(WM_VSCROLL, SB_BOTTOM);
  EXPECT_EQ(Grid->TopRow(), 14);
  Grid->Perform(WM_VSCROLL, SB_TOP);
  EXPECT_EQ(Grid->TopRow(), 1);
  EXPECT_EQ(Current(), std::pair(1, 1));
}

TEST_F(GridTest, TheScrollBarFollowsTheRows) {
  Grid->SetScrollBars(ssVertical);
  Grid->SetTopRow(5);
  TScrollInfo Info;
  ASSERT_TRUE(GetScrollInfo(Grid->Handle(), SB_VERT, Info));
  EXPECT_EQ(Info.Max, 18);
  EXPECT_EQ(Info.Pos, 4);
  EXPECT_EQ(Info.Page, UINT(Grid->VisibleRowCount()));
  // The bar's lower arrow, at the bottom of the strip right of the client area.
  const TPoint Arrow = Grid->ClientToScreen({Grid->ClientWidth() + 5, Grid->ClientHeight() - 5});
  input::Click(Arrow);
  EXPECT_EQ(Grid->TopRow(), 6);
  ASSERT_TRUE(GetScrollInfo(Grid->Handle(), SB_VERT, Info));
  EXPECT_EQ(Info.Pos, 5);
}

// A grid whose cells edit the strings of a map, through the editor over the current cell.
class EditingGridTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    Grid->OnGetEditText = [this](TObject*, int ACol, int ARow, std::string& Value) {
      Value = Cells[{ACol, ARow}];
    };
    Grid->OnSetEditText = [this](TObject*, int ACol, int ARow, const std::string& Value) {
      Cells[{ACol, ARow}] = Value;
    };
    Cells[{1, 1}] = "old";
  }

  std::map<std::pair<int, int>, std::string> Cells;
};

TEST_F(EditingGridTest, TypingOpensTheEditorAndEscapeTakesTheTextBack) {
  input::TypeText("ab");
  ASSERT_TRUE(Grid->EditorMode());
  TInplaceEdit* Editor = Grid->InplaceEditor();
  EXPECT_EQ(Editor->Text(), "ab");
  EXPECT_EQ((Cells[{1, 1}]), "ab");
  EXPECT_EQ(Editor->BoundsRect(), Grid->CellRect(1, 1));
  EXPECT_EQ(Form->ActiveControl(), Editor);
  input::PressKey(VK_ESCAPE);
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_EQ((Cells[{1, 1}]), "old");
  EXPECT_EQ(Form->ActiveControl(), Grid);
}

TEST_F(EditingGridTest, KeysThatLeaveTheCellMoveTheGrid) {
  input::PressKey(VK_F2);
  ASSERT_TRUE(Grid->EditorMode());
  EXPECT_EQ(Grid->InplaceEditor()->Text(), "old");
  input::PressKey(VK_END);
  input::TypeText("er");
  input::PressKey(VK_DOWN);
  EXPECT_EQ((Cells[{1, 1}]), "older");
  EXPECT_EQ(Current(), std::pair(1, 2));
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_EQ(Form->ActiveControl(), Grid);

  Grid->SetOptions(Grid->Options() + TGridOptions{goAlwaysShowEditor});
  input::PressKey(VK_RETURN);
  ASSERT_TRUE(Grid->EditorMode());
  input::TypeText("x");
  input::PressKey(VK_RIGHT);
  EXPECT_EQ(Current(), std::pair(2, 2)) << "Right at the end of the text";
  EXPECT_TRUE(Grid->EditorMode()) << "goAlwaysShowEditor keeps it over the new cell";
  EXPECT_EQ(Grid->InplaceEditor()->BoundsRect(), Grid->CellRect(2, 2));
  EXPECT_EQ((Cells[{1, 2}]), "x");
}

TEST_F(EditingGridTest, AnAlwaysShownEditorTakesTheFocusTheGridGets) {
  Grid->SetOptions(Grid->Options() + TGridOptions{goAlwaysShowEditor});
  After->SetFocus();
  Grid->SetFocus();
  ASSERT_TRUE(Grid->EditorMode());
  EXPECT_EQ(Form->ActiveControl(), Grid->InplaceEditor());
  EXPECT_TRUE(Grid->InplaceEditor()->Focused());
  input::PressKey(VK_TAB);
  EXPECT_EQ(Form->ActiveControl(), After);
}

TEST_F(EditingGridTest, RowSelectAllowsNoEditor) {
  Grid->SetOptions(Grid->Options() + TGridOptions{goRowSelect});
  input::TypeText("a");
  input::PressKey(VK_F2);
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_EQ((Cells[{1, 1}]), "old");
}

TEST_F(GridTest, OnlyTheCellsThatChangedAreDrawnAgain) {
  std::vector<std::pair<int, int>> Drawn;
  Grid->OnDrawCell = [&](TObject*, int ACol, int ARow, const TRect&, TGridDrawState) {
    Drawn.push_back({ACol, ARow});
  };
  Grid->Repaint();
  EXPECT_EQ(Drawn.size(), size_t(6 * 8)) << "every column, and the rows that show at least partly";
  Drawn.clear();
  input::PressKey(VK_DOWN);
  std::sort(Drawn.begin(), Drawn.end());
  EXPECT_EQ(Drawn, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}}));
}

TEST_F(GridTest, CellsPaintInTheirStateColours) {
  Grid->SetFixedColor(clYellow);
  Grid->SetOptions(Grid->Options() + TGridOptions{goDrawFocusSelected});
  input::PressKey(VK_DOWN, {ssShift});
  std::map<std::pair<int, int>, TGridDrawState> States;
  Grid->OnDrawCell = [&](TObject*, int ACol, int ARow, const TRect&, TGridDrawState State) {
    States[{ACol, ARow}] = State;
  };
  Grid->Repaint();
  EXPECT_EQ((States[{0, 1}]), TGridDrawState{gdFixed});
  EXPECT_EQ((States[{1, 1}]), TGridDrawState{gdSelected});
  EXPECT_EQ((States[{1, 2}]), (TGridDrawState{gdSelected, gdFocused}));
  EXPECT_EQ((States[{2, 2}]), TGridDrawState{});
  TRect Window;
  GetWindowRect(Form->Handle(), Window);
  const auto Pixel = [&](int ACol, int ARow) {
    const TRect R = Grid->CellRect(ACol, ARow);
    const TPoint P = Grid->ClientToScreen({R.Left + 10, R.Top + 10});
    return RenderWindow(Form->Handle()).Pixel(P.X - Window.Left, P.Y - Window.Top);
  };
  EXPECT_EQ(Pixel(0, 3), ColorPixel(clYellow));
  EXPECT_EQ(Pixel(1, 1), ColorPixel(clHighlight));
  EXPECT_EQ(Pixel(2, 2), ColorPixel(clWindow));
}

TEST_F(GridTest, AFormWithAGridStreamsBack) {
  RegisterClass(TForm::StaticClass());
  RegisterClass(TDrawGrid::StaticClass());
  RegisterClass(TEdit::StaticClass());
  Form->SetName("Sheet");
  Grid->SetName("Cells");
  After->SetName("Note");
  Grid->SetFixedRows(2);
  Grid->SetColWidths(3, 90);
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing, goTabs});
  Grid->SetFixedColor(clAqua);
  Grid->SetTabOrder(1);

  const std::string Text = WriteComponentText(Form);
  std::unique_ptr<TComponent> Read(ReadComponentText(Text));
  auto* Copy = dynamic_cast<TDrawGrid*>(Read->FindComponent("Cells"));
  ASSERT_TRUE(Copy);
  EXPECT_EQ(WriteComponentText(Read.get()), Text);
  EXPECT_EQ(Copy->BoundsRect(), Bounds(10, 10, 300, 150));
  EXPECT_EQ(Copy->RowCount(), 20);
  EXPECT_EQ(Copy->FixedRows(), 2);
  EXPECT_EQ(Copy->ColWidths(3), 90);
  EXPECT_EQ(Copy->ColWidths(2), 40);
  EXPECT_EQ(Copy->Options(), Grid->Options());
  EXPECT_EQ(Copy->FixedColor(), clAqua);
  EXPECT_EQ(Copy->TabOrder(), 1);
  EXPECT_EQ(Copy->ScrollBars(), ssNone);
}

TEST_F(GridTest, AGridsReadOnlyIsFoundByName) {
  test_support::TReadOnlyGrid ReadOnly(nullptr);
  const TPropInfo* Info = GetPropInfo(&ReadOnly, "ReadOnly");
  ASSERT_TRUE(Info);
  EXPECT_EQ(GetOrdProp(&ReadOnly, Info), 0);
  ReadOnly.SetReadOnly(true);
  EXPECT_EQ(GetOrdProp(&ReadOnly, Info), 1);
  EXPECT_FALSE(GetPropInfo(Grid, "ReadOnly"));
  EXPECT_TRUE(ReadOnly.InheritsFrom(TCustomGrid::StaticClass()));
}

}  // namespace
}  // namespace framework::test
