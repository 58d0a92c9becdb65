#pragma once

#include "framework/controls/custom_grid.h"

namespace framework {

// The grid as a form stores it: TCustomGrid with its properties and events published; what a
// cell shows is OnDrawCell's, its edited text OnGetEditText's and OnSetEditText's. Column widths
// and row heights that differ from the defaults stream as ColWidths and RowHeights.
class TDrawGrid : public TCustomGrid {
  DECLARE_CLASS(TDrawGrid, TCustomGrid)

 public:
  explicit TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

  static const TPropertyList& Published();
};

}  // namespace framework
