#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/controls/border_style.h"
#include "framework/controls/custom_control.h"
#include "framework/controls/grid_axis.h"
#include "framework/rtl/set.h"

namespace framework {

class TInplaceEdit;

enum TGridOption : uint8_t {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking,
};
using TGridOptions = TSet<TGridOption>;
const TTypeInfo& EnumTypeInfo(TGridOption);

// What the mouse is doing in the grid while its button is held.
enum TGridState : uint8_t {
  gsNormal,
  gsSelecting,
  gsRowSizing,
  gsColSizing,
  gsRowMoving,
  gsColMoving
};

enum TGridDrawStateElement : uint8_t { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateElement>;

enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
const TTypeInfo& EnumTypeInfo(TScrollStyle);

// A cell: X the column, Y the row.
struct TGridCoord {
  int X = 0;
  int Y = 0;
  bool operator==(const TGridCoord&) const = default;
};

// The cells from (Left, Top) to (Right, Bottom), both corners included.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool Contains(int ACol, int ARow) const {
    return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom;
  }
  bool operator==(const TGridRect&) const = default;
};

using TDrawCellEvent =
    TEvent<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
using TSelectCellEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TMovedEvent = TEvent<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TGetEditEvent = TEvent<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = TEvent<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;

// A table of cells in columns and rows, the leading ones fixed (headings that do not scroll),
// the others scrolled by TopRow and LeftCol. One cell is current (Col, Row); with goRangeSelect
// the selection stretches from an anchor to it, with goRowSelect it covers whole rows. The user
// moves the current cell with the keyboard (arrows, Page Up/Down, Home, End; Tab with goTabs) and
// the mouse (pressing selects, dragging extends, past the edge the grid scrolls on a timer);
// with goColSizing/goRowSizing the lines between fixed cells are dragged to size, with
// goColMoving/goRowMoving the fixed cells are dragged to move their column or row. With
// goEditing a cell is edited in place by an editor over it (F2, Enter, or typing). What a cell
// shows is the descendant's DrawCell.
class TCustomGrid : public TCustomControl {
  DECLARE_CLASS(TCustomGrid, TCustomControl)

 public:
  explicit TCustomGrid(TComponent* AOwner);
  ~TCustomGrid() override;

  int ColCount() const { return FCols.Count(); }
  // Raises EInvalidOperation for a count below 1 or not above FixedCols; the same for rows.
  void SetColCount(int Value);
  int RowCount() const { return FRows.Count(); }
  void SetRowCount(int Value);
  int FixedCols() const { return FCols.Fixed(); }
  // Raises EInvalidOperation for a negative count or one that leaves no scrollable column.
  void SetFixedCols(int Value);
  int FixedRows() const { return FRows.Fixed(); }
  void SetFixedRows(int Value);
  int DefaultColWidth() const { return FCols.DefaultSize(); }
  // Resets every column to the new width; the same for rows.
  void SetDefaultColWidth(int Value);
  int DefaultRowHeight() const { return FRows.DefaultSize(); }
  void SetDefaultRowHeight(int Value);
  // Raise EInvalidOperation for an index outside the columns (rows).
  int ColWidths(int Index) const;
  void SetColWidths(int Index, int Value);
  int RowHeights(int Index) const;
  void SetRowHeights(int Index, int Value);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);
  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions Value);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value);

  // The current cell. Setting it asks SelectCell, collapses the selection onto it and scrolls it
  // into view; an index outside the scrollable cells raises EInvalidOperation.
  int Col() const { return FCurrent.X; }
  void SetCol(int Value);
  int Row() const { return FCurrent.Y; }
  void SetRow(int Value);
  // The first scrollable column and row that show; kept where the last cells still fill the
  // client area.
  int LeftCol() const { return FTopLeft.X; }
  void SetLeftCol(int Value);
  int TopRow() const { return FTopLeft.Y; }
  void SetTopRow(int Value);
  // The scrollable columns and rows that show whole.
  int VisibleColCount() const;
  int VisibleRowCount() const;
  TGridRect Selection() const;
  // Makes the selection's bottom-right corner current and its top-left the anchor.
  void SetSelection(const TGridRect& Value);
  TGridState GridState() const { return FGridState; }

  // The cell's rectangle in client coordinates; the empty rectangle for a cell that does not
  // show. MouseCoord: the cell at a client point, (-1, -1) where there is none.
  TRect CellRect(int ACol, int ARow) const;
  TGridCoord MouseCoord(int X, int Y) const;
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;

  // Whether the in-place editor shows. Setting True shows it when the grid allows editing.
  bool EditorMode() const { return FEditorMode; }
  void SetEditorMode(bool Value);
  // The editor, once it has been shown; nullptr before.
  TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }

  // Column and row moves by program, as a drag of the fixed cells does them.
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TNotifyEvent OnTopLeftChanged;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void DefineProperties(TFiler& Filer) override;
  void Paint() override;

  // What a cell shows, in Rect; with DefaultDrawing the background is already filled in the
  // cell's colour and the canvas font coloured for it.
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  // Whether the cell may become current; OnSelectCell decides.
  virtual bool SelectCell(int ACol, int ARow);
  virtual void TopLeftChanged();
  virtual void ColumnMoved(int FromIndex, int ToIndex);
  virtual void RowMoved(int FromIndex, int ToIndex);
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  virtual std::string GetEditText(int ACol, int ARow);
  virtual void SetEditText(int ACol, int ARow, const std::string& Value);
  virtual bool CanEditShow();
  virtual bool CanEditModify();
  virtual TInplaceEdit* CreateEditor();

  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // Moves the current cell; MoveAnchor collapses the selection onto it, Show scrolls it into
  // view. Asks SelectCell first; answers whether it moved.
  bool MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
  void InvalidateCell(int ACol, int ARow);
  void InvalidateRow(int ARow);
  void InvalidateCol(int ACol);
  void InvalidateGrid() { Invalidate(); }
  void ShowEditor();
  void HideEditor();
  // Hands the editor's text to SetEditText when the user changed it.
  void UpdateText();

  // The mouse state, for a descendant that starts selecting itself.
  void SetGridState(TGridState Value) { FGridState = Value; }

 private:
  friend class TInplaceEdit;

  TGridCoord Scrollable(TGridCoord C) const;
  TGridRect SelectionFrom(TGridCoord Anchor, TGridCoord Current) const;
  void InvalidateCells(const TGridRect& Cells);
  bool Resize(TGridAxis& Axis, int Index, int Value);
  bool HasScrollBar(int Bar) const;
  TGridDrawState DrawStateOf(int ACol, int ARow) const;
  void DrawOneCell(int ACol, int ARow, const TRect& Rect);
  void DrawLines(int ACol, int ARow, const TRect& Rect);
  void PaintBackground(int Right, int Bottom);
  void ChangeSelection(TGridRect OldSelection);
  void SetTopLeft(TGridCoord Value);
  void ScrollIntoView(int ACol, int ARow);
  void UpdateScrollBars();
  void UpdateLines();
  void LayoutChanged();
  void CheckIndex(int Index, const TGridAxis& Axis) const;
  void MoveBy(int DCol, int DRow, TShiftState Shift);
  void MoveByTab(bool Backward);
  void PageBy(int Direction, TShiftState Shift);

  // Mouse states.
  int SizingEdge(int X, int Y, bool& Columns) const;
  bool StartSizing(int X, int Y);
  bool StartMoving(int X, int Y);
  void SelectAt(int X, int Y, TShiftState Shift);
  void TrackSizing(int X, int Y);
  void EndMoving(TGridState State, int X, int Y);
  void ScrollTowardsPointer();

  void PlaceEditor();

  void WMGetDlgCode(TMessage& Message);
  void WMScroll(TMessage& Message, bool Vertical);
  void WMTimer(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMFocusChanged(TMessage& Message);
  void WMCancelMode(TMessage& Message);
  void CMFontChanged(TMessage& Message);

  TGridAxis FCols;
  TGridAxis FRows;
  int FGridLineWidth = 1;
  TGridOptions FOptions;
  TColor FFixedColor = clBtnFace;
  TScrollStyle FScrollBars = ssBoth;
  TBorderStyle FBorderStyle = bsSingle;
  bool FDefaultDrawing = true;
  TGridCoord FCurrent;
  TGridCoord FAnchor;
  TGridCoord FTopLeft;
  TGridState FGridState = gsNormal;
  // The column or row being sized or dragged, and while sizing the pointer's offset from its
  // trailing edge.
  int FMoveIndex = -1;
  int FSizingOffset = 0;
  bool FEditorMode = false;
  // Owned as a child component of the grid.
  TInplaceEdit* FInplaceEdit = nullptr;
};

}  // namespace framework
