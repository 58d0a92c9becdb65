#include "framework/graphics/resources.h"

#include <gtest/gtest.h>

#include "framework/graphics/bitmap.h"
#include "graphics_test_helpers.h"

using namespace framework;

TEST(Resources, AreFoundIgnoringCase) {
  const std::string* Data = FindResource("DemoGlyph");
  ASSERT_NE(Data, nullptr);
  EXPECT_EQ(FindResource("demoglyph"), Data);
  EXPECT_EQ(&ResourceData("DEMOGLYPH"), Data);
  EXPECT_EQ(FindResource("DemoGlyph2"), nullptr);
  try {
    ResourceData("Nothing");
    FAIL() << "found";
  } catch (const EResNotFound& E) {
    EXPECT_EQ(E.Message(), "Resource Nothing not found");
  }
}

TEST(Resources, DemoGlyphLoadsAsASixteenColourBitmap) {
  TBitmap Bitmap;
  Bitmap.LoadFromResourceName("demoGlyph");
  EXPECT_EQ(Bitmap.PixelFormat(), pf4bit);
  const std::pair<uint32_t, char> Legend[] = {
      {0xFFC0C0C0, '.'}, {0xFF008000, 'g'}, {0xFF808080, '-'}, {0xFFFFFFFF, 'w'}};
  EXPECT_EQ(graphics_test::Picture(Bitmap.Surface(), Legend),
            "................................\n"
            "................................\n"
            "................................\n"
            "...........g...............-....\n"
            "..........gg..............--w...\n"
            ".........ggg.............---w...\n"
            "..g.....ggg.......-.....---ww...\n"
            "..gg...ggg........--...---ww....\n"
            "..ggg.ggg.........---.---ww.....\n"
            "...ggggg...........-----ww......\n"
            "....ggg.............---ww.......\n"
            ".....g...............-ww........\n"
            "......................w.........\n"
            "................................\n"
            "................................\n"
            "................................\n");
}

TEST(Resources, AMissingResourceLeavesTheBitmapAsItWas) {
  TBitmap Bitmap;
  Bitmap.SetSize(2, 2);
  EXPECT_THROW(Bitmap.LoadFromResourceName("Missing"), EResNotFound);
  EXPECT_EQ(Bitmap.Width(), 2);
}
