#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/classes/event.h"
#include "framework/classes/persistent.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/geometry.h"

namespace framework {

class TCanvas;
class TStream;
class TSurface;

// Damaged, truncated or unsupported picture data: "Bitmap image is not valid: truncated pixel
// data".
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

// The largest picture the graphics load, in pixels (a 256 MB surface); larger claims are refused
// before anything is allocated.
inline constexpr int64_t MaxGraphicPixels = int64_t(1) << 26;

// A picture of some format (a bitmap, a PNG, a JPEG image) that can draw itself on a canvas and
// be streamed.
class TGraphic : public TPersistent {
  DECLARE_CLASS(TGraphic, TPersistent)

 public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Read from the stream's position to its end; an empty remainder gives an empty graphic.
  // Raise EInvalidGraphic for damaged or truncated data, leaving the graphic as it was.
  virtual void LoadFromStream(TStream& Stream) = 0;
  // An empty graphic writes nothing.
  virtual void SaveToStream(TStream& Stream) const = 0;
  // A new, empty graphic of this one's class.
  virtual std::unique_ptr<TGraphic> CreateBlank() const = 0;

  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName) const;

  // Fired when the picture changes: loaded, assigned, resized, drawn on through a canvas.
  TNotifyEvent OnChange;

 protected:
  // A stored form holds the picture as binary Data, in its file format.
  void DefineProperties(TFiler& Filer) override;
  // Draws the whole picture scaled into Rect of Canvas; TCanvas::Draw and StretchDraw call it.
  virtual void Draw(TCanvas& Canvas, const TRect& Rect) const = 0;
  virtual void Changed();

  // What Draw does for a picture held as a surface: a clipped copy, scaled by the nearest pixel
  // when Rect differs from the surface's size.
  static void DrawSurface(TCanvas& Canvas, const TRect& Rect, const TSurface& Surface);
  static std::string ReadToEnd(TStream& Stream);

  friend class TCanvas;
};

}  // namespace framework
