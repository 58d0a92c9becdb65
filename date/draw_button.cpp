#include "date/draw_button.h"

#include "framework/graphics/frame_3d.h"

namespace tarvex {

using namespace framework;

void DrawButton(const TRect& Rect, TCanvas* Canvas, const TBitmap* Bitmap, TColor GlyphColor,
                bool Enabled, bool Down) {
  Canvas->Brush()->SetColor(clBtnFace);
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->FillRect(Rect);

  const int GlyphWidth = Bitmap ? Bitmap->Width() / 2 : 0;
  const int GlyphHeight = Bitmap ? Bitmap->Height() : 0;
  TRect Glyph = framework::Rect(0, 0, GlyphWidth, GlyphHeight);
  OffsetRect(Glyph, Rect.Left + Rect.Width() / 2 - GlyphWidth / 2,
             Rect.Top + Rect.Height() / 2 - GlyphHeight / 2);
  OffsetRect(Glyph, 1, 0);

  if (Down) {
    Canvas->Brush()->SetColor(clBtnShadow);
    Canvas->FrameRect(Rect);
    OffsetRect(Glyph, 1, 1);
  } else {
    TRect Edge = Rect;
    Frame3D(Canvas, Edge, cl3DLight, clWindowFrame, 1);
    Frame3D(Canvas, Edge, clBtnHighlight, clBtnShadow, 1);
  }

  const TColor SavedBrush = Canvas->Brush()->Color();
  Canvas->Brush()->SetColor(GlyphColor);
  const int SourceLeft = Enabled ? 0 : GlyphWidth;
  Canvas->BrushCopy(Glyph, Bitmap,
                    framework::Rect(SourceLeft, 0, SourceLeft + GlyphWidth, GlyphHeight), clBlack);
  Canvas->Brush()->SetColor(SavedBrush);
}

}  // namespace tarvex
