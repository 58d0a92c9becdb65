#pragma once

#include <cstddef>
#include <cstdint>

namespace framework {

// A cursor shape. The standard shapes are the IDC_ values; a null cursor shows none.
enum HCURSOR : uint16_t {
  IDC_NONE = 0,
  IDC_ARROW,
  IDC_IBEAM,
  IDC_WAIT,
  IDC_CROSS,
  IDC_UPARROW,
  IDC_SIZENWSE,
  IDC_SIZENESW,
  IDC_SIZEWE,
  IDC_SIZENS,
  IDC_SIZEALL,
  IDC_NO,
  IDC_HAND,
  IDC_APPSTARTING,
  IDC_HELP,
};

// The standard cursor named Id (there is no other kind).
inline HCURSOR LoadCursor(std::nullptr_t, HCURSOR Id) {
  return Id;
}
// Shows Cursor and returns the one shown before.
HCURSOR SetCursor(HCURSOR Cursor);
HCURSOR GetCursor();

}  // namespace framework
