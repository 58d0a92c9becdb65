#pragma once

#include "framework/win/messages.h"

namespace framework {

// The state of a key: the high bit (a negative value) while it is down, the low bit while a
// toggle key (Caps Lock) is on. The mouse buttons are VK_LBUTTON, VK_RBUTTON and VK_MBUTTON.
SHORT GetKeyState(int VirtualKey);

// One raw key event, the way every input source (the simulator, a live display) reaches the
// window system. The key message goes to the focus window (with no focus, to the active window
// as a system key), through the application's message filter, and TranslateMessage posts the
// character it types. Char is the character as the source's keyboard layout gives it; -1 uses
// the built-in US layout.
void RawKeyDown(WORD VirtualKey, int Char = -1);
void RawKeyUp(WORD VirtualKey);

// The built-in US layout: the character a key types with the modifiers held, or -1 for none.
// Letters follow Shift and Caps Lock; Ctrl with a letter gives 1 to 26; Alt gives the character
// of the key (as WM_SYSCHAR); Ctrl with Alt gives none.
int TranslateKey(WORD VirtualKey, bool Shift, bool Ctrl, bool Alt, bool CapsLock);
// The key, and whether Shift is needed, that types a character in the US layout (without Caps
// Lock); false when no key does.
bool KeyForChar(unsigned char Char, WORD& VirtualKey, bool& Shift);

}  // namespace framework
