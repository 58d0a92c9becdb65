#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/rtl/set.h"

namespace framework {

class TDeviceContext;
class TTypeInfo;

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
const TTypeInfo& EnumTypeInfo(TFontStyle);

// A font face at one pixel size, rendered with FreeType from the fonts installed with the system
// (the DejaVu faces), with the metrics and a cache of rendered glyphs. Text is Windows-1252.
class TFontFace {
 public:
  // The same request always gives the same face; faces live until the program ends. An unknown
  // name falls back to DejaVu Sans. PixelHeight is the character height (the em size) in pixels.
  static const TFontFace& Find(const std::string& Name, int PixelHeight, TFontStyles Style);

  int Ascent() const;
  int Descent() const;
  // Ascent plus descent: the height of a line of text.
  int Height() const;
  int TextWidth(std::string_view Text) const;
  // Draws Text with the top-left corner of its cell at the logical point (X, Y), in Pixel
  // (0xAARRGGBB), clipped to the device context; underline and strike-out lines included.
  void DrawText(TDeviceContext& DC, int X, int Y, std::string_view Text, uint32_t Pixel) const;

  virtual ~TFontFace() = default;

 protected:
  TFontFace() = default;
};

}  // namespace framework
