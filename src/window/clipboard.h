#pragma once
// The clipboard's text, read and written as CF_TEXT in the code page.
#include <optional>
#include <string>

#include "platform/win32/windows_api.h"

namespace kestrix {

// The text on the clipboard, up to its zero byte and never past its block; nothing when it
// holds no text or another program has it open.
std::optional<std::string> ReadClipboardText(HWND owner);
// Puts `text` on the clipboard; false when another program has it open.
bool CopyToClipboard(HWND owner, const std::string& text);

}  // namespace kestrix
