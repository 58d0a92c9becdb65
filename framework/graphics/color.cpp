#include "framework/graphics/color.h"

#include <cstdint>

#include "framework/classes/type_info.h"

namespace framework {

namespace {

constexpr uint32_t ColorRef(uint32_t RGBValue) {
  return ((RGBValue >> 16) & 0xFF) | (RGBValue & 0xFF00) | ((RGBValue & 0xFF) << 16);
}

// The classic scheme, written as 0xRRGGBB and turned into COLORREFs.
constexpr uint32_t SystemColors[COLOR_COUNT] = {
    ColorRef(0xC0C0C0),  // COLOR_SCROLLBAR
    ColorRef(0x008080),  // COLOR_BACKGROUND
    ColorRef(0x000080),  // COLOR_ACTIVECAPTION
    ColorRef(0x808080),  // COLOR_INACTIVECAPTION
    ColorRef(0xC0C0C0),  // COLOR_MENU
    ColorRef(0xFFFFFF),  // COLOR_WINDOW
    ColorRef(0x000000),  // COLOR_WINDOWFRAME
    ColorRef(0x000000),  // COLOR_MENUTEXT
    ColorRef(0x000000),  // COLOR_WINDOWTEXT
    ColorRef(0xFFFFFF),  // COLOR_CAPTIONTEXT
    ColorRef(0xC0C0C0),  // COLOR_ACTIVEBORDER
    ColorRef(0xC0C0C0),  // COLOR_INACTIVEBORDER
    ColorRef(0x808080),  // COLOR_APPWORKSPACE
    ColorRef(0x000080),  // COLOR_HIGHLIGHT
    ColorRef(0xFFFFFF),  // COLOR_HIGHLIGHTTEXT
    ColorRef(0xC0C0C0),  // COLOR_BTNFACE
    ColorRef(0x808080),  // COLOR_BTNSHADOW
    ColorRef(0x808080),  // COLOR_GRAYTEXT
    ColorRef(0x000000),  // COLOR_BTNTEXT
    ColorRef(0xC0C0C0),  // COLOR_INACTIVECAPTIONTEXT
    ColorRef(0xFFFFFF),  // COLOR_BTNHIGHLIGHT
    ColorRef(0x000000),  // COLOR_3DDKSHADOW
    ColorRef(0xC0C0C0),  // COLOR_3DLIGHT
    ColorRef(0x000000),  // COLOR_INFOTEXT
    ColorRef(0xFFFFE1),  // COLOR_INFOBK
};

}  // namespace

uint32_t GetSysColor(int Index) {
  return Index >= 0 && Index < COLOR_COUNT ? SystemColors[Index] : 0;
}

uint32_t ColorToRGB(TColor Color) {
  if (Color < 0) return GetSysColor(int(Color & 0xFF));
  if (Color == clNone || Color == clDefault) return 0;
  return uint32_t(Color) & 0xFFFFFF;
}

const TTypeInfo& EnumTypeInfo(TColor) {
  // The first name of a value is the one written: the standard names come before their aliases,
  // so that silver streams as clSilver, never as clLtGray.
  static const TTypeInfo Info =
      TTypeInfo::Integer("TColor", INT32_MIN, INT32_MAX,
                         {{"clBlack", clBlack},
                          {"clMaroon", clMaroon},
                          {"clGreen", clGreen},
                          {"clOlive", clOlive},
                          {"clNavy", clNavy},
                          {"clPurple", clPurple},
                          {"clTeal", clTeal},
                          {"clGray", clGray},
                          {"clSilver", clSilver},
                          {"clRed", clRed},
                          {"clLime", clLime},
                          {"clYellow", clYellow},
                          {"clBlue", clBlue},
                          {"clFuchsia", clFuchsia},
                          {"clAqua", clAqua},
                          {"clWhite", clWhite},
                          {"clLtGray", clLtGray},
                          {"clDkGray", clDkGray},
                          {"clScrollBar", clScrollBar},
                          {"clBackground", clBackground},
                          {"clActiveCaption", clActiveCaption},
                          {"clInactiveCaption", clInactiveCaption},
                          {"clMenu", clMenu},
                          {"clWindow", clWindow},
                          {"clWindowFrame", clWindowFrame},
                          {"clMenuText", clMenuText},
                          {"clWindowText", clWindowText},
                          {"clCaptionText", clCaptionText},
                          {"clActiveBorder", clActiveBorder},
                          {"clInactiveBorder", clInactiveBorder},
                          {"clAppWorkSpace", clAppWorkSpace},
                          {"clHighlight", clHighlight},
                          {"clHighlightText", clHighlightText},
                          {"clBtnFace", clBtnFace},
                          {"clBtnShadow", clBtnShadow},
                          {"clGrayText", clGrayText},
                          {"clBtnText", clBtnText},
                          {"clInactiveCaptionText", clInactiveCaptionText},
                          {"clBtnHighlight", clBtnHighlight},
                          {"cl3DDkShadow", cl3DDkShadow},
                          {"cl3DLight", cl3DLight},
                          {"clInfoText", clInfoText},
                          {"clInfoBk", clInfoBk},
                          {"clNone", clNone},
                          {"clDefault", clDefault}});
  return Info;
}

}  // namespace framework
