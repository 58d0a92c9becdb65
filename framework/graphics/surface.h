#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace framework {

// A 32-bit raster of 0xAARRGGBB pixels, rows top first. Windows, bitmaps and the screen image all
// draw into surfaces.
class TSurface {
 public:
  TSurface() = default;
  TSurface(int Width, int Height, uint32_t Fill = 0xFF000000u)
      : FWidth(Width), FHeight(Height), FPixels(size_t(Width) * size_t(Height), Fill) {}

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  uint32_t* Row(int Y) { return FPixels.data() + size_t(Y) * size_t(FWidth); }
  const uint32_t* Row(int Y) const { return FPixels.data() + size_t(Y) * size_t(FWidth); }
  uint32_t Pixel(int X, int Y) const { return Row(Y)[X]; }
  void SetPixel(int X, int Y, uint32_t Value) { Row(Y)[X] = Value; }
  bool Contains(int X, int Y) const { return X >= 0 && Y >= 0 && X < FWidth && Y < FHeight; }
  // Keeps the pixels that still fit; new ones get Fill.
  void Resize(int Width, int Height, uint32_t Fill = 0xFF000000u);

 private:
  int FWidth = 0;
  int FHeight = 0;
  std::vector<uint32_t> FPixels;
};

}  // namespace framework
