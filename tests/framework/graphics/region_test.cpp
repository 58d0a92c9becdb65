#include "framework/graphics/region.h"

#include <gtest/gtest.h>

#include <bitset>
#include <random>
#include <string>

using namespace framework;

namespace {

// The oracle: a plain set of pixels over a small plane that reaches a little past every side of
// the rectangles the tests draw from.
constexpr int PlaneMin = -8, PlaneMax = 56, PlaneSize = PlaneMax - PlaneMin;

class TPixelSet {
 public:
  bool Has(int X, int Y) const {
    return X >= PlaneMin && X < PlaneMax && Y >= PlaneMin && Y < PlaneMax && FBits[Index(X, Y)];
  }
  template <class F>
  void Apply(const TRect& R, F Op) {
    for (int Y = PlaneMin; Y < PlaneMax; ++Y)
      for (int X = PlaneMin; X < PlaneMax; ++X)
        FBits[Index(X, Y)] = Op(FBits[Index(X, Y)], R.Contains({X, Y}));
  }
  template <class F>
  void Apply(const TPixelSet& Other, F Op) {
    for (int Y = PlaneMin; Y < PlaneMax; ++Y)
      for (int X = PlaneMin; X < PlaneMax; ++X)
        FBits[Index(X, Y)] = Op(FBits[Index(X, Y)], Other.Has(X, Y));
  }
  void Offset(int DX, int DY) {
    TPixelSet Moved;
    for (int Y = PlaneMin; Y < PlaneMax; ++Y)
      for (int X = PlaneMin; X < PlaneMax; ++X)
        if (Has(X, Y) && X + DX >= PlaneMin && X + DX < PlaneMax && Y + DY >= PlaneMin &&
            Y + DY < PlaneMax)
          Moved.FBits[Index(X + DX, Y + DY)] = true;
    *this = Moved;
  }
  bool Empty() const { return FBits.none(); }

 private:
  static size_t Index(int X, int Y) { return size_t(Y - PlaneMin) * PlaneSize + (X - PlaneMin); }
  std::bitset<PlaneSize * PlaneSize> FBits;
};

bool Or(bool A, bool B) {
  return A || B;
}
bool AndNot(bool A, bool B) {
  return A && !B;
}
bool And(bool A, bool B) {
  return A && B;
}

// Checks the banded form the header promises, and that the region holds exactly the oracle's
// pixels.
void ExpectSame(const TRegion& Region, const TPixelSet& Oracle, const std::string& Step) {
  SCOPED_TRACE(Step);
  const auto& Rects = Region.Rects();
  for (size_t I = 0; I < Rects.size(); ++I) {
    const TRect& R = Rects[I];
    ASSERT_FALSE(R.IsEmpty());
    if (I == 0) continue;
    const TRect& P = Rects[I - 1];
    if (P.Top == R.Top) {
      ASSERT_EQ(P.Bottom, R.Bottom) << "a band shares its top and bottom";
      ASSERT_LT(P.Right, R.Left) << "rectangles of a band are sorted and never touch";
    } else {
      ASSERT_LE(P.Bottom, R.Top) << "bands are sorted and disjoint";
    }
  }
  // Two touching bands never hold the same spans.
  for (size_t Begin = 0; Begin < Rects.size();) {
    size_t End = Begin;
    while (End < Rects.size() && Rects[End].Top == Rects[Begin].Top) ++End;
    size_t Next = End;
    while (Next < Rects.size() && Rects[Next].Top == Rects[End].Top) ++Next;
    if (End < Rects.size() && Rects[End].Top == Rects[Begin].Bottom && Next - End == End - Begin) {
      bool Same = true;
      for (size_t K = 0; K < End - Begin; ++K)
        Same = Same && Rects[Begin + K].Left == Rects[End + K].Left &&
               Rects[Begin + K].Right == Rects[End + K].Right;
      ASSERT_FALSE(Same) << "touching bands with the same spans are one band";
    }
    Begin = End;
  }
  TRect Bounds{};
  bool Any = false;
  for (int Y = PlaneMin; Y < PlaneMax; ++Y)
    for (int X = PlaneMin; X < PlaneMax; ++X) {
      const bool Expected = Oracle.Has(X, Y);
      ASSERT_EQ(Region.Contains({X, Y}), Expected) << "at " << X << "," << Y;
      if (!Expected) continue;
      if (!Any) Bounds = {X, Y, X + 1, Y + 1};
      Any = true;
      Bounds = {std::min(Bounds.Left, X), std::min(Bounds.Top, Y), std::max(Bounds.Right, X + 1),
                std::max(Bounds.Bottom, Y + 1)};
    }
  EXPECT_EQ(Region.IsEmpty(), !Any);
  EXPECT_EQ(Region.Bounds(), Bounds);
}

TRect RandomRect(std::mt19937& Random) {
  std::uniform_int_distribution<int> Coordinate(0, 48);
  int L = Coordinate(Random), R = Coordinate(Random), T = Coordinate(Random),
      B = Coordinate(Random);
  if (L > R) std::swap(L, R);
  if (T > B) std::swap(T, B);
  return {L, T, R, B};
}

}  // namespace

TEST(Region, EmptyRectanglesAddNothing) {
  TRegion Region(Rect(5, 5, 5, 10));
  EXPECT_TRUE(Region.IsEmpty());
  Region.Union(Rect(3, 3, 1, 8));
  EXPECT_TRUE(Region.IsEmpty());
  EXPECT_EQ(Region.Bounds(), TRect{});
  EXPECT_FALSE(Region.Intersects(Rect(0, 0, 100, 100)));
}

TEST(Region, UnionOfSideBySideRectanglesIsOneRectangle) {
  TRegion Region(Rect(0, 0, 10, 10));
  Region.Union(Rect(10, 0, 20, 10));
  Region.Union(Rect(0, 10, 20, 15));
  ASSERT_EQ(Region.Rects().size(), 1u);
  EXPECT_EQ(Region.Rects()[0], Rect(0, 0, 20, 15));
}

TEST(Region, SubtractingTheMiddleLeavesAFrameOfFourRectangles) {
  TRegion Region(Rect(0, 0, 10, 10));
  Region.Subtract(Rect(2, 2, 8, 8));
  EXPECT_EQ(Region.Rects().size(), 4u);
  EXPECT_TRUE(Region.Contains({1, 5}));
  EXPECT_FALSE(Region.Contains({5, 5}));
  EXPECT_TRUE(Region.Contains({8, 5}));
  EXPECT_EQ(Region.Bounds(), Rect(0, 0, 10, 10));
  Region.Union(Rect(2, 2, 8, 8));
  ASSERT_EQ(Region.Rects().size(), 1u);
}

TEST(Region, IntersectsTellsTouchingFromOverlapping) {
  TRegion Region(Rect(0, 0, 10, 10));
  Region.Subtract(Rect(3, 3, 7, 7));
  EXPECT_FALSE(Region.Intersects(Rect(3, 3, 7, 7)));
  EXPECT_FALSE(Region.Intersects(Rect(10, 0, 20, 10)));
  EXPECT_TRUE(Region.Intersects(Rect(6, 6, 8, 8)));
}

TEST(Region, OffsetMovesEveryRectangle) {
  TRegion Region(Rect(0, 0, 4, 4));
  Region.Union(Rect(6, 0, 8, 2));
  Region.Offset(10, -3);
  EXPECT_TRUE(Region.Contains({10, -3}));
  EXPECT_TRUE(Region.Contains({17, -2}));
  EXPECT_FALSE(Region.Contains({17, -1}));
  EXPECT_EQ(Region.Bounds(), Rect(10, -3, 18, 1));
}

TEST(Region, SamePixelsMakeEqualRegions) {
  TRegion A(Rect(0, 0, 10, 10));
  A.Subtract(Rect(0, 0, 5, 5));
  TRegion B(Rect(5, 0, 10, 5));
  B.Union(Rect(0, 5, 10, 10));
  EXPECT_EQ(A, B);
}

TEST(Region, IntersectWithEmptyEmpties) {
  TRegion Region(Rect(0, 0, 10, 10));
  Region.Intersect(TRegion());
  EXPECT_TRUE(Region.IsEmpty());
  Region = TRegion(Rect(0, 0, 10, 10));
  Region.Intersect(Rect(20, 20, 30, 30));
  EXPECT_TRUE(Region.IsEmpty());
}

// The region algebra against a plain pixel set, over long random sequences of every operation.
class RegionOracle : public ::testing::TestWithParam<unsigned> {};

TEST_P(RegionOracle, AgreesWithAPixelSet) {
  std::mt19937 Random(GetParam());
  TRegion Region;
  TPixelSet Oracle;
  std::uniform_int_distribution<int> Choice(0, 9);
  for (int Step = 0; Step < 120; ++Step) {
    const TRect R = RandomRect(Random);
    std::string What;
    switch (Choice(Random)) {
      case 0:
      case 1:
      case 2:
        What = "Union rect";
        Region.Union(R);
        Oracle.Apply(R, Or);
        break;
      case 3:
      case 4:
        What = "Subtract rect";
        Region.Subtract(R);
        Oracle.Apply(R, AndNot);
        break;
      case 5:
        What = "Intersect rect";
        // Intersecting with a small rectangle empties the region quickly: keep it large.
        Region.Intersect(Rect(R.Left / 4, R.Top / 4, 48 - R.Left / 4, 48 - R.Top / 4));
        Oracle.Apply(Rect(R.Left / 4, R.Top / 4, 48 - R.Left / 4, 48 - R.Top / 4), And);
        break;
      case 6:
      case 7:
      case 8: {
        // A region of a few rectangles of its own, combined whole. For an intersection it is a
        // large rectangle with holes, so that the region does not empty at once.
        const int Kind = Step % 3;
        TRegion Other;
        TPixelSet OtherOracle;
        if (Kind == 2) {
          Other.Union(Rect(0, 0, 48, 48));
          OtherOracle.Apply(Rect(0, 0, 48, 48), Or);
        }
        for (int K = 0; K < 4; ++K) {
          const TRect Part = RandomRect(Random);
          if (Kind == 2) {
            Other.Subtract(Part);
            OtherOracle.Apply(Part, AndNot);
          } else {
            Other.Union(Part);
            OtherOracle.Apply(Part, Or);
          }
        }
        if (Kind == 0) {
          What = "Union region";
          Region.Union(Other);
          Oracle.Apply(OtherOracle, Or);
        } else if (Kind == 1) {
          What = "Subtract region";
          Region.Subtract(Other);
          Oracle.Apply(OtherOracle, AndNot);
        } else {
          What = "Intersect region";
          Region.Intersect(Other);
          Oracle.Apply(OtherOracle, And);
        }
        break;
      }
      case 9: {
        What = "Offset";
        const int DX = int(Random() % 5) - 2, DY = int(Random() % 5) - 2;
        Region.Offset(DX, DY);
        Oracle.Offset(DX, DY);
        break;
      }
    }
    ExpectSame(Region, Oracle, "step " + std::to_string(Step) + ": " + What);
    if (::testing::Test::HasFatalFailure()) return;
    // Intersects agrees with the pixels on a rectangle drawn at random.
    const TRect Probe = RandomRect(Random);
    bool Overlaps = false;
    for (int Y = Probe.Top; Y < Probe.Bottom && !Overlaps; ++Y)
      for (int X = Probe.Left; X < Probe.Right && !Overlaps; ++X) Overlaps = Oracle.Has(X, Y);
    ASSERT_EQ(Region.Intersects(Probe), Overlaps) << What;
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RegionOracle, ::testing::Range(1u, 13u));
