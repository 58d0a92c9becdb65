#pragma once

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/color.h"
#include "framework/rtl/geometry.h"

namespace tarvex {

using framework::TBitmap;
using framework::TCanvas;
using framework::TColor;
using framework::TRect;

// A flat push button filling Rect with the glyph centred on it. Bitmap holds two glyphs side by
// side, the enabled one on the left and the disabled one on the right; its black pixels are
// painted in GlyphColor, the others as they are. A down button is framed in the shadow colour
// and its glyph shifted a pixel right and down.
void DrawButton(const TRect& Rect, TCanvas* Canvas, const TBitmap* Bitmap, TColor GlyphColor,
                bool Enabled, bool Down);

}  // namespace tarvex
