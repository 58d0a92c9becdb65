#pragma once

#include "framework/classes/event.h"
#include "framework/classes/persistent.h"
#include "framework/classes/property.h"
#include "framework/graphics/color.h"

namespace framework {

// How a pen draws: solid, dashed in the system's patterns, not at all, or solid with the frame
// of a wide-pen rectangle kept inside the rectangle.
enum TPenStyle : uint8_t {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame
};
const TTypeInfo& EnumTypeInfo(TPenStyle);

// The pen a canvas draws lines and frames with.
class TPen : public TPersistent {
  DECLARE_CLASS(TPen, TPersistent)

 public:
  TPen() = default;
  static const TPropertyList& Published();

  void Assign(const TPersistent* Source) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // Width 0 draws as 1, as the system's cosmetic pens do.
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);

  TNotifyEvent OnChange;

 protected:
  void Changed();

 private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
};

}  // namespace framework
