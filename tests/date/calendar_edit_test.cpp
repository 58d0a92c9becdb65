#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <tuple>
#include <vector>

#include "date/calendar_edit.h"
#include "date/draw_button.h"
#include "tarvex.h"
#include "tests/framework/controls/controls_fixture.h"

namespace tarvex {
namespace {

using namespace framework;
using framework::test::ControlsTest;

// Records the clip rectangle of every paint, and can refuse day picks as a drop-down whose edit
// is read-only does.
class TRecordingCalendar : public TCustomCalendarEdit {
 public:
  using TCustomCalendarEdit::TCustomCalendarEdit;

  bool CanSelectDay() override { return SelectDays; }
  void UpdateEdit() override {
    ++Edits;
    TCustomCalendarEdit::UpdateEdit();
  }

  bool SelectDays = true;
  int Edits = 0;
  std::vector<TRect> Paints;

 protected:
  void Paint() override {
    Paints.push_back(Canvas()->ClipRect());
    TCustomCalendarEdit::Paint();
  }
};

// A colour as a canvas reads it back.
TColor ColorRef(TColor Color) {
  return TColor(ColorToRGB(Color));
}

TPoint Centre(const TRect& R) {
  return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
}

// The weekday of a month's 1st, 0 for Sunday, from the standard library's calendar.
int FirstWeekday(int Year, int Month) {
  using namespace std::chrono;
  return int(weekday{sys_days{year{Year} / month(unsigned(Month)) / 1}}.c_encoding());
}

// A shown form holding the calendar at its natural size, on 15 March 2026 at noon.
class CalendarTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    input::SetToday(EncodeDate(2026, 3, 15) + 0.5);
    Form = new TForm(Application);
    Form->SetBounds(0, 0, 700, 560);
    Calendar = new TRecordingCalendar(Form);
    Calendar->SetParent(Form);
    Calendar->SetLeft(10);
    Calendar->SetTop(10);
    Calendar->OnChange = [this](TObject* Sender) {
      EXPECT_EQ(Sender, Calendar);
      ++Changes;
    };
    Form->Show();
    Calendar->ResetSize();
    input::AdvanceTime(0);
  }

  TPoint Screen(TPoint Client) const { return Calendar->ClientToScreen(Client); }
  TPoint DayPoint(int Number) const { return Screen(Centre(Calendar->ReturnDayRect(Number))); }

  void ShowMonth(Word Year, Word Month, Word Day) {
    Calendar->SetYear(Year);
    Calendar->SetMonth(Month);
    Calendar->SetDay(Day);
    input::AdvanceTime(0);
  }

  TSurface Shot() const { return RenderWindow(Calendar->Handle()); }
  // A client pixel of the calendar in a picture of its window.
  uint32_t PixelOf(const TSurface& Picture, TPoint Client) const {
    TRect Window;
    GetWindowRect(Calendar->Handle(), Window);
    const TPoint P = Screen(Client);
    return Picture.Pixel(P.X - Window.Left, P.Y - Window.Top);
  }
  int CountPixels(const TSurface& Picture, const TRect& R, TColor Color) const {
    int Count = 0;
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X) Count += PixelOf(Picture, {X, Y}) == ColorPixel(Color);
    return Count;
  }

  TForm* Form = nullptr;
  TRecordingCalendar* Calendar = nullptr;
  int Changes = 0;
};

TEST_F(CalendarTest, StartsOnTodaysMonthWithTheContractsLooks) {
  EXPECT_EQ(Calendar->Date(), 0);
  EXPECT_EQ(Calendar->Day(), 0);
  EXPECT_EQ(Calendar->Month(), 3);
  EXPECT_EQ(Calendar->Year(), 2026);
  EXPECT_EQ(Calendar->BorderStyle(), bsSingle);
  EXPECT_EQ(Calendar->BevelInner(), bvRaised);
  EXPECT_EQ(Calendar->BevelOuter(), bvRaised);
  EXPECT_FALSE(Calendar->TCustomPanel::Ctl3D());
  EXPECT_EQ(Calendar->DateFormat(), cfWindowsLong);
  EXPECT_EQ(Calendar->CustomDateFormat(), FormatSettings().LongDateFormat);
  EXPECT_TRUE(Calendar->DayHeaderFont()->Style().Contains(fsBold));
  EXPECT_EQ(Calendar->SelectedDayFont()->Color(), clWhite);

  Calendar->SetCtl3D(false);
  EXPECT_EQ(Calendar->BevelInner(), bvNone);
  EXPECT_EQ(Calendar->BevelOuter(), bvNone);
}

TEST_F(CalendarTest, TitleFormatFollowsDateFormat) {
  Calendar->SetDateFormat(cfWindowsShort);
  EXPECT_EQ(Calendar->GetCustomDateFormat(), FormatSettings().ShortDateFormat);
  Calendar->SetCustomDateFormat("yyyy MM dd");
  EXPECT_EQ(Calendar->DateFormat(), cfCustom);
  EXPECT_EQ(Calendar->GetCustomDateFormat(), "yyyy MM dd");
  Calendar->SetDateFormat(cfWindowsLong);
  EXPECT_EQ(Calendar->GetCustomDateFormat(), FormatSettings().LongDateFormat);
  EXPECT_EQ(Calendar->CustomDateFormat(), "yyyy MM dd");
}

// Every weekday of the 1st against every first column: the 1st lands in the first row, in the
// column that the standard library's weekday gives, and the grid covers 42 numbers from there.
TEST_F(CalendarTest, MonthLayoutPlacesTheFirstInRowOne) {
  std::vector<std::pair<int, int>> MonthOfWeekday(7, {0, 0});
  for (int M = 0; M < 24; ++M) {
    const int Year = 2026 + M / 12, Month = M % 12 + 1;
    auto& Slot = MonthOfWeekday[FirstWeekday(Year, Month)];
    if (!Slot.first) Slot = {Year, Month};
  }
  for (int Start = swSunday; Start <= swSaturday; ++Start) {
    Calendar->SetStartOfWeek(TStartOfWeek(Start));
    for (int Weekday = 0; Weekday < 7; ++Weekday) {
      const auto [Year, Month] = MonthOfWeekday[Weekday];
      ShowMonth(Word(Year), Word(Month), 1);
      SCOPED_TRACE(::testing::Message() << "start " << Start << ", " << Year << "-" << Month);
      const int Column = (Weekday - Start + 7) % 7 + 1;
      EXPECT_EQ(Calendar->FirstCellDay(), 2 - Column);
      const int B = 0, W = Calendar->CellWidth(), H = Calendar->CellHeight();
      const auto CellCentre = [&](int Col, int Row) {
        return TPoint{5 + B + (Col - 1) * W + W / 2,
                      Calendar->CellsTop() + B + (Row - 1) * H + H / 2};
      };
      const TPoint First = CellCentre(Column, 1);
      EXPECT_EQ(Calendar->ReturnDayNum(First.X, First.Y), 1);
      const TPoint TopLeft = CellCentre(1, 1), BottomRight = CellCentre(7, 6);
      EXPECT_EQ(Calendar->ReturnDayNum(TopLeft.X, TopLeft.Y), 2 - Column);
      EXPECT_EQ(Calendar->ReturnDayNum(BottomRight.X, BottomRight.Y), 43 - Column);
    }
  }
  // The contract's two corner cases: a Saturday 1st and a Sunday 1st with weeks from Sunday.
  Calendar->SetStartOfWeek(swSunday);
  ShowMonth(2026, 8, 1);
  EXPECT_EQ(Calendar->FirstCellDay(), -5);
  ShowMonth(2026, 2, 1);
  EXPECT_EQ(Calendar->FirstCellDay(), 1);
}

TEST_F(CalendarTest, HitTestingMissesTheFrameAndFindsEachCell) {
  ShowMonth(2026, 3, 15);
  EXPECT_EQ(Calendar->ReturnDayNum(2, Calendar->CellsTop() + 3), 0);
  EXPECT_EQ(Calendar->ReturnDayNum(20, 2), 0);
  for (int N = Calendar->FirstCellDay(); N < Calendar->FirstCellDay() + 42; ++N) {
    const TPoint P = Centre(Calendar->ReturnDayRect(N));
    EXPECT_EQ(Calendar->ReturnDayNum(P.X, P.Y), N) << N;
  }
}

struct GeometryCase {
  const char* Name;
  int DateFontHeight;   // 0: find the font whose line height is TitleLineHeight
  int TitleLineHeight;  // with DateFontHeight 0
  int DayHeaderHeight;
  int DayHeight;
  int ButtonSize;  // 0: text height + 5
};

class CalendarGeometry : public CalendarTest, public ::testing::WithParamInterface<GeometryCase> {};

// The font height whose line height is Wanted, 0 when the face has none.
int FontHeightForLine(int Wanted) {
  TCanvas Measure;
  for (int Height = -1; Height >= -40; --Height) {
    TFont Font;
    Font.SetHeight(Height);
    Measure.SetFont(&Font);
    if (Measure.TextHeight("Wg") == Wanted) return Height;
  }
  return 0;
}

// The sizes, cells and button rectangles of the contract, measured independently with a canvas
// that holds the same fonts.
TEST_P(CalendarGeometry, SizesToWhatTheFontsNeed) {
  const GeometryCase& G = GetParam();
  int DateHeight = G.DateFontHeight;
  if (!DateHeight) DateHeight = FontHeightForLine(G.TitleLineHeight);
  if (!DateHeight) GTEST_SKIP() << "no font height gives line height " << G.TitleLineHeight;

  TFont DateFont, HeaderFont, DayFont;
  DateFont.SetHeight(DateHeight);
  HeaderFont.SetHeight(G.DayHeaderHeight);
  HeaderFont.SetStyle({fsBold});
  DayFont.SetHeight(G.DayHeight);
  Calendar->SetCustomDateFormat("MMMM d, yyyy");
  Calendar->SetDateFont(&DateFont);
  Calendar->SetDayHeaderFont(&HeaderFont);
  Calendar->SetDayFont(&DayFont);
  input::AdvanceTime(0);

  TCanvas Measure;
  Measure.SetFont(&DateFont);
  const int TitleWidth = Measure.TextWidth("September 29, 9999");
  int S = Measure.TextHeight("September 29, 9999") + 5;
  if (G.ButtonSize) {
    EXPECT_EQ(S < 15 ? 20 : S, G.ButtonSize);
  }
  if (S < 15) S = 20;
  const int BarWidth = TitleWidth + 6 * S + 22;
  Measure.SetFont(&HeaderFont);
  const int HeaderCell = std::max(Measure.TextWidth("We") + 10, (BarWidth - 13 + 6) / 7);
  const int HeaderHeight = Measure.TextHeight("We") + 6;
  const int HeaderWidth = std::max(BarWidth, 7 * HeaderCell + 13);
  Measure.SetFont(&DayFont);
  const int Cell = std::max(Measure.TextWidth("We") + 10, (HeaderWidth - 13 + 6) / 7);
  const int CellHeight = Measure.TextHeight("9") + 6;
  const int Width = std::max(HeaderWidth, 7 * Cell + 13);
  const int CellsTop = 4 + S + HeaderHeight + 1;

  EXPECT_EQ(Calendar->Width(), Width);
  EXPECT_EQ(Calendar->Height(), CellsTop + 6 * CellHeight + 8);
  EXPECT_EQ(Calendar->CellWidth(), Cell);
  EXPECT_EQ(Calendar->CellHeight(), CellHeight);
  EXPECT_EQ(Calendar->CellsTop(), CellsTop);
  EXPECT_EQ(Calendar->CellsRect(), Rect(5, CellsTop, 7 * Cell + 6, CellsTop + 6 * CellHeight + 1));
  EXPECT_EQ(Calendar->PrevMonthRect(), Rect(5, 4, 5 + S, 4 + S - 2));
  EXPECT_EQ(Calendar->NextMonthRect(), Rect(Width - 7 - S, 4, Width - 7, 4 + S - 2));
  EXPECT_EQ(Calendar->PrevYearRect(), Rect(S + 5, 4, 3 * S + 5, 4 + S - 2));
  EXPECT_EQ(Calendar->NextYearRect(), Rect(Width - 7 - 3 * S, 4, Width - 7 - S, 4 + S - 2));
  const int TitleLeft = Width / 2 - TitleWidth / 2;
  EXPECT_EQ(Calendar->TitleRect(), Rect(TitleLeft, 4, TitleLeft + TitleWidth, 4 + S));
  EXPECT_EQ(Calendar->DayHeaderRect(), Rect(6, 4 + S + 1, 7 * Cell + 5, 4 + S + HeaderHeight - 1));
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, CalendarGeometry,
    ::testing::Values(GeometryCase{"Default", -11, 0, -11, -11, 0},
                      GeometryCase{"LargeTitleWidensColumns", -30, 0, -8, -11, 0},
                      GeometryCase{"LargeDays", -11, 0, -11, -26, 0},
                      GeometryCase{"HeightPlusFiveOf14GivesTwenty", 0, 9, -11, -11, 20},
                      GeometryCase{"HeightPlusFiveOf15Stays", 0, 10, -11, -11, 15}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST_F(CalendarTest, MonthBevelWidensEverything) {
  Calendar->SetMonthBevel(bvLowered);
  Calendar->SetMonthBevelWidth(3);
  input::AdvanceTime(0);
  EXPECT_EQ(Calendar->Width(), 7 * Calendar->CellWidth() + 13 + 6);
  EXPECT_EQ(Calendar->Height(), Calendar->CellsTop() + 6 * Calendar->CellHeight() + 8 + 6);
  // The stored rectangle lies inside the bevel; the first cell starts past it.
  EXPECT_EQ(Calendar->CellsRect().Left, 8);
  EXPECT_EQ(Calendar->ReturnDayRect(Calendar->FirstCellDay()).Left, 8);
  const TSurface Picture = Shot();
  EXPECT_EQ(PixelOf(Picture, {5, Calendar->CellsTop() + 10}), ColorPixel(clBtnShadow));
  EXPECT_EQ(PixelOf(Picture, {7, Calendar->CellsTop() + 10}), ColorPixel(clBtnShadow));
}

struct SetterCase {
  const char* Name;
  Word Year, Month, Day;  // shown before
  char Part;              // 'D' SetDay, 'M' SetMonth, 'Y' SetYear
  Word Value;
  Word WantYear, WantMonth, WantDay;
  bool DateMoves;
};

class CalendarSetters : public CalendarTest, public ::testing::WithParamInterface<SetterCase> {};

// Date follows only valid combinations, and keeps its time of day when it does.
TEST_P(CalendarSetters, KeepDateInStepWhenValid) {
  const SetterCase& C = GetParam();
  Calendar->SetDate(EncodeDate(C.Year, C.Month, C.Day) + 0.25);
  const TDateTime Before = Calendar->Date();
  if (C.Part == 'D') Calendar->SetDay(C.Value);
  if (C.Part == 'M') Calendar->SetMonth(C.Value);
  if (C.Part == 'Y') Calendar->SetYear(C.Value);
  EXPECT_EQ(Calendar->Year(), C.WantYear);
  EXPECT_EQ(Calendar->Month(), C.WantMonth);
  EXPECT_EQ(Calendar->Day(), C.WantDay);
  if (C.DateMoves)
    EXPECT_EQ(Calendar->Date(), EncodeDate(C.WantYear, C.WantMonth, C.WantDay) + 0.25);
  else
    EXPECT_EQ(Calendar->Date(), Before);
  EXPECT_EQ(Changes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalendarSetters,
    ::testing::Values(SetterCase{"DayInMonth", 2026, 3, 15, 'D', 20, 2026, 3, 20, true},
                      SetterCase{"Day31InFebruary", 2026, 2, 10, 'D', 31, 2026, 2, 31, false},
                      SetterCase{"DayAbove31Ignored", 2026, 2, 10, 'D', 32, 2026, 2, 10, false},
                      SetterCase{"MonthShorterThanDay", 2026, 1, 31, 'M', 2, 2026, 2, 31, false},
                      SetterCase{"MonthAbove12Ignored", 2026, 1, 31, 'M', 13, 2026, 1, 31, false},
                      SetterCase{"MonthZeroIsCurrent", 2024, 7, 4, 'M', 0, 2024, 3, 4, true},
                      SetterCase{"YearZeroIsCurrent", 2024, 7, 4, 'Y', 0, 2026, 7, 4, true},
                      SetterCase{"YearWithoutLeapDay", 2024, 2, 29, 'Y', 2025, 2025, 2, 29, false}),
    [](const auto& I) { return std::string(I.param.Name); });

TEST_F(CalendarTest, SetDateSplitsIntoTheParts) {
  ShowMonth(2025, 1, 31);
  Calendar->SetDate(EncodeDate(2024, 2, 29) + 0.75);
  EXPECT_EQ(Calendar->Year(), 2024);
  EXPECT_EQ(Calendar->Month(), 2);
  EXPECT_EQ(Calendar->Day(), 29);
  EXPECT_EQ(Calendar->Date(), EncodeDate(2024, 2, 29) + 0.75);
}

TEST_F(CalendarTest, ClickingADayPicksItAndFiresOnChange) {
  ShowMonth(2026, 3, 15);
  Calendar->SetDate(EncodeDate(2026, 3, 15) + 0.5);
  Calendar->Paints.clear();
  input::Click(DayPoint(20));
  EXPECT_EQ(Calendar->Day(), 20);
  EXPECT_EQ(Calendar->Date(), EncodeDate(2026, 3, 20) + 0.5);
  EXPECT_EQ(Changes, 1);
  EXPECT_FALSE(Calendar->DayTracking());
  EXPECT_EQ(GetCapture(), nullptr);
  // The two cells were painted directly, without a window repaint.
  EXPECT_TRUE(Calendar->Paints.empty());
  const TSurface Picture = Shot();
  EXPECT_EQ(PixelOf(Picture, Calendar->SelectedDayRect().TopLeft()), ColorPixel(clBtnHighlight));
  EXPECT_EQ(
      PixelOf(Picture, {Calendar->SelectedDayRect().Left + 1, Calendar->SelectedDayRect().Top + 1}),
      ColorPixel(clBlue));
  const TRect Old = Calendar->ReturnDayRect(15);
  EXPECT_EQ(PixelOf(Picture, {Old.Left + 2, Old.Top + 2}), ColorPixel(clBtnFace));
}

// Grey days of the neighbouring months are shown or not, but never picked; the press goes on to
// the framework's handling.
TEST_F(CalendarTest, NonMonthDaysAreNeverPicked) {
  ShowMonth(2026, 3, 15);  // 1 March 2026 is a Sunday: the grid starts with it
  int Presses = 0;
  Calendar->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++Presses; };
  for (bool Shown : {false, true}) {
    Calendar->SetNonMonthDays(Shown);
    input::Click(DayPoint(35));
    EXPECT_EQ(Calendar->Day(), 15);
    EXPECT_EQ(Changes, 0);
  }
  EXPECT_EQ(Presses, 2);
  ShowMonth(2026, 4, 15);  // a Wednesday 1st: three March days before it
  input::Click(DayPoint(0));
  EXPECT_EQ(Calendar->Day(), 15);
}

TEST_F(CalendarTest, DraggingFollowsTheDaysAndKeepsTheLastValidOne) {
  ShowMonth(2026, 4, 15);
  input::MouseDown(mbLeft, DayPoint(8));
  EXPECT_TRUE(Calendar->DayTracking());
  EXPECT_EQ(GetCapture(), Calendar->Handle());
  input::MouseMove(DayPoint(9));
  input::MouseMove(DayPoint(16));
  EXPECT_EQ(Calendar->Day(), 16);
  input::MouseMove(DayPoint(-1));  // a March day
  input::MouseMove(Screen({-20, -20}));
  EXPECT_EQ(Calendar->Day(), 16);
  input::MouseUp(mbLeft, DayPoint(-1));
  EXPECT_FALSE(Calendar->DayTracking());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Calendar->Day(), 16);
  EXPECT_EQ(Changes, 3);
}

TEST_F(CalendarTest, ReadOnlyAndUnselectableIgnorePresses) {
  ShowMonth(2026, 3, 15);
  int Presses = 0;
  Calendar->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++Presses; };
  Calendar->SetReadOnly(true);
  input::Click(Screen(Centre(Calendar->NextMonthRect())));
  input::Click(DayPoint(20));
  EXPECT_EQ(Calendar->Month(), 3);
  EXPECT_EQ(Calendar->Day(), 15);
  EXPECT_EQ(Presses, 2);

  Calendar->SetReadOnly(false);
  Calendar->SelectDays = false;
  Calendar->Invalidate();
  input::Click(DayPoint(20));
  EXPECT_EQ(Calendar->Day(), 15);
  EXPECT_EQ(Changes, 0);
  const TRect Cell = Calendar->ReturnDayRect(15);
  EXPECT_EQ(PixelOf(Shot(), {Cell.Left + 3, Cell.Top + 3}), ColorPixel(clBtnFace));
}

struct StepCase {
  const char* Name;
  int Button;  // previous month, next month, previous year, next year
  Word Year, Month, WantYear, WantMonth;
};

class CalendarSteps : public CalendarTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(CalendarSteps, ClickStepsOnce) {
  const StepCase& C = GetParam();
  ShowMonth(C.Year, C.Month, 10);
  const TRect Buttons[] = {Calendar->PrevMonthRect(), Calendar->NextMonthRect(),
                           Calendar->PrevYearRect(), Calendar->NextYearRect()};
  input::Click(Screen(Centre(Buttons[C.Button])));
  EXPECT_EQ(Calendar->Year(), C.WantYear);
  EXPECT_EQ(Calendar->Month(), C.WantMonth);
  EXPECT_FALSE(Calendar->ButtonDown(C.Button));
  EXPECT_EQ(Calendar->RepeatTimer(), 0u);
  EXPECT_EQ(GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Buttons, CalendarSteps,
                         ::testing::Values(StepCase{"PrevMonth", 0, 2026, 3, 2026, 2},
                                           StepCase{"PrevMonthOfJanuary", 0, 2026, 1, 2025, 12},
                                           StepCase{"NextMonthOfDecember", 1, 2026, 12, 2027, 1},
                                           StepCase{"PrevYear", 2, 2026, 3, 2025, 3},
                                           StepCase{"NextYear", 3, 2026, 3, 2027, 3},
                                           StepCase{"NoMonthBeforeYearOne", 0, 1, 1, 1, 1},
                                           StepCase{"NoYearBeforeYearOne", 2, 1, 6, 1, 6},
                                           StepCase{"NoMonthAfter9999", 1, 9999, 12, 9999, 12},
                                           StepCase{"NoYearAfter9999", 3, 9999, 6, 9999, 6}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST_F(CalendarTest, HeldButtonRepeatsEvery200Milliseconds) {
  ShowMonth(2026, 12, 10);
  const TPoint Next = Screen(Centre(Calendar->NextMonthRect()));
  input::MouseDown(mbLeft, Next);
  EXPECT_EQ(Calendar->Year(), 2027);
  EXPECT_EQ(Calendar->Month(), 1);
  EXPECT_TRUE(Calendar->ButtonTracking());
  EXPECT_TRUE(Calendar->ButtonDown(1));
  EXPECT_EQ(Calendar->RepeatTimer(), 1u);
  EXPECT_EQ(GetCapture(), Calendar->Handle());
  EXPECT_EQ(Changes, 1);

  input::AdvanceTime(199);
  EXPECT_EQ(Calendar->Month(), 1);
  input::AdvanceTime(1);
  EXPECT_EQ(Calendar->Month(), 2);
  input::AdvanceTime(400);
  EXPECT_EQ(Calendar->Month(), 4);
  EXPECT_EQ(Changes, 4);

  // Leaving the button stops the repeat and raises the button; coming back steps at once.
  input::MouseMove(Screen({Calendar->NextMonthRect().Left - 3, 2}));
  EXPECT_FALSE(Calendar->ButtonDown(1));
  EXPECT_EQ(Calendar->RepeatTimer(), 0u);
  input::AdvanceTime(1000);
  EXPECT_EQ(Calendar->Month(), 4);
  input::MouseMove(Next);
  EXPECT_EQ(Calendar->Month(), 5);
  input::AdvanceTime(200);
  EXPECT_EQ(Calendar->Month(), 6);

  input::MouseUp(mbLeft, Next);
  EXPECT_FALSE(Calendar->ButtonTracking());
  EXPECT_FALSE(Calendar->ButtonDown(1));
  EXPECT_EQ(Calendar->RepeatTimer(), 0u);
  EXPECT_EQ(GetCapture(), nullptr);
  input::AdvanceTime(1000);
  EXPECT_EQ(Calendar->Month(), 6);
  EXPECT_EQ(Calendar->Year(), 2027);
}

// A pointer movement on the held button sets the timer anew: the next repeat comes 200 ms later.
TEST_F(CalendarTest, MovementOnTheHeldButtonPostponesTheRepeat) {
  ShowMonth(2026, 3, 10);
  const TRect R = Calendar->PrevYearRect();
  input::MouseDown(mbLeft, Screen(Centre(R)));
  EXPECT_EQ(Calendar->Year(), 2025);
  input::AdvanceTime(150);
  input::MouseMove(Screen({Centre(R).X + 1, Centre(R).Y}));
  input::AdvanceTime(150);
  EXPECT_EQ(Calendar->Year(), 2025);
  input::AdvanceTime(50);
  EXPECT_EQ(Calendar->Year(), 2024);
  input::MouseUp(mbLeft, Screen(Centre(R)));
}

TEST_F(CalendarTest, HidingAHeldButtonEndsItsRepeat) {
  ShowMonth(2026, 3, 10);
  const TPoint Next = Screen(Centre(Calendar->NextMonthRect()));
  input::MouseDown(mbLeft, Next);
  Calendar->SetShowMonthButtons(false);
  input::MouseUp(mbLeft, Next);
  input::AdvanceTime(1000);
  EXPECT_EQ(Calendar->Month(), 4);
  EXPECT_EQ(Calendar->RepeatTimer(), 0u);
}

// Only what changed is redrawn: the cells after a month step, the button after a press.
TEST_F(CalendarTest, RepaintsOnlyWhatChanged) {
  ShowMonth(2026, 3, 10);
  Calendar->SetMonth(4);
  TRect Update;
  ASSERT_TRUE(GetUpdateRect(Calendar->Handle(), Update));
  EXPECT_EQ(Update, Calendar->CellsRect());
  input::AdvanceTime(0);

  const TPoint Next = Screen(Centre(Calendar->NextMonthRect()));
  input::MouseDown(mbLeft, Next);
  Calendar->Paints.clear();
  input::MouseMove(Screen({Calendar->NextMonthRect().Left - 3, 2}));
  ASSERT_EQ(Calendar->Paints.size(), 1u);
  EXPECT_EQ(Calendar->Paints[0], Calendar->NextMonthRect());
  input::MouseUp(mbLeft, Next);

  Calendar->Paints.clear();
  Calendar->SetDay(12);
  EXPECT_FALSE(GetUpdateRect(Calendar->Handle(), Update));
  EXPECT_TRUE(Calendar->Paints.empty());
}

TEST_F(CalendarTest, PaintsSundaysSelectionAndGlyphs) {
  Calendar->SetSundayTextColor(clRed);
  Calendar->SetSaturdayTextColor(clGreen);
  ShowMonth(2026, 3, 18);
  const TSurface Picture = Shot();
  // 1 March 2026 is a Sunday, 7 March a Saturday.
  TRect Sunday = Calendar->ReturnDayRect(1), Saturday = Calendar->ReturnDayRect(7);
  EXPECT_GT(CountPixels(Picture, Sunday, clRed), 0);
  EXPECT_GT(CountPixels(Picture, Saturday, clGreen), 0);
  EXPECT_EQ(CountPixels(Picture, Calendar->ReturnDayRect(4), clRed), 0);
  EXPECT_GT(CountPixels(Picture, Calendar->SundayHeaderRect(), clRed), 0);
  EXPECT_GT(CountPixels(Picture, Calendar->SaturdayHeaderRect(), clGreen), 0);
  // The selected cell: a frame in the window-frame colour, its inside in the selected colour
  // with the number in white.
  const TRect Selected = Calendar->ReturnDayRect(18);
  EXPECT_EQ(PixelOf(Picture, Selected.TopLeft()), ColorPixel(clWindowFrame));
  EXPECT_EQ(PixelOf(Picture, {Selected.Left + 2, Selected.Top + 2}), ColorPixel(clBlue));
  EXPECT_GT(CountPixels(Picture, Calendar->SelectedDayRect(), clWhite), 0);
  // Each glyph's black pixels, inside the button's two-pixel frame: 16 per triangle.
  const TRect Buttons[] = {Calendar->PrevMonthRect(), Calendar->NextMonthRect(),
                           Calendar->PrevYearRect(), Calendar->NextYearRect()};
  const int Triangles[] = {1, 1, 2, 2};
  for (int I = 0; I < 4; ++I) {
    TRect Inside = Buttons[I];
    InflateRect(Inside, -2, -2);
    EXPECT_EQ(CountPixels(Picture, Inside, clBlack), 16 * Triangles[I]) << "button " << I;
  }
}

TEST_F(CalendarTest, NonMonthDaysShowTheNeighbouringNumbersWhenOn) {
  Calendar->SetNonMonthDays(true);
  Calendar->SetNonMonthDaysColorBK(clYellow);
  ShowMonth(2026, 4, 15);
  const TSurface Picture = Shot();
  const TRect March31 = Calendar->ReturnDayRect(0);
  EXPECT_EQ(PixelOf(Picture, {March31.Left + 2, March31.Top + 2}), ColorPixel(clYellow));
  EXPECT_GT(CountPixels(Picture, March31, clBlack), 0);
  Calendar->SetNonMonthDays(false);
  const TSurface Plain = Shot();
  EXPECT_EQ(PixelOf(Plain, {March31.Left + 2, March31.Top + 2}), ColorPixel(clBtnFace));
  EXPECT_EQ(CountPixels(Plain, March31, clBlack), 0);
}

// Day 0 lies before a grid that starts with the 1st: painting it must not reach the frame.
TEST_F(CalendarTest, DayOutsideTheGridPaintsNothing) {
  ShowMonth(2026, 3, 10);
  ASSERT_EQ(Calendar->FirstCellDay(), 1);
  const TSurface Before = Shot();
  Calendar->SetDay(0);
  const TSurface After = Shot();
  for (int Y = Calendar->CellsTop(); Y < Calendar->CellsTop() + Calendar->CellHeight(); ++Y)
    for (int X = 0; X < 5; ++X) EXPECT_EQ(PixelOf(After, {X, Y}), PixelOf(Before, {X, Y}));
}

TEST_F(CalendarTest, DrawButtonFramesAndShiftsThePressedGlyph) {
  TBitmap Target;
  Target.SetSize(30, 20);
  TBitmap Glyph;
  Glyph.LoadFromResourceName("dovrelnextmonth");
  const TRect R = Rect(2, 2, 22, 16);
  const auto BlackCentre = [&] {
    int SumX = 0, SumY = 0, Count = 0;
    for (int Y = R.Top + 2; Y < R.Bottom - 2; ++Y)
      for (int X = R.Left + 2; X < R.Right - 2; ++X)
        if (Target.Canvas().Pixels(X, Y) == ColorRef(clBlack)) SumX += X, SumY += Y, ++Count;
    return std::tuple(Count, Count ? SumX * 10 / Count : 0, Count ? SumY * 10 / Count : 0);
  };
  DrawButton(R, &Target.Canvas(), &Glyph, clBlack, true, false);
  EXPECT_EQ(Target.Canvas().Pixels(R.Left, R.Top), ColorRef(cl3DLight));
  EXPECT_EQ(Target.Canvas().Pixels(R.Right - 1, R.Bottom - 1), ColorRef(clWindowFrame));
  EXPECT_EQ(Target.Canvas().Pixels(R.Left + 1, R.Top + 1), ColorRef(clBtnHighlight));
  const auto [UpCount, UpX, UpY] = BlackCentre();
  EXPECT_EQ(UpCount, 16);

  DrawButton(R, &Target.Canvas(), &Glyph, clBlack, true, true);
  EXPECT_EQ(Target.Canvas().Pixels(R.Left, R.Top), ColorRef(clBtnShadow));
  EXPECT_EQ(Target.Canvas().Pixels(R.Right - 1, R.Bottom - 1), ColorRef(clBtnShadow));
  const auto [DownCount, DownX, DownY] = BlackCentre();
  EXPECT_EQ(DownCount, 16);
  EXPECT_EQ(DownX, UpX + 10);
  EXPECT_EQ(DownY, UpY + 10);

  // The glyph colour paints the enabled glyph; the disabled outline keeps its greys.
  DrawButton(R, &Target.Canvas(), &Glyph, clRed, true, false);
  EXPECT_EQ(std::get<0>(BlackCentre()), 0);
  DrawButton(R, &Target.Canvas(), &Glyph, clBlack, false, false);
  EXPECT_EQ(std::get<0>(BlackCentre()), 0);
}

}  // namespace
}  // namespace tarvex
