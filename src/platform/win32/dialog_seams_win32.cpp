#include "platform/win32/dialog_seams_win32.h"

namespace kestrix {

int Win32MessageBoxes::Show(const std::string& text, const std::string& caption, uint32_t flags) {
  return MessageBoxA(owner_, text.c_str(), caption.c_str(), flags);
}

bool Win32ModifierKeys::IsDown(uint8_t virtual_key) {
  BYTE state[256] = {};
  if (!GetKeyboardState(state)) return false;
  return (state[virtual_key] & 0x80) != 0;
}

std::string Win32CodePage::FromWide(const std::u16string& text) {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  int bytes = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0)
    WideCharToMultiByte(CP_ACP, 0, wide, length, result.data(), bytes, nullptr, nullptr);
  return result;
}

std::u16string Win32CodePage::ToWide(const std::string& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  int chars = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  std::u16string result(static_cast<size_t>(chars > 0 ? chars : 0), u'\0');
  if (chars > 0)
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, reinterpret_cast<wchar_t*>(result.data()),
                        chars);
  return result;
}

}  // namespace kestrix
