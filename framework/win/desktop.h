#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/graphics/device_context.h"
#include "framework/graphics/region.h"
#include "framework/graphics/surface.h"
#include "framework/win/cursors.h"
#include "framework/win/messages.h"
#include "framework/win/window_class.h"
#include "framework/win/window_handle.h"

namespace framework {

// One of a window's standard scroll bars, kept as the scroll-bar calls leave it: Pos within the
// range, Page no larger than it. TrackPos follows the thumb while it is dragged.
struct TScrollBarState {
  int Min = 0;
  int Max = 0;
  UINT Page = 0;
  int Pos = 0;
  int TrackPos = 0;
};

// The window system's own record of one window. Other parts of the layer reach it through
// FindWindowRecord; nothing outside the layer sees it. A record can vanish during any message
// (a procedure may destroy its window), so code keeps handles, not records, across a message.
struct TWindow {
  HWND Handle;
  std::shared_ptr<const TWndClass> Class;
  WNDPROC Proc;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  LONG_PTR Id = 0;
  LONG_PTR UserData = 0;
  std::string Text;
  // The window rectangle, in the parent's client coordinates (screen coordinates for a top-level
  // window), and the client rectangle in the window's own coordinates (0, 0 at its top-left).
  TRect Rect;
  TRect Client;
  HWND Parent;
  // The top-level window that owns a top-level window: destroyed with it.
  HWND Owner;
  // Bottom to top.
  std::vector<HWND> Children;
  // What has to be painted, in client coordinates, whether its background has to be erased
  // first and whether the frame has to be drawn again.
  TRegion Update;
  bool ErasePending = false;
  bool FramePending = false;
  // WM_ERASEBKGND answered 0: BeginPaint reports that the background is still to be erased.
  bool EraseUnanswered = false;
  // Set by BeginPaint: a WM_PAINT handler that never calls it leaves its update region to be
  // validated by the window system, so that WM_PAINT does not come back forever.
  bool BeganPaint = false;
  bool Destroying = false;
  uint64_t CreationOrder = 0;
  // Indexed by SB_HORZ and SB_VERT; kept whether or not WS_HSCROLL / WS_VSCROLL show them.
  std::array<TScrollBarState, 2> ScrollBars{};
  // Top-level windows only: the pixels of the window, frame included. Shared with the device
  // contexts handed out on it, so that a context outliving its window never draws into freed
  // memory.
  std::shared_ptr<TSurface> Surface;
};

struct TQueuedMessage {
  HWND Wnd;
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};

struct TTimer {
  HWND Wnd;
  UINT_PTR Id;
  UINT Period;
  uint64_t Due;
  uint64_t Order;
};

// A press of a mouse button, remembered to tell a double click.
struct TLastPress {
  HWND Wnd;
  int Button = -1;
  uint64_t Time = 0;
  TPoint Screen;
};

struct TDeviceContextRecord {
  std::unique_ptr<TDeviceContext> DC;
  std::shared_ptr<TSurface> Surface;
  HWND Wnd;
};

// A press held on a window's scroll bar, which has the mouse until the left button is released.
// Part is the TScrollBarPart pressed; Offset is where along the thumb it was taken, for a drag;
// Over says whether the pointer is over the pressed part, which repeats only then.
struct TScrollBarTracking {
  HWND Wnd;
  int Bar = 0;
  int Part = 0;
  int Offset = 0;
  bool Over = false;
};

constexpr TSize DefaultScreenSize{1024, 768};

// All the state of one desktop: windows, their order, focus, capture, activation, the queue,
// timers, virtual time, the keyboard and mouse, the cursor, the screen. Reset replaces it whole.
struct TDesktop {
  std::unordered_map<HWND, std::unique_ptr<TWindow>> Windows;
  // Bottom to top; windows with WS_EX_TOPMOST after all others.
  std::vector<HWND> TopLevels;
  HWND Focus;
  // The window being told it loses the focus, while its WM_KILLFOCUS runs.
  HWND LosingFocus;
  HWND Capture;
  HWND Active;
  std::deque<TQueuedMessage> Posted;
  std::vector<TTimer> Timers;
  uint64_t TimerOrder = 0;
  uint64_t CreationOrder = 0;
  // Virtual milliseconds since the desktop was made.
  uint64_t Time = 0;
  std::array<bool, 256> KeysDown{};
  bool CapsLock = false;
  // The key whose WM_KEYDOWN is being delivered, and the character its source says it types.
  WORD TypedKey = 0;
  int TypedChar = -1;
  TPoint CursorPos;
  HCURSOR Cursor = IDC_ARROW;
  TLastPress LastPress;
  // Wnd is null when no scroll bar is pressed.
  TScrollBarTracking ScrollBarTracking;
  int Beeps = 0;
  // The clipboard's text; none until something is copied.
  std::optional<std::string> Clipboard;
  // The simulator's today: the date and time SetToday gave, and the virtual time it was given at.
  std::optional<double> Today;
  uint64_t TodaySetAt = 0;
  TSize Screen = DefaultScreenSize;
  std::vector<TDeviceContextRecord> DeviceContexts;
};

TDesktop& Desktop();
// The record of a live window, or nullptr for the null handle, a stale handle or a window whose
// WM_NCDESTROY has been sent.
TWindow* FindWindowRecord(HWND Wnd);
// Destroys every window and starts a fresh desktop (the simulator's Reset).
void ResetDesktop();

// The tree: where a window is on the screen, its top-level window, its place among its siblings.
TPoint WindowScreenOrigin(const TWindow& W);
TPoint ClientScreenOrigin(const TWindow& W);
TWindow& TopLevelRecord(TWindow& W);
HWND TopLevelWindowOf(const TWindow& W);
// The window's top-left corner on its top-level window's surface.
TPoint WindowSurfaceOrigin(const TWindow& W);
// True when Wnd is Root or lies inside it.
bool IsWithin(HWND Wnd, HWND Root);
// The list that holds the window among its siblings, bottom to top.
std::vector<HWND>& SiblingList(const TWindow& W);

// Handle numbers are never reused, not even after a Reset.
HWND NewWindowHandle();

}  // namespace framework
