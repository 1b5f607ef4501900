#pragma once
// The clipboard's text as UTF-8, read and written as CF_UNICODETEXT, so a text in any script
// goes whole both ways (other programs still read it as CF_TEXT, made by the system).
#include <optional>
#include <string>

#include "platform/win32/windows_api.h"

namespace kestrix {

// The text on the clipboard, up to its zero and never past its block; nothing when it
// holds no text or another program has it open.
std::optional<std::string> ReadClipboardText(HWND owner);
// Puts `text` on the clipboard; false when another program has it open.
bool CopyToClipboard(HWND owner, const std::string& text);

}  // namespace kestrix
