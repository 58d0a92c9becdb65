#include "framework/graphics/frame_3d.h"

#include "framework/graphics/canvas.h"
#include "framework/rtl/guards.h"

namespace framework {

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
  TPen Saved;
  Saved.Assign(Canvas->Pen());
  TPen* Pen = Canvas->Pen();
  TScopeExit Restore([&] { Pen->Assign(&Saved); });
  Pen->SetWidth(1);
  Pen->SetStyle(psSolid);
  // The corners of the outline, the right and bottom ones on the last pixels inside the
  // rectangle: lines stop before their end point, so that each polyline leaves the corner it
  // heads for to the other one.
  TRect Outline{Rect.Left, Rect.Top, Rect.Right - 1, Rect.Bottom - 1};
  for (; Width > 0; --Width) {
    const TPoint TopLeft{Outline.Left, Outline.Top}, TopRight{Outline.Right, Outline.Top};
    const TPoint BottomLeft{Outline.Left, Outline.Bottom};
    const TPoint BottomRight{Outline.Right, Outline.Bottom};
    Pen->SetColor(TopColor);
    const TPoint Top[] = {BottomLeft, TopLeft, TopRight};
    Canvas->Polyline(Top);
    Pen->SetColor(BottomColor);
    const TPoint Bottom[] = {TopRight, BottomRight, {BottomLeft.X - 1, BottomLeft.Y}};
    Canvas->Polyline(Bottom);
    InflateRect(Outline, -1, -1);
  }
  Rect = {Outline.Left, Outline.Top, Outline.Right + 1, Outline.Bottom + 1};
}

}  // namespace framework
