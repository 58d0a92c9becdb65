#include "framework/win/keyboard.h"

#include <array>

#include "framework/win/desktop.h"
#include "framework/win/message_queue.h"

namespace framework {

namespace {

struct TPunctuation {
  WORD Key;
  char Plain;
  char Shifted;
};

constexpr std::array<TPunctuation, 11> Punctuation{{{VK_OEM_1, ';', ':'},
                                                    {VK_OEM_PLUS, '=', '+'},
                                                    {VK_OEM_COMMA, ',', '<'},
                                                    {VK_OEM_MINUS, '-', '_'},
                                                    {VK_OEM_PERIOD, '.', '>'},
                                                    {VK_OEM_2, '/', '?'},
                                                    {VK_OEM_3, '`', '~'},
                                                    {VK_OEM_4, '[', '{'},
                                                    {VK_OEM_5, '\\', '|'},
                                                    {VK_OEM_6, ']', '}'},
                                                    {VK_OEM_7, '\'', '"'}}};

constexpr char ShiftedDigits[] = ")!@#$%^&*(";

int ControlChar(WORD Key) {
  if (Key >= 'A' && Key <= 'Z') return Key - 'A' + 1;
  switch (Key) {
    case VK_OEM_4: return 27;
    case VK_OEM_5: return 28;
    case VK_OEM_6: return 29;
    case VK_BACK: return 127;
    case VK_RETURN: return 10;
    case VK_SPACE: return ' ';
    default: return -1;
  }
}

int PlainChar(WORD Key, bool Shift, bool CapsLock) {
  if (Key >= 'A' && Key <= 'Z') return Shift != CapsLock ? Key : Key - 'A' + 'a';
  if (Key >= '0' && Key <= '9') return Shift ? ShiftedDigits[Key - '0'] : Key;
  if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD9) return '0' + (Key - VK_NUMPAD0);
  for (const TPunctuation& P : Punctuation)
    if (P.Key == Key) return Shift ? P.Shifted : P.Plain;
  switch (Key) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_SPACE: return Key;
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_DECIMAL: return '.';
    case VK_DIVIDE: return '/';
    default: return -1;
  }
}

bool Down(WORD Key) {
  return Desktop().KeysDown[Key & 0xFF];
}

// The character the key being delivered types: as its source gave it, else the US layout's.
int CharOfKey(WORD Key) {
  const TDesktop& D = Desktop();
  if (Key == D.TypedKey && D.TypedChar >= 0) return D.TypedChar;
  if (Key == VK_PACKET) return -1;
  return TranslateKey(Key, Down(VK_SHIFT), Down(VK_CONTROL), Down(VK_MENU), D.CapsLock);
}

LPARAM KeyData(bool WasDown, bool Up) {
  LPARAM Data = 1;
  if (WasDown) Data |= KF_PREVDOWN;
  if (Up) Data |= KF_UP;
  if (Down(VK_MENU)) Data |= KF_ALTDOWN;
  return Data;
}

bool IsSystemKey(WORD Key) {
  return (Down(VK_MENU) && !Down(VK_CONTROL)) || Key == VK_F10 || !Desktop().Focus;
}

void DeliverKey(WORD Key, UINT Msg, LPARAM Data) {
  const TDesktop& D = Desktop();
  if (const HWND Target = D.Focus ? D.Focus : D.Active) DeliverMessage(Target, Msg, Key, Data);
}

}  // namespace

int TranslateKey(WORD Key, bool Shift, bool Ctrl, bool Alt, bool CapsLock) {
  if (Ctrl && Alt) return -1;
  if (Ctrl) return ControlChar(Key);
  return PlainChar(Key, Shift, CapsLock);
}

bool KeyForChar(unsigned char Char, WORD& VirtualKey, bool& Shift) {
  if (Char == '\n') Char = '\r';
  for (bool WithShift : {false, true})
    for (int Key = 1; Key < VK_NUMPAD0; ++Key)
      if (PlainChar(WORD(Key), WithShift, false) == Char) {
        VirtualKey = WORD(Key);
        Shift = WithShift;
        return true;
      }
  for (const TPunctuation& P : Punctuation)
    if (P.Plain == char(Char) || P.Shifted == char(Char)) {
      VirtualKey = P.Key;
      Shift = P.Shifted == char(Char);
      return true;
    }
  return false;
}

SHORT GetKeyState(int VirtualKey) {
  if (VirtualKey < 0 || VirtualKey > 0xFF) return 0;
  int State = Down(WORD(VirtualKey)) ? 0x8000 : 0;
  if (VirtualKey == VK_CAPITAL && Desktop().CapsLock) State |= 1;
  return SHORT(State);
}

bool TranslateMessage(const TMsg& Msg) {
  if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN) return false;
  const int Char = CharOfKey(WORD(Msg.wParam));
  if (Char < 0) return false;
  const UINT CharMsg = Msg.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  Desktop().Posted.push_back({Msg.hwnd, CharMsg, WPARAM(Char & 0xFF), Msg.lParam});
  return true;
}

void RawKeyDown(WORD VirtualKey, int Char) {
  ProcessPostedMessages();
  TDesktop& D = Desktop();
  const bool WasDown = Down(VirtualKey);
  D.KeysDown[VirtualKey & 0xFF] = true;
  if (VirtualKey == VK_CAPITAL && !WasDown) D.CapsLock = !D.CapsLock;
  D.TypedKey = VirtualKey;
  D.TypedChar = Char;
  DeliverKey(VirtualKey, IsSystemKey(VirtualKey) ? WM_SYSKEYDOWN : WM_KEYDOWN,
             KeyData(WasDown, false));
  Desktop().TypedKey = 0;
  ProcessMessages();
}

void RawKeyUp(WORD VirtualKey) {
  ProcessPostedMessages();
  // Taken while the key is still down: the release of Alt itself is a system key.
  const UINT Msg = IsSystemKey(VirtualKey) ? WM_SYSKEYUP : WM_KEYUP;
  const LPARAM Data = KeyData(true, true);
  Desktop().KeysDown[VirtualKey & 0xFF] = false;
  DeliverKey(VirtualKey, Msg, Data);
  ProcessMessages();
}

}  // namespace framework
