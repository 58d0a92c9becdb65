#include "framework/graphics/device_context.h"

#include <algorithm>

namespace framework {

namespace {

TRect SurfaceBounds(const TSurface& Surface) {
  return {0, 0, Surface.Width(), Surface.Height()};
}

// Calls Fill for each part of the surface rectangle R that the clip region lets through.
template <class TFill>
void ForEachVisible(const TRegion& Clip, const TRect& R, TFill Fill) {
  if (R.IsEmpty()) return;
  for (const TRect& C : Clip.Rects()) {
    if (C.Top >= R.Bottom) break;
    TRect Part;
    if (IntersectRect(Part, C, R)) Fill(Part);
  }
}

uint8_t BlendChannel(uint32_t Source, uint32_t Dest, unsigned Shift, unsigned Alpha) {
  const unsigned S = (Source >> Shift) & 0xFF, D = (Dest >> Shift) & 0xFF;
  return uint8_t((S * Alpha + D * (255 - Alpha) + 127) / 255);
}

}  // namespace

TDeviceContext::TDeviceContext(TSurface& Surface, TPoint Origin, TRegion Clip)
    : FSurface(&Surface), FOrigin(Origin), FClip(std::move(Clip)) {
  FClip.Intersect(SurfaceBounds(Surface));
}

TDeviceContext::TDeviceContext(TSurface& Surface)
    : FSurface(&Surface), FOrigin(), FClip(SurfaceBounds(Surface)) {}

void TDeviceContext::SetClipRegion(const TRegion& Clip) {
  FClip = Clip;
  FClip.Intersect(SurfaceBounds(*FSurface));
}

TRect TDeviceContext::ToSurface(const TRect& R) const {
  TRect Result = R;
  OffsetRect(Result, FOrigin.X, FOrigin.Y);
  return Result;
}

bool TDeviceContext::Visible(int SurfaceX, int SurfaceY) const {
  // The clip region never reaches past the surface.
  return FClip.Contains({SurfaceX, SurfaceY});
}

void TDeviceContext::IntersectClipRect(const TRect& R) {
  FClip.Intersect(ToSurface(R));
}

void TDeviceContext::ExcludeClipRect(const TRect& R) {
  FClip.Subtract(ToSurface(R));
}

TRect TDeviceContext::GetClipBox() const {
  if (FClip.IsEmpty()) return {};
  TRect Box = FClip.Bounds();
  OffsetRect(Box, -FOrigin.X, -FOrigin.Y);
  return Box;
}

bool TDeviceContext::RectVisible(const TRect& R) const {
  return FClip.Intersects(ToSurface(R));
}

void TDeviceContext::Save() {
  FSaved.push_back({FClip, FOrigin});
}

void TDeviceContext::Restore() {
  if (FSaved.empty()) return;
  FClip = std::move(FSaved.back().Clip);
  FOrigin = FSaved.back().Origin;
  FSaved.pop_back();
}

void TDeviceContext::FillRect(const TRect& R, uint32_t Pixel) {
  ForEachVisible(FClip, ToSurface(R), [&](const TRect& Part) {
    for (int Y = Part.Top; Y < Part.Bottom; ++Y)
      std::fill_n(FSurface->Row(Y) + Part.Left, Part.Width(), Pixel);
  });
}

void TDeviceContext::InvertRect(const TRect& R) {
  ForEachVisible(FClip, ToSurface(R), [&](const TRect& Part) {
    for (int Y = Part.Top; Y < Part.Bottom; ++Y) {
      uint32_t* Row = FSurface->Row(Y);
      for (int X = Part.Left; X < Part.Right; ++X) Row[X] ^= 0x00FFFFFFu;
    }
  });
}

void TDeviceContext::SetPixel(int X, int Y, uint32_t Pixel) {
  X += FOrigin.X;
  Y += FOrigin.Y;
  if (Visible(X, Y)) FSurface->SetPixel(X, Y, Pixel);
}

void TDeviceContext::InvertPixel(int X, int Y) {
  X += FOrigin.X;
  Y += FOrigin.Y;
  if (Visible(X, Y)) FSurface->Row(Y)[X] ^= 0x00FFFFFFu;
}

uint32_t TDeviceContext::GetPixel(int X, int Y) const {
  X += FOrigin.X;
  Y += FOrigin.Y;
  return FSurface->Contains(X, Y) ? FSurface->Pixel(X, Y) : 0;
}

void TDeviceContext::BlendPixel(int X, int Y, uint32_t Pixel, uint8_t Alpha) {
  X += FOrigin.X;
  Y += FOrigin.Y;
  if (Visible(X, Y)) Blend(FSurface->Row(Y)[X], Pixel, Alpha);
}

void TDeviceContext::BlendMask(const TRect& Box, const uint8_t* Coverage, uint32_t Pixel) {
  const TRect Surface = ToSurface(Box);
  ForEachVisible(FClip, Surface, [&](const TRect& Part) {
    for (int Y = Part.Top; Y < Part.Bottom; ++Y) {
      const uint8_t* Row = Coverage + size_t(Y - Surface.Top) * size_t(Box.Width());
      uint32_t* Dest = FSurface->Row(Y);
      for (int X = Part.Left; X < Part.Right; ++X) Blend(Dest[X], Pixel, Row[X - Surface.Left]);
    }
  });
}

void TDeviceContext::Blend(uint32_t& Dest, uint32_t Pixel, uint8_t Alpha) {
  // The pixel's own alpha scales the coverage: a translucent colour covers less.
  const unsigned Coverage = (unsigned(Alpha) * (Pixel >> 24) + 127) / 255;
  if (Coverage == 0) return;
  if (Coverage == 255) {
    Dest = Pixel;
    return;
  }
  const unsigned DestAlpha = Dest >> 24;
  const unsigned OutAlpha = Coverage + (DestAlpha * (255 - Coverage) + 127) / 255;
  Dest = (uint32_t(OutAlpha) << 24) | (uint32_t(BlendChannel(Pixel, Dest, 16, Coverage)) << 16) |
         (uint32_t(BlendChannel(Pixel, Dest, 8, Coverage)) << 8) |
         BlendChannel(Pixel, Dest, 0, Coverage);
}

template <class TMap>
void TDeviceContext::Stretch(const TRect& Dest, const TSurface& Source, const TRect& Src,
                             TMap Map) {
  const TRect D = ToSurface(Dest);
  if (D.IsEmpty() || Src.IsEmpty() || !FClip.Intersects(D)) return;
  if (&Source == FSurface) {
    // A copy within one surface reads the source before any of it is overwritten.
    TRect Readable;
    if (!IntersectRect(Readable, Src, SurfaceBounds(Source))) return;
    TSurface Copy(Readable.Width(), Readable.Height());
    for (int Y = 0; Y < Readable.Height(); ++Y)
      std::copy_n(Source.Row(Readable.Top + Y) + Readable.Left, Readable.Width(), Copy.Row(Y));
    TRect Moved = Src;
    OffsetRect(Moved, -Readable.Left, -Readable.Top);
    return Stretch(Dest, Copy, Moved, Map);
  }
  // The source pixel of destination column X is the one under the centre of X scaled back,
  // which is exactly X - D.Left when the sizes agree.
  auto SourceOf = [](int Offset, int SourceSize, int DestSize, int SourceStart) {
    return SourceStart + int((int64_t(2) * Offset + 1) * SourceSize / (int64_t(2) * DestSize));
  };
  std::vector<int> Columns(size_t(D.Width()));
  for (int X = 0; X < D.Width(); ++X)
    Columns[size_t(X)] = SourceOf(X, Src.Width(), D.Width(), Src.Left);
  ForEachVisible(FClip, D, [&](const TRect& Part) {
    for (int Y = Part.Top; Y < Part.Bottom; ++Y) {
      const int SourceY = SourceOf(Y - D.Top, Src.Height(), D.Height(), Src.Top);
      if (SourceY < 0 || SourceY >= Source.Height()) continue;
      const uint32_t* SourceRow = Source.Row(SourceY);
      uint32_t* DestRow = FSurface->Row(Y);
      for (int X = Part.Left; X < Part.Right; ++X) {
        const int SourceX = Columns[size_t(X - D.Left)];
        if (SourceX < 0 || SourceX >= Source.Width()) continue;
        Map(SourceRow[SourceX], DestRow[X]);
      }
    }
  });
}

void TDeviceContext::CopyFrom(int DestX, int DestY, const TSurface& Source, const TRect& Src) {
  StretchFrom(Bounds(DestX, DestY, Src.Width(), Src.Height()), Source, Src);
}

void TDeviceContext::StretchFrom(const TRect& Dest, const TSurface& Source, const TRect& Src) {
  Stretch(Dest, Source, Src, [](uint32_t S, uint32_t& D) { D = S; });
}

void TDeviceContext::BrushCopyFrom(const TRect& Dest, const TSurface& Source, const TRect& Src,
                                   uint32_t KeyPixel, uint32_t ReplacePixel, bool Transparent) {
  const uint32_t Key = KeyPixel & 0x00FFFFFFu;
  Stretch(Dest, Source, Src, [&](uint32_t S, uint32_t& D) {
    if ((S & 0x00FFFFFFu) != Key)
      D = S;
    else if (!Transparent)
      D = ReplacePixel;
  });
}

}  // namespace framework
