#pragma once
// An in-memory window tree that answers the WindowSystem seam the way user32 does:
// FindWindowEx walks direct children in creation order (top-level windows: first added is
// topmost), class names compare without case (an empty class matches any), an empty
// caption filter matches only windows without text, captions compare exactly, WM_GETTEXT
// truncates to the buffer's UTF-16 units. Posts and copy-data sends are recorded for tests to
// inspect; a copy-data handler set per window answers them with the data pointer itself, as a
// window in the same process sees it. A hung window answers no send.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/utf8.h"
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
    WindowRect rect;
    std::vector<std::string> list_items;
    int list_current = -1;
    CopyDataHandler copy_data;
    // A program that stopped answering: timed sends give up, an untimed one would wait
    // for ever (the fake throws).
    bool hung = false;
  };
  struct PostedMessage {
    WindowHandle window = 0;
    uint32_t message = 0;
    uintptr_t wparam = 0;
    intptr_t lparam = 0;
  };
  struct CopyDataSent {
    WindowHandle window = 0;
    WindowHandle reply_to = 0;
    uintptr_t dw_data = 0;
    std::string bytes;
  };

  // Adds a window as the last child of `parent` (0 = top level) and returns its handle.
  WindowHandle Add(WindowHandle parent, const std::string& class_name,
                   const std::string& text = "");
  // Removes the window and everything below it.
  void Remove(WindowHandle window);
  Window& Get(WindowHandle window) { return windows_.at(window); }

  void SetText(WindowHandle window, const std::string& text) { Get(window).text = text; }
  void SetRect(WindowHandle window, const WindowRect& rect) { Get(window).rect = rect; }
  void SetListItems(WindowHandle list, std::vector<std::string> items, int current) {
    Get(list).list_items = std::move(items);
    Get(list).list_current = current;
  }
  void SetCopyDataHandler(WindowHandle window, CopyDataHandler handler) {
    Get(window).copy_data = std::move(handler);
  }

  const std::vector<PostedMessage>& Posted() const { return posted_; }
  const std::vector<CopyDataSent>& SentCopyData() const { return copy_data_sent_; }
  int copy_data_requests = 0;
  // ReceiveBuffer's memory and the address other programs are told, which a test sets
  // above 4 GB to stand for a 64-bit program's heap.
  std::vector<char> receive_memory;
  uintptr_t receive_address = 0x00C0FFE0;
  // What a receiver writes at an address of ours: false, and nothing written, unless it
  // is the receive buffer's address and the text fits there.
  bool WriteAtAddress(uint64_t address, const std::string& bytes) {
    if (address != receive_address || bytes.size() > receive_memory.size()) return false;
    std::copy(bytes.begin(), bytes.end(), receive_memory.begin());
    return true;
  }

  WindowHandle FindWindow(WindowHandle parent, WindowHandle after, const std::string& class_name,
                          const std::optional<std::string>& caption) override;
  std::vector<WindowHandle> TopLevelWindows() override { return ChildrenOf(0); }
  std::string ClassName(WindowHandle window) override { return Seen(window).class_name; }
  std::string SendGetText(WindowHandle window, size_t max_chars) override;
  std::string SendGetTextWithin(WindowHandle window, size_t max_chars, uint32_t) override {
    const Window& w = Seen(window);
    return w.hung ? std::string() : std::string(HeadOfUtf16Length(w.text, max_chars));
  }
  std::string GetWindowText(WindowHandle window) override { return Seen(window).text; }
  bool IsIconic(WindowHandle) override { return false; }
  bool GetRect(WindowHandle window, WindowRect& rect) override {
    if (Find(window)) rect = Seen(window).rect;
    return Find(window) != nullptr;
  }
  int ListBoxCurrent(WindowHandle list) override { return Seen(list).list_current; }
  int ListBoxCount(WindowHandle list) override {
    return Find(list) ? static_cast<int>(Seen(list).list_items.size()) : -1;
  }
  std::optional<std::string> ListBoxItem(WindowHandle list, int index) override {
    Window* w = Find(list);
    if (w == nullptr || index < 0 || index >= static_cast<int>(w->list_items.size()))
      return std::nullopt;
    return w->list_items[static_cast<size_t>(index)];
  }
  bool Post(WindowHandle window, uint32_t message, uintptr_t wparam, intptr_t lparam) override {
    if (Find(window) == nullptr) return false;
    posted_.push_back({window, message, wparam, lparam});
    return true;
  }
  intptr_t SendCopyData(WindowHandle window, WindowHandle reply_to, uint32_t dw_data,
                        const std::string& bytes) override {
    return SendCopyDataBlock(window, reply_to, dw_data, bytes.data(),
                             static_cast<uint32_t>(bytes.size()), 0);
  }
  intptr_t SendCopyDataBlock(WindowHandle window, WindowHandle reply_to, uintptr_t dw_data,
                             const void* data, uint32_t cb_data, uint32_t timeout_ms) override;
  AddressedBuffer ReceiveBuffer(size_t bytes) override {
    if (receive_memory.size() < bytes) receive_memory.resize(bytes);
    return {std::span<char>(receive_memory.data(), bytes), receive_address};
  }

 private:
  Window* Find(WindowHandle window) {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
  }
  // The window, or for one that is not there a window without text, class or items.
  const Window& Seen(WindowHandle window) {
    static const Window none;
    return Find(window) ? *Find(window) : none;
  }
  const std::vector<WindowHandle>& ChildrenOf(WindowHandle parent) const {
    static const std::vector<WindowHandle> none;
    auto it = children_.find(parent);
    return it == children_.end() ? none : it->second;
  }

  std::map<WindowHandle, Window> windows_;
  std::map<WindowHandle, std::vector<WindowHandle>> children_;  // 0 holds the top level
  WindowHandle next_handle_ = 0x100;
  std::vector<PostedMessage> posted_;
  std::vector<CopyDataSent> copy_data_sent_;
};

// The host's main window as its panel reading expects it: panels 1..4 as direct children;
// each side's path panel in a tab control under panel 3 (left) and 4 (right); the path
// label, then the left header, as "TMyPanel" children of panel 2; an empty "TMyPanel" and
// the right header under panel 3; one file list per side, the right one first.
struct FakeHostLayout {
  WindowHandle host = 0, panels[5] = {}, left_path = 0, right_path = 0, label = 0;
  WindowHandle left_header = 0, right_header = 0, right_list = 0, left_list = 0;
};
FakeHostLayout AddHostLayout(FakeWindowSystem& windows, const std::string& left_path,
                             const std::string& right_path, const std::string& label = "",
                             const std::string& left_header = "",
                             const std::string& right_header = "");

}  // namespace kestrix
