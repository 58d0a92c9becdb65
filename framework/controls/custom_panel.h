#pragma once

#include <cstdint>

#include "framework/controls/alignment.h"
#include "framework/controls/border_style.h"
#include "framework/controls/custom_control.h"

namespace framework {

// A panel's bevel: the raised one has its light edges top-left, the lowered one bottom-right.
enum TPanelBevel : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
const TTypeInfo& EnumTypeInfo(TPanelBevel);

// A container that paints an outer bevel, a border in its colour and an inner bevel, then its
// inside in its colour with the caption across the middle.
class TCustomPanel : public TCustomControl {
  DECLARE_CLASS(TCustomPanel, TCustomControl)

 public:
  explicit TCustomPanel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TPanelBevel BevelInner() const { return FBevelInner; }
  void SetBevelInner(TPanelBevel Value);
  TPanelBevel BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TPanelBevel Value);
  int BevelWidth() const { return FBevelWidth; }
  // Raises EInvalidOperation below 1.
  void SetBevelWidth(int Value);
  int BorderWidth() const { return FBorderWidth; }
  // Raises EInvalidOperation below 0.
  void SetBorderWidth(int Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  // Raises EInvalidOperation for a border style that only a form has.
  void SetBorderStyle(TBorderStyle Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Paint() override;

 private:
  void PaintBevel(TRect& Rect, TPanelBevel Bevel);
  void PaintInside(const TRect& Rect);
  template <class T>
  void Change(T& Field, T Value);

  void CMTextChanged(TMessage& Message);
  void CMCtl3DChanged(TMessage& Message);

  TAlignment FAlignment = taCenter;
  TPanelBevel FBevelInner = bvNone;
  TPanelBevel FBevelOuter = bvRaised;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TBorderStyle FBorderStyle = bsNone;
};

}  // namespace framework
