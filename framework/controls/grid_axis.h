#pragma once

#include <vector>

namespace framework {

// The cells along one direction of a grid (its columns or its rows): how many there are, how
// many of them stay fixed at the leading edge, their sizes, and where each one shows when the
// scrollable part starts at a given cell. Every cell is followed by its grid line. Sizes are kept
// one per cell only once one of them differs from the default, so a grid of a million default
// rows holds no per-row data; layout questions cost the cells that show, not the count.
class TGridAxis {
 public:
  TGridAxis(int Count, int Fixed, int DefaultSize)
      : FCount(Count), FFixed(Fixed), FDefaultSize(DefaultSize) {}

  int Count() const { return FCount; }
  // New cells take the default size.
  void SetCount(int Value);
  int Fixed() const { return FFixed; }
  void SetFixed(int Value) { FFixed = Value; }
  int DefaultSize() const { return FDefaultSize; }
  // Every cell takes the new default.
  void SetDefaultSize(int Value);
  int Size(int Index) const { return FSizes.empty() ? FDefaultSize : FSizes[Index]; }
  void SetSize(int Index, int Value);
  bool HasCustomSizes() const { return !FSizes.empty(); }
  // The lines after fixed and after scrollable cells (0: no line).
  void SetLines(int FixedLine, int Line) {
    FFixedLine = FixedLine;
    FLine = Line;
  }
  int LineAfter(int Index) const { return Index < FFixed ? FFixedLine : FLine; }
  int Extent(int Index) const { return Size(Index) + LineAfter(Index); }

  // Moves the cell at From to To, the cells between shifting by one.
  void Move(int From, int To);

  // The pixels the fixed cells take, their lines included.
  int FixedExtent() const;
  // The leading edge of a cell that shows when First is the first scrollable cell shown; -1 for a
  // scrollable cell before First.
  int Start(int Index, int First) const;
  // The cell whose extent (line included) holds a pixel, or -1 past the last cell or before 0.
  int CellAt(int Pixel, int First) const;
  // The scrollable cells from First on that show whole within ClientExtent pixels.
  int FullyVisible(int First, int ClientExtent) const;
  // The cell that follows the last one showing at least partly (Count when the cells end first).
  int EndOfVisible(int First, int ClientExtent) const;
  // Where the cells that show end, the last one's line included.
  int VisibleExtent(int First, int ClientExtent) const;
  // The largest First for which the cells from First to the last still fill ClientExtent, so
  // scrolling stops with the last cell at the trailing edge; at least Fixed.
  int MaxFirst(int ClientExtent) const;
  // The First nearest to the given one that shows Index whole (or starts with it when it is
  // larger than the room); a fixed Index needs no scrolling.
  int FirstToShow(int Index, int First, int ClientExtent) const;
  // The cell whose trailing edge is within Slack pixels of Pixel, or -1.
  int EdgeAt(int Pixel, int First, int Slack) const;

 private:
  int FCount;
  int FFixed;
  int FDefaultSize;
  std::vector<int> FSizes;
  int FFixedLine = 1;
  int FLine = 1;
};

}  // namespace framework
