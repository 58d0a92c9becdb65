#include "framework/win/cursors.h"

#include "framework/win/desktop.h"

namespace framework {

HCURSOR SetCursor(HCURSOR Cursor) {
  const HCURSOR Previous = Desktop().Cursor;
  Desktop().Cursor = Cursor;
  return Previous;
}

HCURSOR GetCursor() {
  return Desktop().Cursor;
}

}  // namespace framework
