#include "framework/graphics/device_context.h"

#include <gtest/gtest.h>

#include "graphics_test_helpers.h"

using namespace framework;
using graphics_test::CountPixels;
using graphics_test::Fill;

namespace {

constexpr uint32_t Red = 0xFFFF0000u, Blue = 0xFF0000FFu, White = 0xFFFFFFFFu;

}  // namespace

TEST(DeviceContext, ClipIsCutDownToTheSurface) {
  TSurface Surface(10, 8);
  TDeviceContext DC(Surface, {2, 3}, TRegion(Rect(-5, -5, 50, 50)));
  EXPECT_EQ(DC.ClipRegion().Bounds(), Rect(0, 0, 10, 8));
  EXPECT_EQ(DC.GetClipBox(), Rect(-2, -3, 8, 5));
}

TEST(DeviceContext, FillRectTranslatesByTheOrigin) {
  TSurface Surface(10, 10, White);
  TDeviceContext DC(Surface, {3, 4}, TRegion(Rect(0, 0, 10, 10)));
  DC.FillRect(Rect(0, 0, 2, 2), Red);
  EXPECT_EQ(Surface.Pixel(3, 4), Red);
  EXPECT_EQ(Surface.Pixel(4, 5), Red);
  EXPECT_EQ(Surface.Pixel(5, 5), White);
  EXPECT_EQ(CountPixels(Surface, Red), 4);
}

TEST(DeviceContext, FillAcrossTheClipEdgeTouchesNothingOutside) {
  TSurface Surface(20, 20, White);
  TDeviceContext DC(Surface, {0, 0}, TRegion(Rect(5, 5, 15, 15)));
  DC.FillRect(Rect(-10, 0, 30, 10), Red);
  for (int Y = 0; Y < 20; ++Y)
    for (int X = 0; X < 20; ++X)
      EXPECT_EQ(Surface.Pixel(X, Y), (X >= 5 && X < 15 && Y >= 5 && Y < 10) ? Red : White)
          << X << "," << Y;
}

TEST(DeviceContext, ExcludeClipRectLeavesAHole) {
  TSurface Surface(10, 10, White);
  TDeviceContext DC(Surface);
  DC.ExcludeClipRect(Rect(2, 2, 4, 4));
  DC.FillRect(Rect(0, 0, 10, 10), Red);
  EXPECT_EQ(Surface.Pixel(2, 2), White);
  EXPECT_EQ(Surface.Pixel(3, 3), White);
  EXPECT_EQ(Surface.Pixel(4, 4), Red);
  EXPECT_EQ(CountPixels(Surface, White), 4);
  EXPECT_FALSE(DC.RectVisible(Rect(2, 2, 4, 4)));
  EXPECT_TRUE(DC.RectVisible(Rect(2, 2, 5, 4)));
}

TEST(DeviceContext, IntersectClipRectIsInLogicalCoordinates) {
  TSurface Surface(10, 10, White);
  TDeviceContext DC(Surface, {5, 5}, TRegion(Rect(0, 0, 10, 10)));
  DC.IntersectClipRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(DC.GetClipBox(), Rect(0, 0, 2, 2));
  EXPECT_EQ(DC.ClipRegion().Bounds(), Rect(5, 5, 7, 7));
  DC.FillRect(Rect(-5, -5, 5, 5), Red);
  EXPECT_EQ(CountPixels(Surface, Red), 4);
}

TEST(DeviceContext, SaveAndRestoreNestTheClipAndTheOrigin) {
  TSurface Surface(10, 10, White);
  TDeviceContext DC(Surface);
  DC.Save();
  DC.IntersectClipRect(Rect(0, 0, 5, 5));
  DC.Save();
  DC.MoveOrigin(2, 2);
  DC.ExcludeClipRect(Rect(0, 0, 1, 1));
  EXPECT_FALSE(DC.PtVisible(0, 0));
  EXPECT_EQ(DC.SaveDepth(), 2);
  DC.Restore();
  EXPECT_EQ(DC.Origin(), Point(0, 0));
  EXPECT_TRUE(DC.PtVisible(2, 2));
  EXPECT_EQ(DC.GetClipBox(), Rect(0, 0, 5, 5));
  DC.Restore();
  EXPECT_EQ(DC.GetClipBox(), Rect(0, 0, 10, 10));
  DC.Restore();  // one too many does nothing
  EXPECT_EQ(DC.GetClipBox(), Rect(0, 0, 10, 10));
}

TEST(DeviceContext, NothingVisibleGivesAnEmptyClipBoxAndDrawsNothing) {
  TSurface Surface(4, 4, White);
  TDeviceContext DC(Surface);
  DC.IntersectClipRect(Rect(10, 10, 20, 20));
  EXPECT_EQ(DC.GetClipBox(), TRect{});
  DC.FillRect(Rect(0, 0, 4, 4), Red);
  DC.SetPixel(1, 1, Red);
  EXPECT_EQ(CountPixels(Surface, White), 16);
}

TEST(DeviceContext, SetPixelAndGetPixel) {
  TSurface Surface(4, 4, White);
  TDeviceContext DC(Surface, {1, 1}, TRegion(Rect(0, 0, 4, 4)));
  DC.SetPixel(0, 0, Red);
  DC.SetPixel(5, 5, Red);
  EXPECT_EQ(Surface.Pixel(1, 1), Red);
  EXPECT_EQ(DC.GetPixel(0, 0), Red);
  EXPECT_EQ(DC.GetPixel(-1, -1), White);
  EXPECT_EQ(DC.GetPixel(3, 3), 0u);  // outside the surface
}

TEST(DeviceContext, BlendPixelIsSourceOverWithTheCoverage) {
  TSurface Surface(3, 1, 0xFF000000u);
  TDeviceContext DC(Surface);
  DC.BlendPixel(0, 0, White, 255);
  DC.BlendPixel(1, 0, White, 128);
  DC.BlendPixel(2, 0, White, 0);
  EXPECT_EQ(Surface.Pixel(0, 0), White);
  EXPECT_EQ(Surface.Pixel(1, 0), 0xFF808080u);
  EXPECT_EQ(Surface.Pixel(2, 0), 0xFF000000u);
  TSurface Red2(1, 1, Red);
  TDeviceContext RedDC(Red2);
  RedDC.BlendPixel(0, 0, Blue, 64);
  EXPECT_EQ(Red2.Pixel(0, 0), 0xFFBF0040u);
}

// A mask crossing the edge of a clip region made of two rectangles blends only inside them, each
// pixel with its own coverage, at the origin-translated place.
TEST(DeviceContext, BlendMaskIsClippedPerRectangleAndKeepsItsRows) {
  TSurface Surface(6, 3, 0xFF000000u);
  TRegion Clip(Rect(0, 0, 3, 3));
  Clip.Union(Rect(4, 0, 6, 1));
  TDeviceContext DC(Surface, {1, 0}, Clip);
  const uint8_t Mask[] = {255, 255, 255, 255, 128, 0, 255, 255};
  DC.BlendMask(Bounds(1, 0, 4, 2), Mask, White);
  const uint32_t Gray = 0xFF808080u, Black = 0xFF000000u;
  const uint32_t Expected[3][6] = {{Black, Black, White, Black, White, White},
                                   {Black, Black, Gray, Black, Black, Black},
                                   {Black, Black, Black, Black, Black, Black}};
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 6; ++X) EXPECT_EQ(Surface.Pixel(X, Y), Expected[Y][X]) << X << "," << Y;
}

TEST(DeviceContext, BlendPixelIsClipped) {
  TSurface Surface(3, 1, 0xFF000000u);
  TDeviceContext DC(Surface, {0, 0}, TRegion(Rect(0, 0, 1, 1)));
  DC.BlendPixel(1, 0, White, 255);
  DC.BlendPixel(7, 0, White, 255);
  EXPECT_EQ(Surface.Pixel(1, 0), 0xFF000000u);
}

TEST(DeviceContext, CopyFromClipsToTheSourceAndTheClip) {
  TSurface Source(4, 4, Blue);
  Source.SetPixel(0, 0, Red);
  TSurface Dest(10, 10, White);
  TDeviceContext DC(Dest, {0, 0}, TRegion(Rect(0, 0, 6, 10)));
  // Src reaches past the source: only its 4x4 pixels land, and only those left of x = 6.
  DC.CopyFrom(3, 2, Source, Rect(-1, -1, 5, 5));
  EXPECT_EQ(Dest.Pixel(3, 2), White);  // the source's (-1, -1): nothing there
  EXPECT_EQ(Dest.Pixel(4, 3), Red);
  EXPECT_EQ(Dest.Pixel(5, 3), Blue);
  EXPECT_EQ(Dest.Pixel(6, 3), White);  // clipped
  EXPECT_EQ(CountPixels(Dest, Red) + CountPixels(Dest, Blue), 2 * 4);
}

TEST(DeviceContext, CopyWithinOneSurfaceReadsBeforeWriting) {
  TSurface Surface(6, 1, White);
  for (int X = 0; X < 6; ++X) Surface.SetPixel(X, 0, 0xFF000000u | uint32_t(X));
  TDeviceContext DC(Surface);
  DC.CopyFrom(1, 0, Surface, Rect(0, 0, 5, 1));
  for (int X = 1; X < 6; ++X) EXPECT_EQ(Surface.Pixel(X, 0), 0xFF000000u | uint32_t(X - 1));
}

TEST(DeviceContext, StretchFromScalesByTheNearestPixel) {
  TSurface Source(2, 2);
  Source.SetPixel(0, 0, Red);
  Source.SetPixel(1, 0, Blue);
  Source.SetPixel(0, 1, Blue);
  Source.SetPixel(1, 1, Red);
  TSurface Dest(4, 4, White);
  TDeviceContext DC(Dest);
  DC.StretchFrom(Rect(0, 0, 4, 4), Source, Rect(0, 0, 2, 2));
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 4; ++X) EXPECT_EQ(Dest.Pixel(X, Y), ((X / 2) ^ (Y / 2)) ? Blue : Red);
  // And down again: every other pixel.
  TSurface Small(2, 2, White);
  TDeviceContext SmallDC(Small);
  SmallDC.StretchFrom(Rect(0, 0, 2, 2), Dest, Rect(0, 0, 4, 4));
  EXPECT_EQ(Small.Pixel(0, 0), Red);
  EXPECT_EQ(Small.Pixel(1, 0), Blue);
}

TEST(DeviceContext, BrushCopyFromPaintsTheKeyColour) {
  TSurface Glyph(3, 1, White);
  Glyph.SetPixel(1, 0, 0xFF000000u);
  TSurface Dest(3, 1, Blue);
  TDeviceContext DC(Dest);
  DC.BrushCopyFrom(Rect(0, 0, 3, 1), Glyph, Rect(0, 0, 3, 1), 0xFF000000u, Red);
  EXPECT_EQ(Dest.Pixel(0, 0), White);
  EXPECT_EQ(Dest.Pixel(1, 0), Red);
  Fill(Dest, Blue);
  DC.BrushCopyFrom(Rect(0, 0, 3, 1), Glyph, Rect(0, 0, 3, 1), 0xFF000000u, Red, true);
  EXPECT_EQ(Dest.Pixel(1, 0), Blue);
  EXPECT_EQ(Dest.Pixel(2, 0), White);
}

TEST(DeviceContext, InvertTwiceRestores) {
  TSurface Surface(4, 4, 0xFF123456u);
  TDeviceContext DC(Surface);
  DC.InvertRect(Rect(1, 1, 3, 3));
  EXPECT_EQ(Surface.Pixel(1, 1), 0xFFEDCBA9u);
  EXPECT_EQ(Surface.Pixel(0, 0), 0xFF123456u);
  DC.InvertPixel(1, 1);
  EXPECT_EQ(Surface.Pixel(1, 1), 0xFF123456u);
}

TEST(Surface, ResizeKeepsWhatFits) {
  TSurface Surface(3, 2, Red);
  Surface.SetPixel(2, 1, Blue);
  Surface.Resize(4, 3, White);
  EXPECT_EQ(Surface.Width(), 4);
  EXPECT_EQ(Surface.Height(), 3);
  EXPECT_EQ(Surface.Pixel(0, 0), Red);
  EXPECT_EQ(Surface.Pixel(2, 1), Blue);
  EXPECT_EQ(Surface.Pixel(3, 0), White);
  EXPECT_EQ(Surface.Pixel(0, 2), White);
  Surface.Resize(2, 1);
  EXPECT_EQ(Surface.Pixel(1, 0), Red);
  Surface.Resize(0, 0);
  EXPECT_EQ(Surface.Width(), 0);
}
