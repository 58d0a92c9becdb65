#include "framework/graphics/frame_3d.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/rtl/exceptions.h"
#include "graphics_test_helpers.h"

using namespace framework;
using graphics_test::TPaintBox;

namespace {

const std::vector<std::pair<uint32_t, char>> Legend = {
    {0xFFFFFFFFu, '.'}, {0xFFFF0000u, 'r'}, {0xFF0000FFu, 'b'}};

}  // namespace

TEST(Frame3D, DrawsNestedFramesAndReturnsTheInside) {
  TPaintBox Box(6, 6);
  TRect R = Rect(0, 0, 6, 6);
  Frame3D(&Box.Canvas, R, clRed, clBlue, 2);
  EXPECT_EQ(graphics_test::Picture(Box.Surface, Legend),
            "rrrrrb\n"
            "rrrrbb\n"
            "rr..bb\n"
            "rr..bb\n"
            "rbbbbb\n"
            "bbbbbb\n");
  EXPECT_EQ(R, Rect(2, 2, 4, 4));
}

TEST(Frame3D, OneFrameGivesTheCornersToTheBottomColour) {
  TPaintBox Box(4, 3);
  TRect R = Rect(0, 0, 4, 3);
  Frame3D(&Box.Canvas, R, clRed, clBlue, 1);
  EXPECT_EQ(graphics_test::Picture(Box.Surface, Legend),
            "rrrb\n"
            "r..b\n"
            "bbbb\n");
  EXPECT_EQ(R, Rect(1, 1, 3, 2));
}

TEST(Frame3D, LeavesThePenAsItWas) {
  TPaintBox Box(8, 8);
  Box.Canvas.Pen()->SetColor(clLime);
  Box.Canvas.Pen()->SetWidth(3);
  Box.Canvas.Pen()->SetStyle(psDot);
  TRect R = Rect(1, 1, 7, 7);
  Frame3D(&Box.Canvas, R, clRed, clBlue, 1);
  EXPECT_EQ(Box.Canvas.Pen()->Color(), clLime);
  EXPECT_EQ(Box.Canvas.Pen()->Width(), 3);
  EXPECT_EQ(Box.Canvas.Pen()->Style(), psDot);
  // Drawn solid and one pixel wide whatever the pen was.
  EXPECT_EQ(Box.Surface.Pixel(2, 1), 0xFFFF0000u);
  EXPECT_EQ(Box.Surface.Pixel(0, 0), 0xFFFFFFFFu);
}

TEST(Frame3D, WithoutAHandleRaisesAndKeepsThePen) {
  TCanvas Canvas;
  Canvas.Pen()->SetColor(clLime);
  TRect R = Rect(0, 0, 4, 4);
  EXPECT_THROW(Frame3D(&Canvas, R, clRed, clBlue, 1), EInvalidOperation);
  EXPECT_EQ(Canvas.Pen()->Color(), clLime);
}
