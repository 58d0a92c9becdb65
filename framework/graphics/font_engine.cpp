#include "framework/graphics/font_engine.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <map>
#include <tuple>

#include "framework/classes/type_info.h"
#include "framework/graphics/device_context.h"
#include "framework/rtl/code_page.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/string_functions.h"

namespace framework {

namespace {

enum TFamily : uint8_t { fmSans, fmMono, fmSerif };

const char* const FontDirectory = "/usr/share/fonts/truetype/dejavu/";

// By family, then regular, bold, italic, bold italic.
const char* const FontFiles[3][4] = {
    {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
     "DejaVuSans-BoldOblique.ttf"},
    {"DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf", "DejaVuSansMono-Oblique.ttf",
     "DejaVuSansMono-BoldOblique.ttf"},
    {"DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSerif-Italic.ttf",
     "DejaVuSerif-BoldItalic.ttf"},
};

// Names as applications ask for them, lower-cased; any other name gets DejaVu Sans.
const std::pair<const char*, TFamily> FamilyNames[] = {
    {"dejavu sans mono", fmMono}, {"courier new", fmMono},      {"courier", fmMono},
    {"dejavu serif", fmSerif},    {"times new roman", fmSerif}, {"times", fmSerif},
};

int GlyphLoadCount = 0;

TFamily FamilyOf(const std::string& Name) {
  const std::string Lower = LowerCase(Name);
  for (const auto& [Alias, Family] : FamilyNames)
    if (Lower == Alias) return Family;
  return fmSans;
}

std::string FontFileOf(const std::string& Name, TFontStyles Style) {
  const int Variant = (Style.Contains(fsBold) ? 1 : 0) + (Style.Contains(fsItalic) ? 2 : 0);
  return std::string(FontDirectory) + FontFiles[FamilyOf(Name)][Variant];
}

// Rounds half away from zero.
int RoundDiv(int64_t Numerator, int64_t Denominator) {
  const int64_t Half = Denominator / 2;
  return int(Numerator >= 0 ? (Numerator + Half) / Denominator : (Numerator - Half) / Denominator);
}

// A 26.6 fixed-point value rounded up to whole pixels.
int CeilPixels(FT_Pos Value) {
  return int((Value + 63) >> 6);
}

void CheckPixelHeight(int PixelHeight) {
  if (PixelHeight < 1 || PixelHeight > TFontFace::MaxPixelHeight)
    throw EInvalidOperation(Format("Invalid font height %d: it must lie between 1 and %d",
                                   PixelHeight, TFontFace::MaxPixelHeight));
}

// The FreeType library, one face per font file, and every TFontFace, kept until the program
// ends and released in that order.
class TFontLibrary {
 public:
  using TKey = std::tuple<std::string, int, uint64_t>;

  static TFontLibrary& Instance() {
    static TFontLibrary Library;
    return Library;
  }

  ~TFontLibrary() {
    Faces.clear();
    for (auto& [Path, Face] : FFiles) FT_Done_Face(Face);
    FT_Done_FreeType(FLibrary);
  }

  FT_Face FileFace(const std::string& Path) {
    auto It = FFiles.find(Path);
    if (It != FFiles.end()) return It->second;
    FT_Face Face = nullptr;
    if (FT_Error Error = FT_New_Face(FLibrary, Path.c_str(), 0, &Face))
      throw EInvalidOperation(
          Format("Cannot open the font file %s (FreeType error %d)", Path.c_str(), Error));
    return FFiles.emplace(Path, Face).first->second;
  }

  std::map<TKey, std::unique_ptr<TFontFace>> Faces;

 private:
  TFontLibrary() {
    if (FT_Error Error = FT_Init_FreeType(&FLibrary))
      throw EInvalidOperation(Format("Cannot start FreeType (error %d)", Error));
  }

  FT_Library FLibrary = nullptr;
  std::map<std::string, FT_Face> FFiles;
};

std::unique_ptr<const TGlyphBitmap> CopyGlyph(const FT_GlyphSlot Slot) {
  auto Glyph = std::make_unique<TGlyphBitmap>();
  const FT_Bitmap& Bitmap = Slot->bitmap;
  Glyph->Left = Slot->bitmap_left;
  Glyph->Top = Slot->bitmap_top;
  Glyph->Width = int(Bitmap.width);
  Glyph->Height = int(Bitmap.rows);
  Glyph->Advance = int((Slot->advance.x + 32) >> 6);
  Glyph->Coverage.resize(size_t(Glyph->Width) * size_t(Glyph->Height));
  for (int Row = 0; Row < Glyph->Height; ++Row)
    std::copy_n(Bitmap.buffer + ptrdiff_t(Row) * Bitmap.pitch, Glyph->Width,
                Glyph->Coverage.begin() + ptrdiff_t(Row) * Glyph->Width);
  return Glyph;
}

}  // namespace

const TTypeInfo& EnumTypeInfo(TFontStyle) {
  static const TTypeInfo Info =
      TTypeInfo::Enumeration("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
  return Info;
}

const TFontFace& TFontFace::Find(const std::string& Name, int PixelHeight, TFontStyles Style) {
  CheckPixelHeight(PixelHeight);
  const std::string Path = FontFileOf(Name, Style);
  TFontLibrary& Library = TFontLibrary::Instance();
  const TFontLibrary::TKey Key{Path, PixelHeight, Style.Bits()};
  if (auto It = Library.Faces.find(Key); It != Library.Faces.end()) return *It->second;
  std::unique_ptr<TFontFace> Face(new TFontFace(Library.FileFace(Path), PixelHeight, Style));
  return *Library.Faces.emplace(Key, std::move(Face)).first->second;
}

int TFontFace::CharHeightForCellHeight(const std::string& Name, int CellHeight, TFontStyles Style) {
  CheckPixelHeight(CellHeight);
  const FT_Face File = TFontLibrary::Instance().FileFace(FontFileOf(Name, Style));
  const auto LineHeight = [&](int PixelHeight) { return Find(Name, PixelHeight, Style).Height(); };
  // The design line height gives the start; the faces' own heights decide.
  int PixelHeight =
      std::clamp(int(int64_t(CellHeight) * File->units_per_EM / (File->ascender - File->descender)),
                 1, CellHeight);
  while (PixelHeight > 1 && LineHeight(PixelHeight) > CellHeight) --PixelHeight;
  while (PixelHeight < MaxPixelHeight && LineHeight(PixelHeight + 1) <= CellHeight) ++PixelHeight;
  return PixelHeight;
}

int TFontFace::GlyphLoads() {
  return GlyphLoadCount;
}

TFontFace::TFontFace(FT_FaceRec_* Face, int PixelHeight, TFontStyles Style)
    : FFace(Face), FPixelHeight(PixelHeight), FStyle(Style) {
  // The faces of one font file share its FreeType face, each with a size object of its own.
  FT_Error Error = FT_New_Size(FFace, &FSize);
  if (!Error) Error = FT_Activate_Size(FSize);
  if (!Error) Error = FT_Set_Pixel_Sizes(FFace, 0, FT_UInt(PixelHeight));
  if (Error)
    throw EInvalidOperation(Format("Cannot size the font %s to %d pixels (FreeType error %d)",
                                   FFace->family_name, PixelHeight, Error));
  MeasureLine();
  const auto Scale = [&](int64_t Units) {
    return RoundDiv(Units * PixelHeight, FFace->units_per_EM);
  };
  const int UnderlineThickness = std::max(1, Scale(FFace->underline_thickness));
  FUnderline = LineAt(Scale(FFace->underline_position), UnderlineThickness);
  const auto* OS2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(FFace, FT_SFNT_OS2));
  if (OS2)
    FStrikeOut = LineAt(Scale(OS2->yStrikeoutPosition - OS2->yStrikeoutSize / 2),
                        std::max(1, Scale(OS2->yStrikeoutSize)));
  else
    FStrikeOut = LineAt(FAscent / 3, UnderlineThickness);
}

TFontFace::TLine TFontFace::LineAt(int CenterAboveBaseline, int Thickness) const {
  Thickness = std::min(Thickness, Height());
  const int Top = FAscent - CenterAboveBaseline - Thickness / 2;
  return {std::clamp(Top, 0, Height() - Thickness), Thickness};
}

// The line is the design ascent and descent, widened to hold every glyph of the code page as
// hinting places it: grid fitting lifts some accented capitals a pixel above the design ascent.
void TFontFace::MeasureLine() {
  FAscent = CeilPixels(FT_MulFix(FFace->ascender, FFace->size->metrics.y_scale));
  FDescent = CeilPixels(-FT_MulFix(FFace->descender, FFace->size->metrics.y_scale));
  for (int Ch = 0; Ch < 256; ++Ch) {
    LoadGlyph(char(Ch), FT_LOAD_DEFAULT);
    const FT_Glyph_Metrics& Metrics = FFace->glyph->metrics;
    FAscent = std::max(FAscent, CeilPixels(Metrics.horiBearingY));
    FDescent = std::max(FDescent, CeilPixels(Metrics.height - Metrics.horiBearingY));
  }
}

void TFontFace::LoadGlyph(char Ch, int Flags) const {
  FT_Activate_Size(FSize);
  const FT_UInt Index =
      FT_Get_Char_Index(FFace, AnsiCharToCodePoint(static_cast<unsigned char>(Ch)));
  ++GlyphLoadCount;
  if (FT_Error Error = FT_Load_Glyph(FFace, Index, Flags | FT_LOAD_TARGET_NORMAL))
    throw EInvalidOperation(Format("Cannot load character %d of the font %s (FreeType error %d)",
                                   static_cast<unsigned char>(Ch), FFace->family_name, Error));
}

const TGlyphBitmap& TFontFace::Glyph(char Ch) const {
  std::unique_ptr<const TGlyphBitmap>& Cached = FGlyphs[static_cast<unsigned char>(Ch)];
  if (Cached) return *Cached;
  LoadGlyph(Ch, FT_LOAD_RENDER);
  Cached = CopyGlyph(FFace->glyph);
  return *Cached;
}

int TFontFace::TextWidth(std::string_view Text) const {
  int Width = 0;
  for (char Ch : Text) Width += Glyph(Ch).Advance;
  return Width;
}

void TFontFace::DrawText(TDeviceContext& DC, int X, int Y, std::string_view Text,
                         uint32_t Pixel) const {
  int PenX = X;
  for (char Ch : Text) {
    const TGlyphBitmap& G = Glyph(Ch);
    DrawGlyph(DC, PenX, Y + FAscent, G, Pixel);
    PenX += G.Advance;
  }
  for (TFontStyle LineStyle : {fsUnderline, fsStrikeOut}) {
    if (!FStyle.Contains(LineStyle)) continue;
    const TLine& Line = LineStyle == fsUnderline ? FUnderline : FStrikeOut;
    DC.FillRect(Rect(X, Y + Line.Top, PenX, Y + Line.Top + Line.Thickness), Pixel);
  }
}

void TFontFace::DrawGlyph(TDeviceContext& DC, int PenX, int BaselineY, const TGlyphBitmap& G,
                          uint32_t Pixel) const {
  DC.BlendMask(Bounds(PenX + G.Left, BaselineY - G.Top, G.Width, G.Height), G.Coverage.data(),
               Pixel);
}

}  // namespace framework
