#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "framework/graphics/canvas.h"
#include "framework/graphics/device_context.h"
#include "framework/graphics/surface.h"

namespace graphics_test {

inline int CountPixels(const framework::TSurface& Surface, uint32_t Pixel) {
  int Count = 0;
  for (int Y = 0; Y < Surface.Height(); ++Y)
    Count += int(std::count(Surface.Row(Y), Surface.Row(Y) + Surface.Width(), Pixel));
  return Count;
}

inline void Fill(framework::TSurface& Surface, uint32_t Pixel) {
  for (int Y = 0; Y < Surface.Height(); ++Y) std::fill_n(Surface.Row(Y), Surface.Width(), Pixel);
}

// The surface as rows of characters, one per pixel, from a legend of pixels and characters:
// readable expected pictures. A pixel missing from the legend shows as '?'.
template <class TLegend>
std::string Picture(const framework::TSurface& Surface, const TLegend& Legend) {
  std::string Result;
  for (int Y = 0; Y < Surface.Height(); ++Y) {
    for (int X = 0; X < Surface.Width(); ++X) {
      char C = '?';
      for (const auto& [Pixel, Char] : Legend)
        if (Surface.Pixel(X, Y) == Pixel) C = Char;
      Result += C;
    }
    Result += '\n';
  }
  return Result;
}

// A canvas drawing on a surface of its own, through a context over the whole surface.
struct TPaintBox {
  TPaintBox(int Width, int Height, uint32_t Fill = 0xFFFFFFFFu)
      : Surface(Width, Height, Fill), DC(Surface) {
    Canvas.SetHandle(&DC);
  }
  TPaintBox(const TPaintBox&) = delete;
  TPaintBox& operator=(const TPaintBox&) = delete;

  framework::TSurface Surface;
  framework::TDeviceContext DC;
  framework::TCanvas Canvas;
};

}  // namespace graphics_test
