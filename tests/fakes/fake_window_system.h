#pragma once
// FakeWindowSystem: an in-memory window tree. Top-level windows keep the order they were
// added in as their z-order (first added is topmost). Class names compare
// case-insensitively, captions exactly. Copy-data requests go to a handler the test sets
// per window, called with the data pointer itself, as a window in the same process sees it.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/window_system.h"

namespace kestrix {

class FakeWindowSystem : public WindowSystem {
 public:
  using CopyDataHandler = std::function<intptr_t(WindowHandle reply_to, uintptr_t dw_data,
                                                 const void* data, uint32_t cb_data)>;

  struct Window {
    WindowHandle parent = 0;
    std::string class_name;
    std::string text;
    bool iconic = false;
    WindowRect rect;
    std::vector<std::string> list_items;
    int list_current = -1;
    CopyDataHandler copy_data;
  };

  struct PostedMessage {
    WindowHandle window;
    uint32_t message;
    uintptr_t wparam;
    intptr_t lparam;
  };

  // Adds a window under `parent` (0: top level) after its existing siblings.
  WindowHandle AddWindow(WindowHandle parent, const std::string& class_name,
                         const std::string& text);
  void RemoveWindow(WindowHandle window);
  Window& Get(WindowHandle window) { return windows_.at(window); }

  WindowHandle FindWindow(WindowHandle parent, WindowHandle after, const std::string& class_name,
                          const std::optional<std::string>& caption) override;
  WindowHandle FindWindowWide(WindowHandle parent, WindowHandle after,
                              const std::string& class_name,
                              const std::optional<std::string>& caption) override;
  std::vector<WindowHandle> TopLevelWindows() override;
  std::string ClassName(WindowHandle window) override;
  std::string SendGetText(WindowHandle window, size_t max_chars) override;
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
                             const void* data, uint32_t cb_data) override;

  std::vector<PostedMessage> posted;
  int get_text_requests = 0;
  int copy_data_requests = 0;

 private:
  Window* Find(WindowHandle window);

  std::map<WindowHandle, Window> windows_;
  std::vector<WindowHandle> order_;  // every window, in the order added
  WindowHandle next_handle_ = 0x100;
};

}  // namespace kestrix
