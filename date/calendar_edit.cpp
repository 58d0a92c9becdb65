#include "date/calendar_edit.h"

#include <algorithm>

#include "date/date_utils.h"
#include "date/draw_button.h"
#include "date/format_cells.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/frame_3d.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/format_settings.h"
#include "framework/rtl/guards.h"
#include "framework/win/painting.h"
#include "framework/win/timers.h"

namespace tarvex {

using namespace framework;

namespace {

constexpr UINT_PTR RepeatTimerId = 1;
constexpr UINT RepeatPeriod = 200;
constexpr int Columns = 7;
constexpr int Rows = 6;
// The years the framework's dates can hold: the buttons never step past them, since year 0
// would stand for the current year and a later year has no dates.
constexpr Word FirstYear = 1;
constexpr Word LastYear = 9999;

const char* const ButtonGlyphs[] = {"DovrelPrevMonth", "DovrelNextMonth", "DovrelPrevYear",
                                    "DovrelNextYear"};

// Division rounded up, for a column share that must cover the whole width.
int CeilDiv(int Value, int Divisor) {
  return Value > 0 ? (Value + Divisor - 1) / Divisor : Value / Divisor;
}

// Painting outside WM_PAINT (a day picked, the title after a step, the bands while sizing) goes
// through a context of the window of its own; inside a paint the canvas is bound already.
class TDirectPaint {
 public:
  explicit TDirectPaint(TCustomControl& Control) : FCanvas(Control.Canvas()) {
    if (FCanvas->HandleAllocated()) return;
    FWnd = Control.Handle();
    FDC = GetDC(FWnd);
    FCanvas->SetHandle(FDC);
  }
  ~TDirectPaint() {
    if (!FDC) return;
    FCanvas->SetHandle(nullptr);
    ReleaseDC(FWnd, FDC);
  }
  TDirectPaint(const TDirectPaint&) = delete;
  TDirectPaint& operator=(const TDirectPaint&) = delete;

 private:
  TCanvas* FCanvas;
  HWND FWnd;
  HDC FDC = nullptr;
};

}  // namespace

const TClass& TCustomCalendarEdit::StaticClass() {
  return TClass::Describe<TCustomCalendarEdit>("TCustomCalendarEdit");
}

TCustomCalendarEdit::TCustomCalendarEdit(TComponent* AOwner) : TCustomPanel(AOwner) {
  SetBorderStyle(bsSingle);
  SetParentCtl3D(false);
  TCustomPanel::SetCtl3D(false);
  SetCtl3D(true);
  const TDateTime Today = framework::Date();
  FMonth = ReturnMonth(Today);
  FYear = ReturnYear(Today);
  FDateFormat = cfWindowsLong;
  FCustomDateFormat = FormatSettings().LongDateFormat;
  FDateFont = std::make_unique<TFont>();
  FDayFont = std::make_unique<TFont>();
  FDayHeaderFont = std::make_unique<TFont>();
  FDayHeaderFont->SetStyle({fsBold});
  FSelectedDayFont = std::make_unique<TFont>();
  FSelectedDayFont->SetColor(clWhite);
}

TCustomCalendarEdit::~TCustomCalendarEdit() {
  FDayFont.reset();
  FDateFont.reset();
  FDayHeaderFont.reset();
  FSelectedDayFont.reset();
}

void TCustomCalendarEdit::SetCtl3D(bool Value) {
  FCtl3D = Value;
  const TPanelBevel Bevel = Value ? bvRaised : bvNone;
  SetBevelInner(Bevel);
  SetBevelOuter(Bevel);
}

std::string TCustomCalendarEdit::GetCustomDateFormat() const {
  switch (FDateFormat) {
    case cfWindowsLong: return FormatSettings().LongDateFormat;
    case cfWindowsShort: return FormatSettings().ShortDateFormat;
    case cfCustom: break;
  }
  return FCustomDateFormat;
}

void TCustomCalendarEdit::SetCustomDateFormat(const std::string& Value) {
  FCustomDateFormat = Value;
  if (!ComponentState().Contains(csLoading)) FDateFormat = cfCustom;
  ResetSize();
  Invalidate();
}

void TCustomCalendarEdit::SetDateFormat(TDateFormat Value) {
  if (FDateFormat == Value) return;
  FDateFormat = Value;
  ResetSize();
  Invalidate();
}

void TCustomCalendarEdit::SetDateFont(const TFont* Value) {
  FDateFont->Assign(Value);
  ResetSize();
  Invalidate();
}

void TCustomCalendarEdit::SetDayFont(const TFont* Value) {
  FDayFont->Assign(Value);
  ResetSize();
  Invalidate();
}

void TCustomCalendarEdit::SetDayHeaderFont(const TFont* Value) {
  FDayHeaderFont->Assign(Value);
  ResetSize();
  Invalidate();
}

void TCustomCalendarEdit::SetSelectedDayFont(const TFont* Value) {
  FSelectedDayFont->Assign(Value);
  InvalidatePart(SelectedDayRect());
}

void TCustomCalendarEdit::SetDayBevel(TPanelBevel Value) {
  if (FDayBevel == Value) return;
  FDayBevel = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetDayBevelWidth(int Value) {
  if (FDayBevelWidth == Value) return;
  FDayBevelWidth = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetDayBorderStyle(TBorderStyle Value) {
  if (FDayBorderStyle == Value) return;
  FDayBorderStyle = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetDayColor(TColor Value) {
  if (FDayColor == Value) return;
  FDayColor = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetDayHeaderBevel(TPanelBevel Value) {
  if (FDayHeaderBevel == Value) return;
  FDayHeaderBevel = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetDayHeaderBevelWidth(int Value) {
  if (FDayHeaderBevelWidth == Value) return;
  FDayHeaderBevelWidth = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetDayHeaderColor(TColor Value) {
  if (FDayHeaderColor == Value) return;
  FDayHeaderColor = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetMonthBevel(TPanelBevel Value) {
  if (FMonthBevel == Value) return;
  FMonthBevel = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetMonthBevelWidth(int Value) {
  if (FMonthBevelWidth == Value) return;
  FMonthBevelWidth = Value;
  ResetSize();
  Invalidate();
}

void TCustomCalendarEdit::SetNonMonthDays(bool Value) {
  if (FNonMonthDays == Value) return;
  FNonMonthDays = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetNonMonthDaysBevel(TPanelBevel Value) {
  if (FNonMonthDaysBevel == Value) return;
  FNonMonthDaysBevel = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetNonMonthDaysBevelWidth(int Value) {
  if (FNonMonthDaysBevelWidth == Value) return;
  FNonMonthDaysBevelWidth = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetNonMonthDaysColorBK(TColor Value) {
  if (FNonMonthDaysColorBK == Value) return;
  FNonMonthDaysColorBK = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetNonMonthDaysColorText(TColor Value) {
  if (FNonMonthDaysColorText == Value) return;
  FNonMonthDaysColorText = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetSaturdayTextColor(TColor Value) {
  if (FSaturdayTextColor == Value) return;
  FSaturdayTextColor = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetSelectedDayBevel(TPanelBevel Value) {
  if (FSelectedDayBevel == Value) return;
  FSelectedDayBevel = Value;
  InvalidatePart(SelectedDayRect());
}

void TCustomCalendarEdit::SetSelectedDayBevelWidth(int Value) {
  if (FSelectedDayBevelWidth == Value) return;
  FSelectedDayBevelWidth = Value;
  InvalidatePart(SelectedDayRect());
}

void TCustomCalendarEdit::SetSelectedDayBorderStyle(TBorderStyle Value) {
  if (FSelectedDayBorderStyle == Value) return;
  FSelectedDayBorderStyle = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetSelectedDayColor(TColor Value) {
  if (FSelectedDayColor == Value) return;
  FSelectedDayColor = Value;
  InvalidatePart(SelectedDayRect());
}

// A hidden button is not tracked: one held down as it goes would repeat its step for good.
void TCustomCalendarEdit::SetShowMonthButtons(bool Value) {
  if (FShowMonthButtons == Value) return;
  FShowMonthButtons = Value;
  if (!Value) FButtonDown[rkPrevMonth] = FButtonDown[rkNextMonth] = false;
  Invalidate();
}

void TCustomCalendarEdit::SetShowYearButtons(bool Value) {
  if (FShowYearButtons == Value) return;
  FShowYearButtons = Value;
  if (!Value) FButtonDown[rkPrevYear] = FButtonDown[rkNextYear] = false;
  Invalidate();
}

void TCustomCalendarEdit::SetSundayTextColor(TColor Value) {
  if (FSundayTextColor == Value) return;
  FSundayTextColor = Value;
  Invalidate();
}

void TCustomCalendarEdit::SetStartOfWeek(TStartOfWeek Value) {
  if (FStartOfWeek == Value) return;
  FStartOfWeek = Value;
  UpdateCalendar();
  Invalidate();
}

// Only what is on screen is repainted: before the window exists there is nothing to update.
void TCustomCalendarEdit::InvalidatePart(const TRect& Rect) {
  if (HandleAllocated()) InvalidateRect(Handle(), &Rect, false);
}

Word TCustomCalendarEdit::DaysOfMonth() const {
  return DaysInMonthAndYear(FMonth, FYear);
}

int TCustomCalendarEdit::MonthBevelSize() const {
  return FMonthBevel != bvNone ? FMonthBevelWidth : 0;
}

bool TCustomCalendarEdit::Reaches(const TRect& Rect) const {
  TRect Common;
  return IntersectRect(Common, Rect, Canvas()->ClipRect());
}

// Date moved to another year, month or day at its time of day; unchanged when the framework
// cannot hold the result.
TDateTime TCustomCalendarEdit::ReEncoded(Word AYear, Word AMonth, Word ADay) const {
  if (!IsValidDate(AYear, AMonth, ADay)) return FDate;
  try {
    return EncodeDateKeepTime(AYear, AMonth, ADay, FDate);
  } catch (const Exception&) {
    return FDate;
  }
}

void TCustomCalendarEdit::SetDate(TDateTime Value) {
  FDate = Value;
  Word NewYear, NewMonth, NewDay;
  DecodeDate(Value, NewYear, NewMonth, NewDay);
  SetYear(NewYear);
  SetMonth(NewMonth);
  SetDay(NewDay);
}

void TCustomCalendarEdit::SetDay(Word Value) {
  if (Value == FDay || Value > 31) return;
  FDate = ReEncoded(FYear, FMonth, Value);
  const Word OldDay = FDay;
  FDay = Value;
  UpdateCalendar();
  if (!HandleAllocated()) return;
  if (OldDay >= 1 && OldDay <= DaysOfMonth()) PaintDay(OldDay);
  PaintDay(FDay);
  PaintDate();
}

void TCustomCalendarEdit::SetMonth(Word Value) {
  if (Value == 0) Value = ReturnMonth(framework::Date());
  if (Value == FMonth || Value > 12) return;
  FDate = ReEncoded(FYear, Value, FDay);
  FMonth = Value;
  UpdateCalendar();
  if (!HandleAllocated()) return;
  InvalidatePart(FCellsRect);
  PaintDate();
}

void TCustomCalendarEdit::SetYear(Word Value) {
  if (Value == FYear) return;
  if (Value == 0) Value = ReturnYear(framework::Date());
  FDate = ReEncoded(Value, FMonth, FDay);
  FYear = Value;
  UpdateCalendar();
  if (!HandleAllocated()) return;
  InvalidatePart(FCellsRect);
  PaintDate();
}

// A year past the framework's last has no weekdays to place; its grid stays as for an invalid
// month.
void TCustomCalendarEdit::UpdateCalendar() {
  FFirstCellDay = 0;
  TDateTime First;
  if (!IsValidDate(FYear, FMonth, 1) || !TryEncodeDate(FYear, FMonth, 1, First)) return;
  const int Weekday = DayOfWeek(First);
  const int Offset = (Weekday - FStartOfWeek + 7) % 7;
  FFirstCellDay = 2 - Offset;
  if (Offset == 0) FFirstCellDay = -5;
}

std::string TCustomCalendarEdit::TitleText(Word AYear, Word AMonth, Word ADay) const {
  const std::string Format = GetCustomDateFormat();
  std::string Text;
  _SetMonthCell(Text, Format, 0, AYear, AMonth, ADay);
  _SetDayCell(Text, Format, 0, AYear, AMonth, ADay);
  _SetYearCell(Text, Format, 0, AYear, AMonth, ADay);
  _ResetDayNameCell(Text, Format, 0, AYear, AMonth, ADay);
  return Text;
}

void TCustomCalendarEdit::Paint() {
  TCustomPanel::Paint();
  int Top = 4;
  PaintButtonBar(Top, true);
  PaintDayHeaders(Top, true);
  PaintDayCells(Top, true);
}

void TCustomCalendarEdit::ResetSize() {
  if (!Parent()) return;
  SetWidth(0);
  SetHeight(0);
  int Top = 4;
  PaintButtonBar(Top, true);
  PaintDayHeaders(Top, true);
  PaintDayCells(Top, true);
}

void TCustomCalendarEdit::PaintButtonBar(int& Top, bool Painting) {
  TCanvas* C = Canvas();
  C->SetFont(FDateFont.get());
  // Sized for 29 September 9999, a Wednesday, whatever the date shown: the bar keeps its width
  // from month to month.
  const std::string Widest = TitleText(9999, 9, 29);
  int Size = C->TextHeight(Widest) + 5;
  if (Size < 15) Size = 20;
  const int TitleWidth = C->TextWidth(Widest);
  if (Width() < TitleWidth + 6 * Size + 22) SetWidth(TitleWidth + 6 * Size + 22);
  if (Height() < Top + Size) SetHeight(Top + Size);
  const int TitleLeft = Width() / 2 - TitleWidth / 2;
  FTitleRect = Rect(TitleLeft, Top, TitleLeft + TitleWidth, Top + Size);
  if (Painting) {
    TDirectPaint Bound(*this);
    int Inset = 0;
    if (FShowMonthButtons) {
      FRects[rkPrevMonth] = Rect(5, Top, 5 + Size, Top + Size - 2);
      FRects[rkNextMonth] = Rect(Width() - 7 - Size, Top, Width() - 7, Top + Size - 2);
      Inset = Size;
    }
    if (FShowYearButtons) {
      FRects[rkPrevYear] = Rect(Inset + 5, Top, Inset + 5 + 2 * Size, Top + Size - 2);
      FRects[rkNextYear] =
          Rect(Width() - 7 - 2 * Size - Inset, Top, Width() - 7 - Inset, Top + Size - 2);
    }
    // Glyphs are loaded and the title built only for what the paint reaches: a month step
    // repaints the cells alone.
    TBitmap Glyph;
    for (int I = rkPrevMonth; I <= rkNextYear; ++I) {
      if (I <= rkNextMonth ? !FShowMonthButtons : !FShowYearButtons) continue;
      if (!Reaches(FRects[I])) continue;
      Glyph.LoadFromResourceName(ButtonGlyphs[I]);
      DrawButton(FRects[I], C, &Glyph, clBlack, true, FButtonDown[I]);
    }
    if (Reaches(FTitleRect)) PaintDate();
  }
  Top += Size;
}

void TCustomCalendarEdit::PaintDate() {
  TDirectPaint Bound(*this);
  TCanvas* C = Canvas();
  const std::string Text = TitleText(FYear, FMonth, FDay);
  C->SetFont(FDateFont.get());
  C->Brush()->SetColor(Color());
  C->TextRect(FTitleRect, FTitleRect.Left + FTitleRect.Width() / 2 - C->TextWidth(Text) / 2,
              FTitleRect.Top + 1, Text);
}

void TCustomCalendarEdit::PaintDayHeaders(int& Top, bool Painting) {
  TCanvas* C = Canvas();
  C->SetFont(FDayHeaderFont.get());
  const int B = MonthBevelSize();
  const int CellW = std::max(C->TextWidth("We") + 10, CeilDiv(Width() - 2 * B - 13, Columns));
  const int CellH = C->TextHeight("We") + 6;
  if (Width() < Columns * CellW + 13 + 2 * B) SetWidth(Columns * CellW + 13 + 2 * B);
  if (Height() < Top + CellH + 7) SetHeight(Top + CellH + 7);
  if (Painting) {
    TDirectPaint Bound(*this);
    TRect& Header = FRects[rkDayHeader];
    Header = Rect(5, Top, Columns * CellW + 6 + 2 * B, Top + CellH);
    const int Inset = FDayHeaderBevel != bvNone ? FDayHeaderBevelWidth : 0;
    if (FDayHeaderBevel != bvNone) {
      TColor TopColor, BottomColor;
      AdjustColors(FDayHeaderBevel, TopColor, BottomColor);
      Frame3D(C, Header, TopColor, BottomColor, FDayHeaderBevelWidth);
    }
    C->Brush()->SetColor(FDayHeaderColor);
    C->FillRect(Header);
    for (int I = 1; I <= Columns; ++I) {
      const int Weekday = ((I - 1) + FStartOfWeek) % 7 + 1;
      const std::string Label = FormatSettings().ShortDayNames[Weekday - 1].substr(0, 2);
      const int Left = (I - 1) * CellW + 5 + B;
      TRect Cell = Rect(Left, Top, Left + CellW + 1, Top + CellH);
      InflateRect(Cell, -Inset, -Inset);
      TColor TextColor = FDayHeaderFont->Color();
      if (Weekday == 1) {
        TextColor = FSundayTextColor;
        FRects[rkSundayHeader] = Cell;
      } else if (Weekday == 7) {
        TextColor = FSaturdayTextColor;
        FRects[rkSaturdayHeader] = Cell;
      }
      C->Font()->SetColor(TextColor);
      C->TextRect(Cell, Left + CellW / 2 - C->TextWidth(Label) / 2, Top + 3, Label);
    }
  }
  Top += CellH + 1;
}

void TCustomCalendarEdit::PaintDayCells(int& Top, bool Painting) {
  TCanvas* C = Canvas();
  C->SetFont(FDayFont.get());
  const int B = MonthBevelSize();
  const int CellW = std::max(C->TextWidth("We") + 10, CeilDiv(Width() - 2 * B - 13, Columns));
  const int CellH = C->TextHeight("9") + 6;
  if (Width() < Columns * CellW + 13 + 2 * B) SetWidth(Columns * CellW + 13 + 2 * B);
  if (Height() < Top + Rows * CellH + 8 + 2 * B) SetHeight(Top + Rows * CellH + 8 + 2 * B);
  if (Painting) {
    TDirectPaint Bound(*this);
    FCellsRect = Rect(5, Top, Columns * CellW + 6 + 2 * B, Top + Rows * CellH + 1 + 2 * B);
    if (FMonthBevel != bvNone) {
      TColor TopColor, BottomColor;
      AdjustColors(FMonthBevel, TopColor, BottomColor);
      Frame3D(C, FCellsRect, TopColor, BottomColor, FMonthBevelWidth);
    }
    FCellsTop = Top;
    FCellWidth = CellW;
    FCellHeight = CellH;
    const int Days = DaysOfMonth();
    const auto PaintCells = [&](bool InMonth) {
      for (int Col = 1; Col <= Columns; ++Col)
        for (int Row = 1; Row <= Rows; ++Row) {
          const int N = (Row - 1) * Columns + Col + FFirstCellDay - 1;
          if ((N >= 1 && N <= Days) == InMonth) PaintDay(N);
        }
    };
    if (FNonMonthDays) PaintCells(false);
    PaintCells(true);
    // Its neighbours painted over the border it shares with them.
    if (FDay >= 1 && FDay <= Days) PaintDay(FDay);
  }
  Top += Rows * CellH + 8 + 2 * B;
}

// A number outside the grid would land left of or below the cells, on the control's frame.
void TCustomCalendarEdit::PaintDay(int Day) {
  const int Index = Day - FFirstCellDay;
  if (Index < 0 || Index >= Columns * Rows) return;
  TDirectPaint Bound(*this);
  TCanvas* C = Canvas();
  C->SetFont(FDayFont.get());
  const TColor SavedFontColor = C->Font()->Color();
  const TColor SavedBrushColor = C->Brush()->Color();
  TScopeExit Restore([&] {
    C->Font()->SetColor(SavedFontColor);
    C->Brush()->SetColor(SavedBrushColor);
  });

  const int Column = Index % Columns;
  const int X = Column * FCellWidth;
  const int Y = Index / Columns * FCellHeight + FCellsTop;
  const int B = MonthBevelSize();

  const int Days = DaysOfMonth();
  int Shown = Day;
  bool NonMonth = false;
  bool Selected = false;
  if (Day < 1) {
    const Word PrevMonth = FMonth == 1 ? 12 : FMonth - 1;
    const Word PrevYear = FMonth == 1 ? FYear - 1 : FYear;
    Shown = Day + DaysInMonthAndYear(PrevMonth, PrevYear);
    NonMonth = true;
  } else if (Day > Days) {
    Shown = Day - Days;
    NonMonth = true;
  } else {
    Selected = CanSelectDay() && Day == FDay;
  }
  const bool Grey = NonMonth && FNonMonthDays;

  const TRect Outer = Rect(X + 5 + B, Y + B, X + 5 + B + FCellWidth + 1, Y + B + FCellHeight + 1);
  const auto Frame = [&](TColor FrameColor) {
    C->Brush()->SetColor(FrameColor);
    C->FrameRect(Outer);
  };
  if ((Selected ? FSelectedDayBorderStyle : FDayBorderStyle) == bsSingle)
    Frame(clWindowFrame);
  else if (Grey) {
    if (FNonMonthDaysBevel == bvNone) Frame(FNonMonthDaysColorBK);
  } else if (Selected) {
    if (FSelectedDayBevel == bvNone) Frame(FSelectedDayColor);
  } else
    Frame(FDayColor);

  TRect Inner = Rect(X + 6 + B, Y + 1 + B, X + 5 + B + FCellWidth, Y + B + FCellHeight);
  if (Selected) FRects[rkSelectedDay] = Inner;
  const TPanelBevel Bevel = Selected ? FSelectedDayBevel : Grey ? FNonMonthDaysBevel : FDayBevel;
  const int BevelWidth = Selected ? FSelectedDayBevelWidth
                         : Grey   ? FNonMonthDaysBevelWidth
                                  : FDayBevelWidth;
  if (Bevel != bvNone) {
    TColor TopColor, BottomColor;
    AdjustColors(Bevel, TopColor, BottomColor);
    Frame3D(C, Inner, TopColor, BottomColor, BevelWidth);
  }

  if (Selected) {
    C->Brush()->SetColor(FSelectedDayColor);
    C->SetFont(FSelectedDayFont.get());
  } else if (Grey) {
    C->Font()->SetColor(FNonMonthDaysColorText);
    C->Brush()->SetColor(FNonMonthDaysColorBK);
  } else {
    C->Brush()->SetColor(FDayColor);
    const int Weekday = (Column + FStartOfWeek) % 7 + 1;
    C->Font()->SetColor(Weekday == 1   ? FSundayTextColor
                        : Weekday == 7 ? FSaturdayTextColor
                                       : FDayFont->Color());
  }

  if (NonMonth && !FNonMonthDays) return;
  const std::string Text = std::to_string(Shown);
  C->TextRect(Inner, X + 5 + B + FCellWidth / 2 - C->TextWidth(Text) / 2,
              Y + B + FCellHeight / 2 - C->TextHeight(Text) / 2, Text);
}

void TCustomCalendarEdit::AdjustColors(TPanelBevel Bevel, TColor& TopColor,
                                       TColor& BottomColor) const {
  TopColor = clBtnHighlight;
  BottomColor = clBtnShadow;
  if (Bevel == bvLowered) std::swap(TopColor, BottomColor);
}

// The right edge of a cell's test rectangle stops a pixel short of the next cell.
int TCustomCalendarEdit::ReturnDayNum(int X, int Y) const {
  const int B = MonthBevelSize();
  for (int Col = 1; Col <= Columns; ++Col)
    for (int Row = 1; Row <= Rows; ++Row) {
      const int Left = 5 + B + (Col - 1) * FCellWidth;
      const TRect Test = Rect(Left, FCellsTop + B + (Row - 1) * FCellHeight, Left + FCellWidth - 1,
                              FCellsTop + B + Row * FCellHeight);
      if (PtInRect(Test, {X, Y})) return (Row - 1) * Columns + Col + FFirstCellDay - 1;
    }
  return 0;
}

TRect TCustomCalendarEdit::ReturnDayRect(int Day) const {
  const int Index = Day - FFirstCellDay;
  const int X = Index % Columns * FCellWidth;
  const int Y = Index / Columns * FCellHeight + FCellsTop;
  const int B = MonthBevelSize();
  return Rect(X + 5 + B, Y + B, X + 5 + B + FCellWidth + 1, Y + B + FCellHeight + 1);
}

void TCustomCalendarEdit::UpdateEdit() {
  if (OnChange) OnChange(this);
}

bool TCustomCalendarEdit::CanSelectDay() {
  return true;
}

bool TCustomCalendarEdit::CanModify() {
  return !FReadOnly;
}

void TCustomCalendarEdit::StopDayTracking() {
  if (!FDayTracking) return;
  FDayTracking = false;
  SetMouseCapture(false);
}

void TCustomCalendarEdit::StopButtonTracking() {
  if (!FButtonTracking) return;
  TrackButton(-1, -1);
  FButtonTracking = false;
  SetMouseCapture(false);
}

bool TCustomCalendarEdit::TrackDay(int X, int Y) {
  const int N = ReturnDayNum(X, Y);
  if (N < 1 || N > DaysOfMonth()) return false;
  SetDay(Word(N));
  UpdateEdit();
  return true;
}

void TCustomCalendarEdit::StepButton(int Index) {
  switch (Index) {
    case rkPrevMonth:
      if (FMonth > 1) {
        SetMonth(FMonth - 1);
      } else if (FYear > FirstYear && FYear <= LastYear) {
        SetMonth(12);
        SetYear(FYear - 1);
      }
      break;
    case rkNextMonth:
      if (FMonth < 12) {
        SetMonth(FMonth + 1);
      } else if (FYear >= FirstYear && FYear < LastYear) {
        SetMonth(1);
        SetYear(FYear + 1);
      }
      break;
    case rkPrevYear:
      if (FYear > FirstYear && FYear <= LastYear) SetYear(FYear - 1);
      break;
    case rkNextYear:
      if (FYear >= FirstYear && FYear < LastYear) SetYear(FYear + 1);
      break;
  }
}

bool TCustomCalendarEdit::TrackButton(int X, int Y) {
  bool Changed = false;
  for (int I = rkPrevMonth; I <= rkNextYear; ++I) {
    if (I <= rkNextMonth ? !FShowMonthButtons : !FShowYearButtons) continue;
    const bool Inside = PtInRect(FRects[I], {X, Y});
    if (Inside == FButtonDown[I]) continue;
    FButtonDown[I] = Inside;
    InvalidatePart(FRects[I]);
    Changed = true;
    if (Inside) StepButton(I);
  }
  if (std::any_of(std::begin(FButtonDown), std::end(FButtonDown), [](bool Down) { return Down; })) {
    UpdateEdit();
    FRepeatTimer = SetTimer(Handle(), RepeatTimerId, RepeatPeriod);
  } else if (FRepeatTimer != 0) {
    KillTimer(Handle(), FRepeatTimer);
    FRepeatTimer = 0;
  }
  return Changed;
}

void TCustomCalendarEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: return WMLButtonDown(Message);
    case WM_MOUSEMOVE: return WMMouseMove(Message);
    case WM_LBUTTONUP: return WMLButtonUp(Message);
    case WM_ERASEBKGND: return WMEraseBkgnd(Message);
    case WM_TIMER: return WMTimer(Message);
    default: return TCustomPanel::WndProc(Message);
  }
}

void TCustomCalendarEdit::WMLButtonDown(TMessage& Message) {
  const TPoint P = LParamToPoint(Message.LParam);
  if (CanModify()) {
    if (TrackButton(P.X, P.Y)) {
      SetMouseCapture(true);
      FButtonTracking = true;
      return;
    }
    if (CanSelectDay() && TrackDay(P.X, P.Y)) {
      SetMouseCapture(true);
      FDayTracking = true;
      return;
    }
  }
  TCustomPanel::WndProc(Message);
}

void TCustomCalendarEdit::WMMouseMove(TMessage& Message) {
  const TPoint P = LParamToPoint(Message.LParam);
  if (FButtonTracking)
    TrackButton(P.X, P.Y);
  else if (FDayTracking)
    TrackDay(P.X, P.Y);
  else
    TCustomPanel::WndProc(Message);
}

void TCustomCalendarEdit::WMLButtonUp(TMessage& Message) {
  if (FButtonTracking)
    StopButtonTracking();
  else if (FDayTracking)
    StopDayTracking();
  else
    TCustomPanel::WndProc(Message);
}

// The bands paint every pixel that changes: erasing first would only flicker.
void TCustomCalendarEdit::WMEraseBkgnd(TMessage& Message) {
  Message.Result = 1;
}

void TCustomCalendarEdit::WMTimer(TMessage&) {
  for (int I = rkPrevMonth; I <= rkNextYear; ++I) {
    if (!FButtonDown[I]) continue;
    StepButton(I);
    UpdateEdit();
  }
}

}  // namespace tarvex
