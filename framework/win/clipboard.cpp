#include "framework/win/clipboard.h"

#include "framework/win/desktop.h"

namespace framework {

void SetClipboardText(const std::string& Text) {
  Desktop().Clipboard = Text;
}

std::string GetClipboardText() {
  return Desktop().Clipboard.value_or(std::string());
}

bool ClipboardHasText() {
  return Desktop().Clipboard.has_value();
}

}  // namespace framework
