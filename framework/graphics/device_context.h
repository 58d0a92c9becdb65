#pragma once

#include <cstdint>
#include <vector>

#include "framework/graphics/region.h"
#include "framework/graphics/surface.h"
#include "framework/rtl/geometry.h"

namespace framework {

// Where drawing goes: a surface, the place of the logical origin on it (a window's client
// origin), and the clip region. Every drawing call takes logical coordinates, translates them,
// intersects with the clip region and returns early when nothing is left.
class TDeviceContext {
 public:
  // Clip is in surface coordinates; it is cut down to the surface.
  TDeviceContext(TSurface& Surface, TPoint Origin, TRegion Clip);
  // The whole surface, origin at its top-left corner.
  explicit TDeviceContext(TSurface& Surface);

  TSurface& Surface() const { return *FSurface; }
  TPoint Origin() const { return FOrigin; }
  // Surface coordinates.
  const TRegion& ClipRegion() const { return FClip; }

  // The clipping calls, in logical coordinates.
  void IntersectClipRect(const TRect& R);
  void ExcludeClipRect(const TRect& R);
  // The smallest logical rectangle holding the clip region.
  TRect GetClipBox() const;
  bool RectVisible(const TRect& R) const;
  // SaveDC and RestoreDC: the clip region, nested.
  void Save();
  void Restore();

  void FillRect(const TRect& R, uint32_t Pixel);
  void SetPixel(int X, int Y, uint32_t Pixel);
  // The pixel at a logical point, or 0 outside the surface.
  uint32_t GetPixel(int X, int Y) const;
  // Blends Pixel into the point with coverage Alpha (0..255), clipped: antialiased text.
  void BlendPixel(int X, int Y, uint32_t Pixel, uint8_t Alpha);
  // Copies Source's rectangle Src to the logical point Dest, clipped.
  void CopyFrom(int DestX, int DestY, const TSurface& Source, const TRect& Src);

 private:
  bool Visible(int SurfaceX, int SurfaceY) const;

  TSurface* FSurface;
  TPoint FOrigin;
  TRegion FClip;
  std::vector<TRegion> FSaved;
};

using HDC = TDeviceContext*;

}  // namespace framework
