#include "framework/win/message_queue.h"

#include "framework/win/desktop.h"
#include "framework/win/painting.h"

namespace framework {

namespace {

TMessageFilter& Filter() {
  static TMessageFilter Current;
  return Current;
}

}  // namespace

bool PostMessage(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if (!FindWindowRecord(Wnd)) return false;
  Desktop().Posted.push_back({Wnd, Msg, W, L});
  return true;
}

void SetMessageFilter(TMessageFilter NewFilter) {
  Filter() = std::move(NewFilter);
}

LRESULT DispatchMessage(const TMsg& Msg) {
  return SendMessage(Msg.hwnd, Msg.message, Msg.wParam, Msg.lParam);
}

void DeliverMessage(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if (!FindWindowRecord(Wnd)) return;
  TMsg Queued{Wnd, Msg, W, L, Desktop().Time, Desktop().CursorPos};
  // A copy: the filter may replace itself.
  if (const TMessageFilter Current = Filter(); Current && Current(Queued)) return;
  TranslateMessage(Queued);
  DispatchMessage(Queued);
}

bool ProcessPostedMessages() {
  bool Any = false;
  while (!Desktop().Posted.empty()) {
    const TQueuedMessage Next = Desktop().Posted.front();
    Desktop().Posted.pop_front();
    DeliverMessage(Next.Wnd, Next.Msg, Next.WParam, Next.LParam);
    Any = true;
  }
  return Any;
}

void ProcessMessages() {
  bool Busy = true;
  while (Busy) {
    Busy = ProcessPostedMessages();
    Busy = PaintPendingWindows() || Busy;
  }
}

}  // namespace framework
