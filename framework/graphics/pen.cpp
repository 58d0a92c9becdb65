#include "framework/graphics/pen.h"

namespace framework {

const TTypeInfo& EnumTypeInfo(TPenStyle) {
  static const TTypeInfo Info = TTypeInfo::Enumeration(
      "TPenStyle",
      {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"});
  return Info;
}

const TClass& TPen::StaticClass() {
  return TClass::Describe<TPen>("TPen");
}

const TPropertyList& TPen::Published() {
  static const TPropertyList List({
      Property("Color", &TPen::Color, &TPen::SetColor, clBlack),
      Property("Style", &TPen::Style, &TPen::SetStyle, psSolid),
      Property("Width", &TPen::Width, &TPen::SetWidth, 1),
  });
  return List;
}

void TPen::Assign(const TPersistent* Source) {
  const auto* Pen = dynamic_cast<const TPen*>(Source);
  if (!Pen) return TPersistent::Assign(Source);
  if (Pen == this) return;
  if (FColor == Pen->FColor && FWidth == Pen->FWidth && FStyle == Pen->FStyle) return;
  FColor = Pen->FColor;
  FWidth = Pen->FWidth;
  FStyle = Pen->FStyle;
  Changed();
}

void TPen::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed();
}

void TPen::SetWidth(int Value) {
  if (Value < 0) Value = 0;
  if (FWidth == Value) return;
  FWidth = Value;
  Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Changed();
}

void TPen::Changed() {
  if (OnChange) OnChange(this);
}

}  // namespace framework
