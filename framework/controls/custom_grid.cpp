#include "framework/controls/custom_grid.h"

#include <algorithm>

#include "framework/classes/reader.h"
#include "framework/classes/writer.h"
#include "framework/controls/application.h"
#include "framework/controls/inplace_edit.h"
#include "framework/controls/screen.h"
#include "framework/graphics/frame_3d.h"
#include "framework/rtl/exceptions.h"
#include "framework/win/mouse.h"
#include "framework/win/painting.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/timers.h"

namespace framework {

namespace {

constexpr UINT_PTR ScrollTimer = 1;
constexpr UINT ScrollPeriod = 60;
// How near a line the pointer sizes the cell before it.
constexpr int SizingSlack = 2;
constexpr int MinCellSize = 1;

// Calls Visit(Index, Start) for the fixed cells, then for the scrollable ones from First on, as
// far as they show within Extent.
template <class F>
void ForEachShowing(const TGridAxis& Axis, int First, int Extent, F Visit) {
  for (int I = 0; I < std::min(Axis.Fixed(), Axis.Count()); ++I) Visit(I, Axis.Start(I, First));
  const int End = Axis.EndOfVisible(First, Extent);
  int Start = Axis.FixedExtent();
  for (int I = First; I < End; ++I) {
    Visit(I, Start);
    Start += Axis.Extent(I);
  }
}

// The pixel span of the cells From..To that show, lines included; empty when none shows.
std::pair<int, int> SpanOf(const TGridAxis& Axis, int From, int To, int First, int Extent) {
  From = std::max(From, From < Axis.Fixed() ? From : First);
  To = std::min(To, Axis.EndOfVisible(First, Extent) - 1);
  if (From > To || (To >= Axis.Fixed() && To < First)) return {0, 0};
  const int Start = Axis.Start(From, First), End = Axis.Start(To, First) + Axis.Extent(To);
  return {Start, End};
}

// An index that follows a cell moved from From to To.
int Follow(int Index, int From, int To) {
  if (Index == From) return To;
  if (From < To && Index > From && Index <= To) return Index - 1;
  if (To < From && Index >= To && Index < From) return Index + 1;
  return Index;
}

}  // namespace

const TTypeInfo& EnumTypeInfo(TGridOption) {
  static const TTypeInfo Info = TTypeInfo::Enumeration(
      "TGridOption",
      {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
       "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving",
       "goEditing", "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"});
  return Info;
}

const TTypeInfo& EnumTypeInfo(TScrollStyle) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
  return Info;
}

const TClass& TCustomGrid::StaticClass() {
  return TClass::Describe<TCustomGrid>("TCustomGrid");
}

TCustomGrid::TCustomGrid(TComponent* AOwner)
    : TCustomControl(AOwner),
      FCols(5, 1, 64),
      FRows(5, 1, 24),
      FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect},
      FCurrent{1, 1},
      FAnchor{1, 1},
      FTopLeft{1, 1} {
  SetControlStyle({csCaptureMouse, csOpaque, csDoubleClicks});
  SetBounds(0, 0, 320, 120);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  UpdateLines();
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::CheckIndex(int Index, const TGridAxis& Axis) const {
  if (Index < 0 || Index >= Axis.Count())
    throw EInvalidOperation("Grid index out of range (" + std::to_string(Index) + ")");
}

TGridCoord TCustomGrid::Scrollable(TGridCoord C) const {
  return {std::clamp(C.X, FixedCols(), ColCount() - 1),
          std::clamp(C.Y, FixedRows(), RowCount() - 1)};
}

// Whatever moves cells around keeps the current cell, the anchor and the top-left inside the
// scrollable cells, and shows the result.
void TCustomGrid::LayoutChanged() {
  FCurrent = Scrollable(FCurrent);
  FAnchor = Scrollable(FAnchor);
  FTopLeft = Scrollable(FTopLeft);
  SetTopLeft(FTopLeft);
  Invalidate();
  UpdateScrollBars();
  if (FEditorMode) PlaceEditor();
}

void TCustomGrid::SetColCount(int Value) {
  if (Value < 1 || Value <= FixedCols())
    throw EInvalidOperation("Invalid column count (" + std::to_string(Value) + ")");
  FCols.SetCount(Value);
  LayoutChanged();
}

void TCustomGrid::SetRowCount(int Value) {
  if (Value < 1 || Value <= FixedRows())
    throw EInvalidOperation("Invalid row count (" + std::to_string(Value) + ")");
  FRows.SetCount(Value);
  LayoutChanged();
}

void TCustomGrid::SetFixedCols(int Value) {
  if (Value < 0 || Value >= ColCount())
    throw EInvalidOperation("Fixed column count must be less than column count");
  FCols.SetFixed(Value);
  LayoutChanged();
}

void TCustomGrid::SetFixedRows(int Value) {
  if (Value < 0 || Value >= RowCount())
    throw EInvalidOperation("Fixed row count must be less than row count");
  FRows.SetFixed(Value);
  LayoutChanged();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
  FCols.SetDefaultSize(std::max(Value, MinCellSize));
  LayoutChanged();
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
  FRows.SetDefaultSize(std::max(Value, MinCellSize));
  LayoutChanged();
  RowHeightsChanged();
}

int TCustomGrid::ColWidths(int Index) const {
  CheckIndex(Index, FCols);
  return FCols.Size(Index);
}

void TCustomGrid::SetColWidths(int Index, int Value) {
  if (Resize(FCols, Index, Value)) ColWidthsChanged();
}

int TCustomGrid::RowHeights(int Index) const {
  CheckIndex(Index, FRows);
  return FRows.Size(Index);
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
  if (Resize(FRows, Index, Value)) RowHeightsChanged();
}

// True when the size changed; negative sizes are taken as 0.
bool TCustomGrid::Resize(TGridAxis& Axis, int Index, int Value) {
  CheckIndex(Index, Axis);
  if (Axis.Size(Index) == std::max(Value, 0)) return false;
  Axis.SetSize(Index, std::max(Value, 0));
  LayoutChanged();
  return true;
}

void TCustomGrid::SetGridLineWidth(int Value) {
  FGridLineWidth = std::max(Value, 0);
  UpdateLines();
  LayoutChanged();
}

void TCustomGrid::UpdateLines() {
  const auto Width = [this](TGridOption Option) {
    return FOptions.Contains(Option) ? FGridLineWidth : 0;
  };
  FCols.SetLines(Width(goFixedVertLine), Width(goVertLine));
  FRows.SetLines(Width(goFixedHorzLine), Width(goHorzLine));
}

void TCustomGrid::SetOptions(TGridOptions Value) {
  if (FOptions == Value) return;
  FOptions = Value;
  if (!FOptions.Contains(goEditing) || FOptions.Contains(goRowSelect)) HideEditor();
  if (FOptions.Contains(goRowSelect) || !FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
  UpdateLines();
  LayoutChanged();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  if (FFixedColor == Value) return;
  FFixedColor = Value;
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
  CheckControlBorderStyle(Value);
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomGrid::SetDefaultDrawing(bool Value) {
  if (FDefaultDrawing == Value) return;
  FDefaultDrawing = Value;
  Invalidate();
}

void TCustomGrid::SetCol(int Value) {
  if (Value < FixedCols() || Value >= ColCount())
    throw EInvalidOperation("Column " + std::to_string(Value) + " is not a scrollable column");
  MoveColRow(Value, Row(), true, true);
}

void TCustomGrid::SetRow(int Value) {
  if (Value < FixedRows() || Value >= RowCount())
    throw EInvalidOperation("Row " + std::to_string(Value) + " is not a scrollable row");
  MoveColRow(Col(), Value, true, true);
}

void TCustomGrid::SetLeftCol(int Value) {
  SetTopLeft({Value, TopRow()});
}

void TCustomGrid::SetTopRow(int Value) {
  SetTopLeft({LeftCol(), Value});
}

void TCustomGrid::SetTopLeft(TGridCoord Value) {
  Value = {std::clamp(Value.X, FixedCols(), FCols.MaxFirst(ClientWidth())),
           std::clamp(Value.Y, FixedRows(), FRows.MaxFirst(ClientHeight()))};
  if (Value == FTopLeft) return;
  FTopLeft = Value;
  Invalidate();
  UpdateScrollBars();
  TopLeftChanged();
}

int TCustomGrid::VisibleColCount() const {
  return FCols.FullyVisible(LeftCol(), ClientWidth());
}

int TCustomGrid::VisibleRowCount() const {
  return FRows.FullyVisible(TopRow(), ClientHeight());
}

TGridRect TCustomGrid::SelectionFrom(TGridCoord Anchor, TGridCoord Current) const {
  TGridRect R{std::min(Anchor.X, Current.X), std::min(Anchor.Y, Current.Y),
              std::max(Anchor.X, Current.X), std::max(Anchor.Y, Current.Y)};
  if (FOptions.Contains(goRowSelect)) {
    R.Left = FixedCols();
    R.Right = ColCount() - 1;
  }
  return R;
}

TGridRect TCustomGrid::Selection() const {
  return SelectionFrom(FAnchor, FCurrent);
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
  const TGridRect Old = Selection();
  FAnchor = Scrollable({Value.Left, Value.Top});
  FCurrent = Scrollable({Value.Right, Value.Bottom});
  ChangeSelection(Old);
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
  const auto [Left, Right] = SpanOf(FCols, ACol, ACol, LeftCol(), ClientWidth());
  const auto [Top, Bottom] = SpanOf(FRows, ARow, ARow, TopRow(), ClientHeight());
  if (Left == Right || Top == Bottom) return TRect();
  return {Left, Top, Left + FCols.Size(ACol), Top + FRows.Size(ARow)};
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
  if (!ClientRect().Contains({X, Y})) return {-1, -1};
  const int ACol = FCols.CellAt(X, LeftCol()), ARow = FRows.CellAt(Y, TopRow());
  if (ACol < 0 || ARow < 0) return {-1, -1};
  return {ACol, ARow};
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  const TGridCoord C = MouseCoord(X, Y);
  ACol = C.X;
  ARow = C.Y;
}

// The part of the client area the cells take that show, their lines included.
void TCustomGrid::InvalidateCells(const TGridRect& Cells) {
  if (!HandleAllocated()) return;
  const auto [Left, Right] = SpanOf(FCols, Cells.Left, Cells.Right, LeftCol(), ClientWidth());
  const auto [Top, Bottom] = SpanOf(FRows, Cells.Top, Cells.Bottom, TopRow(), ClientHeight());
  const TRect R{Left, Top, Right, Bottom};
  if (!R.IsEmpty()) InvalidateRect(Handle(), &R, false);
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
  InvalidateCells({ACol, ARow, ACol, ARow});
}

void TCustomGrid::InvalidateRow(int ARow) {
  InvalidateCells({0, ARow, ColCount() - 1, ARow});
}

void TCustomGrid::InvalidateCol(int ACol) {
  InvalidateCells({ACol, 0, ACol, RowCount() - 1});
}

// Repaints what the selection left and what it covers now: the two rectangles of cells.
void TCustomGrid::ChangeSelection(TGridRect OldSelection) {
  InvalidateCells(OldSelection);
  InvalidateCells(Selection());
}

void TCustomGrid::ScrollIntoView(int ACol, int ARow) {
  const int NewLeft = FOptions.Contains(goRowSelect)
                          ? LeftCol()
                          : FCols.FirstToShow(ACol, LeftCol(), ClientWidth());
  SetTopLeft({NewLeft, FRows.FirstToShow(ARow, TopRow(), ClientHeight())});
}

bool TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
  ACol = std::clamp(ACol, FixedCols(), ColCount() - 1);
  ARow = std::clamp(ARow, FixedRows(), RowCount() - 1);
  if (!SelectCell(ACol, ARow)) return false;
  const TGridRect Old = Selection();
  const bool Moved = FCurrent != TGridCoord{ACol, ARow};
  FCurrent = {ACol, ARow};
  if (MoveAnchor || !FOptions.Contains(goRangeSelect) || FOptions.Contains(goRowSelect))
    FAnchor = FCurrent;
  if (Show) ScrollIntoView(ACol, ARow);
  ChangeSelection(Old);
  if (!Moved) return true;
  if (FEditorMode && FOptions.Contains(goAlwaysShowEditor))
    ShowEditor();
  else
    HideEditor();
  Click();
  return true;
}

void TCustomGrid::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  const auto Update = [this](int Bar, const TGridAxis& Axis, int First, int Visible) {
    TScrollInfo Info;
    Info.Mask = SIF_RANGE | SIF_PAGE | SIF_POS;
    Info.Max = Axis.Count() - Axis.Fixed() - 1;
    Info.Page = UINT(std::max(Visible, 1));
    Info.Pos = First - Axis.Fixed();
    SetScrollInfo(Handle(), Bar, Info, true);
  };
  if (HasScrollBar(SB_VERT)) Update(SB_VERT, FRows, TopRow(), VisibleRowCount());
  if (HasScrollBar(SB_HORZ)) Update(SB_HORZ, FCols, LeftCol(), VisibleColCount());
}

void TCustomGrid::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (HasScrollBar(SB_VERT)) Params.Style |= WS_VSCROLL;
  if (HasScrollBar(SB_HORZ)) Params.Style |= WS_HSCROLL;
  AddControlBorderStyle(Params, FBorderStyle, Ctl3D());
}

bool TCustomGrid::HasScrollBar(int Bar) const {
  return FScrollBars == ssBoth || FScrollBars == (Bar == SB_VERT ? ssVertical : ssHorizontal);
}

void TCustomGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBars();
}

bool TCustomGrid::SelectCell(int ACol, int ARow) {
  bool CanSelect = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, CanSelect);
  return CanSelect;
}

void TCustomGrid::TopLeftChanged() {
  if (FEditorMode) PlaceEditor();
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TCustomGrid::ColumnMoved(int FromIndex, int ToIndex) {
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomGrid::RowMoved(int FromIndex, int ToIndex) {
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

void TCustomGrid::ColWidthsChanged() {}

void TCustomGrid::RowHeightsChanged() {}

void TCustomGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
  CheckIndex(FromIndex, FCols);
  CheckIndex(ToIndex, FCols);
  if (FromIndex == ToIndex) return;
  FCols.Move(FromIndex, ToIndex);
  FCurrent.X = Follow(FCurrent.X, FromIndex, ToIndex);
  FAnchor.X = Follow(FAnchor.X, FromIndex, ToIndex);
  LayoutChanged();
  ColumnMoved(FromIndex, ToIndex);
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
  CheckIndex(FromIndex, FRows);
  CheckIndex(ToIndex, FRows);
  if (FromIndex == ToIndex) return;
  FRows.Move(FromIndex, ToIndex);
  FCurrent.Y = Follow(FCurrent.Y, FromIndex, ToIndex);
  FAnchor.Y = Follow(FAnchor.Y, FromIndex, ToIndex);
  LayoutChanged();
  RowMoved(FromIndex, ToIndex);
}

// Column widths and row heights are stored only when one differs from the default, as a list of
// every size.
void TCustomGrid::DefineProperties(TFiler& Filer) {
  TCustomControl::DefineProperties(Filer);
  const auto Define = [&Filer, this](const char* Name, TGridAxis& Axis, bool Columns) {
    Filer.DefineProperty(
        Name,
        [&Axis, Columns, this](TReader& Reader) {
          std::vector<int> Sizes;
          Reader.ReadListBegin();
          while (!Reader.EndOfList()) Sizes.push_back(int(Reader.ReadInteger()));
          Reader.ReadListEnd();
          for (int I = 0; I < std::min(int(Sizes.size()), Axis.Count()); ++I)
            Columns ? SetColWidths(I, Sizes[size_t(I)]) : SetRowHeights(I, Sizes[size_t(I)]);
        },
        [&Axis](TWriter& Writer) {
          Writer.WriteListBegin();
          for (int I = 0; I < Axis.Count(); ++I) Writer.WriteInteger(Axis.Size(I));
          Writer.WriteListEnd();
        },
        Axis.HasCustomSizes());
  };
  Define("ColWidths", FCols, true);
  Define("RowHeights", FRows, false);
}

TGridDrawState TCustomGrid::DrawStateOf(int ACol, int ARow) const {
  if (ACol < FixedCols() || ARow < FixedRows()) return {gdFixed};
  TGridDrawState State;
  const bool Current = TGridCoord{ACol, ARow} == FCurrent;
  if (Current && Focused()) State.Include(gdFocused);
  const bool ShowsCurrent =
      FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect);
  if (Selection().Contains(ACol, ARow) && (!Current || ShowsCurrent)) State.Include(gdSelected);
  return State;
}

void TCustomGrid::Paint() {
  const TRect Clip = Canvas()->ClipRect();
  ForEachShowing(FRows, TopRow(), ClientHeight(), [&](int ARow, int Y) {
    if (Y >= Clip.Bottom || Y + FRows.Extent(ARow) <= Clip.Top) return;
    ForEachShowing(FCols, LeftCol(), ClientWidth(), [&](int ACol, int X) {
      if (X >= Clip.Right || X + FCols.Extent(ACol) <= Clip.Left) return;
      const TRect Rect{X, Y, X + FCols.Size(ACol), Y + FRows.Size(ARow)};
      DrawOneCell(ACol, ARow, Rect);
      DrawLines(ACol, ARow, Rect);
    });
  });
  PaintBackground(FCols.VisibleExtent(LeftCol(), ClientWidth()),
                  FRows.VisibleExtent(TopRow(), ClientHeight()));
}

void TCustomGrid::DrawOneCell(int ACol, int ARow, const TRect& Rect) {
  const TGridDrawState State = DrawStateOf(ACol, ARow);
  TCanvas* C = Canvas();
  C->SetFont(Font());
  if (FDefaultDrawing) {
    const bool Selected = State.Contains(gdSelected);
    C->Brush()->SetColor(State.Contains(gdFixed) ? FFixedColor : Selected ? clHighlight : Color());
    if (Selected) C->Font()->SetColor(clHighlightText);
    C->FillRect(Rect);
    if (State.Contains(gdFixed) && Ctl3D()) {
      TRect Edge = Rect;
      Frame3D(C, Edge, clBtnHighlight, clBtnShadow, 1);
    }
  }
  DrawCell(ACol, ARow, Rect, State);
  if (FDefaultDrawing && State.Contains(gdFocused) && !FOptions.Contains(goRowSelect) &&
      !FEditorMode)
    C->DrawFocusRect(Rect);
}

// The line after the cell and the one below it; lines between fixed cells are darker.
void TCustomGrid::DrawLines(int ACol, int ARow, const TRect& Rect) {
  TCanvas* C = Canvas();
  const bool Fixed = ACol < FixedCols() || ARow < FixedRows();
  C->Brush()->SetColor(Fixed ? clWindowFrame : clBtnFace);
  const int Vertical = FCols.LineAfter(ACol), Horizontal = FRows.LineAfter(ARow);
  if (Vertical)
    C->FillRect({Rect.Right, Rect.Top, Rect.Right + Vertical, Rect.Bottom + Horizontal});
  if (Horizontal) C->FillRect({Rect.Left, Rect.Bottom, Rect.Right, Rect.Bottom + Horizontal});
}

// The client area beyond the last column and below the last row.
void TCustomGrid::PaintBackground(int Right, int Bottom) {
  TCanvas* C = Canvas();
  C->Brush()->SetColor(Color());
  const TRect Client = ClientRect();
  if (Right < Client.Right) C->FillRect({Right, 0, Client.Right, Client.Bottom});
  if (Bottom < Client.Bottom) C->FillRect({0, Bottom, Right, Client.Bottom});
}

void TCustomGrid::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE: return WMGetDlgCode(Message);
    case WM_VSCROLL: return WMScroll(Message, true);
    case WM_HSCROLL: return WMScroll(Message, false);
    case WM_TIMER: return WMTimer(Message);
    case WM_SETCURSOR: return WMSetCursor(Message);
    case WM_SIZE: return WMSize(Message);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return WMFocusChanged(Message);
    case WM_CANCELMODE: return WMCancelMode(Message);
    case CM_FONTCHANGED: return CMFontChanged(Message);
    default: return TCustomControl::WndProc(Message);
  }
}

void TCustomGrid::WMGetDlgCode(TMessage& Message) {
  Message.Result = DLGC_WANTARROWS;
  if (FOptions.Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
  if (FOptions.Contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
}

void TCustomGrid::WMScroll(TMessage& Message, bool Vertical) {
  const TGridAxis& Axis = Vertical ? FRows : FCols;
  const int First = Vertical ? TopRow() : LeftCol();
  const int Page = std::max(1, Vertical ? VisibleRowCount() : VisibleColCount());
  TScrollInfo Info;
  Info.Mask = SIF_TRACKPOS;
  GetScrollInfo(Handle(), Vertical ? SB_VERT : SB_HORZ, Info);
  int Target = First;
  switch (LOWORD(Message.WParam)) {
    case SB_LINEUP: Target = First - 1; break;
    case SB_LINEDOWN: Target = First + 1; break;
    case SB_PAGEUP: Target = First - Page; break;
    case SB_PAGEDOWN: Target = First + Page; break;
    case SB_TOP: Target = Axis.Fixed(); break;
    case SB_BOTTOM: Target = Axis.Count() - 1; break;
    case SB_THUMBTRACK:
      if (!FOptions.Contains(goThumbTracking)) return;
      Target = Axis.Fixed() + Info.TrackPos;
      break;
    case SB_THUMBPOSITION: Target = Axis.Fixed() + Info.TrackPos; break;
    default: return;
  }
  Vertical ? SetTopRow(Target) : SetLeftCol(Target);
  Message.Result = 0;
}

void TCustomGrid::WMSize(TMessage& Message) {
  TCustomControl::WndProc(Message);
  SetTopLeft(FTopLeft);
  UpdateScrollBars();
}

void TCustomGrid::WMFocusChanged(TMessage& Message) {
  TCustomControl::WndProc(Message);
  InvalidateCell(Col(), Row());
  if (Message.Msg == WM_SETFOCUS && FOptions.Contains(goAlwaysShowEditor)) ShowEditor();
}

void TCustomGrid::WMCancelMode(TMessage& Message) {
  TCustomControl::WndProc(Message);
  if (FGridState == gsNormal) return;
  if (HandleAllocated()) KillTimer(Handle(), ScrollTimer);
  FGridState = gsNormal;
  Invalidate();
}

void TCustomGrid::CMFontChanged(TMessage& Message) {
  TCustomControl::WndProc(Message);
  if (FInplaceEdit) FInplaceEdit->SetFont(Font());
  Invalidate();
}

void TCustomGrid::KeyDown(Word& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  const bool Ctrl = Shift.Contains(ssCtrl), RowSelect = FOptions.Contains(goRowSelect);
  switch (Key) {
    case VK_UP: return MoveBy(0, -1, Shift);
    case VK_DOWN: return MoveBy(0, 1, Shift);
    case VK_LEFT: return RowSelect ? SetLeftCol(LeftCol() - 1) : MoveBy(-1, 0, Shift);
    case VK_RIGHT: return RowSelect ? SetLeftCol(LeftCol() + 1) : MoveBy(1, 0, Shift);
    case VK_PRIOR: return PageBy(-1, Shift);
    case VK_NEXT: return PageBy(1, Shift);
    case VK_HOME:
      if (Ctrl || RowSelect) return MoveBy(FixedCols() - Col(), FixedRows() - Row(), Shift);
      return MoveBy(FixedCols() - Col(), 0, Shift);
    case VK_END:
      if (Ctrl || RowSelect) return MoveBy(ColCount() - Col(), RowCount() - Row(), Shift);
      return MoveBy(ColCount() - Col(), 0, Shift);
    case VK_TAB:
      if (FOptions.Contains(goTabs) && !Shift.Contains(ssAlt)) MoveByTab(Shift.Contains(ssShift));
      return;
    case VK_F2: return SetEditorMode(true);
    default: return;
  }
}

void TCustomGrid::KeyPress(char& Key) {
  TCustomControl::KeyPress(Key);
  if (!FOptions.Contains(goEditing) || FEditorMode) return;
  if (Key == '\r') {
    SetEditorMode(true);
    Key = 0;
  } else if (uint8_t(Key) >= 32 && CanEditModify()) {
    ShowEditor();
    if (FEditorMode) FInplaceEdit->Perform(WM_CHAR, WPARAM(uint8_t(Key)));
    Key = 0;
  }
}

// Shift with goRangeSelect stretches the selection from the anchor.
void TCustomGrid::MoveBy(int DCol, int DRow, TShiftState Shift) {
  const bool Stretch = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
  MoveColRow(Col() + DCol, Row() + DRow, !Stretch, true);
}

// Tab runs through the row's cells, then on to the next row's first; it stops at the last cell.
void TCustomGrid::MoveByTab(bool Backward) {
  int ACol = Col() + (Backward ? -1 : 1), ARow = Row();
  if (ACol >= ColCount()) {
    ACol = FixedCols();
    ++ARow;
  } else if (ACol < FixedCols()) {
    ACol = ColCount() - 1;
    --ARow;
  }
  if (ARow >= FixedRows() && ARow < RowCount()) MoveColRow(ACol, ARow, true, true);
}

// The rows scroll a page and the current row moves with them.
void TCustomGrid::PageBy(int Direction, TShiftState Shift) {
  const int Page = std::max(1, VisibleRowCount());
  SetTopRow(TopRow() + Direction * Page);
  MoveBy(0, Direction * Page, Shift);
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (CanFocus() && !Focused()) {
    SetFocus();
    if (!Focused()) return;
  }
  if (Button == mbLeft) {
    if (Shift.Contains(ssDouble)) {
      if (FOptions.Contains(goEditing)) SetEditorMode(true);
    } else if (!StartSizing(X, Y) && !StartMoving(X, Y)) {
      SelectAt(X, Y, Shift);
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

// The column whose line between fixed cells lies at the point (Columns True), or the row, or -1.
int TCustomGrid::SizingEdge(int X, int Y, bool& Columns) const {
  Columns = true;
  if (FOptions.Contains(goColSizing) && Y < FRows.FixedExtent()) {
    const int Edge = FCols.EdgeAt(X, LeftCol(), SizingSlack);
    if (Edge >= 0) return Edge;
  }
  Columns = false;
  if (FOptions.Contains(goRowSizing) && X < FCols.FixedExtent())
    return FRows.EdgeAt(Y, TopRow(), SizingSlack);
  return -1;
}

bool TCustomGrid::StartSizing(int X, int Y) {
  bool Columns;
  FMoveIndex = SizingEdge(X, Y, Columns);
  if (FMoveIndex < 0) return false;
  const TGridAxis& Axis = Columns ? FCols : FRows;
  const int End = Axis.Start(FMoveIndex, Columns ? LeftCol() : TopRow()) + Axis.Size(FMoveIndex);
  FGridState = Columns ? gsColSizing : gsRowSizing;
  FSizingOffset = (Columns ? X : Y) - End;
  return true;
}

// A press on a fixed heading of a scrollable column (row) starts dragging it.
bool TCustomGrid::StartMoving(int X, int Y) {
  const TGridCoord Cell = MouseCoord(X, Y);
  if (Cell.X < 0) return false;
  if (FOptions.Contains(goColMoving) && Cell.Y < FixedRows() && Cell.X >= FixedCols()) {
    FGridState = gsColMoving;
    FMoveIndex = Cell.X;
    return true;
  }
  if (FOptions.Contains(goRowMoving) && Cell.X < FixedCols() && Cell.Y >= FixedRows()) {
    FGridState = gsRowMoving;
    FMoveIndex = Cell.Y;
    return true;
  }
  return false;
}

void TCustomGrid::SelectAt(int X, int Y, TShiftState Shift) {
  const TGridCoord Cell = MouseCoord(X, Y);
  if (Cell.X < FixedCols() || Cell.Y < FixedRows()) return;
  const bool Stretch = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
  if (!MoveColRow(Cell.X, Cell.Y, !Stretch, true)) return;
  FGridState = gsSelecting;
  SetTimer(Handle(), ScrollTimer, ScrollPeriod);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  switch (FGridState) {
    case gsSelecting: {
      const TGridCoord Cell = MouseCoord(X, Y);
      if (Cell.X >= FixedCols() && Cell.Y >= FixedRows() && Cell != FCurrent)
        MoveColRow(Cell.X, Cell.Y, !FOptions.Contains(goRangeSelect), false);
      break;
    }
    case gsColSizing:
    case gsRowSizing: TrackSizing(X, Y); break;
    default: break;
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::TrackSizing(int X, int Y) {
  if (FGridState == gsColSizing)
    SetColWidths(FMoveIndex,
                 std::max(MinCellSize, X - FSizingOffset - FCols.Start(FMoveIndex, LeftCol())));
  else
    SetRowHeights(FMoveIndex,
                  std::max(MinCellSize, Y - FSizingOffset - FRows.Start(FMoveIndex, TopRow())));
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TGridState State = FGridState;
  FGridState = gsNormal;
  KillTimer(Handle(), ScrollTimer);
  if (State == gsColMoving || State == gsRowMoving) EndMoving(State, X, Y);
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

// A release past the last cell moves it to the end; one before the scrollable cells to the first
// of them.
void TCustomGrid::EndMoving(TGridState State, int X, int Y) {
  const bool Columns = State == gsColMoving;
  const TGridAxis& Axis = Columns ? FCols : FRows;
  const int At = Columns ? X : Y;
  int To = Axis.CellAt(At, Columns ? LeftCol() : TopRow());
  if (To < 0) To = At < 0 ? Axis.Fixed() : Axis.Count() - 1;
  To = std::max(To, Axis.Fixed());
  Columns ? MoveColumn(FMoveIndex, To) : MoveRow(FMoveIndex, To);
}

void TCustomGrid::WMTimer(TMessage& Message) {
  if (Message.WParam != ScrollTimer) return TCustomControl::WndProc(Message);
  if (FGridState != gsSelecting) {
    KillTimer(Handle(), ScrollTimer);
    return;
  }
  ScrollTowardsPointer();
}

// Past an edge of the scrollable cells the selection moves one cell further that way.
void TCustomGrid::ScrollTowardsPointer() {
  TPoint P;
  GetCursorPos(P);
  P = ScreenToClient(P);
  const auto Step = [](int At, int Low, int High) { return At < Low ? -1 : At >= High ? 1 : 0; };
  const int DCol =
      FOptions.Contains(goRowSelect) ? 0 : Step(P.X, FCols.FixedExtent(), ClientWidth());
  const int DRow = Step(P.Y, FRows.FixedExtent(), ClientHeight());
  if (DCol == 0 && DRow == 0) return;
  MoveColRow(Col() + DCol, Row() + DRow, !FOptions.Contains(goRangeSelect), true);
}

void TCustomGrid::WMSetCursor(TMessage& Message) {
  const bool OverClient =
      HWND(Message.WParam) == Handle() && SHORT(LOWORD(uintptr_t(Message.LParam))) == HTCLIENT;
  if (OverClient && FGridState == gsNormal) {
    TPoint P;
    GetCursorPos(P);
    P = ScreenToClient(P);
    bool Columns;
    if (SizingEdge(P.X, P.Y, Columns) >= 0) {
      InitApplication();
      framework::SetCursor(Screen->Cursors(Columns ? crHSplit : crVSplit));
      Message.Result = TRUE;
      return;
    }
  }
  TCustomControl::WndProc(Message);
}

std::string TCustomGrid::GetEditText(int ACol, int ARow) {
  std::string Value;
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, Value);
  return Value;
}

void TCustomGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

bool TCustomGrid::CanEditShow() {
  return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && HandleAllocated() &&
         !ComponentState().Contains(csDesigning);
}

bool TCustomGrid::CanEditModify() {
  return true;
}

TInplaceEdit* TCustomGrid::CreateEditor() {
  return new TInplaceEdit(this);
}

void TCustomGrid::SetEditorMode(bool Value) {
  if (Value)
    ShowEditor();
  else if (!FOptions.Contains(goAlwaysShowEditor))
    HideEditor();
}

// The editor takes the current cell's text and the focus.
void TCustomGrid::ShowEditor() {
  if (!CanEditShow()) return;
  if (!FInplaceEdit) {
    FInplaceEdit = CreateEditor();
    FInplaceEdit->SetParent(this);
  }
  FEditorMode = true;
  FInplaceEdit->Load(GetEditText(Col(), Row()), CanEditModify());
  PlaceEditor();
  InvalidateCell(Col(), Row());
  if (Focused() || FInplaceEdit->Focused()) FInplaceEdit->SetFocus();
}

void TCustomGrid::HideEditor() {
  if (!FEditorMode) return;
  FEditorMode = false;
  if (!FInplaceEdit) return;
  const bool HadFocus = FInplaceEdit->Focused();
  FInplaceEdit->Hide();
  InvalidateCell(Col(), Row());
  if (HadFocus) SetFocus();
}

void TCustomGrid::UpdateText() {
  if (FEditorMode && FInplaceEdit) SetEditText(Col(), Row(), FInplaceEdit->Text());
}

void TCustomGrid::PlaceEditor() {
  const TRect R = CellRect(Col(), Row());
  if (R.IsEmpty()) return FInplaceEdit->Hide();
  FInplaceEdit->SetBoundsRect(R);
  FInplaceEdit->Show();
  FInplaceEdit->BringToFront();
}

}  // namespace framework
