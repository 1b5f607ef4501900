#include "fakes/fake_window_system.h"

#include <algorithm>
#include <cctype>

namespace kestrix {

namespace {

bool SameClass(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

WindowHandle FakeWindowSystem::Add(WindowHandle parent, const std::string& class_name,
                                   const std::string& text) {
  WindowHandle handle = next_handle_;
  next_handle_ += 4;
  Node node;
  node.parent = parent;
  node.class_name = class_name;
  node.text = text;
  nodes_[handle] = node;
  children_[parent].push_back(handle);
  return handle;
}

void FakeWindowSystem::SetText(WindowHandle window, const std::string& text) {
  if (Node* node = Find(window)) node->text = text;
}

void FakeWindowSystem::SetIconic(WindowHandle window, bool iconic) {
  if (Node* node = Find(window)) node->iconic = iconic;
}

void FakeWindowSystem::SetRect(WindowHandle window, const WindowRect& rect) {
  if (Node* node = Find(window)) node->rect = rect;
}

void FakeWindowSystem::SetListItems(WindowHandle list, std::vector<std::string> items,
                                    int current) {
  if (Node* node = Find(list)) {
    node->items = std::move(items);
    node->current = current;
  }
}

void FakeWindowSystem::SetCopyDataHandler(WindowHandle window, CopyDataHandler handler) {
  if (Node* node = Find(window)) node->on_copy_data = std::move(handler);
}

void FakeWindowSystem::Remove(WindowHandle window) {
  auto it = nodes_.find(window);
  if (it == nodes_.end()) return;
  std::vector<WindowHandle> children = children_[window];
  for (WindowHandle child : children) Remove(child);
  children_.erase(window);
  auto& siblings = children_[it->second.parent];
  siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
  nodes_.erase(it);
}

const FakeWindowSystem::Node* FakeWindowSystem::Find(WindowHandle window) const {
  auto it = nodes_.find(window);
  return it == nodes_.end() ? nullptr : &it->second;
}

FakeWindowSystem::Node* FakeWindowSystem::Find(WindowHandle window) {
  auto it = nodes_.find(window);
  return it == nodes_.end() ? nullptr : &it->second;
}

const std::vector<WindowHandle>& FakeWindowSystem::ChildrenOf(WindowHandle parent) const {
  static const std::vector<WindowHandle> kNone;
  auto it = children_.find(parent);
  return it == children_.end() ? kNone : it->second;
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
    const Node& node = nodes_.at(*it);
    if (!SameClass(node.class_name, class_name)) continue;
    if (caption && node.text != *caption) continue;
    return *it;
  }
  return 0;
}

WindowHandle FakeWindowSystem::FindWindowWide(WindowHandle parent, WindowHandle after,
                                              const std::string& class_name,
                                              const std::optional<std::string>& caption) {
  if (wide_search_fails_) return 0;
  return FindWindow(parent, after, class_name, caption);
}

std::vector<WindowHandle> FakeWindowSystem::TopLevelWindows() {
  return ChildrenOf(0);
}

std::string FakeWindowSystem::ClassName(WindowHandle window) {
  const Node* node = Find(window);
  return node ? node->class_name : std::string();
}

std::string FakeWindowSystem::SendGetText(WindowHandle window, size_t max_chars) {
  const Node* node = Find(window);
  if (node == nullptr) return {};
  return node->text.substr(0, max_chars);
}

std::string FakeWindowSystem::GetWindowText(WindowHandle window) {
  const Node* node = Find(window);
  return node ? node->text : std::string();
}

bool FakeWindowSystem::IsIconic(WindowHandle window) {
  const Node* node = Find(window);
  return node != nullptr && node->iconic;
}

bool FakeWindowSystem::GetRect(WindowHandle window, WindowRect& rect) {
  const Node* node = Find(window);
  if (node == nullptr) return false;
  rect = node->rect;
  return true;
}

int FakeWindowSystem::ListBoxCurrent(WindowHandle list) {
  const Node* node = Find(list);
  return node ? node->current : -1;
}

int FakeWindowSystem::ListBoxCount(WindowHandle list) {
  const Node* node = Find(list);
  return node ? static_cast<int>(node->items.size()) : -1;
}

std::optional<std::string> FakeWindowSystem::ListBoxItem(WindowHandle list, int index) {
  const Node* node = Find(list);
  if (node == nullptr || index < 0 || index >= static_cast<int>(node->items.size()))
    return std::nullopt;
  return node->items[static_cast<size_t>(index)];
}

bool FakeWindowSystem::Post(WindowHandle window, uint32_t message, uintptr_t wparam,
                            intptr_t lparam) {
  if (Find(window) == nullptr) return false;
  posted_.push_back({window, message, wparam, lparam});
  return true;
}

intptr_t FakeWindowSystem::SendCopyData(WindowHandle window, WindowHandle reply_to,
                                        uint32_t dw_data, const std::string& bytes) {
  Node* node = Find(window);
  if (node == nullptr) return 0;
  CopyDataSent sent{window, reply_to, dw_data, bytes};
  copy_data_sent_.push_back(sent);
  return node->on_copy_data ? node->on_copy_data(sent) : 0;
}

}  // namespace kestrix
