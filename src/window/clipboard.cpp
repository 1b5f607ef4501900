#include "window/clipboard.h"

#include <cstring>

#include "platform/win32/wide_text.h"

namespace kestrix {

std::optional<std::string> ReadClipboardText(HWND owner) {
  // The system makes CF_UNICODETEXT from a CF_TEXT another program put there.
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return std::nullopt;
  if (!OpenClipboard(owner)) return std::nullopt;
  std::optional<std::string> text;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data != nullptr) {
    const wchar_t* units = static_cast<const wchar_t*>(GlobalLock(data));
    if (units != nullptr) {
      // The block may hold no zero at all: never read past its size.
      const SIZE_T size = GlobalSize(data) / sizeof(wchar_t);
      SIZE_T length = 0;
      while (length < size && units[length] != L'\0') ++length;
      text = Utf8(std::wstring_view(units, length));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool CopyToClipboard(HWND owner, const std::string& text) {
  const std::wstring units = Wide(text);
  const SIZE_T bytes = (units.size() + 1) * sizeof(wchar_t);
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  bool set = false;
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* block = GlobalLock(memory)) {
      std::memcpy(block, units.c_str(), bytes);
      GlobalUnlock(memory);
      set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    }
    // The clipboard owns the block only once it has taken it.
    if (!set) GlobalFree(memory);
  }
  return CloseClipboard() != FALSE && set;
}

}  // namespace kestrix
