#include "framework/win/input.h"

#include <vector>

#include "framework/rtl/clock.h"
#include "framework/win/desktop.h"
#include "framework/win/keyboard.h"
#include "framework/win/message_queue.h"
#include "framework/win/mouse.h"
#include "framework/win/system_metrics.h"
#include "framework/win/timers.h"

namespace framework::input {

namespace {

constexpr double MSecsPerDay = 24.0 * 60 * 60 * 1000;

struct TModifier {
  TShiftStateValue State;
  WORD Key;
};

constexpr TModifier Modifiers[] = {{ssShift, VK_SHIFT}, {ssCtrl, VK_CONTROL}, {ssAlt, VK_MENU}};

// Presses the modifiers of Shift that are up; answers the keys it pressed.
std::vector<WORD> PressModifiers(TShiftState Shift) {
  std::vector<WORD> Pressed;
  for (const TModifier& M : Modifiers)
    if (Shift.Contains(M.State) && GetKeyState(M.Key) >= 0) {
      RawKeyDown(M.Key);
      Pressed.push_back(M.Key);
    }
  return Pressed;
}

void ReleaseModifiers(const std::vector<WORD>& Keys) {
  for (auto It = Keys.rbegin(); It != Keys.rend(); ++It) RawKeyUp(*It);
}

std::vector<WORD> HeldModifiers(TShiftState Shift) {
  std::vector<WORD> Held;
  for (const TModifier& M : Modifiers)
    if (Shift.Contains(M.State) && GetKeyState(M.Key) < 0) Held.push_back(M.Key);
  return Held;
}

void TypeChar(unsigned char Char) {
  WORD Key;
  bool Shift;
  if (!KeyForChar(Char, Key, Shift)) {
    RawKeyDown(VK_PACKET, Char);
    RawKeyUp(VK_PACKET);
    return;
  }
  if (Key >= 'A' && Key <= 'Z' && (GetKeyState(VK_CAPITAL) & 1)) Shift = !Shift;
  PressKey(Key, Shift ? TShiftState{ssShift} : TShiftState{});
}

}  // namespace

void KeyDown(WORD VirtualKey, TShiftState Shift) {
  PressModifiers(Shift);
  RawKeyDown(VirtualKey);
}

void KeyUp(WORD VirtualKey, TShiftState Shift) {
  RawKeyUp(VirtualKey);
  ReleaseModifiers(HeldModifiers(Shift));
}

void PressKey(WORD VirtualKey, TShiftState Shift) {
  const std::vector<WORD> Pressed = PressModifiers(Shift);
  RawKeyDown(VirtualKey);
  RawKeyUp(VirtualKey);
  ReleaseModifiers(Pressed);
}

void TypeText(std::string_view Text) {
  for (char Char : Text) TypeChar(static_cast<unsigned char>(Char));
}

void MouseMove(TPoint Screen) {
  RawPointerMove(Screen);
}

void MouseDown(TMouseButton Button, TPoint Screen, TShiftState Shift) {
  const std::vector<WORD> Pressed = PressModifiers(Shift);
  RawButtonDown(Button, Screen);
  ReleaseModifiers(Pressed);
}

void MouseUp(TMouseButton Button, TPoint Screen, TShiftState Shift) {
  const std::vector<WORD> Pressed = PressModifiers(Shift);
  RawButtonUp(Button, Screen);
  ReleaseModifiers(Pressed);
}

void Click(TPoint Screen) {
  MouseMove(Screen);
  MouseDown(mbLeft, Screen);
  MouseUp(mbLeft, Screen);
}

void DoubleClick(TPoint Screen) {
  MouseMove(Screen);
  for (int Press = 0; Press < 2; ++Press) {
    MouseDown(mbLeft, Screen);
    MouseUp(mbLeft, Screen);
  }
}

void AdvanceTime(unsigned Milliseconds) {
  RunFor(Milliseconds);
}

int BeepCount() {
  return MessageBeepCount();
}

void SetToday(TDateTime Now) {
  Desktop().Today = Now;
  Desktop().TodaySetAt = VirtualTime();
  SetClock([] {
    const TDesktop& D = Desktop();
    if (!D.Today) return SystemNow();
    return *D.Today + double(D.Time - D.TodaySetAt) / MSecsPerDay;
  });
}

void Reset() {
  SetClock(nullptr);
  ResetDesktop();
}

}  // namespace framework::input
