#include "framework/controls/custom_control.h"

#include "framework/rtl/guards.h"
#include "framework/win/painting.h"

namespace framework {

const TClass& TCustomControl::StaticClass() {
  return TClass::Describe<TCustomControl>("TCustomControl");
}

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: return WMPaint(Message);
    default: return TWinControl::WndProc(Message);
  }
}

void TCustomControl::Paint() {}

void TCustomControl::WMPaint(TMessage& Message) {
  if (const auto Given = reinterpret_cast<HDC>(Message.WParam)) return PaintWindow(Given);
  TPaintStruct Paint;
  const HWND Wnd = Handle();
  if (const HDC DC = BeginPaint(Wnd, Paint)) {
    TScopeExit Ended([&] { EndPaint(Wnd, Paint); });
    PaintWindow(DC);
  }
}

void TCustomControl::PaintWindow(HDC DC) {
  FCanvas->SetHandle(DC);
  TScopeExit Unbound([this] { FCanvas->SetHandle(nullptr); });
  Paint();
}

}  // namespace framework
