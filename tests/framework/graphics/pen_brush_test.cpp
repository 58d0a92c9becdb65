#include <gtest/gtest.h>

#include "framework/graphics/brush.h"
#include "framework/graphics/pen.h"
#include "framework/rtl/exceptions.h"

using namespace framework;

TEST(Pen, ChangesFireOnChangeOnce) {
  TPen Pen;
  int Changes = 0;
  Pen.OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &Pen);
    ++Changes;
  };
  Pen.SetColor(clBlack);  // unchanged
  Pen.SetColor(clRed);
  Pen.SetWidth(3);
  Pen.SetStyle(psDash);
  Pen.SetStyle(psDash);
  EXPECT_EQ(Changes, 3);
}

TEST(Pen, AssignCopiesWithOneChange) {
  TPen Source;
  Source.SetColor(clNavy);
  Source.SetWidth(2);
  Source.SetStyle(psInsideFrame);
  TPen Pen;
  int Changes = 0;
  Pen.OnChange = [&](TObject*) { ++Changes; };
  Pen.Assign(&Source);
  EXPECT_EQ(Pen.Color(), clNavy);
  EXPECT_EQ(Pen.Width(), 2);
  EXPECT_EQ(Pen.Style(), psInsideFrame);
  EXPECT_EQ(Changes, 1);
  Pen.Assign(&Source);
  EXPECT_EQ(Changes, 1);
  TBrush Brush;
  EXPECT_THROW(Pen.Assign(&Brush), EConvertError);
}

TEST(Pen, NegativeWidthIsZero) {
  TPen Pen;
  Pen.SetWidth(-4);
  EXPECT_EQ(Pen.Width(), 0);
}

TEST(Brush, AColourMakesAClearBrushSolid) {
  TBrush Brush;
  int Changes = 0;
  Brush.OnChange = [&](TObject*) { ++Changes; };
  Brush.SetStyle(bsClear);
  Brush.SetColor(clWhite);
  EXPECT_EQ(Brush.Style(), bsSolid);
  EXPECT_EQ(Changes, 2);
}

TEST(Brush, AssignCopies) {
  TBrush Source;
  Source.SetColor(clTeal);
  Source.SetStyle(bsClear);
  TBrush Brush;
  Brush.Assign(&Source);
  EXPECT_EQ(Brush.Color(), clTeal);
  EXPECT_EQ(Brush.Style(), bsClear);
  EXPECT_THROW(Brush.Assign(nullptr), EConvertError);
}
