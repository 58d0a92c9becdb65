#pragma once

#include <vector>

#include "framework/rtl/geometry.h"

namespace framework {

// A set of pixels kept as disjoint rectangles: update regions, visible areas and clip regions.
// The rectangles are kept in bands, as the window system keeps them: sorted from top to bottom,
// then left to right; the rectangles of a band share their top and bottom; no two rectangles of a
// band touch; two touching bands never hold the same spans. That form is unique for a set of
// pixels, so two regions are equal exactly when they hold the same pixels.
class TRegion {
 public:
  TRegion() = default;
  explicit TRegion(const TRect& R);

  bool IsEmpty() const { return FRects.empty(); }
  const std::vector<TRect>& Rects() const { return FRects; }
  // The smallest rectangle holding the region; all-zero when it is empty.
  TRect Bounds() const;
  bool Contains(TPoint P) const;
  bool Intersects(const TRect& R) const;

  void Union(const TRect& R);
  void Union(const TRegion& Other);
  void Subtract(const TRect& R);
  void Subtract(const TRegion& Other);
  void Intersect(const TRect& R);
  void Intersect(const TRegion& Other);
  void Offset(int DX, int DY);
  void Clear() { FRects.clear(); }

  bool operator==(const TRegion&) const = default;

 private:
  std::vector<TRect> FRects;
};

}  // namespace framework
