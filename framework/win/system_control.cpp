#include "framework/win/system_control.h"

#include "framework/graphics/font_engine.h"

namespace framework {

const TFontFace& ControlFace(HFONT Font) {
  return Font ? *Font : TFontFace::Find("DejaVu Sans", 11, {});
}

void NotifyParent(HWND Wnd, WORD Code) {
  if (const HWND Parent = GetParent(Wnd))
    SendMessage(Parent, WM_COMMAND, MAKEWPARAM(WORD(GetWindowLong(Wnd, GWL_ID)), Code),
                LPARAM(Wnd));
}

TColor AskControlColors(HWND Wnd, UINT Msg, HDC DC) {
  const HWND Parent = GetParent(Wnd);
  const LRESULT Answer =
      Parent ? SendMessage(Parent, Msg, WPARAM(DC), LPARAM(Wnd)) : DefaultControlColors(DC);
  return TColor(int32_t(Answer));
}

LRESULT DefaultControlColors(HDC DC) {
  if (DC) DC->SetTextColor(clWindowText);
  return LRESULT(clWindow);
}

uint32_t ColorPixel(TColor Color) {
  return ColorRefToPixel(ColorToRGB(Color));
}

}  // namespace framework
