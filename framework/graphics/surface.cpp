#include "framework/graphics/surface.h"

#include <algorithm>

namespace framework {

void TSurface::Resize(int Width, int Height, uint32_t Fill) {
  Width = std::max(Width, 0);
  Height = std::max(Height, 0);
  if (Width == FWidth && Height == FHeight) return;
  std::vector<uint32_t> Pixels(size_t(Width) * size_t(Height), Fill);
  const int KeptWidth = std::min(Width, FWidth);
  const int KeptHeight = std::min(Height, FHeight);
  for (int Y = 0; Y < KeptHeight; ++Y)
    std::copy_n(Row(Y), KeptWidth, Pixels.data() + size_t(Y) * size_t(Width));
  FPixels.swap(Pixels);
  FWidth = Width;
  FHeight = Height;
}

}  // namespace framework
