#pragma once

#include "framework/graphics/color.h"
#include "framework/rtl/geometry.h"

namespace framework {

class TCanvas;

// Width nested one-pixel frames, each with its top and left edges in TopColor and its bottom and
// right edges (the top-right and bottom-left corners included) in BottomColor, each one pixel
// inside the one before. Rect becomes the rectangle inside the innermost frame. The canvas's pen
// is left as it was.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

}  // namespace framework
