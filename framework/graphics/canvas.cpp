#include "framework/graphics/canvas.h"

#include <algorithm>
#include <cstdlib>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/graphic.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/guards.h"

namespace framework {

namespace {

uint32_t PixelOf(TColor Color) {
  return ColorRefToPixel(ColorToRGB(Color));
}

// The dash patterns of the system's cosmetic pens: pixels on, pixels off, and so on.
constexpr int DashPattern[] = {18, 6};
constexpr int DotPattern[] = {3, 3};
constexpr int DashDotPattern[] = {9, 6, 3, 6};
constexpr int DashDotDotPattern[] = {9, 3, 3, 3, 3, 3};

std::span<const int> PatternOf(TPenStyle Style) {
  switch (Style) {
    case psDash: return DashPattern;
    case psDot: return DotPattern;
    case psDashDot: return DashDotPattern;
    case psDashDotDot: return DashDotDotPattern;
    default: return {};
  }
}

// Lines in a pen: solid or dashed one-pixel lines that leave out their end point, and wide
// lines made of pen-sized squares that keep it. The dash pattern runs on from one line to the
// next drawn by the same stroke.
class TStroke {
 public:
  TStroke(TDeviceContext& DC, const TPen& Pen, const TBrush& Brush)
      : FDC(DC),
        FPixel(PixelOf(Pen.Color())),
        FGap(PixelOf(Brush.Color())),
        FPaintGaps(Brush.Style() != bsClear),
        FWidth(std::max(Pen.Width(), 1)),
        FDraws(Pen.Style() != psClear) {
    // The system draws the styles of wide pens solid.
    if (FWidth == 1) FPattern = PatternOf(Pen.Style());
    for (int Length : FPattern) FPatternLength += Length;
  }

  void Line(TPoint From, TPoint To) {
    if (!FDraws) return;
    if (FWidth == 1 && FPattern.empty() && (From.X == To.X || From.Y == To.Y)) {
      // The common frame and border line, in one fill.
      if (From == To) return;
      if (From.Y == To.Y) {
        const int Left = From.X < To.X ? From.X : To.X + 1;
        const int Right = From.X < To.X ? To.X : From.X + 1;
        FDC.FillRect({Left, From.Y, Right, From.Y + 1}, FPixel);
      } else {
        const int Top = From.Y < To.Y ? From.Y : To.Y + 1;
        const int Bottom = From.Y < To.Y ? To.Y : From.Y + 1;
        FDC.FillRect({From.X, Top, From.X + 1, Bottom}, FPixel);
      }
      return;
    }
    const bool KeepEnd = FWidth > 1;
    const int DX = std::abs(To.X - From.X), DY = -std::abs(To.Y - From.Y);
    const int SX = From.X < To.X ? 1 : -1, SY = From.Y < To.Y ? 1 : -1;
    int Error = DX + DY;
    int X = From.X, Y = From.Y;
    for (;;) {
      const bool AtEnd = X == To.X && Y == To.Y;
      if (AtEnd && !KeepEnd) break;
      Plot(X, Y);
      if (AtEnd) break;
      const int Twice = 2 * Error;
      if (Twice >= DY) {
        Error += DY;
        X += SX;
      }
      if (Twice <= DX) {
        Error += DX;
        Y += SY;
      }
    }
  }

 private:
  void Plot(int X, int Y) {
    if (FWidth > 1) {
      const int Half = FWidth / 2;
      FDC.FillRect(Bounds(X - Half, Y - Half, FWidth, FWidth), FPixel);
      return;
    }
    if (FPattern.empty()) {
      FDC.SetPixel(X, Y, FPixel);
      return;
    }
    int Position = FPhase % FPatternLength;
    ++FPhase;
    size_t Segment = 0;
    while (Position >= FPattern[Segment]) Position -= FPattern[Segment++];
    if (Segment % 2 == 0)
      FDC.SetPixel(X, Y, FPixel);
    else if (FPaintGaps)
      FDC.SetPixel(X, Y, FGap);
  }

  TDeviceContext& FDC;
  uint32_t FPixel;
  uint32_t FGap;
  bool FPaintGaps;
  int FWidth;
  bool FDraws;
  std::span<const int> FPattern;
  int FPatternLength = 0;
  int FPhase = 0;
};

}  // namespace

const TClass& TCanvas::StaticClass() {
  return TClass::Describe<TCanvas>("TCanvas");
}

TCanvas::TCanvas()
    : FPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>()),
      FFont(std::make_unique<TFont>()) {}

TCanvas::~TCanvas() = default;

TDeviceContext& TCanvas::DeviceContext() const {
  if (!FHandle) throw EInvalidOperation("Canvas does not allow drawing");
  return *FHandle;
}

void TCanvas::Changing() {
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

void TCanvas::LineTo(int X, int Y) {
  TDeviceContext& DC = DeviceContext();
  Changing();
  TStroke(DC, *FPen, *FBrush).Line(FPenPos, {X, Y});
  FPenPos = {X, Y};
  Changed();
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
  TDeviceContext& DC = DeviceContext();
  if (Points.size() < 2) return;
  Changing();
  TStroke Stroke(DC, *FPen, *FBrush);
  for (size_t I = 1; I < Points.size(); ++I) Stroke.Line(Points[I - 1], Points[I]);
  Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  TDeviceContext& DC = DeviceContext();
  if (X1 > X2) std::swap(X1, X2);
  if (Y1 > Y2) std::swap(Y1, Y2);
  Changing();
  const bool Fills = FBrush->Style() != bsClear;
  const uint32_t BrushPixel = PixelOf(FBrush->Color());
  const TPenStyle Style = FPen->Style();
  if (Style == psClear) {
    if (Fills) DC.FillRect({X1, Y1, X2 - 1, Y2 - 1}, BrushPixel);
    return Changed();
  }
  const int Width = std::max(FPen->Width(), 1);
  if (Width == 1 && Style != psSolid && Style != psInsideFrame) {
    if (Fills) DC.FillRect({X1 + 1, Y1 + 1, X2 - 1, Y2 - 1}, BrushPixel);
    if (X2 - X1 < 2 || Y2 - Y1 < 2) {
      // A rectangle one pixel thin is a line over all of its pixels.
      TStroke Stroke(DC, *FPen, *FBrush);
      if (X2 - X1 == 1)
        Stroke.Line({X1, Y1}, {X1, Y2});
      else if (Y2 - Y1 == 1)
        Stroke.Line({X1, Y1}, {X2, Y1});
      return Changed();
    }
    // The outline, once around from the top-left corner, each side stopping before the next.
    const TPoint Corners[] = {{X1, Y1}, {X2 - 1, Y1}, {X2 - 1, Y2 - 1}, {X1, Y2 - 1}, {X1, Y1}};
    TStroke Stroke(DC, *FPen, *FBrush);
    for (size_t I = 1; I < std::size(Corners); ++I) Stroke.Line(Corners[I - 1], Corners[I]);
    return Changed();
  }
  TRect Outer{X1, Y1, X2, Y2};
  if (Width > 1 && Style != psInsideFrame) {
    Outer.Left -= (Width - 1) / 2;
    Outer.Top -= (Width - 1) / 2;
    Outer.Right = Outer.Left + (X2 - X1) + Width - 1;
    Outer.Bottom = Outer.Top + (Y2 - Y1) + Width - 1;
  }
  const TRect Inner{Outer.Left + Width, Outer.Top + Width, Outer.Right - Width,
                    Outer.Bottom - Width};
  if (Fills) DC.FillRect(Inner, BrushPixel);
  const uint32_t PenPixel = PixelOf(FPen->Color());
  const int Top = std::min(Outer.Top + Width, Outer.Bottom);
  const int Bottom = std::max(Outer.Bottom - Width, Top);
  DC.FillRect({Outer.Left, Outer.Top, Outer.Right, Top}, PenPixel);
  DC.FillRect({Outer.Left, Bottom, Outer.Right, Outer.Bottom}, PenPixel);
  DC.FillRect({Outer.Left, Top, std::min(Outer.Left + Width, Outer.Right), Bottom}, PenPixel);
  DC.FillRect({std::max(Outer.Right - Width, Outer.Left), Top, Outer.Right, Bottom}, PenPixel);
  Changed();
}

void TCanvas::FillRect(const TRect& R) {
  TDeviceContext& DC = DeviceContext();
  if (FBrush->Style() == bsClear) return;
  Changing();
  DC.FillRect(R, PixelOf(FBrush->Color()));
  Changed();
}

void TCanvas::FrameRect(const TRect& R) {
  TDeviceContext& DC = DeviceContext();
  if (FBrush->Style() == bsClear || R.IsEmpty()) return;
  Changing();
  const uint32_t Pixel = PixelOf(FBrush->Color());
  DC.FillRect({R.Left, R.Top, R.Right, R.Top + 1}, Pixel);
  if (R.Height() > 1) DC.FillRect({R.Left, R.Bottom - 1, R.Right, R.Bottom}, Pixel);
  DC.FillRect({R.Left, R.Top + 1, R.Left + 1, R.Bottom - 1}, Pixel);
  if (R.Width() > 1) DC.FillRect({R.Right - 1, R.Top + 1, R.Right, R.Bottom - 1}, Pixel);
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& R) {
  TDeviceContext& DC = DeviceContext();
  if (R.IsEmpty()) return;
  Changing();
  auto Invert = [&](int X, int Y) {
    if ((X - R.Left + Y - R.Top) % 2 == 0) DC.InvertPixel(X, Y);
  };
  // Each pixel of the frame once, also when the rectangle is one pixel thin.
  for (int X = R.Left; X < R.Right; ++X) {
    Invert(X, R.Top);
    if (R.Height() > 1) Invert(X, R.Bottom - 1);
  }
  for (int Y = R.Top + 1; Y < R.Bottom - 1; ++Y) {
    Invert(R.Left, Y);
    if (R.Width() > 1) Invert(R.Right - 1, Y);
  }
  Changed();
}

TColor TCanvas::Pixels(int X, int Y) const {
  const TDeviceContext& DC = DeviceContext();
  if (!DC.PtVisible(X, Y)) return TColor(-1);
  return TColor(PixelToColorRef(DC.GetPixel(X, Y)));
}

void TCanvas::SetPixels(int X, int Y, TColor Color) {
  TDeviceContext& DC = DeviceContext();
  Changing();
  DC.SetPixel(X, Y, PixelOf(Color));
  Changed();
}

void TCanvas::TextOut(int X, int Y, std::string_view Text) {
  TDeviceContext& DC = DeviceContext();
  const TFontFace& Face = FFont->Face();
  const int Width = Face.TextWidth(Text);
  Changing();
  if (FBrush->Style() != bsClear)
    DC.FillRect(Bounds(X, Y, Width, Face.Height()), PixelOf(FBrush->Color()));
  Face.DrawText(DC, X, Y, Text, PixelOf(FFont->Color()));
  FPenPos = {X + Width, Y};
  Changed();
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, std::string_view Text) {
  TDeviceContext& DC = DeviceContext();
  const TFontFace& Face = FFont->Face();
  Changing();
  DC.Save();
  TScopeExit Restore([&DC] { DC.Restore(); });
  DC.IntersectClipRect(Rect);
  if (FBrush->Style() != bsClear) DC.FillRect(Rect, PixelOf(FBrush->Color()));
  Face.DrawText(DC, X, Y, Text, PixelOf(FFont->Color()));
  Changed();
}

int TCanvas::TextWidth(std::string_view Text) const {
  return FFont->Face().TextWidth(Text);
}

int TCanvas::TextHeight(std::string_view) const {
  return FFont->Face().Height();
}

TSize TCanvas::TextExtent(std::string_view Text) const {
  const TFontFace& Face = FFont->Face();
  return {Face.TextWidth(Text), Face.Height()};
}

void TCanvas::Draw(int X, int Y, const TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  StretchDraw(Bounds(X, Y, Graphic->Width(), Graphic->Height()), Graphic);
}

void TCanvas::StretchDraw(const TRect& Rect, const TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  DeviceContext();
  Changing();
  Graphic->Draw(*this, Rect);
  Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect) {
  TDeviceContext& DC = DeviceContext();
  const TDeviceContext& SourceDC = Source.DeviceContext();
  TRect Src = SourceRect;
  OffsetRect(Src, SourceDC.Origin().X, SourceDC.Origin().Y);
  Changing();
  DC.StretchFrom(Dest, SourceDC.Surface(), Src);
  Changed();
}

void TCanvas::BrushCopy(const TRect& Dest, const TBitmap* Bitmap, const TRect& Source,
                        TColor Color) {
  TDeviceContext& DC = DeviceContext();
  if (!Bitmap || Bitmap->Empty()) return;
  Changing();
  DC.BrushCopyFrom(Dest, Bitmap->Surface(), Source, PixelOf(Color), PixelOf(FBrush->Color()),
                   FBrush->Style() == bsClear);
  Changed();
}

TRect TCanvas::ClipRect() const {
  return DeviceContext().GetClipBox();
}

void TCanvas::IntersectClipRect(const TRect& R) {
  DeviceContext().IntersectClipRect(R);
}

void TCanvas::ExcludeClipRect(const TRect& R) {
  DeviceContext().ExcludeClipRect(R);
}

}  // namespace framework
