#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "framework/graphics/color.h"
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
  // Moves the logical origin to another point of the surface (SetViewportOrgEx); MoveOrigin moves
  // it by DX, DY, so that the logical point (DX, DY) becomes the new (0, 0), as a window paints a
  // graphic control at its place.
  void SetOrigin(TPoint Origin) { FOrigin = Origin; }
  void MoveOrigin(int DX, int DY) { FOrigin = {FOrigin.X + DX, FOrigin.Y + DY}; }
  // Surface coordinates.
  const TRegion& ClipRegion() const { return FClip; }
  // Replaces the clip region (surface coordinates), cut down to the surface.
  void SetClipRegion(const TRegion& Clip);

  // The clipping calls, in logical coordinates.
  void IntersectClipRect(const TRect& R);
  void ExcludeClipRect(const TRect& R);
  // The smallest logical rectangle holding the clip region; all-zero when nothing is visible.
  TRect GetClipBox() const;
  bool RectVisible(const TRect& R) const;
  bool PtVisible(int X, int Y) const { return Visible(X + FOrigin.X, Y + FOrigin.Y); }
  // SaveDC and RestoreDC: the clip region and the origin, nested. Restore without a Save does
  // nothing.
  void Save();
  void Restore();
  int SaveDepth() const { return int(FSaved.size()); }

  // The colours a window's painting takes for text and for the background behind it, set by a
  // parent that answers a control's colour request. The setters answer the colour replaced.
  TColor TextColor() const { return FTextColor; }
  TColor SetTextColor(TColor Color) { return std::exchange(FTextColor, Color); }
  TColor BkColor() const { return FBkColor; }
  TColor SetBkColor(TColor Color) { return std::exchange(FBkColor, Color); }

  void FillRect(const TRect& R, uint32_t Pixel);
  // Inverts the colour of the pixels of R (PATINVERT with a white brush), alpha kept.
  void InvertRect(const TRect& R);
  void SetPixel(int X, int Y, uint32_t Pixel);
  void InvertPixel(int X, int Y);
  // The pixel at a logical point, or 0 outside the surface.
  uint32_t GetPixel(int X, int Y) const;
  // Blends Pixel into the point with coverage Alpha (0..255), clipped: antialiased text.
  void BlendPixel(int X, int Y, uint32_t Pixel, uint8_t Alpha);
  // Blends Pixel through a coverage mask of Box's size (rows top first) into the logical
  // rectangle Box, clipped once per clip rectangle: a glyph.
  void BlendMask(const TRect& Box, const uint8_t* Coverage, uint32_t Pixel);
  // Copies Source's rectangle Src to the logical point Dest, clipped to Source and to the clip
  // region. Source may be this context's own surface, overlapping copies included.
  void CopyFrom(int DestX, int DestY, const TSurface& Source, const TRect& Src);
  // Copies Source's rectangle Src onto the logical rectangle Dest, scaled by the nearest pixel
  // when their sizes differ (StretchBlt in COLORONCOLOR mode); pixels of Src outside Source are
  // left alone.
  void StretchFrom(const TRect& Dest, const TSurface& Source, const TRect& Src);
  // StretchFrom, with the pixels of Source whose colour is KeyPixel's (alpha ignored) painted
  // in ReplacePixel instead, or left alone when Transparent: a glyph drawn in another colour.
  void BrushCopyFrom(const TRect& Dest, const TSurface& Source, const TRect& Src, uint32_t KeyPixel,
                     uint32_t ReplacePixel, bool Transparent = false);

 private:
  static void Blend(uint32_t& Dest, uint32_t Pixel, uint8_t Alpha);
  struct TSavedState {
    TRegion Clip;
    TPoint Origin;
  };

  bool Visible(int SurfaceX, int SurfaceY) const;
  // The logical rectangle R on the surface.
  TRect ToSurface(const TRect& R) const;
  // The work of StretchFrom and BrushCopyFrom: Map turns a source pixel into the one to write,
  // or returns false to leave the destination pixel alone.
  template <class TMap>
  void Stretch(const TRect& Dest, const TSurface& Source, const TRect& Src, TMap Map);

  TSurface* FSurface;
  TPoint FOrigin;
  TRegion FClip;
  TColor FTextColor = clWindowText;
  TColor FBkColor = clWindow;
  std::vector<TSavedState> FSaved;
};

using HDC = TDeviceContext*;

}  // namespace framework
