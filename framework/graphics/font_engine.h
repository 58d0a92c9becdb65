#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/rtl/set.h"

struct FT_FaceRec_;
struct FT_SizeRec_;

namespace framework {

class TDeviceContext;
class TTypeInfo;

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
const TTypeInfo& EnumTypeInfo(TFontStyle);

// One rendered character: Width x Height coverage values (0..255, rows top first), placed Left
// pixels right of the pen and Top pixels above the baseline; the pen then moves Advance pixels.
struct TGlyphBitmap {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int Advance = 0;
  std::vector<uint8_t> Coverage;
};

// A font face at one pixel size, rendered with FreeType from the fonts installed with the system
// (the DejaVu faces), with the metrics and a cache of rendered glyphs. Text is Windows-1252.
// Faces belong to the user-interface thread, like every window and canvas.
class TFontFace final {
 public:
  // The largest PixelHeight Find accepts.
  static constexpr int MaxPixelHeight = 1000;

  // The same request always gives the same face; faces live until the program ends. An unknown
  // name falls back to DejaVu Sans. PixelHeight is the character height (the em size) in pixels;
  // outside 1..MaxPixelHeight it raises EInvalidOperation, as does a font file that cannot be
  // opened.
  static const TFontFace& Find(const std::string& Name, int PixelHeight, TFontStyles Style);
  // The largest character height whose face has a Height() of at most CellHeight (at least 1):
  // how a font asked for by its cell height, internal leading included, picks its face.
  static int CharHeightForCellHeight(const std::string& Name, int CellHeight, TFontStyles Style);
  // FreeType glyph loads since the program started, over all faces: one per character at its
  // first use, and one per character of the code page when a face is made and measures its
  // line. Tests and benchmarks read it to see that text already seen leaves FreeType alone.
  static int GlyphLoads();

  TFontFace(const TFontFace&) = delete;
  TFontFace& operator=(const TFontFace&) = delete;

  int PixelHeight() const { return FPixelHeight; }
  TFontStyles Style() const { return FStyle; }
  // Pixels above and below the baseline, enough for every character of the code page.
  int Ascent() const { return FAscent; }
  int Descent() const { return FDescent; }
  // Ascent plus descent: the height of a line of text.
  int Height() const { return FAscent + FDescent; }
  int TextWidth(std::string_view Text) const;
  // Draws Text with the top-left corner of its cell at the logical point (X, Y), in Pixel
  // (0xAARRGGBB), clipped to the device context; underline and strike-out lines included.
  void DrawText(TDeviceContext& DC, int X, int Y, std::string_view Text, uint32_t Pixel) const;
  // The cached glyph of a character, rendered at its first use. DrawText blits these; code that
  // has to compare against it (the text benchmark's baseline) may blit them itself.
  const TGlyphBitmap& Glyph(char Ch) const;

 private:
  struct TLine {
    int Top = 0;
    int Thickness = 1;
  };

  TFontFace(FT_FaceRec_* Face, int PixelHeight, TFontStyles Style);
  void MeasureLine();
  void LoadGlyph(char Ch, int Flags) const;
  TLine LineAt(int CenterAboveBaseline, int Thickness) const;
  void DrawGlyph(TDeviceContext& DC, int PenX, int BaselineY, const TGlyphBitmap& Glyph,
                 uint32_t Pixel) const;

  FT_FaceRec_* FFace;
  FT_SizeRec_* FSize = nullptr;
  int FPixelHeight;
  TFontStyles FStyle;
  int FAscent = 0;
  int FDescent = 0;
  TLine FUnderline;
  TLine FStrikeOut;
  mutable std::array<std::unique_ptr<const TGlyphBitmap>, 256> FGlyphs;
};

}  // namespace framework
