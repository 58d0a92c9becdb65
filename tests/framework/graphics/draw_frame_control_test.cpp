#include "framework/graphics/draw_frame_control.h"

#include <gtest/gtest.h>

#include "framework/graphics/color.h"
#include "graphics_test_helpers.h"

using namespace framework;

namespace {

constexpr uint32_t White = 0xFFFFFFFFu, Black = 0xFF000000u, Gray = 0xFF808080u,
                   Silver = 0xFFC0C0C0u, Paper = 0xFF00FF00u;

struct TControlBox {
  TControlBox(int Width, int Height) : Surface(Width, Height, Paper), DC(Surface) {}
  uint32_t At(int X, int Y) const { return Surface.Pixel(X, Y); }
  TSurface Surface;
  TDeviceContext DC;
};

}  // namespace

TEST(DrawFrameControl, ComboButtonIsARaisedFaceWithADownArrow) {
  TControlBox Box(16, 16);
  ASSERT_TRUE(DrawFrameControl(&Box.DC, Rect(0, 0, 16, 16), DFC_SCROLL, DFCS_SCROLLCOMBOBOX));
  EXPECT_EQ(Box.At(0, 0), Silver);  // 3-D light
  EXPECT_EQ(Box.At(15, 0), Black);  // 3-D dark shadow, the top-right corner too
  EXPECT_EQ(Box.At(0, 15), Black);
  EXPECT_EQ(Box.At(1, 1), White);  // button highlight
  EXPECT_EQ(Box.At(14, 1), Gray);  // button shadow
  EXPECT_EQ(Box.At(14, 14), Gray);
  EXPECT_EQ(Box.At(2, 2), Silver);  // face
  // The arrow: 7 pixels wide, 4 rows, centred.
  for (int X = 4; X <= 10; ++X) EXPECT_EQ(Box.At(X, 6), Black) << X;
  EXPECT_EQ(Box.At(3, 6), Silver);
  EXPECT_EQ(Box.At(11, 6), Silver);
  EXPECT_EQ(Box.At(7, 9), Black);
  EXPECT_EQ(Box.At(6, 9), Silver);
  EXPECT_EQ(Box.At(7, 10), Silver);
  EXPECT_EQ(graphics_test::CountPixels(Box.Surface, Black), 7 + 5 + 3 + 1 + 15 + 16);
}

TEST(DrawFrameControl, PushedComboButtonIsFlatWithTheArrowMoved) {
  TControlBox Box(16, 16);
  DrawFrameControl(&Box.DC, Rect(0, 0, 16, 16), DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_PUSHED);
  EXPECT_EQ(Box.At(0, 0), Gray);
  EXPECT_EQ(Box.At(15, 15), Gray);
  EXPECT_EQ(Box.At(1, 1), Silver);
  EXPECT_EQ(Box.At(14, 14), Silver);
  EXPECT_EQ(Box.At(4, 6), Silver);
  for (int X = 5; X <= 11; ++X) EXPECT_EQ(Box.At(X, 7), Black) << X;
  EXPECT_EQ(Box.At(8, 10), Black);
}

TEST(DrawFrameControl, FlatComboButtonHasAOnePixelBorder) {
  TControlBox Box(16, 16);
  DrawFrameControl(&Box.DC, Rect(0, 0, 16, 16), DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_FLAT);
  EXPECT_EQ(Box.At(0, 0), Gray);
  EXPECT_EQ(Box.At(15, 0), Gray);
  EXPECT_EQ(Box.At(1, 1), Silver);
  EXPECT_EQ(Box.At(4, 6), Black);  // the arrow stays in place
}

TEST(DrawFrameControl, InactiveComboArrowIsGrayOverAWhiteShadow) {
  TControlBox Box(16, 16);
  DrawFrameControl(&Box.DC, Rect(0, 0, 16, 16), DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE);
  EXPECT_EQ(Box.At(4, 6), Gray);
  EXPECT_EQ(Box.At(7, 9), Gray);
  EXPECT_EQ(Box.At(11, 7), White);
  EXPECT_EQ(Box.At(8, 10), White);
  EXPECT_EQ(graphics_test::CountPixels(Box.Surface, Black), 15 + 16);  // the frame only
}

TEST(DrawFrameControl, ScrollArrowsPointTheirWay) {
  TControlBox Box(16, 16);
  DrawFrameControl(&Box.DC, Rect(0, 0, 16, 16), DFC_SCROLL, DFCS_SCROLLUP);
  EXPECT_EQ(Box.At(7, 6), Black);
  EXPECT_EQ(Box.At(6, 6), Silver);
  EXPECT_EQ(Box.At(4, 9), Black);
  DrawFrameControl(&Box.DC, Rect(0, 0, 16, 16), DFC_SCROLL, DFCS_SCROLLRIGHT);
  EXPECT_EQ(Box.At(6, 4), Black);
  EXPECT_EQ(Box.At(9, 7), Black);
  EXPECT_EQ(Box.At(9, 6), Silver);
}

TEST(DrawFrameControl, CheckBoxIsASunkenWhiteSquare) {
  TControlBox Box(13, 13);
  ASSERT_TRUE(DrawFrameControl(&Box.DC, Rect(0, 0, 13, 13), DFC_BUTTON, DFCS_BUTTONCHECK));
  EXPECT_EQ(Box.At(0, 0), Gray);    // button shadow
  EXPECT_EQ(Box.At(12, 0), White);  // button highlight, the top-right corner too
  EXPECT_EQ(Box.At(12, 12), White);
  EXPECT_EQ(Box.At(1, 1), Black);     // 3-D dark shadow
  EXPECT_EQ(Box.At(11, 11), Silver);  // 3-D light
  EXPECT_EQ(Box.At(2, 2), White);
  EXPECT_EQ(Box.At(10, 10), White);
  EXPECT_EQ(graphics_test::CountPixels(Box.Surface, White), 9 * 9 + 12 + 13);
}

TEST(DrawFrameControl, CheckedBoxHasTheCheckMark) {
  TControlBox Box(13, 13);
  DrawFrameControl(&Box.DC, Rect(0, 0, 13, 13), DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  EXPECT_EQ(Box.At(9, 3), Black);
  EXPECT_EQ(Box.At(3, 5), Black);
  EXPECT_EQ(Box.At(5, 9), Black);
  EXPECT_EQ(Box.At(4, 5), White);
  EXPECT_EQ(Box.At(3, 3), White);
  // The mark covers 21 of the white pixels.
  EXPECT_EQ(graphics_test::CountPixels(Box.Surface, White), 9 * 9 + 12 + 13 - 21);
}

TEST(DrawFrameControl, InactiveCheckBoxIsGrayInside) {
  TControlBox Box(13, 13);
  DrawFrameControl(&Box.DC, Rect(0, 0, 13, 13), DFC_BUTTON,
                   DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE);
  EXPECT_EQ(Box.At(2, 2), Silver);
  EXPECT_EQ(Box.At(9, 3), Gray);
  EXPECT_EQ(Box.At(1, 1), Black);
}

TEST(DrawFrameControl, CheckBoxIsCentredInALargerRectangle) {
  TControlBox Box(20, 20);
  DrawFrameControl(&Box.DC, Rect(0, 0, 19, 17), DFC_BUTTON, DFCS_BUTTONCHECK);
  EXPECT_EQ(Box.At(2, 1), Paper);
  EXPECT_EQ(Box.At(3, 2), Gray);
  EXPECT_EQ(Box.At(15, 14), White);
  EXPECT_EQ(Box.At(16, 15), Paper);
}

TEST(DrawFrameControl, IsClippedAndTranslated) {
  TSurface Surface(20, 20, Paper);
  TDeviceContext DC(Surface, {4, 4}, TRegion(Rect(0, 0, 10, 20)));
  DrawFrameControl(&DC, Rect(0, 0, 16, 16), DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  EXPECT_EQ(Surface.Pixel(4, 4), Silver);
  EXPECT_EQ(Surface.Pixel(3, 4), Paper);
  EXPECT_EQ(Surface.Pixel(9, 10), Black);  // the arrow's row, cut at the clip
  EXPECT_EQ(Surface.Pixel(10, 10), Paper);
}

TEST(DrawFrameControl, RefusesWhatItDoesNotKnow) {
  TControlBox Box(4, 4);
  EXPECT_FALSE(DrawFrameControl(&Box.DC, Rect(0, 0, 4, 4), 99, 0));
  EXPECT_FALSE(DrawFrameControl(&Box.DC, Rect(0, 0, 4, 4), DFC_SCROLL, 0x42));
  EXPECT_FALSE(DrawFrameControl(nullptr, Rect(0, 0, 4, 4), DFC_BUTTON, DFCS_BUTTONCHECK));
  EXPECT_EQ(graphics_test::CountPixels(Box.Surface, Paper), 16);
}
