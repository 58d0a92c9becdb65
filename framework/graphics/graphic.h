#pragma once

#include "framework/classes/persistent.h"
#include "framework/rtl/geometry.h"

namespace framework {

class TCanvas;
class TStream;

// A picture of some format (a bitmap, a PNG, a JPEG image) that can draw itself on a canvas and
// be streamed.
class TGraphic : public TPersistent {
  DECLARE_CLASS(TGraphic, TPersistent)

 public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Raise EInvalidGraphic for damaged or truncated data, leaving the graphic as it was.
  virtual void LoadFromStream(TStream& Stream) = 0;
  virtual void SaveToStream(TStream& Stream) const = 0;

 protected:
  // Draws the whole picture scaled into Rect of Canvas; TCanvas::Draw and StretchDraw call it.
  virtual void Draw(TCanvas& Canvas, const TRect& Rect) const = 0;

  friend class TCanvas;
};

}  // namespace framework
