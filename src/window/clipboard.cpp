#include "window/clipboard.h"

#include <cstring>

namespace kestrix {

std::optional<std::string> ReadClipboardText(HWND owner) {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return std::nullopt;
  if (!OpenClipboard(owner)) return std::nullopt;
  std::optional<std::string> text;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (data != nullptr) {
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    if (bytes != nullptr) {
      // The block may hold no zero byte at all: never read past its size.
      SIZE_T size = GlobalSize(data);
      SIZE_T length = 0;
      while (length < size && bytes[length] != '\0') ++length;
      text = std::string(bytes, length);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool CopyToClipboard(HWND owner, const std::string& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  bool set = false;
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    if (void* bytes = GlobalLock(memory)) {
      memcpy(bytes, text.c_str(), text.size() + 1);
      GlobalUnlock(memory);
      set = SetClipboardData(CF_TEXT, memory) != nullptr;
    }
    // The clipboard owns the block only once it has taken it.
    if (!set) GlobalFree(memory);
  }
  return CloseClipboard() != FALSE && set;
}

}  // namespace kestrix
