#pragma once
#include "platform/window_system.h"

namespace kestrix {

// The window system through user32's wide calls; texts are UTF-8 on this side.
class Win32WindowSystem : public WindowSystem {
 public:
  WindowHandle FindWindow(WindowHandle parent, WindowHandle after, const std::string& class_name,
                          const std::optional<std::string>& caption) override;
  std::vector<WindowHandle> TopLevelWindows() override;
  std::string ClassName(WindowHandle window) override;
  std::string SendGetText(WindowHandle window, size_t max_chars) override;
  std::string SendGetTextWithin(WindowHandle window, size_t max_chars,
                                uint32_t timeout_ms) override;
  std::string GetWindowText(WindowHandle window) override;
  bool IsIconic(WindowHandle window) override;
  bool GetRect(WindowHandle window, WindowRect& rect) override;
  int ListBoxCurrent(WindowHandle list) override;
  int ListBoxCount(WindowHandle list) override;
  std::optional<std::string> ListBoxItem(WindowHandle list, int index) override;
  bool Post(WindowHandle window, uint32_t message, uintptr_t wparam, intptr_t lparam) override;
  intptr_t SendCopyData(WindowHandle window, WindowHandle reply_to, uint32_t dw_data,
                        const std::string& bytes) override;
  intptr_t SendCopyDataBlock(WindowHandle window, WindowHandle reply_to, uintptr_t dw_data,
                             const void* data, uint32_t cb_data, uint32_t timeout_ms) override;
  AddressedBuffer ReceiveBuffer(size_t bytes) override;
};

}  // namespace kestrix
