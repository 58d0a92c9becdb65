#include "tests/support/read_only_grid.h"

namespace test_support {

using namespace framework;

const TClass& TReadOnlyGrid::StaticClass() {
  return TClass::Describe<TReadOnlyGrid>("TReadOnlyGrid");
}

const TPropertyList& TReadOnlyGrid::Published() {
  using C = TReadOnlyGrid;
  static const TPropertyList List(TDrawGrid::Published(),
                                  {Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly, false)});
  return List;
}

}  // namespace test_support
