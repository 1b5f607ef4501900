#pragma once
// Message boxes, modifier keys and the ANSI code page over user32 and kernel32.
#include "platform/code_page.h"
#include "platform/message_box.h"
#include "platform/modifier_keys.h"
#include "platform/win32/windows_api.h"

namespace kestrix {

class Win32MessageBoxes : public MessageBoxes {
 public:
  explicit Win32MessageBoxes(HWND owner) : owner_(owner) {}
  int Show(const std::string& text, const std::string& caption, uint32_t flags) override;

 private:
  HWND owner_;
};

class Win32ModifierKeys : public ModifierKeys {
 public:
  // The high bit of the key's byte in GetKeyboardState.
  bool IsDown(uint8_t virtual_key) override;
};

// WideCharToMultiByte with WC_NO_BEST_FIT_CHARS and the used-default flag, and a strict
// MultiByteToWideChar.
class Win32CodePage : public CodePage {
 public:
  std::string FromWide(const std::u16string& text, bool* lost = nullptr) override;
  std::u16string WideFromCodePage(std::string_view bytes, unsigned code_page,
                                  bool* lost = nullptr) override;
};

}  // namespace kestrix
