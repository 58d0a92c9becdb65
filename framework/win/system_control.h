#pragma once

#include <memory>
#include <unordered_map>

#include "framework/graphics/color.h"
#include "framework/graphics/device_context.h"
#include "framework/win/messages.h"
#include "framework/win/window.h"

namespace framework {

class TFontFace;

// What WM_SETFONT and WM_GETFONT carry: a font face, which lives as long as the program (a
// framework font gives it as TFont::Face()). Null stands for the class's default.
using HFONT = const TFontFace*;

// What the system window classes (EDIT, LISTBOX, BUTTON) share.

// The face a system control draws with: Font, or DejaVu Sans of 11 pixels (8 points) for null.
const TFontFace& ControlFace(HFONT Font);

// WM_COMMAND to the window's parent (its owner when it is top-level): the control's id and Code
// in WParam, the control's handle in LParam.
void NotifyParent(HWND Wnd, WORD Code);

// Asks the parent for the colours of a control about to paint on DC (Msg is WM_CTLCOLOREDIT or
// WM_CTLCOLORLISTBOX, WParam the DC, LParam the control): the answer is the background colour
// (a TColor in the LRESULT), and the parent sets the text colour on the DC. A control without a
// parent gets the default.
TColor AskControlColors(HWND Wnd, UINT Msg, HDC DC);
// The default answer (DefWindowProc's): window text on the window colour.
LRESULT DefaultControlColors(HDC DC);

// A surface pixel of a colour.
uint32_t ColorPixel(TColor Color);

// The state a system class keeps for each of its windows, made at the window's first message
// and freed at its WM_NCDESTROY.
template <class TState>
class TControlStates {
 public:
  // Null for a handle that names no live window.
  TState* Get(HWND Wnd) {
    if (!IsWindow(Wnd)) return nullptr;
    std::unique_ptr<TState>& Slot = FStates[Wnd];
    if (!Slot) Slot = std::make_unique<TState>();
    return Slot.get();
  }
  void Free(HWND Wnd) { FStates.erase(Wnd); }

 private:
  std::unordered_map<HWND, std::unique_ptr<TState>> FStates;
};

}  // namespace framework
