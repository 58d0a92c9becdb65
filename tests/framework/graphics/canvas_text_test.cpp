#include <gtest/gtest.h>

#include "framework/graphics/canvas.h"
#include "graphics_test_helpers.h"

using namespace framework;
using graphics_test::CountPixels;
using graphics_test::TPaintBox;

namespace {

constexpr uint32_t Paper = 0xFF00FF00u, Red = 0xFFFF0000u;

int CountIn(const TSurface& Surface, const TRect& R, uint32_t Pixel) {
  int Count = 0;
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X) Count += Surface.Pixel(X, Y) == Pixel;
  return Count;
}

// Pixels of R that are neither of the two given.
int CountOthers(const TSurface& Surface, const TRect& R, uint32_t A, uint32_t B) {
  int Count = 0;
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X)
      Count += Surface.Pixel(X, Y) != A && Surface.Pixel(X, Y) != B;
  return Count;
}

}  // namespace

TEST(CanvasText, MeasuresWithTheFontFace) {
  TCanvas Canvas;
  const TFontFace& Face = Canvas.Font()->Face();
  EXPECT_EQ(Canvas.TextWidth(""), 0);
  EXPECT_EQ(Canvas.TextWidth("Tarvex"), Face.TextWidth("Tarvex"));
  EXPECT_EQ(Canvas.TextHeight("x"), Face.Height());
  EXPECT_EQ(Canvas.TextExtent("Tarvex"), (TSize{Face.TextWidth("Tarvex"), Face.Height()}));
  EXPECT_LT(Canvas.TextWidth("i"), Canvas.TextWidth("iii"));
}

TEST(CanvasText, TextOutFillsTheCellWithTheBrushAndMovesThePen) {
  TPaintBox Box(80, 30, Paper);
  Box.Canvas.Brush()->SetColor(clRed);
  const TSize Extent = Box.Canvas.TextExtent("Tarvex");
  Box.Canvas.TextOut(4, 3, "Tarvex");
  const TRect Cell = Bounds(4, 3, Extent.cx, Extent.cy);
  EXPECT_EQ(Box.Canvas.PenPos(), Point(4 + Extent.cx, 3));
  EXPECT_EQ(Box.Surface.Pixel(Cell.Left, Cell.Top), Red);
  EXPECT_EQ(Box.Surface.Pixel(Cell.Right - 1, Cell.Top), Red);
  EXPECT_GT(CountOthers(Box.Surface, Cell, Red, Red), 10) << "the text's ink";
  // The brush fills the cell and nothing else; the ink may reach a pixel past it, as overhangs do.
  EXPECT_EQ(CountIn(Box.Surface, Cell, Paper), 0);
  EXPECT_EQ(CountIn(Box.Surface, Rect(0, 0, 80, 30), Red), CountIn(Box.Surface, Cell, Red));
}

TEST(CanvasText, TextOutWithAClearBrushDrawsOnlyTheInk) {
  TPaintBox Box(80, 30, Paper);
  Box.Canvas.Brush()->SetStyle(bsClear);
  Box.Canvas.TextOut(4, 3, "Tarvex");
  EXPECT_EQ(CountPixels(Box.Surface, Red), 0);
  EXPECT_GT(CountOthers(Box.Surface, Rect(0, 0, 80, 30), Paper, Paper), 10);
  EXPECT_EQ(Box.Surface.Pixel(4, 3), Paper);
}

TEST(CanvasText, TextRectClipsToTheRectangleAndFillsIt) {
  TPaintBox Box(60, 30, Paper);
  Box.Canvas.Brush()->SetColor(clRed);
  const TRect R = Rect(10, 5, 30, 15);
  // Starts left of the rectangle and runs past its right and bottom edges.
  Box.Canvas.TextRect(R, 2, 1, "WWWWWWWWWW");
  for (int Y = 0; Y < 30; ++Y)
    for (int X = 0; X < 60; ++X)
      if (!R.Contains({X, Y})) {
        ASSERT_EQ(Box.Surface.Pixel(X, Y), Paper) << X << "," << Y;
      }
  EXPECT_EQ(CountPixels(Box.Surface, Paper), 60 * 30 - R.Width() * R.Height());
  EXPECT_GT(CountOthers(Box.Surface, R, Red, Red), 10);
  EXPECT_EQ(Box.Canvas.ClipRect(), Rect(0, 0, 60, 30)) << "the clip is restored";
  EXPECT_EQ(Box.Canvas.PenPos(), Point(0, 0));
}

TEST(CanvasText, TextRectWithAClearBrushKeepsTheBackground) {
  TPaintBox Box(60, 30, Paper);
  Box.Canvas.Brush()->SetStyle(bsClear);
  const TRect R = Rect(10, 5, 30, 15);
  Box.Canvas.TextRect(R, 2, 1, "WWWWWWWWWW");
  EXPECT_GT(CountOthers(Box.Surface, R, Paper, Paper), 10);
  EXPECT_EQ(CountOthers(Box.Surface, Rect(0, 0, 60, 30), Paper, Paper),
            CountOthers(Box.Surface, R, Paper, Paper));
}

TEST(CanvasText, TextIsDrawnInTheFontColour) {
  TPaintBox Box(40, 30);
  Box.Canvas.Brush()->SetStyle(bsClear);
  Box.Canvas.Font()->SetColor(clRed);
  Box.Canvas.TextOut(2, 2, "ll");
  // Red blended over white keeps the red channel full and takes green and blue down together.
  int Ink = 0;
  for (int Y = 0; Y < 30; ++Y)
    for (int X = 0; X < 40; ++X) {
      const uint32_t P = Box.Surface.Pixel(X, Y);
      if (P == 0xFFFFFFFFu) continue;
      ++Ink;
      EXPECT_EQ(P & 0xFFFF0000u, 0xFFFF0000u);
      EXPECT_EQ((P >> 8) & 0xFF, P & 0xFF);
    }
  EXPECT_GT(Ink, 10);
}
