#pragma once

#include <memory>

#include "framework/controls/win_control.h"
#include "framework/graphics/canvas.h"

namespace framework {

// A windowed control that paints itself: WM_PAINT binds Canvas to the paint context (or to the
// context a WM_PAINT's WParam brings, as a control grid paints a copy) and calls Paint.
class TCustomControl : public TWinControl {
  DECLARE_CLASS(TCustomControl, TWinControl)

 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;

  TCanvas* Canvas() const { return FCanvas.get(); }

 protected:
  void WndProc(TMessage& Message) override;
  virtual void Paint();

 private:
  void WMPaint(TMessage& Message);
  void PaintWindow(HDC DC);

  std::unique_ptr<TCanvas> FCanvas;
};

}  // namespace framework
