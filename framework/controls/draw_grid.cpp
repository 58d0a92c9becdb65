#include "framework/controls/draw_grid.h"

namespace framework {

const TClass& TDrawGrid::StaticClass() {
  return TClass::Describe<TDrawGrid>("TDrawGrid");
}

const TPropertyList& TDrawGrid::Published() {
  using C = TDrawGrid;
  static const TPropertyList List(
      TCustomGrid::Published(),
      Join({Property("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, bsSingle),
            Property("Color", &C::Color, &C::SetColor, clWindow).StoredIf(&C::IsColorStored),
            Property("ColCount", &C::ColCount, &C::SetColCount, 5),
            Property("Ctl3D", &C::Ctl3D, &C::SetCtl3D, true).StoredIf(&C::IsCtl3DStored),
            Property("DefaultColWidth", &C::DefaultColWidth, &C::SetDefaultColWidth, 64),
            Property("DefaultDrawing", &C::DefaultDrawing, &C::SetDefaultDrawing, true),
            Property("DefaultRowHeight", &C::DefaultRowHeight, &C::SetDefaultRowHeight, 24),
            Property("Enabled", &C::Enabled, &C::SetEnabled, true),
            Property("FixedColor", &C::FixedColor, &C::SetFixedColor, clBtnFace),
            Property("FixedCols", &C::FixedCols, &C::SetFixedCols, 1),
            Property("RowCount", &C::RowCount, &C::SetRowCount, 5),
            Property("FixedRows", &C::FixedRows, &C::SetFixedRows, 1),
            Property("Font", &C::Font).StoredIf(&C::IsFontStored),
            Property("GridLineWidth", &C::GridLineWidth, &C::SetGridLineWidth, 1),
            Property("Options", &C::Options, &C::SetOptions,
                     TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                  goRangeSelect}),
            Property("ParentColor", &C::ParentColor, &C::SetParentColor, false),
            Property("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D, true),
            Property("ParentFont", &C::ParentFont, &C::SetParentFont, true),
            Property("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true),
            Property("PopupMenu", &C::PopupMenu, &C::SetPopupMenu),
            Property("ScrollBars", &C::ScrollBars, &C::SetScrollBars, ssBoth),
            Property("ShowHint", &C::ShowHint, &C::SetShowHint, false)
                .StoredIf(&C::IsShowHintStored),
            Property("TabOrder", &C::TabOrder, &C::SetTabOrder, -1),
            Property("TabStop", &C::TabStop, &C::SetTabStop, true),
            Property("Visible", &C::Visible, &C::SetVisible, true),
            Property("OnClick", &C::OnClick),
            Property("OnColumnMoved", &C::OnColumnMoved),
            Property("OnDblClick", &C::OnDblClick),
            Property("OnDrawCell", &C::OnDrawCell),
            Property("OnGetEditText", &C::OnGetEditText),
            Property("OnRowMoved", &C::OnRowMoved),
            Property("OnSelectCell", &C::OnSelectCell),
            Property("OnSetEditText", &C::OnSetEditText),
            Property("OnTopLeftChanged", &C::OnTopLeftChanged)},
           PublishedDragEvents(), PublishedFocusEvents(), PublishedKeyEvents(),
           PublishedMouseEvents()));
  return List;
}

}  // namespace framework
