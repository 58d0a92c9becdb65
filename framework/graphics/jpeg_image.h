#pragma once

#include <memory>
#include <string>

#include "framework/graphics/graphic.h"
#include "framework/graphics/surface.h"

namespace framework {

// A picture in the JPEG format: baseline or progressive, colour or greyscale. A loaded image
// keeps its file and saves it back unchanged until its pixels or its compression settings
// change, so that storing a picture again never degrades it.
class TJPEGImage : public TGraphic {
  DECLARE_CLASS(TJPEGImage, TGraphic)

 public:
  bool Empty() const override { return FSurface.Width() == 0 || FSurface.Height() == 0; }
  int Width() const override { return FSurface.Width(); }
  int Height() const override { return FSurface.Height(); }
  const TSurface& Surface() const { return FSurface; }

  // 1 to 100, default 90; EInvalidOperation outside that range.
  int CompressionQuality() const { return FCompressionQuality; }
  void SetCompressionQuality(int Value);
  bool ProgressiveEncoding() const { return FProgressiveEncoding; }
  void SetProgressiveEncoding(bool Value);

  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) const override;
  std::unique_ptr<TGraphic> CreateBlank() const override;

  // Copies a JPEG image, or the pixels of a bitmap; nullptr empties the image.
  void Assign(const TPersistent* Source) override;

 protected:
  void Draw(TCanvas& Canvas, const TRect& Rect) const override;

 private:
  void Replace(TSurface Surface, std::string Data);

  TSurface FSurface;
  // The file the pixels came from; empty when they must be encoded afresh.
  std::string FData;
  int FCompressionQuality = 90;
  bool FProgressiveEncoding = false;
};

}  // namespace framework
