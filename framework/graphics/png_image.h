#pragma once

#include <memory>
#include <string>

#include "framework/graphics/graphic.h"
#include "framework/graphics/surface.h"

namespace framework {

// A picture in the PNG format. Any PNG loads, as 32-bit pixels; saving writes 24-bit RGB, or
// 32-bit RGBA when some pixel is not opaque.
class TPngImage : public TGraphic {
  DECLARE_CLASS(TPngImage, TGraphic)

 public:
  bool Empty() const override { return FSurface.Width() == 0 || FSurface.Height() == 0; }
  int Width() const override { return FSurface.Width(); }
  int Height() const override { return FSurface.Height(); }
  const TSurface& Surface() const { return FSurface; }

  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) const override;
  std::unique_ptr<TGraphic> CreateBlank() const override;

  // Copies a PNG image, or the pixels of a bitmap; nullptr empties the image.
  void Assign(const TPersistent* Source) override;

 protected:
  void Draw(TCanvas& Canvas, const TRect& Rect) const override;

 private:
  void Replace(TSurface Surface);

  TSurface FSurface;
};

// Write Surface as a PNG (24-bit, or 32-bit when some pixel is not opaque): screenshots. Raise
// EInvalidGraphic for an empty surface.
void WritePng(const TSurface& Surface, TStream& Stream);
void WritePngFile(const TSurface& Surface, const std::string& FileName);

}  // namespace framework
