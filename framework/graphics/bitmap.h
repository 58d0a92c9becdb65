#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/graphics/graphic.h"
#include "framework/graphics/surface.h"

namespace framework {

class TDeviceContext;

// How a bitmap was stored when it was loaded, and how it will be stored when it is saved.
enum TPixelFormat : uint8_t { pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };

// A picture held as a 32-bit surface, streamed in the BMP format: 1-, 4- and 8-bit with a
// palette (also run-length encoded), 24- and 32-bit, bottom-up and top-down rows.
class TBitmap : public TGraphic {
  DECLARE_CLASS(TBitmap, TGraphic)

 public:
  TBitmap();
  ~TBitmap() override;

  bool Empty() const override { return FSurface.Width() == 0 || FSurface.Height() == 0; }
  int Width() const override { return FSurface.Width(); }
  int Height() const override { return FSurface.Height(); }
  void SetWidth(int Value) { SetSize(Value, Height()); }
  void SetHeight(int Value) { SetSize(Width(), Value); }
  // Keeps the pixels that still fit; new ones are black. Raises EInvalidOperation for a negative
  // size or one past MaxGraphicPixels.
  void SetSize(int AWidth, int AHeight);

  // Saving to a palette format writes the colours present; when they do not fit, the bitmap is
  // written in the smallest format that holds them all (8-bit, then 24-bit), so nothing is lost.
  // Palette and 24-bit formats drop the alpha channel; pf32bit keeps it, except that a picture
  // whose every alpha is zero loads as opaque, as most 32-bit files leave that byte zero.
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat Value);

  // The pixels. Writing to them directly does not fire OnChange; drawing through Canvas does.
  // Change the size with SetSize: a canvas taken before a size change made here draws nothing
  // useful until Canvas() is asked for again.
  TSurface& Surface() { return FSurface; }
  const TSurface& Surface() const { return FSurface; }
  // Draws on the bitmap; its handle is valid until the size changes, and renewed by every call
  // after the surface has been resized.
  TCanvas& Canvas();

  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) const override;
  // The bitmap embedded under Name (case ignored); raises EResNotFound when there is none.
  void LoadFromResourceName(const std::string& Name);
  std::unique_ptr<TGraphic> CreateBlank() const override;

  // Copies another bitmap; nullptr empties this one.
  void Assign(const TPersistent* Source) override;

 protected:
  void Draw(TCanvas& Canvas, const TRect& Rect) const override;

 private:
  void LoadFromData(std::string_view Data);
  void Replace(TSurface Surface, TPixelFormat Format);
  void CanvasChanged(TObject* Sender);
  void ResetHandle();

  TSurface FSurface;
  TPixelFormat FPixelFormat = pf24bit;
  std::unique_ptr<TDeviceContext> FDC;
  TSize FHandleSize;
  std::unique_ptr<TCanvas> FCanvas;
};

}  // namespace framework
