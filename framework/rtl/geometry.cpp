#include "framework/rtl/geometry.h"

#include <algorithm>

namespace framework {

bool IntersectRect(TRect& Dest, const TRect& R1, const TRect& R2) {
  Dest = {std::max(R1.Left, R2.Left), std::max(R1.Top, R2.Top), std::min(R1.Right, R2.Right),
          std::min(R1.Bottom, R2.Bottom)};
  if (!Dest.IsEmpty()) return true;
  Dest = {};
  return false;
}

bool UnionRect(TRect& Dest, const TRect& R1, const TRect& R2) {
  if (R1.IsEmpty())
    Dest = R2;
  else if (R2.IsEmpty())
    Dest = R1;
  else
    Dest = {std::min(R1.Left, R2.Left), std::min(R1.Top, R2.Top), std::max(R1.Right, R2.Right),
            std::max(R1.Bottom, R2.Bottom)};
  if (!Dest.IsEmpty()) return true;
  Dest = {};
  return false;
}

}  // namespace framework
