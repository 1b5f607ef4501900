#include "fakes/fake_window_system.h"

#include <algorithm>

namespace kestrix {

namespace {

bool SameClass(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

WindowHandle FakeWindowSystem::AddWindow(WindowHandle parent, const std::string& class_name,
                                         const std::string& text) {
  WindowHandle handle = next_handle_;
  next_handle_ += 4;
  Window window;
  window.parent = parent;
  window.class_name = class_name;
  window.text = text;
  windows_[handle] = window;
  order_.push_back(handle);
  return handle;
}

void FakeWindowSystem::RemoveWindow(WindowHandle window) {
  windows_.erase(window);
  order_.erase(std::remove(order_.begin(), order_.end(), window), order_.end());
}

FakeWindowSystem::Window* FakeWindowSystem::Find(WindowHandle window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

WindowHandle FakeWindowSystem::FindWindow(WindowHandle parent, WindowHandle after,
                                          const std::string& class_name,
                                          const std::optional<std::string>& caption) {
  bool passed = after == 0;
  for (WindowHandle handle : order_) {
    const Window& window = windows_.at(handle);
    if (window.parent != parent) continue;
    if (!passed) {
      passed = handle == after;
      continue;
    }
    if (!class_name.empty() && !SameClass(window.class_name, class_name)) continue;
    if (caption && window.text != *caption) continue;
    return handle;
  }
  return 0;
}

WindowHandle FakeWindowSystem::FindWindowWide(WindowHandle parent, WindowHandle after,
                                              const std::string& class_name,
                                              const std::optional<std::string>& caption) {
  return FindWindow(parent, after, class_name, caption);
}

std::vector<WindowHandle> FakeWindowSystem::TopLevelWindows() {
  std::vector<WindowHandle> result;
  for (WindowHandle handle : order_)
    if (windows_.at(handle).parent == 0) result.push_back(handle);
  return result;
}

std::string FakeWindowSystem::ClassName(WindowHandle window) {
  Window* w = Find(window);
  return w ? w->class_name : std::string();
}

std::string FakeWindowSystem::SendGetText(WindowHandle window, size_t max_chars) {
  ++get_text_requests;
  Window* w = Find(window);
  if (!w) return {};
  return w->text.substr(0, max_chars);
}

std::string FakeWindowSystem::GetWindowText(WindowHandle window) {
  Window* w = Find(window);
  return w ? w->text : std::string();
}

bool FakeWindowSystem::IsIconic(WindowHandle window) {
  Window* w = Find(window);
  return w && w->iconic;
}

bool FakeWindowSystem::GetRect(WindowHandle window, WindowRect& rect) {
  Window* w = Find(window);
  if (!w) return false;
  rect = w->rect;
  return true;
}

int FakeWindowSystem::ListBoxCurrent(WindowHandle list) {
  Window* w = Find(list);
  return w ? w->list_current : -1;
}

int FakeWindowSystem::ListBoxCount(WindowHandle list) {
  Window* w = Find(list);
  return w ? static_cast<int>(w->list_items.size()) : -1;
}

std::optional<std::string> FakeWindowSystem::ListBoxItem(WindowHandle list, int index) {
  Window* w = Find(list);
  if (!w || index < 0 || index >= static_cast<int>(w->list_items.size())) return std::nullopt;
  return w->list_items[static_cast<size_t>(index)];
}

bool FakeWindowSystem::Post(WindowHandle window, uint32_t message, uintptr_t wparam,
                            intptr_t lparam) {
  if (!Find(window)) return false;
  posted.push_back({window, message, wparam, lparam});
  return true;
}

intptr_t FakeWindowSystem::SendCopyData(WindowHandle window, WindowHandle reply_to,
                                        uint32_t dw_data, const std::string& bytes) {
  return SendCopyDataBlock(window, reply_to, dw_data, bytes.data(),
                           static_cast<uint32_t>(bytes.size()));
}

intptr_t FakeWindowSystem::SendCopyDataBlock(WindowHandle window, WindowHandle reply_to,
                                             uintptr_t dw_data, const void* data,
                                             uint32_t cb_data) {
  ++copy_data_requests;
  Window* w = Find(window);
  if (!w || !w->copy_data) return 0;
  return w->copy_data(reply_to, dw_data, data, cb_data);
}

}  // namespace kestrix
