#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/classes/memory_stream.h"
#include "framework/graphics/graphic.h"
#include "framework/graphics/surface.h"

namespace picture_test {

inline std::string Saved(const framework::TGraphic& Graphic) {
  framework::TMemoryStream Stream;
  Graphic.SaveToStream(Stream);
  return std::string(static_cast<const char*>(Stream.Memory()), size_t(Stream.Size()));
}

inline void Load(framework::TGraphic& Graphic, const std::string& Data) {
  framework::TMemoryStream Stream;
  Stream.WriteBuffer(Data.data(), int64_t(Data.size()));
  Stream.SetPosition(0);
  Graphic.LoadFromStream(Stream);
}

inline std::vector<uint32_t> Pixels(const framework::TSurface& Surface) {
  std::vector<uint32_t> Result;
  for (int Y = 0; Y < Surface.Height(); ++Y)
    Result.insert(Result.end(), Surface.Row(Y), Surface.Row(Y) + Surface.Width());
  return Result;
}

// Opaque pixels that differ in every channel from their neighbours, so that swapped channels,
// flipped rows and shifted columns all show.
inline framework::TSurface Pattern(int Width, int Height) {
  framework::TSurface Surface(Width, Height);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X)
      Surface.SetPixel(X, Y,
                       0xFF000000u | uint32_t(X * 37 + Y * 11) % 256 << 16 |
                           uint32_t(X * 13 + Y * 71) % 256 << 8 | uint32_t(X * 5 + Y * 3) % 256);
  return Surface;
}

// A smooth opaque picture, for lossy formats.
inline framework::TSurface Gradient(int Width, int Height) {
  framework::TSurface Surface(Width, Height);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X)
      Surface.SetPixel(
          X, Y,
          0xFF000000u | uint32_t(X * 255 / Width) << 16 | uint32_t(Y * 255 / Height) << 8 | 0x60u);
  return Surface;
}

inline void Poke(std::string& Data, size_t Offset, uint32_t Value, int Bytes = 4) {
  for (int I = 0; I < Bytes; ++I) Data[Offset + size_t(I)] = char(Value >> (8 * I));
}

}  // namespace picture_test
