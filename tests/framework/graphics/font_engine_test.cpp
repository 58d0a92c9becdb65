#include "framework/graphics/font_engine.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/graphics/device_context.h"
#include "framework/graphics/surface.h"
#include "framework/rtl/exceptions.h"

namespace {

using namespace framework;

constexpr uint32_t White = 0xFFFFFFFFu;
constexpr uint32_t Black = 0xFF000000u;
constexpr uint32_t Red = 0xFFFF0000u;

const TFontFace& Sans(int PixelHeight, TFontStyles Style = {}) {
  return TFontFace::Find("DejaVu Sans", PixelHeight, Style);
}

// The smallest rectangle holding every pixel of Surface that is not Background; empty when
// there is none.
TRect PaintedBounds(const TSurface& Surface, uint32_t Background = White) {
  TRect Bounds{Surface.Width(), Surface.Height(), 0, 0};
  for (int Y = 0; Y < Surface.Height(); ++Y)
    for (int X = 0; X < Surface.Width(); ++X)
      if (Surface.Pixel(X, Y) != Background)
        Bounds = {std::min(Bounds.Left, X), std::min(Bounds.Top, Y), std::max(Bounds.Right, X + 1),
                  std::max(Bounds.Bottom, Y + 1)};
  return Bounds.IsEmpty() ? TRect{} : Bounds;
}

TEST(FontFace, HeightGrowsWithSizeAndHoldsEveryGlyph) {
  const char* const Names[] = {"DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif"};
  const TFontStyles Styles[] = {{}, {fsBold}, {fsItalic}, {fsBold, fsItalic}};
  for (const char* Name : Names)
    for (TFontStyles Style : Styles) {
      int Previous = 0;
      for (int PixelHeight : {6, 11, 13, 16, 24, 40}) {
        SCOPED_TRACE(std::string(Name) + " " + std::to_string(PixelHeight));
        const TFontFace& Face = TFontFace::Find(Name, PixelHeight, Style);
        EXPECT_EQ(Face.Height(), Face.Ascent() + Face.Descent());
        EXPECT_GT(Face.Height(), Previous);
        Previous = Face.Height();
        for (int Ch = 32; Ch < 256; ++Ch) {
          const TGlyphBitmap& G = Face.Glyph(char(Ch));
          EXPECT_LE(G.Top, Face.Ascent()) << "character " << Ch;
          EXPECT_LE(G.Height - G.Top, Face.Descent()) << "character " << Ch;
        }
      }
    }
}

TEST(FontFace, WidthsFollowTheGlyphs) {
  const TFontFace& Regular = Sans(11);
  EXPECT_GT(Regular.TextWidth("W"), Regular.TextWidth("i"));
  EXPECT_GT(Sans(11, {fsBold}).TextWidth("Orders"), Regular.TextWidth("Orders"));
  EXPECT_EQ(Regular.TextWidth(""), 0);
  const std::string Text = "Caf\xE9 \x80 12,50 - Wig";
  int Sum = 0;
  for (char Ch : Text) Sum += Regular.Glyph(Ch).Advance;
  EXPECT_EQ(Regular.TextWidth(Text), Sum);
}

TEST(FontFace, NamesPickFamiliesIgnoringCase) {
  EXPECT_EQ(&TFontFace::Find("dejavu SANS", 12, {}), &Sans(12));
  EXPECT_EQ(&TFontFace::Find("Arial", 12, {}), &Sans(12));
  EXPECT_EQ(&TFontFace::Find("No Such Face", 12, {}), &Sans(12));
  EXPECT_EQ(&TFontFace::Find("Times New Roman", 12, {}), &TFontFace::Find("DejaVu Serif", 12, {}));
  EXPECT_NE(&TFontFace::Find("DejaVu Serif", 12, {}), &Sans(12));
  const TFontFace& Mono = TFontFace::Find("courier new", 12, {});
  EXPECT_EQ(&Mono, &TFontFace::Find("DejaVu Sans Mono", 12, {}));
  EXPECT_EQ(Mono.TextWidth("iiii"), Mono.TextWidth("WWWW"));
}

TEST(FontFace, RefusesHeightsOutOfRange) {
  for (int PixelHeight : {0, -11, TFontFace::MaxPixelHeight + 1}) {
    EXPECT_THROW(TFontFace::Find("DejaVu Sans", PixelHeight, {}), EInvalidOperation) << PixelHeight;
    EXPECT_THROW(TFontFace::CharHeightForCellHeight("DejaVu Sans", PixelHeight, {}),
                 EInvalidOperation)
        << PixelHeight;
  }
}

TEST(FontFace, CharHeightForCellHeightIsTheLargestThatFits) {
  for (int Cell = 2; Cell <= 60; ++Cell) {
    const int CharHeight = TFontFace::CharHeightForCellHeight("DejaVu Serif", Cell, {fsBold});
    const auto LineHeight = [](int PixelHeight) {
      return TFontFace::Find("DejaVu Serif", PixelHeight, {fsBold}).Height();
    };
    // Below the smallest face's line, the smallest face.
    EXPECT_TRUE(CharHeight == 1 || LineHeight(CharHeight) <= Cell) << Cell;
    EXPECT_GT(LineHeight(CharHeight + 1), Cell) << Cell;
  }
}

TEST(FontFace, ReadsWindows1252PerByte) {
  const TFontFace& Face = Sans(16);
  EXPECT_GT(Face.Glyph('\xC9').Top, Face.Glyph('E').Top);
  EXPECT_EQ(Face.Glyph('\xC9').Advance, Face.Glyph('E').Advance);
  EXPECT_GT(Face.Glyph('\x80').Advance, 0);
  EXPECT_NE(Face.Glyph('\x80').Coverage, Face.Glyph('\x81').Coverage);
}

class FontDrawing : public ::testing::Test {
 protected:
  static constexpr int X = 6, Y = 4;
  TSurface Surface{120, 30, White};
  TDeviceContext DC{Surface};
};

TEST_F(FontDrawing, PaintsInsideTheTextCellInTheColour) {
  const TFontFace& Face = Sans(13);
  const std::string Text = "Wig,j\xC9";
  Face.DrawText(DC, X, Y, Text, Red);
  const TRect Painted = PaintedBounds(Surface);
  ASSERT_FALSE(Painted.IsEmpty());
  const TRect Cell = Bounds(X, Y, Face.TextWidth(Text), Face.Height());
  EXPECT_GE(Painted.Left, Cell.Left);
  EXPECT_GE(Painted.Top, Cell.Top);
  EXPECT_LE(Painted.Right, Cell.Right);
  EXPECT_LE(Painted.Bottom, Cell.Bottom);
  bool SolidSeen = false;
  for (int Row = 0; Row < Surface.Height(); ++Row)
    for (int Col = 0; Col < Surface.Width(); ++Col) {
      const uint32_t P = Surface.Pixel(Col, Row);
      // Coverage blends white toward red: red stays full, green and blue fall together.
      EXPECT_EQ(P & 0xFFFF0000u, 0xFFFF0000u);
      EXPECT_EQ((P >> 8) & 0xFF, P & 0xFF);
      SolidSeen |= P == Red;
    }
  EXPECT_TRUE(SolidSeen);
}

TEST_F(FontDrawing, ClipsExactly) {
  const TFontFace& Face = Sans(16);
  const std::string Text = "MWMWMW";
  TSurface Whole(Surface.Width(), Surface.Height(), White);
  TDeviceContext WholeDC(Whole);
  Face.DrawText(WholeDC, X, Y, Text, Black);
  // The clip cuts through the middle of the line, across and along.
  const TRect Clip = Rect(X + 13, Y + 5, X + 40, Y + 11);
  DC.IntersectClipRect(Clip);
  Face.DrawText(DC, X, Y, Text, Black);
  int Inside = 0;
  for (int Row = 0; Row < Surface.Height(); ++Row)
    for (int Col = 0; Col < Surface.Width(); ++Col) {
      const bool Visible = Clip.Contains({Col, Row});
      EXPECT_EQ(Surface.Pixel(Col, Row), Visible ? Whole.Pixel(Col, Row) : White)
          << Col << "," << Row;
      Inside += Visible && Surface.Pixel(Col, Row) != White;
    }
  EXPECT_GT(Inside, 0);
}

TEST_F(FontDrawing, DrawsOnlyWhereTheOriginPutsIt) {
  TDeviceContext Moved(Surface, {50, 3}, TRegion(Rect(50, 0, 120, 30)));
  Sans(11).DrawText(Moved, 0, 0, "Hi", Black);
  const TRect Painted = PaintedBounds(Surface);
  EXPECT_GE(Painted.Left, 50);
  EXPECT_GE(Painted.Top, 3);
  EXPECT_LE(Painted.Bottom, 3 + Sans(11).Height());
}

struct LineCase {
  const char* Name;
  TFontStyle Style;
  bool BelowBaseline;
};

class FontLines : public FontDrawing, public ::testing::WithParamInterface<LineCase> {};

// A line is a row of the cell painted solid across the whole text, on the expected side of the
// baseline; the plain face has no such row.
TEST_P(FontLines, RunAcrossTheText) {
  const int PixelHeight = 14;
  const std::string Text = "ace ace";
  const auto SolidRows = [&](const TFontFace& Face) {
    Surface = TSurface(120, 30, White);
    TDeviceContext Fresh(Surface);
    Face.DrawText(Fresh, X, Y, Text, Black);
    std::vector<int> Rows;
    for (int Row = Y; Row < Y + Face.Height(); ++Row) {
      bool Solid = true;
      for (int Col = X; Col < X + Face.TextWidth(Text); ++Col)
        Solid &= Surface.Pixel(Col, Row) == Black;
      if (Solid) Rows.push_back(Row - Y);
    }
    return Rows;
  };
  const TFontFace& Lined = Sans(PixelHeight, {GetParam().Style});
  EXPECT_TRUE(SolidRows(Sans(PixelHeight)).empty());
  const std::vector<int> Rows = SolidRows(Lined);
  ASSERT_FALSE(Rows.empty());
  for (int Row : Rows) EXPECT_EQ(Row >= Lined.Ascent(), GetParam().BelowBaseline) << Row;
}

INSTANTIATE_TEST_SUITE_P(Styles, FontLines,
                         ::testing::Values(LineCase{"Underline", fsUnderline, true},
                                           LineCase{"StrikeOut", fsStrikeOut, false}),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST_F(FontDrawing, GlyphsAreLoadedOncePerFace) {
  // A size no other test asks for, so that every glyph is new to this face.
  const TFontFace& Face = TFontFace::Find("DejaVu Sans", 27, {fsItalic});
  const int Before = TFontFace::GlyphLoads();
  Face.DrawText(DC, X, Y, "abba", Black);
  EXPECT_EQ(TFontFace::GlyphLoads(), Before + 2);
  Face.DrawText(DC, X, Y, "baba", Black);
  Face.TextWidth("abab");
  EXPECT_EQ(TFontFace::GlyphLoads(), Before + 2);
  Face.TextWidth("c");
  EXPECT_EQ(TFontFace::GlyphLoads(), Before + 3);
}

}  // namespace
