#include "fakes/fake_window_system.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "base/text_utils.h"
#include "base/utf8.h"
#include "host/panel_windows.h"

namespace kestrix {

WindowHandle FakeWindowSystem::Add(WindowHandle parent, const std::string& class_name,
                                   const std::string& text) {
  const WindowHandle handle = std::exchange(next_handle_, next_handle_ + 4);
  Window& window = windows_[handle];
  window.parent = parent;
  window.class_name = class_name;
  window.text = text;
  children_[parent].push_back(handle);
  return handle;
}

void FakeWindowSystem::Remove(WindowHandle window) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  std::vector<WindowHandle> children = ChildrenOf(window);
  for (WindowHandle child : children) Remove(child);
  children_.erase(window);
  auto& siblings = children_[it->second.parent];
  siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
  windows_.erase(it);
}

WindowHandle FakeWindowSystem::FindWindow(WindowHandle parent, WindowHandle after,
                                          const std::string& class_name,
                                          const std::optional<std::string>& caption) {
  // FindWindowEx fails outright for a parent or a start window that does not exist.
  if (parent != 0 && Find(parent) == nullptr) return 0;
  const std::vector<WindowHandle>& siblings = ChildrenOf(parent);
  auto it = siblings.begin();
  if (after != 0) {
    it = std::find(siblings.begin(), siblings.end(), after);
    if (it == siblings.end()) return 0;
    ++it;
  }
  for (; it != siblings.end(); ++it) {
    const Window& window = windows_.at(*it);
    if (!class_name.empty() && !EqualsIgnoreCase(window.class_name, class_name)) continue;
    if (caption && window.text != *caption) continue;
    return *it;
  }
  return 0;
}

std::string FakeWindowSystem::SendGetText(WindowHandle window, size_t max_chars) {
  Window* w = Find(window);
  if (w && w->hung) throw std::logic_error("WM_GETTEXT without a time limit to a hung window");
  return w ? std::string(HeadOfUtf16Length(w->text, max_chars)) : std::string();
}

intptr_t FakeWindowSystem::SendCopyDataBlock(WindowHandle window, WindowHandle reply_to,
                                             uintptr_t dw_data, const void* data, uint32_t cb_data,
                                             uint32_t timeout_ms) {
  ++copy_data_requests;
  Window* w = Find(window);
  if (w == nullptr) return 0;
  if (w->hung) {
    if (timeout_ms == 0)
      throw std::logic_error("WM_COPYDATA without a time limit to a hung window");
    return 0;
  }
  copy_data_sent_.push_back(
      {window, reply_to, dw_data, std::string(static_cast<const char*>(data), cb_data)});
  return w->copy_data ? w->copy_data(reply_to, dw_data, data, cb_data) : 0;
}

FakeHostLayout AddHostLayout(FakeWindowSystem& w, const std::string& left_path,
                             const std::string& right_path, const std::string& label,
                             const std::string& left_header, const std::string& right_header) {
  FakeHostLayout h;
  h.host = w.Add(0, kHostWindowClass, "Total Commander");
  for (int i = 1; i <= 4; ++i) h.panels[i] = w.Add(h.host, "TMyPanel");
  h.left_path = w.Add(w.Add(h.panels[3], "TMyTabControl"), "TPathPanel", left_path);
  h.right_path = w.Add(w.Add(h.panels[4], "TMyTabControl"), "TPathPanel", right_path);
  h.label = w.Add(h.panels[2], "TMyPanel", label);
  h.left_header = w.Add(h.panels[2], "TMyPanel", left_header);
  w.Add(h.panels[3], "TMyPanel");
  h.right_header = w.Add(h.panels[3], "TMyPanel", right_header);
  h.right_list = w.Add(h.host, kHostListClass);
  h.left_list = w.Add(h.host, kHostListClass);
  return h;
}

}  // namespace kestrix
