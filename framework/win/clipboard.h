#pragma once

#include <string>

namespace framework {

// The desktop's clipboard, for text only. A fresh desktop's clipboard is empty; setting text,
// even empty text, makes it hold text.
void SetClipboardText(const std::string& Text);
// The text held, or an empty string when the clipboard holds none.
std::string GetClipboardText();
bool ClipboardHasText();

}  // namespace framework
