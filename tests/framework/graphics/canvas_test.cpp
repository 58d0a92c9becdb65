#include "framework/graphics/canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/rtl/exceptions.h"
#include "graphics_test_helpers.h"

using namespace framework;
using graphics_test::CountPixels;
using graphics_test::TPaintBox;

namespace {

constexpr uint32_t White = 0xFFFFFFFFu, Black = 0xFF000000u, Red = 0xFFFF0000u, Blue = 0xFF0000FFu,
                   Lime = 0xFF00FF00u;

const std::vector<std::pair<uint32_t, char>> Legend = {
    {White, '.'}, {Black, '#'}, {Red, 'r'}, {Blue, 'b'}, {Lime, 'g'}};

std::string Picture(const TSurface& Surface) {
  return graphics_test::Picture(Surface, Legend);
}

}  // namespace

TEST(Canvas, DrawingWithoutAHandleRaises) {
  TCanvas Canvas;
  try {
    Canvas.FillRect(Rect(0, 0, 1, 1));
    FAIL() << "no exception";
  } catch (const EInvalidOperation& E) {
    EXPECT_EQ(E.Message(), "Canvas does not allow drawing");
  }
  EXPECT_THROW(Canvas.LineTo(1, 1), EInvalidOperation);
  EXPECT_THROW(Canvas.Pixels(0, 0), EInvalidOperation);
  EXPECT_THROW(Canvas.ClipRect(), EInvalidOperation);
}

TEST(Canvas, HasTheClassicDefaults) {
  TCanvas Canvas;
  EXPECT_EQ(Canvas.Pen()->Color(), clBlack);
  EXPECT_EQ(Canvas.Pen()->Width(), 1);
  EXPECT_EQ(Canvas.Pen()->Style(), psSolid);
  EXPECT_EQ(Canvas.Brush()->Color(), clWhite);
  EXPECT_EQ(Canvas.Brush()->Style(), bsSolid);
  EXPECT_EQ(Canvas.PenPos(), Point(0, 0));
}

struct LineCase {
  const char* Name;
  TPoint From, To;
  const char* Expected;
};

class CanvasLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(CanvasLine, StopsBeforeTheEndPoint) {
  const LineCase& Case = GetParam();
  TPaintBox Box(6, 4);
  Box.Canvas.MoveTo(Case.From.X, Case.From.Y);
  Box.Canvas.LineTo(Case.To.X, Case.To.Y);
  EXPECT_EQ(Picture(Box.Surface), Case.Expected);
  EXPECT_EQ(Box.Canvas.PenPos(), Case.To);
}

// clang-format off
const LineCase LineCases[] = {
    {"Right", {1, 1}, {5, 1},
     "......\n"
     ".####.\n"
     "......\n"
     "......\n"},
    {"Left", {5, 2}, {1, 2},
     "......\n"
     "......\n"
     "..####\n"
     "......\n"},
    {"Down", {0, 0}, {0, 3},
     "#.....\n"
     "#.....\n"
     "#.....\n"
     "......\n"},
    {"Diagonal", {0, 0}, {3, 3},
     "#.....\n"
     ".#....\n"
     "..#...\n"
     "......\n"},
    {"Shallow", {0, 0}, {6, 2},
     "##....\n"
     "..###.\n"
     ".....#\n"
     "......\n"},
    {"Point", {2, 2}, {2, 2},
     "......\n"
     "......\n"
     "......\n"
     "......\n"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Directions, CanvasLine, ::testing::ValuesIn(LineCases),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(Canvas, LinesJoinWithoutGapsOrOverlaps) {
  TPaintBox Box(5, 5);
  Box.Canvas.MoveTo(0, 0);
  Box.Canvas.LineTo(4, 0);
  Box.Canvas.LineTo(4, 4);
  Box.Canvas.LineTo(0, 4);
  Box.Canvas.LineTo(0, 0);
  EXPECT_EQ(Picture(Box.Surface),
            "#####\n"
            "#...#\n"
            "#...#\n"
            "#...#\n"
            "#####\n");
}

TEST(Canvas, DottedLinePaintsItsGapsInTheBrushColour) {
  TPaintBox Box(14, 2);
  Box.Canvas.Pen()->SetStyle(psDot);
  Box.Canvas.Brush()->SetColor(clRed);
  Box.Canvas.MoveTo(0, 0);
  Box.Canvas.LineTo(14, 0);
  Box.Canvas.Brush()->SetStyle(bsClear);
  Box.Canvas.MoveTo(0, 1);
  Box.Canvas.LineTo(14, 1);
  EXPECT_EQ(Picture(Box.Surface),
            "###rrr###rrr##\n"
            "###...###...##\n");
}

TEST(Canvas, DashPatternsAreTheSystems) {
  TPaintBox Box(30, 3);
  Box.Canvas.Brush()->SetStyle(bsClear);
  const std::pair<TPenStyle, const char*> Cases[] = {
      {psDash, "##################......######"},
      {psDashDot, "#########......###......######"},
      {psDashDotDot, "#########...###...###...######"}};
  for (int I = 0; I < 3; ++I) {
    Box.Canvas.Pen()->SetStyle(Cases[I].first);
    Box.Canvas.MoveTo(0, I);
    Box.Canvas.LineTo(30, I);
  }
  EXPECT_EQ(Picture(Box.Surface),
            std::string(Cases[0].second) + "\n" + Cases[1].second + "\n" + Cases[2].second + "\n");
}

TEST(Canvas, ClearPenDrawsNothingButMoves) {
  TPaintBox Box(4, 4);
  Box.Canvas.Pen()->SetStyle(psClear);
  Box.Canvas.LineTo(3, 3);
  EXPECT_EQ(CountPixels(Box.Surface, White), 16);
  EXPECT_EQ(Box.Canvas.PenPos(), Point(3, 3));
}

TEST(Canvas, WidePenCoversItsWidthAndTheEndPoint) {
  TPaintBox Box(8, 5);
  Box.Canvas.Pen()->SetWidth(3);
  Box.Canvas.Pen()->SetStyle(psDash);  // wide pens draw solid
  Box.Canvas.MoveTo(2, 2);
  Box.Canvas.LineTo(5, 2);
  EXPECT_EQ(Picture(Box.Surface),
            "........\n"
            ".######.\n"
            ".######.\n"
            ".######.\n"
            "........\n");
}

TEST(Canvas, PolylineDoesNotMoveThePen) {
  TPaintBox Box(4, 3);
  const TPoint Points[] = {{0, 0}, {3, 0}, {3, 3}};
  Box.Canvas.Polyline(Points);
  EXPECT_EQ(Picture(Box.Surface),
            "####\n"
            "...#\n"
            "...#\n");
  EXPECT_EQ(Box.Canvas.PenPos(), Point(0, 0));
}

TEST(Canvas, RectangleFramesInThePenAndFillsInTheBrush) {
  TPaintBox Box(7, 6);
  Box.Canvas.Brush()->SetColor(clRed);
  Box.Canvas.Rectangle(1, 1, 6, 5);
  EXPECT_EQ(Picture(Box.Surface),
            ".......\n"
            ".#####.\n"
            ".#rrr#.\n"
            ".#rrr#.\n"
            ".#####.\n"
            ".......\n");
}

TEST(Canvas, RectangleWithAClearBrushLeavesTheInside) {
  TPaintBox Box(5, 5, 0xFF0000FFu);
  Box.Canvas.Brush()->SetStyle(bsClear);
  Box.Canvas.Rectangle(Rect(0, 0, 5, 5));
  EXPECT_EQ(Picture(Box.Surface),
            "#####\n"
            "#bbb#\n"
            "#bbb#\n"
            "#bbb#\n"
            "#####\n");
}

TEST(Canvas, RectangleWithAClearPenIsAPixelSmaller) {
  TPaintBox Box(5, 4);
  Box.Canvas.Pen()->SetStyle(psClear);
  Box.Canvas.Brush()->SetColor(clRed);
  Box.Canvas.Rectangle(0, 0, 4, 3);
  EXPECT_EQ(Picture(Box.Surface),
            "rrr..\n"
            "rrr..\n"
            ".....\n"
            ".....\n");
}

TEST(Canvas, InsideFramePenStaysInside) {
  TPaintBox Box(6, 6);
  Box.Canvas.Pen()->SetWidth(2);
  Box.Canvas.Pen()->SetStyle(psInsideFrame);
  Box.Canvas.Brush()->SetColor(clRed);
  Box.Canvas.Rectangle(0, 0, 6, 5);
  EXPECT_EQ(Picture(Box.Surface),
            "######\n"
            "######\n"
            "##rr##\n"
            "######\n"
            "######\n"
            "......\n");
}

TEST(Canvas, WidePenFrameIsCentredOnTheOutline) {
  TPaintBox Box(8, 8);
  Box.Canvas.Pen()->SetWidth(3);
  Box.Canvas.Brush()->SetColor(clRed);
  Box.Canvas.Rectangle(2, 2, 7, 7);
  EXPECT_EQ(Picture(Box.Surface),
            "........\n"
            ".#######\n"
            ".#######\n"
            ".#######\n"
            ".###r###\n"
            ".#######\n"
            ".#######\n"
            ".#######\n");
}

TEST(Canvas, DottedRectangleRunsThePatternAround) {
  TPaintBox Box(4, 4);
  Box.Canvas.Pen()->SetStyle(psDot);
  Box.Canvas.Brush()->SetStyle(bsClear);
  Box.Canvas.Rectangle(0, 0, 4, 4);
  // Twelve outline pixels from the top-left corner clockwise: three on, three off, and so on.
  EXPECT_EQ(Picture(Box.Surface),
            "###.\n"
            "....\n"
            "....\n"
            ".###\n");
}

TEST(Canvas, FillRectAndFrameRectUseTheBrush) {
  TPaintBox Box(6, 5);
  Box.Canvas.Brush()->SetColor(clBlue);
  Box.Canvas.FillRect(Rect(1, 1, 3, 3));
  Box.Canvas.Brush()->SetColor(clRed);
  Box.Canvas.FrameRect(Rect(2, 1, 6, 5));
  EXPECT_EQ(Picture(Box.Surface),
            "......\n"
            ".brrrr\n"
            ".br..r\n"
            "..r..r\n"
            "..rrrr\n");
  Box.Canvas.Brush()->SetStyle(bsClear);
  Box.Canvas.FillRect(Rect(0, 0, 6, 5));
  EXPECT_EQ(CountPixels(Box.Surface, White), 16);
}

TEST(Canvas, PixelsReadAndWriteColours) {
  TPaintBox Box(3, 3);
  Box.Canvas.SetPixels(1, 1, clRed);
  Box.Canvas.SetPixels(2, 2, clBtnFace);
  EXPECT_EQ(Box.Canvas.Pixels(1, 1), clRed);
  EXPECT_EQ(Box.Canvas.Pixels(2, 2), clSilver);
  EXPECT_EQ(Box.Canvas.Pixels(0, 0), clWhite);
  EXPECT_EQ(Box.Surface.Pixel(1, 1), Red);
  EXPECT_EQ(Box.Canvas.Pixels(3, 0), TColor(-1));
  Box.Canvas.ExcludeClipRect(Rect(1, 1, 2, 2));
  EXPECT_EQ(Box.Canvas.Pixels(1, 1), TColor(-1));
}

TEST(Canvas, FocusRectInvertsEveryOtherPixelFromTheTopLeft) {
  TPaintBox Box(7, 5);
  Box.Canvas.DrawFocusRect(Rect(0, 0, 7, 5));
  EXPECT_EQ(Picture(Box.Surface),
            "#.#.#.#\n"
            ".......\n"
            "#.....#\n"
            ".......\n"
            "#.#.#.#\n");
  Box.Canvas.DrawFocusRect(Rect(0, 0, 7, 5));
  EXPECT_EQ(CountPixels(Box.Surface, White), 35);
}

TEST(Canvas, FocusRectOfOneRowInvertsEachPixelOnce) {
  TPaintBox Box(4, 1);
  Box.Canvas.DrawFocusRect(Rect(0, 0, 4, 1));
  EXPECT_EQ(Picture(Box.Surface), "#.#.\n");
}

TEST(Canvas, ClipRectFollowsIntersectAndExclude) {
  TPaintBox Box(10, 10);
  EXPECT_EQ(Box.Canvas.ClipRect(), Rect(0, 0, 10, 10));
  Box.Canvas.IntersectClipRect(Rect(2, 2, 8, 8));
  EXPECT_EQ(Box.Canvas.ClipRect(), Rect(2, 2, 8, 8));
  Box.Canvas.ExcludeClipRect(Rect(2, 2, 8, 4));
  EXPECT_EQ(Box.Canvas.ClipRect(), Rect(2, 4, 8, 8));
}

// Every primitive, drawn across the edges of a clip rectangle, touches nothing outside it.
class CanvasClipping : public ::testing::TestWithParam<int> {};

TEST_P(CanvasClipping, LeavesEverythingOutsideTheClip) {
  TPaintBox Box(20, 20);
  const TRect Clip = Rect(5, 5, 15, 15);
  Box.Canvas.IntersectClipRect(Clip);
  Box.Canvas.Brush()->SetColor(clRed);
  Box.Canvas.Pen()->SetWidth(GetParam() % 2 ? 1 : 3);
  TCanvas& C = Box.Canvas;
  switch (GetParam() / 2) {
    case 0: C.Rectangle(0, 0, 20, 20); break;
    case 1: C.Rectangle(2, 2, 10, 10); break;
    case 2:
      C.MoveTo(-3, -1);
      C.LineTo(25, 19);
      break;
    case 3: C.FillRect(Rect(0, 8, 30, 12)); break;
    case 4: C.FrameRect(Rect(3, 3, 12, 12)); break;
    case 5: C.DrawFocusRect(Rect(0, 0, 10, 10)); break;
    case 6:
      for (int I = 0; I < 20; ++I) C.SetPixels(I, I, clBlack);
      break;
  }
  int Inside = 0;
  for (int Y = 0; Y < 20; ++Y)
    for (int X = 0; X < 20; ++X) {
      if (Clip.Contains({X, Y})) {
        Inside += Box.Surface.Pixel(X, Y) != White;
        continue;
      }
      ASSERT_EQ(Box.Surface.Pixel(X, Y), White) << X << "," << Y;
    }
  EXPECT_GT(Inside, 0);
}

INSTANTIATE_TEST_SUITE_P(Primitives, CanvasClipping, ::testing::Range(0, 14));

TEST(Canvas, DrawingGoesThroughTheOrigin) {
  TSurface Surface(6, 6, White);
  TDeviceContext DC(Surface, {2, 3}, TRegion(Rect(0, 0, 6, 6)));
  TCanvas Canvas;
  Canvas.SetHandle(&DC);
  Canvas.Brush()->SetColor(clRed);
  Canvas.FillRect(Rect(0, 0, 1, 1));
  EXPECT_EQ(Surface.Pixel(2, 3), Red);
  EXPECT_EQ(Canvas.ClipRect(), Rect(-2, -3, 4, 3));
}

TEST(Canvas, CopyRectCopiesAndScales) {
  TPaintBox Source(2, 2);
  Source.Surface.SetPixel(0, 0, Red);
  Source.Surface.SetPixel(1, 1, Blue);
  TPaintBox Box(6, 4);
  Box.Canvas.CopyRect(Rect(0, 0, 2, 2), Source.Canvas, Rect(0, 0, 2, 2));
  Box.Canvas.CopyRect(Rect(2, 0, 6, 4), Source.Canvas, Rect(0, 0, 2, 2));
  EXPECT_EQ(Picture(Box.Surface),
            "r.rr..\n"
            ".brr..\n"
            "....bb\n"
            "....bb\n");
}

TEST(Canvas, CopyRectReadsTheSourceThroughItsOrigin) {
  TSurface SourceSurface(4, 4, White);
  SourceSurface.SetPixel(3, 3, Red);
  TDeviceContext SourceDC(SourceSurface, {2, 2}, TRegion(Rect(0, 0, 4, 4)));
  TCanvas Source;
  Source.SetHandle(&SourceDC);
  TPaintBox Box(2, 2, Black);
  Box.Canvas.CopyRect(Rect(0, 0, 2, 2), Source, Rect(0, 0, 2, 2));
  EXPECT_EQ(Picture(Box.Surface),
            "..\n"
            ".r\n");
}

TEST(Canvas, BrushCopyPaintsTheGivenColourInTheBrush) {
  TBitmap Glyph;
  Glyph.SetSize(3, 2);  // black
  Glyph.Surface().SetPixel(0, 0, Lime);
  Glyph.Surface().SetPixel(2, 1, Lime);
  TPaintBox Box(4, 2, Blue);
  Box.Canvas.Brush()->SetColor(clRed);
  Box.Canvas.BrushCopy(Rect(1, 0, 4, 2), &Glyph, Rect(0, 0, 3, 2), clBlack);
  EXPECT_EQ(Picture(Box.Surface),
            "bgrr\n"
            "brrg\n");
  Box.Canvas.Brush()->SetStyle(bsClear);
  graphics_test::Fill(Box.Surface, Blue);
  Box.Canvas.BrushCopy(Rect(1, 0, 4, 2), &Glyph, Rect(0, 0, 3, 2), clBlack);
  EXPECT_EQ(Picture(Box.Surface),
            "bgbb\n"
            "bbbg\n");
}

TEST(Canvas, DrawAndStretchDrawABitmap) {
  TBitmap Bitmap;
  Bitmap.SetSize(2, 1);
  Bitmap.Surface().SetPixel(1, 0, Red);
  TPaintBox Box(5, 3);
  Box.Canvas.Draw(0, 0, nullptr);
  TBitmap Empty;
  Box.Canvas.Draw(0, 0, &Empty);
  EXPECT_EQ(CountPixels(Box.Surface, White), 15);
  Box.Canvas.Draw(3, 0, &Bitmap);
  Box.Canvas.StretchDraw(Rect(0, 1, 4, 3), &Bitmap);
  EXPECT_EQ(Picture(Box.Surface),
            "...#r\n"
            "##rr.\n"
            "##rr.\n");
}

TEST(Canvas, DrawingFiresOnChangingAndOnChange) {
  TPaintBox Box(4, 4);
  std::vector<std::string> Log;
  Box.Canvas.OnChanging = [&](TObject*) { Log.push_back("changing"); };
  Box.Canvas.OnChange = [&](TObject*) { Log.push_back("change"); };
  Box.Canvas.FillRect(Rect(0, 0, 1, 1));
  Box.Canvas.LineTo(2, 2);
  EXPECT_EQ(Log, (std::vector<std::string>{"changing", "change", "changing", "change"}));
}

TEST(Canvas, DrawingOnABitmapsCanvasChangesTheBitmap) {
  TBitmap Bitmap;
  Bitmap.SetSize(3, 3);
  int Changes = 0;
  Bitmap.OnChange = [&](TObject*) { ++Changes; };
  Bitmap.Canvas().Brush()->SetColor(clRed);
  Bitmap.Canvas().FillRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(Bitmap.Surface().Pixel(1, 1), Red);
  EXPECT_EQ(Bitmap.Surface().Pixel(2, 2), Black);
  EXPECT_GE(Changes, 1);
}

TEST(Canvas, SetPenBrushAndFontCopy) {
  TCanvas Canvas;
  TPen Pen;
  Pen.SetColor(clRed);
  Pen.SetWidth(4);
  Canvas.SetPen(&Pen);
  EXPECT_EQ(Canvas.Pen()->Color(), clRed);
  EXPECT_EQ(Canvas.Pen()->Width(), 4);
  EXPECT_NE(Canvas.Pen(), &Pen);
  TBrush Brush;
  Brush.SetStyle(bsClear);
  Canvas.SetBrush(&Brush);
  EXPECT_EQ(Canvas.Brush()->Style(), bsClear);
}
