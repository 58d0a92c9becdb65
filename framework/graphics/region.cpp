#include "framework/graphics/region.h"

#include <algorithm>

namespace framework {

namespace {

enum class TOperation { Union, Subtract, Intersect };

struct TSpan {
  int Left;
  int Right;
  bool operator==(const TSpan&) const = default;
};

// The end of the band that starts at Begin: the first rectangle with another top.
size_t BandEnd(const std::vector<TRect>& Rects, size_t Begin) {
  size_t End = Begin + 1;
  while (End < Rects.size() && Rects[End].Top == Rects[Begin].Top) ++End;
  return End;
}

void AddSpan(std::vector<TSpan>& Spans, int Left, int Right) {
  if (Left >= Right) return;
  // Touching spans become one: a band never holds two rectangles that touch.
  if (!Spans.empty() && Spans.back().Right >= Left)
    Spans.back().Right = std::max(Spans.back().Right, Right);
  else
    Spans.push_back({Left, Right});
}

// Combines the sorted, disjoint spans of two bands.
void CombineSpans(const std::vector<TSpan>& A, const std::vector<TSpan>& B, TOperation Operation,
                  std::vector<TSpan>& Result) {
  Result.clear();
  switch (Operation) {
    case TOperation::Union: {
      size_t I = 0, J = 0;
      while (I < A.size() || J < B.size()) {
        const bool TakeA = J == B.size() || (I < A.size() && A[I].Left <= B[J].Left);
        const TSpan& S = TakeA ? A[I++] : B[J++];
        AddSpan(Result, S.Left, S.Right);
      }
      break;
    }
    case TOperation::Intersect: {
      size_t I = 0, J = 0;
      while (I < A.size() && J < B.size()) {
        AddSpan(Result, std::max(A[I].Left, B[J].Left), std::min(A[I].Right, B[J].Right));
        if (A[I].Right < B[J].Right)
          ++I;
        else
          ++J;
      }
      break;
    }
    case TOperation::Subtract: {
      size_t J = 0;
      for (const TSpan& S : A) {
        int Left = S.Left;
        while (J < B.size() && B[J].Right <= Left) ++J;
        // The spans of B that overlap S cut it; the last of them may overlap the next span of A
        // too, so J stays on it.
        size_t K = J;
        while (K < B.size() && B[K].Left < S.Right) {
          AddSpan(Result, Left, std::min(B[K].Left, S.Right));
          Left = std::max(Left, B[K].Right);
          if (B[K].Right > S.Right) break;
          ++K;
        }
        J = K;
        AddSpan(Result, Left, S.Right);
      }
      break;
    }
  }
}

// The spans of the band of Rects that covers the rows from Y (Index walks forward through the
// bands as Y grows); empty when no band covers Y.
void SpansAt(const std::vector<TRect>& Rects, size_t& Index, int Y, std::vector<TSpan>& Spans) {
  Spans.clear();
  while (Index < Rects.size() && Rects[Index].Bottom <= Y) Index = BandEnd(Rects, Index);
  if (Index == Rects.size() || Rects[Index].Top > Y) return;
  const size_t End = BandEnd(Rects, Index);
  for (size_t I = Index; I < End; ++I) Spans.push_back({Rects[I].Left, Rects[I].Right});
}

// Sweeps both regions from top to bottom through every row where a band of either starts or
// ends, combines their spans there, and keeps the banded form: a band whose spans equal those of
// the band right above it extends that band.
std::vector<TRect> Combine(const std::vector<TRect>& A, const std::vector<TRect>& B,
                           TOperation Operation) {
  std::vector<int> Rows;
  Rows.reserve(2 * (A.size() + B.size()));
  for (const auto* Rects : {&A, &B})
    for (const TRect& R : *Rects) {
      Rows.push_back(R.Top);
      Rows.push_back(R.Bottom);
    }
  std::sort(Rows.begin(), Rows.end());
  Rows.erase(std::unique(Rows.begin(), Rows.end()), Rows.end());

  std::vector<TRect> Result;
  std::vector<TSpan> SpansA, SpansB, Spans, Previous;
  size_t IndexA = 0, IndexB = 0;
  size_t PreviousBegin = 0;
  bool HavePrevious = false;
  for (size_t K = 0; K + 1 < Rows.size(); ++K) {
    const int Top = Rows[K], Bottom = Rows[K + 1];
    SpansAt(A, IndexA, Top, SpansA);
    SpansAt(B, IndexB, Top, SpansB);
    CombineSpans(SpansA, SpansB, Operation, Spans);
    if (Spans.empty()) {
      HavePrevious = false;
      continue;
    }
    if (HavePrevious && Result[PreviousBegin].Bottom == Top && Spans == Previous) {
      for (size_t I = PreviousBegin; I < Result.size(); ++I) Result[I].Bottom = Bottom;
      continue;
    }
    PreviousBegin = Result.size();
    for (const TSpan& S : Spans) Result.push_back({S.Left, Top, S.Right, Bottom});
    Previous.swap(Spans);
    HavePrevious = true;
  }
  return Result;
}

}  // namespace

TRegion::TRegion(const TRect& R) {
  if (!R.IsEmpty()) FRects.push_back(R);
}

TRect TRegion::Bounds() const {
  if (FRects.empty()) return {};
  TRect Result{FRects.front().Left, FRects.front().Top, FRects.front().Right, FRects.back().Bottom};
  for (const TRect& R : FRects) {
    Result.Left = std::min(Result.Left, R.Left);
    Result.Right = std::max(Result.Right, R.Right);
  }
  return Result;
}

bool TRegion::Contains(TPoint P) const {
  // The bands are disjoint and sorted, so the bottoms never decrease along the rectangles.
  auto It = std::upper_bound(FRects.begin(), FRects.end(), P.Y,
                             [](int Y, const TRect& R) { return Y < R.Bottom; });
  if (It == FRects.end() || It->Top > P.Y) return false;
  const int Top = It->Top;
  for (; It != FRects.end() && It->Top == Top && It->Left <= P.X; ++It)
    if (P.X < It->Right) return true;
  return false;
}

bool TRegion::Intersects(const TRect& R) const {
  if (R.IsEmpty()) return false;
  for (const TRect& Own : FRects) {
    if (Own.Top >= R.Bottom) break;
    if (Own.Bottom > R.Top && Own.Left < R.Right && Own.Right > R.Left) return true;
  }
  return false;
}

void TRegion::Union(const TRect& R) {
  if (R.IsEmpty()) return;
  if (FRects.empty()) {
    FRects.assign(1, R);
    return;
  }
  Union(TRegion(R));
}

void TRegion::Union(const TRegion& Other) {
  if (Other.FRects.empty()) return;
  if (FRects.empty()) {
    FRects = Other.FRects;
    return;
  }
  FRects = Combine(FRects, Other.FRects, TOperation::Union);
}

void TRegion::Subtract(const TRect& R) {
  if (R.IsEmpty() || !Intersects(R)) return;
  Subtract(TRegion(R));
}

void TRegion::Subtract(const TRegion& Other) {
  if (FRects.empty() || Other.FRects.empty()) return;
  FRects = Combine(FRects, Other.FRects, TOperation::Subtract);
}

void TRegion::Intersect(const TRect& R) {
  if (R.IsEmpty()) {
    FRects.clear();
    return;
  }
  // The usual case of a clip rectangle that holds the whole region.
  const TRect Box = Bounds();
  if (R.Left <= Box.Left && R.Top <= Box.Top && R.Right >= Box.Right && R.Bottom >= Box.Bottom)
    return;
  Intersect(TRegion(R));
}

void TRegion::Intersect(const TRegion& Other) {
  if (FRects.empty()) return;
  if (Other.FRects.empty()) {
    FRects.clear();
    return;
  }
  FRects = Combine(FRects, Other.FRects, TOperation::Intersect);
}

void TRegion::Offset(int DX, int DY) {
  for (TRect& R : FRects) OffsetRect(R, DX, DY);
}

}  // namespace framework
