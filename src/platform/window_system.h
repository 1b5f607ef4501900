#pragma once
// Windows of other processes (the host, media players) as the portable logic sees them.
// Handles are opaque numbers; 0 means "no window".
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrix {

using WindowHandle = uintptr_t;

struct WindowRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // FindWindowExA: the next child of `parent` (0 = top level) after `after` whose class is
  // `class_name`; `caption` empty-optional means any caption, "" only windows without text.
  virtual WindowHandle FindWindow(WindowHandle parent, WindowHandle after,
                                  const std::string& class_name,
                                  const std::optional<std::string>& caption) = 0;
  // The same search with the wide-character call (FindWindowExW).
  virtual WindowHandle FindWindowWide(WindowHandle parent, WindowHandle after,
                                      const std::string& class_name,
                                      const std::optional<std::string>& caption) = 0;
  // Every top-level window, in z-order (EnumWindows).
  virtual std::vector<WindowHandle> TopLevelWindows() = 0;

  virtual std::string ClassName(WindowHandle window) = 0;
  // WM_GETTEXT sent to the window, at most `max_chars` characters.
  virtual std::string SendGetText(WindowHandle window, size_t max_chars) = 0;
  // GetWindowTextA (does not send to windows of other processes' edit controls).
  virtual std::string GetWindowText(WindowHandle window) = 0;
  virtual bool IsIconic(WindowHandle window) = 0;
  virtual bool GetRect(WindowHandle window, WindowRect& rect) = 0;

  // List boxes of other processes: LB_GETCURSEL, LB_GETCOUNT, and one item read as wide
  // text converted to the ANSI code page (never overruns, whatever the item length).
  virtual int ListBoxCurrent(WindowHandle list) = 0;
  virtual int ListBoxCount(WindowHandle list) = 0;
  virtual std::optional<std::string> ListBoxItem(WindowHandle list, int index) = 0;

  // PostMessageA; no result is awaited.
  virtual bool Post(WindowHandle window, uint32_t message, uintptr_t wparam, intptr_t lparam) = 0;
  // SendMessageA(WM_COPYDATA) with `reply_to` as wParam. The result of the send.
  virtual intptr_t SendCopyData(WindowHandle window, WindowHandle reply_to, uint32_t dw_data,
                                const std::string& bytes) = 0;
  // SendMessageA(WM_COPYDATA) with a record whose lpData is `data` and cbData `cb_data`;
  // `data` must hold at least `cb_data` readable bytes. Used where the receiver writes into
  // memory whose address the data carries. A window system without such exchanges answers 0.
  virtual intptr_t SendCopyDataBlock(WindowHandle /*window*/, WindowHandle /*reply_to*/,
                                     uintptr_t /*dw_data*/, const void* /*data*/,
                                     uint32_t /*cb_data*/) {
    return 0;
  }
};

}  // namespace kestrix
