#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "framework/classes/event.h"
#include "framework/classes/persistent.h"
#include "framework/graphics/brush.h"
#include "framework/graphics/color.h"
#include "framework/graphics/device_context.h"
#include "framework/graphics/font.h"
#include "framework/graphics/pen.h"
#include "framework/rtl/geometry.h"

namespace framework {

class TBitmap;
class TGraphic;

// Draws with a pen, a brush and a font on a device context that it is handed (a window's paint
// context, a bitmap's context) and does not own. Coordinates are logical: the context's origin
// and clip region apply to everything. Drawing without a handle raises EInvalidOperation
// ("Canvas does not allow drawing"); measuring text needs none.
class TCanvas : public TPersistent {
  DECLARE_CLASS(TCanvas, TPersistent)

 public:
  TCanvas();
  ~TCanvas() override;

  HDC Handle() const { return FHandle; }
  void SetHandle(HDC Value) { FHandle = Value; }
  bool HandleAllocated() const { return FHandle != nullptr; }
  // The handle's device context; raises EInvalidOperation when there is no handle.
  TDeviceContext& DeviceContext() const;

  TPen* Pen() const { return FPen.get(); }
  TBrush* Brush() const { return FBrush.get(); }
  TFont* Font() const { return FFont.get(); }
  // Copy the given objects into the canvas's own.
  void SetPen(const TPen* Value) { FPen->Assign(Value); }
  void SetBrush(const TBrush* Value) { FBrush->Assign(Value); }
  void SetFont(const TFont* Value) { FFont->Assign(Value); }

  TPoint PenPos() const { return FPenPos; }
  void SetPenPos(TPoint Value) { FPenPos = Value; }
  void MoveTo(int X, int Y) { FPenPos = {X, Y}; }
  // Draws from PenPos to (X, Y) and moves PenPos there. A line one pixel wide stops before its
  // end point, as the system's lines do; the gaps of a dashed line are painted in the brush
  // colour unless the brush is clear, and wider pens draw solid.
  void LineTo(int X, int Y);
  // Lines through the points, the dash pattern running on from one to the next; PenPos stays.
  void Polyline(std::span<const TPoint> Points);
  // A frame in the pen around an inside in the brush (none when the brush is clear). The right
  // and bottom edges are exclusive; with a clear pen the filled rectangle is a pixel narrower
  // and shorter, as the system draws it. A wide pen's frame is centred on the outline, except
  // with psInsideFrame, which keeps it inside.
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  // Fill in the brush; a one-pixel frame in the brush colour. Nothing with a clear brush.
  void FillRect(const TRect& R);
  void FrameRect(const TRect& R);
  // The focus rectangle: every other pixel of the frame inverted, starting at the top-left
  // corner, so that drawing it twice removes it.
  void DrawFocusRect(const TRect& R);

  // The colour at a point (a COLORREF as a TColor); -1 (CLR_INVALID) outside the clip region.
  TColor Pixels(int X, int Y) const;
  void SetPixels(int X, int Y, TColor Color);

  // Draws Text in the font with the top-left of its cell at (X, Y), the cell first filled with
  // the brush unless it is clear, and moves PenPos to the end of the text.
  void TextOut(int X, int Y, std::string_view Text);
  // Draws Text at (X, Y) clipped to Rect, which is first filled with the brush unless it is
  // clear. PenPos stays.
  void TextRect(const TRect& Rect, int X, int Y, std::string_view Text);
  int TextWidth(std::string_view Text) const;
  // The font face's line height, whatever the text.
  int TextHeight(std::string_view Text) const;
  TSize TextExtent(std::string_view Text) const;

  // A graphic at its own size, or scaled into Rect; nothing for a null or empty graphic.
  void Draw(int X, int Y, const TGraphic* Graphic);
  void StretchDraw(const TRect& Rect, const TGraphic* Graphic);
  // Copies SourceRect of Source onto Dest, scaled by the nearest pixel when the sizes differ.
  void CopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect);
  // Copies Source of Bitmap onto Dest, its pixels of Color painted in the brush colour (left as
  // they are on the canvas when the brush is clear): a black glyph drawn in a chosen colour.
  void BrushCopy(const TRect& Dest, const TBitmap* Bitmap, const TRect& Source, TColor Color);

  // The logical rectangle holding everything drawing can reach.
  TRect ClipRect() const;
  void IntersectClipRect(const TRect& R);
  void ExcludeClipRect(const TRect& R);

  // Fired around every drawing call: a bitmap learns that its picture changed.
  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;

 protected:
  virtual void Changing();
  virtual void Changed();

 private:
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TFont> FFont;
  HDC FHandle = nullptr;
  TPoint FPenPos;
};

}  // namespace framework
