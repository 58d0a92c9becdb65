#include "framework/controls/grid_axis.h"

#include <algorithm>

namespace framework {

void TGridAxis::SetCount(int Value) {
  FCount = Value;
  if (!FSizes.empty()) FSizes.resize(size_t(Value), FDefaultSize);
}

void TGridAxis::SetDefaultSize(int Value) {
  FDefaultSize = Value;
  FSizes.clear();
}

void TGridAxis::SetSize(int Index, int Value) {
  if (Size(Index) == Value) return;
  if (FSizes.empty()) FSizes.assign(size_t(FCount), FDefaultSize);
  FSizes[size_t(Index)] = Value;
}

void TGridAxis::Move(int From, int To) {
  if (FSizes.empty() || From == To) return;
  const auto At = [this](int I) { return FSizes.begin() + I; };
  if (From < To)
    std::rotate(At(From), At(From) + 1, At(To) + 1);
  else
    std::rotate(At(To), At(From), At(From) + 1);
}

int TGridAxis::FixedExtent() const {
  int Extent = 0;
  for (int I = 0; I < std::min(FFixed, FCount); ++I) Extent += TGridAxis::Extent(I);
  return Extent;
}

int TGridAxis::Start(int Index, int First) const {
  int Pixel = 0;
  if (Index < FFixed) {
    for (int I = 0; I < Index; ++I) Pixel += Extent(I);
    return Pixel;
  }
  if (Index < First) return -1;
  Pixel = FixedExtent();
  for (int I = First; I < Index; ++I) Pixel += Extent(I);
  return Pixel;
}

int TGridAxis::CellAt(int Pixel, int First) const {
  if (Pixel < 0) return -1;
  int Edge = 0;
  for (int I = 0; I < std::min(FFixed, FCount); ++I) {
    Edge += Extent(I);
    if (Pixel < Edge) return I;
  }
  for (int I = std::max(First, FFixed); I < FCount; ++I) {
    Edge += Extent(I);
    if (Pixel < Edge) return I;
  }
  return -1;
}

int TGridAxis::FullyVisible(int First, int ClientExtent) const {
  int Edge = FixedExtent(), Cells = 0;
  for (int I = First; I < FCount; ++I) {
    Edge += Size(I);
    if (Edge > ClientExtent) break;
    Edge += LineAfter(I);
    ++Cells;
  }
  return Cells;
}

int TGridAxis::EndOfVisible(int First, int ClientExtent) const {
  int Edge = FixedExtent(), I = First;
  while (I < FCount && Edge < ClientExtent) Edge += Extent(I++);
  return I;
}

int TGridAxis::VisibleExtent(int First, int ClientExtent) const {
  int Edge = FixedExtent();
  for (int I = First; I < FCount && Edge < ClientExtent; ++I) Edge += Extent(I);
  return Edge;
}

int TGridAxis::MaxFirst(int ClientExtent) const {
  if (FCount == 0) return FFixed;
  // The last cell's line may fall outside.
  const int Room = ClientExtent - FixedExtent() + LineAfter(FCount - 1);
  int Used = 0, First = FCount;
  while (First > FFixed && Used + Extent(First - 1) <= Room) Used += Extent(--First);
  return std::min(std::max(First, FFixed), std::max(FCount - 1, FFixed));
}

int TGridAxis::FirstToShow(int Index, int First, int ClientExtent) const {
  if (Index < FFixed) return First;
  if (Index <= First) return Index;
  if (Index < First + FullyVisible(First, ClientExtent)) return First;
  const int Room = ClientExtent - FixedExtent();
  int Used = Size(Index), NewFirst = Index;
  while (NewFirst > FFixed && Used + Extent(NewFirst - 1) <= Room) Used += Extent(--NewFirst);
  return NewFirst;
}

int TGridAxis::EdgeAt(int Pixel, int First, int Slack) const {
  const int Cell = CellAt(Pixel + Slack, First);
  for (int I : {Cell, Cell - 1}) {
    if (I < 0 || I >= FCount || (I >= FFixed && I < First)) continue;
    const int Edge = Start(I, First) + Size(I);
    if (Pixel >= Edge - Slack && Pixel <= Edge + LineAfter(I) + Slack - 1) return I;
  }
  return -1;
}

}  // namespace framework
