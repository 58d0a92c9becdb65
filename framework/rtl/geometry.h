#pragma once

namespace framework {

struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  bool operator==(const TSize&) const = default;
};

// A rectangle that holds the points with Left <= X < Right and Top <= Y < Bottom.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  TPoint TopLeft() const { return {Left, Top}; }
  TPoint BottomRight() const { return {Right, Bottom}; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(TPoint P) const { return P.X >= Left && P.X < Right && P.Y >= Top && P.Y < Bottom; }
  bool operator==(const TRect&) const = default;
};

inline TPoint Point(int X, int Y) {
  return {X, Y};
}
inline TRect Rect(int Left, int Top, int Right, int Bottom) {
  return {Left, Top, Right, Bottom};
}
inline TRect Bounds(int Left, int Top, int Width, int Height) {
  return {Left, Top, Left + Width, Top + Height};
}

// The window system's rectangle helpers. IntersectRect and UnionRect give an all-zero rectangle
// (and False) when the result is empty.
bool IntersectRect(TRect& Dest, const TRect& R1, const TRect& R2);
bool UnionRect(TRect& Dest, const TRect& R1, const TRect& R2);
inline bool IsRectEmpty(const TRect& R) {
  return R.IsEmpty();
}
inline bool PtInRect(const TRect& R, TPoint P) {
  return R.Contains(P);
}
inline void OffsetRect(TRect& R, int DX, int DY) {
  R = {R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY};
}
inline void InflateRect(TRect& R, int DX, int DY) {
  R = {R.Left - DX, R.Top - DY, R.Right + DX, R.Bottom + DY};
}

}  // namespace framework
