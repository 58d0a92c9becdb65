#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "framework/graphics/canvas.h"
#include "framework/graphics/device_context.h"
#include "framework/graphics/font_engine.h"
#include "framework/graphics/surface.h"

namespace {

using namespace framework;

// A grid cell's worth of text: 29 characters in a 250 x 24 rectangle.
const std::string CellText = "Vins et alcools Chevalier, 59";
const TRect Cell = Rect(0, 0, 250, 24);
constexpr int TextX = 2, TextY = 5;

// What every call draws and the baseline blits: the canvas's default font in its default colour
// on its default brush. The baseline reads them at run time, as TextRect does, so that the
// compiler cannot turn its fill into a byte fill.
uint32_t PixelOf(TColor Color) {
  return ColorRefToPixel(ColorToRGB(Color));
}

void BM_TextRect(benchmark::State& State) {
  TSurface Surface(Cell.Width(), Cell.Height());
  TDeviceContext DC(Surface);
  TCanvas Canvas;
  Canvas.SetHandle(&DC);
  Canvas.TextRect(Cell, TextX, TextY, CellText);
  for (auto _ : State) {
    Canvas.TextRect(Cell, TextX, TextY, CellText);
    benchmark::ClobberMemory();
  }
  State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_TextRect);

uint32_t BlendOpaque(uint32_t Source, uint32_t Dest, unsigned Alpha) {
  uint32_t Result = 0xFF000000u;
  for (unsigned Shift : {0u, 8u, 16u}) {
    const unsigned S = (Source >> Shift) & 0xFF, D = (Dest >> Shift) & 0xFF;
    Result |= ((S * Alpha + D * (255 - Alpha) + 127) / 255) << Shift;
  }
  return Result;
}

// The floor for TextRect: the same area filled and the same cached glyphs blended straight into
// the surface rows, clipped to the rectangle by hand.
void BM_GlyphBlitBaseline(benchmark::State& State) {
  TSurface Surface(Cell.Width(), Cell.Height());
  const TCanvas Defaults;
  const TFontFace& Face = Defaults.Font()->Face();
  const uint32_t BrushPixel = PixelOf(Defaults.Brush()->Color());
  const uint32_t TextPixel = PixelOf(Defaults.Font()->Color());
  Face.TextWidth(CellText);
  for (auto _ : State) {
    for (int Y = Cell.Top; Y < Cell.Bottom; ++Y)
      std::fill_n(Surface.Row(Y) + Cell.Left, Cell.Width(), BrushPixel);
    int PenX = TextX;
    for (char Ch : CellText) {
      const TGlyphBitmap& G = Face.Glyph(Ch);
      const int Left = PenX + G.Left, Top = TextY + Face.Ascent() - G.Top;
      for (int Row = std::max(0, Cell.Top - Top); Row < std::min(G.Height, Cell.Bottom - Top);
           ++Row) {
        uint32_t* Dest = Surface.Row(Top + Row);
        const uint8_t* Coverage = G.Coverage.data() + Row * G.Width;
        for (int Col = std::max(0, Cell.Left - Left); Col < std::min(G.Width, Cell.Right - Left);
             ++Col)
          if (Coverage[Col])
            Dest[Left + Col] = BlendOpaque(TextPixel, Dest[Left + Col], Coverage[Col]);
      }
      PenX += G.Advance;
    }
    benchmark::ClobberMemory();
  }
  State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_GlyphBlitBaseline);

}  // namespace
