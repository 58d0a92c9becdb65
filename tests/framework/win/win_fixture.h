#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/win/focus.h"
#include "framework/win/input.h"
#include "framework/win/keyboard.h"
#include "framework/win/message_queue.h"
#include "framework/win/messages.h"
#include "framework/win/mouse.h"
#include "framework/win/painting.h"
#include "framework/win/system_metrics.h"
#include "framework/win/timers.h"
#include "framework/win/top_level_windows.h"
#include "framework/win/window.h"
#include "framework/win/window_class.h"
#include "framework/win/window_position.h"

namespace framework::test {

// One message as a window saw it.
struct TLogged {
  HWND Wnd;
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};

// A fresh desktop per test, and window classes whose procedure records every message and lets a
// test handle some itself: "TestWindow" (white background) and "TestDblClk" (CS_DBLCLKS).
class WinTest : public ::testing::Test {
 public:
  using THandler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Make(DWORD Style, TRect R, HWND Parent = nullptr, DWORD ExStyle = 0,
            const char* ClassName = "TestWindow");
  // The messages of the given numbers that Wnd (null: any window) received, in order.
  std::vector<UINT> Sequence(HWND Wnd, std::initializer_list<UINT> Only) const;
  std::vector<TLogged> Of(UINT Msg) const;
  void Handle(HWND Wnd, THandler Handler) { Handlers()[Wnd] = std::move(Handler); }
  void ClearLog() { Log().clear(); }
  TPoint ScreenPoint(HWND Wnd, int X, int Y) const;
  // A pixel of the top-level surface that holds the window, at a point of its client area.
  uint32_t PixelAt(HWND Wnd, int X, int Y) const;

  static std::vector<TLogged>& Log();
  static std::map<HWND, THandler>& Handlers();
  static LRESULT Procedure(HWND Wnd, UINT Msg, WPARAM W, LPARAM L);
};

}  // namespace framework::test
