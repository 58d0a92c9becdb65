#pragma once

#include "framework/controls/draw_grid.h"

namespace test_support {

// A draw grid that publishes a Boolean "ReadOnly", as the data grids do: the cell editors that
// float over a grid find it by name.
class TReadOnlyGrid : public framework::TDrawGrid {
  DECLARE_CLASS(TReadOnlyGrid, framework::TDrawGrid)

 public:
  explicit TReadOnlyGrid(framework::TComponent* AOwner) : TDrawGrid(AOwner) {}

  static const framework::TPropertyList& Published();

  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }

 private:
  bool FReadOnly = false;
};

}  // namespace test_support
