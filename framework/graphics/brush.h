#pragma once

#include "framework/classes/event.h"
#include "framework/classes/persistent.h"
#include "framework/classes/property.h"
#include "framework/graphics/color.h"

namespace framework {

// How a brush fills: solid in its colour, or not at all (text and dash gaps then leave the
// background as it is).
enum TBrushStyle : uint8_t { bsSolid, bsClear };
const TTypeInfo& EnumTypeInfo(TBrushStyle);

// The brush a canvas fills with.
class TBrush : public TPersistent {
  DECLARE_CLASS(TBrush, TPersistent)

 public:
  TBrush() = default;
  static const TPropertyList& Published();

  void Assign(const TPersistent* Source) override;

  TColor Color() const { return FColor; }
  // Setting a colour on a clear brush makes it solid, as a brush with a colour fills.
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);

  TNotifyEvent OnChange;

 protected:
  void Changed();

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
};

}  // namespace framework
