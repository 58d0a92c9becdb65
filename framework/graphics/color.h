#pragma once

#include <cstdint>

namespace framework {

class TTypeInfo;

// A colour: 0x00BBGGRR (red in the low byte), or, with the high bit set, the index of a system
// colour that ColorToRGB resolves through the current colour scheme.
enum TColor : int32_t {
  clBlack = 0x000000,
  clMaroon = 0x000080,
  clGreen = 0x008000,
  clOlive = 0x008080,
  clNavy = 0x800000,
  clPurple = 0x800080,
  clTeal = 0x808000,
  clGray = 0x808080,
  clSilver = 0xC0C0C0,
  clRed = 0x0000FF,
  clLime = 0x00FF00,
  clYellow = 0x00FFFF,
  clBlue = 0xFF0000,
  clFuchsia = 0xFF00FF,
  clAqua = 0xFFFF00,
  clLtGray = 0xC0C0C0,
  clDkGray = 0x808080,
  clWhite = 0xFFFFFF,
  clNone = 0x1FFFFFFF,
  clDefault = 0x20000000,

  clScrollBar = int32_t(0x80000000),
  clBackground = int32_t(0x80000001),
  clActiveCaption = int32_t(0x80000002),
  clInactiveCaption = int32_t(0x80000003),
  clMenu = int32_t(0x80000004),
  clWindow = int32_t(0x80000005),
  clWindowFrame = int32_t(0x80000006),
  clMenuText = int32_t(0x80000007),
  clWindowText = int32_t(0x80000008),
  clCaptionText = int32_t(0x80000009),
  clActiveBorder = int32_t(0x8000000A),
  clInactiveBorder = int32_t(0x8000000B),
  clAppWorkSpace = int32_t(0x8000000C),
  clHighlight = int32_t(0x8000000D),
  clHighlightText = int32_t(0x8000000E),
  clBtnFace = int32_t(0x8000000F),
  clBtnShadow = int32_t(0x80000010),
  clGrayText = int32_t(0x80000011),
  clBtnText = int32_t(0x80000012),
  clInactiveCaptionText = int32_t(0x80000013),
  clBtnHighlight = int32_t(0x80000014),
  cl3DDkShadow = int32_t(0x80000015),
  cl3DLight = int32_t(0x80000016),
  clInfoText = int32_t(0x80000017),
  clInfoBk = int32_t(0x80000018),
};

// The system colour indexes, as GetSysColor takes them.
enum : int {
  COLOR_SCROLLBAR = 0,
  COLOR_BACKGROUND,
  COLOR_ACTIVECAPTION,
  COLOR_INACTIVECAPTION,
  COLOR_MENU,
  COLOR_WINDOW,
  COLOR_WINDOWFRAME,
  COLOR_MENUTEXT,
  COLOR_WINDOWTEXT,
  COLOR_CAPTIONTEXT,
  COLOR_ACTIVEBORDER,
  COLOR_INACTIVEBORDER,
  COLOR_APPWORKSPACE,
  COLOR_HIGHLIGHT,
  COLOR_HIGHLIGHTTEXT,
  COLOR_BTNFACE,
  COLOR_BTNSHADOW,
  COLOR_GRAYTEXT,
  COLOR_BTNTEXT,
  COLOR_INACTIVECAPTIONTEXT,
  COLOR_BTNHIGHLIGHT,
  COLOR_3DDKSHADOW,
  COLOR_3DLIGHT,
  COLOR_INFOTEXT,
  COLOR_INFOBK,
  COLOR_COUNT
};

// The classic colour scheme: COLORREF 0x00BBGGRR of a system colour index (black for an index
// outside the scheme).
uint32_t GetSysColor(int Index);
// The COLORREF of any colour; system colours through GetSysColor, clNone and clDefault black.
uint32_t ColorToRGB(TColor Color);
constexpr TColor RGB(uint8_t R, uint8_t G, uint8_t B) {
  return TColor(int32_t(R) | (int32_t(G) << 8) | (int32_t(B) << 16));
}

// A surface pixel (0xAARRGGBB, opaque) of a COLORREF, and back.
constexpr uint32_t ColorRefToPixel(uint32_t ColorRef) {
  return 0xFF000000u | ((ColorRef & 0xFF) << 16) | (ColorRef & 0xFF00) | ((ColorRef >> 16) & 0xFF);
}
constexpr uint32_t PixelToColorRef(uint32_t Pixel) {
  return ((Pixel >> 16) & 0xFF) | (Pixel & 0xFF00) | ((Pixel & 0xFF) << 16);
}

// Streams colours by name where they have one (clBtnFace), else as numbers.
const TTypeInfo& EnumTypeInfo(TColor);

}  // namespace framework
