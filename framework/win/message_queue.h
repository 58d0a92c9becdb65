#pragma once

#include <functional>

#include "framework/win/messages.h"
#include "framework/win/window_handle.h"

namespace framework {

// A message taken from the queue: posted messages, input, WM_TIMER and WM_PAINT.
struct TMsg {
  HWND hwnd;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  // Virtual milliseconds, and the cursor on the screen, when the message was taken.
  uint64_t time = 0;
  TPoint pt;
};

// Queues a message for the window; it is handled by ProcessMessages (and by every step of the
// input simulator), in the order posted. Fails for an invalid window; a message whose window is
// destroyed before its turn is dropped.
bool PostMessage(HWND Wnd, UINT Msg, WPARAM W = 0, LPARAM L = 0);

// What the application's message loop does with each queued message before the window system
// dispatches it: answering true means the message was handled (not translated, not dispatched).
// Belongs to the process like the window classes: Reset keeps it.
using TMessageFilter = std::function<bool(TMsg& Msg)>;
void SetMessageFilter(TMessageFilter Filter);

// Sends the message to its window's procedure.
LRESULT DispatchMessage(const TMsg& Msg);
// For WM_KEYDOWN and WM_SYSKEYDOWN of a key that types a character: posts WM_CHAR (WM_SYSCHAR with
// Alt) to the same window. Called before the key is dispatched, so the character comes ahead of
// anything the key's own handling posts, and goes to that window even if the handling moves the
// focus.
bool TranslateMessage(const TMsg& Msg);

// Handles every posted message, then paints the windows that need it, until nothing is left.
void ProcessMessages();

// Used by the window system itself: a queued message's way to its window, through the
// application's filter, translation and dispatch.
void DeliverMessage(HWND Wnd, UINT Msg, WPARAM W, LPARAM L);
// Handles the posted messages only; answers whether there were any.
bool ProcessPostedMessages();

}  // namespace framework
