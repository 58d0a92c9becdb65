#include "framework/win/desktop.h"

#include <algorithm>

#include "framework/win/window.h"

namespace framework {

namespace {

uint32_t LastHandleNumber = 0;

}  // namespace

TDesktop& Desktop() {
  static TDesktop State;
  return State;
}

TWindow* FindWindowRecord(HWND Wnd) {
  if (!Wnd) return nullptr;
  auto& Windows = Desktop().Windows;
  const auto Found = Windows.find(Wnd);
  return Found == Windows.end() ? nullptr : Found->second.get();
}

HWND NewWindowHandle() {
  return HWND(uintptr_t(++LastHandleNumber));
}

void ResetDesktop() {
  // A procedure may make windows while others are destroyed; a few rounds catch those.
  for (int Round = 0; Round < 8 && !Desktop().Windows.empty(); ++Round) {
    const std::vector<HWND> TopLevels(Desktop().TopLevels.rbegin(), Desktop().TopLevels.rend());
    for (HWND Wnd : TopLevels) DestroyWindow(Wnd);
  }
  Desktop() = TDesktop{};
}

TPoint WindowScreenOrigin(const TWindow& W) {
  if (const TWindow* Parent = FindWindowRecord(W.Parent)) {
    const TPoint Base = ClientScreenOrigin(*Parent);
    return {Base.X + W.Rect.Left, Base.Y + W.Rect.Top};
  }
  return W.Rect.TopLeft();
}

TPoint ClientScreenOrigin(const TWindow& W) {
  const TPoint Origin = WindowScreenOrigin(W);
  return {Origin.X + W.Client.Left, Origin.Y + W.Client.Top};
}

TWindow& TopLevelRecord(TWindow& W) {
  return *FindWindowRecord(TopLevelWindowOf(W));
}

HWND TopLevelWindowOf(const TWindow& W) {
  const TWindow* Current = &W;
  while (const TWindow* Parent = FindWindowRecord(Current->Parent)) Current = Parent;
  return Current->Handle;
}

TPoint WindowSurfaceOrigin(const TWindow& W) {
  const TPoint Screen = WindowScreenOrigin(W);
  const TPoint Top = FindWindowRecord(TopLevelWindowOf(W))->Rect.TopLeft();
  return {Screen.X - Top.X, Screen.Y - Top.Y};
}

bool IsWithin(HWND Wnd, HWND Root) {
  for (const TWindow* W = FindWindowRecord(Wnd); W; W = FindWindowRecord(W->Parent))
    if (W->Handle == Root) return true;
  return false;
}

std::vector<HWND>& SiblingList(const TWindow& W) {
  if (TWindow* Parent = FindWindowRecord(W.Parent)) return Parent->Children;
  return Desktop().TopLevels;
}

}  // namespace framework
