#include "framework/graphics/brush.h"

namespace framework {

const TTypeInfo& EnumTypeInfo(TBrushStyle) {
  static const TTypeInfo Info = TTypeInfo::Enumeration("TBrushStyle", {"bsSolid", "bsClear"});
  return Info;
}

const TClass& TBrush::StaticClass() {
  return TClass::Describe<TBrush>("TBrush");
}

const TPropertyList& TBrush::Published() {
  static const TPropertyList List({
      Property("Color", &TBrush::Color, &TBrush::SetColor, clWhite),
      Property("Style", &TBrush::Style, &TBrush::SetStyle, bsSolid),
  });
  return List;
}

void TBrush::Assign(const TPersistent* Source) {
  const auto* Brush = dynamic_cast<const TBrush*>(Source);
  if (!Brush) return TPersistent::Assign(Source);
  if (Brush == this) return;
  if (FColor == Brush->FColor && FStyle == Brush->FStyle) return;
  FColor = Brush->FColor;
  FStyle = Brush->FStyle;
  Changed();
}

void TBrush::SetColor(TColor Value) {
  if (FColor == Value && FStyle == bsSolid) return;
  FColor = Value;
  FStyle = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Changed();
}

void TBrush::Changed() {
  if (OnChange) OnChange(this);
}

}  // namespace framework
