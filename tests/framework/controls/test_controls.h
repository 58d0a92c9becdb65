#pragma once

#include <string>
#include <vector>

#include "framework/controls/custom_control.h"
#include "framework/controls/form.h"

// Controls for the tests: an edit-like control that takes the focus when clicked, a panel, and
// a window class that stands for a system control class and records what reaches it.
namespace controls_test {

using namespace framework;

// Every notice the recording controls saw, as "Name:What".
std::vector<std::string>& Notices();

class TTestControl : public TCustomControl {
  DECLARE_CLASS(TTestControl, TCustomControl)

 public:
  explicit TTestControl(TComponent* AOwner);
  static const TPropertyList& Published();

  // What WM_GETDLGCODE answers when not 0.
  LRESULT DialogCode = 0;
  // Subclasses the recording system class when set before the window is made.
  bool UseSystemClass = false;

 protected:
  void WndProc(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
};

class TTestPanel : public TTestControl {
  DECLARE_CLASS(TTestPanel, TTestControl)

 public:
  explicit TTestPanel(TComponent* AOwner);
};

// The messages the "TestSystem" class's procedure received, with their window.
struct TSystemMessage {
  HWND Wnd;
  UINT Msg;
  WPARAM WParam;
};
std::vector<TSystemMessage>& SystemMessages();
void RegisterTestClasses();

}  // namespace controls_test
